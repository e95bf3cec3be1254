#pragma once
// The playbook region of a team record (31,308 bytes from team offset 83,660):
// the offensive playbook, the depth chart and play-calling data, and the
// defensive playbook. Each playbook block is also, byte for byte, the image of
// a playbook file (".opb" and ".dpb"), so these layouts are file formats.
#include <cstddef>
#include <cstdint>

constexpr int OFFENSIVE_PLAYS = 60;        // play numbers 0-59
constexpr int STORED_OFFENSIVE_PLAYS = 54; // 0-53 live in the team's playbook
constexpr int DEFENSIVE_PLAYS = 30;        // play numbers 0-29
constexpr int OFFENSIVE_FOLDERS = 6;
constexpr int DEFENSIVE_FOLDERS = 3;
constexpr int FOLDER_NAME_LENGTH = 32;
constexpr int PLAY_NAME_LENGTH = 54;
constexpr int PLAY_DESCRIPTION_LENGTH = 128;
constexpr int PLAY_CARD_VALUES = 9;
constexpr int PLAY_RECEIVERS = 5;
constexpr int PLAY_DEFENDERS = 11;
constexpr int OFFENSIVE_SITUATIONS = 5;
constexpr int DEFENSIVE_CATEGORIES = 6;
constexpr int PLAYBOOK_NOTES_LENGTH = 512;
constexpr int PLAYBOOK_NAME_LENGTH = 38;
constexpr int OFFENSIVE_PLAYBOOK_SIZE = 19680;
constexpr int DEFENSIVE_PLAYBOOK_SIZE = 9516;

#pragma pack(push, 1)
struct OFFENSIVE_PLAY {
    char Name[PLAY_NAME_LENGTH];
    int8_t Card_Values[PLAY_CARD_VALUES];
    uint8_t Zero_63;
    int8_t Formation;
    int8_t Option_Hole;
    uint8_t Zero_66[2];
    int32_t Play_Type;
    int32_t Primary; // on-field slot + 1; 0 unset
    int32_t Hole_Or_Depth;
    int32_t Routes[PLAY_RECEIVERS]; // receivers in on-field slots 1-5; -1 none
    char Description[PLAY_DESCRIPTION_LENGTH];
};

struct DEFENSIVE_PLAY {
    char Name[PLAY_NAME_LENGTH];
    int8_t Card_Values[PLAY_CARD_VALUES];
    uint8_t Zero_63;
    int32_t Formation;
    int32_t Roles[PLAY_DEFENDERS]; // defenders in on-field slots 0-10
    char Description[PLAY_DESCRIPTION_LENGTH];
};

// Result counters of an offensive playbook, indexed [play][situation]; rows
// 54-59 exist but are never counted.
struct OFFENSIVE_RESULT_DATA {
    uint16_t Yards[OFFENSIVE_PLAYS][OFFENSIVE_SITUATIONS];
    uint16_t Called[OFFENSIVE_PLAYS][OFFENSIVE_SITUATIONS];
    uint8_t Sacks[OFFENSIVE_PLAYS][OFFENSIVE_SITUATIONS];
    uint8_t Touchdowns[OFFENSIVE_PLAYS][OFFENSIVE_SITUATIONS];
    uint8_t Turnovers[OFFENSIVE_PLAYS][OFFENSIVE_SITUATIONS];
    uint8_t First_Downs[OFFENSIVE_PLAYS][OFFENSIVE_SITUATIONS];
};

// Result counters of a defensive playbook, indexed [play][offensive category].
struct DEFENSIVE_RESULT_DATA {
    uint16_t Yards[DEFENSIVE_PLAYS][DEFENSIVE_CATEGORIES];
    uint16_t Called[DEFENSIVE_PLAYS][DEFENSIVE_CATEGORIES];
    uint8_t Sacks[DEFENSIVE_PLAYS][DEFENSIVE_CATEGORIES];
    uint8_t Touchdowns[DEFENSIVE_PLAYS][DEFENSIVE_CATEGORIES];
    uint8_t Turnovers[DEFENSIVE_PLAYS][DEFENSIVE_CATEGORIES];
    uint8_t First_Downs[DEFENSIVE_PLAYS][DEFENSIVE_CATEGORIES];
};

struct OFFENSIVE_PLAYBOOK {
    char Folder_Names[OFFENSIVE_FOLDERS][FOLDER_NAME_LENGTH];
    OFFENSIVE_PLAY Plays[STORED_OFFENSIVE_PLAYS];
    uint8_t Reserved_12504[2120];
    OFFENSIVE_RESULT_DATA Results;
    char Notes[PLAYBOOK_NOTES_LENGTH];
    char Name[PLAYBOOK_NAME_LENGTH];
    uint8_t Reserved_17574[2];
    uint8_t Card_Selection[OFFENSIVE_PLAYS];
    uint8_t Reserved_17636[2044];
};

struct DEFENSIVE_PLAYBOOK {
    char Folder_Names[DEFENSIVE_FOLDERS][FOLDER_NAME_LENGTH];
    DEFENSIVE_PLAY Plays[DEFENSIVE_PLAYS];
    DEFENSIVE_RESULT_DATA Results;
    char Notes[PLAYBOOK_NOTES_LENGTH];
    char Name[PLAYBOOK_NAME_LENGTH];
    uint8_t Reserved_9286[230];
};

struct TEAM_PLAYBOOK_BLOCK {
    OFFENSIVE_PLAYBOOK Offense;
    // Depth chart and play-calling data (team offsets 103,340-105,452).
    uint8_t Depth_Chart_Data[2112];
    DEFENSIVE_PLAYBOOK Defense;
};
#pragma pack(pop)

static_assert(sizeof(OFFENSIVE_PLAY) == 228);
static_assert(offsetof(OFFENSIVE_PLAY, Card_Values) == 54);
static_assert(offsetof(OFFENSIVE_PLAY, Zero_63) == 63);
static_assert(offsetof(OFFENSIVE_PLAY, Formation) == 64);
static_assert(offsetof(OFFENSIVE_PLAY, Option_Hole) == 65);
static_assert(offsetof(OFFENSIVE_PLAY, Play_Type) == 68);
static_assert(offsetof(OFFENSIVE_PLAY, Primary) == 72);
static_assert(offsetof(OFFENSIVE_PLAY, Hole_Or_Depth) == 76);
static_assert(offsetof(OFFENSIVE_PLAY, Routes) == 80);
static_assert(offsetof(OFFENSIVE_PLAY, Description) == 100);

static_assert(sizeof(DEFENSIVE_PLAY) == 240);
static_assert(offsetof(DEFENSIVE_PLAY, Card_Values) == 54);
static_assert(offsetof(DEFENSIVE_PLAY, Formation) == 64);
static_assert(offsetof(DEFENSIVE_PLAY, Roles) == 68);
static_assert(offsetof(DEFENSIVE_PLAY, Description) == 112);

static_assert(sizeof(OFFENSIVE_PLAYBOOK) == OFFENSIVE_PLAYBOOK_SIZE);
static_assert(offsetof(OFFENSIVE_PLAYBOOK, Plays) == 192);
static_assert(offsetof(OFFENSIVE_PLAYBOOK, Reserved_12504) == 12504);
static_assert(offsetof(OFFENSIVE_PLAYBOOK, Results) + offsetof(OFFENSIVE_RESULT_DATA, Yards) == 14624);
static_assert(offsetof(OFFENSIVE_PLAYBOOK, Results) + offsetof(OFFENSIVE_RESULT_DATA, Called) == 15224);
static_assert(offsetof(OFFENSIVE_PLAYBOOK, Results) + offsetof(OFFENSIVE_RESULT_DATA, Sacks) == 15824);
static_assert(offsetof(OFFENSIVE_PLAYBOOK, Results) + offsetof(OFFENSIVE_RESULT_DATA, Touchdowns) == 16124);
static_assert(offsetof(OFFENSIVE_PLAYBOOK, Results) + offsetof(OFFENSIVE_RESULT_DATA, Turnovers) == 16424);
static_assert(offsetof(OFFENSIVE_PLAYBOOK, Results) + offsetof(OFFENSIVE_RESULT_DATA, First_Downs) == 16724);
static_assert(offsetof(OFFENSIVE_PLAYBOOK, Notes) == 17024);
static_assert(offsetof(OFFENSIVE_PLAYBOOK, Name) == 17536);
static_assert(offsetof(OFFENSIVE_PLAYBOOK, Card_Selection) == 17576);
static_assert(offsetof(OFFENSIVE_PLAYBOOK, Reserved_17636) == 17636);

static_assert(sizeof(DEFENSIVE_PLAYBOOK) == DEFENSIVE_PLAYBOOK_SIZE);
static_assert(offsetof(DEFENSIVE_PLAYBOOK, Plays) == 96);
static_assert(offsetof(DEFENSIVE_PLAYBOOK, Results) + offsetof(DEFENSIVE_RESULT_DATA, Yards) == 7296);
static_assert(offsetof(DEFENSIVE_PLAYBOOK, Results) + offsetof(DEFENSIVE_RESULT_DATA, Called) == 7656);
static_assert(offsetof(DEFENSIVE_PLAYBOOK, Results) + offsetof(DEFENSIVE_RESULT_DATA, Sacks) == 8016);
static_assert(offsetof(DEFENSIVE_PLAYBOOK, Results) + offsetof(DEFENSIVE_RESULT_DATA, Touchdowns) == 8196);
static_assert(offsetof(DEFENSIVE_PLAYBOOK, Results) + offsetof(DEFENSIVE_RESULT_DATA, Turnovers) == 8376);
static_assert(offsetof(DEFENSIVE_PLAYBOOK, Results) + offsetof(DEFENSIVE_RESULT_DATA, First_Downs) == 8556);
static_assert(offsetof(DEFENSIVE_PLAYBOOK, Notes) == 8736);
static_assert(offsetof(DEFENSIVE_PLAYBOOK, Name) == 9248);
static_assert(offsetof(DEFENSIVE_PLAYBOOK, Reserved_9286) == 9286);

static_assert(sizeof(TEAM_PLAYBOOK_BLOCK) == 31308);
static_assert(offsetof(TEAM_PLAYBOOK_BLOCK, Depth_Chart_Data) == 103340 - 83660);
static_assert(offsetof(TEAM_PLAYBOOK_BLOCK, Defense) == 105452 - 83660);
