// The Playbook Editor's page: filling its controls from the shown play,
// storing the typed texts, applying a combo's choice and mending the play's
// assignments after it, and the results the play has recorded.
#include <cstdio>
#include <cstring>
#include <string>

#include "app/diagnostics.h"
#include "app/team_lists.h"
#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/string_table.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "database/universe.h"
#include "engine/formation_depth_charts.h"
#include "engine/formations.h"
#include "engine/game_screen_hooks.h"
#include "engine/playbook_records.h"
#include "engine/pregame_setup.h"
#include "platform/combo_box.h"
#include "platform/controls.h"
#include "platform/edit_control.h"
#include "platform/message_box.h"
#include "platform/windows.h"
#include "playbooks/play_diagrams.h"
#include "playbooks/playbook_editor.h"
#include "playbooks/playbook_editor_layout.h"
#include "playbooks/playbook_files.h"
#include "playbooks/playbook_queries.h"
#include "playbooks/result_panels.h"
#include "reports/player_stats_export.h"
#include "views/diagram_highlight.h"

namespace {
constexpr int32_t ASSIGNABLE_ROUTES = 43; // codes 0-42
constexpr int32_t ROLE_COUNT = DEFENSIVE_RESPONSIBILITY_COUNT;
constexpr int32_t LAST_FOLDER_PLAYS = 4; // plays 50-53
constexpr int32_t LABEL_SIZE = 64;
constexpr int32_t SCOUTED_OVERALL = 225;
constexpr const char* NOT_AVAILABLE = "[Not Available]";
const char* const HOLE_NAMES[10] = {"0 (C/RG)",
                                    "1 (C/LG)",
                                    "2 (RG/RT)",
                                    "3 (LG/LT)",
                                    "4 (Off-Tackle Right)",
                                    "5 (Off-Tackle Left)",
                                    "6 (Outside Right)",
                                    "7 (Outside Left)",
                                    "8 (Far Outside Right)",
                                    "9 (Far Outside Left)"};
const char* const SITUATION_NAMES[OFFENSIVE_SITUATIONS] = {"Overall", "3rd Down", "<4 To Go", "11+ To Go",
                                                           "vs. Blitz"};
// The five statistics the player labels show, by position: the category of
// the Print dialog's lists and five of its choices (NO_SLOT_STAT: no label;
// the lists name no statistic of a lineman's).
struct SLOT_PLAYER_STATS {
    int32_t Category;
    int32_t Choices[EDITOR_PLAYER_STATS];
};
constexpr int32_t NO_SLOT_STAT = -1;
constexpr SLOT_PLAYER_STATS SLOT_STATS_BY_POSITION[NUMBER_OF_POSITIONS] = {
    {STATS_OFFENSE, {0, 1, 5, 6, 4}},
    {STATS_OFFENSE, {0, 1, 7, 8, 9}},
    {STATS_OFFENSE, {0, 1, 7, 8, 9}},
    {STATS_OFFENSE, {0, 1, 10, 11, 12}},
    {STATS_OFFENSE, {0, 1, 10, 11, 12}},
    {STATS_OFFENSE, {0, 1, NO_SLOT_STAT, NO_SLOT_STAT, NO_SLOT_STAT}},
    {STATS_OFFENSE, {0, 1, NO_SLOT_STAT, NO_SLOT_STAT, NO_SLOT_STAT}},
    {STATS_OFFENSE, {0, 1, NO_SLOT_STAT, NO_SLOT_STAT, NO_SLOT_STAT}},
    {STATS_DEFENSE, {0, 1, 2, 4, 7}},
    {STATS_DEFENSE, {0, 1, 2, 4, 7}},
    {STATS_DEFENSE, {0, 1, 2, 4, 7}},
    {STATS_DEFENSE, {0, 1, 2, 7, 6}},
    {STATS_DEFENSE, {0, 1, 2, 7, 6}},
    {STATS_KICKING, {0, 1, 7, 9, 11}},
    {STATS_KICKING, {0, 1, 2, 3, 4}}};
const char* const CATEGORY_NAMES[DEFENSIVE_CATEGORIES] = {"Inside Rushes", "Outside Rushes", "Draw Plays",
                                                          "Short Passes",  "Medium Passes",  "Long Passes"};

bool Is_Running_Type(int32_t type) {
    return (type >= PLAY_TYPE_RUSH && type <= PLAY_TYPE_END_AROUND) || type == PLAY_TYPE_COUNTER ||
           type == PLAY_TYPE_DOUBLE_REVERSE || type == PLAY_TYPE_REVERSE;
}

int32_t Clamp(int32_t value, int32_t lo, int32_t hi) {
    return value < lo ? lo : value > hi ? hi : value;
}

WINDOW_HANDLE Item(WINDOW_HANDLE dialog, int32_t id) {
    return Get_Dialog_Item(dialog, id);
}

void Show_Item(WINDOW_HANDLE dialog, int32_t id, bool show) {
    Show_Window(Item(dialog, id), show);
}

void Fill_Combo(WINDOW_HANDLE dialog, int32_t id, const char* const* lines, int32_t count,
                int32_t selection) {
    const WINDOW_HANDLE combo = Get_Playbook_Editor_Combo(dialog, id);
    Combo_Box_Reset_Content(combo);
    for (int32_t i = 0; i < count; ++i)
        Combo_Box_Add_String(combo, lines[i]);
    Combo_Box_Set_Current_Selection(combo, selection >= 0 && selection < count ? selection : -1);
}

int32_t Formation_Slot_Position(int32_t formation, int32_t slot) {
    if (!Is_Valid_Formation(formation) || slot < 0 || slot >= PLAYERS_ON_FIELD) return -1;
    return Formation_Slot_Table[formation][slot].Position;
}

// The team's player the formation's depth chart puts in a slot, or false.
bool Find_Slot_Player(int32_t team, int32_t formation, int32_t slot, int32_t* player_team,
                      int32_t* player_slot) {
    if (!Is_Valid_Formation(formation) || !Is_Team_Record_Slot(team)) return false;
    const int32_t id = Get_Formation_Depth_Chart_Entry(team, formation, slot);
    PLAYER_LOCATION where{};
    if (id <= 0 || Lookup_Player_ID_Hash(&where, id) == 0) return false;
    *player_team = where.Team;
    *player_slot = where.Slot;
    return true;
}

OFFENSIVE_PLAY* Offensive_Record(int32_t team, int32_t play) {
    OFFENSIVE_PLAYBOOK* book = Get_Team_Offensive_Playbook(team);
    return book != nullptr && play >= 0 && play < STORED_OFFENSIVE_PLAYS ? &book->Plays[play] : nullptr;
}

DEFENSIVE_PLAY* Defensive_Record(int32_t team, int32_t play) {
    DEFENSIVE_PLAYBOOK* book = Get_Team_Defensive_Playbook(team);
    return book != nullptr && play >= 0 && play < DEFENSIVE_PLAYS ? &book->Plays[play] : nullptr;
}

// The name field of a side's folder, or null.
char* Folder_Name_Field(int32_t side, int32_t team, int32_t folder) {
    if (side == 0) {
        OFFENSIVE_PLAYBOOK* book = Get_Team_Offensive_Playbook(team);
        return book != nullptr && folder >= 0 && folder < OFFENSIVE_FOLDERS ? book->Folder_Names[folder]
                                                                            : nullptr;
    }
    DEFENSIVE_PLAYBOOK* book = Get_Team_Defensive_Playbook(team);
    return book != nullptr && folder >= 0 && folder < DEFENSIVE_FOLDERS ? book->Folder_Names[folder]
                                                                        : nullptr;
}

void Fill_Folder_Combo(WINDOW_HANDLE dialog, int32_t team, int32_t side, int32_t folder) {
    const WINDOW_HANDLE combo = Item(dialog, EDITOR_FOLDER_COMBO);
    Combo_Box_Reset_Content(combo);
    char name[FOLDER_NAME_LENGTH], line[FOLDER_NAME_LENGTH + 16];
    for (int32_t number = 0; number < OFFENSIVE_FOLDERS + DEFENSIVE_FOLDERS; ++number) {
        Get_Playbook_Folder_Name_By_Number(team, number, name);
        safe_sprintf(line, sizeof line, number < OFFENSIVE_FOLDERS ? "Offense: %s" : "Defense: %s", name);
        Combo_Box_Add_String(combo, line);
    }
    Combo_Box_Set_Current_Selection(combo, side * OFFENSIVE_FOLDERS + folder);
    Get_Playbook_Folder_Name(side, team, folder, name);
    Set_Dialog_Item_Text(dialog, EDITOR_FOLDER_NAME, name);
}

void Fill_Play_Combo(WINDOW_HANDLE dialog, int32_t team, int32_t side, int32_t folder, int32_t slot) {
    const WINDOW_HANDLE combo = Item(dialog, EDITOR_PLAY_COMBO);
    Combo_Box_Reset_Content(combo);
    const int32_t count = side == 0 && folder == OFFENSIVE_FOLDERS - 1 ? LAST_FOLDER_PLAYS : 10;
    char name[PLAY_NAME_LENGTH];
    for (int32_t i = 0; i < count; ++i) {
        Get_Play_Name_By_Side(side, team, folder * 10 + i, name);
        Combo_Box_Add_String(combo, name);
    }
    Combo_Box_Set_Current_Selection(combo, slot);
}

void Fill_Formation_Combo(WINDOW_HANDLE dialog, int32_t side, int32_t formation) {
    const WINDOW_HANDLE combo = Item(dialog, EDITOR_FORMATION_COMBO);
    Combo_Box_Reset_Content(combo);
    const int32_t first = side == 0 ? 0 : FIRST_DEFENSIVE_FORMATION;
    const int32_t last = side == 0 ? FIRST_DEFENSIVE_FORMATION - 1 : FORMATION_GOAL_LINE_DEFENSE;
    char name[64];
    for (int32_t f = first; f <= last; ++f) {
        Get_Formation_Name(name, sizeof name, f);
        Combo_Box_Add_String(combo, name);
    }
    Combo_Box_Set_Current_Selection(combo, formation >= first && formation <= last ? formation - first : -1);
}

void Fill_Offense_Fields(WINDOW_HANDLE dialog, int32_t team, int32_t play) {
    const int32_t type = Get_Offensive_Play_Type(team, play);
    const int32_t formation = Get_Offensive_Play_Formation(team, play);
    Fill_Combo(dialog, EDITOR_PLAY_TYPE_COMBO, Play_Type_Names, PLAY_TYPE_COUNT, type);
    const bool running = Is_Running_Type(type);
    const bool play_action = Has_Receiver_Route_31_32_37(team, play);
    Fill_Combo(dialog, EDITOR_RUSHING_HOLE, HOLE_NAMES, 10, Get_Offensive_Play_Depth(team, play));
    Fill_Combo(dialog, EDITOR_PLAY_ACTION_HOLE, HOLE_NAMES, 10, Get_Offensive_Play_Option(team, play));
    const bool hole_shown = running || play_action || Has_Receiver_Route_40(team, play);
    Show_Item(dialog, EDITOR_RUSHING_HOLE, hole_shown);
    Show_Item(dialog, EDITOR_HOLE_LABEL, hole_shown);
    Show_Item(dialog, EDITOR_PLAY_ACTION_HOLE, running && play_action);
    Show_Item(dialog, EDITOR_PLAY_ACTION_LABEL, running && play_action);
    Set_Dialog_Item_Text(dialog, EDITOR_PRIMARY_LABEL, running ? "Ball Carrier" : "Primary Receiver");
    // The quarterback and the five receivers.
    char labels[1 + PLAY_RECEIVERS][LABEL_SIZE];
    const char* lines[1 + PLAY_RECEIVERS];
    for (int32_t slot = 0; slot <= PLAY_RECEIVERS; ++slot) {
        Format_Formation_Slot_Label(labels[slot], team, formation, slot);
        lines[slot] = labels[slot];
    }
    Fill_Combo(dialog, EDITOR_PRIMARY, lines, 1 + PLAY_RECEIVERS,
               Get_Offensive_Play_Primary_Receiver(team, play));
    char names[ASSIGNABLE_ROUTES][40];
    const char* routes[ASSIGNABLE_ROUTES];
    for (int32_t r = 0; r < PLAY_RECEIVERS; ++r) {
        const int32_t position = Formation_Slot_Position(formation, r + 1);
        for (int32_t code = 0; code < ASSIGNABLE_ROUTES; ++code) {
            safe_strncpy(names[code],
                         Is_Route_Kind_Allowed(position, Pass_Route_Table[code].Kind)
                             ? Get_Pass_Route_Name(code)
                             : NOT_AVAILABLE,
                         sizeof names[code]);
            routes[code] = names[code];
        }
        Fill_Combo(dialog, EDITOR_FIRST_ROUTE + r, routes, ASSIGNABLE_ROUTES,
                   Get_Offensive_Play_Route(team, play, r));
    }
}

void Fill_Defense_Fields(WINDOW_HANDLE dialog, int32_t team, int32_t play) {
    const int32_t formation = Get_Defensive_Play_Formation(team, play);
    char names[ROLE_COUNT][40];
    const char* roles[ROLE_COUNT];
    for (int32_t slot = 0; slot < PLAYERS_ON_FIELD; ++slot) {
        const int32_t position = Formation_Slot_Position(formation, slot);
        for (int32_t role = 0; role < ROLE_COUNT; ++role) {
            safe_strncpy(names[role],
                         Is_Role_Allowed(position, role) ? Get_Defensive_Responsibility_Name(role)
                                                         : NOT_AVAILABLE,
                         sizeof names[role]);
            roles[role] = names[role];
        }
        Fill_Combo(dialog, Get_Role_Combo_Id(slot), roles, ROLE_COUNT,
                   Get_Defensive_Play_Role(team, play, slot));
    }
}

// The player labels and the buttons with each player's overall, the ball
// carrier or primary receiver marked.
void Fill_Slot_Labels(WINDOW_HANDLE dialog, int32_t team, int32_t side, int32_t play) {
    const int32_t formation =
        side == 0 ? Get_Offensive_Play_Formation(team, play) : Get_Defensive_Play_Formation(team, play);
    const int32_t primary = side == 0 ? Get_Offensive_Play_Primary_Receiver(team, play) : -1;
    for (int32_t slot = 0; slot < PLAYERS_ON_FIELD; ++slot) {
        char label[LABEL_SIZE];
        Format_Formation_Slot_Label(label, team, formation, slot);
        Set_Dialog_Item_Text(dialog, EDITOR_FIRST_SLOT_LABEL + slot, label);
        int32_t player_team = 0, player_slot = 0;
        const bool found = Find_Slot_Player(team, formation, slot, &player_team, &player_slot);
        char value[16] = "";
        if (found)
            safe_sprintf(value, sizeof value, "%d%s",
                         Get_Player_Stat(player_team, player_slot, SEASON_THIS, SCOUTED_OVERALL),
                         slot == primary ? "*" : "");
        Set_Dialog_Item_Text(dialog, EDITOR_SLOT_BUTTONS[slot], value);
        Show_Item(dialog, EDITOR_SLOT_BUTTONS[slot], found);
    }
}

void Store_Text(WINDOW_HANDLE dialog, int32_t id, char* field, int32_t size, const char* empty) {
    std::string text = Get_Dialog_Item_Text(dialog, id);
    if (text.empty() && empty != nullptr) text = empty;
    safe_strncpy(field, text.c_str(), size);
}

// The shown play's current value of a combo's field, or -1.
int32_t Current_Value(int32_t team, int32_t side, int32_t play, int32_t id) {
    if (side != 0) {
        if (id == EDITOR_FORMATION_COMBO) return Get_Defensive_Play_Formation(team, play);
        const int32_t slot = Get_Playbook_Editor_Control_Index(id);
        return slot >= 0 ? Get_Defensive_Play_Role(team, play, slot) : -1;
    }
    switch (id) {
    case EDITOR_RUSHING_HOLE:
        return Get_Offensive_Play_Depth(team, play);
    case EDITOR_PLAY_ACTION_HOLE:
        return Get_Offensive_Play_Option(team, play);
    case EDITOR_PRIMARY:
        return Get_Offensive_Play_Primary_Receiver(team, play);
    case EDITOR_FORMATION_COMBO:
        return Get_Offensive_Play_Formation(team, play);
    case EDITOR_PLAY_TYPE_COMBO:
        return Get_Offensive_Play_Type(team, play);
    default:
        if (id >= EDITOR_FIRST_ROUTE && id < EDITOR_FIRST_ROUTE + PLAY_RECEIVERS)
            return Get_Offensive_Play_Route(team, play, id - EDITOR_FIRST_ROUTE);
        return -1;
    }
}

// Stores a combo's new value into the play; false when it is no field of the side.
bool Store_Value(int32_t team, int32_t side, int32_t play, int32_t id, int32_t value) {
    if (side != 0) {
        DEFENSIVE_PLAY* record = Defensive_Record(team, play);
        if (record == nullptr) return false;
        if (id == EDITOR_FORMATION_COMBO) {
            record->Formation = value;
            return true;
        }
        const int32_t slot = Get_Playbook_Editor_Control_Index(id);
        if (slot < 0) return false;
        record->Roles[slot] = value;
        return true;
    }
    OFFENSIVE_PLAY* record = Offensive_Record(team, play);
    if (record == nullptr) return false;
    switch (id) {
    case EDITOR_RUSHING_HOLE:
        record->Hole_Or_Depth = value;
        return true;
    case EDITOR_PLAY_ACTION_HOLE:
        record->Option_Hole = static_cast<int8_t>(value);
        return true;
    case EDITOR_PRIMARY:
        record->Primary = value + 1;
        return true;
    case EDITOR_FORMATION_COMBO:
        record->Formation = static_cast<int8_t>(value);
        return true;
    case EDITOR_PLAY_TYPE_COMBO:
        record->Play_Type = value;
        return true;
    default:
        if (id < EDITOR_FIRST_ROUTE || id >= EDITOR_FIRST_ROUTE + PLAY_RECEIVERS) return false;
        record->Routes[id - EDITOR_FIRST_ROUTE] = value;
        return true;
    }
}

// The advice about old results is given once a run.
bool result_advice_shown = false;
} // namespace

void Reset_Result_Data_Advice() {
    result_advice_shown = false;
}

int32_t Get_Playbook_Editor_Play(int32_t* side_out, int32_t* folder_out, int32_t* slot_out) {
    const int32_t side = Clamp(Get_User_Preference(PLAYBOOK_EDITOR_SIDE), 0, 1);
    const int32_t folder = Clamp(Get_User_Preference(PLAYBOOK_EDITOR_FOLDER), 0,
                                 side == 0 ? OFFENSIVE_FOLDERS - 1 : DEFENSIVE_FOLDERS - 1);
    const int32_t last_slot = side == 0 && folder == OFFENSIVE_FOLDERS - 1 ? LAST_FOLDER_PLAYS - 1 : 9;
    const int32_t slot = Clamp(Get_User_Preference(PLAYBOOK_EDITOR_SLOT), 0, last_slot);
    Set_User_Preference(PLAYBOOK_EDITOR_SIDE, side);
    Set_User_Preference(PLAYBOOK_EDITOR_FOLDER, folder);
    Set_User_Preference(PLAYBOOK_EDITOR_SLOT, slot);
    if (side_out != nullptr) *side_out = side;
    if (folder_out != nullptr) *folder_out = folder;
    if (slot_out != nullptr) *slot_out = slot;
    return folder * 10 + slot;
}

bool Is_Route_Kind_Allowed(int32_t position, int32_t kind) {
    switch (position) {
    case POSITION_RB:
    case POSITION_FB:
        return kind == 0 || kind == 1 || kind == 4;
    case POSITION_TE:
        return kind == 0 || kind == 3 || kind == 4;
    case POSITION_WR:
        return kind == 0 || kind == 2;
    default:
        // A lineman or a quarterback lined up as a receiver runs the plain routes.
        return kind == 0;
    }
}

bool Is_Role_Allowed(int32_t position, int32_t role) {
    switch (position) {
    case POSITION_DE:
    case POSITION_S:
        return role != 3;
    case POSITION_DT:
        return role != 3 && role != 12 && role != 13;
    case POSITION_LB:
        return role != 12 && role != 13;
    case POSITION_CB:
        return role != 1 && role != 2;
    default:
        return true;
    }
}

int32_t Fix_Role_For_Position(int32_t position, int32_t role) {
    switch (position) {
    case POSITION_DE:
        return role == 3 ? 2 : role;
    case POSITION_DT:
        return role == 12 || role == 13 ? 9 : role == 3 ? 2 : role;
    case POSITION_LB:
        return role == 12 || role == 13 ? 9 : role;
    case POSITION_CB:
        return role == 1 || role == 2 ? 3 : role;
    case POSITION_S:
        return role == 3 ? 1 : role;
    default:
        return role;
    }
}

int32_t Fix_Route_For_Position(int32_t position, int32_t route, int32_t direction) {
    if (route < 0 || route >= PASS_ROUTE_COUNT) return route;
    const int32_t step = direction >= 1 ? 1 : -1;
    // Every code is tried once at most: kind 0 is open to everyone, so the
    // search always ends inside one turn.
    for (int32_t tries = 0; tries < ASSIGNABLE_ROUTES; ++tries) {
        if (Is_Route_Kind_Allowed(position, Pass_Route_Table[route].Kind)) return route;
        route = ((route + step) % ASSIGNABLE_ROUTES + ASSIGNABLE_ROUTES) % ASSIGNABLE_ROUTES;
    }
    return route;
}

void Repair_Play_Assignments(int32_t team, int32_t side, int32_t play, int32_t direction) {
    if (side != 0) {
        DEFENSIVE_PLAY* record = Defensive_Record(team, play);
        if (record == nullptr) return;
        for (int32_t slot = 0; slot < 5; ++slot)
            record->Roles[slot] =
                Fix_Role_For_Position(Formation_Slot_Position(record->Formation, slot), record->Roles[slot]);
        return;
    }
    OFFENSIVE_PLAY* record = Offensive_Record(team, play);
    if (record == nullptr) return;
    const int32_t type = record->Play_Type;
    int32_t carrier = -1; // the receiver who carries the ball
    if (Is_Running_Type(type)) {
        const int32_t primary = record->Primary - 1;
        if (primary >= 1 && primary <= PLAY_RECEIVERS) {
            carrier = primary - 1;
            record->Routes[carrier] = type == PLAY_TYPE_END_AROUND ? 45 : 54;
        }
        if (record->Hole_Or_Depth < 0) record->Hole_Or_Depth = 2;
        // A sweep or an end around goes outside, on the same side.
        if ((type == PLAY_TYPE_SWEEP || type == PLAY_TYPE_END_AROUND) && record->Hole_Or_Depth < 6)
            record->Hole_Or_Depth = 6 + record->Hole_Or_Depth % 2;
    } else if (Is_Passing_Play(team, play)) {
        int32_t start = record->Primary - 2;
        if (start < 0 || start >= PLAY_RECEIVERS) start = 2;
        int32_t chosen = -1;
        for (int32_t i = 0; i < PLAY_RECEIVERS && chosen < 0; ++i) {
            const int32_t r = (start + i) % PLAY_RECEIVERS;
            const int32_t route = record->Routes[r];
            if (route >= 0 && route < PASS_ROUTE_COUNT && Valid_Receiving_Route(route) != 0) chosen = r;
        }
        if (chosen < 0) {
            record->Routes[start] = 2;
            chosen = start;
        }
        Set_Offensive_Play_Primary_Receiver(team, play, chosen + 1);
    }
    if (Has_Receiver_Route_31_32_37(team, play) && record->Hole_Or_Depth < 0) record->Hole_Or_Depth = 2;
    // The carrier keeps his running route. The others step to a route their
    // position may run (a route past the assignable ones steps into them
    // unless its kind already fits); whatever is still no assignable route,
    // a fitting running route or a code outside the table, becomes the hitch.
    for (int32_t r = 0; r < PLAY_RECEIVERS; ++r) {
        if (r == carrier) continue;
        const int32_t position = Formation_Slot_Position(record->Formation, r + 1);
        const int32_t route = Fix_Route_For_Position(position, record->Routes[r], direction);
        record->Routes[r] = route >= 0 && route < ASSIGNABLE_ROUTES ? route : 0;
    }
}

int32_t Get_Playbook_Editor_Control_Index(int32_t id) {
    if (id == EDITOR_PRIMARY) return 0;
    if (id >= EDITOR_RUSHING_HOLE && id <= 1401) return id - EDITOR_RUSHING_HOLE + 1;
    Report_System_Error("Invalid wID passed to Get_Playbook_Editor_Control_Index([%d])", id);
    return -1;
}

const char* Get_Hole_Name(int32_t hole) {
    return hole >= 0 && hole < 10 ? HOLE_NAMES[hole] : "";
}

bool Play_Has_Result_Data(int32_t team, int32_t side, int32_t play) {
    if (side == 0) {
        const OFFENSIVE_PLAYBOOK* book = Get_Team_Offensive_Playbook(team);
        if (book == nullptr || play < 0 || play >= OFFENSIVE_PLAYS) return false;
        for (int32_t s = 0; s < OFFENSIVE_SITUATIONS; ++s)
            if (book->Results.Called[play][s] > 0) return true;
        return false;
    }
    const DEFENSIVE_PLAYBOOK* book = Get_Team_Defensive_Playbook(team);
    if (book == nullptr || play < 0 || play >= DEFENSIVE_PLAYS) return false;
    for (int32_t c = 0; c < DEFENSIVE_CATEGORIES; ++c)
        if (book->Results.Called[play][c] > 0) return true;
    return false;
}

void Format_Formation_Slot_Label(char* buffer, int32_t team, int32_t formation, int32_t slot) {
    buffer[0] = '\0';
    const int32_t position = Formation_Slot_Position(formation, slot);
    if (position < 0) return;
    char name[LABEL_SIZE] = "";
    int32_t player_team = 0, player_slot = 0;
    if (Find_Slot_Player(team, formation, slot, &player_team, &player_slot)) {
        char first[PLAYER_NAME_TEXT_SIZE] = "", last[PLAYER_NAME_TEXT_SIZE] = "";
        Get_Player_First_Name(player_team, player_slot, first);
        Get_Player_Last_Name(player_team, player_slot, last);
        if (std::strlen(last) < 10)
            safe_sprintf(name, sizeof name, "%c. %s", first[0] != '\0' ? first[0] : ' ', last);
        else
            safe_strncpy(name, last, sizeof name);
    }
    char short_name[RESOURCE_STRING_LIMIT] = "";
    if (position < NUMBER_OF_POSITIONS)
        Load_Resource_String(STRING_POSITION_SHORT + position, short_name);
    else
        safe_strncpy(short_name, "RET", sizeof short_name);
    int32_t same = 0;
    for (int32_t s = 0; s < PLAYERS_ON_FIELD; ++s)
        if (Formation_Slot_Position(formation, s) == position) ++same;
    const int32_t depth = Formation_Slot_Table[formation][slot].Depth;
    if (same <= 1)
        safe_sprintf(buffer, LABEL_SIZE, "%s (%s)", name, short_name);
    else if (position == POSITION_G || position == POSITION_T)
        safe_sprintf(buffer, LABEL_SIZE, "%s (%c%s)", name, depth == 0 ? 'L' : 'R', short_name);
    else
        safe_sprintf(buffer, LABEL_SIZE, "%s (%s%d)", name, short_name, depth + 1);
}

void Write_Play_As_Initializer(char* buffer, int32_t side, int32_t team, int32_t play) {
    buffer[0] = '\0';
    char name[PLAY_NAME_LENGTH], description[PLAY_DESCRIPTION_LENGTH];
    if (side == 0) {
        Get_Offensive_Play_Name(team, play, name, sizeof name);
        Get_Offensive_Play_Description(team, play, description, sizeof description);
        int32_t routes[PLAY_RECEIVERS];
        for (int32_t r = 0; r < PLAY_RECEIVERS; ++r)
            routes[r] = Get_Offensive_Play_Route(team, play, r);
        safe_sprintf(buffer, 512, "{\"%s\",%d,0,0,0,%d,%d,%d,{%d,%d,%d,%d,%d},\"%s\"},", name,
                     Get_Offensive_Play_Formation(team, play), Get_Offensive_Play_Type(team, play),
                     Get_Offensive_Play_Primary_Receiver(team, play) + 1,
                     Get_Offensive_Play_Depth(team, play), routes[0], routes[1], routes[2], routes[3],
                     routes[4], description);
        return;
    }
    Get_Defensive_Play_Name(team, play, name, sizeof name);
    Get_Defensive_Play_Description(team, play, description, sizeof description);
    int32_t roles[PLAY_DEFENDERS];
    for (int32_t d = 0; d < PLAY_DEFENDERS; ++d)
        roles[d] = Get_Defensive_Play_Role(team, play, d);
    safe_sprintf(buffer, 512, "{\"%s\",%d,{%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d},\"%s\"},", name,
                 Get_Defensive_Play_Formation(team, play), roles[0], roles[1], roles[2], roles[3], roles[4],
                 roles[5], roles[6], roles[7], roles[8], roles[9], roles[10], description);
}

void Fill_Playbook_Editor_Page(WINDOW_HANDLE dialog) {
    Validate_Viewed_Team();
    const int32_t team = Get_User_Preference(VIEWED_TEAM);
    Set_Formation_Depth_Charts(team, 0);
    int32_t side = 0, folder = 0, slot = 0;
    const int32_t play = Get_Playbook_Editor_Play(&side, &folder, &slot);
    Set_Dialog_Item_Text(dialog, EDITOR_LOAD, side == 0 ? "Load Offense Playbook" : "Load Defense Playbook");
    Set_Dialog_Item_Text(dialog, EDITOR_SAVE, side == 0 ? "Save Offense Playbook" : "Save Defense Playbook");
    Set_Dialog_Item_Text(dialog, EDITOR_VIEW_DEPTH_CHART, side == 0 ? "View Offense" : "View Defense");
    Fill_Team_Selector(dialog);
    Fill_Folder_Combo(dialog, team, side, folder);
    Fill_Play_Combo(dialog, team, side, folder, slot);
    char text[PLAYBOOK_NOTES_LENGTH];
    Get_Play_Name_By_Side(side, team, play, text);
    Set_Dialog_Item_Text(dialog, EDITOR_PLAY_NAME, text);
    Get_Play_Description_By_Kind(side, team, play, text);
    Set_Dialog_Item_Text(dialog, EDITOR_PLAY_COMMENT, text);
    Get_Playbook_Notes(side, team, text);
    Set_Dialog_Item_Text(dialog, EDITOR_NOTES, text);
    Lay_Out_Playbook_Editor_Side(dialog, side);
    if (side == 0) {
        Fill_Formation_Combo(dialog, side, Get_Offensive_Play_Formation(team, play));
        Fill_Offense_Fields(dialog, team, play);
    } else {
        Fill_Formation_Combo(dialog, side, Get_Defensive_Play_Formation(team, play));
        Fill_Defense_Fields(dialog, team, play);
    }
    Fill_Slot_Labels(dialog, team, side, play);
    Show_Play_Results(dialog);
    Invalidate_Window(dialog, nullptr);
}

void Store_Playbook_Editor_Text(WINDOW_HANDLE dialog) {
    const int32_t team = Get_User_Preference(VIEWED_TEAM);
    OFFENSIVE_PLAYBOOK* offense = Get_Team_Offensive_Playbook(team);
    DEFENSIVE_PLAYBOOK* defense = Get_Team_Defensive_Playbook(team);
    if (offense == nullptr || defense == nullptr) return;
    int32_t side = 0, folder = 0, slot = 0;
    const int32_t play = Get_Playbook_Editor_Play(&side, &folder, &slot);
    const std::string folder_name = Get_Dialog_Item_Text(dialog, EDITOR_FOLDER_NAME);
    Set_Playbook_Folder_Name(side, team, folder,
                             folder_name.empty() ? "Unnamed Folder" : folder_name.c_str());
    if (side == 0) {
        Store_Text(dialog, EDITOR_PLAY_NAME, offense->Plays[play].Name, PLAY_NAME_LENGTH, "Unnamed Play");
        Store_Text(dialog, EDITOR_PLAY_COMMENT, offense->Plays[play].Description, PLAY_DESCRIPTION_LENGTH,
                   nullptr);
        Store_Text(dialog, EDITOR_NOTES, offense->Notes, PLAYBOOK_NOTES_LENGTH, nullptr);
    } else {
        Store_Text(dialog, EDITOR_PLAY_NAME, defense->Plays[play].Name, PLAY_NAME_LENGTH, "Unnamed Play");
        Store_Text(dialog, EDITOR_PLAY_COMMENT, defense->Plays[play].Description, PLAY_DESCRIPTION_LENGTH,
                   nullptr);
        Store_Text(dialog, EDITOR_NOTES, defense->Notes, PLAYBOOK_NOTES_LENGTH, nullptr);
    }
    // The folder and play lists show the names as stored (a renamed play, an
    // empty name become "Unnamed Play"), the shown play still chosen.
    Fill_Folder_Combo(dialog, team, side, folder);
    Fill_Play_Combo(dialog, team, side, folder, slot);
    char name[PLAY_NAME_LENGTH];
    Get_Play_Name_By_Side(side, team, play, name);
    Set_Dialog_Item_Text(dialog, EDITOR_PLAY_NAME, name);
}

void Apply_Playbook_Editor_Combo(WINDOW_HANDLE dialog, int32_t id) {
    const int32_t team = Get_User_Preference(VIEWED_TEAM);
    int32_t side = 0;
    const int32_t play = Get_Playbook_Editor_Play(&side, nullptr, nullptr);
    const int32_t selection = Combo_Box_Get_Current_Selection(Get_Playbook_Editor_Combo(dialog, id));
    if (selection < 0) return;
    int32_t value = selection;
    if (side != 0 && id == EDITOR_FORMATION_COMBO) value = selection + FIRST_DEFENSIVE_FORMATION;
    if (side == 0 && id == EDITOR_PRIMARY && selection == 0 && Is_Passing_Play(team, play)) {
        Show_Formatted_Message("Invalid Selection", "The Quarterback cannot be the Primary Receiver.");
        Fill_Playbook_Editor_Page(dialog);
        return;
    }
    if (side == 0 && id >= EDITOR_FIRST_ROUTE && id < EDITOR_FIRST_ROUTE + PLAY_RECEIVERS)
        Highlighted_Formation_Slot = id - EDITOR_FIRST_ROUTE + 1;
    if (side != 0 && id != EDITOR_FORMATION_COMBO)
        Highlighted_Formation_Slot = Get_Playbook_Editor_Control_Index(id);
    const int32_t old = Current_Value(team, side, play, id);
    if (value == old) return;
    Store_Playbook_Editor_Text(dialog);
    if (!Store_Value(team, side, play, id, value)) return;
    Repair_Play_Assignments(team, side, play, value - old);
    if (Play_Has_Result_Data(team, side, play) && !result_advice_shown) {
        result_advice_shown = true;
        Show_Formatted_Message(
            "Playbook Editor",
            "For maximum accuracy, we recommend clearing the result data when editing a play.\n\n"
            "Pressing the 'Clear Result Data' button will erase all accumulated data for the "
            "play being shown.");
    }
    Fill_Playbook_Editor_Page(dialog);
}

void Get_Playbook_Folder_Name(int32_t side, int32_t team, int32_t folder, char* buffer) {
    if (buffer == nullptr) return;
    const char* field = Folder_Name_Field(side, team, folder);
    safe_strncpy(buffer, field != nullptr ? field : "", FOLDER_NAME_LENGTH);
}

void Set_Playbook_Folder_Name(int32_t side, int32_t team, int32_t folder, const char* name) {
    char* field = Folder_Name_Field(side, team, folder);
    if (field != nullptr && name != nullptr) safe_strncpy(field, name, FOLDER_NAME_LENGTH);
}

void Get_Playbook_Folder_Name_By_Number(int32_t team, int32_t number, char* buffer) {
    const bool defense = number >= OFFENSIVE_FOLDERS;
    Get_Playbook_Folder_Name(defense ? 1 : 0, team, defense ? number - OFFENSIVE_FOLDERS : number, buffer);
}

void Set_Playbook_Folder_Name_By_Number(int32_t team, int32_t number, const char* name) {
    const bool defense = number >= OFFENSIVE_FOLDERS;
    Set_Playbook_Folder_Name(defense ? 1 : 0, team, defense ? number - OFFENSIVE_FOLDERS : number, name);
}

void Get_Play_Name_By_Side(int32_t side, int32_t team, int32_t play, char* buffer) {
    if (buffer == nullptr) return;
    if (side == 0)
        Get_Offensive_Play_Name(team, play, buffer, PLAY_NAME_LENGTH);
    else
        Get_Defensive_Play_Name(team, play, buffer, PLAY_NAME_LENGTH);
}

WINDOW_HANDLE Get_Playbook_Editor_Combo(WINDOW_HANDLE dialog, int32_t id) {
    const bool field = id == EDITOR_FORMATION_COMBO || id == EDITOR_PLAY_TYPE_COMBO ||
                       (id >= EDITOR_RUSHING_HOLE && id <= EDITOR_PRIMARY);
    return field ? Item(dialog, id) : NO_WINDOW;
}

const char* Get_Result_Situation_Name(int32_t situation) {
    return situation >= 0 && situation < OFFENSIVE_SITUATIONS ? SITUATION_NAMES[situation] : "";
}

const char* Get_Result_Category_Name(int32_t category) {
    return category >= 0 && category < DEFENSIVE_CATEGORIES ? CATEGORY_NAMES[category] : "";
}

void Show_Slot_Player_Stats(WINDOW_HANDLE dialog) {
    const int32_t team = Get_User_Preference(VIEWED_TEAM);
    int32_t side = 0;
    const int32_t play = Get_Playbook_Editor_Play(&side, nullptr, nullptr);
    const int32_t formation =
        side == 0 ? Get_Offensive_Play_Formation(team, play) : Get_Defensive_Play_Formation(team, play);
    int32_t player_team = 0, player_slot = 0;
    const bool found =
        Highlighted_Formation_Slot >= 0 &&
        Find_Slot_Player(team, formation, Highlighted_Formation_Slot, &player_team, &player_slot);
    const int32_t position =
        found ? Translate_Expanded_Position(Get_Player_Vital_Stat(player_team, player_slot, VITAL_POSITION))
              : -1;
    const int32_t season = Clamp(Get_User_Preference(STAT_SEASON_CHOICE), SEASON_THIS, SEASON_PREDICTED);
    for (int32_t n = 0; n < EDITOR_PLAYER_STATS; ++n) {
        char text[LABEL_SIZE] = "";
        if (position >= 0 && position < NUMBER_OF_POSITIONS) {
            const SLOT_PLAYER_STATS& shown = SLOT_STATS_BY_POSITION[position];
            const int32_t choice = shown.Choices[n];
            if (choice != NO_SLOT_STAT)
                safe_sprintf(
                    text, sizeof text, "%s: %s", Get_Stats_Sort_Name(shown.Category, choice),
                    Format_Stats_Named_Figure(player_team, player_slot, season, shown.Category, choice)
                        .c_str());
        }
        Set_Dialog_Item_Text(dialog, EDITOR_FIRST_PLAYER_STAT + n, text);
    }
}
