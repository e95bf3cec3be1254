#pragma once
// Position texts of the statistics files and saved pages read as position codes.
#include <cstdint>

// The expanded position code (0-42) of a position text, or -1.
int32_t Parse_Position_Abbreviation(const char* text);
