#include "reports/top_ten_lists.h"

#include <cstring>

#include "app/news_ticker.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/season_lines.h"
#include "database/team_record.h"
#include "views/leader_values.h"

namespace {
constexpr int32_t LIST_LENGTH = 10;
constexpr int32_t NO_LEAGUE = 2;
constexpr int32_t TOTAL_YARDS_STAT = 130;
constexpr int32_t LOWEST_START = 0x0FFFFFFF;
constexpr int32_t GAMES_STAT = 0;

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

// Calls value(team, slot) for every player who may lead: the skill players
// of the franchises in use of the league and of the free agents; positive
// values enter the list. An entry's second word stays 0.
template <typename F> void Fill_Player_List(TOP_TEN_LIST* list, int32_t league, F value) {
    if (list == nullptr) return;
    std::memset(list, 0, sizeof *list);
    for (int32_t team = 0; team <= MAX_FRANCHISES; ++team) {
        if (team < MAX_FRANCHISES && !Is_Used_Franchise_Slot(team)) continue;
        if (league != NO_LEAGUE && League_Of(team) != league) continue;
        for (int32_t slot = 0; slot < 100; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            const int32_t position = Translate_Expanded_Position(Get_Player_Vital_Stat(team, slot, 1));
            if (Get_Position_Group(position) != 0) continue;
            const int32_t entry = value(team, slot);
            if (entry > 0) Insert_Entry(list, team, slot, entry, false);
        }
    }
}
} // namespace

void Build_Top_Ten_Player_List(TOP_TEN_LIST* list, int32_t league, int32_t category, int32_t season) {
    Fill_Player_List(list, league, [category, season](int32_t team, int32_t slot) {
        return Get_Player_Leader_Value(team, slot, category, season);
    });
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
        // A team without a yard in the season played none of its games (a
        // franchise that joined since, or one yet to play): it leads no list,
        // as the fewest yards allowed would have it lead the defences.
        const int32_t yards = Get_Team_Totals_Stat(team, category, season, TOTAL_YARDS_STAT);
        if (yards > 0) Insert_Entry(list, team, 0, yards, lower_wins);
    }
}

int32_t Find_Player_Year_Season_Link(int32_t team, int32_t slot, int32_t year) {
    int32_t found = -1;
    int32_t most_games = -1;
    for (int32_t link = 0; link < NUMBER_OF_SEASON_LINE_LINKS; ++link) {
        const int32_t line = Get_Player_Season_Line(team, slot, link);
        if (line == NO_SEASON_LINE || Get_Season_Line_Year(line) != year) continue;
        const int32_t line_team = Get_Season_Line_Team(line);
        if (line_team < 0 || line_team >= MAX_FRANCHISES) continue;
        const int32_t games = Get_Season_Line_Stat(line, GAMES_STAT);
        if (games > most_games) {
            most_games = games;
            found = link;
        }
    }
    return found;
}

void Build_Template_Leader_List(TOP_TEN_LIST* list, int32_t league, int32_t category, int32_t seasons_back) {
    if (seasons_back == LEADERS_CAREER) {
        Build_Top_Ten_Player_List(list, league, category, SEASON_CAREER);
        return;
    }
    if (seasons_back == LEADERS_BEST_SEASON) {
        Fill_Player_List(list, league, [category](int32_t team, int32_t slot) {
            int32_t best = 0;
            for (int32_t link = 0; link < NUMBER_OF_SEASON_LINE_LINKS; ++link) {
                const int32_t line = Get_Player_Season_Line(team, slot, link);
                if (line == NO_SEASON_LINE) continue;
                const int32_t line_team = Get_Season_Line_Team(line);
                if (line_team < 0 || line_team >= MAX_FRANCHISES) continue;
                const int32_t value =
                    Get_Player_Leader_Value(team, slot, category, FIRST_SEASON_LINE_SELECTOR + link);
                if (value > best) best = value;
            }
            return best;
        });
        return;
    }
    const int32_t year = Get_Current_Year() - seasons_back;
    Fill_Player_List(list, league, [category, year](int32_t team, int32_t slot) {
        const int32_t link = Find_Player_Year_Season_Link(team, slot, year);
        return link < 0 ? 0
                        : Get_Player_Leader_Value(team, slot, category, FIRST_SEASON_LINE_SELECTOR + link);
    });
}
