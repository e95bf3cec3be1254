#pragma once
// Finding a city of the league's city table by its name.
#include <cstdint>

// Index of the first city whose name equals the text (no case); -1 when none.
int32_t Find_City_By_Name(const char* name);
