#include "engine/penalties.h"

#include "app/diagnostics.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "engine/announcer.h"
#include "engine/game_record.h"
#include "engine/kicking_plays.h"
#include "engine/passing_plays.h"
#include "engine/play_loop.h"
#include "engine/play_resolution_support.h"
#include "engine/play_roles.h"
#include "engine/playbook_records.h"
#include "engine/running_plays.h"
#include "engine/statistics_credit.h"
#include "engine/unit_multipliers.h"

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

namespace {

constexpr int32_t DEFENSIVE_GROUP = 2;
constexpr int32_t OFFENSIVE_LINE_GROUP = 1;
constexpr int32_t STAT_PENALTIES = 10;
constexpr int32_t STAT_PENALTY_YARDS = 11;
// Commentary events of a flagged snap.
constexpr int32_t EVENT_DROP_BACK = 2;
constexpr int32_t EVENT_TACKLE = 21;
constexpr int32_t EVENT_FLAG = PLAY_EVENT_FLAG;

// The foul the draws settled on; code -1 while none has.
struct PENALTY_CALL {
    int32_t Code = -1;
    int32_t Group = DEFENSIVE_GROUP;
    int32_t Stat = 0;
    int32_t Yards = 0;
    int32_t First_Down = 0;
    int32_t Receiver = NO_FIELD_PLAYER;
    int32_t Depth = 0;
};

bool Draw_Hits(int32_t threshold) {
    return Play_Random_Below(1000) < threshold;
}

// A disciplined line can talk its way out of the flag: when the factor beats a
// draw in [0, 2) no foul at all is called on the snap.
bool Discipline_Avoids_Flag(float discipline) {
    return discipline > Random_Float(2.0f);
}

void Set_Call(PENALTY_CALL* call, int32_t code, int32_t group, int32_t stat, int32_t yards,
              int32_t first_down) {
    call->Code = code;
    call->Group = group;
    call->Stat = stat;
    call->Yards = yards;
    call->First_Down = first_down;
}

// Receiver and spot of a flag thrown on a pass: the target the passer would
// pick and a depth along his route, never past the goal line.
void Choose_Flagged_Receiver(GAME_RECORD* pGame, PENALTY_CALL* call) {
    int32_t primary = 0;
    const int32_t index = Choose_Pass_Target(pGame, &primary);
    call->Receiver = Get_Receiver_Slot(pGame, index);
    const int32_t route =
        Get_Offensive_Play_Route(Get_Offense_Team(pGame), pGame->Current_Play.Offensive_Play, index);
    int32_t lo = 0;
    int32_t hi = 0;
    if (route >= 0 && route < PASS_ROUTE_COUNT) {
        lo = Pass_Route_Table[route].Shortest;
        hi = Pass_Route_Table[route].Longest;
    }
    if (hi < lo) hi = lo;
    const int32_t depth = Random_Range(lo, hi);
    call->Depth = depth < pGame->Yards_To_Goal ? depth : pGame->Yards_To_Goal;
}

// Steps through the fouls in their fixed order; 0 when no flag is thrown (also
// when the line's discipline avoided one).
int32_t Draw_Penalty(GAME_RECORD* pGame, bool run, bool pass, float discipline, PENALTY_CALL* call) {
    const bool early_down = Get_Game_Down(pGame) < 2;
    if (Draw_Hits(10)) {
        Set_Call(call, PENALTY_ENCROACHMENT, DEFENSIVE_GROUP, 4, 5, 0);
    } else if (Draw_Hits(7)) {
        static const int32_t holders[3] = {6, 2, 7};
        Set_Call(call, PENALTY_DEFENSIVE_HOLDING, DEFENSIVE_GROUP, holders[Play_Random_Below(3) % 3], 5, 1);
    } else if (!run && Draw_Hits(2)) {
        Set_Call(call, PENALTY_ROUGHING_THE_PASSER, DEFENSIVE_GROUP, 4, 15, 1);
    } else if (Draw_Hits(2)) {
        Set_Call(call, PENALTY_DEFENSIVE_UNNECESSARY_ROUGHNESS, DEFENSIVE_GROUP, 2, 15, 1);
    } else if (pass && Draw_Hits(4)) {
        Choose_Flagged_Receiver(pGame, call);
        Set_Call(call, PENALTY_ILLEGAL_CONTACT, DEFENSIVE_GROUP, Play_Random_Below(2) ? 7 : 6, 5, 1);
    } else if (pass && Draw_Hits(6)) {
        Choose_Flagged_Receiver(pGame, call);
        call->Depth = Clamp_Int(1, 120, call->Depth);
        Set_Call(call, PENALTY_PASS_INTERFERENCE, DEFENSIVE_GROUP, Play_Random_Below(2) ? 7 : 6, call->Depth,
                 1);
    } else if (Draw_Hits(17)) {
        if (Discipline_Avoids_Flag(discipline)) return 0;
        Set_Call(call, PENALTY_OFFENSIVE_OFFSIDES, OFFENSIVE_LINE_GROUP, 10, -5, 0);
    } else if (Draw_Hits(15)) {
        if (Discipline_Avoids_Flag(discipline)) return 0;
        Set_Call(call, PENALTY_FALSE_START, OFFENSIVE_LINE_GROUP, 10, -5, 0);
    } else if (!run && early_down && Draw_Hits(5)) {
        Set_Call(call, PENALTY_OFFENSIVE_PASS_INTERFERENCE, 0, 11, -10, 0);
    } else if (early_down && Draw_Hits(run ? 20 : 5)) {
        if (Discipline_Avoids_Flag(discipline)) return 0;
        Set_Call(call, PENALTY_OFFENSIVE_HOLDING, OFFENSIVE_LINE_GROUP, 10, -10, 0);
    } else if (early_down && Draw_Hits(1)) {
        Set_Call(call, PENALTY_CLIPPING, OFFENSIVE_LINE_GROUP, 10, -15, 0);
    } else if (early_down && Draw_Hits(3)) {
        Set_Call(call, PENALTY_BLOCK_IN_THE_BACK, OFFENSIVE_LINE_GROUP, 10, -10, 0);
    } else if (early_down && Draw_Hits(2)) {
        Set_Call(call, PENALTY_OFFENSIVE_UNNECESSARY_ROUGHNESS, OFFENSIVE_LINE_GROUP, 10, -15, 0);
    } else {
        return 0;
    }
    return 1;
}

bool Is_Dead_Ball_Foul(int32_t code) {
    return code == PENALTY_ENCROACHMENT || code == PENALTY_OFFENSIVE_OFFSIDES || code == PENALTY_FALSE_START;
}

// The snap as if it had been run, for fouls that happen during the play.
void Narrate_Flagged_Play(GAME_RECORD* pGame, const PENALTY_CALL& call, bool run) {
    static const int32_t described[] = {1, 2, 3, 5, 6, 10, 11, 13, 15};
    bool describe = false;
    for (int32_t code : described)
        describe = describe || code == call.Code;
    if (!describe) return;
    const int32_t offense = Get_Offense_Team(pGame);
    const int32_t defense = Get_Defense_Team(pGame);
    if (run) {
        const int32_t carrier = Get_Primary_Receiver(pGame);
        const int32_t tackler = Choose_Game_Event_Player(pGame, DEFENSIVE_GROUP, 2, 1);
        int32_t gain = Random_Int(7) - 2;
        if (gain > pGame->Yards_To_Goal / 2) gain = pGame->Yards_To_Goal / 2;
        Narrate_Play_Start(pGame);
        Narrate_Run(pGame, carrier, tackler, gain, 0);
        Queue_Commentary(pGame, EVENT_TACKLE, gain, 0, 0, Play_Player_Id(offense, carrier),
                         Play_Player_Id(defense, tackler));
        return;
    }
    // The pass is told as one broken up at the spot of the foul: thrown to the
    // receiver (its line names him and the passer, as a pass that is not
    // flagged does) and knocked down by the defender. A foul that drew no
    // receiver (holding, roughing) names the play's primary receiver, so the
    // line never lacks the man thrown to.
    const int32_t passer = Get_Offense_Field_Slot(pGame, 0);
    const int32_t receiver = call.Receiver != NO_FIELD_PLAYER ? call.Receiver : Get_Primary_Receiver(pGame);
    if (Is_Drop_Back_From_Center(pGame))
        Queue_Commentary(pGame, EVENT_DROP_BACK, 0, 0, 0, Play_Player_Id(offense, passer), -1);
    const int32_t defender = Choose_Game_Event_Player(pGame, DEFENSIVE_GROUP, 2, 1);
    Narrate_Incomplete_Pass(pGame, receiver, defender, call.Depth, 0);
}

} // namespace

int Check_For_Penalty(GAME_RECORD* pGame) {
    if (!Is_Penalty_Possible(pGame)) return 0;
    const float discipline = Get_Line_Discipline_Multiplier(pGame);
    const int32_t offense = Get_Offense_Team(pGame);
    const int32_t play = pGame->Current_Play.Offensive_Play;
    const bool run = Is_Running_Play(offense, play);
    const bool pass = Is_Passing_Play(offense, play);
    PENALTY_CALL call;
    if (!Draw_Penalty(pGame, run, pass, discipline, &call)) return 0;

    const bool defensive = Is_Defensive_Penalty(call.Code) != 0;
    const int32_t yards = Apply_Half_The_Distance(call.Code, call.Yards, pGame->Yards_To_Goal);
    const int32_t magnitude = yards < 0 ? -yards : yards;
    const int32_t side = defensive ? Get_Defense_Side(pGame) : Get_Offense_Side(pGame);
    const int32_t team = pGame->Team[side];
    const int32_t slot = Choose_Game_Event_Player(pGame, call.Group, call.Stat, 1);

    pGame->Snap_Yards = static_cast<int8_t>(Clamp_Int(-120, 120, yards));
    if (call.First_Down) pGame->Yards_To_Go = 0;

    // Defenders and offensive linemen carry their penalties and penalty
    // yards in their lines (statistics 10 and 11).
    const int32_t position = Play_Player_Position(team, slot);
    const int32_t group = position >= 0 ? Get_Position_Group(position) : -1;
    if ((defensive && group == DEFENSIVE_GROUP) || (!defensive && group == OFFENSIVE_LINE_GROUP)) {
        Increment_Player_Stat(team, slot, STAT_PENALTIES, 1);
        Increment_Player_Stat(team, slot, STAT_PENALTY_YARDS, magnitude);
    }
    if (Get_Game_Down(pGame) != CONVERSION_ATTEMPT) {
        Increment_Game_Team_Total(pGame, side, GAME_TOTAL_PENALTIES, 1);
        Increment_Game_Team_Total(pGame, side, GAME_TOTAL_PENALTY_YARDS, magnitude);
    }

    Narrate_Flagged_Play(pGame, call, run);
    if (team == NO_TEAM)
        Log_Debug_Line("NO_TEAM generated in Check_For_Penalty()");
    else
        Queue_Commentary(pGame, EVENT_FLAG, magnitude, team, Is_Dead_Ball_Foul(call.Code) ? 0 : 1,
                         Play_Player_Id(team, slot), -1);

    pGame->Current_Play.Yard1 = static_cast<int8_t>(Clamp_Int(-128, 127, magnitude));
    pGame->Current_Play.Yard2 = static_cast<int8_t>(call.Code);
    Set_Current_Play_Result(pGame, RESULT_PENALTY);
    Set_Play_Role_Ids(&pGame->Current_Play, ROLE_PENALIZED, Play_Player_Id(team, slot));
    pGame->Snap_Seconds = static_cast<int8_t>(pGame->Snap_Seconds + 5 + Play_Random_Below(5));
    return 1;
}
