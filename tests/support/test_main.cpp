// Test entry: every test binary runs in a fresh temporary folder, so the
// diagnostics log and any files a test writes never land in the source tree.
// The installation's input files that the game reads by relative name (the
// name files, the player-generation inputs, the playbooks) are copied in
// first, as the game finds them in its own folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {
// The season logos the art generator draws under "Input/Stats/Historical"
// (two thousand files) are left out: the tests that copy logos make their own.
void Copy_Installation_Inputs(const std::filesystem::path& folder) {
    const char* data = std::getenv("KORVA_DATA_DIR");
    const std::filesystem::path source =
        data != nullptr ? std::filesystem::path(data) : std::filesystem::path(KORVA_DATA_DIR);
    for (const char* part : {"names", "playbooks"}) {
        std::error_code error;
        if (!std::filesystem::is_directory(source / part, error)) continue;
        std::filesystem::create_directories(folder / part, error);
        for (auto it = std::filesystem::recursive_directory_iterator(source / part, error);
             !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
            std::error_code copy_error;
            const std::filesystem::path relative = std::filesystem::relative(it->path(), source, copy_error);
            if (relative == std::filesystem::path("Input/Stats/Historical")) {
                it.disable_recursion_pending();
                continue;
            }
            if (it->is_directory(copy_error))
                std::filesystem::create_directories(folder / relative, copy_error);
            else
                std::filesystem::copy_file(it->path(), folder / relative, copy_error);
        }
    }
    // The player-generation files of the Input folder (its text files), not
    // the season statistics generated beside them (tests that read those name
    // them), nor what a game played there wrote (the encyclopedia's settings).
    std::error_code error;
    std::filesystem::create_directory(folder / "Input", error);
    for (const auto& entry : std::filesystem::directory_iterator(source / "Input", error))
        if (entry.is_regular_file() && entry.path().extension() == ".txt")
            std::filesystem::copy(entry.path(), folder / "Input" / entry.path().filename(), error);
}
} // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    std::string pattern = (std::filesystem::temp_directory_path() / "korva-test-XXXXXX").string();
    char* folder = mkdtemp(pattern.data());
    if (folder == nullptr || chdir(folder) != 0) return 2;
    Copy_Installation_Inputs(folder);
    int result = RUN_ALL_TESTS();
    std::filesystem::remove_all(folder);
    return result;
}
