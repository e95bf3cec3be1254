// The salaries file of a built season.
#include "season_reader_fuzz.h"
#include "tools/season_contracts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    season_reader_fuzz::Run(data, size, 2020, "input/stats/2020_salaries.csv", [] { Load_Salaries_CSV(); });
    return 0;
}
