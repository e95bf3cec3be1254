#pragma once
// Mouse input of the main window: the hover cursor, the navigation buttons
// under each view, the team label of the status bar, and the clicks of the
// views whose headings and tabs the frame handles itself (finances, calendar
// headings, the owner Hall of Fame's tabs).
#include <cstdint>

#include "platform/handles.h"

// Mouse move and left button down act; the other mouse messages do nothing.
void Do_Main_Window_Mouse(WINDOW_HANDLE window, uint32_t message, int32_t x, int32_t y);
// Design coordinates (768 x 507).
bool Is_Over_Nav_Button_Bar(int32_t x, int32_t y);
// Switches to the view of the first button under the point; true when one was hit.
bool Do_Nav_Button_Click(int32_t x, int32_t y);
bool Is_Over_Team_Label(int32_t x, int32_t y);
// A click on the team label: the user's team (a franchise in use or a pool,
// else team 0) becomes the viewed team and its player list opens.
void Do_Team_Label_Click();
// Whether the point is over a heading, band or tab of the current view that
// the frame handles (design coordinates).
bool Is_Over_View_Hot_Spot(int32_t x, int32_t y);
// The cursor code (0-4) the current view's hot-spot test gives at the point.
int32_t Get_View_Hot_Spot_Cursor(int32_t x, int32_t y);
// The click of the current view at a design point: the standings, leaders,
// playoffs and draft board views take their own clicks; the finances' title
// band toggles the league shown and a column heading chooses its statistic;
// the calendar's headings choose theirs, its title band changes the viewed
// team and its week rows act; the owner Hall of Fame's tabs choose the level
// shown. True when the click went to the view.
bool Do_View_Click(int32_t x, int32_t y);
// True while a game is watched play by play (the bar and the label do not react).
bool Is_Game_Being_Watched();
// Window pixels of the main window to the design space.
void Window_To_Design(int32_t* x, int32_t* y);
