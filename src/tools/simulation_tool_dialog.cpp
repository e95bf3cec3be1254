#include "tools/simulation_tool_dialog.h"

#include "app/context_help.h"
#include "dialogs/dialog_setup.h"
#include "platform/controls.h"
#include "platform/message_box.h"
#include "platform/windows.h"
#include "reports/shell_open.h"
#include "tools/season_simulator.h"

namespace {
constexpr int32_t SIMULATION_TOOL_DIALOG_ID = 104;
constexpr uint32_t BUTTON = WINDOW_TAB_STOP;
constexpr const char* FIRST_COUNT = "10";

const DIALOG_CONTROL SIMULATION_TOOL_CONTROLS[] = {
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {10, 12, 62, 10}, "Simulate season:", 0},
    {CONTROL_EDIT, SIMULATION_SEASONS_EDIT, {74, 10, 36, 13}, "", WINDOW_TAB_STOP},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {114, 12, 30, 10}, "times.", 0},
    {CONTROL_PUSH_BUTTON, ID_OK, {170, 8, 66, 15}, "&Simulate", BUTTON | CONTROL_DEFAULT_BUTTON},
    {CONTROL_PUSH_BUTTON,
     SIMULATION_TEXT_BUTTON,
     {10, 34, 152, 15},
     "&View Simulation Results (.txt)",
     BUTTON},
    {CONTROL_PUSH_BUTTON,
     SIMULATION_CSV_BUTTON,
     {10, 53, 152, 15},
     "&View Simulation Results (.csv)",
     BUTTON},
    {CONTROL_PUSH_BUTTON, SIMULATION_RESET_BUTTON, {10, 72, 152, 15}, "&Clear/Reset Simulation Data", BUTTON},
    {CONTROL_PUSH_BUTTON, SIMULATION_HELP_BUTTON, {170, 53, 66, 15}, "&Help", BUTTON},
    {CONTROL_PUSH_BUTTON, ID_CANCEL, {170, 72, 66, 15}, "&Done", BUTTON},
};

void Simulate(WINDOW_HANDLE dialog) {
    int32_t seasons = 0;
    if (!Get_Dialog_Item_Integer(dialog, SIMULATION_SEASONS_EDIT, &seasons)) seasons = 0;
    if (seasons < 1) {
        Show_Formatted_Message("Season Simulator", "You must simulate at least %d season.", 1);
        return;
    }
    if (seasons > MOST_SIMULATED_SEASONS) {
        Show_Formatted_Message("Season Simulator", "You cannot simulate more than %d seasons.",
                               MOST_SIMULATED_SEASONS);
        return;
    }
    End_Dialog(dialog, seasons);
}

void View_Report(WINDOW_HANDLE dialog, int32_t format) {
    Write_Simulator_Report(format);
    Shell_Open(dialog, format == SIMULATOR_REPORT_CSV ? SIMULATOR_CSV_REPORT : SIMULATOR_TEXT_REPORT);
}

bool Handle_Command(WINDOW_HANDLE dialog, int32_t id) {
    switch (id) {
    case ID_OK:
        Simulate(dialog);
        return true;
    case ID_CANCEL:
        End_Dialog(dialog, -1);
        return true;
    case SIMULATION_RESET_BUTTON:
        if (!Reset_Simulator_Data())
            Show_Formatted_Message("File Error", "Couldn't open \"%s\" for writing.", SIMULATOR_DATA_FILE);
        return true;
    case SIMULATION_TEXT_BUTTON:
        View_Report(dialog, SIMULATOR_REPORT_TEXT);
        return true;
    case SIMULATION_CSV_BUTTON:
        View_Report(dialog, SIMULATOR_REPORT_CSV);
        return true;
    case SIMULATION_HELP_BUTTON:
        Open_Context_Help(SIMULATION_TOOL_DIALOG_ID);
        return true;
    default:
        return false;
    }
}
} // namespace

const DIALOG_TEMPLATE SIMULATION_TOOL_DIALOG_TEMPLATE = {
    SIMULATION_TOOL_DIALOG_ID,
    "Simulation Tool",
    246,
    96,
    "MS Sans Serif",
    8,
    WINDOW_CAPTION | WINDOW_BORDER,
    SIMULATION_TOOL_CONTROLS,
    static_cast<int32_t>(sizeof SIMULATION_TOOL_CONTROLS / sizeof SIMULATION_TOOL_CONTROLS[0]),
    -1};

intptr_t Simulation_Tool_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (Is_Dialog_Colour_Message(code)) return Answer_Dialog_Colour(code, dialog, wparam, lparam);
    switch (code) {
    case MSG_INIT_DIALOG:
        Set_Up_Skinned_Dialog(dialog, {ID_OK, SIMULATION_TEXT_BUTTON, SIMULATION_CSV_BUTTON,
                                       SIMULATION_RESET_BUTTON, SIMULATION_HELP_BUTTON, ID_CANCEL});
        Set_Dialog_Item_Text(dialog, SIMULATION_SEASONS_EDIT, FIRST_COUNT);
        return 1;
    case MSG_COMMAND:
        return Handle_Command(dialog, Command_Id(wparam)) ? 1 : 0;
    default:
        return 0;
    }
}
