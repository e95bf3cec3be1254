#include "season/league_rules.h"

#include "database/league_structure.h"
#include "database/settings.h"

namespace {
constexpr int FIRST_MODERN_ERA_YEAR = 1974;
constexpr int FIRST_TWO_POINT_YEAR = 1994;
constexpr int FIRST_PLAYOFF_RULE_3_YEAR = 2010;
constexpr int FIRST_REGULAR_OVERTIME_RULE_YEAR = 2013;
constexpr int FIRST_SHORT_OVERTIME_YEAR = 2017;
constexpr int LAST_MIDFIELD_KICKOFF_YEAR = 2010;
} // namespace

void Set_Two_Point_Rule_For_Year() {
    Set_User_Preference(TWO_POINT_CONVERSION_RULE, Get_Current_Year() >= FIRST_TWO_POINT_YEAR ? 1 : 0);
}

void Set_Overtime_Rules_For_Year() {
    const int year = Get_Current_Year();
    Set_User_Preference(REGULAR_SEASON_OVERTIME_FLAG, year >= FIRST_MODERN_ERA_YEAR ? 1 : 0);
    Set_User_Preference(PLAYOFF_OVERTIME_RULE, year >= FIRST_PLAYOFF_RULE_3_YEAR ? 3 : 2);
    Set_User_Preference(REGULAR_SEASON_OVERTIME_RULE, year >= FIRST_REGULAR_OVERTIME_RULE_YEAR ? 1 : 0);
}

void Set_Overtime_Length_For_Year() {
    Set_User_Preference(OVERTIME_MINUTES, Get_Current_Year() >= FIRST_SHORT_OVERTIME_YEAR ? 10 : 15);
}

void Set_Kickoff_Spot_For_Year() {
    const int year = Get_Current_Year();
    int code = 1;
    if (year < FIRST_MODERN_ERA_YEAR)
        code = 2;
    else if (year >= FIRST_TWO_POINT_YEAR && year <= LAST_MIDFIELD_KICKOFF_YEAR)
        code = 0;
    Set_User_Preference(KICKOFF_SPOT_CODE, code);
}

void Set_Era_Code_For_Year() {
    const int year = Get_Current_Year();
    int code = 0;
    if (year < FIRST_MODERN_ERA_YEAR)
        code = 2;
    else if (year < FIRST_TWO_POINT_YEAR)
        code = 1;
    Set_User_Preference(ERA_CODE, code);
}

// The playoff format, wild cards and games per season keep their stored values
// until the league history tables that set them by year exist.
void Apply_League_Rules_For_Year() {
    Set_Overtime_Rules_For_Year();
    Set_Overtime_Length_For_Year();
    Set_Kickoff_Spot_For_Year();
    Set_Era_Code_For_Year();
    Set_Two_Point_Rule_For_Year();
}
