// Kick and punt returners.
#include "frontoffice/returners.h"

#include <cmath>

#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/roster_slots.h"
#include "database/team_record.h"

namespace {
constexpr int32_t NO_RETURNER_SLOT = 5;
constexpr int32_t OFFENSIVE_STARTER_SLOTS = 11;

bool Is_Eligible_Returner(int32_t team, int32_t slot) {
    if (!Is_Player_Slot_Used(team, slot)) return false;
    switch (Get_Player_Vital_Stat(team, slot, VITAL_POSITION)) {
    case POSITION_RB:
    case POSITION_FB:
    case POSITION_TE:
    case POSITION_WR:
    case POSITION_CB:
    case POSITION_S:
        return true;
    default:
        return false;
    }
}

int32_t Returner_Score(int32_t team, int32_t slot, int32_t n) {
    const float returns =
        Read_Repaired_Player_Rating(team, slot, n == 0 ? RATING_KICK_RETURNS : RATING_PUNT_RETURNS);
    const float speed = Read_Repaired_Player_Rating(team, slot, RATING_SPEED);
    const float quickness = Read_Repaired_Player_Rating(team, slot, RATING_QUICKNESS);
    const float running = std::trunc(speed * 2.0f + std::trunc(returns * 5.0f));
    int32_t score = static_cast<int32_t>(running + quickness);
    // An offensive starter must beat a backup by a third to return kicks too.
    if (slot < OFFENSIVE_STARTER_SLOTS) score = Mul_Div_Round(score, 75, 100);
    return score;
}
} // namespace

int32_t Choose_Best_Returner(int32_t team, int32_t n) {
    if (!Is_Team_Record_Slot(team) || n < 0 || n > 1) return NO_PLAYER;
    int32_t best = NO_RETURNER_SLOT;
    int32_t best_score = 0;
    bool found = false;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        if (!Is_Eligible_Returner(team, slot)) continue;
        const int32_t score = Returner_Score(team, slot, n);
        if (!found || score > best_score) {
            best = slot;
            best_score = score;
            found = true;
        }
    }
    Set_Team_Returner(team, n, best);
    return best;
}

void Choose_Team_Returners(int32_t team) {
    Choose_Best_Returner(team, 0);
    Choose_Best_Returner(team, 1);
}

void Check_Team_Returners(int32_t team) {
    if (!Is_Team_Record_Slot(team)) return;
    for (int32_t n = 0; n < 2; ++n) {
        const int32_t slot = Get_Team_Returner(team, n);
        if (!Is_Eligible_Returner(team, slot)) Choose_Best_Returner(team, n);
    }
}
