#pragma once
// Team results: crediting wins, losses and ties, the season record as numbers
// and text, and the questions asked of the season's game records (streaks,
// recent form, points, filtered results, playoff progress).
#include <cstdint>

#include "database/game_record_layout.h"

// Filters of Count_Team_Results besides an opponent slot below 36.
constexpr int32_t RESULTS_DIVISION_ONLY = 0x100;
constexpr int32_t RESULTS_CONFERENCE_ONLY = 0x200;
constexpr int32_t RESULTS_ANY_OPPONENT = 0x400;
constexpr int32_t RESULTS_HOME_ONLY = 0x800;

// Kinds of Count_Team_Results (the record chars they rebuild).
constexpr int32_t RESULT_KIND_WINS = 0;
constexpr int32_t RESULT_KIND_LOSSES = 4;
constexpr int32_t RESULT_KIND_TIES = 8;

// Kinds of Count_Team_Recent_Results.
constexpr int32_t RECENT_WINS = 1;
constexpr int32_t RECENT_LOSSES = 2;
constexpr int32_t RECENT_TIES = 3;

void Add_Team_Win(int32_t team, int32_t home);
void Add_Team_Loss(int32_t team, int32_t home);
void Add_Team_Tie(int32_t team, int32_t home);
void Add_Team_Playoff_Loss(int32_t team);

int32_t Get_Team_Away_Wins(int32_t team);
int32_t Get_Team_Away_Losses(int32_t team);
int32_t Get_Team_Away_Ties(int32_t team);
int32_t Get_Team_Winning_Percentage(int32_t team);
int32_t Get_Team_Games_Played(int32_t team);
// The games a team's season totals are credited from: the regular season's
// and the playoffs'.
int32_t Get_Team_Games_Played_With_Playoffs(int32_t team);

// Buffers take at least 32 bytes.
int32_t Format_Team_Record(char* buffer, int32_t team);
int32_t Format_Team_Record_Spaced(char* buffer, int32_t team);
void Format_Team_Season_Record(char* buffer, int32_t team, int32_t seasons_back);

int32_t Is_Game_Played(GAME_RECORD* game);
int32_t Is_Game_In_Use(const GAME_RECORD* game);
int32_t Count_League_Games_Played();
// The same with the playoff games, summed over the active teams.
int32_t Count_League_Games_Played_With_Playoffs();
int32_t Sum_League_Record_Char(int32_t n);

int32_t Get_Team_Last_Game_Index(int32_t team);
int32_t Get_Team_Last_Finished_Game_Index(int32_t team);
int32_t Count_Team_Recent_Results(int32_t team, int32_t n, int32_t kind);
void Format_Team_Recent_Record(char* buffer, int32_t team, int32_t n);
// Games won in a row up to the newest game that counts (above 0), or the
// negative of games lost in a row; 0 after a tie or without games.
int32_t Get_Team_Streak(int32_t team);
// The streak's wins, or its losses (0 when the streak is the other way).
int32_t Get_Team_Winning_Streak(int32_t team);
int32_t Get_Team_Losing_Streak(int32_t team);

int32_t Get_League_Points_Total();
int32_t Get_League_Game_Stat_Total(int32_t n);
int32_t Get_Team_Game_Stat_Total(int32_t team, int32_t n);
// Points the team scored (scored != 0) or allowed over the season's records.
int32_t Get_Team_Points_Total(int32_t team, int32_t scored);

int32_t Count_Team_Results(int32_t team, int32_t kind, int32_t filter);
// While one lives, Count_Team_Results reads the season's finished games once
// (at its first question) instead of at every question: for work that asks
// it many times over a league whose games do not change meanwhile, as the
// standings and the playoff seeding do.
struct TEAM_RESULTS_SCOPE {
    TEAM_RESULTS_SCOPE();
    ~TEAM_RESULTS_SCOPE();
    TEAM_RESULTS_SCOPE(const TEAM_RESULTS_SCOPE&) = delete;
    TEAM_RESULTS_SCOPE& operator=(const TEAM_RESULTS_SCOPE&) = delete;
};
// Get_Team_Division, Get_Team_Conference and Count_Active_Teams, read once
// per results scope (the league's structure does not change meanwhile
// either) and afresh outside one.
int32_t Get_Kept_Team_Division(int32_t team);
int32_t Get_Kept_Team_Conference(int32_t team);
int32_t Get_Kept_Active_Team_Count();
void Rebuild_Team_Records_From_Games();

int32_t Get_Team_Playoff_Slot(int32_t team);
int32_t Get_Team_Playoff_Round_Code(int32_t team);
