#pragma once
// The league state block: one fixed-size, statically allocated record that owns
// every team, player, city, game, setting, standing and history record. It is
// saved and loaded whole, so its layout is the saved-game file format.
#include <bit>
#include <cstddef>
#include <cstdint>

#include "database/city_record_layout.h"
#include "database/game_record_layout.h"
#include "database/season_line_layout.h"
#include "database/team_record_layout.h"

static_assert(std::endian::native == std::endian::little, "the saved league is little-endian");

constexpr uint32_t UNIVERSE_SIZE = 22975272;
constexpr int NUMBER_OF_UNIVERSE_STATS = 20;
constexpr int NUMBER_OF_HEADER_INTS = 40;
constexpr int NUMBER_OF_INT_PREFERENCES = 240;
constexpr int NUMBER_OF_SHORT_PREFERENCES = 120;
constexpr int NUMBER_OF_PREFERENCES = NUMBER_OF_INT_PREFERENCES + NUMBER_OF_SHORT_PREFERENCES;
constexpr int NUMBER_OF_DIVISIONS = 8;
constexpr int NUMBER_OF_LEAGUES = 2;
constexpr int DRAFT_YEARS = 3;
constexpr int DRAFT_ROUNDS = 7;
constexpr int PLAYOFF_BRACKET_SLOTS = 31;

#pragma pack(push, 1)
struct UNIVERSE_HEADER {
    char Saved_Game_Name[256];
    char Second_Name[64];
    char Database_Notes[512];
    char Skin_Name[32];
    uint8_t Reserved_864[992];
    // The league's average rates the season cycle refreshes before each game
    // day: yards per 100 rushes, completions per mille, yards per 100
    // completions, passing yards per 1,000 rushing yards.
    int16_t League_Rates[4];
    uint8_t Reserved_1864[2];
    int16_t Season_Line_Recording;
    uint8_t Reserved_1868[2];
    uint16_t Advance_In_Progress;
    uint16_t Target_Week;
    uint16_t Championship_Round_Flag;
    uint8_t Reserved_1876[18];
    // Non-zero: new players get the standard development fields, no draws.
    int16_t Suppress_Rating_Variation;
    int16_t Draft_Talent[3][15];
    int16_t Draft_Strategy[15];
    // 1 when the game was started with fictional players.
    int16_t Fictional_Players_Flag;
    // Options "Reversion To Mean": -100..100 per cent, 0 normal.
    int16_t Reversion_To_Mean;
    int16_t Replay_Mode;
    uint8_t Reserved_2022[2];
    int32_t Pre_1990_Playoff_Flag;
    int16_t Require_Click_After_Each_Play;
    uint8_t Reserved_2030[82];
    int32_t Universe_Stats[NUMBER_OF_UNIVERSE_STATS];
    int32_t Header_Ints[NUMBER_OF_HEADER_INTS];
    char League_Names[NUMBER_OF_LEAGUES][16];
    char Division_Names[NUMBER_OF_DIVISIONS][12];
};

struct USER_PREFERENCES {
    int32_t Ints[NUMBER_OF_INT_PREFERENCES];
    int16_t Shorts[NUMBER_OF_SHORT_PREFERENCES];
};

// The tail of the block after the season lines. Regions not named here belong
// to the code that uses them and are saved as found.
struct UNIVERSE_TAIL {
    uint8_t Reserved_Start[44288];
    int32_t Draft_Pick_Log[300];
    uint8_t Fantasy_Draft_State[18016];
    uint8_t Reserved_Middle[460784];
    uint8_t All_Time_Leaders[98280];
};

struct UNIVERSE_STATE {
    UNIVERSE_HEADER Header;
    TEAM_RECORD Teams[TOTAL_NUMBER_OF_TEAMS];
    CITY_RECORD Cities[MAX_CITIES];
    int8_t Draft_Pick_Owner[DRAFT_YEARS][DRAFT_ROUNDS][MAX_FRANCHISES];
    int8_t Draft_Order[MAX_FRANCHISES];
    GAME_RECORD Games[MAX_GAME_RECORDS];
    USER_PREFERENCES User_Preferences;
    int8_t Division_Standings[NUMBER_OF_DIVISIONS][13];
    uint8_t Reserved_19337864[4];
    int8_t Playoff_Bracket[PLAYOFF_BRACKET_SLOTS];
    uint8_t Reserved_19337899;
    int32_t Playoff_Scores[PLAYOFF_BRACKET_SLOTS];
    int32_t Season_Length;
    int32_t Post_Season_Days[5];
    SEASON_LINE Season_Lines[MAX_SEASON_LINES];
    UNIVERSE_TAIL Tail;
};
#pragma pack(pop)

static_assert(sizeof(UNIVERSE_HEADER) == 2480);
static_assert(offsetof(UNIVERSE_HEADER, Second_Name) == 256);
static_assert(offsetof(UNIVERSE_HEADER, Database_Notes) == 320);
static_assert(offsetof(UNIVERSE_HEADER, Skin_Name) == 832);
static_assert(offsetof(UNIVERSE_HEADER, League_Rates) == 1856);
static_assert(offsetof(UNIVERSE_HEADER, Season_Line_Recording) == 1866);
static_assert(offsetof(UNIVERSE_HEADER, Advance_In_Progress) == 1870);
static_assert(offsetof(UNIVERSE_HEADER, Target_Week) == 1872);
static_assert(offsetof(UNIVERSE_HEADER, Championship_Round_Flag) == 1874);
static_assert(offsetof(UNIVERSE_HEADER, Suppress_Rating_Variation) == 1894);
static_assert(offsetof(UNIVERSE_HEADER, Draft_Talent) == 1896);
static_assert(offsetof(UNIVERSE_HEADER, Draft_Strategy) == 1986);
static_assert(offsetof(UNIVERSE_HEADER, Fictional_Players_Flag) == 2016);
static_assert(offsetof(UNIVERSE_HEADER, Reversion_To_Mean) == 2018);
static_assert(offsetof(UNIVERSE_HEADER, Replay_Mode) == 2020);
static_assert(offsetof(UNIVERSE_HEADER, Pre_1990_Playoff_Flag) == 2024);
static_assert(offsetof(UNIVERSE_HEADER, Require_Click_After_Each_Play) == 2028);
static_assert(offsetof(UNIVERSE_HEADER, Universe_Stats) == 2112);
static_assert(offsetof(UNIVERSE_HEADER, Header_Ints) == 2192);
static_assert(offsetof(UNIVERSE_HEADER, League_Names) == 2352);
static_assert(offsetof(UNIVERSE_HEADER, Division_Names) == 2384);

static_assert(sizeof(USER_PREFERENCES) == 1200);
static_assert(sizeof(UNIVERSE_TAIL) == 622568);
static_assert(offsetof(UNIVERSE_TAIL, Draft_Pick_Log) == 22396992 - 22352704);
static_assert(offsetof(UNIVERSE_TAIL, Fantasy_Draft_State) == 22398192 - 22352704);
static_assert(offsetof(UNIVERSE_TAIL, All_Time_Leaders) == 22876992 - 22352704);

static_assert(sizeof(UNIVERSE_STATE) == UNIVERSE_SIZE);
static_assert(offsetof(UNIVERSE_STATE, Teams) == 2480);
static_assert(offsetof(UNIVERSE_STATE, Cities) == 4716168);
static_assert(offsetof(UNIVERSE_STATE, Draft_Pick_Owner) == 4723368);
static_assert(offsetof(UNIVERSE_STATE, Draft_Order) == 4724124);
static_assert(offsetof(UNIVERSE_STATE, Games) == 4724160);
static_assert(offsetof(UNIVERSE_STATE, User_Preferences) == 19336560);
static_assert(offsetof(UNIVERSE_STATE, Division_Standings) == 19337760);
static_assert(offsetof(UNIVERSE_STATE, Playoff_Bracket) == 19337868);
static_assert(offsetof(UNIVERSE_STATE, Playoff_Scores) == 19337900);
static_assert(offsetof(UNIVERSE_STATE, Season_Length) == 19338024);
static_assert(offsetof(UNIVERSE_STATE, Post_Season_Days) == 19338028);
static_assert(offsetof(UNIVERSE_STATE, Season_Lines) == 19338048);
static_assert(offsetof(UNIVERSE_STATE, Tail) == 22352704);

// The one league block of the process. It never moves and is never freed.
extern UNIVERSE_STATE Universe;

// The block seen as plain bytes, for saving, loading and checksums.
inline uint8_t* Universe_Bytes() {
    return reinterpret_cast<uint8_t*>(&Universe);
}
