#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "column_set_steps.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "dialogs/listview_engine.h"
#include "dialogs/player_list_kind.h"
#include "dialogs/scouting_report.h"
#include "dialogs/trade_answer_dialogs.h"
#include "dialogs/trades_dialog.h"
#include "dialogs/trading_block_dialog.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/trade_offer.h"
#include "frontoffice/trade_screens.h"
#include "frontoffice/trading_block.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/list_box.h"
#include "platform/list_view.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "platform/windows.h"
#include "support/computer_league_dialogs.h"
#include "support/dialog_steps.h"
#include "support/frame_fixture.h"
#include "support/report_steps.h"
#include "support/test_league.h"
#include "support/trade_offers.h"

namespace {
constexpr int32_t USER = 0;

class TradingBlockDialog : public ComputerLeagueDialogTest {
  protected:
    void Prepare_League() override {
        Set_User_Preference(CURRENT_WEEK, 3);
        Set_User_Preference(DRAFT_ROUND, 7);
        Set_User_Preference(TRADING_BLOCK_REQUEST, BLOCK_REQUEST_ANY_PLAYERS);
    }
};

// Selects the row of list view 1424 with the id and double-clicks it.
void Put_On_Block(WINDOW_HANDLE dialog, intptr_t row_id) {
    const WINDOW_HANDLE list = Get_Dialog_Item(dialog, BLOCK_PLAYER_LIST);
    const int32_t row = static_cast<int32_t>(
        Send_Window_Message(list, MSG_LIST_VIEW_FIND_ITEM_DATA, static_cast<uintptr_t>(-1), row_id));
    ASSERT_GE(row, 0) << row_id;
    List_View_Set_Item_State(list, row, ITEM_SELECTED, ITEM_SELECTED);
    NOTIFY_INFO notice{list, BLOCK_PLAYER_LIST, NOTIFY_DOUBLE_CLICK, row, 0, 0, 0, 0, row_id, 0, 0, 0};
    Send_Window_Message(dialog, MSG_NOTIFY, BLOCK_PLAYER_LIST, reinterpret_cast<intptr_t>(&notice));
}

std::string Last_Caption() {
    return Get_Shown_Messages().empty() ? std::string() : Get_Shown_Messages().back().Caption;
}
} // namespace

TEST_F(TradingBlockDialog, AnOfferFromTheBlockIsSignedInTheTradesDialog) {
    const int32_t offered = Get_Player_Vital_Stat(USER, 2, VITAL_PLAYER_ID);
    int32_t partner = -1;
    Script_Dialog_Answer(TRADE_OFFER_RESPONSE_DIALOG, 1);
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        EXPECT_EQ(
            Get_Dialog_Item_Text(dialog, BLOCK_PROGRESS_TEXT),
            "Warning: The Akron Comets only have 53 players.\n(The minimum roster size is 51 players.)");
        Click_Dialog_Button(dialog, BLOCK_GET_OFFERS);
        EXPECT_EQ(Last_Caption(), "Trading Block") << "an empty block asks for a player first";
        Put_On_Block(dialog, Get_Block_Player_Row_Id(USER, 2));
        Put_On_Block(dialog, Get_Block_Pick_Row_Id(1));
        EXPECT_EQ(Count_Dialog_Lines(dialog, BLOCK_LIST), 2);
        EXPECT_EQ(Current_Trade_Offer.Items[0][1], Get_First_Empty_Player_Slot(USER) + 1)
            << "a pick's item code";
        Click_Dialog_Button(dialog, BLOCK_GET_OFFERS);
        ASSERT_GT(Count_Dialog_Lines(dialog, BLOCK_OFFERS_LIST), 0);
        Keep_Dialog_Picture(dialog, "trading_block");
        partner = Trading_Block_Offers[0].Team[1];
        // The offer the partner likes least comes first and opens in the Trades dialog.
        Choose_Dialog_Line(dialog, BLOCK_OFFERS_LIST, 0);
        Script_Dialog_Step([](WINDOW_HANDLE trades) {
            EXPECT_EQ(Count_Dialog_Lines(trades, TRADE_USER_OFFER), 2) << "the block is the offer";
            EXPECT_GT(Count_Dialog_Lines(trades, TRADE_PARTNER_OFFER), 0);
            Click_Dialog_Button(trades, TRADE_SUBMIT);
            Click_Dialog_Button(trades, ID_OK);
        });
        Double_Click_Dialog_Line(dialog, BLOCK_OFFERS_LIST);
        EXPECT_EQ(Count_Dialog_Lines(dialog, BLOCK_LIST), 0)
            << "a trade made empties the block: Init_Trading_Block sets it up anew";
        EXPECT_EQ(Count_Dialog_Lines(dialog, BLOCK_OFFERS_LIST), 0);
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, TRADING_BLOCK_DIALOG, 0), ID_OK);
    ASSERT_GE(partner, 0);
    bool moved = false;
    for (int32_t slot = 0; slot < Get_First_Empty_Player_Slot(partner); ++slot)
        moved = moved || Get_Player_Vital_Stat(partner, slot, VITAL_PLAYER_ID) == offered;
    EXPECT_TRUE(moved) << "the player on the block went to " << partner;
    EXPECT_EQ(Get_User_Preference(TRADE_MADE_FLAG), 1);
}

// Init_Trading_Block, run as the block opens: the request and the partner
// the settings name, brought into range, and the offer in hand kept only
// while the college draft runs.
TEST_F(TradingBlockDialog, SettingsOutOfRangeTheCashSpinAndTheRoadOutOfTheDraft) {
    Set_User_Preference(TRADING_BLOCK_REQUEST, 250);
    Set_User_Preference(STAT_SEASON_CHOICE, 77);
    Set_User_Preference(TRADE_PARTNER_TEAM, -128);
    Set_Team_Financial_Stat(USER, FINANCE_CASH, 250000);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Dialog_Line(dialog, BLOCK_REQUEST_COMBO), BLOCK_REQUEST_CASH)
            << "Init_Trading_Block chooses the last request";
        EXPECT_EQ(Current_Trade_Offer.Team[1], 1) << "a partner the block can name";
        // The cash spin stops at what the team has, in whole steps.
        for (int32_t n = 0; n < 4; ++n)
            Send_Window_Message(dialog, MSG_VERTICAL_SCROLL, SCROLL_THUMB_POSITION | (1u << 16),
                                static_cast<intptr_t>(Get_Dialog_Item(dialog, BLOCK_CASH_SPIN)));
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, BLOCK_CASH_EDIT), "200,000");
        // An amount typed past it steps down from what was typed: to the limit.
        Type_Dialog_Text(dialog, BLOCK_CASH_EDIT, "9,000,000");
        Send_Window_Message(dialog, MSG_VERTICAL_SCROLL, SCROLL_THUMB_POSITION,
                            static_cast<intptr_t>(Get_Dialog_Item(dialog, BLOCK_CASH_SPIN)));
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, BLOCK_CASH_EDIT), "200,000");
        Put_On_Block(dialog, Get_Block_Player_Row_Id(USER, 5));
        // Typed past what the team holds, the amount goes into the offers as
        // it stands.
        Choose_Dialog_Line(dialog, BLOCK_REQUEST_COMBO, BLOCK_REQUEST_ANY_PLAYERS);
        Type_Dialog_Text(dialog, BLOCK_CASH_EDIT, "9,000,000");
        Click_Dialog_Button(dialog, BLOCK_GET_OFFERS);
        EXPECT_EQ(Current_Trade_Offer.Cash, 9000000);
        Choose_Dialog_Line(dialog, BLOCK_REQUEST_COMBO, BLOCK_REQUEST_CASH);
        Click_Dialog_Button(dialog, BLOCK_GET_OFFERS);
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, BLOCK_CASH_EDIT), "0") << "asking for cash offers none";
        Choose_Dialog_Line(dialog, BLOCK_REQUEST_COMBO, BLOCK_REQUEST_ANY_PLAYERS);
        EXPECT_EQ(Get_User_Preference(TRADING_BLOCK_REQUEST), BLOCK_REQUEST_ANY_PLAYERS);
        Click_Dialog_Button(dialog, BLOCK_GET_OFFERS);
        Choose_Dialog_Line(dialog, BLOCK_SEASON_COMBO, 1);
        EXPECT_EQ(Get_User_Preference(STAT_SEASON_CHOICE), 1);
        Click_Dialog_Button(dialog, ID_CANCEL);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, TRADING_BLOCK_DIALOG, 0), ID_CANCEL);

    // Init_Trading_Block: outside the draft the block starts empty; while it
    // runs a well-formed one stays.
    Current_Trade_Offer = Make_Trade_Offer(USER, 1, {5});
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Count_Dialog_Lines(dialog, BLOCK_LIST), 0);
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, TRADING_BLOCK_DIALOG, 0);
    Copy_Player(FIRST_COLLEGE_POOL_TEAM, 0, 9, 3);
    Set_User_Preference(CURRENT_WEEK, 100);
    Set_User_Preference(DRAFT_ROUND, 0);
    Current_Trade_Offer = Make_Trade_Offer(USER, 1, {5});
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Count_Dialog_Lines(dialog, BLOCK_LIST), 1);
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, TRADING_BLOCK_DIALOG, 0);
}

TEST_F(TradingBlockDialog, PlayerListSortsTakesAColumnSetAndKeepsItForTheNextOpening) {
    Store_Column_Set(PLAYER_LIST_ROSTER, 0, {COLUMN_NAME, COLUMN_AGE});
    Store_Column_Set(PLAYER_LIST_FIND_PLAYERS, 0, {COLUMN_NAME, COLUMN_SALARY});
    Player_List_Kind = PLAYER_LIST_FIND_PLAYERS;
    const int32_t players = Get_First_Empty_Player_Slot(USER);
    auto age_of_row = [](WINDOW_HANDLE list, int32_t row) {
        const intptr_t code = List_View_Get_Item_Data(list, row);
        return Get_Player_Age(static_cast<int32_t>(code / 100), static_cast<int32_t>(code % 100));
    };
    // The players in the order of the list, then the picks, always last.
    auto check_rows = [&](WINDOW_HANDLE list, bool by_age) {
        const int32_t rows = List_View_Get_Item_Count(list);
        ASSERT_GT(rows, players) << "the picks follow the players";
        for (int32_t row = 0; row < rows; ++row) {
            const intptr_t id = List_View_Get_Item_Data(list, row);
            if (row >= players) {
                EXPECT_EQ(id, Get_Block_Pick_Row_Id(row - players)) << row;
                continue;
            }
            EXPECT_EQ(id / 100, USER) << row;
            if (by_age && row > 0) {
                EXPECT_GE(age_of_row(list, row - 1), age_of_row(list, row)) << row;
            }
        }
    };
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        const WINDOW_HANDLE list = Get_Dialog_Item(dialog, BLOCK_PLAYER_LIST);
        EXPECT_EQ(Shown_Column_Ids(list), (std::vector<int32_t>{COLUMN_NAME, COLUMN_AGE}));
        check_rows(list, false);
        Send_List_Notice(dialog, BLOCK_PLAYER_LIST, NOTIFY_COLUMN_CLICK, COLUMN_AGE);
        check_rows(list, true);
        EXPECT_LT(age_of_row(list, players - 1), age_of_row(list, 0)) << "oldest first";
        Choose_Default_Columns_From_Menu(dialog, BLOCK_PLAYER_LIST);
        EXPECT_EQ(Shown_Column_Ids(list), Default_Column_Row(PLAYER_LIST_ROSTER));
        check_rows(list, true);
        // A pick is still put on the block from its row.
        Put_On_Block(dialog, Get_Block_Pick_Row_Id(0));
        EXPECT_EQ(Count_Dialog_Lines(dialog, BLOCK_LIST), 1);
        Send_Window_Message(list, MSG_LIST_VIEW_ENSURE_VISIBLE,
                            static_cast<uintptr_t>(List_View_Get_Item_Count(list) - 1), 0);
        Keep_Dialog_Picture(dialog, "trading_block_columns");
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, TRADING_BLOCK_DIALOG, 0);
    EXPECT_EQ(Stored_Column_Set(PLAYER_LIST_ROSTER), Default_Column_Row(PLAYER_LIST_ROSTER));
    EXPECT_EQ(Get_User_Preference(Column_Set_Setting(PLAYER_LIST_ROSTER, 1)), COLUMN_AGE + 1);
    EXPECT_EQ(Stored_Column_Set(PLAYER_LIST_FIND_PLAYERS), (std::vector<int32_t>{COLUMN_NAME, COLUMN_SALARY}))
        << "another kind's set is left alone";
    EXPECT_EQ(Player_List_Kind, PLAYER_LIST_FIND_PLAYERS) << "the kind beneath comes back";
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        const WINDOW_HANDLE list = Get_Dialog_Item(dialog, BLOCK_PLAYER_LIST);
        EXPECT_EQ(Shown_Column_Ids(list), Default_Column_Row(PLAYER_LIST_ROSTER)) << "the set comes back";
        check_rows(list, true);
        Click_Dialog_Button(dialog, ID_CANCEL);
    });
    Do_Dialog(Main_Window, TRADING_BLOCK_DIALOG, 0);
}

namespace {
// The roads on which a report opened over the block releases the player
// standing before the one on the block, so that the roster closes up under
// the block and its offers.
constexpr int32_t BLOCKED = 5;

struct BLOCK_ROAD {
    int32_t Blocked_Id = 0;
    int32_t Before_Id = 0;
    int32_t After_Id = 0;
    int32_t Partner = -1;
};

// The player of slot BLOCKED on the block, and the offers gathered for him.
BLOCK_ROAD Put_Blocked_Player_Up(WINDOW_HANDLE dialog) {
    BLOCK_ROAD road;
    road.Before_Id = Get_Player_ID(USER, BLOCKED - 1);
    road.Blocked_Id = Get_Player_ID(USER, BLOCKED);
    road.After_Id = Get_Player_ID(USER, BLOCKED + 1);
    Put_On_Block(dialog, Get_Block_Player_Row_Id(USER, BLOCKED));
    Click_Dialog_Button(dialog, BLOCK_GET_OFFERS);
    EXPECT_GT(Count_Dialog_Lines(dialog, BLOCK_OFFERS_LIST), 0);
    return road;
}

// The first offer listed, opened and signed in the Trades dialog; the team
// that made it.
int32_t Sign_The_First_Offer(WINDOW_HANDLE dialog) {
    const int32_t partner =
        Trading_Block_Offers[List_Box_Get_Item_Data(Get_Dialog_Item(dialog, BLOCK_OFFERS_LIST), 0)].Team[1];
    Script_Dialog_Answer(TRADE_OFFER_RESPONSE_DIALOG, 1);
    Choose_Dialog_Line(dialog, BLOCK_OFFERS_LIST, 0);
    Script_Dialog_Step([](WINDOW_HANDLE trades) {
        Click_Dialog_Button(trades, TRADE_SUBMIT);
        Click_Dialog_Button(trades, ID_OK);
    });
    Double_Click_Dialog_Line(dialog, BLOCK_OFFERS_LIST);
    return partner;
}

// The first offer opened in the Trades dialog, where a report on the
// block's player releases the player before him; Done, with no trade made.
void Release_The_Player_Before_The_Block_In_Talks(WINDOW_HANDLE dialog) {
    Choose_Dialog_Line(dialog, BLOCK_OFFERS_LIST, 0);
    Script_Dialog_Step([](WINDOW_HANDLE trades) {
        Choose_Dialog_Line(trades, TRADE_USER_OFFER, 0);
        Script_Dialog_Step(Release_The_Player_Before);
        Click_Dialog_Button(trades, TRADE_USER_SCOUTING);
        Click_Dialog_Button(trades, ID_OK);
    });
    Double_Click_Dialog_Line(dialog, BLOCK_OFFERS_LIST);
}

// The block and every offer still hold the player put on it, and the first
// offer, opened and signed in the Trades dialog, trades him.
void Trade_The_Blocked_Player(WINDOW_HANDLE dialog, BLOCK_ROAD* road) {
    ASSERT_EQ(Team_Of_Player(road->Before_Id), FREE_AGENT_TEAM) << "released";
    ASSERT_EQ(Count_Dialog_Lines(dialog, BLOCK_LIST), 1);
    EXPECT_EQ(Get_Player_ID(USER, Current_Trade_Offer.Items[0][0]), road->Blocked_Id);
    char shown[TRADE_ROW_TEXT_SIZE];
    Format_Trade_Offer_Item(USER, BLOCKED - 1, shown);
    EXPECT_EQ(Get_Dialog_Line_Text(dialog, BLOCK_LIST, 0), shown);
    const int32_t lines = Count_Dialog_Lines(dialog, BLOCK_OFFERS_LIST);
    ASSERT_GT(lines, 0) << "the offers for him stay";
    for (const TRADE_OFFER& offer : Trading_Block_Offers) {
        if (offer.Team[1] == NO_TRADE_TEAM) continue;
        EXPECT_EQ(Get_Player_ID(USER, offer.Items[0][0]), road->Blocked_Id) << "an offer for him";
    }
    road->Partner = Sign_The_First_Offer(dialog);
}

void Expect_Only_The_Blocked_Player_Traded(const BLOCK_ROAD& road) {
    ASSERT_GE(road.Partner, 0);
    EXPECT_EQ(Get_User_Preference(TRADE_MADE_FLAG), 1);
    EXPECT_EQ(Team_Of_Player(road.Blocked_Id), road.Partner) << "the player on the block was traded";
    EXPECT_EQ(Team_Of_Player(road.After_Id), USER) << "the player who moved into his slot stays";
}
} // namespace

// Scouting on the block's player, Previous to the player before him and
// Release: the block, its row and its offers stay on him.
TEST_F(TradingBlockDialog, AReleaseInTheBlocksReportLeavesTheBlockAndItsOffersOnTheirPlayer) {
    BLOCK_ROAD road;
    Script_Dialog_Step([&road](WINDOW_HANDLE dialog) {
        road = Put_Blocked_Player_Up(dialog);
        const WINDOW_HANDLE list = Get_Dialog_Item(dialog, BLOCK_PLAYER_LIST);
        List_View_Set_Item_State(list, -1, 0, ITEM_SELECTED);
        Select_Listview_Player(list, USER, BLOCKED);
        Script_Dialog_Step(Release_The_Player_Before);
        Click_Dialog_Button(dialog, BLOCK_SCOUTING);
        Trade_The_Blocked_Player(dialog, &road);
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, TRADING_BLOCK_DIALOG, 0);
    Expect_Only_The_Blocked_Player_Traded(road);
}

// An offer opened in the Trades dialog, where a report releases the player
// before the one on the block, and no trade made: the block comes back on
// its player, with its offers.
TEST_F(TradingBlockDialog, AReleaseInTradeTalksWithoutATradeLeavesTheBlockOnItsPlayer) {
    BLOCK_ROAD road;
    Script_Dialog_Step([&road](WINDOW_HANDLE dialog) {
        road = Put_Blocked_Player_Up(dialog);
        Release_The_Player_Before_The_Block_In_Talks(dialog);
        EXPECT_EQ(Get_User_Preference(TRADE_MADE_FLAG), 0);
        Trade_The_Blocked_Player(dialog, &road);
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, TRADING_BLOCK_DIALOG, 0);
    Expect_Only_The_Blocked_Player_Traded(road);
}

namespace {
// The player of slot CHOSEN, chosen in the list while something opened over
// the block releases a player: the road's players by id.
constexpr int32_t CHOSEN = 10;

struct CHOSEN_ROAD {
    int32_t Chosen_Id = 0;
    int32_t After_Id = 0;
    int32_t Partner = -1;
};

CHOSEN_ROAD Choose_The_Player(WINDOW_HANDLE dialog) {
    const CHOSEN_ROAD road{Get_Player_ID(USER, CHOSEN), Get_Player_ID(USER, CHOSEN + 1)};
    Select_Listview_Player(Get_Dialog_Item(dialog, BLOCK_PLAYER_LIST), USER, CHOSEN);
    return road;
}
} // namespace

// Another player chosen in the list while the talks on an offer release a
// player before him from a report, and no trade made: Add To List puts the
// chosen player on the block, and the block traded takes him, not the
// player who moved into his slot.
TEST_F(TradingBlockDialog, TradeTalksWithoutATradeLeaveTheChosenRowOnItsPlayer) {
    BLOCK_ROAD blocked;
    CHOSEN_ROAD road;
    Set_User_Preference(TRADE_MADE_FLAG, 0);
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        blocked = Put_Blocked_Player_Up(dialog);
        road = Choose_The_Player(dialog);
        Release_The_Player_Before_The_Block_In_Talks(dialog);
        ASSERT_EQ(Team_Of_Player(blocked.Before_Id), FREE_AGENT_TEAM) << "released in the talks";
        Click_Dialog_Button(dialog, BLOCK_ADD);
        ASSERT_EQ(Count_Dialog_Lines(dialog, BLOCK_LIST), 2);
        Click_Dialog_Button(dialog, BLOCK_GET_OFFERS);
        ASSERT_GT(Count_Dialog_Lines(dialog, BLOCK_OFFERS_LIST), 0);
        road.Partner = Sign_The_First_Offer(dialog);
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, TRADING_BLOCK_DIALOG, 0);
    ASSERT_GE(road.Partner, 0);
    EXPECT_EQ(Get_User_Preference(TRADE_MADE_FLAG), 1);
    EXPECT_EQ(Team_Of_Player(blocked.Blocked_Id), road.Partner) << "the player first put on the block";
    EXPECT_EQ(Team_Of_Player(road.Chosen_Id), road.Partner) << "the chosen player was traded";
    EXPECT_EQ(Team_Of_Player(road.After_Id), USER) << "the player who moved into his slot stays";
}

// Scouting on a player chosen in the list, who is released in his report:
// no row is chosen afterwards, so Add To List puts nobody on the block and
// the player who moved into his slot is never offered.
TEST_F(TradingBlockDialog, APlayerReleasedInHisReportLeavesNoRowChosen) {
    CHOSEN_ROAD road;
    Set_User_Preference(TRADE_MADE_FLAG, 0);
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        road = Choose_The_Player(dialog);
        Script_Dialog_Step(Release_The_Shown_Player);
        Click_Dialog_Button(dialog, BLOCK_SCOUTING);
        ASSERT_EQ(Team_Of_Player(road.Chosen_Id), FREE_AGENT_TEAM) << "released from his report";
        EXPECT_LT(List_View_Get_Next_Item(Get_Dialog_Item(dialog, BLOCK_PLAYER_LIST), -1, ITEM_SELECTED), 0)
            << "no row chosen";
        Click_Dialog_Button(dialog, BLOCK_ADD);
        EXPECT_EQ(Count_Dialog_Lines(dialog, BLOCK_LIST), 0) << "nobody put on the block";
        Clear_Shown_Messages();
        Click_Dialog_Button(dialog, BLOCK_GET_OFFERS);
        if (Count_Dialog_Lines(dialog, BLOCK_OFFERS_LIST) > 0) road.Partner = Sign_The_First_Offer(dialog);
        EXPECT_EQ(Last_Caption(), "Trading Block") << "an empty block asks for a player first";
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, TRADING_BLOCK_DIALOG, 0);
    EXPECT_EQ(road.Partner, -1);
    EXPECT_EQ(Get_User_Preference(TRADE_MADE_FLAG), 0);
    EXPECT_EQ(Team_Of_Player(road.After_Id), USER) << "the player who moved into his slot stays";
}

// The row chosen in the player list, scrolled to at its end, is chosen and
// in view again after the list is filled anew (the statistics season chosen),
// and Add To List puts that pick on the block.
TEST_F(TradingBlockDialog, TheChosenRowIsInViewAfterARefill) {
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        const WINDOW_HANDLE list = Get_Dialog_Item(dialog, BLOCK_PLAYER_LIST);
        const int32_t rows = List_View_Get_Item_Count(list);
        const int32_t per_page =
            static_cast<int32_t>(Send_Window_Message(list, MSG_LIST_VIEW_GET_COUNT_PER_PAGE, 0, 0));
        ASSERT_GT(rows, per_page + 10) << "a list longer than its page";
        const intptr_t last_pick = List_View_Get_Item_Data(list, rows - 1);
        ASSERT_GE(last_pick, Get_Block_Pick_Row_Id(0));
        List_View_Set_Item_State(list, rows - 1, ITEM_SELECTED | ITEM_FOCUSED, ITEM_SELECTED | ITEM_FOCUSED);
        Send_Window_Message(list, MSG_LIST_VIEW_ENSURE_VISIBLE, static_cast<uintptr_t>(rows - 1), 0);
        Choose_Dialog_Line(dialog, BLOCK_SEASON_COMBO, 1);
        const int32_t chosen = List_View_Get_Next_Item(list, -1, ITEM_SELECTED);
        ASSERT_GE(chosen, 0);
        EXPECT_EQ(List_View_Get_Item_Data(list, chosen), last_pick);
        const int32_t top =
            static_cast<int32_t>(Send_Window_Message(list, MSG_LIST_VIEW_GET_TOP_INDEX, 0, 0));
        EXPECT_LE(top, chosen);
        EXPECT_LT(chosen, top + per_page) << "the chosen row is in view";
        Click_Dialog_Button(dialog, BLOCK_ADD);
        EXPECT_EQ(Current_Trade_Offer.Items[0][0], Get_Block_Row_Item(USER, last_pick));
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, TRADING_BLOCK_DIALOG, 0);
}

// The block's set-up operations: the cash spin, edit and label only in Owner
// Mode, the user's team in capitals as caption and team A, the partner as
// team B (team 1 when the setting names the user's own team), the cash edit
// at "0"; the buttons follow the row chosen.
TEST_F(TradingBlockDialog, TeamsCashControlsAndButtonsAreSetUpByMode) {
    for (const int32_t owner : {0, 1}) {
        Set_User_Preference(OWNER_MODE, owner);
        Script_Dialog_Step([owner](WINDOW_HANDLE dialog) {
            const auto shown = [dialog](int32_t id) { return Is_Window_Shown(Get_Dialog_Item(dialog, id)); };
            Set_User_Preference(TRADE_PARTNER_TEAM, USER);
            Set_Dialog_Item_Text(dialog, BLOCK_CASH_EDIT, "$300,000");
            Show_Window(Get_Dialog_Item(dialog, BLOCK_CASH_SPIN), owner == 0);
            Show_Block_Cash_Spin(dialog);
            EXPECT_EQ(shown(BLOCK_CASH_SPIN), owner == 1) << "Owner Mode " << owner;
            Update_Block_Teams_And_Buttons(dialog);
            EXPECT_EQ(shown(BLOCK_CASH_EDIT), owner == 1);
            EXPECT_EQ(shown(BLOCK_CASH_LABEL), owner == 1);
            EXPECT_EQ(Get_Dialog_Item_Text(dialog, BLOCK_CASH_EDIT), "0");
            EXPECT_EQ(Get_Dialog_Item_Text(dialog, BLOCK_USER_CAPTION), " AKRON COMETS");
            EXPECT_EQ(Current_Trade_Offer.Team[0], USER);
            EXPECT_EQ(Current_Trade_Offer.Team[1], 1) << "not the user's own team";
            Set_User_Preference(TRADE_PARTNER_TEAM, 7);
            Set_Block_Teams_And_Cash_Controls(dialog);
            EXPECT_EQ(Current_Trade_Offer.Team[1], 7);
            // Nothing chosen: neither button; a player chosen: both; once he
            // is on the block, Scouting alone.
            const WINDOW_HANDLE list = Get_Dialog_Item(dialog, BLOCK_PLAYER_LIST);
            List_View_Set_Item_State(list, -1, 0, ITEM_SELECTED);
            Update_Trading_Block_Buttons(dialog);
            EXPECT_FALSE(Is_Window_Enabled(Get_Dialog_Item(dialog, BLOCK_ADD)));
            EXPECT_FALSE(Is_Window_Enabled(Get_Dialog_Item(dialog, BLOCK_SCOUTING)));
            Select_Listview_Player(list, USER, 4);
            Update_Trading_Block_Buttons(dialog);
            EXPECT_TRUE(Is_Window_Enabled(Get_Dialog_Item(dialog, BLOCK_ADD)));
            EXPECT_TRUE(Is_Window_Enabled(Get_Dialog_Item(dialog, BLOCK_SCOUTING)));
            Click_Dialog_Button(dialog, BLOCK_ADD);
            Update_Trading_Block_Buttons(dialog);
            EXPECT_FALSE(Is_Window_Enabled(Get_Dialog_Item(dialog, BLOCK_ADD)));
            EXPECT_TRUE(Is_Window_Enabled(Get_Dialog_Item(dialog, BLOCK_SCOUTING)));
            Click_Dialog_Button(dialog, ID_OK);
        });
        Do_Dialog(Main_Window, TRADING_BLOCK_DIALOG, 0);
    }
}
