// Player value and positional fitness.
#include "frontoffice/player_value.h"

#include <cmath>

#include "database/player_record.h"
#include "database/position_evaluation.h"

int32_t Get_Player_Value(int32_t team, int32_t slot) {
    if (!Is_Player_Address(team, slot) || !Is_Player_Slot_Used(team, slot)) return 0;
    return static_cast<int32_t>(std::trunc(Evaluate_Player_At_Own_Position(team, slot)));
}

int32_t Get_Player_Fitness_At_Position(int32_t team, int32_t slot, int32_t position, int32_t) {
    if (!Is_Player_Address(team, slot) || !Is_Player_Slot_Used(team, slot) || position < 0) return 0;
    if (position >= NUMBER_OF_POSITIONS) {
        // A returner is judged by the better of his return ratings.
        const float kick = Get_Player_Rating(team, slot, RATING_KICK_RETURNS);
        const float punt = Get_Player_Rating(team, slot, RATING_PUNT_RETURNS);
        const float best = kick > punt ? kick : punt;
        return std::isnan(best) ? 0 : static_cast<int32_t>(best);
    }
    const float rating = Get_Player_Position_Rating(team, slot, position);
    return std::isnan(rating) ? 0 : static_cast<int32_t>(rating);
}
