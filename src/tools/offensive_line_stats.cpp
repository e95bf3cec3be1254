#include "tools/offensive_line_stats.h"

#include "database/player_record.h"
#include "database/player_statistics.h"

void Set_Offensive_Line_Stats(int32_t team, int32_t slot) {
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    const int32_t pass = Get_Player_Stat(team, slot, SEASON_PREDICTED, 6);
    const int32_t run = Get_Player_Stat(team, slot, SEASON_PREDICTED, 5);
    int32_t sack_factor = 22;
    int32_t run_floor = 25;
    if (position == POSITION_T) {
        sack_factor = 14;
        run_floor = 19;
    } else if (position == POSITION_G) {
        sack_factor = 18;
        run_floor = 22;
    }
    Set_Player_Stat(team, slot, SEASON_PREDICTED, 4, (100 - pass) * sack_factor / 30);
    Set_Player_Stat(team, slot, SEASON_PREDICTED, 7, 225);
    Set_Player_Stat(team, slot, SEASON_PREDICTED, 8, (run - run_floor) * 15);
}

void Fill_Offensive_Line_Stats() {
    For_Each_League_Player([](int32_t team, int32_t slot) {
        const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
        if (position == POSITION_T || position == POSITION_G || position == POSITION_C)
            Set_Offensive_Line_Stats(team, slot);
    });
}
