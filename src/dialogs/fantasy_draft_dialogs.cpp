#include "dialogs/fantasy_draft_dialogs.h"

#include <algorithm>
#include <string>
#include <strings.h>

#include "app/context_help.h"
#include "app/dialog_services.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/settings.h"
#include "dialogs/dialog_setup.h"
#include "dialogs/scouting_report.h"
#include "personnel/fantasy_draft.h"
#include "platform/combo_box.h"
#include "platform/controls.h"
#include "platform/list_box.h"
#include "platform/windows.h"

namespace {
constexpr uint32_t BUTTON = WINDOW_TAB_STOP;
constexpr int32_t HELP_BUTTON = 9;
constexpr int32_t ALL_POSITIONS = NUMBER_OF_POSITIONS;
// Position key of a pick to come: after every position.
constexpr int32_t NO_POSITION_YET = NUMBER_OF_POSITIONS + 1;
constexpr int32_t ROW_TEXT_SIZE = 160;

struct ORDER_BUTTON {
    int32_t Id;
    int32_t Order;
};
constexpr ORDER_BUTTON FIRST_ROUND_BUTTONS[] = {{FIRST_ROUND_RANDOM, FANTASY_ORDER_RANDOM},
                                                {FIRST_ROUND_ALPHABETICAL, FANTASY_ORDER_ALPHABETICAL},
                                                {FIRST_ROUND_CASH, FANTASY_ORDER_CASH},
                                                {FIRST_ROUND_REVENUE, FANTASY_ORDER_REVENUE}};
constexpr ORDER_BUTTON LATER_ROUND_BUTTONS[] = {{LATER_ROUNDS_REVERSE, FANTASY_ORDER_REVERSE},
                                                {LATER_ROUNDS_REPEAT, FANTASY_ORDER_REPEAT},
                                                {LATER_ROUNDS_SNAKE, FANTASY_ORDER_SNAKE},
                                                {LATER_ROUNDS_RANDOM, FANTASY_ORDER_RANDOM}};

const DIALOG_CONTROL START_CONTROLS[] = {
    {CONTROL_GROUP_BOX, UNNAMED_CONTROL, {8, 4, 248, 40}, "First Round", 0},
    {CONTROL_RADIO_BUTTON, FIRST_ROUND_RANDOM, {16, 16, 110, 11}, "Random", BUTTON | CONTROL_GROUP},
    {CONTROL_RADIO_BUTTON, FIRST_ROUND_ALPHABETICAL, {132, 16, 116, 11}, "Alphabetical", BUTTON},
    {CONTROL_RADIO_BUTTON, FIRST_ROUND_CASH, {16, 28, 110, 11}, "Cash (Lowest to Highest)", BUTTON},
    {CONTROL_RADIO_BUTTON, FIRST_ROUND_REVENUE, {132, 28, 116, 11}, "Revenue (Lowest to Highest)", BUTTON},
    {CONTROL_GROUP_BOX, UNNAMED_CONTROL, {8, 48, 248, 64}, "Remaining Rounds", 0},
    {CONTROL_RADIO_BUTTON,
     LATER_ROUNDS_REVERSE,
     {16, 60, 232, 11},
     "Reverse First Round",
     BUTTON | CONTROL_GROUP},
    {CONTROL_RADIO_BUTTON, LATER_ROUNDS_REPEAT, {16, 72, 232, 11}, "Repeat First Round", BUTTON},
    {CONTROL_RADIO_BUTTON,
     LATER_ROUNDS_SNAKE,
     {16, 84, 232, 11},
     "Snake (Alternate 'Reverse' and 'Repeat')",
     BUTTON},
    {CONTROL_RADIO_BUTTON, LATER_ROUNDS_RANDOM, {16, 96, 232, 11}, "Random", BUTTON},
    {CONTROL_CHECK_BOX,
     ANNOUNCE_PICKS_BOX,
     {8, 118, 200, 11},
     "Announce Each Draft Pick",
     BUTTON | CONTROL_GROUP},
    {CONTROL_PUSH_BUTTON, HELP_BUTTON, {8, 136, 54, 15}, "&Help", BUTTON},
    {CONTROL_PUSH_BUTTON, ID_CANCEL, {142, 136, 54, 15}, "Cancel", BUTTON},
    {CONTROL_PUSH_BUTTON, ID_OK, {202, 136, 54, 15}, "OK", BUTTON | CONTROL_DEFAULT_BUTTON},
};

const DIALOG_CONTROL ORDER_CONTROLS[] = {
    {CONTROL_COMBO_BOX, DRAFT_ORDER_TEAM_COMBO, {8, 8, 132, 160}, "", BUTTON},
    {CONTROL_COMBO_BOX, DRAFT_ORDER_POSITION_COMBO, {146, 8, 82, 160}, "", BUTTON},
    {CONTROL_LIST_BOX, DRAFT_ORDER_LIST, {8, 26, 220, 200}, "", BUTTON | CONTROL_TAB_STOPS},
    {CONTROL_PUSH_BUTTON, DRAFT_ORDER_ROUND_BUTTON, {236, 26, 56, 15}, "&Round", BUTTON},
    {CONTROL_PUSH_BUTTON, DRAFT_ORDER_POSITION_BUTTON, {236, 46, 56, 15}, "Po&s", BUTTON},
    {CONTROL_PUSH_BUTTON, DRAFT_ORDER_PLAYER_BUTTON, {236, 66, 56, 15}, "&Player", BUTTON},
    {CONTROL_PUSH_BUTTON, DRAFT_ORDER_SCOUTING_BUTTON, {236, 96, 56, 15}, "&Scouting", BUTTON},
    {CONTROL_PUSH_BUTTON, HELP_BUTTON, {236, 191, 56, 15}, "&Help", BUTTON},
    {CONTROL_PUSH_BUTTON, ID_OK, {236, 211, 56, 15}, "OK", BUTTON | CONTROL_DEFAULT_BUTTON},
};

// The order dialog's rows follow the last sort button pressed.
int32_t order_sort = FANTASY_SORT_BY_DRAFT_ORDER;

int32_t Chosen_Order(WINDOW_HANDLE dialog, const ORDER_BUTTON* buttons, size_t count, int32_t fallback) {
    for (size_t i = 0; i < count; ++i)
        if (Is_Dialog_Button_Checked(dialog, buttons[i].Id) == BUTTON_CHECKED) return buttons[i].Order;
    return fallback;
}

void Start_Draft(WINDOW_HANDLE dialog) {
    const int32_t first =
        Chosen_Order(dialog, FIRST_ROUND_BUTTONS, std::size(FIRST_ROUND_BUTTONS), FANTASY_ORDER_RANDOM);
    const int32_t later =
        Chosen_Order(dialog, LATER_ROUND_BUTTONS, std::size(LATER_ROUND_BUTTONS), FANTASY_ORDER_REVERSE);
    Set_Fantasy_Announce_Picks(Is_Dialog_Button_Checked(dialog, ANNOUNCE_PICKS_BOX) == BUTTON_CHECKED ? 1
                                                                                                      : 0);
    End_Dialog(dialog, 1);
    Show_Window(dialog, false);
    Begin_Fantasy_Draft(first, later);
}

int32_t Active_Teams() {
    return std::min(Count_Active_Teams(), FANTASY_DRAFT_TEAMS);
}

// What a made pick sorts by: his position and his name.
struct ROW_KEY {
    FANTASY_ORDER_ROW Row;
    int32_t Position;
    std::string Name;
};

ROW_KEY Make_Row_Key(int32_t round, int32_t pick, int32_t sort) {
    ROW_KEY key{{round, pick}, NO_POSITION_YET, std::string()};
    if (sort == FANTASY_SORT_BY_DRAFT_ORDER) return key;
    int32_t team = 0, slot = 0;
    if (!Find_Fantasy_Pick_Player(round, pick, &team, &slot)) return key;
    key.Position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    char name[PLAYER_NAME_TEXT_SIZE] = "";
    Get_Player_Last_First_Name(team, slot, name);
    key.Name = name;
    return key;
}

// Picks to come sort after the made ones, whatever the key.
bool Is_Before(const ROW_KEY& a, const ROW_KEY& b, int32_t sort) {
    if (sort == FANTASY_SORT_BY_POSITION) return a.Position < b.Position;
    const bool a_made = a.Position != NO_POSITION_YET, b_made = b.Position != NO_POSITION_YET;
    if (a_made != b_made) return a_made;
    return strcasecmp(a.Name.c_str(), b.Name.c_str()) < 0;
}

void Fill_Filter_Combos(WINDOW_HANDLE dialog) {
    Clamp_Fantasy_Draft_Filters();
    const WINDOW_HANDLE teams = Get_Dialog_Item(dialog, DRAFT_ORDER_TEAM_COMBO);
    Combo_Box_Reset_Content(teams);
    const int32_t count = Active_Teams();
    for (int32_t team = 0; team < count; ++team) {
        char name[PLAYER_NAME_TEXT_SIZE] = "";
        Get_Team_Full_Name(team, name);
        Combo_Box_Add_String(teams, name);
    }
    Combo_Box_Add_String(teams, "ALL TEAMS");
    Combo_Box_Set_Current_Selection(teams, Get_User_Preference(FANTASY_TEAM_FILTER));
    const WINDOW_HANDLE positions = Get_Dialog_Item(dialog, DRAFT_ORDER_POSITION_COMBO);
    Combo_Box_Reset_Content(positions);
    for (int32_t position = 0; position < NUMBER_OF_POSITIONS; ++position)
        Combo_Box_Add_String(positions, Get_Position_Short_Name(position));
    Combo_Box_Add_String(positions, "ALL POSITIONS");
    Combo_Box_Set_Current_Selection(positions, Get_User_Preference(FANTASY_POSITION_FILTER));
}

void Filter_Chosen(WINDOW_HANDLE dialog, int32_t combo, int32_t setting) {
    const int32_t index = Combo_Box_Get_Current_Selection(Get_Dialog_Item(dialog, combo));
    if (index < 0) return;
    Set_User_Preference(setting, index);
    Refill_Fantasy_Draft_Order_List(dialog);
}

void Open_Row_Report(WINDOW_HANDLE dialog) {
    const WINDOW_HANDLE list = Get_Dialog_Item(dialog, DRAFT_ORDER_LIST);
    const int32_t selected = List_Box_Get_Current_Selection(list);
    if (selected < 0) return;
    const intptr_t data = List_Box_Get_Item_Data(list, selected);
    const int32_t round = static_cast<int32_t>(data / FANTASY_DRAFT_TEAMS);
    const int32_t pick = static_cast<int32_t>(data % FANTASY_DRAFT_TEAMS);
    int32_t team = 0, slot = 0;
    if (!Find_Fantasy_Pick_Player(round, pick, &team, &slot)) return;
    Show_Scouting_Report(dialog, team, slot);
    Refill_Fantasy_Draft_Order_List(dialog);
}

void Sort_Rows(WINDOW_HANDLE dialog, int32_t sort) {
    order_sort = sort;
    Refill_Fantasy_Draft_Order_List(dialog);
}

void Init_Order_Dialog(WINDOW_HANDLE dialog) {
    Set_Up_Skinned_Dialog(dialog,
                          {DRAFT_ORDER_ROUND_BUTTON, DRAFT_ORDER_POSITION_BUTTON, DRAFT_ORDER_PLAYER_BUTTON,
                           DRAFT_ORDER_SCOUTING_BUTTON, HELP_BUTTON, ID_OK});
    List_Box_Set_Tab_Stops(Get_Dialog_Item(dialog, DRAFT_ORDER_LIST), {25, 125});
    order_sort = FANTASY_SORT_BY_DRAFT_ORDER;
    Fill_Filter_Combos(dialog);
    Refill_Fantasy_Draft_Order_List(dialog);
}

bool Handle_Order_Command(WINDOW_HANDLE dialog, int32_t id, uint32_t notification) {
    switch (id) {
    case DRAFT_ORDER_TEAM_COMBO:
        if (notification == NOTIFY_COMBO_SELECTION_CHANGE)
            Filter_Chosen(dialog, DRAFT_ORDER_TEAM_COMBO, FANTASY_TEAM_FILTER);
        return true;
    case DRAFT_ORDER_POSITION_COMBO:
        if (notification == NOTIFY_COMBO_SELECTION_CHANGE)
            Filter_Chosen(dialog, DRAFT_ORDER_POSITION_COMBO, FANTASY_POSITION_FILTER);
        return true;
    case DRAFT_ORDER_LIST:
        if (notification == NOTIFY_LIST_DOUBLE_CLICK) Open_Row_Report(dialog);
        return true;
    case DRAFT_ORDER_ROUND_BUTTON:
        Sort_Rows(dialog, FANTASY_SORT_BY_DRAFT_ORDER);
        return true;
    case DRAFT_ORDER_POSITION_BUTTON:
        Sort_Rows(dialog, FANTASY_SORT_BY_POSITION);
        return true;
    case DRAFT_ORDER_PLAYER_BUTTON:
        Sort_Rows(dialog, FANTASY_SORT_BY_NAME);
        return true;
    case DRAFT_ORDER_SCOUTING_BUTTON:
        Open_Row_Report(dialog);
        return true;
    case HELP_BUTTON:
        Open_Context_Help(FANTASY_DRAFT_ORDER_DIALOG);
        return true;
    case ID_OK:
    case ID_CANCEL:
        End_Dialog(dialog, 1);
        return true;
    default:
        return false;
    }
}
} // namespace

const DIALOG_TEMPLATE START_FANTASY_DRAFT_DIALOG_TEMPLATE = {START_FANTASY_DRAFT_DIALOG,
                                                             "Start Fantasy Draft",
                                                             264,
                                                             158,
                                                             "MS Sans Serif",
                                                             8,
                                                             WINDOW_CAPTION | WINDOW_BORDER,
                                                             START_CONTROLS,
                                                             static_cast<int32_t>(std::size(START_CONTROLS)),
                                                             ID_CANCEL};
const DIALOG_TEMPLATE FANTASY_DRAFT_ORDER_DIALOG_TEMPLATE = {FANTASY_DRAFT_ORDER_DIALOG,
                                                             "Fantasy Draft Order",
                                                             300,
                                                             234,
                                                             "MS Sans Serif",
                                                             8,
                                                             WINDOW_CAPTION | WINDOW_BORDER,
                                                             ORDER_CONTROLS,
                                                             static_cast<int32_t>(std::size(ORDER_CONTROLS)),
                                                             1};

void Clamp_Fantasy_Draft_Filters() {
    Set_User_Preference(FANTASY_TEAM_FILTER,
                        std::clamp(Get_User_Preference(FANTASY_TEAM_FILTER), 0, Active_Teams()));
    Set_User_Preference(FANTASY_POSITION_FILTER,
                        std::clamp(Get_User_Preference(FANTASY_POSITION_FILTER), 0, ALL_POSITIONS));
}

std::vector<FANTASY_ORDER_ROW> Get_Fantasy_Draft_Order_Rows(int32_t sort) {
    Clamp_Fantasy_Draft_Filters();
    const int32_t teams = Active_Teams();
    std::vector<ROW_KEY> keys;
    for (int32_t round = 0; round < FANTASY_DRAFT_LAST_ROUND; ++round)
        for (int32_t pick = 0; pick < teams; ++pick)
            if (Is_Fantasy_Draft_Row_Shown(round, pick)) keys.push_back(Make_Row_Key(round, pick, sort));
    if (sort != FANTASY_SORT_BY_DRAFT_ORDER)
        std::stable_sort(keys.begin(), keys.end(),
                         [sort](const ROW_KEY& a, const ROW_KEY& b) { return Is_Before(a, b, sort); });
    std::vector<FANTASY_ORDER_ROW> rows;
    rows.reserve(keys.size());
    for (const ROW_KEY& key : keys)
        rows.push_back(key.Row);
    return rows;
}

void Refill_Fantasy_Draft_Order_List(WINDOW_HANDLE dialog) {
    const WINDOW_HANDLE list = Get_Dialog_Item(dialog, DRAFT_ORDER_LIST);
    if (list == NO_WINDOW) return;
    const intptr_t top = Send_Window_Message(list, MSG_LIST_GET_TOP_INDEX, 0, 0);
    Send_Window_Message(list, MSG_SET_REDRAW, 0, 0);
    List_Box_Reset_Content(list);
    for (const FANTASY_ORDER_ROW& row : Get_Fantasy_Draft_Order_Rows(order_sort)) {
        char text[ROW_TEXT_SIZE];
        Format_Fantasy_Draft_Row(row.Round, row.Pick, text, sizeof text);
        const int32_t index = List_Box_Add_String(list, text);
        List_Box_Set_Item_Data(list, index,
                               static_cast<intptr_t>(row.Round) * FANTASY_DRAFT_TEAMS + row.Pick);
    }
    Send_Window_Message(list, MSG_LIST_SET_TOP_INDEX, static_cast<uintptr_t>(std::max<intptr_t>(top, 0)), 0);
    Send_Window_Message(list, MSG_SET_REDRAW, 1, 0);
}

intptr_t Start_Fantasy_Draft_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam,
                                         intptr_t lparam) {
    if (Is_Dialog_Colour_Message(code)) return Answer_Dialog_Colour(code, dialog, wparam, lparam);
    switch (code) {
    case MSG_INIT_DIALOG:
        Set_Up_Skinned_Dialog(dialog, {HELP_BUTTON, ID_CANCEL, ID_OK});
        Check_Radio_Button(dialog, FIRST_ROUND_RANDOM, FIRST_ROUND_REVENUE, FIRST_ROUND_RANDOM);
        Check_Radio_Button(dialog, LATER_ROUNDS_REVERSE, LATER_ROUNDS_RANDOM, LATER_ROUNDS_REVERSE);
        return 1;
    case MSG_COMMAND:
        switch (Command_Id(wparam)) {
        case ID_OK:
            Start_Draft(dialog);
            return 1;
        case ID_CANCEL:
            End_Dialog(dialog, ID_CANCEL);
            return 1;
        case HELP_BUTTON:
            Open_Context_Help(START_FANTASY_DRAFT_DIALOG);
            return 1;
        default:
            return 0;
        }
    default:
        return 0;
    }
}

intptr_t Fantasy_Draft_Order_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam,
                                         intptr_t lparam) {
    if (Is_Dialog_Colour_Message(code)) return Answer_Dialog_Colour(code, dialog, wparam, lparam);
    switch (code) {
    case MSG_INIT_DIALOG:
        Init_Order_Dialog(dialog);
        return 1;
    case MSG_COMMAND:
        return Handle_Order_Command(dialog, Command_Id(wparam), Command_Notification(wparam)) ? 1 : 0;
    default:
        return 0;
    }
}
