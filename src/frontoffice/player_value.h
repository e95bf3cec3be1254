#pragma once
// What a player is worth to the league.
#include <cstdint>

// Ratings now and at his peak blended with last season's production, falling
// to 0 twelve years past his position's peak age; 0 for an empty slot. A
// value taken without a draw or a repair is kept per slot with everything it
// was read from, and given again while all of that is unchanged.
int32_t Get_Player_Value(int32_t team, int32_t slot);
// Whether the slot's last value was kept: taken (or given again) without a
// draw or a repair, so that asked again before his record changes it would
// be the same and do nothing else.
bool Is_Player_Value_Kept(int32_t team, int32_t slot);
// His production of the season kind plus, for running backs, fullbacks,
// tight ends, receivers, cornerbacks and safeties, the term of his stats 302
// and 303 of that season: their sum halved below 101, less 50 from 101 on.
int32_t Get_Production_Plus_Receiving_Value(int32_t team, int32_t slot, int32_t season);
