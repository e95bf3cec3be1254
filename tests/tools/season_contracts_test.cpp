// The contracts of a built season: the names of the statistics files, and
// the cap-room line that moves a team's payroll toward the cap less its room
// and then drops bonuses, shortest contracts first, while it is above it.
#include <gtest/gtest.h>

#include <string>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "platform/message_box.h"
#include "support/test_league.h"
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
