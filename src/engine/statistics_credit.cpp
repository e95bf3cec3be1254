#include "engine/statistics_credit.h"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include <string>
int32_t Get_Position_Stat_Category(int32_t position) { return 0; }
int32_t Get_Game_Counter_Index(int32_t category, int32_t stat) { return 0; }
void Increment_Player_Stat(int32_t team, int32_t slot, int32_t stat, int32_t amount) {  }
void Add_Team_Totals_Stat(int32_t team, int32_t category, int32_t season, int32_t stat, int32_t amount) {  }
void Credit_Game_Stat(GAME_RECORD* pGame, int32_t team, int32_t slot, int32_t group, int32_t stat, int32_t amount) {  }
int32_t Choose_Game_Event_Player(GAME_RECORD* pGame, int32_t group, int32_t stat, int32_t bPenalty) { return 0; }
int32_t Estimate_Player_Stat_Frequency(int32_t team, int32_t slot, int32_t stat) { return 0; }
int32_t Get_Adjusted_Stat_Frequency(int32_t team, int32_t slot, int32_t stat) { return 0; }
int32_t Get_Primary_Receiver(const GAME_RECORD* pGame) { return 0; }
int32_t Is_Alternate_Target_Snap(const GAME_RECORD* pGame) { return 0; }
int32_t Snap_Ends_Half(const GAME_RECORD* pGame) { return 0; }
void Credit_Run(GAME_RECORD* pGame, int32_t runner_slot, int32_t yards, int32_t hole) {  }
int32_t Credit_Sack(GAME_RECORD* pGame) { return 0; }
void Credit_Sack_Allowed(GAME_RECORD* pGame) {  }
void Credit_Passing_Yards(GAME_RECORD* pGame, int32_t team, int32_t slot, int32_t yards) {  }
int32_t Get_Game_Player_Score(const GAME_RECORD* pGame, int32_t side, int32_t index) { return 0; }
