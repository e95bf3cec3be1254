#pragma once
// The user's pick in the college draft, made from the college draft list
// (dialog 170, the Sortable Stats list of the draft pool).
#include <cstdint>

#include "platform/handles.h"

constexpr int32_t COLLEGE_DRAFT_LIST_DIALOG = 170;

// The list's "Draft" for the user's team on the clock: the pool player's
// rookie terms, the pick, the clock moved on and the computer's picks up to
// the user's next turn. Refused with a message, nothing changed, when no
// draft runs, no human team is on the clock, the player is not in the pool
// list, or the team's roster is full. 1 when the player was drafted.
int32_t Draft_Pool_Player_For_User(int32_t pool_team, int32_t pool_slot);
// Opens the college draft list. The list ends with the code of the player
// the user drafts (team x 100 + slot of the pool) or with no pick; a
// player's code is drafted for the team on the clock. Returns the list's end.
int32_t Open_College_Draft_List(WINDOW_HANDLE owner);
