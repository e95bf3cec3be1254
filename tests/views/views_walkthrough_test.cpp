// A user's walk through every view after a 32-team season, by the main
// window's mouse handling on the null backend: each title, heading, name and
// week does what it shows, and a cancelled dialog or a "No" changes nothing.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "app/main_window.h"
#include "app/main_window_mouse.h"
#include "app/modal_dialogs.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/playoff_bracket.h"
#include "database/position_evaluation.h"
#include "database/random_numbers.h"
#include "database/roster_queries.h"
#include "database/safe_strings.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/standings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "personnel/draft_state.h"
#include "platform/message_box.h"
#include "platform/scripted_answers.h"
#include "platform/window_messages.h"
#include "support/scratch_folder.h"
#include "support/view_frame.h"
#include "views/current_view.h"
#include "views/leaders_view.h"
#include "views/main_window_logo.h"
#include "views/owner_hall_of_fame.h"
#include "views/owner_hall_of_fame_file.h"
#include "views/playoffs_view.h"
#include "views/standings_view.h"
#include "views/timeline_strip.h"

namespace {
constexpr int32_t STANDINGS = 40030, LEADERS = 40032, FINANCES = 40034, CALENDAR = 40036, FAME = 40037,
                  GAMES = 40086, PLAYOFFS = 40069, DRAFT = 40070;

// A click at a design point, through the main window's mouse handling (the
// view area is the design space scaled by 4/3).
void Click(int32_t x, int32_t y) {
    Do_Main_Window_Mouse(Main_Window, MSG_LBUTTON_DOWN, x * 4 / 3, y * 4 / 3);
}

int32_t Cursor_At(int32_t x, int32_t y) {
    Do_Main_Window_Mouse(Main_Window, MSG_MOUSE_MOVE, x * 4 / 3, y * 4 / 3);
    return Get_User_Preference(95);
}

// The settings a view keeps, less the two that only name what is going on
// (the setting a chooser edits, the hover cursor).
std::vector<int32_t> View_Settings(bool with_steps = true) {
    std::vector<int32_t> settings;
    for (int32_t n = 0; n < 240; ++n)
        if (n != 44 && n != 95 && (with_steps || n < 176 || n > 179))
            settings.push_back(Get_User_Preference(n));
    return settings;
}

// Clicks a heading whose chooser is cancelled (the dialogs answer "Cancel"
// unless scripted) and checks that the view's settings stay as they were.
void Expect_Cancelled_Heading_Changes_Nothing(int32_t x, int32_t y, int32_t dialog, const char* what) {
    const std::vector<int32_t> before = View_Settings();
    const int32_t opened = Count_Dialogs_Opened();
    Click(x, y);
    EXPECT_EQ(Count_Dialogs_Opened(), opened + 1) << what;
    EXPECT_EQ(Get_Last_Dialog_Id(), dialog) << what;
    EXPECT_EQ(View_Settings(), before) << what;
}
} // namespace

using ViewsWalkthrough = ViewFrameTest;

TEST_F(ViewsWalkthrough, EveryViewAnswersItsClicks) {
    Open_Played_Season(4);
    const int32_t champion = Get_User_Preference(USER_TEAM);

    // Standings: the title changes the league, a heading its stat, a name opens the calendar.
    Paint_View_Picture(STANDINGS);
    EXPECT_EQ(Cursor_At(200, 30), 1) << "two leagues: the title band";
    const int32_t league = Get_Shown_League();
    Click(200, 30);
    EXPECT_EQ(Get_Shown_League(), 1 - league);
    Expect_Cancelled_Heading_Changes_Nothing(390, 80, 143, "standings heading");
    // A chooser that ends without choosing leaves its marker: the old stat comes back.
    Script_Dialog_Answer(143, 1);
    Expect_Cancelled_Heading_Changes_Nothing(390, 80, 143, "standings heading left blank");
    const int32_t division = 4 * Get_Shown_League();
    const int32_t team = Get_Division_Standing_Team(division, 1);
    Click(20, Get_Division_Top(division) + 17 + 14 + 5);
    EXPECT_EQ(Get_Current_View(), CALENDAR) << "a team's name opens its calendar";
    EXPECT_EQ(Get_User_Preference(VIEWED_TEAM), team);

    // Calendar: a played week opens its game; the headings and the title band ask.
    int32_t played_week = -1;
    for (int32_t week = 0; week < 5 && played_week < 0; ++week)
        if (Get_Team_Schedule_Stat(team, week, SCHEDULE_OPPONENT) != 0) played_week = week;
    ASSERT_GE(played_week, 0);
    Expect_Cancelled_Heading_Changes_Nothing(380, 80, 163, "calendar heading");
    Expect_Cancelled_Heading_Changes_Nothing(100, 30, 131, "calendar title");
    EXPECT_EQ(Cursor_At(300, 106 + 16 * played_week + 5), 1);
    Click(300, 106 + 16 * played_week + 5);
    EXPECT_EQ(Get_Current_View(), GAMES);
    EXPECT_EQ(Get_User_Preference(SHOWN_GAME_INDEX),
              Get_Team_Schedule_Stat(team, played_week, SCHEDULE_GAME_INDEX));

    // Leaders: the mode and the season turn over, headings choose, names open reports.
    Paint_View_Picture(LEADERS);
    Set_User_Preference(LEADER_MODE_SETTING, 0);
    for (const int32_t mode : {1, 2, 3, 0}) {
        Click(200, 20);
        EXPECT_EQ(Get_Leaders_Mode(), mode);
    }
    for (const int32_t selector : {1, 2, 0}) {
        Click(480, 20);
        EXPECT_EQ(Get_Leaders_Season_Selector(), selector) << "no predicted season outside replays";
    }
    Expect_Cancelled_Heading_Changes_Nothing(200, 70, 144, "leader heading");
    EXPECT_EQ(Cursor_At(150, 64 + 23 + 5), 2) << "a player's name";
    Click(150, 64 + 23 + 5);
    EXPECT_EQ(Get_Last_Dialog_Id(), 127) << "his scouting report";
    EXPECT_EQ(Get_User_Preference(SELECTED_PLAYER_TEAM), Leader_Lists[0][0].Team);
    EXPECT_EQ(Get_User_Preference(SELECTED_PLAYER_SLOT), Leader_Lists[0][0].Slot);
    Set_User_Preference(LEADER_MODE_SETTING, 3);
    Click(112 + 240, 70);
    EXPECT_EQ(Get_Leaders_Enlarged_List(), 1) << "the caption button enlarges the list";
    Paint_View_Picture(LEADERS);
    Click(112 + 240, 70);
    EXPECT_EQ(Get_Leaders_Enlarged_List(), 0) << "and restores it";

    // Finances: the title band and a heading.
    Paint_View_Picture(FINANCES);
    const int32_t shown = Get_Shown_League();
    Click(300, 30);
    EXPECT_EQ(Get_Shown_League(), 1 - shown);
    Expect_Cancelled_Heading_Changes_Nothing(170, 80, 145, "finance heading");

    // Playoffs: a seed opens its calendar, the final opens its game.
    Paint_View_Picture(PLAYOFFS);
    RECT_AREA box;
    Get_Playoff_Slot_Box(0, 0, &box);
    Click(box.Left + 5, box.Top + 5);
    EXPECT_EQ(Get_Current_View(), CALENDAR);
    EXPECT_EQ(Get_User_Preference(VIEWED_TEAM), Get_Playoff_Team(0));
    Paint_View_Picture(PLAYOFFS);
    Get_Playoff_Slot_Box(30, 1, &box);
    Click(box.Left + 5, box.Top + 5);
    EXPECT_EQ(Get_Current_View(), GAMES);
    EXPECT_EQ(Get_User_Preference(SHOWN_GAME_INDEX),
              Find_Game_Between_Teams(Get_Playoff_Team(28), Get_Playoff_Team(29)));

    // The draft board steps through rounds and years and stops at its limits.
    Paint_View_Picture(DRAFT);
    const int32_t year = Get_User_Preference(DRAFT_BOARD_YEAR);
    Click(700, 40);
    EXPECT_EQ(Get_User_Preference(DRAFT_BOARD_ROUND), 2);
    Click(700, 10);
    EXPECT_EQ(Get_User_Preference(DRAFT_BOARD_YEAR), year) << "no year after the newest";
    Click(50, 10);
    EXPECT_EQ(Get_User_Preference(DRAFT_BOARD_YEAR), year - 1);
    for (int32_t k = 0; k < 8; ++k)
        Click(50, 40);
    EXPECT_EQ(Get_User_Preference(DRAFT_BOARD_ROUND), 1);

    // The Hall of Fame's tabs.
    Paint_View_Picture(FAME);
    Click(15 + 172 * 3 + 10, 90);
    EXPECT_EQ(Get_User_Preference(24), 3);

    // The strip's record box opens the off-season's standings; "No" to the
    // computer's draft changes nothing.
    Paint_View_Picture(CALENDAR);
    Do_Timeline_Click(20, 20);
    EXPECT_EQ(Get_Current_View(), STANDINGS);
    const std::vector<int32_t> before = View_Settings(false);
    const int32_t week = Get_User_Preference(CURRENT_WEEK);
    Script_Message_Answer("College Draft", ID_BOX_NO);
    Do_Timeline_Week_Action(week, week + 4);
    EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), week);
    EXPECT_EQ(View_Settings(false), before) << "only the step is marked";
    EXPECT_EQ(Is_Human_Team(champion), 1);

    // The user team's logo over the bars opens its player list.
    Paint_View_Picture(STANDINGS);
    RECT_AREA logo{};
    Get_Team_Logo_Rect(&logo);
    ASSERT_GT(logo.Right, logo.Left);
    const int32_t x = (logo.Left + logo.Right) / 2 * 3 / 4, y = (logo.Top + logo.Bottom) / 2 * 3 / 4;
    EXPECT_EQ(Cursor_At(x, y), 1);
    Click(x, y);
    EXPECT_EQ(Get_Last_Dialog_Id(), 114);
}

TEST_F(ViewsWalkthrough, TheComputersDraftLeavesTheUsersTeamHis) {
    const PLAYING_FOLDER playing("computer-draft");
    Open_Played_Season(4);
    const int32_t champion = Get_User_Preference(USER_TEAM);
    // Free agents first: the step is marked and the list opens.
    Do_Timeline_Week_Action(Get_User_Preference(CURRENT_WEEK), Get_User_Preference(CURRENT_WEEK) + 2);
    EXPECT_EQ(Get_Last_Dialog_Id(), 130);
    EXPECT_EQ(Get_User_Preference(176 + 1), 1);
    // Then the computer drafts for everyone, through to the next season.
    Script_Message_Answer("College Draft", ID_BOX_YES);
    Script_Message_Answer("", ID_BOX_NO);
    Do_Timeline_Week_Action(Get_User_Preference(CURRENT_WEEK), Get_User_Preference(CURRENT_WEEK) + 4);
    EXPECT_EQ(Get_User_Preference(MULTI_SEASON_SIMULATION), 0) << "the season simulation mark is put back";
    EXPECT_EQ(Is_Human_Team(champion), 1) << "the user's team is his again";
    EXPECT_EQ(Is_College_Draft_Underway(), 0);
}

TEST_F(ViewsWalkthrough, PaintingLeavesTheLeaguesDrawsAsTheyWere) {
    Open_Played_Season(4);
    // A leader without a last name gets one drawn when the leaders page names
    // him; the league's generator must not notice.
    Build_Leader_Lists();
    const int32_t team = Leader_Lists[0][0].Team, slot = Leader_Lists[0][0].Slot;
    ASSERT_GE(team, 0);
    Set_Player_Last_Name(team, slot, "");
    RANDOM_STATE state;
    Save_Random_State(&state);
    const uint32_t next = Random_Number();
    Load_Random_State(&state);
    for (const int32_t view : {STANDINGS, LEADERS, FINANCES, CALENDAR, FAME, PLAYOFFS, DRAFT, 40074})
        Paint_View_Picture(view);
    char name[FORMATTED_TEXT_SIZE];
    Get_Player_Last_Name(team, slot, name);
    EXPECT_NE(name[0], '\0') << "his name was drawn";
    EXPECT_EQ(Random_Number(), next);
    EXPECT_TRUE(Get_Shown_Messages().empty()) << "painters open no box";
}

TEST_F(ViewsWalkthrough, ARetiringOwnerReachesTheHallOfFamePage) {
    Open_Played_Season(4);
    const int32_t owner = Get_User_Preference(USER_TEAM);
    // Ten completed seasons of twelve wins and two playoff wins each.
    Set_User_Preference(CURRENT_SEASON_INDEX, 10);
    for (int32_t season = 0; season < 10; ++season) {
        Set_Team_Yearly_Char(owner, season, RECORD_CHAR_WINS, 12);
        Set_Team_Yearly_Char(owner, season, RECORD_CHAR_LOSSES, 4);
        Set_Team_Yearly_Char(owner, season, RECORD_CHAR_PLAYOFF_WINS, 2);
    }
    Set_Team_String("Robin Easterby", owner, 5);
    Set_User_Preference(DIFFICULTY_LEVEL, 1);
    Set_User_Preference(24, 1);
    Script_Message_Answer("Retirement", ID_BOX_YES);
    ASSERT_EQ(Retire_Owner(), 1);
    Paint_View_Picture(FAME);
    EXPECT_EQ(Count_Drawn_Texts("Robin Easterby"), 2 * Count_Drawn_Texts("Corvin Ashdale"))
        << "his entry and the current owner's line, the best built-in owner second";
    EXPECT_EQ(Count_Drawn_Texts("June Albrecht"), 0) << "the tenth fell out";
}
