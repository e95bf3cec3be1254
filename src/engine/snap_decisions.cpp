// Situational decisions of the computer play callers.
#include "engine/snap_decisions.h"

#include <cmath>
#include <cstdlib>

#include "engine/formations.h"
#include "engine/game_record.h"
#include "platform/message_box.h"

namespace {
// Defensive formations the computer chooses by situation.
constexpr int32_t DEF_4_3 = 22;
constexpr int32_t DEF_3_4 = 25;
constexpr int32_t DEF_3_4_EAGLE = 27;
constexpr int32_t DEF_5_2 = 28;
constexpr int32_t DEF_FORTY_SIX = 29;
constexpr int32_t DEF_NICKEL = 30;
constexpr int32_t DEF_DIME = 34;
constexpr int32_t DEF_3_4_DIME = 35;
constexpr int32_t DEF_PREVENT = 36;
constexpr int32_t DEF_4_4 = 37;
} // namespace

bool Is_Close_Game(int32_t defense_lead, int32_t elapsed_seconds) {
    return defense_lead < 4 || elapsed_seconds < HALF_SECONDS;
}

int32_t Choose_Defensive_Formation(const SNAP_SITUATION& situation) {
    const int32_t to_goal = situation.Yards_To_Goal;
    int32_t d = situation.Yards_To_Go < to_goal ? situation.Yards_To_Go : to_goal;
    const int32_t lead = situation.Defense_Lead;
    const bool close = Is_Close_Game(lead, situation.Elapsed_Seconds);
    const bool scrimmage_down = situation.Down >= 0 && situation.Down <= 3;

    // In overtime any field goal ends it, so block the kick once in range.
    if (situation.Elapsed_Seconds >= REGULATION_SECONDS && scrimmage_down &&
        to_goal < situation.Field_Goal_Range / 2)
        return FORMATION_KICK_BLOCK;
    if (to_goal == 1) return DEF_4_4;
    if (to_goal == 2) return DEF_5_2;
    if (situation.Seconds_Left < 120 && situation.Quarter == 4 && lead > 0 &&
        to_goal >= 30 + 20 * (close ? 1 : 0))
        return DEF_PREVENT;
    if (situation.Offense_Hurry_Up && to_goal > 10) d += 3;
    // A pass-heavy offence plays as if it needed more yards; integer division
    // truncates toward zero as intended.
    d += (static_cast<int32_t>(std::trunc(10.0f * situation.Pass_Share_Factor)) - 10) / 2;

    switch (situation.Down) {
    case 0:
        if (d > 10) return DEF_3_4_EAGLE;
        if (d > 5) return DEF_4_3;
        return DEF_FORTY_SIX;
    case 1:
        if (d > 6) return DEF_3_4;
        if (d > 3) return DEF_4_3;
        return DEF_FORTY_SIX;
    case 2:
    case 3:
        if (d >= 22) return DEF_PREVENT;
        if (d >= 15) return DEF_3_4_DIME;
        if (d >= 10) return DEF_DIME;
        if (d > 6) return DEF_NICKEL;
        if (d > 3) return DEF_3_4;
        if (d > 1) return DEF_5_2;
        return DEF_4_4;
    case KICKOFF_DOWN:
    case FREE_KICK_DOWN:
        return FORMATION_KICK_RETURN;
    case CONVERSION_ATTEMPT:
        return DEF_4_4;
    default:
        Show_Formatted_Message("Set_Team_Formations()", "Unrecognized Down Flag: %d", situation.Down);
        return -1;
    }
}

float Compute_Pass_Share_Factor(int32_t run_plays, int32_t pass_plays) {
    int32_t n = run_plays + pass_plays;
    if (n < 1) n = 1;
    const double share = static_cast<double>(pass_plays) / n;
    double g = 1.0;
    if (share < 0.55)
        g = share / 0.55;
    else if (share > 0.65)
        g = 2.0 - (1.0 - share) / 0.35;
    const double spread = n / 10.0;
    if (g < 1.0 - spread) g = 1.0 - spread;
    if (g > 1.0 + spread) g = 1.0 + spread;
    return static_cast<float>(g);
}

float Get_Game_Pass_Share_Factor(const GAME_RECORD* game) {
    if (game == nullptr) return 1.0f;
    // Game team totals 5 (rushing attempts) and 7 (pass attempts).
    const int side = Get_Offense_Side(game);
    return Compute_Pass_Share_Factor(game->Team_Totals[side][5], game->Team_Totals[side][7]);
}

int32_t Kicker_Range_From_Ratings(float fg_distance, float fg_accuracy) {
    // A rating that is not a number or below 20 counts as 20.
    if (!(fg_distance >= 20.0f)) fg_distance = 20.0f;
    if (!(fg_accuracy >= 20.0f)) fg_accuracy = 20.0f;
    const int32_t range =
        (3 * static_cast<int32_t>(fg_distance) + static_cast<int32_t>(fg_accuracy)) / 10 + 25;
    return range < 65 ? range : 65;
}

int32_t Field_Goal_Range_From_Kicker(int32_t kicker_range, bool close) {
    int32_t v = (kicker_range + 52) / 2;
    if (!close) v -= 3;
    return (v > 47 ? v : 47) - 17;
}

bool Two_Point_Chart_Answer(int32_t score_difference, int32_t quarter) {
    const int32_t diff = score_difference < -17 ? -17 : (score_difference > 6 ? 6 : score_difference);
    if (diff == -2) return true;
    return diff == 1 && quarter >= 4;
}

bool Is_Blowout_Score(int32_t quarter, int32_t score_difference, int32_t seconds_left) {
    if (quarter != 4) return false;
    const int32_t margin = std::abs(score_difference);
    return margin >= 30 || (margin >= 23 && seconds_left < 360);
}
