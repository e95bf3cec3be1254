#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "app/team_lists.h"
#include "database/cities.h"
#include "database/game_names.h"
#include "database/game_queries.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/playoff_bracket.h"
#include "database/random_numbers.h"
#include "database/saved_game.h"
#include "database/schedule_entries.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_operations.h"
#include "database/team_record.h"
#include "database/team_results.h"
#include "database/universe.h"
#include "dialogs/city_editor_dialog.h"
#include "dialogs/league_editor_dialog.h"
#include "dialogs/stadium_editor_dialog.h"
#include "dialogs/stadium_value.h"
#include "editor_dialogs_fixture.h"
#include "frontoffice/finance_stats.h"
#include "personnel/draft_pool.h"
#include "personnel/draft_pool_players.h"
#include "personnel/draft_state.h"
#include "personnel/player_generation.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/message_box.h"
#include "platform/scripted_answers.h"
#include "platform/windows.h"
#include "season/game_start.h"
#include "season/league_rules.h"
#include "season/off_season.h"
#include "season/playoff_seeding.h"
#include "season/season_calendar.h"
#include "season/week_advance.h"
#include "views/standings_texts.h"

namespace {
constexpr int32_t USER = USER_TEAM_SLOT;
constexpr int32_t OTHER = COMPUTER_TEAM_SLOT;

class LeagueEditors : public EditorDialogsTest {
  protected:
    void SetUp() override {
        EditorDialogsTest::SetUp();
        Set_User_Preference(COMMISSIONER_MODE, 1);
        Set_User_Preference(CURRENT_WEEK, 0);
        const std::string path = std::string(KORVA_DATA_DIR) + "/Cities.txt";
        FILE* file = std::fopen(path.c_str(), "r");
        ASSERT_NE(file, nullptr);
        char error[256] = "";
        cities = Read_Cities_File(file, Universe.Cities, error, sizeof error);
        std::fclose(file);
        ASSERT_GT(cities, TEST_LEAGUE_TEAMS) << error;
        for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
            Set_Team_Stat(team, TEAM_STAT_HOME_CITY, team);
    }
    int32_t cities = 0;
};

bool Was_Told(const std::string& caption, const std::string& part) {
    for (const SHOWN_MESSAGE& message : Get_Shown_Messages())
        if (message.Caption == caption && message.Text.find(part) != std::string::npos) return true;
    return false;
}

void Put_In_Division(int32_t first_team, int32_t count, int32_t division) {
    for (int32_t team = first_team; team < first_team + count; ++team)
        Set_Team_Stat(team, TEAM_STAT_DIVISION, division);
}

int32_t Largest_Division() {
    int32_t most = 0;
    for (int32_t division = 0; division < NUMBER_OF_DIVISIONS; ++division)
        most = std::max(most, Count_Division_Teams(division));
    return most;
}
} // namespace

TEST(LeagueEditorRules, AChosenFanLoyaltyGradeShowsAgain) {
    for (int32_t grade = 0; grade < 13; ++grade)
        EXPECT_EQ(Get_Fan_Loyalty_Grade(Get_Fan_Support_Of_Grade(grade)), grade);
    EXPECT_EQ(Get_Fan_Loyalty_Grade(1000), 8);
}

TEST(LeagueEditorRules, SeasonLengthStaysLegal) {
    char message[TEXT_BUFFER_SIZE];
    EXPECT_EQ(Legal_Games_Per_Season(15, 32, message), 14);
    EXPECT_STREQ(message,
                 "The number of games per season must be even.\n\n'Season Games' has been set to 14.");
    EXPECT_EQ(Legal_Games_Per_Season(16, 32, message), 16);
    EXPECT_STREQ(message, "");
    EXPECT_EQ(Legal_Games_Per_Season(17, 32, message), 17);
    EXPECT_STREQ(message, "");
    EXPECT_EQ(Legal_Games_Per_Season(17, 30, message), 16);
    EXPECT_STREQ(message,
                 "The 17-game schedule can only be used for leagues with 32 teams.\n\n'Games per season' has "
                 "been set to 16.");
    EXPECT_EQ(Legal_Games_Per_Season(3, 12, message), 4);
    EXPECT_EQ(Legal_Games_Per_Season(4000000000LL, 32, message), 17) << "a huge number does not wrap";
    EXPECT_NE(std::string(message).find("no more than 17 games"), std::string::npos);
}

TEST_F(LeagueEditors, WildCardsFitTheDivisions) {
    char messages[NUMBER_OF_LEAGUES][TEXT_BUFFER_SIZE];
    EXPECT_EQ(Legal_Wild_Card_Teams(5, messages), 4) << "two leagues of four divisions";
    EXPECT_STREQ(messages[0], "Conferences with 4 divisions cannot have more than 4 wild card teams.");
    EXPECT_STREQ(messages[1], "") << "the second league takes the 4 the first left";
    // Three divisions a league: at least one wild card.
    Put_In_Division(12, 4, 2);
    Put_In_Division(28, 4, 6);
    ASSERT_EQ(Count_League_Divisions(0), 3);
    EXPECT_EQ(Legal_Wild_Card_Teams(0, messages), 1);
    EXPECT_STREQ(messages[0], "Conferences with 3 divisions must have at least 1 wild card team.");
    EXPECT_STREQ(messages[1], "");
}

// Outside Commissioner Mode "All Human" and "All CPU" stay open and act. When
// both leagues correct the wild cards, each correction is told, in league
// order, and the second league's stands.
TEST_F(LeagueEditors, ControlButtonsActOutsideCommissionerModeAndEachLeaguesWildCardFixIsTold) {
    Set_User_Preference(COMMISSIONER_MODE, 0);
    // League 0 of two divisions (no wild card), league 1 of three (at least one).
    Put_In_Division(8, 4, 0);
    Put_In_Division(12, 4, 1);
    Put_In_Division(28, 4, 6);
    ASSERT_EQ(Count_League_Divisions(0), 2);
    ASSERT_EQ(Count_League_Divisions(1), 3);
    Script_Message_Answer("Team Editing Disabled", ID_BOX_NO);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_TRUE(Is_Window_Enabled(Get_Dialog_Item(dialog, ALL_HUMAN_BUTTON)));
        EXPECT_TRUE(Is_Window_Enabled(Get_Dialog_Item(dialog, ALL_CPU_BUTTON)));
        Script_Message_Answer("Human Control", ID_BOX_YES);
        Click_Dialog_Button(dialog, ALL_HUMAN_BUTTON);
        EXPECT_EQ(Count_Human_Teams(), TEST_LEAGUE_TEAMS) << "every team is the user's";
        EXPECT_EQ(Get_User_Team(), USER);
        Type_Dialog_Text(dialog, WILD_CARDS_EDIT, "2");
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, LEAGUE_EDITOR_DIALOG, 0), 1);
    EXPECT_EQ(Get_User_Preference(COMMISSIONER_MODE), 0);
    std::vector<std::string> told;
    for (const SHOWN_MESSAGE& message : Get_Shown_Messages())
        if (message.Caption == "Invalid Entry") told.push_back(message.Text);
    ASSERT_EQ(told.size(), 2u) << "one message a league";
    EXPECT_EQ(told[0], "Conferences with 2 divisions cannot have more than 0 wild card team.");
    EXPECT_EQ(told[1], "Conferences with 3 divisions must have at least 1 wild card team.");
    EXPECT_EQ(Get_Universe_Stat(WILD_CARD_TEAMS), 1);
}

TEST_F(LeagueEditors, LeagueAndTeamEditsAreCheckedStoredAndSaved) {
    // Owner Mode: the cash and fan loyalty the editor sets are the team's own.
    Set_User_Preference(OWNER_MODE, 1);
    Set_Universe_Stat(2);
    Script_Message_Answer("Start Year", ID_BOX_OK);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Type_Dialog_Text(dialog, LEAGUE_NAME_EDITS[0], "AFC");
        Type_Dialog_Text(dialog, DIVISION_NAME_EDITS[1], "North");
        Type_Dialog_Text(dialog, SALARY_CAP_EDIT, "$150,000,000");
        Type_Dialog_Text(dialog, INFLATION_EDIT, "3500");
        Type_Dialog_Text(dialog, START_YEAR_EDIT, "1850");
        Choose_Dialog_Line(dialog, KICKOFF_COMBO, 2);
        Choose_Dialog_Line(dialog, OVERTIME_LENGTH_COMBO, 1);
        Choose_Dialog_Line(dialog, SALARY_DEMANDS_COMBO, 12);
        Click_Dialog_Button(dialog, TWO_POINT_BOX);
        Choose_Dialog_Line(dialog, PLAYOFF_OVERTIME_COMBO, 0);
        EXPECT_EQ(Get_Dialog_Line(dialog, PLAYOFF_OVERTIME_COMBO), 2) << "playoff games cannot end in a tie";
        Type_Dialog_Text(dialog, TEAM_NICKNAME_EDIT, "Comets");
        Type_Dialog_Text(dialog, TEAM_ABBREVIATION_EDIT, "BOS");
        Choose_Dialog_Line(dialog, TEAM_LOYALTY_COMBO, 3);
        Type_Dialog_Text(dialog, TEAM_CASH_EDIT, "$2,500,000");
        Type_Dialog_Text(dialog, TEAM_WINS_EDIT, "9");
        Type_Dialog_Text(dialog, TEAM_LOSSES_EDIT, "128");
        Type_Dialog_Text(dialog, TEAM_GM_EDIT, "Pat Doe");
        Keep_Dialog_Picture(dialog, "league_editor");
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, LEAGUE_EDITOR_DIALOG, 0), 1);
    EXPECT_EQ(Get_Universe_Stat(SALARY_CAP), 150000000);
    EXPECT_EQ(Get_Universe_Stat(INFLATION_FACTOR), 3000);
    EXPECT_TRUE(Was_Told("Inflation Ratio", "cannot be higher than 3000. It is being set to 3000."));
    EXPECT_EQ(Get_Universe_Stat(BASE_YEAR), TEST_BASE_YEAR) << "1850 is before the league's rules";
    EXPECT_TRUE(Was_Told("Invalid Entry", "Start Year must be a whole number from 1920 to 2100"));
    EXPECT_TRUE(Was_Told("Invalid Entry", "Losses must be a whole number from 0 to 127"));
    EXPECT_TRUE(Was_Told("Illegal Option", "Playoff games cannot end in a tie."));
    EXPECT_EQ(Get_User_Preference(KICKOFF_SPOT_CODE), 2);
    EXPECT_EQ(Get_User_Preference(OVERTIME_MINUTES), 10);
    EXPECT_EQ(Get_Universe_Stat(SALARY_DEMANDS_PERCENT), 20);
    EXPECT_EQ(Get_User_Preference(PLAYOFF_OVERTIME_RULE), 2);
    EXPECT_EQ(Get_User_Preference(TWO_POINT_CONVERSION_RULE), 1);
    const int32_t team = Get_User_Team();
    char text[FORMATTED_TEXT_SIZE] = "";
    Get_Team_String(text, team, 0);
    EXPECT_STREQ(text, "BOS");
    EXPECT_EQ(Get_Team_Financial_Stat(team, FINANCIAL_STAT_CASH), 2500000);
    EXPECT_EQ(Get_Fan_Loyalty_Grade(Get_Team_Financial_Stat(team, FINANCE_FAN_LOYALTY)), 3);
    EXPECT_EQ(Get_Team_Wins(team), 9);
    EXPECT_EQ(Get_Team_Losses(team), 0) << "128 losses do not fit the record";

    ASSERT_EQ(Save_Game("league.kor", nullptr), SAVE_OK);
    Build_Test_League();
    ASSERT_EQ(Load_Game("league.kor"), 1);
    std::filesystem::remove("league.kor");
    EXPECT_EQ(Get_Universe_Stat(SALARY_CAP), 150000000);
    char league[FORMATTED_TEXT_SIZE] = "", division[FORMATTED_TEXT_SIZE] = "";
    Get_League_Name(0, league);
    Get_Division_Name(1, division);
    EXPECT_STREQ(league, "AFC");
    EXPECT_STREQ(division, "North");
    Get_Team_String(text, team, 5);
    EXPECT_STREQ(text, "Pat Doe");

    // A start year the rules cover is taken after the question.
    Script_Message_Answer("Start Year", ID_BOX_OK);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Type_Dialog_Text(dialog, START_YEAR_EDIT, "1994");
        Type_Dialog_Text(dialog, INFLATION_EDIT, "0");
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, LEAGUE_EDITOR_DIALOG, 0);
    EXPECT_TRUE(Was_Told("Invalid Entry", "Inflation Factor must be a whole number of at least 1"));
    EXPECT_GE(Get_Universe_Stat(INFLATION_FACTOR), 1);
    EXPECT_EQ(Get_Universe_Stat(BASE_YEAR), 1994);
    EXPECT_EQ(Get_Current_Season_Index(), 0);
}

TEST_F(LeagueEditors, NewTeamsShortenTheSeasonAndJoinADivisionWithRoom) {
    Store_Universe_Stat(GAMES_PER_SEASON, 17);
    // Division 0 is full; its league has room for one more team.
    Put_In_Division(0, 13, 0);
    Put_In_Division(13, 4, 1);
    Put_In_Division(17, 12, 4);
    Put_In_Division(29, 3, 5);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Script_Message_Answer("Add New Team", ID_BOX_NO);
        Click_Dialog_Button(dialog, ADD_TEAM_BUTTON);
        EXPECT_EQ(Count_Active_Teams(), 32) << "Abort adds nothing";
        EXPECT_EQ(Get_Universe_Stat(GAMES_PER_SEASON), 17);
        Script_Message_Answer("Add New Team", ID_BOX_YES);
        Click_Dialog_Button(dialog, ADD_TEAM_BUTTON);
        EXPECT_EQ(Count_Active_Teams(), 33);
        EXPECT_EQ(Get_Universe_Stat(GAMES_PER_SEASON), 16);
        EXPECT_EQ(Get_Team_Division(Get_User_Preference(VIEWED_TEAM)), 1) << "the first division with room";
        EXPECT_LE(Largest_Division(), 13);
        Click_Dialog_Button(dialog, ADD_TEAM_BUTTON);
        Script_Message_Answer("Add New Team", ID_BOX_YES);
        Click_Dialog_Button(dialog, ADD_TEAM_BUTTON);
        EXPECT_EQ(Count_Active_Teams(), 35);
        EXPECT_EQ(Get_Universe_Stat(GAMES_PER_SEASON), 14);
        Click_Dialog_Button(dialog, ADD_TEAM_BUTTON);
        Click_Dialog_Button(dialog, ADD_TEAM_BUTTON);
        EXPECT_EQ(Count_Active_Teams(), 36);
        EXPECT_LE(Largest_Division(), 13);
        EXPECT_LE(Count_League_Teams(0), 18);
        EXPECT_LE(Count_League_Teams(1), 18);
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, LEAGUE_EDITOR_DIALOG, 0), 1);
    ASSERT_GE(Get_Shown_Messages().size(), 3u);
    EXPECT_EQ(Get_Shown_Messages()[0].Text,
              "The 17-game schedule is limited to 32 teams. If you add a team, the season "
              "schedule will be reduced to 16 games.");
    EXPECT_TRUE(Was_Told("Add New Team",
                         "The 16-game schedule is limited to 34 teams. If you add a team, the season "
                         "schedule will be reduced to 14 games."));
    EXPECT_TRUE(Was_Told("Add Team Failed", "Cannot exceed 36 teams in database"));
    EXPECT_GT(Universe.Season_Length, 0) << "the new league has its schedule";
}

TEST_F(LeagueEditors, FullDivisionsRefuseAFourteenthAndTheControlButtonsAsk) {
    Put_In_Division(0, 13, 0);
    Set_User_Preference(VIEWED_TEAM, 20);
    const int32_t division = Get_Team_Division(20);
    Script_Dialog_Step([division](WINDOW_HANDLE dialog) {
        Choose_Dialog_Line(dialog, TEAM_DIVISION_COMBO, 0);
        EXPECT_EQ(Get_Team_Division(20), division) << "no fourteenth team in a division";
        EXPECT_EQ(Get_Dialog_Line(dialog, TEAM_DIVISION_COMBO), division);
        Script_Message_Answer("Computer Control", ID_BOX_NO);
        Click_Dialog_Button(dialog, ALL_CPU_BUTTON);
        EXPECT_EQ(Count_Human_Teams(), 1);
        EXPECT_EQ(Get_User_Team(), USER);
        Script_Message_Answer("Computer Control", ID_BOX_YES);
        Click_Dialog_Button(dialog, ALL_CPU_BUTTON);
        EXPECT_EQ(Count_Human_Teams(), 0);
        EXPECT_EQ(Get_User_Preference(USER_TEAM), -1);
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, LEAGUE_EDITOR_DIALOG, 0);
    EXPECT_TRUE(Was_Told("Illegal Division", "No division may have more than 13 teams."));
}

TEST_F(LeagueEditors, ALeagueOfOneTeamCannotBeLeftNorScheduled) {
    for (int32_t team = TEST_LEAGUE_TEAMS - 1; team > 0; --team)
        Erase_Team(team, 1);
    ASSERT_EQ(Count_Active_Teams(), 1);
    Universe.Season_Length = 0;
    bool stayed = false;
    Script_Dialog_Step([](WINDOW_HANDLE dialog) { Click_Dialog_Button(dialog, ID_OK); });
    Script_Dialog_Step([&stayed](WINDOW_HANDLE dialog) {
        stayed = Get_Dialog_Template_Id(dialog) == LEAGUE_EDITOR_DIALOG;
        EXPECT_TRUE(Was_Told("Invalid League", "There must always be at least two teams."));
        EXPECT_EQ(Universe.Season_Length, 0) << "no schedule for one team";
        Click_Dialog_Button(dialog, ADD_TEAM_BUTTON);
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, LEAGUE_EDITOR_DIALOG, 0), 1);
    EXPECT_TRUE(stayed);
    EXPECT_EQ(Count_Active_Teams(), 2);
}

// The user views a computer team and erases it while other teams are human-run
// too. The view falls back on the user's own team, which stays his; a player's
// blank line of this season (a roster move opens one) follows his team down a
// slot; and a 17-game season, left as typed, gives way once 31 teams remain.
TEST_F(LeagueEditors, ErasingATeamKeepsTheUsersTeamItsLinesAndALegalSeason) {
    constexpr int32_t ERASED = 20;
    constexpr int32_t LAST = TEST_LEAGUE_TEAMS - 1;
    Store_Universe_Stat(GAMES_PER_SEASON, 17);
    Set_Team_Stat(LAST, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_User_Preference(VIEWED_TEAM, ERASED);
    // A player of team 25 with an empty line of this season for it.
    const int32_t mover = 25;
    const int32_t blank = Get_Player_Current_Season_Line(mover, 0);
    ASSERT_NE(blank, NO_SEASON_LINE);
    ASSERT_EQ(Is_Season_Line_Blank(blank), 1);
    const int32_t lines = Count_Player_Season_Lines(mover, 0);
    const int32_t id = Get_Player_Vital_Stat(mover, 0, VITAL_PLAYER_ID);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Script_Message_Answer("Erase Team", ID_BOX_YES);
        Click_Dialog_Button(dialog, ERASE_TEAM_BUTTON);
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, LEAGUE_EDITOR_DIALOG, 0), 1);
    ASSERT_EQ(Count_Active_Teams(), TEST_LEAGUE_TEAMS - 1);

    EXPECT_EQ(Get_User_Team(), USER) << "the user's team stays his";
    EXPECT_EQ(Get_User_Preference(VIEWED_TEAM), USER) << "the view falls back on the user's team";

    // The player now stands in slot 24; his lines name it, and playing on
    // credits the line he has rather than a second one of the year.
    const int32_t now = mover - 1;
    ASSERT_EQ(Get_Player_Vital_Stat(now, 0, VITAL_PLAYER_ID), id);
    for (int32_t n = 0; n < Count_Player_Season_Lines(now, 0); ++n)
        EXPECT_EQ(Get_Season_Line_Team(Get_Player_Season_Line(now, 0, n)), now) << "line " << n;
    EXPECT_EQ(Get_Player_Current_Season_Line(now, 0), blank);
    EXPECT_EQ(Count_Player_Season_Lines(now, 0), lines);

    EXPECT_TRUE(Was_Told("Invalid Entry",
                         "The 17-game schedule can only be used for leagues with 32 teams.\n\n"
                         "'Games per season' has been set to 16."));
    EXPECT_EQ(Get_Universe_Stat(GAMES_PER_SEASON), 16);
    EXPECT_EQ(Count_Weeks_With_Games(0, NUMBER_OF_SCHEDULE_WEEKS), 16) << "the new schedule has 16 games";
}

TEST_F(LeagueEditors, StadiumEditsFollowTheTeamAndCommissionerRules) {
    Set_User_Preference(COMMISSIONER_MODE, 0);
    Set_Team_Stadium_Stat(USER, STADIUM_COMFORT, 950);
    Set_Team_Stadium_Stat(USER, STADIUM_CAPACITY, 60000);
    Set_Team_Stadium_Name("Old Field", OTHER);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Dialog_Line_Text(dialog, STADIUM_GRADE_COMBOS[1],
                                       Get_Dialog_Line(dialog, STADIUM_GRADE_COMBOS[1])),
                  "Average")
            << "950 shows as Average";
        Type_Dialog_Text(dialog, STADIUM_CAPACITY_EDIT, "250000");
        Type_Dialog_Text(dialog, STADIUM_NAME_EDIT, "Harbor Park");
        Choose_Dialog_Line(dialog, STADIUM_SURFACE_COMBO, 1);
        Keep_Dialog_Picture(dialog, "stadium_editor");
        // Outside Commissioner Mode a team switch drops the edits.
        Choose_Dialog_Line(dialog, TEAM_SELECTOR, OTHER);
        Type_Dialog_Text(dialog, STADIUM_NAME_EDIT, "New Field");
        Press_Escape(dialog);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, STADIUM_EDITOR_DIALOG, 0), 1);
    char name[FORMATTED_TEXT_SIZE] = "";
    Get_Team_Stadium_Name(name, USER);
    EXPECT_STRNE(name, "Harbor Park");
    EXPECT_EQ(Get_Team_Stadium_Stat(USER, STADIUM_SURFACE), 0);
    Get_Team_Stadium_Name(name, OTHER);
    EXPECT_STREQ(name, "New Field") << "Cancel stores too";
    EXPECT_EQ(Get_Team_Stadium_Stat(USER, STADIUM_COMFORT), 950) << "dropped with the other edits";

    Set_User_Preference(COMMISSIONER_MODE, 1);
    Set_User_Preference(VIEWED_TEAM, USER);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Type_Dialog_Text(dialog, STADIUM_CAPACITY_EDIT, "250000");
        Type_Dialog_Text(dialog, STADIUM_NAME_EDIT, "Harbor Park");
        Choose_Dialog_Line(dialog, STADIUM_GRADE_COMBOS[2], 4);
        Choose_Dialog_Line(dialog, TEAM_SELECTOR, OTHER);
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, STADIUM_EDITOR_DIALOG, 0);
    Get_Team_Stadium_Name(name, USER);
    EXPECT_STREQ(name, "Harbor Park") << "in Commissioner Mode a team switch stores";
    EXPECT_EQ(Get_Team_Stadium_Stat(USER, STADIUM_SIGHT_LINES), 1200);
    EXPECT_EQ(Get_Team_Stadium_Stat(USER, STADIUM_COMFORT), 1000)
        << "a grade is stored as its choice: 950 showed as Average, stored as 1000";
    EXPECT_EQ(Get_Team_Stadium_Stat(USER, STADIUM_CAPACITY), 60000) << "250,000 seats are refused";
    EXPECT_TRUE(Was_Told("Invalid Entry", "Capacity must be a whole number from 0 to 200000"));

    ASSERT_EQ(Save_Game("stadium.kor", nullptr), SAVE_OK);
    Build_Test_League();
    ASSERT_EQ(Load_Game("stadium.kor"), 1);
    std::filesystem::remove("stadium.kor");
    Get_Team_Stadium_Name(name, USER);
    EXPECT_STREQ(name, "Harbor Park");
    EXPECT_EQ(Get_Team_Stadium_Stat(USER, STADIUM_SIGHT_LINES), 1200);
}

// The league keeps a stadium's surface as the teams files give it: 0 carpet,
// 1 grass. The editor shows and stores that meaning, and grass is worth more.
TEST_F(LeagueEditors, TheSurfaceReadsAndStoresWhatTheLeagueHolds) {
    Set_User_Preference(COMMISSIONER_MODE, 1);
    Set_User_Preference(VIEWED_TEAM, USER);
    Set_Team_Stadium_Stat(USER, STADIUM_SURFACE, STADIUM_GRASS);
    Set_Team_Stadium_Stat(OTHER, STADIUM_SURFACE, STADIUM_CARPET);
    const auto Shown_Surface = [](WINDOW_HANDLE dialog) {
        return Get_Dialog_Line_Text(dialog, STADIUM_SURFACE_COMBO,
                                    Get_Dialog_Line(dialog, STADIUM_SURFACE_COMBO));
    };
    // Each team's surface as stored, then the other team's choices stored.
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Shown_Surface(dialog), "Natural Grass");
        Choose_Dialog_Line(dialog, TEAM_SELECTOR, OTHER);
        EXPECT_EQ(Shown_Surface(dialog), "Artificial Turf");
        Choose_Dialog_Line(dialog, STADIUM_SURFACE_COMBO, 0);
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, STADIUM_EDITOR_DIALOG, 0), 1);
    EXPECT_EQ(Get_Team_Stadium_Stat(OTHER, STADIUM_SURFACE), STADIUM_GRASS);
    EXPECT_EQ(Get_Team_Stadium_Stat(USER, STADIUM_SURFACE), STADIUM_GRASS) << "kept as it was shown";
    const int32_t grass_value = Compute_Stadium_Value(OTHER);

    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Shown_Surface(dialog), "Natural Grass") << "the choice reads back";
        Choose_Dialog_Line(dialog, STADIUM_SURFACE_COMBO, 1);
        Press_Escape(dialog);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, STADIUM_EDITOR_DIALOG, 0), 1);
    EXPECT_EQ(Get_Team_Stadium_Stat(OTHER, STADIUM_SURFACE), STADIUM_CARPET);
    EXPECT_GT(grass_value, Compute_Stadium_Value(OTHER)) << "grass is valued above the same stadium's turf";
}

TEST_F(LeagueEditors, CitiesKeepExactDegreesAndTheirTeams) {
    const int32_t free_city = TEST_LEAGUE_TEAMS + 1;
    Set_User_Preference(SELECTED_CITY, free_city);
    char free_name[FORMATTED_TEXT_SIZE] = "";
    Get_City_Name(free_city, free_name);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Type_Dialog_Text(dialog, CITY_STAT_EDITS[CITY_LONGITUDE], "-73.935");
        Type_Dialog_Text(dialog, CITY_STAT_EDITS[CITY_LATITUDE], "40.005");
        Type_Dialog_Text(dialog, CITY_STAT_EDITS[0], "1,234,567");
        // A shrinking city's growth is stored as typed.
        Type_Dialog_Text(dialog, CITY_STAT_EDITS[CITY_POPULATION_GROWTH], "-500");
        Type_Dialog_Text(dialog, CITY_STAT_EDITS[1], "-5");
        Choose_Dialog_Line(dialog, CITY_SELECTOR, 0);
        Choose_Dialog_Line(dialog, CITY_SELECTOR, TEST_LEAGUE_TEAMS + 1);
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, CITY_STAT_EDITS[CITY_LONGITUDE]), "-73.935");
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, CITY_STAT_EDITS[CITY_LATITUDE]), "40.005");
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, CITY_STAT_EDITS[CITY_POPULATION_GROWTH]), "-500");
        Type_Dialog_Text(dialog, CITY_STAT_EDITS[CITY_LATITUDE], "-0.500");
        Type_Dialog_Text(dialog, CITY_STAT_EDITS[CITY_LONGITUDE], "200");
        Keep_Dialog_Picture(dialog, "city_editor");
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, CITY_EDITOR_DIALOG, 0), 1);
    const int32_t city = Get_User_Preference(SELECTED_CITY);
    char name[FORMATTED_TEXT_SIZE] = "";
    Get_City_Name(city, name);
    ASSERT_STREQ(name, free_name);
    EXPECT_EQ(Get_City_Stat(city, CITY_LONGITUDE), -73935) << "200 degrees are refused";
    EXPECT_EQ(Get_City_Stat(city, CITY_LATITUDE), -500) << "-0.500 keeps its sign";
    EXPECT_EQ(Get_City_Stat(city, 0), 1234567);
    EXPECT_EQ(Get_City_Stat(city, CITY_POPULATION_GROWTH), -500);
    EXPECT_NE(Get_City_Stat(city, 1), -5) << "a population is a count";
    EXPECT_TRUE(Was_Told("Invalid Entry", "Longitude must be a number of degrees from -180 to 180"));
    EXPECT_TRUE(Was_Told("Invalid Entry", "Region Population must be a whole number of at least 0"));

    // Outside Commissioner Mode a city switch drops the edits; a team's home is not erased.
    Set_User_Preference(COMMISSIONER_MODE, 0);
    const int32_t home = Get_Team_Stat(USER, TEAM_STAT_HOME_CITY);
    const int32_t population = Get_City_Stat(home, 0);
    Set_User_Preference(SELECTED_CITY, home);
    Script_Dialog_Step([city](WINDOW_HANDLE dialog) {
        Type_Dialog_Text(dialog, CITY_STAT_EDITS[0], "5");
        Choose_Dialog_Line(dialog, CITY_SELECTOR, city);
        Choose_Dialog_Line(dialog, CITY_SELECTOR, Get_Team_Stat(USER, TEAM_STAT_HOME_CITY));
        Click_Dialog_Button(dialog, ERASE_CITY_BUTTON);
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, CITY_EDITOR_DIALOG, 0);
    const int32_t now_home = Get_Team_Stat(USER, TEAM_STAT_HOME_CITY);
    EXPECT_EQ(Get_City_Stat(now_home, 0), population);
    char team[FORMATTED_TEXT_SIZE] = "";
    Get_Team_Full_Name(USER, team);
    EXPECT_TRUE(Was_Told("Erase City", std::string("is the home of the ") + team));
    EXPECT_EQ(Count_Cities(), cities);

    // An empty rename keeps Rename City open; a name is stored and sorted in.
    Set_User_Preference(SELECTED_CITY, city);
    bool stayed = false;
    Script_Dialog_Step([](WINDOW_HANDLE dialog) { Click_Dialog_Button(dialog, EDIT_CITY_NAME_BUTTON); });
    Script_Dialog_Step([](WINDOW_HANDLE rename) {
        Keep_Dialog_Picture(rename, "rename_city");
        Type_Dialog_Text(rename, CITY_NAME_EDIT, "  ");
        Click_Dialog_Button(rename, ID_OK);
    });
    Script_Dialog_Step([&stayed](WINDOW_HANDLE rename) {
        stayed = Get_Dialog_Template_Id(rename) == RENAME_CITY_DIALOG;
        Type_Dialog_Text(rename, CITY_NAME_EDIT, "Aardvark Bay");
        Click_Dialog_Button(rename, ID_OK);
    });
    Script_Dialog_Step([](WINDOW_HANDLE dialog) { Click_Dialog_Button(dialog, ID_OK); });
    Do_Dialog(Main_Window, CITY_EDITOR_DIALOG, 0);
    EXPECT_TRUE(stayed);
    EXPECT_TRUE(Was_Told("Can't Erase Name", "All cities must have a name."));
    Get_City_Name(0, name);
    EXPECT_STREQ(name, "Aardvark Bay") << "sorted to the top";
    EXPECT_EQ(Get_City_Stat(0, CITY_LONGITUDE), -73935);

    // The table holds 100 cities at most.
    while (Add_City() >= 0) {
    }
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Click_Dialog_Button(dialog, ADD_CITY_BUTTON);
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, CITY_EDITOR_DIALOG, 0);
    EXPECT_TRUE(Was_Told("Add City Failed", "Cannot exceed 100 cities in database"));

    ASSERT_EQ(Save_Game("cities.kor", nullptr), SAVE_OK);
    Build_Test_League();
    ASSERT_EQ(Load_Game("cities.kor"), 1);
    std::filesystem::remove("cities.kor");
    EXPECT_EQ(Get_City_Stat(0, CITY_LONGITUDE), -73935);
    EXPECT_EQ(Get_City_Stat(0, CITY_LATITUDE), -500);
}

// Erasing a city moves the cities below it up and selects the last one, the
// erased row having sunk past them; the teams keep their cities. Erasing the
// only city leaves the selection at the top of an empty table.
TEST_F(LeagueEditors, ErasingACitySelectsTheLastCity) {
    constexpr int32_t erased = TEST_LEAGUE_TEAMS + 1;
    ASSERT_LT(erased + 1, cities) << "a city in the middle of the table";
    char last[FORMATTED_TEXT_SIZE] = "", below[FORMATTED_TEXT_SIZE] = "";
    Get_City_Name(cities - 1, last);
    Get_City_Name(erased + 1, below);
    Set_User_Preference(SELECTED_CITY, 0);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Choose_Dialog_Line(dialog, CITY_SELECTOR, erased);
        Click_Dialog_Button(dialog, ERASE_CITY_BUTTON);
        EXPECT_EQ(Get_Dialog_Line(dialog, CITY_SELECTOR), Count_Cities() - 1) << "the last city is shown";
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, CITY_EDITOR_DIALOG, 0);
    ASSERT_EQ(Count_Cities(), cities - 1);
    EXPECT_EQ(Get_User_Preference(SELECTED_CITY), cities - 2);
    char name[FORMATTED_TEXT_SIZE] = "";
    Get_City_Name(cities - 2, name);
    EXPECT_STREQ(name, last);
    Get_City_Name(erased, name);
    EXPECT_STREQ(name, below) << "the city below moved up";
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        EXPECT_EQ(Get_Team_Stat(team, TEAM_STAT_HOME_CITY), team) << "team " << team;

    // One city, no team's home.
    for (int32_t n = 1; n < MAX_CITIES; ++n)
        Clear_City(n);
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        Set_Team_Stat(team, TEAM_STAT_HOME_CITY, MAX_CITIES - 1);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Click_Dialog_Button(dialog, ERASE_CITY_BUTTON);
        EXPECT_EQ(Count_Dialog_Lines(dialog, CITY_SELECTOR), 0);
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, CITY_EDITOR_DIALOG, 0);
    EXPECT_EQ(Count_Cities(), 0);
    EXPECT_EQ(Get_User_Preference(SELECTED_CITY), 0);
}

// Outside Commissioner Mode, during a season: the league's names, money,
// rules and settings stay open to edits; only the home and nickname edits,
// Add and Erase, the city and week combos are closed, and the season's
// length while the season runs. A nickname longer than 13 characters is
// noted at every apply.
// Fictional rookies come with a new pool, which a draft waiting on the
// user's pick can't have: the box goes back, the user is told, and the flag
// and the draft's class stay; once the draft is over the box builds the pool.
TEST_F(LeagueEditors, FictionalRookiesWaitForARunningDraftToEnd) {
    for (int32_t slot = 0; slot < 20; ++slot)
        Fabricate_Position_Player(FIRST_COLLEGE_POOL_TEAM, slot, POSITION_LB, 0);
    auto pool_ids = [] {
        std::vector<int32_t> ids;
        int32_t team = 0, slot = 0;
        for (int32_t i = 0; Get_Draft_Pool_Player(i, &team, &slot); ++i)
            ids.push_back(Get_Player_ID(team, slot));
        return ids;
    };
    const std::vector<int32_t> before = pool_ids();
    Universe.Header.Fictional_Players_Flag = 0;
    Set_User_Preference(CURRENT_WEEK, 100);
    Set_User_Preference(DRAFT_ROUND, 3);
    Set_User_Preference(DRAFT_PICK, 0);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        ASSERT_EQ(Is_Dialog_Button_Checked(dialog, FICTIONAL_ROOKIES_BOX), BUTTON_UNCHECKED);
        Click_Dialog_Button(dialog, FICTIONAL_ROOKIES_BOX);
        Click_Dialog_Button(dialog, LEAGUE_REFRESH_BUTTON);
        EXPECT_EQ(Is_Dialog_Button_Checked(dialog, FICTIONAL_ROOKIES_BOX), BUTTON_UNCHECKED)
            << "the box is as it was";
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, LEAGUE_EDITOR_DIALOG, 0);
    EXPECT_EQ(Universe.Header.Fictional_Players_Flag, 0);
    EXPECT_EQ(pool_ids(), before) << "the running draft's class stays";
    int told = 0;
    for (const SHOWN_MESSAGE& message : Get_Shown_Messages())
        if (message.Caption == "Fictional Rookies") {
            ++told;
            EXPECT_EQ(message.Text,
                      "The College Draft is under way and picks from the pool it started with.\n\n"
                      "Check 'Fictional Rookies' again once the draft is over to rebuild the "
                      "draft pool with fictional players.");
        }
    EXPECT_EQ(told, 1) << "told once, at the apply that found the box ticked";

    Set_User_Preference(DRAFT_ROUND, NO_COLLEGE_DRAFT_ROUND);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Click_Dialog_Button(dialog, FICTIONAL_ROOKIES_BOX);
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, LEAGUE_EDITOR_DIALOG, 0);
    EXPECT_EQ(Universe.Header.Fictional_Players_Flag, 1);
    EXPECT_GT(pool_ids().size(), before.size()) << "a whole new class";
}

TEST_F(LeagueEditors, OnlyTheNamedControlsCloseAndALongNicknameIsNotedAtEveryApply) {
    Set_User_Preference(COMMISSIONER_MODE, 0);
    Universe.Season_Length = 17;
    Set_User_Preference(CURRENT_WEEK, 5);
    Set_Team_String("Thunderbolts Club", USER, 2);
    Script_Message_Answer("Team Editing Disabled", ID_BOX_NO);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        auto enabled = [dialog](int32_t id) { return Is_Window_Enabled(Get_Dialog_Item(dialog, id)); };
        for (int32_t id :
             {LEAGUE_NAME_EDITS[0], LEAGUE_NAME_EDITS[1], DIVISION_NAME_EDITS[0], DIVISION_NAME_EDITS[7],
              WILD_CARDS_EDIT, SALARY_CAP_EDIT, INFLATION_EDIT, START_YEAR_EDIT, SUPER_BOWL_BOX,
              SAME_DIVISION_BOX, OVERTIME_GAMES_BOX, TWO_POINT_BOX, FICTIONAL_ROOKIES_BOX, KICKOFF_COMBO,
              EXTRA_POINT_COMBO, OVERTIME_LENGTH_COMBO, PLAYOFF_OVERTIME_COMBO, SALARY_DEMANDS_COMBO,
              PLAYER_AGING_COMBO})
            EXPECT_TRUE(enabled(id)) << "control " << id;
        EXPECT_FALSE(enabled(SEASON_GAMES_EDIT)) << "the season in progress keeps its length";
        for (int32_t id : {TEAM_HOME_EDIT, TEAM_NICKNAME_EDIT, ADD_TEAM_BUTTON, ERASE_TEAM_BUTTON,
                           TEAM_CITY_COMBO, CURRENT_DATE_COMBO})
            EXPECT_FALSE(enabled(id)) << "control " << id;
        Show_Inflation_Label(dialog);
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, INFLATION_LABEL), "Inflation Factor: (2022 Season = '1000')");
        Click_Dialog_Button(dialog, LEAGUE_REFRESH_BUTTON);
        Click_Dialog_Button(dialog, ID_OK);
    });
    Clear_Shown_Messages();
    EXPECT_EQ(Do_Dialog(Main_Window, LEAGUE_EDITOR_DIALOG, 0), 1);
    int32_t notes = 0;
    for (const SHOWN_MESSAGE& message : Get_Shown_Messages())
        if (message.Caption == "Team Nickname") {
            ++notes;
            EXPECT_EQ(message.Text, "For display purposes, we recommend limiting the team nickname "
                                    "(Thunderbolts Club) to 13 characters.");
        }
    EXPECT_EQ(notes, 2) << "Refresh and Done each apply the team info";

    // Between seasons the season's length is open again.
    Set_User_Preference(CURRENT_WEEK, 0);
    Script_Message_Answer("Team Editing Disabled", ID_BOX_NO);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_TRUE(Is_Window_Enabled(Get_Dialog_Item(dialog, SEASON_GAMES_EDIT)));
        Type_Dialog_Text(dialog, TEAM_NICKNAME_EDIT, "Bolts");
        Click_Dialog_Button(dialog, ID_OK);
    });
    Clear_Shown_Messages();
    Do_Dialog(Main_Window, LEAGUE_EDITOR_DIALOG, 0);
    EXPECT_FALSE(Was_Told("Team Nickname", "")) << "a short nickname is no note";
}

// An editor with a picture list offers the pictures of its folder and keeps
// the one chosen; with no pictures the user is told and the list is closed.
// The Stadium Editor has no list of its own: one is added to it here.
TEST_F(LeagueEditors, PictureListsOfferTheFolderAndKeepTheChoice) {
    std::filesystem::create_directories("dialogs/stadiums");
    std::filesystem::create_directories("Cities");
    for (const char* file : {"dialogs/stadiums/Bay.jpg", "dialogs/stadiums/Harbor.jpg",
                             "dialogs/stadiums/notes.txt", "Cities/Akron.jpg", "Cities/Boston.jpg"})
        std::fclose(std::fopen(file, "w"));
    Set_Team_String("harbor.JPG", USER, 4);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        const WINDOW_HANDLE list =
            Create_Window(Get_Control_Class_Name(CONTROL_LIST_BOX), "", WINDOW_CHILD | WINDOW_VISIBLE,
                          {10, 10, 110, 60}, dialog, STADIUM_PICTURE_LIST, 0);
        Fill_Stadium_Art_List(dialog);
        ASSERT_EQ(Count_Dialog_Lines(dialog, STADIUM_PICTURE_LIST), 2) << "the pictures, nothing else";
        EXPECT_TRUE(Is_Window_Enabled(list));
        Fill_Stadium_Fields(dialog);
        EXPECT_EQ(
            Get_Dialog_Line_Text(dialog, STADIUM_PICTURE_LIST, Get_Dialog_Line(dialog, STADIUM_PICTURE_LIST)),
            "Harbor.jpg")
            << "the team's picture, case ignored";
        Choose_Dialog_Line(dialog, STADIUM_PICTURE_LIST, 0);
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, STADIUM_EDITOR_DIALOG, 0);
    char picture[FORMATTED_TEXT_SIZE] = "";
    Get_Team_String(picture, USER, 4);
    EXPECT_STREQ(picture, "Bay.jpg");
    Script_Dialog_Step([](WINDOW_HANDLE dialog) { Click_Dialog_Button(dialog, ID_OK); });
    Do_Dialog(Main_Window, STADIUM_EDITOR_DIALOG, 0);
    Get_Team_String(picture, USER, 4);
    EXPECT_STREQ(picture, "Bay.jpg") << "the editor without a list leaves the picture";

    const int32_t city = Get_Team_Stat(USER, TEAM_STAT_HOME_CITY);
    Set_User_Preference(SELECTED_CITY, city);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Fill_City_Art_List(dialog);
        ASSERT_EQ(Count_Dialog_Lines(dialog, CITY_PICTURE_LIST), 2);
        Choose_Dialog_Line(dialog, CITY_PICTURE_LIST, 1);
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, CITY_EDITOR_DIALOG, 0);
    char photo[FORMATTED_TEXT_SIZE] = "";
    Get_City_Photo(city, photo);
    EXPECT_STREQ(photo, "Boston.jpg");

    std::filesystem::remove_all("dialogs");
    std::filesystem::remove_all("Cities");
    Clear_Shown_Messages();
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Fill_City_Art_List(dialog);
        EXPECT_EQ(Count_Dialog_Lines(dialog, CITY_PICTURE_LIST), 0);
        EXPECT_FALSE(Is_Window_Enabled(Get_Dialog_Item(dialog, CITY_PICTURE_LIST)));
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, CITY_EDITOR_DIALOG, 0);
    Get_City_Photo(city, photo);
    EXPECT_STREQ(photo, "Boston.jpg") << "nothing chosen in an empty list";
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Fill_Stadium_Art_List(dialog);
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, STADIUM_EDITOR_DIALOG, 0);
    EXPECT_TRUE(Was_Told("No art files",
                         "There are no art files in the 'Cities' directory. City pictures will "
                         "not be displayed."));
    EXPECT_TRUE(Was_Told("No art files", "There are no art files in the Stadium directory. Stadium pictures "
                                         "will not be displayed."));
}

// The teams may be edited in Commissioner Mode before the regular season
// ends or once the champion is decided; the league's shape only in week 0 or
// once the champion is decided.
TEST_F(LeagueEditors, EditingRightsFollowCommissionerModeAndTheCalendar) {
    Universe.Season_Length = 17;
    Clear_Playoff_Bracket();
    struct CASE {
        int32_t Commissioner, Week;
        bool Champion, Teams, League;
    };
    const CASE cases[] = {{1, 0, false, true, true},   {1, 5, false, true, false},
                          {1, 16, false, true, false}, {1, 17, false, false, false},
                          {1, 21, true, true, true},   {0, 0, false, false, false},
                          {0, 21, true, false, false}};
    for (const CASE& c : cases) {
        Set_User_Preference(COMMISSIONER_MODE, c.Commissioner);
        Set_User_Preference(CURRENT_WEEK, c.Week);
        Clear_Playoff_Bracket();
        if (c.Champion) {
            Set_Playoff_Team(28, USER);
            Set_Playoff_Team(30, USER);
        }
        ASSERT_EQ(Is_Champion_Decided(), c.Champion) << "week " << c.Week;
        EXPECT_EQ(Can_Edit_Teams(), c.Teams) << "commissioner " << c.Commissioner << ", week " << c.Week;
        EXPECT_EQ(Can_Edit_League(), c.League) << "commissioner " << c.Commissioner << ", week " << c.Week;
    }
}

// The cap is none or one a saved game keeps as typed: a cap from $1 to
// $999,999 or above $2,000,000,000 is refused and the cap kept.
TEST_F(LeagueEditors, ASalaryCapIsNoneOrOneASavedGameKeeps) {
    const auto type_cap = [](const char* text) {
        Script_Dialog_Step([text](WINDOW_HANDLE dialog) {
            Type_Dialog_Text(dialog, SALARY_CAP_EDIT, text);
            Click_Dialog_Button(dialog, ID_OK);
        });
        Do_Dialog(Main_Window, LEAGUE_EDITOR_DIALOG, 0);
    };
    type_cap("$1,000,000");
    EXPECT_EQ(Get_Universe_Stat(SALARY_CAP), 1000000);
    type_cap("$999,999");
    EXPECT_TRUE(Was_Told("Invalid Entry",
                         "Salary Cap must be 0 (no cap) or from $1,000,000 to $2,000,000,000. "
                         "It keeps its value of $1,000,000."));
    EXPECT_EQ(Get_Universe_Stat(SALARY_CAP), 1000000);
    type_cap("$2,000,000,001");
    EXPECT_TRUE(Was_Told("Invalid Entry", "Salary Cap must be a whole number from 0 to 2000000000"));
    EXPECT_EQ(Get_Universe_Stat(SALARY_CAP), 1000000);
    type_cap("$2,000,000,000");
    EXPECT_EQ(Get_Universe_Stat(SALARY_CAP), 2000000000);
    type_cap("0");
    EXPECT_EQ(Get_Universe_Stat(SALARY_CAP), 0) << "no cap";
}

namespace {
// The games a team has on the season's schedule.
int32_t Scheduled_Games(int32_t team) {
    return Count_First_Listed_Games(team) + Count_Second_Listed_Games(team);
}
} // namespace

// A league of the 17-game era that the League Editor grows to 33 teams plays
// 16 games, and so does its next season, whose year gives 17 games to a
// league of 32: its schedule fits the season's game records, so the
// standings' points a game count every game a team played.
TEST_F(LeagueEditors, ALeagueGrownTo33TeamsPlaysItsNextSeasonWith16Games) {
    Set_User_Preference(CURRENT_SEASON_INDEX, 1);
    Apply_League_Rules_For_Year();
    ASSERT_EQ(Get_Universe_Stat(GAMES_PER_SEASON), 17) << "2021";
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Script_Message_Answer("Add New Team", ID_BOX_YES);
        Click_Dialog_Button(dialog, ADD_TEAM_BUTTON);
        Click_Dialog_Button(dialog, ID_OK);
    });
    ASSERT_EQ(Do_Dialog(Main_Window, LEAGUE_EDITOR_DIALOG, 0), 1);
    ASSERT_EQ(Count_Active_Teams(), 33);
    ASSERT_EQ(Get_Universe_Stat(GAMES_PER_SEASON), 16);

    // The 2021 season ends with its champion; the off-season, the draft and
    // the start of 2022 follow in one advance, as a simulation runs them.
    Supply_Team_Records_File();
    Set_User_Preference(DRAFT_ROUND, NO_COLLEGE_DRAFT_ROUND);
    Create_College_Draft_Pool();
    Universe.Header.Championship_Round_Flag = 1;
    Set_User_Preference(CURRENT_WEEK, Universe.Season_Length + 4);
    Set_Playoff_Team(28, 3);
    Set_Playoff_Team(29, 20);
    Set_Playoff_Team(30, 3);
    ASSERT_TRUE(Is_Champion_Decided());
    Seed_Random_Numbers(33);
    Set_User_Preference(MULTI_SEASON_SIMULATION, 1);
    Start_Off_Season();
    ASSERT_EQ(Get_Current_Year(), 2022);
    ASSERT_EQ(Get_User_Preference(CURRENT_WEEK), 0) << "the 2022 season has started";
    EXPECT_EQ(Count_Active_Teams(), 33);
    EXPECT_EQ(Get_Universe_Stat(GAMES_PER_SEASON), 16);
    int32_t games = 0;
    for (int32_t team = 0; team < 33; ++team) {
        EXPECT_EQ(Scheduled_Games(team), 16) << "team " << team;
        games += Scheduled_Games(team);
    }
    EXPECT_LE(games / 2, 285) << "the regular season fits the records the standings read";

    // The season is played to its champion, every team run by the computer.
    Set_User_Preference(MULTI_SEASON_SIMULATION, 0);
    Set_All_Teams_Computer_Controlled();
    Advance_Weeks(22);
    Advance_Weeks(22);
    ASSERT_TRUE(Is_Champion_Decided());
    for (int32_t team = 0; team < 33; ++team) {
        SCOPED_TRACE(team);
        EXPECT_EQ(Get_Team_Games_Played(team), 16);
        int64_t points = 0;
        for (int32_t index = 0; index < MAX_GAME_RECORDS; ++index)
            for (int32_t side = 0; side < 2; ++side)
                if (Get_Game_Team_Byte(&Universe.Games[index], side) == team)
                    points += Get_Game_Score(&Universe.Games[index], side);
        const int64_t played = Get_Team_Games_Played_With_Playoffs(team);
        const int64_t tenths = (points * 20 + played) / (2 * played);
        char text[64];
        Get_Team_Stat_Text(team, TEAM_STAT_TEXT_POINTS_SCORED, text);
        EXPECT_EQ(std::string(text), std::to_string(tenths / 10) + "." + std::to_string(tenths % 10))
            << points << " points in " << played << " games";
    }
}
