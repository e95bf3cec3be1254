// Season databases built from the installation's statistics files, as the
// build and the Advanced Tools build them: seasons of every era load with the
// loader's checks, store payrolls near the cap and play a week; the rebuilt 2022 keeps the default
// league's players and contracts; and a malformed line in any input file is
// named, stops the build and changes nothing.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/diagnostics.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "platform/message_box.h"
#include "season/game_start.h"
#include "season/week_advance.h"
#include "support/debug_log.h"
#include "support/installed_seasons.h"
#include "support/league_checks.h"
#include "support/season_build_folder.h"
#include "tools/draft_class_database.h"
#include "tools/payroll_balance.h"
#include "tools/season_database.h"
#include "tools/season_line_checks.h"

namespace {
namespace fs = std::filesystem;

// The files as the folder spells them (the builder names "databases/...").
std::string Database_Name(int32_t year) {
    return "Databases/universe-" + std::to_string(year) + ".dat";
}

std::string Class_Name(int32_t year) {
    return "Databases/rookies-" + std::to_string(year) + ".dat";
}

std::string Lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

void Clear_Reports() {
    Clear_Shown_Messages();
    Reset_Diagnostics();
    Clear_Debug_Log();
}

std::string Shown_Messages() {
    std::string text;
    for (const SHOWN_MESSAGE& message : Get_Shown_Messages())
        text += message.Caption + ": " + message.Text + "\n";
    return text;
}

struct CONTRACT {
    std::string Team;
    int32_t Position, Salary, Bonus, Years;
};

// Every player of the franchises and the free agents, by name and birth.
std::map<std::string, CONTRACT> Read_Contracts() {
    std::map<std::string, CONTRACT> contracts;
    for (int32_t team = 0; team <= FREE_AGENT_TEAM; ++team) {
        if (team < MAX_FRANCHISES && !Is_Used_Franchise_Slot(team)) continue;
        char abbreviation[TEAM_STRING_LENGTH] = "";
        Get_Team_String(abbreviation, team, 0);
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            char name[PLAYER_NAME_TEXT_SIZE];
            Get_Player_Full_Name(team, slot, name);
            contracts[std::string(name) + " " +
                      std::to_string(Get_Player_Vital_Stat(team, slot, VITAL_BIRTH_DATE))] =
                CONTRACT{team == FREE_AGENT_TEAM ? "FA" : abbreviation,
                         Get_Player_Vital_Stat(team, slot, VITAL_POSITION),
                         Get_Player_Vital_Stat(team, slot, VITAL_SALARY),
                         Get_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS),
                         Get_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS)};
        }
    }
    return contracts;
}

class SeasonDatabase : public testing::Test {
  protected:
    void SetUp() override {
        previous = Enter_Season_Build_Folder("season-build");
        Clear_Reports();
    }
    void TearDown() override {
        Leave_Season_Build_Folder(previous);
        std::error_code failure;
        for (const auto& entry : fs::directory_iterator(".", failure))
            if (entry.path().filename().string().rfind("season-build", 0) == 0)
                fs::remove_all(entry.path(), failure);
    }
    std::string previous;
};
} // namespace

TEST_F(SeasonDatabase, SeasonsOfEveryEraBuildLoadAndPlayAWeek) {
    for (int32_t year : {1951, 1970, 2014, 2017, 2022}) {
        SCOPED_TRACE(year);
        Clear_Reports();
        Seed_Random_Numbers(static_cast<uint32_t>(year));
        ASSERT_TRUE(Create_Season_Database(year)) << Last_Error_Text << Shown_Messages();
        EXPECT_EQ(Shown_Messages(), "");
        // The lines of later seasons' franchises are told and dropped; nothing else.
        EXPECT_EQ(Read_Build_Failures_Logged(year), std::vector<std::string>{});
        Clear_Reports();
        EXPECT_EQ(fs::file_size(Class_Name(year)), static_cast<uintmax_t>(DRAFT_CLASS_FILE_SIZE));

        ASSERT_EQ(Load_Game(Database_Name(year).c_str()), 1);
        EXPECT_EQ(Get_Current_Year(), year);
        EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), 0);
        EXPECT_EQ(Find_Season_Faults(), "");
        EXPECT_EQ(Find_Payrolls_Below_Cap_Share(80), std::vector<std::string>{}) << "payrolls near the cap";
        Set_All_Teams_Computer_Controlled();
        Set_User_Preference(COMMISSIONER_MODE, 0);
        Set_User_Preference(MULTI_SEASON_SIMULATION, 1);
        Advance_Weeks(1);
        Set_User_Preference(MULTI_SEASON_SIMULATION, 0);
        EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), 1) << "a week was played";
        int32_t scored = 0;
        for (const GAME_RECORD& game : Universe.Games)
            if (game.Season_Year == year) scored += game.Score[0] + game.Score[1];
        EXPECT_GT(scored, 0) << "its games were played";
        EXPECT_STREQ(Last_Error_Text, "");
    }
}

// "Create Modern Database" and the shipped 2022 are the default league's
// season written out and built again: every player comes back on his team,
// at his position, with his contract.
TEST_F(SeasonDatabase, TheRebuilt2022KeepsTheDefaultLeaguesPlayersAndContracts) {
    const std::string source = Get_Installation_Folder() + "/League/Default-2022.dat";
    ASSERT_EQ(Load_Game(source.c_str()), 1);
    const std::map<std::string, CONTRACT> before = Read_Contracts();
    ASSERT_TRUE(Create_Season_Database(2022)) << Last_Error_Text << Shown_Messages();
    ASSERT_EQ(Load_Game(Database_Name(2022).c_str()), 1);
    const std::map<std::string, CONTRACT> after = Read_Contracts();
    EXPECT_EQ(after.size(), before.size());
    int32_t moved = 0, repriced = 0;
    for (const auto& [name, contract] : before) {
        const auto found = after.find(name);
        ASSERT_NE(found, after.end()) << name;
        if (found->second.Team != contract.Team || found->second.Position != contract.Position) ++moved;
        if (found->second.Salary != contract.Salary || found->second.Bonus != contract.Bonus ||
            found->second.Years != contract.Years)
            ++repriced;
    }
    EXPECT_EQ(moved, 0);
    EXPECT_EQ(repriced, 0);
}

TEST_F(SeasonDatabase, TheYearIsClampedAndAFailedBuildKeepsTheLeagueAndTheOldFiles) {
    // A year below 1951 builds 1951.
    ASSERT_TRUE(Create_Season_Database(1900)) << Last_Error_Text << Shown_Messages();
    EXPECT_EQ(Get_Universe_Stat(BASE_YEAR), 1951);
    // The name reports start with their heading and two empty lines.
    EXPECT_EQ(Read_Whole_File("output/roster-doubles.txt"), "Names found twice in game database:\n\n\n");
    EXPECT_EQ(Read_Whole_File("output/roster-unknowns.txt"), "Names not found in game database:\n\n\n");
    const std::string database = Read_Whole_File(Database_Name(1951));
    const std::string rookies = Read_Whole_File(Class_Name(1951));
    ASSERT_FALSE(database.empty());
    std::unique_ptr<uint8_t[]> league(new uint8_t[UNIVERSE_SIZE]);
    memcpy(league.get(), Universe_Bytes(), UNIVERSE_SIZE);

    // A save the system refuses (here a folder in the way of the staged
    // file) fails with the system's reason and leaves the old files.
    fs::create_directories(Database_Name(1951) + ".new/in the way");
    EXPECT_FALSE(Create_Season_Database(1951));
    EXPECT_NE(std::string(Last_Error_Text)
                  .find("Unable to save the 1951 season database and its draft class: Is a directory"),
              std::string::npos)
        << Last_Error_Text;
    EXPECT_EQ(memcmp(league.get(), Universe_Bytes(), UNIVERSE_SIZE), 0);
    EXPECT_EQ(Read_Whole_File(Database_Name(1951)), database);
    fs::remove_all(Database_Name(1951) + ".new");

    // Without its rosters the season cannot be built.
    fs::remove("Input/Stats/1951_rosters.csv");
    Clear_Reports();
    EXPECT_FALSE(Create_Season_Database(1951));
    ASSERT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_NE(Get_Shown_Messages()[0].Text.find("input/stats/1951_rosters.csv"), std::string::npos);
    EXPECT_EQ(memcmp(league.get(), Universe_Bytes(), UNIVERSE_SIZE), 0) << "the league loaded before is back";
    EXPECT_EQ(Read_Whole_File(Database_Name(1951)), database);
    EXPECT_EQ(Read_Whole_File(Class_Name(1951)), rookies);
}

namespace {
std::set<std::string> Pool_Names() {
    std::set<std::string> names;
    for (int32_t team = FIRST_COLLEGE_POOL_TEAM; team < TOTAL_NUMBER_OF_TEAMS; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
            if (Is_Player_Slot_Used(team, slot)) {
                char name[PLAYER_NAME_TEXT_SIZE];
                Get_Player_Full_Name(team, slot, name);
                names.insert(name);
            }
    return names;
}
} // namespace

// A season is built as a game started on it drafts: with the class of its
// coming draft in its college pool, in the file as in the league built.
// Seasons built one after another whose coming class is missing are told
// of once, together, when the builds are over.
TEST_F(SeasonDatabase, TheBuiltLeaguesPoolIsItsComingClassAndMissingClassesAreToldOnce) {
    Seed_Random_Numbers(1990);
    ASSERT_TRUE(Create_Season_Database(1990)) << Last_Error_Text << Shown_Messages();
    EXPECT_EQ(Shown_Messages(), "");
    const std::vector<std::string> drafted = Draft_Class_File_Names(Class_Name(1991));
    ASSERT_GT(drafted.size(), 100u);
    const std::set<std::string> pool = Pool_Names();
    for (const std::string& name : drafted)
        EXPECT_EQ(pool.count(name), 1u) << name << " of the 1991 class";
    ASSERT_EQ(Load_Game(Database_Name(1990).c_str()), 1);
    EXPECT_TRUE(Pool_Names() == pool) << "the database keeps the pool";

    fs::remove(Class_Name(1971));
    fs::remove(Class_Name(1972));
    Clear_Reports();
    ASSERT_TRUE(Create_Historical_Databases(1970, 1971)) << Last_Error_Text << Shown_Messages();
    EXPECT_EQ(Shown_Messages(),
              "Generating Random Rookies: databases/rookies-1971.dat not found. Generating random rookies.\n"
              "databases/rookies-1972.dat not found. Generating random rookies.\n");
}

// One malformed line in each input file a season reads: its file, line and
// field are named, the build stops, and neither the league in memory nor
// the files of an earlier build change.
TEST_F(SeasonDatabase, AMalformedLineInEachFileIsNamedAndChangesNothing) {
    struct DAMAGE {
        int32_t Year;
        const char* File;
        int32_t Line;
        const char* Text;
        const char* Named;
    };
    const DAMAGE damages[] = {
        {1951, "Input/Stats/leagues/1951_league.csv", 2, "NFL,\"Eastern,Western,,",
         "1951_league.csv, line 2"},
        {1951, "Input/Stats/1951_teams.csv", 0,
         "XX,Nowhere,Nobodies,Field,many,OPEN,GRASS,0,0,0,0,0,0,0,0,Chicago,0",
         "1951_teams.csv, line 14, field 5"},
        {1951, "Input/Stats/1951_teams.csv", 0,
         "XX,Nowhere,Nobodies,Field,1000,OPEN,GRASS,0,0,1000,2147483647,1000,1000,0,0,Chicago,0",
         "1951_teams.csv, line 14, field 11"},
        {1951, "Input/Stats/1951_teams.csv", 0,
         "XX,Nowhere,Nobodies,Field,1000,OPEN,GRASS,0,0,1000,1000,1000,-5,0,0,Chicago,0",
         "1951_teams.csv, line 14, field 13"},
        {1951, "Input/Stats/1951_rosters.csv", 2, "K1,12x,A,B,CHI,QB,,,,,,,,,",
         "1951_rosters.csv, line 2, field 2"},
        {1951, "Input/Stats/Players.csv", 0, "K1,,1,,10,A,B,,QB,,6'13\",200,X,1,,,,,1950,1,1,,6,1,1,1,1930",
         "Players.csv, line"},
        {1951, "Input/Stats/Seasons.csv", 0, "K1,1x,,1950,CHI,10,A B,QB,,12", "Seasons.csv, line"},
        {1951, "Input/Stats/Team_Records.csv", 0, "1951,NFL,Chicago Bears,5,7,0,-,,200,250",
         "Team_Records.csv, line"},
        {1951, "Input/Stats/Personnel.csv", 0, "19x1,CHI,Traditional,4-3", "Personnel.csv, line"},
        {1951, "Input/Stats/Combine_Results.csv", 0, "K1,1,A B,1950,QB,,,fast", "Combine_Results.csv, line"},
        {2022, "Input/Stats/2022_salaries.csv", 0, "K1,1,BUF,1,A,B,QB,,0,,1,$1,250,000,0,1,0",
         "2022_salaries.csv, line"},
        {2022, "Input/Stats/2022_caproom.csv", 0, "Buffalo Bills,$99999999999", "2022_caproom.csv, line"},
        {2022, "Input/Ratings/Simulation/2022_Player_Ratings.csv", 0,
         "1,BUF,A,B,QB,QB,nan,50,50,50,50,50,50,50,50,50,50,50,50,50,50,50,50,50,50,50,50,50,50,50,50,50",
         "2022_Player_Ratings.csv, line"},
        {2022, "Input/Stats/atl.txt", 2, "Ann,Arbor,many", "atl.txt, line 2"},
        // Figures a player's record does not keep as they are.
        {1951, "Input/Stats/1951_rosters.csv", 2, "K1,12,A,B,CHI,QB,,,,,,500,,,",
         "field 12: weeks out outside -1 to 200"},
        {1951, "Input/Stats/Players.csv", 0, "K1,,1,,10,A,B,,QB,,6'2\",1200,X,1,,,,,1950,1,1,,6,1,1,1,1930",
         "field 12: a weight outside 0 to 1000"},
        {1951, "Input/Stats/Combine_Results.csv", 0, "K1,1,A B,1950,QB,,,50000",
         "field 8: a forty time in hundredths outside 0 to 10000"},
        {2022, "Input/Stats/2022_salaries.csv", 0, "K1,1,BUF,1,A,B,QB,,0,,1,$2100000000,0,1,0",
         "field 12: a salary in thousands outside 0 to 2000000"},
    };
    // The build of an earlier run, and a league of its own in memory.
    ASSERT_TRUE(Create_Season_Database(1951)) << Last_Error_Text << Shown_Messages();
    ASSERT_TRUE(Create_Season_Database(2022)) << Last_Error_Text << Shown_Messages();
    std::unique_ptr<uint8_t[]> league(new uint8_t[UNIVERSE_SIZE]);
    memcpy(league.get(), Universe_Bytes(), UNIVERSE_SIZE);
    for (const DAMAGE& damage : damages) {
        SCOPED_TRACE(damage.File);
        const std::string database = Read_Whole_File(Database_Name(damage.Year));
        const std::string rookies = Read_Whole_File(Class_Name(damage.Year));
        // The ratings file lives in a linked folder: it is replaced in a folder of the test's own.
        if (std::string(damage.File).find("Ratings") != std::string::npos) {
            fs::remove("Input/Ratings");
            fs::create_directories("Input/Ratings/Simulation");
        }
        ASSERT_TRUE(Put_Changed_Input_File(damage.File, damage.Line, damage.Text));
        Clear_Reports();
        EXPECT_FALSE(Create_Season_Database(damage.Year));
        // The builder names its files in its own spelling.
        EXPECT_NE(Lower(Last_Error_Text).find(Lower(damage.Named)), std::string::npos) << Last_Error_Text;
        EXPECT_EQ(memcmp(league.get(), Universe_Bytes(), UNIVERSE_SIZE), 0) << "the league is as it was";
        EXPECT_EQ(Read_Whole_File(Database_Name(damage.Year)), database);
        EXPECT_EQ(Read_Whole_File(Class_Name(damage.Year)), rookies);
        // The next damage is made on the whole files again.
        Leave_Season_Build_Folder(previous);
        previous = Enter_Season_Build_Folder("season-build-" + std::to_string(&damage - damages));
        // The class files built take the places of the installed ones' links.
        for (const std::string& name :
             {Database_Name(1951), Class_Name(1951), Database_Name(2022), Class_Name(2022)}) {
            fs::remove(name);
            fs::copy_file(previous + "/season-build/" + name, name);
        }
    }
}
