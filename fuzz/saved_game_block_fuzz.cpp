// A valid saved game around a changed block: the test league with patches
// from the input, under version digits from the input, compressed as the game
// writes it. The load and its repairs must survive any block; a refused load
// (a version that is refused or cannot be converted) leaves the league in the
// block exactly as it was.
#include <algorithm>
#include <cstring>
#include <fstream>
#include <memory>
#include <vector>
#include <zlib.h>

#include "database/saved_game.h"
#include "database/universe.h"
#include "fuzz_support.h"
#include "saved_game_block_fuzz.h"
#include "support/test_league.h"

namespace {
constexpr size_t MAX_PATCHES = 64;

uint32_t Chunk_Start(int chunk) {
    return static_cast<uint32_t>(chunk) * SAVE_CHUNK_SIZE;
}

uint32_t Chunk_Length(int chunk) {
    return chunk == SAVE_FILE_CHUNKS - 1 ? LAST_SAVE_CHUNK_SIZE : SAVE_CHUNK_SIZE;
}

uint32_t Chunk_Of(uint32_t offset) {
    return std::min<uint32_t>(offset / SAVE_CHUNK_SIZE, SAVE_FILE_CHUNKS - 1);
}

std::vector<uint8_t> Compress_Chunk(const uint8_t* block, int chunk) {
    uLongf length = compressBound(Chunk_Length(chunk));
    std::vector<uint8_t> packed(length);
    compress2(packed.data(), &length, block + Chunk_Start(chunk), Chunk_Length(chunk), 1);
    packed.resize(length);
    return packed;
}

struct BASE_LEAGUE {
    std::unique_ptr<uint8_t[]> Block{new uint8_t[UNIVERSE_SIZE]};
    std::vector<std::vector<uint8_t>> Chunks;
};

const BASE_LEAGUE& Base_League() {
    static BASE_LEAGUE* base = nullptr;
    if (base == nullptr) {
        Enter_Fuzz_Folder();
        base = new BASE_LEAGUE;
        Build_Test_League();
        memcpy(base->Block.get(), Universe_Bytes(), UNIVERSE_SIZE);
        for (int chunk = 0; chunk < SAVE_FILE_CHUNKS; ++chunk)
            base->Chunks.push_back(Compress_Chunk(base->Block.get(), chunk));
    }
    return *base;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const BASE_LEAGUE& base = Base_League();
    static std::unique_ptr<uint8_t[]> changed(new uint8_t[UNIVERSE_SIZE]);
    if (size < 4) return 0;
    Reset_Fuzz_Messages();

    memcpy(changed.get(), base.Block.get(), UNIVERSE_SIZE);
    bool dirty[SAVE_FILE_CHUNKS] = {};
    size_t at = 4;
    for (size_t patch = 0; patch < MAX_PATCHES && at + 5 <= size; ++patch) {
        uint32_t offset = 0;
        for (int n = 0; n < 4; ++n)
            offset |= static_cast<uint32_t>(data[at + n]) << (8 * n);
        offset %= UNIVERSE_SIZE;
        size_t length = data[at + 4];
        at += 5;
        length = std::min({length, size - at, static_cast<size_t>(UNIVERSE_SIZE - offset)});
        memcpy(changed.get() + offset, data + at, length);
        at += length;
        if (length == 0) continue;
        const uint32_t last = offset + static_cast<uint32_t>(length) - 1;
        for (uint32_t chunk = Chunk_Of(offset); chunk <= Chunk_Of(last); ++chunk)
            dirty[chunk] = true;
    }

    char header[SAVE_FILE_HEADER_SIZE] = "FOOTBALLKORVA0000    Cc";
    for (int n = 0; n < 4; ++n)
        header[13 + n] = static_cast<char>('0' + data[n] % 10);
    {
        std::ofstream out("block.kor", std::ios::binary | std::ios::trunc);
        out.write(header, SAVE_FILE_HEADER_SIZE);
        for (int chunk = 0; chunk < SAVE_FILE_CHUNKS; ++chunk) {
            const std::vector<uint8_t> packed =
                dirty[chunk] ? Compress_Chunk(changed.get(), chunk) : base.Chunks[chunk];
            const uint32_t length = static_cast<uint32_t>(packed.size());
            out.write(reinterpret_cast<const char*>(&length), sizeof length);
            out.write(reinterpret_cast<const char*>(packed.data()),
                      static_cast<std::streamsize>(packed.size()));
        }
    }

    // The league loaded before is the test league itself.
    memcpy(Universe_Bytes(), base.Block.get(), UNIVERSE_SIZE);
    if (!Load_Game("block.kor"))
        Fuzz_Check(memcmp(Universe_Bytes(), base.Block.get(), UNIVERSE_SIZE) == 0,
                   "a refused load changed the block");
    return 0;
}
