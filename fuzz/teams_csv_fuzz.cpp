// The teams file of a built season, read into a cleared league as the builder reads it.
#include "database/saved_game.h"
#include "season_reader_fuzz.h"
#include "tools/league_input_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    season_reader_fuzz::Run(data, size, 2020, "input/stats/2020_teams.csv", [] {
        Clear_Universe();
        Universe.Header.Universe_Stats[BASE_YEAR] = 2020;
        Load_Teams_CSV();
    });
    return 0;
}
