#pragma once
// The Playbook Editor (dialog 185): any team's offensive and defensive
// playbook, one play at a time, with the play's diagram and its recorded
// results. Edits go straight into the team's playbook in the league block.
#include <cstdint>

#include "platform/dialogs.h"
#include "platform/handles.h"

constexpr int32_t PLAYBOOK_EDITOR_DIALOG = 185;

// Controls.
constexpr int32_t EDITOR_TEAM_COMBO = 1132;
constexpr int32_t EDITOR_FOLDER_COMBO = 1426;
constexpr int32_t EDITOR_FOLDER_NAME = 1443;
constexpr int32_t EDITOR_PLAY_COMBO = 1391;
constexpr int32_t EDITOR_PLAY_NAME = 1441;
constexpr int32_t EDITOR_PLAY_COMMENT = 1442;
constexpr int32_t EDITOR_NOTES = 1444;
constexpr int32_t EDITOR_FORMATION_COMBO = 1403;
constexpr int32_t EDITOR_PLAY_TYPE_COMBO = 1404;
constexpr int32_t EDITOR_RUSHING_HOLE = 1392;
constexpr int32_t EDITOR_PLAY_ACTION_HOLE = 1393;
constexpr int32_t EDITOR_FIRST_ROUTE = 1394; // receivers 0-4: 1394-1398
constexpr int32_t EDITOR_PRIMARY = 1402;
constexpr int32_t EDITOR_DIAGRAM = 1428;
constexpr int32_t EDITOR_FIRST_RESULT = 1239; // six panels 1239-1244
constexpr int32_t EDITOR_RESULT_PANELS = 6;
constexpr int32_t EDITOR_DONE = 1285;
constexpr int32_t EDITOR_HELP = 9;
constexpr int32_t EDITOR_LOAD = 1429;
constexpr int32_t EDITOR_SAVE = 11;
constexpr int32_t EDITOR_VIEW_DEPTH_CHART = 1027;
constexpr int32_t EDITOR_CLEAR_RESULTS = 1028;
constexpr int32_t EDITOR_CARD_KIT = 1479;
// Labels of our own: the rushing hole, play-action hole, primary, play type
// and formation combos, and one player label per formation slot; five
// labels of the selected player's statistics, hidden.
constexpr int32_t EDITOR_HOLE_LABEL = 1480;
constexpr int32_t EDITOR_PLAY_ACTION_LABEL = 1481;
constexpr int32_t EDITOR_PRIMARY_LABEL = 1482;
constexpr int32_t EDITOR_PLAY_TYPE_LABEL = 1483;
constexpr int32_t EDITOR_NOTES_LABEL = 1484;
constexpr int32_t EDITOR_FIRST_SLOT_LABEL = 1500;  // slots 0-10
constexpr int32_t EDITOR_FIRST_PLAYER_STAT = 1490; // 1490-1494
constexpr int32_t EDITOR_PLAYER_STATS = 5;
// The slot buttons, by formation slot 0-10.
constexpr int32_t EDITOR_SLOT_BUTTONS[11] = {1277, 1278, 1279, 1280, 1281, 1282,
                                             1283, 1284, 1286, 1287, 1288};

extern const DIALOG_TEMPLATE PLAYBOOK_EDITOR_DIALOG_TEMPLATE;

// Ends with 1 ("&DONE" or Escape).
intptr_t Playbook_Editor_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam);

// The play the editor shows, from settings 170-172 clamped to the side's
// plays (a loaded game may hold anything there): offensive plays 0-53,
// defensive plays 0-29. Returns the play number.
int32_t Get_Playbook_Editor_Play(int32_t* side, int32_t* folder, int32_t* slot);

// The page's steps.
void Fill_Playbook_Editor_Page(WINDOW_HANDLE dialog);
// Writes the typed texts into the playbook: the folder name (empty:
// "Unnamed Folder", 31 characters at most), the play name (empty: "Unnamed
// Play", 53), the comment (127) and the notes (511). The play's card values
// are left as they are.
void Store_Playbook_Editor_Text(WINDOW_HANDLE dialog);
// A combo's new selection becomes its field of the shown play.
void Apply_Playbook_Editor_Combo(WINDOW_HANDLE dialog, int32_t id);
// The advice about clearing old results is given once a run; this forgets
// that it was given (a new run of the program, for tests).
void Reset_Result_Data_Advice();

// Mends a play's assignments after a change: roles and routes the slot's
// position may not take, the ball carrier's route, the hole of a sweep, the
// primary receiver of a pass. `direction` >= 1 steps route codes upward,
// below 1 downward.
void Repair_Play_Assignments(int32_t team, int32_t side, int32_t play, int32_t direction);
// The role a slot's position takes instead of one it may not.
int32_t Fix_Role_For_Position(int32_t position, int32_t role);
// The route code (0-42) nearest `route` in the direction that a player of
// the position may run; positions other than backs, tight ends and wide
// receivers run routes of kind 0. At most 43 steps are taken.
int32_t Fix_Route_For_Position(int32_t position, int32_t route, int32_t direction);
// Whether a position may run a route of the kind / take a role.
bool Is_Route_Kind_Allowed(int32_t position, int32_t kind);
bool Is_Role_Allowed(int32_t position, int32_t role);

// "J. Smith (WR2)" for the player the team's depth chart puts in a slot of
// the formation. A buffer of at least 64 bytes.
void Format_Formation_Slot_Label(char* buffer, int32_t team, int32_t formation, int32_t slot);
// Slot 0-10 of a role combo (1402, 1392-1401); another id is reported and -1.
int32_t Get_Playbook_Editor_Control_Index(int32_t id);
const char* Get_Hole_Name(int32_t hole);
bool Play_Has_Result_Data(int32_t team, int32_t side, int32_t play);
// The play as one line of source text (a buffer of at least 512 bytes).
void Write_Play_As_Initializer(char* buffer, int32_t side, int32_t team, int32_t play);

// A folder's name by side (0: folders 0-5, 1: folders 0-2), or by the folder
// combo's number 0-8 (the six offensive folders, then the three defensive).
// The getters fill a buffer of at least 32 bytes ("" for no folder); the
// setters cut the name to 31 characters.
void Get_Playbook_Folder_Name(int32_t side, int32_t team, int32_t folder, char* buffer);
void Set_Playbook_Folder_Name(int32_t side, int32_t team, int32_t folder, const char* name);
void Get_Playbook_Folder_Name_By_Number(int32_t team, int32_t number, char* buffer);
void Set_Playbook_Folder_Name_By_Number(int32_t team, int32_t number, const char* name);
// The name of the side's play (a buffer of at least 54 bytes).
void Get_Play_Name_By_Side(int32_t side, int32_t team, int32_t play, char* buffer);
// The combo of a play field (formation, play type, holes, primary, routes
// or roles); NO_WINDOW for any other id.
WINDOW_HANDLE Get_Playbook_Editor_Combo(WINDOW_HANDLE dialog, int32_t id);
// "Overall", "3rd Down", "<4 To Go", "11+ To Go", "vs. Blitz" of the
// offensive result counters; "Inside Rushes" ... "Long Passes" of the
// defensive ones; "" outside.
const char* Get_Result_Situation_Name(int32_t situation);
const char* Get_Result_Category_Name(int32_t category);
// Five "%s: %d" labels of the statistics, in the season the roster screens
// show, of the player in the highlighted formation slot of the shown play:
// games, games started and three of his position. Empty with no player.
void Show_Slot_Player_Stats(WINDOW_HANDLE dialog);
