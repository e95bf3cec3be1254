#pragma once
// Talks on a new contract when a franchise player's contract runs out: a
// human-run team negotiates in the Contract Offer dialog, a computer-run team
// decides by what the player is worth to it against its money and cap room.
#include <cstdint>

// 1 when the player has a (new) contract with the team, 0 when not; the
// dialog's own end code for a human-run team. With `release` a player who is
// not re-signed goes to the free agents (the slot then holds the next player);
// without it (a holdout) his old contract is left as it was.
int32_t Check_Renew_Contract(int32_t team, int32_t slot, int32_t release);
// Absurd signing bonuses and contract lengths of every used player of the used
// franchises are worked out again from the player's value.
void Repair_Contract_Demands();
// The same repair of one player.
void Repair_Player_Contract_Demand(int32_t team, int32_t slot);
// The year of the contract cycle he is in: his credited seasons modulo the
// contract length he wants, that length itself for a remainder of 0; 0 for an
// empty slot.
int32_t Get_Contract_Cycle_Year(int32_t team, int32_t slot);
