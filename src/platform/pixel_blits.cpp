#include "platform/pixel_blits.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>

namespace {
inline uint32_t Channel(uint32_t pixel, int shift) {
    return (pixel >> shift) & 0xFFu;
}

inline uint32_t Divide_255(uint32_t x) {
    return (x + 127u) / 255u;
}

// Average of the source pixels under the footprint [x0, x1) x [y0, y1) (in
// source pixels), each weighted by the part of it covered; a footprint
// narrower than a pixel becomes a bilinear sample at its centre.
uint32_t Sample_Halftone(const PIXEL_SOURCE& source, double x0, double x1, double y0, double y1) {
    if (x1 - x0 < 1.0) {
        const double c = (x0 + x1) / 2.0 - 0.5;
        x0 = c;
        x1 = c + 1.0;
    }
    if (y1 - y0 < 1.0) {
        const double c = (y0 + y1) / 2.0 - 0.5;
        y0 = c;
        y1 = c + 1.0;
    }
    double sum[4] = {0, 0, 0, 0};
    double total = 0;
    for (int32_t y = static_cast<int32_t>(std::floor(y0)); y < y1; ++y) {
        const double wy = std::min<double>(y + 1, y1) - std::max<double>(y, y0);
        if (wy <= 0) continue;
        const int32_t ry = std::clamp(y, 0, source.Height - 1);
        for (int32_t x = static_cast<int32_t>(std::floor(x0)); x < x1; ++x) {
            const double wx = std::min<double>(x + 1, x1) - std::max<double>(x, x0);
            if (wx <= 0) continue;
            const uint32_t p = Read_Source_Pixel(source, std::clamp(x, 0, source.Width - 1), ry);
            const double w = wx * wy;
            for (int c = 0; c < 4; ++c)
                sum[c] += w * Channel(p, 8 * c);
            total += w;
        }
    }
    if (total <= 0) return 0;
    uint32_t out = 0;
    for (int c = 0; c < 4; ++c)
        out |= static_cast<uint32_t>(std::lround(std::min(255.0, sum[c] / total))) << (8 * c);
    return out;
}

// Calls `put(x, y, source pixel)` for every drawable destination pixel of
// (dx, dy, dw, dh), sampling the source rectangle by the nearest pixel or,
// with `halftone`, by area.
template <typename Put>
int For_Each_Mapped_Pixel(DEVICE_CONTEXT* dc, int32_t dx, int32_t dy, int32_t dw, int32_t dh,
                          const PIXEL_SOURCE& source, int32_t sx, int32_t sy, int32_t sw, int32_t sh,
                          bool halftone, Put put) {
    if (dc == nullptr || source.Bits == nullptr || dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return 0;
    RECT_AREA part;
    if (!Get_Drawable_Area(dc, {dx, dy, dx + dw, dy + dh}, &part)) return 1;
    const bool same_size = sw == dw && sh == dh;
    const int32_t bytes = source.Bytes_Per_Pixel;
    for (int32_t y = part.Top; y < part.Bottom; ++y) {
        const int64_t j = y - dy;
        const int32_t src_y = same_size ? sy + static_cast<int32_t>(j)
                                        : sy + static_cast<int32_t>((2 * j + 1) * sh / (2 * int64_t{dh}));
        const bool row_inside = src_y >= 0 && src_y < source.Height;
        const uint8_t* row =
            row_inside
                ? source.Bits + static_cast<ptrdiff_t>(source.Bottom_Up ? source.Height - 1 - src_y : src_y) *
                                    source.Stride
                : nullptr;
        uint32_t* out =
            dc->Surface->Pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(dc->Surface->Width);
        for (int32_t x = part.Left; x < part.Right; ++x) {
            const int64_t i = x - dx;
            uint32_t pixel;
            if (halftone && !same_size) {
                pixel = Sample_Halftone(
                    source, sx + static_cast<double>(i) * sw / dw, sx + static_cast<double>(i + 1) * sw / dw,
                    sy + static_cast<double>(j) * sh / dh, sy + static_cast<double>(j + 1) * sh / dh);
            } else {
                const int32_t src_x = same_size
                                          ? sx + static_cast<int32_t>(i)
                                          : sx + static_cast<int32_t>((2 * i + 1) * sw / (2 * int64_t{dw}));
                if (!row_inside || src_x < 0 || src_x >= source.Width) continue;
                const uint8_t* p = row + static_cast<ptrdiff_t>(src_x) * bytes;
                pixel = p[0] | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) |
                        (bytes == 4 ? uint32_t{p[3]} << 24 : 0xFF000000u);
            }
            put(out[x], pixel);
        }
    }
    return 1;
}
// The unscaled copy of 32-bit pixels, row by row: what every window
// composition and most blits are, so it skips the per-pixel mapping.
int Copy_Unscaled_Rows(DEVICE_CONTEXT* dc, int32_t dx, int32_t dy, int32_t dw, int32_t dh,
                       const PIXEL_SOURCE& source, int32_t sx, int32_t sy) {
    if (dc == nullptr || source.Bits == nullptr || dw <= 0 || dh <= 0) return 0;
    RECT_AREA part;
    if (!Get_Drawable_Area(dc, {dx, dy, dx + dw, dy + dh}, &part)) return 1;
    // Destination pixels whose source pixel lies outside the image stay as they are.
    part = {std::max(part.Left, dx - sx), std::max(part.Top, dy - sy),
            std::min(part.Right, dx - sx + source.Width), std::min(part.Bottom, dy - sy + source.Height)};
    if (part.Left >= part.Right || part.Top >= part.Bottom) return 1;
    const size_t bytes = static_cast<size_t>(part.Right - part.Left) * 4;
    for (int32_t y = part.Top; y < part.Bottom; ++y) {
        const int32_t src_y = sy + (y - dy);
        const uint8_t* row =
            source.Bits +
            static_cast<ptrdiff_t>(source.Bottom_Up ? source.Height - 1 - src_y : src_y) * source.Stride +
            static_cast<ptrdiff_t>(sx + (part.Left - dx)) * 4;
        uint32_t* out = dc->Surface->Pixels.data() +
                        static_cast<size_t>(y) * static_cast<size_t>(dc->Surface->Width) +
                        static_cast<size_t>(part.Left);
        memcpy(out, row, bytes);
    }
    return 1;
}
} // namespace

PIXEL_SOURCE Surface_Pixel_Source(const DRAWING_SURFACE* surface) {
    if (surface == nullptr || surface->Pixels.empty()) return PIXEL_SOURCE{};
    return PIXEL_SOURCE{reinterpret_cast<const uint8_t*>(surface->Pixels.data()),
                        surface->Width,
                        surface->Height,
                        4,
                        surface->Width * 4,
                        false};
}

uint32_t Read_Source_Pixel(const PIXEL_SOURCE& source, int32_t x, int32_t y) {
    const int32_t row = source.Bottom_Up ? source.Height - 1 - y : y;
    const uint8_t* p = source.Bits + static_cast<ptrdiff_t>(row) * source.Stride +
                       static_cast<ptrdiff_t>(x) * source.Bytes_Per_Pixel;
    const uint32_t alpha = source.Bytes_Per_Pixel == 4 ? p[3] : 0xFFu;
    return p[0] | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) | (alpha << 24);
}

int Stretch_Pixels(DEVICE_CONTEXT* dc, int32_t dx, int32_t dy, int32_t dw, int32_t dh,
                   const PIXEL_SOURCE& source, int32_t sx, int32_t sy, int32_t sw, int32_t sh,
                   uint32_t raster_operation) {
    const bool halftone = dc != nullptr && dc->State.Stretch_Mode == STRETCH_HALFTONE;
    if (raster_operation == RASTER_SOURCE_PAINT)
        return For_Each_Mapped_Pixel(dc, dx, dy, dw, dh, source, sx, sy, sw, sh, halftone,
                                     [](uint32_t& d, uint32_t s) { d |= s; });
    if (sw == dw && sh == dh && source.Bytes_Per_Pixel == 4)
        return Copy_Unscaled_Rows(dc, dx, dy, dw, dh, source, sx, sy);
    return For_Each_Mapped_Pixel(dc, dx, dy, dw, dh, source, sx, sy, sw, sh, halftone,
                                 [](uint32_t& d, uint32_t s) { d = s; });
}

int Alpha_Blend_Pixels(DEVICE_CONTEXT* dc, int32_t dx, int32_t dy, int32_t dw, int32_t dh,
                       const PIXEL_SOURCE& source, int32_t sx, int32_t sy, int32_t sw, int32_t sh,
                       uint32_t constant_alpha, bool per_pixel_alpha) {
    const uint32_t ca = std::min<uint32_t>(constant_alpha, 255u);
    if (per_pixel_alpha)
        return For_Each_Mapped_Pixel(
            dc, dx, dy, dw, dh, source, sx, sy, sw, sh, false, [ca](uint32_t& d, uint32_t s) {
                if (ca == 255 && (s >> 24) == 255) {
                    d = s;
                    return;
                }
                if (s == 0) return; // clear: nothing to add
                const uint32_t sa = Divide_255(Channel(s, 24) * ca);
                uint32_t out = 0;
                for (int shift = 0; shift < 24; shift += 8) {
                    const uint32_t v =
                        Divide_255(Channel(s, shift) * ca) + Divide_255(Channel(d, shift) * (255u - sa));
                    out |= std::min(v, 255u) << shift;
                }
                out |= std::min(sa + Divide_255(Channel(d, 24) * (255u - sa)), 255u) << 24;
                d = out;
            });
    return For_Each_Mapped_Pixel(
        dc, dx, dy, dw, dh, source, sx, sy, sw, sh, false, [ca](uint32_t& d, uint32_t s) {
            uint32_t out = 0;
            for (int shift = 0; shift < 32; shift += 8)
                out |= Divide_255(Channel(s, shift) * ca + Channel(d, shift) * (255u - ca)) << shift;
            d = out;
        });
}

int32_t Copy_Pixels_To_Bitmap(DRAWING_SURFACE* bitmap, const PIXEL_SOURCE& source) {
    if (bitmap == nullptr || source.Bits == nullptr) return 0;
    const int32_t rows = std::min(bitmap->Height, source.Height);
    const int32_t columns = std::min(bitmap->Width, source.Width);
    for (int32_t y = 0; y < rows; ++y) {
        uint32_t* out = bitmap->Pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(bitmap->Width);
        if (source.Bytes_Per_Pixel == 4 && !source.Bottom_Up) {
            memcpy(out, source.Bits + static_cast<ptrdiff_t>(y) * source.Stride,
                   static_cast<size_t>(columns) * 4);
            continue;
        }
        for (int32_t x = 0; x < columns; ++x)
            out[x] = Read_Source_Pixel(source, x, y);
    }
    return rows;
}
