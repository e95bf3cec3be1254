#include "reports/top_ten_lists.h"

#include <cstring>

#include "app/news_ticker.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/team_record.h"
#include "views/leader_values.h"

namespace {
constexpr int32_t LIST_LENGTH = 10;
constexpr int32_t NO_LEAGUE = 2;
constexpr int32_t TOTAL_YARDS_STAT = 130;
constexpr int32_t LOWEST_START = 0x0FFFFFFF;

// Inserts before the first entry the value beats (higher, or lower when
// `lower_wins`); the tenth entry drops out.
void Insert_Entry(TOP_TEN_LIST* list, int32_t team, int32_t slot, int32_t value, bool lower_wins) {
    for (int32_t i = 0; i < LIST_LENGTH; ++i) {
        const int32_t held = list->Entries[i].Value;
        if (lower_wins ? value < held : value > held) {
            std::memmove(&list->Entries[i + 1], &list->Entries[i],
                         sizeof(TOP_TEN_ENTRY) * (LIST_LENGTH - 1 - i));
            list->Entries[i] = {static_cast<uint8_t>(team), static_cast<uint8_t>(slot), value, 0};
            return;
        }
    }
}

int32_t League_Of(int32_t team) {
    if (team >= MAX_FRANCHISES || team >= Count_Active_Teams()) return NO_LEAGUE;
    return Get_Team_Division(team) / 4;
}
} // namespace

void Build_Top_Ten_Player_List(TOP_TEN_LIST* list, int32_t league, int32_t category, int32_t season) {
    if (list == nullptr) return;
    std::memset(list, 0, sizeof *list);
    for (int32_t team = 0; team <= MAX_FRANCHISES; ++team) {
        if (team < MAX_FRANCHISES && !Is_Used_Franchise_Slot(team)) continue;
        if (league != NO_LEAGUE && League_Of(team) != league) continue;
        for (int32_t slot = 0; slot < 100; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            const int32_t position = Translate_Expanded_Position(Get_Player_Vital_Stat(team, slot, 1));
            if (Get_Position_Group(position) != 0) continue;
            const int32_t value = Get_Player_Leader_Value(team, slot, category, season);
            if (value > 0) Insert_Entry(list, team, slot, value, false);
        }
    }
}

void Build_Top_Ten_Team_List(TOP_TEN_LIST* list, int32_t category) {
    if (list == nullptr || (category != 0 && category != 4)) return;
    std::memset(list, 0, sizeof *list);
    const bool lower_wins = category != 0;
    if (lower_wins)
        for (TOP_TEN_ENTRY& entry : list->Entries)
            entry.Value = LOWEST_START;
    const int32_t season = Get_News_Ticker_Season_Choice();
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team) {
        if (!Is_Used_Franchise_Slot(team)) continue;
        Insert_Entry(list, team, 0, Get_Team_Totals_Stat(team, category, season, TOTAL_YARDS_STAT),
                     lower_wins);
    }
}
