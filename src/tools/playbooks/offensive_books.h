#pragma once
// Builds an offensive playbook from a design: the built-in plays, varied and
// placed into the formations the design favours, chosen folder by folder.
#include <string>

#include "tools/playbooks/book_designs.h"

// Fills `book` (cleared first) from the design. Returns 1 when every folder
// got its plays; 0 with the reason in `error` otherwise.
int Build_Offensive_Book(const OFFENSIVE_BOOK_DESIGN& design, OFFENSIVE_PLAYBOOK* book, std::string* error);
