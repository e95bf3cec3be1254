// The texts of the game-day screen: points by period, the ball's spot and the
// situation, the comparison, the matchup dialog's spread and stars, the
// players' game lines and the defensive keys.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "engine/defensive_play_calling.h"
#include "engine/game_record.h"
#include "engine/playbook_records.h"
#include "personnel/scouting.h"
#include "support/test_league.h"
#include "views/box_score_panels.h"
#include "views/defensive_keys.h"
#include "views/game_stat_lines.h"
#include "views/games_view_texts.h"
#include "views/matchup_dialog.h"

namespace {
GAME_RECORD Blank_Game() {
    GAME_RECORD game;
    std::memset(&game, 0, sizeof game);
    return game;
}

// A logged snap: the clock at the snap, the side that had the ball, the result.
void Log_Snap(GAME_RECORD* game, int32_t index, int32_t clock, int32_t side, int32_t result) {
    PLAY_LOG_ENTRY& entry = game->Play_Log[index];
    entry.Clock = static_cast<uint16_t>(clock);
    entry.Play_Word = (static_cast<uint32_t>(side) << PLAY_WORD_SIDE_1_BALL_BIT) |
                      (static_cast<uint32_t>(result) << PLAY_WORD_RESULT_SHIFT);
}

std::string Line(int32_t position, int32_t c0, int32_t c1, int32_t c2, int32_t c3, int32_t c4) {
    const int32_t counters[5] = {c0, c1, c2, c3, c4};
    char text[FORMATTED_TEXT_SIZE];
    Format_Position_Game_Line(text, position, counters);
    return text;
}
} // namespace

// Points go to the scoring side, returns and safeties to the other one; a
// try snapped on a period's last second counts with its touchdown.
TEST(GameDayTexts, PeriodPointsCountTheConversionAtNineHundredSecondsInTheEarlierQuarter) {
    int32_t points[2] = {0, 0};
    Add_Play_Result_Points(0, RESULT_TOUCHDOWN_RUN, points);
    Add_Play_Result_Points(0, RESULT_INTERCEPTION_TOUCHDOWN, points);
    Add_Play_Result_Points(1, RESULT_SAFETY, points);
    Add_Play_Result_Points(1, RESULT_FIELD_GOAL_GOOD, points);
    Add_Play_Result_Points(1, RESULT_TWO_POINT_GOOD, points);
    Add_Play_Result_Points(1, RESULT_EXTRA_POINT_MISSED, points);
    EXPECT_EQ(points[0], 6 + 2);
    EXPECT_EQ(points[1], 6 + 3 + 2);

    GAME_RECORD game = Blank_Game();
    game.Clock = 1800;
    Log_Snap(&game, 0, 890, 1, RESULT_TOUCHDOWN_PASS);
    Log_Snap(&game, 1, 900, 1, RESULT_EXTRA_POINT_GOOD);
    Log_Snap(&game, 2, 900, 0, RESULT_FIELD_GOAL_GOOD);
    Log_Snap(&game, 3, 1790, 0, RESULT_KICKOFF_RETURN_TOUCHDOWN);
    EXPECT_EQ(Get_Game_Period_Score(&game, 0, 1), 7) << "the try at 900 s belongs to the first quarter";
    EXPECT_EQ(Get_Game_Period_Score(&game, 1, 0), 3) << "a field goal at 900 s is the second quarter's";
    EXPECT_EQ(Get_Game_Period_Score(&game, 1, 1), 6) << "the kick return scores for the receiving side";
    Log_Snap(&game, 4, 3700, 0, RESULT_FIELD_GOAL_GOOD);
    EXPECT_EQ(Get_Game_Period_Score(&game, 3, 0), 3) << "without overtime the last period is the fourth";
    EXPECT_EQ(Get_Game_Period_Score(&game, 4, 0), 0);
    game.Clock = 3700;
    EXPECT_EQ(Get_Game_Period_Score(&game, 3, 0), 0);
    EXPECT_EQ(Get_Game_Period_Score(&game, 4, 0), 3) << "past 3,600 s the overtime column fills";
}

TEST(GameDayTexts, BallSpotSituationAndPeriodTexts) {
    Build_Test_League();
    Set_Team_Nickname("Hawks", 4);
    Set_Team_Nickname("Lynx", 5);
    GAME_RECORD game = Blank_Game();
    game.Team[0] = 4;
    game.Team[1] = 5;
    game.Possession_Team = 4;
    game.Clock = 1000;
    char text[FORMATTED_TEXT_SIZE];
    game.Yards_To_Goal = 50;
    Format_Ball_Spot(text, &game);
    EXPECT_STREQ(text, "50-Yard Line");
    game.Yards_To_Goal = 35;
    Format_Ball_Spot(text, &game);
    EXPECT_STREQ(text, "Lynx's 35") << "below 50 the defending team's half";
    game.Yards_To_Goal = 65;
    Format_Ball_Spot(text, &game);
    EXPECT_STREQ(text, "Hawks' 35") << "a name ending in s takes the apostrophe alone";

    game.Down_Word = 2;
    game.Yards_To_Go = 4;
    Format_Situation_Text(text, &game);
    EXPECT_STREQ(text, "Third and 4 on the Hawks' 35");
    game.Yards_To_Goal = 6;
    game.Yards_To_Go = 6;
    game.Down_Word = 0;
    Format_Situation_Text(text, &game);
    EXPECT_STREQ(text, "First and goal on the Lynx's 6");
    game.Down_Word = CONVERSION_ATTEMPT;
    game.Yards_To_Goal = 2;
    game.Current_Play.Offensive_Play = 255;
    Format_Situation_Text(text, &game);
    EXPECT_STREQ(text, "Two Point Conversion (2-yard line)");
    game.Current_Play.Offensive_Play = 59;
    Format_Situation_Text(text, &game);
    EXPECT_STREQ(text, "Point After Touchdown");
    game.Down_Word = KICKOFF_DOWN;
    game.Yards_To_Goal = 70;
    Format_Situation_Text(text, &game);
    EXPECT_STREQ(text, "Kickoff (from Hawks' 30)");
    Format_Game_Period(text, &game);
    EXPECT_STREQ(text, "2nd Quarter");

    Set_Team_Location("Tampa Bay", 6);
    Set_Team_Nickname("Buccaneers", 6);
    Get_Scoreboard_Team_Name(6, text);
    EXPECT_STREQ(text, "Tampa Bay Bucs");
    Get_Team_Full_Name(6, text);
    EXPECT_STREQ(text, "Tampa Bay Buccaneers") << "shortened on the scoreboard only";
}

TEST(GameDayTexts, ComparisonRowsAndAYardsPerRushJustBelowZeroKeepsItsMinus) {
    EXPECT_EQ(Get_Yards_Per_Rush_Tenths(-1, 2), -5);
    EXPECT_EQ(Get_Yards_Per_Rush_Tenths(-4, 2), -20) << "an even loss is not a tenth short";
    EXPECT_EQ(Get_Yards_Per_Rush_Tenths(-7, 3), -23) << "-2.33 rounds to -2.3";
    EXPECT_EQ(Get_Yards_Per_Rush_Tenths(-3, 4), -8) << "-0.75 rounds away from zero";
    EXPECT_EQ(Get_Yards_Per_Rush_Tenths(47, 10), 47);
    EXPECT_EQ(Get_Yards_Per_Rush_Tenths(5, 0), 0) << "no rushes";
    char text[FORMATTED_TEXT_SIZE];
    Format_Tenths(text, -5);
    EXPECT_STREQ(text, "-0.5");
    Format_Tenths(text, -23);
    EXPECT_STREQ(text, "-2.3");

    GAME_RECORD game = Blank_Game();
    game.Team_Totals[1][GAME_TOTAL_RUSHING_YARDS] = static_cast<uint16_t>(-3);
    game.Team_Totals[1][GAME_TOTAL_RUSHES] = 4;
    game.Team_Totals[1][GAME_TOTAL_PASSING_YARDS] = 120;
    game.Team_Totals[1][GAME_TOTAL_PASS_ATTEMPTS] = 3;
    game.Team_Totals[1][GAME_TOTAL_COMPLETIONS] = 2;
    game.Timeouts[1] = 2;
    const char* const expected[COMPARISON_ROWS] = {"117", "-3 / 120", "-0.8", "67%",   "0",
                                                   "0",   "0",        "None", "0 / 0", "2"};
    for (int32_t row = 0; row < COMPARISON_ROWS; ++row) {
        Format_Team_Comparison_Value(text, &game, row, 1);
        EXPECT_STREQ(text, expected[row]) << "row " << row;
    }
    EXPECT_STREQ(Get_Team_Comparison_Label(&game, 9), "Timeouts");
    game.Clock = 3600;
    game.Score[0] = 3;
    game.Team_Totals[1][GAME_TOTAL_POSSESSION_SECONDS] = 1865;
    Format_Team_Comparison_Value(text, &game, 9, 1);
    EXPECT_STREQ(text, "31:05") << "time of possession once the game is over";
    EXPECT_STREQ(Get_Team_Comparison_Label(&game, 9), "Possession");
}

TEST(GameDayTexts, WeekTabsNearTheSeasonStartBeginAtTheFirstWeekAndStopBeforeTheCurrentOne) {
    Build_Test_League();
    Set_User_Preference(CURRENT_WEEK, 4);
    int32_t first = 0, last = 0;
    Get_Week_Tab_Range(1, &first, &last);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(last, 3) << "never past the current week - 1";
    Set_User_Preference(CURRENT_WEEK, 12);
    Get_Week_Tab_Range(1, &first, &last);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(last, 5) << "six tabs from the first week";
    Get_Week_Tab_Range(8, &first, &last);
    EXPECT_EQ(first, 5);
    EXPECT_EQ(last, 10);
}

TEST(GameDayTexts, SpreadTextsAndStarsOfTheMatchup) {
    Build_Test_League();
    Set_Team_Nickname("Hawks", 4);
    Set_Team_Nickname("Lynx", 5);
    char text[128];
    Format_Matchup_Point_Spread(text, 0, 4, 5);
    EXPECT_STREQ(text, "Vegas Line: Pick 'em");
    Format_Matchup_Point_Spread(text, -35, 4, 5);
    EXPECT_STREQ(text, "Lynx favored by 3.5 points");
    Format_Matchup_Point_Spread(text, 10, 4, 5);
    EXPECT_STREQ(text, "Hawks favored by 1 point");
    Format_Matchup_Point_Spread(text, 20, 4, 5);
    EXPECT_STREQ(text, "Hawks favored by 2 points");

    // 32 teams: ranks 0..3 five stars, 4..11 four, 12..19 three, 20..27 two, 28..31 one.
    const int32_t bounds[][2] = {{0, 5},  {3, 5},  {4, 4},  {11, 4}, {12, 3},
                                 {19, 3}, {20, 2}, {27, 2}, {28, 1}, {31, 1}};
    for (const auto& bound : bounds)
        EXPECT_EQ(Get_Matchup_Stars(bound[0], 32), bound[1]) << "rank " << bound[0];
    EXPECT_EQ(Get_Matchup_Stars(0, 0), 1) << "no active team: no division by zero";
    EXPECT_EQ(Get_Matchup_Stars(40, 32), 1) << "held to one star";
    EXPECT_EQ(Get_Matchup_Stars(-3, 32), 5) << "held to five stars";
    uint8_t stars[MATCHUP_UNITS];
    Rate_Matchup_Team_Units(stars, 4);
    for (uint8_t star : stars) {
        EXPECT_GE(star, 1);
        EXPECT_LE(star, 5);
    }
}

TEST(GameDayTexts, PlayerGameLinesByPosition) {
    EXPECT_EQ(Line(0, 30, 21, 250, 2, 1), "21/30  2 td  1 int  ")
        << "no yards beside both touchdowns and interceptions";
    EXPECT_EQ(Line(0, 30, 21, 250, 2, 0), "21/30  250 yds  2 td  ");
    EXPECT_EQ(Line(0, 0, 0, 0, 0, 0), "0 yds  ");
    EXPECT_EQ(Line(1, 12, 80, 3, 20, 1), "100 tot yds, 1 td");
    EXPECT_EQ(Line(1, 12, -4, 0, 0, 0), "12 rsh  -4 yds");
    EXPECT_EQ(Line(4, 0, 0, 5, 71, 2), "5 rec  71 yds  2 td");
    EXPECT_EQ(Line(3, 0, 0, 0, 0, 1), "1 td");
    EXPECT_EQ(Line(9, 3, 0, 1, 0, 0), "1.5 sacks  ") << "three half-sacks";
    EXPECT_EQ(Line(8, 2, 0, 0, 0, 0), "1 sack  ");
    EXPECT_EQ(Line(8, 4, 0, 4, 1, 0), "2 sacks  5 tkl  ");
    EXPECT_EQ(Line(10, 2, 1, 9, 3, 0), "1 sack  1 int  ") << "two pieces leave out the tackles";
    EXPECT_EQ(Line(12, 0, 0, 2, 5, 0), "") << "fewer than three tackles";
    EXPECT_EQ(Line(13, 3, 3, 2, 1, 0), "1/2 FG, 3/3 PAT");
    EXPECT_EQ(Line(13, 0, 0, 0, 0, 0), "") << "a kicker who tried no kick";
    EXPECT_EQ(Line(5, 1, 1, 1, 1, 1), "") << "linemen have no line";
}

TEST(GameDayTexts, DefensiveKeyGradesReachTheirSumsAndStayWithinTheLetters) {
    // Means of 2,400 in every category give 10 + 5 = 15 - 10 = 5 before the raising.
    int32_t means[DEFENSIVE_KEY_CATEGORIES] = {2400, 2400, 2400, 2400, 2400, 2400};
    int32_t grades[DEFENSIVE_KEY_CATEGORIES];
    Compute_Defensive_Key_Grades(means, grades);
    EXPECT_GE(grades[0] + grades[1] + grades[3] + grades[5], 30);
    EXPECT_EQ(grades[0] + grades[1] + grades[3] + grades[5], 30) << "raised one at a time, stopping at 30";
    EXPECT_GE(grades[2] + grades[4], 15);
    // The turns start with inside runs: 5, 5, 5, 5 become 8, 8, 7, 7.
    EXPECT_EQ(grades[0], 8);
    EXPECT_EQ(grades[1], 8);
    EXPECT_EQ(grades[3], 7);
    EXPECT_EQ(grades[5], 7);
    // Draw and medium: 5 + 5 need 5 more, the draw first after a last turn on
    // outside runs.
    EXPECT_EQ(grades[2], 8);
    EXPECT_EQ(grades[4], 7);

    // Strong against the run already: nothing is raised, and the weak grades
    // read as "F " however far below they lie.
    int32_t strong[DEFENSIVE_KEY_CATEGORIES] = {9000, 9000, 100, 100, 100, 100};
    Compute_Defensive_Key_Grades(strong, grades);
    EXPECT_EQ(grades[0], 27);
    EXPECT_EQ(grades[3], -10);
    char letter[8];
    Get_Letter_Grade(grades[3], letter);
    EXPECT_STREQ(letter, "F ");
    Get_Letter_Grade(grades[0], letter);
    EXPECT_STREQ(letter, "A+");

    // A grade of 13 or more is not raised; its turns lift the others below 7.
    int32_t lopsided[DEFENSIVE_KEY_CATEGORIES] = {6000, 0, 0, 0, 0, 0};
    Compute_Defensive_Key_Grades(lopsided, grades);
    EXPECT_EQ(grades[0], 15);
    EXPECT_EQ(grades[0] + grades[1] + grades[3] + grades[5], 30);

    Build_Test_League();
    char text[32];
    for (int32_t category = 0; category < DEFENSIVE_KEY_CATEGORIES; ++category) {
        Draw_Defensive_Keys_Panel(text, category, 4, 0, false, false);
        EXPECT_GE(std::strlen(text), 1u);
        EXPECT_LE(std::strlen(text), 2u) << "a letter grade";
    }
    DEFENSIVE_PLAYBOOK* book = Get_Team_Defensive_Playbook(4);
    ASSERT_NE(book, nullptr);
    safe_strncpy(book->Plays[0].Description, "Short.", PLAY_DESCRIPTION_LENGTH);
    EXPECT_EQ(Draw_Defensive_Keys_Panel(text, 0, 4, 0, true, true), 1);
    EXPECT_EQ(std::string(text).rfind("vs. Inside Rushes: ", 0), 0u);
    std::string long_text(76, 'x');
    safe_strncpy(book->Plays[0].Description, long_text.c_str(), PLAY_DESCRIPTION_LENGTH);
    EXPECT_EQ(Draw_Defensive_Keys_Panel(text, 5, 4, 0, true, true), 0) << "a description of 76 characters";
    EXPECT_EQ(std::string(text).rfind("Deep: ", 0), 0u);
}

// Each category's mean runs over the default playbook's plays of that
// category; a category without plays means 0. The grade alone is the
// labelled text's grade.
TEST(GameDayTexts, DefensiveKeyMeansByCategoryAndTheGradeWithoutLabel) {
    Build_Test_League();
    int32_t sum = 0, count = 0;
    for (int32_t play = 0; play < STORED_OFFENSIVE_PLAYS; ++play)
        if (Get_Offensive_Play_Category(DEFAULT_PLAYBOOK_TEAM, play) == 0) {
            sum += Get_Play_Matchup_Value(DEFAULT_PLAYBOOK_TEAM, play, 4, 0);
            ++count;
        }
    ASSERT_GT(count, 0);
    EXPECT_EQ(Get_Defensive_Key_Mean(4, 0, 0), sum / count) << "inside runs";
    EXPECT_EQ(Get_Defensive_Key_Mean(4, 0, DEFENSIVE_KEY_CATEGORIES), 0) << "no play of the category";
    int32_t means[DEFENSIVE_KEY_CATEGORIES], grades[DEFENSIVE_KEY_CATEGORIES];
    Get_Defensive_Key_Means(4, 0, means);
    Compute_Defensive_Key_Grades(means, grades);
    for (int32_t category = 0; category < DEFENSIVE_KEY_CATEGORIES; ++category) {
        EXPECT_EQ(means[category], Get_Defensive_Key_Mean(4, 0, category)) << category;
        char alone[32], labelled[32], letter[8];
        Draw_Defensive_Keys_Panel_No_Label(alone, category, 4, 0);
        Get_Letter_Grade(grades[category], letter);
        EXPECT_STREQ(alone, letter) << category;
        Draw_Defensive_Keys_Panel(labelled, category, 4, 0, true, false);
        EXPECT_EQ(std::string(labelled).substr(std::strlen(labelled) - std::strlen(alone)), alone)
            << labelled;
    }
}

// A game entry names its player while he is in the league; the player lines'
// corners move down 30 with the light skins, and the lines' hit boxes with them.
TEST(GameDayTexts, GameEntryNamesAndPlayerLineCorners) {
    Build_Test_League();
    GAME_RECORD game = Blank_Game();
    game.Player_Ids[1][3] = Get_Player_Vital_Stat(4, 0, VITAL_PLAYER_ID);
    game.Player_Ids[1][4] = 999999;
    char full[PLAYER_NAME_TEXT_SIZE], last[PLAYER_NAME_TEXT_SIZE], expected[PLAYER_NAME_TEXT_SIZE];
    Get_Game_Entry_Full_Name(&game, 1, 3, full);
    Get_Player_Full_Name(4, 0, expected);
    EXPECT_STREQ(full, expected);
    Get_Game_Entry_Last_Name(&game, 1, 3, last);
    Get_Player_Last_Name(4, 0, expected);
    EXPECT_STREQ(last, expected);
    for (const int32_t entry : {4, 5, -1, GAME_LISTED_PLAYERS}) {
        Get_Game_Entry_Full_Name(&game, 1, entry, full);
        Get_Game_Entry_Last_Name(&game, 1, entry, last);
        EXPECT_STREQ(full, "") << "entry " << entry;
        EXPECT_STREQ(last, "") << "entry " << entry;
    }

    Set_Skin_Name("earth");
    EXPECT_EQ(Get_Player_Line_Corner(0, 0).Left, 4);
    EXPECT_EQ(Get_Player_Line_Corner(0, 0).Top, 28);
    EXPECT_EQ(Get_Player_Line_Corner(1, 16).Left, 515);
    EXPECT_EQ(Get_Player_Line_Corner(1, 16).Top, 28 + 12 * 16);
    EXPECT_TRUE(Is_In_Player_Line(LISTED_LINES_PER_SIDE + 2, 515, 52));
    Set_Skin_Name("Ice");
    EXPECT_EQ(Get_Player_Line_Corner(1, 16).Top, 58 + 12 * 16);
    EXPECT_FALSE(Is_In_Player_Line(LISTED_LINES_PER_SIDE + 2, 515, 52));
    EXPECT_TRUE(Is_In_Player_Line(LISTED_LINES_PER_SIDE + 2, 515, 82));
    Set_Skin_Name("earth");
}
