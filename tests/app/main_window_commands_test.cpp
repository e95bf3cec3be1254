#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/context_help.h"
#include "app/main_menu.h"
#include "app/main_window.h"
#include "app/main_window_mouse.h"
#include "app/sounds_and_cursors.h"
#include "app/status_bars.h"
#include "app/web_addresses.h"
#include "database/league_structure.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "engine/game_record.h"
#include "platform/backend.h"
#include "platform/desktop.h"
#include "platform/dialogs.h"
#include "platform/message_box.h"
#include "platform/scripted_answers.h"
#include "platform/windows.h"
#include "support/frame_fixture.h"
#include "support/test_league.h"
#include "views/current_view.h"

namespace {
std::string Last_Caption() {
    return Get_Shown_Messages().empty() ? std::string() : Get_Shown_Messages().back().Caption;
}

// Team 0 (human) is at home to team 1 in week 0, and their game is on screen, watched.
void Watch_Game(GAME_RECORD* game) {
    Set_Team_Stat(0, 2, 1);
    Schedule_Game(0, 1, 0, 6, 1300);
    Set_Game_PBP_Flag(0, 0, 1);
    Set_User_Preference(CURRENT_WEEK, 0);
    Set_User_Preference(SIMULATION_RUNNING, 1);
    game->Team[0] = 1;
    game->Team[1] = 0;
    Current_Game = game;
}

std::string Last_Text() {
    return Get_Shown_Messages().empty() ? std::string() : Get_Shown_Messages().back().Text;
}
} // namespace

class MainWindowCommands : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        Build_Test_League();
        Universe.Season_Length = 17;
        Set_User_Preference(DRAFT_ROUND, 7);
        Start_Frame_Without_Loop();
    }
    void TearDown() override {
        Current_Game = nullptr;
        FrameTest::TearDown();
    }
};

TEST_F(MainWindowCommands, TradesWaitForTheDeadlineAndTheSimulation) {
    Set_User_Preference(CURRENT_WEEK, 12);
    EXPECT_TRUE(Do_Main_Window_Command(Main_Window, ID_TRADES));
    EXPECT_EQ(Last_Caption(), "Trading Deadline");
    EXPECT_EQ(Last_Text(), "No trades are allowed after week 12 of the season.");
    Set_User_Preference(COMMISSIONER_MODE, 1);
    EXPECT_TRUE(Is_Trading_Allowed()) << "the commissioner trades any time";
    Set_User_Preference(COMMISSIONER_MODE, 0);
    Set_User_Preference(CURRENT_WEEK, 100);
    EXPECT_TRUE(Is_Trading_Allowed()) << "the off-season";
    Set_User_Preference(CURRENT_WEEK, 4);
    Set_User_Preference(SIMULATION_RUNNING, 1);
    Universe.Header.Target_Week = 6;
    Do_Main_Window_Command(Main_Window, 40089);
    EXPECT_EQ(Last_Caption(), "Game In Progress");
    Set_User_Preference(SIMULATION_RUNNING, 0);
}

TEST_F(MainWindowCommands, BudgetItemsAskInGeneralManagerMode) {
    Set_User_Preference(OWNER_MODE, 0);
    Script_Message_Answer("General Manager Mode", ID_BOX_CANCEL);
    Do_Main_Window_Command(Main_Window, 40024);
    EXPECT_EQ(Get_User_Preference(OWNER_MODE), 1) << "the third button turns Owner Mode on";
    const int32_t shown = static_cast<int32_t>(Get_Shown_Messages().size());
    Do_Main_Window_Command(Main_Window, 40023);
    EXPECT_EQ(static_cast<int32_t>(Get_Shown_Messages().size()), shown) << "no question in Owner Mode";
}

TEST_F(MainWindowCommands, TimeoutsOfTheWatchedGame) {
    GAME_RECORD game{};
    Watch_Game(&game);
    game.Timeouts[1] = 2;
    char nickname[64];
    Get_Team_String(nickname, 0, 2);

    Do_Main_Window_Command(Main_Window, ID_CALL_TIMEOUT);
    EXPECT_EQ(Last_Caption(), "Timeout Called");
    EXPECT_EQ(Last_Text(),
              "The " + std::string(nickname) + " call timeout. They have one timeout remaining.");
    EXPECT_EQ(game.Timeouts[1], 1);
    Do_Main_Window_Command(Main_Window, ID_TIMEOUT_KEY);
    EXPECT_EQ(Last_Caption(), "No Timeout Needed") << "the clock stopped with the first";
    game.Down_Word &= ~(CLOCK_STOPPED_BIT | CLOCK_STOPPED_PAIR_BIT);
    Do_Main_Window_Command(Main_Window, ID_TIMEOUT_KEY);
    EXPECT_EQ(Last_Text(), "The " + std::string(nickname) + " have called their final timeout.");
    game.Down_Word &= ~(CLOCK_STOPPED_BIT | CLOCK_STOPPED_PAIR_BIT);
    Do_Main_Window_Command(Main_Window, ID_CALL_TIMEOUT);
    EXPECT_EQ(Last_Caption(), "No Timeouts");

    // Leaving the watched game's screen asks first; no keeps it.
    Set_User_Preference(CURRENT_VIEW, 40086);
    Script_Message_Answer("Exit Game", ID_BOX_NO);
    Do_Main_Window_Command(Main_Window, 40030);
    EXPECT_EQ(Get_Current_View(), 40086);
    Set_User_Preference(SIMULATION_RUNNING, 0);
}

TEST_F(MainWindowCommands, NavigationButtonsSwitchViewsUnlessAGameIsWatched) {
    Set_User_Preference(SOUNDS_ENABLED, 1);
    Set_User_Preference(CURRENT_VIEW, 40030);
    Clear_Desktop_Requests();
    EXPECT_TRUE(Do_Nav_Button_Click(450, 480));
    EXPECT_EQ(Get_Current_View(), 40069) << "design x 450: the playoffs";
    EXPECT_TRUE(Do_Nav_Button_Click(520, 480));
    EXPECT_EQ(Get_Current_View(), 40070) << "design x 520: the draft";
    EXPECT_FALSE(Do_Nav_Button_Click(600, 480)) << "right of the bar";
    ASSERT_EQ(Get_Played_Sounds().size(), 2u);
    EXPECT_NE(Get_Played_Sounds()[0].find("sound/button.wav"), std::string::npos);
    Set_User_Preference(SOUNDS_ENABLED, 0);
    EXPECT_EQ(Play_Sound_Effect("button.wav"), 0) << "sounds off";
    EXPECT_EQ(Stop_Sound_Effect(), 1) << "stopping plays the empty sound, sounds on or off";
    ASSERT_EQ(Get_Played_Sounds().size(), 3u);
    EXPECT_EQ(Get_Played_Sounds()[2], "");

    GAME_RECORD game{};
    Watch_Game(&game);
    EXPECT_FALSE(Do_Nav_Button_Click(450, 480)) << "a watched game keeps its screen";
    EXPECT_EQ(Get_Current_View(), 40070);
    Set_User_Preference(SIMULATION_RUNNING, 0);

    // Choosing the view already shown does nothing.
    Clear_Shown_Messages();
    Do_Main_Window_Command(Main_Window, 40070);
    EXPECT_TRUE(Get_Shown_Messages().empty());
}

namespace {
// The null backend, but with dialogs shown as a display would show them:
// only scripted input closes them.
bool Take_No_Dialog_Answer(int, const char*, int*) {
    return false;
}

struct CHOOSER {
    int32_t Dialog = 0;
    int32_t Edited = 0;
    int32_t Shown_While_Open = 0;
    int32_t Chosen = 0; // the statistic chosen; 0 cancels
};

// What a Choose Stat dialog does: edits the setting that setting 44 names.
void Choose_In_Open_Dialog(void* context) {
    CHOOSER* chooser = static_cast<CHOOSER*>(context);
    const WINDOW_HANDLE dialog = Get_Open_Modal_Dialogs().back();
    chooser->Dialog = Get_Dialog_Template_Id(dialog);
    chooser->Edited = Get_User_Preference(44);
    chooser->Shown_While_Open = Get_User_Preference(chooser->Edited);
    if (chooser->Chosen != 0) Set_User_Preference(chooser->Edited, chooser->Chosen);
    End_Dialog(dialog, chooser->Chosen != 0 ? 1 : 0);
}
} // namespace

TEST_F(MainWindowCommands, ViewHeadingsBandsAndTabsTheFrameHandles) {
    PLATFORM_BACKEND showing = Get_Null_Backend();
    showing.Answers_From_Script = false;
    showing.Take_Dialog_Answer = Take_No_Dialog_Answer;
    Set_Platform_Backend(&showing);

    // Finances: the title band switches the league shown.
    Set_User_Preference(CURRENT_VIEW, 40034);
    Set_User_Preference(SHOWN_LEAGUE, 0);
    EXPECT_TRUE(Is_Over_View_Hot_Spot(300, 40));
    EXPECT_TRUE(Do_View_Click(300, 40));
    EXPECT_EQ(Get_User_Preference(SHOWN_LEAGUE), 1);
    EXPECT_TRUE(Do_View_Click(300, 40));
    EXPECT_EQ(Get_User_Preference(SHOWN_LEAGUE), 0);
    EXPECT_FALSE(Is_Over_View_Hot_Spot(700, 40)) << "right of the band";

    // Heading 2 chooses setting 107; cancelling puts its statistic back.
    Set_User_Preference(107, 7);
    CHOOSER chooser;
    Script_Action(Choose_In_Open_Dialog, &chooser);
    EXPECT_TRUE(Do_View_Click(310, 80));
    EXPECT_EQ(chooser.Dialog, 145);
    EXPECT_EQ(chooser.Edited, 107);
    EXPECT_EQ(chooser.Shown_While_Open, 50) << "the column is blank while it is chosen";
    EXPECT_EQ(Get_User_Preference(107), 7);

    // Choosing the scouting budget in General Manager Mode adds its note.
    Set_User_Preference(OWNER_MODE, 0);
    chooser = CHOOSER{};
    chooser.Chosen = 19;
    Clear_Shown_Messages();
    Script_Action(Choose_In_Open_Dialog, &chooser);
    EXPECT_TRUE(Do_View_Click(310, 80));
    EXPECT_EQ(Get_User_Preference(107), 19);
    ASSERT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_EQ(Last_Caption(), "General Manager Mode");
    EXPECT_NE(Last_Text().find("Scouting Staffs"), std::string::npos);
    Set_User_Preference(OWNER_MODE, 1);
    chooser = CHOOSER{};
    chooser.Chosen = 18;
    Clear_Shown_Messages();
    Script_Action(Choose_In_Open_Dialog, &chooser);
    Do_View_Click(310, 80);
    EXPECT_TRUE(Get_Shown_Messages().empty()) << "an owner runs the medical staff himself";

    // Calendar: the headings move with the light skins; the band asks for a team.
    Set_User_Preference(CURRENT_VIEW, 40036);
    Set_Skin_Name("earth");
    chooser = CHOOSER{};
    Script_Action(Choose_In_Open_Dialog, &chooser);
    EXPECT_TRUE(Do_View_Click(375, 80));
    EXPECT_EQ(chooser.Dialog, 163);
    EXPECT_EQ(chooser.Edited, 119);
    EXPECT_EQ(chooser.Shown_While_Open, 20);
    Set_Skin_Name("ice");
    chooser = CHOOSER{};
    Script_Action(Choose_In_Open_Dialog, &chooser);
    EXPECT_FALSE(Do_View_Click(375, 80)) << "left of the first heading on the ice skin";
    EXPECT_TRUE(Do_View_Click(385, 80));
    EXPECT_EQ(chooser.Edited, 119);
    Set_Skin_Name("earth");
    chooser = CHOOSER{};
    Script_Action(Choose_In_Open_Dialog, &chooser);
    EXPECT_TRUE(Do_View_Click(100, 30));
    EXPECT_EQ(chooser.Dialog, 131);
    EXPECT_TRUE(Is_Over_View_Hot_Spot(100, 30)) << "the calendar's title band changes the team";

    // The owner Hall of Fame: a tab shows its level.
    Set_User_Preference(CURRENT_VIEW, 40037);
    EXPECT_TRUE(Do_View_Click(15 + 172 * 2 + 5, 90));
    EXPECT_EQ(Get_User_Preference(24), 2);
    EXPECT_FALSE(Do_View_Click(10, 90));

    // The team label opens the user's player list.
    Set_User_Team(3);
    Set_User_Preference(VIEWED_TEAM, 5);
    Script_Action(Choose_In_Open_Dialog, &chooser);
    Do_Team_Label_Click();
    EXPECT_EQ(chooser.Dialog, 114);
    EXPECT_EQ(Get_User_Preference(VIEWED_TEAM), 3);
    Set_User_Preference(USER_TEAM, 255);
    Script_Action(Choose_In_Open_Dialog, &chooser);
    Do_Team_Label_Click();
    EXPECT_EQ(Get_User_Preference(VIEWED_TEAM), 0) << "no team of the user's: the first";

    // Hovering a tab through the main window shows the hand.
    RECT_AREA client;
    Get_Client_Rect(Main_Window, &client);
    Clear_Desktop_Requests();
    Send_Window_Message(Main_Window, MSG_MOUSE_MOVE, 0, Pack_Point((15 + 172 + 60) * client.Right / 768, 0));
    EXPECT_EQ(Get_User_Preference(95), 0) << "above the tabs";
    const int32_t view_height = client.Bottom - Get_Status_Bars_Height();
    Send_Window_Message(Main_Window, MSG_MOUSE_MOVE, 0,
                        Pack_Point((15 + 172 + 60) * client.Right / 768, 92 * view_height / 507));
    EXPECT_EQ(Get_User_Preference(95), 1);
    Set_Platform_Backend(nullptr);
}

// Help > Contents and the help of the view hand their page to the desktop;
// when it cannot open one, or the page is not installed, the user is told
// the page's full path. A web address the desktop cannot open is told too.
TEST_F(MainWindowCommands, HelpPagesAndLinksTheDesktopCannotOpenAreToldByTheirPath) {
    std::filesystem::create_directory("Help");
    std::ofstream("Help/contents.htm") << "<html></html>";
    const std::string contents = (std::filesystem::current_path() / "Help" / "contents.htm").string();
    Clear_Desktop_Requests();
    Clear_Shown_Messages();
    EXPECT_TRUE(Do_Main_Window_Command(Main_Window, ID_HELP_CONTENTS));
    ASSERT_EQ(Get_Shell_Requests().size(), 1u);
    EXPECT_EQ(Get_Shell_Requests()[0].Target, contents);
    EXPECT_TRUE(Get_Shown_Messages().empty()) << "the desktop opened it";

    Script_Shell_Result(SHELL_OPEN_FAILED);
    Do_Main_Window_Command(Main_Window, ID_HELP_CONTENTS);
    ASSERT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_EQ(Last_Caption(), "Could Not Open");
    EXPECT_NE(Last_Text().find("\n\n" + contents + "\n\n"), std::string::npos) << Last_Text();

    Set_Current_View(40030);
    Do_Main_Window_Command(Main_Window, ID_HELP_ON_VIEW);
    EXPECT_EQ(Get_Shell_Requests().size(), 2u) << "a page that is not installed is not handed over";
    EXPECT_EQ(Last_Caption(), "Help");
    EXPECT_EQ(Last_Text(), "This help page is not installed:\n\n" +
                               (std::filesystem::current_path() / "Help" / "standings.htm").string());

    Script_Shell_Result(SHELL_OPEN_FAILED);
    Do_Main_Window_Command(Main_Window, 40073);
    EXPECT_EQ(Last_Caption(), "Could Not Open") << "the product page";
    EXPECT_NE(Last_Text().find("\n\nhttps://"), std::string::npos) << Last_Text();
    EXPECT_EQ(Get_Shown_Messages().size(), 3u);
    std::filesystem::remove_all("Help");
}

// A machine without the desktop opener (xdg-open, which scripts/setup
// installs): the search path holds none, and the real opener is asked. The
// start-up reminder's page, which is installed, and Help > Ordering Info's
// address are told as the desktop's failure, not as missing.
TEST_F(MainWindowCommands, WithoutADesktopOpenerTheReminderAndOrderingInfoBlameTheDesktop) {
    std::filesystem::create_directories("Help");
    std::ofstream("Help/whatsnew.htm") << "<html></html>";
    std::filesystem::create_directories("no-opener");
    const char* kept = std::getenv("PATH");
    const std::string kept_path = kept != nullptr ? kept : "";
    setenv("PATH", std::filesystem::absolute("no-opener").c_str(), 1);
    PLATFORM_BACKEND desktop = Get_Null_Backend();
    desktop.Shell_Open = Start_Desktop_Opener;
    Set_Platform_Backend(&desktop);
    Clear_Shown_Messages();
    const std::string page = Get_Help_Page_Path(REMINDER_PAGE_TOPIC);
    const int32_t result = Launch_URL(Main_Window, page.c_str());
    Do_Main_Window_Command(Main_Window, 40073);
    Set_Platform_Backend(nullptr);
    setenv("PATH", kept_path.c_str(), 1);
    EXPECT_LE(result, 32);
    const std::string words = "Your desktop could not open this for Football Korva:\n\n";
    const std::string by_hand = "\n\nYou can open it yourself, in a web browser or a file manager.";
    ASSERT_EQ(Get_Shown_Messages().size(), 2u);
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "Could Not Open");
    EXPECT_EQ(Get_Shown_Messages()[0].Text, words + page + by_hand);
    EXPECT_EQ(Get_Shown_Messages()[1].Caption, "Could Not Open");
    EXPECT_EQ(Get_Shown_Messages()[1].Text, words + PRODUCT_PAGE + by_hand);
    std::filesystem::remove_all("no-opener");
    std::filesystem::remove_all("Help");
}
