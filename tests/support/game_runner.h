#pragma once
// Headless game runs for tests and benchmarks: schedules games between teams
// of the league in the block, takes free game records and plays them through
// the game driver with the calendar "advancing" and nobody watching.
#include <cstdint>
#include <vector>

#include "database/game_record_layout.h"

// Puts the calendar into a regular-season advance of `week` (Season_Length
// 17, overtime on, the advance running up to the next week) and seeds the
// league generator; the league rates are refreshed from the games played.
void Prepare_Game_Week(int32_t week, uint32_t seed);
// Schedules home against visitor in the week when they have no game yet.
void Schedule_Test_Game(int32_t home, int32_t visitor, int32_t week);
// Plays one game into the first free record; returns it (null when the game
// could not be played). Finished games are booked with Finish_Game.
GAME_RECORD* Play_Test_Game(int32_t home, int32_t visitor, int32_t week);
// Schedules and plays the 16 games of a week among teams 0-31 (team 2k at home
// to 2k+1, rotated by the week). Returns the number of games finished.
int32_t Play_Test_Week(int32_t week);
// First record whose season year is 0, or -1.
int32_t Find_Free_Game_Record();
// Adds the points one logged snap gives to side 0 and side 1.
void Add_Logged_Points(const PLAY_LOG_ENTRY& entry, int32_t points[2]);
// Empties the message queue and stops the calendar advance after `snaps`
// snaps of the next unwatched game (its loop pumps messages once a snap), as
// a user stopping the simulation midway would.
void Stop_Advance_After_Snaps(int32_t snaps);
// Empties the message queue and runs `action` after `snaps` snaps of the next
// unwatched game, as a menu command arriving midway would.
void Run_After_Snaps(int32_t snaps, void (*action)());

// This season's stored statistics of every player of a team, by slot: taken
// before and after games, their difference is what the games credited.
using SEASON_ROW = std::vector<int32_t>;
std::vector<SEASON_ROW> Season_Rows(int32_t team);
