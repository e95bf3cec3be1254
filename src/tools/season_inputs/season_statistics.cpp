#include "tools/season_inputs/season_statistics.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/random_numbers.h"
#include "database/team_record.h"
#include "engine/team_unit_ratings.h"
#include "personnel/typical_season.h"
#include "tools/season_inputs/era_norms.h"

namespace {
constexpr int32_t MOST_RANKS = 6;
// Share of the work of the n-th player of a position on the depth chart.
constexpr double DEPTH_SHARE[NUMBER_OF_POSITIONS][MOST_RANKS] = {{1.0, 0.12, 0.03, 0.01, 0.0, 0.0},   // QB
                                                                 {0.62, 0.28, 0.08, 0.03, 0.01, 0.0}, // RB
                                                                 {0.7, 0.12, 0.02, 0.0, 0.0, 0.0},    // FB
                                                                 {0.7, 0.25, 0.06, 0.01, 0.0, 0.0},   // TE
                                                                 {1.0, 0.85, 0.5, 0.2, 0.08, 0.02},   // WR
                                                                 {1.0, 1.0, 0.2, 0.05, 0.0, 0.0},     // T
                                                                 {1.0, 1.0, 0.2, 0.05, 0.0, 0.0},     // G
                                                                 {1.0, 0.2, 0.05, 0.0, 0.0, 0.0},     // C
                                                                 {1.0, 1.0, 0.4, 0.2, 0.05, 0.0},     // DE
                                                                 {1.0, 1.0, 0.35, 0.15, 0.05, 0.0},   // DT
                                                                 {1.0, 1.0, 0.9, 0.35, 0.15, 0.05},   // LB
                                                                 {1.0, 1.0, 0.55, 0.25, 0.1, 0.03},   // CB
                                                                 {1.0, 1.0, 0.35, 0.15, 0.05, 0.0},   // S
                                                                 {1.0, 0.0, 0.0, 0.0, 0.0, 0.0},      // K
                                                                 {1.0, 0.0, 0.0, 0.0, 0.0, 0.0}};     // P
// Starters of each position.
constexpr int32_t STARTERS[NUMBER_OF_POSITIONS] = {1, 1, 1, 1, 2, 2, 2, 1, 2, 2, 3, 2, 2, 1, 1};
constexpr int32_t DEFENCE_GROUP = 2;
constexpr int32_t KICK_RETURNER = 0;
constexpr int32_t PUNT_RETURNER = 1;

struct ROSTER_PLAYER {
    int32_t Slot;
    int32_t Position;
    int32_t Rank;
    double Share;
    bool Starter;
    int32_t Typical[NUMBER_OF_SEASON_STATS];
};

double Clamped(double value, double low, double high) {
    return std::clamp(value, low, high);
}

int32_t Rounded(double value) {
    return static_cast<int32_t>(std::lround(std::max(0.0, value)));
}

// The typical season of his ratings, without disturbing his predicted season.
void Read_Typical_Season(int32_t team, int32_t slot, int32_t* typical) {
    int32_t kept[NUMBER_OF_SEASON_STATS];
    for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat)
        kept[stat] = Get_Player_Stat(team, slot, SEASON_PREDICTED, stat);
    Calculate_Typical_Season_From_Ratings(team, slot);
    for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat) {
        typical[stat] = std::max(0, Get_Player_Stat(team, slot, SEASON_PREDICTED, stat));
        Set_Player_Stat(team, slot, SEASON_PREDICTED, stat, kept[stat]);
    }
}

std::vector<ROSTER_PLAYER> Read_Roster(int32_t team) {
    std::vector<ROSTER_PLAYER> roster;
    int32_t ranks[NUMBER_OF_POSITIONS] = {};
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        if (!Is_Player_Slot_Used(team, slot)) continue;
        const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
        if (position < 0 || position >= NUMBER_OF_POSITIONS) continue;
        ROSTER_PLAYER player{};
        player.Slot = slot;
        player.Position = position;
        player.Rank = ranks[position]++;
        player.Share = DEPTH_SHARE[position][std::min(player.Rank, MOST_RANKS - 1)];
        player.Starter = player.Rank < STARTERS[position];
        Read_Typical_Season(team, slot, player.Typical);
        roster.push_back(player);
    }
    return roster;
}

struct SHARE_LIST {
    std::vector<ROSTER_PLAYER*> Players;
    std::vector<double> Weights;
};

template <typename F> SHARE_LIST Weigh(std::vector<ROSTER_PLAYER>& roster, F weight) {
    SHARE_LIST list;
    for (ROSTER_PLAYER& player : roster) {
        const double w = weight(player);
        if (w <= 0.0) continue;
        list.Players.push_back(&player);
        list.Weights.push_back(w);
    }
    return list;
}

// Shares `total` over the list and adds each part to statistic `stat`.
std::vector<int32_t> Credit_Share(TEAM_SEASON_FIGURES* figures, const SHARE_LIST& list, int32_t total,
                                  int32_t stat) {
    if (list.Players.empty()) return {};
    const std::vector<int32_t> parts = Share_Total(total, list.Weights);
    for (size_t n = 0; n < parts.size(); ++n)
        figures->Players[list.Players[n]->Slot].Stats[stat] += parts[n];
    return parts;
}

bool Is_Ball_Carrier(int32_t position) {
    return position >= POSITION_QB && position <= POSITION_WR;
}

bool Is_Receiver(int32_t position) {
    return position >= POSITION_RB && position <= POSITION_WR;
}

double Ratio(int32_t numerator, int32_t denominator, double otherwise) {
    return denominator > 0 ? static_cast<double>(numerator) / denominator : otherwise;
}

void Set_Games(std::vector<ROSTER_PLAYER>& roster, int32_t games, TEAM_SEASON_FIGURES* figures) {
    for (ROSTER_PLAYER& player : roster) {
        int32_t* stats = figures->Players[player.Slot].Stats;
        if (player.Starter) {
            const int32_t missed = Random_Below(100) < 25 ? Random_Below(games / 3 + 1) : 0;
            stats[0] = games - missed;
            stats[1] = stats[0];
        } else {
            stats[0] = std::min(games, Rounded(games * (0.45 + 0.5 * player.Share)) + Random_Below(3));
            stats[1] = player.Rank == STARTERS[player.Position] ? Random_Below(games / 4 + 1) : 0;
        }
        stats[1] = std::min(stats[1], stats[0]);
    }
}

void Make_Passing_And_Receiving(std::vector<ROSTER_PLAYER>& roster, int32_t games, const ERA_NORMS& norms,
                                const TEAM_STRENGTH& strength, TEAM_SEASON_FIGURES* figures) {
    const double quality = Clamped(strength.Passing, 0.7, 1.3) - 1.0;
    const int32_t attempts = Rounded(norms.Pass_Attempts * games * (1.0 + 0.1 * quality));
    const int32_t completions =
        Rounded(attempts * norms.Completion_Rate * Clamped(1.0 + 0.12 * quality, 0.85, 1.15));
    const int32_t yards = Rounded(completions * norms.Yards_Per_Completion * (1.0 + 0.08 * quality));
    const int32_t touchdowns =
        Rounded(attempts * norms.Touchdown_Rate * Clamped(1.0 + 0.35 * quality, 0.6, 1.4));
    const int32_t interceptions =
        Rounded(attempts * norms.Interception_Rate * Clamped(1.0 - 0.35 * quality, 0.6, 1.4));
    const int32_t sacks = Rounded(norms.Sacks * games * Clamped(1.0 - 0.2 * quality, 0.7, 1.3));
    figures->Attempts = attempts;
    figures->Completions = completions;
    figures->Passing_Yards = yards;
    figures->Passing_Touchdowns = touchdowns;
    figures->Interceptions = interceptions;

    SHARE_LIST passers =
        Weigh(roster, [](const ROSTER_PLAYER& p) { return p.Position == POSITION_QB ? p.Share : 0.0; });
    const std::vector<int32_t> thrown = Credit_Share(figures, passers, attempts, 2);
    if (!passers.Players.empty()) {
        std::vector<double> by_attempts(thrown.begin(), thrown.end());
        SHARE_LIST by_throws{passers.Players, by_attempts};
        if (std::all_of(by_attempts.begin(), by_attempts.end(), [](double w) { return w <= 0.0; }))
            by_throws.Weights = passers.Weights;
        Credit_Share(figures, by_throws, completions, 3);
        Credit_Share(figures, by_throws, yards, 5);
        Credit_Share(figures, by_throws, touchdowns, 6);
        Credit_Share(figures, by_throws, interceptions, 4);
        const std::vector<int32_t> sacked = Credit_Share(figures, by_throws, sacks, 14);
        for (size_t n = 0; n < sacked.size(); ++n)
            figures->Players[by_throws.Players[n]->Slot].Stats[15] += sacked[n] * 7;
    }

    SHARE_LIST catchers = Weigh(roster, [](const ROSTER_PLAYER& p) {
        return Is_Receiver(p.Position) ? p.Share * (p.Typical[10] + 1.0) : 0.0;
    });
    if (catchers.Players.empty()) return;
    const std::vector<int32_t> caught = Credit_Share(figures, catchers, completions, 10);
    SHARE_LIST by_yards = catchers, by_scores = catchers;
    for (size_t n = 0; n < caught.size(); ++n) {
        const int32_t* typical = catchers.Players[n]->Typical;
        by_yards.Weights[n] = caught[n] * Ratio(typical[11], typical[10], norms.Yards_Per_Completion);
        by_scores.Weights[n] = caught[n] * (typical[12] + 0.5) / (typical[10] + 1.0);
        int32_t* stats = figures->Players[catchers.Players[n]->Slot].Stats;
        stats[4] += Rounded(caught[n] * Ratio(attempts, completions, 1.6));
        stats[5] += Rounded(caught[n] * 0.55);
    }
    figures->Receptions = completions;
    figures->Receiving_Yards = yards;
    figures->Receiving_Touchdowns = touchdowns;
    Credit_Share(figures, by_yards, yards, 11);
    Credit_Share(figures, by_scores, touchdowns, 12);
}

void Make_Rushing(std::vector<ROSTER_PLAYER>& roster, int32_t games, const ERA_NORMS& norms,
                  const TEAM_STRENGTH& strength, TEAM_SEASON_FIGURES* figures) {
    const double quality = Clamped(strength.Running, 0.7, 1.3) - 1.0;
    const int32_t rushes = Rounded(norms.Rushes * games * (1.0 + 0.1 * quality));
    const int32_t yards = Rounded(rushes * norms.Yards_Per_Rush * (1.0 + 0.1 * quality));
    const int32_t touchdowns =
        Rounded(norms.Rushing_Touchdowns * games * Clamped(1.0 + 0.35 * quality, 0.6, 1.4));
    figures->Rushes = rushes;
    figures->Rushing_Yards = yards;
    figures->Rushing_Touchdowns = touchdowns;
    SHARE_LIST runners = Weigh(roster, [](const ROSTER_PLAYER& p) {
        if (!Is_Ball_Carrier(p.Position)) return 0.0;
        const double base = p.Position == POSITION_WR || p.Position == POSITION_TE ? 1.0 : p.Typical[7] + 5.0;
        return p.Share * base * (p.Position == POSITION_QB ? 0.35 : 1.0);
    });
    if (runners.Players.empty()) return;
    const std::vector<int32_t> carries = Credit_Share(figures, runners, rushes, 7);
    SHARE_LIST by_yards = runners, by_scores = runners;
    for (size_t n = 0; n < carries.size(); ++n) {
        const int32_t* typical = runners.Players[n]->Typical;
        by_yards.Weights[n] =
            carries[n] * Clamped(Ratio(typical[8], typical[7], norms.Yards_Per_Rush), 1.0, 7.0);
        by_scores.Weights[n] = carries[n] * (typical[9] + 0.5) / (typical[7] + 1.0);
    }
    Credit_Share(figures, by_yards, yards, 8);
    Credit_Share(figures, by_scores, touchdowns, 9);
}

void Make_Fumbles(std::vector<ROSTER_PLAYER>& roster, int32_t games, const ERA_NORMS& norms,
                  TEAM_SEASON_FIGURES* figures) {
    SHARE_LIST handlers = Weigh(roster, [figures](const ROSTER_PLAYER& p) {
        if (!Is_Ball_Carrier(p.Position)) return 0.0;
        const int32_t* stats = figures->Players[p.Slot].Stats;
        return p.Position == POSITION_QB ? stats[7] + stats[14] + 0.05 * stats[2]
                                         : stats[7] + stats[10] + 0.0;
    });
    if (handlers.Players.empty()) return;
    const std::vector<int32_t> fumbles = Share_Total(Rounded(norms.Fumbles * games), handlers.Weights);
    for (size_t n = 0; n < fumbles.size(); ++n) {
        int32_t* stats = figures->Players[handlers.Players[n]->Slot].Stats;
        const bool quarterback = handlers.Players[n]->Position == POSITION_QB;
        stats[quarterback ? 19 : 2] += fumbles[n];
        stats[13] += fumbles[n] / 2;
    }
}

void Make_Defence(std::vector<ROSTER_PLAYER>& roster, int32_t games, const ERA_NORMS& norms,
                  const TEAM_STRENGTH& strength, TEAM_SEASON_FIGURES* figures) {
    const double coverage = Clamped(strength.Pass_Defense, 0.7, 1.3) - 1.0;
    auto weigh_stat = [&roster](int32_t stat) {
        return Weigh(roster, [stat](const ROSTER_PLAYER& p) {
            if (Get_Position_Group(p.Position) != DEFENCE_GROUP) return 0.0;
            return p.Share * (p.Typical[stat] + 0.5);
        });
    };
    Credit_Share(figures, weigh_stat(2), Rounded(norms.Tackles * games), 2);
    Credit_Share(figures, weigh_stat(3), Rounded(norms.Assists * games), 3);
    Credit_Share(figures, weigh_stat(4), Rounded(2.0 * norms.Sacks * games * (1.0 + 0.2 * coverage)), 4);
    Credit_Share(figures, weigh_stat(5), Rounded(norms.Fumbles * games * 0.55), 5);
    Credit_Share(figures, weigh_stat(6), Rounded(norms.Passes_Defended * games * (1.0 + 0.2 * coverage)), 6);
    const int32_t interceptions =
        Rounded(norms.Pass_Attempts * games * norms.Interception_Rate * (1.0 + 0.25 * coverage));
    const std::vector<int32_t> picks = Credit_Share(figures, weigh_stat(7), interceptions, 7);
    const std::vector<int32_t> recoveries =
        Credit_Share(figures, weigh_stat(8), Rounded(norms.Fumbles * games * 0.45), 8);
    // One return in about fifteen goes the distance.
    SHARE_LIST scorers = Weigh(roster, [figures](const ROSTER_PLAYER& p) {
        const int32_t* stats = figures->Players[p.Slot].Stats;
        return Get_Position_Group(p.Position) == DEFENCE_GROUP ? static_cast<double>(stats[7] + stats[8])
                                                               : 0.0;
    });
    const int32_t takeaways = interceptions + Rounded(norms.Fumbles * games * 0.45);
    Credit_Share(figures, scorers, (takeaways + Random_Below(15)) / 15, 9);
}

// A returner of the team for the kind; else the first back, receiver or
// defensive back past the starters.
int32_t Find_Returner(int32_t team, int32_t kind, const std::vector<ROSTER_PLAYER>& roster, int32_t other) {
    const int32_t slot = Get_Team_Returner(team, kind);
    if (Is_Player_Slot_Used(team, slot) && slot != other) return slot;
    for (const ROSTER_PLAYER& player : roster)
        if (!player.Starter && player.Slot != other &&
            (player.Position == POSITION_RB || player.Position == POSITION_WR ||
             player.Position == POSITION_CB))
            return player.Slot;
    return -1;
}

void Make_Returns(int32_t team, std::vector<ROSTER_PLAYER>& roster, int32_t games, const ERA_NORMS& norms,
                  TEAM_SEASON_FIGURES* figures) {
    struct KIND {
        int32_t Returner;
        double Per_Game;
        double Average;
        int32_t First_Stat;
    };
    const int32_t kick = Find_Returner(team, KICK_RETURNER, roster, -1);
    const int32_t punt = Find_Returner(team, PUNT_RETURNER, roster, -1);
    const int32_t second_kick = Find_Returner(team, 2, roster, kick);
    const KIND kinds[2] = {{kick, norms.Kickoff_Returns, norms.Kick_Return_Average, 14},
                           {punt, norms.Punt_Returns, norms.Punt_Return_Average, 17}};
    for (const KIND& kind : kinds) {
        if (kind.Returner < 0) continue;
        int32_t total = Rounded(kind.Per_Game * games);
        int32_t main = total;
        if (kind.First_Stat == 14 && second_kick >= 0) {
            main = Rounded(total * 0.75);
            int32_t* other = figures->Players[second_kick].Stats;
            other[14] += total - main;
            other[15] += Rounded((total - main) * kind.Average * 0.95);
        }
        int32_t* stats = figures->Players[kind.Returner].Stats;
        const double rating = Get_Player_Rating(
            team, kind.Returner, kind.First_Stat == 14 ? RATING_KICK_RETURNS : RATING_PUNT_RETURNS);
        stats[kind.First_Stat] += main;
        stats[kind.First_Stat + 1] +=
            Rounded(main * kind.Average * Clamped(std::pow(rating / 70.0, 0.3), 0.8, 1.2));
        stats[kind.First_Stat + 2] += (main + Random_Below(90)) / 90;
    }
}

void Make_Kicking(int32_t team, std::vector<ROSTER_PLAYER>& roster, int32_t year, int32_t games,
                  const ERA_NORMS& norms, int32_t touchdowns, TEAM_SEASON_FIGURES* figures) {
    for (const ROSTER_PLAYER& player : roster) {
        if (player.Rank != 0) continue;
        int32_t* stats = figures->Players[player.Slot].Stats;
        if (player.Position == POSITION_K) {
            const double extra_point_rate =
                year >= 2015 ? 0.94 : Clamped(0.90 + 0.0015 * (year - 1951), 0.90, 0.99);
            stats[8] = touchdowns;
            stats[9] = Rounded(touchdowns * extra_point_rate);
            const int32_t attempts = Rounded(norms.Field_Goal_Attempts * games);
            const int32_t made = Rounded(attempts * norms.Field_Goal_Rate);
            const std::vector<int32_t> tried = Share_Total(attempts, {0.36, 0.30, 0.24, 0.10});
            const double base[4] = {0.95, 0.83, 0.66, 0.45};
            double expected = 0.0;
            for (int32_t band = 0; band < 4; ++band)
                expected += tried[band] * base[band];
            const double scale = expected > 0.0 ? made / expected : 0.0;
            for (int32_t band = 0; band < 4; ++band) {
                stats[10 + 2 * band] = tried[band];
                stats[11 + 2 * band] = std::min(tried[band], Rounded(tried[band] * base[band] * scale));
            }
            stats[18] = stats[17] > 0   ? 50 + Random_Below(8)
                        : stats[15] > 0 ? 40 + Random_Below(10)
                                        : 30 + Random_Below(10);
        } else if (player.Position == POSITION_P) {
            const int32_t punts = Rounded(norms.Punts * games);
            const double distance = Get_Player_Rating(team, player.Slot, RATING_PUNT_DISTANCE);
            stats[2] = punts;
            stats[3] =
                Rounded(punts * norms.Punt_Average * Clamped(std::pow(distance / 70.0, 0.25), 0.92, 1.08));
            stats[5] = punts > 0 ? Rounded(norms.Punt_Average) + 16 + Random_Below(14) : 0;
            stats[6] = Rounded(punts * 0.09);
        }
    }
}

int32_t Season_Value(int32_t team, const ROSTER_PLAYER& player, const PLAYER_SEASON_FIGURES& season,
                     int32_t games) {
    if (season.Stats[0] <= 0) return 0;
    const double rating = Evaluate_Player_At_Own_Position(team, player.Slot);
    const double started = games > 0 ? static_cast<double>(season.Stats[1]) / games : 0.0;
    const double value = player.Starter || season.Stats[1] > 0 ? 1.0 + rating / 9.0 * started
                                                               : 0.5 + 0.15 * season.Stats[0] * player.Share;
    return std::max(1, Rounded(value));
}
} // namespace

std::vector<int32_t> Share_Total(int32_t total, const std::vector<double>& weights) {
    std::vector<int32_t> parts(weights.size(), 0);
    if (weights.empty()) return parts;
    double sum = 0.0;
    for (double w : weights)
        sum += std::max(0.0, w);
    if (sum <= 0.0) {
        parts[0] = total;
        return parts;
    }
    std::vector<double> remainders(weights.size());
    int32_t given = 0;
    for (size_t n = 0; n < weights.size(); ++n) {
        const double exact = total * std::max(0.0, weights[n]) / sum;
        parts[n] = static_cast<int32_t>(std::floor(exact));
        remainders[n] = exact - parts[n];
        given += parts[n];
    }
    for (int32_t left = total - given; left > 0; --left) {
        size_t best = 0;
        for (size_t n = 1; n < remainders.size(); ++n)
            if (remainders[n] > remainders[best]) best = n;
        ++parts[best];
        remainders[best] = -1.0;
    }
    return parts;
}

std::vector<TEAM_STRENGTH> Measure_Team_Strengths() {
    const int32_t teams = Refresh_Active_Team_Count();
    std::vector<TEAM_STRENGTH> strengths(teams);
    double sums[4] = {};
    int32_t counted = 0;
    std::vector<std::array<double, 4>> raw(teams);
    for (int32_t team = 0; team < teams; ++team) {
        if (!Is_Used_Franchise_Slot(team)) continue;
        raw[team] = {static_cast<double>(Get_Team_Passing_Rating(team)),
                     static_cast<double>(Get_Team_Running_Rating(team)),
                     static_cast<double>(Get_Team_Pass_Defense_Rating(team)),
                     static_cast<double>(Get_Team_Run_Defense_Rating(team))};
        for (int32_t n = 0; n < 4; ++n)
            sums[n] += raw[team][n];
        ++counted;
    }
    for (int32_t team = 0; team < teams; ++team) {
        if (!Is_Used_Franchise_Slot(team) || counted == 0) continue;
        auto relative = [&](int32_t n) { return sums[n] > 0.0 ? raw[team][n] * counted / sums[n] : 1.0; };
        strengths[team] = TEAM_STRENGTH{relative(0), relative(1), relative(2), relative(3)};
    }
    return strengths;
}

void Make_Team_Season_Figures(int32_t team, int32_t year, int32_t games, const TEAM_STRENGTH& strength,
                              TEAM_SEASON_FIGURES* figures) {
    memset(figures, 0, sizeof *figures);
    const ERA_NORMS norms = Get_Era_Norms(year);
    std::vector<ROSTER_PLAYER> roster = Read_Roster(team);
    Set_Games(roster, games, figures);
    Make_Passing_And_Receiving(roster, games, norms, strength, figures);
    Make_Rushing(roster, games, norms, strength, figures);
    Make_Fumbles(roster, games, norms, figures);
    Make_Defence(roster, games, norms, strength, figures);
    Make_Returns(team, roster, games, norms, figures);
    int32_t touchdowns = figures->Passing_Touchdowns + figures->Rushing_Touchdowns;
    for (const ROSTER_PLAYER& player : roster) {
        const int32_t* stats = figures->Players[player.Slot].Stats;
        if (Get_Position_Group(player.Position) == DEFENCE_GROUP) touchdowns += stats[9];
        if (player.Position != POSITION_QB && Get_Position_Group(player.Position) != 1 &&
            player.Position != POSITION_K && player.Position != POSITION_P)
            touchdowns += stats[16] + stats[19];
    }
    Make_Kicking(team, roster, year, games, norms, touchdowns, figures);
    for (const ROSTER_PLAYER& player : roster)
        figures->Players[player.Slot].Value =
            Season_Value(team, player, figures->Players[player.Slot], games);
}
