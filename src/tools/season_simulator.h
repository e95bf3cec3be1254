#pragma once
// The season simulator tool: plays the current season to its end many times
// from the same league and tallies how each team fared.
#include <cstdint>

// The number of runs asked for while the simulator runs, 0 otherwise. Clearing
// it stops the simulator after the season being played.
extern int32_t Simulator_Seasons;
// The run being played while the simulator runs, from 0.
extern int32_t Simulator_Run_Index;
// Runs the single-season simulator with the settings the Simulation Tool
// dialog returned.
void Run_Season_Simulator(int32_t settings);
