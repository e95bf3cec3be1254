#pragma once
// Talks on a new contract when a franchise player's contract runs out.
#include <cstdint>

// 1 when the player has a (new) contract with the team, 0 when not; with
// `release` a player who is not re-signed goes to the free agents.
int32_t Check_Renew_Contract(int32_t team, int32_t slot, int32_t release);
