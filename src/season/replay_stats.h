#pragma once
// Replay mode: each season is played with players rated from what they really
// did that year, read from the seasons statistics file.
#include <cstdint>

// The first season of which no real statistics exist: Replay Mode serves
// only the seasons before it.
constexpr int32_t FIRST_SEASON_WITHOUT_REPLAY = 2022;

// Loads the real season of the current year into every player's predicted
// season (after blending it with a little of the old prediction to derive his
// ratings) and clears the this-season statistics for play. Without the
// seasons file, or when it gives no player of the league a figure of the
// current season's year (no line of the year, or none that names a player of
// the league and his team), nothing changes beyond one "Read Error" notice.
// Returns 1 when the season's statistics were loaded, 0 when there were none
// to load.
int32_t Load_Replay_Season_Stats();

// At the start of a season Replay Mode cannot serve (2022 or later), a mode
// still on is turned off: the seasons from here on are played without real
// statistics, as the Options dialog offers them. The user is to be told once
// (by Tell_Replay_Mode_Ended), on every road into the season, the status
// bar's step that has the computer draft for the user among them, unless
// several seasons are being played in a run, which asks and tells nothing.
// Returns 1 when it was turned off here.
int32_t End_Replay_Mode_Past_Real_Seasons();

// Tells the user that Replay Mode ended with the start of the current season,
// when it did and has not been told yet. Called once the new season is set up
// and the status bar is back, so the notice stands over the whole screen of
// the new season rather than over a half-made one.
void Tell_Replay_Mode_Ended();
