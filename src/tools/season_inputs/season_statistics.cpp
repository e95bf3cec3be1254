#include "tools/season_inputs/season_statistics.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstring>
#include <numbers>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/random_numbers.h"
#include "database/team_record.h"
#include "engine/team_unit_ratings.h"
#include "personnel/typical_season.h"
#include "tools/season_inputs/era_norms.h"
#include "tools/season_inputs/era_records.h"
#include "tools/season_inputs/rate_records.h"
#include "tools/season_inputs/volume_records.h"

namespace {
constexpr int32_t DEFENCE_GROUP = 2;
} // namespace

double Draw_Fraction() {
    return (Random_Number() + 0.5) / 4294967296.0;
}

bool Is_Ball_Carrier(int32_t position) {
    return position >= POSITION_QB && position <= POSITION_WR;
}

bool Is_Receiver(int32_t position) {
    return position >= POSITION_RB && position <= POSITION_WR;
}

bool Is_Passer(int32_t position) {
    return position == POSITION_QB;
}

bool Is_Defender(int32_t position) {
    return position >= 0 && position < NUMBER_OF_POSITIONS && Get_Position_Group(position) == DEFENCE_GROUP;
}

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
// The fewest players the game lets a team carry: a season's roster is cut
// to the league's limit of its year, but never below it.
constexpr int32_t SMALLEST_GAME_ROSTER = 51;
// Players of each position on a full roster of 53.
constexpr int32_t FULL_ROSTER[NUMBER_OF_POSITIONS] = {3, 4, 1, 3, 6, 4, 4, 2, 4, 4, 7, 5, 4, 1, 1};
constexpr int32_t KICK_RETURNER = 0;
constexpr int32_t PUNT_RETURNER = 1;
// How a starter's season goes: below the first draw he plays every game,
// below the second he misses a few, below the third a good part, else most.
constexpr double MISSES_NONE = 0.35;
constexpr double MISSES_FEW = 0.76;
constexpr double MISSES_MANY = 0.87;
// Of the starters who miss starts, the share who were benched, not hurt.
constexpr double BENCHED_SHARE = 0.3;
// How far the teams' passing and running volumes and their yards a
// completion spread in a season: real seasons' team pass attempts spread
// a tenth or so around their mean, their busiest team throwing about 1.1
// to 1.2 times the average team.
constexpr double PASS_VOLUME_SPREAD = 0.085;
constexpr double RUN_VOLUME_SPREAD = 0.16;
// A figure drawn past a bound that the real league's seasons reached is
// kept below it, by a draw of up to this share of it.
constexpr double BOUND_MARGIN = 0.03;
// The passing yards of a team drawn past the most the era's best real
// teams gained are kept within this share below it: those teams' seasons
// spread over the last tenth below their best.
constexpr double TEAM_PASSING_MARGIN = 0.1;
constexpr double PASS_EFFICIENCY_SPREAD = 0.13;
// The typical season of an average passer (ratings of 70).
constexpr double TYPICAL_COMPLETION_RATE = 0.62;
constexpr double TYPICAL_YARDS_PER_COMPLETION = 11.2;
// A player's scoring rate a carry or a catch is his typical season's,
// steadied by so many carries or catches at the league's rate: one whose
// typical season holds few carries scores as often as the league does
// from his, not as often as a back from twenty.
constexpr double STEADYING_CARRIES = 20.0;
constexpr double STEADYING_CATCHES = 10.0;
// How often a passer fumbles on a sack (besides the dropback it was) and on
// a carry, against a dropback: a sack strips the ball far more often than a
// throw or a handoff does, and a passer on the run holds it less well than a
// back.
constexpr double SACK_FUMBLING = 13.0;
constexpr double PASSER_CARRY_FUMBLING = 2.5;
// How often a receiver fumbles a touch against a back: his touches are
// mostly catches, in the open field rather than in the pile.
constexpr double RECEIVER_FUMBLING = 0.9;
// The share of a team's fumbles its passers, backs and receivers make from
// scrimmage: about one in six comes on a kick returned or a takeaway run
// back, which the history credits to nobody.
constexpr double HANDLED_FUMBLES = 0.83;
// A handler's fumbles drawn past the real record are kept within this share
// below it, as far as the seasons near the record spread.
constexpr double FUMBLES_RECORD_MARGIN = 0.15;
// How far each position's catches go against the yards a catch of its
// typical season, which a player's speed gives alike at every position: a
// back catches short passes near the line, a tight end between the
// linebackers, a wide receiver downfield.
constexpr double BACK_CATCH_LENGTH = 0.55;
constexpr double FULLBACK_CATCH_LENGTH = 0.5;
constexpr double TIGHT_END_CATCH_LENGTH = 1.1;

struct ROSTER_PLAYER {
    int32_t Slot;
    int32_t Position;
    int32_t Rank;
    double Share;
    bool Starter;
    // His part of his position's work over the season: the share of the
    // place he started in for his starts, of a reserve for his other games.
    double Work;
    int32_t Typical[NUMBER_OF_SEASON_STATS];
};

double Clamped(double value, double low, double high) {
    return std::clamp(value, low, high);
}

int32_t Rounded(double value) {
    return static_cast<int32_t>(std::lround(std::max(0.0, value)));
}

// A factor around 1 whose logarithm is normal with deviation `deviation`,
// kept within two and a half deviations: how far a season strays from its expectation.
double Spread(double deviation) {
    // Two draws, in this order: the radius, then the angle.
    const double radius = std::sqrt(-2.0 * std::log(Draw_Fraction()));
    const double normal = radius * std::cos(2.0 * std::numbers::pi * Draw_Fraction());
    return std::exp(deviation * Clamped(normal, -2.5, 2.5));
}

// Successes of `tries` chances of `rate` each.
int32_t Successes(int32_t tries, double rate) {
    int32_t made = 0;
    for (int32_t n = 0; n < tries; ++n)
        made += Draw_Fraction() < rate;
    return made;
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

std::vector<ROSTER_PLAYER> Read_Roster(int32_t team, int32_t year) {
    std::vector<ROSTER_PLAYER> roster;
    int32_t ranks[NUMBER_OF_POSITIONS] = {};
    const std::vector<bool> kept = Choose_Season_Roster(team, year);
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        if (!kept[slot]) continue;
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

// The list with each weight strayed by its own factor of `deviation`.
SHARE_LIST Strayed(SHARE_LIST list, double deviation) {
    for (double& weight : list.Weights)
        weight *= Spread(deviation);
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

// Shares `total` over the list, none past his part of `room`, and adds each
// part to statistic `stat`; what none has room for is not credited. The
// total credited.
int32_t Credit_Share_Within(TEAM_SEASON_FIGURES* figures, const SHARE_LIST& list, int32_t total, int32_t stat,
                            const std::vector<int32_t>& room) {
    const std::vector<int32_t> parts = Share_Within(total, list.Weights, room);
    int32_t credited = 0;
    for (size_t n = 0; n < parts.size(); ++n) {
        figures->Players[list.Players[n]->Slot].Stats[stat] += parts[n];
        credited += parts[n];
    }
    return credited;
}

// How many more yards of `yards_stat` the player's line holds within its bounds.
int32_t Line_Yards_Room(const TEAM_SEASON_FIGURES* figures, const ROSTER_PLAYER& player, int32_t yards_stat) {
    const int32_t* stats = figures->Players[player.Slot].Stats;
    return std::max(0, Get_Most_Line_Yards(player.Position, yards_stat, stats) - stats[yards_stat]);
}

double Get_Catch_Length(int32_t position) {
    return position == POSITION_RB   ? BACK_CATCH_LENGTH
           : position == POSITION_FB ? FULLBACK_CATCH_LENGTH
           : position == POSITION_TE ? TIGHT_END_CATCH_LENGTH
                                     : 1.0;
}

double Ratio(int32_t numerator, int32_t denominator, double otherwise) {
    return denominator > 0 ? static_cast<double>(numerator) / denominator : otherwise;
}

// Starts a starter misses: about a third play every game, most others miss
// a few, and about one in eight is hurt or benched for half the season or more.
int32_t Draw_Missed_Starts(int32_t games) {
    const double draw = Draw_Fraction();
    if (draw < MISSES_NONE || games < 2) return 0;
    double share = 0.0;
    if (draw < MISSES_FEW)
        share = 0.04 + 0.16 * Draw_Fraction();
    else if (draw < MISSES_MANY)
        share = 0.2 + 0.3 * Draw_Fraction();
    else
        share = 0.5 + 0.45 * Draw_Fraction();
    return std::clamp(Rounded(share * games), 1, games - 1);
}

// Games and starts of every player: a starter's missed starts go to the
// reserves behind him in depth order; a starter who lost his place to a
// benching still plays, one who was hurt does not.
void Set_Games(std::vector<ROSTER_PLAYER>& roster, int32_t games, TEAM_SEASON_FIGURES* figures) {
    int32_t open_starts[NUMBER_OF_POSITIONS] = {};
    for (ROSTER_PLAYER& player : roster) {
        int32_t* stats = figures->Players[player.Slot].Stats;
        if (player.Position == POSITION_K || player.Position == POSITION_P) {
            // A team kicks with one kicker and one punter all season.
            stats[0] = player.Starter ? games : 0;
            stats[1] = stats[0];
        } else if (player.Starter) {
            const int32_t missed = Draw_Missed_Starts(games);
            const bool benched = missed > 0 && Draw_Fraction() < BENCHED_SHARE;
            stats[1] = games - missed;
            stats[0] = benched ? games - Random_Below(missed / 2 + 1) : stats[1];
            open_starts[player.Position] += missed;
        } else {
            const double appearances = games * (0.25 + 0.6 * player.Share) * (0.5 + Draw_Fraction());
            stats[0] = std::min(games, Rounded(appearances) + Random_Below(3));
            stats[1] = 0;
        }
    }
    for (ROSTER_PLAYER& player : roster) {
        int32_t* stats = figures->Players[player.Slot].Stats;
        if (!player.Starter && open_starts[player.Position] > 0) {
            stats[1] = std::min(games, open_starts[player.Position]);
            open_starts[player.Position] -= stats[1];
            stats[0] = std::max(stats[0], stats[1]);
        }
        const int32_t first_reserve = STARTERS[player.Position];
        const double start_share = DEPTH_SHARE[player.Position][std::min(player.Rank, first_reserve - 1)];
        const double reserve_share =
            DEPTH_SHARE[player.Position][std::min(std::max(player.Rank, first_reserve), MOST_RANKS - 1)];
        player.Work =
            games > 0 ? (stats[1] * start_share + (stats[0] - stats[1]) * reserve_share) / games : 0.0;
    }
}

// How a passer's typical season compares with one of an average passer.
double Passer_Accuracy(const ROSTER_PLAYER& p) {
    return Clamped(Ratio(p.Typical[3], p.Typical[2], TYPICAL_COMPLETION_RATE) / TYPICAL_COMPLETION_RATE, 0.85,
                   1.15);
}

double Passer_Distance(const ROSTER_PLAYER& p) {
    return Clamped(Ratio(p.Typical[5], p.Typical[3], TYPICAL_YARDS_PER_COMPLETION) /
                       TYPICAL_YARDS_PER_COMPLETION,
                   0.85, 1.15);
}

// `value`, or when it passes `bound` a figure of its own below it, within
// the share `margin` of it: a bound the draws reach now and then, never one
// they pile up on.
int32_t Held_Below(int32_t value, int32_t bound, double margin = BOUND_MARGIN) {
    if (value <= bound) return value;
    return bound - static_cast<int32_t>(Draw_Fraction() * bound * margin);
}

// The parts with none above `record`: a part past it keeps a figure of its
// own below it, within the share `margin` of it, and its excess goes to the
// other parts below it as far as they stay below it, in proportion to
// `weights` (to their room below it without weights); what none can take is
// dropped. The parts' sum.
int32_t Hold_Parts_Below(std::vector<int32_t>* parts, int32_t record, double margin = BOUND_MARGIN,
                         const std::vector<double>& weights = {}) {
    std::vector<int32_t>& held = *parts;
    for (size_t n = 0; n < held.size(); ++n) {
        if (held[n] <= record) continue;
        const int32_t kept = Held_Below(held[n], record, margin);
        const int32_t excess = held[n] - kept;
        held[n] = kept;
        std::vector<double> shares(held.size(), 0.0);
        std::vector<int32_t> room(held.size(), 0);
        for (size_t m = 0; m < held.size(); ++m)
            if (m != n && held[m] < record) {
                room[m] = record - held[m];
                shares[m] = weights.empty() ? room[m] : weights[m];
            }
        const std::vector<int32_t> given = Share_Within(excess, shares, room);
        for (size_t m = 0; m < held.size(); ++m)
            held[m] += given[m];
    }
    int32_t total = 0;
    for (int32_t part : held)
        total += part;
    return total;
}

void Make_Passing_And_Receiving(std::vector<ROSTER_PLAYER>& roster, int32_t year, int32_t games,
                                const ERA_NORMS& norms, const TEAM_STRENGTH& strength,
                                TEAM_SEASON_FIGURES* figures) {
    const double quality = Clamped(strength.Passing, 0.7, 1.3) - 1.0;
    // A team throws no more than the era's busiest real teams did, nor any
    // of its passers more than the era's record.
    int32_t attempts =
        Held_Below(Rounded(norms.Pass_Attempts * games * (1.0 + 0.2 * quality) * strength.Pass_Volume),
                   Get_Team_Pass_Attempts_Ceiling(norms.Pass_Attempts * games));
    SHARE_LIST passers =
        Weigh(roster, [](const ROSTER_PLAYER& p) { return p.Position == POSITION_QB ? p.Work : 0.0; });
    if (passers.Players.empty())
        passers = Weigh(roster, [](const ROSTER_PLAYER& p) { return p.Position == POSITION_QB ? 1.0 : 0.0; });
    std::vector<int32_t> thrown;
    if (!passers.Players.empty()) {
        thrown = Share_Total(attempts, passers.Weights);
        // No passer throws more than the era's record.
        attempts = Hold_Parts_Below(&thrown, Get_Era_Passer_Attempts_Record(year));
        for (size_t n = 0; n < thrown.size(); ++n)
            figures->Players[passers.Players[n]->Slot].Stats[2] += thrown[n];
    }
    const int32_t completions =
        std::min(attempts, Rounded(attempts * norms.Completion_Rate *
                                   Clamped(1.0 + 0.12 * quality, 0.85, 1.15) * Spread(0.04)));
    // A team passes no better than the era's best real teams did.
    int32_t yards = Held_Below(Rounded(completions * norms.Yards_Per_Completion * (1.0 + 0.08 * quality) *
                                       strength.Pass_Efficiency * Spread(0.08)),
                               Get_Team_Passing_Yards_Ceiling(
                                   attempts, completions, norms.Completion_Rate * norms.Yards_Per_Completion,
                                   norms.Yards_Per_Completion),
                               TEAM_PASSING_MARGIN);
    // Every touchdown pass is a completion, and a pass is caught, dropped or intercepted.
    const int32_t touchdowns =
        std::min(completions, Rounded(attempts * norms.Touchdown_Rate *
                                      Clamped(1.0 + 0.35 * quality, 0.6, 1.4) * Spread(0.1)));
    const int32_t interceptions =
        std::min(attempts - completions, Rounded(attempts * norms.Interception_Rate *
                                                 Clamped(1.0 - 0.35 * quality, 0.6, 1.4) * Spread(0.1)));
    const int32_t sacks = Rounded(norms.Sacks * games * Clamped(1.0 - 0.2 * quality, 0.7, 1.3) * Spread(0.2));
    figures->Attempts = attempts;
    figures->Completions = completions;
    figures->Passing_Touchdowns = touchdowns;
    figures->Interceptions = interceptions;

    if (!passers.Players.empty()) {
        SHARE_LIST by_throws = passers, by_catches = passers, by_scores = passers, by_picks = passers;
        for (size_t n = 0; n < thrown.size(); ++n) {
            const ROSTER_PLAYER& passer = *passers.Players[n];
            by_throws.Weights[n] = thrown[n] * Passer_Accuracy(passer) * Spread(0.05);
            by_scores.Weights[n] = thrown[n] * Passer_Distance(passer) * Spread(0.25);
            by_picks.Weights[n] = thrown[n] / Passer_Accuracy(passer) * Spread(0.25);
        }
        const std::vector<int32_t> caught = Credit_Share(figures, by_throws, completions, 3);
        std::vector<int32_t> room(caught.size());
        for (size_t n = 0; n < caught.size(); ++n) {
            by_catches.Weights[n] = caught[n] * Passer_Distance(*passers.Players[n]) * Spread(0.07);
            room[n] = Line_Yards_Room(figures, *passers.Players[n], 5);
        }
        // No passer passes the best rates of real passers of his size: what
        // none has room for is not gained, and the receivers catch the rest.
        yards = Credit_Share_Within(figures, by_catches, yards, 5, room);
        Credit_Share(figures, by_scores, touchdowns, 6);
        Credit_Share(figures, by_picks, interceptions, 4);
        const std::vector<int32_t> sacked = Credit_Share(figures, Strayed(by_throws, 0.2), sacks, 14);
        for (size_t n = 0; n < sacked.size(); ++n)
            figures->Players[by_throws.Players[n]->Slot].Stats[15] += sacked[n] * 7;
    }

    SHARE_LIST catchers =
        Strayed(Weigh(roster,
                      [](const ROSTER_PLAYER& p) {
                          return Is_Receiver(p.Position) ? p.Work * std::pow(p.Typical[10] + 25.0, 0.6) : 0.0;
                      }),
                0.28);
    figures->Passing_Yards = yards;
    if (catchers.Players.empty()) return;
    const std::vector<int32_t> caught = Credit_Share(figures, catchers, completions, 10);
    SHARE_LIST by_yards = catchers, by_scores = catchers;
    std::vector<int32_t> room(caught.size());
    const double scoring_catches = Ratio(touchdowns, completions, 0.0);
    for (size_t n = 0; n < caught.size(); ++n) {
        const int32_t* typical = catchers.Players[n]->Typical;
        by_yards.Weights[n] = caught[n] * Ratio(typical[11], typical[10], norms.Yards_Per_Completion) *
                              Get_Catch_Length(catchers.Players[n]->Position) * Spread(0.08);
        by_scores.Weights[n] = caught[n] * (typical[12] + STEADYING_CATCHES * scoring_catches) /
                               (typical[10] + STEADYING_CATCHES) * Spread(0.4);
        int32_t* stats = figures->Players[catchers.Players[n]->Slot].Stats;
        stats[4] += Rounded(caught[n] * Ratio(attempts, completions, 1.6));
        stats[5] += Rounded(caught[n] * 0.55);
        room[n] = Line_Yards_Room(figures, *catchers.Players[n], 11);
    }
    figures->Receptions = completions;
    figures->Receiving_Yards = Credit_Share_Within(figures, by_yards, yards, 11, room);
    figures->Receiving_Touchdowns = touchdowns;
    Credit_Share(figures, by_scores, touchdowns, 12);
}

void Make_Rushing(std::vector<ROSTER_PLAYER>& roster, int32_t games, const ERA_NORMS& norms,
                  const TEAM_STRENGTH& strength, TEAM_SEASON_FIGURES* figures) {
    const double quality = Clamped(strength.Running, 0.7, 1.3) - 1.0;
    // A team runs no more than the era's busiest real teams did.
    const int32_t rushes =
        Held_Below(Rounded(norms.Rushes * games * (1.0 + 0.15 * quality) * strength.Run_Volume),
                   Get_Team_Rushes_Ceiling(norms.Rushes * games));
    const int32_t yards = Rounded(rushes * norms.Yards_Per_Rush * (1.0 + 0.1 * quality) * Spread(0.06));
    // Every rushing touchdown is a carry.
    const int32_t touchdowns =
        std::min(rushes, Rounded(norms.Rushing_Touchdowns * games * Clamped(1.0 + 0.35 * quality, 0.6, 1.4) *
                                 Spread(0.2)));
    figures->Rushes = rushes;
    figures->Rushing_Yards = yards;
    figures->Rushing_Touchdowns = touchdowns;
    SHARE_LIST runners =
        Strayed(Weigh(roster,
                      [&norms](const ROSTER_PLAYER& p) {
                          if (!Is_Ball_Carrier(p.Position)) return 0.0;
                          const double base = p.Position == POSITION_WR || p.Position == POSITION_TE
                                                  ? 1.0
                                                  : std::pow(p.Typical[7] + 10.0, 0.8);
                          const double role = p.Position == POSITION_QB   ? 0.35
                                              : p.Position == POSITION_FB ? norms.Fullback_Carries
                                                                          : 1.0;
                          return p.Work * base * role;
                      }),
                0.22);
    if (runners.Players.empty()) return;
    const std::vector<int32_t> carries = Credit_Share(figures, runners, rushes, 7);
    SHARE_LIST by_yards = runners, by_scores = runners;
    const double scoring_carries = Ratio(touchdowns, rushes, 0.0);
    for (size_t n = 0; n < carries.size(); ++n) {
        const int32_t* typical = runners.Players[n]->Typical;
        by_yards.Weights[n] =
            carries[n] * Clamped(Ratio(typical[8], typical[7], norms.Yards_Per_Rush), 1.0, 7.0) * Spread(0.1);
        by_scores.Weights[n] = carries[n] * (typical[9] + STEADYING_CARRIES * scoring_carries) /
                               (typical[7] + STEADYING_CARRIES) * Spread(0.35);
    }
    Credit_Share(figures, by_yards, yards, 8);
    Credit_Share(figures, by_scores, touchdowns, 9);
}

void Make_Fumbles(std::vector<ROSTER_PLAYER>& roster, int32_t games, const ERA_NORMS& norms,
                  TEAM_SEASON_FIGURES* figures) {
    // Each handler fumbles as often as he has the ball at risk: a passer on
    // his dropbacks, his sacks above all, and his carries; a back or receiver
    // on his touches, as often as his era's carriers lost the ball.
    SHARE_LIST handlers = Weigh(roster, [figures, &norms](const ROSTER_PLAYER& p) {
        if (!Is_Ball_Carrier(p.Position)) return 0.0;
        const int32_t* stats = figures->Players[p.Slot].Stats;
        if (p.Position == POSITION_QB)
            return stats[2] + stats[14] + SACK_FUMBLING * stats[14] + PASSER_CARRY_FUMBLING * stats[7];
        const double hold = p.Position == POSITION_RB || p.Position == POSITION_FB ? 1.0 : RECEIVER_FUMBLING;
        return norms.Carrier_Fumbling * hold * (stats[7] + stats[10]);
    });
    if (handlers.Players.empty()) return;
    // The handlers' shares are drawn before the team's total.
    const SHARE_LIST strayed = Strayed(handlers, 0.4);
    const int32_t total = Rounded(norms.Fumbles * HANDLED_FUMBLES * games * Spread(0.2));
    std::vector<int32_t> fumbles = Share_Total(total, strayed.Weights);
    // Nobody fumbles more often than the real league's record: a handler's
    // fumbles past it go to his teammates as their exposure has them.
    Hold_Parts_Below(&fumbles, MOST_SEASON_FUMBLES, FUMBLES_RECORD_MARGIN, strayed.Weights);
    for (size_t n = 0; n < fumbles.size(); ++n) {
        int32_t* stats = figures->Players[handlers.Players[n]->Slot].Stats;
        const bool quarterback = handlers.Players[n]->Position == POSITION_QB;
        stats[quarterback ? 19 : 2] += fumbles[n];
        stats[13] += Successes(fumbles[n], 0.5);
    }
}

void Make_Defence(std::vector<ROSTER_PLAYER>& roster, int32_t games, const ERA_NORMS& norms,
                  const TEAM_STRENGTH& strength, TEAM_SEASON_FIGURES* figures) {
    const double coverage = Clamped(strength.Pass_Defense, 0.7, 1.3) - 1.0;
    // Each defender's knack for the ball this season, and for the passer.
    std::vector<double> knack(PLAYERS_PER_TEAM, 1.0), rush(PLAYERS_PER_TEAM, 1.0);
    for (const ROSTER_PLAYER& player : roster) {
        knack[player.Slot] = Spread(0.3);
        rush[player.Slot] = Spread(0.3);
    }
    auto weigh_stat = [&roster, &knack, &rush](int32_t stat) {
        return Strayed(
            Weigh(roster,
                  [&, stat](const ROSTER_PLAYER& p) {
                      if (Get_Position_Group(p.Position) != DEFENCE_GROUP) return 0.0;
                      const double flair = stat == 4 ? rush[p.Slot] : stat >= 6 ? knack[p.Slot] : 1.0;
                      return p.Work * (p.Typical[stat] + 0.5) * flair;
                  }),
            0.15);
    };
    // The team's total is drawn before the defenders' shares of it.
    auto credit_stat = [&](int32_t stat, int32_t total) {
        Credit_Share(figures, weigh_stat(stat), total, stat);
    };
    credit_stat(2, Rounded(norms.Tackles * games * Spread(0.06)));
    credit_stat(3, Rounded(norms.Assists * games * Spread(0.1)));
    credit_stat(4, Rounded(2.0 * norms.Sacks * games * (1.0 + 0.2 * coverage) * Spread(0.15)));
    credit_stat(5, Rounded(norms.Fumbles * games * 0.55 * Spread(0.25)));
    credit_stat(6, Rounded(norms.Passes_Defended * games * (1.0 + 0.2 * coverage) * Spread(0.15)));
    const int32_t interceptions = Rounded(norms.Pass_Attempts * games * norms.Interception_Rate *
                                          (1.0 + 0.25 * coverage) * Spread(0.2));
    const int32_t recovered = Rounded(norms.Fumbles * games * 0.45 * Spread(0.25));
    credit_stat(7, interceptions);
    credit_stat(8, recovered);
    // One return in about fifteen goes the distance.
    const SHARE_LIST scorers = Weigh(roster, [figures](const ROSTER_PLAYER& p) {
        const int32_t* stats = figures->Players[p.Slot].Stats;
        return Get_Position_Group(p.Position) == DEFENCE_GROUP ? static_cast<double>(stats[7] + stats[8])
                                                               : 0.0;
    });
    const int32_t takeaways = interceptions + recovered;
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
        const int32_t total = Rounded(kind.Per_Game * games * Spread(0.15));
        int32_t main = total;
        if (kind.First_Stat == 14 && second_kick >= 0) {
            main = Rounded(total * (0.55 + 0.4 * Draw_Fraction()));
            int32_t* other = figures->Players[second_kick].Stats;
            other[14] += total - main;
            other[15] += Rounded((total - main) * kind.Average * 0.95 * Spread(0.1));
        }
        int32_t* stats = figures->Players[kind.Returner].Stats;
        const double rating = Get_Player_Rating(
            team, kind.Returner, kind.First_Stat == 14 ? RATING_KICK_RETURNS : RATING_PUNT_RETURNS);
        stats[kind.First_Stat] += main;
        stats[kind.First_Stat + 1] +=
            Rounded(main * kind.Average * Clamped(std::pow(rating / 70.0, 0.3), 0.8, 1.2) * Spread(0.08));
        stats[kind.First_Stat + 2] += (main + Random_Below(90)) / 90;
    }
}

void Make_Kicking(int32_t team, std::vector<ROSTER_PLAYER>& roster, int32_t year, int32_t games,
                  const ERA_NORMS& norms, int32_t touchdowns, TEAM_SEASON_FIGURES* figures) {
    const double offence = Clamped(figures->Passing_Yards + figures->Rushing_Yards, 1.0, 1e9);
    const double league_offence =
        games * (norms.Pass_Attempts * norms.Completion_Rate * norms.Yards_Per_Completion +
                 norms.Rushes * norms.Yards_Per_Rush);
    for (const ROSTER_PLAYER& player : roster) {
        if (player.Rank != 0) continue;
        int32_t* stats = figures->Players[player.Slot].Stats;
        if (player.Position == POSITION_K) {
            const double extra_point_rate =
                year >= 2015 ? 0.94 : Clamped(0.90 + 0.0015 * (year - 1951), 0.90, 0.99);
            stats[8] = touchdowns;
            stats[9] = Successes(touchdowns, extra_point_rate);
            Make_Field_Goals(team, player.Slot, games, norms, stats);
        } else if (player.Position == POSITION_P) {
            // A team that gains less punts more.
            const double stalled = Clamped(std::pow(league_offence / offence, 0.7), 0.75, 1.3);
            const int32_t punts = Rounded(norms.Punts * games * stalled * Spread(0.1));
            const double distance = Get_Player_Rating(team, player.Slot, RATING_PUNT_DISTANCE);
            stats[2] = punts;
            stats[3] = Rounded(punts * norms.Punt_Average *
                               Clamped(std::pow(distance / 70.0, 0.25), 0.92, 1.08) * Spread(0.03));
            stats[5] = punts > 0 ? Rounded(norms.Punt_Average) + 16 + Random_Below(14) : 0;
            stats[6] = Successes(punts, 0.09);
        }
    }
}

// What a player of `holds` has of `stat` past what his chances allow
// (`room` of his figures) goes to his teammates of `holds` with room left,
// in proportion to it, so the team's figure stays whole; what none of them
// can take is not credited.
template <typename H, typename R>
void Keep_Within(TEAM_SEASON_FIGURES* figures, int32_t stat, H holds, R room) {
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        PLAYER_SEASON_FIGURES& player = figures->Players[slot];
        if (player.Position < 0 || !holds(player.Position)) continue;
        const int32_t excess = player.Stats[stat] - std::max(0, room(player.Stats));
        if (excess <= 0) continue;
        player.Stats[stat] -= excess;
        std::vector<int32_t> mates;
        std::vector<double> space;
        int32_t open = 0;
        for (int32_t other = 0; other < PLAYERS_PER_TEAM; ++other) {
            const PLAYER_SEASON_FIGURES& mate = figures->Players[other];
            if (other == slot || mate.Position < 0 || !holds(mate.Position)) continue;
            const int32_t left = room(mate.Stats) - mate.Stats[stat];
            if (left <= 0) continue;
            mates.push_back(other);
            space.push_back(left);
            open += left;
        }
        // Parts in proportion to the room never pass it.
        const std::vector<int32_t> given = Share_Total(std::min(excess, open), space);
        for (size_t n = 0; n < mates.size(); ++n)
            figures->Players[mates[n]].Stats[stat] += given[n];
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

// Field goals by distance: the team's tries vary with its season, the
// kicker's makes with his accuracy around the era's rate; his longest lies in
// the band of his longest make.
void Make_Field_Goals(int32_t team, int32_t slot, int32_t games, const ERA_NORMS& norms, int32_t* stats) {
    const int32_t attempts = Rounded(norms.Field_Goal_Attempts * games * Spread(0.2));
    std::vector<double> bands = {0.36, 0.30, 0.24, 0.10};
    const double leg = Clamped(Get_Player_Rating(team, slot, RATING_FG_DISTANCE) / 70.0, 0.8, 1.2);
    bands[3] *= leg * Spread(0.3);
    bands[2] *= Spread(0.15);
    const std::vector<int32_t> tried = Share_Total(attempts, bands);
    const double base[4] = {0.95, 0.83, 0.66, 0.45};
    double expected = 0.0;
    for (int32_t band = 0; band < 4; ++band)
        expected += tried[band] * base[band];
    const double aim = Clamped(Get_Player_Rating(team, slot, RATING_FG_ACCURACY) / 70.0, 0.85, 1.15);
    const double scale = expected > 0.0 ? attempts * norms.Field_Goal_Rate / expected : 0.0;
    for (int32_t band = 0; band < 4; ++band) {
        const double rate = Clamped(base[band] * scale * std::pow(aim, 0.5) * Spread(0.05), 0.0, 0.99);
        stats[10 + 2 * band] = tried[band];
        stats[11 + 2 * band] = Successes(tried[band], rate);
    }
    stats[18] = stats[17] > 0   ? 50 + Random_Below(8)
                : stats[15] > 0 ? 40 + Random_Below(10)
                : stats[13] > 0 ? 30 + Random_Below(10)
                : stats[11] > 0 ? 20 + Random_Below(10)
                                : 0;
}

void Keep_Figures_Possible(TEAM_SEASON_FIGURES* figures) {
    // Yards come with their completions, carries or catches, never more than a play gains each.
    Keep_Within(figures, 5, Is_Passer, [](const int32_t* stats) { return MOST_YARDS_A_PLAY * stats[3]; });
    Keep_Within(figures, 8, Is_Ball_Carrier,
                [](const int32_t* stats) { return MOST_YARDS_A_PLAY * stats[7]; });
    Keep_Within(figures, 11, Is_Receiver, [](const int32_t* stats) { return MOST_YARDS_A_PLAY * stats[10]; });
    Keep_Within(figures, 6, Is_Passer, [](const int32_t* stats) { return stats[3]; });
    Keep_Within(figures, 4, Is_Passer, [](const int32_t* stats) { return stats[2] - stats[3]; });
    Keep_Within(figures, 9, Is_Ball_Carrier, [](const int32_t* stats) { return stats[7]; });
    Keep_Within(figures, 12, Is_Receiver, [](const int32_t* stats) { return stats[10]; });
    Keep_Within(figures, 9, Is_Defender, [](const int32_t* stats) { return stats[7] + stats[8]; });
}

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

std::vector<int32_t> Share_Within(int32_t total, const std::vector<double>& weights,
                                  const std::vector<int32_t>& limits) {
    std::vector<int32_t> parts(weights.size(), 0);
    std::vector<bool> open(weights.size());
    for (size_t n = 0; n < weights.size(); ++n)
        open[n] = limits[n] > 0;
    int32_t left = total;
    while (left > 0) {
        std::vector<size_t> taking;
        std::vector<double> shares;
        bool weighed = false;
        for (size_t n = 0; n < weights.size(); ++n)
            if (open[n]) {
                taking.push_back(n);
                shares.push_back(std::max(0.0, weights[n]));
                weighed = weighed || weights[n] > 0.0;
            }
        if (taking.empty()) break;
        if (!weighed) std::fill(shares.begin(), shares.end(), 1.0);
        const std::vector<int32_t> given = Share_Total(left, shares);
        bool filled = false;
        for (size_t m = 0; m < taking.size(); ++m) {
            const size_t n = taking[m];
            const int32_t taken = std::min(given[m], limits[n] - parts[n]);
            parts[n] += taken;
            left -= taken;
            if (parts[n] >= limits[n]) {
                open[n] = false;
                filled = true;
            }
        }
        // Every share fitted: all is given.
        if (!filled) break;
    }
    return parts;
}

std::vector<YARDS_BOUND> Get_Line_Yards_Bounds(int32_t position, int32_t yards_stat, const int32_t* stats) {
    std::vector<YARDS_BOUND> bounds;
    // A mark of rate in hundredths and its margin in per cent.
    auto past_mark = [](int32_t chances, int32_t mark, int32_t margin) {
        return YARDS_BOUND{chances, static_cast<int64_t>(mark) * (100 + margin), 100 * 100};
    };
    if (yards_stat == 5 && Is_Passer(position)) {
        bounds.push_back({3, MOST_YARDS_A_PLAY, 1});
        const int32_t best = Get_Best_Yards_An_Attempt(stats[2]);
        if (best > 0) bounds.push_back(past_mark(2, best, RATE_MARK_MARGIN_PERCENT));
        if (stats[3] >= LEAST_MARKED_THROWS)
            bounds.push_back(past_mark(3, Get_Best_Yards_A_Completion(), RATE_MARK_MARGIN_PERCENT));
    } else if (yards_stat == 8 && Is_Ball_Carrier(position)) {
        bounds.push_back({7, MOST_YARDS_A_PLAY, 1});
    } else if (yards_stat == 11 && Is_Receiver(position)) {
        bounds.push_back({10, MOST_YARDS_A_PLAY, 1});
        if (position == POSITION_RB || position == POSITION_FB)
            bounds.push_back({NO_CHANCES,
                              static_cast<int64_t>(Get_Best_Back_Receiving_Yards()) *
                                  (100 + BACK_RECEIVING_MARGIN_PERCENT),
                              100});
    }
    return bounds;
}

int32_t Get_Most_Line_Yards(int32_t position, int32_t yards_stat, const int32_t* stats) {
    int64_t most = INT32_MAX;
    for (const YARDS_BOUND& bound : Get_Line_Yards_Bounds(position, yards_stat, stats)) {
        const int64_t times = bound.Chances == NO_CHANCES ? 1 : std::max(0, stats[bound.Chances]);
        most = std::min(most, bound.Numerator * times / bound.Denominator);
    }
    return static_cast<int32_t>(most);
}

std::vector<bool> Choose_Season_Roster(int32_t team, int32_t year) {
    std::vector<bool> kept(PLAYERS_PER_TEAM, false);
    std::vector<int32_t> slots[NUMBER_OF_POSITIONS];
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        if (!Is_Player_Slot_Used(team, slot)) continue;
        const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
        if (position >= 0 && position < NUMBER_OF_POSITIONS) slots[position].push_back(slot);
    }
    int32_t seats[NUMBER_OF_POSITIONS] = {};
    int32_t left = std::max(Get_Season_Roster_Limit(year), SMALLEST_GAME_ROSTER);
    for (int32_t position = 0; position < NUMBER_OF_POSITIONS; ++position) {
        seats[position] = std::min(STARTERS[position], static_cast<int32_t>(slots[position].size()));
        left -= seats[position];
    }
    // Each seat left goes to the position furthest below its share of a full roster.
    for (; left > 0; --left) {
        int32_t neediest = -1;
        double most = 0.0;
        for (int32_t position = 0; position < NUMBER_OF_POSITIONS; ++position) {
            if (seats[position] >= static_cast<int32_t>(slots[position].size())) continue;
            const double need = static_cast<double>(FULL_ROSTER[position]) / (seats[position] + 1);
            if (neediest < 0 || need > most) {
                neediest = position;
                most = need;
            }
        }
        if (neediest < 0) break;
        ++seats[neediest];
    }
    for (int32_t position = 0; position < NUMBER_OF_POSITIONS; ++position)
        for (int32_t n = 0; n < seats[position]; ++n)
            kept[slots[position][n]] = true;
    return kept;
}

// One factor per team around 1 whose logarithms are spread as a normal
// variable of `deviation`: the teams take its quantiles in a random order,
// so a season of few teams spans the range as a season of many does.
std::vector<double> Spread_Over_Teams(int32_t count, double deviation) {
    std::vector<double> factors(count);
    for (int32_t n = 0; n < count; ++n) {
        const double quantile = (n + 0.5) / count;
        // The logistic close to the normal's quantile function.
        const double normal = std::log(quantile / (1.0 - quantile)) * std::sqrt(3.0) / std::numbers::pi;
        factors[n] = std::exp(deviation * normal);
    }
    for (int32_t n = count - 1; n > 0; --n)
        std::swap(factors[n], factors[Random_Below(n + 1)]);
    return factors;
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
    // Each team's passing volume is a draw of its own: how much a season's
    // busiest team throws varies from year to year as the real league's did,
    // and only a rare season comes near the era's busiest.
    std::vector<double> passing(counted);
    for (double& volume : passing)
        volume = Spread(PASS_VOLUME_SPREAD);
    const std::vector<double> running = Spread_Over_Teams(counted, RUN_VOLUME_SPREAD);
    const std::vector<double> efficiency = Spread_Over_Teams(counted, PASS_EFFICIENCY_SPREAD);
    for (int32_t team = 0, n = 0; team < teams; ++team) {
        if (!Is_Used_Franchise_Slot(team)) continue;
        strengths[team].Pass_Volume = passing[n];
        strengths[team].Run_Volume = running[n];
        strengths[team].Pass_Efficiency = efficiency[n];
        ++n;
    }
    return strengths;
}

void Make_Team_Season_Figures(int32_t team, int32_t year, int32_t games, const TEAM_STRENGTH& strength,
                              TEAM_SEASON_FIGURES* figures) {
    memset(figures, 0, sizeof *figures);
    const ERA_NORMS norms = Get_Era_Norms(year);
    std::vector<ROSTER_PLAYER> roster = Read_Roster(team, year);
    Set_Games(roster, games, figures);
    Make_Passing_And_Receiving(roster, year, games, norms, strength, figures);
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
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        figures->Players[slot].Position = -1;
    for (const ROSTER_PLAYER& player : roster) {
        figures->Players[player.Slot].Value =
            Season_Value(team, player, figures->Players[player.Slot], games);
        figures->Players[player.Slot].Position = player.Position;
    }
    Keep_Figures_Possible(figures);
}
