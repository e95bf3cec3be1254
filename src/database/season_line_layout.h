#pragma once
// One row of the shared season-line table: the year, the team and 20 statistics
// of one player season (92 bytes, 32,768 rows in the league block).
#include <cstdint>

constexpr int MAX_SEASON_LINES = 32768;

#pragma pack(push, 1)
struct SEASON_LINE {
    int32_t Values[23];
};
#pragma pack(pop)

static_assert(sizeof(SEASON_LINE) == 92);
