#pragma once
// Playbooks named for the season imported into every active team.
#include <cstdint>

// With `interactive` set, a progress window "Loading Playbooks..." and a
// closing message with the numbers of playbooks loaded.
void Import_Playbooks(int32_t interactive);
