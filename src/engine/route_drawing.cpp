#include "engine/route_drawing.h"

#include "app/diagnostics.h"

namespace {
bool Is_Unused_Point(const double* point) {
    return point[0] == 0.0 && point[1] == 0.0;
}
} // namespace

int32_t Count_Route_Segments(int32_t route) {
    if (route < 0 || route >= PASS_ROUTE_COUNT) return 0;
    for (int32_t i = ROUTE_POINTS; i > 0; --i)
        if (!Is_Unused_Point(Pass_Route_Drawing[route].Points[i - 1])) return i;
    return 0;
}

double Get_Pass_Route_End_X(int32_t route) {
    const int32_t segments = Count_Route_Segments(route);
    return segments == 0 ? 0.0 : Pass_Route_Drawing[route].Points[segments - 1][0];
}

bool Pass_Route_Ends_Outside(int32_t route) {
    if (route < 0 || route >= PASS_ROUTE_COUNT) return false;
    const int kind = Pass_Route_Table[route].Kind;
    const double edge = (kind == 1 || kind == 4) ? 3.0 : -1.5;
    return Get_Pass_Route_End_X(route) >= edge;
}

int32_t Get_Defensive_Responsibility_Flag(int32_t role, int32_t segment) {
    if (role < 0 || role >= DEFENSIVE_RESPONSIBILITY_COUNT || segment < 0 ||
        segment >= RESPONSIBILITY_POINTS) {
        Report_System_Error("Invalid argument in Get_Defensive_Responsibility_Flag(%d,%d)", role, segment);
        return 0;
    }
    return Defensive_Responsibility_Drawing[role].Flags[segment];
}

int32_t Get_Defensive_Responsibility_Point(int32_t role, int32_t point, double* x, double* y) {
    if (role < 0 || role >= DEFENSIVE_RESPONSIBILITY_COUNT || point < 0 || point >= RESPONSIBILITY_POINTS) {
        Report_System_Error("Invalid argument in Get_Defensive_Responsibility_Point(%d,%d)", role, point);
        if (x != nullptr) *x = 0.0;
        if (y != nullptr) *y = 0.0;
        return 0;
    }
    if (x != nullptr) *x = Defensive_Responsibility_Drawing[role].Points[point][0];
    if (y != nullptr) *y = Defensive_Responsibility_Drawing[role].Points[point][1];
    return 1;
}
