#include "dialogs/find_players_dialog.h"

#include <algorithm>
#include <cstring>

#include "app/context_help.h"
#include "app/dialog_services.h"
#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "app/sounds_and_cursors.h"
#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "dialogs/column_sets.h"
#include "dialogs/dialog_setup.h"
#include "dialogs/player_list_dialog.h"
#include "dialogs/player_list_kind.h"
#include "dialogs/player_texts.h"
#include "dialogs/position_columns.h"
#include "dialogs/roster_moves.h"
#include "dialogs/scouting_report.h"
#include "engine/game_screen_hooks.h"
#include "frontoffice/depth_charts.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/trade_talk.h"
#include "personnel/draft_state.h"
#include "personnel/fantasy_draft.h"
#include "platform/combo_box.h"
#include "platform/controls.h"
#include "platform/list_view.h"
#include "platform/message_box.h"
#include "platform/windows.h"

LISTVIEW_DATA Find_Players_Data;
LIST_DIALOG_LAYOUT Find_Players_Layout;

namespace {
constexpr uint32_t BUTTON = WINDOW_TAB_STOP;
constexpr uint32_t NUMBER_EDIT = WINDOW_TAB_STOP | CONTROL_NUMBER;
constexpr int32_t HELP_BUTTON = 9;
constexpr int32_t TEXT_SIZE = 512;
constexpr int32_t TRADES_DIALOG = 111;
constexpr int32_t TRADING_DEADLINE_WEEK = 12;
constexpr int32_t DEFAULT_AGE_LIMIT = 50;
constexpr int32_t MOST_SALARY_SHOWN = 50;
constexpr int32_t VITAL_FANTASY_TEAM = 26;
constexpr int32_t NOT_FANTASY_DRAFTED = -128;
constexpr int32_t SCOUTED_OVERALL = 225;
constexpr int32_t SCOUTED_PEAK = 226;
constexpr int32_t LARGE_PAYROLL_ROOM = 30000;
constexpr int32_t LARGE_SIGNING_ROOM = 5000;
constexpr int32_t WAIT_CURSOR = 4;
constexpr int32_t ARROW_CURSOR = 0;
constexpr int32_t NO_INFO = -1;

const DIALOG_CONTROL FIND_CONTROLS[] = {
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {8, 8, 20, 10}, "Find", 0},
    {CONTROL_COMBO_BOX, FIND_POSITION_BOX, {30, 6, 82, 200}, "", BUTTON},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {116, 8, 44, 10}, "under age", 0},
    {CONTROL_EDIT, FIND_AGE_EDIT, {162, 6, 22, 12}, "50", NUMBER_EDIT},
    {CONTROL_UP_DOWN, FIND_AGE_SPIN, {184, 6, 9, 12}, "", CONTROL_AUTO_BUDDY | CONTROL_BUDDY_INTEGER},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {198, 8, 110, 10}, "and a current salary below", 0},
    {CONTROL_EDIT, FIND_SALARY_EDIT, {310, 6, 22, 12}, "50", NUMBER_EDIT},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {336, 8, 70, 10}, "million per year.", 0},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {8, 24, 140, 10}, "with an Overall Rating of at least", 0},
    {CONTROL_EDIT, FIND_OVERALL_EDIT, {150, 22, 22, 12}, "0", NUMBER_EDIT},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {180, 24, 120, 10}, "and a Peak Rating of at least", 0},
    {CONTROL_EDIT, FIND_PEAK_EDIT, {302, 22, 22, 12}, "0", NUMBER_EDIT},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {8, 40, 90, 10}, "and a name containing", 0},
    {CONTROL_EDIT, FIND_NAME_EDIT, {100, 38, 94, 12}, "", BUTTON},
    {CONTROL_GROUP_BOX, FIND_RATINGS_GROUP, {196, 36, 266, 42}, "... and at least:", 0},
    {CONTROL_STATIC_TEXT, FIND_RATING_LABELS[0], {202, 47, 50, 10}, "", 0},
    {CONTROL_EDIT, FIND_RATING_EDITS[0], {202, 59, 24, 12}, "0", NUMBER_EDIT},
    {CONTROL_STATIC_TEXT, FIND_RATING_LABELS[1], {254, 47, 50, 10}, "", 0},
    {CONTROL_EDIT, FIND_RATING_EDITS[1], {254, 59, 24, 12}, "0", NUMBER_EDIT},
    {CONTROL_STATIC_TEXT, FIND_RATING_LABELS[2], {306, 47, 50, 10}, "", 0},
    {CONTROL_EDIT, FIND_RATING_EDITS[2], {306, 59, 24, 12}, "0", NUMBER_EDIT},
    {CONTROL_STATIC_TEXT, FIND_RATING_LABELS[3], {358, 47, 50, 10}, "", 0},
    {CONTROL_EDIT, FIND_RATING_EDITS[3], {358, 59, 24, 12}, "0", NUMBER_EDIT},
    {CONTROL_STATIC_TEXT, FIND_RATING_LABELS[4], {410, 47, 50, 10}, "", 0},
    {CONTROL_EDIT, FIND_RATING_EDITS[4], {410, 59, 24, 12}, "0", NUMBER_EDIT},
    {CONTROL_PUSH_BUTTON, FIND_BUTTON, {410, 6, 52, 26}, "FIND", BUTTON | CONTROL_DEFAULT_BUTTON},
    {CONTROL_PROGRESS_BAR, LIST_PROGRESS_BAR, {8, 72, 182, 6}, "", CONTROL_HIDDEN},
    {CONTROL_LIST_VIEW, PLAYER_LIST_VIEW, {8, 82, 382, 170}, "", BUTTON},
    {CONTROL_PUSH_BUTTON, FIND_GO_GET_BUTTON, {396, 82, 70, 14}, "&Go Get", BUTTON},
    {CONTROL_PUSH_BUTTON, PLAYER_SCOUTING_BUTTON, {396, 100, 70, 14}, "&Scouting", BUTTON},
    {CONTROL_PUSH_BUTTON, PLAYER_EDIT_COLUMNS_BUTTON, {396, 118, 70, 14}, "&Edit Columns", BUTTON},
    {CONTROL_PUSH_BUTTON, LIST_AUTO_SIZE_BUTTON, {396, 136, 70, 14}, "Auto-Size", BUTTON},
    {CONTROL_STATIC_TEXT, FIND_INFO_FIRST_LINE, {8, 256, 382, 18}, "", 0},
    {CONTROL_STATIC_TEXT, FIND_INFO_SECOND_LINE, {8, 276, 382, 18}, "", 0},
    {CONTROL_PUSH_BUTTON, HELP_BUTTON, {396, 244, 70, 14}, "&Help", BUTTON},
    {CONTROL_PUSH_BUTTON, ID_CANCEL, {396, 262, 70, 14}, "Cancel", BUTTON},
    {CONTROL_PUSH_BUTTON, ID_OK, {396, 280, 70, 14}, "&Done", BUTTON},
};

// The limits read from the boxes.
struct FIND_LIMITS {
    int32_t Position;
    int32_t Age;
    int32_t Salary; // thousands
    int32_t Peak;
    int32_t Overall;
    char Name[FORMATTED_TEXT_SIZE];
    int32_t Ratings[5];
};

bool layout_recorded = false;
bool searched_since_open = false;
// What the info lines show now, so that the same player is not described twice.
WINDOW_HANDLE info_dialog = NO_WINDOW;
int32_t info_team = NO_INFO;
int32_t info_slot = NO_INFO;

bool Is_Fantasy_Draft_Running() {
    return Get_Universe_Stat(FANTASY_DRAFT_FLAG) >= 1;
}

bool Is_Listed_Team(int32_t team) {
    return Is_Used_Franchise_Slot(team) || team == FREE_AGENT_TEAM ||
           (team >= FIRST_COLLEGE_POOL_TEAM && team < TOTAL_NUMBER_OF_TEAMS);
}

int32_t Chosen_Position(WINDOW_HANDLE dialog) {
    const int32_t index = Combo_Box_Get_Current_Selection(Get_Dialog_Item(dialog, FIND_POSITION_BOX));
    return index >= 0 && index < FIND_ANY_PLAYER ? index : FIND_ANY_PLAYER;
}

// A limit's box read as a number; false, after naming the limit, when it is none.
bool Read_Limit(WINDOW_HANDLE dialog, int32_t id, const char* limit, int32_t* value) {
    if (Get_Dialog_Item_Integer(dialog, id, value)) return true;
    Show_Formatted_Message("Find Players", "The limit \"%s\" is not a number. Please enter a number.", limit);
    const WINDOW_HANDLE box = Get_Dialog_Item(dialog, id);
    if (box != NO_WINDOW) Set_Focus(box);
    return false;
}

bool Read_Limits(WINDOW_HANDLE dialog, FIND_LIMITS* limits) {
    limits->Position = Chosen_Position(dialog);
    if (!Read_Limit(dialog, FIND_AGE_EDIT, "under age", &limits->Age)) return false;
    int32_t millions = 0;
    if (!Read_Limit(dialog, FIND_SALARY_EDIT, "a current salary below", &millions)) return false;
    limits->Salary = millions * 1000;
    if (!Read_Limit(dialog, FIND_PEAK_EDIT, "a Peak Rating of at least", &limits->Peak)) return false;
    if (!Read_Limit(dialog, FIND_OVERALL_EDIT, "an Overall Rating of at least", &limits->Overall))
        return false;
    Get_Dialog_Item_Text_Buffer(dialog, FIND_NAME_EDIT, limits->Name, sizeof limits->Name);
    Make_Upper_Case(limits->Name);
    return Read_Find_Rating_Limits(dialog, limits->Ratings);
}

bool Passes(const FIND_LIMITS& limits, int32_t team, int32_t slot) {
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    if (limits.Position != FIND_ANY_PLAYER && position != limits.Position) return false;
    if (Get_Player_Vital_Stat(team, slot, VITAL_SALARY) > limits.Salary) return false;
    if (Get_Player_Age(team, slot) >= limits.Age) return false;
    if (Get_Player_Stat(team, slot, SEASON_PREDICTED, SCOUTED_PEAK) < limits.Peak) return false;
    if (Get_Player_Stat(team, slot, SEASON_PREDICTED, SCOUTED_OVERALL) < limits.Overall) return false;
    if (limits.Name[0] != '\0') {
        char name[FORMATTED_TEXT_SIZE] = "";
        Get_Player_Full_Name(team, slot, name);
        Make_Upper_Case(name);
        if (std::strstr(name, limits.Name) == nullptr) return false;
    }
    if (Is_Fantasy_Draft_Running() &&
        Get_Player_Vital_Stat(team, slot, VITAL_FANTASY_TEAM) != NOT_FANTASY_DRAFTED)
        return false;
    if (limits.Position != FIND_ANY_PLAYER)
        for (int32_t column = 0; column < 5; ++column) {
            const int32_t rating = Get_Position_Column_Stat(limits.Position, column);
            if (rating >= 0 &&
                static_cast<int32_t>(Get_Player_Rating(team, slot, rating)) < limits.Ratings[column])
                return false;
        }
    return true;
}

// The user's team for the info lines: a team of the lists, else 0.
int32_t Info_User_Team() {
    const int32_t user = Get_User_Preference(USER_TEAM);
    if (user == HALL_OF_FAME_TEAM || Is_Listed_Team(user)) return user;
    return 0;
}

// "The <team> ..." of a team's payroll against the cap; `with_period` ends
// the sentence, `large_room` is where the payroll is shown instead of the room.
void Format_Payroll_Sentence(char* out, int32_t team, int32_t large_room, bool with_period) {
    char name[TEAM_STRING_LENGTH] = "";
    if (!(team >= FIRST_COLLEGE_POOL_TEAM)) Get_Team_String(name, team, 2);
    const int32_t payroll = Get_Team_Financial_Stat(team, FINANCE_PAYROLL);
    const int32_t cap = Get_Universe_Stat(SALARY_CAP);
    const int32_t room = cap / 1000 - payroll;
    char number[FORMATTED_TEXT_SIZE];
    const char* end = with_period ? "." : "";
    // Without a salary cap no room can be exceeded: the payroll is shown.
    if (cap != 0 && room < 0) {
        safe_sprintf(out, TEXT_SIZE, "The %s are exceeding the salary cap%s", name, end);
    } else if (cap == 0 || room >= large_room) {
        Format_Number_Commas(payroll, number);
        safe_sprintf(out, TEXT_SIZE, "The %s currently have a $%s,000 total payroll%s", name, number, end);
    } else {
        Format_Number_Commas(room, number);
        safe_sprintf(out, TEXT_SIZE, "The %s are $%s,000 under the salary cap%s", name, number, end);
    }
}

bool Selected_Player(WINDOW_HANDLE dialog, int32_t* team, int32_t* slot) {
    return Get_Listview_Selected_Player(Get_Dialog_Item(dialog, PLAYER_LIST_VIEW), team, slot) >= 0 &&
           Is_Player_Address(*team, *slot);
}

void Selection_Changed(WINDOW_HANDLE dialog) {
    int32_t team = NO_PLAYER, slot = NO_PLAYER;
    if (Selected_Player(dialog, &team, &slot)) {
        Set_App_Cursor(WAIT_CURSOR);
        Show_Find_Player_Info(dialog, team, slot);
        Set_App_Cursor(ARROW_CURSOR);
    } else {
        Show_Find_Player_Info(dialog, NO_TEAM, NO_PLAYER);
    }
}

// What a dialog opened over the list may change: the selected player's
// record, and any roster, so that rows stand for other players.
struct FOUND_PLAYERS_MARK {
    PLAYER_WATCH Watch;
    int32_t Top_Row;
};

FOUND_PLAYERS_MARK Mark_Found_Players(WINDOW_HANDLE dialog, int32_t team, int32_t slot) {
    return {Watch_Player(Get_Player_ID(team, slot)),
            Get_Listview_Top_Row(Get_Dialog_Item(dialog, PLAYER_LIST_VIEW))};
}

// Once the dialog opened over the list returns, the list takes its own kind
// back (a list opened over it, the free-agent list from Go Get here or in a
// report, takes its own), so the heading menu and closing work on this list's
// column set. When the selected player changed or any roster moved, the search
// runs again and keeps his row selected while he is still found; when he is
// not, no row is (the former view comes back). The info lines then describe
// the row chosen, or no player.
void Follow_Found_Players(WINDOW_HANDLE dialog, const FOUND_PLAYERS_MARK& mark) {
    Player_List_Kind = PLAYER_LIST_FIND_PLAYERS;
    if (!Is_Window(dialog)) return;
    if (!Has_Watched_Player_Moved(mark.Watch)) return;
    const WINDOW_HANDLE list = Get_Dialog_Item(dialog, PLAYER_LIST_VIEW);
    Search_Find_Players(&Find_Players_Data);
    if (!Select_Listview_Player_ID(&Find_Players_Data, mark.Watch.Id))
        Restore_Listview_Top_Row(list, mark.Top_Row);
    // The lines describe players as they are now, whoever holds the slot.
    info_dialog = NO_WINDOW;
    Selection_Changed(dialog);
}

void Go_Get_Found_Player(WINDOW_HANDLE dialog) {
    int32_t team = NO_PLAYER, slot = NO_PLAYER;
    if (!Selected_Player(dialog, &team, &slot)) return;
    if (Is_Fantasy_Draft_Running()) {
        Announce_Fantasy_Draft_Pick(team, slot, Get_Fantasy_Draft_Team());
        End_Dialog(dialog, 1);
        return;
    }
    if (!Is_Trading_Allowed()) {
        Show_Formatted_Message("Trading Deadline",
                               team == FREE_AGENT_TEAM
                                   ? "Free agent signings are not allowed after week %d of the season."
                                   : "No trades are allowed after week %d of the season.",
                               TRADING_DEADLINE_WEEK);
        return;
    }
    const FOUND_PLAYERS_MARK mark = Mark_Found_Players(dialog, team, slot);
    if (team >= FREE_AGENT_TEAM) {
        Set_User_Preference(SELECTED_PLAYER_TEAM, team);
        Set_User_Preference(SELECTED_PLAYER_SLOT, slot);
        Refresh_Bars_And_Do_Dialog(dialog, FREE_AGENTS_DIALOG);
    } else {
        Prepare_Trade_For_Player(team, slot);
        Refresh_Bars_And_Do_Dialog(dialog, TRADES_DIALOG);
    }
    Follow_Found_Players(dialog, mark);
}

void Scout_Found_Player(WINDOW_HANDLE dialog) {
    int32_t team = NO_PLAYER, slot = NO_PLAYER;
    if (!Selected_Player(dialog, &team, &slot)) return;
    const FOUND_PLAYERS_MARK mark = Mark_Found_Players(dialog, team, slot);
    Show_Scouting_Report(dialog, team, slot, &Find_Players_Data);
    Follow_Found_Players(dialog, mark);
}

void Record_Layout_Once() {
    if (layout_recorded) return;
    layout_recorded = true;
    LIST_DIALOG_LAYOUT& layout = Find_Players_Layout;
    Update_List_Dialog_Layout(NO_WINDOW, &layout, LIST_LAYOUT_CLEAR);
    int32_t n = 0;
    for (int32_t id : {FIND_GO_GET_BUTTON, PLAYER_SCOUTING_BUTTON, PLAYER_EDIT_COLUMNS_BUTTON,
                       LIST_AUTO_SIZE_BUTTON, FIND_BUTTON}) {
        layout.Stay_Ids[n] = id;
        layout.Move_Right[n++] = 1;
    }
    for (int32_t id : {HELP_BUTTON, ID_CANCEL, ID_OK}) {
        layout.Move_Down_Ids[n] = id;
        layout.Move_Right[n++] = 1;
    }
    for (int32_t id : {FIND_INFO_FIRST_LINE, FIND_INFO_SECOND_LINE})
        layout.Move_Down_Ids[n++] = id;
    layout.Stretched_Ids[0] = PLAYER_LIST_VIEW;
}

void Init_Find_Players(WINDOW_HANDLE dialog) {
    Player_List_Kind = PLAYER_LIST_FIND_PLAYERS;
    Set_Up_Skinned_Dialog(dialog,
                          {FIND_BUTTON, FIND_GO_GET_BUTTON, PLAYER_SCOUTING_BUTTON,
                           PLAYER_EDIT_COLUMNS_BUTTON, LIST_AUTO_SIZE_BUTTON, HELP_BUTTON, ID_CANCEL, ID_OK});
    Set_User_Preference(FIND_DEPTH_CHARTS_SET, 0);
    searched_since_open = false;
    Init_Find_Players_Controls(dialog);
    Load_Find_Players_Limits(dialog);
    info_dialog = NO_WINDOW;
    Show_Find_Player_Info(dialog, NO_TEAM, NO_PLAYER);
    LISTVIEW_DATA& data = Find_Players_Data;
    Start_Listview_Data(&data, "LV_Listview-FindPlayers", dialog, Get_Dialog_Item(dialog, PLAYER_LIST_VIEW));
    Clear_Listview_Selection(data.List_Window);
    Record_Layout_Once();
    Update_List_Dialog_Layout(dialog, &Find_Players_Layout, LIST_LAYOUT_RECORD);
    Update_List_Dialog_Layout(dialog, &Find_Players_Layout, LIST_LAYOUT_GROW);
    // The size the user left comes back; the place is always over the main window.
    if (Is_Window(Main_Window)) Center_Window_Over_Parent(dialog, Main_Window);
}

bool Handle_Notify(WINDOW_HANDLE dialog, const NOTIFY_INFO* info) {
    if (info == nullptr || info->From_Id != PLAYER_LIST_VIEW) return false;
    LISTVIEW_DATA& data = Find_Players_Data;
    switch (info->Code) {
    case NOTIFY_COLUMN_CLICK:
        Set_Listview_Sort_Column(&data, info->Sub_Item + 1);
        Sort_Listview(&data);
        return true;
    case NOTIFY_RIGHT_CLICK:
    case NOTIFY_HEADER_RIGHT_CLICK:
        Do_Listview_Header_Menu(&data);
        return true;
    case NOTIFY_DOUBLE_CLICK:
        Scout_Found_Player(dialog);
        return true;
    case NOTIFY_ITEM_CHANGED:
        if (data.Fill_Flag == 0 && (info->Changed & ITEM_SELECTED) != 0) Selection_Changed(dialog);
        return true;
    default:
        return false;
    }
}

bool Handle_Command(WINDOW_HANDLE dialog, int32_t id, uint32_t notification) {
    switch (id) {
    case FIND_BUTTON:
        Search_Find_Players(&Find_Players_Data);
        return true;
    case FIND_GO_GET_BUTTON:
        Go_Get_Found_Player(dialog);
        return true;
    case PLAYER_SCOUTING_BUTTON:
        Scout_Found_Player(dialog);
        return true;
    case FIND_POSITION_BOX:
        if (notification == NOTIFY_COMBO_SELECTION_CHANGE) Show_Find_Position_Ratings(dialog);
        return true;
    case LIST_AUTO_SIZE_BUTTON:
        Auto_Size_Listview_Columns(Find_Players_Data.List_Window);
        return true;
    case PLAYER_EDIT_COLUMNS_BUTTON:
        Do_Dialog(dialog, COLUMN_CHOOSER_DIALOG, reinterpret_cast<intptr_t>(&Find_Players_Data));
        return true;
    case HELP_BUTTON:
        Open_Context_Help(FIND_PLAYERS_DIALOG);
        return true;
    case ID_OK:
        if (Save_Find_Players_Limits(dialog)) End_Dialog(dialog, 1);
        return true;
    case ID_CANCEL:
        End_Dialog(dialog, 2);
        return true;
    default:
        return false;
    }
}
} // namespace

const DIALOG_TEMPLATE FIND_PLAYERS_DIALOG_TEMPLATE = {
    FIND_PLAYERS_DIALOG,
    "Find Players",
    470,
    300,
    "MS Sans Serif",
    8,
    WINDOW_CAPTION | WINDOW_BORDER,
    FIND_CONTROLS,
    static_cast<int32_t>(sizeof FIND_CONTROLS / sizeof FIND_CONTROLS[0]),
    2};

intptr_t Find_Players_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (Is_Dialog_Colour_Message(code)) return Answer_Dialog_Colour(code, dialog, wparam, lparam);
    if (code != MSG_INIT_DIALOG && code != MSG_DESTROY &&
        Handle_List_Dialog_Sizing(dialog, &Find_Players_Layout, code, wparam, lparam))
        return 1;
    switch (code) {
    case MSG_INIT_DIALOG:
        Init_Find_Players(dialog);
        return 1;
    case MSG_DESTROY:
        Save_Listview_Column_Set(&Find_Players_Data);
        Update_List_Dialog_Layout(dialog, &Find_Players_Layout, LIST_LAYOUT_REMEMBER);
        if (info_dialog == dialog) info_dialog = NO_WINDOW;
        return 0;
    case MSG_NOTIFY:
        return Handle_Notify(dialog, reinterpret_cast<const NOTIFY_INFO*>(lparam)) ? 1 : 0;
    case MSG_COMMAND:
        return Handle_Command(dialog, Command_Id(wparam), Command_Notification(wparam)) ? 1 : 0;
    default:
        return 0;
    }
}

void Format_Position_Plural(int32_t position, char* out, int32_t size) {
    if (out == nullptr || size <= 0) return;
    char name[FORMATTED_TEXT_SIZE] = "";
    Get_Position_Name(position, name);
    const size_t length = std::strlen(name);
    if (length > 0 && name[length - 1] == 'y') {
        name[length - 1] = '\0';
        safe_sprintf(out, size, "%sies", name);
    } else if (length > 0 && name[length - 1] == 's') {
        safe_sprintf(out, size, "%ses", name);
    } else {
        safe_sprintf(out, size, "%ss", name);
    }
}

void Fill_Find_Position_Box(WINDOW_HANDLE dialog) {
    const WINDOW_HANDLE box = Get_Dialog_Item(dialog, FIND_POSITION_BOX);
    Combo_Box_Reset_Content(box);
    for (int32_t position = 0; position < NUMBER_OF_POSITIONS; ++position) {
        char plural[FORMATTED_TEXT_SIZE];
        Format_Position_Plural(position, plural, sizeof plural);
        Combo_Box_Add_String(box, plural);
    }
    Combo_Box_Add_String(box, "Any Player");
    Combo_Box_Set_Current_Selection(box, 0);
}

void Show_Find_Position_Ratings(WINDOW_HANDLE dialog) {
    const int32_t position = Chosen_Position(dialog);
    for (int32_t column = 0; column < 5; ++column) {
        char name[FORMATTED_TEXT_SIZE] = "";
        const int32_t rating = position != FIND_ANY_PLAYER ? Get_Position_Column_Stat(position, column) : -1;
        if (rating >= 0) Get_Rating_Name(rating, name);
        Set_Dialog_Item_Text(dialog, FIND_RATING_LABELS[column], name);
        Show_Window(Get_Dialog_Item(dialog, FIND_RATING_LABELS[column]), name[0] != '\0');
        Show_Window(Get_Dialog_Item(dialog, FIND_RATING_EDITS[column]), name[0] != '\0');
    }
    Show_Window(Get_Dialog_Item(dialog, FIND_RATINGS_GROUP), position != FIND_ANY_PLAYER);
    Redraw_Window(dialog);
}

void Init_Find_Players_Controls(WINDOW_HANDLE dialog) {
    Fill_Find_Position_Box(dialog);
    Set_Dialog_Item_Integer(dialog, FIND_AGE_EDIT, DEFAULT_AGE_LIMIT);
    Set_Dialog_Item_Integer(dialog, FIND_SALARY_EDIT, MOST_SALARY_SHOWN);
    Set_Dialog_Item_Integer(dialog, FIND_OVERALL_EDIT, 0);
    Set_Dialog_Item_Integer(dialog, FIND_PEAK_EDIT, 0);
    for (int32_t id : FIND_RATING_EDITS)
        Set_Dialog_Item_Integer(dialog, id, 0);
    const WINDOW_HANDLE spin = Get_Dialog_Item(dialog, FIND_AGE_SPIN);
    Send_Window_Message(spin, MSG_UP_DOWN_SET_RANGE, 20, 99);
    Send_Window_Message(spin, MSG_UP_DOWN_SET_BUDDY,
                        static_cast<uintptr_t>(Get_Dialog_Item(dialog, FIND_AGE_EDIT)), 0);
    Send_Window_Message(spin, MSG_UP_DOWN_SET_POSITION, DEFAULT_AGE_LIMIT, 0);
}

void Load_Find_Players_Limits(WINDOW_HANDLE dialog) {
    Set_Dialog_Item_Integer(dialog, FIND_OVERALL_EDIT, Get_User_Preference(FIND_OVERALL_SETTING));
    Set_Dialog_Item_Integer(dialog, FIND_PEAK_EDIT, Get_User_Preference(FIND_PEAK_SETTING));
    // Limits never set (0) keep the boxes' defaults: nobody is under age 0.
    const int32_t age = Get_User_Preference(FIND_AGE_SETTING);
    if (age > 0) {
        Set_Dialog_Item_Integer(dialog, FIND_AGE_EDIT, age);
        Send_Window_Message(Get_Dialog_Item(dialog, FIND_AGE_SPIN), MSG_UP_DOWN_SET_POSITION,
                            static_cast<uintptr_t>(age), 0);
    }
    const int32_t salary = Get_User_Preference(FIND_SALARY_SETTING);
    if (salary > 0) Set_Dialog_Item_Integer(dialog, FIND_SALARY_EDIT, std::min(salary, MOST_SALARY_SHOWN));
    for (int32_t column = 0; column < 5; ++column)
        Set_Dialog_Item_Integer(dialog, FIND_RATING_EDITS[column],
                                Get_User_Preference(FIND_FIRST_RATING_SETTING + column));
    const int32_t position = std::clamp(Get_User_Preference(FIND_POSITION_SETTING), 0, FIND_ANY_PLAYER);
    Combo_Box_Set_Current_Selection(Get_Dialog_Item(dialog, FIND_POSITION_BOX), position);
    Show_Find_Position_Ratings(dialog);
}

bool Save_Find_Players_Limits(WINDOW_HANDLE dialog) {
    FIND_LIMITS limits{};
    if (!Read_Limits(dialog, &limits)) return false;
    Set_User_Preference(FIND_OVERALL_SETTING, limits.Overall);
    Set_User_Preference(FIND_PEAK_SETTING, limits.Peak);
    Set_User_Preference(FIND_AGE_SETTING, limits.Age);
    Set_User_Preference(FIND_SALARY_SETTING, limits.Salary / 1000);
    for (int32_t column = 0; column < 5; ++column)
        Set_User_Preference(FIND_FIRST_RATING_SETTING + column, limits.Ratings[column]);
    Set_User_Preference(FIND_POSITION_SETTING, limits.Position);
    return true;
}

bool Read_Find_Rating_Limits(WINDOW_HANDLE dialog, int32_t minimums[5]) {
    for (int32_t column = 0; column < 5; ++column) {
        minimums[column] = 0;
        const WINDOW_HANDLE box = Get_Dialog_Item(dialog, FIND_RATING_EDITS[column]);
        if (box == NO_WINDOW || !Is_Window_Shown(box)) continue;
        const std::string label = Get_Dialog_Item_Text(dialog, FIND_RATING_LABELS[column]);
        if (!Read_Limit(dialog, FIND_RATING_EDITS[column], label.c_str(), &minimums[column])) return false;
    }
    return true;
}

int32_t Search_Find_Players(LISTVIEW_DATA* data) {
    if (data == nullptr) return 0;
    const WINDOW_HANDLE dialog = data->Dialog_Window;
    FIND_LIMITS limits{};
    if (!Read_Limits(dialog, &limits)) return -1;
    Set_App_Cursor(WAIT_CURSOR);
    if (!searched_since_open && Is_Current_Game_Play_By_Play() == 0) {
        Auto_Set_Computer_Depth_Charts(0);
        Set_User_Preference(FIND_DEPTH_CHARTS_SET, 1);
    }
    searched_since_open = true;
    Clear_Listview_Entries(data);
    // The pools count only while the college draft runs; finding the pool
    // empty ends the draft.
    const bool pools =
        Get_User_Preference(DRAFT_ROUND) < NO_COLLEGE_DRAFT_ROUND && Is_College_Draft_Running() != 0;
    int32_t found = 0;
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team) {
        if (!Is_Listed_Team(team)) continue;
        if (team >= FIRST_COLLEGE_POOL_TEAM && !pools) continue;
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
            if (Is_Player_Slot_Used(team, slot) != 0 && Passes(limits, team, slot))
                data->Entries[found++] = static_cast<uint16_t>(team * PLAYERS_PER_TEAM + slot);
    }
    if (found == 0)
        Show_Formatted_Message(
            "Search Failed", "Couldn't find any players with those parameters. Try broadening your search.");
    // The fill shows the bar and hides it again only when no row went in.
    Fill_Listview_Rows(data, Get_Dialog_Item(dialog, LIST_PROGRESS_BAR));
    Sort_Listview(data);
    Auto_Size_Listview_Columns(data->List_Window);
    Set_App_Cursor(ARROW_CURSOR);
    return found;
}

void Show_Find_Player_Info(WINDOW_HANDLE dialog, int32_t team, int32_t slot) {
    if (dialog == info_dialog && team == info_team && slot == info_slot) return;
    info_dialog = dialog;
    info_team = team;
    info_slot = slot;
    char first[TEXT_SIZE] = "", second[TEXT_SIZE] = "";
    const int32_t user = Info_User_Team();
    const bool player = !Is_No_Team(team) && Is_Player_Address(team, slot);
    if (Is_Fantasy_Draft_Running()) {
        safe_strncpy(first, "Note: During a Fantasy Draft,\nthis screen only displays UNDRAFTED players.",
                     sizeof first);
        if (player && Is_Player_Slot_Used(team, slot) != 0) {
            char name[FORMATTED_TEXT_SIZE] = "", salary[FORMATTED_TEXT_SIZE] = "";
            Get_Player_Full_Name(team, slot, name);
            Format_Player_Salary(team, slot, salary);
            safe_sprintf(second, sizeof second, "%s is %d, earning %s thru %d.", name,
                         Get_Player_Age(team, slot), salary,
                         Get_Current_Year() - 1 + Get_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS));
        }
    } else if (!player) {
        Format_Payroll_Sentence(first, user, LARGE_PAYROLL_ROOM, true);
        safe_strncpy(
            second,
            "To view all players at one team or position,\nchoose 'Sortable Stats' from the Players Menu.",
            sizeof second);
    } else if (team < FREE_AGENT_TEAM) {
        char location[TEAM_STRING_LENGTH] = "", needs[TEXT_SIZE] = "";
        Get_Team_String(location, team, 1);
        Get_Team_Needs_Text(needs, team);
        safe_sprintf(first, sizeof first, "%s is seeking %s...", location, needs);
        Format_Payroll_Sentence(second, team, LARGE_PAYROLL_ROOM, true);
    } else {
        char name[FORMATTED_TEXT_SIZE] = "", salary[FORMATTED_TEXT_SIZE] = "";
        Get_Player_Full_Name(team, slot, name);
        Format_Number_Commas(Get_Player_Vital_Stat(team, slot, VITAL_SALARY), salary);
        safe_sprintf(first, sizeof first, "%s is seeking a $%s,000 salary", name, salary);
        Format_Payroll_Sentence(second, user, LARGE_SIGNING_ROOM, false);
    }
    Set_Dialog_Item_Text(dialog, FIND_INFO_FIRST_LINE, first);
    Set_Dialog_Item_Text(dialog, FIND_INFO_SECOND_LINE, second);
}
