#include <gtest/gtest.h>

#include <string>

#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "app/team_lists.h"
#include "app/window_graphics.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "dialogs/choose_stat_dialog.h"
#include "dialogs/dialog_setup.h"
#include "dialogs/session_settings.h"
#include "dialogs/small_dialogs.h"
#include "dialogs/stat_headings.h"
#include "platform/backend.h"
#include "platform/controls.h"
#include "platform/edit_control.h"
#include "platform/message_box.h"
#include "platform/text_render.h"
#include "platform/windows.h"
#include "support/dialog_steps.h"
#include "support/frame_fixture.h"
#include "support/layout_checks.h"
#include "support/resize_under_dialog.h"
#include "support/test_league.h"

namespace {
class SmallDialogs : public LeagueFrameTest {};

// Spins the seasons' up-down as its arrows do.
void Spin_To(WINDOW_HANDLE dialog, int32_t position) {
    Send_Window_Message(dialog, MSG_VERTICAL_SCROLL,
                        SCROLL_THUMB_POSITION | (static_cast<uintptr_t>(position) << 16),
                        static_cast<intptr_t>(Get_Dialog_Item(dialog, SEASONS_SPIN)));
}
} // namespace

TEST_F(SmallDialogs, InjuryStopKeepsItsWeeksWhenTurnedOffAndOn) {
    Set_User_Preference(INJURY_STOP_WEEKS, 0);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_User_Preference(INJURY_STOP_WEEKS), -4) << "a stop never set starts at 4 weeks, off";
        EXPECT_FALSE(Is_Window_Enabled(Get_Dialog_Item(dialog, INJURY_WEEKS_EDIT)));
        Click_Dialog_Button(dialog, INJURY_STOP_BOX);
        Type_Dialog_Text(dialog, INJURY_WEEKS_EDIT, "6");
        Click_Dialog_Button(dialog, INJURY_STOP_BOX);
        Keep_Dialog_Picture(dialog, "injury_contingency");
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, INJURY_CONTINGENCY_DIALOG, 0), 1);
    EXPECT_EQ(Get_User_Preference(INJURY_STOP_WEEKS), -6) << "unticked: off, the weeks kept";
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, INJURY_WEEKS_EDIT), "6");
        Click_Dialog_Button(dialog, INJURY_STOP_BOX);
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, INJURY_CONTINGENCY_DIALOG, 0), 1);
    EXPECT_EQ(Get_User_Preference(INJURY_STOP_WEEKS), 6);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Type_Dialog_Text(dialog, INJURY_WEEKS_EDIT, "0");
        Click_Dialog_Button(dialog, ID_CANCEL);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, INJURY_CONTINGENCY_DIALOG, 0), 0);
    EXPECT_EQ(Get_User_Preference(INJURY_STOP_WEEKS), 6) << "Cancel stores nothing";
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Type_Dialog_Text(dialog, INJURY_WEEKS_EDIT, "0");
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, INJURY_CONTINGENCY_DIALOG, 0);
    EXPECT_EQ(Get_User_Preference(INJURY_STOP_WEEKS), 1) << "at least one week";
}

TEST_F(SmallDialogs, NotesAndSeasonsStayWithinTheirLimits) {
    const std::string typed(600, 'n');
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        // Pasted as typing would: the box takes what its limit allows.
        const WINDOW_HANDLE edit = Get_Dialog_Item(dialog, DATABASE_NOTES_EDIT);
        Edit_Set_Selection(edit, 0, -1);
        Edit_Replace_Selection(edit, typed.c_str());
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, DATABASE_NOTES_EDIT).size(), 500u) << "the box holds 500";
        Keep_Dialog_Picture(dialog, "database_notes");
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, DATABASE_NOTES_DIALOG, 0), 1);
    char notes[512];
    Get_Database_Notes(notes, sizeof notes);
    EXPECT_EQ(std::string(notes), std::string(499, 'n')) << "the league keeps 499";
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Type_Dialog_Text(dialog, DATABASE_NOTES_EDIT, "changed");
        Click_Dialog_Button(dialog, ID_CANCEL);
    });
    Do_Dialog(Main_Window, DATABASE_NOTES_DIALOG, 0);
    Get_Database_Notes(notes, sizeof notes);
    EXPECT_EQ(std::string(notes), std::string(499, 'n')) << "Cancel keeps them";

    const int32_t year = Get_Current_Year();
    Script_Message_Answer("Play Multiple Seasons", ID_BOX_CANCEL);
    Script_Message_Answer("Play Multiple Seasons", ID_BOX_OK);
    Script_Dialog_Step([year](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, SEASONS_YEAR_TEXT), std::to_string(year));
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, SEASONS_THROUGH_EDIT), std::to_string(year + 4))
            << "five seasons";
        Spin_To(dialog, 0);
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, SEASONS_THROUGH_EDIT), std::to_string(year)) << "one at least";
        Spin_To(dialog, 250);
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, SEASONS_THROUGH_EDIT), std::to_string(year + 99))
            << "100 at most";
        Type_Dialog_Text(dialog, SEASONS_THROUGH_EDIT, "1900");
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, SEASONS_THROUGH_EDIT), std::to_string(year + 99))
            << "put back";
        Keep_Dialog_Picture(dialog, "play_multiple_seasons");
        Click_Dialog_Button(dialog, ID_OK);
        EXPECT_EQ(Get_Innermost_Dialog(), dialog) << "the question's Cancel keeps it open";
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, PLAY_MULTIPLE_SEASONS_DIALOG, 0), 100);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) { Click_Dialog_Button(dialog, ID_CANCEL); });
    EXPECT_EQ(Do_Dialog(Main_Window, PLAY_MULTIPLE_SEASONS_DIALOG, 0), -1);
}

TEST_F(SmallDialogs, ChooseStatWritesOnlyItsViewsColumns) {
    Universe.Header.Universe_Stats[SALARY_CAP] = 0;
    Set_User_Preference(CHOSEN_STAT_ENTRY, 107);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, SALARY_BUDGET_BUTTON), "Salary Budget") << "no cap";
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, Get_Stat_Button_Id(8)), "Payroll Budget");
        EXPECT_EQ(Get_Dialog_Item(dialog, Get_Stat_Button_Id(FINANCE_STAT_HEADINGS)), NO_WINDOW);
        Keep_Dialog_Picture(dialog, "choose_finance_stat");
        Click_Dialog_Button(dialog, Get_Stat_Button_Id(46));
    });
    EXPECT_EQ(Do_Dialog(Main_Window, CHOOSE_FINANCE_STAT_DIALOG, 0), 1);
    EXPECT_EQ(Get_User_Preference(107), 46);

    // An entry outside the view's columns is never written.
    Set_User_Preference(CHOSEN_STAT_ENTRY, USER_TEAM);
    const int32_t user = Get_User_Preference(USER_TEAM);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) { Click_Dialog_Button(dialog, Get_Stat_Button_Id(7)); });
    EXPECT_EQ(Do_Dialog(Main_Window, CHOOSE_STANDINGS_STAT_DIALOG, 0), 0);
    EXPECT_EQ(Get_User_Preference(USER_TEAM), user);
    Set_User_Preference(CHOSEN_STAT_ENTRY, 107);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) { Click_Dialog_Button(dialog, Get_Stat_Button_Id(3)); });
    EXPECT_EQ(Do_Dialog(Main_Window, CHOOSE_CALENDAR_STAT_DIALOG, 0), 0)
        << "a finance entry from the calendar";
    EXPECT_EQ(Get_User_Preference(107), 46);

    Set_User_Preference(CHOSEN_STAT_ENTRY, 121);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, Get_Stat_Button_Id(9)), "Time of Possession") << "on one line";
        Keep_Dialog_Picture(dialog, "choose_calendar_stat");
        Click_Dialog_Button(dialog, Get_Stat_Button_Id(19));
    });
    EXPECT_EQ(Do_Dialog(Main_Window, CHOOSE_CALENDAR_STAT_DIALOG, 0), 1);
    EXPECT_EQ(Get_User_Preference(121), 19);
    Set_User_Preference(CHOSEN_STAT_ENTRY, 114);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Keep_Dialog_Picture(dialog, "leader_heading");
        Click_Dialog_Button(dialog, ID_CANCEL);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, CHOOSE_LEADER_STAT_DIALOG, 0), 0);
    Set_User_Preference(CHOSEN_STAT_ENTRY, 100);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Keep_Dialog_Picture(dialog, "choose_standings_stat");
        Click_Dialog_Button(dialog, Get_Stat_Button_Id(47));
    });
    EXPECT_EQ(Do_Dialog(Main_Window, CHOOSE_STANDINGS_STAT_DIALOG, 0), 1);
    EXPECT_EQ(Get_User_Preference(100), 47);

    char heading[64];
    Get_Standings_Stat_Heading(STANDINGS_STAT_HEADINGS, heading, sizeof heading);
    EXPECT_STREQ(heading, "") << "past the table";
    Get_Calendar_Stat_Heading(-1, heading, sizeof heading);
    EXPECT_STREQ(heading, "");
}

// The main window changing size under an open Choose Stat makes the scaled
// fonts again; the stat buttons go on drawing with theirs, which go with the
// dialog, and a choice made afterwards is stored as always.
TEST_F(SmallDialogs, ChooseStatButtonsKeepTheirFontWhileTheWindowChangesSize) {
    Set_User_Preference(CHOSEN_STAT_ENTRY, 100);
    Peek_App_Font(DIALOG_SMALL_FONT);
    const int32_t fonts = Count_Live_Fonts();
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Expect_Control_Fonts_Kept_Through_Resize(dialog, Get_Stat_Button_Id(0), DIALOG_SMALL_FONT,
                                                 "choose_stat_resized");
        Click_Dialog_Button(dialog, Get_Stat_Button_Id(5));
    });
    EXPECT_EQ(Do_Dialog(Main_Window, CHOOSE_STANDINGS_STAT_DIALOG, 0), 1);
    EXPECT_EQ(Get_User_Preference(100), 5);
    EXPECT_EQ(Count_Live_Fonts(), fonts) << "the old fonts went with the dialog";
}

TEST_F(SmallDialogs, OtherTeamChangesTheViewedTeamOnlyWhenOneIsChosen) {
    Set_Team_Stat(4, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_Team_Stat(9, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_User_Preference(USER_TEAM, 4);
    Set_User_Preference(VIEWED_TEAM, 4);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Dialog_Line(dialog, TEAM_SELECTOR), 4) << "the viewed team is chosen";
        Keep_Dialog_Picture(dialog, "other_team");
        Choose_Dialog_Line(dialog, TEAM_SELECTOR, -1);
        Click_Dialog_Button(dialog, ID_OK);
        EXPECT_EQ(Get_Innermost_Dialog(), dialog) << "nothing chosen: nothing happens";
        Choose_Dialog_Line(dialog, TEAM_SELECTOR, 7);
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, OTHER_TEAM_DIALOG, 0), 1);
    EXPECT_EQ(Get_User_Preference(VIEWED_TEAM), 7);
    EXPECT_EQ(Get_User_Preference(USER_TEAM), 4) << "a computer-run team leaves the user's team";
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Choose_Dialog_Line(dialog, TEAM_SELECTOR, 9);
        Double_Click_Dialog_Line(dialog, TEAM_SELECTOR);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, OTHER_TEAM_DIALOG, 0), 1);
    EXPECT_EQ(Get_User_Preference(VIEWED_TEAM), 9);
    EXPECT_EQ(Get_User_Preference(USER_TEAM), 9) << "another human team becomes the user's";
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Choose_Dialog_Line(dialog, TEAM_SELECTOR, 2);
        Click_Dialog_Button(dialog, ID_CANCEL);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, OTHER_TEAM_DIALOG, 0), 1);
    EXPECT_EQ(Get_User_Preference(VIEWED_TEAM), 9) << "Cancel changes nothing";
    Set_Viewed_Team(FREE_AGENT_TEAM);
    EXPECT_EQ(Get_Viewed_Team(), FREE_AGENT_TEAM) << "a pool may be viewed";
}

TEST_F(SmallDialogs, SessionDefaultsFollowTheYearAndTheHumanTeam) {
    Universe.Header.Universe_Stats[BASE_YEAR] = 1965;
    Set_User_Preference(CURRENT_SEASON_INDEX, 0);
    Set_Team_Stat(6, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_Team_String("Owner Six", 6, 5);
    Set_User_Preference(USER_TEAM, 0);
    // The state of a game being played is no default of a new game: a load
    // and the end of each game and week clear it.
    Set_User_Preference(WAITING_FOR_CLICK, 1);
    Set_User_Preference(SIM_TO_QUARTER, 3);
    Set_User_Preference(SIMULATE_ALL_GAMES, 1);
    Reset_Game_Session_Settings();
    EXPECT_EQ(Get_User_Preference(WAITING_FOR_CLICK), 1);
    EXPECT_EQ(Get_User_Preference(SIM_TO_QUARTER), 3);
    EXPECT_EQ(Get_User_Preference(SIMULATE_ALL_GAMES), 1);
    char heading[64];
    Get_Finance_Stat_Heading(Get_User_Preference(112), heading, sizeof heading);
    EXPECT_STREQ(heading, "Avg. Age") << "1965";
    Get_Standings_Stat_Heading(Get_User_Preference(100), heading, sizeof heading);
    EXPECT_STREQ(heading, "Streak");
    EXPECT_EQ(Get_User_Preference(VIEWED_TEAM), 6);
    EXPECT_EQ(Get_User_Preference(USER_TEAM), 6) << "the human team is the user's";
    EXPECT_EQ(Get_User_Preference(SHOWN_LEAGUE), Get_Team_Division(6) / 4);
    EXPECT_EQ(Get_User_Preference(PLAY_ANIMATION_DELAY), 300);
    char second[64];
    Get_Second_Name(second);
    EXPECT_STREQ(second, "Owner Six");
    char team_name[64];
    Get_Team_Full_Name(6, team_name);
    EXPECT_EQ(std::string(Universe.Header.Saved_Game_Name), std::string(team_name) + " (1965)");
    Universe.Header.Universe_Stats[BASE_YEAR] = 1966;
    Reset_Game_Session_Settings();
    Get_Finance_Stat_Heading(Get_User_Preference(112), heading, sizeof heading);
    EXPECT_STREQ(heading, "SB Wins") << "1966";
}

// On a screen larger than the main window's minimum the application fonts
// grow with the window: every heading of every Choose Stat still shows whole
// on its button ("Red Zone Touchdowns" was cut on a full-HD screen).
TEST_F(SmallDialogs, ChooseStatHeadingsFitTheirButtonsOnALargeWindow) {
    for (const int32_t height : {1080, 1440}) {
        Set_Null_Surface_Size(height * 16 / 9, height);
        Fill_Screen_With_Main_Window();
        Reinit_Window_Graphics();
        for (const int32_t id : {CHOOSE_STANDINGS_STAT_DIALOG, CHOOSE_LEADER_STAT_DIALOG,
                                 CHOOSE_FINANCE_STAT_DIALOG, CHOOSE_CALENDAR_STAT_DIALOG}) {
            Script_Dialog_Step([id, height](WINDOW_HANDLE dialog) {
                EXPECT_EQ(Join_Faults(Find_Control_Layout_Faults(dialog)), "")
                    << "dialog " << id << " at " << height;
                Keep_Dialog_Picture(dialog,
                                    "choose_stat_" + std::to_string(id) + "_" + std::to_string(height));
                Click_Dialog_Button(dialog, Get_Stat_Button_Id(1));
            });
            int32_t first = 0;
            ASSERT_TRUE(Get_Choose_Stat_Entries(id, &first, nullptr));
            Set_User_Preference(CHOSEN_STAT_ENTRY, first);
            EXPECT_EQ(Do_Dialog(Main_Window, id, 0), 1) << "the widened button still chooses";
            EXPECT_EQ(Get_User_Preference(first), 1);
        }
    }
}
