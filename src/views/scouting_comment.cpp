#include "views/scouting_comment.h"

#include <algorithm>
#include <cstring>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/playoff_bracket.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "frontoffice/player_potential.h"
#include "personnel/scouting.h"

namespace {
constexpr int32_t GRADE_THRESHOLDS[SCOUTING_GRADES - 1] = {59, 63, 66, 69, 75, 80, 85, 90, 93};
constexpr int32_t POSITION_FULLBACK = 2;
constexpr int32_t POSITION_KICKER = 13;
constexpr int32_t POSITION_PUNTER = 14;
constexpr int32_t NO_PLAYER_SLOT = 255;
constexpr int32_t SLUMP_REDRAWS = 10;

const char* Sentence(int32_t phase, int32_t grade, int32_t variant) {
    return Scouting_Sentences[(phase * SCOUTING_GRADES + grade) * SCOUTING_VARIANTS + variant];
}
} // namespace

int32_t Get_Scouting_Quality_Grade(int32_t potential) {
    int32_t grade = 0;
    for (const int32_t threshold : GRADE_THRESHOLDS)
        if (potential >= threshold) ++grade;
    return grade;
}

int32_t Get_Scouting_Career_Phase(int32_t team, int32_t slot) {
    const int32_t age = Get_Current_Year() - Get_Player_Vital_Stat(team, slot, VITAL_BIRTH_DATE) / 10000;
    const int32_t peak_start = Get_Player_Vital_Stat(team, slot, VITAL_PEAK_AGE);
    const int32_t peak_end = Get_Player_Vital_Stat(team, slot, VITAL_PEAK_AGE_LIMIT);
    if (age <= peak_start && age <= 25) return 0;
    if (age >= peak_end && age >= 33) return 2;
    if (age < 30) return 1;
    if (Get_Player_Stat(team, slot, SEASON_LAST, 0) != 0) return 1;
    return Get_Player_Stat(team, slot, SEASON_THIS, 0) == 0 ? 2 : 1;
}

int32_t Get_Shown_Scouting_Grade(int32_t grade, int32_t error) {
    int32_t d = grade + error / 5;
    if (d >= SCOUTING_GRADES) d = 18 - d;
    // Below 2 the error can only lift a player towards his true grade.
    if (d < 2) d = std::min(d + 2, grade);
    if (d < 0) d = -d;
    if (d == 9) d = std::max(grade, 7);
    return std::clamp(d, 0, SCOUTING_GRADES - 1);
}

int32_t Get_Position_Scouting_Grade(int32_t grade, int32_t position) {
    if (position == POSITION_KICKER || position == POSITION_PUNTER) return std::clamp(grade / 2 + 4, 4, 6);
    if (position == POSITION_FULLBACK) return std::clamp(grade + 2, 3, 6);
    return grade;
}

int32_t Get_Scouting_Variant(int32_t n, int32_t season, int32_t month) {
    const int32_t a = n / 10, b = n - 10 * (n / 10);
    const uint32_t ua = static_cast<uint32_t>(a), ub = static_cast<uint32_t>(b);
    const uint32_t us = static_cast<uint32_t>(season), um = static_cast<uint32_t>(month);
    const uint32_t sum = ua * ua * ua + 10u * ub * ub * ub + us * us + um * um;
    // The magnitude of the sum read as a signed 32-bit value.
    const uint32_t magnitude = (sum & 0x80000000u) != 0 ? 0u - sum : sum;
    return static_cast<int32_t>(magnitude % 10u);
}

void Write_Scouting_Comment(int32_t team, int32_t slot, char* out, int32_t size) {
    if (out == nullptr || size <= 0) return;
    out[0] = '\0';
    if (!Is_Player_Slot_Used(team, slot)) return;
    const int32_t grade = Get_Scouting_Quality_Grade(static_cast<int32_t>(Get_Player_Potential(team, slot)));
    const int32_t phase = Get_Scouting_Career_Phase(team, slot);
    const int32_t id = slot == NO_PLAYER_SLOT ? -1 : Get_Player_Vital_Stat(team, slot, VITAL_PLAYER_ID);
    const int32_t season = Get_User_Preference(CURRENT_SEASON_INDEX), month = Get_Current_Month();
    const int32_t variant = Get_Scouting_Variant(id, season, month);
    const int32_t error = Get_Scouting_Error(team, slot, id);
    const int32_t shown = Get_Position_Scouting_Grade(Get_Shown_Scouting_Grade(grade, error),
                                                      Get_Player_Vital_Stat(team, slot, VITAL_POSITION));
    const char* sentence = Sentence(phase, shown, variant);
    if (phase == 0 && Get_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS) < 2) {
        // A rookie has had no seasons to slump in.
        const int32_t draw = Get_Scouting_Variant(slot, season, month);
        for (int32_t k = 0; k < SLUMP_REDRAWS && std::strstr(sentence, "slump") != nullptr; ++k)
            sentence = Sentence(0, shown, (k + draw) % SCOUTING_VARIANTS);
    }
    if (team >= FREE_AGENT_TEAM && std::strstr(sentence, "{TEAM") != nullptr) return;
    safe_strncpy(out, sentence, size);
    Substitute_News_Strings(team, slot, out, size);
}
