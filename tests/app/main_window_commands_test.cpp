#include <gtest/gtest.h>

#include <string>

#include "app/main_menu.h"
#include "app/main_window.h"
#include "app/main_window_mouse.h"
#include "app/sounds_and_cursors.h"
#include "database/league_structure.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "engine/game_record.h"
#include "platform/message_box.h"
#include "platform/scripted_answers.h"
#include "support/frame_fixture.h"
#include "support/test_league.h"

namespace {
std::string Last_Caption() {
    return Get_Shown_Messages().empty() ? std::string() : Get_Shown_Messages().back().Caption;
}

// Team 0 (human) is at home to team 1 in week 0, and their game is on screen, watched.
void Watch_Game(GAME_RECORD* game) {
    Set_Team_Stat(0, 2, 1);
    Schedule_Game(0, 1, 0, 6, 1300);
    Set_Game_PBP_Flag(0, 0, 1);
    Set_User_Preference(CURRENT_WEEK, 0);
    Set_User_Preference(SIMULATION_RUNNING, 1);
    game->Team[0] = 1;
    game->Team[1] = 0;
    Current_Game = game;
}

std::string Last_Text() {
    return Get_Shown_Messages().empty() ? std::string() : Get_Shown_Messages().back().Text;
}
} // namespace

class MainWindowCommands : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        Build_Test_League();
        Universe.Season_Length = 17;
        Set_User_Preference(DRAFT_ROUND, 7);
        Start_Frame_Without_Loop();
    }
    void TearDown() override {
        Current_Game = nullptr;
        FrameTest::TearDown();
    }
};

TEST_F(MainWindowCommands, TradesWaitForTheDeadlineAndTheSimulation) {
    Set_User_Preference(CURRENT_WEEK, 12);
    EXPECT_TRUE(Do_Main_Window_Command(Main_Window, ID_TRADES));
    EXPECT_EQ(Last_Caption(), "Trading Deadline");
    EXPECT_EQ(Last_Text(), "No trades are allowed after week 12 of the season.");
    Set_User_Preference(COMMISSIONER_MODE, 1);
    EXPECT_TRUE(Is_Trading_Allowed()) << "the commissioner trades any time";
    Set_User_Preference(COMMISSIONER_MODE, 0);
    Set_User_Preference(CURRENT_WEEK, 100);
    EXPECT_TRUE(Is_Trading_Allowed()) << "the off-season";
    Set_User_Preference(CURRENT_WEEK, 4);
    Set_User_Preference(SIMULATION_RUNNING, 1);
    Universe.Header.Target_Week = 6;
    Do_Main_Window_Command(Main_Window, 40089);
    EXPECT_EQ(Last_Caption(), "Game In Progress");
    Set_User_Preference(SIMULATION_RUNNING, 0);
}

TEST_F(MainWindowCommands, BudgetItemsAskInGeneralManagerMode) {
    Set_User_Preference(OWNER_MODE, 0);
    Script_Message_Answer("General Manager Mode", ID_BOX_CANCEL);
    Do_Main_Window_Command(Main_Window, 40024);
    EXPECT_EQ(Get_User_Preference(OWNER_MODE), 1) << "the third button turns Owner Mode on";
    const int32_t shown = static_cast<int32_t>(Get_Shown_Messages().size());
    Do_Main_Window_Command(Main_Window, 40023);
    EXPECT_EQ(static_cast<int32_t>(Get_Shown_Messages().size()), shown) << "no question in Owner Mode";
}

TEST_F(MainWindowCommands, TimeoutsOfTheWatchedGame) {
    GAME_RECORD game{};
    Watch_Game(&game);
    game.Timeouts[1] = 2;
    char nickname[64];
    Get_Team_String(nickname, 0, 2);

    Do_Main_Window_Command(Main_Window, ID_CALL_TIMEOUT);
    EXPECT_EQ(Last_Caption(), "Timeout Called");
    EXPECT_EQ(Last_Text(),
              "The " + std::string(nickname) + " call timeout. They have one timeout remaining.");
    EXPECT_EQ(game.Timeouts[1], 1);
    Do_Main_Window_Command(Main_Window, ID_TIMEOUT_KEY);
    EXPECT_EQ(Last_Caption(), "No Timeout Needed") << "the clock stopped with the first";
    game.Down_Word &= ~(CLOCK_STOPPED_BIT | CLOCK_STOPPED_PAIR_BIT);
    Do_Main_Window_Command(Main_Window, ID_TIMEOUT_KEY);
    EXPECT_EQ(Last_Text(), "The " + std::string(nickname) + " have called their final timeout.");
    game.Down_Word &= ~(CLOCK_STOPPED_BIT | CLOCK_STOPPED_PAIR_BIT);
    Do_Main_Window_Command(Main_Window, ID_CALL_TIMEOUT);
    EXPECT_EQ(Last_Caption(), "No Timeouts");

    // Leaving the watched game's screen asks first; no keeps it.
    Set_User_Preference(CURRENT_VIEW, 40086);
    Script_Message_Answer("Exit Game", ID_BOX_NO);
    Do_Main_Window_Command(Main_Window, 40030);
    EXPECT_EQ(Get_Current_View(), 40086);
    Set_User_Preference(SIMULATION_RUNNING, 0);
}

TEST_F(MainWindowCommands, NavigationButtonsSwitchViewsUnlessAGameIsWatched) {
    Set_User_Preference(SOUNDS_ENABLED, 1);
    Set_User_Preference(CURRENT_VIEW, 40030);
    Clear_Desktop_Requests();
    EXPECT_TRUE(Do_Nav_Button_Click(450, 480));
    EXPECT_EQ(Get_Current_View(), 40069) << "design x 450: the playoffs";
    EXPECT_TRUE(Do_Nav_Button_Click(520, 480));
    EXPECT_EQ(Get_Current_View(), 40070) << "design x 520: the draft";
    EXPECT_FALSE(Do_Nav_Button_Click(600, 480)) << "right of the bar";
    ASSERT_EQ(Get_Played_Sounds().size(), 2u);
    EXPECT_NE(Get_Played_Sounds()[0].find("sound/button.wav"), std::string::npos);
    Set_User_Preference(SOUNDS_ENABLED, 0);
    EXPECT_EQ(Play_Sound_Effect("button.wav"), 0) << "sounds off";

    GAME_RECORD game{};
    Watch_Game(&game);
    EXPECT_FALSE(Do_Nav_Button_Click(450, 480)) << "a watched game keeps its screen";
    EXPECT_EQ(Get_Current_View(), 40070);
    Set_User_Preference(SIMULATION_RUNNING, 0);

    // Choosing the view already shown does nothing.
    Clear_Shown_Messages();
    Do_Main_Window_Command(Main_Window, 40070);
    EXPECT_TRUE(Get_Shown_Messages().empty());
}
