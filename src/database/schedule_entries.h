#pragma once
// The weekly schedule entries of each team: who it plays, when, whether the game
// is watched, and which game record holds the result.
#include <cstdint>

#include "database/game_record_layout.h"

constexpr int NUMBER_OF_SCHEDULE_FIELDS = 5;
constexpr int SCHEDULE_OPPONENT = 0;
constexpr int SCHEDULE_WATCH_FLAG = 1;
constexpr int SCHEDULE_KICKOFF = 2;
constexpr int SCHEDULE_GAME_INDEX = 3;
constexpr int SCHEDULE_WEEKDAY = 4;

int32_t Get_Team_Schedule_Stat(int32_t team, int32_t week, int32_t field);
void Set_Team_Schedule_Stat(int32_t team, int32_t week, int32_t field, int32_t value);
bool Game_Scheduled_Today(int32_t team, int32_t week);
int32_t Get_Team_Week_Opponent(int32_t team, int32_t week);
int32_t Get_Team_Week_Game_Side(int32_t team, int32_t week);
int32_t Get_Team_Week_Schedule_Stat_1(int32_t team, int32_t week);
// The weekday (0 Monday to 6 Sunday) the team's game of the week is played
// on, as the calendar shows it; -1 when the week holds no game of the team or
// its entry no weekday.
int32_t Get_Team_Week_Weekday(int32_t team, int32_t week);
int32_t Get_Team_Own_Schedule_Stat_1(int32_t team, int32_t week);
// Whether either team, counted only when it is a franchise (0-35), has a
// watched game in the week: Get_Team_Week_Schedule_Stat_1 of each, in one call.
bool Is_Franchise_Week_Game_Watched(int32_t first, int32_t second, int32_t week);
void Set_Game_PBP_Flag(int32_t team, int32_t week, int32_t value);
void Toggle_Calendar_PBP_Flag(int32_t team, int32_t week);
int32_t Schedule_Game(int32_t first, int32_t second, int32_t week, int32_t weekday, int32_t kickoff);
int32_t Schedule_Game_Default_Time(int32_t first, int32_t second, int32_t week);
int32_t Clear_Scheduled_Game(int32_t first, int32_t second, int32_t week);
void Clear_Scheduled_Games(int32_t team);

// Week-wide queries over the active teams: the games the week's entries
// hold (a playoff week's, those its round entered), and the first of their
// game records (301 when none is stored; 0 for week 0).
int32_t Get_Week_Game_Count(int32_t week);
int32_t Get_Week_First_Game_Index(int32_t week);
// The bracket round (0 first round, 1 divisional round, 2 conference or
// league finals, 3 the final between them) of a playoff week's games, found
// where the bracket paired their teams; -1 for a week without games and for
// the regular season.
int32_t Get_Playoff_Week_Round(int32_t week);
// The weeks from the first playoff week up to `end_week` (not included) in
// which the team's game is among the week's game records, in order, written
// to `weeks` (room for 22) when it is not null; returns how many.
int32_t Get_Team_Playoff_Weeks(int32_t team, int32_t end_week, int32_t* weeks);
// The week's game record between two franchises that involves the team; null when none.
const GAME_RECORD* Find_Team_Week_Game(int32_t week, int32_t team);
int32_t Find_Team_Week_Game_Position(int32_t week, int32_t team);
int32_t Find_Team_Week_Game_Index(int32_t week, int32_t team);

// Pairing counts of the schedule generator, over weeks 0-17.
int32_t Count_First_Listed_Games(int32_t team);
int32_t Count_Second_Listed_Games(int32_t team);
int32_t Count_First_Listed_Games_Against(int32_t team, int32_t opponent);
int32_t Count_Second_Listed_Games_Against(int32_t team, int32_t opponent);
int32_t Count_Games_Against(int32_t team, int32_t opponent);
int32_t Count_Weeks_With_Games(int32_t team, int32_t weeks);
