#pragma once
// One row of the shared season-line table: the year, the team and 20 statistics
// of one player season (92 bytes, 32,768 rows in the league block).
#include <cstddef>
#include <cstdint>

constexpr int MAX_SEASON_LINES = 32768;
constexpr int NUMBER_OF_SEASON_LINE_STATS = 20;

#pragma pack(push, 1)
struct SEASON_LINE {
    int32_t Year; // calendar year; 0 = row free
    int32_t Kind; // negative for a row that is not a league season
    int8_t Team;  // team played for; NO_TEAM (128) for none
    uint8_t Zero[3];
    int32_t Stats[NUMBER_OF_SEASON_LINE_STATS];
};
#pragma pack(pop)

static_assert(sizeof(SEASON_LINE) == 92);
static_assert(offsetof(SEASON_LINE, Kind) == 4);
static_assert(offsetof(SEASON_LINE, Team) == 8);
static_assert(offsetof(SEASON_LINE, Stats) == 12);
