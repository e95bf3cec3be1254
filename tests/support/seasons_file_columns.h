#pragma once
// The columns of the installation's seasons file (Input/Stats/Seasons.csv)
// the tests read, numbered from 1 as its header numbers them.
#include <cstdint>

enum SEASONS_FILE_COLUMN : int32_t {
    SEASON_PLAYER_ID = 2,
    SEASON_FLAG = 3,
    SEASON_YEAR = 4,
    SEASON_TEAM = 5,
    POSITION_COLUMN = 8,
    GAMES = 10,
    PASS_ATTEMPTS = 12,
    COMPLETIONS = 13,
    PASSING_YARDS = 14,
    PASSING_TOUCHDOWNS = 15,
    INTERCEPTIONS = 16,
    RUSHES = 21,
    TARGETS = 25,
    RUSHING_YARDS = 22,
    RECEPTIONS = 26,
    RECEIVING_YARDS = 27,
    RECEIVING_TOUCHDOWNS = 28,
    FUMBLES = 30,
    YARDS_AFTER_CATCH = 92,
    LONGEST_FIELD_GOAL = 63,
    // Field goals made under 20, 20-29, 30-39, 40-49 and from 50 yards.
    FIRST_MADE_BAND = 82,
    SACKS = 43,
    DEFENSIVE_INTERCEPTIONS = 51,
    SEASON_VALUE = 95,
};
