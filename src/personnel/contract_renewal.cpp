#include "personnel/contract_renewal.h"

#include "database/player_record.h"
#include "personnel/contract_length.h"

namespace {
constexpr int32_t VITAL_CONTRACT_LENGTH = 25;
} // namespace

// Every expiring contract is renewed on its old salary for the length the
// player asks for.
int32_t Check_Renew_Contract(int32_t team, int32_t slot, int32_t release) {
    (void)release;
    if (!Is_Player_Address(team, slot) || !Is_Player_Slot_Used(team, slot)) return 0;
    const int32_t years = Get_Desired_Contract_Length(team, slot);
    Set_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS, years);
    Set_Player_Vital_Stat(team, slot, VITAL_CONTRACT_LENGTH, years);
    return 1;
}
