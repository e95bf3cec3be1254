#pragma once
// The benchmarks that read installation files (player names, playbooks,
// input tables) run in a temporary folder holding copies of them: the files
// are found as in an installation, and the pages the games write stay out
// of the source tree.
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

// The folder of this run, removed when the program ends.
inline std::filesystem::path& Installation_Copy_Folder() {
    static std::filesystem::path folder;
    return folder;
}

inline void Enter_Installation_Copy() {
    static bool entered = false;
    if (entered) return;
    entered = true;
    namespace fs = std::filesystem;
    const char* data = std::getenv("KORVA_DATA_DIR");
    const fs::path source = data != nullptr ? fs::path(data) : fs::path(KORVA_DATA_DIR);
    // A fresh folder for each run, of its own: pages, logs and tables an
    // earlier or a simultaneous run wrote must not be read back by this one.
    // In memory when the machine has a memory folder: the benchmarks time
    // the game writing its pages, not the disk creating files (which can
    // take a millisecond a file on a virtual disk).
    const bool memory = fs::is_directory("/dev/shm") && access("/dev/shm", W_OK) == 0;
    const fs::path parent = memory ? fs::path("/dev/shm") : fs::temp_directory_path();
    const fs::path folder = parent / ("korva-bench-" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    Installation_Copy_Folder() = folder;
    std::atexit([] {
        std::error_code ignored;
        fs::remove_all(Installation_Copy_Folder(), ignored);
    });
    for (const char* part : {"names", "Input", "playbooks"})
        fs::copy(source / part, folder / part,
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    if (chdir(folder.c_str()) != 0) std::abort();
}
