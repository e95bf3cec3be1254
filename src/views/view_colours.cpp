#include "views/view_colours.h"

#include <cmath>

#include "app/text_contrast.h"
#include "views/game_day_screen.h"

TEXT_COLOURS Pick_View_Colours(const VIEW_COLOURS& colours) {
    return Is_Dark_Text() ? TEXT_COLOURS{colours.Dark, colours.Light}
                          : TEXT_COLOURS{colours.Light, colours.Dark};
}

TEXT_COLOURS Fix_View_Colour(COLOUR_VALUE colour, const VIEW_COLOURS& colours) {
    const double l = Get_Relative_Luminance(colour);
    const bool nearer_light = std::fabs(l - Get_Relative_Luminance(colours.Light)) <
                              std::fabs(l - Get_Relative_Luminance(colours.Dark));
    return {colour, nearer_light ? colours.Dark : colours.Light};
}

TEXT_COLOURS Dim_View_Colour(COLOUR_VALUE colour) {
    return {colour, colour};
}

COLOUR_VALUE Pick_View_Colour(const VIEW_COLOURS& colours) {
    return Pick_View_Colours(colours).Colour;
}

void Set_View_Text_Colours(DEVICE_CONTEXT* dc, const TEXT_COLOURS& colours) {
    Set_Text_Colours(dc, colours.Colour, colours.Alternative);
}

void Set_View_Text_Colours(DEVICE_CONTEXT* dc, const VIEW_COLOURS& colours) {
    Set_View_Text_Colours(dc, Pick_View_Colours(colours));
}

void Set_Fixed_View_Text_Colour(DEVICE_CONTEXT* dc, COLOUR_VALUE colour, const VIEW_COLOURS& colours) {
    Set_View_Text_Colours(dc, Fix_View_Colour(colour, colours));
}
