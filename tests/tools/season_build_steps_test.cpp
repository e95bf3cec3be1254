// Steps of the season database builder on the test league: the rules a built
// season's year sets, the players a season cannot hold, careers summed again
// from the season lines before the base year, the window of years the
// seasons file credits, and the league totals report.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/diagnostics.h"
#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/random_numbers.h"
#include "database/roster_slots.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "personnel/predicted_stats.h"
#include "support/test_league.h"
#include "tools/league_history_totals.h"
#include "tools/season_database.h"
#include "tools/seasons_csv.h"
#include "tools/stats_input.h"

namespace {
namespace fs = std::filesystem;
constexpr int32_t GAMES_STAT = 0;
constexpr int32_t PASSING_YARDS_STAT = 5;
constexpr int32_t RUSHING_YARDS_STAT = 8;

void Set_Base_Year(int32_t year) {
    Universe.Header.Universe_Stats[BASE_YEAR] = year;
    Set_User_Preference(CURRENT_SEASON_INDEX, 0);
}

// The test league as a season built in its own year; that year.
int32_t Build_Test_Season() {
    Build_Test_League();
    const int32_t year = Get_Current_Year();
    Set_Base_Year(year);
    return year;
}

std::string Abbreviation(int32_t team) {
    char text[TEAM_STRING_LENGTH] = "";
    Get_Team_String(text, team, 0);
    return text;
}
} // namespace

TEST(SeasonBuildSteps, TheYearSetsOvertimeAndPlayoffRules) {
    struct RULES {
        int32_t Year, Regular_Overtime, Playoff_Rule, Regular_Rule, Championship, Pre_1990;
    };
    for (const RULES& rules :
         {RULES{1965, 0, 2, 0, 0, 1}, RULES{1974, 1, 2, 0, 1, 1}, RULES{1990, 1, 2, 0, 1, 0},
          RULES{2010, 1, 3, 0, 1, 0}, RULES{2013, 1, 3, 1, 1, 0}}) {
        SCOPED_TRACE(rules.Year);
        Build_Test_League();
        Set_Base_Year(rules.Year);
        Init_Built_Season_Settings();
        EXPECT_EQ(Get_User_Preference(REGULAR_SEASON_OVERTIME_FLAG), rules.Regular_Overtime);
        EXPECT_EQ(Get_User_Preference(PLAYOFF_OVERTIME_RULE), rules.Playoff_Rule);
        EXPECT_EQ(Get_User_Preference(REGULAR_SEASON_OVERTIME_RULE), rules.Regular_Rule);
        EXPECT_EQ(Universe.Header.Championship_Round_Flag, rules.Championship);
        EXPECT_EQ(Universe.Header.Pre_1990_Playoff_Flag, rules.Pre_1990);
        EXPECT_EQ(Get_User_Preference(DRAFT_PICK), TEST_LEAGUE_TEAMS);
        EXPECT_EQ(Get_User_Preference(COMMISSIONER_MODE), 1);
    }
}

// Franchise players of 17 to 50 stay, the free agents of any age; nobody
// without a name; each roster closes up behind the removed.
TEST(SeasonBuildSteps, PlayersASeasonCannotHoldAreRemoved) {
    Build_Test_League();
    const int32_t year = Get_Current_Year();
    const int32_t roster = Get_First_Empty_Player_Slot(2);
    Set_Player_Vital_Stat(2, 3, VITAL_BIRTH_DATE, (year - 51) * 10000 + 101);
    Set_Player_Vital_Stat(2, 5, VITAL_BIRTH_DATE, (year - 16) * 10000 + 101);
    Set_Player_Vital_Stat(2, 7, VITAL_BIRTH_DATE, (year - 50) * 10000 + 101);
    const int32_t kept_id = Get_Player_ID(2, 7);
    Universe.Teams[FREE_AGENT_TEAM].Players[0] = Universe.Teams[4].Players[1];
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_BIRTH_DATE, (year - 55) * 10000 + 101);
    Get_Player_Record_Pointer(6, 2)->First_Name[0] = '\0';
    Get_Player_Record_Pointer(6, 2)->Last_Name[0] = '\0';
    const int32_t removed_lines = Count_Player_Season_Lines(2, 3);
    const int32_t line = Get_Player_Season_Line(2, 3, 0);
    ASSERT_GT(removed_lines, 0);

    Remove_Unplayable_Players();
    EXPECT_EQ(Get_First_Empty_Player_Slot(2), roster - 2);
    EXPECT_EQ(Get_Player_ID(2, 5), kept_id) << "the 50-year-old stays, two slots up";
    EXPECT_TRUE(Is_Player_Slot_Used(FREE_AGENT_TEAM, 0)) << "a free agent's age is his own business";
    EXPECT_EQ(Get_First_Empty_Player_Slot(6), Get_First_Empty_Player_Slot(7) - 1);
    EXPECT_FALSE(Is_Season_Line_Linked(line)) << "the removed player's lines go with him";
}

// The lines of the base year and later are removed; career, last season and
// this season are summed again from what is left.
TEST(SeasonBuildSteps, CareersAreSummedAgainFromTheLinesBeforeTheBaseYear) {
    Build_Test_League();
    const int32_t slot = Test_League_Slot(POSITION_QB, 0);
    int32_t first_year = 9999, last_year = 0;
    for (int32_t n = 0; n < Count_Player_Season_Lines(1, slot); ++n) {
        const int32_t year = Get_Season_Line_Year(Get_Player_Season_Line(1, slot, n));
        first_year = std::min(first_year, year);
        last_year = std::max(last_year, year);
    }
    ASSERT_LT(first_year, last_year) << "two seasons of lines";
    Set_Base_Year(last_year);
    int32_t kept_games = 0, last_season_games = 0;
    for (int32_t n = 0; n < Count_Player_Season_Lines(1, slot); ++n) {
        const int32_t line = Get_Player_Season_Line(1, slot, n);
        if (Get_Season_Line_Year(line) >= last_year) continue;
        kept_games += Get_Season_Line_Stat(line, GAMES_STAT);
        if (Get_Season_Line_Year(line) == last_year - 1)
            last_season_games += Get_Season_Line_Stat(line, GAMES_STAT);
    }
    ASSERT_GT(kept_games, 0);

    Delete_Future_Season_Lines();
    EXPECT_EQ(Player_Has_Season_Line_Year(1, slot, last_year), 0);
    Rebuild_All_Season_Totals();
    EXPECT_EQ(Get_Player_Stat(1, slot, SEASON_CAREER, GAMES_STAT), kept_games);
    EXPECT_EQ(Get_Player_Stat(1, slot, SEASON_LAST, GAMES_STAT), last_season_games);
    EXPECT_EQ(Get_Player_Stat(1, slot, SEASON_THIS, GAMES_STAT), 0);
}

// The build form of the seasons file credits regular seasons of the 25
// years before the base year and the 15 after; a play-off line, or a
// season outside the window, credits nothing.
TEST(SeasonBuildSteps, TheSeasonsFileCreditsTheYearsOfItsWindow) {
    Build_Test_League();
    const int32_t year = Get_Current_Year();
    const int32_t slot = Test_League_Slot(POSITION_QB, 0);
    const std::string id = std::to_string(Get_Player_ID(3, slot));
    const std::string team = Abbreviation(3);
    std::ostringstream header;
    for (int32_t column = 1; column <= 97; ++column)
        header << (column > 1 ? "," : "") << "c" << column;
    const std::string receiver = std::to_string(Get_Player_ID(3, Test_League_Slot(POSITION_WR, 0)));
    // The passer's season, and his receiver's catches of it.
    auto season = [&](int32_t season_year, const char* flag) {
        return "K," + id + "," + flag + "," + std::to_string(season_year) + "," + team +
               ",12,A B,QB,,16,16,400,250,3000,20,10\nK," + receiver + "," + flag + "," +
               std::to_string(season_year) + "," + team + ",80,C D,WR,,16,16" + std::string(14, ',') +
               ",250,3000,20";
    };
    const int32_t career = Get_Player_Stat(3, slot, SEASON_CAREER, PASSING_YARDS_STAT);
    auto read = [&](const std::string& line) {
        // Under the folder the game's inputs are in, whatever the case the reader names.
        fs::create_directories("Input/Stats");
        std::ofstream("Input/Stats/Seasons.csv", std::ios::binary) << header.str() << "\n" << line << "\n";
        Begin_Stats_Input_Checks();
        EXPECT_EQ(Load_Seasons_CSV(0), 1);
        EXPECT_FALSE(Have_Stats_Inputs_Failed());
        End_Stats_Input_Checks();
        return Get_Player_Stat(3, slot, SEASON_CAREER, PASSING_YARDS_STAT) - career;
    };
    EXPECT_EQ(read(season(year - 3, "POST")), 0);
    EXPECT_EQ(read(season(year - 25, "")), 0) << "25 years before is outside the window";
    EXPECT_EQ(read(season(year - 24, "")), 3000);
    fs::remove("Input/Stats/Seasons.csv");
    std::error_code left; // kept when another test put files there
    fs::remove("Input/Stats", left);
}

// A season line of a later year whose team the built season does not hold
// (a franchise founded after it) is told and dropped: the player's
// prediction takes nothing from it, while a later year of one of the
// league's teams still counts.
TEST(SeasonBuildSteps, ALaterSeasonOfATeamTheLeagueDoesNotHoldIsToldAndDropped) {
    Build_Test_League();
    Reset_Diagnostics();
    const int32_t later = Get_Current_Year() + 2;
    const int32_t slot = Test_League_Slot(POSITION_QB, 0);
    const std::string id = std::to_string(Get_Player_ID(3, slot));
    std::ostringstream header;
    for (int32_t column = 1; column <= 97; ++column)
        header << (column > 1 ? "," : "") << "c" << column;
    const std::string receiver = std::to_string(Get_Player_ID(3, Test_League_Slot(POSITION_WR, 0)));
    auto read = [&](const std::string& team) {
        fs::create_directories("Input/Stats");
        // The passer's season, and his receiver's catches of it.
        std::ofstream("Input/Stats/Seasons.csv", std::ios::binary)
            << header.str() << "\nK," << id << ",," << later << "," << team
            << ",12,A B,QB,,16,16,400,250,3000,20,10\nK," << receiver << ",," << later << "," << team
            << ",80,C D,WR,,16,16" << std::string(14, ',') << ",250,3000,20\n";
        const int32_t before = Get_Player_Stat(3, slot, SEASON_PREDICTED, PASSING_YARDS_STAT);
        Begin_Stats_Input_Checks();
        EXPECT_EQ(Load_Seasons_CSV(0), 1);
        EXPECT_FALSE(Have_Stats_Inputs_Failed());
        End_Stats_Input_Checks();
        return Get_Player_Stat(3, slot, SEASON_PREDICTED, PASSING_YARDS_STAT) - before;
    };
    EXPECT_EQ(read("ZZX"), 0) << "no franchise of the league";
    const std::string told = "Unrecognized team abbreviation: ZZX (" + std::to_string(later) + ")";
    EXPECT_NE(std::string(Last_Error_Text).find(told), std::string::npos) << Last_Error_Text;
    Reset_Diagnostics();
    EXPECT_EQ(read(Abbreviation(5)), 3000) << "a later season of a team the league holds";
    EXPECT_STREQ(Last_Error_Text, "");
    fs::remove("Input/Stats/Seasons.csv");
    std::error_code left; // kept when another test put files there
    fs::remove("Input/Stats", left);
}

// The player a seasons line names is the last line's when the line carries
// his id, or, without an id or an external id, his name: a line of only a name
// stays with the player of the line before it, though the name alone finds
// his namesake; a line with another id under the same external id is that
// other player's.
TEST(SeasonBuildSteps, ALineOfTheLastPlayersNameStaysWithHim) {
    const int32_t year = Build_Test_Season();
    const int32_t slot = Test_League_Slot(POSITION_QB, 0);
    for (int32_t team : {1, 3}) {
        Set_Player_First_Name(team, slot, "Quill");
        Set_Player_Last_Name(team, slot, "Namesake");
    }
    Build_All_Player_Hashes();
    int32_t namesake = NO_TEAM, found_slot = NO_PLAYER;
    ASSERT_NE(Find_Player_By_Full_Name(&namesake, &found_slot, "Quill Namesake"), 0);
    ASSERT_TRUE(namesake == 1 || namesake == 3);
    const int32_t player = namesake == 1 ? 3 : 1;
    const std::string id = std::to_string(Get_Player_ID(player, slot));
    const std::string namesake_id = std::to_string(Get_Player_ID(namesake, slot));
    const int32_t player_before = Get_Player_Stat(player, slot, SEASON_CAREER, RUSHING_YARDS_STAT);
    const int32_t namesake_before = Get_Player_Stat(namesake, slot, SEASON_CAREER, RUSHING_YARDS_STAT);
    std::ostringstream header;
    for (int32_t column = 1; column <= 97; ++column)
        header << (column > 1 ? "," : "") << "c" << column;
    // Rushing yards: figures no teammate's need to match.
    auto rushing = [&](const std::string& keys, int32_t season_year, int32_t team, int32_t yards) {
        return keys + ",," + std::to_string(season_year) + "," + Abbreviation(team) +
               ",12,Quill Namesake,QB,,16,16" + std::string(9, ',') + ",30," + std::to_string(yards) + "\n";
    };
    fs::create_directories("Input/Stats");
    std::ofstream("Input/Stats/Seasons.csv", std::ios::binary)
        << header.str() << "\n"
        << rushing("K1," + id, year - 4, player, 300) << rushing(",", year - 3, player, 20)
        << rushing("K1," + namesake_id, year - 3, namesake, 4);
    Begin_Stats_Input_Checks();
    EXPECT_EQ(Load_Seasons_CSV(0), 1);
    EXPECT_FALSE(Have_Stats_Inputs_Failed()) << Last_Error_Text;
    End_Stats_Input_Checks();
    fs::remove("Input/Stats/Seasons.csv");
    std::error_code left; // kept when another test put files there
    fs::remove("Input/Stats", left);
    EXPECT_EQ(Get_Player_Stat(player, slot, SEASON_CAREER, RUSHING_YARDS_STAT) - player_before, 320)
        << "the line of only his name is his";
    EXPECT_EQ(Get_Player_Stat(namesake, slot, SEASON_CAREER, RUSHING_YARDS_STAT) - namesake_before, 4)
        << "the namesake has only the line of his own id";
}

// The league totals of the year before the base year, and the report's
// per-team averages and rounded ratios.
TEST(SeasonBuildSteps, LeagueTotalsOfTheYearBeforeMakeTheReport) {
    Build_Test_League();
    const int32_t slot = Test_League_Slot(POSITION_QB, 0);
    Set_Base_Year(1981);
    // The totals are the process's own table: start both years from nothing,
    // whatever a rebuild run before this test left in them.
    Clear_League_History_Totals(1979);
    Clear_League_History_Totals(1980);
    Accumulate_League_History_Totals(1, slot, 1980, PASSING_YARDS_STAT, 2814);
    Accumulate_League_History_Totals(1, slot, 1980, 3, 200);
    Accumulate_League_History_Totals(1, slot, 1979, PASSING_YARDS_STAT, 5000);
    EXPECT_EQ(Get_League_History_Total(3, 1980), 2814) << "passing yards of 1980";
    EXPECT_EQ(Get_League_History_Total(3, 1979), 0) << "only the year before the base year";
    Write_Historical_Stats_Report();
    std::ifstream in("HistoricalStats.txt");
    std::string text((std::istreambuf_iterator<char>(in)), {});
    EXPECT_NE(text.find("PASS_YARDS per team\n"), std::string::npos);
    EXPECT_NE(text.find("100, // 1980\n"), std::string::npos) << "2,814 / 28 teams, toward zero";
    EXPECT_NE(text.find("14070, // 1980\n"), std::string::npos) << "2,814 x 1,000 / 200 yards a completion";
    in.close();
    fs::remove("HistoricalStats.txt");
    Clear_League_History_Totals(1980);
}

// A kicker's longest kick is the longest of his lines, never their sum: a
// punter who punted for two teams last season keeps the longer of his two
// longest punts as the seasons file credits them and as the builder sums
// the careers again.
TEST(SeasonBuildSteps, LongestKicksAreTheLongestOfTheLinesNotTheirSum) {
    constexpr int32_t LONGEST_PUNT = 5;
    const int32_t year = Build_Test_Season();
    const int32_t punter = Test_League_Slot(POSITION_P, 0);
    Delete_All_Player_Season_Lines(3, punter);
    for (int32_t season : {SEASON_THIS, SEASON_LAST, SEASON_CAREER})
        Clear_Player_Season_Stats(3, punter, season);
    // His two lines of last season: 8 games each, 30 punts for 1,300 yards,
    // the longest 58 and 61.
    auto punting = [&](int32_t team, int32_t longest) {
        std::vector<std::string> fields(97);
        fields[0] = "K";
        fields[1] = std::to_string(Get_Player_ID(3, punter));
        fields[3] = std::to_string(year - 1);
        fields[4] = Abbreviation(team);
        fields[5] = "4";
        fields[6] = "A B";
        fields[7] = "P";
        fields[9] = fields[10] = "8";
        fields[58] = "30";
        fields[59] = "1300";
        fields[73] = std::to_string(longest);
        std::string line;
        for (const std::string& field : fields)
            line += (line.empty() ? "" : ",") + field;
        return line;
    };
    std::ostringstream header;
    for (int32_t column = 1; column <= 97; ++column)
        header << (column > 1 ? "," : "") << "c" << column;
    fs::create_directories("Input/Stats");
    std::ofstream("Input/Stats/Seasons.csv", std::ios::binary) << header.str() << "\n"
                                                               << punting(3, 58) << "\n"
                                                               << punting(5, 61) << "\n";
    Begin_Stats_Input_Checks();
    EXPECT_EQ(Load_Seasons_CSV(0), 1);
    EXPECT_FALSE(Have_Stats_Inputs_Failed());
    End_Stats_Input_Checks();
    fs::remove("Input/Stats/Seasons.csv");
    std::error_code left; // kept when another test put files there
    fs::remove("Input/Stats", left);
    ASSERT_EQ(Count_Player_Season_Lines(3, punter), 2);
    const auto& stored = Universe.Teams[3].Players[punter].Season_Stats;
    EXPECT_EQ(stored[SEASON_LAST][LONGEST_PUNT], 61) << "read: last season";
    EXPECT_EQ(stored[SEASON_CAREER][LONGEST_PUNT], 61) << "read: the career";
    EXPECT_EQ(stored[SEASON_LAST][2], 60) << "his punts add up";

    Rebuild_All_Season_Totals();
    EXPECT_EQ(stored[SEASON_LAST][LONGEST_PUNT], 61) << "summed again: last season";
    EXPECT_EQ(stored[SEASON_CAREER][LONGEST_PUNT], 61) << "summed again: the career";
    EXPECT_EQ(stored[SEASON_CAREER][2], 60);
}

// A line of a kicker's that holds made field goals but no longest one has it
// filled, and the season of the record it belongs to takes the longest of its
// lines: last season and the career read what the lines hold, whatever the
// draws.
TEST(SeasonBuildSteps, AFilledLongestFieldGoalIsTheLongestOfItsSeason) {
    constexpr int32_t LONGEST_FIELD_GOAL = 18;
    const int32_t year = Build_Test_Season();
    const int32_t kicker = Test_League_Slot(POSITION_K, 0);
    // Made from under 30 and from 30-39 yards, with the longest given or not.
    auto add_line = [&](int32_t line_year, int32_t line_team, int32_t under_30, int32_t under_40,
                        int32_t longest) {
        const int32_t line = Add_Player_Season_Line(3, kicker, line_year, line_team);
        ASSERT_NE(line, NO_SEASON_LINE);
        Set_Season_Line_Stat(line, 0, 8);
        Set_Season_Line_Stat(line, 10, under_30 + 1);
        Set_Season_Line_Stat(line, 11, under_30);
        Set_Season_Line_Stat(line, 12, under_40 + 1);
        Set_Season_Line_Stat(line, 13, under_40);
        Set_Season_Line_Stat(line, LONGEST_FIELD_GOAL, longest);
    };
    for (uint32_t seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE(seed);
        Delete_All_Player_Season_Lines(3, kicker);
        add_line(year - 3, 3, 0, 2, 0);
        add_line(year - 1, 5, 2, 0, 0);
        add_line(year - 1, 3, 1, 0, 22);
        Rebuild_All_Season_Totals();
        Seed_Random_Numbers(seed);
        Complete_All_Kicker_Stats();
        int32_t last = 0, career = 0;
        for (int32_t n = 0; n < NUMBER_OF_SEASON_LINE_LINKS; ++n) {
            const int32_t line = Get_Player_Season_Line(3, kicker, n);
            if (line == NO_SEASON_LINE) continue;
            const int32_t longest = Get_Season_Line_Stat(line, LONGEST_FIELD_GOAL);
            EXPECT_GE(longest, 22) << "every line that made one has its longest";
            career = std::max(career, longest);
            if (Get_Season_Line_Year(line) == year - 1) last = std::max(last, longest);
        }
        const auto& stored = Universe.Teams[3].Players[kicker].Season_Stats;
        EXPECT_EQ(stored[SEASON_LAST][LONGEST_FIELD_GOAL], last);
        EXPECT_EQ(Get_Player_Stat(3, kicker, SEASON_CAREER, LONGEST_FIELD_GOAL), career);
    }
}
