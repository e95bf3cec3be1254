#pragma once
// The input of the saved-game block target: four version digits, then patches
// of the block, each a little-endian 32-bit offset (taken modulo the block
// size), a length byte and that many bytes. The seed generator writes inputs
// in the same form.
#include <cstdint>
#include <vector>

inline void Append_Block_Patch(std::vector<uint8_t>& input, uint32_t offset, const void* bytes,
                               uint8_t length) {
    for (int shift = 0; shift < 32; shift += 8)
        input.push_back(static_cast<uint8_t>(offset >> shift));
    input.push_back(length);
    const auto* data = static_cast<const uint8_t*>(bytes);
    input.insert(input.end(), data, data + length);
}
