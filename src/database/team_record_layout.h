#pragma once
// Byte layout of one team record: 114,968 bytes, 41 of them in the league block.
#include <cstddef>
#include <cstdint>

#include "database/player_record_layout.h"
#include "database/team_playbook_block.h"

constexpr int TOTAL_NUMBER_OF_TEAMS = 41;
constexpr int MAX_FRANCHISES = 36;
constexpr int FREE_AGENT_TEAM = 36;
constexpr int HALL_OF_FAME_TEAM = 37;
constexpr int FIRST_COLLEGE_POOL_TEAM = 38;
constexpr int NO_TEAM = 128;
constexpr int PLAYERS_PER_TEAM = 100;
constexpr int NO_PLAYER = 255;
constexpr int NUMBER_OF_TEAM_STRINGS = 8;
constexpr int TEAM_STRING_LENGTH = 32;
constexpr int NUMBER_OF_TEAM_STATS = 60;
constexpr int NUMBER_OF_STADIUM_STATS = 20;
constexpr int NUMBER_OF_FINANCIAL_STATS = 80;
constexpr int NUMBER_OF_HISTORY_SEASONS = 100;
constexpr int NUMBER_OF_SCHEDULE_WEEKS = 22;

#pragma pack(push, 1)
// A team's game of one week: opponent code (positive for the first team given
// to the scheduler, negative for the second), watch flag, kickoff time, game
// index and weekday.
struct SCHEDULE_ENTRY {
    int32_t Values[5];
};

struct TEAM_RECORD {
    char Strings[NUMBER_OF_TEAM_STRINGS][TEAM_STRING_LENGTH];
    PLAYER_RECORD Players[PLAYERS_PER_TEAM];
    int8_t Returners[4];
    int32_t Totals[8][3][20];
    int32_t Team_Stats[NUMBER_OF_TEAM_STATS];
    int32_t Stadium_Stats[NUMBER_OF_STADIUM_STATS];
    int32_t Financial_Stats[NUMBER_OF_FINANCIAL_STATS];
    int8_t Yearly_Chars[NUMBER_OF_HISTORY_SEASONS][32];
    int32_t Yearly_Ints[NUMBER_OF_HISTORY_SEASONS][4];
    SCHEDULE_ENTRY Schedule[NUMBER_OF_SCHEDULE_WEEKS];
    TEAM_PLAYBOOK_BLOCK Playbooks;
};
#pragma pack(pop)

static_assert(sizeof(SCHEDULE_ENTRY) == 20);
static_assert(sizeof(TEAM_RECORD) == 114968);
static_assert(offsetof(TEAM_RECORD, Players) == 256);
static_assert(offsetof(TEAM_RECORD, Returners) == 75856);
static_assert(offsetof(TEAM_RECORD, Totals) == 75860);
static_assert(offsetof(TEAM_RECORD, Team_Stats) == 77780);
static_assert(offsetof(TEAM_RECORD, Stadium_Stats) == 78020);
static_assert(offsetof(TEAM_RECORD, Financial_Stats) == 78100);
static_assert(offsetof(TEAM_RECORD, Yearly_Chars) == 78420);
static_assert(offsetof(TEAM_RECORD, Yearly_Ints) == 81620);
static_assert(offsetof(TEAM_RECORD, Schedule) == 83220);
static_assert(offsetof(TEAM_RECORD, Playbooks) == 83660);
