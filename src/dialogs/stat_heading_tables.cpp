#include "dialogs/stat_headings.h"

#include <strings.h>

#include "database/league_structure.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/text_format.h"

namespace {
constexpr const char* CALENDAR_HEADINGS[CALENDAR_STAT_HEADINGS] = {
    "Total\nYards",      "Yards\nAllowed",       "Passing\nYards", "Rushing\nYards",
    "Pass\nDefense",     "Rush\nDefense",        "Turnovers",      "Takeaways",
    "Turnover\n+/-",     "Time of\nPossession",  "Yards/Play",     "Yards/Play\nAllowed",
    "Third\nDown",       "Fourth\nDown",         "Sacks",          "Sacks\nAllowed",
    "Red Zone\nScoring", "Red Zone\nTouchdowns", "Point\nSpread",  "Over/Under",
};

constexpr const char* FINANCE_HEADINGS[FINANCE_STAT_HEADINGS] = {
    "Rating",         "SB Wins",         "%s Titles",    "Playoffs",
    "Loyalty",        "Attendance",      "Ticket Price", "Avg. Salary",
    "Payroll",        "Avg. Age",        "Contract",     "Revenue",
    "Expenses",       "Profit",          "Franchise",    "Cash",
    "Liquidity",      "Cap Room",        "Medical",      "Scouting",
    "Bonus",          "Broadcast",       "Concessions",  "Proj. Revenue",
    "Quarterbacks",   "Running Backs",   "Tight Ends",   "Receivers",
    "Off. Line",      "Def. Line",       "Linebackers",  "Cornerbacks",
    "Safeties",       "Return Teams",    "Kickers",      "Punters",
    "Proj. Expenses", "Proj. Profit",    "Avg. Bonus",   "Tickets",
    "Medical Budget", "Scouting Budget", "Attendance",   "Road Attendance",
    "Overhead",       "Road Attendance", "Power Rank",   "Offense",
    "Defense",        "Overall",
};

constexpr const char* STANDINGS_HEADINGS[STANDINGS_STAT_HEADINGS] = {
    "Last 3",         "Last 5",         "Streak",         "Home Record",    "Away Record",
    "Div. Record",    "Conf. Record",   "Points Scored",  "Points Allowed", "Total Yards",
    "Yards Allowed",  "Passing / Game", "Rushing / Game", "Pass Allowed",   "Rush Allowed",
    "Turnovers",      "Takeaways",      "Turnover\n+/-",  "Offense Rank",   "Defense Rank",
    "Passing Rank",   "Rushing Rank",   "Pass Def. Rank", "Rush Def. Rank", "Yards / Play",
    "Third Down",     "Sacks / Game",   "Sacked / Game",  "Rushes / Game",  "Passes / Game",
    "Yards / Rush",   "Yards / Pass",   "Plays / Game",   "Completion %",   "Interceptions",
    "Fum. Forced",    "Knockdowns",     "Fourth Down",    "Possession",     "Record (vs. Spread)",
    "Running Game",   "Passing Game",   "Run Defense",    "Pass Defense",   "Special Teams",
    "Offensive Line", "Rush Blocking",  "Pass Blocking",
};
constexpr int32_t LEAGUE_TITLES_HEADING = 2;

void Copy_Heading(const char* const* table, int32_t count, int32_t index, char* out, int32_t size) {
    if (out == nullptr || size <= 0) return;
    safe_strncpy(out, index >= 0 && index < count ? table[index] : "", size);
}
} // namespace

void Get_Calendar_Stat_Heading(int32_t index, char* out, int32_t size) {
    Copy_Heading(CALENDAR_HEADINGS, CALENDAR_STAT_HEADINGS, index, out, size);
}

void Get_Finance_Stat_Heading(int32_t index, char* out, int32_t size) {
    if (out == nullptr || size <= 0) return;
    if (index == LEAGUE_TITLES_HEADING) {
        char league[LEAGUE_NAME_LENGTH + 1] = "";
        Get_League_Name(Get_User_Preference(SHOWN_LEAGUE), league);
        safe_sprintf(out, size, FINANCE_HEADINGS[index], league);
        return;
    }
    Copy_Heading(FINANCE_HEADINGS, FINANCE_STAT_HEADINGS, index, out, size);
    if (Get_Universe_Stat(SALARY_CAP) == 0 && strcasecmp(out, "Payroll") == 0)
        safe_strncpy(out, "Payroll Budget", size);
}

void Get_Standings_Stat_Heading(int32_t index, char* out, int32_t size) {
    Copy_Heading(STANDINGS_HEADINGS, STANDINGS_STAT_HEADINGS, index, out, size);
}

std::string Get_One_Line_Heading(const char* heading) {
    std::string line = heading != nullptr ? heading : "";
    for (char& c : line)
        if (c == '\n') c = ' ';
    return line;
}
