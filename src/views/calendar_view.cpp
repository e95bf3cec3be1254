#include "views/calendar_view.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <strings.h>

#include "app/drawing_primitives.h"
#include "app/skins.h"
#include "app/team_lists.h"
#include "database/game_names.h"
#include "database/game_queries.h"
#include "database/league_structure.h"
#include "database/safe_strings.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/string_table.h"
#include "database/team_record.h"
#include "database/team_results.h"
#include "database/text_format.h"
#include "database/universe.h"
#include "dialogs/stat_headings.h"
#include "engine/game_driver.h"
#include "engine/game_record.h"
#include "engine/playbook_records.h"
#include "platform/text_render.h"
#include "views/current_view.h"
#include "views/point_spreads.h"
#include "views/team_week_results.h"
#include "views/timeline_strip.h"
#include "views/view_drawing.h"

namespace {
constexpr int32_t GAMES_VIEW = 40086;
constexpr int32_t TITLE_FONT = 13;
constexpr int32_t NOTE_FONT = 5;
constexpr int32_t ROW_FONT = 7;
constexpr int32_t HEADING_FONT_ROW = 5;
constexpr int32_t TEXT_SIZE = 32;
constexpr COLOUR_VALUE BYE_GREY = 0x717171;
constexpr RECT_AREA TITLE_BAND = {0, 12, 768, 66};

int32_t Viewed_Team() {
    Validate_Viewed_Team();
    return Get_User_Preference(VIEWED_TEAM);
}

int32_t Row_Top(int32_t week) {
    return 106 + 16 * week + (week >= Universe.Season_Length ? 3 : 0);
}

// The team's game record of the week while it is in use; nullptr otherwise.
GAME_RECORD* Week_Game(int32_t team, int32_t week) {
    const int32_t index = Get_Team_Schedule_Stat(team, week, SCHEDULE_GAME_INDEX);
    if (index < 0) return nullptr;
    GAME_RECORD* game = Get_Game_Record(index);
    return Is_Game_In_Use(game) ? game : nullptr;
}

bool Is_Week_Played(int32_t team, int32_t week) {
    GAME_RECORD* game = Week_Game(team, week);
    return game != nullptr && Is_Game_Over(game) && week <= Get_User_Preference(CURRENT_WEEK);
}

void Format_Record_Text(int32_t wins, int32_t losses, int32_t ties, char* out) {
    if (ties != 0)
        safe_sprintf(out, TEXT_SIZE, "%d-%d-%d", wins, losses, ties);
    else
        safe_sprintf(out, TEXT_SIZE, "%d-%d", wins, losses);
}

void Format_Percent_Of(int32_t made, int32_t attempts, char* out) {
    const int64_t pct = attempts == 0 ? 0 : Round_Ratio(made, 100, attempts);
    safe_sprintf(out, TEXT_SIZE, "%lld%% (%d/%d)", static_cast<long long>(pct), made, attempts);
}

// A team total of the game: the totals are signed, a side may lose yards.
int32_t Game_Total(const GAME_RECORD* game, int32_t side, int32_t n) {
    return static_cast<int16_t>(game->Team_Totals[side][n]);
}

void Format_Yards_Per_Play(const GAME_RECORD* game, int32_t side, char* out) {
    const int64_t yards = static_cast<int64_t>(Game_Total(game, side, GAME_TOTAL_PASSING_YARDS)) +
                          Game_Total(game, side, GAME_TOTAL_RUSHING_YARDS);
    const int64_t plays = static_cast<int64_t>(Game_Total(game, side, GAME_TOTAL_PASS_ATTEMPTS)) +
                          Game_Total(game, side, GAME_TOTAL_RUSHES) +
                          Game_Total(game, 1 - side, GAME_TOTAL_SACKS);
    const int64_t q = plays == 0 ? 0 : Round_Line_Ratio(yards, 10, plays);
    Format_Signed_Tenths(out, TEXT_SIZE, q);
}

// The two teams of the week's game in game-record order: the visitor (the
// team listed second by the schedule), then the home team.
void Record_Order(int32_t team, int32_t week, int32_t* visitor, int32_t* home) {
    const int32_t code = Get_Team_Schedule_Stat(team, week, SCHEDULE_OPPONENT);
    const int32_t opponent = std::abs(code) - 1;
    *home = code > 0 ? team : opponent;
    *visitor = code > 0 ? opponent : team;
}

void Draw_Week_Row(DEVICE_CONTEXT* dc, int32_t team, int32_t week, int32_t* last_drawn) {
    const int32_t code = Get_Team_Schedule_Stat(team, week, SCHEDULE_OPPONENT);
    const int32_t top = Row_Top(week), bottom = top + 16;
    const uint32_t centred = TEXT_CENTRE | TEXT_SINGLE_LINE | TEXT_VERTICAL_CENTRE;
    const uint32_t left = TEXT_SINGLE_LINE | TEXT_VERTICAL_CENTRE;
    const int32_t season_length = Universe.Season_Length;
    char text[FORMATTED_TEXT_SIZE];
    if (code == 0) {
        if (week >= season_length) return;
        *last_drawn = week;
        if (week == season_length - 1 || (Get_Current_Year() == 1960 && week <= 1)) return;
        Format_Week_Short_Name(week, text);
        Draw_View_Text(dc, text, {5, top, 110, bottom}, centred, BYE_GREY);
        Draw_View_Text(dc, "Bye Week", {110, top, 220, bottom}, left, BYE_GREY);
        return;
    }
    *last_drawn = week;
    const bool home = code > 0;
    const bool played = Is_Week_Played(team, week);
    const VIEW_COLOURS& first_colour = home ? VIEW_ACCENT_COLOURS : VIEW_LIGHT_COLOURS;
    const VIEW_COLOURS& other_colour = home ? VIEW_LIGHT_COLOURS : VIEW_ACCENT_COLOURS;

    Format_Week_Short_Name(week, text);
    if (strcasecmp(text, "conference") == 0 || strcasecmp(text, "title game") == 0) {
        char league[LEAGUE_NAME_LENGTH + 1] = "";
        Get_League_Name(Get_Team_Division(team) / 4, league);
        safe_sprintf(text, sizeof text, "%s Title", league);
    }
    Draw_View_Text(dc, text, {5, top, 110, bottom}, centred, first_colour);

    const int32_t opponent = std::abs(code) - 1;
    char name[FORMATTED_TEXT_SIZE];
    Get_Team_Display_Name(opponent, name);
    safe_sprintf(text, sizeof text, home ? "%s" : "at %s", name);
    if (Get_Team_Week_Schedule_Stat_1(team, week) != 0 && week >= Get_User_Preference(CURRENT_WEEK))
        safe_strncat(text, " (LIVE)", sizeof text);
    Draw_View_Text(dc, text, {110, top, 220, bottom}, left, other_colour);

    GAME_RECORD* game = Week_Game(team, week);
    if (played) {
        char record[TEXT_SIZE];
        Format_Record_Text(Count_Team_Wins(team, week + 1), Count_Team_Losses(team, week + 1),
                           Count_Team_Ties(team, week + 1), record);
        if (std::string_view(record) == "0-0") Format_Team_Record(record, team);
        const int32_t side = game->Team[1] == team ? 1 : 0;
        const int32_t own = game->Score[side], other = game->Score[1 - side];
        safe_sprintf(text, sizeof text, "%s (%s)", own > other ? "W" : (own < other ? "L" : "T"), record);
    } else {
        const int32_t weekday = Get_Team_Week_Weekday(team, week);
        if (weekday >= 0)
            Load_Resource_String(STRING_WEEKDAY_NAMES + weekday, text);
        else
            safe_strncpy(text, "ERROR", sizeof text);
    }
    Draw_View_Text(dc, text, {220, top, 295, bottom}, centred, other_colour);

    if (played) {
        const int32_t high = std::max(game->Score[0], game->Score[1]),
                      low = std::min(game->Score[0], game->Score[1]);
        safe_sprintf(text, sizeof text, "%d-%d%s", high, low, Is_Past_Regulation(game) ? " (OT)" : "");
    } else {
        Format_Kickoff_Time(Get_Team_Schedule_Stat(team, week, SCHEDULE_KICKOFF), text);
    }
    Draw_View_Text(dc, text, {295, top, Get_Calendar_Heading_X(0), bottom}, centred, other_colour);

    for (int32_t k = 0; k < CALENDAR_COLUMN_COUNT; ++k) {
        Get_Calendar_Stat_Text(team, week, Get_User_Preference(CALENDAR_COLUMN_SETTING + k), text);
        Draw_View_Text(dc, text, {Get_Calendar_Heading_X(k), top, Get_Calendar_Heading_X(k + 1), bottom},
                       centred, other_colour);
    }
}

// The week of the row under the point among the weeks that have a game, or -1.
int32_t Find_Week_Row(int32_t team, int32_t x, int32_t y) {
    for (int32_t week = 0; week < CALENDAR_WEEKS; ++week) {
        if (Get_Team_Schedule_Stat(team, week, SCHEDULE_OPPONENT) == 0) continue;
        const int32_t top = Row_Top(week);
        if (Is_Point_In_Design_Rect({2, top, 638, top + 16}, x, y)) return week;
    }
    return -1;
}
} // namespace

int32_t Get_Calendar_Heading_X(int32_t k) {
    return Is_Ice_Or_Fire_Skin() ? 381 + 72 * k : 371 + 77 * k;
}

void Format_Kickoff_Time(int32_t hhmm, char* out) {
    const int32_t t = hhmm < 100 ? 100 : hhmm;
    safe_sprintf(out, TEXT_SIZE, "%d:%02d", ((t - 100) / 100) % 12 + 1, t % 100);
}

void Get_Calendar_Stat_Text(int32_t team, int32_t week, int32_t stat, char* out) {
    if (out == nullptr) return;
    out[0] = '\0';
    if (stat < 0 || stat >= CALENDAR_STATS || week < 0 || week >= CALENDAR_WEEKS) return;
    if (Get_Team_Schedule_Stat(team, week, SCHEDULE_OPPONENT) == 0) return;
    GAME_RECORD* game = Week_Game(team, week);
    if (stat >= 18) {
        int32_t visitor = 0, home = 0;
        Record_Order(team, week, &visitor, &home);
        if (game != nullptr) visitor = game->Team[0], home = game->Team[1];
        if (stat == 18) {
            Format_Point_Spread_Text(out, TEXT_SIZE, game, visitor, home);
        } else {
            const int32_t v = Get_Game_Over_Under(game, visitor, home);
            if (v % 10 == 0)
                safe_sprintf(out, TEXT_SIZE, "%d", v / 10);
            else
                Format_Signed_Tenths(out, TEXT_SIZE, v);
        }
        return;
    }
    if (game == nullptr) return;
    const int32_t own = game->Team[1] == team ? 1 : 0, other = 1 - own;
    const auto total = [game](int32_t side, int32_t n) { return Game_Total(game, side, n); };
    const auto counter = [game](int32_t side, int32_t n) {
        return static_cast<int32_t>(game->Team_Stats[side][n]);
    };
    switch (stat) {
    case 0:
    case 1: {
        const int32_t side = stat == 0 ? own : other;
        safe_sprintf(out, TEXT_SIZE, "%d",
                     total(side, GAME_TOTAL_PASSING_YARDS) + total(side, GAME_TOTAL_RUSHING_YARDS));
        break;
    }
    case 2:
        safe_sprintf(out, TEXT_SIZE, "%d", total(own, GAME_TOTAL_PASSING_YARDS));
        break;
    case 3:
        safe_sprintf(out, TEXT_SIZE, "%d", total(own, GAME_TOTAL_RUSHING_YARDS));
        break;
    case 4:
        safe_sprintf(out, TEXT_SIZE, "%d", total(other, GAME_TOTAL_PASSING_YARDS));
        break;
    case 5:
        safe_sprintf(out, TEXT_SIZE, "%d", total(other, GAME_TOTAL_RUSHING_YARDS));
        break;
    case 6:
        safe_sprintf(out, TEXT_SIZE, "%d", total(own, GAME_TOTAL_TURNOVERS));
        break;
    case 7:
        safe_sprintf(out, TEXT_SIZE, "%d", total(other, GAME_TOTAL_TURNOVERS));
        break;
    case 8: {
        const int32_t margin = total(other, GAME_TOTAL_TURNOVERS) - total(own, GAME_TOTAL_TURNOVERS);
        safe_sprintf(out, TEXT_SIZE, margin > 0 ? "+%d" : "%d", margin);
        break;
    }
    case 9: {
        const int32_t seconds = total(own, GAME_TOTAL_POSSESSION_SECONDS);
        safe_sprintf(out, TEXT_SIZE, "%d:%02d", seconds / 60, seconds % 60);
        break;
    }
    case 10:
        Format_Yards_Per_Play(game, own, out);
        break;
    case 11:
        Format_Yards_Per_Play(game, other, out);
        break;
    case 12:
        Format_Percent_Of(total(own, GAME_TOTAL_THIRD_DOWN_CONVERSIONS),
                          total(own, GAME_TOTAL_THIRD_DOWN_ATTEMPTS), out);
        break;
    case 13:
        Format_Percent_Of(total(own, GAME_TOTAL_FOURTH_DOWN_CONVERSIONS),
                          total(own, GAME_TOTAL_FOURTH_DOWN_ATTEMPTS), out);
        break;
    case 14:
        safe_sprintf(out, TEXT_SIZE, "%d", total(own, GAME_TOTAL_SACKS));
        break;
    case 15:
        safe_sprintf(out, TEXT_SIZE, "%d", total(other, GAME_TOTAL_SACKS));
        break;
    case 16:
        Format_Percent_Of(counter(own, GAME_STAT_RED_ZONE_TOUCHDOWNS) +
                              counter(own, GAME_STAT_RED_ZONE_FIELD_GOALS),
                          counter(own, GAME_STAT_RED_ZONE_TRIPS), out);
        break;
    case 17:
        Format_Percent_Of(counter(own, GAME_STAT_RED_ZONE_TOUCHDOWNS), counter(own, GAME_STAT_RED_ZONE_TRIPS),
                          out);
        break;
    default:
        break;
    }
}

void Paint_Calendar_View(DEVICE_CONTEXT* dc) {
    const int32_t team = Viewed_Team();
    Draw_View_Background(dc, "News\\Calendar.jpg");
    Set_Background_Mode(dc, BACKGROUND_TRANSPARENT);
    const uint32_t one_line = TEXT_CENTRE | TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE;
    // The title and headings: the accent, white on the ice and fire skins.
    auto set_title_colour = [dc] {
        if (Is_Ice_Or_Fire_Skin())
            Set_Fixed_View_Text_Colour(dc, Make_Colour(255, 255, 255), VIEW_ACCENT_COLOURS);
        else
            Set_View_Text_Colours(dc, VIEW_ACCENT_COLOURS);
    };
    char name[FORMATTED_TEXT_SIZE], record[FORMATTED_TEXT_SIZE], text[2 * FORMATTED_TEXT_SIZE];
    Get_Team_Display_Name(team, name);
    Format_Team_Record(record, team);
    safe_sprintf(text, sizeof text, "%s (%s)", name, record);
    {
        VIEW_FONT font(dc, TITLE_FONT);
        set_title_colour();
        Draw_View_Text(dc, text, {24, 19, 322, 59}, one_line);
    }
    {
        VIEW_FONT font(dc, NOTE_FONT);
        Draw_View_Text(dc, "Click to Change Team", {415, 44, 561, 64}, one_line, VIEW_ACCENT_COLOURS);
    }
    set_title_colour();
    for (int32_t k = 0; k < CALENDAR_COLUMN_COUNT; ++k) {
        char heading[FORMATTED_TEXT_SIZE];
        Get_Calendar_Stat_Heading(Get_User_Preference(CALENDAR_COLUMN_SETTING + k), heading, sizeof heading);
        RECT_AREA box = {Get_Calendar_Heading_X(k), 68, Get_Calendar_Heading_X(k + 1), 101};
        if (heading[0] != '\0') Draw_Scaled_Text_Box(dc, &box, heading, HEADING_FONT_ROW);
    }
    int32_t last_drawn = -1;
    {
        VIEW_FONT font(dc, ROW_FONT);
        for (int32_t week = 0; week < CALENDAR_WEEKS; ++week)
            Draw_Week_Row(dc, team, week, &last_drawn);
    }
    if (last_drawn <= 18) {
        const char* note = "Click column header (e.g. \"Point Spread\") to change stat shown";
        const RECT_AREA box = {376, 394, 756, 458};
        VIEW_FONT font(dc, Fit_View_Font_Row({{note, box}}, one_line, NOTE_FONT));
        Draw_View_Text(dc, note, box, one_line, VIEW_ACCENT_COLOURS);
    }
}

int32_t Is_Calendar_Hot_Spot(int32_t x, int32_t y) {
    for (int32_t k = 0; k < CALENDAR_COLUMN_COUNT; ++k)
        if (Is_Point_In_Design_Rect({Get_Calendar_Heading_X(k), 68, Get_Calendar_Heading_X(k + 1), 101}, x,
                                    y))
            return 1;
    if (Is_Point_In_Design_Rect(TITLE_BAND, x, y)) return 1;
    return Find_Week_Row(Viewed_Team(), x, y) >= 0 ? 1 : 0;
}

bool Do_Calendar_Click(int32_t x, int32_t y) {
    const int32_t team = Viewed_Team();
    const int32_t week = Find_Week_Row(team, x, y);
    if (week < 0) return false;
    const int32_t current = Get_User_Preference(CURRENT_WEEK);
    if (week >= current) {
        Do_Timeline_Week_Action(current, week);
        return true;
    }
    const int32_t index = Get_Team_Schedule_Stat(team, week, SCHEDULE_GAME_INDEX);
    GAME_RECORD* game = Week_Game(team, week);
    if (game == nullptr || !Is_Game_Over(game)) return false;
    Set_User_Preference(SHOWN_GAME_INDEX, index);
    Set_Current_View(GAMES_VIEW);
    return true;
}
