// The player statistics export and the Print dialog (155): who is listed and
// in which order, the four formats, and the printer and viewer asked only
// for a file that was written.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/settings.h"
#include "platform/backend.h"
#include "platform/message_box.h"
#include "platform/scripted_answers.h"
#include "platform/windows.h"
#include "reports/player_stats_export.h"
#include "reports/print_dialog.h"
#include "reports/shell_open.h"
#include "support/dialog_steps.h"
#include "support/frame_fixture.h"
#include "support/installation_folders.h"
#include "support/site_checks.h"
#include "support/test_league.h"

namespace fs = std::filesystem;

namespace {
constexpr int32_t ALL_TEAMS_CHOICE = TEST_LEAGUE_TEAMS + 2;

std::vector<std::string> Read_Lines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream file(path);
    for (std::string line; std::getline(file, line);)
        lines.push_back(line);
    return lines;
}

// Receivers of teams 0 and 1 who played this season, with receiving yards.
void Give_Receivers_Games() {
    for (int32_t team = 0; team < 2; ++team)
        for (int32_t n = 0; n < 3; ++n) {
            const int32_t slot = Test_League_Slot(POSITION_WR, n);
            Set_Player_Stat(team, slot, SEASON_THIS, 0, 4);
            Set_Player_Stat(team, slot, SEASON_THIS, 11, 100 * (3 - n));
        }
}

class PlayerStatsExport : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        Build_Test_League();
        Give_Receivers_Games();
        std::error_code error;
        fs::remove_all("Output", error);
    }
    void TearDown() override {
        std::error_code error;
        fs::remove_all("Output", error);
        FrameTest::TearDown();
    }
};

std::string First_Cell(const std::string& line) {
    return line.substr(0, line.find('\t'));
}
} // namespace

TEST_F(PlayerStatsExport, OnlyPlayersOfTheCategoryWhoPlayedAreListedBestFirst) {
    const int32_t wr0 = Test_League_Slot(POSITION_WR, 0), wr1 = Test_League_Slot(POSITION_WR, 1);
    Set_Player_Stat(1, wr1, SEASON_THIS, 11, -5);
    // A linebacker with games and "receiving yards" is no offence player.
    Set_Player_Stat(0, Test_League_Slot(POSITION_LB, 0), SEASON_THIS, 0, 4);
    Set_Player_Stat(0, Test_League_Slot(POSITION_LB, 0), SEASON_THIS, 11, 900);
    ASSERT_EQ(Write_Player_Stats_File("Output/x.xls", ALL_TEAMS_CHOICE, SEASON_THIS, STATS_OFFENSE, 11, 0),
              1);
    const std::vector<std::string> lines = Read_Lines("Output/x.xls");
    ASSERT_EQ(lines.size(), 7u) << "the heading and six receivers";
    EXPECT_EQ(First_Cell(lines[0]), "2020 Offense");
    char name[PLAYER_NAME_TEXT_SIZE];
    Get_Player_Full_Name(0, wr0, name);
    EXPECT_EQ(First_Cell(lines[1]), name) << "300 yards, team 0 before team 1";
    Get_Player_Full_Name(1, wr0, name);
    EXPECT_EQ(First_Cell(lines[2]), name) << "a tie keeps team-then-slot order";
    Get_Player_Full_Name(1, wr1, name);
    EXPECT_EQ(First_Cell(lines[6]), name) << "negative yards are still a line";
    EXPECT_EQ(std::count(lines[1].begin(), lines[1].end(), '\t'), 17) << "17 cells, each with its tab";

    // One team: its own players only.
    ASSERT_EQ(Write_Player_Stats_File("Output/y.csv", 1, SEASON_THIS, STATS_OFFENSE, 11, 1), 1);
    const std::vector<std::string> team = Read_Lines("Output/y.csv");
    ASSERT_EQ(team.size(), 4u);
    EXPECT_EQ(team[0].substr(0, 15), "Last,First,Team");
    EXPECT_EQ(std::count(team[1].begin(), team[1].end(), ','), 17) << "the name is two columns";

    // Kicking: the names of its sort list stand for the statistics they name.
    EXPECT_STREQ(Get_Stats_Sort_Name(STATS_KICKING, 15), "Longest Field Goal");
    EXPECT_EQ(Get_Stats_Sort_Statistic(STATS_KICKING, 15), 18);
    EXPECT_EQ(Get_Stats_Sort_Statistic(STATS_KICKING, 6), 9) << "PAT";
    EXPECT_EQ(Get_Stats_Sort_Statistic(STATS_OFFENSE, 6), 6);
    EXPECT_EQ(Write_Player_Stats_File("no-folder-here/z.txt", 0, 0, 0, 0, 2), 1) << "its folder is made";
    fs::remove_all("no-folder-here");
}

TEST_F(PlayerStatsExport, EveryFormatIsWrittenPrintedAndViewedFromTheDialog) {
    Link_Installation_Folders();
    Start_Frame_Without_Loop();
    Set_Player_Last_Name(0, Test_League_Slot(POSITION_WR, 0), "Smith & <Jones>");
    for (int32_t format = 0; format < NUMBER_OF_STATS_FORMATS; ++format) {
        Script_Dialog_Step([format](WINDOW_HANDLE dialog) {
            EXPECT_EQ(Count_Dialog_Lines(dialog, PRINT_TEAM_LIST), ALL_TEAMS_CHOICE + 1);
            EXPECT_EQ(Get_Dialog_Line_Text(dialog, PRINT_TEAM_LIST, ALL_TEAMS_CHOICE), "All Teams");
            Choose_Dialog_Line(dialog, PRINT_TEAM_LIST, ALL_TEAMS_CHOICE);
            Choose_Dialog_Line(dialog, PRINT_CATEGORY_LIST, STATS_KICKING);
            EXPECT_EQ(Get_Dialog_Line_Text(dialog, PRINT_SORT_LIST, 15), "Longest Field Goal");
            Choose_Dialog_Line(dialog, PRINT_CATEGORY_LIST, STATS_OFFENSE);
            EXPECT_EQ(Get_Dialog_Line(dialog, PRINT_SORT_LIST), 0) << "refilled, the first chosen";
            Choose_Dialog_Line(dialog, PRINT_SORT_LIST, 11);
            Choose_Dialog_Line(dialog, PRINT_FORMAT_LIST, format);
            Type_Dialog_Text(dialog, PRINT_FILE_NAME_EDIT, "stats");
            Click_Dialog_Button(dialog, PRINT_TO_PRINTER_BOX);
            Click_Dialog_Button(dialog, PRINT_VIEW_NOW_BOX);
            if (format == STATS_FORMAT_HTML) Keep_Dialog_Picture(dialog, "print_stats");
            Click_Dialog_Button(dialog, ID_OK);
            Click_Dialog_Button(dialog, ID_CANCEL);
        });
        EXPECT_EQ(Do_Dialog(Main_Window, PRINT_DIALOG, 0), 0);
    }
    EXPECT_EQ(Get_User_Preference(PRINT_STATS_SORT), 11);
    EXPECT_EQ(Get_User_Preference(PRINT_STATS_FORMAT), STATS_FORMAT_HTML);
    const std::vector<PRINT_REQUEST>& printed = Get_Print_Requests();
    ASSERT_EQ(printed.size(), 4u);
    ASSERT_EQ(Get_Shell_Requests().size(), 4u);
    const char* const files[] = {"Output/stats.xls", "Output/stats.csv", "Output/stats.txt",
                                 "Output/stats.htm"};
    for (int32_t format = 0; format < NUMBER_OF_STATS_FORMATS; ++format) {
        SCOPED_TRACE(files[format]);
        EXPECT_TRUE(fs::is_regular_file(files[format]));
        EXPECT_EQ(printed[format].Path, files[format]);
        EXPECT_EQ(Get_Shell_Requests()[format].Target, files[format]);
        EXPECT_EQ(printed[format].Lines.empty(), format != STATS_FORMAT_HTML) << "a page goes as its text";
    }
    const std::vector<std::string>& page = printed[STATS_FORMAT_HTML].Lines;
    ASSERT_GE(page.size(), 4u);
    EXPECT_EQ(page[0], "2020  Offense");
    bool found = false;
    for (const std::string& line : page) {
        EXPECT_EQ(line.find('<'), line.find("<Jones>")) << line;
        found |= line.find("Smith & <Jones>") != std::string::npos;
    }
    EXPECT_TRUE(found) << "the printer gets the name as it reads";
    std::ifstream html_file("Output/stats.htm", std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(html_file)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("Smith &amp; &lt;Jones&gt;"), std::string::npos);
    // The page's head and foot as the game has always written them, each
    // heading closing its centring first.
    const std::string head = "<HTML>\n<HEAD><TITLE>2020  Offense</TITLE></HEAD>\n\n<BODY TEXT=\"#FFFFFF\" "
                             "BGCOLOR=\"#008000\" LINK=\"#80FF00\" VLINK=\"#60BF00\">\n<CENTER><H1>2020  "
                             "Offense</CENTER></H1>\n<PRE>\n";
    const std::string foot = "</PRE>\n<P>\n<CENTER><H5>\n</CENTER></H5>\n</BODY>\n</HTML>\n";
    EXPECT_EQ(text.substr(0, head.size()), head);
    ASSERT_GE(text.size(), foot.size());
    EXPECT_EQ(text.substr(text.size() - foot.size()), foot);
    if (Is_Tidy_Installed()) {
        fs::create_directories("Output/page");
        fs::copy_file("Output/stats.htm", "Output/page/stats.htm");
        EXPECT_TRUE(Find_Tidy_Errors("Output/page").empty());
    }
    Unlink_Installation_Folders();
}

TEST_F(PlayerStatsExport, NothingWrittenMeansNothingPrintedOrViewed) {
    Link_Installation_Folders();
    Start_Frame_Without_Loop();
    { std::ofstream("Output") << "a file where the folder would be"; }
    Script_Print_Result(PRINT_NO_COMMAND);
    for (const char* name : {"", "../outside", "stats", "stats.txt"}) {
        Script_Dialog_Step([name](WINDOW_HANDLE dialog) {
            Choose_Dialog_Line(dialog, PRINT_FORMAT_LIST, STATS_FORMAT_COMMA);
            Type_Dialog_Text(dialog, PRINT_FILE_NAME_EDIT, name);
            Click_Dialog_Button(dialog, PRINT_TO_PRINTER_BOX);
            Click_Dialog_Button(dialog, PRINT_VIEW_NOW_BOX);
            Click_Dialog_Button(dialog, ID_OK);
            Click_Dialog_Button(dialog, ID_CANCEL);
        });
        Do_Dialog(Main_Window, PRINT_DIALOG, 0);
        if (std::string(name) == "stats") {
            fs::remove("Output");
            EXPECT_TRUE(Get_Print_Requests().empty()) << "a failed write skips the printer";
        }
    }
    const std::vector<SHOWN_MESSAGE>& shown = Get_Shown_Messages();
    ASSERT_EQ(shown.size(), 5u);
    EXPECT_EQ(shown[0].Caption, "No Filename");
    EXPECT_EQ(shown[1].Caption, "Invalid Filename");
    EXPECT_EQ(shown[2].Text, "Unable to write to file Output/stats.csv. It is possible that the drive is "
                             "full, or the file is in use.");
    EXPECT_EQ(shown[3].Text, "Player statistics successfully written to Output/stats.txt.csv")
        << "a typed extension gets a second one";
    EXPECT_EQ(shown[4].Text,
              "Output/stats.txt.csv could not be printed: this computer has no print command (\"lp\").");
    EXPECT_FALSE(fs::exists("../outside.csv"));
    ASSERT_EQ(Get_Print_Requests().size(), 1u);
    ASSERT_EQ(Get_Shell_Requests().size(), 1u) << "the viewer still opens a written file";
    Unlink_Installation_Folders();
}

TEST(HtmlPageText, TagsGoAndRowsBreakLines) {
    EXPECT_EQ(Get_HTML_Page_Text("<TITLE>T</TITLE><PRE>a &amp; b\r\n&lt;c&gt;</PRE><table><tr><td>1</td></tr>"
                                 "<tr><td>2</td></tr></table>&#233;&unknown;"),
              "T\na & b\n<c>\n1\n2\n\xE9&unknown;");
}
