#pragma once
// The pre-game matchup dialog (181): before a game of a team the user runs,
// both teams side by side with their logos, records, unit stars and the
// point spread, and the choice to watch and call the game, to simulate it,
// or to simulate every game from here on.
#include <cstdint>

#include "platform/drawing_surface.h"
#include "platform/handles.h"

constexpr int32_t MATCHUP_UNITS = 5; // Running, Passing, Run Defense, Pass Defense, Special Teams

#pragma pack(push, 1)
struct MATCHUP_INFO {
    uint8_t Week;
    uint8_t First_Team; // team byte 0 of the game record
    uint8_t First_Stars[MATCHUP_UNITS];
    uint8_t Second_Team; // team byte 1
    uint8_t Second_Stars[MATCHUP_UNITS];
};
#pragma pack(pop)
static_assert(sizeof(MATCHUP_INFO) == 13);

intptr_t Game_Matchup_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t message, uintptr_t wparam, intptr_t lparam);

// The teams of the game being played (game number in setting 21), their
// stars and the week.
void Fill_Matchup_Info(MATCHUP_INFO* info);
// 1 to 5 stars per unit by the team's rank among the active teams.
void Rate_Matchup_Team_Units(uint8_t stars[MATCHUP_UNITS], int32_t team);
// Stars of a rank (0 = best) among `teams` active teams: the best get 5, the
// worst 1; held to 1..5 and 1 without any team.
int32_t Get_Matchup_Stars(int32_t rank, int32_t teams);
// "Vegas Line: Pick 'em" or "<favourite> favored by <n> point(s)" for a
// spread in tenths (positive favours the first team). A buffer of 128 bytes.
void Format_Matchup_Point_Spread(char* buffer, int32_t spread, int32_t first_team, int32_t second_team);
void Show_Matchup_Point_Spread(WINDOW_HANDLE dialog, const MATCHUP_INFO* info);
void Draw_Matchup_Stars(WINDOW_HANDLE dialog, DEVICE_CONTEXT* dc, const MATCHUP_INFO* info);
void Draw_Matchup_Logos(WINDOW_HANDLE dialog, DEVICE_CONTEXT* dc, const MATCHUP_INFO* info);
void Draw_Matchup_Logo_Frame(WINDOW_HANDLE dialog, DEVICE_CONTEXT* dc, int32_t control_id);
// The skin's "Dialogs\Matchup\matchupbar.png" over the hidden "(Watch Games)" control.
void Draw_Matchup_Bar(WINDOW_HANDLE dialog, DEVICE_CONTEXT* dc);
// "Logos/Downloads/<abbreviation>-<year>.png" of the team for the season,
// the year held at 2022 (the newest logos there are); empty when the
// abbreviation is no plain file name.
void Get_Downloaded_Logo_Name(char* buffer, int32_t size, int32_t team);
