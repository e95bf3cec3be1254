#include "database/league_structure.h"

#include "database/universe.h"

int32_t Active_Team_Count = -1;

int32_t Count_Active_Teams()
{
    int32_t count = 0;
    for (int team = 0; team < MAX_FRANCHISES; ++team)
        if (Universe.Teams[team].Team_Stats[2] != -1) ++count;
    Active_Team_Count = count;
    return count;
}
