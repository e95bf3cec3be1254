#include "engine/unit_multipliers.h"

int32_t Get_League_Yards_Per_Rush() {
    return DEFAULT_LEAGUE_YARDS_PER_RUSH;
}
int32_t Get_League_Completion_Rate() {
    return DEFAULT_LEAGUE_COMPLETION_RATE;
}
int32_t Get_League_Yards_Per_Completion() {
    return DEFAULT_LEAGUE_YARDS_PER_COMPLETION;
}
float Soften_Multiplier(float x, float) {
    return x;
}
int32_t Get_Offense_Side(const GAME_RECORD*) {
    return 0;
}
int32_t Get_Offense_Team(const GAME_RECORD*) {
    return 0;
}
int32_t Get_Defense_Team(const GAME_RECORD*) {
    return 0;
}
int32_t Get_Offense_Field_Slot(const GAME_RECORD*, int32_t) {
    return 255;
}
int32_t Get_Defense_Field_Slot(const GAME_RECORD*, int32_t) {
    return 255;
}
float Get_Receiving_Multiplier(const GAME_RECORD*) {
    return 1.0f;
}
float Get_Ball_Carrier_Multiplier(const GAME_RECORD*) {
    return 1.0f;
}
float Get_Offensive_Skill_Multiplier(const GAME_RECORD*) {
    return 1.0f;
}
float Get_Pass_Blocking_Multiplier(const GAME_RECORD*) {
    return 1.0f;
}
float Get_Run_Blocking_Multiplier(const GAME_RECORD*) {
    return 1.0f;
}
float Get_Line_Discipline_Multiplier(const GAME_RECORD*) {
    return 1.0f;
}
float Get_Pass_Rush_Unit_Multiplier(const GAME_RECORD*) {
    return 1.0f;
}
float Get_Coverage_Unit_Multiplier(const GAME_RECORD*) {
    return 1.0f;
}
float Get_Ball_Hawk_Multiplier(const GAME_RECORD*) {
    return 1.0f;
}
float Get_Fumble_Forcing_Multiplier(const GAME_RECORD*) {
    return 1.0f;
}
float Get_Tackling_Multiplier(const GAME_RECORD*) {
    return 1.0f;
}
float Get_Run_Defense_Multiplier(const GAME_RECORD*) {
    return 1.0f;
}
float Get_Replay_Rate_Ratio(const GAME_RECORD*, int32_t) {
    return 1.0f;
}
float Get_Interception_Multiplier(const GAME_RECORD*) {
    return 1.0f;
}
float Get_Sack_Multiplier(const GAME_RECORD*) {
    return 1.0f;
}
int32_t Spread_Receiver_Weight(int32_t, int32_t, int32_t weight) {
    return weight;
}
float Apply_Red_Zone_Factor(const GAME_RECORD*, float x) {
    return x;
}
float Apply_Goal_Line_Factor(const GAME_RECORD*, float x) {
    return x;
}
int32_t Choose_Pass_Outcome(GAME_RECORD*, int32_t, int32_t, float, float) {
    return 0;
}
