#include "frontoffice/computer_manager_steps.h"

#include "database/league_structure.h"
#include "database/team_record_layout.h"
#include "frontoffice/depth_charts.h"

namespace {
constexpr int32_t NUMBER_OF_UNITS = 3;
} // namespace

// Until the computer general managers are built, rosters and contracts stay
// as the league has them; only the depth charts follow the
// players' ratings, so every computer team fields its best.

void Do_Automatic_Signings() {}

void Do_Computer_Roster_Moves() {}

void Try_Computer_Trade() {}

void Run_Free_Agent_Market(int32_t) {}

void Auto_Set_Computer_Depth_Charts(int32_t) {
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team) {
        if (!Is_Computer_Team(team)) continue;
        for (int32_t unit = 0; unit < NUMBER_OF_UNITS; ++unit)
            Auto_Set_Depth_Chart(team, unit, 0);
    }
}

void Compute_League_Position_Need_Norm(int32_t) {}

void Compute_League_Position_Depth_Norm(int32_t) {}

void Compute_League_Position_Strength_Norm(int32_t) {}
