#pragma once
// The teams' yearly history rows: the current season's counters reset when a
// season starts, and the finance figures and finish code written when it ends.
#include <cstdint>

// For every active team: the season's win, loss and tie counters (yearly
// chars 0, 4, ..., 28) and its four yearly ints := 0. The division place
// (char 1) is kept.
void Reset_Team_Yearly_Fields();
// The season-end finance row of a franchise: yearly int 0 := home attendance
// (financial stat 15), int 1 := the season's profit (stat 84), int 3 := the
// finish code (of the season just ended when the week is 100); then this
// season's finance figures become last season's. Nothing for other slots.
void Record_Team_Season_Finances(int32_t team);
// Every active team's finish code into its yearly history: standings brought
// up to date (seeding too before the regular season ends), then yearly int 3
// of the season being played. Nothing once that season is settled
// (Is_Finished_Season_Settled): the off-season recorded its finish with the
// season's finance rows, and the standings it has turned over since (moves,
// realignment, expansion teams) are the coming season's.
void Record_Team_Season_Finish();
// The season index moves on one season. On the last history row (index 99)
// the index stays: every franchise's rows move up one, the oldest season
// dropping out and the last row cleared for the coming season, and Base_Year
// moves on a year instead, so the calendar year still advances and the last
// 100 seasons stay in the history with their years. An index outside the
// history is left as it is, and so is a league in the largest calendar year
// (MAX_CALENDAR_YEAR), whose next season is played in that year again.
void Advance_Season_Index();
// A league that comes with seasons behind it (a season index above 0)
// starts a game in its current season: that season becomes season 0 and its
// year the base year, its rows move to the front and the earlier seasons'
// rows are dropped. Nothing for a league in its first season.
void Make_Current_Season_The_First();
