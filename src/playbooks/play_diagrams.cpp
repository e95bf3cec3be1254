#include "playbooks/play_diagrams.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <string>

#include "app/app_fonts.h"
#include "app/command_line_flags.h"
#include "app/design_scaling.h"
#include "app/diagnostics.h"
#include "app/drawing_primitives.h"
#include "app/drawing_services.h"
#include "app/main_window_dc.h"
#include "app/window_graphics.h"
#include "database/league_structure.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "engine/formations.h"
#include "engine/game_record.h"
#include "engine/playbook_records.h"
#include "engine/route_drawing.h"
#include "platform/text_render.h"
#include "playbooks/playbook_queries.h"
#include "views/diagram_highlight.h"
#include "views/game_day_panels.h"
#include "views/play_call_panels.h"
#include "views/play_calling.h"

namespace {
constexpr int32_t ROUTE_TEXT_SIZE = 64;
constexpr int32_t NAME_SIZE = 64;
constexpr int32_t CAPTION_HEIGHT = 13;
constexpr int32_t OFF_SEASON = 100;
// Field colours by kind (0x00BBGGRR), the normal and the lighter set.
constexpr COLOUR_VALUE FIELD_COLOURS[2][3] = {{0x367300, 0x0A590F, 0x0E3764}, {0x68A532, 0x3C8B41, 0x406996}};
constexpr COLOUR_VALUE CAPTION_COLOURS[3] = {0xFFFFFF, 0x45F9FF, 0xFFFFFF};
constexpr double NOISE_BLUR = 0.8;
// Defenders' assignments stay this far inside the sidelines.
constexpr double ROLE_LATERAL_LIMIT = 16.0;
constexpr int32_t GRID_CELL_WIDTH = 384;
constexpr int32_t GRID_CELL_HEIGHT = 253;
constexpr int32_t GRID_PLAYS[4] = {38, 42, 46, 47};

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

uint32_t Player_Outline(int32_t slot) {
    return slot == Highlighted_Formation_Slot ? DIAGRAM_SELECTED_COLOUR : DIAGRAM_PLAYER_COLOUR;
}

void Add_Player_Circle(PLAY_DIAGRAM* d, double x, double y, uint32_t outline) {
    start_new_path(&d->Paths, 0);
    Set_Path_Colour(&d->Paths, DIAGRAM_PLAYER_FILL);
    Set_Path_Flags(&d->Paths, PATH_FILL);
    Add_Circle_To_Path(&d->Paths.Vertices, DIAGRAM_PLAYER_RADIUS, x, y);
    d->Paths.Vertices.close_polygon();
    start_new_path(&d->Paths, 0);
    Set_Path_Colour(&d->Paths, outline);
    Set_Path_Width(&d->Paths, DIAGRAM_LINE_WIDTH);
    Set_Path_Flags(&d->Paths, PATH_STROKE);
    Add_Circle_To_Path(&d->Paths.Vertices, DIAGRAM_PLAYER_RADIUS, x, y);
    d->Paths.Vertices.close_polygon();
    d->Fresh_Path_Needed = true;
}

// A defender's spot, with a deep-zone defender lined up short moved back.
void Get_Defender_Spot(int32_t team, int32_t play, int32_t slot, double* x, double* y) {
    Get_Formation_Coordinate(Get_Defensive_Play_Formation(team, play), slot, x, y);
    *y = Adjust_Deep_Zone_Depth(team, play, slot, *y);
}

void Draw_Kind_Layer(PLAY_DIAGRAM* d, int32_t kind, int32_t team, int32_t play) {
    if (kind == DIAGRAM_OFFENSE) {
        Draw_Offensive_Routes(d, team, play, false);
        Draw_Offensive_Players(d, Get_Offensive_Play_Formation(team, play));
    } else if (kind == DIAGRAM_DEFENSE) {
        Draw_Defensive_Routes(d, team, play);
        Draw_Zone_Circles(d, team, play);
        Draw_Defensive_Players(d, team, play);
    } else {
        Draw_Offensive_Routes(d, team, play, true);
        Draw_Offensive_Players(d, Get_Special_Teams_Play_Formation(play));
        Draw_Kick_Arrow(d);
    }
}

void Render_Diagram(DEVICE_CONTEXT* dc, PLAY_DIAGRAM* d, const RECT_AREA& window) {
    Render_Paths(dc, &d->Paths, window.Left, window.Top, window.Right - window.Left,
                 window.Bottom - window.Top, 0.0);
    Free_Path_Collection(&d->Paths);
}

// Whether a captioned diagram shows the key that calls its play: a team the
// user runs, while no seasons are simulated.
bool Shows_Play_Key(bool captioned, int32_t team) {
    return captioned && Is_Used_Franchise_Slot(team) &&
           Get_Team_Stat(team, TEAM_STAT_CONTROL) == TEAM_CONTROL_HUMAN &&
           Get_User_Preference(MULTI_SEASON_SIMULATION) == 0;
}

// The key's box in the bottom-right corner of the caption's band, and the
// room the centred caption leaves it on each side.
RECT_AREA Get_Play_Key_Box(const RECT_AREA& rect) {
    return {rect.Right - 9, rect.Bottom - 10, rect.Right - 1, rect.Bottom - 2};
}
constexpr int32_t PLAY_KEY_ROOM = 10;

// The caption of a play with a name, in application font `font` (0 or more).
void Draw_Caption(DEVICE_CONTEXT* dc, const RECT_AREA& rect, bool frame, const char* play_name, int32_t font,
                  int32_t kind, bool keyed) {
    char name[NAME_SIZE];
    safe_strncpy(name, play_name, NAME_SIZE);
    if (Current_Game != nullptr && Get_Game_Down(Current_Game) == CONVERSION_ATTEMPT &&
        std::strcmp(name, "Field Goal") == 0)
        safe_strncpy(name, "Extra Point", NAME_SIZE);
    const uint32_t format = TEXT_CENTRE | TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE;
    // A caption beside the key's box keeps clear of it on both sides, so it stays centred.
    const int32_t room = keyed ? PLAY_KEY_ROOM : 0;
    const RECT_AREA band = {rect.Left + room, rect.Bottom - CAPTION_HEIGHT, rect.Right - room, rect.Bottom};
    // A name too long or too tall for the band is drawn in a smaller font.
    RECT_AREA shown = band;
    if (frame) Scale_Rect_To_Window(&shown);
    DRAWING_FONT* used = Get_App_Font(Find_Fitting_Font_Row({name}, shown, format, font));
    Save_Device_Context(dc);
    if (used != nullptr) Select_Font(dc, used);
    // One too long even for the smallest font (a name typed in the Playbook
    // Editor) ends in "..." where the band ends.
    const int32_t width = shown.Right - shown.Left;
    if (Measure_Text_Width(dc, name, -1) > width) {
        std::string cut = name;
        do
            cut.pop_back();
        while (!cut.empty() && Measure_Text_Width(dc, (cut + "...").c_str(), -1) > width);
        safe_strncpy(name, (cut + "...").c_str(), NAME_SIZE);
    }
    Set_Text_Colour(dc, CAPTION_COLOURS[kind]);
    Draw_Text_In_Scaled_Rect(dc, name, band, format, frame ? 1 : 0);
    Restore_Device_Context(dc);
    if (used != nullptr) Release_App_Font(used);
}
} // namespace

uint32_t Get_Play_Diagram_Seed(int32_t play, int32_t kind) {
    const int32_t week = Get_User_Preference(CURRENT_WEEK);
    const int32_t d = week == OFF_SEASON ? 104 : week * 7 + 249;
    return static_cast<uint32_t>((play * 100 + kind) * 100 + d);
}

double Get_Diagram_Hole_Lateral(int32_t hole) {
    static const double LATERALS[10] = {1, -1, 3, -3, 5, -5, 7, -7, 9, -9};
    return hole >= 0 && hole < 10 ? LATERALS[hole] : 0.0;
}

double Adjust_Deep_Zone_Depth(int32_t team, int32_t play, int32_t slot, double depth) {
    if (Get_Defensive_Play_Role(team, play, slot) == 8 && depth < SHALLOW_DEEP_ZONE_DEPTH)
        return DEEP_ZONE_START_DEPTH;
    return depth;
}

void Set_Diagram_Window(PLAY_DIAGRAM* diagram, int32_t kind, int32_t team, int32_t play) {
    if (diagram == nullptr) return;
    double left = -18, top = -9, right = 18, bottom = 14;
    if (kind == DIAGRAM_DEFENSE) {
        left = -17;
        top = -5;
        right = 17;
        bottom = 17;
    } else if (kind == DIAGRAM_OFFENSE) {
        const int32_t formation = Get_Offensive_Play_Formation(team, play);
        // Kicks, reverses and kneel-downs happen deep in the backfield.
        if (formation == FORMATION_PUNT || formation == FORMATION_FIELD_GOAL || Is_Reverse_Play(team, play) ||
            Is_Kneel_Down_Play(team, play)) {
            top -= 4;
            bottom -= 4;
        }
    }
    diagram->Left = left;
    diagram->Top = top;
    diagram->Right = right;
    diagram->Bottom = bottom;
    PATH_COLLECTION& paths = diagram->Paths;
    paths.Window_Left = static_cast<int32_t>(left);
    paths.Window_Top = static_cast<int32_t>(top);
    paths.Window_Right = static_cast<int32_t>(right);
    paths.Window_Bottom = static_cast<int32_t>(bottom);
    paths.Orientation = 1;
    paths.Fit_Mode = PATH_FIT_STRETCH;
}

void Draw_Offensive_Players(PLAY_DIAGRAM* diagram, int32_t formation) {
    if (diagram == nullptr || !Is_Valid_Formation(formation)) return;
    for (int32_t slot = 0; slot < PLAYERS_ON_FIELD; ++slot) {
        double x = 0, y = 0;
        Get_Formation_Coordinate(formation, slot, &x, &y);
        Add_Player_Circle(diagram, x, y, Player_Outline(slot));
    }
}

void Draw_Defensive_Players(PLAY_DIAGRAM* diagram, int32_t team, int32_t play) {
    if (diagram == nullptr || !Is_Valid_Formation(Get_Defensive_Play_Formation(team, play))) return;
    for (int32_t slot = 0; slot < PLAYERS_ON_FIELD; ++slot) {
        double x = 0, y = 0;
        Get_Defender_Spot(team, play, slot, &x, &y);
        Add_Player_Circle(diagram, x, y, Player_Outline(slot));
    }
}

void Draw_Zone_Circles(PLAY_DIAGRAM* diagram, int32_t team, int32_t play) {
    if (diagram == nullptr) return;
    const uint32_t fill = Is_Current_Game_Play(play) ? DIAGRAM_CURRENT_ZONE_FILL : DIAGRAM_ZONE_FILL;
    for (int32_t slot = 0; slot < PLAYERS_ON_FIELD; ++slot) {
        float x = 0, y = 0;
        if (Get_Zone_Defender_Spot(team, play, slot, &x, &y) == 0) continue;
        PATH_COLLECTION* paths = &diagram->Paths;
        start_new_path(paths, 0);
        Set_Path_Colour(paths, fill);
        Set_Path_Flags(paths, PATH_FILL);
        Add_Circle_To_Path(&paths->Vertices, DIAGRAM_ZONE_RADIUS, x, y);
        paths->Vertices.close_polygon();
        start_new_path(paths, 0);
        Set_Path_Colour(paths, DIAGRAM_PLAYER_COLOUR);
        Set_Path_Width(paths, DIAGRAM_ZONE_WIDTH);
        Set_Path_Flags(paths, PATH_STROKE);
        Add_Circle_To_Path(&paths->Vertices, DIAGRAM_ZONE_RADIUS, x, y);
        paths->Vertices.close_polygon();
        diagram->Fresh_Path_Needed = true;
    }
}

void Draw_Defensive_Routes(PLAY_DIAGRAM* diagram, int32_t team, int32_t play) {
    if (diagram == nullptr || play < 0 || play >= DEFENSIVE_PLAYS) return;
    if (!Is_Valid_Formation(Get_Defensive_Play_Formation(team, play))) return;
    for (int32_t slot = 0; slot < PLAYERS_ON_FIELD; ++slot) {
        const int32_t role = Get_Defensive_Play_Role(team, play, slot);
        if (role < 0 || role >= DEFENSIVE_RESPONSIBILITY_COUNT) continue;
        double x = 0, y = 0;
        Get_Defender_Spot(team, play, slot, &x, &y);
        Begin_Route_Path(diagram, Player_Outline(slot), DIAGRAM_LINE_WIDTH);
        float zone_x = 0, zone_y = 0;
        if (Get_Zone_Defender_Spot(team, play, slot, &zone_x, &zone_y) != 0) {
            Add_Route_Segment(diagram, 0, x, y, zone_x, zone_y);
            continue;
        }
        Draw_Defensive_Role_Shape(diagram, role, x, y);
    }
}

void Draw_Defensive_Role_Shape(PLAY_DIAGRAM* diagram, int32_t role, double x, double y) {
    if (diagram == nullptr || role < 0 || role >= DEFENSIVE_RESPONSIBILITY_COUNT) return;
    // Stunts cross to their own side; every other assignment is drawn toward
    // the defender's sideline.
    const double mirror = x < 0 && role != 4 && role != 5 ? -1.0 : 1.0;
    const RESPONSIBILITY_DRAWING& shape = Defensive_Responsibility_Drawing[role];
    auto point = [&](int32_t i, double* px, double* py) {
        *px = std::clamp(x + mirror * shape.Points[i][0], -ROLE_LATERAL_LIMIT, ROLE_LATERAL_LIMIT);
        *py = y + shape.Points[i][1];
    };
    for (int32_t i = 0; i < RESPONSIBILITY_POINTS; ++i) {
        double x0 = x, y0 = y, x1 = 0, y1 = 0;
        if (i > 0) point(i - 1, &x0, &y0);
        if (i > 0 && shape.Points[i][0] == 0.0 && shape.Points[i][1] == 0.0) {
            x1 = x0;
            y1 = y0;
        } else {
            point(i, &x1, &y1);
        }
        Add_Route_Segment(diagram, shape.Flags[i], x0, y0, x1, y1);
    }
}

void Draw_Kick_Arrow(PLAY_DIAGRAM* diagram) {
    if (diagram == nullptr) return;
    Begin_Route_Path(diagram, DIAGRAM_PLAYER_COLOUR, DIAGRAM_LINE_WIDTH);
    Add_Route_Segment(diagram, ROUTE_FLAG_NEW_PATH, -2, -4, 0, -3);
    Add_Route_Segment(diagram, ROUTE_FLAG_ARROW_LARGE, 0, -3, 0, 1);
}

void Draw_Play_Diagram(DEVICE_CONTEXT* dc, const RECT_AREA& rect, int32_t team, int32_t play, int32_t font,
                       int32_t kind, bool alternative, bool frame) {
    if (dc == nullptr || kind < DIAGRAM_OFFENSE || kind > DIAGRAM_KICKOFF) return;
    const bool timed = (Command_Line_Flags & (DTXT_PBPDIAGRAM | DTXT_PBPSELECTOR)) != 0;
    const auto start = timed ? std::chrono::steady_clock::now() : std::chrono::steady_clock::time_point{};
    Log_Debug_Flagged(DTXT_PBPDIAGRAM | DTXT_PBPSELECTOR, "Drawing Play Diagram %2d %d", play, kind);
    RECT_AREA window = rect;
    if (frame) Scale_Rect_To_Window(&window);
    if (window.Right <= window.Left || window.Bottom <= window.Top) return;
    Save_Device_Context(dc);
    Set_Background_Mode(dc, BACKGROUND_TRANSPARENT);
    PLAY_DIAGRAM diagram;
    Seed_Drawing_Random(&diagram.Random, Get_Play_Diagram_Seed(play, kind));
    const bool defined = Is_Diagram_Play_Defined(kind, team, play);
    if (defined) {
        Draw_Button_Noise_Around_Color(dc, window, FIELD_COLOURS[alternative ? 1 : 0][kind], NOISE_BLUR,
                                       NOISE_BLUR, &diagram.Random);
        Set_Diagram_Window(&diagram, kind, team, play);
        Add_Diagram_Side_Tick(&diagram.Paths, 0);
        Add_Diagram_Side_Tick(&diagram.Paths, 1);
        Render_Diagram(dc, &diagram, window);
        Set_Diagram_Window(&diagram, kind, team, play);
        diagram.Fresh_Path_Needed = true;
        Draw_Kind_Layer(&diagram, kind, team, play);
        Render_Diagram(dc, &diagram, window);
        Draw_Absolute_Line(dc, {window.Left, window.Top, window.Right - 1, window.Bottom - 1},
                           Make_Colour(0, 0, 0));
    }
    // The caption, and with it the key box, only for a named play and a font.
    char name[NAME_SIZE];
    Get_Diagram_Play_Name(kind, team, play, name);
    const bool captioned = font >= 0 && name[0] != '\0';
    const bool keyed = Shows_Play_Key(captioned, team);
    if (captioned) Draw_Caption(dc, frame ? rect : window, frame, name, font, kind, keyed);
    Restore_Device_Context(dc);
    // The key that calls the play, for a team the user runs.
    if (keyed) {
        char key[4];
        safe_sprintf(key, sizeof key, "%d", (play + 1) % 10);
        RECT_AREA box = Get_Play_Key_Box(rect);
        if (!frame) Scale_Rect_To_Design(&box);
        Draw_Grey_Label_Box(dc, box, key);
    }
    if (timed) {
        const auto micro =
            std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start)
                .count();
        Log_Debug_Flagged(DTXT_PBPDIAGRAM | DTXT_PBPSELECTOR,
                          "Draw_Play_Diagram(,,%d,%2d,%d,%d,%d) took %6d.%03dms", team, play, font, kind,
                          alternative ? 1 : 0, static_cast<int32_t>(micro / 1000),
                          static_cast<int32_t>(micro % 1000));
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

void Get_Play_Description_By_Kind(int32_t kind, int32_t team, int32_t play, char* buffer) {
    if (buffer == nullptr) return;
    buffer[0] = '\0';
    if (kind == DIAGRAM_OFFENSE)
        Get_Offensive_Play_Description(team, play, buffer, PLAY_DESCRIPTION_LENGTH);
    else if (kind == DIAGRAM_DEFENSE)
        Get_Defensive_Play_Description(team, play, buffer, PLAY_DESCRIPTION_LENGTH);
    else
        Get_Special_Teams_Play_Description(play, buffer, PLAY_DESCRIPTION_LENGTH);
}

void Get_Playbook_Notes(int32_t side, int32_t team, char* buffer) {
    if (buffer == nullptr) return;
    buffer[0] = '\0';
    if (side == 0) {
        const OFFENSIVE_PLAYBOOK* book = Get_Team_Offensive_Playbook(team);
        safe_strncpy(buffer, book != nullptr ? book->Notes : DEFAULT_OFFENSIVE_NOTES, PLAYBOOK_NOTES_LENGTH);
    } else {
        const DEFENSIVE_PLAYBOOK* book = Get_Team_Defensive_Playbook(team);
        safe_strncpy(buffer, book != nullptr ? book->Notes : DEFAULT_DEFENSIVE_NOTES, PLAYBOOK_NOTES_LENGTH);
    }
}

void Draw_Play_Diagram_Grid(DEVICE_CONTEXT* dc, int32_t kind) {
    const bool own = dc == nullptr;
    if (own) dc = Acquire_Main_Window_DC();
    if (dc == nullptr) return;
    for (int32_t n = 0; n < 4; ++n) {
        const int32_t left = (n % 2) * GRID_CELL_WIDTH, top = (n / 2) * GRID_CELL_HEIGHT;
        Draw_Play_Diagram(dc, {left, top, left + GRID_CELL_WIDTH, top + GRID_CELL_HEIGHT}, 0, GRID_PLAYS[n],
                          5, kind, false, false);
    }
    if (own) Release_Main_Window_DC();
    Redraw_Main_Window();
}
