#include "dialogs/options_dialog.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <strings.h>
#include <vector>

#include "app/context_help.h"
#include "app/dialog_brushes.h"
#include "app/dialog_lists.h"
#include "app/dialog_services.h"
#include "app/main_window.h"
#include "app/news_ticker.h"
#include "app/skins.h"
#include "app/status_bars.h"
#include "app/window_graphics.h"
#include "database/league_structure.h"
#include "database/path_resolver.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/text_format.h"
#include "database/universe.h"
#include "dialogs/dialog_setup.h"
#include "platform/combo_box.h"
#include "platform/controls.h"
#include "platform/drawing_surface.h"
#include "platform/list_box.h"
#include "platform/message_box.h"
#include "platform/text_encoding.h"
#include "platform/windows.h"
#include "season/replay_stats.h"
#include "views/current_view.h"
#include "views/owner_hall_of_fame_file.h"

namespace {
constexpr uint32_t BOX = WINDOW_TAB_STOP;
constexpr uint32_t HIDDEN_BOX = WINDOW_TAB_STOP | CONTROL_HIDDEN;
constexpr int32_t HELP_BUTTON = 9;
constexpr int32_t DRIVE_THRU_CARDS_BOX = 1037;
constexpr int32_t TEAM_WITH_NAMES_BOX = 1039;
constexpr int32_t RANDOM_VARIATION_COMBO = 1012;
constexpr int32_t HINT_LIST = 1274;
constexpr int32_t HINT_AT_STARTUP_BOX = 1022;
constexpr int32_t NEXT_HINT_BUTTON = 1273;

// Settings the dialog keeps.
constexpr int32_t PERFECT_SCOUTING = 53;
constexpr int32_t OUTPUT_STANDINGS = 79;
constexpr int32_t OUTPUT_AWARDS = 80;
constexpr int32_t OUTPUT_FINANCES = 81;
constexpr int32_t HALL_OF_FAME_VIEW_LEVEL = 24;
constexpr int32_t DARK_TEXT = 201;
constexpr int32_t FIRST_MODERN_SEASON = FIRST_SEASON_WITHOUT_REPLAY;
constexpr int32_t FIRST_HISTORICAL_SEASON = 1951;
constexpr int32_t SPEED_STEPS = 5;
constexpr int32_t SPEED_STEP_MS = 100;
constexpr int32_t REVERSION_STEPS = 10;
constexpr int32_t REVERSION_STEP = 10;

// A four-character configuration tag; only "TEST" and "TOOL" builds keep the
// developer button.
constexpr const char BUILD_TAG[] = "    ";

constexpr const char* HINTS[] = {
    "You can use the 'Find Players' utility in the Tools menu to help fill weak spots in your team.Paying "
    "your medical staff well reduces the likelihood of player injury.",
    "At the beginning of each season, you can check out the headlines to see who won the MVP and other "
    "awards.",
    "Fans love cheap food.",
    "Using the Hint button in the trade dialogue will let you in on the needs of the computer's team.",
};

// The check boxes that mirror one setting each.
struct SETTING_BOX {
    int32_t Id;
    int32_t Setting;
};
constexpr SETTING_BOX SETTING_BOXES[] = {
    {OPTION_COMMISSIONER_BOX, COMMISSIONER_MODE},
    {OPTION_PERFECT_SCOUTING_BOX, PERFECT_SCOUTING},
    {OPTION_COMPUTER_TRADES_BOX, COMPUTER_OFFERS_TRADES},
    {OPTION_SOUNDS_BOX, SOUNDS_ENABLED},
    {OPTION_DARK_TEXT_BOX, DARK_TEXT},
    {OPTION_AUTO_SAVE_BOX, AUTO_SAVE},
    {OPTION_AUTO_FILL_BOX, AUTO_FILL_ROSTERS},
    {OPTION_OUTPUT_FINANCES_BOX, OUTPUT_FINANCES},
    {OPTION_OUTPUT_AWARDS_BOX, OUTPUT_AWARDS},
    {OPTION_OUTPUT_STANDINGS_BOX, OUTPUT_STANDINGS},
    {OPTION_NEWS_TICKER_BOX, SHOW_NEWS_TICKER},
};

const DIALOG_CONTROL OPTIONS_CONTROLS[] = {
    {CONTROL_CHECK_BOX, OPTION_COMMISSIONER_BOX, {8, 8, 138, 11}, "Commissioner Mode", BOX},
    {CONTROL_CHECK_BOX, OPTION_PERFECT_SCOUTING_BOX, {8, 20, 138, 11}, "Perfect Scouting", BOX},
    {CONTROL_CHECK_BOX, OPTION_AUTO_SAVE_BOX, {8, 32, 138, 11}, "Enable Auto-Save", BOX},
    {CONTROL_CHECK_BOX, OPTION_SOUNDS_BOX, {8, 44, 138, 11}, "Sound Effects", BOX},
    {CONTROL_CHECK_BOX, OPTION_NEWS_TICKER_BOX, {8, 56, 138, 11}, "Show News Ticker", BOX},
    {CONTROL_CHECK_BOX, OPTION_DARK_TEXT_BOX, {8, 68, 138, 11}, "Dark Text", BOX},
    {CONTROL_CHECK_BOX, OPTION_AUTO_FILL_BOX, {8, 80, 138, 11}, "Auto-Fill Incomplete Rosters", BOX},
    {CONTROL_CHECK_BOX, OPTION_REPLAY_BOX, {8, 92, 138, 11}, "Replay Mode", BOX},
    {CONTROL_CHECK_BOX, OPTION_REQUIRE_CLICK_BOX, {8, 104, 138, 11}, "Require Click After Each Play", BOX},
    {CONTROL_CHECK_BOX, OPTION_COMPUTER_TRADES_BOX, {8, 116, 138, 11}, "Computer Offers Trades", HIDDEN_BOX},
    {CONTROL_GROUP_BOX, UNNAMED_CONTROL, {8, 118, 138, 48}, "Automatic Text Output", 0},
    {CONTROL_CHECK_BOX, OPTION_OUTPUT_STANDINGS_BOX, {16, 130, 120, 11}, "Standings", BOX},
    {CONTROL_CHECK_BOX, OPTION_OUTPUT_AWARDS_BOX, {16, 141, 120, 11}, "Awards", BOX},
    {CONTROL_CHECK_BOX, OPTION_OUTPUT_FINANCES_BOX, {16, 152, 120, 11}, "Finances", BOX},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {154, 10, 72, 10}, "Financial Mode:", 0},
    {CONTROL_COMBO_BOX, OPTION_FINANCE_MODE_COMBO, {228, 8, 102, 60}, "", BOX},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {154, 28, 72, 10}, "Difficulty Level", 0},
    {CONTROL_COMBO_BOX, OPTION_DIFFICULTY_COMBO, {228, 26, 102, 70}, "", BOX},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {154, 46, 72, 10}, "Reversion To Mean", 0},
    {CONTROL_COMBO_BOX, OPTION_REVERSION_COMBO, {228, 44, 102, 120}, "", BOX},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {154, 64, 72, 10}, "Text Display Speed", 0},
    {CONTROL_COMBO_BOX, OPTION_SPEED_COMBO, {228, 62, 102, 90}, "", BOX},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {154, 82, 72, 10}, "Offensive Plays", 0},
    {CONTROL_COMBO_BOX, OPTION_OFFENSE_CALLING_COMBO, {228, 80, 102, 50}, "", BOX},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {154, 100, 72, 10}, "Defensive Plays", 0},
    {CONTROL_COMBO_BOX, OPTION_DEFENSE_CALLING_COMBO, {228, 98, 102, 50}, "", BOX},
    {CONTROL_COMBO_BOX, OPTION_SKIN_COMBO, {154, 118, 176, 90}, "", BOX},
    {CONTROL_CHECK_BOX, DRIVE_THRU_CARDS_BOX, {154, 136, 176, 11}, "DriveThruCards (825 x 1125)", HIDDEN_BOX},
    {CONTROL_CHECK_BOX,
     TEAM_WITH_NAMES_BOX,
     {154, 148, 176, 11},
     "Display Team with Player Names",
     HIDDEN_BOX},
    {CONTROL_COMBO_BOX, RANDOM_VARIATION_COMBO, {154, 160, 176, 60}, "", HIDDEN_BOX},
    {CONTROL_STATIC_TEXT, OPTION_MODE_TEXT, {8, 172, 322, 20}, "", 0},
    {CONTROL_STATIC_TEXT, OPTION_REPLAY_TEXT, {8, 196, 322, 20}, "", 0},
    {CONTROL_PUSH_BUTTON, SPECIAL_TOOL_BUTTON, {8, 224, 80, 15}, "Do &Special Tool", BOX},
    {CONTROL_PUSH_BUTTON, HELP_BUTTON, {208, 224, 58, 15}, "&Help", BOX},
    {CONTROL_PUSH_BUTTON, ID_OK, {272, 224, 58, 15}, "&Done", BOX | CONTROL_DEFAULT_BUTTON},
};

const DIALOG_CONTROL DID_YOU_KNOW_CONTROLS[] = {
    {CONTROL_LIST_BOX, HINT_LIST, {8, 8, 220, 70}, "", BOX},
    {CONTROL_CHECK_BOX, HINT_AT_STARTUP_BOX, {8, 84, 120, 11}, "Show hint at startup", BOX},
    {CONTROL_PUSH_BUTTON, NEXT_HINT_BUTTON, {112, 100, 56, 15}, "&Next Hint", BOX},
    {CONTROL_PUSH_BUTTON, ID_OK, {172, 100, 56, 15}, "&OK", BOX | CONTROL_DEFAULT_BUTTON},
};

// The folder names of the skins offered, by the item value less 100.
char Skin_Names[MAX_SKINS][sizeof Universe.Header.Skin_Name];

WINDOW_HANDLE Item(WINDOW_HANDLE dialog, int32_t id) {
    return Get_Dialog_Item(dialog, id);
}

void Tick(WINDOW_HANDLE dialog, int32_t id, bool on) {
    Check_Dialog_Button(dialog, id, on ? BUTTON_CHECKED : BUTTON_UNCHECKED);
}

bool Is_Ticked(WINDOW_HANDLE dialog, int32_t id) {
    return Is_Dialog_Button_Checked(dialog, id) == BUTTON_CHECKED;
}

void Fill_Combo(WINDOW_HANDLE dialog, int32_t id, std::initializer_list<const char*> lines,
                int32_t selected) {
    const WINDOW_HANDLE combo = Item(dialog, id);
    Combo_Box_Reset_Content(combo);
    for (const char* line : lines)
        Combo_Box_Add_String(combo, line);
    Combo_Box_Set_Current_Selection(combo,
                                    std::clamp<int32_t>(selected, 0, static_cast<int32_t>(lines.size()) - 1));
}

int32_t Selected(WINDOW_HANDLE dialog, int32_t id) {
    return Combo_Box_Get_Current_Selection(Item(dialog, id));
}

bool Is_Modern_Season() {
    return Get_Current_Year() >= FIRST_MODERN_SEASON;
}

// Replay Mode turned on: in week 0 the season's statistics are loaded now, and
// the mode stays off when they could not be; later it waits for the next season.
void Turn_On_Replay_Mode() {
    if (Get_User_Preference(CURRENT_WEEK) == 0) {
        if (Load_Replay_Season_Stats() == 0) return;
        Universe.Header.Replay_Mode = 1;
        Show_Formatted_Message("Replay Mode Enabled",
                               "Season stats have been loaded for the current season.");
        return;
    }
    Universe.Header.Replay_Mode = 1;
    Show_Formatted_Message("Replay Mode Enabled",
                           "Season stats will be loaded at the beginning of the next season.");
}

// The ticker follows its box, with or without a status bar over it (the
// college draft takes the status bar down); the status bar moves to its new place.
void Apply_News_Ticker_Choice(bool wanted) {
    const bool shown = News_Ticker_Exists() != 0;
    if (shown && !wanted)
        Destroy_News_Ticker();
    else if (!shown && wanted)
        Create_News_Ticker(Main_Window);
    else
        return;
    Redock_Status_Bars();
}

bool Handle_Options_Command(WINDOW_HANDLE dialog, int32_t id, uint32_t notification) {
    switch (id) {
    case ID_OK:
        Apply_Options(dialog);
        Redraw_Main_Window();
        Set_Current_View(Get_Current_View());
        End_Dialog(dialog, 1);
        return true;
    case ID_CANCEL:
        End_Dialog(dialog, ID_CANCEL);
        return true;
    case HELP_BUTTON:
        Open_Help_Topic("options");
        return true;
    case OPTION_SKIN_COMBO:
        if (notification == NOTIFY_COMBO_SELECTION_CHANGE) Apply_Skin_Choice(dialog);
        return true;
    case OPTION_FINANCE_MODE_COMBO:
        if (notification == NOTIFY_COMBO_SELECTION_CHANGE) Show_Options_Texts(dialog);
        return true;
    case SPECIAL_TOOL_BUTTON:
        Rebuild_Owner_Hall_Of_Fame_File();
        return true;
    default:
        return false;
    }
}
} // namespace

const DIALOG_TEMPLATE OPTIONS_DIALOG_TEMPLATE = {
    OPTIONS_DIALOG,
    "Options",
    338,
    246,
    "MS Sans Serif",
    8,
    WINDOW_CAPTION | WINDOW_BORDER,
    OPTIONS_CONTROLS,
    static_cast<int32_t>(sizeof OPTIONS_CONTROLS / sizeof OPTIONS_CONTROLS[0]),
    ID_CANCEL};
const DIALOG_TEMPLATE DID_YOU_KNOW_DIALOG_TEMPLATE = {
    DID_YOU_KNOW_DIALOG,
    "Did You Know?",
    236,
    122,
    "MS Sans Serif",
    8,
    WINDOW_CAPTION | WINDOW_BORDER,
    DID_YOU_KNOW_CONTROLS,
    static_cast<int32_t>(sizeof DID_YOU_KNOW_CONTROLS / sizeof DID_YOU_KNOW_CONTROLS[0]),
    ID_OK};

void Fill_Options(WINDOW_HANDLE dialog) {
    for (const SETTING_BOX& box : SETTING_BOXES)
        Tick(dialog, box.Id, Get_User_Preference(box.Setting) != 0);
    Enable_Window(Item(dialog, OPTION_REPLAY_BOX), !Is_Modern_Season());
    Tick(dialog, OPTION_REPLAY_BOX, !Is_Modern_Season() && Universe.Header.Replay_Mode != 0);
    Tick(dialog, OPTION_REQUIRE_CLICK_BOX, Universe.Header.Require_Click_After_Each_Play != 0);
    Fill_Combo(dialog, OPTION_SPEED_COMBO, {"Very Slow", "Slow", "Normal", "Fast", "Very Fast", "Instant"},
               SPEED_STEPS - Get_User_Preference(PLAY_ANIMATION_DELAY) / SPEED_STEP_MS);
    Fill_Combo(dialog, OPTION_OFFENSE_CALLING_COMBO, {"Manual", "Automatic"},
               Get_User_Preference(AUTO_CALL_OFFENSE));
    Fill_Combo(dialog, OPTION_DEFENSE_CALLING_COMBO, {"Manual", "Automatic"},
               Get_User_Preference(AUTO_CALL_DEFENSE));
    Fill_Difficulty_Combo(dialog);
    Fill_Finance_Mode_Combo(Item(dialog, OPTION_FINANCE_MODE_COMBO));
    Combo_Box_Set_Current_Selection(Item(dialog, OPTION_FINANCE_MODE_COMBO),
                                    Get_User_Preference(OWNER_MODE) == 1 ? 1 : 0);
    Fill_Reversion_Combo(dialog);
    Fill_Skin_Combo(Item(dialog, OPTION_SKIN_COMBO));
    Enable_Special_Tool_Button(dialog);
    Show_Options_Texts(dialog);
}

void Apply_Options(WINDOW_HANDLE dialog) {
    for (const SETTING_BOX& box : SETTING_BOXES)
        Set_User_Preference(box.Setting, Is_Ticked(dialog, box.Id) ? 1 : 0);
    Apply_News_Ticker_Choice(Is_Ticked(dialog, OPTION_NEWS_TICKER_BOX));
    Universe.Header.Require_Click_After_Each_Play = Is_Ticked(dialog, OPTION_REQUIRE_CLICK_BOX) ? 1 : 0;
    if (Is_Modern_Season()) {
        Universe.Header.Replay_Mode = 0;
    } else if (!Is_Ticked(dialog, OPTION_REPLAY_BOX)) {
        Universe.Header.Replay_Mode = 0;
    } else if (Universe.Header.Replay_Mode == 0) {
        Turn_On_Replay_Mode();
    }
    const int32_t speed = std::clamp(Selected(dialog, OPTION_SPEED_COMBO), 0, SPEED_STEPS);
    Set_User_Preference(PLAY_ANIMATION_DELAY, (SPEED_STEPS - speed) * SPEED_STEP_MS);
    Set_User_Preference(AUTO_CALL_OFFENSE, std::max(0, Selected(dialog, OPTION_OFFENSE_CALLING_COMBO)));
    Set_User_Preference(AUTO_CALL_DEFENSE, std::max(0, Selected(dialog, OPTION_DEFENSE_CALLING_COMBO)));
    const int32_t difficulty = std::clamp(Selected(dialog, OPTION_DIFFICULTY_COMBO), 0, 3);
    Set_User_Preference(DIFFICULTY_LEVEL, difficulty);
    Set_User_Preference(HALL_OF_FAME_VIEW_LEVEL, difficulty);
    Set_User_Preference(OWNER_MODE, std::max(0, Selected(dialog, OPTION_FINANCE_MODE_COMBO)));
    const int32_t reversion = std::clamp(Selected(dialog, OPTION_REVERSION_COMBO), 0, 2 * REVERSION_STEPS);
    Universe.Header.Reversion_To_Mean = static_cast<int16_t>((reversion - REVERSION_STEPS) * REVERSION_STEP);
}

void Show_Options_Texts(WINDOW_HANDLE dialog) {
    Set_Dialog_Item_Text(
        dialog, OPTION_MODE_TEXT,
        Selected(dialog, OPTION_FINANCE_MODE_COMBO) == 1
            ? "'Owner Mode' requires you to set ticket prices and manage expenditures. When in "
              "debt, you can't draft players, sign free agents or extend contracts."
            : "In 'General Manager Mode', the only limit on your personnel budget is the league "
              "salary cap.");
    char text[256];
    if (Is_Modern_Season())
        safe_sprintf(text, sizeof text, "'Replay Mode' is only available for historical seasons (%d - %d).",
                     FIRST_HISTORICAL_SEASON, FIRST_MODERN_SEASON - 1);
    else
        safe_strncpy(
            text,
            "'Replay Mode' recalculates player ratings at the beginning of each season, using only that "
            "season's historical statistics.",
            sizeof text);
    Set_Dialog_Item_Text(dialog, OPTION_REPLAY_TEXT, text);
}

void Fill_Skin_Combo(WINDOW_HANDLE combo) {
    char current[sizeof Universe.Header.Skin_Name];
    Get_Skin_Name(current, sizeof current);
    for (auto& name : Skin_Names)
        name[0] = '\0';
    Combo_Box_Reset_Content(combo);
    std::vector<std::string> folders;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(Resolve_File_Path("Skins"), error)) {
        std::error_code kind_error;
        if (!entry.is_directory(kind_error)) continue;
        const std::string name = Text_From_File_Name(entry.path().filename().string());
        // A name the league's skin field cannot hold whole is never offered.
        if (name.empty() || name.size() >= sizeof Skin_Names[0]) continue;
        folders.push_back(name);
    }
    std::sort(folders.begin(), folders.end());
    folders.erase(std::unique(folders.begin(), folders.end()), folders.end());
    if (folders.size() > MAX_SKINS) folders.resize(MAX_SKINS);
    for (size_t n = 0; n < folders.size(); ++n) {
        safe_strncpy(Skin_Names[n], folders[n].c_str(), sizeof Skin_Names[n]);
        const std::string line = "Skin: " + folders[n];
        const int32_t index = Combo_Box_Add_String(combo, line.c_str());
        Combo_Box_Set_Item_Data(combo, index, FIRST_SKIN_ITEM + static_cast<intptr_t>(n));
        if (strcasecmp(folders[n].c_str(), current) == 0) Combo_Box_Set_Current_Selection(combo, index);
    }
}

void Apply_Skin_Choice(WINDOW_HANDLE dialog) {
    const WINDOW_HANDLE combo = Item(dialog, OPTION_SKIN_COMBO);
    const int32_t index = Combo_Box_Get_Current_Selection(combo);
    if (index < 0) return;
    const intptr_t value = Combo_Box_Get_Item_Data(combo, index);
    if (value < FIRST_SKIN_ITEM || value >= FIRST_SKIN_ITEM + MAX_SKINS) return;
    const char* name = Skin_Names[value - FIRST_SKIN_ITEM];
    if (name[0] == '\0') return;
    Set_Skin_Name(name);
    Create_Dialog_Brushes();
    Redraw_Window(dialog);
    Redraw_Main_Window();
}

void Fill_Difficulty_Combo(WINDOW_HANDLE dialog) {
    Fill_Combo(dialog, OPTION_DIFFICULTY_COMBO, {"Fan", "Coach", "Head Coach", "Korva"},
               Get_User_Preference(DIFFICULTY_LEVEL));
}

void Fill_Finance_Mode_Combo(WINDOW_HANDLE combo) {
    Combo_Box_Reset_Content(combo);
    for (const char* mode : {"General Manager Mode", "Owner Mode"})
        Combo_Box_Add_String(combo, mode);
}

void Paint_Skin_Background(WINDOW_HANDLE window, DEVICE_CONTEXT* dc) {
    if (dc == nullptr) return;
    RECT_AREA client;
    Get_Client_Rect(window, &client);
    Fill_Surface_Area(dc, client, Get_Skin_Color());
}

void Fill_Reversion_Combo(WINDOW_HANDLE dialog) {
    const WINDOW_HANDLE combo = Item(dialog, OPTION_REVERSION_COMBO);
    Fill_Percent_Combo(combo);
    Combo_Box_Set_Current_Selection(
        combo,
        std::clamp((Universe.Header.Reversion_To_Mean + 100) / REVERSION_STEP, 0, 2 * REVERSION_STEPS));
}

void Enable_Special_Tool_Button(WINDOW_HANDLE dialog) {
    const WINDOW_HANDLE button = Item(dialog, SPECIAL_TOOL_BUTTON);
    if (button == NO_WINDOW) return;
    if (strcasecmp(BUILD_TAG, "TEST") == 0 || strcasecmp(BUILD_TAG, "TOOL") == 0) {
        Show_Window(button, true);
        Enable_Window(button, true);
    } else {
        Destroy_Window(button);
    }
}

void Get_Hint_Text(int32_t index, char* out, int32_t size) {
    if (out == nullptr || size <= 0) return;
    const int32_t count = static_cast<int32_t>(sizeof HINTS / sizeof HINTS[0]);
    safe_strncpy(out, index >= 0 && index < count ? HINTS[index] : "", size);
}

intptr_t Options_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (Is_Dialog_Colour_Message(code)) return Answer_Dialog_Colour(code, dialog, wparam, lparam);
    switch (code) {
    case MSG_INIT_DIALOG:
        Set_Up_Skinned_Dialog(dialog, {SPECIAL_TOOL_BUTTON, ID_OK, HELP_BUTTON});
        Fill_Options(dialog);
        return 1;
    case MSG_COMMAND:
        return Handle_Options_Command(dialog, Command_Id(wparam), Command_Notification(wparam)) ? 1 : 0;
    default:
        return 0;
    }
}

intptr_t Did_You_Know_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (Is_Dialog_Colour_Message(code)) return Answer_Dialog_Colour(code, dialog, wparam, lparam);
    switch (code) {
    case MSG_INIT_DIALOG:
        Set_Up_Skinned_Dialog(dialog, {ID_OK, NEXT_HINT_BUTTON});
        return 1;
    case MSG_COMMAND:
        if (Command_Id(wparam) == ID_OK || Command_Id(wparam) == ID_CANCEL) {
            End_Dialog(dialog, 1);
            return 1;
        }
        return 0;
    default:
        return 0;
    }
}
