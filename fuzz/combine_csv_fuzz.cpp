// The combine results file: forty-yard times turned into speed.
#include "season_reader_fuzz.h"
#include "tools/season_ratings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    season_reader_fuzz::Run(data, size, 2020, "Input/Stats/Combine_Results.csv",
                            [] { Load_Combine_Results_CSV(); });
    return 0;
}
