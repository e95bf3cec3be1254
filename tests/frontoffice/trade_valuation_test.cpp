#include <gtest/gtest.h>

#include <vector>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_operations.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "frontoffice/team_needs.h"
#include "frontoffice/trade_execution.h"
#include "frontoffice/trade_scoring.h"
#include "frontoffice/trade_values.h"
#include "personnel/draft_order.h"
#include "support/computer_league.h"
#include "support/test_league.h"
#include "support/trade_offers.h"

namespace {
int32_t Score_B(TRADE_OFFER offer) {
    return Score_Trade_Offer(&offer, Build_Needs(offer.Team[1]));
}

int32_t Score_A(TRADE_OFFER offer) {
    return Score_Trade_Offer_For_Team_A(&offer, Build_Needs(offer.Team[0]));
}

// Item code of a team's n-th pick.
int32_t Pick(int32_t team, int32_t n) {
    return Get_First_Empty_Player_Slot(team) + n;
}

// Value of a team's own pick of a year and round at its projected place.
int32_t Own_Pick_Value(int32_t team, int32_t year, int32_t round) {
    Set_Projected_Draft_Order();
    return Get_Draft_Pick_Trade_Value(year, round, Get_Team_Draft_Position(team));
}
} // namespace

TEST(TradeValuation, ScoreFormulaWithCashAndPicks) {
    Build_Computer_League();
    // Picks are counted draft by draft, round by round, in draft order: a
    // team's n-th pick is (year n / 7, round n % 7).
    EXPECT_EQ(Score_B(Make_Trade_Offer(1, 2, {}, {})), 950) << "an empty offer";
    EXPECT_EQ(Score_A(Make_Trade_Offer(1, 2, {}, {})), 950);
    // Cash of 227,000 is 63 on the standard cap: a gain of 21 against nothing.
    EXPECT_EQ(Score_B(Make_Trade_Offer(1, 2, {}, {}, 227000)), 10500);
    const int32_t first_round = Own_Pick_Value(2, 0, 0);
    EXPECT_EQ(Score_B(Make_Trade_Offer(1, 2, {}, {Pick(2, 0)}, 227000)),
              (21000 + first_round / 2) / first_round)
        << "no floor once the loss reaches 2400";
    // A gain of 100 against a pick worth less than 2400 is raised to the floor.
    const int32_t late = Own_Pick_Value(2, 2, 2);
    ASSERT_LT(late, 2400);
    EXPECT_EQ(Score_B(Make_Trade_Offer(1, 2, {}, {Pick(2, 16)}, 1080000)),
              std::max((100000 + late / 2) / late, 600 - late / 4));
    // An even swap of next year's first-round picks scores near 1000 both ways.
    const TRADE_OFFER swap = Make_Trade_Offer(1, 2, {Pick(1, 7)}, {Pick(2, 7)});
    EXPECT_NEAR(Score_B(swap), 1000, 50);
    EXPECT_NEAR(Score_A(swap), 1000, 50);
    EXPECT_GT(Score_B(swap), Score_A(swap)) << "the earlier pick is worth more";
}

TEST(TradeValuation, TheUserOfferingNothingIsRefused) {
    Build_Computer_League();
    Set_User_Team(0);
    EXPECT_EQ(Score_B(Make_Trade_Offer(0, 5, {}, {3}, 999)), TRADE_REFUSED_SCORE);
    EXPECT_NE(Score_B(Make_Trade_Offer(0, 5, {}, {3}, 1000)), TRADE_REFUSED_SCORE);
    EXPECT_NE(Score_B(Make_Trade_Offer(5, 0, {3}, {})), TRADE_REFUSED_SCORE) << "only the user's own offer";
}

TEST(TradeValuation, DraftPickValues) {
    Build_Computer_League();
    EXPECT_EQ(Get_Draft_Pick_Trade_Value(0, 0, 0), 14800);
    EXPECT_EQ(Get_Draft_Pick_Trade_Value(1, 0, 0), 11840) << "a fifth less a year further away";
    EXPECT_EQ(Get_Draft_Pick_Trade_Value(0, 0, 16), 4810) << "the middle of the first round: 975";
    EXPECT_EQ(Get_Draft_Pick_Trade_Value(0, 6, 32), 10) << "the end of round 7: 2";
    Set_Draft_Order_Entry(5, 4);
    EXPECT_EQ(Get_Team_Draft_Position(5), 32) << "a team missing from the order picks last";
    // Two picks: a computer team's package counts 20 % more, a human team's
    // 10 % less, and 20 % less again for each pick it traded away before.
    Set_Projected_Draft_Order();
    const int32_t two = Own_Pick_Value(3, 0, 0) + Own_Pick_Value(3, 0, 1);
    TRADE_OFFER offer = Make_Trade_Offer(3, 4, {Pick(3, 0), Pick(3, 1)}, {});
    EXPECT_EQ(Get_Offer_Picks_Value(&offer, 0), (two * 1200 + 500) / 1000);
    Set_Team_Stat(3, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    EXPECT_EQ(Get_Offer_Picks_Value(&offer, 0), (two * 900 + 500) / 1000);
    ASSERT_EQ(Implement_Trade(&offer), 1);
    EXPECT_EQ(Get_Team_Stat(3, 8), 2) << "picks a human team traded away";
    offer = Make_Trade_Offer(3, 4, {Pick(3, 0), Pick(3, 1)}, {});
    const int32_t next_two = Own_Pick_Value(3, 0, 2) + Own_Pick_Value(3, 0, 3);
    EXPECT_EQ(Get_Offer_Picks_Value(&offer, 0), (next_two * 500 + 500) / 1000);
}

TEST(TradeValuation, CashByDifficultyAndPlayersWithoutPotential) {
    EXPECT_EQ(Adjust_Cash_For_Difficulty(1000, 0), 1200);
    EXPECT_EQ(Adjust_Cash_For_Difficulty(-1000, 0), -800);
    EXPECT_EQ(Adjust_Cash_For_Difficulty(1000, 3), 600);
    EXPECT_EQ(Adjust_Cash_For_Difficulty(-1000, 3), -1400);
    Build_Computer_League();
    const int32_t slot = 20;
    Rescale_Player_Ratings(6, slot, 60.0f);
    EXPECT_EQ(Get_Player_Trade_Value(6, slot), 0) << "potential below 65";
    EXPECT_LE(Get_Player_Trade_Value_For_Team(7, 6, slot, 400), 0) << "only his salary counts";
    // The role he would have: a far better player starts anywhere.
    const int32_t star = Get_Team_Position_Player(6, POSITION_RB, 2);
    Rescale_Player_Ratings(6, star, 95.0f);
    EXPECT_EQ(Get_Player_Role_For_Team(7, 6, star), ROLE_STARTER);
    Set_Player_Vital_Stat(6, slot, VITAL_PEAK_AGE, Get_Player_Calendar_Age(6, slot) + 1);
    EXPECT_EQ(Get_Player_Role_For_Team(7, 6, slot), ROLE_YOUNG_BACKUP);
    Set_Player_Vital_Stat(6, slot, VITAL_PEAK_AGE, Get_Player_Calendar_Age(6, slot));
    EXPECT_EQ(Get_Player_Role_For_Team(7, 6, slot), ROLE_VETERAN_BACKUP);
}
