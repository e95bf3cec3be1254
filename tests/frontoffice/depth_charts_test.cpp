#include <gtest/gtest.h>

#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "frontoffice/depth_charts.h"
#include "frontoffice/position_fitness.h"
#include "frontoffice/rating_value.h"
#include "frontoffice/returners.h"
#include "frontoffice/roster_targets.h"
#include "support/test_league.h"

namespace {
constexpr int32_t TEAM = 3;

int32_t Id(int32_t slot) {
    return Get_Player_ID(TEAM, slot);
}

int32_t Position(int32_t slot) {
    return Get_Player_Vital_Stat(TEAM, slot, VITAL_POSITION);
}

int32_t Slot_Of(int32_t id) {
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        if (Id(slot) == id) return slot;
    return -1;
}

void Set_Return_Ratings(int32_t slot, float value) {
    for (int32_t rating : {RATING_KICK_RETURNS, RATING_PUNT_RETURNS, RATING_SPEED, RATING_QUICKNESS})
        Set_Player_Rating(TEAM, slot, rating, value);
}
} // namespace

TEST(PositionFitness, OwnPositionUnitsSpecialistsAndSeasonLongInjuries) {
    Build_Test_League();
    const int32_t qb = Test_League_Slot(POSITION_QB, 0);
    const int32_t rb = Test_League_Slot(POSITION_RB, 0);
    // A quarterback always beats any other position at quarterback.
    int32_t best_other = NO_FITNESS;
    for (int32_t slot = 0; slot < TEST_ROSTER_SIZE; ++slot)
        if (Position(slot) != POSITION_QB)
            best_other = std::max(best_other, Get_Player_Fitness_At_Position(TEAM, slot, POSITION_QB, 0));
    const int32_t worst_qb = Test_League_Slot(POSITION_QB, 1);
    EXPECT_GT(Get_Player_Fitness_At_Position(TEAM, worst_qb, POSITION_QB, 0), best_other);
    const int32_t worth = Get_Rating_Value(TEAM, rb, Evaluate_Player_At_Own_Position(TEAM, rb));
    EXPECT_EQ(Get_Player_Fitness_At_Position(TEAM, rb, POSITION_RB, 0), worth + 5000);
    EXPECT_EQ(Get_Player_Fitness_At_Position(TEAM, rb, POSITION_FB, 0), 850 + Rounded_Signed_Sqrt(worth));
    EXPECT_EQ(Get_Position_Fitness(TEAM, rb, POSITION_CB), 0) << "another unit";
    EXPECT_EQ(Get_Player_Fitness_At_Position(TEAM, PLAYERS_PER_TEAM - 1, POSITION_QB, 0), NO_FITNESS);
    // A kicker marked as long snapper: 85 % at the other kicking position.
    const int32_t kicker = Test_League_Slot(POSITION_K, 0);
    EXPECT_EQ(Get_Position_Fitness(TEAM, kicker, POSITION_P), 800);
    Set_Player_Byte_Field(TEAM, kicker, PLAYER_BYTE_EXPANDED_POSITION, EXPANDED_LONG_SNAPPER);
    EXPECT_EQ(Get_Position_Fitness(TEAM, kicker, POSITION_P), 680);
    // Out for the season: a tenth, unless injured players are kept.
    const int32_t healthy = Get_Player_Fitness_At_Position(TEAM, qb, POSITION_QB, 0);
    Set_Player_Vital_Stat(TEAM, qb, VITAL_WEEKS_OUT, 30);
    EXPECT_EQ(Get_Player_Fitness_At_Position(TEAM, qb, POSITION_QB, 0), Mul_Div_Round(healthy, 1, 10));
    EXPECT_EQ(Get_Player_Fitness_At_Position(TEAM, qb, POSITION_QB, 1), healthy);
}

// A player read once for every position, as a depth chart reads him, fits
// each position as the full question does: injured, a specialist, empty.
TEST(PositionFitness, PlayerReadOnceFitsEveryPositionAsAsked) {
    Build_Test_League();
    Set_Player_Vital_Stat(TEAM, Test_League_Slot(POSITION_QB, 0), VITAL_WEEKS_OUT, 30);
    Set_Player_Byte_Field(TEAM, Test_League_Slot(POSITION_K, 0), PLAYER_BYTE_EXPANDED_POSITION,
                          EXPANDED_LONG_SNAPPER);
    for (int32_t keep_injured = 0; keep_injured < 2; ++keep_injured)
        for (int32_t slot = 0; slot <= TEST_ROSTER_SIZE; ++slot) {
            const PLAYER_FITNESS player = Read_Player_Fitness(TEAM, slot, keep_injured);
            for (int32_t position = 0; position < NUMBER_OF_POSITIONS; ++position)
                EXPECT_EQ(Get_Fitness_At_Position(player, position),
                          Get_Player_Fitness_At_Position(TEAM, slot, position, keep_injured))
                    << "slot " << slot << " position " << position << " keep " << keep_injured;
        }
}

TEST(DepthCharts, StartersFollowTheSystemsRowAndBackupsStandByPositionAndFitness) {
    Build_Test_League();
    Set_Team_Stat(TEAM, TEAM_STAT_OFFENSIVE_SYSTEM, 1);
    // The roster scrambled, an injured starter quarterback out for the season.
    for (int32_t slot = 0; slot + 7 < TEST_ROSTER_SIZE; slot += 3)
        Swap_Players(TEAM, slot, TEAM, slot + 7);
    const int32_t injured = Id(Slot_Of(Test_League_Player_ID(TEAM, Test_League_Slot(POSITION_QB, 0))));
    Set_Player_Vital_Stat(TEAM, Slot_Of(injured), VITAL_WEEKS_OUT, 30);
    Auto_Set_Team_Depth_Chart(TEAM);
    for (int32_t unit = 0; unit < 3; ++unit) {
        const int32_t first = Find_Or_Create_Unit_Player(TEAM, unit);
        for (int32_t k = 0; k < Get_Unit_Size(unit); ++k)
            EXPECT_EQ(Position(first + k), Get_Starter_Slot_Position(TEAM, unit, k))
                << "unit " << unit << " k " << k;
        // Backups by position, quarterbacks first, then by fitness.
        int64_t last_key = INT64_MAX;
        for (int32_t slot = first + Get_Unit_Size(unit); slot <= Find_Last_Unit_Player(TEAM, unit); ++slot) {
            const int64_t key = (15 - Position(slot)) * 100000LL +
                                Get_Player_Fitness_At_Position(TEAM, slot, Position(slot), 0);
            EXPECT_LE(key, last_key) << "slot " << slot;
            last_key = key;
        }
    }
    EXPECT_EQ(Get_Starter_Slot_Position(TEAM, 0, 5), POSITION_WR) << "three receivers in system 1";
    EXPECT_NE(Id(0), injured) << "the healthy quarterback starts";
    EXPECT_EQ(Get_First_Empty_Player_Slot(TEAM), TEST_ROSTER_SIZE);
}

TEST(DepthCharts, FullbackSlotAndOffensiveLineSides) {
    Build_Test_League();
    Set_Team_Stat(TEAM, TEAM_STAT_OFFENSIVE_SYSTEM, 0);
    const int32_t fullback = Test_League_Slot(POSITION_FB, 0);
    // A real fullback takes the fullback slot, however weak.
    for (int32_t rating = 0; rating < NUMBER_OF_PLAYER_RATINGS; ++rating)
        Set_Player_Rating(TEAM, fullback, rating, 26.0f);
    const int32_t fullback_id = Id(fullback);
    Auto_Set_Depth_Chart(TEAM, 0, 0);
    EXPECT_EQ(Id(2), fullback_id);
    // Without one, the second-best tight end plays fullback and the best one tight end.
    Set_Player_Vital_Stat(TEAM, Slot_Of(fullback_id), VITAL_POSITION, POSITION_WR);
    Auto_Set_Depth_Chart(TEAM, 0, 0);
    ASSERT_EQ(Position(2), POSITION_TE);
    EXPECT_EQ(Slot_Of(Id(3)), Find_Best_Tight_End(TEAM)) << "the best tight end at tight end";
    // A right tackle chosen for the first tackle slot moves across the line.
    const int32_t tackle_id = Id(6);
    Set_Player_Byte_Field(TEAM, 6, PLAYER_BYTE_EXPANDED_POSITION, 24);
    Auto_Set_Depth_Chart(TEAM, 0, 0);
    EXPECT_EQ(Id(10), tackle_id);
}

TEST(Returners, OffensiveStartersCountThreeQuartersAndOnlySkillPlayersReturn) {
    Build_Test_League();
    Auto_Set_Team_Depth_Chart(TEAM);
    for (int32_t slot = 0; slot < TEST_ROSTER_SIZE; ++slot)
        Set_Return_Ratings(slot, 20.0f);
    const int32_t starter = 4;
    ASSERT_EQ(Position(starter), POSITION_WR);
    int32_t backup = -1;
    for (int32_t slot = 11; slot < TEST_ROSTER_SIZE && backup < 0; ++slot)
        if (Position(slot) == POSITION_CB) backup = slot;
    // Starter 60 x 8 = 480 -> 360; backup 50 x 8 = 400.
    Set_Return_Ratings(starter, 60.0f);
    Set_Return_Ratings(backup, 50.0f);
    EXPECT_EQ(Choose_Best_Returner(TEAM, 0), backup);
    Set_Return_Ratings(starter, 70.0f);
    EXPECT_EQ(Choose_Best_Returner(TEAM, 1), starter);
    EXPECT_EQ(Get_Team_Returner(TEAM, 1), starter);
    // A returner who turns out to be a quarterback is chosen again.
    Set_Team_Returner(TEAM, 0, 0);
    Check_Team_Returners(TEAM);
    EXPECT_EQ(Get_Team_Returner(TEAM, 0), starter);
}

TEST(RosterTargets, MeanOfTheFullAndTheSmallestRoster) {
    const int32_t expected[15] = {2, 2, 1, 3, 5, 3, 3, 2, 4, 3, 6, 4, 4, 1, 1};
    for (int32_t position = 0; position < 15; ++position)
        EXPECT_EQ(Get_Position_Roster_Target(position), expected[position]) << position;
    EXPECT_EQ(Get_Position_Roster_Target(15), 0);
}
