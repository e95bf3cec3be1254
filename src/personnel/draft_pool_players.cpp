#include "personnel/draft_pool_players.h"

#include "database/player_record.h"
#include "database/roster_slots.h"

int32_t Get_Draft_Pool_Player(int32_t index, int32_t* team, int32_t* slot) {
    if (index < 0) return 0;
    for (int32_t pool = FIRST_COLLEGE_POOL_TEAM; pool < TOTAL_NUMBER_OF_TEAMS; ++pool) {
        const int32_t used = Get_First_Empty_Player_Slot(pool);
        if (index < used) {
            *team = pool;
            *slot = index;
            return 1;
        }
        index -= used;
    }
    return 0;
}

int32_t Is_Draft_Pool_Place(int32_t team, int32_t slot) {
    if (team < FIRST_COLLEGE_POOL_TEAM || team >= TOTAL_NUMBER_OF_TEAMS) return 0;
    return slot >= 0 && slot < Get_First_Empty_Player_Slot(team) ? 1 : 0;
}

int32_t Count_Draft_Pool_Position_Players(int32_t position) {
    int32_t count = 0;
    for (int32_t pool = FIRST_COLLEGE_POOL_TEAM; pool < TOTAL_NUMBER_OF_TEAMS; ++pool) {
        const int32_t used = Get_First_Empty_Player_Slot(pool);
        for (int32_t slot = 0; slot < used; ++slot)
            if (Get_Player_Vital_Stat(pool, slot, VITAL_POSITION) == position) ++count;
    }
    return count;
}
