#pragma once
// The season-end pass over one roster: every player's yearly step with the
// renewal of expiring contracts, and the questions the timeline and the
// renewal messages ask about expiring contracts.
#include <cstdint>

// Sorts a roster that no human runs by value, runs the yearly step of each of
// its players (a slot whose player left is examined again, since the roster
// has closed up) and, for a computer-run franchise, cuts the roster to its
// limit and sets its depth charts, returners and order anew. A human-run team
// without expiring contracts is told so.
void Renew_Team_Contracts(int32_t team);
// The team's players in descending value (rating at his own position plus
// potential, both truncated), empty slots after them. Only players are
// valued: an empty slot is never given ratings.
void Sort_Roster_By_Value_And_Potential(int32_t team);
// Players of a franchise (up to its first empty slot) with one contract year
// or less left; 0 before the champion is decided and for other slots.
int32_t Count_Team_Expiring_Contracts(int32_t team);
// 1 when any human-run team has an expiring contract; 0 while a multi-season
// simulation runs.
int32_t Human_Team_Has_Expiring_Contracts();
