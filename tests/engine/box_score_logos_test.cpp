// The logos of a played week's box scores, on the installation the build
// makes: a new game copies each team's logo into the installation's logo
// folder, and every box page of the week shows both teams' copies.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>
#include <string>

#include "app/startup.h"
#include "database/league_structure.h"
#include "database/settings.h"
#include "platform/message_box.h"
#include "platform/scripted_answers.h"
#include "support/file_lines.h"
#include "support/installation_mirror.h"
#include "support/installed_seasons.h"
#include "views/timeline_strip.h"

namespace {
namespace fs = std::filesystem;

constexpr int32_t LOGO_SEASON = 2021;

// The installation's logo folder ("logos", beside the folder of the copies
// that a played game fills) in the test's own folder.
class BoxScoreLogos : public InstalledFrameTest {
  protected:
    void SetUp() override {
        InstalledFrameTest::SetUp();
        Mirror_Installation_Folders({"logos"});
    }
    void TearDown() override {
        Remove_Installation_Mirrors();
        InstalledFrameTest::TearDown();
    }
};

} // namespace

TEST_F(BoxScoreLogos, EveryLogoLinkOfAPlayedWeeksBoxPagesNamesTheCopiedFile) {
    Start_Frame_Without_Loop();
    ASSERT_EQ(Load_Startup_League(), 1);
    ASSERT_EQ(Open_Installed_Season(LOGO_SEASON), "");
    Script_Message_Answer("Confirm", ID_BOX_YES);
    Do_Timeline_Week_Action(0, 1);
    ASSERT_EQ(Get_User_Preference(CURRENT_WEEK), 1);

    // Each page shows the logos of its two teams that were copied; over the
    // week, in which every team played, that is every logo copied.
    const std::regex image("<IMG src=\"([^\"]*)\">");
    const std::regex page_name("Box-21-[0-9]{3}\\.htm");
    int32_t pages = 0;
    std::set<std::string> shown;
    for (const fs::directory_entry& entry : fs::directory_iterator("Output")) {
        const std::string name = entry.path().filename().string();
        if (!std::regex_match(name, page_name)) continue;
        ++pages;
        const std::string page = Read_File_Text(entry.path().string());
        int32_t page_links = 0;
        for (std::sregex_iterator at(page.begin(), page.end(), image), end; at != end; ++at) {
            const std::string link = (*at)[1];
            ++page_links;
            // The page's reader finds the file from the page's own folder,
            // spelled exactly.
            const fs::path file = entry.path().parent_path() / link;
            EXPECT_TRUE(fs::is_regular_file(file)) << name << ": " << link;
            shown.insert(fs::weakly_canonical(file).string());
        }
        EXPECT_LE(page_links, 2) << name;
    }
    EXPECT_EQ(pages, Count_Active_Teams() / 2) << "every team played the first week";
    std::set<std::string> copied;
    for (const fs::directory_entry& entry : fs::directory_iterator("logos/Downloads"))
        copied.insert(fs::weakly_canonical(entry.path()).string());
    EXPECT_FALSE(copied.empty()) << "the new game copied the logos where the installation keeps them";
    EXPECT_EQ(shown, copied);
}
