#include "playbooks/gridiron_values.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/rating_normalisation.h"
#include "database/team_record.h"
#include "database/universe.h"

namespace {
const char* const CATEGORY_NAMES[GRIDIRON_CATEGORIES] = {
    "Pass Blocking", "Run Blocking", "Rushing",   "Goal Line", "Receiving", "Passing",
    "Red Zone",      "Run Defense",  "Pass Rush", "Coverage",  "Tackling"};

// Which positions make up each category's league, and how many of them a
// team starts.
struct CATEGORY_POOL {
    uint16_t Positions; // bit per PLAYER_POSITION
    int32_t Starters;
};
constexpr uint16_t Bit(int32_t position) {
    return static_cast<uint16_t>(1u << position);
}
constexpr uint16_t LINEMEN = Bit(POSITION_T) | Bit(POSITION_G) | Bit(POSITION_C);
constexpr uint16_t FRONT = Bit(POSITION_DE) | Bit(POSITION_DT) | Bit(POSITION_LB);
constexpr uint16_t SECONDARY = Bit(POSITION_CB) | Bit(POSITION_S);
constexpr CATEGORY_POOL POOLS[GRIDIRON_CATEGORIES] = {
    {LINEMEN, 5},
    {LINEMEN, 5},
    {Bit(POSITION_RB), 1},
    {static_cast<uint16_t>(Bit(POSITION_RB) | Bit(POSITION_FB)), 2},
    {static_cast<uint16_t>(Bit(POSITION_WR) | Bit(POSITION_TE)), 4},
    {Bit(POSITION_QB), 1},
    {static_cast<uint16_t>(Bit(POSITION_QB) | Bit(POSITION_WR) | Bit(POSITION_TE)), 5},
    {FRONT, 7},
    {FRONT, 7},
    {SECONDARY, 4},
    {static_cast<uint16_t>(FRONT | SECONDARY), 11},
};

// Salary levels in millions and, by position, the values that reach each next level.
constexpr int32_t SALARY_LEVELS[10] = {0, 2, 3, 5, 8, 10, 12, 15, 20, 25};
constexpr int32_t SALARY_THRESHOLDS[13][9] = {
    {2000, 2100, 4000, 5500, 8500, 11500, 13000, 17500, 22500}, // QB
    {2000, 3900, 4800, 7000, 8000, 10000, 12000, 17500, 22500}, // RB
    {2000, 3000, 4000, 7000, 8500, 11500, 13000, 17500, 22500}, // FB
    {2000, 3000, 4000, 7000, 8500, 10000, 13000, 17500, 22500}, // TE
    {1770, 3430, 4500, 6300, 8500, 11500, 13000, 17500, 22500}, // WR
    {2300, 3400, 4500, 6700, 7900, 10000, 13000, 17500, 22500}, // T
    {2280, 3000, 3600, 6700, 8500, 11500, 13000, 17500, 22500}, // G
    {2800, 4700, 5500, 6500, 7700, 11500, 13000, 17500, 22500}, // C
    {3500, 4400, 5300, 6300, 7400, 10000, 15000, 20000, 22500}, // DE
    {2000, 4300, 5150, 7000, 8500, 11000, 13000, 17500, 22500}, // DT
    {1500, 2900, 4650, 6800, 8700, 12000, 17500, 17500, 22500}, // LB
    {2700, 4100, 5200, 6550, 7700, 10000, 11500, 17500, 22500}, // CB
    {2400, 3750, 4750, 7215, 9000, 11500, 13000, 17500, 22500}, // S
};
constexpr int32_t SALARY_MAXIMUM[NUMBER_OF_POSITIONS] = {20, 15, 15, 15, 15, 12, 12, 12,
                                                         20, 15, 15, 15, 15, 0,  0};

bool Has_Player(int32_t team, int32_t slot) {
    return team >= 0 && team < TOTAL_NUMBER_OF_TEAMS && slot >= 0 && slot < PLAYERS_PER_TEAM &&
           Universe.Teams[team].Players[slot].Vital_Stats[0] != 0;
}

// A stored rating as the game reads it (missing: the league baseline; below
// 20: 20), without writing the mended value back.
float Rating(const PLAYER_RECORD& player, int32_t n) {
    const float value = player.Ratings[n];
    if (std::isnan(value)) return Get_Rating_Baseline(n);
    return value < MINIMUM_RATING ? MINIMUM_RATING : value;
}

bool Is_Skill_Position(int32_t p) {
    return p == POSITION_QB || p == POSITION_RB || p == POSITION_FB || p == POSITION_TE || p == POSITION_WR;
}

bool Is_Receiver_Position(int32_t p) {
    return p == POSITION_RB || p == POSITION_FB || p == POSITION_TE || p == POSITION_WR;
}

int32_t Card_Rating(const PLAYER_RECORD& player, int32_t category) {
    const int32_t p = player.Vital_Stats[VITAL_POSITION];
    auto r = [&](int32_t n) { return Rating(player, n); };
    // The throwing and blocking mix of a player who is no passer or receiver.
    auto hands = [&]() {
        float sum = 5.0f;
        sum += r(RATING_ACCURACY) * 0.1f;
        sum += r(RATING_CONTROL) * 0.1f;
        sum += r(RATING_PASS_BLOCKING) * 0.1f;
        return sum;
    };
    float v = 0.0f;
    switch (category) {
    case CARD_PASS_BLOCKING:
        v = r(RATING_PASS_BLOCKING);
        break;
    case CARD_RUN_BLOCKING:
        v = r(RATING_RUN_BLOCKING);
        break;
    case CARD_RUSHING:
        v = r(RATING_SPEED) * 0.45f + r(RATING_QUICKNESS) * 0.45f;
        if (p == POSITION_TE)
            v -= 30.0f;
        else if (p == POSITION_WR)
            v -= 40.0f;
        else if (p == POSITION_T || p == POSITION_G || p == POSITION_C)
            v /= 3.0f;
        break;
    case CARD_GOAL_LINE:
        if (p == POSITION_QB || p == POSITION_RB || p == POSITION_FB)
            v = r(RATING_POWER);
        else if (p == POSITION_TE || p == POSITION_WR)
            v = (r(RATING_VISION) + r(RATING_POWER)) / 3.0f;
        else
            v = r(RATING_POWER) / 3.8f;
        break;
    case CARD_RECEIVING:
        v = Is_Receiver_Position(p) ? r(RATING_RECEIVING) : hands();
        break;
    case CARD_PASSING:
        v = p == POSITION_QB ? r(RATING_ACCURACY) : hands();
        break;
    case CARD_RED_ZONE:
        if (Is_Skill_Position(p)) {
            v = r(RATING_RED_ZONE);
        } else {
            v = 7.0f;
            v += r(RATING_RED_ZONE) * 0.2f;
            v += r(RATING_PASS_BLOCKING) * 0.2f;
        }
        break;
    case CARD_RUN_DEFENSE:
        v = r(RATING_RUN_DEFENSE) * 0.9f;
        break;
    case CARD_PASS_RUSH:
        v = r(RATING_PASS_RUSH) * 0.9f;
        break;
    case CARD_COVERAGE:
        v = r(RATING_PASS_COVERAGE) * 0.9f;
        break;
    case CARD_TACKLING:
        v = r(RATING_TACKLING) * 0.9f;
        break;
    default:
        return 0;
    }
    return static_cast<int32_t>(v);
}

// Truncating division, lowered by one when the sum S is negative and no
// multiple of the divisor.
int64_t Divide_Base(int64_t s, int64_t numerator, int64_t divisor) {
    int64_t w = numerator / divisor;
    if (s < 0 && s % divisor != 0) --w;
    return w;
}
} // namespace

const char* Get_Gridiron_Category_Name(int32_t stat) {
    if (stat >= GRIDIRON_FIRST_CATEGORY && stat < GRIDIRON_FIRST_CATEGORY + GRIDIRON_CATEGORIES)
        return CATEGORY_NAMES[stat - GRIDIRON_FIRST_CATEGORY];
    if (stat == GRIDIRON_SALARY_STAT) return "Salary";
    if (stat == GRIDIRON_VALUE_STAT) return "Value";
    return "";
}

int32_t Get_Gridiron_Player_Rating(int32_t team, int32_t slot, int32_t category) {
    if (!Has_Player(team, slot)) return 0;
    return Card_Rating(Universe.Teams[team].Players[slot], category);
}

void Compute_Gridiron_Levels(GRIDIRON_LEVELS* levels) {
    if (levels == nullptr) return;
    std::vector<float> ratings[GRIDIRON_CATEGORIES];
    int32_t teams = 0;
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team) {
        if (!Is_Used_Franchise_Slot(team)) continue;
        ++teams;
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            const PLAYER_RECORD& player = Universe.Teams[team].Players[slot];
            const int32_t position = player.Vital_Stats[VITAL_POSITION];
            if (player.Vital_Stats[0] == 0 || position < 0 || position >= NUMBER_OF_POSITIONS) continue;
            for (int32_t c = 0; c < GRIDIRON_CATEGORIES; ++c)
                if ((POOLS[c].Positions & Bit(position)) != 0)
                    ratings[c].push_back(
                        static_cast<float>(Card_Rating(player, GRIDIRON_FIRST_CATEGORY + c)));
        }
    }
    for (int32_t c = 0; c < GRIDIRON_CATEGORIES; ++c) {
        std::vector<float>& list = ratings[c];
        std::sort(list.begin(), list.end(), std::greater<float>());
        const size_t starters = static_cast<size_t>(teams * POOLS[c].Starters);
        if (list.empty()) {
            levels->Replacement[c] = 0.0f;
            levels->Median[c] = 1.0f;
            continue;
        }
        levels->Median[c] = list[std::min(starters / 2, list.size() - 1)];
        // The typical bench player: the middle of those past the starters.
        const size_t bench =
            starters < list.size() ? starters + (list.size() - starters) / 2 : list.size() - 1;
        levels->Replacement[c] = list[bench];
    }
}

int32_t Reduce_Gridiron_Rating(const GRIDIRON_LEVELS& levels, int32_t category, int32_t rating) {
    const int32_t c = category - GRIDIRON_FIRST_CATEGORY;
    if (c < 0 || c >= GRIDIRON_CATEGORIES) return 0;
    const float replacement = levels.Replacement[c];
    const float span = std::max(1.0f, levels.Median[c] - replacement);
    const float above = static_cast<float>(rating) - replacement;
    if (above <= 0.0f) return 0;
    const int32_t input = static_cast<int32_t>(above * static_cast<float>(GRIDIRON_STARTER_INPUT) / span);
    return std::min(input, GRIDIRON_INPUT_CAP);
}

int32_t Compute_Gridiron_Value(int32_t position, const int32_t inputs[GRIDIRON_CATEGORIES]) {
    const int64_t PB = inputs[0], RB = inputs[1], RU = inputs[2], GL = inputs[3], RC = inputs[4],
                  PA = inputs[5], RZ = inputs[6], PR = inputs[8], CV = inputs[9], TK = inputs[10];
    int64_t RD = inputs[7];
    int64_t w = 0;
    switch (position) {
    case POSITION_QB: {
        const int64_t s = (PA * PA * PA * 30 + 200) / 400 + (RZ * RZ * PA * 30 + 200) / 400 +
                          (RU * RU * PA * 23 + 200) / 400 + (GL * GL * PA * 17 + 200) / 400 - 1228;
        w = Divide_Base(s, s * 22000 + 4186, 8372);
        break;
    }
    case POSITION_RB:
    case POSITION_FB:
    case POSITION_TE:
    case POSITION_WR: {
        const int64_t s = (RU * RU * RU * 43 + 50) / 100 + ((GL * GL * GL + 1) * 50) / 100 +
                          (RC * RC * RC * 55 + 50) / 100 + (RZ * RZ * RZ * 65 + 50) / 100 +
                          (RB * RB * RB * 30 + 50) / 100 + (PB * PB * PB * 30 + 50) / 100;
        w = Divide_Base(s, s * 15000 + 22100, 44200);
        if (position == POSITION_WR) w -= 1300;
        break;
    }
    case POSITION_T:
    case POSITION_G:
    case POSITION_C: {
        const int64_t s = PB * PB * PB + RB * RB * RB - 8000;
        w = Divide_Base(s, s * 9200 + 13500, 27000) + 1000;
        break;
    }
    case POSITION_DE:
    case POSITION_DT:
    case POSITION_LB:
    case POSITION_CB:
    case POSITION_S: {
        // The front seven's run defense counts a little less: an input below 5
        // goes negative, and its cube then lowers the sum.
        if (position == POSITION_DE || position == POSITION_DT || position == POSITION_LB) RD -= 5;
        const int64_t s = TK * TK * TK + CV * CV * CV + PR * PR * PR + RD * RD * RD - 14000;
        w = Divide_Base(s, s * 15000 + 25000, 50000);
        break;
    }
    default:
        w = 0;
        break;
    }
    const int64_t x = std::clamp<int64_t>(w * 1000, -1000000000, 1000000000);
    int64_t s = static_cast<int64_t>(std::sqrt(static_cast<double>(x < 0 ? -x : x)) + 0.5);
    if (x < 0) s = -s;
    int64_t value = (3 * s) / 2 + (10 * w) / 19;
    if (value < 2000) value = (value + 8000) / 5;
    return static_cast<int32_t>(value);
}

int32_t Get_Gridiron_Player_Value(int32_t team, int32_t slot, const GRIDIRON_LEVELS& levels) {
    if (!Has_Player(team, slot)) return 0;
    const PLAYER_RECORD& player = Universe.Teams[team].Players[slot];
    int32_t inputs[GRIDIRON_CATEGORIES];
    for (int32_t c = 0; c < GRIDIRON_CATEGORIES; ++c)
        inputs[c] = Reduce_Gridiron_Rating(levels, GRIDIRON_FIRST_CATEGORY + c,
                                           Card_Rating(player, GRIDIRON_FIRST_CATEGORY + c));
    return Compute_Gridiron_Value(player.Vital_Stats[VITAL_POSITION], inputs);
}

int32_t Get_Gridiron_Player_Value(int32_t team, int32_t slot) {
    if (!Has_Player(team, slot)) return 0;
    GRIDIRON_LEVELS levels;
    Compute_Gridiron_Levels(&levels);
    return Get_Gridiron_Player_Value(team, slot, levels);
}

int32_t Get_Gridiron_Salary_For_Value(int32_t value, int32_t position, int32_t slot) {
    if (position < 0 || position >= NUMBER_OF_POSITIONS) return 0;
    int32_t salary = value;
    if (position < 13) {
        for (int32_t i = 0; i < 9; ++i)
            if (value < SALARY_THRESHOLDS[position][i]) {
                salary = SALARY_LEVELS[i];
                break;
            }
    }
    if (slot == 0) salary = std::max(salary, 2);
    return std::clamp(salary, 0, SALARY_MAXIMUM[position]);
}

int32_t Get_Gridiron_Player_Salary(int32_t team, int32_t slot) {
    if (!Has_Player(team, slot)) return 0;
    return Get_Gridiron_Salary_For_Value(Get_Gridiron_Player_Value(team, slot),
                                         Universe.Teams[team].Players[slot].Vital_Stats[VITAL_POSITION],
                                         slot);
}
