#include "engine/penalties.h"

const char* Get_Penalty_Name(int32_t) {
    return "";
}
int32_t Is_Defensive_Penalty(int32_t) {
    return 0;
}
int32_t Apply_Half_The_Distance(int32_t, int32_t yards, int32_t) {
    return yards;
}
int32_t Is_Penalty_Possible(GAME_RECORD*) {
    return 0;
}
int Check_For_Penalty(GAME_RECORD*) {
    return 0;
}
