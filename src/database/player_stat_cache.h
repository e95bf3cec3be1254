#pragma once
// The caches of computed player statistics that a game day switches on.

// Empties the computed-statistics caches and switches them on.
void Begin_Player_Stat_Cache();
// Switches the caches off.
void End_Player_Stat_Cache();
