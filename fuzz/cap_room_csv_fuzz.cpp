// The cap-room file of a built season: payrolls moved toward each team's cap figure, bonuses dropped while a
// payroll stays above the cap.
#include "season_reader_fuzz.h"
#include "tools/season_contracts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    season_reader_fuzz::Run(data, size, 2020, "input/stats/2020_caproom.csv", [] { Load_Cap_Room_CSV(); });
    return 0;
}
