// A season played through the calendar by computer teams: every sack and
// every interception the engine draws reaches the season totals whole, on
// the side that made it and on the side it was made against.
#include <gtest/gtest.h>

#include <string>

#include "database/league_structure.h"
#include "database/team_record.h"
#include "support/played_season.h"

namespace {
constexpr int32_t DEFENCE = 1;
constexpr int32_t PASSERS = 3;
constexpr int32_t AGAINST_DEFENCE = DEFENCE + 4;
constexpr int32_t AGAINST_PASSERS = PASSERS + 4;
constexpr int32_t THIS_SEASON = 0;
constexpr int32_t STAT_ATTEMPTS = 2;
constexpr int32_t STAT_INTERCEPTIONS_THROWN = 4;
constexpr int32_t STAT_HALF_SACKS = 4;
constexpr int32_t STAT_INTERCEPTIONS = 7;

int32_t Total(int32_t team, int32_t category, int32_t stat) {
    return Get_Team_Totals_Stat(team, category, THIS_SEASON, stat);
}
} // namespace

TEST(PlayedSeasonTakeaways, SacksAndInterceptionsReachTheTotalsWhole) {
    Build_Played_Season(17);
    int64_t attempts = 0, thrown = 0, intercepted = 0, half_sacks = 0, half_sacks_against = 0;
    for (int32_t team = 0; team < Count_Active_Teams(); ++team) {
        const std::string name = "team " + std::to_string(team);
        // A sack is two halves, to one sacker or shared by two.
        EXPECT_EQ(Total(team, DEFENCE, STAT_HALF_SACKS) % 2, 0) << name;
        EXPECT_EQ(Total(team, AGAINST_DEFENCE, STAT_HALF_SACKS) % 2, 0) << name;
        // The interceptions a defence made are the ones thrown against it.
        EXPECT_EQ(Total(team, DEFENCE, STAT_INTERCEPTIONS),
                  Total(team, AGAINST_PASSERS, STAT_INTERCEPTIONS_THROWN))
            << name;
        attempts += Total(team, PASSERS, STAT_ATTEMPTS);
        thrown += Total(team, PASSERS, STAT_INTERCEPTIONS_THROWN);
        intercepted += Total(team, DEFENCE, STAT_INTERCEPTIONS);
        half_sacks += Total(team, DEFENCE, STAT_HALF_SACKS);
        half_sacks_against += Total(team, AGAINST_DEFENCE, STAT_HALF_SACKS);
    }
    EXPECT_GT(attempts, 10000);
    EXPECT_GT(intercepted, 0);
    EXPECT_GT(half_sacks, 0);
    EXPECT_EQ(thrown, intercepted);
    EXPECT_EQ(half_sacks, half_sacks_against);
}
