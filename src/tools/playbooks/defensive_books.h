#pragma once
// Builds a defensive playbook from a design: the built-in defensive plays,
// varied and placed into the formations of the design's front.
#include <string>

#include "tools/playbooks/book_designs.h"

// Fills `book` (cleared first) from the design. Returns 1 when every folder
// got its plays; 0 with the reason in `error` otherwise.
int Build_Defensive_Book(const DEFENSIVE_BOOK_DESIGN& design, DEFENSIVE_PLAYBOOK* book, std::string* error);
