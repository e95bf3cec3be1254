// One off-season's college draft on the 32-team computer-run test league: a
// generated class of 291 prospects and seven rounds of computer picks in the
// order of last season's records, to set beside the season benchmark. The
// first benchmark times the 224 picks alone; the second the whole draft as
// the Play menu starts it, with the new season it sets up at its end.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

#include "database/league_derived_state.h"
#include "database/random_numbers.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "frontoffice/player_potential.h"
#include "personnel/college_draft_flow.h"
#include "personnel/draft_order.h"
#include "personnel/draft_picks.h"
#include "personnel/draft_pool.h"
#include "personnel/draft_state.h"
#include "season/playoff_seeding.h"
#include "support/computer_league.h"
#include "support/test_league.h"

namespace {
constexpr int32_t PICKS = 7 * TEST_LEAGUE_TEAMS;

// The league after its season, its class in the pool, before the draft.
std::unique_ptr<UNIVERSE_STATE> Prepare_Draft_League() {
    Build_Computer_League();
    Clear_Playoff_Bracket();
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
        Set_Team_Yearly_Char(team, 0, RECORD_CHAR_WINS, 17 - team / 2);
        Set_Team_Yearly_Char(team, 0, RECORD_CHAR_LOSSES, team / 2);
        Set_Team_Yearly_Int(team, 0, 2, team);
    }
    Set_User_Preference(CURRENT_SEASON_INDEX, 1);
    Set_User_Preference(CURRENT_WEEK, 100);
    Set_User_Preference(DRAFT_ROUND, NO_COLLEGE_DRAFT_ROUND);
    Reset_Draft_Pick_Ownership();
    Seed_Random_Numbers(2021);
    Create_College_Draft_Pool();
    Set_User_Preference(MULTI_SEASON_SIMULATION, 1);
    auto league = std::make_unique<UNIVERSE_STATE>();
    std::memcpy(league.get(), &Universe, sizeof Universe);
    return league;
}

void BM_CollegeDraftPicks(benchmark::State& state) {
    const std::unique_ptr<UNIVERSE_STATE> league = Prepare_Draft_League();
    for (auto _ : state) {
        state.PauseTiming();
        std::memcpy(&Universe, league.get(), sizeof Universe);
        Reset_League_Derived_State();
        Forget_Player_Potentials();
        Set_College_Draft_Order();
        Set_User_Preference(DRAFT_ROUND, 0);
        Set_User_Preference(DRAFT_PICK, 0);
        Start_College_Draft_Report();
        state.ResumeTiming();
        // Every pick but the last, whose end sets up the new season.
        for (int32_t pick = 0; pick + 1 < PICKS; ++pick)
            Make_Current_Draft_Pick();
    }
    state.SetItemsProcessed(state.iterations() * (PICKS - 1));
}
BENCHMARK(BM_CollegeDraftPicks)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_CollegeDraftIntoNewSeason(benchmark::State& state) {
    const std::unique_ptr<UNIVERSE_STATE> league = Prepare_Draft_League();
    for (auto _ : state) {
        state.PauseTiming();
        std::memcpy(&Universe, league.get(), sizeof Universe);
        Reset_League_Derived_State();
        Forget_Player_Potentials();
        state.ResumeTiming();
        Finish_Off_Season();
    }
}
BENCHMARK(BM_CollegeDraftIntoNewSeason)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
