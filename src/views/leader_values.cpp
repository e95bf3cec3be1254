#include "views/leader_values.h"

#include <algorithm>
#include <cstdlib>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/safe_strings.h"
#include "database/season_lines.h"
#include "database/text_format.h"
#include "season/season_calendar.h"
#include "views/view_drawing.h"

namespace {
enum LEADER_GROUPS : uint8_t {
    LEADS_QB = 1,
    LEADS_SKILL = 2,
    LEADS_LINE = 4,
    LEADS_DEFENSE = 8,
    LEADS_KICKER = 16,
    LEADS_ALL = LEADS_ANY_GROUP,
};

enum LEADER_FORMAT : uint8_t {
    FORMAT_COUNT,
    FORMAT_TENTHS,
    FORMAT_HUNDREDTHS,
    FORMAT_PERCENT,
    FORMAT_MONEY,
};

constexpr int32_t NO_MINIMUM = -1;
constexpr int32_t CAP_IMPACT_STAT = -1;
constexpr int32_t FULL_SEASON_GAMES = 17;

struct LEADER_CATEGORY {
    const char* Heading;
    int32_t Stat;
    LEADER_FORMAT Format;
    uint8_t Groups;
    int32_t Qualifying_Stat;
    int32_t Minimum;
};

constexpr LEADER_CATEGORY CATEGORIES[NUMBER_OF_LEADER_CATEGORIES] = {
    {"Passing Attempts", 2, FORMAT_COUNT, LEADS_QB, NO_MINIMUM, 0},
    {"Completions", 3, FORMAT_COUNT, LEADS_QB, NO_MINIMUM, 0},
    {"Pass Yards", 5, FORMAT_COUNT, LEADS_QB, NO_MINIMUM, 0},
    {"Completion %", 101, FORMAT_PERCENT, LEADS_QB, 2, 224},
    {"Pass TDs", 6, FORMAT_COUNT, LEADS_QB, NO_MINIMUM, 0},
    {"Yards/Attempt", 103, FORMAT_HUNDREDTHS, LEADS_QB, 2, 224},
    {"QB Rating", 100, FORMAT_TENTHS, LEADS_QB, 2, 224},
    {"Passing/Game", 110, FORMAT_TENTHS, LEADS_QB, 0, 8},
    {"Kick Return Avg.", 118, FORMAT_TENTHS, LEADS_SKILL | LEADS_DEFENSE, 14, 16},
    {"Kick Return TDs", 16, FORMAT_COUNT, LEADS_SKILL | LEADS_DEFENSE, NO_MINIMUM, 0},
    {"Rushes", 7, FORMAT_COUNT, LEADS_SKILL, NO_MINIMUM, 0},
    {"Rush Yards", 8, FORMAT_COUNT, LEADS_SKILL, NO_MINIMUM, 0},
    {"Rushing TDs", 9, FORMAT_COUNT, LEADS_SKILL, NO_MINIMUM, 0},
    {"Yards/Rush", 112, FORMAT_HUNDREDTHS, LEADS_SKILL, 7, 112},
    {"Receptions", 10, FORMAT_COUNT, LEADS_SKILL, NO_MINIMUM, 0},
    {"Receiving Yards", 11, FORMAT_COUNT, LEADS_SKILL, NO_MINIMUM, 0},
    {"Receiving TDs", 12, FORMAT_COUNT, LEADS_SKILL, NO_MINIMUM, 0},
    {"Yards/Recept", 113, FORMAT_TENTHS, LEADS_SKILL, 10, 32},
    {"Catch Rate", 148, FORMAT_PERCENT, LEADS_SKILL | LEADS_DEFENSE, 10, 32},
    {"Punt Return Avg.", 119, FORMAT_TENTHS, LEADS_SKILL | LEADS_DEFENSE, 17, 16},
    {"Punt Return TDs", 19, FORMAT_COUNT, LEADS_SKILL | LEADS_DEFENSE, NO_MINIMUM, 0},
    {"Tackles (Solo + Asst)", 147, FORMAT_COUNT, LEADS_DEFENSE, NO_MINIMUM, 0},
    {"Passes Defended", 6, FORMAT_COUNT, LEADS_DEFENSE, NO_MINIMUM, 0},
    {"Fumbles Forced", 5, FORMAT_COUNT, LEADS_DEFENSE, NO_MINIMUM, 0},
    {"Sacks", 143, FORMAT_TENTHS, LEADS_DEFENSE, NO_MINIMUM, 0},
    {"Interceptions", 7, FORMAT_COUNT, LEADS_DEFENSE, NO_MINIMUM, 0},
    {"Field Goals", 121, FORMAT_COUNT, LEADS_KICKER, NO_MINIMUM, 0},
    {"Field Goal %", 123, FORMAT_PERCENT, LEADS_KICKER, 122, 16},
    {"Punt Average", 115, FORMAT_TENTHS, LEADS_KICKER, 2, 16},
    {"Cap Impact", CAP_IMPACT_STAT, FORMAT_MONEY, LEADS_ALL, NO_MINIMUM, 0},
};

bool Is_Category(int32_t category) {
    return category >= 0 && category < NUMBER_OF_LEADER_CATEGORIES;
}

// The leader group of each position: the quarterbacks apart from the other
// backs and receivers, then the linemen, the defenders and the kickers.
constexpr uint8_t POSITION_LEADER_GROUP[NUMBER_OF_POSITIONS] = {
    LEADS_QB,      LEADS_SKILL,   LEADS_SKILL,   LEADS_SKILL,   LEADS_SKILL,
    LEADS_LINE,    LEADS_LINE,    LEADS_LINE,    LEADS_DEFENSE, LEADS_DEFENSE,
    LEADS_DEFENSE, LEADS_DEFENSE, LEADS_DEFENSE, LEADS_KICKER,  LEADS_KICKER};

uint8_t Get_Leader_Group(int32_t position) {
    return static_cast<uint32_t>(position) < NUMBER_OF_POSITIONS ? POSITION_LEADER_GROUP[position] : 0;
}

// A statistic of a player in use. The stored career figures are read in place
// but for 5 and 18, the longest kicks, which a kicker's read repairs from his
// seasons and stores back; everything else goes through Get_Player_Stat.
int32_t Read_Leader_Stat(int32_t team, int32_t slot, int32_t season, int32_t stat) {
    if (season == SEASON_CAREER && static_cast<uint32_t>(stat) < NUMBER_OF_SEASON_STATS && stat != 5 &&
        stat != 18)
        return Universe.Teams[team].Players[slot].Season_Stats[SEASON_CAREER][stat];
    return Get_Player_Stat(team, slot, season, stat);
}
} // namespace

int32_t Get_Player_Leader_Group(int32_t team, int32_t slot) {
    if (!Is_Valid_Team_Code(team) || !Is_Player_Slot_Used(team, slot)) return 0;
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    if (position < 0 || position >= NUMBER_OF_POSITIONS) return 0;
    return Get_Leader_Group(position);
}

int32_t Get_Leader_Category_Groups(int32_t category) {
    return Is_Category(category) ? CATEGORIES[category].Groups : 0;
}

LEADER_QUERY Prepare_Leader_Query(int32_t category, int32_t season) {
    LEADER_QUERY query{category, season, 0};
    if (!Is_Category(category) || CATEGORIES[category].Qualifying_Stat == NO_MINIMUM) return query;
    // A stored season longer than the full one counts as the full season and
    // is stored back as such, as every reader of the season length does.
    int32_t games = Get_Universe_Stat(GAMES_PER_SEASON);
    if (games > FULL_SEASON_GAMES) {
        games = FULL_SEASON_GAMES;
        Store_Universe_Stat(GAMES_PER_SEASON, games);
    }
    games = std::max(games, 0);
    query.Minimum = (games * CATEGORIES[category].Minimum + 8) / FULL_SEASON_GAMES;
    if (season == SEASON_THIS) query.Minimum = (query.Minimum * Get_Season_Progress() + 500) / 1000;
    return query;
}

int32_t Get_Queried_Leader_Value(const LEADER_QUERY& query, int32_t team, int32_t slot) {
    const LEADER_CATEGORY& entry = CATEGORIES[query.Category];
    if (entry.Qualifying_Stat != NO_MINIMUM &&
        Read_Leader_Stat(team, slot, query.Season, entry.Qualifying_Stat) < query.Minimum)
        return 0;
    if (entry.Stat == CAP_IMPACT_STAT) return Get_Player_Vital_Stat(team, slot, VITAL_CAP_CHARGE);
    return Read_Leader_Stat(team, slot, query.Season, entry.Stat);
}

int32_t Is_Leader_Qualified(int32_t team, int32_t slot, int32_t season, int32_t category) {
    if (!Is_Category(category)) return 0;
    const LEADER_CATEGORY& entry = CATEGORIES[category];
    if (entry.Qualifying_Stat == NO_MINIMUM) return 1;
    const int32_t minimum = Prepare_Leader_Query(category, season).Minimum;
    return Get_Player_Stat(team, slot, season, entry.Qualifying_Stat) >= minimum ? 1 : 0;
}

int32_t Get_Player_Leader_Value(int32_t team, int32_t slot, int32_t category, int32_t season) {
    if (!Is_Category(category) || !Is_Valid_Team_Code(team) || !Is_Player_Slot_Used(team, slot)) return 0;
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    if (position < 0 || position >= NUMBER_OF_POSITIONS) return 0;
    if ((CATEGORIES[category].Groups & Get_Leader_Group(position)) == 0) return 0;
    return Get_Queried_Leader_Value(Prepare_Leader_Query(category, season), team, slot);
}

int32_t Find_Best_Season_Line(int32_t team, int32_t slot, int32_t category) {
    int32_t best = NO_SEASON_LINE, best_value = 0;
    if (!Is_Valid_Team_Code(team) || !Is_Player_Slot_Used(team, slot)) return best;
    for (int32_t n = 0; n < NUMBER_OF_SEASON_LINE_LINKS; ++n) {
        const int32_t line = Get_Player_Season_Line(team, slot, n);
        // College seasons are no league seasons.
        if (line == NO_SEASON_LINE || Get_Season_Line_Kind(line) < 0) continue;
        const int32_t value = Get_Player_Leader_Value(team, slot, category, FIRST_SEASON_LINE_SELECTOR + n);
        if (value > best_value) {
            best_value = value;
            best = line;
        }
    }
    return best;
}

void Get_Leader_Stat_Heading(int32_t category, char* out, int32_t size) {
    if (out == nullptr || size <= 0) return;
    safe_strncpy(out, Is_Category(category) ? CATEGORIES[category].Heading : "", size);
}

void Format_Leader_Value(int32_t value, int32_t category, char* out, int32_t size) {
    if (out == nullptr || size <= 0) return;
    out[0] = '\0';
    if (!Is_Category(category) || value == NO_LEADER_VALUE) return;
    switch (CATEGORIES[category].Format) {
    case FORMAT_COUNT:
        if (value != 0) {
            char number[FORMATTED_TEXT_SIZE];
            Format_Number_Commas(value, number);
            safe_strncpy(out, number, size);
        }
        break;
    case FORMAT_TENTHS:
        Format_Signed_Tenths(out, size, value);
        break;
    case FORMAT_HUNDREDTHS:
        Format_Signed_Hundredths(out, size, value);
        break;
    case FORMAT_PERCENT:
        Format_Signed_Tenths(out, size, value);
        safe_strncat(out, "%", size);
        break;
    case FORMAT_MONEY:
        if (value < 1000) {
            safe_sprintf(out, size, "$%dK", value);
        } else {
            char millions[LEADER_TEXT_SIZE];
            Format_Signed_Tenths(millions, sizeof millions, value / 100);
            safe_sprintf(out, size, "$%sM", millions);
        }
        break;
    }
}
