// The Playbook Editor's template, the layout of each side and its procedure:
// the team, folder and play choices, the buttons and the painting of the
// play's diagram.
#include <iterator>

#include "app/context_help.h"
#include "app/dialog_services.h"
#include "app/modal_dialogs.h"
#include "app/team_lists.h"
#include "database/player_hashes.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "dialogs/dialog_setup.h"
#include "dialogs/scouting_report.h"
#include "dialogs/small_dialogs.h"
#include "engine/formation_depth_charts.h"
#include "engine/formations.h"
#include "engine/playbook_records.h"
#include "platform/combo_box.h"
#include "platform/controls.h"
#include "platform/edit_control.h"
#include "platform/message_box.h"
#include "platform/windows.h"
#include "playbooks/gridiron_kit.h"
#include "playbooks/play_card_controls.h"
#include "playbooks/play_diagrams.h"
#include "playbooks/playbook_editor.h"
#include "playbooks/playbook_editor_layout.h"
#include "playbooks/playbook_file_dialogs.h"
#include "playbooks/playbook_files.h"
#include "playbooks/result_panels.h"
#include "views/diagram_highlight.h"

namespace {
constexpr uint32_t TAB = WINDOW_TAB_STOP;
constexpr uint32_t HIDDEN = CONTROL_HIDDEN;
constexpr int32_t DIAGRAM_FONT = 5;
// The diagram's frame is etched two pixels deep on each side.
constexpr int32_t DIAGRAM_FRAME_EDGE = 2;
constexpr unsigned BOX_QUESTION = 0x20;
// Where the rows of player labels start on each side, and their pitch (dialog units).
constexpr int32_t OFFENSE_ROWS_TOP = 88;
constexpr int32_t DEFENSE_ROWS_TOP = 24;
constexpr int32_t ROW_PITCH = 15;
constexpr int32_t LABEL_X = 374;
constexpr int32_t LABEL_WIDTH = 92;
constexpr int32_t COMBO_X = 468;
constexpr int32_t COMBO_WIDTH = 128;
constexpr int32_t COMBO_DROP_HEIGHT = 100;
constexpr int32_t BUTTON_X = 600;
constexpr int32_t BUTTON_WIDTH = 20;
constexpr int32_t TOP_COMBO_X = 444;
constexpr int32_t TOP_COMBO_WIDTH = 176;
constexpr int32_t TOP_LABEL_WIDTH = 68;

const DIALOG_CONTROL EDITOR_CONTROLS[] = {
    {CONTROL_COMBO_BOX, EDITOR_TEAM_COMBO, {8, 4, 358, 150}, "", TAB},
    {CONTROL_COMBO_BOX, EDITOR_FOLDER_COMBO, {8, 20, 175, 120}, "", TAB},
    {CONTROL_EDIT, EDITOR_FOLDER_NAME, {187, 20, 179, 13}, "", TAB},
    {CONTROL_COMBO_BOX, EDITOR_PLAY_COMBO, {8, 36, 175, 120}, "", TAB},
    {CONTROL_EDIT, EDITOR_PLAY_NAME, {187, 36, 179, 13}, "", TAB},
    {CONTROL_STATIC_FRAME, EDITOR_DIAGRAM, {8, 54, 358, 217}, "", 0},
    {CONTROL_EDIT, EDITOR_PLAY_COMMENT, {8, 275, 358, 22}, "", TAB | CONTROL_MULTI_LINE},
    {CONTROL_STATIC_TEXT, EDITOR_FIRST_RESULT, {8, 301, 58, 86}, "", CONTROL_CENTRE_TEXT},
    {CONTROL_STATIC_TEXT, EDITOR_FIRST_RESULT + 1, {68, 301, 58, 86}, "", CONTROL_CENTRE_TEXT},
    {CONTROL_STATIC_TEXT, EDITOR_FIRST_RESULT + 2, {128, 301, 58, 86}, "", CONTROL_CENTRE_TEXT},
    {CONTROL_STATIC_TEXT, EDITOR_FIRST_RESULT + 3, {188, 301, 58, 86}, "", CONTROL_CENTRE_TEXT},
    {CONTROL_STATIC_TEXT, EDITOR_FIRST_RESULT + 4, {248, 301, 58, 86}, "", CONTROL_CENTRE_TEXT},
    {CONTROL_STATIC_TEXT, EDITOR_FIRST_RESULT + 5, {308, 301, 58, 86}, "", CONTROL_CENTRE_TEXT},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {LABEL_X, 6, TOP_LABEL_WIDTH, 10}, "Formation:", 0},
    {CONTROL_COMBO_BOX, EDITOR_FORMATION_COMBO, {TOP_COMBO_X, 4, TOP_COMBO_WIDTH, 120}, "", TAB},
    {CONTROL_STATIC_TEXT, EDITOR_PLAY_TYPE_LABEL, {LABEL_X, 22, TOP_LABEL_WIDTH, 10}, "Play Type:", 0},
    {CONTROL_COMBO_BOX, EDITOR_PLAY_TYPE_COMBO, {TOP_COMBO_X, 20, TOP_COMBO_WIDTH, 120}, "", TAB},
    {CONTROL_STATIC_TEXT, EDITOR_HOLE_LABEL, {LABEL_X, 38, TOP_LABEL_WIDTH, 10}, "Rushing Hole", 0},
    {CONTROL_COMBO_BOX, EDITOR_RUSHING_HOLE, {TOP_COMBO_X, 36, TOP_COMBO_WIDTH, 100}, "", TAB},
    {CONTROL_STATIC_TEXT,
     EDITOR_PLAY_ACTION_LABEL,
     {LABEL_X, 54, TOP_LABEL_WIDTH, 10},
     "Play Action Hole",
     0},
    {CONTROL_COMBO_BOX, EDITOR_PLAY_ACTION_HOLE, {TOP_COMBO_X, 52, TOP_COMBO_WIDTH, 100}, "", TAB},
    {CONTROL_STATIC_TEXT, EDITOR_PRIMARY_LABEL, {LABEL_X, 70, TOP_LABEL_WIDTH, 10}, "Primary Receiver", 0},
    {CONTROL_COMBO_BOX, EDITOR_PRIMARY, {TOP_COMBO_X, 68, TOP_COMBO_WIDTH, 100}, "", TAB},
    {CONTROL_STATIC_TEXT, EDITOR_FIRST_SLOT_LABEL, {LABEL_X, 90, LABEL_WIDTH, 10}, "", 0},
    {CONTROL_STATIC_TEXT, EDITOR_FIRST_SLOT_LABEL + 1, {LABEL_X, 105, LABEL_WIDTH, 10}, "", 0},
    {CONTROL_STATIC_TEXT, EDITOR_FIRST_SLOT_LABEL + 2, {LABEL_X, 120, LABEL_WIDTH, 10}, "", 0},
    {CONTROL_STATIC_TEXT, EDITOR_FIRST_SLOT_LABEL + 3, {LABEL_X, 135, LABEL_WIDTH, 10}, "", 0},
    {CONTROL_STATIC_TEXT, EDITOR_FIRST_SLOT_LABEL + 4, {LABEL_X, 150, LABEL_WIDTH, 10}, "", 0},
    {CONTROL_STATIC_TEXT, EDITOR_FIRST_SLOT_LABEL + 5, {LABEL_X, 165, LABEL_WIDTH, 10}, "", 0},
    {CONTROL_STATIC_TEXT, EDITOR_FIRST_SLOT_LABEL + 6, {LABEL_X, 180, LABEL_WIDTH, 10}, "", 0},
    {CONTROL_STATIC_TEXT, EDITOR_FIRST_SLOT_LABEL + 7, {LABEL_X, 195, LABEL_WIDTH, 10}, "", 0},
    {CONTROL_STATIC_TEXT, EDITOR_FIRST_SLOT_LABEL + 8, {LABEL_X, 210, LABEL_WIDTH, 10}, "", 0},
    {CONTROL_STATIC_TEXT, EDITOR_FIRST_SLOT_LABEL + 9, {LABEL_X, 225, LABEL_WIDTH, 10}, "", 0},
    {CONTROL_STATIC_TEXT, EDITOR_FIRST_SLOT_LABEL + 10, {LABEL_X, 240, LABEL_WIDTH, 10}, "", 0},
    {CONTROL_COMBO_BOX, EDITOR_FIRST_ROUTE, {COMBO_X, 103, COMBO_WIDTH, COMBO_DROP_HEIGHT}, "", TAB},
    {CONTROL_COMBO_BOX, EDITOR_FIRST_ROUTE + 1, {COMBO_X, 118, COMBO_WIDTH, COMBO_DROP_HEIGHT}, "", TAB},
    {CONTROL_COMBO_BOX, EDITOR_FIRST_ROUTE + 2, {COMBO_X, 133, COMBO_WIDTH, COMBO_DROP_HEIGHT}, "", TAB},
    {CONTROL_COMBO_BOX, EDITOR_FIRST_ROUTE + 3, {COMBO_X, 148, COMBO_WIDTH, COMBO_DROP_HEIGHT}, "", TAB},
    {CONTROL_COMBO_BOX, EDITOR_FIRST_ROUTE + 4, {COMBO_X, 163, COMBO_WIDTH, COMBO_DROP_HEIGHT}, "", TAB},
    {CONTROL_COMBO_BOX, 1399, {COMBO_X, 144, COMBO_WIDTH, COMBO_DROP_HEIGHT}, "", TAB | HIDDEN},
    {CONTROL_COMBO_BOX, 1400, {COMBO_X, 159, COMBO_WIDTH, COMBO_DROP_HEIGHT}, "", TAB | HIDDEN},
    {CONTROL_COMBO_BOX, 1401, {COMBO_X, 174, COMBO_WIDTH, COMBO_DROP_HEIGHT}, "", TAB | HIDDEN},
    {CONTROL_PUSH_BUTTON, 1277, {BUTTON_X, 88, BUTTON_WIDTH, 13}, "", TAB},
    {CONTROL_PUSH_BUTTON, 1278, {BUTTON_X, 103, BUTTON_WIDTH, 13}, "", TAB},
    {CONTROL_PUSH_BUTTON, 1279, {BUTTON_X, 118, BUTTON_WIDTH, 13}, "", TAB},
    {CONTROL_PUSH_BUTTON, 1280, {BUTTON_X, 133, BUTTON_WIDTH, 13}, "", TAB},
    {CONTROL_PUSH_BUTTON, 1281, {BUTTON_X, 148, BUTTON_WIDTH, 13}, "", TAB},
    {CONTROL_PUSH_BUTTON, 1282, {BUTTON_X, 163, BUTTON_WIDTH, 13}, "", TAB},
    {CONTROL_PUSH_BUTTON, 1283, {BUTTON_X, 178, BUTTON_WIDTH, 13}, "", TAB},
    {CONTROL_PUSH_BUTTON, 1284, {BUTTON_X, 193, BUTTON_WIDTH, 13}, "", TAB},
    {CONTROL_PUSH_BUTTON, 1286, {BUTTON_X, 208, BUTTON_WIDTH, 13}, "", TAB},
    {CONTROL_PUSH_BUTTON, 1287, {BUTTON_X, 223, BUTTON_WIDTH, 13}, "", TAB},
    {CONTROL_PUSH_BUTTON, 1288, {BUTTON_X, 238, BUTTON_WIDTH, 13}, "", TAB},
    {CONTROL_STATIC_TEXT, EDITOR_NOTES_LABEL, {LABEL_X, 256, 60, 10}, "Playbook:", 0},
    {CONTROL_EDIT, EDITOR_NOTES, {LABEL_X, 266, 246, 66}, "", TAB | CONTROL_MULTI_LINE | CONTROL_WANT_RETURN},
    {CONTROL_PUSH_BUTTON, EDITOR_LOAD, {LABEL_X, 336, 122, 15}, "&Load Playbook", TAB},
    {CONTROL_PUSH_BUTTON, EDITOR_SAVE, {LABEL_X + 124, 336, 122, 15}, "&Save Playbook", TAB},
    {CONTROL_PUSH_BUTTON, EDITOR_VIEW_DEPTH_CHART, {LABEL_X, 354, 76, 15}, "&Defense", TAB},
    {CONTROL_PUSH_BUTTON, EDITOR_CLEAR_RESULTS, {LABEL_X + 78, 354, 100, 15}, "&Clear Result Data", TAB},
    {CONTROL_PUSH_BUTTON, EDITOR_CARD_KIT, {LABEL_X + 180, 354, 66, 15}, "Card &Kit", TAB},
    {CONTROL_PUSH_BUTTON, EDITOR_HELP, {LABEL_X, 372, 76, 15}, "&Help", TAB},
    {CONTROL_PUSH_BUTTON, EDITOR_DONE, {LABEL_X + 170, 372, 76, 15}, "&DONE", TAB | CONTROL_DEFAULT_BUTTON},
    // The play-card controls, hidden: nothing in the game edits card values here.
    {CONTROL_COMBO_BOX, EDITOR_FIRST_CARD_COMBO, {8, 4, 10, 40}, "", HIDDEN},
    {CONTROL_COMBO_BOX, EDITOR_FIRST_CARD_COMBO + 1, {8, 4, 10, 40}, "", HIDDEN},
    {CONTROL_COMBO_BOX, EDITOR_FIRST_CARD_COMBO + 2, {8, 4, 10, 40}, "", HIDDEN},
    {CONTROL_COMBO_BOX, EDITOR_FIRST_CARD_COMBO + 3, {8, 4, 10, 40}, "", HIDDEN},
    {CONTROL_COMBO_BOX, EDITOR_FIRST_CARD_COMBO + 4, {8, 4, 10, 40}, "", HIDDEN},
    {CONTROL_COMBO_BOX, EDITOR_FIRST_CARD_COMBO + 5, {8, 4, 10, 40}, "", HIDDEN},
    {CONTROL_COMBO_BOX, EDITOR_FIRST_CARD_COMBO + 6, {8, 4, 10, 40}, "", HIDDEN},
    {CONTROL_COMBO_BOX, EDITOR_FIRST_CARD_COMBO + 7, {8, 4, 10, 40}, "", HIDDEN},
    {CONTROL_COMBO_BOX, EDITOR_FIRST_CARD_COMBO + 8, {8, 4, 10, 40}, "", HIDDEN},
    {CONTROL_STATIC_TEXT, EDITOR_FIRST_CARD_LABEL, {8, 4, 10, 10}, "Score Type", HIDDEN},
    {CONTROL_STATIC_TEXT, EDITOR_FIRST_CARD_LABEL + 1, {8, 4, 10, 10}, "Offense #1", HIDDEN},
    {CONTROL_STATIC_TEXT, EDITOR_FIRST_CARD_LABEL + 2, {8, 4, 10, 10}, "Offense #2", HIDDEN},
    {CONTROL_STATIC_TEXT, EDITOR_FIRST_CARD_LABEL + 3, {8, 4, 10, 10}, "Defense #1", HIDDEN},
    {CONTROL_STATIC_TEXT, EDITOR_FIRST_CARD_LABEL + 4, {8, 4, 10, 10}, "Defense #2", HIDDEN},
    {CONTROL_STATIC_TEXT, EDITOR_FIRST_CARD_LABEL + 5, {8, 4, 10, 10}, "Bonus Rating", HIDDEN},
    {CONTROL_STATIC_TEXT, EDITOR_FIRST_CARD_LABEL + 6, {8, 4, 10, 10}, "Bonus Position", HIDDEN},
    {CONTROL_STATIC_TEXT, EDITOR_FIRST_CARD_LABEL + 7, {8, 4, 10, 10}, "Bonus Value", HIDDEN},
    {CONTROL_STATIC_TEXT, EDITOR_FIRST_CARD_LABEL + 8, {8, 4, 10, 10}, "Play Type", HIDDEN},
    {CONTROL_CHECK_BOX, EDITOR_CARD_SELECTION, {8, 4, 10, 10}, "Card Set", HIDDEN},
    {CONTROL_STATIC_TEXT, EDITOR_CARD_FEEDBACK, {8, 4, 10, 10}, "Gridiron Editor Feedback", HIDDEN},
    {CONTROL_STATIC_TEXT, EDITOR_CARD_COUNT, {8, 4, 10, 10}, "", HIDDEN},
    // The selected player's statistics, hidden like the card controls.
    {CONTROL_STATIC_TEXT, EDITOR_FIRST_PLAYER_STAT, {8, 4, 10, 10}, "", HIDDEN},
    {CONTROL_STATIC_TEXT, EDITOR_FIRST_PLAYER_STAT + 1, {8, 4, 10, 10}, "", HIDDEN},
    {CONTROL_STATIC_TEXT, EDITOR_FIRST_PLAYER_STAT + 2, {8, 4, 10, 10}, "", HIDDEN},
    {CONTROL_STATIC_TEXT, EDITOR_FIRST_PLAYER_STAT + 3, {8, 4, 10, 10}, "", HIDDEN},
    {CONTROL_STATIC_TEXT, EDITOR_FIRST_PLAYER_STAT + 4, {8, 4, 10, 10}, "", HIDDEN},
};

// The per-run clicks of "&Clear Result Data" in this opening of the dialog.
int32_t clear_clicks = 0;

void Place(WINDOW_HANDLE dialog, int32_t id, int32_t x, int32_t y, int32_t width, int32_t height, bool show) {
    const WINDOW_HANDLE control = Get_Dialog_Item(dialog, id);
    const int32_t left = Dialog_Units_To_Pixels_X(x), top = Dialog_Units_To_Pixels_Y(y);
    Move_Window(control,
                {left, top, left + Dialog_Units_To_Pixels_X(width), top + Dialog_Units_To_Pixels_Y(height)});
    Show_Window(control, show);
}

// A combo keeps the height of its face; its list's room was set by the template.
void Place_Combo(WINDOW_HANDLE dialog, int32_t id, int32_t x, int32_t y, int32_t width) {
    const WINDOW_HANDLE combo = Get_Dialog_Item(dialog, id);
    RECT_AREA rect;
    Get_Window_Rect(combo, &rect);
    const int32_t left = Dialog_Units_To_Pixels_X(x), top = Dialog_Units_To_Pixels_Y(y);
    Move_Window(combo, {left, top, left + Dialog_Units_To_Pixels_X(width), top + rect.Bottom - rect.Top});
    Show_Window(combo, true);
}

int32_t Slot_Of_Button(int32_t id) {
    for (int32_t slot = 0; slot < static_cast<int32_t>(std::size(EDITOR_SLOT_BUTTONS)); ++slot)
        if (EDITOR_SLOT_BUTTONS[slot] == id) return slot;
    return -1;
}

// The slot's player in the team's depth chart of the play's formation, in
// the Scouting Report (no player when he is not on this team any more).
void Show_Slot_Player(WINDOW_HANDLE dialog, int32_t slot) {
    const int32_t team = Get_User_Preference(VIEWED_TEAM);
    int32_t side = 0;
    const int32_t play = Get_Playbook_Editor_Play(&side, nullptr, nullptr);
    const int32_t formation =
        side == 0 ? Get_Offensive_Play_Formation(team, play) : Get_Defensive_Play_Formation(team, play);
    PLAYER_LOCATION where{};
    const int32_t id = Get_Formation_Depth_Chart_Entry(team, formation, slot);
    const bool found = id > 0 && Lookup_Player_ID_Hash(&where, id) != 0 && where.Team == team;
    Show_Scouting_Report(dialog, team, found ? where.Slot : NO_PLAYER);
    Fill_Playbook_Editor_Page(dialog);
}

void Choose_Team(WINDOW_HANDLE dialog) {
    const WINDOW_HANDLE combo = Get_Dialog_Item(dialog, EDITOR_TEAM_COMBO);
    const int32_t selection = Combo_Box_Get_Current_Selection(combo);
    if (selection < 0) return;
    Store_Playbook_Editor_Text(dialog);
    Set_Viewed_Team(static_cast<int32_t>(Combo_Box_Get_Item_Data(combo, selection) - TEAM_ITEM_DATA_BASE));
    Fill_Playbook_Editor_Page(dialog);
}

void Choose_Folder(WINDOW_HANDLE dialog) {
    const int32_t selection = Combo_Box_Get_Current_Selection(Get_Dialog_Item(dialog, EDITOR_FOLDER_COMBO));
    if (selection < 0) return;
    Store_Playbook_Editor_Text(dialog);
    const bool defense = selection >= OFFENSIVE_FOLDERS;
    Set_User_Preference(PLAYBOOK_EDITOR_SIDE, defense ? 1 : 0);
    Set_User_Preference(PLAYBOOK_EDITOR_FOLDER, defense ? selection - OFFENSIVE_FOLDERS : selection);
    Set_User_Preference(PLAYBOOK_EDITOR_SLOT, 0);
    Highlighted_Formation_Slot = NO_HIGHLIGHTED_SLOT;
    Fill_Playbook_Editor_Page(dialog);
}

void Choose_Play(WINDOW_HANDLE dialog) {
    const int32_t selection = Combo_Box_Get_Current_Selection(Get_Dialog_Item(dialog, EDITOR_PLAY_COMBO));
    if (selection < 0) return;
    Store_Playbook_Editor_Text(dialog);
    Set_User_Preference(PLAYBOOK_EDITOR_SLOT, selection);
    Fill_Playbook_Editor_Page(dialog);
}

void Clear_Results(WINDOW_HANDLE dialog) {
    const int32_t team = Get_User_Preference(VIEWED_TEAM);
    int32_t side = 0;
    const int32_t play = Get_Playbook_Editor_Play(&side, nullptr, nullptr);
    Clear_Play_Result_Data(team, side, play);
    Fill_Playbook_Editor_Page(dialog);
    if (++clear_clicks != 2) return;
    const char* question =
        side == 0 ? "Would you like to delete ALL play result data contained in this offensive playbook"
                  : "Would you like to delete ALL play result data contained in this defensive playbook";
    if (Show_Message_Box(question, "Clear Play Result Data", BOX_YES_NO | BOX_QUESTION | BOX_TASK_MODAL) ==
        ID_BOX_YES) {
        Clear_Playbook_Result_Data(team, side);
        Fill_Playbook_Editor_Page(dialog);
    }
}

void Highlight_Combo_Slot(WINDOW_HANDLE dialog, int32_t id) {
    const int32_t side = Get_User_Preference(PLAYBOOK_EDITOR_SIDE) != 0 ? 1 : 0;
    int32_t slot = NO_HIGHLIGHTED_SLOT;
    if (side == 0 && id >= EDITOR_FIRST_ROUTE && id < EDITOR_FIRST_ROUTE + PLAY_RECEIVERS)
        slot = id - EDITOR_FIRST_ROUTE + 1;
    else if (side != 0 && (id == EDITOR_PRIMARY || (id >= EDITOR_RUSHING_HOLE && id <= 1401)))
        slot = Get_Playbook_Editor_Control_Index(id);
    if (slot == NO_HIGHLIGHTED_SLOT || slot == Highlighted_Formation_Slot) return;
    Highlighted_Formation_Slot = slot;
    Redraw_Control_Area(dialog, EDITOR_DIAGRAM);
}

intptr_t Handle_Command(WINDOW_HANDLE dialog, int32_t id, uint32_t notification) {
    if (Get_Playbook_Editor_Combo(dialog, id) != NO_WINDOW) {
        if (notification == NOTIFY_COMBO_SELECTION_CHANGE) Apply_Playbook_Editor_Combo(dialog, id);
        if (notification == NOTIFY_COMBO_DROP_DOWN || notification == NOTIFY_COMBO_SET_FOCUS)
            Highlight_Combo_Slot(dialog, id);
        return 1;
    }
    const int32_t slot = Slot_Of_Button(id);
    if (slot >= 0) {
        Show_Slot_Player(dialog, slot);
        return 1;
    }
    switch (id) {
    case EDITOR_TEAM_COMBO:
        if (notification == NOTIFY_COMBO_SELECTION_CHANGE) Choose_Team(dialog);
        return 1;
    case EDITOR_FOLDER_COMBO:
        if (notification == NOTIFY_COMBO_SELECTION_CHANGE) Choose_Folder(dialog);
        return 1;
    case EDITOR_PLAY_COMBO:
        if (notification == NOTIFY_COMBO_SELECTION_CHANGE) Choose_Play(dialog);
        return 1;
    case EDITOR_DONE:
        Store_Playbook_Editor_Text(dialog);
        Highlighted_Formation_Slot = NO_HIGHLIGHTED_SLOT;
        End_Dialog(dialog, 1);
        return 1;
    case ID_CANCEL:
        Highlighted_Formation_Slot = NO_HIGHLIGHTED_SLOT;
        End_Dialog(dialog, 1);
        return 1;
    case EDITOR_HELP:
        Open_Context_Help(PLAYBOOK_EDITOR_DIALOG);
        return 1;
    case EDITOR_LOAD:
        Refresh_Bars_And_Do_Dialog(dialog, LOAD_PLAYBOOK_DIALOG);
        Fill_Playbook_Editor_Page(dialog);
        return 1;
    case EDITOR_SAVE:
        Store_Playbook_Editor_Text(dialog);
        Refresh_Bars_And_Do_Dialog(dialog, SAVE_PLAYBOOK_DIALOG);
        return 1;
    case EDITOR_VIEW_DEPTH_CHART:
        Store_Playbook_Editor_Text(dialog);
        Do_Dialog(dialog, Get_User_Preference(PLAYBOOK_EDITOR_SIDE) != 0 ? 128 : OFFENSE_DIALOG, 0);
        Fill_Playbook_Editor_Page(dialog);
        return 1;
    case EDITOR_CLEAR_RESULTS:
        Clear_Results(dialog);
        return 1;
    case EDITOR_CARD_SELECTION:
        Toggle_Play_Card_Selection(dialog);
        return 1;
    case EDITOR_CARD_KIT:
        Store_Playbook_Editor_Text(dialog);
        Make_Gridiron_Kit();
        return 1;
    default:
        return 0;
    }
}

void Paint_Diagram(WINDOW_HANDLE dialog) {
    PAINT_INFO paint;
    DEVICE_CONTEXT* dc = Begin_Paint(dialog, &paint);
    if (dc == nullptr) return;
    RECT_AREA rect;
    Get_Dialog_Item_Rect(dialog, EDITOR_DIAGRAM, &rect);
    // The diagram lies inside its frame, whose edge would cover the bottom of
    // the play's name under it.
    rect = {rect.Left + DIAGRAM_FRAME_EDGE, rect.Top + DIAGRAM_FRAME_EDGE, rect.Right - DIAGRAM_FRAME_EDGE,
            rect.Bottom - DIAGRAM_FRAME_EDGE};
    int32_t side = 0;
    const int32_t play = Get_Playbook_Editor_Play(&side, nullptr, nullptr);
    Draw_Play_Diagram(dc, rect, Get_User_Preference(VIEWED_TEAM), play, DIAGRAM_FONT, side, false, false);
    End_Paint(dialog, &paint);
}
} // namespace

const DIALOG_TEMPLATE PLAYBOOK_EDITOR_DIALOG_TEMPLATE = {
    PLAYBOOK_EDITOR_DIALOG,
    "Playbook Editor",
    628,
    392,
    "MS Sans Serif",
    8,
    WINDOW_CAPTION | WINDOW_BORDER,
    EDITOR_CONTROLS,
    static_cast<int32_t>(sizeof EDITOR_CONTROLS / sizeof EDITOR_CONTROLS[0]),
    1};

int32_t Get_Role_Combo_Id(int32_t slot) {
    return slot == 0 ? EDITOR_PRIMARY : EDITOR_RUSHING_HOLE + slot - 1;
}

void Lay_Out_Playbook_Editor_Side(WINDOW_HANDLE dialog, int32_t side) {
    const bool offense = side == 0;
    const int32_t rows_top = offense ? OFFENSE_ROWS_TOP : DEFENSE_ROWS_TOP;
    for (int32_t slot = 0; slot < PLAYERS_ON_FIELD; ++slot) {
        const int32_t y = rows_top + slot * ROW_PITCH;
        Place(dialog, EDITOR_FIRST_SLOT_LABEL + slot, LABEL_X, y + 2, LABEL_WIDTH, 10, true);
        Place(dialog, EDITOR_SLOT_BUTTONS[slot], BUTTON_X, y, BUTTON_WIDTH, 13, true);
    }
    if (offense) {
        Place_Combo(dialog, EDITOR_RUSHING_HOLE, TOP_COMBO_X, 36, TOP_COMBO_WIDTH);
        Place_Combo(dialog, EDITOR_PLAY_ACTION_HOLE, TOP_COMBO_X, 52, TOP_COMBO_WIDTH);
        Place_Combo(dialog, EDITOR_PRIMARY, TOP_COMBO_X, 68, TOP_COMBO_WIDTH);
        for (int32_t r = 0; r < PLAY_RECEIVERS; ++r)
            Place_Combo(dialog, EDITOR_FIRST_ROUTE + r, COMBO_X, rows_top + (r + 1) * ROW_PITCH, COMBO_WIDTH);
        for (int32_t id = 1399; id <= 1401; ++id)
            Show_Window(Get_Dialog_Item(dialog, id), false);
    } else {
        for (int32_t slot = 0; slot < PLAYERS_ON_FIELD; ++slot)
            Place_Combo(dialog, Get_Role_Combo_Id(slot), COMBO_X, rows_top + slot * ROW_PITCH, COMBO_WIDTH);
    }
    for (int32_t id : {EDITOR_PLAY_TYPE_COMBO, EDITOR_PLAY_TYPE_LABEL, EDITOR_HOLE_LABEL,
                       EDITOR_PLAY_ACTION_LABEL, EDITOR_PRIMARY_LABEL})
        Show_Window(Get_Dialog_Item(dialog, id), offense);
}

intptr_t Playbook_Editor_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (Is_Dialog_Colour_Message(code)) return Answer_Dialog_Colour(code, dialog, wparam, lparam);
    switch (code) {
    case MSG_INIT_DIALOG:
        Set_Up_Skinned_Dialog(dialog, {EDITOR_DONE, EDITOR_HELP, EDITOR_LOAD, EDITOR_SAVE,
                                       EDITOR_VIEW_DEPTH_CHART, EDITOR_CLEAR_RESULTS, EDITOR_CARD_KIT});
        Edit_Set_Limit(Get_Dialog_Item(dialog, EDITOR_FOLDER_NAME), FOLDER_NAME_LENGTH - 1);
        Edit_Set_Limit(Get_Dialog_Item(dialog, EDITOR_PLAY_NAME), PLAY_NAME_LENGTH - 1);
        Edit_Set_Limit(Get_Dialog_Item(dialog, EDITOR_PLAY_COMMENT), PLAY_DESCRIPTION_LENGTH - 1);
        Edit_Set_Limit(Get_Dialog_Item(dialog, EDITOR_NOTES), PLAYBOOK_NOTES_LENGTH - 1);
        // The results and the players' values in the small font, to fit their panels.
        Fit_Editor_Small_Fonts(dialog);
        clear_clicks = 0;
        {
            // The page fills in a depth chart the team's formations lack.
            const KEEP_GAME_SAVED derived;
            Fill_Playbook_Editor_Page(dialog);
        }
        return 1;
    case MSG_PAINT:
        Paint_Diagram(dialog);
        return 1;
    case MSG_COMMAND:
        return Handle_Command(dialog, Command_Id(wparam), Command_Notification(wparam));
    default:
        return 0;
    }
}
