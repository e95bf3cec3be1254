#pragma once
// Announcer commentary of a watched game: events queued on the current play,
// a sentence chosen for each, its "$" words filled in from the game.
#include <cstdint>

#include "database/game_record_layout.h"

constexpr int COMMENTARY_EVENTS = 54;
constexpr int COMMENTARY_SENTENCES = 20;
constexpr int COMMENTARY_MACROS = 24;
constexpr int COMMENTARY_LINE_SIZE = 2048;
constexpr int32_t NO_COMMENTARY_EVENT = -1;

extern const char* const Commentary_Templates[COMMENTARY_EVENTS][COMMENTARY_SENTENCES];
extern const char* const Commentary_Macros[COMMENTARY_MACROS];

// 1 when events of this game are narrated now: the calendar advances, the
// game is watched and no quarter run is on.
int32_t Is_Commentary_Active(const GAME_RECORD* pGame);
// Queues one event on the current play and renders its line at once; does
// nothing when commentary is not active or all ten slots are taken.
void Queue_Commentary(GAME_RECORD* pGame, int32_t event, int32_t a, int32_t b, int32_t c, int32_t player0_id,
                      int32_t player1_id);
// Turns slot i of the current play into commentary line i.
void Render_Commentary_Line(GAME_RECORD* pGame, int32_t i);
// Copies line i (empty for a bad index) into `buffer` of `size` bytes.
void Get_Commentary_Line(int32_t i, char* buffer, int size = COMMENTARY_LINE_SIZE);
void Clear_Commentary_Lines();
// The sentence index 0-19 for an event in the game's present state; draws
// from the league generator.
int32_t Choose_Commentary_Sentence(GAME_RECORD* pGame, int32_t event, int32_t a, int32_t b, int32_t c,
                                   int32_t player0_id, int32_t player1_id);
// Expands the "$" words of `text` for event slot `slot` of the current play
// into `out` (at most `size` bytes, first letter raised). Words inside the
// values put in are left as they are. Returns 0 when a value could not be
// produced: `out` then holds the stand-in line.
int32_t Expand_Commentary_Text(GAME_RECORD* pGame, const PLAY_EVENT_SLOT& slot, const char* text, char* out,
                               int size);
// Forgets the end-zone throws of the play (done when slot 0 is rendered).
void Reset_Pass_Zone_Counter();

// Event reporters of the play resolution.
void Narrate_Play_Start(GAME_RECORD* pGame);
void Narrate_Pass_Pressure(GAME_RECORD* pGame, int32_t rusher_slot);
void Narrate_Sack(GAME_RECORD* pGame, int32_t sacker_slot);
int32_t Is_Kicking_Result_Code(int32_t code);
