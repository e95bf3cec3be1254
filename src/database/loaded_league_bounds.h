#pragma once
// The ranges the values of a loaded league are held to. A file may hold any
// bytes; the first step after reading brings every field the game computes
// with into the range the game itself can produce, so that no later code has
// to distrust a loaded league. A value already in its range is never touched:
// a file the game wrote loads byte for byte as it was saved, but for the flag
// of an advance in progress, which a league just loaded never is.
#include <cstdint>

// The largest seat grade of a stadium (the stadium editor's grades run from
// 800 to 1,200) and the largest fan loyalty of a team (kept near 700-1,300):
// a built league's teams file may give no more.
constexpr int32_t MOST_SEAT_GRADE = 10000;
constexpr int32_t MOST_FAN_LOYALTY = 10000;
// The least salary cap a league has when it has one, in dollars.
constexpr int32_t LEAST_SALARY_CAP = 1000000;
// The longest contract a player's record holds, in years.
constexpr int32_t MOST_CONTRACT_YEARS = 20;

// One bounded integer field of a table: entry `Index` lies in [Lowest,
// Highest], or is 0 when 0 stands for none (`Zero_Kept`).
struct FIELD_RANGE {
    int32_t Index;
    int32_t Lowest;
    int32_t Highest;
    bool Zero_Kept = false;
};

// Brings every bounded field of the league in the block into its range:
// the header's league settings, the named settings, every player's vital
// statistics and ratings, and the terminators of the texts of the records.
void Bound_Loaded_League();

// The range of vital statistic `stat` of a player record; false for a vital
// statistic that holds any value (an id, a date, a code).
bool Get_Vital_Stat_Range(int32_t stat, FIELD_RANGE* range);
// The range of league setting `stat` of the header (universe stats); false
// for one that holds any value.
bool Get_Universe_Stat_Range(int32_t stat, FIELD_RANGE* range);
// The range of a player's figure of stored season `season` (a career's is a
// whole career of seasons) or of a season line (any other season).
FIELD_RANGE Get_Player_Figure_Range(int32_t season);

// A stored rating brought into its range: not a number becomes the rating's
// baseline, and a value beyond the ratings' bounds the nearest bound.
float Bound_Loaded_Rating(float value, int32_t rating);
