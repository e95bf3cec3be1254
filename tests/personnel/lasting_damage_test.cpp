#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/random_numbers.h"
#include "personnel/injuries.h"
#include "personnel/predicted_consistency.h"
#include "personnel/predicted_stats.h"
#include "personnel/rating_adjustment.h"
#include "support/test_league.h"

namespace {

constexpr int32_t TEAM = 11;
constexpr int32_t TORN_ACHILLES = 17; // 20-40 weeks, a leg injury (group 0)

// The first `n` uniform fractions of a seed.
std::vector<double> Draws(uint32_t seed, int n) {
    Seed_Random_Numbers(seed);
    std::vector<double> draws;
    for (int i = 0; i < n; ++i)
        draws.push_back(Random_Number() * RANDOM_FRACTION);
    return draws;
}

// A running back rated 80 throughout with a full predicted season.
int32_t Crafted_Back() {
    const int32_t slot = Test_League_Slot(POSITION_RB, 0);
    for (int32_t rating = 0; rating < 27; ++rating)
        Set_Player_Rating(TEAM, slot, rating, 80.0f);
    const int32_t line[20] = {16, 16, 3, 60, 40, 30, 300, 280, 1300, 9, 45, 400, 3, 2, 10, 240, 0, 8, 80, 0};
    for (int32_t stat = 0; stat < 20; ++stat)
        Set_Player_Stat(TEAM, slot, SEASON_PREDICTED, stat, line[stat]);
    Set_Player_Vital_Stat(TEAM, slot, VITAL_INJURY_TYPE, NO_INJURY);
    Set_Player_Vital_Stat(TEAM, slot, VITAL_WEEKS_OUT, 0);
    return slot;
}

PLAYER_RECORD Copy_Of(int32_t slot) {
    PLAYER_RECORD copy;
    std::memcpy(&copy, Get_Player_Record_Pointer(TEAM, slot), sizeof copy);
    return copy;
}

void Restore(int32_t slot, const PLAYER_RECORD& copy) {
    std::memcpy(Get_Player_Record_Pointer(TEAM, slot), &copy, sizeof copy);
}

bool Same_Record(int32_t slot, const PLAYER_RECORD& expected) {
    return std::memcmp(Get_Player_Record_Pointer(TEAM, slot), &expected, sizeof expected) == 0;
}

} // namespace

TEST(LastingDamage, OneSizeDrawThenOneRoundingDrawPerPredictedStatistic) {
    Build_Test_League();
    const int32_t slot = Crafted_Back();
    const PLAYER_RECORD before = Copy_Of(slot);
    constexpr uint32_t SEED = 2024;
    const std::vector<double> u = Draws(SEED, 22);
    const float damage = 10.0f * 2.0f * static_cast<float>(u[0]);
    const int32_t modifier = static_cast<int32_t>(-10.0f * damage);
    ASSERT_LT(modifier, 0) << "the seed must give a change of the predicted season";

    Seed_Random_Numbers(SEED);
    Apply_Lasting_Injury_Damage(TEAM, slot, TORN_ACHILLES, 10);
    const PLAYER_RECORD damaged = Copy_Of(slot);
    EXPECT_EQ(Random_Number() * RANDOM_FRACTION, u[21]) << "1 size draw and 20 rounding draws";

    // The same damage step by step: predicted season, reconciled, then ratings
    // cut plainly and again as by age.
    Restore(slot, before);
    Seed_Random_Numbers(SEED);
    Random_Number();
    for (int32_t stat = 0; stat < 20; ++stat)
        Modify_Predicted_Player_Stats(TEAM, slot, SEASON_PREDICTED, stat, modifier, 0, 1);
    Reconcile_Predicted_Player_Stats(TEAM, slot);
    Modify_Player_Ratings(TEAM, slot, -damage / 100.0f, false);
    Modify_Player_Ratings(TEAM, slot, -damage / 100.0f, true);
    EXPECT_TRUE(Same_Record(slot, damaged));

    Restore(slot, damaged);
    const float health = 80.0f * (1.0f - damage / 100.0f) * (1.0f + 2.0f * (-damage / 100.0f));
    EXPECT_FLOAT_EQ(Get_Player_Rating(TEAM, slot, RATING_HEALTH), health);
    EXPECT_FLOAT_EQ(Get_Player_Rating(TEAM, slot, RATING_PASS_RUSH), 80.0f) << "not a back's rating";
    EXPECT_LT(Get_Player_Stat(TEAM, slot, SEASON_PREDICTED, 8), 1300) << "fewer rushing yards expected";
    EXPECT_GE(Get_Player_Stat(TEAM, slot, SEASON_PREDICTED, 8), 650) << "never less than half in one step";
}

TEST(LastingDamage, SlightDamageLeavesThePredictedSeason) {
    Build_Test_League();
    const int32_t slot = Crafted_Back();
    uint32_t seed = 1;
    while (Draws(seed, 1)[0] >= 0.04)
        ++seed;
    const std::vector<double> u = Draws(seed, 2);
    Seed_Random_Numbers(seed);
    Apply_Lasting_Injury_Damage(TEAM, slot, TORN_ACHILLES, 1);
    EXPECT_EQ(Random_Number() * RANDOM_FRACTION, u[1]) << "only the size is drawn";
    EXPECT_EQ(Get_Player_Stat(TEAM, slot, SEASON_PREDICTED, 8), 1300);
    EXPECT_LT(Get_Player_Rating(TEAM, slot, RATING_HEALTH), 80.0f) << "the ratings still take the cut";
}

TEST(LastingDamage, RandomInjuryDrawsTypeWeeksChanceAndDamageInOrder) {
    Build_Test_League();
    const int32_t slot = Crafted_Back();
    const PLAYER_RECORD healthy = Copy_Of(slot);
    int damaged_seeds = 0;
    int spared_seeds = 0;
    for (uint32_t seed = 1; seed <= 300 && (damaged_seeds < 3 || spared_seeds < 3); ++seed) {
        const std::vector<double> u = Draws(seed, 3);
        if (static_cast<int32_t>(100 * u[0]) >= 50) continue; // keep to repeats of the last type
        const int32_t weeks = 20 + static_cast<int32_t>(21 * u[1]);
        const bool damage = static_cast<int32_t>(100 * u[2]) < weeks;

        Restore(slot, healthy);
        Set_Player_Vital_Stat(TEAM, slot, VITAL_INJURY_TYPE, TORN_ACHILLES);
        Seed_Random_Numbers(seed);
        Apply_Random_Injury(TEAM, slot);
        ASSERT_EQ(Get_Player_Vital_Stat(TEAM, slot, VITAL_INJURY_TYPE), TORN_ACHILLES) << "seed " << seed;
        ASSERT_EQ(Get_Player_Vital_Stat(TEAM, slot, VITAL_WEEKS_OUT), weeks) << "seed " << seed;
        const PLAYER_RECORD injured = Copy_Of(slot);
        const uint32_t next = Random_Number();

        Restore(slot, healthy);
        Set_Player_Vital_Stat(TEAM, slot, VITAL_INJURY_TYPE, TORN_ACHILLES);
        Set_Player_Vital_Stat(TEAM, slot, VITAL_WEEKS_OUT, weeks);
        Seed_Random_Numbers(seed);
        for (int i = 0; i < 3; ++i)
            Random_Number();
        if (damage) {
            Apply_Lasting_Injury_Damage(TEAM, slot, TORN_ACHILLES, weeks);
            ++damaged_seeds;
        } else {
            ++spared_seeds;
        }
        EXPECT_TRUE(Same_Record(slot, injured)) << "seed " << seed << (damage ? " damaged" : " spared");
        EXPECT_EQ(Random_Number(), next) << "seed " << seed;
    }
    EXPECT_GE(damaged_seeds, 3);
    EXPECT_GE(spared_seeds, 3);
}
