// Salary value, comparable salary and contract demand of a player.
#include "frontoffice/salary_value.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "database/changing_team.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/playoff_bracket.h"
#include "database/position_evaluation.h"
#include "database/random_numbers.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "frontoffice/league_revenue.h"
#include "frontoffice/money.h"
#include "frontoffice/player_potential.h"
#include "frontoffice/player_value.h"
#include "frontoffice/salaries.h"
#include "personnel/career_score.h"
#include "personnel/draft_pool_players.h"
#include "season/cap_room_average.h"

namespace {
constexpr int32_t HOLDOUT_INJURY = 185;
constexpr int32_t LAST_POST_SEASON_ENTRY = 5;
constexpr int32_t CAREER_PREMIUM_THRESHOLD = 37;
constexpr int32_t DRAFT_SCORE_STAT = 299;

int32_t Whole_Evaluation(int32_t team, int32_t slot) {
    return static_cast<int32_t>(
        Get_Player_Position_Rating(team, slot, Get_Player_Vital_Stat(team, slot, VITAL_POSITION)));
}

// What the league makes of a salary: difficulty, career premium, the league's
// spending and wealth, cap damping and the salary setting.
int32_t Apply_League_Salary_Factors(int32_t team, int32_t slot, int32_t salary) {
    const bool human = Is_Human_Team(team) != 0;
    const int32_t level = Get_User_Preference(DIFFICULTY_LEVEL);
    if (human || team == FREE_AGENT_TEAM) salary = Mul_Div_Round(salary, level + 10, 10);
    if (human) {
        const int32_t career = Get_Player_Career_Score_With_Rings(team, slot);
        if (career > CAREER_PREMIUM_THRESHOLD) {
            const int32_t premium =
                Mul_Div_Round((level + 1) * (career - CAREER_PREMIUM_THRESHOLD), 1000, 185);
            salary = Mul_Div_Round(salary, 1000 + premium, 1000);
        }
    }
    salary = Mul_Div_Round(salary, Get_Average_Finance_Stat_90_Per_Cap() + 2000, 3000);
    salary = Mul_Div_Round(salary, Get_Effective_Wealth_Factor() + 1000, 2000);
    salary = Apply_Cap_Damping(Get_Player_Vital_Stat(team, slot, VITAL_POSITION), salary,
                               Get_Universe_Stat(SALARY_CAP));
    return Mul_Div_Round(salary, 100 + Get_Universe_Stat(SALARY_DEMANDS_PERCENT), 100);
}
} // namespace

int32_t Apply_Cap_Damping(int32_t position, int32_t salary, int32_t cap) {
    if (position == POSITION_QB || cap == 0) return salary;
    // Nobody but a quarterback asks for much more than a tenth of the cap.
    const int32_t tenth = cap / 10000;
    return salary > tenth ? salary / 2 + tenth / 2 : salary;
}

int32_t Get_Player_Salary_Value(int32_t team, int32_t slot, int32_t value) {
    const int32_t seasons = Get_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS);
    const int32_t age = Get_Player_Calendar_Age(team, slot);
    if (value == 0) value = Get_Player_Value(team, slot);
    int32_t salary = Apply_Age_Salary_Curve(value, age);
    const int32_t potential = static_cast<int32_t>(Get_Player_Potential(team, slot));
    const int32_t current = static_cast<int32_t>(Ensure_Player_Minimum_Rating(team, slot));
    if (current < potential) salary = Mul_Div_Round(salary, current * current, potential * potential);
    if (salary < 100 * seasons) salary += (100 * seasons + salary) / 2;
    const int32_t week = Get_User_Preference(CURRENT_WEEK);
    if (team == FREE_AGENT_TEAM && week <= Get_Season_Calendar_Entry(LAST_POST_SEASON_ENTRY))
        salary = Mul_Div_Round(salary, 5, week + 7);
    if (Get_Player_Vital_Stat(team, slot, VITAL_WEEKS_OUT) > 0 &&
        Get_Player_Vital_Stat(team, slot, VITAL_INJURY_TYPE) == HOLDOUT_INJURY) {
        const int32_t wins = Get_Team_Record_Char(team, RECORD_CHAR_WINS);
        const int32_t losses = Get_Team_Record_Char(team, RECORD_CHAR_LOSSES);
        const int32_t pressure = 35 * losses - 100 * wins + 1250;
        if (pressure > 1000) salary = Mul_Div_Round(salary, pressure, 1000);
    }
    int32_t thousands = Convert_Standard_Salary(salary);
    const int64_t blended = (static_cast<int64_t>(thousands) +
                             2 * static_cast<int64_t>(Get_Comparable_Player_Salary(team, slot, thousands))) /
                            3;
    thousands = Apply_League_Salary_Factors(team, slot, Clamp_To_Int32(blended));
    return Round_Salary_Up(thousands, Get_League_Minimum_Salary(seasons));
}

namespace {
// The scope's lists: the franchise whose players may change, and the other
// franchises' players of each position (team * PLAYERS_PER_TEAM + slot, in
// team and slot order), listed in one walk the first time they are asked for.
struct COMPARABLE_PLAYERS {
    CHANGING_TEAM Scoped;
    bool Listed;
    int32_t Count[NUMBER_OF_POSITIONS];
    int16_t Players[NUMBER_OF_POSITIONS][MAX_FRANCHISES * PLAYERS_PER_TEAM];
};
COMPARABLE_PLAYERS Comparable_Players;

bool Is_Comparable(const int32_t* vital, int32_t position) {
    // Read in place: a team in use holds a player in each slot with an id.
    return vital[VITAL_PLAYER_ID] != 0 && vital[VITAL_POSITION] == position;
}

const int16_t* List_Comparable_Players(int32_t position, int32_t* count) {
    COMPARABLE_PLAYERS& list = Comparable_Players;
    if (!list.Listed) {
        std::fill(std::begin(list.Count), std::end(list.Count), 0);
        for (int32_t other = 0; other < MAX_FRANCHISES; ++other) {
            if (other == list.Scoped.Only || !Is_Active_Team(other)) continue;
            for (int32_t other_slot = 0; other_slot < PLAYERS_PER_TEAM; ++other_slot) {
                // Read in place: a team in use holds a player in each slot with an id.
                const int32_t* vital = Universe.Teams[other].Players[other_slot].Vital_Stats;
                const int32_t own = vital[VITAL_POSITION];
                if (vital[VITAL_PLAYER_ID] == 0 || static_cast<uint32_t>(own) >= NUMBER_OF_POSITIONS)
                    continue;
                list.Players[own][list.Count[own]++] =
                    static_cast<int16_t>(other * PLAYERS_PER_TEAM + other_slot);
            }
        }
        list.Listed = true;
    }
    *count = list.Count[position];
    return list.Players[position];
}

// A player's weight against one of his age and overall, and the sums.
struct COMPARABLE_SUMS {
    int32_t Age;
    int32_t Overall;
    int64_t Weighted;
    int64_t Weights;
    void Add(int32_t other, int32_t other_slot) {
        const int32_t weight = 5 - std::abs(Get_Player_Calendar_Age(other, other_slot) - Age) / 4 -
                               std::abs(Whole_Evaluation(other, other_slot) - Overall);
        if (weight < 1) return;
        Weighted += static_cast<int64_t>(weight) * Get_Player_Vital_Stat(other, other_slot, VITAL_CAP_CHARGE);
        Weights += weight;
    }
};
} // namespace

COMPARABLE_PLAYERS_SCOPE::COMPARABLE_PLAYERS_SCOPE(int32_t team) {
    COMPARABLE_PLAYERS& list = Comparable_Players;
    list.Scoped.Enter(team);
    list.Listed = false;
}

COMPARABLE_PLAYERS_SCOPE::~COMPARABLE_PLAYERS_SCOPE() {
    Comparable_Players.Scoped.Leave();
    Comparable_Players.Listed = false;
}

int32_t Get_Comparable_Player_Salary(int32_t team, int32_t slot, int32_t no_comparable) {
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    COMPARABLE_SUMS sums{Get_Player_Calendar_Age(team, slot), Whole_Evaluation(team, slot), 0, 0};
    // The weighted sums are whole numbers: the players may be added in any order.
    const int32_t scoped = Comparable_Players.Scoped.Only;
    if (scoped != CHANGING_TEAM::ANY && static_cast<uint32_t>(position) < NUMBER_OF_POSITIONS) {
        int32_t count = 0;
        const int16_t* players = List_Comparable_Players(position, &count);
        for (int32_t n = 0; n < count; ++n)
            sums.Add(players[n] / PLAYERS_PER_TEAM, players[n] % PLAYERS_PER_TEAM);
        if (scoped >= 0 && scoped < MAX_FRANCHISES && Is_Active_Team(scoped))
            for (int32_t other_slot = 0; other_slot < PLAYERS_PER_TEAM; ++other_slot)
                if (Is_Comparable(Universe.Teams[scoped].Players[other_slot].Vital_Stats, position))
                    sums.Add(scoped, other_slot);
    } else {
        for (int32_t other = 0; other < MAX_FRANCHISES; ++other) {
            if (!Is_Active_Team(other)) continue;
            for (int32_t other_slot = 0; other_slot < PLAYERS_PER_TEAM; ++other_slot)
                if (Is_Comparable(Universe.Teams[other].Players[other_slot].Vital_Stats, position))
                    sums.Add(other, other_slot);
        }
    }
    // A position no franchise player near him holds leaves nothing to compare.
    if (sums.Weights == 0) return no_comparable;
    return Clamp_To_Int32(sums.Weighted / sums.Weights);
}

int32_t Get_Draft_Pool_Bonus_Demand(int32_t pool_value, int32_t best_pool_value) {
    const int32_t pick_value =
        Get_Draft_Pick_Value(Get_User_Preference(DRAFT_ROUND), Get_User_Preference(DRAFT_PICK));
    return Mul_Div_Round(pick_value, pool_value, best_pool_value);
}

int32_t Finish_Contract_Demand(int32_t demand) {
    demand = Mul_Div_Round(demand, 100 + Get_Universe_Stat(SALARY_DEMANDS_PERCENT), 100);
    demand = Floor_To_Step(demand, Get_Money_Step(Get_Universe_Stat(INFLATION_FACTOR)));
    return demand > 0 ? demand : 0;
}

int32_t Get_Player_Contract_Demand(int32_t team, int32_t slot, int32_t value) {
    if (Is_Draft_Pool_Team(team)) {
        const int32_t best = Update_Draft_Pool_Values();
        return Finish_Contract_Demand(
            Get_Draft_Pool_Bonus_Demand(Get_Player_Vital_Stat(team, slot, VITAL_DRAFT_POOL_VALUE), best));
    }
    return Get_Demand_From_Salary_Value(team, slot, Get_Player_Salary_Value(team, slot, value));
}

int32_t Get_Demand_From_Salary_Value(int32_t team, int32_t slot, int32_t salary_value) {
    const int32_t minimum =
        Get_League_Minimum_Salary(Get_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS));
    const int32_t base = salary_value / 2 - minimum;
    // Spread over the years since he was ten: a player of ten asks nothing.
    return Finish_Contract_Demand(Mul_Div_Round(base, 17, Get_Player_Calendar_Age(team, slot) - 10));
}

int32_t Update_Draft_Pool_Values() {
    int32_t best = 0;
    // The pool's list walked team by team: each pool team's players up to its
    // first empty slot (valuing a player leaves every slot where it was).
    for (int32_t team = FIRST_COLLEGE_POOL_TEAM; team < TOTAL_NUMBER_OF_TEAMS; ++team) {
        const int32_t used = Get_First_Empty_Player_Slot(team);
        for (int32_t slot = 0; slot < used; ++slot) {
            const int32_t value = Get_Player_Stat(team, slot, SEASON_PREDICTED, DRAFT_SCORE_STAT);
            Set_Player_Vital_Stat(team, slot, VITAL_DRAFT_POOL_VALUE, value);
            if (value > best) best = value;
        }
    }
    return best;
}
