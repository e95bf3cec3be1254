// "input/stats/seasons.csv" read in its replay form over the test league: the
// first input byte picks the season's year (1950 on), the rest is the file.
// Whatever the lines hold, only the players' this-season statistics change,
// every player stays where he was, and the league's replay mode is given back.
#include <cstring>
#include <memory>

#include "database/league_structure.h"
#include "database/universe.h"
#include "fuzz_support.h"
#include "support/test_league.h"
#include "tools/seasons_csv.h"

namespace {
using TEAMS = TEAM_RECORD[TOTAL_NUMBER_OF_TEAMS];
// The seasons the first byte picks from: the estimates of older seasons and the
// full statistics of newer ones.
constexpr int32_t FIRST_FUZZED_YEAR = 1950;
constexpr int32_t FUZZED_YEARS = 80;

// This-season statistics of every player copied from `from` into `to`.
void Copy_This_Season(TEAMS& to, const TEAMS& from) {
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
            memcpy(to[team].Players[slot].Season_Stats[0], from[team].Players[slot].Season_Stats[0],
                   sizeof to[team].Players[slot].Season_Stats[0]);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    Enter_Fuzz_Folder();
    Reset_Fuzz_Messages();
    static std::unique_ptr<TEAMS> league;
    if (!league) {
        Build_Test_League();
        league.reset(new TEAMS[1]);
        memcpy(*league, Universe.Teams, sizeof(TEAMS));
    }
    memcpy(Universe.Teams, *league, sizeof(TEAMS));
    Universe.Header.Universe_Stats[BASE_YEAR] = FIRST_FUZZED_YEAR + data[0] % FUZZED_YEARS;
    const int16_t replay_mode = Universe.Header.Replay_Mode;
    Write_Fuzz_File("input/stats/seasons.csv", data + 1, size - 1);
    Fuzz_Check(Load_Seasons_CSV(1) == 1, "the file was not read");
    Fuzz_Check(Universe.Header.Replay_Mode == replay_mode, "the replay mode was not given back");
    Copy_This_Season(Universe.Teams, *league);
    Fuzz_Check(memcmp(Universe.Teams, *league, sizeof(TEAMS)) == 0,
               "reading the seasons file changed more than this season's statistics");
    return 0;
}
