#pragma once
// The computer's defensive call and the per-game play matchup table.
#include <cstdint>

#include "database/game_record_layout.h"
#include "engine/play_matchups.h"

// Per-game matchup values, per mille: [offensive play][defensive play]. A row
// takes two whole cache lines (its last two values unused): the defensive
// call reads five rows a snap.
constexpr int32_t MATCHUP_TABLE_COLUMNS = 32;
static_assert(MATCHUP_TABLE_COLUMNS >= DEFENSIVE_PLAY_NUMBERS);
extern int32_t Play_Matchup_Table[OFFENSIVE_PLAY_NUMBERS][MATCHUP_TABLE_COLUMNS];

int32_t Choose_Defensive_Play(GAME_RECORD* pGame);
int32_t Get_Defensive_Formation_Pass_Focus(int32_t formation);
bool Is_Defensive_Formation(int32_t formation);
int32_t Get_Pass_Focus_Match(int32_t formation_a, int32_t formation_b);
int32_t Get_Team_Defensive_System_Match(int32_t team, int32_t formation);
int32_t Get_Play_Matchup_Value(int32_t oteam, int32_t o, int32_t dteam, int32_t d);
void Build_Play_Matchup_Table(GAME_RECORD* pGame);
// A snap's defensive call: the last call, counted in the defending side's
// play-use table (plays 0-29).
void Record_Defensive_Play_Call(GAME_RECORD* pGame, int32_t play);
