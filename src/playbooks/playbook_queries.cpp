#include "playbooks/playbook_queries.h"

#include <cstring>

#include "database/random_numbers.h"
#include "database/team_record_layout.h"
#include "engine/formations.h"
#include "engine/game_record.h"
#include "engine/playbook_records.h"

namespace {

// Routes of the five receivers, read without reporting: a query over a whole
// play never asks for a receiver outside 0-4.
int32_t Route_Of(int team, int play, int receiver) {
    return Get_Offensive_Play_Route(team, play, receiver);
}

bool Any_Receiver_Route(int team, int play, bool (*test)(int32_t)) {
    for (int r = 0; r < PLAY_RECEIVERS; ++r)
        if (test(Route_Of(team, play, r))) return true;
    return false;
}

// A team code travels as a signed byte; NO_TEAM and other codes outside the
// team records read the built-in playbook.
int Playbook_Team(uint8_t code) {
    return code < TOTAL_NUMBER_OF_TEAMS ? code : DEFAULT_PLAYBOOK_TEAM;
}

int On_Field_Player(const GAME_RECORD* pGame, int side, int slot) {
    if (slot < 0 || slot >= ON_FIELD_PLAYERS) return -1;
    uint8_t player = pGame->On_Field[side][slot];
    return player == NO_PLAYER ? -1 : player;
}

} // namespace

int Count_Defenders_With_Role(int team, int play, int role) {
    const DEFENSIVE_PLAY* record = Find_Defensive_Play(team, play);
    if (record == nullptr) return 0;
    int count = 0;
    for (int d = 0; d < PLAY_DEFENDERS; ++d)
        if (record->Roles[d] == role) ++count;
    return count;
}

int Count_Defenders_With_Role_8(int team, int play) {
    return Count_Defenders_With_Role(team, play, 8);
}

bool Has_Defender_With_Role_18(int team, int play) {
    return Count_Defenders_With_Role(team, play, 18) > 0;
}

bool Has_Five_Defenders_Below_Role_4(int team, int play) {
    const DEFENSIVE_PLAY* record = Find_Defensive_Play(team, play);
    if (record == nullptr) return false;
    int rushers = 0;
    for (int d = 0; d < PLAY_DEFENDERS; ++d)
        if (static_cast<uint32_t>(record->Roles[d]) < 4) ++rushers;
    return rushers >= 5;
}

bool Is_Play_Action_Route(int route) {
    return route == 31 || route == 32 || route == 37;
}

bool Is_Trick_Pass_Play(int team, int play) {
    int32_t type = Get_Offensive_Play_Type(team, play);
    return type == PLAY_TYPE_FLEA_FLICKER || type == PLAY_TYPE_HALFBACK_PASS ||
           type == PLAY_TYPE_FAKE_REVERSE;
}

bool Is_Special_Pass_Play(int team, int play) {
    if (Is_Trick_Pass_Play(team, play)) return true;
    // An unset primary player names no receiver, so no route is read for it.
    int receiver = Get_Offensive_Play_Primary_Receiver(team, play) - 1;
    if (receiver < 0 || receiver >= PLAY_RECEIVERS) return false;
    return Is_Special_Pass_Route(Route_Of(team, play, receiver));
}

bool Is_Special_Pass_Route(int32_t route) {
    switch (route) {
    case 11:
    case 12:
    case 13:
    case 27:
    case 33:
    case 34:
    case 55:
        return true;
    default:
        return false;
    }
}

bool Is_Reverse_Play(int team, int play) {
    int32_t type = Get_Offensive_Play_Type(team, play);
    return type == PLAY_TYPE_END_AROUND || type == PLAY_TYPE_DOUBLE_REVERSE || type == PLAY_TYPE_REVERSE;
}

bool Has_Receiver_Route_40(int team, int play) {
    if (play < 0 || play >= OFFENSIVE_PLAYS) return false;
    return Any_Receiver_Route(team, play, [](int32_t route) { return route == 40; });
}

bool Has_Receiver_Route_31_32_37(int team, int play) {
    if (play < 0 || play >= OFFENSIVE_PLAYS) return false;
    return Any_Receiver_Route(team, play, [](int32_t route) { return Is_Play_Action_Route(route); });
}

bool Is_Read_Or_Option_Play(int team, int play) {
    if (!Has_Receiver_Route_31_32_37(team, play)) return false;
    char name[PLAY_NAME_LENGTH];
    Get_Offensive_Play_Name(team, play, name, sizeof(name));
    return std::strstr(name, "Read") != nullptr || std::strstr(name, "Option") != nullptr;
}

int Pick_Defender_Below_Role_4(const GAME_RECORD* pGame) {
    if (pGame == nullptr) return -1;
    int start = Random_Int(PLAY_DEFENDERS);
    int play = pGame->Current_Play.Defensive_Play;
    if (play >= DEFENSIVE_PLAYS) return -1;
    int side = Get_Defense_Side(pGame);
    int team = Playbook_Team(pGame->Team[side]);
    for (int i = 0; i < PLAY_DEFENDERS; ++i) {
        int slot = (start + 5 * i) % PLAY_DEFENDERS;
        if (static_cast<uint32_t>(Get_Defensive_Play_Role(team, play, slot)) < 4)
            return On_Field_Player(pGame, side, slot);
    }
    return -1;
}

int Pick_Receiver_With_Route_39(const GAME_RECORD* pGame) {
    if (pGame == nullptr) return -1;
    int backwards = Random_Int(2);
    int play = pGame->Current_Play.Offensive_Play;
    if (play >= OFFENSIVE_PLAYS) return -1;
    int side = Get_Offense_Side(pGame);
    int team = Playbook_Team(pGame->Possession_Team);
    for (int i = 0; i < PLAY_RECEIVERS; ++i) {
        int receiver = backwards ? PLAY_RECEIVERS - 1 - i : i;
        if (Route_Of(team, play, receiver) == 39) return On_Field_Player(pGame, side, receiver + 1);
    }
    return -1;
}

int Find_Receiver_With_Route_31_32_37(const GAME_RECORD* pGame) {
    if (pGame == nullptr) return -1;
    int play = pGame->Current_Play.Offensive_Play;
    if (play >= OFFENSIVE_PLAYS) return -1;
    int side = Get_Offense_Side(pGame);
    int team = Playbook_Team(pGame->Possession_Team);
    for (int receiver = 0; receiver < PLAY_RECEIVERS; ++receiver)
        if (Is_Play_Action_Route(Route_Of(team, play, receiver)))
            return On_Field_Player(pGame, side, receiver + 1);
    return -1;
}

int Find_Defender_With_Role_31_32_37(const GAME_RECORD* pGame) {
    if (pGame == nullptr) return -1;
    int play = pGame->Current_Play.Defensive_Play;
    if (play >= DEFENSIVE_PLAYS) return -1;
    int side = Get_Defense_Side(pGame);
    int team = Playbook_Team(pGame->Team[side]);
    // Roles end at 18, so no stored play matches and no defender reacts to
    // the play action; the scan stays for plays built by other means.
    for (int defender = PLAY_DEFENDERS - 1; defender >= 0; --defender)
        if (Is_Play_Action_Route(Get_Defensive_Play_Role(team, play, defender)))
            return On_Field_Player(pGame, side, defender);
    return -1;
}

int Count_Same_Role_Defenders_To_Left(int team, int play, int slot, int role) {
    if (play < 0 || play >= DEFENSIVE_PLAYS || slot < 0 || slot >= PLAY_DEFENDERS) return 0;
    int32_t formation = Get_Defensive_Play_Formation(team, play);
    double x = 0.0;
    double y = 0.0;
    Get_Formation_Coordinate(formation, slot, &x, &y);
    int count = 0;
    for (int other = 0; other < PLAY_DEFENDERS; ++other) {
        if (other == slot || Get_Defensive_Play_Role(team, play, other) != role) continue;
        double other_x = 0.0;
        double other_y = 0.0;
        Get_Formation_Coordinate(formation, other, &other_x, &other_y);
        if (other_x < x || (other_x == x && other > slot)) ++count;
    }
    return count;
}

int Get_Zone_Defender_Spot(int team, int play, int slot, float* lateral, float* depth) {
    if (play < 0 || play >= DEFENSIVE_PLAYS || slot < 0 || slot >= PLAY_DEFENDERS) return 0;
    int32_t role = Get_Defensive_Play_Role(team, play, slot);
    if (role != 8 && role != 9) return 0;
    int n = Count_Defenders_With_Role(team, play, role);
    int k = Count_Same_Role_Defenders_To_Left(team, play, slot, role);
    float spot_depth = role == 9 ? 9.0f : 15.0f;
    // The outside defenders of a wide zone drop a little shallower.
    if (n >= 3 && (k == 0 || k == n - 1)) spot_depth -= 0.5f;
    if (lateral != nullptr) *lateral = static_cast<float>(k + 1) * 40.0f / static_cast<float>(n + 1) - 20.0f;
    if (depth != nullptr) *depth = spot_depth;
    return 1;
}
