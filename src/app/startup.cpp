#include "app/startup.h"

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <memory>
#include <new>
#include <string>

#include "app/app_fonts.h"
#include "app/bitmap_cache.h"
#include "app/command_line_flags.h"
#include "app/context_help.h"
#include "app/diagnostics.h"
#include "app/dialog_brushes.h"
#include "app/drawing_services.h"
#include "app/main_menu.h"
#include "app/main_window.h"
#include "app/main_window_dc.h"
#include "app/main_window_mouse.h"
#include "app/message_box_dialog.h"
#include "app/sounds_and_cursors.h"
#include "app/web_addresses.h"
#include "app/welcome_dialog.h"
#include "app/window_graphics.h"
#include "database/league_structure.h"
#include "database/random_numbers.h"
#include "database/saved_game.h"
#include "platform/clock.h"
#include "platform/crash_handler.h"
#include "platform/error_reporter.h"
#include "platform/message_box.h"
#include "platform/registry_ini.h"
#include "platform/windows.h"
#include "reports/shell_open.h"
#include "views/current_view.h"
#include "views/owner_hall_of_fame.h"
#include "views/owner_hall_of_fame_file.h"

namespace {
const char* const INSTALL_KEY = "SOFTWARE\\SportsKorva\\FootballKorva\\2019";
constexpr uint32_t INSTALL_VERSION = 2002;
constexpr int32_t REMINDER_COUNTDOWN_OFFSET = 23020;
constexpr int32_t REMINDER_SWITCH_OFFSET = 23024;
constexpr int32_t REMINDER_SWITCHED_OFF = 117;
constexpr int32_t REMINDER_EVERY = 5;
constexpr int32_t REMINDER_FROM_YEAR = 2024;
constexpr int32_t REMINDER_FROM_MONTH = 9;

char crash_log_path[1024];
char crash_file_stem[1024];

void Report_Through_Log(const char* text) {
    Report_System_Error("%s", text);
}

// Finish Quarter, Finish Game and Call Timeout act on the watched game from
// inside its play loop, whose play-back of a snap greys the menus: their keys
// reach the game all the same.
bool Is_Watched_Game_Command(int32_t command) {
    return (command == ID_FINISH_QUARTER || command == ID_FINISH_GAME || command == ID_CALL_TIMEOUT) &&
           Is_Game_Being_Watched();
}

bool Translate_Main_Accelerators(const WINDOW_MESSAGE& message) {
    if (message.Code != MSG_KEY_DOWN || !Is_Window(Main_Window)) return false;
    if (Get_Top_Level_Window(message.Window) != Main_Window) return false;
    int32_t count = 0;
    const ACCELERATOR* table = Get_Accelerator_Table(&count);
    return Translate_Accelerator(message.Window, table, count, message, Is_Watched_Game_Command);
}

int32_t Read_Fame_Int(const uint8_t* image, int32_t offset) {
    int32_t value = 0;
    std::memcpy(&value, image + offset, sizeof value);
    return value;
}

std::string Current_Folder() {
    std::error_code error;
    return std::filesystem::current_path(error).string();
}
} // namespace

void Install_Frame_Services() {
    Set_Platform_Error_Reporter(Report_Through_Log);
    Install_Program_Message_Box();
    Set_Message_Translator(Translate_Main_Accelerators);
}

void Install_Crash_Dump_Handler() {
    const std::string folder = Current_Folder();
    std::snprintf(crash_log_path, sizeof crash_log_path, "%s/debug.txt", folder.c_str());
    std::snprintf(crash_file_stem, sizeof crash_file_stem, "%s/Crash-Football-Korva-%04d", folder.c_str(),
                  2002);
    char user_stream[256];
    std::snprintf(user_stream, sizeof user_stream, "UserStream: Football Korva 23 %d \"%s\" %s", 2002, "    ",
                  "CD");
    Install_Crash_Handler({crash_log_path, crash_file_stem, user_stream, Last_Error_Text});
}

void Seed_Random_Generators() {
    if ((Command_Line_Flags & IS_NOT_RANDOM) != 0) {
        std::srand(12345);
        Seed_Random_Numbers(12345);
        return;
    }
    std::srand(static_cast<unsigned>(std::time(nullptr)) + Get_Tick_Count());
    Seed_Random_Numbers(static_cast<uint32_t>(std::time(nullptr)) ^ Get_Tick_Count());
}

void Write_Install_Registry() {
    bool created = false;
    if (!Open_Registry_Key(INSTALL_KEY, &created)) {
        // The file is left as it is; its values are only ever written.
        const std::string reason = Get_Registry_Failure();
        if (!reason.empty()) Log_Debug_Line("Registry values not written: %s", reason.c_str());
        return;
    }
    const std::string folder = Current_Folder();
    if (created) {
        Set_Registry_Text(INSTALL_KEY, "SelfInstallDir", folder.c_str());
        Set_Registry_Number(INSTALL_KEY, "InitVer", INSTALL_VERSION);
        Set_Registry_Text(INSTALL_KEY, "InitType", "CD");
    }
    uint32_t last_version = 0;
    Get_Registry_Number(INSTALL_KEY, "LastVer", &last_version);
    Set_Registry_Number(INSTALL_KEY, "LastVer", INSTALL_VERSION);
    Set_Registry_Text(INSTALL_KEY, "LastDir", folder.c_str());
}

void Show_Startup_Reminder() {
    std::unique_ptr<uint8_t[]> image(new (std::nothrow) uint8_t[OWNER_HALL_OF_FAME_SIZE]);
    if (!image) return;
    Try_Read_Owner_Hall_Of_Fame_File(image.get());
    if (Read_Fame_Int(image.get(), REMINDER_SWITCH_OFFSET) == REMINDER_SWITCHED_OFF) return;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) return;
    const int32_t year = local.tm_year + 1900, month = local.tm_mon + 1;
    if (year < REMINDER_FROM_YEAR || (year == REMINDER_FROM_YEAR && month < REMINDER_FROM_MONTH)) return;
    int32_t countdown = Read_Fame_Int(image.get(), REMINDER_COUNTDOWN_OFFSET);
    // A damaged file's countdown starts over rather than count past its range.
    if (countdown < 0 || countdown > REMINDER_EVERY) countdown = REMINDER_EVERY;
    if (countdown == 0) {
        Launch_URL(Main_Window, Get_Help_Page_Path(REMINDER_PAGE_TOPIC).c_str());
        countdown = REMINDER_EVERY;
    }
    Set_Owner_Hall_Of_Fame_Value((REMINDER_COUNTDOWN_OFFSET - VALUE_SLOTS_OFFSET) / 4, countdown - 1);
}

int32_t Load_Startup_League() {
    // A missing or damaged league database ends the start: the loader has
    // told the user which file to re-install.
    return Load_Game(DEFAULT_DATABASE_NAME) != 0 ? 1 : 0;
}

int Run_Main_Message_Loop() {
    WINDOW_MESSAGE message;
    for (;;) {
        // 0: the quit message; -1: nothing can ever arrive (no display left).
        if (Get_Window_Message(&message) <= 0) break;
        Translate_And_Dispatch_Message(message);
    }
    return Get_Quit_Exit_Code();
}

void Shutdown_App() {
    Free_Image_Caches();
    Free_App_Fonts(true);
    Destroy_Main_Window_Back_Buffer();
    Delete_Dialog_Brushes();
}

int Run_Football_Korva(int argc, const char* const* argv) {
    Install_Frame_Services();
    Install_Crash_Dump_Handler();
    Read_Command_Line_Flags(argc, argv);
    Write_Debug_Log_Header();
    Set_Current_View_Setting(0);
    Set_Last_Painted_View(-1);
    Seed_Random_Generators();
    if (!Register_Main_Window_Class()) {
        Shutdown_App();
        return 0;
    }
    Load_App_Cursors();
    Init_Image_Caches();
    Ensure_Owner_Hall_Of_Fame_File();
    Write_Install_Registry();
    if (Create_Main_Window() == NO_WINDOW) {
        Shutdown_App();
        return 0;
    }
    Create_Dialog_Brushes();
    Register_Report_Window_Class();
    if (!Load_Startup_League()) {
        Shutdown_App();
        return 0;
    }
    Set_Current_View(0);
    Show_Startup_Reminder();
    Log_Debug_Line("Entering: Do_Splash_Screen()");
    Do_Splash_Screen();
    Log_Debug_Line("Exited: Do_Splash_Screen()");
    const int exit_code = Run_Main_Message_Loop();
    Shutdown_App();
    return exit_code;
}
