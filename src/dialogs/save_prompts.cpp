#include "dialogs/save_prompts.h"

#include <cstdio>

#include "app/modal_dialogs.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "engine/game_record.h"
#include "engine/game_screen_hooks.h"
#include "personnel/fantasy_draft.h"
#include "platform/message_box.h"
#include "season/week_advance.h"

int32_t Do_Save_Game(WINDOW_HANDLE owner) {
    if (Get_User_Preference(SIMULATION_RUNNING) != 0 && Is_Game_Play_By_Play(Current_Game) == 0) {
        Stop_Day_With_Message("Save Game", "Can't save game data while playing games.");
        return 0;
    }
    // The file holds the game as the window showed it when the user asked
    // to save: the draft makes no pick under the dialog.
    const FANTASY_DRAFT_STEPS_HELD draft_held;
    return Refresh_Bars_And_Do_Dialog(owner, SAVE_GAME_DIALOG);
}

int32_t Check_Save_Changes(WINDOW_HANDLE owner) {
    if (Is_Game_Saved()) return 1;
    // Nor under the question: a Yes saves the game the user was asked about.
    const FANTASY_DRAFT_STEPS_HELD draft_held;
    switch (Show_Message_Box("Save changes to current game since last save?", "Game Not Saved",
                             BOX_YES_NO_CANCEL | BOX_INFORMATION | BOX_TASK_MODAL)) {
    case ID_BOX_YES:
        return Do_Save_Game(owner);
    case ID_BOX_NO:
        return 1;
    default:
        return 0;
    }
}

void Stop_Day_With_Message(const char* caption, const char* text) {
    Show_Formatted_Message(caption, "%s\n\nPlease try again once this day is completed.",
                           text != nullptr ? text : "");
    Stop_Simulation();
}
