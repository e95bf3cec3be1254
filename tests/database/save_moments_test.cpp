// A game saved at any moment the user can save loads and saves back to the
// same bytes: the load's bounds hold every value the game itself writes (the
// fantasy draft's marks and flag, a prospect's college years among them).
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "database/player_record.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "personnel/college_draft_flow.h"
#include "personnel/draft_pool.h"
#include "personnel/draft_state.h"
#include "personnel/fantasy_draft.h"
#include "platform/message_box.h"
#include "platform/scripted_answers.h"
#include "season/season_calendar.h"
#include "season/week_advance.h"
#include "support/old_saved_games.h"
#include "support/played_season.h"
#include "support/scratch_folder.h"

namespace {
constexpr int32_t VITAL_FANTASY_TEAM = 26;
constexpr int32_t NOT_DRAFTED = -128;

int32_t Count_Undrafted() {
    int32_t undrafted = 0;
    For_Each_League_Player([&](int32_t team, int32_t slot) {
        undrafted += Get_Player_Vital_Stat(team, slot, VITAL_FANTASY_TEAM) == NOT_DRAFTED;
    });
    return undrafted;
}

// A game the user plays began with a load (of a league database or a saved
// game), which sets what every load sets.
void Begin_As_Loaded() {
    ASSERT_EQ(Save_Game("begun.kor", nullptr), SAVE_OK);
    ASSERT_EQ(Load_Game("begun.kor"), 1);
}

// Saves the league, loads the file and saves it again: the two files hold
// the same bytes. A failure names the first byte of the block the load
// changed.
void Expect_Saves_Back(const std::string& moment) {
    SCOPED_TRACE(moment);
    const std::string first = moment + ".kor", second = moment + " again.kor";
    ASSERT_EQ(Save_Game(first.c_str(), nullptr), SAVE_OK);
    const std::vector<uint8_t> saved(Universe_Bytes(), Universe_Bytes() + UNIVERSE_SIZE);
    ASSERT_EQ(Load_Game(first.c_str()), 1);
    ASSERT_EQ(Save_Game(second.c_str(), nullptr), SAVE_OK);
    size_t changed = 0;
    while (changed < UNIVERSE_SIZE && saved[changed] == Universe_Bytes()[changed])
        ++changed;
    EXPECT_TRUE(Read_Bytes_Of_File(first) == Read_Bytes_Of_File(second))
        << "the load changed the league, first at block offset " << changed;
}
} // namespace

TEST(SaveMoments, AGameSavedAtAnyMomentSavesBackToItsBytes) {
    const PLAYING_FOLDER playing("save-moments");
    std::filesystem::create_directories("Output");
    Clear_Scripted_Answers();
    Start_Played_Season(17);
    Begin_As_Loaded();
    // The coming class stands in the pool, as a new game leaves it (a load
    // makes it for a regular season without one).
    if (Count_Draft_Pool_Players() == 0) Create_College_Draft_Pool();
    Expect_Saves_Back("week 0");
    Advance_Weeks(8);
    Expect_Saves_Back("mid-season");
    Advance_Weeks(22);
    Advance_Weeks(1);
    ASSERT_GE(Get_User_Preference(CURRENT_WEEK), Universe.Season_Length);
    ASSERT_FALSE(Is_Champion_Decided());
    Expect_Saves_Back("the playoffs");
    Advance_Weeks(22);
    ASSERT_TRUE(Is_Champion_Decided());
    Expect_Saves_Back("the champion decided");
    Advance_Weeks(1);
    ASSERT_EQ(Get_User_Preference(CURRENT_WEEK), 100);
    Expect_Saves_Back("the off-season");

    // The user's team on the clock in the first round stops the college draft.
    const int32_t user = Universe.Draft_Order[12];
    Set_Team_Stat(user, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_User_Preference(USER_TEAM, user);
    Finish_Off_Season();
    ASSERT_LT(Get_User_Preference(DRAFT_ROUND), 7) << "the draft waits for the user's pick";
    Expect_Saves_Back("the college draft");

    // A fantasy draft in round 3, the user's team picking the first player
    // left whenever it is on the clock.
    Start_Played_Season(17);
    Begin_As_Loaded();
    Set_Team_Stat(user, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_User_Preference(USER_TEAM, user);
    Begin_Fantasy_Draft(FANTASY_ORDER_RANDOM, FANTASY_ORDER_SNAKE);
    for (int32_t steps = 0; steps < 1000 && Get_Fantasy_Draft_Round() < 2; ++steps) {
        if (Get_Fantasy_Draft_Team() != user) {
            Run_Fantasy_Draft();
            continue;
        }
        bool picked = false;
        For_Each_League_Player([&](int32_t team, int32_t slot) {
            if (picked || Get_Player_Vital_Stat(team, slot, VITAL_FANTASY_TEAM) != NOT_DRAFTED) return;
            Announce_Fantasy_Draft_Pick(team, slot, user);
            picked = true;
        });
    }
    ASSERT_EQ(Get_Fantasy_Draft_Round(), 2);
    ASSERT_EQ(Get_Fantasy_Draft_Flag(), FANTASY_DRAFT_RUNNING);
    const int32_t undrafted = Count_Undrafted();
    ASSERT_GT(undrafted, 0);
    Expect_Saves_Back("the fantasy draft");
    EXPECT_EQ(Count_Undrafted(), undrafted) << "the undrafted players stay undrafted";

    Script_Message_Answer("End Fantasy Draft", ID_BOX_YES);
    End_Fantasy_Draft_Command();
    ASSERT_EQ(Get_Fantasy_Draft_Flag(), FANTASY_DRAFT_COMPUTER_FINISHES);
    Expect_Saves_Back("the fantasy draft the computer finishes");
    EXPECT_EQ(Get_Fantasy_Draft_Flag(), FANTASY_DRAFT_COMPUTER_FINISHES) << "the computer still finishes";
    End_Fantasy_Draft_State();
    Clear_Scripted_Answers();
}
