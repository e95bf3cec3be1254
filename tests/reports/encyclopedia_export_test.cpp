// The HTML encyclopedia of the test league after two played weeks: every page
// there, tidy-clean, every link and picture leading to a file of the site;
// and the export's decisions (which pages, asking first, failing loudly).
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "app/main_menu.h"
#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "app/team_lists.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "dialogs/league_editor_dialog.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/menus.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "platform/text_encoding.h"
#include "reports/encyclopedia_dialogs.h"
#include "reports/encyclopedia_export.h"
#include "reports/encyclopedia_pages.h"
#include "support/dialog_steps.h"
#include "support/frame_fixture.h"
#include "support/game_runner.h"
#include "support/site_checks.h"
#include "support/test_league.h"
#include "views/timeline_strip.h"

namespace fs = std::filesystem;

namespace {
constexpr int32_t PLAYED_WEEKS = 2;

std::string Installation() {
    const char* data = std::getenv("KORVA_DATA_DIR");
    return data != nullptr ? data : KORVA_DATA_DIR;
}

std::string Read_File(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The installation's templates and logos, as the game folder holds them.
class EncyclopediaExport : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        std::error_code error;
        fs::remove_all("site", error);
        fs::remove_all("HTML_Templates", error);
        fs::create_directory_symlink(Installation() + "/HTML_Templates", "HTML_Templates");
        fs::create_directory_symlink(Installation() + "/logos", "logos");
        Build_Test_League();
        Universe.Season_Length = 17;
        safe_strncpy(Export_Folder_Choice, "site", sizeof Export_Folder_Choice);
    }
    void TearDown() override {
        std::error_code error;
        fs::remove_all("site", error);
        fs::remove("HTML_Templates", error);
        fs::remove_all("HTML_Templates", error);
        fs::remove("logos", error);
        FrameTest::TearDown();
    }
};

void Play_Weeks(int32_t weeks) {
    for (int32_t week = 0; week < weeks; ++week) {
        Prepare_Game_Week(week, 7 + week);
        Play_Test_Week(week);
    }
    Set_User_Preference(SIMULATION_RUNNING, 0);
    Set_User_Preference(CURRENT_WEEK, weeks);
}

std::vector<std::string> Written_Paths() {
    std::vector<std::string> paths;
    for (const ENCYCLOPEDIA_PAGE& page : List_Encyclopedia_Pages())
        paths.push_back(Make_Encyclopedia_Page_Path(page.Template, page.Parameters, page.Count));
    return paths;
}

int32_t Count_Pages_Of(const char* template_name) {
    const std::vector<ENCYCLOPEDIA_PAGE> pages = List_Encyclopedia_Pages();
    return static_cast<int32_t>(std::count_if(pages.begin(), pages.end(), [template_name](const auto& page) {
        return std::string(page.Template) == template_name;
    }));
}
} // namespace

TEST_F(EncyclopediaExport, TwoPlayedWeeksMakeATidySiteWhoseLinksAllResolve) {
    Play_Weeks(PLAYED_WEEKS);
    // A player whose name would break a page, a link and a file name.
    Set_Player_Last_Name(3, 0, "O'Neil & <Sons>/x");
    Set_Player_First_Name(3, 0, ".\\Ed");
    const std::string odd_page = Get_Player_Page_Name(3, 0);
    EXPECT_EQ(odd_page.find('/'), std::string::npos);
    EXPECT_EQ(odd_page.find('\\'), std::string::npos);
    // Letters beyond ASCII in a team's and a player's name: their pages are
    // named in UTF-8 on disk, and the links to them (checked with the rest
    // below) name those files.
    Set_Team_String("Z\xFCrich", 0, 1);
    Set_Player_Last_Name(0, 0, "M\xFCller\x80");

    ASSERT_EQ(Export_HTML_Encyclopedia(NO_WINDOW, "night.css"), 1);
    EXPECT_EQ(Get_Last_Export_Result().Pages_Failed, 0);
    EXPECT_TRUE(Get_Shown_Messages().empty()) << "an empty folder is written without asking";

    const std::vector<std::string> paths = Written_Paths();
    EXPECT_EQ(Get_Last_Export_Result().Pages_Written, static_cast<int32_t>(paths.size()));
    for (const std::string& path : paths) {
        ASSERT_FALSE(path.empty());
        EXPECT_TRUE(fs::is_regular_file(File_Name_From_Text(path))) << path;
    }
    const std::string team_page = Get_Team_Page_Name(0);
    ASSERT_EQ(team_page.rfind("Z\xFCrich ", 0), 0u) << "the page's name is the game's text";
    EXPECT_TRUE(fs::is_regular_file("site/teams/Z\xC3\xBCrich " + team_page.substr(7)));
    EXPECT_TRUE(
        fs::is_regular_file("site/players/M\xC3\xBCller\xE2\x82\xAC" + Get_Player_Page_Name(0, 0).substr(7)));
    const std::string index = Read_File("site/index.htm");
    EXPECT_NE(index.find("href=\"./teams/Z%C3%BCrich%20"), std::string::npos) << "linked in UTF-8";
    EXPECT_NE(index.find("<option value=\"Z&#252;rich "), std::string::npos)
        << "the team list's value is the name the script makes the link from";
    EXPECT_EQ(List_Site_Pages("site").size(), paths.size()) << "no page outside the table, none twice";
    EXPECT_EQ(Count_Pages_Of("GameExport.template"), Count_Encyclopedia_Games());
    EXPECT_EQ(Count_Encyclopedia_Games(), PLAYED_WEEKS * 16);

    // The relative folder got its designs, script and logos under the current folder.
    for (const char* file : {"site/Images/default.css", "site/Images/night.css", "site/Images/korva.js",
                             "site/Logos/LOGO_filler.png"})
        EXPECT_TRUE(fs::is_regular_file(file)) << file;
    EXPECT_NE(Read_File("site/index.htm").find("HREF=\"Images/night.css\""), std::string::npos);

    const std::string odd = Read_File("site/players/" + odd_page);
    EXPECT_NE(odd.find("O&#39;Neil &amp; &lt;Sons&gt;/x"), std::string::npos) << "the name, escaped";
    EXPECT_EQ(odd.find("<Sons>"), std::string::npos);

    // The defensive unit has no captions of its own: its list page shows the
    // defenders' row in place of its position's, and a team's Defense table
    // asks for the defenders'.
    const std::string defenders = "<th>Player</th><th>Team</th><td align=\"center\">Games</td><td "
                                  "align=\"center\">Tackles</td>";
    const std::string line = Read_File("site/SortedPlayers/DLindex.htm");
    EXPECT_NE(line.find("<tr class=\"unit-captions\">" + defenders + "<td"), std::string::npos);
    EXPECT_NE(line.find("<tr class=\"position-captions\"><th>Player</th><th>Team</th><td "
                        "align=\"center\">Games</td></tr>"),
              std::string::npos);
    const std::string team =
        Read_File(File_Name_From_Text("site/TeamsDetail/" + Get_Team_Detail_Page_Name(0)));
    EXPECT_NE(team.find("<h2>Defense</h2>\n<table class=\"data\">\n<thead><tr><th>Player</th><td "
                        "align=\"center\">Games</td><td align=\"center\">Tackles</td>"),
              std::string::npos);
    // A game's page marks its scores with the plain characters.
    std::string marked;
    for (int32_t game = 0; game < Count_Encyclopedia_Games() && marked.empty(); ++game) {
        const std::string page = Read_File("site/GameDetails/" + Get_Game_Page_Name(game));
        if (page.find("<b><<< ") != std::string::npos && page.find(" >>></b>") != std::string::npos)
            marked = page;
    }
    EXPECT_FALSE(marked.empty()) << "no game page with a marked score";
    EXPECT_EQ(marked.find("&lt;&lt;"), std::string::npos);

    if (Is_Tidy_Installed()) {
        const std::vector<std::string> errors = Find_Tidy_Errors("site");
        EXPECT_TRUE(errors.empty()) << errors.size() << " tidy errors, the first: " << errors.front();
    } else {
        ADD_FAILURE() << "tidy is not installed (scripts/setup installs it)";
    }
    const std::vector<std::string> broken = Find_Broken_Links("site");
    EXPECT_TRUE(broken.empty()) << broken.size() << " broken links, the first: " << broken.front();
    const std::vector<std::string> scores = Find_Wrong_Running_Scores();
    EXPECT_TRUE(scores.empty()) << scores.front();
}

TEST_F(EncyclopediaExport, PagesFollowTheCalendarAndTheLeagues) {
    // A league in week 5 of its first season.
    Set_User_Preference(CURRENT_SEASON_INDEX, 0);
    Set_User_Preference(CURRENT_WEEK, 5);
    EXPECT_EQ(Count_Pages_Of("SeasonSummary.template"), 1);
    EXPECT_EQ(Count_Pages_Of("SeasonDetail.template"), 5);
    const std::vector<std::string> paths = Written_Paths();
    safe_strncpy(Export_Folder, "x", sizeof Export_Folder);
    const auto has = [](const std::string& path) {
        const std::vector<std::string> all = Written_Paths();
        return std::find(all.begin(), all.end(), path) != all.end();
    };
    EXPECT_TRUE(has("x/Season summary.htm"));
    for (int32_t week = 1; week <= 4; ++week)
        EXPECT_TRUE(has("x/SeasonDetail/Season details week" + std::to_string(week) + ".htm")) << week;
    EXPECT_TRUE(has("x/SeasonDetail/Season details.htm")) << "the last week under its own name";
    EXPECT_FALSE(has("x/SeasonDetail/Season details week5.htm"));

    // Two leagues: each, and both as "NFL".
    Set_League_Abbreviation(0, "North");
    Set_League_Abbreviation(1, "South");
    ASSERT_EQ(Count_Leagues(), 2);
    for (const char* page : {"x/North Leaders.htm", "x/South Leaders By Season.htm", "x/NFL Leaders.htm",
                             "x/NFL Leaders By Season.htm", "x/leagueleaders/NFL Leaders 2020.htm",
                             "x/leagueleaders/South Leaders 2020.htm"})
        EXPECT_TRUE(has(page)) << page;
    // One league: its own and "NFL", no page of a league not in use.
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        Set_Team_Stat(team, TEAM_STAT_DIVISION, team % 4);
    ASSERT_EQ(Count_Leagues(), 1);
    EXPECT_EQ(Count_Pages_Of("LeadersSummary.template"), 4);
    EXPECT_FALSE(has("x/South Leaders.htm"));

    // A team slot not in use has no page; the free agents have player pages only.
    Set_Team_Stat(31, TEAM_STAT_CONTROL, TEAM_CONTROL_EMPTY);
    TAG_PARAMETERS team{};
    team.Keys[0] = KEY_TEAM;
    team.Values[0] = 31;
    EXPECT_EQ(Make_Encyclopedia_Page_Path("TeamSummary.template", team, 1), "");
    team.Values[0] = FREE_AGENT_TEAM;
    EXPECT_EQ(Make_Encyclopedia_Page_Path("TeamSummary.template", team, 1), "");
    EXPECT_EQ(Make_Encyclopedia_Page_Path("Unknown.template", team, 1), "");

    // The progress takes a step for every one of the 37 x 100 player slots.
    int32_t steps = 0, player_pages = 0;
    for (const ENCYCLOPEDIA_PAGE& page : List_Encyclopedia_Pages()) {
        steps += page.Steps;
        player_pages += std::string(page.Template) == "PlayerDetail.template";
    }
    EXPECT_EQ(steps, static_cast<int32_t>(List_Encyclopedia_Pages().size()) - player_pages + 3700);
    // Its window's range: 3 T + 3,736 + (N + 2) S + G + N + week + 1, with
    // one season, two leagues back, 41 games and week 5.
    Set_League_Abbreviation(1, "South");
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        Set_Team_Stat(team, TEAM_STAT_DIVISION, team % 8);
    Set_Team_Stat(31, TEAM_STAT_CONTROL, TEAM_CONTROL_COMPUTER);
    Set_User_Preference(CURRENT_GAME_NUMBER, 40);
    ASSERT_EQ(Count_Leagues(), 2);
    EXPECT_EQ(Get_Encyclopedia_Progress_Range(), 3 * TEST_LEAGUE_TEAMS + 3736 + 4 * 1 + 41 + 2 + 5 + 1);
}

TEST_F(EncyclopediaExport, AnExistingEncyclopediaIsOverwrittenOnlyAfterAsking) {
    Play_Weeks(1);
    ASSERT_EQ(Export_HTML_Encyclopedia(NO_WINDOW, "default.css"), 1);
    { std::ofstream("site/index.htm") << "kept"; }
    Clear_Shown_Messages();
    Script_Message_Answer("Caution", ID_BOX_CANCEL);
    EXPECT_EQ(Export_HTML_Encyclopedia(NO_WINDOW, "default.css"), 0);
    ASSERT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_EQ(Get_Shown_Messages()[0].Text, "This will overwrite any existing HTML Encyclopedia files");
    EXPECT_EQ(Read_File("site/index.htm"), "kept") << "Cancel writes nothing";
    Script_Message_Answer("Caution", ID_BOX_OK);
    EXPECT_EQ(Export_HTML_Encyclopedia(NO_WINDOW, "default.css"), 1);
    EXPECT_NE(Read_File("site/index.htm"), "kept");

    // A team renamed only in case: its pages are written under the new
    // names its links give, not into the earlier export's files.
    char nickname[64] = "";
    Get_Team_String(nickname, 0, 1);
    const std::string earlier = Get_Team_Page_Name(0);
    std::string shouted = nickname;
    for (char& c : shouted)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    ASSERT_NE(shouted, nickname);
    Set_Team_String(shouted.c_str(), 0, 1);
    Script_Message_Answer("Caution", ID_BOX_OK);
    EXPECT_EQ(Export_HTML_Encyclopedia(NO_WINDOW, "default.css"), 1);
    EXPECT_TRUE(fs::is_regular_file("site/teams/" + Get_Team_Page_Name(0)));
    EXPECT_NE(Get_Team_Page_Name(0), earlier);
    const std::vector<std::string> broken = Find_Broken_Links("site");
    EXPECT_TRUE(broken.empty()) << broken.size() << " broken links, the first: " << broken.front();
}

// Two teams renamed in the League Editor to names that differ only in a
// character no file name holds ("/" becomes "-") keep pages of their own:
// the later takes its slot number, and the links to each, the team lists'
// included, lead to its own page.
TEST_F(EncyclopediaExport, TwoTeamsWhoseNamesMakeOneFileNameKeepPagesOfTheirOwn) {
    Start_Frame_Without_Loop();
    Set_User_Preference(COMMISSIONER_MODE, 1);
    Set_User_Preference(CURRENT_WEEK, 0);
    char names[2][FORMATTED_TEXT_SIZE];
    for (int32_t team = 0; team < 2; ++team)
        Get_Team_Full_Name(team, names[team]);
    Script_Dialog_Step([&names](WINDOW_HANDLE dialog) {
        for (int32_t team = 0; team < 2; ++team) {
            ASSERT_TRUE(Choose_Dialog_Line_Reading(dialog, TEAM_SELECTOR, names[team])) << names[team];
            Type_Dialog_Text(dialog, TEAM_HOME_EDIT, "New York");
            Type_Dialog_Text(dialog, TEAM_NICKNAME_EDIT, team == 0 ? "Gi/ants" : "Gi-ants");
        }
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_EQ(Do_Dialog(Main_Window, LEAGUE_EDITOR_DIALOG, 0), 1);
    // The editor sorts the teams by name: the two stand where their names put them.
    std::vector<int32_t> giants;
    for (int32_t team = 0; team < Count_Active_Teams(); ++team) {
        char name[FORMATTED_TEXT_SIZE];
        Get_Team_Full_Name(team, name);
        if (std::string(name).rfind("New York Gi", 0) == 0) giants.push_back(team);
    }
    ASSERT_EQ(giants.size(), 2u);
    const std::string pages[2] = {"New York Gi-ants.htm",
                                  "New York Gi-ants " + std::to_string(giants[1] + 1) + ".htm"};
    EXPECT_EQ(Get_Team_Page_Name(giants[0]), pages[0]);
    EXPECT_EQ(Get_Team_Page_Name(giants[1]), pages[1]);
    char after[FORMATTED_TEXT_SIZE];
    Get_Team_Full_Name(giants[1] + 1, after);
    EXPECT_EQ(Get_Team_Page_Name(giants[1] + 1), std::string(after) + ".htm")
        << "a name of its own keeps its page";

    Play_Weeks(1);
    Clear_Shown_Messages();
    ASSERT_EQ(Export_HTML_Encyclopedia(NO_WINDOW, "default.css"), 1);
    EXPECT_EQ(List_Site_Pages("site").size(), Written_Paths().size()) << "no page written over another";
    const std::string index = Read_File("site/index.htm");
    for (int32_t n = 0; n < 2; ++n) {
        char name[FORMATTED_TEXT_SIZE];
        Get_Team_Full_Name(giants[n], name);
        const std::string team_page = Read_File("site/teams/" + pages[n]);
        EXPECT_NE(team_page.find(std::string("<h1>") + name + "</h1>"), std::string::npos) << name;
        EXPECT_NE(Read_File("site/TeamsDetail/" + Get_Team_Detail_Page_Name(giants[n])).find(name),
                  std::string::npos)
            << name;
        std::string link = pages[n];
        for (size_t blank = link.find(' '); blank != std::string::npos; blank = link.find(' '))
            link.replace(blank, 1, "%20");
        EXPECT_NE(index.find("href=\"./teams/" + link + "\">" + name + "</a>"), std::string::npos) << name;
        const std::string value = pages[n].substr(0, pages[n].size() - 4);
        EXPECT_NE(index.find("<option value=\"" + value + "\">" + name + "</option>"), std::string::npos)
            << "the team list leads the script to " << name << "'s page";
    }
    const std::vector<std::string> broken = Find_Broken_Links("site");
    EXPECT_TRUE(broken.empty()) << broken.size() << " broken links, the first: " << broken.front();
}

TEST_F(EncyclopediaExport, AFolderThatCannotBeMadeOrAPageThatCannotBeWrittenIsTold) {
    Play_Weeks(1);
    { std::ofstream("blocker") << "a file where a folder would go"; }
    safe_strncpy(Export_Folder_Choice, "blocker/site", sizeof Export_Folder_Choice);
    EXPECT_EQ(Export_HTML_Encyclopedia(NO_WINDOW, "default.css"), 0);
    EXPECT_TRUE(Get_Last_Export_Result().Folder_Failed);
    EXPECT_EQ(Get_Last_Export_Result().Pages_Written, 0);
    ASSERT_FALSE(Get_Shown_Messages().empty());
    EXPECT_NE(Get_Shown_Messages().back().Text.find("\"blocker/site\""), std::string::npos);
    fs::remove("blocker");

    // Without the game page's template every game page fails, and that is told.
    fs::remove("HTML_Templates");
    fs::copy(Installation() + "/HTML_Templates", "HTML_Templates", fs::copy_options::recursive);
    fs::remove("HTML_Templates/GameExport.template");
    safe_strncpy(Export_Folder_Choice, "site", sizeof Export_Folder_Choice);
    Clear_Shown_Messages();
    EXPECT_EQ(Export_HTML_Encyclopedia(NO_WINDOW, "default.css"), 1);
    EXPECT_EQ(Get_Last_Export_Result().Pages_Failed, Count_Encyclopedia_Games());
    ASSERT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_NE(Get_Shown_Messages()[0].Text.find(std::to_string(Count_Encyclopedia_Games()) + " of the"),
              std::string::npos);

    // A template far larger than any page design is refused unread: its
    // pages fail, and the message says why once, with their count.
    fs::copy(Installation() + "/HTML_Templates/GameExport.template", "HTML_Templates/GameExport.template");
    fs::resize_file("HTML_Templates/TeamDetail.template", 3LL << 30);
    Clear_Shown_Messages();
    Script_Message_Answer("Caution", ID_BOX_OK);
    EXPECT_EQ(Export_HTML_Encyclopedia(NO_WINDOW, "default.css"), 1);
    const int32_t teams = Count_Pages_Of("TeamDetail.template");
    ASSERT_GT(teams, 1);
    EXPECT_EQ(Get_Last_Export_Result().Pages_Failed, teams);
    EXPECT_EQ(Get_Last_Export_Result().Pages_Of_Large_Templates, teams);
    ASSERT_EQ(Get_Shown_Messages().size(), 2u) << "the question to overwrite, then the failures";
    EXPECT_EQ(
        Get_Shown_Messages()[1].Text,
        std::to_string(teams) + " of the " + std::to_string(teams + Get_Last_Export_Result().Pages_Written) +
            " pages of the HTML Encyclopedia in \"site\" could not be written.\n\n" + std::to_string(teams) +
            " of them come from templates larger than the 1048576 bytes a template may hold, such as "
            "\"HTML_Templates/TeamDetail.template\".");

    // A folder in place of a template is no template either: its page is
    // not written, and that is told.
    fs::copy(Installation() + "/HTML_Templates/TeamDetail.template", "HTML_Templates/TeamDetail.template",
             fs::copy_options::overwrite_existing);
    fs::remove("HTML_Templates/index.template");
    fs::create_directory("HTML_Templates/index.template");
    fs::remove("site/index.htm");
    Clear_Shown_Messages();
    Script_Message_Answer("Caution", ID_BOX_OK);
    EXPECT_EQ(Export_HTML_Encyclopedia(NO_WINDOW, "default.css"), 1);
    EXPECT_EQ(Get_Last_Export_Result().Pages_Failed, 1);
    EXPECT_FALSE(fs::exists("site/index.htm")) << "no empty page stands for it";
    ASSERT_EQ(Get_Shown_Messages().size(), 2u);
    EXPECT_EQ(Get_Shown_Messages()[1].Text.find("1 of the "), 0u);
}

TEST_F(EncyclopediaExport, AQuitStopsAfterThePageBeingWrittenAndGivesTheMenuBack) {
    Start_Frame_Without_Loop();
    Request_Quit(0);
    EXPECT_EQ(Export_HTML_Encyclopedia(NO_WINDOW, "default.css"), 1);
    EXPECT_TRUE(Get_Last_Export_Result().Stopped_By_Quit);
    EXPECT_EQ(Get_Last_Export_Result().Pages_Written, 1) << "the index, then no more";
    EXPECT_TRUE(fs::is_regular_file("site/index.htm"));
    EXPECT_EQ(Get_Menu_Item_Flags(Get_Main_Menu(), 0) & MENU_ITEM_GRAYED, 0u) << "the menu is given back";
    EXPECT_EQ(Timeline_Enabled, 1) << "and the timeline strip";
}
