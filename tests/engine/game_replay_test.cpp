// A week of the test league played from a fixed seed must leave exactly the
// same game records, pages and league behind, whatever the engine does to get
// there faster. The expected digests change only with a change of the game's
// rules; when one does, the new values are printed here.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "database/universe.h"
#include "engine/game_files.h"
#include "support/game_runner.h"
#include "support/test_league.h"

namespace {

constexpr int32_t REPLAY_WEEK = 3;
constexpr uint32_t REPLAY_SEED = 4242;
constexpr int32_t WEEK_GAMES = 16;

// FNV-1a over a byte range, continued from `hash`.
uint64_t Digest(const void* data, size_t size, uint64_t hash = 14695981039346656037ull) {
    const auto* bytes = static_cast<const uint8_t*>(data);
    for (size_t i = 0; i < size; ++i) {
        hash ^= bytes[i];
        hash *= 1099511628211ull;
    }
    return hash;
}

// The pages of the week's games, in game order, box score before recap.
uint64_t Page_Digest() {
    uint64_t hash = Digest(nullptr, 0);
    for (int32_t game = 0; game < WEEK_GAMES; ++game) {
        for (const char* kind : {"Box", "Recap"}) {
            char name[64];
            std::snprintf(name, sizeof name, "Output/%s-20-%03d.htm", kind, game);
            std::ifstream file(name, std::ios::binary);
            EXPECT_TRUE(file.good()) << name;
            const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
            hash = Digest(text.data(), text.size(), hash);
        }
    }
    return hash;
}

} // namespace

TEST(GameReplay, FixedSeedWeekKeepsItsRecordsPagesAndLeague) {
    Build_Test_League();
    std::filesystem::remove_all("Output");
    Clear_Game_Text_Buffers();
    Prepare_Game_Week(REPLAY_WEEK, REPLAY_SEED);
    ASSERT_EQ(Play_Test_Week(REPLAY_WEEK), WEEK_GAMES);

    const uint64_t records = Digest(Universe.Games, sizeof(GAME_RECORD) * WEEK_GAMES);
    const uint64_t pages = Page_Digest();
    const uint64_t league = Digest(Universe_Bytes(), UNIVERSE_SIZE);
    std::printf("game records %016llx, pages %016llx, league %016llx\n",
                static_cast<unsigned long long>(records), static_cast<unsigned long long>(pages),
                static_cast<unsigned long long>(league));
    EXPECT_EQ(records, 0x0b0a486c9208c024ull) << "the week's game records";
    EXPECT_EQ(pages, 0x6e362911aa3e2884ull) << "the week's box scores and recaps";
    EXPECT_EQ(league, 0x568eb35175bb28e1ull) << "the whole league block after the week";
}
