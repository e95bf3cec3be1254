#pragma once
// The league's one random generator (MT19937 with the 1998 seeding) and the
// integer routines used to scale money, ratings and percentages exactly.
#include <cstdint>

// The uniform fraction every draw is turned into: r / (2^32 - 1), so it lies in [0, 1].
constexpr double RANDOM_FRACTION = 1.0 / 4294967295.0;

void Seed_Random_Numbers(uint32_t seed);
uint32_t Random_Number();
// Restores the 624 state words from `words` (the next draw regenerates).
void Restore_Random_State(const uint32_t* words);
// The generator's whole state, to put back exactly after drawing that must
// leave the league's sequence as it was (the screens' decoration and repairs).
constexpr int RANDOM_STATE_WORDS = 624;
struct RANDOM_STATE {
    uint32_t Words[RANDOM_STATE_WORDS];
    int32_t Index;
};
void Save_Random_State(RANDOM_STATE* state);
void Load_Random_State(const RANDOM_STATE* state);

int32_t Random_Int(int32_t n);
// One draw d scaled as floor(k * d / (2^32 - 1)): 0..k-1, and k itself only for
// the largest draw. k of 0 or below gives 0 (the draw is still taken).
int32_t Random_Below(int32_t k);
// A draw below n from one Random_Number: truncate(r / 2^32 x n), never n; 0
// for n <= 0 (the draw is still taken).
int32_t Random_Index(int32_t n);
int32_t Random_Range(int32_t lo, int32_t hi);
float Random_Float(float x);
int32_t Apply_Random_Variance(int32_t value, int32_t spread);

int32_t Mul_Div_Round(int32_t a, int32_t b, int32_t c);
int32_t Rounded_Signed_Sqrt(int32_t x);
int32_t Get_Rank_Grade_Index(int32_t rank);
int32_t Get_Value_Grade_Index(int32_t value);

inline int32_t Clamp_Int(int32_t lo, int32_t hi, int32_t x) {
    return x > hi ? (hi < lo ? lo : hi) : (x < lo ? lo : x);
}
