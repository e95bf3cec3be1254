#pragma once
// The rating profiles by position that new players are drawn around.
#include <cstdint>

// rating = Base + talent[Talent_A] / Divisor_A + talent[Talent_B] / Divisor_B
// + rnd(Random); a negative divisor subtracts (the division truncates toward
// zero either way); a talent of NO_TALENT adds nothing; Random 0 takes no draw.
struct RATING_FORMULA {
    int8_t Rating;
    int8_t Base;
    int8_t Talent_A;
    int8_t Divisor_A;
    int8_t Talent_B;
    int8_t Divisor_B;
    int8_t Random;
};

constexpr int8_t NO_TALENT = -1;
constexpr int32_t MAX_PROFILE_FORMULAS = 15;

struct RATING_PROFILE {
    int32_t Count;
    RATING_FORMULA Formulas[MAX_PROFILE_FORMULAS];
};

// By basic position QB..P, in the order the ratings are drawn.
extern const RATING_PROFILE RATING_PROFILES[15];
