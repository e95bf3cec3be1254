#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "app/main_menu.h"
#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "column_set_steps.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "dialogs/contract_offer_dialog.h"
#include "dialogs/edit_player_dialog.h"
#include "dialogs/find_players_dialog.h"
#include "dialogs/listview_engine.h"
#include "dialogs/player_list_dialog.h"
#include "dialogs/player_list_kind.h"
#include "dialogs/scouting_report.h"
#include "dialogs/trades_dialog.h"
#include "frontoffice/finance_stats.h"
#include "platform/backend.h"
#include "platform/combo_box.h"
#include "platform/dialogs.h"
#include "platform/list_view.h"
#include "platform/menus.h"
#include "platform/message_box.h"
#include "platform/windows.h"
#include "player_dialogs_fixture.h"
#include "support/report_steps.h"

namespace {
constexpr int32_t SORTABLE_STATS_COMMAND = 40096;
class FindPlayers : public PlayerDialogsTest {
  protected:
    void SetUp() override {
        PlayerDialogsTest::SetUp();
        Clear_Shown_Messages();
    }
};

// Sets the limits the boxes show, then FIND.
void Search(WINDOW_HANDLE dialog, int32_t position, const std::string& age, const std::string& salary,
            const std::string& name = "") {
    Choose_Dialog_Line(dialog, FIND_POSITION_BOX, position);
    Type_Dialog_Text(dialog, FIND_AGE_EDIT, age);
    Type_Dialog_Text(dialog, FIND_SALARY_EDIT, salary);
    Type_Dialog_Text(dialog, FIND_OVERALL_EDIT, "0");
    Type_Dialog_Text(dialog, FIND_PEAK_EDIT, "0");
    Type_Dialog_Text(dialog, FIND_NAME_EDIT, name);
    Click_Dialog_Button(dialog, FIND_BUTTON);
}

bool Listed(WINDOW_HANDLE dialog, int32_t team, int32_t slot) {
    const WINDOW_HANDLE list = Get_Dialog_Item(dialog, PLAYER_LIST_VIEW);
    return Send_Window_Message(list, MSG_LIST_VIEW_FIND_ITEM_DATA, static_cast<uintptr_t>(-1),
                               team * 100 + slot) >= 0;
}

bool Was_Message_Shown(const std::string& caption) {
    for (const SHOWN_MESSAGE& message : Get_Shown_Messages())
        if (message.Caption == caption) return true;
    return false;
}

int32_t Rows(WINDOW_HANDLE dialog) {
    return List_View_Get_Item_Count(Get_Dialog_Item(dialog, PLAYER_LIST_VIEW));
}
} // namespace

TEST_F(FindPlayers, LimitsOfSalaryAgeRatingsNameAndProspects) {
    const int32_t qb = Test_League_Slot(POSITION_QB, 0);
    Set_Player_Vital_Stat(3, qb, VITAL_SALARY, 2000);
    Set_Player_Vital_Stat(4, qb, VITAL_SALARY, 2001);
    Copy_Player(FIRST_COLLEGE_POOL_TEAM, 0, 5, qb);
    Script_Dialog_Step([qb](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Rows(dialog), 0) << "the list starts empty";
        EXPECT_EQ(Get_Dialog_Line_Text(dialog, FIND_POSITION_BOX, POSITION_S), "Safeties");
        EXPECT_EQ(Get_Dialog_Line_Text(dialog, FIND_POSITION_BOX, POSITION_RB), "Running Backs");
        EXPECT_EQ(Get_Dialog_Line_Text(dialog, FIND_POSITION_BOX, FIND_ANY_PLAYER), "Any Player");
        Search(dialog, POSITION_QB, "99", "2");
        EXPECT_TRUE(Listed(dialog, 3, qb)) << "a salary limit of 2 million takes 2,000 thousand";
        EXPECT_TRUE(Is_Window_Shown(Get_Dialog_Item(dialog, LIST_PROGRESS_BAR)))
            << "the bar stays over the rows it filled";
        EXPECT_FALSE(Listed(dialog, 4, qb));
        EXPECT_FALSE(Listed(dialog, FIRST_COLLEGE_POOL_TEAM, 0)) << "prospects only while the draft runs";
        const int32_t age = Get_Player_Age(3, qb);
        Search(dialog, POSITION_QB, std::to_string(age), "50");
        EXPECT_FALSE(Listed(dialog, 3, qb)) << "an age limit excludes players of that age";
        Search(dialog, POSITION_QB, std::to_string(age + 1), "50");
        EXPECT_TRUE(Listed(dialog, 3, qb));
        // Rating minimums count for a position and not for "Any Player".
        Type_Dialog_Text(dialog, FIND_RATING_EDITS[0], "100");
        Click_Dialog_Button(dialog, FIND_BUTTON);
        EXPECT_EQ(Rows(dialog), 0);
        EXPECT_TRUE(Was_Message_Shown("Search Failed"));
        EXPECT_FALSE(Is_Window_Shown(Get_Dialog_Item(dialog, LIST_PROGRESS_BAR)))
            << "an empty search hides it";
        Choose_Dialog_Line(dialog, FIND_POSITION_BOX, FIND_ANY_PLAYER);
        EXPECT_FALSE(Is_Window_Shown(Get_Dialog_Item(dialog, FIND_RATING_EDITS[0])));
        Click_Dialog_Button(dialog, FIND_BUTTON);
        EXPECT_GT(Rows(dialog), 0) << "the hidden minimums are ignored";
        char last[32];
        Get_Player_Last_Name(3, qb, last);
        Search(dialog, FIND_ANY_PLAYER, "99", "50", std::string(last).substr(1, 3));
        EXPECT_TRUE(Listed(dialog, 3, qb)) << "part of the name, any case";
        Keep_Dialog_Picture(dialog, "find_players");
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, FIND_PLAYERS_DIALOG, 0), 1);
    EXPECT_EQ(Get_User_Preference(FIND_POSITION_SETTING), FIND_ANY_PLAYER) << "Done keeps the limits";
    EXPECT_EQ(Get_User_Preference(FIND_AGE_SETTING), 99);
    EXPECT_EQ(Get_User_Preference(FIND_SALARY_SETTING), 50);
    EXPECT_EQ(Get_User_Preference(FIND_DEPTH_CHARTS_SET), 1) << "the computer's depth charts were set";
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, FIND_AGE_EDIT), "99") << "shown again";
        EXPECT_EQ(Get_User_Preference(FIND_DEPTH_CHARTS_SET), 0) << "cleared at opening";
        Click_Dialog_Button(dialog, ID_CANCEL);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, FIND_PLAYERS_DIALOG, 0), 2);
}

TEST_F(FindPlayers, ALimitThatIsNoNumberIsNamedAndNothingSearched) {
    Set_User_Preference(FIND_AGE_SETTING, 40);
    Set_User_Preference(FIND_SALARY_SETTING, 50);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Search(dialog, FIND_ANY_PLAYER, "99", "50");
        const int32_t found = Rows(dialog);
        ASSERT_GT(found, 0);
        Clear_Shown_Messages();
        Type_Dialog_Text(dialog, FIND_SALARY_EDIT, "lots");
        Click_Dialog_Button(dialog, FIND_BUTTON);
        ASSERT_EQ(Get_Shown_Messages().size(), 1u);
        EXPECT_NE(Get_Shown_Messages()[0].Text.find("a current salary below"), std::string::npos);
        EXPECT_EQ(Rows(dialog), found) << "the former result stands";
        Click_Dialog_Button(dialog, ID_OK);
        EXPECT_EQ(Get_Innermost_Dialog(), dialog) << "Done waits for a number";
        Type_Dialog_Text(dialog, FIND_SALARY_EDIT, "5");
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, FIND_PLAYERS_DIALOG, 0), 1);
    EXPECT_EQ(Get_User_Preference(FIND_SALARY_SETTING), 5);
}

TEST_F(FindPlayers, LimitsNeverSetShowTheDefaultsAndNoCapShowsThePayroll) {
    Set_User_Preference(FIND_AGE_SETTING, 0);
    Set_User_Preference(FIND_SALARY_SETTING, 0);
    Universe.Header.Universe_Stats[SALARY_CAP] = 0;
    Set_User_Team(0);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, FIND_AGE_EDIT), "50") << "nobody is under age 0";
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, FIND_SALARY_EDIT), "50");
        EXPECT_NE(Get_Dialog_Item_Text(dialog, FIND_INFO_FIRST_LINE).find("total payroll"), std::string::npos)
            << "without a cap no team exceeds it";
        Click_Dialog_Button(dialog, ID_CANCEL);
    });
    Do_Dialog(Main_Window, FIND_PLAYERS_DIALOG, 0);
}

TEST_F(FindPlayers, InfoLinesDescribeThePlayerAndTheCapPosition) {
    Universe.Header.Universe_Stats[SALARY_CAP] = 200000000;
    Set_User_Team(0);
    Copy_Player(FREE_AGENT_TEAM, 0, 9, 3);
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_SALARY, 1250);
    char nickname[32];
    Get_Team_String(nickname, 0, 2);
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        const std::string payroll = Get_Dialog_Item_Text(dialog, FIND_INFO_FIRST_LINE);
        EXPECT_EQ(payroll.rfind(std::string("The ") + nickname, 0), 0u) << payroll;
        EXPECT_EQ(
            Get_Dialog_Item_Text(dialog, FIND_INFO_SECOND_LINE),
            "To view all players at one team or position,\nchoose 'Sortable Stats' from the Players Menu.");
        // The menu the line names is the one that holds Sortable Stats.
        const MENU_HANDLE menu = Get_Main_Menu();
        MENU_HANDLE holder{};
        int32_t place = -1;
        ASSERT_TRUE(Find_Menu_Command(menu, SORTABLE_STATS_COMMAND, &holder, &place));
        EXPECT_EQ(Get_Menu_Item_Text(holder, place), "So&rtable Stats...\tCtrl+X");
        bool under_players = false;
        for (int32_t title = 0; title < Get_Menu_Item_Count(menu); ++title)
            if (Get_Sub_Menu(menu, title) == holder)
                under_players = Get_Menu_Item_Text(menu, title) == "&Players";
        EXPECT_TRUE(under_players);
        Show_Find_Player_Info(dialog, FREE_AGENT_TEAM, 0);
        char name[64];
        Get_Player_Full_Name(FREE_AGENT_TEAM, 0, name);
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, FIND_INFO_FIRST_LINE),
                  std::string(name) + " is seeking a $1,250,000 salary");
        const std::string second = Get_Dialog_Item_Text(dialog, FIND_INFO_SECOND_LINE);
        EXPECT_NE(second.back(), '.') << "the free agent's lines end without a period";
        Show_Find_Player_Info(dialog, 5, 1);
        EXPECT_NE(Get_Dialog_Item_Text(dialog, FIND_INFO_FIRST_LINE).find(" is seeking "), std::string::npos);
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, FIND_INFO_SECOND_LINE).back(), '.');
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, FIND_PLAYERS_DIALOG, 0);
}

TEST_F(FindPlayers, AFreeAgentListOpenedOverItKeepsEachListsColumns) {
    Set_User_Team(0);
    Set_User_Preference(CURRENT_WEEK, 3);
    Copy_Player(FREE_AGENT_TEAM, 0, 9, 3);
    Store_Column_Set(PLAYER_LIST_FREE_AGENTS, 0, {COLUMN_NAME, COLUMN_AGE});
    Store_Column_Set(PLAYER_LIST_FIND_PLAYERS, 0, {COLUMN_NAME, COLUMN_SALARY});
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        const WINDOW_HANDLE list = Get_Dialog_Item(dialog, PLAYER_LIST_VIEW);
        EXPECT_EQ(Shown_Column_Ids(list), (std::vector<int32_t>{COLUMN_NAME, COLUMN_SALARY}));
        Choose_Default_Columns_From_Menu(dialog, PLAYER_LIST_VIEW);
        EXPECT_EQ(Shown_Column_Ids(list), Default_Column_Row(PLAYER_LIST_FIND_PLAYERS));
        Search(dialog, FIND_ANY_PLAYER, "99", "50");
        ASSERT_TRUE(Listed(dialog, FREE_AGENT_TEAM, 0));
        Select_Listview_Player(list, FREE_AGENT_TEAM, 0);
        // Go Get on a free agent opens the free-agent list over Find Players.
        Script_Dialog_Step([](WINDOW_HANDLE agents) {
            const WINDOW_HANDLE agent_list = Get_Dialog_Item(agents, PLAYER_LIST_VIEW);
            EXPECT_EQ(Shown_Column_Ids(agent_list), (std::vector<int32_t>{COLUMN_NAME, COLUMN_AGE}));
            Choose_Default_Columns_From_Menu(agents, PLAYER_LIST_VIEW);
            Click_Dialog_Button(agents, ID_OK);
        });
        Click_Dialog_Button(dialog, FIND_GO_GET_BUTTON);
        EXPECT_EQ(Stored_Column_Set(PLAYER_LIST_FREE_AGENTS), Default_Column_Row(PLAYER_LIST_FREE_AGENTS));
        // Back in Find Players its own columns are still its own.
        Send_List_Notice(dialog, PLAYER_LIST_VIEW, NOTIFY_COLUMN_CLICK, COLUMN_AGE);
        Click_Dialog_Button(dialog, ID_CANCEL);
    });
    Do_Dialog(Main_Window, FIND_PLAYERS_DIALOG, 0);
    EXPECT_EQ(Stored_Column_Set(PLAYER_LIST_FREE_AGENTS), Default_Column_Row(PLAYER_LIST_FREE_AGENTS))
        << "the free agents keep what their list left";
    EXPECT_EQ(Stored_Column_Set(PLAYER_LIST_FIND_PLAYERS), Default_Column_Row(PLAYER_LIST_FIND_PLAYERS))
        << "Find Players keeps what it left";
    EXPECT_EQ(Get_User_Preference(Column_Set_Setting(PLAYER_LIST_FIND_PLAYERS, 1)), COLUMN_AGE + 1);
}

namespace {
constexpr int32_t USER = 0;

// The roads on which a dialog opened over Find Players signs a free agent
// found before the selected one, so that the free agents close up under the
// list's rows. Four free agents, in slots 0 to 3, are all a search for their
// name finds, and the user can pay them all.
struct FOUND_ROAD {
    int32_t Ids[4] = {};
    int32_t Signed_There = 0;
    int32_t Shown = 0;
};

FOUND_ROAD Make_Found_Free_Agents() {
    FOUND_ROAD road;
    Set_Team_Stat(USER, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_User_Team(USER);
    Set_User_Preference(CURRENT_WEEK, 3);
    Universe.Header.Universe_Stats[SALARY_CAP] = 0;
    Set_Team_Financial_Stat(USER, FINANCE_CASH, 90000000);
    for (int32_t n = 0; n < 4; ++n) {
        Copy_Player(FREE_AGENT_TEAM, n, 20, n);
        road.Ids[n] = 910000 + n;
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, n, VITAL_PLAYER_ID, road.Ids[n]);
        Set_Player_Last_Name(FREE_AGENT_TEAM, n, (std::string("Zyxwv") + static_cast<char>('a' + n)).c_str());
    }
    return road;
}

// The search for them, and the third of them selected.
void Find_And_Select_The_Third(WINDOW_HANDLE dialog) {
    Search(dialog, FIND_ANY_PLAYER, "99", "50", "zyxwv");
    ASSERT_EQ(Rows(dialog), 4);
    Select_Listview_Player(Get_Dialog_Item(dialog, PLAYER_LIST_VIEW), FREE_AGENT_TEAM, 2);
}

void Accept_The_Talk(WINDOW_HANDLE offer) {
    Click_Dialog_Button(offer, ACCEPT_BUTTON);
}

// Scouting on the selected row, and in the report Negotiate, accepted.
void Sign_The_Selected_Row(WINDOW_HANDLE dialog, FOUND_ROAD* road) {
    Script_Dialog_Step([road](WINDOW_HANDLE report) {
        road->Shown = Get_Player_ID(Get_User_Preference(SELECTED_PLAYER_TEAM),
                                    Get_User_Preference(SELECTED_PLAYER_SLOT));
        Script_Dialog_Step(Accept_The_Talk);
        Click_Dialog_Button(report, REPORT_GO_GET_BUTTON);
        Click_Dialog_Button(report, ID_OK);
    });
    Click_Dialog_Button(dialog, PLAYER_SCOUTING_BUTTON);
}

// The scouted free agent and the one signed on the way are the user's; the
// free agent who moved into the scouted one's slot is still free.
void Expect_The_Found_Player_Signed(const FOUND_ROAD& road) {
    EXPECT_EQ(road.Shown, road.Ids[2]) << "the report of the selected row's player";
    EXPECT_EQ(Team_Of_Player(road.Signed_There), USER) << "signed over the list";
    EXPECT_EQ(Team_Of_Player(road.Ids[2]), USER) << "signed from the list's row";
    EXPECT_EQ(Team_Of_Player(road.Ids[3]), FREE_AGENT_TEAM) << "the free agent who moved into his slot";
}
} // namespace

// Scouting on the third free agent found, the report stepped back to a free
// agent before him, who is signed there: the selected row stays on the
// scouted player.
TEST_F(FindPlayers, ASigningFromTheReportLeavesTheFoundRowOnItsPlayer) {
    FOUND_ROAD road = Make_Found_Free_Agents();
    Script_Dialog_Step([&road](WINDOW_HANDLE dialog) {
        Find_And_Select_The_Third(dialog);
        Script_Dialog_Step([&road](WINDOW_HANDLE report) {
            Script_Dialog_Step(Accept_The_Talk);
            road.Signed_There = Sign_An_Earlier_Free_Agent(report);
        });
        Click_Dialog_Button(dialog, PLAYER_SCOUTING_BUTTON);
        Sign_The_Selected_Row(dialog, &road);
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, FIND_PLAYERS_DIALOG, 0);
    Expect_The_Found_Player_Signed(road);
}

// Go Get on the third free agent found opens the free-agent list, where the
// first is signed: back in Find Players the selected row stays on the player
// it showed.
TEST_F(FindPlayers, ASigningInTheFreeAgentListFromGoGetLeavesTheFoundRowOnItsPlayer) {
    FOUND_ROAD road = Make_Found_Free_Agents();
    Script_Dialog_Step([&road](WINDOW_HANDLE dialog) {
        Find_And_Select_The_Third(dialog);
        road.Signed_There = road.Ids[0];
        Script_Dialog_Step([](WINDOW_HANDLE agents) {
            ASSERT_EQ(Player_List_Kind, PLAYER_LIST_FREE_AGENTS);
            Select_Listview_Player(Get_Dialog_Item(agents, PLAYER_LIST_VIEW), FREE_AGENT_TEAM, 0);
            Script_Dialog_Step(Accept_The_Talk);
            Click_Dialog_Button(agents, PLAYER_ACTION_BUTTON);
            Click_Dialog_Button(agents, ID_OK);
        });
        Click_Dialog_Button(dialog, FIND_GO_GET_BUTTON);
        Sign_The_Selected_Row(dialog, &road);
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, FIND_PLAYERS_DIALOG, 0);
    Expect_The_Found_Player_Signed(road);
}

namespace {
// In the report opened on the selected row, Commissioner Mode's Go Get
// opens Edit Player, where `edit` acts on the shown player.
void Edit_The_Selected_Row(WINDOW_HANDLE dialog, void (*edit)(WINDOW_HANDLE)) {
    Script_Dialog_Step([edit](WINDOW_HANDLE report) {
        Script_Dialog_Step(edit);
        Click_Dialog_Button(report, REPORT_GO_GET_BUTTON);
        if (Is_Window(report)) Click_Dialog_Button(report, ID_OK);
    });
    Click_Dialog_Button(dialog, PLAYER_SCOUTING_BUTTON);
}

void Delete_The_Player(WINDOW_HANDLE edit) {
    ASSERT_EQ(Get_Dialog_Template_Id(edit), EDIT_PLAYER_DIALOG);
    Script_Message_Answer("Delete Player", ID_BOX_OK);
    Click_Dialog_Button(edit, EDIT_DELETE);
}

void Raise_The_Salary(WINDOW_HANDLE edit) {
    ASSERT_EQ(Get_Dialog_Template_Id(edit), EDIT_PLAYER_DIALOG);
    Type_Dialog_Text(edit, EDIT_SALARY, "5000000");
    Click_Dialog_Button(edit, EDIT_DONE);
}

// No row chosen, the lines describe no player, and Go Get opens nothing.
void Expect_Nobody_Chosen(WINDOW_HANDLE dialog) {
    int32_t team = -1, slot = -1;
    EXPECT_LT(Get_Listview_Selected_Player(Get_Dialog_Item(dialog, PLAYER_LIST_VIEW), &team, &slot), 0)
        << "a row of player " << Get_Player_ID(team, slot) << " is chosen";
    EXPECT_EQ(Get_Dialog_Item_Text(dialog, FIND_INFO_SECOND_LINE),
              "To view all players at one team or position,\nchoose 'Sortable Stats' from the Players Menu.");
    const int32_t opened = Count_Dialogs_Opened();
    // Were a row still chosen, the trade Go Get proposes is forced through.
    Script_Dialog_Step([](WINDOW_HANDLE trades) {
        Click_Dialog_Button(trades, TRADE_SUBMIT);
        Click_Dialog_Button(trades, ID_OK);
    });
    Click_Dialog_Button(dialog, FIND_GO_GET_BUTTON);
    EXPECT_EQ(Count_Dialogs_Opened(), opened) << "Go Get with no row chosen";
}
} // namespace

// The followed player drops out of the search run again after his report:
// deleted there, or given a salary above the limit. No row stays chosen on
// whoever holds his slot now, the lines describe no player, and Go Get
// trades for nobody.
TEST_F(FindPlayers, AFollowedPlayerWhoDropsOutOfTheSearchLeavesNoRowChosen) {
    constexpr int32_t TEAM = 3, FIRST = 20;
    Set_User_Team(USER);
    Set_User_Preference(CURRENT_WEEK, 3);
    Set_User_Preference(COMMISSIONER_MODE, 1);
    Set_User_Preference(VIEWED_TEAM, USER);
    int32_t ids[4];
    for (int32_t n = 0; n < 4; ++n) {
        Set_Player_Last_Name(TEAM, FIRST + n, (std::string("Qxjvw") + static_cast<char>('a' + n)).c_str());
        ids[n] = Get_Player_ID(TEAM, FIRST + n);
    }
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Search(dialog, FIND_ANY_PLAYER, "99", "50", "qxjvw");
        ASSERT_EQ(Rows(dialog), 4);
        Select_Listview_Player(Get_Dialog_Item(dialog, PLAYER_LIST_VIEW), TEAM, FIRST + 2);
        Edit_The_Selected_Row(dialog, Delete_The_Player);
        EXPECT_EQ(Rows(dialog), 3) << "the search ran again";
        Expect_Nobody_Chosen(dialog);
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, FIND_PLAYERS_DIALOG, 0);
    Clear_Dialog_Steps();
    EXPECT_EQ(Team_Of_Player(ids[2]), -1) << "deleted";
    EXPECT_EQ(Team_Of_Player(ids[3]), TEAM) << "the player who moved into his slot stays";

    // A free agent whose salary is raised past the limit of 1 million.
    FOUND_ROAD road = Make_Found_Free_Agents();
    Set_User_Preference(COMMISSIONER_MODE, 1);
    for (int32_t n = 0; n < 4; ++n)
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, n, VITAL_SALARY, 900);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Search(dialog, FIND_ANY_PLAYER, "99", "1", "zyxwv");
        ASSERT_EQ(Rows(dialog), 4);
        Select_Listview_Player(Get_Dialog_Item(dialog, PLAYER_LIST_VIEW), FREE_AGENT_TEAM, 2);
        EXPECT_NE(Get_Dialog_Item_Text(dialog, FIND_INFO_FIRST_LINE).find("Zyxwvc is seeking a $900,000"),
                  std::string::npos);
        Edit_The_Selected_Row(dialog, Raise_The_Salary);
        EXPECT_EQ(Rows(dialog), 3) << "the search ran again";
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, FIND_INFO_FIRST_LINE).find("Zyxwv"), std::string::npos)
            << "the lines of the player who dropped out";
        Expect_Nobody_Chosen(dialog);
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, FIND_PLAYERS_DIALOG, 0);
    Clear_Dialog_Steps();
    EXPECT_EQ(Get_Player_Vital_Stat(FREE_AGENT_TEAM, 2, VITAL_SALARY), 5000);
    for (int32_t n = 0; n < 4; ++n)
        EXPECT_EQ(Team_Of_Player(road.Ids[n]), FREE_AGENT_TEAM) << n;
}

// The dialog opens centred over the main window, at the size the user left
// it, however far aside it was moved when it closed.
TEST_F(FindPlayers, OpensCentredOverTheMainWindowWhereverItWasLeft) {
    RECT_AREA area;
    Get_Platform_Backend().Get_Work_Area(&area);
    RECT_AREA left{};
    Script_Dialog_Step([&area, &left](WINDOW_HANDLE dialog) {
        RECT_AREA rect;
        Get_Window_Rect(dialog, &rect);
        left = {area.Left, area.Top, area.Left + rect.Right - rect.Left, area.Top + rect.Bottom - rect.Top};
        Move_Window(dialog, left);
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, FIND_PLAYERS_DIALOG, 0);
    RECT_AREA main, opened{};
    Get_Window_Rect(Main_Window, &main);
    Script_Dialog_Step([&opened](WINDOW_HANDLE dialog) {
        Get_Window_Rect(dialog, &opened);
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, FIND_PLAYERS_DIALOG, 0);
    const int32_t width = opened.Right - opened.Left;
    EXPECT_EQ(width, left.Right - left.Left) << "the size it was left at";
    const int32_t centred =
        std::clamp(main.Left + (main.Right - main.Left - width) / 2, area.Left, area.Right - width);
    ASSERT_NE(centred, left.Left) << "the main window leaves room to tell the places apart";
    EXPECT_EQ(opened.Left, centred) << "centred over the main window, not where it was left";
}
