#include "dialogs/scouting_report.h"

#include "app/modal_dialogs.h"
#include "database/settings.h"

// The report's pages are not drawn yet: every message is left to the
// window's default handling.
intptr_t Scouting_Report_Dialog_Proc(WINDOW_HANDLE, uint32_t, uintptr_t, intptr_t) {
    return 0;
}

int32_t Show_Scouting_Report(WINDOW_HANDLE parent, int32_t team, int32_t slot) {
    Set_User_Preference(SELECTED_PLAYER_TEAM, team);
    Set_User_Preference(SELECTED_PLAYER_SLOT, slot);
    return Do_Dialog(parent, SCOUTING_REPORT_DIALOG, 0);
}
