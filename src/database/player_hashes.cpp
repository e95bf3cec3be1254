#include "database/player_hashes.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "app/diagnostics.h"
#include "database/league_structure.h"
#include "database/player_entries.h"
#include "database/player_record.h"
#include "database/safe_strings.h"
#include "database/universe.h"
#include "personnel/player_identity.h"

namespace {
constexpr int32_t ID_HASH_START_MASK = 0xFFF;
constexpr int32_t EMPTY_ID = -1;
constexpr int32_t SANITY_LIST_SIZE = 4100;

constexpr int32_t KEY_INDEX_SIZE = 2 * PLAYER_HASH_SIZE;

struct TEXT_HASH {
    const char* Full_Message;
    int32_t Key_Size;
    char Keys[PLAYER_HASH_SIZE][NAME_KEY_SIZE];
    PLAYER_LOCATION Locations[PLAYER_HASH_SIZE];
    int32_t Count;
    int32_t (*Start)(const char* key);
    void (*Key_Of)(int32_t team, int32_t slot, char* key);
    // Kept beside the table once it is built, so a probe need not walk the
    // run of entries from its start: where each key stands (by its letters
    // folded to lower case; the table slot + 1, 0 for none) and, for every
    // slot, a slot at or after it up to which all are taken (a slot that is
    // empty points to itself).
    bool Indexed;
    int32_t Empty_Slots;
    int16_t Key_Index[KEY_INDEX_SIZE];
    int16_t Next_Empty[PLAYER_HASH_SIZE];
};

int32_t Id_Keys[PLAYER_HASH_SIZE];
PLAYER_LOCATION Id_Locations[PLAYER_HASH_SIZE];
int32_t Id_Count = 0;

// Byte i of a text, 0 at or past its end.
uint32_t Key_Byte(const char* key, int32_t i) {
    for (int32_t k = 0; k < i; ++k)
        if (key[k] == 0) return 0;
    return static_cast<uint8_t>(key[i]);
}

int32_t Name_Start(const char* key) {
    return static_cast<int32_t>(400 * (Key_Byte(key, 1) % 20) + 20 * (Key_Byte(key, 9) % 20) +
                                Key_Byte(key, 5) % 20);
}

int32_t External_ID_Start(const char* key) {
    return static_cast<int32_t>(400 * (Key_Byte(key, 0) % 20) + 20 * (Key_Byte(key, 3) % 20) +
                                Key_Byte(key, 6) % 20);
}

void Full_Name_Key(int32_t team, int32_t slot, char* key) {
    char name[PLAYER_NAME_TEXT_SIZE];
    Get_Player_Full_Name(team, slot, name);
    safe_strncpy(key, name, NAME_KEY_SIZE);
}

void External_ID_Key(int32_t team, int32_t slot, char* key) {
    Get_Player_External_ID(team, slot, key);
}

TEXT_HASH Name_Hash = {
    "Player Name HASH HAS FILLED!", NAME_KEY_SIZE, {}, {}, 0, Name_Start, Full_Name_Key, false, 0, {}, {}};
TEXT_HASH External_Hash = {"VORLAN HASH HAS FILLED!",
                           EXTERNAL_ID_KEY_SIZE,
                           {},
                           {},
                           0,
                           External_ID_Start,
                           External_ID_Key,
                           false,
                           0,
                           {},
                           {}};

bool Same_Text_Ignoring_Case(const char* a, const char* b) {
    for (;; ++a, ++b) {
        char x = (*a >= 'A' && *a <= 'Z') ? static_cast<char>(*a + 32) : *a;
        char y = (*b >= 'A' && *b <= 'Z') ? static_cast<char>(*b + 32) : *b;
        if (x != y) return false;
        if (x == 0) return true;
    }
}

constexpr PLAYER_LOCATION NOT_FOUND = {static_cast<uint8_t>(NO_TEAM), static_cast<uint8_t>(NO_PLAYER)};
// What an entry points to when it points to nobody: both bytes 255, as a
// cleared table has them.
constexpr PLAYER_LOCATION NO_LOCATION = {0xFF, 0xFF};

void Write_Location(PLAYER_LOCATION* out, PLAYER_LOCATION where) {
    if (out != nullptr) *out = where;
}

bool Is_Record_Location(PLAYER_LOCATION where) {
    return where.Team < TOTAL_NUMBER_OF_TEAMS && where.Slot < PLAYERS_PER_TEAM;
}

char Folded(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

uint32_t Folded_Text_Hash(const char* key) {
    uint32_t h = 2166136261u;
    for (; *key != 0; ++key)
        h = (h ^ static_cast<uint8_t>(Folded(*key))) * 16777619u;
    return h;
}

// The slot holding the key (letters folded), or -1.
int32_t Indexed_Key_Slot(const TEXT_HASH& hash, const char* key) {
    for (uint32_t at = Folded_Text_Hash(key) & (KEY_INDEX_SIZE - 1);; at = (at + 1) & (KEY_INDEX_SIZE - 1)) {
        const int32_t entry = hash.Key_Index[at];
        if (entry == 0) return -1;
        if (Same_Text_Ignoring_Case(hash.Keys[entry - 1], key)) return entry - 1;
    }
}

// The first empty slot at or after `index`, round the end; -1 when none is.
int32_t Indexed_Empty_Slot(TEXT_HASH& hash, int32_t index) {
    if (hash.Empty_Slots == 0) return -1;
    int32_t root = index;
    while (hash.Next_Empty[root] != root)
        root = hash.Next_Empty[root];
    // Every slot on the way now points past the taken ones at once.
    while (hash.Next_Empty[index] != root) {
        const int32_t next = hash.Next_Empty[index];
        hash.Next_Empty[index] = static_cast<int16_t>(root);
        index = next;
    }
    return root;
}

void Start_Key_Index(TEXT_HASH& hash) {
    memset(hash.Key_Index, 0, sizeof hash.Key_Index);
    for (int32_t slot = 0; slot < PLAYER_HASH_SIZE; ++slot)
        hash.Next_Empty[slot] = static_cast<int16_t>(slot);
    hash.Empty_Slots = PLAYER_HASH_SIZE;
    hash.Indexed = true;
}

// Notes a key written into an empty slot.
void Index_New_Key(TEXT_HASH& hash, int32_t slot) {
    if (!hash.Indexed) return;
    hash.Next_Empty[slot] = static_cast<int16_t>((slot + 1) % PLAYER_HASH_SIZE);
    --hash.Empty_Slots;
    uint32_t at = Folded_Text_Hash(hash.Keys[slot]) & (KEY_INDEX_SIZE - 1);
    while (hash.Key_Index[at] != 0)
        at = (at + 1) & (KEY_INDEX_SIZE - 1);
    hash.Key_Index[at] = static_cast<int16_t>(slot + 1);
}

int32_t Probe_Text(const TEXT_HASH& hash, const char* key) {
    int32_t index = hash.Start(key);
    // Keys are written only into empty slots and a slot stays taken until
    // the table is built again, so the slots from a key's start to the key
    // are all taken: the key's own slot, else the first empty one, is where
    // the walk below ends.
    if (hash.Indexed) {
        TEXT_HASH& indexed = const_cast<TEXT_HASH&>(hash);
        const int32_t found = Indexed_Key_Slot(hash, key);
        if (found >= 0) return found;
        const int32_t empty = Indexed_Empty_Slot(indexed, index);
        if (empty >= 0) return empty;
    }
    // At most one lap: a full table ends the probe at its start.
    for (int32_t steps = 0; steps < PLAYER_HASH_SIZE; ++steps) {
        if (hash.Keys[index][0] == 0 || Same_Text_Ignoring_Case(hash.Keys[index], key)) return index;
        index = (index + 1) % PLAYER_HASH_SIZE;
    }
    return index;
}

// Writes the key into the slot the probe gave.
void Store_Key(TEXT_HASH& hash, int32_t index, const char* key) {
    const bool was_empty = hash.Keys[index][0] == 0;
    // A key written over another (a full table) leaves the index behind.
    if (!was_empty && !Same_Text_Ignoring_Case(hash.Keys[index], key)) hash.Indexed = false;
    safe_strncpy(hash.Keys[index], key, hash.Key_Size);
    if (was_empty && hash.Keys[index][0] != 0) Index_New_Key(hash, index);
}

void Build_Text_Hash(TEXT_HASH& hash) {
    memset(hash.Keys, 0, sizeof hash.Keys);
    memset(hash.Locations, 0xFF, sizeof hash.Locations);
    hash.Count = 0;
    Start_Key_Index(hash);
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team) {
        if (!Is_Valid_Team_Code(team)) continue;
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (Universe.Teams[team].Players[slot].Vital_Stats[VITAL_PLAYER_ID] == 0) continue;
            char key[NAME_KEY_SIZE] = {};
            hash.Key_Of(team, slot, key);
            if (key[0] == 0) continue;
            int32_t index = Probe_Text(hash, key);
            Store_Key(hash, index, key);
            hash.Locations[index] = {static_cast<uint8_t>(team), static_cast<uint8_t>(slot)};
            ++hash.Count;
        }
    }
}

int32_t Lookup_Text(TEXT_HASH& hash, PLAYER_LOCATION* out, const char* text) {
    if (text == nullptr || text[0] == 0) {
        Write_Location(out, NOT_FOUND);
        return 0;
    }
    char key[NAME_KEY_SIZE] = {};
    safe_strncpy(key, text, hash.Key_Size);
    int32_t index = Probe_Text(hash, key);
    PLAYER_LOCATION where = hash.Locations[index];
    if (hash.Keys[index][0] != 0 && Is_Record_Location(where)) {
        char current[NAME_KEY_SIZE] = {};
        if (Is_Player_Location_Used(where)) hash.Key_Of(where.Team, where.Slot, current);
        if (current[0] != 0 && Same_Text_Ignoring_Case(current, key)) {
            Write_Location(out, where);
            return 1;
        }
    }
    hash.Locations[index] = NO_LOCATION;
    if (hash.Count >= PLAYER_HASH_FILL_LIMIT) {
        Report_System_Error("%s", hash.Full_Message);
        Build_Text_Hash(hash);
        index = Probe_Text(hash, key);
    }
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team) {
        if (!Is_Valid_Team_Code(team)) continue;
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (Universe.Teams[team].Players[slot].Vital_Stats[VITAL_PLAYER_ID] == 0) continue;
            char current[NAME_KEY_SIZE] = {};
            hash.Key_Of(team, slot, current);
            if (current[0] == 0 || !Same_Text_Ignoring_Case(current, key)) continue;
            if (hash.Keys[index][0] == 0) {
                Store_Key(hash, index, key);
                ++hash.Count;
            }
            hash.Locations[index] = {static_cast<uint8_t>(team), static_cast<uint8_t>(slot)};
            Write_Location(out, hash.Locations[index]);
            return 1;
        }
    }
    Write_Location(out, NOT_FOUND);
    return 0;
}

int32_t Find_With(int32_t found, PLAYER_LOCATION where, int32_t* team_out, int32_t* slot_out) {
    if (!found) return 0;
    Split_Player_Location(where, team_out, slot_out);
    return 1;
}
} // namespace

namespace {
uint32_t Id_Hash_Builds = 0;
} // namespace

uint32_t Get_Player_ID_Hash_Builds() {
    return Id_Hash_Builds;
}

void Build_Player_ID_Hash() {
    ++Id_Hash_Builds;
    for (int32_t& key : Id_Keys)
        key = EMPTY_ID;
    memset(Id_Locations, 0xFF, sizeof Id_Locations);
    Id_Count = 0;
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            int32_t id = Universe.Teams[team].Players[slot].Vital_Stats[VITAL_PLAYER_ID];
            if (id == 0) continue;
            int32_t index = Probe_Player_ID_Hash(id);
            Id_Keys[index] = id;
            Id_Locations[index] = {static_cast<uint8_t>(team), static_cast<uint8_t>(slot)};
            ++Id_Count;
        }
}

void Build_Player_Name_Hash() {
    Build_Text_Hash(Name_Hash);
}
void Build_External_ID_Hash() {
    Build_Text_Hash(External_Hash);
}

void Build_All_Player_Hashes() {
    Build_Player_ID_Hash();
    Build_Player_Name_Hash();
    Build_External_ID_Hash();
}

int32_t Probe_Player_ID_Hash(int32_t id) {
    int32_t index = id & ID_HASH_START_MASK;
    for (int32_t steps = 0; steps < PLAYER_HASH_SIZE; ++steps) {
        if (Id_Keys[index] == EMPTY_ID || Id_Keys[index] == id) return index;
        index = (index + 1) % PLAYER_HASH_SIZE;
    }
    return index;
}

int32_t Probe_Name_Hash(const char* text) {
    return Probe_Text(Name_Hash, text);
}
int32_t Probe_External_ID_Hash(const char* text) {
    return Probe_Text(External_Hash, text);
}

namespace {
// A lookup whose entry did not lead to the id: the entry points nowhere, a
// table at its fill limit is built again; the entry to use from there.
int32_t Forget_Player_ID_Entry(int32_t id, int32_t index) {
    Id_Locations[index] = NO_LOCATION;
    if (Id_Count >= PLAYER_HASH_FILL_LIMIT) {
        Report_System_Error("HASH HAS FILLED!");
        Build_Player_ID_Hash();
        index = Probe_Player_ID_Hash(id);
    }
    return index;
}

// Every id the slots of teams 0-40 hold, with how many slots hold it, kept
// up to date by the renumbering that uses it.
struct HELD_IDS {
    std::unordered_map<int32_t, int32_t> Count;
};

// Whether a player holds the id, as Lookup_Player_ID_Hash answers it and
// with what it does to the table: an id held is looked up; for one that is
// not, its entry is forgotten as the lookup would before walking the block.
bool Is_Held(int32_t id, void* context) {
    const HELD_IDS& held = *static_cast<const HELD_IDS*>(context);
    const auto found = held.Count.find(id);
    if (found != held.Count.end() && found->second > 0) return Lookup_Player_ID_Hash(nullptr, id) != 0;
    Forget_Player_ID_Entry(id, Probe_Player_ID_Hash(id));
    return false;
}
} // namespace

namespace {
SLOT_REMAKE_SCOPE* Active_Remake_Scope = nullptr;

// The positive ids the block's slots held when last asked, sorted, with the
// id each slot held then. Bringing them up to date walks the block and merges
// in only the slots whose id differs, rather than sorting every id again for
// each slot remade; the walk compares every slot, so any change, by whatever
// writer or load, is taken in.
struct KEPT_BLOCK_IDS {
    int32_t Slot_Ids[TOTAL_NUMBER_OF_TEAMS][PLAYERS_PER_TEAM];
    std::vector<int32_t> Sorted;
    std::vector<int32_t> Gone;
    std::vector<int32_t> Added;
    std::vector<int32_t> Merged;
};
KEPT_BLOCK_IDS Kept_Block_Ids;

// The positive ids every slot of the block holds now, sorted (an id held
// twice stands twice).
const std::vector<int32_t>& Current_Block_Ids() {
    KEPT_BLOCK_IDS& kept = Kept_Block_Ids;
    kept.Gone.clear();
    kept.Added.clear();
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            const int32_t held = Universe.Teams[team].Players[slot].Vital_Stats[VITAL_PLAYER_ID];
            int32_t& was = kept.Slot_Ids[team][slot];
            if (held == was) continue;
            if (was > 0) kept.Gone.push_back(was);
            if (held > 0) kept.Added.push_back(held);
            was = held;
        }
    if (kept.Gone.empty() && kept.Added.empty()) return kept.Sorted;
    std::sort(kept.Gone.begin(), kept.Gone.end());
    std::sort(kept.Added.begin(), kept.Added.end());
    // The ids gone are among the sorted ones, each as often as it left.
    kept.Merged.clear();
    auto gone = kept.Gone.begin();
    for (const int32_t id : kept.Sorted) {
        if (gone != kept.Gone.end() && *gone == id) {
            ++gone;
            continue;
        }
        kept.Merged.push_back(id);
    }
    const size_t stayed = kept.Merged.size();
    kept.Merged.insert(kept.Merged.end(), kept.Added.begin(), kept.Added.end());
    std::inplace_merge(kept.Merged.begin(), kept.Merged.begin() + static_cast<std::ptrdiff_t>(stayed),
                       kept.Merged.end());
    kept.Sorted.swap(kept.Merged);
    return kept.Sorted;
}

// What Lookup_Player_ID_Hash answers and does for an id whose holding is
// known: a held one is looked up (and found); for one that is not, its entry
// is forgotten as the lookup would before walking the block.
bool Answer_Known_Holding(int32_t id, bool held) {
    if (held) return Lookup_Player_ID_Hash(nullptr, id) != 0;
    Forget_Player_ID_Entry(id, Probe_Player_ID_Hash(id));
    return false;
}
} // namespace

SLOT_REMAKE_SCOPE::SLOT_REMAKE_SCOPE(int32_t team, int32_t slot)
    : Team(team), Slot(slot), Outer(Active_Remake_Scope),
      Active(Active_Remake_Scope == nullptr || !Active_Remake_Scope->Covers(team, slot)) {
    if (Active) Active_Remake_Scope = this;
}

SLOT_REMAKE_SCOPE::~SLOT_REMAKE_SCOPE() {
    if (Active) Active_Remake_Scope = Outer;
}

bool SLOT_REMAKE_SCOPE::Is_Held(int32_t id) {
    if (id <= 0) return Lookup_Player_ID_Hash(nullptr, id) != 0;
    if (!Gathered) {
        if (Checks++ == 0) return Lookup_Player_ID_Hash(nullptr, id) != 0;
        Other_Ids = Current_Block_Ids();
        // Every id but the one the slot itself holds.
        const int32_t own = Universe.Teams[Team].Players[Slot].Vital_Stats[VITAL_PLAYER_ID];
        if (own > 0) Other_Ids.erase(std::lower_bound(Other_Ids.begin(), Other_Ids.end(), own));
        Gathered = true;
    }
    const bool held = Universe.Teams[Team].Players[Slot].Vital_Stats[VITAL_PLAYER_ID] == id ||
                      std::binary_search(Other_Ids.begin(), Other_Ids.end(), id);
    return Answer_Known_Holding(id, held);
}

bool Is_Player_ID_Held(int32_t id, int32_t team, int32_t slot) {
    if (Active_Remake_Scope != nullptr && Active_Remake_Scope->Covers(team, slot))
        return Active_Remake_Scope->Is_Held(id);
    return Lookup_Player_ID_Hash(nullptr, id) != 0;
}

void Note_Player_ID_Moved(int32_t id, int32_t team, int32_t slot) {
    const PLAYER_LOCATION where{static_cast<uint8_t>(team), static_cast<uint8_t>(slot)};
    if (id <= 0 || team < 0 || slot < 0 || !Is_Record_Location(where)) return;
    const int32_t index = Probe_Player_ID_Hash(id);
    if (Id_Keys[index] == id) Id_Locations[index] = where;
}

int32_t Lookup_Player_ID_Hash(PLAYER_LOCATION* out, int32_t id) {
    if (id <= 0) {
        Write_Location(out, NOT_FOUND);
        return 0;
    }
    int32_t index = Probe_Player_ID_Hash(id);
    PLAYER_LOCATION where = Id_Locations[index];
    if (Id_Keys[index] == id && Is_Record_Location(where) &&
        Universe.Teams[where.Team].Players[where.Slot].Vital_Stats[VITAL_PLAYER_ID] == id) {
        Write_Location(out, where);
        return 1;
    }
    index = Forget_Player_ID_Entry(id, index);
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (Universe.Teams[team].Players[slot].Vital_Stats[VITAL_PLAYER_ID] != id) continue;
            if (Id_Keys[index] == EMPTY_ID) {
                Id_Keys[index] = id;
                ++Id_Count;
            }
            Id_Locations[index] = {static_cast<uint8_t>(team), static_cast<uint8_t>(slot)};
            Write_Location(out, Id_Locations[index]);
            return 1;
        }
    Write_Location(out, NOT_FOUND);
    return 0;
}

int32_t Lookup_Player_Name_Hash(PLAYER_LOCATION* out, const char* name) {
    return Lookup_Text(Name_Hash, out, name);
}

int32_t Lookup_External_ID_Hash(PLAYER_LOCATION* out, const char* text) {
    return Lookup_Text(External_Hash, out, text);
}

int32_t Find_Player_By_ID(int32_t* team_out, int32_t* slot_out, int32_t id) {
    PLAYER_LOCATION where{};
    return Find_With(Lookup_Player_ID_Hash(&where, id), where, team_out, slot_out);
}

int32_t Find_Player_By_Full_Name(int32_t* team_out, int32_t* slot_out, const char* name) {
    PLAYER_LOCATION where{};
    return Find_With(Lookup_Player_Name_Hash(&where, name), where, team_out, slot_out);
}

int32_t Find_Player_By_External_ID(int32_t* team_out, int32_t* slot_out, const char* text) {
    PLAYER_LOCATION where{};
    return Find_With(Lookup_External_ID_Hash(&where, text), where, team_out, slot_out);
}

ROSTER_IDS Keep_Roster_Ids() {
    ROSTER_IDS kept;
    kept.Ids.reserve(static_cast<size_t>(TOTAL_NUMBER_OF_TEAMS) * PLAYERS_PER_TEAM);
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
            kept.Ids.push_back(Is_Player_Slot_Used(team, slot) != 0 ? Get_Player_ID(team, slot) : 0);
    return kept;
}

bool Have_Rosters_Moved(const ROSTER_IDS& kept) {
    return Keep_Roster_Ids().Ids != kept.Ids;
}

PLAYER_WATCH Watch_Player(int32_t id) {
    return {id, Get_Player_Checksum_By_ID(id), Keep_Roster_Ids()};
}

bool Has_Watched_Player_Moved(const PLAYER_WATCH& watch) {
    return Get_Player_Checksum_By_ID(watch.Id) != watch.Checksum || Have_Rosters_Moved(watch.Rosters);
}

bool Find_Player_On_Team(int32_t id, int32_t team, int32_t* slot) {
    if (id == 0 || slot == nullptr) return false;
    auto holds = [id, team](int32_t s) {
        return Is_Player_Slot_Used(team, s) != 0 && Get_Player_ID(team, s) == id;
    };
    if (holds(*slot)) return true;
    for (int32_t s = 0; s < PLAYERS_PER_TEAM; ++s)
        if (holds(s)) {
            *slot = s;
            return true;
        }
    return false;
}

int32_t Sanity_Check_Player_IDs() {
    // The start and the timing go to the debugger only; renumberings are logged.
    Log_Debug_Output("Sanity Checking Player IDs");
    auto started = std::chrono::steady_clock::now();
    std::unordered_set<int32_t> seen;
    std::vector<int32_t> duplicated;
    seen.reserve(SANITY_LIST_SIZE);
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team) {
        if (!Is_Valid_Team_Code(team)) continue;
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            int32_t id = Universe.Teams[team].Players[slot].Vital_Stats[VITAL_PLAYER_ID];
            if (id == 0) continue;
            // A third holder of an id lists it a second time, as each later
            // holder meets an earlier one.
            if (!seen.insert(id).second) duplicated.push_back(id);
        }
    }
    if (duplicated.empty()) {
        auto elapsed = std::chrono::steady_clock::now() - started;
        Log_Debug_Output(
            "Finished Sanity Checking Player IDs in %dms",
            static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count()));
        return 1;
    }
    // The new ids are drawn as Generate_Unique_Player_ID draws them, asking
    // a count of the block's ids instead of walking the block for each.
    const std::unordered_set<int32_t> shared(duplicated.begin(), duplicated.end());
    HELD_IDS held;
    for (const TEAM_RECORD& record : Universe.Teams)
        for (const PLAYER_RECORD& player : record.Players)
            if (player.Vital_Stats[VITAL_PLAYER_ID] != 0) ++held.Count[player.Vital_Stats[VITAL_PLAYER_ID]];
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team) {
        if (!Is_Valid_Team_Code(team)) continue;
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            int32_t& stored = Universe.Teams[team].Players[slot].Vital_Stats[VITAL_PLAYER_ID];
            if (stored == 0) continue;
            const int32_t original = stored;
            // Every holder of a shared id is renumbered once, however many
            // others share it: one new id and one log line a player, so a
            // league whose players all hold one id is put right in a walk.
            if (shared.count(original) == 0) continue;
            const int32_t renumbered = Generate_Unique_Player_ID_With(team, slot, Is_Held, &held);
            --held.Count[stored];
            stored = renumbered;
            ++held.Count[renumbered];
            Log_Debug_Line("Duplicate Player ID found: %d.  Changing to %d.", original, renumbered);
        }
    }
    Log_Debug_Line("%d Duplicate player ID's were found.  Sanity Checking YBY.",
                   static_cast<int>(duplicated.size()));
    return 0;
}

int32_t Get_Player_ID_Hash_Key(int32_t index) {
    return static_cast<uint32_t>(index) < PLAYER_HASH_SIZE ? Id_Keys[index] : EMPTY_ID;
}

PLAYER_LOCATION Get_Player_ID_Hash_Location(int32_t index) {
    return static_cast<uint32_t>(index) < PLAYER_HASH_SIZE ? Id_Locations[index] : NOT_FOUND;
}

int32_t Get_Player_ID_Hash_Count() {
    return Id_Count;
}

const char* Get_Name_Hash_Key(int32_t index) {
    return static_cast<uint32_t>(index) < PLAYER_HASH_SIZE ? Name_Hash.Keys[index] : "";
}

int32_t Get_Name_Hash_Count() {
    return Name_Hash.Count;
}

const char* Get_External_ID_Hash_Key(int32_t index) {
    return static_cast<uint32_t>(index) < PLAYER_HASH_SIZE ? External_Hash.Keys[index] : "";
}

PLAYER_LOCATION Get_External_ID_Hash_Location(int32_t index) {
    return static_cast<uint32_t>(index) < PLAYER_HASH_SIZE ? External_Hash.Locations[index] : NOT_FOUND;
}

int32_t Get_External_ID_Hash_Count() {
    return External_Hash.Count;
}
