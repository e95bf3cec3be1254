#pragma once
// Play diagrams: one play drawn as a small chalkboard picture (the field
// window, the eleven players, the routes and blocks of the offence or the
// assignments of the defence, the play's name and, for a team the user runs,
// the key that calls it), and the text of an offensive play's primary route.
#include <cstdint>

#include "platform/drawing_surface.h"
#include "playbooks/route_geometry.h"

// Kinds of diagram.
constexpr int32_t DIAGRAM_OFFENSE = 0;
constexpr int32_t DIAGRAM_DEFENSE = 1;
constexpr int32_t DIAGRAM_KICKOFF = 2;
constexpr int32_t NO_DIAGRAM_CAPTION = -1;

// Colours of the diagrams (path colour words, alpha first).
constexpr uint32_t DIAGRAM_PLAYER_COLOUR = 0xFF45F9FF;
constexpr uint32_t DIAGRAM_SELECTED_COLOUR = 0xFFFFFFFF;
constexpr uint32_t DIAGRAM_PRIMARY_COLOUR = 0xFFAAAAFF;
constexpr uint32_t DIAGRAM_SELECTED_PRIMARY_COLOUR = 0xFFD7D7FF;
constexpr uint32_t DIAGRAM_PLAYER_FILL = 0xFF2EA6AA;
// Zones are solid discs over the field; the one of the play in use is lighter.
constexpr uint32_t DIAGRAM_ZONE_FILL = 0xFF2FBDA6;
constexpr uint32_t DIAGRAM_CURRENT_ZONE_FILL = 0xFF38D6CB;
// Line widths in yards.
constexpr double DIAGRAM_LINE_WIDTH = 0.3;
constexpr double DIAGRAM_PRIMARY_WIDTH = 0.45;
constexpr double DIAGRAM_ZONE_WIDTH = 0.2;
constexpr double DIAGRAM_PLAYER_RADIUS = 0.6;
constexpr double DIAGRAM_ZONE_RADIUS = 3.5;
// A deep-zone defender lined up shallower than this starts from the deep spot.
constexpr double SHALLOW_DEEP_ZONE_DEPTH = 5.0;
constexpr double DEEP_ZONE_START_DEPTH = 11.25;

// Draws the team's play of a kind into the rectangle (design units when
// `frame` is set, else window pixels): the field in the kind's colour (the
// lighter set with `alternative`), the players and their paths, the play's
// name with application font `font` (-1: none) and, for a team the user runs,
// the key that calls it. An undefined play draws no field. Painting draws
// from the diagram's own random sequence, seeded by the play, the kind and
// the week, so a play looks the same all week and never moves the league's
// generator.
void Draw_Play_Diagram(DEVICE_CONTEXT* dc, const RECT_AREA& rect, int32_t team, int32_t play, int32_t font,
                       int32_t kind, bool alternative, bool frame);
// The seed of a play's squiggles: (play x 100 + kind) x 100 + 104 in the
// off-season, else + week x 7 + 249.
uint32_t Get_Play_Diagram_Seed(int32_t play, int32_t kind);

// The layers of a diagram, each adding paths to `diagram`.
void Set_Diagram_Window(PLAY_DIAGRAM* diagram, int32_t kind, int32_t team, int32_t play);
void Draw_Offensive_Routes(PLAY_DIAGRAM* diagram, int32_t team, int32_t play, bool special);
void Draw_Defensive_Routes(PLAY_DIAGRAM* diagram, int32_t team, int32_t play);
void Draw_Offensive_Players(PLAY_DIAGRAM* diagram, int32_t formation);
void Draw_Defensive_Players(PLAY_DIAGRAM* diagram, int32_t team, int32_t play);
void Draw_Zone_Circles(PLAY_DIAGRAM* diagram, int32_t team, int32_t play);
void Draw_Kick_Arrow(PLAY_DIAGRAM* diagram);
// A route of the route table, or a defender's assignment of the role table,
// from a player's spot (x, y), mirrored for a spot left of centre (the
// stunts excepted); a primary receiver's arrowheads are the largest.
void Draw_Pass_Route_Shape(PLAY_DIAGRAM* diagram, int32_t route, double x, double y, bool primary);
void Draw_Defensive_Role_Shape(PLAY_DIAGRAM* diagram, int32_t role, double x, double y);
// The lineman in formation slot 6-10 of the play: his mark by the play type.
void Draw_Lineman_Block(PLAY_DIAGRAM* diagram, int32_t team, int32_t play, int32_t slot);
void Draw_Run_Block(PLAY_DIAGRAM* diagram, int32_t team, int32_t play, int32_t slot);
void Draw_Pass_Block(PLAY_DIAGRAM* diagram, int32_t team, int32_t play, int32_t slot);
void Draw_Trap_Block(PLAY_DIAGRAM* diagram, int32_t team, int32_t play, int32_t slot);
void Draw_Pulling_Block(PLAY_DIAGRAM* diagram, int32_t team, int32_t play, int32_t slot);
// Only the guards' slots 7 and 9 can be on the play side or away from the
// hole: by the hole for a run, by the primary receiver for a pass.
bool Is_Lineman_On_Play_Side(int32_t slot, int32_t team, int32_t play);
bool Is_Lineman_Away_From_Hole(int32_t slot, int32_t team, int32_t play);
// Lateral of run hole 0-9 in yards (even holes right of centre); 0 otherwise.
double Get_Diagram_Hole_Lateral(int32_t hole);
// A deep-zone defender's starting depth: 11.25 when he lines up shallower
// than 5 yards.
double Adjust_Deep_Zone_Depth(int32_t team, int32_t play, int32_t slot, double depth);

// "Primary Route: " (or "Primary Route:\n" with `newline`) and the route's
// depth, "Backfield" or "<shortest>-<longest> Yards", for a passing play
// whose primary receiver runs a route; else an empty text. A buffer of at
// least 64 bytes.
void Get_Primary_Route_Text(char* buffer, int32_t team, int32_t play, bool newline);
// The description of the kind's play, and the notes of a side's playbook (a
// buffer of at least 128 and 512 bytes).
void Get_Play_Description_By_Kind(int32_t kind, int32_t team, int32_t play, char* buffer);
void Get_Playbook_Notes(int32_t side, int32_t team, char* buffer);
// Plays 38, 42, 46 and 47 of team 0 in a 2 x 2 grid of 384 x 253-pixel cells
// (the main window's back buffer without a context).
void Draw_Play_Diagram_Grid(DEVICE_CONTEXT* dc, int32_t kind);
