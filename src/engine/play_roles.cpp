#include "engine/play_roles.h"

#include <initializer_list>

#include "app/diagnostics.h"
#include "engine/game_record.h"
#include "engine/playbook_records.h"

namespace {

constexpr int32_t RESULT_CODES = 32;

// By `PLAY_RESULT`: the first id, the second id, and the second role of the
// first player. Passes keep the passer first, whatever the pass came to.
constexpr PLAY_ROLE_PAIR RESULT_ROLES[RESULT_CODES] = {
    {ROLE_PASSER, ROLE_RECEIVER, ROLE_NONE},       // 0 incomplete pass
    {ROLE_PASSER, ROLE_RECEIVER, ROLE_NONE},       // 1 completed pass
    {ROLE_PASSER, ROLE_INTERCEPTOR, ROLE_NONE},    // 2 interception
    {ROLE_PASSER, ROLE_SACKER, ROLE_NONE},         // 3 sack
    {ROLE_PASSER, ROLE_PASS_DEFENDER, ROLE_NONE},  // 4 pass knocked down
    {ROLE_PASSER, ROLE_RECOVERER, ROLE_FUMBLER},   // 5 sacked passer's fumble, lost
    {ROLE_PASSER, ROLE_RECEIVER, ROLE_NONE},       // 6 touchdown pass
    {ROLE_PASSER, ROLE_INTERCEPTOR, ROLE_NONE},    // 7 interception returned for a touchdown
    {ROLE_DOWNED, ROLE_TACKLER, ROLE_NONE},        // 8 safety: runner, receiver or sacked passer
    {ROLE_CARRIER, ROLE_NONE, ROLE_NONE},          // 9 run left
    {ROLE_CARRIER, ROLE_NONE, ROLE_NONE},          // 10 run up the middle, kneel-down
    {ROLE_CARRIER, ROLE_NONE, ROLE_NONE},          // 11 run right
    {ROLE_CARRIER, ROLE_NONE, ROLE_NONE},          // 12 touchdown run
    {ROLE_CARRIER, ROLE_RECOVERER, ROLE_FUMBLER},  // 13 fumble on a run, lost
    {ROLE_FUMBLER, ROLE_RECOVERER, ROLE_NONE},     // 14 fumble (run or sack) returned for a touchdown
    {ROLE_KICKER, ROLE_NONE, ROLE_NONE},           // 15 field goal good
    {ROLE_KICKER, ROLE_NONE, ROLE_NONE},           // 16 field goal missed
    {ROLE_RETURNER, ROLE_PUNTER, ROLE_NONE},       // 17 punt returned or fair catch
    {ROLE_NONE, ROLE_PUNTER, ROLE_NONE},           // 18 punt touchback
    {ROLE_RETURNER, ROLE_PUNTER, ROLE_NONE},       // 19 punt returned for a touchdown
    {ROLE_RETURNER, ROLE_RECOVERER, ROLE_FUMBLER}, // 20 punt fumbled by the returner
    {ROLE_RETURNER, ROLE_NONE, ROLE_NONE},         // 21 kickoff returned
    {ROLE_RETURNER, ROLE_NONE, ROLE_NONE},         // 22 kickoff touchback
    {ROLE_RETURNER, ROLE_NONE, ROLE_NONE},         // 23 kickoff returned for a touchdown
    {ROLE_RETURNER, ROLE_RECOVERER, ROLE_FUMBLER}, // 24 kickoff return fumbled
    {ROLE_KICK_RECOVERER, ROLE_NONE, ROLE_NONE},   // 25 onside kick recovered (kicking team)
    {ROLE_KICK_RECOVERER, ROLE_NONE, ROLE_NONE},   // 26 onside kick recovered (receivers)
    {ROLE_KICKER, ROLE_NONE, ROLE_NONE},           // 27 extra point good
    {ROLE_KICKER, ROLE_NONE, ROLE_NONE},           // 28 extra point missed
    {ROLE_TRY_PLAYER, ROLE_NONE, ROLE_NONE},       // 29 two-point try good
    {ROLE_TRY_PLAYER, ROLE_NONE, ROLE_NONE},       // 30 two-point try failed
    {ROLE_PENALIZED, ROLE_NONE, ROLE_NONE},        // 31 penalty
};

} // namespace

PLAY_ROLE_PAIR Get_Play_Result_Roles(int32_t result) {
    if (result < 0 || result >= RESULT_CODES) return {ROLE_NONE, ROLE_NONE, ROLE_NONE};
    return RESULT_ROLES[result];
}

int32_t Get_Play_Role_Id(const PLAY_LOG_ENTRY& entry, PLAY_ROLE role) {
    if (role == ROLE_NONE) return -1;
    const PLAY_ROLE_PAIR roles = Get_Play_Result_Roles(Get_Play_Result(entry.Play_Word));
    int32_t id = -1;
    if (roles.First == role || roles.First_Also == role)
        id = entry.First_Player_Id;
    else if (roles.Second == role)
        id = entry.Second_Player_Id;
    return id >= 0 ? id : -1;
}

namespace {
void Store_Role_Id(PLAY_LOG_ENTRY* entry, const PLAY_ROLE_PAIR& roles, PLAY_ROLE role, int32_t id) {
    if (role == ROLE_NONE) return;
    if (roles.First == role || roles.First_Also == role)
        entry->First_Player_Id = id;
    else if (roles.Second == role)
        entry->Second_Player_Id = id;
    else
        Log_Debug_Line("Play result %d holds no player role %d", Get_Play_Result(entry->Play_Word),
                       static_cast<int>(role));
}
} // namespace

void Set_Play_Role_Ids(PLAY_LOG_ENTRY* entry, PLAY_ROLE first_role, int32_t first_id, PLAY_ROLE second_role,
                       int32_t second_id) {
    if (entry == nullptr) return;
    const PLAY_ROLE_PAIR roles = Get_Play_Result_Roles(Get_Play_Result(entry->Play_Word));
    entry->First_Player_Id = -1;
    entry->Second_Player_Id = -1;
    Store_Role_Id(entry, roles, first_role, first_id);
    Store_Role_Id(entry, roles, second_role, second_id);
}

bool Is_Role_Of_Defending_Side(int32_t result, PLAY_ROLE role) {
    // A returner who fumbles a kick loses it to the kicking side.
    const bool kick_fumble = result == RESULT_PUNT_FUMBLED || result == RESULT_KICKOFF_RETURN_FUMBLED;
    switch (role) {
    case ROLE_TACKLER:
    case ROLE_SACKER:
    case ROLE_INTERCEPTOR:
    case ROLE_PASS_DEFENDER:
    case ROLE_RETURNER:
        return true;
    case ROLE_RECOVERER:
        return !kick_fumble;
    case ROLE_FUMBLER:
        return kick_fumble;
    default:
        return false;
    }
}

int32_t Get_Play_Ball_Carrier_Id(const PLAY_LOG_ENTRY& entry) {
    const int32_t result = Get_Play_Result(entry.Play_Word);
    if (result == RESULT_COMPLETED_PASS || result == RESULT_TOUCHDOWN_PASS)
        return Get_Play_Role_Id(entry, ROLE_RECEIVER);
    for (PLAY_ROLE role : {ROLE_CARRIER, ROLE_FUMBLER, ROLE_DOWNED, ROLE_INTERCEPTOR, ROLE_RETURNER}) {
        const int32_t id = Get_Play_Role_Id(entry, role);
        if (id >= 0) return id;
    }
    return -1;
}

int32_t Get_Play_Rusher_Id(const GAME_RECORD* pGame, const PLAY_LOG_ENTRY& entry) {
    const int32_t carrier = Get_Play_Role_Id(entry, ROLE_CARRIER);
    if (carrier >= 0 || pGame == nullptr) return carrier;
    const int32_t result = Get_Play_Result(entry.Play_Word);
    if (result != RESULT_FUMBLE_TOUCHDOWN && result != RESULT_SAFETY) return -1;
    const int32_t side = static_cast<int32_t>((entry.Play_Word >> PLAY_WORD_SIDE_1_BALL_BIT) & 1);
    const int32_t team = pGame->Team[side];
    if (result == RESULT_FUMBLE_TOUCHDOWN)
        return Is_Running_Play(team, entry.Offensive_Play) ? Get_Play_Role_Id(entry, ROLE_FUMBLER) : -1;
    // A kneel-down in the end zone is a run for a loss as well.
    if (!Is_Running_Play(team, entry.Offensive_Play) && !Is_Kneel_Down_Play(team, entry.Offensive_Play))
        return -1;
    return Get_Play_Role_Id(entry, ROLE_DOWNED);
}
