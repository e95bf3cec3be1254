#pragma once
// The state of a fantasy draft, kept in a file beside the saved game.

// Reads "<saved game name>.draft" into Fantasy_Draft_State. Returns 1 when read;
// 0 leaves the state as it was (a missing or short file, or a saved-game name
// that is not a plain file name).
int Load_Fantasy_Draft_State();
