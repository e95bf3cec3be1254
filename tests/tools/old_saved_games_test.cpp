// Saved games of the two older layouts load converted into the current one,
// with their teams, players, schedules and playbooks in place, and the files
// themselves are never changed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "database/player_record.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "platform/file_search.h"
#include "platform/message_box.h"
#include "support/debug_log.h"
#include "support/old_saved_games.h"
#include "support/test_league.h"
#include "tools/old_player_conversion.h"
#include "tools/old_universe_conversion.h"

namespace {
constexpr int32_t MARKED_TEAM = 3;
constexpr int32_t LAST_OLD_SLOT = 79;

// The test league with a player in slot 79 and in slot 85, a draft code of
// the old form and marks in the places the older team record moves.
void Build_Marked_League() {
    Build_Test_League();
    Universe.Teams[MARKED_TEAM].Players[LAST_OLD_SLOT] = Universe.Teams[MARKED_TEAM].Players[0];
    Universe.Teams[MARKED_TEAM].Players[LAST_OLD_SLOT].Vital_Stats[VITAL_PLAYER_ID] = 987654;
    Universe.Teams[MARKED_TEAM].Players[85] = Universe.Teams[MARKED_TEAM].Players[1];
    Universe.Teams[MARKED_TEAM].Players[85].Vital_Stats[VITAL_PLAYER_ID] = 987655;
    Universe.Teams[0].Players[0].Vital_Stats[VITAL_DRAFT_SLOT] = 20190012;
    Universe.Teams[0].Players[1].Vital_Stats[VITAL_DRAFT_SLOT] = 9999;
    Universe.Teams[0].Players[0].Vital_Stats[9] = 0x1234;
    Universe.Teams[0].Players[0].Vital_Stats[18] = 3;
    Universe.Teams[MARKED_TEAM].Returners[0] = 7;
    Universe.Teams[MARKED_TEAM].Returners[1] = 9;
    Universe.Teams[MARKED_TEAM].Totals[2][1][5] = 4321;
    Universe.Teams[MARKED_TEAM].Yearly_Ints[10][2] = 5555;
}

std::string Abbreviation(const TEAM_RECORD& team) {
    return std::string(team.Strings[0], strnlen(team.Strings[0], TEAM_STRING_LENGTH));
}

// The team of the loaded league with the abbreviation (loads sort the teams).
const TEAM_RECORD* Find_Loaded_Team(const std::string& abbreviation) {
    for (const TEAM_RECORD& team : Universe.Teams)
        if (Abbreviation(team) == abbreviation) return &team;
    return nullptr;
}

// No player in slots 80-99 of any team in use but the college pool, which
// the load fills afresh when it is empty.
bool Slots_Past_Eighty_Are_Empty() {
    for (int32_t team = 0; team < FIRST_COLLEGE_POOL_TEAM; ++team)
        for (int32_t slot = 80; slot < PLAYERS_PER_TEAM; ++slot)
            if (Universe.Teams[team].Players[slot].Vital_Stats[VITAL_PLAYER_ID] != 0) return false;
    return true;
}

std::vector<int32_t> Roster_Ids(const TEAM_RECORD& team, int32_t slots) {
    std::vector<int32_t> ids;
    for (int32_t slot = 0; slot < slots; ++slot)
        if (team.Players[slot].Vital_Stats[VITAL_PLAYER_ID] != 0)
            ids.push_back(team.Players[slot].Vital_Stats[VITAL_PLAYER_ID]);
    std::sort(ids.begin(), ids.end());
    return ids;
}

const PLAYER_RECORD* Find_Loaded_Player(const PLAYER_RECORD& was) {
    for (const TEAM_RECORD& team : Universe.Teams)
        for (const PLAYER_RECORD& player : team.Players)
            if (player.Vital_Stats[VITAL_PLAYER_ID] == was.Vital_Stats[VITAL_PLAYER_ID]) return &player;
    return nullptr;
}

bool Was_Shown(const std::string& caption, const std::string& text) {
    for (const SHOWN_MESSAGE& message : Get_Shown_Messages())
        if (message.Caption == caption && (text.empty() || message.Text == text)) return true;
    return false;
}

// Writes the marked league as a file of the version; returns the original
// league (as marked) for comparison.
std::vector<uint8_t> Write_Old_File(const char* name, const char* digits) {
    Build_Marked_League();
    std::vector<uint8_t> original(Universe_Bytes(), Universe_Bytes() + UNIVERSE_SIZE);
    const int32_t version = Get_Save_File_Version(digits);
    EXPECT_TRUE(Write_Bytes_To_File(name, Make_League_File_From(digits, Make_Old_Layout_Block(version))));
    return original;
}

const UNIVERSE_STATE& As_League(const std::vector<uint8_t>& bytes) {
    return *reinterpret_cast<const UNIVERSE_STATE*>(bytes.data());
}

// The saved games a test writes (originals kept beside them included) go
// with it.
class OldSavedGames : public testing::Test {
  protected:
    void SetUp() override { Remove_Saved_Games(); }
    void TearDown() override { Remove_Saved_Games(); }
    static void Remove_Saved_Games() {
        std::error_code error;
        std::vector<std::filesystem::path> games;
        for (const auto& entry : std::filesystem::directory_iterator(".", error))
            if (entry.path().extension() == ".kor") games.push_back(entry.path());
        for (const std::filesystem::path& game : games)
            std::filesystem::remove(game, error);
    }
};
} // namespace

TEST_F(OldSavedGames, EightySlotFilesLoadWithTheirContentsInPlaceAndStayUnchanged) {
    for (const char* digits : {"4102", "7799"}) {
        SCOPED_TRACE(digits);
        const std::string name = std::string("eighty-") + digits + ".kor";
        const std::vector<uint8_t> original = Write_Old_File(name.c_str(), digits);
        const UNIVERSE_STATE& before = As_League(original);
        const std::vector<uint8_t> on_disk = Read_Bytes_Of_File(name);
        Clear_Universe();
        Clear_Shown_Messages();
        ASSERT_EQ(Load_Game(name.c_str()), 1);
        EXPECT_EQ(Read_Bytes_Of_File(name), on_disk) << "loading never writes the file";
        EXPECT_TRUE(Slots_Past_Eighty_Are_Empty());
        EXPECT_FALSE(Was_Shown("Load Game Warning", "")) << "converted files are not checksummed";

        for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
            const TEAM_RECORD& was = before.Teams[team];
            const TEAM_RECORD* now = Find_Loaded_Team(Abbreviation(was));
            ASSERT_NE(now, nullptr) << Abbreviation(was);
            EXPECT_EQ(Roster_Ids(*now, PLAYERS_PER_TEAM), Roster_Ids(was, 80)) << "the players of slots 0-79";
            EXPECT_EQ(memcmp(now->Stadium_Stats, was.Stadium_Stats, sizeof was.Stadium_Stats), 0);
            for (int32_t week = 0; week < NUMBER_OF_SCHEDULE_WEEKS; ++week)
                EXPECT_EQ(now->Schedule[week].Values[0], was.Schedule[week].Values[0]) << "week " << week;
            // Files up to 6500 get the default playbooks again; later ones keep theirs.
            if (std::string(digits) == "7799")
                EXPECT_EQ(memcmp(&now->Playbooks, &was.Playbooks, sizeof was.Playbooks), 0);
            else
                EXPECT_NE(now->Playbooks.Offense.Plays[0].Name[0], '\0');
        }
        const TEAM_RECORD* marked = Find_Loaded_Team(Abbreviation(before.Teams[MARKED_TEAM]));
        ASSERT_NE(marked, nullptr);
        EXPECT_EQ(marked->Yearly_Ints[10][2], 5555);
        EXPECT_EQ(marked->Totals[2][1][5], 4321);
        EXPECT_EQ(memcmp(Universe.Cities, before.Cities, sizeof before.Cities), 0);
        EXPECT_EQ(memcmp(Universe.Season_Lines, before.Season_Lines, 92 * 100), 0) << "season lines kept";

        const PLAYER_RECORD* drafted = Find_Loaded_Player(before.Teams[0].Players[0]);
        const PLAYER_RECORD* early = Find_Loaded_Player(before.Teams[0].Players[1]);
        ASSERT_NE(drafted, nullptr);
        ASSERT_NE(early, nullptr);
        EXPECT_EQ(drafted->Vital_Stats[VITAL_DRAFT_SLOT], 201900012);
        EXPECT_EQ(early->Vital_Stats[VITAL_DRAFT_SLOT], 9999) << "a code below 10,000 stays";
        EXPECT_EQ(drafted->Uniform_Number, 0x34);
        EXPECT_EQ(drafted->Championship_Rings, 3);
        EXPECT_EQ(drafted->Vital_Stats[18], 0);

        // Saved again and loaded, the game is one of this version: the codes stay.
        ASSERT_EQ(Save_Game("resaved.kor", nullptr), SAVE_OK);
        ASSERT_EQ(Load_Game("resaved.kor"), 1);
        EXPECT_EQ(Find_Loaded_Player(before.Teams[0].Players[0])->Vital_Stats[VITAL_DRAFT_SLOT], 201900012);
    }
}

TEST_F(OldSavedGames, OlderFilesMoveTheirTeamInteriorAndLeaveOutGamesLinesAndLeaders) {
    for (const char* digits : {"2180", "4100"}) {
        SCOPED_TRACE(digits);
        const std::string name = std::string("older-") + digits + ".kor";
        const std::vector<uint8_t> original = Write_Old_File(name.c_str(), digits);
        const UNIVERSE_STATE& before = As_League(original);
        const std::vector<uint8_t> on_disk = Read_Bytes_Of_File(name);
        Clear_Universe();
        ASSERT_EQ(Load_Game(name.c_str()), 1);
        EXPECT_EQ(Read_Bytes_Of_File(name), on_disk);
        EXPECT_TRUE(Slots_Past_Eighty_Are_Empty()) << "returners, totals and finances are no players";

        const TEAM_RECORD* marked = Find_Loaded_Team(Abbreviation(before.Teams[MARKED_TEAM]));
        ASSERT_NE(marked, nullptr);
        EXPECT_EQ(marked->Totals[2][1][5], 4321);
        EXPECT_EQ(marked->Yearly_Ints[10][2], 5555);
        EXPECT_EQ(Roster_Ids(*marked, PLAYERS_PER_TEAM), Roster_Ids(before.Teams[MARKED_TEAM], 80));
        EXPECT_EQ(marked->Team_Stats[0], before.Teams[MARKED_TEAM].Team_Stats[0]) << "division";
        for (int32_t week = 0; week < NUMBER_OF_SCHEDULE_WEEKS; ++week) {
            const int32_t* now = marked->Schedule[week].Values;
            const int32_t* was = before.Teams[MARKED_TEAM].Schedule[week].Values;
            EXPECT_EQ(now[0], was[0]) << "opponent, week " << week;
            EXPECT_EQ(now[1], 0) << "no watch flag in the older entry";
            EXPECT_EQ(now[2], was[2]) << "kickoff, week " << week;
        }
        EXPECT_NE(marked->Playbooks.Offense.Plays[0].Name[0], '\0') << "default playbooks set";
        for (const GAME_RECORD& game : Universe.Games)
            ASSERT_EQ(game.Score[0] | game.Score[1], 0) << "no game records";
        EXPECT_EQ(Find_Loaded_Player(before.Teams[0].Players[0])->Vital_Stats[VITAL_DRAFT_SLOT], 201900012);
    }
}

TEST_F(OldSavedGames, ConversionPutsEveryPartInItsCurrentPlace) {
    Build_Marked_League();
    const std::vector<uint8_t> original(Universe_Bytes(), Universe_Bytes() + UNIVERSE_SIZE);
    const UNIVERSE_STATE& before = As_League(original);
    std::vector<uint8_t> block = Make_Old_Layout_Block(7799);
    block.resize(UNIVERSE_SIZE, 0xAA);
    ASSERT_EQ(Convert_Old_Universe_Block(block.data()), 1);
    const UNIVERSE_STATE& after = As_League(block);
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team) {
        TEAM_RECORD expected = before.Teams[team];
        memset(&expected.Players[80], 0, 20 * sizeof(PLAYER_RECORD));
        expected.Returners[2] = expected.Returners[3] = 0;
        EXPECT_EQ(memcmp(&after.Teams[team], &expected, sizeof expected), 0) << "team " << team;
    }
    EXPECT_EQ(memcmp(&after.Header, &before.Header, sizeof before.Header), 0);
    EXPECT_EQ(memcmp(&after.Cities, &before.Cities,
                     offsetof(UNIVERSE_STATE, Season_Lines) - offsetof(UNIVERSE_STATE, Cities)),
              0)
        << "cities to the season length, the reserved byte after the bracket aside";
    EXPECT_EQ(memcmp(after.Season_Lines, before.Season_Lines, sizeof before.Season_Lines), 0);
    EXPECT_EQ(memcmp(after.Tail.All_Time_Leaders, before.Tail.All_Time_Leaders,
                     sizeof before.Tail.All_Time_Leaders),
              0);
    const std::vector<uint8_t> zero(sizeof after.Tail.Fantasy_Draft_State, 0);
    EXPECT_EQ(memcmp(after.Tail.Fantasy_Draft_State, zero.data(), zero.size()), 0) << "the tail starts empty";
}

TEST_F(OldSavedGames, OlderConversionMovesTheTeamInteriorAndWidensTheSchedule) {
    Build_Marked_League();
    const std::vector<uint8_t> original(Universe_Bytes(), Universe_Bytes() + UNIVERSE_SIZE);
    const UNIVERSE_STATE& before = As_League(original);
    std::vector<uint8_t> block = Make_Old_Layout_Block(4100);
    block.resize(UNIVERSE_SIZE, 0xAA);
    ASSERT_EQ(Convert_Older_Universe_Block(block.data()), 1);
    const UNIVERSE_STATE& after = As_League(block);
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team) {
        TEAM_RECORD expected = before.Teams[team];
        memset(&expected.Players[80], 0, 20 * sizeof(PLAYER_RECORD));
        expected.Returners[2] = expected.Returners[3] = 0;
        for (SCHEDULE_ENTRY& entry : expected.Schedule)
            entry.Values[1] = 0;
        memset(&expected.Playbooks, 0, sizeof expected.Playbooks);
        EXPECT_EQ(memcmp(&after.Teams[team], &expected, sizeof expected), 0) << "team " << team;
    }
    EXPECT_EQ(memcmp(after.User_Preferences.Ints, before.User_Preferences.Ints, 400), 0);
    EXPECT_EQ(after.User_Preferences.Ints[100], 0) << "the older layout kept 100 settings";
    EXPECT_EQ(after.Season_Length, before.Season_Length);
    const std::vector<uint8_t> zero(sizeof after.Games, 0);
    EXPECT_EQ(memcmp(after.Games, zero.data(), zero.size()), 0) << "no game records";
    EXPECT_EQ(memcmp(after.Season_Lines, zero.data(), sizeof after.Season_Lines), 0) << "no season lines";
    EXPECT_EQ(memcmp(after.Tail.All_Time_Leaders, zero.data(), sizeof after.Tail.All_Time_Leaders), 0);
}

TEST_F(OldSavedGames, FilesThatDoNotHoldTheirVersionsLayoutAreRefusedByName) {
    Build_Test_League();
    const std::vector<uint8_t> current(Universe_Bytes(), Universe_Bytes() + UNIVERSE_SIZE);
    struct CASE {
        const char* Name;
        const char* Digits;
        std::vector<uint8_t> Block;
        const char* Shown;
    };
    const std::vector<CASE> cases = {
        {"current-as-old.kor", "5000", current, "5.000"},
        {"current-as-older.kor", "3000", current, "3.000"},
        {"eighty-as-current.kor", "2002", Make_Old_Layout_Block(7799), "20.00"},
        {"older-as-eighty.kor", "7799", Make_Old_Layout_Block(2180), "7.799"},
        {"eighty-as-later.kor", "8000", Make_Old_Layout_Block(4102), "8.000"},
    };
    for (const CASE& refused : cases) {
        SCOPED_TRACE(refused.Name);
        ASSERT_TRUE(Write_Bytes_To_File(refused.Name, Make_League_File_From(refused.Digits, refused.Block)));
        Build_Test_League();
        const std::vector<uint8_t> league(Universe_Bytes(), Universe_Bytes() + UNIVERSE_SIZE);
        Clear_Shown_Messages();
        Clear_Debug_Log();
        EXPECT_EQ(Load_Game(refused.Name), 0);
        // One message names the file; the log says what is wrong with it.
        ASSERT_EQ(Get_Shown_Messages().size(), 1u);
        EXPECT_EQ(Get_Shown_Messages()[0].Caption, "Read Error");
        EXPECT_EQ(Get_Shown_Messages()[0].Text, std::string("Couldn't load the game \"") + refused.Name +
                                                    "\".\n\nThere was an error in reading the file.");
        const std::string logged = std::string("Load_Game: \"") + refused.Name +
                                   "\" does not hold a league of version " + refused.Shown +
                                   ", as its header says: ";
        EXPECT_EQ(Count_Debug_Lines(logged), 1) << Read_Debug_Log_Text();
        EXPECT_EQ(memcmp(Universe_Bytes(), league.data(), UNIVERSE_SIZE), 0) << "the league stays";
    }
}

TEST_F(OldSavedGames, SavingOverAConvertedFileKeepsTheOriginalBesideIt) {
    Write_Old_File("keep.kor", "7799");
    const std::vector<uint8_t> on_disk = Read_Bytes_Of_File("keep.kor");
    ASSERT_EQ(Load_Game("keep.kor"), 1);
    ASSERT_EQ(Save_Game("keep.kor", nullptr), SAVE_OK);
    EXPECT_EQ(Read_Bytes_Of_File("keep (v7.799).kor"), on_disk);
    EXPECT_NE(Read_Bytes_Of_File("keep.kor"), on_disk);
    ASSERT_EQ(Save_Game("keep.kor", nullptr), SAVE_OK);
    EXPECT_FALSE(std::filesystem::exists("keep (v7.799) 2.kor")) << "kept once";
    ASSERT_EQ(Load_Game("keep.kor"), 1) << "the saved game is one of this version";

    // A second original of the same name is kept under the next free name; a
    // save elsewhere keeps nothing.
    Write_Old_File("keep.kor", "7799");
    ASSERT_EQ(Load_Game("keep.kor"), 1);
    ASSERT_EQ(Save_Game("elsewhere.kor", nullptr), SAVE_OK);
    EXPECT_FALSE(std::filesystem::exists("elsewhere (v7.799).kor"));
    ASSERT_EQ(Save_Game("keep.kor", nullptr), SAVE_OK);
    EXPECT_TRUE(std::filesystem::exists("keep (v7.799) 2.kor"));
}

TEST_F(OldSavedGames, PlayerAndGameRecordFixUpsByValue) {
    Build_Test_League();
    PLAYER_RECORD& player = Universe.Teams[4].Players[2];
    player.Vital_Stats[VITAL_DRAFT_SLOT] = 20190012;
    player.Vital_Stats[9] = 0x5FF;
    player.Vital_Stats[18] = 300;
    player.Championship_Rings = 2;
    Convert_Old_Player_Fields();
    EXPECT_EQ(player.Vital_Stats[VITAL_DRAFT_SLOT], 201900012);
    EXPECT_EQ(static_cast<uint8_t>(player.Uniform_Number), 0xFF);
    EXPECT_EQ(player.Championship_Rings, 2) << "a ring count of 256 or more is not a byte";
    EXPECT_EQ(player.Vital_Stats[18], 0);
    player.Vital_Stats[VITAL_DRAFT_SLOT] = 2100000000;
    Convert_Old_Player_Fields();
    EXPECT_EQ(player.Vital_Stats[VITAL_DRAFT_SLOT], INT32_MAX) << "worked in 64 bits and held";

    player.Vital_Stats[VITAL_POSITION] = POSITION_WR;
    player.Expanded_Position = POSITION_QB;
    PLAYER_RECORD& damaged = Universe.Teams[4].Players[3];
    damaged.Vital_Stats[VITAL_POSITION] = POSITION_CB;
    damaged.Expanded_Position = 120;
    Clear_Shown_Messages();
    Convert_Old_Player_Positions();
    EXPECT_EQ(player.Expanded_Position, POSITION_WR);
    EXPECT_EQ(damaged.Expanded_Position, POSITION_CB);
    EXPECT_TRUE(Get_Shown_Messages().empty()) << "a byte beyond the table is no question for the user";

    uint8_t* game = reinterpret_cast<uint8_t*>(&Universe.Games[17]);
    const uint16_t first = 0x1234, second = 0xBEEF;
    memcpy(game + 52, &first, 2);
    memcpy(game + 56, &second, 2);
    Convert_Old_Game_Records();
    EXPECT_EQ(memcmp(game + 42, &first, 2), 0);
    EXPECT_EQ(memcmp(game + 46, &second, 2), 0);
}

TEST_F(OldSavedGames, LayoutSizesByVersion) {
    EXPECT_EQ(Get_Universe_Layout_Size(2179), UNIVERSE_SIZE);
    EXPECT_EQ(Get_Universe_Layout_Size(2180), OLDER_UNIVERSE_SIZE);
    EXPECT_EQ(Get_Universe_Layout_Size(4100), OLDER_UNIVERSE_SIZE);
    EXPECT_EQ(Get_Universe_Layout_Size(4102), OLD_UNIVERSE_SIZE);
    EXPECT_EQ(Get_Universe_Layout_Size(7799), OLD_UNIVERSE_SIZE);
    EXPECT_EQ(Get_Universe_Layout_Size(7800), UNIVERSE_SIZE);
    EXPECT_FALSE(Is_Old_Layout_Version(4101));
    EXPECT_FALSE(Is_Old_Layout_Version(2000));
}

TEST(FileCopies, ACopyNeverReplacesAndAFailedOneLeavesNothing) {
    const auto clean = [] {
        for (const char* name : {"copy-source.bin", "copy-kept.bin", "copy-target.bin", "copy-folder"})
            std::filesystem::remove_all(name);
    };
    clean();
    ASSERT_TRUE(Write_Bytes_To_File("copy-source.bin", {1, 2, 3}));
    ASSERT_TRUE(Write_Bytes_To_File("copy-kept.bin", {9}));
    EXPECT_FALSE(Copy_File_Without_Overwrite("copy-source.bin", "copy-kept.bin"));
    EXPECT_EQ(Read_Bytes_Of_File("copy-kept.bin"), std::vector<uint8_t>({9}));
    EXPECT_FALSE(Copy_File_Without_Overwrite("no-such-file.bin", "copy-target.bin"));
    EXPECT_FALSE(std::filesystem::exists("copy-target.bin"));
    std::filesystem::create_directory("copy-folder");
    EXPECT_FALSE(Copy_File_Without_Overwrite("copy-folder", "copy-target.bin")) << "only regular files";
    EXPECT_TRUE(Copy_File_Without_Overwrite("copy-source.bin", "copy-target.bin"));
    EXPECT_EQ(Read_Bytes_Of_File("copy-target.bin"), std::vector<uint8_t>({1, 2, 3}));
    for (const auto& entry : std::filesystem::directory_iterator("."))
        EXPECT_EQ(entry.path().filename().string().find(".copy-"), std::string::npos) << "no temporary left";
    clean();
}
