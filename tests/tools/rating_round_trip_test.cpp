#include <gtest/gtest.h>

#include <vector>

#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/roster_slots.h"
#include "personnel/player_generation.h"
#include "personnel/player_names.h"
#include "personnel/typical_season.h"
#include "support/rating_round_trip.h"
#include "support/test_league.h"
#include "tools/ratings_rebuild.h"

// Ratings give a typical season and the league rebuild takes the ratings back
// from it: a generated player of any position must come back unchanged, however
// often the trip is made.
TEST(RatingRoundTrip, GeneratedPlayersOfEveryPositionKeepTheirRatings) {
    constexpr int32_t TRIPS = 5;
    const ROUND_TRIP_FIGURES figures =
        Measure_Rating_Round_Trips(150, TRIPS, 20240519u, REBUILD_KIND::League);
    ASSERT_EQ(figures.Players, 150 * NUMBER_OF_POSITIONS);
    for (int32_t rating = 0; rating < STORED_RATINGS; ++rating) {
        EXPECT_GT(figures.After_Last.Count[rating], 0) << "every rating matters to some position";
        EXPECT_EQ(figures.After_First.Worst[rating], 0.0) << "rating " << rating;
        EXPECT_EQ(figures.After_Last.Worst[rating], 0.0) << "rating " << rating;
    }
}

// The same over a whole league: every franchise player replaced by a generated
// one of his position, each with his typical season, rebuilt league-wide.
TEST(RatingRoundTrip, AGeneratedLeagueStartsWithItsOwnRatings) {
    Build_Test_League();
    Seed_Random_Numbers(4242u);
    Clear_Name_Buffers();
    std::vector<float> before;
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
        for (int32_t slot = 0; slot < TEST_ROSTER_SIZE; ++slot) {
            const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
            Clear_Player(team, slot);
            Fabricate_Position_Player(team, slot, position, 0);
            Calculate_Typical_Season_From_Ratings(team, slot);
            for (int32_t rating = 0; rating < STORED_RATINGS; ++rating)
                before.push_back(Get_Player_Rating(team, slot, rating));
        }
    }
    Set_All_Ratings_From_Stats();
    size_t n = 0;
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        for (int32_t slot = 0; slot < TEST_ROSTER_SIZE; ++slot)
            for (int32_t rating = 0; rating < STORED_RATINGS; ++rating)
                ASSERT_EQ(Get_Player_Rating(team, slot, rating), before[n++])
                    << "team " << team << " slot " << slot << " rating " << rating;
}
