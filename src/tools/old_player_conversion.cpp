#include "tools/old_player_conversion.h"

#include <array>
#include <cstddef>
#include <cstring>

#include "app/diagnostics.h"
#include "database/player_entries.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "frontoffice/money.h"

namespace {
constexpr int32_t OLD_VITAL_UNIFORM = 9;
constexpr int32_t OLD_VITAL_RINGS = 18;
constexpr int32_t REPAIRED_RATINGS[] = {RATING_KICK_RETURNS, RATING_PUNT_RETURNS, RATING_PASS_BLOCKING,
                                        RATING_RUN_BLOCKING};

// The teams a sweep removed players from.
using TOUCHED_TEAMS = std::array<bool, TOTAL_NUMBER_OF_TEAMS>;

void Remove_Swept_Player(int32_t team, int32_t slot, TOUCHED_TEAMS& touched) {
    Erase_Player(team, slot);
    touched[team] = true;
}

// The roster queries stop at a team's first empty slot, so every roster that
// lost a player closes up after the sweep: the others keep their order (the
// depth chart) and the returners follow their players.
void Compact_Touched_Rosters(const TOUCHED_TEAMS& touched) {
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team)
        if (touched[team]) Compact_Team_Roster(team);
}
} // namespace

// A negative code is no position either.
void Remove_Invalid_Position_Players() {
    TOUCHED_TEAMS touched{};
    For_Each_League_Player([&](int32_t team, int32_t slot) {
        const int32_t position = Universe.Teams[team].Players[slot].Vital_Stats[VITAL_POSITION];
        if (position >= 0 && position < NUMBER_OF_POSITIONS) return;
        Log_Debug_Line("Removing player %d of team %d: position code %d", slot, team, position);
        Remove_Swept_Player(team, slot, touched);
    });
    Compact_Touched_Rosters(touched);
}

// The read of a rating repairs it in place: a value that is not a number gets
// the league baseline, one below 20 becomes 20. A player rated above 70 both
// as a returner and as a blocker is a record the old versions damaged: he is
// removed like the sweep above.
void Repair_Player_Ratings() {
    TOUCHED_TEAMS touched{};
    For_Each_League_Player(
        [&](int32_t team, int32_t slot) {
            int32_t repaired[4] = {};
            for (int32_t n = 0; n < 4; ++n)
                repaired[n] = static_cast<int32_t>(Get_Player_Rating(team, slot, REPAIRED_RATINGS[n]));
            const bool returner = repaired[0] > 70 || repaired[1] > 70;
            const bool blocker = repaired[2] > 70 || repaired[3] > 70;
            if (!returner || !blocker) return;
            Log_Debug_Line("Removing player %d of team %d: returner and blocker ratings of a damaged record",
                           slot, team);
            Remove_Swept_Player(team, slot, touched);
        },
        0, MAX_FRANCHISES - 1);
    Compact_Touched_Rosters(touched);
}

// The two fields of a game record that older files kept further on.
void Convert_Old_Game_Records() {
    constexpr size_t MOVES[][2] = {{42, 52}, {46, 56}};
    for (GAME_RECORD& game : Universe.Games) {
        uint8_t* bytes = reinterpret_cast<uint8_t*>(&game);
        for (const auto& move : MOVES)
            memcpy(bytes + move[0], bytes + move[1], sizeof(uint16_t));
    }
}

// The depth-slot byte of very old files may name a position the player no
// longer plays (or none at all); it is set to his position.
void Convert_Old_Player_Positions() {
    For_Each_League_Player([](int32_t team, int32_t slot) {
        PLAYER_RECORD& player = Universe.Teams[team].Players[slot];
        const int32_t position = player.Vital_Stats[VITAL_POSITION];
        const int32_t expanded = player.Expanded_Position;
        const bool known = expanded >= 0 && expanded < NUMBER_OF_EXPANDED_POSITIONS;
        if (known && Translate_Expanded_Position(expanded) == position) return;
        player.Expanded_Position = static_cast<int8_t>(position);
    });
}

// Older files kept the uniform number in vital statistic 9 and the rings in
// vital statistic 18, and wrote draft codes as year x 10,000 + pick; the
// codes become year x 100,000 + pick.
void Convert_Old_Player_Fields() {
    For_Each_League_Player([](int32_t team, int32_t slot) {
        PLAYER_RECORD& player = Universe.Teams[team].Players[slot];
        player.Uniform_Number = static_cast<int8_t>(player.Vital_Stats[OLD_VITAL_UNIFORM] & 0xFF);
        const int32_t rings = player.Vital_Stats[OLD_VITAL_RINGS];
        if (rings < 256) player.Championship_Rings = static_cast<int8_t>(rings);
        player.Vital_Stats[OLD_VITAL_RINGS] = 0;
        const int64_t code = player.Vital_Stats[VITAL_DRAFT_SLOT];
        player.Vital_Stats[VITAL_DRAFT_SLOT] = Clamp_To_Int32(code / 10000 * 90000 + code);
    });
}
