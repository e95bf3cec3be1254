#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/universe.h"
#include "support/test_league.h"
#include "views/leader_values.h"

namespace {
constexpr int32_t COMPLETION_PERCENT = 3;
constexpr int32_t RUSH_YARDS = 11;
constexpr int32_t SACKS = 24;
constexpr int32_t CAP_IMPACT = 29;

std::string Formatted(int32_t value, int32_t category) {
    char text[LEADER_TEXT_SIZE];
    Format_Leader_Value(value, category, text, sizeof text);
    return text;
}
} // namespace

TEST(LeaderValues, MinimumsFollowTheSeasonLengthAndItsProgress) {
    Build_Test_League();
    const int32_t qb = Test_League_Slot(POSITION_QB, 0);
    Universe.Season_Length = 17;
    Universe.Header.Universe_Stats[GAMES_PER_SEASON] = 16;
    Set_Player_Stat(0, qb, SEASON_LAST, 2, 211);
    Set_Player_Stat(0, qb, SEASON_LAST, 3, 140);
    EXPECT_EQ(Is_Leader_Qualified(0, qb, SEASON_LAST, COMPLETION_PERCENT), 1) << "211 attempts in 16 games";
    Set_Player_Stat(0, qb, SEASON_LAST, 2, 210);
    EXPECT_EQ(Is_Leader_Qualified(0, qb, SEASON_LAST, COMPLETION_PERCENT), 0);
    EXPECT_EQ(Get_Player_Leader_Value(0, qb, COMPLETION_PERCENT, SEASON_LAST), 0);
    Universe.Header.Universe_Stats[GAMES_PER_SEASON] = 12;
    Set_Player_Stat(0, qb, SEASON_LAST, 2, 158);
    EXPECT_EQ(Is_Leader_Qualified(0, qb, SEASON_LAST, COMPLETION_PERCENT), 1);
    EXPECT_EQ(Get_Player_Leader_Value(0, qb, COMPLETION_PERCENT, SEASON_LAST), 886);
    Set_Player_Stat(0, qb, SEASON_LAST, 2, 157);
    EXPECT_EQ(Is_Leader_Qualified(0, qb, SEASON_LAST, COMPLETION_PERCENT), 0);
    // Halfway through this season half the minimum stands.
    Universe.Header.Universe_Stats[GAMES_PER_SEASON] = 16;
    Universe.Season_Length = 16;
    Set_User_Preference(CURRENT_WEEK, 8);
    Set_Player_Stat(0, qb, SEASON_THIS, 2, 106);
    EXPECT_EQ(Is_Leader_Qualified(0, qb, SEASON_THIS, COMPLETION_PERCENT), 1);
    Set_Player_Stat(0, qb, SEASON_THIS, 2, 105);
    EXPECT_EQ(Is_Leader_Qualified(0, qb, SEASON_THIS, COMPLETION_PERCENT), 0);
}

TEST(LeaderValues, ASeasonStoredLongerThanSeventeenGamesQualifiesAsSeventeenAndIsStoredSo) {
    Build_Test_League();
    const int32_t qb = Test_League_Slot(POSITION_QB, 0);
    Universe.Header.Universe_Stats[GAMES_PER_SEASON] = 20;
    Set_Player_Stat(0, qb, SEASON_LAST, 2, 224);
    EXPECT_EQ(Is_Leader_Qualified(0, qb, SEASON_LAST, COMPLETION_PERCENT), 1) << "224 attempts, not 264";
    EXPECT_EQ(Universe.Header.Universe_Stats[GAMES_PER_SEASON], 17);
    Set_Player_Stat(0, qb, SEASON_LAST, 2, 223);
    EXPECT_EQ(Is_Leader_Qualified(0, qb, SEASON_LAST, COMPLETION_PERCENT), 0);
}

TEST(LeaderValues, AQueryHoldsTheMinimumOfItsSeason) {
    Build_Test_League();
    const int32_t qb = Test_League_Slot(POSITION_QB, 0);
    Universe.Season_Length = 17;
    Universe.Header.Universe_Stats[GAMES_PER_SEASON] = 17;
    Set_User_Preference(CURRENT_WEEK, 9);
    EXPECT_EQ(Prepare_Leader_Query(COMPLETION_PERCENT, SEASON_LAST).Minimum, 224);
    EXPECT_EQ(Prepare_Leader_Query(COMPLETION_PERCENT, SEASON_THIS).Minimum, 118)
        << "(224 x 529 + 500) / 1000";
    EXPECT_EQ(Prepare_Leader_Query(RUSH_YARDS, SEASON_THIS).Minimum, 0) << "no minimum";
    for (int32_t attempts : {117, 118}) {
        Set_Player_Stat(0, qb, SEASON_THIS, 2, attempts);
        Set_Player_Stat(0, qb, SEASON_THIS, 3, 100);
        const int32_t value = Get_Player_Leader_Value(0, qb, COMPLETION_PERCENT, SEASON_THIS);
        EXPECT_EQ(value, attempts == 118 ? Get_Player_Stat(0, qb, SEASON_THIS, 101) : 0) << attempts;
        EXPECT_EQ(Get_Queried_Leader_Value(Prepare_Leader_Query(COMPLETION_PERCENT, SEASON_THIS), 0, qb),
                  value);
    }
}

TEST(LeaderValues, OnlyTheRightPositionsLeadACategory) {
    Build_Test_League();
    const int32_t rb = Test_League_Slot(POSITION_RB, 0);
    const int32_t qb = Test_League_Slot(POSITION_QB, 0);
    const int32_t tackle = Test_League_Slot(POSITION_T, 0);
    for (int32_t slot : {rb, qb, tackle})
        Set_Player_Stat(1, slot, SEASON_CAREER, 8, 900);
    EXPECT_EQ(Get_Player_Leader_Value(1, rb, RUSH_YARDS, SEASON_CAREER), 900);
    EXPECT_EQ(Get_Player_Leader_Value(1, qb, RUSH_YARDS, SEASON_CAREER), 0)
        << "a quarterback is no skill player";
    EXPECT_EQ(Get_Player_Leader_Value(1, tackle, RUSH_YARDS, SEASON_CAREER), 0);
    EXPECT_GT(Get_Player_Leader_Value(1, tackle, CAP_IMPACT, SEASON_CAREER), 0)
        << "every group leads cap impact";
    EXPECT_EQ(Get_Player_Leader_Value(1, rb, 30, SEASON_CAREER), 0);
    EXPECT_EQ(Get_Player_Leader_Value(1, 99, RUSH_YARDS, SEASON_CAREER), 0) << "an empty slot";
    EXPECT_EQ(Get_Player_Leader_Value(35, rb, RUSH_YARDS, SEASON_CAREER), 0) << "a franchise slot not in use";
}

TEST(LeaderValues, HeadingsAndFormatsStayInTheirBuffers) {
    char heading[8];
    memset(heading, 'x', sizeof heading);
    Get_Leader_Stat_Heading(30, heading, sizeof heading);
    EXPECT_STREQ(heading, "") << "the category being chosen has no heading";
    Get_Leader_Stat_Heading(-1, heading, sizeof heading);
    EXPECT_STREQ(heading, "");
    Get_Leader_Stat_Heading(21, heading, sizeof heading);
    EXPECT_STREQ(heading, "Tackles") << "cut to the buffer";
    EXPECT_EQ(Formatted(12345, RUSH_YARDS), "12,345");
    EXPECT_EQ(Formatted(0, RUSH_YARDS), "");
    EXPECT_EQ(Formatted(125, SACKS), "12.5");
    EXPECT_EQ(Formatted(654, COMPLETION_PERCENT), "65.4%");
    EXPECT_EQ(Formatted(512, 13), "5.12");
    EXPECT_EQ(Formatted(750, CAP_IMPACT), "$750K");
    EXPECT_EQ(Formatted(12345, CAP_IMPACT), "$12.3M");
    EXPECT_EQ(Formatted(NO_LEADER_VALUE, RUSH_YARDS), "");
    EXPECT_EQ(Formatted(5, 31), "");
    // Fractions keep their sign.
    EXPECT_EQ(Formatted(-5, SACKS), "-0.5");
    EXPECT_EQ(Formatted(-150, 13), "-1.50");
    EXPECT_EQ(Formatted(-7, COMPLETION_PERCENT), "-0.7%");
}

TEST(LeaderValues, APlayerOutsideACategorysGroupsHasNoValueInIt) {
    Build_Test_League();
    // Every player has figures everywhere (fewer completions than attempts),
    // so only the groups can make a value 0.
    For_Each_League_Player([](int32_t team, int32_t slot) {
        for (int32_t season = SEASON_THIS; season <= SEASON_CAREER; ++season)
            for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat)
                Set_Player_Stat(team, slot, season, stat, 1000 - 10 * stat);
    });
    const int32_t odd = Test_League_Slot(POSITION_QB, 1);
    Set_Player_Vital_Stat(2, odd, VITAL_POSITION, NUMBER_OF_POSITIONS);
    EXPECT_EQ(Get_Player_Leader_Group(2, odd), 0) << "no position, no group";
    EXPECT_EQ(Get_Player_Leader_Group(2, 99), 0) << "an empty slot";
    EXPECT_EQ(Get_Player_Leader_Group(35, 0), 0) << "a franchise slot not in use";
    EXPECT_EQ(Get_Leader_Category_Groups(NUMBER_OF_LEADER_CATEGORIES), 0);
    int32_t opened = 0;
    int32_t closed = 0;
    for (int32_t team : {0, 2, FREE_AGENT_TEAM}) {
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            const int32_t group = Get_Player_Leader_Group(team, slot);
            for (int32_t category = 0; category < NUMBER_OF_LEADER_CATEGORIES; ++category) {
                const int32_t value = Get_Player_Leader_Value(team, slot, category, SEASON_CAREER);
                if ((group & Get_Leader_Category_Groups(category)) != 0) {
                    ++opened;
                    // A query prepared once gives each player's value.
                    EXPECT_EQ(
                        Get_Queried_Leader_Value(Prepare_Leader_Query(category, SEASON_CAREER), team, slot),
                        value)
                        << team << "/" << slot << " in " << category;
                    continue;
                }
                ++closed;
                EXPECT_EQ(value, 0) << team << "/" << slot << " in " << category;
            }
        }
    }
    EXPECT_GT(opened, 0);
    EXPECT_GT(closed, 0);
    // Each group opens its own categories.
    EXPECT_NE(Get_Player_Leader_Value(0, Test_League_Slot(POSITION_QB, 0), 2, SEASON_CAREER), 0);
    EXPECT_NE(Get_Player_Leader_Value(0, Test_League_Slot(POSITION_RB, 0), RUSH_YARDS, SEASON_CAREER), 0);
    EXPECT_NE(Get_Player_Leader_Value(0, Test_League_Slot(POSITION_LB, 0), SACKS, SEASON_CAREER), 0);
    EXPECT_NE(Get_Player_Leader_Value(0, Test_League_Slot(POSITION_K, 0), 26, SEASON_CAREER), 0);
}

// The career values read for the leaders are those the statistics accessors
// give, and leave the player's record as those reads would: a kicker's
// longest kicks, stale in his career row, are repaired only where read.
TEST(LeaderValues, CareerValuesReadAsTheStatisticsGiveThem) {
    // The statistic each category shows.
    constexpr int32_t CATEGORY_STATS[NUMBER_OF_LEADER_CATEGORIES] = {
        2,  3,  5,   101, 6,   103, 100, 110, 118, 16,  7, 8,   9,   112, 10,
        11, 12, 113, 148, 119, 19,  147, 6,   5,   143, 7, 121, 123, 115, 0};
    Build_Test_League();
    constexpr int32_t team = 2;
    for (int32_t position :
         {POSITION_QB, POSITION_RB, POSITION_WR, POSITION_DE, POSITION_CB, POSITION_K, POSITION_P}) {
        const int32_t slot = Test_League_Slot(position, 0);
        for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat) {
            Set_Player_Stat(team, slot, SEASON_CAREER, stat, 300 + 37 * stat + position);
            Set_Player_Stat(team, slot, SEASON_THIS, stat, 20 + stat);
        }
        Set_Player_Stat(team, slot, SEASON_THIS, 5, 2000);
        Set_Player_Stat(team, slot, SEASON_THIS, 18, 2001);
        PLAYER_RECORD& record = Universe.Teams[team].Players[slot];
        const PLAYER_RECORD start = record;
        for (int32_t category = 0; category < NUMBER_OF_LEADER_CATEGORIES; ++category) {
            record = start;
            const int32_t value = Get_Player_Leader_Value(team, slot, category, SEASON_CAREER);
            const PLAYER_RECORD read = record;

            record = start;
            char heading[LEADER_TEXT_SIZE];
            Get_Leader_Stat_Heading(category, heading, sizeof heading);
            int32_t expected = 0;
            if ((Get_Leader_Category_Groups(category) & Get_Player_Leader_Group(team, slot)) != 0 &&
                Is_Leader_Qualified(team, slot, SEASON_CAREER, category))
                expected = category == CAP_IMPACT
                               ? Get_Player_Vital_Stat(team, slot, VITAL_CAP_CHARGE)
                               : Get_Player_Stat(team, slot, SEASON_CAREER, CATEGORY_STATS[category]);
            EXPECT_EQ(value, expected) << heading << " of position " << position;
            EXPECT_EQ(std::memcmp(&read, &record, sizeof record), 0)
                << heading << " of position " << position;
        }
    }
}

// A player's best season for a category is the league season line with the
// highest value in it, the earliest of equals; college seasons and players
// who may not lead the category have none.
TEST(LeaderValues, TheBestSeasonLineOfACategory) {
    Build_Test_League();
    constexpr int32_t PASS_YARDS = 2, PASS_YARDS_STAT = 5;
    const int32_t qb = Test_League_Slot(POSITION_QB, 0);
    Delete_All_Player_Season_Lines(0, qb);
    EXPECT_EQ(Find_Best_Season_Line(0, qb, PASS_YARDS), NO_SEASON_LINE) << "no lines";
    const int32_t yards[] = {3100, 4200, 4200, 2500};
    int32_t lines[4];
    for (int32_t n = 0; n < 4; ++n) {
        lines[n] = Add_Player_Season_Line(0, qb, 2015 + n, 0);
        ASSERT_NE(lines[n], NO_SEASON_LINE);
        Set_Season_Line_Stat(lines[n], PASS_YARDS_STAT, yards[n]);
    }
    EXPECT_EQ(Find_Best_Season_Line(0, qb, PASS_YARDS), lines[1]) << "the earlier of two 4,200-yard seasons";
    const int32_t college = Add_Player_Season_Line(0, qb, 2014, 0);
    ASSERT_NE(college, NO_SEASON_LINE);
    Set_Season_Line_Kind(college, -1);
    Set_Season_Line_Stat(college, PASS_YARDS_STAT, 5000);
    EXPECT_EQ(Find_Best_Season_Line(0, qb, PASS_YARDS), lines[1]) << "a college season is no league season";
    EXPECT_EQ(Find_Best_Season_Line(0, qb, RUSH_YARDS), NO_SEASON_LINE) << "a quarterback leads no rushing";
    EXPECT_EQ(Find_Best_Season_Line(0, 99, PASS_YARDS), NO_SEASON_LINE) << "an empty slot";
}
