#pragma once
// The texts of the Games view: the title, the points of each period, the
// ball's spot, the period, the situation line and the team comparison, and
// the week the view shows.
#include <cstdint>

#include "database/game_record_layout.h"

// Buffers of at least FORMATTED_TEXT_SIZE bytes.

// The week name of the game's week; a conference championship becomes
// "<league> Title Game".
void Get_Title_Game_Name(const GAME_RECORD* pGame, char* buffer);
// Adds the points a logged result gives to the pair (side 0, side 1);
// `side` is the scoring-side bit of the entry.
void Add_Play_Result_Points(int32_t side, int32_t result, int32_t points[2]);
// Points of a side in period 0..3 (4: overtime), from the play log.
int32_t Get_Game_Period_Score(const GAME_RECORD* pGame, int32_t period, int32_t side);
// "50-Yard Line", or the half's team with the yard line ("Hawks' 35").
void Format_Ball_Spot(char* buffer, const GAME_RECORD* pGame);
// "FINAL", "2nd Quarter", "Overtime".
void Format_Game_Period(char* buffer, const GAME_RECORD* pGame);
// The situation of the coming snap ("Third and 4 on the Bears' 35").
void Format_Situation_Text(char* buffer, const GAME_RECORD* pGame);
// The scoreboard's full team name ("Tampa Bay Buccaneers" is shortened).
void Get_Scoreboard_Team_Name(int32_t team, char* buffer);
// Row 0..9 of the team comparison for a side.
constexpr int32_t COMPARISON_ROWS = 10;
void Format_Team_Comparison_Value(char* buffer, const GAME_RECORD* pGame, int32_t row, int32_t side);
// Label of a comparison row (row 9 by whether the game is over).
const char* Get_Team_Comparison_Label(const GAME_RECORD* pGame, int32_t row);
// Tenths of a yard per rush, rounded to the nearest tenth (halves away from
// zero), and its text ("-0.5" keeps its sign).
int32_t Get_Yards_Per_Rush_Tenths(int32_t yards, int32_t rushes);
void Format_Tenths(char* buffer, int32_t tenths);

// Weeks of the tab row around the shown game's week: w - 3 .. w + 2, never
// past the current week - 1 and starting at week 0.
void Get_Week_Tab_Range(int32_t week, int32_t* first, int32_t* last);
// Steps `Shown_Game_Index` one record at a time toward the first record of
// the target week (capped at the week before the fourth playoff day mark).
void Show_Games_Of_Week(int32_t target);
