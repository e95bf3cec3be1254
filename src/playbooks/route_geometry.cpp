#include "playbooks/route_geometry.h"

#include <cmath>

#include "app/command_line_flags.h"
#include "app/diagnostics.h"
#include "engine/route_drawing.h"

namespace {
constexpr uint32_t BLACK = 0xFF000000;
// Squiggles and dots of a route, in yards.
constexpr double SQUIGGLE_WAVELENGTH = 0.75;
constexpr double SQUIGGLE_AMPLITUDE = 0.2;
constexpr double SQUIGGLE_STRETCH = 0.25;
constexpr double DOT_SIZE = 1.0;
constexpr double DOT_SPACING = 1.5;
// The hitch dot's black centre is this much smaller than its ring.
constexpr double HITCH_CENTRE_INSET = 0.18;

void Start_Route_Stroke(PLAY_DIAGRAM* d) {
    start_new_path(&d->Paths, 0);
    Set_Path_Colour(&d->Paths, d->Route_Colour);
    Set_Path_Width(&d->Paths, d->Route_Width);
    Set_Path_Flags(&d->Paths, PATH_STROKE);
    d->Fresh_Path_Needed = false;
}

void Ensure_Route_Stroke(PLAY_DIAGRAM* d) {
    if (d->Fresh_Path_Needed || d->Paths.Count == 0) Start_Route_Stroke(d);
}

// A filled shape in `colour` after the route's line; the route goes on in a
// path of its own.
void Start_Filled_Path(PLAY_DIAGRAM* d, uint32_t colour) {
    start_new_path(&d->Paths, 0);
    Set_Path_Colour(&d->Paths, colour);
    Set_Path_Flags(&d->Paths, PATH_FILL);
    d->Fresh_Path_Needed = true;
}

bool Newest_Path_Has_Vertices(const PLAY_DIAGRAM* d) {
    const PATH_COLLECTION& c = d->Paths;
    return c.Count > 0 && static_cast<int32_t>(c.Vertices.total_vertices()) > c.Starts[c.Count - 1];
}

// Moves the pen to the segment's start unless the newest path ends there.
void Move_To_Start(PLAY_DIAGRAM* d, double x0, double y0) {
    if (Newest_Path_Has_Vertices(d)) {
        double x = 0.0, y = 0.0;
        d->Paths.Vertices.last_vertex(&x, &y);
        if (x == x0 && y == y0) return;
    }
    Log_Debug_Flagged(DTXT_PBPDIAGRAM, "move_to %f,%f", x0, y0);
    d->Paths.Vertices.move_to(x0, y0);
}

bool Newest_Path_Has_Length(PLAY_DIAGRAM* d) {
    return Newest_Path_Has_Vertices(d) && Measure_Path_Length(&d->Paths, d->Paths.Count - 1) > 0.0;
}

// The effects of a segment on the route's newest path; each is done once.
void Apply_Effects(PLAY_DIAGRAM* d, int32_t flags, bool* wiggled, bool* dotted, const char* wiggle_text,
                   const char* dot_text) {
    if ((flags & ROUTE_FLAG_WIGGLE) != 0 && !*wiggled && !d->Fresh_Path_Needed && Newest_Path_Has_Length(d)) {
        Squiggle_Current_Path(&d->Paths, SQUIGGLE_WAVELENGTH, SQUIGGLE_AMPLITUDE, SQUIGGLE_STRETCH,
                              &d->Random);
        Log_Debug_Flagged(DTXT_PBPDIAGRAM, "%s", wiggle_text);
        *wiggled = true;
        // A later segment is not waved again with this one.
        d->Fresh_Path_Needed = true;
    }
    if ((flags & ROUTE_FLAG_DOTTED_LINE) != 0 && !*dotted && !d->Fresh_Path_Needed &&
        Newest_Path_Has_Length(d)) {
        Dot_Current_Path(&d->Paths, DOT_SIZE, DOT_SPACING);
        Log_Debug_Flagged(DTXT_PBPDIAGRAM, "%s", dot_text);
        *dotted = true;
        d->Fresh_Path_Needed = true;
    }
}

void Add_Arc(PLAY_DIAGRAM* d, int32_t flags, double x0, double y0, double x1, double y1) {
    double r = std::fabs(x1 - x0) / 3.5;
    bool sweep = (flags & ROUTE_FLAG_TOP_SEMI) != 0;
    if (x0 < x1) sweep = !sweep;
    // An arc into the backfield stays inside the window.
    if ((flags & ROUTE_FLAG_BOTTOM_SEMI) != 0 && y0 + r < d->Top + 2.0) r = std::fabs(y0 - (d->Top + 2.0));
    if ((flags & ROUTE_FLAG_TOP_SEMI) != 0) r *= 1.15;
    Log_Debug_Flagged(DTXT_PBPDIAGRAM, "arc_to %f,%f %f,%f", x0, y0, x1, y1);
    Ensure_Route_Stroke(d);
    d->Paths.Vertices.move_to(x0, y0);
    d->Paths.Vertices.arc_to(r, r, 0.0, false, sweep, x1, y1);
}

void Add_Arrowhead(PLAY_DIAGRAM* d, int32_t flags, double x0, double y0, double x1, double y1) {
    double length = ARROW_LENGTH, half_width = ARROW_HALF_WIDTH;
    if ((flags & ROUTE_FLAG_ARROW_MEDIUM) != 0) {
        length = ARROW_MEDIUM_LENGTH;
        half_width = ARROW_MEDIUM_HALF_WIDTH;
    } else if ((flags & ROUTE_FLAG_ARROW_LARGE) != 0) {
        length = ARROW_LARGE_LENGTH;
        half_width = ARROW_LARGE_HALF_WIDTH;
    }
    Log_Debug_Flagged(DTXT_PBPDIAGRAM, "Arrowed!");
    Start_Filled_Path(d, d->Route_Colour);
    // The tip sits on the segment's true end, pointing along it.
    const double angle = std::atan2(y1 - y0, x1 - x0);
    const double c = std::cos(angle), s = std::sin(angle);
    auto place = [&](double x, double y, bool first) {
        const double px = x1 + x * c - y * s, py = y1 + x * s + y * c;
        if (first)
            d->Paths.Vertices.move_to(px, py);
        else
            d->Paths.Vertices.line_to(px, py);
    };
    place(0.0, 0.0, true);
    place(-length, half_width, false);
    place(-length, -half_width, false);
    d->Paths.Vertices.close_polygon();
}

void Add_Hitch(PLAY_DIAGRAM* d, double x1, double y1) {
    Log_Debug_Flagged(DTXT_PBPDIAGRAM, "Hitched!");
    const double scale = d->Paths.Width_Scale == 0.0 ? 1.0 : d->Paths.Width_Scale;
    const double radius = d->Route_Width * scale;
    Start_Filled_Path(d, d->Route_Colour);
    Add_Circle_To_Path(&d->Paths.Vertices, radius, x1, y1);
    d->Paths.Vertices.close_polygon();
    Start_Filled_Path(d, BLACK);
    Add_Circle_To_Path(&d->Paths.Vertices, radius - HITCH_CENTRE_INSET * scale, x1, y1);
    d->Paths.Vertices.close_polygon();
}

// Returns false when the segment was refused.
bool Add_Line(PLAY_DIAGRAM* d, int32_t flags, double x0, double y0, double x1, double y1, bool* wiggled,
              bool* dotted) {
    const double dx = x1 - x0, dy = y1 - y0;
    if (std::fabs(dx) + std::fabs(dy) > LONGEST_ROUTE_SEGMENT) {
        Report_System_Error("Refusing to add insane line length of: %f", std::hypot(dx, dy));
        return false;
    }
    Ensure_Route_Stroke(d);
    Move_To_Start(d, x0, y0);
    double end_x = x1, end_y = y1;
    bool draw = true;
    if (Is_Arrow_Segment(flags)) {
        // The line stops inside the arrowhead; a segment shorter than the
        // pull-back draws the arrowhead alone rather than a stub backwards.
        const double length = (flags & ROUTE_FLAG_ARROW_MEDIUM) != 0  ? ARROW_MEDIUM_LENGTH
                              : (flags & ROUTE_FLAG_ARROW_LARGE) != 0 ? ARROW_LARGE_LENGTH
                                                                      : ARROW_LENGTH;
        const double s = std::hypot(dx, dy) * 1.2;
        draw = s > length;
        if (draw) {
            end_x = x0 + dx * (s - length) / s;
            end_y = y0 + dy * (s - length) / s;
        }
    }
    if (draw) {
        Log_Debug_Flagged(DTXT_PBPDIAGRAM, "line_to %f,%f", end_x, end_y);
        d->Paths.Vertices.line_to(end_x, end_y);
    }
    Apply_Effects(d, flags, wiggled, dotted, "Wiggled!", "Dotted!");
    if (Is_Arrow_Segment(flags)) Add_Arrowhead(d, flags, x0, y0, x1, y1);
    if ((flags & ROUTE_FLAG_HITCH) != 0) Add_Hitch(d, x1, y1);
    return true;
}

void Add_Bar_Stroke(PLAY_DIAGRAM* d, double x1, double y1, double x, double y) {
    d->Paths.Vertices.move_to(x1, y1);
    d->Paths.Vertices.line_to(x, y);
}

void Add_Block_Bar(PLAY_DIAGRAM* d, double x0, double y0, double x1, double y1) {
    Log_Debug_Flagged(DTXT_PBPDIAGRAM, "Blocked!");
    Ensure_Route_Stroke(d);
    const double dx = x1 - x0, dy = y1 - y0;
    if (dx == 0.0) {
        const double lean = dy <= 0.0 ? -0.05 : 0.05;
        Add_Bar_Stroke(d, x1, y1, x1 - 0.5, y1 + lean);
        Add_Bar_Stroke(d, x1, y1, x1 + 0.5, y1 + lean);
    } else if (dy == 0.0) {
        Add_Bar_Stroke(d, x1, y1, x1, y1 - 0.5);
        Add_Bar_Stroke(d, x1, y1, x1, y1 + 0.5);
    } else if ((dx > 0.0) == (dy > 0.0)) {
        Add_Bar_Stroke(d, x1, y1, x1 - 0.35, y1 + 0.35);
        Add_Bar_Stroke(d, x1, y1, x1 + 0.35, y1 - 0.35);
    } else {
        Add_Bar_Stroke(d, x1, y1, x1 - 0.35, y1 - 0.35);
        Add_Bar_Stroke(d, x1, y1, x1 + 0.35, y1 + 0.35);
    }
}
} // namespace

bool Is_Arrow_Segment(int32_t flags) {
    return (flags & ROUTE_FLAG_ANY_ARROW) != 0;
}

void Begin_Route_Path(PLAY_DIAGRAM* diagram, uint32_t colour, double width) {
    if (diagram == nullptr) return;
    diagram->Route_Colour = colour;
    diagram->Route_Width = width;
    Start_Route_Stroke(diagram);
}

void Add_Route_Segment(PLAY_DIAGRAM* diagram, int32_t flags, double x0, double y0, double x1, double y1) {
    if (diagram == nullptr) return;
    PLAY_DIAGRAM* d = diagram;
    if ((flags & ROUTE_FLAG_NEW_PATH) != 0) Start_Route_Stroke(d);
    bool wiggled = false, dotted = false;
    const bool arc = (flags & (ROUTE_FLAG_TOP_SEMI | ROUTE_FLAG_BOTTOM_SEMI)) != 0;
    if (arc) {
        Add_Arc(d, flags, x0, y0, x1, y1);
    } else if ((flags & ROUTE_FLAG_NO_LINE) == 0 && (x0 != x1 || y0 != y1)) {
        if (!Add_Line(d, flags, x0, y0, x1, y1, &wiggled, &dotted)) return;
    }
    Apply_Effects(d, flags, &wiggled, &dotted, "Wiggled2!", "Dotted2!");
    if ((flags & ROUTE_FLAG_BLOCK) != 0) Add_Block_Bar(d, x0, y0, x1, y1);
}
