#pragma once
// Contract renewal talks between a team and one of its players.
#include <cstdint>

// 1 when the player agrees to a new contract with his team (his salary,
// bonus and years are then set), 0 when not. With `release` set a player who
// is not re-signed goes to the free agents; with it clear his old contract
// stays as it was.
int32_t Check_Renew_Contract(int32_t team, int32_t slot, int32_t release);
