#include <gtest/gtest.h>

#include <algorithm>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/roster_slots.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/universe.h"
#include "personnel/scouting.h"
#include "support/debug_log.h"
#include "support/test_league.h"

namespace {

void Make_Position(int32_t team, int32_t slot, int32_t position) {
    Set_Player_Vital_Stat(team, slot, VITAL_POSITION, position);
    for (int32_t season = 0; season < 4; ++season)
        Clear_Player_Season_Stats(team, slot, season);
}

} // namespace

TEST(PlayerStatistics, RoundedRatioRoundsHalvesAwayFromZero) {
    EXPECT_EQ(Rounded_Ratio(-7, 10, 2), -35);
    EXPECT_EQ(Rounded_Ratio(7, 10, 2), 35);
    EXPECT_EQ(Rounded_Ratio(-7, 1, 2), -4);
    EXPECT_EQ(Rounded_Ratio(5, 1000, 0), 0);
    // Below 0 to the nearest as above it: 2 catches for -4 yards average
    // -2.0, 9 for -4 average -0.4 (-0.44 in hundredths), 3 for -1 -0.3.
    EXPECT_EQ(Rounded_Ratio(-4, 10, 2), -20);
    EXPECT_EQ(Rounded_Ratio(-4, 10, 9), -4);
    EXPECT_EQ(Rounded_Ratio(-4, 100, 9), -44);
    EXPECT_EQ(Rounded_Ratio(-1, 10, 3), -3);
    EXPECT_EQ(Rounded_Ratio(4, 10, -9), -4);
    EXPECT_EQ(Rounded_Ratio(-5, 1, 2), -3) << "a half away from 0";
}

// An average is rounded once from its totals at the scale it is asked in,
// and the computed code keeps its own scale.
TEST(PlayerStatistics, AveragesRoundOnceFromTheirTotals) {
    Build_Test_League();
    const int32_t rb = Test_League_Slot(POSITION_RB, 0);
    Make_Position(0, rb, POSITION_RB);
    Set_Player_Stat(0, rb, SEASON_THIS, 7, 175);
    Set_Player_Stat(0, rb, SEASON_THIS, 8, 569);
    EXPECT_EQ(Get_Player_Stat(0, rb, SEASON_THIS, 112), 325);
    EXPECT_EQ(Get_Player_Average(0, rb, SEASON_THIS, 112, 10), 33) << "3.251, not 3.25 rounded again";
    EXPECT_EQ(Get_Player_Average(0, rb, SEASON_THIS, 112, 1), 3);
    Set_Player_Stat(0, rb, SEASON_THIS, 10, 2);
    Set_Player_Stat(0, rb, SEASON_THIS, 11, -4);
    EXPECT_EQ(Get_Player_Stat(0, rb, SEASON_THIS, 113), -20);
    EXPECT_EQ(Get_Player_Average(0, rb, SEASON_THIS, 113, 10), -20);
    EXPECT_EQ(Get_Player_Average_Scale(103), 100);
    EXPECT_EQ(Get_Player_Average_Scale(115), 10);
    EXPECT_EQ(Get_Player_Average_Scale(101), 0) << "a rate, no average";
    EXPECT_EQ(Get_Player_Average(0, rb, SEASON_THIS, 101, 10), 0);
}

TEST(PlayerStatistics, PasserRatingFromTheStoredLine) {
    Build_Test_League();
    int32_t qb = Test_League_Slot(POSITION_QB, 0);
    Make_Position(0, qb, POSITION_QB);
    EXPECT_EQ(Get_Player_Stat(0, qb, 0, 101), 0);
    EXPECT_EQ(Get_Player_Stat(0, qb, 0, 100), 395) << "no attempts: only the interception term";
    int32_t line[] = {0, 0, 20, 16, 0, 250, 3};
    for (int32_t stat = 2; stat <= 6; ++stat)
        Set_Player_Stat(0, qb, 0, stat, line[stat]);
    EXPECT_EQ(Get_Player_Stat(0, qb, 0, 100), 1583);
    EXPECT_EQ(Get_Player_Stat(0, qb, 0, 101), 800);
}

TEST(PlayerStatistics, MoreCompletionsThanAttemptsResetsThePassingLine) {
    Build_Test_League();
    int32_t qb = Test_League_Slot(POSITION_QB, 0);
    Make_Position(0, qb, POSITION_QB);
    Set_Player_Stat(0, qb, 1, 2, 8);
    Set_Player_Stat(0, qb, 1, 3, 10);
    Set_Player_Stat(0, qb, 1, 5, 120);
    Set_Player_Stat(0, qb, 1, 7, 4);
    EXPECT_EQ(Get_Player_Stat(0, qb, 1, 101), 0);
    for (int32_t stat = 2; stat <= 6; ++stat)
        EXPECT_EQ(Get_Player_Stat(0, qb, 1, stat), 0) << "stat " << stat;
    EXPECT_EQ(Get_Player_Stat(0, qb, 1, 7), 4) << "rushing stays";
}

TEST(PlayerStatistics, CareerLongestKickIsTheBestOfEverySeason) {
    Build_Test_League();
    int32_t k = Test_League_Slot(POSITION_K, 0);
    Make_Position(0, k, POSITION_K);
    Set_Player_Stat(0, k, 0, 18, 48);
    Set_Player_Stat(0, k, 1, 18, 51);
    ASSERT_GE(Count_Player_Season_Lines(0, k), 1);
    Set_Player_Stat(0, k, 4, 18, 55);
    EXPECT_EQ(Get_Player_Stat(0, k, 2, 18), 55);
    EXPECT_EQ(Universe.Teams[0].Players[k].Season_Stats[2][18], 55)
        << "the maximum is stored as the career value";
    Set_Player_Stat(0, k, 3, 18, 70);
    EXPECT_EQ(Get_Player_Stat(0, k, 3, 18), 67) << "a predicted longest kick is capped";
}

TEST(PlayerStatistics, BadArgumentsAreReportedAndChangeNothing) {
    Build_Test_League();
    Clear_Debug_Log();
    EXPECT_EQ(Get_Player_Stat(0, 0, 0, 116), 0);
    EXPECT_EQ(Count_Debug_Lines("Unrecognized SEASON_STAT in Get_Player_Stat(0,0,0,116)"), 1);
    Clear_Debug_Log();
    int32_t lines = Count_Player_Season_Lines(0, 0);
    ASSERT_LT(lines, 3);
    Set_Player_Stat(0, 0, 7, 0, 5);
    EXPECT_EQ(Count_All_Debug_Lines(), 0) << "a season line the player lacks is silently ignored";
    Set_Player_Stat(0, 100, 0, 0, 5);
    Set_Player_Stat(41, 0, 0, 0, 5);
    Set_Player_Stat(0, 0, 0, 20, 5);
    EXPECT_EQ(Count_Debug_Lines("Invalid nSlot in Set_Player_Stat"), 1);
    EXPECT_EQ(Count_Debug_Lines("Invalid nTeam in Set_Player_Stat"), 1);
    EXPECT_EQ(Count_Debug_Lines("Invalid nStat in Set_Player_Stat"), 1);
    EXPECT_EQ(Get_Average_Stat(13, 18), 53);
    EXPECT_EQ(Get_Average_Stat(43, 0), 0);
    EXPECT_EQ(Count_Debug_Lines("Invalid nPosition passed to Get_Average_Stat([43],0)"), 1);
    EXPECT_EQ(Get_Average_Stat(40, 15), 90);
    EXPECT_EQ(Get_Average_Stat(30, 4), 8);
}

TEST(PlayerStatistics, EstimatesOutsideThePositionAreNeutral) {
    Build_Test_League();
    // The estimates themselves, without the user's scouting error.
    Set_User_Preference(PERFECT_SCOUTING, 1);
    int32_t p = Test_League_Slot(POSITION_P, 0);
    Make_Position(0, p, POSITION_P);
    EXPECT_EQ(Get_Player_Stat(0, p, 0, 222), 70) << "a punter with no punts";
    int32_t lb = Test_League_Slot(POSITION_LB, 0);
    Make_Position(0, lb, POSITION_LB);
    for (int32_t code = 220; code <= 223; ++code)
        EXPECT_EQ(Get_Player_Stat(0, lb, 0, code), 20) << code;
    EXPECT_EQ(Get_Player_Stat(0, lb, 0, 230), Get_Player_Calendar_Age(0, lb))
        << "vision of a defender is his age";
    EXPECT_EQ(Get_Player_Stat(0, lb, 1, 427), 0) << "fewer than 100 solo tackles last season";
    Set_Player_Stat(0, lb, 0, 2, 10);
    EXPECT_EQ(Get_Player_Stat(0, lb, 0, 430), 5 * 20 / 2 + 370);
}

TEST(PlayerStatistics, PredictedMemoKeepsTheFirstValueUntilCleared) {
    Build_Test_League();
    int32_t rb = Test_League_Slot(POSITION_RB, 0);
    Make_Position(0, rb, POSITION_RB);
    Set_Player_Stat(0, rb, 3, 7, 10);
    Set_Player_Stat(0, rb, 3, 8, 50);
    Set_Stat_Memo_Switch(1);
    EXPECT_EQ(Get_Player_Stat(0, rb, 3, 112), 500);
    Set_Player_Stat(0, rb, 3, 8, 40);
    EXPECT_EQ(Get_Player_Stat(0, rb, 3, 112), 500) << "served from the memo";
    Set_Stat_Memo_Switch(0);
    EXPECT_EQ(Get_Player_Stat(0, rb, 3, 112), 400);
}

TEST(PlayerStatistics, PredictedMemoFollowsPlayersWhoChangeSlots) {
    Build_Test_League();
    const int32_t first = Test_League_Slot(POSITION_RB, 0);
    const int32_t second = Test_League_Slot(POSITION_RB, 1);
    for (const int32_t slot : {first, second})
        Make_Position(0, slot, POSITION_RB);
    Set_Player_Stat(0, first, 3, 7, 10);
    Set_Player_Stat(0, first, 3, 8, 50);
    Set_Player_Stat(0, second, 3, 7, 10);
    Set_Player_Stat(0, second, 3, 8, 30);
    Set_Stat_Memo_Switch(1);
    ASSERT_EQ(Get_Player_Stat(0, first, 3, 112), 500);
    ASSERT_EQ(Get_Player_Stat(0, second, 3, 112), 300);
    Swap_Players(0, first, 0, second);
    EXPECT_EQ(Get_Player_Stat(0, first, 3, 112), 300) << "the slot's new player, not its old memo";
    EXPECT_EQ(Get_Player_Stat(0, second, 3, 112), 500);
    Clear_Player(0, first);
    EXPECT_EQ(Get_Player_Stat(0, first, 3, 112), 0) << "an emptied slot";
    Set_Stat_Memo_Switch(0);
}

TEST(PlayerStatistics, NegativeReceivingYardsRoundDownInTheReceivingEstimate) {
    Build_Test_League();
    Set_User_Preference(PERFECT_SCOUTING, 1);
    Universe.Header.Universe_Stats[BASE_YEAR] = 1990; // league yards per catch 12.2
    Set_User_Preference(CURRENT_SEASON_INDEX, 0);
    int32_t rb = Test_League_Slot(POSITION_RB, 0);
    Make_Position(0, rb, POSITION_RB);
    // r = -200 + 100 = -100 scales to (-17,500 + 50) / 100 = -174, one less
    // for a negative r even though it is a whole multiple of 100: -175.
    Set_Player_Stat(0, rb, 0, 11, -200);
    Set_Player_Stat(0, rb, 0, 10, -2);
    ASSERT_EQ(Get_Player_Stat(0, rb, 0, 113), 1000);
    EXPECT_EQ(Get_Player_Stat(0, rb, 0, 206), 77) << "sqrt(2 * (-175 - 122 + 1000)) + 40, not from -174";
}

TEST(PlayerStatistics, KickingEstimatesOfOtherPlayersStayOutOfTheMemo) {
    Build_Test_League();
    Set_User_Preference(PERFECT_SCOUTING, 1);
    int32_t lb = Test_League_Slot(POSITION_LB, 0);
    Make_Position(0, lb, POSITION_LB);
    Set_Stat_Memo_Switch(1);
    EXPECT_EQ(Get_Player_Stat(0, lb, 3, 220), 20);
    // A kicker with no kicks: at least the square-root floor of 60.
    Set_Player_Vital_Stat(0, lb, VITAL_POSITION, POSITION_K);
    EXPECT_EQ(Get_Player_Stat(0, lb, 3, 220), 60) << "the plain 20 was not remembered";
    Set_Player_Vital_Stat(0, lb, VITAL_POSITION, POSITION_LB);
    EXPECT_EQ(Get_Player_Stat(0, lb, 3, 220), 60) << "a kicker's estimate is remembered";
    Set_Stat_Memo_Switch(0);
}

TEST(PlayerStatistics, PredictedReturnGradeIsFormedInDoublePrecision) {
    Build_Test_League();
    int32_t rb = Test_League_Slot(POSITION_RB, 0);
    Make_Position(0, rb, POSITION_RB);
    // (55.2666664 - 50.0) x 15.0 is 78.99999..., which single precision
    // would round up to 79.
    Set_Player_Rating(0, rb, RATING_KICK_RETURNS, 55.2666664f);
    EXPECT_EQ(Get_Player_Stat(0, rb, 3, 302), 78);
    Set_Player_Rating(0, rb, RATING_PUNT_RETURNS, 40.0f);
    EXPECT_EQ(Get_Player_Stat(0, rb, 3, 303), 0) << "a rating below 50 grades 0";
}

TEST(PlayerStatistics, ReturnValuesFromTheReturnsAndTheirAverage) {
    Build_Test_League();
    const int32_t rb = Test_League_Slot(POSITION_RB, 0);
    const int32_t lb = Test_League_Slot(POSITION_LB, 0);
    Make_Position(0, rb, POSITION_RB);
    Make_Position(0, lb, POSITION_LB);
    // Kicks: 20 for 500 and a touchdown, average 25.0: (275 x 250 + 130) / 260.
    // Punts: 10 for 95 and none, average 9.5: (47 x 95 + 42) / 85.
    const int32_t line[][2] = {{14, 20}, {15, 500}, {16, 1}, {17, 10}, {18, 95}, {19, 0}};
    for (int32_t season : {SEASON_LAST, SEASON_PREDICTED})
        for (int32_t slot : {rb, lb})
            for (const auto& figure : line)
                Set_Player_Stat(0, slot, season, figure[0], figure[1]);
    EXPECT_EQ(Get_Player_Stat(0, rb, SEASON_LAST, 300), 264);
    EXPECT_EQ(Get_Player_Stat(0, rb, SEASON_LAST, 301), 53);
    EXPECT_EQ(Get_Player_Stat(0, rb, SEASON_LAST, 302), 264) << "a past season grades by its value";
    EXPECT_EQ(Get_Player_Stat(0, rb, SEASON_LAST, 303), 53);
    EXPECT_EQ(Get_Player_Stat(0, lb, SEASON_LAST, 300), 0) << "linebackers return nothing";
    EXPECT_EQ(Get_Player_Stat(0, lb, SEASON_LAST, 302), 0);
    // A predicted value takes the average the memo holds.
    Set_Stat_Memo_Switch(1);
    ASSERT_EQ(Get_Player_Stat(0, rb, SEASON_PREDICTED, 118), 250);
    Set_Player_Stat(0, rb, SEASON_PREDICTED, 14, 25);
    Set_Player_Stat(0, rb, SEASON_LAST, 14, 25);
    EXPECT_EQ(Get_Player_Stat(0, rb, SEASON_PREDICTED, 300), 264) << "the remembered 25.0";
    EXPECT_EQ(Get_Player_Stat(0, rb, SEASON_LAST, 300), 212) << "20.0 now: (275 x 200 + 130) / 260";
    Set_Stat_Memo_Switch(0);
    EXPECT_EQ(Get_Player_Stat(0, rb, SEASON_PREDICTED, 300), 212);
}

TEST(PlayerStatistics, RowReadsGiveWhatSingleReadsGive) {
    Build_Test_League();
    const int32_t k = Test_League_Slot(POSITION_K, 0);
    const int32_t qb = Test_League_Slot(POSITION_QB, 0);
    Make_Position(0, k, POSITION_K);
    ASSERT_GE(Count_Player_Season_Lines(0, k), 1);
    for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat) {
        Set_Player_Stat(0, k, SEASON_THIS, stat, stat + 1);
        Set_Player_Stat(0, k, SEASON_CAREER, stat, 100 + stat);
        Set_Player_Stat(0, k, SEASON_PREDICTED, stat, 60 + stat);
        Set_Player_Stat(0, qb, SEASON_CAREER, stat, 200 + stat);
    }
    Set_Player_Stat(0, k, FIRST_SEASON_LINE_SELECTOR, 5, 300);
    Set_Player_Stat(0, k, FIRST_SEASON_LINE_SELECTOR, 18, 12);
    int32_t row[NUMBER_OF_SEASON_STATS];
    // A kicker's career row holds his longest kicks as the best of every
    // season, and stores them, as single reads do.
    Get_Player_Stat_Row(0, k, SEASON_CAREER, row);
    EXPECT_EQ(row[5], 300);
    EXPECT_EQ(row[18], 19);
    EXPECT_EQ(Universe.Teams[0].Players[k].Season_Stats[SEASON_CAREER][5], 300);
    EXPECT_EQ(Universe.Teams[0].Players[k].Season_Stats[SEASON_CAREER][18], 19);
    for (int32_t season : {SEASON_THIS, SEASON_CAREER, SEASON_PREDICTED, FIRST_SEASON_LINE_SELECTOR,
                           FIRST_SEASON_LINE_SELECTOR + NUMBER_OF_SEASON_LINE_LINKS - 1}) {
        for (int32_t slot : {k, qb}) {
            Get_Player_Stat_Row(0, slot, season, row);
            for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat)
                EXPECT_EQ(row[stat], Get_Player_Stat(0, slot, season, stat))
                    << "slot " << slot << " season " << season << " stat " << stat;
        }
    }
    Get_Player_Stat_Row(0, k, SEASON_PREDICTED, row);
    EXPECT_EQ(row[18], 67) << "a predicted longest kick is capped";
    Get_Player_Stat_Row(0, qb, SEASON_CAREER, row);
    EXPECT_EQ(row[5], 205) << "only kickers' longest kicks are rebuilt";
    // No player, or no such season: zeros, as single reads give.
    const int32_t empty = Get_First_Empty_Player_Slot(0);
    Get_Player_Stat_Row(0, empty, SEASON_CAREER, row);
    EXPECT_EQ(std::count(row, row + NUMBER_OF_SEASON_STATS, 0), NUMBER_OF_SEASON_STATS);
    Get_Player_Stat_Row(0, qb, FIRST_SEASON_LINE_SELECTOR + NUMBER_OF_SEASON_LINE_LINKS, row);
    EXPECT_EQ(std::count(row, row + NUMBER_OF_SEASON_STATS, 0), NUMBER_OF_SEASON_STATS);

    // A row written at once is the row read back; a bad address is reported
    // once for each statistic, as single writes are.
    int32_t values[NUMBER_OF_SEASON_STATS];
    for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat)
        values[stat] = 7 * stat - 20;
    Set_Player_Stat_Row(0, qb, SEASON_LAST, values);
    Get_Player_Stat_Row(0, qb, SEASON_LAST, row);
    EXPECT_TRUE(std::equal(row, row + NUMBER_OF_SEASON_STATS, values));
    Clear_Debug_Log();
    Set_Player_Stat_Row(41, 0, SEASON_LAST, values);
    EXPECT_EQ(Count_Debug_Lines("Invalid nTeam in Set_Player_Stat"), NUMBER_OF_SEASON_STATS);
}

TEST(PlayerStatistics, AnEmptySlotHasNoFiguresWhateverItsRecordHolds) {
    Build_Test_League();
    const int32_t empty = Get_First_Empty_Player_Slot(0);
    ASSERT_FALSE(Is_Player_Slot_Used(0, empty));
    Universe.Teams[0].Players[empty].Season_Stats[SEASON_THIS][7] = 12;
    Universe.Teams[0].Players[empty].Season_Stats[SEASON_LAST][7] = 13;
    EXPECT_EQ(Get_Player_Stat(0, empty, SEASON_THIS, 7), 0);
    EXPECT_EQ(Get_Player_Stat(0, empty, SEASON_LAST, 7), 0);
    const int32_t rb = Test_League_Slot(POSITION_RB, 0);
    Set_Player_Stat(0, rb, SEASON_LAST, 19, 4);
    EXPECT_EQ(Get_Player_Stat(0, rb, SEASON_LAST, 19), 4);
    EXPECT_EQ(Get_Player_Stat(0, PLAYERS_PER_TEAM, SEASON_LAST, 19), 0) << "no such slot";
    EXPECT_EQ(Get_Player_Stat(0, rb, -1, 19), 0) << "no such season";
    Clear_Debug_Log();
    EXPECT_EQ(Get_Player_Stat(0, rb, SEASON_LAST, 20), 0);
    EXPECT_EQ(Count_Debug_Lines("Unrecognized SEASON_STAT in Get_Player_Stat(0,"), 1)
        << "a code past the stored figures is no stored figure";
}

namespace {
// A season line of the given year holding stat 10 and stat 4, linked as the
// player's link n.
void Link_Line(int32_t team, int32_t slot, int32_t n, int32_t year, int32_t stat10, int32_t stat4) {
    const int32_t line = Find_Free_Season_Line();
    ASSERT_GE(line, 0);
    Set_Season_Line_Year(line, year);
    Set_Season_Line_Team(line, team);
    Set_Season_Line_Stat(line, 10, stat10);
    Set_Season_Line_Stat(line, 4, stat4);
    Set_Player_Season_Line_Link(team, slot, n, line);
}
} // namespace

TEST(PlayerStatistics, CareerRatioOfStat10ToStat4SumsTheLinesWhereItDoesNotExceed) {
    Build_Test_League();
    const int32_t wr = Test_League_Slot(POSITION_WR, 0), de = Test_League_Slot(POSITION_DE, 0);
    for (const int32_t slot : {wr, de}) {
        Make_Position(0, slot, Get_Player_Vital_Stat(0, slot, VITAL_POSITION));
        Clear_Player_Season_Line_Links(0, slot);
        Link_Line(0, slot, 0, 2000, 3, 10);
        Link_Line(0, slot, 1, 2001, 20, 5);
        Link_Line(0, slot, 29, 2002, 2, 10);
        Set_Player_Stat(0, slot, SEASON_CAREER, 10, 1);
        Set_Player_Stat(0, slot, SEASON_CAREER, 4, 3);
        Set_Player_Stat(0, slot, SEASON_THIS, 10, 1);
        Set_Player_Stat(0, slot, SEASON_THIS, 4, 3);
    }
    EXPECT_EQ(Get_Player_Stat(0, wr, SEASON_CAREER, 148), 250)
        << "5 of 20 over the first and the thirtieth link; the line with 20 of 5 and the career row are left "
           "out";
    EXPECT_EQ(Get_Player_Stat(0, wr, SEASON_THIS, 148), 333) << "any other season: its own row";
    EXPECT_EQ(Get_Player_Stat(0, de, SEASON_CAREER, 148), 0) << "a defender's career has none";
    EXPECT_EQ(Get_Player_Stat(0, de, SEASON_THIS, 148), 333);
}

// Code 161 is his share of what his roster tackled and sacked this season:
// tackle points (10 a solo tackle, 5 an assist) and sacks in tenths.
TEST(PlayerStatistics, TackleShareIsHisPartOfTheRostersTacklesAndSacks) {
    Build_Test_League();
    for (int32_t slot = 0; slot < Get_First_Empty_Player_Slot(0); ++slot)
        Clear_Player_Season_Stats(0, slot, SEASON_THIS);
    const int32_t first = Test_League_Slot(POSITION_LB, 0), second = Test_League_Slot(POSITION_LB, 1);
    Set_Player_Stat(0, first, SEASON_THIS, 2, 6);
    Set_Player_Stat(0, first, SEASON_THIS, 3, 4);
    Set_Player_Stat(0, first, SEASON_THIS, 4, 2);
    Set_Player_Stat(0, second, SEASON_THIS, 2, 3);
    EXPECT_EQ(Get_Player_Stat(0, first, SEASON_THIS, 161), 75) << "60 + 20 + 10 of 120";
    EXPECT_EQ(Get_Player_Stat(0, second, SEASON_THIS, 161), 25);
    Clear_Player_Season_Stats(0, first, SEASON_THIS);
    Clear_Player_Season_Stats(0, second, SEASON_THIS);
    EXPECT_EQ(Get_Player_Stat(0, first, SEASON_THIS, 161), 0) << "a roster that tackled nobody";
}
