#pragma once
// The league's all-time leader lists: for each of the 30 leader categories the
// best 21 career totals, single-season totals and single-game totals, kept in
// the saved league and brought up to date as the calendar plays its weeks.
#include <cstddef>
#include <cstdint>

constexpr int32_t ALL_TIME_LEADER_KINDS = 3;
constexpr int32_t ALL_TIME_LEADER_ENTRIES = 21;
constexpr int32_t ATL_KIND_CAREER = 0;
constexpr int32_t ATL_KIND_SEASON = 1;
constexpr int32_t ATL_KIND_GAME = 2;

// Update arguments: the low byte picks the list, a bit in 0xFF00 first
// forgets which roster slots are worth testing.
constexpr int32_t ATL_UPDATE_CAREER = 2;
constexpr int32_t ATL_UPDATE_THIS_SEASON = 3;
constexpr int32_t ATL_UPDATE_LAST_SEASON = 4;
constexpr int32_t ATL_UPDATE_GAME = 5;
constexpr int32_t ATL_RESET_SLOT_CACHE = 0xFF00;

// Career bookkeeping around a week's games.
constexpr int32_t ATL_SNAPSHOT_CAREER = 1;
constexpr int32_t ATL_SAVE_NEW_CAREER = 2;
constexpr int32_t ATL_DELTA_CAREER = 3;
constexpr int32_t ATL_RESTORE_CAREER = 4;

#pragma pack(push, 1)
struct ALL_TIME_LEADER_ENTRY {
    char Last_Name[20];
    char First_Name[12];
    // -1 once the player can no longer be found.
    int32_t Player_ID;
    int32_t Value;
    int32_t Credited_Seasons;
    int8_t Age;
    int8_t Week;
    int16_t Year;
    // NO_TEAM for an entry not linked to a player of the league.
    uint8_t Team;
    uint8_t Reserved[3];
};
#pragma pack(pop)

static_assert(sizeof(ALL_TIME_LEADER_ENTRY) == 52);
static_assert(offsetof(ALL_TIME_LEADER_ENTRY, First_Name) == 20);
static_assert(offsetof(ALL_TIME_LEADER_ENTRY, Player_ID) == 32);
static_assert(offsetof(ALL_TIME_LEADER_ENTRY, Value) == 36);
static_assert(offsetof(ALL_TIME_LEADER_ENTRY, Credited_Seasons) == 40);
static_assert(offsetof(ALL_TIME_LEADER_ENTRY, Age) == 44);
static_assert(offsetof(ALL_TIME_LEADER_ENTRY, Week) == 45);
static_assert(offsetof(ALL_TIME_LEADER_ENTRY, Year) == 46);
static_assert(offsetof(ALL_TIME_LEADER_ENTRY, Team) == 48);

// Reads or writes entry n of a kind and category; false (nothing written) for
// indices out of range.
bool Get_All_Time_Leader(int32_t kind, int32_t category, int32_t n, ALL_TIME_LEADER_ENTRY* out);
bool Set_All_Time_Leader(int32_t kind, int32_t category, int32_t n, const ALL_TIME_LEADER_ENTRY& entry);

// Order of a list: the larger value, then the later year, then the later
// week, then last and first names (no case) ascending. < 0 when a comes first.
int32_t Compare_All_Time_Leader_Entries(const ALL_TIME_LEADER_ENTRY& a, const ALL_TIME_LEADER_ENTRY& b);
// The entries' teams after the franchise slots moved: the team of slot s is
// at slot to[s] now. Entries that hold no player, NO_TEAM and pools stay.
void Move_All_Time_Leader_Teams(const int32_t* to);
// Brings one kind of list up to date (see the constants above); an unknown
// kind is reported and changes nothing. Returns 1.
int32_t Update_All_Time_Leaders(int32_t kind);
// The career bookkeeping of a week, modes 1-4; other modes do nothing.
void Update_ATL_Career_Totals(int32_t mode);
// After a week's games: the single-game lists from the week's values, then the
// career lists from the players' true careers.
void Refresh_All_Time_Leaders();
