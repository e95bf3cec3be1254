#include <gtest/gtest.h>

#include <cstring>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/random_numbers.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/universe.h"
#include "frontoffice/player_potential.h"
#include "frontoffice/player_production.h"
#include "frontoffice/player_value.h"
#include "frontoffice/rating_value.h"
#include "personnel/contract_length.h"
#include "personnel/player_development.h"
#include "support/test_league.h"

namespace {
constexpr int32_t TEAM = 6;

void Set_Age(int32_t slot, int32_t age) {
    Set_Player_Vital_Stat(TEAM, slot, VITAL_BIRTH_DATE, (Get_Current_Year() - age) * 10000 + 101);
}

// A player who has stopped growing and is not declining: value from his ratings and production only.
int32_t Settled_Player(int32_t position) {
    const int32_t slot = Test_League_Slot(position, 0);
    Set_Player_Vital_Stat(TEAM, slot, VITAL_FIRST_DECLINE_AGE, 30);
    Set_Player_Vital_Stat(TEAM, slot, VITAL_LAST_GROWTH_AGE, 24);
    Set_Age(slot, 25);
    for (int32_t stat = 0; stat < 20; ++stat)
        Set_Player_Stat(TEAM, slot, SEASON_LAST, stat, 0);
    return slot;
}

// A 22-year-old who grows at `rate` until `last_growth` and declines from
// `first_decline`.
void Set_Young_Player(int32_t slot, int32_t first_decline, int32_t last_growth, int32_t rate) {
    Set_Player_Vital_Stat(TEAM, slot, VITAL_FIRST_DECLINE_AGE, first_decline);
    Set_Player_Vital_Stat(TEAM, slot, VITAL_LAST_GROWTH_AGE, last_growth);
    Set_Player_Vital_Stat(TEAM, slot, VITAL_GROWTH_RATE, rate);
    Set_Age(slot, 22);
}
} // namespace

TEST(PlayerValue, RatingValueExamples) {
    Build_Test_League();
    const int32_t guard = Test_League_Slot(POSITION_G, 0);
    EXPECT_EQ(Get_Rating_Value(TEAM, guard, 65.0f), 225);
    EXPECT_EQ(Get_Rating_Value(TEAM, guard, 67.5f), 306);
    EXPECT_EQ(Get_Rating_Value(TEAM, guard, 70.0f), 681);
    EXPECT_EQ(Get_Rating_Value(TEAM, guard, 82.5f), 4900);
    const int32_t back = Test_League_Slot(POSITION_RB, 0);
    Universe.Header.Universe_Stats[BASE_YEAR] = 1995;
    EXPECT_EQ(Get_Rating_Value(TEAM, back, 70.0f), 749) << "681.25 x 1.1";
    Universe.Header.Universe_Stats[BASE_YEAR] = 1996;
    EXPECT_EQ(Get_Rating_Value(TEAM, back, 70.0f), 749 * 31 / 50) << "62 % in 1996";
}

TEST(PlayerValue, RookiesAreJudgedOnRatingsVeteransOnProductionTooAndAgeTakesItAway) {
    Build_Test_League();
    const int32_t slot = Settled_Player(POSITION_LB);
    const int32_t ratings = Get_Rating_Value(
        TEAM, slot, static_cast<float>(static_cast<int32_t>(Evaluate_Player_At_Own_Position(TEAM, slot))));
    ASSERT_EQ(static_cast<int32_t>(Get_Player_Potential(TEAM, slot)),
              static_cast<int32_t>(Evaluate_Player_At_Own_Position(TEAM, slot)));
    // Ten interceptions and a hundred tackles last season: 4,500,000 / 1000 - 1000 = 3,500.
    Set_Player_Stat(TEAM, slot, SEASON_LAST, 7, 10);
    Set_Player_Stat(TEAM, slot, SEASON_LAST, 2, 100);
    ASSERT_EQ(Get_Player_Production_Value(TEAM, slot, SEASON_LAST), 3500);
    Set_Player_Vital_Stat(TEAM, slot, VITAL_CREDITED_SEASONS, 0);
    EXPECT_EQ(Get_Player_Value(TEAM, slot), Mul_Div_Round(88, ratings, 100) + Mul_Div_Round(12, 3500, 100));
    Set_Player_Vital_Stat(TEAM, slot, VITAL_CREDITED_SEASONS, 6);
    const int32_t veteran = Mul_Div_Round(70, ratings, 100) + Mul_Div_Round(30, 3500, 100);
    EXPECT_EQ(Get_Player_Value(TEAM, slot), veteran);
    // At his position's peak age (29) nothing is taken off; twelve years past it everything is.
    Set_Player_Vital_Stat(TEAM, slot, VITAL_LAST_GROWTH_AGE, 20);
    Set_Age(slot, 29);
    EXPECT_EQ(Get_Player_Value(TEAM, slot), veteran);
    Set_Age(slot, 35);
    EXPECT_EQ(Get_Player_Value(TEAM, slot), Mul_Div_Round(veteran, 6, 12));
    Set_Age(slot, 41);
    EXPECT_EQ(Get_Player_Value(TEAM, slot), 0);
    EXPECT_EQ(Get_Player_Value(TEAM, 99), 0) << "empty slot";
}

TEST(PlayerValue, LinemenProduceNothingBelowTheirBlockingThreshold) {
    Build_Test_League();
    const int32_t slot = Settled_Player(POSITION_T);
    // b = 4.5 x pass + 4.5 x run + discipline.
    Set_Player_Rating(TEAM, slot, RATING_PASS_BLOCKING, 40.0f);
    Set_Player_Rating(TEAM, slot, RATING_RUN_BLOCKING, 40.0f);
    Set_Player_Rating(TEAM, slot, RATING_DISCIPLINE, 40.0f);
    EXPECT_EQ(Get_Player_Production_Value(TEAM, slot, SEASON_PREDICTED), 0) << "b = 400";
    Set_Player_Rating(TEAM, slot, RATING_DISCIPLINE, 10.0f);
    EXPECT_EQ(Get_Player_Production_Value(TEAM, slot, SEASON_PREDICTED), 0) << "read as 20: b = 380";
    EXPECT_FLOAT_EQ(Universe.Teams[TEAM].Players[slot].Ratings[RATING_DISCIPLINE], 20.0f) << "kept repaired";
    // b = 690: 15 x 240 x 340 / 1000 / 3.
    Set_Player_Rating(TEAM, slot, RATING_PASS_BLOCKING, 70.0f);
    Set_Player_Rating(TEAM, slot, RATING_RUN_BLOCKING, 70.0f);
    Set_Player_Rating(TEAM, slot, RATING_DISCIPLINE, 60.0f);
    EXPECT_EQ(Get_Player_Production_Value(TEAM, slot, SEASON_PREDICTED), 408);
}

TEST(PlayerValue, ReceiversProduceByRushingReceivingAndTheirOtherFigures) {
    Build_Test_League();
    const int32_t slot = Settled_Player(POSITION_WR);
    Set_Player_Rating(TEAM, slot, RATING_PASS_BLOCKING, 50.0f);
    Set_Player_Rating(TEAM, slot, RATING_RUN_BLOCKING, 50.0f);
    const int32_t line[][2] = {{8, 700}, {9, 3}, {11, 900}, {12, 5}, {4, 10}, {5, 4}, {10, 50}};
    for (const auto& figure : line)
        Set_Player_Stat(TEAM, slot, SEASON_LAST, figure[0], figure[1]);
    // 600,000 rushing + 150,000 touchdowns + 1,025 x 2,200 receiving + 500 x
    // 900 / 3 + (4,000 - 3,700) + (50,000 - 5,700) = 3,199,600: 3,199 - 1,000.
    EXPECT_EQ(Get_Player_Production_Value(TEAM, slot, SEASON_LAST), 2199);
    Set_Player_Stat(TEAM, slot, SEASON_LAST, 6, 100);
    EXPECT_EQ(Get_Player_Production_Value(TEAM, slot, SEASON_LAST), 2099)
        << "stat 6, when there is one, stands in for a third of 11";
    EXPECT_EQ(Get_Player_Production_Value(TEAM, slot, SEASON_THIS), 0) << "another season's figures";
    // The blocking figure reads the ratings as stored, a low one unrepaired:
    // (10 + 125) / 2 = 67.5 earns no blocking bonus, and the record keeps its 10.
    Set_Player_Stat(TEAM, slot, SEASON_LAST, 6, 0);
    Set_Player_Rating(TEAM, slot, RATING_PASS_BLOCKING, 125.0f);
    Universe.Teams[TEAM].Players[slot].Ratings[RATING_RUN_BLOCKING] = 10.0f;
    EXPECT_EQ(Get_Player_Production_Value(TEAM, slot, SEASON_LAST), 2199);
    EXPECT_FLOAT_EQ(Universe.Teams[TEAM].Players[slot].Ratings[RATING_RUN_BLOCKING], 10.0f);
    Set_Player_Rating(TEAM, slot, RATING_RUN_BLOCKING, 20.0f);
    EXPECT_EQ(Get_Player_Production_Value(TEAM, slot, SEASON_LAST), 2259) << "72.5: 2 x 30,000 more";
}

TEST(PlayerPotential, ProjectionReplaysGrowthAndPutsTheRatingsBack) {
    Build_Test_League();
    const int32_t slot = Test_League_Slot(POSITION_QB, 1);
    Set_Young_Player(slot, 30, 27, 120);
    const PLAYER_RECORD before = Universe.Teams[TEAM].Players[slot];
    Forget_Player_Potentials();
    const float potential = Get_Player_Potential(TEAM, slot);
    EXPECT_EQ(memcmp(&before, &Universe.Teams[TEAM].Players[slot], sizeof before), 0) << "ratings put back";
    EXPECT_GT(potential, Evaluate_Player_At_Own_Position(TEAM, slot) + 2.0f);

    // The same projection by hand: five steps without chance.
    for (int32_t year = 0; year < 5; ++year)
        Develop_Player(TEAM, slot, 0);
    EXPECT_FLOAT_EQ(potential, Evaluate_Player_At_Own_Position(TEAM, slot));
    Universe.Teams[TEAM].Players[slot] = before;

    // Remembered while nothing changes; a changed input is projected anew.
    EXPECT_FLOAT_EQ(Get_Player_Potential(TEAM, slot), potential);
    Set_Player_Vital_Stat(TEAM, slot, VITAL_GROWTH_RATE, 60);
    EXPECT_LT(Get_Player_Potential(TEAM, slot), potential);
    Set_Age(slot, 27);
    EXPECT_FLOAT_EQ(Get_Player_Potential(TEAM, slot), Evaluate_Player_At_Own_Position(TEAM, slot))
        << "no growth left: his present evaluation";
    // A birth date far in the future (a damaged record) leaves thousands of
    // growing years: they are projected as thirty.
    Set_Player_Vital_Stat(TEAM, slot, VITAL_BIRTH_DATE, 900000101);
    const float far = Get_Player_Potential(TEAM, slot);
    for (int32_t year = 0; year < 30; ++year)
        Develop_Player(TEAM, slot, 0);
    EXPECT_FLOAT_EQ(far, Evaluate_Player_At_Own_Position(TEAM, slot));
}

// A remembered projection is checked against the record as the accessors read
// it: a last growth age beyond his first decline age is held to it, stored
// back, and projected from there.
TEST(PlayerPotential, RememberedProjectionSeesTheRepairedGrowthAge) {
    Build_Test_League();
    const int32_t slot = Test_League_Slot(POSITION_WR, 1);
    Set_Young_Player(slot, 29, 25, 120);
    Forget_Player_Potentials();
    const float early = Get_Player_Potential(TEAM, slot);
    Universe.Teams[TEAM].Players[slot].Vital_Stats[VITAL_LAST_GROWTH_AGE] = 45;
    const float repaired = Get_Player_Potential(TEAM, slot);
    EXPECT_EQ(Universe.Teams[TEAM].Players[slot].Vital_Stats[VITAL_LAST_GROWTH_AGE], 29);
    EXPECT_GT(repaired, early) << "four more years of growth";
    Forget_Player_Potentials();
    EXPECT_EQ(Get_Player_Potential(TEAM, slot), repaired);
}

// A remembered projection follows what his age is worked out from (the
// season as well as his birth date) and the league's reversion to the mean.
TEST(PlayerPotential, RememberedProjectionFollowsTheSeasonAndTheReversion) {
    Build_Test_League();
    const int32_t slot = Test_League_Slot(POSITION_WR, 1);
    Set_Young_Player(slot, 30, 27, 150);
    Set_Player_Rating(TEAM, slot, RATING_RECEIVING, 90.0f);
    Forget_Player_Potentials();
    const float young = Get_Player_Potential(TEAM, slot);
    ++Universe.User_Preferences.Ints[CURRENT_SEASON_INDEX];
    const float older = Get_Player_Potential(TEAM, slot);
    EXPECT_LT(older, young) << "a year less to grow";
    Forget_Player_Potentials();
    EXPECT_EQ(Get_Player_Potential(TEAM, slot), older);
    Universe.Header.Reversion_To_Mean += 60;
    const float pulled = Get_Player_Potential(TEAM, slot);
    EXPECT_LT(pulled, older) << "high ratings pulled harder";
    Forget_Player_Potentials();
    EXPECT_EQ(Get_Player_Potential(TEAM, slot), pulled);
}

// Players moved by one slot, as a roster closing up moves them, keep their
// own projections, and a moved player whose ratings changed is projected anew.
TEST(PlayerPotential, ProjectionsFollowPlayersMovedNextDoor) {
    Build_Test_League();
    const int32_t slot = Test_League_Slot(POSITION_WR, 0);
    for (const int32_t s : {slot, slot + 1}) {
        Set_Player_Vital_Stat(TEAM, s, VITAL_FIRST_DECLINE_AGE, 30);
        Set_Player_Vital_Stat(TEAM, s, VITAL_LAST_GROWTH_AGE, 27);
        Set_Age(s, 22);
    }
    Set_Player_Vital_Stat(TEAM, slot, VITAL_GROWTH_RATE, 60);
    Set_Player_Vital_Stat(TEAM, slot + 1, VITAL_GROWTH_RATE, 140);
    Forget_Player_Potentials();
    const float first = Get_Player_Potential(TEAM, slot);
    const float second = Get_Player_Potential(TEAM, slot + 1);
    ASSERT_NE(first, second);
    Swap_Players(TEAM, slot, TEAM, slot + 1);
    EXPECT_EQ(Get_Player_Potential(TEAM, slot), second);
    EXPECT_EQ(Get_Player_Potential(TEAM, slot + 1), first);
    Universe.Teams[TEAM].Players[slot].Ratings[RATING_RECEIVING] -= 15.0f;
    const float changed = Get_Player_Potential(TEAM, slot);
    EXPECT_LT(changed, second);
    Forget_Player_Potentials();
    EXPECT_EQ(Get_Player_Potential(TEAM, slot), changed);
}

// A kept value is given again only while everything it was read from stands:
// last season's line, his ratings and role, and the year outside his record.
TEST(PlayerValue, KeptValuesFollowTheRecordAndTheYear) {
    Build_Test_League();
    const int32_t slot = Settled_Player(POSITION_LB);
    Set_Player_Vital_Stat(TEAM, slot, VITAL_CREDITED_SEASONS, 6);
    Set_Player_Vital_Stat(TEAM, slot, VITAL_LAST_GROWTH_AGE, 20);
    Set_Age(slot, 33);
    const int32_t at_33 = Get_Player_Value(TEAM, slot);
    EXPECT_EQ(Get_Player_Value(TEAM, slot), at_33);
    Set_Player_Stat(TEAM, slot, SEASON_THIS, 7, 10);
    EXPECT_EQ(Get_Player_Value(TEAM, slot), at_33) << "this season's line is not read";
    Set_Player_Stat(TEAM, slot, SEASON_LAST, 7, 10);
    const int32_t producing = Get_Player_Value(TEAM, slot);
    EXPECT_GT(producing, at_33) << "last season's line is";
    Set_Player_Stat(TEAM, slot, SEASON_LAST, 7, 0);
    EXPECT_EQ(Get_Player_Value(TEAM, slot), at_33);
    Set_Player_Vital_Stat(TEAM, slot, VITAL_WEEKS_OUT, 3);
    Set_Player_Vital_Stat(TEAM, slot, VITAL_LOADED_MARKER, 40);
    EXPECT_EQ(Get_Player_Value(TEAM, slot), at_33) << "an injury and the weeks on the books are not read";
    Set_Player_Vital_Stat(TEAM, slot, VITAL_CREDITED_SEASONS, 0);
    EXPECT_NE(Get_Player_Value(TEAM, slot), at_33) << "a rookie is judged on his ratings";
    Set_Player_Vital_Stat(TEAM, slot, VITAL_CREDITED_SEASONS, 6);
    EXPECT_EQ(Get_Player_Value(TEAM, slot), at_33);
    Universe.Teams[TEAM].Players[slot].Ratings[RATING_PASS_COVERAGE] -= 10.0f;
    const int32_t weaker = Get_Player_Value(TEAM, slot);
    EXPECT_LT(weaker, at_33) << "a rating written in place";
    Universe.Teams[TEAM].Players[slot].Ratings[RATING_PASS_COVERAGE] += 10.0f;
    EXPECT_EQ(Get_Player_Value(TEAM, slot), at_33);
    // A year on, outside his record: valued at 34.
    Universe.Header.Universe_Stats[BASE_YEAR] += 1;
    EXPECT_LT(Get_Player_Value(TEAM, slot), at_33);
    Universe.Header.Universe_Stats[BASE_YEAR] -= 1;
    EXPECT_EQ(Get_Player_Value(TEAM, slot), at_33);
    // A value that repaired his record on reading is not kept; the next is.
    const float run_defense = Universe.Teams[TEAM].Players[slot].Ratings[RATING_RUN_DEFENSE];
    Universe.Teams[TEAM].Players[slot].Ratings[RATING_RUN_DEFENSE] = 5.0f;
    const int32_t repaired = Get_Player_Value(TEAM, slot);
    EXPECT_EQ(Universe.Teams[TEAM].Players[slot].Ratings[RATING_RUN_DEFENSE], MINIMUM_RATING);
    EXPECT_FALSE(Is_Player_Value_Kept(TEAM, slot));
    EXPECT_EQ(Get_Player_Value(TEAM, slot), repaired);
    EXPECT_TRUE(Is_Player_Value_Kept(TEAM, slot));
    Universe.Teams[TEAM].Players[slot].Ratings[RATING_RUN_DEFENSE] = run_defense;
    EXPECT_FALSE(Is_Player_Value_Kept(TEAM, PLAYERS_PER_TEAM)) << "no such slot";
    // Another player moved into the slot is valued as himself.
    const int32_t other = Settled_Player(POSITION_QB);
    const int32_t quarterback = Get_Player_Value(TEAM, other);
    Swap_Players(TEAM, slot, TEAM, other);
    EXPECT_EQ(Get_Player_Value(TEAM, slot), quarterback);
    EXPECT_EQ(Get_Player_Value(TEAM, other), at_33);
}

// The rating-value routines: the running back's year factor alone, the
// inverse of the rating value (for a guard, a running back and a worth of
// nothing), the worth of the whole evaluation and of the potential, and
// production with the return term of the positions that have
// one.
TEST(PlayerValue, RatingValueRoutinesAndProductionWithReturns) {
    Build_Test_League();
    EXPECT_EQ(Get_Running_Back_Year_Factor(1995), 50);
    EXPECT_EQ(Get_Running_Back_Year_Factor(1996), 31);
    EXPECT_EQ(Get_Running_Back_Year_Factor(2014), 49);
    EXPECT_EQ(Get_Running_Back_Year_Factor(2015), 50);
    EXPECT_EQ(Get_Running_Back_Year_Factor(1980), 50) << "before 1996 no cut";

    const int32_t guard = Test_League_Slot(POSITION_G, 0);
    EXPECT_NEAR(Get_Rating_From_Value(TEAM, guard, 681), 70.0f, 0.01f);
    EXPECT_NEAR(Get_Rating_From_Value(TEAM, guard, 4900), 82.5f, 0.01f);
    EXPECT_NEAR(Get_Rating_From_Value(TEAM, guard, 225), 65.0f, 0.01f);
    EXPECT_FLOAT_EQ(Get_Rating_From_Value(TEAM, guard, 0), 50.0f) << "the top rating worth nothing";
    EXPECT_FLOAT_EQ(Get_Rating_From_Value(TEAM, guard, -40), 50.0f);
    const int32_t back = Test_League_Slot(POSITION_RB, 0);
    Universe.Header.Universe_Stats[BASE_YEAR] = 1996;
    const int32_t worth = Get_Rating_Value(TEAM, back, 74.0f);
    EXPECT_NEAR(Get_Rating_From_Value(TEAM, back, worth), 74.0f, 0.05f) << "through both factors";
    Universe.Header.Universe_Stats[BASE_YEAR] = TEST_BASE_YEAR;

    const int32_t end = Settled_Player(POSITION_DE);
    Rescale_Player_Ratings(TEAM, end, 71.6f);
    EXPECT_EQ(Get_Evaluation_Rating_Value(TEAM, end), Get_Rating_Value(TEAM, end, 71.0f)) << "the whole part";
    EXPECT_EQ(Get_Potential_Rating_Value(TEAM, end),
              Get_Rating_Value(TEAM, end, Get_Player_Potential(TEAM, end)));

    // A receiver's return grades (stats 302 and 303, which his return
    // ratings make in the predicted season) below 101 count half, from 101 on
    // all but 50.
    const int32_t receiver = Settled_Player(POSITION_WR);
    bool seen_low = false, seen_high = false;
    for (const float returns_rating : {40.0f, 53.0f, 56.0f, 90.0f}) {
        Set_Player_Rating(TEAM, receiver, RATING_KICK_RETURNS, returns_rating);
        Set_Player_Rating(TEAM, receiver, RATING_PUNT_RETURNS, returns_rating);
        const int32_t returns = Get_Player_Stat(TEAM, receiver, SEASON_PREDICTED, 302) +
                                Get_Player_Stat(TEAM, receiver, SEASON_PREDICTED, 303);
        seen_low = seen_low || returns < 101;
        seen_high = seen_high || returns >= 101;
        EXPECT_EQ(Get_Production_Plus_Receiving_Value(TEAM, receiver, SEASON_PREDICTED),
                  Get_Player_Production_Value(TEAM, receiver, SEASON_PREDICTED) +
                      (returns < 101 ? returns / 2 : returns - 50))
            << returns;
    }
    EXPECT_TRUE(seen_low && seen_high) << "both sides of 101 met";
    const int32_t tackle = Settled_Player(POSITION_T);
    EXPECT_EQ(Get_Production_Plus_Receiving_Value(TEAM, tackle, SEASON_LAST),
              Get_Player_Production_Value(TEAM, tackle, SEASON_LAST))
        << "no return term for a tackle";
}
