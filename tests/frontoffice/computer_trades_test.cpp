#include <gtest/gtest.h>

#include <vector>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "frontoffice/computer_trades.h"
#include "frontoffice/trade_scoring.h"
#include "support/computer_league.h"
#include "support/test_league.h"
#include "support/trade_offers.h"

namespace {
// True when a trade attempt drew from the league generator.
bool Attempt_Draws(int32_t week) {
    Set_User_Preference(CURRENT_WEEK, week);
    Seed_Random_Numbers(77);
    const uint32_t first = Random_Number();
    Seed_Random_Numbers(77);
    Try_Computer_Trade();
    return Random_Number() != first;
}

int32_t Weight_Of(int32_t team, int32_t id, const TRADE_CANDIDATE_WEIGHTS& weights) {
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        if (Get_Player_ID(team, slot) == id) return weights.Weight[slot];
    return -1;
}
} // namespace

TEST(ComputerTrades, TradingClosesFromWeekTwelveUntilTheFinalAndNeedsTwoComputerTeams) {
    Build_Computer_League();
    EXPECT_TRUE(Attempt_Draws(11));
    EXPECT_FALSE(Attempt_Draws(12));
    EXPECT_EQ(Try_Computer_Trade(), 0);
    EXPECT_TRUE(Attempt_Draws(100)) << "the off-season";
    Set_User_Preference(COMMISSIONER_MODE, 1);
    EXPECT_TRUE(Attempt_Draws(12));
    Set_User_Preference(COMMISSIONER_MODE, 0);
    for (int32_t team = 1; team < TEST_LEAGUE_TEAMS; ++team)
        Set_Team_Stat(team, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    EXPECT_FALSE(Attempt_Draws(3)) << "one computer team";
}

TEST(ComputerTrades, WeightedChoiceAndCandidateWeights) {
    Build_Computer_League();
    TRADE_CANDIDATE_WEIGHTS weights = {};
    EXPECT_EQ(Pick_Weighted_Random_Slot(weights), -1);
    weights.Weight[1] = 1;
    weights.Weight[7] = 3;
    int32_t seventh = 0;
    for (int32_t n = 0; n < 4000; ++n) {
        const int32_t slot = Pick_Weighted_Random_Slot(weights);
        ASSERT_TRUE(slot == 1 || slot == 7);
        seventh += slot == 7;
    }
    EXPECT_NEAR(seventh, 3000, 150);

    // Team T needs every player more than team P does.
    // The yardstick is the receiver's own rating, so his quality counts a third.
    const TEAM_STRENGTH_TABLE kept = Uniform_Needs(1000), wanted = Uniform_Needs(1300);
    const int32_t slot = Get_Team_Position_Player(1, POSITION_WR, 5);
    const int32_t receiver = Get_Player_ID(1, slot);
    const int32_t yardstick = static_cast<int32_t>(Ensure_Player_Minimum_Rating(1, slot));
    Build_Trade_Candidate_Weights(1, 2, kept, wanted, yardstick, &weights);
    EXPECT_EQ(weights.Weight[Get_Team_Position_Player(1, POSITION_K, 0)], 0) << "the only kicker";
    EXPECT_EQ(Weight_Of(1, receiver, weights), 100) << "(1300 - 1000) / 3";
    Delete_Player(1, Get_Team_Position_Player(1, POSITION_WR, 0));
    Build_Trade_Candidate_Weights(1, 2, kept, wanted, yardstick, &weights);
    EXPECT_EQ(Weight_Of(1, receiver, weights), 33) << "down to the minimum of five";
    Build_Trade_Candidate_Weights(1, 2, Uniform_Needs(1400), wanted, yardstick, &weights);
    for (int32_t weight : weights.Weight)
        EXPECT_EQ(weight, 0) << "a team that needs them badly itself";
}

TEST(ComputerTrades, OneReceiverOfAPositionPerSideAndScoresOfUnusableOffers) {
    Build_Computer_League();
    TRADE_OFFER offer = Make_Trade_Offer(1, 2);
    TRADE_CANDIDATE_WEIGHTS weights = {};
    const int32_t first = Get_Team_Position_Player(1, POSITION_WR, 4);
    const int32_t second = Get_Team_Position_Player(1, POSITION_WR, 5);
    weights.Weight[first] = 10;
    weights.Weight[second] = 10;
    ASSERT_EQ(Add_Random_Player_To_Offer(&offer, 1, &weights), 1);
    EXPECT_EQ(Add_Random_Player_To_Offer(&offer, 1, &weights), 0);
    EXPECT_EQ(weights.Weight[first] + weights.Weight[second], 10) << "the other receiver is struck off";
    EXPECT_EQ(offer.Items[0][1], EMPTY_TRADE_ITEM);

    const TEAM_STRENGTH_TABLE table = Uniform_Needs(1000);
    int32_t flag = -1;
    TRADE_OFFER bad = Make_Trade_Offer(1, 1, {3});
    EXPECT_EQ(Score_Trade_Product(&bad, &flag, table, table), INVALID_OFFER_SCORE);
    TRADE_OFFER too_many = Make_Trade_Offer(1, 2, {0, 1, 2, 3});
    for (int32_t slot = 0; slot < 3; ++slot)
        Delete_Player(1, TEST_ROSTER_SIZE - 1 - slot);
    EXPECT_EQ(Score_Trade_Balance(&too_many, &flag, table, table), ILLEGAL_OFFER_SCORE) << "below 51 players";
    TRADE_OFFER empty = Make_Trade_Offer(3, 4);
    EXPECT_EQ(Score_Trade_Product(&empty, &flag, table, table), 903) << "950 x 950 / 1000";
    EXPECT_EQ(Score_Trade_Balance(&empty, &flag, table, table), 0);
    EXPECT_EQ(Get_Offer_Side_Quality(&empty, 0), 30) << "nothing given";
}

TEST(ComputerTrades, BalancingKeepsTeamBJustAboveEven) {
    Build_Computer_League();
    // Team 5 gives next year's first-round pick for nothing.
    Current_Trade_Offer = Make_Trade_Offer(5, 6, {Get_First_Empty_Player_Slot(5) + 7});
    const TEAM_STRENGTH_TABLE table = Build_Needs(6);
    const TRADE_OFFER unbalanced = Current_Trade_Offer;
    const int32_t start = Score_Trade_Offer(&Current_Trade_Offer, table);
    ASSERT_GT(start, 1000);
    ASSERT_EQ(Balance_Offer_With_Draft_Picks(table), 1);
    int32_t score = Score_Trade_Offer(&Current_Trade_Offer, table);
    EXPECT_GT(score, 1000);
    EXPECT_LT(score, start);
    EXPECT_NE(Current_Trade_Offer.Items[1][0], EMPTY_TRADE_ITEM);
    EXPECT_EQ(Current_Trade_Offer.Items[1][2], EMPTY_TRADE_ITEM) << "two picks at most";

    Current_Trade_Offer = unbalanced;
    ASSERT_EQ(Balance_Offer_With_Cash(table), 1);
    score = Score_Trade_Offer(&Current_Trade_Offer, table);
    EXPECT_GT(score, 1000);
    EXPECT_LT(score, start);
    EXPECT_LT(Current_Trade_Offer.Cash, 0) << "team B pays";

    // An offer below even is left alone.
    Current_Trade_Offer = Make_Trade_Offer(5, 6);
    EXPECT_EQ(Balance_Offer_With_Cash(table), 0);
    EXPECT_EQ(Balance_Offer_With_Draft_Picks(table), 0);
    EXPECT_EQ(Current_Trade_Offer.Cash, 0);
    EXPECT_EQ(Current_Trade_Offer.Items[1][0], EMPTY_TRADE_ITEM);
}
