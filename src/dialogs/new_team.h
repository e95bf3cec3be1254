#pragma once
// Adding a franchise to the league: a generic team with its stadium, money,
// playbooks and draft picks, and, when asked, a full roster of new players.
#include <cstdint>

// Players a new roster gets at each position (QB .. P), 57 in all.
int32_t Get_New_Team_Position_Count(int32_t position);
// Whether the league has room for one more franchise with a season of
// `games` games: fewer than 36 teams, and fewer than that season can
// schedule.
bool Has_Room_For_New_Team(int32_t games);
// Adds a franchise at the next free team slot; its slot, or -1 when the league
// has no room for it with the season's length.
int32_t Add_New_Team(int32_t fill_roster);
// Tops the roster up to the new-team counts per position with created
// players, then sets a franchise's depth charts, returners and roster order.
void Fill_New_Team_Roster(int32_t team);
