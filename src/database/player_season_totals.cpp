#include "database/player_season_totals.h"

#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/random_numbers.h"
#include "season/season_calendar.h"

namespace {
// Games seen before this share of the season (per mille) rate a player by last season.
constexpr int32_t EARLY_SEASON_PROGRESS = 120;
} // namespace

void Copy_Player_Season_Stats(int32_t team, int32_t slot, int32_t to, int32_t from) {
    for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat)
        Set_Player_Stat(team, slot, to, stat, Get_Player_Stat(team, slot, from, stat));
}

void Add_Player_Season_Stats(int32_t team, int32_t slot, int32_t to, int32_t from) {
    for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat) {
        // Summed in 64 bits and held to the field, so damaged figures cannot overflow.
        const int64_t sum = static_cast<int64_t>(Get_Player_Stat(team, slot, to, stat)) +
                            Get_Player_Stat(team, slot, from, stat);
        Set_Player_Stat(team, slot, to, stat, Clamp_To_Int32(sum));
    }
}

void Add_All_Player_Season_Stats(int32_t to, int32_t from) {
    For_Each_League_Player(
        [to, from](int32_t team, int32_t slot) { Add_Player_Season_Stats(team, slot, to, from); });
}

int32_t Has_Player_Season_Stats(int32_t team, int32_t slot, int32_t season) {
    for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat)
        if (Get_Player_Stat(team, slot, season, stat) != 0) return 1;
    return 0;
}

void Increment_Player_Season_Stat(int32_t team, int32_t slot, int32_t season, int32_t stat) {
    Add_Player_Stat(team, slot, season, stat, 1);
}

int32_t Get_Player_Stat_Rank(int32_t team, int32_t slot, int32_t season, int32_t code) {
    const int32_t value = Get_Player_Stat(team, slot, season, code);
    int32_t rank = 1;
    For_Each_League_Player([&](int32_t other_team, int32_t other_slot) {
        if (Get_Player_Stat(other_team, other_slot, season, code) > value) ++rank;
    });
    return rank;
}

int32_t Get_Player_Games_Per_17(int32_t team, int32_t slot) {
    const int32_t season = Get_Season_Progress() < EARLY_SEASON_PROGRESS ? SEASON_LAST : SEASON_THIS;
    const int64_t games = Get_Player_Stat(team, slot, season, 0);
    int64_t rate = (1000 * games + 8) / 17;
    if (games < 0 && games % 17 != 0) --rate;
    return static_cast<int32_t>(rate);
}
