#pragma once
// The Play menu, rebuilt for the phase of the game.

// Rebuilds the Play menu for the current phase (season, playoffs, off-season,
// draft).
void Update_Play_Menu();
