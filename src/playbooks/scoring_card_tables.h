#pragma once
// The built-in scoring-card table as data (scoring_card_tables.cpp).
#include <cstdint>

#include "playbooks/play_cards.h"

extern const int8_t Scoring_Card_Table[SCORING_CARD_ROWS][8];
