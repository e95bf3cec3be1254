#pragma once
// Running plays: designed runs, quarterback scrambles and kneel-downs, with
// lost and kept fumbles.
#include <cstdint>

#include "database/game_record_layout.h"

void Resolve_Running_Play(GAME_RECORD* pGame, int32_t scramble);
void Resolve_Kneel_Down(GAME_RECORD* pGame);
// 0 left, 1 inside, 2 right.
int32_t Choose_Run_Direction(GAME_RECORD* pGame, int32_t scramble);
int32_t Draw_Scramble_Depth(int32_t direction);
// Replay Mode pull of scoring towards the replayed season's team figures.
float Get_Replay_Rushing_Factor(const GAME_RECORD* pGame);
// Mean of team statistic 21 over the active franchises.
int32_t Get_League_Replay_Rushing_Norm();
// Ball comes loose but the offence keeps it; threshold in 1/10,000 (0 = the
// carrier's own fumble chance). forcer is a defensive roster slot or 255.
int32_t Check_For_Kept_Fumble(GAME_RECORD* pGame, int32_t carrier, int32_t forcer, int32_t threshold);
void Narrate_Run(GAME_RECORD* pGame, int32_t carrier, int32_t tackler, int32_t gain, int32_t scramble);
// Offensive roster slot credited with opening the hole, or 255.
int32_t Find_Hole_Blocker(GAME_RECORD* pGame);
