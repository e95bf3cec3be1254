#include "database/schedule_entries.h"

#include <algorithm>
#include <cstdlib>
#include <initializer_list>

#include "app/diagnostics.h"
#include "database/league_structure.h"
#include "database/playoff_bracket.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "season/schedule_templates.h"
#include "season/season_calendar.h"

namespace {
constexpr int PAIRING_WEEKS = 18;
constexpr int REFERENCE_WEEKS = 17;
constexpr int REFERENCE_GAMES = 16;
constexpr int DEFAULT_KICKOFF = 1300;
constexpr int SUNDAY = 6;
constexpr int NO_GAME_INDEX = 301;

bool Is_Week(int32_t week) {
    return week >= 0 && week < NUMBER_OF_SCHEDULE_WEEKS;
}

SCHEDULE_ENTRY& Entry(int32_t team, int32_t week) {
    return Universe.Teams[team].Schedule[week];
}

// The team whose entry of the week holds the game's watch flag: the team itself
// when it was listed first, else its opponent; -1 without a game or when the
// stored opponent code names no team.
int32_t Find_Flag_Holder(int32_t team, int32_t week) {
    int32_t code = Entry(team, week).Values[SCHEDULE_OPPONENT];
    if (code == 0) return -1;
    if (code > 0) return team;
    int32_t opponent = -code - 1;
    return Is_Team_Record_Slot(opponent) ? opponent : -1;
}

// The watch flag of the team's game in the week, both known to be in range.
int32_t Week_Watch_Flag(int32_t team, int32_t week) {
    const int32_t holder = Find_Flag_Holder(team, week);
    return holder < 0 ? 0 : Entry(holder, week).Values[SCHEDULE_WATCH_FLAG];
}

int32_t Playoff_Start_Week() {
    return Universe.Season_Length < 2 ? 2 : Universe.Season_Length;
}

template <typename MATCH> int32_t Count_Pairing_Weeks(int32_t team, const MATCH& match) {
    if (!Is_Team_Record_Slot(team)) return 0;
    int32_t count = 0;
    for (int week = 0; week < PAIRING_WEEKS; ++week)
        if (match(Entry(team, week).Values[SCHEDULE_OPPONENT])) ++count;
    return count;
}
} // namespace

int32_t Get_Team_Week_Weekday(int32_t team, int32_t week) {
    if (!Is_Team_Record_Slot(team) || !Is_Week(week)) return -1;
    const SCHEDULE_ENTRY& entry = Entry(team, week);
    if (entry.Values[SCHEDULE_OPPONENT] == 0) return -1;
    const int32_t weekday = entry.Values[SCHEDULE_WEEKDAY];
    return weekday >= 0 && weekday <= SUNDAY ? weekday : -1;
}

int32_t Get_Team_Schedule_Stat(int32_t team, int32_t week, int32_t field) {
    if (!Is_Team_Record_Slot(team)) {
        Log_Debug_Line("Invalid nTeam in Get_Team_Schedule_Stat(%d,%d,%d)", team, week, field);
        return 0;
    }
    if (!Is_Week(week)) {
        Log_Debug_Line("Invalid nWeek in Get_Team_Schedule_Stat(%d,%d,%d)", team, week, field);
        return 0;
    }
    if (field < 0 || field >= NUMBER_OF_SCHEDULE_FIELDS) {
        Log_Debug_Line("Invalid nField in Get_Team_Schedule_Stat(%d,%d,%d)", team, week, field);
        return 0;
    }
    return Entry(team, week).Values[field];
}

void Set_Team_Schedule_Stat(int32_t team, int32_t week, int32_t field, int32_t value) {
    if (!Is_Team_Record_Slot(team)) {
        Log_Debug_Line("Invalid nTeam in Set_Team_Schedule_Stat(%d,%d,%d)", team, week, field);
        return;
    }
    if (!Is_Week(week)) {
        Log_Debug_Line("Invalid nWeek in Set_Team_Schedule_Stat(%d,%d,%d,%d)", team, week, field, value);
        return;
    }
    if (field < 0 || field >= NUMBER_OF_SCHEDULE_FIELDS) {
        Log_Debug_Line("Invalid nField in Set_Team_Schedule_Stat(%d,%d,%d,%d)", team, week, field, value);
        return;
    }
    Entry(team, week).Values[field] = value;
}

bool Game_Scheduled_Today(int32_t team, int32_t week) {
    if (team < 0 || team >= MAX_FRANCHISES) {
        Report_System_Error("Invalid nTeam in Game_Scheduled_Today(%d,%d)", team, week);
        return false;
    }
    if (!Is_Week(week)) {
        Report_System_Error("Invalid date in Game_Scheduled_Today(%d,%d)", team, week);
        return false;
    }
    return Entry(team, week).Values[SCHEDULE_OPPONENT] != 0;
}

int32_t Get_Team_Week_Opponent(int32_t team, int32_t week) {
    if (week >= NUMBER_OF_SCHEDULE_WEEKS) return NO_TEAM;
    if (!Is_Week(week) || !Is_Team_Record_Slot(team)) return -NO_TEAM;
    int32_t code = Entry(team, week).Values[SCHEDULE_OPPONENT];
    if (code == 0) return -NO_TEAM;
    return std::abs(code) - 1;
}

int32_t Get_Team_Week_Game_Side(int32_t team, int32_t week) {
    if (!Is_Week(week) || !Is_Team_Record_Slot(team)) return 0;
    int32_t code = Entry(team, week).Values[SCHEDULE_OPPONENT];
    if (code == 0) return 0;
    return code > 0 ? 1 : 2;
}

int32_t Get_Team_Week_Schedule_Stat_1(int32_t team, int32_t week) {
    if (!Is_Week(week) || !Is_Team_Record_Slot(team)) return 0;
    return Week_Watch_Flag(team, week);
}

bool Is_Franchise_Week_Game_Watched(int32_t first, int32_t second, int32_t week) {
    if (!Is_Week(week)) return false;
    return (Is_Franchise_Slot(first) && Week_Watch_Flag(first, week) != 0) ||
           (Is_Franchise_Slot(second) && Week_Watch_Flag(second, week) != 0);
}

int32_t Get_Team_Own_Schedule_Stat_1(int32_t team, int32_t week) {
    if (!Is_Valid_Team_Code(team) || !Is_Week(week)) return 0;
    return Entry(team, week).Values[SCHEDULE_WATCH_FLAG];
}

void Set_Game_PBP_Flag(int32_t team, int32_t week, int32_t value) {
    if (team < 0 || team > FREE_AGENT_TEAM || !Is_Week(week)) return;
    int32_t holder = Find_Flag_Holder(team, week);
    if (holder >= 0) Entry(holder, week).Values[SCHEDULE_WATCH_FLAG] = value;
}

void Toggle_Calendar_PBP_Flag(int32_t team, int32_t week) {
    if (!Is_Team_Record_Slot(team)) {
        Report_System_Error("Invalid nTeam in Toggle_Calendar_PBP_Flag(%d,%d)", team, week);
        return;
    }
    if (!Is_Week(week)) {
        Report_System_Error("Invalid nWeek in Toggle_Calendar_PBP_Flag(%d,%d)", team, week);
        return;
    }
    int32_t holder = Find_Flag_Holder(team, week);
    if (holder < 0) return;
    SCHEDULE_ENTRY& entry = Entry(holder, week);
    entry.Values[SCHEDULE_WATCH_FLAG] = entry.Values[SCHEDULE_WATCH_FLAG] == 0 ? 1 : 0;
}

int32_t Schedule_Game(int32_t first, int32_t second, int32_t week, int32_t weekday, int32_t kickoff) {
    if (Is_No_Team(first) || Is_No_Team(second)) return 0;
    if (!Is_Used_Franchise_Slot(first)) {
        Report_System_Error("Invalid TNUM in Schedule_Game([%d],%d,%d,%d)", first, second, week, weekday);
        return 0;
    }
    if (!Is_Used_Franchise_Slot(second)) {
        Report_System_Error("Invalid TNUM in Schedule_Game(%d,[%d],%d,%d)", first, second, week, weekday);
        return 0;
    }
    if (!Is_Week(week)) {
        Report_System_Error("Invalid nWeek in Schedule_Game(%d,%d,%d,%d)", first, second, week, weekday);
        return 0;
    }
    // Both entries would be the one team's, leaving a game nobody plays.
    if (first == second) {
        Report_System_Error("Team plays itself in Schedule_Game(%d,%d,%d,%d)", first, second, week, weekday);
        return 0;
    }
    if (Entry(first, week).Values[SCHEDULE_OPPONENT] != 0 ||
        Entry(second, week).Values[SCHEDULE_OPPONENT] != 0)
        return 0;
    Entry(first, week).Values[SCHEDULE_OPPONENT] = second + 1;
    Entry(second, week).Values[SCHEDULE_OPPONENT] = -(first + 1);

    if (weekday == -1) {
        // Date the game like the matching game of a real season.
        int32_t active = Refresh_Active_Team_Count();
        int32_t table_week = week % REFERENCE_WEEKS;
        int32_t game = ((second * first) % 37) % REFERENCE_GAMES;
        if (active < 32) game = (game + 2) % REFERENCE_GAMES;
        int32_t day = Get_2017_NFL_Schedule_Opponent(table_week, game, 2);
        int32_t* stats = Universe.Header.Universe_Stats;
        if (stats[GAMES_PER_SEASON] > 17)
            stats[GAMES_PER_SEASON] = 17;
        else if (stats[GAMES_PER_SEASON] <= 12)
            day = Get_2017_NFL_Schedule_Opponent(table_week + 2, game, 2);
        if (day > 0) {
            weekday = Get_Weekday(day);
            kickoff = Get_2017_NFL_Schedule_Opponent(table_week, game, 3);
        }
    }
    if (weekday < 0 || weekday > SUNDAY) weekday = SUNDAY;
    // A game dated from an open week of the reference season keeps the kickoff
    // it was given, which is no time of day when the caller left it to us.
    if (kickoff <= 0) kickoff = DEFAULT_KICKOFF;
    for (int32_t team : {first, second}) {
        Entry(team, week).Values[SCHEDULE_WEEKDAY] = weekday;
        Entry(team, week).Values[SCHEDULE_KICKOFF] = kickoff;
    }
    return 1;
}

int32_t Schedule_Game_Default_Time(int32_t first, int32_t second, int32_t week) {
    return Schedule_Game(first, second, week, -1, -1);
}

int32_t Clear_Scheduled_Game(int32_t first, int32_t second, int32_t week) {
    if (first < 0 || first > FREE_AGENT_TEAM || second < 0 || second > FREE_AGENT_TEAM) {
        Report_System_Error("nTeam out of bounds in Clear_Scheduled_Game(%d,%d,%d)", first, second, week);
        return 0;
    }
    if (!Is_Week(week)) {
        Report_System_Error("Invalid date in Clear_Scheduled_Game(%d,%d,%d)", first, second, week);
        return 0;
    }
    Entry(first, week).Values[SCHEDULE_OPPONENT] = 0;
    Entry(second, week).Values[SCHEDULE_OPPONENT] = 0;
    return 1;
}

void Clear_Scheduled_Games(int32_t team) {
    if (team < 0 || team > FREE_AGENT_TEAM) {
        Report_System_Error("nTeam out of bounds in Clear_Scheduled_Games(%d,%d,%d)", team, 0,
                            NUMBER_OF_SCHEDULE_WEEKS);
        return;
    }
    for (SCHEDULE_ENTRY& entry : Universe.Teams[team].Schedule)
        entry = SCHEDULE_ENTRY{{0, 0, 0, -1, 0}};
}

// Every week, the playoffs' as much as the regular season's, holds the games
// its entries name: a playoff round enters as many games as its bracket pairs
// (none in a week whose round no conference plays), so the shape of a
// post-season is read here and nowhere else.
int32_t Get_Week_Game_Count(int32_t week) {
    if (!Is_Week(week)) {
        Log_Debug_Line("Invalid nWeek in Get_Week_Game_Count(%d)", week);
        return 0;
    }
    int32_t active = Refresh_Active_Team_Count();
    int32_t teams_playing = 0;
    for (int team = 0; team < active; ++team)
        if (Entry(team, week).Values[SCHEDULE_OPPONENT] != 0) ++teams_playing;
    return teams_playing / 2;
}

// A week's games take the game records in a row from the first free one, so
// the week's smallest game index is its first, the playoffs' as well.
int32_t Get_Week_First_Game_Index(int32_t week) {
    if (!Is_Week(week)) {
        Log_Debug_Line("Invalid nWeek in Get_Week_First_Game_Index(%d)", week);
        return NO_GAME_INDEX;
    }
    if (week == 0) return 0;
    int32_t active = Refresh_Active_Team_Count();
    int32_t first = NO_GAME_INDEX;
    for (int team = 0; team < active; ++team) {
        int32_t index = Entry(team, week).Values[SCHEDULE_GAME_INDEX];
        if (index >= 0 && index < first) first = index;
    }
    return first;
}

int32_t Get_Playoff_Week_Round(int32_t week) {
    const int32_t start = Playoff_Start_Week();
    if (!Is_Week(week) || week < start) return -1;
    const int32_t active = Refresh_Active_Team_Count();
    for (int32_t team = 0; team < active; ++team) {
        const int32_t code = Entry(team, week).Values[SCHEDULE_OPPONENT];
        if (code <= 0) continue;
        const int32_t round = Get_Playoff_Pair_Round(team, code - 1);
        if (round >= 0) return round;
        // A bracket that no longer holds the pair: the calendar enters round
        // r in the r-th week after the regular season.
        return std::min(week - start, PLAYOFF_ROUNDS - 1);
    }
    return -1;
}

int32_t Get_Team_Playoff_Weeks(int32_t team, int32_t end_week, int32_t* weeks) {
    int32_t count = 0;
    const int32_t last = std::min(end_week, static_cast<int32_t>(NUMBER_OF_SCHEDULE_WEEKS));
    for (int32_t week = Playoff_Start_Week(); week < last; ++week)
        if (Find_Team_Week_Game(week, team) != nullptr) {
            if (weeks != nullptr) weeks[count] = week;
            ++count;
        }
    return count;
}

int32_t Find_Team_Week_Game_Position(int32_t week, int32_t team) {
    int32_t first = Get_Week_First_Game_Index(week);
    int32_t count = Get_Week_Game_Count(week);
    for (int32_t position = 0; position < count; ++position) {
        int32_t index = first + position;
        if (index < 0 || index >= MAX_GAME_RECORDS) break;
        const GAME_RECORD& game = Universe.Games[index];
        int32_t a = static_cast<int8_t>(game.Team[0]);
        int32_t b = static_cast<int8_t>(game.Team[1]);
        if (a < 0 || a >= MAX_FRANCHISES || b < 0 || b >= MAX_FRANCHISES || a == b) continue;
        if (a == team || b == team) return position;
    }
    return -1;
}

int32_t Find_Team_Week_Game_Index(int32_t week, int32_t team) {
    int32_t position = Find_Team_Week_Game_Position(week, team);
    return position < 0 ? -1 : Get_Week_First_Game_Index(week) + position;
}

const GAME_RECORD* Find_Team_Week_Game(int32_t week, int32_t team) {
    int32_t index = Find_Team_Week_Game_Index(week, team);
    return index < 0 ? nullptr : &Universe.Games[index];
}

int32_t Count_First_Listed_Games(int32_t team) {
    return Count_Pairing_Weeks(team, [](int32_t code) { return code > 0; });
}

int32_t Count_Second_Listed_Games(int32_t team) {
    return Count_Pairing_Weeks(team, [](int32_t code) { return code < 0; });
}

int32_t Count_First_Listed_Games_Against(int32_t team, int32_t opponent) {
    return Count_Pairing_Weeks(team, [opponent](int32_t code) { return code == opponent + 1; });
}

int32_t Count_Second_Listed_Games_Against(int32_t team, int32_t opponent) {
    return Count_Pairing_Weeks(team, [opponent](int32_t code) { return code == -(opponent + 1); });
}

int32_t Count_Games_Against(int32_t team, int32_t opponent) {
    return Count_First_Listed_Games_Against(team, opponent) +
           Count_Second_Listed_Games_Against(team, opponent);
}

int32_t Count_Weeks_With_Games(int32_t team, int32_t weeks) {
    if (!Is_Team_Record_Slot(team)) return 0;
    if (weeks > NUMBER_OF_SCHEDULE_WEEKS) weeks = NUMBER_OF_SCHEDULE_WEEKS;
    int32_t count = 0;
    for (int week = 0; week < weeks; ++week)
        if (Entry(team, week).Values[SCHEDULE_OPPONENT] != 0) ++count;
    return count;
}
