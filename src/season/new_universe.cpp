#include "season/new_universe.h"

#include <cmath>
#include <iterator>

#include "app/progress_window.h"
#include "database/cities.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/position_evaluation.h"
#include "database/random_numbers.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "dialogs/roster_moves.h"
#include "frontoffice/depth_charts.h"
#include "frontoffice/money.h"
#include "frontoffice/player_potential.h"
#include "personnel/contract_length.h"
#include "personnel/random_ratings.h"
#include "personnel/rating_adjustment.h"
#include "personnel/roster_text.h"
#include "platform/message_queue.h"

namespace {
constexpr int32_t VITAL_DECLINE_RATE = 19;
constexpr int32_t VITAL_GROWTH_RATE = 20;
constexpr int32_t VITAL_FANTASY_TEAM = 26;
constexpr int32_t VITAL_FANTASY_PLACED = 27;
constexpr int32_t SHUFFLE_PASSES = 10;
constexpr float RANDOMIZE_BELOW = 25.0f;
constexpr float FREE_AGENT_MEAN = 62.0f;
constexpr int32_t TIER_THRESHOLDS[] = {59, 63, 66, 69, 75, 80, 85, 90, 93};

// City statistics 0-9 of an equal market.
constexpr int32_t EQUAL_CITY_STATS[] = {1000000, 2500000, 20000, 25000, 0, 114000, 42000, 3, 0, 0};

constexpr int32_t FINANCE_FAN_BASE = 0;
constexpr int32_t FINANCE_FAN_SUPPORT = 2;
constexpr int32_t FINANCE_FAN_INTEREST = 3;
constexpr int32_t FINANCE_CASH = 68;
constexpr int32_t FINANCE_MARKETING_BUDGET = 59;
constexpr int32_t FINANCE_FACILITIES_BUDGET = 62;
constexpr int32_t CASH_LEAST = -100000000;
constexpr int32_t CASH_MOST = 1000000000;

// A team whose players the league-wide passes walk: an active franchise or one
// of the pools (free agents, Hall of Fame, college pool).
bool Is_Present_Team(int32_t team) {
    return Is_Valid_Team_Code(team) != 0;
}

// A destination below `teams`: the largest draw would give `teams` itself.
int32_t Draw_Destination(int32_t teams) {
    const int32_t team = Random_Below(teams);
    return team < teams ? team : teams - 1;
}

int32_t Player_Basic_Position(int32_t team, int32_t slot) {
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    if (position < 0 || position >= NUMBER_OF_EXPANDED_POSITIONS) return POSITION_QB;
    return Translate_Expanded_Position(position);
}
} // namespace

void Apply_New_Game_Options(const NEW_GAME_OPTIONS& options) {
    if (options.Fictional_Players) {
        Create_Fictional_Universe();
        Assign_Team_Defensive_Systems();
        Universe.Header.Fictional_Players_Flag = 1;
    } else {
        Universe.Header.Fictional_Players_Flag = 0;
    }
    Pump_Messages();
    if (options.Shuffle_Players) {
        Shuffle_Players("Shuffling Players...");
        Assign_Team_Defensive_Systems();
    }
    Pump_Messages();
    if (options.Equalize_Cities) {
        Equalize_Cities();
        Equalize_Team_Finances();
    }
    Pump_Messages();
    Vary_Player_Ratings_For_New_Game();
}

void Shuffle_Players(const char* caption) {
    const bool opened = Open_Progress_Window(caption, 100) != 0;
    Set_Header_Flag(HEADER_FLAG_SEASON_LINE_RECORDING, 0);
    for (int32_t pass = 0; pass < SHUFFLE_PASSES; ++pass) {
        Shuffle_Players_Once();
        Step_Progress(10);
    }
    Set_Header_Flag(HEADER_FLAG_SEASON_LINE_RECORDING, 1);
    if (opened) Close_Progress_Window();
    Auto_Set_All_Depth_Charts(0);
}

void Shuffle_Players_Once() {
    const int32_t teams = Count_Active_Teams();
    Active_Team_Count = teams;
    if (teams <= 0) return;
    Reset_Fantasy_Draft_Marks();
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            const int32_t destination = Draw_Destination(teams);
            if (team == HALL_OF_FAME_TEAM || !Is_Present_Team(team) || !Is_Player_Slot_Used(team, slot))
                continue;
            Set_Player_Vital_Stat(team, slot, VITAL_FANTASY_TEAM, destination);
        }
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team) {
            if (team == HALL_OF_FAME_TEAM || !Is_Present_Team(team) || !Is_Player_Slot_Used(team, slot) ||
                Get_Player_Vital_Stat(team, slot, VITAL_FANTASY_PLACED) != 0)
                continue;
            const int32_t destination = Get_Player_Vital_Stat(team, slot, VITAL_FANTASY_TEAM);
            if (destination != team && Move_Player_To_Team(destination, team, slot) < 0) {
                // A full roster: he stays, to try elsewhere on the next pass.
                Set_Player_Vital_Stat(team, slot, VITAL_FANTASY_TEAM, Draw_Destination(teams));
                continue;
            }
            // The player who now stands in this slot (the mover's roster has
            // closed up behind him) stays where he is for this pass.
            if (Is_Player_Slot_Used(team, slot)) Set_Player_Vital_Stat(team, slot, VITAL_FANTASY_PLACED, 1);
        }
}

void Equalize_Cities() {
    const int32_t cities = Count_Cities();
    for (int32_t city = 0; city < cities; ++city) {
        for (int32_t stat = 0; stat < static_cast<int32_t>(std::size(EQUAL_CITY_STATS)); ++stat)
            Set_City_Stat(city, stat, EQUAL_CITY_STATS[stat]);
        Set_City_Stat(city, 5, (city % 11) * 4000 + 70000);
        Set_City_Stat(city, 6, (city % 10) * 2000 + 25000);
    }
}

void Equalize_Team_Finances() {
    const int32_t teams = Count_Active_Teams();
    for (int32_t team = 0; team < teams; ++team) {
        Set_Team_Financial_Stat(team, FINANCE_FAN_BASE, 1000);
        Set_Team_Financial_Stat(team, FINANCE_FAN_SUPPORT, 1000);
        Set_Team_Financial_Stat(team, FINANCE_FAN_INTEREST, 1000);
        Set_Team_Financial_Stat(team, FINANCE_CASH, Clamp_Int(CASH_LEAST, CASH_MOST, Get_Base_Cash()));
        Set_Team_Financial_Stat(team, FINANCE_MARKETING_BUDGET, 120000);
        Set_Team_Financial_Stat(team, FINANCE_FACILITIES_BUDGET, 250000);
    }
}

int32_t Get_Potential_Tier(int32_t potential) {
    int32_t tier = 0;
    for (int32_t threshold : TIER_THRESHOLDS) {
        if (potential < threshold) break;
        ++tier;
    }
    return tier;
}

int32_t Get_Player_Potential_Tier(int32_t team, int32_t slot) {
    return Get_Potential_Tier(static_cast<int32_t>(Get_Player_Potential(team, slot)));
}

float Get_Player_Own_Rating(int32_t team, int32_t slot) {
    const int32_t position = Player_Basic_Position(team, slot);
    float rating = Get_Player_Position_Rating(team, slot, position);
    if (rating < RANDOMIZE_BELOW) {
        Randomize_Player_Ratings(team, slot);
        rating = Get_Player_Position_Rating(team, slot, position);
    }
    return rating;
}

void Vary_Player_Ratings_For_New_Game() {
    const int32_t teams = Count_Active_Teams();
    const int32_t year = Get_Current_Year();
    const int32_t difficulty = Get_User_Preference(DIFFICULTY_LEVEL);
    const double reversion = Universe.Header.Reversion_To_Mean;
    for (int32_t team = 0; team < teams; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            const int32_t birth_year = Get_Player_Vital_Stat(team, slot, VITAL_BIRTH_DATE) / 10000;
            int32_t seasons = Get_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS);
            if (seasons > 3) seasons = 3;
            const int32_t chance = 75 * (7 - seasons) + 10 * (2 * difficulty + birth_year - year);
            if (Random_Below(1000) >= chance) continue;
            const double pull = Get_Player_Potential_Tier(team, slot) * 0.003 * (reversion + 100.0) / 100.0;
            const double rise = Random_Number() * RANDOM_FRACTION * 0.025;
            const double adjustment = rise - pull;
            if (std::fabs(adjustment) > 0.01)
                Modify_Player_Ratings(team, slot, static_cast<float>(adjustment), false);
        }
}

void Rescale_Free_Agent_Pool() {
    double sum = 0.0;
    int32_t count = 0;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        if (!Is_Player_Slot_Used(FREE_AGENT_TEAM, slot)) continue;
        sum += Get_Player_Own_Rating(FREE_AGENT_TEAM, slot);
        ++count;
    }
    if (count == 0) return;
    const double mean = sum / count;
    if (mean <= FREE_AGENT_MEAN) return;
    const double k = (FREE_AGENT_MEAN - 50.0) / (mean - 50.0);
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        if (!Is_Player_Slot_Used(FREE_AGENT_TEAM, slot)) continue;
        const double rating = Get_Player_Own_Rating(FREE_AGENT_TEAM, slot);
        Rescale_Player_Ratings(FREE_AGENT_TEAM, slot, static_cast<float>(50.0 + (rating - 50.0) * k));
    }
}

int32_t All_Players_Fantasy_Drafted() {
    const int32_t teams = Count_Active_Teams();
    for (int32_t team = 0; team < teams; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
            if (Is_Player_Slot_Used(team, slot) &&
                Get_Player_Vital_Stat(team, slot, VITAL_FANTASY_PLACED) == 0)
                return 0;
    return 1;
}

void Reset_Player_Default_Fields() {
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team) {
        if (!Is_Present_Team(team)) continue;
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            Set_Player_Vital_Stat(team, slot, VITAL_DECLINE_RATE, 100);
            Set_Player_Vital_Stat(team, slot, VITAL_GROWTH_RATE, 100);
            Set_Player_Vital_Stat(team, slot, VITAL_PEAK_AGE, 25);
            Set_Player_Vital_Stat(team, slot, VITAL_PEAK_AGE_LIMIT,
                                  Get_Position_Peak_Age(Get_Player_Vital_Stat(team, slot, VITAL_POSITION)));
        }
    }
}
