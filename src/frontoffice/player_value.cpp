// Player value.
#include "frontoffice/player_value.h"

#include <cmath>

#include "database/player_record.h"
#include "database/position_evaluation.h"

int32_t Get_Player_Value(int32_t team, int32_t slot) {
    if (!Is_Player_Address(team, slot) || !Is_Player_Slot_Used(team, slot)) return 0;
    return static_cast<int32_t>(std::trunc(Evaluate_Player_At_Own_Position(team, slot)));
}
