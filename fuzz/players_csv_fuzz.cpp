// The rosters file and the players file of a built season (the input up to
// its first NUL byte is the rosters file, the rest the players file): each
// rostered player created on his team with his personal data and draft.
#include "season_reader_fuzz.h"
#include "tools/league_input_files.h"
#include "tools/roster_import.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const FUZZ_PARTS parts = Split_Fuzz_Input(data, size);
    // The scratch folder first: the players file is written before the run's own.
    Enter_Fuzz_Folder_With_Test_League();
    Write_Fuzz_File("input/stats/players.csv", parts.Second, parts.Second_Size);
    season_reader_fuzz::Run(parts.First, parts.First_Size, 2020, "input/stats/2020_rosters.csv", [] {
        if (Read_Rosters_CSV(2020)) Load_Players_CSV();
    });
    return 0;
}
