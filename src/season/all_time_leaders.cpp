#include "season/all_time_leaders.h"

#include <algorithm>
#include <cstring>
#include <strings.h>

#include "app/diagnostics.h"
#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/safe_strings.h"
#include "database/universe.h"
#include "views/leader_values.h"

namespace {
constexpr int32_t CATEGORIES = NUMBER_OF_LEADER_CATEGORIES;
constexpr int32_t ENTRY_SIZE = sizeof(ALL_TIME_LEADER_ENTRY);
static_assert(ALL_TIME_LEADER_KINDS * CATEGORIES * ALL_TIME_LEADER_ENTRIES * ENTRY_SIZE ==
              sizeof Universe.Tail.All_Time_Leaders);
constexpr int32_t LAST_ENTRY = ALL_TIME_LEADER_ENTRIES - 1;
constexpr uint8_t SLOT_UNTESTED = 0xFF;

// One byte per roster slot of every team: untested, worth testing, or not.
// Starts untested, so the first update considers every player.
uint8_t ATL_Slot_Valid_Cache[TOTAL_NUMBER_OF_TEAMS][PLAYERS_PER_TEAM];
bool Slot_Cache_Started = false;
// Each franchise slot's player id and career totals before and after the week.
int32_t ATL_Week_Ids[MAX_FRANCHISES][PLAYERS_PER_TEAM];
int32_t ATL_Career_Snapshot[MAX_FRANCHISES][PLAYERS_PER_TEAM][2][NUMBER_OF_SEASON_STATS];

struct UPDATE_KIND {
    int32_t Kind;
    int32_t Season;
    int32_t Last_Team;
};

size_t Entry_Offset(int32_t kind, int32_t category, int32_t n) {
    return ((static_cast<size_t>(kind) * CATEGORIES + category) * ALL_TIME_LEADER_ENTRIES + n) * ENTRY_SIZE;
}

void Load_List(int32_t kind, int32_t category, ALL_TIME_LEADER_ENTRY* list) {
    memcpy(list, Universe.Tail.All_Time_Leaders + Entry_Offset(kind, category, 0),
           ALL_TIME_LEADER_ENTRIES * ENTRY_SIZE);
}

void Store_List(int32_t kind, int32_t category, const ALL_TIME_LEADER_ENTRY* list) {
    memcpy(Universe.Tail.All_Time_Leaders + Entry_Offset(kind, category, 0), list,
           ALL_TIME_LEADER_ENTRIES * ENTRY_SIZE);
}

void Sort_List(ALL_TIME_LEADER_ENTRY* list) {
    std::stable_sort(list, list + ALL_TIME_LEADER_ENTRIES,
                     [](const ALL_TIME_LEADER_ENTRY& a, const ALL_TIME_LEADER_ENTRY& b) {
                         return Compare_All_Time_Leader_Entries(a, b) < 0;
                     });
}

void Start_Slot_Cache() {
    if (Slot_Cache_Started) return;
    memset(ATL_Slot_Valid_Cache, SLOT_UNTESTED, sizeof ATL_Slot_Valid_Cache);
    Slot_Cache_Started = true;
}

[[gnu::always_inline]] inline bool Is_Slot_Worth_Testing(int32_t team, int32_t slot) {
    uint8_t& cached = ATL_Slot_Valid_Cache[team][slot];
    if (cached == SLOT_UNTESTED) cached = Is_Player_Slot_Used(team, slot) ? 1 : 0;
    return cached == 1;
}

// Value, date and the player's present state into an entry.
void Stamp_Entry(ALL_TIME_LEADER_ENTRY& entry, int32_t team, int32_t slot, int32_t value) {
    entry.Value = value;
    entry.Year = static_cast<int16_t>(Get_Current_Year());
    entry.Week = static_cast<int8_t>(Get_Current_Week());
    entry.Team = static_cast<uint8_t>(team);
    entry.Age = static_cast<int8_t>(Get_Player_Age(team, slot));
    entry.Credited_Seasons = Get_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS);
}

// The names as stored: the lists only read players, so a nameless record is
// not given a random name (and no random number is drawn) on their account.
void Copy_Stored_Names(ALL_TIME_LEADER_ENTRY& entry, int32_t team, int32_t slot) {
    const PLAYER_RECORD* player = Get_Player_Record_Pointer(team, slot);
    safe_strncpy(entry.Last_Name, player->Last_Name, sizeof entry.Last_Name);
    safe_strncpy(entry.First_Name, player->First_Name, sizeof entry.First_Name);
}

bool Has_Same_Names(const ALL_TIME_LEADER_ENTRY& entry, int32_t team, int32_t slot) {
    ALL_TIME_LEADER_ENTRY names{};
    Copy_Stored_Names(names, team, slot);
    return strncasecmp(entry.Last_Name, names.Last_Name, sizeof entry.Last_Name) == 0 &&
           strncasecmp(entry.First_Name, names.First_Name, sizeof entry.First_Name) == 0;
}

// Re-reads the listed players' values and marks them as listed. A player
// found only in a franchise slot that is not in use has left the league.
void Reread_Entries(const UPDATE_KIND& update, int32_t low, int32_t category, ALL_TIME_LEADER_ENTRY* list,
                    bool (*listed)[PLAYERS_PER_TEAM], uint8_t (*listed_in)[PLAYERS_PER_TEAM]) {
    const int32_t year = static_cast<int16_t>(Get_Current_Year());
    for (int32_t n = 0; n < ALL_TIME_LEADER_ENTRIES; ++n) {
        ALL_TIME_LEADER_ENTRY& entry = list[n];
        if (entry.Player_ID <= 0) continue;
        PLAYER_LOCATION where{};
        if (!Lookup_Player_ID_Hash(&where, entry.Player_ID) || !Is_Player_Slot_Used(where.Team, where.Slot)) {
            entry.Player_ID = -1;
            continue;
        }
        if (low == ATL_UPDATE_THIS_SEASON && entry.Year != year) continue;
        const int32_t value = Get_Player_Leader_Value(where.Team, where.Slot, category, update.Season);
        if (!listed[where.Team][where.Slot]) ++listed_in[where.Team][where.Slot];
        listed[where.Team][where.Slot] = true;
        const bool changed = low == ATL_UPDATE_CAREER ? value != entry.Value : value > entry.Value;
        if (changed) Stamp_Entry(entry, where.Team, where.Slot, value);
    }
    Sort_List(list);
}

void Insert_Candidate(ALL_TIME_LEADER_ENTRY* list, int32_t team, int32_t slot, int32_t value) {
    for (int32_t n = 0; n < ALL_TIME_LEADER_ENTRIES; ++n) {
        ALL_TIME_LEADER_ENTRY& entry = list[n];
        if (entry.Value == value && Has_Same_Names(entry, team, slot)) {
            // A list loaded from the history file meets the player it names.
            if (entry.Team == NO_TEAM) {
                entry.Player_ID = Get_Player_ID(team, slot);
                entry.Team = static_cast<uint8_t>(team);
            }
            return;
        }
        if (entry.Value >= value) continue;
        memmove(&list[n + 1], &list[n], (LAST_ENTRY - n) * ENTRY_SIZE);
        ALL_TIME_LEADER_ENTRY fresh{};
        Copy_Stored_Names(fresh, team, slot);
        fresh.Player_ID = Get_Player_ID(team, slot);
        Stamp_Entry(fresh, team, slot, value);
        list[n] = fresh;
        return;
    }
}

// A candidate's team and slot.
struct CANDIDATE_SLOT {
    uint8_t Team;
    uint8_t Slot;
};

// The players an update may list, read once for all its categories: nothing
// an update does moves a player or changes his position. For each set of
// leader groups, the slots (in team and slot order) of the players in them.
struct UPDATE_CANDIDATES {
    uint8_t Group[TOTAL_NUMBER_OF_TEAMS][PLAYERS_PER_TEAM];
    bool Known[LEADS_ANY_GROUP + 1];
    int32_t Count[LEADS_ANY_GROUP + 1];
    CANDIDATE_SLOT Slots[LEADS_ANY_GROUP + 1][TOTAL_NUMBER_OF_TEAMS * PLAYERS_PER_TEAM];
    // The categories of the update in which each slot stood listed.
    uint8_t Listed_In[TOTAL_NUMBER_OF_TEAMS][PLAYERS_PER_TEAM];
};

void Read_Candidates(const UPDATE_KIND& update, UPDATE_CANDIDATES& candidates) {
    memset(candidates.Known, 0, sizeof candidates.Known);
    memset(candidates.Listed_In, 0, sizeof candidates.Listed_In);
    for (int32_t team = 0; team <= update.Last_Team; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
            candidates.Group[team][slot] = static_cast<uint8_t>(Get_Player_Leader_Group(team, slot));
}

// The slots of the players in the groups; a player outside a category's
// groups has the value 0 in it.
const CANDIDATE_SLOT* Candidates_In(const UPDATE_KIND& update, UPDATE_CANDIDATES& candidates, int32_t groups,
                                    int32_t* count) {
    if (!candidates.Known[groups]) {
        int32_t n = 0;
        for (int32_t team = 0; team <= update.Last_Team; ++team)
            for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
                if ((candidates.Group[team][slot] & groups) != 0)
                    candidates.Slots[groups][n++] = {static_cast<uint8_t>(team), static_cast<uint8_t>(slot)};
        candidates.Count[groups] = n;
        candidates.Known[groups] = true;
    }
    *count = candidates.Count[groups];
    return candidates.Slots[groups];
}

void Update_Category(const UPDATE_KIND& update, int32_t low, int32_t category,
                     UPDATE_CANDIDATES& candidates) {
    static bool listed[TOTAL_NUMBER_OF_TEAMS][PLAYERS_PER_TEAM];
    memset(listed, 0, sizeof listed);
    ALL_TIME_LEADER_ENTRY list[ALL_TIME_LEADER_ENTRIES];
    Load_List(update.Kind, category, list);
    if (low != ATL_UPDATE_GAME) Reread_Entries(update, low, category, list, listed, candidates.Listed_In);
    int32_t count = 0;
    const CANDIDATE_SLOT* slots =
        Candidates_In(update, candidates, Get_Leader_Category_Groups(category), &count);
    // The candidates are players in use and of the category's groups.
    const LEADER_QUERY query = Prepare_Leader_Query(category, update.Season);
    for (int32_t n = 0; n < count; ++n) {
        const int32_t team = slots[n].Team;
        const int32_t slot = slots[n].Slot;
        if (listed[team][slot] || !Is_Slot_Worth_Testing(team, slot)) continue;
        const int32_t value = Get_Queried_Leader_Value(query, team, slot);
        if (value == 0 || value <= list[LAST_ENTRY].Value) continue;
        Insert_Candidate(list, team, slot, value);
    }
    Sort_List(list);
    Store_List(update.Kind, category, list);
}

// Every slot of the update's teams not listed in some category was asked
// whether it is worth testing, so its answer is kept for the next update
// (an answer no update asks for meanwhile).
void Note_Slots_Asked(const UPDATE_KIND& update, const UPDATE_CANDIDATES& candidates) {
    for (int32_t team = 0; team <= update.Last_Team; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
            if (candidates.Listed_In[team][slot] < CATEGORIES) Is_Slot_Worth_Testing(team, slot);
}

// The player recorded for a franchise slot at the week's snapshot, wherever he
// is now; false when the slot was empty or he cannot be found.
bool Find_Week_Player(int32_t team, int32_t slot, const char* mode_name, int32_t* team_out,
                      int32_t* slot_out) {
    const int32_t id = ATL_Week_Ids[team][slot];
    if (id != 0 && Get_Player_ID(team, slot) == id) {
        *team_out = team;
        *slot_out = slot;
        return true;
    }
    if (id == 0) return false;
    PLAYER_LOCATION where{};
    if (!Lookup_Player_ID_Hash(&where, id)) {
        Log_Debug_Line("Unable to find player id %d (%s)", id, mode_name);
        return false;
    }
    *team_out = where.Team;
    *slot_out = where.Slot;
    return true;
}
} // namespace

bool Get_All_Time_Leader(int32_t kind, int32_t category, int32_t n, ALL_TIME_LEADER_ENTRY* out) {
    if (out == nullptr || kind < 0 || kind >= ALL_TIME_LEADER_KINDS || category < 0 ||
        category >= CATEGORIES || n < 0 || n >= ALL_TIME_LEADER_ENTRIES)
        return false;
    memcpy(out, Universe.Tail.All_Time_Leaders + Entry_Offset(kind, category, n), ENTRY_SIZE);
    return true;
}

bool Set_All_Time_Leader(int32_t kind, int32_t category, int32_t n, const ALL_TIME_LEADER_ENTRY& entry) {
    if (kind < 0 || kind >= ALL_TIME_LEADER_KINDS || category < 0 || category >= CATEGORIES || n < 0 ||
        n >= ALL_TIME_LEADER_ENTRIES)
        return false;
    memcpy(Universe.Tail.All_Time_Leaders + Entry_Offset(kind, category, n), &entry, ENTRY_SIZE);
    return true;
}

int32_t Compare_All_Time_Leader_Entries(const ALL_TIME_LEADER_ENTRY& a, const ALL_TIME_LEADER_ENTRY& b) {
    if (a.Value != b.Value) return a.Value > b.Value ? -1 : 1;
    if (a.Year != b.Year) return a.Year > b.Year ? -1 : 1;
    if (a.Week != b.Week) return a.Week > b.Week ? -1 : 1;
    const int32_t last = strncasecmp(a.Last_Name, b.Last_Name, sizeof a.Last_Name);
    if (last != 0) return last;
    return strncasecmp(a.First_Name, b.First_Name, sizeof a.First_Name);
}

void Move_All_Time_Leader_Teams(const int32_t* to) {
    constexpr int32_t ENTRIES = ALL_TIME_LEADER_KINDS * CATEGORIES * ALL_TIME_LEADER_ENTRIES;
    for (int32_t n = 0; n < ENTRIES; ++n) {
        ALL_TIME_LEADER_ENTRY entry;
        uint8_t* stored = Universe.Tail.All_Time_Leaders + static_cast<size_t>(n) * ENTRY_SIZE;
        memcpy(&entry, stored, ENTRY_SIZE);
        if (entry.Player_ID == 0 && entry.Last_Name[0] == '\0') continue;
        if (entry.Team >= MAX_FRANCHISES) continue;
        entry.Team = static_cast<uint8_t>(to[entry.Team]);
        memcpy(stored, &entry, ENTRY_SIZE);
    }
}

int32_t Update_All_Time_Leaders(int32_t kind) {
    Start_Slot_Cache();
    if ((kind & ATL_RESET_SLOT_CACHE) != 0)
        memset(ATL_Slot_Valid_Cache, SLOT_UNTESTED, sizeof ATL_Slot_Valid_Cache);
    const int32_t low = kind & 0xFF;
    UPDATE_KIND update{};
    switch (low) {
    case ATL_UPDATE_CAREER:
        update = {ATL_KIND_CAREER, SEASON_CAREER, FREE_AGENT_TEAM};
        break;
    case ATL_UPDATE_THIS_SEASON:
        update = {ATL_KIND_SEASON, SEASON_THIS, FREE_AGENT_TEAM};
        break;
    case ATL_UPDATE_LAST_SEASON:
        update = {ATL_KIND_SEASON, SEASON_LAST, FREE_AGENT_TEAM};
        break;
    case ATL_UPDATE_GAME:
        // The week's values stand in the career columns (see Refresh_All_Time_Leaders).
        update = {ATL_KIND_GAME, SEASON_CAREER, MAX_FRANCHISES - 1};
        break;
    default:
        Report_System_Error("WTF?");
        return 1;
    }
    static UPDATE_CANDIDATES candidates;
    Read_Candidates(update, candidates);
    for (int32_t category = 0; category < CATEGORIES; ++category)
        Update_Category(update, low, category, candidates);
    Note_Slots_Asked(update, candidates);
    return 1;
}

void Update_ATL_Career_Totals(int32_t mode) {
    if (mode < ATL_SNAPSHOT_CAREER || mode > ATL_RESTORE_CAREER) return;
    static const char* const MODE_NAMES[] = {"", "", "ATL_SAVE_NEW_CAREER", "ATL_DELTA_CAREER",
                                             "ATL_RESTORE_CAREER"};
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team) {
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            int32_t* before = ATL_Career_Snapshot[team][slot][0];
            int32_t* after = ATL_Career_Snapshot[team][slot][1];
            if (mode == ATL_SNAPSHOT_CAREER) {
                ATL_Week_Ids[team][slot] = Get_Player_ID(team, slot);
                Get_Player_Stat_Row(team, slot, SEASON_CAREER, before);
                continue;
            }
            int32_t now_team = 0;
            int32_t now_slot = 0;
            if (!Find_Week_Player(team, slot, MODE_NAMES[mode], &now_team, &now_slot)) continue;
            // The row is read in every mode for the repairs the reading stores.
            int32_t career[NUMBER_OF_SEASON_STATS];
            Get_Player_Stat_Row(now_team, now_slot, SEASON_CAREER, career);
            if (mode == ATL_SAVE_NEW_CAREER) {
                std::copy(career, career + NUMBER_OF_SEASON_STATS, after);
            } else if (mode == ATL_DELTA_CAREER) {
                for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat)
                    career[stat] -= before[stat];
                Set_Player_Stat_Row(now_team, now_slot, SEASON_CAREER, career);
            } else {
                Set_Player_Stat_Row(now_team, now_slot, SEASON_CAREER, after);
            }
        }
    }
}

void Refresh_All_Time_Leaders() {
    Update_ATL_Career_Totals(ATL_SAVE_NEW_CAREER);
    Update_ATL_Career_Totals(ATL_DELTA_CAREER);
    Update_All_Time_Leaders(ATL_RESET_SLOT_CACHE | ATL_UPDATE_GAME);
    Update_ATL_Career_Totals(ATL_RESTORE_CAREER);
    Update_All_Time_Leaders(ATL_UPDATE_CAREER);
}
