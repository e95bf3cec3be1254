// The first week of a season, played on the installation's databases with
// every team run by the computer: its backs carry the ball as they do in the
// weeks after it, though no game of the season has yet been credited to them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <vector>

#include "app/startup.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/roster_slots.h"
#include "database/team_record.h"
#include "season/week_advance.h"
#include "support/installed_seasons.h"

namespace {
class SeasonOpeningRunning : public InstalledFrameTest {};

constexpr int32_t CARRIES = 7;

// Each player's carries this season, by his id (players may change teams
// between weeks).
std::map<int32_t, int32_t> Carries_By_Id() {
    std::map<int32_t, int32_t> carries;
    for (int32_t team = 0; team < Count_Active_Teams(); ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
            if (Is_Player_Slot_Used(team, slot))
                carries[Get_Player_Vital_Stat(team, slot, VITAL_PLAYER_ID)] =
                    Get_Player_Stat(team, slot, SEASON_THIS, CARRIES);
    return carries;
}

// What a played week's backs carried: their carries per team that played,
// and the median of each team's busiest back.
struct BACKS_WEEK {
    double Carries_Per_Team = 0.0;
    int32_t Lead_Back_Median = 0;
};

BACKS_WEEK Play_Week_Of_Backs() {
    const std::map<int32_t, int32_t> before = Carries_By_Id();
    Advance_Weeks(1);
    int32_t carries = 0;
    std::vector<int32_t> leads;
    for (int32_t team = 0; team < Count_Active_Teams(); ++team) {
        int32_t team_carries = 0, lead = 0, all = 0;
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            const auto was = before.find(Get_Player_Vital_Stat(team, slot, VITAL_PLAYER_ID));
            const int32_t week =
                Get_Player_Stat(team, slot, SEASON_THIS, CARRIES) - (was == before.end() ? 0 : was->second);
            const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
            if (position <= POSITION_WR) all += week;
            if (position != POSITION_RB) continue;
            team_carries += week;
            lead = std::max(lead, week);
        }
        // A team on its bye carried nothing.
        if (all == 0) continue;
        carries += team_carries;
        leads.push_back(lead);
    }
    BACKS_WEEK figures;
    if (leads.empty()) return figures;
    std::sort(leads.begin(), leads.end());
    figures.Carries_Per_Team = static_cast<double>(carries) / static_cast<double>(leads.size());
    figures.Lead_Back_Median = leads[leads.size() / 2];
    return figures;
}
} // namespace

TEST_F(SeasonOpeningRunning, WeekOnesBacksCarryAsInTheWeeksAfterIt) {
    Start_Frame_Without_Loop();
    ASSERT_EQ(Load_Startup_League(), 1);
    for (const int32_t year : {2019, 2022}) {
        SCOPED_TRACE(year);
        ASSERT_EQ(Open_Installed_Season(year), "");
        for (int32_t team = 0; team < Count_Active_Teams(); ++team)
            Set_Team_Stat(team, TEAM_STAT_CONTROL, TEAM_CONTROL_COMPUTER);
        Set_User_Team(-1);
        const BACKS_WEEK first = Play_Week_Of_Backs();
        double later_carries = 0.0;
        std::vector<int32_t> later_leads;
        for (int32_t week = 2; week <= 4; ++week) {
            const BACKS_WEEK later = Play_Week_Of_Backs();
            later_carries += later.Carries_Per_Team / 3.0;
            later_leads.push_back(later.Lead_Back_Median);
        }
        ASSERT_GT(later_carries, 0.0);
        EXPECT_GT(first.Carries_Per_Team, 0.75 * later_carries)
            << "week 1: " << first.Carries_Per_Team << " carries a team, weeks 2-4: " << later_carries;
        const int32_t later_median = *std::min_element(later_leads.begin(), later_leads.end());
        EXPECT_GE(2 * first.Lead_Back_Median, later_median)
            << "week 1's lead backs carry " << first.Lead_Back_Median << " (median), later weeks' "
            << later_median << " at the least";
        EXPECT_GE(first.Lead_Back_Median, 5);
    }
}
