#include "app/drawing_primitives.h"

#include <algorithm>
#include <cstdio>
#include <strings.h>

#include "app/app_fonts.h"
#include "app/design_scaling.h"
#include "app/diagnostics.h"
#include "app/dialog_services.h"
#include "app/dib_sections.h"
#include "app/drawing_services.h"
#include "app/main_window_geometry.h"
#include "app/text_contrast.h"
#include "database/path_resolver.h"
#include "database/random_numbers.h"
#include "database/team_record.h"
#include "platform/drawing_objects.h"
#include "platform/drawing_shapes.h"
#include "platform/pixel_blits.h"
#include "platform/text_render.h"

const int32_t Text_Box_Fonts[TEXT_BOX_FONT_COUNT] = {15, 11, 9, 7, 6, 5, 4, 3, 2, 1};
int32_t Dialog_Scale_Factor = 0;

namespace {
void Delete_Pen_Or_Report(DRAWING_PEN* pen, const char* routine) {
    if (!Delete_Pen(pen)) Report_System_Error("Couldn't delete hPen in %s()", routine);
}
void Delete_Brush_Or_Report(DRAWING_BRUSH* brush, const char* routine) {
    if (!Delete_Brush(brush)) Report_System_Error("Couldn't delete hBrush in %s()", routine);
}

// A shape drawn with a solid brush of the colour and no pen, the context's
// state kept; the routine's name goes into the deletion reports.
template <typename DRAW>
void Fill_With_Solid_Brush(DEVICE_CONTEXT* dc, COLOUR_VALUE colour, const char* routine, DRAW draw) {
    if (dc == nullptr) return;
    Save_Device_Context(dc);
    DRAWING_BRUSH* brush = Create_Solid_Brush(colour);
    DRAWING_PEN* pen = Create_Pen(PEN_NULL, 1, colour);
    Select_Brush(dc, brush);
    Select_Pen(dc, pen);
    draw();
    Restore_Device_Context(dc);
    Delete_Brush_Or_Report(brush, routine);
    Delete_Pen_Or_Report(pen, routine);
}
} // namespace

void Fill_Rectangle(DEVICE_CONTEXT* dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                    COLOUR_VALUE colour) {
    Fill_With_Solid_Brush(dc, colour, "Fill_Rectangle",
                          [&] { Draw_Rectangle(dc, left, top, right + 1, bottom + 1); });
}

int32_t Fill_Rectangle_Borderless(DEVICE_CONTEXT* dc, const RECT_AREA& rect, COLOUR_VALUE colour) {
    if (dc == nullptr) return 0;
    DRAWING_BRUSH* brush = Create_Solid_Brush(colour);
    DRAWING_BRUSH* old_brush = Select_Brush(dc, brush);
    DRAWING_PEN* old_pen = Select_Pen(dc, Get_Null_Pen());
    Draw_Rectangle(dc, rect.Left - 1, rect.Top - 1, rect.Right + 1, rect.Bottom + 1);
    Select_Brush(dc, old_brush);
    Select_Pen(dc, old_pen);
    Delete_Brush_Or_Report(brush, "Fill_Rectangle");
    return 1;
}

void Draw_Absolute_Line(DEVICE_CONTEXT* dc, const RECT_AREA& rect, COLOUR_VALUE colour) {
    if (dc == nullptr) return;
    DRAWING_PEN* pen = Create_Pen(PEN_SOLID, 1, colour);
    DRAWING_PEN* old = Select_Pen(dc, pen);
    const int32_t x = dc->State.Position_X, y = dc->State.Position_Y;
    Move_To(dc, rect.Left, rect.Top);
    Line_To(dc, rect.Left, rect.Bottom);
    Line_To(dc, rect.Right, rect.Bottom);
    Line_To(dc, rect.Right, rect.Top);
    Line_To(dc, rect.Left, rect.Top);
    Move_To(dc, x, y);
    Select_Pen(dc, old);
    Delete_Pen_Or_Report(pen, "Draw_Absolute_Line");
}

void Fill_Polygon(DEVICE_CONTEXT* dc, const POINT_XY* points, int32_t count, COLOUR_VALUE colour) {
    if (points == nullptr) return;
    Fill_With_Solid_Brush(dc, colour, "Fill_Polygon", [&] { Draw_Polygon(dc, points, count); });
}

void Fill_Ellipse(DEVICE_CONTEXT* dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                  COLOUR_VALUE colour) {
    Fill_With_Solid_Brush(dc, colour, "Fill_Ellipse",
                          [&] { Draw_Ellipse(dc, left, top, right + 1, bottom + 1); });
}

void Draw_Scaled_Line(DEVICE_CONTEXT* dc, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                      COLOUR_VALUE colour) {
    if (dc == nullptr) return;
    RECT_AREA view;
    Get_View_Rect(&view);
    DRAWING_PEN* pen = Create_Pen(PEN_SOLID, 1, colour);
    DRAWING_PEN* old = Select_Pen(dc, pen);
    const int32_t x = dc->State.Position_X, y = dc->State.Position_Y;
    Move_To(dc, Scale_X_To_Window(view, x1), Scale_Y_To_Window(view, y1));
    Line_To(dc, Scale_X_To_Window(view, x2), Scale_Y_To_Window(view, y2));
    Move_To(dc, x, y);
    Select_Pen(dc, old);
    Delete_Pen_Or_Report(pen, "Draw_Scaled_Line");
}

void Fill_Scaled_Rectangle(DEVICE_CONTEXT* dc, const RECT_AREA& design_rect, COLOUR_VALUE colour) {
    RECT_AREA rect = design_rect;
    Scale_Rect_To_Window(&rect);
    Fill_Rectangle(dc, rect.Left, rect.Top, rect.Right, rect.Bottom, colour);
}

void Fill_Scaled_Ellipse(DEVICE_CONTEXT* dc, const RECT_AREA& design_rect, COLOUR_VALUE colour) {
    RECT_AREA rect = design_rect;
    Scale_Rect_To_Window(&rect);
    Fill_Ellipse(dc, rect.Left, rect.Top, rect.Right, rect.Bottom, colour);
}

void Draw_Scaled_Frame_Color(DEVICE_CONTEXT* dc, const RECT_AREA* rect, COLOUR_VALUE colour) {
    if (dc == nullptr || rect == nullptr) return;
    RECT_AREA scaled;
    Copy_Enlarged_Rectangle(&scaled, *rect);
    Draw_Absolute_Line(dc, scaled, colour);
}

void Draw_Scaled_Frame(DEVICE_CONTEXT* dc, const RECT_AREA* rect) {
    Draw_Scaled_Frame_Color(dc, rect, 0);
}

void Draw_Button_Noise(DEVICE_CONTEXT* dc, const RECT_AREA& rect, int32_t red_hi, int32_t red_lo,
                       int32_t green_hi, int32_t green_lo, int32_t blue_hi, int32_t blue_lo, double blur_a,
                       double blur_b, DRAWING_RANDOM* source) {
    const int32_t width = rect.Right - rect.Left, height = rect.Bottom - rect.Top;
    if (dc == nullptr || width <= 0 || height <= 0) return;
    DIB_SECTION_DC section;
    if (!SimpleCreateDIBSectionDC(&section, dc, 3, width, height)) return;
    for (int32_t y = 0; y < height; ++y) {
        uint8_t* p = section.Pixels + static_cast<ptrdiff_t>(y) * section.Stride;
        for (int32_t x = 0; x < width; ++x, p += 3) {
            const int32_t t = source != nullptr
                                  ? Next_Drawing_Random(source) >> 7
                                  : static_cast<int32_t>((uint64_t{Random_Number()} * 256) >> 32);
            p[0] = static_cast<uint8_t>(blue_hi + (blue_lo - blue_hi) * t / 255);
            p[1] = static_cast<uint8_t>(green_hi + (green_lo - green_hi) * t / 255);
            p[2] = static_cast<uint8_t>(red_hi + (red_lo - red_hi) * t / 255);
        }
    }
    Blur_DIB_Section(&section, blur_a, blur_b);
    Stretch_Pixels(dc, rect.Left, rect.Top, width, height, DIB_Section_Pixels(section), 0, 0, width, height,
                   RASTER_SOURCE_COPY);
    Free_DIB_Section_DC(&section);
}

void Draw_Button_Noise_Around_Color(DEVICE_CONTEXT* dc, const RECT_AREA& rect, COLOUR_VALUE colour,
                                    double blur_a, double blur_b, DRAWING_RANDOM* source) {
    auto bound = [](uint32_t channel, int32_t step) {
        return Clamp_Int(0, 255, static_cast<int32_t>(channel) + step);
    };
    Draw_Button_Noise(dc, rect, bound(Colour_Red(colour), 15), bound(Colour_Red(colour), -15),
                      bound(Colour_Green(colour), 15), bound(Colour_Green(colour), -15),
                      bound(Colour_Blue(colour), 15), bound(Colour_Blue(colour), -15), blur_a, blur_b,
                      source);
}

int32_t Draw_Text_Fitting_Box(DEVICE_CONTEXT* dc, const RECT_AREA& rect, const char* text, uint32_t flags,
                              int32_t preferred_row) {
    if (dc == nullptr || text == nullptr) return 0;
    int32_t first = 1;
    for (int32_t i = 0; i < TEXT_BOX_FONT_COUNT; ++i)
        if (Text_Box_Fonts[i] == preferred_row) first = i;
    Save_Device_Context(dc);
    DRAWING_FONT* font = nullptr;
    RECT_AREA measured = rect;
    int32_t row = Text_Box_Fonts[TEXT_BOX_FONT_COUNT - 1];
    for (int32_t i = first; i < TEXT_BOX_FONT_COUNT; ++i) {
        row = Text_Box_Fonts[i];
        font = Get_App_Font(row);
        Select_Font(dc, font);
        measured = rect;
        Draw_Text_In_Rect(dc, text, -1, &measured, flags | TEXT_CALCULATE_RECT);
        if (measured.Bottom <= rect.Bottom && measured.Right <= rect.Right) break;
        if (i + 1 < TEXT_BOX_FONT_COUNT) Release_App_Font(font);
    }
    const int32_t spare_width = (rect.Right - rect.Left) - (measured.Right - measured.Left);
    const int32_t spare_height = (rect.Bottom - rect.Top) - (measured.Bottom - measured.Top);
    RECT_AREA target = measured;
    if (spare_width > 0) {
        target.Left += spare_width / 2;
        target.Right += spare_width / 2;
    }
    if (spare_height > 0) {
        target.Top += spare_height / 2;
        target.Bottom += spare_height / 2;
    }
    Note_Drawn_Text(dc, text, target, flags);
    Draw_Text_In_Rect(dc, text, -1, &target, flags);
    Restore_Device_Context(dc);
    Release_App_Font(font);
    return row;
}

bool Do_Cells_Fit_Font(const std::vector<TEXT_CELL>& cells, uint32_t flags, DRAWING_FONT* font) {
    DEVICE_CONTEXT dc;
    Attach_Device_Context(&dc, nullptr);
    Select_Font(&dc, font);
    FONT_METRICS metrics{};
    Get_Font_Metrics(&dc, &metrics);
    const bool centred = (flags & TEXT_SINGLE_LINE) != 0 && (flags & TEXT_VERTICAL_CENTRE) != 0;
    bool fit = true;
    for (const TEXT_CELL& cell : cells) {
        RECT_AREA measured = cell.Rect;
        const int32_t height =
            Draw_Text_In_Rect(&dc, cell.Text.c_str(), -1, &measured, flags | TEXT_CALCULATE_RECT);
        int32_t ink_top = 0, ink_bottom = 0;
        Measure_Text_Ink_Rows(&dc, cell.Text.c_str(), -1, &ink_top, &ink_bottom);
        // Where the letters fall in the cell, placed as Draw_Text_In_Rect places them.
        const int32_t room = cell.Rect.Bottom - cell.Rect.Top;
        const int32_t top = centred ? (room - height) / 2 : 0;
        const int32_t letters_top = top + ink_top,
                      letters_bottom = top + height - metrics.Height + ink_bottom;
        if (measured.Right > cell.Rect.Right || letters_top < 0 || letters_bottom > room) fit = false;
    }
    return fit;
}

namespace {
bool Cells_Fit_In_Font(const std::vector<TEXT_CELL>& cells, uint32_t flags, int32_t row) {
    DRAWING_FONT* font = Get_App_Font(row);
    const bool fit = Do_Cells_Fit_Font(cells, flags, font);
    Release_App_Font(font);
    return fit;
}
} // namespace

int32_t Find_Fitting_Font_Row(const std::vector<TEXT_CELL>& cells, uint32_t flags, int32_t preferred_row) {
    if (preferred_row < 0 || preferred_row >= APP_FONT_COUNT) return SMALLEST_TEXT_BOX_FONT_ROW;
    if (Cells_Fit_In_Font(cells, flags, preferred_row)) return preferred_row;
    const int32_t height = App_Font_Table[preferred_row].Height;
    for (const int32_t row : Text_Box_Fonts)
        if (App_Font_Table[row].Height < height && Cells_Fit_In_Font(cells, flags, row)) return row;
    return SMALLEST_TEXT_BOX_FONT_ROW;
}

int32_t Find_Fitting_Font_Row(const std::vector<std::string>& texts, const RECT_AREA& rect, uint32_t flags,
                              int32_t preferred_row) {
    std::vector<TEXT_CELL> cells;
    for (const std::string& text : texts)
        cells.push_back({text, rect});
    return Find_Fitting_Font_Row(cells, flags, preferred_row);
}

void Draw_Scaled_Text_Box(DEVICE_CONTEXT* dc, RECT_AREA* rect, const char* text, int32_t preferred_row) {
    if (rect == nullptr) return;
    Scale_Rect_To_Window(rect);
    const int32_t margin = (rect->Right - rect->Left) / 20;
    rect->Left += margin;
    rect->Right -= margin;
    Draw_Text_Fitting_Box(dc, *rect, text, TEXT_CENTRE | TEXT_WORD_BREAK, preferred_row);
}

void Draw_Text_Over_Control(WINDOW_HANDLE dialog, DEVICE_CONTEXT* dc, const char* text, uint32_t flags,
                            int32_t control_id) {
    RECT_AREA rect;
    Get_Dialog_Item_Rect(dialog, control_id, &rect);
    Draw_Text_Fitting_Box(dc, rect, text, flags, NO_PREFERRED_FONT);
}

namespace {
// Black; white under a text that its light ground turned dark, so the shadow
// still sets the text off rather than smudging it.
COLOUR_VALUE Get_Shadow_Colour(COLOUR_VALUE wanted, COLOUR_VALUE drawn) {
    constexpr double MIDDLE_LUMINANCE = 0.18;
    const bool darkened = drawn != wanted && Get_Relative_Luminance(drawn) < MIDDLE_LUMINANCE;
    return darkened ? Make_Colour(255, 255, 255) : Make_Colour(0, 0, 0);
}
} // namespace

void Draw_Shadowed_Text(DEVICE_CONTEXT* dc, const char* text, COLOUR_VALUE colour,
                        const RECT_AREA& design_rect, uint32_t flags) {
    if (dc == nullptr || text == nullptr) return;
    Save_Device_Context(dc);
    // A context that fits its text to the ground fits it to the ground under
    // the whole text before the shadow is drawn.
    Set_Text_Colour(dc, colour);
    const TEXT_COLOUR_CHOICE choice = Set_Text_Colour_Choice(dc, nullptr);
    COLOUR_VALUE drawn = colour;
    RECT_AREA area = design_rect;
    Scale_Rect_To_Window(&area);
    if (choice != nullptr && Get_Drawable_Area(dc, area, &area)) drawn = choice(dc, area);
    Set_Text_Colour(dc, Get_Shadow_Colour(colour, drawn));
    Draw_Text_In_Scaled_Rect(
        dc, text, {design_rect.Left + 1, design_rect.Top + 1, design_rect.Right + 1, design_rect.Bottom + 1},
        flags, 1);
    Set_Text_Colour(dc, drawn);
    Draw_Text_In_Scaled_Rect(dc, text, design_rect, flags, 1);
    Restore_Device_Context(dc);
}

void Draw_Shadowed_Text_Scaled(DEVICE_CONTEXT* dc, const char* text, const RECT_AREA& design_rect,
                               uint32_t flags) {
    if (dc == nullptr || text == nullptr) return;
    RECT_AREA rect = design_rect;
    Scale_Rect_To_Window(&rect);
    RECT_AREA shadow{rect.Left + 1, rect.Top + 1, rect.Right + 1, rect.Bottom + 1};
    Save_Device_Context(dc);
    // As Draw_Shadowed_Text: the text is fitted to the ground before the shadow is drawn.
    const TEXT_COLOUR_CHOICE choice = Set_Text_Colour_Choice(dc, nullptr);
    const COLOUR_VALUE wanted = dc->State.Text_Colour;
    RECT_AREA area;
    if (choice != nullptr && Get_Drawable_Area(dc, rect, &area)) Set_Text_Colour(dc, choice(dc, area));
    const COLOUR_VALUE drawn = dc->State.Text_Colour;
    Set_Text_Colour(dc, Get_Shadow_Colour(wanted, drawn));
    Note_Drawn_Text(dc, text, shadow, flags);
    Draw_Text_In_Rect(dc, text, -1, &shadow, flags);
    Set_Text_Colour(dc, drawn);
    Note_Drawn_Text(dc, text, rect, flags);
    Draw_Text_In_Rect(dc, text, -1, &rect, flags);
    Restore_Device_Context(dc);
}

void Get_Team_Logo_Path(char* buffer, int32_t team) {
    if (buffer == nullptr) return;
    char location[TEAM_STRING_LENGTH + 1] = "", nickname[TEAM_STRING_LENGTH + 1] = "";
    Get_Team_String(location, team, 1);
    Get_Team_String(nickname, team, 2);
    const char* key = location;
    if (strcasecmp(location, "New York") == 0)
        key = strcasecmp(nickname, "Jets") == 0 ? "NY1" : "NY2";
    else if (strcasecmp(location, "Los Angeles") == 0)
        key = strcasecmp(nickname, "Raiders") == 0 ? "LA1"
              : strcasecmp(nickname, "Rams") == 0  ? "LA2"
                                                   : "LA3";
    else if (strcasecmp(location, "St. Louis") == 0 && strcasecmp(nickname, "Cardinals") == 0)
        key = "STL2";
    else if (strcasecmp(location, "Baltimore") == 0 && strcasecmp(nickname, "Colts") == 0)
        key = "BAL2";
    else if (strcasecmp(location, "Houston") == 0 && strcasecmp(nickname, "Oilers") == 0)
        key = "HOU2";
    // A location is the league's own text: one that would reach outside the
    // logos folder names no logo.
    for (const char* extension : {"png", "jpg", "gif"}) {
        if (!Is_Safe_Picture_Name(key)) break;
        snprintf(buffer, LOGO_PATH_SIZE, "logos\\%s.%s", key, extension);
        if (FILE* file = Open_Resolved_File(buffer, "rb"); file != nullptr) {
            fclose(file);
            return;
        }
    }
    snprintf(buffer, LOGO_PATH_SIZE, "logos\\LOGO_filler.png");
}

void Scale_Column_Positions(int32_t* positions, int32_t n) {
    if (positions == nullptr) return;
    for (int32_t i = 0; i < n; ++i)
        positions[i] = Dialog_Scale_Factor == 0 ? 0 : Mul_Div_Round(positions[i], 1000, Dialog_Scale_Factor);
}
