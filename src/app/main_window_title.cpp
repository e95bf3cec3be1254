#include "app/main_window_title.h"

#include "app/main_window.h"
#include "platform/windows.h"

#include <cstdio>
#include <cstring>

#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/universe.h"
#include "personnel/draft_state.h"
#include "tools/season_simulator.h"

namespace {
const char* const GAME_NAME = "Football Korva";
const char* const GAME_NUMBER = "23";
constexpr int32_t OFF_SEASON_WEEK = 100;
constexpr int32_t FANTASY_DRAFT_FLAG_STAT = 4;
char shown_title[MAIN_WINDOW_TITLE_SIZE] = "Football Korva 23";

int32_t Read_Fantasy_Draft_Int(int32_t offset) {
    int32_t value = 0;
    memcpy(&value, Universe.Tail.Fantasy_Draft_State + offset, sizeof value);
    return value;
}
} // namespace

// Before the first league is loaded (the main window is made first) the block
// is empty, without a base year: it holds no draft to ask about, and the
// question would mend the empty block's draft round as a damaged league's.
void Get_Main_Window_Title(char* buffer) {
    if (buffer == nullptr) return;
    const int32_t year = Get_Current_Year();
    const int32_t week = Get_User_Preference(CURRENT_WEEK);
    if (Simulator_Seasons != 0) {
        snprintf(buffer, MAIN_WINDOW_TITLE_SIZE, "%s %s (Simulating Seasons %d/%d)", GAME_NAME, GAME_NUMBER,
                 Simulator_Run_Index + 1, Simulator_Seasons);
    } else if (Universe.Header.Universe_Stats[FANTASY_DRAFT_FLAG_STAT] >= 1) {
        // The fantasy draft keeps its round and pick, 0-based, at offsets 8 and 12 of its state,
        // counted here in 64 bits: the state may come from a damaged draft file.
        snprintf(buffer, MAIN_WINDOW_TITLE_SIZE, "%s %s (Fantasy Draft: Round %lld, Pick %lld)", GAME_NAME,
                 GAME_NUMBER, static_cast<long long>(Read_Fantasy_Draft_Int(8)) + 1,
                 static_cast<long long>(Read_Fantasy_Draft_Int(12)) + 1);
    } else if (Get_Universe_Stat(BASE_YEAR) != 0 && Is_College_Draft_Running()) {
        snprintf(buffer, MAIN_WINDOW_TITLE_SIZE, "%s %s (%d Draft)", GAME_NAME, GAME_NUMBER, year);
    } else if (week != OFF_SEASON_WEEK && week < Universe.Post_Season_Days[4]) {
        char week_name[FORMATTED_TEXT_SIZE];
        Format_Week_Name(week, week_name);
        snprintf(buffer, MAIN_WINDOW_TITLE_SIZE, "%s %s (%d%s %s)", GAME_NAME, GAME_NUMBER, year,
                 week < Universe.Season_Length ? "," : "", week_name);
    } else if (week == OFF_SEASON_WEEK) {
        snprintf(buffer, MAIN_WINDOW_TITLE_SIZE, "%s %s (%d-%d Offseason)", GAME_NAME, GAME_NUMBER, year - 1,
                 year);
    } else {
        snprintf(buffer, MAIN_WINDOW_TITLE_SIZE, "%s %s (%d-%d Offseason)", GAME_NAME, GAME_NUMBER, year,
                 year + 1);
    }
}

void Update_Main_Window_Title() {
    Get_Main_Window_Title(shown_title);
    if (Is_Window(Main_Window)) Set_Window_Text(Main_Window, shown_title);
}

const char* Get_Shown_Main_Window_Title() {
    return shown_title;
}
