#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <string>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "database/universe.h"
#include "personnel/player_generation.h"
#include "personnel/team_lookup.h"
#include "platform/message_box.h"
#include "platform/scripted_answers.h"
#include "playbooks/franchise_table.h"
#include "season/expansion_draft.h"
#include "season/league_history.h"
#include "support/debug_log.h"
#include "support/history_test_league.h"

namespace {
std::string Abbreviation(int32_t team) {
    char text[32];
    Get_Team_String(text, team, 0);
    return text;
}

bool Was_Shown(const std::string& caption, const std::string& text) {
    for (const SHOWN_MESSAGE& message : Get_Shown_Messages())
        if (message.Caption == caption && message.Text.find(text) != std::string::npos) return true;
    return false;
}

// Every team's players stand in slots 0 .. n - 1 without gaps.
bool Rosters_Have_No_Holes() {
    for (int32_t team = 0; team < Count_Active_Teams(); ++team) {
        const int32_t count = Get_First_Empty_Player_Slot(team);
        for (int32_t slot = count; slot < PLAYERS_PER_TEAM; ++slot)
            if (Is_Player_Slot_Used(team, slot)) return false;
    }
    return true;
}

std::set<std::string> Read_Lines(const char* path) {
    std::set<std::string> lines;
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line))
        lines.insert(line);
    return lines;
}
} // namespace

TEST(LeagueHistory, TableHoldsTheRowsOfEveryType) {
    // Washington's two renamings of 2020 and 2022 among the name changes.
    const int32_t expected[NUMBER_OF_HISTORY_EVENT_TYPES] = {20, 12, 3, 6, 0, 32, 0, 18, 1, 2, 7, 11, 49};
    int32_t counts[NUMBER_OF_HISTORY_EVENT_TYPES] = {};
    int32_t previous_year = 0;
    for (const HISTORY_EVENT& row : League_History_Events) {
        ASSERT_GE(row.Type, 0);
        ASSERT_LT(row.Type, NUMBER_OF_HISTORY_EVENT_TYPES);
        ++counts[row.Type];
        EXPECT_GE(row.Year, previous_year) << "rows stand in year order";
        EXPECT_GE(row.Year, 1952);
        EXPECT_LE(row.Year, 2022);
        previous_year = row.Year;
    }
    for (int32_t type = 0; type < NUMBER_OF_HISTORY_EVENT_TYPES; ++type)
        EXPECT_EQ(counts[type], expected[type]) << "type " << type;
}

TEST(LeagueHistory, LeagueOf1951EndsIn2020AsTheRealLeague) {
    Build_1951_League();
    Apply_History_Through(2020);
    struct FRANCHISE {
        const char* Name;
        const char* Abbreviation;
        int32_t Division;
    };
    const FRANCHISE franchises_2020[] = {
        {"Dallas Cowboys", "DAL", 0},       {"New York Giants", "NYG", 0},
        {"Philadelphia Eagles", "PHI", 0},  {"Washington Football Team", "WAS", 0},
        {"Chicago Bears", "CHI", 1},        {"Detroit Lions", "DET", 1},
        {"Green Bay Packers", "GB", 1},     {"Minnesota Vikings", "MIN", 1},
        {"Atlanta Falcons", "ATL", 2},      {"Carolina Panthers", "CAR", 2},
        {"New Orleans Saints", "NO", 2},    {"Tampa Bay Buccaneers", "TB", 2},
        {"Arizona Cardinals", "ARZ", 3},    {"Los Angeles Rams", "LA", 3},
        {"San Francisco 49ers", "SF", 3},   {"Seattle Seahawks", "SEA", 3},
        {"Buffalo Bills", "BUF", 4},        {"Miami Dolphins", "MIA", 4},
        {"New England Patriots", "NE", 4},  {"New York Jets", "NYJ", 4},
        {"Baltimore Ravens", "BAL", 5},     {"Cincinnati Bengals", "CIN", 5},
        {"Cleveland Browns", "CLE", 5},     {"Pittsburgh Steelers", "PIT", 5},
        {"Houston Texans", "HOU", 6},       {"Indianapolis Colts", "IND", 6},
        {"Jacksonville Jaguars", "JAC", 6}, {"Tennessee Titans", "TEN", 6},
        {"Denver Broncos", "DEN", 7},       {"Kansas City Chiefs", "KC", 7},
        {"Las Vegas Raiders", "LVR", 7},    {"Los Angeles Chargers", "LAC", 7},
    };
    EXPECT_EQ(Count_Active_Teams(), 32);
    for (const FRANCHISE& franchise : franchises_2020) {
        SCOPED_TRACE(franchise.Name);
        const int32_t team = Find_Test_Team(franchise.Name);
        ASSERT_GE(team, 0);
        EXPECT_EQ(Abbreviation(team), franchise.Abbreviation);
        EXPECT_EQ(Get_Team_Stat(team, TEAM_STAT_DIVISION), franchise.Division);
    }
    const char* const divisions[NUMBER_OF_DIVISIONS] = {"East", "North", "South", "West",
                                                        "East", "North", "South", "West"};
    char name[16];
    for (int32_t division = 0; division < NUMBER_OF_DIVISIONS; ++division) {
        Get_Division_Name(division, name);
        EXPECT_STREQ(name, divisions[division]);
    }
    Get_League_Name(0, name);
    EXPECT_STREQ(name, "NFC");
    Get_League_Name(1, name);
    EXPECT_STREQ(name, "AFC");
    // Imports name the modern clubs by their own abbreviations and the old
    // ones by the historic pairs: the Colts moved as "IND", so "IND" finds
    // them and "BAL" the Ravens, never each other.
    EXPECT_EQ(Get_Team_From_Abbreviation("IND", 0), Find_Test_Team("Indianapolis Colts"));
    EXPECT_EQ(Get_Team_From_Abbreviation("BAL", 0), Find_Test_Team("Baltimore Ravens"));
    EXPECT_EQ(Get_Team_From_Abbreviation("OAK", 0), Find_Test_Team("Las Vegas Raiders"));
    EXPECT_EQ(Get_Team_From_Abbreviation("SD", 0), Find_Test_Team("Los Angeles Chargers"));
    // The franchise table knows the moved Colts by that abbreviation too: their
    // helmet and colours are the Colts'.
    char colts[TEAM_STRING_LENGTH];
    Get_Team_String(colts, Find_Test_Team("Indianapolis Colts"), 0);
    EXPECT_EQ(Get_Franchise_Index(colts), 13);
    char stadium[32];
    Get_Team_String(stadium, Find_Test_Team("Las Vegas Raiders"), 3);
    EXPECT_STREQ(stadium, "Allegiant Stadium");
    EXPECT_TRUE(Rosters_Have_No_Holes());
    for (int32_t team = 0; team < 32; ++team)
        EXPECT_EQ(Get_Team_Stat(team, TEAM_STAT_CONTROL), TEAM_CONTROL_COMPUTER)
            << "expansion teams handed over";
}

TEST(LeagueHistory, League1959Reaches1960WithTheAflAndTheCowboys) {
    Build_1951_League();
    Apply_History_Through(1959);
    ASSERT_EQ(Count_Active_Teams(), 12);
    Enter_Off_Season_Before(1960);
    Clear_Shown_Messages();
    Apply_League_History_For_Next_Year();

    char name[16];
    Get_League_Name(1, name);
    EXPECT_STREQ(name, "AFL");
    Get_Division_Name(4, name);
    EXPECT_STREQ(name, "East");
    Get_Division_Name(5, name);
    EXPECT_STREQ(name, "West");
    EXPECT_TRUE(Was_Shown("League News", "A new league has been created: AFL."));
    EXPECT_TRUE(
        Was_Shown("League News", "The Chicago Cardinals have moved. They are now the St. Louis Cardinals."));
    EXPECT_TRUE(Was_Shown("League Expansion", "   Dallas Cowboys\n"));
    EXPECT_TRUE(Was_Shown("Expansion Draft", "'Output/Expansion-Draft-1960.csv'"));
    EXPECT_EQ(Count_Active_Teams(), 21);
    EXPECT_EQ(Count_League_Teams(1), 8);
    EXPECT_EQ(Abbreviation(Find_Test_Team("St. Louis Cardinals")), "STL");

    // Before the merger the AFL teams draft from their own league, whose teams
    // are all new: only the Cowboys draft, and from the older league.
    const std::set<std::string> picks = Read_Lines("Output/Expansion-Draft-1960.csv");
    EXPECT_FALSE(picks.empty());
    for (const std::string& line : picks)
        EXPECT_EQ(line.rfind("Dallas Cowboys,", 0), 0u) << line;
    for (int32_t team = 0; team < Count_Active_Teams(); ++team) {
        if (Get_Team_Conference(team) != 1) continue;
        EXPECT_EQ(Get_First_Empty_Player_Slot(team), 57) << "AFL rosters are created";
    }
    EXPECT_GE(Get_First_Empty_Player_Slot(Find_Test_Team("Dallas Cowboys")), 57);
    EXPECT_TRUE(Rosters_Have_No_Holes());
}

TEST(LeagueHistory, WashingtonBecomesTheFootballTeamIn2020AndTheCommandersIn2022) {
    Build_1951_League();
    Apply_History_Through(2019);
    int32_t washington = Find_Test_Team("Washington Redskins");
    ASSERT_GE(washington, 0);
    const int32_t city = Get_Team_Stat(washington, TEAM_STAT_HOME_CITY);
    Enter_Off_Season_Before(2020);
    Clear_Shown_Messages();
    Apply_League_History_For_Next_Year();
    EXPECT_TRUE(Was_Shown("League News", "The Washington Redskins have changed their name to the Washington "
                                         "Football Team."));
    washington = Find_Test_Team("Washington Football Team");
    ASSERT_GE(washington, 0);
    EXPECT_EQ(Find_Test_Team("Washington Redskins"), -1);
    EXPECT_EQ(Abbreviation(washington), "WAS") << "the abbreviation stays";
    EXPECT_EQ(Get_Team_Stat(washington, TEAM_STAT_HOME_CITY), city) << "a name change keeps the home city";

    // A human owner is asked; his yes renames his team.
    Apply_History_Through(2021);
    Set_Team_Stat(washington, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Enter_Off_Season_Before(2022);
    Clear_Shown_Messages();
    Script_Message_Answer("Name Change", ID_BOX_YES);
    Apply_League_History_For_Next_Year();
    EXPECT_TRUE(Was_Shown("Name Change", "Would you like to change the Washington Football Team to the "
                                         "Washington Commanders?"));
    washington = Find_Test_Team("Washington Commanders");
    ASSERT_GE(washington, 0);
    EXPECT_EQ(Abbreviation(washington), "WAS");
    EXPECT_EQ(Get_Team_Stat(washington, TEAM_STAT_CONTROL), TEAM_CONTROL_HUMAN);
    EXPECT_EQ(Count_Active_Teams(), 32);
}

TEST(LeagueHistory, HumanOwnerDecidesAboutHisTeam) {
    Build_1951_League();
    Apply_History_Through(1959);
    const int32_t cardinals = Find_Test_Team("Chicago Cardinals");
    Set_Team_Stat(cardinals, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Enter_Off_Season_Before(1960);
    Clear_Shown_Messages();
    Script_Message_Answer("Move Team", ID_BOX_NO);
    Script_Message_Answer("Expansion Draft", ID_BOX_NO); // "&Exclude My Team"
    PLAYER_RECORD before[PLAYERS_PER_TEAM];
    memcpy(before, Get_Player_Record_Pointer(cardinals, 0), sizeof before);
    Apply_League_History_For_Next_Year();

    const int32_t team = Find_Test_Team("Chicago Cardinals");
    ASSERT_GE(team, 0) << "a declined move keeps the name";
    EXPECT_EQ(Abbreviation(team), "CRD");
    EXPECT_EQ(Find_Test_Team("St. Louis Cardinals"), -1);
    EXPECT_EQ(Get_Expansion_Exclude_Human_Team(), 1);
    EXPECT_EQ(Get_Expansion_Picks_Taken(team), 0);
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        EXPECT_EQ(Get_Player_ID(team, slot), before[slot].Vital_Stats[VITAL_PLAYER_ID]) << "nobody taken";
}

TEST(LeagueHistory, ExpansionDraftReportListsExactlyThePlayersWhoMoved) {
    Build_1951_League();
    Apply_History_Through(1960);
    // Who plays where before the 1961 draft, by player id.
    std::map<int32_t, std::string> team_of;
    char text[FORMATTED_TEXT_SIZE];
    for (int32_t team = 0; team < Count_Active_Teams(); ++team)
        for (int32_t slot = 0; slot < Get_First_Empty_Player_Slot(team); ++slot) {
            Get_Team_Full_Name(team, text);
            team_of[Get_Player_ID(team, slot)] = text;
        }
    Enter_Off_Season_Before(1961);
    // Roster moves record season lines, as in every loaded game.
    Set_Header_Flag(HEADER_FLAG_SEASON_LINE_RECORDING, 1);
    Set_User_Preference(MULTI_SEASON_SIMULATION, 1);
    Apply_League_History_For_Next_Year();
    Set_User_Preference(MULTI_SEASON_SIMULATION, 0);

    std::set<std::string> moved;
    const int32_t vikings = Find_Test_Team("Minnesota Vikings");
    ASSERT_GE(vikings, 0);
    for (int32_t slot = 0; slot < Get_First_Empty_Player_Slot(vikings); ++slot) {
        const auto before = team_of.find(Get_Player_ID(vikings, slot));
        if (before == team_of.end()) continue; // created to top the roster up
        // A draftee has no season under a franchise that has played none.
        for (int32_t n = 0; n < Count_Player_Season_Lines(vikings, slot); ++n)
            EXPECT_NE(Get_Season_Line_Team(Get_Player_Season_Line(vikings, slot, n)), vikings)
                << "line " << n << " of player " << Get_Player_ID(vikings, slot);
        char player[PLAYER_NAME_TEXT_SIZE];
        Get_Player_Full_Name(vikings, slot, player);
        const int32_t position = Get_Player_Vital_Stat(vikings, slot, VITAL_POSITION);
        moved.insert(std::string("Minnesota Vikings,") + player + "," + Get_Position_Short_Name(position) +
                     "," + std::to_string(Get_Player_Calendar_Age(vikings, slot)) + "," + before->second);
    }
    EXPECT_FALSE(moved.empty());
    EXPECT_EQ(Read_Lines("Output/Expansion-Draft-1961.csv"), moved);
    EXPECT_TRUE(Rosters_Have_No_Holes());
}

TEST(LeagueHistory, DraftKeepsEveryFirstStringerAsAnnounced) {
    Build_1951_League();
    Apply_History_Through(1960);
    // A human owner's roster in his own order, not grouped by unit: the first
    // eleven of offence and defence and his first kicker and punter stay.
    const int32_t bears = Find_Test_Team("Chicago Bears");
    Set_Team_Stat(bears, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    const int32_t count = Get_First_Empty_Player_Slot(bears);
    for (int32_t slot = 0; slot + 1 < count; slot += 2)
        Swap_Players(bears, slot, bears, count - 1 - slot / 2);
    std::set<int32_t> first_string;
    int32_t units[3] = {};
    bool kicker = false, punter = false;
    for (int32_t slot = 0; slot < count; ++slot) {
        const int32_t position = Get_Player_Vital_Stat(bears, slot, VITAL_POSITION);
        const int32_t unit = Get_Position_Unit(position);
        bool keep = unit < 2 && units[unit]++ < 11;
        if (position == POSITION_K && !kicker) keep = kicker = true;
        if (position == POSITION_P && !punter) keep = punter = true;
        if (keep) first_string.insert(Get_Player_ID(bears, slot));
    }
    ASSERT_EQ(first_string.size(), 24u);
    Enter_Off_Season_Before(1961);
    Apply_League_History_For_Next_Year();
    const int32_t team = Find_Test_Team("Chicago Bears");
    std::set<int32_t> kept;
    for (int32_t slot = 0; slot < Get_First_Empty_Player_Slot(team); ++slot)
        kept.insert(Get_Player_ID(team, slot));
    for (int32_t id : first_string)
        EXPECT_TRUE(kept.count(id)) << "first-stringer " << id << " taken";
    EXPECT_GT(Get_Expansion_Picks_Taken(team), 0) << "the rest could be drafted";
    EXPECT_TRUE(Was_Shown("Expansion Draft Complete", "The following Chicago Bears players were taken"));
}

TEST(LeagueHistory, OwnersLossesTextStaysWithinItsBuffer) {
    Build_1951_League();
    Apply_History_Through(1960);
    // A single older-league team with a full roster loses the whole draft (the
    // Cowboys, renamed, escape the realignment that would bring them back).
    Set_Team_Nickname("Rangers", Find_Test_Team("Dallas Cowboys"));
    const int32_t bears = Find_Test_Team("Chicago Bears");
    for (int32_t team = Count_Active_Teams() - 1; team >= 0; --team)
        if (team != bears && Get_Team_Conference(team) == 0) Set_Team_Stat(team, TEAM_STAT_DIVISION, 4);
    Set_Team_Stat(bears, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    for (int32_t slot = Get_First_Empty_Player_Slot(bears); slot < 99; ++slot)
        Create_Player_For_Team(bears, slot, slot % 13, 70);
    for (int32_t slot = 0; slot < 99; ++slot) {
        Set_Player_First_Name(bears, slot, "Maximilianus");
        Set_Player_Last_Name(bears, slot, "Vanderschoonhoven");
    }
    Enter_Off_Season_Before(1961);
    Clear_Shown_Messages();
    Apply_League_History_For_Next_Year();
    const int32_t taken = Get_Expansion_Picks_Taken(Find_Test_Team("Chicago Bears"));
    EXPECT_GT(taken, 40);
    int32_t found = 0;
    for (const SHOWN_MESSAGE& message : Get_Shown_Messages()) {
        if (message.Caption != "Expansion Draft Complete") continue;
        ++found;
        EXPECT_LT(message.Text.size(), 2047u) << "the whole text fits the box";
        int32_t listed = 0;
        for (size_t at = message.Text.find(", age "); at != std::string::npos;
             at = message.Text.find(", age ", at + 1))
            ++listed;
        const size_t more = message.Text.find("... and ");
        ASSERT_NE(more, std::string::npos) << "the rest are counted";
        EXPECT_EQ(listed + atoi(message.Text.c_str() + more + 8), taken);
    }
    EXPECT_EQ(found, 1);
}

TEST(LeagueHistory, FullLeagueAddsNoTeamAndHoldsNoDraft) {
    Build_1951_League();
    Apply_History_Through(1959);
    // Sixteen games leave room for 34 teams at most.
    Universe.Header.Universe_Stats[GAMES_PER_SEASON] = 16;
    Set_User_Preference(MULTI_SEASON_SIMULATION, 1);
    for (int32_t n = Count_Active_Teams(); n < 34; ++n)
        Create_Expansion_Team("Extra,Team", 1, "XTR", "Field");
    for (int32_t team = 0; team < Count_Active_Teams(); ++team)
        Set_Team_Stat(team, TEAM_STAT_CONTROL, TEAM_CONTROL_COMPUTER);
    EXPECT_EQ(Create_Expansion_Team("Another,Team", 1, "ANO", "Field"), -1);
    Clear_Debug_Log();
    std::remove("Output/Expansion-Draft-1960.csv");
    Enter_Off_Season_Before(1960);
    Apply_League_History_For_Next_Year();
    Set_User_Preference(MULTI_SEASON_SIMULATION, 0);
    EXPECT_EQ(Count_Active_Teams(), 34);
    EXPECT_EQ(Count_Debug_Lines("out of bounds"), 0) << "nothing is written for a team that was not made";
    EXPECT_EQ(Count_Debug_Lines("No room in the league"), 1);
    EXPECT_FALSE(std::ifstream("Output/Expansion-Draft-1960.csv").good()) << "no draft without a new team";
}

TEST(LeagueHistory, StateNamesAndLeagueNames) {
    char text[32] = "ca";
    Expand_State_Abbreviation(text, sizeof text);
    EXPECT_STREQ(text, "California");
    Get_State_Name(text, sizeof text, 500, 9);
    EXPECT_STREQ(text, ""); // Virgin Islands, fourth column
    Get_State_Name(text, sizeof text, -3, 1);
    EXPECT_STREQ(text, "Ala.");
    Build_1951_League();
    EXPECT_EQ(Get_League_Index_From_Name("nfl"), 0);
    EXPECT_EQ(Get_League_Index_From_Name("XFL"), 0) << "an unknown league counts as the first";
}

TEST(LeagueHistory, AFullExpansionRosterStillLooksAtEveryCandidateInTurn) {
    Build_1951_League();
    Set_User_Preference(MULTI_SEASON_SIMULATION, 1);
    const int32_t expansion = Create_Expansion_Team("Test,Expansion", 0, "TXP", "Field");
    ASSERT_GE(expansion, 0);
    for (int32_t slot = Get_First_Empty_Player_Slot(expansion); slot < 70; ++slot)
        Create_Player_For_Team(expansion, slot, slot % NUMBER_OF_POSITIONS, 1.0f);
    // Backups of a team of the same league whose ratings are damaged: the
    // look for a choice repairs them, even though no pick can be made.
    int32_t team = 0;
    while (team == expansion || Get_Team_Conference(team) != Get_Team_Conference(expansion))
        ++team;
    const int32_t count = Get_First_Empty_Player_Slot(team);
    ASSERT_GT(count, 30);
    for (int32_t slot = 30; slot < count; ++slot)
        for (float& rating : Universe.Teams[team].Players[slot].Ratings)
            rating = 0.0f;
    Run_Expansion_Draft();
    Set_User_Preference(MULTI_SEASON_SIMULATION, 0);
    EXPECT_EQ(Get_First_Empty_Player_Slot(expansion), 70) << "a full roster drafts nobody";
    ASSERT_EQ(Get_First_Empty_Player_Slot(team), count);
    int32_t open = 0;
    for (int32_t slot = 30; slot < count; ++slot) {
        if (Get_Player_Vital_Stat(team, slot, 29) != 0) continue;
        ++open;
        float highest = 0.0f;
        for (float rating : Universe.Teams[team].Players[slot].Ratings)
            highest = std::max(highest, rating);
        EXPECT_GE(highest, MINIMUM_RATING) << "slot " << slot << " was looked at";
    }
    EXPECT_GT(open, 0) << "some of them were open to the draft";
}

TEST(LeagueHistory, AnOlderAbbreviationLeadsToTheNameTheFranchiseGoesByLater) {
    EXPECT_EQ(Get_Renamed_Franchise_Abbreviation("PHX", 1990, 1994), "ARZ");
    EXPECT_EQ(Get_Renamed_Franchise_Abbreviation("PHX", 1990, 1993), "PHX") << "not renamed yet";
    EXPECT_EQ(Get_Renamed_Franchise_Abbreviation("STL", 1970, 2000), "ARZ") << "the Cardinals of 1970";
    EXPECT_EQ(Get_Renamed_Franchise_Abbreviation("STL", 2000, 2016), "LA") << "the Rams of 2000";
    EXPECT_EQ(Get_Renamed_Franchise_Abbreviation("DTX", 1952, 1990), "IND");
    EXPECT_EQ(Get_Renamed_Franchise_Abbreviation("DTX", 1961, 1990), "KC");
    EXPECT_EQ(Get_Renamed_Franchise_Abbreviation("OAK", 2019, 2022), "LVR");
    EXPECT_EQ(Get_Renamed_Franchise_Abbreviation("CHI", 1960, 2022), "CHI") << "never renamed";
    EXPECT_EQ(Get_Renamed_Franchise_Abbreviation("XYZ", 1990, 2022), "XYZ") << "no row gives it";
}

TEST(LeagueHistory, AFranchiseOfASeasonIsFollowedThroughItsRenamingsToTheYearAsked) {
    // The Yanks of 1951 became the Texans of 1952 and the Colts of 1953, who
    // moved in 1984; the Texans of the other league, founded in 1960, are
    // another franchise, which became the Chiefs.
    EXPECT_EQ(Get_Franchise_Name_In_Year("New York,Yanks", 1951, 1952), "Dallas,Texans");
    EXPECT_EQ(Get_Franchise_Name_In_Year("New York,Yanks", 1951, 1970), "Baltimore,Colts");
    EXPECT_EQ(Get_Franchise_Name_In_Year("New York,Yanks", 1951, 2000), "Indianapolis,Colts");
    EXPECT_EQ(Get_Franchise_Name_In_Year("Dallas,Texans", 1952, 1962), "Baltimore,Colts");
    EXPECT_EQ(Get_Franchise_Name_In_Year("Dallas,Texans", 1961, 1970), "Kansas City,Chiefs");
    EXPECT_EQ(Get_Franchise_Name_In_Year("Dallas,Texans", 1961, 1962), "Dallas,Texans") << "not moved yet";
    EXPECT_EQ(Get_Franchise_Name_In_Year("St. Louis,Cardinals", 1987, 2000), "Arizona,Cardinals");
    EXPECT_EQ(Get_Franchise_Name_In_Year("Houston,Oilers", 1996, 2010), "Tennessee,Titans");
    EXPECT_EQ(Get_Franchise_Name_In_Year("Washington,Redskins", 2019, 2021), "Washington,Football Team");
    EXPECT_EQ(Get_Franchise_Name_In_Year("Washington,Redskins", 2019, 2022), "Washington,Commanders");
    EXPECT_EQ(Get_Franchise_Name_In_Year("Chicago,Bears", 1951, 2022), "Chicago,Bears") << "never renamed";
}
