#pragma once
// The real league's championship history, compiled in: the championship game
// of every season from 1966 and the title winners by franchise nickname. New
// games credit each franchise with the titles its nickname won before the
// starting season; the views and the New Game dialog show the games.
#include <cstdint>

constexpr int32_t FIRST_SUPER_BOWL_SEASON = 1966;
constexpr int32_t LAST_SUPER_BOWL_SEASON = 2065;
constexpr int32_t SUPER_BOWL_ROWS = LAST_SUPER_BOWL_SEASON - FIRST_SUPER_BOWL_SEASON + 1;
constexpr int32_t SUPER_BOWL_FIELDS = 9;
// Fields of a championship game row.
enum SUPER_BOWL_FIELD : int32_t {
    SUPER_BOWL_NUMERAL = 0,
    SUPER_BOWL_DATE = 1,
    SUPER_BOWL_YEAR = 2,
    SUPER_BOWL_WINNER = 3,
    SUPER_BOWL_SCORE = 4,
    SUPER_BOWL_LOSER = 5,
    SUPER_BOWL_STADIUM = 6,
    SUPER_BOWL_CITY = 7,
    SUPER_BOWL_STATE = 8,
};
// Team statistics holding the titles won before the starting season.
constexpr int32_t TEAM_STAT_HISTORIC_CHAMPIONSHIPS = 6;
constexpr int32_t TEAM_STAT_HISTORIC_LEAGUE_TITLES = 7;

// Copies field 0-8 of the row of season clamp(year, 1966, 2065) into `buffer`
// of `size` bytes; an unknown field gives an empty text.
void Get_Super_Bowl_Info(char* buffer, int32_t size, int32_t year, int32_t field);
// One line about a season's championship game into `buffer` (`size` bytes):
// empty before 1966; the result for games played; date and place for the two
// coming games of 2022 and 2023 (later seasons show the 2023 game).
void Format_Super_Bowl_Line(int32_t year, char* buffer, int32_t size);
// Titles of the franchise's nickname in the seasons before min(year, 2022).
int32_t Count_Super_Bowl_Titles(int32_t team, int32_t year);
int32_t Count_NFL_NFC_Titles(int32_t team, int32_t year);
int32_t Count_AFL_AFC_Titles(int32_t team, int32_t year);
// Team statistics 6 and 7 of every active team from the starting year (Base_Year).
void Set_Historic_Title_Counts();

// The tables themselves (historic_reference_tables.cpp).
extern const char* const Super_Bowl_Table[SUPER_BOWL_ROWS][SUPER_BOWL_FIELDS];
constexpr int32_t FIRST_SUPER_BOWL_WINNER_SEASON = 1966;
constexpr int32_t SUPER_BOWL_WINNER_COUNT = 56;
extern const char* const Super_Bowl_Winners[SUPER_BOWL_WINNER_COUNT];
constexpr int32_t FIRST_NFL_CHAMPION_SEASON = 1920;
constexpr int32_t NFL_NFC_CHAMPION_COUNT = 102;
extern const char* const NFL_NFC_Champions[NFL_NFC_CHAMPION_COUNT];
constexpr int32_t FIRST_AFL_CHAMPION_SEASON = 1960;
constexpr int32_t AFL_AFC_CHAMPION_COUNT = 62;
extern const char* const AFL_AFC_Champions[AFL_AFC_CHAMPION_COUNT];
