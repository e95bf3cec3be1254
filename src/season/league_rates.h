#pragma once
// The league's average rates, kept in the block header and refreshed from the
// season's team totals before each game day. The engine weighs runs, passes
// and completions against them.
#include <cstdint>

enum LEAGUE_RATE : int32_t {
    LEAGUE_RATE_YARDS_PER_RUSH = 0,      // yards per 100 rushes
    LEAGUE_RATE_COMPLETION = 1,          // completions per mille
    LEAGUE_RATE_YARDS_PER_COMPLETION = 2, // yards per 100 completions
    LEAGUE_RATE_PLAY_RATIO = 3,          // passing yards per 1,000 rushing yards
    NUMBER_OF_LEAGUE_RATES = 4,
};

// The default of each rate: 420, 625, 1120, 2350.
int32_t Get_Default_League_Rate(int32_t n);
// The stored rate n; a rate not yet kept (0 or less, as in a fresh league)
// reads as its default, so nothing divides by it unset.
int32_t Get_League_Rate(int32_t n);
// Resets the four rates to their defaults, then, once games have been played,
// sets each from the league totals of the current season.
void Update_League_Average_Rates();
