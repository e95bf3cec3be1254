#pragma once
// League figures over many finished games, both teams together: the per-game
// averages a real league is judged by (points, plays, runs and passes, their
// yards, turnovers, penalties, kicks, overtime).
#include <cstdint>
#include <string>

#include "database/game_record_layout.h"

struct LEAGUE_FIGURES {
    int64_t Games;
    int64_t Points;
    int64_t Plays;
    int64_t Pass_Attempts;
    int64_t Completions;
    // Yards of the completions, before the yards lost on sacks come off.
    int64_t Passing_Yards;
    int64_t Rushes;
    int64_t Rushing_Yards;
    int64_t Sacks;
    int64_t Interceptions;
    int64_t Fumbles;
    int64_t Fumbles_Lost;
    int64_t Penalties;
    int64_t Punts;
    int64_t Field_Goals_Made;
    int64_t Field_Goals_Tried;
    int64_t Extra_Points_Made;
    int64_t Extra_Points_Tried;
    int64_t Touchbacks;
    int64_t Overtime_Games;
};

// Adds one finished game.
void Add_Game_To_Figures(LEAGUE_FIGURES& figures, const GAME_RECORD& game);
// Per-game averages (rates for completions, yards per rush and completion).
double Figures_Per_Game(const LEAGUE_FIGURES& figures, int64_t total);
double Figures_Completion_Rate(const LEAGUE_FIGURES& figures);
double Figures_Yards_Per_Rush(const LEAGUE_FIGURES& figures);
double Figures_Yards_Per_Completion(const LEAGUE_FIGURES& figures);
double Figures_Yards_Per_Attempt(const LEAGUE_FIGURES& figures);
double Figures_Field_Goal_Rate(const LEAGUE_FIGURES& figures);
double Figures_Extra_Point_Rate(const LEAGUE_FIGURES& figures);
// A readable table of the averages.
std::string Format_League_Figures(const LEAGUE_FIGURES& figures);
