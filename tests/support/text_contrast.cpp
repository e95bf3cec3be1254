#include "support/text_contrast.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <unordered_map>

#include "platform/text_render.h"

namespace {
struct WATCHED_LINE {
    const DRAWING_SURFACE* Surface;
    std::string Text;
    COLOUR_VALUE Colour;
    std::vector<TEXT_INK_PIXEL> Pixels;
};

const DRAWING_SURFACE* Watched_Surface = nullptr;
std::vector<WATCHED_LINE> Watched_Lines;

void Keep_Line(const TEXT_LINE_INK& line) {
    if ((Watched_Surface != nullptr && line.Surface != Watched_Surface) || line.Pixels.empty()) return;
    Watched_Lines.push_back({line.Surface, line.Text, line.Colour, line.Pixels});
}

double Channel_Luminance(uint32_t channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Relative_Luminance(COLOUR_VALUE colour) {
    return 0.2126 * Channel_Luminance(Colour_Red(colour)) + 0.7152 * Channel_Luminance(Colour_Green(colour)) +
           0.0722 * Channel_Luminance(Colour_Blue(colour));
}

uint64_t Pixel_Key(int32_t x, int32_t y) {
    return (static_cast<uint64_t>(static_cast<uint32_t>(y)) << 32) | static_cast<uint32_t>(x);
}

RECT_AREA Get_Ink_Box(const WATCHED_LINE& line) {
    RECT_AREA box{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (const TEXT_INK_PIXEL& p : line.Pixels) {
        box.Left = std::min(box.Left, p.X);
        box.Top = std::min(box.Top, p.Y);
        box.Right = std::max(box.Right, p.X + 1);
        box.Bottom = std::max(box.Bottom, p.Y + 1);
    }
    return box;
}

// A copy of one of the next few lines (the lines of a shadow come before
// those of its text), one or two pixels right of and below it.
bool Is_Shadow(const std::vector<WATCHED_LINE>& lines, size_t i) {
    constexpr size_t LINES_AHEAD = 8;
    const RECT_AREA shadow = Get_Ink_Box(lines[i]);
    for (size_t j = i + 1; j < lines.size() && j <= i + LINES_AHEAD; ++j) {
        if (lines[j].Text != lines[i].Text || lines[j].Surface != lines[i].Surface) continue;
        const RECT_AREA text = Get_Ink_Box(lines[j]);
        const int32_t dx = shadow.Left - text.Left, dy = shadow.Top - text.Top;
        if (dx >= 1 && dx <= 2 && dy >= 1 && dy <= 2) return true;
    }
    return false;
}

bool Is_Same_Line(const TEXT_CONTRAST& a, const std::string& text, COLOUR_VALUE colour,
                  const RECT_AREA& ink) {
    return a.Text == text && a.Colour == colour && a.Ink.Left == ink.Left && a.Ink.Top == ink.Top &&
           a.Ink.Right == ink.Right && a.Ink.Bottom == ink.Bottom;
}

bool Is_Inside(const RECT_AREA& rect, int32_t x, int32_t y) {
    return x >= rect.Left && x < rect.Right && y >= rect.Top && y < rect.Bottom;
}
} // namespace

double Get_Contrast_Ratio(COLOUR_VALUE a, COLOUR_VALUE b) {
    const double la = Relative_Luminance(a), lb = Relative_Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void Start_Watching_Text(const DRAWING_SURFACE* surface) {
    Watched_Surface = surface;
    Watched_Lines.clear();
    Set_Text_Line_Watcher(Keep_Line);
}

std::vector<TEXT_CONTRAST> Stop_Watching_Text(const RECT_AREA& skip) {
    Set_Text_Line_Watcher(nullptr);
    Watched_Surface = nullptr;
    // The ground of each pixel: what it held before the first text touched it.
    std::map<const DRAWING_SURFACE*, std::unordered_map<uint64_t, uint32_t>> grounds;
    for (const WATCHED_LINE& line : Watched_Lines)
        for (const TEXT_INK_PIXEL& p : line.Pixels)
            grounds[line.Surface].emplace(Pixel_Key(p.X, p.Y), p.Before);

    std::vector<TEXT_CONTRAST> measured;
    for (size_t i = 0; i < Watched_Lines.size(); ++i) {
        const WATCHED_LINE& line = Watched_Lines[i];
        if (Is_Shadow(Watched_Lines, i)) continue;
        // The solid part of the glyphs, or all of it for a line too thin to have one.
        struct RATED {
            double Ratio;
            COLOUR_VALUE Ground;
        };
        std::vector<RATED> rated;
        std::unordered_map<uint64_t, uint32_t>& ground = grounds[line.Surface];
        for (uint8_t least : {uint8_t(128), uint8_t(1)}) {
            for (const TEXT_INK_PIXEL& p : line.Pixels) {
                if (p.Coverage < least || Is_Inside(skip, p.X, p.Y)) continue;
                const COLOUR_VALUE under = Pixel_To_Colour(ground[Pixel_Key(p.X, p.Y)]);
                rated.push_back({Get_Contrast_Ratio(line.Colour, under), under});
            }
            if (!rated.empty()) break;
        }
        if (rated.empty()) continue;
        std::sort(rated.begin(), rated.end(),
                  [](const RATED& a, const RATED& b) { return a.Ratio < b.Ratio; });
        const RATED& tenth = rated[rated.size() / 10];
        const RECT_AREA ink = Get_Ink_Box(line);
        // A picture painted twice over lists its lines once.
        if (std::any_of(measured.begin(), measured.end(),
                        [&](const TEXT_CONTRAST& m) { return Is_Same_Line(m, line.Text, line.Colour, ink); }))
            continue;
        measured.push_back({line.Text, line.Colour, ink, tenth.Ratio, tenth.Ground});
    }
    Watched_Lines.clear();
    return measured;
}

std::string Describe_Colour(COLOUR_VALUE colour) {
    char text[32];
    snprintf(text, sizeof text, "(%u, %u, %u)", Colour_Red(colour), Colour_Green(colour),
             Colour_Blue(colour));
    return text;
}
