#pragma once
// Announcer commentary of a watched game: events queued on the current play,
// a sentence chosen for each, its "$" words filled in from the game.
#include <cstdint>

#include "database/game_record_layout.h"

constexpr int COMMENTARY_EVENTS = 54;
constexpr int COMMENTARY_SENTENCES = 20;
constexpr int COMMENTARY_MACROS = 24;
constexpr int COMMENTARY_LINE_SIZE = 2048;

extern const char* const Commentary_Templates[COMMENTARY_EVENTS][COMMENTARY_SENTENCES];
extern const char* const Commentary_Macros[COMMENTARY_MACROS];

void Queue_Commentary(GAME_RECORD* pGame, int32_t event, int32_t a, int32_t b, int32_t c, int32_t player0_id,
                      int32_t player1_id);
void Render_Commentary_Line(GAME_RECORD* pGame, int32_t i);
void Get_Commentary_Line(int32_t i, char* buffer, int size = COMMENTARY_LINE_SIZE);
void Clear_Commentary_Lines();
// Fills entry i directly (event, sentence, arguments, players); for callers
// that replay a stored queue.
int32_t Choose_Commentary_Sentence(GAME_RECORD* pGame, int32_t event, int32_t a, int32_t b, int32_t c,
                                   int32_t player0_id, int32_t player1_id);

// Event reporters of the play resolution.
void Narrate_Play_Start(GAME_RECORD* pGame);
void Narrate_Pass_Pressure(GAME_RECORD* pGame, int32_t rusher_slot);
void Narrate_Sack(GAME_RECORD* pGame, int32_t sacker_slot);
int32_t Is_Kicking_Result_Code(int32_t code);
