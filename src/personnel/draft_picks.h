#pragma once
// Ownership of the draft picks of the next three drafts, and the log of the
// picks the running draft found forfeited.
#include <cstdint>

// An owner byte of FORFEITED_PICK_OWNER + t marks a pick forfeited by team t.
constexpr int32_t FORFEITED_PICK_OWNER = 128;

// Every active team owns its own picks of the next three drafts.
void Reset_Draft_Pick_Ownership();
// The team owns all 21 of its own picks of the next three drafts again.
void Reset_Team_Draft_Picks(int32_t team);
// The owner of the pick now on the clock: Draft_Pick_Owner of this year's
// draft, the running round, for the team at Draft_Pick in Draft_Order, as
// an unsigned byte (forfeited picks from 128 up). -1 when the order names no
// team there or the clock stands outside the draft.
int32_t Get_Draft_Pick_On_The_Clock_Owner();
// Logs pick `overall` (1-based over the draft) of `year` as forfeited by
// `team` in the first free entry of Draft_Pick_Log; a full log drops it.
void Log_Forfeited_Draft_Pick(int32_t year, int32_t overall, int32_t team);
// The team of the logged forfeited pick `overall` of `year`, NO_TEAM when
// none is logged.
int32_t Get_Draft_Pick_Team(int32_t year, int32_t overall);
// The logged teams after the franchise slots moved: the team of slot s is at
// slot to[s] now; pools and other codes stay.
void Move_Draft_Pick_Log_Teams(const int32_t* to);
