#include "season/all_time_leaders.h"

// The stored lists stand as saved until the leader tables are rebuilt from
// the players' careers.
void Update_All_Time_Leaders(int32_t) {}

void Update_ATL_Career_Totals(int32_t) {}

void Refresh_All_Time_Leaders() {}
