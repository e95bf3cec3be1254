#pragma once
// The league's one random generator (MT19937 with the 1998 seeding) and the
// integer routines used to scale money, ratings and percentages exactly.
#include <cstdint>

struct RECT_AREA;

// The uniform fraction every draw is turned into: r / (2^32 - 1), so it lies in [0, 1].
constexpr double RANDOM_FRACTION = 1.0 / 4294967295.0;

void Seed_Random_Numbers(uint32_t seed);

// The generator's state: the 624 words, the next one to draw (624 when they
// are to be made anew, 625 before the first seeding) and the draws so far.
constexpr int RANDOM_STATE_WORDS = 624;
struct RANDOM_NUMBER_STATE {
    uint32_t Words[RANDOM_STATE_WORDS];
    int32_t Index;
    uint64_t Draws;
};
extern RANDOM_NUMBER_STATE Random_Number_State;
// A draw when the words are used up: they are made anew (seeded first if
// they never were).
uint32_t Random_Number_From_New_State();

// The next draw, tempered. Inline: the games draw thousands.
inline uint32_t Random_Number() {
    RANDOM_NUMBER_STATE& state = Random_Number_State;
    if (state.Index >= RANDOM_STATE_WORDS) return Random_Number_From_New_State();
    ++state.Draws;
    uint32_t y = state.Words[state.Index++];
    y ^= y >> 11;
    y ^= (y << 7) & 0x9D2C5680u;
    y ^= (y << 15) & 0xEFC60000u;
    y ^= y >> 18;
    return y;
}

// Moves the sequence on as `count` draws would, without working them out.
void Skip_Random_Numbers(uint64_t count);

// Numbers drawn since the program started: a computation that leaves the
// count unchanged drew nothing, so it can be repeated without moving the
// sequence.
inline uint64_t Get_Random_Draw_Count() {
    return Random_Number_State.Draws;
}
// Restores the 624 state words from `words` (the next draw regenerates).
void Restore_Random_State(const uint32_t* words);
// The generator's whole state, to put back exactly after drawing that must
// leave the league's sequence as it was (the screens' decoration and repairs).
// The count of draws goes on: what was drawn in between still counts.
struct RANDOM_STATE {
    uint32_t Words[RANDOM_STATE_WORDS];
    int32_t Index;
};
void Save_Random_State(RANDOM_STATE* state);
void Load_Random_State(const RANDOM_STATE* state);

// A draw below n: truncate(r / (2^32 - 1) x n), the single top draw kept
// below n so that every result can be an index or a count below n.
inline int32_t Random_Int(int32_t n) {
    int32_t result = static_cast<int32_t>(static_cast<double>(Random_Number()) * RANDOM_FRACTION * n);
    if (n > 0 && result >= n) result = n - 1;
    return result;
}
// One draw d scaled as floor(k * d / (2^32 - 1)): 0..k-1, and k itself only for
// the largest draw. k of 0 or below gives 0 (the draw is still taken).
int32_t Random_Below(int32_t k);
// A draw below n from one Random_Number: truncate(r / 2^32 x n), never n; 0
// for n <= 0 (the draw is still taken).
int32_t Random_Index(int32_t n);
int32_t Random_Range(int32_t lo, int32_t hi);
float Random_Float(float x);
int32_t Apply_Random_Variance(int32_t value, int32_t spread);
// 0 or 1: the top bit of one draw.
int32_t Random_Bool();
// x scaled by two factors 1 + u * 2s - s, one draw each, in single precision.
float Apply_Random_Variance_Float(float x, float spread);

// The value clamped into the int32 range.
inline int32_t Clamp_To_Int32(int64_t value) {
    return value > INT32_MAX ? INT32_MAX : value < INT32_MIN ? INT32_MIN : static_cast<int32_t>(value);
}

// a * b / c with a 64-bit product, rounded to nearest with halves away from
// zero; 0 when a or c is 0. Inline: the engine rounds with it at every snap.
inline int32_t Mul_Div_Round(int32_t a, int32_t b, int32_t c) {
    if (a == 0 || c == 0) return 0;
    int64_t product = static_cast<int64_t>(a) * b;
    bool negative = (product < 0) != (c < 0);
    uint64_t magnitude = product < 0 ? static_cast<uint64_t>(-product) : static_cast<uint64_t>(product);
    uint64_t divisor = c < 0 ? static_cast<uint64_t>(-static_cast<int64_t>(c)) : static_cast<uint64_t>(c);
    uint64_t quotient = (magnitude + divisor / 2) / divisor;
    int64_t result = negative ? -static_cast<int64_t>(quotient) : static_cast<int64_t>(quotient);
    return static_cast<int32_t>(result);
}
int32_t Rounded_Signed_Sqrt(int32_t x);
int32_t Get_Rank_Grade_Index(int32_t rank);
int32_t Get_Value_Grade_Index(int32_t value);

inline int32_t Clamp_Int(int32_t lo, int32_t hi, int32_t x) {
    return x > hi ? (hi < lo ? lo : hi) : (x < lo ? lo : x);
}

int32_t Min_Int(int32_t a, int32_t b);
int32_t Max_Int(int32_t a, int32_t b);
float Min_Float(float a, float b);
double Min_Double(double a, double b);
void Swap_Ints(int32_t* a, int32_t* b);
// a * b / 100, rounded as Mul_Div_Round rounds.
int32_t Percent_Of(int32_t a, int32_t b);
// Flips the low bit of the flag word.
void Toggle_Flag_Bit(int32_t* flag);
// The square root of |x| with the sign of x.
float Signed_Sqrt_Float(float x);
// How many times `base` divides into `value` before it drops below it: 0
// below the base, and for a base below 2 (which would never stop).
int32_t Integer_Log(int32_t value, int32_t base);
// `value` to the nearest multiple of m (halves upward), and toward zero to a
// multiple of m; a multiple m of 0 or below leaves the value as it is.
int32_t Round_To_Multiple(int32_t value, int32_t m);
int32_t Round_Down_To_Multiple(int32_t value, int32_t m);
// Values standing for the grade indices: index * 59 + 587 on the value
// scale, (index + 8) * 100 on the rank scale, and a grade 0-4 of a value in
// steps of 100.
int32_t Get_Value_From_Grade_Index(int32_t index);
int32_t Get_Rank_From_Grade_Index(int32_t index);
int32_t Get_Five_Step_Grade(int32_t value);

// Rectangles as left, top, right, bottom with every edge inside: whether
// `inner` lies within `outer`, and whether two share at least one point.
int32_t Is_Rect_Inside_Rect(const RECT_AREA& inner, const RECT_AREA& outer);
int32_t Do_Rects_Overlap(const RECT_AREA& a, const RECT_AREA& b);
