#pragma once
// The season databases the build installs, opened as the New Game dialog
// opens them from the game's own folder.
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/frame_fixture.h"

// Enters a folder of its own under the current folder, holding links to the
// installation's databases, names, playbooks and input files (player
// generation, the seasons' statistics); Unlink leaves and removes it.
void Link_Installed_Databases();
void Unlink_Installed_Databases();
// A test in such a folder, with no message left over from before.
class InstalledDatabasesTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override { Unlink_Installed_Databases(); }
};
// A clean frame in such a folder, with the installation's other folders
// (help, templates, art) linked as the game finds them beside its databases.
class InstalledFrameTest : public FrameTest {
  protected:
    void SetUp() override;
    void TearDown() override;
};
// Loads the year's database as New Game does, checks it is that year's
// league at its start, keeping the league's rules, and starts it as a game
// of its first franchise; what went wrong, one problem a line ("" when
// nothing did).
std::string Open_Installed_Season(int32_t year);
// The slot of the active franchise whose location (team string 1) is
// `location`; -1 when there is none.
int32_t Find_Team_By_Location(const std::string& location);
// The names ("first last") of the players of a draft class file's records
// that reach the college pool, in the file's order (none for a file that
// cannot be read).
std::vector<std::string> Draft_Class_File_Names(const std::string& path);
// A line of the installation's seasons file, as the build reads its columns.
struct SEASONS_FILE_LINE {
    int32_t Player_Id = 0;
    std::string Flag;
    int32_t Year = 0;
    std::string Team;
    int32_t Games = 0;
    // The whole line as the file holds it.
    std::string Text;
};
// Every line of "Input/Stats/Seasons.csv" of the installation after its header.
std::vector<SEASONS_FILE_LINE> Read_Installed_Seasons_Lines();
// Plays the loaded game on as the Play menu does, the user starting each
// college draft when asked, until the season of `year` has started; false
// when the calendar stops moving first.
bool Play_Installed_Game_Into(int32_t year);
// With the frame started and the start-up league loaded, opens New Game from
// the main window, chooses `year` in its season list and plays, as the user
// does.
void Choose_Installed_New_Game(int32_t year);
