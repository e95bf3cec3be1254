#include "season/replay_season_stats.h"

// No real season statistics ship with the game yet: a replay season plays
// from the players' ratings alone.
void Load_Replay_Season_Stats() {}
