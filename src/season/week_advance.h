#pragma once
// The calendar loop: advancing the current week, playing each week's games
// through the engine with the computer general managers' work around them,
// seeding and walking the playoffs, and handing over to the off-season once
// the champion is decided. Also the controls around it: stopping, several
// seasons in a row, and giving up a watched game to the computer.
#include <cstdint>

// Plays up to `weeks` weeks; never past the end of the regular season when it
// starts inside it. With the champion decided it starts the off-season
// instead; in the off-season it plays nothing.
void Advance_Weeks(int32_t weeks);
// Plays the current week's scheduled games, each from the entry of its home team.
void Play_Week();
// The running advance finishes the current week and stops.
void Stop_Simulation();
// The running advance stops without finishing its week: a watched game
// gets the computer's calls for the snap it waits on and ends after it,
// unfinished, and no further game is played.
void End_Advance_At_Once();
// Advances until `seasons` more seasons have begun, every team computer-run;
// no season begins after the largest calendar year (MAX_CALENDAR_YEAR), so
// the seasons stop there.
void Simulate_Seasons(int32_t seasons);
// Advances `weeks` weeks with the computer drafting for every team, the
// user's too: the multi-season flag, which hands every team to the computer,
// is set for this one advance (the status bar's off-season step into the
// next season).
void Advance_Weeks_With_Computer_Draft(int32_t weeks);
// True while seasons are played one after another without the user (Play
// Multiple Seasons, the Season Simulator, the tools' builds); not for the one
// advance of Advance_Weeks_With_Computer_Draft, which moves into a single
// season the user goes on to play.
bool Is_Several_Seasons_Run();
// 1 while an advance plays weeks below its target.
int32_t Is_Advancing();
// Hands a watched game to the computer: it calls the snap in progress and
// every later one.
void Stop_Watching_Current_Game();
// Repaints the main window and restarts the news ticker.
void Refresh_Main_Window_And_Ticker();

// Small queries of the calendar.
int32_t Get_Target_Week();
int32_t Is_Multi_Season_Simulation();
int32_t Is_Regular_Season_Over();
int32_t Is_Post_Season_Over();
