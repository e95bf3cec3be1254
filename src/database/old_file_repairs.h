#pragma once
// Player repairs that loading runs for files saved by older versions.

// Files older than version 1210: heights below 48 inches are rebuilt from the
// position's average height and the player's weight.
void Repair_Old_Player_Heights();
// Files older than version 1507: a Red Zone rating for running backs, fullbacks,
// tight ends and wide receivers, blended from their other ratings.
void Repair_Old_Red_Zone_Ratings();
// Raises ratings 8-12 of every running back a fifth of the way to 115.
void Raise_Running_Back_Ratings();
