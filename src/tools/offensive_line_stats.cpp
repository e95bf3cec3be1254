#include "tools/offensive_line_stats.h"

#include "database/player_record.h"
#include "database/player_statistics.h"

namespace {
// His basic position; an expanded one (a left tackle, a right guard) is
// translated to the basic position it stands for.
int32_t Get_Line_Position(int32_t team, int32_t slot) {
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    return position >= NUMBER_OF_POSITIONS && position < NUMBER_OF_EXPANDED_POSITIONS
               ? Translate_Expanded_Position(position)
               : position;
}
} // namespace

void Set_Offensive_Line_Stats(int32_t team, int32_t slot) {
    const int32_t position = Get_Line_Position(team, slot);
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
        const int32_t position = Get_Line_Position(team, slot);
        if (position == POSITION_T || position == POSITION_G || position == POSITION_C)
            Set_Offensive_Line_Stats(team, slot);
    });
}
