#include "engine/game_driver.h"

char Play_By_Play_Work_Buffer[PBP_WORK_BUFFER_SIZE];
char Play_By_Play_Second_Work_Buffer[PBP_SECOND_WORK_BUFFER_SIZE];
int32_t Game_Screen_Mode = 0;

void Clear_Play_By_Play_Work_Buffers() {}
int Play_Game(int32_t, int32_t, int32_t, GAME_RECORD*) {
    return 0;
}
int Begin_Game(GAME_RECORD*) {
    return 0;
}
void Finish_Game(GAME_RECORD*, int32_t) {}
int Is_Game_Over(const GAME_RECORD*) {
    return 0;
}
void Write_Down_And_Distance_File() {}
