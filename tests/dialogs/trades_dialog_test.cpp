#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "app/main_menu.h"
#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "dialogs/scouting_report.h"
#include "dialogs/trade_answer_dialogs.h"
#include "dialogs/trades_dialog.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/trade_items.h"
#include "frontoffice/trade_legality.h"
#include "frontoffice/trade_scoring.h"
#include "frontoffice/trade_screens.h"
#include "frontoffice/trade_values.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/list_box.h"
#include "platform/message_box.h"
#include "platform/windows.h"
#include "support/computer_league_dialogs.h"
#include "support/dialog_steps.h"
#include "support/frame_fixture.h"
#include "support/report_steps.h"
#include "support/test_league.h"
#include "support/trade_offers.h"

namespace {
constexpr int32_t USER = 0;
constexpr int32_t PARTNER = 1;

class TradesDialog : public ComputerLeagueDialogTest {
  protected:
    void Prepare_League() override {
        Set_User_Preference(TRADE_PARTNER_TEAM, PARTNER);
        Set_User_Preference(CURRENT_WEEK, 3);
        Set_User_Preference(DRAFT_ROUND, 7);
        Set_User_Preference(DIFFICULTY_LEVEL, 2);
    }
};

// What the league holds of the two teams: their players by id, the owners
// of every pick and their cash.
struct TRADE_STATE {
    std::vector<int32_t> Ids[2];
    std::vector<int32_t> Pick_Owners;
    int32_t Cash[2];
    bool operator==(const TRADE_STATE&) const = default;
};

TRADE_STATE Take_Trade_State() {
    TRADE_STATE state{};
    for (int32_t side = 0; side < 2; ++side) {
        const int32_t team = side == 0 ? USER : PARTNER;
        for (int32_t slot = 0; slot < Get_First_Empty_Player_Slot(team); ++slot)
            state.Ids[side].push_back(Get_Player_Vital_Stat(team, slot, VITAL_PLAYER_ID));
        std::sort(state.Ids[side].begin(), state.Ids[side].end());
        state.Cash[side] = Get_Team_Financial_Stat(team, FINANCE_CASH);
    }
    for (int32_t year = 0; year < DRAFT_YEARS; ++year)
        for (int32_t round = 0; round < DRAFT_ROUNDS; ++round)
            for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
                state.Pick_Owners.push_back(Get_Draft_Pick_Owner(year, round, team));
    return state;
}

// The line of a roster list holding the item.
int32_t Line_Of_Item(WINDOW_HANDLE dialog, int32_t list_id, int32_t item) {
    const WINDOW_HANDLE list = Get_Dialog_Item(dialog, list_id);
    for (int32_t line = 0; line < List_Box_Get_Count(list); ++line)
        if (List_Box_Get_Item_Data(list, line) == item) return line;
    return -1;
}

void Add_Item(WINDOW_HANDLE dialog, int32_t side, int32_t item) {
    const int32_t list = side == 0 ? TRADE_USER_ROSTER : TRADE_PARTNER_ROSTER;
    Choose_Dialog_Line(dialog, list, Line_Of_Item(dialog, list, item));
    Click_Dialog_Button(dialog, side == 0 ? TRADE_USER_ADD : TRADE_PARTNER_ADD);
}

int32_t Slot_Of(int32_t team, int32_t id) {
    for (int32_t slot = 0; slot < Get_First_Empty_Player_Slot(team); ++slot)
        if (Get_Player_Vital_Stat(team, slot, VITAL_PLAYER_ID) == id) return slot;
    return -1;
}

void Spin(WINDOW_HANDLE dialog, int32_t id, int32_t up) {
    Send_Window_Message(dialog, MSG_VERTICAL_SCROLL,
                        SCROLL_THUMB_POSITION | (static_cast<uintptr_t>(up) << 16),
                        static_cast<intptr_t>(Get_Dialog_Item(dialog, id)));
}

// The offer's two sides, item by item.
void Expect_Same_Offer(const TRADE_OFFER& seen, const TRADE_OFFER& expected, const char* what) {
    for (int32_t side = 0; side < 2; ++side) {
        EXPECT_EQ(seen.Team[side], expected.Team[side]) << what << ", side " << side;
        for (int32_t n = 0; n < TRADE_ITEMS_PER_SIDE; ++n)
            EXPECT_EQ(seen.Items[side][n], expected.Items[side][n])
                << what << ", side " << side << " item " << n;
    }
    EXPECT_EQ(seen.Cash, expected.Cash) << what;
}

// A counter offer that came to nothing: the user's side and the cash as the
// user made them, the partner's side beginning with what was asked and
// holding the players the partner added after it.
void Expect_Failed_Counter_Offer_Kept(const TRADE_OFFER& seen, const TRADE_OFFER& asked) {
    for (int32_t n = 0; n < TRADE_ITEMS_PER_SIDE; ++n)
        EXPECT_EQ(seen.Items[0][n], asked.Items[0][n]) << "what the user gives stays, item " << n;
    EXPECT_EQ(seen.Cash, asked.Cash);
    const int32_t asked_count = Get_Trade_Item_Count(&asked, 1);
    for (int32_t n = 0; n < asked_count; ++n)
        EXPECT_EQ(seen.Items[1][n], asked.Items[1][n]) << "what was asked stays first, item " << n;
    EXPECT_GT(Get_Trade_Item_Count(&seen, 1), asked_count) << "the players added stay in the offer";
}

// The offer lists show the offer's items, in order, and nothing else.
void Expect_Lists_Show_Offer(WINDOW_HANDLE dialog) {
    for (int32_t side = 0; side < 2; ++side) {
        const int32_t list = side == 0 ? TRADE_USER_OFFER : TRADE_PARTNER_OFFER;
        const int32_t count = Get_Trade_Item_Count(&Current_Trade_Offer, side);
        ASSERT_EQ(Count_Dialog_Lines(dialog, list), count) << "side " << side;
        for (int32_t n = 0; n < count; ++n) {
            char text[TRADE_ROW_TEXT_SIZE];
            Format_Trade_Offer_Item(Get_Trade_Side_Team(Current_Trade_Offer, side),
                                    Current_Trade_Offer.Items[side][n], text);
            EXPECT_EQ(Get_Dialog_Line_Text(dialog, list, n), text) << "side " << side << " line " << n;
        }
    }
}

int32_t Count_Open_Trades_Dialogs() {
    int32_t open = 0;
    for (const WINDOW_HANDLE dialog : Get_Open_Modal_Dialogs())
        if (Is_Window(dialog) && Get_Dialog_Template_Id(dialog) == TRADES_DIALOG) ++open;
    return open;
}

std::string Last_Caption() {
    return Get_Shown_Messages().empty() ? std::string() : Get_Shown_Messages().back().Caption;
}

std::string Last_Text() {
    return Get_Shown_Messages().empty() ? std::string() : Get_Shown_Messages().back().Text;
}
} // namespace

TEST_F(TradesDialog, TwoForOneAcceptedByTheComputerMovesEverythingOnceAndItsReverseRestoresIt) {
    const TRADE_STATE before = Take_Trade_State();
    const int32_t given[2] = {Get_Player_Vital_Stat(USER, 0, VITAL_PLAYER_ID),
                              Get_Player_Vital_Stat(USER, 1, VITAL_PLAYER_ID)};
    const int32_t backup = Get_First_Empty_Player_Slot(PARTNER) - 1;
    const int32_t taken = Get_Player_Vital_Stat(PARTNER, backup, VITAL_PLAYER_ID);
    const int32_t pick = Get_First_Empty_Player_Slot(USER) + 3;
    int32_t pick_year = 0, pick_round = 0, pick_issuer = 0;
    ASSERT_TRUE(Find_Team_Draft_Pick(USER, 3, &pick_year, &pick_round, &pick_issuer));
    const int32_t reputation = Get_Universe_Stat(TRADE_REPUTATION);
    Script_Dialog_Answer(TRADE_OFFER_RESPONSE_DIALOG, 1);
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, TRADE_SUBMIT), "&Submit Offer");
        Add_Item(dialog, 0, 0);
        Add_Item(dialog, 0, 1);
        Add_Item(dialog, 0, pick);
        Add_Item(dialog, 1, backup);
        Spin(dialog, TRADE_USER_CASH_SPIN, 1);
        Spin(dialog, TRADE_USER_CASH_SPIN, 1);
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, TRADE_USER_CASH_EDIT), "$200,000");
        EXPECT_EQ(Count_Dialog_Lines(dialog, TRADE_USER_OFFER), 3);
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, TRADE_STATUS_TEXT),
                  "Double-click players to add them to trade.");
        Keep_Dialog_Picture(dialog, "trades_owner_mode");
        Click_Dialog_Button(dialog, TRADE_SUBMIT);
        EXPECT_EQ(Count_Dialog_Lines(dialog, TRADE_USER_OFFER), 0) << "the offer is emptied once made";
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, TRADE_USER_CASH_EDIT), "0");
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Main_Window_Command(Main_Window, ID_TRADES), true);
    EXPECT_GE(Get_Answering_Score(), 1000) << "the partner accepted";
    const TRADE_STATE after = Take_Trade_State();
    EXPECT_EQ(after.Ids[0].size() + 1, before.Ids[0].size()) << "two out, one in";
    EXPECT_EQ(after.Ids[1].size(), before.Ids[1].size() + 1);
    EXPECT_GE(Slot_Of(PARTNER, given[0]), 0);
    EXPECT_GE(Slot_Of(PARTNER, given[1]), 0);
    EXPECT_GE(Slot_Of(USER, taken), 0);
    EXPECT_EQ(after.Cash[0], before.Cash[0] - 200000);
    EXPECT_EQ(after.Cash[1], before.Cash[1] + 200000);
    EXPECT_EQ(Get_Draft_Pick_Owner(pick_year, pick_round, pick_issuer), PARTNER);
    EXPECT_EQ(Get_User_Preference(TRADE_MADE_FLAG), 1);
    EXPECT_EQ(Get_Universe_Stat(TRADE_REPUTATION), reputation + 300);

    // The reverse, forced by the commissioner, puts everything back.
    Set_User_Preference(COMMISSIONER_MODE, 1);
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, TRADE_SUBMIT), "&Force Trade");
        Add_Item(dialog, 0, Slot_Of(USER, taken));
        Add_Item(dialog, 1, Slot_Of(PARTNER, given[0]));
        Add_Item(dialog, 1, Slot_Of(PARTNER, given[1]));
        int32_t year = 0, round = 0, issuer = 0;
        for (int32_t n = 0; Find_Team_Draft_Pick(PARTNER, n, &year, &round, &issuer); ++n)
            if (issuer == USER) Add_Item(dialog, 1, Get_First_Empty_Player_Slot(PARTNER) + n);
        Type_Dialog_Text(dialog, TRADE_PARTNER_CASH_EDIT, "$200,000");
        Keep_Dialog_Picture(dialog, "trades_commissioner");
        Click_Dialog_Button(dialog, TRADE_SUBMIT);
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, TRADES_DIALOG, 0);
    EXPECT_EQ(Take_Trade_State(), before);
}

TEST_F(TradesDialog, FullSidesTypedCashAndTheLiveStatus) {
    const TRADE_STATE before = Take_Trade_State();
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        for (int32_t slot = 0; slot < TRADE_ITEMS_PER_SIDE; ++slot)
            Add_Item(dialog, 0, slot);
        EXPECT_EQ(Count_Dialog_Lines(dialog, TRADE_USER_OFFER), TRADE_ITEMS_PER_SIDE);
        Choose_Dialog_Line(dialog, TRADE_USER_ROSTER, TRADE_ITEMS_PER_SIDE);
        EXPECT_FALSE(Is_Window_Enabled(Get_Dialog_Item(dialog, TRADE_USER_ADD))) << "the side is full";
        Double_Click_Dialog_Line(dialog, TRADE_USER_ROSTER);
        EXPECT_EQ(Last_Caption(), "Can't add player to deal");
        EXPECT_EQ(Last_Text(),
                  "No more than 15 items (players or draft picks) per team may be offered in a trade.");
        EXPECT_EQ(Count_Dialog_Lines(dialog, TRADE_USER_OFFER), TRADE_ITEMS_PER_SIDE)
            << "the 16th is refused";
        // Fifteen players for none leaves 38: the line under the offer says so.
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, TRADE_STATUS_TEXT).rfind("Illegal Trade: ", 0), 0u);
        Choose_Dialog_Line(dialog, TRADE_USER_OFFER, 0);
        Double_Click_Dialog_Line(dialog, TRADE_USER_OFFER);
        EXPECT_EQ(Count_Dialog_Lines(dialog, TRADE_USER_OFFER), TRADE_ITEMS_PER_SIDE - 1);
        Choose_Dialog_Line(dialog, TRADE_USER_ROSTER, 1);
        Double_Click_Dialog_Line(dialog, TRADE_USER_ROSTER);
        EXPECT_EQ(Last_Text(), "That player is already part of the trade offer.");

        // Typed cash that is no amount keeps the offer's cash and submits nothing.
        Click_Dialog_Button(dialog, TRADE_CLEAR);
        Add_Item(dialog, 1, 30);
        Current_Trade_Offer.Cash = 12345;
        for (const char* typed : {"lots", "99999999999", "1.5", "--3"}) {
            Type_Dialog_Text(dialog, TRADE_USER_CASH_EDIT, typed);
            Click_Dialog_Button(dialog, TRADE_SUBMIT);
            EXPECT_EQ(Last_Caption(), "Cash") << typed;
            EXPECT_EQ(Current_Trade_Offer.Cash, 12345) << typed;
        }
        // An amount past what the team holds is offered as typed: the team
        // may pay itself into debt. Only past the span between the debt
        // floor and the cash ceiling is it held.
        ASSERT_LT(Get_Trade_Cash_Limit(USER), 900000000);
        Type_Dialog_Text(dialog, TRADE_USER_CASH_EDIT, "$900,000,000");
        Type_Dialog_Text(dialog, TRADE_PARTNER_CASH_EDIT, "0");
        Script_Dialog_Answer(TRADE_OFFER_RESPONSE_DIALOG, 0);
        Click_Dialog_Button(dialog, TRADE_SUBMIT);
        EXPECT_EQ(Current_Trade_Offer.Cash, 900000000);
        Type_Dialog_Text(dialog, TRADE_USER_CASH_EDIT, "0");
        Type_Dialog_Text(dialog, TRADE_PARTNER_CASH_EDIT, "9,999,999,999");
        Script_Dialog_Answer(TRADE_OFFER_RESPONSE_DIALOG, 0);
        Click_Dialog_Button(dialog, TRADE_SUBMIT);
        EXPECT_EQ(Current_Trade_Offer.Cash, -1100000000);
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, TRADES_DIALOG, 0), ID_OK);
    EXPECT_EQ(Take_Trade_State(), before) << "Done without a trade moves no player, pick or dollar";
}

TEST_F(TradesDialog, AHumanPartnerIsAskedOnlyAboutALegalOfferAndARefusedTradeIsNeverReportedDone) {
    Set_Team_Stat(PARTNER, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_User_Preference(TRADE_MADE_FLAG, 0);
    // The owner's depth chart stays as he set it: his last two players change places.
    const int32_t last = Get_First_Empty_Player_Slot(PARTNER) - 1;
    Swap_Players(PARTNER, last, PARTNER, last - 1);
    std::vector<int32_t> order;
    for (int32_t slot = 0; slot <= last; ++slot)
        order.push_back(Get_Player_Vital_Stat(PARTNER, slot, VITAL_PLAYER_ID));
    const TRADE_STATE before = Take_Trade_State();
    const int32_t reputation = Get_Universe_Stat(TRADE_REPUTATION);
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        // Three of the partner's 53 for nothing leaves him 50.
        for (int32_t slot = 20; slot < 23; ++slot)
            Add_Item(dialog, 1, slot);
        Click_Dialog_Button(dialog, TRADE_SUBMIT);
        EXPECT_EQ(Last_Caption(), "Illegal Trade");
        EXPECT_NE(Last_Text().find("would have less than 51 players."), std::string::npos) << Last_Text();
        // Carried out all the same, the rules refuse it: the offer and its flags stay.
        EXPECT_EQ(Carry_Out_User_Trade(&Current_Trade_Offer, dialog), 0);
        EXPECT_EQ(Last_Caption(), "Illegal Trade");
        EXPECT_EQ(Get_Trade_Item_Count(&Current_Trade_Offer, 1), 3);
        EXPECT_EQ(Current_Trade_Offer.Reserved, 0);
        EXPECT_EQ(Count_Dialog_Lines(dialog, TRADE_PARTNER_OFFER), 3);
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, TRADES_DIALOG, 0);
    for (const SHOWN_MESSAGE& shown : Get_Shown_Messages())
        EXPECT_NE(shown.Caption, "Permission Needed") << "an illegal offer is not put to the owner";
    EXPECT_EQ(Take_Trade_State(), before);
    EXPECT_EQ(Get_User_Preference(TRADE_MADE_FLAG), 0);
    EXPECT_EQ(Get_Universe_Stat(TRADE_REPUTATION), reputation);
    for (int32_t slot = 0; slot <= last; ++slot)
        EXPECT_EQ(Get_Player_Vital_Stat(PARTNER, slot, VITAL_PLAYER_ID), order[static_cast<size_t>(slot)])
            << slot;

    // A legal one-for-one with the owner's permission is made.
    Script_Message_Answer("Permission Needed", ID_BOX_YES);
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        Add_Item(dialog, 0, 40);
        Add_Item(dialog, 1, 40);
        Click_Dialog_Button(dialog, TRADE_SUBMIT);
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, TRADES_DIALOG, 0);
    EXPECT_EQ(Last_Caption(), "Permission Needed");
    EXPECT_EQ(Get_User_Preference(TRADE_MADE_FLAG), 1);
    EXPECT_EQ(Take_Trade_State().Ids[0].size(), before.Ids[0].size());
    EXPECT_NE(Take_Trade_State().Ids[0], before.Ids[0]);
}

// A game saved while the trade screens held an offer (the partner setting's
// -128) saves the mark but not the offer. Loaded, the mark means no partner:
// the Trades dialog starts a new offer with the first team that is not the
// user's, and never takes up the offer memory still holds.
TEST_F(TradesDialog, ALoadedOfferInHandIsNoPartner) {
    constexpr int32_t OTHER = 3, OFFER_IN_HAND = -128;
    Current_Trade_Offer = Make_Trade_Offer(USER, OTHER, {0}, {1});
    Set_User_Preference(TRADE_PARTNER_TEAM, OFFER_IN_HAND);
    ASSERT_EQ(Save_Game("offer in hand.kor", nullptr), SAVE_OK);
    ASSERT_EQ(Load_Game("offer in hand.kor"), 1);
    std::filesystem::remove("offer in hand.kor");
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Trade_Team(dialog), PARTNER) << "the first team that is not the user's";
        EXPECT_EQ(Count_Dialog_Lines(dialog, TRADE_USER_OFFER), 0) << "no item of the old offer";
        EXPECT_EQ(Count_Dialog_Lines(dialog, TRADE_PARTNER_OFFER), 0);
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, TRADES_DIALOG, 0);
    EXPECT_EQ(Get_User_Preference(TRADE_PARTNER_TEAM), PARTNER);
    EXPECT_EQ(Current_Trade_Offer.Team[1], PARTNER);
}

TEST_F(TradesDialog, SettingsOutOfRangeAndALeagueOfOneTeamChooseNothingAmiss) {
    Set_User_Preference(TRADE_PARTNER_TEAM, 9999);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Dialog_Line(dialog, TRADE_PARTNER_COMBO), TEST_LEAGUE_TEAMS - 2) << "the last team";
        EXPECT_EQ(Get_Trade_Team(dialog), TEST_LEAGUE_TEAMS - 1);
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, TRADES_DIALOG, 0);
    EXPECT_EQ(Get_User_Preference(TRADE_PARTNER_TEAM), TEST_LEAGUE_TEAMS - 1);
    Set_User_Preference(TRADE_PARTNER_TEAM, -5);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Trade_Team(dialog), PARTNER) << "the first team that is not the user's";
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, TRADES_DIALOG, 0);

    for (int32_t team = 1; team < TEST_LEAGUE_TEAMS; ++team)
        Set_Team_Stat(team, TEAM_STAT_CONTROL, TEAM_CONTROL_EMPTY);
    const TRADE_STATE before = Take_Trade_State();
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Count_Dialog_Lines(dialog, TRADE_PARTNER_COMBO), 0);
        EXPECT_EQ(Get_Trade_Team(dialog), NO_TRADE_TEAM);
        EXPECT_EQ(Count_Dialog_Lines(dialog, TRADE_PARTNER_ROSTER), 0);
        Add_Item(dialog, 0, 0);
        for (int32_t id :
             {TRADE_SUBMIT, TRADE_COUNTER, TRADE_BALANCE_PICKS, TRADE_BALANCE_CASH, TRADE_PARTNER_ADD})
            Click_Dialog_Button(dialog, id);
        Choose_Dialog_Line(dialog, TRADE_PARTNER_COMBO, -1);
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, TRADES_DIALOG, 0);
    EXPECT_EQ(Take_Trade_State(), before);
}

TEST_F(TradesDialog, CounterOffersBalancingAndTheDoubleCapWarning) {
    // Twice the cap between the two payrolls: a warning, and the offer may be built all the same.
    Universe.Header.Universe_Stats[SALARY_CAP] = 500 * (Get_Team_Financial_Stat(USER, FINANCE_PAYROLL) +
                                                        Get_Team_Financial_Stat(PARTNER, FINANCE_PAYROLL));
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Last_Caption(), "Salary Cap");
        EXPECT_EQ(Last_Text().rfind("A trade cannot be constructed between ", 0), 0u);
        Universe.Header.Universe_Stats[SALARY_CAP] = 0;
        // Nothing offered: the partner adds players but never accepts, and
        // what it added is left in the offer.
        Click_Dialog_Button(dialog, TRADE_COUNTER);
        EXPECT_EQ(Last_Caption(), "Nope");
        EXPECT_EQ(Last_Text(), "I can't make a suitable trade out of that.");
        EXPECT_GT(Count_Dialog_Lines(dialog, TRADE_PARTNER_OFFER), 0) << "what the partner added stays";
        EXPECT_EQ(Count_Dialog_Lines(dialog, TRADE_PARTNER_OFFER),
                  Get_Trade_Item_Count(&Current_Trade_Offer, 1));
        Click_Dialog_Button(dialog, TRADE_CLEAR);
        EXPECT_EQ(Count_Dialog_Lines(dialog, TRADE_PARTNER_OFFER), 0);
        // A starter for a first-round pick: the partner's counter makes it worth his while.
        Add_Item(dialog, 0, 0);
        Click_Dialog_Button(dialog, TRADE_COUNTER);
        Click_Dialog_Button(dialog, TRADE_BALANCE_PICKS);
        Click_Dialog_Button(dialog, TRADE_BALANCE_CASH);
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, TRADE_PARTNER_CASH_EDIT) != "0", Current_Trade_Offer.Cash < 0)
            << "the edits show the cash balanced";
        // Asking for a player while giving nothing is refused; "Hint" tells what he wants.
        Click_Dialog_Button(dialog, TRADE_CLEAR);
        const int32_t reputation = Get_Universe_Stat(TRADE_REPUTATION);
        Add_Item(dialog, 1, 12);
        Script_Dialog_Answer(TRADE_OFFER_RESPONSE_DIALOG, 1);
        Script_Dialog_Answer(TRADE_HINT_DIALOG, 1);
        Click_Dialog_Button(dialog, TRADE_SUBMIT);
        EXPECT_EQ(Get_Answering_Score(), TRADE_REFUSED_SCORE);
        EXPECT_EQ(Get_Last_Dialog_Id(), TRADE_HINT_DIALOG);
        EXPECT_EQ(Get_Universe_Stat(TRADE_REPUTATION), reputation) << "a refusal costs no reputation";
        EXPECT_EQ(Count_Dialog_Lines(dialog, TRADE_PARTNER_OFFER), 1) << "the offer stays to be improved";
        // In debt, a trade that raises the payroll is not offered.
        Click_Dialog_Button(dialog, TRADE_CLEAR);
        Set_Team_Financial_Stat(USER, FINANCE_CASH, -500000);
        Set_Player_Vital_Stat(PARTNER, 10, VITAL_SALARY, 9000);
        Add_Item(dialog, 0, 40);
        Add_Item(dialog, 1, 10);
        Click_Dialog_Button(dialog, TRADE_SUBMIT);
        EXPECT_EQ(Last_Caption(), "Debt");
        EXPECT_EQ(Last_Text(), "While in debt, you cannot offer a trade that increases your payroll.");
        Click_Dialog_Button(dialog, ID_CANCEL);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, TRADES_DIALOG, 0), ID_CANCEL);
}

// Both rosters carry a heading over each of their six columns, where the
// column's texts begin.
TEST_F(TradesDialog, EachRosterListHasAHeadingOverEveryColumn) {
    const std::vector<std::string> expected = {"Player", "Pos", "Age", "Cap Impact", "Yrs", "Rating"};
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        for (const int32_t id : {TRADE_USER_ROSTER, TRADE_PARTNER_ROSTER}) {
            RECT_AREA list;
            Get_Window_Rect(Get_Dialog_Item(dialog, id), &list);
            // The headings: the statics just above the list, left to right.
            std::vector<std::pair<int32_t, std::string>> headings;
            for (const WINDOW_HANDLE child : Get_Child_Windows(dialog)) {
                if (Get_Control_Kind(child) != CONTROL_STATIC_TEXT || !Is_Window_Shown(child)) continue;
                RECT_AREA rect;
                Get_Window_Rect(child, &rect);
                if (rect.Bottom <= list.Top && rect.Bottom > list.Top - 8 && rect.Left >= list.Left &&
                    rect.Right <= list.Right)
                    headings.push_back({rect.Left, Get_Window_Text(child)});
            }
            std::sort(headings.begin(), headings.end());
            ASSERT_EQ(headings.size(), expected.size()) << "list " << id;
            for (size_t column = 0; column < expected.size(); ++column) {
                EXPECT_EQ(headings[column].second, expected[column]) << "list " << id;
                // A row's column begins inside the list's edge and its text margin.
                const int32_t start =
                    list.Left + 4 +
                    (column == 0 ? 0 : Dialog_Units_To_Pixels_X(TRADE_ROSTER_TAB_STOPS[column - 1]));
                EXPECT_LE(std::abs(headings[column].first - start), 4)
                    << expected[column] << " over list " << id;
            }
        }
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, TRADES_DIALOG, 0);
}

// Go Get on the report of a partner's player, opened from the Trades dialog,
// asks for him in the offer being built: no second Trades dialog, nothing of
// the offer lost, and what the lists show is what the offer holds.
TEST_F(TradesDialog, GoGetFromTheScoutingReportAsksForThePlayerInTheOfferBeingBuilt) {
    constexpr int32_t ASKED = 12, SCOUTED = 30;
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        Add_Item(dialog, 0, 0);
        Add_Item(dialog, 1, ASKED);
        TRADE_OFFER expected = Current_Trade_Offer;
        expected.Items[1][1] = SCOUTED;
        auto go_get = [&](int32_t item, bool side_full) {
            Choose_Dialog_Line(dialog, TRADE_PARTNER_ROSTER,
                               Line_Of_Item(dialog, TRADE_PARTNER_ROSTER, item));
            const int32_t opened = Count_Dialogs_Opened();
            Script_Dialog_Step([side_full](WINDOW_HANDLE report) {
                EXPECT_EQ(Get_Dialog_Template_Id(report), SCOUTING_REPORT_DIALOG);
                EXPECT_EQ(Count_Open_Trades_Dialogs(), 1);
                Click_Dialog_Button(report, REPORT_GO_GET_BUTTON);
                // A full side keeps the report open with the reason.
                if (side_full) Click_Dialog_Button(report, ID_OK);
            });
            Click_Dialog_Button(dialog, TRADE_PARTNER_SCOUTING);
            EXPECT_EQ(Count_Dialogs_Opened(), opened + 1) << "the report and no other dialog";
            EXPECT_EQ(Get_Innermost_Dialog(), dialog);
        };
        go_get(SCOUTED, false);
        Expect_Same_Offer(Current_Trade_Offer, expected, "the player added to what was built");
        Expect_Lists_Show_Offer(dialog);
        Keep_Dialog_Picture(dialog, "trades_after_go_get");
        go_get(SCOUTED, false);
        Expect_Same_Offer(Current_Trade_Offer, expected, "a player already asked for is not added twice");
        // With the partner's side full, the report says so and the offer stays.
        for (int32_t item = 40; Get_Trade_Item_Count(&Current_Trade_Offer, 1) < TRADE_ITEMS_PER_SIDE; ++item)
            Add_Item(dialog, 1, item);
        expected = Current_Trade_Offer;
        Clear_Shown_Messages();
        go_get(20, true);
        EXPECT_EQ(Last_Text(),
                  "No more than 15 items (players or draft picks) per team may be offered in a trade.");
        Expect_Same_Offer(Current_Trade_Offer, expected, "a full side");
        Expect_Lists_Show_Offer(dialog);
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Main_Window_Command(Main_Window, ID_TRADES), true);
    EXPECT_EQ(Count_Open_Trades_Dialogs(), 0);
}

// A player released from the scouting report opened in the Trades dialog
// leaves the offer; the players and pick behind him stay offered, though the
// release moved them up a roster slot.
TEST_F(TradesDialog, APlayerReleasedFromTheReportLeavesTheOfferAndTheRestStay) {
    constexpr int32_t RELEASED = 3, KEPT = 7, ASKED = 12;
    const int32_t kept_id = Get_Player_ID(USER, KEPT);
    const int32_t released_id = Get_Player_ID(USER, RELEASED);
    Script_Message_Answer("Release Player?", ID_BOX_YES);
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        Add_Item(dialog, 0, RELEASED);
        Add_Item(dialog, 0, KEPT);
        Add_Item(dialog, 0, Get_First_Empty_Player_Slot(USER) + 1);
        Add_Item(dialog, 1, ASKED);
        const int32_t players = Get_First_Empty_Player_Slot(USER);
        Choose_Dialog_Line(dialog, TRADE_USER_OFFER, 0);
        Script_Dialog_Step([](WINDOW_HANDLE report) { Click_Dialog_Button(report, REPORT_RELEASE_BUTTON); });
        Click_Dialog_Button(dialog, TRADE_USER_SCOUTING);
        ASSERT_EQ(Get_First_Empty_Player_Slot(USER), players - 1) << "the player was released";
        int32_t team = -1, slot = -1;
        EXPECT_FALSE(Find_Player_By_ID(&team, &slot, released_id) && team == USER);
        TRADE_OFFER expected = Current_Trade_Offer;
        expected.Items[0][0] = static_cast<uint8_t>(KEPT - 1);
        expected.Items[0][1] = static_cast<uint8_t>(players - 1 + 1);
        expected.Items[0][2] = EMPTY_TRADE_ITEM;
        expected.Items[1][0] = ASKED;
        Expect_Same_Offer(Current_Trade_Offer, expected, "the offer after the release");
        EXPECT_EQ(Get_Player_ID(USER, Current_Trade_Offer.Items[0][0]), kept_id);
        Expect_Lists_Show_Offer(dialog);
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Main_Window_Command(Main_Window, ID_TRADES), true);
}

// A counter offer that fails leaves what the user made and what the partner
// added; one that succeeds is a deal the partner then accepts when it is
// submitted.
TEST_F(TradesDialog, ACounterOfferEitherKeepsWhatItAddedOrMakesOneThePartnerAccepts) {
    Script_Dialog_Answer(TRADE_OFFER_RESPONSE_DIALOG, 0);
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        TEAM_STRENGTH_TABLE partner_table;
        Build_Team_Strength_Table(PARTNER, &partner_table);
        // A backup for the partner's first starter: short of what he wants.
        Add_Item(dialog, 0, 45);
        Add_Item(dialog, 1, 0);
        ASSERT_LT(Score_Trade_Offer(&Current_Trade_Offer, partner_table), 1000);
        const TRADE_OFFER asked = Current_Trade_Offer;
        Clear_Shown_Messages();
        Click_Dialog_Button(dialog, TRADE_COUNTER);
        EXPECT_EQ(Last_Caption(), "Nope");
        EXPECT_EQ(Last_Text(), "I can't make a suitable trade out of that.");
        Expect_Failed_Counter_Offer_Kept(Current_Trade_Offer, asked);
        Expect_Lists_Show_Offer(dialog);

        // The user's starters for the partner's counter.
        Click_Dialog_Button(dialog, TRADE_CLEAR);
        Add_Item(dialog, 0, 0);
        Add_Item(dialog, 0, 1);
        const TRADE_OFFER given = Current_Trade_Offer;
        Clear_Shown_Messages();
        Click_Dialog_Button(dialog, TRADE_COUNTER);
        EXPECT_TRUE(Get_Shown_Messages().empty()) << Last_Text();
        EXPECT_GT(Get_Trade_Item_Count(&Current_Trade_Offer, 1), 0);
        for (int32_t n = 0; n < TRADE_ITEMS_PER_SIDE; ++n)
            EXPECT_EQ(Current_Trade_Offer.Items[0][n], given.Items[0][n]) << "what the user gives stays";
        EXPECT_GE(Score_Trade_Offer(&Current_Trade_Offer, partner_table), 1000);
        Expect_Lists_Show_Offer(dialog);
        Keep_Dialog_Picture(dialog, "trades_counter_offer");
        Click_Dialog_Button(dialog, TRADE_SUBMIT);
        EXPECT_GE(Get_Answering_Score(), 1000) << "the partner stands by his own counter offer";
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, TRADES_DIALOG, 0);
}

namespace {
// Every partner player but `kept` is made overpaid: the smallest salary over
// five years that leaves him a net trade value of -`loss` or less, so that
// giving him away raises the partner's score.
void Overpay_Partner_Players(int32_t kept, int32_t loss) {
    for (int32_t slot = 0; slot < Get_First_Empty_Player_Slot(PARTNER); ++slot) {
        if (slot == kept) continue;
        Set_Player_Vital_Stat(PARTNER, slot, VITAL_CONTRACT_YEARS, 5);
        int32_t low = 0, high = 400000;
        while (low < high) {
            const int32_t middle = low + (high - low) / 2;
            Set_Player_Vital_Stat(PARTNER, slot, VITAL_SALARY, middle);
            if (Get_Player_Net_Trade_Value(PARTNER, slot, 0) <= -loss)
                high = middle;
            else
                low = middle + 1;
        }
        Set_Player_Vital_Stat(PARTNER, slot, VITAL_SALARY, low);
    }
}

// The best score the offer reaches with one more partner player.
int32_t Best_Score_With_One_More(const TRADE_OFFER& offer, const TEAM_STRENGTH_TABLE& table) {
    int32_t best = INT32_MIN;
    for (int32_t slot = 0; slot < Get_First_Empty_Player_Slot(PARTNER); ++slot) {
        TRADE_OFFER more = offer;
        if (!Can_Add_Trade_Item(&more, 1, slot)) continue;
        Add_Trade_Item(&more, 1, slot);
        if (Check_Trade_Legality(&more, nullptr)) best = std::max(best, Score_Trade_Offer(&more, table));
    }
    return best;
}
} // namespace

// Overpaid players of a computer team are worth less than nothing to it: a
// counter offer keeps adding them until the partner takes the deal, and stops
// there; one that cannot get there leaves the league as it was and the
// players it added in the offer.
TEST_F(TradesDialog, ACounterOfferAddsOverpaidPlayersUntilThePartnerTakesTheDeal) {
    Universe.Header.Universe_Stats[SALARY_CAP] = 0;
    constexpr int32_t asked_for = 1;
    for (const int32_t loss : {300, 100}) {
        Overpay_Partner_Players(asked_for, loss);
        Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
            TEAM_STRENGTH_TABLE table;
            Build_Team_Strength_Table(PARTNER, &table);
            Add_Item(dialog, 0, loss == 300 ? 30 : 45);
            Add_Item(dialog, 1, asked_for);
            const TRADE_OFFER asked = Current_Trade_Offer;
            ASSERT_LT(Best_Score_With_One_More(asked, table), 1000) << "no one player is enough";
            const TRADE_STATE league = Take_Trade_State();
            Clear_Shown_Messages();
            Click_Dialog_Button(dialog, TRADE_COUNTER);
            Expect_Lists_Show_Offer(dialog);
            EXPECT_EQ(Take_Trade_State(), league);
            if (loss == 100) {
                EXPECT_EQ(Last_Text(), "I can't make a suitable trade out of that.");
                Expect_Failed_Counter_Offer_Kept(Current_Trade_Offer, asked);
            } else {
                EXPECT_TRUE(Get_Shown_Messages().empty()) << Last_Text();
                const int32_t count = Get_Trade_Item_Count(&Current_Trade_Offer, 1);
                EXPECT_GE(count, 3) << "two overpaid players or more";
                EXPECT_EQ(Current_Trade_Offer.Items[1][0], asked_for);
                for (int32_t n = 0; n < TRADE_ITEMS_PER_SIDE; ++n)
                    EXPECT_EQ(Current_Trade_Offer.Items[0][n], asked.Items[0][n]);
                EXPECT_GE(Score_Trade_Offer(&Current_Trade_Offer, table), 1000);
                TRADE_OFFER one_less = Current_Trade_Offer;
                one_less.Items[1][count - 1] = EMPTY_TRADE_ITEM;
                EXPECT_LT(Score_Trade_Offer(&one_less, table), 1000) << "it stops once the deal is taken";
            }
            Click_Dialog_Button(dialog, ID_CANCEL);
        });
        Do_Dialog(Main_Window, TRADES_DIALOG, 0);
    }
}

// With room on the partner's roster to give more, the counter offer still
// stops at the first player with whom the partner takes the deal, though a
// further overpaid player would raise its score again.
TEST_F(TradesDialog, ACounterOfferStopsOnceTakenThoughThePartnerCouldGiveMore) {
    Universe.Header.Universe_Stats[SALARY_CAP] = 0;
    constexpr int32_t asked_for = 1;
    // Six more players than the roster minimum needs, each of an id of his own.
    const int32_t first_extra = Get_First_Empty_Player_Slot(PARTNER);
    for (int32_t n = 0; n < 6; ++n) {
        Copy_Player(PARTNER, first_extra + n, PARTNER, 20 + n);
        Set_Player_Vital_Stat(PARTNER, first_extra + n, VITAL_PLAYER_ID, 930000 + n);
    }
    Overpay_Partner_Players(asked_for, 300);
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        TEAM_STRENGTH_TABLE table;
        Build_Team_Strength_Table(PARTNER, &table);
        Add_Item(dialog, 0, 30);
        Add_Item(dialog, 1, asked_for);
        ASSERT_LT(Best_Score_With_One_More(Current_Trade_Offer, table), 1000) << "no one player is enough";
        Clear_Shown_Messages();
        Click_Dialog_Button(dialog, TRADE_COUNTER);
        EXPECT_TRUE(Get_Shown_Messages().empty()) << Last_Text();
        const int32_t count = Get_Trade_Item_Count(&Current_Trade_Offer, 1);
        ASSERT_GE(count, 3) << "two overpaid players or more";
        EXPECT_GE(Score_Trade_Offer(&Current_Trade_Offer, table), 1000);
        EXPECT_GE(Best_Score_With_One_More(Current_Trade_Offer, table), 1000)
            << "the partner could still give another and take the deal";
        TRADE_OFFER one_less = Current_Trade_Offer;
        one_less.Items[1][count - 1] = EMPTY_TRADE_ITEM;
        EXPECT_LT(Score_Trade_Offer(&one_less, table), 1000) << "it stops once the deal is taken";
        Expect_Lists_Show_Offer(dialog);
        Click_Dialog_Button(dialog, ID_CANCEL);
    });
    Do_Dialog(Main_Window, TRADES_DIALOG, 0);
}

// Scouting on a player of the user's roster, the report stepped back to the
// player before him, who is released there: Add to deal offers the chosen
// player, and the trade made moves him, not the player who moved into his
// slot.
TEST_F(TradesDialog, AReleaseInTheReportLeavesTheChosenRosterRowOnItsPlayer) {
    constexpr int32_t CHOSEN = 10, ASKED = 40;
    Universe.Header.Universe_Stats[SALARY_CAP] = 0;
    Set_Team_Stat(PARTNER, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    const int32_t released = Get_Player_ID(USER, CHOSEN - 1);
    const int32_t chosen = Get_Player_ID(USER, CHOSEN);
    const int32_t after = Get_Player_ID(USER, CHOSEN + 1);
    const int32_t asked = Get_Player_ID(PARTNER, ASKED);
    Script_Message_Answer("Permission Needed", ID_BOX_YES);
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        Choose_Dialog_Line(dialog, TRADE_USER_ROSTER, Line_Of_Item(dialog, TRADE_USER_ROSTER, CHOSEN));
        Script_Dialog_Step(Release_The_Player_Before);
        Click_Dialog_Button(dialog, TRADE_USER_SCOUTING);
        Click_Dialog_Button(dialog, TRADE_USER_ADD);
        Add_Item(dialog, 1, ASKED);
        Click_Dialog_Button(dialog, TRADE_SUBMIT);
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Main_Window_Command(Main_Window, ID_TRADES), true);
    EXPECT_EQ(Team_Of_Player(released), FREE_AGENT_TEAM) << "released from the report";
    EXPECT_EQ(Team_Of_Player(chosen), PARTNER) << "the chosen player was traded";
    EXPECT_EQ(Team_Of_Player(after), USER) << "the player who moved into his slot stays";
    EXPECT_EQ(Team_Of_Player(asked), USER);
}

// The lines chosen in the lists stay on what they stood for when the lists
// are filled again: a draft pick chosen in the partner's roster stays chosen
// after Clear Offer refills it, and Add to deal adds that pick (no line is
// chosen once the pick is gone); an offered player chosen in the offer list
// stays chosen when a release in his report moves him up a line.
TEST_F(TradesDialog, ChosenLinesFollowTheirPicksAndPlayersThroughARefill) {
    Universe.Header.Universe_Stats[SALARY_CAP] = 0;
    constexpr int32_t FIRST = 9, MIDDLE = 30, CHOSEN = 10;
    const int32_t chosen_id = Get_Player_ID(USER, CHOSEN);
    Script_Message_Answer("Release Player?", ID_BOX_YES);
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        const int32_t players = Get_First_Empty_Player_Slot(PARTNER);
        const int32_t picks = Count_Team_Owned_Draft_Picks(PARTNER);
        ASSERT_GT(picks, 3);
        Choose_Dialog_Line(dialog, TRADE_PARTNER_ROSTER,
                           Line_Of_Item(dialog, TRADE_PARTNER_ROSTER, players + 2));
        Click_Dialog_Button(dialog, TRADE_CLEAR);
        const int32_t line = Get_Dialog_Line(dialog, TRADE_PARTNER_ROSTER);
        ASSERT_GE(line, 0) << "the pick's line is still chosen";
        EXPECT_EQ(List_Box_Get_Item_Data(Get_Dialog_Item(dialog, TRADE_PARTNER_ROSTER), line), players + 2);
        Click_Dialog_Button(dialog, TRADE_PARTNER_ADD);
        EXPECT_EQ(Current_Trade_Offer.Items[1][0], players + 2) << "that pick is added";
        // The partner's last pick chosen, then given to another team.
        Choose_Dialog_Line(dialog, TRADE_PARTNER_ROSTER,
                           Line_Of_Item(dialog, TRADE_PARTNER_ROSTER, players + picks - 1));
        int32_t year = 0, round = 0, issuer = 0;
        ASSERT_TRUE(Find_Team_Draft_Pick(PARTNER, picks - 1, &year, &round, &issuer));
        Set_Draft_Pick_Owner(year, round, issuer, 5);
        Click_Dialog_Button(dialog, TRADE_CLEAR);
        EXPECT_EQ(Get_Dialog_Line(dialog, TRADE_PARTNER_ROSTER), -1) << "the pick is gone";
        Click_Dialog_Button(dialog, TRADE_PARTNER_ADD);
        EXPECT_EQ(Get_Trade_Item_Count(&Current_Trade_Offer, 1), 0) << "nothing is added";

        // Three players offered; the third chosen in the offer list, and the
        // first released from the report opened on the third.
        Add_Item(dialog, 0, FIRST);
        Add_Item(dialog, 0, MIDDLE);
        Add_Item(dialog, 0, CHOSEN);
        Choose_Dialog_Line(dialog, TRADE_USER_OFFER, 2);
        ASSERT_EQ(Get_Selected_Trade_Item(dialog, 0), CHOSEN) << "the roster follows the offer list";
        Script_Dialog_Step(Release_The_Player_Before);
        Click_Dialog_Button(dialog, TRADE_USER_SCOUTING);
        ASSERT_EQ(Get_Trade_Item_Count(&Current_Trade_Offer, 0), 2) << "the released player left the offer";
        EXPECT_EQ(Get_Dialog_Line(dialog, TRADE_USER_OFFER), 1) << "the chosen player's line, moved up";
        EXPECT_EQ(Get_Player_ID(USER, Current_Trade_Offer.Items[0][1]), chosen_id);
        Double_Click_Dialog_Line(dialog, TRADE_USER_OFFER);
        ASSERT_EQ(Get_Trade_Item_Count(&Current_Trade_Offer, 0), 1);
        EXPECT_EQ(Current_Trade_Offer.Items[0][0], MIDDLE - 1) << "the chosen player was taken off";
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, TRADES_DIALOG, 0);
}

// The dialog's own operations: the money lines follow the teams' payrolls
// and cash together; the offer lists empty while the offer keeps its items;
// balancing an offer the partner would not take says "Nope" and changes
// nothing, one it would take is balanced with its picks.
TEST_F(TradesDialog, MoneyLinesOfferListsAndBalancingOperations) {
    Set_User_Preference(OWNER_MODE, 1);
    Universe.Header.Universe_Stats[SALARY_CAP] = 0;
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Set_Team_Financial_Stat(USER, FINANCE_CASH, 7000000);
        Set_Team_Financial_Stat(PARTNER, FINANCE_CASH, 12500000);
        Universe.Header.Universe_Stats[SALARY_CAP] =
            1000 * (Get_Team_Financial_Stat(USER, FINANCE_PAYROLL) + 250);
        Update_Trade_Money_Lines(dialog);
        char nickname[64];
        Get_Team_Nickname(USER, nickname);
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, TRADE_USER_CAP_LINE),
                  "The " + std::string(nickname) + " are $250,000 under the salary cap");
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, TRADE_USER_CASH_LINE), "(Cash: $7.0M)");
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, TRADE_PARTNER_CASH_LINE), "(Cash: $12.5M)");
        Universe.Header.Universe_Stats[SALARY_CAP] = 0;

        Add_Item(dialog, 0, 0);
        Add_Item(dialog, 1, 30);
        Reset_Trade_Offer_Lists(dialog);
        EXPECT_EQ(Count_Dialog_Lines(dialog, TRADE_USER_OFFER), 0);
        EXPECT_EQ(Count_Dialog_Lines(dialog, TRADE_PARTNER_OFFER), 0);
        EXPECT_EQ(Get_Trade_Item_Count(&Current_Trade_Offer, 0), 1) << "the offer keeps its items";

        // A backup asked for nothing: the partner would not take it.
        Click_Dialog_Button(dialog, TRADE_CLEAR);
        Add_Item(dialog, 1, 30);
        const TRADE_OFFER asked = Current_Trade_Offer;
        for (const int32_t cash : {1, 0}) {
            Clear_Shown_Messages();
            EXPECT_EQ(Balance_Current_Trade(cash), 0);
            EXPECT_EQ(Last_Caption(), "Nope");
            EXPECT_EQ(Last_Text(),
                      cash ? "I can't balance that trade with the cash available.\n\n(It may already "
                             "be balanced)"
                           : "I can't balance that trade with draft picks.\n\n(It may already be "
                             "balanced)");
            Expect_Same_Offer(Current_Trade_Offer, asked, "an offer not balanced");
        }
        // The user's starter for nothing: the partner adds picks and stays above even.
        Click_Dialog_Button(dialog, TRADE_CLEAR);
        Add_Item(dialog, 0, 0);
        Clear_Shown_Messages();
        ASSERT_EQ(Balance_Current_Trade(0), 1);
        EXPECT_TRUE(Get_Shown_Messages().empty());
        const int32_t players = Get_First_Empty_Player_Slot(PARTNER);
        ASSERT_GE(Get_Trade_Item_Count(&Current_Trade_Offer, 1), 1);
        EXPECT_GE(Current_Trade_Offer.Items[1][0], players) << "a pick";
        TEAM_STRENGTH_TABLE table;
        Build_Team_Strength_Table(PARTNER, &table);
        EXPECT_GT(Score_Trade_Offer(&Current_Trade_Offer, table), 1000);
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, TRADES_DIALOG, 0);
}

// An offer in hand from the Trading Block whose pick has since changed hands:
// the pick shows as a joke item, and the line under the offer and the answer
// to Submit call the trade illegal, though the rules give no reason. The cash spins step from the
// amount an edit holds, one typed past what the team can pay stepping down
// to that limit.
TEST_F(TradesDialog, AnOfferInHandWithAPickGoneIsIllegalAndTheCashSpinsStepFromTheTypedAmount) {
    const int32_t players = Get_First_Empty_Player_Slot(PARTNER);
    Init_Trade_Offer(&Current_Trade_Offer);
    Current_Trade_Offer.Team[0] = USER;
    Current_Trade_Offer.Team[1] = PARTNER;
    Current_Trade_Offer.Items[0][0] = 3;
    Current_Trade_Offer.Items[1][0] =
        static_cast<uint8_t>(players + Count_Team_Owned_Draft_Picks(PARTNER) - 1);
    int32_t year = 0, round = 0, issuer = 0;
    ASSERT_TRUE(
        Find_Team_Draft_Pick(PARTNER, Count_Team_Owned_Draft_Picks(PARTNER) - 1, &year, &round, &issuer));
    Set_Draft_Pick_Owner(year, round, issuer, 5);
    Set_User_Preference(TRADE_PARTNER_TEAM, -128);
    Set_Team_Financial_Stat(PARTNER, FINANCE_CASH, 3456789);
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        char joke[TRADE_ROW_TEXT_SIZE];
        Format_Trade_Offer_Item(PARTNER, Current_Trade_Offer.Items[1][0], joke);
        EXPECT_EQ(Get_Dialog_Line_Text(dialog, TRADE_PARTNER_OFFER, 0), joke);
        EXPECT_EQ(std::string(joke).find("Round"), std::string::npos) << joke;
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, TRADE_STATUS_TEXT), "Illegal Trade: ");
        Click_Dialog_Button(dialog, TRADE_SUBMIT);
        EXPECT_EQ(Last_Caption(), "Illegal Trade") << "the partner is not asked";
        EXPECT_EQ(Last_Text(), "") << "the rules give no reason";

        Type_Dialog_Text(dialog, TRADE_PARTNER_CASH_EDIT, "$50,000,000");
        Spin(dialog, TRADE_PARTNER_CASH_SPIN, 0);
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, TRADE_PARTNER_CASH_EDIT), "$3,400,000");
        EXPECT_EQ(Current_Trade_Offer.Cash, -3400000) << "the partner pays";
        Spin(dialog, TRADE_PARTNER_CASH_SPIN, 0);
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, TRADE_PARTNER_CASH_EDIT), "$3,300,000");
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, TRADES_DIALOG, 0);
}
