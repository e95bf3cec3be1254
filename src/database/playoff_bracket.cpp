#include "database/playoff_bracket.h"

#include "app/diagnostics.h"
#include "database/league_structure.h"
#include "database/random_numbers.h"
#include "database/settings.h"
#include "database/team_record_layout.h"
#include "database/universe.h"
#include "season/playoff_seeding.h"

namespace {
constexpr int CALENDAR_ENTRIES = 6;
constexpr int WEEK_OFF_SEASON = 100;

bool Is_Bracket_Slot(int32_t slot) {
    return slot >= 0 && slot < PLAYOFF_BRACKET_SLOTS;
}
} // namespace

int32_t Get_Playoff_Team(int32_t slot) {
    if (!Is_Bracket_Slot(slot)) {
        Report_System_Error("Invalid playoff slot in Get_Playoff_Team(%d)", slot);
        return NO_TEAM;
    }
    int32_t team = Universe.Playoff_Bracket[slot];
    return team == -NO_TEAM ? NO_TEAM : team;
}

int32_t Get_Playoff_Score(int32_t slot) {
    if (!Is_Bracket_Slot(slot)) {
        Report_System_Error("Invalid playoff slot in Get_Playoff_Score(%d)", slot);
        return -128;
    }
    return Universe.Playoff_Scores[slot];
}

void Set_Playoff_Team(int32_t slot, int32_t team) {
    if (!Is_Bracket_Slot(slot)) {
        Report_System_Error("Invalid playoff slot in Set_Playoff_Team(%d,%d)", slot, team);
        return;
    }
    Universe.Playoff_Bracket[slot] = static_cast<int8_t>(team);
}

void Set_Playoff_Score(int32_t slot, int32_t score) {
    if (!Is_Bracket_Slot(slot)) {
        Report_System_Error("Invalid playoff slot in Set_Playoff_Score(%d,%d)", slot, score);
        return;
    }
    Universe.Playoff_Scores[slot] = score;
}

int32_t Get_Playoff_Pair_Round(int32_t first, int32_t second) {
    if (first < 0 || first >= MAX_FRANCHISES || second < 0 || second >= MAX_FRANCHISES || first == second)
        return -1;
    // Slot 30, the champion's, has no partner.
    static const int32_t ROUND_FIRST_SLOTS[PLAYOFF_ROUNDS] = {0, 16, 24, 28};
    for (int32_t slot = 0; slot + 1 < PLAYOFF_BRACKET_SLOTS; slot += 2) {
        const int32_t a = Universe.Playoff_Bracket[slot];
        const int32_t b = Universe.Playoff_Bracket[slot + 1];
        if ((a != first || b != second) && (a != second || b != first)) continue;
        int32_t round = PLAYOFF_ROUNDS - 1;
        while (slot < ROUND_FIRST_SLOTS[round])
            --round;
        return round;
    }
    return -1;
}

int32_t Get_Season_Calendar_Entry(int32_t i) {
    if (i == 0) return Universe.Season_Length;
    if (i > 0 && i < CALENDAR_ENTRIES) return Universe.Post_Season_Days[i - 1];
    Report_System_Error("Invalid entry in Get_Season_Calendar_Entry(%d)", i);
    return 0;
}

void Set_Season_Calendar_Entry(int32_t i, int32_t value) {
    if (i == 0)
        Universe.Season_Length = value;
    else if (i > 0 && i < CALENDAR_ENTRIES)
        Universe.Post_Season_Days[i - 1] = value;
    else
        Report_System_Error("Invalid entry in Set_Season_Calendar_Entry(%d,%d)", i, value);
}

int32_t Get_Playoff_Start_Week() {
    return Universe.Season_Length < 3 ? 2 : Universe.Season_Length;
}

int32_t Get_Max_Wild_Cards_For_Divisions(int32_t divisions) {
    static const int32_t bounds[4] = {0, 0, 5, 4};
    return bounds[Clamp_Int(1, 4, divisions) - 1];
}

int32_t Get_Min_Wild_Cards_For_Divisions(int32_t divisions) {
    static const int32_t bounds[4] = {0, 0, 1, 0};
    return bounds[Clamp_Int(1, 4, divisions) - 1];
}

int32_t Get_Max_Wild_Card_Teams() {
    int32_t leagues = Count_Leagues();
    if (leagues == 0) return 0;
    int32_t most = 0;
    for (int32_t league = 0; league < leagues; ++league) {
        int32_t bound = Get_Max_Wild_Cards_For_Divisions(Count_League_Divisions(league));
        if (bound > most) most = bound;
    }
    // A 17-game season with more than 32 teams keeps its schedule by taking two wild cards.
    if (most >= 3 && Count_Active_Teams() > 32 && Get_Universe_Stat(0) > 16) {
        if (Get_Universe_Stat(0) > 17) Universe.Header.Universe_Stats[0] = 17;
        return 2;
    }
    return most;
}

int32_t Get_Min_Wild_Card_Teams() {
    int32_t leagues = Count_Leagues();
    if (leagues == 0) return 1000;
    int32_t least = 1000;
    for (int32_t league = 0; league < leagues; ++league) {
        int32_t bound = Get_Min_Wild_Cards_For_Divisions(Count_League_Divisions(league));
        if (bound < least) least = bound;
    }
    return least;
}

int32_t Clamp_Wild_Card_Teams() {
    int32_t stored = Universe.Header.Universe_Stats[1];
    // Without a league there are no bounds to clamp to; the minimum of 1,000
    // would otherwise be stored as the wild-card count.
    if (Count_Leagues() == 0) return stored;
    int32_t most = Get_Max_Wild_Card_Teams();
    int32_t least = Get_Min_Wild_Card_Teams();
    int32_t wild_cards = stored < most ? stored : most;
    if (wild_cards < least) wild_cards = least;
    if (wild_cards != stored) {
        Set_Universe_Stat(wild_cards);
        // A bracket whose games have begun keeps its results: seeded anew it
        // would lose its winners, and a decided season its champion.
        if (Get_User_Preference(CURRENT_WEEK) < Get_Playoff_Start_Week()) Seed_Playoffs();
    }
    return wild_cards;
}

int32_t Get_Week_Day_Number(int32_t week) {
    // A week read from a damaged file wraps as 32-bit arithmetic does instead of overflowing.
    return week == WEEK_OFF_SEASON ? 104 : static_cast<int32_t>(7u * static_cast<uint32_t>(week) + 249u);
}

namespace {
constexpr int32_t DAYS_PER_WEEK = 7;
constexpr int32_t WEDNESDAY = 2;
// Day number of 1 September in a 365-day year.
constexpr int32_t FIRST_OF_SEPTEMBER = 243;

// Weekday (0 Monday to 6 Sunday) of 1 September of a Gregorian year.
int32_t Weekday_Of_First_September(int64_t year) {
    // Days from 1 March of year 0 to 1 September of the year, counted by the
    // Gregorian leap rule; 1 March of year 0 fell on a Wednesday.
    const int64_t days = 365 * year + year / 4 - year / 100 + year / 400 + 184;
    return static_cast<int32_t>(((days + WEDNESDAY) % DAYS_PER_WEEK + DAYS_PER_WEEK) % DAYS_PER_WEEK);
}
} // namespace

int32_t Get_Season_Week_Day_Number(int32_t season_year, int32_t week, int32_t weekday) {
    const int32_t first = Weekday_Of_First_September(season_year);
    const int32_t labor_day = FIRST_OF_SEPTEMBER + (DAYS_PER_WEEK - first) % DAYS_PER_WEEK;
    const int32_t days_after_wednesday =
        ((weekday - WEDNESDAY) % DAYS_PER_WEEK + DAYS_PER_WEEK) % DAYS_PER_WEEK;
    // A week read from a damaged file wraps as 32-bit arithmetic does instead of overflowing.
    return static_cast<int32_t>(static_cast<uint32_t>(labor_day + 2 + days_after_wednesday) +
                                static_cast<uint32_t>(DAYS_PER_WEEK) * static_cast<uint32_t>(week));
}

namespace {
// Day of the year 0-364 of a day number, and its month.
int32_t Walk_Months(int32_t day, int32_t* month) {
    int32_t rest = ((day % DAYS_PER_YEAR) + DAYS_PER_YEAR) % DAYS_PER_YEAR;
    int32_t m = 0;
    while (m < 11 && rest >= MONTH_LENGTHS[m])
        rest -= MONTH_LENGTHS[m++];
    *month = m;
    return rest;
}
} // namespace

int32_t Get_Month_Of_Day(int32_t day) {
    int32_t month;
    Walk_Months(day, &month);
    return month;
}

int32_t Get_Day_Of_Month(int32_t day) {
    int32_t month;
    return Walk_Months(day, &month);
}

int32_t Get_Current_Day_Number() {
    return Get_Week_Day_Number(Get_User_Preference(CURRENT_WEEK));
}

int32_t Get_Current_Month() {
    return Get_Month_Of_Day(Get_Current_Day_Number());
}

int32_t Get_Current_Day_Of_Month() {
    return Get_Day_Of_Month(Get_Current_Day_Number());
}

int32_t Get_Current_Calendar_Year() {
    return Get_Current_Year() + Get_Current_Day_Number() / 365;
}

int32_t Get_Season_Year() {
    return Get_Current_Year() - (Get_User_Preference(CURRENT_WEEK) == WEEK_OFF_SEASON ? 1 : 0);
}

int32_t Get_Last_Season_Index() {
    return Get_User_Preference(CURRENT_SEASON_INDEX) -
           (Get_User_Preference(CURRENT_WEEK) == WEEK_OFF_SEASON ? 1 : 0);
}

int32_t Get_Draft_Season_Year() {
    return Get_Season_Year() + (Get_Current_Day_Number() >= Universe.Post_Season_Days[4] ? 1 : 0);
}

int32_t Get_Weeks_To_Final() {
    return Universe.Post_Season_Days[3] - Get_User_Preference(CURRENT_WEEK) + 1;
}
