// A team season of the fictional history made from a fixed seed is the same
// on every compiler and build type: each draw is taken in an order the code
// fixes, never two in one expression whose order C++ leaves open (the
// arguments of one call, the operands of one operator). The season below is
// pinned by a fingerprint of every player's figures and the draws it took;
// a build whose compiler orders such draws otherwise makes another season.
// A deliberate change to how seasons are made changes the fingerprint too:
// the failure prints the new one.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>

#include "database/random_numbers.h"
#include "support/test_league.h"
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
    const CASE cases[] = {{0, 1962, 14, 0xeb49af64bb427404ull, 1151},
                          {7, 1998, 16, 0x0dc7416cf9caf731ull, 1149}};
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
