#include "engine/kicking_plays.h"

void Start_Game_Period(GAME_RECORD*) {}
void Resolve_Kickoff(GAME_RECORD*) {}
void Resolve_Onside_Kick(GAME_RECORD*) {}
void Resolve_Punt(GAME_RECORD*) {}
int32_t Get_Kick_Return_Yards(int32_t, int32_t, int32_t) {
    return 1;
}
int32_t Get_Punt_Return_Yards(int32_t, int32_t, int32_t) {
    return 1;
}
int32_t Get_Period_Length(GAME_RECORD*) {
    return 900;
}
int32_t Get_Period_Time_Left(GAME_RECORD*) {
    return 0;
}
int32_t Get_Half_Time_Left(GAME_RECORD*) {
    return 0;
}
