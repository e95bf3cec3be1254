#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/bitmap_cache.h"
#include "app/main_menu.h"
#include "app/main_window.h"
#include "app/main_window_dc.h"
#include "app/main_window_title.h"
#include "app/message_box_dialog.h"
#include "app/modal_dialogs.h"
#include "app/news_ticker.h"
#include "app/startup.h"
#include "app/status_bars.h"
#include "app/welcome_dialog.h"
#include "database/game_queries.h"
#include "database/league_structure.h"
#include "database/saved_game.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "engine/game_driver.h"
#include "platform/backend.h"
#include "platform/keys.h"
#include "platform/menus.h"
#include "platform/message_box.h"
#include "platform/registry_ini.h"
#include "platform/scripted_answers.h"
#include "platform/windows.h"
#include "season/score_ticker.h"
#include "support/debug_log.h"
#include "support/dialog_steps.h"
#include "support/frame_fixture.h"
#include "views/owner_hall_of_fame_file.h"

namespace {
const char* const ARGUMENTS[] = {"football_korva", "IS_NOT_RANDOM"};

struct RUN_OBSERVATION {
    bool Main_Window_Shown = false;
    bool Status_Bar_Shown = false;
    bool Ticker_Shown = false;
    bool Main_Window_Enabled = false;
    int32_t Week = -1;
    std::string Title;
    std::string Play_Menu_First;
    std::string Score_Lines[SCORE_TICKER_LINES];
    bool Scores_Drawn = false;
};

void Observe(void* context) {
    RUN_OBSERVATION* seen = static_cast<RUN_OBSERVATION*>(context);
    seen->Main_Window_Shown = Is_Window_Visible(Main_Window);
    seen->Main_Window_Enabled = Is_Window_Enabled(Main_Window);
    seen->Status_Bar_Shown = Is_Window_Visible(Status_Bar_Window);
    seen->Ticker_Shown = Is_Window_Visible(News_Ticker_Window);
    seen->Week = Get_User_Preference(CURRENT_WEEK);
    seen->Title = Get_Window_Text(Main_Window);
    seen->Play_Menu_First = Get_Menu_Item_Text(Get_Sub_Menu(Get_Main_Menu(), PLAY_MENU_POSITION), 0);
    for (int32_t line = 0; line < SCORE_TICKER_LINES; ++line) {
        char text[SCORE_TICKER_LINE_SIZE];
        Get_Score_Ticker_Line(line, text);
        seen->Score_Lines[line] = text;
    }
    seen->Scores_Drawn = !seen->Score_Lines[0].empty() && Was_Text_Drawn(seen->Score_Lines[0]);
}

int Run_Program() {
    return Run_Football_Korva(2, ARGUMENTS);
}

// The welcome dialog resumes a saved game: the newest is selected, and the
// Resume dialog loads it on Enter.
void Script_Resume_Game() {
    Script_Dialog_Answer(WELCOME_DIALOG, WELCOME_RESUME_GAME);
    Script_Key_Press(KEY_ENTER, 0);
}

// The league in memory as the installation's database and as the saved game
// the welcome dialog resumes, so the run plays it as it stands.
void Save_League_As_Database() {
    std::filesystem::create_directories("Databases");
    Set_Game_Checksum(Compute_Game_Checksum());
    ASSERT_EQ(Save_Game(DEFAULT_DATABASE_NAME, nullptr), SAVE_OK);
    ASSERT_EQ(Save_Game("Test League.kor", nullptr), SAVE_OK);
}

// A league without teams, saved as `file_name`.
void Save_Empty_League(const char* file_name) {
    Clear_Universe();
    Universe.Header.Universe_Stats[BASE_YEAR] = 2019;
    Set_User_Preference(SHOW_NEWS_TICKER, 1);
    Set_Skin_Name("earth");
    ASSERT_EQ(Save_Game(file_name, nullptr), SAVE_OK);
    Clear_Universe();
}

// A saved game of a league without teams.
void Save_Empty_League_Game() {
    Save_Empty_League("Empty League.kor");
}
} // namespace

class StartUp : public FrameTest {
  protected:
    // A returning user's start: the permanent file is there from the first,
    // and the installation's league database (a league without teams).
    void SetUp() override {
        FrameTest::SetUp();
        std::vector<uint8_t> image(OWNER_HALL_OF_FAME_SIZE);
        Fill_New_Owner_Hall_Of_Fame_Image(image.data());
        ASSERT_EQ(Write_Owner_Hall_Of_Fame_File(image.data()), 1);
        std::filesystem::create_directories("Databases");
        Save_Empty_League(DEFAULT_DATABASE_NAME);
    }
    void TearDown() override {
        std::filesystem::remove_all("Databases");
        std::filesystem::remove("Test League.kor");
        std::filesystem::remove("Empty League.kor");
        FrameTest::TearDown();
    }
};

TEST_F(StartUp, EmptyLeagueRunsToTheLoopAndExitsByTheCloseBox) {
    Save_Empty_League_Game();
    Clear_Debug_Log();
    RUN_OBSERVATION seen;
    // An empty league has no team to play: New Game refuses, and a saved
    // game is resumed instead.
    Script_Dialog_Answer(WELCOME_DIALOG, WELCOME_NEW_GAME);
    Script_Key_Press(KEY_ENTER, 0);
    Script_Key_Press(KEY_ESCAPE, 0);
    Script_Resume_Game();
    Script_Action(Observe, &seen);
    Script_Close_Request();
    EXPECT_EQ(Run_Program(), 0) << "the quit message's code";

    EXPECT_EQ(Count_Debug_Lines("not found: starting with an empty league"), 0);
    for (const SHOWN_MESSAGE& shown : Get_Shown_Messages())
        EXPECT_NE(shown.Caption, "League Database Missing") << "the installed league loads without a box";
    EXPECT_EQ(Count_Debug_Lines("Entering: Do_Splash_Screen()"), 1);
    EXPECT_EQ(Count_Debug_Lines("ID_NEWGAME Menu Launched"), 1);
    EXPECT_EQ(Count_Debug_Lines("Do_Splash_Screen() return TRUE"), 1);
    EXPECT_EQ(Count_Debug_Lines("Exited: Do_Splash_Screen()"), 1);
    EXPECT_EQ(Count_Error_Lines(), 0) << Read_Debug_Log_Text();

    EXPECT_TRUE(seen.Main_Window_Shown);
    EXPECT_TRUE(seen.Main_Window_Enabled) << "no dialog is left open in the loop";
    EXPECT_TRUE(seen.Status_Bar_Shown);
    EXPECT_TRUE(seen.Ticker_Shown) << "an empty league shows the ticker";
    EXPECT_EQ(seen.Title, "Football Korva 23 (2019-2020 Offseason)");
    EXPECT_FALSE(Is_Window(Main_Window)) << "closed";
    EXPECT_EQ(Count_Windows(), 0) << "every window went with the main window";

    std::string text;
    EXPECT_TRUE(Get_Registry_Text("SOFTWARE\\SportsKorva\\FootballKorva\\2019", "InitType", &text));
    EXPECT_EQ(text, "CD");
}

// The welcome screen comes before any league is in play: the new window is
// titled with the game's name alone, not with the calendar of the database
// loaded behind it. The resumed game then gives the window its full title.
TEST_F(StartUp, TheWelcomeScreenIsTitledWithTheGamesNameAlone) {
    Save_Empty_League_Game();
    std::string welcome_title;
    Script_Dialog_Step([&welcome_title](WINDOW_HANDLE dialog) {
        welcome_title = Get_Window_Text(Main_Window);
        Click_Dialog_Button(dialog, WELCOME_RESUME_GAME);
    });
    Script_Key_Press(KEY_ENTER, 0);
    RUN_OBSERVATION seen;
    Script_Action(Observe, &seen);
    Script_Close_Request();
    EXPECT_EQ(Run_Program(), 0);
    EXPECT_EQ(welcome_title, "Football Korva");
    EXPECT_EQ(seen.Title, "Football Korva 23 (2019-2020 Offseason)");
    Clear_Dialog_Steps();
}

namespace {
// The user opens the Game menu and chooses "E&xit", its sixth item.
void Choose_Exit_From_The_Game_Menu(void*) {
    RECT_AREA window;
    Get_Window_Rect(Main_Window, &window);
    Script_Mouse_Click(window.Left + 10, window.Top + MENU_BAR_HEIGHT / 2);
    Script_Mouse_Click(window.Left + 20, window.Top + MENU_BAR_HEIGHT + 5 * 20 + 10);
}
} // namespace

TEST_F(StartUp, ExitChosenFromTheGameMenuEndsTheLoopAndShutsDown) {
    Save_Empty_League_Game();
    Clear_Debug_Log();
    Script_Resume_Game();
    Script_Action(Choose_Exit_From_The_Game_Menu, nullptr);
    EXPECT_EQ(Run_Program(), 0);
    EXPECT_EQ(Count_Debug_Lines("Exited: Do_Splash_Screen()"), 1);
    EXPECT_EQ(Count_Error_Lines(), 0) << Read_Debug_Log_Text();
    EXPECT_FALSE(Is_Window(Main_Window));
    EXPECT_EQ(Count_Windows(), 0) << "every window went with the main window";
    EXPECT_EQ(Count_Scripted_Input(), 0) << "both clicks were taken by the menu";
    EXPECT_FALSE(Main_Window_Back_Buffer_Exists()) << "shutdown gave back the back buffer";
}

// Without its league database the program ends after the loader's box: no
// welcome dialog, no loop.
TEST_F(StartUp, AMissingLeagueDatabaseEndsTheProgramAfterTheLoadersBox) {
    std::filesystem::remove_all("Databases");
    Clear_Debug_Log();
    Script_Dialog_Answer(WELCOME_DIALOG, ID_CANCEL);
    const int32_t dialogs = Count_Dialogs_Opened();
    EXPECT_EQ(Run_Program(), 0);
    // The loader's own boxes: the file that could not be opened, then what to do.
    ASSERT_EQ(Get_Shown_Messages().size(), 2u);
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "File Load Error");
    EXPECT_EQ(Get_Shown_Messages()[1].Caption, "Read Error");
    EXPECT_NE(Get_Shown_Messages()[1].Text.find("Please re-install"), std::string::npos)
        << Get_Shown_Messages()[1].Text;
    EXPECT_EQ(Count_Dialogs_Opened(), dialogs) << "the welcome dialog never opened";
    EXPECT_EQ(Count_Debug_Lines("Entering: Do_Splash_Screen()"), 0);
    EXPECT_FALSE(Main_Window_Back_Buffer_Exists()) << "the program shut down";
    int answer = 0;
    EXPECT_TRUE(Take_Scripted_Dialog_Answer(WELCOME_DIALOG, nullptr, &answer)) << "nobody took the answer";
}

TEST_F(StartUp, CancellingTheWelcomeDialogEndsTheProgramBeforeTheLoop) {
    Clear_Debug_Log();
    Script_Dialog_Answer(WELCOME_DIALOG, ID_CANCEL);
    EXPECT_EQ(Run_Program(), 0);
    EXPECT_EQ(Count_Debug_Lines("Do_Splash_Screen() return TRUE"), 0);
    EXPECT_EQ(Count_Debug_Lines("Exited: Do_Splash_Screen()"), 1);
    EXPECT_FALSE(Is_Window(Status_Bar_Window)) << "no game was started";
}

// The first start makes the permanent file and reports it, once; the next
// start finds it and reports nothing.
TEST_F(StartUp, TheFirstStartBuildsThePermanentFileAndReportsItOnce) {
    std::filesystem::remove("KorFame.dat");
    Clear_Debug_Log();
    Script_Dialog_Answer(WELCOME_DIALOG, ID_CANCEL);
    EXPECT_EQ(Run_Program(), 0);
    EXPECT_EQ(Count_Debug_Lines("ERROR: Rebuilding permanent file."), 1) << Read_Debug_Log_Text();
    EXPECT_EQ(Count_Error_Lines(), 1) << Read_Debug_Log_Text();
    std::error_code error;
    EXPECT_EQ(std::filesystem::file_size("KorFame.dat", error),
              static_cast<uintmax_t>(OWNER_HALL_OF_FAME_SIZE));

    Clear_Debug_Log();
    Script_Dialog_Answer(WELCOME_DIALOG, ID_CANCEL);
    EXPECT_EQ(Run_Program(), 0);
    EXPECT_EQ(Count_Error_Lines(), 0) << Read_Debug_Log_Text();
}

TEST_F(StartUp, CancelledNewGameReturnsToTheWelcomeDialog) {
    Script_Dialog_Answer(WELCOME_DIALOG, WELCOME_NEW_GAME);
    Script_Dialog_Answer(NEW_GAME_DIALOG, ID_CANCEL);
    Script_Dialog_Answer(WELCOME_DIALOG, ID_CANCEL);
    const int32_t before = Count_Dialogs_Opened();
    EXPECT_EQ(Run_Program(), 0);
    EXPECT_EQ(Count_Dialogs_Opened() - before, 3) << "welcome, new game, welcome again";
}

TEST_F(StartUp, OneWeekByTheAcceleratorPutsTheScoresInTheTicker) {
    Prepare_League_With_Week_Games(2);
    Save_League_As_Database();
    Clear_Universe();
    Clear_Debug_Log();
    RUN_OBSERVATION seen;
    Script_Resume_Game();
    Script_Key_Press('1', KEY_MODIFIER_CONTROL);
    Script_Action(Observe, &seen);
    Script_Close_Request();
    Script_Message_Answer("Game Not Saved", ID_BOX_NO);
    EXPECT_EQ(Run_Program(), 0);

    EXPECT_EQ(Count_Error_Lines(), 0) << Read_Debug_Log_Text();
    EXPECT_EQ(seen.Week, 1) << "one week played";
    EXPECT_NE(seen.Title.find("Week 2"), std::string::npos) << seen.Title;
    for (int32_t game = 0; game < 2; ++game) {
        for (int32_t side = 0; side < 2; ++side) {
            // The home team (listed first to the scheduler) is the game's second side.
            char nickname[64];
            Get_Team_String(nickname, side == 0 ? 2 * game + 1 : 2 * game, 2);
            EXPECT_EQ(seen.Score_Lines[3 * game + side].rfind(std::string(nickname) + " ", 0), 0u)
                << "column " << 3 * game + side << ": " << seen.Score_Lines[3 * game + side];
        }
    }
    EXPECT_TRUE(seen.Scores_Drawn) << "the ticker showed the score columns while the week was played";
    EXPECT_EQ(seen.Play_Menu_First, "One &Week\tCtrl+1") << "the phase menu is back after the advance";
    EXPECT_EQ(Count_Debug_Lines("Game Not Saved"), 0);
    ASSERT_FALSE(Get_Shown_Messages().empty());
    EXPECT_EQ(Get_Shown_Messages().back().Caption, "Game Not Saved") << "the played week changed the game";
}

TEST_F(StartUp, ClosingTheWindowDuringAWatchedGameEndsEveryLoopCleanly) {
    Prepare_League_With_Week_Games(1);
    // Team 0, at home in the week's game, is the user's and its game is watched.
    Set_Team_Stat(0, 2, 1);
    Set_Game_PBP_Flag(0, 0, 1);
    Set_User_Preference(SIMULATE_ALL_GAMES, 1);
    Save_League_As_Database();
    Clear_Universe();
    Clear_Debug_Log();
    Script_Resume_Game();
    Script_Key_Press('1', KEY_MODIFIER_CONTROL);
    // The watched game waits for the user's call; the user closes the window.
    Script_Close_Request();
    Script_Message_Answer("Game Not Saved", ID_BOX_NO);
    EXPECT_EQ(Run_Program(), 0);

    EXPECT_EQ(Count_Error_Lines(), 0) << Read_Debug_Log_Text();
    EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), 0) << "the week was not finished";
    EXPECT_EQ(Get_User_Preference(SIMULATION_RUNNING), 0);
    EXPECT_EQ(Universe.Header.Advance_In_Progress, 0) << "the advance unwound";
    const GAME_RECORD* game = Get_Game_Record(0);
    ASSERT_NE(game, nullptr);
    EXPECT_GT(game->Season_Year, 0) << "the game had begun";
    EXPECT_EQ(Is_Game_Over(game), 0) << "and was left as it stood, not played out";
    for (const SHOWN_MESSAGE& shown : Get_Shown_Messages())
        EXPECT_NE(shown.Caption, "Exit Game") << "a watched game does not refuse the exit";
}

TEST_F(StartUp, RegistryValuesAreWrittenOnceAndRefreshedEveryStart) {
    const char* key = "SOFTWARE\\SportsKorva\\FootballKorva\\2019";
    Write_Install_Registry();
    std::string text;
    uint32_t number = 0;
    ASSERT_TRUE(Get_Registry_Text(key, "SelfInstallDir", &text));
    EXPECT_EQ(text, std::filesystem::current_path().string());
    ASSERT_TRUE(Get_Registry_Number(key, "InitVer", &number));
    EXPECT_EQ(number, 2002u);
    ASSERT_TRUE(Get_Registry_Text(key, "InitType", &text));
    EXPECT_EQ(text, "CD");
    Set_Registry_Text(key, "SelfInstallDir", "/elsewhere");
    Set_Registry_Text(key, "LastDir", "/elsewhere");
    Set_Registry_Number(key, "LastVer", 1999);
    Write_Install_Registry();
    ASSERT_TRUE(Get_Registry_Text(key, "SelfInstallDir", &text));
    EXPECT_EQ(text, "/elsewhere") << "written only when the key is new";
    ASSERT_TRUE(Get_Registry_Text(key, "LastDir", &text));
    EXPECT_EQ(text, std::filesystem::current_path().string()) << "rewritten every start";
    ASSERT_TRUE(Get_Registry_Number(key, "LastVer", &number));
    EXPECT_EQ(number, 2002u);
}

namespace {
int Refusing_Shell(const char* target, const char* directory) {
    Record_Shell_Request(target, directory);
    return 2;
}
} // namespace

// The reminder opens the page the installation ships, at the first start and
// then every fifth; a refusal of the desktop is told like any other.
TEST_F(StartUp, ReminderPageOpensEveryFifthStartUnlessSwitchedOff) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const bool reminding =
        local.tm_year + 1900 > 2024 || (local.tm_year + 1900 == 2024 && local.tm_mon + 1 >= 9);
    Rebuild_Owner_Hall_Of_Fame_File();
    Clear_Desktop_Requests();
    for (int start = 0; start < 6; ++start)
        Show_Startup_Reminder();
    EXPECT_EQ(Get_Shell_Requests().size(), reminding ? 2u : 0u) << "the first start and the sixth";
    EXPECT_EQ(Get_Owner_Hall_Of_Fame_Value((23020 - 22080) / 4), reminding ? 4 : 0) << "the countdown";
    if (reminding) {
        const std::filesystem::path page = Get_Shell_Requests()[0].Target;
        EXPECT_EQ(page, std::filesystem::current_path() / "Help" / "whatsnew.htm")
            << "a page of the installation, not an address";
        EXPECT_TRUE(std::filesystem::exists(std::string(KORVA_DATA_DIR) + "/Help/whatsnew.htm"))
            << "the installation ships it";
        EXPECT_TRUE(Get_Shown_Messages().empty());
    }
    Set_Owner_Hall_Of_Fame_Value((23024 - 22080) / 4, 117);
    for (int start = 0; start < 6; ++start)
        Show_Startup_Reminder();
    EXPECT_EQ(Get_Shell_Requests().size(), reminding ? 2u : 0u) << "switched off";

    // A damaged countdown starts over from five instead of counting past its range.
    Set_Owner_Hall_Of_Fame_Value((23024 - 22080) / 4, 0);
    Set_Owner_Hall_Of_Fame_Value((23020 - 22080) / 4, INT32_MIN);
    Show_Startup_Reminder();
    EXPECT_EQ(Get_Owner_Hall_Of_Fame_Value((23020 - 22080) / 4), reminding ? 4 : INT32_MIN);
    EXPECT_EQ(Get_Shell_Requests().size(), reminding ? 2u : 0u) << "no page for a damaged countdown";

    if (!reminding) return;
    PLATFORM_BACKEND refusing = Get_Null_Backend();
    refusing.Shell_Open = Refusing_Shell;
    Set_Platform_Backend(&refusing);
    std::filesystem::create_directory("Help");
    std::ofstream("Help/whatsnew.htm") << "<html></html>";
    Set_Owner_Hall_Of_Fame_Value((23020 - 22080) / 4, 0);
    Show_Startup_Reminder();
    ASSERT_EQ(Get_Shown_Messages().size(), 1u) << "the refusal is told";
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "Could Not Open") << "the page is there";
    EXPECT_NE(Get_Shown_Messages()[0].Text.find("whatsnew.htm"), std::string::npos)
        << Get_Shown_Messages()[0].Text;
    // A page missing from the installation is named as missing.
    std::filesystem::remove_all("Help");
    Set_Owner_Hall_Of_Fame_Value((23020 - 22080) / 4, 0);
    Show_Startup_Reminder();
    ASSERT_EQ(Get_Shown_Messages().size(), 2u);
    EXPECT_EQ(Get_Shown_Messages()[1].Caption, "Error Launching URL");
}

TEST_F(StartUp, LastErrorMessagesCarryTheSystemsTextAndAreLogged) {
    Clear_Debug_Log();
    Show_Last_Error_Message(2, "Error Launching URL", "Error %d.  Could not access: \"%s\"", 2, "x");
    ASSERT_FALSE(Get_Shown_Messages().empty());
    EXPECT_EQ(Get_Shown_Messages().back().Text,
              std::string("Error 2.  Could not access: \"x\"\n\n") + std::strerror(2));
    EXPECT_EQ(Count_Debug_Lines("Could not access"), 1);
    Show_Quick_Message("%d left", 3);
    EXPECT_EQ(Get_Shown_Messages().back().Caption, "Quick Message");
}

namespace {
// What the program was doing each time the user's turn came.
struct ADVANCE_OBSERVATION {
    int32_t Dialogs_Opened;
    int32_t Running;
    int32_t Advancing;
};
std::vector<ADVANCE_OBSERVATION> advance_observations;

// The user chooses Game > New Game from the menu.
void Choose_New_Game(void*) {
    Post_Window_Message(Main_Window, MSG_COMMAND, ID_NEW_GAME, 0);
}

void Observe_Advance(void*) {
    advance_observations.push_back({Count_Dialogs_Opened(), Get_User_Preference(SIMULATION_RUNNING),
                                    Universe.Header.Advance_In_Progress});
}
} // namespace

TEST_F(StartUp, NewGameDuringAWatchedGameEndsItsLoopBeforeTheDialogOpens) {
    Prepare_League_With_Week_Games(1);
    Set_Team_Stat(0, 2, 1);
    Set_Game_PBP_Flag(0, 0, 1);
    Set_User_Preference(SIMULATE_ALL_GAMES, 1);
    Save_League_As_Database();
    Clear_Universe();
    Clear_Debug_Log();
    advance_observations.clear();
    Script_Resume_Game();
    Script_Key_Press('1', KEY_MODIFIER_CONTROL);
    // The watched game waits for the user's call; the user asks for a new
    // game. The week's game under way is a change since the resume, so New
    // Game asks first, as Exit does; the user declines to save.
    Script_Action(Choose_New_Game, nullptr);
    Script_Message_Answer("Game Not Saved", ID_BOX_NO);
    Script_Action(Observe_Advance, nullptr);
    Script_Action(Observe_Advance, nullptr);
    Script_Key_Press(KEY_ESCAPE, 0);
    Script_Dialog_Answer(WELCOME_DIALOG, ID_CANCEL);
    const int32_t before = Count_Dialogs_Opened();
    EXPECT_EQ(Run_Program(), 0);

    EXPECT_EQ(Count_Error_Lines(), 0) << Read_Debug_Log_Text();
    int32_t asked = 0;
    for (const SHOWN_MESSAGE& shown : Get_Shown_Messages())
        if (shown.Caption == "Game Not Saved") ++asked;
    EXPECT_EQ(asked, 1) << "New Game asks about the week under way";
    EXPECT_EQ(Count_Dialogs_Opened() - before, 4) << "welcome, resume, new game, welcome";
    ASSERT_FALSE(advance_observations.empty());
    for (const ADVANCE_OBSERVATION& seen : advance_observations) {
        // Once the second New Game dialog has opened, no advance runs below it.
        if (seen.Dialogs_Opened - before < 3) continue;
        EXPECT_EQ(seen.Running, 0) << "the game's loop had ended when the dialog opened";
        EXPECT_EQ(seen.Advancing, 0) << "and the advance had unwound";
    }
    EXPECT_EQ(Get_User_Preference(SIMULATION_RUNNING), 0);
    EXPECT_EQ(Universe.Header.Advance_In_Progress, 0);
}

TEST_F(StartUp, FirstPaintShowsTheStartUpPictureBeforeAnyLeagueIsLoaded) {
    // The installation's skins; the league block is empty and names no skin.
    std::filesystem::create_symlink(std::string(KORVA_DATA_DIR) + "/skins", "skins");
    Clear_Debug_Log();
    Init_Image_Caches();
    Start_Frame_Without_Loop();
    Pump_Messages();
    const DRAWING_SURFACE* view = Get_Window_Surface(Main_Window);
    ASSERT_NE(view, nullptr);
    const uint32_t pixel = Get_Surface_Pixel(view, view->Width / 2, view->Height / 4);
    Free_Image_Caches();
    std::filesystem::remove("skins");
    EXPECT_EQ(Count_Error_Lines(), 0) << Read_Debug_Log_Text();
    EXPECT_NE(pixel & 0xFFFFFFu, 0u) << "the view shows a picture, not black";
}
