// Lookups into the formation catalogue.
#include "engine/formations.h"

#include <cstring>

#include "app/diagnostics.h"
#include "database/random_numbers.h"
#include "database/safe_strings.h"

int Get_Formation_Name(char* buffer, int buffer_size, int32_t formation) {
    if (buffer == nullptr || buffer_size <= 0) return 0;
    safe_strncpy(buffer, Formation_Names[Clamp_Int(0, NUMBER_OF_FORMATIONS - 1, formation)], buffer_size);
    return static_cast<int>(std::strlen(buffer));
}

int Get_Formation_Short_Name(char* buffer, int buffer_size, int32_t formation) {
    if (buffer == nullptr || buffer_size <= 0) return 0;
    safe_strncpy(buffer, Formation_Short_Names[Clamp_Int(0, NUMBER_OF_FORMATIONS - 1, formation)],
                 buffer_size);
    return static_cast<int>(std::strlen(buffer));
}

int32_t Get_Formation_Slot_Position(int32_t formation, int32_t slot, int32_t which) {
    if (!Is_Valid_Formation(formation) || slot < 0 || slot >= PLAYERS_ON_FIELD) {
        Report_System_Error("Invalid nFormation in Get_Formation_Slot_Position(%d,%d,%d)", formation, slot,
                            which);
        return -1;
    }
    const FORMATION_SLOT& entry = Formation_Slot_Table[formation][slot];
    if (which == FORMATION_SLOT_POSITION) return entry.Position;
    if (which == FORMATION_SLOT_DEPTH) return entry.Depth;
    Report_System_Error("Invalid nWhich in Get_Formation_Slot_Position(%d,%d,%d)", formation, slot, which);
    return -1;
}

void Get_Formation_Coordinate(int32_t formation, int32_t slot, double* x, double* y) {
    double fx = 0.0;
    double fy = 0.0;
    if (!Is_Valid_Formation(formation) || slot < 0 || slot >= PLAYERS_ON_FIELD) {
        Report_System_Error("Invalid nFormation in Get_Formation_Coordinate(%d,%d)", formation, slot);
    } else {
        fx = Formation_Coordinate_Table[formation][slot].X;
        fy = Formation_Coordinate_Table[formation][slot].Y;
    }
    if (x != nullptr) *x = fx;
    if (y != nullptr) *y = fy;
}

bool Is_Shotgun_Snap_Formation(int32_t formation) {
    switch (formation) {
    case 8:
    case 9:
    case 10:
    case 11:
    case 12:
    case 15:
    case 17:
    case 18:
    case 19:
    case 21:
    case FORMATION_PUNT:
    case FORMATION_FIELD_GOAL:
    case FORMATION_CONVERSION_KICK:
        return true;
    default:
        return false;
    }
}

int32_t Get_Base_Starter_Count(int32_t position, bool three_four_defense) {
    // QB RB FB TE WR T G C DE DT LB CB S K P
    static const int8_t starters[15] = {1, 1, 1, 1, 2, 2, 2, 1, 2, 2, 3, 2, 2, 0, 0};
    if (position < 0 || position >= 15) return 0;
    if (three_four_defense && position == 9) return 1;
    if (three_four_defense && position == 10) return 4;
    return starters[position];
}
