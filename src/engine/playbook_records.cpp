#include "engine/playbook_records.h"

#include <cstdio>
#include <cstring>

#include "app/diagnostics.h"
#include "database/league_structure.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/universe.h"
#include "engine/formations.h"
#include "engine/game_record.h"
#include "engine/offensive_systems.h"
#include "engine/snap_decisions.h"
#include "platform/message_queue.h"
#include "playbooks/playbook_queries.h"

namespace {

bool Is_Team_Record(int team) {
    return team >= 0 && team < TOTAL_NUMBER_OF_TEAMS;
}

// The play an offensive accessor reads: the team's own for plays 0-53 of a
// team record, the built-in table otherwise; null for numbers outside 0-59.
// Team numbers that name no team record (255 among them) read the defaults.
const OFFENSIVE_PLAY* Find_Offensive_Play(int team, int play) {
    if (play < 0 || play >= OFFENSIVE_PLAYS) return nullptr;
    if (play < STORED_OFFENSIVE_PLAYS && Is_Team_Record(team))
        return &Universe.Teams[team].Playbooks.Offense.Plays[play];
    return &Default_Offensive_Plays[play];
}

// The record text cut to the caller's buffer: at most size - 1 characters,
// always terminated. Record texts may lack their terminator; never read past
// the field.
void Copy_Out(char* buffer, int size, const char* text, int field_size) {
    if (buffer == nullptr || size <= 0) return;
    const int limit = field_size < size - 1 ? field_size : size - 1;
    const size_t length = strnlen(text, static_cast<size_t>(limit));
    std::memmove(buffer, text, length);
    buffer[length] = '\0';
}

} // namespace

namespace {
uint32_t Playbook_Readings_Forgotten = 0;
} // namespace

PLAYBOOK_READING_MARK Get_Playbook_Reading_Mark() {
    return {Get_Handled_Message_Count(), Playbook_Readings_Forgotten};
}

void Forget_Playbook_Readings() {
    ++Playbook_Readings_Forgotten;
}

const DEFENSIVE_PLAY* Find_Defensive_Play(int team, int play) {
    if (play < 0 || play >= DEFENSIVE_PLAYS) return nullptr;
    if (Is_Team_Record(team)) return &Universe.Teams[team].Playbooks.Defense.Plays[play];
    return &Default_Defensive_Plays[play];
}

const char* Get_Play_Type_Name(int32_t type) {
    return (type >= 0 && type < PLAY_TYPE_COUNT) ? Play_Type_Names[type] : "";
}

const char* Get_Pass_Route_Name(int32_t route) {
    return (route >= 0 && route < PASS_ROUTE_COUNT) ? Pass_Route_Table[route].Name : "";
}

const char* Get_Defensive_Responsibility_Name(int32_t role) {
    return (role >= 0 && role < DEFENSIVE_RESPONSIBILITY_COUNT) ? Defensive_Responsibility_Table[role].Name
                                                                : "";
}

int Get_Pass_Route_Catch_Depth(int32_t route) {
    if (route < 0 || route >= PASS_ROUTE_COUNT) return 0;
    return (Pass_Route_Table[route].Shortest + Pass_Route_Table[route].Longest + 1) / 2;
}

void Get_Offensive_Play_Name(int team, int play, char* buffer, int size) {
    const OFFENSIVE_PLAY* record = Find_Offensive_Play(team, play);
    Copy_Out(buffer, size, record ? record->Name : "", PLAY_NAME_LENGTH);
}

void Get_Offensive_Play_Description(int team, int play, char* buffer, int size) {
    if (buffer == nullptr || size <= 0) return;
    if (play == HARD_CODED_FIELD_GOAL_PLAY) {
        // The field goal's text names the length of the kick from the spot.
        buffer[0] = '\0';
        if (Current_Game != nullptr) {
            int32_t year = Get_Current_Year();
            int yards = Current_Game->Yards_To_Goal + (year < 1974 ? 7 : 17);
            char text[PLAY_DESCRIPTION_LENGTH];
            std::snprintf(text, sizeof(text), "%d-Yard Field Goal Attempt", yards);
            safe_strncpy(buffer, text, size);
        }
    } else {
        const OFFENSIVE_PLAY* record = Find_Offensive_Play(team, play);
        Copy_Out(buffer, size, record ? record->Description : "", PLAY_DESCRIPTION_LENGTH);
    }
    if (size >= PLAY_DESCRIPTION_LENGTH) buffer[PLAY_DESCRIPTION_LENGTH - 1] = '\0';
}

int32_t Get_Offensive_Play_Type(int team, int play) {
    const OFFENSIVE_PLAY* record = Find_Offensive_Play(team, play);
    return record ? record->Play_Type : -1;
}

int8_t Get_Offensive_Play_Formation(int team, int play) {
    const OFFENSIVE_PLAY* record = Find_Offensive_Play(team, play);
    return record ? record->Formation : -1;
}

int8_t Get_Offensive_Play_Option(int team, int play) {
    const OFFENSIVE_PLAY* record = Find_Offensive_Play(team, play);
    return record ? record->Option_Hole : 0;
}

int32_t Get_Offensive_Play_Depth(int team, int play) {
    const OFFENSIVE_PLAY* record = Find_Offensive_Play(team, play);
    return record ? record->Hole_Or_Depth : -1;
}

int32_t Get_Offensive_Play_Primary_Receiver(int team, int play) {
    const OFFENSIVE_PLAY* record = Find_Offensive_Play(team, play);
    // Unset (0) and the kicks' stored -1 both read as no primary player, so
    // the answer is always an on-field slot 0-5 or -1.
    if (record == nullptr || record->Primary < 1 || record->Primary > 1 + PLAY_RECEIVERS) return -1;
    return record->Primary - 1;
}

int Set_Offensive_Play_Primary_Receiver(int team, int play, int slot) {
    if (play < 0 || play >= STORED_OFFENSIVE_PLAYS || !Is_Team_Record(team)) return 0;
    if (slot < -1 || slot > PLAY_RECEIVERS) return 0;
    Universe.Teams[team].Playbooks.Offense.Plays[play].Primary = slot + 1;
    Forget_Playbook_Readings();
    return 1;
}

int32_t Get_Offensive_Play_Route(int team, int play, int receiver) {
    if (receiver < 0 || receiver >= PLAY_RECEIVERS) {
        Report_System_Error("Invalid nReceiver in Get_Offensive_Play_Route(%d, %d, [%d])", team, play,
                            receiver);
        return -1;
    }
    const OFFENSIVE_PLAY* record = Find_Offensive_Play(team, play);
    return record ? record->Routes[receiver] : -1;
}

int Set_Offensive_Play_Route(int team, int play, int receiver, int route) {
    if (receiver < 0 || receiver >= PLAY_RECEIVERS) {
        Report_System_Error("Invalid nReceiver in Set_Offensive_Play_Route(%d, %d, [%d], %d)", team, play,
                            receiver, route);
        return 0;
    }
    if (play < 0 || play >= STORED_OFFENSIVE_PLAYS) {
        Report_System_Error("Invalid nPlay in Set_Offensive_Play_Route(%d, [%d], %d, %d)", team, play,
                            receiver, route);
        return 0;
    }
    // The built-in table is never written, and a route must name a table entry.
    if (!Is_Team_Record(team) || route < -1 || route >= PASS_ROUTE_COUNT) return 0;
    Universe.Teams[team].Playbooks.Offense.Plays[play].Routes[receiver] = route;
    Forget_Playbook_Readings();
    return 1;
}

bool Is_Running_Play(int team, int play) {
    switch (Get_Offensive_Play_Type(team, play)) {
    case PLAY_TYPE_RUSH:
    case PLAY_TYPE_TOSS:
    case PLAY_TYPE_SWEEP:
    case PLAY_TYPE_DRAW:
    case PLAY_TYPE_TRAP:
    case PLAY_TYPE_END_AROUND:
    case PLAY_TYPE_COUNTER:
    case PLAY_TYPE_DOUBLE_REVERSE:
    case PLAY_TYPE_REVERSE:
        return true;
    default:
        return false;
    }
}

bool Is_Passing_Play(int team, int play) {
    int32_t type = Get_Offensive_Play_Type(team, play);
    return (type >= PLAY_TYPE_PASS && type <= PLAY_TYPE_SCREEN) ||
           (type >= PLAY_TYPE_FLEA_FLICKER && type <= PLAY_TYPE_FAKE_REVERSE);
}

bool Is_Rollout_Or_Bootleg_Play(int team, int play) {
    int32_t type = Get_Offensive_Play_Type(team, play);
    return type == PLAY_TYPE_ROLLOUT || type == PLAY_TYPE_BOOTLEG;
}

bool Is_Kneel_Down_Play(int team, int play) {
    return Get_Offensive_Play_Type(team, play) == PLAY_TYPE_KNEEL_DOWN;
}

bool Is_Offensive_Play_Defined(int team, int play) {
    if (!Is_Valid_Team_Code(team)) return false;
    const OFFENSIVE_PLAY* record = Find_Offensive_Play(team, play);
    return record != nullptr && record->Name[0] != '\0';
}

int Get_Offensive_Play_Category(int team, int play) {
    if (Get_Offensive_Play_Type(team, play) == PLAY_TYPE_DRAW) return CATEGORY_DRAW;
    if (Is_Running_Play(team, play))
        return Get_Offensive_Play_Depth(team, play) >= 4 ? CATEGORY_OUTSIDE_RUN : CATEGORY_INSIDE_RUN;
    // A pass is judged by its primary receiver's route; no primary receiver,
    // or a code that names no route, counts as a short pass.
    int receiver = Get_Offensive_Play_Primary_Receiver(team, play) - 1;
    if (receiver < 0 || receiver >= PLAY_RECEIVERS) return CATEGORY_SHORT_PASS;
    int32_t route = Get_Offensive_Play_Route(team, play, receiver);
    if (route < 0 || route >= PASS_ROUTE_COUNT) return CATEGORY_SHORT_PASS;
    int depth = Get_Pass_Route_Catch_Depth(route);
    if (depth < 5) return CATEGORY_SHORT_PASS;
    if (depth < 13) return CATEGORY_MEDIUM_PASS;
    return CATEGORY_LONG_PASS;
}

int32_t Get_Play_Run_Hole(const GAME_RECORD* pGame) {
    if (pGame == nullptr) return 0;
    int team =
        pGame->Possession_Team < TOTAL_NUMBER_OF_TEAMS ? pGame->Possession_Team : DEFAULT_PLAYBOOK_TEAM;
    int play = pGame->Current_Play.Offensive_Play;
    if (Get_Offensive_Play_Type(team, play) == PLAY_TYPE_END_AROUND) {
        int slot = Get_Offensive_Play_Primary_Receiver(team, play);
        // Without a primary player there is no side to run to; the stored
        // hole stands.
        if (slot >= 0) {
            double x = 0.0;
            double y = 0.0;
            Get_Formation_Coordinate(Get_Offensive_Play_Formation(team, play), slot, &x, &y);
            return x >= 0.0 ? 9 : 8;
        }
    } else if (Is_Read_Or_Option_Play(team, play) &&
               (pGame->Clock + pGame->Current_Play.Defensive_Play) % 2 != 0) {
        return Get_Offensive_Play_Option(team, play);
    }
    return Get_Offensive_Play_Depth(team, play);
}

void Get_Defensive_Play_Name(int team, int play, char* buffer, int size) {
    const DEFENSIVE_PLAY* record = Find_Defensive_Play(team, play);
    Copy_Out(buffer, size, record ? record->Name : "", PLAY_NAME_LENGTH);
}

void Get_Defensive_Play_Description(int team, int play, char* buffer, int size) {
    const DEFENSIVE_PLAY* record = Find_Defensive_Play(team, play);
    Copy_Out(buffer, size, record ? record->Description : "", PLAY_DESCRIPTION_LENGTH);
}

int32_t Get_Defensive_Play_Formation(int team, int play) {
    const DEFENSIVE_PLAY* record = Find_Defensive_Play(team, play);
    return record ? record->Formation : -1;
}

int32_t Get_Defensive_Play_Role(int team, int play, int defender) {
    const DEFENSIVE_PLAY* record = Find_Defensive_Play(team, play);
    if (record == nullptr || defender < 0 || defender >= PLAY_DEFENDERS) {
        Log_Debug_Line("Invalid nPlay or nPlayer in Get_Defensive_Play_Role(%d, %d, %d)", team, play,
                       defender);
        return -1;
    }
    return record->Roles[defender];
}

int32_t Set_Defensive_Play_Role(int team, int play, int defender, int role) {
    if (defender < 0 || defender >= PLAY_DEFENDERS) {
        Report_System_Error("Invalid nPlayer in Set_Defensive_Play_Role(%d, %d, [%d], %d)", team, play,
                            defender, role);
        return -1;
    }
    if (!Is_Team_Record(team) || play < 0 || play >= DEFENSIVE_PLAYS || role < 0 ||
        role >= DEFENSIVE_RESPONSIBILITY_COUNT)
        return -1;
    Universe.Teams[team].Playbooks.Defense.Plays[play].Roles[defender] = role;
    Forget_Playbook_Readings();
    return role;
}

bool Is_Defensive_Play_Defined(int team, int play) {
    if (!Is_Valid_Team_Code(team)) return false;
    const DEFENSIVE_PLAY* record = Find_Defensive_Play(team, play);
    return record != nullptr && record->Name[0] != '\0';
}

static const OFFENSIVE_PLAY& Special_Teams_Row(int play) {
    return SPECIAL_TEAMS_PLAYS[((play % SPECIAL_TEAMS_PLAY_COUNT) + SPECIAL_TEAMS_PLAY_COUNT) %
                               SPECIAL_TEAMS_PLAY_COUNT];
}

void Get_Special_Teams_Play_Name(int play, char* buffer, int size) {
    Copy_Out(buffer, size, Special_Teams_Row(play).Name, PLAY_NAME_LENGTH);
}

void Get_Special_Teams_Play_Description(int play, char* buffer, int size) {
    Copy_Out(buffer, size, Special_Teams_Row(play).Description, PLAY_DESCRIPTION_LENGTH);
}

bool Is_Special_Teams_Play_Defined(int play) {
    return Special_Teams_Row(play).Name[0] != '\0';
}

int32_t Get_Special_Teams_Play_Formation(int play) {
    return Special_Teams_Row(play).Formation;
}

int32_t Get_Special_Teams_Play_Type(int play) {
    return Special_Teams_Row(play).Play_Type;
}

int32_t Get_Special_Teams_Play_Route(int play, int receiver) {
    if (receiver < 0 || receiver >= PLAY_RECEIVERS) {
        Report_System_Error("Invalid nReceiver in Get_Special_Teams_Play_Route(%d, [%d])", play, receiver);
        return -1;
    }
    return Special_Teams_Row(play).Routes[receiver];
}

bool Is_Touchdown_Counter_Result(int32_t result) {
    return result == RESULT_TOUCHDOWN_PASS || result == RESULT_TOUCHDOWN_RUN;
}

bool Is_Sack_Counter_Result(int32_t result) {
    return result == RESULT_SACK || result == RESULT_PASS_FUMBLE;
}

bool Is_Past_Regulation(const GAME_RECORD* pGame) {
    return pGame != nullptr && pGame->Clock > REGULATION_SECONDS;
}

int Get_Offensive_Formation_System_Match(int system, int formation) {
    if (formation >= 41 && formation <= 43) return 750;
    if (formation < 0 || formation > 21) {
        Report_System_Error("Invalid formation in Get_Offensive_Formation_System_Match(%d, [%d])", system,
                            formation);
        return 750;
    }
    if (system < 0 || system > 3) {
        Report_System_Error("Invalid system in Get_Offensive_Formation_System_Match([%d], %d)", system,
                            formation);
        return 750;
    }
    return Offensive_Formation_System_Match[formation][system];
}

int Get_Defensive_Formation_System_Match(int system, int formation) {
    if (formation < 22 || formation > 38) {
        Report_System_Error("Invalid formation in Get_Defensive_Formation_System_Match(%d, [%d])", system,
                            formation);
        return 500;
    }
    if (system != 0 && system != 1) {
        Report_System_Error("Invalid system in Get_Defensive_Formation_System_Match([%d], %d)", system,
                            formation);
        return 500;
    }
    // Per-mille fit of defensive formations 22-38: 4-3 defence, 3-4 defence.
    static const int16_t match[17][2] = {
        {1000, 100}, {1000, 100}, {1000, 100}, {100, 1000}, {100, 1000}, {100, 1000},
        {700, 300},  {1000, 100}, {1000, 100}, {100, 1000}, {100, 1000}, {100, 1000},
        {1000, 100}, {100, 1000}, {300, 700},  {400, 600},  {500, 500},
    };
    return match[formation - 22][system];
}

OFFENSIVE_PLAYBOOK* Get_Team_Offensive_Playbook(int team) {
    return Is_Team_Record(team) ? &Universe.Teams[team].Playbooks.Offense : nullptr;
}

DEFENSIVE_PLAYBOOK* Get_Team_Defensive_Playbook(int team) {
    return Is_Team_Record(team) ? &Universe.Teams[team].Playbooks.Defense : nullptr;
}

namespace {
// Replaces a code outside lo..hi by `fallback`; counts the repairs.
template <typename T> void Repair_Code(T& value, int lo, int hi, int fallback, int& repairs) {
    if (value >= lo && value <= hi) return;
    value = static_cast<T>(fallback);
    ++repairs;
}

constexpr int LAST_HOLE = 9;
} // namespace

int Repair_Offensive_Playbook(OFFENSIVE_PLAYBOOK& book) {
    int repairs = 0;
    for (OFFENSIVE_PLAY& play : book.Plays) {
        play.Name[PLAY_NAME_LENGTH - 1] = '\0';
        play.Description[PLAY_DESCRIPTION_LENGTH - 1] = '\0';
        Repair_Code(play.Formation, 0, NUMBER_OF_FORMATIONS - 1, 0, repairs);
        Repair_Code(play.Play_Type, 0, PLAY_TYPE_COUNT - 1, PLAY_TYPE_RUSH, repairs);
        Repair_Code(play.Primary, 0, 1 + PLAY_RECEIVERS, 0, repairs);
        Repair_Code(play.Option_Hole, 0, LAST_HOLE, 0, repairs);
        // On runs the hole names one of the ten holes; on passes it is a depth.
        const bool run = play.Play_Type <= PLAY_TYPE_END_AROUND || play.Play_Type == PLAY_TYPE_COUNTER ||
                         play.Play_Type == PLAY_TYPE_DOUBLE_REVERSE || play.Play_Type == PLAY_TYPE_REVERSE;
        if (run) Repair_Code(play.Hole_Or_Depth, 0, LAST_HOLE, 0, repairs);
        for (int32_t& route : play.Routes)
            Repair_Code(route, -1, PASS_ROUTE_COUNT - 1, -1, repairs);
    }
    for (auto& folder : book.Folder_Names)
        folder[FOLDER_NAME_LENGTH - 1] = '\0';
    book.Notes[PLAYBOOK_NOTES_LENGTH - 1] = '\0';
    book.Name[PLAYBOOK_NAME_LENGTH - 1] = '\0';
    return repairs;
}

int Repair_Defensive_Playbook(DEFENSIVE_PLAYBOOK& book) {
    int repairs = 0;
    for (DEFENSIVE_PLAY& play : book.Plays) {
        play.Name[PLAY_NAME_LENGTH - 1] = '\0';
        play.Description[PLAY_DESCRIPTION_LENGTH - 1] = '\0';
        Repair_Code(play.Formation, 0, NUMBER_OF_FORMATIONS - 1, FIRST_DEFENSIVE_FORMATION, repairs);
        for (int32_t& role : play.Roles)
            Repair_Code(role, 0, DEFENSIVE_RESPONSIBILITY_COUNT - 1, 9, repairs);
    }
    for (auto& folder : book.Folder_Names)
        folder[FOLDER_NAME_LENGTH - 1] = '\0';
    book.Notes[PLAYBOOK_NOTES_LENGTH - 1] = '\0';
    book.Name[PLAYBOOK_NAME_LENGTH - 1] = '\0';
    return repairs;
}

void Set_Default_Playbooks(int team) {
    if (!Is_Team_Record(team)) {
        Report_System_Error("Invalid nTeam in Set_Default_Playbooks([%d])", team);
        return;
    }
    OFFENSIVE_PLAYBOOK& offense = Universe.Teams[team].Playbooks.Offense;
    DEFENSIVE_PLAYBOOK& defense = Universe.Teams[team].Playbooks.Defense;
    safe_strncpy(offense.Notes, DEFAULT_OFFENSIVE_NOTES, PLAYBOOK_NOTES_LENGTH);
    safe_strncpy(defense.Notes, DEFAULT_DEFENSIVE_NOTES, PLAYBOOK_NOTES_LENGTH);
    for (int f = 0; f < OFFENSIVE_FOLDERS; ++f)
        safe_strncpy(offense.Folder_Names[f], Default_Offensive_Folder_Names[f], FOLDER_NAME_LENGTH);
    std::memcpy(offense.Plays, Default_Offensive_Plays, sizeof(offense.Plays));
    Forget_Playbook_Readings();
    for (int f = 0; f < DEFENSIVE_FOLDERS; ++f)
        safe_strncpy(defense.Folder_Names[f], Default_Defensive_Folder_Names[f], FOLDER_NAME_LENGTH);
    std::memcpy(defense.Plays, Default_Defensive_Plays, sizeof(defense.Plays));
    Clear_Playbook_Result_Data(team, 0);
    for (int play = 0; play < DEFENSIVE_PLAYS; ++play)
        Clear_Play_Result_Data(team, 1, play);
}

void Reset_All_Team_Playbooks() {
    int32_t count = Refresh_Active_Team_Count();
    for (int team = 0; team < count; ++team)
        Set_Default_Playbooks(team);
    Assign_Team_Offensive_Systems();
}

void Clear_All_Play_Result_Data() {
    int32_t count = Count_Active_Teams();
    for (int team = 0; team < count; ++team) {
        for (int play = 0; play < OFFENSIVE_PLAYS; ++play)
            Clear_Play_Result_Data(team, 0, play);
        for (int play = 0; play < DEFENSIVE_PLAYS; ++play)
            Clear_Play_Result_Data(team, 1, play);
    }
}

void Clear_Playbook_Result_Data(int team, int bDefense) {
    int plays = bDefense ? DEFENSIVE_PLAYS : OFFENSIVE_PLAYS;
    for (int play = 0; play < plays; ++play)
        Clear_Play_Result_Data(team, bDefense, play);
}

void Clear_Play_Result_Data(int team, int bDefense, int play) {
    if (!Is_Team_Record(team) || play < 0 || play >= (bDefense ? DEFENSIVE_PLAYS : OFFENSIVE_PLAYS)) {
        Report_System_Error("Invalid argument in Clear_Play_Result_Data(%d, %d, %d)", team, bDefense, play);
        return;
    }
    if (bDefense) {
        DEFENSIVE_RESULT_DATA& data = Universe.Teams[team].Playbooks.Defense.Results;
        for (int c = 0; c < DEFENSIVE_CATEGORIES; ++c) {
            data.Yards[play][c] = 0;
            data.Called[play][c] = 0;
            data.Sacks[play][c] = 0;
            data.Touchdowns[play][c] = 0;
            data.Turnovers[play][c] = 0;
            data.First_Downs[play][c] = 0;
        }
    } else {
        OFFENSIVE_RESULT_DATA& data = Universe.Teams[team].Playbooks.Offense.Results;
        for (int s = 0; s < OFFENSIVE_SITUATIONS; ++s) {
            data.Yards[play][s] = 0;
            data.Called[play][s] = 0;
            data.Sacks[play][s] = 0;
            data.Touchdowns[play][s] = 0;
            data.Turnovers[play][s] = 0;
            data.First_Downs[play][s] = 0;
        }
    }
}
