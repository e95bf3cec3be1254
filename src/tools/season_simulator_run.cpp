#include "tools/season_simulator.h"

void Run_Season_Simulator(int32_t) {}
