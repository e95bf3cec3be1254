#include "tools/season_inputs/season_leaders.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <iterator>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "tools/season_inputs/decade_leaders.h"
#include "tools/season_inputs/era_records.h"
#include "tools/season_inputs/volume_records.h"

namespace {
constexpr int32_t NO_STAT = -1;
constexpr int32_t MOST_CHANCES = 3;
// Every category is held once more: a later category's moves may take a
// leader of an earlier one below its band, and the second round lifts him
// again within the bounds the first set.
constexpr int32_t HOLDING_ROUNDS = 2;
// A season lets its leaders of volume past the record standing (by a share
// of the margin drawn for it) as often as real seasons saw a record fall:
// about one season in five.
constexpr double RECORD_PASSING_SEASONS = 0.2;
// A player held below a bound of volume keeps a figure of his own, drawn
// below it within this share of the record standing.
constexpr double VOLUME_HELD_SPAN = 0.12;
// Tries at taking a smaller share when a player's gathering would pass one
// of his bounds.
constexpr int32_t GATHERING_TRIES = 8;

// The figures of one kind of play that move together between teammates:
// its chances, each within the next (a receiver's first downs within his
// catches, his catches within his targets), and the yards gained in them.
struct PLAY_FIGURES {
    int32_t Chances[MOST_CHANCES]; // innermost first; NO_STAT past the last
    int32_t Yards;
};
constexpr PLAY_FIGURES PASSING{{3, 2, NO_STAT}, 5};
constexpr PLAY_FIGURES RUSHING{{7, NO_STAT, NO_STAT}, 8};
constexpr PLAY_FIGURES RECEIVING{{5, 10, 4}, 11};

struct LEADER_STAT {
    int32_t Stat;
    double Scale; // stored units per counted one (sacks are kept in halves)
    bool (*Holds)(int32_t position);
    // The figures that move with it; nullptr when it moves alone.
    const PLAY_FIGURES* Play;
    // What a teammate's share of the figures moved to him goes by: his
    // completions, carries, catches or targets; NO_STAT for his room below
    // the category's top.
    int32_t Share_By;
    // Held within a band around the decade's real leaders, or below the
    // records of volume (NUMBER_OF_LEADER_CATEGORIES then).
    LEADER_CATEGORY Decade;
    VOLUME_KIND Volume;
};

// The three yardages first, in LEADER_CATEGORY order.
constexpr LEADER_STAT LEADER_STATS[] = {
    {5, 1.0, Is_Passer, &PASSING, 3, LEADER_PASSING_YARDS, NUMBER_OF_VOLUME_KINDS},
    {8, 1.0, Is_Ball_Carrier, &RUSHING, 7, LEADER_RUSHING_YARDS, NUMBER_OF_VOLUME_KINDS},
    {11, 1.0, Is_Receiver, &RECEIVING, 10, LEADER_RECEIVING_YARDS, NUMBER_OF_VOLUME_KINDS},
    {7, 1.0, Is_Defender, nullptr, NO_STAT, LEADER_INTERCEPTIONS, NUMBER_OF_VOLUME_KINDS},
    {4, 2.0, Is_Defender, nullptr, NO_STAT, LEADER_SACKS, NUMBER_OF_VOLUME_KINDS},
    {7, 1.0, Is_Ball_Carrier, &RUSHING, 7, NUMBER_OF_LEADER_CATEGORIES, VOLUME_CARRIES},
    {10, 1.0, Is_Receiver, &RECEIVING, 10, NUMBER_OF_LEADER_CATEGORIES, VOLUME_CATCHES},
    {4, 1.0, Is_Receiver, &RECEIVING, 4, NUMBER_OF_LEADER_CATEGORIES, VOLUME_TARGETS}};
constexpr int32_t HELD_CATEGORIES = static_cast<int32_t>(std::size(LEADER_STATS));

// A category's bounds in one season.
struct LEADER_BAND {
    bool Held = false;
    int32_t Highest = INT32_MAX;
    int32_t Lowest = 0;
    // How far below Highest (above Lowest) a player brought within the band
    // keeps his figure, at most.
    double Span = 0.0;
};

LEADER_BAND Measure_Band(const LEADER_STAT& category, int32_t year, double margin) {
    LEADER_BAND band;
    if (category.Volume != NUMBER_OF_VOLUME_KINDS) {
        // The draws in this order: whether the record may fall, then by how much.
        const bool passing = Draw_Fraction() < RECORD_PASSING_SEASONS;
        const double past = passing ? RECORD_PASSING_MARGIN * Draw_Fraction() : 0.0;
        const int32_t standing = Get_Standing_Volume_Record(category.Volume, year);
        band.Held = true;
        band.Highest = Get_Volume_Bound(category.Volume, year, past);
        band.Span = VOLUME_HELD_SPAN * (standing > 0 ? standing : band.Highest);
        return band;
    }
    const double real = Get_Decade_Leader_Figure(year, category.Decade) * category.Scale;
    if (real <= 0.0) return band;
    // Never above what the era's real passers reached.
    const int32_t ceiling =
        category.Decade == LEADER_PASSING_YARDS ? Get_Era_Passing_Yards_Ceiling(year) : INT32_MAX;
    band.Held = true;
    band.Highest = std::min(static_cast<int32_t>(std::floor(real * (1.0 + margin))), ceiling);
    band.Lowest = static_cast<int32_t>(std::ceil(real * (1.0 - margin)));
    band.Span = real * margin * 0.75;
    return band;
}

// A player's figures of a category as layers that move in proportion: the
// chances, each less the one within it, then the yards; or the category's
// figure alone.
struct LAYERS {
    int32_t Figures[MOST_CHANCES + 1] = {};
};

LAYERS Layers_Of(const LEADER_STAT& category, const int32_t* stats) {
    LAYERS layers;
    if (category.Play == nullptr) {
        layers.Figures[0] = std::max(0, stats[category.Stat]);
        return layers;
    }
    int32_t within = 0;
    for (int32_t n = 0; n < MOST_CHANCES && category.Play->Chances[n] != NO_STAT; ++n) {
        const int32_t figure = stats[category.Play->Chances[n]];
        layers.Figures[n] = std::max(0, figure - within);
        within = std::max(within, figure);
    }
    layers.Figures[MOST_CHANCES] = std::max(0, stats[category.Play->Yards]);
    return layers;
}

// How much of statistic `stat` the layers hold.
int32_t Figure_In(const LEADER_STAT& category, const LAYERS& layers, int32_t stat) {
    if (category.Play == nullptr) return stat == category.Stat ? layers.Figures[0] : 0;
    if (stat == category.Play->Yards) return layers.Figures[MOST_CHANCES];
    int32_t within = 0;
    for (int32_t n = 0; n < MOST_CHANCES && category.Play->Chances[n] != NO_STAT; ++n) {
        within += layers.Figures[n];
        if (category.Play->Chances[n] == stat) return within;
    }
    return 0;
}

// The statistics the layers change.
std::vector<int32_t> Stats_Of(const LEADER_STAT& category) {
    if (category.Play == nullptr) return {category.Stat};
    std::vector<int32_t> stats;
    for (int32_t stat : category.Play->Chances)
        if (stat != NO_STAT) stats.push_back(stat);
    stats.push_back(category.Play->Yards);
    return stats;
}

// The share `fraction` of every layer, rounded; of the chances' layers
// only, the yards whole, without `yards_too`.
LAYERS Part_Of(const LAYERS& whole, double fraction, bool yards_too = true) {
    LAYERS part = whole;
    for (int32_t n = 0; n < (yards_too ? MOST_CHANCES + 1 : MOST_CHANCES); ++n)
        part.Figures[n] =
            std::clamp(static_cast<int32_t>(std::lround(whole.Figures[n] * fraction)), 0, whole.Figures[n]);
    return part;
}

LAYERS Sum_Layers(const std::vector<LAYERS>& parts) {
    LAYERS sum;
    for (const LAYERS& part : parts)
        for (int32_t layer = 0; layer <= MOST_CHANCES; ++layer)
            sum.Figures[layer] += part.Figures[layer];
    return sum;
}

// Adds the layers to a player's figures (`sign` -1 takes them away).
void Apply_Layers(const LEADER_STAT& category, const LAYERS& layers, int32_t sign, int32_t* stats) {
    for (int32_t stat : Stats_Of(category))
        stats[stat] += sign * Figure_In(category, layers, stat);
}

// Parts of `total` in proportion to `weights` (equal when every weight is
// 0), none above its limit: what a part cannot take goes to the others.
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

struct SEASON_BOUNDS {
    int32_t Year;
    LEADER_BAND Bands[HELD_CATEGORIES];

    // The most a player who holds `category` may be given of `stat`: the
    // foot of the upper part of each band of that statistic held by the same
    // players (those held there keep figures of their own above it), and a
    // passer's attempts within the era's record.
    int32_t Cap(const LEADER_STAT& category, int32_t stat) const {
        int32_t cap = INT32_MAX;
        for (int32_t n = 0; n < HELD_CATEGORIES; ++n)
            if (Bands[n].Held && LEADER_STATS[n].Stat == stat && LEADER_STATS[n].Holds == category.Holds)
                cap = std::min(cap, Bands[n].Highest - static_cast<int32_t>(Bands[n].Span));
        if (category.Holds == Is_Passer && stat == 2)
            cap = std::min(cap, Get_Era_Passer_Attempts_Record(Year));
        return cap;
    }

    // The largest share of `moved` a player with figures `stats` can take
    // without passing a bound (of any statistic but `unbound`).
    double Room_For(const LEADER_STAT& category, const LAYERS& moved, const int32_t* stats,
                    int32_t unbound = NO_STAT) const {
        double most = 1.0;
        for (int32_t stat : Stats_Of(category)) {
            const int32_t figure = Figure_In(category, moved, stat);
            const int32_t cap = Cap(category, stat);
            if (stat == unbound || figure <= 0 || cap == INT32_MAX) continue;
            most = std::min(most, std::max(0, cap - stats[stat]) / static_cast<double>(figure));
        }
        return most;
    }
};

bool Plays_For(const LEADER_STAT& category, const PLAYER_SEASON_FIGURES& player) {
    return category.Holds(player.Position) && player.Stats[0] > 0;
}

// The player gives `amount` of the category to his teammates who play and
// have the chances it goes by, in proportion to those chances (a figure that
// moves alone by their room below the top), none past a bound; the figures
// of the category's play go along in proportion, so each keeps his yards a
// chance within those of the two.
void Give_To_Teammates(const SEASON_BOUNDS& bounds, int32_t index, TEAM_SEASON_FIGURES* figures, int32_t slot,
                       int32_t amount) {
    const LEADER_STAT& category = LEADER_STATS[index];
    PLAYER_SEASON_FIGURES& giver = figures->Players[slot];
    const int32_t has = giver.Stats[category.Stat];
    if (has <= 0 || amount <= 0) return;
    const LAYERS whole = Layers_Of(category, giver.Stats);
    const LAYERS moved = Part_Of(whole, static_cast<double>(std::min(amount, has)) / has);
    const int32_t moving = Figure_In(category, moved, category.Stat);
    if (moving <= 0) return;
    std::vector<int32_t> mates, limits;
    std::vector<double> weights;
    for (int32_t s = 0; s < PLAYERS_PER_TEAM; ++s) {
        const PLAYER_SEASON_FIGURES& mate = figures->Players[s];
        if (s == slot || !Plays_For(category, mate) ||
            (category.Share_By != NO_STAT && mate.Stats[category.Share_By] <= 0))
            continue;
        mates.push_back(s);
        weights.push_back(category.Share_By != NO_STAT
                              ? mate.Stats[category.Share_By]
                              : std::max(0, bounds.Bands[index].Highest - mate.Stats[category.Stat]));
        limits.push_back(
            static_cast<int32_t>(std::floor(bounds.Room_For(category, moved, mate.Stats) * moving)));
    }
    const std::vector<int32_t> parts = Share_Within(moving, weights, limits);
    int32_t placed = 0;
    for (int32_t part : parts)
        placed += part;
    if (placed <= 0) return;
    // What the teammates can take, layer by layer in proportion to their parts.
    const LAYERS given = Part_Of(moved, static_cast<double>(placed) / moving);
    std::vector<double> shares(parts.begin(), parts.end());
    std::vector<LAYERS> taken(mates.size());
    for (int32_t layer = 0; layer <= MOST_CHANCES; ++layer) {
        const std::vector<int32_t> split = Share_Total(given.Figures[layer], shares);
        for (size_t n = 0; n < mates.size(); ++n)
            taken[n].Figures[layer] = split[n];
    }
    for (size_t n = 0; n < mates.size(); ++n) {
        Apply_Layers(category, taken[n], 1, figures->Players[mates[n]].Stats);
        Apply_Layers(category, taken[n], -1, giver.Stats);
    }
}

// The player takes `amount` of the category from his teammates who play, in
// proportion to what each has, with the figures of its play: yards with the
// chances they were gained in when his chances stay within their bounds,
// else alone (his yards a chance rise); less when so much would take him
// past a bound.
void Gather_From_Teammates(const SEASON_BOUNDS& bounds, int32_t index, TEAM_SEASON_FIGURES* figures,
                           int32_t slot, int32_t amount) {
    const LEADER_STAT& category = LEADER_STATS[index];
    PLAYER_SEASON_FIGURES& taker = figures->Players[slot];
    std::vector<int32_t> mates;
    std::vector<double> weights;
    int32_t held = 0;
    for (int32_t s = 0; s < PLAYERS_PER_TEAM; ++s) {
        const PLAYER_SEASON_FIGURES& mate = figures->Players[s];
        if (s == slot || !Plays_For(category, mate) || mate.Stats[category.Stat] <= 0) continue;
        mates.push_back(s);
        weights.push_back(mate.Stats[category.Stat]);
        held += mate.Stats[category.Stat];
    }
    amount = std::min(amount, held);
    for (int32_t tries = 0; tries < GATHERING_TRIES && amount > 0; ++tries) {
        const std::vector<int32_t> parts = Share_Total(amount, weights);
        std::vector<LAYERS> taken(mates.size());
        for (size_t n = 0; n < mates.size(); ++n) {
            const int32_t* stats = figures->Players[mates[n]].Stats;
            taken[n] =
                Part_Of(Layers_Of(category, stats), static_cast<double>(parts[n]) / stats[category.Stat]);
        }
        const bool yardage = category.Play != nullptr && category.Stat == category.Play->Yards;
        if (yardage) {
            if (bounds.Room_For(category, Sum_Layers(taken), taker.Stats, category.Stat) < 1.0)
                for (LAYERS& layers : taken)
                    layers = Part_Of(layers, 0.0, false);
        }
        const LAYERS gathered = Sum_Layers(taken);
        const double room = bounds.Room_For(category, gathered, taker.Stats);
        if (room >= 1.0) {
            for (size_t n = 0; n < mates.size(); ++n) {
                Apply_Layers(category, taken[n], -1, figures->Players[mates[n]].Stats);
                Apply_Layers(category, taken[n], 1, taker.Stats);
            }
            return;
        }
        amount = static_cast<int32_t>(std::floor(amount * room));
    }
}

// The player with the most of the category (the first on ties), and his
// team; -1 when nobody holds it.
int32_t Find_Category_Leader(const std::vector<TEAM_SEASON_FIGURES*>& teams, const LEADER_STAT& category,
                             size_t* team, int32_t* slot) {
    int32_t most = -1;
    for (size_t t = 0; t < teams.size(); ++t)
        for (int32_t s = 0; s < PLAYERS_PER_TEAM; ++s) {
            const PLAYER_SEASON_FIGURES& player = teams[t]->Players[s];
            if (!category.Holds(player.Position) || player.Stats[category.Stat] <= most) continue;
            most = player.Stats[category.Stat];
            *team = t;
            *slot = s;
        }
    return most;
}

// The best player of the team with the most of the category.
void Find_Best_Team_Leader(const std::vector<TEAM_SEASON_FIGURES*>& teams, const LEADER_STAT& category,
                           size_t* team, int32_t* slot) {
    int64_t richest = -1;
    for (size_t t = 0; t < teams.size(); ++t) {
        int64_t sum = 0;
        int32_t best = -1;
        for (int32_t s = 0; s < PLAYERS_PER_TEAM; ++s) {
            const PLAYER_SEASON_FIGURES& player = teams[t]->Players[s];
            if (!category.Holds(player.Position)) continue;
            sum += player.Stats[category.Stat];
            if (best < 0 || player.Stats[category.Stat] > teams[t]->Players[best].Stats[category.Stat])
                best = s;
        }
        if (best >= 0 && sum > richest) {
            richest = sum;
            *team = t;
            *slot = best;
        }
    }
}

void Hold_Category(const SEASON_BOUNDS& bounds, int32_t index,
                   const std::vector<TEAM_SEASON_FIGURES*>& teams) {
    const LEADER_STAT& category = LEADER_STATS[index];
    const LEADER_BAND& band = bounds.Bands[index];
    // Each player above the band keeps a figure of his own in its upper
    // part, so no two seasons' leaders share one; every one after the first
    // stays below the first, so a season with many above the band does not
    // crowd its leader against the top.
    int32_t top = band.Highest;
    for (int32_t pass = 0; pass < static_cast<int32_t>(teams.size()) * 3; ++pass) {
        size_t team = 0;
        int32_t slot = 0;
        const int32_t most = Find_Category_Leader(teams, category, &team, &slot);
        if (most < 0) break;
        if (most > top) {
            const int32_t kept = top - static_cast<int32_t>(Draw_Fraction() * band.Span);
            Give_To_Teammates(bounds, index, teams[team], slot, most - kept);
            if (top == band.Highest) top = std::max(kept, teams[team]->Players[slot].Stats[category.Stat]);
            continue;
        }
        if (most < band.Lowest) {
            // The best player of the team with the most of it gathers his teammates' share.
            Find_Best_Team_Leader(teams, category, &team, &slot);
            const int32_t reached = band.Lowest + static_cast<int32_t>(Draw_Fraction() * band.Span);
            Gather_From_Teammates(bounds, index, teams[team], slot,
                                  reached - teams[team]->Players[slot].Stats[category.Stat]);
        }
        break;
    }
}
} // namespace

void Hold_Season_Leaders(int32_t year, const std::vector<TEAM_SEASON_FIGURES*>& teams, double margin) {
    SEASON_BOUNDS bounds{year, {}};
    for (int32_t n = 0; n < HELD_CATEGORIES; ++n)
        bounds.Bands[n] = Measure_Band(LEADER_STATS[n], year, margin);
    for (int32_t round = 0; round < HOLDING_ROUNDS; ++round)
        for (int32_t n = 0; n < HELD_CATEGORIES; ++n)
            if (bounds.Bands[n].Held) Hold_Category(bounds, n, teams);
    // A player who gave up chances keeps no touchdown without one.
    for (TEAM_SEASON_FIGURES* figures : teams)
        Keep_Figures_Possible(figures);
}

void Set_Season_Leaders_Apart(const std::vector<TEAM_SEASON_FIGURES*>& teams,
                              std::array<std::set<int32_t>, YARDAGE_LEADER_CATEGORIES>* taken) {
    for (int32_t n = 0; n < YARDAGE_LEADER_CATEGORIES; ++n) {
        const LEADER_STAT& category = LEADER_STATS[n];
        std::set<int32_t>& figures = (*taken)[n];
        size_t team = 0;
        int32_t slot = 0;
        int32_t most = Find_Category_Leader(teams, category, &team, &slot);
        while (most > 0 && figures.count(most) != 0) {
            // The teammate with the most of it who stays below him and has
            // the chances for one more yard.
            PLAYER_SEASON_FIGURES* players = teams[team]->Players;
            int32_t mate = -1;
            for (int32_t s = 0; s < PLAYERS_PER_TEAM; ++s) {
                const int32_t has = players[s].Stats[category.Stat];
                if (s == slot || !Plays_For(category, players[s]) || has <= 0 || has + 1 >= most ||
                    has + 1 > MOST_YARDS_A_PLAY * players[s].Stats[category.Share_By] ||
                    (mate >= 0 && has <= players[mate].Stats[category.Stat]))
                    continue;
                mate = s;
            }
            if (mate < 0) break;
            --players[slot].Stats[category.Stat];
            ++players[mate].Stats[category.Stat];
            most = Find_Category_Leader(teams, category, &team, &slot);
        }
        if (most > 0) figures.insert(most);
    }
}
