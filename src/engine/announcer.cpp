#include "engine/announcer.h"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include <string>
void Queue_Commentary(GAME_RECORD* pGame, int32_t event, int32_t a, int32_t b, int32_t c, int32_t player0_id,
                      int32_t player1_id) {}
void Render_Commentary_Line(GAME_RECORD* pGame, int32_t i) {}
void Get_Commentary_Line(int32_t i, char* buffer, int size) {}
void Clear_Commentary_Lines() {}
int32_t Choose_Commentary_Sentence(GAME_RECORD* pGame, int32_t event, int32_t a, int32_t b, int32_t c,
                                   int32_t player0_id, int32_t player1_id) {
    return 0;
}
void Narrate_Play_Start(GAME_RECORD* pGame) {}
void Narrate_Pass_Pressure(GAME_RECORD* pGame, int32_t rusher_slot) {}
void Narrate_Sack(GAME_RECORD* pGame, int32_t sacker_slot) {}
int32_t Is_Kicking_Result_Code(int32_t code) {
    return code >= 17 && code <= 20 ? 1 : 0;
}
