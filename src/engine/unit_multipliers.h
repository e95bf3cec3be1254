#pragma once
// Per-snap unit multipliers computed from the eleven players on the field of
// each side, the soft clamp they share, and the pass-outcome matchup. Every
// multiplier is a float near 1.0 (1.0 for an eleven rated 70).
#include <cstdint>

#include "database/game_record_layout.h"

// Outcome codes of Choose_Pass_Outcome.
enum PASS_OUTCOME : int32_t {
    PASS_OUTCOME_INCOMPLETE = 0,
    PASS_OUTCOME_COMPLETE = 1,
    PASS_OUTCOME_INTERCEPTED = 2,
    PASS_OUTCOME_SACKED = 3,
    PASS_OUTCOME_DEFENDED = 4,
    PASS_OUTCOME_SACK_FUMBLE = 5,
};

// The league rates of the universe header (season/league_rates.h), each
// replaced by its default when the stored value is not positive.
int32_t Get_League_Yards_Per_Rush();
int32_t Get_League_Completion_Rate();
int32_t Get_League_Yards_Per_Completion();

// Soft clamp shared by every multiplier: values beyond sqrt(L) or below
// sqrt(1/L) are pulled halfway back, then clamped to [1/L, L].
float Soften_Multiplier(float x, float limit);

// On-field sides of the current snap: the offence is the possessing team.
int32_t Get_Offense_Team(const GAME_RECORD* pGame);
int32_t Get_Defense_Team(const GAME_RECORD* pGame);
// Roster slot of on-field index i (0..10) of the offence or defence; 255 empty.
int32_t Get_Offense_Field_Slot(const GAME_RECORD* pGame, int32_t index);
int32_t Get_Defense_Field_Slot(const GAME_RECORD* pGame, int32_t index);

float Get_Receiving_Multiplier(const GAME_RECORD* pGame);
float Get_Ball_Carrier_Multiplier(const GAME_RECORD* pGame);
float Get_Offensive_Skill_Multiplier(const GAME_RECORD* pGame);
float Get_Pass_Blocking_Multiplier(const GAME_RECORD* pGame);
float Get_Run_Blocking_Multiplier(const GAME_RECORD* pGame);
float Get_Line_Discipline_Multiplier(const GAME_RECORD* pGame);
float Get_Pass_Rush_Unit_Multiplier(const GAME_RECORD* pGame);
float Get_Coverage_Unit_Multiplier(const GAME_RECORD* pGame);
float Get_Ball_Hawk_Multiplier(const GAME_RECORD* pGame);
float Get_Fumble_Forcing_Multiplier(const GAME_RECORD* pGame);
float Get_Tackling_Multiplier(const GAME_RECORD* pGame);
float Get_Run_Defense_Multiplier(const GAME_RECORD* pGame);
// Replay Mode pull of the defence towards its replayed season's rate of stat k.
float Get_Replay_Rate_Ratio(const GAME_RECORD* pGame, int32_t stat);
float Get_Interception_Multiplier(const GAME_RECORD* pGame);
float Get_Sack_Multiplier(const GAME_RECORD* pGame);

// A receiver who has already gained more than 50 yards a game is chosen less often.
int32_t Spread_Receiver_Weight(int32_t team, int32_t slot, int32_t weight);

float Apply_Red_Zone_Factor(const GAME_RECORD* pGame, float x);
float Apply_Goal_Line_Factor(const GAME_RECORD* pGame, float x);

// The outcome of a thrown pass (PASS_OUTCOME): receiver roster slot, primary
// flag, catch depth c and end depth e (yards beyond the line, c <= e).
int32_t Choose_Pass_Outcome(GAME_RECORD* pGame, int32_t receiver, int32_t primary, float catch_depth,
                            float end_depth);
