#include "engine/field_goals.h"

int32_t Get_Field_Goal_Distance(int32_t yards_to_goal, int32_t) {
    return yards_to_goal + 17;
}
double Get_Field_Goal_Base_Chance(double, double, int32_t) {
    return 0.0;
}
int32_t Get_Field_Goal_Attempt_Stat(int32_t) {
    return 10;
}
void Resolve_Field_Goal(GAME_RECORD*) {}
int32_t Get_Conversion_Spot() {
    return 2;
}
double Get_Conversion_Kick_Chance(int32_t, int32_t) {
    return 0.0;
}
void Resolve_Conversion_Kick(GAME_RECORD*) {}
