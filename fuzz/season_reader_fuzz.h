#pragma once
// What the fuzz targets of the season builder's readers share: each run reads
// the input as one input file over the same league (the 32-team test league
// of one season), inside a build's checks as the builder reads it (the draft
// class outside them, as a game reads it). Whatever the file holds, the
// reader keeps every player's texts within their fields, the league's
// franchises within their slots and each season line linked to one player.
#include <cstring>
#include <memory>
#include <set>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/team_record_layout.h"
#include "database/universe.h"
#include "fuzz_support.h"
#include "tools/stats_input.h"

namespace season_reader_fuzz {
inline bool Is_Ended(const char* text, size_t size) {
    return memchr(text, '\0', size) != nullptr;
}

inline void Check_League() {
    Fuzz_Check(Count_Active_Teams() <= MAX_FRANCHISES, "more franchises than slots");
    std::set<int32_t> lines;
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            const PLAYER_RECORD* player = Get_Player_Record_Pointer(team, slot);
            if (!Is_Player_Slot_Used(team, slot)) continue;
            Fuzz_Check(Is_Ended(player->First_Name, sizeof player->First_Name) &&
                           Is_Ended(player->Last_Name, sizeof player->Last_Name) &&
                           Is_Ended(player->External_ID, sizeof player->External_ID) &&
                           Is_Ended(player->College, sizeof player->College),
                       "a player's text runs past its field");
            for (int32_t n = 0; n < NUMBER_OF_SEASON_LINE_LINKS; ++n) {
                const int32_t line = Get_Player_Season_Line(team, slot, n);
                if (line == NO_SEASON_LINE) continue;
                Fuzz_Check(lines.insert(line).second, "a season line linked to two players");
            }
        }
}

// Runs `read` over the test league set to `year`, with `file` holding the input.
template <typename READ>
void Run(const uint8_t* data, size_t size, int32_t year, const char* file, READ read, bool build = true) {
    static std::unique_ptr<uint8_t[]> league;
    static int32_t league_year = 0;
    if (!league || league_year != year) {
        Enter_Fuzz_Folder_With_Test_League();
        Universe.Header.Universe_Stats[BASE_YEAR] = year;
        Set_User_Preference(CURRENT_SEASON_INDEX, 0);
        league.reset(new uint8_t[UNIVERSE_SIZE]);
        memcpy(league.get(), Universe_Bytes(), UNIVERSE_SIZE);
        league_year = year;
    }
    Reset_Fuzz_Messages();
    memcpy(Universe_Bytes(), league.get(), UNIVERSE_SIZE);
    Reset_Season_Line_Hint();
    Write_Fuzz_File(file, data, size);
    if (build) Begin_Stats_Input_Checks();
    read();
    if (build) End_Stats_Input_Checks();
    Check_League();
}
} // namespace season_reader_fuzz
