// The roster, season-list and personnel files of a built season: entries
// found by id and by key (an empty key finds nothing), the season list's
// entries of one year, and each team's systems of the current year.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "personnel/injuries.h"
#include "platform/message_box.h"
#include "support/scratch_folder.h"
#include "support/test_league.h"
#include "tools/roster_import.h"

namespace {
constexpr const char* ROSTERS_HEADER =
    "VorlanID,PlayerID,FirstName,LastName,Team,Position,Height,Weight,BirthMonth,BirthDate,BirthYear,"
    "WeeksOut,Reason,Starter,FullName\n";
constexpr const char* SEASONS_HEADER = "VorlanID,PlayerID,SeasonFlag,Year,Team,Uniform,Name,Position\n";
} // namespace

TEST(RosterImport, EntriesAreFoundByIdAndByKey) {
    Build_Test_League();
    Clear_Shown_Messages();
    const SCRATCH_FOLDER folder("roster-import-test");
    const int32_t year = Get_Current_Year();
    folder.Write("input/stats/" + std::to_string(year) + "_rosters.csv",
                 std::string(ROSTERS_HEADER) + "k1,101,Ann,Arbor,T00,QB,,,,,,3,Knee,,\n" +
                     "K2,0,Bo,Bell,T01,DB,,,,,,0,,,Bo Q. Bell\n" + "k3,102,Cy,Cole,NOWHERE,WR,,,,,,0,,,\n" +
                     "k4,103,Di,Dunn,T02,FS,,,,,,0,,,\n" + ",104,Ed,Eyre,T03,K,,,,,,0,,,\n");
    ASSERT_TRUE(Read_Rosters_CSV(year));
    ASSERT_EQ(Roster_Import_Count, 4) << "the line of no league team is skipped";
    const ROSTER_IMPORT_ENTRY& first = Roster_Import_Entries[0];
    EXPECT_STREQ(first.Full_Name, "Ann Arbor") << "first and last name joined";
    EXPECT_EQ(first.Team, 0);
    EXPECT_EQ(first.Position, POSITION_QB);
    EXPECT_EQ(first.Number, 3);
    EXPECT_EQ(first.Injury, Get_Injury_Index("Knee"));
    EXPECT_STREQ(Roster_Import_Entries[1].Full_Name, "Bo Q. Bell");
    EXPECT_EQ(Roster_Import_Entries[2].Expanded_Position, 42) << "FS";
    EXPECT_EQ(Roster_Import_Entries[2].Position, POSITION_S);

    EXPECT_EQ(Find_Roster_Entry_By_Key("K1"), 0) << "keys ignore case";
    EXPECT_EQ(Find_Roster_Entry_By_Key(""), -1) << "an empty key finds nothing, though an entry has one";
    EXPECT_EQ(Find_Roster_Entry_By_Key("k3"), -1);
    EXPECT_EQ(Find_Roster_Entry_By_Id(103), 2);
    EXPECT_EQ(Find_Roster_Entry_By_Id(104), 3);
    EXPECT_EQ(Find_Roster_Entry_By_Id(0), -1) << "id 0 is no id, though an entry has it";
    EXPECT_EQ(Find_Roster_Entry_By_Id(999), -1);
    EXPECT_EQ(Find_Roster_Entry(103, "k1"), 2) << "the id first";
    EXPECT_EQ(Find_Roster_Entry(999, "k2"), 1) << "then the key";
    EXPECT_EQ(Find_Roster_Entry(0, ""), -1);
    EXPECT_TRUE(Get_Shown_Messages().empty());

    EXPECT_FALSE(Read_Rosters_CSV(year + 1));
    EXPECT_EQ(Roster_Import_Count, 0) << "the table is cleared all the same";
    ASSERT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "Read Error");
    EXPECT_EQ(Get_Shown_Messages()[0].Text,
              "Unable to open input/stats/" + std::to_string(year + 1) + "_rosters.csv.");
}

TEST(RosterImport, TheSeasonListGivesTheEntriesOfItsYear) {
    Build_Test_League();
    Clear_Shown_Messages();
    Clear_Roster_Import_Entries();
    const SCRATCH_FOLDER folder("season-list-test");
    const int32_t base_year = Get_Universe_Stat(BASE_YEAR);
    folder.Write("Input/Stats/Seasons.csv",
                 std::string(SEASONS_HEADER) + "v1,201,,1989,T00,10,Dan Dee*+,QB\n" +
                     "v2,202,,1990,T00,11,Eve Ely,RB\n" + "v3,203,,1989,NOWHERE,12,Fay Fox,WR\n" +
                     "v4,204,,1989,T05,13,Gus Gray+,TE\n");
    Read_Seasons_CSV(1989);
    ASSERT_EQ(Roster_Import_Count, 2) << "the lines of 1989 with a league team";
    EXPECT_STREQ(Roster_Import_Entries[0].Key, "v1");
    EXPECT_EQ(Roster_Import_Entries[0].Id, 201);
    EXPECT_EQ(Roster_Import_Entries[0].Team, 0);
    EXPECT_STREQ(Roster_Import_Entries[0].Full_Name, "Dan Dee") << "cut at the '*' and the '+'";
    EXPECT_STREQ(Roster_Import_Entries[1].Full_Name, "Gus Gray");
    EXPECT_EQ(Roster_Import_Entries[1].Team, 5);
    EXPECT_EQ(Find_Roster_Entry(204, ""), 1);
    EXPECT_EQ(Get_Universe_Stat(BASE_YEAR), base_year) << "the base year is put back";
    EXPECT_TRUE(Get_Shown_Messages().empty());

    std::filesystem::remove("Input/Stats/Seasons.csv");
    Read_Seasons_CSV(1989);
    EXPECT_EQ(Roster_Import_Count, 2);
    EXPECT_EQ(Get_Universe_Stat(BASE_YEAR), base_year);
    ASSERT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_EQ(Get_Shown_Messages()[0].Text, "Unable to open Input/Stats/Seasons.csv.");
}

TEST(RosterImport, PersonnelSetsTheSystemsOfTheCurrentYear) {
    Build_Test_League();
    const SCRATCH_FOLDER folder("personnel-test");
    const int32_t year = Get_Current_Year();
    Set_Team_Stat(1, 5, 1);
    Set_Team_Stat(1, 4, 1);
    folder.Write("Input/Stats/Personnel.csv", "Year,Team,Offensive Personnel,Defensive Personnel\n'" +
                                                  std::to_string(year) + ",'T00,'2 Tight Ends,'3-4\n'" +
                                                  std::to_string(year) + ",'T01,'Spread,'Nickel\n'" +
                                                  std::to_string(year - 1) + ",'T02,'2 Running Backs,'3-4\n");
    const int32_t other_offence = Get_Team_Stat(2, 5), other_defence = Get_Team_Stat(2, 4);
    Read_Personnel_CSV();
    EXPECT_EQ(Get_Team_Stat(0, 5), 2);
    EXPECT_EQ(Get_Team_Stat(0, 4), 1);
    EXPECT_EQ(Get_Team_Stat(1, 5), 0) << "an unknown system is Traditional";
    EXPECT_EQ(Get_Team_Stat(1, 4), 0) << "an unknown alignment is the 4-3";
    EXPECT_EQ(Get_Team_Stat(2, 5), other_offence) << "another year changes nothing";
    EXPECT_EQ(Get_Team_Stat(2, 4), other_defence);
}
