// Every season 1951-2022: built from the installation's statistics files by
// the builder in a folder of the test's own, each without a message or an
// error but the reports of later seasons' franchises, as a league of its
// year that keeps the league's rules and stores payrolls near its cap; and
// every installed season opened by New Game and started. A long run:
// `ctest -L long`.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/diagnostics.h"
#include "database/league_structure.h"
#include "database/random_numbers.h"
#include "platform/message_box.h"
#include "support/debug_log.h"
#include "support/installed_seasons.h"
#include "support/league_checks.h"
#include "support/season_build_folder.h"
#include "tools/draft_class_database.h"
#include "tools/payroll_balance.h"
#include "tools/season_database.h"
#include "tools/season_line_checks.h"

TEST(SeasonDatabasesLong, EverySeasonIsBuiltWithoutAMessage) {
    const std::string previous = Enter_Season_Build_Folder("every-season");
    for (int32_t year = FIRST_DATABASE_YEAR; year <= LAST_DATABASE_YEAR; ++year) {
        SCOPED_TRACE(year);
        Clear_Shown_Messages();
        Reset_Diagnostics();
        Clear_Debug_Log();
        Seed_Random_Numbers(static_cast<uint32_t>(year));
        ASSERT_TRUE(Create_Season_Database(year)) << Last_Error_Text;
        EXPECT_TRUE(Get_Shown_Messages().empty()) << Get_Shown_Messages()[0].Text;
        // The lines of later seasons' franchises are told and dropped; nothing else.
        EXPECT_EQ(Read_Build_Failures_Logged(year), std::vector<std::string>{});
        EXPECT_EQ(Get_Current_Year(), year);
        EXPECT_EQ(Find_Season_Faults(), "");
        EXPECT_EQ(Find_Payrolls_Below_Cap_Share(80), std::vector<std::string>{});
        const std::string rookies = "Databases/rookies-" + std::to_string(year) + ".dat";
        EXPECT_EQ(std::filesystem::file_size(rookies), static_cast<uintmax_t>(DRAFT_CLASS_FILE_SIZE));
    }
    Leave_Season_Build_Folder(previous);
    std::filesystem::remove_all("every-season");
}

TEST(SeasonDatabasesLong, NewGameOpensEveryInstalledSeason) {
    Link_Installed_Databases();
    for (int32_t year = FIRST_DATABASE_YEAR; year <= LAST_DATABASE_YEAR; ++year) {
        SCOPED_TRACE(year);
        EXPECT_EQ(Open_Installed_Season(year), "");
    }
    Unlink_Installed_Databases();
}
