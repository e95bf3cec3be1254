// A fantasy draft late in its rounds, when the free agents' list is full of
// players the teams have drafted and waits for the draft's end to let them
// go: the user's erase of a team in the League Editor ends the draft and then
// eliminates only the least valuable players its box names, and his release
// from the Defense page either moves the player or tells him that he stays.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/main_window_title.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_record_layout.h"
#include "database/position_evaluation.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "dialogs/depth_chart_page.h"
#include "dialogs/league_editor_dialog.h"
#include "personnel/fantasy_draft.h"
#include "personnel/fantasy_marks.h"
#include "personnel/roster_text.h"
#include "platform/dialogs.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "platform/scripted_answers.h"
#include "platform/windows.h"
#include "support/dialog_steps.h"
#include "support/fantasy_draft_files.h"
#include "support/frame_fixture.h"
#include "support/test_league.h"

namespace {
// The Commissioner menu's League Editor and the Team menu's Defense page.
constexpr int32_t LEAGUE_EDITOR_COMMAND = 40079;
constexpr int32_t DEFENSE_COMMAND = 40020;
// The user's team picks fourth in every round. By his pick of this round the
// draft has taken every roster player and, after them, the free agents but
// the last one.
constexpr int32_t USER = 3;
constexpr int32_t ROUND = TEST_ROSTER_SIZE + 3;
constexpr int32_t VITAL_FANTASY_TEAM = 26;
constexpr int32_t VITAL_FANTASY_PLACED = 27;
// A free agent's ratings against a roster player's.
constexpr float FREE_AGENT_STRENGTH = 0.85f;

int32_t Count_Undrafted_Free_Agents() {
    int32_t undrafted = 0;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        if (Is_Player_Slot_Used(FREE_AGENT_TEAM, slot) && Is_Fantasy_Undrafted(FREE_AGENT_TEAM, slot))
            ++undrafted;
    return undrafted;
}

std::vector<int32_t> Roster_Ids(int32_t team) {
    std::vector<int32_t> ids;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        if (Is_Player_Slot_Used(team, slot)) ids.push_back(Get_Player_ID(team, slot));
    return ids;
}

// The free agents made like those of a league's list: every position at
// least at its minimum, each player a weaker copy of a roster player, who
// keeps the id the draft recorded for his slot.
void Make_Free_Agents_Weaker_Copies() {
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        PLAYER_RECORD player = Universe.Teams[slot % TEST_LEAGUE_TEAMS].Players[slot % TEST_ROSTER_SIZE];
        const PLAYER_RECORD& held = Universe.Teams[FREE_AGENT_TEAM].Players[slot];
        player.Vital_Stats[VITAL_PLAYER_ID] = held.Vital_Stats[VITAL_PLAYER_ID];
        for (const int32_t vital : {VITAL_FANTASY_TEAM, VITAL_FANTASY_PLACED})
            player.Vital_Stats[vital] = held.Vital_Stats[vital];
        for (int32_t& link : player.Season_Line_Links)
            link = -1;
        player.Latest_Season_Line = -1;
        for (float& rating : player.Ratings)
            rating *= FREE_AGENT_STRENGTH;
        Copy_Player_From_Memory(FREE_AGENT_TEAM, slot, &player);
    }
}

std::vector<const SHOWN_MESSAGE*> Messages_Captioned(const std::string& caption) {
    std::vector<const SHOWN_MESSAGE*> found;
    for (const SHOWN_MESSAGE& shown : Get_Shown_Messages())
        if (shown.Caption == caption) found.push_back(&shown);
    return found;
}

// The test league with a full free-agent list and full college pools, its
// draft resumed at the user's pick of ROUND: every roster player taken by
// his own team, then the pools' players in turn, so that 99 of the 100 free
// agents are drafted. The free agents are weaker than the rosters' players.
class FantasyDraftFullPool : public LeagueFrameTest {
  protected:
    void SetUp() override {
        LeagueFrameTest::SetUp();
        std::filesystem::create_directories("Output");
        Add_Fantasy_Draft_Pool_Players(TEST_LEAGUE_TEAMS);
        Make_Free_Agents_Weaker_Copies();
        Reset_Fantasy_Draft_Marks();
        const std::vector<uint8_t> state = Make_Fantasy_Draft_State(TEST_LEAGUE_TEAMS, ROUND, USER, 0);
        std::memcpy(Universe.Tail.Fantasy_Draft_State, state.data(), state.size());
        Mark_Fantasy_Draft_State_Picks(TEST_LEAGUE_TEAMS, state);
        Set_Fantasy_Draft_Flag(FANTASY_DRAFT_RUNNING);
        Set_Team_Stat(USER, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
        Set_User_Team(USER);
        Set_User_Preference(VIEWED_TEAM, USER);
        Continue_Loaded_Fantasy_Draft();
        Pump_Messages();
        ASSERT_EQ(Messages_Captioned("Round " + std::to_string(ROUND + 1) + " / Pick 4").size(), 1u)
            << "the user is asked for his pick";
        ASSERT_EQ(Get_First_Empty_Player_Slot(FREE_AGENT_TEAM), PLAYERS_PER_TEAM);
        ASSERT_EQ(Count_Undrafted_Free_Agents(), 1);
        Clear_Shown_Messages();
    }
};

// A player's rating at his own position.
float Rating_Of(int32_t team, int32_t slot) {
    return Get_Player_Position_Rating(team, slot, Get_Player_Vital_Stat(team, slot, VITAL_POSITION));
}
} // namespace

// The user turns Commissioner Mode on, erases the league's last team in the
// League Editor sending its players to the Free Agent list, and answers OK to
// the box that the least valuable of them will be eliminated. The draft ends
// first, told as ended by the erase, with every player where he stood; then
// the players go as outside a draft: no more are gone than the box said,
// those gone are the least valuable of the list and the team, and no draft
// stands still afterwards.
TEST_F(FantasyDraftFullPool, ErasingATeamEndsTheDraftAndEliminatesOnlyTheLeastValuable) {
    constexpr int32_t ERASED = TEST_LEAGUE_TEAMS - 1;
    const std::map<int32_t, int32_t> before = Get_League_Teams_By_Id();
    // The players of the list and of the erased team, with their ratings.
    std::map<int32_t, float> rating;
    for (const int32_t team : {FREE_AGENT_TEAM, ERASED})
        for (int32_t slot = 0; slot < Get_First_Empty_Player_Slot(team); ++slot)
            rating[Get_Player_ID(team, slot)] = Rating_Of(team, slot);
    Set_User_Preference(COMMISSIONER_MODE, 1);
    Set_User_Preference(VIEWED_TEAM, ERASED);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Script_Message_Answer("Erase Team", ID_BOX_NO);
        Script_Message_Answer("Not Enough Room", ID_BOX_YES);
        Click_Dialog_Button(dialog, ERASE_TEAM_BUTTON);
        Click_Dialog_Button(dialog, ID_OK);
    });
    Send_Window_Message(Main_Window, MSG_COMMAND, LEAGUE_EDITOR_COMMAND, 0);
    ASSERT_EQ(Count_Active_Teams(), TEST_LEAGUE_TEAMS - 1);

    const auto room = Messages_Captioned("Not Enough Room");
    ASSERT_EQ(room.size(), 1u);
    EXPECT_NE(room[0]->Text.find("The least valuable " + std::to_string(TEST_ROSTER_SIZE) + " players"),
              std::string::npos)
        << room[0]->Text;
    const auto ended = Messages_Captioned("Fantasy Draft Ended");
    ASSERT_EQ(ended.size(), 1u) << "the draft was ended, and told";
    EXPECT_EQ(ended[0]->Text.rfind("Erasing the ", 0), 0u) << ended[0]->Text;
    EXPECT_EQ(Get_Fantasy_Draft_Flag(), FANTASY_DRAFT_NONE);
    const std::string title = Get_Shown_Main_Window_Title();
    EXPECT_EQ(title.find("Fantasy Draft"), std::string::npos) << title;

    // Who is gone: only players of the list and the erased team, as many as
    // the box said, rated lower than the list's players kept; everybody else
    // stays where he stood, the draft's picks undone.
    const std::map<int32_t, int32_t> after = Get_League_Teams_By_Id();
    std::vector<int32_t> gone;
    for (const auto& [id, team] : before) {
        const auto now = after.find(id);
        if (now == after.end()) {
            EXPECT_TRUE(team == FREE_AGENT_TEAM || team == ERASED) << "player " << id << " of team " << team;
            gone.push_back(id);
        } else {
            EXPECT_EQ(now->second, team == ERASED ? FREE_AGENT_TEAM : team) << "player " << id;
        }
    }
    EXPECT_EQ(static_cast<int32_t>(gone.size()), TEST_ROSTER_SIZE) << "as many as the box said";
    ASSERT_EQ(Get_First_Empty_Player_Slot(FREE_AGENT_TEAM), PLAYERS_PER_TEAM);
    float gone_sum = 0.0f, kept_sum = 0.0f;
    for (const int32_t id : gone)
        gone_sum += rating[id];
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        const int32_t id = Get_Player_ID(FREE_AGENT_TEAM, slot);
        if (rating.count(id) != 0) kept_sum += rating[id];
    }
    const float gone_mean = gone_sum / static_cast<float>(gone.size());
    const float kept_mean = kept_sum / PLAYERS_PER_TEAM;
    EXPECT_LT(gone_mean, kept_mean) << "the least valuable go";

    // Nothing of the draft stands: a posted step finds none.
    WINDOW_MESSAGE waiting{};
    for (int32_t step = 0; step < 10 && Peek_Window_Message(&waiting, false); ++step)
        Pump_Messages();
    EXPECT_EQ(Get_Fantasy_Draft_Flag(), FANTASY_DRAFT_NONE);
}

// Team > Defense, Release, Yes, twice: the first release lets the list's one
// player nobody drafted go and moves the player; after it the list holds
// only drafted players, and the second is told that the player stays, the
// roster and the list as they were.
TEST_F(FantasyDraftFullPool, AReleaseTheFullListRefusesIsToldAndLeavesTheRoster) {
    Set_User_Preference(COMMISSIONER_MODE, 1);
    Script_Message_Answer("Release Player?", ID_BOX_YES);
    Script_Message_Answer("Release Player?", ID_BOX_YES);
    std::vector<int32_t> released;
    std::vector<std::vector<int32_t>> rosters, lists;
    std::vector<size_t> told;
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        for (int32_t release = 0; release < 2; ++release) {
            Choose_Dialog_Line(dialog, DEPTH_RESERVE_LIST, 0);
            released.push_back(Get_Player_ID(USER, Get_Selected_Depth_Slot(dialog, DEPTH_RESERVE_LIST)));
            Click_Dialog_Button(dialog, DEPTH_RELEASE);
            rosters.push_back(Roster_Ids(USER));
            lists.push_back(Roster_Ids(FREE_AGENT_TEAM));
            told.push_back(Messages_Captioned("Player Not Released").size());
        }
        Click_Dialog_Button(dialog, ID_OK);
    });
    const std::vector<int32_t> roster = Roster_Ids(USER);
    const std::vector<int32_t> list = Roster_Ids(FREE_AGENT_TEAM);
    Send_Window_Message(Main_Window, MSG_COMMAND, DEFENSE_COMMAND, 0);
    ASSERT_EQ(released.size(), 2u);
    EXPECT_EQ(Messages_Captioned("Release Player?").size(), 2u) << "both were confirmed";

    // The first is made: the player has left the roster for the list.
    EXPECT_EQ(told[0], 0u);
    EXPECT_EQ(rosters[0].size() + 1, roster.size());
    EXPECT_EQ(std::count(rosters[0].begin(), rosters[0].end(), released[0]), 0);
    EXPECT_EQ(std::count(lists[0].begin(), lists[0].end(), released[0]), 1);
    EXPECT_EQ(lists[0].size(), list.size()) << "the list's undrafted player made room";
    EXPECT_EQ(Count_Undrafted_Free_Agents(), 0);

    // The second is told, and nothing moves.
    ASSERT_EQ(told[1], 1u);
    char name[PLAYER_NAME_TEXT_SIZE] = "";
    const std::map<int32_t, int32_t> teams = Get_League_Teams_By_Id();
    ASSERT_EQ(teams.at(released[1]), USER) << "he stays";
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        if (Is_Player_Slot_Used(USER, slot) && Get_Player_ID(USER, slot) == released[1])
            Get_Player_Full_Name(USER, slot, name);
    const std::string text = Messages_Captioned("Player Not Released")[0]->Text;
    EXPECT_EQ(text.rfind(std::string(name) + " stays on the roster.", 0), 0u) << text;
    EXPECT_NE(text.find("until the Fantasy Draft ends"), std::string::npos) << text;
    EXPECT_EQ(rosters[1], rosters[0]) << "the roster is unchanged";
    EXPECT_EQ(lists[1], lists[0]) << "the list is unchanged";
    EXPECT_EQ(Roster_Ids(USER), rosters[1]);
    EXPECT_EQ(Get_Fantasy_Draft_Flag(), FANTASY_DRAFT_RUNNING) << "the draft goes on";
}
