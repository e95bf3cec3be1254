#include "personnel/draft_pool_players.h"

#include "database/player_record.h"

int32_t Get_Draft_Pool_Player(int32_t index, int32_t* team, int32_t* slot) {
    if (index < 0) return 0;
    for (int32_t pool = FIRST_COLLEGE_POOL_TEAM; pool < TOTAL_NUMBER_OF_TEAMS; ++pool) {
        int32_t used = 0;
        while (used < PLAYERS_PER_TEAM && Is_Player_Slot_Used(pool, used))
            ++used;
        if (index < used) {
            *team = pool;
            *slot = index;
            return 1;
        }
        index -= used;
    }
    return 0;
}
