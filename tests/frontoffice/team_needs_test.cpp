#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "frontoffice/money.h"
#include "frontoffice/team_needs.h"
#include "frontoffice/trade_offer.h"
#include "support/computer_league.h"
#include "support/test_league.h"

namespace {
constexpr int32_t TEAM = 4;

int32_t Depth_Need_With_Norm(int32_t norm) {
    Set_User_Preference(DEPTH_NEED_NORM_PREFERENCE + POSITION_QB, norm);
    TEAM_STRENGTH_TABLE table;
    Build_Team_Strength_Table(TEAM, &table);
    return table.Need[ROLE_VETERAN_BACKUP][POSITION_QB];
}

void Set_Record(int32_t team, int32_t wins, int32_t losses) {
    Set_Team_Record_Char(team, RECORD_CHAR_WINS, wins);
    Set_Team_Record_Char(team, RECORD_CHAR_LOSSES, losses);
}
} // namespace

TEST(TeamNeeds, AThinPositionAndTheCompressionOfRatios) {
    Build_Computer_League();
    Delete_Player(TEAM, Get_Team_Position_Player(TEAM, POSITION_QB, 1));
    EXPECT_EQ(Get_Position_Depth_Metric(TEAM, POSITION_QB), 2000) << "one quarterback, two wanted";
    EXPECT_EQ(Get_Position_Strength_Metric(TEAM, POSITION_QB), 4000);
    // The metric 2000 against norms that make the ratio 600, 300, 1600 and 3000.
    EXPECT_EQ(Depth_Need_With_Norm(3333), 700);
    EXPECT_EQ(Depth_Need_With_Norm(6667), 550);
    EXPECT_EQ(Depth_Need_With_Norm(1250), 1500);
    EXPECT_EQ(Depth_Need_With_Norm(667), 2000);
    EXPECT_EQ(Depth_Need_With_Norm(2000), 1000);
}

TEST(TeamNeeds, NormsAreComputedOnceAndAWinningTeamNeedsStartersMore) {
    Build_Computer_League();
    for (int32_t n = STARTER_NEED_NORM_PREFERENCE; n < YOUTH_NEED_NORM_PREFERENCE + NEED_POSITIONS; ++n)
        Set_User_Preference(n, 0);
    TEAM_STRENGTH_TABLE table;
    Build_Team_Strength_Table(TEAM, &table);
    const int32_t stored = Get_User_Preference(DEPTH_NEED_NORM_PREFERENCE + POSITION_WR);
    EXPECT_NE(stored, 0);
    EXPECT_EQ(Compute_League_Position_Depth_Norm(POSITION_WR), stored);
    EXPECT_EQ(Get_User_Preference(COMMISSIONER_MODE), 0) << "restored after the table";
    // A 10-6 team's starter need is 1.2 times an 8-8 team's (a position
    // without a backup needs a starter as much whatever the record).
    for (int32_t position = 0; position < NEED_POSITIONS; ++position) {
        Set_Record(TEAM, 8, 8);
        const int32_t even = Get_Position_Need_Metric(TEAM, position);
        Set_Record(TEAM, 10, 6);
        const int32_t winning = Get_Position_Need_Metric(TEAM, position);
        EXPECT_GE(winning, even) << position;
        if (Get_First_Backup_At_Position(TEAM, position) < 0) {
            EXPECT_EQ(winning, 1200) << position;
        } else if (even > 400 && even < 2000) {
            EXPECT_EQ(winning, Clamp_Int(400, 2000, Mul_Div_Round(even, 24, 20))) << position;
        }
    }
}

TEST(TeamNeeds, APositionNobodyHoldsStaysWithinBounds) {
    Build_Computer_League();
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        while (Count_Team_Position_Players(team, POSITION_K) > 0)
            Delete_Player(team, Get_Team_Position_Player(team, POSITION_K, 0));
    for (int32_t n = STARTER_NEED_NORM_PREFERENCE; n < YOUTH_NEED_NORM_PREFERENCE + NEED_POSITIONS; ++n)
        Set_User_Preference(n, 0);
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
        TEAM_STRENGTH_TABLE table;
        Build_Team_Strength_Table(team, &table);
        for (const auto& row : table.Need)
            for (int32_t need : row) {
                EXPECT_GE(need, 400);
                EXPECT_LE(need, 2000);
            }
        EXPECT_EQ(table.Need[ROLE_VETERAN_BACKUP][POSITION_K], 1000) << "as needy as every team";
    }
    EXPECT_EQ(Get_User_Preference(YOUTH_NEED_NORM_PREFERENCE + POSITION_K), 4000);
}

namespace {
// The table as its rows' measures give it, each player valued afresh at each use.
TEAM_STRENGTH_TABLE Table_Of_Fresh_Measures(int32_t team) {
    using METRIC = int32_t (*)(int32_t, int32_t);
    const METRIC metrics[NEED_ROLES] = {Get_Position_Need_Metric, Get_Position_Depth_Metric,
                                        Get_Position_Strength_Metric};
    const int32_t norms[NEED_ROLES] = {STARTER_NEED_NORM_PREFERENCE, DEPTH_NEED_NORM_PREFERENCE,
                                       YOUTH_NEED_NORM_PREFERENCE};
    TEAM_STRENGTH_TABLE table;
    const int32_t saved = Begin_Trade_Scoring();
    for (int32_t row = 0; row < NEED_ROLES; ++row)
        for (int32_t position = 0; position < NEED_POSITIONS; ++position) {
            const int32_t ratio = Clamp_To_Int32(Mul_Div_Round_64(
                metrics[row](team, position), 1000, Get_User_Preference(norms[row] + position)));
            table.Need[row][position] = ratio < 800    ? Clamp_Int(400, 2000, ratio / 2 + 400)
                                        : ratio > 1400 ? Clamp_Int(400, 2000, (ratio - 1400) / 2 + 1400)
                                                       : ratio;
        }
    End_Trade_Scoring(saved);
    return table;
}
} // namespace

// A table values each player once and gives the value again in its other
// rows; a valuation that redraws or repairs the player is made again.
TEST(TeamNeeds, KeptValuesGiveTheTableOfFreshValuations) {
    Build_Computer_League();
    TEAM_STRENGTH_TABLE table;
    Build_Team_Strength_Table(TEAM, &table); // the norms are stored
    // A quarterback rated too low to play is redrawn on his first valuation,
    // a receiver's damaged development is redrawn on reading, a linebacker's
    // peak age beyond its limit is cut back on reading.
    const int32_t qb = Get_Team_Position_Player(TEAM, POSITION_QB, 1);
    for (int32_t rating = 0; rating < NUMBER_OF_PLAYER_RATINGS; ++rating)
        Set_Player_Rating(TEAM, qb, rating, 21.0f);
    Set_Player_Vital_Stat(TEAM, Get_Team_Position_Player(TEAM, POSITION_WR, 3), VITAL_DEVELOPMENT, 900);
    const int32_t lb = Get_Team_Position_Player(TEAM, POSITION_LB, 2);
    Set_Player_Vital_Stat(TEAM, lb, VITAL_PEAK_AGE, 40);
    const std::vector<unsigned char> league(reinterpret_cast<const unsigned char*>(&Universe),
                                            reinterpret_cast<const unsigned char*>(&Universe + 1));
    const RANDOM_NUMBER_STATE random = Random_Number_State;

    Build_Team_Strength_Table(TEAM, &table);
    const std::vector<unsigned char> kept_league(reinterpret_cast<const unsigned char*>(&Universe),
                                                 reinterpret_cast<const unsigned char*>(&Universe + 1));
    const uint64_t kept_draws = Get_Random_Draw_Count();
    EXPECT_GT(kept_draws, random.Draws) << "the damaged players were redrawn";

    std::memcpy(&Universe, league.data(), league.size());
    Random_Number_State = random;
    const TEAM_STRENGTH_TABLE fresh = Table_Of_Fresh_Measures(TEAM);
    EXPECT_EQ(Get_Random_Draw_Count(), kept_draws);
    EXPECT_TRUE(std::memcmp(&Universe, kept_league.data(), kept_league.size()) == 0)
        << "the same league after";
    for (int32_t row = 0; row < NEED_ROLES; ++row)
        for (int32_t position = 0; position < NEED_POSITIONS; ++position)
            EXPECT_EQ(table.Need[row][position], fresh.Need[row][position]) << row << " " << position;

    // The next table values a changed player anew.
    const int32_t starter = Get_Team_Position_Player(TEAM, POSITION_QB, 0);
    for (int32_t rating = 0; rating < NUMBER_OF_PLAYER_RATINGS; ++rating)
        Set_Player_Rating(TEAM, starter, rating, Get_Player_Rating(TEAM, starter, rating) - 15.0f);
    Build_Team_Strength_Table(TEAM, &table);
    const TEAM_STRENGTH_TABLE weaker = Table_Of_Fresh_Measures(TEAM);
    EXPECT_NE(weaker.Need[ROLE_STARTER][POSITION_QB], fresh.Need[ROLE_STARTER][POSITION_QB]);
    EXPECT_EQ(std::memcmp(&table, &weaker, sizeof table), 0);
}

// Tables built one after another, with the player values kept between them,
// follow every change of the team's record, the league header and the
// preferences they read.
TEST(TeamNeeds, SuccessiveTablesFollowWhatTheyReadFrom) {
    Build_Computer_League();
    TEAM_STRENGTH_TABLE table;
    Build_Team_Strength_Table(TEAM, &table); // the norms are stored
    const int32_t starter = Get_Team_Position_Player(TEAM, POSITION_RB, 0);
    const std::vector<std::pair<const char*, std::function<void()>>> changes = {
        {"nothing", [] {}},
        {"a starter's ratings",
         [&] {
             for (int32_t rating = 0; rating < NUMBER_OF_PLAYER_RATINGS; ++rating)
                 Set_Player_Rating(TEAM, starter, rating, Get_Player_Rating(TEAM, starter, rating) - 20.0f);
         }},
        {"the team's record", [] { Set_Record(TEAM, 12, 2); }},
        {"a norm", [] { Set_User_Preference(YOUTH_NEED_NORM_PREFERENCE + POSITION_RB, 700); }},
        {"the year", [] { Universe.Header.Universe_Stats[BASE_YEAR] += 6; }},
        {"another team", [] {}},
    };
    TEAM_STRENGTH_TABLE previous;
    Build_Team_Strength_Table(TEAM, &previous);
    int32_t moved = 0;
    for (const auto& [what, change] : changes) {
        change();
        const int32_t team = std::string(what) == "another team" ? TEAM + 1 : TEAM;
        Build_Team_Strength_Table(team, &table);
        const TEAM_STRENGTH_TABLE fresh = Table_Of_Fresh_Measures(team);
        EXPECT_EQ(std::memcmp(&table, &fresh, sizeof table), 0) << what;
        if (std::memcmp(&table, &previous, sizeof table) != 0) ++moved;
        previous = table;
    }
    EXPECT_EQ(moved, 5) << "every change but the first moves the table";
    Build_Team_Strength_Table(TEAM, &table);
    const TEAM_STRENGTH_TABLE fresh = Table_Of_Fresh_Measures(TEAM);
    EXPECT_EQ(std::memcmp(&table, &fresh, sizeof table), 0) << "back to the first team";
}

// A table reads the roster as its queries do: in slot order up to the first
// empty slot, whoever stands behind it.
TEST(TeamNeeds, ATableReadsThePackedRosterAsItsQueriesDo) {
    Build_Computer_League();
    TEAM_STRENGTH_TABLE table;
    Build_Team_Strength_Table(TEAM, &table); // the norms are stored
    const TEAM_STRENGTH_TABLE whole = table;
    // The second wide receiver's slot emptied: the players after it drop out.
    const int32_t gap = Get_Team_Position_Player(TEAM, POSITION_WR, 1);
    Set_Player_Vital_Stat(TEAM, gap, VITAL_PLAYER_ID, 0);
    ASSERT_EQ(Count_Team_Position_Players(TEAM, POSITION_WR), 1);
    Build_Team_Strength_Table(TEAM, &table);
    const TEAM_STRENGTH_TABLE fresh = Table_Of_Fresh_Measures(TEAM);
    EXPECT_EQ(std::memcmp(&table, &fresh, sizeof table), 0);
    EXPECT_NE(std::memcmp(&table, &whole, sizeof table), 0);
}
