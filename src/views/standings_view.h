#pragma once
// The standings page (view 40030): one league's divisions with the teams in
// standing order, five chosen stat columns and the league averages.
#include <cstdint>

#include "platform/drawing_surface.h"

void Paint_Standings_View(DEVICE_CONTEXT* dc);
// The view's background picture alone.
void Paint_Standings_Background(DEVICE_CONTEXT* dc);
// The colour of a league's division bars: 0x101060 for league 0, 0x703000
// for league 1 (any other index takes league 0's).
COLOUR_VALUE Get_League_Colour(int32_t league);
// y of the division's header bar in design units.
int32_t Get_Division_Top(int32_t division);
// Cursor code 1 over the title band (two leagues), a stat heading or a team name.
int32_t Is_Standings_Hot_Spot(int32_t x, int32_t y);
void Do_Standings_Click(int32_t x, int32_t y);
// The league shown (setting 42), 0 when the setting holds another value.
int32_t Get_Shown_League();
