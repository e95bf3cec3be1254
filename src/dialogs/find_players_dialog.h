#pragma once
// The Find Players dialog (140): the whole league searched for players who
// meet a set of limits (position, age, salary, overall and peak rating, up
// to five position ratings, part of the name), listed in a player list, the
// selected one described beside the user's cap position, and from a found
// player on to a trade, a signing or a fantasy-draft pick.
#include <cstdint>

#include "dialogs/list_dialog_layout.h"
#include "dialogs/listview_engine.h"
#include "platform/dialogs.h"

constexpr int32_t FIND_PLAYERS_DIALOG = 140;

constexpr int32_t FIND_POSITION_BOX = 1217;
constexpr int32_t FIND_AGE_EDIT = 1221;
constexpr int32_t FIND_AGE_SPIN = 1239;
constexpr int32_t FIND_SALARY_EDIT = 1255;
constexpr int32_t FIND_PEAK_EDIT = 1418;
constexpr int32_t FIND_OVERALL_EDIT = 1419;
constexpr int32_t FIND_NAME_EDIT = 1254;
constexpr int32_t FIND_BUTTON = 1215;
constexpr int32_t FIND_GO_GET_BUTTON = 1216;
constexpr int32_t FIND_RATINGS_GROUP = 1467;
constexpr int32_t FIND_INFO_FIRST_LINE = 1349;
constexpr int32_t FIND_INFO_SECOND_LINE = 1350;
constexpr int32_t FIND_RATING_EDITS[5] = {1218, 1219, 1220, 1222, 1380};
constexpr int32_t FIND_RATING_LABELS[5] = {1214, 1226, 1227, 1228, 1231};
// Settings of the saved limits.
constexpr int32_t FIND_OVERALL_SETTING = 62;
constexpr int32_t FIND_POSITION_SETTING = 63;
constexpr int32_t FIND_AGE_SETTING = 64;
constexpr int32_t FIND_FIRST_RATING_SETTING = 65;
constexpr int32_t FIND_SALARY_SETTING = 70;
constexpr int32_t FIND_PEAK_SETTING = 71;
constexpr int32_t FIND_DEPTH_CHARTS_SET = 18;
constexpr int32_t FIND_ANY_PLAYER = 15;

extern const DIALOG_TEMPLATE FIND_PLAYERS_DIALOG_TEMPLATE;
extern LISTVIEW_DATA Find_Players_Data;
extern LIST_DIALOG_LAYOUT Find_Players_Layout;

intptr_t Find_Players_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam);
void Fill_Find_Position_Box(WINDOW_HANDLE dialog);
void Show_Find_Position_Ratings(WINDOW_HANDLE dialog);
void Init_Find_Players_Controls(WINDOW_HANDLE dialog);
void Load_Find_Players_Limits(WINDOW_HANDLE dialog);
// False, with a message naming the limit, when a box in use holds no number.
bool Save_Find_Players_Limits(WINDOW_HANDLE dialog);
// The five rating minimums (0 for a box not shown); false when one in use is no number.
bool Read_Find_Rating_Limits(WINDOW_HANDLE dialog, int32_t minimums[5]);
// Runs the search of the dialog's limits into the list; the number of
// players found, or -1 when a limit was no number (nothing searched).
int32_t Search_Find_Players(LISTVIEW_DATA* data);
// The two description lines; team 128 describes no player.
void Show_Find_Player_Info(WINDOW_HANDLE dialog, int32_t team, int32_t slot);
// A position's long name as a plural ("Safeties", "Running Backs").
void Format_Position_Plural(int32_t position, char* out, int32_t size);
