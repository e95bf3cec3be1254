#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_operations.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "dialogs/roster_moves.h"
#include "frontoffice/roster_limits.h"
#include "frontoffice/roster_minimums.h"
#include "frontoffice/salaries.h"
#include "personnel/fantasy_draft.h"
#include "personnel/free_agent_order.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "platform/scripted_answers.h"
#include "support/fantasy_draft_files.h"
#include "support/installed_seasons.h"
#include "support/test_league.h"

namespace {
constexpr int32_t VITAL_FANTASY_TEAM = 26;

// Runs the posted steps as the main window would, until the draft ends.
int32_t Run_Draft_To_End() {
    int32_t steps = 0;
    while (Get_Fantasy_Draft_Flag() != FANTASY_DRAFT_NONE && steps < 10000) {
        Run_Fantasy_Draft();
        ++steps;
    }
    return steps;
}

std::vector<std::string> Report_Lines() {
    std::ifstream in(FANTASY_DRAFT_REPORT);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

class FantasyDraft : public testing::Test {
  protected:
    void SetUp() override {
        Build_Test_League();
        Seed_Random_Numbers(77);
        Clear_Shown_Messages();
        Clear_Scripted_Answers();
        Reset_Message_Queue();
        std::filesystem::create_directories("Output");
    }
};
} // namespace

TEST_F(FantasyDraft, RedealsEveryPlayerAndLeavesEveryRosterLegal) {
    const std::map<int32_t, int32_t> before = Get_League_Teams_By_Id();
    Begin_Fantasy_Draft(FANTASY_ORDER_RANDOM, FANTASY_ORDER_SNAKE);
    EXPECT_LT(Run_Draft_To_End(), 10000) << "the draft ends";
    EXPECT_EQ(Get_Fantasy_Draft_Flag(), FANTASY_DRAFT_NONE);

    // Every player was drafted: the report lists each once, after its header.
    const std::vector<std::string> report = Report_Lines();
    ASSERT_FALSE(report.empty());
    EXPECT_EQ(report.size() - 1, before.size()) << "one pick for every player of the league";
    EXPECT_EQ(report[70].rfind(" 70. ", 0), 0u) << "the sixth pick of round 2: " << report[70];

    const std::map<int32_t, int32_t> after = Get_League_Teams_By_Id();
    EXPECT_EQ(after.size(), before.size()) << "no player is lost or doubled";
    int32_t moved = 0;
    for (const auto& [id, team] : after) {
        ASSERT_TRUE(before.count(id)) << "player " << id << " appeared";
        moved += before.at(id) != team ? 1 : 0;
    }
    EXPECT_GT(moved, static_cast<int32_t>(before.size()) * 9 / 10) << "the league is dealt anew";

    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
        const int32_t players = Get_First_Empty_Player_Slot(team);
        EXPECT_LE(players, ROSTER_ROOM_LIMIT) << "team " << team;
        for (int32_t slot = players; slot < PLAYERS_PER_TEAM; ++slot)
            EXPECT_FALSE(Is_Player_Slot_Used(team, slot)) << "team " << team << " compact";
        for (int32_t position = 0; position < NUMBER_OF_POSITIONS; ++position)
            EXPECT_GE(Count_Team_Position_Players(team, position), Get_Position_Roster_Minimum(position))
                << "team " << team << " position " << position;
        for (int32_t slot = 0; slot < players; ++slot)
            EXPECT_EQ(Get_Player_Vital_Stat(team, slot, VITAL_FANTASY_TEAM), -128) << "marks cleared";
    }
}

TEST_F(FantasyDraft, OrderOfTheLaterRounds) {
    Set_Fantasy_Draft_Flag(FANTASY_DRAFT_RUNNING);
    // A human team first on the clock stops the draft before any pick.
    Set_Team_Stat(0, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Begin_Fantasy_Draft(FANTASY_ORDER_ALPHABETICAL, FANTASY_ORDER_SNAKE);
    EXPECT_EQ(Get_Fantasy_Draft_Order(0, 0), 0);
    EXPECT_EQ(Get_Fantasy_Draft_Order(1, 0), 31) << "the snake turns: round 1 opens with round 0's last";
    EXPECT_EQ(Get_Fantasy_Draft_Order(2, 0), 0);
    EXPECT_EQ(Get_Fantasy_Draft_Round(), 0);
    EXPECT_EQ(Get_Fantasy_Draft_Pick(), 0) << "waiting for the human pick";
    ASSERT_FALSE(Get_Shown_Messages().empty());
    EXPECT_EQ(Get_Shown_Messages().back().Caption, "Round 1 / Pick 1");

    Begin_Fantasy_Draft(FANTASY_ORDER_RANDOM, FANTASY_ORDER_REPEAT);
    std::vector<int32_t> first;
    for (int32_t pick = 0; pick < TEST_LEAGUE_TEAMS; ++pick) {
        first.push_back(Get_Fantasy_Draft_Order(0, pick));
        EXPECT_EQ(Get_Fantasy_Draft_Order(7, pick), first.back()) << "every round repeats the first";
    }
    std::sort(first.begin(), first.end());
    for (int32_t pick = 0; pick < TEST_LEAGUE_TEAMS; ++pick)
        EXPECT_EQ(first[pick], pick) << "the random first round holds every team once";
    End_Fantasy_Draft_State();
}

TEST_F(FantasyDraft, TargetReachedLeavesNoNeedAtThatPosition) {
    Begin_Fantasy_Draft(FANTASY_ORDER_ALPHABETICAL, FANTASY_ORDER_REVERSE);
    End_Fantasy_Draft_State();
    // Team 3 has drafted its one kicker: kickers are worth nothing to it now.
    Set_Player_Vital_Stat(13, Test_League_Slot(POSITION_K, 0), VITAL_FANTASY_TEAM, 3);
    int32_t needs[NUMBER_OF_POSITIONS];
    Get_Fantasy_Position_Needs(3, needs);
    EXPECT_EQ(needs[POSITION_K], 0);
    EXPECT_EQ(needs[POSITION_QB], 1200);
    EXPECT_EQ(Count_Fantasy_Drafted_At_Position(3, POSITION_K), 1);
    uint8_t team = 0, slot = 0;
    ASSERT_EQ(Choose_Fantasy_Draft_Player(3, &team, &slot), 1);
    EXPECT_NE(Get_Player_Vital_Stat(team, slot, VITAL_POSITION), POSITION_K);
}

TEST_F(FantasyDraft, DamagedStateEndsTheDraftWithEveryPlayerInPlace) {
    const std::map<int32_t, int32_t> before = Get_League_Teams_By_Id();
    Set_Fantasy_Draft_Flag(FANTASY_DRAFT_RUNNING);
    // Round 2 of a table whose order names a team that is not there, its
    // first pick recorded and listed.
    const int32_t round = 2, id = Get_Player_ID(0, 0);
    std::memcpy(Universe.Tail.Fantasy_Draft_State + 8, &round, sizeof round);
    std::memcpy(Universe.Tail.Fantasy_Draft_State + 16, &id, sizeof id);
    Universe.Tail.Fantasy_Draft_State[14416 + 2 * 36 + 5] = 200;
    std::ofstream(FANTASY_DRAFT_REPORT) << " #   TEAM\n  1. a pick\n";
    EXPECT_FALSE(Is_Fantasy_Draft_State_Usable());
    Run_Fantasy_Draft();
    EXPECT_EQ(Get_Fantasy_Draft_Flag(), FANTASY_DRAFT_NONE);
    EXPECT_EQ(Get_League_Teams_By_Id(), before);
    // Its picks undone: none recorded, none listed.
    EXPECT_EQ(Get_Fantasy_Draft_Pick_ID(0, 0), 0);
    EXPECT_EQ(Get_Fantasy_Draft_Round(), 0);
    EXPECT_EQ(Report_Lines().size(), 1u) << "the report's header alone";
    // The user is told, in plain words, not left to find it in the log.
    ASSERT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "Fantasy Draft Ended");
    EXPECT_EQ(Get_Shown_Messages()[0].Text.rfind("The fantasy draft cannot go on from round 3, pick 1,", 0),
              0u)
        << Get_Shown_Messages()[0].Text;
}

TEST_F(FantasyDraft, CancelAbortsAndCancelledAnnouncementsStayOff) {
    const std::map<int32_t, int32_t> before = Get_League_Teams_By_Id();
    Set_Team_Stat(5, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_Fantasy_Announce_Picks(1);
    Script_Message_Answer("Round 1 / Pick 1", ID_BOX_CANCEL);
    Begin_Fantasy_Draft(FANTASY_ORDER_ALPHABETICAL, FANTASY_ORDER_REVERSE);
    EXPECT_EQ(Get_Fantasy_Announce_Picks(), 0) << "cancelled at the first pick";
    for (int32_t step = 0; step < 6; ++step)
        Run_Fantasy_Draft();
    EXPECT_EQ(Get_Fantasy_Draft_Pick(), 5) << "waiting for the human team on the clock";

    // The order dialog's rows: picks made show the player, the next one its team.
    char row[128];
    Format_Fantasy_Draft_Row(0, 5, row, sizeof row);
    EXPECT_STREQ(row, "1\t[Camden Rams]\t");
    Format_Fantasy_Draft_Row(0, 0, row, sizeof row);
    EXPECT_EQ(std::string(row).find("1\t"), 0u);
    EXPECT_EQ(std::string(row).find('['), std::string::npos) << row;
    Set_User_Preference(FANTASY_TEAM_FILTER, 5);
    EXPECT_TRUE(Is_Fantasy_Draft_Row_Shown(0, 5));
    EXPECT_FALSE(Is_Fantasy_Draft_Row_Shown(0, 4));
    Set_User_Preference(FANTASY_TEAM_FILTER, TEST_LEAGUE_TEAMS);
    Set_User_Preference(FANTASY_POSITION_FILTER, POSITION_K);
    EXPECT_FALSE(Is_Fantasy_Draft_Row_Shown(0, 5)) << "a pick to come has no position";
    EXPECT_EQ(Get_Fantasy_Draft_Flag(), FANTASY_DRAFT_RUNNING);

    Script_Message_Answer("End Fantasy Draft", ID_BOX_CANCEL);
    End_Fantasy_Draft_Command();
    EXPECT_EQ(Get_Fantasy_Draft_Flag(), FANTASY_DRAFT_NONE);
    EXPECT_EQ(Get_League_Teams_By_Id(), before) << "an aborted draft moves nobody";
}

TEST_F(FantasyDraft, FinishingRepairsAnAbsurdContractLengthAsTheRepairOfOnePlayerDoes) {
    Begin_Fantasy_Draft(FANTASY_ORDER_RANDOM, FANTASY_ORDER_SNAKE);
    // A player his own team drafted, whose contract length went absurd during the draft.
    const int32_t team = 0, slot = 3;
    const int32_t id = Get_Player_ID(team, slot);
    Set_Player_Vital_Stat(team, slot, VITAL_FANTASY_TEAM, team);
    Set_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS, 2);
    Set_Player_Vital_Stat(team, slot, VITAL_BONUS_YEARS, 300000);
    Finish_Fantasy_Draft();
    EXPECT_EQ(Get_Fantasy_Draft_Flag(), FANTASY_DRAFT_NONE);
    int32_t now = -1;
    for (int32_t s = 0; s < PLAYERS_PER_TEAM; ++s)
        if (Is_Player_Slot_Used(team, s) && Get_Player_ID(team, s) == id) now = s;
    ASSERT_GE(now, 0) << "he stays with the team that drafted him";
    EXPECT_EQ(Get_Player_Vital_Stat(team, now, VITAL_BONUS_YEARS), 2)
        << "the length is the years he has left, not left absurd";
    EXPECT_LE(std::abs(Get_Player_Vital_Stat(team, now, VITAL_SIGNING_BONUS)), 202995);
}

// While the picks are made the user signs any kicker the pool has, and the
// free-agent list (its opening tops the pool up) makes a new one. Nobody has
// drafted him: he counts for no team, any team may take him, and the draft
// carried out leaves him with the team that did, or in the pool.
TEST_F(FantasyDraft, AFreeAgentMadeDuringThePicksIsNobodysPick) {
    const int32_t user = 0;
    Set_Team_Stat(user, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Begin_Fantasy_Draft(FANTASY_ORDER_ALPHABETICAL, FANTASY_ORDER_REVERSE);
    ASSERT_EQ(Get_Fantasy_Draft_Team(), user) << "the user's team is asked first";
    for (int32_t slot = PLAYERS_PER_TEAM - 1; slot >= 0; --slot) {
        if (Is_Player_Slot_Used(FREE_AGENT_TEAM, slot) &&
            Get_Player_Vital_Stat(FREE_AGENT_TEAM, slot, VITAL_POSITION) == POSITION_K) {
            ASSERT_GE(Move_Player_To_Team(user, FREE_AGENT_TEAM, slot), 0);
        }
    }
    Sort_Free_Agents();
    int32_t made = -1;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        if (Is_Player_Slot_Used(FREE_AGENT_TEAM, slot) &&
            Get_Player_Vital_Stat(FREE_AGENT_TEAM, slot, VITAL_POSITION) == POSITION_K)
            made = slot;
    ASSERT_GE(made, 0) << "the pool has a kicker again";
    const int32_t id = Get_Player_ID(FREE_AGENT_TEAM, made);
    EXPECT_EQ(Get_Player_Vital_Stat(FREE_AGENT_TEAM, made, VITAL_FANTASY_TEAM), -128);
    EXPECT_EQ(Count_Fantasy_Drafted_At_Position(user, POSITION_K), 0) << "the user has drafted no kicker";

    // The user takes a quarterback; the computer makes every other pick.
    Announce_Fantasy_Draft_Pick(1, Test_League_Slot(POSITION_QB, 0), user);
    Script_Message_Answer("End Fantasy Draft", ID_BOX_YES);
    End_Fantasy_Draft_Command();
    EXPECT_LT(Run_Draft_To_End(), 10000);
    ASSERT_EQ(Get_Fantasy_Draft_Flag(), FANTASY_DRAFT_NONE);

    const std::map<int32_t, int32_t> team_of_id = Get_League_Teams_By_Id();
    std::map<int32_t, int32_t> drafter;
    for (int32_t round = 0; round < FANTASY_DRAFT_LAST_ROUND; ++round)
        for (int32_t pick = 0; pick < TEST_LEAGUE_TEAMS; ++pick)
            if (Get_Fantasy_Draft_Pick_ID(round, pick) > 0)
                drafter[Get_Fantasy_Draft_Pick_ID(round, pick)] = Get_Fantasy_Draft_Order(round, pick);
    ASSERT_TRUE(team_of_id.count(id)) << "the new kicker is still in the league";
    const auto taken = drafter.find(id);
    EXPECT_EQ(team_of_id.at(id), taken != drafter.end() ? taken->second : FREE_AGENT_TEAM);
    for (const auto& [player, team] : team_of_id) {
        if (team >= TEST_LEAGUE_TEAMS) continue;
        const auto found = drafter.find(player);
        EXPECT_TRUE(found != drafter.end() && found->second == team)
            << "team " << team << " holds player " << player << ", whom it did not draft";
    }
}

namespace {
class FantasyDraftOfASeason : public InstalledDatabasesTest {};
} // namespace

// A 2022 fantasy draft, in the league less the teams the League Editor
// erased with their players, that the user hands to the computer after his
// first pick: every one of the 65 picks of each team reaches it, and every
// rostered player is under contract, a prospect of the college class on a
// replacement's terms with his college seasons kept.
TEST_F(FantasyDraftOfASeason, ThePicksOf2022AllReachTheirTeamsUnderContract) {
    constexpr int32_t TEAMS = 16;
    constexpr int32_t PICKS = TEAMS * FANTASY_DRAFT_LAST_ROUND;
    ASSERT_EQ(Open_Installed_Season(2022), "");
    std::filesystem::create_directories("Output");
    ASSERT_EQ(Count_Active_Teams(), 32);
    for (int32_t team = 31; team >= TEAMS; --team)
        ASSERT_EQ(Erase_Team(team, 1), 1);
    Begin_Fantasy_Draft(FANTASY_ORDER_ALPHABETICAL, FANTASY_ORDER_SNAKE);
    ASSERT_TRUE(Is_Human_Team(Get_Fantasy_Draft_Team()));
    Announce_Fantasy_Draft_Pick(FREE_AGENT_TEAM, 0, 0);
    Script_Message_Answer("End Fantasy Draft", ID_BOX_YES);
    End_Fantasy_Draft_Command();
    EXPECT_LT(Run_Draft_To_End(), 10000);
    ASSERT_EQ(Get_Fantasy_Draft_Flag(), FANTASY_DRAFT_NONE);

    const std::map<int32_t, int32_t> team_of_id = Get_League_Teams_By_Id();
    int32_t placed = 0, prospects = 0, uncontracted = 0;
    for (int32_t overall = 0; overall < PICKS; ++overall) {
        const int32_t round = overall / TEAMS, pick = overall % TEAMS;
        const auto found = team_of_id.find(Get_Fantasy_Draft_Pick_ID(round, pick));
        placed += found != team_of_id.end() && found->second == Get_Fantasy_Draft_Order(round, pick);
    }
    EXPECT_EQ(placed, PICKS) << "picks with the team that made them";
    for (int32_t team = 0; team < TEAMS; ++team) {
        EXPECT_EQ(Get_First_Empty_Player_Slot(team), 65) << "team " << team;
        for (int32_t slot = 0; slot < 65; ++slot) {
            uncontracted += Get_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS) < 1;
            prospects += Get_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS) < 0 &&
                         Get_Player_Vital_Stat(team, slot, VITAL_SALARY) == Get_League_Minimum_Salary(0) &&
                         Get_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS) == 0;
        }
    }
    EXPECT_EQ(uncontracted, 0) << "rostered players under no contract";
    EXPECT_GT(prospects, 100) << "the college class on a replacement's terms";
}
