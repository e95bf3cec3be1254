#include "views/leader_values.h"

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/team_record.h"
#include "season/season_calendar.h"

namespace {
enum ELIGIBLE : uint8_t { QB_ONLY = 1, SKILL = 2, DEFENSE = 4, KICKER = 8, LINE = 16 };

struct LEADER_CATEGORY {
    int16_t Stat; // -1: cap impact (vital statistic 100)
    uint8_t Eligible;
    int16_t Qualifying_Stat; // -1: no minimum
    int16_t Minimum;
};

constexpr int16_t NONE = -1;
constexpr LEADER_CATEGORY CATEGORIES[LEADER_CATEGORIES] = {
    {2, QB_ONLY, NONE, 0},
    {3, QB_ONLY, NONE, 0},
    {5, QB_ONLY, NONE, 0},
    {101, QB_ONLY, 2, 224},
    {6, QB_ONLY, NONE, 0},
    {103, QB_ONLY, 2, 224},
    {100, QB_ONLY, 2, 224},
    {110, QB_ONLY, 0, 8},
    {118, SKILL | DEFENSE, 14, 16},
    {16, SKILL | DEFENSE, NONE, 0},
    {7, SKILL, NONE, 0},
    {8, SKILL, NONE, 0},
    {9, SKILL, NONE, 0},
    {112, SKILL, 7, 112},
    {10, SKILL, NONE, 0},
    {11, SKILL, NONE, 0},
    {12, SKILL, NONE, 0},
    {113, SKILL, 10, 32},
    {148, SKILL | DEFENSE, 10, 32},
    {119, SKILL | DEFENSE, 17, 16},
    {19, SKILL | DEFENSE, NONE, 0},
    {147, DEFENSE, NONE, 0},
    {6, DEFENSE, NONE, 0},
    {5, DEFENSE, NONE, 0},
    {143, DEFENSE, NONE, 0},
    {7, DEFENSE, NONE, 0},
    {121, KICKER, NONE, 0},
    {123, KICKER, 122, 16},
    {115, KICKER, 2, 16},
    {NONE, QB_ONLY | SKILL | DEFENSE | KICKER | LINE, NONE, 0}};

constexpr int32_t MAX_POSITION = 14;
constexpr int32_t FULL_SEASON_GAMES = 17;
constexpr int32_t CAP_IMPACT_VITAL = 100;

uint8_t Eligibility_Of(int32_t position) {
    if (position == 0) return QB_ONLY;
    switch (Get_Position_Group(position)) {
    case 0:
        return SKILL;
    case 1:
        return LINE;
    case 2:
        return DEFENSE;
    case 3:
        return KICKER;
    default:
        return 0;
    }
}

int32_t Get_Games_Per_Season() {
    int32_t games = Get_Universe_Stat(GAMES_PER_SEASON);
    return games > FULL_SEASON_GAMES ? FULL_SEASON_GAMES : games;
}
} // namespace

int32_t Is_Leader_Qualified(int32_t team, int32_t slot, int32_t season, int32_t category) {
    if (category < 0 || category >= LEADER_CATEGORIES) return 0;
    const LEADER_CATEGORY& entry = CATEGORIES[category];
    if (entry.Qualifying_Stat == NONE) return 1;
    const int32_t minimum = (Get_Games_Per_Season() * entry.Minimum + 8) / FULL_SEASON_GAMES;
    const int32_t scaled = season == 0 ? (minimum * Get_Season_Progress() + 500) / 1000 : minimum;
    return Get_Player_Stat(team, slot, season, entry.Qualifying_Stat) >= scaled ? 1 : 0;
}

int32_t Get_Player_Leader_Value(int32_t team, int32_t slot, int32_t category, int32_t season) {
    if (category < 0 || category >= LEADER_CATEGORIES) return 0;
    if (!(Is_Active_Team(team) || (team >= MAX_FRANCHISES && team <= 40))) return 0;
    if (!Is_Player_Slot_Used(team, slot)) return 0;
    const int32_t position = Get_Player_Vital_Stat(team, slot, 1);
    if (position < 0 || position > MAX_POSITION) return 0;
    const LEADER_CATEGORY& entry = CATEGORIES[category];
    if ((entry.Eligible & Eligibility_Of(position)) == 0) return 0;
    if (!Is_Leader_Qualified(team, slot, season, category)) return 0;
    if (entry.Stat == NONE) return Get_Player_Vital_Stat(team, slot, CAP_IMPACT_VITAL);
    return Get_Player_Stat(team, slot, season, entry.Stat);
}
