#pragma once
// What the panels of the Games view and game-day screen share: which game
// they show, their colour rules, design-space text and the restoring of a
// region from the view's background picture.
#include <cstdint>

#include "database/game_record_layout.h"
#include "platform/drawing_surface.h"
#include "views/view_colours.h"

constexpr int32_t GAMES_VIEW_ID = 40086;
// `Dark_Text`: the dark text colours of the Options dialog's colour choice.
constexpr int32_t DARK_TEXT_SETTING = 201;

bool Is_Dark_Text();

// Text colours of the game-day panels, each in its three forms (the dark
// background, `Dark_Text`, and the light skins where a panel uses them).
enum GAME_DAY_COLOUR : int32_t {
    GAME_DAY_MAIN_TEXT,      // white / black / black
    GAME_DAY_HIGHLIGHT_TEXT, // side 0 and highlights: (255, 249, 69) / (110, 0, 0) / (52, 52, 52)
    GAME_DAY_SECONDARY_TEXT, // (255, 215, 215) / (30, 30, 130) / (170, 170, 170)
    GAME_DAY_HEADING_TEXT,   // (255, 170, 170) / (80, 80, 180) / (212, 212, 212)
};
// The colour with its alternative (view_colours.h): the form `Dark_Text`
// picks and the other one; with `light_skin`, on the ice and fire skins, the
// panel's form for them (it wins over `Dark_Text` there) and the one of the
// other two farther from it in lightness.
TEXT_COLOURS Get_Game_Day_Colours(int32_t kind, bool light_skin = false);
// The colours of a side's texts (names, comparison values, box-score lines).
TEXT_COLOURS Get_Side_Colours(int32_t side);
// The dimmed grey of tabs and unused lines.
constexpr COLOUR_VALUE GREY_TAB_COLOUR = Make_Colour(113, 113, 113);

// True while the calendar advances and the game being played has one of its
// teams watched this week: that game is the one on screen.
bool Is_Live_Game_Shown();
// A game is being played (`Current_Game` is set), watched or not: the view
// then takes the game-day screen's background, tab row, situation line and
// lower panel.
bool Is_Game_Being_Played();
// The game every panel of the view shows: the live game, else the record at
// `Shown_Game_Index` (nullptr for none or an index outside the records).
GAME_RECORD* Get_Displayed_Game();

// Text in a design rectangle with an application font row (-1: the context's
// font) and a colour, on a transparent background. Returns the drawn height
// in design units.
int32_t Draw_Design_Text(DEVICE_CONTEXT* dc, const char* text, const RECT_AREA& rect, uint32_t format,
                         COLOUR_VALUE colour, int32_t font_row);
int32_t Draw_Design_Text(DEVICE_CONTEXT* dc, const char* text, const RECT_AREA& rect, uint32_t format,
                         const TEXT_COLOURS& colours, int32_t font_row);
// The window rectangle of a design rectangle; false when it is empty.
bool Design_To_Window_Rect(const RECT_AREA& design, RECT_AREA* window);
// The background picture of the view over a design rectangle (right and
// bottom exclusive), marked for copying to the screen.
void Restore_Design_Rect(DEVICE_CONTEXT* dc, const RECT_AREA& design);
// Marks a design rectangle of the view for copying to the screen.
void Invalidate_Design_Rect(const RECT_AREA& design);
// Copies what was marked from the back buffer to the window now.
void Update_Game_Day_Window();
// Fills a design rectangle (right and bottom exclusive) with a colour.
void Fill_Design_Rect(DEVICE_CONTEXT* dc, const RECT_AREA& design, COLOUR_VALUE colour);
// The plate under a tab of the tab row: dark and see-through, or the light
// plate of the "Playbook" and "Scores" labels.
void Draw_Tab_Plate(DEVICE_CONTEXT* dc, const RECT_AREA& design, bool light);
