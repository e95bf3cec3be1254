#include "engine/team_unit_ratings.h"

#include <cstring>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/team_record.h"
#include "database/team_results.h"
#include "database/universe.h"
#include "engine/game_driver.h"
#include "engine/roster_index.h"

namespace {

// What a missing player reads for every rating and value. An empty position
// weakens the unit without a player being created or re-drawn for it.
constexpr int32_t MISSING_PLAYER_VALUE = 20;

// Passing bonuses count only the part of a receiving composite above this.
constexpr int32_t BONUS_THRESHOLD = 75;
constexpr int32_t PASS_RUSH_BONUS_THRESHOLD = 90;

constexpr int32_t STARTERS_DIVISOR = 25;
constexpr int32_t UNITS = 3;
constexpr int32_t UNIT_QUOTA[UNITS] = {11, 11, 2};

bool Is_Present(int32_t team, int32_t slot) {
    return slot != NO_PLAYER && Is_Player_Address(team, slot) && Is_Player_Slot_Used(team, slot);
}

// The n-th (0-based) player of a position in slot order, or NO_PLAYER.
int32_t Nth_Player(const ROSTER_INDEX& index, int32_t position, int32_t n) {
    const int32_t slot = Indexed_Position_Player(index, position, n);
    return slot < 0 ? NO_PLAYER : slot;
}

int32_t Rating(int32_t team, int32_t slot, int32_t rating) {
    if (!Is_Present(team, slot)) return MISSING_PLAYER_VALUE;
    return static_cast<int32_t>(Get_Player_Rating(team, slot, rating));
}

// Position value: the player's evaluation at his own position, his ratings
// drawn again first when it is below 25.
int32_t Position_Value(int32_t team, int32_t slot) {
    if (!Is_Present(team, slot)) return MISSING_PLAYER_VALUE;
    return static_cast<int32_t>(Ensure_Player_Minimum_Rating(team, slot));
}

// Adds f * (v - threshold) when v is above the threshold, truncating the sum.
int32_t Add_Bonus(int32_t total, double f, int32_t v, int32_t threshold) {
    if (v <= threshold) return total;
    return static_cast<int32_t>(total + f * (v - threshold));
}

// Front players in the order DE1, DE2, DT1, DT2, LB1-LB4.
void Find_Front_Players(const ROSTER_INDEX& index, int32_t* slots) {
    slots[0] = Nth_Player(index, POSITION_DE, 0);
    slots[1] = Nth_Player(index, POSITION_DE, 1);
    slots[2] = Nth_Player(index, POSITION_DT, 0);
    slots[3] = Nth_Player(index, POSITION_DT, 1);
    for (int32_t i = 0; i < 4; ++i)
        slots[4 + i] = Nth_Player(index, POSITION_LB, i);
}

// Linemen in the order T1, T2, G1, G2, C1.
void Find_Linemen(const ROSTER_INDEX& index, int32_t* slots) {
    slots[0] = Nth_Player(index, POSITION_T, 0);
    slots[1] = Nth_Player(index, POSITION_T, 1);
    slots[2] = Nth_Player(index, POSITION_G, 0);
    slots[3] = Nth_Player(index, POSITION_G, 1);
    slots[4] = Nth_Player(index, POSITION_C, 0);
}

// A franchise slot in use or one of the pool slots 36-40.
bool Is_Rated_Team(int32_t team) {
    return Is_Valid_Team_Code(team) != 0;
}

int32_t Special_Teams_Rating(const ROSTER_INDEX& index) {
    const int32_t team = index.Team;
    SPECIAL_TEAMS_UNIT_VALUES v{};
    int32_t kicker = Nth_Player(index, POSITION_K, 0);
    int32_t punter = Nth_Player(index, POSITION_P, 0);
    int32_t kick_returner = Get_Team_Returner(team, 0);
    int32_t punt_returner = Get_Team_Returner(team, 1);
    v.Kicker_Value = Position_Value(team, kicker);
    v.Kicker_FG_Accuracy = Rating(team, kicker, RATING_FG_ACCURACY);
    v.Kicker_FG_Distance = Rating(team, kicker, RATING_FG_DISTANCE);
    v.Punter_Value = Position_Value(team, punter);
    v.Punter_Punt_Distance = Rating(team, punter, RATING_PUNT_DISTANCE);
    v.Punt_Returner_Punt_Returns = Rating(team, punt_returner, RATING_PUNT_RETURNS);
    v.Kick_Returner_Kick_Returns = Rating(team, kick_returner, RATING_KICK_RETURNS);
    return Compute_Special_Teams_Rating(v);
}

int32_t Run_Defense_Rating(const ROSTER_INDEX& index) {
    const int32_t team = index.Team;
    RUN_DEFENSE_UNIT_VALUES v{};
    int32_t front[UNIT_FRONT_PLAYERS];
    Find_Front_Players(index, front);
    int32_t safeties[2] = {Nth_Player(index, POSITION_S, 0), Nth_Player(index, POSITION_S, 1)};
    for (int32_t i = 0; i < UNIT_FRONT_PLAYERS; ++i)
        v.Front_Run_Defense[i] = Rating(team, front[i], RATING_RUN_DEFENSE);
    for (int32_t i = 0; i < 2; ++i)
        v.Safety_Run_Defense[i] = Rating(team, safeties[i], RATING_RUN_DEFENSE);
    for (int32_t i = 0; i < UNIT_FRONT_PLAYERS; ++i)
        v.Front_Value[i] = Position_Value(team, front[i]);
    return Compute_Run_Defense_Rating(v);
}

int32_t Pass_Defense_Rating(const ROSTER_INDEX& index) {
    const int32_t team = index.Team;
    PASS_DEFENSE_UNIT_VALUES v{};
    int32_t front[UNIT_FRONT_PLAYERS];
    Find_Front_Players(index, front);
    int32_t corners[2] = {Nth_Player(index, POSITION_CB, 0), Nth_Player(index, POSITION_CB, 1)};
    int32_t safeties[2] = {Nth_Player(index, POSITION_S, 0), Nth_Player(index, POSITION_S, 1)};
    for (int32_t i = 0; i < 2; ++i)
        v.Corner_Pass_Coverage[i] = Rating(team, corners[i], RATING_PASS_COVERAGE);
    for (int32_t i = 0; i < 2; ++i)
        v.Corner_Value[i] = Position_Value(team, corners[i]);
    for (int32_t i = 0; i < 2; ++i)
        v.Safety_Value[i] = Position_Value(team, safeties[i]);
    for (int32_t i = 0; i < 2; ++i)
        v.Safety_Pass_Coverage[i] = Rating(team, safeties[i], RATING_PASS_COVERAGE);
    for (int32_t i = 0; i < UNIT_FRONT_PLAYERS; ++i)
        v.Front_Pass_Rush[i] = Rating(team, front[i], RATING_PASS_RUSH);
    return Compute_Pass_Defense_Rating(v);
}

int32_t Passing_Rating(const ROSTER_INDEX& index) {
    const int32_t team = index.Team;
    PASSING_UNIT_VALUES v{};
    int32_t quarterback = Nth_Player(index, POSITION_QB, 0);
    int32_t receivers[5];
    for (int32_t i = 0; i < 5; ++i)
        receivers[i] = Nth_Player(index, POSITION_WR, i);
    int32_t line[UNIT_LINEMEN];
    Find_Linemen(index, line);
    v.Quarterback_Value = Position_Value(team, quarterback);
    v.Quarterback_Accuracy = Rating(team, quarterback, RATING_ACCURACY);
    v.Quarterback_Distance = Rating(team, quarterback, RATING_DISTANCE);
    v.Quarterback_Control = Rating(team, quarterback, RATING_CONTROL);
    v.Quarterback_Red_Zone = Rating(team, quarterback, RATING_RED_ZONE);
    // WR1 and WR2 in full, then WR3-WR5 at a third.
    for (int32_t i = 0; i < 2; ++i)
        v.Receiver_Receiving[i] = Rating(team, receivers[i], RATING_RECEIVING_COMPOSITE);
    for (int32_t i = 0; i < 2; ++i)
        v.Receiver_Value[i] = Position_Value(team, receivers[i]);
    for (int32_t i = 2; i < 5; ++i)
        v.Receiver_Receiving[i] = Rating(team, receivers[i], RATING_RECEIVING_COMPOSITE);
    for (int32_t i = 2; i < 5; ++i)
        v.Receiver_Value[i] = Position_Value(team, receivers[i]);
    for (int32_t i = 0; i < UNIT_LINEMEN; ++i)
        v.Line_Pass_Blocking[i] = Rating(team, line[i], RATING_PASS_BLOCKING);
    v.Tight_End_Receiving[0] = Rating(team, Nth_Player(index, POSITION_TE, 0), RATING_RECEIVING_COMPOSITE);
    v.Tight_End_Receiving[1] = Rating(team, Nth_Player(index, POSITION_TE, 1), RATING_RECEIVING_COMPOSITE);
    v.Back_Receiving = Rating(team, Nth_Player(index, POSITION_RB, 0), RATING_RECEIVING_COMPOSITE);
    v.Fullback_Receiving = Rating(team, Nth_Player(index, POSITION_FB, 0), RATING_RECEIVING_COMPOSITE);
    return Compute_Passing_Rating(v);
}

int32_t Running_Rating(const ROSTER_INDEX& index) {
    const int32_t team = index.Team;
    RUNNING_UNIT_VALUES v{};
    int32_t line[UNIT_LINEMEN];
    Find_Linemen(index, line);
    int32_t tight_ends[2] = {Nth_Player(index, POSITION_TE, 0), Nth_Player(index, POSITION_TE, 1)};
    int32_t fullback = Nth_Player(index, POSITION_FB, 0);
    int32_t back = Nth_Player(index, POSITION_RB, 0);
    int32_t second_back = Nth_Player(index, POSITION_RB, 1);
    int32_t quarterback = Nth_Player(index, POSITION_QB, 0);
    for (int32_t i = 0; i < UNIT_LINEMEN; ++i)
        v.Line_Run_Blocking[i] = Rating(team, line[i], RATING_RUN_BLOCKING);
    for (int32_t i = 0; i < 2; ++i)
        v.Tight_End_Run_Blocking[i] = Rating(team, tight_ends[i], RATING_RUN_BLOCKING);
    v.Fullback_Run_Blocking = Rating(team, fullback, RATING_RUN_BLOCKING);
    for (int32_t i = 0; i < UNIT_LINEMEN; ++i)
        v.Line_Value[i] = Position_Value(team, line[i]);
    v.Back_Value = Position_Value(team, back);
    v.Back_Carrying = Rating(team, back, RATING_RUNNING_COMPOSITE);
    v.Fullback_Carrying = Rating(team, fullback, RATING_RUNNING_COMPOSITE);
    v.Quarterback_Carrying = Rating(team, quarterback, RATING_RUNNING_COMPOSITE);
    v.Second_Back_Carrying = Rating(team, second_back, RATING_RUNNING_COMPOSITE);
    v.Year = Get_Current_Year();
    return Compute_Running_Rating(v);
}

// The first slot of each unit that Is_Player_Within_Unit_Quota counts from;
// false when the roster has a hole in front of a player, where that query
// would make a new player.
bool Find_First_Unit_Slots(int32_t team, int32_t* first) {
    for (int32_t unit = 0; unit < UNITS; ++unit)
        first[unit] = NO_PLAYER;
    bool hole = false;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        if (!Is_Player_Slot_Used(team, slot)) {
            hole = true;
            continue;
        }
        if (hole) return false;
        const int32_t unit = Get_Player_Unit(team, slot);
        if (unit >= 0 && unit < UNITS && first[unit] == NO_PLAYER) first[unit] = slot;
    }
    return true;
}

int32_t Starters_Value(int32_t team) {
    int32_t first[UNITS];
    const bool packed = Find_First_Unit_Slots(team, first);
    int32_t sum = 0;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        // Empty slots and players of no unit are nobody's starters.
        if (!Is_Player_Slot_Used(team, slot)) continue;
        if (packed) {
            const int32_t unit = Get_Player_Unit(team, slot);
            if (unit < 0 || unit >= UNITS || slot > first[unit] + UNIT_QUOTA[unit] - 1) continue;
        } else if (!Is_Player_Within_Unit_Quota(team, slot)) {
            continue;
        }
        int32_t value = Position_Value(team, slot);
        if (Get_Player_Vital_Stat(team, slot, VITAL_POSITION) == POSITION_QB) value *= 2;
        sum += value;
    }
    return sum / STARTERS_DIVISOR;
}

// The parts of a team's strength, each kept with the roster it was read from.
enum UNIT_PART : int32_t {
    PART_SPECIAL_TEAMS,
    PART_RUN_DEFENSE,
    PART_PASSING,
    PART_PASS_DEFENSE,
    PART_RUNNING,
    PART_STARTERS,
    UNIT_PARTS
};

struct TEAM_UNITS {
    uint32_t Known; // a bit per part
    int32_t Value[UNIT_PARTS];
    // The league as the known parts read it.
    bool In_Use;
    int32_t Year;
    int8_t Returners[NUMBER_OF_RETURNERS];
    // The id in every slot, 0 for an empty one; the rest of a player only
    // for the slots in use.
    int32_t Ids[PLAYERS_PER_TEAM];
    PLAYER_STRENGTH_SNAPSHOT Slots[PLAYERS_PER_TEAM];
};

TEAM_UNITS Unit_Cache[TOTAL_NUMBER_OF_TEAMS];

// Asks for the lines the roster check reads of a slot: the player's id,
// position and ratings, and the kept copy they are compared with. Inlined
// always: a function of nothing but prefetches reads as free of effects, and
// the compiler would drop the calls.
[[gnu::always_inline]] inline void Prefetch_Checked_Slot(const PLAYER_RECORD& player,
                                                         const PLAYER_STRENGTH_SNAPSHOT& kept) {
    const char* ratings = reinterpret_cast<const char*>(player.Ratings);
    const char* copy = reinterpret_cast<const char*>(&kept);
    __builtin_prefetch(&player.Expanded_Position);
    __builtin_prefetch(&player.Vital_Stats[VITAL_POSITION]);
    __builtin_prefetch(ratings);
    __builtin_prefetch(ratings + 64);
    __builtin_prefetch(ratings + sizeof player.Ratings - 1);
    __builtin_prefetch(copy);
    __builtin_prefetch(copy + sizeof kept - 1);
}

// Slots whose lines are asked for ahead of the one compared. The check is
// run over every team before each game, mostly on records no longer in the
// nearer caches, so the misses of a few slots overlap rather than queue.
constexpr int32_t CHECK_AHEAD = 4;

bool Matches_Roster(int32_t team, const TEAM_UNITS& units) {
    const TEAM_RECORD& record = Universe.Teams[team];
    if (units.In_Use != (Is_Valid_Team_Code(team) != 0) || units.Year != Get_Current_Year() ||
        std::memcmp(units.Returners, record.Returners, sizeof units.Returners) != 0)
        return false;
    // A slot kept empty is compared by its id alone (a player there ends the
    // check): only that line is asked for.
    auto prefetch = [&](int32_t slot) {
        if (units.Ids[slot] != 0)
            Prefetch_Checked_Slot(record.Players[slot], units.Slots[slot]);
        else
            __builtin_prefetch(&record.Players[slot].Vital_Stats[VITAL_PLAYER_ID]);
    };
    for (int32_t slot = 0; slot < CHECK_AHEAD; ++slot)
        prefetch(slot);
    // An empty slot is read as empty whatever else it holds. A player's
    // kept id is the one beside his slot's.
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        if (slot + CHECK_AHEAD < PLAYERS_PER_TEAM) prefetch(slot + CHECK_AHEAD);
        const PLAYER_RECORD& player = record.Players[slot];
        const int32_t id = player.Vital_Stats[VITAL_PLAYER_ID];
        if (units.Ids[slot] != id) return false;
        if (id == 0) continue;
        const PLAYER_STRENGTH_SNAPSHOT& kept = units.Slots[slot];
        if (kept.Position != player.Vital_Stats[VITAL_POSITION] ||
            kept.Expanded_Position != player.Expanded_Position ||
            std::memcmp(kept.Ratings, player.Ratings, sizeof kept.Ratings) != 0)
            return false;
    }
    return true;
}

void Keep_Roster(int32_t team, TEAM_UNITS& units) {
    const TEAM_RECORD& record = Universe.Teams[team];
    units.In_Use = Is_Valid_Team_Code(team) != 0;
    units.Year = Get_Current_Year();
    std::memcpy(units.Returners, record.Returners, sizeof units.Returners);
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        const PLAYER_RECORD& player = record.Players[slot];
        units.Ids[slot] = player.Vital_Stats[VITAL_PLAYER_ID];
        if (units.Ids[slot] != 0) units.Slots[slot].Take(player);
    }
}

int32_t Compute_Part(int32_t team, int32_t part) {
    if (part == PART_STARTERS) return Starters_Value(team);
    ROSTER_INDEX index;
    Build_Roster_Index(team, &index);
    switch (part) {
    case PART_SPECIAL_TEAMS:
        return Special_Teams_Rating(index);
    case PART_RUN_DEFENSE:
        return Run_Defense_Rating(index);
    case PART_PASSING:
        return Passing_Rating(index);
    case PART_PASS_DEFENSE:
        return Pass_Defense_Rating(index);
    default:
        return Running_Rating(index);
    }
}

// Within one question about the league's strength (a scope), each team's
// kept roster is compared with the league once: nothing but the ratings'
// own read repairs changes a roster while the question is answered.
int32_t Scope_Depth = 0;
uint32_t Scope_Epoch = 0;
uint32_t Trusted_Epoch[TOTAL_NUMBER_OF_TEAMS];

// The results half of the strength values, read once per scope.
struct LEAGUE_RESULTS {
    bool Known;
    int32_t Recent[256][3]; // wins less losses of the last 1, 3 and 5 games
    int32_t Scored[256];
    int32_t Allowed[256];
};
LEAGUE_RESULTS Results;

// Strength values worked out within the scope of the same number, each read
// without a random draw: the ranks of one question read every team's value
// once, however many teams they rank.
struct KEPT_STRENGTH {
    uint32_t Epoch;
    int32_t Value;
};
KEPT_STRENGTH Kept_Strength[TOTAL_NUMBER_OF_TEAMS];

// Overall rating plus this season's results, read afresh.
int32_t Strength_Value(int32_t team);

// A part of the team's strength: kept when the roster it was read from is
// still the league's. A reading that drew a random number (a player re-drawn
// or made) changed the roster and is never kept, so it is made again the next
// time as it would have been.
int32_t Team_Unit_Part(int32_t team, int32_t part) {
    if (!Is_Team_Record_Slot(team)) return Compute_Part(team, part);
    TEAM_UNITS& units = Unit_Cache[team];
    const bool trusted = Scope_Depth > 0 && Trusted_Epoch[team] == Scope_Epoch;
    if (!trusted) {
        if (!Matches_Roster(team, units)) units.Known = 0;
        if (Scope_Depth > 0) Trusted_Epoch[team] = Scope_Epoch;
    }
    const uint32_t bit = 1u << part;
    if (units.Known & bit) return units.Value[part];
    const uint64_t draws = Get_Random_Draw_Count();
    const int32_t value = Compute_Part(team, part);
    if (Get_Random_Draw_Count() == draws) {
        // Known parts were read from the roster as it is kept (checked above).
        if (units.Known == 0) Keep_Roster(team, units);
        units.Value[part] = value;
        units.Known |= bit;
    } else {
        units.Known = 0;
        Trusted_Epoch[team] = Scope_Epoch - 1;
    }
    return value;
}

// Games counted by the recent-results query, and the points of the season's
// game records, for every team in one pass over the records.
void Read_League_Results() {
    constexpr int32_t HISTORY_RECORDS = 286;
    constexpr int32_t SEASON_RECORDS = 285;
    constexpr int32_t WINDOWS[3] = {1, 3, 5};
    constexpr int32_t RESULTS_AHEAD = 8;
    int32_t seen[256] = {};
    std::memset(Results.Recent, 0, sizeof Results.Recent);
    std::memset(Results.Scored, 0, sizeof Results.Scored);
    std::memset(Results.Allowed, 0, sizeof Results.Allowed);
    for (int32_t record = HISTORY_RECORDS - 1; record >= 0; --record) {
        // Each record is read at its head and at its clock, 48 KB apart and
        // on pages of their own: the lines of the records ahead are asked for
        // while this one is read.
        if (record >= RESULTS_AHEAD) {
            const GAME_RECORD& ahead = Universe.Games[record - RESULTS_AHEAD];
            __builtin_prefetch(&ahead.Team);
            __builtin_prefetch(&ahead.Down_Word);
        }
        const GAME_RECORD& game = Universe.Games[record];
        const int32_t teams[2] = {game.Team[0], game.Team[1]};
        if ((seen[teams[0]] >= 5 && seen[teams[1]] >= 5) || !Is_Game_Over(&game)) continue;
        for (int32_t side = 0; side < 2; ++side) {
            const int32_t team = teams[side];
            if (side == 1 && team == teams[0]) break;
            if (seen[team] >= 5) continue;
            ++seen[team];
            const int64_t margin = static_cast<int64_t>(game.Score[team == teams[0] ? 0 : 1]) -
                                   game.Score[team == teams[0] ? 1 : 0];
            const int32_t sign = margin > 0 ? 1 : (margin < 0 ? -1 : 0);
            for (int32_t w = 0; w < 3; ++w)
                if (seen[team] <= WINDOWS[w]) Results.Recent[team][w] += sign;
        }
    }
    for (int32_t record = 0; record < SEASON_RECORDS; ++record) {
        const GAME_RECORD& game = Universe.Games[record];
        for (int32_t side = 0; side < 2; ++side) {
            Results.Scored[game.Team[side]] += game.Score[side];
            Results.Allowed[game.Team[side]] += game.Score[1 - side];
        }
    }
    Results.Known = true;
}

// Number of active teams whose value is strictly greater than the team's own.
template <typename VALUE> int32_t Rank_By(int32_t team, VALUE value) {
    int32_t own = value(team);
    int32_t count = Count_Active_Teams();
    int32_t rank = 0;
    for (int32_t other = 0; other < count; ++other)
        if (value(other) > own) ++rank;
    return rank;
}

int32_t Get_Unit_Rating_By_Code(int32_t team, int32_t code) {
    switch (code) {
    case UNIT_RATING_RUNNING:
        return Get_Team_Running_Rating(team);
    case UNIT_RATING_PASSING:
        return Get_Team_Passing_Rating(team);
    case UNIT_RATING_RUN_DEFENSE:
        return Get_Team_Run_Defense_Rating(team);
    case UNIT_RATING_PASS_DEFENSE:
        return Get_Team_Pass_Defense_Rating(team);
    case UNIT_RATING_SPECIAL_TEAMS:
        return Get_Team_Special_Teams_Rating(team);
    default:
        return 0;
    }
}

} // namespace

TEAM_RATINGS_SCOPE::TEAM_RATINGS_SCOPE() {
    if (Scope_Depth++ == 0) {
        ++Scope_Epoch;
        Results.Known = false;
    }
}

TEAM_RATINGS_SCOPE::~TEAM_RATINGS_SCOPE() {
    --Scope_Depth;
}

int32_t Compute_Special_Teams_Rating(const SPECIAL_TEAMS_UNIT_VALUES& v) {
    int32_t kicking = (v.Kicker_Value + 2 * v.Kicker_FG_Accuracy + v.Kicker_FG_Distance) / 2;
    int32_t punting = (v.Punter_Value + v.Punter_Punt_Distance) / 2;
    return 3 * (kicking + punting + v.Punt_Returner_Punt_Returns / 2 + v.Kick_Returner_Kick_Returns / 2) -
           277;
}

int32_t Compute_Run_Defense_Rating(const RUN_DEFENSE_UNIT_VALUES& v) {
    int32_t x = 0;
    for (int32_t i = 0; i < UNIT_FRONT_PLAYERS; ++i)
        x += v.Front_Run_Defense[i];
    x += (v.Safety_Run_Defense[0] + v.Safety_Run_Defense[1]) / 2;
    x += (v.Front_Value[0] + v.Front_Value[1] + v.Front_Value[2] + v.Front_Value[3]) / 2;
    x += (v.Front_Value[4] + v.Front_Value[5] + v.Front_Value[6] + v.Front_Value[7]) / 2;
    return 12 * x / 13 - 102;
}

int32_t Compute_Pass_Defense_Rating(const PASS_DEFENSE_UNIT_VALUES& v) {
    int32_t x = v.Corner_Pass_Coverage[0] + v.Corner_Pass_Coverage[1] + v.Corner_Value[0] +
                v.Corner_Value[1] + v.Safety_Value[0] + v.Safety_Value[1];
    x += (v.Safety_Pass_Coverage[0] + v.Safety_Pass_Coverage[1]) / 2;
    x += (v.Front_Pass_Rush[0] + v.Front_Pass_Rush[1] + v.Front_Pass_Rush[2] + v.Front_Pass_Rush[3]) / 2;
    x += (v.Front_Pass_Rush[4] + v.Front_Pass_Rush[5] + v.Front_Pass_Rush[6] + v.Front_Pass_Rush[7]) / 2;
    // An outstanding pass rusher at either end counts in full above 90.
    x = Add_Bonus(x, 1.0, v.Front_Pass_Rush[0], PASS_RUSH_BONUS_THRESHOLD);
    x = Add_Bonus(x, 1.0, v.Front_Pass_Rush[1], PASS_RUSH_BONUS_THRESHOLD);
    return 10 * x / 11 - 35;
}

int32_t Compute_Passing_Rating(const PASSING_UNIT_VALUES& v) {
    int32_t x = 3 * (v.Quarterback_Value + v.Quarterback_Accuracy + v.Quarterback_Distance +
                     v.Quarterback_Control + v.Quarterback_Red_Zone);
    x += v.Receiver_Receiving[0] + v.Receiver_Receiving[1] + v.Receiver_Value[0] + v.Receiver_Value[1];
    x += (v.Receiver_Receiving[2] + v.Receiver_Receiving[3] + v.Receiver_Receiving[4] + v.Receiver_Value[2] +
          v.Receiver_Value[3] + v.Receiver_Value[4]) /
         3;
    x += v.Line_Pass_Blocking[0] + v.Line_Pass_Blocking[1];
    x += 2 * (v.Line_Pass_Blocking[2] + v.Line_Pass_Blocking[3] + v.Line_Pass_Blocking[4]) / 3;
    x = Add_Bonus(x, 1.0, v.Tight_End_Receiving[0], BONUS_THRESHOLD);
    x = Add_Bonus(x, 0.5, v.Tight_End_Receiving[1], BONUS_THRESHOLD);
    x = Add_Bonus(x, 0.5, v.Back_Receiving, BONUS_THRESHOLD);
    x = Add_Bonus(x, 0.5, v.Fullback_Receiving, BONUS_THRESHOLD);
    return 10 * x / 25 - 46;
}

int32_t Compute_Running_Rating(const RUNNING_UNIT_VALUES& v) {
    const int32_t* b = v.Line_Run_Blocking;
    int32_t blocking = (3 * (b[0] + b[1] + b[4]) + 4 * (b[2] + b[3]) + 2 * v.Tight_End_Run_Blocking[0] +
                        v.Tight_End_Run_Blocking[1] + v.Fullback_Run_Blocking) /
                       7;
    const int32_t* l = v.Line_Value;
    int32_t line = (l[0] + l[1] + l[2] + l[3] + l[4]) / 5;
    int32_t x = v.Back_Value + v.Back_Carrying + blocking + line;
    int32_t divisor = 6;
    // Older eras leaned on the ball carrier, and before 1985 on the fullback.
    if (v.Year < 2000) {
        x += v.Back_Carrying;
        divisor = 7;
        if (v.Year < 1985) {
            x += v.Fullback_Carrying;
            divisor = 8;
        }
    }
    x = Add_Bonus(x, 0.5, v.Quarterback_Carrying, BONUS_THRESHOLD);
    x = Add_Bonus(x, 0.5, v.Second_Back_Carrying, BONUS_THRESHOLD);
    return 12 * x / divisor - 217;
}

int32_t Get_Team_Special_Teams_Rating(int32_t team) {
    TEAM_RATINGS_SCOPE scope;
    return Team_Unit_Part(team, PART_SPECIAL_TEAMS);
}

int32_t Get_Team_Run_Defense_Rating(int32_t team) {
    TEAM_RATINGS_SCOPE scope;
    return Team_Unit_Part(team, PART_RUN_DEFENSE);
}

int32_t Get_Team_Pass_Defense_Rating(int32_t team) {
    TEAM_RATINGS_SCOPE scope;
    return Team_Unit_Part(team, PART_PASS_DEFENSE);
}

int32_t Get_Team_Passing_Rating(int32_t team) {
    TEAM_RATINGS_SCOPE scope;
    return Team_Unit_Part(team, PART_PASSING);
}

int32_t Get_Team_Running_Rating(int32_t team) {
    TEAM_RATINGS_SCOPE scope;
    return Team_Unit_Part(team, PART_RUNNING);
}

int32_t Get_Team_Starters_Value(int32_t team) {
    if (team < 0 || team >= MAX_FRANCHISES) return 0;
    TEAM_RATINGS_SCOPE scope;
    return Team_Unit_Part(team, PART_STARTERS);
}

int32_t Get_Team_Overall_Rating(int32_t team) {
    if (!Is_Rated_Team(team)) return 0;
    TEAM_RATINGS_SCOPE scope;
    int32_t special_teams = Team_Unit_Part(team, PART_SPECIAL_TEAMS);
    int32_t run_defense = Team_Unit_Part(team, PART_RUN_DEFENSE);
    int32_t passing = Team_Unit_Part(team, PART_PASSING);
    int32_t pass_defense = Team_Unit_Part(team, PART_PASS_DEFENSE);
    int32_t running = Team_Unit_Part(team, PART_RUNNING);
    int32_t units =
        (3 * special_teams + 9 * run_defense + 15 * passing + 13 * pass_defense + 10 * running) / 5;
    return units + 2 * Get_Team_Starters_Value(team);
}

int32_t Get_Team_Offense_Value(int32_t team) {
    TEAM_RATINGS_SCOPE scope;
    int32_t passing = Team_Unit_Part(team, PART_PASSING);
    return 7 * passing + 3 * Team_Unit_Part(team, PART_RUNNING);
}

int32_t Get_Team_Defense_Value(int32_t team) {
    TEAM_RATINGS_SCOPE scope;
    int32_t run_defense = Team_Unit_Part(team, PART_RUN_DEFENSE);
    return 4 * run_defense + 6 * Team_Unit_Part(team, PART_PASS_DEFENSE);
}

int32_t Get_Team_Strength_Value(int32_t team) {
    if (!Is_Rated_Team(team)) return 0;
    TEAM_RATINGS_SCOPE scope;
    const bool keepable = Is_Team_Record_Slot(team);
    if (keepable && Kept_Strength[team].Epoch == Scope_Epoch) return Kept_Strength[team].Value;
    const uint64_t draws = Get_Random_Draw_Count();
    const int32_t value = Strength_Value(team);
    // A reading that drew changed the roster: it is made again next time.
    if (keepable && Get_Random_Draw_Count() == draws) Kept_Strength[team] = {Scope_Epoch, value};
    return value;
}

namespace {
int32_t Strength_Value(int32_t team) {
    if (!Results.Known) Read_League_Results();
    const int32_t results =
        2 * (Get_Team_Record_Char(team, RECORD_CHAR_WINS) - Get_Team_Record_Char(team, RECORD_CHAR_LOSSES));
    const int32_t code = team & 0xFF;
    int32_t recent = 0;
    for (int32_t w = 0; w < 3; ++w)
        recent += Results.Recent[code][w];
    return Get_Team_Overall_Rating(team) + 15 * (results + recent) +
           2 * (Results.Scored[code] - Results.Allowed[code]);
}
} // namespace

int32_t Get_Team_Strength_Rank(int32_t team) {
    if (!Is_Rated_Team(team)) return 0;
    TEAM_RATINGS_SCOPE scope;
    return Rank_By(team, Get_Team_Strength_Value);
}

int32_t Get_Team_Overall_Rank(int32_t team) {
    if (!Is_Rated_Team(team)) return 0;
    TEAM_RATINGS_SCOPE scope;
    return Rank_By(team, Get_Team_Overall_Rating);
}

int32_t Get_Team_Offense_Rank(int32_t team) {
    if (!Is_Rated_Team(team)) return 0;
    TEAM_RATINGS_SCOPE scope;
    return Rank_By(team, Get_Team_Offense_Value);
}

int32_t Get_Team_Defense_Rank(int32_t team) {
    if (!Is_Rated_Team(team)) return 0;
    TEAM_RATINGS_SCOPE scope;
    return Rank_By(team, Get_Team_Defense_Value);
}

int32_t Get_Team_Unit_Rank(int32_t team, int32_t code) {
    TEAM_RATINGS_SCOPE scope;
    return Rank_By(team, [code](int32_t t) { return Get_Unit_Rating_By_Code(t, code); });
}
