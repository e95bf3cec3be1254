#pragma once
// The owner Hall of Fame file "KorFame.dat": a 23,552-byte image read and
// written whole. Four difficulty blocks of ten entries, 300 value slots, the
// owner name last entered for a human team and the main window's rectangle.
#include <cstdint>
#include <functional>

constexpr int32_t OWNER_HALL_OF_FAME_SIZE = 23552;
constexpr int32_t OWNER_NAME_OFFSET = 23280;
constexpr int32_t OWNER_NAME_LENGTH = 256;
constexpr int32_t WINDOW_PLACEMENT_OFFSET = 23536;
constexpr int32_t VALUE_SLOTS_OFFSET = 22080;
constexpr int32_t VALUE_SLOT_COUNT = 300;

// The blocks: one per difficulty level, ten entries of 552 bytes each, best first.
constexpr int32_t FAME_LEVELS = 4;
constexpr int32_t FAME_ENTRIES = 10;
constexpr int32_t FAME_ENTRY_SIZE = 552;
constexpr int32_t FAME_BLOCK_SIZE = FAME_ENTRIES * FAME_ENTRY_SIZE;
constexpr int32_t FAME_TEXT_LENGTH = 256;
constexpr int32_t FAME_NAME_FIELD = 0;
constexpr int32_t FAME_TEAM_FIELD = 256;
constexpr int32_t FAME_INTS_OFFSET = 512;
constexpr int32_t FAME_ENTRY_INTS = 10;
static_assert(FAME_LEVELS * FAME_BLOCK_SIZE == VALUE_SLOTS_OFFSET);
static_assert(VALUE_SLOTS_OFFSET + 4 * VALUE_SLOT_COUNT == OWNER_NAME_OFFSET);
static_assert(OWNER_NAME_OFFSET + OWNER_NAME_LENGTH == WINDOW_PLACEMENT_OFFSET);
static_assert(WINDOW_PLACEMENT_OFFSET + 16 == OWNER_HALL_OF_FAME_SIZE);
static_assert(FAME_INTS_OFFSET + 4 * FAME_ENTRY_INTS == FAME_ENTRY_SIZE);

// The ten ints of an entry.
enum FAME_ENTRY_INT : int32_t {
    FAME_FIRST_SEASON = 0,
    FAME_LAST_SEASON = 1,
    FAME_WINS = 2,
    FAME_LOSSES = 3,
    FAME_TIES = 4,
    FAME_PLAYOFF_WINS = 5,
    FAME_PLAYOFF_LOSSES = 6,
    FAME_RATING = 7,
    FAME_DISPLAY_CLASS = 8,
    FAME_FINANCIAL_SCORE = 9,
};
// Display classes: a built-in entry, a career earned without assistance, an assisted one.
constexpr int32_t FAME_CLASS_ASSISTED = 0;
constexpr int32_t FAME_CLASS_UNASSISTED = 1;
constexpr int32_t FAME_CLASS_BUILT_IN = 2;

// Zero-fills `buffer` (OWNER_HALL_OF_FAME_SIZE bytes) and reads the file into
// it; 1 when at least one byte was read (a short file leaves the rest zero).
// A file that cannot be opened (a missing one too) or holds nothing is
// reported in a "File Error" box.
int32_t Read_Owner_Hall_Of_Fame_File(uint8_t* buffer);
// The same without a box: the failure is only returned.
int32_t Try_Read_Owner_Hall_Of_Fame_File(uint8_t* buffer);
// Writes the whole image; 1 on success. A failed write is reported and
// leaves the old file as it was.
int32_t Write_Owner_Hall_Of_Fame_File(const uint8_t* buffer);
// The one read-modify-write of the file: reads it, lets `change` edit the
// image and writes it back when `change` returns true. A file that cannot be
// read is logged and nothing is written, so no stored entry is ever replaced
// by an empty image; a file that does not exist yet starts as a new one.
// 1 when the file was written.
int32_t Update_Owner_Hall_Of_Fame_File(const std::function<bool(uint8_t* image)>& change);

// Fields of entry `entry` of block `level` of an image; out-of-range
// indices read as zero or empty and write nothing.
int32_t Get_Fame_Entry_Int(const uint8_t* image, int32_t level, int32_t entry, int32_t n);
void Set_Fame_Entry_Int(uint8_t* image, int32_t level, int32_t entry, int32_t n, int32_t value);
// A text field (FAME_NAME_FIELD or FAME_TEAM_FIELD) into `out` of
// FAME_TEXT_LENGTH bytes; the text ends at byte 255 of its field whatever the
// file holds.
void Get_Fame_Entry_Text(const uint8_t* image, int32_t level, int32_t entry, int32_t field, char* out);
void Set_Fame_Entry_Text(uint8_t* image, int32_t level, int32_t entry, int32_t field, const char* text);
// The owner name at 23,280, ended within its field, into `out` of OWNER_NAME_LENGTH bytes.
void Get_Fame_Owner_Name(const uint8_t* image, char* out);
