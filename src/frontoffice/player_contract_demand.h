#pragma once
// The contract a player asks for.
#include <cstdint>

// Recomputes the player's demand from his value (0: the function takes it
// itself), stores the signing bonus he seeks in vital 10 and returns the demand.
int32_t Set_Player_Contract_Demand(int32_t team, int32_t slot, int32_t value);
