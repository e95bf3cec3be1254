#include "engine/passing_plays.h"

int32_t Check_For_Scramble(GAME_RECORD*) {
    return 0;
}
void Resolve_Pass_Play(GAME_RECORD*) {}
void Narrate_Scramble(GAME_RECORD*) {}
void Narrate_Incomplete_Pass(GAME_RECORD*, int32_t, int32_t, int32_t, int32_t) {}
void Narrate_Completed_Pass(GAME_RECORD*, int32_t, int32_t, int32_t, int32_t) {}
int32_t Get_Receiver_Slot(const GAME_RECORD*, int32_t) {
    return 255;
}
int32_t Choose_Pass_Target(GAME_RECORD*, int32_t* primary_chosen) {
    if (primary_chosen != nullptr) *primary_chosen = 0;
    return 0;
}
int32_t Get_Throw_Depth_Limit(GAME_RECORD*, int32_t) {
    return 0;
}
void Implement_Pass_Result(GAME_RECORD*, int32_t, int32_t, int32_t, int32_t, int32_t) {}
