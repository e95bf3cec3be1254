#pragma once
// The lower half of the game-day screen: the tab row of play groups, the ten
// play buttons of the shown group with the pointed play's description strip,
// the two called plays side by side once both calls are in, and its partial
// repaint when the pointed play changes.
#include <cstdint>

#include "app/vector_paths.h"
#include "platform/drawing_surface.h"

// By the call state: the call panel of the side to call, the called plays,
// or (no game being played) the week's other games. `only_changed` draws only the
// buttons whose state is not "unchanged".
void Draw_Games_View_Lower_Panel(DEVICE_CONTEXT* dc, bool only_changed);
void Draw_Play_Group_Tabs(DEVICE_CONTEXT* dc);
void Draw_Play_Call_Panel(DEVICE_CONTEXT* dc, int32_t side, bool only_changed);
void Draw_Called_Plays_Panel(DEVICE_CONTEXT* dc);
// Repaints the call area and the player panels in the back buffer and copies
// them to the screen.
void Redraw_Play_Call_Area();
// "<position>: <name>" of the player the team's depth chart puts in the
// play's primary receiver slot; empty when the play has none or nobody fills
// it. A buffer of at least FORMATTED_TEXT_SIZE bytes.
void Format_Play_Key_Player(char* buffer, int32_t team, int32_t play);
// The side tick of a play diagram's field: side 0 right, 1 left, else none.
void Add_Diagram_Side_Tick(PATH_COLLECTION* paths, int32_t side);
// The group label a tab shows (the team's folder name or "Kickoffs").
void Get_Play_Group_Name(char* buffer, int32_t side, int32_t team, int32_t group);
