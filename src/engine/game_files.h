#pragma once
// The game's text buffers (page head, HTML play-by-play, plain play text) and
// the box score and recap pages written from them after the game. The buffers
// grow as needed and are not saved.
#include <cstdint>
#include <string>

#include "database/game_record_layout.h"

std::string& Get_Page_Head_Text();
std::string& Get_Play_By_Play_HTML();
std::string& Get_Plain_Play_Text();
void Clear_Game_Text_Buffers();
// The plain play text is for the game screen: a game simulated without being
// watched keeps none, and its writers skip it. Outside a running simulation
// it is always kept.
bool Is_Plain_Play_Text_Kept(const GAME_RECORD* pGame);

// "Output\Box-%02d-%03d.htm" and "Output\Recap-%02d-%03d.htm" of the game being
// played, and of the game chosen on the games screens. Buffers of at least 64 bytes.
void Get_Box_File_Name(char* buffer);
void Get_Recap_File_Name(char* buffer);
void Get_Chosen_Game_Box_File_Name(char* buffer);
void Get_Chosen_Game_Recap_File_Name(char* buffer);

// Game start: heading of the plain text and the HTML page head. The box-score
// top (logos, teams with records, score by period) is added to the page head
// once the game is over, so its score table is complete.
void Write_Game_Start_Text(const GAME_RECORD* pGame);
void Write_Box_Score_Top(const GAME_RECORD* pGame);
// Period header rows in both play-by-play logs; `period` is 1-based.
void Write_Period_Header(const GAME_RECORD* pGame, int32_t period);
// Closes the play-by-play table. An overtime period's header with no play
// written under it (the overtime's of a game decided on regulation's last
// snap) is taken out of both logs first.
void Close_Play_By_Play_Tables();

void Write_Box_Score_File(int bClear);
void Write_Recap_File(int bClear);

// Points a result scores: 6 for touchdowns, 3 field goal, 2 safety or
// two-point conversion, 1 extra point.
int32_t Get_Result_Points(int32_t result);

// Escapes &, <, > and " for HTML text.
std::string Escape_HTML(const char* text);
// Appends the text escaped so to `out`.
void Append_Escaped_HTML(std::string& out, const char* text);
