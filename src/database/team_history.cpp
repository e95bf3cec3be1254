#include "database/team_history.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "app/diagnostics.h"
#include "database/cities.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/rating_normalisation.h"
#include "database/roster_queries.h"
#include "database/settings.h"
#include "database/standings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "frontoffice/roster_targets.h"

namespace {

constexpr int32_t FINANCIAL_STAT_HISTORY_BONUS = 74;
constexpr int32_t YEARLY_HOME_ATTENDANCE = 0;
constexpr int32_t YEARLY_PROFIT = 1;
constexpr int32_t FINISH_CODE = 3;
constexpr int32_t FINISH_LOSING_CONFERENCE_FINALIST = 6;
constexpr int32_t FINISH_LOSING_FINALIST = 7;
constexpr int32_t FINISH_CHAMPION = 8;
// The team totals' categories of the runners and receivers (a quarterback
// is a passer) and of the same players of the opponents; the passers'
// category lies three further on.
constexpr int32_t BALL_CARRIERS_CATEGORY = 0;
constexpr int32_t OPPONENTS_BALL_CARRIERS_CATEGORY = 4;
constexpr int32_t PASSERS_CATEGORY_OFFSET = 3;
// Rushes, rushing yards and rushing touchdowns; a carrier's fumbles and
// fumbles lost.
constexpr int32_t FIRST_RUSHING_TOTAL = 7;
constexpr int32_t LAST_RUSHING_TOTAL = 9;
constexpr int32_t CARRIER_FUMBLES = 2;
constexpr int32_t CARRIER_FUMBLES_LOST = 13;

// The league's past seasons the history holds: those below the current one.
int32_t Count_Past_Seasons() {
    return std::min(Get_User_Preference(CURRENT_SEASON_INDEX), NUMBER_OF_HISTORY_SEASONS);
}

int32_t Sum_Past_Seasons(int32_t team, int32_t n) {
    const int32_t seasons = Count_Past_Seasons();
    int32_t sum = 0;
    for (int32_t season = 0; season < seasons; ++season) {
        switch (n) {
        case 1:
            sum += Get_Team_Yearly_Char(team, season, RECORD_CHAR_WINS);
            break;
        case 2:
            sum += Get_Team_Yearly_Char(team, season, RECORD_CHAR_LOSSES);
            break;
        case 3:
            sum += Get_Team_Yearly_Char(team, season, RECORD_CHAR_TIES);
            break;
        case 4:
            sum += Get_Team_Yearly_Char(team, season, RECORD_CHAR_PLAYOFF_WINS);
            break;
        case 5:
            sum += Get_Team_Yearly_Char(team, season, RECORD_CHAR_PLAYOFF_LOSSES);
            break;
        case 6:
            sum += Get_Team_Yearly_Int(team, season, FINISH_CODE) >= 4;
            break;
        case 7:
            sum += Get_Team_Yearly_Int(team, season, FINISH_CODE) >= 7;
            break;
        case 8:
            sum += Get_Team_Yearly_Int(team, season, FINISH_CODE) >= 8;
            break;
        default:
            break;
        }
    }
    return sum;
}

int32_t History_Rating(int32_t team) {
    int32_t wins = Sum_Past_Seasons(team, 1);
    int32_t losses = Sum_Past_Seasons(team, 2);
    int32_t ties = Sum_Past_Seasons(team, 3);
    int32_t playoff_wins = Sum_Past_Seasons(team, 4);
    int32_t p = Mul_Div_Round(2 * (wins + playoff_wins) + ties, 1000, 2 * (wins + losses + ties));
    p += Get_Team_Financial_Stat(team, FINANCIAL_STAT_HISTORY_BONUS);
    int32_t e = std::min(1000, Rounded_Signed_Sqrt(Get_User_Preference(CURRENT_SEASON_INDEX) * 100000));
    return std::max(0, Mul_Div_Round(e, p, 1000));
}

int32_t History_Stat(int32_t team, int32_t n) {
    return n == 0 ? History_Rating(team) : Sum_Past_Seasons(team, n);
}

// Sums rating r over the franchises' leading players of every position that
// uses it; calls `each` with every rating counted.
template <typename F> int32_t Walk_League_Starters(int32_t rating, F each) {
    int32_t counted = 0;
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team) {
        if (!Is_Used_Franchise_Slot(team)) continue;
        for (int32_t position = 0; position < NUMBER_OF_POSITIONS; ++position) {
            if (!Is_Rating_Used_By_Position(position, rating)) continue;
            int32_t wanted = Get_Position_Roster_Target(position);
            int32_t taken = 0;
            for (int32_t slot = 0; slot < PLAYERS_PER_TEAM && taken < wanted; ++slot) {
                if (!Is_Player_Slot_Used(team, slot) ||
                    Get_Player_Vital_Stat(team, slot, VITAL_POSITION) != position)
                    continue;
                each(Get_Player_Rating(team, slot, rating));
                ++taken;
                ++counted;
            }
        }
    }
    return counted;
}

} // namespace

int32_t Get_Team_History_Stat(int32_t team, int32_t n) {
    if (team != ALL_TEAMS) return History_Stat(team, n);
    bool counted[MAX_FRANCHISES];
    const int32_t teams = Mark_League_History_Teams(counted);
    if (teams == 0) return 0;
    int32_t sum = 0;
    for (int32_t t = 0; t < MAX_FRANCHISES; ++t)
        if (counted[t]) sum += History_Stat(t, n);
    return sum / teams;
}

bool Has_Team_Played_Season(int32_t team, int32_t season) {
    if (!Is_Franchise_Slot(team) || season < 0 || season >= NUMBER_OF_HISTORY_SEASONS) return false;
    for (const int32_t n : {RECORD_CHAR_WINS, RECORD_CHAR_LOSSES, RECORD_CHAR_TIES, RECORD_CHAR_PLAYOFF_WINS,
                            RECORD_CHAR_PLAYOFF_LOSSES})
        if (Get_Team_Yearly_Char(team, season, n) != 0) return true;
    return Get_Team_Yearly_Int(team, season, YEARLY_HOME_ATTENDANCE) != 0 ||
           Get_Team_Yearly_Int(team, season, YEARLY_PROFIT) != 0;
}

int32_t Count_Team_Played_Seasons(int32_t team) {
    const int32_t past = Count_Past_Seasons();
    int32_t played = 0;
    for (int32_t season = 0; season < past; ++season)
        played += Has_Team_Played_Season(team, season) ? 1 : 0;
    return played;
}

int32_t Get_Team_Played_Season(int32_t team, int32_t n) {
    const int32_t past = Count_Past_Seasons();
    for (int32_t season = past - 1; season >= 0 && n >= 0; --season)
        if (Has_Team_Played_Season(team, season) && n-- == 0) return season;
    return -1;
}

int32_t Mark_League_History_Teams(bool counted[MAX_FRANCHISES]) {
    int32_t active = 0, played = 0;
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team) {
        counted[team] = Is_Active_Team(team) && Count_Team_Played_Seasons(team) > 0;
        active += Is_Active_Team(team) ? 1 : 0;
        played += counted[team] ? 1 : 0;
    }
    if (played > 0) return played;
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team)
        counted[team] = Is_Active_Team(team) != 0;
    return active;
}

int32_t Get_Season_Finish_Team(int32_t slot, int32_t which, int32_t seasons_back) {
    int32_t season = Get_User_Preference(CURRENT_SEASON_INDEX) - seasons_back;
    // Logged only, as the yearly reads log a season outside the history.
    if (season < 0 || season >= NUMBER_OF_HISTORY_SEASONS) {
        Log_Invalid_History_Season("Get_Team_Yearly_Int", 0, season, FINISH_CODE);
        return NO_PLAYER;
    }
    int32_t active = Count_Active_Teams();
    for (int32_t team = 0; team < active; ++team) {
        int32_t finish = Get_Team_Yearly_Int(team, season, FINISH_CODE);
        int32_t league = Get_Team_Conference(team);
        bool found = false;
        if (slot == 24 || slot == 26) {
            if (league != (slot == 24 ? 0 : 1)) continue;
            found = which == 0 ? finish == FINISH_LOSING_CONFERENCE_FINALIST
                               : finish == FINISH_LOSING_FINALIST || finish == FINISH_CHAMPION;
        } else if (slot == 28) {
            found = finish == (which == 1 ? FINISH_CHAMPION : FINISH_LOSING_FINALIST);
        } else {
            return NO_PLAYER;
        }
        if (found) return team;
    }
    return NO_PLAYER;
}

namespace {
// The teams of the division's standings now (its first entries, as many as
// it has teams) that played the past season, ordered by that season's wins,
// then ties, best first; returns how many.
int32_t Order_Past_Division_Season(int32_t division, int32_t season,
                                   int32_t teams[DIVISION_STANDING_PLACES]) {
    const int32_t members = std::min(Count_Division_Teams(division), DIVISION_STANDING_PLACES);
    int32_t wins[DIVISION_STANDING_PLACES];
    int32_t ties[DIVISION_STANDING_PLACES];
    int32_t count = 0;
    for (int32_t k = 0; k < members; ++k) {
        const int32_t team = Universe.Division_Standings[division][k];
        if (!Has_Team_Played_Season(team, season)) continue;
        teams[count] = team;
        wins[count] = Get_Team_Yearly_Char(team, season, RECORD_CHAR_WINS);
        ties[count] = Get_Team_Yearly_Char(team, season, RECORD_CHAR_TIES);
        ++count;
    }
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (int32_t k = 0; k + 1 < count; ++k) {
            if (wins[k] > wins[k + 1] || (wins[k] == wins[k + 1] && ties[k] >= ties[k + 1])) continue;
            std::swap(teams[k], teams[k + 1]);
            std::swap(wins[k], wins[k + 1]);
            std::swap(ties[k], ties[k + 1]);
            swapped = true;
        }
    }
    return count;
}
} // namespace

int32_t Get_Division_Place_Team(int32_t division, int32_t place, int32_t season) {
    if (static_cast<uint32_t>(division) >= NUMBER_OF_DIVISIONS || place < 0 ||
        place >= DIVISION_STANDING_PLACES)
        return NO_TEAM;
    if (season == Get_User_Preference(CURRENT_SEASON_INDEX))
        return Universe.Division_Standings[division][place];
    int32_t teams[DIVISION_STANDING_PLACES];
    return place < Order_Past_Division_Season(division, season, teams) ? teams[place] : NO_TEAM;
}

int32_t Count_Division_Season_Teams(int32_t division, int32_t season) {
    if (static_cast<uint32_t>(division) >= NUMBER_OF_DIVISIONS) return 0;
    if (season == Get_User_Preference(CURRENT_SEASON_INDEX)) return Count_Division_Teams(division);
    int32_t teams[DIVISION_STANDING_PLACES];
    return Order_Past_Division_Season(division, season, teams);
}

int32_t Get_Team_Side_Totals_Stat(int32_t team, int32_t category, int32_t stat) {
    const int32_t value = Get_Team_Totals_Stat(team, category, 0, stat);
    const bool carriers = category == BALL_CARRIERS_CATEGORY || category == OPPONENTS_BALL_CARRIERS_CATEGORY;
    if (!carriers || stat < FIRST_RUSHING_TOTAL || stat > LAST_RUSHING_TOTAL) return value;
    return value + Get_Team_Totals_Stat(team, category + PASSERS_CATEGORY_OFFSET, 0, stat);
}

int32_t Get_Team_Stat_Rank(int32_t team, int32_t category, int32_t stat) {
    const int32_t own = Get_Team_Side_Totals_Stat(team, category, stat);
    int32_t rank = 0;
    const int32_t active = Count_Active_Teams();
    for (int32_t t = 0; t < active; ++t)
        rank += Get_Team_Side_Totals_Stat(t, category, stat) > own;
    return rank;
}

namespace {
// Whether more of a totals figure is better for the team (see Get_Team_Stat_Place).
bool Is_Team_Stat_Better_When_High(int32_t category, int32_t stat) {
    const bool own = category >= 0 && category < OPPONENTS_BALL_CARRIERS_CATEGORY;
    const bool carriers = category == BALL_CARRIERS_CATEGORY || category == OPPONENTS_BALL_CARRIERS_CATEGORY;
    const bool giveaway = carriers && (stat == CARRIER_FUMBLES || stat == CARRIER_FUMBLES_LOST);
    return own != giveaway;
}
} // namespace

int32_t Get_Team_Stat_Place(int32_t team, int32_t category, int32_t stat) {
    const int32_t rank = Get_Team_Stat_Rank(team, category, stat);
    return Is_Team_Stat_Better_When_High(category, stat) ? 1 + rank : Count_Active_Teams() - rank;
}

namespace {
// The team's home city; a team number of 41 or more names city 0.
int32_t Team_Home_City(int32_t team) {
    return static_cast<uint32_t>(team) < TOTAL_NUMBER_OF_TEAMS ? Get_Team_Stat(team, TEAM_STAT_HOME_CITY) : 0;
}
} // namespace

int32_t Get_Team_City_Stat(int32_t team, int32_t n) {
    if (static_cast<uint32_t>(n) >= NUMBER_OF_CITY_STATS) return 0;
    const int32_t city = Team_Home_City(team);
    if (static_cast<uint32_t>(city) >= MAX_CITIES) return 0;
    return Universe.Cities[city].Stats[n];
}

void Set_Team_City_Stat(int32_t team, int32_t n, int32_t value) {
    Set_City_Stat(Team_Home_City(team), n, value);
}

void Set_Header_Marker_Words() {
    const int32_t words[2] = {HEADER_MARKER_WORD_0, HEADER_MARKER_WORD_1};
    memcpy(reinterpret_cast<uint8_t*>(&Universe.Header) + HEADER_MARKER_OFFSET, words, sizeof words);
}

float Get_League_Rating_Sample(int32_t rating, int32_t* counted) {
    float sum = 0.0f;
    int32_t count = Walk_League_Starters(rating, [&](float value) { sum += value; });
    if (counted != nullptr) *counted = count;
    return count < 1 ? 0.0f : sum / static_cast<float>(count);
}

float Get_League_Rating_Mean(int32_t rating) {
    return Get_League_Rating_Sample(rating, nullptr);
}

float Get_League_Rating_Spread(int32_t rating) {
    float mean = Get_League_Rating_Mean(rating);
    float sum = 0.0f;
    int32_t count = Walk_League_Starters(rating, [&](float value) {
        sum = static_cast<float>(sum + std::fabs(static_cast<double>(value) - static_cast<double>(mean)));
    });
    return count < 1 ? 0.0f : sum / static_cast<float>(count);
}
