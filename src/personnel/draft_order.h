#pragma once
// The order in which the teams pick in every round of a college draft
// (Draft_Order), for the coming draft and as the season stands.
#include <cstdint>

// Writes every team's finish code of the season just played into its yearly
// history (Record_Team_Season_Finish), then fills Draft_Order for the coming
// draft from that season (last season in the off-season): the teams out of the playoffs first, worst
// record first, then the playoff teams by the round they reached, the
// champion last. Equal records put the higher league-rank number first,
// then the lower team slot.
void Set_College_Draft_Order();
// The sort key of Set_College_Draft_Order: a greater key picks earlier.
int32_t Get_College_Draft_Order_Key(int32_t team, int32_t season);
// Refills Draft_Order from the current season's finish codes and league
// ranks: the weakest team picks first.
void Set_Projected_Draft_Order();
// Set_Projected_Draft_Order, then the team's place in it (the active team
// count when it is not in it).
int32_t Get_Team_Projected_Draft_Position(int32_t team);
// The team's index in the current Draft_Order; the active team count when it
// is not in it.
int32_t Get_Team_Draft_Position(int32_t team);
