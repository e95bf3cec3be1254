#include "season/historic_reference.h"

#include <algorithm>
#include <strings.h>

#include "database/league_structure.h"
#include "database/safe_strings.h"
#include "database/team_record.h"
#include "database/text_format.h"

namespace {
// The last season whose game has been played; the next two are shown ahead.
constexpr int32_t LAST_PLAYED_SEASON = 2021;
constexpr int32_t LAST_ANNOUNCED_SEASON = 2023;
// Titles are counted for seasons before this one at most.
constexpr int32_t TITLE_COUNT_END = 2022;

// The nickname the titles of a renamed franchise were won under.
const char* Title_Nickname(const char* nickname, bool follow_renames) {
    if (follow_renames &&
        (strcasecmp(nickname, "Football Team") == 0 || strcasecmp(nickname, "Commanders") == 0))
        return "Redskins";
    return nickname;
}

int32_t Count_Titles(const char* const* list, int32_t count, int32_t first_season, int32_t team, int32_t year,
                     bool follow_renames) {
    char nickname[FORMATTED_TEXT_SIZE];
    Get_Team_Nickname(team, nickname);
    const char* wanted = Title_Nickname(nickname, follow_renames);
    const int32_t end = std::min(std::min(year, TITLE_COUNT_END) - first_season, count);
    int32_t titles = 0;
    for (int32_t n = 0; n < end; ++n)
        if (strcasecmp(list[n], wanted) == 0) ++titles;
    return titles;
}
} // namespace

void Get_Super_Bowl_Info(char* buffer, int32_t size, int32_t year, int32_t field) {
    if (buffer == nullptr || size <= 0) return;
    const int32_t row =
        std::clamp(year, FIRST_SUPER_BOWL_SEASON, LAST_SUPER_BOWL_SEASON) - FIRST_SUPER_BOWL_SEASON;
    const char* text = field >= 0 && field < SUPER_BOWL_FIELDS ? Super_Bowl_Table[row][field] : "";
    safe_strncpy(buffer, text, size);
}

void Format_Super_Bowl_Line(int32_t year, char* buffer, int32_t size) {
    if (buffer == nullptr || size <= 0) return;
    buffer[0] = '\0';
    if (year < FIRST_SUPER_BOWL_SEASON) return;
    const int32_t season = std::min(year, LAST_ANNOUNCED_SEASON);
    char field[SUPER_BOWL_FIELDS][FORMATTED_TEXT_SIZE];
    for (int32_t n = 0; n < SUPER_BOWL_FIELDS; ++n)
        Get_Super_Bowl_Info(field[n], FORMATTED_TEXT_SIZE, season, n);
    if (season <= LAST_PLAYED_SEASON)
        safe_sprintf(buffer, size, "Super Bowl %s: %s defeat %s (%s)", field[SUPER_BOWL_NUMERAL],
                     field[SUPER_BOWL_WINNER], field[SUPER_BOWL_LOSER], field[SUPER_BOWL_SCORE]);
    else
        safe_sprintf(buffer, size, "Super Bowl %s: %s,%s (%s,%s)", field[SUPER_BOWL_NUMERAL],
                     field[SUPER_BOWL_DATE], field[SUPER_BOWL_YEAR], field[SUPER_BOWL_CITY],
                     field[SUPER_BOWL_STATE]);
}

int32_t Count_Super_Bowl_Titles(int32_t team, int32_t year) {
    return Count_Titles(Super_Bowl_Winners, SUPER_BOWL_WINNER_COUNT, FIRST_SUPER_BOWL_WINNER_SEASON, team,
                        year, true);
}

int32_t Count_NFL_NFC_Titles(int32_t team, int32_t year) {
    return Count_Titles(NFL_NFC_Champions, NFL_NFC_CHAMPION_COUNT, FIRST_NFL_CHAMPION_SEASON, team, year,
                        true);
}

int32_t Count_AFL_AFC_Titles(int32_t team, int32_t year) {
    return Count_Titles(AFL_AFC_Champions, AFL_AFC_CHAMPION_COUNT, FIRST_AFL_CHAMPION_SEASON, team, year,
                        false);
}

void Set_Historic_Title_Counts() {
    const int32_t year = Get_Universe_Stat(BASE_YEAR);
    const int32_t teams = Count_Active_Teams();
    for (int32_t team = 0; team < teams; ++team) {
        Set_Team_Stat(team, TEAM_STAT_HISTORIC_CHAMPIONSHIPS, Count_Super_Bowl_Titles(team, year));
        Set_Team_Stat(team, TEAM_STAT_HISTORIC_LEAGUE_TITLES,
                      Count_AFL_AFC_Titles(team, year) + Count_NFL_NFC_Titles(team, year));
    }
}
