#include "dialogs/player_list_dialog.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "app/context_help.h"
#include "app/diagnostics.h"
#include "app/dialog_lists.h"
#include "app/dialog_services.h"
#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "app/sounds_and_cursors.h"
#include "app/team_lists.h"
#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/saved_game.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "dialogs/college_draft_pick.h"
#include "dialogs/column_sets.h"
#include "dialogs/dialog_setup.h"
#include "dialogs/player_list_kind.h"
#include "dialogs/roster_moves.h"
#include "dialogs/scouting_report.h"
#include "dialogs/small_dialogs.h"
#include "frontoffice/contract_demand.h"
#include "frontoffice/contract_offer.h"
#include "frontoffice/contract_texts.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/money.h"
#include "frontoffice/trade_legality.h"
#include "personnel/college_draft_flow.h"
#include "personnel/draft_state.h"
#include "personnel/fantasy_draft.h"
#include "personnel/free_agent_order.h"
#include "platform/combo_box.h"
#include "platform/controls.h"
#include "platform/list_view.h"
#include "platform/message_box.h"
#include "platform/windows.h"

LISTVIEW_DATA Player_List_Data;
LIST_DIALOG_LAYOUT Player_List_Layout;
int32_t Player_List_Team_Filter = 0;

namespace {
constexpr uint32_t BUTTON = WINDOW_TAB_STOP;
constexpr int32_t HELP_BUTTON = 9;
constexpr int32_t TEXT_SIZE = 512;
constexpr int32_t ANY_POSITION_CHOICE = 15;
constexpr int32_t NOT_FANTASY_DRAFTED = -128;
constexpr int32_t VITAL_FANTASY_TEAM = 26;
constexpr int32_t HOLDING_TEAM_SCOPES = 1000;
constexpr int32_t LIST_ROOM_FOR_ROSTER = 91;
constexpr int32_t WAIT_CURSOR = 4;
constexpr int32_t ARROW_CURSOR = 0;

const DIALOG_CONTROL PLAYER_LIST_CONTROLS[] = {
    {CONTROL_COMBO_BOX, TEAM_SELECTOR, {8, 6, 150, 200}, "", BUTTON | CONTROL_OWNER_DRAW},
    {CONTROL_COMBO_BOX, PLAYER_POSITION_BOX, {164, 6, 90, 200}, "", BUTTON},
    {CONTROL_COMBO_BOX, STAT_SEASON_COMBO, {260, 6, 80, 100}, "", BUTTON},
    {CONTROL_LIST_VIEW, PLAYER_LIST_VIEW, {8, 24, 356, 196}, "", BUTTON},
    {CONTROL_PUSH_BUTTON, PLAYER_SCOUTING_BUTTON, {370, 24, 76, 14}, "&Scouting", BUTTON},
    {CONTROL_PUSH_BUTTON, PLAYER_ACTION_BUTTON, {370, 42, 76, 14}, "&Release", BUTTON},
    {CONTROL_PUSH_BUTTON, PLAYER_EDIT_COLUMNS_BUTTON, {370, 60, 76, 14}, "&Edit Columns", BUTTON},
    {CONTROL_PUSH_BUTTON, LIST_AUTO_SIZE_BUTTON, {370, 78, 76, 14}, "Auto-Size", BUTTON},
    {CONTROL_PUSH_BUTTON, PLAYER_VIEW_MY_TEAM_BUTTON, {370, 96, 76, 14}, "&View My Team", BUTTON},
    {CONTROL_STATIC_TEXT,
     PLAYER_POSITION_CHART,
     {380, 118, 60, 70},
     "1 QB\n2 RB\n3 FB\n4 TE\n5 WR\n6 T\n7 G\n8 C",
     0},
    {CONTROL_STATIC_TEXT, PLAYER_COUNT_TEXT, {8, 224, 110, 10}, "", 0},
    {CONTROL_STATIC_TEXT, PLAYER_CAP_LINE, {120, 224, 244, 10}, "", 0},
    {CONTROL_STATIC_TEXT, PLAYER_ROSTER_NOTE, {8, 236, 356, 18}, "", 0},
    {CONTROL_PROGRESS_BAR, LIST_PROGRESS_BAR, {260, 19, 104, 4}, "", CONTROL_HIDDEN},
    {CONTROL_PUSH_BUTTON, HELP_BUTTON, {370, 222, 70, 14}, "&Help", BUTTON},
    {CONTROL_PUSH_BUTTON, ID_OK, {370, 240, 70, 14}, "&Done", BUTTON | CONTROL_DEFAULT_BUTTON},
};

WINDOW_HANDLE open_player_list = NO_WINDOW;
bool layout_recorded = false;

bool Is_Single_Team_Scope(int32_t scope) {
    return scope >= 0 && scope < HOLDING_TEAM_SCOPES;
}

bool Is_Fantasy_Draft_Running() {
    return Get_Universe_Stat(FANTASY_DRAFT_FLAG) >= 1;
}

// A franchise in use, the free agents or a pool.
bool Is_Listed_Team(int32_t team) {
    return Is_Used_Franchise_Slot(team) || team == FREE_AGENT_TEAM ||
           (team >= FIRST_COLLEGE_POOL_TEAM && team < TOTAL_NUMBER_OF_TEAMS);
}

WINDOW_HANDLE List_Of(WINDOW_HANDLE dialog) {
    return Get_Dialog_Item(dialog, PLAYER_LIST_VIEW);
}

void Set_Text(WINDOW_HANDLE dialog, int32_t id, const char* text) {
    if (Get_Dialog_Item(dialog, id) != NO_WINDOW) Set_Dialog_Item_Text(dialog, id, text);
}

// Whether the scope lets players of `team` in.
bool Scope_Takes_Team(int32_t scope, int32_t team, bool* known) {
    *known = true;
    if (Is_Single_Team_Scope(scope)) return team == scope;
    if (scope == SCOPE_ALL_ACTIVE) return team <= FREE_AGENT_TEAM;
    if (scope >= SCOPE_FIRST_LEAGUE && scope < SCOPE_FIRST_LEAGUE + 1000)
        return Is_Used_Franchise_Slot(team) && Get_Team_Division(team) / 4 == scope - SCOPE_FIRST_LEAGUE;
    // A fantasy draft deals out every player of every team and pool.
    if (scope == SCOPE_FANTASY_DRAFTED || scope == SCOPE_FANTASY_UNDRAFTED) return true;
    if (scope == SCOPE_FREE_AGENTS) return team == FREE_AGENT_TEAM;
    if (scope == SCOPE_COLLEGE_POOL) return team >= FIRST_COLLEGE_POOL_TEAM;
    *known = false;
    return false;
}

int32_t Find_Combo_Data(WINDOW_HANDLE combo, intptr_t data) {
    for (int32_t i = 0; i < Combo_Box_Get_Count(combo); ++i)
        if (Combo_Box_Get_Item_Data(combo, i) == data) return i;
    return -1;
}

void Set_Caption(WINDOW_HANDLE dialog) {
    char caption[TEXT_SIZE];
    Format_Player_List_Caption(caption, sizeof caption, Player_List_Data.Team_Filter);
    Set_Window_Text(dialog, caption);
}

// The player last selected, his row chosen again after the list changed;
// the former view when he is no longer listed.
void Follow_Player(WINDOW_HANDLE dialog, int32_t id, int32_t top_row) {
    if (!Select_Listview_Player_ID(&Player_List_Data, id)) Restore_Listview_Top_Row(List_Of(dialog), top_row);
    Update_Player_List_Buttons(dialog);
}

void Scout_Selected_Player(WINDOW_HANDLE dialog) {
    int32_t team = NO_PLAYER, slot = NO_PLAYER;
    const WINDOW_HANDLE list = List_Of(dialog);
    if (Get_Listview_Selected_Player(list, &team, &slot) < 0 || !Is_Player_Address(team, slot)) return;
    if (Player_List_Kind == PLAYER_LIST_COLLEGE_DRAFT && Is_College_Draft_Underway() != 0)
        Sign_Drafted_Player(team, slot);
    const PLAYER_WATCH watch = Watch_Player(Get_Player_ID(team, slot));
    const int32_t top_row = Get_Listview_Top_Row(list);
    Show_Scouting_Report(dialog, team, slot, &Player_List_Data);
    // The report may have changed him, or released, signed or traded players
    // so that the rows stand for others: the list is then built again.
    if (!Is_Window(dialog) || !Has_Watched_Player_Moved(watch)) return;
    Refresh_Player_List_Dialog(dialog);
    Follow_Player(dialog, watch.Id, top_row);
}

void Release_Selected_Player(WINDOW_HANDLE dialog) {
    int32_t team = NO_PLAYER, slot = NO_PLAYER;
    const WINDOW_HANDLE list = List_Of(dialog);
    if (Get_Listview_Selected_Player(list, &team, &slot) < 0 || !Is_Player_Address(team, slot)) return;
    const int32_t top_row = Get_Listview_Top_Row(list);
    if (Confirm_Release_Player(team, slot) == 0) return;
    Refresh_Player_List_Dialog(dialog);
    Restore_Listview_Top_Row(list, top_row);
    Update_Player_List_Buttons(dialog);
}

// A report opened inside a talk may have signed, released or deleted other
// players, so that the talk's player stands in another slot and the rows
// stand for others, or taken him off his team: he is found again by his id,
// and the list, built again, keeps his row selected while he is listed.
// False when he has left the team.
bool Follow_Talk_Player(WINDOW_HANDLE dialog, int32_t id, int32_t team, int32_t* slot,
                        const ROSTER_IDS& rosters) {
    const bool stays = Find_Player_On_Team(id, team, slot);
    if (Have_Rosters_Moved(rosters)) {
        const int32_t top_row = Get_Listview_Top_Row(List_Of(dialog));
        Refresh_Player_List_Dialog(dialog);
        Follow_Player(dialog, id, top_row);
    }
    return stays;
}

void Sign_Selected_Free_Agent(WINDOW_HANDLE dialog) {
    if (!Is_Trading_Allowed()) {
        Show_Formatted_Message("Trading Deadline",
                               "You cannot sign a free agent after the transaction deadline. "
                               "Please wait until the off-season.");
        return;
    }
    const int32_t user = Get_User_Team();
    if (Get_Team_Financial_Stat(user, FINANCE_CASH) < 0) {
        Show_Formatted_Message("Debt", "Because you are currently in debt, you are not allowed to sign free "
                                       "agents or increase your payroll.");
        return;
    }
    int32_t team = NO_PLAYER, slot = NO_PLAYER;
    const WINDOW_HANDLE list = List_Of(dialog);
    if (Get_Listview_Selected_Player(list, &team, &slot) < 0 || team != FREE_AGENT_TEAM ||
        Is_Player_Slot_Used(team, slot) == 0)
        return;
    // The contract is put back when the signing cannot be completed.
    const int32_t kept[] = {VITAL_SALARY, VITAL_CONTRACT_YEARS, VITAL_BONUS_YEARS, VITAL_SIGNING_BONUS};
    int32_t values[4];
    for (int32_t i = 0; i < 4; ++i)
        values[i] = Get_Player_Vital_Stat(team, slot, kept[i]);
    const int32_t id = Get_Player_ID(team, slot);
    const ROSTER_IDS rosters = Keep_Roster_Ids();
    const int32_t result = Open_Contract_Offer(dialog, team, slot);
    if (!Follow_Talk_Player(dialog, id, team, &slot, rosters) || result != CONTRACT_ACCEPTED) return;
    const int32_t top_row = Get_Listview_Top_Row(list);
    const int32_t new_slot = Move_Player_To_Team(user, team, slot);
    if (new_slot < 0) {
        for (int32_t i = 0; i < 4; ++i)
            Set_Player_Vital_Stat(team, slot, kept[i], values[i]);
        Show_Team_Full_Message(team, slot);
        return;
    }
    Refresh_Player_List_Dialog(dialog);
    Restore_Listview_Top_Row(list, top_row);
    if (user != FREE_AGENT_TEAM) {
        const int32_t line = Add_Player_Season_Line(user, new_slot, Get_Current_Year(), user);
        if (line >= 0) Set_Player_Latest_Season_Line(user, new_slot, line);
    }
    Set_Player_Vital_Stat(user, new_slot, VITAL_LOADED_MARKER, 0);
    Update_Player_List_Buttons(dialog);
}

void Draft_Selected_Prospect(WINDOW_HANDLE dialog) {
    int32_t team = NO_PLAYER, slot = NO_PLAYER;
    const WINDOW_HANDLE list = List_Of(dialog);
    if (Get_Listview_Selected_Player(list, &team, &slot) < 0 || !Is_Player_Address(team, slot)) return;
    const int32_t drafting_team = Check_User_Draft_Pick(team, slot);
    if (drafting_team < 0) return;
    Sign_Drafted_Player(team, slot);
    const int32_t id = Get_Player_ID(team, slot);
    const ROSTER_IDS rosters = Keep_Roster_Ids();
    const int32_t result = Open_Contract_Offer(dialog, team, slot);
    // The user goes to the Trading Block to raise the bonus: the list closes
    // first, and whoever opened it opens the block.
    if (result == CONTRACT_TO_TRADING_BLOCK) {
        End_Dialog(dialog, CONTRACT_TO_TRADING_BLOCK);
        return;
    }
    if (!Follow_Talk_Player(dialog, id, team, &slot, rosters) || result != CONTRACT_ACCEPTED) return;
    if (!Check_Draft_Roster_Room(drafting_team, team, slot)) return;
    const int32_t top_row = Get_Listview_Top_Row(list);
    // The list steps aside while the computer makes its picks, and is back in
    // place, showing the pool, the cap room and the roster as they are now,
    // before the user is told to pick again.
    RECT_AREA place, main{};
    Get_Window_Rect(dialog, &place);
    if (Is_Window(Main_Window)) {
        Get_Window_Rect(Main_Window, &main);
        Move_Window(dialog, {main.Left, main.Top, main.Left + place.Right - place.Left,
                             main.Top + place.Bottom - place.Top});
    }
    Make_User_Draft_Pick(drafting_team, team, slot, [&]() {
        if (!Is_Window(dialog)) return;
        Move_Window(dialog, place);
        Refresh_Player_List_Dialog(dialog);
        Restore_Listview_Top_Row(list, top_row);
        Update_Player_List_Buttons(dialog);
        Redraw_Window(dialog);
    });
}

void Make_Fantasy_Pick(WINDOW_HANDLE dialog) {
    int32_t team = NO_PLAYER, slot = NO_PLAYER;
    if (Get_Listview_Selected_Player(List_Of(dialog), &team, &slot) < 0 || !Is_Player_Address(team, slot))
        return;
    Announce_Fantasy_Draft_Pick(team, slot, Get_Fantasy_Draft_Team());
    Show_Fantasy_Picks_Summary(dialog);
    Update_Player_List_Cap_Text(dialog);
    Update_Player_List_Buttons(dialog);
}

void Action_Button(WINDOW_HANDLE dialog) {
    switch (Player_List_Kind) {
    case PLAYER_LIST_FREE_AGENTS:
        Sign_Selected_Free_Agent(dialog);
        return;
    case PLAYER_LIST_COLLEGE_DRAFT:
        Draft_Selected_Prospect(dialog);
        return;
    default:
        if (Is_Fantasy_Draft_Running())
            Make_Fantasy_Pick(dialog);
        else
            Release_Selected_Player(dialog);
        return;
    }
}

// The scope the selector's line stands for; false when the line changes nothing.
bool Take_Selector_Line(WINDOW_HANDLE dialog, int32_t index) {
    const WINDOW_HANDLE selector = Get_Dialog_Item(dialog, TEAM_SELECTOR);
    const intptr_t data = Combo_Box_Get_Item_Data(selector, index);
    const int32_t scope = Player_List_Data.Team_Filter;
    if (data >= TEAM_ITEM_DATA_BASE && data < SCOPE_HEADING) {
        const int32_t team = static_cast<int32_t>(data - TEAM_ITEM_DATA_BASE);
        Set_Viewed_Team(team);
        Player_List_Data.Team_Filter = team;
        return true;
    }
    if (data == SCOPE_HEADING) {
        if (Is_Single_Team_Scope(scope)) {
            if (index == scope + 1 && index + 1 < Combo_Box_Get_Count(selector)) {
                Combo_Box_Set_Current_Selection(selector, index + 1);
                return Take_Selector_Line(dialog, index + 1);
            }
            Combo_Box_Set_Current_Selection(selector, scope);
            return false;
        }
        for (int32_t above = index - 1; above >= 0; --above)
            if (Combo_Box_Get_Item_Data(selector, above) < SCOPE_HEADING) {
                Combo_Box_Set_Current_Selection(selector, above);
                return Take_Selector_Line(dialog, above);
            }
        Combo_Box_Set_Current_Selection(selector,
                                        Find_Combo_Data(selector, TEAM_ITEM_DATA_BASE + Get_User_Team()));
        Set_Viewed_Team(0);
        Player_List_Data.Team_Filter = 0;
        return true;
    }
    Player_List_Data.Team_Filter = static_cast<int32_t>(data);
    Set_User_Preference(VIEWED_TEAM, -1);
    return true;
}

void Selector_Changed(WINDOW_HANDLE dialog) {
    const int32_t index = Combo_Box_Get_Current_Selection(Get_Dialog_Item(dialog, TEAM_SELECTOR));
    if (index < 0 || !Take_Selector_Line(dialog, index)) return;
    if (Player_List_Kind == PLAYER_LIST_ROSTER) Player_List_Team_Filter = Player_List_Data.Team_Filter;
    Refresh_Player_List_Dialog(dialog);
    Update_Player_List_Buttons(dialog);
    Set_Caption(dialog);
    Redraw_Window(dialog);
}

void View_My_Team(WINDOW_HANDLE dialog) {
    const WINDOW_HANDLE selector = Get_Dialog_Item(dialog, TEAM_SELECTOR);
    const int32_t mine = Find_Combo_Data(selector, TEAM_ITEM_DATA_BASE + Get_User_Team());
    if (mine < 0) return;
    if (Combo_Box_Get_Current_Selection(selector) == mine) {
        Show_Formatted_Message("View My Team", "The team you control is already being displayed.");
        return;
    }
    Combo_Box_Set_Current_Selection(selector, mine);
    Selector_Changed(dialog);
}

void Remove_Control(WINDOW_HANDLE dialog, int32_t id) {
    const WINDOW_HANDLE control = Get_Dialog_Item(dialog, id);
    if (control != NO_WINDOW) Destroy_Window(control);
}

// Without the team selector the boxes beside it move into its place.
void Close_Selector_Gap(WINDOW_HANDLE dialog) {
    RECT_AREA selector, box;
    Get_Dialog_Item_Rect(dialog, TEAM_SELECTOR, &selector);
    Get_Dialog_Item_Rect(dialog, PLAYER_POSITION_BOX, &box);
    const int32_t shift = box.Left - selector.Left;
    Remove_Control(dialog, TEAM_SELECTOR);
    for (int32_t id : {PLAYER_POSITION_BOX, STAT_SEASON_COMBO}) {
        RECT_AREA rect;
        Get_Dialog_Item_Rect(dialog, id, &rect);
        if (Get_Dialog_Item(dialog, id) != NO_WINDOW)
            Move_Window(Get_Dialog_Item(dialog, id),
                        {rect.Left - shift, rect.Top, rect.Right - shift, rect.Bottom});
    }
}

void Choose_Roster_Scope(WINDOW_HANDLE dialog) {
    int32_t scope = Player_List_Team_Filter == SCOPE_FREE_AGENTS ? 0 : Player_List_Team_Filter;
    if (Is_Single_Team_Scope(scope)) {
        Validate_Viewed_Team();
        scope = Get_User_Preference(VIEWED_TEAM);
    }
    const WINDOW_HANDLE selector = Get_Dialog_Item(dialog, TEAM_SELECTOR);
    int32_t index =
        Find_Combo_Data(selector, Is_Single_Team_Scope(scope) ? TEAM_ITEM_DATA_BASE + scope : scope);
    if (index < 0) {
        Player_List_Team_Filter = 0;
        scope = 0;
        index = Find_Combo_Data(selector, TEAM_ITEM_DATA_BASE);
    }
    Combo_Box_Set_Current_Selection(selector, index);
    Player_List_Data.Team_Filter = scope;
}

void Record_Layout_Once() {
    if (layout_recorded) return;
    layout_recorded = true;
    LIST_DIALOG_LAYOUT& layout = Player_List_Layout;
    Update_List_Dialog_Layout(NO_WINDOW, &layout, LIST_LAYOUT_CLEAR);
    const int32_t right_column[] = {PLAYER_SCOUTING_BUTTON, PLAYER_ACTION_BUTTON, PLAYER_EDIT_COLUMNS_BUTTON,
                                    LIST_AUTO_SIZE_BUTTON, PLAYER_VIEW_MY_TEAM_BUTTON};
    int32_t n = 0;
    for (int32_t id : right_column) {
        layout.Stay_Ids[n] = id;
        layout.Move_Right[n++] = 1;
    }
    for (int32_t id : {HELP_BUTTON, ID_OK}) {
        layout.Move_Down_Ids[n] = id;
        layout.Move_Right[n++] = 1;
    }
    for (int32_t id : {PLAYER_COUNT_TEXT, PLAYER_CAP_LINE, PLAYER_ROSTER_NOTE})
        layout.Move_Down_Ids[n++] = id;
    layout.Stretched_Ids[0] = PLAYER_LIST_VIEW;
    layout.Right_Ids[0] = PLAYER_POSITION_CHART;
}

void Init_Player_List(WINDOW_HANDLE dialog, intptr_t parameter) {
    // Opening the list refreshes the free agents' demands and order.
    const KEEP_GAME_SAVED derived;
    // One player list at a time: the list's globals belong to the open one.
    if (Is_Player_List_Open()) {
        End_Dialog(dialog, 0);
        return;
    }
    Player_List_Kind = static_cast<int32_t>(parameter);
    if (Player_List_Kind == PLAYER_LIST_FREE_AGENTS &&
        !Is_Used_Franchise_Slot(Get_User_Preference(USER_TEAM))) {
        Show_Formatted_Message("Can't sign", "You can't sign free agents if you don't have a team.");
        End_Dialog(dialog, 0);
        return;
    }
    open_player_list = dialog;
    Set_Up_Skinned_Dialog(dialog, {PLAYER_SCOUTING_BUTTON, PLAYER_ACTION_BUTTON, PLAYER_EDIT_COLUMNS_BUTTON,
                                   LIST_AUTO_SIZE_BUTTON, PLAYER_VIEW_MY_TEAM_BUTTON, HELP_BUTTON, ID_OK});
    Fill_Team_Selector(dialog);
    Fill_Fantasy_Scope_Box(dialog);
    Fill_Position_Filter_Box(dialog);

    LISTVIEW_DATA& data = Player_List_Data;
    data = LISTVIEW_DATA{};
    data.Dialog_Window = dialog;
    data.List_Window = List_Of(dialog);
    int32_t scope = 0;
    switch (Player_List_Kind) {
    case PLAYER_LIST_FREE_AGENTS:
        Close_Selector_Gap(dialog);
        Remove_Control(dialog, PLAYER_VIEW_MY_TEAM_BUTTON);
        Set_Text(dialog, PLAYER_ACTION_BUTTON, "Sign");
        Refresh_Free_Agent_Demands();
        Sort_Free_Agents();
        safe_strncpy(data.Name, "LVD_Free_Agents", LISTVIEW_NAME_SIZE);
        scope = SCOPE_FREE_AGENTS;
        break;
    case PLAYER_LIST_COLLEGE_DRAFT:
        Remove_Control(dialog, STAT_SEASON_COMBO);
        Close_Selector_Gap(dialog);
        Remove_Control(dialog, PLAYER_VIEW_MY_TEAM_BUTTON);
        Set_Text(dialog, PLAYER_ACTION_BUTTON, "Draft");
        safe_strncpy(data.Name, "LVD_College_Draft", LISTVIEW_NAME_SIZE);
        scope = SCOPE_COLLEGE_POOL;
        break;
    default:
        safe_strncpy(data.Name, "LVD_Roster", LISTVIEW_NAME_SIZE);
        break;
    }
    Init_Listview_Data(&data);
    if (Player_List_Kind == PLAYER_LIST_ROSTER)
        Choose_Roster_Scope(dialog);
    else
        data.Team_Filter = scope;
    const int32_t position = Get_User_Preference(PLAYER_LIST_POSITION_SETTING);
    data.Position_Filter = position >= 0 && position < ANY_POSITION_CHOICE ? position : -1;
    Fill_Stat_Season_Combo(dialog);
    Update_Player_List_Cap_Text(dialog);
    data.Sort_Column = 0;
    Load_Listview_Column_Set(&data);
    Rebuild_Listview_Columns(&data);
    Build_Player_List_Entries(&data);
    Sort_Listview(&data);
    Clear_Listview_Selection(data.List_Window);
    Update_Player_List_Buttons(dialog);

    Record_Layout_Once();
    const bool remembered = Player_List_Layout.Maximised != 0;
    Update_List_Dialog_Layout(dialog, &Player_List_Layout, LIST_LAYOUT_RECORD);
    Update_List_Dialog_Layout(dialog, &Player_List_Layout, LIST_LAYOUT_GROW);
    Auto_Size_Listview_Columns(data.List_Window);
    Set_Caption(dialog);
    if (!remembered && Is_Window(Main_Window)) Center_Window_Over_Parent(dialog, Main_Window);
}

bool Handle_List_Notify(WINDOW_HANDLE dialog, const NOTIFY_INFO* info) {
    if (info == nullptr || info->From_Id != PLAYER_LIST_VIEW) return false;
    LISTVIEW_DATA& data = Player_List_Data;
    switch (info->Code) {
    case NOTIFY_COLUMN_CLICK:
        Set_Listview_Sort_Column(&data, info->Sub_Item + 1);
        Sort_Listview(&data);
        return true;
    case NOTIFY_RIGHT_CLICK:
    case NOTIFY_HEADER_RIGHT_CLICK:
        Do_Listview_Header_Menu(&data);
        Update_Player_List_Buttons(dialog);
        return true;
    case NOTIFY_DOUBLE_CLICK:
        Scout_Selected_Player(dialog);
        return true;
    case NOTIFY_ITEM_CHANGED:
        if (data.Fill_Flag == 0 && (info->Changed & ITEM_SELECTED) != 0) Update_Player_List_Buttons(dialog);
        return true;
    case NOTIFY_CLICK:
        Update_Player_List_Buttons(dialog);
        return true;
    default:
        return false;
    }
}

bool Handle_Command(WINDOW_HANDLE dialog, int32_t id, uint32_t notification) {
    LISTVIEW_DATA& data = Player_List_Data;
    switch (id) {
    case TEAM_SELECTOR:
        if (notification == NOTIFY_COMBO_SELECTION_CHANGE) Selector_Changed(dialog);
        return true;
    case PLAYER_POSITION_BOX:
        if (notification == NOTIFY_COMBO_SELECTION_CHANGE) {
            const int32_t choice =
                Combo_Box_Get_Current_Selection(Get_Dialog_Item(dialog, PLAYER_POSITION_BOX));
            data.Position_Filter = choice >= 0 && choice < ANY_POSITION_CHOICE ? choice : -1;
            Set_User_Preference(PLAYER_LIST_POSITION_SETTING, choice);
            Refresh_Player_List_Dialog(dialog);
            Update_Player_List_Buttons(dialog);
        }
        return true;
    case STAT_SEASON_COMBO:
        if (notification == NOTIFY_COMBO_SELECTION_CHANGE) {
            Set_User_Preference(STAT_SEASON_CHOICE,
                                Combo_Box_Get_Current_Selection(Get_Dialog_Item(dialog, STAT_SEASON_COMBO)));
            Refresh_Listview_Stat_Cells(&data);
        }
        return true;
    case PLAYER_VIEW_MY_TEAM_BUTTON:
        View_My_Team(dialog);
        return true;
    case LIST_AUTO_SIZE_BUTTON:
        Auto_Size_Listview_Columns(data.List_Window);
        return true;
    case PLAYER_EDIT_COLUMNS_BUTTON:
        Do_Dialog(dialog, COLUMN_CHOOSER_DIALOG, reinterpret_cast<intptr_t>(&data));
        Update_Player_List_Buttons(dialog);
        return true;
    case HELP_BUTTON:
        Open_Context_Help(SORTABLE_STATS_DIALOG);
        return true;
    case ID_OK:
    case ID_CANCEL:
        End_Dialog(dialog, 1);
        return true;
    case PLAYER_SCOUTING_BUTTON:
        Scout_Selected_Player(dialog);
        return true;
    case PLAYER_ACTION_BUTTON:
        Action_Button(dialog);
        return true;
    default:
        return false;
    }
}

void Set_Control_Enabled(WINDOW_HANDLE dialog, int32_t id, bool enabled) {
    const WINDOW_HANDLE control = Get_Dialog_Item(dialog, id);
    if (control != NO_WINDOW) Enable_Window(control, enabled);
}

// The fewest players the viewed team may keep: fewer while it still holds
// picks of the running college draft. Looking at the draft ends one left
// running over an empty pool, with its message.
int32_t Minimum_Roster(int32_t viewed) {
    Is_College_Draft_Running();
    return Get_Trade_Roster_Minimum(viewed);
}
} // namespace

const DIALOG_TEMPLATE SORTABLE_STATS_DIALOG_TEMPLATE = {
    SORTABLE_STATS_DIALOG,
    "Sortable Stats",
    454,
    260,
    "MS Sans Serif",
    8,
    WINDOW_CAPTION | WINDOW_BORDER,
    PLAYER_LIST_CONTROLS,
    static_cast<int32_t>(sizeof PLAYER_LIST_CONTROLS / sizeof PLAYER_LIST_CONTROLS[0]),
    2};

intptr_t Sortable_Stats_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (Is_Dialog_Colour_Message(code)) return Answer_Dialog_Colour(code, dialog, wparam, lparam);
    if (code != MSG_INIT_DIALOG && code != MSG_DESTROY &&
        Handle_List_Dialog_Sizing(dialog, &Player_List_Layout, code, wparam, lparam))
        return 1;
    switch (code) {
    case MSG_INIT_DIALOG:
        Init_Player_List(dialog, lparam);
        return 1;
    case MSG_DESTROY:
        if (open_player_list == dialog) {
            Save_Listview_Column_Set(&Player_List_Data);
            Update_List_Dialog_Layout(dialog, &Player_List_Layout, LIST_LAYOUT_REMEMBER);
            open_player_list = NO_WINDOW;
        }
        return 0;
    case MSG_DRAW_ITEM: {
        const DRAW_ITEM_INFO* item = reinterpret_cast<const DRAW_ITEM_INFO*>(lparam);
        if (item == nullptr || item->Control_Id != TEAM_SELECTOR) return 0;
        Draw_Team_Combo_Item(item);
        return 1;
    }
    case MSG_MEASURE_ITEM:
        return Measure_List_Item_Height(dialog, reinterpret_cast<MEASURE_ITEM_INFO*>(lparam));
    case MSG_NOTIFY:
        return Handle_List_Notify(dialog, reinterpret_cast<const NOTIFY_INFO*>(lparam)) ? 1 : 0;
    case MSG_COMMAND:
        return Handle_Command(dialog, Command_Id(wparam), Command_Notification(wparam)) ? 1 : 0;
    default:
        return 0;
    }
}

void Refresh_Player_List_Dialog(WINDOW_HANDLE dialog) {
    if (dialog == NO_WINDOW) dialog = open_player_list;
    if (!Is_Window(dialog) || dialog != open_player_list) return;
    Update_Player_List_Cap_Text(dialog);
    Build_Player_List_Entries(&Player_List_Data);
    Sort_Listview(&Player_List_Data);
    Clear_Listview_Selection(Player_List_Data.List_Window);
}

bool Is_Player_List_Open() {
    return Is_Window(open_player_list);
}

void Build_Player_List_Entries(LISTVIEW_DATA* data) {
    if (data == nullptr) return;
    Set_App_Cursor(WAIT_CURSOR);
    Clear_Listview_Entries(data);
    const int32_t scope = data->Team_Filter;
    const bool fantasy = Is_Fantasy_Draft_Running();
    int32_t count = 0;
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team) {
        bool known = true;
        const bool taken = Scope_Takes_Team(scope, team, &known);
        if (!known) {
            Report_System_Error("Unknown team identifier %d", scope);
            break;
        }
        if (!taken || !Is_Listed_Team(team)) continue;
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (Is_Player_Slot_Used(team, slot) == 0) continue;
            if (data->Position_Filter >= 0 && data->Position_Filter < ANY_POSITION_CHOICE &&
                Get_Player_Vital_Stat(team, slot, VITAL_POSITION) != data->Position_Filter)
                continue;
            if (fantasy && (scope == SCOPE_FANTASY_DRAFTED || scope == SCOPE_FANTASY_UNDRAFTED)) {
                const bool drafted =
                    Get_Player_Vital_Stat(team, slot, VITAL_FANTASY_TEAM) != NOT_FANTASY_DRAFTED;
                if (drafted != (scope == SCOPE_FANTASY_DRAFTED)) continue;
            }
            data->Entries[count++] = static_cast<uint16_t>(team * PLAYERS_PER_TEAM + slot);
        }
    }
    // The fill hides its bar only when it inserted no row.
    Fill_Listview_Rows(data, Get_Dialog_Item(data->Dialog_Window, LIST_PROGRESS_BAR));
    Update_Player_Count_Text(data->Dialog_Window);
    if (fantasy) Show_Fantasy_Picks_Summary(data->Dialog_Window);
    Set_App_Cursor(ARROW_CURSOR);
}

void Update_Player_List_Buttons(WINDOW_HANDLE dialog) {
    const WINDOW_HANDLE list = List_Of(dialog);
    int32_t team = NO_PLAYER, slot = NO_PLAYER;
    const bool selected =
        Get_Listview_Selected_Player(list, &team, &slot) >= 0 && Is_Player_Address(team, slot);
    const int32_t viewed = Get_User_Preference(VIEWED_TEAM);
    const int32_t minimum = Minimum_Roster(viewed);
    const int32_t players = Is_Valid_Team_Code(viewed) ? Get_First_Empty_Player_Slot(viewed) : 0;
    Set_Control_Enabled(dialog, PLAYER_SCOUTING_BUTTON, selected);
    switch (Player_List_Kind) {
    case PLAYER_LIST_FREE_AGENTS:
    case PLAYER_LIST_COLLEGE_DRAFT:
        Set_Control_Enabled(
            dialog, PLAYER_ACTION_BUTTON,
            selected && (Player_List_Kind == PLAYER_LIST_FREE_AGENTS || Is_College_Draft_Underway() != 0));
        Update_Free_Agent_Cap_Text(dialog);
        Update_Roster_Size_Text(dialog);
        break;
    default:
        if (Is_Fantasy_Draft_Running()) {
            Set_Text(dialog, PLAYER_ACTION_BUTTON, "Draft");
            Set_Control_Enabled(dialog, PLAYER_ACTION_BUTTON,
                                selected && Get_Player_Vital_Stat(team, slot, VITAL_FANTASY_TEAM) ==
                                                NOT_FANTASY_DRAFTED);
            break;
        }
        Set_Text(dialog, PLAYER_ACTION_BUTTON, "&Release");
        Set_Control_Enabled(dialog, PLAYER_ACTION_BUTTON,
                            selected && players > minimum && Is_Human_Team(viewed) != 0);
        if (!Is_Single_Team_Scope(Player_List_Data.Team_Filter))
            Set_Text(dialog, PLAYER_ROSTER_NOTE,
                     "Drag the corner of this dialog box to make it wider as needed.");
        else if (players >= LIST_ROOM_FOR_ROSTER)
            Set_Text(dialog, PLAYER_ROSTER_NOTE, "Teams may not have more than 100 players under contract.");
        else if (players > minimum)
            Set_Text(dialog, PLAYER_ROSTER_NOTE,
                     "Drag the corner of this dialog box to make it wider as needed.");
        else if (players < minimum)
            Set_Text(dialog, PLAYER_ROSTER_NOTE, "This team is below the minimum roster size.");
        else {
            char note[TEXT_SIZE];
            safe_sprintf(note, sizeof note, "This team is at the minimum of %d players on the roster.",
                         minimum);
            Set_Text(dialog, PLAYER_ROSTER_NOTE, note);
        }
        break;
    }
    Update_Player_Count_Text(dialog);
}

void Update_Player_List_Cap_Text(WINDOW_HANDLE dialog) {
    const int32_t viewed = Get_User_Preference(VIEWED_TEAM);
    char line[TEXT_SIZE] = "";
    if (Is_Listed_Team(viewed)) {
        const int32_t cap = Get_Universe_Stat(SALARY_CAP);
        const int32_t room = cap != 0 ? cap / 1000 - Get_Team_Financial_Stat(viewed, FINANCE_PAYROLL) : 0;
        Format_Payroll_Line(line, sizeof line, room, viewed);
    }
    Set_Text(dialog, PLAYER_CAP_LINE, line);
    Update_User_Team_Title(dialog);
}

void Update_User_Team_Title(WINDOW_HANDLE dialog) {
    if (Get_Dialog_Item(dialog, PLAYER_TITLE_LINE) == NO_WINDOW) return;
    const int32_t team =
        Get_User_Preference(COMMISSIONER_MODE) != 0 ? Get_User_Preference(VIEWED_TEAM) : Get_User_Team();
    char name[FORMATTED_TEXT_SIZE] = "", title[FORMATTED_TEXT_SIZE + 2];
    if (Is_Listed_Team(team)) Get_Team_Full_Name(team, name);
    Make_Upper_Case(name);
    safe_sprintf(title, sizeof title, " %s", name);
    Set_Text(dialog, PLAYER_TITLE_LINE, title);
}

void Update_Player_Count_Text(WINDOW_HANDLE dialog) {
    if (Player_List_Kind != PLAYER_LIST_ROSTER) {
        Set_Text(dialog, PLAYER_COUNT_TEXT, "");
        return;
    }
    const WINDOW_HANDLE list = List_Of(dialog);
    const int32_t rows = List_View_Get_Item_Count(list);
    const int32_t row = List_View_Get_Next_Item(list, -1, ITEM_SELECTED);
    char text[TEXT_SIZE];
    if (row >= 0)
        safe_sprintf(text, sizeof text, "Player #%d of %d", row + 1, rows);
    else
        safe_sprintf(text, sizeof text, "%d Players", rows);
    Set_Text(dialog, PLAYER_COUNT_TEXT, text);
}

void Fill_Position_Filter_Box(WINDOW_HANDLE dialog) {
    const WINDOW_HANDLE box = Get_Dialog_Item(dialog, PLAYER_POSITION_BOX);
    if (box == NO_WINDOW) return;
    Combo_Box_Reset_Content(box);
    for (int32_t position = 0; position <= ANY_POSITION_CHOICE; ++position) {
        char name[FORMATTED_TEXT_SIZE];
        Get_Position_Name(position, name);
        Combo_Box_Add_String(box, name);
    }
    Combo_Box_Set_Current_Selection(
        box, std::clamp(Get_User_Preference(PLAYER_LIST_POSITION_SETTING), 0, ANY_POSITION_CHOICE));
}

void Fill_Fantasy_Scope_Box(WINDOW_HANDLE dialog) {
    const WINDOW_HANDLE selector = Get_Dialog_Item(dialog, TEAM_SELECTOR);
    if (selector == NO_WINDOW) return;
    auto add = [&](const char* text, intptr_t data) {
        Combo_Box_Set_Item_Data(selector, Combo_Box_Add_String(selector, text), data);
    };
    add("       ", SCOPE_HEADING);
    if (Is_Fantasy_Draft_Running()) {
        add("Drafted Players", SCOPE_FANTASY_DRAFTED);
        add("Undrafted Players", SCOPE_FANTASY_UNDRAFTED);
    } else if (Count_Leagues() == 2) {
        for (int32_t league = 0; league < 2; ++league) {
            char name[LEAGUE_NAME_LENGTH + 1] = "";
            Get_League_Name(league, name);
            if (league == 1 && name[0] == ' ') continue;
            char line[LEAGUE_NAME_LENGTH + 16];
            safe_sprintf(line, sizeof line, "%s Players", name);
            add(line, SCOPE_FIRST_LEAGUE + league);
        }
    }
    add("All Active Players", SCOPE_ALL_ACTIVE);
}

void Refresh_Free_Agent_Demands() {
    const int32_t count = Get_First_Empty_Player_Slot(FREE_AGENT_TEAM);
    for (int32_t slot = 0; slot < count; ++slot)
        Set_Desired_Contract_Demand(FREE_AGENT_TEAM, slot);
}

void Format_Payroll_Line(char* text, int32_t size, int32_t room, int32_t team) {
    if (text == nullptr || size <= 0) return;
    char number[FORMATTED_TEXT_SIZE];
    if (Get_Universe_Stat(SALARY_CAP) != 0) {
        Format_Number_Commas(room >= 1 ? room : -room, number);
        safe_sprintf(text, size, room >= 1 ? "$%s,000 under salary cap" : "$%s,000 OVER salary cap", number);
        return;
    }
    const int64_t difference = static_cast<int64_t>(Get_Team_Payroll_Budget(team)) -
                               1000 * static_cast<int64_t>(Get_Team_Financial_Stat(team, FINANCE_PAYROLL));
    Format_Wide_Number_Commas(difference < 0 ? -difference : difference, number);
    safe_sprintf(text, size, difference > 0 ? "Under budget by $%s" : "Over budget by $%s", number);
}

void Update_Free_Agent_Cap_Text(WINDOW_HANDLE dialog) {
    const int32_t cap = Get_Universe_Stat(SALARY_CAP);
    const int32_t room =
        cap != 0 ? cap / 1000 - Get_Team_Financial_Stat(Get_User_Team(), FINANCE_PAYROLL) : 0;
    char line[CONTRACT_TEXT_SIZE] = "";
    Get_Payroll_Status_Text(line, room, 0);
    Set_Text(dialog, PLAYER_CAP_LINE, line);
}

void Update_Roster_Size_Text(WINDOW_HANDLE dialog) {
    const int32_t user = Get_User_Team();
    char name[FORMATTED_TEXT_SIZE] = "", text[TEXT_SIZE];
    Get_Team_Full_Name(user, name);
    safe_sprintf(text, sizeof text, "The %s have %d roster players, out of a maximum of %d.", name,
                 Get_First_Empty_Player_Slot(user), PLAYERS_PER_TEAM);
    Set_Text(dialog, PLAYER_ROSTER_NOTE, text);
}

void Format_Fantasy_Picks_Text(char* text, int32_t size, int32_t team) {
    if (text == nullptr || size <= 0) return;
    text[0] = '\0';
    for (int32_t position = 0; position < NUMBER_OF_POSITIONS; ++position) {
        const int32_t count = Count_Fantasy_Drafted_At_Position(team, position);
        if (count > 0)
            safe_strcatf(text, size, "%s%d %s", text[0] != '\0' ? ", " : "", count,
                         Get_Position_Short_Name(position));
    }
    if (text[0] == '\0') safe_strncpy(text, "None", size);
}

void Show_Fantasy_Picks_Summary(WINDOW_HANDLE dialog) {
    if (!Is_Fantasy_Draft_Running()) return;
    int32_t team = Get_Fantasy_Draft_Team();
    if (team >= 999 || !Is_Team_Record_Slot(team)) team = Get_User_Preference(VIEWED_TEAM);
    char name[FORMATTED_TEXT_SIZE] = "", picks[TEXT_SIZE], text[TEXT_SIZE + FORMATTED_TEXT_SIZE];
    if (Is_Team_Record_Slot(team)) Get_Team_Display_Name(team, name);
    Format_Fantasy_Picks_Text(picks, sizeof picks, team);
    // One paragraph: the note has room for two lines, which the counts of
    // every position fill at most.
    safe_sprintf(text, sizeof text, "%s Picks: %s", name, picks);
    Set_Text(dialog, PLAYER_ROSTER_NOTE, text);
}

void Format_Player_List_Caption(char* text, int32_t size, int32_t scope) {
    if (text == nullptr || size <= 0) return;
    char name[FORMATTED_TEXT_SIZE] = "";
    if (Is_Single_Team_Scope(scope)) {
        if (Is_Team_Record_Slot(scope)) Get_Team_Full_Name(scope, name);
        safe_sprintf(text, size, "Sortable Stats: %s", name);
    } else if (scope == SCOPE_ALL_ACTIVE) {
        safe_strncpy(text, "Sortable Stats: All Active Players", size);
    } else if (scope >= SCOPE_FIRST_LEAGUE && scope < SCOPE_FIRST_LEAGUE + 1000) {
        Get_League_Name(scope - SCOPE_FIRST_LEAGUE, name);
        safe_sprintf(text, size, "Sortable Stats: %s", name);
    } else if (scope == SCOPE_FANTASY_DRAFTED) {
        safe_strncpy(text, "Sortable Stats: Drafted Players", size);
    } else if (scope == SCOPE_FANTASY_UNDRAFTED) {
        safe_strncpy(text, "Sortable Stats: Undrafted Players", size);
    } else if (scope == SCOPE_FREE_AGENTS) {
        safe_strncpy(text, "Free Agents", size);
    } else if (scope == SCOPE_COLLEGE_POOL) {
        safe_strncpy(text, "College Draft", size);
    } else {
        safe_strncpy(text, "Sortable Stats", size);
    }
}

void Restore_Listview_Top_Row(WINDOW_HANDLE list, int32_t top_row) {
    const int32_t rows = List_View_Get_Item_Count(list);
    if (rows <= 0) return;
    const int32_t page =
        static_cast<int32_t>(Send_Window_Message(list, MSG_LIST_VIEW_GET_COUNT_PER_PAGE, 0, 0));
    const int32_t top = std::clamp(top_row, 0, rows - 1);
    // Showing the page's last row first, then its first, leaves the first at the top.
    Send_Window_Message(list, MSG_LIST_VIEW_ENSURE_VISIBLE,
                        static_cast<uintptr_t>(std::min(rows - 1, top + page - 1)), 0);
    Send_Window_Message(list, MSG_LIST_VIEW_ENSURE_VISIBLE, static_cast<uintptr_t>(top), 0);
}
