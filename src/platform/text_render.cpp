#include "platform/text_render.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/font_faces.h"
#include "platform/font_holds.h"
#include "platform/text_encoding.h"

struct GLYPH_IMAGE {
    bool Loaded;
    int32_t Left;
    int32_t Top;
    int32_t Width;
    int32_t Rows;
    double Advance_X; // screen pixels, y growing downward
    double Advance_Y;
    std::vector<uint8_t> Coverage;
};

struct DRAWING_FONT {
    FT_Face Face;
    bool Synthetic_Bold;
    bool Counted;
    // Windows drawing with the font; a font deleted while some still do is
    // freed when the last lets it go.
    int32_t Holds;
    bool Deleted;
    const char* Family;
    double Angle; // radians, counter-clockwise
    FONT_METRICS Metrics;
    GLYPH_IMAGE Glyphs[256];
};

namespace {
int32_t Live_Fonts = 0;
FT_Library Library = nullptr;
TEXT_LINE_WATCHER Line_Watcher = nullptr;

uint32_t To_Unicode(uint8_t c) {
    const uint32_t letter = Windows_1252_Letter(c);
    return letter != 0 || c == 0 ? letter : 0xFFFD;
}

// Font files are read once and kept: every size of a face shares the bytes.
const std::vector<uint8_t>* Read_Font_File(const std::string& path) {
    static std::map<std::string, std::unique_ptr<std::vector<uint8_t>>> files;
    auto found = files.find(path);
    if (found != files.end()) return found->second.get();
    FILE* file = fopen(path.c_str(), "rb");
    if (file == nullptr) return nullptr;
    auto bytes = std::make_unique<std::vector<uint8_t>>();
    uint8_t block[65536];
    size_t n;
    while ((n = fread(block, 1, sizeof block, file)) > 0)
        bytes->insert(bytes->end(), block, block + n);
    fclose(file);
    return files.emplace(path, std::move(bytes)).first->second.get();
}

const GLYPH_IMAGE& Get_Glyph(DRAWING_FONT* font, uint8_t c);

DRAWING_FONT* Make_Font(const FONT_REQUEST& request, bool counted) {
    if (Library == nullptr && FT_Init_FreeType(&Library) != 0) return nullptr;
    const FONT_FACE_FILES& files = Find_Font_Face(request.Face);
    const bool bold = request.Weight >= 600;
    const std::string& path = bold && !files.Bold.empty() ? files.Bold : files.Regular;
    if (path.empty()) return nullptr;
    const std::vector<uint8_t>* bytes = Read_Font_File(path);
    if (bytes == nullptr) return nullptr;
    FT_Face face = nullptr;
    if (FT_New_Memory_Face(Library, bytes->data(), static_cast<FT_Long>(bytes->size()), 0, &face) != 0)
        return nullptr;

    // Line height = the face's Windows ascent plus descent, as the platform
    // the heights were chosen on measures it.
    const TT_OS2* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    const double units_ascent = os2 != nullptr ? os2->usWinAscent : face->ascender;
    const double units_descent = os2 != nullptr ? os2->usWinDescent : -face->descender;
    const double em = face->units_per_EM;
    int32_t height = request.Height == 0 ? -16 : request.Height;
    const double ppem = height > 0 ? height * em / (units_ascent + units_descent) : -height;
    FT_Set_Char_Size(face, 0, static_cast<FT_F26Dot6>(std::lround(ppem * 64.0)), 72, 72);

    auto* font = new DRAWING_FONT{};
    font->Face = face;
    font->Synthetic_Bold = bold && files.Bold.empty();
    font->Counted = counted;
    font->Family = files.Family;
    font->Angle = request.Escapement / 10.0 * M_PI / 180.0;
    FONT_METRICS& m = font->Metrics;
    m.Ascent = static_cast<int32_t>(std::lround(units_ascent * ppem / em));
    m.Descent = static_cast<int32_t>(std::lround(units_descent * ppem / em));
    m.Height = m.Ascent + m.Descent;
    m.Internal_Leading = std::max(0, m.Height - static_cast<int32_t>(std::lround(ppem)));
    m.External_Leading = 0;
    if (font->Angle != 0.0) {
        FT_Matrix matrix;
        matrix.xx = static_cast<FT_Fixed>(std::lround(cos(font->Angle) * 65536.0));
        matrix.xy = static_cast<FT_Fixed>(std::lround(-sin(font->Angle) * 65536.0));
        matrix.yx = static_cast<FT_Fixed>(std::lround(sin(font->Angle) * 65536.0));
        matrix.yy = matrix.xx;
        FT_Set_Transform(face, &matrix, nullptr);
    }
    m.Average_Width = std::max(1, static_cast<int32_t>(std::lround(Get_Glyph(font, 'x').Advance_X)));
    if (counted) ++Live_Fonts;
    return font;
}

const GLYPH_IMAGE& Get_Glyph(DRAWING_FONT* font, uint8_t c) {
    GLYPH_IMAGE& glyph = font->Glyphs[c];
    if (glyph.Loaded) return glyph;
    glyph.Loaded = true;
    FT_Face face = font->Face;
    const FT_UInt index = FT_Get_Char_Index(face, To_Unicode(c));
    if (FT_Load_Glyph(face, index, FT_LOAD_DEFAULT) != 0) return glyph;
    if (font->Synthetic_Bold) FT_GlyphSlot_Embolden(face->glyph);
    if (FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) != 0) return glyph;
    const FT_Bitmap& bitmap = face->glyph->bitmap;
    glyph.Left = face->glyph->bitmap_left;
    glyph.Top = face->glyph->bitmap_top;
    glyph.Width = static_cast<int32_t>(bitmap.width);
    glyph.Rows = static_cast<int32_t>(bitmap.rows);
    glyph.Advance_X = face->glyph->advance.x / 64.0;
    glyph.Advance_Y = -face->glyph->advance.y / 64.0;
    glyph.Coverage.resize(static_cast<size_t>(glyph.Width) * static_cast<size_t>(glyph.Rows));
    for (int32_t row = 0; row < glyph.Rows; ++row)
        memcpy(glyph.Coverage.data() + static_cast<size_t>(row) * static_cast<size_t>(glyph.Width),
               bitmap.buffer + static_cast<ptrdiff_t>(row) * bitmap.pitch, static_cast<size_t>(glyph.Width));
    return glyph;
}

DRAWING_FONT* Default_Font() {
    static DRAWING_FONT* font = [] {
        FONT_REQUEST request{16, FONT_WEIGHT_BOLD, 0, "MS Sans Serif"};
        return Make_Font(request, false);
    }();
    return font;
}

DRAWING_FONT* Current_Font(const DEVICE_CONTEXT* dc) {
    return dc != nullptr && dc->State.Font != nullptr ? dc->State.Font : Default_Font();
}

int32_t Tab_Width(DRAWING_FONT* font) {
    return std::max(1, 8 * font->Metrics.Average_Width);
}

// Width of a line; tabs move to the next tab stop.
int32_t Line_Width(DRAWING_FONT* font, const std::string& line) {
    double x = 0;
    for (unsigned char c : line) {
        if (c == '\t') {
            const int32_t stop = Tab_Width(font);
            x = (static_cast<int32_t>(x) / stop + 1) * stop;
            continue;
        }
        x += Get_Glyph(font, c).Advance_X;
    }
    return static_cast<int32_t>(std::lround(x));
}

inline void Blend_Coverage(uint32_t& pixel, uint32_t colour_pixel, uint32_t a) {
    if (a == 0) return;
    if (a == 255) {
        pixel = colour_pixel;
        return;
    }
    uint32_t out = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const uint32_t d = (pixel >> shift) & 0xFF, s = (colour_pixel >> shift) & 0xFF;
        out |= ((s * a + d * (255 - a) + 127) / 255) << shift;
    }
    const uint32_t da = pixel >> 24;
    out |= ((a * 255 + da * (255 - a) + 127) / 255) << 24;
    pixel = out;
}

void Draw_Line_At(DEVICE_CONTEXT* dc, DRAWING_FONT* font, int32_t x, int32_t y, const std::string& line) {
    if (dc->Surface == nullptr) return;
    const double sin_a = sin(font->Angle), cos_a = cos(font->Angle);
    if (dc->State.Background_Mode == BACKGROUND_OPAQUE && font->Angle == 0.0)
        Fill_Surface_Area(dc, {x, y, x + Line_Width(font, line), y + font->Metrics.Height},
                          dc->State.Background_Colour);
    RECT_AREA area;
    if (!Get_Drawable_Area(dc, {INT32_MIN / 2, INT32_MIN / 2, INT32_MAX / 2, INT32_MAX / 2}, &area)) return;
    COLOUR_VALUE text_colour = dc->State.Text_Colour;
    if (dc->State.Text_Colour_Choice != nullptr && font->Angle == 0.0) {
        RECT_AREA box;
        if (Get_Drawable_Area(dc, {x, y, x + Line_Width(font, line), y + font->Metrics.Height}, &box))
            text_colour = dc->State.Text_Colour_Choice(dc, box);
    }
    const uint32_t colour = Colour_To_Pixel(text_colour);
    double pen_x = x + font->Metrics.Ascent * sin_a;
    double pen_y = y + font->Metrics.Ascent * cos_a;
    const double start_x = pen_x, start_y = pen_y;
    DRAWING_SURFACE* surface = dc->Surface;
    TEXT_LINE_INK ink{surface, line.c_str(), text_colour, {}};
    const bool watched = Line_Watcher != nullptr;
    for (unsigned char c : line) {
        if (c == '\t') {
            const int32_t stop = Tab_Width(font);
            const double along = (pen_x - start_x) * cos_a - (pen_y - start_y) * sin_a;
            const double next = (static_cast<int32_t>(along) / stop + 1) * stop;
            pen_x = start_x + next * cos_a;
            pen_y = start_y - next * sin_a;
            continue;
        }
        const GLYPH_IMAGE& glyph = Get_Glyph(font, c);
        const int32_t gx = static_cast<int32_t>(std::lround(pen_x)) + glyph.Left;
        const int32_t gy = static_cast<int32_t>(std::lround(pen_y)) - glyph.Top;
        const int32_t row_from = std::max(0, area.Top - gy), row_to = std::min(glyph.Rows, area.Bottom - gy);
        const int32_t col_from = std::max(0, area.Left - gx), col_to = std::min(glyph.Width, area.Right - gx);
        for (int32_t row = row_from; row < row_to; ++row) {
            uint32_t* out =
                surface->Pixels.data() + static_cast<size_t>(gy + row) * static_cast<size_t>(surface->Width);
            const uint8_t* cover =
                glyph.Coverage.data() + static_cast<size_t>(row) * static_cast<size_t>(glyph.Width);
            for (int32_t col = col_from; col < col_to; ++col) {
                if (watched && cover[col] != 0)
                    ink.Pixels.push_back({gx + col, gy + row, out[gx + col], cover[col]});
                Blend_Coverage(out[gx + col], colour, cover[col]);
            }
        }
        pen_x += glyph.Advance_X;
        pen_y += glyph.Advance_Y;
    }
    if (watched) Line_Watcher(ink);
}

// "&x" shows x ("&&" shows "&"), as the prefix marks of menu-style texts.
std::string Remove_Prefix_Marks(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size())
            ++i;
        else if (text[i] == '&')
            continue;
        out += text[i];
    }
    return out;
}

// Greedy word wrap of one paragraph; a word wider than the box keeps a line
// of its own rather than being cut.
void Wrap_Paragraph(DRAWING_FONT* font, const std::string& paragraph, int32_t width,
                    std::vector<std::string>* lines) {
    size_t start = 0;
    while (start < paragraph.size()) {
        size_t end = start, fit = std::string::npos;
        while (end < paragraph.size()) {
            size_t word_end = end;
            while (word_end < paragraph.size() && paragraph[word_end] == ' ')
                ++word_end;
            while (word_end < paragraph.size() && paragraph[word_end] != ' ')
                ++word_end;
            if (Line_Width(font, paragraph.substr(start, word_end - start)) > width &&
                fit != std::string::npos)
                break;
            fit = word_end;
            end = word_end;
        }
        lines->push_back(paragraph.substr(start, fit - start));
        start = fit;
        while (start < paragraph.size() && paragraph[start] == ' ')
            ++start;
    }
    if (paragraph.empty()) lines->push_back(std::string());
}
} // namespace

DRAWING_FONT* Create_Font(const FONT_REQUEST& request) {
    return Make_Font(request, true);
}

namespace {
void Free_Font(DRAWING_FONT* font) {
    FT_Done_Face(font->Face);
    delete font;
    --Live_Fonts;
}
} // namespace

int Delete_Font(DRAWING_FONT* font) {
    if (font == nullptr || !font->Counted || font->Deleted) return 0;
    font->Deleted = true;
    if (font->Holds == 0) Free_Font(font);
    return 1;
}

void Hold_Font(DRAWING_FONT* font) {
    if (font != nullptr && font->Counted) ++font->Holds;
}

void Let_Go_Of_Font(DRAWING_FONT* font) {
    if (font == nullptr || !font->Counted || font->Holds <= 0) return;
    if (--font->Holds == 0 && font->Deleted) Free_Font(font);
}

int32_t Count_Live_Fonts() {
    return Live_Fonts;
}

const char* Get_Font_Face_Used(const DRAWING_FONT* font) {
    return font != nullptr ? font->Family : "";
}

DRAWING_FONT* Select_Font(DEVICE_CONTEXT* dc, DRAWING_FONT* font) {
    if (dc == nullptr) return nullptr;
    DRAWING_FONT* old = dc->State.Font;
    dc->State.Font = font;
    return old;
}

void Get_Font_Metrics(const DEVICE_CONTEXT* dc, FONT_METRICS* metrics) {
    DRAWING_FONT* font = Current_Font(dc);
    if (metrics == nullptr) return;
    *metrics = font != nullptr ? font->Metrics : FONT_METRICS{};
}

int32_t Measure_Text_Width(const DEVICE_CONTEXT* dc, const char* text, int32_t length) {
    DRAWING_FONT* font = Current_Font(dc);
    if (font == nullptr || text == nullptr) return 0;
    return Line_Width(font, length < 0 ? std::string(text) : std::string(text, strnlen(text, length)));
}

void Measure_Text_Ink_Rows(const DEVICE_CONTEXT* dc, const char* text, int32_t length, int32_t* top,
                           int32_t* bottom) {
    int32_t first = INT32_MAX, last = INT32_MIN;
    DRAWING_FONT* font = Current_Font(dc);
    if (font != nullptr && text != nullptr) {
        const std::string line = length < 0 ? std::string(text) : std::string(text, strnlen(text, length));
        for (unsigned char c : line) {
            const GLYPH_IMAGE& glyph = Get_Glyph(font, c);
            if (glyph.Rows <= 0 || glyph.Width <= 0) continue;
            first = std::min(first, font->Metrics.Ascent - glyph.Top);
            last = std::max(last, font->Metrics.Ascent - glyph.Top + glyph.Rows);
        }
    }
    if (first > last) first = last = 0;
    if (font != nullptr) {
        first = std::clamp(first, 0, font->Metrics.Height);
        last = std::clamp(last, first, font->Metrics.Height);
    }
    if (top != nullptr) *top = first;
    if (bottom != nullptr) *bottom = last;
}

void Draw_Text_Out(DEVICE_CONTEXT* dc, int32_t x, int32_t y, const char* text, int32_t length) {
    DRAWING_FONT* font = Current_Font(dc);
    if (dc == nullptr || font == nullptr || text == nullptr) return;
    Draw_Line_At(dc, font, x, y, length < 0 ? std::string(text) : std::string(text, strnlen(text, length)));
}

int32_t Draw_Text_In_Rect(DEVICE_CONTEXT* dc, const char* text, int32_t length, RECT_AREA* rect,
                          uint32_t format) {
    DRAWING_FONT* font = Current_Font(dc);
    if (font == nullptr || text == nullptr || rect == nullptr) return 0;
    std::string all = length < 0 ? std::string(text) : std::string(text, strnlen(text, length));
    if ((format & TEXT_NO_PREFIX) == 0) all = Remove_Prefix_Marks(all);

    std::vector<std::string> lines;
    if ((format & TEXT_SINGLE_LINE) != 0) {
        std::string line;
        for (char c : all)
            if (c != '\r' && c != '\n') line += c;
        lines.push_back(line);
    } else {
        size_t start = 0;
        while (true) {
            size_t end = all.find('\n', start);
            std::string paragraph =
                all.substr(start, end == std::string::npos ? std::string::npos : end - start);
            if (!paragraph.empty() && paragraph.back() == '\r') paragraph.pop_back();
            if ((format & TEXT_WORD_BREAK) != 0)
                Wrap_Paragraph(font, paragraph, rect->Right - rect->Left, &lines);
            else
                lines.push_back(paragraph);
            if (end == std::string::npos) break;
            start = end + 1;
        }
    }

    const int32_t line_height = font->Metrics.Height;
    const int32_t total = line_height * static_cast<int32_t>(lines.size());
    if ((format & TEXT_CALCULATE_RECT) != 0) {
        int32_t widest = 0;
        for (const std::string& line : lines)
            widest = std::max(widest, Line_Width(font, line));
        rect->Right = rect->Left + widest;
        rect->Bottom = rect->Top + total;
        return total;
    }
    if (dc == nullptr) return 0;

    int32_t y = rect->Top;
    if ((format & TEXT_SINGLE_LINE) != 0) {
        if ((format & TEXT_VERTICAL_CENTRE) != 0)
            y = rect->Top + (rect->Bottom - rect->Top - line_height) / 2;
        else if ((format & TEXT_BOTTOM) != 0)
            y = rect->Bottom - line_height;
    }
    const DC_STATE saved = dc->State;
    if ((format & TEXT_NO_CLIP) == 0) Intersect_Clip_Rect(dc, *rect);
    for (const std::string& line : lines) {
        int32_t x = rect->Left;
        if ((format & TEXT_CENTRE) != 0)
            x = rect->Left + (rect->Right - rect->Left - Line_Width(font, line)) / 2;
        else if ((format & TEXT_RIGHT) != 0)
            x = rect->Right - Line_Width(font, line);
        Draw_Line_At(dc, font, x, y, line);
        y += line_height;
    }
    dc->State = saved;
    return y - rect->Top;
}

void Set_Text_Line_Watcher(TEXT_LINE_WATCHER watcher) {
    Line_Watcher = watcher;
}
