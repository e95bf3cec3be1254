#include "season/playoff_seeding.h"

#include "database/league_structure.h"
#include "database/playoff_bracket.h"
#include "database/standings.h"
#include "database/team_record_layout.h"
#include "database/universe.h"

namespace {
constexpr int SLOTS_PER_CONFERENCE = 8;

// Takes the best remaining team of the conference by the league key, either
// among division winners only or among all; NO_TEAM when none is left.
int32_t Take_Best(int32_t league, bool winners_only, bool* taken) {
    int32_t chosen = NO_TEAM;
    int32_t best = 0;
    int32_t teams = Count_Active_Teams();
    for (int32_t team = 0; team < teams; ++team) {
        if (taken[team] || Get_Team_Conference(team) != league) continue;
        if (winners_only && Get_Division_Standing_Team(Get_Team_Division(team), 0) != team) continue;
        int32_t key = Get_Team_Standings_Score(team);
        if (chosen == NO_TEAM || key > best) {
            chosen = team;
            best = key;
        }
    }
    if (chosen != NO_TEAM) taken[chosen] = true;
    return chosen;
}
} // namespace

void Seed_Playoffs() {
    bool taken[MAX_FRANCHISES] = {};
    int32_t wild_cards = Get_Universe_Stat(1);
    for (int32_t league = 0; league < NUMBER_OF_LEAGUES; ++league) {
        int32_t seeds = Count_League_Divisions(league) + wild_cards;
        if (seeds > SLOTS_PER_CONFERENCE) seeds = SLOTS_PER_CONFERENCE;
        int32_t winners = Count_League_Divisions(league);
        for (int32_t seed = 0; seed < SLOTS_PER_CONFERENCE; ++seed) {
            int32_t team = NO_TEAM;
            if (seed < seeds) team = Take_Best(league, seed < winners, taken);
            Set_Playoff_Team(league * SLOTS_PER_CONFERENCE + seed, team);
        }
    }
}
