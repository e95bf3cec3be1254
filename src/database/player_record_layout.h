#pragma once
// Byte layout of one player: 756 bytes, stored inside the team records and saved
// byte for byte with the league.
#include <cstddef>
#include <cstdint>

constexpr int NUMBER_OF_VITAL_STATS = 30;
constexpr int NUMBER_OF_STORED_SEASONS = 4;
constexpr int NUMBER_OF_SEASON_STATS = 20;
constexpr int NUMBER_OF_SEASON_LINE_LINKS = 30;
constexpr int NUMBER_OF_PLAYER_RATINGS = 27;

#pragma pack(push, 1)
struct PLAYER_RECORD {
    char Last_Name[20];
    char First_Name[12];
    char External_ID[12];
    int8_t Uniform_Number;
    int8_t Championship_Rings;
    int8_t Expanded_Position;
    int8_t Import_Code;
    int32_t Vital_Stats[NUMBER_OF_VITAL_STATS];
    int32_t Season_Stats[NUMBER_OF_STORED_SEASONS][NUMBER_OF_SEASON_STATS];
    int32_t Season_Line_Links[NUMBER_OF_SEASON_LINE_LINKS];
    int32_t Latest_Season_Line;
    int16_t Extra_Values[6];
    float Ratings[NUMBER_OF_PLAYER_RATINGS];
    char College[24];
};
#pragma pack(pop)

static_assert(sizeof(PLAYER_RECORD) == 756);
static_assert(offsetof(PLAYER_RECORD, First_Name) == 20);
static_assert(offsetof(PLAYER_RECORD, External_ID) == 32);
static_assert(offsetof(PLAYER_RECORD, Uniform_Number) == 44);
static_assert(offsetof(PLAYER_RECORD, Import_Code) == 47);
static_assert(offsetof(PLAYER_RECORD, Vital_Stats) == 48);
static_assert(offsetof(PLAYER_RECORD, Season_Stats) == 168);
static_assert(offsetof(PLAYER_RECORD, Season_Line_Links) == 488);
static_assert(offsetof(PLAYER_RECORD, Latest_Season_Line) == 608);
static_assert(offsetof(PLAYER_RECORD, Extra_Values) == 612);
static_assert(offsetof(PLAYER_RECORD, Ratings) == 624);
static_assert(offsetof(PLAYER_RECORD, College) == 732);
