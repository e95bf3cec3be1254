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
