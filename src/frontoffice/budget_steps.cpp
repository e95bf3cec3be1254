// Hand-set prices and budgets.
#include "frontoffice/budget_steps.h"

#include "database/league_structure.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "frontoffice/money.h"

namespace {
constexpr int32_t STAFF_BUDGET_STEPS = 100;

int32_t Hold(int64_t value, int32_t most) {
    if (value < 0) return 0;
    return value > most ? most : static_cast<int32_t>(value);
}
} // namespace

int32_t Get_Budget_User_Team() {
    const int32_t user = Get_User_Preference(USER_TEAM);
    if (Is_Active_Team(user) || user == FREE_AGENT_TEAM) return user;
    if (user > HALL_OF_FAME_TEAM && user < TOTAL_NUMBER_OF_TEAMS) return user;
    return user == HALL_OF_FAME_TEAM ? HALL_OF_FAME_TEAM : 0;
}

int32_t Is_Team_Budget_Editable(int32_t team) {
    if (Get_User_Preference(COMMISSIONER_MODE) != 0) return 1;
    return team == Get_Budget_User_Team() ? 1 : 0;
}

int32_t Step_Ticket_Price(int32_t price, int32_t up) {
    const int32_t step = Get_Money_Step(Get_Universe_Stat(INFLATION_FACTOR));
    int64_t moved = static_cast<int64_t>(price) + (up ? step : -step);
    moved -= moved % step;
    return Hold(moved, MOST_TICKET_PRICE);
}

int32_t Step_Concession_Price(int32_t price, int32_t up) {
    const int32_t step = Get_Money_Step(Get_Universe_Stat(INFLATION_FACTOR) / 4);
    return Hold(static_cast<int64_t>(price) + (up ? step : -step), MOST_CONCESSION_PRICE);
}

int32_t Step_Staff_Budget(int32_t budget, int32_t up) {
    const int32_t step = STAFF_BUDGET_STEPS * Get_Money_Step(Get_Universe_Stat(INFLATION_FACTOR));
    const int32_t held = Hold(static_cast<int64_t>(budget) + (up ? step : -step), MOST_STAFF_BUDGET);
    return Floor_To_Step(held, step);
}
