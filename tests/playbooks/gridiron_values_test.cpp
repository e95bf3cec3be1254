// The card game's player figures and play-card values, worked by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/universe.h"
#include "engine/playbook_records.h"
#include "playbooks/gridiron_values.h"
#include "playbooks/play_cards.h"
#include "support/test_league.h"

namespace {
class GridironValues : public testing::Test {
  protected:
    void SetUp() override { Build_Test_League(); }
};

int32_t Value_Of(int32_t position, std::initializer_list<std::pair<int32_t, int32_t>> inputs) {
    int32_t values[GRIDIRON_CATEGORIES] = {};
    for (const auto& [category, value] : inputs)
        values[category - GRIDIRON_FIRST_CATEGORY] = value;
    return Compute_Gridiron_Value(position, values);
}
} // namespace

TEST_F(GridironValues, SalariesByValueAndPosition) {
    EXPECT_EQ(Get_Gridiron_Salary_For_Value(3000, POSITION_RB, 5), 2) << "below 3,900";
    EXPECT_EQ(Get_Gridiron_Salary_For_Value(3000, POSITION_WR, 5), 2) << "below 3,430";
    EXPECT_EQ(Get_Gridiron_Salary_For_Value(3000, POSITION_DE, 5), 0) << "below 3,500";
    EXPECT_EQ(Get_Gridiron_Salary_For_Value(3000, POSITION_DE, 0), 2) << "the first slot is paid at least 2";
    EXPECT_EQ(Get_Gridiron_Salary_For_Value(30000, POSITION_QB, 5), 20);
    EXPECT_EQ(Get_Gridiron_Salary_For_Value(30000, POSITION_G, 5), 12);
    EXPECT_EQ(Get_Gridiron_Salary_For_Value(30000, POSITION_K, 0), 0) << "kickers are never paid";
    EXPECT_EQ(Get_Gridiron_Salary_For_Value(22499, POSITION_LB, 5), 15) << "20 capped at the position's 15";
    EXPECT_EQ(Get_Gridiron_Salary_For_Value(9000, POSITION_QB, 5), 10);
}

TEST_F(GridironValues, ValuesWorkedByHand) {
    EXPECT_EQ(Value_Of(POSITION_K, {{CARD_PASSING, 50}}), 1600) << "w = 0 gives 0, raised to 1,600";
    EXPECT_EQ(Value_Of(POSITION_P, {}), 1600);
    // A guard at the starters' mark: S = 8,000, w = 3,726, x = 3,726,000.
    EXPECT_EQ(Value_Of(POSITION_G, {{CARD_PASS_BLOCKING, 20}, {CARD_RUN_BLOCKING, 20}}),
              1930 * 3 / 2 + 37260 / 19);
    // A quarterback with nothing: S = -1,228 divides to -3,227 (lowered), then the square root's sign.
    EXPECT_EQ(Value_Of(POSITION_QB, {}), 721);
    // A corner with only a tackling input of 5: S = -13,875, whose product
    // -208,100,000 divides evenly by 50,000 while S does not, so -4,162 is
    // lowered to -4,163; the value is (-3,060 - 2,191 + 8,000) / 5.
    EXPECT_EQ(Value_Of(POSITION_CB, {{CARD_TACKLING, 5}}), 549);
    // The best players need 64-bit products.
    EXPECT_EQ(Value_Of(POSITION_T, {{CARD_PASS_BLOCKING, 50}, {CARD_RUN_BLOCKING, 50}}), 57629);
    EXPECT_EQ(Value_Of(POSITION_WR, {{CARD_PASS_BLOCKING, 50},
                                     {CARD_RUN_BLOCKING, 50},
                                     {CARD_RUSHING, 50},
                                     {CARD_GOAL_LINE, 50},
                                     {CARD_RECEIVING, 50},
                                     {CARD_RED_ZONE, 50}}),
              76318);
    EXPECT_EQ(Value_Of(POSITION_QB,
                       {{CARD_PASSING, 40}, {CARD_RED_ZONE, 40}, {CARD_RUSHING, 10}, {CARD_GOAL_LINE, 15}}),
              19714);
    EXPECT_EQ(
        Value_Of(POSITION_CB,
                 {{CARD_TACKLING, 45}, {CARD_COVERAGE, 45}, {CARD_PASS_RUSH, 45}, {CARD_RUN_DEFENSE, 45}}),
        70723);
}

TEST_F(GridironValues, TheFrontSevensRunDefenseIsLoweredByFiveEvenBelowZero) {
    // Three inputs of 20 and no run defense: RD - 5 = -5 takes 125 off S =
    // 9,875, so w = 2,963 and the value 2,581 + 1,559 (4,176 were it held at 0).
    const auto front = [](int32_t position, int32_t run_defense) {
        return Value_Of(position, {{CARD_TACKLING, 20},
                                   {CARD_COVERAGE, 20},
                                   {CARD_PASS_RUSH, 20},
                                   {CARD_RUN_DEFENSE, run_defense}});
    };
    EXPECT_EQ(front(POSITION_DE, 0), 4140);
    EXPECT_EQ(front(POSITION_LB, 10), front(POSITION_CB, 5)) << "a linebacker's 10 counts as 5";
    EXPECT_EQ(front(POSITION_S, 0), 4176) << "the secondary keeps its input";

    // The statistic that the lists show: a defensive end at the floor of every
    // defensive rating has inputs of 0, and his run defense of -5 makes S
    // -14,125 (w -4,238, value 536), where a cornerback's -14,000 gives 543.
    const int32_t end = Test_League_Slot(POSITION_DE, 0), corner = Test_League_Slot(POSITION_CB, 0);
    for (const int32_t slot : {end, corner})
        for (const int32_t rating :
             {RATING_RUN_DEFENSE, RATING_PASS_RUSH, RATING_PASS_COVERAGE, RATING_TACKLING})
            Universe.Teams[4].Players[slot].Ratings[rating] = 0.0f;
    EXPECT_EQ(Get_Player_Stat(4, end, 0, 412), 536);
    EXPECT_EQ(Get_Player_Stat(4, corner, 0, 412), 543);
}

TEST_F(GridironValues, CardRatingsAndTheirInputs) {
    const int32_t tackle = Test_League_Slot(POSITION_T, 0), receiver = Test_League_Slot(POSITION_WR, 0);
    PLAYER_RECORD& t = Universe.Teams[3].Players[tackle];
    t.Ratings[RATING_POWER] = 76.0f;
    EXPECT_EQ(Get_Gridiron_Player_Rating(3, tackle, CARD_GOAL_LINE), 20) << "76 / 3.8";
    PLAYER_RECORD& w = Universe.Teams[3].Players[receiver];
    w.Ratings[RATING_SPEED] = 50.0f;
    w.Ratings[RATING_QUICKNESS] = 50.0f;
    EXPECT_EQ(Get_Gridiron_Player_Rating(3, receiver, CARD_RUSHING), 5) << "45 - 40";
    w.Ratings[RATING_RUN_DEFENSE] = 5.0f;
    EXPECT_EQ(Get_Gridiron_Player_Rating(3, receiver, CARD_RUN_DEFENSE), 18) << "read as 20, times 0.9";
    EXPECT_EQ(w.Ratings[RATING_RUN_DEFENSE], 5.0f) << "and not written back";
    EXPECT_EQ(Get_Gridiron_Player_Rating(3, receiver, 399), 0);
    EXPECT_STREQ(Get_Gridiron_Category_Name(409), "Coverage");
    EXPECT_STREQ(Get_Gridiron_Category_Name(412), "Value");

    GRIDIRON_LEVELS levels{};
    levels.Replacement[CARD_PASSING - GRIDIRON_FIRST_CATEGORY] = 40.0f;
    levels.Median[CARD_PASSING - GRIDIRON_FIRST_CATEGORY] = 60.0f;
    EXPECT_EQ(Reduce_Gridiron_Rating(levels, CARD_PASSING, 35), 0) << "below the replacement level";
    EXPECT_EQ(Reduce_Gridiron_Rating(levels, CARD_PASSING, 40), 0);
    EXPECT_EQ(Reduce_Gridiron_Rating(levels, CARD_PASSING, 60), 20) << "the median starter";
    EXPECT_EQ(Reduce_Gridiron_Rating(levels, CARD_PASSING, 75), 35);
    EXPECT_EQ(Reduce_Gridiron_Rating(levels, CARD_PASSING, 99), 50) << "held at 50";

    // In the test league the levels are ordered, and the statistics answer the card figures.
    Compute_Gridiron_Levels(&levels);
    for (int32_t c = 0; c < GRIDIRON_CATEGORIES; ++c)
        EXPECT_GE(levels.Median[c], levels.Replacement[c]) << Get_Gridiron_Category_Name(400 + c);
    const int32_t qb = Test_League_Slot(POSITION_QB, 0);
    const int32_t value = Get_Gridiron_Player_Value(5, qb);
    EXPECT_EQ(Get_Player_Stat(5, qb, 0, 412), value);
    EXPECT_EQ(Get_Player_Stat(5, qb, 0, 411), Get_Gridiron_Salary_For_Value(value, POSITION_QB, qb));
    EXPECT_EQ(Get_Player_Stat(5, qb, 0, 405), Get_Gridiron_Player_Rating(5, qb, CARD_PASSING));
    const int32_t kicker = Test_League_Slot(POSITION_K, 0);
    EXPECT_EQ(Get_Player_Stat(5, kicker, 0, 412), 1600);
    EXPECT_EQ(Get_Player_Stat(5, kicker, 0, 411), 0);
}

TEST_F(GridironValues, PlayCardBonusesWorkedByHand) {
    // Inside run for a touchdown: Goal Line with Run Blocking (pair 12) against
    // Run Defense with Tackling (pair 17); the margin 17 - 7 + 2 gains 3 and 5
    // for the kind; a back's goal-line weight 75: (20 x 375 + 5) / 10 = 750 -> 7.
    EXPECT_EQ(Compute_Play_Card_Bonus(0, 1, 403, 401, 407, 410, 403, 1), 7);
    // A long touchdown pass: Red Zone with Pass Blocking (16) against Pass Rush
    // with Coverage (22): 22 - 11 + 2 + 4 + 7 = 24, a receiver's weight 78:
    // (24 x 390 + 5) / 10 = 936 -> 8.
    EXPECT_EQ(Compute_Play_Card_Bonus(3, 1, 406, 400, 408, 409, 406, 4), 8);
    // Pass Blocking with Run Blocking (6 + 3 + 7) against Pass Rush (11): as
    // a field goal 11 - 14 + 2 = -1 is illegal; as a touchdown 11 - 11 + 2 = 2,
    // a receiver's weight 160: (2 x 800 + 5) / 10 = 160 -> 1.
    EXPECT_EQ(Compute_Play_Card_Bonus(2, 0, 400, 401, 408, -1, 400, 4), -1);
    EXPECT_EQ(Compute_Play_Card_Bonus(2, 1, 400, 401, 408, -1, 400, 4), 1);
    EXPECT_EQ(Compute_Play_Card_Bonus(0, 1, 403, 403, 407, 410, 403, 1), -5);
    EXPECT_EQ(Compute_Play_Card_Bonus(0, 1, 403, 401, 410, 410, 403, 1), -6);
    EXPECT_EQ(Compute_Play_Card_Bonus(0, 1, 403, 401, 407, 410, 403, 8), -3) << "no ninth bonus position";
    EXPECT_EQ(Compute_Play_Card_Bonus(0, 1, 403, 401, 407, 410, 401, 0), -4)
        << "a quarterback does not run block";
    EXPECT_EQ(Get_Gridiron_Offense_Bonus(3, 406, 405), 5);
    EXPECT_EQ(Get_Gridiron_Defense_Bonus(9, 408, 409), 0) << "no such kind";

    // Every row of the built-in table makes a legal card.
    for (int32_t row = 0; row < SCORING_CARD_ROWS; ++row) {
        int8_t values[9];
        Get_Scoring_Card_Values(row, values);
        EXPECT_TRUE(Are_Play_Card_Values_Set(values)) << "row " << row;
        char text[512];
        Check_Play_Card(values, text);
        EXPECT_EQ(std::string(text).rfind("This is a legal play card.", 0), 0u)
            << "row " << row << ": " << text;
    }
    EXPECT_EQ(Get_Scoring_Card_Field(0, 8), 0) << "the first row is an inside run";
    EXPECT_EQ(Get_Scoring_Card_Field(2, 0), 0) << "a field goal";
    EXPECT_EQ(Get_Scoring_Card_Field(54, 0), 0);

    int8_t card[9] = {0, 3, 1, 0, 3, 3, 1, 0, 0};
    char text[512];
    Check_Play_Card(card, text);
    EXPECT_STREQ(text, "ERROR:\n\"Goal Line\" can only be used for Touchdown plays.");
    card[CARD_SCORE_TYPE] = 1;
    card[CARD_BONUS_RATING] = 4;
    Check_Play_Card(card, text);
    EXPECT_STREQ(text, "ERROR:\nThe bonus rating MUST match one of the offensive ratings.");

    // Recomputing a team's bonuses writes each play's bonus value from its
    // other values; a card in error gets 0. Team -1 recomputes every team in use.
    const int8_t inside_run[9] = {1, 3, 1, 0, 3, 3, 1, 0, 0};
    int8_t* values_2 = Universe.Teams[2].Playbooks.Offense.Plays[4].Card_Values;
    int8_t* values_3 = Universe.Teams[3].Playbooks.Offense.Plays[0].Card_Values;
    int8_t* unused = Universe.Teams[34].Playbooks.Offense.Plays[0].Card_Values;
    std::memcpy(values_2, inside_run, 9);
    std::memcpy(values_3, inside_run, 9);
    std::memcpy(unused, inside_run, 9);
    values_3[CARD_OFFENSE_2] = 3; // Goal Line twice: -5
    values_3[CARD_BONUS_VALUE] = 12;
    Recompute_Play_Card_Bonuses(2);
    EXPECT_EQ(values_2[CARD_BONUS_VALUE], 7);
    EXPECT_EQ(values_3[CARD_BONUS_VALUE], 12) << "another team's play is left";
    values_2[CARD_BONUS_VALUE] = 0;
    ASSERT_FALSE(Is_Used_Franchise_Slot(34));
    Recompute_Play_Card_Bonuses(-1);
    EXPECT_EQ(values_2[CARD_BONUS_VALUE], 7);
    EXPECT_EQ(values_3[CARD_BONUS_VALUE], 0) << "a card in error has no bonus";
    EXPECT_EQ(unused[CARD_BONUS_VALUE], 0) << "a slot not in use is left";
    EXPECT_EQ(std::memcmp(values_2, inside_run, CARD_BONUS_VALUE), 0) << "the other values stay";
}

TEST_F(GridironValues, CardCategoriesAndTheCardSet) {
    Set_Play_Card_Category(2, 4, 1, 406);
    Set_Play_Card_Category(2, 4, 3, 409);
    Set_Play_Card_Category(2, 4, 4, 300);
    EXPECT_EQ(Get_Play_Card_Category(2, 4, 1), 406);
    EXPECT_EQ(Get_Play_Card_Category(2, 4, 3), 409);
    EXPECT_EQ(Get_Play_Card_Category(2, 4, 4), -1) << "stored as 4, read as none";
    EXPECT_EQ(Universe.Teams[2].Playbooks.Offense.Plays[4].Card_Values[4], 4);
    // The set is the chosen plays in play order and no other: three chosen
    // plays make three play cards.
    OFFENSIVE_PLAYBOOK& book = Universe.Teams[2].Playbooks.Offense;
    std::memset(book.Card_Selection, 0, sizeof book.Card_Selection);
    book.Card_Selection[40] = book.Card_Selection[7] = book.Card_Selection[52] = 1;
    EXPECT_EQ(Count_Chosen_Play_Cards(2), 3);
    int32_t plays[CARD_SET_PLAYS];
    ASSERT_EQ(Get_Card_Set_Plays(2, plays), 3) << "no play the user did not choose";
    EXPECT_EQ(plays[0], 7);
    EXPECT_EQ(plays[1], 40);
    EXPECT_EQ(plays[2], 52);
    // More than 25 chosen: the first 25 in play order.
    std::memset(book.Card_Selection, 1, sizeof book.Card_Selection);
    ASSERT_EQ(Get_Card_Set_Plays(2, plays), CARD_SET_PLAYS);
    EXPECT_EQ(plays[24], 24);
    // A play without card values shows its row of the table; the block keeps its own.
    int8_t values[9];
    std::memset(book.Plays[12].Card_Values, 0xFF, 9);
    Get_Play_Card_Values(2, 12, values);
    int8_t row[9];
    Get_Scoring_Card_Values(12, row);
    EXPECT_EQ(std::memcmp(values, row, 9), 0);
    EXPECT_EQ(book.Plays[12].Card_Values[0], -1);
    Rebuild_Play_Cards_From_Table(2);
    EXPECT_EQ(std::memcmp(book.Plays[12].Card_Values, row, 9), 0);
}
