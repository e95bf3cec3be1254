#include "tools/season_simulator.h"

int32_t Simulator_Seasons = 0;
int32_t Simulator_Run_Index = 0;
