#include "platform/drawing_surface.h"

#include <algorithm>

namespace {
// Larger than any window the frame creates; keeps the pixel count within int32.
constexpr int32_t MAX_SURFACE_SIDE = 16384;
} // namespace

int Resize_Drawing_Surface(DRAWING_SURFACE* surface, int32_t width, int32_t height) {
    if (surface == nullptr || width <= 0 || height <= 0 || width > MAX_SURFACE_SIDE ||
        height > MAX_SURFACE_SIDE)
        return 0;
    surface->Width = width;
    surface->Height = height;
    surface->Pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0xFF000000u);
    return 1;
}

void Free_Drawing_Surface(DRAWING_SURFACE* surface) {
    if (surface == nullptr) return;
    surface->Width = 0;
    surface->Height = 0;
    surface->Pixels.clear();
    surface->Pixels.shrink_to_fit();
}

uint32_t Get_Surface_Pixel(const DRAWING_SURFACE* surface, int32_t x, int32_t y) {
    if (surface == nullptr || x < 0 || y < 0 || x >= surface->Width || y >= surface->Height) return 0;
    return surface
        ->Pixels[static_cast<size_t>(y) * static_cast<size_t>(surface->Width) + static_cast<size_t>(x)];
}

void Attach_Device_Context(DEVICE_CONTEXT* dc, DRAWING_SURFACE* surface) {
    if (dc == nullptr) return;
    dc->Surface = surface;
    dc->State.Text_Colour = Make_Colour(0, 0, 0);
    dc->State.Alternative_Text_Colour = Make_Colour(0, 0, 0);
    dc->State.Has_Alternative_Text_Colour = false;
    dc->State.Text_Colour_Choice = nullptr;
    dc->State.Background_Colour = Make_Colour(255, 255, 255);
    dc->State.Background_Mode = BACKGROUND_OPAQUE;
    dc->State.Clip = {0, 0, surface ? surface->Width : 0, surface ? surface->Height : 0};
    dc->State.Pen = nullptr;
    dc->State.Brush = nullptr;
    dc->State.Font = nullptr;
    dc->State.Position_X = 0;
    dc->State.Position_Y = 0;
    dc->State.Stretch_Mode = STRETCH_COLOR_ON_COLOR;
    dc->Saved.clear();
}

int32_t Save_Device_Context(DEVICE_CONTEXT* dc) {
    if (dc == nullptr) return 0;
    dc->Saved.push_back(dc->State);
    return static_cast<int32_t>(dc->Saved.size());
}

int Restore_Device_Context(DEVICE_CONTEXT* dc) {
    if (dc == nullptr || dc->Saved.empty()) return 0;
    dc->State = dc->Saved.back();
    dc->Saved.pop_back();
    return 1;
}

void Set_Text_Colour(DEVICE_CONTEXT* dc, COLOUR_VALUE colour) {
    if (dc == nullptr) return;
    dc->State.Text_Colour = colour;
    dc->State.Has_Alternative_Text_Colour = false;
}

void Set_Text_Colours(DEVICE_CONTEXT* dc, COLOUR_VALUE colour, COLOUR_VALUE alternative) {
    if (dc == nullptr) return;
    dc->State.Text_Colour = colour;
    dc->State.Alternative_Text_Colour = alternative;
    dc->State.Has_Alternative_Text_Colour = true;
}

TEXT_COLOUR_CHOICE Set_Text_Colour_Choice(DEVICE_CONTEXT* dc, TEXT_COLOUR_CHOICE choice) {
    if (dc == nullptr) return nullptr;
    const TEXT_COLOUR_CHOICE old = dc->State.Text_Colour_Choice;
    dc->State.Text_Colour_Choice = choice;
    return old;
}

void Set_Background_Mode(DEVICE_CONTEXT* dc, int32_t mode) {
    if (dc != nullptr) dc->State.Background_Mode = mode;
}

void Set_Background_Colour(DEVICE_CONTEXT* dc, COLOUR_VALUE colour) {
    if (dc != nullptr) dc->State.Background_Colour = colour;
}

int32_t Set_Stretch_Mode(DEVICE_CONTEXT* dc, int32_t mode) {
    if (dc == nullptr) return 0;
    const int32_t old = dc->State.Stretch_Mode;
    dc->State.Stretch_Mode = mode;
    return old;
}

void Intersect_Clip_Rect(DEVICE_CONTEXT* dc, const RECT_AREA& area) {
    if (dc == nullptr) return;
    RECT_AREA& clip = dc->State.Clip;
    clip.Left = std::max(clip.Left, area.Left);
    clip.Top = std::max(clip.Top, area.Top);
    clip.Right = std::max(clip.Left, std::min(clip.Right, area.Right));
    clip.Bottom = std::max(clip.Top, std::min(clip.Bottom, area.Bottom));
}

bool Get_Drawable_Area(const DEVICE_CONTEXT* dc, const RECT_AREA& area, RECT_AREA* out) {
    if (dc == nullptr || dc->Surface == nullptr) return false;
    const DRAWING_SURFACE* surface = dc->Surface;
    out->Left = std::max({area.Left, dc->State.Clip.Left, 0});
    out->Top = std::max({area.Top, dc->State.Clip.Top, 0});
    out->Right = std::min({area.Right, dc->State.Clip.Right, surface->Width});
    out->Bottom = std::min({area.Bottom, dc->State.Clip.Bottom, surface->Height});
    return out->Left < out->Right && out->Top < out->Bottom;
}

void Fill_Surface_Area(DEVICE_CONTEXT* dc, const RECT_AREA& area, COLOUR_VALUE colour) {
    RECT_AREA part;
    if (!Get_Drawable_Area(dc, area, &part)) return;
    DRAWING_SURFACE* surface = dc->Surface;
    const uint32_t pixel = Colour_To_Pixel(colour);
    for (int32_t y = part.Top; y < part.Bottom; ++y) {
        uint32_t* row = surface->Pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(surface->Width);
        std::fill(row + part.Left, row + part.Right, pixel);
    }
}
