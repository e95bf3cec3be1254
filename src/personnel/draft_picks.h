#pragma once
// Ownership of the draft picks a team issues.
#include <cstdint>

// The team owns all 21 of its own picks of the next three drafts again.
void Reset_Team_Draft_Picks(int32_t team);
