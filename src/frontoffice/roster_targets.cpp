#include "frontoffice/roster_targets.h"

#include "database/roster_slots.h"
#include "frontoffice/roster_minimums.h"

// Between a full roster's count and the fewest a roster may keep.
int32_t Get_Position_Roster_Target(int32_t position) {
    return (Get_Position_Quota(position) + Get_Position_Roster_Minimum(position)) / 2;
}
