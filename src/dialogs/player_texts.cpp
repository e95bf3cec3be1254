// Player status and statistics summary texts.
#include "dialogs/player_texts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/playoff_bracket.h"
#include "database/rating_normalisation.h"
#include "database/safe_strings.h"
#include "database/season_lines.h"
#include "database/text_format.h"
#include "frontoffice/salaries.h"
#include "personnel/injuries.h"
#include "views/view_drawing.h"

namespace {
// A name longer than this has no room for the whole holdout mark.
constexpr size_t LONG_NAME = 20;
// The 40-yard time: 5.88 seconds less 0.0166 a point of speed; times outside
// 3.90-7.00 seconds are recomputed.
constexpr float FORTY_BASE_SECONDS = 5.88f;
constexpr float FORTY_SECONDS_PER_SPEED_POINT = 0.0166f;
constexpr float FASTEST_FORTY = 3.9f;
constexpr float SLOWEST_FORTY = 7.0f;
constexpr float LOWEST_SPEED = 20.0f;

float Forty_Seconds(float speed) {
    return FORTY_BASE_SECONDS - speed * FORTY_SECONDS_PER_SPEED_POINT;
}

// His speed rating made usable and stored back; 20 for no player address.
float Usable_Speed(int32_t team, int32_t slot) {
    if (!Is_Player_Address(team, slot)) return LOWEST_SPEED;
    PLAYER_RECORD* player = Get_Player_Record_Pointer(team, slot);
    float speed = player->Ratings[RATING_SPEED];
    if (std::isnan(speed))
        speed = Get_Rating_Baseline(RATING_SPEED);
    else if (speed < LOWEST_SPEED)
        speed = LOWEST_SPEED;
    player->Ratings[RATING_SPEED] = speed;
    return speed;
}

struct SUMMARY_STATS {
    int32_t Team, Slot, Season;
    int32_t operator()(int32_t stat) const { return Get_Player_Stat(Team, Slot, Season, stat); }
};

// A statistic kept in tenths or hundredths, its sign written before the
// whole part: a rate between -1 and 0 keeps its minus ("-0.50").
struct DECIMAL_TEXT {
    char Text[FORMATTED_TEXT_SIZE];
    DECIMAL_TEXT(int32_t value, int32_t scale) {
        if (scale == 100)
            Format_Signed_Hundredths(Text, sizeof Text, value);
        else
            Format_Signed_Tenths(Text, sizeof Text, value);
    }
};
} // namespace

void Append_Player_Status_Suffix(char* name, int32_t team, int32_t slot) {
    if (name == nullptr) return;
    const int32_t weeks_out = Get_Player_Vital_Stat(team, slot, VITAL_WEEKS_OUT);
    if (weeks_out <= 0) return;
    char suffix[32];
    if (Get_Player_Vital_Stat(team, slot, VITAL_INJURY_TYPE) == INJURY_HOLDOUT)
        snprintf(suffix, sizeof suffix, "%s", strlen(name) > LONG_NAME ? " [--]" : " [holdout]");
    else if (weeks_out < Get_Weeks_To_Final())
        snprintf(suffix, sizeof suffix, " [%d]", weeks_out);
    else
        snprintf(suffix, sizeof suffix, " [out]");
    safe_strncat(name, suffix, FORMATTED_TEXT_SIZE);
}

int32_t Get_Player_Stat_Summary(int32_t team, int32_t slot, int32_t season, char* out) {
    if (out == nullptr) return 0;
    out[0] = '\0';
    const SUMMARY_STATS s{team, slot, season};
    switch (Get_Player_Vital_Stat(team, slot, VITAL_POSITION)) {
    case POSITION_QB:
        if (s(0) <= 0) return 0;
        safe_sprintf(out, FORMATTED_TEXT_SIZE, "%s%%, %d Yds, %d TD, %d Int", DECIMAL_TEXT(s(101), 10).Text,
                     s(5), s(6), s(4));
        return s(5);
    case POSITION_RB:
    case POSITION_FB:
        if (s(0) <= 0) return 0;
        if (s(10) == 0)
            safe_sprintf(out, FORMATTED_TEXT_SIZE, "%d Rush, %d Yds, %d TD", s(7), s(8), s(9));
        else
            safe_sprintf(out, FORMATTED_TEXT_SIZE, "%d Rush, %d Yds, %d TD, %d Rec", s(7), s(8), s(9), s(10));
        return s(8);
    case POSITION_TE:
    case POSITION_WR:
        if (s(0) <= 0) return 0;
        safe_sprintf(out, FORMATTED_TEXT_SIZE, "%d Rec, %d Yds, %d TD", s(10), s(11), s(12));
        return s(11);
    case POSITION_T:
    case POSITION_G:
    case POSITION_C:
        if (s(4) <= 0 && s(7) <= 0) return 0;
        safe_sprintf(out, FORMATTED_TEXT_SIZE, "%s Yards/Rush, %s Sacks", DECIMAL_TEXT(s(112), 100).Text,
                     DECIMAL_TEXT(s(144), 100).Text);
        return s(112);
    case POSITION_DE:
    case POSITION_DT:
    case POSITION_LB:
    case POSITION_CB:
    case POSITION_S:
        if (s(0) <= 0) return 0;
        safe_sprintf(out, FORMATTED_TEXT_SIZE, "%d Tackles, %s Sacks, %d PD, %d Int", s(147),
                     DECIMAL_TEXT(s(143), 10).Text, s(6), s(7));
        return s(147);
    case POSITION_K:
        if (s(0) <= 0) return 0;
        safe_sprintf(out, FORMATTED_TEXT_SIZE, "%d FGs, %s%% Success", s(121), DECIMAL_TEXT(s(123), 10).Text);
        return s(121);
    case POSITION_P:
        if (s(0) <= 0) return 0;
        safe_sprintf(out, FORMATTED_TEXT_SIZE, "%d Punts, Average: %s Yards", s(2),
                     DECIMAL_TEXT(s(115), 10).Text);
        return s(3);
    default:
        return 0;
    }
}

void Format_Player_Salary(int32_t team, int32_t slot, char* out) {
    if (out == nullptr) return;
    const int32_t seasons = std::max(0, Get_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS));
    const int32_t salary =
        std::max(Get_Player_Vital_Stat(team, slot, VITAL_SALARY), Get_League_Minimum_Salary(seasons));
    if (salary < 1000)
        safe_sprintf(out, FORMATTED_TEXT_SIZE, "$%d,000", salary);
    else
        safe_sprintf(out, FORMATTED_TEXT_SIZE, "$%d,%03d,000", salary / 1000, salary % 1000);
}

void Format_Contract_End_Year(int32_t team, int32_t slot, char* out) {
    if (out == nullptr) return;
    safe_sprintf(out, FORMATTED_TEXT_SIZE, "%d",
                 Get_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS) + Get_Current_Year() - 1);
}

int32_t Get_Stat_Season_Year(int32_t season) {
    switch (season) {
    case SEASON_THIS:
    case SEASON_CAREER:
    case SEASON_PREDICTED:
        return Get_Current_Year();
    case SEASON_LAST:
        return Get_Current_Year() - 1;
    default:
        return 0;
    }
}

int32_t Get_Player_Stat_Row_Year(int32_t team, int32_t slot, int32_t row) {
    if (row >= 0 && row < FIRST_SEASON_LINE_SELECTOR) return Get_Stat_Season_Year(row);
    if (row < FIRST_SEASON_LINE_SELECTOR || row >= FIRST_SEASON_LINE_SELECTOR + NUMBER_OF_SEASON_LINE_LINKS)
        return 0;
    const int32_t line = Get_Player_Season_Line(team, slot, row - FIRST_SEASON_LINE_SELECTOR);
    return line == NO_SEASON_LINE ? 0 : Get_Season_Line_Year(line);
}

void Set_Player_Forty_Time(int32_t team, int32_t slot) {
    const float speed = Usable_Speed(team, slot);
    if (!Is_Player_Address(team, slot)) return;
    Set_Player_Vital_Stat(team, slot, VITAL_FORTY_TIME, static_cast<int32_t>(Forty_Seconds(speed) * 100.0f));
}

float Get_Player_Forty_Time(int32_t team, int32_t slot) {
    const float seconds = static_cast<float>(Get_Player_Vital_Stat(team, slot, VITAL_FORTY_TIME)) / 100.0f;
    if (seconds >= FASTEST_FORTY && seconds <= SLOWEST_FORTY) return seconds;
    Set_Player_Forty_Time(team, slot);
    return Forty_Seconds(Is_Player_Address(team, slot)
                             ? Get_Player_Record_Pointer(team, slot)->Ratings[RATING_SPEED]
                             : LOWEST_SPEED);
}
