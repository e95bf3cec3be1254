#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "database/universe.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/player_value.h"
#include "frontoffice/trade_execution.h"
#include "frontoffice/trade_items.h"
#include "frontoffice/trade_legality.h"
#include "frontoffice/trade_screens.h"
#include "personnel/player_generation.h"
#include "support/computer_league.h"
#include "support/debug_log.h"
#include "support/test_league.h"
#include "support/trade_offers.h"

namespace {
std::vector<int32_t> Roster_Ids(int32_t team) {
    std::vector<int32_t> ids;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        if (Is_Player_Slot_Used(team, slot)) ids.push_back(Get_Player_ID(team, slot));
    std::sort(ids.begin(), ids.end());
    return ids;
}

int32_t Slot_Of(int32_t team, int32_t id) {
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        if (Get_Player_ID(team, slot) == id) return slot;
    return -1;
}

// Players leave from the receivers on, so every unit keeps players.
void Resize_Roster(int32_t team, int32_t players) {
    while (Get_First_Empty_Player_Slot(team) > players)
        Delete_Player(team, Test_League_Slot(POSITION_WR, 0));
    while (Get_First_Empty_Player_Slot(team) < players)
        Create_Player_For_Team(team, Get_First_Empty_Player_Slot(team), POSITION_LB, 60);
}

// The team becomes the one the user runs.
void Make_User_Team(int32_t team) {
    Set_Team_Stat(team, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_User_Team(team);
}

int32_t Legal(const TRADE_OFFER& offer) {
    return Check_Trade_Legality(&offer, nullptr);
}

int32_t Formed(const TRADE_OFFER& offer) {
    return Is_Trade_Offer_Well_Formed(&offer);
}

int32_t Implement(const TRADE_OFFER& offer) {
    return Implement_Trade(&offer);
}

std::string Reason(const TRADE_OFFER& offer) {
    char reason[TEXT_BUFFER_SIZE];
    EXPECT_EQ(Check_Trade_Legality(&offer, reason), 0);
    return reason;
}
} // namespace

TEST(TradeOffer, RecordOperations) {
    TRADE_OFFER offer;
    std::memset(&offer, 0x5A, sizeof offer);
    Init_Trade_Offer(&offer);
    EXPECT_EQ(offer.Team[0], NO_TRADE_TEAM);
    EXPECT_EQ(offer.Items[1][14], EMPTY_TRADE_ITEM);
    EXPECT_EQ(offer.Reserved, 0);
    offer = Make_Trade_Offer(3, 4, {1, 2}, {7}, INT32_MIN);
    const TRADE_OFFER before = offer;
    Swap_Trade_Offer_Sides(&offer);
    EXPECT_EQ(offer.Team[0], 4);
    EXPECT_EQ(offer.Items[0][0], 7);
    Swap_Trade_Offer_Sides(&offer);
    EXPECT_EQ(std::memcmp(&offer, &before, sizeof offer), 0) << "two swaps restore even the extreme cash";
    EXPECT_EQ(Can_Add_Trade_Item(&offer, 0, 1), 0) << "already on that side";
    Add_Trade_Item(&offer, 0, 9);
    EXPECT_EQ(Get_Trade_Item_Count(&offer, 0), 3);
    Remove_Trade_Item_At(&offer, 0, 0);
    EXPECT_EQ(offer.Items[0][0], 2);
    EXPECT_EQ(offer.Items[0][1], 9);
    EXPECT_EQ(Get_Trade_Item_Count(&offer, 0), 2);
}

TEST(TradeLegality, RosterSizesCapAndForm) {
    Build_Computer_League();
    // Two-for-one: the receiver of two at 99 players reaches 100 and passes;
    // at 100 it has no room for one more.
    Resize_Roster(1, 99);
    EXPECT_EQ(Legal(Make_Trade_Offer(2, 1, {0, 1}, {0})), 1);
    Resize_Roster(1, 100);
    EXPECT_EQ(Reason(Make_Trade_Offer(2, 1, {0, 1}, {0})), "The Rams do not have room for 1 more players.");
    // The minimum: 51 players, only for a team that loses players.
    Resize_Roster(2, 51);
    EXPECT_EQ(Reason(Make_Trade_Offer(2, 3, {0, 1}, {0})), "Bears would have less than 51 players.");
    Resize_Roster(2, 49);
    EXPECT_EQ(Legal(Make_Trade_Offer(2, 3, {0}, {0})), 1) << "already below, loses nobody";
    // Picks only: no roster count and no payroll changes, even at 100 players.
    const int32_t picks_a = Get_First_Empty_Player_Slot(1), picks_b = Get_First_Empty_Player_Slot(4);
    EXPECT_EQ(Legal(Make_Trade_Offer(1, 4, {picks_a}, {picks_b + 2})), 1);
    // Form: the same player twice is ill formed, the same pick twice is not.
    EXPECT_EQ(Formed(Make_Trade_Offer(4, 5, {3, 3}, {})), 0);
    EXPECT_EQ(Formed(Make_Trade_Offer(4, 5, {53, 53}, {})), 1);
    EXPECT_EQ(Formed(Make_Trade_Offer(4, 4, {1}, {2})), 0) << "a team with itself";
    EXPECT_EQ(Formed(Make_Trade_Offer(4, 40, {1}, {})), 0) << "a pool is no partner";
    EXPECT_EQ(Formed(Make_Trade_Offer(4, 5, {53 + 21}, {})), 0) << "only 21 picks";
    // A team over the cap may trade for a cheaper player, not a dearer one.
    Set_Player_Vital_Stat(5, 3, VITAL_SALARY, 5000);
    Set_Player_Vital_Stat(5, 4, VITAL_SALARY, 500);
    Set_Player_Vital_Stat(6, 3, VITAL_SALARY, 5000);
    Set_Player_Vital_Stat(6, 4, VITAL_SALARY, 500);
    Set_Player_Vital_Stat(5, 5, VITAL_SALARY, 60000);
    Universe.Header.Universe_Stats[SALARY_CAP] = (Get_Team_Financial_Stat(5, FINANCE_PAYROLL) - 1) * 1000;
    EXPECT_EQ(Legal(Make_Trade_Offer(5, 6, {3}, {4})), 1);
    EXPECT_EQ(Reason(Make_Trade_Offer(5, 6, {4}, {3})), "Rams would exceed league salary cap.");
    Universe.Header.Universe_Stats[SALARY_CAP] = 0;
    EXPECT_EQ(Legal(Make_Trade_Offer(5, 6, {4}, {3})), 1) << "no cap, no cap rule";
}

TEST(TradeExecution, PicksAreResolvedBeforeAnyChangesHands) {
    Build_Computer_League();
    // A team of 45 gives its first pick (code 45) and its third (47), listed
    // in reverse order.
    Resize_Roster(7, 45);
    int32_t year[2], round[2], issuer[2];
    ASSERT_TRUE(Find_Team_Draft_Pick(7, 0, &year[0], &round[0], &issuer[0]));
    ASSERT_TRUE(Find_Team_Draft_Pick(7, 2, &year[1], &round[1], &issuer[1]));
    ASSERT_EQ(Implement(Make_Trade_Offer(7, 8, {47, 45}, {10})), 1);
    EXPECT_EQ(Get_Draft_Pick_Owner(year[0], round[0], issuer[0]), 8);
    EXPECT_EQ(Get_Draft_Pick_Owner(year[1], round[1], issuer[1]), 8);
    EXPECT_EQ(Count_Team_Owned_Draft_Picks(7), 19);
    EXPECT_EQ(Count_Team_Owned_Draft_Picks(8), 23);
}

TEST(TradeExecution, PlayersAndCashChangeHandsAndTheReverseTradeRestoresBoth) {
    Build_Computer_League();
    const std::vector<int32_t> ids_a = Roster_Ids(15), ids_b = Roster_Ids(16);
    const int32_t given_a = Get_Player_ID(15, 4), given_b1 = Get_Player_ID(16, 10),
                  given_b2 = Get_Player_ID(16, 30);
    const int64_t cash =
        Get_Team_Financial_Stat(15, FINANCE_CASH) + Get_Team_Financial_Stat(16, FINANCE_CASH);
    ASSERT_EQ(Implement(Make_Trade_Offer(15, 16, {4}, {10, 30}, 250000)), 1);
    EXPECT_GE(Slot_Of(16, given_a), 0);
    EXPECT_GE(Slot_Of(15, given_b1), 0);
    EXPECT_GE(Slot_Of(15, given_b2), 0);
    EXPECT_EQ(Get_First_Empty_Player_Slot(15), TEST_ROSTER_SIZE + 1);
    EXPECT_EQ(Get_Team_Financial_Stat(15, FINANCE_CASH) + Get_Team_Financial_Stat(16, FINANCE_CASH), cash);
    ASSERT_EQ(Implement(Make_Trade_Offer(15, 16, {Slot_Of(15, given_b1), Slot_Of(15, given_b2)},
                                         {Slot_Of(16, given_a)}, -250000)),
              1);
    EXPECT_EQ(Roster_Ids(15), ids_a);
    EXPECT_EQ(Roster_Ids(16), ids_b);
    EXPECT_EQ(Get_Team_Financial_Stat(15, FINANCE_CASH) + Get_Team_Financial_Stat(16, FINANCE_CASH), cash);
}

TEST(TradeExecution, CashOnlyTradesAndTheCashBounds) {
    Build_Computer_League();
    const std::vector<int32_t> ids_a = Roster_Ids(9), ids_b = Roster_Ids(10);
    Set_Team_Financial_Stat(9, FINANCE_CASH, 300000);
    const int32_t cash_b = Get_Team_Financial_Stat(10, FINANCE_CASH);
    ASSERT_EQ(Implement(Make_Trade_Offer(9, 10, {}, {}, 500000)), 1);
    EXPECT_EQ(Get_Team_Financial_Stat(9, FINANCE_CASH), -200000);
    EXPECT_EQ(Get_Team_Financial_Stat(10, FINANCE_CASH), cash_b + 500000);
    EXPECT_EQ(Roster_Ids(9), ids_a);
    EXPECT_EQ(Roster_Ids(10), ids_b);
    Set_Team_Financial_Stat(9, FINANCE_CASH, -99900000);
    Set_Team_Financial_Stat(10, FINANCE_CASH, 999900000);
    ASSERT_EQ(Implement(Make_Trade_Offer(9, 10, {}, {}, 500000)), 1);
    EXPECT_EQ(Get_Team_Financial_Stat(9, FINANCE_CASH), -100000000);
    EXPECT_EQ(Get_Team_Financial_Stat(10, FINANCE_CASH), 1000000000);
    // The extreme amounts never wrap.
    Set_Team_Financial_Stat(9, FINANCE_CASH, 0);
    ASSERT_EQ(Implement(Make_Trade_Offer(9, 10, {}, {}, INT32_MIN)), 1);
    EXPECT_EQ(Get_Team_Financial_Stat(9, FINANCE_CASH), 1000000000);
}

TEST(TradeExecution, RefusedTradesMoveNobody) {
    Build_Computer_League();
    // A roster with a gap counts 50 players but holds 99: two arrivals do not fit.
    Resize_Roster(11, 100);
    Clear_Player(11, 50);
    const std::vector<int32_t> ids_a = Roster_Ids(11), ids_b = Roster_Ids(12);
    EXPECT_EQ(Implement(Make_Trade_Offer(11, 12, {}, {3, 4})), 0);
    EXPECT_EQ(Roster_Ids(11), ids_a);
    EXPECT_EQ(Roster_Ids(12), ids_b);
    // An illegal offer is logged and changes nothing.
    Clear_Debug_Log();
    EXPECT_EQ(Implement(Make_Trade_Offer(12, 12, {3}, {4})), 0);
    EXPECT_EQ(Count_Debug_Lines("Invalid TRADE_OFFER passed to Implement_Trade()"), 1);
    EXPECT_EQ(Roster_Ids(12), ids_b);
}

TEST(TradeExecution, AHumanTeamStartsABetterNewcomerAndKeepsItsOrder) {
    Build_Computer_League();
    constexpr int32_t human = 13, partner = 14;
    Make_User_Team(human);
    const int32_t newcomer = Get_Team_Position_Player(partner, POSITION_QB, 0);
    Rescale_Player_Ratings(partner, newcomer, 95.0f);
    const int32_t newcomer_id = Get_Player_ID(partner, newcomer);
    const int32_t starter_id = Get_Player_ID(human, Get_Team_Position_Player(human, POSITION_QB, 0));
    ASSERT_GT(Get_Player_Value(partner, newcomer), Get_Player_Value(human, Slot_Of(human, starter_id)));
    const int32_t lineman = Get_Team_Position_Player(human, POSITION_G, 3);
    ASSERT_EQ(Implement(Make_Trade_Offer(human, partner, {lineman}, {newcomer})), 1);
    EXPECT_EQ(Get_Player_ID(human, Get_Team_Position_Player(human, POSITION_QB, 0)), newcomer_id);
    EXPECT_GE(Slot_Of(human, starter_id), 0);
}

TEST(TradeExecution, TwoFullRostersExchangePlayersAndLoseNobody) {
    Build_Computer_League();
    // Filled up with copies of a linebacker under new ids (quicker than new players).
    int32_t next_id = 800000;
    for (int32_t team : {17, 18})
        for (int32_t slot = Get_First_Empty_Player_Slot(team); slot < PLAYERS_PER_TEAM; ++slot) {
            Copy_Player(team, slot, 20, Test_League_Slot(POSITION_LB, 0));
            Set_Player_Vital_Stat(team, slot, VITAL_PLAYER_ID, next_id++);
        }
    const int32_t from_a = Get_Player_ID(17, 2), from_b = Get_Player_ID(18, 40);
    std::vector<int32_t> ids = Roster_Ids(17);
    const std::vector<int32_t> other = Roster_Ids(18);
    ids.insert(ids.end(), other.begin(), other.end());
    ASSERT_EQ(Implement(Make_Trade_Offer(17, 18, {2}, {40})), 1);
    EXPECT_GE(Slot_Of(18, from_a), 0);
    EXPECT_GE(Slot_Of(17, from_b), 0);
    // The computer teams cut down afterwards; those cut are free agents.
    for (int32_t id : ids)
        EXPECT_TRUE(Slot_Of(17, id) >= 0 || Slot_Of(18, id) >= 0 || Slot_Of(FREE_AGENT_TEAM, id) >= 0) << id;
}

TEST(TradeExecution, ANewcomerTakesTheFirstFreeSlotWhereTheDepartedStarterStood) {
    Build_Computer_League();
    constexpr int32_t human = 21, partner = 22;
    Make_User_Team(human);
    // The user's starting quarterback goes for the partner's backup, who is
    // worse than the user's own backup: he still takes the starter's slot.
    const int32_t starter = Get_Team_Position_Player(human, POSITION_QB, 0);
    const int32_t backup_id = Get_Player_ID(human, Get_Team_Position_Player(human, POSITION_QB, 1));
    const int32_t newcomer = Get_Team_Position_Player(partner, POSITION_QB, 1);
    Rescale_Player_Ratings(partner, newcomer, 40.0f);
    const int32_t newcomer_id = Get_Player_ID(partner, newcomer);
    // He keeps his number even when a team-mate wears it.
    const int32_t number = Get_Player_Byte_Field(human, starter + 1, PLAYER_BYTE_UNIFORM);
    Set_Player_Byte_Field(partner, newcomer, PLAYER_BYTE_UNIFORM, number);
    ASSERT_EQ(Implement(Make_Trade_Offer(human, partner, {starter}, {newcomer})), 1);
    EXPECT_EQ(Get_Player_ID(human, starter), newcomer_id) << "in the departed starter's slot";
    EXPECT_EQ(Get_Player_ID(human, Get_Team_Position_Player(human, POSITION_QB, 1)), backup_id);
    EXPECT_EQ(Get_Player_Byte_Field(human, starter, PLAYER_BYTE_UNIFORM), number);
    EXPECT_EQ(Get_Player_Latest_Season_Line(human, starter) >= 0 &&
                  Get_Season_Line_Team(Get_Player_Latest_Season_Line(human, starter)) == human,
              true)
        << "a season line with his new team";
}

// The pick lookups of the trade screens: a team's tradeable picks counted by
// draft, the item code of its n-th pick first owned by a given team (none
// once it has no such pick), an offer handed to the screens, and the fewest
// players a trade may leave: 51, less the picks still to make while the
// college draft runs.
TEST(TradeItems, PickLookupsHandedOffersAndTheRosterMinimum) {
    Build_Computer_League();
    // Team 6 owns its own 21 picks and, in the second draft, team 9's first round pick.
    Set_Draft_Pick_Owner(1, 0, 9, 6);
    EXPECT_EQ(Count_Team_Owned_Draft_Picks_In_Year(6, 0), 7);
    EXPECT_EQ(Count_Team_Owned_Draft_Picks_In_Year(6, 1), 8);
    EXPECT_EQ(Count_Team_Owned_Draft_Picks_In_Year(6, 3), 0) << "no fourth draft";
    EXPECT_EQ(Count_Team_Owned_Draft_Picks(6), 22);
    EXPECT_EQ(Count_Team_Owned_Draft_Picks_In_Year(9, 1), 6);
    const int32_t players = Get_First_Empty_Player_Slot(6);
    const int32_t code = Find_Pick_Code_By_First_Owner(6, 9, 0);
    ASSERT_GE(code, players);
    int32_t year = 0, round = 0, issuer = 0;
    ASSERT_TRUE(Find_Team_Draft_Pick(6, code - players, &year, &round, &issuer));
    EXPECT_EQ(year, 1);
    EXPECT_EQ(round, 0);
    EXPECT_EQ(issuer, 9);
    EXPECT_EQ(Find_Pick_Code_By_First_Owner(6, 9, 1), -1) << "only one of team 9's";
    const int32_t own_last = Find_Pick_Code_By_First_Owner(6, 6, 20);
    ASSERT_GE(own_last, players);
    ASSERT_TRUE(Find_Team_Draft_Pick(6, own_last - players, &year, &round, &issuer));
    EXPECT_EQ(year * 100 + round * 10 + (issuer == 6), 261) << "its own last pick";
    EXPECT_EQ(Find_Pick_Code_By_First_Owner(6, 6, 21), -1);
    EXPECT_EQ(Find_Pick_Code_By_First_Owner(6, 6, -1), -1);

    const TRADE_OFFER offer = Make_Trade_Offer(6, 9, {2, code}, {4}, 5000);
    Set_Current_Trade_Offer(&offer);
    EXPECT_EQ(std::memcmp(&Current_Trade_Offer, &offer, sizeof offer), 0);

    EXPECT_EQ(Get_Trade_Roster_Minimum(6), MIN_TRADE_ROSTER) << "no draft";
    Set_User_Preference(DRAFT_ROUND, 0);
    Set_User_Preference(DRAFT_PICK, 0);
    Copy_Player(38, 0, 6, 5);
    Set_Player_Vital_Stat(38, 0, VITAL_PLAYER_ID, 777001);
    EXPECT_EQ(Get_Trade_Roster_Minimum(6), MIN_TRADE_ROSTER - 7) << "seven picks still to make";
    EXPECT_EQ(Get_Trade_Roster_Minimum(9), MIN_TRADE_ROSTER - 7);
    EXPECT_EQ(Get_Trade_Roster_Minimum(NO_TEAM), MIN_TRADE_ROSTER) << "no team, no picks";
    Set_User_Preference(DRAFT_ROUND, 7);
    EXPECT_EQ(Get_Trade_Roster_Minimum(6), MIN_TRADE_ROSTER) << "the draft is over";
}
