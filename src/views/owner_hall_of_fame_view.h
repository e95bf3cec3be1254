#pragma once
// The Korva Hall Of Fame page (view 40037): one difficulty level's ten best
// owners and a line for the current owner beneath them.
#include <cstdint>

#include "platform/drawing_surface.h"

constexpr int32_t FAME_COLUMNS = 7;
constexpr int32_t FAME_SHOWN_LEVEL_SETTING = 24;

void Paint_Owner_Hall_Of_Fame_View(DEVICE_CONTEXT* dc);
// Column 0-6 of a stored entry: name, team, seasons, record, winning
// percentage, playoff record, rating. `out` holds at least 256 bytes.
void Get_Owner_Hall_Of_Fame_Entry_Text(const uint8_t* buffer, int32_t level, int32_t entry, int32_t column,
                                       char* out);
// The same columns for the current owner (empty unless the level shown is
// the difficulty being played).
void Get_Current_Owner_Line_Text(int32_t column, char* out);
// The level shown (setting 24), 0 when the setting holds another value.
int32_t Get_Shown_Fame_Level();
