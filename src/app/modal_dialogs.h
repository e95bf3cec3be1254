#pragma once
// The dialog dispatcher: every modal dialog is opened by its resource number
// through Do_Dialog, which knows each dialog's template and procedure.
#include <cstdint>

#include "platform/dialogs.h"
#include "platform/handles.h"

constexpr int32_t ABOUT_DIALOG = 103;
constexpr int32_t SIMULATION_TOOL_DIALOG = 104;
constexpr int32_t NEW_GAME_DIALOG = 105;
constexpr int32_t WELCOME_DIALOG = 110;
constexpr int32_t RESUME_GAME_DIALOG = 118;
constexpr int32_t OFFENSE_DIALOG = 119;
constexpr int32_t SAVE_GAME_DIALOG = 120;
constexpr int32_t PLAY_MULTIPLE_SEASONS_DIALOG = 179;
constexpr int32_t PRE_GAME_MATCHUP_DIALOG = 181;
constexpr int32_t PROGRESS_DIALOG = 189;
constexpr int32_t NEW_VERSION_DIALOG = 199;
constexpr int32_t USER_MESSAGE_DIALOG = 41008;

// The Choose Stat dialogs (143, 144, 145, 163) read which of them was opened here.
extern int32_t Choose_Stat_Dialog_Id;

// Opens dialog `dialog_id` modally over `owner` (NO_WINDOW: the main window)
// and returns its end result. An unknown id is refused with a message and
// gives 0. Afterwards the live box score lines forget their players and the
// main window's view is painted afresh.
int32_t Do_Dialog(WINDOW_HANDLE owner, int32_t dialog_id, intptr_t parameter);
// Re-docks and shows the status bars, then Do_Dialog with parameter 0.
int32_t Refresh_Bars_And_Do_Dialog(WINDOW_HANDLE owner, int32_t dialog_id);
// The template the dispatcher builds dialog `dialog_id` from (nullptr for an unknown id).
const DIALOG_TEMPLATE* Get_Dialog_Template(int32_t dialog_id);
// Every dialog id the dispatcher knows, in table order.
int32_t Get_Dialog_Table_Size();
int32_t Get_Dialog_Table_Id(int32_t row);

// Number of dialogs opened since start-up, and the last one's id (-1 none).
int32_t Count_Dialogs_Opened();
int32_t Get_Last_Dialog_Id();
