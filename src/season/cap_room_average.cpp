#include "season/cap_room_average.h"

#include "database/league_structure.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/money.h"

namespace {
int32_t Holds = 0;
bool Held = false;
int32_t Held_Average = 0;

int32_t Compute_Average() {
    int64_t total = 0;
    int32_t teams = 0;
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team) {
        if (!Is_Active_Team(team)) continue;
        total += 1000 * static_cast<int64_t>(Get_Team_Financial_Stat(team, FINANCE_CAP_ROOM));
        ++teams;
    }
    if (teams == 0) return 0;
    const int64_t per_cap = Mul_Div_Round_64(1000, total / teams, Get_Universe_Stat(SALARY_CAP));
    return Clamp_To_Int32(Mul_Div_Round_64(1000, per_cap, 60));
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
