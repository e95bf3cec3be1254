#pragma once
// Play diagrams: one play drawn in a rectangle as a chalkboard button, and
// the text of an offensive play's primary route.
#include <cstdint>

#include "platform/drawing_surface.h"

// Kinds of diagram.
constexpr int32_t DIAGRAM_OFFENSE = 0;
constexpr int32_t DIAGRAM_DEFENSE = 1;
constexpr int32_t DIAGRAM_KICKOFF = 2;
constexpr int32_t NO_DIAGRAM_CAPTION = -1;

// Draws the team's play of a kind into the rectangle (design units when
// `frame` is set, else window pixels): the field in the kind's colour (the
// lighter set with `alternative`), the play's name with application font
// `font` (-1: none), and, for a team the user runs, the key that calls it.
// Until the diagrams draw the players and their routes the button shows the
// play's name.
void Draw_Play_Diagram(DEVICE_CONTEXT* dc, const RECT_AREA& rect, int32_t team, int32_t play, int32_t font,
                       int32_t kind, bool alternative, bool frame);
// "Primary Route: " (or "Primary Route:\n" with `newline`) and the route's
// depth, "Backfield" or "<shortest>-<longest> Yards", for a passing play
// whose primary receiver runs a route; else an empty text. A buffer of at
// least 64 bytes.
void Get_Primary_Route_Text(char* buffer, int32_t team, int32_t play, bool newline);
