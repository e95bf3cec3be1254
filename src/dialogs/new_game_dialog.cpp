#include "dialogs/new_game_dialog.h"

#include <cstring>
#include <string>

#include "app/app_fonts.h"
#include "app/context_help.h"
#include "app/dialog_services.h"
#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "app/news_ticker.h"
#include "app/status_bars.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "database/universe.h"
#include "dialogs/dialog_setup.h"
#include "dialogs/options_dialog.h"
#include "platform/combo_box.h"
#include "platform/controls.h"
#include "platform/edit_control.h"
#include "platform/message_box.h"
#include "platform/windows.h"
#include "season/historic_reference.h"
#include "season/new_game_choices.h"
#include "views/current_view.h"
#include "views/owner_hall_of_fame.h"

namespace {
constexpr uint32_t BUTTON = WINDOW_TAB_STOP;
constexpr uint32_t BOX = WINDOW_TAB_STOP;
constexpr int32_t HELP_BUTTON = 9;
constexpr int32_t ADVANCED_GROUP = 1378;
constexpr int32_t NOTABLE_GROUP = 1379;
constexpr int32_t NAME_CHARACTERS_READ = 63;
constexpr int32_t FANTASY_DRAFT_DIALOG = 165;

// Laid out in dialog units: the choices on the left, the advanced options on
// the right, the city and franchise figures under them, then the notable
// players and the season's championship game.
const DIALOG_CONTROL NEW_GAME_CONTROLS[] = {
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {8, 10, 64, 10}, "Season:", 0},
    {CONTROL_COMBO_BOX, NEW_GAME_SEASON_COMBO, {74, 8, 60, 160}, "", BOX},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {8, 28, 64, 10}, "Team:", 0},
    {CONTROL_COMBO_BOX, NEW_GAME_TEAM_COMBO, {74, 26, 134, 180}, "", BOX},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {8, 46, 64, 10}, "Your Name:", 0},
    {CONTROL_EDIT, NEW_GAME_NAME_EDIT, {74, 44, 134, 13}, "", BOX},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {8, 64, 64, 10}, "Difficulty Level:", 0},
    {CONTROL_COMBO_BOX, NEW_GAME_DIFFICULTY_COMBO, {74, 62, 80, 70}, "", BOX},
    {CONTROL_GROUP_BOX, ADVANCED_GROUP, {218, 4, 134, 78}, "Advanced Options", 0},
    {CONTROL_CHECK_BOX, NEW_GAME_SHUFFLE_BOX, {226, 16, 118, 11}, "Shuffle Players", BOX},
    {CONTROL_CHECK_BOX, NEW_GAME_FICTIONAL_BOX, {226, 28, 118, 11}, "Fictional Players", BOX},
    {CONTROL_CHECK_BOX, NEW_GAME_EQUALIZE_BOX, {226, 40, 118, 11}, "Equalize Cities", BOX},
    {CONTROL_CHECK_BOX, NEW_GAME_FANTASY_BOX, {226, 52, 118, 11}, "Fantasy Draft", BOX},
    {CONTROL_CHECK_BOX, NEW_GAME_REPLAY_BOX, {226, 64, 118, 11}, "Replay Mode", BOX},
    {CONTROL_GROUP_BOX, UNNAMED_CONTROL, {8, 86, 168, 52}, "City Statistics", 0},
    {CONTROL_STATIC_TEXT, NEW_GAME_FACT_LINES[0], {16, 98, 154, 10}, "Fan Base: n/a", 0},
    {CONTROL_STATIC_TEXT, NEW_GAME_FACT_LINES[1], {16, 110, 154, 10}, "Fan Loyalty: n/a", 0},
    {CONTROL_STATIC_TEXT, NEW_GAME_FACT_LINES[2], {16, 122, 154, 10}, "Fan Income: n/a", 0},
    {CONTROL_GROUP_BOX, UNNAMED_CONTROL, {184, 86, 168, 52}, "Franchise Statistics", 0},
    {CONTROL_STATIC_TEXT, NEW_GAME_FACT_LINES[3], {192, 98, 154, 10}, "Franchise Value: n/a", 0},
    {CONTROL_STATIC_TEXT, NEW_GAME_FACT_LINES[4], {192, 110, 154, 10}, "Stadium Seats: n/a", 0},
    {CONTROL_STATIC_TEXT, NEW_GAME_FACT_LINES[5], {192, 122, 154, 10}, "Salary Total: n/a", 0},
    {CONTROL_GROUP_BOX, NOTABLE_GROUP, {8, 142, 344, 74}, "Notable Players (Position, Age)", 0},
    {CONTROL_STATIC_TEXT, NEW_GAME_NOTABLE_LINES[0], {16, 154, 328, 10}, "", 0},
    {CONTROL_STATIC_TEXT, NEW_GAME_NOTABLE_LINES[1], {16, 166, 328, 10}, "", 0},
    {CONTROL_STATIC_TEXT, NEW_GAME_NOTABLE_LINES[2], {16, 178, 328, 10}, "", 0},
    {CONTROL_STATIC_TEXT, NEW_GAME_NOTABLE_LINES[3], {16, 190, 328, 10}, "", 0},
    {CONTROL_STATIC_TEXT, NEW_GAME_NOTABLE_LINES[4], {16, 202, 328, 10}, "", 0},
    {CONTROL_STATIC_TEXT, NEW_GAME_SEASON_INFO, {8, 220, 344, 20}, "Season Info", CONTROL_CENTRE_TEXT},
    {CONTROL_PUSH_BUTTON, HELP_BUTTON, {8, 244, 54, 15}, "&Help", BUTTON},
    {CONTROL_PUSH_BUTTON, NEW_GAME_PLAY_BUTTON, {298, 244, 54, 15}, "&Play", BUTTON | CONTROL_DEFAULT_BUTTON},
};

// The advanced options, by check box.
struct OPTION_BOX {
    int32_t Id;
    NEW_GAME_OPTION Option;
};
constexpr OPTION_BOX OPTION_BOXES[] = {{NEW_GAME_SHUFFLE_BOX, OPTION_SHUFFLE_PLAYERS},
                                       {NEW_GAME_FICTIONAL_BOX, OPTION_FICTIONAL_PLAYERS},
                                       {NEW_GAME_EQUALIZE_BOX, OPTION_EQUALIZE_CITIES},
                                       {NEW_GAME_FANTASY_BOX, OPTION_FANTASY_DRAFT},
                                       {NEW_GAME_REPLAY_BOX, OPTION_REPLAY_MODE}};

WINDOW_HANDLE Item(WINDOW_HANDLE dialog, int32_t id) {
    return Get_Dialog_Item(dialog, id);
}

int32_t Selected(WINDOW_HANDLE dialog, int32_t id) {
    return Combo_Box_Get_Current_Selection(Item(dialog, id));
}

bool Is_Ticked(WINDOW_HANDLE dialog, int32_t id) {
    return Is_Dialog_Button_Checked(dialog, id) == BUTTON_CHECKED;
}

NEW_GAME_OPTIONS Read_Option_Boxes(WINDOW_HANDLE dialog) {
    NEW_GAME_OPTIONS options{};
    options.Shuffle_Players = Is_Ticked(dialog, NEW_GAME_SHUFFLE_BOX);
    options.Fictional_Players = Is_Ticked(dialog, NEW_GAME_FICTIONAL_BOX);
    options.Equalize_Cities = Is_Ticked(dialog, NEW_GAME_EQUALIZE_BOX);
    options.Fantasy_Draft = Is_Ticked(dialog, NEW_GAME_FANTASY_BOX);
    options.Replay_Mode = Is_Ticked(dialog, NEW_GAME_REPLAY_BOX);
    return options;
}

void Show_Option_Boxes(WINDOW_HANDLE dialog, const NEW_GAME_OPTIONS& options) {
    const auto tick = [&](int32_t id, bool on) { Check_Dialog_Button(dialog, id, on ? BUTTON_CHECKED : 0); };
    tick(NEW_GAME_SHUFFLE_BOX, options.Shuffle_Players);
    tick(NEW_GAME_FICTIONAL_BOX, options.Fictional_Players);
    tick(NEW_GAME_EQUALIZE_BOX, options.Equalize_Cities);
    tick(NEW_GAME_FANTASY_BOX, options.Fantasy_Draft);
    tick(NEW_GAME_REPLAY_BOX, options.Replay_Mode);
}

// A box the user ticked or cleared, with the boxes it excludes cleared.
void Option_Box_Clicked(WINDOW_HANDLE dialog, NEW_GAME_OPTION option, int32_t id) {
    NEW_GAME_OPTIONS options = Read_Option_Boxes(dialog);
    Set_New_Game_Option(&options, option, Is_Ticked(dialog, id));
    Show_Option_Boxes(dialog, options);
}

// The season list shows the year of the league in memory (none when that
// year is not offered).
void Select_Loaded_Season(WINDOW_HANDLE dialog) {
    const int32_t year = Get_Current_Year();
    const bool offered = year >= FIRST_NEW_GAME_SEASON && year <= LAST_NEW_GAME_SEASON;
    Combo_Box_Set_Current_Selection(Item(dialog, NEW_GAME_SEASON_COMBO),
                                    offered ? year - FIRST_NEW_GAME_SEASON : -1);
}

void Season_Changed(WINDOW_HANDLE dialog) {
    const int32_t index = Selected(dialog, NEW_GAME_SEASON_COMBO);
    if (index < 0) return;
    const int32_t year = index + FIRST_NEW_GAME_SEASON;
    char remembered[FORMATTED_TEXT_SIZE] = "";
    const int32_t team = Selected(dialog, NEW_GAME_TEAM_COMBO);
    if (team >= 0) Get_Team_Display_Name(team, remembered);
    const int32_t old_year = Get_Current_Year();
    const int32_t found = Load_New_Game_Season(year, team >= 0 ? remembered : nullptr);
    if (found < 0) {
        // The league loaded before stays, and the list says which it is.
        Select_Loaded_Season(dialog);
        return;
    }
    Fill_Team_Combo(dialog);
    Combo_Box_Set_Current_Selection(Item(dialog, NEW_GAME_TEAM_COMBO), found);
    Show_Franchise_Statistics(dialog);
    Show_Season_Info(dialog);
    Show_Notable_Players(dialog);
    Check_Dialog_Button(dialog, NEW_GAME_REPLAY_BOX,
                        Get_Replay_Mode_For_Season(old_year, year, Is_Ticked(dialog, NEW_GAME_REPLAY_BOX))
                            ? BUTTON_CHECKED
                            : 0);
}

NEW_GAME_CHOICES Read_New_Game_Choices(WINDOW_HANDLE dialog) {
    NEW_GAME_CHOICES choices{};
    choices.Team = Selected(dialog, NEW_GAME_TEAM_COMBO);
    choices.Difficulty = Selected(dialog, NEW_GAME_DIFFICULTY_COMBO);
    if (choices.Difficulty < 0) choices.Difficulty = 0;
    char name[NAME_CHARACTERS_READ + 1];
    Get_Dialog_Item_Text_Buffer(dialog, NEW_GAME_NAME_EDIT, name, sizeof name);
    safe_strncpy(choices.Owner_Name, name, sizeof choices.Owner_Name);
    choices.Options = Read_Option_Boxes(dialog);
    return choices;
}

// A franchise must be chosen, and its line must name one.
bool Is_Franchise_Chosen(WINDOW_HANDLE dialog) {
    const WINDOW_HANDLE combo = Item(dialog, NEW_GAME_TEAM_COMBO);
    const int32_t team = Combo_Box_Get_Current_Selection(combo);
    return team >= 0 && team < Count_Active_Teams() && !Combo_Box_Get_Text(combo, team).empty() &&
           Is_Active_Team(team);
}

void Play(WINDOW_HANDLE dialog) {
    if (!Is_Franchise_Chosen(dialog)) {
        Show_Formatted_Message("New Game", "Please choose the team you want to run.");
        return;
    }
    const NEW_GAME_CHOICES choices = Read_New_Game_Choices(dialog);
    End_Dialog(dialog, 1);
    Show_Window(dialog, false);
    Begin_New_Game(choices);
    if (choices.Options.Fantasy_Draft) Refresh_Bars_And_Do_Dialog(Main_Window, FANTASY_DRAFT_DIALOG);
}

void Init_New_Game_Dialog(WINDOW_HANDLE dialog) {
    Set_Dialog_Control_Fonts(dialog);
    Set_Dialog_Controls_App_Font(dialog, DIALOG_BUTTON_FONT, {HELP_BUTTON});
    if (News_Ticker_Exists() != 0) Destroy_News_Ticker();
    if (Status_Bar_Exists() != 0) Destroy_Status_Bar();
    Center_Window_Over_Parent(dialog, Get_Window_Owner(dialog));
    Edit_Set_Limit(Item(dialog, NEW_GAME_NAME_EDIT), NAME_CHARACTERS_READ);
    Set_Current_View(0);
    Fill_Season_Combo(dialog);
    Set_Current_View(0);
    Fill_Team_Combo(dialog);
    Reset_Difficulty_Combo(dialog);
    Show_Owner_Name(dialog);
    Show_Season_Info(dialog);
    Show_Notable_Players(dialog);
}

// True for the commands the dialog answers as handled: the two list changes
// and Play. Cancel, Help and the option boxes act and answer 0.
bool Handle_Command(WINDOW_HANDLE dialog, int32_t id, uint32_t notification) {
    if (id == NEW_GAME_SEASON_COMBO) {
        if (notification != NOTIFY_COMBO_SELECTION_CHANGE) return false;
        Season_Changed(dialog);
        return true;
    }
    if (id == NEW_GAME_TEAM_COMBO) {
        if (notification != NOTIFY_COMBO_SELECTION_CHANGE) return false;
        Show_Notable_Players(dialog);
        Show_Franchise_Statistics(dialog);
        return true;
    }
    for (const OPTION_BOX& box : OPTION_BOXES)
        if (id == box.Id) {
            if (notification == NOTIFY_BUTTON_CLICKED) Option_Box_Clicked(dialog, box.Option, box.Id);
            return false;
        }
    switch (id) {
    case NEW_GAME_PLAY_BUTTON:
    case ID_OK:
        Play(dialog);
        return true;
    case ID_CANCEL:
        End_Dialog(dialog, ID_CANCEL);
        return false;
    case HELP_BUTTON:
        Open_Context_Help(NEW_GAME_DIALOG);
        return false;
    default:
        return false;
    }
}
} // namespace

const DIALOG_TEMPLATE NEW_GAME_DIALOG_TEMPLATE = {
    NEW_GAME_DIALOG,
    "New Game",
    360,
    266,
    "MS Sans Serif",
    10,
    WINDOW_CAPTION | WINDOW_BORDER,
    NEW_GAME_CONTROLS,
    static_cast<int32_t>(sizeof NEW_GAME_CONTROLS / sizeof NEW_GAME_CONTROLS[0]),
    ID_CANCEL};

void Fill_Season_Combo(WINDOW_HANDLE dialog) {
    const WINDOW_HANDLE combo = Item(dialog, NEW_GAME_SEASON_COMBO);
    Combo_Box_Reset_Content(combo);
    for (int32_t year = FIRST_NEW_GAME_SEASON; year <= LAST_NEW_GAME_SEASON; ++year)
        Combo_Box_Add_String(combo, std::to_string(year).c_str());
    Combo_Box_Set_Current_Selection(combo, LAST_NEW_GAME_SEASON - FIRST_NEW_GAME_SEASON);
    Notify_Selection_Change(dialog, NEW_GAME_SEASON_COMBO);
}

void Fill_Team_Combo(WINDOW_HANDLE dialog) {
    const WINDOW_HANDLE combo = Item(dialog, NEW_GAME_TEAM_COMBO);
    Combo_Box_Reset_Content(combo);
    const int32_t teams = Count_Active_Teams();
    for (int32_t team = 0; team < teams; ++team) {
        char line[2 * TEAM_STRING_LENGTH + 2] = "";
        if (Is_Active_Team(team)) {
            char location[TEAM_STRING_LENGTH], nickname[TEAM_STRING_LENGTH];
            Get_Team_String(location, team, 1);
            Get_Team_String(nickname, team, 2);
            safe_sprintf(line, sizeof line, "%s %s", location, nickname);
        }
        Combo_Box_Add_String(combo, line);
    }
    Combo_Box_Set_Current_Selection(combo, teams > 0 ? 0 : -1);
    Notify_Selection_Change(dialog, NEW_GAME_TEAM_COMBO);
}

void Show_Franchise_Statistics(WINDOW_HANDLE dialog) {
    const int32_t team = Selected(dialog, NEW_GAME_TEAM_COMBO);
    if (team < 0 || !Is_Active_Team(team)) return;
    char lines[FRANCHISE_FACT_LINES][NEW_GAME_TEXT_SIZE];
    Format_Franchise_Facts(team, lines);
    for (int32_t n = 0; n < FRANCHISE_FACT_LINES; ++n)
        Set_Dialog_Item_Text(dialog, NEW_GAME_FACT_LINES[n], lines[n]);
}

void Show_Notable_Players(WINDOW_HANDLE dialog) {
    const int32_t team = Selected(dialog, NEW_GAME_TEAM_COMBO);
    if (team < 0 || !Is_Active_Team(team)) return;
    int32_t slots[NOTABLE_PLAYER_LINES];
    const int32_t count = Find_Notable_Players(team, slots);
    for (int32_t n = 0; n < NOTABLE_PLAYER_LINES; ++n) {
        // Lines the franchise does not fill are emptied, so no other
        // franchise's players stay under its name.
        char line[NEW_GAME_TEXT_SIZE] = "";
        if (n < count) Format_Notable_Player(team, slots[n], line, sizeof line);
        Set_Dialog_Item_Text(dialog, NEW_GAME_NOTABLE_LINES[n], line);
    }
}

void Show_Season_Info(WINDOW_HANDLE dialog) {
    const int32_t index = Selected(dialog, NEW_GAME_SEASON_COMBO);
    char line[256] = "";
    if (index >= 0) Format_Super_Bowl_Line(index + FIRST_NEW_GAME_SEASON, line, sizeof line);
    Set_Dialog_Item_Text(dialog, NEW_GAME_SEASON_INFO, line);
}

void Show_Owner_Name(WINDOW_HANDLE dialog) {
    static uint8_t image[OWNER_HALL_OF_FAME_SIZE];
    char name[OWNER_NAME_LENGTH] = "";
    if (Read_Owner_Hall_Of_Fame_File(image) != 0)
        safe_strncpy(name, reinterpret_cast<const char*>(image + OWNER_NAME_OFFSET), sizeof name);
    Set_Dialog_Item_Text(dialog, NEW_GAME_NAME_EDIT, name);
}

void Reset_Difficulty_Combo(WINDOW_HANDLE dialog) {
    Set_User_Preference(DIFFICULTY_LEVEL, 0);
    Fill_Difficulty_Combo(dialog);
}

intptr_t New_Game_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (Is_Dialog_Colour_Message(code)) return Answer_Dialog_Colour(code, dialog, wparam, lparam);
    switch (code) {
    case MSG_INIT_DIALOG:
        Init_New_Game_Dialog(dialog);
        return 1;
    case MSG_COMMAND:
        return Handle_Command(dialog, Command_Id(wparam), Command_Notification(wparam)) ? 1 : 0;
    default:
        return 0;
    }
}
