#pragma once
// The league's all-time leader lists.
#include <cstdint>

// Rebuilds one kind of all-time leader list from every team.
void Update_All_Time_Leaders(int32_t kind);
// Mode 1: the snapshot of the players' career totals before a week's games.
void Update_ATL_Career_Totals(int32_t mode);
// After a week's games: the lists take the week's new season and game marks.
void Refresh_All_Time_Leaders();
