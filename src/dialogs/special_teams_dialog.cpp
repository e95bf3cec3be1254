#include "dialogs/special_teams_dialog.h"

#include <cstdlib>

#include "app/context_help.h"
#include "app/dialog_lists.h"
#include "app/dialog_services.h"
#include "app/modal_dialogs.h"
#include "app/team_lists.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "dialogs/defense_dialog.h"
#include "dialogs/depth_chart_page.h"
#include "dialogs/player_texts.h"
#include "dialogs/small_dialogs.h"
#include "frontoffice/depth_charts.h"
#include "frontoffice/position_fitness.h"
#include "frontoffice/returners.h"
#include "platform/combo_box.h"
#include "platform/controls.h"
#include "platform/list_box.h"
#include "platform/windows.h"

namespace {
constexpr int32_t KICKING_UNIT = 2;
constexpr int32_t KICKING_STARTERS = 2;
constexpr int32_t LAST_SLOT = PLAYERS_PER_TEAM - 1;
constexpr int32_t KICK_RETURNS = 14;
constexpr int32_t PUNT_RETURNS = 17;
constexpr int32_t KICK_RETURN_AVERAGE = 118;
constexpr int32_t PUNT_RETURN_AVERAGE = 119;
constexpr int32_t RETURNER_COMBOS[2] = {KICK_RETURNER_COMBO, PUNT_RETURNER_COMBO};

const int32_t SPECIAL_TEAMS_BUTTONS[] = {DEPTH_VIEW_MY_TEAM,
                                         DEPTH_DEFENSE_BUTTON,
                                         DEPTH_OFFENSE_BUTTON,
                                         DEPTH_STARTER_UP,
                                         DEPTH_STARTER_DOWN,
                                         DEPTH_STARTER_SCOUTING,
                                         KICK_RETURNER_SCOUTING,
                                         PUNT_RETURNER_SCOUTING,
                                         DEPTH_AUTO_SORT,
                                         DEPTH_RELEASE,
                                         DEPTH_HELP,
                                         ID_OK};

int32_t Viewed_Team() {
    return Get_User_Preference(VIEWED_TEAM);
}

int32_t First_Kicking_Slot(int32_t team) {
    return Find_Or_Create_Unit_Player(team, KICKING_UNIT);
}

void Refresh_Page(WINDOW_HANDLE dialog) {
    Fill_Special_Teams_Page(dialog);
    Update_Special_Teams_Buttons(dialog);
}

void Init_Special_Teams(WINDOW_HANDLE dialog) {
    Open_Depth_Chart_Page(
        dialog, "Special Teams", SPECIAL_TEAMS_BUTTONS,
        static_cast<int32_t>(sizeof SPECIAL_TEAMS_BUTTONS / sizeof SPECIAL_TEAMS_BUTTONS[0]));
    Center_Window_Over_Parent(dialog, Get_Window_Owner(dialog));
    Refresh_Page(dialog);
}

// A returner chosen in his box becomes the team's; a team the user may not
// edit keeps its returner, and the box shows him again.
void Choose_Returner(WINDOW_HANDLE dialog, int32_t kind) {
    const int32_t team = Viewed_Team();
    const int32_t index = Combo_Box_Get_Current_Selection(Get_Dialog_Item(dialog, RETURNER_COMBOS[kind]));
    if (Is_Depth_Chart_Editable(team) && index >= 0) {
        const int32_t slot = Get_Eligible_Returner(team, index);
        if (slot >= 0) Set_Team_Returner(team, kind, slot);
    }
    Fill_Special_Teams_Page(dialog);
}

int32_t Selected_Returner(WINDOW_HANDLE dialog, int32_t kind) {
    const int32_t index = Combo_Box_Get_Current_Selection(Get_Dialog_Item(dialog, RETURNER_COMBOS[kind]));
    return index >= 0 ? Get_Eligible_Returner(Viewed_Team(), index) : -1;
}

// The kicking list's Scouting: the page is filled again only when the report
// changed the player or moved players, and then selects him wherever he
// stands now (the list holds slots that Release uses).
void Scout_Kicker(WINDOW_HANDLE dialog) {
    Scout_Depth_Chart_Row(dialog, DEPTH_STARTER_LIST, Refresh_Page, true);
}

void Release_Kicker(WINDOW_HANDLE dialog) {
    const int32_t slot = Get_Selected_Depth_Slot(dialog, DEPTH_STARTER_LIST);
    const int32_t team = Viewed_Team();
    if (slot < 0 || !Is_Depth_Chart_Editable(team)) return;
    if (Count_Team_Position_Players(team, Get_Player_Vital_Stat(team, slot, VITAL_POSITION)) <= 1) return;
    if (Get_First_Empty_Player_Slot(team) <= Get_Depth_Chart_Minimum_Roster(team)) return;
    const WINDOW_HANDLE list = Get_Dialog_Item(dialog, DEPTH_STARTER_LIST);
    const int32_t index = List_Box_Get_Current_Selection(list);
    if (Confirm_Release_Player(team, slot) == 0) return;
    Fill_Special_Teams_Page(dialog);
    if (index < List_Box_Get_Count(list)) List_Box_Set_Current_Selection(list, index);
}

void Leave(WINDOW_HANDLE dialog, int32_t next_id) {
    const int32_t team = Viewed_Team();
    if (Is_Human_Team(team) && Has_Misplaced_Kicking_Starter(team))
        Warn_Position_Mismatch(
            "Your kicker and/or punter do not have the correct position designation.\n\nYou "
            "may need to change the player's position for him to be used as you intend.",
            SPECIAL_TEAMS_DIALOG);
    Leave_Depth_Chart_Page(dialog, next_id);
}

bool Do_Command(WINDOW_HANDLE dialog, int32_t id, uint32_t notification) {
    const int32_t team = Viewed_Team();
    const bool editable = Is_Depth_Chart_Editable(team);
    switch (id) {
    case TEAM_SELECTOR:
        if (notification == NOTIFY_COMBO_SELECTION_CHANGE && Choose_Depth_Chart_Team(dialog))
            Refresh_Depth_Chart_Page(dialog, nullptr, "Special Teams");
        return true;
    case DEPTH_VIEW_MY_TEAM:
        Set_Viewed_Team(Get_User_Team());
        Refresh_Depth_Chart_Page(dialog, nullptr, "Special Teams");
        Fill_Team_Selector(dialog);
        return true;
    case STAT_SEASON_COMBO:
        if (notification == NOTIFY_COMBO_SELECTION_CHANGE) {
            Choose_Depth_Chart_Season(dialog);
            Fill_Special_Teams_Page(dialog);
        }
        if (notification == NOTIFY_COMBO_SELECTION_CHANGE || notification == NOTIFY_COMBO_CLOSE_UP)
            Redraw_Window(dialog);
        return true;
    case KICK_RETURNER_COMBO:
    case PUNT_RETURNER_COMBO:
        if (notification == NOTIFY_COMBO_SELECTION_CHANGE)
            Choose_Returner(dialog, id == KICK_RETURNER_COMBO ? 0 : 1);
        if (notification == NOTIFY_COMBO_CLOSE_UP) Redraw_Window(dialog);
        return true;
    case KICK_RETURNER_SCOUTING:
    case PUNT_RETURNER_SCOUTING:
        Scout_Depth_Chart_Player(dialog, Selected_Returner(dialog, id == KICK_RETURNER_SCOUTING ? 0 : 1));
        Refresh_Page(dialog);
        return true;
    case DEPTH_STARTER_SCOUTING:
        Scout_Kicker(dialog);
        return true;
    case DEPTH_STARTER_LIST:
        if (notification == NOTIFY_LIST_DOUBLE_CLICK) Scout_Kicker(dialog);
        return true;
    case DEPTH_STARTER_UP:
    case DEPTH_STARTER_DOWN:
        if (editable && Move_Depth_Chart_Row(dialog, DEPTH_STARTER_LIST, id == DEPTH_STARTER_UP ? -1 : 1))
            Fill_Special_Teams_Page(dialog);
        return true;
    case DEPTH_RELEASE:
        Release_Kicker(dialog);
        return true;
    case DEPTH_AUTO_SORT:
        if (editable && Count_Team_Unit_Players(team, KICKING_UNIT) >= KICKING_STARTERS) {
            Auto_Set_Depth_Chart(team, KICKING_UNIT, 0);
            Sort_Roster_Section(team, KICKING_UNIT);
            Choose_Team_Returners(team);
            Refresh_Page(dialog);
        }
        return true;
    case DEPTH_OFFENSE_BUTTON:
        Leave(dialog, OFFENSE_DIALOG);
        return true;
    case DEPTH_DEFENSE_BUTTON:
        Leave(dialog, DEFENSE_DIALOG);
        return true;
    case ID_OK:
    case ID_CANCEL:
        End_Dialog(dialog, 1);
        return true;
    case DEPTH_HELP:
        Open_Context_Help(SPECIAL_TEAMS_DIALOG);
        return true;
    default:
        return false;
    }
}

// The returner box of one kind: every eligible returner, the team's own
// selected (a stored one no longer eligible is replaced first).
void Fill_Returner_Combo(WINDOW_HANDLE dialog, int32_t team, int32_t kind) {
    const WINDOW_HANDLE combo = Get_Dialog_Item(dialog, RETURNER_COMBOS[kind]);
    Combo_Box_Reset_Content(combo);
    const int32_t count = Count_Eligible_Returners(team);
    Enable_Window(combo, count > 0);
    if (count == 0) return;
    for (int32_t n = 0; n < count; ++n) {
        char row[DEPTH_ROW_SIZE];
        Format_Returner_Row(team, Get_Eligible_Returner(team, n), row, kind);
        Combo_Box_Add_String(combo, row);
    }
    int32_t returner = Get_Team_Returner(team, kind);
    if (!Is_Eligible_Returner(team, returner)) returner = Choose_Best_Returner(team, kind);
    Combo_Box_Set_Current_Selection(combo, Get_Returner_Index(team, returner));
}
} // namespace

intptr_t Special_Teams_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    intptr_t result = 0;
    if (Answer_Depth_Chart_Message(dialog, code, wparam, lparam, &result)) return result;
    switch (code) {
    case MSG_INIT_DIALOG:
        Init_Special_Teams(dialog);
        return 1;
    case MSG_COMMAND: {
        const int32_t id = Command_Id(wparam);
        const bool handled = Do_Command(dialog, id, Command_Notification(wparam));
        if (id != ID_OK && id != ID_CANCEL && Is_Window(dialog)) Update_Special_Teams_Buttons(dialog);
        return handled ? 1 : 0;
    }
    default:
        return 0;
    }
}

void Fill_Special_Teams_Page(WINDOW_HANDLE dialog) {
    const int32_t team = Viewed_Team();
    const int32_t first = Is_Valid_Team_Code(team) ? First_Kicking_Slot(team) : PLAYERS_PER_TEAM;
    Fill_Depth_Chart_List(Get_Dialog_Item(dialog, DEPTH_STARTER_LIST), team, first, LAST_SLOT, KICKING_UNIT,
                          KICKING_LIST_STOPS, Format_Depth_Chart_Row);
    for (int32_t kind = 0; kind < 2; ++kind)
        Fill_Returner_Combo(dialog, team, kind);
}

void Update_Special_Teams_Buttons(WINDOW_HANDLE dialog) {
    const int32_t team = Viewed_Team();
    const bool editable = Is_Depth_Chart_Editable(team);
    Enable_Depth_List_Buttons(dialog, DEPTH_STARTER_LIST, DEPTH_STARTER_UP, DEPTH_STARTER_DOWN,
                              DEPTH_STARTER_SCOUTING, editable);
    const int32_t slot = Get_Selected_Depth_Slot(dialog, DEPTH_STARTER_LIST);
    const bool release =
        editable && slot >= 0 &&
        Count_Team_Position_Players(team, Get_Player_Vital_Stat(team, slot, VITAL_POSITION)) > 1 &&
        Get_First_Empty_Player_Slot(team) > Get_Depth_Chart_Minimum_Roster(team);
    Enable_Window(Get_Dialog_Item(dialog, DEPTH_RELEASE), release);
    Enable_Window(Get_Dialog_Item(dialog, DEPTH_AUTO_SORT),
                  editable && Count_Team_Unit_Players(team, KICKING_UNIT) >= KICKING_STARTERS);
    Enable_Window(Get_Dialog_Item(dialog, KICK_RETURNER_SCOUTING), Selected_Returner(dialog, 0) >= 0);
    Enable_Window(Get_Dialog_Item(dialog, PUNT_RETURNER_SCOUTING), Selected_Returner(dialog, 1) >= 0);
}

void Format_Returner_Row(int32_t team, int32_t slot, char* out, int32_t kind) {
    char name[FORMATTED_TEXT_SIZE] = "";
    Get_Player_Last_First_Name(team, slot, name);
    Append_Player_Status_Suffix(name, team, slot);
    const int32_t season = Get_User_Preference(STAT_SEASON_CHOICE);
    const int32_t returns = Get_Player_Stat(team, slot, season, kind == 0 ? KICK_RETURNS : PUNT_RETURNS);
    char figures[FORMATTED_TEXT_SIZE] = "";
    if (returns != 0) {
        const int32_t average =
            Get_Player_Stat(team, slot, season, kind == 0 ? KICK_RETURN_AVERAGE : PUNT_RETURN_AVERAGE);
        safe_sprintf(figures, sizeof figures,
                     kind == 0 ? "%d Kick Returns - %d.%d Yard Avg." : "%d Punt Returns - %d.%d Yard Avg.",
                     returns, average / 10, std::abs(average % 10));
    }
    safe_sprintf(out, DEPTH_ROW_SIZE, "%s (%s) %s", name,
                 Get_Position_Short_Name(Get_Player_Vital_Stat(team, slot, VITAL_POSITION)), figures);
}

bool Has_Misplaced_Kicking_Starter(int32_t team) {
    const int32_t first = First_Kicking_Slot(team);
    if (first < 0) return false;
    for (int32_t row = 0; row < KICKING_STARTERS && first + row < PLAYERS_PER_TEAM; ++row) {
        const int32_t slot = first + row;
        if (!Is_Player_Slot_Used(team, slot)) continue;
        if (Get_Starter_Slot_Position(team, KICKING_UNIT, row) !=
            Get_Player_Vital_Stat(team, slot, VITAL_POSITION))
            return true;
    }
    return false;
}

bool Is_Eligible_Returner(int32_t team, int32_t slot) {
    if (!Is_Player_Address(team, slot) || slot >= Get_First_Empty_Player_Slot(team)) return false;
    switch (Get_Player_Vital_Stat(team, slot, VITAL_POSITION)) {
    case POSITION_RB:
    case POSITION_FB:
    case POSITION_TE:
    case POSITION_WR:
    case POSITION_CB:
    case POSITION_S:
        return true;
    default:
        return false;
    }
}

int32_t Count_Eligible_Returners(int32_t team) {
    int32_t count = 0;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        if (Is_Eligible_Returner(team, slot)) ++count;
    return count;
}

int32_t Get_Eligible_Returner(int32_t team, int32_t n) {
    int32_t last = -1;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        if (!Is_Eligible_Returner(team, slot)) continue;
        if (n-- <= 0) return slot;
        last = slot;
    }
    return last;
}

int32_t Get_Returner_Index(int32_t team, int32_t slot) {
    int32_t index = 0;
    for (int32_t s = 0; s < PLAYERS_PER_TEAM; ++s) {
        if (!Is_Eligible_Returner(team, s)) continue;
        if (s == slot) return index;
        ++index;
    }
    return 0;
}

void Format_Special_Teams_Row(int32_t team, int32_t slot, char* out) {
    Format_Depth_Chart_Row(team, slot, out);
}
