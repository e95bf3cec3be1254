#pragma once
// Short texts and values the player lists, the player card, the trade
// screens and the depth charts show of a player: his salary and the last
// year of his contract, the status after his name while he is out, the
// calendar years of statistics rows, his 40-yard time and his one-line
// statistics summary.
#include <cstdint>

// Appends the player's status to `name` (a buffer of at least
// FORMATTED_TEXT_SIZE bytes that holds his name); nothing while he plays.
void Append_Player_Status_Suffix(char* name, int32_t team, int32_t slot);
// The one-line summary of his statistics of a season kind (0 this, 1 last,
// 2 career, 3 predicted) by his position, into `out` (at least
// FORMATTED_TEXT_SIZE bytes); returns its key statistic, the sort value of the
// lists' statistics column. Empty and 0 when he has none to show.
int32_t Get_Player_Stat_Summary(int32_t team, int32_t slot, int32_t season, char* out);

// His salary, never below the league minimum for his credited seasons:
// "$%d,000" below a million, else "$%d,%03d,000" (`out`: FORMATTED_TEXT_SIZE bytes).
void Format_Player_Salary(int32_t team, int32_t slot, char* out);
// The calendar year of the last season of his contract.
void Format_Contract_End_Year(int32_t team, int32_t slot, char* out);
// The calendar year of a statistics season: this season, career and
// predicted the current year, last season the year before, others 0.
int32_t Get_Stat_Season_Year(int32_t season);
// The year of a statistics row: rows 0-3 the seasons above, rows 4-33 the
// year of his season-line link row - 4 (0 when it holds no line), others 0.
int32_t Get_Player_Stat_Row_Year(int32_t team, int32_t slot, int32_t row);
// His 40-yard time (vital 4, hundredths) from his speed rating, which is
// first made usable: raised to 20, or the league baseline when it is no number.
void Set_Player_Forty_Time(int32_t team, int32_t slot);
// His 40-yard time in seconds; a stored time outside 3.90-7.00 seconds is
// set afresh from his speed first.
float Get_Player_Forty_Time(int32_t team, int32_t slot);
