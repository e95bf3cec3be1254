// A draft class file, "databases/rookies-<year>.dat", read into the college
// pool as a game reaches its draft: every record taken is a player of a
// known position with his texts ended, and the pool's other slots are empty.
#include "database/player_record.h"
#include "season_reader_fuzz.h"
#include "tools/draft_class_database.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    season_reader_fuzz::Run(
        data, size, 2020, "databases/rookies-2021.dat", [] { Load_Draft_Class_Database(); }, false);
    for (int32_t team = FIRST_COLLEGE_POOL_TEAM; team < TOTAL_NUMBER_OF_TEAMS; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
            if (Is_Player_Slot_Used(team, slot)) {
                const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
                Fuzz_Check(position >= 0 && position < NUMBER_OF_POSITIONS, "a prospect of no position");
            }
    return 0;
}
