#pragma once
// Passing plays: scramble check, target and depth, and the outcome applied to
// the game (completion, interception, sack and their returns).
#include <cstdint>

#include "database/game_record_layout.h"

int32_t Check_For_Scramble(GAME_RECORD* pGame);
void Resolve_Pass_Play(GAME_RECORD* pGame);
void Narrate_Scramble(GAME_RECORD* pGame);
void Narrate_Incomplete_Pass(GAME_RECORD* pGame, int32_t receiver, int32_t defender, int32_t depth,
                             int32_t interception);
void Narrate_Completed_Pass(GAME_RECORD* pGame, int32_t receiver, int32_t tackler, int32_t after_catch,
                            int32_t catch_depth);
// The offence's on-field player in slot index + 1; 255 when empty or out of range.
int32_t Get_Receiver_Slot(const GAME_RECORD* pGame, int32_t receiver_index);
// Receiver index 0..4; *primary_chosen is 1 when the primary-receiver roll chose him.
int32_t Choose_Pass_Target(GAME_RECORD* pGame, int32_t* primary_chosen);
int32_t Get_Throw_Depth_Limit(GAME_RECORD* pGame, int32_t receiver);
void Implement_Pass_Result(GAME_RECORD* pGame, int32_t receiver, int32_t outcome, int32_t route,
                           int32_t catch_depth, int32_t end_depth);
