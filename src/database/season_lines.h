#pragma once
// The league-wide table of season lines and each player's links into it.
#include <cstdint>

constexpr int32_t NO_SEASON_LINE = -1;
constexpr int32_t YEAR_ARRAY_SIZE = 120;
constexpr int32_t FIRST_COUNTED_YEAR = 1932;
// Computed stats of a row: the kicking totals.
constexpr int32_t SEASON_LINE_FIELD_GOALS_MADE = 121;
constexpr int32_t SEASON_LINE_FIELD_GOALS_TRIED = 122;

// Rows.
int32_t Get_Season_Line_Stat(int32_t line, int32_t stat);
void Set_Season_Line_Stat(int32_t line, int32_t stat, int32_t value);
void Add_Season_Line_Stat(int32_t line, int32_t stat, int32_t value);
int32_t Get_Season_Line_Year(int32_t line);
int32_t Get_Season_Line_Team(int32_t line);
int32_t Get_Season_Line_Kind(int32_t line);
void Set_Season_Line_Year(int32_t line, int32_t year);
void Set_Season_Line_Team(int32_t line, int32_t team);
void Set_Season_Line_Kind(int32_t line, int32_t kind);
int32_t Is_Season_Line_Blank(int32_t line);
int32_t Find_Free_Season_Line();
int32_t Clear_Season_Line(int32_t line);
void Clear_All_Season_Lines();
int32_t Is_Season_Line_Linked(int32_t line);
// Forgets the first-free-row hint; run whenever the table is replaced wholesale
// (load, clearing the block).
void Reset_Season_Line_Hint();

// Player links.
int32_t Get_Player_Season_Line(int32_t team, int32_t slot, int32_t n);
void Set_Player_Season_Line_Link(int32_t team, int32_t slot, int32_t n, int32_t line);
int32_t Count_Player_Season_Lines(int32_t team, int32_t slot);
int32_t Find_Free_Season_Line_Link(int32_t team, int32_t slot);
int32_t Player_Has_Season_Line_Year(int32_t team, int32_t slot, int32_t year);
void Remove_Player_Season_Line_Link(int32_t team, int32_t slot, int32_t n);
int32_t Delete_Player_Season_Line(int32_t team, int32_t slot, int32_t n);
// Clears and unlinks every line of a used player; an empty slot only has its
// links reset, as it owns no line.
void Delete_All_Player_Season_Lines(int32_t team, int32_t slot);
void Clear_Player_Season_Line_Links(int32_t team, int32_t slot);
void Clear_Team_Season_Line_Links(int32_t team);
void Remove_Dead_Season_Line_Links(int32_t team, int32_t slot);
void Sort_Player_Season_Line_Links(int32_t team, int32_t slot);
void Sort_All_Season_Lines();
int32_t Get_Player_Team_In_Year(int32_t team, int32_t slot, int32_t year);
int32_t Count_NFL_Seasons(int32_t team, int32_t slot);

// Latest line and current season.
int32_t Get_Player_Latest_Season_Line(int32_t team, int32_t slot);
void Set_Player_Latest_Season_Line(int32_t team, int32_t slot, int32_t line);
int32_t Find_Player_Latest_Season_Line(int32_t team, int32_t slot);
void Update_Player_Latest_Season_Line(int32_t team, int32_t slot);
int32_t Add_Player_Season_Line(int32_t team, int32_t slot, int32_t year, int32_t line_team);
// The player's line of that year and team (a line kind of any sort);
// NO_SEASON_LINE when he has none.
int32_t Find_Player_Season_Line(int32_t team, int32_t slot, int32_t year, int32_t line_team);
// Whether `stat` is a kicker's longest punt (5) or longest field goal (18),
// for the player at (team, slot): his lines join, and his career sums them,
// by the longest, not by adding.
bool Is_Longest_Kick_Stat(int32_t team, int32_t slot, int32_t stat);
// A figure of one of the player's lines joined to a total of his lines: the
// longer of the two for a longest kick, else their sum.
int32_t Join_Season_Figure(int32_t team, int32_t slot, int32_t stat, int32_t total, int32_t figure);
int32_t Get_Player_Current_Season_Line(int32_t team, int32_t slot);
void Set_Player_Current_Season_Line_Stat(int32_t team, int32_t slot, int32_t stat, int32_t value);
void Add_Player_Current_Season_Line_Stat(int32_t team, int32_t slot, int32_t stat, int32_t value);
int32_t Get_Player_Current_Season_Line_Stat(int32_t team, int32_t slot, int32_t stat);
int32_t Add_Player_Current_Year_Season_Line(int32_t team, int32_t slot, int32_t set_latest);
void Reset_Current_Season_Line_Links();
void Erase_Orphan_Season_Lines();
void Set_Commissioner_Mode(int32_t value);
