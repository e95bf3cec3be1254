#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "database/universe.h"
#include "personnel/draft_input_files.h"
#include "platform/message_box.h"
#include "support/test_league.h"

// Draft files that never end (links to /dev/zero) are read only as far as a
// line may run: the loads finish, tell the user of the long line, and keep
// the tables they had. First files whose first line runs just past that (a
// mebibyte) with a whole table after it: the read ends at the bound, as at
// the end of the file, and the table after it is not taken.
TEST(DraftInputFiles, FilesThatNeverEndLoadAndKeepTheirTables) {
    Build_Test_League();
    Load_Draft_Talent();
    Load_Draft_Strategy();
    int16_t talent[3][15];
    int16_t strategy[15];
    std::memcpy(talent, Universe.Header.Draft_Talent, sizeof talent);
    std::memcpy(strategy, Universe.Header.Draft_Strategy, sizeof strategy);
    std::filesystem::rename("Input", "Input.kept");
    std::filesystem::create_directory("Input");
    std::string past = std::string(size_t{1} << 20, 'z') + "\n";
    for (int position = 1; position < 15; ++position)
        past += "7,7,7\n";
    for (const char* name : {"Input/DraftTalent.txt", "Input/DraftStrategy.txt"})
        std::ofstream(name, std::ios::binary) << past;
    Clear_Shown_Messages();
    Load_Draft_Talent();
    Load_Draft_Strategy();
    EXPECT_EQ(std::memcmp(talent, Universe.Header.Draft_Talent, sizeof talent), 0);
    EXPECT_EQ(std::memcmp(strategy, Universe.Header.Draft_Strategy, sizeof strategy), 0);
    // The long line is told once a run.
    ASSERT_FALSE(Get_Shown_Messages().empty()) << "the long line is told";
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "Read_Line_Limit");
    EXPECT_EQ(
        Get_Shown_Messages()[0].Text,
        "Line too long in Draft Talent File.\n\nLimit = 2048 characters.\n\nExtra character(s) ignored.");
    const bool kept = !HasFailure();
    if (kept) {
        std::filesystem::remove_all("Input");
        std::filesystem::create_directory("Input");
        std::filesystem::create_symlink("/dev/zero", "Input/DraftTalent.txt");
        std::filesystem::create_symlink("/dev/zero", "Input/DraftStrategy.txt");
        Load_Draft_Talent();
        Load_Draft_Strategy();
        EXPECT_EQ(std::memcmp(talent, Universe.Header.Draft_Talent, sizeof talent), 0);
        EXPECT_EQ(std::memcmp(strategy, Universe.Header.Draft_Strategy, sizeof strategy), 0);
    }
    std::filesystem::remove_all("Input");
    std::filesystem::rename("Input.kept", "Input");
    ASSERT_TRUE(kept) << "a file that never ends would not end its load either";
}
