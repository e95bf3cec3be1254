// The contracts of a built season: the names of the statistics files, the
// cap-room line that moves a team's payroll toward the cap less its room
// and then drops bonuses, shortest contracts first, while it is above it,
// and the payrolls a built season stores: balanced near the cap without
// real contracts, a team far below the cap named.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "dialogs/inflation_factor.h"
#include "frontoffice/salaries.h"
#include "platform/message_box.h"
#include "season/league_rules.h"
#include "support/test_league.h"
#include "tools/payroll_balance.h"
#include "tools/season_contracts.h"
#include "tools/stats_input.h"

namespace {
constexpr int32_t FINANCE_PAYROLL = 89;
constexpr int32_t VITAL_CAP_FIGURE = 7;

std::string Team_Name(int32_t team) {
    char city[TEAM_STRING_LENGTH] = "", nickname[TEAM_STRING_LENGTH] = "";
    Get_Team_String(city, team, 1);
    Get_Team_String(nickname, team, 2);
    return std::string(city) + " " + nickname;
}

int64_t Payroll_Dollars(int32_t team) {
    return static_cast<int64_t>(Get_Team_Financial_Stat(team, FINANCE_PAYROLL)) * 1000;
}

// The league's payrolls in per cent of the cap, team by team.
std::vector<int64_t> Payroll_Shares() {
    std::vector<int64_t> shares;
    for (int32_t team = 0; team < Count_Active_Teams(); ++team)
        shares.push_back(Payroll_Dollars(team) * 100 / Get_Universe_Stat(SALARY_CAP));
    return shares;
}

// The test league as a built season of `year` whose pricing left its last
// team's players all at the league minimum, without bonuses.
void Build_Season_With_A_Minimum_Team(int32_t year) {
    Build_Test_League();
    Universe.Header.Universe_Stats[BASE_YEAR] = year;
    Set_User_Preference(CURRENT_SEASON_INDEX, 0);
    Store_Universe_Stat(SALARY_CAP, Get_Season_Salary_Cap(year));
    Update_Inflation_Factor();
    const int32_t team = TEST_LEAGUE_TEAMS - 1;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        if (!Is_Player_Slot_Used(team, slot)) continue;
        Set_Player_Vital_Stat(team, slot, VITAL_SALARY, Get_Player_Minimum_Salary(team, slot));
        Set_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS, 0);
    }
    Set_Team_Abbreviation("MIN", team);
}

// Reads `text` as a line of the cap-room file.
void Read_Cap_Room_Text(const std::string& text, bool last_line) {
    STATS_FILE file;
    snprintf(file.Name, sizeof file.Name, "input/stats/2020_caproom.csv");
    STATS_LINE line;
    ASSERT_TRUE(Split_Stats_Line(&file, 1, text.c_str(), &line));
    Read_Cap_Room_Line(line, last_line, file.Name);
}
} // namespace

TEST(SeasonContracts, StatisticsFilesAreNamedUnderInputStats) {
    char path[64];
    Make_Stats_Input_Path(path, sizeof path, "players");
    EXPECT_STREQ(path, "input/stats/players.csv");
    Make_Year_Stats_Input_Path(path, sizeof path, 2021, "caproom");
    EXPECT_STREQ(path, "input/stats/2021_caproom.csv");
    Make_Year_Stats_Input_Path(path, 12, 1951, "rosters");
    EXPECT_STREQ(path, "input/stats") << "cut to the room given";
}

TEST(SeasonContracts, ACapRoomLineMovesThePayrollTowardItsFigure) {
    Build_Test_League();
    Clear_Shown_Messages();
    const int32_t team = 2;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        if (Is_Player_Slot_Used(team, slot)) Set_Player_Vital_Stat(team, slot, VITAL_CAP_FIGURE, 0);

    // Room to spare: the one player whose cap figure is above his charge is
    // paid the difference.
    const int32_t slot = Test_League_Slot(POSITION_QB, 0);
    const int32_t salary = Get_Player_Vital_Stat(team, slot, VITAL_SALARY);
    const int32_t charge = Get_Player_Vital_Stat(team, slot, VITAL_CAP_CHARGE);
    Set_Player_Vital_Stat(team, slot, VITAL_CAP_FIGURE, (charge + 500) * 1000);
    Store_Universe_Stat(SALARY_CAP, Payroll_Dollars(team) + 50000000);
    Read_Cap_Room_Text(Team_Name(team) + ",0", false);
    EXPECT_EQ(Get_Player_Vital_Stat(team, slot, VITAL_SALARY), salary + 500);
    EXPECT_TRUE(Get_Shown_Messages().empty());

    // Above the cap: the one-year contracts lose their bonuses before longer ones.
    Set_Player_Vital_Stat(team, slot, VITAL_CAP_FIGURE, 0);
    const int32_t one_year = slot, three_years = Test_League_Slot(POSITION_RB, 0);
    for (const auto& [player, years] : {std::pair{one_year, 1}, std::pair{three_years, 3}}) {
        Set_Player_Vital_Stat(team, player, VITAL_CONTRACT_YEARS, years);
        Set_Player_Vital_Stat(team, player, VITAL_BONUS_YEARS, years);
        Set_Player_Vital_Stat(team, player, VITAL_SIGNING_BONUS, 9000);
    }
    Store_Universe_Stat(SALARY_CAP, Payroll_Dollars(team) - 1);
    Read_Cap_Room_Text(Team_Name(team) + ",\"$0\"", false);
    EXPECT_EQ(Get_Player_Vital_Stat(team, one_year, VITAL_SIGNING_BONUS), 0);
    EXPECT_EQ(Get_Player_Vital_Stat(team, three_years, VITAL_SIGNING_BONUS), 9000);
    EXPECT_LE(Payroll_Dollars(team), Get_Universe_Stat(SALARY_CAP));

    // A name of no team is warned about, but on the file's last line.
    Read_Cap_Room_Text("Nowhere Nobodies,1000", true);
    EXPECT_TRUE(Get_Shown_Messages().empty());
    Read_Cap_Room_Text("Nowhere Nobodies,1000", false);
    ASSERT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "Import Warning");
    EXPECT_EQ(Get_Shown_Messages()[0].Text,
              "Error in input/stats/2020_caproom.csv. Can't find team name: Nowhere Nobodies");
}

TEST(SeasonContracts, ABuiltSeasonStoresPayrollsNearTheCapAndALowOneIsNamed) {
    // A season without a salaries file is balanced as a new game balances
    // it: the team left at the minimum is priced again.
    for (int32_t year : {1962, 2015, 2016}) {
        SCOPED_TRACE(year);
        Build_Season_With_A_Minimum_Team(year);
        // The team at the minimum is named, the league's last.
        const std::vector<std::string> low = Find_Payrolls_Below_Cap_Share(80);
        ASSERT_FALSE(low.empty());
        EXPECT_EQ(low.back(), "MIN stores a payroll of $" +
                                  std::to_string(Payroll_Dollars(TEST_LEAGUE_TEAMS - 1)) +
                                  " against a cap of $" + std::to_string(Get_Universe_Stat(SALARY_CAP)));
        Balance_Built_Season_Payrolls();
        EXPECT_EQ(Find_Payrolls_Below_Cap_Share(80), std::vector<std::string>{});
        for (int64_t share : Payroll_Shares()) {
            EXPECT_GE(share, 91);
            EXPECT_LE(share, 97);
        }
    }

    // Real contracts are kept as the salaries file gave them, and a team
    // they leave far below the cap is still named.
    Build_Season_With_A_Minimum_Team(2017);
    const std::vector<int64_t> before = Payroll_Shares();
    Balance_Built_Season_Payrolls();
    EXPECT_EQ(Payroll_Shares(), before);
    const std::vector<std::string> low = Find_Payrolls_Below_Cap_Share(80);
    ASSERT_FALSE(low.empty());
    EXPECT_EQ(low.back().substr(0, 4), "MIN ");
    EXPECT_EQ(Find_Payrolls_Below_Cap_Share(0), std::vector<std::string>{});

    // A league without a cap has no share to fall below.
    Store_Universe_Stat(SALARY_CAP, 0);
    EXPECT_EQ(Find_Payrolls_Below_Cap_Share(80), std::vector<std::string>{});
    Build_Test_League();
}
