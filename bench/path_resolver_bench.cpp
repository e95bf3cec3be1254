// Cost of resolving a file name per open: the exact spelling (the usual case)
// and a name whose folders differ in case from the disk.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "database/path_resolver.h"

namespace {
void Make_Tree() {
    std::filesystem::create_directories("bench-tree/Output/Box");
    std::ofstream("bench-tree/Output/Box/Box-01-001.htm") << "x";
}

void Resolve_Exact_Spelling(benchmark::State& state) {
    Make_Tree();
    for (auto _ : state)
        benchmark::DoNotOptimize(Resolve_File_Path("bench-tree/Output/Box/Box-01-001.htm"));
}
BENCHMARK(Resolve_Exact_Spelling);

void Resolve_Mixed_Case(benchmark::State& state) {
    Make_Tree();
    for (auto _ : state)
        benchmark::DoNotOptimize(Resolve_File_Path("BENCH-TREE\\output\\box\\box-01-001.HTM"));
}
BENCHMARK(Resolve_Mixed_Case);
} // namespace
