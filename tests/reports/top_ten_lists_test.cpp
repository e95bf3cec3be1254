// The ten-best lists that the news ticker and the leaders tables share: who
// may enter, which league a team counts in, and how ties and the tenth place
// are settled.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/news_ticker.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/team_record_layout.h"
#include "database/universe.h"
#include "reports/encyclopedia_pages.h"
#include "reports/top_ten_lists.h"
#include "support/test_league.h"

namespace {
constexpr int32_t RUSHES = 10; // leader category: skill players, no minimum
constexpr int32_t RUSH_STAT = 7;

class TopTenLists : public testing::Test {
  protected:
    void SetUp() override {
        Build_Test_League();
        for (int32_t team = 0; team <= FREE_AGENT_TEAM; ++team)
            for (int32_t slot = 0; slot < 100; ++slot)
                if (Is_Player_Slot_Used(team, slot)) Set_Player_Stat(team, slot, SEASON_CAREER, RUSH_STAT, 0);
    }
};

struct ENTRY {
    int32_t Team;
    int32_t Slot;
    int32_t Value;
    bool operator==(const ENTRY&) const = default;
};

std::vector<ENTRY> Filled(const TOP_TEN_LIST& list) {
    std::vector<ENTRY> out;
    for (const TOP_TEN_ENTRY& entry : list.Entries)
        if (entry.Value > 0) out.push_back({entry.Team, entry.Slot, entry.Value});
    return out;
}

// A free slot of the free agents, holding a running back.
int32_t Add_Free_Agent_Back() {
    const int32_t back = Test_League_Slot(POSITION_RB, 0);
    for (int32_t slot = 0; slot < 100; ++slot)
        if (!Is_Player_Slot_Used(FREE_AGENT_TEAM, slot)) {
            Universe.Teams[FREE_AGENT_TEAM].Players[slot] = Universe.Teams[0].Players[back];
            return slot;
        }
    return -1;
}
} // namespace

TEST_F(TopTenLists, EqualValuesKeepTheOrderMetAndTheEleventhFallsOut) {
    const int32_t back = Test_League_Slot(POSITION_RB, 0);
    // Twelve teams' backs: team t rushes 100 + 10 * (t / 2) times, so each
    // pair of teams ties; the two smallest drop off the list.
    for (int32_t team = 0; team < 12; ++team)
        Set_Player_Stat(team, back, SEASON_CAREER, RUSH_STAT, 100 + 10 * (team / 2));
    // A guard never leads a rushing category, whatever his figures.
    Set_Player_Stat(0, Test_League_Slot(POSITION_G, 0), SEASON_CAREER, RUSH_STAT, 999);
    TOP_TEN_LIST list;
    Build_Top_Ten_Player_List(&list, BOTH_LEAGUES, RUSHES, SEASON_CAREER);
    const std::vector<ENTRY> expected = {{10, back, 150}, {11, back, 150}, {8, back, 140}, {9, back, 140},
                                         {6, back, 130},  {7, back, 130},  {4, back, 120}, {5, back, 120},
                                         {2, back, 110},  {3, back, 110}};
    EXPECT_EQ(Filled(list), expected);
}

TEST_F(TopTenLists, EachLeagueKeepsItsTeamsAndOnlyBothLeaguesTheFreeAgents) {
    const int32_t back = Test_League_Slot(POSITION_RB, 0);
    int32_t first_of_league[2] = {-1, -1};
    for (int32_t team = 0; team < Count_Active_Teams(); ++team) {
        const int32_t league = Get_Team_Division(team) / 4;
        if (first_of_league[league] < 0) first_of_league[league] = team;
    }
    ASSERT_GE(first_of_league[0], 0);
    ASSERT_GE(first_of_league[1], 0);
    Set_Player_Stat(first_of_league[0], back, SEASON_CAREER, RUSH_STAT, 200);
    Set_Player_Stat(first_of_league[1], back, SEASON_CAREER, RUSH_STAT, 300);
    const int32_t free_agent = Add_Free_Agent_Back();
    ASSERT_GE(free_agent, 0);
    Set_Player_Stat(FREE_AGENT_TEAM, free_agent, SEASON_CAREER, RUSH_STAT, 400);

    TOP_TEN_LIST list;
    Build_Top_Ten_Player_List(&list, 0, RUSHES, SEASON_CAREER);
    EXPECT_EQ(Filled(list), (std::vector<ENTRY>{{first_of_league[0], back, 200}}));
    Build_Top_Ten_Player_List(&list, 1, RUSHES, SEASON_CAREER);
    EXPECT_EQ(Filled(list), (std::vector<ENTRY>{{first_of_league[1], back, 300}}));
    Build_Top_Ten_Player_List(&list, BOTH_LEAGUES, RUSHES, SEASON_CAREER);
    EXPECT_EQ(Filled(list), (std::vector<ENTRY>{{FREE_AGENT_TEAM, free_agent, 400},
                                                {first_of_league[1], back, 300},
                                                {first_of_league[0], back, 200}}));
}

TEST_F(TopTenLists, TeamsRankByTotalYardsMostForOffenceFewestForDefence) {
    const int32_t season = Get_News_Ticker_Season_Choice();
    // Offence (category 0) and defence (category 4) yards: team t gains
    // 1000 + t and allows 5000 - t; the categories three on, which the
    // totals add in, hold nothing.
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team)
        for (int32_t category = 0; category < 8; ++category) {
            Set_Team_Totals_Stat(team, category, season, 8, 0);
            Set_Team_Totals_Stat(team, category, season, 11, 0);
        }
    for (int32_t team = 0; team < Count_Active_Teams(); ++team) {
        Set_Team_Totals_Stat(team, 0, season, 8, 1000 + team);
        Set_Team_Totals_Stat(team, 4, season, 8, 5000 - team);
    }
    TOP_TEN_LIST list;
    Build_Top_Ten_Team_List(&list, 0);
    for (int32_t n = 0; n < 10; ++n) {
        const int32_t team = Count_Active_Teams() - 1 - n;
        const ENTRY entry = {list.Entries[n].Team, list.Entries[n].Slot, list.Entries[n].Value};
        EXPECT_EQ(entry, (ENTRY{team, 0, 1000 + team}));
    }
    Build_Top_Ten_Team_List(&list, 4);
    for (int32_t n = 0; n < 10; ++n) {
        const int32_t team = Count_Active_Teams() - 1 - n;
        const ENTRY entry = {list.Entries[n].Team, list.Entries[n].Slot, list.Entries[n].Value};
        EXPECT_EQ(entry, (ENTRY{team, 0, 5000 - team}));
    }
    // Another category leaves the list as it was.
    const TOP_TEN_LIST before = list;
    Build_Top_Ten_Team_List(&list, 1);
    EXPECT_EQ(std::memcmp(&before, &list, sizeof list), 0);
}

// The ticker's defences of last season, as the new season starts: a
// franchise that joined since allowed no yard in a season it did not play,
// and is no defence of it; the ten that played fill the list, numbered from
// one.
TEST_F(TopTenLists, TheTickerDefencesOfLastSeasonLeaveOutATeamThatDidNotPlayIt) {
    Set_User_Preference(CURRENT_WEEK, 0);
    constexpr int32_t LAST_SEASON = 1;
    constexpr int32_t JOINED = 5;
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team)
        for (int32_t category = 0; category < 8; ++category)
            for (const int32_t stat : {8, 11})
                Set_Team_Totals_Stat(team, category, LAST_SEASON, stat, 0);
    for (int32_t team = 0; team < Count_Active_Teams(); ++team) {
        Set_Team_Totals_Stat(team, 0, LAST_SEASON, 8, 1000 + team);
        if (team != JOINED) Set_Team_Totals_Stat(team, 4, LAST_SEASON, 8, 5000 - team);
    }
    Build_News_Ticker_Items();
    ASSERT_EQ(Get_News_Ticker_Season_Choice(), LAST_SEASON);
    const std::string defences = Get_News_Ticker_Text(5);
    char joined[128] = "", best[128] = "";
    Get_Team_Full_Name(JOINED, joined);
    Get_Team_Full_Name(Count_Active_Teams() - 1, best);
    EXPECT_EQ(defences.find(std::string(". ") + joined + ":"), std::string::npos) << defences;
    EXPECT_NE(
        defences.find(std::string("1. ") + best + ": " + std::to_string(5000 - Count_Active_Teams() + 1)),
        std::string::npos)
        << defences;
    EXPECT_NE(defences.find("10. "), std::string::npos) << "ten defences: " << defences;
    TOP_TEN_LIST list;
    Build_Top_Ten_Team_List(&list, 4);
    for (const TOP_TEN_ENTRY& entry : list.Entries)
        EXPECT_NE(entry.Team, JOINED);
}
