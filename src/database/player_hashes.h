#pragma once
// Three lookup tables that find a player's current (team, slot) by id, by full
// name and by external id. They live outside the league block, are rebuilt
// after a load, and repair stale entries when a lookup meets one.
#include <cstdint>
#include <vector>

constexpr int32_t PLAYER_HASH_SIZE = 8192;
constexpr int32_t PLAYER_HASH_FILL_LIMIT = 8191;
constexpr int32_t NAME_KEY_SIZE = 33;
constexpr int32_t EXTERNAL_ID_KEY_SIZE = 12;

// A (team, slot) pair as the lookups write it; (128, 255) when not found.
struct PLAYER_LOCATION {
    uint8_t Team;
    uint8_t Slot;
};

void Build_Player_ID_Hash();
void Build_Player_Name_Hash();
void Build_External_ID_Hash();
void Build_All_Player_Hashes();

int32_t Probe_Player_ID_Hash(int32_t id);
// Counts the id table's builds: between two builds, an id whose found place
// still holds it is found there again.
uint32_t Get_Player_ID_Hash_Builds();
int32_t Probe_Name_Hash(const char* text);
int32_t Probe_External_ID_Hash(const char* text);

// Find-or-insert lookups: 1 and the pair when found, 0 and (128, 255) when not.
int32_t Lookup_Player_ID_Hash(PLAYER_LOCATION* out, int32_t id);
// The player holding `id` now stands at team, slot: an entry of the table for
// the id points there, so that the next lookup finds him without walking the
// block (an entry left behind is only found stale and the block walked).
void Note_Player_ID_Moved(int32_t id, int32_t team, int32_t slot);
int32_t Lookup_Player_Name_Hash(PLAYER_LOCATION* out, const char* name);
int32_t Lookup_External_ID_Hash(PLAYER_LOCATION* out, const char* text);

// 1 and the pair when found; 0 with the outputs unchanged when not.
int32_t Find_Player_By_ID(int32_t* team_out, int32_t* slot_out, int32_t id);
int32_t Find_Player_By_Full_Name(int32_t* team_out, int32_t* slot_out, const char* name);
int32_t Find_Player_By_External_ID(int32_t* team_out, int32_t* slot_out, const char* text);

// The id in every player slot of the league (0 for an empty slot), kept
// before a dialog that may release, sign, trade, sort or delete players, so
// that whoever holds slots or rows of players can tell afterwards whether
// they still stand for the same players.
struct ROSTER_IDS {
    std::vector<int32_t> Ids;
};
ROSTER_IDS Keep_Roster_Ids();
// Whether any slot holds another player, or none, than when `kept` was taken.
bool Have_Rosters_Moved(const ROSTER_IDS& kept);
// A player and every roster, kept before a dialog opened over a list of
// players (a report, a talk) that may change him or move others.
struct PLAYER_WATCH {
    int32_t Id;
    uint32_t Checksum;
    ROSTER_IDS Rosters;
};
PLAYER_WATCH Watch_Player(int32_t id);
// Whether the watched player's record changed or any roster moved since.
bool Has_Watched_Player_Moved(const PLAYER_WATCH& watch);
// The slot of the team's player holding `id`, looked for at *slot first (a
// player is mostly found where he stood) and then over the whole roster; false,
// with *slot unchanged, when he is not on the team. No lookup table is used.
bool Find_Player_On_Team(int32_t id, int32_t team, int32_t* slot);

// Whether a player holds the id, with what Lookup_Player_ID_Hash does to the
// table when asked it. Inside a SLOT_REMAKE_SCOPE, for the scope's slot, the
// answer comes from the ids gathered when the scope began instead of a walk
// of the block.
bool Is_Player_ID_Held(int32_t id, int32_t team, int32_t slot);

// While one slot is made again and again until its player fits, the ids of
// every other slot stay as they are: a scope gathers them once (at its second
// check, so that a slot made once costs no more than before) and checks a new
// id for the slot against them and the slot itself. Nothing but the slot may
// change an id while the scope lives. A scope for a slot that one already
// covers leaves that one in place.
class SLOT_REMAKE_SCOPE {
  public:
    SLOT_REMAKE_SCOPE(int32_t team, int32_t slot);
    ~SLOT_REMAKE_SCOPE();
    SLOT_REMAKE_SCOPE(const SLOT_REMAKE_SCOPE&) = delete;
    SLOT_REMAKE_SCOPE& operator=(const SLOT_REMAKE_SCOPE&) = delete;
    bool Covers(int32_t team, int32_t slot) const { return Team == team && Slot == slot; }
    bool Is_Held(int32_t id);

  private:
    int32_t Team;
    int32_t Slot;
    int32_t Checks = 0;
    bool Gathered = false;
    std::vector<int32_t> Other_Ids; // sorted
    SLOT_REMAKE_SCOPE* Outer;
    bool Active;
};

// 1 when no two players share an id; 0 when duplicates were found and renumbered.
int32_t Sanity_Check_Player_IDs();

// Inspection of the tables (entry key, team and slot bytes; insertion counts).
int32_t Get_Player_ID_Hash_Key(int32_t index);
PLAYER_LOCATION Get_Player_ID_Hash_Location(int32_t index);
int32_t Get_Player_ID_Hash_Count();
const char* Get_Name_Hash_Key(int32_t index);
int32_t Get_Name_Hash_Count();
const char* Get_External_ID_Hash_Key(int32_t index);
PLAYER_LOCATION Get_External_ID_Hash_Location(int32_t index);
int32_t Get_External_ID_Hash_Count();
