#pragma once
// Byte layout of one game record (48,708 bytes, 300 of them in the league
// block). The records are saved byte for byte with the league, so this layout
// is a file format. All multi-byte fields are little-endian.
#include <cstddef>
#include <cstdint>

constexpr int MAX_GAME_RECORDS = 300;
constexpr int MAX_PLAY_LOG_ENTRIES = 256;
constexpr int PLAY_EVENT_SLOTS = 10;
constexpr int GAME_TEAM_STATS = 16;
constexpr int GAME_TEAM_TOTALS = 20;
constexpr int GAME_LISTED_PLAYERS = 80;
constexpr int GAME_PLAYER_COUNTERS = 5;
constexpr int ON_FIELD_PLAYERS = 11;

// The announcer event of a flag thrown: its Argument_B is the slot of the
// team flagged.
constexpr int8_t PLAY_EVENT_FLAG = 41;

#pragma pack(push, 1)
// One announcer event of a snap; an empty slot has Event_Id -1 (255).
struct PLAY_EVENT_SLOT {
    int8_t Event_Id;
    int8_t Sentence;
    int8_t Argument_A;
    int8_t Argument_B;
    int8_t Argument_C;
    uint8_t Zero_5[3];
    int32_t Player_Id[2];
};

// One snap: the play being run and, once appended, an entry of the play log.
struct PLAY_LOG_ENTRY {
    uint16_t Clock;
    uint16_t Zero_2;
    // Who the two players are depends on the result: engine/play_roles.h.
    int32_t First_Player_Id;
    int32_t Second_Player_Id;
    uint8_t Offensive_Play;
    uint8_t Defensive_Play;
    int8_t Yard1;
    int8_t Yard2;
    // Bits 0-7 down, 8-15 yards to go, 16-23 yards to goal, 24 side 1 has the
    // ball, 25-31 the play result.
    uint32_t Play_Word;
    PLAY_EVENT_SLOT Events[PLAY_EVENT_SLOTS];
};

struct GAME_RECORD {
    uint8_t Team[2];
    uint8_t Zero_2[2];
    int32_t Score[2];
    int32_t Timeouts[2];
    int32_t Formation[2];
    uint16_t Season_Year;
    uint16_t Rating_Spread;
    int16_t Week;
    uint16_t Rank_Spread;
    uint16_t Game_Day;
    int16_t Overtime_Possessions;
    int16_t Temperature;
    uint16_t Wind_Speed;
    uint16_t Precipitation;
    uint16_t Wind_Direction;
    int32_t Attendance;
    uint8_t Zero_52[8];
    uint8_t Team_Stats[2][GAME_TEAM_STATS];
    uint16_t Team_Totals[2][GAME_TEAM_TOTALS];
    int32_t Player_Ids[2][GAME_LISTED_PLAYERS];
    // Signed: a catch or a run can lose yards, so a counter may fall below 0.
    int16_t Player_Counters[2][GAME_LISTED_PLAYERS][GAME_PLAYER_COUNTERS];
    PLAY_LOG_ENTRY Current_Play;
    PLAY_LOG_ENTRY Play_Log[MAX_PLAY_LOG_ENTRIES];
    int16_t Play_Log_Count;
    int16_t Clock;
    int8_t Snap_Seconds;
    int8_t Snap_Yards;
    int8_t Yards_To_Goal;
    int8_t Yards_To_Go;
    uint32_t Down_Word;
    uint8_t Possession_Team;
    uint8_t On_Field[2][ON_FIELD_PLAYERS];
    uint8_t Zero_48707;
};
#pragma pack(pop)

static_assert(sizeof(PLAY_EVENT_SLOT) == 16);
static_assert(offsetof(PLAY_EVENT_SLOT, Sentence) == 1);
static_assert(offsetof(PLAY_EVENT_SLOT, Argument_A) == 2);
static_assert(offsetof(PLAY_EVENT_SLOT, Argument_B) == 3);
static_assert(offsetof(PLAY_EVENT_SLOT, Argument_C) == 4);
static_assert(offsetof(PLAY_EVENT_SLOT, Player_Id) == 8);

static_assert(sizeof(PLAY_LOG_ENTRY) == 180);
static_assert(offsetof(PLAY_LOG_ENTRY, Zero_2) == 2);
static_assert(offsetof(PLAY_LOG_ENTRY, First_Player_Id) == 4);
static_assert(offsetof(PLAY_LOG_ENTRY, Second_Player_Id) == 8);
static_assert(offsetof(PLAY_LOG_ENTRY, Offensive_Play) == 12);
static_assert(offsetof(PLAY_LOG_ENTRY, Defensive_Play) == 13);
static_assert(offsetof(PLAY_LOG_ENTRY, Yard1) == 14);
static_assert(offsetof(PLAY_LOG_ENTRY, Yard2) == 15);
static_assert(offsetof(PLAY_LOG_ENTRY, Play_Word) == 16);
static_assert(offsetof(PLAY_LOG_ENTRY, Events) == 20);

static_assert(sizeof(GAME_RECORD) == 48708);
static_assert(offsetof(GAME_RECORD, Team) == 0);
static_assert(offsetof(GAME_RECORD, Zero_2) == 2);
static_assert(offsetof(GAME_RECORD, Score) == 4);
static_assert(offsetof(GAME_RECORD, Timeouts) == 12);
static_assert(offsetof(GAME_RECORD, Formation) == 20);
static_assert(offsetof(GAME_RECORD, Season_Year) == 28);
static_assert(offsetof(GAME_RECORD, Rating_Spread) == 30);
static_assert(offsetof(GAME_RECORD, Week) == 32);
static_assert(offsetof(GAME_RECORD, Rank_Spread) == 34);
static_assert(offsetof(GAME_RECORD, Game_Day) == 36);
static_assert(offsetof(GAME_RECORD, Overtime_Possessions) == 38);
static_assert(offsetof(GAME_RECORD, Temperature) == 40);
static_assert(offsetof(GAME_RECORD, Wind_Speed) == 42);
static_assert(offsetof(GAME_RECORD, Precipitation) == 44);
static_assert(offsetof(GAME_RECORD, Wind_Direction) == 46);
static_assert(offsetof(GAME_RECORD, Attendance) == 48);
static_assert(offsetof(GAME_RECORD, Zero_52) == 52);
static_assert(offsetof(GAME_RECORD, Team_Stats) == 60);
static_assert(offsetof(GAME_RECORD, Team_Totals) == 92);
static_assert(offsetof(GAME_RECORD, Player_Ids) == 172);
static_assert(offsetof(GAME_RECORD, Player_Counters) == 812);
static_assert(offsetof(GAME_RECORD, Current_Play) == 2412);
static_assert(offsetof(GAME_RECORD, Play_Log) == 2592);
static_assert(offsetof(GAME_RECORD, Play_Log_Count) == 48672);
static_assert(offsetof(GAME_RECORD, Clock) == 48674);
static_assert(offsetof(GAME_RECORD, Snap_Seconds) == 48676);
static_assert(offsetof(GAME_RECORD, Snap_Yards) == 48677);
static_assert(offsetof(GAME_RECORD, Yards_To_Goal) == 48678);
static_assert(offsetof(GAME_RECORD, Yards_To_Go) == 48679);
static_assert(offsetof(GAME_RECORD, Down_Word) == 48680);
static_assert(offsetof(GAME_RECORD, Possession_Team) == 48684);
static_assert(offsetof(GAME_RECORD, On_Field) == 48685);
static_assert(offsetof(GAME_RECORD, Zero_48707) == 48707);
