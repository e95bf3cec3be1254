#include <gtest/gtest.h>

#include <cstdint>

#include "database/league_structure.h"
#include "database/roster_slots.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/money.h"
#include "frontoffice/trade_items.h"
#include "frontoffice/trade_screens.h"
#include "frontoffice/trading_block.h"
#include "platform/message_queue.h"
#include "support/computer_league.h"
#include "support/test_league.h"
#include "support/trade_offers.h"

TEST(TradeCash, TypedAmountsAreReadWithOverflowChecksAndHeldToWhatTheTeamCanPay) {
    int64_t amount = 7;
    EXPECT_TRUE(Read_Trade_Cash_Text("$1,500,000", &amount));
    EXPECT_EQ(amount, 1500000);
    EXPECT_TRUE(Read_Trade_Cash_Text("", &amount));
    EXPECT_EQ(amount, 0) << "an empty edit is no cash";
    EXPECT_TRUE(Read_Trade_Cash_Text(" -25", &amount));
    EXPECT_EQ(amount, -25);
    amount = 7;
    for (const char* text : {"abc", "12x", "1.5", "99999999999", "--1", "-", "1-2"}) {
        EXPECT_FALSE(Read_Trade_Cash_Text(text, &amount)) << text;
        EXPECT_EQ(amount, 7) << text;
    }
    EXPECT_TRUE(Read_Trade_Cash_Text("9999999999", &amount)) << "ten digits are still read";

    Build_Test_League();
    Universe.Header.Universe_Stats[INFLATION_FACTOR] = 1000;
    Set_User_Preference(OWNER_MODE, 1);
    Set_Team_Financial_Stat(3, FINANCE_CASH, 2345678);
    EXPECT_EQ(Get_Money_Step_Dollars(), 100000);
    EXPECT_EQ(Get_Trade_Cash_Limit(3), 2300000) << "floored to the step";
    EXPECT_EQ(Hold_Trade_Cash(9999999999LL, 3), 2300000);
    EXPECT_EQ(Hold_Trade_Cash(-5, 3), 0);
    EXPECT_EQ(Step_Trade_Cash(2300000, 1, 3), 2300000);
    EXPECT_EQ(Step_Trade_Cash(50000, 0, 3), 0);
    Set_Team_Financial_Stat(3, FINANCE_CASH, 900000000);
    EXPECT_EQ(Get_Trade_Cash_Limit(3), 100000000) << "100,000,000 at most";
    Set_Team_Financial_Stat(3, FINANCE_CASH, -400000);
    EXPECT_EQ(Get_Trade_Cash_Limit(3), 0) << "a team in debt pays nothing";
}

TEST(TradeCash, TheUsersSideAndTheMarksOfATradeMade) {
    Build_Computer_League();
    Set_User_Team(2);
    Set_User_Preference(VIEWED_TEAM, 9);
    EXPECT_EQ(Get_Trade_User_Team(), 2);
    Set_User_Preference(COMMISSIONER_MODE, 1);
    EXPECT_EQ(Get_Trade_User_Team(), 9) << "the commissioner trades for the viewed team";
    Set_User_Preference(VIEWED_TEAM, FREE_AGENT_TEAM);
    EXPECT_EQ(Get_Trade_User_Team(), 2) << "a pool makes no trades";
    EXPECT_EQ(Get_Trade_Team_Index(2), 3) << "the user's side is skipped";
    Set_User_Preference(COMMISSIONER_MODE, 0);

    Set_User_Preference(TRADE_MADE_FLAG, 0);
    TRADE_OFFER refused = Make_Trade_Offer(2, 3, {}, {1, 2, 3});
    EXPECT_EQ(Carry_Out_Trade_Offer(&refused), 0);
    EXPECT_EQ(refused.Reserved, 0);
    EXPECT_EQ(Get_Trade_Item_Count(&refused, 1), 3) << "the offer stays";
    EXPECT_EQ(Get_User_Preference(TRADE_MADE_FLAG), 0);
    char reason[TEXT_BUFFER_SIZE];
    Get_Refused_Trade_Reason(&refused, reason);
    EXPECT_STREQ(reason, "Hawks would have less than 51 players.") << "team 3 left with 50";
    TRADE_OFFER made = Make_Trade_Offer(2, 3, {4}, {4});
    EXPECT_EQ(Carry_Out_Trade_Offer(&made), 1);
    EXPECT_EQ(made.Reserved, 1);
    EXPECT_EQ(Get_User_Preference(TRADE_MADE_FLAG), 1);
}

TEST(TradingBlock, TheSearchStopsWhenTheProgramIsAskedToEnd) {
    Build_Computer_League();
    Set_User_Team(0);
    Init_Trade_Offer(&Current_Trade_Offer);
    Current_Trade_Offer.Team[0] = 0;
    Current_Trade_Offer.Team[1] = 1;
    Current_Trade_Offer.Items[0][0] = static_cast<uint8_t>(Get_First_Empty_Player_Slot(0) + 2);
    static int32_t asked;
    asked = 0;
    Collect_Trading_Block_Offers(BLOCK_REQUEST_CASH, nullptr, [](int32_t team, int32_t) {
        ++asked;
        if (team == 3) Request_Quit(0);
    });
    Reset_Message_Queue();
    EXPECT_EQ(asked, 4) << "no team is asked after the fourth";
}
