#include "engine/game_driver.h"

#include "database/settings.h"
#include "database/universe.h"
#include "engine/game_record.h"

namespace {
constexpr int32_t END_OF_REGULATION = 3600;

// A lead of one to five points while the trailing side has not yet had the
// ball in overtime: a field goal on the first possession does not end it.
bool Is_First_Possession_Open(const GAME_RECORD* pGame) {
    int32_t lead = pGame->Score[1] - pGame->Score[0];
    bool side0_had_ball = (pGame->Overtime_Possessions & 1) != 0;
    bool side1_had_ball = (pGame->Overtime_Possessions & 2) != 0;
    return (lead >= 1 && lead <= 5 && !side0_had_ball) || (lead <= -1 && lead >= -5 && !side1_had_ball);
}
} // namespace

int32_t Is_Game_Over(GAME_RECORD* pGame) {
    if (pGame == nullptr) return 0;
    int32_t clock = pGame->Clock;
    bool scores_differ = pGame->Score[0] != pGame->Score[1];
    bool try_pending = Get_Game_Down(pGame) == CONVERSION_ATTEMPT;
    bool regular_season = pGame->Week < Universe.Season_Length;
    int32_t period = regular_season ? Get_User_Preference(OVERTIME_MINUTES) * 60 : 900;
    int32_t mode = Get_User_Preference(regular_season ? REGULAR_SEASON_OVERTIME_RULE : PLAYOFF_OVERTIME_RULE);
    if (clock < END_OF_REGULATION) return 0;
    if (clock == END_OF_REGULATION && !try_pending && scores_differ) return 1;
    if (regular_season && !try_pending && Get_User_Preference(REGULAR_SEASON_OVERTIME_FLAG) == 0) return 1;
    switch (mode) {
    case 0:
        if (clock > END_OF_REGULATION && scores_differ) return 1;
        return clock < END_OF_REGULATION + period ? 0 : 1;
    case 1:
        if (clock >= END_OF_REGULATION + period) return 1;
        if (Is_First_Possession_Open(pGame) || clock == END_OF_REGULATION) return 0;
        return scores_differ ? 1 : 0;
    case 2:
        if (clock == END_OF_REGULATION) return 0;
        return scores_differ ? 1 : 0;
    case 3:
        if (Is_First_Possession_Open(pGame)) return 0;
        if (clock == END_OF_REGULATION || !scores_differ) return 0;
        return 1;
    default:
        return 0;
    }
}
