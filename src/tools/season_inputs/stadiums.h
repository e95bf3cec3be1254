#pragma once
// The stadiums of the fictional history: plain place names of our own, with
// the capacity, roof and surface of the franchise's building in that era.
#include <cstdint>

#include "tools/season_inputs/input_rows.h"

// The stadium of a franchise of the league in memory in `year`.
STADIUM_FIGURES Get_Model_Stadium(int32_t team, int32_t year);
