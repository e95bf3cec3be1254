#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "database/league_structure.h"
#include "database/loaded_league_bounds.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/settings.h"
#include "database/universe.h"
#include "personnel/predicted_stats.h"
#include "platform/message_box.h"
#include "season/replay_stats.h"
#include "season/season_start.h"
#include "support/test_league.h"
#include "tools/seasons_csv.h"

namespace {
constexpr int32_t COLUMNS = 97;
constexpr int32_t TEAM = 5;

// A seasons line: the player's id, flag, year and team, then the given columns (1-based).
std::string Seasons_Line(int32_t slot, const char* flag, int32_t year,
                         const std::map<int32_t, std::string>& columns) {
    std::array<std::string, COLUMNS + 1> fields;
    fields[2] = std::to_string(Test_League_Player_ID(TEAM, slot));
    fields[3] = flag;
    fields[4] = std::to_string(year);
    fields[5] = "T05";
    for (const auto& [column, text] : columns)
        fields[column] = text;
    std::string line;
    for (int32_t column = 1; column <= COLUMNS; ++column)
        line += (column > 1 ? "," : "") + fields[column];
    return line + "\n";
}

// The season of the player the builder put in `slot`, wherever the depth
// charts have moved him since.
std::array<int32_t, NUMBER_OF_SEASON_STATS> Season(int32_t slot, int32_t season) {
    int32_t now = slot;
    for (int32_t s = 0; s < PLAYERS_PER_TEAM; ++s)
        if (Get_Player_ID(TEAM, s) == Test_League_Player_ID(TEAM, slot)) now = s;
    std::array<int32_t, NUMBER_OF_SEASON_STATS> stats{};
    for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat)
        stats[stat] = Get_Player_Stat(TEAM, now, season, stat);
    return stats;
}

void Fill_Seasons(int32_t slot) {
    for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat) {
        Set_Player_Stat(TEAM, slot, SEASON_PREDICTED, stat, stat == 0 ? 16 : 40 + stat);
        Set_Player_Stat(TEAM, slot, SEASON_THIS, stat, 3);
    }
}
} // namespace

TEST(ReplayStats, RealSeasonBecomesThePrediction) {
    Build_Test_League();
    const int32_t qb = Test_League_Slot(POSITION_QB, 0);
    const int32_t de = Test_League_Slot(POSITION_DE, 0);
    const int32_t tackle = Test_League_Slot(POSITION_T, 0);
    for (int32_t slot : {qb, de, tackle})
        Fill_Seasons(slot);
    const auto tackle_prediction = Season(tackle, SEASON_PREDICTED);
    std::filesystem::create_directories("input/stats");
    std::ofstream("input/stats/seasons.csv")
        << "VorlanID,PlayerID,SeasonFlag,Year,Team\n"
        << Seasons_Line(qb, "PRE", 2020, {{10, "3"}, {12, "99"}})
        << Seasons_Line(qb, "", 2019, {{10, "15"}, {12, "400"}})
        << Seasons_Line(qb, "", 2020,
                        {{10, "16"},
                         {11, "16"},
                         {12, "540"},
                         {13, "350"},
                         {14, "4100"},
                         {15, "30"},
                         {16, "9"},
                         {19, "25"},
                         {20, "160"},
                         {21, "40"},
                         {22, "120"},
                         {23, "2"}})
        << Seasons_Line(qb, "", 2020, {{12, "77"}, {95, "12"}})
        << Seasons_Line(de, "", 2020,
                        {{10, "15"}, {11, "14"}, {40, "50"}, {41, "20"}, {43, "7.5"}, {51, "1"}})
        << Seasons_Line(tackle, "", 2020, {{10, "16"}, {11, "16"}});

    Clear_Shown_Messages();
    Load_Replay_Season_Stats();
    EXPECT_TRUE(Get_Shown_Messages().empty());
    const std::array<int32_t, NUMBER_OF_SEASON_STATS> qb_season = {
        16, 16, 540, 350, 9, 4100, 30, 40, 120, 2, 0, 0, 0, 0, 25, 160, 0, 0, 0, 0};
    EXPECT_EQ(Season(qb, SEASON_PREDICTED), qb_season) << "the year's regular season, first line first";
    const std::array<int32_t, NUMBER_OF_SEASON_STATS> de_season = {15, 14, 50, 20, 15, 0, 0, 1, 0, 0,
                                                                   0,  0,  0,  0,  0,  0, 0, 0, 0, 0};
    EXPECT_EQ(Season(de, SEASON_PREDICTED), de_season);
    EXPECT_EQ(Season(tackle, SEASON_PREDICTED), tackle_prediction) << "linemen keep their prediction";
    const std::array<int32_t, NUMBER_OF_SEASON_STATS> zero{};
    for (int32_t slot : {qb, de, tackle})
        EXPECT_EQ(Season(slot, SEASON_THIS), zero);
}

// The seasons file keeps a defender's fumble-return and interception-return
// touchdowns apart; the game keeps them as one figure, and a replayed season
// has them all, not only the first column's.
TEST(ReplayStats, ADefendersReturnTouchdownsOfBothKindsAreOneFigure) {
    Build_Test_League();
    const int32_t safety = Test_League_Slot(POSITION_S, 0);
    Fill_Seasons(safety);
    std::filesystem::create_directories("input/stats");
    std::ofstream("input/stats/seasons.csv")
        << "VorlanID,PlayerID,SeasonFlag,Year,Team\n"
        << Seasons_Line(safety, "", 2020,
                        {{10, "16"}, {11, "16"}, {48, "2"}, {50, "1"}, {51, "5"}, {53, "2"}, {95, "9"}});
    Load_Replay_Season_Stats();
    const auto season = Season(safety, SEASON_PREDICTED);
    EXPECT_EQ(season[7], 5) << "interceptions";
    EXPECT_EQ(season[8], 2) << "fumble recoveries";
    EXPECT_EQ(season[9], 3) << "one fumble return and two interception returns";
}

TEST(ReplayStats, MissingFileGivesOneNoticeAndChangesNothing) {
    Build_Test_League();
    const int32_t qb = Test_League_Slot(POSITION_QB, 0);
    Fill_Seasons(qb);
    const auto predicted = Season(qb, SEASON_PREDICTED);
    const auto this_season = Season(qb, SEASON_THIS);
    std::filesystem::remove_all("input");
    Clear_Shown_Messages();
    Load_Replay_Season_Stats();
    ASSERT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "Read Error");
    EXPECT_NE(Get_Shown_Messages()[0].Text.find("input/stats/seasons.csv"), std::string::npos);
    EXPECT_EQ(Season(qb, SEASON_PREDICTED), predicted);
    EXPECT_EQ(Season(qb, SEASON_THIS), this_season);
}

// Figures no season holds, in a season old enough for the defensive estimates:
// every statistic ends at the largest a statistic holds, none wraps negative.
TEST(ReplayStats, FiguresBeyondAStatisticsRangeAreHeldAtItsBound) {
    Build_Test_League();
    Universe.Header.Universe_Stats[BASE_YEAR] = 1980;
    const int32_t de = Test_League_Slot(POSITION_DE, 0);
    Fill_Seasons(de);
    const std::string huge = "2147483647";
    std::filesystem::create_directories("input/stats");
    std::ofstream("input/stats/seasons.csv")
        << "VorlanID,PlayerID,SeasonFlag,Year,Team\n"
        << Seasons_Line(de, "", 1980,
                        {{10, huge}, {11, huge}, {43, "1e300"}, {51, huge}, {53, "99999999999"}, {95, huge}});
    Load_Replay_Season_Stats();
    const auto season = Season(de, SEASON_PREDICTED);
    EXPECT_EQ(season[0], LARGEST_SEASON_FIGURE);
    EXPECT_EQ(season[4], LARGEST_SEASON_FIGURE) << "half sacks beyond any count";
    EXPECT_EQ(season[7], LARGEST_SEASON_FIGURE) << "interceptions";
    for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat)
        EXPECT_GE(season[stat], 0) << stat;
    EXPECT_EQ(season[6], LARGEST_SEASON_FIGURE) << "passes defended estimated from the games and value";
}

TEST(ReplayStats, FiguresBeyondAnySeasonAreHeldToFiveDigits) {
    Build_Test_League();
    const int32_t qb = Test_League_Slot(POSITION_QB, 0);
    const int32_t de = Test_League_Slot(POSITION_DE, 0);
    for (int32_t slot : {qb, de})
        Clear_Player_Season_Stats(TEAM, slot, SEASON_THIS);
    std::filesystem::create_directories("input/stats");
    std::ofstream("input/stats/seasons.csv")
        << "VorlanID,PlayerID,SeasonFlag,Year,Team\n"
        << Seasons_Line(qb, "", 2020, {{10, "99999999999"}, {11, "-4000000000"}, {12, "77"}})
        << Seasons_Line(de, "", 2020, {{10, "15"}, {43, "1e300"}, {40, "nan"}});
    ASSERT_EQ(Load_Seasons_CSV(1), 1);
    EXPECT_EQ(Season(qb, SEASON_THIS)[0], 99999);
    EXPECT_EQ(Season(qb, SEASON_THIS)[1], 0) << "starts below 0 are no starts";
    EXPECT_EQ(Season(qb, SEASON_THIS)[2], 77) << "a figure within reason stands";
    EXPECT_EQ(Season(de, SEASON_THIS)[4], 99999) << "half sacks beyond any number";
    EXPECT_EQ(Season(de, SEASON_THIS)[2], 0) << "no number is no figure";
    std::filesystem::remove_all("input");
}

namespace {
// The slot of the player the builder put in `slot`, wherever he stands now.
int32_t Now_At(int32_t slot) {
    for (int32_t s = 0; s < PLAYERS_PER_TEAM; ++s)
        if (Get_Player_ID(TEAM, s) == Test_League_Player_ID(TEAM, slot)) return s;
    return slot;
}
} // namespace

// A replayed season's line also gives the player his position and uniform of
// the base year and adds his value to vital statistics 9 and 23; a later
// year's line moves neither a basic position nor a uniform he has, and adds
// its value to statistic 9 alone.
TEST(ReplayStats, TheLineSetsPositionUniformAndValues) {
    Build_Test_League();
    const int32_t cb = Test_League_Slot(POSITION_CB, 0);
    Set_Player_Byte_Field(TEAM, cb, PLAYER_BYTE_UNIFORM, 0);
    Set_Player_Vital_Stat(TEAM, cb, 9, 100);
    Set_Player_Vital_Stat(TEAM, cb, 23, 50);
    std::filesystem::create_directories("input/stats");
    std::ofstream("input/stats/seasons.csv")
        << "VorlanID,PlayerID,SeasonFlag,Year,Team\n"
        << Seasons_Line(cb, "", TEST_BASE_YEAR, {{6, "24"}, {8, "S"}, {10, "16"}, {95, "12"}})
        << Seasons_Line(cb, "", TEST_BASE_YEAR + 1, {{6, "31"}, {8, "LB"}, {10, "15"}, {95, "7"}});
    Load_Replay_Season_Stats();
    int32_t slot = Now_At(cb);
    EXPECT_EQ(Get_Player_Vital_Stat(TEAM, slot, VITAL_POSITION), POSITION_S);
    EXPECT_EQ(Get_Player_Byte_Field(TEAM, slot, PLAYER_BYTE_UNIFORM), 24);
    EXPECT_EQ(Get_Player_Vital_Stat(TEAM, slot, 9), 112);
    EXPECT_EQ(Get_Player_Vital_Stat(TEAM, slot, 23), 62);

    Set_User_Preference(CURRENT_SEASON_INDEX, 1);
    Load_Replay_Season_Stats();
    slot = Now_At(cb);
    EXPECT_EQ(Get_Player_Vital_Stat(TEAM, slot, VITAL_POSITION), POSITION_S) << "a basic position stays";
    EXPECT_EQ(Get_Player_Byte_Field(TEAM, slot, PLAYER_BYTE_UNIFORM), 24) << "his uniform stays";
    EXPECT_EQ(Get_Player_Vital_Stat(TEAM, slot, 9), 119);
    EXPECT_EQ(Get_Player_Vital_Stat(TEAM, slot, 23), 62) << "only the base year's value";

    // A value past what a career adds up to: the sum stays where a saved game keeps it.
    Set_User_Preference(CURRENT_SEASON_INDEX, 2);
    std::ofstream("input/stats/seasons.csv")
        << "VorlanID,PlayerID,SeasonFlag,Year,Team\n"
        << Seasons_Line(cb, "", TEST_BASE_YEAR + 2, {{6, "24"}, {8, "S"}, {10, "16"}, {95, "99999"}});
    Load_Replay_Season_Stats();
    EXPECT_EQ(Get_Player_Vital_Stat(TEAM, Now_At(cb), 9), 10000);
    std::filesystem::remove_all("input");
}

// A damaged seasons file: counts below 0 (games, starts, catches, rushes,
// touchdowns, fumbles, sacks) are no figures, while yards below 0 are real
// and stay. What the read leaves, and what an injury's reconciliation then
// makes of it (a receiver with no catches and one with a season's bound of
// them), is what a saved game keeps: the load's bounds change nothing.
TEST(ReplayStats, CountsBelowZeroAreNoFiguresAndEveryFigureIsOneASaveKeeps) {
    Build_Test_League();
    const int32_t wr = Test_League_Slot(POSITION_WR, 0);
    const int32_t te = Test_League_Slot(POSITION_TE, 0);
    const int32_t lb = Test_League_Slot(POSITION_LB, 0);
    std::filesystem::create_directories("input/stats");
    std::ofstream("input/stats/seasons.csv")
        << "VorlanID,PlayerID,SeasonFlag,Year,Team\n"
        << Seasons_Line(wr, "", TEST_BASE_YEAR,
                        {{10, "-16"},
                         {11, "-3"},
                         {21, "-5"},
                         {22, "-12"},
                         {23, "-1"},
                         {25, "-40"},
                         {26, "-99999"},
                         {27, "-20"},
                         {28, "-2"},
                         {30, "-4"},
                         {36, "-2"},
                         {37, "-9"}})
        << Seasons_Line(te, "", TEST_BASE_YEAR, {{10, "16"}, {26, "99999"}, {27, "99999"}, {28, "99999"}})
        << Seasons_Line(lb, "", TEST_BASE_YEAR,
                        {{10, "-3"}, {40, "-50"}, {43, "-2.5"}, {51, "-1"}, {53, "-1"}});
    ASSERT_EQ(Load_Replay_Season_Stats(), 1);

    const auto receiver = Season(wr, SEASON_PREDICTED);
    for (int32_t stat : {0, 1, 2, 4, 7, 9, 10, 12, 14})
        EXPECT_EQ(receiver[stat], 0) << "count " << stat;
    EXPECT_EQ(receiver[8], -12) << "rushing yards below 0 stand";
    EXPECT_EQ(receiver[11], -20) << "receiving yards below 0 stand";
    EXPECT_EQ(receiver[15], -9) << "return yards below 0 stand";
    const auto linebacker = Season(lb, SEASON_PREDICTED);
    for (int32_t stat : {0, 2, 4, 7, 9})
        EXPECT_EQ(linebacker[stat], 0) << "count " << stat;

    // An injury moves each prediction and makes it consistent again.
    for (int32_t slot : {wr, te})
        Modify_Randomly_And_Reconcile_Predicted_Stats(TEAM, Now_At(slot), -300, 0);
    std::vector<PLAYER_RECORD> before(Universe.Teams[TEAM].Players,
                                      Universe.Teams[TEAM].Players + PLAYERS_PER_TEAM);
    for (int32_t slot : {wr, te, lb})
        for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat) {
            const int32_t figure = Get_Player_Stat(TEAM, Now_At(slot), SEASON_PREDICTED, stat);
            EXPECT_LE(figure, LARGEST_SEASON_FIGURE) << "slot " << slot << " stat " << stat;
            EXPECT_GE(figure, -LARGEST_SEASON_FIGURE) << "slot " << slot << " stat " << stat;
        }
    EXPECT_GE(Get_Player_Stat(TEAM, Now_At(wr), SEASON_PREDICTED, 10), 0) << "catches";
    Bound_Loaded_League();
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        EXPECT_EQ(std::memcmp(&before[slot], &Universe.Teams[TEAM].Players[slot], sizeof(PLAYER_RECORD)), 0)
            << "a load would change slot " << slot;
    std::filesystem::remove_all("input");
}

// The start of a season past the last real one (2022 on) ends Replay Mode
// before its read, so it never tells of a read that cannot be: the user is
// told once that the seasons go on without real statistics (when the season
// is set up, not in the middle of its start), and a multi-season simulation
// ends the mode without a word. Before 2022 a seasons file without the
// year's lines is still told.
TEST(ReplayStats, ASeasonPastTheRealOnesEndsReplayModeOnceBeforeItsRead) {
    auto captions = [] {
        std::string text;
        for (const SHOWN_MESSAGE& shown : Get_Shown_Messages())
            text += shown.Caption + ": " + shown.Text + "\n";
        return text;
    };
    Build_Test_League();
    std::filesystem::remove_all("input/stats");
    Supply_Team_Records_File();
    Universe.Header.Universe_Stats[BASE_YEAR] = 2021;
    Set_User_Preference(CURRENT_SEASON_INDEX, 1);
    Universe.Header.Replay_Mode = 1;
    Clear_Shown_Messages();
    Start_Season(0);
    EXPECT_EQ(Universe.Header.Replay_Mode, 0);
    EXPECT_EQ(captions(), "") << "the start itself tells nothing yet";
    Tell_Replay_Mode_Ended();
    EXPECT_EQ(captions(),
              "Replay Mode Ended: Real season statistics go no further than the 2021 season, so Replay Mode "
              "has been turned off.\n\nThe 2022 season and the seasons after it are played without real "
              "statistics.\n");
    Clear_Shown_Messages();
    Tell_Replay_Mode_Ended();
    EXPECT_EQ(captions(), "") << "told once";
    Set_User_Preference(CURRENT_SEASON_INDEX, 2);
    Start_Season(0);
    Tell_Replay_Mode_Ended();
    EXPECT_EQ(captions(), "") << "the next season says nothing";

    Universe.Header.Replay_Mode = 1;
    Set_User_Preference(MULTI_SEASON_SIMULATION, 1);
    Start_Season(0);
    Tell_Replay_Mode_Ended();
    Set_User_Preference(MULTI_SEASON_SIMULATION, 0);
    EXPECT_EQ(Universe.Header.Replay_Mode, 0);
    EXPECT_EQ(captions(), "") << "a simulation of many seasons asks and tells nothing";

    // A start whose set-up never came is not told in a later season.
    Universe.Header.Replay_Mode = 1;
    Start_Season(0);
    Set_User_Preference(CURRENT_SEASON_INDEX, 3);
    Tell_Replay_Mode_Ended();
    EXPECT_EQ(captions(), "") << "a later season does not tell of an earlier start";

    // 2021, with a seasons file that holds no line of the year.
    const int32_t qb = Test_League_Slot(POSITION_QB, 0);
    std::filesystem::create_directories("input/stats");
    std::ofstream("input/stats/seasons.csv") << "VorlanID,PlayerID,SeasonFlag,Year,Team\n"
                                             << Seasons_Line(qb, "", 2019, {{10, "16"}});
    Set_User_Preference(CURRENT_SEASON_INDEX, 0);
    Universe.Header.Replay_Mode = 1;
    Start_Season(0);
    EXPECT_EQ(Universe.Header.Replay_Mode, 1) << "a historical season keeps the mode";
    EXPECT_NE(captions().find("Read Error: input/stats/seasons.csv holds no statistics of the 2021 season."),
              std::string::npos)
        << captions();
    std::filesystem::remove_all("input");
}
