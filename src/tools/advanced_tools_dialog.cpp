#include "tools/advanced_tools_dialog.h"

#include <cstring>
#include <filesystem>
#include <string>

#include "app/context_help.h"
#include "app/diagnostics.h"
#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "app/progress_window.h"
#include "database/league_structure.h"
#include "database/path_resolver.h"
#include "database/player_record.h"
#include "database/rating_normalisation.h"
#include "database/roster_slots.h"
#include "database/safe_strings.h"
#include "database/saved_game.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "database/universe.h"
#include "dialogs/dialog_setup.h"
#include "dialogs/options_dialog.h"
#include "dialogs/save_prompts.h"
#include "frontoffice/depth_charts.h"
#include "frontoffice/initial_contracts.h"
#include "personnel/draft_pool.h"
#include "platform/message_box.h"
#include "platform/windows.h"
#include "reports/ratings_export.h"
#include "tools/payroll_balance.h"
#include "tools/playbook_import.h"
#include "tools/player_ratings_file.h"
#include "tools/season_database.h"
#include "views/owner_hall_of_fame_file.h"

namespace {
constexpr uint32_t BUTTON = WINDOW_TAB_STOP;
constexpr int32_t VIEW_ENCYCLOPEDIA_DIALOG = 182;
constexpr int32_t BUTTON_LEFT = 20;
constexpr int32_t BUTTON_WIDTH = 160;
constexpr int32_t BUTTON_HEIGHT = 13;
constexpr int32_t ROW = 15;
constexpr int32_t FIRST_ROW = 6;

constexpr DIALOG_UNIT_RECT Row(int32_t row) {
    return {BUTTON_LEFT, FIRST_ROW + row * ROW, BUTTON_WIDTH, BUTTON_HEIGHT};
}

const DIALOG_CONTROL ADVANCED_TOOLS_CONTROLS[] = {
    {CONTROL_PUSH_BUTTON, TOOL_IMPORT_PLAYBOOKS, Row(0), "Import &Playbooks", BUTTON},
    {CONTROL_PUSH_BUTTON, TOOL_DRAFT_POOL, Row(1), "Fill &College Draft Pool", BUTTON},
    {CONTROL_PUSH_BUTTON, TOOL_RECALCULATE_CONTRACTS, Row(2), "&Recalculate Contracts", BUTTON},
    {CONTROL_PUSH_BUTTON, TOOL_BALANCE_PAYROLLS, Row(3), "&Balance Payrolls", BUTTON},
    {CONTROL_PUSH_BUTTON, TOOL_CLEAR_OUTPUT, Row(4), "&Clear Output Folder", BUTTON},
    {CONTROL_PUSH_BUTTON, TOOL_CLEAR_LEADERS, Row(5), "Clear All-Time &Leaders", BUTTON},
    {CONTROL_PUSH_BUTTON, TOOL_CLEAR_INJURIES, Row(6), "&Clear Injuries", BUTTON},
    {CONTROL_PUSH_BUTTON, TOOL_EXPORT_RATINGS, Row(7), "Export Player Ratings", BUTTON},
    {CONTROL_PUSH_BUTTON, TOOL_LOAD_RATINGS, Row(8), "Load Player Ratings", BUTTON},
    {CONTROL_PUSH_BUTTON, TOOL_CALIBRATE_RATINGS, Row(9), "Calibrate Player Ratings", BUTTON},
    {CONTROL_PUSH_BUTTON, TOOL_SORT_TEAMS, Row(10), "Sort &All Teams", BUTTON},
    {CONTROL_PUSH_BUTTON, TOOL_MODERN_DATABASE, Row(11), "Create Modern &Database", BUTTON},
    {CONTROL_PUSH_BUTTON, TOOL_HISTORICAL_DATABASE, Row(12), "Create Historical Database", BUTTON},
    {CONTROL_PUSH_BUTTON, TOOL_SPECIAL, Row(13), "Do Special &Tool", BUTTON | CONTROL_HIDDEN},
    {CONTROL_PUSH_BUTTON,
     ID_OK,
     {BUTTON_LEFT, FIRST_ROW + 14 * ROW + 2, 78, BUTTON_HEIGHT + 2},
     "&Done",
     BUTTON | CONTROL_DEFAULT_BUTTON},
    {CONTROL_PUSH_BUTTON,
     TOOL_HELP,
     {BUTTON_LEFT + 82, FIRST_ROW + 14 * ROW + 2, 78, BUTTON_HEIGHT + 2},
     "&Help",
     BUTTON},
    {CONTROL_PUSH_BUTTON,
     TOOL_ENCYCLOPEDIA,
     {BUTTON_LEFT, FIRST_ROW + 15 * ROW + 5, BUTTON_WIDTH, BUTTON_HEIGHT - 1},
     "HTML Encyclopedia",
     BUTTON | CONTROL_HIDDEN},
};

// Ends the dialog and takes it off the screen at once: the tool that follows
// runs with the main window as the owner of what it shows.
void Close_Before_Tool(WINDOW_HANDLE dialog) {
    End_Dialog(dialog, 1);
    Show_Window(dialog, false);
}

bool Is_Team_In_Use(int32_t team) {
    return team >= MAX_FRANCHISES ? Is_Team_Record_Slot(team) : Is_Used_Franchise_Slot(team);
}

// The league built in the block is not the user's game: it has no name, so
// the Save command asks for one instead of writing over the game.
void Forget_Saved_Game_Name() {
    Set_Saved_Game_Name("");
}

void Balance_Payrolls_With_Progress() {
    const bool opened = Open_Progress_Window("Calculating Player Contracts", 10) != 0;
    Balance_Team_Payrolls();
    if (opened) Close_Progress_Window();
}

void Load_Ratings() {
    Load_Player_Ratings_CSV(1);
    Fill_Missing_Player_Ratings();
}

void Clear_All_Time_Leaders() {
    memset(Universe.Tail.All_Time_Leaders, 0, sizeof Universe.Tail.All_Time_Leaders);
}

// A running draft keeps the class it started with; the user is told so
// instead of the command doing nothing.
void Fill_Draft_Pool_Command() {
    if (Is_Draft_Pool_In_Use()) {
        Show_Formatted_Message("Fill College Draft Pool",
                               "The %s is under way and picks from the pool it started with.\n\n"
                               "The draft pool can be filled again once the draft is over.",
                               Get_Pool_Draft_Name());
        return;
    }
    Create_College_Draft_Pool();
}

// The tools that end the dialog first; the main window owns what they show.
bool Run_Closing_Tool(WINDOW_HANDLE dialog, int32_t id) {
    switch (id) {
    case TOOL_SPECIAL:
    case TOOL_BALANCE_PAYROLLS:
    case TOOL_MODERN_DATABASE:
    case TOOL_RECALCULATE_CONTRACTS:
    case TOOL_IMPORT_PLAYBOOKS:
    case TOOL_DRAFT_POOL:
        break;
    default:
        return false;
    }
    Close_Before_Tool(dialog);
    const WINDOW_HANDLE owner = Main_Window;
    switch (id) {
    case TOOL_SPECIAL:
        Rebuild_Owner_Hall_Of_Fame_File();
        break;
    case TOOL_BALANCE_PAYROLLS:
        Calculate_Player_Contracts();
        break;
    case TOOL_MODERN_DATABASE:
        Create_Modern_Database_Command(owner);
        break;
    case TOOL_RECALCULATE_CONTRACTS:
        Balance_Payrolls_With_Progress();
        break;
    case TOOL_IMPORT_PLAYBOOKS:
        Import_Playbooks(1);
        break;
    case TOOL_DRAFT_POOL:
        Fill_Draft_Pool_Command();
        break;
    default:
        break;
    }
    return true;
}

bool Handle_Command(WINDOW_HANDLE dialog, int32_t id) {
    if (Run_Closing_Tool(dialog, id)) return true;
    switch (id) {
    case ID_OK:
    case ID_CANCEL:
        End_Dialog(dialog, 1);
        return true;
    case TOOL_HELP:
        Open_Context_Help(ADVANCED_TOOLS_DIALOG);
        return true;
    case TOOL_CLEAR_INJURIES:
        Clear_Injuries_Command();
        return true;
    case TOOL_LOAD_RATINGS:
        Load_Ratings();
        return true;
    case TOOL_SORT_TEAMS:
        Auto_Set_All_Depth_Charts(0);
        return true;
    case TOOL_CLEAR_OUTPUT:
        Clear_Output_Folder();
        return true;
    case TOOL_CLEAR_LEADERS:
        Clear_All_Time_Leaders();
        return true;
    case TOOL_HISTORICAL_DATABASE:
        Create_Historical_Database_Command(dialog);
        return true;
    case TOOL_ENCYCLOPEDIA:
        Refresh_Bars_And_Do_Dialog(dialog, VIEW_ENCYCLOPEDIA_DIALOG);
        return true;
    case TOOL_EXPORT_RATINGS:
        Export_Player_Ratings_Command();
        return true;
    case TOOL_CALIBRATE_RATINGS:
        Normalize_Player_Ratings();
        return true;
    default:
        return false;
    }
}
} // namespace

const DIALOG_TEMPLATE ADVANCED_TOOLS_DIALOG_TEMPLATE = {
    ADVANCED_TOOLS_DIALOG,
    "Advanced Tools",
    200,
    250,
    "MS Sans Serif",
    10,
    WINDOW_CAPTION | WINDOW_BORDER,
    ADVANCED_TOOLS_CONTROLS,
    static_cast<int32_t>(sizeof ADVANCED_TOOLS_CONTROLS / sizeof ADVANCED_TOOLS_CONTROLS[0]),
    1};

int32_t Clear_All_Injuries() {
    int32_t healed = 0;
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team) {
        if (!Is_Team_In_Use(team)) continue;
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            if (Get_Player_Vital_Stat(team, slot, VITAL_WEEKS_OUT) <= 0) continue;
            Set_Player_Vital_Stat(team, slot, VITAL_WEEKS_OUT, 0);
            ++healed;
        }
    }
    return healed;
}

void Clear_Injuries_Command() {
    const int32_t healed = Clear_All_Injuries();
    if (healed > 0)
        Show_Formatted_Message("Clear Injuries", "Injuries removed for %d players.", healed);
    else
        Show_Formatted_Message("Clear Injuries", "No injured players were found.");
}

// Only regular files go: a folder, or a link to something elsewhere, is
// never followed or removed.
void Clear_Output_Folder() {
    std::error_code error;
    const std::filesystem::path folder = Resolve_File_Path("output");
    if (!std::filesystem::is_directory(folder, error)) return;
    for (auto it = std::filesystem::directory_iterator(folder, error);
         !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        std::error_code entry_error;
        if (it->symlink_status(entry_error).type() != std::filesystem::file_type::regular) continue;
        std::filesystem::remove(it->path(), entry_error);
    }
}

void Create_Modern_Database_Command(WINDOW_HANDLE owner) {
    if (Check_Save_Changes(owner) == 0) return;
    Log_Debug_Line("Advanced Tools: building the %d season database", LAST_DATABASE_YEAR);
    if (Create_Season_Database(LAST_DATABASE_YEAR)) {
        Forget_Saved_Game_Name();
        Show_Formatted_Message("Create Modern Database",
                               "Reminder: You must start a New Game to load the new database.");
    }
    Auto_Set_All_Depth_Charts(0);
}

int32_t Create_Historical_Database_Command(WINDOW_HANDLE dialog) {
    const int32_t year = Get_Universe_Stat(BASE_YEAR);
    char text[256];
    char first[64];
    safe_sprintf(
        text, sizeof text,
        "This will create the %d database.\n\n(To create a different season, start a New Game in that "
        "year.)",
        year);
    safe_sprintf(first, sizeof first, "Create %d Database", year);
    const int answer = User_Message_Dialog("Create Historical Database", text, first,
                                           "Create All Historical Databases", "Cancel");
    if (answer != ID_BOX_YES && answer != ID_BOX_NO) return 0;
    Close_Before_Tool(dialog);
    if (Check_Save_Changes(Main_Window) == 0) return 1;
    if (answer == ID_BOX_YES)
        Log_Debug_Line("Advanced Tools: building the %d season database", year);
    else
        Log_Debug_Line("Advanced Tools: building the %d-%d season databases", FIRST_DATABASE_YEAR,
                       LAST_DATABASE_YEAR - 1);
    const bool saved =
        answer == ID_BOX_YES ? Create_Historical_Databases(year, year) : Create_All_Historical_Databases();
    if (saved) Forget_Saved_Game_Name();
    return 1;
}

intptr_t Advanced_Tools_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (Is_Dialog_Colour_Message(code)) return Answer_Dialog_Colour(code, dialog, wparam, lparam);
    switch (code) {
    case MSG_INIT_DIALOG:
        Set_Up_Skinned_Dialog(dialog,
                              {ID_OK, TOOL_HELP, TOOL_BALANCE_PAYROLLS, TOOL_IMPORT_PLAYBOOKS,
                               TOOL_DRAFT_POOL, TOOL_MODERN_DATABASE, TOOL_HISTORICAL_DATABASE,
                               TOOL_RECALCULATE_CONTRACTS, TOOL_CLEAR_OUTPUT, TOOL_CLEAR_LEADERS,
                               TOOL_CLEAR_INJURIES, TOOL_EXPORT_RATINGS, TOOL_LOAD_RATINGS,
                               TOOL_CALIBRATE_RATINGS, TOOL_SORT_TEAMS, TOOL_ENCYCLOPEDIA, TOOL_SPECIAL});
        Enable_Special_Tool_Button(dialog);
        return 1;
    case MSG_COMMAND:
        return Handle_Command(dialog, Command_Id(wparam)) ? 1 : 0;
    default:
        return 0;
    }
}
