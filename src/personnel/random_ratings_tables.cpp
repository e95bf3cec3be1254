#include "personnel/random_ratings_tables.h"

#include "database/player_record.h"

namespace {
constexpr int8_t T1 = 0, T2 = 1, T3 = 2, T4 = 3, NO = NO_TALENT;
} // namespace

#define F(r, base, ta, da, tb, db, k)                                                                        \
    { RATING_##r, base, ta, da, tb, db, k }
// The three offensive linemen share everything but their blocking.
#define LINEMAN_REST                                                                                         \
    F(DISCIPLINE, 50, T2, 6, NO, 1, 20), F(SPEED, 35, T2, 5, NO, 1, 10), F(RECEIVING, 20, T2, 3, NO, 1, 0),  \
        F(POWER, 40, T2, 5, NO, 1, 15), F(QUICKNESS, 20, T2, 5, NO, 1, 15), F(VISION, 40, T2, 5, NO, 1, 15), \
        F(HANDS, 20, T2, 10, NO, 1, 20), F(KICK_RETURNS, 20, T2, 5, NO, 1, 10),                              \
        F(PUNT_RETURNS, 20, T2, 5, NO, 1, 10)

// clang-format off
const RATING_PROFILE RATING_PROFILES[15] = {
    {15, {F(ACCURACY, 53, T1, 5, NO, 1, 15), F(DISTANCE, 53, T1, 5, NO, 1, 15), F(CONTROL, 53, T1, 5, NO, 1, 15),
          F(RED_ZONE, 53, T1, 5, NO, 1, 15), F(MOBILITY, 50, T2, 5, NO, 1, 15), F(SPEED, 55, T2, 4, NO, 1, 10),
          F(RECEIVING, 25, NO, 1, NO, 1, 30), F(PASS_BLOCKING, 30, NO, 1, NO, 1, 20),
          F(RUN_BLOCKING, 30, NO, 1, NO, 1, 20), F(POWER, 45, T2, 5, NO, 1, 15), F(QUICKNESS, 42, T2, 5, NO, 1, 15),
          F(VISION, 45, T2, 5, NO, 1, 15), F(HANDS, 48, T2, 10, NO, 1, 15), F(KICK_RETURNS, 30, T2, 5, NO, 1, 8),
          F(PUNT_RETURNS, 30, T2, 5, NO, 1, 8)}},
    {11, {F(SPEED, 71, T1, 4, NO, 1, 0), F(RECEIVING, 46, T4, 5, NO, 1, 10), F(PASS_BLOCKING, 40, T2, 6, NO, 1, 10),
          F(RUN_BLOCKING, 40, T2, 7, NO, 1, 10), F(POWER, 40, T2, 5, T1, 10, 10), F(QUICKNESS, 53, T1, 5, NO, 1, 10),
          F(VISION, 45, T1, 6, NO, 1, 10), F(HANDS, 50, T1, 7, NO, 1, 20), F(RED_ZONE, 55, T4, 10, NO, 1, 15),
          F(KICK_RETURNS, 45, T1, 10, T3, 7, 8), F(PUNT_RETURNS, 45, T1, 10, T3, 7, 8)}},
    {11, {F(SPEED, 60, T1, 6, NO, 1, 0), F(RECEIVING, 45, T4, 6, NO, 1, 10), F(PASS_BLOCKING, 50, T2, 7, NO, 1, 12),
          F(RUN_BLOCKING, 50, T2, 7, NO, 1, 15), F(POWER, 53, T1, 5, NO, 1, 10), F(QUICKNESS, 45, T1, 5, NO, 1, 10),
          F(VISION, 45, T1, 6, NO, 1, 10), F(HANDS, 50, T1, 10, NO, 1, 20), F(RED_ZONE, 48, T4, 10, NO, 1, 12),
          F(KICK_RETURNS, 42, T1, 10, T3, 7, 8), F(PUNT_RETURNS, 42, T1, 10, T3, 7, 8)}},
    {11, {F(SPEED, 60, T1, 7, NO, 1, 10), F(RECEIVING, 50, T2, 4, NO, 1, 0), F(PASS_BLOCKING, 60, T1, -6, NO, 1, 10),
          F(RUN_BLOCKING, 70, T1, -6, NO, 1, 10), F(POWER, 63, T1, -14, NO, 1, 10), F(QUICKNESS, 53, T1, 6, NO, 1, 10),
          F(VISION, 53, T2, 6, NO, 1, 10), F(HANDS, 53, T2, 6, NO, 1, 15), F(RED_ZONE, 52, T2, 10, NO, 1, 15),
          F(KICK_RETURNS, 45, T1, 10, T3, 6, 8), F(PUNT_RETURNS, 45, T1, 10, T3, 6, 8)}},
    {11, {F(SPEED, 75, T1, 6, NO, 1, 7), F(RECEIVING, 58, T2, 4, NO, 1, 0), F(PASS_BLOCKING, 50, T1, -10, NO, 1, 10),
          F(RUN_BLOCKING, 45, T1, -10, NO, 1, 10), F(POWER, 65, T1, -10, NO, 1, 20), F(QUICKNESS, 60, T1, 6, NO, 1, 10),
          F(VISION, 60, T2, 7, NO, 1, 10), F(HANDS, 60, T2, 7, NO, 1, 10), F(RED_ZONE, 55, T2, 10, T1, 18, 15),
          F(KICK_RETURNS, 60, T3, 5, T1, 15, 10), F(PUNT_RETURNS, 60, T3, 5, T1, 15, 10)}},
    {11, {F(PASS_BLOCKING, 55, T1, 5, NO, 1, 10), F(RUN_BLOCKING, 52, T1, 5, NO, 1, 10), LINEMAN_REST}},
    {11, {F(PASS_BLOCKING, 52, T1, 5, NO, 1, 8), F(RUN_BLOCKING, 55, T1, 5, NO, 1, 10), LINEMAN_REST}},
    {11, {F(PASS_BLOCKING, 52, T1, 5, NO, 1, 8), F(RUN_BLOCKING, 52, T1, 5, NO, 1, 8), LINEMAN_REST}},
    {13, {F(RUN_DEFENSE, 52, T1, 5, NO, 1, 10), F(PASS_RUSH, 62, T1, 4, NO, 1, 0), F(PASS_COVERAGE, 48, T1, 10, NO, 1, 10),
          F(TURNOVERS, 53, T1, 10, NO, 1, 20), F(TACKLING, 55, T1, 4, NO, 1, 12), F(SPEED, 35, T2, 5, NO, 1, 10),
          F(RECEIVING, 20, T2, 3, NO, 1, 0), F(POWER, 40, T2, 5, NO, 1, 15), F(QUICKNESS, 30, T2, 5, NO, 1, 15),
          F(VISION, 20, T2, 5, NO, 1, 15), F(HANDS, 20, T2, 10, NO, 1, 20), F(KICK_RETURNS, 20, T2, 5, NO, 1, 10),
          F(PUNT_RETURNS, 20, T2, 5, NO, 1, 10)}},
    {13, {F(RUN_DEFENSE, 58, T1, 3, NO, 1, 0), F(PASS_RUSH, 50, T1, 5, NO, 1, 15), F(PASS_COVERAGE, 45, T1, 10, NO, 1, 10),
          F(TURNOVERS, 50, T1, 10, NO, 1, 20), F(TACKLING, 52, T1, 4, NO, 1, 12), F(SPEED, 25, T2, 5, NO, 1, 10),
          F(RECEIVING, 15, T2, 3, NO, 1, 0), F(POWER, 45, T2, 5, NO, 1, 15), F(QUICKNESS, 15, T2, 5, NO, 1, 15),
          F(VISION, 15, T2, 5, NO, 1, 15), F(HANDS, 15, T2, 10, NO, 1, 20), F(KICK_RETURNS, 15, T2, 5, NO, 1, 10),
          F(PUNT_RETURNS, 15, T2, 5, NO, 1, 10)}},
    {13, {F(RUN_DEFENSE, 50, T1, 5, NO, 1, 15), F(PASS_RUSH, 50, T1, 8, NO, 1, 20), F(PASS_COVERAGE, 50, T1, 10, NO, 1, 20),
          F(TURNOVERS, 53, T1, 10, NO, 1, 20), F(TACKLING, 58, T1, 4, NO, 1, 10), F(SPEED, 45, T2, 5, NO, 1, 10),
          F(RECEIVING, 30, T2, 3, NO, 1, 0), F(POWER, 40, T2, 5, NO, 1, 15), F(QUICKNESS, 35, T2, 5, NO, 1, 15),
          F(VISION, 20, T2, 5, NO, 1, 15), F(HANDS, 30, T2, 10, NO, 1, 20), F(KICK_RETURNS, 25, T2, 5, NO, 1, 10),
          F(PUNT_RETURNS, 25, T2, 5, NO, 1, 10)}},
    {13, {F(RUN_DEFENSE, 50, NO, 1, NO, 1, 20), F(PASS_RUSH, 50, NO, 1, NO, 1, 25), F(PASS_COVERAGE, 63, T1, 4, NO, 1, 0),
          F(TURNOVERS, 53, T1, 5, NO, 1, 20), F(TACKLING, 51, T1, 5, NO, 1, 10), F(SPEED, 70, T2, 6, NO, 1, 8),
          F(RECEIVING, 40, T2, 3, NO, 1, 0), F(POWER, 30, T2, 5, NO, 1, 15), F(QUICKNESS, 45, T2, 5, NO, 1, 15),
          F(VISION, 30, T2, 5, NO, 1, 15), F(HANDS, 40, T2, 10, NO, 1, 20), F(KICK_RETURNS, 50, T2, 4, NO, 1, 10),
          F(PUNT_RETURNS, 50, T2, 4, NO, 1, 10)}},
    {13, {F(RUN_DEFENSE, 55, T1, 5, NO, 1, 10), F(PASS_RUSH, 52, NO, 1, NO, 1, 25), F(PASS_COVERAGE, 57, T1, 4, NO, 1, 0),
          F(TURNOVERS, 53, T1, 5, NO, 1, 15), F(TACKLING, 55, T1, 5, NO, 1, 15), F(SPEED, 63, T2, 6, NO, 1, 10),
          F(RECEIVING, 40, T2, 3, NO, 1, 0), F(POWER, 30, T2, 5, NO, 1, 15), F(QUICKNESS, 45, T2, 5, NO, 1, 15),
          F(VISION, 30, T2, 5, NO, 1, 15), F(HANDS, 40, T2, 10, NO, 1, 20), F(KICK_RETURNS, 50, T2, 5, NO, 1, 10),
          F(PUNT_RETURNS, 50, T2, 5, NO, 1, 10)}},
    {9, {F(FG_ACCURACY, 50, T1, 5, NO, 1, 20), F(FG_DISTANCE, 50, T1, 5, NO, 1, 20), F(PUNT_ACCURACY, 30, T1, 7, NO, 1, 20),
         F(PUNT_DISTANCE, 30, T1, 7, NO, 1, 20), F(RUN_DEFENSE, 25, T2, 5, NO, 1, 10), F(PASS_RUSH, 15, NO, 1, NO, 1, 25),
         F(PASS_COVERAGE, 15, T2, 5, NO, 1, 15), F(TURNOVERS, 20, T2, 5, NO, 1, 20), F(TACKLING, 30, T2, 5, NO, 1, 15)}},
    {9, {F(FG_ACCURACY, 30, T1, 7, NO, 1, 20), F(FG_DISTANCE, 30, T1, 7, NO, 1, 20), F(PUNT_ACCURACY, 50, T1, 5, NO, 1, 20),
         F(PUNT_DISTANCE, 50, T1, 5, NO, 1, 20), F(RUN_DEFENSE, 25, T2, 5, NO, 1, 10), F(PASS_RUSH, 15, NO, 1, NO, 1, 25),
         F(PASS_COVERAGE, 15, T2, 5, NO, 1, 15), F(TURNOVERS, 20, T2, 5, NO, 1, 20), F(TACKLING, 25, T2, 5, NO, 1, 15)}},
};
// clang-format on
