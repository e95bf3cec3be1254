#include "tools/old_universe_conversion.h"

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <memory>
#include <new>

#include "app/diagnostics.h"
#include "database/universe.h"

namespace {
// One stretch of bytes that keeps its contents and moves to a new offset.
struct MOVED_PART {
    uint32_t Old_Offset;
    uint32_t Size;
    uint32_t New_Offset;
};

constexpr uint32_t HEADER_SIZE = sizeof(UNIVERSE_HEADER);
constexpr uint32_t OLD_PLAYER_SLOTS = 80;
constexpr uint32_t OLD_SCHEDULE_OFFSET = 68100;
constexpr uint32_t OLDER_SCHEDULE_VALUES = 4;

// The interior of an 80-slot team record: everything up to its schedule is
// shared with the older layout's team record.
constexpr MOVED_PART OLD_TEAM_INTERIOR[] = {
    {0, 256, offsetof(TEAM_RECORD, Strings)},
    {256, OLD_PLAYER_SLOTS * sizeof(PLAYER_RECORD), offsetof(TEAM_RECORD, Players)},
    // Only the kick and punt returners; the two places after them are new.
    {60736, 2, offsetof(TEAM_RECORD, Returners)},
    {60740, 1920, offsetof(TEAM_RECORD, Totals)},
    {62660, 240, offsetof(TEAM_RECORD, Team_Stats)},
    {62900, 80, offsetof(TEAM_RECORD, Stadium_Stats)},
    {62980, 320, offsetof(TEAM_RECORD, Financial_Stats)},
    {63300, 3200, offsetof(TEAM_RECORD, Yearly_Chars)},
    {66500, 1600, offsetof(TEAM_RECORD, Yearly_Ints)},
};
// What the 80-slot team record has after the interior.
constexpr MOVED_PART OLD_TEAM_TAIL[] = {
    {OLD_SCHEDULE_OFFSET, 440, offsetof(TEAM_RECORD, Schedule)},
    {68540, sizeof(TEAM_PLAYBOOK_BLOCK), offsetof(TEAM_RECORD, Playbooks)},
};

constexpr MOVED_PART OLD_UNIVERSE_PARTS[] = {
    {0, HEADER_SIZE, 0},
    {4096248, sizeof(Universe.Cities), offsetof(UNIVERSE_STATE, Cities)},
    {4103448, sizeof(Universe.Draft_Pick_Owner), offsetof(UNIVERSE_STATE, Draft_Pick_Owner)},
    {4104204, sizeof(Universe.Draft_Order), offsetof(UNIVERSE_STATE, Draft_Order)},
    {4104240, sizeof(Universe.Games), offsetof(UNIVERSE_STATE, Games)},
    {18716640, sizeof(Universe.User_Preferences), offsetof(UNIVERSE_STATE, User_Preferences)},
    {18717840, sizeof(Universe.Division_Standings), offsetof(UNIVERSE_STATE, Division_Standings)},
    {18717944, 4, offsetof(UNIVERSE_STATE, Reserved_19337864)},
    {18717948, sizeof(Universe.Playoff_Bracket), offsetof(UNIVERSE_STATE, Playoff_Bracket)},
    {18717980, sizeof(Universe.Playoff_Scores), offsetof(UNIVERSE_STATE, Playoff_Scores)},
    {18718104, 24, offsetof(UNIVERSE_STATE, Season_Length)},
    {18718128, sizeof(Universe.Season_Lines), offsetof(UNIVERSE_STATE, Season_Lines)},
    {22257072, sizeof(Universe.Tail.All_Time_Leaders),
     offsetof(UNIVERSE_STATE, Tail) + offsetof(UNIVERSE_TAIL, All_Time_Leaders)},
};

// The older layout keeps only the first 100 settings and no game records,
// season lines or all-time leaders.
constexpr MOVED_PART OLDER_UNIVERSE_PARTS[] = {
    {0, HEADER_SIZE, 0},
    {2809012, sizeof(Universe.Cities), offsetof(UNIVERSE_STATE, Cities)},
    {2816212, sizeof(Universe.Draft_Pick_Owner), offsetof(UNIVERSE_STATE, Draft_Pick_Owner)},
    {2816968, sizeof(Universe.Draft_Order), offsetof(UNIVERSE_STATE, Draft_Order)},
    {3159004, 400, offsetof(UNIVERSE_STATE, User_Preferences)},
    {3159404, sizeof(Universe.Division_Standings), offsetof(UNIVERSE_STATE, Division_Standings)},
    {3159508, 4, offsetof(UNIVERSE_STATE, Reserved_19337864)},
    {3159512, sizeof(Universe.Playoff_Bracket), offsetof(UNIVERSE_STATE, Playoff_Bracket)},
    {3159544, sizeof(Universe.Playoff_Scores), offsetof(UNIVERSE_STATE, Playoff_Scores)},
    {3159668, 24, offsetof(UNIVERSE_STATE, Season_Length)},
};

static_assert(HEADER_SIZE + TOTAL_NUMBER_OF_TEAMS * OLD_TEAM_RECORD_SIZE == 4096248);
static_assert(HEADER_SIZE + TOTAL_NUMBER_OF_TEAMS * OLDER_TEAM_RECORD_SIZE == 2809012);
static_assert(OLD_SCHEDULE_OFFSET + 440 + sizeof(TEAM_PLAYBOOK_BLOCK) == OLD_TEAM_RECORD_SIZE);
static_assert(OLD_SCHEDULE_OFFSET + NUMBER_OF_SCHEDULE_WEEKS * OLDER_SCHEDULE_VALUES * 4 ==
              OLDER_TEAM_RECORD_SIZE);
static_assert(22257072 + 98280 == OLD_UNIVERSE_SIZE);

template <size_t N> void Move_Parts(const uint8_t* from, uint8_t* to, const MOVED_PART (&parts)[N]) {
    for (const MOVED_PART& part : parts)
        memcpy(to + part.New_Offset, from + part.Old_Offset, part.Size);
}

uint8_t* Team_Bytes(uint8_t* block, int team) {
    return block + offsetof(UNIVERSE_STATE, Teams) + static_cast<size_t>(team) * sizeof(TEAM_RECORD);
}

// The old block is copied aside, the whole current block cleared, and each
// part laid out again at its current place; what no table names stays zero.
std::unique_ptr<uint8_t[]> Take_Working_Copy(const uint8_t* block, uint32_t size) {
    std::unique_ptr<uint8_t[]> copy(new (std::nothrow) uint8_t[size]());
    if (!copy) {
        Report_System_Error("Unable to allocate memory to convert old UNIVERSE file! %d", ENOMEM);
        return copy;
    }
    memcpy(copy.get(), block, size);
    return copy;
}
} // namespace

bool Is_Old_Layout_Version(int32_t version) {
    return (version >= FIRST_OLDER_LAYOUT_VERSION && version <= LAST_OLDER_LAYOUT_VERSION) ||
           (version >= FIRST_OLD_LAYOUT_VERSION && version <= LAST_OLD_LAYOUT_VERSION);
}

uint32_t Get_Universe_Layout_Size(int32_t version) {
    if (version >= FIRST_OLDER_LAYOUT_VERSION && version <= LAST_OLDER_LAYOUT_VERSION)
        return OLDER_UNIVERSE_SIZE;
    if (version >= FIRST_OLD_LAYOUT_VERSION && version <= LAST_OLD_LAYOUT_VERSION) return OLD_UNIVERSE_SIZE;
    return UNIVERSE_SIZE;
}

int Convert_Old_Universe_Block(uint8_t* block) {
    if (block == nullptr) return 0;
    const std::unique_ptr<uint8_t[]> old = Take_Working_Copy(block, OLD_UNIVERSE_SIZE);
    if (!old) return 0;
    memset(block, 0, UNIVERSE_SIZE);
    Move_Parts(old.get(), block, OLD_UNIVERSE_PARTS);
    for (int team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team) {
        const uint8_t* from = old.get() + HEADER_SIZE + static_cast<size_t>(team) * OLD_TEAM_RECORD_SIZE;
        Move_Parts(from, Team_Bytes(block, team), OLD_TEAM_INTERIOR);
        Move_Parts(from, Team_Bytes(block, team), OLD_TEAM_TAIL);
    }
    return 1;
}

// The older team record shares the 80-slot record's interior, so it moves the
// same way (its returners, totals and finances would otherwise land inside
// player slots 80-89); its schedule entries gain the watch flag, 0.
int Convert_Older_Universe_Block(uint8_t* block) {
    if (block == nullptr) return 0;
    const std::unique_ptr<uint8_t[]> old = Take_Working_Copy(block, OLDER_UNIVERSE_SIZE);
    if (!old) return 0;
    memset(block, 0, UNIVERSE_SIZE);
    Move_Parts(old.get(), block, OLDER_UNIVERSE_PARTS);
    for (int team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team) {
        const uint8_t* from = old.get() + HEADER_SIZE + static_cast<size_t>(team) * OLDER_TEAM_RECORD_SIZE;
        uint8_t* to = Team_Bytes(block, team);
        Move_Parts(from, to, OLD_TEAM_INTERIOR);
        for (int week = 0; week < NUMBER_OF_SCHEDULE_WEEKS; ++week) {
            int32_t values[OLDER_SCHEDULE_VALUES];
            memcpy(values, from + OLD_SCHEDULE_OFFSET + static_cast<size_t>(week) * sizeof values,
                   sizeof values);
            const int32_t entry[5] = {values[0], 0, values[1], values[2], values[3]};
            memcpy(to + offsetof(TEAM_RECORD, Schedule) + static_cast<size_t>(week) * sizeof(SCHEDULE_ENTRY),
                   entry, sizeof entry);
        }
    }
    return 1;
}
