#pragma once
// Moving a player from one team record into another, keeping the destination
// grouped by unit (offence, defence, kickers) as the depth charts need.
#include <cstdint>

// Team code that retires a moved player.
constexpr int32_t RETIRED_LIST_TEAM = 41;

// Moves the player into the destination just after its last player of his
// unit and returns his new slot: his slot when the teams are equal, 0 for the
// free agents (he is released), -1 when he retires or when the destination is
// full or invalid (then nothing moves).
int32_t Move_Player_To_Team(int32_t destination, int32_t team, int32_t slot);
