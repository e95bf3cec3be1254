#include "engine/pass_outcome_weights.h"

#include <cmath>

namespace {

constexpr float DEFAULT_YARDS_PER_COMPLETION = 11.2f;

// A weight that is negative or not a number cannot be drawn from.
float Drawable(float w) {
    return std::isfinite(w) && w > 0.0f ? w : 0.0f;
}

float Clamp(float x, float lo, float hi) {
    if (x < lo) x = lo;
    if (x > hi) x = hi;
    return x;
}

} // namespace

PASS_OUTCOME_WEIGHTS Compute_Pass_Outcome_Weights(const PASS_OUTCOME_INPUTS& in) {
    const bool conversion = in.down == 11;
    const float c = in.catch_depth;
    const float e = in.end_depth;
    float coverage = in.coverage;
    float rush = in.rush;
    if (in.pass_share > 1.0f) {
        coverage += (in.pass_share - 1.0f) / 2.5f;
        rush += (in.pass_share - 1.0f) / 2.5f;
    }

    float accuracy = in.accuracy;
    if (accuracy < 60.0f && in.passer_is_quarterback) accuracy = (accuracy + 120.0f) / 3.0f;
    float x = (accuracy + 200.0f) / 270.0f * in.completion_norm;
    const float y = (125.0f - in.control) / 50.0f * in.interception_norm;
    const float z = 1.0f - x - y;
    float incomplete = in.coverage_unit / 1.1f * z * coverage;

    const float week = static_cast<float>(in.week);
    if (in.week > 2) {
        const float h = in.league_completion_rate > 0.2f ? in.league_completion_rate : 0.2f;
        const float t = (in.completion_norm / h - 1.0f) * x * (week * 0.5f);
        if (t > 0.0f)
            x += t;
        else
            incomplete += std::fabs(t);
    }

    // A league without history or without completions this season keeps the
    // default depth scale rather than dividing by zero.
    const float norm_depth =
        in.yards_per_completion_norm > 0.0f ? in.yards_per_completion_norm : DEFAULT_YARDS_PER_COMPLETION;
    float depth = 0.7f * norm_depth;
    float r = 1.0f;
    if (in.week > 2) {
        const float s = in.league_yards_per_completion > 0.0f ? in.league_yards_per_completion
                                                              : DEFAULT_YARDS_PER_COMPLETION;
        r = s / norm_depth;
        depth = depth * norm_depth / s;
    }

    const float arm = (in.distance / 70.0f + 1.0f) * depth * 0.5f;
    if (c > arm)
        incomplete *= 1.0f + (c - arm) * r / 5.0f;
    else
        x *= 1.0f + (arm - c) / arm;
    x *= 1.0f + (depth - e) * r / 150.0f;

    float missed;
    if (c > depth)
        missed = incomplete * (1.0f + (100.0f - in.speed) / 200.0f * r * (c - depth));
    else
        missed = incomplete * (c / depth + 1.0f) * 0.5f;
    if (c > 10.0f) missed *= 1.0f + (rush - 1.0f) * (c - 10.0f) / 20.0f;

    float intercepted = 0.0f;
    if (!conversion) {
        const float y2 = (2.0f * c + depth) / (3.0f * depth) * y;
        intercepted = in.interception_unit * y2 * coverage * (rush + 1.0f) * 0.5f;
    }

    float complete = (in.offensive_skill + 9.0f) / 10.0f * x * in.weather;
    if (in.yards_to_goal < 20) complete *= 0.5f + 0.025f * static_cast<float>(in.yards_to_goal);
    if (in.primary != 0) {
        intercepted *= 0.9f;
        complete *= 1.1f;
    }

    if (e + 0.1f > static_cast<float>(in.yards_to_goal))
        complete *= (in.passer_red_zone + 75.0f) / 150.0f *
                    ((0.2f * in.power + 75.0f + 0.8f * in.receiver_red_zone) / 150.0f);
    else
        complete *= (in.quickness + 140.0f) / 210.0f;
    complete *= (0.7f * in.receiving + 140.0f + 0.3f * in.hands) / 210.0f;

    float sacked =
        210.0f / (in.mobility + 140.0f) * 0.093f * (c / depth + 2.0f) / 3.0f * (2.0f * rush - 1.0f);

    const float protection = in.pass_blocking > 0.0f ? in.sack_unit / in.pass_blocking : 1.0f;
    sacked *= protection;
    intercepted *= protection;
    complete /= protection;

    float defended = 0.18f * complete;
    missed -= defended;
    if (in.down == 3 && c > 10.0f) {
        defended += intercepted;
        intercepted /= c;
    }
    if (conversion) intercepted = 0.0f;

    if (in.replay_mode) {
        const float q = in.replay_factor;
        complete *= (q + 0.5f) / 1.5f;
        intercepted /= 0.5f * q + 0.5f;
        sacked /= 0.5f * q + 0.5f;
    }

    missed = Clamp(missed, complete / 25.0f, 7.0f * complete);
    intercepted = Clamp(intercepted, missed / 100.0f, missed / 2.0f);

    PASS_OUTCOME_WEIGHTS w{};
    w.incomplete = Drawable(missed);
    w.complete = Drawable(complete);
    w.intercepted = Drawable(intercepted);
    w.sacked = Drawable(sacked);
    w.defended = Drawable(defended);
    return w;
}

int32_t Pick_Pass_Outcome(const PASS_OUTCOME_WEIGHTS& w, double u) {
    const float k0 = w.incomplete;
    const float k1 = k0 + w.complete;
    const float k2 = k1 + w.intercepted;
    const float k3 = k2 + w.sacked;
    const float k4 = k3 + w.defended;
    if (k4 == 0.0f) {
        const int32_t outcome = static_cast<int32_t>(u * 5.0);
        return outcome > 4 ? 4 : outcome;
    }
    const float v = static_cast<float>(u * static_cast<double>(k4));
    if (v <= k0) return 0;
    if (v <= k1) return 1;
    if (v <= k2) return 2;
    if (v <= k3) return 3;
    return 4;
}
