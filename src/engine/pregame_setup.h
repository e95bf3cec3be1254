#pragma once
// Setting a game up before its first snap: date, weather, attendance, the
// game depth charts and the starters' credit; and the weather factors the
// play resolution reads during the game.
#include <cstdint>

#include "database/game_record_layout.h"

// Wind speed and direction of a game played indoors.
constexpr int32_t INDOOR_WIND = 65535;

void Setup_Game(GAME_RECORD* pGame);
// Forgets what the game set-up and the snaps keep between calls (the kept
// count of a game's injuries); called when a league is loaded or built.
void Forget_Kept_Game_State();

// Month (0 = January) of a calendar week.
int32_t Get_Game_Month(int32_t week);
// One draw of the precipitation (0-144) for a city in a month.
int32_t Draw_Game_Precipitation(int32_t city, int32_t month);
// The temperature for a city in a month with the drawn precipitation (two draws).
int32_t Draw_Game_Temperature(int32_t city, int32_t month, int32_t precipitation);
// Draws and stores temperature, precipitation and wind of the game.
void Set_Game_Weather(GAME_RECORD* pGame);
bool Is_Game_Indoors(const GAME_RECORD* pGame);

// Attendance from the demand D, the capacity U, the ticket price P and the
// floor F; never negative.
int32_t Compute_Attendance_From_Demand(int32_t demand, int32_t capacity, int32_t price, int32_t floor);
int32_t Get_Game_Attendance(const GAME_RECORD* pGame);
int32_t Get_Stadium_Seating_Rating(int32_t team);

// Game depth charts.
void Update_Game_Depth_Charts(GAME_RECORD* pGame);
void Rebuild_Side_Depth_Chart(GAME_RECORD* pGame, int32_t side);
void Set_Formation_Depth_Charts(int32_t team, int32_t blowout_mode);
void Build_Formation_Depth_Chart_Row(int32_t team, int32_t formation, int32_t blowout_mode);
int32_t Is_Slot_In_Formation_Row(int32_t team, int32_t formation, int32_t slot);
// Whether the player in the slot stands in any formation's row.
int32_t Is_Slot_In_Any_Formation_Row(int32_t team, int32_t slot);
void Credit_Game_Starters(GAME_RECORD* pGame);

// Weather factors for the play resolution.
float Get_Weather_Condition_Factor(const GAME_RECORD* pGame);
float Get_Wind_Factor(const GAME_RECORD* pGame);
float Get_Kick_Distance_Factor(const GAME_RECORD* pGame);
float Get_Kick_Factor(const GAME_RECORD* pGame);
// Rating factor of the player in roster slot `slot` of the possessing team;
// `game_value` is the per-game value the unit multipliers supply.
int32_t Get_Weather_Rating_Factor(const GAME_RECORD* pGame, int32_t slot, float game_value);
