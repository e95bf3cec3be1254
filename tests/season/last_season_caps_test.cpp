// A fictional league's last season taken from its lines: a kicker who kicked
// for two teams that year holds two lines, and his last season keeps the
// longer of their longest kicks while his other figures add up.
#include <gtest/gtest.h>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "season/new_universe.h"
#include "support/test_league.h"

TEST(LastSeasonCaps, TwoLinesOfOneYearKeepTheLongerKick) {
    Build_Test_League();
    const int32_t last_year = Get_Universe_Stat(BASE_YEAR) - 1;
    for (const auto& [position, longest] : {std::pair{POSITION_P, 5}, std::pair{POSITION_K, 18}}) {
        SCOPED_TRACE(position);
        const int32_t slot = Test_League_Slot(position, 0);
        Delete_All_Player_Season_Lines(0, slot);
        const int32_t first = Add_Player_Season_Line(0, slot, last_year, 0);
        const int32_t second = Add_Player_Season_Line(0, slot, last_year, 1);
        ASSERT_NE(first, NO_SEASON_LINE);
        ASSERT_NE(second, NO_SEASON_LINE);
        Set_Season_Line_Stat(first, 0, 9);
        Set_Season_Line_Stat(second, 0, 8);
        Set_Season_Line_Stat(first, longest, 58);
        Set_Season_Line_Stat(second, longest, 61);
        Cap_Last_Season_Statistics(0, slot);
        EXPECT_EQ(Get_Player_Stat(0, slot, SEASON_LAST, longest), 61) << "the longer kick, not 119";
        EXPECT_EQ(Get_Player_Stat(0, slot, SEASON_LAST, 0), 17) << "the games add up";
    }
}
