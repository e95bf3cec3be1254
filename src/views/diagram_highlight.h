#pragma once
// The formation slot whose player the play diagrams draw in white: the player
// the game-day screen's play selector, or the Playbook Editor, points out.
#include <cstdint>

constexpr int32_t NO_HIGHLIGHTED_SLOT = -1;
extern int32_t Highlighted_Formation_Slot;
