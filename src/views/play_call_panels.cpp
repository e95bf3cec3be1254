#include "views/play_call_panels.h"

#include <algorithm>
#include <cstring>

#include "app/command_line_flags.h"
#include "app/diagnostics.h"
#include "app/main_window_dc.h"
#include "app/skins.h"
#include "database/game_queries.h"
#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/settings.h"
#include "database/string_table.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "engine/formation_depth_charts.h"
#include "engine/formations.h"
#include "engine/game_record.h"
#include "engine/game_screen_hooks.h"
#include "engine/playbook_records.h"
#include "platform/text_render.h"
#include "playbooks/play_diagrams.h"
#include "views/box_score_panels.h"
#include "views/defensive_keys.h"
#include "views/game_day_panels.h"
#include "views/game_day_screen.h"
#include "views/games_view.h"
#include "views/play_calling.h"
#include "views/view_drawing.h"

namespace {
constexpr int32_t DIAGRAM_FONT = 2;
constexpr int32_t STRIP_FONT = 1;
constexpr int32_t KEY_FONT = 0;
constexpr int32_t TAB_FONT = 2;
// How far into a play-group tab its key box reaches from the right.
constexpr int32_t KEY_BOX_REACH = 4;
// The route text and the grades under the called plays' diagrams.
constexpr int32_t CALLED_TEXT_FONT = 2;
constexpr RECT_AREA DESCRIPTION_STRIP = {11, 487, 758, 500};
// The player panels with the live lines the light skins move down (they end
// above the tab row).
RECT_AREA Player_Panel(int32_t side) {
    const int32_t bottom = std::max(232, 28 + Get_Skin_Panel_Line_Shift() + 12 * LIVE_LINES_PER_SIDE);
    return {511 * side + 4, 28, 511 * side + 257, bottom};
}
constexpr uint32_t ONE_LINE = TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE;

RECT_AREA Button_Rect(int32_t n) {
    const int32_t c = n % 5, r = n / 5;
    return {11 + 150 * c, 290 + 99 * r, 157 + 150 * c, 385 + 99 * r};
}

void Draw_Description(DEVICE_CONTEXT* dc, int32_t side, int32_t team, int32_t play) {
    char text[PLAY_DESCRIPTION_LENGTH + 1] = "";
    if (side == CALL_SIDE_OFFENSE)
        Get_Offensive_Play_Description(team, play, text, sizeof text);
    else if (side == CALL_SIDE_DEFENSE)
        Get_Defensive_Play_Description(team, play, text, sizeof text);
    else
        Get_Special_Teams_Play_Description(play, text, sizeof text);
    Draw_Design_Text(dc, text, DESCRIPTION_STRIP, TEXT_CENTRE | ONE_LINE,
                     Get_Game_Day_Colours(GAME_DAY_HIGHLIGHT_TEXT), STRIP_FONT);
}

void Draw_Side_Texts(DEVICE_CONTEXT* dc, int32_t side, int32_t team, int32_t play) {
    const TEXT_COLOURS colour = Get_Game_Day_Colours(GAME_DAY_SECONDARY_TEXT);
    const int32_t top = DESCRIPTION_STRIP.Top, bottom = DESCRIPTION_STRIP.Bottom;
    char text[FORMATTED_TEXT_SIZE];
    if (side == CALL_SIDE_OFFENSE) {
        Format_Play_Key_Player(text, team, play);
        const int32_t left = Is_Ice_Or_Fire_Skin() != 0 ? 14 : 11;
        Draw_Design_Text(dc, text, {left, top, 161, bottom}, ONE_LINE, colour, KEY_FONT);
        Get_Primary_Route_Text(text, team, play, false);
        Draw_Design_Text(dc, text, {611, top, 758, bottom}, ONE_LINE, colour, KEY_FONT);
        return;
    }
    if (side != CALL_SIDE_DEFENSE) return;
    // Inside and outside runs at the left, short and deep passes at the right.
    static const RECT_AREA SHORT_PLACES[4] = {
        {16, 0, 76, 0}, {76, 0, 136, 0}, {633, 0, 693, 0}, {693, 0, 753, 0}};
    static const RECT_AREA LONG_PLACES[4] = {
        {16, 0, 136, 0}, {136, 0, 256, 0}, {513, 0, 633, 0}, {633, 0, 753, 0}};
    for (int32_t k = 0; k < 4; ++k) {
        const bool long_labels =
            Draw_Defensive_Keys_Panel(text, MAIN_KEY_CATEGORIES[k], team, play, true, true) == 1;
        const RECT_AREA place = long_labels ? LONG_PLACES[k] : SHORT_PLACES[k];
        Draw_Design_Text(dc, text, {place.Left, top, place.Right, bottom},
                         ONE_LINE | (k >= 2 ? TEXT_RIGHT : 0), colour, KEY_FONT);
    }
}
} // namespace

void Get_Play_Group_Name(char* buffer, int32_t side, int32_t team, int32_t group) {
    buffer[0] = '\0';
    if (side == CALL_SIDE_KICKOFF) {
        safe_strncpy(buffer, "Kickoffs", FOLDER_NAME_LENGTH);
    } else if (side == CALL_SIDE_OFFENSE && group >= 0 && group < OFFENSIVE_FOLDERS) {
        const OFFENSIVE_PLAYBOOK* book = Get_Team_Offensive_Playbook(team);
        safe_strncpy(buffer,
                     book != nullptr ? book->Folder_Names[group] : Default_Offensive_Folder_Names[group],
                     FOLDER_NAME_LENGTH);
    } else if (side == CALL_SIDE_DEFENSE && group >= 0 && group < DEFENSIVE_FOLDERS) {
        const DEFENSIVE_PLAYBOOK* book = Get_Team_Defensive_Playbook(team);
        safe_strncpy(buffer,
                     book != nullptr ? book->Folder_Names[group] : Default_Defensive_Folder_Names[group],
                     FOLDER_NAME_LENGTH);
    }
}

void Format_Play_Key_Player(char* buffer, int32_t team, int32_t play) {
    buffer[0] = '\0';
    if (play < 0 || play >= OFFENSIVE_PLAYS) return;
    const int32_t slot = Get_Offensive_Play_Primary_Receiver(team, play);
    const int32_t formation = Get_Offensive_Play_Formation(team, play);
    // No receiver or no formation: no key player (never the entry before the formation's).
    if (slot < 0 || slot >= PLAYERS_ON_FIELD || !Is_Valid_Formation(formation) || !Is_Team_Record_Slot(team))
        return;
    const int32_t id = Get_Formation_Depth_Chart_Entry(team, formation, slot);
    int32_t player_team = 0, player_slot = 0;
    if (id <= 0 || !Find_Player_By_ID(&player_team, &player_slot, id)) return;
    const int32_t position = Get_Player_Vital_Stat(player_team, player_slot, VITAL_POSITION);
    char label[RESOURCE_STRING_LIMIT] = "";
    if (position >= 0 && position < NUMBER_OF_POSITIONS)
        Load_Resource_String(STRING_POSITION_SHORT + position, label);
    else if (position == FORMATION_RETURNER_POSITION)
        safe_strncpy(label, "Any", sizeof label);
    char name[PLAYER_NAME_TEXT_SIZE];
    Get_Player_Full_Name(player_team, player_slot, name);
    safe_sprintf(buffer, FORMATTED_TEXT_SIZE, "%s: %s", label, name);
}

void Draw_Play_Call_Panel(DEVICE_CONTEXT* dc, int32_t side, bool only_changed) {
    const GAME_RECORD* game = Current_Game;
    if (dc == nullptr || game == nullptr || side < CALL_SIDE_OFFENSE || side > CALL_SIDE_KICKOFF) return;
    const int32_t base = 10 * Get_Shown_Play_Group(side);
    const int32_t team = Get_Call_Side_Team(game, side);
    int32_t pointer_x = -1, pointer_y = -1;
    Get_Last_Pointer_Position(&pointer_x, &pointer_y);
    const int32_t pointed_button = Find_Play_Button(pointer_x, pointer_y);
    for (int32_t n = 0; n < PLAY_BUTTONS; ++n) {
        const int32_t play = base + n;
        const int32_t state = Play_Button_State[play];
        if (state == BUTTON_UNCHANGED) continue;
        const bool current = Is_Current_Game_Play(play);
        const bool highlighted = current || pointed_button == n;
        Log_Debug_Flagged(DTXT_PBPDIAGRAM | DTXT_PBPSELECTOR, "Hilite %d || %d", current ? 1 : 0,
                          pointed_button == n ? 1 : 0);
        const RECT_AREA rect = Button_Rect(n);
        if (only_changed) Restore_Design_Rect(dc, rect);
        Draw_Play_Diagram(dc, rect, team, play, DIAGRAM_FONT, side, highlighted, true);
        if (state == BUTTON_CHANGED) Invalidate_Design_Rect(rect);
        if (!highlighted) continue;
        if (only_changed) Restore_Design_Rect(dc, DESCRIPTION_STRIP);
        Draw_Description(dc, side, team, play);
        Draw_Side_Texts(dc, side, team, play);
    }
}

void Draw_Called_Plays_Panel(DEVICE_CONTEXT* dc) {
    const GAME_RECORD* game = Get_Displayed_Game();
    if (dc == nullptr || game == nullptr) return;
    static const RECT_AREA LEFT = {11, 290, 283, 464}, RIGHT = {481, 290, 753, 464};
    const int32_t offense = Get_Game_Offense_Team(game), defense = Get_Game_Defense_Team(game);
    const bool offense_right = Get_Offense_Side(game) == 1;
    const RECT_AREA& offense_rect = offense_right ? RIGHT : LEFT;
    const RECT_AREA& defense_rect = offense_right ? LEFT : RIGHT;
    const int32_t offense_call = game->Current_Play.Offensive_Play;
    const int32_t defense_call = game->Current_Play.Defensive_Play;
    const uint32_t down = Get_Game_Down(game);
    if (down > 3 && down != CONVERSION_ATTEMPT) {
        Draw_Play_Diagram(dc, offense_rect, offense, offense_call, DIAGRAM_FONT, DIAGRAM_KICKOFF, false,
                          true);
        return;
    }
    const TEXT_COLOURS colour = Get_Game_Day_Colours(GAME_DAY_SECONDARY_TEXT);
    char text[FORMATTED_TEXT_SIZE];
    Draw_Play_Diagram(dc, offense_rect, offense, offense_call, DIAGRAM_FONT, DIAGRAM_OFFENSE, false, true);
    Get_Primary_Route_Text(text, offense, offense_call, false);
    Draw_Design_Text(
        dc, text,
        {offense_rect.Left + 2, offense_rect.Bottom + 2, offense_rect.Right, offense_rect.Bottom + 13},
        ONE_LINE, colour, CALLED_TEXT_FONT);
    const int32_t type = offense_call < OFFENSIVE_PLAYS ? Get_Offensive_Play_Type(offense, offense_call) : -1;
    if (type == PLAY_TYPE_PUNT || type == PLAY_TYPE_FIELD_GOAL) return;
    Draw_Play_Diagram(dc, defense_rect, defense, defense_call, DIAGRAM_FONT, DIAGRAM_DEFENSE, false, true);
    const int32_t quarter = (defense_rect.Right - defense_rect.Left) / 4;
    for (int32_t k = 0; k < 4; ++k) {
        Draw_Defensive_Keys_Panel(text, MAIN_KEY_CATEGORIES[k], defense, defense_call, true, false);
        Draw_Design_Text(dc, text,
                         {defense_rect.Left + 2 + k * quarter, defense_rect.Bottom + 2, defense_rect.Right,
                          defense_rect.Bottom + 13},
                         ONE_LINE, colour, CALLED_TEXT_FONT);
    }
}

void Draw_Play_Group_Tabs(DEVICE_CONTEXT* dc) {
    const GAME_RECORD* game = Current_Game;
    const int32_t state = Get_Play_Call_State();
    if (dc == nullptr || game == nullptr || state < 1 || state > 3) return;
    const int32_t side = Get_Call_Side(state);
    const int32_t team = Get_Call_Side_Team(game, side);
    Draw_Tab_Plate(dc, {PLAYBOOK_BUTTON_LEFT, 266, PLAYBOOK_BUTTON_RIGHT, 285}, true);
    Draw_Design_Text(dc, "Playbook", {PLAYBOOK_BUTTON_LEFT, 266, PLAYBOOK_BUTTON_RIGHT, 283},
                     TEXT_CENTRE | ONE_LINE, Make_Colour(0, 0, 0), TAB_FONT);
    const bool light = Is_Ice_Or_Fire_Skin() != 0;
    const int32_t shown = Get_Shown_Play_Group(side);
    const bool human = Is_Human_Team(team) != 0;
    for (int32_t k = 0; k < Get_Play_Group_Count(side); ++k) {
        const RECT_AREA tab = {159 + 99 * k, 266, 248 + 99 * k, 283};
        Draw_Tab_Plate(dc, {tab.Left, 266, tab.Right, 285}, false);
        char name[FOLDER_NAME_LENGTH + 1];
        Get_Play_Group_Name(name, side, team, k);
        TEXT_COLOURS colour = Dim_View_Colour(light ? Make_Colour(170, 170, 170) : GREY_TAB_COLOUR);
        if (k == shown)
            colour =
                light ? Fix_View_Colour(Make_Colour(255, 255, 255)) : Pick_View_Colours(VIEW_LIGHT_COLOURS);
        // A long design name ("Play Action & Deep") is drawn in the largest
        // font in which it fits beside the tab's key box.
        const RECT_AREA label = {tab.Left, tab.Top, human ? tab.Right - KEY_BOX_REACH : tab.Right,
                                 tab.Bottom};
        Draw_Design_Text(dc, name, label, TEXT_CENTRE | ONE_LINE, colour,
                         Fit_View_Font_Row({{name, label}}, TEXT_CENTRE | ONE_LINE, TAB_FONT));
        if (!human) continue;
        char key[4];
        safe_sprintf(key, sizeof key, "%c", 'A' + k);
        Draw_Grey_Label_Box(dc, {tab.Right - KEY_BOX_REACH, tab.Bottom - 8, tab.Right + 3, tab.Bottom}, key);
    }
}

void Draw_Games_View_Lower_Panel(DEVICE_CONTEXT* dc, bool only_changed) {
    if (dc == nullptr) return;
    switch (Get_Play_Call_State()) {
    case 1:
        Draw_Play_Call_Panel(dc, CALL_SIDE_OFFENSE, only_changed);
        break;
    case 2:
        Draw_Play_Call_Panel(dc, CALL_SIDE_DEFENSE, only_changed);
        break;
    case 3:
        Draw_Play_Call_Panel(dc, CALL_SIDE_KICKOFF, only_changed);
        break;
    case 4:
        Draw_Called_Plays_Panel(dc);
        break;
    default:
        Draw_Other_Games_Panel(dc);
        break;
    }
}

void Redraw_Play_Call_Area() {
    DEVICE_CONTEXT* dc = Acquire_Main_Window_DC();
    if (dc == nullptr) return;
    for (int32_t side = 0; side < 2; ++side)
        Restore_Design_Rect(dc, Player_Panel(side));
    Draw_Games_View_Lower_Panel(dc, true);
    Draw_Box_Score_Players(dc);
    Release_Main_Window_DC();
    Update_Game_Day_Window();
}

void Add_Diagram_Side_Tick(PATH_COLLECTION* paths, int32_t side) {
    if (paths == nullptr || (side != 0 && side != 1)) return;
    const double sign = side == 0 ? 1.0 : -1.0;
    start_new_path(paths, 0);
    Set_Path_Colour(paths, Make_Path_Colour(255, 249, 69));
    Set_Path_Width(paths, 0.3);
    Set_Path_Flags(paths, PATH_STROKE);
    paths->Vertices.move_to(18.0 * sign, 1.0);
    paths->Vertices.line_to(17.0 * sign, 0.5);
}
