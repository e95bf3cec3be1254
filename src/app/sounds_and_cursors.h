#pragma once
// Short sound effects from the "sound" folder and the five cursors of the
// main window.
#include <cstdint>

// Plays "sound/<file>" asynchronously when sounds are on; the platform's
// result, 0 when sounds are off.
int32_t Play_Sound_Effect(const char* file);
// Stops any sound effect still playing by playing the empty sound.
int32_t Stop_Sound_Effect();
// Loads the five cursors (0 the arrow, 1-3 resources 130-132, 4 the wait
// cursor); 0 when one of the three resource cursors is missing.
int32_t Load_App_Cursors();
// Shows cursor `index` (0-4).
void Set_App_Cursor(int32_t index);
