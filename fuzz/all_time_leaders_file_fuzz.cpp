// The all-time leaders file of the modern season.
#include "season_reader_fuzz.h"
#include "tools/all_time_leaders_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    season_reader_fuzz::Run(data, size, 2022, "input/stats/atl.txt", [] { Load_All_Time_Leaders_File(); });
    return 0;
}
