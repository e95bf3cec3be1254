#include "dialogs/scouting_report.h"

// The report's pages are not drawn yet: every message is left to the
// window's default handling.
intptr_t Scouting_Report_Dialog_Proc(WINDOW_HANDLE, uint32_t, uintptr_t, intptr_t) {
    return 0;
}
