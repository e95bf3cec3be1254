// The seasons statistics file in its build form: season lines made and filled, careers credited.
#include "season_reader_fuzz.h"
#include "tools/seasons_csv.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    season_reader_fuzz::Run(data, size, 2020, "input/stats/seasons.csv", [] { Load_Seasons_CSV(0); });
    return 0;
}
