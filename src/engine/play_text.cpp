#include "engine/play_text.h"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include <string>
void Get_Penalty_Name(int32_t n, char* buffer, int size) {  }
void Get_Down_Text(const GAME_RECORD* pGame, char* buffer, int size) {  }
void Get_Short_Down_Text(const GAME_RECORD* pGame, char* buffer, int bLongForm, int size) {  }
void Get_Field_Position_Text(const GAME_RECORD* pGame, char* buffer, int size) {  }
void Get_Down_And_Field_Position_Text(const GAME_RECORD* pGame, char* buffer, int size) {  }
void Get_Short_Field_Position_Text(const GAME_RECORD* pGame, char* buffer, int size) {  }
void Format_Game_Clock(const GAME_RECORD* pGame, int bStartOfPeriod, char* buffer, int size) {  }
void Write_Play_Summary_Sentence(const GAME_RECORD* pGame, const PLAY_LOG_ENTRY* pPlay, char* buffer, int size) {  }
void Get_Period_Label(int32_t period, char* buffer, int size) {  }
