#pragma once
// Playbooks named for the season imported into every active team.
#include <cstdint>

// Loads for every active team the playbooks named for the season. With
// `interactive` a progress window "Loading Playbooks..." and a closing count.
// Returns the number of teams that got each kind.
struct PLAYBOOK_IMPORT_COUNTS {
    int32_t Offensive;
    int32_t Defensive;
};
PLAYBOOK_IMPORT_COUNTS Import_Playbooks(int32_t interactive);
