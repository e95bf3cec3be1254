#include "dialogs/defense_dialog.h"

#include <string>

#include "app/context_help.h"
#include "app/dialog_lists.h"
#include "app/dialog_services.h"
#include "app/modal_dialogs.h"
#include "app/team_lists.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "dialogs/depth_chart_page.h"
#include "dialogs/offense_dialog.h"
#include "dialogs/small_dialogs.h"
#include "frontoffice/depth_charts.h"
#include "frontoffice/position_fitness.h"
#include "platform/combo_box.h"
#include "platform/controls.h"
#include "platform/list_box.h"
#include "platform/windows.h"

namespace {
constexpr int32_t OFFENSE_UNIT = 0;
constexpr int32_t DEFENSE_UNIT = 1;
constexpr int32_t STARTER_ROWS = 11;
constexpr int32_t SCHEMES = 2;
constexpr int32_t LAST_SLOT = PLAYERS_PER_TEAM - 1;

const char* const LINEUPS[SCHEMES][STARTER_ROWS] = {
    {"DE", "DT", "DT", "DE", "OLB", "MLB", "OLB", "CB", "CB", "S", "S"},
    {"DE", "NT", "DE", "OLB", "ILB", "ILB", "OLB", "CB", "CB", "S", "S"},
};
const char* const SCHEME_NAMES[SCHEMES] = {"4-3", "3-4"};

const int32_t DEFENSE_BUTTONS[] = {DEPTH_SPECIAL_TEAMS_BUTTON,
                                   DEPTH_OFFENSE_BUTTON,
                                   DEPTH_VIEW_MY_TEAM,
                                   DEPTH_STARTER_UP,
                                   DEPTH_RESERVE_UP,
                                   DEPTH_STARTER_DOWN,
                                   DEPTH_RESERVE_DOWN,
                                   DEPTH_STARTER_SCOUTING,
                                   DEPTH_RESERVE_SCOUTING,
                                   DEPTH_AUTO_SORT,
                                   DEPTH_RELEASE,
                                   DEPTH_SWAP,
                                   DEPTH_HELP,
                                   ID_OK};

int32_t Viewed_Team() {
    return Get_User_Preference(VIEWED_TEAM);
}

// The first defensive slot: counted afresh, as every move may change it.
int32_t First_Defensive_Slot(int32_t team) {
    return Count_Team_Unit_Players(team, OFFENSE_UNIT);
}

void Init_Defense(WINDOW_HANDLE dialog) {
    Open_Depth_Chart_Page(dialog, "Defense", DEFENSE_BUTTONS,
                          static_cast<int32_t>(sizeof DEFENSE_BUTTONS / sizeof DEFENSE_BUTTONS[0]));
    // Laid out while its lists are empty, the page opens at its designed height.
    Lay_Out_Depth_Chart_Page(dialog);
    Show_Defensive_Lineup_Labels(dialog);
    Fill_Defensive_Scheme_Combo(dialog);
    Update_Defense_Buttons(dialog);
    Fill_Defense_Depth_Lists(dialog);
}

void Leave(WINDOW_HANDLE dialog, int32_t next_id) {
    const int32_t team = Viewed_Team();
    if (Is_Human_Team(team) && Has_Misplaced_Defensive_Starter(team))
        Warn_Position_Mismatch(
            "One or more of your defensive starters does not have the correct position "
            "designation.\n\nYou may need to change the player's position for him to be used "
            "as you intend.",
            DEFENSE_DIALOG);
    Leave_Depth_Chart_Page(dialog, next_id);
}

void Swap_Selected(WINDOW_HANDLE dialog) {
    const int32_t starter = Get_Selected_Depth_Slot(dialog, DEPTH_STARTER_LIST);
    const int32_t reserve = Get_Selected_Depth_Slot(dialog, DEPTH_RESERVE_LIST);
    if (starter < 0 || reserve < 0) return;
    Swap_Players(Viewed_Team(), starter, Viewed_Team(), reserve);
    List_Box_Set_Current_Selection(Get_Dialog_Item(dialog, DEPTH_STARTER_LIST), -1);
    List_Box_Set_Current_Selection(Get_Dialog_Item(dialog, DEPTH_RESERVE_LIST), -1);
    Fill_Defense_Depth_Lists(dialog);
}

void Release_Selected(WINDOW_HANDLE dialog) {
    const int32_t slot = Get_Selected_Depth_Slot(dialog, DEPTH_RESERVE_LIST);
    const int32_t team = Viewed_Team();
    if (slot < 0 || !Is_Depth_Chart_Editable(team)) return;
    if (Get_First_Empty_Player_Slot(team) <= Get_Depth_Chart_Minimum_Roster(team)) return;
    const WINDOW_HANDLE list = Get_Dialog_Item(dialog, DEPTH_RESERVE_LIST);
    const int32_t index = List_Box_Get_Current_Selection(list);
    if (Confirm_Release_Player(team, slot) == 0) return;
    Fill_Defense_Depth_List(dialog, 1);
    if (index < List_Box_Get_Count(list)) List_Box_Set_Current_Selection(list, index);
}

void Choose_Scheme(WINDOW_HANDLE dialog) {
    const int32_t index = Combo_Box_Get_Current_Selection(Get_Dialog_Item(dialog, SCHEME_COMBO));
    const int32_t team = Viewed_Team();
    if (index < 0 || Is_No_Team(team) || index == Get_Team_Stat(team, TEAM_STAT_DEFENSIVE_SYSTEM)) return;
    Set_Team_Defensive_System(team, index);
    Fill_Defense_Depth_Lists(dialog);
    Show_Defensive_Lineup_Labels(dialog);
    Update_Defense_Buttons(dialog);
}

bool Do_Command(WINDOW_HANDLE dialog, int32_t id, uint32_t notification) {
    const bool editable = Is_Depth_Chart_Editable(Viewed_Team());
    switch (id) {
    case TEAM_SELECTOR:
        if (notification == NOTIFY_COMBO_SELECTION_CHANGE && Choose_Depth_Chart_Team(dialog))
            Refresh_Depth_Chart_Page(dialog, &Depth_Chart_Layout, "Defense");
        return true;
    case DEPTH_VIEW_MY_TEAM:
        Set_Viewed_Team(Get_User_Team());
        Refresh_Depth_Chart_Page(dialog, &Depth_Chart_Layout, "Defense");
        Fill_Team_Selector(dialog);
        return true;
    case STAT_SEASON_COMBO:
        if (notification == NOTIFY_COMBO_SELECTION_CHANGE) {
            Choose_Depth_Chart_Season(dialog);
            Fill_Defense_Depth_Lists(dialog);
        }
        if (notification == NOTIFY_COMBO_SELECTION_CHANGE || notification == NOTIFY_COMBO_CLOSE_UP)
            Redraw_Window(dialog);
        return true;
    case SCHEME_COMBO:
        if (notification == NOTIFY_COMBO_SELECTION_CHANGE && editable) Choose_Scheme(dialog);
        if (notification == NOTIFY_COMBO_CLOSE_UP) Redraw_Window(dialog);
        return true;
    case DEPTH_SWAP:
        if (editable) Swap_Selected(dialog);
        return true;
    case DEPTH_STARTER_UP:
    case DEPTH_STARTER_DOWN:
        if (editable && Move_Depth_Chart_Row(dialog, DEPTH_STARTER_LIST, id == DEPTH_STARTER_UP ? -1 : 1))
            Fill_Defense_Depth_List(dialog, 0);
        return true;
    case DEPTH_RESERVE_UP:
    case DEPTH_RESERVE_DOWN:
        if (editable && Move_Depth_Chart_Row(dialog, DEPTH_RESERVE_LIST, id == DEPTH_RESERVE_UP ? -1 : 1))
            Fill_Defense_Depth_List(dialog, 1);
        return true;
    case DEPTH_STARTER_SCOUTING:
    case DEPTH_RESERVE_SCOUTING:
        Scout_Depth_Chart_Row(dialog, id == DEPTH_STARTER_SCOUTING ? DEPTH_STARTER_LIST : DEPTH_RESERVE_LIST,
                              Fill_Defense_Depth_Lists, false);
        return true;
    case DEPTH_STARTER_LIST:
    case DEPTH_RESERVE_LIST:
        if (notification == NOTIFY_LIST_DOUBLE_CLICK) {
            Scout_Depth_Chart_Row(dialog, id, Fill_Defense_Depth_Lists, false);
        }
        return true;
    case DEPTH_RELEASE:
        Release_Selected(dialog);
        return true;
    case DEPTH_AUTO_SORT:
        if (editable && Count_Team_Unit_Players(Viewed_Team(), DEFENSE_UNIT) >= STARTER_ROWS) {
            Auto_Set_Depth_Chart(Viewed_Team(), DEFENSE_UNIT, 0);
            Sort_Roster_Section(Viewed_Team(), DEFENSE_UNIT);
            Fill_Defense_Depth_Lists(dialog);
        }
        return true;
    case ID_OK:
        Leave(dialog, 0);
        return true;
    case DEPTH_OFFENSE_BUTTON:
        Leave(dialog, OFFENSE_DIALOG);
        return true;
    case DEPTH_SPECIAL_TEAMS_BUTTON:
        Leave(dialog, SPECIAL_TEAMS_DIALOG);
        return true;
    case ID_CANCEL:
        End_Dialog(dialog, 1);
        return true;
    case DEPTH_HELP:
        Open_Context_Help(DEFENSE_DIALOG);
        return true;
    default:
        return false;
    }
}
} // namespace

intptr_t Defense_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    intptr_t result = 0;
    if (Answer_Depth_Chart_Message(dialog, code, wparam, lparam, &result)) return result;
    switch (code) {
    case MSG_INIT_DIALOG:
        Init_Defense(dialog);
        return 1;
    case MSG_NOTIFY:
        Redraw_Control_Area(dialog, DEPTH_HELMET);
        return 0;
    case MSG_SIZING:
        Enforce_Minimum_Dialog_Size(reinterpret_cast<RECT_AREA*>(lparam), Depth_Chart_Layout.Captured_Rect,
                                    static_cast<int32_t>(wparam), GROW_HEIGHT | GROW_WIDTH);
        Set_Dialog_Message_Result(dialog, 1);
        return 1;
    case MSG_EXIT_SIZE_MOVE:
        Update_Dialog_Layout(dialog, &Depth_Chart_Layout, LAYOUT_ARRANGE_AND_PAINT);
        return 1;
    case MSG_HIT_TEST:
        return Hit_Test_Size_Grip(dialog, Point_X(lparam), Point_Y(lparam));
    case MSG_DESTROY:
        Update_Dialog_Layout(dialog, &Depth_Chart_Layout, LAYOUT_REMEMBER);
        return 0;
    case MSG_COMMAND: {
        const int32_t id = Command_Id(wparam);
        const bool handled = Do_Command(dialog, id, Command_Notification(wparam));
        if (id != ID_OK && id != ID_CANCEL && Is_Window(dialog)) Update_Defense_Buttons(dialog);
        return handled ? 1 : 0;
    }
    default:
        return 0;
    }
}

const char* Get_Defensive_Lineup_Label(int32_t scheme, int32_t row) {
    if (scheme < 0) scheme = 0;
    if (scheme >= SCHEMES) scheme = SCHEMES - 1;
    return row >= 0 && row < STARTER_ROWS ? LINEUPS[scheme][row] : "";
}

void Fill_Defense_Depth_List(WINDOW_HANDLE dialog, int32_t which) {
    const int32_t team = Viewed_Team();
    const int32_t first = First_Defensive_Slot(team);
    if (which == 0)
        Fill_Depth_Chart_List(Get_Dialog_Item(dialog, DEPTH_STARTER_LIST), team, first,
                              first + STARTER_ROWS - 1, DEFENSE_UNIT, DEPTH_LIST_STOPS,
                              Format_Defense_Depth_Row);
    else
        Fill_Depth_Chart_List(Get_Dialog_Item(dialog, DEPTH_RESERVE_LIST), team, first + STARTER_ROWS,
                              LAST_SLOT, DEFENSE_UNIT, DEPTH_LIST_STOPS, Format_Defense_Depth_Row);
}

void Fill_Defense_Depth_Lists(WINDOW_HANDLE dialog) {
    Fill_Defense_Depth_List(dialog, 0);
    Fill_Defense_Depth_List(dialog, 1);
}

void Show_Defensive_Lineup_Labels(WINDOW_HANDLE dialog) {
    const int32_t scheme = Get_Team_Stat(Viewed_Team(), TEAM_STAT_DEFENSIVE_SYSTEM);
    std::string labels;
    for (int32_t row = 0; row < STARTER_ROWS; ++row) {
        if (row > 0) labels += "\n";
        labels += Get_Defensive_Lineup_Label(scheme, row);
    }
    Set_Dialog_Item_Text(dialog, DEPTH_LINEUP_LABELS, labels.c_str());
}

void Fill_Defensive_Scheme_Combo(WINDOW_HANDLE dialog) {
    const WINDOW_HANDLE combo = Get_Dialog_Item(dialog, SCHEME_COMBO);
    Combo_Box_Reset_Content(combo);
    for (const char* name : SCHEME_NAMES)
        Combo_Box_Add_String(combo, name);
    Combo_Box_Set_Current_Selection(combo, Get_Team_Stat(Viewed_Team(), TEAM_STAT_DEFENSIVE_SYSTEM));
}

void Update_Defense_Buttons(WINDOW_HANDLE dialog) {
    const int32_t team = Viewed_Team();
    const bool editable = Is_Depth_Chart_Editable(team);
    Enable_Depth_List_Buttons(dialog, DEPTH_STARTER_LIST, DEPTH_STARTER_UP, DEPTH_STARTER_DOWN,
                              DEPTH_STARTER_SCOUTING, editable);
    Enable_Depth_List_Buttons(dialog, DEPTH_RESERVE_LIST, DEPTH_RESERVE_UP, DEPTH_RESERVE_DOWN,
                              DEPTH_RESERVE_SCOUTING, editable);
    const bool starter = Get_Selected_Depth_Slot(dialog, DEPTH_STARTER_LIST) >= 0;
    const bool reserve = Get_Selected_Depth_Slot(dialog, DEPTH_RESERVE_LIST) >= 0;
    Enable_Window(Get_Dialog_Item(dialog, DEPTH_SWAP), editable && starter && reserve);
    Enable_Window(Get_Dialog_Item(dialog, DEPTH_RELEASE),
                  editable && reserve &&
                      Get_First_Empty_Player_Slot(team) > Get_Depth_Chart_Minimum_Roster(team));
    Enable_Window(Get_Dialog_Item(dialog, DEPTH_AUTO_SORT),
                  editable && Count_Team_Unit_Players(team, DEFENSE_UNIT) >= STARTER_ROWS);
    Enable_Window(Get_Dialog_Item(dialog, SCHEME_COMBO), editable);
    Update_Depth_Chart_Note(dialog, editable);
}

bool Has_Misplaced_Defensive_Starter(int32_t team) {
    const int32_t first = Find_Or_Create_Unit_Player(team, DEFENSE_UNIT);
    if (first < 0) return false;
    for (int32_t row = 0; row < STARTER_ROWS && first + row < PLAYERS_PER_TEAM; ++row) {
        const int32_t slot = first + row;
        if (!Is_Player_Slot_Used(team, slot)) continue;
        if (Get_Starter_Slot_Position(team, DEFENSE_UNIT, row) !=
            Get_Player_Vital_Stat(team, slot, VITAL_POSITION))
            return true;
    }
    return false;
}
