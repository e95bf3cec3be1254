#pragma once
// Batch operations over the season databases and the league that serve in
// preparing the installation's data. Nothing in the game reaches them; the
// program korva_devtools runs them by name. Completion messages use the
// caption "Do_Special_Tool()".
#include <cstdint>

// For each year Y 1951-2021 the database of Y + 1 is loaded and its players'
// ratings of Y exported into one file ("Output/Ratings/Y_Player_Ratings.csv"):
// the linemen first, as stored, then the other positions in order, rebuilt
// from their last season. A year whose database cannot be loaded is
// skipped. Returns the years exported.
int32_t Export_Replay_Mode_Player_Ratings();
// Every season 1951-2022: its database loaded and all its ratings exported.
int32_t Export_Every_Season_Player_Ratings();
// Every season 1951-2021: loaded, its return and production ratings adjusted,
// and saved again under its name. A year that does not load is not saved.
int32_t Rebuild_Season_Databases();
// Teams 0-36: return ratings from the predicted returns, every rating scaled
// to the player's production (with a bonus for returners), then the young
// players toned down.
void Adjust_Return_And_Production_Ratings();

// "Fractions.txt": batting averages as the fewest hits for the fewest at-bats,
// then earned-run averages as earned runs and innings.
int32_t Write_Fractions_Table();
// "TooLong.txt": the names of the offensive plays longer than 28 characters
// of team slots 0, 4, 5, 6, 10 and 22.
int32_t Find_Long_Play_Names();
// The sum of (rating - 65, at least 0) over the ratings that count for the
// player's position group, each as his last season rates it: seven for the
// skill positions, four for the others.
int32_t Get_Player_Rating_Excess(int32_t team, int32_t slot);
// Salary bands: 0 -> 0, 2 -> 1, 3 -> 2, 5 -> 3, 8 -> 4, 10 -> 5, 12 -> 6,
// 15 -> 7, any other index -> 8.
int32_t Get_Payroll_Group(int32_t index);
// "Gridiron-Salaries.csv": each team's payroll and value, then the league's
// money by position and salary band.
int32_t Write_Payroll_Analysis();
// Games started of season lines that have games but no starts, estimated
// from the line's other statistics by position group.
void Estimate_Games_Started();
// New names for every player from the name files.
void Replace_Player_Names();
// Linemen and defenders: predicted blocking and defensive figures set to the
// position averages.
void Set_Predicted_Position_Averages();
// Linemen: predicted statistics 4, 8, 10 and 11 from last season's games and
// starts and the position averages.
void Estimate_Lineman_Predicted_Stats();
// Reports every pair of used players of the same full name; returns the pairs.
int32_t Check_Duplicate_Player_Names();
// Asks whether to import the current year's rosters or everything from the
// saved pages.
void Download_Data_Prompt();

// The games of a season of `year` the replay export completes: 12 before
// 1961, 14 to 1977, 16 to 2020 and 17 from 2021.
int32_t Get_Replay_Season_Games(int32_t year);
