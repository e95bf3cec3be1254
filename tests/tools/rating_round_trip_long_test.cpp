#include <gtest/gtest.h>

#include <cstdio>

#include "support/rating_round_trip.h"

// The drift table of the round trip over 3,000 generated players, for the
// league rebuild and for the estimates alone.
TEST(RatingRoundTripTable, DriftAfterOneAndFiveTrips) {
    constexpr int32_t TRIPS = 5;
    const ROUND_TRIP_FIGURES league = Measure_Rating_Round_Trips(200, TRIPS, 7u, REBUILD_KIND::League);
    std::printf("League rebuild\n%s\n", Format_Round_Trip_Table(league, TRIPS).c_str());
    const ROUND_TRIP_FIGURES estimates = Measure_Rating_Round_Trips(200, TRIPS, 7u, REBUILD_KIND::Estimates);
    std::printf("Estimates alone\n%s\n", Format_Round_Trip_Table(estimates, TRIPS).c_str());
    for (int32_t rating = 0; rating < STORED_RATINGS; ++rating)
        EXPECT_EQ(league.After_Last.Worst[rating], 0.0) << "rating " << rating;
}
