#include "personnel/computer_draft_choices.h"

#include <cstdint>
#include <cstdio>
#include <vector>

#include "app/modal_dialogs.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_operations.h"
#include "database/universe.h"
#include "frontoffice/contract_demand.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/player_potential.h"
#include "frontoffice/salaries.h"
#include "frontoffice/salary_value.h"
#include "frontoffice/trade_offer.h"
#include "personnel/college_draft_flow.h"
#include "personnel/contract_length.h"
#include "personnel/draft_pool_players.h"
#include "platform/message_box.h"

namespace {
constexpr int32_t DEPTH_LIMIT[NUMBER_OF_POSITIONS] = {3, 4, 2, 4, 6, 4, 4, 2, 5, 4, 7, 5, 5, 1, 1};
constexpr int32_t MINIMUM_ROSTER[NUMBER_OF_POSITIONS] = {2, 2, 1, 3, 5, 3, 3, 2, 3, 2, 5, 3, 3, 1, 1};
constexpr float UNKNOWN_PLAYER_GRADE = 60.0f;
constexpr int32_t FIRST_DEPTH_ROUND = 3;
constexpr int32_t LAST_STRATEGY_ROUND = 3;
constexpr int32_t FULL_ROSTER = PLAYERS_PER_TEAM;
constexpr int32_t SCOUTING_REPORT_DIALOG = 127;

// The pool's supply of a position thins its weight: a last player or two
// count for little, a deep position for all.
int32_t Thin_Weight_By_Supply(int32_t weight, int32_t position, int32_t supply) {
    if (supply < 2) return weight / 8;
    if (supply <= Get_Position_Starter_Count(position)) return weight / 5;
    if (supply <= MINIMUM_ROSTER[position]) return weight / 3;
    if (supply <= DEPTH_LIMIT[position]) return weight / 2;
    return weight;
}

// A player's draft grade: his potential, his rating at his position and his
// draft-pool value, each truncated as the grade is built up.
int32_t Get_Draft_Grade(int32_t team, int32_t slot) {
    const double rating = Ensure_Player_Minimum_Rating(team, slot);
    const int32_t value_half = Get_Player_Vital_Stat(team, slot, VITAL_DRAFT_POOL_VALUE) / 2;
    const int32_t inner = static_cast<int32_t>(rating * 0.25 + value_half);
    return static_cast<int32_t>(static_cast<double>(Get_Player_Potential(team, slot)) * 0.25 + inner);
}

bool Is_Specialist(int32_t position) {
    return position == POSITION_K || position == POSITION_P || position == POSITION_FB;
}

// Where each position stands on a team's packed roster: its count, its last
// starter and its first backup (-1 for none), found in one walk.
struct POSITION_SLOTS {
    int32_t Count[NUMBER_OF_POSITIONS];
    int32_t Last_Starter[NUMBER_OF_POSITIONS];
    int32_t First_Backup[NUMBER_OF_POSITIONS];
};

void Find_Position_Slots(int32_t team, POSITION_SLOTS* slots) {
    for (int32_t position = 0; position < NUMBER_OF_POSITIONS; ++position) {
        slots->Count[position] = 0;
        slots->Last_Starter[position] = -1;
        slots->First_Backup[position] = -1;
    }
    if (!Is_Team_Record_Slot(team) || !Is_Valid_Team_Code(team)) return;
    const PLAYER_RECORD* players = Universe.Teams[team].Players;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM && players[slot].Vital_Stats[VITAL_PLAYER_ID] != 0;
         ++slot) {
        const int32_t position = players[slot].Vital_Stats[VITAL_POSITION];
        if (static_cast<uint32_t>(position) >= NUMBER_OF_POSITIONS) continue;
        const int32_t starters = Get_Position_Starter_Count(position);
        const int32_t n = slots->Count[position]++;
        if (starters == 0) continue;
        if (n == starters - 1) slots->Last_Starter[position] = slot;
        if (n == starters) slots->First_Backup[position] = slot;
    }
}

int32_t Get_Position_Draft_Need(int32_t team, int32_t position, int32_t round, const POSITION_SLOTS& slots) {
    const bool listed = static_cast<uint32_t>(position) < NUMBER_OF_POSITIONS;
    float starter = UNKNOWN_PLAYER_GRADE;
    const int32_t last_starter = listed ? slots.Last_Starter[position] : -1;
    if (last_starter >= 0 && Is_Player_Slot_Used(team, last_starter))
        starter = Ensure_Player_Minimum_Rating(team, last_starter);
    float backup = UNKNOWN_PLAYER_GRADE;
    const int32_t first_backup = listed ? slots.First_Backup[position] : -1;
    if (first_backup >= 0 && Is_Player_Slot_Used(team, first_backup))
        backup = Get_Player_Potential(team, first_backup);
    const int64_t divisor =
        static_cast<int64_t>(backup) * round + 6 * static_cast<int64_t>(static_cast<int32_t>(starter));
    const int32_t numerator = static_cast<int32_t>(static_cast<float>(round + 6) * 70.0f);
    int32_t need = divisor == 0 ? 0 : Mul_Div_Round(numerator, 1000, static_cast<int32_t>(divisor));
    if (round < FIRST_DEPTH_ROUND || !listed) return need;
    const int32_t players = slots.Count[position];
    const int32_t limit = Is_Specialist(position) ? 1 : DEPTH_LIMIT[position];
    if (players == 0) return need;
    if (players < Get_Position_Starter_Count(position)) return need / 2;
    if (players < MINIMUM_ROSTER[position]) return need / 3;
    if (players < limit) return need / 4;
    return need / 5;
}

// The slots of every active team, in team order.
std::vector<POSITION_SLOTS> Find_League_Position_Slots() {
    const int32_t active = Count_Active_Teams();
    std::vector<POSITION_SLOTS> team_slots(static_cast<size_t>(active > 0 ? active : 0));
    for (size_t team = 0; team < team_slots.size(); ++team)
        Find_Position_Slots(static_cast<int32_t>(team), &team_slots[team]);
    return team_slots;
}

// The league's mean need at a position, from each active team's slots.
int32_t Get_League_Need_From_Slots(int32_t position, int32_t round,
                                   const std::vector<POSITION_SLOTS>& team_slots) {
    const int32_t active = static_cast<int32_t>(team_slots.size());
    int64_t sum = 0;
    for (int32_t team = 0; team < active; ++team)
        sum += Get_Position_Draft_Need(team, position, round, team_slots[static_cast<size_t>(team)]);
    if (sum == 0 || active == 0) return 0;
    return static_cast<int32_t>((sum + active / 2) / active);
}

} // namespace

int32_t Get_Team_Position_Draft_Need(int32_t team, int32_t position, int32_t round) {
    POSITION_SLOTS slots;
    Find_Position_Slots(team, &slots);
    return Get_Position_Draft_Need(team, position, round, slots);
}

int32_t Get_League_Position_Draft_Need(int32_t position, int32_t round) {
    const std::vector<POSITION_SLOTS> team_slots = Find_League_Position_Slots();
    return Get_League_Need_From_Slots(position, round, team_slots);
}

void Choose_Draft_Pool_Player(int32_t team, int32_t* pool_team, int32_t* pool_slot) {
    *pool_team = NO_TEAM;
    *pool_slot = NO_PLAYER;
    const int32_t round = Get_User_Preference(DRAFT_ROUND);
    // The needs read ratings but move nobody: each roster is walked once for
    // every position.
    const std::vector<POSITION_SLOTS> team_slots = Find_League_Position_Slots();
    POSITION_SLOTS own_slots;
    Find_Position_Slots(team, &own_slots);
    // The pool's players of every position, counted in one walk.
    int32_t supply[NUMBER_OF_POSITIONS] = {};
    for (int32_t pool = FIRST_COLLEGE_POOL_TEAM; pool < TOTAL_NUMBER_OF_TEAMS; ++pool) {
        const int32_t used = Get_First_Empty_Player_Slot(pool);
        for (int32_t slot = 0; slot < used; ++slot) {
            const int32_t position = Get_Player_Vital_Stat(pool, slot, VITAL_POSITION);
            if (static_cast<uint32_t>(position) < NUMBER_OF_POSITIONS) ++supply[position];
        }
    }
    int32_t weight[NUMBER_OF_POSITIONS];
    for (int32_t position = 0; position < NUMBER_OF_POSITIONS; ++position) {
        const int32_t league = Get_League_Need_From_Slots(position, round, team_slots);
        const int32_t need = Get_Position_Draft_Need(team, position, round, own_slots);
        weight[position] = Thin_Weight_By_Supply(league == 0 ? 0 : Mul_Div_Round(need, 1000, league),
                                                 position, supply[position]);
    }
    int32_t best = 0;
    for (int32_t pool = FIRST_COLLEGE_POOL_TEAM; pool < TOTAL_NUMBER_OF_TEAMS; ++pool) {
        const int32_t used = Get_First_Empty_Player_Slot(pool);
        for (int32_t slot = 0; slot < used; ++slot) {
            const int32_t position = Get_Player_Vital_Stat(pool, slot, VITAL_POSITION);
            if (static_cast<uint32_t>(position) >= NUMBER_OF_POSITIONS) continue;
            const int32_t grade = Get_Draft_Grade(pool, slot);
            const int32_t strategy = Universe.Header.Draft_Strategy[position] + 100;
            int32_t value = Mul_Div_Round(strategy, (weight[position] / 10 + 80) * grade, 100);
            if (Is_Specialist(position) && grade < 91 - 8 * round) value = 0;
            if (value <= best) continue;
            best = value;
            *pool_team = pool;
            *pool_slot = slot;
        }
    }
}

void Make_Computer_Draft_Pick(int32_t team) {
    int32_t pool_team = NO_TEAM;
    int32_t pool_slot = NO_PLAYER;
    Choose_Draft_Pool_Player(team, &pool_team, &pool_slot);
    if (!Is_Draft_Pool_Place(pool_team, pool_slot)) return;
    const int32_t round = Get_User_Preference(DRAFT_ROUND);
    if (round <= LAST_STRATEGY_ROUND && Get_First_Empty_Player_Slot(team) >= FULL_ROSTER) {
        const int32_t last = Find_Last_Unit_Player(team, Get_Player_Unit(pool_team, pool_slot));
        if (last >= 0) Release_Player_To_Free_Agents(team, last);
    }
    if (Get_First_Empty_Player_Slot(team) >= FULL_ROSTER) return;
    const int32_t years = Get_Desired_Contract_Length(pool_team, pool_slot);
    int32_t bonus = Get_Rookie_Draft_Bonus(pool_team, pool_slot);
    const int32_t cash_ratio = Get_Team_Financial_Stat(team, FINANCE_CASH_RATIO);
    if (cash_ratio > 1000)
        bonus = static_cast<int32_t>((static_cast<int64_t>(bonus) * (cash_ratio + 9000) + 5000) / 10000);
    Set_Player_Vital_Stat(pool_team, pool_slot, VITAL_SIGNING_BONUS, bonus);
    Set_Player_Vital_Stat(pool_team, pool_slot, VITAL_CONTRACT_YEARS, years);
    Set_Player_Vital_Stat(pool_team, pool_slot, VITAL_BONUS_YEARS, years);
    Set_Player_Contract_Demand(pool_team, pool_slot, 0);
    int64_t cash = static_cast<int64_t>(Get_Team_Financial_Stat(team, FINANCE_CASH)) - bonus * 1000LL;
    if (cash < MIN_TEAM_CASH) cash = MIN_TEAM_CASH;
    if (cash > MAX_TEAM_CASH) cash = MAX_TEAM_CASH;
    Set_Team_Financial_Stat(team, FINANCE_CASH, static_cast<int32_t>(cash));
    if (round <= LAST_STRATEGY_ROUND) {
        const int32_t position = Get_Player_Vital_Stat(pool_team, pool_slot, VITAL_POSITION);
        // The count of a position's picks left to the strategy stops at the
        // least a short holds, whatever the file held.
        if (static_cast<uint32_t>(position) < NUMBER_OF_POSITIONS &&
            Universe.Header.Draft_Strategy[position] > INT16_MIN)
            --Universe.Header.Draft_Strategy[position];
    }
    Draft_Player(team, pool_team, pool_slot);
}

int32_t Announce_Computer_Draft_Pick(int32_t team, int32_t pool_team, int32_t pool_slot) {
    char caption[FORMATTED_TEXT_SIZE];
    snprintf(caption, sizeof caption, "Round %d: Pick #%d", Get_User_Preference(DRAFT_ROUND) + 1,
             Get_User_Preference(DRAFT_PICK) + 1);
    char nickname[TEAM_STRING_LENGTH + 1];
    Get_Team_Nickname(team, nickname);
    char college[FORMATTED_TEXT_SIZE];
    Get_Player_College(pool_team, pool_slot, college);
    char position[FORMATTED_TEXT_SIZE];
    Get_Position_Name(Get_Player_Vital_Stat(pool_team, pool_slot, VITAL_POSITION), position);
    char player[PLAYER_NAME_TEXT_SIZE];
    Get_Player_Full_Name(pool_team, pool_slot, player);
    char text[FORMATTED_TEXT_SIZE * 4];
    snprintf(text, sizeof text,
             "The %s pick %s %s %s. Would you like to see a scouting report? (Hit 'Cancel' to ignore "
             "computer draft picks)",
             nickname, college, position, player);
    const int32_t answer = Show_Message_Box(text, caption, BOX_YES_NO_CANCEL | BOX_SECOND_DEFAULT);
    if (answer == ID_BOX_YES) {
        Set_User_Preference(SELECTED_PLAYER_TEAM, pool_team);
        Set_User_Preference(SELECTED_PLAYER_SLOT, pool_slot);
        Do_Dialog(NO_WINDOW, SCOUTING_REPORT_DIALOG, 0);
    }
    return answer;
}
