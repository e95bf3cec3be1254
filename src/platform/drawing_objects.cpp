#include "platform/drawing_objects.h"

namespace {
int32_t Live_Pens_And_Brushes = 0;
int32_t Live_Bitmaps = 0;
DRAWING_PEN Null_Pen{PEN_NULL, 0, 0, true};
DRAWING_BRUSH Null_Brush{0, true, true};
} // namespace

DRAWING_PEN* Create_Pen(int32_t style, int32_t width, COLOUR_VALUE colour) {
    ++Live_Pens_And_Brushes;
    return new DRAWING_PEN{style, width < 1 ? 1 : width, colour, false};
}

DRAWING_BRUSH* Create_Solid_Brush(COLOUR_VALUE colour) {
    ++Live_Pens_And_Brushes;
    return new DRAWING_BRUSH{colour, false, false};
}

int Delete_Pen(DRAWING_PEN* pen) {
    if (pen == nullptr) return 0;
    if (pen->Stock) return 1;
    --Live_Pens_And_Brushes;
    delete pen;
    return 1;
}

int Delete_Brush(DRAWING_BRUSH* brush) {
    if (brush == nullptr) return 0;
    if (brush->Stock) return 1;
    --Live_Pens_And_Brushes;
    delete brush;
    return 1;
}

DRAWING_PEN* Get_Null_Pen() {
    return &Null_Pen;
}
DRAWING_BRUSH* Get_Null_Brush() {
    return &Null_Brush;
}

DRAWING_PEN* Select_Pen(DEVICE_CONTEXT* dc, DRAWING_PEN* pen) {
    if (dc == nullptr) return nullptr;
    DRAWING_PEN* old = dc->State.Pen;
    dc->State.Pen = pen;
    return old;
}

DRAWING_BRUSH* Select_Brush(DEVICE_CONTEXT* dc, DRAWING_BRUSH* brush) {
    if (dc == nullptr) return nullptr;
    DRAWING_BRUSH* old = dc->State.Brush;
    dc->State.Brush = brush;
    return old;
}

DRAWING_SURFACE* Create_Bitmap(int32_t width, int32_t height) {
    auto* bitmap = new DRAWING_SURFACE{};
    if (!Resize_Drawing_Surface(bitmap, width, height)) {
        delete bitmap;
        return nullptr;
    }
    ++Live_Bitmaps;
    return bitmap;
}

void Delete_Bitmap(DRAWING_SURFACE* bitmap) {
    if (bitmap == nullptr) return;
    --Live_Bitmaps;
    delete bitmap;
}

int32_t Count_Live_Pens_And_Brushes() {
    return Live_Pens_And_Brushes;
}
int32_t Count_Live_Bitmaps() {
    return Live_Bitmaps;
}
