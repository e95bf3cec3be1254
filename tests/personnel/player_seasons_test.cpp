// A player's generated college seasons, typical season and completed predicted
// season, and the draft input files they are drawn with.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <utility>
#include <vector>

#include "database/historical_norms.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/random_numbers.h"
#include "database/roster_slots.h"
#include "database/season_lines.h"
#include "database/universe.h"
#include "personnel/college_history.h"
#include "personnel/draft_input_files.h"
#include "personnel/player_generation.h"
#include "personnel/player_names.h"
#include "personnel/predicted_stats.h"
#include "personnel/typical_season.h"
#include "platform/message_box.h"
#include "support/debug_log.h"
#include "support/test_league.h"

namespace {
constexpr int32_t POOL = FIRST_COLLEGE_POOL_TEAM;

int32_t P(int32_t team, int32_t slot, int32_t stat) {
    return Get_Player_Stat(team, slot, SEASON_PREDICTED, stat);
}
} // namespace

TEST(CollegeHistory, ProspectsGetOneLinePerCollegeSeasonAndKeepTheirRatings) {
    Build_Test_League();
    Seed_Random_Numbers(17);
    Clear_Name_Buffers();
    const int32_t year = Get_Current_Year();
    for (int32_t position = 0; position < NUMBER_OF_POSITIONS; ++position) {
        Fabricate_Position_Player(POOL, position, position, 0);
        Set_Player_Rating(POOL, position, RATING_DISCIPLINE, 25.0f);
        const PLAYER_RECORD before = Universe.Teams[POOL].Players[position];
        Generate_College_Stat_History(POOL, position, 1);
        EXPECT_EQ(
            memcmp(before.Ratings, Universe.Teams[POOL].Players[position].Ratings, sizeof before.Ratings), 0)
            << "a rating of 25, read as 20 while lowered, is 25 again";
        ASSERT_EQ(Count_Player_Season_Lines(POOL, position), 4);
        for (int32_t n = 0; n < 4; ++n) {
            const int32_t line = Get_Player_Season_Line(POOL, position, n);
            EXPECT_EQ(Get_Season_Line_Year(line), year - 4 + n + 1) << "position " << position;
            EXPECT_EQ(Get_Season_Line_Kind(line), n - 4) << "FR, SO, JR, SR";
            EXPECT_EQ(static_cast<uint8_t>(Get_Season_Line_Team(line)), 128);
            EXPECT_GE(Get_Season_Line_Stat(line, 0), 2);
            EXPECT_LE(Get_Season_Line_Stat(line, 1), Get_Season_Line_Stat(line, 0));
        }
        EXPECT_EQ(Get_Player_Latest_Season_Line(POOL, position), Get_Player_Season_Line(POOL, position, 3));
        EXPECT_EQ(Get_Player_Stat(POOL, position, SEASON_THIS, 0), 0) << "the scratch season is cleared";
        EXPECT_EQ(Count_NFL_Seasons(POOL, position), 0) << "college seasons are not league seasons";
    }
    // Two college seasons for a younger prospect; none stored for a free agent.
    Set_Player_Vital_Stat(POOL, 20, VITAL_CREDITED_SEASONS, -3);
    Fabricate_Position_Player(POOL, 20, POSITION_QB, 0);
    Set_Player_Vital_Stat(POOL, 20, VITAL_CREDITED_SEASONS, -3);
    Generate_College_Stat_History(POOL, 20, 0);
    ASSERT_EQ(Count_Player_Season_Lines(POOL, 20), 2);
    EXPECT_EQ(Get_Season_Line_Kind(Get_Player_Season_Line(POOL, 20, 1)), -3);
    Fabricate_Position_Player(FREE_AGENT_TEAM, 0, POSITION_QB, 0);
    Generate_College_Stat_History(FREE_AGENT_TEAM, 0, 1);
    EXPECT_EQ(Count_Player_Season_Lines(FREE_AGENT_TEAM, 0), 0);
}

TEST(TypicalSeason, KickerAndLinemanExamples) {
    Build_Test_League();
    const int32_t kicker = Test_League_Slot(POSITION_K, 0);
    Set_Player_Rating(3, kicker, RATING_FG_DISTANCE, 80.0f);
    Set_Player_Rating(3, kicker, RATING_FG_ACCURACY, 75.0f);
    Calculate_Typical_Season_From_Ratings(3, kicker);
    EXPECT_EQ(P(3, kicker, 16), 5) << "a50 = 5.83";
    EXPECT_EQ(P(3, kicker, 17), 1) << "f50 = 1.83";
    EXPECT_EQ(P(3, kicker, 18), 52) << "80 / 3 + 26";
    EXPECT_EQ(P(3, kicker, 9), 48) << "7.5 + 41";
    const int32_t guard = Test_League_Slot(POSITION_G, 0);
    Set_Player_Stat(3, guard, SEASON_PREDICTED, 5, 77);
    Calculate_Typical_Season_From_Ratings(3, guard);
    EXPECT_EQ(P(3, guard, 0), 16);
    EXPECT_EQ(P(3, guard, 1), 16);
    EXPECT_EQ(P(3, guard, 5), 77) << "a lineman's other statistics keep their values";
}

TEST(PredictedCompletion, ThinLinesLeanOnTheBenchmarkAndFullLinesAreScaledToOneSeason) {
    Build_Test_League();
    Clear_Debug_Log();
    const int32_t team = 8;
    const int32_t back = Test_League_Slot(POSITION_RB, 1);
    // No playing time and no league seasons: scaled to 900 per mille, 100 of the
    // benchmark, then 3 x 20 more. At 50 he is left unreconciled, with a warning.
    Delete_All_Player_Season_Lines(team, back);
    Clear_Player_Season_Stats(team, back, SEASON_PREDICTED);
    Set_Player_Vital_Stat(team, back, VITAL_BIRTH_DATE, (Get_Current_Year() - 50) * 10000 + 101);
    Complete_Player_Predicted_Stats(team, back, 20);
    EXPECT_EQ(Count_Debug_Lines(" is 50 years old in Complete_Player_Predicted_Stats()"), 1);
    EXPECT_EQ(P(team, back, 8), Mul_Div_Round(Get_Position_Stat_Benchmark(POSITION_RB, 8), 100, 1000) +
                                    Mul_Div_Round(Get_Position_Stat_Benchmark(POSITION_RB, 8), 60, 1000));

    // A line of 34 starts is halved.
    const int32_t end = Test_League_Slot(POSITION_TE, 0);
    Clear_Player_Season_Stats(team, end, SEASON_PREDICTED);
    Set_Player_Stat(team, end, SEASON_PREDICTED, 0, 34);
    Set_Player_Stat(team, end, SEASON_PREDICTED, 1, 34);
    Set_Player_Stat(team, end, SEASON_PREDICTED, 10, 200);
    Complete_Player_Predicted_Stats(team, end, 0);
    EXPECT_EQ(P(team, end, 1), 17);
    EXPECT_LE(P(team, end, 0), 17);

    // Kickers' long kicks follow their makes by distance.
    const int32_t kicker = Test_League_Slot(POSITION_K, 0);
    Set_Player_Stat(team, kicker, SEASON_PREDICTED, 16, 4);
    Set_Player_Stat(team, kicker, SEASON_PREDICTED, 17, 2);
    Set_Longest_Field_Goal(team, kicker, SEASON_PREDICTED);
    EXPECT_EQ(P(team, kicker, 18), 51) << "max(51, 2 x 2 + 48 - 2)";
    Set_Player_Stat(team, kicker, SEASON_THIS, 2, 1);
    Set_Player_Stat(team, kicker, SEASON_THIS, 3, 52);
    Set_Longest_Punt(team, kicker, SEASON_THIS);
    EXPECT_EQ(Get_Player_Stat(team, kicker, SEASON_THIS, 5), 52) << "one punt is its own longest";
}

TEST(DraftInputFiles, ReadFifteenPositionsAndKeepWhatALineDoesNotGive) {
    Build_Test_League();
    Load_Draft_Talent();
    EXPECT_EQ(Universe.Header.Draft_Talent[0][POSITION_T], 35) << "the installation's file";
    EXPECT_EQ(Universe.Header.Draft_Talent[2][POSITION_TE], 15);
    std::filesystem::rename("Input", "Input.kept");
    std::filesystem::create_directory("Input");
    {
        std::ofstream talent("Input/DraftTalent.txt");
        talent << "7,8,9,extra\n"
               << "x,3\n"
               << "4\n";
    }
    Universe.Header.Draft_Talent[0][1] = 55;
    Universe.Header.Draft_Talent[2][1] = 66;
    Universe.Header.Draft_Talent[1][5] = 44;
    Load_Draft_Talent();
    EXPECT_EQ(Universe.Header.Draft_Talent[0][0], 7);
    EXPECT_EQ(Universe.Header.Draft_Talent[2][0], 9);
    EXPECT_EQ(Universe.Header.Draft_Talent[0][1], 55) << "an unreadable field keeps its value";
    EXPECT_EQ(Universe.Header.Draft_Talent[1][1], 3);
    EXPECT_EQ(Universe.Header.Draft_Talent[2][1], 66) << "a missing field keeps its value";
    EXPECT_EQ(Universe.Header.Draft_Talent[1][5], 44) << "lines the file lacks keep theirs";
    Clear_Shown_Messages();
    Load_Draft_Strategy();
    ASSERT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_EQ(Get_Shown_Messages()[0].Text, "Input/DraftStrategy.txt file is missing.");
    std::filesystem::remove_all("Input");
    std::filesystem::rename("Input.kept", "Input");
}

TEST(PredictedCompletion, TheBaseYearSetsThePullAndPuntersGetADrawnLastSeason) {
    Build_Test_League();
    static std::vector<TEAM_RECORD> start;
    start.assign(std::begin(Universe.Teams), std::end(Universe.Teams));
    for (const auto& [base_year, pull] : {std::pair{2022, 25}, std::pair{2019, 51}}) {
        SCOPED_TRACE(base_year);
        std::copy(start.begin(), start.end(), Universe.Teams);
        Universe.Header.Universe_Stats[BASE_YEAR] = base_year;
        Seed_Random_Numbers(11);
        Complete_All_Predicted_Stats(pull);
        const std::vector<TEAM_RECORD> expected(std::begin(Universe.Teams), std::end(Universe.Teams));
        std::copy(start.begin(), start.end(), Universe.Teams);
        Seed_Random_Numbers(11);
        Complete_All_Predicted_Stats_For_Base_Year();
        EXPECT_EQ(memcmp(Universe.Teams, expected.data(), sizeof Universe.Teams), 0);
    }

    std::copy(start.begin(), start.end(), Universe.Teams);
    const int32_t team = 2;
    const int32_t punter = Test_League_Slot(POSITION_P, 0);
    const int32_t kicker = Test_League_Slot(POSITION_K, 0);
    const int32_t agent = Get_First_Empty_Player_Slot(FREE_AGENT_TEAM);
    Copy_Player(FREE_AGENT_TEAM, agent, team, punter);
    const PLAYER_RECORD kicker_before = Universe.Teams[team].Players[kicker];
    const PLAYER_RECORD agent_before = Universe.Teams[FREE_AGENT_TEAM].Players[agent];
    // The first punter of the league is team 0's: his draws come first.
    Seed_Random_Numbers(3);
    const int32_t punts = 40 + Random_Int(21);
    const int32_t longer = Random_Int(25);
    const int32_t shorter = Random_Int(25);
    const int32_t longest = 55 + Random_Int(11);
    const int32_t touchbacks = 4 + Random_Int(5);
    const int32_t games = std::min(punts / 3 + Random_Int(5), 17);
    Seed_Random_Numbers(3);
    Randomize_Punter_Last_Seasons();
    auto last = [](int32_t t, int32_t s, int32_t stat) { return Get_Player_Stat(t, s, SEASON_LAST, stat); };
    EXPECT_EQ(last(0, punter, 2), punts);
    EXPECT_EQ(last(0, punter, 3), punts * (400 + longer - shorter) / 10);
    EXPECT_EQ(last(0, punter, 5), longest);
    EXPECT_EQ(last(0, punter, 6), touchbacks);
    EXPECT_EQ(last(0, punter, 0), games);
    for (int32_t t = 0; t < MAX_FRANCHISES; ++t) {
        if (!Is_Active_Team(t)) continue;
        SCOPED_TRACE(t);
        EXPECT_GE(last(t, punter, 2), 40);
        EXPECT_LE(last(t, punter, 2), 60);
        EXPECT_GE(last(t, punter, 3), last(t, punter, 2) * 376 / 10);
        EXPECT_LE(last(t, punter, 3), last(t, punter, 2) * 424 / 10);
        EXPECT_LE(last(t, punter, 0), 17);
    }
    EXPECT_EQ(memcmp(&Universe.Teams[team].Players[kicker], &kicker_before, sizeof kicker_before), 0);
    EXPECT_EQ(memcmp(&Universe.Teams[FREE_AGENT_TEAM].Players[agent], &agent_before, sizeof agent_before), 0)
        << "only the franchises' punters";
}
