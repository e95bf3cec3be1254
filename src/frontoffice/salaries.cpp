// The salary scales of the league.
#include "frontoffice/salaries.h"

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/settings.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/money.h"

namespace {
constexpr int32_t FIRST_TABLE_YEAR = 2015;
constexpr int32_t LAST_TABLE_YEAR = 2022;
constexpr int32_t INFLATED_ROW_YEAR = 2021;
constexpr int32_t MAX_MINIMUM_EXPERIENCE = 10;

// Minimum salary ($K) by calendar year 2015-2022 and credited seasons 0-10.
constexpr int32_t MINIMUM_SALARY[LAST_TABLE_YEAR - FIRST_TABLE_YEAR + 1][MAX_MINIMUM_EXPERIENCE + 1] = {
    {435, 510, 585, 660, 745, 745, 745, 870, 870, 870, 970},
    {450, 525, 600, 675, 760, 760, 760, 885, 885, 885, 985},
    {465, 540, 615, 690, 775, 775, 775, 900, 900, 900, 1000},
    {480, 555, 630, 705, 790, 790, 790, 915, 915, 915, 1015},
    {495, 570, 645, 720, 805, 805, 805, 930, 930, 930, 1030},
    {610, 675, 750, 825, 910, 910, 910, 1050, 1050, 1050, 1050},
    {660, 780, 850, 920, 990, 990, 990, 1075, 1075, 1075, 1075},
    {705, 825, 895, 965, 1035, 1035, 1035, 1120, 1120, 1120, 1120},
};

// Standard-scale anchors per round: first pick, middle pick, last pick.
constexpr int32_t PICK_VALUE_ANCHORS[NUMBER_OF_DRAFT_ROUNDS][3] = {
    {6675, 2195, 1200}, {1000, 680, 385}, {325, 275, 235}, {230, 205, 140},
    {100, 85, 65},      {60, 48, 38},     {32, 27, 22}};
constexpr int32_t ROOKIE_SCALE_ANCHORS[NUMBER_OF_DRAFT_ROUNDS][3] = {
    {833, 417, 333}, {277, 253, 243}, {208, 205, 200}, {180, 160, 140},
    {100, 100, 100}, {100, 100, 100}, {100, 100, 100}};

// Percent of value by age 20-39.
constexpr int32_t FIRST_CURVE_AGE = 20;
constexpr int32_t LAST_CURVE_AGE = 39;
constexpr int32_t AGE_CURVE[LAST_CURVE_AGE - FIRST_CURVE_AGE + 1] = {
    75, 78, 80, 83, 85, 88, 90, 92, 95, 98, 100, 100, 98, 96, 94, 92, 90, 88, 86, 84};

// The first half of a round falls from the first-pick anchor to the middle
// one, the second half from the middle to the last-pick anchor.
int32_t Interpolate_Round(const int32_t anchors[3], int32_t pick) {
    const int32_t half = Count_Active_Teams() / 2;
    if (pick < half) return anchors[0] - Mul_Div_Round(anchors[0] - anchors[1], pick, half);
    return anchors[1] - Mul_Div_Round(anchors[1] - anchors[2], pick - half, half);
}

bool Is_Draft_Round(int32_t round) {
    return round >= 0 && round < NUMBER_OF_DRAFT_ROUNDS;
}
} // namespace

int32_t Get_League_Minimum_Salary(int32_t credited_seasons) {
    const int32_t years = Clamp_Int(0, MAX_MINIMUM_EXPERIENCE, credited_seasons);
    const int32_t year = Get_Current_Year();
    if (year >= FIRST_TABLE_YEAR && year <= LAST_TABLE_YEAR)
        return MINIMUM_SALARY[year - FIRST_TABLE_YEAR][years];
    return Apply_Inflation(MINIMUM_SALARY[INFLATED_ROW_YEAR - FIRST_TABLE_YEAR][years]);
}

int32_t Get_Player_Minimum_Salary(int32_t team, int32_t slot) {
    const int32_t years = Get_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS);
    return Get_League_Minimum_Salary(years < 0 ? 0 : years);
}

int32_t Convert_Standard_Salary(int32_t amount) {
    return Apply_Inflation(Mul_Div_Round(amount, BASE_YEAR_CAP, STANDARD_CAP));
}

int32_t Scale_To_Reference_Cap(int32_t amount) {
    int64_t cap = Get_Universe_Stat(SALARY_CAP);
    if (cap == 0) cap = Mul_Div_Round_64(BASE_YEAR_CAP, Get_Universe_Stat(INFLATION_FACTOR), 1000);
    return Clamp_To_Int32(Mul_Div_Round_64(amount, STANDARD_CAP, cap));
}

int32_t Get_Draft_Pick_Value(int32_t round, int32_t pick) {
    if (!Is_Draft_Round(round) || pick < 0 || pick >= Count_Active_Teams()) return 0;
    return Convert_Standard_Salary(Interpolate_Round(PICK_VALUE_ANCHORS[round], pick));
}

int32_t Get_Rookie_Scale_Salary(int32_t round, int32_t pick) {
    const int32_t minimum = Get_League_Minimum_Salary(0);
    if (!Is_Draft_Round(round)) return minimum;
    const int32_t salary = Convert_Standard_Salary(Interpolate_Round(ROOKIE_SCALE_ANCHORS[round], pick));
    return salary > minimum ? salary : minimum;
}

int32_t Get_Rookie_Scale_Plus_Quarter_Pick_Value(int32_t round, int32_t pick) {
    return Get_Rookie_Scale_Salary(round, pick) + Get_Draft_Pick_Value(round, pick) / 4;
}

int32_t Get_Rookie_Scale_On_The_Clock() {
    return Get_Rookie_Scale_Salary(Get_User_Preference(DRAFT_ROUND), Get_User_Preference(DRAFT_PICK));
}

int32_t Get_League_Payroll_Average_Per_Cap() {
    int32_t teams = 0;
    const int64_t total = Sum_Active_Team_Financial_Stat(FINANCE_PAYROLL, &teams);
    if (teams == 0) return 0;
    return Clamp_To_Int32(Mul_Div_Round_64(1000, total * 1000 / teams, Get_Universe_Stat(SALARY_CAP)));
}

int32_t Apply_Age_Salary_Curve(int32_t amount, int32_t age) {
    const int32_t index = Clamp_Int(FIRST_CURVE_AGE, LAST_CURVE_AGE, age) - FIRST_CURVE_AGE;
    return Mul_Div_Round(amount, AGE_CURVE[index], 100);
}

int32_t Round_Salary_Up(int32_t salary, int32_t minimum) {
    if (salary <= minimum) return minimum;
    const int64_t lifted = static_cast<int64_t>(salary) + 4;
    return Clamp_To_Int32(lifted - lifted % 5);
}
