#include "season/schedule_clearing.h"

#include "database/league_structure.h"
#include "database/schedule_entries.h"

void Clear_All_Team_Schedules() {
    const int32_t teams = Count_Active_Teams();
    for (int32_t team = 0; team < teams; ++team)
        Clear_Scheduled_Games(team);
}
