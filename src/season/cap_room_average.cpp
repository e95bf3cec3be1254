#include "season/cap_room_average.h"

#include "database/changing_team.h"
#include "database/league_structure.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/money.h"

namespace {
int32_t Holds = 0;
bool Held = false;
int32_t Held_Average = 0;

// The team scope: the franchise whose room may change, and the others' rooms
// (in thousandths) summed at the first average asked for.
CHANGING_TEAM Scoped;
bool Others_Known = false;
int64_t Others_Total = 0;
int32_t Others_Teams = 0;

int64_t Room_Of(int32_t team) {
    return 1000 * static_cast<int64_t>(Get_Team_Financial_Stat(team, FINANCE_CAP_ROOM));
}

int32_t Average_Of(int64_t total, int32_t teams) {
    if (teams == 0) return 0;
    const int64_t per_cap = Mul_Div_Round_64(1000, total / teams, Get_Universe_Stat(SALARY_CAP));
    return Clamp_To_Int32(Mul_Div_Round_64(1000, per_cap, 60));
}

int32_t Compute_Average() {
    // During a fantasy draft a payroll counts players wherever they stand.
    const int32_t only = Scoped.Only;
    const bool scoped = only != CHANGING_TEAM::ANY && Get_Universe_Stat(FANTASY_DRAFT_FLAG) < 1;
    if (scoped && !Others_Known) {
        Others_Total = 0;
        Others_Teams = 0;
        for (int32_t team = 0; team < MAX_FRANCHISES; ++team) {
            if (team == only || !Is_Active_Team(team)) continue;
            Others_Total += Room_Of(team);
            ++Others_Teams;
        }
        Others_Known = true;
    }
    if (scoped) {
        const bool counted = only < MAX_FRANCHISES && Is_Active_Team(only);
        return Average_Of(Others_Total + (counted ? Room_Of(only) : 0), Others_Teams + (counted ? 1 : 0));
    }
    int64_t total = 0;
    int32_t teams = 0;
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team) {
        if (!Is_Active_Team(team)) continue;
        total += Room_Of(team);
        ++teams;
    }
    return Average_Of(total, teams);
}
} // namespace

int32_t Get_Average_Finance_Stat_90_Per_Cap() {
    if (Holds == 0) return Compute_Average();
    if (!Held) {
        Held_Average = Compute_Average();
        Held = true;
    }
    return Held_Average;
}

CAP_ROOM_AVERAGE_HOLD::CAP_ROOM_AVERAGE_HOLD() {
    ++Holds;
}

CAP_ROOM_AVERAGE_HOLD::~CAP_ROOM_AVERAGE_HOLD() {
    if (--Holds == 0) Held = false;
}

CAP_ROOM_TEAM_SCOPE::CAP_ROOM_TEAM_SCOPE(int32_t team) {
    Scoped.Enter(team);
    Others_Known = false;
}

CAP_ROOM_TEAM_SCOPE::~CAP_ROOM_TEAM_SCOPE() {
    Scoped.Leave();
    Others_Known = false;
}
