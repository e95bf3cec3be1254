#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/file_search.h"
#include "platform/text_encoding.h"

namespace {
void Touch(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr) << path;
    std::fclose(file);
}
} // namespace

// Every byte of the game's text is one letter of UTF-8 and comes back as
// itself, so no name the game makes is lost on its way to disk and back.
TEST(TextEncoding, EveryByteOfTheGamesTextComesBackFromUTF8) {
    std::string all;
    for (int byte = 1; byte < 256; ++byte)
        all += static_cast<char>(byte);
    const std::string utf8 = UTF8_From_Windows_1252(all);
    bool whole = false;
    EXPECT_EQ(Windows_1252_From_UTF8(utf8.c_str(), &whole), all);
    EXPECT_TRUE(whole);
    EXPECT_EQ(UTF8_From_Windows_1252("\x80\x8A\x9F\xFC"), "\xE2\x82\xAC\xC5\xA0\xC5\xB8\xC3\xBC");
    EXPECT_EQ(UTF8_From_Windows_1252("plain.kor"), "plain.kor") << "ASCII keeps its bytes";
}

// Desktop text takes every letter of the code page; a letter it lacks, a
// control letter of U+0080-U+009F and a malformed byte are dropped.
TEST(TextEncoding, DesktopTextKeepsTheCodePagesLettersAndDropsTheRest) {
    bool whole = true;
    EXPECT_EQ(Windows_1252_From_UTF8("a\xE6\x97\xA5z", &whole), "az");
    EXPECT_FALSE(whole);
    EXPECT_EQ(Windows_1252_From_UTF8("\xC3", &whole), "") << "a cut letter";
    EXPECT_FALSE(whole);
    EXPECT_EQ(Windows_1252_From_UTF8("\xC0\xAF", &whole), "") << "an overlong slash is no letter";
    EXPECT_EQ(Windows_1252_From_Desktop_Text("\xE2\x82\xAC 5\xC2\x81\xF0\x9F\x8F\x88\r\n\xC5\x93"),
              "\x80 5\r\n\x9C");
}

// Names read from disk: a UTF-8 component the game can show is converted; one
// written in Windows-1252 bytes (invalid UTF-8) or holding a letter the game
// lacks keeps its bytes. Each component is judged by itself.
TEST(TextEncoding, NamesFromDiskBecomeTheGamesTextComponentByComponent) {
    EXPECT_EQ(Text_From_File_Name("J\xC3\xBCrgen.kor"), "J\xFCrgen.kor");
    EXPECT_EQ(Text_From_File_Name("J\xFCrgen.kor"), "J\xFCrgen.kor");
    EXPECT_EQ(Text_From_File_Name("/home/\xE6\x97\xA5/Z\xC3\xBCrich/x"), "/home/\xE6\x97\xA5/Z\xFCrich/x");
    EXPECT_EQ(Text_From_File_Name(""), "");
}

// A folder's files are listed as the game's text, a name spelled in both
// encodings once.
TEST(TextEncoding, FoundFilesAreListedAsTheGamesText) {
    const std::filesystem::path folder = std::filesystem::absolute("found-names");
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "Folder.kor");
    for (const char* name :
         {"J\xC3\xBCrgen.kor", "J\xFCrgen.kor", "Ren\xE9.KOR", "\xE6\x97\xA5.kor", "x.txt"})
        Touch((folder / name).string());
    EXPECT_EQ(Find_Files(folder.string(), "*.kor"),
              (std::vector<std::string>{"J\xFCrgen.kor", "Ren\xE9.KOR", "\xE6\x97\xA5.kor"}));
    std::filesystem::remove_all(folder);
}
