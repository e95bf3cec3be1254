#include "database/random_numbers.h"

#include <cmath>

#include "database/league_structure.h"

namespace {
constexpr int STATE_WORDS = RANDOM_STATE_WORDS;
constexpr int MIDDLE_DISTANCE = 397;
constexpr int NEVER_SEEDED = 625;
constexpr uint32_t UPPER_MASK = 0x80000000u;
constexpr uint32_t LOWER_MASK = 0x7FFFFFFFu;
constexpr uint32_t MATRIX[2] = {0u, 0x9908B0DFu};

uint32_t state_words[STATE_WORDS];
int32_t state_index = NEVER_SEEDED;

void Regenerate_State() {
    for (int k = 0; k < STATE_WORDS; ++k) {
        uint32_t y = (state_words[k] & UPPER_MASK) | (state_words[(k + 1) % STATE_WORDS] & LOWER_MASK);
        state_words[k] = state_words[(k + MIDDLE_DISTANCE) % STATE_WORDS] ^ (y >> 1) ^ MATRIX[y & 1u];
    }
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

uint32_t Random_Number() {
    if (state_index >= STATE_WORDS) {
        if (state_index == NEVER_SEEDED) Seed_Random_Numbers(4357);
        Regenerate_State();
    }
    uint32_t y = state_words[state_index++];
    y ^= y >> 11;
    y ^= (y << 7) & 0x9D2C5680u;
    y ^= (y << 15) & 0xEFC60000u;
    y ^= y >> 18;
    return y;
}

// The single top draw makes the fraction exactly 1; it is kept below n so that
// callers can use every result as an index or a count below n.
int32_t Random_Int(int32_t n) {
    int32_t result = static_cast<int32_t>(Random_Fraction() * n);
    if (n > 0 && result >= n) result = n - 1;
    return result;
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

int32_t Mul_Div_Round(int32_t a, int32_t b, int32_t c) {
    if (a == 0 || c == 0) return 0;
    int64_t product = static_cast<int64_t>(a) * b;
    bool negative = (product < 0) != (c < 0);
    uint64_t magnitude = product < 0 ? static_cast<uint64_t>(-product) : static_cast<uint64_t>(product);
    uint64_t divisor = c < 0 ? static_cast<uint64_t>(-static_cast<int64_t>(c)) : static_cast<uint64_t>(c);
    uint64_t quotient = (magnitude + divisor / 2) / divisor;
    int64_t result = negative ? -static_cast<int64_t>(quotient) : static_cast<int64_t>(quotient);
    return static_cast<int32_t>(result);
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
