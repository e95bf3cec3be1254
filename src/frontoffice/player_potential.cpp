#include "frontoffice/player_potential.h"

#include "database/player_record.h"

// Until development is projected, a player's peak is taken as what he is now.
float Get_Player_Potential(int32_t team, int32_t slot) {
    return Evaluate_Player_At_Own_Position(team, slot);
}
