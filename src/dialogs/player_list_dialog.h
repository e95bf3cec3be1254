#pragma once
// The player list dialog (template 114 "Sortable Stats"): opened as 114 it
// lists a team, a league or every active player with their statistics; as
// 130 the free-agent market; as 170 the college draft pool. From the list
// the user releases, signs or drafts a player, makes a fantasy-draft pick
// and opens any player's scouting report.
#include <cstdint>

#include "dialogs/list_dialog_layout.h"
#include "dialogs/listview_engine.h"
#include "platform/dialogs.h"

constexpr int32_t SORTABLE_STATS_DIALOG = 114;
constexpr int32_t FREE_AGENTS_DIALOG = 130;
constexpr int32_t COLLEGE_DRAFT_DIALOG = 170;

// Controls of template 114.
constexpr int32_t PLAYER_LIST_VIEW = 1124;
constexpr int32_t PLAYER_SCOUTING_BUTTON = 1045;
constexpr int32_t PLAYER_ACTION_BUTTON = 1044;
constexpr int32_t PLAYER_EDIT_COLUMNS_BUTTON = 11;
constexpr int32_t PLAYER_VIEW_MY_TEAM_BUTTON = 1097;
constexpr int32_t PLAYER_POSITION_BOX = 1217;
constexpr int32_t PLAYER_COUNT_TEXT = 1389;
constexpr int32_t PLAYER_ROSTER_NOTE = 1384;
constexpr int32_t PLAYER_CAP_LINE = 1386;
constexpr int32_t PLAYER_POSITION_CHART = 1387;
constexpr int32_t PLAYER_TITLE_LINE = 1121;

// Scopes of the list (its team filter word).
constexpr int32_t SCOPE_ALL_ACTIVE = 2001;
constexpr int32_t SCOPE_HEADING = 2000;
constexpr int32_t SCOPE_FIRST_LEAGUE = 3000;
constexpr int32_t SCOPE_FANTASY_DRAFTED = 4000;
constexpr int32_t SCOPE_FANTASY_UNDRAFTED = 4001;
constexpr int32_t SCOPE_FREE_AGENTS = 5000;
constexpr int32_t SCOPE_COLLEGE_POOL = 6000;
// The fewest players a roster may be released down to outside the draft.
constexpr int32_t MINIMUM_ROSTER = 51;
// Setting 87: the last choice of the position box (15: any position).
constexpr int32_t PLAYER_LIST_POSITION_SETTING = 87;

extern const DIALOG_TEMPLATE SORTABLE_STATS_DIALOG_TEMPLATE;
// The dialog's list and layout (they live for the run).
extern LISTVIEW_DATA Player_List_Data;
extern LIST_DIALOG_LAYOUT Player_List_Layout;
// The roster list's last scope, restored when dialog 114 opens again.
extern int32_t Player_List_Team_Filter;

// Templates 114, 130 and 170 (init parameter 0, 1 or 2: the list kind).
intptr_t Sortable_Stats_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam);
// The cap line, the rows afresh, sorted, nothing selected. NO_WINDOW: the
// player list open now, if any (the fantasy draft calls it after each pick).
void Refresh_Player_List_Dialog(WINDOW_HANDLE dialog);
// True while a player list dialog is open (only one may be: it owns the
// list's globals).
bool Is_Player_List_Open();
// The codes of the players the scope and the position filter pass, then the rows.
void Build_Player_List_Entries(LISTVIEW_DATA* data);
void Update_Player_List_Buttons(WINDOW_HANDLE dialog);
void Update_Player_List_Cap_Text(WINDOW_HANDLE dialog);
// Title line 1121, when the dialog has one: a blank and the user's team's
// full name in capitals (the viewed team's in Commissioner Mode).
void Update_User_Team_Title(WINDOW_HANDLE dialog);
void Update_Player_Count_Text(WINDOW_HANDLE dialog);
void Fill_Position_Filter_Box(WINDOW_HANDLE dialog);
void Fill_Fantasy_Scope_Box(WINDOW_HANDLE dialog);
// Every free agent's contract length and demand worked out afresh.
void Refresh_Free_Agent_Demands();
// The team's room under the cap ("$%s,000 under salary cap"), or without a
// cap its payroll against its budget. `room` in thousands.
void Format_Payroll_Line(char* text, int32_t size, int32_t room, int32_t team);
void Update_Free_Agent_Cap_Text(WINDOW_HANDLE dialog);
void Update_Roster_Size_Text(WINDOW_HANDLE dialog);
// "%d %s" for each position the team took in the fantasy draft, joined by
// ", "; "None" for none.
void Format_Fantasy_Picks_Text(char* text, int32_t size, int32_t team);
void Show_Fantasy_Picks_Summary(WINDOW_HANDLE dialog);
// "Sortable Stats: ..." or the list's own caption for a scope.
void Format_Player_List_Caption(char* text, int32_t size, int32_t scope);
// Puts the list's view back so that `top_row` is its first row shown.
void Restore_Listview_Top_Row(WINDOW_HANDLE list, int32_t top_row);
