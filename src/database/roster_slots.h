#pragma once
// Moving whole player records between slots, free-slot searches, roster
// quotas and the rating maintenance run over records.
#include <cstdint>

#include "database/player_record_layout.h"

// Players of each basic position that count as within the roster quota.
int32_t Get_Position_Quota(int32_t position);

// Record moves.
void Copy_Player(int32_t dst_team, int32_t dst_slot, int32_t src_team, int32_t src_slot);
void Copy_Player_To_Memory(PLAYER_RECORD* buffer, int32_t team, int32_t slot);
void Copy_Player_From_Memory(int32_t team, int32_t slot, const PLAYER_RECORD* buffer);
void Swap_Players(int32_t team_a, int32_t slot_a, int32_t team_b, int32_t slot_b);
void Clear_Player(int32_t team, int32_t slot);
void Remove_Player(int32_t team, int32_t slot);
void Delete_Player(int32_t team, int32_t slot);
void Compact_Team_Roster(int32_t team);
void Clear_Player_Statistics(int32_t team, int32_t slot);

// Free slots.
int32_t Find_Empty_Player_Slot(int32_t team);
int32_t Get_First_Empty_Player_Slot(int32_t team);

// Quota.
int32_t Is_Player_Within_Position_Quota(int32_t team, int32_t slot);
int32_t Is_Player_Within_Unit_Quota(int32_t team, int32_t slot);

// Rating maintenance.
// His evaluation at his own position, after new ratings when it is below 25.
float Ensure_Player_Minimum_Rating(int32_t team, int32_t slot);
// The same for ratings in place for a moment (a projection): the evaluation is
// not kept for the next call.
float Ensure_Passing_Minimum_Rating(int32_t team, int32_t slot);
// Forgets every kept evaluation (tests and benchmarks measure the first one).
void Forget_Player_Evaluations();
// A rating read for a decision: not a number becomes the league baseline, a
// value below 20 becomes 20, and the repaired value is stored back.
float Read_Repaired_Player_Rating(int32_t team, int32_t slot, int32_t rating);
void Rescale_Player_Ratings(int32_t team, int32_t slot, float target);
void Fill_Missing_Player_Ratings();
