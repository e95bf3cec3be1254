#include "support/installation_mirror.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <map>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {
// The mirrored folders, each with what the installation's folder held.
std::map<std::string, std::vector<std::string>> mirrored;

fs::path Installation_Folder(const char* name) {
    const char* data = std::getenv("KORVA_DATA_DIR");
    return fs::path(data != nullptr ? data : KORVA_DATA_DIR) / name;
}

// The folders a game fills in the installation (the logos and photos it
// copies, "Downloads", and the card kits it makes, "Output"): what a game
// played there left in them is not the test's.
bool Is_Filled_By_A_Game(const fs::path& folder) {
    std::string name = folder.filename().string();
    for (char& c : name)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name == "downloads" || name == "output";
}

void Mirror_Installation_Folder(const char* name) {
    std::error_code error;
    fs::remove_all(name, error);
    fs::create_directories(name, error);
    const fs::path source = Installation_Folder(name);
    for (auto it = fs::recursive_directory_iterator(source, error);
         !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        std::error_code entry_error;
        const fs::path copy = fs::path(name) / fs::relative(it->path(), source, entry_error);
        if (it->is_directory(entry_error)) {
            if (Is_Filled_By_A_Game(it->path())) {
                it.disable_recursion_pending();
                continue;
            }
            fs::create_directories(copy, entry_error);
        } else {
            fs::create_symlink(it->path(), copy, entry_error);
        }
    }
}
} // namespace

void Mirror_Installation_Folders(std::initializer_list<const char*> names) {
    for (const char* name : names) {
        mirrored[name] = List_Installation_Folder(name);
        Mirror_Installation_Folder(name);
    }
}

void Remove_Installation_Mirrors() {
    for (const auto& [name, before] : mirrored) {
        std::error_code error;
        fs::remove_all(name, error);
        EXPECT_EQ(List_Installation_Folder(name.c_str()), before)
            << "the test wrote into the installation's " << name << " folder";
    }
    mirrored.clear();
}

std::vector<std::string> List_Installation_Folder(const char* name) {
    std::vector<std::string> paths;
    std::error_code error;
    const fs::path source = Installation_Folder(name);
    for (auto it = fs::recursive_directory_iterator(source, error);
         !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        std::error_code entry_error;
        // A game played in the installation while the tests run fills these
        // folders; they are no part of what the installation ships.
        if (it->is_directory(entry_error) && Is_Filled_By_A_Game(it->path())) {
            it.disable_recursion_pending();
            continue;
        }
        paths.push_back(fs::relative(it->path(), source, entry_error).generic_string());
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}
