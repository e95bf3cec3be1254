#include "database/team_results.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <vector>

#include "app/diagnostics.h"
#include "database/game_queries.h"
#include "database/league_structure.h"
#include "database/playoff_bracket.h"
#include "database/random_numbers.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "engine/game_driver.h"
#include "season/season_calendar.h"

namespace {
// The history queries look at the season's records below these bounds.
constexpr int HISTORY_RECORDS = 286;
constexpr int TOTALS_RECORDS = 285;

bool Is_Playoff_Week() {
    return Get_User_Preference(CURRENT_WEEK) >= Universe.Season_Length;
}

void Increment_Record_Char(int32_t team, int32_t n) {
    Set_Team_Record_Char(team, n, Get_Team_Record_Char(team, n) + 1);
}

bool Involves(const GAME_RECORD* game, int32_t team) {
    return Get_Game_Team_Byte(game, 0) == team || Get_Game_Team_Byte(game, 1) == team;
}

// Own score less the opponent's for a game the team played.
// The team's score less its opponent's, kept within 32 bits however damaged
// the stored scores are.
int32_t Get_Score_Margin(const GAME_RECORD* game, int32_t team) {
    int32_t side = Get_Game_Team_Byte(game, 0) == team ? 0 : 1;
    int64_t margin = static_cast<int64_t>(Get_Game_Score(game, side)) - Get_Game_Score(game, 1 - side);
    return Clamp_To_Int32(margin);
}

void Write_Record_Text(char* buffer, int32_t wins, int32_t losses, int32_t ties, bool spaced) {
    if (ties != 0)
        snprintf(buffer, 32, spaced ? "%d - %d - %d" : "%d-%d-%d", wins, losses, ties);
    else
        snprintf(buffer, 32, spaced ? "%d - %d" : "%d-%d", wins, losses);
}
} // namespace

void Add_Team_Win(int32_t team, int32_t home) {
    if (team < 0 || team >= MAX_FRANCHISES) {
        Report_System_Error("nTeam out of bounds in Add_Team_Win()");
        return;
    }
    if (Is_Playoff_Week()) {
        Increment_Record_Char(team, RECORD_CHAR_PLAYOFF_WINS);
        return;
    }
    Increment_Record_Char(team, RECORD_CHAR_WINS);
    if (home) Increment_Record_Char(team, RECORD_CHAR_HOME_WINS);
}

void Add_Team_Loss(int32_t team, int32_t home) {
    if (team < 0 || team > FREE_AGENT_TEAM) {
        Report_System_Error("nTeam out of bounds in Add_Team_Loss()");
        return;
    }
    if (Is_Playoff_Week()) {
        Add_Team_Playoff_Loss(team);
        return;
    }
    Increment_Record_Char(team, RECORD_CHAR_LOSSES);
    if (home) Increment_Record_Char(team, RECORD_CHAR_HOME_LOSSES);
}

void Add_Team_Tie(int32_t team, int32_t home) {
    if (team < 0 || team > FREE_AGENT_TEAM) {
        Report_System_Error("nTeam out of bounds in Add_Team_Tie()");
        return;
    }
    Increment_Record_Char(team, RECORD_CHAR_TIES);
    if (home) Increment_Record_Char(team, RECORD_CHAR_HOME_TIES);
}

void Add_Team_Playoff_Loss(int32_t team) {
    if (team < 0 || team >= MAX_FRANCHISES) {
        Report_System_Error("nTeam out of bounds in Add_Team_Playoff_Loss()");
        return;
    }
    Increment_Record_Char(team, RECORD_CHAR_PLAYOFF_LOSSES);
}

int32_t Get_Team_Away_Wins(int32_t team) {
    return Get_Team_Record_Char(team, RECORD_CHAR_WINS) - Get_Team_Record_Char(team, RECORD_CHAR_HOME_WINS);
}

int32_t Get_Team_Away_Losses(int32_t team) {
    return Get_Team_Record_Char(team, RECORD_CHAR_LOSSES) -
           Get_Team_Record_Char(team, RECORD_CHAR_HOME_LOSSES);
}

int32_t Get_Team_Away_Ties(int32_t team) {
    return Get_Team_Record_Char(team, RECORD_CHAR_TIES) - Get_Team_Record_Char(team, RECORD_CHAR_HOME_TIES);
}

int32_t Get_Team_Winning_Percentage(int32_t team) {
    int32_t wins = Get_Team_Record_Char(team, RECORD_CHAR_WINS);
    int32_t losses = Get_Team_Record_Char(team, RECORD_CHAR_LOSSES);
    int32_t ties = Get_Team_Record_Char(team, RECORD_CHAR_TIES);
    int32_t games = wins + losses + ties;
    if (games == 0) return 0;
    return Mul_Div_Round(2 * wins + ties, 1000, 2 * games);
}

int32_t Get_Team_Games_Played(int32_t team) {
    if (Is_Used_Franchise_Slot(team)) {
        const int32_t season = Get_Team_Record_Season();
        // The three counts lie side by side in the season's row: read in
        // place. A season out of range goes through the accessor, which
        // logs it.
        if (season >= 0 && season < NUMBER_OF_HISTORY_SEASONS) {
            const int8_t* row = Universe.Teams[team].Yearly_Chars[season];
            return row[RECORD_CHAR_WINS] + row[RECORD_CHAR_LOSSES] + row[RECORD_CHAR_TIES];
        }
        return Get_Team_Yearly_Char(team, season, RECORD_CHAR_WINS) +
               Get_Team_Yearly_Char(team, season, RECORD_CHAR_LOSSES) +
               Get_Team_Yearly_Char(team, season, RECORD_CHAR_TIES);
    }
    // Any other code (255 is the league average) gets the games the season has run.
    if (Universe.Season_Length == 0) return 0;
    return Mul_Div_Round(Universe.Season_Length, Get_Season_Progress(), 1000);
}

int32_t Get_Team_Games_Played_With_Playoffs(int32_t team) {
    return Get_Team_Games_Played(team) + Get_Team_Record_Char(team, RECORD_CHAR_PLAYOFF_WINS) +
           Get_Team_Record_Char(team, RECORD_CHAR_PLAYOFF_LOSSES);
}

int32_t Format_Team_Record(char* buffer, int32_t team) {
    int32_t wins = Get_Team_Record_Char(team, RECORD_CHAR_WINS);
    int32_t losses = Get_Team_Record_Char(team, RECORD_CHAR_LOSSES);
    Write_Record_Text(buffer, wins, losses, Get_Team_Record_Char(team, RECORD_CHAR_TIES), false);
    return wins != 0 || losses != 0 ? 1 : 0;
}

int32_t Format_Team_Record_Spaced(char* buffer, int32_t team) {
    int32_t wins = Get_Team_Record_Char(team, RECORD_CHAR_WINS);
    int32_t losses = Get_Team_Record_Char(team, RECORD_CHAR_LOSSES);
    Write_Record_Text(buffer, wins, losses, Get_Team_Record_Char(team, RECORD_CHAR_TIES), true);
    return wins != 0 || losses != 0 ? 1 : 0;
}

void Format_Team_Season_Record(char* buffer, int32_t team, int32_t seasons_back) {
    int32_t season = Get_User_Preference(CURRENT_SEASON_INDEX) - seasons_back;
    Write_Record_Text(buffer, Get_Team_Yearly_Char(team, season, RECORD_CHAR_WINS),
                      Get_Team_Yearly_Char(team, season, RECORD_CHAR_LOSSES),
                      Get_Team_Yearly_Char(team, season, RECORD_CHAR_TIES), false);
}

int32_t Is_Game_Played(GAME_RECORD* game) {
    return game != nullptr && Is_Game_Over(game) ? 1 : 0;
}

int32_t Is_Game_In_Use(const GAME_RECORD* game) {
    return game != nullptr && Get_Game_Season_Year(game) > 0 ? 1 : 0;
}

int32_t Count_League_Games_Played() {
    int32_t total = 0;
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team)
        if (Is_Active_Team(team))
            total += Get_Team_Record_Char(team, RECORD_CHAR_WINS) +
                     Get_Team_Record_Char(team, RECORD_CHAR_LOSSES) +
                     Get_Team_Record_Char(team, RECORD_CHAR_TIES);
    return total;
}

int32_t Count_League_Games_Played_With_Playoffs() {
    return Count_League_Games_Played() + Sum_League_Record_Char(RECORD_CHAR_PLAYOFF_WINS) +
           Sum_League_Record_Char(RECORD_CHAR_PLAYOFF_LOSSES);
}

int32_t Sum_League_Record_Char(int32_t n) {
    int32_t total = 0;
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team)
        if (Is_Active_Team(team)) total += Get_Team_Record_Char(team, n);
    return total;
}

int32_t Get_Team_Last_Game_Index(int32_t team) {
    int32_t any = -1;
    for (int32_t n = HISTORY_RECORDS - 1; n >= 0; --n) {
        const GAME_RECORD* game = &Universe.Games[n];
        if (!Is_Game_In_Use(game)) continue;
        if (Involves(game, team)) return n;
        if (any < 0) any = n;
    }
    return any;
}

int32_t Get_Team_Last_Finished_Game_Index(int32_t team) {
    int32_t any = -1;
    for (int32_t n = HISTORY_RECORDS - 1; n >= 0; --n) {
        GAME_RECORD* game = &Universe.Games[n];
        if (!Is_Game_Over(game)) continue;
        if (Involves(game, team)) return n;
        if (any < 0) any = n;
    }
    return any;
}

int32_t Count_Team_Recent_Results(int32_t team, int32_t n, int32_t kind) {
    int32_t seen = 0;
    int32_t count = 0;
    for (int32_t index = HISTORY_RECORDS - 1; index >= 0 && seen < n; --index) {
        GAME_RECORD* game = &Universe.Games[index];
        if (!Involves(game, team) || !Is_Game_Over(game)) continue;
        ++seen;
        int32_t margin = Get_Score_Margin(game, team);
        if ((kind == RECENT_WINS && margin > 0) || (kind == RECENT_LOSSES && margin < 0) ||
            (kind == RECENT_TIES && margin == 0))
            ++count;
    }
    return count;
}

void Format_Team_Recent_Record(char* buffer, int32_t team, int32_t n) {
    Write_Record_Text(buffer, Count_Team_Recent_Results(team, n, RECENT_WINS),
                      Count_Team_Recent_Results(team, n, RECENT_LOSSES),
                      Count_Team_Recent_Results(team, n, RECENT_TIES), false);
}

int32_t Get_Team_Winning_Streak(int32_t team) {
    const int32_t streak = Get_Team_Streak(team);
    return streak > 0 ? streak : 0;
}

int32_t Get_Team_Losing_Streak(int32_t team) {
    const int32_t streak = Get_Team_Streak(team);
    return streak < 0 ? -streak : 0;
}

int32_t Get_Team_Streak(int32_t team) {
    // The newest game that counts gives the streak its sign.
    int32_t streak = 0;
    int32_t sign = 0;
    for (int32_t index = HISTORY_RECORDS - 1; index >= 0; --index) {
        const GAME_RECORD* game = &Universe.Games[index];
        if (!Is_Real_Game(game) || !Involves(game, team)) continue;
        if (Get_Game_Score(game, 0) == 0 && Get_Game_Score(game, 1) == 0) break;
        const int32_t margin = Get_Score_Margin(game, team);
        const int32_t game_sign = margin > 0 ? 1 : (margin < 0 ? -1 : 0);
        if (sign == 0) sign = game_sign;
        if (game_sign == 0 || game_sign != sign) break;
        streak += sign;
    }
    return streak;
}

int32_t Get_League_Points_Total() {
    int32_t total = 0;
    for (int32_t n = 0; n < TOTALS_RECORDS; ++n)
        total += Get_Game_Score(&Universe.Games[n], 0) + Get_Game_Score(&Universe.Games[n], 1);
    return total;
}

int32_t Get_League_Game_Stat_Total(int32_t n) {
    int32_t total = 0;
    for (int32_t index = 0; index < TOTALS_RECORDS; ++index)
        total += Get_Game_Team_Total(&Universe.Games[index], 0, n) +
                 Get_Game_Team_Total(&Universe.Games[index], 1, n);
    return total;
}

int32_t Get_Team_Game_Stat_Total(int32_t team, int32_t n) {
    int32_t total = 0;
    for (int32_t index = 0; index < TOTALS_RECORDS; ++index) {
        const GAME_RECORD* game = &Universe.Games[index];
        for (int32_t side = 0; side < 2; ++side)
            if (Get_Game_Team_Byte(game, side) == team) total += Get_Game_Team_Total(game, side, n);
    }
    return total;
}

int32_t Get_Team_Points_Total(int32_t team, int32_t scored) {
    int32_t total = 0;
    for (int32_t index = 0; index < TOTALS_RECORDS; ++index) {
        const GAME_RECORD* game = &Universe.Games[index];
        for (int32_t side = 0; side < 2; ++side)
            if (Get_Game_Team_Byte(game, side) == team)
                total += Get_Game_Score(game, scored ? side : 1 - side);
    }
    return total;
}

namespace {
// A finished game of the season as one of its teams counts it.
struct TEAM_RESULT {
    int32_t Side;
    int32_t Opponent;
    int32_t Margin;
    // The opponent's kept division and conference, for the filtered counts.
    int32_t Opponent_Division;
    int32_t Opponent_Conference;
};

// The season's finished games the results are counted over, read once while
// a TEAM_RESULTS_SCOPE lives: by team byte, in record order.
struct KEPT_RESULTS {
    int32_t Scopes = 0;
    bool Known = false;
    std::vector<TEAM_RESULT> Results;
    int32_t First[257] = {};
    // The league's structure as the scope first read it: the active team
    // count (-1 unread) and each team code's division and conference.
    int32_t Active_Teams = -1;
    bool Team_Known[256] = {};
    int32_t Division[256] = {};
    int32_t Conference[256] = {};
};
KEPT_RESULTS Kept_Results;

int32_t Kept_Team_Index(int32_t team) {
    KEPT_RESULTS& kept = Kept_Results;
    if (!kept.Team_Known[team]) {
        kept.Division[team] = Get_Team_Division(team);
        kept.Conference[team] = Get_Team_Conference(team);
        kept.Team_Known[team] = true;
    }
    return team;
}

// The records the counts look at: the season's, up to the first not over.
int32_t Counted_Records() {
    // A damaged file may hold any games-per-season value; a season has at most 17.
    int32_t games_per_season = Clamp_Int(0, 17, Get_Universe_Stat(0));
    int32_t records = Count_Active_Teams() * games_per_season / 2;
    int32_t completed = Count_Completed_Games();
    if (completed < records) records = completed;
    return records;
}

// Calls result(side, opponent, margin) for each counted game of the team.
template <typename RESULT> void For_Each_Team_Result(int32_t team, RESULT result) {
    const int32_t records = Counted_Records();
    for (int32_t index = 0; index < records; ++index) {
        GAME_RECORD* game = &Universe.Games[index];
        if (!Is_Real_Game(game) || !Involves(game, team) || !Is_Game_Over(game)) continue;
        int32_t side = Get_Game_Team_Byte(game, 0) == team ? 0 : 1;
        result(side, Get_Game_Team_Byte(game, 1 - side), Get_Score_Margin(game, team));
    }
}

void Keep_Results() {
    KEPT_RESULTS& kept = Kept_Results;
    int32_t count[256] = {};
    const int32_t records = Counted_Records();
    for (int32_t index = 0; index < records; ++index) {
        const GAME_RECORD* game = &Universe.Games[index];
        if (!Is_Real_Game(game) || !Is_Game_Over(game)) continue;
        ++count[Get_Game_Team_Byte(game, 0)];
        ++count[Get_Game_Team_Byte(game, 1)];
    }
    kept.First[0] = 0;
    for (int32_t team = 0; team < 256; ++team)
        kept.First[team + 1] = kept.First[team] + count[team];
    kept.Results.assign(static_cast<size_t>(kept.First[256]), TEAM_RESULT{});
    int32_t next[256];
    std::copy(kept.First, kept.First + 256, next);
    for (int32_t index = 0; index < records; ++index) {
        const GAME_RECORD* game = &Universe.Games[index];
        if (!Is_Real_Game(game) || !Is_Game_Over(game)) continue;
        // A real game has two different teams.
        for (int32_t side = 0; side < 2; ++side) {
            const int32_t team = Get_Game_Team_Byte(game, side);
            const int32_t opponent = Get_Game_Team_Byte(game, 1 - side);
            kept.Results[static_cast<size_t>(next[team]++)] = {side, opponent, Get_Score_Margin(game, team),
                                                               Get_Kept_Team_Division(opponent),
                                                               Get_Kept_Team_Conference(opponent)};
        }
    }
    kept.Known = true;
}
} // namespace

TEAM_RESULTS_SCOPE::TEAM_RESULTS_SCOPE() {
    ++Kept_Results.Scopes;
}

TEAM_RESULTS_SCOPE::~TEAM_RESULTS_SCOPE() {
    if (--Kept_Results.Scopes > 0) return;
    Kept_Results.Known = false;
    Kept_Results.Active_Teams = -1;
    std::fill(std::begin(Kept_Results.Team_Known), std::end(Kept_Results.Team_Known), false);
}

int32_t Get_Kept_Team_Division(int32_t team) {
    if (Kept_Results.Scopes == 0 || team < 0 || team > 255) return Get_Team_Division(team);
    return Kept_Results.Division[Kept_Team_Index(team)];
}

int32_t Get_Kept_Team_Conference(int32_t team) {
    if (Kept_Results.Scopes == 0 || team < 0 || team > 255) return Get_Team_Conference(team);
    return Kept_Results.Conference[Kept_Team_Index(team)];
}

int32_t Get_Kept_Active_Team_Count() {
    if (Kept_Results.Scopes == 0) return Count_Active_Teams();
    if (Kept_Results.Active_Teams < 0) Kept_Results.Active_Teams = Count_Active_Teams();
    return Kept_Results.Active_Teams;
}

int32_t Count_Team_Results(int32_t team, int32_t kind, int32_t filter) {
    if (kind != RESULT_KIND_WINS && kind != RESULT_KIND_LOSSES && kind != RESULT_KIND_TIES) return 0;
    const bool opponent_only = filter >= 0 && filter < MAX_FRANCHISES;
    const bool division_only = !opponent_only && (filter & RESULTS_DIVISION_ONLY) != 0;
    const bool conference_only = !opponent_only && (filter & RESULTS_CONFERENCE_ONLY) != 0;
    const bool home_only = !opponent_only && (filter & RESULTS_HOME_ONLY) != 0;
    // The team's own place, read once for all its games.
    const int32_t division = division_only ? Get_Kept_Team_Division(team) : 0;
    const int32_t conference = conference_only ? Get_Kept_Team_Conference(team) : 0;
    int32_t count = 0;
    // One result, with the opponent's division and conference where the
    // filter asks for them.
    auto count_result = [&](int32_t side, int32_t opponent, int32_t margin, int32_t opponent_division,
                            int32_t opponent_conference) {
        if (opponent_only && opponent != filter) return;
        if (division_only && opponent_division != division) return;
        if (conference_only && opponent_conference != conference) return;
        if (home_only && side == 0) return;
        if ((kind == RESULT_KIND_WINS && margin > 0) || (kind == RESULT_KIND_LOSSES && margin < 0) ||
            (kind == RESULT_KIND_TIES && margin == 0))
            ++count;
    };
    if (Kept_Results.Scopes == 0) {
        For_Each_Team_Result(team, [&](int32_t side, int32_t opponent, int32_t margin) {
            count_result(side, opponent, margin, division_only ? Get_Team_Division(opponent) : 0,
                         conference_only ? Get_Team_Conference(opponent) : 0);
        });
        return count;
    }
    if (!Kept_Results.Known) Keep_Results();
    if (team < 0 || team > 255) return 0;
    // The opponents' places were kept with the games.
    for (int32_t n = Kept_Results.First[team]; n < Kept_Results.First[team + 1]; ++n) {
        const TEAM_RESULT& result = Kept_Results.Results[static_cast<size_t>(n)];
        count_result(result.Side, result.Opponent, result.Margin, result.Opponent_Division,
                     result.Opponent_Conference);
    }
    return count;
}

void Rebuild_Team_Records_From_Games() {
    static const int32_t kinds[3] = {RESULT_KIND_WINS, RESULT_KIND_LOSSES, RESULT_KIND_TIES};
    static const int32_t home_chars[3] = {RECORD_CHAR_HOME_WINS, RECORD_CHAR_HOME_LOSSES,
                                          RECORD_CHAR_HOME_TIES};
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team) {
        if (!Is_Active_Team(team)) continue;
        for (int k = 0; k < 3; ++k) {
            Set_Team_Record_Char(team, kinds[k], Count_Team_Results(team, kinds[k], RESULTS_ANY_OPPONENT));
            Set_Team_Record_Char(
                team, home_chars[k],
                Count_Team_Results(team, kinds[k], RESULTS_ANY_OPPONENT | RESULTS_HOME_ONLY));
        }
    }
}

int32_t Get_Team_Playoff_Slot(int32_t team) {
    for (int32_t slot = PLAYOFF_BRACKET_SLOTS - 1; slot >= 0; --slot)
        if (Get_Playoff_Team(slot) == team) return slot;
    return -1;
}

int32_t Get_Team_Playoff_Round_Code(int32_t team) {
    int32_t slot = Get_Team_Playoff_Slot(team);
    if (slot >= 28) return 4;
    if (slot >= 24) return 3;
    if (slot >= 16) return 2;
    if (slot >= 0) return 1;
    return 0;
}
