// The web page import on pages the tests write under "Input/Downloads": the
// statistics files it makes, checked by value and through the replay reader
// of the seasons file; plain names only; files replaced only by a whole
// import.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "platform/string_warnings.h"
#include "support/debug_log.h"
#include "support/test_league.h"
#include "tools/player_pages.h"
#include "tools/seasons_csv.h"
#include "tools/web_import.h"
#include "tools/web_pages.h"

namespace {
class WebImport : public testing::Test {
  protected:
    void SetUp() override {
        Build_Test_League();
        Universe.Header.Universe_Stats[BASE_YEAR] = 2022;
        Set_User_Preference(CURRENT_SEASON_INDEX, 0);
        Clean();
        Clear_Shown_Messages();
        Clear_Debug_Log();
    }
    void TearDown() override {
        Clean();
        Reset_Message_Queue();
    }
    static void Clean() {
        std::filesystem::remove_all("Input/Downloads");
        std::filesystem::remove_all("Input/Stats");
        std::filesystem::remove_all("input/stats");
    }
};

void Write_Page(const std::string& name, const std::string& text) {
    std::filesystem::create_directories(std::filesystem::path(name).parent_path());
    std::ofstream(name, std::ios::binary) << text;
}

std::vector<std::string> Lines_Of(const std::string& name) {
    std::ifstream in(name);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::vector<std::string> Fields_Of(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream in(line);
    for (std::string field; std::getline(in, field, ',');)
        fields.push_back(field);
    if (!line.empty() && line.back() == ',') fields.push_back("");
    return fields;
}

std::string Roster_Row(const std::string& id, const std::string& name, const std::string& position) {
    return "<tr><th scope=\"row\" class=\"left\" data-stat=\"player\" data-append-csv=\"" + id +
           "\"><a href=\"/players/x/" + id + ".htm\">" + name +
           "</a></th><td data-stat=\"uniform_number\">12</td>" + "<td data-stat=\"pos\">" + position +
           "</td><td data-stat=\"g\">16</td><td data-stat=\"gs\">9</td>" +
           "<td data-stat=\"weight\">225</td><td data-stat=\"height\">6-2</td>" +
           "<td data-stat=\"college_id\"><a href=\"/c\">State</a>, Tech</td>" +
           "<td data-stat=\"birth_date_mod\">1995-03-21</td><td data-stat=\"experience\">5</td>" +
           "<td data-stat=\"draft_info\"><a href=\"/t\">T00</a> / 1st / 4th pick / <a href=\"/years/2017/" +
           "draft.htm\">2017</a></td></tr>\n";
}

// Team 0's pages of 2022, the injury list, the contract pages and the first
// player's page.
void Write_Modern_Pages() {
    Write_Page("Input/Downloads/Rosters/2022_roster (crd).txt",
               "<meta property=\"og:image\" content=\"x\"><meta url=https://x>\n"
               "<div id=\"all_roster\"><h2>\"Current Roster\"</h2>\n<table><tbody>\n" +
                   Roster_Row("AlphTe00", "Alan Test", "QB") + Roster_Row("BravTe00", "Bo Test", "WR/KR") +
                   "</tbody></table>\n");
    Write_Page("Input/Downloads/Rosters/2022_injuries (crd).txt",
               "<h2>\"Team Injuries\"</h2>\n<tr><th data-stat=\"player\" data-append-csv=\"CharTe00\"><a>Cy "
               "Test</a></th><td data-stat=\"injury\">I-R</td><td>>I-R<</td><td>sprained knee</td></tr>\n");
    Write_Page("Input/Downloads/Injuries.txt", "<tr><td>BravTe00</td><td>>Out<</td><td>torn achilles tendon, "
                                               "out since Week 5 and Week 9</td></tr>\n");
    Write_Page("Input/Downloads/contracts/Comets.txt",
               "<tr><td><a href=\"/p\">>Alan Test<</a></td>\n<td>$40,000,000 4 yrs</td></tr>\n");
    Write_Page("Input/Downloads/cap/Comets.txt",
               "<tr><td>Alan Test</td>\n<td>$2,000,000</td>\n<td>$12,500,000</td></tr>\n");
    Write_Page(
        "Input/Downloads/Players/AlphTe00.txt",
        "<p><strong>Position</strong>: QB</p>\n<h2>Passing</h2>\n<table><tbody> "
        "<tr><th data-stat=\"year_id\">2020</th><td data-stat=\"team\">T00</td><td data-stat=\"pos\">QB</td>"
        "<td data-stat=\"g\">16</td><td data-stat=\"gs\">16</td><td data-stat=\"pass_att\">500</td>"
        "<td data-stat=\"pass_cmp\">320</td><td data-stat=\"pass_yds\">3,900</td></tr> "
        "<tr><th data-stat=\"year_id\">2021*</th><td data-stat=\"team\">T00</td><td data-stat=\"g\">10</td>"
        "<td data-stat=\"pass_att\">300</td><td data-stat=\"pass_td\">21</td></tr> "
        "<tr><th data-stat=\"year_id\"></th><td data-stat=\"team\">T01</td><td data-stat=\"g\">7</td>"
        "<td data-stat=\"pass_att\">200</td></tr> "
        "<tr><th data-stat=\"year_id\">Career</th><td data-stat=\"pass_att\">1000</td></tr> "
        "</tbody></table>\n"
        "<h2>Combine Measurements</h2>\n<table><tbody> <tr><th data-stat=\"year_id\">2017</th>"
        "<td data-stat=\"pos\">QB</td><td data-stat=\"height\">6-2</td><td data-stat=\"weight\">225</td>"
        "<td data-stat=\"forty_yd\">4.71</td><td data-stat=\"vertical\">31.5</td></tr> </tbody></table>\n");
}

const std::string* Find_Line(const std::vector<std::string>& lines, const std::string& start) {
    for (const std::string& line : lines)
        if (line.rfind(start, 0) == 0) return &line;
    return nullptr;
}
} // namespace

TEST_F(WebImport, SavedPagesBecomeTheStatisticsFilesByValue) {
    Write_Modern_Pages();
    // A page of 2021 with its starters: two backs and a nose tackle.
    std::string starters = "<b>Offensive Starters</b>\n";
    for (const char* position : {"QB", "RB", "RB", "WR", "WR", "TE", "T", "G", "C", "G", "T"})
        starters += std::string("<tr><th data-stat=\"pos\">") + position + "</th><td>x</td></tr>\n";
    starters += "<b>Defensive Starters</b>\n";
    for (const char* position : {"DE", "NT", "DE", "LB", "LB", "LB", "CB", "CB", "SS", "FS", "LB"})
        starters += std::string("<tr><th data-stat=\"pos\">") + position + "</th><td>x</td></tr>\n";
    Write_Page("Input/Downloads/Rosters/2021_roster (rav).txt",
               starters + "<h2>\"Roster\"</h2>\n" + Roster_Row("AlphTe00", "Alan Test", "QB"));
    Download_All_Data();

    const std::vector<std::string> seasons = Lines_Of(SEASONS_CSV);
    ASSERT_EQ(seasons.size(), 4u) << "three season rows; the career row has no team or games";
    EXPECT_EQ(Fields_Of(seasons[0]).size(), 97u) << "the columns the builder reads";
    EXPECT_EQ(seasons[0], SEASONS_CSV_HEADER);
    const std::vector<std::string> first = Fields_Of(seasons[1]);
    ASSERT_EQ(first.size(), 97u);
    EXPECT_EQ(first[0], "AlphTe00");
    EXPECT_EQ(first[1], "0");
    EXPECT_EQ(first[3], "2020");
    EXPECT_EQ(first[4], "T00");
    EXPECT_EQ(first[6], "Alan Test");
    EXPECT_EQ(first[7], "QB");
    EXPECT_EQ(first[9], "16");
    EXPECT_EQ(first[11], "500") << "PaAtt";
    EXPECT_EQ(first[13], "3 900") << "a comma inside a cell cannot split the line";
    const std::vector<std::string> second_team = Fields_Of(seasons[3]);
    EXPECT_EQ(second_team[3], "2021") << "an empty year cell takes the row before's";
    EXPECT_EQ(second_team[4], "T01");

    const std::vector<std::string> players = Lines_Of(PLAYERS_CSV);
    ASSERT_EQ(players.size(), 3u) << "the header and each player once, whatever his rosters";
    const std::vector<std::string> alan = Fields_Of(*Find_Line(players, ",AlphTe00"));
    ASSERT_EQ(alan.size(), 27u);
    EXPECT_EQ(alan[5], "Alan");
    EXPECT_EQ(alan[6], "Test");
    EXPECT_EQ(alan[8], "QB");
    EXPECT_EQ(alan[10], "6'2\"");
    EXPECT_EQ(alan[12], "State  Tech");
    EXPECT_EQ(alan[17], "T00");
    EXPECT_EQ(alan[18], "2017");
    EXPECT_EQ(alan[19], "1");
    EXPECT_EQ(alan[20], "4");
    EXPECT_EQ(alan[24], "3");
    EXPECT_EQ(alan[26], "1995");
    EXPECT_EQ(Fields_Of(*Find_Line(players, ",BravTe00"))[8], "WR") << "the position cut at '/'";

    const std::vector<std::string> rosters = Lines_Of("Input/Stats/2022_rosters.csv");
    ASSERT_EQ(rosters.size(), 4u);
    EXPECT_EQ(rosters[1], "AlphTe00,0,Alan,Test,T00,QB,74,225,3,21,1995,,,1");
    EXPECT_EQ(rosters[2], "BravTe00,0,Bo,Test,T00,WR,74,225,3,21,1995,8,Achilles,1")
        << "out until week 9: eight weeks; the last injury name the line holds";
    EXPECT_EQ(rosters[3], "CharTe00,0,Cy,Test,T00,,,,,,,8,Knee") << "injured reserve without a word of weeks";

    const std::vector<std::string> salaries = Lines_Of("Input/Stats/2022_salaries.csv");
    ASSERT_EQ(salaries.size(), 2u);
    EXPECT_EQ(salaries[1], "AlphTe00,,T00,12,Alan,Test,QB,,,,4,10000000,2000000,4,12500000");
    // Bo Test, on neither page, gets no line in either file.
    EXPECT_EQ(Lines_Of(SALARIES_MISSING_CSV), std::vector<std::string>{"FirstName,LastName,Team,Position"});

    const std::vector<std::string> personnel = Lines_Of(PERSONNEL_CSV);
    ASSERT_EQ(personnel.size(), 2u);
    EXPECT_EQ(personnel[1], "'2021,'Bears,'2 Running Backs,'3-4");
    const std::vector<std::string> combine = Lines_Of(COMBINE_CSV);
    ASSERT_EQ(combine.size(), 2u);
    EXPECT_EQ(combine[1], "AlphTe00,0,Alan Test,2017,QB,6-2,225,4.71,,,,,31.5");
    EXPECT_FALSE(std::filesystem::exists("Input/Stats/Players.csv.import")) << "no temporary left";

    // The replay reader of the builder ("input/stats/seasons.csv", found
    // whatever the case) credits the imported season.
    Universe.Header.Universe_Stats[BASE_YEAR] = 2020;
    const int32_t slot = Test_League_Slot(POSITION_QB, 0);
    Set_Player_External_ID(0, slot, "AlphTe00");
    Set_Player_Stat(0, slot, SEASON_THIS, 2, 0);
    Set_Team_Abbreviation("T00", 0);
    Build_All_Player_Hashes();
    ASSERT_EQ(Load_Seasons_CSV(1), 1);
    EXPECT_EQ(Get_Player_Stat(0, slot, SEASON_THIS, 2), 500) << "pass attempts of 2020";
    EXPECT_EQ(Get_Player_Stat(0, slot, SEASON_THIS, 3), 320) << "completions";
}

TEST_F(WebImport, AnImportThatDoesNotCompleteReplacesNothing) {
    Write_Modern_Pages();
    Write_Page(PLAYERS_CSV, "the old players\n");
    Request_Quit(0);
    Download_All_Data();
    Reset_Message_Queue();
    EXPECT_EQ(Lines_Of(PLAYERS_CSV), std::vector<std::string>({"the old players"}));
    for (const auto& entry : std::filesystem::recursive_directory_iterator("Input/Stats"))
        if (entry.is_regular_file()) {
            EXPECT_EQ(entry.path().extension(), ".csv") << entry.path();
        }

    // Outside a modern league of 32 teams in its first season nothing is read.
    Set_User_Preference(CURRENT_SEASON_INDEX, 1);
    Clear_Shown_Messages();
    Download_All_Data();
    ASSERT_FALSE(Get_Shown_Messages().empty());
    EXPECT_EQ(Get_Shown_Messages().back().Caption, "Invalid UNIVERSE");
    EXPECT_EQ(Lines_Of(PLAYERS_CSV), std::vector<std::string>({"the old players"}));
}

// A season shows in each table of the page that has figures of it: it is
// one line, its games and starts counted once, its figures gathered from
// every table; another team of the same year keeps its own line.
TEST_F(WebImport, ASeasonInSeveralTablesIsOneLineWithItsGamesOnce) {
    Write_Modern_Pages();
    auto row = [](const std::string& year, const std::string& team, const std::string& games,
                  const std::string& figures) {
        return "<tr><th data-stat=\"year_id\">" + year + "</th><td data-stat=\"team\">" + team +
               "</td><td data-stat=\"g\">" + games + "</td><td data-stat=\"gs\">" + games + "</td>" +
               figures + "</tr> ";
    };
    Write_Page("Input/Downloads/Players/AlphTe00.txt",
               "<h2>Passing</h2>\n<table><tbody> " +
                   row("2021", "T00", "12", "<td data-stat=\"pass_att\">400</td>") +
                   row("", "T01", "5", "<td data-stat=\"pass_att\">90</td>") + "</tbody></table>\n" +
                   "<h2>Rushing &amp; Receiving</h2>\n<table><tbody> " +
                   row("2021", "T00", "12", "<td data-stat=\"rush_att\">40</td>") +
                   row("2022", "T00", "17", "<td data-stat=\"rush_att\">30</td>") + "</tbody></table>\n" +
                   "<h2>Games</h2>\n<table><tbody> " +
                   row("2021", "T00", "12", "<td data-stat=\"offense_snaps\">800</td>") +
                   row("", "T01", "5", "") + row("2022", "T00", "17", "") + "</tbody></table>\n");
    Download_All_Data();

    std::vector<std::string> seasons = Lines_Of(SEASONS_CSV);
    ASSERT_EQ(seasons.size(), 4u) << "2021 with two teams, 2022 with one";
    std::map<std::string, std::vector<std::string>> lines;
    for (size_t n = 1; n < seasons.size(); ++n) {
        const std::vector<std::string> fields = Fields_Of(seasons[n]);
        ASSERT_EQ(fields.size(), 97u);
        lines[fields[3] + " " + fields[4]] = fields;
    }
    const std::vector<std::string>& first = lines["2021 T00"];
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(first[9], "12") << "games once, not once a table";
    EXPECT_EQ(first[10], "12");
    EXPECT_EQ(first[11], "400") << "passing";
    EXPECT_EQ(first[20], "40") << "rushing";
    EXPECT_EQ(first[75], "800") << "snaps";
    EXPECT_EQ(lines["2021 T01"].at(9), "5");
    EXPECT_EQ(lines["2021 T01"].at(11), "90");
    EXPECT_EQ(lines["2022 T00"].at(9), "17");
    EXPECT_EQ(lines["2022 T00"].at(11), "") << "no passing that year";
}

TEST_F(WebImport, OnlyPlainSiteIdsAndNicknamesNameFiles) {
    Write_Modern_Pages();
    Write_Page("Input/Downloads/Rosters/2022_roster (crd).txt",
               "\"Current Roster\"\n" + Roster_Row("../../evil", "Eve Test", "QB") +
                   Roster_Row("Comma,Id", "Cam Test", "QB") + Roster_Row("AlphTe00", "Alan Test", "QB"));
    Write_Page("Input/Downloads/Players/../../evil.txt", "<h2>Passing</h2>\n");
    Set_Team_Nickname("../Comets", 0);
    Download_All_Data();
    const std::vector<std::string> rosters = Lines_Of("Input/Stats/2022_rosters.csv");
    ASSERT_EQ(rosters.size(), 3u) << "the plain id's row and the injured player";
    EXPECT_EQ(rosters[1].rfind("AlphTe00,", 0), 0u);
    EXPECT_EQ(rosters[2].rfind("CharTe00,", 0), 0u);
    EXPECT_FALSE(std::filesystem::exists("Input/Downloads/Players/../../evil-parsed.txt"));
    EXPECT_EQ(Lines_Of("Input/Stats/2022_salaries.csv").size(), 1u) << "no contract page under that nickname";
    EXPECT_GE(Count_Debug_Lines("Unable to download /nfl/"), 2);
}

TEST_F(WebImport, TheIdTableHoldsTwentyThousandAndSaysSoOnce) {
    Clear_Download_Player_Ids();
    EXPECT_EQ(Assign_Download_Player_Id("AbcdEf00"), 1);
    EXPECT_EQ(Assign_Download_Player_Id("AbcdEf00"), 0) << "known already";
    EXPECT_EQ(Assign_Download_Player_Id("TwelveChars0"), 0) << "more than the table's 11 characters";
    EXPECT_EQ(Assign_Download_Player_Id("a/b"), 0);
    STRING_PREPEND_WARNING_OFF
    for (int32_t n = 1; n < DOWNLOAD_PLAYER_ID_LIMIT; ++n)
        ASSERT_EQ(Assign_Download_Player_Id(("P" + std::to_string(n)).c_str()), 1);
    STRING_PREPEND_WARNING_ON
    EXPECT_EQ(Assign_Download_Player_Id("Overflow1"), 0);
    EXPECT_EQ(Assign_Download_Player_Id("Overflow2"), 0);
    EXPECT_EQ(Count_Debug_Lines("more than 20000 players"), 1);
    Clear_Download_Player_Ids();
    EXPECT_EQ(Assign_Download_Player_Id("Overflow1"), 1);
}

TEST_F(WebImport, PageReadersStayInsideTheirBuffers) {
    INJURY_STATUS status;
    ASSERT_TRUE(Parse_Injury_Status("x <b>>Out<</b> for the entire season, two weeks", &status));
    EXPECT_EQ(status.Weeks, 24);
    ASSERT_TRUE(Parse_Injury_Status(">Out< three or seven weeks (someone said)", &status));
    EXPECT_EQ(status.Weeks, 3) << "the smallest number in words; 'someone' holds no 'one'";
    ASSERT_TRUE(Parse_Injury_Status(">Out< Week 12 or Week 1", &status));
    EXPECT_EQ(status.Weeks, 11);
    ASSERT_TRUE(Parse_Injury_Status(">I-R< Week 1", &status));
    EXPECT_EQ(status.Weeks, 1) << "at least one week";
    ASSERT_TRUE(Parse_Injury_Status("<td>>doubtful<</td> bruised foot", &status));
    EXPECT_EQ(status.Weeks, 1);
    EXPECT_STREQ(status.Reason, "Foot") << "the last name of the table the line holds";
    EXPECT_FALSE(Parse_Injury_Status(">Questionable< knee", &status));

    char cell[8];
    EXPECT_EQ(Get_Table_Cell(cell, sizeof cell, "<tr><td class=\"x\">a long cell text</td><td>b</td>"), 39);
    EXPECT_STREQ(cell, "a long ");
    Clear_Debug_Log();
    EXPECT_EQ(Get_Table_Cell(cell, sizeof cell, "<td>never closed"), 0);
    EXPECT_EQ(Count_Debug_Lines("Couldn't find end of HTML table cell"), 1);
    EXPECT_EQ(Get_Table_Cell(cell, sizeof cell, "<tr>no cell</tr>"), 0);

    std::string long_text(3000, 'x');
    long_text = "<b>" + long_text + "</b>";
    Strip_HTML_Tags(long_text.data());
    EXPECT_EQ(std::string(long_text.c_str()).size(), 2037u);

    EXPECT_EQ(Read_Page_Money("<td>$1,234,567</td>"), 1234567);
    EXPECT_EQ(Read_Page_Money("$999,000,001"), 0) << "above 999,000,000 counts as 0";
    char stat[4];
    EXPECT_TRUE(Get_Stat_Cell("<td data-stat=\"g\"><b>16</b> games</td>", "g", stat, sizeof stat));
    EXPECT_STREQ(stat, "16 ");
}

// A saved page that never ends (a link to an endless device) is copied only
// so far, refused with a message, and leaves no copy behind; so is a page
// one byte longer than the copy takes (64 MB).
TEST_F(WebImport, AnEndlessPlayerPageIsRefusedWithoutFillingTheDisk) {
    std::filesystem::create_directories("Input/Downloads/Players");
    Write_Page("Input/Downloads/Players/past.txt", "");
    std::filesystem::resize_file("Input/Downloads/Players/past.txt", (uintmax_t{64} << 20) + 1);
    Clear_Debug_Log();
    EXPECT_EQ(Write_Row_Per_Line_Copy("Input/Downloads/Players/past.txt",
                                      "Input/Downloads/Players/past-parsed.txt"),
              0);
    EXPECT_EQ(Count_Debug_Lines("past.txt is larger than"), 1);
    EXPECT_FALSE(std::filesystem::exists("Input/Downloads/Players/past-parsed.txt"));
    std::filesystem::remove("Input/Downloads/Players/past.txt");
    ASSERT_FALSE(HasFailure()) << "a page that never ends would not be refused either";
    Clear_Debug_Log();
    std::filesystem::create_symlink("/dev/zero", "Input/Downloads/Players/endless.txt");
    char position[8] = "";
    EXPECT_EQ(Parse_Player_Page("endless", "Endless Page", position), 0);
    EXPECT_EQ(Count_Debug_Lines("endless.txt is larger than"), 1);
    EXPECT_FALSE(std::filesystem::exists("Input/Downloads/Players/endless-parsed.txt"));

    Write_Page("Input/Downloads/Players/short.txt", "<tbody> <tr>a</tr> <tr>b</tr>");
    EXPECT_EQ(Write_Row_Per_Line_Copy("Input/Downloads/Players/short.txt",
                                      "Input/Downloads/Players/short-parsed.txt"),
              1);
    EXPECT_EQ(Lines_Of("Input/Downloads/Players/short-parsed.txt"),
              (std::vector<std::string>{"<tbody>", "<tr>a</tr>", "<tr>b</tr>"}));
}
