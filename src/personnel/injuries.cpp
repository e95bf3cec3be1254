#include "personnel/injuries.h"

const INJURY_TABLE_ENTRY Injury_Table[NUMBER_OF_INJURY_TYPES] = {};
int32_t Get_Injury_Weeks_Bound(int32_t, int32_t) {
    return 0;
}
int32_t Get_Injury_Name(int32_t, char* out) {
    out[0] = '\0';
    return 0;
}
int32_t Get_Injury_Index(const char*) {
    return 0;
}
int32_t Is_Suspension_Type(int32_t) {
    return 0;
}
int32_t Get_Injury_Group(int32_t) {
    return -1;
}
void Get_Player_Injury_Text(int32_t, int32_t, char* out) {
    out[0] = '\0';
}
int32_t Is_Player_Injured(int32_t, int32_t) {
    return 0;
}
int32_t Is_Player_Suspended(int32_t, int32_t) {
    return 0;
}
int32_t Is_Player_Holding_Out(int32_t, int32_t) {
    return 0;
}
int32_t Is_Player_Out_For_Season(int32_t, int32_t) {
    return 0;
}
int32_t Check_For_Injury(int32_t, int32_t) {
    return 0;
}
void Apply_Random_Injury(int32_t, int32_t) {}
int32_t Choose_Injury_Type(int32_t, int32_t) {
    return 0;
}
void Clear_Player_Injury(int32_t, int32_t) {}
void Clear_Suspensions() {}
void Heal_Player_Week(int32_t, int32_t) {}
void Heal_All_Players() {}
void Heal_All_Players_For_Weeks(int32_t) {}
void Note_User_Player_Injury(int32_t, int32_t, int32_t, int32_t) {}
void Show_Injury_Messages() {}
