#include "frontoffice/player_production.h"

#include "database/historical_norms.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/random_numbers.h"
#include "database/universe.h"
#include "frontoffice/rating_bounds.h"

namespace {
// a * b / c rounded to nearest, halves away from zero, in 64 bits; 0 when c is 0.
int64_t Round_Ratio(int64_t a, int64_t b, int64_t c) {
    if (a == 0 || c == 0) return 0;
    const __int128 product = static_cast<__int128>(a) * b;
    const bool negative = (product < 0) != (c < 0);
    const __int128 magnitude = product < 0 ? -product : product;
    const __int128 divisor = c < 0 ? -static_cast<__int128>(c) : c;
    const __int128 quotient = (magnitude + divisor / 2) / divisor;
    return static_cast<int64_t>(negative ? -quotient : quotient);
}

struct SEASON_READER {
    int32_t Team;
    int32_t Slot;
    int32_t Season;
    int64_t operator()(int32_t stat) const { return Get_Player_Stat(Team, Slot, Season, stat); }
};

// The stored statistics of the season, read at once. Only for players who
// are no kickers: their rows hold no figure a read repairs.
struct SEASON_ROW {
    int32_t Stats[NUMBER_OF_SEASON_STATS];
    explicit SEASON_ROW(const SEASON_READER& s) { Get_Player_Stat_Row(s.Team, s.Slot, s.Season, Stats); }
    int64_t operator()(int32_t stat) const { return Stats[stat]; }
};

// A rating as the record holds it, with no repair on reading; 20 for a
// player outside the stored teams and slots.
float Stored_Rating(const SEASON_READER& s, int32_t rating) {
    if (!Is_Player_Address(s.Team, s.Slot)) return MINIMUM_RATING;
    return Universe.Teams[s.Team].Players[s.Slot].Ratings[rating];
}

int64_t Skill_Production(const SEASON_READER& s, int32_t position) {
    int64_t total = 0;
    if (position == POSITION_QB) {
        const int64_t league = Get_League_Passer_Rating() - 200;
        if (s(100) > league) total = Round_Ratio(36 * (s(100) - league) * s(2), 2125, s(101) + 1500);
    }
    // Read after the passing figures, whose reading may reset a corrupt line.
    const SEASON_ROW r(s);
    if (r(8) > 500) total += (r(8) - 500) * 3000;
    total += r(9) * 50000;
    if (position == POSITION_FB) total = Round_Ratio(total, 85, 100);
    const int64_t receiving = r(11) + 25 * r(12);
    total += receiving * 2200;
    if (position != POSITION_QB) {
        total += 500 * (r(6) != 0 ? r(6) : r(11) / 3);
        if (r(4) > 0 && r(5) > 0) total += 1000 * r(5) - 370 * r(4);
        if (r(4) > 0) total += 1000 * r(10) - 570 * r(4);
    }
    if (position == POSITION_TE) total += receiving * 800;
    if (position >= POSITION_RB && position <= POSITION_WR) {
        // Blocking backs and ends are worth their blocking too, read as stored.
        const float blocking =
            0.5f * Stored_Rating(s, RATING_RUN_BLOCKING) + 0.5f * Stored_Rating(s, RATING_PASS_BLOCKING);
        const int32_t whole = Truncate_Rating(blocking);
        if (whole > 70) {
            int64_t bonus = static_cast<int64_t>(whole - 70) * 30000;
            if (position == POSITION_FB) bonus *= 2;
            if (position == POSITION_TE) bonus *= 3;
            total += bonus;
        }
        if (position == POSITION_FB || position == POSITION_TE) total += 250000;
    }
    return total;
}

int64_t Lineman_Production(const SEASON_READER& s) {
    // Reads repair the three ratings (a missing one becomes the baseline, a low one 20) and keep the repair.
    const float pass = Get_Player_Rating(s.Team, s.Slot, RATING_PASS_BLOCKING);
    const float run = Get_Player_Rating(s.Team, s.Slot, RATING_RUN_BLOCKING);
    const float discipline = Get_Player_Rating(s.Team, s.Slot, RATING_DISCIPLINE);
    const int32_t b1 = static_cast<int32_t>(pass * 9.0f * 0.5f);
    const int32_t b2 = static_cast<int32_t>(run * 9.0f * 0.5f + static_cast<float>(b1));
    const int64_t b = static_cast<int32_t>(static_cast<float>(b2) + discipline);
    if (b <= 350) return 0;
    const int64_t product = (b - 450) * (b - 350);
    int64_t total = 15 * (product > 0 ? product : 0);
    if (s.Season != SEASON_PREDICTED) {
        const int64_t games = s(0) < 17 ? s(0) : 17;
        const int64_t starts = s(1) < 17 ? s(1) : 17;
        total = Round_Ratio(total, games + starts + 17, 51);
    }
    return total;
}

int64_t Defender_Production(const SEASON_READER& s, int32_t position) {
    const SEASON_ROW r(s);
    const int64_t tackles = r(2) + r(3) / 2;
    int64_t total = 200000 * r(7) + 25000 * tackles + 100000 * r(4) + 75000 * r(6);
    if (position == POSITION_DT) total += 7500 * tackles + 25000 * r(6);
    return total;
}

int64_t Kicker_Production(const SEASON_READER& s) {
    const int64_t attempts = s(122) - s(16) / 3 + s(12) / 3 + s(10) / 2;
    const int64_t percentage = Round_Ratio(s(121), 1000, attempts);
    const int64_t y = Round_Ratio(percentage - 650, 1500000, 300);
    const int64_t z = Round_Ratio(s(121), y, 30);
    const int64_t extra_points = 1000 - 100 * s(8);
    return Round_Ratio(z, s(120) > extra_points ? s(120) : extra_points, 1000);
}

int64_t Punter_Production(const SEASON_READER& s) {
    return Round_Ratio((s(115) - 350) * 6000, s(2) < 80 ? s(2) : 80, 80);
}
} // namespace

int32_t Get_League_Passer_Rating() {
    const int32_t year = Get_Current_Year();
    const int32_t h101 = Get_Historical_Average_Stat(101, year);
    const int32_t h105 = Get_Historical_Average_Stat(105, year);
    const int32_t h107 = Get_Historical_Average_Stat(107, year);
    const int32_t h109 = Get_Historical_Average_Stat(109, year);
    const int32_t yards = Mul_Div_Round(Mul_Div_Round(h101, h109, 1000) - 300, 25, 10);
    return (25 * (95 - h107) + yards + 20 * h105 + 5 * h101 - 1500) / 6;
}

int32_t Get_Player_Production_Value(int32_t team, int32_t slot, int32_t season) {
    if (!Is_Player_Address(team, slot) || !Is_Player_Slot_Used(team, slot)) return 0;
    const SEASON_READER s{team, slot, season};
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    int64_t total = 0;
    switch (Get_Position_Group(position)) {
    case 0:
        total = Skill_Production(s, position);
        break;
    case 1:
        total = Lineman_Production(s);
        break;
    case 2:
        total = Defender_Production(s, position);
        break;
    case 3:
        total = position == POSITION_K ? Kicker_Production(s) : Punter_Production(s);
        break;
    default:
        break;
    }
    const int64_t thousands = total / 1000;
    const int64_t value = thousands <= 1500 ? (thousands / 3 > 0 ? thousands / 3 : 0) : thousands - 1000;
    return static_cast<int32_t>(value > INT32_MAX ? INT32_MAX : value);
}
