#pragma once
// Moving a player record from one team into another, keeping the
// destination's roster grouped by unit: signings, releases and the other
// single moves (a trade places its newcomers itself).
#include <cstdint>

// Moves the player into the destination after its last player of his unit
// (or, when the unit has none, after the units before it), the later players
// moving down one slot, and closes up the roster he leaves. A newcomer whose
// number a team-mate wears gets a new one. Returns his new slot: the same
// slot when the teams are equal, 0 when the destination is the free agents
// (36); -1 when he retires (destination 41), the slot holds no player, or the
// destination is full (the free agents too, while a fantasy draft lets none
// of them go) or not a team that can take him.
int32_t Move_Player_To_Team(int32_t destination, int32_t team, int32_t slot);
// Two players of two teams change places, each placed in his new roster as
// Move_Player_To_Team places him: the way two full rosters exchange players.
// 0, nothing changed, unless both slots hold players of two different teams
// other than the free agents.
int32_t Exchange_Players_Between_Teams(int32_t team_a, int32_t slot_a, int32_t team_b, int32_t slot_b);
// "Your team is currently full. You must release a player before you add %s."
// (caption "Too Many Players") with the player's name: a move refused for a
// full roster.
void Show_Team_Full_Message(int32_t team, int32_t slot);
// Sets up the pending trade offer for a player a dialog asks to trade for:
// the user's team (0 when it is no team of the lists) gives nothing yet, the
// player's team gives him; setting 31 becomes -128.
void Prepare_Trade_For_Player(int32_t team, int32_t slot);
