#include "frontoffice/player_contract_demand.h"

#include "database/player_record.h"

// The demand stays the signing bonus already asked.
int32_t Set_Player_Contract_Demand(int32_t team, int32_t slot, int32_t value) {
    (void)value;
    return Get_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS);
}
