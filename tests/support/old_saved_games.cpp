#include "support/old_saved_games.h"

#include <cstddef>
#include <cstring>
#include <fstream>
#include <iterator>
#include <zlib.h>

#include "database/universe.h"

namespace {
struct PLACED {
    uint32_t Old_Offset;
    uint32_t Size;
    uint32_t Current_Offset;
};

// The 80-slot team record up to its schedule, which the older record shares.
constexpr PLACED TEAM_INTERIOR[] = {
    {0, 256, 0},        {256, 60480, 256},   {60736, 2, 75856},    {60740, 1920, 75860}, {62660, 240, 77780},
    {62900, 80, 78020}, {62980, 320, 78100}, {63300, 3200, 78420}, {66500, 1600, 81620},
};
constexpr PLACED EIGHTY_SLOT_TEAM_TAIL[] = {{68100, 440, 83220}, {68540, 31308, 83660}};
constexpr PLACED EIGHTY_SLOT_UNIVERSE[] = {
    {0, 2480, 0},
    {4096248, 7200, 4716168},
    {4103448, 756, 4723368},
    {4104204, 36, 4724124},
    {4104240, 14612400, 4724160},
    {18716640, 1200, 19336560},
    {18717840, 104, 19337760},
    {18717944, 4, 19337864},
    {18717948, 31, 19337868},
    {18717980, 124, 19337900},
    {18718104, 24, 19338024},
    {18718128, 3014656, 19338048},
    {22257072, 98280, 22876992},
};
constexpr PLACED OLDER_UNIVERSE[] = {
    {0, 2480, 0},
    {2809012, 7200, 4716168},
    {2816212, 756, 4723368},
    {2816968, 36, 4724124},
    {3159004, 400, 19336560},
    {3159404, 104, 19337760},
    {3159508, 4, 19337864},
    {3159512, 31, 19337868},
    {3159544, 124, 19337900},
    {3159668, 24, 19338024},
};

constexpr uint32_t EIGHTY_SLOT_SIZE = 22355352;
constexpr uint32_t EIGHTY_SLOT_TEAM = 99848;
constexpr uint32_t OLDER_SIZE = 6796916;
constexpr uint32_t OLDER_TEAM = 68452;
constexpr uint32_t TEAMS_OFFSET = 2480;

template <size_t N>
void Place(OLD_FILE_BYTES& old, uint32_t old_base, uint32_t base, const PLACED (&parts)[N]) {
    const uint8_t* block = Universe_Bytes();
    for (const PLACED& part : parts)
        memcpy(old.data() + old_base + part.Old_Offset, block + base + part.Current_Offset, part.Size);
}
} // namespace

OLD_FILE_BYTES Make_Old_Layout_Block(int32_t version) {
    const bool older = version <= 4100;
    OLD_FILE_BYTES old(older ? OLDER_SIZE : EIGHTY_SLOT_SIZE, 0);
    if (older)
        Place(old, 0, 0, OLDER_UNIVERSE);
    else
        Place(old, 0, 0, EIGHTY_SLOT_UNIVERSE);
    for (uint32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team) {
        const uint32_t base = TEAMS_OFFSET + team * static_cast<uint32_t>(sizeof(TEAM_RECORD));
        const uint32_t old_base = TEAMS_OFFSET + team * (older ? OLDER_TEAM : EIGHTY_SLOT_TEAM);
        Place(old, old_base, base, TEAM_INTERIOR);
        if (!older) {
            Place(old, old_base, base, EIGHTY_SLOT_TEAM_TAIL);
            continue;
        }
        for (int week = 0; week < NUMBER_OF_SCHEDULE_WEEKS; ++week) {
            const int32_t* entry = Universe.Teams[team].Schedule[week].Values;
            const int32_t values[4] = {entry[0], entry[2], entry[3], entry[4]};
            memcpy(old.data() + old_base + 68100 + week * sizeof values, values, sizeof values);
        }
    }
    return old;
}

OLD_FILE_BYTES Make_League_File_From(const char* digits, const OLD_FILE_BYTES& block) {
    OLD_FILE_BYTES file(25, 0);
    const std::string header = std::string("FOOTBALLKORVA") + digits + "    Cc";
    memcpy(file.data(), header.data(), header.size());
    const size_t chunk = block.size() / 100;
    for (size_t n = 0, offset = 0; n < 100; ++n) {
        const size_t size = n == 99 ? block.size() - offset : chunk;
        uLongf length = compressBound(static_cast<uLong>(size));
        OLD_FILE_BYTES packed(length);
        compress2(packed.data(), &length, block.data() + offset, static_cast<uLong>(size), 1);
        const uint32_t stored = static_cast<uint32_t>(length);
        const auto* stored_bytes = reinterpret_cast<const uint8_t*>(&stored);
        file.insert(file.end(), stored_bytes, stored_bytes + 4);
        file.insert(file.end(), packed.begin(), packed.begin() + static_cast<long>(length));
        offset += size;
    }
    return file;
}

bool Write_Bytes_To_File(const std::string& name, const OLD_FILE_BYTES& bytes) {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

OLD_FILE_BYTES Read_Bytes_Of_File(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return OLD_FILE_BYTES(std::istreambuf_iterator<char>(in), {});
}
