#pragma once
// Three lookup tables that find a player's current (team, slot) by id, by full
// name and by external id. They live outside the league block, are rebuilt
// after a load, and repair stale entries when a lookup meets one.
#include <cstdint>

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
int32_t Lookup_Player_Name_Hash(PLAYER_LOCATION* out, const char* name);
int32_t Lookup_External_ID_Hash(PLAYER_LOCATION* out, const char* text);

// 1 and the pair when found; 0 with the outputs unchanged when not.
int32_t Find_Player_By_ID(int32_t* team_out, int32_t* slot_out, int32_t id);
int32_t Find_Player_By_Full_Name(int32_t* team_out, int32_t* slot_out, const char* name);
int32_t Find_Player_By_External_ID(int32_t* team_out, int32_t* slot_out, const char* text);

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
