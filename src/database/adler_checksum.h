#pragma once
// The Adler-32 checksum the saved games carry, worked out as zlib's adler32
// does (same start values, same results) but on sixteen bytes at a time
// where the processor allows: a load sums the 15 MB team array.
#include <cstddef>
#include <cstdint>

// Carries `adler` on over `length` bytes; adler32(adler, data, length).
uint32_t Adler32_Update(uint32_t adler, const uint8_t* data, size_t length);
