#include "database/player_stat_cache.h"

#include "database/player_statistics.h"

// The caches are the predicted-season memo of Get_Player_Stat: switching it
// on or off also forgets every entry.
void Begin_Player_Stat_Cache() {
    Set_Stat_Memo_Switch(1);
}

void End_Player_Stat_Cache() {
    Set_Stat_Memo_Switch(0);
}
