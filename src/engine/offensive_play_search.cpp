// The offensive play search: a weighted draw among the offence's plays of
// one kind, each play's weight the closer its yardage is to the yards wanted,
// worn by the play's uses this game and shaped by the team's system and the
// play's key player. What the weights are read from is kept from search to
// search while it stands, and each weight is worked out on first need.
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "app/diagnostics.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/random_numbers.h"
#include "database/roster_queries.h"
#include "database/team_record.h"
#include "database/team_results.h"
#include "database/universe.h"
#include "engine/downs_and_clock.h"
#include "engine/formations.h"
#include "engine/game_record.h"
#include "engine/kicking_plays.h"
#include "engine/offensive_play_calling.h"
#include "engine/play_loop.h"
#include "engine/play_matchups.h"
#include "engine/play_resolution_support.h"
#include "engine/playbook_records.h"
#include "engine/snap_answers.h"

int32_t Get_Play_Search_Category(int32_t play_type) {
    switch (play_type) {
    case 0:
    case 1:
    case 2:
    case 4:
    case 10:
    case 15:
    case 22:
        return PLAY_CATEGORY_RUN;
    case 6:
    case 7:
    case 8:
    case 9:
    case 11:
    case 12:
    case 13:
    case 14:
        return PLAY_CATEGORY_PASS;
    default:
        return play_type;
    }
}

namespace {

// What the play search reads of one play of a playbook. The yardage and the
// fit to the team's system are read on first need, as the search needs them
// only for plays of the kind it looks for.
struct PLAY_PROFILE {
    bool Defined;
    bool Hail_Mary;
    bool Yardage_Known;
    bool Match_Known;
    int8_t Category;
    int8_t Formation;
    int8_t Primary; // on-field slot of the play's key player, -1 none
    int32_t Yardage;
    int32_t System_Match;
};

// The search's key players are its on-field slots 0-5; a play without a key
// player reads the extra entry after them, always checked and scaled by no
// threat.
constexpr int32_t NO_KEY = PLAY_RECEIVERS + 1;
constexpr int32_t KEY_ENTRIES = PLAY_RECEIVERS + 2;

// What a search reads of a play it may call.
struct SEARCH_PLAY {
    uint8_t Play;
    uint8_t Key; // key entry
    bool Hail_Mary;
    int32_t Yardage;
};

// The plays a search of one kind may call: defined, of that kind and none of
// the fixed kneel-down, punt and field-goal plays, in play order, as a search
// copies them (the yardage once read). A search leaves out the last play
// called and the plays in a kicking formation when the offence would not
// kick.
struct PLAY_LIST {
    int32_t Category;
    int32_t Count;
    SEARCH_PLAY Plays[OFFENSIVE_PLAY_NUMBERS];
    // Bit n: the yardage of play n of the list is read.
    uint64_t Yardage_Read;
    // Bit n: play n of the list is in the punt or the field-goal formation.
    uint64_t Kicks;
    // Each play's place in the list, -1 for a play not in it.
    int8_t At[OFFENSIVE_PLAY_NUMBERS];
};
static_assert(OFFENSIVE_PLAY_NUMBERS <= 64, "a list's plays are bits of one word");
constexpr int32_t PLAY_LISTS = 4;

// A team's playbook as the search reads it, kept with the plays, the team's
// system and whether the team is in use, and read again when any changed.
// What the profile reads of a stored play: the start of its name (whether
// it is defined, whether it is the Hail Mary: "Hail Mary" and its end) and
// the fields from its formation to its routes (option hole, type, key
// player, hole or depth).
constexpr size_t SIGNATURE_NAME = 10;
constexpr size_t SIGNATURE_FIELDS_AT = offsetof(OFFENSIVE_PLAY, Formation);
constexpr size_t SIGNATURE_FIELDS = offsetof(OFFENSIVE_PLAY, Description) - SIGNATURE_FIELDS_AT;
static_assert(offsetof(OFFENSIVE_PLAY, Routes) + sizeof(OFFENSIVE_PLAY::Routes) ==
              offsetof(OFFENSIVE_PLAY, Description));
static_assert(SIGNATURE_NAME <= sizeof(OFFENSIVE_PLAY::Name));
struct PLAY_SIGNATURE {
    char Name[SIGNATURE_NAME];
    uint8_t Fields[SIGNATURE_FIELDS];

    void Take(const OFFENSIVE_PLAY& play) {
        std::memcpy(Name, play.Name, SIGNATURE_NAME);
        std::memcpy(Fields, reinterpret_cast<const uint8_t*>(&play) + SIGNATURE_FIELDS_AT, SIGNATURE_FIELDS);
    }
    bool Matches(const OFFENSIVE_PLAY& play) const {
        return std::memcmp(Name, play.Name, SIGNATURE_NAME) == 0 &&
               std::memcmp(Fields, reinterpret_cast<const uint8_t*>(&play) + SIGNATURE_FIELDS_AT,
                           SIGNATURE_FIELDS) == 0;
    }
};

struct PLAYBOOK_PROFILE {
    bool Known;
    uint32_t Version; // a new number at every reading
    bool In_Use;
    int32_t System;
    uint32_t Checked_Epoch;
    PLAYBOOK_READING_MARK Checked_Mark; // when the plays were last compared
    PLAY_SIGNATURE Signatures[STORED_OFFENSIVE_PLAYS];
    PLAY_PROFILE Play[OFFENSIVE_PLAY_NUMBERS];
    // Per key entry, bit p: play p is keyed to it.
    uint64_t Keyed[KEY_ENTRIES];
    int32_t List_Count;
    PLAY_LIST Lists[PLAY_LISTS];
};

PLAYBOOK_PROFILE Playbook_Profiles[TOTAL_NUMBER_OF_TEAMS];
PLAYBOOK_PROFILE Loose_Profile;

int32_t Offensive_System_Of(int32_t team) {
    return Is_Team_Record_Slot(team) ? Get_Team_Stat(team, TEAM_STAT_OFFENSIVE_SYSTEM) : 0;
}

void Read_Playbook_Profile(int32_t team, PLAYBOOK_PROFILE& profile) {
    profile.In_Use = Is_Valid_Team_Code(team) != 0;
    profile.System = Offensive_System_Of(team);
    if (Is_Team_Record_Slot(team))
        for (int32_t p = 0; p < STORED_OFFENSIVE_PLAYS; ++p)
            profile.Signatures[p].Take(Universe.Teams[team].Playbooks.Offense.Plays[p]);
    std::memset(profile.Keyed, 0, sizeof profile.Keyed);
    for (int32_t p = 0; p < OFFENSIVE_PLAY_NUMBERS; ++p) {
        PLAY_PROFILE& play = profile.Play[p];
        play.Defined = Is_Offensive_Play_Defined(team, p);
        play.Category = static_cast<int8_t>(Get_Play_Search_Category(Get_Offensive_Play_Type(team, p)));
        play.Formation = Get_Offensive_Play_Formation(team, p);
        play.Primary = static_cast<int8_t>(Get_Offensive_Play_Primary_Receiver(team, p));
        char name[64];
        Get_Offensive_Play_Name(team, p, name, sizeof name);
        play.Hail_Mary = std::strcmp(name, "Hail Mary") == 0;
        play.Yardage_Known = false;
        play.Match_Known = false;
        profile.Keyed[play.Primary >= 0 ? play.Primary : NO_KEY] |= uint64_t{1} << p;
    }
    profile.List_Count = 0;
    static uint32_t versions = 0;
    profile.Version = ++versions;
    profile.Known = true;
}

// The team's playbook profile, checked against the team once a snap (every
// time outside the calls of a snap). The plays themselves are compared only
// when they may have been edited since the last comparison: outside the calls
// of a snap always, inside them when the playbook reading mark moved.
PLAYBOOK_PROFILE& Playbook_Profile(int32_t team) {
    if (!Is_Team_Record_Slot(team)) {
        Read_Playbook_Profile(team, Loose_Profile);
        return Loose_Profile;
    }
    PLAYBOOK_PROFILE& profile = Playbook_Profiles[team];
    const uint32_t epoch = Get_Snap_Answers_Epoch();
    if (epoch != 0 && profile.Known && profile.Checked_Epoch == epoch) return profile;
    bool same = profile.Known && profile.In_Use == (Is_Valid_Team_Code(team) != 0) &&
                profile.System == Offensive_System_Of(team);
    const PLAYBOOK_READING_MARK mark = Get_Playbook_Reading_Mark();
    if (same && !(epoch != 0 && profile.Checked_Mark == mark)) {
        const OFFENSIVE_PLAY* plays = Universe.Teams[team].Playbooks.Offense.Plays;
        for (int32_t p = 0; p < STORED_OFFENSIVE_PLAYS && same; ++p)
            same = profile.Signatures[p].Matches(plays[p]);
    }
    if (!same) Read_Playbook_Profile(team, profile);
    profile.Checked_Epoch = epoch;
    profile.Checked_Mark = mark;
    return profile;
}

PLAY_LIST& Play_List(PLAYBOOK_PROFILE& profile, int32_t category) {
    for (int32_t n = 0; n < profile.List_Count; ++n)
        if (profile.Lists[n].Category == category) return profile.Lists[n];
    const int32_t n = profile.List_Count < PLAY_LISTS ? profile.List_Count++ : PLAY_LISTS - 1;
    PLAY_LIST& list = profile.Lists[n];
    list.Category = category;
    list.Count = 0;
    list.Yardage_Read = 0;
    list.Kicks = 0;
    for (int32_t p = 0; p < OFFENSIVE_PLAY_NUMBERS; ++p) {
        const PLAY_PROFILE& play = profile.Play[p];
        list.At[p] = -1;
        if (!play.Defined || play.Category != category || p == KNEEL_DOWN_PLAY || p == HARD_CODED_PUNT_PLAY ||
            p == HARD_CODED_FIELD_GOAL_PLAY)
            continue;
        const int32_t at = list.Count++;
        list.At[p] = static_cast<int8_t>(at);
        SEARCH_PLAY& entry = list.Plays[at];
        entry.Play = static_cast<uint8_t>(p);
        entry.Key = static_cast<uint8_t>(play.Primary >= 0 ? play.Primary : NO_KEY);
        entry.Hail_Mary = play.Hail_Mary;
        if (play.Formation == FORMATION_PUNT || play.Formation == FORMATION_FIELD_GOAL)
            list.Kicks |= uint64_t{1} << at;
        if (play.Yardage_Known) {
            entry.Yardage = play.Yardage;
            list.Yardage_Read |= uint64_t{1} << at;
        }
    }
    return list;
}

int32_t Play_Yardage(PLAY_PROFILE& play, int32_t team, int32_t p) {
    if (!play.Yardage_Known) {
        play.Yardage = Get_Play_Yardage(team, p);
        play.Yardage_Known = true;
    }
    return play.Yardage;
}

int32_t Play_System_Match(PLAY_PROFILE& play, int32_t team) {
    if (!play.Match_Known) {
        play.System_Match = Get_Team_Offensive_System_Match(team, play.Formation);
        play.Match_Known = true;
    }
    return play.System_Match;
}

// Worked out once per search and used for every play whose key player a man
// on the field is.
struct KEY_PLAYER {
    int32_t Slot;
    bool Valid;
    int32_t Position;
    bool Extra_Known;
    bool Workload; // a running back's limit and carries were read
    int32_t Limit; // a running back's carries, a tight end's receiving yards
    int32_t Count; // carries, receiving yards
    int32_t Value; // a fullback's predicted carries + 10, a quarterback's run value
};

// A run or draw built around a quarterback: his worth as a runner, raised on
// short yardage by his power and near the goal line, in hundredths.
int32_t Quarterback_Run_Value(const GAME_RECORD* pGame, int32_t team, int32_t key) {
    const int32_t togo = pGame->Yards_To_Go;
    const int32_t togoal = pGame->Yards_To_Goal;
    const float r = Get_Player_Rating(team, key, RATING_RUNNING_COMPOSITE);
    const float power = Read_Repaired_Rating(team, key, RATING_POWER);
    float x = r - 55.0f;
    const float curve = (r - 65.0f) * (r - 5.0f) / 20.0f;
    if (curve > x) x = curve;
    if (togo < 3 && power > 50.0f) x += static_cast<float>(3 - togo) * (power - 50.0f);
    int32_t xi = static_cast<int32_t>(x);
    if (togoal < 7) xi = Mul_Div_Round(xi, 8, togoal + 1);
    xi = xi + xi / 2;
    return xi < 0 ? 0 : xi;
}

void Read_Key_Extras(const GAME_RECORD* pGame, int32_t team, int32_t category, KEY_PLAYER& key) {
    key.Extra_Known = true;
    if (category == PLAY_CATEGORY_PASS) {
        if (key.Position == POSITION_TE) {
            key.Count = Get_Player_Stat(team, key.Slot, SEASON_THIS, 11);
            key.Limit = 50 * (Get_Team_Games_Played(team) + 1);
        }
        return;
    }
    if (key.Position == POSITION_FB) key.Value = Get_Player_Stat(team, key.Slot, SEASON_PREDICTED, 7) + 10;
    if (key.Position == POSITION_RB)
        key.Workload = Get_Running_Back_Workload(team, key.Slot, &key.Limit, &key.Count);
    if (key.Position == POSITION_QB) key.Value = Quarterback_Run_Value(pGame, team, key.Slot);
}

// A kicking decision read once per search: it is kept for the next fake kick
// of the search unless making it drew a number.
int32_t Decide_Once(int32_t* kept, int32_t (*decide)(GAME_RECORD*), GAME_RECORD* pGame) {
    if (*kept >= 0) return *kept;
    const uint64_t draws = Get_Random_Draw_Count();
    const int32_t answer = decide(pGame);
    if (Get_Random_Draw_Count() == draws) *kept = answer;
    return answer;
}

// A play of the search for one kind of play in the current situation: whether
// it may be called at all, and its weight after the multipliers for each
// length the yardage difference leaves of the full weight (4,096 halved d
// times, d = 0-12; step 13 for no weight), worked out on first need.
constexpr int32_t WEIGHT_STEPS = 14;
constexpr int32_t NO_WEIGHT_STEP = WEIGHT_STEPS - 1;

// A play's weights are kept from snap to snap while what they were worked
// out from stays: its key player's view and the play's uses. A change of
// either clears the weights of the plays it concerns, a change of the whole
// search's view clears them all. Bit s of a play's known bits: the weight of
// step s is known; BASE_KNOWN: its redundancy is.
constexpr uint16_t BASE_KNOWN = 1u << WEIGHT_STEPS;

// What the weights of a key player's plays read of him: his position (-1 for
// a slot without a player), whether he is the second back of the "Two Back"
// system, the receiver threat they are scaled by and, of his season, only what
// scales the weights of the search's kind (a workload or yards over their
// limit, a fullback's or quarterback's run value). Two players alike in these
// are weighed alike.
struct KEY_VIEW {
    int32_t Position;
    bool Second_Back;
    int32_t Threat;
    int32_t Limit;
    int32_t Count;
    int32_t Value;
    bool operator==(const KEY_VIEW&) const = default;
};

// What a key player's kept weights were worked out from.
struct KEPT_KEY {
    bool Known;
    KEY_VIEW View;
};

// The kept weights of a team's plays of one kind.
struct KEPT_WEIGHTS {
    uint32_t Profile_Version;
    int32_t System;
    int32_t Second_Back;
    int32_t First_Receiver;
    int32_t Adjustment;
    bool Known;
    // The search that last checked plays here: another search's checks may
    // have changed them.
    uint32_t Checked_By;
    // The last entry is for plays without a key player (never read).
    KEPT_KEY Keys[KEY_ENTRIES];
    // The plays' uses the weights were worked out from (as the last search
    // that could call each play saw them).
    int32_t Uses[OFFENSIVE_PLAY_NUMBERS];
    // What the weighing of every snap reads lies close together, so that it
    // takes few cache lines even when the league was read in between: the
    // known bits of all plays side by side, and each step's weights of all
    // plays side by side (a snap's plays mostly weigh at a few steps).
    uint16_t Play_Known[OFFENSIVE_PLAY_NUMBERS];
    // The weights of steps 0-12 (step 13 weighs nothing), by step and play.
    alignas(64) int32_t Weight[NO_WEIGHT_STEP][OFFENSIVE_PLAY_NUMBERS];
    // The squared redundancy multipliers, read with a play's first weight.
    int32_t Redundancy_Squared[OFFENSIVE_PLAY_NUMBERS];
};

// The kinds of play whose weights are kept: pass, run, draw.
constexpr int32_t KEPT_KINDS = 3;
KEPT_WEIGHTS Kept_Weights[TOTAL_NUMBER_OF_TEAMS][KEPT_KINDS];
// A search outside the calls of a snap keeps nothing from one to the next.
KEPT_WEIGHTS Loose_Weights;
uint32_t Last_Search_Stamp = 0;

// Every weight kept is to be worked out afresh, and each key player's view
// read again.
void Renew_Kept_Weights(KEPT_WEIGHTS& kept) {
    for (KEPT_KEY& key : kept.Keys)
        key.Known = false;
    for (uint16_t& known : kept.Play_Known)
        known = 0;
    kept.Checked_By = 0;
}

int32_t Kept_Kind(int32_t category) {
    switch (category) {
    case PLAY_CATEGORY_PASS:
        return 0;
    case PLAY_CATEGORY_RUN:
        return 1;
    case PLAY_CATEGORY_DRAW:
        return 2;
    default:
        return -1;
    }
}

// How many lengths wanted a search keeps the weighed running sums of.
constexpr int32_t WEIGHED_KEPT = 6;

// The search's view of the situation: read once, kept for the snap's other
// searches of the same kind unless reading it drew a number.
struct PLAY_SEARCH {
    uint32_t Epoch;
    int32_t Team;
    int32_t Category;
    int32_t Last_Play;
    int32_t Side;
    int32_t System;
    int32_t Threat;
    int32_t Second_Back;
    int32_t First_Receiver;
    int32_t Adjustment;
    PLAYBOOK_PROFILE* Profile;
    bool Keep; // whether the weights are kept beyond the search
    KEPT_WEIGHTS* Kept;
    uint32_t Stamp;
    KEY_PLAYER Keys[PLAY_RECEIVERS + 1];
    // Per key entry: whether the kept weights of its plays were checked in
    // this search (while Kept->Checked_By is its stamp) and the receiver
    // threat its plays are scaled by.
    bool Key_Checked[KEY_ENTRIES];
    int32_t Key_Threat[KEY_ENTRIES];
    // The plays the search may call, in play order.
    int32_t Eligible_Count;
    SEARCH_PLAY Eligible[OFFENSIVE_PLAY_NUMBERS];
    // The running sums of the eligible plays' weights, in the order of
    // Eligible, for the yards wanted so far.
    int32_t Weighed_Count;
    int32_t Weighed_Wanted[WEIGHED_KEPT];
    int64_t Weighed_Sums[WEIGHED_KEPT][OFFENSIVE_PLAY_NUMBERS];
};

// The plays of the list the search may call, each kicking decision asked and
// each yardage read (on first need) in play order.
void Read_Eligible_Plays(GAME_RECORD* pGame, PLAY_LIST& list, PLAY_SEARCH& search) {
    PLAYBOOK_PROFILE& profile = *search.Profile;
    int32_t punt = -1;
    int32_t field_goal = -1;
    for (int32_t n = 0; n < list.Count; ++n) {
        const int32_t p = list.Plays[n].Play;
        if (p == Last_Offensive_Play) continue;
        PLAY_PROFILE& play = profile.Play[p];
        if (play.Formation == FORMATION_PUNT && Decide_Once(&punt, Should_Punt, pGame) == 0) continue;
        if (play.Formation == FORMATION_FIELD_GOAL &&
            Decide_Once(&field_goal, Should_Kick_Field_Goal, pGame) == 0)
            continue;
        list.Plays[n].Yardage = Play_Yardage(play, search.Team, p);
        list.Yardage_Read |= uint64_t{1} << n;
        search.Eligible[search.Eligible_Count++] = list.Plays[n];
    }
}

// The same plays as Read_Eligible_Plays, copied in runs once the yardage of
// every play but the kicking ones is read: the kicking decisions, and the
// reading of a kicking play's yardage after its own, come in the same order.
void Take_Eligible_Plays(GAME_RECORD* pGame, PLAY_LIST& list, PLAY_SEARCH& search) {
    const uint64_t all = list.Count == 64 ? ~uint64_t{0} : (uint64_t{1} << list.Count) - 1;
    uint64_t left_out = 0;
    if (Last_Offensive_Play >= 0 && Last_Offensive_Play < OFFENSIVE_PLAY_NUMBERS &&
        list.At[Last_Offensive_Play] >= 0)
        left_out = uint64_t{1} << list.At[Last_Offensive_Play];
    if ((all & ~list.Kicks & ~left_out & ~list.Yardage_Read) != 0) {
        Read_Eligible_Plays(pGame, list, search);
        return;
    }
    int32_t punt = -1;
    int32_t field_goal = -1;
    for (uint64_t kicks = list.Kicks & ~left_out; kicks != 0; kicks &= kicks - 1) {
        const int32_t n = std::countr_zero(kicks);
        const uint64_t bit = uint64_t{1} << n;
        const int32_t p = list.Plays[n].Play;
        PLAY_PROFILE& play = search.Profile->Play[p];
        if ((play.Formation == FORMATION_PUNT && Decide_Once(&punt, Should_Punt, pGame) == 0) ||
            (play.Formation == FORMATION_FIELD_GOAL &&
             Decide_Once(&field_goal, Should_Kick_Field_Goal, pGame) == 0)) {
            left_out |= bit;
        } else if (!(list.Yardage_Read & bit)) {
            list.Plays[n].Yardage = Play_Yardage(play, search.Team, p);
            list.Yardage_Read |= bit;
        }
    }
    uint64_t take = all & ~left_out;
    int32_t count = 0;
    while (take != 0) {
        const int32_t from = std::countr_zero(take);
        const int32_t length = std::countr_one(take >> from);
        std::memcpy(search.Eligible + count, list.Plays + from,
                    static_cast<size_t>(length) * sizeof(SEARCH_PLAY));
        count += length;
        take = from + length >= 64 ? 0 : take & (~uint64_t{0} << (from + length));
    }
    search.Eligible_Count = count;
}

void Prepare_Play_Search(GAME_RECORD* pGame, int32_t category, PLAY_SEARCH& search) {
    const int32_t side = Get_Offense_Side(pGame);
    const int32_t team = pGame->Team[side];
    search.Team = team;
    search.Category = category;
    search.Last_Play = Last_Offensive_Play;
    search.Side = side;
    search.System = Offensive_System_Of(team);
    // Each of these reads the roster; only the weights that use them ask for
    // them (the receiver threat only for passes, the second back only in the
    // "Two Back" system).
    const bool pass = category == PLAY_CATEGORY_PASS;
    search.Threat = pass ? Get_Top_Receiver_Threat(pGame) : 0;
    search.Second_Back =
        search.System == 3 && Is_Team_Record_Slot(team) ? Get_Team_Position_Player(team, POSITION_RB, 1) : -1;
    search.First_Receiver = pass && search.Threat != 0 && Is_Team_Record_Slot(team)
                                ? Get_Team_Position_Player(team, POSITION_WR, 0)
                                : -1;
    search.Adjustment = Get_Offensive_Redundancy_Adjustment(pGame);
    for (int32_t k = 0; k <= PLAY_RECEIVERS; ++k) {
        KEY_PLAYER& key = search.Keys[k];
        key.Slot = pGame->On_Field[side][k];
        key.Valid = Is_Player_Address(team, key.Slot) && Is_Player_Slot_Used(team, key.Slot);
        key.Position = key.Valid ? Get_Player_Vital_Stat(team, key.Slot, VITAL_POSITION) : -1;
        key.Extra_Known = false;
        key.Workload = false;
        search.Key_Threat[k] =
            search.Threat != 0 && key.Valid && key.Slot == search.First_Receiver ? search.Threat : 0;
    }
    search.Key_Checked[NO_KEY] = true;
    search.Key_Threat[NO_KEY] = 0;
    PLAYBOOK_PROFILE& profile = Playbook_Profile(team);
    search.Profile = &profile;
    // The weights kept for the team's plays of this kind, claimed by the
    // search at each weighing.
    if (++Last_Search_Stamp == 0) ++Last_Search_Stamp;
    search.Stamp = Last_Search_Stamp;
    const int32_t kind = Kept_Kind(category);
    search.Keep =
        Get_Snap_Answers_Epoch() != 0 && Is_Team_Record_Slot(team) && kind >= 0 && &profile != &Loose_Profile;
    search.Kept = search.Keep ? &Kept_Weights[team][kind] : &Loose_Weights;
    search.Eligible_Count = 0;
    search.Weighed_Count = 0;
    Take_Eligible_Plays(pGame, Play_List(profile, category), search);
}

// The kept weights for a weighing of the search. They hold while the search
// sees what they were worked out from; while no other search checked plays
// there since this one last did, so do this search's checks. The plays whose
// uses changed are cleared here, those whose key player changed when he is
// first checked.
void Claim_Kept_Weights(PLAY_SEARCH& search) {
    KEPT_WEIGHTS& kept = *search.Kept;
    if (kept.Checked_By == search.Stamp) return;
    if (!search.Keep || !kept.Known || kept.Profile_Version != search.Profile->Version ||
        kept.System != search.System || kept.Second_Back != search.Second_Back ||
        kept.First_Receiver != search.First_Receiver || kept.Adjustment != search.Adjustment) {
        Renew_Kept_Weights(kept);
        kept.Known = true;
        kept.Profile_Version = search.Profile->Version;
        kept.System = search.System;
        kept.Second_Back = search.Second_Back;
        kept.First_Receiver = search.First_Receiver;
        kept.Adjustment = search.Adjustment;
    }
    kept.Checked_By = search.Stamp;
    for (int32_t k = 0; k <= PLAY_RECEIVERS; ++k)
        search.Key_Checked[k] = false;
    // Only the search's own plays are read: any other play's uses are
    // compared by the search that may call it.
    const int32_t* uses = Offensive_Play_Use_Counts[search.Side];
    for (int32_t k = 0; k < search.Eligible_Count; ++k) {
        const int32_t p = search.Eligible[k].Play;
        if (kept.Uses[p] != uses[p]) {
            kept.Uses[p] = uses[p];
            kept.Play_Known[p] = 0;
        }
    }
}

// What the search's weights read of key entry k (his extras once read).
KEY_VIEW Key_View(const PLAY_SEARCH& search, int32_t k) {
    const KEY_PLAYER& key = search.Keys[k];
    KEY_VIEW view{};
    view.Position = key.Valid ? key.Position : -1;
    view.Second_Back = search.System == 3 && key.Valid && key.Slot == search.Second_Back;
    view.Threat = search.Key_Threat[k];
    if (!key.Valid || !key.Extra_Known) return view;
    if (search.Category == PLAY_CATEGORY_PASS) {
        if (view.Position == POSITION_TE && key.Count > key.Limit) {
            view.Limit = key.Limit;
            view.Count = key.Count;
        }
    } else if (search.Category == PLAY_CATEGORY_RUN || search.Category == PLAY_CATEGORY_DRAW) {
        if (view.Position == POSITION_FB || view.Position == POSITION_QB) view.Value = key.Value;
        if (view.Position == POSITION_RB && key.Workload && key.Count > key.Limit) {
            view.Limit = key.Limit;
            view.Count = key.Count;
        }
    }
    return view;
}

// What the search sees of a key player, read on the first weight of a play of
// his (his extras with it, as the weights read them) and compared with what
// the kept weights were worked out from: when it changed, his plays' weights
// are cleared.
void Check_Key(GAME_RECORD* pGame, PLAY_SEARCH& search, int32_t k) {
    KEY_PLAYER& key = search.Keys[k];
    KEPT_WEIGHTS& weights = *search.Kept;
    KEPT_KEY& kept = weights.Keys[k];
    search.Key_Checked[k] = true;
    const int32_t position = key.Valid ? key.Position : -1;
    if (key.Valid && !key.Extra_Known &&
        (position == POSITION_TE || position == POSITION_FB || position == POSITION_RB ||
         position == POSITION_QB))
        Read_Key_Extras(pGame, search.Team, search.Category, key);
    const KEY_VIEW view = Key_View(search, k);
    if (kept.Known && kept.View == view) return;
    kept.Known = true;
    kept.View = view;
    for (uint64_t plays = search.Profile->Keyed[k]; plays != 0; plays &= plays - 1)
        weights.Play_Known[std::countr_zero(plays)] = 0;
}

// The weight of an eligible play once the yardage difference left it `w`.
int32_t Multiplied_Weight(GAME_RECORD* pGame, PLAY_SEARCH& search, int32_t p, int32_t w) {
    const int32_t team = search.Team;
    const int32_t category = search.Category;
    PLAY_PROFILE& play = search.Profile->Play[p];
    KEPT_WEIGHTS& kept = *search.Kept;
    KEY_PLAYER* key = play.Primary >= 0 ? &search.Keys[play.Primary] : nullptr;
    const bool key_valid = key != nullptr && key->Valid;
    const int32_t key_position = key_valid ? key->Position : -1;
    if (!(kept.Play_Known[p] & BASE_KNOWN)) {
        int32_t uses = Offensive_Play_Use_Counts[search.Side][p];
        if (uses < 0) uses = 0;
        const int32_t m = Offensive_Redundancy_From_Uses(uses, search.Adjustment);
        kept.Redundancy_Squared[p] = m * m;
        kept.Play_Known[p] |= BASE_KNOWN;
    }
    w = Mul_Div_Round(kept.Redundancy_Squared[p], w, 1000000);
    // The fit is kept with the playbook's profile.
    w = Mul_Div_Round(w, Play_System_Match(play, team), 1000);
    if (search.System == 3 && key_valid && key->Slot == search.Second_Back) w *= 2;
    if (key_valid && !key->Extra_Known &&
        (key_position == POSITION_TE || key_position == POSITION_FB || key_position == POSITION_RB ||
         key_position == POSITION_QB))
        Read_Key_Extras(pGame, team, category, *key);
    if (category == PLAY_CATEGORY_PASS) {
        if (key_position == POSITION_FB) w = Mul_Div_Round(35, w, 100);
        // A tight end who already gains more than 50 yards a game is
        // thrown to less often.
        if (key_position == POSITION_TE) {
            w = Mul_Div_Round(65, w, 100);
            if (key->Count > key->Limit) w = Mul_Div_Round(w, key->Limit, key->Count);
        }
        if (search.Threat != 0 && key_valid && key->Slot == search.First_Receiver)
            w = Mul_Div_Round(w, 8, search.Threat + 8);
    } else if (category == PLAY_CATEGORY_RUN || category == PLAY_CATEGORY_DRAW) {
        if (key_position == POSITION_FB)
            w = Mul_Div_Round(w, key->Value, 35);
        else if (key_position == POSITION_RB && key->Workload && key->Count > key->Limit)
            w = Mul_Div_Round(w, key->Limit, key->Count);
        else if (key_position == POSITION_QB)
            w = Mul_Div_Round(key->Value, w, 100);
    }
    if (w < 0) {
        Report_System_Error("Negative nChance in Find_Offensive_Play()");
        w = 0;
    }
    return w;
}

// The weights of the search: running sums over the eligible plays into
// `sums` (a play that may not be called weighs nothing, so the running sum
// over all plays 0-59 stands still between eligible ones).
void Weigh_Offensive_Plays(GAME_RECORD* pGame, PLAY_SEARCH& search, int32_t wanted, int64_t* sums) {
    const int32_t togo = pGame->Yards_To_Go;
    const int32_t togoal = pGame->Yards_To_Goal;
    const int32_t half_left = Get_Half_Time_Left(pGame);
    Claim_Kept_Weights(search);
    int64_t total = 0;
    for (int32_t k = 0; k < search.Eligible_Count; ++k) {
        const SEARCH_PLAY& play = search.Eligible[k];
        const int32_t p = play.Play;
        int32_t w = 0;
        const int32_t yardage = play.Yardage;
        if (!(yardage > wanted && yardage > togoal + 5)) {
            int32_t step = NO_WEIGHT_STEP;
            if (!(play.Hail_Mary && togo < 30 && (half_left > 15 || togoal < 30))) {
                int32_t d = yardage > wanted ? yardage - wanted : wanted - yardage;
                if (wanted > 10)
                    d /= 3;
                else if (wanted > 4)
                    d /= 2;
                if (wanted < yardage && yardage < 2 * wanted) {
                    int32_t divisor = (wanted + 1) / 2;
                    if (divisor < 1) divisor = 1;
                    d /= divisor;
                }
                if (d < NO_WEIGHT_STEP) step = d;
            }
            const uint16_t bit = static_cast<uint16_t>(1u << step);
            const int32_t key = play.Key;
            if (!search.Key_Checked[key]) Check_Key(pGame, search, key);
            KEPT_WEIGHTS& kept = *search.Kept;
            if (!(kept.Play_Known[p] & bit)) {
                // The weight of no weight is 0; it is worked out once all the
                // same, for what reading the play's multipliers reports.
                const int32_t full = step == NO_WEIGHT_STEP ? 0 : 4096 >> step;
                const int32_t weight = Multiplied_Weight(pGame, search, p, full);
                if (step != NO_WEIGHT_STEP) kept.Weight[step][p] = weight;
                kept.Play_Known[p] |= bit;
            }
            w = step == NO_WEIGHT_STEP ? 0 : kept.Weight[step][p];
        }
        total += w;
        sums[k] = total;
    }
}

// The running sums for the yards wanted, weighed once per search.
const int64_t* Search_Running_Weights(GAME_RECORD* pGame, PLAY_SEARCH& search, int32_t wanted) {
    for (int32_t n = 0; n < search.Weighed_Count; ++n)
        if (search.Weighed_Wanted[n] == wanted) return search.Weighed_Sums[n];
    const int32_t n = search.Weighed_Count < WEIGHED_KEPT ? search.Weighed_Count++ : WEIGHED_KEPT - 1;
    search.Weighed_Wanted[n] = wanted;
    Weigh_Offensive_Plays(pGame, search, wanted, search.Weighed_Sums[n]);
    return search.Weighed_Sums[n];
}

// The searches of the snap, one per kind of play, kept while the snap's calls
// last (a search whose reading drew a number is made again when asked again).
constexpr int32_t KEPT_SEARCHES = 3;
PLAY_SEARCH Kept_Searches[KEPT_SEARCHES];
PLAY_SEARCH Loose_Search;
int32_t Next_Kept_Search = 0;

PLAY_SEARCH& Play_Search(GAME_RECORD* pGame, int32_t category) {
    const uint32_t epoch = Get_Snap_Answers_Epoch();
    const int32_t team = pGame->Team[Get_Offense_Side(pGame)];
    if (epoch != 0)
        for (PLAY_SEARCH& kept : Kept_Searches)
            if (kept.Epoch == epoch && kept.Team == team && kept.Category == category &&
                kept.Last_Play == Last_Offensive_Play)
                return kept;
    PLAY_SEARCH& search = epoch != 0 ? Kept_Searches[Next_Kept_Search] : Loose_Search;
    if (epoch != 0) Next_Kept_Search = (Next_Kept_Search + 1) % KEPT_SEARCHES;
    const uint64_t draws = Get_Random_Draw_Count();
    Prepare_Play_Search(pGame, category, search);
    search.Epoch = Get_Random_Draw_Count() == draws ? epoch : 0;
    return search;
}

} // namespace

int32_t Find_Offensive_Play(GAME_RECORD* pGame, int32_t category, int32_t wanted) {
    if (pGame == nullptr) return 0;
    PLAY_SEARCH& search = Play_Search(pGame, category);
    const uint64_t draws = Get_Random_Draw_Count();
    const int64_t* sums = Search_Running_Weights(pGame, search, wanted);
    const int32_t count = search.Eligible_Count;
    const int64_t total = count > 0 ? sums[count - 1] : 0;
    // Weighing that drew a number leaves a search, and weights, that are not
    // to be reused.
    if (Get_Random_Draw_Count() != draws) {
        search.Epoch = 0;
        Renew_Kept_Weights(*search.Kept);
    }
    const double u = Random_Number() * RANDOM_FRACTION;
    const int64_t x = static_cast<int64_t>(u * static_cast<double>(total));
    // The first play 0-59 whose running sum reaches x (the sums never fall),
    // play 0 when x is not above play 0's and play 59 when none reaches it:
    // the play of the first eligible sum to reach x.
    const int64_t first = count > 0 && search.Eligible[0].Play == 0 ? sums[0] : 0;
    int32_t answer = 0;
    if (x > first) {
        int32_t low = 0;
        int32_t high = count;
        while (low < high) {
            const int32_t mid = (low + high) / 2;
            if (sums[mid] >= x)
                high = mid;
            else
                low = mid + 1;
        }
        answer = low < count ? search.Eligible[low].Play : OFFENSIVE_PLAY_NUMBERS - 1;
    }
    if (answer == HARD_CODED_PUNT_PLAY)
        Report_System_Error("Find_Offensive_Play() returned HARD_CODED_PUNT_PLAY");
    if (answer == HARD_CODED_FIELD_GOAL_PLAY)
        Report_System_Error("Find_Offensive_Play() returned HARD_CODED_FIELD_GOAL_PLAY");
    return answer;
}
