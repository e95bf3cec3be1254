// The replay statistics file "input/stats/seasons.csv" over the test league,
// its first eight teams kept only (so a run rates a few hundred players), in
// the season of 1980 so the estimates of figures older seasons did not keep
// are made too. Reading the file credits this-season figures only and leaves
// the replay flag of the header as it was; besides them it may only set a
// found player's position, uniform number and value figures; when it credited any, the whole
// replay step runs: it rates every player from them and leaves every
// this-season figure cleared. A file that credits no figure (no line of the
// season's year, or none that names a player of the league and his team)
// makes the replay step change nothing. Each run starts from the same league.
#include <cstring>
#include <memory>
#include <vector>

#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "fuzz_support.h"
#include "season/replay_stats.h"
#include "support/test_league.h"
#include "tools/seasons_csv.h"

namespace {
constexpr int32_t KEPT_TEAMS = 8;

bool Has_This_Season_Figures() {
    bool found = false;
    For_Each_League_Player([&](int32_t team, int32_t slot) {
        for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS && !found; ++stat)
            found = Get_Player_Stat(team, slot, SEASON_THIS, stat) != 0;
    });
    return found;
}

// The fields of a found player the replay reader sets from his line besides
// his this-season figures: the position, the uniform number and the value
// figures 9 and 23.
struct LINE_FIELDS {
    int32_t Position, Expanded, Uniform, Value, Valued_Year;
};

LINE_FIELDS Get_Line_Fields(int32_t team, int32_t slot) {
    return {Get_Player_Vital_Stat(team, slot, VITAL_POSITION),
            Get_Player_Byte_Field(team, slot, PLAYER_BYTE_EXPANDED_POSITION),
            Get_Player_Byte_Field(team, slot, PLAYER_BYTE_UNIFORM), Get_Player_Vital_Stat(team, slot, 9),
            Get_Player_Vital_Stat(team, slot, 23)};
}

void Set_Line_Fields(int32_t team, int32_t slot, const LINE_FIELDS& fields) {
    Set_Player_Vital_Stat(team, slot, VITAL_POSITION, fields.Position);
    Set_Player_Byte_Field(team, slot, PLAYER_BYTE_EXPANDED_POSITION, fields.Expanded);
    Set_Player_Byte_Field(team, slot, PLAYER_BYTE_UNIFORM, fields.Uniform);
    Set_Player_Vital_Stat(team, slot, 9, fields.Value);
    Set_Player_Vital_Stat(team, slot, 23, fields.Valued_Year);
}

// Whether the block differs from `league` once every player's this-season
// figures are cleared again, as they are there, his line fields are put back,
// and the selected player is put back: the reader keeps the last player it
// found there.
bool Changed_Outside_This_Season(const uint8_t* league) {
    static std::unique_ptr<uint8_t[]> read(new uint8_t[UNIVERSE_SIZE]);
    memcpy(read.get(), Universe_Bytes(), UNIVERSE_SIZE);
    memcpy(Universe_Bytes(), league, UNIVERSE_SIZE);
    std::vector<LINE_FIELDS> kept_fields;
    For_Each_League_Player(
        [&](int32_t team, int32_t slot) { kept_fields.push_back(Get_Line_Fields(team, slot)); });
    memcpy(Universe_Bytes(), read.get(), UNIVERSE_SIZE);
    size_t next = 0;
    For_Each_League_Player([&](int32_t team, int32_t slot) {
        Clear_Player_Season_Stats(team, slot, SEASON_THIS);
        Set_Line_Fields(team, slot, kept_fields[next++]);
    });
    const auto* kept = reinterpret_cast<const UNIVERSE_STATE*>(league);
    for (const int32_t setting : {SELECTED_PLAYER_TEAM, SELECTED_PLAYER_SLOT})
        Set_User_Preference(setting, kept->User_Preferences.Ints[setting]);
    return memcmp(Universe_Bytes(), league, UNIVERSE_SIZE) != 0;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static std::unique_ptr<uint8_t[]> league;
    if (!league) {
        Enter_Fuzz_Folder_With_Test_League();
        for (int32_t team = KEPT_TEAMS; team < TEST_LEAGUE_TEAMS; ++team) {
            Set_Team_Stat(team, TEAM_STAT_CONTROL, TEAM_CONTROL_EMPTY);
            memset(Universe.Teams[team].Players, 0, sizeof Universe.Teams[team].Players);
        }
        Universe.Header.Universe_Stats[BASE_YEAR] = 1980;
        Set_User_Preference(CURRENT_SEASON_INDEX, 0);
        For_Each_League_Player(
            [](int32_t team, int32_t slot) { Clear_Player_Season_Stats(team, slot, SEASON_THIS); });
        // The lookup tables of the players kept, as a load leaves them: the
        // reader builds them afresh before it looks anyone up.
        Build_All_Player_Hashes();
        league.reset(new uint8_t[UNIVERSE_SIZE]);
        memcpy(league.get(), Universe_Bytes(), UNIVERSE_SIZE);
    }
    Reset_Fuzz_Messages();
    memcpy(Universe_Bytes(), league.get(), UNIVERSE_SIZE);
    Write_Fuzz_File(SEASONS_CSV_NAME, data, size);

    const int16_t replay_mode = Universe.Header.Replay_Mode;
    Fuzz_Check(Load_Seasons_CSV(1) == 1, "a readable file was refused");
    Fuzz_Check(Universe.Header.Replay_Mode == replay_mode, "the replay flag was left changed");
    // Asked before the comparison below, which clears the figures again.
    const bool credited = Has_This_Season_Figures();
    Fuzz_Check(!Changed_Outside_This_Season(league.get()),
               "reading the file changed more than this-season figures");
    if (!credited) {
        // A file that gives no player a figure of the season's year (none of
        // its lines, or none that names a player and his team) is told and
        // changes nothing.
        memcpy(Universe_Bytes(), league.get(), UNIVERSE_SIZE);
        Fuzz_Check(Load_Replay_Season_Stats() == 0, "a file without figures of the season was loaded");
        Fuzz_Check(Last_Message_Caption() == "Read Error",
                   "a file without figures of the season was not told");
        Fuzz_Check(memcmp(Universe_Bytes(), league.get(), UNIVERSE_SIZE) == 0,
                   "a file without figures of the season changed the league");
        return 0;
    }

    memcpy(Universe_Bytes(), league.get(), UNIVERSE_SIZE);
    Fuzz_Check(Load_Replay_Season_Stats() == 1, "a file that credited figures was not loaded");
    Fuzz_Check(Universe.Header.Replay_Mode == replay_mode, "the replay step left the replay flag changed");
    Fuzz_Check(Last_Message_Caption().empty(), "the replay step showed a message");
    Fuzz_Check(!Has_This_Season_Figures(), "a this-season figure was left behind");
    return 0;
}
