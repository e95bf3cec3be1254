#pragma once
// Converting league blocks saved in older layouts into the current one.
#include <cstdint>

// Converts a block read from a file of versions 2180-4100 in place. Returns 1
// when converted, 0 when the block cannot be converted (the load then fails).
int Convert_Older_Universe_Block(uint8_t* block);

// Converts a block read from a file of versions 4102-7799 in place; 1 or 0 as above.
int Convert_Old_Universe_Block(uint8_t* block);
