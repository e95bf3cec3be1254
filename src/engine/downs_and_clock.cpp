#include "engine/downs_and_clock.h"

int32_t Red_Zone_Counts[RED_ZONE_YARDS + 1];
int32_t Red_Zone_Field_Goal_Counts[RED_ZONE_YARDS + 1];
int32_t Red_Zone_Touchdown_Counts[RED_ZONE_YARDS + 1];

void Write_Red_Zone_File() {}
bool Is_Regular_Season_Game(const GAME_RECORD*) {
    return true;
}
int32_t Get_Game_Overtime_Rule(const GAME_RECORD*) {
    return 0;
}
bool Is_Overtime_Timed(const GAME_RECORD*) {
    return true;
}
int32_t Get_Game_Half(const GAME_RECORD*) {
    return 0;
}
int32_t Get_Game_Time_Left(const GAME_RECORD*) {
    return 0;
}
bool Is_Hurry_Up_Offense(const GAME_RECORD*) {
    return false;
}
bool Is_Kneel_Down_Situation(const GAME_RECORD*) {
    return false;
}
bool Is_Clock_Short(const GAME_RECORD*) {
    return false;
}
bool Does_Snap_End_Period(const GAME_RECORD*) {
    return false;
}
void Set_Out_Of_Bounds(GAME_RECORD*) {}
void Add_Game_Points(GAME_RECORD*, int32_t, int32_t) {}
int32_t Get_Kickoff_Spot() {
    return 65;
}
int32_t Get_Kickoff_Touchback_Spot() {
    return 80;
}
int32_t Get_Field_Goal_Distance(const GAME_RECORD*) {
    return 0;
}
void Set_Red_Zone_Flag(int32_t, int32_t) {}
void Clear_Red_Zone_Flags(const GAME_RECORD*) {}
void Run_Pre_Snap_Clock(GAME_RECORD*) {}
void Check_Red_Zone(GAME_RECORD*) {}
void Update_Down_And_Distance(GAME_RECORD*) {}
void Run_Period_Events(GAME_RECORD*) {}
void Record_Play_Result_Data(GAME_RECORD*) {}
