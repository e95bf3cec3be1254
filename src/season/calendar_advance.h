#pragma once
// Playing the calendar forward week by week, and stopping it.
#include <cstdint>

// Plays `weeks` weeks (the target is clipped to the end of the regular
// season); refused during a fantasy draft and while an advance runs.
void Advance_Weeks(int32_t weeks);
// Plays every scheduled game of the current week.
void Play_Week();
// Stops a running advance after the current week's games.
void Stop_Simulation();
// Takes the watched game off the screen: the computer calls its plays.
void Stop_Watching_Current_Game();
// True while the simulation runs and the week is below the target.
int32_t Is_Advancing();
// Plays `count` whole seasons.
void Simulate_Seasons(int32_t count);
// Paints the view afresh, rebuilds the Play menu and restarts the ticker.
void Refresh_Main_Window_And_Ticker();
