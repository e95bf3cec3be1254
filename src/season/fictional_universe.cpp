// A league of fictional players made from a real season: every player gets a
// new name, college and body, the rosters are dealt anew and traded, and each
// player's history is disguised with noise while it keeps its shape.
#include <algorithm>

#include "app/progress_window.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/random_numbers.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/season_lines.h"
#include "database/universe.h"
#include "frontoffice/computer_trades.h"
#include "frontoffice/depth_charts.h"
#include "frontoffice/initial_contracts.h"
#include "personnel/draft_pool.h"
#include "personnel/player_dimensions.h"
#include "personnel/player_generation.h"
#include "personnel/player_identity.h"
#include "personnel/player_names.h"
#include "platform/message_queue.h"
#include "season/new_universe.h"

namespace {
constexpr int32_t MOST_GAMES_PER_SEASON = 17;
constexpr int32_t FICTIONAL_TRADES = 580;
constexpr int32_t MERGE_PASSES = 3;
constexpr int32_t MOST_CREDITED_SEASONS = 30;
constexpr int32_t STATS_PER_LINE = 20;
constexpr int32_t STAT_GAMES = 0;
constexpr int32_t STAT_GAMES_STARTED = 1;
constexpr int32_t DEFENSIVE_GROUP = 2;
constexpr int32_t SKILL_GROUP = 0;
constexpr int32_t MOST_SACKS = 26;
constexpr int32_t MOST_PASSING_YARDS = 3900;
constexpr int32_t MOST_RUSHING_YARDS = 1600;
constexpr int32_t FIRST_KICKING_CODE = POSITION_K;
constexpr int32_t FICTIONAL_MINIMUMS[NUMBER_OF_POSITIONS] = {1, 1, 1, 1, 2, 2, 2, 1, 2, 2, 3, 2, 2, 1, 1};

bool Is_Present_Team(int32_t team) {
    return Is_Valid_Team_Code(team) != 0;
}

// trunc(U x n) for either sign of n, from one draw.
int32_t Truncated_Draw(int32_t n) {
    return n >= 0 ? Random_Below(n) : -Random_Below(-n);
}

int32_t Player_Line(int32_t team, int32_t slot, int32_t n) {
    return Get_Player_Season_Line(team, slot, n);
}

int32_t Base_Year() {
    return Get_Universe_Stat(BASE_YEAR);
}

// The statistic a fictional history may not exceed in one season, or -1.
int32_t Last_Season_Cap(int32_t group, int32_t stat) {
    if (group == DEFENSIVE_GROUP && stat == 4) return MOST_SACKS;
    if (group == SKILL_GROUP && stat == 5) return MOST_PASSING_YARDS;
    if (group == SKILL_GROUP && stat == 8) return MOST_RUSHING_YARDS;
    return -1;
}

int32_t Player_Group(int32_t team, int32_t slot) {
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    if (position < 0 || position >= NUMBER_OF_EXPANDED_POSITIONS) return SKILL_GROUP;
    return Get_Position_Group(Translate_Expanded_Position(position));
}

// Rounded tenth of a statistic: (10 v + 50) / 100, one less for a negative value.
int32_t Tenth_Of(int32_t value) {
    if (value == 0) return 0;
    const int32_t tenth = (10 * value + 50) / 100;
    return value < 0 ? tenth - 1 : tenth;
}
} // namespace

int32_t Get_Fictional_Roster_Minimum(int32_t position) {
    return position >= 0 && position < NUMBER_OF_POSITIONS ? FICTIONAL_MINIMUMS[position] : 0;
}

void Create_Fictional_Universe() {
    int32_t& games = Universe.Header.Universe_Stats[GAMES_PER_SEASON];
    if (games > MOST_GAMES_PER_SEASON) games = MOST_GAMES_PER_SEASON;
    const int32_t teams = Count_Active_Teams();
    Active_Team_Count = teams;

    bool opened = Open_Progress_Window("Creating Players (Step 1 of 3)", 100) != 0;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team)
            if (Is_Present_Team(team) && Is_Player_Slot_Used(team, slot)) Set_Random_Player_Name(team, slot);
        Step_Progress(slot % 4 == 2 ? 2 : 1);
    }
    if (opened) Close_Progress_Window();

    Shuffle_Players("Analyzing Data (Step 2 of 3)");

    opened = Open_Progress_Window("Simulating Seasons (Step 3 of 3)", 100) != 0;
    for (int32_t trade = 1; trade <= FICTIONAL_TRADES; ++trade) {
        Try_Computer_Trade();
        if (trade % 10 == 0) Step_Progress(1);
        Pump_Messages();
    }

    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team) {
        if (!Is_Present_Team(team)) continue;
        if (team < MAX_FRANCHISES) Fill_Fictional_Minimum_Roster(team);
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            Make_Player_Fictional(team, slot, teams);
            Pump_Messages();
        }
        Step_Progress(1);
    }
    Auto_Set_All_Depth_Charts(0);
    Step_Progress(1);
    Calculate_Player_Contracts();
    if (opened) Close_Progress_Window();

    // The real season's undrafted class would give real names back.
    Empty_Draft_Pool();
}

void Fill_Fictional_Minimum_Roster(int32_t team) {
    for (int32_t position = 0; position < NUMBER_OF_POSITIONS; ++position) {
        const int32_t missing = FICTIONAL_MINIMUMS[position] - Count_Team_Position_Players(team, position);
        for (int32_t n = 0; n < missing; ++n) {
            const int32_t slot = Find_Empty_Player_Slot(team);
            if (slot < 0) return;
            Fabricate_Position_Player(team, slot, position, 0);
        }
    }
}

void Make_Player_Fictional(int32_t team, int32_t slot, int32_t teams) {
    Set_Random_College(team, slot);
    Assign_Uniform_Number(team, slot);
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    const int32_t basic = position >= 0 && position < NUMBER_OF_EXPANDED_POSITIONS
                              ? Translate_Expanded_Position(position)
                              : POSITION_QB;
    Set_Player_Vital_Stat(team, slot, VITAL_HEIGHT, Get_Random_Player_Height(basic));
    Set_Player_Vital_Stat(team, slot, VITAL_WEIGHT, Get_Random_Player_Weight(team, slot));

    Merge_Same_Year_Season_Lines(team, slot);
    const int32_t lines = Count_Player_Season_Lines(team, slot);
    for (int32_t n = 0; n < lines; ++n) {
        const int32_t line = Player_Line(team, slot, n);
        if (Get_Season_Line_Kind(line) >= 0) Set_Season_Line_Team(line, team);
    }
    Cap_Last_Season_Statistics(team, slot);
    Add_Season_Line_Noise(team, slot);

    const int32_t seasons = std::min(Count_NFL_Seasons(team, slot), MOST_CREDITED_SEASONS);
    Set_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS, seasons);
    Set_Player_Initial_Contract(team, slot);
    Set_Player_Vital_Stat(team, slot, VITAL_DRAFT_RECORD, (team + 1) * 10000 + Base_Year() - seasons);
    Set_Fictional_Draft_Slot(team, slot, teams);
}

void Merge_Same_Year_Season_Lines(int32_t team, int32_t slot) {
    const int32_t count = Count_Player_Season_Lines(team, slot);
    const int32_t passes = std::min(MERGE_PASSES, count - 1);
    int32_t last = count - 1;
    for (int32_t pass = 0; pass < passes; ++pass)
        for (int32_t i = 1; i - 1 < last; ++i) {
            const int32_t earlier = Player_Line(team, slot, i - 1);
            const int32_t line = Player_Line(team, slot, i);
            if (Get_Season_Line_Year(earlier) != Get_Season_Line_Year(line)) continue;
            // A kicker's longest kicks of the year are the longer of the two.
            for (int32_t stat = 0; stat < STATS_PER_LINE; ++stat)
                Set_Season_Line_Stat(earlier, stat,
                                     Join_Season_Figure(team, slot, stat, Get_Season_Line_Stat(earlier, stat),
                                                        Get_Season_Line_Stat(line, stat)));
            Delete_Player_Season_Line(team, slot, i);
            --last;
        }
}

void Cap_Last_Season_Statistics(int32_t team, int32_t slot) {
    Clear_Player_Season_Stats(team, slot, SEASON_LAST);
    const int32_t group = Player_Group(team, slot);
    const int32_t last_year = Base_Year() - 1;
    const int32_t lines = Count_Player_Season_Lines(team, slot);
    for (int32_t n = 0; n < lines; ++n) {
        const int32_t line = Player_Line(team, slot, n);
        if (Get_Season_Line_Year(line) != last_year || Get_Season_Line_Kind(line) < 0) continue;
        for (int32_t stat = 0; stat < STATS_PER_LINE; ++stat) {
            int32_t value = Get_Season_Line_Stat(line, stat);
            const int32_t cap = Last_Season_Cap(group, stat);
            if (cap >= 0 && value > cap) {
                value = cap;
                Set_Season_Line_Stat(line, stat, value);
            }
            Set_Player_Stat(
                team, slot, SEASON_LAST, stat,
                Join_Season_Figure(team, slot, stat, Get_Player_Stat(team, slot, SEASON_LAST, stat), value));
        }
    }
}

void Add_Season_Line_Noise(int32_t team, int32_t slot) {
    const int32_t games_per_season = Get_Universe_Stat(GAMES_PER_SEASON);
    const int32_t last_year = Base_Year() - 1;
    const int32_t lines = Count_Player_Season_Lines(team, slot);
    for (int32_t n = 0; n < lines; ++n) {
        const int32_t line = Player_Line(team, slot, n);
        const bool last_season = Get_Season_Line_Year(line) == last_year;
        for (int32_t stat = 0; stat < STATS_PER_LINE; ++stat) {
            const int32_t value = Get_Season_Line_Stat(line, stat);
            const int32_t tenth = Tenth_Of(value);
            const int32_t up = Truncated_Draw(tenth);
            const int32_t down = Truncated_Draw(tenth);
            int32_t delta = up - down;
            // A regular starter's figures come out a little lower on average.
            if (Get_Season_Line_Stat(line, STAT_GAMES_STARTED) > 13) delta -= tenth;
            Set_Season_Line_Stat(line, stat, value + delta);
            Add_Player_Stat(team, slot, SEASON_CAREER, stat, delta);
            if (last_season) Add_Player_Stat(team, slot, SEASON_LAST, stat, delta);
            int32_t share = (delta + lines / 2) / lines;
            if (delta < 0 && lines > 1) --share;
            Add_Player_Stat(team, slot, SEASON_PREDICTED, stat, share);
        }
        const int32_t played = Get_Season_Line_Stat(line, STAT_GAMES);
        const int32_t started = Get_Season_Line_Stat(line, STAT_GAMES_STARTED);
        Set_Season_Line_Stat(line, STAT_GAMES, std::min(played, games_per_season));
        Set_Season_Line_Stat(line, STAT_GAMES_STARTED, std::min({started, played, games_per_season}));
    }
}

void Set_Fictional_Draft_Slot(int32_t team, int32_t slot, int32_t teams) {
    const int32_t lift = Truncated_Draw(-5);
    const int32_t tier = Get_Player_Potential_Tier(team, slot);
    int32_t round = Clamp_Int(1, 7, 7 - (tier - lift) / 2);
    // Kickers and punters are never taken early.
    if (Get_Player_Vital_Stat(team, slot, VITAL_POSITION) >= FIRST_KICKING_CODE) round = (round + 1) / 2 + 3;
    const int32_t pick = Random_Below(teams) + (round - 1) * teams + 1;
    Set_Player_Vital_Stat(team, slot, VITAL_DRAFT_SLOT, round * 100000 + pick);
}
