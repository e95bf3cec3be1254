#pragma once
// The leaders page (view 40032): four top-ten lists of player leaders, for one
// league, both leagues or the all-time records.
#include <cstdint>

#include "platform/drawing_surface.h"

constexpr int32_t LEADER_LISTS = 4;
constexpr int32_t LEADER_LIST_ROWS = 10;
constexpr int32_t LEADER_CATEGORY_SETTING = 113; // 113-116, one per list
constexpr int32_t LEADER_MODE_SETTING = 117;
constexpr int32_t LEADER_STATE_SETTING = 118;
constexpr int32_t LEADER_CHOOSING_MARKER = 30;
// Modes of setting 117.
constexpr int32_t LEADERS_FIRST_LEAGUE = 0;
constexpr int32_t LEADERS_SECOND_LEAGUE = 1;
constexpr int32_t LEADERS_BOTH_LEAGUES = 2;
constexpr int32_t LEADERS_ALL_TIME = 3;

struct LEADER_LIST_ENTRY {
    int32_t Team; // -128 for an empty entry
    int32_t Slot;
    int32_t Value;
};
// Rebuilt before every paint of modes 0-2.
extern LEADER_LIST_ENTRY Leader_Lists[LEADER_LISTS][LEADER_LIST_ROWS];

// Fills the four lists from the teams of the mode's league (every team and
// the free agents in mode 2); among equal values the player met first stays ahead.
void Build_Leader_Lists();
void Paint_Leaders_View(DEVICE_CONTEXT* dc);
// 0 none, 1 a heading, 2 a player's name.
int32_t Is_Leaders_Hot_Spot(int32_t x, int32_t y);
void Do_Leaders_Click(int32_t x, int32_t y);
// The category of list k, read within 0-29.
int32_t Get_Leader_List_Category(int32_t k);
// The mode (setting 117) within 0-3, and the three bytes of setting 118.
int32_t Get_Leaders_Mode();
int32_t Get_Leaders_Season_Selector();
int32_t Get_Leaders_Enlarged_List();
int32_t Get_Leaders_All_Time_Kind();
