#pragma once
// Anti-aliased line art: a collection of paths, each with its own colour,
// width and fill or stroke, rendered in one pass through AGG into a 32-bit
// off-screen surface that is then alpha-blended onto a device context.
#include <agg_path_storage.h>
#include <agg_span_gradient.h>

#include <cstdint>
#include <vector>

#include "app/drawing_random.h"
#include "platform/drawing_surface.h"

// Path flags.
constexpr uint32_t PATH_FILL = 0x1;
constexpr uint32_t PATH_STROKE = 0x2;
constexpr uint32_t PATH_GRADIENT_FILL = 0x4;
constexpr uint32_t PATH_INHERITED = 0x8;   // attributes taken over from the pending record
constexpr uint32_t PATH_REPLACED = 0x1000; // replaced by an effect, not drawn

// Render codes in AGG's numbering.
constexpr int32_t PATH_CAP_ROUND = 2;
constexpr int32_t PATH_JOIN_ROUND = 2;
constexpr int32_t PATH_INNER_JOIN_BEVEL = 0;
constexpr int32_t PATH_INNER_JOIN_ROUND = 3;
constexpr int32_t PATH_FILL_NON_ZERO = 0;
constexpr int32_t PATH_FILL_EVEN_ODD = 1;
constexpr int32_t PATH_COMPOSE_SOURCE_OVER = 3;

// Colours of paths: the bytes R, G, B, A in this order.
constexpr uint32_t Make_Path_Colour(uint32_t red, uint32_t green, uint32_t blue, uint32_t alpha = 255) {
    return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16) | ((alpha & 0xFF) << 24);
}

struct PATH_ATTRIBUTES {
    uint32_t Colour;
    uint32_t Gradient_Start;
    uint32_t Gradient_End;
    double Stroke_Width;
    uint32_t Flags;
    int32_t Line_Cap;
    int32_t Line_Join;
    int32_t Inner_Join;
    int32_t Fill_Rule;
    int32_t Compositing;
    uint16_t Serial;
};

// Fit of the path window to the output area.
constexpr int32_t PATH_FIT_STRETCH = 0;
constexpr int32_t PATH_FIT_WIDTH = 1;
constexpr int32_t PATH_FIT_HEIGHT = 2;

struct PATH_COLLECTION {
    uint16_t Serial_Counter = 0;
    int32_t Capacity = 0;
    int32_t Count = 0;
    agg::path_storage Vertices;
    std::vector<int32_t> Starts; // first vertex of each path
    PATH_ATTRIBUTES Pending{};
    double Width_Scale = 0; // 0: none
    uint32_t Override_Colour = 0;
    uint8_t Override_Flag = 0; // while set, colour setters store the override
    int32_t Window_Left = 0;   // the path window; all 0: computed from the vertices
    int32_t Window_Top = 0;
    int32_t Window_Right = 0;
    int32_t Window_Bottom = 0;
    int32_t Orientation = 0; // 1: y grows upward
    int32_t Fit_Mode = PATH_FIT_STRETCH;
    int32_t Shadow_Size = 0;
    std::vector<PATH_ATTRIBUTES> Attributes;
};

// Starts a path and returns its serial; with `back` < 0 the new path takes
// the attributes of the |back|-th earlier path that has any.
uint16_t start_new_path(PATH_COLLECTION* collection, int32_t back);
// Setters of the newest path.
void Set_Path_Colour(PATH_COLLECTION* collection, uint32_t colour);
void Set_Path_Gradient_Colours(PATH_COLLECTION* collection, uint32_t start, uint32_t end);
void Set_Path_Width(PATH_COLLECTION* collection, double width);
void Set_Path_Flags(PATH_COLLECTION* collection, uint32_t flags);
PATH_ATTRIBUTES* Get_Newest_Path(PATH_COLLECTION* collection);

void Add_Circle_To_Path(agg::path_storage* storage, double r, double cx, double cy);

// The newest path becomes a row of filled dots, or a hand-drawn wave along
// it. Both refuse (reported) a path already changed by an effect, a filled
// shape, and a length that is not above 0 or is above 10,000. 1 when done.
// With `jitter` each crest of the wave takes an amplitude of its own from
// that generator (0.7 to 1.3 times the amplitude); without, all are alike.
int32_t Dot_Current_Path(PATH_COLLECTION* collection, double dot_size, double spacing);
int32_t Squiggle_Current_Path(PATH_COLLECTION* collection, double wavelength, double amplitude,
                              double stretch, DRAWING_RANDOM* jitter = nullptr);

// Renders every path into (x, y, w, h) of the context (nullptr: the back
// buffer), the path window fitted to it and turned by `rotation_degrees`.
int32_t Render_Paths(DEVICE_CONTEXT* dc, PATH_COLLECTION* collection, int32_t x, int32_t y, int32_t w,
                     int32_t h, double rotation_degrees);
void Free_Path_Collection(PATH_COLLECTION* collection);

// Two empty path storages for a play diagram's routes.
struct DIAGRAM_PATH_PAIR {
    agg::path_storage First;
    agg::path_storage Second;
};
void Construct_Diagram_Path_Pair(DIAGRAM_PATH_PAIR* pair);

// The length of path `index` with its curves flattened; 0 for none.
double Measure_Path_Length(PATH_COLLECTION* collection, int32_t index);

// A rectangle and a hexagon (six corners 60 degrees apart from
// `start_degrees`, at distance r from the centre) as closed shapes.
void Add_Rectangle_To_Path(agg::path_storage* storage, double x1, double y1, double x2, double y2);
void Add_Hexagon_To_Path(agg::path_storage* storage, double cx, double cy, double r, double start_degrees);
// The rectangle around every vertex of the collection; false when it has none.
bool Get_Path_Bounding_Rect(PATH_COLLECTION* collection, double* x1, double* y1, double* x2, double* y2);
// A platform colour as a path colour, opaque.
uint32_t Colour_To_Rgba(COLOUR_VALUE colour);
// Builds paths from a description: "M x y" starts a path at the point,
// "L x y" draws a line to it, "Z" closes the shape, "#RRGGBB" (or
// "#RRGGBBAA") colours the newest path; numbers may carry "." and "-",
// and blanks or commas separate the parts. Returns the number of paths
// started; -1 (reported) at the first part it cannot read, the paths read
// before it kept.
int32_t Parse_Path_Description(PATH_COLLECTION* collection, const char* text);

// A gradient shape behind a virtual call, so that one span generator can
// take any of them.
class gradient_polymorphic_wrapper_base {
  public:
    virtual ~gradient_polymorphic_wrapper_base() = default;
    virtual int calculate(int x, int y, int d) const = 0;
};
// The shape's distance reflected: taken modulo 2d and mirrored above d, so
// the colours run out and back in rings.
template <class GRADIENT> class gradient_polymorphic_wrapper : public gradient_polymorphic_wrapper_base {
  public:
    int calculate(int x, int y, int d) const override {
        if (d <= 0) return 0;
        const int twice = 2 * d;
        int distance = Gradient.calculate(x, y, d) % twice;
        if (distance < 0) distance += twice;
        return distance >= d ? twice - distance : distance;
    }
    GRADIENT Gradient;
};
// A circle filling the middle of (x, y, w, h) with a radial gradient between
// two random colours (from `source`, else the league generator), reflected
// every quarter of the circle's size.
int32_t Draw_Radial_Gradient_Demo(DEVICE_CONTEXT* dc, int32_t x, int32_t y, int32_t w, int32_t h,
                                  DRAWING_RANDOM* source = nullptr);
