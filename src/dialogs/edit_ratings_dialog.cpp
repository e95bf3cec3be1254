// Edit Ratings (200): the 26 ratings of the player Edit Player works on
// (Health is neither shown nor changed here) and the steps of his overall.
#include <cmath>
#include <cstdio>
#include <string>

#include "app/context_help.h"
#include "app/dialog_services.h"
#include "database/game_names.h"
#include "database/player_record.h"
#include "database/position_evaluation.h"
#include "database/settings.h"
#include "database/text_format.h"
#include "dialogs/dialog_setup.h"
#include "dialogs/edit_player_dialog.h"
#include "dialogs/typed_numbers.h"
#include "personnel/rating_adjustment.h"
#include "personnel/typical_season.h"
#include "platform/controls.h"
#include "platform/message_box.h"
#include "platform/windows.h"

namespace {
constexpr uint32_t BUTTON = WINDOW_TAB_STOP;
constexpr uint32_t NUMBER = WINDOW_TAB_STOP | CONTROL_RIGHT_TEXT;
constexpr int32_t ROWS_PER_COLUMN = 13;
constexpr int32_t MOST_STEPS = 1000;
constexpr float RAISE_STEP = 0.008f;
constexpr float LOWER_STEP = -0.006f;
constexpr float RATING_BOUND = 1000.0f;
constexpr int32_t LINE_SIZE = 64;

#define RATING_CELL(n)                                                                                       \
    {CONTROL_STATIC_TEXT,                                                                                    \
     RATING_FIRST_LABEL + (n),                                                                               \
     {8 + (n) / ROWS_PER_COLUMN * 124, 8 + (n) % ROWS_PER_COLUMN * 14, 72, 9},                               \
     "",                                                                                                     \
     0},                                                                                                     \
    {                                                                                                        \
        CONTROL_EDIT, RATING_FIRST_EDIT + (n),                                                               \
            {82 + (n) / ROWS_PER_COLUMN * 124, 6 + (n) % ROWS_PER_COLUMN * 14, 40, 12}, "", NUMBER           \
    }

const DIALOG_CONTROL EDIT_RATINGS_CONTROLS[] = {
    RATING_CELL(0),
    RATING_CELL(1),
    RATING_CELL(2),
    RATING_CELL(3),
    RATING_CELL(4),
    RATING_CELL(5),
    RATING_CELL(6),
    RATING_CELL(7),
    RATING_CELL(8),
    RATING_CELL(9),
    RATING_CELL(10),
    RATING_CELL(11),
    RATING_CELL(12),
    RATING_CELL(13),
    RATING_CELL(14),
    RATING_CELL(15),
    RATING_CELL(16),
    RATING_CELL(17),
    RATING_CELL(18),
    RATING_CELL(19),
    RATING_CELL(20),
    RATING_CELL(21),
    RATING_CELL(22),
    RATING_CELL(23),
    RATING_CELL(24),
    RATING_CELL(25),
    {CONTROL_STATIC_TEXT, RATING_OVERALL_TEXT, {8, 196, 70, 9}, "", 0},
    {CONTROL_PUSH_BUTTON, RATING_RAISE, {80, 194, 22, 14}, "&+", BUTTON},
    {CONTROL_PUSH_BUTTON, RATING_LOWER, {106, 194, 22, 14}, "&-", BUTTON},
    {CONTROL_PUSH_BUTTON, RATING_REFRESH, {132, 194, 10, 14}, "", CONTROL_HIDDEN},
    {CONTROL_PUSH_BUTTON, EDIT_HELP, {144, 194, 50, 14}, "&Help", BUTTON},
    {CONTROL_PUSH_BUTTON, EDIT_DONE, {198, 194, 50, 14}, "&DONE", BUTTON | CONTROL_DEFAULT_BUTTON},
};

#undef RATING_CELL

// The rating of an edit: ratings 1 to 26 in order.
int32_t Rating_Of_Edit(int32_t n) {
    return n + 1;
}

float Overall(int32_t team, int32_t slot) {
    const int32_t position = Translate_Expanded_Position(Get_Player_Vital_Stat(team, slot, VITAL_POSITION));
    return Get_Player_Position_Rating(team, slot, position);
}

void Show_Rating(WINDOW_HANDLE dialog, int32_t id, float value) {
    char text[LINE_SIZE];
    safe_sprintf(text, sizeof text, "%.1f", static_cast<double>(value));
    Set_Dialog_Item_Text(dialog, id, text);
}

void Init_Edit_Ratings(WINDOW_HANDLE dialog) {
    Set_Dialog_Control_Fonts(dialog);
    int32_t team = 0, slot = 0;
    // Opened by itself, the editor takes the selected player.
    if (!Find_Edited_Player(&team, &slot) &&
        (!Take_Selected_Player_For_Editing() || !Find_Edited_Player(&team, &slot))) {
        End_Dialog(dialog, 1);
        return;
    }
    char name[PLAYER_NAME_TEXT_SIZE] = "";
    Get_Player_Full_Name(team, slot, name);
    char caption[PLAYER_NAME_TEXT_SIZE + 16];
    safe_sprintf(caption, sizeof caption, "Edit Ratings: %s", name);
    Set_Window_Text(dialog, caption);
    Center_Window_Over_Parent(dialog, Get_Window_Owner(dialog));
    Fill_Edit_Ratings_Fields(dialog);
    Set_Dialog_Controls_App_Font(dialog, DIALOG_BUTTON_FONT, {RATING_REFRESH, EDIT_DONE, EDIT_HELP});
}

void Step_Overall(WINDOW_HANDLE dialog, bool raise) {
    int32_t team = 0, slot = 0;
    if (!Find_Edited_Player(&team, &slot)) return;
    Save_Edit_Ratings_Fields(dialog);
    if (raise)
        Raise_Overall_Rating(team, slot);
    else
        Lower_Overall_Rating(team, slot);
    Fill_Edit_Ratings_Fields(dialog);
}
} // namespace

const DIALOG_TEMPLATE EDIT_RATINGS_DIALOG_TEMPLATE = {
    EDIT_RATINGS_DIALOG,
    "Edit Ratings",
    256,
    214,
    "MS Sans Serif",
    8,
    WINDOW_CAPTION | WINDOW_BORDER,
    EDIT_RATINGS_CONTROLS,
    static_cast<int32_t>(sizeof EDIT_RATINGS_CONTROLS / sizeof EDIT_RATINGS_CONTROLS[0]),
    1};

void Fill_Edit_Ratings_Fields(WINDOW_HANDLE dialog) {
    int32_t team = 0, slot = 0;
    if (!Find_Edited_Player(&team, &slot)) return;
    for (int32_t n = 0; n < RATING_EDITS; ++n) {
        char name[FORMATTED_TEXT_SIZE] = "";
        Get_Rating_Name(Rating_Of_Edit(n), name);
        Set_Dialog_Item_Text(dialog, RATING_FIRST_LABEL + n, name);
        Show_Rating(dialog, RATING_FIRST_EDIT + n, Get_Player_Rating(team, slot, Rating_Of_Edit(n)));
    }
    char text[LINE_SIZE];
    safe_sprintf(text, sizeof text, "Overall: %d", static_cast<int32_t>(Overall(team, slot)));
    Set_Dialog_Item_Text(dialog, RATING_OVERALL_TEXT, text);
}

bool Save_Edit_Ratings_Fields(WINDOW_HANDLE dialog) {
    int32_t team = 0, slot = 0;
    if (!Find_Edited_Player(&team, &slot)) return true;
    bool all = true;
    for (int32_t n = 0; n < RATING_EDITS; ++n) {
        const int32_t rating = Rating_Of_Edit(n);
        const float current = Get_Player_Rating(team, slot, rating);
        char shown[LINE_SIZE];
        safe_sprintf(shown, sizeof shown, "%.1f", static_cast<double>(current));
        const std::string text = Get_Dialog_Item_Text(dialog, RATING_FIRST_EDIT + n);
        // The value shown is the stored one rounded: left as it is, it keeps the rating exact.
        if (text == shown) continue;
        float value = 0.0f;
        if (Parse_Typed_Float(text.c_str(), &value) && std::fabs(value) <= RATING_BOUND) {
            Set_Player_Rating(team, slot, rating, value);
            continue;
        }
        char name[FORMATTED_TEXT_SIZE] = "";
        Get_Rating_Name(rating, name);
        Show_Field_Refused(name, "must be a number from -1000 to 1000", shown);
        Set_Dialog_Item_Text(dialog, RATING_FIRST_EDIT + n, shown);
        all = false;
    }
    return all;
}

void Adjust_Overall_Rating(int32_t team, int32_t slot, int32_t target) {
    int32_t current = static_cast<int32_t>(Overall(team, slot));
    const bool raise = target > current;
    for (int32_t step = 0; step < MOST_STEPS; ++step) {
        if (raise ? current >= target : current <= target) break;
        Modify_Player_Ratings(team, slot, raise ? RAISE_STEP : LOWER_STEP, false);
        current = static_cast<int32_t>(Overall(team, slot));
    }
    Calculate_Typical_Season_From_Ratings(team, slot);
}

void Raise_Overall_Rating(int32_t team, int32_t slot) {
    Adjust_Overall_Rating(team, slot, static_cast<int32_t>(Overall(team, slot)) + 1);
}

void Lower_Overall_Rating(int32_t team, int32_t slot) {
    Adjust_Overall_Rating(team, slot, static_cast<int32_t>(Overall(team, slot)) - 1);
}

intptr_t Edit_Ratings_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (Is_Dialog_Colour_Message(code)) return Answer_Dialog_Colour(code, dialog, wparam, lparam);
    switch (code) {
    case MSG_INIT_DIALOG:
        Init_Edit_Ratings(dialog);
        return 1;
    case MSG_COMMAND:
        switch (Command_Id(wparam)) {
        case RATING_RAISE:
            Step_Overall(dialog, true);
            return 1;
        case RATING_LOWER:
            Step_Overall(dialog, false);
            return 1;
        case RATING_REFRESH:
            if (Get_User_Preference(SIMULATION_RUNNING) != 0)
                Show_Formatted_Message(
                    "Simulation in progress",
                    "Player ratings will not be updated until this week's games are completed.");
            Save_Edit_Ratings_Fields(dialog);
            Fill_Edit_Ratings_Fields(dialog);
            return 1;
        case EDIT_DONE: {
            Save_Edit_Ratings_Fields(dialog);
            int32_t team = 0, slot = 0;
            if (Find_Edited_Player(&team, &slot)) Calculate_Typical_Season_From_Ratings(team, slot);
            End_Dialog(dialog, 1);
            return 1;
        }
        case ID_CANCEL:
            End_Dialog(dialog, 1);
            return 1;
        case EDIT_HELP:
            Open_Context_Help(EDIT_RATINGS_DIALOG);
            return 1;
        default:
            return 0;
        }
    default:
        return 0;
    }
}
