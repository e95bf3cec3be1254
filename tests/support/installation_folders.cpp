#include "support/installation_folders.h"

#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/bitmap_cache.h"
#include "app/dialog_brushes.h"

namespace {
const char* const LINKED_FOLDERS[] = {"skins", "gridiron", "Help"};
} // namespace

void Link_Installation_Folders() {
    const char* data = std::getenv("KORVA_DATA_DIR");
    const std::string installation = data != nullptr ? data : KORVA_DATA_DIR;
    std::error_code error;
    for (const char* folder : LINKED_FOLDERS) {
        std::filesystem::remove(folder, error);
        std::filesystem::create_symlink(installation + "/" + folder, folder, error);
    }
    Init_Image_Caches();
    Create_Dialog_Brushes();
}

void Unlink_Installation_Folders() {
    Delete_Dialog_Brushes();
    Free_Image_Caches();
    std::error_code error;
    for (const char* folder : LINKED_FOLDERS)
        std::filesystem::remove(folder, error);
}

FOLDER_SET_ASIDE::FOLDER_SET_ASIDE(const char* folder) : Folder(folder) {
    std::error_code error;
    std::filesystem::remove_all(Folder + ".set-aside", error);
    std::filesystem::rename(Folder, Folder + ".set-aside", error);
}

FOLDER_SET_ASIDE::~FOLDER_SET_ASIDE() {
    std::error_code error;
    std::filesystem::remove_all(Folder, error);
    std::filesystem::rename(Folder + ".set-aside", Folder, error);
}
