#pragma once
// Converting league blocks saved in older layouts into the current one.
#include <cstdint>

// The two older layouts and the file versions that wrote them.
constexpr int32_t FIRST_OLDER_LAYOUT_VERSION = 2180;
constexpr int32_t LAST_OLDER_LAYOUT_VERSION = 4100;
constexpr int32_t FIRST_OLD_LAYOUT_VERSION = 4102;
constexpr int32_t LAST_OLD_LAYOUT_VERSION = 7799;
// Bytes of a block of the older layout (41 teams of 80 players and a
// four-number schedule entry) and of the 80-slot layout.
constexpr uint32_t OLDER_UNIVERSE_SIZE = 6796916;
constexpr uint32_t OLD_UNIVERSE_SIZE = 22355352;
constexpr uint32_t OLDER_TEAM_RECORD_SIZE = 68452;
constexpr uint32_t OLD_TEAM_RECORD_SIZE = 99848;

// True for the versions whose files hold one of the two older layouts.
bool Is_Old_Layout_Version(int32_t version);
// The size of the block a file of `version` holds: one of the two older
// layouts' sizes, or the current block's.
uint32_t Get_Universe_Layout_Size(int32_t version);

// Converts a block read from a file of versions 2180-4100 in place. `block`
// holds the file's 6,796,916 bytes and has room for the whole current block.
// Returns 1 when converted, 0 when no working copy could be had (the load then
// fails).
int Convert_Older_Universe_Block(uint8_t* block);

// Converts a block read from a file of versions 4102-7799 in place; its
// 22,355,352 bytes are read from `block`, which has room for the current
// block. 1 or 0 as above.
int Convert_Old_Universe_Block(uint8_t* block);
