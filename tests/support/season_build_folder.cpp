#include "support/season_build_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {
namespace fs = std::filesystem;

void Link(const fs::path& from, const fs::path& to) {
    std::error_code failure;
    if (fs::exists(from, failure)) fs::create_symlink(from, to, failure);
}

// The folder's files linked one by one into folders of this folder's own, so
// that a file put in place of a link never writes through to the installation.
void Link_Files(const fs::path& from, const fs::path& to) {
    std::error_code failure;
    fs::create_directories(to, failure);
    for (const auto& entry : fs::directory_iterator(from, failure)) {
        if (entry.is_directory())
            Link_Files(entry.path(), to / entry.path().filename());
        else
            Link(entry.path(), to / entry.path().filename());
    }
}

// True when the path's folder lies in the current folder itself, not behind a link.
bool Is_Own_Folder(const fs::path& path) {
    std::error_code failure;
    const fs::path folder = fs::canonical(fs::absolute(path).parent_path(), failure);
    const std::string here = fs::current_path(failure).string() + "/";
    return !failure && (folder.string() + "/").rfind(here, 0) == 0;
}
} // namespace

std::string Get_Installation_Folder() {
    const char* data = std::getenv("KORVA_DATA_DIR");
    return data != nullptr ? data : KORVA_DATA_DIR;
}

std::string Enter_Season_Build_Folder(const std::string& name) {
    const fs::path previous = fs::current_path();
    const fs::path installation = Get_Installation_Folder();
    const fs::path folder = previous / name;
    std::error_code failure;
    fs::remove_all(folder, failure);
    fs::create_directories(folder / "Input" / "Stats", failure);
    fs::create_directories(folder / "Databases", failure);
    for (const char* input : {"Cities.txt", "names", "playbooks", "League"})
        Link(installation / input, folder / input);
    for (const char* input : {"DraftTalent.txt", "DraftStrategy.txt", "Ratings"})
        Link(installation / "Input" / input, folder / "Input" / input);
    Link_Files(installation / "Input" / "Stats", folder / "Input" / "Stats");
    Link(installation / "Databases" / "Universe-2019.dat", folder / "Databases" / "Universe-2019.dat");
    // The draft classes, which a built league starts with: a season built
    // here writes its own class in place of the link.
    for (const auto& entry : fs::directory_iterator(installation / "Databases", failure))
        if (entry.path().filename().string().rfind("rookies-", 0) == 0)
            Link(entry.path(), folder / "Databases" / entry.path().filename());
    fs::current_path(folder, failure);
    return previous.string();
}

void Leave_Season_Build_Folder(const std::string& previous) {
    std::error_code failure;
    fs::current_path(previous, failure);
}

bool Put_Changed_Input_File(const std::string& path, int line_number, const std::string& text) {
    if (!Is_Own_Folder(path)) return false;
    std::ifstream in(fs::path(Get_Installation_Folder()) / path, std::ios::binary);
    if (!in) return false;
    std::ostringstream out;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        out << (number == line_number ? text : line) << "\n";
    }
    if (line_number == 0) out << text << "\n";
    std::error_code failure;
    fs::remove(path, failure);
    std::ofstream(path, std::ios::binary) << out.str();
    return true;
}

std::string Read_Whole_File(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
