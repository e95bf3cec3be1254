#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

#include "database/path_resolver.h"
#include "database/player_record.h"
#include "database/saved_game.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "personnel/fantasy_draft.h"
#include "support/debug_log.h"
#include "support/fantasy_draft_files.h"
#include "support/test_league.h"

namespace {
constexpr size_t STATE_SIZE = sizeof Universe.Tail.Fantasy_Draft_State;
constexpr int32_t VITAL_FANTASY_TEAM = 26;

void Write_State_File(const std::string& name, uint8_t fill) {
    Write_Fantasy_Draft_State_File(name, Make_Fantasy_Draft_State(TEST_LEAGUE_TEAMS, 0, 0, fill));
}

std::vector<uint8_t> Current_State() {
    return std::vector<uint8_t>(Universe.Tail.Fantasy_Draft_State,
                                Universe.Tail.Fantasy_Draft_State + STATE_SIZE);
}
} // namespace

TEST(FantasyDraftState, SavedGameNameMustNameAFileBesideTheGame) {
    Build_Test_League();
    // The game's folder is a subfolder, with a state file waiting one level up.
    std::filesystem::create_directory("games");
    Write_State_File("outside.draft", 0x11);
    ASSERT_EQ(chdir("games"), 0);
    Write_State_File("league.draft", 0x22);
    Write_State_File("..draft", 0x33);

    // A name that reaches elsewhere counts as a missing file: the saved
    // state, no draft, is started again from its first pick.
    for (const char* name : {"../outside", "..\\outside", "sub/league", "..", ""}) {
        SCOPED_TRACE(name);
        std::memset(Universe.Tail.Fantasy_Draft_State, 0, STATE_SIZE);
        Set_Saved_Game_Name(name);
        EXPECT_EQ(Load_Fantasy_Draft_State(), 0);
        EXPECT_EQ(Get_Fantasy_First_Round_Option(), FANTASY_ORDER_RANDOM);
        EXPECT_TRUE(Is_Fantasy_Draft_State_Usable());
        EXPECT_EQ(Universe.Tail.Fantasy_Draft_State[STATE_SIZE - 1], 0) << "no file was read";
    }
    Set_Saved_Game_Name("league");
    EXPECT_EQ(Load_Fantasy_Draft_State(), 1);
    EXPECT_EQ(Universe.Tail.Fantasy_Draft_State[STATE_SIZE - 1], 0x22);
    ASSERT_EQ(chdir(".."), 0);
    std::filesystem::remove_all("games");
    std::filesystem::remove("outside.draft");

    EXPECT_EQ(Is_Plain_File_Name("My League 2031"), 1);
    EXPECT_EQ(Is_Plain_File_Name("a..b"), 0);
}

namespace {
// Every player's fantasy mark, team by team and slot by slot.
std::vector<int32_t> All_Marks() {
    std::vector<int32_t> marks;
    for (const TEAM_RECORD& team : Universe.Teams)
        for (const PLAYER_RECORD& player : team.Players)
            marks.push_back(player.Vital_Stats[VITAL_FANTASY_TEAM]);
    return marks;
}

void Put_Id(std::vector<uint8_t>& state, int32_t round, int32_t pick, int32_t id) {
    std::memcpy(state.data() + 16 + (static_cast<size_t>(round) * FANTASY_DRAFT_TEAMS + pick) * 4, &id, 4);
}
} // namespace

// A file whose order is no draft of the league (zeros, a device, a huge
// sparse file, noise, a round already made that names a team twice, a round
// past those the draft plays), or whose picks already made are not those the
// saved league's players carry (a pick that records no player, or -1, or a
// player nobody is, or one whose saved mark is another team's), is taken as
// a missing file: the draft the saved league holds goes on, no player's mark
// changes, and the log says why. A saved league whose draft is not whole
// starts it again from its first pick, every mark cleared. A draft's own
// file is taken whole and marks its picks.
TEST(FantasyDraftState, AFileWhoseOrderIsNoDraftCountsAsMissing) {
    Build_Test_League();
    Set_Saved_Game_Name("league");
    const std::string file = "league.draft";
    // Round 4 is on the clock; in round 1 teams 2 and 3 took each other's
    // first players, and the league's players carry the picks made.
    std::vector<uint8_t> draft = Make_Fantasy_Draft_State(TEST_LEAGUE_TEAMS, 3, 0, 0);
    Put_Id(draft, 0, 2, Get_Player_ID(3, 0));
    Put_Id(draft, 0, 3, Get_Player_ID(2, 0));
    Mark_Fantasy_Draft_State_Picks(TEST_LEAGUE_TEAMS, draft);
    ASSERT_EQ(Get_Player_Vital_Stat(2, 0, VITAL_FANTASY_TEAM), 3);
    const std::vector<int32_t> marks = All_Marks();

    std::vector<uint8_t> noise(STATE_SIZE);
    uint32_t seed = 12345;
    for (uint8_t& byte : noise) {
        seed = seed * 1103515245u + 12345u;
        byte = static_cast<uint8_t>(seed >> 16);
    }
    std::vector<uint8_t> twice = draft;
    twice[14416 + 5] = 4;
    // Rounds the table holds past those the draft plays: one whose order
    // names no team, one inside the round after the last, the table's last.
    std::vector<uint8_t> past = draft;
    past[8] = 70;
    std::memset(past.data() + 14416 + 70 * FANTASY_DRAFT_TEAMS, 200, FANTASY_DRAFT_TEAMS);
    const std::vector<uint8_t> inside_after_last =
        Make_Fantasy_Draft_State(TEST_LEAGUE_TEAMS, FANTASY_DRAFT_LAST_ROUND, 3, 0);
    const std::vector<uint8_t> table_end = Make_Fantasy_Draft_State(TEST_LEAGUE_TEAMS, 99, 0, 0);
    // Picks already made that record no player: one changed round byte that
    // jumps the draft to round 64, and a made pick whose id was lost.
    std::vector<uint8_t> jumped = draft;
    jumped[8] = 63;
    std::vector<uint8_t> lost_id = draft;
    Put_Id(lost_id, 2, 30, 0);
    // An old file at round 64 whose made picks hold -1, the id of a pick
    // whose slot held nobody, which no pick the game makes records.
    std::vector<uint8_t> minus_ones = Make_Fantasy_Draft_State(TEST_LEAGUE_TEAMS, 63, 0, 0);
    for (int32_t r = 0; r < 63; ++r)
        for (int32_t p = 0; p < TEST_LEAGUE_TEAMS; ++p)
            Put_Id(minus_ones, r, p, -1);
    // A made pick naming a player nobody is, and one naming a player the
    // saved league marks for another team (team 5 took him in round 1).
    std::vector<uint8_t> nobody = draft;
    Put_Id(nobody, 1, 7, 99999);
    std::vector<uint8_t> other_mark = draft;
    Put_Id(other_mark, 2, 0, Get_Player_ID(5, 0));
    // Team 0 takes its first player again in round 2.
    std::vector<uint8_t> twice_taken = draft;
    Put_Id(twice_taken, 1, 0, Get_Player_ID(0, 0));

    struct CASE {
        const char* Name;
        std::function<void()> Write;
        const char* Why;
    };
    const CASE cases[] = {
        {"zeros", [&] { Write_Fantasy_Draft_State_File(file, std::vector<uint8_t>(STATE_SIZE, 0)); },
         "team 0 picks more than once in round 1"},
        {"/dev/zero", [&] { std::filesystem::create_symlink("/dev/zero", file); },
         "team 0 picks more than once in round 1"},
        {"1 GB of nothing",
         [&] {
             std::ofstream(file, std::ios::binary).put('\0');
             std::filesystem::resize_file(file, uintmax_t{1} << 30);
         },
         "team 0 picks more than once in round 1"},
        {"noise", [&] { Write_Fantasy_Draft_State_File(file, noise); }, ""},
        {"a made round names a team twice", [&] { Write_Fantasy_Draft_State_File(file, twice); },
         "team 4 picks more than once in round 1"},
        {"a round past the draft", [&] { Write_Fantasy_Draft_State_File(file, past); },
         "round 70, pick 0 lies outside a draft of 65 rounds of 32 teams"},
        {"a pick inside the round after the last",
         [&] { Write_Fantasy_Draft_State_File(file, inside_after_last); },
         "round 65, pick 3 lies outside a draft of 65 rounds of 32 teams"},
        {"the table's last round", [&] { Write_Fantasy_Draft_State_File(file, table_end); },
         "round 99, pick 0 lies outside a draft of 65 rounds of 32 teams"},
        {"a round byte jumped to round 64", [&] { Write_Fantasy_Draft_State_File(file, jumped); },
         "pick 1 of round 4, already made, records no player of the league (0)"},
        {"a made pick without its id", [&] { Write_Fantasy_Draft_State_File(file, lost_id); },
         "pick 31 of round 3, already made, records no player of the league (0)"},
        {"round 64 with -1 for every made pick", [&] { Write_Fantasy_Draft_State_File(file, minus_ones); },
         "pick 1 of round 1, already made, records no player of the league (-1)"},
        {"a made pick of nobody", [&] { Write_Fantasy_Draft_State_File(file, nobody); },
         "pick 8 of round 2, already made, records no player of the league (99999)"},
        {"a made pick of a player marked for another team",
         [&] { Write_Fantasy_Draft_State_File(file, other_mark); },
         "pick 1 of round 3, already made, took player 501 for team 0, but his saved mark is 5"},
        {"a player taken twice", [&] { Write_Fantasy_Draft_State_File(file, twice_taken); },
         "pick 1 of round 2, already made, took player 1 a second time"},
    };
    // The saved league holds the draft whose picks its players carry.
    const std::vector<uint8_t> saved = Make_Fantasy_Draft_State(TEST_LEAGUE_TEAMS, 3, 0, 0x5A);
    std::vector<uint8_t> saved_picks = saved;
    Put_Id(saved_picks, 0, 2, Get_Player_ID(3, 0));
    Put_Id(saved_picks, 0, 3, Get_Player_ID(2, 0));
    for (const CASE& bad : cases) {
        SCOPED_TRACE(bad.Name);
        std::memcpy(Universe.Tail.Fantasy_Draft_State, saved_picks.data(), STATE_SIZE);
        bad.Write();
        Clear_Debug_Log();
        EXPECT_EQ(Load_Fantasy_Draft_State(), 0);
        EXPECT_EQ(Count_Debug_Lines("\"league.draft\" is no fantasy draft: " + std::string(bad.Why)), 1)
            << Read_Debug_Log_Text();
        EXPECT_EQ(Count_Debug_Lines("the saved game's own draft goes on from round 4, pick 1"), 1);
        EXPECT_TRUE(All_Marks() == marks) << "no mark changes";
        EXPECT_TRUE(Current_State() == saved_picks) << "the saved draft stands";
        std::filesystem::remove(file);
        EXPECT_EQ(Load_Fantasy_Draft_State(), 0);
        EXPECT_TRUE(Current_State() == saved_picks) << "as a missing file leaves it";
    }

    // Without a file, a saved state that is no whole draft (noise) starts
    // the draft again from its first pick: a fresh order, nobody marked.
    std::memset(Universe.Tail.Fantasy_Draft_State, 0x5A, STATE_SIZE);
    Clear_Debug_Log();
    EXPECT_EQ(Load_Fantasy_Draft_State(), 0);
    EXPECT_EQ(Count_Debug_Lines("the draft starts again from its first pick"), 1) << Read_Debug_Log_Text();
    EXPECT_TRUE(Is_Fantasy_Draft_State_Usable());
    EXPECT_EQ(Get_Fantasy_Draft_Round(), 0);
    EXPECT_EQ(Get_Fantasy_Draft_Pick(), 0);
    EXPECT_EQ(Get_Fantasy_Draft_Pick_ID(2, 0), 0) << "no pick is recorded";
    For_Each_League_Player([](int32_t team, int32_t slot) {
        ASSERT_EQ(Get_Player_Vital_Stat(team, slot, VITAL_FANTASY_TEAM), -128) << "nobody is marked";
    });
    Mark_Fantasy_Draft_State_Picks(TEST_LEAGUE_TEAMS, draft);

    Write_Fantasy_Draft_State_File(file, draft);
    EXPECT_EQ(Load_Fantasy_Draft_State(), 1);
    EXPECT_TRUE(Current_State() == draft);
    EXPECT_EQ(Get_Player_Vital_Stat(2, 0, VITAL_FANTASY_TEAM), 3) << "the pick made is marked";
    EXPECT_TRUE(Is_Fantasy_Draft_State_Usable());

    // A whole draft stands at the first pick after the last round, every
    // pick a player of the league's.
    Add_Fantasy_Draft_Pool_Players(TEST_LEAGUE_TEAMS);
    const std::vector<uint8_t> whole =
        Make_Fantasy_Draft_State(TEST_LEAGUE_TEAMS, FANTASY_DRAFT_LAST_ROUND, 0, 0);
    Mark_Fantasy_Draft_State_Picks(TEST_LEAGUE_TEAMS, whole);
    Write_Fantasy_Draft_State_File(file, whole);
    Clear_Debug_Log();
    EXPECT_EQ(Load_Fantasy_Draft_State(), 1) << Read_Debug_Log_Text();
    EXPECT_TRUE(Current_State() == whole);
    EXPECT_TRUE(Is_Fantasy_Draft_State_Usable());
    std::filesystem::remove(file);
}
