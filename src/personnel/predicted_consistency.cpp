#include "personnel/predicted_consistency.h"

#include <algorithm>

#include "app/diagnostics.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/random_numbers.h"
#include "personnel/predicted_stats.h"

namespace {

// Computed codes of the statistics accessor: average punt in tenths of a yard
// and field goals attempted.
constexpr int32_t AVERAGE_PUNT_TENTHS = 115;
constexpr int32_t FIELD_GOALS_ATTEMPTED = 122;

// Receiving top-up and bounds of RB, FB, TE, WR in that order.
constexpr int32_t TOP_UP_YARDS_PER_CATCH[4] = {7, 6, 10, 13};
constexpr int32_t TOP_UP_YARDS_AFTER_CATCH[4] = {8, 7, 5, 5};
constexpr int32_t MOST_YARDS_AFTER_CATCH[4] = {110, 100, 70, 68};
constexpr int32_t LEAST_YARDS_AFTER_CATCH[4] = {70, 50, 28, 28};

struct PREDICTED_LINE {
    int32_t Team;
    int32_t Slot;
    int32_t Get(int32_t stat) const { return Get_Player_Stat(Team, Slot, SEASON_PREDICTED, stat); }
    // The bounds below follow from the line's own figures; a damaged line
    // (a figure near a season's bound) must not take them past what a saved
    // game keeps of a season.
    void Set(int32_t stat, int64_t value) const {
        Set_Player_Stat(Team, Slot, SEASON_PREDICTED, stat, Hold_Season_Figure(value));
    }
};

void Reconcile_Passing_Yards(const PREDICTED_LINE& s) {
    const int32_t completions = s.Get(3);
    const int32_t yards = s.Get(5);
    if (yards < 8 * completions)
        s.Set(5, 8 * completions);
    else if (yards > 15 * completions)
        s.Set(5, 15 * completions);
}

void Reconcile_Rushing(const PREDICTED_LINE& s, int32_t position) {
    int32_t rushes = s.Get(7);
    int32_t yards = s.Get(8);
    if ((position == POSITION_QB || position == POSITION_RB) && rushes < 15) {
        rushes = 15;
        s.Set(7, rushes);
    }
    if (yards > 1750) {
        yards = 1750;
        s.Set(8, yards);
    }
    if (position != POSITION_RB) return;
    if (6 * rushes < yards) {
        rushes = yards / 6 + 1;
        s.Set(7, rushes);
    }
    if (yards < 3 * rushes) s.Set(8, 3 * rushes);
}

// Every receiver is predicted at least 16 catches; yards, yards after the catch
// and first downs are then held to bounds set by the catches as predicted.
void Reconcile_Receiving(const PREDICTED_LINE& s, int32_t position) {
    const int32_t k = position - POSITION_RB;
    const int32_t catches = s.Get(10);
    if (catches < 16) {
        const int32_t d = (16 - catches) / 2;
        s.Set(10, s.Get(10) + d);
        s.Set(5, s.Get(5) + d / 2);
        s.Set(11, s.Get(11) + TOP_UP_YARDS_PER_CATCH[k] * d);
        s.Set(6, s.Get(6) + TOP_UP_YARDS_AFTER_CATCH[k] * d);
    }
    const int32_t most_yards = Mul_Div_Round(210 - catches / 2, catches, 10);
    const int32_t least_yards = 5 * catches;
    const int32_t yards = s.Get(11);
    if (yards > most_yards)
        s.Set(11, most_yards);
    else if (yards < least_yards)
        s.Set(11, least_yards);
    int32_t after_catch = std::min(s.Get(6), Mul_Div_Round(MOST_YARDS_AFTER_CATCH[k], catches, 10));
    s.Set(6, std::max(after_catch, Mul_Div_Round(LEAST_YARDS_AFTER_CATCH[k], catches, 10)));
    const int32_t first_downs = std::min(s.Get(5), Mul_Div_Round(75, catches, 100));
    s.Set(5, std::max(first_downs, Mul_Div_Round(55, catches, 100)));
}

void Reconcile_Line(const PREDICTED_LINE& s) {
    if (s.Get(8) < 3 * s.Get(7)) s.Set(8, 3 * s.Get(7));
    if (s.Get(5) < 20) s.Set(5, 20);
    if (s.Get(6) < 20) s.Set(6, 20);
}

// Punts are held to 30-80 and their average to a believable band; a kicker
// predicted almost no field goals gets a full benchmark season added.
void Reconcile_Kicking(const PREDICTED_LINE& s, int32_t position) {
    const int32_t punts = s.Get(2);
    int32_t average = s.Get(AVERAGE_PUNT_TENTHS);
    const int32_t held_punts = Clamp_Int(30, 80, punts);
    if (position == POSITION_P)
        average = std::max(std::min(average, punts / 2 + 400), 350);
    else
        average = std::max(std::min(average, punts / 2 + 350), 300);
    s.Set(2, held_punts);
    s.Set(3, Mul_Div_Round(average, held_punts, 10));
    if (position != POSITION_K) return;
    const int32_t attempts = s.Get(FIELD_GOALS_ATTEMPTED);
    if (attempts >= 20) return;
    Add_Predicted_Benchmark_Share(s.Team, s.Slot, 1000);
    s.Set(18, std::min(s.Get(18), attempts + 40));
}

void Reconcile_Returns(const PREDICTED_LINE& s) {
    if (s.Get(15) > 0) s.Set(14, std::max(s.Get(14), 1));
    if (s.Get(18) > 0) s.Set(17, std::max(s.Get(17), 1));
}

} // namespace

void Reconcile_Predicted_Player_Stats(int32_t team, int32_t slot) {
    if (!Is_Player_Address(team, slot)) {
        Report_System_Error("Invalid player in Reconcile_Predicted_Player_Stats(%d, %d)", team, slot);
        return;
    }
    const PREDICTED_LINE line{team, slot};
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    if (position == POSITION_QB) Reconcile_Passing_Yards(line);
    switch (Get_Position_Group(position)) {
    case 0:
        Reconcile_Rushing(line, position);
        if (position != POSITION_QB) Reconcile_Receiving(line, position);
        break;
    case 1:
        Reconcile_Line(line);
        break;
    case 3:
        Reconcile_Kicking(line, position);
        break;
    default:
        break;
    }
    if ((position >= POSITION_RB && position <= POSITION_WR) || position == POSITION_CB ||
        position == POSITION_S)
        Reconcile_Returns(line);
}
