// Test entry: every test binary runs in a fresh temporary folder, so the
// diagnostics log and any files a test writes never land in the source tree.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    std::string pattern = (std::filesystem::temp_directory_path() / "korva-test-XXXXXX").string();
    char* folder = mkdtemp(pattern.data());
    if (folder == nullptr || chdir(folder) != 0) return 2;
    int result = RUN_ALL_TESTS();
    std::filesystem::remove_all(folder);
    return result;
}
