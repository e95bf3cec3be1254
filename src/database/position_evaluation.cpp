#include "database/position_evaluation.h"

#include "database/player_record.h"
#include "database/universe.h"

namespace {
// Weights of Run Defense, Pass Rush, Pass Coverage, Turnovers and Tackling for
// DE, DT, LB, CB and S; each rating is squared.
constexpr float DEFENSIVE_WEIGHTS[5][5] = {{0.33f, 0.46f, 0.02f, 0.05f, 0.21f},
                                           {0.35f, 0.33f, 0.0f, 0.05f, 0.25f},
                                           {0.26f, 0.36f, 0.1f, 0.08f, 0.26f},
                                           {0.03f, 0.03f, 0.65f, 0.16f, 0.04f},
                                           {0.1f, 0.1f, 0.57f, 0.12f, 0.16f}};
constexpr int32_t DEFENSIVE_RATINGS[5] = {RATING_RUN_DEFENSE, RATING_PASS_RUSH, RATING_PASS_COVERAGE,
                                          RATING_TURNOVERS, RATING_TACKLING};

float Raw_Position_Value(int32_t team, int32_t slot, int32_t position) {
    auto r = [&](int32_t n) { return Get_Player_Rating(team, slot, n); };
    float s = 0.0f;
    switch (position) {
    case POSITION_QB:
        s += 0.39f * r(RATING_ACCURACY);
        s += 0.39f * r(RATING_CONTROL);
        s += 0.17f * r(RATING_DISTANCE);
        s += 0.22f * r(RATING_RED_ZONE);
        s += 0.09f * r(RATING_MOBILITY);
        return s - 17.0f;
    case POSITION_RB: {
        s += 0.15f * r(RATING_SPEED);
        s += 0.15f * r(RATING_POWER);
        s += 0.24f * r(RATING_RED_ZONE);
        s += 0.15f * r(RATING_QUICKNESS);
        s += 0.22f * r(RATING_VISION);
        s += 0.21f * r(RATING_HANDS);
        s += 0.05f * r(RATING_PASS_BLOCKING);
        s += 0.05f * r(RATING_RUN_BLOCKING);
        float t = s - 10.0f;
        float receiving = r(RATING_RECEIVING);
        if (receiving > t) return 0.87f * t + 0.13f * receiving;
        return t;
    }
    case POSITION_FB: {
        s += 0.03f * r(RATING_SPEED);
        s += 0.1f * r(RATING_RECEIVING);
        s += 0.1f * r(RATING_RED_ZONE);
        s += 0.05f * r(RATING_HANDS);
        s += 0.15f * r(RATING_POWER);
        s += 0.03f * r(RATING_QUICKNESS);
        s += 0.05f * r(RATING_VISION);
        s += 0.2f * r(RATING_PASS_BLOCKING);
        s += 0.32f * r(RATING_RUN_BLOCKING);
        // A fullback is never worth less than he would be as a running back.
        float as_runner = Get_Player_Position_Rating(team, slot, POSITION_RB);
        return as_runner > s ? as_runner : s;
    }
    case POSITION_TE:
        s += 0.4f * r(RATING_RECEIVING);
        s += 0.08f * r(RATING_HANDS);
        s += 0.12f * r(RATING_POWER);
        s += 0.15f * r(RATING_RED_ZONE);
        s += 0.05f * r(RATING_QUICKNESS);
        s += 0.07f * r(RATING_VISION);
        s += 0.05f * r(RATING_PASS_BLOCKING);
        s += 0.2f * r(RATING_RUN_BLOCKING);
        return s;
    case POSITION_WR:
        s += 0.1f * r(RATING_SPEED);
        s += 0.6f * r(RATING_RECEIVING);
        s += 0.07f * r(RATING_HANDS);
        s += 0.05f * r(RATING_POWER);
        s += 0.13f * r(RATING_RED_ZONE);
        s += 0.07f * r(RATING_QUICKNESS);
        s += 0.07f * r(RATING_VISION);
        s += 0.06f * r(RATING_PASS_BLOCKING);
        return s - 10.0f;
    case POSITION_T:
    case POSITION_G:
    case POSITION_C:
        s += 0.48f * r(RATING_PASS_BLOCKING);
        s += 0.48f * r(RATING_RUN_BLOCKING);
        s += 0.067f * r(RATING_DISCIPLINE);
        return s;
    case POSITION_DE:
    case POSITION_DT:
    case POSITION_LB:
    case POSITION_CB:
    case POSITION_S:
        for (int i = 0; i < 5; ++i) {
            float rating = r(DEFENSIVE_RATINGS[i]);
            s += DEFENSIVE_WEIGHTS[position - POSITION_DE][i] * (rating * rating);
        }
        return (s + 3900.0f) / 125.0f;
    case POSITION_K:
        s += 0.55f * r(RATING_FG_DISTANCE);
        s += 0.55f * r(RATING_FG_ACCURACY);
        return s - 11.0f;
    case POSITION_P:
        s += 0.8f * r(RATING_PUNT_DISTANCE);
        s += 0.3f * r(RATING_PUNT_ACCURACY);
        return s - 10.0f;
    default:
        return 0.0f;
    }
}
} // namespace

float Squeeze_Position_Rating(float value) {
    if (value > 90.0f) value = (value + 90.0f) * 0.5f;
    if (value < 70.0f) value = (value + 70.0f) * 0.5f;
    return value;
}

float Get_Player_Position_Rating(int32_t team, int32_t slot, int32_t position) {
    float s = Raw_Position_Value(team, slot, position);
    if (Is_Player_Address(team, slot)) {
        int32_t role = Universe.Teams[team].Players[slot].Expanded_Position;
        if (role == EXPANDED_SPECIAL_TEAMS_PLAYER || role == EXPANDED_LONG_SNAPPER) s = (s + 150.0f) / 3.0f;
    }
    return Squeeze_Position_Rating(s);
}
