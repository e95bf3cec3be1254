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
    // Never above what the era's real leaders reached: the record standing
    // at the season's end and its margin (for passers their era's ceiling).
    const VOLUME_KIND record = Get_Leader_Record_Kind(category.Decade);
    const int32_t ceiling = category.Decade == LEADER_PASSING_YARDS ? Get_Era_Passing_Yards_Ceiling(year)
                            : record != NUMBER_OF_VOLUME_KINDS      ? Get_Era_Volume_Ceiling(record, year)
                                                                    : INT32_MAX;
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

// The largest share of `moved` with which the player's yards stay within
// the bounds of his line (season_statistics.h), each read as it stands
// with all of it taken: for a passer's rates the tightest, the mark of more
// attempts being the lower.
double Yards_Room_For(const LEADER_STAT& category, const LAYERS& moved, const PLAYER_SEASON_FIGURES& player) {
    const int32_t yards_stat = category.Play->Yards;
    int32_t after[NUMBER_OF_SEASON_STATS];
    std::copy(std::begin(player.Stats), std::end(player.Stats), after);
    Apply_Layers(category, moved, 1, after);
    const double yards = Figure_In(category, moved, yards_stat);
    double most = 1.0;
    for (const YARDS_BOUND& bound : Get_Line_Yards_Bounds(player.Position, yards_stat, after)) {
        const double each = static_cast<double>(bound.Numerator) / static_cast<double>(bound.Denominator);
        const bool per_chance = bound.Chances != NO_CHANCES;
        const double held = per_chance ? each * player.Stats[bound.Chances] : each;
        const double added = per_chance ? each * Figure_In(category, moved, bound.Chances) : 0.0;
        if (yards <= added) continue;
        const double room = held - player.Stats[yards_stat];
        if (room <= 0.0) return 0.0;
        most = std::min(most, room / (yards - added));
    }
    return most;
}

struct SEASON_BOUNDS {
    int32_t Year;
    LEADER_BAND Bands[HELD_CATEGORIES];

    // The most a player of `position` may be given of `stat`: the foot of
    // the upper part of each band of that statistic that holds him (those
    // held there keep figures of their own above it), and a passer's
    // attempts within the era's record.
    int32_t Cap(int32_t position, int32_t stat) const {
        int32_t cap = INT32_MAX;
        for (int32_t n = 0; n < HELD_CATEGORIES; ++n)
            if (Bands[n].Held && LEADER_STATS[n].Stat == stat && LEADER_STATS[n].Holds(position))
                cap = std::min(cap, Bands[n].Highest - static_cast<int32_t>(Bands[n].Span));
        if (Is_Passer(position) && stat == 2) cap = std::min(cap, Get_Era_Passer_Attempts_Record(Year));
        return cap;
    }

    // The largest share of `moved` the player can take without passing a
    // bound of its figures or of his line's yards.
    double Room_For(const LEADER_STAT& category, const LAYERS& moved,
                    const PLAYER_SEASON_FIGURES& player) const {
        double most = 1.0;
        for (int32_t stat : Stats_Of(category)) {
            const int32_t figure = Figure_In(category, moved, stat);
            const int32_t cap = Cap(player.Position, stat);
            if (figure <= 0 || cap == INT32_MAX) continue;
            most = std::min(most, std::max(0, cap - player.Stats[stat]) / static_cast<double>(figure));
        }
        if (category.Play != nullptr) most = std::min(most, Yards_Room_For(category, moved, player));
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
        limits.push_back(static_cast<int32_t>(std::floor(bounds.Room_For(category, moved, mate) * moving)));
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
// proportion to what each has, with the figures of its play (yards always
// with the chances they were gained in); less when so much would take him
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
        const double room = bounds.Room_For(category, Sum_Layers(taken), taker);
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

// A line whose yards of the category (a yardage) pass the bounds of their
// chances (season_statistics.h), as a share rounded in a move may leave
// one, gives the fewest of its chances that bring it within them to the
// teammate with the most of the chances who can take them: a passer his
// completed passes, a receiver his catches with their targets and first
// downs. They take his own share of his yards a chance when that is
// enough, else the most yards a chance they can: his longest. Yards never
// move without their chances.
void Hold_Line_Yards(const SEASON_BOUNDS& bounds, int32_t index, TEAM_SEASON_FIGURES* figures, int32_t slot) {
    const LEADER_STAT& category = LEADER_STATS[index];
    PLAYER_SEASON_FIGURES& giver = figures->Players[slot];
    const int32_t yards = giver.Stats[category.Stat];
    const int32_t chances = giver.Stats[category.Share_By];
    if (yards <= Get_Most_Line_Yards(giver.Position, category.Stat, giver.Stats) || chances <= 0) return;
    const LAYERS whole = Layers_Of(category, giver.Stats);
    for (const bool longest : {false, true})
        for (int32_t given = 1; given <= chances; ++given) {
            LAYERS moved = Part_Of(whole, static_cast<double>(given) / chances, false);
            // Completed passes: the passes not caught stay with him.
            if (category.Play == &PASSING) moved.Figures[1] = 0;
            const int32_t moving = Figure_In(category, moved, category.Share_By);
            if (moving <= 0) continue;
            int32_t kept[NUMBER_OF_SEASON_STATS];
            std::copy(std::begin(giver.Stats), std::end(giver.Stats), kept);
            Apply_Layers(category, moved, -1, kept);
            const int64_t own_share = (static_cast<int64_t>(yards) * moving + chances - 1) / chances;
            const int64_t needed = yards - Get_Most_Line_Yards(giver.Position, category.Stat, kept);
            if (needed > (longest ? static_cast<int64_t>(MOST_YARDS_A_PLAY) * moving : own_share)) continue;
            moved.Figures[MOST_CHANCES] = static_cast<int32_t>(std::max(own_share, needed));
            int32_t taker = -1;
            for (int32_t s = 0; s < PLAYERS_PER_TEAM; ++s) {
                const PLAYER_SEASON_FIGURES& mate = figures->Players[s];
                if (s == slot || !Plays_For(category, mate) || bounds.Room_For(category, moved, mate) < 1.0 ||
                    (taker >= 0 &&
                     mate.Stats[category.Share_By] <= figures->Players[taker].Stats[category.Share_By]))
                    continue;
                taker = s;
            }
            if (taker < 0) continue;
            Apply_Layers(category, moved, 1, figures->Players[taker].Stats);
            Apply_Layers(category, moved, -1, giver.Stats);
            return;
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
    for (TEAM_SEASON_FIGURES* figures : teams)
        for (int32_t n = 0; n < YARDAGE_LEADER_CATEGORIES; ++n)
            for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
                if (Plays_For(LEADER_STATS[n], figures->Players[slot]))
                    Hold_Line_Yards(bounds, n, figures, slot);
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
                    has + 1 > Get_Most_Line_Yards(players[s].Position, category.Stat, players[s].Stats) ||
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
