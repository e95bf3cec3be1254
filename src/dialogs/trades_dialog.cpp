#include "dialogs/trades_dialog.h"

#include <string>

#include "app/context_help.h"
#include "app/modal_dialogs.h"
#include "app/team_lists.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/money_text.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "dialogs/dialog_setup.h"
#include "dialogs/scouting_report.h"
#include "dialogs/trade_answer_dialogs.h"
#include "frontoffice/computer_trades.h"
#include "frontoffice/team_needs.h"
#include "frontoffice/trade_items.h"
#include "frontoffice/trade_legality.h"
#include "frontoffice/trade_scoring.h"
#include "frontoffice/trade_screens.h"
#include "personnel/college_draft_flow.h"
#include "personnel/draft_state.h"
#include "platform/controls.h"
#include "platform/list_box.h"
#include "platform/message_box.h"
#include "platform/string_warnings.h"
#include "platform/windows.h"

namespace {
constexpr uint32_t BUTTON = WINDOW_TAB_STOP;
constexpr uint32_t LIST = WINDOW_TAB_STOP | CONTROL_TAB_STOPS;
constexpr int32_t HELP_BUTTON = 9;
constexpr int32_t ACCEPTED_SCORE = 1000;
constexpr int32_t REPUTATION_STEP = 150;
// Trade_Partner_Team when an offer is already in hand.
constexpr int32_t OFFER_IN_HAND = -128;

// The headings of a roster list at `x`, each over its column's stop (the
// rows begin a little inside the list).
constexpr DIALOG_UNIT_RECT Heading(int32_t x, int32_t column) {
    const int32_t left = column == 0 ? 2 : TRADE_ROSTER_TAB_STOPS[column - 1] + 1;
    const int32_t right = column < 5 ? TRADE_ROSTER_TAB_STOPS[column] : 316;
    return {x + left, 23, right - left, 9};
}
#define ROSTER_HEADINGS(x)                                                                                   \
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, Heading(x, 0), "Player", 0},                                      \
        {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, Heading(x, 1), "Pos", 0},                                     \
        {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, Heading(x, 2), "Age", 0},                                     \
        {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, Heading(x, 3), "Cap Impact", 0},                              \
        {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, Heading(x, 4), "Yrs", 0}, {                                   \
        CONTROL_STATIC_TEXT, UNNAMED_CONTROL, Heading(x, 5), "Rating", 0                                     \
    }

const DIALOG_CONTROL TRADES_CONTROLS[] = {
    // The user's side.
    {CONTROL_STATIC_TEXT, TRADE_USER_CAPTION, {6, 6, 240, 12}, "", 0},
    {CONTROL_STATIC_TEXT, TRADE_USER_COUNT, {250, 7, 74, 10}, "", CONTROL_RIGHT_TEXT},
    ROSTER_HEADINGS(6),
    {CONTROL_LIST_BOX, TRADE_USER_ROSTER, {6, 33, 318, 159}, "", LIST},
    {CONTROL_PUSH_BUTTON, TRADE_USER_SCOUTING, {6, 196, 64, 14}, "&Scouting", BUTTON},
    {CONTROL_PUSH_BUTTON, TRADE_USER_ADD, {74, 196, 64, 14}, "&Add to deal", BUTTON},
    {CONTROL_STATIC_TEXT, TRADE_USER_CASH_LINE, {244, 198, 80, 10}, "", CONTROL_RIGHT_TEXT},
    {CONTROL_STATIC_TEXT, TRADE_USER_CAP_LINE, {6, 214, 318, 10}, "", 0},
    // The partner's side.
    {CONTROL_COMBO_BOX, TRADE_PARTNER_COMBO, {336, 4, 200, 160}, "", BUTTON},
    {CONTROL_STATIC_TEXT, TRADE_PARTNER_COUNT, {580, 7, 74, 10}, "", CONTROL_RIGHT_TEXT},
    ROSTER_HEADINGS(336),
    {CONTROL_LIST_BOX, TRADE_PARTNER_ROSTER, {336, 33, 318, 159}, "", LIST},
    {CONTROL_PUSH_BUTTON, TRADE_PARTNER_SCOUTING, {336, 196, 64, 14}, "&Scouting", BUTTON},
    {CONTROL_PUSH_BUTTON, TRADE_PARTNER_ADD, {404, 196, 64, 14}, "&Add to deal", BUTTON},
    {CONTROL_STATIC_TEXT, TRADE_PARTNER_CASH_LINE, {574, 198, 80, 10}, "", CONTROL_RIGHT_TEXT},
    {CONTROL_STATIC_TEXT, TRADE_PARTNER_CAP_LINE, {336, 214, 318, 10}, "", 0},
    // The offer.
    {CONTROL_GROUP_BOX, UNNAMED_CONTROL, {4, 228, 322, 100}, "You give", 0},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {10, 240, 200, 9}, "(Dbl-clk to remove player)", 0},
    {CONTROL_LIST_BOX, TRADE_USER_OFFER, {10, 250, 310, 56}, "", BUTTON},
    {CONTROL_STATIC_TEXT, TRADE_USER_CASH_LABEL, {10, 311, 28, 10}, "and  $", 0},
    {CONTROL_EDIT, TRADE_USER_CASH_EDIT, {40, 309, 80, 13}, "0", BUTTON | CONTROL_RIGHT_TEXT},
    {CONTROL_UP_DOWN, TRADE_USER_CASH_SPIN, {120, 309, 11, 13}, "", 0},
    {CONTROL_GROUP_BOX, UNNAMED_CONTROL, {334, 228, 322, 100}, "You receive", 0},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {340, 240, 200, 9}, "(Dbl-clk to remove player)", 0},
    {CONTROL_LIST_BOX, TRADE_PARTNER_OFFER, {340, 250, 310, 56}, "", BUTTON},
    {CONTROL_STATIC_TEXT, TRADE_PARTNER_CASH_LABEL, {340, 311, 28, 10}, "and  $", 0},
    {CONTROL_EDIT, TRADE_PARTNER_CASH_EDIT, {370, 309, 80, 13}, "0", BUTTON | CONTROL_RIGHT_TEXT},
    {CONTROL_UP_DOWN, TRADE_PARTNER_CASH_SPIN, {450, 309, 11, 13}, "", 0},
    {CONTROL_STATIC_TEXT, TRADE_STATUS_TEXT, {6, 333, 648, 10}, "", CONTROL_CENTRE_TEXT},
    // The commands.
    {CONTROL_PUSH_BUTTON, TRADE_SUBMIT, {6, 348, 78, 15}, "&Submit Offer", BUTTON},
    {CONTROL_PUSH_BUTTON, TRADE_COUNTER, {88, 348, 96, 15}, "&Get Counter Offer", BUTTON},
    {CONTROL_PUSH_BUTTON, TRADE_CLEAR, {188, 348, 70, 15}, "&Clear Offer", BUTTON},
    {CONTROL_PUSH_BUTTON, TRADE_BALANCE_CASH, {262, 348, 100, 15}, "&Balance with Cash", BUTTON},
    {CONTROL_PUSH_BUTTON, TRADE_BALANCE_PICKS, {366, 348, 100, 15}, "Balance with &Picks", BUTTON},
    {CONTROL_PUSH_BUTTON, HELP_BUTTON, {536, 348, 56, 15}, "&Help", BUTTON},
    {CONTROL_PUSH_BUTTON, ID_OK, {598, 348, 56, 15}, "&Done", BUTTON | CONTROL_DEFAULT_BUTTON},
};

bool Is_Commissioner() {
    return Get_User_Preference(COMMISSIONER_MODE) > 0;
}

int32_t Partner() {
    return Get_Trade_Side_Team(Current_Trade_Offer, 1);
}

int32_t Difficulty() {
    return Get_User_Preference(DIFFICULTY_LEVEL);
}

// Both teams' needs, for the builders of offers.
void Build_Both_Tables(TEAM_STRENGTH_TABLE* user_table, TEAM_STRENGTH_TABLE* partner_table) {
    Build_Team_Strength_Table(Get_Trade_Side_Team(Current_Trade_Offer, 0), user_table);
    Build_Team_Strength_Table(Partner(), partner_table);
}

void Warn_Double_Cap(int32_t user, int32_t partner) {
    if (Is_Commissioner() || !Trade_Teams_Exceed_Double_Cap(user, partner)) return;
    char first[FORMATTED_TEXT_SIZE], second[FORMATTED_TEXT_SIZE];
    Get_Team_Display_Name(user, first);
    Get_Team_Display_Name(partner, second);
    Show_Formatted_Message(
        "Salary Cap",
        "A trade cannot be constructed between %s and %s that would satify the league salary cap.", first,
        second);
}

void Refresh_Offer_State(WINDOW_HANDLE dialog) {
    Update_Trade_Status_Text(dialog);
    Update_Trade_Buttons(dialog);
}

void Init_Trades_Dialog(WINDOW_HANDLE dialog) {
    Set_Up_Skinned_Dialog(dialog, {TRADE_USER_SCOUTING, TRADE_PARTNER_SCOUTING, TRADE_USER_ADD,
                                   TRADE_PARTNER_ADD, TRADE_SUBMIT, TRADE_COUNTER, TRADE_CLEAR,
                                   TRADE_BALANCE_CASH, TRADE_BALANCE_PICKS, HELP_BUTTON, ID_OK});
    if (Is_Commissioner()) Validate_Viewed_Team();
    if (Get_User_Preference(TRADE_PARTNER_TEAM) == OFFER_IN_HAND)
        Set_User_Preference(TRADE_PARTNER_TEAM, Partner());
    else
        Init_Trade_Offer(&Current_Trade_Offer);
    Show_Owner_Mode_Trade_Controls(dialog);
    Init_Trades_Dialog_Lists(dialog);
    Update_Trade_Money_Lines(dialog);
    Sync_Trade_List_Selection(dialog, 0);
    Sync_Trade_List_Selection(dialog, 1);
    Refresh_Offer_State(dialog);
    if (Is_Used_Franchise_Slot(Partner()))
        Warn_Double_Cap(Get_Trade_Side_Team(Current_Trade_Offer, 0), Partner());
}

// Adding the selected row of a side, or saying why it cannot be added.
void Add_Selected_Item(WINDOW_HANDLE dialog, int32_t side) {
    const int32_t item = Get_Selected_Trade_Item(dialog, side);
    if (item < 0) return;
    if (Can_Add_Trade_Item(&Current_Trade_Offer, side, item)) {
        Add_Current_Trade_Item(dialog, side, item);
        Refresh_Offer_State(dialog);
        return;
    }
    const bool pick = !Is_Trade_Player_Item(Current_Trade_Offer, side, item);
    if (Get_Trade_Item_Count(&Current_Trade_Offer, side) >= TRADE_ITEMS_PER_SIDE)
        Show_Formatted_Message(
            pick ? "Can't draft pick add to deal" : "Can't add player to deal",
            "No more than %d items (players or draft picks) per team may be offered in a trade.",
            TRADE_ITEMS_PER_SIDE);
    else if (pick)
        Show_Formatted_Message("Can't add draft pick to deal",
                               "That draft pick is already part of the trade offer.");
    else
        Show_Formatted_Message("Can't add player to deal", "That player is already part of the trade offer.");
}

void Remove_Selected_Item(WINDOW_HANDLE dialog, int32_t side) {
    const int32_t position = List_Box_Get_Current_Selection(
        Get_Dialog_Item(dialog, side == 0 ? TRADE_USER_OFFER : TRADE_PARTNER_OFFER));
    if (position < 0) return;
    Remove_Trade_Item(dialog, side, position);
    Refresh_Offer_State(dialog);
}

// Both rosters and both sides of the offer as the league holds them now.
void Refill_Rosters_And_Offer(WINDOW_HANDLE dialog) {
    Fill_Trade_Roster_List(dialog, 0);
    Fill_Trade_Roster_List(dialog, 1);
    Fill_Trade_Offer_List(dialog, 0);
    Fill_Trade_Offer_List(dialog, 1);
    Update_Trade_Player_Counts(dialog);
}

void Scout_Selected_Player(WINDOW_HANDLE dialog, int32_t side) {
    const int32_t item = Get_Selected_Trade_Item(dialog, side);
    const int32_t team = Get_Trade_Side_Team(Current_Trade_Offer, side);
    if (item < 0 || !Is_Trade_Player_Item(Current_Trade_Offer, side, item)) return;
    // The offer names players by roster slot: a release in the report moves
    // the players after him up, so the offer is put back by who it held.
    const TRADE_OFFER_KEYS keys = Get_Trade_Offer_Keys(Current_Trade_Offer);
    const int32_t held[2] = {Get_Trade_Item_Count(&Current_Trade_Offer, 0),
                             Get_Trade_Item_Count(&Current_Trade_Offer, 1)};
    Show_Scouting_Report(dialog, team, item);
    if (!Is_Window(dialog)) return;
    // The report may have asked for the player (in this offer or in a new
    // proposal with his team), changed a contract or released a player.
    if (Get_User_Preference(TRADE_PARTNER_TEAM) == OFFER_IN_HAND) {
        Set_User_Preference(TRADE_PARTNER_TEAM, Partner());
        Init_Trades_Dialog_Lists(dialog);
    } else {
        const TRADE_OFFER asked = Current_Trade_Offer;
        Restore_Trade_Offer_Keys(&Current_Trade_Offer, keys);
        // What the report's Go Get added follows what was held.
        for (int32_t side = 0; side < 2; ++side)
            for (int32_t place = held[side]; place < TRADE_ITEMS_PER_SIDE; ++place)
                if (Can_Add_Trade_Item(&Current_Trade_Offer, side, asked.Items[side][place]))
                    Add_Trade_Item(&Current_Trade_Offer, side, asked.Items[side][place]);
        Refill_Rosters_And_Offer(dialog);
    }
    Update_Trade_Money_Lines(dialog);
    Refresh_Offer_State(dialog);
}

void Choose_Partner(WINDOW_HANDLE dialog) {
    const int32_t partner = Get_Trade_Team(dialog);
    Current_Trade_Offer.Team[1] = static_cast<uint8_t>(partner);
    if (Is_Used_Franchise_Slot(partner))
        Warn_Double_Cap(Get_Trade_Side_Team(Current_Trade_Offer, 0), partner);
    Clear_Trade_Offer_Side(&Current_Trade_Offer, 1);
    Update_Trade_Buttons(dialog);
    List_Box_Reset_Content(Get_Dialog_Item(dialog, TRADE_PARTNER_OFFER));
    Fill_Trade_Roster_List(dialog, 1);
    Update_Trade_Player_Counts(dialog);
    Update_Trade_Money_Lines(dialog);
    Set_User_Preference(TRADE_PARTNER_TEAM, partner);
    Refresh_Offer_State(dialog);
}

void Clear_Offer(WINDOW_HANDLE dialog) {
    Clear_Trade_Offer_Items(&Current_Trade_Offer);
    Reset_Trade_Offer_Lists(dialog);
    Set_Dialog_Item_Text(dialog, TRADE_USER_CASH_EDIT, "0");
    Set_Dialog_Item_Text(dialog, TRADE_PARTNER_CASH_EDIT, "0");
    Fill_Trade_Roster_List(dialog, 1);
    Fill_Trade_Offer_List(dialog, 0);
    Fill_Trade_Offer_List(dialog, 1);
    Refresh_Offer_State(dialog);
}

// The cash edits: the spin of a side moves its amount one step within what
// its team can pay; an amount of 1 or more zeroes the other edit.
void Spin_Cash(WINDOW_HANDLE dialog, int32_t spin, int32_t up) {
    const bool user_pays = spin == TRADE_USER_CASH_SPIN;
    const int32_t edit = user_pays ? TRADE_USER_CASH_EDIT : TRADE_PARTNER_CASH_EDIT;
    const int32_t payer = Get_Trade_Side_Team(Current_Trade_Offer, user_pays ? 0 : 1);
    int64_t typed = 0;
    const std::string text = Get_Dialog_Item_Text(dialog, edit);
    if (!Read_Trade_Cash_Text(text.c_str(), &typed)) typed = 0;
    const int32_t amount = Step_Trade_Cash(typed, up, payer);
    char digits[FORMATTED_TEXT_SIZE];
    Format_Number_Commas(amount, digits);
    STRING_PREPEND_WARNING_OFF
    Set_Dialog_Item_Text(dialog, edit, ("$" + std::string(digits)).c_str());
    STRING_PREPEND_WARNING_ON
    if (amount < 1) {
        // Nothing paid from this side any more.
        if ((Current_Trade_Offer.Cash > 0) == user_pays && Current_Trade_Offer.Cash != 0)
            Current_Trade_Offer.Cash = 0;
        return;
    }
    Current_Trade_Offer.Cash = user_pays ? amount : -amount;
    Set_Dialog_Item_Text(dialog, user_pays ? TRADE_PARTNER_CASH_EDIT : TRADE_USER_CASH_EDIT, "0");
}

// The cash both edits hold, the user's amount less the partner's, as typed:
// a team may pay more than it has. False, with the offer's cash unchanged,
// when one of them is no amount.
bool Read_Offer_Cash(WINDOW_HANDLE dialog) {
    int64_t amounts[2] = {0, 0};
    const int32_t edits[2] = {TRADE_USER_CASH_EDIT, TRADE_PARTNER_CASH_EDIT};
    for (int32_t side = 0; side < 2; ++side) {
        const std::string text = Get_Dialog_Item_Text(dialog, edits[side]);
        if (!Read_Trade_Cash_Text(text.c_str(), &amounts[side])) {
            Show_Formatted_Message("Cash",
                                   "\"%s\" is not an amount of cash. Type a whole number of dollars, such as "
                                   "1,500,000.",
                                   text.c_str());
            return false;
        }
    }
    Current_Trade_Offer.Cash = Hold_Typed_Offer_Cash(amounts[0] - amounts[1]);
    Update_Trade_Cash_Edits(dialog);
    return true;
}

// The trade agreed is carried out; during the college draft the dialog ends
// and the draft goes on.
bool Complete_Trade(WINDOW_HANDLE dialog) {
    if (!Carry_Out_User_Trade(&Current_Trade_Offer, dialog)) return false;
    if (Is_College_Draft_Running()) {
        End_Dialog(dialog, 1);
        Show_Window(dialog, false);
        Run_College_Draft();
        Current_Trade_Offer.Reserved = 1;
    } else {
        Fill_Trade_Roster_List(dialog, 1);
    }
    return true;
}

bool Tell_Illegal(const TRADE_OFFER* offer) {
    char reason[TEXT_BUFFER_SIZE] = "";
    if (Check_Trade_Legality(offer, reason)) return false;
    // An offer that is not well formed is refused with no reason to give.
    Show_Formatted_Message("Illegal Trade", "%s", reason);
    return true;
}

void Ask_Computer_Partner(WINDOW_HANDLE dialog) {
    TRADE_OFFER* offer = &Current_Trade_Offer;
    if (Tell_Illegal(offer)) return;
    if (Trade_Increases_Payroll_In_Debt(offer)) {
        Show_Formatted_Message("Debt",
                               "While in debt, you cannot offer a trade that increases your payroll.");
        return;
    }
    TEAM_STRENGTH_TABLE table;
    Build_Team_Strength_Table(Partner(), &table);
    const int32_t score = Score_Trade_Offer(offer, table);
    Enable_Window(dialog, false);
    const int32_t answer = Open_Trade_Offer_Response(Partner(), score);
    Enable_Window(dialog, true);
    const int32_t step = REPUTATION_STEP * Difficulty();
    if (score >= ACCEPTED_SCORE && answer == 1) {
        if (Score_Trade_Offer(offer, table) >= ACCEPTED_SCORE) {
            if (Complete_Trade(dialog)) Adjust_Trade_Reputation(step);
            return;
        }
        Show_Formatted_Message("Confused",
                               "I don't think that's the trade that I agreed to. Please try again.");
        Adjust_Trade_Reputation(-step);
    } else if (score >= ACCEPTED_SCORE) {
        // Backing out of a deal the partner accepted.
        Adjust_Trade_Reputation(-step);
    } else if (answer == 1) {
        Enable_Window(dialog, false);
        Refresh_Bars_And_Do_Dialog(NO_WINDOW, TRADE_HINT_DIALOG);
        Enable_Window(dialog, true);
    }
    Fill_Trade_Roster_List(dialog, 1);
}

void Submit_Offer(WINDOW_HANDLE dialog) {
    if (!Read_Offer_Cash(dialog)) return;
    if (Is_Commissioner()) {
        if (!Tell_Illegal(&Current_Trade_Offer)) Complete_Trade(dialog);
        return;
    }
    if (Is_Human_Team(Partner())) {
        // Only a legal offer is put to the other owner.
        if (Tell_Illegal(&Current_Trade_Offer)) return;
        char owner[TEAM_STRING_LENGTH + 1] = "";
        Get_Team_String(owner, Partner(), 5);
        char question[TEXT_BUFFER_SIZE];
        safe_sprintf(question, TEXT_BUFFER_SIZE, "Does %s give permission for this trade?", owner);
        if (Show_Message_Box(question, "Permission Needed",
                             BOX_YES_NO | BOX_SECOND_DEFAULT | BOX_TASK_MODAL) == ID_BOX_YES)
            Complete_Trade(dialog);
        return;
    }
    Ask_Computer_Partner(dialog);
}

void Balance_With(WINDOW_HANDLE dialog, bool cash) {
    Balance_Current_Trade(cash ? 1 : 0);
    if (cash)
        Update_Trade_Cash_Edits(dialog);
    else
        Fill_Trade_Offer_List(dialog, 1);
    Refresh_Offer_State(dialog);
}

// A side's list told of a notification: add on a double click in a roster
// list, remove on one in an offer list, and keep the rosters' selection with
// the offer's.
bool Handle_List_Notification(WINDOW_HANDLE dialog, int32_t id, uint32_t notification) {
    if (id == TRADE_USER_ROSTER || id == TRADE_PARTNER_ROSTER) {
        if (notification == NOTIFY_LIST_DOUBLE_CLICK)
            Add_Selected_Item(dialog, id == TRADE_USER_ROSTER ? 0 : 1);
        return true;
    }
    if (id == TRADE_USER_OFFER || id == TRADE_PARTNER_OFFER) {
        const int32_t side = id == TRADE_USER_OFFER ? 0 : 1;
        if (notification == NOTIFY_LIST_DOUBLE_CLICK) Remove_Selected_Item(dialog, side);
        if (notification == NOTIFY_LIST_SELECTION_CHANGE) Sync_Trade_List_Selection(dialog, side);
        return true;
    }
    return false;
}

bool Handle_Command(WINDOW_HANDLE dialog, int32_t id, uint32_t notification) {
    if (Handle_List_Notification(dialog, id, notification)) return true;
    const bool partner_known = Is_Used_Franchise_Slot(Partner());
    switch (id) {
    case TRADE_USER_ADD:
    case TRADE_PARTNER_ADD:
        Add_Selected_Item(dialog, id == TRADE_USER_ADD ? 0 : 1);
        return true;
    case TRADE_USER_SCOUTING:
    case TRADE_PARTNER_SCOUTING:
        Scout_Selected_Player(dialog, id == TRADE_USER_SCOUTING ? 0 : 1);
        return true;
    case TRADE_PARTNER_COMBO:
        if (notification == NOTIFY_COMBO_SELECTION_CHANGE) Choose_Partner(dialog);
        return true;
    case TRADE_CLEAR:
        Clear_Offer(dialog);
        return true;
    case TRADE_SUBMIT:
        if (partner_known) Submit_Offer(dialog);
        return true;
    case TRADE_COUNTER:
        if (partner_known) Get_Counter_Offer(dialog);
        return true;
    case TRADE_BALANCE_CASH:
    case TRADE_BALANCE_PICKS:
        if (partner_known) Balance_With(dialog, id == TRADE_BALANCE_CASH);
        return true;
    case HELP_BUTTON:
        Open_Context_Help(TRADES_DIALOG);
        return true;
    default:
        return false;
    }
}
} // namespace

const DIALOG_TEMPLATE TRADES_DIALOG_TEMPLATE = {TRADES_DIALOG,
                                                "Trades",
                                                660,
                                                368,
                                                "MS Sans Serif",
                                                8,
                                                WINDOW_CAPTION | WINDOW_BORDER,
                                                TRADES_CONTROLS,
                                                static_cast<int32_t>(std::size(TRADES_CONTROLS)),
                                                ID_CANCEL};

int32_t Carry_Out_User_Trade(TRADE_OFFER* offer, WINDOW_HANDLE dialog) {
    if (!Carry_Out_Trade_Offer(offer)) {
        char reason[TEXT_BUFFER_SIZE];
        Get_Refused_Trade_Reason(offer, reason);
        Show_Formatted_Message("Illegal Trade", "%s", reason);
        return 0;
    }
    Reset_Trade_Offer_Lists(dialog);
    Set_Dialog_Item_Text(dialog, TRADE_USER_CASH_EDIT, "0");
    Set_Dialog_Item_Text(dialog, TRADE_PARTNER_CASH_EDIT, "0");
    Fill_Trade_Team_List(dialog);
    Update_Trade_Buttons(dialog);
    Refill_Rosters_And_Offer(dialog);
    Update_Trade_Money_Lines(dialog);
    Refresh_Offer_State(dialog);
    return 1;
}

int32_t Balance_Current_Trade(int32_t with_cash) {
    TEAM_STRENGTH_TABLE user_table, partner_table;
    Build_Both_Tables(&user_table, &partner_table);
    const int32_t changed =
        with_cash ? Balance_Offer_With_Cash(partner_table) : Balance_Offer_With_Draft_Picks(partner_table);
    if (!changed)
        Show_Formatted_Message(
            "Nope", with_cash ? "I can't balance that trade with the cash available.\n\n(It may already "
                                "be balanced)"
                              : "I can't balance that trade with draft picks.\n\n(It may already be "
                                "balanced)");
    return changed;
}

void Get_Counter_Offer(WINDOW_HANDLE dialog) {
    TEAM_STRENGTH_TABLE user_table, partner_table;
    Build_Both_Tables(&user_table, &partner_table);
    if (!Build_Counter_Offer(user_table, partner_table))
        Show_Formatted_Message("Nope", "I can't make a suitable trade out of that.");
    Set_User_Preference(TRADE_PARTNER_TEAM, Partner());
    Fill_Trade_Offer_List(dialog, 0);
    Fill_Trade_Offer_List(dialog, 1);
    Refresh_Offer_State(dialog);
}

intptr_t Trades_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (Is_Dialog_Colour_Message(code)) return Answer_Dialog_Colour(code, dialog, wparam, lparam);
    switch (code) {
    case MSG_INIT_DIALOG:
        Init_Trades_Dialog(dialog);
        return 1;
    case MSG_VERTICAL_SCROLL: {
        if ((wparam & 0xFFFFu) != SCROLL_THUMB_POSITION || Get_User_Preference(OWNER_MODE) != 1) return 1;
        const int32_t spin = Get_Window_Id(static_cast<WINDOW_HANDLE>(lparam));
        if (spin == TRADE_USER_CASH_SPIN || spin == TRADE_PARTNER_CASH_SPIN)
            Spin_Cash(dialog, spin, (wparam >> 16) != 0 ? 1 : 0);
        return 1;
    }
    case MSG_COMMAND: {
        const int32_t id = Command_Id(wparam);
        if (id == ID_OK || id == ID_CANCEL) {
            End_Dialog(dialog, id);
            return 1;
        }
        const bool handled = Handle_Command(dialog, id, Command_Notification(wparam));
        if (Is_Window(dialog)) Update_Trade_Buttons(dialog);
        return handled ? 1 : 0;
    }
    default:
        return 0;
    }
}
