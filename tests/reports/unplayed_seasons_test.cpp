// A franchise that joins the league has no line for a season it did not
// play, wherever the game shows a past season: the installed league of 2001
// rolls over into 2002, when the Houston Texans join it. The encyclopedia's
// team and season pages, last season's standings shown during the college
// draft, the finances view's history figures and the owner's line read the
// Texans' seasons from 2002 only, and every older franchise keeps all of its.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

#include "app/drawing_services.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/random_numbers.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_history.h"
#include "database/team_record.h"
#include "personnel/draft_state.h"
#include "platform/message_box.h"
#include "platform/scripted_answers.h"
#include "reports/template_engine.h"
#include "season/game_start.h"
#include "season/off_season.h"
#include "support/installed_seasons.h"
#include "support/season_build_folder.h"
#include "support/team_slot_census.h"
#include "support/view_frame.h"
#include "views/finances_view.h"
#include "views/owner_hall_of_fame.h"
#include "views/owner_hall_of_fame_view.h"

namespace {
constexpr int32_t STANDINGS_VIEW = 40030;
constexpr int32_t FINANCES_VIEW = 40034;
constexpr int32_t FAME_VIEW = 40037;
constexpr int32_t FINANCE_COLUMNS = 8;

class UnplayedSeasons : public ViewFrameTest {
  protected:
    void SetUp() override {
        ViewFrameTest::SetUp();
        Link_Installed_Databases();
        Clear_Shown_Messages();
    }
    void TearDown() override {
        Set_User_Preference(MULTI_SEASON_SIMULATION, 0);
        Unlink_Installed_Databases();
        ViewFrameTest::TearDown();
    }
};

// The installed league of 2001, every franchise run by the computer, ends its
// season without a game (sixteen games a team, a champion crowned) and rolls
// over into 2002: the Texans join. With `draft` the college draft runs and
// 2002 starts; without, the roll stops at the draft, not yet begun.
void Roll_Into_2002(bool draft) {
    ASSERT_EQ(Open_Installed_Season(2001), "");
    Set_All_Teams_Computer_Controlled();
    Crown_Champion_Unplayed();
    if (draft)
        Set_User_Preference(MULTI_SEASON_SIMULATION, 1);
    else
        Script_Message_Answer("Begin College Draft?", ID_BOX_NO);
    Start_Off_Season();
    Clear_Shown_Messages();
    ASSERT_EQ(Get_Current_Year(), 2002);
    ASSERT_EQ(Get_User_Preference(CURRENT_WEEK), draft ? 0 : 100);
    ASSERT_EQ(Count_Active_Teams(), 32);
}

std::string Location(int32_t team) {
    char text[TEAM_STRING_LENGTH] = "";
    Get_Team_String(text, team, 1);
    return text;
}

std::string Full_Name(int32_t team) {
    char text[FORMATTED_TEXT_SIZE] = "";
    Get_Team_Full_Name(team, text);
    return text;
}

// The year's row of the team's history: wins, losses and ties.
std::vector<int32_t> Record_Of(int32_t team, int32_t year) {
    const int32_t season = year - Get_Universe_Stat(BASE_YEAR);
    return {Get_Team_Yearly_Char(team, season, RECORD_CHAR_WINS),
            Get_Team_Yearly_Char(team, season, RECORD_CHAR_LOSSES),
            Get_Team_Yearly_Char(team, season, RECORD_CHAR_TIES)};
}

std::string Expand_Installed_Template(const char* name, int32_t key, int32_t value) {
    const std::string text = Read_Whole_File(Get_Installation_Folder() + "/HTML_Templates/" + name);
    EXPECT_FALSE(text.empty()) << name;
    TAG_PARAMETERS page{};
    page.Keys[0] = key;
    page.Values[0] = value;
    std::string out;
    EXPECT_TRUE(Expand_Template_Text(text, page, 1, &out)) << name;
    return out;
}

// The years of the team page's season rows, in their order; a row whose
// record is not the team's of that year is told in `problems`.
std::vector<int32_t> Team_Summary_Years(int32_t team, std::string* problems) {
    const std::string page = Expand_Installed_Template("TeamSummary.template", KEY_TEAM, team);
    static const std::regex ROW(
        R"(<tr><td>(\d+)</td><td class="num">(-?\d+)</td><td class="num">(-?\d+)</td>)"
        R"(<td class="num">(-?\d+)</td>)");
    std::vector<int32_t> years;
    for (std::sregex_iterator row(page.begin(), page.end(), ROW), end; row != end; ++row) {
        const int32_t year = std::stoi((*row)[1]);
        years.push_back(year);
        const std::vector<int32_t> shown = {std::stoi((*row)[2]), std::stoi((*row)[3]), std::stoi((*row)[4])};
        if (shown != Record_Of(team, year))
            *problems += Full_Name(team) + " " + std::to_string(year) + ": a record not of that year\n";
    }
    return years;
}

// The franchises the season page of the year lists in its division
// standings; a line whose record is not the team's of that year is told in
// `problems`.
std::vector<std::string> Season_Summary_Teams(int32_t year, std::string* problems) {
    const std::string page =
        Expand_Installed_Template("SeasonSummary.template", KEY_SEASON, Get_Current_Year() - year);
    EXPECT_NE(page.find("<title>The " + std::to_string(year) + " Season</title>"), std::string::npos);
    static const std::regex LINE(
        R"(<tr><td class="name"><a href="[^"]*">([^<]*)</a> <span class="star">[^<]*)"
        R"(</span></td><td class="num">(-?\d+)</td><td class="num">(-?\d+)</td>)"
        R"(<td class="num">(-?\d+)</td>)");
    std::vector<std::string> names;
    for (std::sregex_iterator line(page.begin(), page.end(), LINE), end; line != end; ++line) {
        const std::string name = (*line)[1];
        names.push_back(name);
        int32_t team = -1;
        for (int32_t t = 0; t < Count_Active_Teams(); ++t)
            if (Full_Name(t) == name) team = t;
        const std::vector<int32_t> shown = {std::stoi((*line)[2]), std::stoi((*line)[3]),
                                            std::stoi((*line)[4])};
        if (team < 0 || shown != Record_Of(team, year))
            *problems += name + " " + std::to_string(year) + ": a record not of that year\n";
    }
    return names;
}

// The drawn texts since the last painting, in their order.
std::vector<std::string> Drawn_Texts() {
    std::vector<std::string> texts;
    for (int32_t i = 0; i < Get_Drawn_Text_Count(); ++i)
        texts.push_back(Get_Drawn_Text(i)->Text);
    return texts;
}

// The `count` texts drawn after the first drawn text equal to `first`; empty
// when there is none.
std::vector<std::string> Texts_After(const std::vector<std::string>& texts, const std::string& first,
                                     int32_t count) {
    const auto found = std::find(texts.begin(), texts.end(), first);
    if (found == texts.end() || texts.end() - found <= count) return {};
    return std::vector<std::string>(found + 1, found + 1 + count);
}

// A rating as the views show it, in tenths.
int32_t Tenths_Of(const std::string& text) {
    const size_t point = text.find('.');
    return point == std::string::npos
               ? -1
               : std::stoi(text.substr(0, point)) * 10 + std::stoi(text.substr(point + 1));
}
} // namespace

TEST_F(UnplayedSeasons, TheEncyclopediaAndTheOwnersLineShowAJoinedTeamOnlyInTheSeasonsItPlayed) {
    Roll_Into_2002(true);
    // 2002 too ends without a game, and the league rolls into 2003.
    Crown_Champion_Unplayed();
    Start_Off_Season();
    Clear_Shown_Messages();
    ASSERT_EQ(Get_Current_Year(), 2003);
    const int32_t houston = Find_Team_By_Location("Houston"), colts = Find_Team_By_Location("Indianapolis");
    ASSERT_GE(houston, 0);
    ASSERT_GE(colts, 0);

    // The team pages: this season, then each season the team played, newest first.
    std::string problems;
    EXPECT_EQ(Team_Summary_Years(houston, &problems), (std::vector<int32_t>{2003, 2002}));
    EXPECT_EQ(Team_Summary_Years(colts, &problems), (std::vector<int32_t>{2003, 2002, 2001}));
    for (int32_t team = 0; team < Count_Active_Teams(); ++team) {
        if (team == houston) continue;
        EXPECT_EQ(Team_Summary_Years(team, &problems).size(), 3u) << Full_Name(team);
    }

    // The season pages: 2001 without the Texans, 2002 with them.
    const std::vector<std::string> of_2001 = Season_Summary_Teams(2001, &problems);
    EXPECT_EQ(of_2001.size(), 31u);
    EXPECT_EQ(std::count(of_2001.begin(), of_2001.end(), Full_Name(houston)), 0);
    const std::vector<std::string> of_2002 = Season_Summary_Teams(2002, &problems);
    EXPECT_EQ(of_2002.size(), 32u);
    EXPECT_EQ(std::count(of_2002.begin(), of_2002.end(), Full_Name(houston)), 1);
    EXPECT_EQ(problems, "");

    // The owner's line of the Texans: their one season, weighed by the
    // league's seasons of history as every team's rating is.
    Set_User_Preference(MULTI_SEASON_SIMULATION, 0);
    Set_User_Preference(FAME_SHOWN_LEVEL_SETTING, Get_User_Preference(DIFFICULTY_LEVEL));
    Set_Team_Stat(houston, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    char text[FAME_TEXT_LENGTH];
    Get_Current_Owner_Line_Text(1, text);
    ASSERT_EQ(std::string(text), Full_Name(houston));
    Get_Current_Owner_Line_Text(2, text);
    EXPECT_STREQ(text, "2002");
    const std::vector<int32_t> season = Record_Of(houston, 2002);
    const int32_t games = season[0] + season[1] + season[2];
    ASSERT_GT(games, 0);
    const int32_t playoff_wins = Get_Team_Yearly_Char(houston, 1, RECORD_CHAR_PLAYOFF_WINS);
    const int32_t percentage = Mul_Div_Round(2 * (season[0] + playoff_wins) + season[2], 1000, 2 * games) +
                               Get_Team_Financial_Stat(houston, 74);
    Get_Current_Owner_Line_Text(6, text);
    const int32_t weight =
        std::min(1000, Rounded_Signed_Sqrt(Get_User_Preference(CURRENT_SEASON_INDEX) * 100000));
    EXPECT_EQ(Tenths_Of(text), std::max(0, Mul_Div_Round(weight, percentage, 1000))) << "the league's weight";
    // An older franchise's line spans the league's seasons.
    Set_Team_Stat(houston, TEAM_STAT_CONTROL, TEAM_CONTROL_COMPUTER);
    Set_Team_Stat(colts, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Get_Current_Owner_Line_Text(2, text);
    EXPECT_STREQ(text, "2001-2002");
}

TEST_F(UnplayedSeasons, LastSeasonsStandingsAndTheHistoryFiguresDuringTheDraftLeaveOutAJoinedTeam) {
    Roll_Into_2002(false);
    const int32_t houston = Find_Team_By_Location("Houston");
    ASSERT_GE(houston, 0);
    const int32_t league = Get_Team_Division(houston) / 4;
    Unlink_Installed_Databases();
    Open_League_In_Frame();
    // The user begins the draft: the standings show 2001's records.
    Set_User_Preference(DRAFT_ROUND, 0);
    ASSERT_EQ(Is_College_Draft_Underway(), 1);
    Set_User_Preference(SHOWN_LEAGUE, league);
    Keep_View_Picture(Paint_View_Picture(STANDINGS_VIEW), "standings_of_2001_in_the_draft");
    std::vector<std::string> texts = Drawn_Texts();
    EXPECT_GT(Count_Drawn_Texts("(2001)"), 0) << "the title names last season";
    EXPECT_EQ(Count_Drawn_Texts("Houston"), 0) << "no line for a season the Texans did not play";
    int32_t lines = 0;
    for (int32_t team = 0; team < Count_Active_Teams(); ++team) {
        if (team == houston || Get_Team_Division(team) / 4 != league) continue;
        ++lines;
        const std::vector<std::string> record = Texts_After(texts, Location(team), 3);
        const std::vector<int32_t> held = Record_Of(team, 2001);
        EXPECT_EQ(record, (std::vector<std::string>{std::to_string(held[0]), std::to_string(held[1]),
                                                    std::to_string(held[2])}))
            << Location(team);
    }
    EXPECT_EQ(lines, 15) << "the league's other teams, each on its line";

    // The finances view's history figures: the league's row averages the
    // teams that played 2001, and the Texans have no season to rate.
    const int32_t columns[FINANCE_COLUMNS] = {0, 3, 1, 2, 4, 5, 6, 8};
    for (int32_t k = 0; k < FINANCE_COLUMNS; ++k)
        Set_User_Preference(FINANCE_COLUMN_SETTING + k, columns[k]);
    int64_t ratings = 0, playoffs = 0, titles = 0;
    int32_t rated = 0;
    std::vector<std::string> average;
    for (const int32_t shown : {0, 1}) {
        Set_User_Preference(SHOWN_LEAGUE, shown);
        Keep_View_Picture(Paint_View_Picture(FINANCES_VIEW), "finances_of_2002_" + std::to_string(shown));
        texts = Drawn_Texts();
        average = Texts_After(texts, "NFL Average", FINANCE_COLUMNS);
        ASSERT_EQ(average.size(), static_cast<size_t>(FINANCE_COLUMNS));
        for (int32_t team = 0; team < Count_Active_Teams(); ++team) {
            if (Get_Team_Division(team) / 4 != shown) continue;
            const std::vector<std::string> cells = Texts_After(texts, Location(team), FINANCE_COLUMNS);
            ASSERT_EQ(cells.size(), static_cast<size_t>(FINANCE_COLUMNS)) << Location(team);
            if (team == houston) {
                EXPECT_EQ(cells[0], "0.0") << "no season of the Texans to rate";
                EXPECT_EQ(cells[1], "0");
                continue;
            }
            ratings += Tenths_Of(cells[0]);
            playoffs += std::stoi(cells[1]);
            titles += std::stoi(cells[2]);
            ++rated;
        }
    }
    ASSERT_EQ(rated, 31);
    EXPECT_EQ(Tenths_Of(average[0]), ratings / rated) << "the mean of the teams that played 2001";
    EXPECT_EQ(std::stoi(average[1]), playoffs / rated);
    EXPECT_EQ(std::stoi(average[2]), titles / rated);

    // The Texans' owner has no completed season yet.
    Set_Team_Stat(houston, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_User_Preference(FAME_SHOWN_LEVEL_SETTING, Get_User_Preference(DIFFICULTY_LEVEL));
    Keep_View_Picture(Paint_View_Picture(FAME_VIEW), "hall_of_fame_of_a_joined_team");
    EXPECT_EQ(Texts_After(Drawn_Texts(), Full_Name(houston), 5),
              (std::vector<std::string>{"\x96", "0-0", ".000", "0-0", "0.0"}));
}
