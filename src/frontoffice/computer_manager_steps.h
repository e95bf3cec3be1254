#pragma once
// The computer general managers' steps around the season: weekly signings,
// roster moves and trades, the free-agent market, and the league's position
// norms they weigh rosters against.
#include <cstdint>

// Before each week's games: computer-run teams sign players they lack.
void Do_Automatic_Signings();
// After each week's games: the computer teams' roster moves.
void Do_Computer_Roster_Moves();
// One attempt at a trade between two random computer teams.
void Try_Computer_Trade();
// The free-agent market pass of the computer teams; `show_progress` steps the
// progress window.
void Run_Free_Agent_Market(int32_t show_progress);
// The league's mean need, depth and strength at a position, kept in the settings.
void Compute_League_Position_Need_Norm(int32_t position);
void Compute_League_Position_Depth_Norm(int32_t position);
void Compute_League_Position_Strength_Norm(int32_t position);
