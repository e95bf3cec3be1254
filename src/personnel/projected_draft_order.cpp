#include "personnel/projected_draft_order.h"

#include <utility>

#include "database/league_structure.h"
#include "database/settings.h"
#include "database/team_operations.h"
#include "database/team_record.h"

namespace {
constexpr int32_t YEARLY_LEAGUE_RANK = 2;
constexpr int32_t YEARLY_FINISH_CODE = 3;

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
} // namespace

void Set_Projected_Draft_Order() {
    const int32_t active = Count_Active_Teams();
    const int32_t season = Get_User_Preference(CURRENT_SEASON_INDEX);
    int32_t order[MAX_FRANCHISES];
    int32_t key[MAX_FRANCHISES];
    for (int32_t n = 0; n < active; ++n) {
        order[n] = n;
        key[n] = Projected_Draft_Key(n, season);
    }
    // Stable: equal keys keep team-slot order.
    for (bool swapped = true; swapped;) {
        swapped = false;
        for (int32_t n = 0; n + 1 < active; ++n)
            if (key[n + 1] > key[n]) {
                std::swap(key[n], key[n + 1]);
                std::swap(order[n], order[n + 1]);
                swapped = true;
            }
    }
    for (int32_t n = 0; n < active; ++n)
        Set_Draft_Order_Entry(n, order[n]);
}

int32_t Get_Team_Draft_Position(int32_t team) {
    const int32_t active = Count_Active_Teams();
    for (int32_t n = 0; n < active; ++n)
        if (Get_Draft_Order_Team(n) == team) return n;
    return active;
}
