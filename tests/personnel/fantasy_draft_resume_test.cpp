// A game saved in an older layout during a fantasy draft keeps the draft's
// state in "<saved game>.draft" beside it: resuming the game reads that file,
// takes it only when it is a draft of the league, and the draft goes on.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "app/main_menu.h"
#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "dialogs/saved_game_dialogs.h"
#include "personnel/fantasy_draft.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "platform/scripted_answers.h"
#include "support/dialog_steps.h"
#include "support/fantasy_draft_files.h"
#include "support/frame_fixture.h"
#include "support/scratch_folder.h"
#include "support/test_league.h"

namespace {
constexpr int32_t ROUND_OFFSET = 8;
constexpr size_t ORDER_OFFSET = 14416;
// A team of the user's.
constexpr int32_t DRAFTING_TEAM = 0;

// The league saved as "Drafting.kor" by a version that kept the draft's
// state beside the game, with `state` as its "Drafting.draft".
void Save_Drafting_Game(const std::vector<uint8_t>& state) {
    Set_Saved_Game_Name("Drafting");
    ASSERT_EQ(Save_Game("Drafting.kor", nullptr), SAVE_OK);
    FILE* file = fopen("Drafting.kor", "r+b");
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(fseek(file, 13, SEEK_SET), 0);
    ASSERT_EQ(fwrite("1300", 1, 4, file), 4u);
    fclose(file);
    Write_Fantasy_Draft_State_File("Drafting.draft", state);
}

// Chooses "Drafting" in the Resume Game dialog, then lets the main window
// run the draft step the load posted, and every step it posts after.
void Resume_Drafting_Game() {
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Choose_Dialog_Line_Reading(dialog, SAVED_GAME_LIST, "Drafting");
        Click_Dialog_Button(dialog, ID_OK);
    });
    ASSERT_EQ(Do_Dialog(Main_Window, RESUME_GAME_DIALOG, 0), 1) << "resumed";
    Pump_Messages();
}

int32_t Count_League_Players() {
    int32_t players = 0;
    For_Each_League_Player([&](int32_t, int32_t) { ++players; });
    return players;
}

std::vector<const SHOWN_MESSAGE*> Messages_Captioned(const std::string& caption) {
    std::vector<const SHOWN_MESSAGE*> found;
    for (const SHOWN_MESSAGE& shown : Get_Shown_Messages())
        if (shown.Caption == caption) found.push_back(&shown);
    return found;
}

class FantasyDraftResume : public LeagueFrameTest {
  protected:
    void SetUp() override {
        LeagueFrameTest::SetUp();
        std::filesystem::create_directories("Output");
        Set_Team_Stat(DRAFTING_TEAM, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
        Set_Fantasy_Draft_Flag(FANTASY_DRAFT_RUNNING);
    }
};
} // namespace

// A file whose round lies past the rounds the draft plays (a changed round
// byte, the order there naming no team) is no draft: the game resumes at the
// round and pick it was saved at, with a fresh order, and asks a team of the
// league for its pick; no team outside the league is put on the clock.
TEST_F(FantasyDraftResume, ARoundPastTheDraftIsNotTaken) {
    const SCRATCH_FOLDER folder("fantasy-resume-past");
    std::filesystem::create_directories("Output");
    // Every team is the user's, so the draft stops at once for whichever
    // team the fresh order puts on the clock.
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        Set_Team_Stat(team, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    std::vector<uint8_t> state = Make_Fantasy_Draft_State(TEST_LEAGUE_TEAMS, 3, 0, 0);
    std::memcpy(Universe.Tail.Fantasy_Draft_State, state.data(), state.size());
    state[ROUND_OFFSET] = 70;
    std::memset(state.data() + ORDER_OFFSET + 70 * FANTASY_DRAFT_TEAMS, 200, FANTASY_DRAFT_TEAMS);
    Save_Drafting_Game(state);
    Clear_Universe();
    Clear_Shown_Messages();

    Resume_Drafting_Game();
    EXPECT_EQ(Get_Fantasy_Draft_Flag(), FANTASY_DRAFT_RUNNING) << "the draft goes on";
    EXPECT_EQ(Get_Fantasy_Draft_Round(), 3);
    EXPECT_EQ(Get_Fantasy_Draft_Pick(), 0);
    const int32_t on_the_clock = Get_Fantasy_Draft_Team();
    ASSERT_TRUE(Is_Active_Team(on_the_clock)) << "team " << on_the_clock;
    EXPECT_EQ(Get_User_Team(), on_the_clock);
    char name[PLAYER_NAME_TEXT_SIZE];
    Get_Team_Full_Name(on_the_clock, name);
    const std::vector<const SHOWN_MESSAGE*> asked = Messages_Captioned("Round 4 / Pick 1");
    ASSERT_EQ(asked.size(), 1u) << "the user is asked once, at the pick the game was saved at";
    EXPECT_EQ(asked[0]->Text.rfind(std::string(name) + ", please make your pick.", 0), 0u) << asked[0]->Text;
    EXPECT_TRUE(Messages_Captioned("Round 71 / Pick 1").empty());
    EXPECT_TRUE(Messages_Captioned("Fantasy Draft Complete").empty());
}

// A whole draft stands at the first pick after its last round: resumed, it
// is taken and the draft completes, though the team that order names there
// is the user's.
TEST_F(FantasyDraftResume, AWholeDraftCompletesWhenResumed) {
    const SCRATCH_FOLDER folder("fantasy-resume-whole");
    std::filesystem::create_directories("Output");
    // Every franchise player was drafted by the team he is with, and the
    // last rounds took the pools' players, as the saved marks say.
    Add_Fantasy_Draft_Pool_Players(TEST_LEAGUE_TEAMS);
    const std::vector<uint8_t> state =
        Make_Fantasy_Draft_State(TEST_LEAGUE_TEAMS, FANTASY_DRAFT_LAST_ROUND, 0, 0);
    Mark_Fantasy_Draft_State_Picks(TEST_LEAGUE_TEAMS, state);
    ASSERT_EQ(state[ORDER_OFFSET + FANTASY_DRAFT_LAST_ROUND * FANTASY_DRAFT_TEAMS], DRAFTING_TEAM);
    std::memcpy(Universe.Tail.Fantasy_Draft_State, state.data(), state.size());
    const int32_t players = Count_League_Players();
    Save_Drafting_Game(state);
    Clear_Universe();
    Clear_Shown_Messages();

    Resume_Drafting_Game();
    EXPECT_EQ(Messages_Captioned("Fantasy Draft Complete").size(), 1u);
    EXPECT_TRUE(Messages_Captioned("Round 66 / Pick 1").empty()) << "nobody picks past the last round";
    EXPECT_TRUE(Messages_Captioned("Error in Implement_Draft_Teams()").empty());
    EXPECT_EQ(Get_Fantasy_Draft_Flag(), FANTASY_DRAFT_NONE);
    EXPECT_EQ(Count_League_Players(), players);
}

// The marks a saved game holds count only as the picks it records: a game
// saved during a draft whose players' marks say otherwise (one team's
// players all marked for another) is resumed with the marks its picks give,
// and the draft is carried out without a player left behind.
TEST_F(FantasyDraftResume, LoadedMarksAreThoseOfTheRecordedPicks) {
    const SCRATCH_FOLDER folder("fantasy-resume-marks");
    std::filesystem::create_directories("Output");
    Add_Fantasy_Draft_Pool_Players(TEST_LEAGUE_TEAMS);
    const std::vector<uint8_t> state =
        Make_Fantasy_Draft_State(TEST_LEAGUE_TEAMS, FANTASY_DRAFT_LAST_ROUND, 0, 0);
    std::memcpy(Universe.Tail.Fantasy_Draft_State, state.data(), state.size());
    Mark_Fantasy_Draft_State_Picks(TEST_LEAGUE_TEAMS, state);
    for (int32_t slot = 0; slot < TEST_ROSTER_SIZE; ++slot)
        Set_Player_Vital_Stat(1, slot, 26, 2);
    const int32_t players = Count_League_Players();
    Set_Saved_Game_Name("Marked");
    ASSERT_EQ(Save_Game("Marked.kor", nullptr), SAVE_OK);
    Clear_Universe();
    Clear_Shown_Messages();

    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Choose_Dialog_Line_Reading(dialog, SAVED_GAME_LIST, "Marked");
        Click_Dialog_Button(dialog, ID_OK);
    });
    ASSERT_EQ(Do_Dialog(Main_Window, RESUME_GAME_DIALOG, 0), 1) << "resumed";
    for (int32_t slot = 0; slot < TEST_ROSTER_SIZE; ++slot)
        EXPECT_EQ(Get_Player_Vital_Stat(1, slot, 26), 1) << "slot " << slot << ", taken by his own team";
    // The user has the computer end the draft.
    Script_Message_Answer("End Fantasy Draft", ID_BOX_YES);
    Send_Window_Message(Main_Window, MSG_COMMAND, ID_FANTASY_DRAFT, 0);
    Pump_Messages();
    EXPECT_EQ(Get_Fantasy_Draft_Flag(), FANTASY_DRAFT_NONE) << "the draft was carried out";
    EXPECT_TRUE(Messages_Captioned("Error in Implement_Draft_Teams()").empty());
    EXPECT_EQ(Count_League_Players(), players);
    for (int32_t slot = 0; slot < TEST_ROSTER_SIZE; ++slot)
        EXPECT_EQ(Team_Of_Player(Test_League_Player_ID(1, slot)), 1)
            << "slot " << slot << " stays with his team";

    // No draft runs: a mark the file holds then records no pick, and every
    // player loads undrafted.
    ASSERT_EQ(Get_Fantasy_Draft_Flag(), FANTASY_DRAFT_NONE);
    Set_Player_Vital_Stat(3, 0, 26, 4);
    ASSERT_EQ(Save_Game("Marked.kor", nullptr), SAVE_OK);
    ASSERT_EQ(Load_Game("Marked.kor"), 1);
    EXPECT_EQ(Get_Player_Vital_Stat(3, 0, 26), -128);
    EXPECT_EQ(Get_Player_Vital_Stat(1, 0, 26), -128);
}
