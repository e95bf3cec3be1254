// The developer tools: the season-database loops leave out a year that does
// not load instead of writing another year's league under its name, and the
// small tables and passes by value.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/saved_game.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/universe.h"
#include "engine/playbook_records.h"
#include "platform/message_box.h"
#include "platform/scripted_answers.h"
#include "reports/ratings_export.h"
#include "support/debug_log.h"
#include "support/test_league.h"
#include "tools/developer_tools.h"

namespace {
class DeveloperTools : public testing::Test {
  protected:
    void SetUp() override {
        Build_Test_League();
        Clear_Shown_Messages();
        Clear_Debug_Log();
        Clean();
    }
    void TearDown() override { Clean(); }
    static void Clean() {
        std::filesystem::remove_all("databases");
        for (const char* name : {"Fractions.txt", "TooLong.txt", "Gridiron-Salaries.csv"})
            std::filesystem::remove(name);
        std::filesystem::remove_all("Input/Stats");
        std::filesystem::remove_all("Input/Downloads");
        std::filesystem::remove_all("Output/Ratings");
    }
};

std::vector<std::string> Lines_Of(const std::string& name) {
    std::ifstream in(name);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

bool Holds_Line(const std::vector<std::string>& lines, const std::string& wanted) {
    for (const std::string& line : lines)
        if (line == wanted) return true;
    return false;
}

// The test league saved as the database of `year`.
void Save_Database_Of(int32_t year) {
    Build_Test_League();
    Universe.Header.Universe_Stats[BASE_YEAR] = year;
    std::filesystem::create_directories("databases");
    ASSERT_EQ(Save_Universe_Database(year), SAVE_OK);
}

std::vector<uint8_t> File_Bytes(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}
} // namespace

TEST_F(DeveloperTools, SeasonLoopsLeaveOutAYearThatDoesNotLoad) {
    Save_Database_Of(1951);
    Save_Database_Of(1953);
    // 1952's file is damaged: loading it fails and leaves 1951's league in the block.
    {
        std::ofstream out("databases/universe-1952.dat", std::ios::binary);
        out << "FOOTBALLKORVA2002    Cc not a league";
    }
    const std::vector<uint8_t> damaged = File_Bytes("databases/universe-1952.dat");
    EXPECT_EQ(Rebuild_Season_Databases(), 2);
    EXPECT_EQ(File_Bytes("databases/universe-1952.dat"), damaged) << "not saved over with 1951's league";
    ASSERT_EQ(Load_Game("databases/universe-1953.dat"), 1);
    EXPECT_EQ(Get_Universe_Stat(BASE_YEAR), 1953);

    // Replay ratings of Y come from Y + 1's database: 1952 only, 1951's
    // database being the damaged one.
    Clear_Shown_Messages();
    EXPECT_EQ(Export_Replay_Mode_Player_Ratings(), 1);
    ASSERT_FALSE(Get_Shown_Messages().empty());
    EXPECT_EQ(Get_Shown_Messages().back().Text, "Export_Replay_Mode_Player_Ratings(1951-2019) completed.");
    EXPECT_EQ(Get_Shown_Messages().back().Caption, "Do_Special_Tool()");
    EXPECT_EQ(Export_Every_Season_Player_Ratings(), 2);
    EXPECT_EQ(Get_Replay_Season_Games(1960), 12);
    EXPECT_EQ(Get_Replay_Season_Games(1961), 14);
    EXPECT_EQ(Get_Replay_Season_Games(1978), 16);
    EXPECT_EQ(Get_Replay_Season_Games(2021), 17);
}

TEST_F(DeveloperTools, TablesByValue) {
    Write_Fractions_Table();
    const std::vector<std::string> fractions = Lines_Of("Fractions.txt");
    ASSERT_FALSE(fractions.empty());
    EXPECT_EQ(fractions[0], " AVG  H-for-AB");
    EXPECT_TRUE(Holds_Line(fractions, ".250   1-for-4"));
    EXPECT_TRUE(Holds_Line(fractions, ".333   1-for-3"));
    EXPECT_FALSE(Holds_Line(fractions, ".500   2-for-4")) << "only the fewest at-bats";
    EXPECT_TRUE(Holds_Line(fractions, "ERA    ER    IP"));
    EXPECT_TRUE(Holds_Line(fractions, "4.50     1   2.0")) << "one earned run in two innings";

    for (int32_t index = 0; index <= 16; ++index) {
        const int32_t expected = index == 0    ? 0
                                 : index == 2  ? 1
                                 : index == 3  ? 2
                                 : index == 5  ? 3
                                 : index == 8  ? 4
                                 : index == 10 ? 5
                                 : index == 12 ? 6
                                 : index == 15 ? 7
                                               : 8;
        EXPECT_EQ(Get_Payroll_Group(index), expected) << index;
    }

    Write_Payroll_Analysis();
    const std::vector<std::string> payroll = Lines_Of("Gridiron-Salaries.csv");
    ASSERT_EQ(payroll.size(), 1u + TEST_LEAGUE_TEAMS + 1 + 1 + 1 + 13 + 1);
    EXPECT_EQ(payroll[TEST_LEAGUE_TEAMS + 1].rfind("AVERAGE,", 0), 0u);
    EXPECT_EQ(payroll.back().rfind(",,,,,,TOTAL,", 0), 0u);
}

TEST_F(DeveloperTools, LongPlayNamesAndDuplicateNamesAreListed) {
    char long_name[PLAY_NAME_LENGTH] = "A Play Name Far Longer Than Twenty-Eight";
    strncpy(Universe.Teams[4].Playbooks.Offense.Plays[7].Name, long_name, PLAY_NAME_LENGTH - 1);
    strncpy(Universe.Teams[3].Playbooks.Offense.Plays[7].Name, long_name, PLAY_NAME_LENGTH - 1);
    EXPECT_GE(Find_Long_Play_Names(), 1);
    EXPECT_TRUE(Holds_Line(Lines_Of("TooLong.txt"), std::string("\"") + long_name + "\","));
    int32_t listed = 0;
    for (const std::string& line : Lines_Of("TooLong.txt"))
        listed += line == std::string("\"") + long_name + "\"," ? 1 : 0;
    EXPECT_EQ(listed, 1) << "team slot 3 is not one of the six looked at";

    const int32_t pairs_before = Check_Duplicate_Player_Names();
    Set_Player_First_Name(5, 0, "Same");
    Set_Player_Last_Name(5, 0, "Person");
    Set_Player_First_Name(9, 1, "SAME");
    Set_Player_Last_Name(9, 1, "person");
    Clear_Debug_Log();
    EXPECT_EQ(Check_Duplicate_Player_Names(), pairs_before + 1);
    EXPECT_EQ(Count_Debug_Lines("Duplicate player name found: Same Person (T05, T09)"), 1);
}

TEST_F(DeveloperTools, PassesOverThePlayersByValue) {
    const int32_t slot = Test_League_Slot(POSITION_QB, 0);
    const int32_t line = Get_Player_Season_Line(2, slot, 0);
    ASSERT_NE(line, NO_SEASON_LINE);
    Set_Season_Line_Stat(line, 0, 16);
    Set_Season_Line_Stat(line, 1, 0);
    Set_Season_Line_Stat(line, 2, 425);
    const int32_t kept = Get_Player_Season_Line(2, slot, 1);
    Set_Season_Line_Stat(kept, 1, 5);
    Estimate_Games_Started();
    EXPECT_EQ(Get_Season_Line_Stat(line, 1), 16) << "425 passes: 17 starts, held to the 16 games";
    EXPECT_EQ(Get_Season_Line_Stat(kept, 1), 5) << "a line with starts keeps them";

    const int32_t guard = Test_League_Slot(POSITION_G, 0);
    Set_Predicted_Position_Averages();
    EXPECT_EQ(Get_Player_Stat(3, guard, SEASON_PREDICTED, 8), Get_Average_Stat(POSITION_G, 8));

    Adjust_Return_And_Production_Ratings();
    const int32_t receiver = Test_League_Slot(POSITION_WR, 0);
    EXPECT_EQ(static_cast<int32_t>(Get_Player_Rating(1, receiver, RATING_KICK_RETURNS)),
              Get_Player_Stat(1, receiver, SEASON_PREDICTED, 231));

    // The import question: Cancel does nothing; the first button imports the year.
    Script_Message_Answer("Download Football Data", ID_BOX_CANCEL);
    Download_Data_Prompt();
    EXPECT_FALSE(std::filesystem::exists("Input/Stats/2020_rosters.csv"));
    Script_Message_Answer("Download Football Data", ID_BOX_YES);
    Download_Data_Prompt();
    EXPECT_EQ(Lines_Of("Input/Stats/2020_rosters.csv").size(), 1u) << "the header; no saved pages";
}

// The replay export writes the whole year into its one file: the linemen's
// lines as their stored ratings gave them before the rebuild, then every
// other position's as its rebuilt ratings give them.
TEST_F(DeveloperTools, TheReplayExportKeepsEveryPositionOfTheYear) {
    // Each position's lines of the league in the block, in team and slot order.
    auto rows_of = [](int32_t position) {
        std::vector<std::string> rows;
        For_Each_League_Player(
            [&](int32_t team, int32_t slot) {
                if (Get_Player_Vital_Stat(team, slot, VITAL_POSITION) == position)
                    rows.push_back(Format_Player_Ratings_Row(team, slot));
            },
            0, FREE_AGENT_TEAM);
        return rows;
    };
    Save_Database_Of(1952);
    ASSERT_EQ(Load_Game("databases/universe-1952.dat"), 1);
    std::vector<std::string> expected;
    for (int32_t position : {POSITION_T, POSITION_G, POSITION_C}) {
        const std::vector<std::string> rows = rows_of(position);
        ASSERT_FALSE(rows.empty());
        expected.insert(expected.end(), rows.begin(), rows.end());
    }
    const size_t linemen = expected.size();

    EXPECT_EQ(Export_Replay_Mode_Player_Ratings(), 1);
    // The block holds the rebuilt league of the exported year.
    for (int32_t position = 0; position < NUMBER_OF_POSITIONS; ++position) {
        if (position == POSITION_T || position == POSITION_G || position == POSITION_C) continue;
        const std::vector<std::string> rows = rows_of(position);
        ASSERT_FALSE(rows.empty()) << position;
        expected.insert(expected.end(), rows.begin(), rows.end());
    }
    const std::vector<std::string> lines = Lines_Of(Get_Player_Ratings_Path(1951));
    ASSERT_EQ(lines.size(), 1 + expected.size()) << "one heading, then every player once";
    EXPECT_EQ(lines[0].rfind("PlayerID,1951_Team,", 0), 0u) << lines[0];
    for (size_t n = 0; n < expected.size(); ++n)
        ASSERT_EQ(lines[n + 1], expected[n])
            << "line " << n + 2
            << (n < linemen ? ": the linemen as stored before the rebuild"
                            : ": the other positions, rebuilt, in position order");
}

// The payroll table's rating excess reads what the player's last season
// rates, not his stored ratings.
TEST_F(DeveloperTools, RatingExcessReadsTheLastSeason) {
    const int32_t slot = Test_League_Slot(POSITION_QB, 0);
    const int32_t excess = Get_Player_Rating_Excess(2, slot);
    ASSERT_GT(excess, 0) << "a starting quarterback's last season rates above 65 somewhere";
    for (int32_t rating = 0; rating < NUMBER_OF_PLAYER_RATINGS; ++rating)
        Set_Player_Rating(2, slot, rating, 20.0f);
    EXPECT_EQ(Get_Player_Rating_Excess(2, slot), excess) << "stored ratings play no part";
    // A record season of passing rates higher.
    for (const auto& [stat, value] :
         {std::pair{0, 17}, {1, 17}, {2, 600}, {3, 480}, {4, 2}, {5, 6500}, {6, 60}})
        Set_Player_Stat(2, slot, SEASON_LAST, stat, value);
    EXPECT_GT(Get_Player_Rating_Excess(2, slot), excess);
}
