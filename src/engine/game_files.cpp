#include "engine/game_files.h"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include <string>
std::string& Get_Page_Head_Text() { static std::string s; return s; }
std::string& Get_Play_By_Play_HTML() { static std::string s; return s; }
std::string& Get_Plain_Play_Text() { static std::string s; return s; }
void Clear_Game_Text_Buffers() {  }
void Get_Box_File_Name(char* buffer) {  }
void Get_Recap_File_Name(char* buffer) {  }
void Get_Shown_Box_File_Name(char* buffer) {  }
void Get_Shown_Recap_File_Name(char* buffer) {  }
void Write_Game_Start_Text(const GAME_RECORD* pGame) {  }
void Write_Box_Score_Top(const GAME_RECORD* pGame) {  }
void Write_Period_Header(const GAME_RECORD* pGame, int32_t period) {  }
void Close_Play_By_Play_Tables() {  }
void Write_Box_Score_File(int bClear) {  }
void Write_Recap_File(int bClear) {  }
