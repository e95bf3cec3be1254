#pragma once
// The season timeline strip in the status bar: the user team's record, a label
// for the current week and five slanted cells for the coming weeks or the
// off-season's steps; a click moves the season forward.
#include <cstdint>

#include "platform/drawing_surface.h"
#include "platform/handles.h"

constexpr int32_t TIMELINE_CELLS = 5;
constexpr int32_t TIMELINE_CELL_WIDTH = 134;
// Settings 176-179: per off-season step 1 = done or not yet open, 0 = open.
constexpr int32_t OFF_SEASON_STEPS_SETTING = 176;
constexpr int32_t OFF_SEASON_STEPS = 4;

// Left edge of each cell in the status bar, set by Draw_Timeline_Bottom_Bars.
extern int32_t Timeline_Cell_X[TIMELINE_CELLS];
// While 0 the strip is grey and ignores the mouse.
extern int32_t Timeline_Enabled;
void Set_Timeline_Enabled(int32_t enabled);
// Steps 0 and 1 open, 2 and 3 waiting for them.
void Reset_Off_Season_Steps();

// The skin's two bar pictures and the cells' places. A missing left picture
// is reported once and leaves the cells where they were.
void Draw_Timeline_Bottom_Bars(DEVICE_CONTEXT* dc, WINDOW_HANDLE status_bar);
void Draw_Timeline_Team_Label(DEVICE_CONTEXT* dc);
void Draw_Timeline_Strip(DEVICE_CONTEXT* dc);
// x in the 768-wide design space of the status bar, y in its pixels.
void Do_Timeline_Click(int32_t x, int32_t y);
bool Is_Timeline_Hot_Spot(int32_t x, int32_t y);
// The week action of a strip cell, also the calendar's click on a coming
// week: plays from `current_week` up to `target_week` after asking.
void Do_Timeline_Week_Action(int32_t current_week, int32_t target_week);
// 6 (yes) or 7 (no): the question before simulating n weeks.
int32_t Confirm_Advance_Weeks(int32_t n);
// The question of the current playoff round; empty (and reported) outside the playoffs.
void Get_Playoff_Simulation_Message(char* buffer);
// The round name of a playoff week, P .. P + 4 (P the first playoff week).
void Get_Playoff_Round_Name(char* buffer, int32_t week);
// The texts the strip shows: the current week's label and cell i's text.
void Get_Timeline_Label_Text(char* buffer);
void Get_Timeline_Cell_Text(int32_t cell, char* buffer);
// "%s (%s)": the player's full name and his team's abbreviation (team string 0).
void Get_Player_Name_With_Team(int32_t team, int32_t slot, char* buffer);
