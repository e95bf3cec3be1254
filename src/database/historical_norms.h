#pragma once
// League averages by season, position benchmarks, the passer rating, a few
// league-wide player repairs and the player figures the statistics build on.
#include <cstdint>

int32_t Get_Historical_Average_Stat(int32_t stat, int32_t year);
int32_t Get_Current_Historical_Average_Stat(int32_t stat);
int32_t Get_Smoothed_Yearly_Norm(int32_t year);
int32_t Get_Position_Stat_Benchmark(int32_t position, int32_t stat);
int32_t Compute_Passer_Rating(int32_t attempts, int32_t completions, int32_t yards, int32_t touchdowns,
                              int32_t interceptions);
void Scale_Player_Season_Stats(int32_t team, int32_t slot, int32_t season, int32_t percent);
// The same for every player of the league.
void Scale_All_Player_Season_Stats(int32_t season, int32_t percent);

// League-wide repairs of loaded and built leagues.
void Fill_Missing_Heights_And_Weights();
void Repair_Player_Birth_Years();
// Moves the birth year to 22 years before the current season, month and day
// kept; the new birth date.
int32_t Repair_Player_Birth_Year(int32_t team, int32_t slot);
// Moves the birth year so that Get_Player_Age gives `age`, month and day
// kept; the new birth date.
int32_t Set_Player_Age(int32_t team, int32_t slot, int32_t age);

// Copies the college name for display into `out` (at least 24 bytes).
void Get_Player_College_Display_Name(int32_t team, int32_t slot, char* out);
// Never null: a static empty text for an address outside the block.
const char* Get_Player_External_ID_Pointer(int32_t team, int32_t slot);
void Add_To_Player_Vital_Stat(int32_t team, int32_t slot, int32_t ignored, int32_t value);
int32_t Get_Lineman_Or_Defender_Code(int32_t team, int32_t slot);

// Player figures.
int32_t Get_Player_Playing_Time_Weight(int32_t team, int32_t slot);
int32_t Get_Rushing_Touchdown_Share(int32_t team, int32_t slot, int32_t season);
int32_t Get_Player_Build_Figure(int32_t team, int32_t slot);
int32_t Get_Rushing_Production(int32_t team, int32_t slot, int32_t season);
int32_t Get_Receiving_Touchdown_Share(int32_t team, int32_t slot, int32_t season);
int32_t Get_Receiving_Production(int32_t team, int32_t slot, int32_t season);
int32_t Get_Lineman_Vital_Figure(int32_t team, int32_t slot);
// The figure on the ratings' scale: plus 70.
int32_t Get_Lineman_Vital_Rating(int32_t team, int32_t slot);
int32_t Scale_By_Predicted_Playing_Time(int32_t team, int32_t slot, int32_t value);
int32_t Compute_Player_Stat_Score(int32_t team, int32_t slot);
int32_t Compute_Player_Rating_Blend(int32_t team, int32_t slot);
// Whether the rating blend is at least 70.
int32_t Is_Rating_Blend_High(int32_t team, int32_t slot);
// value / 10 held to 0..99.
int32_t Get_Tenth_Clamped(int32_t value);
// `a` scaled by the rounded root of a count n: with q = Rounded_Signed_Sqrt((10,000 n
// + 200) / 400), a * (q + 100) / 200, at most q / 2 + 50.
int32_t Scale_By_Root_Count(int32_t a, int32_t n);
