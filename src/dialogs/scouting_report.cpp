#include "dialogs/scouting_report.h"

#include "app/modal_dialogs.h"
#include "database/player_record.h"
#include "database/settings.h"
#include "platform/message_box.h"

// The report's pages are not drawn yet: every message is left to the
// window's default handling.
intptr_t Scouting_Report_Dialog_Proc(WINDOW_HANDLE, uint32_t, uintptr_t, intptr_t) {
    return 0;
}

int32_t Show_Scouting_Report(WINDOW_HANDLE parent, int32_t team, int32_t slot) {
    if (!Is_Player_Slot_Used(team, slot))
        Show_Formatted_Message("Scouting Error", "Couldn't find: TEAM:%d  PLAYER:%d", team, slot);
    Set_User_Preference(SELECTED_PLAYER_TEAM, team);
    Set_User_Preference(SELECTED_PLAYER_SLOT, slot);
    return Do_Dialog(parent, SCOUTING_REPORT_DIALOG, 0);
}
