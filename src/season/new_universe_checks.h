#pragma once
// Checks over the whole league that the start of a new game relies on.
#include <cstdint>

// 1 when every player of the active teams has been placed by the fantasy
// draft (vital 27 set), also when there are no teams; else 0.
int32_t All_Players_Fantasy_Drafted();
