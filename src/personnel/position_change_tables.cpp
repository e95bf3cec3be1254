// Conversion factors of a position change, per mille, by rating and by the
// old and new positions' places within the family (rows the old position,
// columns the new one). Ratings not listed keep their value (1000).
#include "database/player_record.h"
#include "personnel/position_change.h"

namespace {

// Ball carriers: RB, FB, TE, WR.
constexpr int16_t BALL_CARRIER_POWER[4][4] = {
    {1000, 950, 950, 900}, {1000, 1000, 950, 900}, {950, 950, 1000, 1000}, {900, 900, 900, 1000}};
constexpr int16_t BALL_CARRIER_QUICKNESS[4][4] = {
    {1000, 1000, 950, 900}, {950, 1000, 950, 900}, {1000, 1000, 1000, 950}, {1000, 1000, 1000, 1000}};
constexpr int16_t BALL_CARRIER_VISION[4][4] = {
    {1000, 1000, 950, 950}, {950, 1000, 950, 900}, {900, 900, 1000, 950}, {900, 900, 950, 1000}};
// Receiving and Hands.
constexpr int16_t BALL_CARRIER_CATCHING[4][4] = {
    {1000, 1000, 900, 900}, {1000, 1000, 900, 900}, {950, 950, 1000, 900}, {900, 950, 950, 1000}};

// Blockers: T, G, C.
constexpr int16_t BLOCKER_PASS_BLOCKING[3][3] = {{1000, 1000, 1000}, {970, 1000, 1000}, {940, 970, 1000}};
constexpr int16_t BLOCKER_RUN_BLOCKING[3][3] = {{1000, 970, 970}, {1000, 1000, 1000}, {1000, 970, 1000}};
constexpr int16_t BLOCKER_DISCIPLINE[3][3] = {{1000, 1000, 940}, {1000, 1000, 970}, {1000, 1000, 1000}};

// Defenders: DE, DT, LB, CB, S. Run Defense, Pass Rush, Pass Coverage and
// Turnovers share one table; Tackling differs in the row of the safety.
constexpr int16_t DEFENDER_SKILLS[5][5] = {{1000, 950, 900, 850, 800},
                                           {950, 1000, 950, 900, 850},
                                           {800, 950, 1000, 950, 900},
                                           {850, 900, 950, 1000, 950},
                                           {800, 850, 900, 950, 1000}};
constexpr int16_t DEFENDER_TACKLING[5][5] = {{1000, 950, 900, 850, 800},
                                             {950, 1000, 950, 900, 850},
                                             {800, 950, 1000, 950, 900},
                                             {850, 900, 950, 1000, 950},
                                             {800, 850, 900, 1000, 1000}};

template <int N> int32_t Factor(const int16_t (&table)[N][N], int32_t old_index, int32_t new_index) {
    if (old_index < 0 || old_index >= N || new_index < 0 || new_index >= N) return 1000;
    return table[old_index][new_index];
}

} // namespace

int32_t Get_Position_Change_Factor(int32_t family, int32_t rating, int32_t old_index, int32_t new_index) {
    switch (family) {
    case 1:
        switch (rating) {
        case RATING_POWER:
            return Factor(BALL_CARRIER_POWER, old_index, new_index);
        case RATING_QUICKNESS:
            return Factor(BALL_CARRIER_QUICKNESS, old_index, new_index);
        case RATING_VISION:
            return Factor(BALL_CARRIER_VISION, old_index, new_index);
        case RATING_RECEIVING:
        case RATING_HANDS:
            return Factor(BALL_CARRIER_CATCHING, old_index, new_index);
        default:
            return 1000;
        }
    case 2:
        switch (rating) {
        case RATING_PASS_BLOCKING:
            return Factor(BLOCKER_PASS_BLOCKING, old_index, new_index);
        case RATING_RUN_BLOCKING:
            return Factor(BLOCKER_RUN_BLOCKING, old_index, new_index);
        case RATING_DISCIPLINE:
            return Factor(BLOCKER_DISCIPLINE, old_index, new_index);
        default:
            return 1000;
        }
    case 3:
        switch (rating) {
        case RATING_RUN_DEFENSE:
        case RATING_PASS_RUSH:
        case RATING_PASS_COVERAGE:
        case RATING_TURNOVERS:
            return Factor(DEFENDER_SKILLS, old_index, new_index);
        case RATING_TACKLING:
            return Factor(DEFENDER_TACKLING, old_index, new_index);
        default:
            return 1000;
        }
    default:
        // Quarterbacks have no other position; kickers and punters keep their
        // kicking ratings.
        return 1000;
    }
}
