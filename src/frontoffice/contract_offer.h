#pragma once
// Opening the Contract Offer dialog on one player.
#include <cstdint>

#include "platform/handles.h"

constexpr int32_t CONTRACT_OFFER_DIALOG = 132;

// Makes the player the selected one (settings 29 and 30), clears his signing
// bonus, sets his contract length to his contract years and runs the Contract
// Offer dialog over `parent` (none: over the main window), the parent disabled
// meanwhile. Returns the dialog's end code: 0 when no contract was made, 1
// when the player accepted.
int32_t Open_Contract_Offer(WINDOW_HANDLE parent, int32_t team, int32_t slot);
