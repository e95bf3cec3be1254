#pragma once
// Text that stands out from what it is drawn on. The views write on the
// skins' pictures, whose grounds are dark on one skin and light on the
// others, and on plates and boxes of their own: each line's colour is
// checked against the pixels under it as it is drawn. A colour that does not
// stand out by 4.5 : 1 (the contrast ratio of the relative luminances) gives
// way to the text's alternative colour when that one does, else it is moved
// toward white over a dark ground or toward black over a light one until it
// does.
#include "platform/drawing_surface.h"

constexpr double LEAST_TEXT_CONTRAST = 4.5;

// The relative luminance of a colour, 0 (black) to 1 (white).
double Get_Relative_Luminance(COLOUR_VALUE colour);

// The ground under a line: the luminance all but one in twenty of its pixels
// reach, the one half of them reach, and the one only one in twenty pass.
struct TEXT_GROUND {
    double Darker;
    double Middle;
    double Lighter;
};
// How far a colour stands out from both ends of a ground (1 to 21).
double Get_Ground_Contrast(COLOUR_VALUE colour, const TEXT_GROUND& ground);

// The colour to draw: `wanted` when it stands out, else `alternative` (when
// there is one) when it does, else the lighter of the two moved toward white
// over a ground mostly dark, or the darker toward black over one mostly
// light, until it stands out (or white or black, where nothing does).
COLOUR_VALUE Fit_Text_Colour(COLOUR_VALUE wanted, const COLOUR_VALUE* alternative, const TEXT_GROUND& ground);

// Fits a colour and its alternative to the ground in a box of the context's surface.
COLOUR_VALUE Fit_Colour_To_Ground(const DEVICE_CONTEXT* dc, const RECT_AREA& box, COLOUR_VALUE wanted,
                                  const COLOUR_VALUE* alternative);
// The colour choice of the main window's pictures and bars: the context's
// text colour and alternative fitted to the ground in the line's box (to the
// background colour when the context draws text opaque).
COLOUR_VALUE Choose_Contrasting_Text_Colour(const DEVICE_CONTEXT* dc, const RECT_AREA& line_box);
