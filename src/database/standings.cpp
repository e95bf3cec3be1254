#include "database/standings.h"

#include <algorithm>
#include <iterator>

#include "app/diagnostics.h"
#include "database/league_structure.h"
#include "database/playoff_bracket.h"
#include "database/settings.h"
#include "database/team_history.h"
#include "database/team_record.h"
#include "database/team_results.h"
#include "database/universe.h"
#include "season/playoff_seeding.h"

namespace {
bool Is_Standings_Cell(int32_t division, int32_t place) {
    return division >= 0 && division < NUMBER_OF_DIVISIONS && place >= 0 && place < DIVISION_STANDING_PLACES;
}

int32_t Get_Wins(int32_t team) {
    return Get_Team_Record_Char(team, RECORD_CHAR_WINS);
}
int32_t Get_Losses(int32_t team) {
    return Get_Team_Record_Char(team, RECORD_CHAR_LOSSES);
}

// What a STANDINGS_SCOPE remembers of each franchise.
struct STANDINGS_MEMO {
    int32_t Scopes = 0;
    bool Margin_Known[MAX_FRANCHISES] = {};
    int32_t Margin[MAX_FRANCHISES] = {};
    bool Standings_Known[MAX_FRANCHISES] = {};
    int32_t Standings[MAX_FRANCHISES] = {};
    bool Division_Known[MAX_FRANCHISES] = {};
    int32_t Division[MAX_FRANCHISES] = {};
    // The kept division and conference of each franchise.
    bool Place_Known[MAX_FRANCHISES] = {};
    int32_t Kept_Division[MAX_FRANCHISES] = {};
    int32_t Kept_Conference[MAX_FRANCHISES] = {};
    // Each pair's games against each other, asked for by both scores.
    bool Pair_Known[MAX_FRANCHISES][MAX_FRANCHISES] = {};
    int32_t Pair_Wins[MAX_FRANCHISES][MAX_FRANCHISES] = {};
    int32_t Pair_Losses[MAX_FRANCHISES][MAX_FRANCHISES] = {};
    // Wins less losses within the conference.
    bool Conference_Margin_Known[MAX_FRANCHISES] = {};
    int32_t Conference_Margin[MAX_FRANCHISES] = {};
    // Each franchise below the active count, read at once for the scores'
    // walks: whether it is in use and, if so, its division, conference and
    // margin.
    bool Teams_Known = false;
    int32_t Teams = 0;
    bool Valid[MAX_FRANCHISES] = {};
    int32_t Team_Division[MAX_FRANCHISES] = {};
    int32_t Team_Conference[MAX_FRANCHISES] = {};
    int32_t Team_Margin[MAX_FRANCHISES] = {};
};
STANDINGS_MEMO Standings_Memo;
// Open SETTLED_SEASON_SCOPEs.
int32_t Settled_Season_Scopes = 0;

void Forget_Standings_Memo() {
    std::fill(std::begin(Standings_Memo.Margin_Known), std::end(Standings_Memo.Margin_Known), false);
    std::fill(std::begin(Standings_Memo.Standings_Known), std::end(Standings_Memo.Standings_Known), false);
    std::fill(std::begin(Standings_Memo.Division_Known), std::end(Standings_Memo.Division_Known), false);
    std::fill(std::begin(Standings_Memo.Place_Known), std::end(Standings_Memo.Place_Known), false);
    std::fill(&Standings_Memo.Pair_Known[0][0],
              &Standings_Memo.Pair_Known[0][0] + MAX_FRANCHISES * MAX_FRANCHISES, false);
    std::fill(std::begin(Standings_Memo.Conference_Margin_Known),
              std::end(Standings_Memo.Conference_Margin_Known), false);
    Standings_Memo.Teams_Known = false;
}

// The value compute(team) gives, remembered in known/values while a scope
// lives (franchises only).
template <typename COMPUTE> int32_t Remembered(int32_t team, bool* known, int32_t* values, COMPUTE compute) {
    if (Standings_Memo.Scopes == 0 || team < 0 || team >= MAX_FRANCHISES) return compute(team);
    if (!known[team]) {
        values[team] = compute(team);
        known[team] = true;
    }
    return values[team];
}

// The kept division and conference of a franchise, read together and
// remembered while a scope lives.
void Read_Place(int32_t team) {
    if (Standings_Memo.Place_Known[team]) return;
    Standings_Memo.Kept_Division[team] = Get_Kept_Team_Division(team);
    Standings_Memo.Kept_Conference[team] = Get_Kept_Team_Conference(team);
    Standings_Memo.Place_Known[team] = true;
}

int32_t Division_Of(int32_t team) {
    if (Standings_Memo.Scopes == 0 || team < 0 || team >= MAX_FRANCHISES) return Get_Kept_Team_Division(team);
    Read_Place(team);
    return Standings_Memo.Kept_Division[team];
}

int32_t Conference_Of(int32_t team) {
    if (Standings_Memo.Scopes == 0 || team < 0 || team >= MAX_FRANCHISES)
        return Get_Kept_Team_Conference(team);
    Read_Place(team);
    return Standings_Memo.Kept_Conference[team];
}

int32_t Get_Margin(int32_t team) {
    return Remembered(team, Standings_Memo.Margin_Known, Standings_Memo.Margin,
                      [](int32_t t) { return Get_Wins(t) - Get_Losses(t); });
}

// Wins less losses of the team over the games a filter keeps.
int32_t Get_Filtered_Margin(int32_t team, int32_t filter) {
    return Count_Team_Results(team, RESULT_KIND_WINS, filter) -
           Count_Team_Results(team, RESULT_KIND_LOSSES, filter);
}

int32_t Get_Conference_Margin(int32_t team) {
    return Remembered(team, Standings_Memo.Conference_Margin_Known, Standings_Memo.Conference_Margin,
                      [](int32_t t) { return Get_Filtered_Margin(t, RESULTS_CONFERENCE_ONLY); });
}

// The team's wins and losses in its games against `other`.
void Get_Head_To_Head(int32_t team, int32_t other, int32_t* wins, int32_t* losses) {
    const bool kept = Standings_Memo.Scopes > 0 && team >= 0 && team < MAX_FRANCHISES && other >= 0 &&
                      other < MAX_FRANCHISES;
    if (kept && Standings_Memo.Pair_Known[team][other]) {
        *wins = Standings_Memo.Pair_Wins[team][other];
        *losses = Standings_Memo.Pair_Losses[team][other];
        return;
    }
    *wins = Count_Team_Results(team, RESULT_KIND_WINS, other);
    *losses = Count_Team_Results(team, RESULT_KIND_LOSSES, other);
    if (!kept) return;
    Standings_Memo.Pair_Wins[team][other] = *wins;
    Standings_Memo.Pair_Losses[team][other] = *losses;
    Standings_Memo.Pair_Known[team][other] = true;
    // Every game one of them won the other lost: the other's side is known too.
    Standings_Memo.Pair_Wins[other][team] = *losses;
    Standings_Memo.Pair_Losses[other][team] = *wins;
    Standings_Memo.Pair_Known[other][team] = true;
}

// Reads the franchises for the walks, once a scope.
void Read_Scope_Teams() {
    STANDINGS_MEMO& memo = Standings_Memo;
    if (memo.Scopes == 0 || memo.Teams_Known) return;
    const int32_t teams = Get_Kept_Active_Team_Count();
    // The bound is kept in a local: the calls below could change the memo as
    // far as the compiler can tell, and the loop must never pass the arrays.
    const int32_t known = teams < MAX_FRANCHISES ? teams : MAX_FRANCHISES;
    memo.Teams = known;
    for (int32_t team = 0; team < known; ++team) {
        memo.Valid[team] = Is_Valid_Team_Code(team) != 0;
        if (!memo.Valid[team]) continue;
        memo.Team_Division[team] = Division_Of(team);
        memo.Team_Conference[team] = Conference_Of(team);
        memo.Team_Margin[team] = Get_Margin(team);
    }
    memo.Teams_Known = true;
}

bool Is_Read_Team(int32_t team) {
    return Standings_Memo.Scopes > 0 && Standings_Memo.Teams_Known && team >= 0 &&
           team < Standings_Memo.Teams;
}

// Whether `other` is a team in use of the conference with the margin.
bool Is_Conference_Tie(int32_t other, int32_t conference, int32_t margin) {
    if (Is_Read_Team(other))
        return Standings_Memo.Valid[other] && Standings_Memo.Team_Conference[other] == conference &&
               Standings_Memo.Team_Margin[other] == margin;
    return Is_Valid_Team_Code(other) && Conference_Of(other) == conference && Get_Margin(other) == margin;
}

// Whether `other` is a team in use of the division with the margin.
bool Is_Division_Tie(int32_t other, int32_t division, int32_t margin) {
    if (Is_Read_Team(other))
        return Standings_Memo.Valid[other] && Standings_Memo.Team_Division[other] == division &&
               Standings_Memo.Team_Margin[other] == margin;
    return Is_Valid_Team_Code(other) && Division_Of(other) == division && Get_Margin(other) == margin;
}

bool Is_Placed_Before(int32_t division, int32_t place, int32_t team) {
    for (int32_t p = 0; p < place; ++p)
        if (Get_Division_Standing_Team(division, p) == team) return true;
    return false;
}

int32_t Compute_Standings_Score(int32_t team) {
    if (Get_Team_Games_Played(team) == 0) return 0;
    int32_t conference = Conference_Of(team);
    int32_t margin = Get_Margin(team);
    int32_t teams = Get_Kept_Active_Team_Count();
    Read_Scope_Teams();
    // Head to head against every conference team with the same record.
    int32_t wins = 0;
    int32_t losses = 0;
    for (int32_t other = 0; other < teams; ++other) {
        if (!Is_Conference_Tie(other, conference, margin)) continue;
        int32_t pair_wins = 0;
        int32_t pair_losses = 0;
        Get_Head_To_Head(team, other, &pair_wins, &pair_losses);
        wins += pair_wins;
        losses += pair_losses;
    }
    int32_t bonus = wins > 0 && losses == 0 ? 4000 : 0;
    return margin * 10000 + bonus + Get_Conference_Margin(team) * 100;
}

int32_t Compute_Division_Score(int32_t team) {
    int32_t margin = Get_Margin(team);
    int32_t division = Division_Of(team);
    int32_t teams = Get_Kept_Active_Team_Count();
    int32_t score = margin * 10000;
    Read_Scope_Teams();
    for (int32_t other = 0; other < teams; ++other) {
        if (other == team || !Is_Division_Tie(other, division, margin)) continue;
        int32_t pair_wins = 0;
        int32_t pair_losses = 0;
        Get_Head_To_Head(team, other, &pair_wins, &pair_losses);
        score += (pair_wins - pair_losses) * 1000;
    }
    score += Get_Filtered_Margin(team, RESULTS_DIVISION_ONLY) * 100;
    score += Get_Conference_Margin(team);
    return score;
}

} // namespace

STANDINGS_SCOPE::STANDINGS_SCOPE() {
    if (Standings_Memo.Scopes++ == 0) Forget_Standings_Memo();
}

STANDINGS_SCOPE::~STANDINGS_SCOPE() {
    if (--Standings_Memo.Scopes == 0) Forget_Standings_Memo();
}

int32_t Get_Team_Standings_Score(int32_t team) {
    if (!Is_Valid_Team_Code(team)) return INVALID_STANDINGS_SCORE;
    return Remembered(team, Standings_Memo.Standings_Known, Standings_Memo.Standings,
                      Compute_Standings_Score);
}

int32_t Get_Team_Division_Score(int32_t team) {
    return Remembered(team, Standings_Memo.Division_Known, Standings_Memo.Division, Compute_Division_Score);
}

SETTLED_SEASON_SCOPE::SETTLED_SEASON_SCOPE() {
    ++Settled_Season_Scopes;
}

SETTLED_SEASON_SCOPE::~SETTLED_SEASON_SCOPE() {
    --Settled_Season_Scopes;
}

bool Is_Current_Season_Settled() {
    return Settled_Season_Scopes > 0;
}

void Rank_League_Teams() {
    STANDINGS_SCOPE standings;
    const bool settled = Is_Current_Season_Settled();
    const int32_t season = Get_User_Preference(CURRENT_SEASON_INDEX);
    int32_t teams = Get_Kept_Active_Team_Count();
    int32_t keys[MAX_FRANCHISES];
    bool ranked[MAX_FRANCHISES] = {};
    for (int32_t team = 0; team < teams; ++team)
        keys[team] = Get_Team_Standings_Score(team);
    for (int32_t rank = 0; rank < teams; ++rank) {
        int32_t chosen = -1;
        for (int32_t team = 0; team < teams; ++team) {
            // On equal keys the later slot is kept.
            if (!ranked[team] && (chosen < 0 || keys[team] >= keys[chosen])) chosen = team;
        }
        ranked[chosen] = true;
        if (!settled || !Has_Team_Played_Season(chosen, season)) Set_Team_Record_Int(chosen, 2, rank);
    }
}

namespace {
// Fills a place of a division that has `division_teams` teams.
void Fill_Place(int32_t division, int32_t place, int32_t division_teams) {
    if (place >= division_teams) {
        Set_Division_Standing(division, place, NO_TEAM);
        return;
    }
    int32_t teams = Get_Kept_Active_Team_Count();
    if (teams == 0) {
        Set_Division_Standing(division, place, 0);
        return;
    }
    int32_t season = Get_User_Preference(CURRENT_SEASON_INDEX);
    int32_t best = INVALID_STANDINGS_SCORE;
    int32_t chosen = 0;
    for (int32_t team = 0; team < teams; ++team) {
        if (Division_Of(team) != division) continue;
        int32_t key =
            Is_Placed_Before(division, place, team) ? INVALID_STANDINGS_SCORE : Get_Team_Division_Score(team);
        // Ties alternate between the earlier and the later slot from season to season.
        if (key > best || (key == best && (season + team) % 2 == 0)) {
            best = key;
            chosen = team;
        }
    }
    Set_Division_Standing(division, place, chosen);
}
} // namespace

void Fill_Division_Standing_Place(int32_t division, int32_t place) {
    if (!Is_Standings_Cell(division, place)) {
        Report_System_Error("Invalid place in Fill_Division_Standing_Place(%d,%d)", division, place);
        return;
    }
    Fill_Place(division, place, Count_Division_Teams(division));
}

void Update_Standings() {
    STANDINGS_SCOPE standings;
    Rank_League_Teams();
    for (int32_t division = 0; division < NUMBER_OF_DIVISIONS; ++division)
        for (int32_t place = 0; place < DIVISION_STANDING_PLACES; ++place)
            Set_Division_Standing(division, place, NO_TEAM);
    // Filling a place moves no team between divisions: each is counted once.
    for (int32_t division = 0; division < NUMBER_OF_DIVISIONS; ++division) {
        const int32_t division_teams = Count_Division_Teams(division);
        for (int32_t place = 0; place < DIVISION_STANDING_PLACES; ++place)
            Fill_Place(division, place, division_teams);
    }
}

void Update_Standings_And_Seeding() {
    Update_Standings();
    if (Get_User_Preference(CURRENT_WEEK) < Get_Playoff_Start_Week()) Seed_Playoffs();
}

int32_t Get_Team_Division_Standing(int32_t team) {
    for (int32_t division = 0; division < NUMBER_OF_DIVISIONS; ++division)
        for (int32_t place = 0; place < DIVISION_STANDING_PLACES; ++place)
            if (Get_Division_Standing_Team(division, place) == team) return place;
    Report_System_Error("Team not found in Get_Team_Division_Standing()");
    return -128;
}

int32_t Get_Division_Standing_Team(int32_t division, int32_t place) {
    if (!Is_Standings_Cell(division, place)) return NO_TEAM;
    int32_t team = Universe.Division_Standings[division][place];
    return team == -NO_TEAM ? NO_TEAM : team;
}

void Set_Division_Standing(int32_t division, int32_t place, int32_t team) {
    if (!Is_Standings_Cell(division, place)) {
        Report_System_Error("Invalid place in Set_Division_Standing(%d,%d,%d)", division, place, team);
        return;
    }
    Universe.Division_Standings[division][place] = static_cast<int8_t>(team);
}

int32_t Get_Wild_Card_Runner_Up(int32_t league, int32_t which) {
    if (league < 0 || league >= NUMBER_OF_LEAGUES || Count_League_Divisions(league) < 3) return NO_TEAM;
    int32_t best = NO_TEAM;
    int32_t second = NO_TEAM;
    int32_t best_key = 0;
    int32_t second_key = 0;
    for (int32_t k = 0; k < 3; ++k) {
        int32_t team = Get_Division_Standing_Team(4 * league + k, 1);
        int32_t key = Get_Team_Standings_Score(team);
        if (k == 0 || key > best_key) {
            second = best;
            second_key = best_key;
            best = team;
            best_key = key;
        } else if (k == 1 || key > second_key) {
            second = team;
            second_key = key;
        }
    }
    return which == 0 ? best : second;
}

int32_t Get_Team_Magic_Number(int32_t team) {
    // The wild-card race reads several scores of a league that stands still.
    STANDINGS_SCOPE standings;
    int32_t games = Get_Universe_Stat(0);
    int32_t place = Get_Team_Division_Standing(team);
    int32_t division = Get_Team_Division(team);
    int32_t league = Get_Team_Conference(team);
    int32_t runner_up = Get_Wild_Card_Runner_Up(league, 0);
    if (place != 0 && team != runner_up) {
        int32_t leader = Get_Division_Standing_Team(division, 0);
        int32_t by_division = games - Get_Losses(team) - Get_Wins(leader) + 1;
        int32_t by_wild_card =
            Count_League_Divisions(league) >= 3 ? games - Get_Losses(team) - Get_Wins(runner_up) + 1 : 0;
        int32_t needed = by_division > by_wild_card ? by_division : by_wild_card;
        return needed > 0 ? -needed : MAGIC_NUMBER_ELIMINATED;
    }
    int32_t rival = place == 0 ? Get_Division_Standing_Team(division, 1) : Get_Wild_Card_Runner_Up(league, 1);
    int32_t magic = games - Get_Wins(team) - Get_Losses(rival) + 1;
    return magic > 0 ? magic : 0;
}

int32_t Has_Clinched_Playoff_Spot(int32_t team) {
    int32_t place = Get_Team_Division_Standing(team);
    if (place != 0 && team != Get_Wild_Card_Runner_Up(Get_Team_Conference(team), 0)) return 0;
    return Get_Team_Magic_Number(team) <= 0 ? 1 : 0;
}

int32_t Is_In_Playoff_Race(int32_t team) {
    if (Get_User_Preference(CURRENT_WEEK) >= Universe.Season_Length) return 1;
    if (Get_Team_Winning_Percentage(team) < 450) return 0;
    if (Has_Clinched_Playoff_Spot(team)) return 0;
    return Get_Team_Magic_Number(team) != MAGIC_NUMBER_ELIMINATED ? 1 : 0;
}

int32_t Is_Team_Eliminated(int32_t team) {
    return Get_Team_Magic_Number(team) == MAGIC_NUMBER_ELIMINATED ? 1 : 0;
}
