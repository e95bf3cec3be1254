// Player status and statistics summary texts.
#include "dialogs/player_texts.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/playoff_bracket.h"
#include "database/safe_strings.h"
#include "database/text_format.h"
#include "personnel/injuries.h"

namespace {
// A name longer than this has no room for the whole holdout mark.
constexpr size_t LONG_NAME = 20;

struct SUMMARY_STATS {
    int32_t Team, Slot, Season;
    int32_t operator()(int32_t stat) const { return Get_Player_Stat(Team, Slot, Season, stat); }
};

// Whole part and the remainder's digits of a statistic kept in tenths or
// hundredths; the remainder is written without its sign.
int32_t Whole(int32_t value, int32_t scale) {
    return value / scale;
}
int32_t Part(int32_t value, int32_t scale) {
    return std::abs(value % scale);
}
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
        safe_sprintf(out, FORMATTED_TEXT_SIZE, "%d.%d%%, %d Yds, %d TD, %d Int", Whole(s(101), 10),
                     Part(s(101), 10), s(5), s(6), s(4));
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
        safe_sprintf(out, FORMATTED_TEXT_SIZE, "%d.%02d Yards/Rush, %d.%02d Sacks", Whole(s(112), 100),
                     Part(s(112), 100), Whole(s(144), 100), Part(s(144), 100));
        return s(112);
    case POSITION_DE:
    case POSITION_DT:
    case POSITION_LB:
    case POSITION_CB:
    case POSITION_S:
        if (s(0) <= 0) return 0;
        safe_sprintf(out, FORMATTED_TEXT_SIZE, "%d Tackles, %d.%d Sacks, %d PD, %d Int", s(147),
                     Whole(s(143), 10), Part(s(143), 10), s(6), s(7));
        return s(147);
    case POSITION_K:
        if (s(0) <= 0) return 0;
        safe_sprintf(out, FORMATTED_TEXT_SIZE, "%d FGs, %d.%d%% Success", s(121), Whole(s(123), 10),
                     Part(s(123), 10));
        return s(121);
    case POSITION_P:
        if (s(0) <= 0) return 0;
        safe_sprintf(out, FORMATTED_TEXT_SIZE, "%d Punts, Average: %d.%d Yards", s(2), Whole(s(115), 10),
                     Part(s(115), 10));
        return s(3);
    default:
        return 0;
    }
}
