#include "database/player_stat_cache.h"

// Computed statistics are worked out on every read; there is no cache to fill
// or empty yet.
void Begin_Player_Stat_Cache() {}

void End_Player_Stat_Cache() {}
