#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/backend.h"
#include "platform/crash_handler.h"
#include "platform/desktop.h"
#include "platform/file_search.h"
#include "platform/registry_ini.h"
#include "platform/scripted_answers.h"

namespace {
std::string Read_File(const std::string& path) {
    std::ifstream file(path);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

void Crash_With_Report() {
    static const char last_errors[] = "1700000000 ERROR: the last thing that went wrong\n";
    Install_Crash_Handler(
        {"crash_log.txt", "crash-report", "UserStream: Football Korva 23 2002 \"    \" CD", last_errors});
    std::raise(SIGSEGV);
}
} // namespace

TEST(CrashHandler, FatalSignalWritesTheReportIntoTheLogAndEndsTheProcess) {
    std::remove("crash_log.txt");
    EXPECT_EXIT(Crash_With_Report(), testing::KilledBySignal(SIGSEGV), "");
    const std::string log = Read_File("crash_log.txt");
    EXPECT_NE(log.find("Crash detected!  Attempting to write emergency debug file."), std::string::npos)
        << log;
    EXPECT_NE(log.find("UserStream: Football Korva 23 2002 \"    \" CD ["), std::string::npos);
    EXPECT_NE(log.find("Signal: 11 (segmentation fault)"), std::string::npos);
    EXPECT_NE(log.find("Backtrace:\n"), std::string::npos);
    EXPECT_NE(log.find("the last thing that went wrong"), std::string::npos) << "the last error lines";
    const size_t wrote = log.find("ERROR: Wrote dump file \"crash-report-");
    ASSERT_NE(wrote, std::string::npos);
    const std::string file = log.substr(wrote + 24, log.find('"', wrote + 24) - wrote - 24);
    EXPECT_NE(Read_File(file).find("End of crash report."), std::string::npos) << file;
    std::remove(file.c_str());
}

TEST(Registry, KeysAndValuesKeepTheirTypesAcrossWrites) {
    Set_Registry_File_Path("registry_test/values.ini");
    std::filesystem::remove_all("registry_test");
    const char* key = "SOFTWARE\\SportsKorva\\FootballKorva\\2019";
    bool created = false;
    ASSERT_TRUE(Open_Registry_Key(key, &created));
    EXPECT_TRUE(created) << "a new file and key";
    ASSERT_TRUE(Open_Registry_Key(key, &created));
    EXPECT_FALSE(created) << "opened the second time";
    EXPECT_TRUE(Set_Registry_Text(key, "LastDir", "/games/korva\nsecond line"));
    EXPECT_TRUE(Set_Registry_Number(key, "LastVer", 2002));
    EXPECT_TRUE(Set_Registry_Number(key, "LastVer", 2003)) << "rewritten in place";
    std::string text;
    uint32_t number = 0;
    EXPECT_TRUE(Get_Registry_Text(key, "LastDir", &text));
    EXPECT_EQ(text, "/games/korva\nsecond line");
    EXPECT_TRUE(Get_Registry_Number(key, "LastVer", &number));
    EXPECT_EQ(number, 2003u);
    EXPECT_FALSE(Get_Registry_Number(key, "LastDir", &number)) << "a text is no number";
    EXPECT_FALSE(Set_Registry_Text("bad]key", "name", "x"));
    const std::string file = Read_File("registry_test/values.ini");
    EXPECT_EQ(file, "[SOFTWARE\\SportsKorva\\FootballKorva\\2019]\nLastDir=text:/games/korva\\nsecond line\n"
                    "LastVer=number:2003\n");
    std::filesystem::remove_all("registry_test");
    Set_Registry_File_Path("");
}

TEST(Registry, AFileEditedElsewhereReadsTheSameAfterEveryRewrite) {
    Set_Registry_File_Path("registry_edited.ini");
    const char* key = "SOFTWARE\\SportsKorva\\FootballKorva\\2019";
    std::ofstream("registry_edited.ini", std::ios::binary)
        << "[SOFTWARE\\SportsKorva\\FootballKorva\\2019]\r\nLastDir=text:/games\r\r\r\nInitVer=number:7\r\n";
    std::string text;
    EXPECT_TRUE(Get_Registry_Text(key, "LastDir", &text));
    EXPECT_EQ(text, "/games") << "the line ends all go";
    EXPECT_TRUE(Set_Registry_Number(key, "LastVer", 1));
    const std::string rewritten = Read_File("registry_edited.ini");
    EXPECT_TRUE(Set_Registry_Number(key, "LastVer", 1));
    EXPECT_EQ(Read_File("registry_edited.ini"), rewritten) << "a rewrite of the same value changes nothing";
    EXPECT_TRUE(Get_Registry_Text(key, "LastDir", &text));
    EXPECT_EQ(text, "/games");
    std::remove("registry_edited.ini");
    Set_Registry_File_Path("");
}

// A file larger than the game ever writes is refused unread and left as it
// is, and a value that would make a line too long is not stored.
TEST(Registry, FilesAndValuesPastTheBoundsAreRefusedWithTheirReason) {
    Set_Registry_File_Path("registry_large.ini");
    const char* key = "SOFTWARE\\SportsKorva\\FootballKorva\\2019";
    std::string long_line = "[";
    long_line.append(key).append("]\nLastDir=text:").append(100000, 'x').append("\n");
    std::ofstream("registry_large.ini", std::ios::binary) << long_line;
    bool created = true;
    EXPECT_FALSE(Open_Registry_Key(key, &created));
    EXPECT_EQ(Get_Registry_Failure(),
              "\"registry_large.ini\" has a line of 100013 bytes, more than the 16384 a line may hold.");
    std::string text;
    EXPECT_FALSE(Get_Registry_Text(key, "LastDir", &text));
    EXPECT_FALSE(Set_Registry_Number(key, "LastVer", 3));
    EXPECT_EQ(Read_File("registry_large.ini"), long_line) << "the file is left as it was";

    // Three gigabytes without a line end, of which the disk holds nothing.
    std::filesystem::resize_file("registry_large.ini", 3LL << 30);
    EXPECT_FALSE(Open_Registry_Key(key, &created));
    EXPECT_EQ(Get_Registry_Failure(),
              "\"registry_large.ini\" holds more than 1048576 bytes, which the game never writes.");
    EXPECT_EQ(std::filesystem::file_size("registry_large.ini"), 3ULL << 30);
    std::remove("registry_large.ini");

    ASSERT_TRUE(Open_Registry_Key(key, &created));
    EXPECT_TRUE(Get_Registry_Failure().empty());
    EXPECT_TRUE(Set_Registry_Text(key, "LastDir", std::string(8000, '\\').c_str())) << "a folder, escaped";
    const std::string kept = Read_File("registry_large.ini");
    EXPECT_FALSE(Set_Registry_Text(key, "LastDir", std::string(20000, 'y').c_str()));
    EXPECT_NE(Get_Registry_Failure().find("the value of \"LastDir\" is not stored"), std::string::npos);
    EXPECT_EQ(Read_File("registry_large.ini"), kept);
    EXPECT_TRUE(Get_Registry_Text(key, "LastDir", &text));
    EXPECT_EQ(text, std::string(8000, '\\'));
    std::remove("registry_large.ini");
    Set_Registry_File_Path("");
}

TEST(Desktop, FileSearchMatchesWildcardsAndCopiesWithoutOverwriting) {
    std::filesystem::create_directories("search_test/sub.kor");
    std::ofstream("search_test/One.KOR") << "one";
    std::ofstream("search_test/two.kor") << "two";
    std::ofstream("search_test/notes.txt") << "x";
    EXPECT_EQ(Find_Files("search_test", "*.kor"), (std::vector<std::string>{"One.KOR", "two.kor"}))
        << "case ignored, folders left out";
    EXPECT_TRUE(Find_Files("no_such_folder", "*").empty());
    EXPECT_TRUE(Copy_File_Without_Overwrite("search_test/One.KOR", "search_test/copy.kor"));
    EXPECT_FALSE(Copy_File_Without_Overwrite("search_test/two.kor", "search_test/copy.kor"));
    EXPECT_EQ(Read_File("search_test/copy.kor"), "one");
    std::filesystem::remove_all("search_test");

    Clear_Desktop_Requests();
    EXPECT_GT(Shell_Open_Target("https://footballkorva.example/", nullptr), 32);
    EXPECT_EQ(Play_Sound_File("sound/button.wav"), 1);
    Show_Cursor_Shape(Load_Cursor_Resource(130));
    EXPECT_EQ(Load_Cursor_Resource(129), -1);
    ASSERT_EQ(Get_Shell_Requests().size(), 1u) << "the null backend records the requests";
    EXPECT_EQ(Get_Shell_Requests()[0].Target, "https://footballkorva.example/");
    EXPECT_EQ(Get_Played_Sounds(), (std::vector<std::string>{"sound/button.wav"}));
    EXPECT_EQ(Get_Cursor_Requests(), (std::vector<int32_t>{CURSOR_HAND}));
}

namespace {
// A stand-in "xdg-open" on the search path for the length of a test: it notes
// its folder and target, and exits with OPENER_EXIT.
class STAND_IN_OPENER {
  public:
    STAND_IN_OPENER() : Kept_Path(std::getenv("PATH") != nullptr ? std::getenv("PATH") : "") {
        Folder = std::filesystem::absolute("opener_bin").string();
        std::filesystem::create_directories(Folder);
        const std::string script = Folder + "/xdg-open";
        std::ofstream(script) << "#!/bin/sh\necho \"$PWD|$1\" > \"" << Folder
                              << "/opened.txt\"\nexit \"${OPENER_EXIT:-0}\"\n";
        std::filesystem::permissions(script, std::filesystem::perms::owner_all);
        setenv("PATH", Folder.c_str(), 1);
    }
    ~STAND_IN_OPENER() {
        setenv("PATH", Kept_Path.c_str(), 1);
        unsetenv("OPENER_EXIT");
        std::filesystem::remove_all(Folder);
    }
    std::string Opened() {
        const std::string seen = Read_File(Folder + "/opened.txt");
        std::filesystem::remove(Folder + "/opened.txt");
        return seen;
    }
    std::string Folder;

  private:
    std::string Kept_Path;
};
} // namespace

TEST(Desktop, OpenerReportsAMissingOrFailingXdgOpenAsAFailure) {
    STAND_IN_OPENER opener;
    const std::string here = std::filesystem::current_path().string();
    EXPECT_EQ(Start_Desktop_Opener("Help/contents.htm", here.c_str()), SHELL_OPEN_DONE);
    EXPECT_EQ(opener.Opened(), here + "|Help/contents.htm\n") << "run in the working folder";

    setenv("OPENER_EXIT", "3", 1); // nothing on the desktop to open it with
    errno = 0;
    EXPECT_EQ(Start_Desktop_Opener("Output/Box-20-001.htm", nullptr), SHELL_OPEN_FAILED);
    EXPECT_EQ(errno, ENOPKG) << "the desktop lacks a program, the page is not to blame";
    opener.Opened();
    setenv("OPENER_EXIT", "2", 1);
    EXPECT_EQ(Start_Desktop_Opener("Output/Box-20-001.htm", nullptr), SHELL_OPEN_FAILED);
    EXPECT_EQ(errno, ENOENT) << "the opener found no such file";
    EXPECT_EQ(opener.Opened(), here + "|Output/Box-20-001.htm\n");
    setenv("OPENER_EXIT", "4", 1);
    EXPECT_EQ(Start_Desktop_Opener("Output/Box-20-001.htm", nullptr), SHELL_OPEN_FAILED);
    EXPECT_EQ(errno, ENOTSUP);
    opener.Opened();

    unsetenv("OPENER_EXIT");
    errno = 0;
    EXPECT_EQ(Start_Desktop_Opener("Help/contents.htm", "no_such_folder"), SHELL_OPEN_FAILED);
    EXPECT_EQ(errno, ENOENT) << "no such working folder";
    EXPECT_EQ(opener.Opened(), "") << "not run without its working folder";
    std::filesystem::remove(opener.Folder + "/xdg-open");
    errno = 0;
    EXPECT_EQ(Start_Desktop_Opener("Help/contents.htm", nullptr), SHELL_OPEN_FAILED) << "no xdg-open at all";
    EXPECT_EQ(errno, ENOPKG) << "a missing opener is no missing page";
}
