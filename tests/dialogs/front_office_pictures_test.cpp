#include <gtest/gtest.h>

#include <string>

#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "database/league_structure.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "dialogs/budget_dialogs.h"
#include "dialogs/contract_offer_dialog.h"
#include "dialogs/trade_answer_dialogs.h"
#include "dialogs/trades_dialog.h"
#include "dialogs/trading_block_dialog.h"
#include "frontoffice/contract_offer.h"
#include "platform/windows.h"
#include "support/computer_league_dialogs.h"
#include "support/dialog_steps.h"
#include "support/frame_fixture.h"
#include "support/trade_offers.h"

namespace {
constexpr int32_t USER = 0;
constexpr int32_t PARTNER = 1;

class FrontOfficePictures : public ComputerLeagueDialogTest {
  protected:
    void Prepare_League() override {
        Set_User_Preference(TRADE_PARTNER_TEAM, PARTNER);
        Set_User_Preference(CURRENT_WEEK, 3);
        Set_User_Preference(DRAFT_ROUND, 7);
    }
};

bool Is_Shown(WINDOW_HANDLE dialog, int32_t id) {
    return Is_Window_Shown(Get_Dialog_Item(dialog, id));
}

// Opens the dialog, keeps its picture and closes it; true when the cash
// controls it has were shown.
bool Picture_Of(int32_t dialog_id, const std::string& name, int32_t cash_control) {
    bool cash_shown = false;
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        EXPECT_GT(Keep_Dialog_Picture(dialog, name), 0) << name;
        cash_shown = cash_control != 0 && Is_Shown(dialog, cash_control);
        End_Dialog(dialog, 0);
    });
    if (dialog_id == TRADE_OFFER_RESPONSE_DIALOG)
        Open_Trade_Offer_Response(PARTNER, 640);
    else if (dialog_id == CONTRACT_OFFER_DIALOG)
        Open_Contract_Offer(NO_WINDOW, FREE_AGENT_TEAM, 0);
    else
        Do_Dialog(Main_Window, dialog_id, 0);
    return cash_shown;
}
} // namespace

TEST_F(FrontOfficePictures, EveryDialogInBothMoneyModes) {
    for (const int32_t owner : {1, 0}) {
        Set_User_Preference(OWNER_MODE, owner);
        const std::string mode = owner == 1 ? "_owner" : "_general_manager";
        EXPECT_EQ(Picture_Of(TRADES_DIALOG, "mode_trades" + mode, TRADE_USER_CASH_EDIT), owner == 1);
        EXPECT_EQ(Picture_Of(TRADING_BLOCK_DIALOG, "mode_trading_block" + mode, BLOCK_CASH_EDIT), owner == 1);
        Picture_Of(TRADE_OFFER_RESPONSE_DIALOG, "mode_trade_offer_response" + mode, 0);
        Picture_Of(TRADE_HINT_DIALOG, "mode_trade_hint" + mode, 0);
        Current_Trade_Offer = Make_Trade_Offer(PARTNER, USER, {5}, {6});
        Picture_Of(TRADE_OFFER_DIALOG, "mode_trade_offer" + mode, 0);
        EXPECT_EQ(Picture_Of(CONTRACT_OFFER_DIALOG, "mode_contract_offer" + mode, BIGGER_BONUS_BUTTON),
                  owner == 1);
        Picture_Of(TICKETS_DIALOG, "mode_tickets" + mode, 0);
        Picture_Of(CONCESSIONS_DIALOG, "mode_concessions" + mode, 0);
        Picture_Of(EXPENSES_DIALOG, "mode_expenses" + mode, 0);
    }
}
