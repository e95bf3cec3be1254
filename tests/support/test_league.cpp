#include "support/test_league.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>
#include <zlib.h>

#include "database/league_derived_state.h"
#include "database/league_structure.h"
#include "database/path_resolver.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/position_evaluation.h"
#include "database/roster_slots.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/team_balance.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "engine/playbook_records.h"
#include "season/league_rates.h"
#include "support/file_lines.h"
#include "tools/team_records_csv.h"

namespace {

// Players drawn like a real league's: ratings around a profile by position
// (main skills from one talent value, athletic and secondary ratings from
// another, every rating the position does not use low), starters ahead of
// backups, and bodies, forty times and ages by position. Its own small
// generator keeps the league fixed without touching the league generator.
struct TEST_PLAYER_DRAWS {
    uint32_t State;
};

TEST_PLAYER_DRAWS Start_Test_Player_Draws() {
    return TEST_PLAYER_DRAWS{0x9E3779B9u};
}

int32_t Draw_Test_Number(TEST_PLAYER_DRAWS& draws, int32_t k) {
    if (k <= 0) return 0;
    // xorshift32: small, fast and the same everywhere.
    uint32_t x = draws.State;
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    draws.State = x;
    return static_cast<int32_t>((static_cast<uint64_t>(x) * static_cast<uint32_t>(k)) >> 32);
}

constexpr int32_t MAX_GROUP = 16;
constexpr int32_t NO_TERM = -1;

// rating = base + t[a]/div_a + t[b]/div_b + rnd(k); a negative divisor
// subtracts (the division truncates toward zero either way).
struct RATING_FORMULA {
    int8_t Rating;
    int16_t Base;
    int8_t Talent_A;
    int8_t Divisor_A;
    int8_t Talent_B;
    int8_t Divisor_B;
    int8_t Random;
};

constexpr int8_t T1 = 0, T2 = 1, T3 = 2, T4 = 3, NONE = NO_TERM;

#define F(r, base, ta, da, tb, db, k)                                                                        \
    { RATING_##r, base, ta, da, tb, db, k }

const RATING_FORMULA QB_FORMULAS[] = {
    F(ACCURACY, 53, T1, 5, NONE, 1, 15),       F(DISTANCE, 53, T1, 5, NONE, 1, 15),
    F(CONTROL, 53, T1, 5, NONE, 1, 15),        F(RED_ZONE, 53, T1, 5, NONE, 1, 15),
    F(MOBILITY, 50, T2, 5, NONE, 1, 15),       F(SPEED, 55, T2, 4, NONE, 1, 10),
    F(RECEIVING, 25, NONE, 1, NONE, 1, 30),    F(PASS_BLOCKING, 30, NONE, 1, NONE, 1, 20),
    F(RUN_BLOCKING, 30, NONE, 1, NONE, 1, 20), F(POWER, 45, T2, 5, NONE, 1, 15),
    F(QUICKNESS, 42, T2, 5, NONE, 1, 15),      F(VISION, 45, T2, 5, NONE, 1, 15),
    F(HANDS, 48, T2, 10, NONE, 1, 15),         F(KICK_RETURNS, 30, T2, 5, NONE, 1, 8),
    F(PUNT_RETURNS, 30, T2, 5, NONE, 1, 8)};
const RATING_FORMULA RB_FORMULAS[] = {
    F(SPEED, 71, T1, 4, NONE, 1, 0),          F(RECEIVING, 46, T4, 5, NONE, 1, 10),
    F(PASS_BLOCKING, 40, T2, 6, NONE, 1, 10), F(RUN_BLOCKING, 40, T2, 7, NONE, 1, 10),
    F(POWER, 40, T2, 5, T1, 10, 10),          F(QUICKNESS, 53, T1, 5, NONE, 1, 10),
    F(VISION, 45, T1, 6, NONE, 1, 10),        F(HANDS, 50, T1, 7, NONE, 1, 20),
    F(RED_ZONE, 55, T4, 10, NONE, 1, 15),     F(KICK_RETURNS, 45, T1, 10, T3, 7, 8),
    F(PUNT_RETURNS, 45, T1, 10, T3, 7, 8)};
const RATING_FORMULA FB_FORMULAS[] = {
    F(SPEED, 60, T1, 6, NONE, 1, 0),          F(RECEIVING, 45, T4, 6, NONE, 1, 10),
    F(PASS_BLOCKING, 50, T2, 7, NONE, 1, 12), F(RUN_BLOCKING, 50, T2, 7, NONE, 1, 15),
    F(POWER, 53, T1, 5, NONE, 1, 10),         F(QUICKNESS, 45, T1, 5, NONE, 1, 10),
    F(VISION, 45, T1, 6, NONE, 1, 10),        F(HANDS, 50, T1, 10, NONE, 1, 20),
    F(RED_ZONE, 48, T4, 10, NONE, 1, 12),     F(KICK_RETURNS, 42, T1, 10, T3, 7, 8),
    F(PUNT_RETURNS, 42, T1, 10, T3, 7, 8)};
const RATING_FORMULA TE_FORMULAS[] = {
    F(SPEED, 60, T1, 7, NONE, 1, 10),          F(RECEIVING, 50, T2, 4, NONE, 1, 0),
    F(PASS_BLOCKING, 60, T1, -6, NONE, 1, 10), F(RUN_BLOCKING, 70, T1, -6, NONE, 1, 10),
    F(POWER, 63, T1, -14, NONE, 1, 10),        F(QUICKNESS, 53, T1, 6, NONE, 1, 10),
    F(VISION, 53, T2, 6, NONE, 1, 10),         F(HANDS, 53, T2, 6, NONE, 1, 15),
    F(RED_ZONE, 52, T2, 10, NONE, 1, 15),      F(KICK_RETURNS, 45, T1, 10, T3, 6, 8),
    F(PUNT_RETURNS, 45, T1, 10, T3, 6, 8)};
const RATING_FORMULA WR_FORMULAS[] = {F(SPEED, 75, T1, 6, NONE, 1, 7),
                                      F(RECEIVING, 58, T2, 4, NONE, 1, 0),
                                      F(PASS_BLOCKING, 50, T1, -10, NONE, 1, 10),
                                      F(RUN_BLOCKING, 45, T1, -10, NONE, 1, 10),
                                      F(POWER, 65, T1, -10, NONE, 1, 20),
                                      F(QUICKNESS, 60, T1, 6, NONE, 1, 10),
                                      F(VISION, 60, T2, 7, NONE, 1, 10),
                                      F(HANDS, 60, T2, 7, NONE, 1, 10),
                                      F(RED_ZONE, 55, T2, 10, T1, 18, 15),
                                      F(KICK_RETURNS, 60, T3, 5, T1, 15, 10),
                                      F(PUNT_RETURNS, 60, T3, 5, T1, 15, 10)};
// Tackles; guards and centres differ only in their blocking lines.
const RATING_FORMULA T_FORMULAS[] = {
    F(PASS_BLOCKING, 55, T1, 5, NONE, 1, 10), F(RUN_BLOCKING, 52, T1, 5, NONE, 1, 10),
    F(DISCIPLINE, 50, T2, 6, NONE, 1, 20),    F(SPEED, 35, T2, 5, NONE, 1, 10),
    F(RECEIVING, 20, T2, 3, NONE, 1, 0),      F(POWER, 40, T2, 5, NONE, 1, 15),
    F(QUICKNESS, 20, T2, 5, NONE, 1, 15),     F(VISION, 40, T2, 5, NONE, 1, 15),
    F(HANDS, 20, T2, 10, NONE, 1, 20),        F(KICK_RETURNS, 20, T2, 5, NONE, 1, 10),
    F(PUNT_RETURNS, 20, T2, 5, NONE, 1, 10)};
const RATING_FORMULA G_FORMULAS[] = {
    F(PASS_BLOCKING, 52, T1, 5, NONE, 1, 8), F(RUN_BLOCKING, 55, T1, 5, NONE, 1, 10),
    F(DISCIPLINE, 50, T2, 6, NONE, 1, 20),   F(SPEED, 35, T2, 5, NONE, 1, 10),
    F(RECEIVING, 20, T2, 3, NONE, 1, 0),     F(POWER, 40, T2, 5, NONE, 1, 15),
    F(QUICKNESS, 20, T2, 5, NONE, 1, 15),    F(VISION, 40, T2, 5, NONE, 1, 15),
    F(HANDS, 20, T2, 10, NONE, 1, 20),       F(KICK_RETURNS, 20, T2, 5, NONE, 1, 10),
    F(PUNT_RETURNS, 20, T2, 5, NONE, 1, 10)};
const RATING_FORMULA C_FORMULAS[] = {
    F(PASS_BLOCKING, 52, T1, 5, NONE, 1, 8), F(RUN_BLOCKING, 52, T1, 5, NONE, 1, 8),
    F(DISCIPLINE, 50, T2, 6, NONE, 1, 20),   F(SPEED, 35, T2, 5, NONE, 1, 10),
    F(RECEIVING, 20, T2, 3, NONE, 1, 0),     F(POWER, 40, T2, 5, NONE, 1, 15),
    F(QUICKNESS, 20, T2, 5, NONE, 1, 15),    F(VISION, 40, T2, 5, NONE, 1, 15),
    F(HANDS, 20, T2, 10, NONE, 1, 20),       F(KICK_RETURNS, 20, T2, 5, NONE, 1, 10),
    F(PUNT_RETURNS, 20, T2, 5, NONE, 1, 10)};
const RATING_FORMULA DE_FORMULAS[] = {
    F(RUN_DEFENSE, 52, T1, 5, NONE, 1, 10),    F(PASS_RUSH, 62, T1, 4, NONE, 1, 0),
    F(PASS_COVERAGE, 48, T1, 10, NONE, 1, 10), F(TURNOVERS, 53, T1, 10, NONE, 1, 20),
    F(TACKLING, 55, T1, 4, NONE, 1, 12),       F(SPEED, 35, T2, 5, NONE, 1, 10),
    F(RECEIVING, 20, T2, 3, NONE, 1, 0),       F(POWER, 40, T2, 5, NONE, 1, 15),
    F(QUICKNESS, 30, T2, 5, NONE, 1, 15),      F(VISION, 20, T2, 5, NONE, 1, 15),
    F(HANDS, 20, T2, 10, NONE, 1, 20),         F(KICK_RETURNS, 20, T2, 5, NONE, 1, 10),
    F(PUNT_RETURNS, 20, T2, 5, NONE, 1, 10)};
const RATING_FORMULA DT_FORMULAS[] = {
    F(RUN_DEFENSE, 58, T1, 3, NONE, 1, 0),     F(PASS_RUSH, 50, T1, 5, NONE, 1, 15),
    F(PASS_COVERAGE, 45, T1, 10, NONE, 1, 10), F(TURNOVERS, 50, T1, 10, NONE, 1, 20),
    F(TACKLING, 52, T1, 4, NONE, 1, 12),       F(SPEED, 25, T2, 5, NONE, 1, 10),
    F(RECEIVING, 15, T2, 3, NONE, 1, 0),       F(POWER, 45, T2, 5, NONE, 1, 15),
    F(QUICKNESS, 15, T2, 5, NONE, 1, 15),      F(VISION, 15, T2, 5, NONE, 1, 15),
    F(HANDS, 15, T2, 10, NONE, 1, 20),         F(KICK_RETURNS, 15, T2, 5, NONE, 1, 10),
    F(PUNT_RETURNS, 15, T2, 5, NONE, 1, 10)};
const RATING_FORMULA LB_FORMULAS[] = {
    F(RUN_DEFENSE, 50, T1, 5, NONE, 1, 15),    F(PASS_RUSH, 50, T1, 8, NONE, 1, 20),
    F(PASS_COVERAGE, 50, T1, 10, NONE, 1, 20), F(TURNOVERS, 53, T1, 10, NONE, 1, 20),
    F(TACKLING, 58, T1, 4, NONE, 1, 10),       F(SPEED, 45, T2, 5, NONE, 1, 10),
    F(RECEIVING, 30, T2, 3, NONE, 1, 0),       F(POWER, 40, T2, 5, NONE, 1, 15),
    F(QUICKNESS, 35, T2, 5, NONE, 1, 15),      F(VISION, 20, T2, 5, NONE, 1, 15),
    F(HANDS, 30, T2, 10, NONE, 1, 20),         F(KICK_RETURNS, 25, T2, 5, NONE, 1, 10),
    F(PUNT_RETURNS, 25, T2, 5, NONE, 1, 10)};
const RATING_FORMULA CB_FORMULAS[] = {
    F(RUN_DEFENSE, 50, NONE, 1, NONE, 1, 20), F(PASS_RUSH, 50, NONE, 1, NONE, 1, 25),
    F(PASS_COVERAGE, 63, T1, 4, NONE, 1, 0),  F(TURNOVERS, 53, T1, 5, NONE, 1, 20),
    F(TACKLING, 51, T1, 5, NONE, 1, 10),      F(SPEED, 70, T2, 6, NONE, 1, 8),
    F(RECEIVING, 40, T2, 3, NONE, 1, 0),      F(POWER, 30, T2, 5, NONE, 1, 15),
    F(QUICKNESS, 45, T2, 5, NONE, 1, 15),     F(VISION, 30, T2, 5, NONE, 1, 15),
    F(HANDS, 40, T2, 10, NONE, 1, 20),        F(KICK_RETURNS, 50, T2, 4, NONE, 1, 10),
    F(PUNT_RETURNS, 50, T2, 4, NONE, 1, 10)};
const RATING_FORMULA S_FORMULAS[] = {
    F(RUN_DEFENSE, 55, T1, 5, NONE, 1, 10),  F(PASS_RUSH, 52, NONE, 1, NONE, 1, 25),
    F(PASS_COVERAGE, 57, T1, 4, NONE, 1, 0), F(TURNOVERS, 53, T1, 5, NONE, 1, 15),
    F(TACKLING, 55, T1, 5, NONE, 1, 15),     F(SPEED, 63, T2, 6, NONE, 1, 10),
    F(RECEIVING, 40, T2, 3, NONE, 1, 0),     F(POWER, 30, T2, 5, NONE, 1, 15),
    F(QUICKNESS, 45, T2, 5, NONE, 1, 15),    F(VISION, 30, T2, 5, NONE, 1, 15),
    F(HANDS, 40, T2, 10, NONE, 1, 20),       F(KICK_RETURNS, 50, T2, 5, NONE, 1, 10),
    F(PUNT_RETURNS, 50, T2, 5, NONE, 1, 10)};
const RATING_FORMULA K_FORMULAS[] = {
    F(FG_ACCURACY, 50, T1, 5, NONE, 1, 20),   F(FG_DISTANCE, 50, T1, 5, NONE, 1, 20),
    F(PUNT_ACCURACY, 30, T1, 7, NONE, 1, 20), F(PUNT_DISTANCE, 30, T1, 7, NONE, 1, 20),
    F(RUN_DEFENSE, 25, T2, 5, NONE, 1, 10),   F(PASS_RUSH, 15, NONE, 1, NONE, 1, 25),
    F(PASS_COVERAGE, 15, T2, 5, NONE, 1, 15), F(TURNOVERS, 20, T2, 5, NONE, 1, 20),
    F(TACKLING, 30, T2, 5, NONE, 1, 15)};
const RATING_FORMULA P_FORMULAS[] = {
    F(FG_ACCURACY, 30, T1, 7, NONE, 1, 20),   F(FG_DISTANCE, 30, T1, 7, NONE, 1, 20),
    F(PUNT_ACCURACY, 50, T1, 5, NONE, 1, 20), F(PUNT_DISTANCE, 50, T1, 5, NONE, 1, 20),
    F(RUN_DEFENSE, 25, T2, 5, NONE, 1, 10),   F(PASS_RUSH, 15, NONE, 1, NONE, 1, 25),
    F(PASS_COVERAGE, 15, T2, 5, NONE, 1, 15), F(TURNOVERS, 20, T2, 5, NONE, 1, 20),
    F(TACKLING, 25, T2, 5, NONE, 1, 15)};

#undef F

struct POSITION_PROFILE {
    const RATING_FORMULA* Formulas;
    int32_t Count;
    int32_t Forty_Time; // hundredths of a second for an average player
};

#define P(list, forty)                                                                                       \
    { list, static_cast<int32_t>(sizeof list / sizeof list[0]), forty }
const POSITION_PROFILE PROFILES[NUMBER_OF_POSITIONS] = {
    P(QB_FORMULAS, 482), P(RB_FORMULAS, 452), P(FB_FORMULAS, 470), P(TE_FORMULAS, 468), P(WR_FORMULAS, 448),
    P(T_FORMULAS, 522),  P(G_FORMULAS, 525),  P(C_FORMULAS, 520),  P(DE_FORMULAS, 478), P(DT_FORMULAS, 505),
    P(LB_FORMULAS, 468), P(CB_FORMULAS, 446), P(S_FORMULAS, 455),  P(K_FORMULAS, 492),  P(P_FORMULAS, 490)};
#undef P

// Pro players are the better part of a college class: their talent values
// come from the upper part of the prospects' 0..99 range.
constexpr int32_t PRO_TALENT_FLOOR = 25;
constexpr int32_t PRO_TALENT_RANGE = 75;

int32_t Talent_Term(const int32_t talent[4], int8_t which, int8_t divisor) {
    return which == NO_TERM ? 0 : talent[which] / divisor;
}

void Draw_Player_Ratings(TEST_PLAYER_DRAWS& draws, int32_t team, int32_t slot, int32_t position,
                         const int32_t talent[4]) {
    const int32_t health = 75 + Draw_Test_Number(draws, 20) - Draw_Test_Number(draws, 20);
    Set_Player_Rating(team, slot, RATING_HEALTH, static_cast<float>(health));
    Set_Player_Rating(
        team, slot, RATING_DURABILITY,
        static_cast<float>(health / 2 + 37 + Draw_Test_Number(draws, 10) - Draw_Test_Number(draws, 10)));
    // What the position does not use stays low.
    for (int32_t rating = RATING_ACCURACY; rating < NUMBER_OF_PLAYER_RATINGS; ++rating)
        Set_Player_Rating(team, slot, rating, static_cast<float>(20 + Draw_Test_Number(draws, 11)));
    const POSITION_PROFILE& profile = PROFILES[position];
    for (int32_t n = 0; n < profile.Count; ++n) {
        const RATING_FORMULA& f = profile.Formulas[n];
        int32_t value = f.Base + Talent_Term(talent, f.Talent_A, f.Divisor_A) +
                        Talent_Term(talent, f.Talent_B, f.Divisor_B) + Draw_Test_Number(draws, f.Random);
        // Reads raise anything below 20 to 20; storing it so keeps reads pure.
        Set_Player_Rating(team, slot, f.Rating, static_cast<float>(std::max(value, 20)));
    }
}

// Average bodies by position QB .. P, fixed so the league never changes with
// the game's own body tables.
constexpr int32_t TEST_AVERAGE_HEIGHT[NUMBER_OF_POSITIONS] = {75, 71, 72, 77, 73, 78, 76, 75,
                                                              76, 75, 74, 71, 72, 72, 74};
constexpr int32_t TEST_AVERAGE_WEIGHT[NUMBER_OF_POSITIONS] = {220, 215, 245, 255, 200, 315, 315, 300,
                                                              270, 310, 240, 195, 205, 200, 215};

void Draw_Player_Body(TEST_PLAYER_DRAWS& draws, int32_t team, int32_t slot, int32_t position, bool starter) {
    const int32_t average_height = TEST_AVERAGE_HEIGHT[position];
    const int32_t height = average_height - 2 + Draw_Test_Number(draws, 5);
    const int32_t weight =
        TEST_AVERAGE_WEIGHT[position] + (height - average_height) * 5 - 10 + Draw_Test_Number(draws, 21);
    // Faster than the position's average by what his Speed rating says.
    const int32_t speed = static_cast<int32_t>(Get_Player_Rating(team, slot, RATING_SPEED));
    const int32_t typical_speed = position >= POSITION_K ? 25 : 60;
    const int32_t forty = std::clamp(PROFILES[position].Forty_Time - (speed - typical_speed) / 2 +
                                         Draw_Test_Number(draws, 9) - 4,
                                     425, 560);
    // Starters are in their prime, backups younger.
    const int32_t age = starter ? 25 + Draw_Test_Number(draws, 8) : 22 + Draw_Test_Number(draws, 7);
    const int32_t month = 1 + Draw_Test_Number(draws, 12);
    const int32_t day = 1 + Draw_Test_Number(draws, 28);
    Set_Player_Vital_Stat(team, slot, VITAL_HEIGHT, height);
    Set_Player_Vital_Stat(team, slot, VITAL_WEIGHT, weight);
    Set_Player_Vital_Stat(team, slot, VITAL_FORTY_TIME, forty);
    Set_Player_Vital_Stat(team, slot, VITAL_BIRTH_DATE, (TEST_BASE_YEAR - age) * 10000 + month * 100 + day);
}

// Players of a position a team starts; the rest are backups.
constexpr int32_t STARTERS[NUMBER_OF_POSITIONS] = {1, 1, 1, 1, 3, 2, 2, 1, 2, 2, 3, 3, 2, 1, 1};

void Draw_Test_Position_Group(TEST_PLAYER_DRAWS& draws, int32_t team, int32_t position, int32_t first,
                              int32_t count) {
    if (static_cast<uint32_t>(position) >= NUMBER_OF_POSITIONS || count <= 0 || count > MAX_GROUP) return;
    int32_t main_talent[MAX_GROUP];
    for (int32_t n = 0; n < count; ++n)
        main_talent[n] = PRO_TALENT_FLOOR + Draw_Test_Number(draws, PRO_TALENT_RANGE);
    std::sort(main_talent, main_talent + count, std::greater<int32_t>());
    for (int32_t n = 0; n < count; ++n) {
        int32_t talent[4] = {main_talent[n], 0, 0, 0};
        for (int32_t t = 1; t < 4; ++t)
            talent[t] = PRO_TALENT_FLOOR + Draw_Test_Number(draws, PRO_TALENT_RANGE);
        Draw_Player_Ratings(draws, team, first + n, position, talent);
    }
    // The depth chart follows the slots, so the group is put in order of its
    // evaluation at the position: the starters first.
    struct RANKED {
        float Evaluation;
        float Ratings[NUMBER_OF_PLAYER_RATINGS];
    } ranked[MAX_GROUP];
    for (int32_t n = 0; n < count; ++n) {
        ranked[n].Evaluation = Get_Player_Position_Rating(team, first + n, position);
        memcpy(ranked[n].Ratings, Universe.Teams[team].Players[first + n].Ratings, sizeof ranked[n].Ratings);
    }
    std::stable_sort(ranked, ranked + count,
                     [](const RANKED& a, const RANKED& b) { return a.Evaluation > b.Evaluation; });
    for (int32_t n = 0; n < count; ++n) {
        memcpy(Universe.Teams[team].Players[first + n].Ratings, ranked[n].Ratings, sizeof ranked[n].Ratings);
        Draw_Player_Body(draws, team, first + n, position, n < STARTERS[position]);
    }
}

} // namespace

namespace {
const char* const FIRST_NAMES[] = {
    "Aaron",  "Brandon", "Carl",   "Derek",  "Evan",  "Frank", "Grant", "Henry",   "Isaac",  "Jordan",
    "Keith",  "Lance",   "Marcus", "Nathan", "Oscar", "Peter", "Quinn", "Russell", "Sam",    "Tyler",
    "Victor", "Wesley",  "Xavier", "Zach",   "Adam",  "Blake", "Cody",  "Dustin",  "Elliot", "Felix",
    "Glenn",  "Hugo",    "Ian",    "Jared",  "Kyle",  "Logan", "Mason", "Nolan",   "Owen",   "Preston"};
const char* const LAST_NAMES[] = {
    "Abbott",   "Barnes",   "Carver",    "Dalton",  "Easton", "Fletcher", "Garrett", "Hayes",    "Ingram",
    "Jennings", "Keller",   "Lambert",   "Mercer",  "Norris", "Osborne",  "Porter",  "Quincy",   "Ramsey",
    "Sawyer",   "Tanner",   "Underwood", "Vaughn",  "Walsh",  "Yates",    "Zimmer",  "Archer",   "Boone",
    "Crawford", "Dawson",   "Ellison",   "Foster",  "Gibson", "Holland",  "Irwin",   "Jensen",   "Knox",
    "Lowell",   "Monroe",   "Nash",      "Oakley",  "Pruitt", "Rhodes",   "Shelton", "Thornton", "Upton",
    "Vance",    "Whitaker", "York",      "Alvarez", "Benson"};
constexpr int FIRST_COUNT = sizeof FIRST_NAMES / sizeof FIRST_NAMES[0];
constexpr int LAST_COUNT = sizeof LAST_NAMES / sizeof LAST_NAMES[0];

// In alphabetical order, so sorting the teams by name (as every load does)
// keeps each team in its slot.
const char* const LOCATIONS[] = {"Akron",  "Albany", "Austin",  "Boise",   "Boston",  "Camden", "Dayton",
                                 "Denver", "Durham", "El Paso", "Eugene",  "Fargo",   "Flint",  "Fresno",
                                 "Helena", "Irvine", "Laredo",  "Lincoln", "Macon",   "Mobile", "Newark",
                                 "Ogden",  "Omaha",  "Peoria",  "Provo",   "Raleigh", "Reno",   "Salem",
                                 "Toledo", "Tucson", "Tulsa",   "Yonkers"};
const char* const NICKNAMES[] = {"Comets", "Rams", "Bears", "Hawks"};

void Build_Team(int32_t team, TEST_PLAYER_DRAWS& draws) {
    char text[32];
    Set_Team_Stat(team, TEAM_STAT_CONTROL, TEAM_CONTROL_COMPUTER);
    Set_Team_Stat(team, TEAM_STAT_DIVISION, team / 4);
    snprintf(text, sizeof text, "T%02d", team);
    Set_Team_Abbreviation(text, team);
    snprintf(text, sizeof text, "%s", LOCATIONS[team % 32]);
    Set_Team_Location(text, team);
    Set_Team_Nickname(NICKNAMES[team % 4], team);
    int32_t slot = 0;
    for (int32_t position = 0; position < NUMBER_OF_POSITIONS; ++position)
        for (int32_t n = 0; n < Get_Position_Quota(position); ++n, ++slot) {
            int32_t id = Test_League_Player_ID(team, slot);
            int32_t serial = team * TEST_ROSTER_SIZE + slot;
            Set_Player_Vital_Stat(team, slot, VITAL_PLAYER_ID, id);
            Set_Player_Vital_Stat(team, slot, VITAL_POSITION, position);
            Set_Player_Byte_Field(team, slot, PLAYER_BYTE_EXPANDED_POSITION, position);
            Set_Player_Byte_Field(team, slot, PLAYER_BYTE_UNIFORM, slot + 1);
            Set_Player_Vital_Stat(team, slot, VITAL_LOADED_MARKER, 22);
            Set_Player_Vital_Stat(team, slot, VITAL_SALARY, 600 + serial % 900);
            Set_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS, 1 + serial % 4);
            Set_Player_Vital_Stat(team, slot, VITAL_INJURY_TYPE, -1);
            Set_Player_Vital_Stat(team, slot, VITAL_DEVELOPMENT, 100);
            Set_Player_Vital_Stat(team, slot, VITAL_PEAK_AGE, 27);
            Set_Player_Vital_Stat(team, slot, VITAL_PEAK_AGE_LIMIT, 30);
            Set_Player_First_Name(team, slot, FIRST_NAMES[serial % FIRST_COUNT]);
            Set_Player_Last_Name(team, slot, LAST_NAMES[serial / FIRST_COUNT % LAST_COUNT]);
            snprintf(text, sizeof text, "EXT%05d", id);
            Set_Player_External_ID(team, slot, text);
            Set_Player_College(team, slot, "State");
            for (int32_t year = TEST_BASE_YEAR - 2; year < TEST_BASE_YEAR; ++year) {
                int32_t line = Add_Player_Season_Line(team, slot, year, team);
                Set_Season_Line_Stat(line, 0, 16);
                Set_Season_Line_Stat(line, 1, serial % 17);
            }
            Update_Player_Latest_Season_Line(team, slot);
        }
    // Ratings and bodies by position, once every player of the team is in place.
    for (int32_t position = 0; position < NUMBER_OF_POSITIONS; ++position)
        Draw_Test_Position_Group(draws, team, position, Test_League_Slot(position, 0),
                                 Get_Position_Quota(position));
    Set_Team_Returner(team, 0, Test_League_Slot(POSITION_WR, 2));
    Set_Team_Returner(team, 1, Test_League_Slot(POSITION_CB, 2));
}

// The league rates as the season cycle stores them before a season's first
// game: with no game played, their defaults.
void Store_Season_Start_League_Rates() {
    Update_League_Average_Rates();
}

void Build_From_Scratch() {
    memset(&Universe, 0, sizeof Universe);
    Reset_League_Derived_State();
    Universe.Header.Universe_Stats[GAMES_PER_SEASON] = 16;
    Universe.Header.Universe_Stats[SALARY_CAP] = 198000000;
    Universe.Header.Universe_Stats[BASE_YEAR] = TEST_BASE_YEAR;
    Universe.Header.Universe_Stats[INFLATION_FACTOR] = 1000;
    Set_User_Preference(CURRENT_SEASON_INDEX, 0);
    Set_User_Preference(CURRENT_WEEK, 0);
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team)
        Set_Team_Stat(team, TEAM_STAT_CONTROL,
                      team < TEST_LEAGUE_TEAMS ? TEAM_CONTROL_COMPUTER : TEAM_CONTROL_EMPTY);
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
            Clear_Player(team, slot);
    TEST_PLAYER_DRAWS draws = Start_Test_Player_Draws();
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        Build_Team(team, draws);
    Store_Season_Start_League_Rates();
    Count_Active_Teams();
    // What a new game gives every franchise: the built-in playbooks and a
    // league-average run/pass balance.
    Reset_All_Team_Playbooks();
    Reset_Team_Strength_Levels();
}

// What a build reads from the current folder: the season playbooks the
// franchises are given (Reset_All_Team_Playbooks). The key is a CRC of every
// file of the playbooks folder, names and contents; empty when there is none.
std::string Describe_Playbook_Folder() {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path folder = Resolve_File_Path("playbooks");
    if (!fs::is_directory(folder, error)) return {};
    std::vector<fs::path> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error))
        if (entry.is_regular_file(error)) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    uLong crc = crc32(0L, Z_NULL, 0);
    for (const fs::path& file : files) {
        const std::string name = file.filename().string();
        crc = crc32(crc, reinterpret_cast<const Bytef*>(name.c_str()), static_cast<uInt>(name.size() + 1));
        const std::string bytes = Read_File_Text(file.string());
        crc = crc32(crc, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size()));
    }
    return std::to_string(files.size()) + ":" + std::to_string(crc);
}

// The league as built, for each playbooks folder it was built beside: a
// league built in one folder is never handed out in a folder that holds
// other playbooks, so what a caller gets never depends on where an earlier
// caller stood. A few folders are kept, the oldest dropped first.
constexpr size_t KEPT_LEAGUES = 4;
std::vector<std::pair<std::string, std::unique_ptr<UNIVERSE_STATE>>> Built_Leagues;
} // namespace

int32_t Test_League_Slot(int32_t position, int32_t n) {
    int32_t slot = 0;
    for (int32_t p = 0; p < position; ++p)
        slot += Get_Position_Quota(p);
    return slot + n;
}

int32_t Test_League_Player_ID(int32_t team, int32_t slot) {
    return team * 100 + slot + 1;
}

int32_t Team_Of_Player(int32_t id) {
    int32_t team = -1, slot = -1;
    return Find_Player_By_ID(&team, &slot, id) != 0 ? team : -1;
}

void Build_Test_League() {
    const std::string playbooks = Describe_Playbook_Folder();
    const auto built = std::find_if(Built_Leagues.begin(), Built_Leagues.end(),
                                    [&playbooks](const auto& league) { return league.first == playbooks; });
    if (built == Built_Leagues.end()) {
        Build_From_Scratch();
        if (Built_Leagues.size() == KEPT_LEAGUES) Built_Leagues.erase(Built_Leagues.begin());
        // Written over whole at once: no zeroing first (a whole block, and
        // every test process builds a league).
        Built_Leagues.emplace_back(playbooks, std::make_unique_for_overwrite<UNIVERSE_STATE>());
        memcpy(Built_Leagues.back().second.get(), &Universe, sizeof Universe);
    } else {
        memcpy(&Universe, built->second.get(), sizeof Universe);
    }
    Reset_League_Derived_State();
    Count_Active_Teams();
    Build_All_Player_Hashes();
}

void Supply_Team_Records_File() {
    const std::filesystem::path file(TEAM_RECORDS_FILE);
    std::error_code failure;
    std::filesystem::create_directories(file.parent_path(), failure);
    std::ofstream(file, std::ios::binary)
        << "Year,Lg,Tm,W,L,T,Div_Finish,Playoffs,PF,PA,PD,MoV,SoS,SRS,OSRS,DSRS\n";
}
