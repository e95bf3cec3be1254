// A saved game of one of the two older layouts around a changed block: the
// test league laid out as the 80-slot layout (versions 4102-7799) or the
// older one (2180-4100), patched from the input and compressed as those
// versions wrote it. The load converts it or refuses it: a refused load
// leaves the league in the block exactly as it was, in a converted one every
// player plays one of the positions, and the file on disk is never changed.
#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>
#include <zlib.h>

#include "database/player_record.h"
#include "database/saved_game.h"
#include "database/universe.h"
#include "fuzz_support.h"
#include "saved_game_block_fuzz.h"
#include "support/old_saved_games.h"
#include "support/test_league.h"
#include "tools/old_universe_conversion.h"

namespace {
constexpr size_t MAX_PATCHES = 64;
constexpr int CHUNKS = 100;

struct OLD_LAYOUT {
    OLD_FILE_BYTES Block;
    std::vector<std::vector<uint8_t>> Chunks;
};

size_t Chunk_Start(const OLD_FILE_BYTES& block, int chunk) {
    return static_cast<size_t>(chunk) * (block.size() / CHUNKS);
}

size_t Chunk_Length(const OLD_FILE_BYTES& block, int chunk) {
    return chunk == CHUNKS - 1 ? block.size() - Chunk_Start(block, chunk) : block.size() / CHUNKS;
}

std::vector<uint8_t> Compress(const OLD_FILE_BYTES& block, int chunk) {
    uLongf length = compressBound(static_cast<uLong>(Chunk_Length(block, chunk)));
    std::vector<uint8_t> packed(length);
    compress2(packed.data(), &length, block.data() + Chunk_Start(block, chunk),
              static_cast<uLong>(Chunk_Length(block, chunk)), 1);
    packed.resize(length);
    return packed;
}

struct BASE {
    std::unique_ptr<uint8_t[]> League{new uint8_t[UNIVERSE_SIZE]};
    OLD_LAYOUT Layouts[2];
};

const BASE& Base() {
    static BASE* base = nullptr;
    if (base == nullptr) {
        Enter_Fuzz_Folder();
        base = new BASE;
        Build_Test_League();
        memcpy(base->League.get(), Universe_Bytes(), UNIVERSE_SIZE);
        const int32_t versions[2] = {4100, 7799};
        for (int n = 0; n < 2; ++n) {
            base->Layouts[n].Block = Make_Old_Layout_Block(versions[n]);
            for (int chunk = 0; chunk < CHUNKS; ++chunk)
                base->Layouts[n].Chunks.push_back(Compress(base->Layouts[n].Block, chunk));
        }
    }
    return *base;
}

// Four digits from the input, moved into the two older layouts' versions.
int32_t Old_Version(const uint8_t* data, char digits[5]) {
    const int32_t span = (LAST_OLD_LAYOUT_VERSION - FIRST_OLDER_LAYOUT_VERSION) + 1;
    int32_t version = FIRST_OLDER_LAYOUT_VERSION + (data[0] | data[1] << 8) % span;
    if (version == 4101) version = 4102;
    snprintf(digits, 5, "%04d", version);
    return version;
}

std::vector<uint8_t> Read_File(const char* name) {
    std::ifstream in(name, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const BASE& base = Base();
    if (size < 2) return 0;
    Reset_Fuzz_Messages();
    char digits[5];
    const int32_t version = Old_Version(data, digits);
    const OLD_LAYOUT& layout = base.Layouts[version <= LAST_OLDER_LAYOUT_VERSION ? 0 : 1];

    OLD_FILE_BYTES changed = layout.Block;
    bool dirty[CHUNKS] = {};
    size_t at = 2;
    for (size_t patch = 0; patch < MAX_PATCHES && at + 5 <= size; ++patch) {
        uint32_t offset = 0;
        for (int n = 0; n < 4; ++n)
            offset |= static_cast<uint32_t>(data[at + n]) << (8 * n);
        offset %= static_cast<uint32_t>(changed.size());
        size_t length = std::min({static_cast<size_t>(data[at + 4]), size - at - 5, changed.size() - offset});
        at += 5;
        memcpy(changed.data() + offset, data + at, length);
        at += length;
        if (length == 0) continue;
        const size_t per_chunk = changed.size() / CHUNKS;
        const size_t last = std::min<size_t>((offset + length - 1) / per_chunk, CHUNKS - 1);
        for (size_t chunk = std::min<size_t>(offset / per_chunk, CHUNKS - 1); chunk <= last; ++chunk)
            dirty[chunk] = true;
    }
    {
        std::ofstream out("old.kor", std::ios::binary | std::ios::trunc);
        char header[SAVE_FILE_HEADER_SIZE] = {};
        snprintf(header, sizeof header, "FOOTBALLKORVA%s    Cc", digits);
        out.write(header, SAVE_FILE_HEADER_SIZE);
        for (int chunk = 0; chunk < CHUNKS; ++chunk) {
            const std::vector<uint8_t> packed =
                dirty[chunk] ? Compress(changed, chunk) : layout.Chunks[chunk];
            const uint32_t length = static_cast<uint32_t>(packed.size());
            out.write(reinterpret_cast<const char*>(&length), sizeof length);
            out.write(reinterpret_cast<const char*>(packed.data()),
                      static_cast<std::streamsize>(packed.size()));
        }
    }
    const std::vector<uint8_t> on_disk = Read_File("old.kor");

    memcpy(Universe_Bytes(), base.League.get(), UNIVERSE_SIZE);
    if (!Load_Game("old.kor")) {
        Fuzz_Check(memcmp(Universe_Bytes(), base.League.get(), UNIVERSE_SIZE) == 0,
                   "a refused load changed the block");
    } else {
        For_Each_League_Player([](int32_t team, int32_t slot) {
            const int32_t position = Universe.Teams[team].Players[slot].Vital_Stats[VITAL_POSITION];
            Fuzz_Check(position >= 0 && position < NUMBER_OF_POSITIONS, "a converted player has no position");
        });
    }
    Fuzz_Check(Read_File("old.kor") == on_disk, "loading changed the file");
    return 0;
}
