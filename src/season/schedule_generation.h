#pragma once
// The regular season's schedule: from the real league's schedule files, a
// fixed template of a league shape the real league had, or a random
// generator that pairs teams week by week under division, conference and
// home/away rules; then the season length and the playoff weeks.
#include <cstdint>

// Builds the current season's schedule and sets Season_Length and
// Post_Season_Days. A league the random generator cannot schedule in 1,000
// attempts is told so and left without games (season length 0).
void Generate_Season_Schedule();
// The same, but the historic files follow Skip_Historic_Schedule; 0 when the
// league could not be scheduled.
int32_t Try_Generate_Season_Schedule();

// One attempt of the random generator: 1 with a complete schedule, 0 when a
// game found no fitting teams in 2,000 picks.
int32_t Generate_Random_Schedule();
int32_t Pick_Schedule_Home_Team();
int32_t Reject_Schedule_Home_Team(int32_t team);
int32_t Pick_Schedule_Opponent(int32_t home);
int32_t Reject_Schedule_Opponent(int32_t candidate, int32_t home);

// Empties every franchise's weeks 0-21 (game index -1).
void Clear_All_Team_Schedules();
// 1 + the last week in which an active team has a game; 0 without games.
int32_t Set_Season_Length();
// Stores the season length and the five playoff week marks; returns the last mark.
int32_t Set_Season_Length_And_Playoff_Days();
// The team's place in its division's standings plus the active teams of all
// lower divisions: divisions end to end, each in standing order.
int32_t Get_Team_Schedule_Position(int32_t team);
