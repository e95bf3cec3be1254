#pragma once
// What one team did in an average game of a season, 1932-2022: plays,
// scoring, kicks and returns, and the rates of the league's published
// averages (completions, yards, touchdowns, interceptions, punts, field
// goals). The fictional seasons are scaled to them.
#include <cstdint>

struct ERA_NORMS {
    double Pass_Attempts;   // per team game
    double Rushes;          // per team game
    double Completion_Rate; // share of attempts
    double Yards_Per_Completion;
    double Yards_Per_Rush;
    double Touchdown_Rate; // touchdown passes per attempt
    double Interception_Rate;
    double Rushing_Touchdowns; // per team game
    double Sacks;              // per team game
    double Points;             // per team game
    double Field_Goal_Attempts;
    double Field_Goal_Rate;
    double Punts;
    double Punt_Average;
    double Kickoff_Returns;
    double Punt_Returns;
    double Kick_Return_Average;
    double Punt_Return_Average;
    double Fumbles;         // per team game
    double Tackles;         // solo, per team game
    double Assists;         // per team game
    double Passes_Defended; // per team game
    // A fullback's carries against a halfback's of the same talent: the
    // backfields of the early years split the ball, later ones feed one back.
    double Fullback_Carries;
    // How often a back or receiver fumbles a touch against how often a
    // passer fumbles a dropback: the ball carriers of the early years lost
    // the ball far more often, while the passers' sacks and exchanges did
    // not change as much.
    double Carrier_Fumbling;
};

ERA_NORMS Get_Era_Norms(int32_t year);

// The most players the league let a team carry in the season of `year`.
int32_t Get_Season_Roster_Limit(int32_t year);
