#include "tools/art/art_canvas.h"

#include "platform/agg_warnings.h"

#include <agg_conv_curve.h>
#include <agg_conv_stroke.h>
#include <agg_ellipse.h>
#include <agg_pixfmt_rgba.h>
#include <agg_rasterizer_scanline_aa.h>
#include <agg_renderer_base.h>
#include <agg_renderer_scanline.h>
#include <agg_rendering_buffer.h>
#include <agg_rounded_rect.h>
#include <agg_scanline_u.h>

#include <cmath>
#include <cstdio>
#include <jpeglib.h>
#include <sys/stat.h>

#include "app/png_files.h"
#include "platform/text_render.h"

namespace {
using PIXELS = agg::pixfmt_bgra32_plain;

template <typename SOURCE> void Render(ART_CANVAS* canvas, SOURCE& source, ART_COLOUR colour) {
    DRAWING_SURFACE& surface = canvas->Surface;
    agg::rendering_buffer buffer(reinterpret_cast<agg::int8u*>(surface.Pixels.data()),
                                 static_cast<unsigned>(surface.Width), static_cast<unsigned>(surface.Height),
                                 surface.Width * 4);
    PIXELS pixels(buffer);
    agg::renderer_base<PIXELS> renderer(pixels);
    agg::rasterizer_scanline_aa<> rasterizer;
    agg::scanline_u8 scanline;
    rasterizer.add_path(source);
    agg::render_scanlines_aa_solid(rasterizer, scanline, renderer,
                                   agg::rgba8(colour.R, colour.G, colour.B, colour.A));
}

// The canvas as bottom-up rows padded to 4 bytes, with or without alpha.
std::vector<uint8_t> Bottom_Up_Rows(const ART_CANVAS& canvas, int channels) {
    const DRAWING_SURFACE& surface = canvas.Surface;
    const int32_t stride = Padded_Row_Size(surface.Width, channels);
    std::vector<uint8_t> rows(static_cast<size_t>(stride) * static_cast<size_t>(surface.Height));
    for (int32_t y = 0; y < surface.Height; ++y)
        for (int32_t x = 0; x < surface.Width; ++x) {
            const uint32_t p = surface.Pixels[static_cast<size_t>(y) * static_cast<size_t>(surface.Width) +
                                              static_cast<size_t>(x)];
            uint8_t* out =
                rows.data() + static_cast<ptrdiff_t>(surface.Height - 1 - y) * stride + channels * x;
            for (int c = 0; c < channels; ++c)
                out[c] = static_cast<uint8_t>(p >> (8 * c));
        }
    return rows;
}
} // namespace

ART_COLOUR Art_Colour_From_Value(uint32_t value) {
    return Art_Colour(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                      static_cast<int>((value >> 16) & 0xFF));
}

ART_COLOUR Mix_Colours(ART_COLOUR a, ART_COLOUR b, double share) {
    auto mix = [share](uint8_t x, uint8_t y) { return static_cast<int>(std::lround(x + (y - x) * share)); };
    return Art_Colour(mix(a.R, b.R), mix(a.G, b.G), mix(a.B, b.B), mix(a.A, b.A));
}

void Start_Canvas(ART_CANVAS* canvas, int32_t width, int32_t height, ART_COLOUR fill) {
    Resize_Drawing_Surface(&canvas->Surface, width, height);
    const uint32_t pixel =
        fill.B | (uint32_t{fill.G} << 8) | (uint32_t{fill.R} << 16) | (uint32_t{fill.A} << 24);
    std::fill(canvas->Surface.Pixels.begin(), canvas->Surface.Pixels.end(), pixel);
    Attach_Device_Context(&canvas->Dc, &canvas->Surface);
    Set_Background_Mode(&canvas->Dc, BACKGROUND_TRANSPARENT);
}

namespace {
// Curves and arcs of a path as curves: their control points go to the
// rasteriser only through the curve converter, finely enough that a circle
// stays within a tenth of a pixel of round.
constexpr double CURVE_APPROXIMATION_SCALE = 4.0;
} // namespace

void Fill_Art_Path(ART_CANVAS* canvas, agg::path_storage& path, ART_COLOUR colour) {
    agg::conv_curve<agg::path_storage> curves(path);
    curves.approximation_scale(CURVE_APPROXIMATION_SCALE);
    Render(canvas, curves, colour);
}

agg::path_storage Art_Polygon(std::initializer_list<double> points) {
    agg::path_storage path;
    const double* p = points.begin();
    for (size_t i = 0; i + 1 < points.size(); i += 2) {
        if (i == 0)
            path.move_to(p[i], p[i + 1]);
        else
            path.line_to(p[i], p[i + 1]);
    }
    path.close_polygon();
    return path;
}

void Stroke_Art_Path(ART_CANVAS* canvas, agg::path_storage& path, double width, ART_COLOUR colour) {
    agg::conv_curve<agg::path_storage> curves(path);
    curves.approximation_scale(CURVE_APPROXIMATION_SCALE);
    agg::conv_stroke<agg::conv_curve<agg::path_storage>> stroke(curves);
    stroke.width(width);
    stroke.approximation_scale(CURVE_APPROXIMATION_SCALE);
    stroke.line_join(agg::round_join);
    stroke.line_cap(agg::round_cap);
    Render(canvas, stroke, colour);
}

void Fill_Art_Rect(ART_CANVAS* canvas, double x1, double y1, double x2, double y2, ART_COLOUR colour) {
    agg::path_storage path = Art_Polygon({x1, y1, x2, y1, x2, y2, x1, y2});
    Render(canvas, path, colour);
}

void Fill_Art_Rounded_Rect(ART_CANVAS* canvas, double x1, double y1, double x2, double y2, double radius,
                           ART_COLOUR colour) {
    agg::rounded_rect shape(x1, y1, x2, y2, radius);
    shape.normalize_radius();
    shape.approximation_scale(CURVE_APPROXIMATION_SCALE);
    Render(canvas, shape, colour);
}

void Stroke_Art_Rounded_Rect(ART_CANVAS* canvas, double x1, double y1, double x2, double y2, double radius,
                             double width, ART_COLOUR colour) {
    agg::rounded_rect shape(x1, y1, x2, y2, radius);
    shape.normalize_radius();
    shape.approximation_scale(CURVE_APPROXIMATION_SCALE);
    agg::conv_stroke<agg::rounded_rect> stroke(shape);
    stroke.width(width);
    Render(canvas, stroke, colour);
}

void Fill_Art_Ellipse(ART_CANVAS* canvas, double cx, double cy, double rx, double ry, ART_COLOUR colour) {
    // As many steps as the size needs (0: the ellipse counts them itself).
    agg::ellipse shape(cx, cy, rx, ry, 0);
    shape.approximation_scale(CURVE_APPROXIMATION_SCALE);
    Render(canvas, shape, colour);
}

void Fill_Art_Gradient(ART_CANVAS* canvas, double x1, double y1, double x2, double y2, ART_COLOUR top,
                       ART_COLOUR bottom) {
    const int32_t from = static_cast<int32_t>(y1), to = static_cast<int32_t>(y2);
    for (int32_t y = from; y < to; ++y)
        Fill_Art_Rect(canvas, x1, y, x2, y + 1,
                      Mix_Colours(top, bottom, to > from + 1 ? double(y - from) / (to - from - 1) : 0));
}

void Add_Art_Star(agg::path_storage& path, double cx, double cy, double outer, double inner) {
    for (int i = 0; i < 10; ++i) {
        const double angle = -M_PI / 2 + i * M_PI / 5;
        const double r = i % 2 == 0 ? outer : inner;
        if (i == 0)
            path.move_to(cx + r * cos(angle), cy + r * sin(angle));
        else
            path.line_to(cx + r * cos(angle), cy + r * sin(angle));
    }
    path.close_polygon();
}

void Draw_Art_Text(ART_CANVAS* canvas, const char* text, int32_t left, int32_t top, int32_t right,
                   int32_t bottom, int32_t height, bool bold, ART_COLOUR colour, const char* face) {
    FONT_REQUEST request{};
    request.Height = height;
    request.Weight = bold ? FONT_WEIGHT_BOLD : FONT_WEIGHT_NORMAL;
    snprintf(request.Face, sizeof request.Face, "%s", face);
    DRAWING_FONT* font = Create_Font(request);
    if (font == nullptr) return;
    Select_Font(&canvas->Dc, font);
    Set_Text_Colour(&canvas->Dc, Make_Colour(colour.R, colour.G, colour.B));
    RECT_AREA rect{left, top, right, bottom};
    RECT_AREA measured = rect;
    const int32_t text_height =
        Draw_Text_In_Rect(&canvas->Dc, text, -1, &measured, TEXT_CALCULATE_RECT | TEXT_CENTRE);
    rect.Top += (bottom - top - text_height) / 2;
    Draw_Text_In_Rect(&canvas->Dc, text, -1, &rect, TEXT_CENTRE | TEXT_NO_CLIP);
    Select_Font(&canvas->Dc, nullptr);
    Delete_Font(font);
}

int Make_Folders_For(const std::string& path) {
    for (size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1))
        mkdir(path.substr(0, slash).c_str(), 0755);
    return 1;
}

int Save_Canvas_PNG(const ART_CANVAS& canvas, const std::string& path) {
    Make_Folders_For(path);
    const std::vector<uint8_t> rows = Bottom_Up_Rows(canvas, 4);
    return Save_PNG_File(path.c_str(), rows.data(), canvas.Surface.Width, canvas.Surface.Height, 4);
}

namespace {
void Compress_Canvas(const ART_CANVAS& canvas, jpeg_compress_struct* info, int quality) {
    const DRAWING_SURFACE& surface = canvas.Surface;
    info->image_width = static_cast<JDIMENSION>(surface.Width);
    info->image_height = static_cast<JDIMENSION>(surface.Height);
    info->input_components = 3;
    info->in_color_space = JCS_RGB;
    jpeg_set_defaults(info);
    jpeg_set_quality(info, quality, TRUE);
    jpeg_start_compress(info, TRUE);
    std::vector<JSAMPLE> row(static_cast<size_t>(surface.Width) * 3);
    while (info->next_scanline < info->image_height) {
        const uint32_t* in = surface.Pixels.data() + static_cast<size_t>(info->next_scanline) * surface.Width;
        for (int32_t x = 0; x < surface.Width; ++x) {
            row[3 * x] = static_cast<JSAMPLE>(in[x] >> 16);
            row[3 * x + 1] = static_cast<JSAMPLE>(in[x] >> 8);
            row[3 * x + 2] = static_cast<JSAMPLE>(in[x]);
        }
        JSAMPROW pointer = row.data();
        jpeg_write_scanlines(info, &pointer, 1);
    }
    jpeg_finish_compress(info);
}
} // namespace

int Save_Canvas_JPEG(const ART_CANVAS& canvas, const std::string& path, int quality) {
    Make_Folders_For(path);
    FILE* file = fopen(path.c_str(), "wb");
    if (file == nullptr) return 0;
    jpeg_compress_struct info;
    jpeg_error_mgr error;
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    Compress_Canvas(canvas, &info, quality);
    jpeg_destroy_compress(&info);
    return fclose(file) == 0 ? 1 : 0;
}

std::vector<uint8_t> Encode_Canvas_JPEG(const ART_CANVAS& canvas, int quality) {
    jpeg_compress_struct info;
    jpeg_error_mgr error;
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    Compress_Canvas(canvas, &info, quality);
    jpeg_destroy_compress(&info);
    std::vector<uint8_t> bytes(buffer, buffer + size);
    free(buffer);
    return bytes;
}
