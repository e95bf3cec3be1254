// A fantasy draft run from the Tools menu over a New Game of an installed
// season, the computer making every pick, ends with each pick on the team
// that made it, no player nobody drafted on a franchise and no drafted player
// gone: also when the user has first signed the free agents of a position the
// pool then has to make again while the draft is carried out, in leagues the
// League Editor shrank, when the League Editor hands the user's team to the
// computer at his pick, and when Edit Player copies a drafted player. An
// erase or an added team in the League Editor ends the draft, told before
// and after, an add the league has no room for tells nothing of the draft,
// and an editor closed with nothing changed asks nothing, whichever human
// team it showed.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <map>
#include <set>
#include <string>

#include "app/main_menu.h"
#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "app/startup.h"
#include "app/team_lists.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_operations.h"
#include "database/team_record.h"
#include "dialogs/edit_player_dialog.h"
#include "dialogs/league_editor_dialog.h"
#include "dialogs/listview_engine.h"
#include "dialogs/new_team.h"
#include "dialogs/player_list_dialog.h"
#include "frontoffice/contract_offer.h"
#include "personnel/fantasy_draft.h"
#include "personnel/team_lookup.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "platform/scripted_answers.h"
#include "season/league_rules.h"
#include "support/dialog_steps.h"
#include "support/fantasy_draft_files.h"
#include "support/frame_fixture.h"
#include "support/installed_seasons.h"
#include "support/test_league.h"

namespace {
// The team that drafted a player (a player field), and the Commissioner
// menu's League Editor.
constexpr int32_t VITAL_FANTASY_TEAM = 26;
constexpr int32_t LEAGUE_EDITOR_COMMAND = 40079;
// The teams a 2022 league keeps once the League Editor has erased the rest
// with their players: the faults these tests look for show as they do in
// the whole league, in half the picks (with a dozen teams some no longer
// show).
constexpr int32_t SMALL_LEAGUE = 16;
// More steps than a draft of 36 teams has picks.
constexpr int32_t MOST_DRAFT_STEPS = 36 * FANTASY_DRAFT_LAST_ROUND + 100;

class FantasyDraftCarryOut : public InstalledFrameTest {
  protected:
    void SetUp() override {
        InstalledFrameTest::SetUp();
        Start_Frame_Without_Loop();
        ASSERT_EQ(Load_Startup_League(), 1);
    }
};

// The test league on the frame.
class FantasyDraftOfTheTestLeague : public LeagueFrameTest {
  protected:
    void SetUp() override {
        LeagueFrameTest::SetUp();
        std::filesystem::create_directories("Output");
    }
};

// New Game of the season, the user's team the first franchise.
void Start_New_Game(int32_t year) {
    Choose_Installed_New_Game(year);
    ASSERT_EQ(Get_Current_Year(), year);
    std::filesystem::create_directories("Output");
    Clear_Shown_Messages();
}

int32_t Find_Free_Agent_At(int32_t position) {
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        if (Is_Player_Slot_Used(FREE_AGENT_TEAM, slot) &&
            Get_Player_Vital_Stat(FREE_AGENT_TEAM, slot, VITAL_POSITION) == position)
            return slot;
    return -1;
}

// The user lists the free agents of each position in turn and signs every
// one of them, each agreeing to the offer; returns how many he signed.
int32_t Sign_Every_Free_Agent_At(std::initializer_list<int32_t> positions) {
    int32_t signed_up = 0;
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        for (const int32_t position : positions) {
            Choose_Dialog_Line(dialog, PLAYER_POSITION_BOX, position);
            // A pool never holds this many of one position.
            for (int32_t slot = Find_Free_Agent_At(position); slot >= 0 && signed_up < 20;
                 slot = Find_Free_Agent_At(position)) {
                const int32_t id = Get_Player_ID(FREE_AGENT_TEAM, slot);
                Select_Listview_Player(Get_Dialog_Item(dialog, PLAYER_LIST_VIEW), FREE_AGENT_TEAM, slot);
                Script_Dialog_Answer(CONTRACT_OFFER_DIALOG, CONTRACT_ACCEPTED);
                Click_Dialog_Button(dialog, PLAYER_ACTION_BUTTON);
                if (Team_Of_Player(id) != Get_User_Team()) break;
                ++signed_up;
            }
        }
        Click_Dialog_Button(dialog, ID_OK);
    });
    Do_Dialog(Main_Window, FREE_AGENTS_DIALOG, 0);
    return signed_up;
}

// Tools > Fantasy Draft with the dialog's defaults, the computer picking
// until the user's first pick.
void Pump_Until_The_User_Is_Asked() {
    // Each pick posts the step of the next, until the user is asked.
    WINDOW_MESSAGE waiting{};
    for (int32_t step = 0; step < MOST_DRAFT_STEPS && Peek_Window_Message(&waiting, false); ++step)
        Pump_Messages();
    ASSERT_EQ(Get_Fantasy_Draft_Flag(), FANTASY_DRAFT_RUNNING) << "waiting for the user's pick";
}

void Start_Fantasy_Draft_From_Tools_Menu() {
    Script_Dialog_Step([](WINDOW_HANDLE dialog) { Click_Dialog_Button(dialog, ID_OK); });
    Send_Window_Message(Main_Window, MSG_COMMAND, ID_FANTASY_DRAFT, 0);
    Pump_Until_The_User_Is_Asked();
}

// At the user's pick he has the computer make all the remaining picks.
void Have_The_Computer_End_The_Draft() {
    Script_Message_Answer("End Fantasy Draft", ID_BOX_YES);
    Send_Window_Message(Main_Window, MSG_COMMAND, ID_FANTASY_DRAFT, 0);
    for (int32_t step = 0; step < MOST_DRAFT_STEPS && Get_Fantasy_Draft_Flag() != FANTASY_DRAFT_NONE; ++step)
        Pump_Messages();
    ASSERT_EQ(Get_Fantasy_Draft_Flag(), FANTASY_DRAFT_NONE) << "the draft was carried out";
}

void Run_Fantasy_Draft_From_Tools_Menu() {
    Start_Fantasy_Draft_From_Tools_Menu();
    Have_The_Computer_End_The_Draft();
}

// What the league shows against the picks the draft recorded: each picked
// player on the team that picked him, every franchise player picked by his
// team. "" when all holds, else the counts and a first example of each.
std::string Find_Carry_Out_Faults(int32_t* picks) {
    const int32_t teams = Count_Active_Teams();
    std::map<int32_t, int32_t> drafter;
    for (int32_t round = 0; round < FANTASY_DRAFT_LAST_ROUND; ++round)
        for (int32_t pick = 0; pick < teams; ++pick) {
            const int32_t id = Get_Fantasy_Draft_Pick_ID(round, pick);
            if (id > 0) drafter[id] = Get_Fantasy_Draft_Order(round, pick);
        }
    *picks = static_cast<int32_t>(drafter.size());
    const std::map<int32_t, int32_t> where = Get_League_Teams_By_Id();
    int32_t gone = 0, elsewhere = 0, undrafted = 0;
    std::string first;
    for (const auto& [id, team] : drafter) {
        const auto found = where.find(id);
        if (found == where.end()) {
            if (gone++ == 0) first += " player " + std::to_string(id) + " gone;";
        } else if (found->second != team) {
            if (elsewhere++ == 0)
                first += " player " + std::to_string(id) + " of team " + std::to_string(team) + " on " +
                         std::to_string(found->second) + ";";
        }
    }
    for (const auto& [id, team] : where) {
        if (team >= teams) continue;
        const auto found = drafter.find(id);
        if (found == drafter.end() || found->second != team) {
            if (undrafted++ == 0)
                first += " team " + std::to_string(team) + " holds player " + std::to_string(id) +
                         (found == drafter.end() ? " nobody drafted;" : " another team drafted;");
        }
    }
    if (gone + elsewhere + undrafted == 0) return "";
    return std::to_string(gone) + " drafted players gone, " + std::to_string(elsewhere) +
           " on another team, " + std::to_string(undrafted) +
           " franchise players not drafted by their team:" + first;
}

bool Was_Told(const std::string& caption) {
    for (const SHOWN_MESSAGE& message : Get_Shown_Messages())
        if (message.Caption == caption) return true;
    return false;
}

// The user turns Commissioner Mode on and has the League Editor erase the
// league's last team other than his own, `count` times: with its players, or
// sending them to the free agents.
void Erase_Last_Teams(int32_t count, bool with_players) {
    Set_User_Preference(COMMISSIONER_MODE, 1);
    for (int32_t n = 0; n < count; ++n) {
        const int32_t teams = Count_Active_Teams();
        Set_User_Preference(VIEWED_TEAM, Get_User_Team() == teams - 1 ? teams - 2 : teams - 1);
        Script_Dialog_Step([with_players](WINDOW_HANDLE dialog) {
            Script_Message_Answer("Erase Team", with_players ? ID_BOX_YES : ID_BOX_NO);
            // Sent to a full pool, the least valuable of them retire.
            if (!with_players) Script_Message_Answer("Not Enough Room", ID_BOX_YES);
            Click_Dialog_Button(dialog, ERASE_TEAM_BUTTON);
            Click_Dialog_Button(dialog, ID_OK);
        });
        Do_Dialog(Main_Window, LEAGUE_EDITOR_DIALOG, 0);
        ASSERT_EQ(Count_Active_Teams(), teams - 1);
    }
    Clear_Shown_Messages();
}

// The League Editor's erase with the players, made on every team but the
// first `first` and those of the nicknames given: a smaller league, whose
// draft takes fewer picks over fewer players.
void Keep_Only_Teams(int32_t first, std::initializer_list<const char*> nicknames = {}) {
    std::set<int32_t> kept;
    for (int32_t team = 0; team < first; ++team)
        kept.insert(team);
    for (const char* nickname : nicknames)
        kept.insert(Find_Team_By_String(nickname));
    // From the last down, so that the slots still to be looked at stay put.
    for (int32_t team = Count_Active_Teams() - 1; team >= 0; --team) {
        if (kept.count(team) == 0) {
            ASSERT_EQ(Erase_Team(team, 1), 1);
        }
    }
    ASSERT_EQ(Count_Active_Teams(), static_cast<int32_t>(kept.size()));
    // The season's games as the editor fits them to the teams left, so that
    // its next visit finds nothing to put right.
    Store_Universe_Stat(GAMES_PER_SEASON,
                        Fit_Season_Games_To_Teams(Get_Universe_Stat(GAMES_PER_SEASON), Count_Active_Teams()));
}

// The test league shrunk to `teams` teams, the first one the user's: a
// draft whose every player is taken in a few rounds.
void Shrink_Test_League(int32_t teams) {
    Build_Test_League();
    Keep_Only_Teams(teams);
    Set_Team_Stat(0, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_User_Team(0);
    Set_User_Preference(VIEWED_TEAM, 0);
    Set_User_Preference(COMMISSIONER_MODE, 0);
    Clear_Shown_Messages();
}

// The shrunk test league's draft started from the Tools menu and taken to
// the user's second pick, every team having made one by then.
void Reach_The_Users_Second_Pick(int32_t teams) {
    Shrink_Test_League(teams);
    Start_Fantasy_Draft_From_Tools_Menu();
    ASSERT_EQ(Get_Fantasy_Draft_Team(), 0) << "the user's team is on the clock";
    uint8_t team = 0, slot = 0;
    ASSERT_EQ(Choose_Fantasy_Draft_Player(0, &team, &slot), 1);
    Announce_Fantasy_Draft_Pick(team, slot, 0);
    Pump_Until_The_User_Is_Asked();
    ASSERT_EQ(Get_Fantasy_Draft_Team(), 0);
    ASSERT_EQ(Get_Fantasy_Draft_Round(), 1);
    Clear_Shown_Messages();
}

std::vector<std::string> Texts_Captioned(const std::string& caption) {
    std::vector<std::string> texts;
    for (const SHOWN_MESSAGE& message : Get_Shown_Messages())
        if (message.Caption == caption) texts.push_back(message.Text);
    return texts;
}

bool Was_Asked_For_A_Pick() {
    for (const SHOWN_MESSAGE& message : Get_Shown_Messages())
        if (message.Text.find("please make your pick") != std::string::npos) return true;
    return false;
}

// The lines of "Output/Fantasy Draft.txt".
int32_t Count_Report_Lines() {
    std::ifstream in(FANTASY_DRAFT_REPORT);
    int32_t lines = 0;
    for (std::string line; std::getline(in, line);)
        ++lines;
    return lines;
}

// In Commissioner Mode the user opens the League Editor, clicks `button`,
// answers its box `caption` with `cancel`, clicks it again and answers with
// `make`, then Done. True when the cancelled box left the draft running and
// the league's teams as they were.
bool Cancel_Then_Make_In_The_Editor(int32_t button, const char* caption, int32_t cancel, int32_t make) {
    Set_User_Preference(COMMISSIONER_MODE, 1);
    const int32_t teams = Count_Active_Teams();
    bool kept = false;
    Script_Dialog_Step([&](WINDOW_HANDLE dialog) {
        Script_Message_Answer(caption, cancel);
        Click_Dialog_Button(dialog, button);
        kept = Get_Fantasy_Draft_Flag() == FANTASY_DRAFT_RUNNING && Count_Active_Teams() == teams;
        Script_Message_Answer(caption, make);
        Click_Dialog_Button(dialog, button);
        Click_Dialog_Button(dialog, ID_OK);
    });
    Send_Window_Message(Main_Window, MSG_COMMAND, LEAGUE_EDITOR_COMMAND, 0);
    Pump_Messages();
    return kept;
}

// In Commissioner Mode the user opens the League Editor from the menu and
// does `steps` in it; the messages it left are then handled, as the main
// loop would (a few: the draft's next step among them).
void Use_The_Editor(void (*steps)(WINDOW_HANDLE)) {
    Set_User_Preference(COMMISSIONER_MODE, 1);
    Script_Dialog_Step(steps);
    Send_Window_Message(Main_Window, MSG_COMMAND, LEAGUE_EDITOR_COMMAND, 0);
    WINDOW_MESSAGE waiting{};
    for (int32_t step = 0; step < 10 && Peek_Window_Message(&waiting, false); ++step)
        Pump_Messages();
}

// A draft the League Editor ended: nobody moved to the team that drafted him,
// no pick is recorded and the report lists none.
void Expect_The_Draft_Undone(const std::map<int32_t, int32_t>& before) {
    EXPECT_EQ(Get_Fantasy_Draft_Flag(), FANTASY_DRAFT_NONE);
    EXPECT_EQ(Count_Report_Lines(), 1) << "the report's header alone";
    int32_t recorded = 0;
    for (int32_t round = 0; round < FANTASY_DRAFT_ROUNDS; ++round)
        for (int32_t pick = 0; pick < FANTASY_DRAFT_TEAMS; ++pick)
            recorded += Get_Fantasy_Draft_Pick_ID(round, pick) != 0;
    EXPECT_EQ(recorded, 0) << "picks still recorded";
    const std::map<int32_t, int32_t> after = Get_League_Teams_By_Id();
    for (const auto& [id, team] : before)
        EXPECT_EQ(after.count(id) != 0 ? after.at(id) : NO_TEAM, team) << "player " << id;
    EXPECT_FALSE(Was_Asked_For_A_Pick());
}

void Expect_Every_Pick_Carried_Out(int32_t expected_picks) {
    int32_t picks = 0;
    EXPECT_EQ(Find_Carry_Out_Faults(&picks), "");
    EXPECT_EQ(picks, expected_picks);
    EXPECT_FALSE(Was_Told("Error in Implement_Draft_Teams()"));
}
} // namespace

// Both fullbacks of the pool signed: the pool makes a fullback again while
// the undrafted franchise players are released, and lets players go to keep
// room; neither may touch a pick.
TEST_F(FantasyDraftCarryOut, TheFullbacksOfThePoolSignedFirst) {
    Start_New_Game(2022);
    Keep_Only_Teams(SMALL_LEAGUE);
    ASSERT_GE(Sign_Every_Free_Agent_At({POSITION_FB}), 1);
    ASSERT_LT(Find_Free_Agent_At(POSITION_FB), 0) << "no fullback left in the pool";
    Run_Fantasy_Draft_From_Tools_Menu();
    Expect_Every_Pick_Carried_Out(SMALL_LEAGUE * FANTASY_DRAFT_LAST_ROUND);
}

// The pool's kicker and punter signed: the pool makes each again.
TEST_F(FantasyDraftCarryOut, TheKickerAndPunterOfThePoolSignedFirst) {
    Start_New_Game(2022);
    Keep_Only_Teams(SMALL_LEAGUE);
    // Listed again, the pool would make a kicker at once: both in one visit.
    ASSERT_GE(Sign_Every_Free_Agent_At({POSITION_K, POSITION_P}), 2);
    ASSERT_LT(Find_Free_Agent_At(POSITION_K), 0);
    ASSERT_LT(Find_Free_Agent_At(POSITION_P), 0);
    Run_Fantasy_Draft_From_Tools_Menu();
    Expect_Every_Pick_Carried_Out(SMALL_LEAGUE * FANTASY_DRAFT_LAST_ROUND);
}

// 1970 with six teams erased, their players sent to the free agents.
TEST_F(FantasyDraftCarryOut, A1970LeagueTheEditorShrankBySixTeams) {
    Start_New_Game(1970);
    const int32_t teams = Count_Active_Teams() - 6;
    Erase_Last_Teams(6, false);
    Run_Fantasy_Draft_From_Tools_Menu();
    Expect_Every_Pick_Carried_Out(teams * FANTASY_DRAFT_LAST_ROUND);
}

// 2022 down to 24 teams, the erased teams' players sent to the free agents.
TEST_F(FantasyDraftCarryOut, A2022LeagueTheEditorShrankTo24Teams) {
    Start_New_Game(2022);
    Erase_Last_Teams(8, false);
    Run_Fantasy_Draft_From_Tools_Menu();
    Expect_Every_Pick_Carried_Out(24 * FANTASY_DRAFT_LAST_ROUND);
}

// The League Editor renames the Jets while the draft waits for the user: the
// team sorts before the Giants and changes slots, and takes its place in the
// order and its picks so far with it.
TEST_F(FantasyDraftCarryOut, ATeamRenamedDuringTheDraftKeepsItsPicks) {
    Start_New_Game(2022);
    Keep_Only_Teams(SMALL_LEAGUE - 2, {"Giants", "Jets"});
    Start_Fantasy_Draft_From_Tools_Menu();
    // The user takes a free agent (as the player list's Draft button does),
    // and by his next pick every team has made one.
    Announce_Fantasy_Draft_Pick(FREE_AGENT_TEAM, 0, Get_Fantasy_Draft_Team());
    Pump_Until_The_User_Is_Asked();
    const int32_t jets = Find_Team_By_String("Jets");
    ASSERT_EQ(Find_Team_By_String("Giants") + 1, jets) << "the Giants sort before the Jets";
    std::set<int32_t> taken_by_jets;
    For_Each_League_Player([&](int32_t team, int32_t slot) {
        if (Get_Player_Vital_Stat(team, slot, VITAL_FANTASY_TEAM) == jets)
            taken_by_jets.insert(Get_Player_ID(team, slot));
    });
    ASSERT_FALSE(taken_by_jets.empty());
    Set_User_Preference(COMMISSIONER_MODE, 1);
    Set_User_Preference(VIEWED_TEAM, jets);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Type_Dialog_Text(dialog, TEAM_NICKNAME_EDIT, "Aces");
        Click_Dialog_Button(dialog, ID_OK);
    });
    Send_Window_Message(Main_Window, MSG_COMMAND, LEAGUE_EDITOR_COMMAND, 0);
    const int32_t aces = Find_Team_By_String("Aces");
    ASSERT_EQ(aces, jets - 1) << "the renamed team sorts before the Giants";
    std::set<int32_t> taken_by_aces;
    For_Each_League_Player([&](int32_t team, int32_t slot) {
        if (Get_Player_Vital_Stat(team, slot, VITAL_FANTASY_TEAM) == aces)
            taken_by_aces.insert(Get_Player_ID(team, slot));
    });
    EXPECT_EQ(taken_by_aces, taken_by_jets);
    Clear_Shown_Messages();
    Have_The_Computer_End_The_Draft();
    EXPECT_FALSE(Was_Told("Fantasy Draft Ended")) << "the draft went on";
    Expect_Every_Pick_Carried_Out(SMALL_LEAGUE * FANTASY_DRAFT_LAST_ROUND);
    for (const int32_t id : taken_by_jets)
        EXPECT_EQ(Get_League_Teams_By_Id()[id], aces) << "player " << id;
}

// At the user's pick he opens the League Editor, says Yes to Commissioner
// Mode and hands his team to the computer, with "All CPU" or with his team's
// Computer button, then Done: the draft goes on by itself to its end, every
// pick carried out to the team that made it.
TEST_F(FantasyDraftOfTheTestLeague, TheDraftGoesOnWhenTheEditorHandsTheTeamOnTheClockToTheComputer) {
    constexpr int32_t TEAMS = 3;
    for (const bool all_cpu : {true, false}) {
        SCOPED_TRACE(all_cpu ? "All CPU" : "his team's Computer button");
        Shrink_Test_League(TEAMS);
        Start_Fantasy_Draft_From_Tools_Menu();
        ASSERT_EQ(Get_Fantasy_Draft_Team(), 0) << "the user's team is on the clock";
        Clear_Shown_Messages();
        Script_Message_Answer("Team Editing Disabled", ID_BOX_YES);
        Script_Dialog_Step([all_cpu](WINDOW_HANDLE dialog) {
            if (all_cpu) {
                Script_Message_Answer("Computer Control", ID_BOX_YES);
                Click_Dialog_Button(dialog, ALL_CPU_BUTTON);
            } else {
                Choose_Dialog_Line(dialog, TEAM_SELECTOR, 0);
                Click_Dialog_Button(dialog, TEAM_COMPUTER_RADIO);
            }
            Click_Dialog_Button(dialog, ID_OK);
        });
        Send_Window_Message(Main_Window, MSG_COMMAND, LEAGUE_EDITOR_COMMAND, 0);
        ASSERT_EQ(Get_User_Preference(COMMISSIONER_MODE), 1);
        ASSERT_EQ(Get_Team_Stat(0, TEAM_STAT_CONTROL), TEAM_CONTROL_COMPUTER);
        // Nothing but the main window's own messages from here on.
        WINDOW_MESSAGE waiting{};
        for (int32_t step = 0; step < MOST_DRAFT_STEPS && Peek_Window_Message(&waiting, false); ++step)
            Pump_Messages();
        EXPECT_EQ(Get_Fantasy_Draft_Flag(), FANTASY_DRAFT_NONE) << "the draft went on to its end";
        EXPECT_TRUE(Was_Told("Fantasy Draft Complete"));
        EXPECT_FALSE(Was_Told("Fantasy Draft Ended"));
        EXPECT_FALSE(Was_Asked_For_A_Pick()) << "nobody is asked";
        Expect_Every_Pick_Carried_Out(TEAMS * TEST_ROSTER_SIZE);
    }
}

// At the user's pick, in Commissioner Mode, Edit Player copies a player
// another team has drafted: the copy is nobody's pick, the draft takes him
// like any other player, and it ends with every roster equal to its picks.
TEST_F(FantasyDraftOfTheTestLeague, ACopyMadeDuringTheDraftIsNobodysPick) {
    constexpr int32_t TEAMS = 3;
    Reach_The_Users_Second_Pick(TEAMS);
    int32_t team = NO_TEAM, slot = NO_PLAYER;
    For_Each_League_Player([&](int32_t owner, int32_t at) {
        if (team == NO_TEAM && Get_Player_Vital_Stat(owner, at, VITAL_FANTASY_TEAM) > 0) {
            team = owner;
            slot = at;
        }
    });
    ASSERT_NE(team, NO_TEAM) << "a player another team drafted";
    Set_User_Preference(COMMISSIONER_MODE, 1);
    Set_User_Preference(SELECTED_PLAYER_TEAM, team);
    Set_User_Preference(SELECTED_PLAYER_SLOT, slot);
    Script_Dialog_Step([](WINDOW_HANDLE dialog) { Click_Dialog_Button(dialog, EDIT_COPY); });
    Script_Dialog_Step([](WINDOW_HANDLE copy) { Click_Dialog_Button(copy, EDIT_DONE); });
    Do_Dialog(Main_Window, EDIT_PLAYER_DIALOG, 0);
    const int32_t copy_team = Get_User_Preference(SELECTED_PLAYER_TEAM);
    const int32_t copy = Get_User_Preference(SELECTED_PLAYER_SLOT);
    char name[PLAYER_NAME_TEXT_SIZE] = "";
    Get_Player_Full_Name(copy_team, copy, name);
    ASSERT_STREQ(name, "New Player");
    EXPECT_EQ(Get_Player_Vital_Stat(copy_team, copy, VITAL_FANTASY_TEAM), -128) << "nobody's pick";
    Have_The_Computer_End_The_Draft();
    Expect_Every_Pick_Carried_Out(TEAMS * TEST_ROSTER_SIZE + 1);
}

// At the user's pick, in Commissioner Mode, the League Editor's erase and
// its added team each say in their box that the draft will end and its
// picks be undone, a box the user may cancel; made, each is named as what
// ended the draft, which leaves no pick recorded or listed. An editor closed
// with nothing changed does not ask the user again for the pick he was
// asked for, and his next pick is asked for as before.
TEST_F(FantasyDraftOfTheTestLeague,
       TheEditorsEraseAndAddTellThatTheyEndTheDraftAndAnUnchangedEditorAsksNothing) {
    constexpr int32_t TEAMS = 3;
    const std::string undone = "no player goes to the team that drafted him.";
    {
        SCOPED_TRACE("an erase");
        Reach_The_Users_Second_Pick(TEAMS);
        ASSERT_GT(Count_Report_Lines(), TEAMS) << "the picks made are listed";
        constexpr int32_t ERASED = TEAMS - 1;
        char name[PLAYER_NAME_TEXT_SIZE] = "";
        Get_Team_Full_Name(ERASED, name);
        std::map<int32_t, int32_t> before = Get_League_Teams_By_Id();
        for (auto& [id, team] : before)
            if (team == ERASED) team = FREE_AGENT_TEAM;
        Set_User_Preference(VIEWED_TEAM, ERASED);
        // "Cancel", then "Move to Free Agent List".
        EXPECT_TRUE(
            Cancel_Then_Make_In_The_Editor(ERASE_TEAM_BUTTON, "Erase Team", ID_BOX_CANCEL, ID_BOX_NO));
        ASSERT_EQ(Count_Active_Teams(), TEAMS - 1);
        const std::vector<std::string> boxes = Texts_Captioned("Erase Team");
        ASSERT_EQ(boxes.size(), 2u);
        EXPECT_EQ(boxes[1], "A fantasy draft is under way. Erasing the " + std::string(name) +
                                " will end it and undo its picks: " + undone +
                                "\n\nWould you like to erase all the team's players?");
        EXPECT_EQ(
            Texts_Captioned("Fantasy Draft Ended"),
            std::vector<std::string>{"Erasing the " + std::string(name) +
                                     " has ended the fantasy draft. Its picks have been undone: " + undone});
        Expect_The_Draft_Undone(before);
    }
    {
        SCOPED_TRACE("an added team");
        Reach_The_Users_Second_Pick(TEAMS);
        const std::map<int32_t, int32_t> before = Get_League_Teams_By_Id();
        // "Cancel", then "Add Team".
        EXPECT_TRUE(Cancel_Then_Make_In_The_Editor(ADD_TEAM_BUTTON, "Add New Team", ID_BOX_NO, ID_BOX_YES));
        ASSERT_EQ(Count_Active_Teams(), TEAMS + 1);
        const std::string warning =
            "A fantasy draft is under way. Adding a team will end it and undo its picks: " + undone;
        EXPECT_EQ(Texts_Captioned("Add New Team"), (std::vector<std::string>{warning, warning}));
        EXPECT_EQ(Texts_Captioned("Fantasy Draft Ended"),
                  std::vector<std::string>{"Adding a team has ended the fantasy draft. Its picks have been "
                                           "undone: " +
                                           undone});
        Expect_The_Draft_Undone(before);
    }
    {
        SCOPED_TRACE("nothing changed");
        Reach_The_Users_Second_Pick(TEAMS);
        const int32_t pick = Get_Fantasy_Draft_Pick();
        Use_The_Editor([](WINDOW_HANDLE dialog) { Click_Dialog_Button(dialog, ID_OK); });
        EXPECT_FALSE(Was_Asked_For_A_Pick()) << "asked again for the pick he was asked for";
        EXPECT_EQ(Get_Fantasy_Draft_Flag(), FANTASY_DRAFT_RUNNING);
        EXPECT_EQ(Get_Fantasy_Draft_Round(), 1);
        EXPECT_EQ(Get_Fantasy_Draft_Pick(), pick);
        uint8_t team = 0, slot = 0;
        ASSERT_EQ(Choose_Fantasy_Draft_Player(0, &team, &slot), 1);
        Announce_Fantasy_Draft_Pick(team, slot, 0);
        Pump_Until_The_User_Is_Asked();
        EXPECT_EQ(Get_Fantasy_Draft_Round(), 2);
        EXPECT_EQ(Texts_Captioned("Round 3 / Pick " + std::to_string(Get_Fantasy_Draft_Pick() + 1)).size(),
                  1u)
            << "his next pick is asked for";
    }
    {
        SCOPED_TRACE("nothing changed, the editor showing another human team");
        Reach_The_Users_Second_Pick(TEAMS);
        const int32_t pick = Get_Fantasy_Draft_Pick();
        Set_Team_Stat(1, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
        Set_User_Preference(VIEWED_TEAM, 1);
        Use_The_Editor([](WINDOW_HANDLE dialog) { Click_Dialog_Button(dialog, ID_OK); });
        EXPECT_EQ(Get_User_Team(), 1) << "the editor made the human team it showed the user's";
        EXPECT_FALSE(Was_Asked_For_A_Pick()) << "asked again for the pick he was asked for";
        EXPECT_EQ(Get_Fantasy_Draft_Flag(), FANTASY_DRAFT_RUNNING);
        EXPECT_EQ(Get_Fantasy_Draft_Round(), 1);
        EXPECT_EQ(Get_Fantasy_Draft_Pick(), pick);
        EXPECT_EQ(Get_Fantasy_Draft_Team(), 0) << "the pick still waits for the team asked";
    }
}

// A league of 36 teams has no room for another: the League Editor's add,
// at the user's pick, is refused without a word of the draft ending, and
// the draft waits on at his pick.
TEST_F(FantasyDraftOfTheTestLeague, AnAddTheLeagueHasNoRoomForIsRefusedWithoutTellingTheDraftEnds) {
    Build_Test_League();
    Store_Universe_Stat(GAMES_PER_SEASON, 14);
    while (Add_New_Team(0) >= 0) {
    }
    ASSERT_EQ(Count_Active_Teams(), MAX_FRANCHISES);
    Set_Team_Stat(0, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_User_Team(0);
    Set_User_Preference(VIEWED_TEAM, 0);
    Set_User_Preference(COMMISSIONER_MODE, 0);
    Start_Fantasy_Draft_From_Tools_Menu();
    const int32_t round = Get_Fantasy_Draft_Round(), pick = Get_Fantasy_Draft_Pick();
    Clear_Shown_Messages();
    Use_The_Editor([](WINDOW_HANDLE dialog) {
        Click_Dialog_Button(dialog, ADD_TEAM_BUTTON);
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Texts_Captioned("Add New Team"), std::vector<std::string>{}) << "no warning of the draft ending";
    EXPECT_EQ(Texts_Captioned("Add Team Failed"), std::vector<std::string>{"Cannot exceed 36 teams in database"});
    EXPECT_FALSE(Was_Asked_For_A_Pick());
    EXPECT_EQ(Count_Active_Teams(), MAX_FRANCHISES);
    EXPECT_EQ(Get_Fantasy_Draft_Flag(), FANTASY_DRAFT_RUNNING);
    EXPECT_EQ(Get_Fantasy_Draft_Round(), round);
    EXPECT_EQ(Get_Fantasy_Draft_Pick(), pick);
}
