#include "support/scratch_folder.h"

#include <fstream>

namespace fs = std::filesystem;

SCRATCH_FOLDER::SCRATCH_FOLDER(const std::string& name)
    : Previous(fs::current_path()), Folder(fs::absolute(name)) {
    std::error_code failure;
    fs::remove_all(Folder, failure);
    fs::create_directories(Folder, failure);
    fs::current_path(Folder, failure);
}

SCRATCH_FOLDER::~SCRATCH_FOLDER() {
    std::error_code failure;
    fs::current_path(Previous, failure);
    fs::remove_all(Folder, failure);
}

void SCRATCH_FOLDER::Write(const std::string& path, const std::string& text) const {
    const fs::path file = Folder / path;
    std::error_code failure;
    fs::create_directories(file.parent_path(), failure);
    std::ofstream out(file, std::ios::binary);
    out << text;
}

PLAYING_FOLDER::PLAYING_FOLDER(const std::string& name)
    : Previous(fs::current_path()), Folder(fs::absolute(name)) {
    std::error_code failure;
    fs::remove_all(Folder, failure);
    fs::create_directories(Folder, failure);
    for (const auto& entry : fs::directory_iterator(Previous, failure)) {
        const fs::path& path = entry.path();
        if (path == Folder || path.filename() == "debug.txt" || path.extension() == ".kor") continue;
        std::error_code link_failure;
        fs::create_symlink(path, Folder / path.filename(), link_failure);
    }
    fs::current_path(Folder, failure);
}

PLAYING_FOLDER::~PLAYING_FOLDER() {
    std::error_code failure;
    fs::current_path(Previous, failure);
    fs::remove_all(Folder, failure);
}
