#include "engine/penalties.h"

#include "engine/game_record.h"
#include "engine/kicking_plays.h"
#include "engine/playbook_records.h"

namespace {

const char* const Penalty_Names[NUMBER_OF_PENALTY_CODES] = {
    "Encroachment",
    "Illegal Contact",
    "Defensive Holding",
    "Roughing The Passer",
    "Roughing The Kicker",
    "Unnecessary Roughness",
    "Pass Interference",
    "Offensive Offsides",
    "False Start",
    "Illegal Motion",
    "Offensive Pass Interference",
    "Offensive Holding",
    "Intentional Grounding",
    "Clipping",
    "Block In The Back",
    "Unnecessary Roughness",
};

} // namespace

const char* Get_Penalty_Name(int32_t code) {
    return code >= 0 && code < NUMBER_OF_PENALTY_CODES ? Penalty_Names[code] : "";
}

int32_t Is_Defensive_Penalty(int32_t code) {
    return code >= PENALTY_ENCROACHMENT && code <= PENALTY_PASS_INTERFERENCE ? 1 : 0;
}

int32_t Apply_Half_The_Distance(int32_t code, int32_t yards, int32_t yards_to_goal) {
    if (yards >= 0) {
        if (code == PENALTY_PASS_INTERFERENCE && yards >= yards_to_goal) return yards_to_goal - 1;
        const int32_t half = yards_to_goal / 2;
        return yards < half ? yards : half;
    }
    const int32_t half_back = (yards_to_goal - 100) / 2;
    return yards > half_back ? yards : half_back;
}

int32_t Is_Penalty_Possible(GAME_RECORD* pGame) {
    if (pGame == nullptr) return 0;
    const int32_t team = pGame->Possession_Team;
    const int32_t play = pGame->Current_Play.Offensive_Play;
    if (!Is_Running_Play(team, play) && !Is_Passing_Play(team, play)) return 0;
    if (Get_Game_Down(pGame) >= 3) return 0;
    return Get_Half_Time_Left(pGame) >= PENALTY_MIN_SECONDS_LEFT ? 1 : 0;
}

int Check_For_Penalty(GAME_RECORD*) {
    return 0;
}
