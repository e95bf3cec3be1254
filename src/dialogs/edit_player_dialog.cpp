#include "dialogs/edit_player_dialog.h"

#include <cstring>
#include <vector>

#include "app/context_help.h"
#include "app/dialog_services.h"
#include "app/modal_dialogs.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/roster_slots.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "database/universe.h"
#include "dialogs/dialog_chain.h"
#include "dialogs/dialog_setup.h"
#include "frontoffice/depth_charts.h"
#include "personnel/fantasy_marks.h"
#include "personnel/player_identity.h"
#include "platform/combo_box.h"
#include "platform/controls.h"
#include "platform/message_box.h"
#include "platform/windows.h"
#include "tools/rating_from_stats.h"

namespace {
constexpr int32_t SEASON_ROWS = 4;
constexpr int32_t QUARTERBACK_GROUP = 4;
constexpr int32_t MESSAGE_SIZE = 512;

// The id of the player the editors work on, taken when Edit Player opens.
int32_t edited_id = 0;

int32_t Team_Setting() {
    return Get_User_Preference(SELECTED_PLAYER_TEAM);
}

void Follow(int32_t team, int32_t slot) {
    Set_User_Preference(SELECTED_PLAYER_TEAM, team);
    Set_User_Preference(SELECTED_PLAYER_SLOT, slot);
}

bool Is_Week_Being_Played() {
    return Get_User_Preference(SIMULATION_RUNNING) != 0;
}

void Tell_Simulation_In_Progress() {
    if (Is_Week_Being_Played())
        Show_Formatted_Message("Simulation in progress",
                               "Player ratings will not be updated until this week's games are completed.");
}

int32_t Group_Of(int32_t position) {
    const int32_t group = Get_Position_Group_Split_QB(position);
    return group < 0 ? QUARTERBACK_GROUP : group;
}

// A position chosen in either box: the basic position and the detailed code.
void Change_Position(WINDOW_HANDLE dialog, int32_t control) {
    int32_t team = 0, slot = 0;
    if (!Find_Edited_Player(&team, &slot)) return;
    const int32_t index = Combo_Box_Get_Current_Selection(Get_Dialog_Item(dialog, control));
    if (index < 0) return;
    const int32_t code = index;
    const int32_t position = control == EDIT_POSITION ? index : Translate_Expanded_Position(code);
    const int32_t old = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    Save_Edit_Player_Fields(dialog);
    if (Group_Of(old) != Group_Of(position)) {
        char from[FORMATTED_TEXT_SIZE] = "", to[FORMATTED_TEXT_SIZE] = "";
        Get_Position_Name(old, from);
        Get_Position_Name(position, to);
        char text[MESSAGE_SIZE];
        safe_sprintf(
            text, sizeof text,
            "Changing from %s to %s will clear the player's stats and cause a re-sorting of your team.", from,
            to);
        if (Show_Message_Box(text, "Position Change", BOX_OK_CANCEL | BOX_TASK_MODAL) != ID_BOX_OK) {
            Refresh_Edit_Player(dialog);
            return;
        }
        Set_Player_Vital_Stat(team, slot, VITAL_POSITION, position);
        Set_Player_Byte_Field(team, slot, PLAYER_BYTE_EXPANDED_POSITION, code);
        Clear_Player_Statistics(team, slot);
        for (int32_t stat = 0; stat < EDIT_STATS; ++stat)
            Set_Player_Stat(team, slot, SEASON_PREDICTED, stat, Get_Average_Stat(position, stat));
        if (Is_Franchise_Slot(team)) Auto_Set_Team_Depth_Chart(team);
    } else {
        Set_Player_Vital_Stat(team, slot, VITAL_POSITION, position);
        Set_Player_Byte_Field(team, slot, PLAYER_BYTE_EXPANDED_POSITION, code);
    }
    Refresh_Edit_Player(dialog);
}

void Copy_Edited_Player(WINDOW_HANDLE dialog) {
    int32_t team = 0, slot = 0;
    if (!Find_Edited_Player(&team, &slot)) return;
    Save_Edit_Player_Fields(dialog);
    const int32_t copy = Find_Empty_Player_Slot(team);
    if (copy < 0) {
        char nickname[FORMATTED_TEXT_SIZE] = "";
        Get_Team_String(nickname, team, 2);
        Show_Formatted_Message("Cannot Copy Player", "The %s do not have space for another player.",
                               nickname);
        return;
    }
    Copy_Player(team, copy, team, slot);
    Assign_New_Player_ID(team, copy);
    // A new player, whom no pick of a running fantasy draft has taken.
    Mark_New_Player_For_Fantasy_Draft(team, copy);
    Set_Player_First_Name(team, copy, "New");
    Set_Player_Last_Name(team, copy, "Player");
    Give_Copy_Own_Season_Lines(team, copy);
    edited_id = Get_Player_ID(team, copy);
    Follow(team, copy);
    // The copy joins the players of his unit, where the depth charts look for him.
    if (Is_Franchise_Slot(team)) Sort_Roster_By_Position(team);
    int32_t found_team = 0, found_slot = 0;
    Find_Edited_Player(&found_team, &found_slot);
    Chain_To_Dialog(dialog, Get_Window_Owner(dialog), EDIT_PLAYER_DIALOG, 1);
}

void Calculate_Ratings(WINDOW_HANDLE dialog) {
    Tell_Simulation_In_Progress();
    int32_t team = 0, slot = 0;
    if (!Find_Edited_Player(&team, &slot)) return;
    Save_Edit_Player_Fields(dialog);
    Set_Player_Ratings_From_Stats(team, slot);
    Refresh_Edit_Player(dialog);
    Invalidate_Player_Picture_Area(dialog);
}

void Clear_Edited_Player(WINDOW_HANDLE dialog) {
    int32_t team = 0, slot = 0;
    if (!Find_Edited_Player(&team, &slot)) return;
    if (Show_Message_Box("This will clear all the player's real, simulated, and 'typical' statistics.",
                         "Please verify", BOX_OK_CANCEL | BOX_TASK_MODAL) != ID_BOX_OK)
        return;
    Clear_Player_Statistics(team, slot);
    Clear_Edit_Player_Stats(dialog);
    Save_Edit_Player_Fields(dialog);
    Refresh_Edit_Player(dialog);
}

void Delete_Edited_Player(WINDOW_HANDLE dialog) {
    int32_t team = 0, slot = 0;
    if (!Find_Edited_Player(&team, &slot)) return;
    const bool short_roster = Get_First_Empty_Player_Slot(team) - 1 <= 51;
    const char* text = short_roster
                           ? "This will reduce the number of players below those required for a team, and "
                             "may cause serious errors if not rectified."
                           : "Completely eliminate player from game?";
    if (Show_Message_Box(text, "Delete Player", BOX_OK_CANCEL | BOX_TASK_MODAL) != ID_BOX_OK) return;
    Delete_Player(team, slot);
    edited_id = 0;
    End_Dialog(dialog, 0);
}

void Add_Season_Line(WINDOW_HANDLE dialog) {
    int32_t team = 0, slot = 0;
    if (!Find_Edited_Player(&team, &slot)) return;
    Save_Edit_Player_Fields(dialog);
    const int32_t before = Count_Player_Season_Lines(team, slot);
    const int32_t line = Add_Player_Season_Line(team, slot, Get_Current_Year(), team);
    if (line == NO_SEASON_LINE || Count_Player_Season_Lines(team, slot) == before) {
        if (line != NO_SEASON_LINE)
            Show_Formatted_Message("Add a Season Line", "The player already has a season line for %d.",
                                   Get_Current_Year());
        else if (Find_Free_Season_Line_Link(team, slot) < 0)
            Show_Formatted_Message("Add a Season Line",
                                   "The player already has %d season lines, the most he can keep.",
                                   NUMBER_OF_SEASON_LINE_LINKS);
        else
            Show_Formatted_Message(
                "Add a Season Line",
                "Every one of the league's %d season lines is in use. No line can be added.",
                MAX_SEASON_LINES);
        return;
    }
    Set_User_Preference(EDIT_PLAYER_ROW, SEASON_ROWS - 1 + Count_Player_Season_Lines(team, slot));
    Refresh_Edit_Player(dialog);
}

void Erase_Season_Line(WINDOW_HANDLE dialog) {
    int32_t team = 0, slot = 0;
    const int32_t row = Get_User_Preference(EDIT_PLAYER_ROW);
    if (!Find_Edited_Player(&team, &slot) || row < SEASON_ROWS) return;
    if (Show_Message_Box("This will erase the current season line.", "Please verify",
                         BOX_OK_CANCEL | BOX_TASK_MODAL) != ID_BOX_OK)
        return;
    Delete_Player_Season_Line(team, slot, row - SEASON_ROWS);
    if (row - SEASON_ROWS >= Count_Player_Season_Lines(team, slot))
        Set_User_Preference(EDIT_PLAYER_ROW, row - 1);
    Refresh_Edit_Player(dialog);
}

void Init_Edit_Player(WINDOW_HANDLE dialog) {
    Set_Dialog_Control_Fonts(dialog);
    Center_Window_Over_Parent(dialog, Get_Window_Owner(dialog));
    if (!Take_Selected_Player_For_Editing()) {
        End_Dialog(dialog, 1);
        return;
    }
    Limit_Edit_Player_Texts(dialog);
    Refresh_Edit_Player(dialog);
    Set_Dialog_Controls_App_Font(dialog, DIALOG_BUTTON_FONT,
                                 {EDIT_ADD_LINE, EDIT_ERASE_LINE, EDIT_CALCULATE, EDIT_DONE,
                                  EDIT_RATINGS_BUTTON, EDIT_DELETE, EDIT_CLEAR, EDIT_COPY, EDIT_HELP});
}

bool Do_Edit_Player_Command(WINDOW_HANDLE dialog, int32_t id, uint32_t notification) {
    switch (id) {
    case EDIT_ROW:
        if (notification == NOTIFY_COMBO_SELECTION_CHANGE) {
            Save_Edit_Player_Fields(dialog);
            const int32_t index = Combo_Box_Get_Current_Selection(Get_Dialog_Item(dialog, EDIT_ROW));
            if (index >= 0) Set_User_Preference(EDIT_PLAYER_ROW, index);
            Refresh_Edit_Player(dialog);
        }
        return true;
    case EDIT_POSITION:
    case EDIT_DETAILED_POSITION:
        if (notification == NOTIFY_COMBO_SELECTION_CHANGE) Change_Position(dialog, id);
        return true;
    case EDIT_COPY:
        Copy_Edited_Player(dialog);
        return true;
    case EDIT_CALCULATE:
        Calculate_Ratings(dialog);
        return true;
    case EDIT_CLEAR:
        Clear_Edited_Player(dialog);
        return true;
    case EDIT_DELETE:
        Delete_Edited_Player(dialog);
        return true;
    case EDIT_ADD_LINE:
        Add_Season_Line(dialog);
        return true;
    case EDIT_ERASE_LINE:
        Erase_Season_Line(dialog);
        return true;
    case EDIT_RATINGS_BUTTON:
        Save_Edit_Player_Fields(dialog);
        Do_Dialog(dialog, EDIT_RATINGS_DIALOG, 0);
        Refresh_Edit_Player(dialog);
        return true;
    case EDIT_HELP:
        Open_Context_Help(EDIT_PLAYER_DIALOG);
        return true;
    case EDIT_DONE:
        Save_Edit_Player_Fields(dialog);
        End_Dialog(dialog, 1);
        return true;
    case ID_CANCEL:
        End_Dialog(dialog, 1);
        return true;
    default:
        return false;
    }
}
} // namespace

bool Take_Selected_Player_For_Editing() {
    const int32_t team = Team_Setting(), slot = Get_User_Preference(SELECTED_PLAYER_SLOT);
    edited_id =
        Is_Player_Address(team, slot) && Is_Player_Slot_Used(team, slot) ? Get_Player_ID(team, slot) : 0;
    return edited_id != 0;
}

bool Find_Edited_Player(int32_t* team, int32_t* slot) {
    int32_t t = Team_Setting(), s = Get_User_Preference(SELECTED_PLAYER_SLOT);
    if (edited_id == 0) return false;
    if (!Is_Player_Address(t, s) || Get_Player_ID(t, s) != edited_id || Is_Player_Slot_Used(t, s) == 0) {
        if (Find_Player_By_ID(&t, &s, edited_id) == 0) return false;
        Follow(t, s);
    }
    *team = t;
    *slot = s;
    return true;
}

void Refresh_Edit_Player(WINDOW_HANDLE dialog) {
    int32_t team = 0, slot = 0;
    if (!Find_Edited_Player(&team, &slot)) return;
    char name[PLAYER_NAME_TEXT_SIZE] = "";
    Get_Player_Full_Name(team, slot, name);
    char caption[PLAYER_NAME_TEXT_SIZE + 16];
    safe_sprintf(caption, sizeof caption, "Edit Player: %s", name);
    Set_Window_Text(dialog, caption);
    Fill_Edit_Player_Fields(dialog);
    Redraw_Window(dialog);
}

int32_t Give_Copy_Own_Season_Lines(int32_t team, int32_t slot) {
    const int32_t lines = Count_Player_Season_Lines(team, slot);
    const int32_t latest = Get_Player_Latest_Season_Line(team, slot);
    std::vector<int32_t> originals(static_cast<size_t>(lines));
    for (int32_t n = 0; n < lines; ++n)
        originals[static_cast<size_t>(n)] = Get_Player_Season_Line(team, slot, n);
    // The copy holds the original's links: none of them may stay his.
    for (int32_t n = 0; n < NUMBER_OF_SEASON_LINE_LINKS; ++n)
        Set_Player_Season_Line_Link(team, slot, n, NO_SEASON_LINE);
    Set_Player_Latest_Season_Line(team, slot, NO_SEASON_LINE);
    std::vector<int32_t> copies;
    for (int32_t n = 0; n < lines; ++n) {
        const int32_t line = Find_Free_Season_Line();
        if (line == NO_SEASON_LINE) break;
        Universe.Season_Lines[line] = Universe.Season_Lines[originals[static_cast<size_t>(n)]];
        copies.push_back(line);
    }
    if (static_cast<int32_t>(copies.size()) < lines) {
        for (int32_t line : copies)
            Clear_Season_Line(line);
        char name[PLAYER_NAME_TEXT_SIZE] = "";
        Get_Player_Full_Name(team, slot, name);
        Show_Formatted_Message(
            "Cannot Copy Season Lines",
            "Every season line of the league is in use, so the copy (%s) starts without season "
            "lines of his own.",
            name);
        return 0;
    }
    for (int32_t n = 0; n < lines; ++n) {
        Set_Player_Season_Line_Link(team, slot, n, copies[static_cast<size_t>(n)]);
        if (originals[static_cast<size_t>(n)] == latest)
            Set_Player_Latest_Season_Line(team, slot, copies[static_cast<size_t>(n)]);
    }
    return lines;
}

intptr_t Edit_Player_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (Is_Dialog_Colour_Message(code)) return Answer_Dialog_Colour(code, dialog, wparam, lparam);
    switch (code) {
    case MSG_INIT_DIALOG:
        Init_Edit_Player(dialog);
        return 1;
    case MSG_COMMAND:
        return Do_Edit_Player_Command(dialog, Command_Id(wparam), Command_Notification(wparam)) ? 1 : 0;
    default:
        return 0;
    }
}

void Invalidate_Player_Picture_Area(WINDOW_HANDLE dialog) {
    Invalidate_Window(dialog, nullptr);
}
