#include "database/loaded_league_bounds.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <iterator>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/rating_normalisation.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "engine/offensive_systems.h"
#include "engine/playbook_records.h"
#include "personnel/fantasy_draft.h"

namespace {
// The ratings the game writes: the ratings editor stores any value from
// -1000 to 1000 into every rating but Health; Health and Durability are
// re-derived from statistics (any figure, up to what a season holds) and cut
// by injuries below 0 (a long injury's lasting damage scales them by 1 - 2d
// after 1 - d, so as low as an eighth of their value below 0); development
// and the editor's overall steps move them toward 99 from there. Beyond 1000
// either way Set_Player_Rating reports the value as out of bounds: that is
// the range, and every value inside it loads as it was saved.
constexpr float LOWEST_RATING = -LARGEST_STORED_RATING;
constexpr float HIGHEST_RATING = LARGEST_STORED_RATING;
constexpr int32_t MOST_YEAR = MAX_CALENDAR_YEAR;
constexpr int32_t MOST_PLAYER_MONEY = 2000000; // thousands of dollars a year
constexpr int32_t MOST_LEAGUE_MONEY = 2000000000;
constexpr int32_t LAST_TEAM = TOTAL_NUMBER_OF_TEAMS - 1;
constexpr int32_t LAST_GAME = MAX_GAME_RECORDS - 1;
constexpr int32_t OFF_SEASON_WEEK = 100;
constexpr int32_t MOST_GAME_POINTS = 9999;
constexpr int32_t VITAL_FANTASY_TEAM = 26;
// The fantasy-draft mark of a player nobody has drafted yet.
constexpr int32_t NOT_FANTASY_DRAFTED = -128;
// The trade partner setting while the trade screens hold an offer in hand.
constexpr int32_t NO_TRADE_PARTNER = -128;
// A prospect of the youngest class the Edit Player dialog gives: a freshman.
constexpr int32_t FRESHMAN_SEASONS = -4;

// League settings of the header (universe stats); the others hold any value.
const FIELD_RANGE UNIVERSE_STAT_RANGES[] = {
    {GAMES_PER_SEASON, 0, 17},
    // Conferences of three divisions take up to five wild cards; the load
    // then holds the count to what the league's conferences allow.
    {WILD_CARD_TEAMS, 0, 5},
    // No cap, or one a roster's salaries can be measured against; the League
    // Editor takes no other.
    {SALARY_CAP, LEAST_SALARY_CAP, MOST_LEAGUE_MONEY, true},
    {BASE_YEAR, 0, MOST_YEAR},
    // None, running, or the computer making the remaining picks.
    {FANTASY_DRAFT_FLAG, FANTASY_DRAFT_NONE, FANTASY_DRAFT_COMPUTER_FINISHES},
    {TRADE_REPUTATION, -2000, 2000},
    {INFLATION_FACTOR, 0, 100000},
    {SHARED_REVENUE_PER_GAME, 0, MOST_LEAGUE_MONEY},
    {LEAGUE_WEALTH_FACTOR, 0, 1000000},
    // The league editor's percentages: -100 to +100 in steps of 10.
    {14, -100, 100},
    {SALARY_DEMANDS_PERCENT, -100, 100},
    {LEAGUE_REVENUE_PERCENT, -100, 100},
    {17, -100, 100},
    {18, -100, 100},
    {19, -100, 100},
    // Counters the game engine only adds to, from 0; the addition saturates.
    {INTERCEPTION_RETURN_TOUCHDOWNS, 0, INT32_MAX},
    {FUMBLE_RETURN_TOUCHDOWNS, 0, INT32_MAX},
};

// Named settings that count or index a table. Rule codes and flags, which the
// game only compares, hold any value.
const FIELD_RANGE SETTING_RANGES[] = {
    // A week whose games fill every record plays the rest in none: the
    // number past the last record.
    {CURRENT_GAME_NUMBER, -1, MAX_GAME_RECORDS},
    // A season index of 100 or more is a year, which the load turns back
    // into an index.
    {CURRENT_SEASON_INDEX, 0, MOST_YEAR},
    {CURRENT_WEEK, 0, OFF_SEASON_WEEK},
    {DIFFICULTY_LEVEL, 0, 3},
    {VIEWED_TEAM, -1, LAST_TEAM},
    {SELECTED_PLAYER_TEAM, -1, LAST_TEAM},
    {SELECTED_PLAYER_SLOT, -1, PLAYERS_PER_TEAM - 1},
    // -128 while the trade screens hold an offer in hand (read below as no partner).
    {TRADE_PARTNER_TEAM, NO_TRADE_PARTNER, LAST_TEAM},
    {USER_TEAM, -1, LAST_TEAM},
    {SHOWN_GAME_INDEX, -1, LAST_GAME},
    {DRAFT_ROUND, 0, 7},
    {DRAFT_PICK, 0, MAX_FRANCHISES - 1},
    {DRAFT_BOARD_ROUND, 0, 7},
    // The draft after the season: a year past the current one.
    {DRAFT_BOARD_YEAR, 0, MOST_YEAR + 1},
    {SHOWN_LEAGUE, 0, NUMBER_OF_LEAGUES - 1},
    {SELECTED_CITY, 0, MAX_CITIES - 1},
    {OVERTIME_MINUTES, 0, 15},
    {PLAY_ANIMATION_DELAY, 0, 10000},
    {STATISTICS_YEAR, 0, MOST_YEAR},
};

// The trade partner setting of a game that has chosen none: the Trades
// dialog then offers the first team that is not the user's.
constexpr int32_t NO_PARTNER_CHOSEN = -1;

// The calendar: regular-season weeks, and the weeks that mark the rounds of
// the post-season.
const FIELD_RANGE SEASON_LENGTH_RANGE = {0, 0, NUMBER_OF_SCHEDULE_WEEKS};
const FIELD_RANGE POST_SEASON_MARK_RANGE = {0, 0, OFF_SEASON_WEEK - 1};

// Vital statistics by index. Ids, dates of record, codes and marks the game
// only compares are left as they are. The Edit Player dialog takes what these
// ranges hold and no more, so every value it stores loads as it was saved.
const FIELD_RANGE VITAL_STAT_RANGES[] = {
    {VITAL_HEIGHT, 0, 120},
    {VITAL_WEIGHT, 0, 1000},
    {VITAL_FORTY_TIME, 0, 10000},
    {VITAL_BIRTH_DATE, 0, MOST_YEAR * 10000 + 1231},
    {VITAL_LOADED_MARKER, 0, 100000},
    {7, -MOST_LEAGUE_MONEY / 2, MOST_LEAGUE_MONEY / 2}, // cap figure in dollars
    // A prospect counts his college years below 0: -1 a senior down to -4 a
    // freshman (the draft pool's younger classes are juniors and sophomores).
    {VITAL_CREDITED_SEASONS, FRESHMAN_SEASONS, 50},
    {9, -10000, 10000}, // games of his career
    {VITAL_SIGNING_BONUS, 0, MOST_PLAYER_MONEY},
    {VITAL_SALARY, 0, MOST_PLAYER_MONEY},
    {VITAL_CONTRACT_YEARS, 0, MOST_CONTRACT_YEARS},
    {VITAL_INJURY_TYPE, -1, 199},
    {VITAL_WEEKS_OUT, -1, 200},
    {17, -100000000, 100000000},
    {19, -10000, MOST_YEAR},
    // The growth rate: a prospect's 1000 / 4 at most, raised by the draft
    // talent file's potential bonus (a 16-bit figure); above 250 it is drawn
    // again when it is read.
    {VITAL_DEVELOPMENT, -1000, 1000 / 4 + INT16_MAX},
    {VITAL_PEAK_AGE, 0, 100},
    {VITAL_PEAK_AGE_LIMIT, 0, 100},
    {23, -10000, 10000}, // games of the valued year
    {24, -1000, 1000},
    {VITAL_BONUS_YEARS, 0, MOST_CONTRACT_YEARS},
    // 26, the team that drafted him in a fantasy draft, is bounded apart
    // (Bound_Fantasy_Draft_Marks).
    {27, -1, 1},
    {VITAL_DRAFT_POOL_VALUE, 0, 100000},
    {29, -1, 1},
};

// A franchise's division: league = division / 4. An empty slot may keep the
// -1 a cleared league gives it, or the division of the team it held.
const FIELD_RANGE DIVISION_RANGE = {TEAM_STAT_DIVISION, 0, NUMBER_OF_DIVISIONS - 1};
static_assert(sizeof UNIVERSE_STATE::Division_Standings[0] == MOST_DIVISION_TEAMS);
constexpr int32_t DIVISIONS_PER_LEAGUE = NUMBER_OF_DIVISIONS / NUMBER_OF_LEAGUES;
const FIELD_RANGE EMPTY_SLOT_DIVISION_RANGE = {TEAM_STAT_DIVISION, -1, NUMBER_OF_DIVISIONS - 1};

// Team statistics: the defensive system (4-3, 3-4) and the offensive system,
// which index the engine's tables.
const FIELD_RANGE TEAM_STAT_RANGES[] = {
    {TEAM_STAT_DEFENSIVE_SYSTEM, 0, 1},
    {TEAM_STAT_OFFENSIVE_SYSTEM, 0, NUMBER_OF_OFFENSIVE_SYSTEMS - 1},
};

// Stadium statistics: the seat grades (convenience, comfort, sight lines),
// which the stadium editor sets from 800 (poor) to 1,200 (excellent) and a
// built league from its teams file; the seating rating weighs them together.
const FIELD_RANGE STADIUM_STAT_RANGES[] = {
    {5, 0, MOST_SEAT_GRADE},
    {6, 0, MOST_SEAT_GRADE},
    {7, 0, MOST_SEAT_GRADE},
};

// Financial statistics: the fans' loyalty, kept near 700-1,300 by the
// season's fan support and moved a step a home game by the ticket price; the
// ticket price (in cents) and the scouts' quality (per mille), which neither
// the budgets nor the user take below 0.
const FIELD_RANGE FINANCIAL_STAT_RANGES[] = {
    {0, 0, MOST_FAN_LOYALTY},
    {1, 0, INT32_MAX},
    {2, 0, INT32_MAX},
};

// A team's totals: a season's as a season of games adds up to, the career's
// as a team's history of seasons does; the league's sums of them over every
// franchise stay within 32 bits.
const FIELD_RANGE TEAM_SEASON_TOTAL_RANGE = {0, -LARGEST_SEASON_FIGURE, LARGEST_SEASON_FIGURE};
const FIELD_RANGE TEAM_CAREER_TOTAL_RANGE = {0, -LARGEST_SEASON_FIGURE* NUMBER_OF_HISTORY_SEASONS,
                                             LARGEST_SEASON_FIGURE* NUMBER_OF_HISTORY_SEASONS};
constexpr int32_t CAREER_TOTALS = 2;

// A schedule entry's opponent: the slot + 1 of a franchise, negative for the
// second team given to the scheduler, 0 for no game.
const FIELD_RANGE SCHEDULE_OPPONENT_RANGE = {0, -MAX_FRANCHISES, MAX_FRANCHISES};

// A game's score: what a game's points add up to, with room to spare; the
// season's points of a team and their margins stay within 32 bits.
const FIELD_RANGE GAME_SCORE_RANGE = {0, 0, MOST_GAME_POINTS};

int32_t Clamp(int32_t value, const FIELD_RANGE& range) {
    if (value == 0 && range.Zero_Kept) return 0;
    if (value < 0 && range.Zero_Kept) return 0;
    if (value < range.Lowest) return range.Lowest;
    if (value > range.Highest) return range.Highest;
    return value;
}

template <size_t N> void Bound_Table(int32_t* values, const FIELD_RANGE (&ranges)[N]) {
    for (const FIELD_RANGE& range : ranges)
        values[range.Index] = Clamp(values[range.Index], range);
}

// A text field ends within its bytes.
template <size_t N> void Terminate(char (&text)[N]) {
    text[N - 1] = '\0';
}

// Season figures: a season's as the season files hold them, a career's
// as a whole career of such seasons adds up to.
const FIELD_RANGE SEASON_FIGURE_RANGE = {0, -LARGEST_SEASON_FIGURE, LARGEST_SEASON_FIGURE};
const FIELD_RANGE CAREER_FIGURE_RANGE = {0, -LARGEST_SEASON_FIGURE* NUMBER_OF_SEASON_LINE_LINKS,
                                         LARGEST_SEASON_FIGURE* NUMBER_OF_SEASON_LINE_LINKS};

void Bound_Player(PLAYER_RECORD& player) {
    Bound_Table(player.Vital_Stats, VITAL_STAT_RANGES);
    for (int32_t season = 0; season < NUMBER_OF_STORED_SEASONS; ++season)
        for (int32_t& figure : player.Season_Stats[season])
            figure = Clamp(figure, Get_Player_Figure_Range(season));
    for (int32_t rating = 0; rating < NUMBER_OF_PLAYER_RATINGS; ++rating) {
        float value;
        memcpy(&value, &player.Ratings[rating], sizeof value);
        const float bounded = Bound_Loaded_Rating(value, rating);
        // Compared by bits, so a rating in range is never rewritten.
        if (memcmp(&bounded, &value, sizeof value) != 0)
            memcpy(&player.Ratings[rating], &bounded, sizeof bounded);
    }
    Terminate(player.Last_Name);
    Terminate(player.First_Name);
    Terminate(player.External_ID);
    Terminate(player.College);
}

// The season's year, Base_Year plus the season index, is at most the largest
// year: the season roll-over holds a league there. A season index of 100 or
// more is a year that the load turns into an index later (it keeps its own
// Base_Year then).
void Bound_Calendar_Year() {
    int32_t& base_year = Universe.Header.Universe_Stats[BASE_YEAR];
    const int32_t season = Universe.User_Preferences.Ints[CURRENT_SEASON_INDEX];
    if (season < NUMBER_OF_HISTORY_SEASONS && base_year > MOST_YEAR - season) base_year = MOST_YEAR - season;
}

void Bound_Team(TEAM_RECORD& team, bool franchise) {
    for (auto& text : team.Strings)
        Terminate(text);
    for (PLAYER_RECORD& player : team.Players)
        Bound_Player(player);
    if (franchise) {
        const bool empty = team.Team_Stats[TEAM_STAT_CONTROL] == TEAM_CONTROL_EMPTY;
        int32_t& division = team.Team_Stats[TEAM_STAT_DIVISION];
        division = Clamp(division, empty ? EMPTY_SLOT_DIVISION_RANGE : DIVISION_RANGE);
    }
    Bound_Table(team.Team_Stats, TEAM_STAT_RANGES);
    Bound_Table(team.Stadium_Stats, STADIUM_STAT_RANGES);
    Bound_Table(team.Financial_Stats, FINANCIAL_STAT_RANGES);
    for (auto& category : team.Totals)
        for (int32_t season = 0; season < NUMBER_OF_TOTALS_SEASONS; ++season)
            for (int32_t& total : category[season])
                total =
                    Clamp(total, season == CAREER_TOTALS ? TEAM_CAREER_TOTAL_RANGE : TEAM_SEASON_TOTAL_RANGE);
    for (SCHEDULE_ENTRY& entry : team.Schedule)
        entry.Values[SCHEDULE_OPPONENT_RANGE.Index] =
            Clamp(entry.Values[SCHEDULE_OPPONENT_RANGE.Index], SCHEDULE_OPPONENT_RANGE);
    Repair_Offensive_Playbook(team.Playbooks.Offense);
    Repair_Defensive_Playbook(team.Playbooks.Defense);
}

// A division has its places in the standings: a team past them joins the
// first division of its conference with room, else of the other conference
// (the 36 franchises fit in either).
void Bound_Division_Places() {
    int32_t teams[NUMBER_OF_DIVISIONS] = {};
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team) {
        int32_t* stats = Universe.Teams[team].Team_Stats;
        if (stats[TEAM_STAT_CONTROL] == TEAM_CONTROL_EMPTY) continue;
        int32_t& division = stats[TEAM_STAT_DIVISION];
        const int32_t first = division - division % DIVISIONS_PER_LEAGUE;
        for (int32_t k = 0; teams[division] == MOST_DIVISION_TEAMS && k < NUMBER_OF_DIVISIONS; ++k)
            division = (first + k) % NUMBER_OF_DIVISIONS;
        ++teams[division];
    }
}

// A fantasy-draft mark the game writes is -128 (undrafted) or a franchise
// in use that a draft serves. Any other mark is read as undrafted: kept, a
// retired or college-pool destination would carry the player off at the end
// of the draft.
void Bound_Fantasy_Draft_Marks() {
    for (TEAM_RECORD& team : Universe.Teams)
        for (PLAYER_RECORD& player : team.Players) {
            if (player.Vital_Stats[VITAL_PLAYER_ID] == 0) continue;
            int32_t& mark = player.Vital_Stats[VITAL_FANTASY_TEAM];
            const bool franchise = mark >= 0 && mark < MAX_FRANCHISES && mark < FANTASY_DRAFT_TEAMS &&
                                   Universe.Teams[mark].Team_Stats[TEAM_STAT_CONTROL] != TEAM_CONTROL_EMPTY;
            if (!franchise) mark = NOT_FANTASY_DRAFTED;
        }
}

void Bound_Game(GAME_RECORD& game) {
    for (int32_t& score : game.Score)
        score = Clamp(score, GAME_SCORE_RANGE);
}

void Bound_Header() {
    UNIVERSE_HEADER& header = Universe.Header;
    // A league just loaded is not in the middle of an advance, whatever the
    // flag said when it was saved (the auto-save is written during one).
    header.Advance_In_Progress = 0;
    Bound_Table(header.Universe_Stats, UNIVERSE_STAT_RANGES);
    Terminate(header.Saved_Game_Name);
    Terminate(header.Second_Name);
    Terminate(header.Database_Notes);
    Terminate(header.Skin_Name);
    for (auto& name : header.League_Names)
        Terminate(name);
    for (auto& name : header.Division_Names)
        Terminate(name);
}
} // namespace

namespace {
template <size_t N> bool Find_Range(const FIELD_RANGE (&ranges)[N], int32_t index, FIELD_RANGE* range) {
    for (const FIELD_RANGE& entry : ranges) {
        if (entry.Index != index) continue;
        if (range != nullptr) *range = entry;
        return true;
    }
    return false;
}
} // namespace

bool Get_Vital_Stat_Range(int32_t stat, FIELD_RANGE* range) {
    return Find_Range(VITAL_STAT_RANGES, stat, range);
}

bool Get_Universe_Stat_Range(int32_t stat, FIELD_RANGE* range) {
    return Find_Range(UNIVERSE_STAT_RANGES, stat, range);
}

FIELD_RANGE Get_Player_Figure_Range(int32_t season) {
    return season == SEASON_CAREER ? CAREER_FIGURE_RANGE : SEASON_FIGURE_RANGE;
}

float Bound_Loaded_Rating(float value, int32_t rating) {
    if (std::isnan(value)) return Get_Rating_Baseline(rating);
    if (value < LOWEST_RATING) return LOWEST_RATING;
    if (value > HIGHEST_RATING) return HIGHEST_RATING;
    return value;
}

void Bound_Loaded_League() {
    Bound_Header();
    Bound_Table(Universe.User_Preferences.Ints, SETTING_RANGES);
    // The offer the trade screens held is not saved with the game: a loaded
    // game holds none, and its mark is read as no partner, so the Trades
    // dialog never takes up whatever offer memory still holds.
    if (Universe.User_Preferences.Ints[TRADE_PARTNER_TEAM] == NO_TRADE_PARTNER)
        Universe.User_Preferences.Ints[TRADE_PARTNER_TEAM] = NO_PARTNER_CHOSEN;
    Bound_Calendar_Year();
    // The calendar runs forward: the regular season's weeks, then each mark
    // of the post-season at or after the one before it (the schedule makes
    // them the weeks that follow the season), so the playoffs can be reached.
    Universe.Season_Length = Clamp(Universe.Season_Length, SEASON_LENGTH_RANGE);
    int32_t before = Universe.Season_Length;
    for (int32_t& mark : Universe.Post_Season_Days) {
        mark = Clamp(mark, {0, before, POST_SEASON_MARK_RANGE.Highest});
        before = mark;
    }
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team)
        Bound_Team(Universe.Teams[team], team < MAX_FRANCHISES);
    Bound_Fantasy_Draft_Marks();
    Bound_Division_Places();
    for (GAME_RECORD& game : Universe.Games)
        Bound_Game(game);
    for (SEASON_LINE& line : Universe.Season_Lines)
        for (int32_t& figure : line.Stats)
            figure = Clamp(figure, SEASON_FIGURE_RANGE);
    for (CITY_RECORD& city : Universe.Cities) {
        Terminate(city.Name);
        Terminate(city.Photo);
    }
}
