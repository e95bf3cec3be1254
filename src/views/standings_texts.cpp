#include "views/standings_texts.h"

#include <cctype>
#include <cstdio>
#include <utility>

#include "database/game_names.h"
#include "database/game_queries.h"
#include "database/league_structure.h"
#include "database/number_words.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/safe_strings.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/standings.h"
#include "database/team_history.h"
#include "database/team_record.h"
#include "database/team_results.h"
#include "database/text_format.h"
#include "engine/game_driver.h"
#include "engine/team_unit_ratings.h"
#include "personnel/scouting.h"
#include "views/point_spreads.h"
#include "views/view_drawing.h"

namespace {
constexpr int32_t TEXT_SIZE = 32;
constexpr int32_t FIRST_STAT_COLUMN = 5;
constexpr int32_t LAST_STAT_COLUMN = 9;
constexpr int32_t STAT_COLUMN_SETTINGS = STANDINGS_COLUMN_SETTING - FIRST_STAT_COLUMN;
constexpr int32_t LEAGUE_TEXT_IDS = 39;
constexpr int32_t RUN_BLOCKING = 16;
constexpr int32_t PASS_BLOCKING = 15;

int64_t T(int32_t team, int32_t category, int32_t stat) {
    return Get_Team_Totals_Stat(team, category, 0, stat);
}

int64_t L(int32_t category, int32_t stat) {
    return Get_League_Totals_Stat(category, 0, stat);
}

// "%d.%01d" of the amount a game; the dash before any game.
void Format_Per_Games(int64_t amount, int64_t games, char* text) {
    if (games == 0) {
        safe_strncpy(text, VIEW_DASH, TEXT_SIZE);
        return;
    }
    Format_Signed_Tenths(text, TEXT_SIZE, Round_Ratio(amount, 10, games));
}

// A team's totals, and the scores and figures of its game records, take in
// its playoff games too: a figure a game divides by every game it played.
void Format_Per_Game(int32_t team, int64_t amount, char* text) {
    Format_Per_Games(amount, Get_Team_Games_Played_With_Playoffs(team), text);
}

void Format_Per_League_Game(int64_t amount, char* text) {
    Format_Per_Games(amount, Count_League_Games_Played_With_Playoffs(), text);
}

// "%d.%02d" of a / b.
void Format_Ratio_Hundredths(int64_t a, int64_t b, char* text) {
    Format_Signed_Hundredths(text, TEXT_SIZE, b == 0 ? 0 : Round_Ratio(a, 100, b));
}

void Format_Percent(int64_t made, int64_t attempts, char* text) {
    safe_sprintf(text, TEXT_SIZE, "%lld%%", static_cast<long long>(Round_Ratio(made, 100, attempts)));
}

void Format_Record_Text(int32_t wins, int32_t losses, int32_t ties, char* text) {
    if (ties != 0)
        safe_sprintf(text, TEXT_SIZE, "%d-%d-%d", wins, losses, ties);
    else
        safe_sprintf(text, TEXT_SIZE, "%d-%d", wins, losses);
}

void Format_Possession(int64_t seconds, int64_t games, char* text) {
    const int64_t v = games == 0 ? 0 : Round_Ratio(seconds, 1, games);
    safe_sprintf(text, TEXT_SIZE, "%lld:%02lld", static_cast<long long>(v / 60),
                 static_cast<long long>(v % 60));
}

void Format_Ordinal(int32_t n, char* text) {
    char number[FORMATTED_TEXT_SIZE];
    Format_Ordinal_Number(n, number);
    safe_strncpy(text, number, TEXT_SIZE);
}

void Format_Grade(int32_t grade_index, char* text) {
    char grade[FORMATTED_TEXT_SIZE];
    Get_Letter_Grade(grade_index, grade);
    safe_strncpy(text, grade, TEXT_SIZE);
}

// Takeaways and giveaways over the team totals (t: team totals, l: league).
template <typename TOTAL> int64_t Takeaways(TOTAL total) {
    return total(7, 4) + total(7, 13) + total(4, 13);
}
template <typename TOTAL> int64_t Giveaways(TOTAL total) {
    return total(3, 4) + total(3, 13) + total(0, 13);
}

// The texts that team and league rows compute alike from their totals.
template <typename TOTAL, typename PER_GAME>
bool Format_Totals_Text(int32_t id, TOTAL total, PER_GAME per_game, char* text) {
    switch (id) {
    case 9:
        per_game(total(3, 5) + total(3, 8) + total(0, 8), text);
        return true;
    case 10:
        per_game(total(7, 5) + total(7, 8) + total(4, 8), text);
        return true;
    case 11:
        per_game(total(3, 5), text);
        return true;
    case 12:
        per_game(total(0, 8) + total(3, 8), text);
        return true;
    case 13:
        per_game(total(7, 5), text);
        return true;
    case 14:
        per_game(total(4, 8) + total(7, 8), text);
        return true;
    case 15:
        per_game(Giveaways(total), text);
        return true;
    case 16:
        per_game(Takeaways(total), text);
        return true;
    case 26:
        per_game(total(1, 143) / 10, text);
        return true;
    case 27:
        per_game(total(5, 143) / 10, text);
        return true;
    case 28:
        per_game(total(0, 7) + total(3, 7), text);
        return true;
    case 29:
        per_game(total(3, 2) + total(3, 14), text);
        return true;
    case 30:
        Format_Ratio_Hundredths(total(0, 8) + total(3, 8), total(0, 7) + total(3, 7), text);
        return true;
    case 31:
        // Passing yards less the yards lost to sacks, over passes and sacks.
        Format_Ratio_Hundredths(total(3, 5) - total(3, 15), total(3, 2) + total(3, 14), text);
        return true;
    case 32:
        per_game(total(0, 7) + total(3, 7) + total(3, 2) + total(3, 14), text);
        return true;
    case 33: {
        const int64_t v = total(3, 101);
        safe_sprintf(text, TEXT_SIZE, "%lld.%lld%%", static_cast<long long>(v / 10),
                     static_cast<long long>(v < 0 ? -(v % 10) : v % 10));
        return true;
    }
    case 34:
        per_game(total(1, 7), text);
        return true;
    case 35:
        per_game(total(1, 5), text);
        return true;
    case 36:
        per_game(total(1, 6), text);
        return true;
    default:
        return false;
    }
}

} // namespace

int32_t Get_Team_Blocking_Value(int32_t team, int32_t rating) {
    int32_t sum = 0;
    for (int32_t slot = 6; slot <= 10; ++slot) {
        if (!Is_Player_Slot_Used(team, slot)) continue;
        sum = static_cast<int32_t>(static_cast<float>(sum) + Get_Player_Rating(team, slot, rating));
    }
    if (sum == 150) return 500;
    const int64_t numerator = 1000LL * (sum - 150) + 125;
    int64_t v = numerator / 250;
    if (numerator % 250 != 0 && numerator < 0) --v;
    return static_cast<int32_t>(v < 500 ? 500 : (v > 2000 ? 2000 : v));
}

void Format_Team_Record_Against_Spread(int32_t team, char* text) {
    int32_t wins = 0, losses = 0, pushes = 0;
    const int32_t current = Get_User_Preference(CURRENT_WEEK);
    for (int32_t week = 0; week < current && week < 22; ++week) {
        if (Get_Team_Week_Game_Side(team, week) == 0) continue;
        const int32_t index = Get_Team_Schedule_Stat(team, week, SCHEDULE_GAME_INDEX);
        if (index < 0) continue;
        GAME_RECORD* game = Get_Game_Record(index);
        if (game == nullptr || !Is_Game_Played(game)) continue;
        const int32_t first = game->Team[0], second = game->Team[1];
        const int64_t spread = Get_Game_Point_Spread(game, first, second);
        const int64_t second_side = static_cast<int64_t>(game->Score[1]) * 10 + spread;
        const int64_t first_side = static_cast<int64_t>(game->Score[0]) * 10;
        const int64_t own = team == first ? first_side : second_side;
        const int64_t other = team == first ? second_side : first_side;
        if (own > other)
            ++wins;
        else if (own < other)
            ++losses;
        else
            ++pushes;
    }
    Format_Record_Text(wins, losses, pushes, text);
}

void Get_Team_Stat_Text(int32_t team, int32_t id, char* text) {
    if (text == nullptr) return;
    text[0] = '\0';
    auto total = [team](int32_t category, int32_t stat) { return T(team, category, stat); };
    auto per_game = [team](int64_t amount, char* out) { Format_Per_Game(team, amount, out); };
    if (Format_Totals_Text(id, total, per_game, text)) return;
    switch (id) {
    case 0:
    case 1: {
        char record[FORMATTED_TEXT_SIZE];
        Format_Team_Recent_Record(record, team, id == 0 ? 3 : 5);
        safe_strncpy(text, record, TEXT_SIZE);
        break;
    }
    case 2: {
        const int32_t streak = Get_Team_Streak(team);
        if (streak < 0)
            safe_sprintf(text, TEXT_SIZE, "Lost %d", -streak);
        else if (streak > 0)
            safe_sprintf(text, TEXT_SIZE, "Won %d", streak);
        else
            safe_strncpy(text, VIEW_DASH, TEXT_SIZE);
        break;
    }
    case 3:
        Format_Record_Text(Get_Team_Record_Char(team, RECORD_CHAR_HOME_WINS),
                           Get_Team_Record_Char(team, RECORD_CHAR_HOME_LOSSES),
                           Get_Team_Record_Char(team, RECORD_CHAR_HOME_TIES), text);
        break;
    case 4:
        Format_Record_Text(Get_Team_Away_Wins(team), Get_Team_Away_Losses(team), Get_Team_Away_Ties(team),
                           text);
        break;
    case 5:
    case 6: {
        const int32_t filter = id == 5 ? RESULTS_DIVISION_ONLY : RESULTS_CONFERENCE_ONLY;
        Format_Record_Text(Count_Team_Results(team, RESULT_KIND_WINS, filter),
                           Count_Team_Results(team, RESULT_KIND_LOSSES, filter),
                           Count_Team_Results(team, RESULT_KIND_TIES, filter), text);
        break;
    }
    case 7:
        Format_Per_Game(team, Get_Team_Points_Total(team, 1), text);
        break;
    case 8:
        Format_Per_Game(team, Get_Team_Points_Total(team, 0), text);
        break;
    case 17: {
        const int64_t margin = Takeaways(total) - Giveaways(total);
        safe_sprintf(text, TEXT_SIZE, margin > 0 ? "+%lld" : "%lld", static_cast<long long>(margin));
        break;
    }
    case 18:
    case 19:
    case 20:
    case 21:
    case 22:
    case 23: {
        // Yards a game of the offence (category 0) or allowed by the defence
        // (4): all, passing, rushing; the fewest allowed is the best defence.
        const bool defence = id == 19 || id == 22 || id == 23;
        const int32_t stat = id == 18 || id == 19 ? 133 : (id == 20 || id == 22 ? 135 : 134);
        Format_Ordinal(Get_Team_Stat_Place(team, defence ? 4 : 0, stat), text);
        break;
    }
    case 24:
        Format_Ratio_Hundredths(total(0, 8) + total(3, 8) + total(3, 5) - total(3, 15),
                                total(0, 7) + total(3, 2) + total(3, 7) + total(3, 14), text);
        break;
    case 25:
        Format_Percent(Get_Team_Game_Stat_Total(team, 15), Get_Team_Game_Stat_Total(team, 14), text);
        break;
    case 37:
        Format_Percent(Get_Team_Game_Stat_Total(team, 17), Get_Team_Game_Stat_Total(team, 16), text);
        break;
    case 38:
        Format_Possession(Get_Team_Game_Stat_Total(team, 18), Get_Team_Games_Played_With_Playoffs(team),
                          text);
        break;
    case 39:
        Format_Team_Record_Against_Spread(team, text);
        break;
    case 40:
    case 41:
    case 42:
    case 43:
    case 44:
        Format_Grade(Get_Rank_Grade_Index(Get_Team_Unit_Rank(team, id)), text);
        break;
    case 45: {
        const int32_t run = Get_Team_Blocking_Value(team, RUN_BLOCKING);
        const int32_t pass = Get_Team_Blocking_Value(team, PASS_BLOCKING);
        Format_Grade(Get_Value_Grade_Index(2 * (run + pass - 500) / 3), text);
        break;
    }
    case 46:
    case 47:
        Format_Grade(
            Get_Value_Grade_Index(Get_Team_Blocking_Value(team, id == 46 ? RUN_BLOCKING : PASS_BLOCKING)),
            text);
        break;
    default:
        break;
    }
}

void Get_League_Stat_Text(int32_t id, char* text) {
    if (text == nullptr) return;
    text[0] = '\0';
    if (id < 0 || id >= LEAGUE_TEXT_IDS) return;
    const int32_t games = Count_League_Games_Played();
    auto total = [](int32_t category, int32_t stat) { return L(category, stat); };
    auto per_game = [](int64_t amount, char* out) { Format_Per_League_Game(amount, out); };
    if (Format_Totals_Text(id, total, per_game, text)) return;
    switch (id) {
    case 3:
    case 4: {
        if (games == 0) {
            safe_strncpy(text, VIEW_DASH, TEXT_SIZE);
            break;
        }
        int64_t a = Sum_League_Record_Char(RECORD_CHAR_HOME_WINS);
        int64_t b = Sum_League_Record_Char(RECORD_CHAR_HOME_LOSSES);
        if (id == 4) std::swap(a, b);
        const int64_t v = a + b == 0 ? 0 : Round_Ratio(a, 1000, a + b);
        if (v >= 1000)
            safe_strncpy(text, "1.000", TEXT_SIZE);
        else
            safe_sprintf(text, TEXT_SIZE, ".%03lld", static_cast<long long>(v));
        break;
    }
    case 5:
    case 6:
        safe_strncpy(text, games == 0 ? VIEW_DASH : ".500", TEXT_SIZE);
        break;
    case 7:
    case 8:
        Format_Per_League_Game(Get_League_Points_Total(), text);
        break;
    case 24:
        Format_Ratio_Hundredths(L(3, 5) - L(3, 15) + L(3, 8) + L(0, 8),
                                L(3, 2) + L(3, 14) + L(3, 7) + L(0, 7), text);
        break;
    case 25:
        Format_Percent(Get_League_Game_Stat_Total(15), Get_League_Game_Stat_Total(14), text);
        break;
    case 37:
        Format_Percent(Get_League_Game_Stat_Total(17), Get_League_Game_Stat_Total(16), text);
        break;
    case 38:
        Format_Possession(Get_League_Game_Stat_Total(18), Count_League_Games_Played_With_Playoffs(), text);
        break;
    default:
        safe_strncpy(text, VIEW_DASH, TEXT_SIZE);
        break;
    }
}

int32_t Get_Standings_Cell_Text(int32_t division, int32_t place, int32_t column, char* text) {
    return Get_Standings_Team_Cell_Text(Get_Division_Standing_Team(division, place), column, text);
}

int32_t Get_Standings_Team_Cell_Text(int32_t team, int32_t column, char* text) {
    text[0] = '\0';
    if (!Is_Active_Team(team)) return 0;
    switch (column) {
    case 0: {
        char name[FORMATTED_TEXT_SIZE];
        Get_Team_Location_Name(team, name);
        if (Is_Human_Team(team))
            name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
        safe_strncpy(text, name, TEXT_SIZE);
        break;
    }
    case 1:
    case 2:
    case 3:
        safe_sprintf(text, TEXT_SIZE, "%d", Get_Team_Record_Char(team, RECORD_CHAR_WINS + 4 * (column - 1)));
        break;
    case 4: {
        const int32_t per_mille = Get_Team_Winning_Percentage(team);
        char number[TEXT_SIZE];
        snprintf(number, sizeof number, "%.3f", per_mille / 1000.0);
        safe_strncpy(text, per_mille < 1000 ? number + 1 : number, TEXT_SIZE);
        break;
    }
    default:
        if (column >= FIRST_STAT_COLUMN && column <= LAST_STAT_COLUMN)
            Get_Team_Stat_Text(team, Get_User_Preference(STAT_COLUMN_SETTINGS + column), text);
        break;
    }
    return 1;
}

namespace {
// Whether the team has a line in the standings: every active team, but while
// they show last season's records (the college draft runs) one that did not
// play that season, a franchise that joined since, has none. A season the
// history does not hold tells nothing: every team keeps its line.
bool Has_Standings_Line(int32_t team) {
    const int32_t season = Get_Team_Record_Season();
    return season == Get_User_Preference(CURRENT_SEASON_INDEX) || season < 0 ||
           season >= NUMBER_OF_HISTORY_SEASONS || Has_Team_Played_Season(team, season);
}

// Walks the division's lines: the team of line `line` (NO_TEAM past the
// last), and their number in `lines`.
int32_t Walk_Standings_Lines(int32_t division, int32_t line, int32_t* lines) {
    int32_t found = NO_TEAM, shown = 0;
    for (int32_t place = 0; place < DIVISION_STANDING_PLACES; ++place) {
        const int32_t team = Get_Division_Standing_Team(division, place);
        if (!Is_Active_Team(team)) break;
        if (!Has_Standings_Line(team)) continue;
        if (shown++ == line) found = team;
    }
    if (lines != nullptr) *lines = shown;
    return found;
}
} // namespace

int32_t Get_Standings_Line_Team(int32_t division, int32_t line) {
    return Walk_Standings_Lines(division, line, nullptr);
}

int32_t Count_Standings_Lines(int32_t division) {
    int32_t lines = 0;
    Walk_Standings_Lines(division, -1, &lines);
    return lines;
}
