#include "views/defensive_keys.h"

#include <cstring>

#include "database/text_format.h"
#include "engine/defensive_play_calling.h"
#include "engine/playbook_records.h"
#include "personnel/scouting.h"

namespace {
constexpr int32_t KEY_TEXT_SIZE = 32;
constexpr int32_t LONG_DESCRIPTION = 76;
constexpr int32_t GRADE_DIVISOR = 240;
constexpr int32_t GRADE_OFFSET = 10;
constexpr int32_t MAIN_SUM = 30;
constexpr int32_t SIDE_SUM = 15;
// Far more turns than any set of means can need.
constexpr int32_t MOST_TURNS = 1000;
const char* const SHORT_LABELS[DEFENSIVE_KEY_CATEGORIES] = {"Inside", "Outside", "Draw",
                                                            "Short",  "Medium",  "Deep"};
const char* const LONG_LABELS[DEFENSIVE_KEY_CATEGORIES] = {"vs. Inside Rushes", "vs. Outside Rushes",
                                                           "vs. Draw",          "vs. Short Passes",
                                                           "vs. Medium Passes", "vs. Deep Passes"};

int32_t Main_Sum(const int32_t* g) {
    return g[0] + g[1] + g[3] + g[5];
}
} // namespace

int32_t Get_Defensive_Key_Mean(int32_t team, int32_t play, int32_t category) {
    int32_t sum = 0, count = 0;
    for (int32_t offense = 0; offense < STORED_OFFENSIVE_PLAYS; ++offense) {
        if (Get_Offensive_Play_Category(DEFAULT_PLAYBOOK_TEAM, offense) != category) continue;
        sum += Get_Play_Matchup_Value(DEFAULT_PLAYBOOK_TEAM, offense, team, play);
        ++count;
    }
    return sum / (count > 0 ? count : 1);
}

void Get_Defensive_Key_Means(int32_t team, int32_t play, int32_t means[DEFENSIVE_KEY_CATEGORIES]) {
    for (int32_t c = 0; c < DEFENSIVE_KEY_CATEGORIES; ++c)
        means[c] = Get_Defensive_Key_Mean(team, play, c);
}

void Compute_Defensive_Key_Grades(const int32_t means[DEFENSIVE_KEY_CATEGORIES],
                                  int32_t grades[DEFENSIVE_KEY_CATEGORIES]) {
    const int32_t* a = means;
    int32_t* g = grades;
    g[0] = (a[0] + a[2] / 2) / GRADE_DIVISOR - GRADE_OFFSET;
    g[1] = (a[1] + a[2] / 2) / GRADE_DIVISOR - GRADE_OFFSET;
    g[2] = (a[2] + a[2] / 2) / GRADE_DIVISOR - GRADE_OFFSET;
    g[3] = (a[3] + a[4] / 2) / GRADE_DIVISOR - GRADE_OFFSET;
    g[4] = (a[4] + a[4] / 2) / GRADE_DIVISOR - GRADE_OFFSET;
    g[5] = (a[5] + a[4] / 2) / GRADE_DIVISOR - GRADE_OFFSET;
    // The four main grades are raised in turn until they add up to 30: a
    // grade of 13 or more lifts the others that are below 7 instead.
    int32_t last_turn = -1;
    for (int32_t turn = 0; turn < MOST_TURNS && Main_Sum(g) < MAIN_SUM; ++turn) {
        const int32_t category = MAIN_KEY_CATEGORIES[turn % 4];
        last_turn = category;
        if (g[category] < 13) {
            ++g[category];
            continue;
        }
        for (int32_t other : MAIN_KEY_CATEGORIES)
            if (other != category && g[other] < 7) ++g[other];
    }
    // Then the draw and the medium pass, one each in turn, up to 15.
    int32_t next = last_turn == 1 || last_turn == 5 ? 2 : 4;
    for (int32_t turn = 0; turn < MOST_TURNS && g[2] + g[4] < SIDE_SUM; ++turn) {
        ++g[next];
        next = next == 2 ? 4 : 2;
    }
}

int32_t Draw_Defensive_Keys_Panel(char* buffer, int32_t category, int32_t team, int32_t play, bool with_label,
                                  bool long_allowed) {
    buffer[0] = '\0';
    if (category < 0 || category >= DEFENSIVE_KEY_CATEGORIES) return 0;
    int32_t means[DEFENSIVE_KEY_CATEGORIES], grades[DEFENSIVE_KEY_CATEGORIES];
    Get_Defensive_Key_Means(team, play, means);
    Compute_Defensive_Key_Grades(means, grades);
    char grade[8];
    Get_Letter_Grade(grades[category], grade);
    if (!with_label) {
        safe_strncpy(buffer, grade, KEY_TEXT_SIZE);
        return 0;
    }
    bool use_long = false;
    if (long_allowed) {
        char description[PLAY_DESCRIPTION_LENGTH + 1];
        Get_Defensive_Play_Description(team, play, description, sizeof description);
        use_long = std::strlen(description) < LONG_DESCRIPTION;
    }
    safe_sprintf(buffer, KEY_TEXT_SIZE, "%s: %s", use_long ? LONG_LABELS[category] : SHORT_LABELS[category],
                 grade);
    return use_long ? 1 : 0;
}

void Draw_Defensive_Keys_Panel_No_Label(char* buffer, int32_t category, int32_t team, int32_t play) {
    Draw_Defensive_Keys_Panel(buffer, category, team, play, false, false);
}
