#pragma once
// Starting a game on the league in memory: ratings, money, finances, the
// draft pool and the views are prepared, and season 0 begins.
#include <cstdint>

// Every franchise slot below the number of active teams computer-run, every
// slot above it empty.
void Set_All_Teams_Computer_Controlled();
// Prepares the loaded league for play and starts season 0. `copy_media` is 1
// from the New Game dialog (photos and logos are copied) and 0 from the
// database builder.
void Start_Game(int32_t copy_media);
