#pragma once

// Process-wide working state that is derived from the league in the block:
// free-row hints, the buffered names of the name files, the positions whose
// generation gave up. Whenever the block is replaced whole (cleared, loaded,
// rebuilt) this state is forgotten, so a league plays the same from the same
// seed whatever the process did before.
void Reset_League_Derived_State();
