#pragma once
// Making a player's predicted season (in-record season 3) consistent after it
// was projected or scaled.
#include <cstdint>

// Raises or lowers single predicted statistics so that they agree with each
// other and with the player's position. Writes only the predicted season.
void Reconcile_Predicted_Player_Stats(int32_t team, int32_t slot);
