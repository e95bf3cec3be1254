#pragma once
// Modal dialogs as the game logic opens them, and the Play menu's modes.
#include <cstdint>

constexpr int32_t PRE_GAME_MATCHUP_DIALOG = 181;

// Opens dialog `dialog_id` modally and returns its result. Without a display
// the dialog closes at once with OK.
int32_t Do_Dialog(void* parent, int32_t dialog_id, intptr_t parameter);
// Number of dialogs opened since start-up, and the last one's id (-1 none).
int32_t Count_Dialogs_Opened();
int32_t Get_Last_Dialog_Id();

// 0 restores the normal Play menu; otherwise the in-game form.
void Set_Play_Menu_Mode(int32_t mode);
int32_t Get_Play_Menu_Mode();
// Greys (0) or enables every top-level item of the main menu.
void Enable_Main_Menu(int32_t enable);
int32_t Is_Main_Menu_Enabled();
