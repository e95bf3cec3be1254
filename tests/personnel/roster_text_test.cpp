#include <gtest/gtest.h>

#include <algorithm>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "database/league_structure.h"
#include "database/path_resolver.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/season_lines.h"
#include "database/team_operations.h"
#include "database/text_format.h"
#include "personnel/player_generation.h"
#include "personnel/roster_text.h"
#include "platform/message_box.h"
#include "support/test_league.h"

namespace {
constexpr int32_t VITAL_FANTASY_TEAM = 26;
constexpr int32_t VITAL_FANTASY_PLACED = 27;

// Read as the game finds its files: an "Output" folder another test made serves for "output".
std::vector<std::string> Read_All(const char* path) {
    std::vector<std::string> lines;
    std::ifstream in(Resolve_File_Path(path));
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

void Name_Player(int32_t team, int32_t slot, const char* first, const char* last) {
    Set_Player_First_Name(team, slot, first);
    Set_Player_Last_Name(team, slot, last);
}

std::pair<int32_t, int32_t> Where(int32_t id) {
    int32_t team = NO_TEAM, slot = NO_PLAYER;
    Find_Player_By_ID(&team, &slot, id);
    return {team, slot};
}
} // namespace

TEST(RosterText, PlayersFoundByNameWithTheirHints) {
    Build_Test_League();
    const int32_t qb = Test_League_Slot(POSITION_QB, 0);
    const int32_t wr = Test_League_Slot(POSITION_WR, 0);
    Name_Player(3, qb, "Casey", "Quill");
    Name_Player(8, wr, "Casey", "Quill");
    PLAYER_LOCATION where{};
    Find_Player_By_Name(&where, "Casey Quill", 8, POSITION_QB);
    EXPECT_EQ(where.Team, 8) << "the team hint outweighs the position";
    Find_Player_By_Name(&where, "*casey quill", 3, POSITION_WR);
    EXPECT_EQ(where.Team, 3);
    EXPECT_EQ(where.Slot, qb);
    uint8_t team = 0, slot = 0;
    Find_Player_By_Name_Bytes(&team, &slot, "Casey Quill", 8, POSITION_WR);
    EXPECT_EQ(team, 8);
    EXPECT_EQ(slot, wr);
    for (const char* refused :
         {"", "Nobody Here", "Casey Quill Casey Quill Casey Quill Casey Quill Casey Quill Quill"}) {
        Find_Player_By_Name_Any_Team(&where, refused, POSITION_QB);
        EXPECT_EQ(where.Team, NO_TEAM) << refused;
        EXPECT_EQ(where.Slot, NO_PLAYER);
    }
}

TEST(RosterText, RosterNamesAreCheckedAgainstTheLeague) {
    Build_Test_League();
    std::filesystem::remove_all("output");
    Name_Player(3, 0, "Casey", "Quill");
    Name_Player(8, 4, "Casey", "Quill");
    Name_Player(5, 7, "T.J.", "Vance");
    Name_Player(6, 9, "RJ", "Lowry");
    PLAYER_LOCATION where{};
    char text[64] = "TJ Vance";
    EXPECT_EQ(Log_Roster_Name_Problems(&where, text), 1) << "full stops of the roster name left out";
    EXPECT_EQ(where.Team, 5);
    strcpy(text, "R.J. Lowry");
    EXPECT_EQ(Log_Roster_Name_Problems(&where, text), 1) << "full stops of the text left out";
    EXPECT_EQ(where.Team, 6);
    EXPECT_STREQ(text, "RJ Lowry");
    strcpy(text, "Casey Quill");
    EXPECT_EQ(Log_Roster_Name_Problems(&where, text), 0);
    strcpy(text, "Nobody Here");
    EXPECT_EQ(Log_Roster_Name_Problems(&where, text), 0);
    EXPECT_EQ(Read_All("output/roster-doubles.txt"), std::vector<std::string>{"Casey Quill (2)"});
    EXPECT_EQ(Read_All("output/roster-unknowns.txt"), std::vector<std::string>{"Nobody Here"});
}

TEST(RosterText, RosterListingNamesEveryTeamAndTheFreeAgents) {
    Build_Test_League();
    char first_player[PLAYER_NAME_TEXT_SIZE];
    Get_Player_Full_Name(0, 0, first_player);
    char released[PLAYER_NAME_TEXT_SIZE];
    Get_Player_Full_Name(31, 52, released);
    Release_Player_To_Free_Agents(31, 52);
    Output_Rosters();
    const std::vector<std::string> lines = Read_All("output/rosters.txt");
    ASSERT_GT(lines.size(), 3u);
    char team_name[FORMATTED_TEXT_SIZE];
    Get_Team_Full_Name(0, team_name);
    EXPECT_EQ(lines[0], team_name);
    EXPECT_EQ(lines[1], first_player);
    EXPECT_EQ(lines[1 + TEST_ROSTER_SIZE], "");
    // The release tops the thin free-agent pool up to its position minimums,
    // so the released player is one of several free agents.
    const size_t free_agents = 32u * (TEST_ROSTER_SIZE + 2) - 1;
    ASSERT_GT(lines.size(), free_agents + 1);
    EXPECT_EQ(lines[free_agents], "FREE AGENTS");
    EXPECT_EQ(lines.size(),
              free_agents + 1 + static_cast<size_t>(Get_First_Empty_Player_Slot(FREE_AGENT_TEAM)));
    EXPECT_NE(std::find(lines.begin() + static_cast<std::ptrdiff_t>(free_agents), lines.end(), released),
              lines.end());
}

TEST(RosterText, FantasyDraftResultIsCarriedOut) {
    Build_Test_League();
    Reset_Fantasy_Draft_Marks();
    For_Each_League_Player([](int32_t team, int32_t slot) {
        EXPECT_EQ(Get_Player_Vital_Stat(team, slot, VITAL_FANTASY_TEAM), -128);
        EXPECT_EQ(Get_Player_Vital_Stat(team, slot, VITAL_FANTASY_PLACED), 0);
        if (team < MAX_FRANCHISES) Set_Player_Vital_Stat(team, slot, VITAL_FANTASY_TEAM, team);
    });
    const int32_t to_one = Get_Player_ID(0, 5);
    const int32_t to_zero = Get_Player_ID(1, 6);
    const int32_t undrafted = Get_Player_ID(2, 7);
    Set_Player_Vital_Stat(0, 5, VITAL_FANTASY_TEAM, 1);
    Set_Player_Vital_Stat(1, 6, VITAL_FANTASY_TEAM, 0);
    Set_Player_Vital_Stat(2, 7, VITAL_FANTASY_TEAM, -128);
    Set_Header_Flag(HEADER_FLAG_SEASON_LINE_RECORDING, 0);
    Clear_Shown_Messages();
    Implement_Draft_Teams();
    EXPECT_TRUE(Get_Shown_Messages().empty());
    EXPECT_EQ(Where(to_one).first, 1);
    EXPECT_EQ(Where(to_zero).first, 0);
    EXPECT_EQ(Where(undrafted).first, FREE_AGENT_TEAM);
    const auto [team, slot] = Where(to_one);
    EXPECT_EQ(Get_Season_Line_Team(Get_Player_Latest_Season_Line(team, slot)), 1);
    EXPECT_EQ(Get_Season_Line_Year(Get_Player_Latest_Season_Line(team, slot)), TEST_BASE_YEAR);
    For_Each_League_Player(
        [](int32_t t, int32_t s) { EXPECT_NE(Get_Player_Vital_Stat(t, s, VITAL_FANTASY_PLACED), 0); });
    EXPECT_EQ(Get_First_Empty_Player_Slot(2), TEST_ROSTER_SIZE - 1);
    Clear_Fantasy_Draft_Picks();
    For_Each_League_Player(
        [](int32_t t, int32_t s) { EXPECT_EQ(Get_Player_Vital_Stat(t, s, VITAL_FANTASY_PLACED), 0); });
}

TEST(RosterText, AFreeAgentDraftedReachesHisTeamWhenEveryFranchisePlayerStays) {
    Build_Test_League();
    Reset_Fantasy_Draft_Marks();
    // Every franchise player is taken by his own team, so none of them needs
    // a move; the one free agent drafted does.
    For_Each_League_Player([](int32_t team, int32_t slot) {
        if (team < MAX_FRANCHISES) Set_Player_Vital_Stat(team, slot, VITAL_FANTASY_TEAM, team);
    });
    const int32_t id = Get_Player_ID(2, 4);
    Release_Player_To_Free_Agents(2, 4);
    const auto [team, slot] = Where(id);
    ASSERT_EQ(team, FREE_AGENT_TEAM);
    Set_Player_Vital_Stat(team, slot, VITAL_FANTASY_TEAM, 3);
    Clear_Shown_Messages();
    Implement_Draft_Teams();
    EXPECT_TRUE(Get_Shown_Messages().empty());
    EXPECT_EQ(Where(id).first, 3);
}

// A pool nearly full of drafted linebackers waiting for their teams, and no
// player of any other position: each release of an undrafted franchise
// player makes the pool's upkeep make players of the positions it lacks and,
// once it is nearly full, let players go. The new players belong to nobody
// and stay free agents; only players nobody drafted are let go.
TEST(RosterText, ThePoolsUpkeepWhileADraftIsCarriedOutTouchesNoPick) {
    Build_Test_League();
    Reset_Fantasy_Draft_Marks();
    For_Each_League_Player([](int32_t team, int32_t slot) {
        if (team < MAX_FRANCHISES) Set_Player_Vital_Stat(team, slot, VITAL_FANTASY_TEAM, team);
    });
    constexpr int32_t WAITING = 90;
    std::vector<std::pair<int32_t, int32_t>> picks; // id, drafting team
    int32_t drafted[TEST_LEAGUE_TEAMS] = {};
    for (int32_t slot = 0; slot < WAITING; ++slot) {
        const int32_t team = slot % TEST_LEAGUE_TEAMS;
        Fabricate_Position_Player(FREE_AGENT_TEAM, slot, POSITION_LB, 0);
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, slot, VITAL_FANTASY_TEAM, team);
        picks.emplace_back(Get_Player_ID(FREE_AGENT_TEAM, slot), team);
        ++drafted[team];
    }
    // Team 2's last receiver, linebacker and cornerback are nobody's picks.
    for (const int32_t slot : {Test_League_Slot(POSITION_WR, 5), Test_League_Slot(POSITION_LB, 6),
                               Test_League_Slot(POSITION_CB, 4)})
        Set_Player_Vital_Stat(2, slot, VITAL_FANTASY_TEAM, -128);
    Set_Header_Flag(HEADER_FLAG_SEASON_LINE_RECORDING, 0);
    Clear_Shown_Messages();
    Implement_Draft_Teams();
    EXPECT_TRUE(Get_Shown_Messages().empty());
    int32_t gone = 0, elsewhere = 0;
    for (const auto& [id, team] : picks) {
        const int32_t now = Where(id).first;
        gone += now == NO_TEAM;
        elsewhere += now != NO_TEAM && now != team;
    }
    EXPECT_EQ(gone, 0) << "drafted free agents retired";
    EXPECT_EQ(elsewhere, 0) << "drafted free agents not with their teams";
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        EXPECT_EQ(Get_First_Empty_Player_Slot(team), TEST_ROSTER_SIZE + drafted[team] - (team == 2 ? 3 : 0))
            << "team " << team << ": its own players and those it drafted, nobody else";
    const int32_t left = Get_First_Empty_Player_Slot(FREE_AGENT_TEAM);
    EXPECT_GT(left, 1) << "the players the pool made stay free agents";
    for (int32_t slot = 0; slot < left; ++slot)
        EXPECT_EQ(Get_Player_Vital_Stat(FREE_AGENT_TEAM, slot, VITAL_FANTASY_TEAM), -128) << "slot " << slot;
}

TEST(RosterText, RawLastNamesAreConverted) {
    // The installation's name files are kept aside for the other tests.
    std::filesystem::rename("names", "names.kept");
    Clear_Shown_Messages();
    Convert_Raw_Last_Names();
    ASSERT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_EQ(Get_Shown_Messages()[0].Text, "Can't find/open RAWLAST.TXT");
    std::filesystem::create_directories("names");
    std::ofstream("names/rawlast.txt") << "HARGROVE 0.004 12\nMCALLISTER\n\nO'DOWD 1";
    Convert_Raw_Last_Names();
    EXPECT_EQ(Read_All("names/last.txt"), (std::vector<std::string>{"Hargrove", "Mcallister", "O'dowd"}));
    EXPECT_EQ(Get_Shown_Messages().back().Caption, "Task Complete");
    std::filesystem::remove_all("names");
    std::filesystem::rename("names.kept", "names");
}
