// Saving and loading the league block, beside plain zlib over the same 100
// chunks at the same level, so the cost of the file handling can be read off.
// They run in a copy of the installation's input files, as the game does: the
// repairs of a load name players from the installation's name files.
#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>
#include <zlib.h>

#include "database/random_numbers.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/universe.h"
#include "installation_copy.h"
#include "personnel/draft_pool.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "season/league_rules.h"
#include "season/season_start.h"
#include "season/week_advance.h"
#include "support/computer_league.h"

namespace {
const std::string& Bench_File() {
    static const std::string name =
        (std::filesystem::temp_directory_path() / "korva_saved_game_bench.kor").string();
    return name;
}

// The two blocks the benchmarks save and load: 0, varied but compressible
// bytes that are no league, so a load repairs much of them (it creates a draft
// pool, renames players); 1, the computer-run league eight weeks into its
// season, with its college draft pool as a new game makes it. Each benchmark starts from the same bytes: a
// load repairs the block, which would otherwise make the later runs compress different data.
void Fill_Universe(int64_t kind) {
    Enter_Installation_Copy();
    static std::vector<uint8_t> filled[2];
    std::vector<uint8_t>& bytes = filled[kind == 0 ? 0 : 1];
    if (bytes.empty()) {
        uint8_t* block = Universe_Bytes();
        if (kind == 0) {
            Seed_Random_Numbers(12345);
            for (uint32_t i = 0; i < UNIVERSE_SIZE; i += 4) {
                const uint32_t r = Random_Number();
                const uint32_t word = (i >> 12) % 8 == 0 ? r : r % 97;
                memcpy(block + i, &word, 4);
            }
        } else {
            Build_Computer_League();
            Apply_League_Rules_For_Year();
            // A new game creates the season's college draft pool.
            Create_College_Draft_Pool();
            Seed_Random_Numbers(12345);
            Clear_Shown_Messages();
            Reset_Message_Queue();
            Start_Season(0);
            Set_User_Preference(MULTI_SEASON_SIMULATION, 1);
            Advance_Weeks(8);
            Set_User_Preference(MULTI_SEASON_SIMULATION, 0);
        }
        bytes.assign(block, block + UNIVERSE_SIZE);
    }
    memcpy(Universe_Bytes(), bytes.data(), UNIVERSE_SIZE);
}

uint32_t Chunk_Size(int chunk) {
    return chunk == SAVE_FILE_CHUNKS - 1 ? LAST_SAVE_CHUNK_SIZE : SAVE_CHUNK_SIZE;
}

void BM_Save_Game(benchmark::State& state) {
    Fill_Universe(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(Save_Game(Bench_File().c_str(), nullptr));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * UNIVERSE_SIZE);
    state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(Bench_File()));
}

void BM_Load_Game(benchmark::State& state) {
    Fill_Universe(state.range(0));
    Save_Game(Bench_File().c_str(), nullptr);
    for (auto _ : state)
        benchmark::DoNotOptimize(Load_Game(Bench_File().c_str()));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * UNIVERSE_SIZE);
    std::filesystem::remove(Bench_File());
}

void BM_Zlib_Compress_Chunks(benchmark::State& state) {
    Fill_Universe(state.range(0));
    std::vector<uint8_t> packed(compressBound(LAST_SAVE_CHUNK_SIZE));
    const int level = static_cast<int>(state.range(1));
    for (auto _ : state) {
        uint64_t total = 0;
        for (int chunk = 0; chunk < SAVE_FILE_CHUNKS; ++chunk) {
            uLongf length = packed.size();
            compress2(packed.data(), &length, Universe_Bytes() + static_cast<size_t>(chunk) * SAVE_CHUNK_SIZE,
                      Chunk_Size(chunk), level);
            total += length;
        }
        benchmark::DoNotOptimize(total);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * UNIVERSE_SIZE);
}

void BM_Zlib_Uncompress_Chunks(benchmark::State& state) {
    Fill_Universe(state.range(0));
    std::vector<std::vector<uint8_t>> chunks(SAVE_FILE_CHUNKS);
    for (int chunk = 0; chunk < SAVE_FILE_CHUNKS; ++chunk) {
        uLongf length = compressBound(Chunk_Size(chunk));
        chunks[chunk].resize(length);
        compress2(chunks[chunk].data(), &length,
                  Universe_Bytes() + static_cast<size_t>(chunk) * SAVE_CHUNK_SIZE, Chunk_Size(chunk), 6);
        chunks[chunk].resize(length);
    }
    std::vector<uint8_t> block(UNIVERSE_SIZE);
    for (auto _ : state) {
        for (int chunk = 0; chunk < SAVE_FILE_CHUNKS; ++chunk) {
            uLongf size = Chunk_Size(chunk);
            uncompress(block.data() + static_cast<size_t>(chunk) * SAVE_CHUNK_SIZE, &size,
                       chunks[chunk].data(), chunks[chunk].size());
        }
        benchmark::DoNotOptimize(block.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * UNIVERSE_SIZE);
}
} // namespace

// Argument 0 is the block (0 bytes that are no league, 1 a league in
// mid-season); the compression's second argument is the zlib level.
// The save-changes check over the whole league: an unchanged league (every
// byte compared), and a page that works out a figure and keeps the league
// saved around it (compared twice, one page copied again).
void BM_Save_Changes_Check(benchmark::State& state) {
    Fill_Universe(1);
    Mark_Game_Saved();
    int32_t figure = 0;
    for (auto _ : state) {
        if (state.range(0) == 0) {
            benchmark::DoNotOptimize(Is_Game_Saved());
        } else {
            const KEEP_GAME_SAVED derived;
            Universe.Teams[3].Players[2].Vital_Stats[20] = ++figure;
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * UNIVERSE_SIZE);
}

BENCHMARK(BM_Save_Game)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Load_Game)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Zlib_Compress_Chunks)->Args({0, 6})->Args({0, 1})->Args({1, 6})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Zlib_Uncompress_Chunks)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save_Changes_Check)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
