#pragma once
// The free-agent market: computer-run teams bid for the pool's good players
// and each team signs at most the one it bid most for.
#include <cstdint>

void Run_Free_Agent_Market(int32_t show_progress);
