#include "app/vector_paths.h"

#include "platform/agg_warnings.h"

#include <agg_array.h>
#include <agg_bounding_rect.h>
#include <agg_conv_curve.h>
#include <agg_conv_stroke.h>
#include <agg_conv_transform.h>
#include <agg_path_length.h>
#include <agg_pixfmt_rgba.h>
#include <agg_rasterizer_scanline_aa.h>
#include <agg_renderer_base.h>
#include <agg_renderer_scanline.h>
#include <agg_rendering_buffer.h>
#include <agg_scanline_u.h>
#include <agg_span_allocator.h>
#include <agg_span_gradient.h>
#include <agg_span_interpolator_linear.h>
#include <agg_trans_affine.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "app/command_line_flags.h"
#include "app/diagnostics.h"
#include "app/dib_sections.h"
#include "app/main_window_dc.h"

namespace {
constexpr int32_t PATH_TABLE_STEP = 32;
constexpr double INSANE_PATH_LENGTH = 100000.0;

using BLENDER = agg::comp_op_adaptor_rgba<agg::rgba8, agg::order_bgra>;
using PIXEL_FORMAT = agg::pixfmt_custom_blend_rgba<BLENDER, agg::rendering_buffer>;
using RENDERER = agg::renderer_base<PIXEL_FORMAT>;

PATH_ATTRIBUTES Default_Attributes() {
    PATH_ATTRIBUTES attributes{};
    attributes.Line_Cap = PATH_CAP_ROUND;
    attributes.Line_Join = PATH_JOIN_ROUND;
    attributes.Inner_Join = PATH_INNER_JOIN_BEVEL;
    attributes.Fill_Rule = PATH_FILL_NON_ZERO;
    attributes.Compositing = PATH_COMPOSE_SOURCE_OVER;
    return attributes;
}

// Records a new path at the end of the vertices.
void Record_Path(PATH_COLLECTION* c) {
    if (c->Count >= c->Capacity - 1) {
        const int32_t grown = c->Capacity + PATH_TABLE_STEP;
        Log_Debug_Flagged(DTXT_AGG, "Increasing paths from %d to %d", c->Capacity, grown);
        c->Starts.resize(static_cast<size_t>(grown), 0);
        c->Attributes.resize(static_cast<size_t>(grown), Default_Attributes());
        c->Capacity = grown;
    }
    c->Starts[static_cast<size_t>(c->Count)] = static_cast<int32_t>(c->Vertices.total_vertices());
    c->Attributes[static_cast<size_t>(c->Count)].Serial = c->Serial_Counter++;
    ++c->Count;
}

agg::rgba8 To_AGG_Colour(uint32_t colour) {
    return agg::rgba8(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF, (colour >> 24) & 0xFF);
}

template <typename SOURCE>
void Fill_With_Gradient(agg::rasterizer_scanline_aa<>& rasterizer, RENDERER& renderer, SOURCE& source,
                        unsigned start, const PATH_ATTRIBUTES& path) {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    agg::bounding_rect_single(source, start, &x1, &y1, &x2, &y2);
    // Left to right across the path's own extent.
    agg::trans_affine to_gradient = agg::trans_affine_scaling((x2 - x1) / 100.0, 1.0);
    to_gradient *= agg::trans_affine_translation(x1, y1);
    to_gradient.invert();
    using INTERPOLATOR = agg::span_interpolator_linear<>;
    using COLOURS = agg::pod_auto_array<agg::rgba8, 256>;
    COLOURS colours;
    const agg::rgba8 from = To_AGG_Colour(path.Gradient_Start), to = To_AGG_Colour(path.Gradient_End);
    for (unsigned i = 0; i < 256; ++i)
        colours[i] = from.gradient(to, i / 255.0);
    INTERPOLATOR interpolator(to_gradient);
    agg::gradient_x shape;
    agg::span_gradient<agg::rgba8, INTERPOLATOR, agg::gradient_x, COLOURS> spans(interpolator, shape, colours,
                                                                                 0, 100);
    agg::span_allocator<agg::rgba8> allocator;
    agg::scanline_u8 scanline;
    agg::render_scanlines_aa(rasterizer, scanline, renderer, allocator, spans);
}
} // namespace

PATH_ATTRIBUTES* Get_Newest_Path(PATH_COLLECTION* collection) {
    if (collection == nullptr || collection->Count == 0) return nullptr;
    return &collection->Attributes[static_cast<size_t>(collection->Count - 1)];
}

uint16_t start_new_path(PATH_COLLECTION* collection, int32_t back) {
    if (collection == nullptr) return 0;
    PATH_COLLECTION* c = collection;
    const bool last_has_vertices = c->Count == 0 || static_cast<int32_t>(c->Vertices.total_vertices()) >
                                                        c->Starts[static_cast<size_t>(c->Count - 1)];
    c->Vertices.start_new_path();
    if (last_has_vertices) Record_Path(c);
    if (c->Pending.Flags != 0 || c->Pending.Serial != 0) {
        PATH_ATTRIBUTES& newest = *Get_Newest_Path(c);
        const uint16_t serial = newest.Serial;
        newest = c->Pending;
        newest.Serial = serial;
        newest.Flags |= PATH_INHERITED;
        Record_Path(c);
    }
    c->Pending = Default_Attributes();
    PATH_ATTRIBUTES& created = *Get_Newest_Path(c);
    if (back < 0) {
        const int32_t wanted = -back;
        int32_t found = 0;
        const PATH_ATTRIBUTES* source = nullptr;
        for (int32_t i = c->Count - 2; i >= 0 && source == nullptr; --i) {
            const PATH_ATTRIBUTES& earlier = c->Attributes[static_cast<size_t>(i)];
            if (earlier.Flags != 0 && (earlier.Flags & PATH_INHERITED) == 0 && ++found == wanted)
                source = &earlier;
        }
        // The path that many places before the new one; -1 when there is none.
        const int32_t old_index = c->Count - 1 + back;
        Log_Debug_Flagged(DTXT_AGG, "start_new_path(%d) THIS=%d OLD=%d", back, created.Serial,
                          old_index >= 0 ? c->Attributes[static_cast<size_t>(old_index)].Serial : -1);
        if (source != nullptr) {
            const uint16_t serial = created.Serial;
            created = *source;
            created.Serial = serial;
        }
    } else {
        Log_Debug_Flagged(DTXT_AGG, "start_new_path(%d) THIS=%d", back, created.Serial);
    }
    return created.Serial;
}

void Set_Path_Colour(PATH_COLLECTION* collection, uint32_t colour) {
    if (PATH_ATTRIBUTES* path = Get_Newest_Path(collection); path != nullptr)
        path->Colour = collection->Override_Flag ? collection->Override_Colour : colour;
}

void Set_Path_Gradient_Colours(PATH_COLLECTION* collection, uint32_t start, uint32_t end) {
    if (PATH_ATTRIBUTES* path = Get_Newest_Path(collection); path != nullptr) {
        path->Gradient_Start = collection->Override_Flag ? collection->Override_Colour : start;
        path->Gradient_End = end;
    }
}

void Set_Path_Width(PATH_COLLECTION* collection, double width) {
    PATH_ATTRIBUTES* path = Get_Newest_Path(collection);
    if (path == nullptr) return;
    const double scale = collection->Width_Scale;
    path->Stroke_Width = scale == 0 || std::isnan(scale) ? width : width * scale;
}

void Set_Path_Flags(PATH_COLLECTION* collection, uint32_t flags) {
    if (PATH_ATTRIBUTES* path = Get_Newest_Path(collection); path != nullptr) path->Flags = flags;
}

void Add_Circle_To_Path(agg::path_storage* storage, double r, double cx, double cy) {
    if (storage == nullptr) return;
    storage->move_to(cx - r, cy);
    storage->arc_to(r, r, 0.0, false, true, cx + r, cy);
    storage->arc_to(r, r, 0.0, false, true, cx - r, cy);
}

double Measure_Path_Length(PATH_COLLECTION* collection, int32_t index) {
    if (collection == nullptr || index < 0 || index >= collection->Count) return 0;
    agg::conv_curve<agg::path_storage> curves(collection->Vertices);
    curves.approximation_scale(5.0);
    return agg::path_length(curves, static_cast<unsigned>(collection->Starts[static_cast<size_t>(index)]));
}

int32_t Render_Paths(DEVICE_CONTEXT* dc, PATH_COLLECTION* collection, int32_t x, int32_t y, int32_t w,
                     int32_t h, double rotation_degrees) {
    if (collection == nullptr || w <= 0 || h <= 0) return 0;
    const bool own_dc = dc == nullptr;
    if (own_dc) dc = Acquire_Main_Window_DC();
    if (dc == nullptr) return 0;
    PATH_COLLECTION* c = collection;
    if (c->Window_Left == 0 && c->Window_Top == 0 && c->Window_Right == 0 && c->Window_Bottom == 0 &&
        c->Count > 0) {
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        Get_Path_Bounding_Rect(c, &x1, &y1, &x2, &y2);
        c->Window_Left = static_cast<int32_t>(x1);
        c->Window_Top = static_cast<int32_t>(y1);
        c->Window_Right = static_cast<int32_t>(x2);
        c->Window_Bottom = static_cast<int32_t>(y2);
    }
    const double window_w = c->Window_Right - c->Window_Left, window_h = c->Window_Bottom - c->Window_Top;
    double sx = 1, sy = 1;
    if (c->Fit_Mode == PATH_FIT_STRETCH) {
        sx = window_w != 0 ? w / window_w : 1;
        sy = window_h != 0 ? h / window_h : 1;
    } else if (c->Fit_Mode == PATH_FIT_WIDTH) {
        sx = sy = window_w != 0 ? w / window_w : 1;
    } else if (c->Fit_Mode == PATH_FIT_HEIGHT) {
        sx = sy = window_h != 0 ? h / window_h : 1;
    }
    agg::trans_affine transform;
    if (c->Orientation != 0) {
        transform = agg::trans_affine_translation(-c->Window_Left, -c->Window_Bottom);
        transform *= agg::trans_affine_scaling(sx, -sy);
    } else {
        transform = agg::trans_affine_translation(-c->Window_Left, -c->Window_Top);
        transform *= agg::trans_affine_scaling(sx, sy);
        transform *= agg::trans_affine_rotation(rotation_degrees * M_PI / 180.0);
    }

    DIB_SECTION_DC surface;
    if (!SimpleCreateDIBSectionDC(&surface, dc, 4, w, h)) {
        if (own_dc) Release_Main_Window_DC();
        return 0;
    }
    // A negative stride makes AGG's first row the image's top in the
    // bottom-up buffer (AGG finds the last stored row itself).
    agg::rendering_buffer buffer(surface.Pixels, static_cast<unsigned>(w), static_cast<unsigned>(h),
                                 -surface.Stride);
    PIXEL_FORMAT pixels(buffer, agg::comp_op_src_over);
    RENDERER renderer(pixels);
    agg::rasterizer_scanline_aa<> rasterizer;
    agg::scanline_u8 scanline;
    agg::conv_curve<agg::path_storage> curves(c->Vertices);
    // Curves are flattened at the output's scale, so a circle of a few path
    // units drawn large stays round.
    curves.approximation_scale(std::max(1.0, std::max(std::fabs(sx), std::fabs(sy))));
    agg::conv_transform<agg::conv_curve<agg::path_storage>> placed(curves, transform);
    agg::conv_stroke<agg::conv_transform<agg::conv_curve<agg::path_storage>>> stroke(placed);
    for (int32_t i = 0; i < c->Count; ++i) {
        const PATH_ATTRIBUTES& path = c->Attributes[static_cast<size_t>(i)];
        if ((path.Flags & PATH_REPLACED) != 0) continue;
        const unsigned start = static_cast<unsigned>(c->Starts[static_cast<size_t>(i)]);
        const double length = agg::path_length(curves, start);
        if (length > INSANE_PATH_LENGTH) {
            Report_System_Error("Path length is insane: %f", length);
            continue;
        }
        pixels.comp_op(static_cast<unsigned>(path.Compositing));
        rasterizer.filling_rule(path.Fill_Rule == PATH_FILL_EVEN_ODD ? agg::fill_even_odd
                                                                     : agg::fill_non_zero);
        if ((path.Flags & PATH_FILL) != 0) {
            rasterizer.reset();
            rasterizer.add_path(placed, start);
            if ((path.Flags & PATH_GRADIENT_FILL) != 0)
                Fill_With_Gradient(rasterizer, renderer, placed, start, path);
            else
                agg::render_scanlines_aa_solid(rasterizer, scanline, renderer, To_AGG_Colour(path.Colour));
        }
        if ((path.Flags & PATH_STROKE) != 0) {
            const agg::rgba8 colour = To_AGG_Colour(path.Colour);
            Log_Debug_Flagged(DTXT_AGG, "Stroking #%d with %d,%d,%d %f", i, colour.r, colour.g, colour.b,
                              path.Stroke_Width * sx);
            stroke.width(path.Stroke_Width * sx);
            stroke.line_cap(static_cast<agg::line_cap_e>(path.Line_Cap));
            stroke.line_join(static_cast<agg::line_join_e>(path.Line_Join));
            stroke.inner_join(static_cast<agg::inner_join_e>(path.Inner_Join));
            rasterizer.reset();
            rasterizer.filling_rule(agg::fill_non_zero);
            rasterizer.add_path(stroke, start);
            agg::render_scanlines_aa_solid(rasterizer, scanline, renderer, colour);
        }
    }

    if (c->Shadow_Size > 0) {
        const int32_t s = c->Shadow_Size * 2 / 3;
        DIB_SECTION_DC shadow;
        if (w - s > 0 && h - s > 0 && SimpleCreateDIBSectionDC(&shadow, dc, 4, w, h)) {
            for (int32_t row = 0; row < h; ++row)
                for (int32_t col = 0; col < w; ++col)
                    shadow.Pixels[static_cast<ptrdiff_t>(row) * shadow.Stride + 4 * col + 3] =
                        surface.Pixels[static_cast<ptrdiff_t>(row) * surface.Stride + 4 * col + 3];
            Blur_DIB_Section(&shadow, c->Shadow_Size, c->Shadow_Size);
            Alpha_Blend_Pixels(dc, x + s, y + s, w - s, h - s, DIB_Section_Pixels(shadow), 0, 0, w - s, h - s,
                               255, true);
            Free_DIB_Section_DC(&shadow);
        }
    }
    Alpha_Blend_Pixels(dc, x, y, w, h, DIB_Section_Pixels(surface), 0, 0, w, h, 255, true);
    Free_DIB_Section_DC(&surface);
    if (own_dc) Release_Main_Window_DC();
    return 1;
}

void Free_Path_Collection(PATH_COLLECTION* collection) {
    if (collection == nullptr) return;
    collection->Attributes.clear();
    collection->Attributes.shrink_to_fit();
    collection->Starts.clear();
    collection->Starts.shrink_to_fit();
    collection->Vertices.free_all();
    collection->Count = 0;
    collection->Capacity = 0;
}

void Construct_Diagram_Path_Pair(DIAGRAM_PATH_PAIR* pair) {
    if (pair == nullptr) return;
    pair->First.remove_all();
    pair->Second.remove_all();
}
