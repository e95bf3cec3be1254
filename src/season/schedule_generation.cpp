#include "season/schedule_generation.h"

#include "app/progress_window.h"
#include "app/window_graphics.h"
#include "database/league_structure.h"
#include "database/playoff_bracket.h"
#include "database/random_numbers.h"
#include "database/schedule_entries.h"
#include "database/standings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "platform/message_box.h"
#include "season/historic_schedules.h"
#include "season/schedule_templates.h"

namespace {
constexpr int32_t MOST_GAMES_PER_SEASON = 17;
constexpr int32_t FIRST_OPEN_WEEK_YEAR = 1990;
constexpr int32_t LAST_HISTORIC_FILE_YEAR = 2000;
constexpr int32_t RANDOM_ATTEMPTS = 1000;
constexpr int32_t MOST_PICKS = 2000;
constexpr int32_t MOST_HOME_REDRAWS = 100;
constexpr int32_t MOST_OPPONENT_REDRAWS = 10000;
constexpr int32_t UNPAIRED = NO_TEAM;
constexpr int32_t LAST_SCHEDULE_WEEK = NUMBER_OF_SCHEDULE_WEEKS - 1;
constexpr int32_t PLAYOFF_WEEK_MARKS = 5;

int32_t Capped_Games_Per_Season() {
    int32_t& games = Universe.Header.Universe_Stats[GAMES_PER_SEASON];
    if (games > MOST_GAMES_PER_SEASON) games = MOST_GAMES_PER_SEASON;
    return games;
}

// A test with p %: a fresh draw below 100 passes when it is below p.
bool Chance(int32_t percent) {
    return Random_Int(100) < percent;
}

int32_t Conference_Of(int32_t team) {
    const int32_t division = Get_Team_Division(team);
    return division >= 0 ? division / 4 : -1;
}

// The fixed template of the league's shape; false when it has none.
bool Fill_Template_For_Shape(int32_t teams, int32_t games, int32_t year) {
    if (teams == 32 && games == 17 && Has_Eight_Divisions_Of_Four())
        Fill_17_Game_Schedule();
    else if (teams == 32 && games == 16 && Has_Eight_Divisions_Of_Four())
        Fill_Schedule();
    else if (teams == 31 && games == 16)
        Generate_Schedule();
    else if (teams == 30 && games == 16)
        Fill_30_Team_Schedule();
    else if (teams == 28 && games == 16 && year < 1990)
        Fill_28_Team_Schedule_Before_1990();
    else if (teams == 28 && games == 16)
        Fill_28_Team_Schedule();
    else if (teams == 28 && games == 14)
        Fill_28_Team_14_Game_Schedule();
    else if (teams == 26 && games == 14)
        Fill_26_Team_Schedule();
    else if (teams == 12 && games == 12)
        Fill_12_Team_Schedule();
    else
        return false;
    return true;
}

// Enters the season's games by the first method that applies. A league the
// random generator cannot schedule gets the message once and no games: the
// season then passes its regular weeks without games and still reaches its
// playoffs, instead of retrying for ever.
int32_t Enter_Season_Schedule() {
    Clear_All_Team_Schedules();
    Update_Standings();
    const int32_t year = Get_Current_Year();
    if (year <= LAST_HISTORIC_FILE_YEAR && Skip_Historic_Schedule() == 0 && Load_Historic_Schedule() == 1)
        return 1;
    const int32_t teams = Count_Active_Teams();
    const int32_t games = Capped_Games_Per_Season();
    if (Fill_Template_For_Shape(teams, games, year)) return 1;
    for (int32_t attempt = 0; attempt < RANDOM_ATTEMPTS; ++attempt)
        if (Generate_Random_Schedule() == 1) return 1;
    Show_Formatted_Message("Season Schedule",
                           "Unable to generate a season schedule for this league. Try moving or "
                           "erasing teams in the League Editor.");
    Clear_All_Team_Schedules();
    return 0;
}

// The week's pairings of one attempt and each team's open weeks.
struct SCHEDULE_ATTEMPT {
    int32_t Teams;
    int32_t Weeks;
    int32_t Partner[MAX_FRANCHISES];
    bool Bye[MAX_FRANCHISES][NUMBER_OF_SCHEDULE_WEEKS];
    int32_t Byes[MAX_FRANCHISES];
};

bool Is_Open(const SCHEDULE_ATTEMPT& attempt, int32_t team, int32_t week) {
    return attempt.Partner[team] == UNPAIRED && !attempt.Bye[team][week];
}

// Pairs `games` games in the week; false when a game found no fitting team
// in 2,000 picks. With `limit_home` the home picks count toward the limit too.
bool Pair_Week(SCHEDULE_ATTEMPT& attempt, int32_t week, int32_t games, bool limit_home) {
    for (int32_t& partner : attempt.Partner)
        partner = UNPAIRED;
    for (int32_t game = 0; game < games; ++game) {
        int32_t home = Pick_Schedule_Home_Team();
        for (int32_t picks = 1; !Is_Open(attempt, home, week); ++picks) {
            if (limit_home && picks >= MOST_PICKS) return false;
            home = Pick_Schedule_Home_Team();
        }
        int32_t visitor = Pick_Schedule_Opponent(home);
        for (int32_t picks = 1; visitor == home || !Is_Open(attempt, visitor, week); ++picks) {
            if (picks >= MOST_PICKS) return false;
            visitor = Pick_Schedule_Opponent(home);
        }
        Schedule_Game(home, visitor, week, -1, -1);
        Step_Progress(1);
        attempt.Partner[home] = visitor;
        attempt.Partner[visitor] = home;
    }
    Redraw_Main_Window();
    return true;
}

bool Fill_Even_League(SCHEDULE_ATTEMPT& attempt, bool open_week) {
    for (int32_t week = 0; week < attempt.Weeks; ++week) {
        if (open_week && week == attempt.Weeks / 2) continue;
        if (!Pair_Week(attempt, week, attempt.Teams / 2, false)) return false;
    }
    return true;
}

// Open weeks of an odd league: one a week outside the middle of the season,
// q + 1 in its middle m weeks.
int32_t Open_Weeks_Of(int32_t teams, int32_t weeks, int32_t week) {
    int32_t q = (teams - 1) / weeks;
    if (q % 2 != 0) ++q;
    const int32_t m = q > 0 ? (teams - weeks) / q : 0;
    const int32_t s = (weeks - m) / 2;
    const int32_t e = s + m;
    if (week >= s && week < e) return q + 1;
    if (m == 0 && week == e - 1) {
        const int32_t rest = q > 0 ? (teams - weeks) % q : teams - weeks;
        return rest > 0 ? rest : q + 1;
    }
    return 1;
}

// Draws the teams that are open in the week among those with the fewest open
// weeks yet. A league with fewer teams than weeks so gives some teams a
// second open week instead of drawing for ever for a team without one.
void Draw_Open_Teams(SCHEDULE_ATTEMPT& attempt, int32_t week, int32_t count) {
    for (int32_t n = 0; n < count; ++n) {
        int32_t fewest = -1;
        for (int32_t team = 0; team < attempt.Teams; ++team)
            if (!attempt.Bye[team][week] && (fewest < 0 || attempt.Byes[team] < fewest))
                fewest = attempt.Byes[team];
        if (fewest < 0) return;
        int32_t team = Random_Int(attempt.Teams);
        while (attempt.Bye[team][week] || attempt.Byes[team] != fewest)
            team = Random_Int(attempt.Teams);
        attempt.Bye[team][week] = true;
        ++attempt.Byes[team];
    }
}

bool Fill_Odd_League(SCHEDULE_ATTEMPT& attempt) {
    int32_t open_count[NUMBER_OF_SCHEDULE_WEEKS];
    for (int32_t week = 0; week < attempt.Weeks; ++week) {
        open_count[week] = Open_Weeks_Of(attempt.Teams, attempt.Weeks, week);
        if (open_count[week] > attempt.Teams) open_count[week] = attempt.Teams;
        Draw_Open_Teams(attempt, week, open_count[week]);
    }
    for (int32_t week = 0; week < attempt.Weeks; ++week)
        if (!Pair_Week(attempt, week, (attempt.Teams - open_count[week]) / 2, true)) return false;
    return true;
}
} // namespace

void Clear_All_Team_Schedules() {
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team)
        Clear_Scheduled_Games(team);
}

int32_t Set_Season_Length() {
    const int32_t teams = Count_Active_Teams();
    for (int32_t week = LAST_SCHEDULE_WEEK; week >= 0; --week)
        for (int32_t team = 0; team < teams; ++team)
            if (Get_Team_Schedule_Stat(team, week, SCHEDULE_OPPONENT) != 0) return week + 1;
    return 0;
}

int32_t Set_Season_Length_And_Playoff_Days() {
    const int32_t length = Set_Season_Length();
    Set_Season_Calendar_Entry(0, length);
    for (int32_t mark = 1; mark <= PLAYOFF_WEEK_MARKS; ++mark)
        Set_Season_Calendar_Entry(mark, length + mark);
    return length + PLAYOFF_WEEK_MARKS;
}

int32_t Get_Team_Schedule_Position(int32_t team) {
    const int32_t division = Get_Team_Division(team);
    int32_t position = Get_Team_Division_Standing(team);
    const int32_t teams = Count_Active_Teams();
    // Only teams of the lower divisions count; a slot not in use has none.
    for (int32_t other = 0; other < teams; ++other) {
        const int32_t other_division = Get_Team_Division(other);
        if (other_division >= 0 && other_division < division) ++position;
    }
    return position;
}

void Generate_Season_Schedule() {
    Enter_Season_Schedule();
    Set_Season_Length_And_Playoff_Days();
}

int32_t Try_Generate_Season_Schedule() {
    const int32_t entered = Enter_Season_Schedule();
    Set_Season_Length_And_Playoff_Days();
    return entered;
}

int32_t Generate_Random_Schedule() {
    SCHEDULE_ATTEMPT attempt{};
    attempt.Teams = Count_Active_Teams();
    const int32_t games = Capped_Games_Per_Season();
    const bool open_week = Get_Current_Year() >= FIRST_OPEN_WEEK_YEAR;
    attempt.Weeks = open_week ? games + 1 : games;
    if (attempt.Weeks > NUMBER_OF_SCHEDULE_WEEKS) attempt.Weeks = NUMBER_OF_SCHEDULE_WEEKS;
    Clear_All_Team_Schedules();
    const bool opened = Open_Progress_Window("Generating Schedule", games * attempt.Teams / 2) != 0;
    const bool done =
        attempt.Teams % 2 == 0 ? Fill_Even_League(attempt, open_week) : Fill_Odd_League(attempt);
    if (opened) Close_Progress_Window();
    return done ? 1 : 0;
}

int32_t Pick_Schedule_Home_Team() {
    const int32_t teams = Count_Active_Teams();
    int32_t team = Random_Int(teams);
    for (int32_t n = 0; n < MOST_HOME_REDRAWS && Reject_Schedule_Home_Team(team); ++n)
        team = Random_Int(teams);
    return team;
}

int32_t Reject_Schedule_Home_Team(int32_t team) {
    const int32_t home = Count_First_Listed_Games(team);
    const int32_t away = Count_Second_Listed_Games(team);
    if (home > away && Chance(70)) return 1;
    if (home > away + 1 && Chance(80)) return 1;
    if (home > away + 2 && Chance(90)) return 1;
    return 0;
}

int32_t Pick_Schedule_Opponent(int32_t home) {
    const int32_t teams = Count_Active_Teams();
    int32_t team = Random_Int(teams);
    for (int32_t n = 0; n < MOST_OPPONENT_REDRAWS && Reject_Schedule_Opponent(team, home); ++n)
        team = Random_Int(teams);
    return team;
}

int32_t Reject_Schedule_Opponent(int32_t candidate, int32_t home) {
    const bool meet = Count_Games_Against(home, candidate) > 0;
    if (Conference_Of(candidate) != Conference_Of(home)) {
        if (Get_Current_Year() < 1970 && Chance(85)) return 1;
        if (Chance(75)) return 1;
        if (meet && Chance(95)) return 1;
    }
    if (Get_Team_Division(candidate) != Get_Team_Division(home)) {
        if (Chance(66)) return 1;
        if (meet && Chance(95)) return 1;
    }
    const int32_t away = Count_Second_Listed_Games(candidate);
    const int32_t at_home = Count_First_Listed_Games(candidate);
    if (away > at_home && Chance(70)) return 1;
    if (away > at_home + 1 && Chance(80)) return 1;
    if (away > at_home + 2 && Chance(90)) return 1;
    if (Count_First_Listed_Games_Against(home, candidate) >= 1 && Chance(98)) return 1;
    return 0;
}
