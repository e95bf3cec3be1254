#include "database/random_numbers.h"

#include <cmath>

#include "database/league_structure.h"
#include "platform/drawing_surface.h"

RANDOM_NUMBER_STATE Random_Number_State = {{}, 625, 0};

namespace {
constexpr int STATE_WORDS = RANDOM_STATE_WORDS;
constexpr int MIDDLE_DISTANCE = 397;
constexpr int NEVER_SEEDED = 625;
constexpr uint32_t UPPER_MASK = 0x80000000u;
constexpr uint32_t LOWER_MASK = 0x7FFFFFFFu;
constexpr uint32_t MATRIX[2] = {0u, 0x9908B0DFu};

uint32_t (&state_words)[STATE_WORDS] = Random_Number_State.Words;
int32_t& state_index = Random_Number_State.Index;

// Word k becomes word k + 397 (wrapping round, so the words past the end
// are the ones already made anew) mixed with words k and k + 1.
void Regenerate_State() {
    auto next = [](uint32_t word, uint32_t following, uint32_t far) {
        const uint32_t y = (word & UPPER_MASK) | (following & LOWER_MASK);
        return far ^ (y >> 1) ^ MATRIX[y & 1u];
    };
    int k = 0;
    for (; k < STATE_WORDS - MIDDLE_DISTANCE; ++k)
        state_words[k] = next(state_words[k], state_words[k + 1], state_words[k + MIDDLE_DISTANCE]);
    for (; k < STATE_WORDS - 1; ++k)
        state_words[k] =
            next(state_words[k], state_words[k + 1], state_words[k + MIDDLE_DISTANCE - STATE_WORDS]);
    state_words[k] = next(state_words[k], state_words[0], state_words[MIDDLE_DISTANCE - 1]);
    state_index = 0;
}

double Random_Fraction() {
    return static_cast<double>(Random_Number()) * RANDOM_FRACTION;
}
} // namespace

void Seed_Random_Numbers(uint32_t seed) {
    for (int i = 0; i < STATE_WORDS; ++i) {
        uint32_t word = seed & 0xFFFF0000u;
        seed = 69069u * seed + 1u;
        word |= seed >> 16;
        seed = 69069u * seed + 1u;
        state_words[i] = word;
    }
    state_index = STATE_WORDS;
}

void Restore_Random_State(const uint32_t* words) {
    for (int i = 0; i < STATE_WORDS; ++i)
        state_words[i] = words[i];
    state_index = STATE_WORDS;
}

void Skip_Random_Numbers(uint64_t count) {
    while (count > 0) {
        if (state_index >= STATE_WORDS) {
            if (state_index == NEVER_SEEDED) Seed_Random_Numbers(4357);
            Regenerate_State();
        }
        const uint64_t left = static_cast<uint64_t>(STATE_WORDS - state_index);
        const uint64_t taken = count < left ? count : left;
        state_index += static_cast<int32_t>(taken);
        Random_Number_State.Draws += taken;
        count -= taken;
    }
}

void Save_Random_State(RANDOM_STATE* state) {
    for (int i = 0; i < STATE_WORDS; ++i)
        state->Words[i] = state_words[i];
    state->Index = state_index;
}

void Load_Random_State(const RANDOM_STATE* state) {
    for (int i = 0; i < STATE_WORDS; ++i)
        state_words[i] = state->Words[i];
    state_index = state->Index;
}

uint32_t Random_Number_From_New_State() {
    if (state_index == NEVER_SEEDED) Seed_Random_Numbers(4357);
    Regenerate_State();
    return Random_Number();
}

int32_t Random_Below(int32_t k) {
    const uint64_t draw = Random_Number();
    if (k <= 0) return 0;
    return static_cast<int32_t>(static_cast<uint64_t>(k) * draw / 4294967295ull);
}

int32_t Random_Index(int32_t n) {
    const uint64_t draw = Random_Number();
    if (n <= 0) return 0;
    return static_cast<int32_t>((draw * static_cast<uint64_t>(n)) >> 32);
}

int32_t Random_Range(int32_t lo, int32_t hi) {
    int32_t width = static_cast<int32_t>(static_cast<uint32_t>(hi) - static_cast<uint32_t>(lo) + 1u);
    int32_t offset = static_cast<int32_t>(Random_Fraction() * width);
    if (width > 0 && offset >= width) offset = width - 1;
    return lo + offset;
}

float Random_Float(float x) {
    float result = static_cast<float>(Random_Fraction() * x);
    return result > 0.0f ? result : 0.0f;
}

int32_t Apply_Random_Variance(int32_t value, int32_t spread) {
    int32_t factor = 1000;
    for (int i = 0; i < 2; ++i) {
        int32_t f = static_cast<int32_t>(Random_Fraction() * (2 * spread)) - spread + 1000;
        factor = Mul_Div_Round(f, factor, 1000);
    }
    return Mul_Div_Round(factor, value, 1000);
}

int32_t Random_Bool() {
    return static_cast<int32_t>(Random_Number() >> 31);
}

float Apply_Random_Variance_Float(float x, float spread) {
    float factor = 1.0f;
    for (int i = 0; i < 2; ++i)
        factor *= static_cast<float>(1.0 + Random_Fraction() * (2.0 * spread) - spread);
    return x * factor;
}

int32_t Rounded_Signed_Sqrt(int32_t x) {
    x = Clamp_Int(-1000000000, 1000000000, x);
    if (x >= 0) return static_cast<int32_t>(std::sqrt(static_cast<double>(x)) + 0.5);
    return -static_cast<int32_t>(std::sqrt(static_cast<double>(-x)) + 0.5);
}

int32_t Get_Rank_Grade_Index(int32_t rank) {
    int32_t teams = Count_Active_Teams();
    if (teams == 0) return Clamp_Int(0, 13, 7);
    int32_t spread = teams - 2 * rank - 1;
    return Clamp_Int(0, 13, 7 + Mul_Div_Round(6, spread, teams));
}

int32_t Get_Value_Grade_Index(int32_t value) {
    return Clamp_Int(0, 12, (value + 29) / 59 - 9);
}

int32_t Min_Int(int32_t a, int32_t b) {
    return a < b ? a : b;
}

int32_t Max_Int(int32_t a, int32_t b) {
    return a > b ? a : b;
}

float Min_Float(float a, float b) {
    return a < b ? a : b;
}

double Min_Double(double a, double b) {
    return a < b ? a : b;
}

void Swap_Ints(int32_t* a, int32_t* b) {
    if (a == nullptr || b == nullptr) return;
    const int32_t held = *a;
    *a = *b;
    *b = held;
}

int32_t Percent_Of(int32_t a, int32_t b) {
    return Mul_Div_Round(a, b, 100);
}

void Toggle_Flag_Bit(int32_t* flag) {
    if (flag != nullptr) *flag ^= 1;
}

float Signed_Sqrt_Float(float x) {
    return x < 0.0f ? -std::sqrt(-x) : std::sqrt(x);
}

int32_t Integer_Log(int32_t value, int32_t base) {
    if (base < 2) return 0;
    int32_t power = 0;
    for (; value >= base; value /= base)
        ++power;
    return power;
}

// The remainder is taken as the floor of the division would leave it, so a
// negative value also rounds to its nearest multiple (-8 to -10 for m = 5,
// not to -5); the sums are formed in 64 bits.
int32_t Round_To_Multiple(int32_t value, int32_t m) {
    if (m <= 0) return value;
    const int64_t shifted = static_cast<int64_t>(value) + m / 2;
    const int64_t remainder = ((shifted % m) + m) % m;
    int64_t result = shifted - remainder;
    if (result > INT32_MAX) result -= m;
    return static_cast<int32_t>(result);
}

int32_t Round_Down_To_Multiple(int32_t value, int32_t m) {
    if (m <= 0) return value;
    return value - value % m;
}

int32_t Get_Value_From_Grade_Index(int32_t index) {
    return static_cast<int32_t>(static_cast<int64_t>(index) * 59 + 587);
}

int32_t Get_Rank_From_Grade_Index(int32_t index) {
    return static_cast<int32_t>((static_cast<int64_t>(index) + 8) * 100);
}

int32_t Get_Five_Step_Grade(int32_t value) {
    const int64_t grade = (static_cast<int64_t>(value) + 50) / 100 - 8;
    return static_cast<int32_t>(grade < 0 ? 0 : grade > 4 ? 4 : grade);
}

int32_t Is_Rect_Inside_Rect(const RECT_AREA& inner, const RECT_AREA& outer) {
    return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right &&
           inner.Bottom <= outer.Bottom;
}

int32_t Do_Rects_Overlap(const RECT_AREA& a, const RECT_AREA& b) {
    return a.Left <= b.Right && b.Left <= a.Right && a.Top <= b.Bottom && b.Top <= a.Bottom;
}
