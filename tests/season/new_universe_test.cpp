#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <string>

#include "database/cities.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/position_evaluation.h"
#include "database/random_numbers.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "frontoffice/player_potential.h"
#include "personnel/contract_length.h"
#include "platform/message_box.h"
#include "season/new_universe.h"
#include "support/test_league.h"

namespace {
constexpr int32_t STAT_PASSING_YARDS = 5;
constexpr int32_t STAT_SACKS = 4;
constexpr int32_t STAT_LONGEST_PUNT = 5;

class NewUniverse : public testing::Test {
  protected:
    void SetUp() override {
        Build_Test_League();
        Seed_Random_Numbers(4242);
        Clear_Shown_Messages();
    }
};

std::map<int32_t, int32_t> Teams_By_Id() {
    std::map<int32_t, int32_t> teams;
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
            if (Is_Player_Slot_Used(team, slot)) teams[Get_Player_ID(team, slot)] = team;
    return teams;
}

// A season line of `year` for the player with one statistic set.
int32_t Add_Line(int32_t team, int32_t slot, int32_t year, int32_t stat, int32_t value,
                 int32_t line_team = 0) {
    const int32_t line = Add_Player_Season_Line(team, slot, year, line_team);
    Set_Season_Line_Stat(line, stat, value);
    return line;
}

float Own_Rating(int32_t team, int32_t slot) {
    return Get_Player_Position_Rating(team, slot, Get_Player_Vital_Stat(team, slot, VITAL_POSITION));
}
} // namespace

TEST_F(NewUniverse, FictionalRosterGetsItsMissingKickerOnly) {
    const int32_t team = 4;
    while (Count_Team_Position_Players(team, POSITION_K) > 0)
        Remove_Player(team, Get_Team_Position_Player(team, POSITION_K, 0));
    const int32_t players = Get_First_Empty_Player_Slot(team);
    const int32_t linebackers = Count_Team_Position_Players(team, POSITION_LB);
    ASSERT_GE(linebackers, Get_Fictional_Roster_Minimum(POSITION_LB));
    Fill_Fictional_Minimum_Roster(team);
    EXPECT_EQ(Count_Team_Position_Players(team, POSITION_K), 1);
    EXPECT_EQ(Count_Team_Position_Players(team, POSITION_LB), linebackers);
    EXPECT_EQ(Get_First_Empty_Player_Slot(team), players + 1) << "one player made";

    // A full roster gets nobody, whatever it lacks.
    while (Get_First_Empty_Player_Slot(7) < PLAYERS_PER_TEAM)
        Copy_Player(7, Get_First_Empty_Player_Slot(7), 7, Test_League_Slot(POSITION_QB, 0));
    while (Count_Team_Position_Players(7, POSITION_P) > 0)
        Set_Player_Vital_Stat(7, Get_Team_Position_Player(7, POSITION_P, 0), VITAL_POSITION, POSITION_K);
    Fill_Fictional_Minimum_Roster(7);
    EXPECT_EQ(Count_Team_Position_Players(7, POSITION_P), 0);
}

TEST_F(NewUniverse, SeasonLinesAreMergedCappedAndKeptWithinTheSeason) {
    const int32_t year = Get_Universe_Stat(BASE_YEAR);
    const int32_t qb = Test_League_Slot(POSITION_QB, 0);
    Delete_All_Player_Season_Lines(0, qb);
    // Traded in mid-season: three lines of one year, then a fourth year.
    const int32_t first = Add_Line(0, qb, year - 1, STAT_PASSING_YARDS, 2000);
    Add_Line(0, qb, year - 1, STAT_PASSING_YARDS, 1800, 1);
    Add_Line(0, qb, year - 1, STAT_PASSING_YARDS, 1000, 2);
    Add_Line(0, qb, year - 2, STAT_PASSING_YARDS, 3000);
    Merge_Same_Year_Season_Lines(0, qb);
    ASSERT_EQ(Count_Player_Season_Lines(0, qb), 2);
    EXPECT_EQ(Get_Player_Season_Line(0, qb, 0), first);
    EXPECT_EQ(Get_Season_Line_Stat(first, STAT_PASSING_YARDS), 4800) << "the three lines summed";

    // The 4,800-yard line is cut to 3,900 and counted as last season.
    Cap_Last_Season_Statistics(0, qb);
    EXPECT_EQ(Get_Season_Line_Stat(first, STAT_PASSING_YARDS), 3900);
    EXPECT_EQ(Get_Player_Stat(0, qb, SEASON_LAST, STAT_PASSING_YARDS), 3900);
    const int32_t de = Test_League_Slot(POSITION_DE, 0);
    Delete_All_Player_Season_Lines(0, de);
    const int32_t sacks = Add_Line(0, de, year - 1, STAT_SACKS, 30);
    Cap_Last_Season_Statistics(0, de);
    EXPECT_EQ(Get_Season_Line_Stat(sacks, STAT_SACKS), 26);
    // A punter who changed teams kept the longer of his longest punts.
    const int32_t punter = Test_League_Slot(POSITION_P, 0);
    Delete_All_Player_Season_Lines(0, punter);
    const int32_t punts = Add_Line(0, punter, year - 1, STAT_LONGEST_PUNT, 58);
    Add_Line(0, punter, year - 1, STAT_LONGEST_PUNT, 61, 1);
    Merge_Same_Year_Season_Lines(0, punter);
    EXPECT_EQ(Get_Season_Line_Stat(punts, STAT_LONGEST_PUNT), 61);
    Cap_Last_Season_Statistics(0, punter);
    EXPECT_EQ(Get_Player_Stat(0, punter, SEASON_LAST, STAT_LONGEST_PUNT), 61);

    // A 16-game line in a league of 14 games.
    Universe.Header.Universe_Stats[GAMES_PER_SEASON] = 14;
    Set_Season_Line_Stat(first, 0, 16);
    Set_Season_Line_Stat(first, 1, 16);
    const int32_t older = Get_Player_Season_Line(0, qb, 1);
    const int32_t career = Get_Player_Stat(0, qb, SEASON_CAREER, STAT_PASSING_YARDS);
    const int32_t passing = Get_Season_Line_Stat(first, STAT_PASSING_YARDS);
    const int32_t older_passing = Get_Season_Line_Stat(older, STAT_PASSING_YARDS);
    Add_Season_Line_Noise(0, qb);
    EXPECT_LE(Get_Season_Line_Stat(first, 0), 14);
    EXPECT_LE(Get_Season_Line_Stat(first, 1), Get_Season_Line_Stat(first, 0));
    const int32_t delta = Get_Season_Line_Stat(first, STAT_PASSING_YARDS) - passing;
    EXPECT_LE(std::abs(delta + 390), 390) << "a starter's line moves by a tenth, less a tenth";
    const int32_t older_delta = Get_Season_Line_Stat(older, STAT_PASSING_YARDS) - older_passing;
    EXPECT_EQ(Get_Player_Stat(0, qb, SEASON_CAREER, STAT_PASSING_YARDS), career + delta + older_delta)
        << "the career carries the same noise";
}

TEST_F(NewUniverse, TopTierKickerIsNeverAnEarlyPick) {
    EXPECT_EQ(Get_Potential_Tier(58), 0);
    EXPECT_EQ(Get_Potential_Tier(59), 1);
    EXPECT_EQ(Get_Potential_Tier(92), 8);
    EXPECT_EQ(Get_Potential_Tier(99), 9);
    const int32_t kicker = Test_League_Slot(POSITION_K, 0);
    for (int32_t rating = 0; rating < 27; ++rating)
        Set_Player_Rating(0, kicker, rating, 99.0f);
    Forget_Player_Potentials();
    ASSERT_EQ(Get_Player_Potential_Tier(0, kicker), 9);
    std::set<int32_t> rounds;
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        Seed_Random_Numbers(seed);
        Set_Fictional_Draft_Slot(0, kicker, TEST_LEAGUE_TEAMS);
        const int32_t code = Get_Player_Vital_Stat(0, kicker, VITAL_DRAFT_SLOT);
        const int32_t round = code / 100000, pick = code % 100000;
        rounds.insert(round);
        EXPECT_GT(pick, (round - 1) * TEST_LEAGUE_TEAMS);
        EXPECT_LE(pick, round * TEST_LEAGUE_TEAMS);
    }
    EXPECT_EQ(rounds, (std::set<int32_t>{4, 5}));
}

TEST_F(NewUniverse, StrongFreeAgentPoolIsScaledToAMeanOf62) {
    const float targets[] = {80.0f, 70.0f, 60.0f};
    float before[3];
    for (int32_t n = 0; n < 3; ++n) {
        Copy_Player(FREE_AGENT_TEAM, n, 2, Test_League_Slot(POSITION_WR, n));
        Rescale_Player_Ratings(FREE_AGENT_TEAM, n, targets[n]);
        before[n] = Own_Rating(FREE_AGENT_TEAM, n);
    }
    const float mean = (before[0] + before[1] + before[2]) / 3.0f;
    ASSERT_NEAR(mean, 70.0f, 0.5f) << before[0] << " " << before[1] << " " << before[2];
    Rescale_Free_Agent_Pool();
    const float k = 12.0f / (mean - 50.0f);
    for (int32_t n = 0; n < 3; ++n)
        EXPECT_NEAR(Own_Rating(FREE_AGENT_TEAM, n), 50.0f + (before[n] - 50.0f) * k, 0.5f) << n;
    EXPECT_NEAR(Own_Rating(FREE_AGENT_TEAM, 0), 68.0f, 0.6f) << "80 becomes 68 with k = 0.6";
    EXPECT_NEAR(Own_Rating(FREE_AGENT_TEAM, 2), 56.0f, 0.6f) << "60 becomes 56";

    // A pool at or below 62 is left alone.
    for (int32_t n = 0; n < 3; ++n)
        Rescale_Player_Ratings(FREE_AGENT_TEAM, n, 60.0f);
    const float now = Own_Rating(FREE_AGENT_TEAM, 1);
    Rescale_Free_Agent_Pool();
    EXPECT_FLOAT_EQ(Own_Rating(FREE_AGENT_TEAM, 1), now);
}

TEST_F(NewUniverse, EqualizedCitiesAndFinances) {
    for (int32_t city = 0; city < 20; ++city) {
        char name[16];
        snprintf(name, sizeof name, "City %d", city);
        Set_City_Name(city, name);
    }
    Equalize_Cities();
    EXPECT_EQ(Get_City_Stat(12, 5), 74000);
    EXPECT_EQ(Get_City_Stat(12, 6), 29000);
    EXPECT_EQ(Get_City_Stat(12, 1), 2500000);
    EXPECT_EQ(Get_City_Stat(0, 5), 70000);
    Equalize_Team_Finances();
    EXPECT_EQ(Get_Team_Financial_Stat(31, 62), 250000);
    EXPECT_EQ(Get_Team_Financial_Stat(0, 0), 1000);
}

TEST_F(NewUniverse, ShuffleLosesNobodyWhenDestinationsAreFull) {
    // Half the league's rosters are full; a Hall of Fame member waits in his hall.
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; team += 2)
        while (Get_First_Empty_Player_Slot(team) < PLAYERS_PER_TEAM) {
            const int32_t slot = Get_First_Empty_Player_Slot(team);
            Copy_Player(team, slot, team, 0);
            Set_Player_Vital_Stat(team, slot, VITAL_PLAYER_ID, 900000 + team * 100 + slot);
        }
    Copy_Player(HALL_OF_FAME_TEAM, 0, 1, 0);
    Set_Player_Vital_Stat(HALL_OF_FAME_TEAM, 0, VITAL_PLAYER_ID, 999999);
    const std::map<int32_t, int32_t> before = Teams_By_Id();
    Shuffle_Players_Once();
    const std::map<int32_t, int32_t> after = Teams_By_Id();
    ASSERT_EQ(after.size(), before.size()) << "nobody lost or doubled";
    int32_t moved = 0;
    for (const auto& [id, team] : before) {
        ASSERT_TRUE(after.count(id));
        moved += after.at(id) != team ? 1 : 0;
    }
    EXPECT_GT(moved, 100);
    EXPECT_EQ(after.at(999999), HALL_OF_FAME_TEAM) << "the retired stay retired";
}

TEST_F(NewUniverse, VeteransAreNotVariedAndDefaultFieldsFollowThePosition) {
    // A veteran of three seasons born 40 years before the season: no chance at all.
    const int32_t year = Get_Current_Year();
    const int32_t slot = Test_League_Slot(POSITION_LB, 0);
    Set_Player_Vital_Stat(0, slot, VITAL_BIRTH_DATE, (year - 40) * 10000 + 101);
    Set_Player_Vital_Stat(0, slot, VITAL_CREDITED_SEASONS, 12);
    const float rating = Own_Rating(0, slot);
    Vary_Player_Ratings_For_New_Game();
    EXPECT_FLOAT_EQ(Own_Rating(0, slot), rating);

    // The peak ages are the yearly step's, in the league's own year.
    const int32_t base_year = Get_Universe_Stat(BASE_YEAR);
    Universe.Header.Universe_Stats[BASE_YEAR] = 2020 - Get_User_Preference(CURRENT_SEASON_INDEX);
    EXPECT_EQ(Get_Position_Peak_Age(POSITION_QB), 35) << "32 and three eras";
    EXPECT_EQ(Get_Position_Peak_Age(POSITION_RB), 27);
    EXPECT_EQ(Get_Position_Peak_Age(40), 35) << "clamped to punter";
    Universe.Header.Universe_Stats[BASE_YEAR] = base_year;
    Reset_Player_Default_Fields();
    EXPECT_EQ(Get_Player_Vital_Stat(0, slot, VITAL_PEAK_AGE_LIMIT), 29);
    EXPECT_EQ(Get_Player_Vital_Stat(0, slot, VITAL_PEAK_AGE), 25);
}
