#include "reports/box_score_tables.h"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include <string>
std::string& Get_Box_Score_HTML() { static std::string s; return s; }
void Write_Scoring_Plays_Header(const GAME_RECORD* pGame) {  }
void Write_Scoring_Play_Row(const GAME_RECORD* pGame) {  }
void Write_Box_Score_Team_Stats(const GAME_RECORD* pGame) {  }
void Write_Box_Score_Offense_Tables(const GAME_RECORD* pGame) {  }
void Write_Box_Score_Defense_Table(const GAME_RECORD* pGame) {  }
void Close_Scoring_Plays_Table() {  }
void Close_Box_Score_Page() {  }
int32_t Get_Game_Player_Counter(const GAME_RECORD* pGame, int32_t side, int32_t slot, int32_t group, int32_t n) { return 0; }
int32_t Count_Player_Log_Plays(const GAME_RECORD* pGame, int32_t side, int32_t slot, int32_t kind, int32_t column) { return 0; }
int32_t Count_Side_Log_Results(const GAME_RECORD* pGame, int32_t side, int32_t code, char* text, int size) { return 0; }
void Get_Play_Result_Name(int32_t code, char* text, int size) {  }
void Get_Quarter_Label(const GAME_RECORD* pGame, char* text, int size) {  }
int32_t Get_Scoring_Side(uint32_t play_word) { return 0; }
int32_t Is_Scoring_Result(int32_t code) { return 0; }
