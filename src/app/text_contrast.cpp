#include "app/text_contrast.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {
// A colour moved toward white or black is taken a little past the least
// contrast, so that the line keeps it over the small changes of a picture.
constexpr double FITTED_TEXT_CONTRAST = LEAST_TEXT_CONTRAST + 0.5;
constexpr int32_t FIT_STEPS = 32;
constexpr int32_t GROUND_BINS = 1024;

const std::array<double, 256>& Channel_Luminances() {
    static const std::array<double, 256> table = [] {
        std::array<double, 256> t{};
        for (int i = 0; i < 256; ++i) {
            const double c = i / 255.0;
            t[static_cast<size_t>(i)] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        }
        return t;
    }();
    return table;
}

double Contrast_Of_Luminances(double a, double b) {
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

COLOUR_VALUE Mix_Toward(COLOUR_VALUE from, COLOUR_VALUE to, int32_t step) {
    auto channel = [&](uint32_t a, uint32_t b) {
        return static_cast<uint32_t>(
            (a * static_cast<uint32_t>(FIT_STEPS - step) + b * static_cast<uint32_t>(step) + FIT_STEPS / 2) /
            FIT_STEPS);
    };
    return Make_Colour(channel(Colour_Red(from), Colour_Red(to)),
                       channel(Colour_Green(from), Colour_Green(to)),
                       channel(Colour_Blue(from), Colour_Blue(to)));
}

TEXT_GROUND Measure_Ground(const DEVICE_CONTEXT* dc, const RECT_AREA& box) {
    std::array<int32_t, GROUND_BINS> bins{};
    int64_t count = 0;
    const DRAWING_SURFACE* surface = dc->Surface;
    for (int32_t y = box.Top; y < box.Bottom; ++y)
        for (int32_t x = box.Left; x < box.Right; ++x) {
            const double l = Get_Relative_Luminance(
                Pixel_To_Colour(surface->Pixels[static_cast<size_t>(y) * static_cast<size_t>(surface->Width) +
                                                static_cast<size_t>(x)]));
            ++bins[static_cast<size_t>(std::min(GROUND_BINS - 1, static_cast<int32_t>(l * GROUND_BINS)))];
            ++count;
        }
    // The luminance below which lie one in twenty of the pixels, the middle
    // one, and the one above which lie one in twenty.
    auto luminance_at = [&](int64_t rank) {
        int64_t seen = 0;
        for (int32_t bin = 0; bin < GROUND_BINS; ++bin) {
            seen += bins[static_cast<size_t>(bin)];
            if (seen > rank) return (bin + 0.5) / GROUND_BINS;
        }
        return 1.0;
    };
    return {luminance_at(count / 20), luminance_at(count / 2), luminance_at(count - 1 - count / 20)};
}
} // namespace

double Get_Relative_Luminance(COLOUR_VALUE colour) {
    const std::array<double, 256>& channel = Channel_Luminances();
    return 0.2126 * channel[Colour_Red(colour)] + 0.7152 * channel[Colour_Green(colour)] +
           0.0722 * channel[Colour_Blue(colour)];
}

double Get_Ground_Contrast(COLOUR_VALUE colour, const TEXT_GROUND& ground) {
    const double l = Get_Relative_Luminance(colour);
    return std::min(Contrast_Of_Luminances(l, ground.Darker), Contrast_Of_Luminances(l, ground.Lighter));
}

COLOUR_VALUE Fit_Text_Colour(COLOUR_VALUE wanted, const COLOUR_VALUE* alternative,
                             const TEXT_GROUND& ground) {
    if (Get_Ground_Contrast(wanted, ground) >= LEAST_TEXT_CONTRAST) return wanted;
    if (alternative != nullptr && Get_Ground_Contrast(*alternative, ground) >= LEAST_TEXT_CONTRAST)
        return *alternative;
    // White stands out more than black from the bulk of the ground: light
    // text, starting from the lighter of the two colours.
    const bool lighten =
        Contrast_Of_Luminances(1.0, ground.Middle) >= Contrast_Of_Luminances(0.0, ground.Middle);
    COLOUR_VALUE from = wanted;
    if (alternative != nullptr &&
        (Get_Relative_Luminance(*alternative) > Get_Relative_Luminance(wanted)) == lighten)
        from = *alternative;
    const COLOUR_VALUE to = lighten ? Make_Colour(255, 255, 255) : Make_Colour(0, 0, 0);
    for (int32_t step = 1; step < FIT_STEPS; ++step) {
        const COLOUR_VALUE mixed = Mix_Toward(from, to, step);
        if (Get_Ground_Contrast(mixed, ground) >= FITTED_TEXT_CONTRAST) return mixed;
    }
    return to;
}

COLOUR_VALUE Fit_Colour_To_Ground(const DEVICE_CONTEXT* dc, const RECT_AREA& box, COLOUR_VALUE wanted,
                                  const COLOUR_VALUE* alternative) {
    RECT_AREA area;
    if (dc == nullptr || dc->Surface == nullptr || !Get_Drawable_Area(dc, box, &area)) return wanted;
    return Fit_Text_Colour(wanted, alternative, Measure_Ground(dc, area));
}

COLOUR_VALUE Choose_Contrasting_Text_Colour(const DEVICE_CONTEXT* dc, const RECT_AREA& line_box) {
    const COLOUR_VALUE* alternative =
        dc->State.Has_Alternative_Text_Colour ? &dc->State.Alternative_Text_Colour : nullptr;
    // Drawn opaque, the text stands on its own background colour.
    if (dc->State.Background_Mode == BACKGROUND_OPAQUE) {
        const double l = Get_Relative_Luminance(dc->State.Background_Colour);
        return Fit_Text_Colour(dc->State.Text_Colour, alternative, {l, l, l});
    }
    return Fit_Colour_To_Ground(dc, line_box, dc->State.Text_Colour, alternative);
}
