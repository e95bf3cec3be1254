// The Advanced Tools dialog from the Tools menu: every button, which ones
// close the dialog first, the builds' questions, and the small operations of
// its own by value.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>
#include <string>
#include <vector>

#include "app/main_menu.h"
#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "personnel/draft_pool_players.h"
#include "personnel/draft_state.h"
#include "personnel/fantasy_draft.h"
#include "personnel/player_generation.h"
#include "platform/message_box.h"
#include "platform/scripted_answers.h"
#include "platform/windows.h"
#include "support/debug_log.h"
#include "support/dialog_steps.h"
#include "support/frame_fixture.h"
#include "support/installation_folders.h"
#include "support/test_league.h"
#include "tools/advanced_tools_dialog.h"
#include "tools/payroll_balance.h"

namespace {
constexpr int32_t FINANCE_PAYROLL = 89;

class AdvancedTools : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        Build_Test_League();
        Clear_Dialog_Steps();
        Clear_Debug_Log();
        Remove_Output_Folders();
        Start_Frame_Without_Loop();
        Link_Installation_Folders();
    }
    void TearDown() override {
        Clear_Dialog_Steps();
        Unlink_Installation_Folders();
        Remove_Output_Folders();
        std::filesystem::remove_all("outside");
        FrameTest::TearDown();
    }
    // The output folder is found whatever its case, so every spelling of it
    // that a tool may have made goes.
    static void Remove_Output_Folders() {
        std::error_code error;
        std::vector<std::filesystem::path> found;
        for (const auto& entry : std::filesystem::directory_iterator(".", error)) {
            std::string name = entry.path().filename().string();
            for (char& c : name)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            if (name == "output") found.push_back(entry.path());
        }
        for (const std::filesystem::path& folder : found)
            std::filesystem::remove_all(folder, error);
    }
};

bool Was_Told(const std::string& caption, const std::string& text) {
    for (const SHOWN_MESSAGE& shown : Get_Shown_Messages())
        if (shown.Caption == caption && (text.empty() || shown.Text == text)) return true;
    return false;
}

void Write_Text(const std::string& name, const std::string& text) {
    std::filesystem::create_directories(std::filesystem::path(name).parent_path());
    std::ofstream(name) << text;
}

bool Leaders_Are_Empty() {
    for (uint8_t byte : Universe.Tail.All_Time_Leaders)
        if (byte != 0) return false;
    return true;
}

// Runs the dialog from the Tools menu with one scripted step; returns the
// dialog's result as the frame saw it (the last dialog opened is 175).
void Open_From_Tools_Menu(std::function<void(WINDOW_HANDLE)> step) {
    Script_Dialog_Step(std::move(step));
    EXPECT_TRUE(Do_Main_Window_Command(Main_Window, 40094));
    EXPECT_EQ(Get_Last_Dialog_Id(), ADVANCED_TOOLS_DIALOG);
}
} // namespace

TEST_F(AdvancedTools, ButtonsThatLeaveTheDialogOpenRunOneAfterAnother) {
    Set_Player_Vital_Stat(2, 3, VITAL_WEEKS_OUT, 4);
    Set_Player_Vital_Stat(5, 1, VITAL_WEEKS_OUT, 1);
    Universe.Tail.All_Time_Leaders[100] = 7;
    Write_Text("Output/Box-01-001.htm", "box");
    Clear_Desktop_Requests();
    Open_From_Tools_Menu([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Dialog_Item(dialog, TOOL_SPECIAL), NO_WINDOW) << "a shipped build has no special tool";
        EXPECT_FALSE(Is_Window_Visible(Get_Dialog_Item(dialog, TOOL_ENCYCLOPEDIA)));
        EXPECT_TRUE(Is_Window_Visible(Get_Dialog_Item(dialog, TOOL_HISTORICAL_DATABASE)));
        Keep_Dialog_Picture(dialog, "advanced_tools");
        Click_Dialog_Button(dialog, TOOL_CLEAR_INJURIES);
        EXPECT_TRUE(Was_Told("Clear Injuries", "Injuries removed for 2 players."));
        Click_Dialog_Button(dialog, TOOL_CLEAR_INJURIES);
        EXPECT_TRUE(Was_Told("Clear Injuries", "No injured players were found."));
        Click_Dialog_Button(dialog, TOOL_CLEAR_LEADERS);
        EXPECT_TRUE(Leaders_Are_Empty());
        Click_Dialog_Button(dialog, TOOL_CLEAR_OUTPUT);
        EXPECT_FALSE(std::filesystem::exists("Output/Box-01-001.htm"));
        Click_Dialog_Button(dialog, TOOL_SORT_TEAMS);
        Click_Dialog_Button(dialog, TOOL_CALIBRATE_RATINGS);
        Click_Dialog_Button(dialog, TOOL_LOAD_RATINGS);
        Click_Dialog_Button(dialog, TOOL_EXPORT_RATINGS);
        Click_Dialog_Button(dialog, TOOL_HELP);
        // A cancelled historical question keeps the dialog open.
        Script_Message_Answer("Create Historical Database", ID_BOX_CANCEL);
        Click_Dialog_Button(dialog, TOOL_HISTORICAL_DATABASE);
        EXPECT_TRUE(Is_Window_Visible(dialog));
        Click_Dialog_Button(dialog, ID_OK);
    });
    const std::vector<SHOWN_MESSAGE>& shown = Get_Shown_Messages();
    bool asked = false;
    for (const SHOWN_MESSAGE& message : shown)
        if (message.Caption == "Create Historical Database")
            asked = message.Text ==
                    "This will create the 2020 database.\n\n(To create a different season, start "
                    "a New Game in that year.)";
    EXPECT_TRUE(asked);
    EXPECT_EQ(Count_Debug_Lines("Advanced Tools: building"), 0) << "nothing built after a cancel";
    ASSERT_FALSE(Get_Shell_Requests().empty());
    EXPECT_NE(Get_Shell_Requests().back().Target.find("advanced.htm"), std::string::npos);
}

TEST_F(AdvancedTools, ClosingToolsEndTheDialogBeforeTheyRun) {
    // Recalculate Contracts: fresh contracts, then each payroll moved to its
    // level of 92-97 % of the cap.
    Open_From_Tools_Menu(
        [](WINDOW_HANDLE dialog) { Click_Dialog_Button(dialog, TOOL_RECALCULATE_CONTRACTS); });
    const int64_t cap = Get_Universe_Stat(SALARY_CAP);
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
        const int64_t payroll = static_cast<int64_t>(Get_Team_Financial_Stat(team, FINANCE_PAYROLL)) * 1000;
        EXPECT_GE(payroll, cap * 91 / 100) << "team " << team;
        EXPECT_LE(payroll, cap * 98 / 100) << "team " << team;
    }

    // Fill College Draft Pool.
    for (int32_t team = FIRST_COLLEGE_POOL_TEAM; team < TOTAL_NUMBER_OF_TEAMS; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
            Clear_Player(team, slot);
    Open_From_Tools_Menu([](WINDOW_HANDLE dialog) { Click_Dialog_Button(dialog, TOOL_DRAFT_POOL); });
    EXPECT_GT(Count_Draft_Pool_Players(), 0);

    // Import Playbooks and Balance Payrolls.
    Clear_Shown_Messages();
    Open_From_Tools_Menu([](WINDOW_HANDLE dialog) { Click_Dialog_Button(dialog, TOOL_IMPORT_PLAYBOOKS); });
    bool counted = false;
    for (const SHOWN_MESSAGE& shown : Get_Shown_Messages())
        counted = counted || (shown.Caption == "Import Playbooks" &&
                              std::regex_match(shown.Text, std::regex("[0-9]+ Offensive Playbooks loaded.\n\n"
                                                                      "[0-9]+ Defensive Playbooks loaded.")));
    EXPECT_TRUE(counted);
    Open_From_Tools_Menu([](WINDOW_HANDLE dialog) { Click_Dialog_Button(dialog, TOOL_BALANCE_PAYROLLS); });
    EXPECT_TRUE(Get_Open_Modal_Dialogs().empty());
}

// The ids of the draft pool, in pool order.
std::vector<int32_t> Pool_Ids() {
    std::vector<int32_t> ids;
    int32_t team = 0, slot = 0;
    for (int32_t i = 0; Get_Draft_Pool_Player(i, &team, &slot); ++i)
        ids.push_back(Get_Player_ID(team, slot));
    return ids;
}

// A draft waiting on the user's pick keeps the class it started with: the
// command says so and changes nothing; once the draft is over it fills the pool.
TEST_F(AdvancedTools, FillingThePoolWaitsForARunningDraftToEnd) {
    for (int32_t slot = 0; slot < 20; ++slot)
        Fabricate_Position_Player(FIRST_COLLEGE_POOL_TEAM, slot, POSITION_LB, 0);
    Set_User_Preference(CURRENT_WEEK, 100);
    Set_User_Preference(DRAFT_ROUND, 2);
    Set_User_Preference(DRAFT_PICK, 5);
    const std::vector<int32_t> before = Pool_Ids();
    ASSERT_EQ(before.size(), 20u);
    Clear_Shown_Messages();
    Open_From_Tools_Menu([](WINDOW_HANDLE dialog) { Click_Dialog_Button(dialog, TOOL_DRAFT_POOL); });
    EXPECT_EQ(Pool_Ids(), before) << "the running draft's class stays";
    EXPECT_TRUE(Was_Told("Fill College Draft Pool",
                         "The College Draft is under way and picks from the pool it started with.\n\n"
                         "The draft pool can be filled again once the draft is over."));
    EXPECT_EQ(Get_User_Preference(DRAFT_ROUND), 2);

    Set_User_Preference(DRAFT_ROUND, NO_COLLEGE_DRAFT_ROUND);
    Clear_Shown_Messages();
    Open_From_Tools_Menu([](WINDOW_HANDLE dialog) { Click_Dialog_Button(dialog, TOOL_DRAFT_POOL); });
    EXPECT_GT(Pool_Ids().size(), before.size()) << "a whole new class";
    EXPECT_FALSE(Was_Told("Fill College Draft Pool", ""));
}

// A fantasy draft under way has taken prospects of the pool, who wait there
// until the draft is carried out: filling the pool would erase its picks.
TEST_F(AdvancedTools, FillingThePoolWaitsForARunningFantasyDraftToEnd) {
    for (int32_t slot = 0; slot < 20; ++slot)
        Fabricate_Position_Player(FIRST_COLLEGE_POOL_TEAM, slot, POSITION_LB, 0);
    // Every team is the user's, so the draft waits at each pick; the first takes a prospect.
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        Set_Team_Stat(team, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Clear_Shown_Messages();
    Begin_Fantasy_Draft(FANTASY_ORDER_ALPHABETICAL, FANTASY_ORDER_REVERSE);
    const int32_t taken = Get_Player_ID(FIRST_COLLEGE_POOL_TEAM, 4);
    Announce_Fantasy_Draft_Pick(FIRST_COLLEGE_POOL_TEAM, 4, 0);
    const std::vector<int32_t> before = Pool_Ids();
    Open_From_Tools_Menu([](WINDOW_HANDLE dialog) { Click_Dialog_Button(dialog, TOOL_DRAFT_POOL); });
    EXPECT_EQ(Pool_Ids(), before) << "the pool and the prospect drafted from it stay";
    EXPECT_EQ(Team_Of_Player(taken), FIRST_COLLEGE_POOL_TEAM);
    EXPECT_TRUE(Was_Told("Fill College Draft Pool",
                         "The Fantasy Draft is under way and picks from the pool it started with.\n\n"
                         "The draft pool can be filled again once the draft is over."));
    End_Fantasy_Draft_State();
}

TEST_F(AdvancedTools, BuildsOfferToSaveFirstAndKeepTheUsersGameName) {
    Set_Saved_Game_Name("My Season");
    // The game has changed since it was saved: cancelling the save question
    // abandons the build.
    Set_Game_Checksum(Compute_Game_Checksum() + 1);
    Clear_Shown_Messages();
    Script_Message_Answer("Game Not Saved", ID_BOX_CANCEL);
    Open_From_Tools_Menu([](WINDOW_HANDLE dialog) { Click_Dialog_Button(dialog, TOOL_MODERN_DATABASE); });
    EXPECT_TRUE(Was_Told("Game Not Saved", "Save changes to current game since last save?"));
    EXPECT_EQ(Count_Debug_Lines("Advanced Tools: building"), 0);
    EXPECT_STREQ(Universe.Header.Saved_Game_Name, "My Season");

    // Declining to save builds 2022, whatever the season; the reminder
    // follows only a saved build, and a saved build leaves the league without
    // the user's saved-game name, so Save cannot write it over his game.
    Set_Game_Checksum(Compute_Game_Checksum() + 1);
    Script_Message_Answer("Game Not Saved", ID_BOX_NO);
    Open_From_Tools_Menu([](WINDOW_HANDLE dialog) { Click_Dialog_Button(dialog, TOOL_MODERN_DATABASE); });
    EXPECT_EQ(Count_Debug_Lines("Advanced Tools: building the 2022 season database"), 1);
    const bool reminded =
        Was_Told("Create Modern Database", "Reminder: You must start a New Game to load the new database.");
    EXPECT_EQ(reminded, strcmp(Universe.Header.Saved_Game_Name, "My Season") != 0);

    // The historical question answered: the dialog closes before the build,
    // which is of the league's base year.
    Set_Saved_Game_Name("My Season");
    const int32_t year = Get_Universe_Stat(BASE_YEAR);
    Clear_Shown_Messages();
    Script_Message_Answer("Create Historical Database", ID_BOX_YES);
    Script_Message_Answer("Game Not Saved", ID_BOX_NO);
    Open_From_Tools_Menu([](WINDOW_HANDLE dialog) {
        Click_Dialog_Button(dialog, TOOL_HISTORICAL_DATABASE);
        EXPECT_FALSE(Is_Window_Visible(dialog));
    });
    EXPECT_EQ(Count_Debug_Lines("Advanced Tools: building the " + std::to_string(year) + " season database"),
              1);
    // Its second answer builds every historical season.
    Script_Message_Answer("Create Historical Database", ID_BOX_NO);
    Script_Message_Answer("Game Not Saved", ID_BOX_NO);
    Open_From_Tools_Menu([](WINDOW_HANDLE dialog) { Click_Dialog_Button(dialog, TOOL_HISTORICAL_DATABASE); });
    EXPECT_EQ(Count_Debug_Lines("Advanced Tools: building the 1951-2021 season databases"), 1);
}

TEST_F(AdvancedTools, InjuriesAreHealedOnTeamsInUseOnly) {
    Set_Player_Vital_Stat(0, 0, VITAL_WEEKS_OUT, 3);
    Set_Player_Vital_Stat(0, 0, VITAL_INJURY_TYPE, 12);
    Set_Player_Vital_Stat(0, 1, VITAL_WEEKS_OUT, 0);
    Set_Player_Vital_Stat(0, 1, VITAL_INJURY_TYPE, 40);
    Universe.Teams[FREE_AGENT_TEAM].Players[0] = Universe.Teams[1].Players[0];
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_WEEKS_OUT, 2);
    // A franchise slot not in use keeps whatever its records hold.
    Universe.Teams[33].Players[0] = Universe.Teams[1].Players[1];
    Set_Player_Vital_Stat(33, 0, VITAL_WEEKS_OUT, 5);
    EXPECT_EQ(Clear_All_Injuries(), 2);
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VITAL_WEEKS_OUT), 0);
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VITAL_INJURY_TYPE), 12) << "the injury type stays";
    EXPECT_EQ(Get_Player_Vital_Stat(0, 1, VITAL_INJURY_TYPE), 40);
    EXPECT_EQ(Universe.Teams[33].Players[0].Vital_Stats[VITAL_WEEKS_OUT], 5);
    EXPECT_EQ(Clear_All_Injuries(), 0);
}

TEST_F(AdvancedTools, ClearingTheOutputFolderDeletesItsRegularFilesOnly) {
    Clear_Output_Folder();
    EXPECT_FALSE(std::filesystem::exists("Output")) << "no folder, nothing done";
    Write_Text("Output/Stndng20.txt", "standings");
    Write_Text("Output/Ratings/2020_Player_Ratings.csv", "kept");
    Write_Text("outside/precious.txt", "precious");
    std::filesystem::create_symlink(std::filesystem::absolute("outside/precious.txt"), "Output/link.txt");
    Clear_Output_Folder();
    EXPECT_FALSE(std::filesystem::exists("Output/Stndng20.txt"));
    EXPECT_TRUE(std::filesystem::exists("Output/Ratings/2020_Player_Ratings.csv")) << "folders stay whole";
    EXPECT_TRUE(std::filesystem::is_symlink("Output/link.txt")) << "a link is no regular file";
    EXPECT_TRUE(std::filesystem::exists("outside/precious.txt"));
}

TEST_F(AdvancedTools, PayrollLevelsFollowThePayrollAgainstTheCap) {
    const int64_t cap = 200000000;
    EXPECT_EQ(Get_Balanced_Payroll_Target(0, cap), cap * 92 / 100) << "an empty payroll: the floor";
    EXPECT_EQ(Get_Balanced_Payroll_Target(200000, cap), cap * 92 / 100);
    EXPECT_EQ(Get_Balanced_Payroll_Target(288889, cap), cap * 93 / 100) << "13 of the share";
    EXPECT_EQ(Get_Balanced_Payroll_Target(300000, cap), cap * 94 / 100);
    EXPECT_EQ(Get_Balanced_Payroll_Target(400000, cap), cap * 97 / 100) << "twice the cap";
    EXPECT_EQ(Get_Balanced_Payroll_Target(900000, cap), cap * 97 / 100) << "the ceiling";
}
