// The player statistics export and the Print dialog (155): who is listed and
// in which order, the four formats, and the printer and viewer asked only
// for a file that was written.
#include <gtest/gtest.h>

#include <algorithm>
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
    EXPECT_EQ(Get_Stats_Named_Statistic(STATS_KICKING, 15, POSITION_K), 18);
    EXPECT_EQ(Get_Stats_Named_Statistic(STATS_KICKING, 6, POSITION_P), 9) << "PAT";
    EXPECT_EQ(Get_Stats_Named_Statistic(STATS_OFFENSE, 6, POSITION_QB), 6);
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

namespace {
std::vector<std::string> Tab_Cells(const std::string& line) {
    std::vector<std::string> cells;
    std::stringstream stream(line);
    for (std::string cell; std::getline(stream, cell, '\t');)
        cells.push_back(cell);
    return cells;
}

void Set_Stats(int32_t team, int32_t slot, std::initializer_list<std::pair<int32_t, int32_t>> stats) {
    Clear_Player_Season_Stats(team, slot, SEASON_THIS);
    for (const auto& [stat, value] : stats)
        Set_Player_Stat(team, slot, SEASON_THIS, stat, value);
}

// The lines of a written tab file by player name (the first cell).
std::vector<std::vector<std::string>> Written_Lines(int32_t category, int32_t sort) {
    EXPECT_EQ(Write_Player_Stats_File("Output/s.xls", ALL_TEAMS_CHOICE, SEASON_THIS, category, sort, 0), 1);
    std::vector<std::vector<std::string>> lines;
    for (const std::string& line : Read_Lines("Output/s.xls"))
        lines.push_back(Tab_Cells(line));
    return lines;
}

std::string Name_Of(int32_t team, int32_t slot) {
    char name[PLAYER_NAME_TEXT_SIZE];
    Get_Player_Full_Name(team, slot, name);
    return name;
}

std::vector<std::string> Line_Of(const std::vector<std::vector<std::string>>& lines, int32_t team,
                                 int32_t slot) {
    for (const std::vector<std::string>& line : lines)
        if (!line.empty() && line[0] == Name_Of(team, slot)) return line;
    ADD_FAILURE() << Name_Of(team, slot) << " is not listed";
    return {};
}
} // namespace

// Each stored statistic means another thing by position: a back's 2 is his
// fumbles, a receiver's 5 and 6 his first downs and yards after the catch, a
// quarterback's 14 his sacks, a defender's 8 his fumble recoveries. Every
// cell holds what its heading names, and the sort ranks by the named figure.
TEST_F(PlayerStatsExport, EveryCellAndSortFollowsItsHeadingForEveryPosition) {
    const int32_t qb = Test_League_Slot(POSITION_QB, 0), qb2 = Test_League_Slot(POSITION_QB, 1);
    const int32_t rb = Test_League_Slot(POSITION_RB, 0), wr = Test_League_Slot(POSITION_WR, 0);
    const int32_t de = Test_League_Slot(POSITION_DE, 0), cb = Test_League_Slot(POSITION_CB, 0);
    const int32_t k = Test_League_Slot(POSITION_K, 0);
    Set_Stats(2, qb,
              {{0, 16},
               {1, 16},
               {2, 500},
               {3, 320},
               {4, 10},
               {5, 4000},
               {6, 30},
               {7, 40},
               {8, 120},
               {9, 2},
               {10, 1},
               {11, 5},
               {13, 3},
               {14, 600},
               {15, 3900}});
    Set_Stats(3, qb2, {{0, 10}, {2, 300}, {3, 180}, {5, 2000}, {6, 12}});
    // The back's 600 fumbles once ranked him the league's busiest passer.
    Set_Stats(2, rb,
              {{0, 16},
               {2, 600},
               {4, 60},
               {5, 20},
               {6, 300},
               {7, 250},
               {8, 1100},
               {9, 10},
               {10, 50},
               {11, 400},
               {12, 2},
               {13, 2},
               {14, 10},
               {15, 230},
               {17, 5},
               {18, 40},
               {19, 1}});
    Set_Stats(2, wr, {{0, 16}, {4, 120}, {5, 62}, {6, 444}, {10, 80}, {11, 1100}, {12, 9}});
    Set_Stats(2, de, {{0, 16}, {2, 40}, {3, 12}, {4, 13}, {5, 3}, {6, 4}, {7, 1}, {8, 9}, {9, 0}});
    Set_Stats(3, cb, {{0, 16}, {2, 50}, {7, 6}, {8, 0}, {9, 2}, {14, 2}, {15, 40}, {17, 1}, {18, 10}});
    Set_Stats(2, k, {{0, 16}, {8, 40}, {9, 39}, {10, 5}, {11, 5}, {12, 9}, {13, 8}});

    std::vector<std::vector<std::string>> lines = Written_Lines(STATS_OFFENSE, 2);
    const std::vector<std::string> offence_heading = {"Team",   "G",    "Att",   "Com", "Yards", "TD",
                                                      "Rating", "Rush", "Yards", "Avg", "TD",    "Rec",
                                                      "Yards",  "Avg",  "TD",    "Fum"};
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(std::vector<std::string>(lines[0].begin() + 1, lines[0].end()), offence_heading);
    // Name, team, then the cells from G on.
    auto From_Games = [](const std::vector<std::string>& line) {
        return line.size() < 3 ? line : std::vector<std::string>(line.begin() + 2, line.end());
    };
    std::vector<std::string> passer = From_Games(Line_Of(lines, 2, qb));
    ASSERT_EQ(passer.size(), 15u);
    EXPECT_NE(passer[5], "0") << "a passer has his rating";
    passer[5] = "rating";
    EXPECT_EQ(passer, (std::vector<std::string>{"16", "500", "320", "4000", "30", "rating", "40", "120",
                                                "3.0", "2", "1", "5", "5.0", "0", "3"}));
    EXPECT_EQ(From_Games(Line_Of(lines, 2, rb)),
              (std::vector<std::string>{"16", "0", "0", "0", "0", "0", "250", "1100", "4.4", "10", "50",
                                        "400", "8.0", "2", "2"}));
    EXPECT_EQ(From_Games(Line_Of(lines, 2, wr)),
              (std::vector<std::string>{"16", "0", "0", "0", "0", "0", "0", "0", "0.0", "0", "80", "1100",
                                        "13.8", "9", "0"}));
    // "Pass Attempts": the passers first, most attempts first.
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[1][0], Name_Of(2, qb));
    EXPECT_EQ(lines[2][0], Name_Of(3, qb2));
    EXPECT_EQ(From_Games(lines[3])[1], "0") << "nobody else passed";
    // "Returns": kick and punt returns together; a quarterback's sacks are none.
    lines = Written_Lines(STATS_OFFENSE, 14);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[1][0], Name_Of(2, rb));
    EXPECT_EQ(Get_Stats_Named_Figure(2, rb, SEASON_THIS, STATS_OFFENSE, 15), 270) << "Returns Yards";
    EXPECT_EQ(Get_Stats_Named_Figure(2, qb, SEASON_THIS, STATS_OFFENSE, 14), 0);

    // Defense: Tckl, Ast, Sack, FF, KD, Int, TD, Ret, RetYd; "Touchdowns",
    // chosen in the Print dialog, ranks by touchdowns.
    Link_Installation_Folders();
    Start_Frame_Without_Loop();
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Choose_Dialog_Line(dialog, PRINT_TEAM_LIST, ALL_TEAMS_CHOICE);
        Choose_Dialog_Line(dialog, PRINT_CATEGORY_LIST, STATS_DEFENSE);
        EXPECT_EQ(Get_Dialog_Line_Text(dialog, PRINT_SORT_LIST, 8), "Touchdowns");
        Choose_Dialog_Line(dialog, PRINT_SORT_LIST, 8);
        Choose_Dialog_Line(dialog, PRINT_FORMAT_LIST, STATS_FORMAT_TAB);
        Type_Dialog_Text(dialog, PRINT_FILE_NAME_EDIT, "s");
        Click_Dialog_Button(dialog, ID_OK);
        Click_Dialog_Button(dialog, ID_CANCEL);
    });
    Do_Dialog(Main_Window, PRINT_DIALOG, 0);
    Unlink_Installation_Folders();
    lines.clear();
    for (const std::string& line : Read_Lines("Output/s.xls"))
        lines.push_back(Tab_Cells(line));
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(lines[0].begin() + 1, lines[0].end()),
              (std::vector<std::string>{"Team", "G", "Tckl", "Ast", "Sack", "FF", "KD", "Int", "TD", "Ret",
                                        "RetYd"}));
    EXPECT_EQ(lines[1][0], Name_Of(3, cb)) << "the defender with touchdowns first";
    EXPECT_EQ(From_Games(Line_Of(lines, 2, de)),
              (std::vector<std::string>{"16", "40", "12", "6.5", "3", "4", "1", "0", "0", "0"}))
        << "nine fumble recoveries are no touchdown";
    EXPECT_EQ(From_Games(Line_Of(lines, 3, cb)),
              (std::vector<std::string>{"16", "50", "0", "0.0", "0", "0", "6", "2", "3", "50"}));

    // Kicking: FGM, FGA, FG%, XPM, XPA, Punt, Avg; "PAT" ranks by extra points made.
    lines = Written_Lines(STATS_KICKING, 6);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[1][0], Name_Of(2, k));
    EXPECT_EQ(From_Games(lines[1]),
              (std::vector<std::string>{"16", "13", "14", "92.9", "39", "40", "0", "0.0"}));
}

// A typed name with a control character, or "." or "..", is refused with the
// dialog's box and nothing is written; dots inside a name are the file's
// own. An average below 0 rounds to the nearest tenth, as one above does.
TEST_F(PlayerStatsExport, ControlCharactersAreRefusedAndNegativeAveragesRoundToNearest) {
    const int32_t rb = Test_League_Slot(POSITION_RB, 0), rb2 = Test_League_Slot(POSITION_RB, 1);
    const int32_t wr = Test_League_Slot(POSITION_WR, 0), p = Test_League_Slot(POSITION_P, 0);
    Set_Stats(0, rb, {{0, 2}, {7, 3}, {8, -2}, {10, 3}, {11, -1}});
    Set_Stats(0, rb2, {{0, 1}, {7, 1}, {8, -1}, {10, 2}, {11, -3}});
    Set_Stats(0, wr, {{0, 1}, {7, 3}, {8, 2}, {10, 8}, {11, 101}});
    Set_Stats(0, p, {{0, 1}, {2, 3}, {3, -2}});
    Link_Installation_Folders();
    Start_Frame_Without_Loop();
    const std::vector<std::string> names = {"a\nb", "tab\there", "esc\x1b", "\x7f", ".", "..", "a..b"};
    for (const std::string& name : names) {
        Script_Dialog_Step([name](WINDOW_HANDLE dialog) {
            Choose_Dialog_Line(dialog, PRINT_TEAM_LIST, 0);
            Choose_Dialog_Line(dialog, PRINT_CATEGORY_LIST, STATS_OFFENSE);
            Choose_Dialog_Line(dialog, PRINT_FORMAT_LIST, STATS_FORMAT_TAB);
            Type_Dialog_Text(dialog, PRINT_FILE_NAME_EDIT, name.c_str());
            Click_Dialog_Button(dialog, ID_OK);
            Click_Dialog_Button(dialog, ID_CANCEL);
        });
        Do_Dialog(Main_Window, PRINT_DIALOG, 0);
    }
    Unlink_Installation_Folders();
    const std::vector<SHOWN_MESSAGE>& shown = Get_Shown_Messages();
    ASSERT_EQ(shown.size(), names.size());
    for (size_t n = 0; n < 4; ++n)
        EXPECT_EQ(shown[n].Text, "A file name can't contain control characters such as tabs or line breaks. "
                                 "Please choose another name.");
    for (size_t n = 0; n < names.size() - 1; ++n)
        EXPECT_EQ(shown[n].Caption, "Invalid Filename") << names[n];
    EXPECT_EQ(shown[5].Text, "\"..\" names a folder. Enter a file name alone: the file is written to the "
                             "Output folder.");
    EXPECT_EQ(shown.back().Text, "Player statistics successfully written to Output/a..b.xls");
    std::vector<std::string> written;
    for (const fs::directory_entry& entry : fs::directory_iterator("Output"))
        written.push_back(entry.path().filename().string());
    EXPECT_EQ(written, std::vector<std::string>{"a..b.xls"});

    // Rushes, their yards and average (cells 8-10) and the catches' average (14).
    std::vector<std::vector<std::string>> lines;
    for (const std::string& line : Read_Lines("Output/a..b.xls"))
        lines.push_back(Tab_Cells(line));
    auto Averages = [&lines](int32_t team, int32_t slot) {
        const std::vector<std::string> line = Line_Of(lines, team, slot);
        return line.size() < 16 ? line : std::vector<std::string>{line[8], line[9], line[10], line[14]};
    };
    EXPECT_EQ(Averages(0, rb), (std::vector<std::string>{"3", "-2", "-0.7", "-0.3"}));
    EXPECT_EQ(Averages(0, rb2), (std::vector<std::string>{"1", "-1", "-1.0", "-1.5"}));
    EXPECT_EQ(Averages(0, wr), (std::vector<std::string>{"3", "2", "0.7", "12.6"}));
    lines = Written_Lines(STATS_KICKING, 2);
    const std::vector<std::string> punter = Line_Of(lines, 0, p);
    ASSERT_FALSE(punter.empty());
    EXPECT_EQ(punter.back(), "-0.7") << "3 punts for -2 yards";
}

// A name typed with letters beyond ASCII (the euro sign among them, which
// lies in Windows-1252's 128-159) is told as typed and written, printed and
// viewed under its UTF-8 name.
TEST_F(PlayerStatsExport, ANameTypedWithLettersBeyondAsciiIsWrittenUnderItsUTF8Name) {
    Link_Installation_Folders();
    Start_Frame_Without_Loop();
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Choose_Dialog_Line(dialog, PRINT_TEAM_LIST, 0);
        Choose_Dialog_Line(dialog, PRINT_FORMAT_LIST, STATS_FORMAT_TAB);
        Type_Dialog_Text(dialog, PRINT_FILE_NAME_EDIT, "");
        Set_Focus(Get_Dialog_Item(dialog, PRINT_FILE_NAME_EDIT));
        // The desktop's typed text is UTF-8; the CJK letter has no place in the game's text.
        Script_Typed_Text("J\xC3\xBCrgen \xE2\x82\xAC\xE6\x97\xA5");
        Script_Action(
            [](void* context) {
                const auto window = static_cast<WINDOW_HANDLE>(reinterpret_cast<uintptr_t>(context));
                EXPECT_EQ(Get_Dialog_Item_Text(window, PRINT_FILE_NAME_EDIT), "J\xFCrgen \x80");
                Keep_Dialog_Picture(window, "print_name_beyond_ascii");
                Click_Dialog_Button(window, PRINT_TO_PRINTER_BOX);
                Click_Dialog_Button(window, PRINT_VIEW_NOW_BOX);
                Click_Dialog_Button(window, ID_OK);
                Click_Dialog_Button(window, ID_CANCEL);
            },
            reinterpret_cast<void*>(static_cast<uintptr_t>(dialog)));
    });
    Do_Dialog(Main_Window, PRINT_DIALOG, 0);
    Unlink_Installation_Folders();
    const std::string on_disk = "Output/J\xC3\xBCrgen \xE2\x82\xAC.xls";
    ASSERT_FALSE(Get_Shown_Messages().empty());
    EXPECT_EQ(Get_Shown_Messages().back().Text,
              "Player statistics successfully written to Output/J\xFCrgen \x80.xls");
    EXPECT_TRUE(fs::is_regular_file(on_disk));
    std::vector<std::string> written;
    for (const fs::directory_entry& entry : fs::directory_iterator("Output"))
        written.push_back(entry.path().filename().string());
    EXPECT_EQ(written, std::vector<std::string>{"J\xC3\xBCrgen \xE2\x82\xAC.xls"}) << "one file, in UTF-8";
    ASSERT_EQ(Get_Print_Requests().size(), 1u);
    EXPECT_EQ(Get_Print_Requests()[0].Path, on_disk);
    ASSERT_EQ(Get_Shell_Requests().size(), 1u);
    EXPECT_EQ(Get_Shell_Requests()[0].Target, on_disk);
}

TEST(HtmlPageText, TagsGoAndRowsBreakLines) {
    EXPECT_EQ(Get_HTML_Page_Text("<TITLE>T</TITLE><PRE>a &amp; b\r\n&lt;c&gt;</PRE><table><tr><td>1</td></tr>"
                                 "<tr><td>2</td></tr></table>&#233;&unknown;&#8364;&#26085;"),
              "T\na & b\n<c>\n1\n2\n\xE9&unknown;\x80?");
}

namespace {
// The columns at which the words of a laid-out line end, from `from` on.
std::vector<size_t> Word_Ends(const std::string& line, size_t from) {
    std::vector<size_t> ends;
    for (size_t n = from; n < line.size(); ++n)
        if (line[n] != ' ' && (n + 1 == line.size() || line[n + 1] == ' ')) ends.push_back(n + 1);
    return ends;
}
} // namespace

// A name with letters beyond ASCII or with "&", "<", ">" and "'" is written
// with references on the page; its row is laid out by the letters it shows,
// so once the page is read (as the printer gets it) every figure ends under
// the end of its heading, as in the text file.
TEST_F(PlayerStatsExport, APageLinesUpItsRowsByTheLettersTheyShow) {
    const int32_t wr = Test_League_Slot(POSITION_WR, 0);
    Set_Player_First_Name(0, wr, "J\xF6rg");
    Set_Player_Last_Name(0, wr, "M\xFCller");
    Set_Player_First_Name(1, wr, "D'Andre");
    Set_Player_Last_Name(1, wr, "<Smith & Co>");
    Link_Installation_Folders();
    Start_Frame_Without_Loop();
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Choose_Dialog_Line(dialog, PRINT_TEAM_LIST, ALL_TEAMS_CHOICE);
        Choose_Dialog_Line(dialog, PRINT_CATEGORY_LIST, STATS_OFFENSE);
        Choose_Dialog_Line(dialog, PRINT_SORT_LIST, 11);
        Choose_Dialog_Line(dialog, PRINT_FORMAT_LIST, STATS_FORMAT_HTML);
        Type_Dialog_Text(dialog, PRINT_FILE_NAME_EDIT, "names");
        Click_Dialog_Button(dialog, PRINT_TO_PRINTER_BOX);
        Click_Dialog_Button(dialog, ID_OK);
        Click_Dialog_Button(dialog, ID_CANCEL);
    });
    Do_Dialog(Main_Window, PRINT_DIALOG, 0);
    Unlink_Installation_Folders();
    ASSERT_EQ(Get_Print_Requests().size(), 1u);
    const std::vector<std::string>& page = Get_Print_Requests()[0].Lines;
    std::string heading_line = Format_Player_Stats_Line(0, -1, SEASON_THIS, STATS_OFFENSE, STATS_FORMAT_TEXT);
    heading_line.pop_back();
    const auto heading = std::find(page.begin(), page.end(), heading_line);
    ASSERT_NE(heading, page.end()) << "the heading line of the text file";
    const size_t name_width = 24;
    const std::vector<size_t> heading_ends = Word_Ends(*heading, name_width);
    ASSERT_EQ(heading_ends.size(), 16u);
    std::vector<std::string> names;
    for (auto row = heading + 1; row != page.end() && !row->empty(); ++row) {
        names.push_back(row->substr(0, row->find_last_not_of(' ', name_width - 1) + 1));
        EXPECT_EQ(Word_Ends(*row, name_width), heading_ends) << *row;
    }
    ASSERT_EQ(names.size(), 6u) << "the receivers who played";
    EXPECT_EQ(names[0], "J\xF6rg M\xFCller");
    EXPECT_EQ(names[1], "D'Andre <Smith & Co>");
    std::ifstream html_file("Output/names.htm", std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(html_file)), std::istreambuf_iterator<char>());
    // 24 columns of name, a blank, then the team right-aligned in four.
    EXPECT_NE(text.find("J&#246;rg M&#252;ller" + std::string(14, ' ')), std::string::npos);
    EXPECT_NE(text.find("D&#39;Andre &lt;Smith &amp; Co&gt;" + std::string(5, ' ')), std::string::npos);
}
