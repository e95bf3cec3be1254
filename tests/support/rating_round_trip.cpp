#include "support/rating_round_trip.h"

#include <cmath>
#include <cstdio>

#include "database/random_numbers.h"
#include "database/rating_normalisation.h"
#include "database/roster_slots.h"
#include "database/team_record_layout.h"
#include "personnel/player_generation.h"
#include "personnel/player_names.h"
#include "personnel/typical_season.h"
#include "support/test_league.h"
#include "tools/rating_from_stats.h"

namespace {

void Add_Drift(RATING_DRIFT& drift, int32_t rating, float from, float to) {
    const double d = std::fabs(static_cast<double>(to) - static_cast<double>(from));
    drift.Sum[rating] += d;
    if (d > drift.Worst[rating]) drift.Worst[rating] = d;
    ++drift.Count[rating];
}

void Read_Ratings(int32_t team, int32_t slot, float* out) {
    for (int32_t rating = 0; rating < STORED_RATINGS; ++rating)
        out[rating] = Get_Player_Rating(team, slot, rating);
}

void Take_Round_Trip(int32_t team, int32_t slot, REBUILD_KIND kind) {
    Calculate_Typical_Season_From_Ratings(team, slot);
    if (kind == REBUILD_KIND::League)
        Refresh_Player_Ratings_From_Stats(team, slot);
    else
        Set_Player_Ratings_From_Stats(team, slot);
}

} // namespace

ROUND_TRIP_FIGURES Measure_Rating_Round_Trips(int32_t per_position, int32_t trips, uint32_t seed,
                                              REBUILD_KIND kind) {
    Build_Test_League();
    Seed_Random_Numbers(seed);
    Clear_Name_Buffers();
    ROUND_TRIP_FIGURES figures;
    constexpr int32_t POOL_SLOTS = (TOTAL_NUMBER_OF_TEAMS - FIRST_COLLEGE_POOL_TEAM) * PLAYERS_PER_TEAM;
    int32_t place = 0;
    for (int32_t n = 0; n < per_position; ++n) {
        for (int32_t position = 0; position < NUMBER_OF_POSITIONS; ++position) {
            const int32_t team = FIRST_COLLEGE_POOL_TEAM + place / PLAYERS_PER_TEAM;
            const int32_t slot = place % PLAYERS_PER_TEAM;
            place = (place + 1) % POOL_SLOTS;
            Clear_Player(team, slot);
            Fabricate_Position_Player(team, slot, position, 0);
            float generated[STORED_RATINGS];
            float before[STORED_RATINGS];
            float after[STORED_RATINGS];
            Read_Ratings(team, slot, generated);
            for (int32_t trip = 1; trip <= trips; ++trip) {
                Read_Ratings(team, slot, before);
                Take_Round_Trip(team, slot, kind);
                Read_Ratings(team, slot, after);
                for (int32_t rating = 0; rating < STORED_RATINGS; ++rating) {
                    if (!Is_Rating_Used_By_Position(position, rating)) continue;
                    if (trip == 1) Add_Drift(figures.After_First, rating, generated[rating], after[rating]);
                    if (trip == trips) {
                        Add_Drift(figures.After_Last, rating, generated[rating], after[rating]);
                        Add_Drift(figures.Last_Step, rating, before[rating], after[rating]);
                    }
                }
            }
            ++figures.Players;
        }
    }
    return figures;
}

std::string Format_Round_Trip_Table(const ROUND_TRIP_FIGURES& figures, int32_t trips) {
    static const char* const NAMES[STORED_RATINGS] = {
        "Health",      "Durability",    "Accuracy",      "Distance",      "Control",      "Red Zone",
        "Mobility",    "Speed",         "Power",         "Quickness",     "Vision",       "Receiving",
        "Hands",       "Kick Returns",  "Punt Returns",  "Pass Blocking", "Run Blocking", "Discipline",
        "Run Defense", "Pass Rush",     "Pass Coverage", "Turnovers",     "Tackling",     "FG Accuracy",
        "FG Distance", "Punt Accuracy", "Punt Distance"};
    std::string text;
    char line[200];
    std::snprintf(line, sizeof line, "%d players; drift from the generated ratings (mean / worst)\n",
                  figures.Players);
    text += line;
    std::snprintf(line, sizeof line, "%-14s %7s %16s %16s %16s\n", "rating", "players", "after 1",
                  ("after " + std::to_string(trips)).c_str(), "last trip");
    text += line;
    for (int32_t r = 0; r < STORED_RATINGS; ++r) {
        std::snprintf(line, sizeof line, "%-14s %7d %7.2f / %6.2f %7.2f / %6.2f %7.2f / %6.2f\n", NAMES[r],
                      figures.After_First.Count[r], figures.After_First.Mean(r), figures.After_First.Worst[r],
                      figures.After_Last.Mean(r), figures.After_Last.Worst[r], figures.Last_Step.Mean(r),
                      figures.Last_Step.Worst[r]);
        text += line;
    }
    return text;
}
