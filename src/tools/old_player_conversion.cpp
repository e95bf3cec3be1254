#include "tools/old_player_conversion.h"

#include "app/diagnostics.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/season_lines.h"
#include "database/team_record.h"
#include "database/universe.h"

namespace {
constexpr int32_t REPAIRED_RATINGS[] = {RATING_KICK_RETURNS, RATING_PUNT_RETURNS, RATING_PASS_BLOCKING,
                                        RATING_RUN_BLOCKING};

} // namespace

// The slot is emptied where it stands (with the player's season lines), so
// the other players keep the slots the depth charts and returners name. A
// negative code is no position either.
void Remove_Invalid_Position_Players() {
    For_Each_League_Player([](int32_t team, int32_t slot) {
        const int32_t position = Universe.Teams[team].Players[slot].Vital_Stats[VITAL_POSITION];
        if (position >= 0 && position < NUMBER_OF_POSITIONS) return;
        Log_Debug_Line("Removing player %d of team %d: position code %d", slot, team, position);
        Delete_All_Player_Season_Lines(team, slot);
        Clear_Player(team, slot);
    });
}

// The read of a rating repairs it in place: a value that is not a number gets
// the league baseline, one below 20 becomes 20. A player rated above 70 both
// as a returner and as a blocker is a record the old versions damaged: he is
// removed, his slot emptied where it stands like the sweep above.
void Repair_Player_Ratings() {
    For_Each_League_Player(
        [](int32_t team, int32_t slot) {
            int32_t repaired[4] = {};
            for (int32_t n = 0; n < 4; ++n)
                repaired[n] = static_cast<int32_t>(Get_Player_Rating(team, slot, REPAIRED_RATINGS[n]));
            const bool returner = repaired[0] > 70 || repaired[1] > 70;
            const bool blocker = repaired[2] > 70 || repaired[3] > 70;
            if (!returner || !blocker) return;
            Log_Debug_Line("Removing player %d of team %d: returner and blocker ratings of a damaged record",
                           slot, team);
            Delete_All_Player_Season_Lines(team, slot);
            Clear_Player(team, slot);
        },
        0, MAX_FRANCHISES - 1);
}

// Game records, positions and player fields of older files are taken as they
// stand until the converters of those layouts are built.
void Convert_Old_Game_Records() {}

void Convert_Old_Player_Positions() {}

void Convert_Old_Player_Fields() {}
