// The offence's layer of a play diagram: the quarterback's and the five
// receivers' paths (routes from the route table, the ball carrier's run to
// the hole, the lead blocker) and the linemen's blocking marks.
#include <algorithm>
#include <cmath>

#include "engine/formations.h"
#include "engine/game_screen_hooks.h"
#include "engine/playbook_records.h"
#include "engine/route_drawing.h"
#include "playbooks/play_diagrams.h"
#include "playbooks/playbook_queries.h"
#include "views/diagram_highlight.h"

namespace {
constexpr int32_t RUSH_ROUTE = 54;
constexpr int32_t LEAD_BLOCK_ROUTE = 40;
constexpr int32_t RUN_BLOCK_ROUTE = 41;
constexpr int32_t ROLLOUT_ROUTE = 48;
constexpr int32_t DEEP_ROLLOUT_ROUTE = 49;
constexpr int32_t FIRST_LINEMAN_SLOT = 6;
constexpr double ROUTE_LATERAL_LIMIT = 17.0;
constexpr double CARRIER_LATERAL_LIMIT = 8.0;

// What a route layer reads of the play: the playbook's play, or the kicking
// play of the built-in table.
struct DIAGRAM_PLAY {
    int32_t Team;
    int32_t Play;
    bool Special;
    int32_t Formation;
    int32_t Type;
    int32_t Primary; // formation slot, -1 none
    int32_t Hole;
    int32_t Option_Hole;
    int32_t Routes[PLAY_RECEIVERS];
};

DIAGRAM_PLAY Read_Diagram_Play(int32_t team, int32_t play, bool special) {
    DIAGRAM_PLAY p{};
    p.Team = team;
    p.Play = play;
    p.Special = special;
    if (special) {
        const OFFENSIVE_PLAY& kick = SPECIAL_TEAMS_PLAYS[((play % 10) + 10) % 10];
        p.Formation = kick.Formation;
        p.Type = kick.Play_Type;
        p.Primary = kick.Primary >= 1 && kick.Primary <= 1 + PLAY_RECEIVERS ? kick.Primary - 1 : -1;
        p.Hole = kick.Hole_Or_Depth;
        p.Option_Hole = kick.Option_Hole;
        for (int32_t r = 0; r < PLAY_RECEIVERS; ++r)
            p.Routes[r] = kick.Routes[r];
        return p;
    }
    p.Formation = Get_Offensive_Play_Formation(team, play);
    p.Type = Get_Offensive_Play_Type(team, play);
    p.Primary = Get_Offensive_Play_Primary_Receiver(team, play);
    p.Hole = Get_Offensive_Play_Depth(team, play);
    p.Option_Hole = Get_Offensive_Play_Option(team, play);
    for (int32_t r = 0; r < PLAY_RECEIVERS; ++r)
        p.Routes[r] = Get_Offensive_Play_Route(team, play, r);
    return p;
}

bool Is_Running_Type(int32_t type) {
    return (type >= PLAY_TYPE_RUSH && type <= PLAY_TYPE_END_AROUND) || type == PLAY_TYPE_COUNTER ||
           type == PLAY_TYPE_DOUBLE_REVERSE || type == PLAY_TYPE_REVERSE;
}

bool Is_Passing_Type(int32_t type) {
    return (type >= PLAY_TYPE_PASS && type <= PLAY_TYPE_SCREEN) ||
           (type >= PLAY_TYPE_FLEA_FLICKER && type <= PLAY_TYPE_FAKE_REVERSE);
}

bool Has_Route(const DIAGRAM_PLAY& p, int32_t route) {
    return std::find(std::begin(p.Routes), std::end(p.Routes), route) != std::end(p.Routes);
}

bool Has_Play_Action_Route(const DIAGRAM_PLAY& p) {
    return std::any_of(std::begin(p.Routes), std::end(p.Routes),
                       [](int32_t r) { return Is_Play_Action_Route(r); });
}

double Hole_Lateral(const DIAGRAM_PLAY& p) {
    return Get_Diagram_Hole_Lateral(p.Hole);
}

void Spot(const DIAGRAM_PLAY& p, int32_t slot, double* x, double* y) {
    Get_Formation_Coordinate(p.Formation, slot, x, y);
}

// The route a formation slot runs: receivers their own, the quarterback the
// carrier's run or a rollout by the play type.
int32_t Get_Slot_Route(const DIAGRAM_PLAY& p, int32_t slot) {
    if (slot >= 1 && slot <= PLAY_RECEIVERS) return p.Routes[slot - 1];
    switch (p.Type) {
    case PLAY_TYPE_RUSH:
    case PLAY_TYPE_SWEEP:
    case PLAY_TYPE_DRAW:
    case PLAY_TYPE_TRAP:
    case PLAY_TYPE_COUNTER:
        return p.Primary == 0 ? RUSH_ROUTE : -1;
    case PLAY_TYPE_ROLLOUT:
    case PLAY_TYPE_BOOTLEG:
        return Is_Shotgun_Snap_Formation(p.Formation) ? DEEP_ROLLOUT_ROUTE : ROLLOUT_ROUTE;
    default:
        return -1;
    }
}

// The run to the hole of the ball carrier, or of a play-action fake.
void Draw_Run_To_Hole(PLAY_DIAGRAM* d, const DIAGRAM_PLAY& p, int32_t route, double x, double y) {
    const int32_t hole = Is_Play_Action_Route(route) && !Is_Passing_Type(p.Type) ? p.Option_Hole : p.Hole;
    if (hole < 0) return;
    const double h = Get_Diagram_Hole_Lateral(hole);
    double offset = 0.0;
    if (Has_Route(p, LEAD_BLOCK_ROUTE)) offset = h > 0 ? -0.35 : h < 0 ? 0.35 : 0.0;
    const double b = h + offset;
    const double target = std::clamp(b, -CARRIER_LATERAL_LIMIT, CARRIER_LATERAL_LIMIT);
    const double t = std::trunc(y);
    const double k = (y + 1.6) / 3.4;
    double from_x = x, from_y = y;
    auto step = [&](int32_t flags, double to_x, double to_y) {
        Add_Route_Segment(d, flags, from_x, from_y, to_x, to_y);
        from_x = to_x;
        from_y = to_y;
    };
    if (std::fabs(x) <= 5.0 && p.Type == PLAY_TYPE_COUNTER) {
        // The counter's first step goes the other way.
        double e = 2.0;
        if (h >= 0)
            e = std::max(x, 0.0) - 2.0;
        else if (x < 0)
            e = x + 2.0;
        step(0, e, t - (std::fabs(x - e) + 3.0) * k / 6.0 - 0.5);
        step(0, target, t - (std::fabs(e - b) + 3.0) * k / 6.0 + 0.5);
    } else if (std::fabs(x) <= 5.0) {
        step(0, target, t - (std::fabs(x - b) + 3.0) * k / 6.0);
    } else {
        step(0, 0.8 * x, -3.2);
        step(0, target, -3.2);
    }
    step(ROUTE_FLAG_ARROW, b, 4.7);
}

void Draw_Lead_Block(PLAY_DIAGRAM* d, const DIAGRAM_PLAY& p, double x, double y) {
    const double h = Hole_Lateral(p);
    double lean = 0.0;
    if (Is_Running_Type(p.Type)) lean = h > 0 ? 0.35 : h < 0 ? -0.35 : 0.0;
    const double f = h + lean;
    Add_Route_Segment(d, 0, x, y, f, std::trunc(y) + 2.4);
    Add_Route_Segment(d, 0, f, std::trunc(y) + 2.4, f, 2.2);
    Add_Route_Segment(d, ROUTE_FLAG_ARROW, f, 2.2, f + 2.0 * lean, 3.0);
}

void Draw_Table_Route(PLAY_DIAGRAM* d, int32_t route, double x, double y, bool primary) {
    if (route < 0 || route >= PASS_ROUTE_COUNT) return;
    // A receiver deep in the backfield on a route that is no backfield route
    // swings out to the flat first.
    if (y < -2.0 && Pass_Route_Table[route].Kind != 1) {
        const double side = x >= 0 ? 1.0 : -1.0;
        Add_Route_Segment(d, 0, x, y, 5.0 * side, y);
        Add_Route_Segment(d, 0, 5.0 * side, y, 7.2 * side, -1.0);
        x = 7.2 * side;
        y = -1.0;
    }
    Draw_Pass_Route_Shape(d, route, x, y, primary);
}

uint32_t Route_Colour(bool primary, bool selected) {
    if (primary) return selected ? DIAGRAM_SELECTED_PRIMARY_COLOUR : DIAGRAM_PRIMARY_COLOUR;
    return selected ? DIAGRAM_SELECTED_COLOUR : DIAGRAM_PLAYER_COLOUR;
}

// +1 when the target lies right of the lineman, -1 at or left of him: the
// sign of the pairs in the block marks.
double Side_Of(double target, double x) {
    return target <= x ? 1.0 : -1.0;
}

bool Same_Side(double a, double b) {
    return (a > 0 && b > 0) || (a < 0 && b < 0);
}

bool Opposite_Sides(double a, double b) {
    return (a > 0 && b < 0) || (a < 0 && b > 0);
}

// The lateral that decides the play side: the hole of a run, the primary
// receiver of a pass.
bool Get_Play_Side_Lateral(const DIAGRAM_PLAY& p, double* lateral) {
    if (Is_Running_Type(p.Type)) {
        *lateral = Hole_Lateral(p);
        return true;
    }
    if (Is_Passing_Type(p.Type) && p.Primary >= 0) {
        double y = 0;
        Spot(p, p.Primary, lateral, &y);
        return true;
    }
    return false;
}

// The mark in a path of its own, in the linemen's colour.
void Draw_Lineman_Mark(PLAY_DIAGRAM* d, const DIAGRAM_PLAY& p, int32_t slot, int32_t mark);
// The mark added to the route being drawn.
void Add_Block_Mark(PLAY_DIAGRAM* d, const DIAGRAM_PLAY& p, int32_t slot, int32_t mark);
} // namespace

void Draw_Pass_Route_Shape(PLAY_DIAGRAM* diagram, int32_t route, double x, double y, bool primary) {
    if (diagram == nullptr || route < 0 || route >= PASS_ROUTE_COUNT) return;
    const double mirror = x < 0 ? -1.0 : 1.0;
    const ROUTE_DRAWING& shape = Pass_Route_Drawing[route];
    auto point = [&](int32_t i, double* px, double* py) {
        *px = std::clamp(x + mirror * shape.Points[i][0], -ROUTE_LATERAL_LIMIT, ROUTE_LATERAL_LIMIT);
        *py = y + shape.Points[i][1];
    };
    for (int32_t i = 0; i < ROUTE_POINTS; ++i) {
        double x0 = x, y0 = y, x1 = 0, y1 = 0;
        if (i > 0) point(i - 1, &x0, &y0);
        if (i > 0 && shape.Points[i][0] == 0.0 && shape.Points[i][1] == 0.0) {
            x1 = x0;
            y1 = y0;
        } else {
            point(i, &x1, &y1);
        }
        int32_t flags = Get_Pass_Route_Segment_Flag(route, i);
        if (Is_Arrow_Segment(flags))
            flags = (flags & ~ROUTE_FLAG_ANY_ARROW) |
                    (primary ? ROUTE_FLAG_ARROW_LARGE : ROUTE_FLAG_ARROW_MEDIUM);
        Add_Route_Segment(diagram, flags, x0, y0, x1, y1);
    }
}

bool Is_Lineman_On_Play_Side(int32_t slot, int32_t team, int32_t play) {
    if (slot != 7 && slot != 9) return false;
    const DIAGRAM_PLAY p = Read_Diagram_Play(team, play, false);
    double side = 0, x = 0, y = 0;
    if (!Get_Play_Side_Lateral(p, &side)) return false;
    Spot(p, slot, &x, &y);
    return Same_Side(side, x);
}

bool Is_Lineman_Away_From_Hole(int32_t slot, int32_t team, int32_t play) {
    if (slot != 7 && slot != 9) return false;
    const DIAGRAM_PLAY p = Read_Diagram_Play(team, play, false);
    double side = 0, x = 0, y = 0;
    if (!Get_Play_Side_Lateral(p, &side)) return false;
    Spot(p, slot, &x, &y);
    return Opposite_Sides(side, x);
}

namespace {
enum LINEMAN_MARK { NO_MARK, RUN_MARK, PASS_MARK, TRAP_MARK, PULL_MARK };

int32_t Choose_Lineman_Mark(const DIAGRAM_PLAY& p, int32_t slot) {
    const bool play_side = Is_Lineman_On_Play_Side(slot, p.Team, p.Play);
    switch (p.Type) {
    case PLAY_TYPE_RUSH:
    case PLAY_TYPE_TOSS:
    case PLAY_TYPE_COUNTER:
        return RUN_MARK;
    case PLAY_TYPE_SWEEP:
        return play_side ? PULL_MARK : RUN_MARK;
    case PLAY_TYPE_DRAW:
    case PLAY_TYPE_PASS:
    case PLAY_TYPE_BOOTLEG:
    case PLAY_TYPE_PUNT:
    case PLAY_TYPE_FIELD_GOAL:
    case PLAY_TYPE_KNEEL_DOWN:
        return PASS_MARK;
    case PLAY_TYPE_TRAP:
        return Is_Lineman_Away_From_Hole(slot, p.Team, p.Play) ? TRAP_MARK : RUN_MARK;
    case PLAY_TYPE_END_AROUND:
    case PLAY_TYPE_DOUBLE_REVERSE:
    case PLAY_TYPE_REVERSE:
        return play_side && !Has_Play_Action_Route(p) ? PULL_MARK : RUN_MARK;
    case PLAY_TYPE_ROLLOUT:
        return play_side ? PULL_MARK : PASS_MARK;
    case PLAY_TYPE_SCREEN:
        return play_side && !Has_Play_Action_Route(p) ? PULL_MARK : PASS_MARK;
    default:
        return NO_MARK;
    }
}

void Draw_Lineman_Mark(PLAY_DIAGRAM* d, const DIAGRAM_PLAY& p, int32_t slot, int32_t mark) {
    Begin_Route_Path(d, DIAGRAM_PLAYER_COLOUR, DIAGRAM_LINE_WIDTH);
    Add_Block_Mark(d, p, slot, mark);
}

void Add_Block_Mark(PLAY_DIAGRAM* d, const DIAGRAM_PLAY& p, int32_t slot, int32_t mark) {
    double x = 0, y = 0;
    Spot(p, slot, &x, &y);
    const double h = Hole_Lateral(p);
    switch (mark) {
    case RUN_MARK: {
        // Drives his man away from the hole.
        const double s = Side_Of(h, x);
        Add_Route_Segment(d, 0, x, y, x + s, y + 2.0);
        Add_Route_Segment(d, 0, x + 0.6 * s, y + 2.2, x + 1.4 * s, y + 1.8);
        break;
    }
    case PASS_MARK: {
        const double ex = x + x / 6.0, ey = y + 1.0 + 0.41 * (6.0 - std::fabs(x)) / 6.0;
        const double half = 0.5 - std::fabs(0.15 * x / 6.0);
        Add_Route_Segment(d, 0, x, y, ex, ey);
        Add_Route_Segment(d, 0, ex - half, ey + 0.35 * x / 6.0, ex + half, ey - 0.35 * x / 6.0);
        break;
    }
    case TRAP_MARK: {
        const double s = Side_Of(h, x);
        Add_Route_Segment(d, 0, x, y, x - s, y - 2.75);
        Add_Route_Segment(d, 0, x - s, y - 2.75, h + s, y - 2.75);
        Add_Route_Segment(d, 0, h + s, y - 2.75, h - s, y - 1.75);
        const double ex = h - s, ey = y - 1.75;
        Add_Route_Segment(d, 0, ex + 0.12 * s, ey + 0.45, ex - 0.12 * s, ey - 0.45);
        break;
    }
    case PULL_MARK: {
        double t = x > 0 ? Get_Diagram_Hole_Lateral(8) : Get_Diagram_Hole_Lateral(9);
        if (p.Type == PLAY_TYPE_DOUBLE_REVERSE) t = -t;
        const double s = Side_Of(t, x);
        Add_Route_Segment(d, 0, x, y, x - s, y - 1.8);
        Add_Route_Segment(d, 0, x - s, y - 1.8, t + 1.8 * s, y - 0.8);
        Add_Route_Segment(d, 0, t + 1.8 * s, y - 0.8, t + 1.2 * s, y + 5.0);
        const double ex = t + 1.2 * s;
        Add_Route_Segment(d, 0, ex - 0.5, y + 5.1, ex + 0.5, y + 5.1);
        break;
    }
    default:
        break;
    }
}
} // namespace

void Draw_Run_Block(PLAY_DIAGRAM* diagram, int32_t team, int32_t play, int32_t slot) {
    if (diagram != nullptr) Draw_Lineman_Mark(diagram, Read_Diagram_Play(team, play, false), slot, RUN_MARK);
}

void Draw_Pass_Block(PLAY_DIAGRAM* diagram, int32_t team, int32_t play, int32_t slot) {
    if (diagram != nullptr) Draw_Lineman_Mark(diagram, Read_Diagram_Play(team, play, false), slot, PASS_MARK);
}

void Draw_Trap_Block(PLAY_DIAGRAM* diagram, int32_t team, int32_t play, int32_t slot) {
    if (diagram != nullptr) Draw_Lineman_Mark(diagram, Read_Diagram_Play(team, play, false), slot, TRAP_MARK);
}

void Draw_Pulling_Block(PLAY_DIAGRAM* diagram, int32_t team, int32_t play, int32_t slot) {
    if (diagram != nullptr) Draw_Lineman_Mark(diagram, Read_Diagram_Play(team, play, false), slot, PULL_MARK);
}

void Draw_Lineman_Block(PLAY_DIAGRAM* diagram, int32_t team, int32_t play, int32_t slot) {
    if (diagram == nullptr || slot < FIRST_LINEMAN_SLOT || slot >= PLAYERS_ON_FIELD) return;
    const DIAGRAM_PLAY p = Read_Diagram_Play(team, play, false);
    if (!Is_Valid_Formation(p.Formation)) return;
    const int32_t mark = Choose_Lineman_Mark(p, slot);
    if (mark != NO_MARK) Draw_Lineman_Mark(diagram, p, slot, mark);
}

void Draw_Offensive_Routes(PLAY_DIAGRAM* diagram, int32_t team, int32_t play, bool special) {
    if (diagram == nullptr) return;
    if (!special && (play < 0 || play >= OFFENSIVE_PLAYS)) return;
    const DIAGRAM_PLAY p = Read_Diagram_Play(team, play, special);
    if (!Is_Valid_Formation(p.Formation)) return;
    if (!special && Is_Shotgun_Snap_Formation(p.Formation)) {
        double x = 0, y = 0;
        Spot(p, 0, &x, &y);
        Begin_Route_Path(diagram,
                         Highlighted_Formation_Slot == 0 ? DIAGRAM_SELECTED_COLOUR : DIAGRAM_PLAYER_COLOUR,
                         DIAGRAM_LINE_WIDTH);
        Add_Route_Segment(diagram, ROUTE_FLAG_DOTTED_LINE, 0.001, 0.0, x, y);
    }
    for (int32_t slot = 0; slot <= PLAY_RECEIVERS; ++slot) {
        const bool primary = slot == p.Primary;
        const bool selected = slot == Highlighted_Formation_Slot;
        Begin_Route_Path(diagram, Route_Colour(primary, selected),
                         primary ? DIAGRAM_PRIMARY_WIDTH : DIAGRAM_LINE_WIDTH);
        const int32_t route = Get_Slot_Route(p, slot);
        double x = 0, y = 0;
        Spot(p, slot, &x, &y);
        if (route == RUSH_ROUTE || Is_Play_Action_Route(route))
            Draw_Run_To_Hole(diagram, p, route, x, y);
        else if (route == LEAD_BLOCK_ROUTE)
            Draw_Lead_Block(diagram, p, x, y);
        else if (route == RUN_BLOCK_ROUTE)
            Add_Block_Mark(diagram, p, slot, RUN_MARK);
        else
            Draw_Table_Route(diagram, route, x, y, primary);
    }
    if (!special)
        for (int32_t slot = FIRST_LINEMAN_SLOT; slot < PLAYERS_ON_FIELD; ++slot) {
            const int32_t mark = Choose_Lineman_Mark(p, slot);
            if (mark != NO_MARK) Draw_Lineman_Mark(diagram, p, slot, mark);
        }
}
