#pragma once
// The values "KorFame.dat" keeps besides the Hall of Fame itself, and the
// file's creation and the owner's retirement.
#include <cstdint>

constexpr int32_t WINDOW_PLACEMENT_OFFSET = 23536;
constexpr int32_t VALUE_SLOTS_OFFSET = 22080;
constexpr int32_t VALUE_SLOT_COUNT = 300;

// Writes a fresh file; 1 when written.
int32_t Rebuild_Owner_Hall_Of_Fame_File();
// 1 when the file was missing and has been rebuilt, 0 when it exists.
int32_t Ensure_Owner_Hall_Of_Fame_File();
// Stores `value` into value slot `slot` (0-299) of the file.
void Set_Owner_Hall_Of_Fame_Value(int32_t slot, int32_t value);
// The value in slot `slot`, 0 when the file or slot is missing.
int32_t Get_Owner_Hall_Of_Fame_Value(int32_t slot);
// 1 when the owner retires, 0 when not.
int32_t Retire_Owner();
