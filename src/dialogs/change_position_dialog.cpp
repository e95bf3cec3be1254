#include "dialogs/change_position_dialog.h"

#include "app/context_help.h"
#include "app/dialog_services.h"
#include "database/game_names.h"
#include "database/player_record.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/text_format.h"
#include "dialogs/dialog_setup.h"
#include "dialogs/position_columns.h"
#include "personnel/position_change.h"
#include "platform/combo_box.h"
#include "platform/controls.h"
#include "platform/message_box.h"
#include "platform/windows.h"

namespace {
constexpr uint32_t BUTTON = WINDOW_TAB_STOP;
constexpr int32_t HELP_BUTTON = 9;
constexpr int32_t SHOWN_RATINGS = 5;
constexpr int32_t LINE_SIZE = 64;

const DIALOG_CONTROL CHANGE_POSITION_CONTROLS[] = {
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {8, 9, 74, 10}, "Current Position:", 0},
    {CONTROL_STATIC_TEXT, CURRENT_POSITION_TEXT, {84, 9, 136, 10}, "", 0},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {8, 26, 74, 10}, "New Position:", 0},
    {CONTROL_COMBO_BOX, NEW_POSITION_COMBO, {84, 24, 100, 80}, "", BUTTON},
    {CONTROL_GROUP_BOX, UNNAMED_CONTROL, {8, 42, 104, 72}, "Now", 0},
    {CONTROL_STATIC_TEXT, CURRENT_RATING_LINES[0], {14, 54, 94, 10}, "", 0},
    {CONTROL_STATIC_TEXT, CURRENT_RATING_LINES[1], {14, 66, 94, 10}, "", 0},
    {CONTROL_STATIC_TEXT, CURRENT_RATING_LINES[2], {14, 78, 94, 10}, "", 0},
    {CONTROL_STATIC_TEXT, CURRENT_RATING_LINES[3], {14, 90, 94, 10}, "", 0},
    {CONTROL_STATIC_TEXT, CURRENT_RATING_LINES[4], {14, 102, 94, 10}, "", 0},
    {CONTROL_GROUP_BOX, UNNAMED_CONTROL, {116, 42, 104, 72}, "At New Position", 0},
    {CONTROL_STATIC_TEXT, PROJECTED_RATING_LINES[0], {122, 54, 94, 10}, "", 0},
    {CONTROL_STATIC_TEXT, PROJECTED_RATING_LINES[1], {122, 66, 94, 10}, "", 0},
    {CONTROL_STATIC_TEXT, PROJECTED_RATING_LINES[2], {122, 78, 94, 10}, "", 0},
    {CONTROL_STATIC_TEXT, PROJECTED_RATING_LINES[3], {122, 90, 94, 10}, "", 0},
    {CONTROL_STATIC_TEXT, PROJECTED_RATING_LINES[4], {122, 102, 94, 10}, "", 0},
    {CONTROL_STATIC_TEXT,
     CHANGE_POSITION_NOTE,
     {8, 118, 212, 28},
     "The above ratings are ESTIMATES by your scouts of the player's projected skill levels at the new "
     "position. Actual results may vary.",
     0},
    {CONTROL_PUSH_BUTTON, HELP_BUTTON, {8, 150, 50, 15}, "&Help", BUTTON},
    {CONTROL_PUSH_BUTTON, ID_CANCEL, {66, 150, 58, 15}, "&Cancel", BUTTON},
    {CONTROL_PUSH_BUTTON, ID_OK, {130, 150, 90, 15}, "&Change Position", BUTTON | CONTROL_DEFAULT_BUTTON},
};

int32_t Player_Team() {
    return Get_User_Preference(SELECTED_PLAYER_TEAM);
}

int32_t Player_Slot() {
    return Get_User_Preference(SELECTED_PLAYER_SLOT);
}

// His position as the conversion takes it: the basic position of an
// expanded code; -1 for no valid position.
int32_t Current_Basic_Position() {
    const int32_t position = Get_Player_Vital_Stat(Player_Team(), Player_Slot(), VITAL_POSITION);
    if (Get_Position_Family(position) < 0) return -1;
    return Translate_Expanded_Position(position);
}

int32_t Chosen_Position(WINDOW_HANDLE dialog) {
    const int32_t index = Combo_Box_Get_Current_Selection(Get_Dialog_Item(dialog, NEW_POSITION_COMBO));
    if (index < 0) return -1;
    return Get_Position_Family_First(Get_Position_Family(Current_Basic_Position())) + index;
}

void Rating_Line(int32_t rating, int32_t value, char* out) {
    out[0] = '\0';
    if (rating < 0) return;
    char name[LINE_SIZE] = "";
    Get_Rating_Name(rating, name);
    safe_sprintf(out, LINE_SIZE, "%s: %d", name, value);
}

void Show_Ratings(WINDOW_HANDLE dialog) {
    const int32_t team = Player_Team(), slot = Player_Slot();
    const int32_t current = Current_Basic_Position();
    const int32_t chosen = Chosen_Position(dialog);
    char name[LINE_SIZE] = "";
    Get_Position_Name(current, name);
    Set_Dialog_Item_Text(dialog, CURRENT_POSITION_TEXT, name);
    for (int32_t k = 0; k < SHOWN_RATINGS; ++k) {
        char line[LINE_SIZE];
        const int32_t now = Get_Position_Column_Stat(current, k);
        Rating_Line(now, now >= 0 ? static_cast<int32_t>(Get_Player_Rating(team, slot, now)) : 0, line);
        Set_Dialog_Item_Text(dialog, CURRENT_RATING_LINES[k], line);
        const int32_t then = chosen >= 0 ? Get_Position_Column_Stat(chosen, k) : -1;
        Rating_Line(then,
                    then >= 0 ? static_cast<int32_t>(Get_Projected_Position_Rating(team, slot, chosen, then))
                              : 0,
                    line);
        Set_Dialog_Item_Text(dialog, PROJECTED_RATING_LINES[k], line);
    }
}

// False when there is no player to show: the dialog closes.
bool Init_Change_Position(WINDOW_HANDLE dialog) {
    Set_Up_Skinned_Dialog(dialog, {HELP_BUTTON, ID_CANCEL, ID_OK});
    const int32_t team = Player_Team(), slot = Player_Slot();
    const int32_t current =
        Is_Player_Address(team, slot) && Is_Player_Slot_Used(team, slot) ? Current_Basic_Position() : -1;
    if (current < 0) return false;
    char caption[PLAYER_NAME_TEXT_SIZE] = "";
    Get_Player_Full_Name(team, slot, caption);
    Set_Window_Text(dialog, caption);
    const int32_t family = Get_Position_Family(current);
    const int32_t first = Get_Position_Family_First(family);
    const WINDOW_HANDLE combo = Get_Dialog_Item(dialog, NEW_POSITION_COMBO);
    for (int32_t position = first; position < first + Get_Position_Family_Size(family); ++position) {
        char name[LINE_SIZE] = "";
        Get_Position_Name(position, name);
        Combo_Box_Add_String(combo, name);
    }
    Combo_Box_Set_Current_Selection(combo, current - first);
    Show_Ratings(dialog);
    return true;
}

void Change_Position(WINDOW_HANDLE dialog) {
    const int32_t chosen = Chosen_Position(dialog);
    // No choice, or the position he plays: nothing to do.
    if (chosen < 0 || chosen == Current_Basic_Position()) return;
    char player[PLAYER_NAME_TEXT_SIZE] = "", position[LINE_SIZE] = "";
    Get_Player_Full_Name(Player_Team(), Player_Slot(), player);
    Get_Position_Name(chosen, position);
    char question[256];
    safe_sprintf(
        question, sizeof question,
        "Converting %s to a %s will have permanent effects on his abilities. Are you sure you want to "
        "do this?",
        player, position);
    if (Show_Message_Box(question, "Confirm Position Change", BOX_YES_NO | BOX_TASK_MODAL) != ID_BOX_YES)
        return;
    Change_Player_Position(Player_Team(), Player_Slot(), chosen);
    End_Dialog(dialog, 1);
}
} // namespace

const DIALOG_TEMPLATE CHANGE_POSITION_DIALOG_TEMPLATE = {
    CHANGE_POSITION_DIALOG,
    "",
    228,
    172,
    "MS Sans Serif",
    8,
    WINDOW_CAPTION | WINDOW_BORDER,
    CHANGE_POSITION_CONTROLS,
    static_cast<int32_t>(sizeof CHANGE_POSITION_CONTROLS / sizeof CHANGE_POSITION_CONTROLS[0]),
    ID_CANCEL};

intptr_t Change_Position_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (Is_Dialog_Colour_Message(code)) return Answer_Dialog_Colour(code, dialog, wparam, lparam);
    switch (code) {
    case MSG_INIT_DIALOG:
        if (!Init_Change_Position(dialog)) End_Dialog(dialog, ID_CANCEL);
        return 1;
    case MSG_COMMAND:
        switch (Command_Id(wparam)) {
        case NEW_POSITION_COMBO:
            if (Command_Notification(wparam) == NOTIFY_COMBO_SELECTION_CHANGE) Show_Ratings(dialog);
            return 1;
        case ID_OK:
            Change_Position(dialog);
            return 1;
        case ID_CANCEL:
            End_Dialog(dialog, ID_CANCEL);
            return 1;
        case HELP_BUTTON:
            Open_Context_Help(CHANGE_POSITION_DIALOG);
            return 1;
        default:
            return 0;
        }
    default:
        return 0;
    }
}
