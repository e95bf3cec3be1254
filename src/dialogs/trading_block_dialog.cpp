#include "dialogs/trading_block_dialog.h"

#include <string>
#include <vector>

#include "app/context_help.h"
#include "app/dialog_lists.h"
#include "app/modal_dialogs.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/money_text.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/random_numbers.h"
#include "database/roster_slots.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "dialogs/column_sets.h"
#include "dialogs/dialog_setup.h"
#include "dialogs/listview_engine.h"
#include "dialogs/player_list_kind.h"
#include "dialogs/player_texts.h"
#include "dialogs/scouting_report.h"
#include "dialogs/trades_dialog.h"
#include "frontoffice/depth_charts.h"
#include "frontoffice/trade_items.h"
#include "frontoffice/trade_legality.h"
#include "frontoffice/trade_screens.h"
#include "frontoffice/trading_block.h"
#include "personnel/draft_state.h"
#include "platform/combo_box.h"
#include "platform/controls.h"
#include "platform/list_box.h"
#include "platform/list_view.h"
#include "platform/message_box.h"
#include "platform/windows.h"

namespace {
constexpr uint32_t BUTTON = WINDOW_TAB_STOP;
constexpr int32_t HELP_BUTTON = 9;
constexpr int32_t BLOCK_REQUESTS = 20;
constexpr int32_t STAT_SEASONS = 4;
// Offers found are shown while the search runs, up to this many records.
constexpr int32_t OFFERS_SHOWN_DURING_SEARCH = 17;
constexpr int32_t OFFER_IN_HAND = -128;

const char* const REQUEST_NAMES[BLOCK_REQUESTS] = {
    "Quarterbacks", "Running Backs", "Fullbacks", "Tight Ends",     "Wide Receivers",
    "Tackles",      "Guards",        "Centers",   "Defensive Ends", "Defensive Tackles",
    "Linebackers",  "Cornerbacks",   "Safeties",  "Kickers",        "Punters",
    "Any Players",  "Prospects",     "Veterans",  "Draft Picks",    "Cash"};

// Offers list: team, then up to three items, then the statistics line.
const int32_t OFFER_TAB_STOPS[] = {80, 220, 360, 500};

const DIALOG_CONTROL BLOCK_CONTROLS[] = {
    {CONTROL_STATIC_TEXT, BLOCK_USER_CAPTION, {6, 6, 340, 12}, "", 0},
    {CONTROL_LIST_VIEW, BLOCK_PLAYER_LIST, {6, 22, 340, 200}, "", BUTTON},
    {CONTROL_PUSH_BUTTON, BLOCK_SCOUTING, {6, 226, 64, 14}, "&Scouting", BUTTON},
    {CONTROL_PUSH_BUTTON, BLOCK_ADD, {74, 226, 64, 14}, "&Add To List", BUTTON},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {356, 8, 198, 10}, "On the Block:", 0},
    {CONTROL_LIST_BOX, BLOCK_LIST, {356, 22, 198, 116}, "", BUTTON},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {356, 141, 198, 9}, "(Dbl-clk to remove player)", 0},
    {CONTROL_STATIC_TEXT, BLOCK_CASH_LABEL, {356, 158, 28, 10}, "and  $", 0},
    {CONTROL_EDIT, BLOCK_CASH_EDIT, {386, 156, 80, 13}, "0", BUTTON | CONTROL_RIGHT_TEXT},
    {CONTROL_UP_DOWN, BLOCK_CASH_SPIN, {466, 156, 11, 13}, "", 0},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {356, 178, 18, 10}, "for", 0},
    {CONTROL_COMBO_BOX, BLOCK_REQUEST_COMBO, {376, 176, 118, 160}, "", BUTTON},
    {CONTROL_PUSH_BUTTON,
     BLOCK_GET_OFFERS,
     {498, 175, 56, 15},
     "&Get Offers",
     BUTTON | CONTROL_DEFAULT_BUTTON},
    {CONTROL_PROGRESS_BAR, BLOCK_PROGRESS, {356, 198, 198, 9}, "", CONTROL_HIDDEN},
    {CONTROL_STATIC_TEXT, BLOCK_PROGRESS_TEXT, {356, 210, 198, 28}, "", 0},
    {CONTROL_STATIC_TEXT,
     UNNAMED_CONTROL,
     {6, 248, 300, 10},
     "Trade Offers (Double Click to Open Trade Talks)",
     0},
    {CONTROL_COMBO_BOX, BLOCK_SEASON_COMBO, {454, 245, 100, 80}, "", BUTTON},
    {CONTROL_LIST_BOX, BLOCK_OFFERS_LIST, {6, 260, 548, 96}, "", BUTTON | CONTROL_TAB_STOPS},
    {CONTROL_PUSH_BUTTON, HELP_BUTTON, {438, 362, 56, 15}, "&Help", BUTTON},
    {CONTROL_PUSH_BUTTON, ID_OK, {498, 362, 56, 15}, "&Done", BUTTON},
};

// The whole offer held while trade talks run.
TRADE_OFFER block_backup;
// The player list of the open block.
LISTVIEW_DATA Trading_Block_Data;
// The dialog whose search is running, for the search's step.
WINDOW_HANDLE searching_dialog = NO_WINDOW;

int32_t User() {
    return Get_Trade_Side_Team(Current_Trade_Offer, 0);
}

int32_t Clamped_Setting(int32_t n, int32_t count) {
    return Clamp_Int(0, count - 1, Get_User_Preference(n));
}

int32_t Selected_Request(WINDOW_HANDLE dialog) {
    const int32_t request = Combo_Box_Get_Current_Selection(Get_Dialog_Item(dialog, BLOCK_REQUEST_COMBO));
    return request >= 0 && request < BLOCK_REQUESTS ? request
                                                    : Clamped_Setting(TRADING_BLOCK_REQUEST, BLOCK_REQUESTS);
}

bool Is_Owner_Mode_On() {
    return Get_User_Preference(OWNER_MODE) == 1;
}

void Write_Roster_Warning(WINDOW_HANDLE dialog) {
    char warning[BLOCK_ROW_TEXT_SIZE] = "";
    if (Is_Used_Franchise_Slot(User())) Get_Trading_Block_Roster_Warning(User(), warning);
    Set_Dialog_Item_Text(dialog, BLOCK_PROGRESS_TEXT, warning);
}

// The block's list is the user's roster and keeps that kind's column set;
// the kind is set again whenever a dialog opened over the block returns.
// The kind of the dialog beneath is put back when the block closes.
int32_t kind_beneath = PLAYER_LIST_ROSTER;

bool Is_Pick_Row(intptr_t row_id) {
    return row_id >= Get_Block_Pick_Row_Id(0);
}

// The user's picks follow his players whatever the sort: they have no
// cells of their own, only their text in the first column shown.
void Append_Block_Pick_Rows(WINDOW_HANDLE list, intptr_t selected) {
    const std::vector<int32_t> order = List_View_Get_Column_Order(list);
    const int32_t first_column = List_View_Get_Column_Sub_Item(list, order.empty() ? 0 : order[0]);
    int32_t row = List_View_Get_Item_Count(list);
    char text[BLOCK_ROW_TEXT_SIZE];
    for (int32_t k = 0; Format_Block_Pick_Row(User(), k, text); ++k) {
        const intptr_t id = Get_Block_Pick_Row_Id(k);
        const uint32_t state = id == selected ? ITEM_SELECTED | ITEM_FOCUSED : 0;
        List_View_Insert_Item(list, row, "", id, state);
        if (first_column >= 0) List_View_Set_Item_Text(list, row, first_column, text);
        ++row;
    }
}

// The user's players through the list engine, sorted, then his picks; the
// row chosen stays on its player or pick, whoever moved into his slot.
void Fill_Block_Player_List(WINDOW_HANDLE) {
    LISTVIEW_DATA& data = Trading_Block_Data;
    const intptr_t selected = Get_Listview_Selected_Player(data.List_Window, nullptr, nullptr);
    Clear_Listview_Entries(&data);
    const int32_t team = User();
    if (Is_Used_Franchise_Slot(team)) {
        const int32_t players = Get_First_Empty_Player_Slot(team);
        for (int32_t slot = 0; slot < players; ++slot)
            data.Entries[slot] = static_cast<uint16_t>(Get_Block_Player_Row_Id(team, slot));
    }
    Fill_Listview_Rows(&data, NO_WINDOW);
    Sort_Listview(&data);
    if (Is_Used_Franchise_Slot(team)) Append_Block_Pick_Rows(data.List_Window, selected);
    Auto_Size_Listview_Columns(data.List_Window);
    const int32_t chosen = List_View_Get_Next_Item(data.List_Window, -1, ITEM_SELECTED);
    if (chosen >= 0)
        Send_Window_Message(data.List_Window, MSG_LIST_VIEW_ENSURE_VISIBLE, static_cast<uintptr_t>(chosen),
                            0);
}

// A heading click sorts the players; the picks stay below them.
void Sort_Block_Player_List(int32_t column) {
    LISTVIEW_DATA& data = Trading_Block_Data;
    const WINDOW_HANDLE list = data.List_Window;
    const intptr_t selected = Get_Listview_Selected_Player(list, nullptr, nullptr);
    for (int32_t row = List_View_Get_Item_Count(list) - 1; row >= 0; --row)
        if (Is_Pick_Row(List_View_Get_Item_Data(list, row)))
            Send_Window_Message(list, MSG_LIST_VIEW_DELETE_ITEM, static_cast<uintptr_t>(row), 0);
    Set_Listview_Sort_Column(&data, column);
    Sort_Listview(&data);
    if (Is_Used_Franchise_Slot(User())) Append_Block_Pick_Rows(list, selected);
}

void Open_Block_Player_List(WINDOW_HANDLE dialog) {
    kind_beneath = Player_List_Kind;
    Player_List_Kind = PLAYER_LIST_ROSTER;
    Start_Listview_Data(&Trading_Block_Data, "LVD_Trading_Block", dialog,
                        Get_Dialog_Item(dialog, BLOCK_PLAYER_LIST));
}

int32_t Selected_Row(WINDOW_HANDLE dialog) {
    return List_View_Get_Next_Item(Get_Dialog_Item(dialog, BLOCK_PLAYER_LIST), -1, ITEM_SELECTED);
}

int32_t Selected_Item(WINDOW_HANDLE dialog) {
    const int32_t row = Selected_Row(dialog);
    if (row < 0) return -1;
    return Get_Block_Row_Item(User(),
                              List_View_Get_Item_Data(Get_Dialog_Item(dialog, BLOCK_PLAYER_LIST), row));
}

void Select_Item(WINDOW_HANDLE dialog, int32_t item) {
    const WINDOW_HANDLE list = Get_Dialog_Item(dialog, BLOCK_PLAYER_LIST);
    const int32_t rows = List_View_Get_Item_Count(list);
    for (int32_t row = 0; row < rows; ++row)
        if (Get_Block_Row_Item(User(), List_View_Get_Item_Data(list, row)) == item) {
            List_View_Set_Item_State(list, -1, 0, ITEM_SELECTED | ITEM_FOCUSED);
            List_View_Set_Item_State(list, row, ITEM_SELECTED | ITEM_FOCUSED, ITEM_SELECTED | ITEM_FOCUSED);
            Send_Window_Message(list, MSG_LIST_VIEW_ENSURE_VISIBLE, static_cast<uintptr_t>(row), 0);
            return;
        }
}

void Fill_Block_List(WINDOW_HANDLE dialog) {
    const WINDOW_HANDLE list = Get_Dialog_Item(dialog, BLOCK_LIST);
    List_Box_Reset_Content(list);
    const int32_t count = Get_Trade_Item_Count(&Current_Trade_Offer, 0);
    for (int32_t n = 0; n < count; ++n) {
        char text[TRADE_ROW_TEXT_SIZE];
        Format_Trade_Offer_Item(User(), Current_Trade_Offer.Items[0][n], text);
        List_Box_Add_String(list, text);
    }
}

void Write_Offers_List(WINDOW_HANDLE dialog) {
    const WINDOW_HANDLE list = Get_Dialog_Item(dialog, BLOCK_OFFERS_LIST);
    List_Box_Reset_Content(list);
    List_Box_Set_Tab_Stops(list, {std::begin(OFFER_TAB_STOPS), std::end(OFFER_TAB_STOPS)});
    const int32_t request = Selected_Request(dialog);
    const int32_t season = Clamped_Setting(STAT_SEASON_CHOICE, STAT_SEASONS);
    for (int32_t n = 0; n < TRADING_BLOCK_OFFERS; ++n) {
        if (Trading_Block_Offers[n].Team[1] == NO_TRADE_TEAM) continue;
        char row[BLOCK_ROW_TEXT_SIZE];
        Format_Block_Offer_Row(&Trading_Block_Offers[n], request, season, row);
        List_Box_Set_Item_Data(list, List_Box_Add_String(list, row), n);
    }
}

void Clear_Offers(WINDOW_HANDLE dialog) {
    for (TRADE_OFFER& offer : Trading_Block_Offers)
        Init_Trade_Offer(&offer);
    List_Box_Reset_Content(Get_Dialog_Item(dialog, BLOCK_OFFERS_LIST));
}

void Init_Trading_Block(WINDOW_HANDLE dialog) {
    // A well-formed offer survives while the college draft runs.
    if (!Is_College_Draft_Underway() || !Is_Trade_Offer_Well_Formed(&Current_Trade_Offer))
        Init_Trade_Offer(&Current_Trade_Offer);
    Clear_Offers(dialog);
    const WINDOW_HANDLE combo = Get_Dialog_Item(dialog, BLOCK_REQUEST_COMBO);
    Combo_Box_Reset_Content(combo);
    for (const char* name : REQUEST_NAMES)
        Combo_Box_Add_String(combo, name);
    Combo_Box_Set_Current_Selection(combo, Clamped_Setting(TRADING_BLOCK_REQUEST, BLOCK_REQUESTS));
    {
        const KEEP_GAME_SAVED derived;
        Auto_Set_Computer_Depth_Charts(0);
    }
    Show_Block_Cash_Spin(dialog);
    Update_Block_Teams_And_Buttons(dialog);
    block_backup = Current_Trade_Offer;
    Write_Roster_Warning(dialog);
}

void Open_Trading_Block(WINDOW_HANDLE dialog) {
    Set_Up_Skinned_Dialog(dialog, {BLOCK_SCOUTING, BLOCK_ADD, BLOCK_GET_OFFERS, HELP_BUTTON, ID_OK});
    Fill_Stat_Season_Combo(dialog);
    const WINDOW_HANDLE seasons = Get_Dialog_Item(dialog, BLOCK_SEASON_COMBO);
    if (Combo_Box_Get_Current_Selection(seasons) < 0 && Combo_Box_Get_Count(seasons) > 0)
        Combo_Box_Set_Current_Selection(seasons, 0);
    Open_Block_Player_List(dialog);
    Init_Trading_Block(dialog);
    Fill_Block_Player_List(dialog);
    Fill_Block_List(dialog);
    if (Get_User_Preference(COMMISSIONER_MODE) > 0) Set_User_Preference(VIEWED_TEAM, Get_User_Team());
}

void Add_To_Block(WINDOW_HANDLE dialog) {
    const int32_t item = Selected_Item(dialog);
    if (item < 0) return;
    if (Can_Add_Trade_Item(&Current_Trade_Offer, 0, item)) {
        Add_Trade_Item(&Current_Trade_Offer, 0, item);
        Fill_Block_List(dialog);
        return;
    }
    const bool pick = !Is_Trade_Player_Item(Current_Trade_Offer, 0, item);
    if (Get_Trade_Item_Count(&Current_Trade_Offer, 0) >= TRADE_ITEMS_PER_SIDE)
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

void Remove_From_Block(WINDOW_HANDLE dialog) {
    const int32_t position = List_Box_Get_Current_Selection(Get_Dialog_Item(dialog, BLOCK_LIST));
    if (position < 0) return;
    Remove_Trade_Item_At(&Current_Trade_Offer, 0, position);
    Fill_Block_List(dialog);
}

void Select_Block_Item_In_List(WINDOW_HANDLE dialog) {
    const int32_t position = List_Box_Get_Current_Selection(Get_Dialog_Item(dialog, BLOCK_LIST));
    if (position < 0 || position >= TRADE_ITEMS_PER_SIDE) return;
    Select_Item(dialog, Current_Trade_Offer.Items[0][position]);
}

// What the block and its offers stand for, kept across a dialog opened over
// the block that may release, sign, trade or sort players: the offers name
// players by roster slot, which a closing roster gives to others.
struct BLOCK_MARK {
    ROSTER_IDS Rosters;
    TRADE_OFFER_KEYS Block;
    std::vector<TRADE_OFFER_KEYS> Offers;
};

BLOCK_MARK Mark_Block(const TRADE_OFFER& block) {
    BLOCK_MARK mark{Keep_Roster_Ids(), Get_Trade_Offer_Keys(block), {}};
    for (const TRADE_OFFER& offer : Trading_Block_Offers)
        mark.Offers.push_back(Get_Trade_Offer_Keys(offer));
    return mark;
}

int32_t Count_Offer_Items(const TRADE_OFFER& offer) {
    return Get_Trade_Item_Count(&offer, 0) + Get_Trade_Item_Count(&offer, 1);
}

// The block and every offer named again by the players they held; a player
// who has left his team leaves the block, and the offers, made for the block
// as it was, are emptied; an offer that lost a player is emptied. The block,
// the offers and the roster warning are written again.
void Follow_Block_Players(WINDOW_HANDLE dialog, const BLOCK_MARK& mark) {
    const int32_t held = Count_Offer_Items(Current_Trade_Offer);
    Restore_Trade_Offer_Keys(&Current_Trade_Offer, mark.Block);
    const bool whole = Count_Offer_Items(Current_Trade_Offer) == held;
    for (int32_t n = 0; n < TRADING_BLOCK_OFFERS; ++n) {
        TRADE_OFFER& offer = Trading_Block_Offers[n];
        if (offer.Team[1] == NO_TRADE_TEAM) continue;
        const int32_t items = Count_Offer_Items(offer);
        if (whole) Restore_Trade_Offer_Keys(&offer, mark.Offers[static_cast<size_t>(n)]);
        if (!whole || Count_Offer_Items(offer) != items) Init_Trade_Offer(&offer);
    }
    Fill_Block_List(dialog);
    Write_Offers_List(dialog);
    Write_Roster_Warning(dialog);
}

void Scout_From_Block(WINDOW_HANDLE dialog) {
    const int32_t slot = Selected_Item(dialog);
    const int32_t team = User();
    if (slot < 0 || !Is_Trade_Player_Item(Current_Trade_Offer, 0, slot)) return;
    const int32_t id = Get_Player_Vital_Stat(team, slot, VITAL_PLAYER_ID);
    const uint32_t before = Get_Player_Checksum_By_ID(id);
    const BLOCK_MARK mark = Mark_Block(Current_Trade_Offer);
    Show_Scouting_Report(dialog, team, slot);
    Player_List_Kind = PLAYER_LIST_ROSTER;
    const bool moved = Have_Rosters_Moved(mark.Rosters);
    if (!moved && Get_Player_Checksum_By_ID(id) == before) return;
    // The report changed him, or moved players (stepping to another in it):
    // the block, its offers and the list follow the players by id, the list
    // keeping his row selected (none once he has gone); a scouted player who
    // left the team takes the block with him.
    if (moved) Follow_Block_Players(dialog, mark);
    Fill_Block_Player_List(dialog);
    int32_t now_slot = slot;
    if (Find_Player_On_Team(id, team, &now_slot)) return;
    Clear_Trade_Offer_Items(&Current_Trade_Offer);
    Fill_Block_List(dialog);
    Clear_Offers(dialog);
}

void Spin_Block_Cash(WINDOW_HANDLE dialog, int32_t up) {
    int64_t typed = 0;
    const std::string text = Get_Dialog_Item_Text(dialog, BLOCK_CASH_EDIT);
    if (!Read_Trade_Cash_Text(text.c_str(), &typed)) typed = 0;
    const int32_t amount = Step_Trade_Cash(typed, up, User());
    char digits[FORMATTED_TEXT_SIZE];
    Format_Number_Commas(amount, digits);
    Set_Dialog_Item_Text(dialog, BLOCK_CASH_EDIT, digits);
}

void Search_Step(int32_t, int32_t offers) {
    const WINDOW_HANDLE dialog = searching_dialog;
    Send_Dialog_Item_Message(dialog, BLOCK_PROGRESS, MSG_PROGRESS_STEP, 0, 0);
    if (offers <= OFFERS_SHOWN_DURING_SEARCH) Write_Offers_List(dialog);
    Pump_Messages();
}

void Get_Offers(WINDOW_HANDLE dialog) {
    if (Get_Trade_Item_Count(&Current_Trade_Offer, 0) == 0) {
        Show_Formatted_Message("Trading Block",
                               "You must add a player to the Trading Block before clicking 'Get Offers'.");
        return;
    }
    const std::string text = Get_Dialog_Item_Text(dialog, BLOCK_CASH_EDIT);
    int64_t cash = 0;
    if (!Read_Trade_Cash_Text(text.c_str(), &cash)) {
        Show_Formatted_Message("Cash",
                               "\"%s\" is not an amount of cash. Type a whole number of dollars, such as "
                               "1,500,000.",
                               text.c_str());
        return;
    }
    Current_Trade_Offer.Cash = Hold_Typed_Offer_Cash(cash);
    List_Box_Reset_Content(Get_Dialog_Item(dialog, BLOCK_OFFERS_LIST));
    const int32_t request = Selected_Request(dialog);
    if (request == BLOCK_REQUEST_CASH) {
        Current_Trade_Offer.Cash = 0;
        Set_Dialog_Item_Text(dialog, BLOCK_CASH_EDIT, "0");
    }
    if (Get_Trading_Block_Offers(dialog) != 0) return;
    Show_Formatted_Message(
        "No Trade Offers",
        request == BLOCK_REQUEST_CASH
            ? "There are no offers for the listed player(s). Change the players offered.\n\nHint: "
              "Teams may not have enough salary cap room for the offered player(s)."
            : "There are no offers for the listed player(s). Change the players offered, or add "
              "money to your offer.");
}

// Trade talks on the offer chosen; a trade made there empties the block.
void Open_Offer(WINDOW_HANDLE dialog) {
    const WINDOW_HANDLE list = Get_Dialog_Item(dialog, BLOCK_OFFERS_LIST);
    const int32_t line = List_Box_Get_Current_Selection(list);
    if (line < 0) return;
    const intptr_t record = List_Box_Get_Item_Data(list, line);
    if (record < 0 || record >= TRADING_BLOCK_OFFERS) return;
    block_backup = Current_Trade_Offer;
    if (Trading_Block_Offers[record].Team[1] == NO_TRADE_TEAM) return;
    const BLOCK_MARK mark = Mark_Block(block_backup);
    Set_Current_Trade_Offer(&Trading_Block_Offers[record]);
    Set_User_Preference(TRADE_PARTNER_TEAM, OFFER_IN_HAND);
    Set_User_Preference(TRADE_MADE_FLAG, 0);
    Enable_Window(dialog, false);
    Refresh_Bars_And_Do_Dialog(dialog, TRADES_DIALOG);
    Player_List_Kind = PLAYER_LIST_ROSTER;
    Enable_Window(dialog, true);
    if (Current_Trade_Offer.Reserved == 1) {
        Current_Trade_Offer = block_backup;
        Clear_Trade_Offer_Items(&Current_Trade_Offer);
        Init_Trading_Block(dialog);
        Fill_Block_Player_List(dialog);
        Fill_Block_List(dialog);
        return;
    }
    // No trade: the block comes back, named by the players it held, since a
    // report in the talks may have released or signed players.
    Current_Trade_Offer = block_backup;
    if (!Have_Rosters_Moved(mark.Rosters)) return;
    Follow_Block_Players(dialog, mark);
    Fill_Block_Player_List(dialog);
}

bool Handle_List_View_Notice(WINDOW_HANDLE dialog, const NOTIFY_INFO* notice) {
    if (notice == nullptr || notice->From_Id != BLOCK_PLAYER_LIST) return false;
    switch (notice->Code) {
    case NOTIFY_DOUBLE_CLICK:
        Add_To_Block(dialog);
        break;
    case NOTIFY_COLUMN_CLICK:
        Sort_Block_Player_List(notice->Sub_Item + 1);
        break;
    case NOTIFY_RIGHT_CLICK:
    case NOTIFY_HEADER_RIGHT_CLICK: {
        // A new column set or the default one leaves the list without its
        // rows: it is filled again.
        const int32_t command = Do_Listview_Header_Menu(&Trading_Block_Data);
        if (command == HEADER_MENU_CHOOSE_COLUMNS || command == HEADER_MENU_DEFAULT_COLUMNS)
            Fill_Block_Player_List(dialog);
        break;
    }
    case NOTIFY_ITEM_CHANGED:
        if (Trading_Block_Data.Fill_Flag != 0) return true;
        break;
    default:
        break;
    }
    Update_Trading_Block_Buttons(dialog);
    return true;
}

bool Handle_Block_Command(WINDOW_HANDLE dialog, int32_t id, uint32_t notification) {
    switch (id) {
    case BLOCK_ADD:
        Add_To_Block(dialog);
        return true;
    case BLOCK_LIST:
        if (notification == NOTIFY_LIST_DOUBLE_CLICK) Remove_From_Block(dialog);
        if (notification == NOTIFY_LIST_SELECTION_CHANGE) Select_Block_Item_In_List(dialog);
        return true;
    case BLOCK_SCOUTING:
        Scout_From_Block(dialog);
        return true;
    case BLOCK_REQUEST_COMBO:
        if (notification == NOTIFY_COMBO_SELECTION_CHANGE)
            Set_User_Preference(TRADING_BLOCK_REQUEST, Selected_Request(dialog));
        return true;
    case BLOCK_SEASON_COMBO:
        if (notification == NOTIFY_COMBO_SELECTION_CHANGE) {
            const int32_t season =
                Combo_Box_Get_Current_Selection(Get_Dialog_Item(dialog, BLOCK_SEASON_COMBO));
            if (season >= 0) Set_User_Preference(STAT_SEASON_CHOICE, season);
            Write_Offers_List(dialog);
            // The list's statistic cells follow the season too.
            Fill_Block_Player_List(dialog);
        }
        return true;
    case BLOCK_GET_OFFERS:
        if (Is_Used_Franchise_Slot(User())) Get_Offers(dialog);
        return true;
    case BLOCK_OFFERS_LIST:
        if (notification == NOTIFY_LIST_DOUBLE_CLICK) Open_Offer(dialog);
        return true;
    case HELP_BUTTON:
        Open_Context_Help(TRADING_BLOCK_DIALOG);
        return true;
    default:
        return false;
    }
}
} // namespace

const DIALOG_TEMPLATE TRADING_BLOCK_DIALOG_TEMPLATE = {TRADING_BLOCK_DIALOG,
                                                       "Trading Block",
                                                       560,
                                                       384,
                                                       "MS Sans Serif",
                                                       8,
                                                       WINDOW_CAPTION | WINDOW_BORDER,
                                                       BLOCK_CONTROLS,
                                                       static_cast<int32_t>(std::size(BLOCK_CONTROLS)),
                                                       ID_CANCEL};

void Show_Block_Cash_Spin(WINDOW_HANDLE dialog) {
    const WINDOW_HANDLE spin = Get_Dialog_Item(dialog, BLOCK_CASH_SPIN);
    Send_Window_Message(spin, MSG_UP_DOWN_SET_RANGE, 0, 1);
    Show_Window(spin, Is_Owner_Mode_On());
}

void Set_Block_Teams_And_Cash_Controls(WINDOW_HANDLE dialog) {
    const int32_t user = Get_User_Team();
    Set_User_Team_Caption(dialog, BLOCK_USER_CAPTION, user);
    int32_t partner = Get_User_Preference(TRADE_PARTNER_TEAM);
    if (!Is_Used_Franchise_Slot(partner) || partner == user) partner = user == 0 ? 1 : 0;
    Current_Trade_Offer.Team[0] = static_cast<uint8_t>(Is_Used_Franchise_Slot(user) ? user : NO_TRADE_TEAM);
    Current_Trade_Offer.Team[1] = static_cast<uint8_t>(partner);
    const bool owner = Is_Owner_Mode_On();
    Set_Dialog_Item_Text(dialog, BLOCK_CASH_EDIT, "0");
    Show_Window(Get_Dialog_Item(dialog, BLOCK_CASH_EDIT), owner);
    Show_Window(Get_Dialog_Item(dialog, BLOCK_CASH_LABEL), owner);
}

void Update_Trading_Block_Buttons(WINDOW_HANDLE dialog) {
    const int32_t item = Selected_Item(dialog);
    Enable_Window(Get_Dialog_Item(dialog, BLOCK_ADD), Can_Add_Trade_Item(&Current_Trade_Offer, 0, item) != 0);
    Enable_Window(Get_Dialog_Item(dialog, BLOCK_SCOUTING),
                  item >= 0 && Is_Trade_Player_Item(Current_Trade_Offer, 0, item));
}

void Update_Block_Teams_And_Buttons(WINDOW_HANDLE dialog) {
    Set_Block_Teams_And_Cash_Controls(dialog);
    Update_Trading_Block_Buttons(dialog);
}

int32_t Get_Block_Player_Row_Id(int32_t team, int32_t slot) {
    return team * 100 + slot;
}

int32_t Get_Block_Pick_Row_Id(int32_t k) {
    return Count_Active_Teams() * 100 + 1 + k;
}

int32_t Get_Block_Row_Item(int32_t team, intptr_t row_id) {
    const intptr_t first_pick = Get_Block_Pick_Row_Id(0);
    const int32_t players = Is_Used_Franchise_Slot(team) ? Get_First_Empty_Player_Slot(team) : 0;
    if (row_id >= first_pick) {
        const intptr_t item = players + (row_id - first_pick);
        return item >= 0 && item < NO_TRADE_TEAM ? static_cast<int32_t>(item) : -1;
    }
    const intptr_t slot = row_id - static_cast<intptr_t>(team) * 100;
    return slot >= 0 && slot < players ? static_cast<int32_t>(slot) : -1;
}

int32_t Get_Trading_Block_Offers(WINDOW_HANDLE dialog) {
    const int32_t teams = Count_Active_Teams();
    const int32_t request = Selected_Request(dialog);
    Clear_Offers(dialog);
    char reason[TEXT_BUFFER_SIZE] = "";
    if (!Check_Block_Roster_Minimum(reason, request)) {
        Show_Formatted_Message("Illegal Trading Block Offer", "%s", reason);
        return -1;
    }
    const WINDOW_HANDLE bar = Get_Dialog_Item(dialog, BLOCK_PROGRESS);
    Send_Window_Message(bar, MSG_PROGRESS_SET_RANGE, 0, static_cast<intptr_t>(teams));
    Send_Window_Message(bar, MSG_PROGRESS_SET_STEP, 1, 0);
    Send_Window_Message(bar, MSG_PROGRESS_SET_POSITION, 0, 0);
    Show_Window(bar, true);
    Set_Dialog_Item_Text(dialog, BLOCK_PROGRESS_TEXT, "Getting Trade Offers...    (Please Wait)");
    Enable_Window(dialog, false);
    searching_dialog = dialog;
    const int32_t offers = Collect_Trading_Block_Offers(request, reason, Search_Step);
    searching_dialog = NO_WINDOW;
    if (!Is_Window(dialog)) return offers;
    Write_Offers_List(dialog);
    Show_Window(bar, false);
    Write_Roster_Warning(dialog);
    Enable_Window(dialog, true);
    return offers;
}

intptr_t Trading_Block_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (Is_Dialog_Colour_Message(code)) return Answer_Dialog_Colour(code, dialog, wparam, lparam);
    switch (code) {
    case MSG_INIT_DIALOG:
        Open_Trading_Block(dialog);
        return 1;
    case MSG_DESTROY:
        Save_Listview_Column_Set(&Trading_Block_Data);
        Player_List_Kind = kind_beneath;
        return 0;
    case MSG_NOTIFY:
        return Handle_List_View_Notice(dialog, reinterpret_cast<const NOTIFY_INFO*>(lparam)) ? 1 : 0;
    case MSG_VERTICAL_SCROLL:
        if ((wparam & 0xFFFFu) == SCROLL_THUMB_POSITION && Is_Owner_Mode_On() &&
            Get_Window_Id(static_cast<WINDOW_HANDLE>(lparam)) == BLOCK_CASH_SPIN)
            Spin_Block_Cash(dialog, (wparam >> 16) != 0 ? 1 : 0);
        return 1;
    case MSG_COMMAND: {
        const int32_t id = Command_Id(wparam);
        if (id == ID_OK || id == ID_CANCEL) {
            End_Dialog(dialog, id);
            return 1;
        }
        const bool handled = Handle_Block_Command(dialog, id, Command_Notification(wparam));
        if (Is_Window(dialog)) Update_Trading_Block_Buttons(dialog);
        return handled ? 1 : 0;
    }
    default:
        return 0;
    }
}
