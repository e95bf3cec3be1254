#include "personnel/career_score.h"

#include <algorithm>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/random_numbers.h"
#include "frontoffice/player_production.h"

namespace {
// Weight in per cent of a defender's production by position DE, DT, LB, CB, S.
constexpr int32_t DEFENDER_WEIGHT[5] = {220, 200, 165, 210, 185};
// Careers longer than this count each season for less.
constexpr int32_t LONG_CAREER = 12;

int32_t S(int32_t team, int32_t slot, int32_t stat) {
    return Get_Player_Stat(team, slot, SEASON_CAREER, stat);
}

int32_t Skill_Career_Score(int32_t team, int32_t slot, int32_t position, int32_t seasons) {
    auto s_ = [&](int32_t stat) { return S(team, slot, stat); };
    int32_t s = Mul_Div_Round(s_(8), 22, 10) + s_(11) * 3 + 60 * s_(9) + 100 * s_(12);
    if (position == POSITION_QB) {
        s += s_(5) + 30 * s_(6);
        s = Mul_Div_Round(s, s_(100), 850);
    } else {
        s += 60 * s_(16) + 50 * s_(19);
    }
    if (seasons > LONG_CAREER) s = Mul_Div_Round(s, 27, seasons + 15);
    if (position == POSITION_TE) s = Mul_Div_Round(s, 130, 100);
    return s / 600;
}

int32_t Lineman_Career_Score(int32_t team, int32_t slot, int32_t position, int32_t seasons) {
    int32_t s = 70 * S(team, slot, 0) + 70 * S(team, slot, 1);
    // Seasons credited before the league's first simulated season.
    const int32_t earlier = std::max(0, seasons - Get_Current_Season_Index());
    s = Mul_Div_Round(s, 100 * earlier - 100 + S(team, slot, 112), 100 * (earlier + 3));
    s -= 400 * earlier + S(team, slot, 144);
    if (seasons > LONG_CAREER) s = Mul_Div_Round(s, 27, seasons + 15);
    if (position == POSITION_T || position == POSITION_G) s = Mul_Div_Round(s, 90, 100);
    return s / 360;
}

int32_t Defender_Career_Score(int32_t team, int32_t slot, int32_t position, int32_t seasons) {
    const int32_t production = Get_Player_Production_Value(team, slot, SEASON_CAREER);
    const bool back = position == POSITION_CB || position == POSITION_S;
    int32_t returns = 0;
    if (back) {
        returns = S(team, slot, 302) + S(team, slot, 303);
        returns = returns > 100 ? returns - 50 : returns / 2;
    }
    int32_t s = Mul_Div_Round(production + returns, DEFENDER_WEIGHT[position - POSITION_DE], 100);
    if (back) s += 60 * S(team, slot, 16) + 50 * S(team, slot, 19);
    if (seasons > LONG_CAREER) s = Mul_Div_Round(s, 22, seasons + 10);
    return s / 920;
}

int32_t Kicker_Career_Score(int32_t team, int32_t slot, int32_t seasons) {
    auto s_ = [&](int32_t stat) { return S(team, slot, stat); };
    int32_t s = (s_(121) + (s_(11) - s_(10)) + (s_(13) - s_(12)) + s_(17)) / 3 + s_(3) / 35 - s_(2);
    if (seasons > LONG_CAREER) s = Mul_Div_Round(s, 27, seasons + 15);
    return s / 5;
}
} // namespace

int32_t Get_Player_Career_Score(int32_t team, int32_t slot) {
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    const int32_t seasons = Get_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS);
    switch (Get_Position_Group(position)) {
    case 0:
        return Skill_Career_Score(team, slot, position, seasons);
    case 1:
        return Lineman_Career_Score(team, slot, position, seasons);
    case 2:
        return Defender_Career_Score(team, slot, position, seasons);
    case 3:
        return Kicker_Career_Score(team, slot, seasons);
    default:
        return 0;
    }
}

int32_t Get_Player_Career_Score_With_Rings(int32_t team, int32_t slot) {
    return Get_Player_Career_Score(team, slot) + 3 * Get_Player_Byte_Field(team, slot, PLAYER_BYTE_RINGS);
}
