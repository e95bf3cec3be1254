#pragma once
// How well drawn text stands out from what it is drawn on, measured on the
// pixels themselves: the renderer reports every pixel a line's glyphs cover
// and what that pixel held, and each line is rated by the WCAG contrast ratio
// between its colour and the ground under its ink.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/drawing_surface.h"

// The WCAG contrast ratio of two colours (1 to 21) from their relative luminance.
double Get_Contrast_Ratio(COLOUR_VALUE a, COLOUR_VALUE b);

struct TEXT_CONTRAST {
    std::string Text;
    COLOUR_VALUE Colour;
    RECT_AREA Ink;             // the pixels the line's glyphs cover, right and bottom exclusive
    double Ratio;              // nine in ten of the line's solid ink pixels stand out at least this much
    COLOUR_VALUE Worst_Ground; // the ground colour at that tenth
};

// Watches the text lines drawn on `surface` (nullptr: on any surface) until
// Stop_Watching_Text.
void Start_Watching_Text(const DRAWING_SURFACE* surface);
// The lines drawn since the start, each measured against the ground as it
// was before any text of the watch was drawn there (so a line is judged on
// the picture under it, not on texts drawn over each other). A line followed
// closely by the same text one or two pixels up and left is a shadow and is
// not listed. Pixels inside `skip` (the team logo, which views
// may write over) are left out; a line with no ink left is not listed.
std::vector<TEXT_CONTRAST> Stop_Watching_Text(const RECT_AREA& skip);

// "colour" as "(r, g, b)".
std::string Describe_Colour(COLOUR_VALUE colour);
