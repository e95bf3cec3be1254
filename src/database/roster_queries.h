#pragma once
// Roster queries: players of a team by position, unit or availability, and the
// league's players walked in a fixed order (active teams in slot order, each
// roster in slot order).
#include <cstdint>

// Pseudo-positions of the counting queries.
constexpr int ANY_DEFENDER_POSITION = 16;
constexpr int ANY_LINEMAN_POSITION = 17;
// Team code of the counting queries meaning the whole league.
constexpr int ALL_TEAMS = 255;

int32_t Get_Team_Position_Player(int32_t team, int32_t position, int32_t n);
// The first `count` players of the position in slot order, as one walk of the
// roster: slots[i] is the i-th (what Get_Team_Position_Player(team, position,
// i) answers), -1 past the last found. The number found.
int32_t Get_Team_Position_Players(int32_t team, int32_t position, int32_t* slots, int32_t count);
// Get_Team_Position_Player that also takes the pseudo-positions 16 (any
// defender) and 17 (any offensive lineman).
int32_t Get_Team_Position_Player_Any(int32_t team, int32_t position, int32_t n);
// The n-th player by team and position: team 255 walks the league
// (Get_N_Universe_Player, Get_N_Position_Player), position -1 takes every
// position (a team's n-th slot); -1 when there is none.
int32_t Get_N_Player(int32_t team, int32_t position, int32_t n);
// Get_Rating_Value of the n-th player's rating at his position (ratings drawn
// again first when it is below 25); 0 when there is no such player.
int32_t Get_Team_Position_Player_Value(int32_t team, int32_t position, int32_t n);
int32_t Get_Team_Position_Player_Safe(int32_t team, int32_t position, int32_t n);
int32_t Get_Team_Uninjured_Position_Player(int32_t team, int32_t position, int32_t n);
int32_t Count_Team_Position_Players(int32_t team, int32_t position);
int32_t Count_Team_Unit_Players(int32_t team, int32_t unit);
int32_t Count_Team_Available_Position_Players(int32_t team, int32_t position);
// A test of one player of a team.
using PLAYER_FILTER = bool (*)(int32_t team, int32_t slot);
// True when the player can play now: not injured, or (in the off-season and
// after the final) healed before the next season's games.
bool Is_Player_Available(int32_t team, int32_t slot);
// Weeks out below which a player counts as available: 1 in the season, more
// in the off-season and after the final.
int32_t Get_Availability_Limit();
// The first slot whose player lies in the unit (0 offence, 1 defence, 2
// kicking); a team with none gets one of a random position of the unit in its
// first empty slot. 100 for a full roster without one; NO_PLAYER for a code
// that is no team in use.
int32_t Find_Or_Create_Unit_Player(int32_t team, int32_t unit);
int32_t Find_Last_Unit_Player(int32_t team, int32_t unit);
int32_t Count_Team_Draft_Picks(int32_t team);
int32_t Count_Players(int32_t team, int32_t position);
int32_t Get_N_Position_Player(int32_t position, int32_t n);
int32_t Get_N_Universe_Player(int32_t n);
int32_t Count_Players_With_Last_Initial(int32_t c);
int32_t Has_Player_In_Last_Contract_Year(int32_t team);
int32_t Get_Unit_Size(int32_t unit);
// The slot just behind a unit's starters: its first slot (Find_Or_Create_Unit_Player)
// plus the unit's size, at most 100.
int32_t Get_Unit_Starters_End_Slot(int32_t team, int32_t unit);
// Whether the player's slot lies behind his unit's starters.
int32_t Is_Player_Behind_Unit_Starters(int32_t team, int32_t slot);
// Moves the player into the place-th slot of his unit (0 its first) by
// exchanging him with the player there.
void Move_Player_To_Unit_Place(int32_t team, int32_t slot, int32_t place);
// The active teams that scored more points than the team over the season's
// games (scored 1), or allowed fewer (scored 0).
int32_t Count_Teams_With_Better_Points(int32_t team, int32_t scored);
