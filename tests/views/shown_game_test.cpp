// The game the Games view shows: the user's last game when none is chosen,
// then the game he chose, kept while weeks are played until a week tab
// moves it, and none at all once a new season's records are cleared.
#include <gtest/gtest.h>

#include "app/drawing_services.h"
#include "app/main_window.h"
#include "database/game_names.h"
#include "database/game_queries.h"
#include "database/safe_strings.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/universe.h"
#include "engine/game_driver.h"
#include "engine/game_record.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "platform/scripted_answers.h"
#include "season/week_advance.h"
#include "support/game_day_fixture.h"
#include "support/game_runner.h"
#include "support/scratch_folder.h"
#include "support/view_frame.h"
#include "views/current_view.h"
#include "views/game_day_screen.h"
#include "views/games_view.h"
#include "views/matchup_dialog_template.h"
#include "views/timeline_strip.h"

namespace {
constexpr int32_t WEEKS = 3;

// Weeks 1 and 2 hold the same two games as week 0, no record taken yet.
void Schedule_Later_Weeks() {
    for (int32_t week = 1; week < WEEKS; ++week)
        for (int32_t home = 0; home < 4; home += 2) {
            Schedule_Test_Game(home, home + 1, week);
            Set_Team_Schedule_Stat(home, week, SCHEDULE_GAME_INDEX, -1);
            Set_Team_Schedule_Stat(home + 1, week, SCHEDULE_GAME_INDEX, -1);
        }
}

// Plays the current week, answering the matchup dialog with `button`.
void Play_Week_Choosing(int32_t button) {
    Script_Dialog_Control_Click(181, button);
    Advance_Weeks(1);
}

// The user looks at the Games view: it shows his finished game of `week`.
void Expect_Users_Game_Of_Week_Shown(int32_t week) {
    Clear_Drawn_Texts();
    Set_Current_View(GAMES_VIEW_ID);
    EXPECT_TRUE(Was_Text_Drawn("Final")) << "week " << week;
    EXPECT_TRUE(Was_Text_Drawn("Player of the Game:")) << "week " << week;
    const int32_t record = Get_Team_Schedule_Stat(GAME_DAY_HOME, week, SCHEDULE_GAME_INDEX);
    ASSERT_GE(record, 0) << "week " << week;
    EXPECT_EQ(Get_User_Preference(SHOWN_GAME_INDEX), record) << "week " << week;
    const GAME_RECORD* game = Get_Displayed_Game();
    ASSERT_NE(game, nullptr) << "week " << week;
    EXPECT_EQ(Get_Game_Week(game), week);
    EXPECT_EQ(game->Team[1], GAME_DAY_HOME);
    EXPECT_EQ(Is_Game_Over(game), 1);
}

// The user clicks the tab of `week` in the Games view's row of week tabs.
void Click_Week_Tab(int32_t week) {
    const int32_t tab = Draw_Week_Tabs(nullptr) + week - Get_Game_Week(Get_Displayed_Game());
    Click_Design_Point(159 + 99 * tab + 45, 275);
    while (Deliver_Next_Scripted_Input()) {
    }
    Pump_Messages();
}

// Neither a result nor a team of the emptied records (team 0 against itself).
void Expect_No_Scoreboard() {
    char name[FORMATTED_TEXT_SIZE];
    Get_Team_Full_Name(0, name);
    EXPECT_EQ(Count_Drawn_Texts(name), 0) << name;
    EXPECT_EQ(Count_Drawn_Texts("Final"), 0);
    EXPECT_EQ(Count_Drawn_Texts("Player of the Game:"), 0);
    EXPECT_EQ(Count_Drawn_Texts("Box Score"), 0);
}
} // namespace

using ShownGame = GameDayTest;

TEST_F(ShownGame, TheGamesViewKeepsItsGameWhileWeeksArePlayedUntilTheUserChoosesAnother) {
    Start_Game_Day("earth", 2);
    Schedule_Later_Weeks();
    Set_User_Preference(PLAY_ANIMATION_DELAY, 0);
    Universe.Header.Require_Click_After_Each_Play = 0;
    Set_User_Preference(AUTO_CALL_OFFENSE, 1);
    Set_User_Preference(AUTO_CALL_DEFENSE, 1);

    // Week 0 simulated; the user looks at the Games view afterwards: with no
    // game chosen yet it shows his last game.
    Play_Week_Choosing(MATCHUP_SIMULATE_BUTTON);
    ASSERT_EQ(Get_User_Preference(CURRENT_WEEK), 1);
    Expect_Users_Game_Of_Week_Shown(0);

    // Week 1 simulated with the view open: the view keeps the game it shows
    // until the user takes week 1's tab.
    Play_Week_Choosing(MATCHUP_SIMULATE_BUTTON);
    ASSERT_EQ(Get_User_Preference(CURRENT_WEEK), 2);
    Expect_Users_Game_Of_Week_Shown(0);
    Click_Week_Tab(1);
    Expect_Users_Game_Of_Week_Shown(1);

    // Week 2 watched to its end (the computer calls every snap): once it is
    // over the view shows the chosen game again, and week 2's tab his.
    Play_Week_Choosing(MATCHUP_PLAY_BUTTON);
    ASSERT_EQ(Get_User_Preference(CURRENT_WEEK), 3);
    EXPECT_FALSE(Is_Quit_Requested());
    EXPECT_EQ(Count_Completed_Games(), 2 * WEEKS);
    Expect_Users_Game_Of_Week_Shown(1);
    Click_Week_Tab(2);
    Expect_Users_Game_Of_Week_Shown(2);
}

using ShownGameOfSeason = ViewFrameTest;

TEST_F(ShownGameOfSeason, ANewSeasonShowsNoGameUntilOneIsPlayed) {
    const PLAYING_FOLDER playing("new-season-games");
    Open_Played_Season(4);
    const DRAWING_SURFACE& played = Paint_View_Picture(GAMES_VIEW_ID);
    Keep_View_Picture(played, "games-view-played-season");
    ASSERT_NE(Get_User_Preference(SHOWN_GAME_INDEX), -1) << "the view chose the user's last game";
    EXPECT_TRUE(Was_Text_Drawn("Final"));

    // Through the free agents and the computer's draft into the next season.
    const int32_t season = Get_User_Preference(CURRENT_SEASON_INDEX);
    Do_Timeline_Week_Action(Get_User_Preference(CURRENT_WEEK), Get_User_Preference(CURRENT_WEEK) + 2);
    Script_Message_Answer("College Draft", ID_BOX_YES);
    Script_Message_Answer("", ID_BOX_NO);
    Do_Timeline_Week_Action(Get_User_Preference(CURRENT_WEEK), Get_User_Preference(CURRENT_WEEK) + 4);
    ASSERT_EQ(Get_User_Preference(CURRENT_SEASON_INDEX), season + 1);
    ASSERT_EQ(Get_User_Preference(CURRENT_WEEK), 0);

    // No scoreboard: the view says "No games have been played this season.".
    const DRAWING_SURFACE& fresh = Paint_View_Picture(GAMES_VIEW_ID);
    Keep_View_Picture(fresh, "games-view-new-season");
    EXPECT_EQ(Get_User_Preference(SHOWN_GAME_INDEX), -1);
    EXPECT_EQ(Get_Displayed_Game(), nullptr);
    Expect_No_Scoreboard();

    // A game saved before the setting went with the records keeps an emptied
    // record as its shown game; the view shows no game there either.
    Set_User_Preference(SHOWN_GAME_INDEX, 7);
    Paint_View_Picture(GAMES_VIEW_ID);
    EXPECT_EQ(Get_User_Preference(SHOWN_GAME_INDEX), -1);
    Expect_No_Scoreboard();
}
