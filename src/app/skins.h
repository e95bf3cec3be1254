#pragma once
// Window skins: the folder under "skins" the screens take their pictures from,
// named by the league's Skin_Name ("earth", "fire" or "ice").
#include <cstdint>

#include "platform/drawing_surface.h"

// Skin name comparisons ignore case.
int32_t Is_Earth_Skin();
int32_t Is_Fire_Skin();
int32_t Is_Ice_Skin();
// 1 for the two light skins on which the panels use dark text.
int32_t Is_Ice_Or_Fire_Skin();
// Dialog background colour of the current skin.
COLOUR_VALUE Get_Skin_Color();

// Rewrites a file name in place to its path inside the current skin's folder:
// "skins\<skin>\<name>". `name` holds at least `size` bytes; the result is
// cut to fit.
void Get_Skin_File_Path(char* name, int32_t size);

// How far the player lines of the box-score panels move down with the "ice"
// and "fire" skins: 30 design units, for the lines drawn and for their click
// rectangles alike (one shift for both, so a click lands on the line shown).
constexpr int32_t LIGHT_SKIN_PANEL_LINE_SHIFT = 30;
int32_t Get_Skin_Panel_Line_Shift();
