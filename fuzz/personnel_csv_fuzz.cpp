// The personnel file: each team's offensive system and defensive alignment by year.
#include "season_reader_fuzz.h"
#include "tools/roster_import.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    season_reader_fuzz::Run(data, size, 2020, "Input/Stats/Personnel.csv", [] { Read_Personnel_CSV(); });
    return 0;
}
