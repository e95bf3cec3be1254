#include "personnel/draft_order.h"

#include <utility>

#include "database/league_structure.h"
#include "database/settings.h"
#include "database/team_operations.h"
#include "database/team_record.h"
#include "database/team_results.h"
#include "season/team_yearly_fields.h"

namespace {
constexpr int32_t YEARLY_LEAGUE_RANK = 2;
constexpr int32_t YEARLY_FINISH_CODE = 3;
constexpr int32_t OFF_SEASON_WEEK = 100;
constexpr int32_t NO_DRAFT_ORDER_TEAM = -1;

// Higher keys pick earlier: a team that went further picks later.
int32_t Projected_Draft_Key(int32_t team, int32_t season) {
    int32_t base;
    switch (Get_Team_Yearly_Int(team, season, YEARLY_FINISH_CODE)) {
    case 8:
        base = 0;
        break;
    case 7:
        base = 100;
        break;
    case 6:
        base = 200;
        break;
    case 4:
    case 5:
        base = 300;
        break;
    default:
        base = 400;
        break;
    }
    return base + Get_Team_Yearly_Int(team, season, YEARLY_LEAGUE_RANK);
}

// How far the team went in the bracket: 5 the champion, 4 a finalist, 3, 2
// and 1 the earlier rounds, 0 out of the playoffs.
int32_t Get_Playoff_Level(int32_t team) {
    const int32_t slot = Get_Team_Playoff_Slot(team);
    if (slot >= 30) return 5;
    if (slot >= 28) return 4;
    if (slot >= 24) return 3;
    if (slot >= 16) return 2;
    if (slot >= 0) return 1;
    return 0;
}

// Draft_Order := the active teams sorted by falling key, equal keys in slot order.
void Store_Order_By_Key(int32_t (*key_of)(int32_t team, int32_t season), int32_t season) {
    const int32_t active = Count_Active_Teams();
    int32_t order[MAX_FRANCHISES];
    int32_t key[MAX_FRANCHISES];
    for (int32_t n = 0; n < active; ++n) {
        order[n] = n;
        key[n] = key_of(n, season);
    }
    for (bool swapped = true; swapped;) {
        swapped = false;
        for (int32_t n = 0; n + 1 < active; ++n)
            if (key[n + 1] > key[n]) {
                std::swap(key[n], key[n + 1]);
                std::swap(order[n], order[n + 1]);
                swapped = true;
            }
    }
    for (int32_t n = 0; n < MAX_FRANCHISES; ++n)
        Set_Draft_Order_Entry(n, n < active ? order[n] : NO_DRAFT_ORDER_TEAM);
}
} // namespace

int32_t Get_College_Draft_Order_Key(int32_t team, int32_t season) {
    const int32_t margin = Get_Team_Yearly_Char(team, season, RECORD_CHAR_WINS) -
                           Get_Team_Yearly_Char(team, season, RECORD_CHAR_LOSSES);
    return ((6 - Get_Playoff_Level(team)) * 100 - margin) * 100 +
           Get_Team_Yearly_Int(team, season, YEARLY_LEAGUE_RANK);
}

void Set_College_Draft_Order() {
    // The finish codes go into the history first: the order is fixed from the
    // season as it ended, and the history keeps the same record of it.
    Record_Team_Season_Finish();
    int32_t season = Get_User_Preference(CURRENT_SEASON_INDEX);
    if (Get_User_Preference(CURRENT_WEEK) == OFF_SEASON_WEEK && season > 0) --season;
    Store_Order_By_Key(Get_College_Draft_Order_Key, season);
}

void Set_Projected_Draft_Order() {
    Store_Order_By_Key(Projected_Draft_Key, Get_User_Preference(CURRENT_SEASON_INDEX));
}

int32_t Get_Team_Projected_Draft_Position(int32_t team) {
    Set_Projected_Draft_Order();
    return Get_Team_Draft_Position(team);
}

int32_t Get_Team_Draft_Position(int32_t team) {
    const int32_t active = Count_Active_Teams();
    for (int32_t n = 0; n < active; ++n)
        if (Get_Draft_Order_Team(n) == team) return n;
    return active;
}
