#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "app/dialog_services.h"
#include "app/drawing_primitives.h"
#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "app/team_lists.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/playoff_bracket.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/team_playbook_block.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "database/universe.h"
#include "dialogs/defense_dialog.h"
#include "dialogs/depth_chart_page.h"
#include "dialogs/offense_dialog.h"
#include "dialogs/playbook_offers.h"
#include "dialogs/scouting_report.h"
#include "dialogs/special_teams_dialog.h"
#include "editor_dialogs_fixture.h"
#include "engine/playbook_records.h"
#include "frontoffice/depth_charts.h"
#include "frontoffice/position_fitness.h"
#include "platform/dialogs.h"
#include "platform/list_box.h"
#include "platform/message_box.h"
#include "platform/scripted_answers.h"
#include "platform/windows.h"
#include "support/report_steps.h"

namespace {
using DepthChartDialogs = EditorDialogsTest;
constexpr int32_t USER = USER_TEAM_SLOT;
constexpr int32_t OTHER = COMPUTER_TEAM_SLOT;
constexpr int32_t RETURN_SPECIALIST = 18;
constexpr int32_t FULL_4_3_FORMATION = 22;
constexpr int32_t FULL_3_4_FORMATION = 25;

bool Is_Enabled(WINDOW_HANDLE dialog, int32_t id) {
    return Is_Window_Enabled(Get_Dialog_Item(dialog, id));
}

std::vector<int32_t> Roster_Ids(int32_t team) {
    std::vector<int32_t> ids;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        if (Is_Player_Slot_Used(team, slot)) ids.push_back(Get_Player_ID(team, slot));
    return ids;
}

// Offence, then defence, then kickers, with no gap before the last player.
void Expect_Grouped_And_Compact(int32_t team) {
    int32_t last_unit = 0;
    const int32_t count = Get_First_Empty_Player_Slot(team);
    for (int32_t slot = 0; slot < count; ++slot) {
        const int32_t unit = Get_Player_Unit(team, slot);
        EXPECT_GE(unit, last_unit) << "slot " << slot;
        last_unit = unit;
    }
    for (int32_t slot = count; slot < PLAYERS_PER_TEAM; ++slot)
        EXPECT_EQ(Is_Player_Slot_Used(team, slot), 0) << "slot " << slot;
}

// Every row of a list shows the player of the slot it names.
void Expect_Rows_Name_Their_Slots(WINDOW_HANDLE dialog, int32_t list,
                                  void (*format)(int32_t, int32_t, char*)) {
    const WINDOW_HANDLE control = Get_Dialog_Item(dialog, list);
    for (int32_t line = 0; line < Count_Dialog_Lines(dialog, list); ++line) {
        const int32_t slot = static_cast<int32_t>(List_Box_Get_Item_Data(control, line));
        char row[DEPTH_ROW_SIZE];
        format(USER, slot, row);
        EXPECT_EQ(Get_Dialog_Line_Text(dialog, list, line), row) << "line " << line;
    }
}

void Set_Defensive_Formations(int32_t team, int32_t matching, int32_t scheme) {
    DEFENSIVE_PLAYBOOK* book = Get_Team_Defensive_Playbook(team);
    const int32_t fits = scheme == 0 ? FULL_4_3_FORMATION : FULL_3_4_FORMATION;
    const int32_t misfits = scheme == 0 ? FULL_3_4_FORMATION : FULL_4_3_FORMATION;
    for (int32_t play = 0; play < DEFENSIVE_PLAYS; ++play)
        book->Plays[play].Formation = play < matching ? fits : misfits;
}
} // namespace

TEST_F(DepthChartDialogs, RowsShowRatingGamesAndExpiringContracts) {
    const int32_t quarterback = Test_League_Slot(POSITION_QB, 0);
    const int32_t kicker = Test_League_Slot(POSITION_K, 0);
    Set_User_Preference(STAT_SEASON_CHOICE, 0);
    Set_Player_Stat(USER, quarterback, 0, 0, 9);
    Set_Player_Stat(USER, quarterback, 0, 1, 7);
    Set_Player_Stat(USER, kicker, 0, 0, 9);
    Set_Player_Stat(USER, kicker, 0, 1, 2);
    Set_Player_Vital_Stat(USER, quarterback, VITAL_CONTRACT_YEARS, 1);
    char row[DEPTH_ROW_SIZE];
    Format_Depth_Chart_Row(USER, quarterback, row);
    const std::string before = row;
    EXPECT_EQ(before.find('('), std::string::npos) << "no parentheses before the champion is decided";
    EXPECT_NE(before.find("\tQB\t   72\t"), std::string::npos) << before;
    EXPECT_NE(before.find("\t    7\t"), std::string::npos)
        << "games started, two blanks a missing digit: " << before;
    Format_Depth_Chart_Row(USER, kicker, row);
    EXPECT_NE(std::string(row).find("\t  K\t"), std::string::npos) << row;
    EXPECT_NE(std::string(row).find("\t    9\t"), std::string::npos) << "a kicker shows games: " << row;
    Format_Defense_Depth_Row(USER, kicker, row);
    EXPECT_NE(std::string(row).find("\t    2\t"), std::string::npos)
        << "the defence row shows starts: " << row;
    // Once the champion is decided an expiring contract is in parentheses, for franchises only.
    Set_User_Preference(CURRENT_WEEK, 21);
    Universe.Season_Length = 17;
    Set_Playoff_Team(28, USER);
    Set_Playoff_Team(30, USER);
    Format_Depth_Chart_Row(USER, quarterback, row);
    EXPECT_EQ(row[0], '(') << row;
    Copy_Player(FREE_AGENT_TEAM, 0, USER, quarterback);
    Format_Depth_Chart_Row(FREE_AGENT_TEAM, 0, row);
    EXPECT_NE(row[0], '(') << row;
}

TEST_F(DepthChartDialogs, UnsuitableStarterThresholdIs850) {
    Auto_Set_Depth_Chart(USER, 0, 0);
    Sort_Roster_Section(USER, 0);
    ASSERT_EQ(Find_Unsuitable_Offensive_Starter(USER), -1) << "a sorted offence fits";
    // A return specialist at his own position fits at 85 per cent: 850, still suitable.
    Set_Player_Byte_Field(USER, 0, PLAYER_BYTE_EXPANDED_POSITION, RETURN_SPECIALIST);
    EXPECT_EQ(Get_Position_Fitness(USER, 0, Get_Starter_Slot_Position(USER, 0, 0)), 850);
    EXPECT_EQ(Find_Unsuitable_Offensive_Starter(USER), -1);
    // A running back at the quarterback's row is below it, the row reported.
    Set_Player_Byte_Field(USER, 0, PLAYER_BYTE_EXPANDED_POSITION, POSITION_QB);
    Set_Player_Vital_Stat(USER, 0, VITAL_POSITION, POSITION_RB);
    EXPECT_LT(Get_Position_Fitness(USER, 0, POSITION_QB), 850);
    EXPECT_EQ(Find_Unsuitable_Offensive_Starter(USER), 0);
}

TEST_F(DepthChartDialogs, MatchingPlaybookOfferFollowsTheCountAndWhoDecides) {
    Set_Team_Stat(USER, TEAM_STAT_DEFENSIVE_SYSTEM, 0);
    Set_Defensive_Formations(USER, 10, 0);
    EXPECT_EQ(Count_Matching_Defensive_Plays(USER), 10);
    Offer_Matching_Defensive_Playbook(USER);
    EXPECT_TRUE(Get_Shown_Messages().empty()) << "ten fitting plays: no question";
    EXPECT_EQ(Get_Team_Defensive_Playbook(USER)->Plays[10].Formation, FULL_3_4_FORMATION) << "and no load";

    // One fitting play: the human team is asked, in the singular; No keeps the plays.
    Set_Defensive_Formations(USER, 1, 0);
    Offer_Matching_Defensive_Playbook(USER);
    ASSERT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "Load matching playbook?");
    EXPECT_NE(Get_Shown_Messages()[0].Text.find("currently has 1 play (out of 30) using the '4-3'"),
              std::string::npos)
        << Get_Shown_Messages()[0].Text;
    EXPECT_EQ(Count_Matching_Defensive_Plays(USER), 1);
    Script_Message_Answer("Load matching playbook?", ID_BOX_YES);
    Offer_Matching_Defensive_Playbook(USER);
    EXPECT_GE(Count_Matching_Defensive_Plays(USER), 10) << "Yes loads the 4-3 book";

    // A computer team loads at once; so does any team in Commissioner Mode.
    Clear_Shown_Messages();
    Set_Team_Stat(OTHER, TEAM_STAT_DEFENSIVE_SYSTEM, 1);
    Set_Defensive_Formations(OTHER, 0, 1);
    Offer_Matching_Defensive_Playbook(OTHER);
    EXPECT_TRUE(Get_Shown_Messages().empty());
    EXPECT_GE(Count_Matching_Defensive_Plays(OTHER), 10);

    // A missing book is told of, and the plays stay.
    std::filesystem::rename("playbooks", "playbooks-away");
    Set_Defensive_Formations(OTHER, 0, 1);
    Offer_Matching_Defensive_Playbook(OTHER);
    std::filesystem::rename("playbooks-away", "playbooks");
    ASSERT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "Load Error");
    EXPECT_EQ(Get_Shown_Messages()[0].Text,
              "Unable to find 3-4 playbook. You may need to re-install Football Korva.");
    EXPECT_EQ(Count_Matching_Defensive_Plays(OTHER), 0);
}

TEST_F(DepthChartDialogs, ReturnersAreEligibleOrReplacedAndAnEmptyTeamHasNone) {
    const int32_t quarterback = Test_League_Slot(POSITION_QB, 0);
    const int32_t kicker = Test_League_Slot(POSITION_K, 0);
    Set_Team_Returner(USER, 0, quarterback);
    ASSERT_FALSE(Is_Eligible_Returner(USER, quarterback));
    Script_Dialog_Step([=](WINDOW_HANDLE dialog) {
        EXPECT_NE(Get_Team_Returner(USER, 0), quarterback) << "a quarterback returner is replaced";
        EXPECT_TRUE(Is_Eligible_Returner(USER, Get_Team_Returner(USER, 0)));
        EXPECT_EQ(Get_Dialog_Line(dialog, KICK_RETURNER_COMBO),
                  Get_Returner_Index(USER, Get_Team_Returner(USER, 0)));
        // The only kicker stays: Release is not offered, and a click does nothing.
        Choose_Dialog_Line(dialog, DEPTH_STARTER_LIST, 0);
        EXPECT_FALSE(Is_Enabled(dialog, DEPTH_RELEASE));
        Click_Dialog_Button(dialog, DEPTH_RELEASE);
        EXPECT_TRUE(Is_Player_Slot_Used(USER, kicker));
        // A computer team's returner is not the user's to choose outside Commissioner Mode.
        Choose_Dialog_Line(dialog, TEAM_SELECTOR, OTHER);
        const int32_t returner = Get_Team_Returner(OTHER, 1);
        const int32_t shown = Get_Dialog_Line(dialog, PUNT_RETURNER_COMBO);
        Choose_Dialog_Line(dialog, PUNT_RETURNER_COMBO, shown == 0 ? 1 : 0);
        EXPECT_EQ(Get_Team_Returner(OTHER, 1), returner);
        EXPECT_EQ(Get_Dialog_Line(dialog, PUNT_RETURNER_COMBO), shown) << "the box shows him again";
        for (int32_t id : {DEPTH_STARTER_UP, DEPTH_STARTER_DOWN, DEPTH_RELEASE, DEPTH_AUTO_SORT})
            EXPECT_FALSE(Is_Enabled(dialog, id)) << id;
        EXPECT_TRUE(Is_Enabled(dialog, DEPTH_STARTER_SCOUTING)) << "only Scouting stays";
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, SPECIAL_TEAMS_DIALOG, 0), 1);

    // A team without eligible returners: two empty boxes, no assertion box.
    for (int32_t slot = PLAYERS_PER_TEAM - 1; slot >= 0; --slot)
        if (Is_Eligible_Returner(USER, slot)) Remove_Player(USER, slot);
    ASSERT_EQ(Count_Eligible_Returners(USER), 0);
    EXPECT_EQ(Get_Eligible_Returner(USER, 0), -1);
    Set_User_Preference(VIEWED_TEAM, USER);
    Clear_Shown_Messages();
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        for (int32_t id : {KICK_RETURNER_COMBO, PUNT_RETURNER_COMBO}) {
            EXPECT_EQ(Count_Dialog_Lines(dialog, id), 0);
            EXPECT_FALSE(Is_Enabled(dialog, id));
        }
        EXPECT_FALSE(Is_Enabled(dialog, KICK_RETURNER_SCOUTING));
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, SPECIAL_TEAMS_DIALOG, 0);
    EXPECT_TRUE(Get_Shown_Messages().empty());
}

TEST_F(DepthChartDialogs, ReturnerRowsShowTheirReturnsWhenThereAreAny) {
    const int32_t receiver = Test_League_Slot(POSITION_WR, 0);
    Set_User_Preference(STAT_SEASON_CHOICE, 0);
    char row[DEPTH_ROW_SIZE];
    Format_Returner_Row(USER, receiver, row, 0);
    const std::string name = row;
    EXPECT_EQ(name.substr(name.size() - 5), "(WR) ") << "a returner without returns: name and position only";
    Set_Player_Stat(USER, receiver, 0, 14, 4);
    Set_Player_Stat(USER, receiver, 0, 15, 101);
    ASSERT_EQ(Get_Player_Stat(USER, receiver, 0, 118), 253) << "tenths of a yard";
    Format_Returner_Row(USER, receiver, row, 0);
    EXPECT_EQ(std::string(row), name + "4 Kick Returns - 25.3 Yard Avg.");
}

// Any run of Up, Down, Swap, Release and Auto-Sort keeps every player once,
// the units grouped, and each row showing the slot it names.
TEST_F(DepthChartDialogs, MovesNeverLoseOrDoublePlayers) {
    Script_Message_Answer("Release Player?", ID_BOX_YES);
    Script_Message_Answer("Release Player?", ID_BOX_YES);
    const std::vector<int32_t> ids = Roster_Ids(USER);
    for (int32_t page : {OFFENSE_DIALOG, DEFENSE_DIALOG}) {
        Script_Dialog_Step([page](WINDOW_HANDLE dialog) {
            std::mt19937 draw(page);
            const int32_t buttons[] = {DEPTH_STARTER_UP,   DEPTH_STARTER_DOWN, DEPTH_RESERVE_UP,
                                       DEPTH_RESERVE_DOWN, DEPTH_SWAP,         DEPTH_RELEASE,
                                       DEPTH_AUTO_SORT};
            void (*format)(int32_t, int32_t, char*) =
                page == OFFENSE_DIALOG ? Format_Depth_Chart_Row : Format_Defense_Depth_Row;
            for (int32_t step = 0; step < 60; ++step) {
                for (int32_t list : {DEPTH_STARTER_LIST, DEPTH_RESERVE_LIST}) {
                    const int32_t lines = Count_Dialog_Lines(dialog, list);
                    if (lines > 0) Choose_Dialog_Line(dialog, list, static_cast<int32_t>(draw() % lines));
                }
                Click_Dialog_Button(dialog, buttons[draw() % 7]);
                Expect_Grouped_And_Compact(USER);
                Expect_Rows_Name_Their_Slots(dialog, DEPTH_STARTER_LIST, format);
                Expect_Rows_Name_Their_Slots(dialog, DEPTH_RESERVE_LIST, format);
                EXPECT_EQ(Count_Dialog_Lines(dialog, DEPTH_STARTER_LIST), 11);
            }
            Press_Escape(dialog);
        });
        EXPECT_EQ(Do_Dialog(Main_Window, page, 0), 1);
    }
    // Each player is on the roster once, or was released to the free agents.
    std::map<int32_t, int32_t> seen;
    for (int32_t id : Roster_Ids(USER))
        ++seen[id];
    const std::vector<int32_t> free_agents = Roster_Ids(FREE_AGENT_TEAM);
    for (int32_t id : ids) {
        const bool released = std::count(free_agents.begin(), free_agents.end(), id) == 1;
        EXPECT_EQ(seen[id] + (released ? 1 : 0), 1) << "player " << id;
        seen.erase(id);
    }
    EXPECT_TRUE(seen.empty()) << "nobody joined the roster";
    EXPECT_EQ(Get_First_Empty_Player_Slot(USER), Get_Depth_Chart_Minimum_Roster(USER))
        << "Release stops at the minimum roster";
}

TEST_F(DepthChartDialogs, PagesSwitchEditAndKeepTheOrderThroughASave) {
    Set_Player_Stat(USER, 0, SEASON_THIS, 0, 12);
    Set_Player_Stat(USER, 0, SEASON_THIS, 1, 12);
    Set_Player_Stat(USER, 0, SEASON_THIS, 2, 401);
    Set_Player_Stat(USER, 0, SEASON_THIS, 3, 262);
    Set_Player_Stat(USER, 0, SEASON_THIS, 5, 3012);
    Set_Player_Stat(USER, 0, SEASON_THIS, 6, 21);
    const int32_t second = Get_Player_ID(USER, 1);
    const int32_t first = Get_Player_ID(USER, 0);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Window_Text(dialog).rfind("Offense (2020 ", 0), 0u) << Get_Window_Text(dialog);
        EXPECT_EQ(Count_Dialog_Lines(dialog, DEPTH_STARTER_LIST), 11);
        Choose_Dialog_Line(dialog, DEPTH_STARTER_LIST, 1);
        EXPECT_TRUE(Is_Enabled(dialog, DEPTH_STARTER_UP));
        Click_Dialog_Button(dialog, DEPTH_STARTER_UP);
        EXPECT_EQ(Get_Dialog_Line(dialog, DEPTH_STARTER_LIST), 0) << "the moved row stays chosen";
        EXPECT_FALSE(Is_Enabled(dialog, DEPTH_STARTER_UP)) << "nothing moves above the first row";
        Choose_Dialog_Line(dialog, PERSONNEL_COMBO, 2);
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, DEPTH_LINEUP_LABELS).substr(0, 12), "QB\nRB\nTE\nTE\n");
        Choose_Dialog_Line(dialog, BALANCE_COMBO, 14);
        Keep_Dialog_Picture(dialog, "offense");
        Click_Dialog_Button(dialog, DEPTH_DEFENSE_BUTTON);
    });
    // Each page opens in place of the one before: never more than two dialogs deep.
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Dialog_Template_Id(dialog), DEFENSE_DIALOG);
        EXPECT_LE(Get_Open_Modal_Dialogs().size(), 2u);
        Choose_Dialog_Line(dialog, SCHEME_COMBO, 1);
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, DEPTH_LINEUP_LABELS).substr(0, 9), "DE\nNT\nDE\n");
        Keep_Dialog_Picture(dialog, "defense");
        Click_Dialog_Button(dialog, DEPTH_SPECIAL_TEAMS_BUTTON);
    });
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Dialog_Template_Id(dialog), SPECIAL_TEAMS_DIALOG);
        EXPECT_LE(Get_Open_Modal_Dialogs().size(), 2u);
        Keep_Dialog_Picture(dialog, "special_teams");
        Click_Dialog_Button(dialog, DEPTH_OFFENSE_BUTTON);
    });
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Dialog_Template_Id(dialog), OFFENSE_DIALOG);
        EXPECT_LE(Get_Open_Modal_Dialogs().size(), 2u);
        Click_Dialog_Button(dialog, ID_OK);
    });
    Script_Message_Answer("Load matching playbook?", ID_BOX_NO);
    EXPECT_EQ(Do_Dialog(Main_Window, OFFENSE_DIALOG, 0), 1);
    EXPECT_TRUE(Get_Open_Modal_Dialogs().empty());
    EXPECT_EQ(Get_Player_ID(USER, 0), second);
    EXPECT_EQ(Get_Player_ID(USER, 1), first);
    EXPECT_EQ(Get_Team_Stat(USER, TEAM_STAT_OFFENSIVE_SYSTEM), 2);
    EXPECT_EQ(Get_Team_Stat(USER, TEAM_STAT_OFFENSIVE_BALANCE), 14);
    EXPECT_EQ(Get_Team_Stat(USER, TEAM_STAT_DEFENSIVE_SYSTEM), 1);

    ASSERT_EQ(Save_Game("depth.kor", nullptr), SAVE_OK);
    Build_Test_League();
    ASSERT_EQ(Load_Game("depth.kor"), 1);
    std::filesystem::remove("depth.kor");
    EXPECT_EQ(Get_Player_ID(USER, 0), second);
    EXPECT_EQ(Get_Player_ID(USER, 1), first);
    EXPECT_EQ(Get_Team_Stat(USER, TEAM_STAT_OFFENSIVE_BALANCE), 14);
    EXPECT_EQ(Get_Team_Stat(USER, TEAM_STAT_DEFENSIVE_SYSTEM), 1);
}

TEST_F(DepthChartDialogs, MisplacedStarterIsToldOnDoneButNotOnEscape) {
    // The test roster stands in position order: its second offensive row is a quarterback.
    Script_Dialog_Step([](WINDOW_HANDLE dialog) { Press_Escape(dialog); });
    Do_Dialog(Main_Window, OFFENSE_DIALOG, 0);
    EXPECT_TRUE(Get_Shown_Messages().empty());
    Script_Dialog_Step([](WINDOW_HANDLE dialog) { Click_Dialog_Button(dialog, ID_OK); });
    Do_Dialog(Main_Window, OFFENSE_DIALOG, 0);
    ASSERT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "Warning: Position Mismatch");
    EXPECT_NE(Get_Shown_Messages()[0].Text.find("have an unsuitable starting player at Running Back"),
              std::string::npos)
        << Get_Shown_Messages()[0].Text;
    // "Tell me more" opens the page's help; a computer team's page warns of nothing.
    Script_Message_Answer("Warning: Position Mismatch", ID_BOX_NO);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) { Click_Dialog_Button(dialog, ID_OK); });
    Do_Dialog(Main_Window, DEFENSE_DIALOG, 0);
    ASSERT_FALSE(Get_Shell_Requests().empty());
    EXPECT_NE(Get_Shell_Requests().back().Target.find("defense.htm"), std::string::npos);
    Clear_Shown_Messages();
    Set_User_Preference(VIEWED_TEAM, OTHER);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) { Click_Dialog_Button(dialog, ID_OK); });
    Do_Dialog(Main_Window, OFFENSE_DIALOG, 0);
    EXPECT_TRUE(Get_Shown_Messages().empty());
}

namespace {
// The roads on which a report opened from a depth-chart page steps back with
// Previous to the player in the slot before the scouted one and releases him
// there, so that the roster closes up under the page's rows.
struct DEPTH_ROAD {
    int32_t Scouted_Id = 0;
    int32_t Released_Id = 0;
    int32_t After_Id = 0;
};

int32_t Line_Of_Slot(WINDOW_HANDLE dialog, int32_t list, int32_t slot) {
    const WINDOW_HANDLE control = Get_Dialog_Item(dialog, list);
    for (int32_t line = 0; line < List_Box_Get_Count(control); ++line)
        if (List_Box_Get_Item_Data(control, line) == slot) return line;
    return -1;
}

// Chooses the row of `list` showing `slot`, opens its report with `scouting`
// (0: a double click on the row), and there releases the player before him
// with Previous and Release.
DEPTH_ROAD Release_The_Player_Before_From_Report(WINDOW_HANDLE dialog, int32_t list, int32_t slot,
                                                 int32_t scouting) {
    const DEPTH_ROAD road{Get_Player_ID(USER, slot), Get_Player_ID(USER, slot - 1),
                          Get_Player_ID(USER, slot + 1)};
    EXPECT_GE(Line_Of_Slot(dialog, list, slot - 1), 0) << "the player before him is on the same list";
    Choose_Dialog_Line(dialog, list, Line_Of_Slot(dialog, list, slot));
    Script_Dialog_Step(Release_The_Player_Before);
    if (scouting != 0)
        Click_Dialog_Button(dialog, scouting);
    else
        Double_Click_Dialog_Line(dialog, list);
    EXPECT_EQ(Team_Of_Player(road.Released_Id), FREE_AGENT_TEAM) << "released from the report";
    return road;
}

// Another kicker and punter behind the roster's own, `pairs` times, with
// ids of their own; the first one's slot.
int32_t Add_Kicking_Pairs(int32_t pairs) {
    const int32_t first = Get_First_Empty_Player_Slot(USER);
    for (int32_t n = 0; n < 2 * pairs; ++n) {
        Copy_Player(USER, first + n, USER, Test_League_Slot(n % 2 == 0 ? POSITION_K : POSITION_P, 0));
        Set_Player_Vital_Stat(USER, first + n, VITAL_PLAYER_ID, 920000 + n);
    }
    return first;
}

// Release on the page, on the row still selected: it releases the scouted
// player, and the one who moved into his old slot stays.
void Release_From_The_Page(WINDOW_HANDLE dialog, const DEPTH_ROAD& road) {
    Script_Message_Answer("Release Player?", ID_BOX_YES);
    Click_Dialog_Button(dialog, DEPTH_RELEASE);
    EXPECT_EQ(Team_Of_Player(road.Scouted_Id), FREE_AGENT_TEAM) << "the scouted player was released";
    EXPECT_EQ(Team_Of_Player(road.After_Id), USER) << "the player who moved into his slot stays";
    Click_Dialog_Button(dialog, ID_OK);
}
} // namespace

// Scouting on a reserve of the offence and of the defence, or a double click
// on his row, the report stepped back to the reserve before him, who is
// released there: Release on the page releases the scouted player.
TEST_F(DepthChartDialogs, AReleaseInAReservesReportLeavesTheRowOnTheScoutedPlayer) {
    Add_Kicking_Pairs(4); // room for eight releases above the minimum roster
    for (int32_t page : {OFFENSE_DIALOG, DEFENSE_DIALOG})
        for (int32_t opener : {DEPTH_RESERVE_SCOUTING, 0}) {
            SCOPED_TRACE(page == OFFENSE_DIALOG ? "Offense" : "Defense");
            SCOPED_TRACE(opener != 0 ? "Scouting" : "double click");
            DEPTH_ROAD road;
            Script_Dialog_Step([&road, opener](WINDOW_HANDLE dialog) {
                const int32_t slot = static_cast<int32_t>(
                    List_Box_Get_Item_Data(Get_Dialog_Item(dialog, DEPTH_RESERVE_LIST), 3));
                road = Release_The_Player_Before_From_Report(dialog, DEPTH_RESERVE_LIST, slot, opener);
                Release_From_The_Page(dialog, road);
            });
            Do_Dialog(Main_Window, page, 0);
        }
}

// The kicking list holds two kickers and two punters. Scouting on the
// second kicker, the report stepped back to the punter before him, who is
// released there: Release on the page releases that kicker.
TEST_F(DepthChartDialogs, AReleaseInAKickersReportLeavesTheRowOnTheScoutedKicker) {
    const int32_t count = Add_Kicking_Pairs(1);
    ASSERT_EQ(Get_Player_Vital_Stat(USER, count - 1, VITAL_POSITION), POSITION_P);
    DEPTH_ROAD road;
    Script_Dialog_Step([&road, count](WINDOW_HANDLE dialog) {
        road =
            Release_The_Player_Before_From_Report(dialog, DEPTH_STARTER_LIST, count, DEPTH_STARTER_SCOUTING);
        Release_From_The_Page(dialog, road);
    });
    Do_Dialog(Main_Window, SPECIAL_TEAMS_DIALOG, 0);
}

// Offense and Defense open at their designed height, the reserves in a list
// that scrolls; choosing a team then fits the list to its rows. A page opened
// on a pool groups its roster by unit too; the Hall of Fame keeps its order.
TEST_F(DepthChartDialogs, PagesOpenAtTheirDesignedHeightAndGroupAnyViewedRoster) {
    auto height = [](const RECT_AREA& rect) { return rect.Bottom - rect.Top; };
    // Two more receivers, so that both reserve lists hold more than they show.
    const int32_t count = Get_First_Empty_Player_Slot(USER);
    for (int32_t n = 0; n < 2; ++n)
        Copy_Player(USER, count + n, USER, Test_League_Slot(POSITION_WR, 0));
    for (const int32_t page : {OFFENSE_DIALOG, DEFENSE_DIALOG}) {
        SCOPED_TRACE(page == OFFENSE_DIALOG ? "Offense" : "Defense");
        Set_User_Preference(VIEWED_TEAM, USER);
        Script_Dialog_Step([&height](WINDOW_HANDLE dialog) {
            RECT_AREA opened{}, list{};
            Get_Window_Rect(dialog, &opened);
            EXPECT_EQ(height(opened), height(Depth_Chart_Layout.Captured_Rect)) << "the designed height";
            Get_Dialog_Item_Rect(dialog, DEPTH_RESERVE_LIST, &list);
            const int32_t shown = height(list) / std::max(1, height(Depth_Chart_Layout.Unit_Rect));
            EXPECT_GT(Count_Dialog_Lines(dialog, DEPTH_RESERVE_LIST), shown) << "more reserves than it shows";
            Keep_Dialog_Picture(dialog, Get_Dialog_Template_Id(dialog) == OFFENSE_DIALOG ? "offense_opened"
                                                                                         : "defense_opened");
            Choose_Dialog_Line(dialog, TEAM_SELECTOR, USER);
            RECT_AREA fitted{};
            Get_Window_Rect(dialog, &fitted);
            EXPECT_GT(height(fitted), height(opened)) << "a team chosen fits the list to its rows";
            Press_Escape(dialog);
        });
        Do_Dialog(Main_Window, page, 0);
    }
    // A kicker, a quarterback and a linebacker, in that order.
    for (const int32_t team : {FREE_AGENT_TEAM, HALL_OF_FAME_TEAM}) {
        Copy_Player(team, 0, USER, Test_League_Slot(POSITION_K, 0));
        Copy_Player(team, 1, USER, Test_League_Slot(POSITION_QB, 0));
        Copy_Player(team, 2, USER, Test_League_Slot(POSITION_LB, 0));
    }
    const std::vector<int32_t> members = Roster_Ids(HALL_OF_FAME_TEAM);
    for (const int32_t team : {FREE_AGENT_TEAM, HALL_OF_FAME_TEAM}) {
        Set_User_Preference(VIEWED_TEAM, team);
        Script_Dialog_Step([](WINDOW_HANDLE dialog) { Press_Escape(dialog); });
        Do_Dialog(Main_Window, OFFENSE_DIALOG, 0);
    }
    Expect_Grouped_And_Compact(FREE_AGENT_TEAM);
    EXPECT_EQ(Get_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_POSITION), POSITION_QB);
    EXPECT_EQ(Roster_Ids(HALL_OF_FAME_TEAM), members) << "the Hall of Fame keeps its order";
}

// The welcome screen measures its 400-unit picture against 512 pixels, 1,172
// per mille: the rows of a page stand where they stand before it, under the
// headings laid out in the dialog's units.
TEST_F(DepthChartDialogs, ColumnsStayUnderTheirHeadingsWhateverTheWelcomeScreenMeasured) {
    const int32_t factors[2] = {0, 1172};
    std::vector<uint32_t> rows[2];
    for (int32_t k = 0; k < 2; ++k) {
        Dialog_Scale_Factor = factors[k];
        Set_User_Preference(VIEWED_TEAM, USER);
        Script_Dialog_Step([&rows, k](WINDOW_HANDLE dialog) {
            Keep_Dialog_Picture(dialog, k == 0 ? "offense_unscaled" : "offense_after_welcome");
            DRAWING_SURFACE picture{};
            Render_Window(Get_Dialog_Item(dialog, DEPTH_STARTER_LIST), &picture);
            rows[k] = picture.Pixels;
            Press_Escape(dialog);
        });
        Do_Dialog(Main_Window, OFFENSE_DIALOG, 0);
    }
    Dialog_Scale_Factor = 0;
    ASSERT_FALSE(rows[0].empty());
    EXPECT_TRUE(rows[0] == rows[1]) << "the starters' columns moved with the welcome screen's measure";
}

// How well a playbook suits the offensive system: the mean match of its 54
// plays and the 6 built-in ones, rounded (sum + 30) / 60, and the count of
// plays that match at 800 or more.
TEST_F(DepthChartDialogs, PlaybookSystemMatchIsTheRoundedMeanOfSixtyPlays) {
    Set_Team_Stat(USER, TEAM_STAT_OFFENSIVE_SYSTEM, 0);
    OFFENSIVE_PLAYBOOK* book = Get_Team_Offensive_Playbook(USER);
    int32_t built_in = 0, built_in_good = 0;
    for (int32_t play = STORED_OFFENSIVE_PLAYS; play < OFFENSIVE_PLAYS; ++play) {
        const int32_t match =
            Get_Offensive_Formation_System_Match(0, Get_Offensive_Play_Formation(USER, play));
        built_in += match;
        built_in_good += match >= 800 ? 1 : 0;
    }
    // System 0: formation 4 matches at 700, formation 1 at 1750, formation 0 at 1500.
    for (int32_t play = 0; play < STORED_OFFENSIVE_PLAYS; ++play)
        book->Plays[play].Formation = play == 0 ? 1 : 4;
    const int32_t sum = 1750 + 53 * 700 + built_in;
    EXPECT_EQ(Get_Playbook_System_Match(USER), (sum + 30) / 60);
    EXPECT_EQ(Count_Playbook_System_Matches(USER), 1 + built_in_good);
    book->Plays[1].Formation = 0;
    EXPECT_EQ(Get_Playbook_System_Match(USER), (sum + 800 + 30) / 60);
    EXPECT_EQ(Count_Playbook_System_Matches(USER), 2 + built_in_good) << "1,500 counts";
    // Under system 1 formation 4 matches at 1000.
    Set_Team_Stat(USER, TEAM_STAT_OFFENSIVE_SYSTEM, 1);
    EXPECT_GE(Count_Playbook_System_Matches(USER), 52);
    char name[FORMATTED_TEXT_SIZE];
    const char* names[] = {"Default", "Single Back", "Double Tight End", "West Coast Power Run", ""};
    for (int32_t index = 0; index < 5; ++index) {
        Get_Playbook_System_Name(name, index);
        EXPECT_STREQ(name, names[index]) << index;
    }
    Get_Playbook_System_Name(name, -1);
    EXPECT_STREQ(name, "");
}

TEST_F(DepthChartDialogs, ADefensiveFormationMatchesFullyAtAThousand) {
    EXPECT_TRUE(Is_Defensive_Formation_Full_Match(0, FULL_4_3_FORMATION));
    EXPECT_FALSE(Is_Defensive_Formation_Full_Match(1, FULL_4_3_FORMATION));
    EXPECT_TRUE(Is_Defensive_Formation_Full_Match(1, FULL_3_4_FORMATION));
    EXPECT_FALSE(Is_Defensive_Formation_Full_Match(0, FULL_3_4_FORMATION));
    EXPECT_FALSE(Is_Defensive_Formation_Full_Match(0, 28)) << "700 is no full match";
    EXPECT_FALSE(Is_Defensive_Formation_Full_Match(1, 38)) << "500 neither";
    EXPECT_FALSE(Is_Defensive_Formation_Full_Match(0, -1)) << "an empty play";
    EXPECT_FALSE(Is_Defensive_Formation_Full_Match(2, FULL_4_3_FORMATION)) << "no third scheme";
    // The special teams row is the depth charts' row, games for kickers.
    const int32_t kicker = Test_League_Slot(POSITION_K, 0);
    char row[DEPTH_ROW_SIZE], depth[DEPTH_ROW_SIZE];
    Format_Special_Teams_Row(USER, kicker, row);
    Format_Depth_Chart_Row(USER, kicker, depth);
    EXPECT_STREQ(row, depth);
}
