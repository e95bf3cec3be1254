#pragma once
// The integer fields of the league block, one instance of each kind of record:
// the header and the settings, a team's record with its schedule entry,
// history row and playbooks (the same field of every franchise, so that what
// the week does with any team meets it), one city, one player and his season
// line, one game record and an entry of its play log, the league's tables
// (draft picks, standings, bracket, calendar) and the tail's records. Each
// field has its offsets in the block and its width, taken from the layouts,
// so a test can write any value into any field of a league as a file holds it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

enum BLOCK_FIELD_TYPE : uint8_t {
    FIELD_INT8,
    FIELD_UINT8,
    FIELD_INT16,
    FIELD_UINT16,
    FIELD_INT32,
    FIELD_UINT32,
    FIELD_FLOAT,
};

struct BLOCK_FIELD {
    std::string Name;
    std::vector<size_t> Offsets; // in the block: the field of each record it stands for
    BLOCK_FIELD_TYPE Type;
};

// The records whose fields are listed: chosen from the league in the block.
struct BLOCK_FIELD_RECORDS {
    int32_t Teams;     // the franchises in use: slots 0 to Teams - 1
    int32_t Team;      // one of them
    int32_t Slot;      // a used roster slot of it
    int32_t Line;      // a season line of that player
    int32_t Game;      // a game record
    int32_t Week;      // the schedule week of interest
    int32_t Season;    // the history row
    int32_t City;      // a city row
    int32_t Pass_Play; // an offensive play of the team that is no run
};

// The fields of the records, in the order of the block.
std::vector<BLOCK_FIELD> List_Block_Fields(const BLOCK_FIELD_RECORDS& records);

// Writes the smallest (or largest) value of the field's type into the bytes
// of a block, at each of its offsets; a float field gets the lowest (or
// highest) finite float.
void Write_Field_Extreme(uint8_t* block, const BLOCK_FIELD& field, bool largest);
