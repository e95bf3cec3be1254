#pragma once
// What a player is worth to the league.
#include <cstdint>

// Ratings now and at his peak blended with last season's production, falling
// to 0 twelve years past his position's peak age; 0 for an empty slot.
int32_t Get_Player_Value(int32_t team, int32_t slot);

// While one is held, a value taken without a draw is kept per slot and served
// again while the player's record is unchanged. Whoever holds it promises that
// nothing else a value reads changes meanwhile: no games, statistics rolls,
// new year or league settings. Holds nest; the outermost one's end forgets
// the kept values.
class PLAYER_VALUE_HOLD {
  public:
    PLAYER_VALUE_HOLD();
    ~PLAYER_VALUE_HOLD();
    PLAYER_VALUE_HOLD(const PLAYER_VALUE_HOLD&) = delete;
    PLAYER_VALUE_HOLD& operator=(const PLAYER_VALUE_HOLD&) = delete;
};
