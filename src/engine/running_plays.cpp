#include "engine/running_plays.h"

void Resolve_Running_Play(GAME_RECORD*, int32_t) {}
void Resolve_Kneel_Down(GAME_RECORD*) {}
int32_t Choose_Run_Direction(GAME_RECORD*, int32_t) {
    return 1;
}
int32_t Draw_Scramble_Depth(int32_t) {
    return 0;
}
float Get_Replay_Rushing_Factor(const GAME_RECORD*) {
    return 1.0f;
}
int32_t Get_League_Replay_Rushing_Norm() {
    return 0;
}
int32_t Check_For_Kept_Fumble(GAME_RECORD*, int32_t, int32_t, int32_t) {
    return 0;
}
void Narrate_Run(GAME_RECORD*, int32_t, int32_t, int32_t, int32_t) {}
int32_t Find_Hole_Blocker(GAME_RECORD*) {
    return 255;
}
