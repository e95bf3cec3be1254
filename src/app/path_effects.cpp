// The two effects of the vector layer: a path turned into a row of dots, and
// a path turned into a hand-drawn wave along it.
#include "app/vector_paths.h"

#include "platform/agg_warnings.h"

#include <agg_conv_curve.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "app/diagnostics.h"

namespace {
constexpr double LONGEST_EFFECT_PATH = 10000.0;

struct PATH_POINT {
    double X;
    double Y;
    double Distance; // along the path from its start
};

// The path flattened (curves at approximation scale 5) into points with
// their distance along it; a move starts a new piece without adding length.
std::vector<PATH_POINT> Flatten_Path(PATH_COLLECTION* c, int32_t index) {
    std::vector<PATH_POINT> points;
    agg::conv_curve<agg::path_storage> curves(c->Vertices);
    curves.approximation_scale(5.0);
    curves.rewind(static_cast<unsigned>(c->Starts[static_cast<size_t>(index)]));
    double x = 0, y = 0, first_x = 0, first_y = 0, distance = 0;
    unsigned command;
    while (!agg::is_stop(command = curves.vertex(&x, &y))) {
        if (agg::is_move_to(command)) {
            first_x = x;
            first_y = y;
        } else if (agg::is_end_poly(command)) {
            if (!agg::is_closed(command)) continue;
            x = first_x;
            y = first_y;
        }
        if (!points.empty() && !agg::is_move_to(command))
            distance += std::hypot(x - points.back().X, y - points.back().Y);
        points.push_back({x, y, distance});
    }
    return points;
}

// The point at `distance` along the flattened path and the unit normal there.
void Point_Along(const std::vector<PATH_POINT>& points, double distance, double* x, double* y, double* nx,
                 double* ny) {
    size_t i = 1;
    while (i + 1 < points.size() && points[i].Distance < distance)
        ++i;
    const PATH_POINT& a = points[i - 1];
    const PATH_POINT& b = points[i];
    const double span = b.Distance - a.Distance;
    const double t = span > 0 ? std::clamp((distance - a.Distance) / span, 0.0, 1.0) : 0.0;
    *x = a.X + (b.X - a.X) * t;
    *y = a.Y + (b.Y - a.Y) * t;
    const double dx = b.X - a.X, dy = b.Y - a.Y, len = std::hypot(dx, dy);
    *nx = len > 0 ? -dy / len : 0;
    *ny = len > 0 ? dx / len : 0;
}

// The newest path's index when an effect may replace it, else -1 (reported).
int32_t Effect_Target(PATH_COLLECTION* c, const char* changed_text, const char* filled_text,
                      const char* length_text, double* length) {
    if (c == nullptr || c->Count == 0) return -1;
    const int32_t index = c->Count - 1;
    const PATH_ATTRIBUTES& path = c->Attributes[static_cast<size_t>(index)];
    if ((path.Flags & PATH_REPLACED) != 0) {
        Report_System_Error("%s", changed_text);
        return -1;
    }
    if ((path.Flags & PATH_FILL) != 0) {
        Report_System_Error("%s", filled_text);
        return -1;
    }
    *length = Measure_Path_Length(c, index);
    if (!(*length > 0) || *length > LONGEST_EFFECT_PATH) {
        Report_System_Error(length_text, *length);
        return -1;
    }
    return index;
}
} // namespace

int32_t Dot_Current_Path(PATH_COLLECTION* collection, double dot_size, double spacing) {
    double length = 0;
    const int32_t index =
        Effect_Target(collection, "Trying to dot an already modified path!", "Trying to dot a filled shape!",
                      "Invalid path length for dots: %f", &length);
    if (index < 0) return 0;
    const PATH_ATTRIBUTES old = collection->Attributes[static_cast<size_t>(index)];
    const std::vector<PATH_POINT> points = Flatten_Path(collection, index);
    collection->Attributes[static_cast<size_t>(index)].Flags |= PATH_REPLACED;
    start_new_path(collection, 0);
    PATH_ATTRIBUTES& dots = *Get_Newest_Path(collection);
    const uint16_t serial = dots.Serial;
    dots = old;
    dots.Serial = serial;
    dots.Flags = PATH_FILL;
    dots.Gradient_Start = old.Colour;
    const double step = old.Stroke_Width * spacing;
    const int32_t n = step > 0 ? static_cast<int32_t>(length / step) : 0;
    const double radius = old.Stroke_Width * dot_size * 0.5;
    for (int32_t k = 0; k <= n; ++k) {
        double x, y, nx, ny;
        Point_Along(points, n > 0 ? length * k / n : 0.0, &x, &y, &nx, &ny);
        Add_Circle_To_Path(&collection->Vertices, radius, x, y);
        collection->Vertices.close_polygon();
    }
    return 1;
}

int32_t Squiggle_Current_Path(PATH_COLLECTION* collection, double wavelength, double amplitude,
                              double stretch, DRAWING_RANDOM* jitter) {
    double length = 0;
    const int32_t index =
        Effect_Target(collection, "Trying to squiggle an already squiggled path!",
                      "Trying to squiggle a filled shape!", "Invalid path length for squiggle: %f", &length);
    if (index < 0 || wavelength <= 0) return 0;
    PATH_ATTRIBUTES& replaced = collection->Attributes[static_cast<size_t>(index)];
    const PATH_ATTRIBUTES old = replaced;
    const std::vector<PATH_POINT> points = Flatten_Path(collection, index);
    replaced.Flags |= PATH_REPLACED;
    replaced.Stroke_Width = 0;
    replaced.Colour = 0;

    // The wave along a straight line: one S-shaped cubic segment per two
    // wavelengths, its control points the amplitude off the line on
    // alternate sides; then each point is carried onto the old path.
    const int32_t segments = std::max(1, static_cast<int32_t>(std::lround(length / wavelength / 2.0)));
    const double segment = length / segments;
    const double reach = segment / 3.0 * stretch;
    constexpr int32_t STEPS = 24;
    start_new_path(collection, 0);
    PATH_ATTRIBUTES& wave = *Get_Newest_Path(collection);
    const uint16_t serial = wave.Serial;
    wave = old;
    wave.Serial = serial;
    wave.Flags = old.Flags & ~(PATH_INHERITED | PATH_REPLACED);
    wave.Line_Cap = PATH_CAP_ROUND;
    wave.Inner_Join = PATH_INNER_JOIN_ROUND;
    for (int32_t s = 0; s < segments; ++s) {
        const double t0 = s * segment, t1 = t0 + segment;
        double side = s % 2 == 0 ? 1.0 : -1.0;
        if (jitter != nullptr) side *= 0.7 + 0.6 * Next_Drawing_Random(jitter) / 32767.0;
        const double c1t = t0 + reach, c2t = t1 - reach;
        for (int32_t k = s == 0 ? 0 : 1; k <= STEPS; ++k) {
            const double u = static_cast<double>(k) / STEPS, v = 1.0 - u;
            const double along = v * v * v * t0 + 3 * v * v * u * c1t + 3 * v * u * u * c2t + u * u * u * t1;
            const double off = 3 * v * v * u * amplitude * side - 3 * v * u * u * amplitude * side;
            double x, y, nx, ny;
            Point_Along(points, along, &x, &y, &nx, &ny);
            if (k == 0)
                collection->Vertices.move_to(x + nx * off, y + ny * off);
            else
                collection->Vertices.line_to(x + nx * off, y + ny * off);
        }
    }
    return 1;
}
