#pragma once
// Team results over the season: games played by a team and by the league.
#include <cstdint>

// Wins + losses + ties this season for a used franchise slot; for any other code
// (255 = the league average) the share of the season length played so far.
int32_t Get_Team_Games_Played(int32_t team);
// Sum of wins, losses and ties of every active team this season.
int32_t Count_League_Games_Played();
