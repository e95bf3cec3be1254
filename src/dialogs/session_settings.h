#pragma once
// Default view state and preferences of a game: what a new, converted or
// rebuilt game starts with.

// Default view state and preferences (also the "earth" skin).
void Reset_Game_Session_Settings();
// Writes the default player-list column sets into settings 242 + 20k.
void Reset_Listview_Column_Sets();
