// The Trades dialog's lists, labels and buttons.
#include <cctype>
#include <string>
#include <vector>

#include "app/diagnostics.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/money_text.h"
#include "database/roster_slots.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "dialogs/listview_engine.h"
#include "dialogs/trades_dialog.h"
#include "frontoffice/depth_charts.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/trade_items.h"
#include "frontoffice/trade_legality.h"
#include "frontoffice/trade_screens.h"
#include "platform/combo_box.h"
#include "platform/controls.h"
#include "platform/list_box.h"
#include "platform/string_warnings.h"
#include "platform/windows.h"

namespace {
// What each line of the two roster lists (then of the two offer lists) stood
// for when it was filled, so that a refill after a report or a trade moved
// players chooses the same player (or pick) again, not whoever now holds his
// slot.
std::vector<LIST_BOX_ROW> filled_rows[4];

int32_t Roster_List_Id(int32_t side) {
    return side == 0 ? TRADE_USER_ROSTER : TRADE_PARTNER_ROSTER;
}

int32_t Offer_List_Id(int32_t side) {
    return side == 0 ? TRADE_USER_OFFER : TRADE_PARTNER_OFFER;
}

bool Is_Owner_Mode_On() {
    return Get_User_Preference(OWNER_MODE) == 1;
}

bool Is_Commissioner() {
    return Get_User_Preference(COMMISSIONER_MODE) > 0;
}

int32_t Side_Team(int32_t side) {
    return Get_Trade_Side_Team(Current_Trade_Offer, side);
}

void Show_Control(WINDOW_HANDLE dialog, int32_t id, bool show) {
    Show_Window(Get_Dialog_Item(dialog, id), show);
}

void Write_Cash_Edit(WINDOW_HANDLE dialog, int32_t id, int64_t amount) {
    char digits[FORMATTED_TEXT_SIZE] = "0";
    if (amount > 0) Format_Wide_Number_Commas(amount, digits);
    Set_Dialog_Item_Text(dialog, id, digits);
}

// The combo index of a team: the user's side is not listed.
int32_t Combo_Index_Of(int32_t team, int32_t user) {
    return Is_Used_Franchise_Slot(user) && team > user ? team - 1 : team;
}
} // namespace

int32_t Get_Trade_Team(WINDOW_HANDLE dialog) {
    const WINDOW_HANDLE combo = Get_Dialog_Item(dialog, TRADE_PARTNER_COMBO);
    if (combo == NO_WINDOW) {
        Report_System_Error("NULL hTeamList window handle in Get_Trade_Team()");
        return 0;
    }
    if (Combo_Box_Get_Count(combo) <= 0) return NO_TRADE_TEAM;
    int32_t index = Combo_Box_Get_Current_Selection(combo);
    // Nothing chosen: the first team listed.
    if (index < 0) index = 0;
    const int32_t user = Get_Trade_User_Team();
    return Is_Used_Franchise_Slot(user) && index >= user ? index + 1 : index;
}

void Set_User_Team_Caption(WINDOW_HANDLE dialog, int32_t control_id, int32_t team) {
    char name[FORMATTED_TEXT_SIZE] = "";
    if (Is_Used_Franchise_Slot(team)) Get_Team_Full_Name(team, name);
    STRING_PREPEND_WARNING_OFF
    std::string caption = " " + std::string(name);
    STRING_PREPEND_WARNING_ON
    for (char& c : caption)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    Set_Dialog_Item_Text(dialog, control_id, caption.c_str());
}

void Fill_Trade_Team_List(WINDOW_HANDLE dialog) {
    const int32_t user = Get_Trade_User_Team();
    Set_User_Team_Caption(dialog, TRADE_USER_CAPTION, user);
    char name[FORMATTED_TEXT_SIZE] = "";
    const WINDOW_HANDLE combo = Get_Dialog_Item(dialog, TRADE_PARTNER_COMBO);
    Combo_Box_Reset_Content(combo);
    const int32_t teams = Count_Active_Teams();
    for (int32_t team = 0; team < teams; ++team) {
        if (team == user) continue;
        Get_Team_Full_Name(team, name);
        Combo_Box_Add_String(combo, name);
    }
    if (Combo_Box_Get_Count(combo) > 0)
        Combo_Box_Set_Current_Selection(
            combo, Combo_Index_Of(Get_Trade_Team_Index(Get_User_Preference(TRADE_PARTNER_TEAM)), user));
    int32_t partner = Get_Trade_Team(dialog);
    if (partner == user && user != NO_TRADE_TEAM) partner = user == 0 ? 1 : 0;
    Set_User_Preference(TRADE_PARTNER_TEAM, partner);
    Current_Trade_Offer.Team[0] = static_cast<uint8_t>(user);
    Current_Trade_Offer.Team[1] = static_cast<uint8_t>(partner);
    Update_Trade_Cash_Edits(dialog);
}

void Fill_Trade_Roster_List(WINDOW_HANDLE dialog, int32_t side) {
    const WINDOW_HANDLE list = Get_Dialog_Item(dialog, Roster_List_Id(side));
    const int32_t team = Side_Team(side);
    Refill_List_Box(list, team, &filled_rows[side], [&]() {
        List_Box_Set_Tab_Stops(list, {std::begin(TRADE_ROSTER_TAB_STOPS), std::end(TRADE_ROSTER_TAB_STOPS)});
        if (!Is_Used_Franchise_Slot(team)) return;
        // A computer partner's roster is put in order first, unless items of
        // it are already in the offer (their codes are roster places).
        if (side == 1 && Is_Computer_Team(team) && Get_Trade_Item_Count(&Current_Trade_Offer, 1) == 0) {
            const KEEP_GAME_SAVED derived;
            Auto_Set_Team_Depth_Chart(team);
        }
        char row[TRADE_ROW_TEXT_SIZE];
        const int32_t players = Get_First_Empty_Player_Slot(team);
        for (int32_t slot = 0; slot < players; ++slot) {
            Format_Trade_Roster_Row(team, slot, row);
            List_Box_Set_Item_Data(list, List_Box_Add_String(list, row), slot);
        }
        for (int32_t pick = 0; Format_Trade_Pick_Row(team, pick, row); ++pick)
            List_Box_Set_Item_Data(list, List_Box_Add_String(list, row), players + pick);
    });
}

void Fill_Trade_Offer_List(WINDOW_HANDLE dialog, int32_t side) {
    const WINDOW_HANDLE list = Get_Dialog_Item(dialog, Offer_List_Id(side));
    const int32_t team = Side_Team(side);
    Refill_List_Box(list, team, &filled_rows[2 + side], [&]() {
        if (!Is_Used_Franchise_Slot(team)) return;
        const int32_t count = Get_Trade_Item_Count(&Current_Trade_Offer, side);
        for (int32_t n = 0; n < count; ++n) {
            char text[TRADE_ROW_TEXT_SIZE];
            const uint8_t item = Current_Trade_Offer.Items[side][n];
            Format_Trade_Offer_Item(team, item, text);
            List_Box_Set_Item_Data(list, List_Box_Add_String(list, text), item);
        }
    });
}

void Update_Trade_Player_Counts(WINDOW_HANDLE dialog) {
    for (int32_t side = 0; side < 2; ++side) {
        const int32_t team = Side_Team(side);
        char text[FORMATTED_TEXT_SIZE];
        safe_sprintf(text, FORMATTED_TEXT_SIZE, "Players (%d/%d)",
                     Is_Used_Franchise_Slot(team) ? Get_First_Empty_Player_Slot(team) : 0, MAX_TRADE_ROSTER);
        Set_Dialog_Item_Text(dialog, side == 0 ? TRADE_USER_COUNT : TRADE_PARTNER_COUNT, text);
    }
}

void Init_Trades_Dialog_Lists(WINDOW_HANDLE dialog) {
    Fill_Trade_Team_List(dialog);
    Update_Trade_Buttons(dialog);
    Fill_Trade_Roster_List(dialog, 0);
    Fill_Trade_Roster_List(dialog, 1);
    Fill_Trade_Offer_List(dialog, 0);
    Fill_Trade_Offer_List(dialog, 1);
    Update_Trade_Player_Counts(dialog);
}

int32_t Get_Selected_Trade_Item(WINDOW_HANDLE dialog, int32_t side) {
    const WINDOW_HANDLE list = Get_Dialog_Item(dialog, Roster_List_Id(side));
    const int32_t row = List_Box_Get_Current_Selection(list);
    if (row < 0) return -1;
    const intptr_t item = List_Box_Get_Item_Data(list, row);
    return Is_Trade_Item_Present(static_cast<int32_t>(item)) ? static_cast<int32_t>(item) : -1;
}

void Update_Trade_Buttons(WINDOW_HANDLE dialog) {
    Set_Dialog_Item_Text(dialog, TRADE_SUBMIT, Is_Commissioner() ? "&Force Trade" : "&Submit Offer");
    for (int32_t side = 0; side < 2; ++side) {
        const int32_t item = Get_Selected_Trade_Item(dialog, side);
        Enable_Window(Get_Dialog_Item(dialog, side == 0 ? TRADE_USER_ADD : TRADE_PARTNER_ADD),
                      Can_Add_Trade_Item(&Current_Trade_Offer, side, item) != 0);
        Enable_Window(Get_Dialog_Item(dialog, side == 0 ? TRADE_USER_SCOUTING : TRADE_PARTNER_SCOUTING),
                      item >= 0);
    }
}

void Update_Trade_Cap_Lines(WINDOW_HANDLE dialog) {
    for (int32_t side = 0; side < 2; ++side) {
        char line[TEXT_BUFFER_SIZE] = "";
        if (Is_Used_Franchise_Slot(Side_Team(side))) Get_Trade_Cap_Line(Side_Team(side), line);
        Set_Dialog_Item_Text(dialog, side == 0 ? TRADE_USER_CAP_LINE : TRADE_PARTNER_CAP_LINE, line);
    }
}

void Update_Trade_Status_Text(WINDOW_HANDLE dialog) {
    char reason[TEXT_BUFFER_SIZE] = "";
    std::string status = "Double-click players to add them to trade.";
    // An offer that is not well formed (a pick its team no longer owns) is
    // illegal with no reason to give.
    if (!Check_Trade_Legality(&Current_Trade_Offer, reason)) status = "Illegal Trade: " + std::string(reason);
    Set_Dialog_Item_Text(dialog, TRADE_STATUS_TEXT, status.c_str());
}

void Update_Trade_Cash_Lines(WINDOW_HANDLE dialog) {
    for (int32_t side = 0; side < 2; ++side) {
        char line[FORMATTED_TEXT_SIZE] = "";
        const int32_t team = Side_Team(side);
        if (Is_Owner_Mode_On() && Is_Used_Franchise_Slot(team)) {
            char money[FORMATTED_TEXT_SIZE];
            Format_Money_Thousands(Get_Team_Financial_Stat(team, FINANCE_CASH) / 1000, money);
            safe_sprintf(line, FORMATTED_TEXT_SIZE, "(Cash: %s)", money);
        }
        Set_Dialog_Item_Text(dialog, side == 0 ? TRADE_USER_CASH_LINE : TRADE_PARTNER_CASH_LINE, line);
    }
}

void Update_Trade_Cash_Edits(WINDOW_HANDLE dialog) {
    const bool owner = Is_Owner_Mode_On();
    const int64_t cash = Current_Trade_Offer.Cash;
    if (owner) {
        Write_Cash_Edit(dialog, TRADE_USER_CASH_EDIT, cash > 0 ? cash : 0);
        Write_Cash_Edit(dialog, TRADE_PARTNER_CASH_EDIT, cash < 0 ? -cash : 0);
    }
    for (int32_t id :
         {TRADE_USER_CASH_EDIT, TRADE_PARTNER_CASH_EDIT, TRADE_USER_CASH_LABEL, TRADE_PARTNER_CASH_LABEL})
        Show_Control(dialog, id, owner);
}

void Update_Trade_Money_Lines(WINDOW_HANDLE dialog) {
    Update_Trade_Cap_Lines(dialog);
    Update_Trade_Cash_Lines(dialog);
}

void Reset_Trade_Offer_Lists(WINDOW_HANDLE dialog) {
    List_Box_Reset_Content(Get_Dialog_Item(dialog, TRADE_USER_OFFER));
    List_Box_Reset_Content(Get_Dialog_Item(dialog, TRADE_PARTNER_OFFER));
}

void Show_Owner_Mode_Trade_Controls(WINDOW_HANDLE dialog) {
    const bool owner = Is_Owner_Mode_On();
    for (int32_t id : {TRADE_USER_CASH_SPIN, TRADE_PARTNER_CASH_SPIN}) {
        Send_Window_Message(Get_Dialog_Item(dialog, id), MSG_UP_DOWN_SET_RANGE, 0, 1);
        Show_Control(dialog, id, owner);
    }
    Show_Control(dialog, TRADE_BALANCE_CASH, owner);
}

void Sync_Trade_List_Selection(WINDOW_HANDLE dialog, int32_t side) {
    const int32_t position = List_Box_Get_Current_Selection(Get_Dialog_Item(dialog, Offer_List_Id(side)));
    if (position < 0 || position >= TRADE_ITEMS_PER_SIDE) return;
    const int32_t item = Current_Trade_Offer.Items[side][position];
    const WINDOW_HANDLE roster = Get_Dialog_Item(dialog, Roster_List_Id(side));
    const int32_t rows = List_Box_Get_Count(roster);
    for (int32_t row = 0; row < rows; ++row)
        if (List_Box_Get_Item_Data(roster, row) == item) {
            List_Box_Set_Current_Selection(roster, row);
            return;
        }
}

void Add_Current_Trade_Item(WINDOW_HANDLE dialog, int32_t side, int32_t item) {
    Add_Trade_Item(&Current_Trade_Offer, side, item);
    Fill_Trade_Offer_List(dialog, side);
}

void Remove_Trade_Item(WINDOW_HANDLE dialog, int32_t side, int32_t position) {
    Remove_Trade_Item_At(&Current_Trade_Offer, side, position);
    Fill_Trade_Offer_List(dialog, side);
}
