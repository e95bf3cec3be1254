// The real team records a season of 2021 or earlier starts with.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "database/league_structure.h"
#include "database/random_numbers.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "database/universe.h"
#include "platform/message_box.h"
#include "support/debug_log.h"
#include "support/test_league.h"
#include "tools/team_records_csv.h"

namespace {
std::string Full_Name(int32_t team) {
    char name[FORMATTED_TEXT_SIZE];
    Get_Team_Full_Name(team, name);
    return name;
}

struct RECORD_FIGURES {
    int32_t Score, Share, Points_For, Points_Against;
};

RECORD_FIGURES Figures(int32_t team) {
    return {Get_Team_Stat(team, TEAM_STAT_TEAM_SCORE), Get_Team_Stat(team, TEAM_STAT_REAL_WINNING_SHARE),
            Get_Team_Stat(team, TEAM_STAT_REAL_POINTS_FOR),
            Get_Team_Stat(team, TEAM_STAT_REAL_POINTS_AGAINST)};
}

void Expect_Figures(int32_t team, RECORD_FIGURES expected) {
    const RECORD_FIGURES got = Figures(team);
    EXPECT_EQ(got.Score, expected.Score) << Full_Name(team);
    EXPECT_EQ(got.Share, expected.Share) << Full_Name(team);
    EXPECT_EQ(got.Points_For, expected.Points_For) << Full_Name(team);
    EXPECT_EQ(got.Points_Against, expected.Points_Against) << Full_Name(team);
}
} // namespace

TEST(TeamRecords, SeasonLinesSetScoreShareAndPoints) {
    Build_Test_League();
    Set_User_Preference(CURRENT_SEASON_INDEX, 2021 - TEST_BASE_YEAR);
    for (int32_t team = 0; team < 6; ++team)
        for (int32_t stat : {TEAM_STAT_TEAM_SCORE, TEAM_STAT_REAL_WINNING_SHARE, TEAM_STAT_REAL_POINTS_FOR,
                             TEAM_STAT_REAL_POINTS_AGAINST})
            Set_Team_Stat(team, stat, -1);
    std::filesystem::create_directories("input/stats");
    {
        std::ofstream file(TEAM_RECORDS_FILE);
        file << "Year,Lg,Tm,W,L,T,Div_Finish,Playoffs,PF,PA,PD,MoV,SoS,SRS,OSRS,DSRS\n";
        // A division winner beaten in the division round, and the same record
        // second in its division and beaten in the wild-card round.
        file << "2021,NFL," << Full_Name(0) << "*,12,4,0,1st of 4,Lost Div,400,300,100,6.3,0,0,0,0\n";
        file << "2021,NFL," << Full_Name(1) << "+,12,4,0,2nd of 4,Lost WC,400,300,100,6.3,0,0,0,0\n";
        file << "2021,NFL," << Full_Name(2) << ",13,3,1,1st of 4,won sb,500,250\n";
        // No finish given: no bonus, whatever the column held.
        file << "2021,NFL," << Full_Name(3) << ",8,8,1,,,300,300\n";
        file << "2020,NFL," << Full_Name(4) << ",16,0,0,1st of 4,Won SB,600,100\n";
        file << "2021,NFL,Nowhere Nobodies,9,8,0,3rd of 4,,350,340\n";
        file << "2021,NFL\n";
    }
    Clear_Debug_Log();
    Load_Team_Records_CSV();
    Expect_Figures(0, {1039, 750, 400, 300});
    Expect_Figures(1, {1029, 750, 400, 300});
    Expect_Figures(2, {(10 + 330) * 3 - 12 + 25 + 50, Mul_Div_Round(27, 500, 17), 500, 250});
    Expect_Figures(3, {330 * 3 - 15 + 15, 500, 300, 300});
    Expect_Figures(4, {-1, -1, -1, -1}); // a line of another season sets nothing
    EXPECT_EQ(
        Count_Debug_Lines("Unrecognized Team Name in 'Team_Records.csv' for 2021 season: Nowhere Nobodies"),
        1);

    // The file's lines of 2022 and later are not real records yet.
    Set_User_Preference(CURRENT_SEASON_INDEX, 2022 - TEST_BASE_YEAR);
    {
        std::ofstream file(TEAM_RECORDS_FILE);
        file << "Year,Lg,Tm,W,L,T,Div_Finish,Playoffs,PF,PA\n";
        file << "2022,NFL," << Full_Name(5) << ",12,4,0,1st of 4,Lost Div,400,300\n";
    }
    Load_Team_Records_CSV();
    Expect_Figures(5, {-1, -1, -1, -1});
    std::filesystem::remove_all("input");
}

TEST(TeamRecords, AMissingFileShowsItsReadErrorAndChangesNoTeam) {
    Build_Test_League();
    std::filesystem::remove(TEAM_RECORDS_FILE);
    const int32_t score = Get_Team_Stat(0, TEAM_STAT_TEAM_SCORE);
    Clear_Shown_Messages();
    Load_Team_Records_CSV();
    ASSERT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "Read Error");
    EXPECT_EQ(Get_Shown_Messages()[0].Text,
              std::string("Unable to open ") + TEAM_RECORDS_FILE + ". Please re-install Football Korva.");
    EXPECT_EQ(Get_Team_Stat(0, TEAM_STAT_TEAM_SCORE), score);
}
