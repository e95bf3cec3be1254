#pragma once
// Kickoffs, onside kicks and punts, the kickoff that opens each period, and the
// period and half clock queries.
#include <cstdint>

#include "database/game_record_layout.h"

// Down code of a punt snap.
constexpr uint32_t PUNT_DOWN = 10;
// Return yards that mean a touchdown return.
constexpr int32_t RETURN_TOUCHDOWN_YARDS = 110;

// Rows of the special-teams play table used for kickoffs.
constexpr int32_t KICKOFF_ROW_NORMAL = 0;
constexpr int32_t KICKOFF_ROW_SQUIB = 1;
constexpr int32_t KICKOFF_ROW_ONSIDE = 2;
constexpr int32_t KICKOFF_ROW_SURPRISE_ONSIDE = 3;

// Sets up the kickoff of a half or an overtime period.
void Start_Game_Period(GAME_RECORD* pGame);

void Resolve_Kickoff(GAME_RECORD* pGame);
void Resolve_Onside_Kick(GAME_RECORD* pGame);
void Resolve_Punt(GAME_RECORD* pGame);

// Return yards 1..110 (110 is a touchdown) of a kick returner.
int32_t Get_Kick_Return_Yards(int32_t team, int32_t slot, int32_t squib);
int32_t Get_Punt_Return_Yards(int32_t team, int32_t slot, int32_t punt_distance);

int32_t Get_Period_Length(const GAME_RECORD* pGame);
int32_t Get_Period_Time_Left(const GAME_RECORD* pGame);
int32_t Get_Half_Time_Left(const GAME_RECORD* pGame);
