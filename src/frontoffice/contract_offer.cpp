#include "frontoffice/contract_offer.h"

#include "app/modal_dialogs.h"
#include "database/player_record.h"
#include "database/settings.h"
#include "platform/windows.h"

int32_t Open_Contract_Offer(WINDOW_HANDLE parent, int32_t team, int32_t slot) {
    Set_User_Preference(SELECTED_PLAYER_TEAM, team);
    Set_User_Preference(SELECTED_PLAYER_SLOT, slot);
    Set_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS, 0);
    Set_Player_Vital_Stat(team, slot, VITAL_BONUS_YEARS,
                          Get_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS));
    const bool has_parent = parent != NO_WINDOW && Is_Window(parent);
    const bool was_enabled = has_parent && Enable_Window(parent, false);
    const int32_t result = Refresh_Bars_And_Do_Dialog(has_parent ? parent : NO_WINDOW, CONTRACT_OFFER_DIALOG);
    if (has_parent && Is_Window(parent)) {
        if (was_enabled) Enable_Window(parent, true);
        Invalidate_Window(parent, nullptr);
        Update_Window(parent);
    }
    return result;
}
