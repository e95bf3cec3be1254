#include "season/draft_picks_value.h"

#include "database/league_structure.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "frontoffice/money.h"
#include "frontoffice/salaries.h"
#include "personnel/draft_order.h"
#include "season/season_calendar.h"

namespace {
constexpr int32_t THIS_YEARS_DRAFT = 0;
constexpr int32_t OFF_SEASON_WEEK = 100;

// The order the picks are valued at. In the off-season the champion is no
// longer "decided" (the week has moved on), but the coming draft is still
// ordered by the season just ended; the projected order would read the coming
// season, which has no results yet. A running draft keeps the order it runs by.
void Fix_Draft_Order(bool draft_running) {
    const bool off_season = Get_User_Preference(CURRENT_WEEK) == OFF_SEASON_WEEK;
    if (off_season && draft_running) return;
    if (Is_Champion_Decided() || off_season)
        Set_College_Draft_Order();
    else
        Set_Projected_Draft_Order();
}

// The sum of `cost` over the picks of this year's draft that the team owns,
// each at the place in the draft order of the team it was issued to.
template <typename COST> int32_t Sum_Team_Draft_Picks(int32_t team, COST cost) {
    const int32_t teams = Count_Active_Teams();
    const int32_t draft_round = Get_User_Preference(DRAFT_ROUND);
    const int32_t draft_pick = Get_User_Preference(DRAFT_PICK);
    const bool running = draft_round >= 0 && draft_round < DRAFT_ROUNDS;
    Fix_Draft_Order(running);
    int64_t total = 0;
    for (int32_t round = 0; round < DRAFT_ROUNDS; ++round)
        for (int32_t pick = 0; pick < teams && pick < MAX_FRANCHISES; ++pick) {
            if (running && (round < draft_round || (round == draft_round && pick < draft_pick))) continue;
            const int32_t issuer = Get_Draft_Order_Team(pick);
            if (!Is_Franchise_Slot(issuer)) continue;
            if (Get_Draft_Pick_Owner(THIS_YEARS_DRAFT, round, issuer) != team) continue;
            total += cost(round, pick);
        }
    return Clamp_To_Int32(total);
}
} // namespace

int32_t Get_Team_Draft_Picks_Value(int32_t team) {
    return Sum_Team_Draft_Picks(team, [](int32_t round, int32_t pick) {
        return static_cast<int64_t>(Get_Rookie_Scale_Plus_Quarter_Pick_Value(round, pick));
    });
}

int32_t Get_Team_Draft_Picks_Pure_Value(int32_t team) {
    return Sum_Team_Draft_Picks(team, [](int32_t round, int32_t pick) {
        return static_cast<int64_t>(Get_Draft_Pick_Value(round, pick));
    });
}
