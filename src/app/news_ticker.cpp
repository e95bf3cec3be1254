#include "app/news_ticker.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/drawing_services.h"
#include "app/image_drawing.h"
#include "app/main_window.h"
#include "app/skins.h"
#include "app/status_bars.h"
#include "app/window_graphics.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/safe_strings.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "engine/game_record.h"
#include "platform/label_drawing.h"
#include "platform/message_queue.h"
#include "platform/text_render.h"
#include "platform/windows.h"
#include "reports/top_ten_lists.h"
#include "season/score_ticker.h"
#include "views/point_spreads.h"

namespace {
constexpr COLOUR_VALUE TICKER_BACKGROUND = Make_Colour(0, 0, 0);
// Yellow, 0x00FFFF as blue-green-red.
constexpr COLOUR_VALUE TICKER_TEXT_COLOUR = Make_Colour(255, 255, 0);
constexpr int32_t TEXT_TOP = 2;
constexpr int32_t OFF_SEASON_WEEK = 100;
constexpr int32_t LAST_SLOT_FIRST_WEEK = 4;
constexpr int32_t LOWEST_LIST_VALUE = 0x0FFFFFFF;
constexpr int32_t TEAM_STRING_NICKNAME = 2;
// Leader categories of the three player lists: pass, rush and receiving yards.
constexpr int32_t PLAYER_LIST_CATEGORIES[3] = {2, 11, 15};
const char* const PLAYER_LIST_FORMATS[3] = {
    "%d Passing Yards Leaders:   %s", "%d Rushing Yards Leaders:   %s", "%d Receiving Yards Leaders:   %s"};

char ticker_texts[TICKER_TEXT_SLOTS][TICKER_TEXT_SIZE];
int32_t current_slot = 0;
const char* scrolling_text = nullptr;
int32_t scrolling_length = 0;
int32_t text_x = -100;
int32_t steps_left = 0;
DEVICE_CONTEXT* kept_dc = nullptr;
WINDOW_HANDLE kept_dc_window = NO_WINDOW;
int32_t season_year = 0;
int32_t last_season = 0;
WINDOW_PROCEDURE bar_procedure = nullptr;

void Append_Text(std::string* line, const char* text) {
    if (line->size() + std::strlen(text) < static_cast<size_t>(TICKER_TEXT_SIZE - 1)) line->append(text);
}

void Build_Player_Slot(int32_t slot, int32_t list_index) {
    TOP_TEN_LIST list;
    Build_Top_Ten_Player_List(&list, 2, PLAYER_LIST_CATEGORIES[list_index], last_season);
    std::string entries;
    for (int32_t i = 0; i < 10; ++i) {
        const TOP_TEN_ENTRY& entry = list.Entries[i];
        if (entry.Value <= 0) continue;
        char first[64] = "", last[64] = "", abbreviation[64] = "", text[256];
        Get_Player_First_Name(entry.Team, entry.Slot, first);
        Get_Player_Last_Name(entry.Team, entry.Slot, last);
        Get_Team_String(abbreviation, entry.Team, 0);
        const char initial[2] = {first[0], '\0'};
        std::snprintf(text, sizeof text, "%s. %s (%s) %d%c    ", initial, last, abbreviation, entry.Value,
                      i < 9 ? ',' : '.');
        Append_Text(&entries, text);
    }
    std::snprintf(ticker_texts[slot], TICKER_TEXT_SIZE, PLAYER_LIST_FORMATS[list_index], season_year,
                  entries.c_str());
}

void Build_Team_Slot(int32_t slot, int32_t category) {
    TOP_TEN_LIST list;
    Build_Top_Ten_Team_List(&list, category);
    std::string entries;
    for (int32_t i = 0; i < 10; ++i) {
        const TOP_TEN_ENTRY& entry = list.Entries[i];
        if (entry.Value <= 0 || entry.Value == LOWEST_LIST_VALUE || !Is_Used_Franchise_Slot(entry.Team))
            continue;
        char name[128] = "", text[256];
        Get_Team_Full_Name(entry.Team, name);
        const int32_t pass = Get_Team_Totals_Stat(entry.Team, category, last_season, 11);
        const int32_t run = entry.Value - pass;
        std::snprintf(text, sizeof text, "%d. %s: %d total yards, %d run yards, %d pass yards.    ", i + 1,
                      name, run + pass, run, pass);
        Append_Text(&entries, text);
    }
    std::snprintf(ticker_texts[slot], TICKER_TEXT_SIZE,
                  category == 0 ? "Top %d NFL Offenses of %d:   %s" : "Top %d NFL Defenses of %d :   %s", 10,
                  season_year, entries.c_str());
}

bool Is_Ticker_Alive() {
    return News_Ticker_Window != NO_WINDOW && Is_Window(News_Ticker_Window);
}

void Forget_Kept_DC() {
    if (kept_dc != nullptr && Is_Window(kept_dc_window)) Release_Window_DC(kept_dc_window, kept_dc);
    kept_dc = nullptr;
    kept_dc_window = NO_WINDOW;
}

void Ticker_Timer(WINDOW_HANDLE window, uint32_t timer_id, uint32_t tick);

void Set_Ticker_Timer(uint32_t timer_id, uint32_t period) {
    if (Is_Ticker_Alive()) Set_Window_Timer(News_Ticker_Window, timer_id, period, Ticker_Timer);
}

// The last slot of the cycle: slots 4 and 5 (team totals) wait until the
// first week of the first season has statistics.
int32_t Slot_Count() {
    return Get_User_Preference(CURRENT_WEEK) == 0 && Get_User_Preference(CURRENT_SEASON_INDEX) == 0
               ? LAST_SLOT_FIRST_WEEK
               : TICKER_TEXT_SLOTS;
}

void Ticker_Timer(WINDOW_HANDLE window, uint32_t timer_id, uint32_t) {
    Kill_Window_Timer(window, timer_id);
    // A timer that outlives its ticker does nothing.
    if (window != News_Ticker_Window || !Is_Window(window)) return;
    switch (timer_id) {
    case TICKER_SCROLL_TIMER:
        --text_x;
        --steps_left;
        if (steps_left > 0) {
            Invalidate_Window(window, nullptr);
        } else {
            steps_left = -1;
            text_x = -1;
            Set_Ticker_Timer(TICKER_ITEM_PAUSE_TIMER, TICKER_PAUSE_MS);
        }
        break;
    case TICKER_ITEM_PAUSE_TIMER:
        ++current_slot;
        if (current_slot >= Slot_Count()) {
            current_slot = 0;
            Set_Ticker_Timer(TICKER_RESTART_PAUSE_TIMER, TICKER_PAUSE_MS);
        } else {
            Start_Ticker_Item_Scroll(window);
        }
        break;
    case TICKER_RESTART_PAUSE_TIMER:
        Take_News_Ticker_DC();
        Start_Ticker_Item_Scroll(window);
        break;
    default:
        break;
    }
}

void Paint_Score_Columns(DEVICE_CONTEXT* dc, const RECT_AREA& client) {
    const int32_t width = client.Right / 9;
    const int32_t offset = width / 2;
    static constexpr uint32_t ALIGNMENTS[3] = {TEXT_RIGHT, TEXT_CENTRE, 0};
    for (int32_t i = 0; i < SCORE_TICKER_LINES; ++i) {
        char text[SCORE_TICKER_LINE_SIZE];
        Get_Score_Ticker_Line(i, text);
        Set_Text_Colour(dc, Get_Score_Ticker_Colour(i));
        Draw_Text_In_Scaled_Rect(dc, text, {i * width + offset, 0, (i + 1) * width + offset, client.Bottom},
                                 ALIGNMENTS[i % 3] | TEXT_SINGLE_LINE | TEXT_VERTICAL_CENTRE, 0);
    }
}

void Paint_Ticker(WINDOW_HANDLE window) {
    PAINT_INFO paint;
    DEVICE_CONTEXT* dc = Begin_Paint(window, &paint);
    if (dc == nullptr) return;
    RECT_AREA client;
    Get_Client_Rect(window, &client);
    Fill_Surface_Area(dc, client, TICKER_BACKGROUND);
    Set_Background_Mode(dc, BACKGROUND_TRANSPARENT);
    const int32_t week = Get_User_Preference(CURRENT_WEEK);
    // Between items nothing scrolls: the bar stays empty and a repaint
    // changes no timer.
    if (scrolling_text != nullptr && scrolling_length >= 1 && steps_left > 0) {
        Set_Text_Colour(dc, TICKER_TEXT_COLOUR);
        Draw_Text_In_Scaled_Rect(dc, scrolling_text, {text_x, TEXT_TOP, text_x + 32767, client.Bottom},
                                 TEXT_SINGLE_LINE, 0);
        Set_Ticker_Timer(TICKER_SCROLL_TIMER, TICKER_STEP_MS);
    } else if (scrolling_text == nullptr &&
               (Current_Game != nullptr || (Get_User_Preference(SIMULATION_RUNNING) != 0 &&
                                            week < static_cast<int32_t>(Universe.Header.Target_Week)))) {
        Paint_Score_Columns(dc, client);
    }
    // The skin's frame of the bar goes over what it shows. Its pixels stay in
    // the cache (L), as the bar is painted again at every step.
    char bar[256] = "news\\newsbar.png";
    Get_Skin_File_Path(bar, sizeof bar);
    std::strncat(bar, ":L", sizeof bar - std::strlen(bar) - 1);
    Draw_Cached_Image(dc, bar, 0, 0, -1, -1);
    End_Paint(window, &paint);
}
} // namespace

intptr_t News_Ticker_Proc(WINDOW_HANDLE window, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    switch (code) {
    case MSG_PAINT:
        Paint_Ticker(window);
        return 0;
    case MSG_SIZE:
    case MSG_MOVE:
        if (Is_Window(Main_Window)) {
            RECT_AREA client;
            Get_Client_Rect(Main_Window, &client);
            Move_Window(window, {0, client.Bottom - NEWS_TICKER_HEIGHT, client.Right, client.Bottom});
        }
        return 0;
    default:
        return Call_Window_Procedure(bar_procedure, window, code, wparam, lparam);
    }
}

void Create_News_Ticker(WINDOW_HANDLE parent) {
    if (!Is_Window(parent) || Is_Ticker_Alive()) return;
    Register_Status_Bar_Class();
    RECT_AREA client;
    Get_Client_Rect(parent, &client);
    News_Ticker_Window =
        Create_Window(STATUS_BAR_CLASS, "", WINDOW_CHILD | WINDOW_VISIBLE,
                      {0, client.Bottom - NEWS_TICKER_HEIGHT, client.Right, client.Bottom}, parent, 0, 0);
    if (News_Ticker_Window == NO_WINDOW) return;
    bar_procedure = Subclass_Window(News_Ticker_Window, News_Ticker_Proc);
    Build_News_Ticker_Items();
    Take_News_Ticker_DC();
    current_slot = 0;
    Start_Ticker_Item_Scroll(News_Ticker_Window);
    Send_Window_Message(News_Ticker_Window, MSG_MOVE, 0, 0);
    Fit_Back_Buffer_To_View();
}

void Destroy_News_Ticker() {
    Stop_News_Ticker();
    const WINDOW_HANDLE ticker = News_Ticker_Window;
    News_Ticker_Window = NO_WINDOW;
    Redock_Status_Bars();
    if (Is_Window(ticker)) Destroy_Window(ticker);
    Fit_Back_Buffer_To_View();
}

void Stop_News_Ticker() {
    if (Is_Ticker_Alive()) {
        Kill_Window_Timer(News_Ticker_Window, TICKER_SCROLL_TIMER);
        Kill_Window_Timer(News_Ticker_Window, TICKER_ITEM_PAUSE_TIMER);
        Kill_Window_Timer(News_Ticker_Window, TICKER_RESTART_PAUSE_TIMER);
    }
    Forget_Kept_DC();
    scrolling_text = nullptr;
    scrolling_length = 0;
    steps_left = 0;
    text_x = -100;
    current_slot = 0;
}

void Build_News_Ticker_Items() {
    const int32_t week = Get_User_Preference(CURRENT_WEEK);
    last_season = week == 0 || week == OFF_SEASON_WEEK ? 1 : 0;
    season_year = Get_Current_Year() - last_season;
    safe_strncpy(ticker_texts[0], "Welcome to Football Korva!", TICKER_TEXT_SIZE);
    for (int32_t i = 0; i < 3; ++i)
        Build_Player_Slot(1 + i, i);
    Build_Team_Slot(4, 0);
    Build_Team_Slot(5, 4);
}

void Build_Week_Games_Ticker_Line(char* buffer) {
    if (buffer == nullptr) return;
    const int32_t week = Get_User_Preference(CURRENT_WEEK);
    std::string entries;
    for (int32_t home = 0; home < Active_Team_Count; ++home) {
        // The first team given to the scheduler is at home; its entry holds
        // the visitor as a positive code.
        if (Get_Team_Week_Game_Side(home, week) != 1) continue;
        const int32_t visitor = Get_Team_Week_Opponent(home, week);
        if (!Is_Used_Franchise_Slot(visitor)) continue;
        char visitor_name[32] = "", home_name[32] = "", text[160];
        Get_Team_String(visitor_name, visitor, TEAM_STRING_NICKNAME);
        Get_Team_String(home_name, home, TEAM_STRING_NICKNAME);
        // The favourite's margin in whole points (the line is in tenths).
        const int32_t spread = std::abs(Get_Point_Spread_By_Rating(visitor, home));
        std::snprintf(text, sizeof text, "%s at %s (-%d),     ", visitor_name, home_name, (spread + 5) / 10);
        Append_Text(&entries, text);
    }
    std::snprintf(buffer, TICKER_TEXT_SIZE, "Week %d games:     %s.", week + 1, entries.c_str());
}

void Take_News_Ticker_DC() {
    Forget_Kept_DC();
    if (!Is_Ticker_Alive()) return;
    kept_dc = Get_Window_DC(News_Ticker_Window);
    kept_dc_window = kept_dc != nullptr ? News_Ticker_Window : NO_WINDOW;
}

void Start_Ticker_Item_Scroll(WINDOW_HANDLE ticker) {
    if (ticker == NO_WINDOW || ticker != News_Ticker_Window || !Is_Window(ticker)) return;
    if (current_slot < 0 || current_slot >= TICKER_TEXT_SLOTS) current_slot = 0;
    scrolling_text = ticker_texts[current_slot];
    scrolling_length = static_cast<int32_t>(std::strlen(scrolling_text));
    RECT_AREA client;
    Get_Client_Rect(ticker, &client);
    text_x = client.Right;
    const int32_t width = kept_dc != nullptr ? Measure_Text_Width(kept_dc, scrolling_text, -1)
                                             : Measure_Label_Width(scrolling_text);
    steps_left = width + client.Right;
    Set_Ticker_Timer(TICKER_SCROLL_TIMER, 0);
}

int32_t News_Ticker_Exists() {
    return Is_Ticker_Alive() ? 1 : 0;
}

void Repaint_News_Ticker() {
    Repaint_Window(News_Ticker_Window);
}

int32_t Get_News_Ticker_Season_Choice() {
    return last_season;
}

const char* Get_News_Ticker_Text(int32_t slot) {
    return slot >= 0 && slot < TICKER_TEXT_SLOTS ? ticker_texts[slot] : "";
}

int32_t Get_News_Ticker_Slot() {
    return current_slot;
}

int32_t Get_News_Ticker_X() {
    return text_x;
}

int32_t Get_News_Ticker_Steps_Left() {
    return steps_left;
}
