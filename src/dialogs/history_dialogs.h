#pragma once
// Two read-only dialogs over the league's history: the player Hall of Fame
// (139, the members of team 37 with position, induction year and vote
// share, each opening his scouting report) and a team's History (174, its
// seasons' attendance, profit, record, rank and finish, with their yearly
// averages).
#include <cstdint>

#include "platform/dialogs.h"

constexpr int32_t HALL_OF_FAME_DIALOG = 139;
constexpr int32_t TEAM_HISTORY_DIALOG = 174;
constexpr int32_t HALL_OF_FAME_LIST = 1210;
constexpr int32_t HALL_OF_FAME_BUTTON_BOX = 40100;
constexpr int32_t TEAM_HISTORY_LIST = 1274;
// The four texts of the "Yearly Averages" box.
constexpr int32_t HISTORY_AVERAGE_TEXTS[4] = {1370, 1371, 1372, 1373};
constexpr int32_t HISTORY_TEXT_SIZE = 256;

extern const DIALOG_TEMPLATE HALL_OF_FAME_DIALOG_TEMPLATE;
extern const DIALOG_TEMPLATE TEAM_HISTORY_DIALOG_TEMPLATE;

intptr_t Hall_Of_Fame_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam);
// One line per member inducted before the current year, in slot order.
void Fill_Hall_Of_Fame_List(WINDOW_HANDLE dialog);
// "name<tab>  pos<tab>year<tab>share%<tab>".
void Format_Hall_Of_Fame_Line(int32_t slot, char* text);
void Update_Hall_Of_Fame_Buttons(WINDOW_HANDLE dialog);

intptr_t History_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam);
// One line for each past season the viewed team played (Has_Team_Played_Season):
// none from before a franchise joined the league.
void Fill_Team_History(WINDOW_HANDLE dialog);
// Year, attendance, profit, record, rank and finish of one season, tab-separated.
void Format_Team_History_Line(char* text, int32_t team, int32_t season);
void Show_Team_History_Averages(WINDOW_HANDLE dialog, int32_t team);
// The four averages' texts (attendance, profit, record, rank) over the past
// seasons the team played, the ones its history lists.
void Format_Team_History_Averages(int32_t team, char texts[4][HISTORY_TEXT_SIZE]);
// The finish of a season by its code, with the team's division or league name.
void Format_Team_Finish(int32_t team, int32_t code, char* text);
// "%d%s": 11, 12 and 13 take "th", 21 "st", 22 "nd".
void Format_History_Ordinal(int32_t number, char* text);
