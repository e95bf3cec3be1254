// Every picture and sound the views name is installed, in every skin.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "app/image_drawing.h"
#include "app/skins.h"
#include "database/league_structure.h"
#include "database/path_resolver.h"
#include "database/safe_strings.h"

namespace {
// As the painters write them; the skin's folder is put in front.
constexpr const char* VIEW_PICTURES[] = {
    "news\\standing.jpg",           "news\\leaders.jpg",  "news\\leaders1.jpg", "news\\finance.jpg",
    "News\\Calendar.jpg",           "News\\Korhof.jpg",   "news\\playoffs.jpg", "News\\Draft.jpg",
    "news\\divchamp.jpg",           "news\\conferen.jpg", "news\\champs.jpg",   "News\\Startup.jpg",
    "News\\Startup_Widescreen.jpg", "News\\Box.png",      "News\\Seed.png",     "news\\bottombarleft.png",
    "news\\bottombarright.png",
};
constexpr const char* VIEW_SOUNDS[] = {"sound/button.wav", "sound/switch.wav", "sound/celeb1.wav",
                                       "sound/celeb2.wav", "sound/celeb3.wav"};

bool Is_Installed(const char* name) {
    FILE* file = Open_Resolved_File(name, "rb");
    if (file == nullptr) return false;
    std::fclose(file);
    return true;
}
} // namespace

TEST(ViewArt, EveryPictureAndSoundTheViewsNameIsInstalled) {
    for (const char* folder : {"skins", "sound"}) {
        std::error_code error;
        std::filesystem::remove(folder, error);
        std::filesystem::create_symlink(std::string(KORVA_DATA_DIR) + "/" + folder, folder);
    }
    for (const char* skin : {"earth", "fire", "ice"}) {
        Set_Skin_Name(skin);
        for (const char* picture : VIEW_PICTURES) {
            char name[CURRENT_BACKGROUND_NAME_SIZE];
            safe_strncpy(name, picture, sizeof name);
            Get_Skin_File_Path(name, sizeof name);
            EXPECT_TRUE(Is_Installed(name)) << name;
        }
    }
    for (const char* sound : VIEW_SOUNDS)
        EXPECT_TRUE(Is_Installed(sound)) << sound;
    std::filesystem::remove("skins");
    std::filesystem::remove("sound");
}
