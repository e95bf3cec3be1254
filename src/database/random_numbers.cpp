#include "database/random_numbers.h"

#include <cmath>

#include "database/league_structure.h"

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
