#pragma once
// The colours the views write in. Most texts have two colours: a light one
// for the dark grounds the views were drawn for and a dark one that the
// Options' dark text asks for. The main window fits each line to the skin
// under it (app/text_contrast.h): the colour the view picks is drawn where it
// stands out and the other one, its alternative, where it does not.
// So the dark text darkens text only on a light ground, the light colours
// hold on a dark one, and a skin's own colour gives way where its picture
// does not suit it.
#include "platform/drawing_surface.h"

struct VIEW_COLOURS {
    COLOUR_VALUE Light;
    COLOUR_VALUE Dark;
};
constexpr VIEW_COLOURS VIEW_LIGHT_COLOURS = {Make_Colour(255, 255, 255), Make_Colour(0, 0, 0)};
constexpr VIEW_COLOURS VIEW_ACCENT_COLOURS = {Make_Colour(255, 249, 69), Make_Colour(110, 0, 0)};
constexpr VIEW_COLOURS VIEW_GREY_COLOURS = {Make_Colour(170, 170, 170), Make_Colour(85, 85, 85)};

// A text's colour as it is set on the context: the colour the view picks and
// the alternative drawn where that one would not stand out.
struct TEXT_COLOURS {
    COLOUR_VALUE Colour;
    COLOUR_VALUE Alternative;
};
// The colour the Options' dark text picks, the other one as the alternative.
TEXT_COLOURS Pick_View_Colours(const VIEW_COLOURS& colours);
// A colour a text has whatever the option holds (a skin's own colour),
// with the one of `colours` farther from it in lightness as the alternative.
TEXT_COLOURS Fix_View_Colour(COLOUR_VALUE colour, const VIEW_COLOURS& colours = VIEW_LIGHT_COLOURS);
// A greyed text's colour, which has no other form: where it does not stand
// out it is moved just far enough, so it stays dimmer than the texts around it.
TEXT_COLOURS Dim_View_Colour(COLOUR_VALUE colour);

// The colour the option picks.
COLOUR_VALUE Pick_View_Colour(const VIEW_COLOURS& colours);
void Set_View_Text_Colours(DEVICE_CONTEXT* dc, const TEXT_COLOURS& colours);
void Set_View_Text_Colours(DEVICE_CONTEXT* dc, const VIEW_COLOURS& colours);
void Set_Fixed_View_Text_Colour(DEVICE_CONTEXT* dc, COLOUR_VALUE colour,
                                const VIEW_COLOURS& colours = VIEW_LIGHT_COLOURS);
