#include "season/new_game.h"

#include "app/main_menu.h"
#include "app/main_window_title.h"
#include "app/status_bars.h"
#include "database/saved_game.h"
#include "platform/windows.h"
#include "season/week_advance.h"
#include "views/current_view.h"

namespace {
constexpr int32_t STANDINGS_VIEW = 40030;

const DIALOG_CONTROL NEW_GAME_CONTROLS[] = {
    {CONTROL_STATIC_TEXT,
     UNNAMED_CONTROL,
     {10, 10, 200, 20},
     "Start a new game with the league as it is loaded.",
     CONTROL_CENTRE_TEXT},
    {CONTROL_PUSH_BUTTON, ID_OK, {50, 40, 56, 16}, "&Start", WINDOW_TAB_STOP | CONTROL_DEFAULT_BUTTON},
    {CONTROL_PUSH_BUTTON, ID_CANCEL, {114, 40, 56, 16}, "Cancel", WINDOW_TAB_STOP},
};

void Start_Loaded_League() {
    Set_Game_Checksum(Compute_Game_Checksum());
    Set_Current_View(STANDINGS_VIEW);
    Create_Status_Bar();
    Update_Main_Window_Title();
    Refresh_Main_Window_And_Ticker();
}
} // namespace

const DIALOG_TEMPLATE NEW_GAME_DIALOG_TEMPLATE = {
    105,
    "New Game",
    220,
    64,
    "MS Sans Serif",
    8,
    WINDOW_CAPTION | WINDOW_BORDER,
    NEW_GAME_CONTROLS,
    static_cast<int32_t>(sizeof NEW_GAME_CONTROLS / sizeof NEW_GAME_CONTROLS[0]),
    ID_CANCEL};

intptr_t New_Game_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t) {
    switch (code) {
    case MSG_INIT_DIALOG:
        return 1;
    case MSG_COMMAND:
        if (Command_Id(wparam) == ID_OK) {
            End_Dialog(dialog, 1);
            Start_Loaded_League();
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
