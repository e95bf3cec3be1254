#pragma once
// Questions the game engine, the announcer and the play diagrams ask of a
// play: which receivers run which routes, which defenders rush or drop. Team
// 255 reads the built-in default playbook; offensive plays 54-59 always do.
#include "database/game_record_layout.h"

// Defensive play queries.
int Count_Defenders_With_Role(int team, int play, int role);
int Count_Defenders_With_Role_8(int team, int play);
bool Has_Defender_With_Role_18(int team, int play);
bool Has_Five_Defenders_Below_Role_4(int team, int play);
// Defenders with `role` standing left of the defender in `slot` (by the
// formation's lateral coordinate; at the same coordinate a higher slot counts).
int Count_Same_Role_Defenders_To_Left(int team, int play, int slot, int role);
// Zone drop point of a short-zone (9) or deep-zone (8) defender, in yards;
// returns 1 when set, 0 (nothing set) for other roles.
int Get_Zone_Defender_Spot(int team, int play, int slot, float* lateral, float* depth);

// Offensive play queries.
bool Is_Play_Action_Route(int route);
// Screens, swings, bench, flare, under and wheel routes: throws behind or at
// the line that the pass rush and coverage treat apart.
bool Is_Special_Pass_Route(int32_t route);
bool Is_Trick_Pass_Play(int team, int play);
bool Is_Special_Pass_Play(int team, int play);
bool Is_Reverse_Play(int team, int play);
bool Has_Receiver_Route_40(int team, int play);
bool Has_Receiver_Route_31_32_37(int team, int play);
bool Is_Read_Or_Option_Play(int team, int play);

// Queries on the current snap of a game; each answers with an on-field
// player (a roster slot) or -1.
int Pick_Defender_Below_Role_4(const GAME_RECORD* pGame);
int Pick_Receiver_With_Route_39(const GAME_RECORD* pGame);
int Find_Receiver_With_Route_31_32_37(const GAME_RECORD* pGame);
int Find_Defender_With_Role_31_32_37(const GAME_RECORD* pGame);
