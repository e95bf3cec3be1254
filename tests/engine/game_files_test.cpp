#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/game_files.h"
#include "reports/box_score_tables.h"
#include "support/game_output_support.h"

TEST(GameFiles, BoxAndRecapPagesOfGameSevenIn2024) {
    GAME_RECORD* game = Build_Output_Test_Game();
    char name[64];
    Get_Box_File_Name(name);
    EXPECT_STREQ(name, "Output\\Box-24-007.htm");
    Get_Recap_File_Name(name);
    EXPECT_STREQ(name, "Output\\Recap-24-007.htm");

    Clear_Game_Text_Buffers();
    Write_Game_Start_Text(game);
    Write_Scoring_Plays_Header(game);
    Write_Period_Header(game, 1);
    Close_Scoring_Plays_Table();
    Write_Box_Score_Top(game);
    Close_Box_Score_Page();
    Close_Play_By_Play_Tables();
    Write_Box_Score_File(1);
    Write_Recap_File(1);
    EXPECT_TRUE(Get_Box_Score_HTML().empty());
    EXPECT_TRUE(Get_Page_Head_Text().empty());

    std::ifstream box("Output/Box-24-007.htm");
    ASSERT_TRUE(box.good());
    std::stringstream box_text;
    box_text << box.rdbuf();
    EXPECT_NE(box_text.str().find("styles.css"), std::string::npos);
    EXPECT_NE(box_text.str().find("Scoring Plays"), std::string::npos);
    std::ifstream recap("Output/Recap-24-007.htm");
    ASSERT_TRUE(recap.good());
    std::stringstream recap_text;
    recap_text << recap.rdbuf();
    EXPECT_NE(recap_text.str().find("1st Q"), std::string::npos);
    EXPECT_NE(recap_text.str().find("Offensive Play"), std::string::npos);
}

TEST(GameFiles, PlainPeriodHeaderNamesThePeriodInTheColumnLine) {
    GAME_RECORD* game = Build_Output_Test_Game();
    Clear_Game_Text_Buffers();
    Write_Period_Header(game, 2);
    const std::string& text = Get_Plain_Play_Text();
    EXPECT_EQ(text.rfind(
                  "\n 2nd Q <=> Down Yardline Offensive Play           Defensive Play           Result\n", 0),
              0u)
        << text;
    EXPECT_NE(text.find(" ---"), std::string::npos) << "the column line is underlined";
    Clear_Game_Text_Buffers();
}
