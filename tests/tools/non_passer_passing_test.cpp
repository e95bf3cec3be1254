// The passes of players who are no quarterbacks, from the league generator
// to the seasons file: the figures kept a season survive their file, a line
// of it that is not a passer's figures is refused; a line of the seasons file
// carries them in its passing columns for such a player only; and a player's
// lines of one year and team (a player who came back to a team he left
// within the year) are one season of the file, whose figures are the sums of
// both stays and whose longest kicks are the longest of them; and a regular
// season's passing totals are checked against the lines and the kept passes.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "database/player_record.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "engine/statistics_credit.h"
#include "support/test_league.h"
#include "tools/league/non_passer_passing.h"
#include "tools/season_inputs/input_rows.h"
#include "tools/season_inputs/league_export.h"

namespace {
// The line's fields by their column number (from 1).
std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields{"", ""};
    for (char c : line) {
        if (c == ',')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}
} // namespace

TEST(NonPasserPassing, KeptFiguresSurviveTheirFile) {
    NON_PASSER_PASSING thrower{2010, 12, 4711};
    for (auto [stat, amount] : {std::pair{2, 1}, {3, 1}, {5, 23}, {6, 1}, {2, 1}, {4, 1}, {7, 9}})
        Add_Non_Passer_Passing_Credit(&thrower, stat, amount);
    EXPECT_EQ(thrower.Attempts, 2);
    EXPECT_EQ(thrower.Completions, 1);
    EXPECT_EQ(thrower.Yards, 23);
    EXPECT_EQ(thrower.Touchdowns, 1);
    EXPECT_EQ(thrower.Interceptions, 1) << "a run's figure is no passing figure";
    const NON_PASSER_PASSING other{2011, 3, 99, 1, 0, 0, 0, 0};

    const std::string path = "non-passer-passing.txt";
    std::string error;
    ASSERT_TRUE(Write_Non_Passer_Passing(path, {thrower, other}, &error)) << error;
    std::vector<NON_PASSER_PASSING> read;
    ASSERT_TRUE(Read_Non_Passer_Passing(path, &read, &error)) << error;
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0].Year, 2010);
    EXPECT_EQ(read[0].Team, 12);
    EXPECT_EQ(read[0].Player_Id, 4711);
    EXPECT_EQ(read[0].Yards, 23);
    EXPECT_EQ(read[1].Player_Id, 99);
    EXPECT_EQ(read[1].Attempts, 1);

    std::ofstream(path, std::ios::app) << "2012\t4\t17\t3\t2\n";
    EXPECT_FALSE(Read_Non_Passer_Passing(path, &read, &error));
    EXPECT_NE(error.find("line 3: not a passer's figures"), std::string::npos) << error;
    std::filesystem::remove(path);
    EXPECT_FALSE(Read_Non_Passer_Passing(path, &read, &error));
}

TEST(NonPasserPassing, OnlyAnotherMansLineCarriesThemInItsPassingColumns) {
    int32_t stats[NUMBER_OF_SEASON_STATS] = {16, 10, 3, 0, 0, 0, 0, 120, 500, 4};
    const int32_t threw[SEASON_LINE_PASSING_FIGURES] = {3, 2, 41, 1, 1};
    const std::vector<std::string> back =
        Fields(Make_Season_Line(7, 2010, "HOU", 28, "A Back", POSITION_RB, stats, 5, threw));
    EXPECT_EQ(std::vector<std::string>(back.begin() + 12, back.begin() + 17),
              (std::vector<std::string>{"3", "2", "41", "1", "1"}));
    EXPECT_EQ(back[30], "3") << "his fumbles stay where they were";
    EXPECT_EQ(Fields(Make_Season_Line(7, 2010, "HOU", 28, "A Back", POSITION_RB, stats, 5))[13], "")
        << "a man who threw nothing has no passing figures";

    const std::vector<std::string> passer =
        Fields(Make_Season_Line(8, 2010, "HOU", 12, "A Passer", POSITION_QB, stats, 5, threw));
    EXPECT_EQ(passer[12], "3") << "a quarterback's passing columns are his own line's";
    EXPECT_EQ(passer[14], "0");
}

TEST(NonPasserPassing, AStayAgainWithATeamInTheSameYearIsOneSeason) {
    Build_Test_League();
    const int32_t back = Test_League_Slot(POSITION_RB, 0);
    const int32_t kicker = Test_League_Slot(POSITION_K, 0);
    constexpr int32_t YEAR = TEST_BASE_YEAR + 1;
    auto add_line = [&](int32_t slot, int32_t team, const std::vector<std::pair<int32_t, int32_t>>& figures) {
        const int32_t line = Find_Free_Season_Line();
        const int32_t link = Find_Free_Season_Line_Link(4, slot);
        ASSERT_GE(line, 0);
        ASSERT_GE(link, 0);
        Universe.Season_Lines[line] = SEASON_LINE{YEAR, 0, static_cast<int8_t>(team), {}, {}};
        for (auto [stat, value] : figures)
            Set_Season_Line_Stat(line, stat, value);
        Set_Player_Season_Line_Link(4, slot, link, line);
    };
    add_line(back, 4, {{0, 6}, {1, 4}, {8, 200}});
    add_line(back, 9, {{0, 3}, {8, 40}});
    add_line(back, 4, {{0, 5}, {1, 5}, {8, 150}});
    add_line(back, 11, {{1, 0}});
    const std::vector<JOINED_SEASON_LINE> seasons = Join_Player_Season_Lines(4, back, YEAR + 1, YEAR);
    ASSERT_EQ(seasons.size(), 2u) << "a line without a game is no season";
    EXPECT_EQ(seasons[0].Team, 4);
    EXPECT_EQ(seasons[0].Stats[0], 11);
    EXPECT_EQ(seasons[0].Stats[1], 9);
    EXPECT_EQ(seasons[0].Stats[8], 350);
    EXPECT_EQ(seasons[1].Team, 9);
    EXPECT_EQ(seasons[1].Stats[8], 40);
    EXPECT_TRUE(Join_Player_Season_Lines(4, back, YEAR, TEST_BASE_YEAR).size() <
                Join_Player_Season_Lines(4, back, YEAR + 1, TEST_BASE_YEAR).size())
        << "the years asked for only";

    add_line(kicker, 4, {{0, 8}, {5, 61}, {18, 48}, {9, 20}});
    add_line(kicker, 4, {{0, 8}, {5, 55}, {18, 52}, {9, 21}});
    const std::vector<JOINED_SEASON_LINE> kicks = Join_Player_Season_Lines(4, kicker, YEAR + 1, YEAR);
    ASSERT_EQ(kicks.size(), 1u);
    EXPECT_EQ(kicks[0].Stats[5], 61);
    EXPECT_EQ(kicks[0].Stats[18], 52);
    EXPECT_EQ(kicks[0].Stats[9], 41);
}

// As the regular season ends, each franchise's passing totals must be its
// quarterbacks' lines of the year, those of quarterbacks who left during it
// and the passes kept of its other players; the first team that differs is
// named with the figure.
TEST(NonPasserPassing, ARegularSeasonsPassingIsCheckedTeamByTeam) {
    Build_Test_League();
    Clear_Kept_Non_Passer_Passing();
    const int32_t year = Get_Current_Year();
    const int32_t passer = Test_League_Slot(POSITION_QB, 0);
    constexpr int32_t PASSERS = 3;
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        for (int32_t stat = 2; stat <= 6; ++stat)
            Set_Team_Totals_Stat(team, PASSERS, 0, stat, 0);
    std::string error;
    EXPECT_TRUE(Check_Regular_Season_Passing({}, &error)) << error;

    const int32_t line = Add_Player_Season_Line(7, passer, year, 7);
    ASSERT_NE(line, NO_SEASON_LINE);
    Set_Season_Line_Stat(line, 2, 30);
    Set_Season_Line_Stat(line, 5, 210);
    Set_Team_Totals_Stat(7, PASSERS, 0, 2, 32);
    Set_Team_Totals_Stat(7, PASSERS, 0, 5, 210);
    EXPECT_FALSE(Check_Regular_Season_Passing({}, &error));
    char name[TEAM_STRING_LENGTH] = "";
    Get_Team_String(name, 7, 0);
    EXPECT_NE(error.find("regular season of " + std::string(name) +
                         " has 32 pass attempts in its passing totals, its passers 30"),
              std::string::npos)
        << error;

    SEASON_LINE left{year, 0, 7, {}, {}};
    left.Stats[2] = 2;
    SEASON_LINE earlier = left;
    earlier.Year = year - 1;
    EXPECT_FALSE(Check_Regular_Season_Passing({earlier}, &error))
        << "an earlier year's line is not this season's";
    EXPECT_TRUE(Check_Regular_Season_Passing({left, earlier}, &error)) << error;

    // A back's pass adds to the totals and is kept alike.
    GAME_RECORD* game = &Universe.Games[0];
    std::memset(game, 0, sizeof *game);
    game->Team[0] = 7;
    game->Team[1] = 8;
    game->Possession_Team = 7;
    Universe.Season_Length = 17;
    Set_User_Preference(CURRENT_WEEK, 3);
    const GAME_STAT_CREDIT thrown[] = {{2, 1}, {3, 1}, {5, 12}};
    Keep_Non_Passer_Passing(true);
    Credit_Team_Passing(game, 7, Test_League_Slot(POSITION_RB, 1), thrown);
    Keep_Non_Passer_Passing(false);
    EXPECT_EQ(Get_Team_Totals_Stat(7, PASSERS, 0, 5), 222);
    EXPECT_TRUE(Check_Regular_Season_Passing({left}, &error)) << error;
    ASSERT_EQ(Get_Kept_Non_Passer_Passing().size(), 1u);
    EXPECT_EQ(Get_Kept_Non_Passer_Passing()[0].Player_Id, Get_Player_ID(7, Test_League_Slot(POSITION_RB, 1)));
    Clear_Kept_Non_Passer_Passing();
    EXPECT_FALSE(Check_Regular_Season_Passing({left}, &error)) << "the back's pass is in no line";
}
