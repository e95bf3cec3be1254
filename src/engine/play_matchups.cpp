#include "engine/play_matchups.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "app/diagnostics.h"
#include "database/random_numbers.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "engine/formations.h"
#include "engine/game_record.h"
#include "engine/playbook_records.h"
#include "playbooks/playbook_queries.h"

int32_t Offensive_Play_Use_Counts[2][OFFENSIVE_PLAY_NUMBERS];
int32_t Defensive_Play_Use_Counts[2][DEFENSIVE_PLAY_NUMBERS];

namespace {

constexpr int32_t REDUNDANCY_FLOOR = 500;
constexpr float MINIMUM_PASS_FACTOR = 0.1f;
constexpr float RUN_MATCHUP_HIGH = 1.66f;
constexpr float RUN_MATCHUP_LOW = 0.6024096f;

// Lateral place of each run hole: odd holes to the left, even to the right,
// further out as the number grows.
constexpr int32_t HOLE_LATERAL_PLACE[10] = {1, -1, 3, -3, 5, -5, 7, -7, 9, -9};

int32_t Use_Count(const int32_t* counts, int32_t plays, int32_t play) {
    // A play number outside the table has never been called.
    if (play < 0 || play >= plays) return 0;
    return counts[play] < 0 ? 0 : counts[play];
}

bool Is_Human_Franchise(int32_t team) {
    return team >= 0 && team < MAX_FRANCHISES && Get_Team_Stat(team, TEAM_STAT_CONTROL) == TEAM_CONTROL_HUMAN;
}

bool Is_Game_Watched_This_Week(const GAME_RECORD* pGame) {
    int32_t week = Get_User_Preference(CURRENT_WEEK);
    return Get_Team_Week_Schedule_Stat_1(pGame->Team[0], week) != 0 ||
           Get_Team_Week_Schedule_Stat_1(pGame->Team[1], week) != 0;
}

// Difficulty handicap of a watched game: a human offence's calls wear out
// sooner, a computer offence's against a human defence later.
int32_t Watched_Game_Adjustment(const GAME_RECORD* pGame) {
    if (Get_User_Preference(SIMULATION_RUNNING) == 0 || !Is_Game_Watched_This_Week(pGame)) return 0;
    int32_t k = 25 * Get_User_Preference(DIFFICULTY_LEVEL);
    int32_t offense = pGame->Possession_Team;
    int32_t defense = pGame->Team[Get_Defense_Side(pGame)];
    if (Is_Human_Franchise(offense) && Get_User_Preference(MULTI_SEASON_SIMULATION) == 0) return -k;
    if (Is_Human_Franchise(defense)) return k;
    return 0;
}

} // namespace

void Clear_Play_Use_Counts() {
    // A game kicks off: the playbooks are read afresh.
    Forget_Playbook_Readings();
    std::memset(Offensive_Play_Use_Counts, 0, sizeof Offensive_Play_Use_Counts);
    std::memset(Defensive_Play_Use_Counts, 0, sizeof Defensive_Play_Use_Counts);
}

int32_t Get_Offensive_Redundancy_Adjustment(const GAME_RECORD* pGame) {
    return Watched_Game_Adjustment(pGame);
}

int32_t Get_Offensive_Play_Redundancy_Multiplier(const GAME_RECORD* pGame, int32_t play) {
    if (pGame == nullptr) return 1000;
    int32_t side = Get_Offense_Side(pGame);
    int32_t uses = Use_Count(Offensive_Play_Use_Counts[side], OFFENSIVE_PLAY_NUMBERS, play);
    return Offensive_Redundancy_From_Uses(uses, Watched_Game_Adjustment(pGame));
}

int32_t Offensive_Redundancy_From_Uses(int32_t uses, int32_t adjustment) {
    if (uses < 0) uses = 0;
    int32_t m = Mul_Div_Round(20000, 1, uses + 20) + adjustment;
    if (m < 0)
        Report_System_Error("Negative nMultiplier calculated by Get_Offensive_Play_Redundancy_Multiplier()");
    return m < REDUNDANCY_FLOOR ? REDUNDANCY_FLOOR : m;
}

int32_t Get_Defensive_Play_Redundancy_Multiplier(const GAME_RECORD* pGame, int32_t play) {
    if (pGame == nullptr) return 1000;
    int32_t side = Get_Defense_Side(pGame);
    int32_t uses = Use_Count(Defensive_Play_Use_Counts[side], DEFENSIVE_PLAY_NUMBERS, play);
    int32_t m = Mul_Div_Round(50000, 1, uses + 50);
    if (m < 0)
        Report_System_Error("Negative nMultiplier calculated by Get_Defensive_Play_Redundancy_Multiplier()");
    return m < REDUNDANCY_FLOOR ? REDUNDANCY_FLOOR : m;
}

int32_t Get_Coverage_Redundancy_Sum(const GAME_RECORD* pGame, int32_t o, int32_t d) {
    if (pGame == nullptr) return 1000 + 3000;
    Get_Pass_Coverage_Multiplier(pGame->Possession_Team, o, pGame->Team[Get_Defense_Side(pGame)], d);
    return Get_Offensive_Play_Redundancy_Multiplier(pGame, o) + 3000;
}

int32_t Get_Pass_Rush_Redundancy_Sum(const GAME_RECORD* pGame, int32_t o, int32_t d) {
    if (pGame == nullptr) return 1000 + 3000;
    Get_Pass_Rush_Multiplier(pGame->Possession_Team, o, pGame->Team[Get_Defense_Side(pGame)], d);
    return Get_Offensive_Play_Redundancy_Multiplier(pGame, o) + 3000;
}

int32_t Get_Primary_Route_Depth(int32_t team, int32_t play) {
    // Receivers are on-field slots 1-5; the route accessor reports any other.
    int32_t receiver = Get_Offensive_Play_Primary_Receiver(team, play) - 1;
    int32_t route = Get_Offensive_Play_Route(team, play, receiver);
    return Get_Pass_Route_Catch_Depth(route);
}

void Read_Pass_Call_Facts(int32_t oteam, int32_t o, OFFENSIVE_CALL_FACTS* facts) {
    facts->Depth = Get_Primary_Route_Depth(oteam, o);
    facts->Special = Is_Special_Pass_Play(oteam, o);
    facts->Draw = false;
    facts->Hole = 0;
}

void Read_Run_Call_Facts(int32_t oteam, int32_t o, OFFENSIVE_CALL_FACTS* facts) {
    facts->Depth = 0;
    facts->Special = false;
    facts->Draw = Get_Offensive_Play_Type(oteam, o) == PLAY_TYPE_DRAW;
    facts->Hole = Get_Offensive_Play_Depth(oteam, o);
}

void Read_Defensive_Call_Facts(int32_t dteam, int32_t d, DEFENSIVE_CALL_FACTS* facts) {
    const DEFENSIVE_PLAY* play = Find_Defensive_Play(dteam, d);
    facts->Formation = play != nullptr ? play->Formation : -1;
    facts->Role_18 = false;
    // A formation in the catalogue is read straight from it; any other is
    // asked slot by slot, to report the fault as often as before.
    const FORMATION_POINT* points =
        Is_Valid_Formation(facts->Formation) ? Formation_Coordinate_Table[facts->Formation] : nullptr;
    for (int32_t k = 0; k < PLAYERS_ON_FIELD; ++k) {
        facts->Roles[k] = play != nullptr ? play->Roles[k] : Get_Defensive_Play_Role(dteam, d, k);
        if (facts->Roles[k] == 18) facts->Role_18 = true;
        if (points != nullptr) {
            facts->X[k] = points[k].X;
            facts->Y[k] = points[k].Y;
        } else {
            Get_Formation_Coordinate(facts->Formation, k, &facts->X[k], &facts->Y[k]);
        }
    }
}

float Get_Pass_Rush_Multiplier(int32_t oteam, int32_t o, int32_t dteam, int32_t d) {
    OFFENSIVE_CALL_FACTS offense;
    DEFENSIVE_CALL_FACTS defense;
    Read_Pass_Call_Facts(oteam, o, &offense);
    Read_Defensive_Call_Facts(dteam, d, &defense);
    return Pass_Rush_Multiplier(offense, defense);
}

float Get_Pass_Coverage_Multiplier(int32_t oteam, int32_t o, int32_t dteam, int32_t d) {
    OFFENSIVE_CALL_FACTS offense;
    DEFENSIVE_CALL_FACTS defense;
    Read_Pass_Call_Facts(oteam, o, &offense);
    Read_Defensive_Call_Facts(dteam, d, &defense);
    return Pass_Coverage_Multiplier(offense, defense);
}

float Get_Pass_Defense_Multiplier(int32_t oteam, int32_t o, int32_t dteam, int32_t d) {
    OFFENSIVE_CALL_FACTS offense;
    DEFENSIVE_CALL_FACTS defense;
    Read_Pass_Call_Facts(oteam, o, &offense);
    Read_Defensive_Call_Facts(dteam, d, &defense);
    return Pass_Defense_Multiplier(offense, defense);
}

int32_t Get_Game_Pass_Rush_Multiplier(int32_t oteam, int32_t o, int32_t dteam, int32_t d) {
    OFFENSIVE_CALL_FACTS offense;
    DEFENSIVE_CALL_FACTS defense;
    Read_Run_Call_Facts(oteam, o, &offense);
    Read_Defensive_Call_Facts(dteam, d, &defense);
    return Game_Pass_Rush_Multiplier(offense, defense);
}

namespace {
// A defender's share of the pass rush multiplier by role, in thousandths;
// false for a role the rush does not know.
bool Pass_Rush_Share(int32_t role, int32_t depth, bool special, int32_t* add) {
    if (role == 0)
        *add = special ? 0 : (depth + 30) * 3;
    else if (role >= 1 && role <= 3)
        *add = special ? 0 : (depth + 16) * 5;
    else if (role == 4 || role == 5)
        *add = 50;
    else if (role == 6 || role == 7)
        *add = -150;
    else if (role >= 8 && role <= 11)
        *add = -40;
    else if (role >= 12 && role <= 18)
        *add = -50;
    else
        return false;
    return true;
}

// A defender's share of the pass coverage by role; false for a role the
// coverage does not know.
bool Coverage_Share(int32_t role, int32_t depth, bool special, double* share) {
    double c = 0.0;
    switch (role) {
    case 0:
    case 1:
    case 2:
    case 3:
        c = special ? -0.105 : -0.065;
        break;
    case 4:
    case 5:
        c = -0.105;
        break;
    case 6:
        c = -0.175;
        break;
    case 7:
        c = special ? -0.045 : -0.005 * depth - 0.1;
        break;
    case 8:
        c = 0.022 * depth - 0.11;
        break;
    case 9:
        c = 0.29 - 0.025 * std::abs(5 - depth);
        break;
    case 10:
        c = special ? 0.025 : 0.22 - 0.01 * depth;
        break;
    case 11:
        c = special ? 0.185 : 0.105;
        break;
    case 12:
        c = 0.25 - 0.015 * std::abs(3 - depth);
        break;
    case 13:
        c = 0.18 - 0.005 * depth;
        break;
    case 14:
        c = 0.12;
        break;
    case 15:
        c = 0.17 - 0.005 * depth;
        break;
    case 16:
        c = 0.07 + 0.005 * depth;
        break;
    case 17:
        c = 0.26 - 0.015 * depth;
        break;
    case 18:
        c = 0.08 - 0.002 * depth;
        break;
    default:
        *share = 0.0;
        return false;
    }
    *share = c;
    return true;
}

// A defender's share of the run defence by role; `across` is his x times the
// hole's lateral place. False for a role the run defence does not know.
bool Run_Stop_Share(int32_t role, bool draw, int32_t hole, int32_t across, int32_t* share) {
    int32_t b = 0;
    switch (role) {
    case 0:
        // A rusher who charges upfield runs past a draw.
        b = draw ? -100 : -60;
        break;
    case 1:
    case 3:
        b = draw ? -120 : -70;
        break;
    case 2:
        b = draw ? -70 : -50;
        break;
    case 4:
    case 5:
        b = draw ? 50 : 25;
        break;
    case 6:
        b = 15 * (10 - hole) + (draw ? 150 : 0);
        break;
    case 7:
        b = 15 * hole + (draw ? 225 : 0);
        break;
    case 8:
        b = -80;
        break;
    case 9:
    case 10:
    case 15:
    case 17:
        b = -35;
        break;
    case 11:
        b = across >= 0 ? 15 * hole : -70;
        break;
    case 12:
    case 13:
    case 14:
    case 16:
    case 18:
        b = -60;
        break;
    default:
        *share = 0;
        return false;
    }
    *share = b;
    return true;
}

int32_t Hole_Lateral_Place(int32_t hole) {
    return (hole >= 0 && hole <= 9) ? HOLE_LATERAL_PLACE[hole] : 0;
}

float Combine_Pass_Defense(float c, float r, bool role_18, int32_t depth) {
    float b = role_18 ? 0.05f : 0.0f;
    float v = (3.0f * (c + b) + 3.0f * r - 1.0f) / 5.0f;
    // Short throws are easier to defend.
    if (depth < 12) v = v + static_cast<float>(12 - depth) * 0.007f;
    return v < MINIMUM_PASS_FACTOR ? MINIMUM_PASS_FACTOR : v;
}

int32_t Finish_Run_Stop(int32_t total) {
    int32_t result = Mul_Div_Round(total, 1000, 900);
    return result < 100 ? 100 : result;
}

// Depths within this bound keep every partial sum of the pass rush a whole
// number that a float holds exactly, so the sum may be taken in any order.
constexpr int32_t EXACT_RUSH_DEPTH = 10000;
} // namespace

float Pass_Rush_Multiplier(const OFFENSIVE_CALL_FACTS& o, const DEFENSIVE_CALL_FACTS& d) {
    const int32_t depth = o.Depth;
    const bool special = o.Special;
    float total = 1000.0f;
    for (int32_t k = 0; k < PLAYERS_ON_FIELD; ++k) {
        int32_t add = 0;
        if (!Pass_Rush_Share(d.Roles[k], depth, special, &add))
            Report_System_Error("Unhandled defensive responsbility in Get_Pass_Rush_Multiplier()");
        total += static_cast<float>(add);
    }
    float result = total / 1000.0f;
    return result < MINIMUM_PASS_FACTOR ? MINIMUM_PASS_FACTOR : result;
}

float Pass_Coverage_Multiplier(const OFFENSIVE_CALL_FACTS& o, const DEFENSIVE_CALL_FACTS& d) {
    const int32_t depth = o.Depth;
    const bool special = o.Special;
    float total = 1.0f;
    for (int32_t k = 0; k < PLAYERS_ON_FIELD; ++k) {
        double c = 0.0;
        if (!Coverage_Share(d.Roles[k], depth, special, &c))
            Report_System_Error("Unhandled defensive responsbility in Get_Pass_Coverage_Multiplier()");
        const double x = d.X[k];
        const double y = d.Y[k];
        // Defenders lined up wider or deeper cover a little more.
        total = static_cast<float>(total + (c + (x + y) * 0.004 - 0.04));
    }
    return total < MINIMUM_PASS_FACTOR ? MINIMUM_PASS_FACTOR : total;
}

float Pass_Defense_Multiplier(const OFFENSIVE_CALL_FACTS& o, const DEFENSIVE_CALL_FACTS& d) {
    const float c = Pass_Coverage_Multiplier(o, d);
    const float r = Pass_Rush_Multiplier(o, d);
    return Combine_Pass_Defense(c, r, d.Role_18, o.Depth);
}

int32_t Game_Pass_Rush_Multiplier(const OFFENSIVE_CALL_FACTS& o, const DEFENSIVE_CALL_FACTS& d) {
    const bool draw = o.Draw;
    const int32_t hole = o.Hole;
    const int32_t hx = Hole_Lateral_Place(hole);
    int32_t total = 1000;
    for (int32_t k = 0; k < PLAYERS_ON_FIELD; ++k) {
        int32_t x = static_cast<int32_t>(d.X[k]);
        int32_t y = static_cast<int32_t>(d.Y[k]);
        int32_t b = 0;
        if (!Run_Stop_Share(d.Roles[k], draw, hole, x * hx, &b))
            Report_System_Error("Unhandled defensive responsbility in Get_Game_Pass_Rush_Multiplier()");
        // Defenders near the hole and close to the line count most.
        int32_t dist = std::abs(hx - x);
        int32_t v = 3 * ((10 - y) - dist) + b;
        total += Mul_Div_Round(15, v, dist + 10);
    }
    return Finish_Run_Stop(total);
}

namespace {
// The coverage and rush of a pass against a defensive call depend only on the
// pass's catch depth and whether it is special, and on the call's formation
// and roles (its defenders stand where the catalogue puts the formation). They
// are kept by exactly those, checked in full on use; a call whose formation
// is not in the catalogue or with a role the multipliers do not know is worked
// out every time, to report the fault as often as before. A kept answer has
// its place by the defending team, its call and the depth, so that the calls
// of one game seldom share a place.
struct KEPT_PASS_MATCHUP {
    int32_t Depth;
    bool Known;
    bool Special;
    int8_t Formation;
    int8_t Roles[PLAYERS_ON_FIELD];
    PASS_MATCHUP Matchup;
};
constexpr uint32_t KEPT_PASS_MATCHUPS = 4096;
KEPT_PASS_MATCHUP Kept_Pass_Matchups[KEPT_PASS_MATCHUPS];
static_assert(NUMBER_OF_FORMATIONS <= INT8_MAX && MATCHUP_ROLES <= INT8_MAX);

// The call's formation and roles in the kept form, or false when its answers
// are not kept.
bool Read_Kept_Call(const DEFENSIVE_PLAY* play, int8_t* formation, int8_t* roles) {
    if (play == nullptr || !Is_Valid_Formation(play->Formation)) return false;
    for (int32_t k = 0; k < PLAYERS_ON_FIELD; ++k) {
        if (play->Roles[k] < 0 || play->Roles[k] >= MATCHUP_ROLES) return false;
        roles[k] = static_cast<int8_t>(play->Roles[k]);
    }
    *formation = static_cast<int8_t>(play->Formation);
    return true;
}
} // namespace

PASS_MATCHUP Get_Pass_Matchup(int32_t oteam, int32_t o, int32_t dteam, int32_t d) {
    OFFENSIVE_CALL_FACTS offense;
    Read_Pass_Call_Facts(oteam, o, &offense);
    int8_t formation = 0;
    int8_t roles[PLAYERS_ON_FIELD];
    KEPT_PASS_MATCHUP* kept = nullptr;
    if (Read_Kept_Call(Find_Defensive_Play(dteam, d), &formation, roles)) {
        const uint32_t call =
            static_cast<uint32_t>(dteam) * DEFENSIVE_PLAY_NUMBERS + static_cast<uint32_t>(d);
        kept = &Kept_Pass_Matchups[(call * 32u + (static_cast<uint32_t>(offense.Depth) & 31u)) %
                                   KEPT_PASS_MATCHUPS];
        if (kept->Known && kept->Depth == offense.Depth && kept->Special == offense.Special &&
            kept->Formation == formation && std::memcmp(kept->Roles, roles, sizeof roles) == 0)
            return kept->Matchup;
    }
    DEFENSIVE_CALL_FACTS defense;
    Read_Defensive_Call_Facts(dteam, d, &defense);
    const PASS_MATCHUP matchup{Pass_Coverage_Multiplier(offense, defense),
                               Pass_Rush_Multiplier(offense, defense)};
    if (kept != nullptr) {
        kept->Known = true;
        kept->Depth = offense.Depth;
        kept->Special = offense.Special;
        kept->Formation = formation;
        std::memcpy(kept->Roles, roles, sizeof roles);
        kept->Matchup = matchup;
    }
    return matchup;
}

void Prepare_Matchup_Column(const DEFENSIVE_CALL_FACTS& d, MATCHUP_COLUMN* column) {
    column->Facts = &d;
    column->Known_Roles = true;
    column->Rushers_0 = 0;
    column->Rushers_1_3 = 0;
    column->Other_Rush = 0;
    for (int32_t k = 0; k < PLAYERS_ON_FIELD; ++k) {
        const int32_t role = d.Roles[k];
        int32_t add = 0;
        if (!Pass_Rush_Share(role, 0, true, &add))
            column->Known_Roles = false;
        else if (role == 0)
            ++column->Rushers_0;
        else if (role <= 3)
            ++column->Rushers_1_3;
        else
            column->Other_Rush += add;
        column->Spread[k] = (d.X[k] + d.Y[k]) * 0.004;
        column->Whole_X[k] = static_cast<int32_t>(d.X[k]);
        column->Whole_Y[k] = static_cast<int32_t>(d.Y[k]);
    }
}

void Prepare_Pass_Matchup_Row(const OFFENSIVE_CALL_FACTS& o, MATCHUP_ROW* row) {
    row->Facts = &o;
    for (int32_t role = 0; role < MATCHUP_ROLES; ++role)
        Coverage_Share(role, o.Depth, o.Special, &row->Coverage[role]);
}

void Prepare_Run_Matchup_Row(const OFFENSIVE_CALL_FACTS& o, MATCHUP_ROW* row) {
    row->Facts = &o;
    row->Lateral = Hole_Lateral_Place(o.Hole);
    for (int32_t role = 0; role < MATCHUP_ROLES; ++role)
        Run_Stop_Share(role, o.Draw, o.Hole, 0, &row->Run_Stop[role]);
}

float Table_Pass_Defense_Multiplier(const MATCHUP_ROW& row, const MATCHUP_COLUMN& column) {
    const OFFENSIVE_CALL_FACTS& o = *row.Facts;
    const DEFENSIVE_CALL_FACTS& d = *column.Facts;
    const int32_t depth = o.Depth;
    if (!column.Known_Roles || depth > EXACT_RUSH_DEPTH || depth < -EXACT_RUSH_DEPTH)
        return Pass_Defense_Multiplier(o, d);
    float total = 1.0f;
    for (int32_t k = 0; k < PLAYERS_ON_FIELD; ++k)
        total = static_cast<float>(total + (row.Coverage[d.Roles[k]] + column.Spread[k] - 0.04));
    const float c = total < MINIMUM_PASS_FACTOR ? MINIMUM_PASS_FACTOR : total;
    int32_t rush = 1000 + column.Other_Rush;
    if (!o.Special) rush += column.Rushers_0 * (depth + 30) * 3 + column.Rushers_1_3 * (depth + 16) * 5;
    float r = static_cast<float>(rush) / 1000.0f;
    if (r < MINIMUM_PASS_FACTOR) r = MINIMUM_PASS_FACTOR;
    return Combine_Pass_Defense(c, r, d.Role_18, depth);
}

int32_t Table_Game_Pass_Rush_Multiplier(const MATCHUP_ROW& row, const MATCHUP_COLUMN& column) {
    if (!column.Known_Roles) return Game_Pass_Rush_Multiplier(*row.Facts, *column.Facts);
    const DEFENSIVE_CALL_FACTS& d = *column.Facts;
    const int32_t hx = row.Lateral;
    const int32_t hole = row.Facts->Hole;
    int32_t total = 1000;
    for (int32_t k = 0; k < PLAYERS_ON_FIELD; ++k) {
        const int32_t x = column.Whole_X[k];
        const int32_t role = d.Roles[k];
        const int32_t b = role == 11 ? (x * hx >= 0 ? 15 * hole : -70) : row.Run_Stop[role];
        // Defenders near the hole and close to the line count most.
        const int32_t dist = std::abs(hx - x);
        const int32_t v = 3 * ((10 - column.Whole_Y[k]) - dist) + b;
        total += Mul_Div_Round(15, v, dist + 10);
    }
    return Finish_Run_Stop(total);
}

float Get_Run_Matchup_Multiplier(const GAME_RECORD* pGame, int32_t o, int32_t d) {
    if (pGame == nullptr) return 1.0f;
    int32_t offense = pGame->Possession_Team;
    int32_t defense = pGame->Team[Get_Defense_Side(pGame)];
    int32_t run_defense = Get_Game_Pass_Rush_Multiplier(offense, o, defense, d);
    int32_t defensive_redundancy = Get_Defensive_Play_Redundancy_Multiplier(pGame, d);
    int32_t offensive_redundancy = Get_Offensive_Play_Redundancy_Multiplier(pGame, o);
    float g = static_cast<float>(run_defense) / 1000.0f * static_cast<float>(defensive_redundancy + 1000) /
              static_cast<float>(offensive_redundancy + 1000);
    // Soft clamp: values beyond the inner bounds move halfway back towards them.
    const float hi = static_cast<float>(std::sqrt(1.66));
    const float lo = static_cast<float>(std::sqrt(0.6024096));
    if (g > hi)
        g = (hi + g) / 2.0f;
    else if (g < lo)
        g = (lo + g) / 2.0f;
    if (g > RUN_MATCHUP_HIGH) g = RUN_MATCHUP_HIGH;
    if (g < RUN_MATCHUP_LOW) g = RUN_MATCHUP_LOW;
    return g;
}

int32_t Get_Team_Offensive_System_Match(int32_t team, int32_t formation) {
    // Teams without a record of their own (255 the defaults) play system 0.
    int32_t system =
        (team >= 0 && team < TOTAL_NUMBER_OF_TEAMS) ? Get_Team_Stat(team, TEAM_STAT_OFFENSIVE_SYSTEM) : 0;
    int32_t match = Get_Offensive_Formation_System_Match(system, formation);
    if (match < 0) Report_System_Error("Negative nMatch calculated by Get_Team_Offensive_System_Match()");
    return match < 100 ? 100 : match;
}

int32_t Get_Play_Yardage(int32_t team, int32_t play) {
    int32_t type = Get_Offensive_Play_Type(team, play);
    int32_t s = Get_Offensive_Play_Primary_Receiver(team, play);
    int32_t h = Get_Offensive_Play_Depth(team, play);
    int32_t base = h / 2 + 1;
    switch (type) {
    case PLAY_TYPE_RUSH:
    case PLAY_TYPE_COUNTER: {
        int32_t yards;
        if (s == 0)
            yards = h >= 4 ? h / 2 + 3 : base;
        else if (s == 1)
            yards = h / 2 + 3;
        else if (s == 2)
            yards = h / 2 + 2;
        else if (s > 2)
            yards = h < 8 ? h / 2 + 4 : h / 2 + 6;
        else
            yards = base;
        if (Has_Receiver_Route_40(team, play)) yards -= 2;
        return yards < 1 ? 1 : yards;
    }
    case PLAY_TYPE_TOSS:
    case PLAY_TYPE_TRAP:
        return h / 2 + 3;
    case PLAY_TYPE_SWEEP:
    case PLAY_TYPE_END_AROUND:
        return h / 2 + 6;
    case PLAY_TYPE_DRAW:
    case PLAY_TYPE_DOUBLE_REVERSE:
    case PLAY_TYPE_REVERSE:
        return base + 8;
    case PLAY_TYPE_PASS:
    case PLAY_TYPE_ROLLOUT:
    case PLAY_TYPE_BOOTLEG:
    case PLAY_TYPE_SCREEN:
    case PLAY_TYPE_FLEA_FLICKER:
    case PLAY_TYPE_HALFBACK_PASS:
    case PLAY_TYPE_RECEIVER_PASS:
    case PLAY_TYPE_FAKE_REVERSE: {
        int32_t depth = Get_Primary_Route_Depth(team, play);
        return depth > 0 ? depth : base + 8;
    }
    case PLAY_TYPE_PUNT:
    case PLAY_TYPE_FIELD_GOAL:
        return -1;
    default:
        Report_System_Error("Unhandled nPlayType in Get_Play_Yardage()");
        return base;
    }
}
