#pragma once
// The settings array inside the league block: 240 32-bit entries then 120
// 16-bit entries, saved with every game.
#include <cstdint>

// Named entries.
enum USER_PREFERENCE : int32_t {
    WAITING_FOR_CLICK = 17,
    GAME_SAVED_MIDWAY = 20,
    CURRENT_GAME_NUMBER = 21,
    CURRENT_SEASON_INDEX = 22,
    CURRENT_WEEK = 23,
    DIFFICULTY_LEVEL = 25,
    CURRENT_VIEW = 26,
    STAT_SEASON_CHOICE = 27,
    VIEWED_TEAM = 28,
    SELECTED_PLAYER_TEAM = 29,
    SELECTED_PLAYER_SLOT = 30,
    USER_TEAM = 32,
    SIMULATION_RUNNING = 33,
    SHOWN_GAME_INDEX = 34,
    DRAFT_ROUND = 36,
    DRAFT_PICK = 37,
    DRAFT_BOARD_ROUND = 38,
    DRAFT_BOARD_YEAR = 39,
    SHOWN_LEAGUE = 42,
    SELECTED_CITY = 43,
    REGULAR_SEASON_OVERTIME_RULE = 45,
    PLAYOFF_OVERTIME_RULE = 46,
    SOUNDS_ENABLED = 47,
    SHOW_NEWS_TICKER = 48,
    COMMISSIONER_MODE = 50,
    OWNER_MODE = 51,
    COMPUTER_OFFERS_TRADES = 52,
    SIM_TO_QUARTER = 54,
    OFFENSIVE_PLAY_PAGE = 57,
    DEFENSIVE_PLAY_PAGE = 58,
    PBP_OFFENSIVE_PLAY = 59,
    PBP_DEFENSIVE_PLAY = 60,
    SIMULATE_ALL_GAMES = 61,
    OVERTIME_MINUTES = 88,
    AUTO_FILL_ROSTERS = 90,
    AUTO_SAVE = 91,
    DAY_RUNNING = 94,
    MULTI_SEASON_SIMULATION = 96,
    GAME_CHECKSUM = 98,
    PLAY_ANIMATION_DELAY = 173,
    TWO_POINT_CONVERSION_RULE = 174,
    REGULAR_SEASON_OVERTIME_FLAG = 175,
    KICKOFF_TOUCHBACK_RULE = 198,
    EXTRA_POINT_SPOT_CODE = 199,
    KICKOFF_SPOT_CODE = 200,
    ERA_CODE = 202,
    AUTO_CALL_OFFENSE = 230,
    AUTO_CALL_DEFENSE = 231,
    STATISTICS_YEAR = 237,
};

int32_t Get_User_Preference(int32_t n);
void Set_User_Preference(int32_t n, int32_t value);

// Accessors of the universe header.
constexpr int DATABASE_NOTES_LENGTH = 512;
constexpr int SKIN_NAME_LENGTH = 32;
// The 16-bit flag table at header offset 1,856.
constexpr int NUMBER_OF_UNIVERSE_FLAGS = 20;
constexpr int SEASON_LINE_RECORDING_FLAG = 5;
constexpr int ADVANCE_IN_PROGRESS_FLAG = 7;
constexpr int TARGET_WEEK_FLAG = 8;
constexpr int CHAMPIONSHIP_ROUND_FLAG = 9;

// Copies the notes into `buffer` of `size` bytes, cut to fit.
void Get_Database_Notes(char* buffer, int size);
// Stores the notes, cut to the 511 characters the field holds.
void Set_Database_Notes(const char* text);
void Get_Skin_Name(char* buffer, int size);
// Stores the skin name, cut to the 31 characters the field holds.
void Set_Skin_Name(const char* name);
// Entry n of the flag table; out-of-range n is reported and reads 0.
int32_t Get_Universe_Flag(int32_t n);
void Set_Universe_Flag(int32_t n, int32_t value);
int32_t Get_Current_View();
void Set_Current_View_Setting(int32_t view);
int32_t Get_Current_Week();
int32_t Get_Current_Season_Index();
int32_t Get_Replay_Mode();
// Refreshes the cached Active_Team_Count from the team records.
void Refresh_Active_Team_Count();
// Zeroes the 98,280 bytes of the all-time leader tables.
void Clear_All_Time_Leaders();
