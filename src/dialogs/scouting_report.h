#pragma once
// The Scouting Report dialog (127): one player in full (photograph, card,
// ratings, the scout's sentence and his seasons' statistics on two pages),
// stepping from player to player, and the actions on him: negotiate or sign,
// trade for him, draft him, edit or release him. Its procedure also drives
// the windows of the "ReportWindow" class. The shown player is settings 29
// and 30, read afresh by every handler.
#include <cstdint>

#include "platform/dialogs.h"
#include "platform/handles.h"

struct LISTVIEW_DATA;

constexpr int32_t SCOUTING_REPORT_DIALOG = 127;
constexpr int32_t REPORT_PREVIOUS_BUTTON = 1090;
constexpr int32_t REPORT_NEXT_BUTTON = 1088;
constexpr int32_t REPORT_RELEASE_BUTTON = 1044;
constexpr int32_t REPORT_GO_GET_BUTTON = 1216;
// The report's design frame, scaled to its client area, which opens as the
// frame scaled to the main window's view.
constexpr int32_t REPORT_DESIGN_WIDTH = 588;
constexpr int32_t REPORT_DESIGN_HEIGHT = 419;
// Setting 6: the seasons the statistics page skips (0 or 12).
constexpr int32_t STAT_PAGE_OFFSET = 6;
constexpr int32_t STAT_PAGE_SEASONS = 12;

extern const DIALOG_TEMPLATE SCOUTING_REPORT_DIALOG_TEMPLATE;

intptr_t Scouting_Report_Dialog_Proc(WINDOW_HANDLE window, uint32_t code, uintptr_t wparam, intptr_t lparam);
// Opens the report over `parent`. With a list the player is its selected row
// (none selected: -1 at once, nothing opened), and Previous and Next step
// through its rows; without one, the player at (team, slot), and the steps
// go through his team's roster. An empty slot is reported ("Couldn't find:
// TEAM:%d  PLAYER:%d") and the report opens on it all the same, with nothing
// to act on. Returns the dialog's result.
int32_t Show_Scouting_Report(WINDOW_HANDLE parent, int32_t team, int32_t slot, LISTVIEW_DATA* list = nullptr);
// The report of a list's selected player, over the list's parent window.
int32_t Show_Scouting_Report_From_List(LISTVIEW_DATA* list);
// The report of the player at (team, slot), stepping through his roster.
int32_t Show_Scouting_Report_For_Player(WINDOW_HANDLE parent, int32_t team, int32_t slot);
// The buttons laid out along the bottom and set for the shown player.
void Update_Scouting_Report_Buttons(WINDOW_HANDLE dialog);
// True when the player may talk about a new contract now: he holds out, or
// he asks more than he earns, or (a franchise player once the champion is
// decided) fewer than two contract years are left.
bool Can_Negotiate_Contract(int32_t team, int32_t slot);
// The secure address of the player's page on the statistics site; false
// (and nothing written) unless his external id is letters and digits only.
bool Format_Player_Web_Address(int32_t team, int32_t slot, char* out, int32_t size);
