#include "frontoffice/returners.h"

#include "database/player_record.h"
#include "database/team_record.h"

int32_t Choose_Best_Returner(int32_t team, int32_t n) {
    if (static_cast<uint32_t>(team) >= TOTAL_NUMBER_OF_TEAMS) return NO_PLAYER;
    int32_t rating = n == 1 ? RATING_PUNT_RETURNS : RATING_KICK_RETURNS;
    int32_t best = NO_PLAYER;
    float best_value = 0.0f;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        if (!Is_Player_Slot_Used(team, slot) || !Is_Skill_Or_Secondary_Player(team, slot)) continue;
        float value = Get_Player_Rating(team, slot, rating);
        if (best == NO_PLAYER || value > best_value) {
            best = slot;
            best_value = value;
        }
    }
    if (best != NO_PLAYER) Set_Team_Returner(team, n, best);
    return best;
}
