#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <sstream>
#include <vector>

#include "database/random_numbers.h"
#include "database/universe.h"
#include "platform/drawing_surface.h"

namespace {
// The 1998 seeding, written out independently of the generator under test.
std::vector<uint32_t> Seeding_Words(uint32_t seed) {
    std::vector<uint32_t> words(624);
    for (uint32_t& word : words) {
        uint32_t high = seed & 0xFFFF0000u;
        seed = 69069u * seed + 1u;
        word = high | (seed >> 16);
        seed = 69069u * seed + 1u;
    }
    return words;
}

// A standard engine brought to the state the seeding leaves: the words, then
// the index 624 so its next draw regenerates first.
std::mt19937 Reference_Engine(uint32_t seed) {
    std::stringstream state;
    for (uint32_t word : Seeding_Words(seed))
        state << word << ' ';
    state << 624;
    std::mt19937 engine;
    state >> engine;
    return engine;
}

uint32_t Untemper(uint32_t y) {
    uint32_t x = y;
    for (int i = 0; i < 3; ++i)
        x = y ^ (x >> 18);
    y = x;
    for (int i = 0; i < 3; ++i)
        x = y ^ ((x << 15) & 0xEFC60000u);
    y = x;
    for (int i = 0; i < 6; ++i)
        x = y ^ ((x << 7) & 0x9D2C5680u);
    y = x;
    for (int i = 0; i < 4; ++i)
        x = y ^ (x >> 11);
    return x;
}

// A state whose first draw after regeneration is the top value 0xFFFFFFFF:
// with words 0 and 1 zero, the new word 0 is word 397 unchanged.
void Restore_State_Yielding_Top_Draw() {
    std::vector<uint32_t> words(624, 0u);
    words[397] = Untemper(0xFFFFFFFFu);
    Restore_Random_State(words.data());
}

// Drawn during static initialisation, before any test can seed the generator.
const std::vector<uint32_t> first_unseeded_draws = [] {
    std::vector<uint32_t> draws;
    for (int i = 0; i < 700; ++i)
        draws.push_back(Random_Number());
    return draws;
}();

void Set_Active_Teams(int count) {
    for (int team = 0; team < MAX_FRANCHISES; ++team)
        Universe.Teams[team].Team_Stats[2] = team < count ? 0 : -1;
}
} // namespace

TEST(RandomNumbers, MatchesStandardEngineFromTheSameSeedingAcrossRegenerations) {
    for (uint32_t seed : {4357u, 12345u, 0u, 0xDEADBEEFu}) {
        Seed_Random_Numbers(seed);
        std::mt19937 reference = Reference_Engine(seed);
        for (int draw = 0; draw < 5000; ++draw) {
            ASSERT_EQ(Random_Number(), reference()) << "seed " << seed << ", draw " << draw;
        }
    }
}

TEST(RandomNumbers, DrawsFollowTheUniformFraction) {
    Seed_Random_Numbers(99);
    std::mt19937 reference = Reference_Engine(99);
    for (int draw = 0; draw < 2000; ++draw) {
        double fraction = static_cast<double>(reference()) * RANDOM_FRACTION;
        switch (draw % 4) {
        case 0:
            ASSERT_EQ(Random_Int(37), static_cast<int32_t>(fraction * 37)) << "draw " << draw;
            break;
        case 1:
            ASSERT_EQ(Random_Range(-5, 12), -5 + static_cast<int32_t>(fraction * 18)) << "draw " << draw;
            break;
        case 2:
            ASSERT_EQ(Random_Float(3.5f), static_cast<float>(fraction * 3.5f)) << "draw " << draw;
            break;
        default:
            ASSERT_EQ(Random_Number(), static_cast<uint32_t>(fraction * 4294967295.0 + 0.5))
                << "draw " << draw;
        }
    }
}

TEST(RandomNumbers, SmallAndDegenerateRangesStayInBounds) {
    Seed_Random_Numbers(7);
    for (int draw = 0; draw < 1000; ++draw) {
        ASSERT_EQ(Random_Int(1), 0);
        ASSERT_EQ(Random_Int(0), 0);
        ASSERT_EQ(Random_Range(5, 5), 5);
        ASSERT_LE(Random_Range(10, 3), 10) << "a reversed range gives values at or below lo";
        ASSERT_EQ(Random_Float(-2.0f), 0.0f);
        ASSERT_EQ(Random_Float(0.0f), 0.0f);
        float f = Random_Float(1.0f);
        ASSERT_GE(f, 0.0f);
        ASSERT_LE(f, 1.0f);
    }
}

TEST(RandomNumbers, TopDrawIsKeptBelowTheCount) {
    Restore_State_Yielding_Top_Draw();
    ASSERT_EQ(Random_Number(), 0xFFFFFFFFu) << "the constructed state must yield the top draw";

    Restore_State_Yielding_Top_Draw();
    EXPECT_EQ(Random_Int(10), 9);
    Restore_State_Yielding_Top_Draw();
    EXPECT_EQ(Random_Int(1), 0);
    Restore_State_Yielding_Top_Draw();
    EXPECT_EQ(Random_Range(3, 8), 8);
    Restore_State_Yielding_Top_Draw();
    EXPECT_EQ(Random_Float(2.5f), 2.5f) << "the float draw may reach its top";
}

TEST(RandomNumbers, NeverSeededGeneratorStartsLikeSeed4357) {
    std::mt19937 reference = Reference_Engine(4357);
    for (size_t draw = 0; draw < first_unseeded_draws.size(); ++draw)
        EXPECT_EQ(first_unseeded_draws[draw], reference()) << "draw " << draw;
}

TEST(RandomNumbers, ApplyRandomVarianceStaysWithinTheSpread) {
    Seed_Random_Numbers(3);
    for (int draw = 0; draw < 200; ++draw) {
        ASSERT_EQ(Apply_Random_Variance(1234, 0), 1234);
        ASSERT_EQ(Apply_Random_Variance(-77, 0), -77);
    }
    for (int draw = 0; draw < 1000; ++draw) {
        int32_t v = Apply_Random_Variance(10000, 100);
        // Two factors of 900..1100 multiply to 810..1210 thousandths.
        ASSERT_GE(v, 8100);
        ASSERT_LE(v, 12100);
    }
}

TEST(IntegerMaths, MulDivRoundRoundsHalvesAwayFromZero) {
    EXPECT_EQ(Mul_Div_Round(3, 5, 2), 8);
    EXPECT_EQ(Mul_Div_Round(-3, 5, 2), -8);
    EXPECT_EQ(Mul_Div_Round(3, 5, -2), -8);
    EXPECT_EQ(Mul_Div_Round(-3, -5, -2), -8);
    EXPECT_EQ(Mul_Div_Round(7, 1, 3), 2);
    EXPECT_EQ(Mul_Div_Round(-2, 1, 5), 0) << "-0.4 rounds to 0";
    EXPECT_EQ(Mul_Div_Round(2000000000, 3, 4), 1500000000) << "the product must not overflow";
    EXPECT_EQ(Mul_Div_Round(12, 34, 0), 0);
    EXPECT_EQ(Mul_Div_Round(0, 34, 5), 0);
    EXPECT_EQ(Mul_Div_Round(INT32_MIN, 1, 1), INT32_MIN);
}

TEST(IntegerMaths, RoundedSignedSqrt) {
    EXPECT_EQ(Rounded_Signed_Sqrt(-10), -3);
    EXPECT_EQ(Rounded_Signed_Sqrt(12), 3);
    EXPECT_EQ(Rounded_Signed_Sqrt(13), 4);
    EXPECT_EQ(Rounded_Signed_Sqrt(0), 0);
    EXPECT_EQ(Rounded_Signed_Sqrt(2000000000), 31623);
    EXPECT_EQ(Rounded_Signed_Sqrt(INT32_MIN), -31623);
}

TEST(IntegerMaths, GradeIndices) {
    Set_Active_Teams(32);
    EXPECT_EQ(Get_Rank_Grade_Index(0), 13);
    EXPECT_EQ(Get_Rank_Grade_Index(31), 1);
    EXPECT_EQ(Get_Rank_Grade_Index(16), 7) << "-6/32 rounds to 0";
    EXPECT_EQ(Get_Rank_Grade_Index(15), 7) << "6/32 rounds to 0";
    EXPECT_EQ(Get_Rank_Grade_Index(100), 0) << "clamped below";
    EXPECT_EQ(Get_Rank_Grade_Index(-100), 13) << "clamped above";
    Set_Active_Teams(0);
    EXPECT_EQ(Get_Rank_Grade_Index(0), 7) << "no active team";
    Set_Active_Teams(0);

    EXPECT_EQ(Get_Value_Grade_Index(0), 0);
    EXPECT_EQ(Get_Value_Grade_Index(560), 0);
    EXPECT_EQ(Get_Value_Grade_Index(561), 1);
    EXPECT_EQ(Get_Value_Grade_Index(1000), 8);
    EXPECT_EQ(Get_Value_Grade_Index(5000), 12);
    EXPECT_EQ(Get_Value_Grade_Index(-5000), 0);
}

// Skipping draws moves the sequence on exactly as drawing them does, across
// regenerations and from a generator never seeded.
TEST(RandomNumbers, SkippingDrawsMovesTheSequenceAsDrawingThem) {
    for (uint64_t count : {0ull, 1ull, 623ull, 624ull, 625ull, 11000ull}) {
        Seed_Random_Numbers(31);
        for (int i = 0; i < 100; ++i)
            Random_Number();
        for (uint64_t i = 0; i < count; ++i)
            Random_Number();
        const uint32_t drawn_next = Random_Number();
        Seed_Random_Numbers(31);
        for (int i = 0; i < 100; ++i)
            Random_Number();
        const uint64_t skipped_from = Get_Random_Draw_Count();
        Skip_Random_Numbers(count);
        EXPECT_EQ(Get_Random_Draw_Count() - skipped_from, count) << count;
        EXPECT_EQ(Random_Number(), drawn_next) << count;
    }
}

TEST(RandomNumbers, BoolAndFloatVarianceTakeTheirDrawsInOrder) {
    Seed_Random_Numbers(2024);
    std::mt19937 reference = Reference_Engine(2024);
    for (int draw = 0; draw < 200; ++draw) {
        ASSERT_EQ(Random_Bool(), static_cast<int32_t>(reference() >> 31)) << "the top bit, draw " << draw;
        const float first = static_cast<float>(1.0 + reference() * RANDOM_FRACTION * 0.4f - 0.2f);
        const float second = static_cast<float>(1.0 + reference() * RANDOM_FRACTION * 0.4f - 0.2f);
        ASSERT_EQ(Apply_Random_Variance_Float(250.0f, 0.2f), 250.0f * (1.0f * first * second)) << draw;
    }
}

TEST(IntegerMaths, SmallRoutinesAtTheirEdges) {
    EXPECT_EQ(Min_Int(-3, 2) * 10 + Max_Int(-3, 2), -28);
    EXPECT_EQ(Min_Float(1.5f, -0.5f), -0.5f);
    EXPECT_EQ(Min_Double(2.0, 2.5), 2.0);
    int32_t a = 4, b = -9, flag = 6;
    Swap_Ints(&a, &b);
    Toggle_Flag_Bit(&flag);
    EXPECT_TRUE(a == -9 && b == 4 && flag == 7);
    EXPECT_FLOAT_EQ(Signed_Sqrt_Float(-16.0f), -4.0f);
    EXPECT_EQ(Percent_Of(-15, 50), -8) << "-7.5 rounds away from zero, as Mul_Div_Round rounds";
    EXPECT_EQ(Percent_Of(2000000000, 50), 1000000000) << "the product must not overflow";
    EXPECT_EQ(Integer_Log(1000, 10), 3);
    EXPECT_EQ(Integer_Log(999, 10), 2);
    EXPECT_EQ(Integer_Log(9, 10), 0) << "below the base";
    EXPECT_EQ(Integer_Log(50, 1), 0) << "a base of 1 would never stop";

    EXPECT_EQ(Round_To_Multiple(15, 10), 20) << "a half rounds upward";
    EXPECT_EQ(Round_To_Multiple(-8, 5), -10) << "a negative value to its nearest multiple";
    EXPECT_EQ(Round_To_Multiple(-15, 10), -10);
    EXPECT_EQ(Round_To_Multiple(7, 0), 7) << "no multiple leaves the value";
    EXPECT_EQ(Round_To_Multiple(INT32_MAX, 10), 2147483640) << "the multiple above would not fit";
    EXPECT_EQ(Round_Down_To_Multiple(-19, 5), -15) << "toward zero";
    EXPECT_EQ(Round_Down_To_Multiple(7, 0), 7);

    EXPECT_EQ(Get_Value_From_Grade_Index(2), 705);
    EXPECT_EQ(Get_Rank_From_Grade_Index(13), 2100);
    EXPECT_EQ(Get_Five_Step_Grade(849), 0) << "(849 + 50) / 100 - 8";
    EXPECT_EQ(Get_Five_Step_Grade(1149), 3);
    EXPECT_EQ(Get_Five_Step_Grade(INT32_MAX), 4) << "clamped above";
}

TEST(IntegerMaths, RectanglesCountTheirEdgesAsInside) {
    const RECT_AREA outer{10, 20, 110, 220};
    EXPECT_TRUE(Is_Rect_Inside_Rect(outer, outer));
    EXPECT_FALSE(Is_Rect_Inside_Rect({9, 20, 50, 220}, outer));
    EXPECT_FALSE(Is_Rect_Inside_Rect({10, 20, 50, 221}, outer));
    EXPECT_TRUE(Do_Rects_Overlap(outer, {110, 220, 130, 240})) << "sharing one corner point";
    EXPECT_FALSE(Do_Rects_Overlap({0, 0, 9, 400}, outer));
    EXPECT_FALSE(Do_Rects_Overlap({0, 221, 400, 300}, outer));
}
