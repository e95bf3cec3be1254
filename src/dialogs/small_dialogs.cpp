#include "dialogs/small_dialogs.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "app/dialog_services.h"
#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "app/team_lists.h"
#include "app/window_graphics.h"
#include "database/league_structure.h"
#include "database/safe_strings.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "dialogs/dialog_setup.h"
#include "platform/controls.h"
#include "platform/edit_control.h"
#include "platform/list_box.h"
#include "platform/message_box.h"
#include "platform/windows.h"

namespace {
constexpr uint32_t BUTTON = WINDOW_TAB_STOP;
constexpr unsigned BOX_STOP = 0x10;
constexpr int32_t DEFAULT_SEASONS = 5;
constexpr int32_t FIRST_SHOWN_MOST_SEASONS = 50;
constexpr int32_t DEFAULT_INJURY_STOP = -4;

const DIALOG_CONTROL DATABASE_NOTES_CONTROLS[] = {
    {CONTROL_STATIC_TEXT,
     UNNAMED_CONTROL,
     {8, 6, 244, 34},
     "This screen lets you write notes to yourself that are saved with each saved game file.\n\nDatabase "
     "notes are limited to 500 characters.",
     0},
    {CONTROL_EDIT,
     DATABASE_NOTES_EDIT,
     {8, 44, 244, 96},
     "",
     BUTTON | CONTROL_MULTI_LINE | CONTROL_WANT_RETURN},
    {CONTROL_PUSH_BUTTON, ID_OK, {138, 146, 54, 15}, "&Done", BUTTON | CONTROL_DEFAULT_BUTTON},
    {CONTROL_PUSH_BUTTON, ID_CANCEL, {198, 146, 54, 15}, "Cancel", BUTTON},
};

const DIALOG_CONTROL PLAY_SEASONS_CONTROLS[] = {
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {10, 10, 56, 10}, "Current Date:", 0},
    {CONTROL_STATIC_TEXT, SEASONS_YEAR_TEXT, {70, 10, 40, 10}, "", 0},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {10, 28, 56, 10}, "Play Through:", 0},
    {CONTROL_EDIT, SEASONS_THROUGH_EDIT, {70, 26, 40, 13}, "", BUTTON | CONTROL_NUMBER},
    {CONTROL_UP_DOWN, SEASONS_SPIN, {110, 26, 10, 13}, "", 0},
    {CONTROL_PUSH_BUTTON, ID_OK, {20, 50, 50, 15}, "&OK", BUTTON | CONTROL_DEFAULT_BUTTON},
    {CONTROL_PUSH_BUTTON, ID_CANCEL, {76, 50, 50, 15}, "&Cancel", BUTTON},
};

const DIALOG_CONTROL INJURY_CONTROLS[] = {
    {CONTROL_CHECK_BOX, INJURY_STOP_BOX, {10, 10, 150, 11}, "Stop play if one of my players is", BUTTON},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {22, 28, 70, 10}, "injured for at least", 0},
    {CONTROL_EDIT, INJURY_WEEKS_EDIT, {94, 26, 24, 13}, "", BUTTON | CONTROL_NUMBER},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {122, 28, 30, 10}, "weeks.", 0},
    {CONTROL_PUSH_BUTTON, ID_OK, {50, 48, 50, 15}, "&OK", BUTTON | CONTROL_DEFAULT_BUTTON},
    {CONTROL_PUSH_BUTTON, ID_CANCEL, {106, 48, 50, 15}, "&Cancel", BUTTON},
};

const DIALOG_CONTROL OTHER_TEAM_CONTROLS[] = {
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {8, 6, 120, 10}, "Choose Team:", 0},
    {CONTROL_LIST_BOX, TEAM_SELECTOR, {8, 18, 164, 120}, "", BUTTON | CONTROL_OWNER_DRAW},
    {CONTROL_PUSH_BUTTON, ID_OK, {62, 144, 52, 15}, "&OK", BUTTON | CONTROL_DEFAULT_BUTTON},
    {CONTROL_PUSH_BUTTON, ID_CANCEL, {120, 144, 52, 15}, "&Cancel", BUTTON},
};

template <size_t N> constexpr int32_t Count_Of(const DIALOG_CONTROL (&)[N]) {
    return static_cast<int32_t>(N);
}

// Play Multiple Seasons: the year the seasons are played through.
int32_t Seasons_Through_Year(int32_t count) {
    return Get_Current_Year() - 1 + count;
}

void Show_Seasons_Through(WINDOW_HANDLE dialog, int32_t count) {
    Set_Dialog_Item_Integer(dialog, SEASONS_THROUGH_EDIT, Seasons_Through_Year(count));
}

int32_t Seasons_Count() {
    return std::clamp(Get_User_Preference(SEASONS_TO_PLAY), 1, MOST_SEASONS_TO_PLAY);
}

void Init_Play_Seasons(WINDOW_HANDLE dialog) {
    Set_Up_Skinned_Dialog(dialog, {ID_OK, ID_CANCEL});
    Set_User_Preference(SEASONS_TO_PLAY, DEFAULT_SEASONS);
    Set_Dialog_Item_Integer(dialog, SEASONS_YEAR_TEXT, Get_Current_Year());
    const WINDOW_HANDLE spin = Get_Dialog_Item(dialog, SEASONS_SPIN);
    Send_Window_Message(spin, MSG_UP_DOWN_SET_RANGE, 1, MOST_SEASONS_TO_PLAY);
    Send_Window_Message(spin, MSG_UP_DOWN_SET_POSITION, static_cast<uintptr_t>(DEFAULT_SEASONS), 0);
    Show_Seasons_Through(dialog, std::clamp(DEFAULT_SEASONS, 1, FIRST_SHOWN_MOST_SEASONS));
}

void Spin_Seasons(WINDOW_HANDLE dialog, int32_t position) {
    const int32_t count = std::clamp(position, 1, MOST_SEASONS_TO_PLAY);
    Set_User_Preference(SEASONS_TO_PLAY, count);
    Show_Seasons_Through(dialog, count);
}

void Confirm_Play_Seasons(WINDOW_HANDLE dialog) {
    if (Show_Message_Box(
            "The 'Play Multiple Seasons' tool is used to simulate multiple seasons without any "
            "intervention by the user.\n\nDuring simulation, all teams will be controlled by the "
            "computer.\n\nIs this OK?",
            "Play Multiple Seasons", BOX_OK_CANCEL | BOX_STOP | BOX_TASK_MODAL) == ID_BOX_OK)
        End_Dialog(dialog, Seasons_Count());
}

// Injury Contingency: the week box is used only while the stop is on.
void Enable_Injury_Weeks(WINDOW_HANDLE dialog) {
    Enable_Window(Get_Dialog_Item(dialog, INJURY_WEEKS_EDIT),
                  Is_Dialog_Button_Checked(dialog, INJURY_STOP_BOX) == BUTTON_CHECKED);
}

void Init_Injury_Contingency(WINDOW_HANDLE dialog) {
    Set_Up_Skinned_Dialog(dialog, {ID_OK, ID_CANCEL});
    if (Get_User_Preference(INJURY_STOP_WEEKS) == 0) {
        // Filling in the default is no change of the user's.
        const KEEP_GAME_SAVED derived;
        Set_User_Preference(INJURY_STOP_WEEKS, DEFAULT_INJURY_STOP);
    }
    const int32_t weeks = Get_User_Preference(INJURY_STOP_WEEKS);
    Check_Dialog_Button(dialog, INJURY_STOP_BOX, weeks > 0 ? BUTTON_CHECKED : BUTTON_UNCHECKED);
    Set_Dialog_Item_Integer(dialog, INJURY_WEEKS_EDIT, std::abs(weeks));
    Enable_Injury_Weeks(dialog);
}

void Store_Injury_Stop(WINDOW_HANDLE dialog) {
    int32_t weeks = 0;
    Get_Dialog_Item_Integer(dialog, INJURY_WEEKS_EDIT, &weeks);
    weeks = std::max(weeks, 1);
    const bool on = Is_Window_Enabled(Get_Dialog_Item(dialog, INJURY_WEEKS_EDIT));
    Set_User_Preference(INJURY_STOP_WEEKS, on ? weeks : -weeks);
}

// Other Team: the list follows the dialog's bottom edge and fits its rows.
DIALOG_LAYOUT_STATE other_team_layout;

void Init_Other_Team(WINDOW_HANDLE dialog) {
    Set_Up_Skinned_Dialog(dialog, {ID_OK, ID_CANCEL});
    Fill_Team_Selector(dialog);
    Update_Dialog_Layout(dialog, &other_team_layout, LAYOUT_CLEAR);
    Add_Dialog_Layout_Control(&other_team_layout, ID_OK);
    Add_Dialog_Layout_Control(&other_team_layout, ID_CANCEL);
    other_team_layout.List_Id = TEAM_SELECTOR;
    Update_Dialog_Layout(dialog, &other_team_layout, LAYOUT_CAPTURE);
    Update_Dialog_Layout(dialog, &other_team_layout, LAYOUT_FIT_ROWS);
    Center_Window_Over_Parent(dialog, Get_Window_Owner(dialog));
}

void Choose_Other_Team(WINDOW_HANDLE dialog) {
    const WINDOW_HANDLE list = Get_Dialog_Item(dialog, TEAM_SELECTOR);
    const int32_t selected = List_Box_Get_Current_Selection(list);
    // Without a chosen line nothing changes.
    if (selected < 0) return;
    const intptr_t team = List_Box_Get_Item_Data(list, selected) - TEAM_ITEM_DATA_BASE;
    if (team < 0 || team >= MAX_FRANCHISES) return;
    Set_Viewed_Team(static_cast<int32_t>(team));
    Redraw_Main_Window();
    End_Dialog(dialog, 1);
}
} // namespace

const DIALOG_TEMPLATE DATABASE_NOTES_DIALOG_TEMPLATE = {DATABASE_NOTES_DIALOG,
                                                        "Database Notes",
                                                        260,
                                                        168,
                                                        "MS Sans Serif",
                                                        8,
                                                        WINDOW_CAPTION | WINDOW_BORDER,
                                                        DATABASE_NOTES_CONTROLS,
                                                        Count_Of(DATABASE_NOTES_CONTROLS),
                                                        ID_CANCEL};
const DIALOG_TEMPLATE PLAY_MULTIPLE_SEASONS_DIALOG_TEMPLATE = {PLAY_MULTIPLE_SEASONS_DIALOG,
                                                               "Play Multiple Seasons",
                                                               146,
                                                               72,
                                                               "MS Sans Serif",
                                                               8,
                                                               WINDOW_CAPTION | WINDOW_BORDER,
                                                               PLAY_SEASONS_CONTROLS,
                                                               Count_Of(PLAY_SEASONS_CONTROLS),
                                                               0};
const DIALOG_TEMPLATE INJURY_CONTINGENCY_DIALOG_TEMPLATE = {INJURY_CONTINGENCY_DIALOG,
                                                            "Injury Contingency",
                                                            206,
                                                            70,
                                                            "MS Sans Serif",
                                                            8,
                                                            WINDOW_CAPTION | WINDOW_BORDER,
                                                            INJURY_CONTROLS,
                                                            Count_Of(INJURY_CONTROLS),
                                                            0};
const DIALOG_TEMPLATE OTHER_TEAM_DIALOG_TEMPLATE = {OTHER_TEAM_DIALOG,
                                                    "Other Team",
                                                    180,
                                                    166,
                                                    "MS Sans Serif",
                                                    8,
                                                    WINDOW_CAPTION | WINDOW_BORDER,
                                                    OTHER_TEAM_CONTROLS,
                                                    Count_Of(OTHER_TEAM_CONTROLS),
                                                    1};

void Set_Viewed_Team(int32_t team) {
    Set_User_Preference(VIEWED_TEAM, team);
    if (!Is_Used_Franchise_Slot(team) || Get_User_Preference(MULTI_SEASON_SIMULATION) != 0) return;
    if (Get_Team_Stat(team, TEAM_STAT_CONTROL) == TEAM_CONTROL_HUMAN) Set_User_Preference(USER_TEAM, team);
}

int32_t Get_Viewed_Team() {
    Validate_Viewed_Team();
    return Get_User_Preference(VIEWED_TEAM);
}

intptr_t Database_Notes_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (Is_Dialog_Colour_Message(code)) return Answer_Dialog_Colour(code, dialog, wparam, lparam);
    switch (code) {
    case MSG_INIT_DIALOG: {
        Set_Up_Skinned_Dialog(dialog, {ID_OK, ID_CANCEL});
        Edit_Set_Limit(Get_Dialog_Item(dialog, DATABASE_NOTES_EDIT), DATABASE_NOTES_LIMIT);
        char notes[DATABASE_NOTES_LIMIT + 1];
        Get_Database_Notes(notes, sizeof notes);
        Set_Dialog_Item_Text(dialog, DATABASE_NOTES_EDIT, notes);
        return 1;
    }
    case MSG_COMMAND:
        if (Command_Id(wparam) == ID_OK) {
            char notes[DATABASE_NOTES_LIMIT];
            Get_Dialog_Item_Text_Buffer(dialog, DATABASE_NOTES_EDIT, notes, sizeof notes);
            Set_Database_Notes(notes);
            End_Dialog(dialog, 1);
            return 1;
        }
        if (Command_Id(wparam) == ID_CANCEL) {
            End_Dialog(dialog, ID_CANCEL);
            return 1;
        }
        return 0;
    default:
        return 0;
    }
}

intptr_t Play_Multiple_Seasons_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam,
                                           intptr_t lparam) {
    if (Is_Dialog_Colour_Message(code)) return Answer_Dialog_Colour(code, dialog, wparam, lparam);
    switch (code) {
    case MSG_INIT_DIALOG:
        Init_Play_Seasons(dialog);
        return 1;
    case MSG_VERTICAL_SCROLL:
        Spin_Seasons(dialog, static_cast<int32_t>(static_cast<int16_t>(wparam >> 16)));
        return 1;
    case MSG_COMMAND:
        switch (Command_Id(wparam)) {
        case SEASONS_THROUGH_EDIT: {
            // The year follows the spin alone: any other text is put back.
            int32_t year = 0;
            if (Command_Notification(wparam) == NOTIFY_EDIT_CHANGE &&
                (!Get_Dialog_Item_Integer(dialog, SEASONS_THROUGH_EDIT, &year) ||
                 year != Seasons_Through_Year(Seasons_Count())))
                Show_Seasons_Through(dialog, Seasons_Count());
            return 1;
        }
        case ID_OK:
            Confirm_Play_Seasons(dialog);
            return 1;
        case ID_CANCEL:
            End_Dialog(dialog, -1);
            return 1;
        default:
            return 0;
        }
    default:
        return 0;
    }
}

intptr_t Injury_Contingency_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam,
                                        intptr_t lparam) {
    if (Is_Dialog_Colour_Message(code)) return Answer_Dialog_Colour(code, dialog, wparam, lparam);
    switch (code) {
    case MSG_INIT_DIALOG:
        Init_Injury_Contingency(dialog);
        return 1;
    case MSG_COMMAND:
        switch (Command_Id(wparam)) {
        case INJURY_STOP_BOX:
            Enable_Injury_Weeks(dialog);
            return 1;
        case ID_OK:
            Store_Injury_Stop(dialog);
            End_Dialog(dialog, 1);
            return 1;
        case ID_CANCEL:
            End_Dialog(dialog, 0);
            return 1;
        default:
            return 0;
        }
    default:
        return 0;
    }
}

intptr_t Other_Team_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (Is_Dialog_Colour_Message(code)) return Answer_Dialog_Colour(code, dialog, wparam, lparam);
    switch (code) {
    case MSG_INIT_DIALOG:
        Init_Other_Team(dialog);
        return 1;
    case MSG_MEASURE_ITEM:
        return Measure_List_Item_Height(dialog, reinterpret_cast<MEASURE_ITEM_INFO*>(lparam));
    case MSG_DRAW_ITEM:
        Draw_Team_Listbox_Item(reinterpret_cast<const DRAW_ITEM_INFO*>(lparam));
        return 1;
    case MSG_COMMAND:
        switch (Command_Id(wparam)) {
        case TEAM_SELECTOR:
            if (Command_Notification(wparam) == NOTIFY_LIST_DOUBLE_CLICK) Choose_Other_Team(dialog);
            return 1;
        case ID_OK:
            Choose_Other_Team(dialog);
            return 1;
        case ID_CANCEL:
            End_Dialog(dialog, 1);
            return 1;
        default:
            return 0;
        }
    default:
        return 0;
    }
}
