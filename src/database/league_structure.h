#pragma once
// League structure: team slots, leagues and divisions.
#include <cstdint>

// Cache of Count_Active_Teams outside the block; -1 when stale.
extern int32_t Active_Team_Count;

// Number of franchise slots 0-35 in use (control word not -1); refreshes Active_Team_Count.
int32_t Count_Active_Teams();
