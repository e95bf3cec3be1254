// Grades on a scale of several hundred built from playing time, production and
// the player's stored figures (codes 420-430 of Get_Player_Stat).

#include "database/historical_norms.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/player_statistics_internal.h"
#include "database/random_numbers.h"
#include "database/universe.h"

namespace {

int32_t Squeeze_Above(int32_t v, int32_t m) {
    return v > m ? (v + m) / 2 : v;
}
int32_t Squeeze_Below(int32_t v, int32_t m) {
    return v < m ? (v + m) / 2 : v;
}

// f per cent of v as the grades take it: (f * v + 50) / 100 truncated, one
// less for a negative v (unlike Percent_Of, which rounds halves away from zero).
int32_t Truncated_Percent_Of(int32_t f, int32_t v) {
    int32_t r = (f * v + 50) / 100;
    return v < 0 ? r - 1 : r;
}

int32_t Sqrt64(int64_t x) {
    return Rounded_Signed_Sqrt(Clamp_To_Int32(x));
}

// (a * w + 16) / 32, one less when w is not a multiple of 32 and a and w differ in sign.
int32_t Time_Weighted(int32_t a, int32_t w) {
    int32_t q = (a * w + 16) / 32;
    if (w % 32 != 0 && (a < 0) != (w < 0) && a != 0) --q;
    return q;
}

int32_t Passing_Root(int32_t m) {
    return Rounded_Signed_Sqrt(1000 * Rounded_Signed_Sqrt(1000 * m));
}

int32_t Thousandths(int32_t q, int32_t r) {
    if (q == 0) return 0;
    int32_t v = static_cast<int32_t>((static_cast<int64_t>(q) * r + 500) / 1000);
    if (r % 1000 != 0 && (q < 0) != (r < 0)) --v;
    return v;
}

bool Is_Defender(int32_t position) {
    return position >= POSITION_DE && position <= POSITION_S;
}
bool Is_Ball_Carrier(int32_t position) {
    return position >= POSITION_QB && position <= POSITION_WR;
}

int32_t Blocking_Grade(int32_t team, int32_t slot, int32_t code, int32_t position, int32_t w) {
    if (position < POSITION_RB || position > POSITION_C) return 0;
    const int16_t* figures = Universe.Teams[team].Players[slot].Extra_Values;
    int32_t figure = code == 420 ? figures[0] : figures[1];
    if (figure == 0) return 0;
    int32_t v = Time_Weighted(figure, w) / 2 + 460;
    bool line = position >= POSITION_T;
    if (code == 420) {
        if (position == POSITION_G) v = Truncated_Percent_Of(91, v);
        if (position == POSITION_T) v = Truncated_Percent_Of(95, v);
        if (line) v = Squeeze_Below(v, 650);
        return Squeeze_Above(v, 800);
    }
    if (position == POSITION_T) v = Truncated_Percent_Of(98, v);
    if (line) v = Squeeze_Below(v, 650);
    v = Squeeze_Above(v, 700);
    if (position == POSITION_FB) {
        if (v < 700) v = (v + 1400) / 3;
        v += 21;
    }
    return v;
}

int32_t Defender_Grade(int32_t team, int32_t slot, int32_t code, int32_t position, int32_t w) {
    if (!Is_Defender(position)) return 0;
    auto last = [&](int32_t stat) { return Get_Player_Stat(team, slot, SEASON_LAST, stat); };
    int32_t expanded = Get_Player_Byte_Field(team, slot, PLAYER_BYTE_EXPANDED_POSITION);
    int32_t n = last(code == 427 ? 2 : code == 428 ? 0 : 1);
    if (n < 100) return 0;
    int32_t q = (n * (w + 16) + 24) / 48;
    if (code == 427) {
        int32_t v = q + 200;
        if (position == POSITION_DE || position == POSITION_LB) v = q / 2 + 450;
        if (position == POSITION_DT) v = q / 2 + 520;
        if (position == POSITION_CB) v = q + 100;
        return Squeeze_Above(v, 850) - 10;
    }
    if (code == 428) {
        int32_t v = q + 70;
        if (position == POSITION_DE) v = q / 3 + 565;
        if (position == POSITION_DT) v = q / 3 + 530;
        if (position == POSITION_LB) v = expanded == 33 ? q / 2 + 420 : q / 2 + 400;
        return Squeeze_Above(v + 3 * last(4) + 18, 780);
    }
    int32_t v = q;
    auto scaled = [&](int32_t k) {
        int32_t d = q - 500;
        int32_t r = (k * d + 500) / 1000;
        return d < 0 ? r - 1 : r;
    };
    if (position == POSITION_CB) v = scaled(600) + 805;
    if (position == POSITION_S) v = scaled(520) + 700;
    if (position == POSITION_LB) v = expanded == 32 ? 2 * q / 3 + 360 : q + 50;
    return (2 * (v + 12 * last(7)) + 680) / 3;
}

} // namespace

int32_t Compute_Player_Grade(int32_t team, int32_t slot, int32_t season, int32_t code) {
    int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    int32_t w = Rounded_Signed_Sqrt(Get_Player_Playing_Time_Weight(team, slot));
    auto S = [&](int32_t stat) { return Get_Player_Stat(team, slot, season, stat); };
    auto S_Of = [&](int32_t k, int32_t stat) { return Get_Player_Stat(team, slot, k, stat); };
    const int16_t* figures = Universe.Teams[team].Players[slot].Extra_Values;
    bool qb = position == POSITION_QB;
    bool fb = position == POSITION_FB;
    switch (code) {
    case 420:
    case 421:
        return Blocking_Grade(team, slot, code, position, w);
    case 422: {
        if (!Is_Ball_Carrier(position)) return 0;
        int32_t t = Get_Rushing_Production(team, slot, season);
        if (qb) t += S(8) / 3;
        t += S(8) - 4 * S(7);
        int32_t u = Get_Rushing_Touchdown_Share(team, slot, season);
        int32_t v = Sqrt64(static_cast<int64_t>(1000 - u) * t / 7) + 450;
        if (qb || position == POSITION_RB) return v;
        int32_t c = Clamp_Int(0, 150, 750 - v);
        int32_t m = Clamp_Int(0, c, Mul_Div_Round(c, S_Of(3, 6) + S_Of(2, 6), S_Of(3, 11) + S_Of(2, 11)));
        return v + m - 2 * (Get_Player_Build_Figure(team, slot) - 70);
    }
    case 423: {
        if (!Is_Ball_Carrier(position)) return 0;
        int32_t t = Get_Rushing_Production(team, slot, season);
        if (qb) t += 30 * S(9);
        if (fb) t += 150;
        int32_t u = Get_Rushing_Touchdown_Share(team, slot, season);
        return Sqrt64(static_cast<int64_t>(u) * t / 7) + 450 + (qb ? 50 : 0);
    }
    case 424:
    case 426: {
        if (code == 426 && qb) {
            int32_t a = figures[2] / 2 + 500;
            int32_t q = Time_Weighted(a, w);
            int32_t m = Mul_Div_Round(500, 161 * S(6), S(5)) + 500;
            return Thousandths(q, Passing_Root(m));
        }
        if (position < POSITION_RB || position > POSITION_WR) return 0;
        int32_t t = Get_Receiving_Production(team, slot, season);
        int32_t u = Get_Receiving_Touchdown_Share(team, slot, season);
        if (code == 424) return Sqrt64(static_cast<int64_t>(1000 - u) * t / 6) + 450 + (fb ? 21 : 0);
        return Sqrt64(static_cast<int64_t>(u) * t / 6) + 450 + (fb ? 28 : 0);
    }
    case 425: {
        if (!qb) return 0;
        int32_t a = figures[2] / 2 + 500;
        int32_t q = a == 0 ? 0 : (a * (w + 16) + 24) / 48;
        int32_t m = 1500 - Mul_Div_Round(500, 161 * S(6), S(5));
        int32_t p =
            q == 0 ? 0 : static_cast<int32_t>((static_cast<int64_t>(q) * Passing_Root(m) + 500) / 1000);
        return p + 2 * (27 - S(107));
    }
    case 427:
    case 428:
    case 429:
        return Defender_Grade(team, slot, code, position, w);
    case 430: {
        if (!Is_Defender(position)) return 0;
        int32_t v = 5 * (2 * S(2) + S(3) + S(4) / 2 + 3 * S(5) + 2 * S(6) + 2 * S(7)) / 2 + 370;
        if (position == POSITION_DE || position == POSITION_DT) v += 100;
        return Squeeze_Above(v, 850);
    }
    default:
        return 0;
    }
}
