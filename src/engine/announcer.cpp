#include "engine/announcer.h"

#include "app/diagnostics.h"
#include "database/game_queries.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "engine/game_record.h"
#include "engine/game_screen_hooks.h"
#include "engine/play_resolution_support.h"
#include "engine/playbook_records.h"
#include "engine/unit_multipliers.h"
#include "playbooks/playbook_queries.h"

namespace {

char Commentary_Lines[PLAY_EVENT_SLOTS][COMMENTARY_LINE_SIZE];

constexpr int32_t EVENT_DOWN_AND_DISTANCE = 0;
constexpr int32_t EVENT_SNAP = 1;
constexpr int32_t EVENT_ON_THE_MOVE = 8;
constexpr int32_t EVENT_PRESSURE = 6;
constexpr int32_t EVENT_ESCAPE = 7;
constexpr int32_t EVENT_PLAY_ACTION = 24;
constexpr int32_t EVENT_FAKE_BITTEN = 25;
constexpr int32_t EVENT_SACK = 36;
constexpr int32_t EVENT_PERIOD_END = 52;

// Argument b of the snap event for a shotgun-type snap, and of the "on the
// move" event for a scramble and a roll-out.
constexpr int32_t SHOTGUN_SNAP = 1;
constexpr int32_t MOVE_SCRAMBLE = 0;
constexpr int32_t MOVE_ROLLOUT = 2;

int32_t R(int32_t n) {
    return Random_Int(n);
}

int32_t Entry_Byte(const GAME_RECORD* pGame, int32_t shift) {
    return static_cast<int8_t>((pGame->Current_Play.Play_Word >> shift) & 0xFF);
}
int32_t Entry_Down(const GAME_RECORD* pGame) {
    return Entry_Byte(pGame, 0);
}
int32_t Entry_To_Go(const GAME_RECORD* pGame) {
    return Entry_Byte(pGame, 8);
}
int32_t Entry_To_Goal(const GAME_RECORD* pGame) {
    return Entry_Byte(pGame, 16);
}
bool Ball_Changed_Hands(const GAME_RECORD* pGame) {
    return (pGame->Down_Word & POSSESSION_CHANGE_BITS) != 0;
}
int32_t Snap_Play_Type(const GAME_RECORD* pGame) {
    const int32_t play = pGame->Current_Play.Offensive_Play;
    if (play >= OFFENSIVE_PLAYS) return -1;
    return Get_Offensive_Play_Type(pGame->Possession_Team, play);
}
int32_t Side_Score(const GAME_RECORD* pGame, int32_t side) {
    return pGame->Score[side];
}

// Scores before and after the snap being narrated. Field goals and extra
// points are on the board as soon as they are kicked; touchdowns and safeties
// only after the down update that follows the narration.
void Snap_Scores(const GAME_RECORD* pGame, int32_t before[2], int32_t after[2]) {
    const int32_t side = Get_Offense_Side(pGame);
    const int32_t result = Get_Current_Play_Result(pGame);
    for (int32_t s = 0; s < 2; ++s)
        before[s] = after[s] = Side_Score(pGame, s);
    if (Get_Game_Down(pGame) == CONVERSION_ATTEMPT) return;
    if (result == RESULT_FIELD_GOAL_GOOD) before[side] -= 3;
    if (Is_Touchdown_Result(result)) after[side] += 6;
    if (result == RESULT_SAFETY) after[1 - side] += 2;
}

int32_t Leading_Side(const int32_t score[2]) {
    if (score[0] > score[1]) return 0;
    if (score[1] > score[0]) return 1;
    return -1;
}

int32_t Choose_Down_And_Distance(const GAME_RECORD* pGame, int32_t d) {
    (void)d;
    const uint32_t down = Get_Game_Down(pGame);
    const int32_t to_go = Entry_To_Go(pGame);
    if (down == CONVERSION_ATTEMPT) return 8;
    if (to_go == Entry_To_Goal(pGame)) return 5 + R(3);
    if (down == 0 && to_go == 10) return R(3);
    if (R(100) < 50) return 1 + R(4);
    if (to_go == 1) return 13 + R(2);
    if (down <= 1) return 15 + R(5);
    return to_go >= 6 ? 9 : 10 + R(3);
}

int32_t Choose_Punt_Sentence(const GAME_RECORD* pGame, int32_t result) {
    if (!Is_Kicking_Result_Code(result)) return 10 + R(10);
    const int32_t s = pGame->Current_Play.Yard1;
    if (s < 35 && Entry_To_Goal(pGame) > s + 20) return (R(8) + 7) % 10;
    if (s <= 46) return R(5);
    return R(7);
}

int32_t Choose_Kick_Result(const GAME_RECORD* pGame, int32_t result, int32_t d) {
    const int32_t s = pGame->Current_Play.Yard1;
    // An extra point reads like a field goal of its length.
    if (result == RESULT_EXTRA_POINT_GOOD) result = RESULT_FIELD_GOAL_GOOD;
    if (result == RESULT_EXTRA_POINT_MISSED) result = RESULT_FIELD_GOAL_MISSED;
    if (s > 57 && result == RESULT_FIELD_GOAL_MISSED) return 18 + R(2);
    if (s > 48 && result == RESULT_FIELD_GOAL_GOOD) return R(8);
    if (s > 48 && result == RESULT_FIELD_GOAL_MISSED) return 8 + R(12);
    if (result == RESULT_FIELD_GOAL_GOOD) return R(6);
    if (result == RESULT_FIELD_GOAL_MISSED) return 8 + R(10);
    return d;
}

int32_t Choose_Period_End(const GAME_RECORD* pGame) {
    int32_t quarter = Get_Game_Quarter(pGame);
    int32_t before[2];
    int32_t after[2];
    Snap_Scores(pGame, before, after);
    const bool level = after[0] == after[1];
    // An overtime period ends like the fourth quarter: its sentences are
    // about the result, not about a quarter's number.
    if (quarter > 4) quarter = 4;
    switch (quarter) {
    case 1:
        return R(3);
    case 2:
        return level ? 9 : 3 + R(6);
    case 3:
        return 10 + R(3);
    default:
        if (level) return 16 + R(2);
        if (Leading_Side(after) != Leading_Side(before)) return 18 + R(2);
        return 13 + R(3);
    }
}

int32_t Event_Player(int32_t id) {
    return id > 0 ? id : -1;
}

int32_t Offense_Player_Id(const GAME_RECORD* pGame, int32_t index) {
    return Play_Player_Id(Get_Offense_Team(pGame), Get_Offense_Field_Slot(pGame, index));
}

bool Is_Shotgun_Formation(int32_t formation) {
    return (formation >= 8 && formation <= 12) || formation == 15 || (formation >= 17 && formation <= 19) ||
           formation == 21;
}

// The receiver of the play who runs a play-action route, else the first back.
int32_t Play_Action_Receiver_Id(const GAME_RECORD* pGame) {
    const int32_t team = Get_Offense_Team(pGame);
    const int32_t play = pGame->Current_Play.Offensive_Play;
    for (int32_t r = 0; r < 5; ++r)
        if (Is_Play_Action_Route(Get_Offensive_Play_Route(team, play, r)))
            return Offense_Player_Id(pGame, r + 1);
    return Offense_Player_Id(pGame, 1);
}

} // namespace

int32_t Is_Kicking_Result_Code(int32_t code) {
    return code >= 17 && code <= 20 ? 1 : 0;
}

int32_t Is_Commentary_Active(const GAME_RECORD* pGame) {
    if (pGame == nullptr) return 0;
    if (Get_User_Preference(SIMULATION_RUNNING) == 0) return 0;
    if (Get_User_Preference(SIM_TO_QUARTER) > 0) return 0;
    return Is_Game_Play_By_Play(pGame) != 0 ? 1 : 0;
}

int32_t Choose_Commentary_Sentence(GAME_RECORD* pGame, int32_t event, int32_t a, int32_t b, int32_t c,
                                   int32_t player0_id, int32_t player1_id) {
    const int32_t d = R(COMMENTARY_SENTENCES);
    const bool first = player0_id > 0;
    const bool second = player1_id > 0;
    const int32_t result = Get_Current_Play_Result(pGame);
    const uint32_t down = Get_Game_Down(pGame);
    const bool changed = Ball_Changed_Hands(pGame);
    const int32_t kind = Entry_Down(pGame);
    switch (event) {
    case 0:
        return Choose_Down_And_Distance(pGame, d);
    case 1:
        return b == SHOTGUN_SNAP ? (R(14) + 14) % 20 : R(14);
    case 3:
        if (result >= 17 && result <= 23) return second ? R(10) : R(7);
        return second ? d : (R(15) + 12) % 20;
    case 4:
        return first ? d : 7 + R(13);
    case 8:
        if (b == MOVE_SCRAMBLE) return R(15);
        if (b == MOVE_ROLLOUT) return (R(15) + 15) % 20;
        return second ? d : 1 + R(19);
    case 9:
        if (b != 0) return 13 + R(2);
        return first ? R(13) : 15 + R(5);
    case 10:
    case 17:
        return second ? d : R(17);
    case 11:
        if (a < 5) return R(13);
        if (a <= 20) return R(7);
        return (R(14) + 13) % 20;
    case 12:
        return changed ? 6 + R(14) : R(26) % 20;
    case 19:
        return second ? d : 10 + R(10);
    case 21: {
        const uint32_t bounds = (pGame->Down_Word >> 10) & 3u;
        if (bounds == 2) return 15 + R(5);
        if (bounds == 0) return R(12);
        return 12 + R(7);
    }
    case 23:
        return Snap_Play_Type(pGame) == PLAY_TYPE_TOSS ? 12 + R(8) : R(14);
    case 25:
        return first ? d : 11 + R(9);
    case 28:
        if (down == KICKOFF_DOWN || down == FREE_KICK_DOWN) return 8 + R(12);
        if (changed || Snap_Play_Type(pGame) == PLAY_TYPE_PUNT) return 6 + R(14);
        return d;
    case 31:
        if (kind == 8 && result == RESULT_ONSIDE_RECOVERED) return 16 + R(4);
        if (kind == 8) return 10 + R(6);
        if (changed) return (R(10) + 10) % 15;
        return R(10);
    case 32:
        return R(12);
    case 34:
        if (down == CONVERSION_ATTEMPT) return 15 + R(5);
        if (Entry_To_Goal(pGame) >= 4 || result == RESULT_TOUCHDOWN_PASS) return R(10);
        return 10 + R(5);
    case 38:
        return Snap_Play_Type(pGame) == PLAY_TYPE_PUNT ? R(10) : 10 + R(10);
    case 39:
        return Choose_Punt_Sentence(pGame, result);
    case 40:
        if (result == RESULT_KICKOFF_TOUCHBACK || result == RESULT_PUNT_TOUCHBACK) return 10 + R(5);
        if (result == RESULT_PUNT_RETURNED && pGame->Snap_Yards == 0) return 15 + R(5);
        return R(10);
    case 41: {
        const int32_t k = R(10);
        return c != 0 ? k : k + 10;
    }
    case 42: {
        const int32_t s = pGame->Current_Play.Yard1;
        if (s < 30) return R(15);
        if (s > 49) return (R(15) + 15) % 20;
        return R(10);
    }
    case 45:
        return Choose_Kick_Result(pGame, result, d);
    case 50:
        if (Entry_To_Goal(pGame) < 6) return (R(20) % 16 + 16) % 20;
        if (Entry_To_Go(pGame) < 6) return 15 - R(20) % 16;
        return R(12);
    case EVENT_PERIOD_END:
        return Choose_Period_End(pGame);
    default:
        return d;
    }
}

void Queue_Commentary(GAME_RECORD* pGame, int32_t event, int32_t a, int32_t b, int32_t c, int32_t player0_id,
                      int32_t player1_id) {
    if (!Is_Commentary_Active(pGame)) return;
    if (event < 0 || event >= COMMENTARY_EVENTS) {
        Log_Debug_Line("Unknown commentary event %d in Queue_Commentary()", event);
        return;
    }
    PLAY_EVENT_SLOT* slots = pGame->Current_Play.Events;
    int32_t free_slot = -1;
    for (int32_t i = 0; i < PLAY_EVENT_SLOTS && free_slot < 0; ++i)
        if (slots[i].Event_Id == NO_COMMENTARY_EVENT) free_slot = i;
    if (free_slot < 0) return;
    const int32_t sentence = Choose_Commentary_Sentence(pGame, event, a, b, c, player0_id, player1_id);
    PLAY_EVENT_SLOT& slot = slots[free_slot];
    slot.Event_Id = static_cast<int8_t>(event);
    slot.Sentence = static_cast<int8_t>(sentence);
    slot.Argument_A = static_cast<int8_t>(Clamp_Int(-128, 127, a));
    slot.Argument_B = static_cast<int8_t>(Clamp_Int(-128, 127, b));
    slot.Argument_C = static_cast<int8_t>(Clamp_Int(-128, 127, c));
    slot.Zero_5[0] = slot.Zero_5[1] = slot.Zero_5[2] = 0;
    slot.Player_Id[0] = player0_id;
    slot.Player_Id[1] = player1_id;
    Render_Commentary_Line(pGame, free_slot);
}

void Render_Commentary_Line(GAME_RECORD* pGame, int32_t i) {
    if (i < 0 || i >= PLAY_EVENT_SLOTS) {
        Log_Debug_Line("Invalid line %d in Render_Commentary_Line()", i);
        return;
    }
    char* line = Commentary_Lines[i];
    line[0] = '\0';
    if (pGame == nullptr) return;
    if (i == 0) Reset_Pass_Zone_Counter();
    const PLAY_EVENT_SLOT& slot = pGame->Current_Play.Events[i];
    if (slot.Event_Id < 0 || slot.Event_Id >= COMMENTARY_EVENTS || slot.Sentence < 0 ||
        slot.Sentence >= COMMENTARY_SENTENCES)
        return;
    Expand_Commentary_Text(pGame, slot, Commentary_Templates[slot.Event_Id][slot.Sentence], line,
                           COMMENTARY_LINE_SIZE);
}

void Get_Commentary_Line(int32_t i, char* buffer, int size) {
    if (buffer == nullptr || size <= 0) return;
    if (i < 0 || i >= PLAY_EVENT_SLOTS) {
        buffer[0] = '\0';
        return;
    }
    safe_strncpy(buffer, Commentary_Lines[i], size);
}

void Clear_Commentary_Lines() {
    for (auto& line : Commentary_Lines)
        line[0] = '\0';
}

// The reporters draw only while commentary is active, so an unwatched game
// draws the same numbers whether or not anybody could listen.
void Narrate_Play_Start(GAME_RECORD* pGame) {
    if (!Is_Commentary_Active(pGame)) return;
    const int32_t team = Get_Offense_Team(pGame);
    const int32_t play = pGame->Current_Play.Offensive_Play;
    const int32_t qb = Event_Player(Offense_Player_Id(pGame, 0));
    Queue_Commentary(pGame, EVENT_DOWN_AND_DISTANCE, 0, 0, 0, qb, -1);
    const bool shotgun = Is_Shotgun_Formation(pGame->Formation[Get_Offense_Side(pGame)]);
    Queue_Commentary(pGame, EVENT_SNAP, 0, shotgun ? SHOTGUN_SNAP : 0, 0, qb, -1);
    if (play >= OFFENSIVE_PLAYS) return;
    if (Is_Rollout_Or_Bootleg_Play(team, play))
        Queue_Commentary(pGame, EVENT_ON_THE_MOVE, 0, MOVE_ROLLOUT, 0, qb, -1);
    if (Has_Receiver_Route_31_32_37(team, play) && R(100) < 50)
        Queue_Commentary(pGame, EVENT_PLAY_ACTION, 0, 0, 0, qb, Event_Player(Play_Action_Receiver_Id(pGame)));
    if (Is_Read_Or_Option_Play(team, play) && R(100) < 50)
        Queue_Commentary(pGame, EVENT_FAKE_BITTEN, 0, 0, 0, -1, qb);
}

void Narrate_Pass_Pressure(GAME_RECORD* pGame, int32_t rusher_slot) {
    if (!Is_Commentary_Active(pGame)) return;
    const int32_t qb_slot = Get_Offense_Field_Slot(pGame, 0);
    const int32_t qb = Event_Player(Play_Player_Id(Get_Offense_Team(pGame), qb_slot));
    const int32_t rusher = Event_Player(Play_Player_Id(Get_Defense_Team(pGame), rusher_slot));
    Queue_Commentary(pGame, EVENT_PRESSURE, 0, 0, 0, rusher, qb);
    // The quarterback's mobility decides whether he gets away.
    int32_t mobility = 0;
    if (Is_Player_Address(Get_Offense_Team(pGame), qb_slot))
        mobility = static_cast<int32_t>(Get_Player_Rating(Get_Offense_Team(pGame), qb_slot, RATING_MOBILITY));
    if (R(100) < 20 && R(100) < mobility) Queue_Commentary(pGame, EVENT_ESCAPE, 0, 0, 0, qb, rusher);
    if (R(100) < 10 && R(100) < mobility - 40)
        Queue_Commentary(pGame, EVENT_ON_THE_MOVE, 0, MOVE_SCRAMBLE, 0, qb, -1);
}

void Narrate_Sack(GAME_RECORD* pGame, int32_t sacker_slot) {
    if (!Is_Commentary_Active(pGame)) return;
    Narrate_Pass_Pressure(pGame, sacker_slot);
    const int32_t qb = Event_Player(Offense_Player_Id(pGame, 0));
    const int32_t sacker = Event_Player(Play_Player_Id(Get_Defense_Team(pGame), sacker_slot));
    Queue_Commentary(pGame, EVENT_SACK, 0, 0, 0, qb, sacker);
}
