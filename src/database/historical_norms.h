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

// League-wide repairs of loaded and built leagues.
void Fill_Missing_Heights_And_Weights();
void Repair_Player_Birth_Years();

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
int32_t Scale_By_Predicted_Playing_Time(int32_t team, int32_t slot, int32_t value);
int32_t Compute_Player_Stat_Score(int32_t team, int32_t slot);
int32_t Compute_Player_Rating_Blend(int32_t team, int32_t slot);
