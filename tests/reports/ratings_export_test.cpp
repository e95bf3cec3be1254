// The ratings CSV: its columns, who is exported, ratings cut to whole
// numbers, and a file that cannot be written.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "dialogs/player_list_dialog.h"
#include "platform/message_box.h"
#include "reports/ratings_export.h"
#include "support/test_league.h"

namespace fs = std::filesystem;

namespace {
std::vector<std::string> Read_Lines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream file(path);
    for (std::string line; std::getline(file, line);)
        lines.push_back(line);
    return lines;
}

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream stream(line);
    for (std::string field; std::getline(stream, field, ',');)
        fields.push_back(field);
    return fields;
}

class RatingsExport : public testing::Test {
  protected:
    void SetUp() override {
        Build_Test_League();
        Set_User_Preference(CURRENT_WEEK, 3);
        Clear_Shown_Messages();
        std::error_code error;
        fs::remove_all("Output", error);
    }
    void TearDown() override {
        std::error_code error;
        fs::remove_all("Output", error);
    }
};
} // namespace

TEST_F(RatingsExport, EveryLineHoldsTheColumnsItsHeadingNames) {
    const int32_t quarterback = Test_League_Slot(POSITION_QB, 0);
    Set_Player_Rating(2, quarterback, RATING_ACCURACY, 79.9f);
    Set_Player_Rating(2, quarterback, RATING_PUNT_DISTANCE, 12.0f);
    Set_Player_Rating(2, quarterback, RATING_DURABILITY, 64.5f);
    Set_Player_First_Name(2, quarterback, "Matthe");
    Set_Player_Last_Name(2, quarterback, "Jones, Jr.");
    // A free agent is exported; the Hall of Fame is not.
    Copy_Player(FREE_AGENT_TEAM, 0, 3, 0);
    Copy_Player(HALL_OF_FAME_TEAM, 0, 3, 1);

    const int32_t written = Export_Player_Ratings_CSV(RATINGS_ALL_POSITIONS, 2020);
    EXPECT_EQ(written, TEST_LEAGUE_TEAMS * TEST_ROSTER_SIZE + 1);
    const std::vector<std::string> lines = Read_Lines("Output/Ratings/2020_Player_Ratings.csv");
    ASSERT_EQ(static_cast<int32_t>(lines.size()), written + 1) << "the heading and the lines counted";
    const std::vector<std::string> heading = Fields(lines[0]);
    ASSERT_EQ(heading.size(), 32u);
    EXPECT_EQ(heading[0], "PlayerID");
    EXPECT_EQ(heading[1], "2020_Team");
    EXPECT_EQ(heading[2], "First");
    EXPECT_EQ(heading[5], "Depth");
    EXPECT_EQ(heading[6], "Accuracy");
    EXPECT_EQ(heading[31], "Durability");

    const std::string line = lines[1 + 2 * TEST_ROSTER_SIZE + quarterback];
    const std::vector<std::string> fields = Fields(line);
    ASSERT_EQ(fields.size(), 32u) << line;
    char id[32];
    Get_Player_External_ID(2, quarterback, id);
    EXPECT_EQ(fields[0], id);
    EXPECT_EQ(fields[2], "Matthew") << "the name the source data cuts short";
    EXPECT_EQ(fields[3], "Jones  Jr.") << "a comma would move the columns";
    EXPECT_EQ(fields[4], "QB");
    EXPECT_EQ(fields[6], "79") << "79.9 is cut to 79";
    EXPECT_EQ(fields[30], "20") << "below 20 is written as 20";
    EXPECT_EQ(fields[31], "64");
    EXPECT_FLOAT_EQ(Get_Player_Rating(2, quarterback, RATING_PUNT_DISTANCE), 20.0f) << "and is 20 afterwards";
    char free_agents[64];
    Get_Team_String(free_agents, FREE_AGENT_TEAM, 0);
    EXPECT_EQ(Fields(lines.back())[1], free_agents) << "the free agent comes last";

    // One position only.
    EXPECT_EQ(Export_Player_Ratings_CSV(POSITION_K, 2021), TEST_LEAGUE_TEAMS);
}

TEST_F(RatingsExport, TheStartOfAGameSkipsPlayersWithoutAnOutsideId) {
    Set_User_Preference(CURRENT_SEASON_INDEX, 0);
    Set_User_Preference(CURRENT_WEEK, 0);
    Set_Player_External_ID(0, 0, "");
    fs::create_directories("Output");
    EXPECT_FALSE(Write_Player_Ratings_Row("Output/r.csv", 0, 0));
    EXPECT_TRUE(Write_Player_Ratings_Row("Output/r.csv", 0, 1));
    Set_User_Preference(CURRENT_WEEK, 1);
    EXPECT_TRUE(Write_Player_Ratings_Row("Output/r.csv", 0, 0));
    EXPECT_FALSE(Write_Player_Ratings_Row("Output/r.csv", 0, 99)) << "an empty slot";
}

TEST_F(RatingsExport, AFileThatCannotBeWrittenIsToldAndCountsNothing) {
    { std::ofstream("Output") << "a file where the folder would be"; }
    EXPECT_EQ(Export_Player_Ratings_CSV(RATINGS_ALL_POSITIONS, 2020), 0);
    ASSERT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_EQ(Get_Shown_Messages()[0].Text, "Unable to write \"Output/Ratings/2020_Player_Ratings.csv\".");
    fs::remove("Output");
}

TEST_F(RatingsExport, TheCommandAsksForThePositionAndNamesWhatItWrote) {
    Set_User_Preference(PLAYER_LIST_POSITION_SETTING, POSITION_K);
    Script_Message_Answer("Export Player Ratings", ID_BOX_NO);
    Export_Player_Ratings_Command();
    const std::vector<SHOWN_MESSAGE>& shown = Get_Shown_Messages();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].Text,
              "This will export 32 Kickers to \"Output/Ratings/2020_Player_Ratings.csv\"\n\n(Use the "
              "Sortable Stats Dialog to change the position selected.");
    EXPECT_EQ(shown[1].Text, "1696 Players Written to \"Output/Ratings/2020_Player_Ratings.csv\"")
        << "Export All Players";
    Clear_Shown_Messages();
    Script_Message_Answer("Export Player Ratings", ID_BOX_YES);
    Export_Player_Ratings_Command();
    ASSERT_EQ(Get_Shown_Messages().size(), 2u);
    EXPECT_EQ(Get_Shown_Messages()[1].Text,
              "32 Kickers Written to \"Output/Ratings/2020_Player_Ratings.csv\"");
    Clear_Shown_Messages();
    Script_Message_Answer("Export Player Ratings", ID_BOX_CANCEL);
    fs::remove_all("Output");
    Export_Player_Ratings_Command();
    EXPECT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_FALSE(fs::exists("Output")) << "Cancel writes nothing";
}
