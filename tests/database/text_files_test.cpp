#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>

#include "database/path_resolver.h"
#include "database/text_files.h"
#include "platform/message_box.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace {
namespace fs = std::filesystem;

// A stream over `content`, read back from a temporary file as the game reads files.
FILE* Open_Text(const std::string& content) {
    FILE* file = tmpfile();
    fwrite(content.data(), 1, content.size(), file);
    rewind(file);
    return file;
}

void Write_File(const fs::path& path, const std::string& content) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

std::string Read_File(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// One line of as many characters as a read passes over (a mebibyte), so that
// its line end lies just past what a read takes, and a line after it.
std::string Line_Past_The_Read_Bound() {
    return std::string(size_t{1} << 20, 'z') + "\nnext\n";
}

int Count_Long_Line_Warnings() {
    int count = 0;
    for (const SHOWN_MESSAGE& message : Get_Shown_Messages())
        if (message.Caption == "Read_Line_Limit") ++count;
    return count;
}
} // namespace

TEST(TextFiles, ReadLineLimitCutsLongLinesAndWarnsOncePerRun) {
    // Every long-line case lives in this one test: the warning is once per process.
    FILE* file = Open_Text("abcd\nabcde\nabcdefgh\r\nxy");
    char buffer[5];
    int warnings = Count_Long_Line_Warnings();
    EXPECT_EQ(Read_Line_Limit("teams.csv", buffer, file, 5), 0);
    EXPECT_STREQ(buffer, "abcd");
    EXPECT_EQ(Count_Long_Line_Warnings(), warnings) << "a line of limit - 1 characters fits";

    EXPECT_EQ(Read_Line_Limit("teams.csv", buffer, file, 5), 0);
    EXPECT_STREQ(buffer, "abcd");
    ASSERT_EQ(Count_Long_Line_Warnings(), warnings + 1);
    EXPECT_EQ(Get_Shown_Messages().back().Text,
              "Line too long in teams.csv.\n\nLimit = 5 characters.\n\nExtra character(s) ignored.");

    EXPECT_EQ(Read_Line_Limit("teams.csv", buffer, file, 5), 0);
    EXPECT_STREQ(buffer, "abcd");
    EXPECT_EQ(Count_Long_Line_Warnings(), warnings + 1) << "the second long line is not reported";

    EXPECT_EQ(Read_Line_Limit("teams.csv", buffer, file, 5), 1) << "a last line without a line end";
    EXPECT_STREQ(buffer, "xy");
    EXPECT_EQ(Read_Line_Limit("teams.csv", buffer, file, 5), 1);
    EXPECT_STREQ(buffer, "");
    fclose(file);

    // A line that runs past the mebibyte a read passes over ends the read
    // there, as the end of the file does: the line after it is not reached.
    FILE* past_the_bound = Open_Text(Line_Past_The_Read_Bound());
    EXPECT_EQ(Read_Line_Limit("DraftTalent.txt", buffer, past_the_bound, 5), 1);
    fclose(past_the_bound);
    ASSERT_FALSE(HasFailure()) << "a line that never ends would not end the read either";
    // So a line that never ends stops the read.
    FILE* endless = fopen("/dev/zero", "r");
    ASSERT_NE(endless, nullptr);
    EXPECT_EQ(Read_Line_Limit("DraftTalent.txt", buffer, endless, 5), 1);
    fclose(endless);
}

TEST(TextFiles, ReadLineLimitTakesCrlfLinesWithoutTheCarriageReturn) {
    FILE* file = Open_Text("abcd\r\n\r\nfirst,second\r\nlast\r");
    char buffer[64];
    int warnings = Count_Long_Line_Warnings();
    EXPECT_EQ(Read_Line_Limit("x", buffer, file, 5), 0);
    EXPECT_STREQ(buffer, "abcd");
    EXPECT_EQ(Count_Long_Line_Warnings(), warnings) << "the \"\\r\" does not count toward the limit";
    EXPECT_EQ(Read_Line_Limit("x", buffer, file, 64), 0);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(Read_Line_Limit("x", buffer, file, 64), 0);
    EXPECT_STREQ(buffer, "first,second");
    EXPECT_EQ(Read_Line_Limit("x", buffer, file, 64), 1);
    EXPECT_STREQ(buffer, "last");
    fclose(file);

    FILE* inner = Open_Text("a\rb\n");
    EXPECT_EQ(Read_Line_Limit("x", buffer, inner, 64), 0);
    EXPECT_STREQ(buffer, "a\rb") << "a carriage return inside a line is kept";
    fclose(inner);

    FILE* empty = Open_Text("");
    std::strcpy(buffer, "old");
    EXPECT_EQ(Read_Line_Limit("x", buffer, empty, 64), 1);
    EXPECT_STREQ(buffer, "");
    fclose(empty);
    std::strcpy(buffer, "old");
    EXPECT_EQ(Read_Line_Limit("x", buffer, nullptr, 64), 1) << "a null stream is the end of the file";
    EXPECT_STREQ(buffer, "");
}

TEST(TextFiles, ReadLineKeepsTheBufferOnceTheFileIsExhausted) {
    FILE* file = Open_Text("x\r\nAustin,1,2");
    char buffer[64] = "previous line, with more fields";
    EXPECT_EQ(Read_Line(buffer, file), 0);
    EXPECT_STREQ(buffer, "x");
    EXPECT_EQ(Read_Line(buffer, file), 1);
    EXPECT_STREQ(buffer, "Austin,1,2") << "a last line without a line end ends where the file ends";
    std::strcpy(buffer, "kept");
    EXPECT_EQ(Read_Line(buffer, file), 1);
    EXPECT_STREQ(buffer, "kept") << "a read past the end adds nothing";
    fclose(file);
    EXPECT_EQ(Read_Line(buffer, nullptr), 1);

    FILE* long_line = Open_Text(std::string(3000, 'z') + "\nnext\n");
    EXPECT_EQ(Read_Line(buffer, long_line, sizeof buffer), 0);
    EXPECT_EQ(std::string(buffer), std::string(63, 'z')) << "the line is cut to the buffer";
    EXPECT_EQ(Read_Line(buffer, long_line, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "next") << "and the rest of the long line is dropped";
    fclose(long_line);
}

// A line that runs on past a mebibyte (a link to /dev/zero, one huge line)
// ends every reader's read there, as the end of the file would.
TEST(TextFiles, LineReadersStopOnALineThatNeverEnds) {
    // Just past the bound, with a line after it: each reader ends there.
    char line[64];
    int counted = -1;
    FILE* past = Open_Text(Line_Past_The_Read_Bound());
    EXPECT_EQ(Read_Counted_Line(line, past, sizeof line, &counted), 1) << "Read_Counted_Line";
    fclose(past);
    past = Open_Text(Line_Past_The_Read_Bound());
    EXPECT_EQ(Read_Line(line, past, sizeof line), 1) << "Read_Line";
    fclose(past);
    past = Open_Text(Line_Past_The_Read_Bound());
    EXPECT_EQ(Skip_Line(past), 1) << "Skip_Line";
    fclose(past);
    past = Open_Text(Line_Past_The_Read_Bound());
    char seen = 0;
    EXPECT_EQ(Skip_Line_Into(past, &seen), 1) << "Skip_Line_Into";
    fclose(past);
    ASSERT_FALSE(HasFailure()) << "a line that never ends would not end the reads either";

    FILE* endless = fopen("/dev/zero", "r");
    ASSERT_NE(endless, nullptr);
    char buffer[64];
    int length = -1;
    EXPECT_EQ(Read_Counted_Line(buffer, endless, sizeof buffer, &length), 1);
    EXPECT_EQ(length, 63) << "the line's zero bytes are counted";
    EXPECT_EQ(Read_Line(buffer, endless, sizeof buffer), 1);
    EXPECT_EQ(Skip_Line(endless), 1);
    char last = 'x';
    EXPECT_EQ(Skip_Line_Into(endless, &last), 1);
    EXPECT_EQ(last, '\0');
    fclose(endless);

    const long huge = 3L << 20;
    FILE* one_line = Open_Text(std::string(static_cast<size_t>(huge), 'z'));
    EXPECT_EQ(Read_Line(buffer, one_line, sizeof buffer), 1);
    EXPECT_EQ(std::string(buffer), std::string(63, 'z'));
    EXPECT_LT(ftell(one_line), huge) << "the file is not read whole";
    fclose(one_line);
}

TEST(TextFiles, UnnamedReaderSkipperWithItsLastCharacterAndTheOpenTest) {
    FILE* file = Open_Text(std::string(2047, 'a') + "\nxy\nz");
    char buffer[UNNAMED_LINE_LIMIT];
    const int warnings = Count_Long_Line_Warnings();
    EXPECT_EQ(Read_Line_Limit_Unnamed(buffer, file), 0);
    EXPECT_EQ(std::string(buffer), std::string(2047, 'a')) << "2,047 characters fit";
    EXPECT_EQ(Count_Long_Line_Warnings(), warnings);
    char last = 0;
    EXPECT_EQ(Skip_Line_Into(file, &last), 0);
    EXPECT_EQ(last, '\n') << "the line end is the last character read";
    EXPECT_EQ(Skip_Line_Into(file, &last), 1);
    EXPECT_EQ(last, 'z');
    EXPECT_EQ(Skip_Line_Into(nullptr, &last), 0) << "a null stream gives 0";
    fclose(file);

    Write_File("Input/Readable.txt", "x");
    EXPECT_EQ(Can_Open_File_For_Reading("input\\readable.TXT"), 1) << "opened through the resolver";
    EXPECT_EQ(Can_Open_File_For_Reading("Input/Missing.txt"), 0);
    EXPECT_EQ(Can_Open_File_For_Reading(""), 0);
}

TEST(TextFiles, SkipLineAndCounters) {
    FILE* file = Open_Text("one\ntwo\nthree");
    EXPECT_EQ(Skip_Line(file), 0);
    char buffer[16];
    Read_Line(buffer, file);
    EXPECT_STREQ(buffer, "two");
    EXPECT_EQ(Skip_Line(file), 1);
    EXPECT_EQ(Skip_Line(nullptr), 1);
    EXPECT_EQ(Count_File_Characters(file), 13);
    Read_Line(buffer, file);
    EXPECT_STREQ(buffer, "one") << "the stream is left rewound";
    fclose(file);

    Write_File("lines/two.txt", "a\nb");
    Write_File("lines/three.txt", "a\nb\n");
    Write_File("lines/empty.txt", "");
    EXPECT_EQ(Count_File_Lines("lines/two.txt"), 2);
    EXPECT_EQ(Count_File_Lines("lines/three.txt"), 3);
    EXPECT_EQ(Count_File_Lines("LINES\\Empty.TXT"), 1) << "opened through the resolver";

    Clear_Shown_Messages();
    EXPECT_EQ(Count_File_Lines("lines/missing.txt"), 0);
    ASSERT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "File Error");
    EXPECT_EQ(Get_Shown_Messages()[0].Text.rfind("Couldn't open file: \"lines/missing.txt\"", 0), 0u);
}

// The lines ahead are counted a block at a time; the count is the one
// skipping line by line gives, from wherever the stream stands, for files
// with and without a last line end, carriage returns and lines longer than a
// block.
TEST(TextFiles, RemainingLinesCountAsSkippingThemDoes) {
    const std::string contents[] = {"", "one", "one\n", "one\r\ntwo\r\n\n",
                                    std::string(70000, 'x') + "\n" + std::string(70000, '\n') + "end"};
    for (const std::string& content : contents)
        for (size_t start : {size_t{0}, content.size() / 2}) {
            FILE* file = Open_Text(content);
            fseek(file, static_cast<long>(start), SEEK_SET);
            int skipped = 0;
            do {
                ++skipped;
            } while (Skip_Line(file) == 0);
            fseek(file, static_cast<long>(start), SEEK_SET);
            EXPECT_EQ(Count_Remaining_Lines(file), skipped) << content.size() << " bytes from " << start;
            EXPECT_EQ(fgetc(file), EOF) << "the stream is left at its end";
            fclose(file);
        }
    EXPECT_EQ(Count_Remaining_Lines(nullptr), 0);
}

TEST(TextFiles, AppendersWriteOneLinePerCall) {
    fs::create_directories("Output");
    fs::remove("Output/log.txt");
    EXPECT_EQ(Append_Line_To_File("output\\log.txt", "first"), 1);
    EXPECT_EQ(Append_Formatted_Line_To_File("OUTPUT/log.txt", "%s %d", "second", 2), 1);
    EXPECT_EQ(Read_File("Output/log.txt"), "first\nsecond 2\n");

    EXPECT_EQ(Append_Line_To_File("", "text"), 0);
    EXPECT_EQ(Append_Line_To_File("Output/log.txt", nullptr), 0);
    EXPECT_EQ(Append_Line_To_File("no/such/folder/log.txt", "text"), 0);
    EXPECT_EQ(Append_Formatted_Line_To_File("no/such/folder/log.txt", "%d", 1), 0);
    EXPECT_EQ(Read_File("Output/log.txt"), "first\nsecond 2\n");
}

TEST(TextFiles, ErrorNumberTexts) {
    EXPECT_STREQ(Get_Error_Number_Text(0), "NULL ERRNO");
    EXPECT_STREQ(Get_Error_Number_Text(2), "No such file or directory");
    EXPECT_STREQ(Get_Error_Number_Text(36), "Resource deadlock would occur");
    EXPECT_STREQ(Get_Error_Number_Text(43), "String was truncated");
    EXPECT_STREQ(Get_Error_Number_Text(44), "Unknown error (ErrNo Too Large)");
    EXPECT_STREQ(Get_Error_Number_Text(80), "String was truncated");
    EXPECT_STREQ(Get_Error_Number_Text(81), "Unknown error (ErrNo Too Large)");
    EXPECT_STREQ(Get_Error_Number_Text(-3), "Unknown error (ErrNo Too Large)");
    errno = EACCES;
    EXPECT_STREQ(Get_Errno_Text(), "Permission denied");
}

TEST(TextFiles, CurrentErrorIsNamedByMeaningNotByThisRuntimesNumber) {
    errno = ENAMETOOLONG;
    EXPECT_STREQ(Get_Errno_Text(), "Filename too long");
    errno = ENOTEMPTY;
    EXPECT_STREQ(Get_Errno_Text(), "Directory not empty");
    errno = EILSEQ;
    EXPECT_STREQ(Get_Errno_Text(), "Illegal byte sequence");
    errno = EDEADLK;
    EXPECT_STREQ(Get_Errno_Text(), "Resource deadlock would occur");
    errno = ENOENT;
    EXPECT_STREQ(Get_Errno_Text(), "No such file or directory");
    errno = ECONNREFUSED;
    EXPECT_STREQ(Get_Errno_Text(), "Unknown error (ErrNo Too Large)") << "no entry in the table";
    errno = 0;
    EXPECT_STREQ(Get_Errno_Text(), "NULL ERRNO");
}

TEST(PathResolver, MatchesExistingComponentsIgnoringCase) {
    Write_File("Tree/Databases/Universe-2019.dat", "u");
    Write_File("Tree/Output/Box-01-001.htm", "b");
    fs::create_directories("Tree/Dialogs/faces");

    EXPECT_EQ(Resolve_File_Path("Tree/Databases/Universe-2019.dat"), "Tree/Databases/Universe-2019.dat");
    EXPECT_EQ(Resolve_File_Path("tree\\databases\\UNIVERSE-2019.DAT"), "Tree/Databases/Universe-2019.dat");
    EXPECT_EQ(Resolve_File_Path("TREE/output\\box-01-001.htm"), "Tree/Output/Box-01-001.htm");
    EXPECT_EQ(Resolve_File_Path("tree/dialogs/FACES"), "Tree/Dialogs/faces") << "folders resolve too";
    EXPECT_EQ(Resolve_File_Path("tree/dialogs/faces/"), "Tree/Dialogs/faces/") << "a final separator stays";
    EXPECT_EQ(Resolve_File_Path("./tree//output/../Databases"), "./Tree/Output/../Databases");

    EXPECT_EQ(Resolve_File_Path("tree/Output/Recap-01-001.htm"), "Tree/Output/Recap-01-001.htm")
        << "a new file keeps its spelling in an existing folder";
    EXPECT_EQ(Resolve_File_Path("tree/NewFolder/sub/File.txt"), "Tree/NewFolder/sub/File.txt");
    EXPECT_EQ(Resolve_File_Path(""), "");
    EXPECT_EQ(Resolve_File_Path(nullptr), "");

    std::string absolute = fs::absolute("Tree").string();
    std::string upper = absolute.substr(0, absolute.size() - 4) + "TREE\\DATABASES/universe-2019.dat";
    EXPECT_EQ(Resolve_File_Path(upper.c_str()), absolute + "/Databases/Universe-2019.dat");

    FILE* file = Open_Resolved_File("TREE\\Databases\\universe-2019.DAT", "rb");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(fgetc(file), 'u');
    fclose(file);
}

// The game's text is Windows-1252 and names on disk are UTF-8: a new name
// is spelled in UTF-8; an existing one is found in UTF-8 first, then in the
// bytes an older game wrote, each ignoring case; ASCII keeps its bytes.
TEST(PathResolver, GameTextIsSpelledInUTF8AndOlderBytesAreStillFound) {
    fs::remove_all("Letters");
    fs::create_directories("Letters");
    EXPECT_EQ(Resolve_File_Path("letters/J\xFCrgen.kor"), "Letters/J\xC3\xBCrgen.kor");
    EXPECT_EQ(Resolve_File_Path("letters/Z\xFCrich/\x80.txt"), "Letters/Z\xC3\xBCrich/\xE2\x82\xAC.txt");
    FILE* made = Open_Resolved_File("Letters/J\xFCrgen.kor", "wb");
    ASSERT_NE(made, nullptr);
    fclose(made);
    EXPECT_TRUE(fs::exists("Letters/J\xC3\xBCrgen.kor"));
    EXPECT_FALSE(fs::exists("Letters/J\xFCrgen.kor"));

    Write_File("Letters/Ren\xE9.KOR", "old");
    EXPECT_EQ(Resolve_File_Path("letters/Ren\xE9.KOR"), "Letters/Ren\xE9.KOR") << "an older game's bytes";
    EXPECT_EQ(Resolve_File_Path("LETTERS/REN\xE9.kor"), "Letters/Ren\xE9.KOR") << "ignoring case too";
    Write_File("Letters/Ren\xC3\xA9.kor", "new");
    EXPECT_EQ(Resolve_File_Path("letters/Ren\xE9.kor"), "Letters/Ren\xC3\xA9.kor") << "UTF-8 goes first";
    fs::remove_all("Letters");
}

// Marks a folder as last changed well in the past, so that its listing is kept.
void Settle_Folder(const char* folder) {
    timespec times[2];
    clock_gettime(CLOCK_REALTIME, &times[0]);
    times[0].tv_sec -= 60;
    times[1] = times[0];
    ASSERT_EQ(utimensat(AT_FDCWD, folder, times, 0), 0);
}

// A folder's listing is kept between lookups, and every change to the settled
// folder shows in the next lookup: one made from outside, a file the resolver
// was told it made, and a write to another file after an outside change. (A
// folder changed in the moments before its listing is listed again soon
// after; the test settles it so that each change is a change of its own.)
TEST(PathResolver, KeptFolderListingFollowsTheFolder) {
    fs::remove_all("Kept");
    Write_File("Kept/Box-01-001.htm", "b");
    Settle_Folder("Kept");
    EXPECT_EQ(Resolve_File_Path("kept/BOX-01-001.HTM"), "Kept/Box-01-001.htm");

    Write_File("Kept/Late.htm", "l");
    EXPECT_EQ(Resolve_File_Path("kept/LATE.htm"), "Kept/Late.htm") << "made from outside";
    Settle_Folder("Kept");
    EXPECT_EQ(Resolve_File_Path("kept/BOX-01-001.HTM"), "Kept/Box-01-001.htm");
    fs::remove("Kept/Box-01-001.htm");
    EXPECT_EQ(Resolve_File_Path("kept/BOX-01-001.HTM"), "Kept/BOX-01-001.HTM") << "removed from outside";

    Settle_Folder("Kept");
    EXPECT_EQ(Resolve_File_Path("kept/Recap-01-001.htm"), "Kept/Recap-01-001.htm");
    FILE* made = Open_Resolved_File("kept/Recap-01-001.htm", "wb");
    ASSERT_NE(made, nullptr);
    fclose(made);
    EXPECT_EQ(Resolve_File_Path("kept/RECAP-01-001.HTM"), "Kept/Recap-01-001.htm") << "noted as made";

    Settle_Folder("Kept");
    EXPECT_EQ(Resolve_File_Path("kept/late.htm"), "Kept/Late.htm");
    Write_File("Kept/Outside.htm", "o");
    FILE* rewritten = Open_Resolved_File("kept/Late.htm", "wb");
    ASSERT_NE(rewritten, nullptr);
    fclose(rewritten);
    EXPECT_EQ(Resolve_File_Path("kept/OUTSIDE.HTM"), "Kept/Outside.htm")
        << "a write after an outside change does not take the change as its own";
}

TEST(PathResolver, PrefersTheExactSpelling) {
    Write_File("Mixed/readme.txt", "lower");
    Write_File("Mixed/README.txt", "upper");
    Write_File("Mixed/ReadMe.txt", "camel");
    EXPECT_EQ(Resolve_File_Path("mixed/ReadMe.txt"), "Mixed/ReadMe.txt");
    EXPECT_EQ(Resolve_File_Path("mixed/readme.txt"), "Mixed/readme.txt");
    EXPECT_EQ(Resolve_File_Path("mixed/Readme.TXT"), "Mixed/README.txt")
        << "without an exact match the first match in byte order is taken";
}
