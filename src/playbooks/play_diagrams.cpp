#include "playbooks/play_diagrams.h"

#include <cstring>

#include "app/app_fonts.h"
#include "app/design_scaling.h"
#include "app/drawing_primitives.h"
#include "app/drawing_services.h"
#include "database/league_structure.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "engine/game_record.h"
#include "engine/playbook_records.h"
#include "platform/text_render.h"
#include "views/game_day_panels.h"

namespace {
constexpr int32_t ROUTE_TEXT_SIZE = 64;
constexpr int32_t NAME_SIZE = 64;
constexpr int32_t CAPTION_HEIGHT = 13;
// Field colours by kind (0x00BBGGRR), the normal and the lighter set.
constexpr COLOUR_VALUE FIELD_COLOURS[2][3] = {{0x367300, 0x0A590F, 0x0E3764}, {0x68A532, 0x3C8B41, 0x406996}};
constexpr COLOUR_VALUE CAPTION_COLOURS[3] = {0xFFFFFF, 0x45F9FF, 0xFFFFFF};

void Get_Diagram_Play_Name(int32_t kind, int32_t team, int32_t play, char* name) {
    name[0] = '\0';
    if (kind == DIAGRAM_OFFENSE)
        Get_Offensive_Play_Name(team, play, name, NAME_SIZE);
    else if (kind == DIAGRAM_DEFENSE)
        Get_Defensive_Play_Name(team, play, name, NAME_SIZE);
    else
        Get_Special_Teams_Play_Name(play, name, NAME_SIZE);
}

bool Is_Diagram_Play_Defined(int32_t kind, int32_t team, int32_t play) {
    if (kind == DIAGRAM_OFFENSE) return Is_Offensive_Play_Defined(team, play);
    if (kind == DIAGRAM_DEFENSE) return Is_Defensive_Play_Defined(team, play);
    return Is_Special_Teams_Play_Defined(play);
}
} // namespace

void Draw_Play_Diagram(DEVICE_CONTEXT* dc, const RECT_AREA& rect, int32_t team, int32_t play, int32_t font,
                       int32_t kind, bool alternative, bool frame) {
    if (dc == nullptr || kind < DIAGRAM_OFFENSE || kind > DIAGRAM_KICKOFF) return;
    RECT_AREA window = rect;
    if (frame) Scale_Rect_To_Window(&window);
    if (window.Right <= window.Left || window.Bottom <= window.Top) return;
    Save_Device_Context(dc);
    Set_Background_Mode(dc, BACKGROUND_TRANSPARENT);
    if (Is_Diagram_Play_Defined(kind, team, play)) {
        Fill_Surface_Area(dc, window, FIELD_COLOURS[alternative ? 1 : 0][kind]);
        Draw_Absolute_Line(dc, {window.Left, window.Top, window.Right - 1, window.Bottom - 1},
                           Make_Colour(0, 0, 0));
    }
    char name[NAME_SIZE];
    Get_Diagram_Play_Name(kind, team, play, name);
    if (font >= 0 && name[0] != '\0') {
        if (Current_Game != nullptr && Get_Game_Down(Current_Game) == CONVERSION_ATTEMPT &&
            std::strcmp(name, "Field Goal") == 0)
            safe_strncpy(name, "Extra Point", NAME_SIZE);
        DRAWING_FONT* used = Get_App_Font(font);
        if (used != nullptr) Select_Font(dc, used);
        Set_Text_Colour(dc, CAPTION_COLOURS[kind]);
        RECT_AREA caption = {window.Left + 2, window.Top + 2, window.Right - 2,
                             window.Bottom - CAPTION_HEIGHT};
        Draw_Text_In_Scaled_Rect(dc, name, caption, TEXT_CENTRE | TEXT_VERTICAL_CENTRE | TEXT_WORD_BREAK, 0);
        if (used != nullptr) Release_App_Font(used);
    }
    Restore_Device_Context(dc);
    // The key that calls the play, for a team the user runs.
    if (Is_Used_Franchise_Slot(team) && Get_Team_Stat(team, TEAM_STAT_CONTROL) == TEAM_CONTROL_HUMAN &&
        Get_User_Preference(MULTI_SEASON_SIMULATION) == 0 && Is_Diagram_Play_Defined(kind, team, play)) {
        char key[4];
        safe_sprintf(key, sizeof key, "%d", (play + 1) % 10);
        RECT_AREA box = {rect.Right - 9, rect.Bottom - 10, rect.Right - 1, rect.Bottom - 2};
        if (!frame) Scale_Rect_To_Design(&box);
        Draw_Grey_Label_Box(dc, box, key);
    }
}

void Get_Primary_Route_Text(char* buffer, int32_t team, int32_t play, bool newline) {
    buffer[0] = '\0';
    if (play < 0 || play >= OFFENSIVE_PLAYS || !Is_Passing_Play(team, play)) return;
    const int32_t receiver = Get_Offensive_Play_Primary_Receiver(team, play);
    if (receiver < 1 || receiver > PLAY_RECEIVERS) return;
    const int32_t route = Get_Offensive_Play_Route(team, play, receiver - 1);
    if (route < 0 || route >= PASS_ROUTE_COUNT) return;
    const PASS_ROUTE_RECORD& record = Pass_Route_Table[route];
    const char* head = newline ? "Primary Route:\n" : "Primary Route: ";
    if (record.Shortest < 0)
        safe_sprintf(buffer, ROUTE_TEXT_SIZE, "%sBackfield", head);
    else
        safe_sprintf(buffer, ROUTE_TEXT_SIZE, "%s%d-%d Yards", head, record.Shortest, record.Longest);
}
