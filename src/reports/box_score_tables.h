#pragma once
// The tables of a game's HTML box score: scoring plays (header at kickoff, a
// row per score), team statistics, offence and defence tables, closing tags.
// All append to Box_Score_HTML, which grows as needed.
#include <cstdint>
#include <string>

#include "database/game_record_layout.h"

std::string& Get_Box_Score_HTML();

void Write_Scoring_Plays_Header(const GAME_RECORD* pGame);
void Write_Scoring_Play_Row(const GAME_RECORD* pGame);
// The same row with the play's summary sentence already written.
void Write_Scoring_Play_Row(const GAME_RECORD* pGame, const char* sentence);
void Write_Box_Score_Team_Stats(const GAME_RECORD* pGame);
void Write_Box_Score_Offense_Tables(const GAME_RECORD* pGame);
void Write_Box_Score_Defense_Table(const GAME_RECORD* pGame);
// The offence tables and then the defence table, the log counted once for both.
void Write_Box_Score_Player_Tables(const GAME_RECORD* pGame);
// Closes the scoring-plays table once the game is over.
void Close_Scoring_Plays_Table();
void Close_Box_Score_Page();

int32_t Get_Game_Player_Counter(const GAME_RECORD* pGame, int32_t side, int32_t slot, int32_t group,
                                int32_t n);
// One log column of a player, from the roles he holds in the logged snaps:
// kind 0 (his side had the ball) column 3 completions, 6 passing touchdowns,
// 7 rushes, 8 rushing yards, 9 rushing touchdowns, 10 receptions, 12 receiving
// touchdowns, 13 fumbles lost; kind 2 (the other side had it) column 6 passes
// defensed, 8 fumbles recovered, 9 defensive touchdowns. Anything else is 0.
int32_t Count_Player_Log_Plays(const GAME_RECORD* pGame, int32_t side, int32_t slot, int32_t kind,
                               int32_t column);
// Counts a side's entries of one result; for 15 and 16 appends " (42, 35)" to
// `text` (of `size` bytes) when given.
int32_t Count_Side_Log_Results(const GAME_RECORD* pGame, int32_t side, int32_t code, char* text = nullptr,
                               int size = 0);
void Get_Play_Result_Name(int32_t code, char* text, int size);
void Get_Quarter_Label(const GAME_RECORD* pGame, char* text, int size);
// Scoring side of a scoring result: the side with the ball, or the other for
// returns and safeties.
int32_t Get_Scoring_Side(uint32_t play_word);
int32_t Is_Scoring_Result(int32_t code);
