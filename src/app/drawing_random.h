#pragma once
// A picture's own pseudo-random sequence, the classic linear congruential
// one, for what a painter draws at random (noise textures, the wobble of a
// hand-drawn line). Each painter seeds its own copy, so painting never moves
// the league's generator and the same seed paints the same picture.
#include <cstdint>

struct DRAWING_RANDOM {
    uint32_t State = 1;
};

inline void Seed_Drawing_Random(DRAWING_RANDOM* random, uint32_t seed) {
    random->State = seed;
}

// The next value, 0..32767.
inline int32_t Next_Drawing_Random(DRAWING_RANDOM* random) {
    random->State = random->State * 1103515245u + 12345u;
    return static_cast<int32_t>((random->State >> 16) & 0x7FFF);
}
