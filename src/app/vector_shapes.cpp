// Shapes and colours for the vector layer: hexagons and rectangles added to
// a path, the bounding rectangle of a collection, a platform colour as a
// path colour, paths read from a description text, and the radial gradient
// with its reflecting wrapper.
#include "app/vector_paths.h"

#include "platform/agg_warnings.h"

#include <agg_array.h>
#include <agg_bounding_rect.h>
#include <agg_ellipse.h>
#include <agg_pixfmt_rgba.h>
#include <agg_rasterizer_scanline_aa.h>
#include <agg_renderer_base.h>
#include <agg_renderer_scanline.h>
#include <agg_rendering_buffer.h>
#include <agg_scanline_u.h>
#include <agg_span_allocator.h>
#include <agg_span_interpolator_linear.h>
#include <agg_trans_affine.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "app/diagnostics.h"
#include "app/dib_sections.h"
#include "database/random_numbers.h"
#include "platform/pixel_blits.h"

void Add_Hexagon_To_Path(agg::path_storage* storage, double cx, double cy, double r, double start_degrees) {
    if (storage == nullptr) return;
    for (int32_t corner = 0; corner < 6; ++corner) {
        const double angle = (start_degrees + 60.0 * corner) * M_PI / 180.0;
        const double x = cx + r * std::cos(angle), y = cy + r * std::sin(angle);
        if (corner == 0)
            storage->move_to(x, y);
        else
            storage->line_to(x, y);
    }
    storage->close_polygon();
}

void Add_Rectangle_To_Path(agg::path_storage* storage, double x1, double y1, double x2, double y2) {
    if (storage == nullptr) return;
    storage->move_to(x1, y1);
    storage->line_to(x2, y1);
    storage->line_to(x2, y2);
    storage->line_to(x1, y2);
    storage->close_polygon();
}

bool Get_Path_Bounding_Rect(PATH_COLLECTION* collection, double* x1, double* y1, double* x2, double* y2) {
    if (collection == nullptr || collection->Count == 0) return false;
    bool found = false;
    for (int32_t i = 0; i < collection->Count; ++i) {
        double a = 0, b = 0, c = 0, d = 0;
        if (!agg::bounding_rect_single(collection->Vertices,
                                       static_cast<unsigned>(collection->Starts[static_cast<size_t>(i)]), &a,
                                       &b, &c, &d))
            continue;
        if (!found) {
            *x1 = a;
            *y1 = b;
            *x2 = c;
            *y2 = d;
            found = true;
            continue;
        }
        *x1 = std::min(*x1, a);
        *y1 = std::min(*y1, b);
        *x2 = std::max(*x2, c);
        *y2 = std::max(*y2, d);
    }
    return found;
}

uint32_t Colour_To_Rgba(COLOUR_VALUE colour) {
    return Make_Path_Colour(Colour_Red(colour), Colour_Green(colour), Colour_Blue(colour), 255);
}

namespace {
// Steps over the blanks and commas that separate the parts of a description.
void Skip_Path_Separators(const char** text) {
    while (**text == ' ' || **text == ',' || **text == '\t' || **text == '\n' || **text == '\r')
        ++*text;
}

// Reads a number ("-12.5", "3", ".5") at `text`; false when there is none.
bool Read_Path_Number(const char** text, double* value) {
    Skip_Path_Separators(text);
    const char* start = *text;
    const char* p = start;
    if (*p == '-') ++p;
    bool digits = false;
    while (std::isdigit(static_cast<unsigned char>(*p)) || *p == '.') {
        digits = digits || *p != '.';
        ++p;
    }
    if (!digits) return false;
    *value = std::strtod(start, nullptr);
    *text = p;
    return true;
}

// Reads "#RRGGBB" or "#RRGGBBAA" into a path colour.
bool Read_Path_Colour(const char** text, uint32_t* colour) {
    const char* p = *text + 1;
    size_t digits = 0;
    while (std::isxdigit(static_cast<unsigned char>(p[digits])))
        ++digits;
    if (digits != 6 && digits != 8) return false;
    char hex[9] = "";
    std::memcpy(hex, p, digits);
    const uint32_t value = static_cast<uint32_t>(std::strtoul(hex, nullptr, 16));
    *colour = digits == 6 ? Make_Path_Colour(value >> 16, value >> 8, value, 255)
                          : Make_Path_Colour(value >> 24, value >> 16, value >> 8, value);
    *text = p + digits;
    return true;
}
} // namespace

int32_t Parse_Path_Description(PATH_COLLECTION* collection, const char* text) {
    if (collection == nullptr || text == nullptr) return -1;
    int32_t started = 0;
    const char* p = text;
    for (;;) {
        Skip_Path_Separators(&p);
        if (*p == '\0') return started;
        const char* at = p;
        const char command = static_cast<char>(std::toupper(static_cast<unsigned char>(*p)));
        bool understood = true;
        if (command == 'M' || command == 'L') {
            ++p;
            double x = 0, y = 0;
            understood = Read_Path_Number(&p, &x) && Read_Path_Number(&p, &y) &&
                         (command == 'M' || Get_Newest_Path(collection) != nullptr);
            if (understood && command == 'M') {
                start_new_path(collection, 0);
                ++started;
                collection->Vertices.move_to(x, y);
            } else if (understood) {
                collection->Vertices.line_to(x, y);
            }
        } else if (command == 'Z') {
            ++p;
            collection->Vertices.close_polygon();
        } else if (command == '#') {
            uint32_t colour = 0;
            understood = Get_Newest_Path(collection) != nullptr && Read_Path_Colour(&p, &colour);
            if (understood) Set_Path_Colour(collection, colour);
        } else {
            understood = false;
        }
        if (!understood) {
            // What was read before the fault stays in the collection.
            Report_System_Error("Bad path description at character %d: \"%.40s\"",
                                static_cast<int>(at - text), at);
            return -1;
        }
    }
}

namespace {
using BLENDER = agg::comp_op_adaptor_rgba<agg::rgba8, agg::order_bgra>;
using PIXEL_FORMAT = agg::pixfmt_custom_blend_rgba<BLENDER, agg::rendering_buffer>;

agg::rgba8 Random_Colour(DRAWING_RANDOM* source) {
    uint32_t channel[3];
    for (uint32_t& value : channel)
        value = source != nullptr ? static_cast<uint32_t>(Next_Drawing_Random(source)) >> 7
                                  : static_cast<uint32_t>(Random_Int(256));
    return agg::rgba8(channel[0], channel[1], channel[2], 255);
}
} // namespace

int32_t Draw_Radial_Gradient_Demo(DEVICE_CONTEXT* dc, int32_t x, int32_t y, int32_t w, int32_t h,
                                  DRAWING_RANDOM* source) {
    if (dc == nullptr || w <= 0 || h <= 0) return 0;
    DIB_SECTION_DC surface;
    if (!SimpleCreateDIBSectionDC_32(&surface, dc, w, h)) return 0;
    agg::rendering_buffer buffer(surface.Pixels, static_cast<unsigned>(w), static_cast<unsigned>(h),
                                 -surface.Stride);
    PIXEL_FORMAT pixels(buffer, agg::comp_op_src_over);
    agg::renderer_base<PIXEL_FORMAT> renderer(pixels);
    // The colours from the centre outward, a ring of them every quarter of the
    // circle's size: the wrapper reflects the distance, so the rings go back
    // and forth between the two colours.
    const agg::rgba8 inner = Random_Colour(source);
    const agg::rgba8 outer = Random_Colour(source);
    agg::pod_auto_array<agg::rgba8, 256> colours;
    for (unsigned i = 0; i < 256; ++i)
        colours[i] = inner.gradient(outer, i / 255.0);
    const double radius = std::min(w, h) / 2.0;
    agg::trans_affine to_gradient = agg::trans_affine_translation(w / 2.0, h / 2.0);
    to_gradient.invert();
    agg::span_interpolator_linear<> interpolator(to_gradient);
    gradient_polymorphic_wrapper<agg::gradient_radial> radial;
    const gradient_polymorphic_wrapper_base& shape = radial;
    agg::span_gradient<agg::rgba8, agg::span_interpolator_linear<>, const gradient_polymorphic_wrapper_base,
                       agg::pod_auto_array<agg::rgba8, 256>>
        spans(interpolator, shape, colours, 0, radius / 2.0);
    agg::span_allocator<agg::rgba8> allocator;
    agg::ellipse circle(w / 2.0, h / 2.0, radius, radius, 64);
    agg::rasterizer_scanline_aa<> rasterizer;
    rasterizer.add_path(circle);
    agg::scanline_u8 scanline;
    agg::render_scanlines_aa(rasterizer, scanline, renderer, allocator, spans);
    Alpha_Blend_Pixels(dc, x, y, w, h, DIB_Section_Pixels(surface), 0, 0, w, h, 255, true);
    Free_DIB_Section_DC(&surface);
    return 1;
}
