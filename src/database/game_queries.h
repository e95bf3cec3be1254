#pragma once
// Queries on one game record that the rest of the league asks without knowing
// the engine: who played, who won, the quarter, possession, per-game leaders,
// and the record-level operations (find, clear, count finished games).
#include <cstdint>

#include "database/game_record_layout.h"

// Field readers.
int32_t Get_Game_Team_Byte(const GAME_RECORD* game, int32_t side);
int32_t Get_Game_Score(const GAME_RECORD* game, int32_t side);
int32_t Get_Game_Season_Year(const GAME_RECORD* game);
int32_t Get_Game_Week(const GAME_RECORD* game);
int32_t Get_Game_Clock(const GAME_RECORD* game);
int32_t Get_Game_Team_Total(const GAME_RECORD* game, int32_t side, int32_t n);

GAME_RECORD* Get_Game_Record(int32_t n);
int32_t Clear_Game_Record(GAME_RECORD* game);
// Also resets the Games view's shown game, which names one of them.
void Clear_All_Game_Records();
int32_t Count_Completed_Games();
int32_t Is_Game_Record_Final(int32_t n);
int32_t Is_Game_Record_Used(int32_t n);
int32_t Get_Record_Side1_Team(int32_t n);

int32_t Is_Real_Game(const GAME_RECORD* game);
int32_t Get_Game_Side(const GAME_RECORD* game, int32_t team);
int32_t Is_Side0_Ahead(const GAME_RECORD* game);
int32_t Is_Side1_Ahead(const GAME_RECORD* game);
int32_t Get_Game_Winner(GAME_RECORD* game);
int32_t Get_Game_Loser(GAME_RECORD* game);
int32_t Get_Game_Result_Team(GAME_RECORD* game, int32_t winner);
int32_t Get_Game_Offense_Team(const GAME_RECORD* game);
int32_t Get_Game_Defense_Team(const GAME_RECORD* game);
int32_t Is_Away_Team_On_Offense(const GAME_RECORD* game);
int32_t Is_Home_Team_On_Offense(const GAME_RECORD* game);
// The quarter of the game's clock, 5 on for the overtime periods; a try after
// a score at the end of a half still belongs to that half. Inside the
// quarters of regulation the clock alone tells, read inline as the snap asks
// it often; the ends of the halves and overtime are asked of the whole rule.
int32_t Get_Game_Quarter_By_Rule(const GAME_RECORD* game);
inline int32_t Get_Game_Quarter(const GAME_RECORD* game) {
    if (game != nullptr && game->Clock < 3600 && game->Clock != 1800) return game->Clock / 900 + 1;
    return Get_Game_Quarter_By_Rule(game);
}

int32_t Get_Game_Short_Value(const GAME_RECORD* game, int32_t i);
void Set_Game_Short_Value(GAME_RECORD* game, int32_t i, int32_t value);
int32_t Get_Game_Int_Value(const GAME_RECORD* game, int32_t i);
void Set_Game_Int_Value(GAME_RECORD* game, int32_t i, int32_t value);

// Counter 0-4 of the side's listed player `slot` (0-50) of a real game, signed
// (yards may be lost); 0 otherwise.
int32_t Get_Game_Player_Counter(const GAME_RECORD* game, int32_t side, int32_t slot, int32_t counter);
// The id of the side's listed player (of the first 51) with the highest
// positive value of `counter` among those whose own position, wherever he now
// plays, is in `group` (0 QB, 1-4 the backs and receivers, 8-12 the defence,
// 13 K, any other value but the line and the punter every position); the first
// of equal values; -1 when none.
int32_t Find_Game_Position_Leader(const GAME_RECORD* game, int32_t counter, int32_t group, int32_t side);
