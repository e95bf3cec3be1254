#include "engine/play_loop.h"

int32_t Down_Distance_Counts[4][DOWN_DISTANCE_ROWS];
int32_t Offensive_Play_Use_Counts[2][60];
int32_t Defensive_Play_Use_Counts[2][30];
int32_t Last_Offensive_Play = -1;
int32_t Last_Defensive_Play = -1;

void Reset_Play_Use_Counts() {}
void Run_Game_Play_Loop(GAME_RECORD*) {}
void Resolve_Play(GAME_RECORD*) {}
void Run_Scrimmage_Play(GAME_RECORD*) {}
int Is_Waiting_For_Play_Calls(const GAME_RECORD*) {
    return 0;
}
bool Is_Team_User_Called(int32_t) {
    return false;
}
bool Is_Watched_Game(const GAME_RECORD*) {
    return false;
}
void Change_Possession(GAME_RECORD*) {}
bool Is_Drop_Back_From_Center(const GAME_RECORD*) {
    return true;
}
void Set_Default_Formations(GAME_RECORD*) {}
int32_t Get_Animation_Step() {
    return 0;
}
bool Is_Waiting_For_Click() {
    return false;
}
bool Is_Sim_To_Quarter_Set() {
    return false;
}
void Set_Sim_To_Quarter(int32_t) {}
