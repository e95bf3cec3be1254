#include "tools/season_inputs/league_schedules.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstring>
#include <utility>

#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/safe_strings.h"
#include "database/team_record.h"
#include "database/universe.h"

namespace {
using PAIRING = std::pair<int32_t, int32_t>;
using ROUND = std::vector<PAIRING>;

constexpr const char* SCHEDULE_FILE_HEADER = "Week,Away_Team,Home_Team,Day,Date";

// One round robin of `places` (an even count) by the circle method: the
// last place stays, the others turn one place a round, so every two places
// meet once in the `places` - 1 rounds.
std::vector<ROUND> Make_Circle_Rounds(int32_t places) {
    std::vector<ROUND> rounds;
    const int32_t turning = places - 1;
    for (int32_t r = 0; r < turning; ++r) {
        ROUND round{{r, turning}};
        for (int32_t k = 1; k < places / 2; ++k)
            round.push_back({(r + k) % turning, (r - k + turning) % turning});
        rounds.push_back(round);
    }
    return rounds;
}

int32_t Count_Division_Pairings(const ROUND& round, const std::vector<int32_t>& divisions) {
    const int32_t teams = static_cast<int32_t>(divisions.size());
    int32_t count = 0;
    for (const auto& [a, b] : round)
        count += a < teams && b < teams && divisions[a] == divisions[b];
    return count;
}

// The `count` rounds holding the most division rivals (the earlier on
// equal counts), in their order.
std::vector<int32_t> Choose_Rounds(const std::vector<ROUND>& rounds, const std::vector<int32_t>& divisions,
                                   int32_t count) {
    std::vector<int32_t> order(rounds.size());
    for (size_t n = 0; n < order.size(); ++n)
        order[n] = static_cast<int32_t>(n);
    std::stable_sort(order.begin(), order.end(), [&](int32_t a, int32_t b) {
        return Count_Division_Pairings(rounds[a], divisions) > Count_Division_Pairings(rounds[b], divisions);
    });
    order.resize(std::min(order.size(), static_cast<size_t>(count)));
    std::sort(order.begin(), order.end());
    return order;
}

PAIRING Key(int32_t a, int32_t b) {
    return {std::min(a, b), std::max(a, b)};
}

int32_t Count_Meetings(const std::vector<ROUND>& weeks, int32_t a, int32_t b) {
    int32_t met = 0;
    for (const ROUND& week : weeks)
        for (const auto& pairing : week)
            met += Key(pairing.first, pairing.second) == Key(a, b);
    return met;
}

// The cost of a pairing of two resting teams: each earlier meeting weighs
// more than teams of two divisions do.
int32_t Pairing_Cost(const std::vector<ROUND>& weeks, const std::vector<int32_t>& divisions, int32_t a,
                     int32_t b) {
    return 4 * Count_Meetings(weeks, a, b) + (divisions[a] == divisions[b] ? 0 : 1);
}

// Every way of pairing the teams of `left`, the cheapest kept in `best` (the
// first found of equal cost).
void Search_Pairings(const std::vector<int32_t>& left, const std::vector<std::vector<int32_t>>& costs,
                     ROUND& chosen, int32_t cost, ROUND* best, int32_t* best_cost) {
    if (cost >= *best_cost) return;
    if (left.empty()) {
        *best = chosen;
        *best_cost = cost;
        return;
    }
    const int32_t team = left.front();
    for (size_t n = 1; n < left.size(); ++n) {
        const int32_t other = left[n];
        std::vector<int32_t> rest;
        for (size_t m = 1; m < left.size(); ++m)
            if (m != n) rest.push_back(left[m]);
        chosen.push_back({team, other});
        Search_Pairings(rest, costs, chosen, cost + costs[team][other], best, best_cost);
        chosen.pop_back();
    }
}

// The teams that rested in a round played again meet in one more week,
// paired so that as few as possible meet once more than the others do, and
// then as many division rivals as possible.
ROUND Pair_Resting_Teams(std::vector<int32_t> resting, const std::vector<ROUND>& weeks,
                         const std::vector<int32_t>& divisions) {
    const size_t teams = divisions.size();
    std::vector<std::vector<int32_t>> costs(teams, std::vector<int32_t>(teams, 0));
    for (int32_t a : resting)
        for (int32_t b : resting)
            costs[a][b] = Pairing_Cost(weeks, divisions, a, b);
    ROUND chosen, best;
    int32_t best_cost = INT32_MAX;
    Search_Pairings(resting, costs, chosen, 0, &best, &best_cost);
    return best;
}

// "Sep 9": the Sunday of the week, the season opening on September's second Sunday.
std::string Sunday_Of_Week(int32_t year, int32_t week) {
    using namespace std::chrono;
    const sys_days opening{std::chrono::year{year} / September / Sunday[2]};
    const year_month_day day{opening + days{7 * week}};
    static constexpr const char* MONTHS[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    return std::string(MONTHS[static_cast<unsigned>(day.month()) - 1]) + " " +
           std::to_string(static_cast<unsigned>(day.day()));
}
} // namespace

std::vector<LEAGUE_GAME> Make_League_Schedule(const std::vector<int32_t>& divisions, int32_t games) {
    const int32_t teams = static_cast<int32_t>(divisions.size());
    const bool odd = teams % 2 != 0;
    if (teams < 2 || games <= 0 || (odd && games % 2 != 0)) return {};
    // With an odd number of teams one place more: whoever meets it rests.
    const int32_t places = odd ? teams + 1 : teams;
    const std::vector<ROUND> rounds = Make_Circle_Rounds(places);
    const int32_t per_round_robin = teams - 1;
    std::vector<ROUND> weeks;
    for (int32_t n = 0; n < games / per_round_robin; ++n)
        weeks.insert(weeks.end(), rounds.begin(), rounds.end());
    std::vector<int32_t> resting;
    for (int32_t chosen : Choose_Rounds(rounds, divisions, games % per_round_robin)) {
        weeks.push_back(rounds[chosen]);
        for (const auto& [a, b] : rounds[chosen])
            if (odd && (a == teams || b == teams)) resting.push_back(a == teams ? b : a);
    }
    if (!resting.empty()) weeks.push_back(Pair_Resting_Teams(resting, weeks, divisions));

    std::vector<LEAGUE_GAME> schedule;
    std::vector<int32_t> home_games(teams, 0), away_games(teams, 0);
    std::vector<std::vector<int32_t>> last_host(teams, std::vector<int32_t>(teams, -1));
    for (int32_t week = 0; week < static_cast<int32_t>(weeks.size()); ++week)
        for (const auto& [a, b] : weeks[week]) {
            if (a >= teams || b >= teams) continue;
            int32_t host = a;
            if (last_host[a][b] >= 0)
                host = last_host[a][b] == a ? b : a;
            else if (home_games[a] != home_games[b])
                host = home_games[a] < home_games[b] ? a : b;
            else if (away_games[a] != away_games[b])
                host = away_games[a] > away_games[b] ? a : b;
            else
                host = (week + a + b) % 2 == 0 ? a : b;
            const int32_t visitor = host == a ? b : a;
            last_host[a][b] = last_host[b][a] = host;
            ++home_games[host];
            ++away_games[visitor];
            schedule.push_back({week, visitor, host});
        }
    return schedule;
}

bool Make_Two_League_Schedule_Files(int32_t year, int32_t games, std::map<std::string, std::string>* files,
                                    std::string* error) {
    // Two leagues, not the two conferences of one that play each other.
    char names[NUMBER_OF_LEAGUES][LEAGUE_NAME_LENGTH] = {};
    for (int32_t league = 0; league < NUMBER_OF_LEAGUES; ++league)
        Get_League_Name(league, names[league]);
    const bool apart = (std::strcmp(names[0], "NFL") == 0 && std::strcmp(names[1], "AFL") == 0) ||
                       (std::strcmp(names[0], "AFL") == 0 && std::strcmp(names[1], "NFL") == 0);
    if (Count_Leagues() < NUMBER_OF_LEAGUES || !apart) return true;
    const int32_t active = Refresh_Active_Team_Count();
    for (int32_t league = 0; league < NUMBER_OF_LEAGUES; ++league) {
        std::vector<int32_t> members;
        for (int32_t team = 0; team < active; ++team)
            if (Is_Used_Franchise_Slot(team) && Get_Team_Stat(team, TEAM_STAT_DIVISION) / 4 == league)
                members.push_back(team);
        std::stable_sort(members.begin(), members.end(), [](int32_t a, int32_t b) {
            return Get_Team_Stat(a, TEAM_STAT_DIVISION) < Get_Team_Stat(b, TEAM_STAT_DIVISION);
        });
        std::vector<int32_t> divisions;
        for (int32_t team : members)
            divisions.push_back(Get_Team_Stat(team, TEAM_STAT_DIVISION));
        const char* name = names[league];
        const std::vector<LEAGUE_GAME> schedule = Make_League_Schedule(divisions, games);
        const bool fits = std::all_of(schedule.begin(), schedule.end(), [](const LEAGUE_GAME& game) {
            return game.Week < SCHEDULE_FILE_WEEKS;
        });
        if (schedule.empty() || !fits) {
            *error = "no schedule of " + std::to_string(games) + " games within " +
                     std::to_string(SCHEDULE_FILE_WEEKS) + " weeks for the " +
                     std::to_string(members.size()) + " teams of the " + std::to_string(year) + " " + name;
            return false;
        }
        std::string text = std::string(SCHEDULE_FILE_HEADER) + "\n";
        for (const LEAGUE_GAME& game : schedule) {
            char away[FORMATTED_TEXT_SIZE] = "", home[FORMATTED_TEXT_SIZE] = "";
            Get_Team_Full_Name(members[game.Away], away);
            Get_Team_Full_Name(members[game.Home], home);
            text += std::to_string(game.Week + 1) + "," + away + "," + home + ",Sun," +
                    Sunday_Of_Week(year, game.Week) + "\n";
        }
        (*files)["Input/Schedules/" + std::to_string(year) + "-" + name + ".csv"] = text;
    }
    return true;
}
