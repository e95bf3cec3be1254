#include "engine/game_record.h"

#include <cstring>

#include "app/diagnostics.h"
#include "database/player_record.h"
#include "database/universe.h"

GAME_RECORD* Current_Game = nullptr;

bool Is_Play_From_Scrimmage(uint32_t play_word) {
    int32_t result = Get_Play_Result(play_word);
    if (result >= RESULT_INCOMPLETE_PASS && result <= RESULT_FUMBLE_TOUCHDOWN) return true;
    if (result >= RESULT_FIELD_GOAL_GOOD && result <= RESULT_PENALTY) return false;
    Log_Debug_Line("Unhandled PLAY_RESULT in Is_Play_From_Scrimmage()");
    return false;
}

int Is_Touchdown_Result(int32_t result) {
    switch (result) {
    case RESULT_TOUCHDOWN_PASS:
    case RESULT_INTERCEPTION_TOUCHDOWN:
    case RESULT_TOUCHDOWN_RUN:
    case RESULT_FUMBLE_TOUCHDOWN:
    case RESULT_PUNT_RETURN_TOUCHDOWN:
    case RESULT_KICKOFF_RETURN_TOUCHDOWN:
        return 1;
    default:
        return 0;
    }
}

int Get_Coin_Toss(const GAME_RECORD* pGame) {
    return (pGame->Down_Word & COIN_TOSS_BIT) ? 1 : 0;
}

void Increment_Game_Team_Stat(GAME_RECORD* pGame, int bTeam, int nStat) {
    if (pGame == nullptr) return;
    if (nStat < 0 || nStat >= GAME_TEAM_STATS) {
        Report_System_Error("Invalid nStat passed to Increment_Game_Team_Stat(pGame,bTeam,[%d],nAmount",
                            nStat);
        return;
    }
    if (bTeam != 0 && bTeam != 1) {
        Report_System_Error("Invalid bTeam passed to Increment_Game_Team_Stat(pGame,[%d],nStat,nAmount",
                            bTeam);
        return;
    }
    if (Get_Game_Down(pGame) == CONVERSION_ATTEMPT) return;
    ++pGame->Team_Stats[bTeam][nStat];
}

void Set_Game_Team_Stat(GAME_RECORD* pGame, int bTeam, int nStat, int nValue) {
    if (pGame == nullptr) return;
    if (bTeam != 0 && bTeam != 1) {
        Report_System_Error("Invalid bTeam passed to Set_Game_Team_Stat(pGame,[%d],nStat,nValue", bTeam);
        return;
    }
    if (nStat < 0 || nStat >= GAME_TEAM_STATS) {
        Report_System_Error("Invalid nStat passed to Set_Game_Team_Stat(pGame,bTeam,[%d],nValue", nStat);
        return;
    }
    pGame->Team_Stats[bTeam][nStat] = static_cast<uint8_t>(nValue);
}

void Increment_Game_Team_Total(GAME_RECORD* pGame, int bTeam, int nStat, int nAmount) {
    if (pGame == nullptr) return;
    if (nStat < 0 || nStat >= GAME_TEAM_TOTALS) {
        Report_System_Error("Invalid nStat passed to Increment_Game_Team_Total(pGame,bTeam,[%d],nAmount",
                            nStat);
        return;
    }
    if (bTeam != 0 && bTeam != 1) {
        Report_System_Error("Invalid bTeam passed to Increment_Game_Team_Total(pGame,[%d],nStat,nAmount",
                            bTeam);
        return;
    }
    if (Get_Game_Down(pGame) == CONVERSION_ATTEMPT) return;
    pGame->Team_Totals[bTeam][nStat] = static_cast<uint16_t>(pGame->Team_Totals[bTeam][nStat] + nAmount);
}

int Add_Game_Player_Counter(GAME_RECORD* pGame, int bTeam, int slot, int counter, int amount) {
    if (pGame == nullptr || (bTeam != 0 && bTeam != 1)) return 0;
    if (counter < 0 || counter >= GAME_PLAYER_COUNTERS) return 0;
    if (slot < 0 || slot >= PLAYERS_PER_TEAM) return 0;
    int team = pGame->Team[bTeam];
    if (team >= TOTAL_NUMBER_OF_TEAMS) return 0;
    int32_t id = Get_Player_Vital_Stat(team, slot, 0);
    for (int i = 0; i < GAME_LISTED_PLAYERS; ++i) {
        if (pGame->Player_Ids[bTeam][i] != id) continue;
        int16_t& value = pGame->Player_Counters[bTeam][i][counter];
        value = static_cast<int16_t>(value + amount);
        return 1;
    }
    return 0;
}

void Clear_Current_Play(GAME_RECORD* pGame) {
    if (pGame == nullptr) return;
    PLAY_LOG_ENTRY& play = pGame->Current_Play;
    std::memset(&play, 0, sizeof(play));
    play.First_Player_Id = -1;
    play.Second_Player_Id = -1;
    play.Offensive_Play = 255;
    play.Defensive_Play = 255;
    play.Play_Word = static_cast<uint32_t>(RESULT_NOT_RESOLVED) << PLAY_WORD_RESULT_SHIFT;
    for (PLAY_EVENT_SLOT& slot : play.Events) {
        slot.Event_Id = -1;
        slot.Player_Id[0] = -1;
        slot.Player_Id[1] = -1;
    }
    pGame->Down_Word &= ~POSSESSION_CHANGE_BITS;
}
