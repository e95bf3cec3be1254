#pragma once
// Short texts the player lists, trade screens and depth charts show of a
// player: the status after his name while he is out, and his one-line
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
