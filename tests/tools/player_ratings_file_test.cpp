// The ratings file read over a league: players found by id or outside id,
// columns 7-31 and 32 stored as ratings 2-26 and Durability, an empty column
// stored as 0 (read back as the least rating), and a player met twice asked
// about until the user ignores duplicates.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "database/player_record.h"
#include "database/player_record_layout.h"
#include "platform/message_box.h"
#include "platform/scripted_answers.h"
#include "support/test_league.h"
#include "tools/player_ratings_file.h"

namespace {
constexpr const char* FILE_NAME = "ratings-test.csv";

// A file line for `key` with every rating `value` but the columns listed
// empty (1-based file columns).
std::string Ratings_Line(const std::string& key, const std::string& value,
                         std::initializer_list<int32_t> empty = {}) {
    std::string line = key + ",T00,First,Last,QB,QB";
    for (int32_t column = 7; column <= 32; ++column) {
        bool blank = false;
        for (int32_t n : empty)
            blank = blank || n == column;
        line += "," + (blank ? std::string() : value);
    }
    return line;
}

void Write_File(std::initializer_list<std::string> lines) {
    std::ofstream out(FILE_NAME);
    out << "PlayerID,2020_Team,First,Last,Position,Depth,Accuracy,Distance,Control,Red Zone,Mobility,Speed,"
           "Power,Quickness,Vision,Receiving,Hands,Kick Returns,Punt Returns,Pass Blocking,Run Blocking,"
           "Discipline,Run Defense,Pass Rush,Coverage,Turnovers,Tackling,FG Accuracy,FG Power,Punt "
           "Accuracy,Punt Power,Durability\n";
    for (const std::string& line : lines)
        out << line << "\n";
}

float Stored_Rating(int32_t team, int32_t slot, int32_t rating) {
    return Get_Player_Record_Pointer(team, slot)->Ratings[rating];
}
} // namespace

TEST(PlayerRatingsFile, ColumnsAreStoredAndAnEmptyColumnStoresZero) {
    Build_Test_League();
    Clear_Shown_Messages();
    const int32_t qb = Test_League_Slot(POSITION_QB, 0);
    const int32_t back = Test_League_Slot(POSITION_RB, 0);
    char outside_id[32] = "";
    Get_Player_External_ID(4, back, outside_id);
    const float health = Stored_Rating(3, qb, RATING_HEALTH);
    // Column 7 is Accuracy, 8 Distance, 31 Punt Distance, 32 Durability.
    Write_File({Ratings_Line(std::to_string(Get_Player_ID(3, qb)), "61.5", {8, 32}),
                Ratings_Line(outside_id, "44", {}), Ratings_Line("999999999", "90", {}),
                Ratings_Line("NOBODY", "90", {})});
    ASSERT_EQ(Load_Player_Ratings_File(1, FILE_NAME), 1);
    EXPECT_FLOAT_EQ(Stored_Rating(3, qb, RATING_ACCURACY), 61.5f);
    EXPECT_FLOAT_EQ(Stored_Rating(3, qb, RATING_PUNT_DISTANCE), 61.5f);
    EXPECT_FLOAT_EQ(Stored_Rating(3, qb, RATING_HEALTH), health) << "Health is not in the file";
    EXPECT_FLOAT_EQ(Stored_Rating(3, qb, RATING_DISTANCE), 0.0f) << "an empty column stores 0";
    EXPECT_FLOAT_EQ(Stored_Rating(3, qb, RATING_DURABILITY), 0.0f);
    EXPECT_FLOAT_EQ(Get_Player_Rating(3, qb, RATING_DISTANCE), 20.0f) << "read back as the least rating";
    EXPECT_FLOAT_EQ(Stored_Rating(4, back, RATING_SPEED), 44.0f) << "found by the outside id";
    EXPECT_FLOAT_EQ(Stored_Rating(4, back, RATING_DURABILITY), 44.0f);
    ASSERT_EQ(Get_Shown_Messages().size(), 1u) << "lines naming no player are passed over";
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "Load Player Ratings");
    EXPECT_EQ(Get_Shown_Messages()[0].Text, std::string("Player ratings loaded from ") + FILE_NAME + ".");

    std::filesystem::remove(FILE_NAME);
    Clear_Shown_Messages();
    EXPECT_EQ(Load_Player_Ratings_File(1, FILE_NAME), 0);
    EXPECT_TRUE(Get_Shown_Messages().empty()) << "a missing file is silent";
}

TEST(PlayerRatingsFile, APlayerMetTwiceIsAskedAboutUntilDuplicatesAreIgnored) {
    Build_Test_League();
    Clear_Shown_Messages();
    Clear_Scripted_Answers();
    const int32_t qb = Test_League_Slot(POSITION_QB, 0);
    const std::string id = std::to_string(Get_Player_ID(5, qb));
    Write_File(
        {Ratings_Line(id, "50"), Ratings_Line(id, "51"), Ratings_Line(id, "52"), Ratings_Line(id, "53")});
    Script_Message_Answer("Player Rating File", ID_BOX_YES);
    Script_Message_Answer("Player Rating File", ID_BOX_NO);
    ASSERT_EQ(Load_Player_Ratings_File(0, FILE_NAME), 1);
    int32_t asked = 0;
    for (const SHOWN_MESSAGE& message : Get_Shown_Messages()) {
        EXPECT_EQ(message.Caption, "Player Rating File");
        EXPECT_EQ(message.Text, "Warning: Duplicate Player ID found in Player Rating file:\n\n" + id);
        ++asked;
    }
    EXPECT_EQ(asked, 2) << "OK asks again at the next; Ignore Duplicate IDs stops asking";
    EXPECT_FLOAT_EQ(Stored_Rating(5, qb, RATING_ACCURACY), 53.0f) << "every line is stored all the same";
    std::filesystem::remove(FILE_NAME);
}
