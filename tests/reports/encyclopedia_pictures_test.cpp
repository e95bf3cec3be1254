// The encyclopedia of the installed league after two played weeks, written in
// both designs for a person to look at (scripts/render-encyclopedia takes
// pictures of its main pages). Runs only when KORVA_SITE_DIR names a folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "database/random_numbers.h"
#include "database/safe_strings.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "platform/message_box.h"
#include "reports/encyclopedia_dialogs.h"
#include "reports/encyclopedia_export.h"
#include "season/game_start.h"
#include "season/week_advance.h"

namespace fs = std::filesystem;

TEST(EncyclopediaPictures, TheInstalledLeagueInBothDesigns) {
    const char* site = std::getenv("KORVA_SITE_DIR");
    if (site == nullptr || site[0] == '\0') GTEST_SKIP() << "KORVA_SITE_DIR names no folder";
    const char* data = std::getenv("KORVA_DATA_DIR");
    const std::string installation = data != nullptr ? data : KORVA_DATA_DIR;
    std::error_code error;
    for (const char* folder : {"HTML_Templates", "logos"}) {
        fs::remove(folder, error);
        fs::create_directory_symlink(installation + "/" + folder, folder);
    }
    ASSERT_EQ(Load_Game((installation + "/Databases/Universe-2019.dat").c_str()), 1);
    Seed_Random_Numbers(2019);
    Set_All_Teams_Computer_Controlled();
    Start_Game(0);
    Set_User_Preference(MULTI_SEASON_SIMULATION, 1);
    Advance_Weeks(2);
    Set_User_Preference(MULTI_SEASON_SIMULATION, 0);
    for (const char* design : {"default", "night"}) {
        const std::string folder = fs::absolute(site).string() + "/" + design;
        fs::remove_all(folder, error);
        safe_strncpy(Export_Folder_Choice, folder.c_str(), sizeof Export_Folder_Choice);
        Clear_Shown_Messages();
        EXPECT_EQ(Export_HTML_Encyclopedia(0, (std::string(design) + ".css").c_str()), 1);
        EXPECT_EQ(Get_Last_Export_Result().Pages_Failed, 0) << design;
    }
}
