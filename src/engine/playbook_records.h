#pragma once
// Playbook records: the accessors through which the engine, the game screen
// and the editor read and change plays, and the built-in default playbooks
// they fall back on. Team 255 (-1 as a signed byte) reads the built-in tables;
// offensive play numbers 54-59 always come from the built-in table.
#include <cstdint>

#include "database/game_record_layout.h"
#include "database/team_playbook_block.h"

constexpr int DEFAULT_PLAYBOOK_TEAM = 255;
constexpr int KNEEL_DOWN_PLAY = 54;
constexpr int HARD_CODED_PUNT_PLAY = 58;
constexpr int HARD_CODED_FIELD_GOAL_PLAY = 59;
constexpr int SPECIAL_TEAMS_PLAY_COUNT = 10;
constexpr int PASS_ROUTE_COUNT = 57;
constexpr int DEFENSIVE_RESPONSIBILITY_COUNT = 19;
constexpr int PLAY_TYPE_COUNT = 23;

enum PLAY_TYPE : int32_t {
    PLAY_TYPE_RUSH = 0,
    PLAY_TYPE_TOSS = 1,
    PLAY_TYPE_SWEEP = 2,
    PLAY_TYPE_DRAW = 3,
    PLAY_TYPE_TRAP = 4,
    PLAY_TYPE_END_AROUND = 5,
    PLAY_TYPE_PASS = 6,
    PLAY_TYPE_ROLLOUT = 7,
    PLAY_TYPE_BOOTLEG = 8,
    PLAY_TYPE_SCREEN = 9,
    PLAY_TYPE_COUNTER = 10,
    PLAY_TYPE_FLEA_FLICKER = 11,
    PLAY_TYPE_HALFBACK_PASS = 12,
    PLAY_TYPE_RECEIVER_PASS = 13,
    PLAY_TYPE_FAKE_REVERSE = 14,
    PLAY_TYPE_DOUBLE_REVERSE = 15,
    PLAY_TYPE_PUNT = 16,
    PLAY_TYPE_FIELD_GOAL = 17,
    PLAY_TYPE_KICKOFF = 18,
    PLAY_TYPE_ONSIDE_KICK = 19,
    PLAY_TYPE_KNEEL_DOWN = 20,
    PLAY_TYPE_SPIKE = 21,
    PLAY_TYPE_REVERSE = 22,
};

// Offensive play categories (the defensive result columns).
enum OFFENSIVE_PLAY_CATEGORY : int32_t {
    CATEGORY_INSIDE_RUN = 0,
    CATEGORY_OUTSIDE_RUN = 1,
    CATEGORY_DRAW = 2,
    CATEGORY_SHORT_PASS = 3,
    CATEGORY_MEDIUM_PASS = 4,
    CATEGORY_LONG_PASS = 5,
};

// One entry of the pass-route table (code = index). Kind says who may run it:
// 0 anyone, 1 backs, 2 wide receivers, 3 tight ends, 4 backs and tight ends.
struct PASS_ROUTE_RECORD {
    const char* Name;
    int8_t Kind;
    int8_t Shortest;
    int8_t Longest;
};

struct DEFENSIVE_RESPONSIBILITY_RECORD {
    const char* Name;
};

// The defensive play a defensive accessor reads: the team's own for a team
// record, the built-in table otherwise; null for numbers outside 0-29.
const DEFENSIVE_PLAY* Find_Defensive_Play(int team, int play);

// Built-in tables (defined in playbook_tables.cpp).
extern const OFFENSIVE_PLAY Default_Offensive_Plays[OFFENSIVE_PLAYS];
extern const DEFENSIVE_PLAY Default_Defensive_Plays[DEFENSIVE_PLAYS];
extern const OFFENSIVE_PLAY SPECIAL_TEAMS_PLAYS[SPECIAL_TEAMS_PLAY_COUNT];
extern const PASS_ROUTE_RECORD Pass_Route_Table[PASS_ROUTE_COUNT];
extern const DEFENSIVE_RESPONSIBILITY_RECORD Defensive_Responsibility_Table[DEFENSIVE_RESPONSIBILITY_COUNT];
extern const char* const Play_Type_Names[PLAY_TYPE_COUNT];
extern const char* const Default_Offensive_Folder_Names[OFFENSIVE_FOLDERS];
extern const char* const Default_Defensive_Folder_Names[DEFENSIVE_FOLDERS];
extern const char DEFAULT_OFFENSIVE_NOTES[];
extern const char DEFAULT_DEFENSIVE_NOTES[];
extern const int16_t Offensive_Formation_System_Match[22][4];

// Table lookups; out-of-range codes give an empty name and a depth of 0.
const char* Get_Play_Type_Name(int32_t type);
const char* Get_Pass_Route_Name(int32_t route);
const char* Get_Defensive_Responsibility_Name(int32_t role);
// (shortest + longest + 1) / 2 of a route; 0 for codes outside the table.
int Get_Pass_Route_Catch_Depth(int32_t route);

// Offensive plays. `size` is the caller's buffer size.
void Get_Offensive_Play_Name(int team, int play, char* buffer, int size);
void Get_Offensive_Play_Description(int team, int play, char* buffer, int size);
int32_t Get_Offensive_Play_Type(int team, int play);
int8_t Get_Offensive_Play_Formation(int team, int play);
int8_t Get_Offensive_Play_Option(int team, int play);
int32_t Get_Offensive_Play_Depth(int team, int play);
int32_t Get_Offensive_Play_Primary_Receiver(int team, int play);
int Set_Offensive_Play_Primary_Receiver(int team, int play, int slot);
int32_t Get_Offensive_Play_Route(int team, int play, int receiver);
int Set_Offensive_Play_Route(int team, int play, int receiver, int route);
bool Is_Running_Play(int team, int play);
bool Is_Passing_Play(int team, int play);
bool Is_Rollout_Or_Bootleg_Play(int team, int play);
bool Is_Kneel_Down_Play(int team, int play);
bool Is_Offensive_Play_Defined(int team, int play);
int Get_Offensive_Play_Category(int team, int play);
// Hole of the current snap's run: end arounds go to the primary player's side
// (9 right, 8 left), read and option plays alternate with the option hole.
int32_t Get_Play_Run_Hole(const GAME_RECORD* pGame);

// Defensive plays.
void Get_Defensive_Play_Name(int team, int play, char* buffer, int size);
void Get_Defensive_Play_Description(int team, int play, char* buffer, int size);
int32_t Get_Defensive_Play_Formation(int team, int play);
int32_t Get_Defensive_Play_Role(int team, int play, int defender);
int32_t Set_Defensive_Play_Role(int team, int play, int defender, int role);
bool Is_Defensive_Play_Defined(int team, int play);

// Special-teams plays, row play mod 10.
void Get_Special_Teams_Play_Name(int play, char* buffer, int size);
void Get_Special_Teams_Play_Description(int play, char* buffer, int size);
bool Is_Special_Teams_Play_Defined(int play);
int32_t Get_Special_Teams_Play_Formation(int play);
int32_t Get_Special_Teams_Play_Type(int play);
// The route of receiver 0-4 of the row; -1 (reported) for another receiver.
int32_t Get_Special_Teams_Play_Route(int play, int receiver);

// The results the playbooks' counters count: touchdowns (6, 12), and sacks
// with the pass-play fumbles (3, 5).
bool Is_Touchdown_Counter_Result(int32_t result);
bool Is_Sack_Counter_Result(int32_t result);
// More than the 3,600 seconds of regulation have been played.
bool Is_Past_Regulation(const GAME_RECORD* pGame);

// Per-mille fit of a formation to an offensive system (0-3) or defensive
// system (0 4-3, 1 3-4).
int Get_Offensive_Formation_System_Match(int system, int formation);
int Get_Defensive_Formation_System_Match(int system, int formation);

// The team's playbook blocks; null for team numbers outside 0-40.
OFFENSIVE_PLAYBOOK* Get_Team_Offensive_Playbook(int team);
DEFENSIVE_PLAYBOOK* Get_Team_Defensive_Playbook(int team);

// When the playbooks were read. Between two snaps of a game nothing edits a
// play but the user, through windows and dialogs, so what was read of the
// playbooks at one snap still holds at the next while no message was handled
// since, no game kicked off and no league was loaded or built.
struct PLAYBOOK_READING_MARK {
    uint64_t Messages;
    uint32_t Forgotten;
    bool operator==(const PLAYBOOK_READING_MARK&) const = default;
};
PLAYBOOK_READING_MARK Get_Playbook_Reading_Mark();
// Every reading marked before no longer holds: a kickoff, a league loaded, a
// play changed through the setters here.
void Forget_Playbook_Readings();

// A playbook read from a file or a saved game is foreign input: every code
// the engine uses as a table index or a run's hole is brought into its
// range, and texts end within their fields. Returns the number of codes
// repaired; a playbook the game wrote has none.
int Repair_Offensive_Playbook(OFFENSIVE_PLAYBOOK& book);
int Repair_Defensive_Playbook(DEFENSIVE_PLAYBOOK& book);

void Set_Default_Playbooks(int team);
void Reset_All_Team_Playbooks();
void Clear_All_Play_Result_Data();
void Clear_Playbook_Result_Data(int team, int bDefense);
void Clear_Play_Result_Data(int team, int bDefense, int play);
