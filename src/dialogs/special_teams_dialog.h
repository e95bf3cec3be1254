#pragma once
// The Special Teams page (162): the kicking unit in depth-chart order (row 0
// the kicker, row 1 the punter) and the kick and punt returners, chosen among
// the team's eligible returners: its running backs, fullbacks, tight ends,
// receivers, corners and safeties, numbered in slot order.
#include <cstdint>

#include "platform/dialogs.h"
#include "platform/handles.h"

constexpr int32_t KICK_RETURNER_COMBO = 1028;
constexpr int32_t PUNT_RETURNER_COMBO = 1029;
constexpr int32_t KICK_RETURNER_SCOUTING = 1042;
constexpr int32_t PUNT_RETURNER_SCOUTING = 1087;
// Tab stops of the kicking list, in dialog units.
constexpr int32_t KICKING_LIST_STOPS[4] = {113, 142, 169, 192};

extern const DIALOG_TEMPLATE SPECIAL_TEAMS_DIALOG_TEMPLATE;

// Ends with 1; "&Offense" and "&Defense" first warn of a misplaced kicker or
// punter of a human team and open their page.
intptr_t Special_Teams_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam);

// The kicking list and both returner boxes. A stored returner who is no
// longer eligible is replaced by the best one; a team without eligible
// returners shows both boxes empty and disabled.
void Fill_Special_Teams_Page(WINDOW_HANDLE dialog);
void Update_Special_Teams_Buttons(WINDOW_HANDLE dialog);
// "%s (%s) %s": name and status, short position, and for the chosen season
// "%d Kick Returns - %d.%d Yard Avg." (kind 0) or "%d Punt Returns - %d.%d
// Yard Avg." (kind 1) when he has any. `out` holds DEPTH_ROW_SIZE bytes.
void Format_Returner_Row(int32_t team, int32_t slot, char* out, int32_t kind);
// The kicking list's row: the depth charts' row (Format_Depth_Chart_Row).
void Format_Special_Teams_Row(int32_t team, int32_t slot, char* out);
bool Has_Misplaced_Kicking_Starter(int32_t team);

// True for a player of the team's compact roster at RB, FB, TE, WR, CB or S.
bool Is_Eligible_Returner(int32_t team, int32_t slot);
int32_t Count_Eligible_Returners(int32_t team);
// The slot of eligible returner n (an n beyond the count is the last one);
// -1 when the team has none.
int32_t Get_Eligible_Returner(int32_t team, int32_t n);
// The number of the eligible returner in `slot`; 0 when he is none.
int32_t Get_Returner_Index(int32_t team, int32_t slot);
