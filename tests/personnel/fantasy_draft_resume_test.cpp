// A game saved in an older layout during a fantasy draft keeps the draft's
// state in "<saved game>.draft" beside it: resuming the game reads that file,
// takes it only when it is a draft of the league, and the draft goes on.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "app/main_menu.h"
#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "dialogs/league_editor_dialog.h"
#include "dialogs/saved_game_dialogs.h"
#include "dialogs/saved_game_names.h"
#include "personnel/fantasy_draft.h"
#include "personnel/roster_text.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "platform/scripted_answers.h"
#include "platform/windows.h"
#include "support/debug_log.h"
#include "support/dialog_steps.h"
#include "support/fantasy_draft_files.h"
#include "support/file_lines.h"
#include "support/frame_fixture.h"
#include "support/scratch_folder.h"
#include "support/test_league.h"

namespace {
constexpr int32_t ROUND_OFFSET = 8;
constexpr size_t IDS_OFFSET = 16;
constexpr size_t ORDER_OFFSET = 14416;
// A team of the user's.
constexpr int32_t DRAFTING_TEAM = 0;
// The Commissioner menu's League Editor.
constexpr int32_t LEAGUE_EDITOR_COMMAND = 40079;

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

// The draft's state block and the team each player is marked for, by id.
struct DRAFT_MOMENT {
    std::vector<uint8_t> State;
    std::map<int32_t, int32_t> Marks;
    bool operator==(const DRAFT_MOMENT&) const = default;
};

DRAFT_MOMENT Take_Draft_Moment() {
    DRAFT_MOMENT moment;
    moment.State.assign(Universe.Tail.Fantasy_Draft_State,
                        Universe.Tail.Fantasy_Draft_State + sizeof Universe.Tail.Fantasy_Draft_State);
    For_Each_League_Player([&](int32_t team, int32_t slot) {
        moment.Marks[Get_Player_ID(team, slot)] = Get_Player_Vital_Stat(team, slot, 26);
    });
    return moment;
}

// The program started again: nothing of the run that saved the game is left
// (no window, queued message, dialog step or league).
void Start_New_Process() {
    Clear_Dialog_Steps();
    Reset_Frame_State();
    Clear_Universe();
    Start_Frame_Without_Loop();
}

// Chooses `name` in the Resume Game dialog.
void Resume_Game(const std::string& name) {
    Script_Dialog_Step([name](WINDOW_HANDLE dialog) {
        Choose_Dialog_Line_Reading(dialog, SAVED_GAME_LIST, name);
        Click_Dialog_Button(dialog, ID_OK);
    });
    ASSERT_EQ(Do_Dialog(Main_Window, RESUME_GAME_DIALOG, 0), 1) << "resumed";
}

// Saves the game under `name` in the Save Game dialog, once it is opened.
void Script_Save_As(const std::string& name) {
    Script_Dialog_Step([name](WINDOW_HANDLE dialog) {
        Type_Dialog_Text(dialog, SAVE_NAME_EDIT, name);
        Click_Dialog_Button(dialog, ID_OK);
    });
}

// A draft whose first round goes in team-slot order and every later round
// in reverse, with the user's team picking first; he takes team 5's first
// player, and the computer teams then make `computer_picks` picks, the step
// of the next one waiting.
void Draft_Until_Computer_Pick(int32_t computer_picks) {
    Begin_Fantasy_Draft(FANTASY_ORDER_ALPHABETICAL, FANTASY_ORDER_REVERSE);
    ASSERT_EQ(Get_Fantasy_Draft_Team(), DRAFTING_TEAM);
    Announce_Fantasy_Draft_Pick(5, 0, DRAFTING_TEAM);
    for (int32_t step = 0; step < computer_picks; ++step)
        Pump_Messages();
    ASSERT_EQ(Get_Fantasy_Draft_Round(), 0);
    ASSERT_EQ(Get_Fantasy_Draft_Pick(), 1 + computer_picks);
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
// byte, the order there naming no team) is no draft: the draft the saved
// league holds goes on at the round and pick it was saved at, with its own
// order, and asks the team of the league on the clock there for its pick;
// no team outside the league is put on the clock.
TEST_F(FantasyDraftResume, ARoundPastTheDraftIsNotTaken) {
    const SCRATCH_FOLDER folder("fantasy-resume-past");
    std::filesystem::create_directories("Output");
    // Every team is the user's, so the draft stops at once for the team on
    // the clock.
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        Set_Team_Stat(team, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    std::vector<uint8_t> state = Make_Fantasy_Draft_State(TEST_LEAGUE_TEAMS, 3, 0, 0);
    std::memcpy(Universe.Tail.Fantasy_Draft_State, state.data(), state.size());
    Reset_Fantasy_Draft_Marks();
    Mark_Fantasy_Draft_State_Picks(TEST_LEAGUE_TEAMS, state);
    const DRAFT_MOMENT saved = Take_Draft_Moment();
    state[ROUND_OFFSET] = 70;
    std::memset(state.data() + ORDER_OFFSET + 70 * FANTASY_DRAFT_TEAMS, 200, FANTASY_DRAFT_TEAMS);
    Save_Drafting_Game(state);
    Clear_Universe();
    Clear_Shown_Messages();

    Resume_Drafting_Game();
    EXPECT_EQ(Get_Fantasy_Draft_Flag(), FANTASY_DRAFT_RUNNING) << "the draft goes on";
    EXPECT_EQ(Get_Fantasy_Draft_Round(), 3);
    EXPECT_EQ(Get_Fantasy_Draft_Pick(), 0);
    EXPECT_TRUE(Take_Draft_Moment() == saved) << "the saved draft, its picks on the teams that made them";
    const int32_t on_the_clock = Get_Fantasy_Draft_Team();
    ASSERT_EQ(on_the_clock, 0) << "round 4 of the saved order opens with team 0";
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

// Saved through Save Game (Ctrl+S) while the computer teams pick, a draft is
// saved as it stood when Save was pressed, though the game picks on after
// it. Resumed through the Resume Game dialog by the program started again,
// the draft goes on by itself to the user's next pick, every earlier pick
// kept; and once it has ended, "Output/Fantasy Draft.txt" lists each overall
// pick once, in order, naming the player the league records at that pick.
TEST_F(FantasyDraftResume, ADraftSavedWhileTheComputerPicksGoesOnWhenResumed) {
    const SCRATCH_FOLDER folder("fantasy-resume-saved");
    std::filesystem::create_directories("Output");
    Set_Fantasy_Announce_Picks(0);
    Draft_Until_Computer_Pick(5);
    const DRAFT_MOMENT pressed = Take_Draft_Moment();
    Script_Save_As("Draft Save");
    Send_Window_Message(Main_Window, MSG_COMMAND, ID_SAVE_GAME, 0);
    ASSERT_TRUE(std::filesystem::exists("Draft Save.kor"));
    EXPECT_TRUE(Take_Draft_Moment() == pressed) << "no pick is made while the game is saved";
    // The game goes on picking, and writing its report, after the save.
    for (int32_t step = 0; step < 10; ++step)
        Pump_Messages();
    ASSERT_EQ(Get_Fantasy_Draft_Pick(), 16);

    Start_New_Process();
    Clear_Shown_Messages();
    Resume_Game("Draft Save");
    EXPECT_TRUE(Take_Draft_Moment() == pressed)
        << "the file holds the draft as it stood when Save was pressed";
    // Round 2 goes in reverse: the user's team picks last.
    const std::string users_pick = "Round 2 / Pick " + std::to_string(TEST_LEAGUE_TEAMS);
    for (int32_t step = 0; step < 200 && Messages_Captioned(users_pick).empty(); ++step)
        Pump_Messages();
    ASSERT_EQ(Messages_Captioned(users_pick).size(), 1u) << "the draft reaches the user's pick by itself";
    EXPECT_EQ(Get_Shown_Messages().size(), 1u) << "nobody else is asked";
    EXPECT_EQ(Get_Fantasy_Draft_Team(), DRAFTING_TEAM);
    const DRAFT_MOMENT asked = Take_Draft_Moment();
    EXPECT_EQ(Get_Fantasy_Draft_Pick_ID(0, 0), Test_League_Player_ID(5, 0)) << "the user's own pick";
    for (int32_t pick = 0; pick < 6; ++pick) {
        int32_t saved_id = 0;
        std::memcpy(&saved_id, pressed.State.data() + IDS_OFFSET + sizeof saved_id * pick, sizeof saved_id);
        EXPECT_EQ(Get_Fantasy_Draft_Pick_ID(0, pick), saved_id) << "pick " << pick + 1 << " is kept";
        EXPECT_EQ(asked.Marks.at(saved_id), pick)
            << "pick " << pick + 1 << " stays with the team that made it";
    }

    // The user has the computer finish the draft.
    Script_Message_Answer("End Fantasy Draft", ID_BOX_YES);
    Send_Window_Message(Main_Window, MSG_COMMAND, ID_FANTASY_DRAFT, 0);
    for (int32_t step = 0; step < 5000 && Get_Fantasy_Draft_Flag() != FANTASY_DRAFT_NONE; ++step)
        Pump_Messages();
    ASSERT_EQ(Get_Fantasy_Draft_Flag(), FANTASY_DRAFT_NONE) << "the draft has ended";
    const int32_t made = Get_Fantasy_Draft_Round() * TEST_LEAGUE_TEAMS + Get_Fantasy_Draft_Pick();
    const std::vector<std::string> report = Read_File_Lines("Output/Fantasy Draft.txt");
    ASSERT_EQ(report.size(), static_cast<size_t>(made) + 1) << "the header and each pick once";
    Build_Player_ID_Hash();
    for (int32_t overall = 1; overall <= made; ++overall) {
        const int32_t round = (overall - 1) / TEST_LEAGUE_TEAMS, pick = (overall - 1) % TEST_LEAGUE_TEAMS;
        PLAYER_LOCATION at{};
        ASSERT_NE(Lookup_Player_ID_Hash(&at, Get_Fantasy_Draft_Pick_ID(round, pick)), 0)
            << "pick " << overall;
        char team[PLAYER_NAME_TEXT_SIZE], player[PLAYER_NAME_TEXT_SIZE], line[256];
        Get_Team_Full_Name(Get_Fantasy_Draft_Order(round, pick), team);
        Get_Player_Full_Name(at.Team, at.Slot, player);
        snprintf(line, sizeof line, "%3d. %-25s %-25s %s", overall, team, player,
                 Get_Position_Short_Name(Get_Player_Vital_Stat(at.Team, at.Slot, 1)));
        ASSERT_EQ(report[overall], line) << "overall pick " << overall;
    }
}

// No pick of the draft is made while the game is saved: the auto-save and
// the save that the prompt on closing the window offers each hold the draft
// as it stood when they began, and a step that came meanwhile runs once the
// save is over.
TEST_F(FantasyDraftResume, NoPickIsMadeWhileTheGameIsSaved) {
    const SCRATCH_FOLDER folder("fantasy-save-held");
    std::filesystem::create_directories("Output");
    Set_Fantasy_Announce_Picks(0);
    Draft_Until_Computer_Pick(2);
    const DRAFT_MOMENT auto_saved = Take_Draft_Moment();
    Set_Saved_Game_Name("Held");
    Auto_Save_Game();
    EXPECT_TRUE(Take_Draft_Moment() == auto_saved) << "no pick while the game is auto-saved";
    Pump_Messages();
    EXPECT_EQ(Get_Fantasy_Draft_Pick(), 4) << "the waiting step picks once the save is over";

    // The user closes the window and saves the game when asked.
    const DRAFT_MOMENT closed = Take_Draft_Moment();
    Script_Message_Answer("Game Not Saved", ID_BOX_YES);
    Script_Save_As("Closing");
    Send_Window_Message(Main_Window, MSG_CLOSE, 0, 0);
    ASSERT_EQ(Main_Window, NO_WINDOW) << "the window closed";
    EXPECT_TRUE(Take_Draft_Moment() == closed) << "no pick while the game is saved on closing";

    ASSERT_EQ(Load_Game("Held.kor"), 1);
    EXPECT_TRUE(Take_Draft_Moment() == auto_saved) << "the auto-save holds the draft as it stood";
    ASSERT_EQ(Load_Game("Closing.kor"), 1);
    EXPECT_TRUE(Take_Draft_Moment() == closed) << "the save on closing holds the draft as it stood";
}

// A game saved in round 4 of a draft by a version that kept the draft's
// state beside the game, resumed with its ".draft" missing or cut short:
// the draft the saved league holds goes on with its own order, each player
// marked for the team that picked him. A saved league whose draft is not
// whole (a round of its order names a team twice) starts the draft again
// from its first pick with nobody marked. No player is ever marked for a
// team that did not pick him, and the log says what was done.
TEST_F(FantasyDraftResume, AMissingOrCutDraftFileGivesNoPickToAnotherTeam) {
    const SCRATCH_FOLDER folder("fantasy-resume-missing");
    std::filesystem::create_directories("Output");
    const std::vector<uint8_t> state = Make_Fantasy_Draft_State(TEST_LEAGUE_TEAMS, 3, 0, 0);
    // The test league in round 4 of a draft whose state block is `block`,
    // each player of the picks `state` records marked for the team that
    // made it, saved with "Drafting.draft" beside it; then the file is
    // removed or cut short, and the game resumed.
    const auto resume_with_draft_file = [&](const std::vector<uint8_t>& block, bool cut_short) {
        Build_Test_League();
        // Every team is the user's: the draft stops at once to ask for a pick.
        for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
            Set_Team_Stat(team, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
        Set_Fantasy_Draft_Flag(FANTASY_DRAFT_RUNNING);
        std::memcpy(Universe.Tail.Fantasy_Draft_State, block.data(), block.size());
        Reset_Fantasy_Draft_Marks();
        Mark_Fantasy_Draft_State_Picks(TEST_LEAGUE_TEAMS, state);
        const DRAFT_MOMENT saved = Take_Draft_Moment();
        Save_Drafting_Game(state);
        if (cut_short)
            std::filesystem::resize_file("Drafting.draft", state.size() / 2);
        else
            std::filesystem::remove("Drafting.draft");
        Clear_Universe();
        Clear_Shown_Messages();
        Clear_Debug_Log();
        Resume_Drafting_Game();
        return saved;
    };

    for (const bool cut_short : {false, true}) {
        SCOPED_TRACE(cut_short ? "cut short" : "missing");
        const DRAFT_MOMENT saved = resume_with_draft_file(state, cut_short);
        EXPECT_TRUE(Take_Draft_Moment() == saved) << "the saved draft goes on, its picks on their teams";
        EXPECT_EQ(Messages_Captioned("Round 4 / Pick 1").size(), 1u);
        EXPECT_EQ(Count_Debug_Lines("the saved game's own draft goes on from round 4, pick 1"), 1)
            << Read_Debug_Log_Text();
    }

    // Round 2 of the saved order names team 3 twice: the picks it records
    // were made on no order the league can go on with.
    std::vector<uint8_t> broken = state;
    broken[ORDER_OFFSET + FANTASY_DRAFT_TEAMS + 4] = 3;
    resume_with_draft_file(broken, false);
    for (const auto& [id, mark] : Take_Draft_Moment().Marks)
        EXPECT_EQ(mark, -128) << "player " << id << " is drafted by nobody";
    EXPECT_EQ(Get_Fantasy_Draft_Round(), 0);
    EXPECT_EQ(Get_Fantasy_Draft_Pick(), 0);
    EXPECT_EQ(Get_Fantasy_Draft_Pick_ID(0, 0), 0) << "no pick is recorded";
    EXPECT_EQ(Messages_Captioned("Round 1 / Pick 1").size(), 1u);
    EXPECT_EQ(
        Count_Debug_Lines("the saved game holds no whole draft (team 3 picks more than once in round 2): "
                          "the draft starts again from its first pick"),
        1)
        << Read_Debug_Log_Text();
}

// The user resumes another game while a computer team's pick is being made
// (the step lets the window's messages through before it chooses). In the
// game resumed the same pick is on the clock, but the team is the user's:
// no pick is made for it, and the user is asked once.
TEST_F(FantasyDraftResume, AGameResumedDuringAComputerPickGetsNoPickForItsUsersTeam) {
    const SCRATCH_FOLDER folder("fantasy-resume-mid-pick");
    std::filesystem::create_directories("Output");
    Set_Fantasy_Announce_Picks(0);
    Draft_Until_Computer_Pick(2);
    const int32_t team = Get_Fantasy_Draft_Team();
    Set_Team_Stat(team, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Script_Save_As("His Turn");
    Send_Window_Message(Main_Window, MSG_COMMAND, ID_SAVE_GAME, 0);
    Set_Team_Stat(team, TEAM_STAT_CONTROL, TEAM_CONTROL_COMPUTER);
    Clear_Shown_Messages();
    // The computer's step is waiting; the Resume command comes while it runs.
    Post_Window_Message(Main_Window, MSG_COMMAND, ID_RESUME_GAME, 0);
    Script_Message_Answer("Game Not Saved", ID_BOX_NO);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Choose_Dialog_Line_Reading(dialog, SAVED_GAME_LIST, "His Turn");
        Click_Dialog_Button(dialog, ID_OK);
    });
    for (int32_t step = 0; step < 5; ++step)
        Pump_Messages();
    EXPECT_EQ(Get_Team_Stat(team, TEAM_STAT_CONTROL), TEAM_CONTROL_HUMAN) << "the game was resumed";
    EXPECT_EQ(Get_Fantasy_Draft_Pick(), 3) << "no pick was made for the user's team";
    EXPECT_EQ(Get_Fantasy_Draft_Pick_ID(0, 3), 0);
    EXPECT_EQ(Messages_Captioned("Round 1 / Pick 4").size(), 1u) << "the user is asked once";

    // He picks; while the computer picks for the next team, the League
    // Editor hands every team to him: that team is asked too, not picked for.
    Announce_Fantasy_Draft_Pick(5, 1, team);
    Set_User_Preference(COMMISSIONER_MODE, 1);
    Post_Window_Message(Main_Window, MSG_COMMAND, LEAGUE_EDITOR_COMMAND, 0);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Script_Message_Answer("Human Control", ID_BOX_YES);
        Click_Dialog_Button(dialog, ALL_HUMAN_BUTTON);
        Click_Dialog_Button(dialog, ID_OK);
    });
    for (int32_t step = 0; step < 5; ++step)
        Pump_Messages();
    EXPECT_EQ(Get_Team_Stat(team + 1, TEAM_STAT_CONTROL), TEAM_CONTROL_HUMAN);
    EXPECT_EQ(Get_Fantasy_Draft_Pick(), 4) << "no pick was made for the team handed to the user";
    EXPECT_EQ(Messages_Captioned("Round 1 / Pick 5").size(), 1u) << "the user is asked for it";
}
