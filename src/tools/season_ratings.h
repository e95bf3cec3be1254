#pragma once
// Ratings of a built season beyond those derived from statistics: the
// measured speed of the combine file, the adjustments by age and by draft
// position, and each team brought to the strength its record promises.
#include <cstdint>

// "Input/Stats/Combine_Results.csv": a forty-yard time above 4.0 seconds
// gives the player's speed and his time (vital 4).
void Load_Combine_Results_CSV();
struct STATS_LINE;
void Read_Combine_Line(const STATS_LINE& line);
// The speed rating of a forty-yard time at an age.
float Get_Combine_Speed(double forty_time, int32_t age);
// A position's peak age in a season year (quarterbacks peak later in later eras).
int32_t Get_Peak_Age(int32_t position, int32_t year);
// Every used player of slots 0-40: a small lift, then the young brought
// toward what their careers will show and the old past their peak aged.
void Age_Adjust_All_Ratings();
void Age_Adjust_Player_Ratings(int32_t team, int32_t slot);
// 2022: the season's draft picks rated by pick.
void Set_Rookie_Ratings_By_Pick();
// Prospects (vital 24 set) rated in the range of prospects.
void Rescale_Prospect_Ratings();
// Every active team with a team score moved until its overall rating meets
// the score against the league's mean.
void Calibrate_Team_Ratings();
void Calibrate_Team_Step(int32_t team, float delta);
