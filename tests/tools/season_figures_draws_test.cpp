// A team season of the fictional history made from a fixed seed is the same
// on every compiler and build type: each draw is taken in an order the code
// fixes, never two in one expression whose order C++ leaves open (the
// arguments of one call, the operands of one operator). The season below is
// pinned by a fingerprint of every player's figures and the draws it took;
// a build whose compiler orders such draws otherwise makes another season.
// A deliberate change to how seasons are made changes the fingerprint too:
// the failure prints the new one.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <set>
#include <string>

#include "database/player_record.h"
#include "database/random_numbers.h"
#include "support/history_marks.h"
#include "support/test_league.h"
#include "tools/season_inputs/era_norms.h"
#include "tools/season_inputs/era_records.h"
#include "tools/season_inputs/season_statistics.h"

namespace {
uint64_t Fingerprint(const TEAM_SEASON_FIGURES& figures) {
    uint64_t hash = 14695981039346656037ull;
    auto mix = [&hash](int32_t value) {
        const uint32_t bits = static_cast<uint32_t>(value);
        for (int32_t shift = 0; shift < 32; shift += 8) {
            hash ^= (bits >> shift) & 0xFFu;
            hash *= 1099511628211ull;
        }
    };
    for (const PLAYER_SEASON_FIGURES& player : figures.Players) {
        mix(player.Position);
        mix(player.Value);
        for (const int32_t stat : player.Stats)
            mix(stat);
    }
    return hash;
}
} // namespace

TEST(TeamSeasonFigures, TakeTheirDrawsInOneOrderOnEveryCompiler) {
    Build_Test_League();
    static TEAM_SEASON_FIGURES figures;
    TEAM_STRENGTH strength;
    strength.Pass_Volume = 1.12;
    strength.Run_Volume = 0.93;
    struct CASE {
        int32_t Team;
        int32_t Year;
        int32_t Games;
        uint64_t Fingerprint;
        uint64_t Draws;
    };
    // Two eras: one before sacks and tackles were counted, one after.
    const CASE cases[] = {{0, 1962, 14, 0x34ffe9af4b9f6073ull, 1114},
                          {7, 1998, 16, 0x620024bcb0577be4ull, 1160}};
    for (const CASE& season : cases) {
        Seed_Random_Numbers(52u);
        const uint64_t before = Get_Random_Draw_Count();
        Make_Team_Season_Figures(season.Team, season.Year, season.Games, strength, &figures);
        const uint64_t draws = Get_Random_Draw_Count() - before;
        char made[64];
        std::snprintf(made, sizeof made, "0x%016llxull, %llu",
                      static_cast<unsigned long long>(Fingerprint(figures)),
                      static_cast<unsigned long long>(draws));
        SCOPED_TRACE("the season of team " + std::to_string(season.Team) + " in " +
                     std::to_string(season.Year) + " made " + made);
        EXPECT_EQ(Fingerprint(figures), season.Fingerprint);
        EXPECT_EQ(draws, season.Draws);
    }
}

// A team passes no better than the era's best real teams did, however its
// season's draws fall: a team drawn to gain 1.7 times the league's yards a
// completion (as a season of the history once gained 11.4 a pass) is held
// to 1.3 times its yards a pass and 1.25 times its yards a completion and
// below 5,000 yards; its passers share them within the real marks of their
// size, its receivers catch them all, and a back's receiving yards stay
// within his position's best.
TEST(TeamSeasonFigures, ATeamPassesNoBetterThanTheErasBestRealTeams) {
    Build_Test_League();
    static TEAM_SEASON_FIGURES figures;
    TEAM_STRENGTH strength;
    strength.Pass_Volume = 1.25;
    strength.Pass_Efficiency = 1.7;
    int32_t held = 0;
    for (const int32_t year : {1956, 1984, 2004})
        for (uint32_t seed = 1; seed <= 8; ++seed)
            for (int32_t team = 0; team < 2; ++team) {
                SCOPED_TRACE(std::to_string(year) + ", seed " + std::to_string(seed) + ", team " +
                             std::to_string(team));
                Seed_Random_Numbers(seed);
                Make_Team_Season_Figures(team, year, 16, strength, &figures);
                const ERA_NORMS norms = Get_Era_Norms(year);
                const double yards_an_attempt = norms.Completion_Rate * norms.Yards_Per_Completion;
                EXPECT_LE(figures.Passing_Yards, 1.3 * yards_an_attempt * figures.Attempts);
                EXPECT_LE(figures.Passing_Yards, 1.25 * norms.Yards_Per_Completion * figures.Completions);
                EXPECT_LT(figures.Passing_Yards, 5000);
                held += figures.Passing_Yards >=
                        0.9 * Get_Team_Passing_Yards_Ceiling(figures.Attempts, figures.Completions,
                                                             yards_an_attempt, norms.Yards_Per_Completion);
                int64_t passed = 0, caught = 0;
                for (const PLAYER_SEASON_FIGURES& player : figures.Players) {
                    if (player.Position < 0) continue;
                    EXPECT_EQ(Find_Mark_Passed(Read_Marked_Figures(year, player.Position, player.Stats)), "");
                    passed += Is_Passer(player.Position) ? player.Stats[5] : 0;
                    caught += Is_Receiver(player.Position) ? player.Stats[11] : 0;
                }
                EXPECT_EQ(passed, figures.Passing_Yards);
                EXPECT_EQ(caught, figures.Passing_Yards);
            }
    EXPECT_GT(held, 24) << "most such seasons reach near the bound, not far below it";
}

// No ball handler fumbles more often than the most a real player did, 23
// times, however long his season: a passer drawn far past it in a season of
// forty games keeps a figure of his own near it, the draws spreading below
// it rather than piling on it, and his teammates take the rest, so the
// team's fumbles stay whole. A fumble lost is one fumbled.
TEST(TeamSeasonFigures, NoHandlerFumblesPastTheRealRecordAndHisTeammatesTakeTheRest) {
    Build_Test_League();
    static TEAM_SEASON_FIGURES figures;
    const TEAM_STRENGTH strength;
    constexpr int32_t YEAR = 1956, GAMES = 40;
    std::set<int32_t> held;
    for (uint32_t seed = 1; seed <= 8; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Seed_Random_Numbers(seed);
        Make_Team_Season_Figures(0, YEAR, GAMES, strength, &figures);
        int32_t team = 0, most = 0;
        for (const PLAYER_SEASON_FIGURES& player : figures.Players) {
            if (!Is_Ball_Carrier(player.Position)) continue;
            const int32_t fumbles = player.Stats[Is_Passer(player.Position) ? 19 : 2];
            EXPECT_LE(fumbles, 23);
            EXPECT_LE(player.Stats[13], fumbles);
            team += fumbles;
            most = std::max(most, fumbles);
        }
        EXPECT_GE(most, 19) << "the busiest handler keeps a figure near the record";
        held.insert(most);
        EXPECT_GE(team, 0.5 * Get_Era_Norms(YEAR).Fumbles * GAMES) << "the team's fumbles are all held";
    }
    EXPECT_GT(held.size(), 1u) << "the held figures spread below the record";
}
