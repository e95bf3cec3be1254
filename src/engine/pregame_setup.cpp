// Pre-game set-up: the game's date, weather and attendance, both teams' game
// depth charts and the starters' credit; and the weather factors that the
// play resolution reads.
#include "engine/pregame_setup.h"

#include <cmath>
#include <cstdlib>

#include "app/diagnostics.h"
#include "database/cities.h"
#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/random_numbers.h"
#include "database/rating_normalisation.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/team_results.h"
#include "database/universe.h"
#include "engine/downs_and_clock.h"
#include "engine/formation_depth_charts.h"
#include "engine/formations.h"
#include "engine/game_injuries.h"
#include "engine/game_record.h"
#include "engine/game_screen_hooks.h"
#include "engine/roster_index.h"
#include "engine/running_plays.h"
#include "engine/snap_decisions.h"
#include "engine/statistics_credit.h"
#include "frontoffice/money.h"
#include "frontoffice/position_fitness.h"
#include "frontoffice/team_revenue.h"
#include "views/weather.h"

namespace {
constexpr int32_t DAYS_IN_MONTH[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr int32_t VITAL_IN_GAME = 27;
constexpr int32_t LAST_SCRIMMAGE_FORMATION = 38;
constexpr int32_t STAT_GAMES_STARTED = 1;

bool Is_Team_Index(int32_t team) {
    return team >= 0 && team < TOTAL_NUMBER_OF_TEAMS;
}

int32_t Draw_Below(int32_t n) {
    return static_cast<int32_t>(Random_Number() * RANDOM_FRACTION * n);
}

int32_t Clamp(int32_t value, int32_t lo, int32_t hi) {
    return value < lo ? lo : (value > hi ? hi : value);
}

int32_t Current_Week() {
    return Get_User_Preference(CURRENT_WEEK);
}

// A game is watched when either team's schedule entry asks for it, so a human
// visitor is watched through the home team's flag too.
bool Is_Watched_Human_Team(const GAME_RECORD* pGame, int32_t team) {
    return Is_Human_Team(team) && Is_Game_Play_By_Play(pGame) != 0;
}
// True when one of the row's first `count` entries holds the id.
bool Is_Id_In_Row(const int32_t* row, int32_t count, int32_t id) {
    if (id <= 0) return false;
    for (int32_t i = 0; i < count; ++i)
        if (row[i] == id) return true;
    return false;
}

// A healthy player's fitness at a position, as the depth charts fill their
// empty places: kept with what it was read from (the player's strength and
// the season), so the rebuilds of a game and of the following games read it
// once. A reading that drew a number (the player re-drawn) is never kept.
constexpr int32_t FITNESS_POSITIONS = 16;
struct FITNESS_MEMO {
    PLAYER_STRENGTH_SNAPSHOT Player;
    int32_t Year;
    uint32_t Known;
    int32_t Fitness[FITNESS_POSITIONS];
};
FITNESS_MEMO Fitness_Memo[TOTAL_NUMBER_OF_TEAMS][PLAYERS_PER_TEAM];
// Counts the fitness readings made afresh (not recalled), which may repair
// or re-draw the player read.
uint64_t Fitness_Readings = 0;

// Whether the memo was read from the player as he stands in the season.
// A yes is kept in `matched` by the caller for as long as nothing the memo
// compares can have changed.
bool Memo_Holds(const FITNESS_MEMO& memo, const PLAYER_RECORD& player, int32_t year, bool* matched) {
    if (!*matched) *matched = memo.Year == year && memo.Player.Matches(player);
    return *matched;
}

int32_t Kept_Player_Fitness(int32_t team, int32_t slot, int32_t position, int32_t year, bool* matched) {
    FITNESS_MEMO& memo = Fitness_Memo[team][slot];
    const PLAYER_RECORD& player = Universe.Teams[team].Players[slot];
    if (!Memo_Holds(memo, player, year, matched)) memo.Known = 0;
    const uint32_t bit = 1u << position;
    if (memo.Known & bit) return memo.Fitness[position];
    ++Fitness_Readings;
    const uint64_t draws = Get_Random_Draw_Count();
    const int32_t fitness = Get_Player_Fitness_At_Position(team, slot, position, 0);
    if (Get_Random_Draw_Count() != draws) {
        memo.Known = 0;
        return fitness;
    }
    if (memo.Known == 0 || !memo.Player.Matches(player)) {
        memo.Known = 0;
        memo.Player.Take(player);
        memo.Year = year;
    }
    memo.Fitness[position] = fitness;
    memo.Known |= bit;
    return fitness;
}

// What the rows of one rebuild share: the healthy players in slot order (every
// slot, as the fill step walks them) and their fitness by position as read so
// far in this rebuild.
struct DEPTH_CHART_FILL {
    int32_t Team;
    int32_t Year;
    bool In_Use;
    int32_t Healthy_Count;
    uint8_t Healthy_Slot[PLAYERS_PER_TEAM];
    int32_t Healthy_Id[PLAYERS_PER_TEAM];
    uint16_t Known[PLAYERS_PER_TEAM];
    int32_t Fitness[PLAYERS_PER_TEAM][FITNESS_POSITIONS];
    // The slots whose memo was found to hold in this rebuild; forgotten
    // whenever a fitness is read afresh.
    bool Matched[PLAYERS_PER_TEAM];
    // No two players of the roster share an id: a player is then in a row
    // exactly when his slot is.
    bool Unique_Ids;
};

// True when no id is held by two used slots of the roster's ids.
bool Has_Unique_Ids(const int32_t* ids) {
    constexpr uint32_t TABLE = 256; // a power of two above the slots
    int32_t seen[TABLE] = {};
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        const int32_t id = ids[slot];
        if (id == 0) continue;
        uint32_t at = (static_cast<uint32_t>(id) * 2654435761u) & (TABLE - 1);
        while (seen[at] != 0) {
            if (seen[at] == id) return false;
            at = (at + 1) & (TABLE - 1);
        }
        seen[at] = id;
    }
    return true;
}

// The ids last checked for uniqueness and the answer: the rebuilds after a
// roster query mostly find the same ids again.
struct UNIQUE_IDS_CHECK {
    bool Done;
    bool Unique;
    int32_t Ids[PLAYERS_PER_TEAM];
};
UNIQUE_IDS_CHECK Last_Ids_Check;

bool Are_Ids_Unique(const int32_t* ids) {
    UNIQUE_IDS_CHECK& check = Last_Ids_Check;
    if (!check.Done || std::memcmp(check.Ids, ids, sizeof check.Ids) != 0) {
        std::memcpy(check.Ids, ids, sizeof check.Ids);
        check.Unique = Has_Unique_Ids(ids);
        check.Done = true;
    }
    return check.Unique;
}

void Start_Depth_Chart_Fill(int32_t team, DEPTH_CHART_FILL* fill) {
    fill->Team = team;
    fill->Year = Get_Current_Year();
    // A team code that is not in use has no player to give.
    fill->In_Use = Is_Valid_Team_Code(team) != 0;
    fill->Healthy_Count = 0;
    int32_t ids[PLAYERS_PER_TEAM];
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM && fill->In_Use; ++slot) {
        const PLAYER_RECORD& player = Universe.Teams[team].Players[slot];
        const int32_t id = player.Vital_Stats[VITAL_PLAYER_ID];
        ids[slot] = id;
        if (id == 0 || player.Vital_Stats[VITAL_WEEKS_OUT] >= 1) continue;
        fill->Healthy_Slot[fill->Healthy_Count] = static_cast<uint8_t>(slot);
        fill->Healthy_Id[fill->Healthy_Count] = id;
        ++fill->Healthy_Count;
    }
    std::memset(fill->Known, 0, sizeof fill->Known);
    std::memset(fill->Matched, 0, sizeof fill->Matched);
    fill->Unique_Ids = fill->In_Use && Are_Ids_Unique(ids);
}

int32_t Fill_Fitness(DEPTH_CHART_FILL* fill, int32_t slot, int32_t position) {
    if (position < 0 || position >= FITNESS_POSITIONS) {
        // Read afresh, and perhaps repaired: every match is checked again.
        ++Fitness_Readings;
        const int32_t fitness = Get_Player_Fitness_At_Position(fill->Team, slot, position, 0);
        std::memset(fill->Matched, 0, sizeof fill->Matched);
        return fitness;
    }
    const uint16_t bit = static_cast<uint16_t>(1u << position);
    if (fill->Known[slot] & bit) return fill->Fitness[slot][position];
    const uint64_t draws = Get_Random_Draw_Count();
    const uint64_t readings = Fitness_Readings;
    const int32_t fitness = Kept_Player_Fitness(fill->Team, slot, position, fill->Year, &fill->Matched[slot]);
    // A reading afresh may have repaired the player, and a memo taken anew
    // holds what it was taken from: every match is checked again.
    if (Fitness_Readings != readings) std::memset(fill->Matched, 0, sizeof fill->Matched);
    if (Get_Random_Draw_Count() == draws) {
        fill->Fitness[slot][position] = fitness;
        fill->Known[slot] |= bit;
    } else {
        std::memset(fill->Known, 0, sizeof fill->Known);
    }
    return fitness;
}

// Marks the slots of the players of the row's first `count` places, the
// roster read again.
void Mark_Row_Slots(int32_t team, const int32_t* row, int32_t count, bool* in_row) {
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        in_row[slot] =
            Is_Id_In_Row(row, count, Universe.Teams[team].Players[slot].Vital_Stats[VITAL_PLAYER_ID]);
}

// The depth a place asks for: the quarterback one deeper in a blowout's
// scrimmage formations.
int32_t Place_Depth(int32_t formation, const FORMATION_SLOT& place, int32_t blowout_mode) {
    const bool deeper =
        blowout_mode && formation <= LAST_SCRIMMAGE_FORMATION && place.Position == POSITION_QB;
    return place.Depth + (deeper ? 1 : 0);
}

// The roster index's answers to the places of the formations, read once per
// build of the index rather than once per place: by position 0-14 and depth
// below PLACE_DEPTHS, the slot of the healthy player, -1 for nobody, or
// ASK_INDEX where only the index's own query can answer (a player injured but
// available, a team out of range). Returners and deeper places are always
// asked of the index. With each slot, the entry a place answered there puts
// in the row (the id in the slot; 0 for nobody). A fitness read afresh or a
// number drawn may have repaired a player: the answers are then read again.
constexpr int32_t PLACE_DEPTHS = 6;
constexpr int32_t ASK_INDEX_KEY = NUMBER_OF_POSITIONS * PLACE_DEPTHS;
constexpr int8_t ASK_INDEX = -2;
struct PLACE_ANSWERS {
    uint64_t Readings; // fitness readings afresh made before they were read
    uint64_t Draws;    // numbers drawn before they were read
    int8_t Slot[ASK_INDEX_KEY + 1];
    int32_t Entry[ASK_INDEX_KEY + 1];
    bool Any_Asked; // some key of a position 0-14 is ASK_INDEX
};

void Read_Place_Answers(const ROSTER_INDEX& index, PLACE_ANSWERS* answers) {
    answers->Readings = Fitness_Readings;
    answers->Draws = Get_Random_Draw_Count();
    answers->Slot[ASK_INDEX_KEY] = ASK_INDEX;
    answers->Entry[ASK_INDEX_KEY] = 0;
    const int32_t team = index.Team;
    const bool known = static_cast<uint32_t>(team) < TOTAL_NUMBER_OF_TEAMS;
    answers->Any_Asked = false;
    for (int32_t position = 0; position < NUMBER_OF_POSITIONS; ++position) {
        int8_t* slot = &answers->Slot[position * PLACE_DEPTHS];
        int32_t* entry = &answers->Entry[position * PLACE_DEPTHS];
        for (int32_t n = 0; n < PLACE_DEPTHS; ++n) {
            entry[n] = 0;
            if (!known) {
                slot[n] = ASK_INDEX;
            } else if (n >= index.Available_Count[position]) {
                slot[n] = -1;
            } else if (n < index.Healthy_Count[position]) {
                slot[n] = static_cast<int8_t>(index.Healthy[position][n]);
                entry[n] = Universe.Teams[team].Players[slot[n]].Vital_Stats[VITAL_PLAYER_ID];
            } else {
                slot[n] = ASK_INDEX;
            }
            answers->Any_Asked |= slot[n] == ASK_INDEX;
        }
    }
}

// Each place's key into the answers, for each blowout mode; and whether a
// formation's places have distinct keys, none of them asked of the index.
struct PLACE_KEYS_TABLE {
    uint8_t Key[2][NUMBER_OF_FORMATIONS][PLAYERS_ON_FIELD];
    bool Distinct[2][NUMBER_OF_FORMATIONS];
    PLACE_KEYS_TABLE() {
        for (int32_t mode = 0; mode < 2; ++mode)
            for (int32_t formation = 0; formation < NUMBER_OF_FORMATIONS; ++formation) {
                uint8_t* keys = Key[mode][formation];
                Distinct[mode][formation] = true;
                for (int32_t i = 0; i < PLAYERS_ON_FIELD; ++i) {
                    const FORMATION_SLOT& place = Formation_Slot_Table[formation][i];
                    const int32_t depth = Place_Depth(formation, place, mode);
                    const bool keyed = place.Position >= 0 && place.Position < NUMBER_OF_POSITIONS &&
                                       depth >= 0 && depth < PLACE_DEPTHS;
                    keys[i] =
                        static_cast<uint8_t>(keyed ? place.Position * PLACE_DEPTHS + depth : ASK_INDEX_KEY);
                    bool distinct = keyed;
                    for (int32_t j = 0; j < i; ++j)
                        distinct &= keys[j] != keys[i];
                    Distinct[mode][formation] &= distinct;
                }
            }
    }
};

// The row's places from the answers alone, when every place is answered
// there: distinct keys name distinct slots, so with unique ids no player
// is named twice. False (the row left empty) when a place must be asked of
// the index.
bool Place_From_Answers(const PLACE_ANSWERS& answers, const uint8_t* keys, int32_t* row, int32_t* placed) {
    if (answers.Any_Asked)
        for (int32_t i = 0; i < PLAYERS_ON_FIELD; ++i)
            if (answers.Slot[keys[i]] == ASK_INDEX) return false;
    int32_t least = 1;
    for (int32_t i = 0; i < PLAYERS_ON_FIELD; ++i) {
        row[i] = answers.Entry[keys[i]];
        least = row[i] < least ? row[i] : least;
    }
    // Everybody is there (every entry above 0), or who is there is counted.
    int32_t count = PLAYERS_ON_FIELD;
    if (least <= 0) {
        count = 0;
        for (int32_t i = 0; i < PLAYERS_ON_FIELD; ++i)
            count += row[i] > 0 ? 1 : 0;
    }
    *placed = count;
    return true;
}

// One formation's row of the team's game depth chart, from the team's roster
// index: the depth players of the formation's slots, then the fittest healthy
// players in the slots left empty. The row is built aside and stored whole.
void Build_Depth_Chart_Row(ROSTER_INDEX* index, PLACE_ANSWERS* answers, DEPTH_CHART_FILL* fill,
                           int32_t formation, int32_t blowout_mode, int32_t* built = nullptr) {
    static const PLACE_KEYS_TABLE place_keys;
    const int32_t team = index->Team;
    const int32_t mode = blowout_mode ? 1 : 0;
    const FORMATION_SLOT* slots = Formation_Slot_Table[formation];
    const uint8_t* keys = place_keys.Key[mode][formation];
    if (answers->Readings != Fitness_Readings || answers->Draws != Get_Random_Draw_Count())
        Read_Place_Answers(*index, answers);
    int32_t row[PLAYERS_ON_FIELD] = {};
    int32_t placed = 0;
    const bool answered = fill->Unique_Ids && place_keys.Distinct[mode][formation] &&
                          Place_From_Answers(*answers, keys, row, &placed);
    // With unique ids, whether a player is in the row is kept by his slot
    // (marked only for the fill when the answers alone made the row).
    bool in_row[PLAYERS_PER_TEAM];
    if (!answered || placed < PLAYERS_ON_FIELD) std::memset(in_row, 0, sizeof in_row);
    for (int32_t i = 0; i < PLAYERS_ON_FIELD && answered && placed < PLAYERS_ON_FIELD; ++i)
        if (row[i] > 0) in_row[answers->Slot[keys[i]]] = true;
    for (int32_t i = 0; i < PLAYERS_ON_FIELD && !answered; ++i) {
        int32_t slot = answers->Slot[keys[i]];
        if (slot == ASK_INDEX) {
            const uint32_t build = index->Build;
            slot = Get_Indexed_Depth_Chart_Player(index, slots[i].Position,
                                                  Place_Depth(formation, slots[i], blowout_mode));
            // The answer needed the roster queries, which may repair the
            // roster: what the fill and the answers knew of it is read again.
            if (index->Build != build) {
                Start_Depth_Chart_Fill(team, fill);
                Read_Place_Answers(*index, answers);
                if (fill->Unique_Ids) Mark_Row_Slots(team, row, i, in_row);
            }
        }
        // A player already lined up in this row (a returner who is also a
        // depth player of the row) is not put on the field twice; the slot is
        // filled below.
        if (slot >= 0 && slot < PLAYERS_PER_TEAM) {
            const int32_t id = Universe.Teams[team].Players[slot].Vital_Stats[VITAL_PLAYER_ID];
            if (id <= 0) {
                row[i] = id;
            } else if (fill->Unique_Ids ? !in_row[slot] : !Is_Id_In_Row(row, i, id)) {
                row[i] = id;
                in_row[slot] = true;
                ++placed;
            }
        }
    }
    // Fill what stayed empty with the fittest healthy player not yet in the row.
    for (int32_t i = 0; i < PLAYERS_ON_FIELD && placed < PLAYERS_ON_FIELD; ++i) {
        if (row[i] > 0) continue;
        const bool unique = fill->Unique_Ids;
        auto taken = [&](int32_t n) {
            return unique ? in_row[fill->Healthy_Slot[n]]
                          : Is_Id_In_Row(row, PLAYERS_ON_FIELD, fill->Healthy_Id[n]);
        };
        const int32_t position = slots[i].Position;
        int32_t best = -1;
        int32_t best_fitness = 0;
        for (int32_t n = 0; n < fill->Healthy_Count; ++n) {
            if (taken(n)) continue;
            const int32_t fitness = Fill_Fitness(fill, fill->Healthy_Slot[n], position);
            if (best < 0 || fitness > best_fitness) {
                best = n;
                best_fitness = fitness;
            }
        }
        if (best >= 0) {
            row[i] = fill->Healthy_Id[best];
            in_row[fill->Healthy_Slot[best]] = true;
        }
    }
    Set_Formation_Depth_Chart_Row(team, formation, row);
    if (built != nullptr) std::memcpy(built, row, sizeof row);
}

// The position and depth each place of a formation asks for, the
// quarterback one deeper in a blowout's scrimmage formations.
bool Same_Places(int32_t a, int32_t b, int32_t blowout_mode) {
    for (int32_t i = 0; i < PLAYERS_ON_FIELD; ++i) {
        const FORMATION_SLOT& x = Formation_Slot_Table[a][i];
        const FORMATION_SLOT& y = Formation_Slot_Table[b][i];
        if (x.Position != y.Position || Place_Depth(a, x, blowout_mode) != Place_Depth(b, y, blowout_mode))
            return false;
    }
    return true;
}

// The first formation asking for the same places as this one, for each
// blowout mode (the formation itself when none comes before).
struct SAME_PLACES_TABLE {
    int8_t First[2][NUMBER_OF_FORMATIONS];
    SAME_PLACES_TABLE() {
        for (int32_t mode = 0; mode < 2; ++mode)
            for (int32_t formation = 0; formation < NUMBER_OF_FORMATIONS; ++formation) {
                int32_t first = formation;
                for (int32_t earlier = 0; earlier < formation && first == formation; ++earlier)
                    if (Same_Places(earlier, formation, mode)) first = earlier;
                First[mode][formation] = static_cast<int8_t>(first);
            }
    }
};
} // namespace

int32_t Get_Game_Month(int32_t week) {
    int32_t day = (week == 100 ? 104 : week * 7 + 249) % 365;
    if (day < 0) day += 365;
    int32_t month = 0;
    while (month < 11 && day >= DAYS_IN_MONTH[month]) {
        day -= DAYS_IN_MONTH[month];
        ++month;
    }
    return month;
}

int32_t Draw_Game_Precipitation(int32_t city, int32_t month) {
    int32_t p = Draw_Below(145);
    const int32_t longitude = Get_City_Stat(city, 5);
    if (longitude > 100000) {
        const int32_t f = 250 - (7 - std::abs(month - 6)) * (longitude / 1000 - 100);
        p = Mul_Div_Round(p, f, 250);
    }
    return p;
}

int32_t Draw_Game_Temperature(int32_t city, int32_t month, int32_t precipitation) {
    int32_t a = Clamp(Get_City_Stat(city, 6), 23000, 46000);
    const int32_t b = Clamp(Get_City_Stat(city, 5), 75000, 122000);
    if (b > 100000) a -= (b - 100000) / 2;
    int32_t t = 92 - (a - 16500) * std::abs(month - 6) * 10 / 25500;
    if (b > 116500) t = (t + 70) / 2;
    const int32_t first = Draw_Below(10);
    const int32_t second = Draw_Below(10);
    t += first - second - Get_City_Stat(city, 4) / 300;
    if (precipitation > 100) t = Mul_Div_Round(t, 480, precipitation + 400);
    return t;
}

bool Is_Game_Indoors(const GAME_RECORD* pGame) {
    return pGame != nullptr && pGame->Wind_Speed == INDOOR_WIND;
}

void Set_Game_Weather(GAME_RECORD* pGame) {
    if (pGame == nullptr) return;
    const int32_t home = pGame->Team[1];
    const int32_t city = Is_Team_Index(home) ? Get_Team_Stat(home, TEAM_STAT_HOME_CITY) : 0;
    const int32_t week = Current_Week();
    const int32_t month = Get_Game_Month(week);
    const int32_t precipitation = Draw_Game_Precipitation(city, month);
    int32_t temperature = Draw_Game_Temperature(city, month, precipitation);
    bool indoors = false;
    if (week + 1 == Universe.Post_Season_Days[3]) {
        temperature = 62 + Draw_Below(20);
        if (pGame->Season_Year % 2 == 0) indoors = true;
    } else if (week + 1 == Universe.Post_Season_Days[4]) {
        temperature = 72 + Draw_Below(15);
    }
    const int32_t roof = Is_Team_Index(home) ? Get_Team_Stadium_Stat(home, 1) : 0;
    if (roof == 1) indoors = true;
    if (roof == 2 && (precipitation > 90 || temperature < 55 || temperature + precipitation / 10 >= 89))
        indoors = true;
    pGame->Precipitation = static_cast<uint16_t>(precipitation);
    if (indoors) {
        pGame->Wind_Speed = INDOOR_WIND;
        pGame->Wind_Direction = INDOOR_WIND;
        temperature = (temperature + 730) / 11;
    } else {
        // Two draws, one statement each: the order of a sum's operands is open.
        const int32_t first_draw = Draw_Below(12);
        const int32_t speed = first_draw + Draw_Below(12) - 7;
        pGame->Wind_Speed = static_cast<uint16_t>(speed > 0 ? speed : 0);
        pGame->Wind_Direction = static_cast<uint16_t>(Draw_Below(360));
    }
    pGame->Temperature = static_cast<int16_t>(temperature);
}

int32_t Get_Stadium_Seating_Rating(int32_t team) {
    return (2 * Get_Team_Stadium_Stat(team, 5) + 2 * Get_Team_Stadium_Stat(team, 6) +
            Get_Team_Stadium_Stat(team, 7)) /
           5;
}

int32_t Compute_Attendance_From_Demand(int32_t demand, int32_t capacity, int32_t price, int32_t floor) {
    // Sums in 64 bits: a loaded league's capacity and demand may lie anywhere
    // in their range.
    int64_t attendance = 0;
    if (demand >= capacity) {
        // A sell-out: standing room lets the crowd pass the seat count, by a
        // twenty-first of the excess above 105 % and never beyond 110 %.
        // The 105 % and 110 % marks of a capacity near the top of its range
        // lie past 32 bits, so they are worked out in 64 bits too.
        attendance = (4 * static_cast<int64_t>(capacity) + 2) / 5 + demand / 5;
        if (attendance > Mul_Div_Round_64(capacity, 105, 100)) {
            attendance = attendance / 21 + capacity;
            const int64_t most = Mul_Div_Round_64(capacity, 110, 100);
            if (attendance > most) attendance = most;
        }
    } else {
        const int32_t share = price == 0 ? 0 : Mul_Div_Round(floor, 70, price);
        attendance = static_cast<int64_t>(Mul_Div_Round(share, capacity, 100)) +
                     Mul_Div_Round(demand, Clamp_To_Int32(100 - static_cast<int64_t>(share)), 100);
        if (price > floor) attendance = Mul_Div_Round(Clamp_To_Int32(attendance), floor, price);
    }
    return attendance > 0 ? Clamp_To_Int32(attendance) : 0;
}

int32_t Get_Game_Attendance(const GAME_RECORD* pGame) {
    if (pGame == nullptr) return 0;
    const int32_t home = pGame->Team[1];
    const int32_t visitor = pGame->Team[0];
    if (!Is_Team_Index(home) || !Is_Team_Index(visitor)) return 0;
    const int32_t week = Current_Week();
    const bool playoffs = week > (Universe.Season_Length > 2 ? Universe.Season_Length : 2);
    const int32_t streak = Get_Team_Streak(home);
    const int32_t streak_weight = streak > 0 ? 1000 + 30 * streak : 1000 + 20 * streak;
    const int32_t home_ratio = Mul_Div_Round(Get_Team_Wins(home) + 10, 1000, Get_Team_Losses(home) + 10);
    const int32_t visitor_ratio =
        Mul_Div_Round(Get_Team_Wins(visitor) + 10, 1000, Get_Team_Losses(visitor) + 10);
    int32_t x = Mul_Div_Round(Estimate_Team_Revenue(home), streak_weight, 1000);
    x = Mul_Div_Round(x, home_ratio, 1000);
    x = Mul_Div_Round(x, 1000 + visitor_ratio, 2000);
    x = Mul_Div_Round(x, 1000 + Get_Team_Financial_Stat(visitor, 0), 2000);
    const int32_t price = Get_Team_Ticket_Price(home);
    const int32_t market = Mul_Div_Round(Get_Team_Market_Size(home), Get_Stadium_Seating_Rating(home), 1000);
    // A price level of 0 leaves no demand rather than dividing by it.
    int32_t demand = x == 0 ? 0 : Mul_Div_Round(market, x - price, x);
    if (Are_Teams_In_Same_Division(home, visitor)) demand = Mul_Div_Round(demand, 1200, 1000);
    if (playoffs) demand = Mul_Div_Round(demand, 1500, 1000);
    const int32_t floor_by_price = Mul_Div_Round(x, 55, 100);
    const int32_t floor_by_inflation = 5 * Get_Universe_Stat(INFLATION_FACTOR);
    const int32_t floor = floor_by_price > floor_by_inflation ? floor_by_price : floor_by_inflation;
    return Compute_Attendance_From_Demand(demand, Get_Team_Stadium_Stat(home, 0), price, floor);
}

int32_t Is_Slot_In_Any_Formation_Row(int32_t team, int32_t slot) {
    if (!Is_Team_Index(team) || slot < 0 || slot >= PLAYERS_PER_TEAM) return 0;
    return Is_Id_In_Formation_Depth_Charts(team, Get_Player_ID(team, slot)) ? 1 : 0;
}

int32_t Is_Slot_In_Formation_Row(int32_t team, int32_t formation, int32_t slot) {
    if (!Is_Team_Index(team) || !Is_Valid_Formation(formation) || slot < 0 || slot >= PLAYERS_PER_TEAM)
        return 0;
    const int32_t id = Get_Player_ID(team, slot);
    if (id <= 0) return 0;
    int32_t row[PLAYERS_ON_FIELD];
    Get_Formation_Depth_Chart_Row(team, formation, row);
    return Is_Id_In_Row(row, PLAYERS_ON_FIELD, id) ? 1 : 0;
}

void Build_Formation_Depth_Chart_Row(int32_t team, int32_t formation, int32_t blowout_mode) {
    if (!Is_Team_Index(team) || !Is_Valid_Formation(formation)) {
        Report_System_Error("Invalid argument in Build_Formation_Depth_Chart_Row(%d,%d)", team, formation);
        return;
    }
    ROSTER_INDEX index;
    Build_Roster_Index(team, &index);
    PLACE_ANSWERS answers;
    Read_Place_Answers(index, &answers);
    static DEPTH_CHART_FILL fill;
    Start_Depth_Chart_Fill(team, &fill);
    Build_Depth_Chart_Row(&index, &answers, &fill, formation, blowout_mode);
}

void Set_Formation_Depth_Charts(int32_t team, int32_t blowout_mode) {
    if (!Is_Team_Index(team)) {
        Report_System_Error("nTeam out of bounds in Set_Formation_Depth_Charts(%d)", team);
        return;
    }
    ROSTER_INDEX index;
    Build_Roster_Index(team, &index);
    PLACE_ANSWERS answers;
    Read_Place_Answers(index, &answers);
    static DEPTH_CHART_FILL fill;
    Start_Depth_Chart_Fill(team, &fill);
    // A formation asking for the same places as one built before it gets the
    // same row, unless a row built since then read the roster again or drew
    // a number: such a row starts the rows that may be copied afresh.
    static const SAME_PLACES_TABLE same_places;
    const int32_t mode = blowout_mode ? 1 : 0;
    int32_t rows[NUMBER_OF_FORMATIONS][PLAYERS_ON_FIELD];
    int32_t copyable_from = 0;
    for (int32_t formation = 0; formation < NUMBER_OF_FORMATIONS; ++formation) {
        const int32_t first = same_places.First[mode][formation];
        if (first != formation && first >= copyable_from) {
            std::memcpy(rows[formation], rows[first], sizeof rows[formation]);
            Set_Formation_Depth_Chart_Row(team, formation, rows[formation]);
            continue;
        }
        const uint32_t build = index.Build;
        const uint64_t draws = Get_Random_Draw_Count();
        Build_Depth_Chart_Row(&index, &answers, &fill, formation, blowout_mode, rows[formation]);
        if (index.Build != build || Get_Random_Draw_Count() != draws) copyable_from = formation + 1;
    }
}

void Rebuild_Side_Depth_Chart(GAME_RECORD* pGame, int32_t side) {
    if (pGame == nullptr || side < 0 || side > 1) return;
    const int32_t team = pGame->Team[side];
    if (!Is_Team_Index(team)) return;
    const bool blowout = Is_Blowout(pGame) && !Is_Watched_Human_Team(pGame, team);
    Set_Formation_Depth_Charts(team, blowout ? 1 : 0);
}

void Update_Game_Depth_Charts(GAME_RECORD* pGame) {
    Rebuild_Side_Depth_Chart(pGame, 0);
    Rebuild_Side_Depth_Chart(pGame, 1);
}

void Credit_Game_Starters(GAME_RECORD* pGame) {
    if (pGame == nullptr) return;
    for (int32_t side = 0; side < 2; ++side) {
        const int32_t team = pGame->Team[side];
        if (!Is_Team_Index(team)) continue;
        const int32_t offense_system = Get_Team_Stat(team, TEAM_STAT_OFFENSIVE_SYSTEM);
        const int32_t offense =
            offense_system == 1 ? 4 : (offense_system == 2 ? 7 : (offense_system == 3 ? 18 : 1));
        const int32_t defense = Get_Team_Stat(team, TEAM_STAT_DEFENSIVE_SYSTEM) == 1 ? 25 : 22;
        const int32_t rows[2] = {offense, defense};
        // A player listed in both rows (a thin roster fills a place from the
        // other side of the ball) starts the game once.
        bool started[PLAYERS_PER_TEAM] = {};
        for (int32_t formation : rows) {
            for (int32_t i = 0; i < PLAYERS_ON_FIELD; ++i) {
                const int32_t id = Get_Formation_Depth_Chart_Entry(team, formation, i);
                if (id <= 0) continue;
                int32_t found_team = -1;
                int32_t found_slot = -1;
                if (Find_Player_By_ID(&found_team, &found_slot, id) && found_team == team &&
                    found_slot >= 0 && found_slot < PLAYERS_PER_TEAM) {
                    if (started[found_slot]) continue;
                    started[found_slot] = true;
                    Increment_Player_Stat(found_team, found_slot, STAT_GAMES_STARTED, 1);
                } else {
                    Report_System_Error("Bad nPlayer %d,%d in Credit_Game_Starters()", found_team,
                                        found_slot);
                }
            }
        }
    }
}

void Forget_Kept_Game_State() {
    Forget_Game_Injury_Tally();
}

void Setup_Game(GAME_RECORD* pGame) {
    if (pGame == nullptr) return;
    Forget_Game_Injury_Tally();
    pGame->Week = static_cast<int16_t>(Current_Week());
    pGame->Season_Year = static_cast<uint16_t>(Get_Current_Year());
    Set_Game_Weather(pGame);
    pGame->Attendance = Get_Game_Attendance(pGame);
    Update_Game_Depth_Charts(pGame);
    Credit_Game_Starters(pGame);
    for (int32_t side = 0; side < 2; ++side) {
        const int32_t team = pGame->Team[side];
        if (!Is_Team_Index(team)) continue;
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
            if (Is_Player_Slot_Used(team, slot)) Set_Player_Vital_Stat(team, slot, VITAL_IN_GAME, 0);
    }
}

float Get_Weather_Condition_Factor(const GAME_RECORD* pGame) {
    if (pGame == nullptr || Is_Game_Indoors(pGame)) return 1.025f;
    switch (Get_Weather_Condition(pGame)) {
    case WEATHER_CLOUDS:
    case WEATHER_SUNNY:
        return 1.025f;
    case WEATHER_FLURRIES:
        return 0.975f;
    case WEATHER_DRIZZLE:
        return 1.0f;
    case WEATHER_RAIN:
        return 0.95f;
    default:
        return 0.9f;
    }
}

float Get_Wind_Factor(const GAME_RECORD* pGame) {
    if (pGame == nullptr || Is_Game_Indoors(pGame)) return 1.0f;
    int32_t d = pGame->Wind_Direction;
    if (d > 270) d -= 360;
    const int32_t c = 90 - std::abs(90 - d);
    int32_t k = (8 * static_cast<int32_t>(pGame->Wind_Speed) * c + 45) / 90;
    if (Get_Offense_Side(pGame) == 1) k = -k;
    return static_cast<float>(k + 1000) / 1000.0f;
}

float Get_Kick_Distance_Factor(const GAME_RECORD* pGame) {
    if (pGame == nullptr || Is_Game_Indoors(pGame)) return 1.0f;
    return (Get_Wind_Factor(pGame) - 1.0f) + (Get_Weather_Condition_Factor(pGame) + 1.0f) / 2.0f -
           static_cast<float>(pGame->Wind_Speed) / 100.0f;
}

float Get_Kick_Factor(const GAME_RECORD* pGame) {
    if (pGame == nullptr || Is_Game_Indoors(pGame)) return 1.05f;
    float b = 1.05f;
    switch (Get_Weather_Condition(pGame)) {
    case WEATHER_CLOUDS:
    case WEATHER_SUNNY:
        b = 1.05f;
        break;
    case WEATHER_FLURRIES:
        b = 1.025f;
        break;
    case WEATHER_DRIZZLE:
        b = 0.975f;
        break;
    case WEATHER_RAIN:
    case WEATHER_SNOW:
        b = 0.9f;
        break;
    default:
        b = 0.75f;
        break;
    }
    return (200.0f - static_cast<float>(pGame->Wind_Speed)) / 200.0f * Get_Wind_Factor(pGame) * b;
}

int32_t Get_Weather_Rating_Factor(const GAME_RECORD* pGame, int32_t slot, float game_value) {
    if (pGame == nullptr) return 0;
    const int32_t team = pGame->Possession_Team;
    float rating = MINIMUM_RATING;
    if (Is_Team_Index(team) && slot >= 0 && slot < PLAYERS_PER_TEAM) {
        const float stored = Get_Player_Rating(team, slot, RATING_HANDS);
        rating = std::isnan(stored) ? Get_Rating_Baseline(RATING_HANDS) : stored;
        if (rating < MINIMUM_RATING) rating = MINIMUM_RATING;
        if (rating != stored) Set_Player_Rating(team, slot, RATING_HANDS, rating);
    }
    const int32_t r = static_cast<int32_t>(rating < 100.0f ? rating : 100.0f);
    const int32_t f = Clamp(r, 60, 100);
    const float factor = game_value * std::sqrt(static_cast<float>(105 - f) / 30.0f) * 50.0f /
                         Get_Weather_Condition_Factor(pGame);
    int32_t result = static_cast<int32_t>(factor);
    if (Get_Replay_Mode() != 0) {
        const float replay = Get_Replay_Rushing_Factor(pGame);
        // A factor of zero would divide by nothing; the result then stands.
        if (replay > 0.0f) result = static_cast<int32_t>(static_cast<float>(result) / replay);
    }
    return result;
}
