// Estimates of each rating (20-99) from a player's season statistics: the basis
// of scouting reports and of rebuilding ratings from statistics.
#include <algorithm>

#include "database/historical_norms.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/player_statistics_internal.h"
#include "database/position_evaluation.h"
#include "database/random_numbers.h"
#include "database/universe.h"

namespace {

// No season or career, nor any rate made from one, comes near a million; a
// damaged figure beyond it is held there so the estimates' sums and products
// stay within 32 bits.
constexpr int32_t LARGEST_ESTIMATED_STAT = 1000000;

int32_t Bounded_Stat(int32_t value) {
    return std::clamp(value, -LARGEST_ESTIMATED_STAT, LARGEST_ESTIMATED_STAT);
}

struct ESTIMATE_READER {
    int32_t team;
    int32_t slot;
    int32_t season;
    int32_t S(int32_t n) const { return Bounded_Stat(Get_Player_Stat(team, slot, season, n)); }
    int32_t C(int32_t n) const { return Bounded_Stat(Get_Player_Stat(team, slot, season, n)); }
    int32_t S_Of(int32_t k, int32_t n) const { return Bounded_Stat(Get_Player_Stat(team, slot, k, n)); }
    int32_t Position() const { return Get_Player_Vital_Stat(team, slot, VITAL_POSITION); }
    int32_t Group() const { return Get_Position_Group(Position()); }
    int32_t Weight() const { return Get_Player_Vital_Stat(team, slot, VITAL_WEIGHT); }
    int32_t Age() const { return Get_Player_Calendar_Age(team, slot); }
};

int32_t H(int32_t code) {
    return Get_Current_Historical_Average_Stat(code);
}

// (a * k + r) / d truncated, one less when the product is negative and not a
// multiple of d: the integer steps the estimates are defined with.
int32_t Scaled_Down(int32_t value, int32_t k, int32_t r, int32_t d) {
    int32_t q = (value * k + r) / d;
    if (value < 0 && value % d != 0) --q;
    return q;
}

// (a * k + r) / d truncated, one less whenever the value is negative: the
// steps that round negative statistics down without a multiple exception.
int32_t Scaled_Down_Negative(int32_t value, int32_t k, int32_t r, int32_t d) {
    int32_t q = (value * k + r) / d;
    return value < 0 ? q - 1 : q;
}

int32_t Squeezed(int32_t value) {
    return static_cast<int32_t>(Squeeze_Position_Rating(static_cast<float>(value)));
}

int32_t Games_Per_Season_Capped() {
    int32_t& games = Universe.Header.Universe_Stats[GAMES_PER_SEASON];
    if (games > 17) games = 17;
    return games;
}

int32_t Passing_Estimate(const ESTIMATE_READER& p, int32_t code) {
    if (p.Position() == POSITION_QB) {
        int32_t v = 0;
        if (code == 200) v = p.C(172);
        if (code == 201) v = p.C(170);
        if (code == 202) v = p.C(173);
        if (code == 203) v = p.season == SEASON_PREDICTED ? p.C(106) : p.C(171);
        int32_t t = Scaled_Down(v, 70, 500, 1000);
        if (t < 70) t = (2 * t + 70) / 3;
        if (Get_Replay_Mode() != 0) t = Scale_By_Predicted_Playing_Time(p.team, p.slot, t);
        return t;
    }
    if (p.Group() == 0) return code == 203 ? (3 * p.C(227) + 4 * p.C(228) + 2 * p.C(230)) / 9 : 40;
    return 20;
}

int32_t Mobility(const ESTIMATE_READER& p) {
    if (p.Position() != POSITION_QB) return p.C(229) / 2 + p.C(228) / 4;
    int32_t m = Rounded_Signed_Sqrt(100 + 4 * (p.S(8) - p.S(7))) + 62;
    int32_t c = Rounded_Ratio(8 * p.S(14) + p.S(15), 20, p.S(2));
    int64_t diff = m - c;
    if (diff == 0) return 0;
    int64_t span = p.S(1) + 100;
    int64_t e = (diff * span + 58) / 117;
    if (diff < 0 && span % 117 != 0) --e;
    return static_cast<int32_t>(e);
}

int32_t Rushing_Base(const ESTIMATE_READER& p) {
    int32_t group = p.Group();
    if (group == 0) {
        int32_t r = p.S(8);
        if (p.Position() == POSITION_QB) r = Scaled_Down_Negative(p.S(8), 175, 50, 100);
        int32_t y = Clamp_Int(250, 750, p.C(112));
        int32_t m = Mul_Div_Round(r, H(112) + y, 2 * H(112));
        if (p.Position() == POSITION_FB) m = (m + 1000) / 2;
        int32_t e = Rounded_Signed_Sqrt(2 * m + 200) + 40;
        return p.Position() == POSITION_QB ? (p.C(204) + e) / 2 : e;
    }
    if (group == 2) return std::max(20, p.C(217) / 2 + p.C(218) / 2 + p.C(232) / 10 + p.C(231) / 15 - 40);
    return 40;
}

int32_t Receiving(const ESTIMATE_READER& p) {
    if (p.Group() == 0) {
        int32_t r = p.S(11) + 100;
        if (p.Position() == POSITION_RB || p.Position() == POSITION_FB)
            r = Scaled_Down_Negative(r, 175, 50, 100);
        return Rounded_Signed_Sqrt(2 * (r - H(113) + p.C(113))) + 40;
    }
    if (p.Group() == 2) return std::max(20, p.C(217) + p.C(218) / 2 + p.C(232) / 10 + p.C(231) / 15 - 75);
    return 40;
}

int32_t Hands(const ESTIMATE_READER& p) {
    if (p.Position() == POSITION_QB) {
        int32_t x = p.S(2) + 5 * p.S(7) + 15 * p.S(10) + 10;
        return std::max(50, Mul_Div_Round(400, x - 5 * p.S(13) - 10 * p.S(19) - p.S(0) - p.S(1), x) - 300);
    }
    if (p.Group() == 0) {
        int32_t x = p.S(7) / 2 + 5 * p.S(10) + 3 * p.C(140) + 10;
        int32_t a = std::max(50, Mul_Div_Round(400, x - p.S(2) - 1, x) - 300);
        int32_t k = Mul_Div_Round(100, p.S(10), 2 * p.S(0) + p.S(1) + 6);
        return (a + 60 + k / 6) / 2 - 5;
    }
    if (p.Group() == 2) return 20 + Mul_Div_Round(20, 2 * p.S(8), p.S(0) + p.S(1));
    return 20;
}

int32_t Durability(const ESTIMATE_READER& p) {
    if (p.Group() != 0) return p.C(208);
    int32_t z = p.C(111) - 2 * p.S(1) - 2 * p.S(0) + p.S(11) / 5;
    if (p.Position() == POSITION_QB) z += p.C(111) + p.S(14) + p.S(2) / 5;
    z += 45;
    return Rounded_Signed_Sqrt(20 * z) + 20;
}

int32_t Blocking(const ESTIMATE_READER& p, int32_t code) {
    int32_t g = 0;
    for (int32_t k = 1; k <= 3; ++k)
        g += p.S_Of(k, 0) + p.S_Of(k, 1);
    int32_t q = Rounded_Signed_Sqrt(g / 3);
    int32_t b = Compute_Player_Rating_Blend(p.team, p.slot);
    bool pass = code == 210;
    int32_t k = 0;
    switch (p.Position()) {
    case POSITION_T:
        k = q + (pass ? 16 : 13);
        break;
    case POSITION_G:
        k = q + (pass ? 13 : 16);
        break;
    case POSITION_C:
        k = q + 13;
        break;
    case POSITION_FB:
    case POSITION_TE:
        k = pass ? b / 10 + q + 10 : b / 5 + q + 12;
        break;
    case POSITION_QB:
    case POSITION_RB:
    case POSITION_WR:
        k = pass ? b / 10 : b / 5 - 5;
        break;
    default:
        k = 0;
        break;
    }
    int32_t a = 50 - p.Age();
    int32_t v = 0;
    if (k != 0) {
        v = (k * a + 12) / 25;
        if (a % 25 != 0 && (a < 0) != (k < 0)) --v;
    }
    if (p.Group() == 1) v += Get_Lineman_Vital_Figure(p.team, p.slot);
    return v + 50;
}

int32_t Discipline(const ESTIMATE_READER& p) {
    if (p.Group() != 1) return 20;
    int32_t position = p.Position();
    int32_t r = Mul_Div_Round(1000, p.S(10) + p.S(11), p.S(0) + p.S(1));
    int32_t ra = Mul_Div_Round(1000, Get_Average_Stat(position, 10) + Get_Average_Stat(position, 11),
                               Get_Average_Stat(position, 0) + Get_Average_Stat(position, 1));
    int32_t q = Mul_Div_Round(1000, r, ra);
    int32_t d = Scaled_Down(q, 40, 500, 1000);
    return 99 - d;
}

int32_t Lineman_Build(const ESTIMATE_READER& p) {
    if (p.Group() != 1) return 20;
    int32_t g = p.S(0) + p.S(1);
    int32_t a = Scaled_Down(g, 500, 12, 25);
    int32_t y = Clamp_Int(270, 310, Get_Current_Year() - 1700);
    int32_t m = Mul_Div_Round(a + 500, y, p.Weight());
    int32_t n = Mul_Div_Round(m, 27, p.Age());
    return std::min(100, n / 25 + 20);
}

int32_t Run_Defense(const ESTIMATE_READER& p) {
    if (p.Group() != 2) return 20;
    int32_t t = 2 * p.S(2) + p.S(3) + p.S(0) / 2 + p.S(1) / 2;
    if (p.Position() == POSITION_DT) t = Scaled_Down_Negative(t, 130, 50, 100) + (p.Weight() - 200) / 3;
    if (p.Position() == POSITION_DE) t = Scaled_Down_Negative(t, 112, 50, 100) + (p.Weight() - 200) / 7 - 40;
    return Squeezed(Rounded_Signed_Sqrt(4 * t) + t / 10 + 39);
}

int32_t Weight_Term(int32_t weight, int32_t r, int32_t d) {
    if (weight == 400) return 0;
    int32_t term = ((400 - weight) * 10 + r) / d;
    return weight > 400 ? term - 1 : term;
}

int32_t Pass_Rush(const ESTIMATE_READER& p) {
    if (p.Group() != 2) return 20;
    int32_t position = p.Position();
    int32_t y = 50 * p.S(4) + 50 * p.S(5);
    if (position == POSITION_DE || position == POSITION_DT) y += 5 * p.S(6);
    y += 5 * p.S(0) + 5 * p.S(1);
    if (position == POSITION_DT) y += Weight_Term(p.Weight(), 3, 6);
    if (position == POSITION_DE) y += Weight_Term(p.Weight(), 7, 14);
    return Squeezed(Rounded_Signed_Sqrt(y) + y / 100 + 44);
}

int32_t Pass_Coverage(const ESTIMATE_READER& p) {
    if (p.Group() != 2) return 20;
    return Squeezed(Rounded_Signed_Sqrt(95 * p.S(6) + 125 * p.S(7) + 5 * p.S(0) + 5 * p.S(1)) + 40);
}

int32_t Turnovers(const ESTIMATE_READER& p) {
    if (p.Group() != 2) return 20;
    int32_t x = 315 * p.S(7) + 60 * p.S(6) + 375 * p.S(5) + 150 * p.S(8) + 120 * p.S(9) + 30 * p.S(4) +
                15 * p.S(1) + 15 * p.S(0) + 75 * p.S(19) + 60 * p.S(16) + p.S(18) / 3;
    return Squeezed(Rounded_Signed_Sqrt(x) + 28);
}

int32_t Tackling(const ESTIMATE_READER& p) {
    if (p.Group() != 2) return 20;
    int32_t y = 20 * p.C(147) + 12 * p.S(3);
    if (p.Position() == POSITION_CB) y = Scaled_Down_Negative(y, 50, 50, 100);
    if (p.Position() == POSITION_S) y = Scaled_Down_Negative(y, 70, 50, 100);
    return Squeezed(Rounded_Signed_Sqrt(y + 5 * p.S(0) + 5 * p.S(1)) + 40);
}

int32_t Field_Goal_Accuracy(const ESTIMATE_READER& p) {
    if (p.Position() == POSITION_P) return p.C(223) / 2 + 10;
    int32_t made = p.C(121);
    int32_t v = Mul_Div_Round(1000, made, p.C(122) - (p.S(16) - p.S(17)));
    v = Mul_Div_Round(v, Get_Historical_Average_Stat(123, 2022), Get_Current_Historical_Average_Stat(123));
    int32_t e = std::min(v / 8 - 35, 100);
    e = std::max(e, p.S(0) / 2 + 50);
    e = std::min(e, made + 65);
    return std::max(e, Rounded_Signed_Sqrt(made) + p.S(0) / 2 + 60);
}

int32_t Field_Goal_Distance(const ESTIMATE_READER& p) {
    if (p.Position() == POSITION_P) return p.C(222) / 2 + 10;
    int32_t long_made = p.S(15) + 2 * p.S(17) + p.S(17) / 2;
    int32_t longest = p.S(18) < 20 ? 45 : p.S(18);
    int32_t d = Clamp_Int(0, 2000, Mul_Div_Round(1000, long_made, p.C(122) + 4)) + 27 * longest;
    int32_t year = Get_Current_Year();
    if (year < 2010) d = Scaled_Down_Negative(d, 50 + std::min(2010 - year, 20), 25, 50);
    int32_t e = (70 * (d + 500) + 1000) / 2000;
    if (d + 500 < 0 && (d + 500) % 2000 != 0) --e;
    e = std::min(e, 100);
    e = std::max(e, p.S(0) / 3 + 10);
    e = std::min(e, long_made + 65);
    return std::max(e, Rounded_Signed_Sqrt(long_made) + p.S(18) / 2 + 60);
}

int32_t Punting(const ESTIMATE_READER& p, int32_t code) {
    if (p.Position() == POSITION_K) return p.C(221) / 2 + 10;
    if (code == 223 || p.S(2) == 0) return 70;
    int32_t v = Scaled_Down_Negative(p.C(115), 210, 500, 1000);
    int32_t year = Get_Current_Year();
    if (year > 1995) v -= std::min(year - 1995, 18);
    return std::max(v, Rounded_Signed_Sqrt(p.S(2)) + 60);
}

int32_t Receiver_Adjustment(const ESTIMATE_READER& p) {
    return Mul_Div_Round(2 * (p.C(113) - H(113)), p.S(10), 100 * (p.C(111) + 20));
}

int32_t Speed_Power_Quickness(const ESTIMATE_READER& p, int32_t code) {
    int32_t position = p.Position();
    bool receiver = position == POSITION_TE || position == POSITION_WR;
    int32_t b = receiver ? p.C(206) : p.C(205);
    int32_t s = Compute_Player_Stat_Score(p.team, p.slot);
    if (code == 228) {
        int32_t e = b + (s - 50) / 10;
        if (p.Group() == 0) {
            // Held where 19,900 times it still fits: figures of an edited or
            // damaged league can reach a million, no real season comes near.
            const int32_t plays = std::clamp(5 * p.S(9) + 2 * p.S(12) + 3, -100000, 100000);
            int32_t q = Rounded_Ratio(19900 * plays, 100, 2110 * (p.C(111) + 110));
            e += (q - 100) / 14;
            if (p.C(114) > 20) e += Mul_Div_Round(p.C(114) - 40, 2 * p.S(10), 100 * (p.C(111) + 20));
            if (position != POSITION_QB) e += 8;
        }
        return e;
    }
    int32_t bb = b - (s - 50) / 7;
    int32_t age = p.Age();
    int32_t weight = p.Weight();
    if (code == 227) {
        switch (position) {
        case POSITION_QB:
        case POSITION_RB:
        case POSITION_FB: {
            int32_t y = std::max(250, std::min(p.C(112), H(112) + p.S(7)));
            return Mul_Div_Round(bb, H(112) + y, 2 * H(112));
        }
        case POSITION_TE:
        case POSITION_WR:
            return bb + Receiver_Adjustment(p);
        case POSITION_T:
            return p.S_Of(SEASON_PREDICTED, 210) / 10 - age / 2 + 43;
        case POSITION_G:
        case POSITION_C:
            return p.S_Of(SEASON_PREDICTED, 210) / 10 - age / 2 + 40;
        case POSITION_DE:
            return 107 - weight / 10 - age;
        case POSITION_DT:
            return 84 - age / 2 - weight / 10;
        case POSITION_LB:
            return 82 - age / 3 - weight / 20;
        case POSITION_CB:
            return p.S_Of(SEASON_PREDICTED, 217) / 4 - age / 2 + 70;
        case POSITION_S:
            return p.S_Of(SEASON_PREDICTED, 217) / 5 - age / 2 + 67;
        default:
            return 70 - age;
        }
    }
    int32_t n = p.S(10);
    if (position == POSITION_RB || position == POSITION_FB) n *= 2;
    int32_t k = Mul_Div_Round(100, n, 2 * p.S(0) + p.S(1) + 6);
    int32_t q = (3 * bb + 50 + k / 3) / 4;
    int32_t e = q;
    if (receiver) e = bb - Receiver_Adjustment(p);
    if (position == POSITION_RB || position == POSITION_FB)
        e = Mul_Div_Round(q, H(112) + Clamp_Int(250, 750, p.C(112)), 2 * H(112));
    if (position == POSITION_QB) e += 5;
    if (position == POSITION_WR && e > 80) e = (e + 80) / 2;
    return e;
}

int32_t Vision(const ESTIMATE_READER& p) {
    if (p.Group() != 0) return p.Age();
    int32_t e = std::max(p.C(205), p.C(206));
    if (p.Position() != POSITION_QB) {
        e += Mul_Div_Round(p.C(114) - 40, 2 * p.S(10), 100 * (p.C(111) + 20));
        if (p.S(5) > 0) e += (Mul_Div_Round(100, p.S(5) + 5, p.S(10) + 10) - 62) / 2;
    }
    return e + 6;
}

int32_t Returns(const ESTIMATE_READER& p, int32_t code) {
    ESTIMATE_READER predicted{p.team, p.slot, SEASON_PREDICTED};
    int32_t kick = predicted.C(300);
    int32_t punt = predicted.C(301);
    int32_t v = code == 231 ? 5 * kick + punt : 10 * punt + kick;
    if (p.Group() == 0) {
        if (code == 231)
            v += predicted.S(11) / 15 + predicted.S(7) / 2 + predicted.S(8) / 8;
        else
            v += 3 * predicted.S(10);
    } else if (v < 50) {
        v += code == 231 ? predicted.C(217) / 5 : predicted.C(218) / 5;
        v -= Compute_Player_Rating_Blend(p.team, p.slot) / 3;
    }
    return Rounded_Signed_Sqrt(v) + 40;
}

int32_t Kicking_Figure(const ESTIMATE_READER& p) {
    int32_t a = 5 * p.S(9) + p.S(0) + p.C(121);
    int32_t g = Games_Per_Season_Capped();
    int32_t r = Mul_Div_Round(1000, a, p.C(122) / 2 + 5 * p.S(8) + 2 * g);
    int32_t e = std::max(r / 5 - 95, p.S(0) + 45);
    e = std::min(e, a + 70);
    return std::max(e, Rounded_Signed_Sqrt(a / 5) + p.S(0) / 2 + 60);
}

} // namespace

int32_t Estimate_Rating_From_Stats(int32_t team, int32_t slot, int32_t season, int32_t code, bool* direct) {
    ESTIMATE_READER p{team, slot, season};
    *direct = false;
    switch (code) {
    case 200:
    case 201:
    case 202:
    case 203:
        return Passing_Estimate(p, code);
    case 204:
        return Mobility(p);
    case 205:
        return Rushing_Base(p);
    case 206:
        return Receiving(p);
    case 207:
        return Hands(p);
    case 208: {
        int32_t g = p.S(1) + p.S(0);
        return g <= 20 ? 70 : 2 * g + 30;
    }
    case 209:
        return Durability(p);
    case 210:
    case 211:
        return Blocking(p, code);
    case 212:
        return Discipline(p);
    case 213:
        return Lineman_Build(p);
    case 215:
        return Run_Defense(p);
    case 216:
        return Pass_Rush(p);
    case 217:
        return Pass_Coverage(p);
    case 218:
        return Turnovers(p);
    case 219:
        return Tackling(p);
    case 220:
    case 221:
    case 222:
    case 223: {
        int32_t position = p.Position();
        if (position != POSITION_K && position != POSITION_P) {
            *direct = true;
            return 20;
        }
        if (code == 220) return Field_Goal_Accuracy(p);
        if (code == 221) return Field_Goal_Distance(p);
        return Punting(p, code);
    }
    case 227:
    case 228:
    case 229:
        return Speed_Power_Quickness(p, code);
    case 230:
        return Vision(p);
    case 231:
    case 232:
        return Returns(p, code);
    case 233:
        return Kicking_Figure(p);
    default:
        return 0; // 214 and 224 estimate nothing.
    }
}
