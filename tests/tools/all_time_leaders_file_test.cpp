// The all-time leaders file of the modern season: lists chosen by their
// header lines (case ignored), entries ranked in file order up to 21, linked
// to the one player of their name when he was older than 20, and nothing
// stored for a list whose label is unknown; other seasons leave the lists be.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>

#include "app/progress_window.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/universe.h"
#include "platform/message_box.h"
#include "season/all_time_leaders.h"
#include "support/scratch_folder.h"
#include "support/test_league.h"
#include "tools/all_time_leaders_file.h"

namespace {
constexpr int32_t SACKS = 24;
constexpr int32_t RUSH_YARDS = 11;
constexpr int32_t PASS_YARDS = 2;

ALL_TIME_LEADER_ENTRY Leader(int32_t kind, int32_t statistic, int32_t rank) {
    ALL_TIME_LEADER_ENTRY entry{};
    EXPECT_TRUE(Get_All_Time_Leader(kind, statistic, rank, &entry));
    return entry;
}

void Set_Season_Year(int32_t year) {
    Universe.Header.Universe_Stats[BASE_YEAR] = year;
    Set_User_Preference(CURRENT_SEASON_INDEX, 0);
}
} // namespace

TEST(AllTimeLeadersFile, ListsRanksAndLinksOfTheModernSeason) {
    const SCRATCH_FOLDER folder("leaders-file-test");
    Build_Test_League();
    Set_Season_Year(2022);
    const int32_t slot = Test_League_Slot(POSITION_DE, 0);
    Set_Player_First_Name(2, slot, "Orrin");
    Set_Player_Last_Name(2, slot, "Leaderman");
    Set_Player_Vital_Stat(2, slot, VITAL_BIRTH_DATE, 19800101);
    // His 2010 season: 16 games with team 4.
    const int32_t line = Add_Player_Season_Line(2, slot, 2010, 4);
    ASSERT_NE(line, NO_SEASON_LINE);
    Set_Season_Line_Stat(line, 0, 16);
    std::string text = "Orrin,Leaderman,99\n"
                       "all_time_leader_season,sacks\n"
                       "Orrin,Leaderman,2010,22.5\n"
                       "Young,Unknown,1999,20\n"
                       "ALL_TIME_LEADER_CAREER,NO_SUCH_LABEL\n"
                       "Lost,Entry,5\n"
                       "ALL_TIME_LEADER_GAME,RUSH_YARDS\n";
    for (int32_t n = 0; n < 25; ++n)
        text += "Runner" + std::to_string(n) + ",Back,2001," + std::to_string(300 - n) + "\n";
    text += "ALL_TIME_LEADER_CAREER,PASS_YARDS\nOrrin,Leaderman,70000\n";
    folder.Write("input/stats/atl.txt", text);
    int32_t lines = 0;
    for (char c : text)
        lines += c == '\n';

    // A build's window is open: the loader steps it, a line at a time, and
    // leaves it open.
    ASSERT_NE(Open_Progress_Window("Building 2022 Database...", 100), 0);
    const int32_t position = Get_Progress_Position();
    Clear_Shown_Messages();
    Load_All_Time_Leaders_File();
    EXPECT_EQ(Get_Progress_Position() - position, lines);
    EXPECT_TRUE(Is_Progress_Window_Open());
    Close_Progress_Window();

    const ALL_TIME_LEADER_ENTRY first = Leader(ATL_KIND_CAREER, 0, 0);
    EXPECT_STREQ(first.Last_Name, "Leaderman")
        << "an entry before any header: the career list of statistic 0";
    EXPECT_EQ(first.Value, 99);
    EXPECT_EQ(first.Player_ID, 0) << "a career entry has no year, so no age and no player";
    EXPECT_EQ(first.Team, NO_TEAM);

    const ALL_TIME_LEADER_ENTRY season = Leader(ATL_KIND_SEASON, SACKS, 0);
    EXPECT_STREQ(season.First_Name, "Orrin");
    EXPECT_EQ(season.Value, 22) << "a number is its leading digits";
    EXPECT_EQ(season.Year, 2010);
    EXPECT_EQ(season.Player_ID, Get_Player_ID(2, slot));
    EXPECT_EQ(season.Age, 30);
    EXPECT_EQ(season.Week, -1) << "the byte after the age of a season entry";
    EXPECT_EQ(season.Team, 4) << "his team of the entry's year";
    const ALL_TIME_LEADER_ENTRY unknown = Leader(ATL_KIND_SEASON, SACKS, 1);
    EXPECT_STREQ(unknown.Last_Name, "Unknown");
    EXPECT_EQ(unknown.Player_ID, 0);
    EXPECT_EQ(unknown.Team, NO_TEAM);

    ASSERT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "Find_Leader_Stat_String()");
    EXPECT_EQ(
        Get_Shown_Messages()[0].Text.rfind("Unrecognized Label: NO_SUCH_LABEL\nPlease use the following "
                                           "stat labels: ATTEMPTS, COMPLETIONS, PASS_YARDS, ",
                                           0),
        0u)
        << Get_Shown_Messages()[0].Text;
    int32_t lost = 0;
    for (int32_t kind = 0; kind < ALL_TIME_LEADER_KINDS; ++kind)
        for (int32_t statistic = 0; statistic < LEADER_STAT_LABELS; ++statistic)
            for (int32_t rank = 0; rank < ALL_TIME_LEADER_ENTRIES; ++rank)
                lost += strcmp(Leader(kind, statistic, rank).Last_Name, "Entry") == 0;
    EXPECT_EQ(lost, 0) << "an entry of an unknown list is stored nowhere";

    EXPECT_STREQ(Leader(ATL_KIND_GAME, RUSH_YARDS, 0).First_Name, "Runner0");
    EXPECT_STREQ(Leader(ATL_KIND_GAME, RUSH_YARDS, ALL_TIME_LEADER_ENTRIES - 1).First_Name, "Runner20")
        << "the first 21 of 25";
    EXPECT_EQ(Leader(ATL_KIND_GAME, RUSH_YARDS, ALL_TIME_LEADER_ENTRIES - 1).Value, 280);
    EXPECT_EQ(Leader(ATL_KIND_CAREER, PASS_YARDS, 0).Value, 70000);
    EXPECT_EQ(Leader(ATL_KIND_CAREER, PASS_YARDS, 0).Player_ID, 0);

    // Another season reads nothing and clears nothing.
    Set_Season_Year(2021);
    folder.Write("input/stats/atl.txt", "ALL_TIME_LEADER_CAREER,ATTEMPTS\nOther,Passer,1\n");
    Load_All_Time_Leaders_File();
    EXPECT_STREQ(Leader(ATL_KIND_CAREER, 0, 0).Last_Name, "Leaderman");
    EXPECT_EQ(Leader(ATL_KIND_SEASON, SACKS, 0).Value, 22);
}
