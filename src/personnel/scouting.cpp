#include "personnel/scouting.h"

// The scouts report every figure as it is until scouting staffs are modelled.
int32_t Apply_Scouting_Error(int32_t, int32_t, int32_t value) {
    return value;
}
