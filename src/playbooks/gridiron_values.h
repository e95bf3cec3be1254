#pragma once
// The card game's figures of a player: his ratings in the eleven card
// categories (statistics 400-410), his card value (412) and his card salary
// in millions (411). Reading them changes nothing in the league.
#include <cstdint>

constexpr int32_t GRIDIRON_FIRST_CATEGORY = 400;
constexpr int32_t GRIDIRON_CATEGORIES = 11; // 400-410
constexpr int32_t GRIDIRON_SALARY_STAT = 411;
constexpr int32_t GRIDIRON_VALUE_STAT = 412;
// Category statistics.
constexpr int32_t CARD_PASS_BLOCKING = 400;
constexpr int32_t CARD_RUN_BLOCKING = 401;
constexpr int32_t CARD_RUSHING = 402;
constexpr int32_t CARD_GOAL_LINE = 403;
constexpr int32_t CARD_RECEIVING = 404;
constexpr int32_t CARD_PASSING = 405;
constexpr int32_t CARD_RED_ZONE = 406;
constexpr int32_t CARD_RUN_DEFENSE = 407;
constexpr int32_t CARD_PASS_RUSH = 408;
constexpr int32_t CARD_COVERAGE = 409;
constexpr int32_t CARD_TACKLING = 410;
// The value formula's inputs: 0 at the league's replacement level, 20 at its
// median starter, rising linearly above and held at 50.
constexpr int32_t GRIDIRON_STARTER_INPUT = 20;
constexpr int32_t GRIDIRON_INPUT_CAP = 50;

// "Pass Blocking" .. "Tackling" for 400-410, "Salary", "Value"; else "".
const char* Get_Gridiron_Category_Name(int32_t stat);

// The card rating of statistic 400-410 (0 for another number or an empty slot).
int32_t Get_Gridiron_Player_Rating(int32_t team, int32_t slot, int32_t category);
int32_t Get_Gridiron_Player_Value(int32_t team, int32_t slot);
int32_t Get_Gridiron_Player_Salary(int32_t team, int32_t slot);

// Where the league's players stand in each category: the rating of its
// replacement level (the typical bench player: the middle one of those past
// the league's starters) and of its median starter, from the franchises in use.
struct GRIDIRON_LEVELS {
    float Replacement[GRIDIRON_CATEGORIES];
    float Median[GRIDIRON_CATEGORIES];
};
void Compute_Gridiron_Levels(GRIDIRON_LEVELS* levels);
// A card rating reduced to the value formula's input.
int32_t Reduce_Gridiron_Rating(const GRIDIRON_LEVELS& levels, int32_t category, int32_t rating);
// The card value of a player of `position` from his eleven inputs (PB, RB,
// RU, GL, RC, PA, RZ, RD, PR, CV, TK), in 64-bit arithmetic throughout.
int32_t Compute_Gridiron_Value(int32_t position, const int32_t inputs[GRIDIRON_CATEGORIES]);
int32_t Get_Gridiron_Player_Value(int32_t team, int32_t slot, const GRIDIRON_LEVELS& levels);
// The card salary of a value at a position; the player in slot 0 of his team
// is paid at least 2.
int32_t Get_Gridiron_Salary_For_Value(int32_t value, int32_t position, int32_t slot);
