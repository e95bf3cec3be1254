#pragma once
// The computer's offensive call: situational decisions first, then a weighted
// choice among the offence's plays of a category near a wanted yardage.
#include <cstdint>

#include "database/game_record_layout.h"

// Search categories of Find_Offensive_Play.
constexpr int32_t PLAY_CATEGORY_RUN = 0;
constexpr int32_t PLAY_CATEGORY_DRAW = 3;
constexpr int32_t PLAY_CATEGORY_END_AROUND = 5;
constexpr int32_t PLAY_CATEGORY_PASS = 6;

// Category of a PLAY_TYPE for the search.
int32_t Get_Play_Search_Category(int32_t play_type);

int32_t Choose_Offensive_Play(GAME_RECORD* pGame);
int32_t Get_Offensive_Run_Tendency(GAME_RECORD* pGame);
int32_t Find_Offensive_Play(GAME_RECORD* pGame, int32_t category, int32_t wanted);
int32_t Should_Punt(GAME_RECORD* pGame);
int32_t Should_Kick_Field_Goal(GAME_RECORD* pGame);
int32_t Has_Comeback_Time(const GAME_RECORD* pGame);
int32_t Should_Squib_Kick(const GAME_RECORD* pGame);
int32_t Should_Onside_Kick(const GAME_RECORD* pGame);
int32_t Should_Kneel_Down(const GAME_RECORD* pGame);
int32_t Is_Half_Ending(const GAME_RECORD* pGame);
// Is_Half_Ending once the first half is over: the game's last seconds.
int32_t Is_Game_Ending(const GAME_RECORD* pGame);
int32_t Is_Overtime_Possession_Rule_Over(const GAME_RECORD* pGame);
int32_t Limit_Running_Back_Workload(int32_t team, int32_t slot, int32_t weight);
// The carries a running back may take this season, the game being played
// counted among his games, before his weight is cut, and his carries so far;
// false for a slot without a player.
bool Get_Running_Back_Workload(int32_t team, int32_t slot, int32_t* limit, int32_t* carries);
int32_t Get_Top_Receiver_Threat(GAME_RECORD* pGame);

// A snap's offensive call: the last call, counted in the calling side's
// play-use table (plays 0-59).
void Record_Offensive_Play_Call(GAME_RECORD* pGame, int32_t play);
// Zeroes both play-use tables (play_matchups.h) and sets both last calls to -1.
void Reset_Play_Use_Counts();
// The computer's defensive call, stored as the user's (PBP_DEFENSIVE_PLAY).
void Store_Computer_Defensive_Call(GAME_RECORD* pGame);
