#pragma once
// Moving a player's ratings up or down by one signed adjustment.
#include <cstdint>

// Moves every rating that matters for the player's position: a positive
// adjustment closes 70 a / 29 of the gap to 99, a negative one cuts the rating
// by that fraction. In aging mode each rating declines by its own factor and
// Speed never improves. An adjustment outside -1..1 is reported and applied.
void Modify_Player_Ratings(int32_t team, int32_t slot, float adjustment, bool aging);
