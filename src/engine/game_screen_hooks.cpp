#include "engine/game_screen_hooks.h"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include <string>
int32_t Get_Play_Call_State() { return 0; }
void Auto_Select_Play_Calls() {  }
int32_t Get_Timeout_Team(const GAME_RECORD* pGame) { return 0; }
int32_t Is_Game_Play_By_Play(const GAME_RECORD* pGame) { return 0; }
int32_t Is_Current_Game_Play_By_Play() { return 0; }
GAME_RECORD* Get_Current_Game_Record() { return nullptr; }
int32_t Is_Game_In_Progress() { return 0; }
int32_t Draw_Scoreboard(const GAME_RECORD* pGame) { return 0; }
int32_t Draw_Game_Score_Panel(void* dc) { return 0; }
int32_t Valid_Receiving_Route(int32_t nPassRoute) { return 0; }
int32_t Get_Pass_Route_Segment_Flag(int32_t route, int32_t segment) { return 0; }
int32_t Get_Pass_Route_Value(int32_t route) { return 0; }
