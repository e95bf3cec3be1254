#pragma once
// The drawing board of the art generator: a 32-bit picture with straight
// (not premultiplied) alpha, AGG shapes, text in the game's free faces, and
// writers for PNG, JPEG and a JPEG held in memory.
#include <agg_path_storage.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/drawing_surface.h"

struct ART_COLOUR {
    uint8_t R, G, B, A;
};
constexpr ART_COLOUR Art_Colour(int r, int g, int b, int a = 255) {
    return ART_COLOUR{static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b),
                      static_cast<uint8_t>(a)};
}
// A colour value 0x00BBGGRR.
ART_COLOUR Art_Colour_From_Value(uint32_t value);
// Each channel moved `share` (0..1) of the way to the other colour.
ART_COLOUR Mix_Colours(ART_COLOUR a, ART_COLOUR b, double share);

struct ART_CANVAS {
    DRAWING_SURFACE Surface;
    DEVICE_CONTEXT Dc;
};

// A canvas of the size filled with the colour (alpha 0 for a clear one).
void Start_Canvas(ART_CANVAS* canvas, int32_t width, int32_t height, ART_COLOUR fill);

void Fill_Art_Path(ART_CANVAS* canvas, agg::path_storage& path, ART_COLOUR colour);
// A closed polygon through the points x0, y0, x1, y1, ...
agg::path_storage Art_Polygon(std::initializer_list<double> points);
void Stroke_Art_Path(ART_CANVAS* canvas, agg::path_storage& path, double width, ART_COLOUR colour);
void Fill_Art_Rect(ART_CANVAS* canvas, double x1, double y1, double x2, double y2, ART_COLOUR colour);
void Fill_Art_Rounded_Rect(ART_CANVAS* canvas, double x1, double y1, double x2, double y2, double radius,
                           ART_COLOUR colour);
void Stroke_Art_Rounded_Rect(ART_CANVAS* canvas, double x1, double y1, double x2, double y2, double radius,
                             double width, ART_COLOUR colour);
void Fill_Art_Ellipse(ART_CANVAS* canvas, double cx, double cy, double rx, double ry, ART_COLOUR colour);
void Fill_Art_Gradient(ART_CANVAS* canvas, double x1, double y1, double x2, double y2, ART_COLOUR top,
                       ART_COLOUR bottom);
// A five-pointed star centred on (cx, cy).
void Add_Art_Star(agg::path_storage& path, double cx, double cy, double outer, double inner);
// Text centred in the rectangle (single line unless it holds "\n"), with a
// line height in pixels.
void Draw_Art_Text(ART_CANVAS* canvas, const char* text, int32_t left, int32_t top, int32_t right,
                   int32_t bottom, int32_t height, bool bold, ART_COLOUR colour, const char* face = "Arial");

// Writers; each makes the folders on the way. 0 when the file cannot be written.
int Save_Canvas_PNG(const ART_CANVAS& canvas, const std::string& path);
int Save_Canvas_JPEG(const ART_CANVAS& canvas, const std::string& path, int quality);
std::vector<uint8_t> Encode_Canvas_JPEG(const ART_CANVAS& canvas, int quality);
int Make_Folders_For(const std::string& path);
