#include "dialogs/offense_dialog.h"

#include <string>

#include "app/context_help.h"
#include "app/dialog_lists.h"
#include "app/dialog_services.h"
#include "app/modal_dialogs.h"
#include "app/team_lists.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "dialogs/defense_dialog.h"
#include "dialogs/depth_chart_page.h"
#include "dialogs/small_dialogs.h"
#include "engine/playbook_records.h"
#include "frontoffice/depth_charts.h"
#include "frontoffice/position_fitness.h"
#include "platform/combo_box.h"
#include "platform/controls.h"
#include "platform/list_box.h"
#include "platform/windows.h"

namespace {
constexpr int32_t OFFENSE_UNIT = 0;
constexpr int32_t STARTER_ROWS = 11;
constexpr int32_t OFFENSIVE_SYSTEMS = 4;
constexpr int32_t BALANCES = 21;
constexpr int32_t LAST_SLOT = PLAYERS_PER_TEAM - 1;
// Plays whose formation suits the team's system at least this well count.
constexpr int32_t GOOD_SYSTEM_MATCH = 800;

const char* const LINEUPS[OFFENSIVE_SYSTEMS][STARTER_ROWS] = {
    {"QB", "RB", "FB", "TE", "WR", "WR", "LT", "LG", "C", "RG", "RT"},
    {"QB", "RB", "TE", "WR", "WR", "WR", "LT", "LG", "C", "RG", "RT"},
    {"QB", "RB", "TE", "TE", "WR", "WR", "LT", "LG", "C", "RG", "RT"},
    {"QB", "RB", "RB", "TE", "WR", "WR", "LT", "LG", "C", "RG", "RT"},
};

const char* const PLAYBOOK_SYSTEM_NAMES[OFFENSIVE_SYSTEMS] = {"Default", "Single Back", "Double Tight End",
                                                              "West Coast Power Run"};

const char* const BALANCE_NAMES[BALANCES] = {
    "+100% Rush", "+90% Rush", "+80% Rush", "+70% Rush", "+60% Rush", "+50% Rush", "+40% Rush",
    "+30% Rush",  "+20% Rush", "+10% Rush", "Balanced",  "+10% Pass", "+20% Pass", "+30% Pass",
    "+40% Pass",  "+50% Pass", "+60% Pass", "+70% Pass", "+80% Pass", "+90% Pass", "+100% Pass"};

const int32_t OFFENSE_BUTTONS[] = {DEPTH_SPECIAL_TEAMS_BUTTON,
                                   DEPTH_DEFENSE_BUTTON,
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

void Init_Offense(WINDOW_HANDLE dialog) {
    Open_Depth_Chart_Page(dialog, "Offense", OFFENSE_BUTTONS,
                          static_cast<int32_t>(sizeof OFFENSE_BUTTONS / sizeof OFFENSE_BUTTONS[0]));
    // Laid out while its lists are empty, the page opens at its designed height.
    Lay_Out_Depth_Chart_Page(dialog);
    Show_Offensive_Lineup_Labels(dialog);
    Fill_Starting_Personnel_Combo(dialog);
    Fill_Run_Pass_Balance_Combo(dialog);
    Update_Offense_Buttons(dialog);
    Fill_Offense_Depth_Lists(dialog);
}

void Leave(WINDOW_HANDLE dialog, int32_t next_id) {
    const int32_t team = Viewed_Team();
    const int32_t row = Is_Human_Team(team) ? Find_Unsuitable_Offensive_Starter(team) : -1;
    if (row >= 0) {
        char nickname[FORMATTED_TEXT_SIZE] = "", position[FORMATTED_TEXT_SIZE] = "";
        Get_Team_String(nickname, team, 2);
        Get_Position_Name(Get_Starter_Slot_Position(team, OFFENSE_UNIT, row), position);
        char text[2 * FORMATTED_TEXT_SIZE + 160];
        safe_sprintf(
            text, sizeof text,
            "The %s have an unsuitable starting player at %s.\n\nYou may need to change the player's "
            "position for him to be used as you intend.",
            nickname, position);
        Warn_Position_Mismatch(text, OFFENSE_DIALOG);
    }
    Leave_Depth_Chart_Page(dialog, next_id);
}

void Store_Team_Stat_From_Combo(WINDOW_HANDLE dialog, int32_t combo, int32_t stat) {
    const int32_t index = Combo_Box_Get_Current_Selection(Get_Dialog_Item(dialog, combo));
    const int32_t team = Viewed_Team();
    if (index < 0 || Is_No_Team(team) || index == Get_Team_Stat(team, stat)) return;
    Set_Team_Stat(team, stat, index);
}

void Swap_Selected(WINDOW_HANDLE dialog) {
    const int32_t starter = Get_Selected_Depth_Slot(dialog, DEPTH_STARTER_LIST);
    const int32_t reserve = Get_Selected_Depth_Slot(dialog, DEPTH_RESERVE_LIST);
    if (starter < 0 || reserve < 0) return;
    Swap_Players(Viewed_Team(), starter, Viewed_Team(), reserve);
    List_Box_Set_Current_Selection(Get_Dialog_Item(dialog, DEPTH_STARTER_LIST), -1);
    List_Box_Set_Current_Selection(Get_Dialog_Item(dialog, DEPTH_RESERVE_LIST), -1);
    Fill_Offense_Depth_Lists(dialog);
}

void Release_Selected(WINDOW_HANDLE dialog) {
    const int32_t slot = Get_Selected_Depth_Slot(dialog, DEPTH_RESERVE_LIST);
    if (slot < 0 || !Is_Depth_Chart_Editable(Viewed_Team())) return;
    if (Get_First_Empty_Player_Slot(Viewed_Team()) <= Get_Depth_Chart_Minimum_Roster(Viewed_Team())) return;
    const WINDOW_HANDLE list = Get_Dialog_Item(dialog, DEPTH_RESERVE_LIST);
    const int32_t index = List_Box_Get_Current_Selection(list);
    if (Confirm_Release_Player(Viewed_Team(), slot) == 0) return;
    Fill_Offense_Depth_List(dialog, 1);
    if (index < List_Box_Get_Count(list)) List_Box_Set_Current_Selection(list, index);
}

bool Do_Command(WINDOW_HANDLE dialog, int32_t id, uint32_t notification) {
    const bool editable = Is_Depth_Chart_Editable(Viewed_Team());
    switch (id) {
    case TEAM_SELECTOR:
        if (notification == NOTIFY_COMBO_SELECTION_CHANGE && Choose_Depth_Chart_Team(dialog))
            Refresh_Depth_Chart_Page(dialog, &Depth_Chart_Layout, "Offense");
        return true;
    case DEPTH_VIEW_MY_TEAM:
        Set_Viewed_Team(Get_User_Team());
        Refresh_Depth_Chart_Page(dialog, &Depth_Chart_Layout, "Offense");
        Fill_Team_Selector(dialog);
        return true;
    case STAT_SEASON_COMBO:
        if (notification == NOTIFY_COMBO_SELECTION_CHANGE) {
            Choose_Depth_Chart_Season(dialog);
            Fill_Offense_Depth_Lists(dialog);
        }
        if (notification == NOTIFY_COMBO_SELECTION_CHANGE || notification == NOTIFY_COMBO_CLOSE_UP)
            Redraw_Window(dialog);
        return true;
    case PERSONNEL_COMBO:
        if (notification == NOTIFY_COMBO_SELECTION_CHANGE && editable) {
            Store_Team_Stat_From_Combo(dialog, PERSONNEL_COMBO, TEAM_STAT_OFFENSIVE_SYSTEM);
            Show_Offensive_Lineup_Labels(dialog);
        }
        if (notification == NOTIFY_COMBO_CLOSE_UP) Redraw_Window(dialog);
        return true;
    case BALANCE_COMBO:
        if (notification == NOTIFY_COMBO_SELECTION_CHANGE && editable)
            Store_Team_Stat_From_Combo(dialog, BALANCE_COMBO, TEAM_STAT_OFFENSIVE_BALANCE);
        if (notification == NOTIFY_COMBO_CLOSE_UP) Redraw_Window(dialog);
        return true;
    case DEPTH_SWAP:
        if (editable) Swap_Selected(dialog);
        return true;
    case DEPTH_STARTER_UP:
    case DEPTH_STARTER_DOWN:
        if (editable && Move_Depth_Chart_Row(dialog, DEPTH_STARTER_LIST, id == DEPTH_STARTER_UP ? -1 : 1))
            Fill_Offense_Depth_List(dialog, 0);
        return true;
    case DEPTH_RESERVE_UP:
    case DEPTH_RESERVE_DOWN:
        if (editable && Move_Depth_Chart_Row(dialog, DEPTH_RESERVE_LIST, id == DEPTH_RESERVE_UP ? -1 : 1))
            Fill_Offense_Depth_List(dialog, 1);
        return true;
    case DEPTH_STARTER_SCOUTING:
    case DEPTH_RESERVE_SCOUTING:
        Scout_Depth_Chart_Row(dialog, id == DEPTH_STARTER_SCOUTING ? DEPTH_STARTER_LIST : DEPTH_RESERVE_LIST,
                              Fill_Offense_Depth_Lists, false);
        return true;
    case DEPTH_STARTER_LIST:
    case DEPTH_RESERVE_LIST:
        if (notification == NOTIFY_LIST_DOUBLE_CLICK) {
            Scout_Depth_Chart_Row(dialog, id, Fill_Offense_Depth_Lists, false);
        }
        return true;
    case DEPTH_RELEASE:
        Release_Selected(dialog);
        return true;
    case DEPTH_AUTO_SORT:
        if (editable && Count_Team_Unit_Players(Viewed_Team(), OFFENSE_UNIT) >= STARTER_ROWS) {
            Auto_Set_Depth_Chart(Viewed_Team(), OFFENSE_UNIT, 0);
            Sort_Roster_Section(Viewed_Team(), OFFENSE_UNIT);
            Fill_Offense_Depth_Lists(dialog);
        }
        return true;
    case ID_OK:
        Leave(dialog, 0);
        return true;
    case DEPTH_DEFENSE_BUTTON:
        Leave(dialog, DEFENSE_DIALOG);
        return true;
    case DEPTH_SPECIAL_TEAMS_BUTTON:
        Leave(dialog, SPECIAL_TEAMS_DIALOG);
        return true;
    case ID_CANCEL:
        End_Dialog(dialog, 1);
        return true;
    case DEPTH_HELP:
        Open_Context_Help(OFFENSE_DIALOG);
        return true;
    default:
        return false;
    }
}
} // namespace

intptr_t Offense_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    intptr_t result = 0;
    if (Answer_Depth_Chart_Message(dialog, code, wparam, lparam, &result)) return result;
    switch (code) {
    case MSG_INIT_DIALOG:
        Init_Offense(dialog);
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
        if (id != ID_OK && id != ID_CANCEL && Is_Window(dialog)) Update_Offense_Buttons(dialog);
        return handled ? 1 : 0;
    }
    default:
        return 0;
    }
}

const char* Get_Offensive_Lineup_Label(int32_t system, int32_t row) {
    if (system < 0) system = 0;
    if (system >= OFFENSIVE_SYSTEMS) system = OFFENSIVE_SYSTEMS - 1;
    return row >= 0 && row < STARTER_ROWS ? LINEUPS[system][row] : "";
}

void Fill_Offense_Depth_List(WINDOW_HANDLE dialog, int32_t which) {
    const int32_t team = Viewed_Team();
    if (which == 0)
        Fill_Depth_Chart_List(Get_Dialog_Item(dialog, DEPTH_STARTER_LIST), team, 0, STARTER_ROWS - 1,
                              OFFENSE_UNIT, DEPTH_LIST_STOPS, Format_Depth_Chart_Row);
    else
        Fill_Depth_Chart_List(Get_Dialog_Item(dialog, DEPTH_RESERVE_LIST), team, STARTER_ROWS, LAST_SLOT,
                              OFFENSE_UNIT, DEPTH_LIST_STOPS, Format_Depth_Chart_Row);
}

void Fill_Offense_Depth_Lists(WINDOW_HANDLE dialog) {
    Fill_Offense_Depth_List(dialog, 0);
    Fill_Offense_Depth_List(dialog, 1);
}

void Update_Offense_Buttons(WINDOW_HANDLE dialog) {
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
                  editable && Count_Team_Unit_Players(team, OFFENSE_UNIT) >= STARTER_ROWS);
    Enable_Window(Get_Dialog_Item(dialog, PERSONNEL_COMBO), editable);
    Enable_Window(Get_Dialog_Item(dialog, BALANCE_COMBO), editable);
    Update_Depth_Chart_Note(dialog, editable);
}

void Fill_Run_Pass_Balance_Combo(WINDOW_HANDLE dialog) {
    const WINDOW_HANDLE combo = Get_Dialog_Item(dialog, BALANCE_COMBO);
    Combo_Box_Reset_Content(combo);
    for (const char* name : BALANCE_NAMES)
        Combo_Box_Add_String(combo, name);
    Combo_Box_Set_Current_Selection(combo, Get_Team_Stat(Viewed_Team(), TEAM_STAT_OFFENSIVE_BALANCE));
}

void Show_Offensive_Lineup_Labels(WINDOW_HANDLE dialog) {
    const int32_t system = Get_Team_Stat(Viewed_Team(), TEAM_STAT_OFFENSIVE_SYSTEM);
    std::string labels;
    for (int32_t row = 0; row < STARTER_ROWS; ++row) {
        if (row > 0) labels += "\n";
        labels += Get_Offensive_Lineup_Label(system, row);
    }
    Set_Dialog_Item_Text(dialog, DEPTH_LINEUP_LABELS, labels.c_str());
}

void Fill_Starting_Personnel_Combo(WINDOW_HANDLE dialog) {
    const WINDOW_HANDLE combo = Get_Dialog_Item(dialog, PERSONNEL_COMBO);
    Combo_Box_Reset_Content(combo);
    for (int32_t system = 0; system < OFFENSIVE_SYSTEMS; ++system) {
        char name[FORMATTED_TEXT_SIZE] = "";
        Get_Offensive_System_Name(name, system);
        Combo_Box_Add_String(combo, name);
    }
    Combo_Box_Set_Current_Selection(combo, Get_Team_Stat(Viewed_Team(), TEAM_STAT_OFFENSIVE_SYSTEM));
}

int32_t Find_Unsuitable_Offensive_Starter(int32_t team) {
    for (int32_t row = 0; row < STARTER_ROWS; ++row) {
        if (!Is_Player_Slot_Used(team, row)) continue;
        const int32_t position = Get_Starter_Slot_Position(team, OFFENSE_UNIT, row);
        if (Get_Position_Fitness(team, row, position) < SUITABLE_STARTER_FITNESS) return row;
    }
    return -1;
}

int32_t Get_Playbook_System_Match(int32_t team) {
    const int32_t system = Get_Team_Stat(team, TEAM_STAT_OFFENSIVE_SYSTEM);
    int64_t sum = 0;
    for (int32_t play = 0; play < OFFENSIVE_PLAYS; ++play)
        sum += Get_Offensive_Formation_System_Match(system, Get_Offensive_Play_Formation(team, play));
    return static_cast<int32_t>((sum + OFFENSIVE_PLAYS / 2) / OFFENSIVE_PLAYS);
}

int32_t Count_Playbook_System_Matches(int32_t team) {
    const int32_t system = Get_Team_Stat(team, TEAM_STAT_OFFENSIVE_SYSTEM);
    int32_t count = 0;
    for (int32_t play = 0; play < OFFENSIVE_PLAYS; ++play)
        if (Get_Offensive_Formation_System_Match(system, Get_Offensive_Play_Formation(team, play)) >=
            GOOD_SYSTEM_MATCH)
            ++count;
    return count;
}

void Get_Playbook_System_Name(char* out, int32_t index) {
    if (out == nullptr) return;
    safe_strncpy(out, index >= 0 && index < OFFENSIVE_SYSTEMS ? PLAYBOOK_SYSTEM_NAMES[index] : "",
                 FORMATTED_TEXT_SIZE);
}
