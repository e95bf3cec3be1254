#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "database/settings.h"
#include "engine/playbook_records.h"
#include "engine/playbook_test_support.h"
#include "playbooks/playbook_files.h"

namespace {

std::vector<char> Read_File(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void Write_File(const std::string& path, const void* data, size_t size) {
    std::ofstream file(path, std::ios::binary);
    file.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
}

// A team playbook with counters, notes, a name and patterned reserved bytes,
// so a round trip must carry every byte.
void Fill_Team_Playbooks(int team) {
    Set_Default_Playbooks(team);
    TEAM_PLAYBOOK_BLOCK& block = Universe.Teams[team].Playbooks;
    for (int i = 0; i < 2120; ++i)
        block.Offense.Reserved_12504[i] = static_cast<uint8_t>(i * 7);
    for (int i = 0; i < 2044; ++i)
        block.Offense.Reserved_17636[i] = static_cast<uint8_t>(i * 3 + 1);
    for (int i = 0; i < 230; ++i)
        block.Defense.Reserved_9286[i] = static_cast<uint8_t>(i + 9);
    block.Offense.Results.Yards[12][3] = 65000;
    block.Offense.Results.First_Downs[53][4] = 200;
    block.Offense.Card_Selection[7] = 1;
    block.Defense.Results.Called[29][5] = 777;
    std::strcpy(block.Offense.Name, "Test-2019");
    std::strcpy(block.Defense.Name, "Stout");
    std::strcpy(block.Offense.Plays[2].Name, "Counter Trey");
}

// Works in a folder of its own: the test folder's installed playbooks are
// what other tests' leagues load.
class PlaybookFiles : public testing::Test {
  protected:
    void SetUp() override {
        Reset_Test_League(6);
        ASSERT_NE(getcwd(previous_, sizeof previous_), nullptr);
        std::filesystem::remove_all("files");
        std::filesystem::create_directories("files/playbooks");
        ASSERT_EQ(chdir("files"), 0);
        Clear_Debug_Log();
    }
    void TearDown() override {
        ASSERT_EQ(chdir(previous_), 0);
        std::filesystem::remove_all("files");
    }
    char previous_[4096] = {};
};

} // namespace

TEST_F(PlaybookFiles, BothBlocksRoundTripByteIdentical) {
    Fill_Team_Playbooks(1);
    ASSERT_EQ(Write_Team_Playbook_File("playbooks/Trip.opb", 1, 0), 0);
    ASSERT_EQ(Write_Team_Playbook_File("playbooks/Trip.dpb", 1, 1), 0);
    EXPECT_EQ(std::filesystem::file_size("playbooks/Trip.opb"), 19680u);
    EXPECT_EQ(std::filesystem::file_size("playbooks/Trip.dpb"), 9516u);

    ASSERT_EQ(Load_Playbook_File(4, 0, "Trip"), 1);
    ASSERT_EQ(Load_Playbook_File(4, 1, "Trip"), 1);
    const TEAM_PLAYBOOK_BLOCK& from = Universe.Teams[1].Playbooks;
    const TEAM_PLAYBOOK_BLOCK& to = Universe.Teams[4].Playbooks;
    EXPECT_EQ(std::memcmp(&from.Offense, &to.Offense, sizeof(from.Offense)), 0);
    EXPECT_EQ(std::memcmp(&from.Defense, &to.Defense, sizeof(from.Defense)), 0);

    ASSERT_EQ(Write_Team_Playbook_File("playbooks/Again.opb", 4, 0), 0);
    ASSERT_EQ(Write_Team_Playbook_File("playbooks/Again.dpb", 4, 1), 0);
    EXPECT_EQ(Read_File("playbooks/Again.opb"), Read_File("playbooks/Trip.opb"));
    EXPECT_EQ(Read_File("playbooks/Again.dpb"), Read_File("playbooks/Trip.dpb"));
    EXPECT_EQ(Read_Debug_Log_Text().find("repaired"), std::string::npos) << "a sound file needs no repair";
}

TEST_F(PlaybookFiles, FileOneByteShortChangesNothing) {
    Fill_Team_Playbooks(1);
    Set_Default_Playbooks(2);
    std::vector<uint8_t> image(sizeof(OFFENSIVE_PLAYBOOK), 0xEE);
    Write_File("playbooks/Short.opb", image.data(), image.size() - 1);
    Write_File("playbooks/Short.dpb", image.data(), sizeof(DEFENSIVE_PLAYBOOK) - 1);
    TEAM_PLAYBOOK_BLOCK before = Universe.Teams[2].Playbooks;
    DEFENSIVE_PLAYBOOK scratch_before = Scratch_Defensive_Playbook;
    EXPECT_EQ(Load_Playbook_File(2, 0, "Short"), 0);
    EXPECT_EQ(Load_Playbook_File(2, 1, "Short"), 0);
    EXPECT_EQ(Load_Playbook_File(DEFAULT_PLAYBOOK_TEAM, 1, "Short"), 0);
    EXPECT_EQ(std::memcmp(&before, &Universe.Teams[2].Playbooks, sizeof(before)), 0);
    EXPECT_EQ(std::memcmp(&scratch_before, &Scratch_Defensive_Playbook, sizeof(scratch_before)), 0);
    EXPECT_NE(Read_Debug_Log_Text().find("holds 19679 of 19680 bytes"), std::string::npos);

    // A longer file loads its first block.
    ASSERT_EQ(Write_Team_Playbook_File("playbooks/Long.opb", 1, 0), 0);
    {
        std::ofstream append("playbooks/Long.opb", std::ios::binary | std::ios::app);
        append << "trailing bytes";
    }
    EXPECT_EQ(Load_Playbook_File(2, 0, "Long"), 1);
    EXPECT_EQ(std::memcmp(&Universe.Teams[1].Playbooks.Offense, &Universe.Teams[2].Playbooks.Offense,
                          sizeof(OFFENSIVE_PLAYBOOK)),
              0);
}

TEST_F(PlaybookFiles, MissingEraPlaybookKeepsTheDefaultsAndSaysSo) {
    Set_Default_Playbooks(3);
    TEAM_PLAYBOOK_BLOCK before = Universe.Teams[3].Playbooks;
    EXPECT_EQ(Load_Playbook_File(3, 0, "West Coast"), 0);
    EXPECT_EQ(std::memcmp(&before, &Universe.Teams[3].Playbooks, sizeof(before)), 0);
    EXPECT_NE(Read_Debug_Log_Text().find("Unable to open playbook file playbooks/West Coast.opb"),
              std::string::npos);
    EXPECT_EQ(Read_Debug_Log_Text().find("ERROR"), std::string::npos)
        << "a missing file is logged, not an error";
    Write_Team_Playbook_File("Outside.opb", 1, 0);
    EXPECT_EQ(Load_Playbook_File(3, 0, "../Outside"), 0) << "names never leave the playbooks folder";
    EXPECT_EQ(Load_Playbook_File(3, 0, ""), 0);
    EXPECT_EQ(std::memcmp(&before, &Universe.Teams[3].Playbooks, sizeof(before)), 0);
}

TEST_F(PlaybookFiles, TeamsThatAreNotLeagueTeamsLoadIntoTheScratchBlock) {
    Fill_Team_Playbooks(1);
    ASSERT_EQ(Write_Team_Playbook_File("playbooks/Trip.opb", 1, 0), 0);
    static TEAM_RECORD teams_before[TOTAL_NUMBER_OF_TEAMS];
    std::memcpy(teams_before, Universe.Teams, sizeof(teams_before));
    for (int team : {DEFAULT_PLAYBOOK_TEAM, -1, 41, 10 /* empty franchise slot */}) {
        std::memset(&Scratch_Offensive_Playbook, 0, sizeof(Scratch_Offensive_Playbook));
        EXPECT_EQ(Load_Playbook_File(team, 0, "Trip"), 1) << "team " << team;
        EXPECT_STREQ(Scratch_Offensive_Playbook.Name, "Test-2019") << "team " << team;
    }
    EXPECT_EQ(std::memcmp(teams_before, Universe.Teams, sizeof(teams_before)), 0) << "no team record changed";
    EXPECT_EQ(Load_Playbook_File(38, 0, "Trip"), 1);
    EXPECT_STREQ(Universe.Teams[38].Playbooks.Offense.Name, "Test-2019")
        << "pool records take their own file";
}

TEST_F(PlaybookFiles, OutOfRangeCodesAreRepairedOnLoad) {
    Fill_Team_Playbooks(1);
    OFFENSIVE_PLAYBOOK offense = Universe.Teams[1].Playbooks.Offense;
    offense.Plays[0].Formation = 100;
    offense.Plays[1].Play_Type = 50;
    offense.Plays[2].Primary = 9;
    offense.Plays[3].Routes[1] = 57;
    offense.Plays[4].Routes[0] = -5;
    offense.Plays[5].Hole_Or_Depth = 12; // a run
    offense.Plays[6].Option_Hole = -3;
    offense.Plays[40].Hole_Or_Depth = 25; // a pass: a depth, kept
    std::memset(offense.Plays[7].Name, 'A', sizeof(offense.Plays[7].Name));
    Write_File("playbooks/Bad.opb", &offense, sizeof(offense));
    DEFENSIVE_PLAYBOOK defense = Universe.Teams[1].Playbooks.Defense;
    defense.Plays[0].Formation = -3;
    defense.Plays[1].Roles[4] = 40;
    defense.Plays[2].Roles[10] = -1;
    Write_File("playbooks/Bad.dpb", &defense, sizeof(defense));

    ASSERT_EQ(Load_Playbook_File(2, 0, "Bad"), 1);
    ASSERT_EQ(Load_Playbook_File(2, 1, "Bad"), 1);
    const OFFENSIVE_PLAYBOOK& o = Universe.Teams[2].Playbooks.Offense;
    EXPECT_TRUE(o.Plays[0].Formation >= 0 && o.Plays[0].Formation <= 47);
    EXPECT_TRUE(o.Plays[1].Play_Type >= 0 && o.Plays[1].Play_Type <= 22);
    EXPECT_EQ(Get_Offensive_Play_Primary_Receiver(2, 2), -1);
    EXPECT_EQ(Get_Offensive_Play_Route(2, 3, 1), -1);
    EXPECT_EQ(Get_Offensive_Play_Route(2, 4, 0), -1);
    EXPECT_TRUE(o.Plays[5].Hole_Or_Depth >= 0 && o.Plays[5].Hole_Or_Depth <= 9);
    EXPECT_TRUE(o.Plays[6].Option_Hole >= 0 && o.Plays[6].Option_Hole <= 9);
    EXPECT_EQ(o.Plays[40].Hole_Or_Depth, 25);
    EXPECT_EQ(o.Plays[7].Name[PLAY_NAME_LENGTH - 1], '\0') << "texts end inside their fields";
    EXPECT_TRUE(Universe.Teams[2].Playbooks.Defense.Plays[0].Formation >= 0);
    EXPECT_TRUE(Get_Defensive_Play_Role(2, 1, 4) >= 0 && Get_Defensive_Play_Role(2, 1, 4) <= 18);
    EXPECT_TRUE(Get_Defensive_Play_Role(2, 2, 10) >= 0);
    EXPECT_EQ(Get_Offensive_Play_Category(2, 3), Get_Offensive_Play_Category(2, 3))
        << "no read past the route table";
    EXPECT_NE(Read_Debug_Log_Text().find("out-of-range codes repaired"), std::string::npos);
}

TEST_F(PlaybookFiles, ViewedTeamWriterAndName) {
    Fill_Team_Playbooks(3);
    Set_User_Preference(VIEWED_TEAM, 3);
    Set_User_Preference(170, 1);
    Set_Playbook_Name("A playbook name that is far longer than the field allows");
    EXPECT_EQ(std::strlen(Universe.Teams[3].Playbooks.Defense.Name), 37u);
    EXPECT_STREQ(Universe.Teams[3].Playbooks.Offense.Name, "Test-2019") << "only the current side is named";
    EXPECT_EQ(Write_Playbook_File("playbooks/Viewed.dpb"), 0);
    EXPECT_EQ(std::filesystem::file_size("playbooks/Viewed.dpb"), 9516u);
    EXPECT_EQ(Write_Playbook_File("no-such-folder/x.dpb"), 1);
    EXPECT_FALSE(std::filesystem::exists("no-such-folder/x.dpb"));
    Set_User_Preference(VIEWED_TEAM, 99);
    EXPECT_EQ(Write_Playbook_File("playbooks/Nobody.opb"), 1);
    EXPECT_FALSE(std::filesystem::exists("playbooks/Nobody.opb"));
}

TEST_F(PlaybookFiles, ABlockWithoutOneSoundPlayIsRefusedAndTheTeamKeepsItsBook) {
    Fill_Team_Playbooks(2);
    const TEAM_PLAYBOOK_BLOCK before = Universe.Teams[2].Playbooks;
    // Zeros of the exact size, a sparse gigabyte, an endless device, and a
    // block of bytes whose every play has a name but codes out of range.
    const std::vector<uint8_t> zeros(sizeof(OFFENSIVE_PLAYBOOK), 0);
    Write_File("playbooks/Zeros.opb", zeros.data(), zeros.size());
    Write_File("playbooks/Zeros.dpb", zeros.data(), sizeof(DEFENSIVE_PLAYBOOK));
    Write_File("playbooks/Huge.opb", "", 0);
    std::filesystem::resize_file("playbooks/Huge.opb", uint64_t{1} << 30);
    std::filesystem::create_symlink("/dev/zero", "playbooks/Endless.dpb");
    const std::vector<uint8_t> noise(sizeof(OFFENSIVE_PLAYBOOK), 0xEE);
    Write_File("playbooks/Noise.opb", noise.data(), noise.size());
    for (const auto& [name, defense] :
         {std::pair{"Zeros", 0}, {"Zeros", 1}, {"Huge", 0}, {"Endless", 1}, {"Noise", 0}}) {
        Clear_Debug_Log();
        EXPECT_EQ(Load_Playbook_File(2, defense, name), 0) << name << " " << defense;
        EXPECT_NE(Read_Debug_Log_Text().find("ERROR: Playbook file playbooks/" + std::string(name) +
                                             (defense ? ".dpb" : ".opb") + " holds no play"),
                  std::string::npos)
            << name << " is reported";
    }
    EXPECT_EQ(std::memcmp(&before, &Universe.Teams[2].Playbooks, sizeof before), 0)
        << "the team keeps its book";

    // One sound play makes a playbook; the others are repaired as before.
    OFFENSIVE_PLAYBOOK one;
    std::memcpy(&one, noise.data(), sizeof one);
    one.Plays[9] = before.Offense.Plays[9];
    Write_File("playbooks/One.opb", &one, sizeof one);
    Clear_Debug_Log();
    ASSERT_EQ(Load_Playbook_File(2, 0, "One"), 1);
    EXPECT_EQ(std::memcmp(&Universe.Teams[2].Playbooks.Offense.Plays[9], &one.Plays[9], sizeof one.Plays[9]),
              0);
    EXPECT_TRUE(Get_Offensive_Play_Type(2, 0) >= 0 && Get_Offensive_Play_Type(2, 0) <= 22);
    EXPECT_NE(Read_Debug_Log_Text().find("out-of-range codes repaired"), std::string::npos);
    EXPECT_EQ(Read_Debug_Log_Text().find("ERROR"), std::string::npos);
}
