// A season's player ratings file.
#include "season_reader_fuzz.h"
#include "tools/player_ratings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    season_reader_fuzz::Run(data, size, 2020, "Input/Ratings/Simulation/2020_Player_Ratings.csv", [] {
        Load_Player_Ratings_File(0, "Input/Ratings/Simulation/2020_Player_Ratings.csv");
    });
    return 0;
}
