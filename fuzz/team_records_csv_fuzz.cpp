// The team records file of the seasons up to 2021.
#include "season_reader_fuzz.h"
#include "tools/team_records_csv.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    season_reader_fuzz::Run(data, size, 2020, "input/stats/team_records.csv",
                            [] { Load_Team_Records_CSV(); });
    return 0;
}
