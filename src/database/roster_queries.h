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
int32_t Get_Team_Position_Player_Safe(int32_t team, int32_t position, int32_t n);
int32_t Get_Team_Uninjured_Position_Player(int32_t team, int32_t position, int32_t n);
int32_t Count_Team_Position_Players(int32_t team, int32_t position);
int32_t Count_Team_Unit_Players(int32_t team, int32_t unit);
int32_t Count_Team_Available_Position_Players(int32_t team, int32_t position);
// True when the player can play now: not injured, or (in the off-season and
// after the final) healed before the next season's games.
bool Is_Player_Available(int32_t team, int32_t slot);
// Weeks out below which a player counts as available: 1 in the season, more
// in the off-season and after the final.
int32_t Get_Availability_Limit();
int32_t Find_Or_Create_Unit_Player(int32_t team, int32_t unit);
int32_t Find_Last_Unit_Player(int32_t team, int32_t unit);
int32_t Count_Team_Draft_Picks(int32_t team);
int32_t Count_Players(int32_t team, int32_t position);
int32_t Get_N_Position_Player(int32_t position, int32_t n);
int32_t Get_N_Universe_Player(int32_t n);
int32_t Count_Players_With_Last_Initial(int32_t c);
int32_t Has_Player_In_Last_Contract_Year(int32_t team);
int32_t Get_Unit_Size(int32_t unit);
