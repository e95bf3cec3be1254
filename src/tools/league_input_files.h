#pragma once
// The skeleton of a built season: the names of the two leagues and their
// divisions ("input/stats/leagues/<year>_league.csv"), the franchises with
// their stadiums and money ("input/stats/<year>_teams.csv") and the players
// with their personal data, positions and drafts ("input/stats/players.csv",
// one file for every season, whose players take their teams from the year's
// rosters). Also the tidying of name forms of older seasons.
#include <cstdint>

#include "database/player_hashes.h"

// The three readers return false when their file cannot be opened (after the
// message that names it) and, while a season database is built, fail the
// build; malformed lines are reported by the statistics line reader.
bool Load_League_Names_CSV();
bool Load_Teams_CSV();
bool Load_Players_CSV();
// One line of each file (already split).
struct STATS_LINE;
void Read_Team_Line(const STATS_LINE& line);
void Read_Player_Line(const STATS_LINE& line);

// The first used player of team slots 0-40 (slot order) whose external id is
// the key (no case); (NO_TEAM, NO_PLAYER) for an empty or unknown key.
PLAYER_LOCATION Find_Player_By_External_Key(const char* key);
// A reader that looks up many players while none moves builds an index of
// the league's ids and keys first and drops it when done; the lookups give
// the same answers, a player who is not there at once.
void Build_Player_Lookup_Index();
void Drop_Player_Lookup_Index();
// Find_Player_By_ID (1 and the player, or 0), a miss answered at once while
// the index stands.
int32_t Find_Listed_Player_By_ID(int32_t* team, int32_t* slot, int32_t id);

// Name forms of every player of the franchises in use: two-letter first
// names of two capitals become initials ("AJ" gives "A.J."), a few names
// written joined are parted, and before 2009 capitals inside names are
// lowered where the old files wrote them ("McD" and "St. " forms kept).
// Every change stays within the name fields.
void Fix_Joined_First_Names();
