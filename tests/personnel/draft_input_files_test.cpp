#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "database/universe.h"
#include "personnel/draft_input_files.h"
#include "platform/message_box.h"
#include "support/test_league.h"

// Draft files that never end (links to /dev/zero) are read only as far as a
// line may run: the loads finish, tell the user of the long line, and keep
// the tables they had.
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
    std::filesystem::create_symlink("/dev/zero", "Input/DraftTalent.txt");
    std::filesystem::create_symlink("/dev/zero", "Input/DraftStrategy.txt");
    Clear_Shown_Messages();
    Load_Draft_Talent();
    Load_Draft_Strategy();
    EXPECT_EQ(std::memcmp(talent, Universe.Header.Draft_Talent, sizeof talent), 0);
    EXPECT_EQ(std::memcmp(strategy, Universe.Header.Draft_Strategy, sizeof strategy), 0);
    ASSERT_FALSE(Get_Shown_Messages().empty()) << "the endless line is told";
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "Read_Line_Limit");
    EXPECT_EQ(
        Get_Shown_Messages()[0].Text,
        "Line too long in Draft Talent File.\n\nLimit = 2048 characters.\n\nExtra character(s) ignored.");
    std::filesystem::remove_all("Input");
    std::filesystem::rename("Input.kept", "Input");
}
