// The league and division names file of a built season.
#include "season_reader_fuzz.h"
#include "tools/league_input_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    season_reader_fuzz::Run(data, size, 2020, "input/stats/leagues/2020_league.csv",
                            [] { Load_League_Names_CSV(); });
    return 0;
}
