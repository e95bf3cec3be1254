#pragma once
// The playbooks of a built season: default books, the defensive front of
// each modern franchise, and any team playbook files named for the season.
#include <cstdint>

// The front ("4-3" or "3-4", `out` of at least 4 bytes) of team slot 0-31
// from 2016 on; false otherwise.
bool Get_Defensive_Front(char* out, int32_t team, int32_t year);
// Default playbooks and offensive systems for every active team, the fronts
// from 2016, the running quarterbacks' book of 2013-2015, then the import.
void Assign_Team_Playbooks();
// Loads for every active team the offensive and defensive playbooks named
// "<year>-<nickname>", or else "<nickname>"; nicknames that are not plain
// file names load nothing. With `interactive` a progress window and a
// closing count. Returns the number of teams that got each kind.
struct PLAYBOOK_IMPORT_COUNTS {
    int32_t Offensive;
    int32_t Defensive;
};
PLAYBOOK_IMPORT_COUNTS Import_Playbooks(int32_t interactive);
