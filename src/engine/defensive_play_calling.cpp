// The computer's defensive call: a weighted choice among the defence's 30
// plays by how they fare against five guesses of the offence's call, how well
// their formation suits the situation and the team's system.
#include "engine/defensive_play_calling.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "app/diagnostics.h"
#include "database/league_structure.h"
#include "database/random_numbers.h"
#include "database/team_record.h"
#include "database/team_record_layout.h"
#include "engine/downs_and_clock.h"
#include "engine/game_record.h"
#include "engine/offensive_play_calling.h"
#include "engine/play_loop.h"
#include "engine/play_matchups.h"
#include "engine/playbook_records.h"
#include "engine/snap_answers.h"
#include "engine/snap_decisions.h"
#include "playbooks/playbook_queries.h"

alignas(64) int32_t Play_Matchup_Table[OFFENSIVE_PLAY_NUMBERS][MATCHUP_TABLE_COLUMNS];

namespace {
constexpr int32_t DEFENSIVE_FORMATIONS = 17;
constexpr int32_t PASS_FOCUS[DEFENSIVE_FORMATIONS] = {975,  975,  875,  1025, 1025, 1000, 825, 925, 1125,
                                                      1125, 1100, 1150, 1225, 1250, 1375, 775, 675};
constexpr int32_t GUESSES = 5;

int32_t Defensive_System_Of(int32_t team) {
    if (team < 0 || team >= TOTAL_NUMBER_OF_TEAMS) return 0;
    return Get_Team_Stat(team, TEAM_STAT_DEFENSIVE_SYSTEM);
}

int64_t Per_Mille(int64_t a, int64_t b) {
    // a * b / 1000 rounded to nearest with a 64-bit product, halves away
    // from zero (the magnitude divided unsigned).
    const int64_t p = a * b;
    if (p >= 0) return static_cast<int64_t>((static_cast<uint64_t>(p) + 500u) / 1000u);
    const uint64_t magnitude = 0u - static_cast<uint64_t>(p);
    return -static_cast<int64_t>((magnitude + 500u) / 1000u);
}
} // namespace

bool Is_Defensive_Formation(int32_t formation) {
    return formation >= 22 && formation <= 38;
}

int32_t Get_Defensive_Formation_Pass_Focus(int32_t formation) {
    if (!Is_Defensive_Formation(formation)) {
        Report_System_Error("Invalid nFormation in Get_Defensive_Formation_Pass_Focus()");
        return 1000;
    }
    return PASS_FOCUS[formation - 22];
}

namespace {
// How close two pass focuses are, per mille: 150 apart or more is no match.
int32_t Pass_Focus_Match(int32_t focus_a, int32_t focus_b) {
    int32_t gap = 150 - std::abs(focus_a - focus_b);
    if (gap < 0) gap = 0;
    return Mul_Div_Round(gap, 1000, 150);
}

// The match of every two defensive formations' pass focuses, read by the
// defensive call for each of its plays at every snap.
struct PASS_FOCUS_MATCHES {
    int32_t Match[DEFENSIVE_FORMATIONS][DEFENSIVE_FORMATIONS];
    PASS_FOCUS_MATCHES() {
        for (int32_t a = 0; a < DEFENSIVE_FORMATIONS; ++a)
            for (int32_t b = 0; b < DEFENSIVE_FORMATIONS; ++b)
                Match[a][b] = Pass_Focus_Match(PASS_FOCUS[a], PASS_FOCUS[b]);
    }
};
const PASS_FOCUS_MATCHES Formation_Focus_Matches;
} // namespace

int32_t Get_Pass_Focus_Match(int32_t formation_a, int32_t formation_b) {
    return Pass_Focus_Match(Get_Defensive_Formation_Pass_Focus(formation_a),
                            Get_Defensive_Formation_Pass_Focus(formation_b));
}

int32_t Get_Team_Defensive_System_Match(int32_t team, int32_t formation) {
    return Get_Defensive_Formation_System_Match(Defensive_System_Of(team), formation);
}

namespace {
// How a defensive call whose formation has this pass focus fares against an
// offensive call: a pass by the pass defence, a run by the run defence.
enum OFFENSIVE_KIND { KIND_OTHER, KIND_PASS, KIND_RUN };

// A pass matchup is weighed down by a focus below 1000, a run matchup by one
// above it; `pass` and `run` work out the multiplier of their kind only when
// it is asked for.
template <typename PASS, typename RUN>
int32_t Focused_Matchup_Value(int32_t kind, int32_t focus, PASS pass, RUN run) {
    if (kind == KIND_PASS) {
        const float v = pass();
        if (focus < 1000) return static_cast<int32_t>(1000.0f * v * static_cast<float>(focus) / 1000.0f);
        return static_cast<int32_t>(1000.0f * v);
    }
    if (kind == KIND_RUN) {
        const int32_t r = run();
        if (focus > 1000) return static_cast<int32_t>(static_cast<int64_t>(r) * 1000 / focus);
        return r;
    }
    return 1000;
}

int32_t Matchup_Value(int32_t kind, const OFFENSIVE_CALL_FACTS& offense, const DEFENSIVE_CALL_FACTS& defense,
                      int32_t focus) {
    return Focused_Matchup_Value(
        kind, focus, [&] { return Pass_Defense_Multiplier(offense, defense); },
        [&] { return Game_Pass_Rush_Multiplier(offense, defense); });
}

// Matchup_Value of a table's row and column.
int32_t Table_Matchup_Value(int32_t kind, const MATCHUP_ROW& row, const MATCHUP_COLUMN& column,
                            int32_t focus) {
    return Focused_Matchup_Value(
        kind, focus, [&] { return Table_Pass_Defense_Multiplier(row, column); },
        [&] { return Table_Game_Pass_Rush_Multiplier(row, column); });
}

int32_t Read_Offensive_Kind(int32_t oteam, int32_t o, OFFENSIVE_CALL_FACTS* facts) {
    if (Is_Passing_Play(oteam, o)) {
        Read_Pass_Call_Facts(oteam, o, facts);
        return KIND_PASS;
    }
    if (Is_Running_Play(oteam, o)) {
        Read_Run_Call_Facts(oteam, o, facts);
        return KIND_RUN;
    }
    return KIND_OTHER;
}

bool Is_Matchup_Defense(int32_t dteam, int32_t d) {
    return Is_Valid_Team_Code(dteam) && d >= 0 && d < DEFENSIVE_PLAY_NUMBERS &&
           Is_Defensive_Play_Defined(dteam, d);
}
} // namespace

namespace {
// The unscaled matchups of a defence's calls against each offensive call met
// so far, kept from game to game. A row depends only on the offensive call's
// kind and facts and on the defence's calls, so the kept rows hold while the
// defence's calls read the same. A defence with a call of an unknown
// responsibility is not kept: its matchups report the fault at every table.
constexpr int32_t KEPT_MATCHUP_ROWS = 64;
struct KEPT_MATCHUP_ROW {
    int32_t Kind;
    OFFENSIVE_CALL_FACTS Facts;
    int32_t Values[DEFENSIVE_PLAY_NUMBERS];
};
// The last whole table made of the kept rows, scaled, with the kinds and
// facts of the offence's calls it was made for.
struct KEPT_MATCHUP_TABLE {
    bool Known;
    int32_t Kinds[OFFENSIVE_PLAY_NUMBERS];
    OFFENSIVE_CALL_FACTS Facts[OFFENSIVE_PLAY_NUMBERS];
    int32_t Values[OFFENSIVE_PLAY_NUMBERS][DEFENSIVE_PLAY_NUMBERS];
};
struct KEPT_MATCHUPS {
    bool Known;
    bool Used[DEFENSIVE_PLAY_NUMBERS];
    DEFENSIVE_CALL_FACTS Calls[DEFENSIVE_PLAY_NUMBERS];
    int32_t Row_Count;
    KEPT_MATCHUP_ROW Rows[KEPT_MATCHUP_ROWS];
    KEPT_MATCHUP_TABLE Table;
};
KEPT_MATCHUPS Kept_Matchups[TOTAL_NUMBER_OF_TEAMS];

bool Same_Defensive_Facts(const DEFENSIVE_CALL_FACTS& a, const DEFENSIVE_CALL_FACTS& b) {
    return a.Formation == b.Formation && a.Role_18 == b.Role_18 &&
           std::memcmp(a.Roles, b.Roles, sizeof a.Roles) == 0 && std::memcmp(a.X, b.X, sizeof a.X) == 0 &&
           std::memcmp(a.Y, b.Y, sizeof a.Y) == 0;
}

// Whether two offensive calls of a kind have the same matchups.
bool Same_Offensive_Facts(const OFFENSIVE_CALL_FACTS& a, const OFFENSIVE_CALL_FACTS& b) {
    return a.Depth == b.Depth && a.Special == b.Special && a.Draw == b.Draw && a.Hole == b.Hole;
}

// The defence's kept matchups, forgotten when its calls changed; null when
// they are not kept.
KEPT_MATCHUPS* Kept_Matchups_Of(int32_t defense, const bool* used, const DEFENSIVE_CALL_FACTS* calls,
                                const MATCHUP_COLUMN* columns) {
    if (defense < 0 || defense >= TOTAL_NUMBER_OF_TEAMS) return nullptr;
    for (int32_t d = 0; d < DEFENSIVE_PLAY_NUMBERS; ++d)
        if (used[d] && !columns[d].Known_Roles) return nullptr;
    KEPT_MATCHUPS& kept = Kept_Matchups[defense];
    bool same = kept.Known;
    for (int32_t d = 0; d < DEFENSIVE_PLAY_NUMBERS && same; ++d)
        same = kept.Used[d] == used[d] && (!used[d] || Same_Defensive_Facts(kept.Calls[d], calls[d]));
    if (!same) {
        kept.Known = true;
        for (int32_t d = 0; d < DEFENSIVE_PLAY_NUMBERS; ++d) {
            kept.Used[d] = used[d];
            kept.Calls[d] = used[d] ? calls[d] : DEFENSIVE_CALL_FACTS{};
        }
        kept.Row_Count = 0;
        kept.Table.Known = false;
    }
    return &kept;
}

const KEPT_MATCHUP_ROW* Find_Kept_Row(const KEPT_MATCHUPS& kept, int32_t kind,
                                      const OFFENSIVE_CALL_FACTS& facts) {
    for (int32_t n = 0; n < kept.Row_Count; ++n)
        if (kept.Rows[n].Kind == kind && Same_Offensive_Facts(kept.Rows[n].Facts, facts))
            return &kept.Rows[n];
    return nullptr;
}

bool Is_Kept_Table(const KEPT_MATCHUP_TABLE& table, const int32_t* kinds, const OFFENSIVE_CALL_FACTS* facts) {
    if (!table.Known) return false;
    for (int32_t o = 0; o < OFFENSIVE_PLAY_NUMBERS; ++o)
        if (table.Kinds[o] != kinds[o] || !Same_Offensive_Facts(table.Facts[o], facts[o])) return false;
    return true;
}
} // namespace

int32_t Get_Play_Matchup_Value(int32_t oteam, int32_t o, int32_t dteam, int32_t d) {
    if (!Is_Matchup_Defense(dteam, d)) return 0;
    DEFENSIVE_CALL_FACTS defense;
    Read_Defensive_Call_Facts(dteam, d, &defense);
    const int32_t focus = Get_Defensive_Formation_Pass_Focus(defense.Formation);
    OFFENSIVE_CALL_FACTS offense{};
    const int32_t kind = Read_Offensive_Kind(oteam, o, &offense);
    return Matchup_Value(kind, offense, defense, focus);
}

void Build_Play_Matchup_Table(GAME_RECORD* pGame) {
    if (pGame == nullptr) return;
    const int32_t side = Get_Offense_Side(pGame);
    const int32_t offense = pGame->Team[side];
    const int32_t defense = pGame->Team[1 - side];
    // Each call's facts are read once for the whole table, and what a
    // matchup works out of one call alone once per call.
    static DEFENSIVE_CALL_FACTS defensive_calls[DEFENSIVE_PLAY_NUMBERS];
    static MATCHUP_COLUMN columns[DEFENSIVE_PLAY_NUMBERS];
    bool used[DEFENSIVE_PLAY_NUMBERS];
    int32_t focus[DEFENSIVE_PLAY_NUMBERS];
    for (int32_t d = 0; d < DEFENSIVE_PLAY_NUMBERS; ++d) {
        used[d] = Is_Matchup_Defense(defense, d);
        if (!used[d]) continue;
        Read_Defensive_Call_Facts(defense, d, &defensive_calls[d]);
        focus[d] = Get_Defensive_Formation_Pass_Focus(defensive_calls[d].Formation);
        Prepare_Matchup_Column(defensive_calls[d], &columns[d]);
    }
    KEPT_MATCHUPS* kept = Kept_Matchups_Of(defense, used, defensive_calls, columns);
    // A row depends only on the kind of the offensive call and the facts read
    // of it, which many plays share: such a row is copied.
    int32_t kinds[OFFENSIVE_PLAY_NUMBERS];
    OFFENSIVE_CALL_FACTS facts[OFFENSIVE_PLAY_NUMBERS];
    for (int32_t o = 0; o < OFFENSIVE_PLAY_NUMBERS; ++o) {
        facts[o] = OFFENSIVE_CALL_FACTS{};
        kinds[o] = Read_Offensive_Kind(offense, o, &facts[o]);
    }
    // The same offence's calls against the same defence give the table made
    // last time.
    if (kept != nullptr && Is_Kept_Table(kept->Table, kinds, facts)) {
        for (int32_t o = 0; o < OFFENSIVE_PLAY_NUMBERS; ++o)
            std::memcpy(Play_Matchup_Table[o], kept->Table.Values[o], sizeof kept->Table.Values[o]);
        return;
    }
    for (int32_t o = 0; o < OFFENSIVE_PLAY_NUMBERS; ++o) {
        int32_t* row = Play_Matchup_Table[o];
        int32_t same = -1;
        for (int32_t earlier = 0; earlier < o && same < 0; ++earlier)
            if (kinds[earlier] == kinds[o] && Same_Offensive_Facts(facts[earlier], facts[o])) same = earlier;
        if (same >= 0) {
            std::memcpy(row, Play_Matchup_Table[same], sizeof(int32_t) * DEFENSIVE_PLAY_NUMBERS);
            continue;
        }
        KEPT_MATCHUP_ROW* keep = nullptr;
        if (kept != nullptr && kinds[o] != KIND_OTHER) {
            if (const KEPT_MATCHUP_ROW* found = Find_Kept_Row(*kept, kinds[o], facts[o])) {
                std::memcpy(row, found->Values, sizeof found->Values);
                continue;
            }
            if (kept->Row_Count < KEPT_MATCHUP_ROWS) {
                keep = &kept->Rows[kept->Row_Count++];
                keep->Kind = kinds[o];
                keep->Facts = facts[o];
            }
        }
        MATCHUP_ROW terms;
        if (kinds[o] == KIND_PASS) Prepare_Pass_Matchup_Row(facts[o], &terms);
        if (kinds[o] == KIND_RUN) Prepare_Run_Matchup_Row(facts[o], &terms);
        for (int32_t d = 0; d < DEFENSIVE_PLAY_NUMBERS; ++d)
            row[d] = used[d] ? Table_Matchup_Value(kinds[o], terms, columns[d], focus[d]) : 0;
        if (keep != nullptr) std::memcpy(keep->Values, row, sizeof keep->Values);
    }
    // Scale each column so the team's own plays (0-53) average 1,000.
    for (int32_t d = 0; d < DEFENSIVE_PLAY_NUMBERS; ++d) {
        int64_t sum = 0;
        for (int32_t o = 0; o < KNEEL_DOWN_PLAY; ++o)
            sum += Play_Matchup_Table[o][d];
        const int64_t factor = sum == 0 ? 0 : (54000000 + sum / 2) / sum;
        for (int32_t o = 0; o < KNEEL_DOWN_PLAY; ++o) {
            int32_t& cell = Play_Matchup_Table[o][d];
            cell = static_cast<int32_t>(Per_Mille(cell, factor));
        }
    }
    if (kept != nullptr) {
        KEPT_MATCHUP_TABLE& table = kept->Table;
        table.Known = true;
        for (int32_t o = 0; o < OFFENSIVE_PLAY_NUMBERS; ++o) {
            table.Kinds[o] = kinds[o];
            table.Facts[o] = facts[o];
            std::memcpy(table.Values[o], Play_Matchup_Table[o], sizeof table.Values[o]);
        }
    }
}

namespace {
// What the defensive call reads of a team's plays: each play's formation, its
// fit to the team's defensive system and whether one of its defenders has
// role 18. The plays are read again whenever they may have been edited since
// (outside the calls of a snap always, inside them when the playbook reading
// mark moved), the fits when the system changed.
struct DEFENSIVE_CALL_PROFILE {
    bool Known;
    PLAYBOOK_READING_MARK Read_Mark;
    int32_t System;
    int32_t Formation[DEFENSIVE_PLAY_NUMBERS];
    bool Role_18[DEFENSIVE_PLAY_NUMBERS];
    // -1 where the formation or the system is none: that fit is asked at every
    // call, to report the fault as often as before.
    int32_t System_Match[DEFENSIVE_PLAY_NUMBERS];
};
DEFENSIVE_CALL_PROFILE Defensive_Call_Profiles[TOTAL_NUMBER_OF_TEAMS];
DEFENSIVE_CALL_PROFILE Loose_Defensive_Call_Profile;

const DEFENSIVE_CALL_PROFILE& Defensive_Call_Profile(int32_t defense, int32_t system) {
    const bool team = defense >= 0 && defense < TOTAL_NUMBER_OF_TEAMS;
    DEFENSIVE_CALL_PROFILE& profile = team ? Defensive_Call_Profiles[defense] : Loose_Defensive_Call_Profile;
    const PLAYBOOK_READING_MARK mark = Get_Playbook_Reading_Mark();
    if (!(team && profile.Known && Get_Snap_Answers_Epoch() != 0 && profile.Read_Mark == mark)) {
        // The defence's plays lie in one array, its own or the built-in one.
        const DEFENSIVE_PLAY* plays = Find_Defensive_Play(defense, 0);
        for (int32_t d = 0; d < DEFENSIVE_PLAY_NUMBERS; ++d) {
            const DEFENSIVE_PLAY& play = plays[d];
            profile.Formation[d] = play.Formation;
            profile.Role_18[d] =
                std::find(play.Roles, play.Roles + PLAY_DEFENDERS, 18) != play.Roles + PLAY_DEFENDERS;
        }
        profile.Known = true;
        profile.Read_Mark = mark;
        profile.System = INT32_MIN;
    }
    if (profile.System != system) {
        profile.System = system;
        for (int32_t d = 0; d < DEFENSIVE_PLAY_NUMBERS; ++d)
            profile.System_Match[d] =
                Is_Defensive_Formation(profile.Formation[d]) && (system == 0 || system == 1)
                    ? Get_Defensive_Formation_System_Match(system, profile.Formation[d])
                    : -1;
    }
    return profile;
}
} // namespace

int32_t Choose_Defensive_Play(GAME_RECORD* pGame) {
    if (pGame == nullptr) return 0;
    const int32_t threat = Get_Top_Receiver_Threat(pGame);
    int32_t guesses[GUESSES];
    for (int32_t k = 0; k < GUESSES; ++k) {
        int32_t guess = Choose_Offensive_Play(pGame);
        // A kickoff answer or any stray number reads the neutral kneel-down row.
        if (guess < 0 || guess >= OFFENSIVE_PLAY_NUMBERS) guess = KNEEL_DOWN_PLAY;
        guesses[k] = guess;
    }
    const int32_t wanted = Set_Team_Formations(pGame);
    const int32_t defense = pGame->Team[Get_Defense_Side(pGame)];
    const int32_t system = Defensive_System_Of(defense);
    int64_t running[DEFENSIVE_PLAY_NUMBERS];
    int64_t total = 0;
    // The guesses' rows, each in a name of its own: the chain below is
    // written out in full rather than looped over.
    static_assert(GUESSES == 5);
    const int32_t* const row_0 = Play_Matchup_Table[guesses[0]];
    const int32_t* const row_1 = Play_Matchup_Table[guesses[1]];
    const int32_t* const row_2 = Play_Matchup_Table[guesses[2]];
    const int32_t* const row_3 = Play_Matchup_Table[guesses[3]];
    const int32_t* const row_4 = Play_Matchup_Table[guesses[4]];
    const bool focused = Is_Defensive_Formation(wanted);
    const int32_t* focus_matches = focused ? Formation_Focus_Matches.Match[wanted - 22] : nullptr;
    const DEFENSIVE_CALL_PROFILE& profile = Defensive_Call_Profile(defense, system);
    for (int32_t d = 0; d < DEFENSIVE_PLAY_NUMBERS; ++d) {
        const int32_t formation = profile.Formation[d];
        int64_t a = 1000;
        if (focused)
            a = Is_Defensive_Formation(formation) ? focus_matches[formation - 22]
                                                  : Get_Pass_Focus_Match(wanted, formation);
        const int64_t s = profile.System_Match[d] >= 0
                              ? profile.System_Match[d]
                              : Get_Defensive_Formation_System_Match(system, formation);
        // The guesses' values multiplied in order, each product rounded to
        // thousandths (a thousandth of 1,000 times the first guess's value is
        // that value).
        int64_t m = Per_Mille(row_0[d], row_1[d]);
        m = Per_Mille(m, row_2[d]);
        m = Per_Mille(m, row_3[d]);
        m = Per_Mille(m, row_4[d]);
        int64_t w = Per_Mille(m, a);
        w = Per_Mille(s, w);
        if (threat != 0 && profile.Role_18[d]) w *= threat + 1;
        if (w < 0) w = 0;
        total += w;
        running[d] = total;
    }
    Random_Number();
    const double u = Random_Number() * RANDOM_FRACTION;
    if (total == 0) {
        const int32_t pick = static_cast<int32_t>(u * DEFENSIVE_PLAY_NUMBERS);
        return pick < DEFENSIVE_PLAY_NUMBERS ? pick : DEFENSIVE_PLAY_NUMBERS - 1;
    }
    const int64_t t = static_cast<int64_t>(u * static_cast<double>(total));
    if (t <= running[0]) return 0;
    for (int32_t d = 1; d < DEFENSIVE_PLAY_NUMBERS; ++d)
        if (running[d] >= t) return d;
    return DEFENSIVE_PLAY_NUMBERS - 1;
}

void Record_Defensive_Play_Call(GAME_RECORD* pGame, int32_t play) {
    if (pGame == nullptr) return;
    Last_Defensive_Play = play;
    if (play >= 0 && play < DEFENSIVE_PLAY_NUMBERS)
        ++Defensive_Play_Use_Counts[Get_Defense_Side(pGame)][play];
}
