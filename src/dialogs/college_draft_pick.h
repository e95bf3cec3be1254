#pragma once
// The user's pick in the college draft, made from the college draft list
// (dialog 170, the Sortable Stats list of the draft pool).
#include <cstdint>
#include <functional>

#include "platform/handles.h"

constexpr int32_t COLLEGE_DRAFT_LIST_DIALOG = 170;

// The team that may take the pool player now: the human team on the clock.
// Refused with a message, -1, when no draft runs, no human team is on the
// clock or the player is not in the pool list.
int32_t Check_User_Draft_Pick(int32_t pool_team, int32_t pool_slot);
// Whether that team has room for the pool player; a full roster (100
// players) is told with Show_Team_Full_Message. Asked once his terms are
// agreed, before he is drafted.
bool Check_Draft_Roster_Room(int32_t team, int32_t pool_team, int32_t pool_slot);
// The pick itself for a team both checks allowed: the clock moves
// on and the computer picks up to the user's next turn; `before_prompt`, when
// given, runs then, before the user is told to pick again. 1 when drafted.
int32_t Make_User_Draft_Pick(int32_t team, int32_t pool_team, int32_t pool_slot,
                             const std::function<void()>& before_prompt = {});
// The three, with the player's rookie terms after the first.
int32_t Draft_Pool_Player_For_User(int32_t pool_team, int32_t pool_slot);
// Opens the college draft list, from which the user makes his pick; returns
// the list's end. A list closed on the way to the Trading Block (the user
// cannot pay his pick's bonus) is followed by the block, empty.
int32_t Open_College_Draft_List(WINDOW_HANDLE owner);
