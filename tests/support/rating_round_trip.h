#pragma once
// Round trips of generated players between their ratings and their typical
// season: ratings give the typical season, the season gives the ratings back.
// Measures how far each of the 27 ratings moves after one and after several
// trips, over freshly made players of every position.
#include <cstdint>
#include <string>

#include "database/player_record.h"

constexpr int32_t STORED_RATINGS = RATING_PUNT_DISTANCE + 1;

struct RATING_DRIFT {
    double Sum[STORED_RATINGS] = {};
    double Worst[STORED_RATINGS] = {};
    int32_t Count[STORED_RATINGS] = {};
    double Mean(int32_t rating) const { return Count[rating] == 0 ? 0.0 : Sum[rating] / Count[rating]; }
};

struct ROUND_TRIP_FIGURES {
    int32_t Players = 0;
    // Drift from the generated ratings after the first and after the last trip,
    // over the ratings each player's position uses.
    RATING_DRIFT After_First;
    RATING_DRIFT After_Last;
    // Drift between the last two trips: 0 for a league at its fixed point.
    RATING_DRIFT Last_Step;
};

// What re-derives the ratings on each trip: the league-wide rebuild (a typical
// season keeps the ratings it came from) or the estimates alone, as the player
// editor's "Calculate Ratings" takes them.
enum class REBUILD_KIND { League, Estimates };

// Makes `per_position` players of each of the 15 positions in the college pool
// of the test league (seeded with `seed`) and takes each through `trips` round
// trips.
ROUND_TRIP_FIGURES Measure_Rating_Round_Trips(int32_t per_position, int32_t trips, uint32_t seed,
                                              REBUILD_KIND kind);
// The figures as a table, one row per rating.
std::string Format_Round_Trip_Table(const ROUND_TRIP_FIGURES& figures, int32_t trips);
