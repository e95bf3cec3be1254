#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

#include "app/bitmap_cache.h"
#include "app/image_loading.h"
#include "database/path_resolver.h"
#include "support/debug_log.h"

namespace {
// Every picture the screens and dialogs ask for, as they spell it.
const char* const SKIN_PICTURES[] = {"News\\Startup.jpg",
                                     "News\\Startup_Widescreen.jpg",
                                     "news\\divchamp.jpg",
                                     "news\\conferen.jpg",
                                     "news\\champs.jpg",
                                     "News\\Calendar.jpg",
                                     "News\\Draft.jpg",
                                     "news\\finance.jpg",
                                     "news\\standing.jpg",
                                     "news\\leaders.jpg",
                                     "news\\leaders1.jpg",
                                     "news\\playoffs.jpg",
                                     "news\\games.jpg",
                                     "news\\pbp.jpg",
                                     "News\\Korhof.jpg",
                                     "News\\Box.png",
                                     "News\\Seed.png",
                                     "news\\newsbar.png",
                                     "news\\\\bottombarleft.png",
                                     "news\\\\bottombarright.png",
                                     "Dialogs\\Matchup\\matchupbar.png",
                                     "Dialogs\\Misc\\Negotiate.jpg",
                                     "dialogs/misc/beverage.jpg",
                                     "dialogs/misc/food.jpg",
                                     "dialogs/misc/souvenir.jpg",
                                     "dialogs/splash/korva.jpg",
                                     "Dialogs\\Splash\\NewVersion.jpg",
                                     "dialogs/scouting/scouting-qb.jpg",
                                     "dialogs/scouting/scouting-skill.jpg",
                                     "dialogs/scouting/scouting-defense.jpg",
                                     "dialogs/scouting/scouting-ol.jpg"};
const char* const WEATHER_WORDS[] = {"Clouds", "Flurries", "Mixed",  "Rain",
                                     "Sleet",  "Snow",     "Storms", "Sunny"};
} // namespace

TEST(InstallationArt, EveryPictureAndSoundTheGameNamesIsThereAfterTheBuild) {
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(chdir(KORVA_DATA_DIR), 0);
    Init_Image_Caches();
    std::vector<std::string> names;
    for (const char* skin : {"earth", "fire", "ice"}) {
        const std::string folder = std::string("skins\\") + skin + "\\";
        for (const char* picture : SKIN_PICTURES)
            names.push_back(folder + picture);
        for (const char* word : WEATHER_WORDS)
            names.push_back(folder + "News\\Weather\\" + word + ".png");
        for (int stars = 0; stars <= 5; ++stars)
            names.push_back(folder + "Dialogs\\Matchup\\stars_" + std::to_string(stars) + ".png");
        for (int face = 0; face < 45; ++face)
            names.push_back(folder + "dialogs/faces/gm" + std::to_string(face) + ".jpg");
        for (int face = 0; face < 21; ++face)
            names.push_back(folder + "dialogs/faces/agent" + std::to_string(face) + ".jpg");
    }
    for (int row = 0; row < 32; ++row)
        for (const char* suffix : {"", "a"})
            names.push_back("Gridiron//Helmets//Helmet-" + std::to_string(row) + suffix + ".png");
    for (const char* key :
         {"LOGO_filler", "Arizona", "NY1", "NY2", "LA1", "LA2", "LA3", "STL2", "BAL2", "HOU2"})
        names.push_back(std::string("logos\\") + key + ".png");
    // Players without a photo of their own show their position's.
    for (const char* position :
         {"QB", "RB", "FB", "TE", "WR", "T", "G", "C", "DE", "DT", "LB", "CB", "S", "K", "P"})
        names.push_back(std::string("photos/") + position + ".jpg");
    // The box-score and recap pages tile it behind their tables.
    names.push_back("Output/wallpaper.JPG");
    for (const std::string& name : names) {
        BITMAP_CACHE_ENTRY entry{};
        EXPECT_EQ(Load_File_Into_Bitmap_Cache(nullptr, name.c_str(), &entry), 1) << name;
        Clear_Bitmap_Cache_Entry(&entry);
    }
    for (const char* sound :
         {"button.wav", "cash.wav", "pour.wav", "switch.wav", "celeb1.wav", "celeb2.wav", "celeb3.wav"}) {
        FILE* file = Open_Resolved_File((std::string("sound/") + sound).c_str(), "rb");
        EXPECT_NE(file, nullptr) << sound;
        if (file != nullptr) fclose(file);
    }
    Free_Image_Caches();
    ASSERT_EQ(chdir(previous), 0);
}
