// The drawn shapes of the routes and defensive assignments feed only the play
// diagrams and the announcer's words: a week of games played from one seed
// gives the same game records, byte for byte, whatever the shapes.
#include <gtest/gtest.h>

#include <cstdint>

#include "database/universe.h"
#include "support/game_runner.h"
#include "support/test_league.h"

namespace {
// FNV-1a over every game record of the block.
uint64_t Game_Records_Digest() {
    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(Universe.Games);
    uint64_t hash = 14695981039346656037ULL;
    for (size_t i = 0; i < sizeof Universe.Games; ++i) {
        hash ^= bytes[i];
        hash *= 1099511628211ULL;
    }
    return hash;
}
} // namespace

TEST(RouteTableGames, AWeekFromOneSeedKeepsItsGameRecords) {
    Build_Test_League();
    Prepare_Game_Week(3, 20240);
    ASSERT_EQ(Play_Test_Week(3), 16);
    EXPECT_EQ(Game_Records_Digest(), 0xc04c9ed02f61d42aULL);
}
