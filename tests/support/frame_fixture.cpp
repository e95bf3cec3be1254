#include "support/frame_fixture.h"

#include <cstdio>

#include "app/bitmap_cache.h"
#include "app/diagnostics.h"
#include "app/drawing_services.h"
#include "app/main_window.h"
#include "app/main_window_dc.h"
#include "app/main_window_title.h"
#include "app/startup.h"
#include "app/status_bars.h"
#include "database/league_structure.h"
#include "database/saved_game.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/universe.h"
#include "engine/game_record.h"
#include "platform/backend.h"
#include "platform/clock.h"
#include "platform/crash_handler.h"
#include "platform/menus.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "platform/registry_ini.h"
#include "platform/scripted_answers.h"
#include "platform/windows.h"
#include "support/dialog_steps.h"
#include "support/game_runner.h"
#include "support/test_league.h"
#include "views/owner_hall_of_fame_file.h"

void Reset_Frame_State() {
    // Start-up installs the crash handler; the rest of the binary keeps the sanitizers' own.
    Remove_Crash_Handler();
    Destroy_All_Windows();
    Destroy_All_Menus();
    Reset_Message_Queue();
    Clear_Scripted_Input();
    Clear_Shown_Messages();
    Clear_Desktop_Requests();
    Clear_Drawn_Texts();
    Free_Image_Caches();
    Destroy_Main_Window_Back_Buffer();
    Set_Platform_Backend(nullptr);
    Use_Virtual_Clock(1000);
    Set_Null_Surface_Size(TEST_SCREEN_WIDTH, TEST_SCREEN_HEIGHT);
    Set_Registry_File_Path("registry.ini");
    Reset_Diagnostics();
    Set_Last_Painted_View(-1);
    Main_Window = NO_WINDOW;
    // A game left unfinished by an earlier test is no game on screen.
    Current_Game = nullptr;
    Status_Bar_Window = NO_WINDOW;
    News_Ticker_Window = NO_WINDOW;
    std::remove("KorFame.dat");
}

void FrameTest::SetUp() {
    Reset_Frame_State();
    Clear_Universe();
}

void FrameTest::TearDown() {
    Reset_Frame_State();
    Use_System_Clock();
    Set_Registry_File_Path("");
}

void LeagueFrameTest::SetUp() {
    FrameTest::SetUp();
    Build_Test_League();
    Clear_Dialog_Steps();
    Start_Frame_Without_Loop();
}

void LeagueFrameTest::TearDown() {
    Clear_Dialog_Steps();
    FrameTest::TearDown();
}

void Start_Frame_Without_Loop() {
    Install_Frame_Services();
    Write_Debug_Log_Header();
    // As the start-up does before the main window: the owner Hall of Fame
    // file is there from then on.
    Ensure_Owner_Hall_Of_Fame_File();
    ASSERT_TRUE(Register_Main_Window_Class());
    ASSERT_NE(Create_Main_Window(), NO_WINDOW);
    // A league built before the frame is in play: the window gets its
    // title, as a new game or a resume gives it.
    Update_Main_Window_Title();
}

void Fill_Screen_With_Main_Window() {
    RECT_AREA area;
    Get_Platform_Backend().Get_Work_Area(&area);
    Set_Window_Show_State(Main_Window, SHOW_STATE_MAXIMIZED);
    Move_Window(Main_Window, area);
    Pump_Messages();
}

void Prepare_League_With_Week_Games(int32_t games) {
    Build_Test_League();
    Prepare_Game_Week(0, 2024);
    Set_User_Preference(SIMULATION_RUNNING, 0);
    Set_User_Preference(SIMULATE_ALL_GAMES, 0);
    Set_User_Preference(SHOW_NEWS_TICKER, 1);
    Universe.Header.Target_Week = 0;
    // Playoff days (week + 1) of a 17-week season.
    const int32_t days[5] = {18, 19, 20, 22, 22};
    for (int32_t i = 0; i < 5; ++i)
        Universe.Post_Season_Days[i] = days[i];
    for (int32_t k = 0; k < games; ++k) {
        Schedule_Test_Game(2 * k, 2 * k + 1, 0);
        // No game record is taken yet.
        Set_Team_Schedule_Stat(2 * k, 0, 3, -1);
        Set_Team_Schedule_Stat(2 * k + 1, 0, 3, -1);
    }
}

bool Was_Text_Drawn(const std::string& text) {
    for (int32_t i = 0; i < Get_Drawn_Text_Count(); ++i)
        if (std::string(Get_Drawn_Text(i)->Text).find(text) != std::string::npos) return true;
    return false;
}

int32_t Count_Stale_View_Rows() {
    Pump_Messages();
    const DRAWING_SURFACE* view = Get_Back_Buffer_Surface();
    const DRAWING_SURFACE* shown = Get_Window_Surface(Main_Window);
    if (view == nullptr || shown == nullptr) return -1;
    int32_t stale = 0;
    for (int32_t y = 0; y < view->Height; ++y)
        for (int32_t x = 0; x < view->Width; ++x)
            if (Get_Surface_Pixel(view, x, y) != Get_Surface_Pixel(shown, x, y)) {
                ++stale;
                break;
            }
    return stale;
}
