// The HTML encyclopedia of the test league after a whole played season, the
// playoffs included: every page of the export there, tidy-clean, every link
// and picture leading to a file of the site, and every game's play-by-play
// running score ending at its final. A long run: `ctest -L long`.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "database/safe_strings.h"
#include "reports/encyclopedia_dialogs.h"
#include "reports/encyclopedia_export.h"
#include "support/played_season.h"
#include "support/site_checks.h"

namespace fs = std::filesystem;

TEST(EncyclopediaExportLong, APlayedSeasonMakesATidySiteWhoseLinksAllResolve) {
    const char* data = std::getenv("KORVA_DATA_DIR");
    const std::string installation = data != nullptr ? data : KORVA_DATA_DIR;
    std::error_code error;
    fs::remove("HTML_Templates", error);
    fs::remove("logos", error);
    fs::create_directory_symlink(installation + "/HTML_Templates", "HTML_Templates");
    fs::create_directory_symlink(installation + "/logos", "logos");
    Build_Played_Season(17);
    safe_strncpy(Export_Folder_Choice, "season-site", sizeof Export_Folder_Choice);

    ASSERT_EQ(Export_HTML_Encyclopedia(0, "default.css"), 1);
    EXPECT_EQ(Get_Last_Export_Result().Pages_Failed, 0);
    for (const ENCYCLOPEDIA_PAGE& page : List_Encyclopedia_Pages()) {
        const std::string path = Make_Encyclopedia_Page_Path(page.Template, page.Parameters, page.Count);
        EXPECT_TRUE(fs::is_regular_file(path)) << page.Template << " " << path;
    }
    EXPECT_EQ(List_Site_Pages("season-site").size(), List_Encyclopedia_Pages().size());
    ASSERT_TRUE(Is_Tidy_Installed()) << "scripts/setup installs tidy";
    const auto errors = Find_Tidy_Errors("season-site");
    EXPECT_TRUE(errors.empty()) << errors.size() << " tidy errors, the first: " << errors.front();
    const auto broken = Find_Broken_Links("season-site");
    EXPECT_TRUE(broken.empty()) << broken.size() << " broken links, the first: " << broken.front();
    const auto scores = Find_Wrong_Running_Scores();
    EXPECT_TRUE(scores.empty()) << scores.size() << " games, the first: " << scores.front();

    fs::remove_all("season-site", error);
    fs::remove("HTML_Templates", error);
    fs::remove("logos", error);
}
