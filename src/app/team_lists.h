#pragma once
// The team furniture of dialogs: the viewed team made usable, the dialog
// caption with the team's name, the release question, the team selector and
// the owner-drawn team lists that mark the user's team with its helmet.
#include <cstdint>

#include "platform/controls.h"
#include "platform/handles.h"

// Keeps Viewed_Team when it is a franchise in use or a pool (36-40);
// otherwise it becomes the user's team (when that is such a team or pool)
// or team 0. A human-run franchise so viewed, outside a multi-season
// simulation, also becomes the user's team.
void Validate_Viewed_Team();
// "<caption> (<year> <team's full name>)" for the viewed team.
void Set_Team_Dialog_Caption(WINDOW_HANDLE dialog);
// Asks "Are you sure you want to release <name>?" and releases the player
// to the free agents on yes; 1 when released. A release the free agents
// refuse (a full list of players a fantasy draft has taken) is told, and the
// player stays: 0, as for no.
int32_t Confirm_Release_Player(int32_t team, int32_t slot);

// The team selector of a dialog (control 1132, a list box or a combo box):
// every active team by full name with item data team + 1,000, the viewed
// team selected; disabled when no team is active.
constexpr int32_t TEAM_SELECTOR = 1132;
constexpr intptr_t TEAM_ITEM_DATA_BASE = 1000;
void Fill_Team_Selector(WINDOW_HANDLE dialog);

// MSG_DRAW_ITEM of an owner-drawn team list box or combo box.
void Draw_Team_Listbox_Item(const DRAW_ITEM_INFO* item);
void Draw_Team_Combo_Item(const DRAW_ITEM_INFO* item);
// MSG_MEASURE_ITEM of those lists: the line height of the control's font
// plus its external leading plus 2. Returns 1.
int32_t Measure_List_Item_Height(WINDOW_HANDLE dialog, MEASURE_ITEM_INFO* item);
