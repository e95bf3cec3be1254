#include "engine/statistics_credit.h"

#include <algorithm>
#include <cmath>

#include "app/diagnostics.h"
#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/random_numbers.h"
#include "database/season_lines.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "engine/game_record.h"
#include "engine/kicking_plays.h"
#include "engine/play_resolution_support.h"
#include "engine/playbook_records.h"
#include "playbooks/playbook_queries.h"

namespace {

constexpr int32_t CATEGORY_BY_POSITION[NUMBER_OF_POSITIONS] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 2, 2};
constexpr int32_t ROUTE_ALTERNATE_TARGET = 37;
// A passer's times sacked and the yards he lost on them.
constexpr int32_t STAT_TIMES_SACKED = 14;
constexpr int32_t STAT_SACK_YARDS = 15;

// Game-screen weights of the five counters by position.
constexpr int32_t COUNTER_WEIGHTS[NUMBER_OF_POSITIONS][GAME_PLAYER_COUNTERS] = {
    {-2, 5, 1, 45, -25}, {0, 2, 5, 3, 45},   {0, 2, 5, 3, 45},   {0, 2, 5, 3, 45},   {0, 2, 5, 3, 45},
    {0, 0, 0, 0, 0},     {0, 0, 0, 0, 0},    {0, 0, 0, 0, 0},    {20, 75, 6, 3, 45}, {20, 75, 6, 3, 45},
    {20, 75, 6, 3, 45},  {20, 75, 6, 3, 45}, {20, 75, 6, 3, 45}, {10, 2, 40, 15, 0}, {0, 0, 0, 0, 0}};

int Side_Of_Team(const GAME_RECORD* pGame, int32_t team) {
    return pGame->Team[1] == team ? 1 : 0;
}
bool Is_Try(const GAME_RECORD* pGame) {
    return Get_Game_Down(pGame) == CONVERSION_ATTEMPT;
}

int32_t Rating(int32_t team, int32_t slot, int32_t n) {
    return static_cast<int32_t>(Get_Player_Rating(team, slot, n));
}

int32_t On_Field_Slot(const GAME_RECORD* pGame, int side, int i) {
    int32_t slot = pGame->On_Field[side][i];
    return slot < PLAYERS_PER_TEAM ? slot : NO_PLAYER;
}

} // namespace

int32_t Get_Position_Stat_Category(int32_t position) {
    if (position < 0 || position >= NUMBER_OF_POSITIONS) return -1;
    return position == POSITION_QB ? 3 : CATEGORY_BY_POSITION[position];
}

int32_t Get_Game_Counter_Index(int32_t category, int32_t stat) {
    switch (category) {
    case 0:
        switch (stat) {
        case 7:
            return 0;
        case 8:
            return 1;
        case 10:
            return 2;
        case 11:
            return 3;
        case 9:
        case 12:
        case 16:
        case 19:
            return 4;
        default:
            return -1;
        }
    case 1:
        switch (stat) {
        case 4:
            return 0;
        case 7:
            return 1;
        case 2:
            return 2;
        case 3:
            return 3;
        case 9:
        case 16:
        case 19:
            return 4;
        default:
            return -1;
        }
    case 2:
        switch (stat) {
        case 8:
            return 0;
        case 9:
            return 1;
        case 10:
        case 12:
        case 14:
        case 16:
            return 2;
        case 11:
        case 13:
        case 15:
        case 17:
            return 3;
        default:
            return -1;
        }
    case 3:
        switch (stat) {
        case 2:
            return 0;
        case 3:
            return 1;
        case 5:
            return 2;
        case 6:
            return 3;
        case 4:
            return 4;
        default:
            return -1;
        }
    default:
        return -1;
    }
}

namespace {
NON_PASSER_PASSING_LISTENER Non_Passer_Passing_Listener = nullptr;

// True in the regular season's weeks: playoff games leave the season lines alone.
bool Is_Season_Line_Week() {
    const int32_t length = Universe.Season_Length;
    const int32_t last_week = length < 3 ? 2 : length;
    return Get_Current_Week() < last_week;
}

// Increment_Player_Stat with the player's current season line kept in *line
// for the next stat of the same player (NO_SEASON_LINE: not found yet).
// Nothing a credit writes moves a player's current line, so the line found
// for one stat is the one found again for the next.
void Add_Player_Season_Stat(int32_t team, int32_t slot, int32_t stat, int32_t amount, int32_t* line) {
    if (!Is_Valid_Team_Code(team)) {
        Report_System_Error("Invalid nTeam in Increment_Player_Stat");
        return;
    }
    if (slot < 0 || slot >= PLAYERS_PER_TEAM || stat < 0 || stat >= NUMBER_OF_SEASON_STATS) return;
    if (!Is_Season_Line_Week()) return;
    if (Is_Player_Address(team, slot)) {
        // This season's and the career figures are added where they lie.
        int32_t(&stats)[NUMBER_OF_STORED_SEASONS][NUMBER_OF_SEASON_STATS] =
            Universe.Teams[team].Players[slot].Season_Stats;
        stats[SEASON_THIS][stat] = stats[SEASON_THIS][stat] + amount;
        stats[SEASON_CAREER][stat] = stats[SEASON_CAREER][stat] + amount;
    } else {
        Add_Player_Stat(team, slot, SEASON_THIS, stat, amount);
        Add_Player_Stat(team, slot, SEASON_CAREER, stat, amount);
    }
    // As Add_Player_Current_Season_Line_Stat; a line that could not be found
    // is looked for again, as each separate credit would.
    if (!Is_Player_Slot_Used(team, slot)) return;
    if (*line == NO_SEASON_LINE) *line = Get_Player_Current_Season_Line(team, slot);
    // The line's figure too is added where it lies.
    static_assert(NUMBER_OF_SEASON_STATS <= NUMBER_OF_SEASON_LINE_STATS);
    if (static_cast<uint32_t>(*line) < MAX_SEASON_LINES) Universe.Season_Lines[*line].Stats[stat] += amount;
}
} // namespace

void Increment_Player_Stat(int32_t team, int32_t slot, int32_t stat, int32_t amount) {
    int32_t line = NO_SEASON_LINE;
    Add_Player_Season_Stat(team, slot, stat, amount, &line);
}

void Keep_Longest_Kick(int32_t team, int32_t slot, int32_t stat, int32_t distance, bool career) {
    if (!Is_Player_Address(team, slot) || !Is_Player_Slot_Used(team, slot) || !Is_Season_Line_Week() ||
        !Is_Longest_Kick_Stat(team, slot, stat))
        return;
    const int32_t line = Get_Player_Current_Season_Line(team, slot);
    if (line >= 0 && distance > Get_Season_Line_Stat(line, stat)) Set_Season_Line_Stat(line, stat, distance);
    for (const int32_t season : {SEASON_THIS, SEASON_CAREER}) {
        if (season == SEASON_CAREER && !career) continue;
        if (distance > Get_Player_Stat(team, slot, season, stat))
            Set_Player_Stat(team, slot, season, stat, distance);
    }
}

void Add_Team_Totals_Stat(int32_t team, int32_t category, int32_t season, int32_t stat, int32_t amount) {
    // A stored total is added to where it lies; any other address goes
    // through the accessors, which report it.
    if (Is_Team_Record_Slot(team) && category >= 0 && category < NUMBER_OF_TOTALS_CATEGORIES && season >= 0 &&
        season < NUMBER_OF_TOTALS_SEASONS && stat >= 0 && stat < NUMBER_OF_TOTALS_STATS) {
        Universe.Teams[team].Totals[category][season][stat] += amount;
        return;
    }
    Set_Team_Totals_Stat(team, category, season, stat,
                         Get_Team_Totals_Stat(team, category, season, stat) + amount);
}

void Credit_Game_Stat(GAME_RECORD* pGame, int32_t team, int32_t slot, int32_t group, int32_t stat,
                      int32_t amount) {
    const GAME_STAT_CREDIT credit[] = {{stat, amount}};
    Credit_Game_Stats(pGame, team, slot, group, credit);
}

namespace {
// A credit to the totals of the team in its category and to the opponent's
// (NO_TEAM and other codes past the franchises: none) in the category four
// further on, this season and all time.
void Add_Team_Totals_Credit(int32_t team, int32_t opponent, int32_t category, int32_t stat, int32_t amount) {
    const bool has_opponent = opponent < TOTAL_NUMBER_OF_TEAMS;
    if (Is_Team_Record_Slot(team) && (!has_opponent || Is_Team_Record_Slot(opponent)) &&
        category + 4 < NUMBER_OF_TOTALS_CATEGORIES && stat >= 0 && stat < NUMBER_OF_TOTALS_STATS) {
        // Both teams' totals lie in their records: added in place.
        for (int32_t season : {0, 2}) {
            Universe.Teams[team].Totals[category][season][stat] += amount;
            if (has_opponent) Universe.Teams[opponent].Totals[category + 4][season][stat] += amount;
        }
        return;
    }
    for (int32_t season : {0, 2}) {
        Add_Team_Totals_Stat(team, category, season, stat, amount);
        if (has_opponent) Add_Team_Totals_Stat(opponent, category + 4, season, stat, amount);
    }
}

// The credits to a player who passed the group and try tests: his season
// figures, the teams' totals and his game counters.
void Add_Game_Credits(GAME_RECORD* pGame, int32_t team, int32_t slot, int32_t position,
                      std::span<const GAME_STAT_CREDIT> credits) {
    const int32_t player_group = Get_Position_Group(position);
    const int32_t category = Get_Position_Stat_Category(position);
    const int side = Side_Of_Team(pGame, team);
    const int32_t opponent = pGame->Team[1 - side];
    const bool out = Get_Player_Vital_Stat(team, slot, VITAL_WEEKS_OUT) > 0;
    int32_t line = NO_SEASON_LINE;
    for (const auto [stat, amount] : credits) {
        bool credited = false;
        if (!(out && stat != 0)) {
            Add_Player_Season_Stat(team, slot, stat, amount, &line);
            credited = true;
        }
        if (player_group == 1 || category < 0) continue;
        Add_Team_Totals_Credit(team, opponent, category, stat, amount);
        int32_t counter = Get_Game_Counter_Index(category, stat);
        if (credited && counter >= 0) Add_Game_Player_Counter(pGame, side, slot, counter, amount);
    }
}
} // namespace

void Credit_Game_Stats(GAME_RECORD* pGame, int32_t team, int32_t slot, int32_t group,
                       std::span<const GAME_STAT_CREDIT> credits) {
    if (pGame == nullptr || !Is_Player_Address(team, slot)) return;
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    const int32_t player_group = Get_Position_Group(position);
    if (group >= 0 && group <= 3 && group != player_group) return;
    if (group == 4) {
        bool runner = player_group == 0 && position != POSITION_QB;
        if (!runner && player_group != 2) return;
    }
    if (Is_Try(pGame) && pGame->Current_Play.Offensive_Play != HARD_CODED_FIELD_GOAL_PLAY) return;
    Add_Game_Credits(pGame, team, slot, position, credits);
}

void Set_Non_Passer_Passing_Listener(NON_PASSER_PASSING_LISTENER listener) {
    Non_Passer_Passing_Listener = listener;
}

void Credit_Team_Passing(GAME_RECORD* pGame, int32_t team, int32_t slot,
                         std::span<const GAME_STAT_CREDIT> credits) {
    if (pGame == nullptr || !Is_Valid_Team_Code(team)) return;
    if (Is_Try(pGame) && pGame->Current_Play.Offensive_Play != HARD_CODED_FIELD_GOAL_PLAY) return;
    const int32_t opponent = pGame->Team[1 - Side_Of_Team(pGame, team)];
    for (const auto [stat, amount] : credits)
        Add_Team_Totals_Credit(team, opponent, Get_Position_Stat_Category(POSITION_QB), stat, amount);
    // What a quarterback's own line would have taken of the pass: the
    // regular season's figures of a player who is not marked out.
    if (Non_Passer_Passing_Listener == nullptr || !Is_Player_Address(team, slot) || !Is_Season_Line_Week() ||
        Get_Player_Vital_Stat(team, slot, VITAL_WEEKS_OUT) > 0)
        return;
    for (const auto [stat, amount] : credits)
        Non_Passer_Passing_Listener(team, slot, stat, amount);
}

void Credit_Game_Played(GAME_RECORD* pGame, int32_t team, int32_t slot) {
    if (pGame == nullptr || !Is_Player_Address(team, slot)) return;
    const GAME_STAT_CREDIT played[] = {{0, 1}};
    Add_Game_Credits(pGame, team, slot, Get_Player_Vital_Stat(team, slot, VITAL_POSITION), played);
}

namespace {
// Estimate_Player_Stat_Frequency for the player whose position the caller
// has read.
int32_t Estimate_Stat_Frequency_At(int32_t team, int32_t slot, int32_t position, int32_t stat) {
    const int32_t group = Get_Position_Group(position);
    auto R = [&](int32_t n) { return Rating(team, slot, n); };
    auto pos = [&](int32_t p) { return position == p; };
    int32_t weight = -1;
    if (group == 0 && stat == 11) {
        float f = 0.1f * static_cast<float>(R(7) + R(9) + R(8) + R(10) + R(12) + R(5)) +
                  0.4f * static_cast<float>(R(11));
        int32_t w = std::max(0, static_cast<int32_t>(f) - 45);
        weight = w * (w / 2);
    } else if (group == 1 && stat == 4) {
        weight = std::max(1, 105 - R(15));
    } else if (group == 1 && (stat == 10 || stat == 11)) {
        weight = std::max(1, 105 - R(17));
    } else if (group == 2) {
        switch (stat) {
        case 2: {
            const int32_t tackling = R(22);
            weight = std::max(1, std::max(0, tackling - 40) + std::max(0, tackling - 80) + R(18) / 10 +
                                     tackling / 10);
            if (pos(POSITION_LB) && Get_Player_Byte_Field(team, slot, PLAYER_BYTE_EXPANDED_POSITION) != 33)
                weight = Mul_Div_Round(weight, 130, 100);
            break;
        }
        case 3:
            weight = std::max(1, (std::max(0, R(22) - 40) + std::max(0, R(18) - 40)) / 4);
            if (pos(POSITION_CB) || pos(POSITION_S)) weight /= 2;
            break;
        case 4: {
            const int32_t pass_rush = R(19);
            weight = (pass_rush - 40) * (pass_rush - 40) / 100;
            if (pos(POSITION_CB) || pos(POSITION_S)) weight /= 2;
            break;
        }
        case 5: {
            int32_t a = std::max(2, R(22) - 60);
            int32_t b = std::max(2, R(21) - 60);
            int32_t c = std::max(2, R(19) - 60);
            weight = (a - 1) + b + c;
            if (pos(POSITION_LB) || pos(POSITION_DE)) weight *= 2;
            break;
        }
        case 6:
            weight = std::max(1, (R(20) - 50) / 2);
            if (pos(POSITION_S))
                weight = Mul_Div_Round(weight, 80, 100);
            else if (!pos(POSITION_CB))
                weight = Mul_Div_Round(weight, 40, 100);
            break;
        case 7: {
            const int32_t coverage = R(20);
            int32_t t = Mul_Div_Round(R(21) - 40, coverage - 35, 20);
            weight = std::max(1, t * (coverage - 35) / 10);
            if (!pos(POSITION_CB) && !pos(POSITION_S)) weight /= 2;
            break;
        }
        case 8:
            weight = std::max(1, (2 * R(22) + R(20) + R(21) - 160) / 20);
            break;
        default:
            break;
        }
    }
    if (weight < 0) {
        Report_System_Error(
            "Unhandled stat in Estimate_Player_Stat_Frequency(TNUM nTeam, INDEX nPlayer, int nStat)");
        return 0;
    }
    return weight;
}

// The pull of estimate f towards the replayed season's line, in replay mode
// from week 4.
float Replayed_Stat_Frequency(float f, int32_t team, int32_t slot, int32_t stat, int32_t week) {
    float p = static_cast<float>(Get_Player_Stat(team, slot, SEASON_PREDICTED, stat)) + 0.5f;
    float pg = static_cast<float>(Get_Player_Stat(team, slot, SEASON_PREDICTED, 0)) + 0.5f;
    float t = static_cast<float>(Get_Player_Stat(team, slot, SEASON_THIS, stat)) + 0.5f;
    float tg = static_cast<float>(Get_Player_Stat(team, slot, SEASON_THIS, 0)) + 0.5f;
    float w = static_cast<float>(week);
    float r = (w + 1.0f) * p / (pg * w) * tg / t;
    float m = 1.0f;
    if (r < 0.85f)
        m = r / 0.85f;
    else if (r > 1.2f)
        m = r / 1.2f;
    const float root2 = static_cast<float>(std::sqrt(2.0));
    const float root_half = static_cast<float>(std::sqrt(0.5));
    if (m > root2)
        m = (root2 + m) / 2.0f;
    else if (m < root_half)
        m = (m + root_half) / 2.0f;
    m = std::clamp(m, 0.5f, 2.0f);
    float q = m * p;
    if (stat == 5) q *= 40.0f;
    if (stat == 6) q *= 2.0f;
    if (stat == 7) q *= 9.0f;
    if (stat == 8) q *= 50.0f;
    float k = static_cast<float>((week - 4) / 3);
    return (k * q + f) / (k + 1.0f);
}

// Get_Adjusted_Stat_Frequency with the position, the week and the replay
// mode read by the caller (once for all the players it weighs).
int32_t Adjusted_Stat_Frequency_At(int32_t team, int32_t slot, int32_t position, int32_t stat, int32_t week,
                                   bool replay) {
    const float f = static_cast<float>(Estimate_Stat_Frequency_At(team, slot, position, stat));
    const float x = replay && week >= 4 ? Replayed_Stat_Frequency(f, team, slot, stat, week) : f;
    int32_t weight = static_cast<int32_t>(x + 0.5f);
    return weight < 0 ? 0 : weight;
}
} // namespace

int32_t Estimate_Player_Stat_Frequency(int32_t team, int32_t slot, int32_t stat) {
    return Estimate_Stat_Frequency_At(team, slot, Get_Player_Vital_Stat(team, slot, VITAL_POSITION), stat);
}

int32_t Get_Adjusted_Stat_Frequency(int32_t team, int32_t slot, int32_t stat) {
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    return Adjusted_Stat_Frequency_At(team, slot, position, stat, Get_Current_Week(), Get_Replay_Mode() != 0);
}

int32_t Choose_Game_Event_Player(GAME_RECORD* pGame, int32_t group, int32_t stat, int32_t bPenalty) {
    if (pGame == nullptr) return NO_PLAYER;
    int offense = Get_Offense_Side(pGame);
    int side = group == 2 ? 1 - offense : offense;
    int32_t team = pGame->Team[side];
    int32_t weights[ON_FIELD_PLAYERS] = {};
    int64_t total = 0;
    int32_t yards = pGame->Snap_Yards;
    int32_t week = Get_Current_Week();
    int32_t offense_team = pGame->Team[offense];
    bool running = Is_Running_Play(offense_team, pGame->Current_Play.Offensive_Play);
    const bool replay = Get_Replay_Mode() != 0;
    // What the stat asks of the weights, the same for every player.
    const bool any_player = stat == -1;
    const bool sack = group == 2 && stat == 4;
    const bool tackle = group == 2 && (stat == 2 || stat == 3);
    for (int i = 0; i < ON_FIELD_PLAYERS; ++i) {
        int32_t slot = On_Field_Slot(pGame, side, i);
        if (!Is_Player_Address(team, slot)) continue;
        const int32_t* vitals = Universe.Teams[team].Players[slot].Vital_Stats;
        if (vitals[VITAL_PLAYER_ID] <= 0) continue;
        const int32_t position = vitals[VITAL_POSITION];
        int32_t w = 0;
        if (any_player) {
            w = 1000;
        } else if (Get_Position_Group_Split_QB(position) == group) {
            w = Adjusted_Stat_Frequency_At(team, slot, position, stat, week, replay);
        }
        if (sack) {
            int32_t role = Get_Defensive_Play_Role(team, pGame->Current_Play.Defensive_Play, i);
            if (role >= 8 && role <= 18) {
                w = 0;
            } else {
                float fw = static_cast<float>(w);
                if (position == POSITION_DT) fw *= 1.5f;
                if (position == POSITION_LB) fw *= 10.0f;
                if (position == POSITION_CB) fw *= 15.0f;
                if (position == POSITION_S) fw = std::max(1.0f, fw * 20.0f);
                if (role < 4) fw *= 3.0f;
                w = static_cast<int32_t>(fw);
                if (week >= 0 && week <= 2) {
                    int32_t sacks = Get_Player_Stat(team, slot, SEASON_THIS, 4);
                    if (sacks > week) w /= (sacks + 5);
                }
            }
        } else if (tackle && w > 0) {
            if (yards < 3 && running) {
                if (position == POSITION_DT) w += w / 2;
                if (position == POSITION_DE) w += w / 3;
                if (position == POSITION_S) w /= 2;
                if (position == POSITION_CB) w = 0;
            } else if (yards >= 6) {
                if (position == POSITION_DE || position == POSITION_DT) w = yards > 9 ? 0 : w / 2;
                if (yards > 15 && position == POSITION_CB) w += w / 2;
                if (yards > 15 && position == POSITION_S) w += w / 3;
                if (yards > 25 && position == POSITION_LB) w /= 3;
            }
            if (stat == 2) {
                // Tackles this season (computed code 147) are the solo and
                // assisted ones, stats 2 and 3, read in place. They count as
                // he makes them, his games only when a game ends: the game
                // being played counts among his games, so that his first game
                // of a season allows him tackles rather than none.
                int32_t tackles =
                    Get_Player_Stat(team, slot, SEASON_THIS, 2) + Get_Player_Stat(team, slot, SEASON_THIS, 3);
                int32_t games = Get_Player_Stat(team, slot, SEASON_THIS, 0) + 1;
                if (tackles > 9 * games && tackles > 0) w = Mul_Div_Round(w, 9 * games, tackles);
            }
        }
        if (stat == 144 && (position == POSITION_T || position == POSITION_G)) w *= 2;
        weights[i] = std::max(0, w);
        total += weights[i];
    }
    int32_t chosen = NO_PLAYER;
    if (total > 0) {
        int64_t d = static_cast<int64_t>(static_cast<double>(Random_Number()) * RANDOM_FRACTION *
                                         static_cast<double>(total));
        int64_t running_sum = 0;
        for (int i = 0; i < ON_FIELD_PLAYERS; ++i) {
            running_sum += weights[i];
            if (weights[i] > 0 && running_sum > d) {
                chosen = On_Field_Slot(pGame, side, i);
                break;
            }
        }
    } else if (group == 0 && stat == 10) {
        chosen = On_Field_Slot(pGame, side, 1 + Random_Int(5));
    } else {
        chosen = On_Field_Slot(pGame, side, Random_Int(ON_FIELD_PLAYERS));
    }
    if (chosen == NO_PLAYER)
        Report_System_Error(
            "No player assigned in Choose_Game_Event_Player(pGame, nExpandedType=%d, nStat=%d, bPenalty=%d)",
            group, stat, bPenalty);
    return chosen;
}

int32_t Is_Alternate_Target_Snap(const GAME_RECORD* pGame) {
    if (pGame == nullptr) return 0;
    return ((pGame->Current_Play.Defensive_Play + pGame->Clock) & 1) ? 1 : 0;
}

int32_t Get_Primary_Receiver(const GAME_RECORD* pGame) {
    if (pGame == nullptr) return NO_PLAYER;
    int side = Get_Offense_Side(pGame);
    int32_t team = pGame->Team[side];
    int32_t play = pGame->Current_Play.Offensive_Play;
    int32_t field_slot = Get_Offensive_Play_Primary_Receiver(team, play);
    // A read or option play throws to the back on the play-action route on odd
    // snaps; other plays keep their primary receiver whatever their routes.
    if (Is_Read_Or_Option_Play(team, play) && Is_Alternate_Target_Snap(pGame)) {
        for (int r = 0; r < 5; ++r) {
            if (Get_Offensive_Play_Route(team, play, r) != ROUTE_ALTERNATE_TARGET) continue;
            field_slot = r + 1;
            break;
        }
    }
    if (field_slot < 0 || field_slot >= ON_FIELD_PLAYERS) return NO_PLAYER;
    return On_Field_Slot(pGame, side, field_slot);
}

int32_t Snap_Ends_Half(const GAME_RECORD* pGame) {
    if (pGame == nullptr) return 0;
    int32_t seconds = pGame->Snap_Seconds;
    if (pGame->Clock < 1800 && seconds >= 1800 - pGame->Clock) return 1;
    return seconds >= Get_Half_Time_Left(pGame) ? 1 : 0;
}

void Credit_Run(GAME_RECORD* pGame, int32_t runner_slot, int32_t yards, int32_t hole) {
    if (pGame == nullptr) return;
    int side = Get_Offense_Side(pGame);
    int32_t team = pGame->Team[side];
    const GAME_STAT_CREDIT carry[] = {{7, 1}, {8, yards}};
    Credit_Game_Stats(pGame, team, runner_slot, 0, carry);
    int first = -1, last = -1;
    if (hole == 0) {
        first = 6;
        last = 7;
    }
    if (hole == 1) {
        first = 7;
        last = 9;
    }
    if (hole == 2) {
        first = 9;
        last = 10;
    }
    for (int i = first; i >= 0 && i <= last; ++i) {
        int32_t slot = On_Field_Slot(pGame, side, i);
        Credit_Game_Stats(pGame, team, slot, 1, carry);
    }
    if (!Is_Try(pGame)) {
        Increment_Game_Team_Total(pGame, side, GAME_TOTAL_RUSHES, 1);
        Increment_Game_Team_Total(pGame, side, GAME_TOTAL_RUSHING_YARDS, yards);
    }
}

int32_t Credit_Sack(GAME_RECORD* pGame) {
    if (pGame == nullptr) return NO_PLAYER;
    int offense = Get_Offense_Side(pGame);
    int defense = 1 - offense;
    int32_t team = pGame->Team[defense];
    int32_t first = Choose_Game_Event_Player(pGame, 2, 4, 0);
    int32_t second = Random_Int(100) >= 75 ? Choose_Game_Event_Player(pGame, 2, 4, 0) : first;
    // Sacks count in halves: a lone sacker gets both halves.
    Credit_Game_Stat(pGame, team, first, 2, 4, 1);
    Credit_Game_Stat(pGame, team, second, 2, 4, 1);
    if (first == second) {
        Credit_Game_Stat(pGame, team, first, 2, 2, 1);
    } else {
        Credit_Game_Stat(pGame, team, first, 2, 3, 1);
        Credit_Game_Stat(pGame, team, second, 2, 3, 1);
    }
    const int32_t yards = pGame->Snap_Yards;
    const int32_t lost = yards < 0 ? -yards : yards;
    if (!Is_Try(pGame)) {
        Increment_Game_Team_Total(pGame, defense, GAME_TOTAL_SACKS, 1);
        Increment_Game_Team_Total(pGame, defense, GAME_TOTAL_SACK_YARDS, lost);
        Increment_Game_Team_Total(pGame, offense, GAME_TOTAL_PASSING_YARDS, yards);
    }
    // The passer is sacked for the yards the sackers' total takes.
    const GAME_STAT_CREDIT sacked[] = {{STAT_TIMES_SACKED, 1}, {STAT_SACK_YARDS, lost}};
    Credit_Passer(pGame, On_Field_Slot(pGame, offense, 0), sacked);
    Credit_Sack_Allowed(pGame);
    return first;
}

void Credit_Sack_Allowed(GAME_RECORD* pGame) {
    if (pGame == nullptr) return;
    int32_t team = pGame->Possession_Team;
    int32_t d = Random_Int(100);
    int picks = 0, each = 0;
    if (d < 25) {
        picks = 1;
        each = 4;
    } else if (d < 50) {
        picks = 2;
        each = 2;
    } else if (d < 75) {
        picks = 4;
        each = 1;
    }
    for (int p = 0; p < picks; ++p) {
        int32_t slot = Choose_Game_Event_Player(pGame, 1, 4, 0);
        for (int k = 0; k < each; ++k)
            Credit_Game_Stat(pGame, team, slot, 1, 4, 1);
    }
}

void Credit_Passing_Yards(GAME_RECORD* pGame, int32_t team, int32_t slot, int32_t yards) {
    Credit_Game_Stat(pGame, team, slot, 0, 5, yards);
}

int32_t Get_Game_Player_Score(const GAME_RECORD* pGame, int32_t side, int32_t index) {
    if (pGame == nullptr || side < 0 || side >= 2 || index < 0 || index >= GAME_LISTED_PLAYERS) return 0;
    int32_t id = pGame->Player_Ids[side][index];
    if (id < 1) return 0;
    int32_t team = 0, slot = 0;
    if (!Find_Player_By_ID(&team, &slot, id)) return 0;
    int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    if (position < 0 || position >= NUMBER_OF_POSITIONS) position = POSITION_QB;
    int32_t score = 0;
    for (int k = 0; k < GAME_PLAYER_COUNTERS; ++k)
        score += pGame->Player_Counters[side][index][k] * COUNTER_WEIGHTS[position][k];
    return score;
}
