#include "season/playoff_seeding.h"

#include "app/diagnostics.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/playoff_bracket.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/standings.h"
#include "database/team_record.h"
#include "database/team_results.h"
#include "database/universe.h"
#include "season/season_calendar.h"

namespace {
constexpr int32_t DIVISIONS_PER_CONFERENCE = 4;
constexpr int32_t DIVISION_LEADER_BONUS = 10000000;
constexpr int32_t FIRST_SECOND_ROUND_SLOT = 16;
constexpr int32_t CONFERENCE_CHAMPION_SLOT = 28;
constexpr int32_t LEAGUE_CHAMPION_SLOT = 30;
constexpr int32_t MOST_RINGS = 127;
constexpr int32_t SATURDAY = 5;
constexpr int32_t SUNDAY = 6;
constexpr int32_t LATE_KICKOFF = 1630;
constexpr int32_t EARLY_KICKOFF = 1305;

// Bracket slot of each seed by the number of teams a conference sends. With
// three teams seeds 2 and 3 meet in the second round for the right to play
// seed 1 in the conference final (slots whose games are all played).
// clang-format off
constexpr int8_t SEED_SLOTS[MAX_PLAYOFF_TEAMS_PER_CONFERENCE][2][MAX_PLAYOFF_TEAMS_PER_CONFERENCE] = {
    {{28},                              {29}},
    {{24, 25},                          {26, 27}},
    {{24, 19, 18},                      {26, 23, 22}},
    {{17, 19, 18, 16},                  {21, 23, 22, 20}},
    {{17, 19, 18, 1, 0},                {21, 23, 22, 9, 8}},
    {{17, 19, 5, 1, 0, 4},              {21, 23, 13, 9, 8, 12}},
    {{19, 3, 5, 1, 0, 4, 2},            {23, 11, 13, 9, 8, 12, 10}},
    {{7, 3, 5, 1, 0, 4, 2, 6},          {15, 11, 13, 9, 8, 12, 10, 14}},
};
// clang-format on

// First slot and number of pairs of each playoff round.
constexpr int32_t ROUND_FIRST_SLOT[4] = {0, 16, 24, 28};
constexpr int32_t ROUND_PAIRS[4] = {8, 4, 2, 1};

bool Is_Team(int32_t team) {
    return !Is_No_Team(team) && Is_Valid_Team_Code(team);
}

// A slot is live when it holds a team or a slot that feeds it is live: its
// game will be played.
bool Is_Slot_Live(int32_t slot) {
    if (Is_Team(Get_Playoff_Team(slot))) return true;
    if (slot < FIRST_SECOND_ROUND_SLOT || slot >= LEAGUE_CHAMPION_SLOT) return false;
    return Is_Slot_Live(2 * slot - 32) || Is_Slot_Live(2 * slot - 31);
}

int32_t Playoff_Round() {
    return Get_User_Preference(CURRENT_WEEK) - Get_Playoff_Start_Week();
}

// Seeds 1..divisions: the leaders of the conference's divisions, best first;
// on equal scores the lower division.
int32_t Seed_Division_Leaders(int32_t conference, int32_t divisions, int32_t* seeds, bool* seeded) {
    int32_t count = 0;
    for (int32_t k = 0; k < divisions; ++k) {
        int32_t chosen = NO_TEAM;
        int32_t best = INVALID_STANDINGS_SCORE;
        for (int32_t row = 0; row < DIVISIONS_PER_CONFERENCE; ++row) {
            const int32_t leader = Get_Division_Standing_Team(DIVISIONS_PER_CONFERENCE * conference + row, 0);
            if (!Is_Team(leader) || leader >= MAX_FRANCHISES || seeded[leader]) continue;
            const int32_t score = Get_Team_Standings_Score(leader);
            if (score != INVALID_STANDINGS_SCORE && (chosen == NO_TEAM || score > best)) {
                chosen = leader;
                best = score;
            }
        }
        seeds[count++] = chosen;
        if (chosen != NO_TEAM) seeded[chosen] = true;
    }
    return count;
}

// The wild cards: the best of the conference's other teams in slot order; on
// equal scores the team met first.
void Seed_Wild_Cards(int32_t conference, int32_t first, int32_t q, int32_t* seeds, bool* seeded) {
    const int32_t teams = Count_League_Teams(conference);
    if (first >= q) return;
    // Seeding moves no team between conferences: the members are listed once.
    int32_t members[MAX_FRANCHISES];
    const int32_t listed = teams < MAX_FRANCHISES ? teams : MAX_FRANCHISES;
    for (int32_t n = 0; n < listed; ++n)
        members[n] = Get_Nth_Team_In_Conference(conference, n);
    for (int32_t k = first; k < q; ++k) {
        int32_t chosen = NO_TEAM;
        int32_t best = INVALID_STANDINGS_SCORE;
        for (int32_t n = 0; n < listed; ++n) {
            const int32_t team = members[n];
            if (!Is_Team(team) || team >= MAX_FRANCHISES || seeded[team]) continue;
            const int32_t score = Get_Team_Standings_Score(team);
            if (score != INVALID_STANDINGS_SCORE && (chosen == NO_TEAM || score > best)) {
                chosen = team;
                best = score;
            }
        }
        seeds[k] = chosen;
        if (chosen != NO_TEAM) seeded[chosen] = true;
    }
}

void Seed_Conference(int32_t conference, bool* seeded) {
    const int32_t divisions = Count_League_Divisions(conference);
    int32_t q = divisions + Get_Universe_Stat(WILD_CARD_TEAMS);
    if (q > MAX_PLAYOFF_TEAMS_PER_CONFERENCE) q = MAX_PLAYOFF_TEAMS_PER_CONFERENCE;
    // A conference never sends more teams than it has, so no seed stays empty
    // and every bracket game finds both its teams.
    const int32_t teams = Count_League_Teams(conference);
    if (q > teams) q = teams;
    if (q < 1) return;
    int32_t seeds[MAX_PLAYOFF_TEAMS_PER_CONFERENCE];
    const int32_t leaders = Seed_Division_Leaders(conference, divisions < q ? divisions : q, seeds, seeded);
    Seed_Wild_Cards(conference, leaders, q, seeds, seeded);
    for (int32_t k = 0; k < q; ++k) {
        if (seeds[k] == NO_TEAM) continue;
        Set_Playoff_Team(Get_Playoff_Seed_Slot(q - 1, conference, k), seeds[k]);
        Set_Team_Stat(seeds[k], TEAM_STAT_PLAYOFF_SEED, k + 1);
    }
}

void Exchange_Slot(int32_t a, int32_t b) {
    const int32_t team = Get_Playoff_Team(a);
    const int32_t score = Get_Playoff_Score(a);
    Set_Playoff_Team(a, Get_Playoff_Team(b));
    Set_Playoff_Score(a, Get_Playoff_Score(b));
    Set_Playoff_Team(b, team);
    Set_Playoff_Score(b, score);
}

// Slot of the block 4c + 16 .. 4c + 19 whose team has the best (or worst) key;
// empty slots take no part; -1 when none qualifies.
int32_t Find_Extreme_Key_Slot(int32_t conference, bool best) {
    int32_t chosen = -1;
    int32_t chosen_key = 0;
    for (int32_t slot = 4 * conference + 16; slot < 4 * conference + 20; ++slot) {
        const int32_t team = Get_Playoff_Team(slot);
        if (!Is_Team(team)) continue;
        const int32_t key = Get_Team_Seeding_Key(team);
        if (best ? key > 0 && (chosen < 0 || key > chosen_key) : chosen < 0 || key < chosen_key) {
            chosen = slot;
            chosen_key = key;
        }
    }
    return chosen;
}

void Award_Championship_Rings(int32_t team) {
    if (!Is_Team(team)) return;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        if (!Is_Player_Slot_Used(team, slot)) continue;
        const int32_t rings = Get_Player_Byte_Field(team, slot, PLAYER_BYTE_RINGS);
        if (rings < MOST_RINGS) Set_Player_Byte_Field(team, slot, PLAYER_BYTE_RINGS, rings + 1);
    }
}
} // namespace

void Clear_Playoff_Bracket() {
    for (int32_t slot = 0; slot < PLAYOFF_BRACKET_SLOTS; ++slot) {
        Set_Playoff_Team(slot, NO_TEAM);
        Set_Playoff_Score(slot, 0);
    }
    const int32_t teams = Count_Active_Teams();
    for (int32_t team = 0; team < teams; ++team)
        Set_Team_Stat(team, TEAM_STAT_PLAYOFF_SEED, 0);
}

int32_t Get_Playoff_Seed_Slot(int32_t q_index, int32_t conference, int32_t seed_index) {
    if (q_index < 0 || q_index >= MAX_PLAYOFF_TEAMS_PER_CONFERENCE || conference < 0 || conference > 1 ||
        seed_index < 0 || seed_index > q_index) {
        Report_System_Error("Invalid arguments in Get_Playoff_Seed_Slot(%d,%d,%d)", q_index, conference,
                            seed_index);
        return 0;
    }
    return SEED_SLOTS[q_index][conference][seed_index];
}

void Seed_Playoffs() {
    // Seeding writes the bracket and the seeds, which no score reads.
    STANDINGS_SCOPE standings;
    const int32_t leagues = Count_Leagues();
    Clear_Playoff_Bracket();
    bool seeded[MAX_FRANCHISES] = {};
    for (int32_t conference = 0; conference < leagues; ++conference) {
        Seed_Conference(conference, seeded);
        Avoid_Division_Rematches();
    }
}

int32_t Get_Team_Seeding_Key(int32_t team) {
    if (!Is_Team(team)) return INVALID_STANDINGS_SCORE;
    const int32_t key = Get_Team_Standings_Score(team);
    return Get_Team_Division_Standing(team) == 0 ? key + DIVISION_LEADER_BONUS : key;
}

int32_t Get_Max_Playoff_Teams_Per_Conference() {
    const int32_t wild_cards = Get_Universe_Stat(WILD_CARD_TEAMS);
    const int32_t first = Count_League_Divisions(0) + wild_cards;
    const int32_t second = Count_League_Divisions(1) + wild_cards;
    return first > second ? first : second;
}

void Swap_Playoff_Slots(int32_t a, int32_t b) {
    if (a == b) return;
    if (a < 0 || a >= PLAYOFF_BRACKET_SLOTS || b < 0 || b >= PLAYOFF_BRACKET_SLOTS) {
        Report_System_Error("Invalid slot in Swap_Playoff_Slots(%d,%d)", a, b);
        return;
    }
    Exchange_Slot(a, b);
    // Every slot from 16 up, the champion's included, is fed by two slots
    // below it, which travel with it.
    if (a >= FIRST_SECOND_ROUND_SLOT && b >= FIRST_SECOND_ROUND_SLOT) {
        Exchange_Slot(2 * a - 32, 2 * b - 32);
        Exchange_Slot(2 * a - 31, 2 * b - 31);
    }
}

// A rival pair is split only when both pairs of its conference's block will
// be played; a lone second-round game has no other pair to trade with.
void Avoid_Division_Rematches() {
    for (int32_t pair = 0; pair < 4; ++pair) {
        const int32_t first = FIRST_SECOND_ROUND_SLOT + 2 * pair;
        const int32_t team = Get_Playoff_Team(first);
        if (!Is_Team(team) || Get_Team_Division(team) != Get_Team_Division(Get_Playoff_Team(first + 1)))
            continue;
        const int32_t block = pair < 2 ? 16 : 20;
        if (!Is_Slot_Live(block) || !Is_Slot_Live(block + 1) || !Is_Slot_Live(block + 2) ||
            !Is_Slot_Live(block + 3))
            continue;
        Swap_Playoff_Slots(block, block + 2);
    }
}

void Apply_Pre_1990_Playoff_Pairing() {
    if (Universe.Header.Pre_1990_Playoff_Flag != 0) Avoid_Division_Rematches();
}

void Reseed_Conference(int32_t conference) {
    const int32_t top = 4 * conference + 19;
    const int32_t best = Find_Extreme_Key_Slot(conference, true);
    if (best >= 0) Swap_Playoff_Slots(best, top);
    const int32_t worst = Find_Extreme_Key_Slot(conference, false);
    if (worst >= 0) Swap_Playoff_Slots(worst, top - 1);
}

void Reseed_Playoffs_Second_Round() {
    if (Get_Max_Playoff_Teams_Per_Conference() <= 4 || Playoff_Round() != 1) return;
    Reseed_Conference(0);
    Reseed_Conference(1);
}

int32_t Schedule_Playoff_Week() {
    const int32_t round = Playoff_Round();
    if (round < 0 || round >= 4 || (round == 3 && Universe.Header.Championship_Round_Flag == 0)) return 0;
    Reseed_Playoffs_Second_Round();
    if (round == 1) Apply_Pre_1990_Playoff_Pairing();
    const int32_t week = Get_User_Preference(CURRENT_WEEK);
    int32_t games = 0;
    for (int32_t pair = 0; pair < ROUND_PAIRS[round]; ++pair) {
        const int32_t a = Get_Playoff_Team(ROUND_FIRST_SLOT[round] + 2 * pair);
        const int32_t b = Get_Playoff_Team(ROUND_FIRST_SLOT[round] + 2 * pair + 1);
        const bool b_hosts = Get_Team_Seeding_Key(a) < Get_Team_Seeding_Key(b);
        const int32_t weekday = round < 2 && (pair / 2) % 2 == 1 ? SATURDAY : SUNDAY;
        const int32_t kickoff = pair % 2 == 0 ? LATE_KICKOFF : EARLY_KICKOFF;
        games += Schedule_Game(b_hosts ? b : a, b_hosts ? a : b, week, weekday, kickoff);
    }
    return games;
}

void Record_Playoff_Result(const GAME_RECORD* game) {
    if (game == nullptr) return;
    const int winner_side = game->Score[0] > game->Score[1] ? 0 : 1;
    const int32_t winner = game->Team[winner_side];
    const int32_t loser = game->Team[1 - winner_side];
    const int32_t winner_slot = Get_Team_Playoff_Slot(winner);
    const int32_t loser_slot = Get_Team_Playoff_Slot(loser);
    if (winner_slot < 0 || loser_slot < 0 || winner_slot >= LEAGUE_CHAMPION_SLOT) {
        Report_System_Error("Team not in the bracket in Record_Playoff_Result(%d,%d)", winner, loser);
        return;
    }
    Set_Playoff_Score(loser_slot, game->Score[1 - winner_side]);
    Set_Playoff_Score(winner_slot, game->Score[winner_side]);
    const int32_t next = winner_slot / 2 + 16;
    Set_Playoff_Team(next, winner);
    // A league of one conference crowns its champion in slot 28.
    if (next == LEAGUE_CHAMPION_SLOT || (next == CONFERENCE_CHAMPION_SLOT && Count_Leagues() == 1))
        Award_Championship_Rings(winner);
}

int32_t Is_Contract_Expiring(int32_t team, int32_t slot) {
    if (team < 0 || team >= FREE_AGENT_TEAM || !Is_Champion_Decided()) return 0;
    // An empty slot has no contract to run out.
    if (!Is_Player_Slot_Used(team, slot)) return 0;
    return Get_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS) <= 1 ? 1 : 0;
}
