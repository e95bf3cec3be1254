#include "views/standings_texts.h"

#include <cctype>
#include <cstdio>

#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/standings.h"
#include "database/team_record.h"
#include "database/team_results.h"

namespace {
constexpr int32_t TEXT_SIZE = 32;
// The dash of the Windows-1252 code page shown for "no games yet".
constexpr char NO_GAMES_DASH[] = "\x96";
constexpr int32_t FIRST_STAT_COLUMN = 5;
constexpr int32_t LAST_STAT_COLUMN = 9;
constexpr int32_t STAT_COLUMN_SETTINGS = 95;

// x * k / d rounded half up, one lower when it does not divide and x and d
// have opposite signs.
int64_t Round_Ratio(int64_t x, int64_t k, int64_t d) {
    if (d == 0) return 0;
    const int64_t numerator = x * k + d / 2;
    int64_t quotient = numerator / d;
    if (numerator % d != 0 && ((x < 0) != (d < 0))) --quotient;
    return quotient;
}

int32_t Totals(int32_t team, int32_t category, int32_t stat) {
    return Get_Team_Totals_Stat(team, category, 0, stat);
}

// "%d.%01d" of the amount a game played.
void Format_Per_Game(int32_t team, int64_t amount, char* text) {
    const int32_t games = Get_Team_Games_Played(team);
    if (games == 0) {
        snprintf(text, TEXT_SIZE, "%s", NO_GAMES_DASH);
        return;
    }
    const int64_t tenths = Round_Ratio(amount, 10, games);
    snprintf(text, TEXT_SIZE, "%lld.%01lld", static_cast<long long>(tenths / 10),
             static_cast<long long>(tenths % 10));
}

// "%d.%02d" of a / b.
void Format_Ratio_Hundredths(int64_t a, int64_t b, char* text) {
    const int64_t hundredths = b == 0 ? 0 : Round_Ratio(a, 100, b);
    snprintf(text, TEXT_SIZE, "%lld.%02lld", static_cast<long long>(hundredths / 100),
             static_cast<long long>(hundredths % 100));
}
} // namespace

void Get_Team_Stat_Text(int32_t team, int32_t id, char* text) {
    text[0] = '\0';
    switch (id) {
    case TEAM_STAT_TEXT_POINTS_SCORED:
        Format_Per_Game(team, Get_Team_Points_Total(team, 1), text);
        break;
    case TEAM_STAT_TEXT_POINTS_ALLOWED:
        Format_Per_Game(team, Get_Team_Points_Total(team, 0), text);
        break;
    case TEAM_STAT_TEXT_TURNOVER_MARGIN: {
        const int64_t takeaways =
            static_cast<int64_t>(Totals(team, 7, 4)) + Totals(team, 7, 13) + Totals(team, 4, 13);
        const int64_t giveaways =
            static_cast<int64_t>(Totals(team, 3, 4)) + Totals(team, 3, 13) + Totals(team, 0, 13);
        const int64_t margin = takeaways - giveaways;
        snprintf(text, TEXT_SIZE, margin > 0 ? "+%lld" : "%lld", static_cast<long long>(margin));
        break;
    }
    case TEAM_STAT_TEXT_YARDS_PER_PLAY: {
        const int64_t yards = static_cast<int64_t>(Totals(team, 0, 8)) + Totals(team, 3, 8) +
                              Totals(team, 3, 5) - Totals(team, 3, 15);
        const int64_t plays = static_cast<int64_t>(Totals(team, 0, 7)) + Totals(team, 3, 2) +
                              Totals(team, 3, 7) + Totals(team, 3, 14);
        Format_Ratio_Hundredths(yards, plays, text);
        break;
    }
    default:
        break;
    }
}

int32_t Get_Standings_Cell_Text(int32_t division, int32_t place, int32_t column, char* text) {
    text[0] = '\0';
    const int32_t team = Get_Division_Standing_Team(division, place);
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
        snprintf(text, TEXT_SIZE, "%d", Get_Team_Record_Char(team, RECORD_CHAR_WINS + 4 * (column - 1)));
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
