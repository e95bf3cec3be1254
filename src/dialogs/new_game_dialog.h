#pragma once
// The New Game dialog (105): the starting season 1951-2022, its franchises
// with their figures and notable players, the user's name, the difficulty
// and the advanced options; "Play" starts season 0 with the chosen franchise
// run by the user.
#include <cstdint>

#include "platform/dialogs.h"

constexpr int32_t NEW_GAME_SEASON_COMBO = 1089;
constexpr int32_t NEW_GAME_TEAM_COMBO = 1010;
constexpr int32_t NEW_GAME_NAME_EDIT = 1013;
constexpr int32_t NEW_GAME_DIFFICULTY_COMBO = 1008;
constexpr int32_t NEW_GAME_PLAY_BUTTON = 1391;
constexpr int32_t NEW_GAME_SHUFFLE_BOX = 1317;
constexpr int32_t NEW_GAME_FICTIONAL_BOX = 1456;
constexpr int32_t NEW_GAME_EQUALIZE_BOX = 1318;
constexpr int32_t NEW_GAME_FANTASY_BOX = 1321;
constexpr int32_t NEW_GAME_REPLAY_BOX = 1322;
constexpr int32_t NEW_GAME_SEASON_INFO = 1450;
// The five notable-player lines, in order.
constexpr int32_t NEW_GAME_NOTABLE_LINES[5] = {1020, 1021, 1022, 1024, 1025};
// Fan base, fan loyalty, fan income, franchise value, stadium, payroll.
constexpr int32_t NEW_GAME_FACT_LINES[6] = {1018, 1019, 1023, 1016, 1017, 1093};

extern const DIALOG_TEMPLATE NEW_GAME_DIALOG_TEMPLATE;

// Ends with 1 once a game has started, 2 when cancelled.
intptr_t New_Game_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam);

// The dialog's routines, each given the dialog.
// The years 1951-2022, the last selected, and the season loaded for it.
void Fill_Season_Combo(WINDOW_HANDLE dialog);
// The franchises of the league loaded, in slot order; the first selected.
void Fill_Team_Combo(WINDOW_HANDLE dialog);
void Show_Franchise_Statistics(WINDOW_HANDLE dialog);
void Show_Notable_Players(WINDOW_HANDLE dialog);
void Show_Season_Info(WINDOW_HANDLE dialog);
// The owner name kept in the owner Hall of Fame file.
void Show_Owner_Name(WINDOW_HANDLE dialog);
// Difficulty 0 ("Fan") and the difficulty list filled again.
void Reset_Difficulty_Combo(WINDOW_HANDLE dialog);
