#pragma once
// What the main window and the game screen ask of the game being played.
#include <cstdint>

#include "database/game_record_layout.h"

constexpr int32_t ROUTE_FLAG_WIGGLE = 1;
constexpr int32_t ROUTE_FLAG_DOTTED_LINE = 8;
constexpr int32_t ROUTE_FLAG_TOP_SEMI = 32;
constexpr int32_t ROUTE_FLAG_BOTTOM_SEMI = 64;
constexpr int32_t ROUTE_FLAG_NEW_PATH = 1024;

int32_t Get_Play_Call_State();
void Auto_Select_Play_Calls();
int32_t Get_Timeout_Team(const GAME_RECORD* pGame);
int32_t Is_Game_Play_By_Play(const GAME_RECORD* pGame);
int32_t Is_Current_Game_Play_By_Play();
GAME_RECORD* Get_Current_Game_Record();
int32_t Is_Game_In_Progress();
// Scoreboard texts of the game screen; nothing is drawn without a game on one
// of the game views. Returns 1 when the scoreboard was drawn.
int32_t Draw_Scoreboard(const GAME_RECORD* pGame);
int32_t Draw_Game_Score_Panel(void* dc);
int32_t Valid_Receiving_Route(int32_t nPassRoute);
int32_t Get_Pass_Route_Segment_Flag(int32_t route, int32_t segment);
int32_t Get_Pass_Route_Value(int32_t route);
