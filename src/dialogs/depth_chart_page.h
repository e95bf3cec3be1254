#pragma once
// What the three depth-chart pages share: Offense (119), Defense (128) and
// Special Teams (162) show the viewed team's roster in its depth-chart order
// (the order of its player slots, grouped by unit), with one row format,
// one layout of controls, the team furniture (selector, statistics season,
// helmet, caption) and the page refresh that the Expenses dialog calls too.
#include <cstdint>

#include "platform/dialogs.h"
#include "platform/handles.h"

struct DIALOG_LAYOUT_STATE;

constexpr int32_t DEFENSE_DIALOG = 128;
constexpr int32_t SPECIAL_TEAMS_DIALOG = 162;

// Controls the pages share.
constexpr int32_t DEPTH_STARTER_LIST = 1079;
constexpr int32_t DEPTH_RESERVE_LIST = 1030;
constexpr int32_t DEPTH_LINEUP_LABELS = 1447;
constexpr int32_t DEPTH_NOTE_TEXT = 1446;
constexpr int32_t DEPTH_HELMET = 1379;
constexpr int32_t DEPTH_STARTER_UP = 1086;
constexpr int32_t DEPTH_STARTER_DOWN = 1085;
constexpr int32_t DEPTH_STARTER_SCOUTING = 1084;
constexpr int32_t DEPTH_SWAP = 1036;
constexpr int32_t DEPTH_RESERVE_UP = 1040;
constexpr int32_t DEPTH_RESERVE_DOWN = 1041;
constexpr int32_t DEPTH_RESERVE_SCOUTING = 1042;
constexpr int32_t DEPTH_RELEASE = 1044;
constexpr int32_t DEPTH_AUTO_SORT = 1225;
constexpr int32_t DEPTH_VIEW_MY_TEAM = 1097;
constexpr int32_t DEPTH_SPECIAL_TEAMS_BUTTON = 1043;
constexpr int32_t DEPTH_DEFENSE_BUTTON = 1119;
constexpr int32_t DEPTH_OFFENSE_BUTTON = 1081;
constexpr int32_t DEPTH_HELP = 9;

// The longest row a depth-chart list or returner box shows.
constexpr int32_t DEPTH_ROW_SIZE = 256;
// Fitness at his row's position below which a starter is unsuitable.
constexpr int32_t SUITABLE_STARTER_FITNESS = 850;
// The players a roster keeps at least: Release is offered above it.
constexpr int32_t MINIMUM_ROSTER_SIZE = 51;

// The layout the Offense and Defense pages share: the reserve list takes the
// height the dialog grows by, the controls below it follow the bottom edge.
extern DIALOG_LAYOUT_STATE Depth_Chart_Layout;

// Sets the dialog's caption to `caption`, adds the team (Set_Team_Dialog_Caption)
// and fills the page the caption names: "Offense", "Defense" or "Special
// Teams"; any other caption fills nothing. Then the helmet is drawn again
// (when the dialog has one) and, with a layout, the reserve list's rows are fitted.
void Refresh_Depth_Chart_Page(WINDOW_HANDLE dialog, DIALOG_LAYOUT_STATE* layout, const char* caption);

// One row of a depth-chart list: name (in parentheses while his contract
// runs out, once the champion is decided, for a franchise), then his status;
// short position; "   %d" rating or "%d/%d" rating/potential; games started
// (games for kickers and punters); the statistics summary of the chosen
// season. Each column is padded in front and ends with a tab. `out` holds
// DEPTH_ROW_SIZE bytes.
void Format_Depth_Chart_Row(int32_t team, int32_t slot, char* out);
// The same row with games started in the fourth column for everyone.
void Format_Defense_Depth_Row(int32_t team, int32_t slot, char* out);

// A team's depth chart may be changed: a human-run franchise in use outside
// a multi-season simulation, or any team in Commissioner Mode.
bool Is_Depth_Chart_Editable(int32_t team);
// The roster Release must leave: 51, during the college draft 51 less the
// team's picks still to come.
int32_t Get_Depth_Chart_Minimum_Roster(int32_t team);
// The note under the lists after the regular season once the champion is
// decided: expiring contracts are in parentheses (and, editable, Scouting
// negotiates). Otherwise the note stays as it is.
void Update_Depth_Chart_Note(WINDOW_HANDLE dialog, bool editable);

// Fills `list` with the team's rows of the slots first..last whose player
// belongs to `unit` (0 offence, 1 defence, 2 kickers), each row's item data
// its slot; the selected line stays selected by index. `stops` are the four
// tab stops in dialog units.
void Fill_Depth_Chart_List(WINDOW_HANDLE list, int32_t team, int32_t first, int32_t last, int32_t unit,
                           const int32_t stops[4], void (*format)(int32_t, int32_t, char*));
// The slot of the selected row of a list, -1 for none.
int32_t Get_Selected_Depth_Slot(WINDOW_HANDLE dialog, int32_t list_id);
// Up, Down and Scouting of one list by its selection: Up needs a row other
// than the first, Down one other than the last, both editing rights.
void Enable_Depth_List_Buttons(WINDOW_HANDLE dialog, int32_t list_id, int32_t up, int32_t down,
                               int32_t scouting, bool editable);
// Moves the selected row's player one slot up (-1) or down (+1) and selects
// his row again; false when no row was selected or the move leaves the list.
bool Move_Depth_Chart_Row(WINDOW_HANDLE dialog, int32_t list_id, int32_t step);

// Opening a page: fonts and the button font, the viewed team made valid and
// its roster grouped by unit (a pool's too; the Hall of Fame keeps its vote
// order), the caption, the team selector and the statistics season.
void Open_Depth_Chart_Page(WINDOW_HANDLE dialog, const char* caption, const int32_t* buttons, int32_t count);
// The Offense and Defense pages' layout: made the first time in a run, then
// the dialog's controls captured and the reserve list fitted to its rows;
// the dialog is centred over its owner. Run before the lists are filled, it
// leaves the page at its designed height.
void Lay_Out_Depth_Chart_Page(WINDOW_HANDLE dialog);
// The viewed team from the selector (Set_Viewed_Team); false when the line
// chosen names no team.
bool Choose_Depth_Chart_Team(WINDOW_HANDLE dialog);
// The statistics season from combo 1223 (Stat_Season_Choice).
void Choose_Depth_Chart_Season(WINDOW_HANDLE dialog);
// The helmet of the viewed team over control 1379.
void Paint_Depth_Chart_Helmet(WINDOW_HANDLE dialog);
// Scouting Report of a player; the page is refilled afterwards.
void Scout_Depth_Chart_Player(WINDOW_HANDLE dialog, int32_t slot);
// Scouting Report of the selected row's player of list `list_id`. The report
// may change him, or release, sign or trade players so that the rows name
// other slots: `refill` fills the page again, always, or only then when
// `only_when_changed`, and the row of the same player, found by his id, is
// selected again (no row when he has left the team).
void Scout_Depth_Chart_Row(WINDOW_HANDLE dialog, int32_t list_id, void (*refill)(WINDOW_HANDLE),
                           bool only_when_changed);
// Leaves the page for dialog `next_id` (0: none).
void Leave_Depth_Chart_Page(WINDOW_HANDLE dialog, int32_t next_id);
// Asks about a misplaced starter: `text` under "Warning: Position Mismatch"
// with "OK" and "Tell me more" (the page's help).
void Warn_Position_Mismatch(const char* text, int32_t help_id);
// The messages all three pages answer alike (colours, owner-drawn team
// combo); true when handled.
bool Answer_Depth_Chart_Message(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam,
                                intptr_t* result);
