// The values of the template variables: links that lead to pages the
// encyclopedia holds, statistic cells that keep a row's columns, leaders, and
// the plays of a game with their running score; and, in a played season, the
// team pages' ranks against the standings and the players' averages against
// Print Stats.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/playoff_bracket.h"
#include "database/random_numbers.h"
#include "database/schedule_entries.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/team_results.h"
#include "database/universe.h"
#include "dialogs/player_card.h"
#include "engine/game_injuries.h"
#include "engine/game_record.h"
#include "reports/encyclopedia_pages.h"
#include "reports/html_text.h"
#include "reports/player_stats_export.h"
#include "reports/template_engine.h"
#include "reports/template_variables.h"
#include "support/game_runner.h"
#include "support/played_season.h"
#include "support/season_build_folder.h"
#include "support/test_league.h"
#include "views/standings_texts.h"

namespace {
std::string Value(const std::string& tag) {
    std::string text = tag;
    Evaluate_Template_Variable(&text);
    return text;
}

class TemplateVariables : public testing::Test {
  protected:
    void SetUp() override {
        Build_Test_League();
        Universe.Season_Length = 17;
    }
};

uint32_t Play_Word(int32_t down, int32_t to_go, int32_t to_goal, int32_t side, int32_t result) {
    return static_cast<uint32_t>(down) | static_cast<uint32_t>(to_go) << 8 |
           static_cast<uint32_t>(to_goal) << 16 | static_cast<uint32_t>(side) << PLAY_WORD_SIDE_1_BALL_BIT |
           static_cast<uint32_t>(result) << PLAY_WORD_RESULT_SHIFT;
}

// Game record 0 between teams 0 and 1 with the given log.
GAME_RECORD& Game_With_Plays(std::initializer_list<std::pair<int32_t, uint32_t>> plays) {
    GAME_RECORD& game = Universe.Games[0];
    game = {};
    game.Team[0] = 0;
    game.Team[1] = 1;
    game.Season_Year = 2020;
    for (const auto& [clock, word] : plays) {
        PLAY_LOG_ENTRY& entry = game.Play_Log[game.Play_Log_Count++];
        entry.Clock = static_cast<uint16_t>(clock);
        entry.Play_Word = word;
        for (PLAY_EVENT_SLOT& slot : entry.Events)
            slot.Event_Id = -1;
    }
    return game;
}

// The "Offense and Defense" table of the installation's team page of
// `team`, by row caption: offence, its rank, defence, its rank.
std::map<std::string, std::vector<std::string>> Offense_Defense_Rows(int32_t team) {
    const std::string page =
        Read_Whole_File(Get_Installation_Folder() + "/HTML_Templates/TeamDetail.template");
    const size_t begin = page.find("<h2>Offense and Defense</h2>");
    const size_t end = page.find("</table>", begin);
    if (begin == std::string::npos || end == std::string::npos) return {};
    TAG_PARAMETERS parameters{};
    parameters.Keys[0] = KEY_TEAM;
    parameters.Values[0] = team;
    parameters.Keys[1] = KEY_SEASON;
    std::string table;
    Expand_Template_Text(page.substr(begin, end - begin), parameters, 2, &table);
    std::map<std::string, std::vector<std::string>> rows;
    for (size_t row = table.find("<tr><td>"); row != std::string::npos;
         row = table.find("<tr><td>", row + 1)) {
        const size_t caption_end = table.find("</td>", row);
        std::vector<std::string>& cells = rows[table.substr(row + 8, caption_end - row - 8)];
        const std::string cell_head = "<td class=\"num\">";
        const size_t row_end = table.find("</tr>", row);
        for (size_t cell = table.find(cell_head, caption_end); cell < row_end;
             cell = table.find(cell_head, cell + 1)) {
            const size_t start = cell + cell_head.size();
            cells.push_back(table.substr(start, table.find("</td>", start) - start));
        }
    }
    return rows;
}

std::string Plays(const char* variable) {
    std::string out;
    Expand_Template_Text(
        std::string("<gdk:table tGamePlays[GAME=0]>[<gdk:var ") + variable + ">]</gdk:table>", {}, 0, &out);
    return out;
}
} // namespace

TEST_F(TemplateVariables, LinksLeadOnlyToPagesTheEncyclopediaHolds) {
    EXPECT_EQ(Value("<gdk:var TeamRef[TEAM=2][SEASON=-1][TYPE=1]>"),
              "<a href=\"../teams/Austin%20Bears.htm\">");
    EXPECT_EQ(Value("<gdk:var TeamRef[TEAM=2][SEASON=0]>"),
              "<a href=\"./TeamsDetail/Austin%20Bears%202020.htm\">");
    // A link with no page is empty.
    EXPECT_EQ(Value("<gdk:var TeamRef[TEAM=36][SEASON=-1]>"), "") << "the free agents have no team page";
    Set_Team_Stat(31, TEAM_STAT_CONTROL, TEAM_CONTROL_EMPTY);
    EXPECT_EQ(Value("<gdk:var TeamRef[TEAM=31][SEASON=-1]>"), "");
    EXPECT_EQ(Value("<gdk:var PlayerRef[TEAM=0][PLAYER=99][TYPE=1]>"), "") << "an empty slot";
    EXPECT_EQ(Value("<gdk:var OpponentRef[TEAM=0][WEEK=3][TYPE=1]>"), "") << "a week without a game";
    EXPECT_EQ(Value("<gdk:var GameLeaderRef[GAME=0][STAT=2][POS=0][TYPE=0]>"), "")
        << "a game without a leader";
    EXPECT_EQ(Value("<gdk:var ScheduleLeaderRef[TEAM=0][WEEK=3][STAT=2][POS=0]>"), "");
    // A season line's team link: the line's league team, none for the career
    // row or a college season.
    const int32_t line = Get_Player_Season_Line(0, 0, 0);
    ASSERT_NE(line, NO_SEASON_LINE);
    EXPECT_EQ(Value("<gdk:var PlayerTeamRef[TEAM=0][PLAYER=0][SEASON=4]>").find("<a href=\"../teams/"), 0u);
    EXPECT_EQ(Value("<gdk:var PlayerTeamRef[TEAM=0][PLAYER=0][SEASON=2]>"), "") << "the career row";
    Set_Season_Line_Team(line, -2);
    EXPECT_EQ(Value("<gdk:var PlayerTeamRef[TEAM=0][PLAYER=0][SEASON=4]>"), "") << "a college season";
    Set_Player_Last_Name(0, 0, "D'Or/Ant");
    const std::string link = Value("<gdk:var PlayerRef[TEAM=0][PLAYER=0][TYPE=1]>");
    EXPECT_EQ(link.find("<a href=\"../players/D%27Or-Ant%2C%20"), 0u) << link;
    EXPECT_EQ(Value("<gdk:var GameDetailRef[GAME=400][TYPE=1]>"), "");

    // The leaders pages: TYPE 1 reads -1 as best seasons and -2 as all time.
    Set_League_Abbreviation(0, "North");
    EXPECT_EQ(Value("<gdk:var LeagueLeadersRef[LEAGUE=0][SEASON=-1][TYPE=0]>"),
              "<a href=\"North%20Leaders.htm\">");
    EXPECT_EQ(Value("<gdk:var LeagueLeadersRef[LEAGUE=2][SEASON=-1][TYPE=1]>"),
              "<a href=\"NFL%20Leaders%20By%20Season.htm\">");
    EXPECT_EQ(Value("<gdk:var LeagueLeadersRef[LEAGUE=2][SEASON=1][TYPE=1]>"),
              "<a href=\"NFL%20Leaders%202019.htm\">");
    EXPECT_EQ(Value("<gdk:var MostRecentLeadersRef[TYPE=1]>"),
              "<a href=\"../leagueleaders/NFL%20Leaders%202020.htm\">");
    EXPECT_EQ(Value("<gdk:var TimeLeaderCategory[SEASON=-1][TYPE=1]>"), "Best Season");
    EXPECT_EQ(Value("<gdk:var TimeLeaderCategory[SEASON=-1][TYPE=0]>"), "All Time");
    EXPECT_EQ(Value("<gdk:var TeamLogo[TEAM=0]>"),
              "<img src=\"../" + Encode_Link_Path(Get_Encyclopedia_Logo_Path(0)) + "\" border=\"0\">");
}

TEST_F(TemplateVariables, StatisticCellsKeepTheRowsColumns) {
    const int32_t kicker = Test_League_Slot(POSITION_K, 0);
    const int32_t quarterback = Test_League_Slot(POSITION_QB, 0);
    EXPECT_EQ(Value("<gdk:var PlayerStat[STAT=8][TYPE=0][TEAM=0][PLAYER=" + std::to_string(kicker) +
                    "][SEASON=4]>"),
              "")
        << "a kicker shows no rushing yards";
    Set_Player_Stat(0, quarterback, SEASON_THIS, 5, 4321);
    Set_Player_Stat(0, quarterback, SEASON_THIS, 2, 10);
    const std::string q = "[TEAM=0][PLAYER=" + std::to_string(quarterback) + "][SEASON=0]";
    EXPECT_EQ(Value("<gdk:var PlayerStat[STAT=5][TYPE=0]" + q + ">"), "<td align=\"center\">4321</td>");
    EXPECT_EQ(Value("<gdk:var PlayerStat[STAT=103][TYPE=0]" + q + ">"), "<td align=\"center\">432</td>")
        << "hundredths of 100 and more without decimals";
    Set_Player_Stat(0, quarterback, SEASON_THIS, 5, 98);
    EXPECT_EQ(Value("<gdk:var PlayerStat[STAT=103][TYPE=0]" + q + ">"), "<td align=\"center\">9.8</td>");

    // The captions: one cell per category the position shows.
    const std::string captions = Value("<gdk:var TableStatCaption[POS=13][TEAM=-1]>");
    EXPECT_EQ(captions,
              "<td align=\"center\">Games</td><td align=\"center\">FG Made</td><td align=\"center\">FG "
              "Att.</td><td align=\"center\">FG %</td><td align=\"center\">PAT %</td>");
    EXPECT_EQ(Value("<gdk:var TableStatCaption[POS=16][TEAM=-1]>"), "<td align=\"center\">Games</td>")
        << "the defensive unit is no position: the captions of none";
    EXPECT_EQ(Value("<gdk:var TableStatCaption[POS=17][TEAM=-1]>"), "<td align=\"center\">Games</td>")
        << "the offensive line shows its tackles' captions";
    EXPECT_EQ(Value("<gdk:var TableStatCaption[POS=8][TEAM=-1]>").find("<td align=\"center\">Tackles</td>"),
              std::string("<td align=\"center\">Games</td>").size());
    // Team totals: yards a play in tenths and a rush in hundredths, for the
    // offence and for its opponents; the opponents' sacks in tenths.
    Set_Team_Totals_Stat(0, 3, 0, 5, 570);
    Set_Team_Totals_Stat(0, 3, 0, 2, 100);
    Set_Team_Totals_Stat(0, 4, 0, 5, 3120);
    EXPECT_EQ(Value("<gdk:var TeamOffense[STAT=103][TEAM=0]>"), "5.7");
    EXPECT_EQ(Value("<gdk:var TeamDefense[STAT=103][TEAM=0]>"), "5.7") << "in tenths for the opponents too";
    const std::string per_rush = Value("<gdk:var TeamDefense[STAT=112][TEAM=0]>");
    EXPECT_EQ(per_rush.size() - per_rush.find('.'), 3u) << "in hundredths: " << per_rush;
    EXPECT_EQ(Value("<gdk:var TeamDefense[STAT=5][TEAM=0]>"), "3120");
    EXPECT_EQ(Value("<gdk:var TeamPointsFor[TEAM=0][SEASON=1]>"), "-");
    EXPECT_EQ(Value("<gdk:var TeamPointsFor[TEAM=0][SEASON=0]>"), "0");
}

TEST_F(TemplateVariables, TextsOfPlayersWeeksAndPositions) {
    Set_Player_Vital_Stat(0, 0, VITAL_HEIGHT, 74);
    Set_Player_Vital_Stat(0, 0, VITAL_BIRTH_DATE, 19970304);
    Set_Player_Vital_Stat(0, 0, VITAL_FORTY_TIME, 1200);
    EXPECT_EQ(Value("<gdk:var PlayerVitalStat[STAT=2][TEAM=0][PLAYER=0]>"), "6-2");
    EXPECT_EQ(Value("<gdk:var PlayerVitalStat[STAT=5][TEAM=0][PLAYER=0]>"), "3/4/1997");
    const std::string forty = Value("<gdk:var PlayerVitalStat[STAT=4][TEAM=0][PLAYER=0]>");
    EXPECT_GE(std::stod(forty), 3.9) << "a time out of range is set again from the speed";
    EXPECT_LE(std::stod(forty), 7.0);
    EXPECT_EQ(Value("<gdk:var SeasonYear[TEAM=0][PLAYER=0][SEASON=2]>"), "Career");

    // A playoff week is named by the round of the bracket its games were
    // paired in: here a bracket whose first round nobody plays.
    for (int32_t slot = 0; slot < PLAYOFF_BRACKET_SLOTS; ++slot)
        Set_Playoff_Team(slot, NO_TEAM);
    const int32_t pairs[3][3] = {{18, 16, 0}, {19, 24, 2}, {20, 28, 4}};
    for (const auto& [week, slot, team] : pairs) {
        ASSERT_EQ(Schedule_Game(team, team + 1, week, 6, 1300), 1);
        Set_Playoff_Team(slot, team + 1);
        Set_Playoff_Team(slot + 1, team);
    }
    EXPECT_EQ(Value("<gdk:var isPlayoff[WEEK=3]>"), "Regular Games");
    EXPECT_EQ(Value("<gdk:var isPlayoff[WEEK=17]>"), "No Playoff Games");
    EXPECT_EQ(Value("<gdk:var isPlayoff[WEEK=18]>"), "Divisional Playoff");
    EXPECT_EQ(Value("<gdk:var PlayoffGameName[WEEK=18]>"), "Divisional Playoff");
    EXPECT_EQ(Value("<gdk:var isPlayoff[WEEK=19]>"), "Championship Games");
    EXPECT_EQ(Value("<gdk:var isPlayoff[WEEK=20]>"), "Super Bowl");
    EXPECT_EQ(Value("<gdk:var isPlayoff[WEEK=21]>"), "No Playoff Games") << "after the final";
    EXPECT_EQ(Value("<gdk:var isPlayoff[WEEK=22]>"), "isPlayoff") << "past the schedule's weeks";
    EXPECT_EQ(Value("<gdk:var PlayoffGameName[WEEK=3]>"), "PlayoffGameName");
    Set_Playoff_Team(0, 6);
    Set_Playoff_Team(1, 7);
    ASSERT_EQ(Schedule_Game(7, 6, 17, 6, 1300), 1);
    EXPECT_EQ(Value("<gdk:var isPlayoff[WEEK=17]>"), "Wildcard Games");
    EXPECT_EQ(Value("<gdk:var PositionName[POS=17]>"), "Offensive Line");
    EXPECT_EQ(Value("<gdk:var PositionName[POS=0]>"), "Quarterback");
    EXPECT_EQ(Value("<gdk:var PositionName[POS=6]>"), "PositionName");
    EXPECT_EQ(Value("<gdk:var League[LEAGUE=2]>"), "Overall");
    EXPECT_EQ(Value("<gdk:var League[LEAGUE=3]>"), "");
    EXPECT_EQ(Value("<gdk:var Division[DIVIS=9]>"), "");

    Set_User_Preference(CURRENT_WEEK, 3);
    const std::string weeks = Value("<gdk:var Select[TYPE=1]>");
    EXPECT_EQ(
        weeks.find("<select onChange='OnChange(this)' name=\"week\">\n<option value=\"-100\" selected>"), 0u);
    EXPECT_NE(weeks.find("<option value=\"2\">Week 2</option>"), std::string::npos);
    EXPECT_NE(weeks.find("<option value=\"-1\">Week 3</option>"), std::string::npos) << "the last week";
    EXPECT_EQ(weeks.find("Week 4"), std::string::npos);
    // The seasons: the current one first, as the season summary's value -1.
    Set_User_Preference(CURRENT_SEASON_INDEX, 1);
    EXPECT_EQ(Value("<gdk:var Select[TYPE=2]>"),
              "<select onChange='OnChange(this)' name=\"season_year\">\n<option value=\"-100\" "
              "selected></option><option value=\"-1\">\n2021</option>\n<option "
              "value=\"2020\">2020</option>\n</select>\n");
    EXPECT_EQ(Value("<gdk:var Select[TYPE=3]>"),
              "<select onChange='OnChange(this)' name=\"leaders_year\">\n<option value=\"-100\" "
              "selected></option><option value=\"2021\" >2021</option>\n<option value=\"2020\" "
              ">2020</option>\n</select>\n");
}

TEST_F(TemplateVariables, StrippingATagLeavesItsNameAndGroups) {
    EXPECT_EQ(Strip_Template_Tag("<gdk:var Year[SEASON=2]>"), "Year[SEASON=2]");
    EXPECT_EQ(Strip_Template_Tag("<gdk:varXTeamName>"), "TeamName") << "the separator may be any character";
    EXPECT_EQ(Strip_Template_Tag("<gdk:var Y>"), "Y");
    EXPECT_EQ(Strip_Template_Tag("<gdk:var >"), "") << "10 characters leave no name";
    EXPECT_EQ(Strip_Template_Tag("<gdk:var>"), "");
    EXPECT_EQ(Value("<gdk:var >"), "") << "an empty name is written as it is";
}

// The pools are named by their fixed texts in a report.
TEST_F(TemplateVariables, ThePoolsAreNamedByTheirFixedTexts) {
    EXPECT_EQ(Value("<gdk:var TeamCityName[TEAM=36]>"), "Free Agent");
    EXPECT_EQ(Value("<gdk:var TeamName[TEAM=36]>"), "");
    EXPECT_EQ(Value("<gdk:var TeamFullName[TEAM=36]>"), "Free Agent");
    EXPECT_EQ(Value("<gdk:var TeamCityName[TEAM=37]>"), "") << "only slots up to the free agents have a city";
    EXPECT_EQ(Value("<gdk:var TeamCityName[TEAM=2]>"), "Austin");
}

TEST_F(TemplateVariables, AnEmptyLeaderEntryWritesNothing) {
    std::string out;
    Expand_Template_Text("<gdk:table tLeaders[LEAGUE=2][SEASON=0]></gdk:table>", {}, 0, &out);
    // The test league has played no games this season: every entry is empty.
    for (const char* name : {"LeaderName", "LeaderTeam", "LeaderStat", "LeaderStatYear"})
        EXPECT_EQ(Value(std::string("<gdk:var ") + name + "[COUNT=0]>"), "") << name;
    EXPECT_EQ(Value("<gdk:var LeaderRef[COUNT=0][TYPE=1]>"), "");
    EXPECT_EQ(Value("<gdk:var LeaderTeamRef[COUNT=0][TYPE=1]>"), "");

    // Careers, and the best seasons among the season lines, with their years.
    const int32_t back = Test_League_Slot(POSITION_RB, 0);
    Set_Player_Stat(4, back, SEASON_CAREER, 7, 500);
    Set_Season_Line_Stat(Get_Player_Season_Line(4, back, 0), 7, 310);
    std::string careers;
    Expand_Template_Text("<gdk:table tLeaders[LEAGUE=2][SEASON=-1]><gdk:var LeaderStat>,</gdk:table>", {}, 0,
                         &careers);
    EXPECT_EQ(careers.substr(0, 5), "500,,") << careers;
    const TOP_TEN_LIST& list = Get_Template_Leader_List();
    // The entries are packed: their values are read by copy.
    for (int32_t n = 1; n < 10; ++n) {
        const int32_t above = list.Entries[n - 1].Value, below = list.Entries[n].Value;
        EXPECT_GE(above, below);
    }
    // The best seasons: the value of the best line, and no year (the lists
    // leave an entry's second word 0, so no leader table shows one).
    Expand_Template_Text("<gdk:table tLeaders[LEAGUE=2][SEASON=-2]></gdk:table>", {}, 0, &careers);
    EXPECT_EQ(Value("<gdk:var LeaderStatYear[COUNT=0]>"), "");
    EXPECT_EQ(Value("<gdk:var LeaderStat[COUNT=0]>"), "310");
    const int32_t second = Get_Template_Leader_List().Entries[0].Second;
    EXPECT_EQ(second, 0);
    // A season's leaders read the season line of that year.
    Expand_Template_Text("<gdk:table tLeaders[LEAGUE=2][SEASON=2]></gdk:table>", {}, 0, &careers);
    EXPECT_EQ(Value("<gdk:var LeaderStat[COUNT=0]>"), "310");
    EXPECT_EQ(Value("<gdk:var LeaderStatYear[COUNT=0]>"), "");
}

TEST_F(TemplateVariables, PlaysCarryTheirDownSpotAndRunningScore) {
    Game_With_Plays({
        {0, Play_Word(8, 0, 65, 1, RESULT_KICKOFF_RETURNED)},
        {0, Play_Word(0, 10, 75, 0, RESULT_COMPLETED_PASS)},
        {30, Play_Word(2, 8, 8, 0, RESULT_TOUCHDOWN_PASS)},
        {40, Play_Word(11, 2, 2, 0, RESULT_EXTRA_POINT_GOOD)},
        {900, Play_Word(1, 5, 50, 1, RESULT_RUN_LEFT)},
        {1000, Play_Word(3, 4, 80, 1, RESULT_SAFETY)},
        {1800, Play_Word(3, 9, 20, 1, RESULT_FIELD_GOAL_GOOD)},
        {1900, Play_Word(11, 2, 2, 1, RESULT_EXTRA_POINT_MISSED)},
        {2700, Play_Word(0, 10, 60, 0, RESULT_RUN_MIDDLE)},
        {3600, Play_Word(8, 0, 65, 1, RESULT_KICKOFF_TOUCHBACK)},
        {3700, Play_Word(0, 10, 30, 0, RESULT_PUNT_RETURN_TOUCHDOWN)},
    });
    EXPECT_EQ(Plays("PlayDown"), "[KICK][1-10][3-G][CONV][2-5][4-4][4-9][CONV][1-10][KICK][1-10]");
    EXPECT_EQ(Plays("PlayYardline").substr(0, 20), "[(T01 35)][(T00 25)]");
    EXPECT_NE(Plays("PlayYardline").find("[(--  50)]"), std::string::npos);
    EXPECT_EQ(Plays("QuarterBegin"),
              "[][First quarter][][][Second quarter][][Third quarter][][Fourth quarter][Overtime][]")
        << "of two plays at one whole quarter, the second starts it";
    // A conversion carries its touchdown; a safety scores for the other side; in
    // overtime a return scores for the receiving side at once.
    const std::string scores = Plays("PlayTD");
    EXPECT_EQ(scores.find("[][][][<tr>"), 0u) << "the touchdown itself shows nothing";
    EXPECT_NE(scores.find("Akron Comets  7 - 0  Albany Rams"), std::string::npos);
    EXPECT_NE(scores.find("Akron Comets  9 - 0  Albany Rams"), std::string::npos);
    EXPECT_NE(scores.find("Akron Comets  9 - 3  Albany Rams"), std::string::npos);
    EXPECT_NE(scores.find("Akron Comets  9 - 9  Albany Rams"), std::string::npos)
        << "a missed point after: six";
    EXPECT_NE(scores.find("Akron Comets  9 - 15  Albany Rams"), std::string::npos);
    // The marks are the characters themselves; the names between them are escaped.
    EXPECT_NE(scores.find("<b><<< Akron Comets  7 - 0  Albany Rams >>></b>"), std::string::npos) << scores;
    EXPECT_EQ(scores.find("&lt;"), std::string::npos);
    Set_Team_Nickname("R<ams> & Co", 1);
    EXPECT_NE(Plays("PlayTD").find("  Albany R&lt;ams&gt; &amp; Co >>></b>"), std::string::npos);

    Universe.Games[0].Play_Log[4].Events[INJURY_EVENT_SLOT] = {INJURY_EVENT_ID,         0, 0, 0, 0, {0, 0, 0},
                                                               {Get_Player_ID(1, 0), 0}};
    const std::string injuries = Plays("PlayInjury");
    EXPECT_NE(injuries.find("<b><< R&lt;ams&gt; &amp; Co "), std::string::npos) << injuries;
    EXPECT_NE(injuries.find(" was injured on the play >></b>"), std::string::npos);
    EXPECT_EQ(Plays("PlayResult").find("[<"), std::string::npos);
}

// The leaders pages (careers, and best single seasons) say only what their
// tables show: a year named in their words would have to stand by each
// leader, and the lists keep no year.
TEST_F(TemplateVariables, TheLeadersPagesSayOnlyWhatTheyShow) {
    const int32_t back = Test_League_Slot(POSITION_RB, 0);
    Set_Player_Stat(4, back, SEASON_CAREER, 7, 500);
    Set_Season_Line_Stat(Get_Player_Season_Line(4, back, 0), 7, 310);
    const std::string page =
        Read_Whole_File(Get_Installation_Folder() + "/HTML_Templates/LeadersSummary.template");
    ASSERT_FALSE(page.empty());
    const std::regex year_in_brackets("\\([0-9]{4}\\)");
    for (const int32_t season : {-1, -2}) {
        TAG_PARAMETERS parameters{};
        parameters.Keys[0] = KEY_LEAGUE;
        parameters.Values[0] = 2;
        parameters.Keys[1] = KEY_SEASON;
        parameters.Values[1] = season;
        std::string out;
        Expand_Template_Text(page, parameters, 2, &out);
        const size_t lead = out.find("<p class=\"lead\">");
        ASSERT_NE(lead, std::string::npos);
        const std::string words = out.substr(lead, out.find("</p>", lead) - lead);
        const size_t list = out.find("<ol class=\"leaders\">");
        ASSERT_NE(list, std::string::npos);
        const std::string leaders = out.substr(list, out.find("</ol>", list) - list);
        ASSERT_NE(leaders.find("<li><a href="), std::string::npos) << "a leader is listed";
        const bool years_shown = std::regex_search(leaders, year_in_brackets);
        EXPECT_EQ(words.find("year") != std::string::npos, years_shown)
            << "seasons " << season << ": " << words;
    }
}

// The clock stands on 3,600 both for the try after a touchdown on
// regulation's last snap and for overtime's opening kickoff: the try scores
// with its touchdown, and a kickoff returned for a touchdown gets its line,
// so the running score ends at the final.
TEST_F(TemplateVariables, AScoreOnOvertimesOpeningKickoffGetsItsLine) {
    GAME_RECORD& game = Game_With_Plays({
        {0, Play_Word(8, 0, 65, 1, RESULT_KICKOFF_RETURNED)},
        {100, Play_Word(0, 10, 20, 0, RESULT_TOUCHDOWN_RUN)},
        {105, Play_Word(11, 2, 2, 0, RESULT_EXTRA_POINT_GOOD)},
        {1000, Play_Word(3, 9, 20, 0, RESULT_FIELD_GOAL_GOOD)},
        {1200, Play_Word(3, 9, 20, 0, RESULT_FIELD_GOAL_GOOD)},
        {2000, Play_Word(3, 9, 20, 1, RESULT_FIELD_GOAL_GOOD)},
        {2200, Play_Word(3, 9, 20, 1, RESULT_FIELD_GOAL_GOOD)},
        {2500, Play_Word(0, 10, 30, 0, RESULT_TOUCHDOWN_PASS)},
        {2510, Play_Word(11, 2, 2, 0, RESULT_EXTRA_POINT_GOOD)},
        {3000, Play_Word(0, 10, 30, 1, RESULT_TOUCHDOWN_PASS)},
        {3010, Play_Word(11, 2, 2, 1, RESULT_EXTRA_POINT_GOOD)},
        {3590, Play_Word(1, 3, 3, 1, RESULT_TOUCHDOWN_RUN)},
        {3600, Play_Word(11, 2, 2, 1, RESULT_EXTRA_POINT_GOOD)},
        {3600, Play_Word(8, 0, 65, 1, RESULT_KICKOFF_RETURN_TOUCHDOWN)},
    });
    game.Score[0] = 26;
    game.Score[1] = 20;
    const std::string scores = Plays("PlayTD");
    EXPECT_NE(scores.find("Akron Comets  20 - 20  Albany Rams"), std::string::npos)
        << "the try on the mark ends regulation level: " << scores;
    const size_t last = scores.rfind("<<< ");
    ASSERT_NE(last, std::string::npos);
    EXPECT_EQ(scores.substr(last, 42), "<<< Akron Comets  26 - 20  Albany Rams >>>") << scores;
    EXPECT_EQ(scores.rfind("[<tr>"), scores.rfind('[')) << "the kickoff's own line is the last";
}

// A quarterback's runs are booked with the passers' totals (category 3, the
// opponents' 7): the team page's rushing cells count them with everybody
// else's, as its total yards do, and rank the teams by that sum.
TEST_F(TemplateVariables, TeamPagesCountTheQuarterbacksRunsAmongTheRushingYards) {
    Prepare_Game_Week(0, 4242);
    ASSERT_EQ(Play_Test_Week(0), TEST_LEAGUE_TEAMS / 2);
    const int32_t teams = Count_Active_Teams();
    int32_t quarterbacks_ran = 0;
    for (int32_t team = 0; team < teams; ++team) {
        const std::string label = "team " + std::to_string(team);
        const auto rows = Offense_Defense_Rows(team);
        ASSERT_EQ(rows.size(), 4u) << label;
        const auto& total = rows.at("Total yards");
        const auto& passing = rows.at("Passing yards");
        const auto& rushing = rows.at("Rushing yards");
        ASSERT_EQ(rushing.size(), 4u) << label;
        EXPECT_EQ(std::stoi(rushing[0]),
                  Get_Team_Totals_Stat(team, 0, 0, 8) + Get_Team_Totals_Stat(team, 3, 0, 8))
            << label;
        EXPECT_EQ(std::stoi(rushing[2]),
                  Get_Team_Totals_Stat(team, 4, 0, 8) + Get_Team_Totals_Stat(team, 7, 0, 8))
            << label;
        EXPECT_EQ(std::stoi(total[0]), std::stoi(passing[0]) + std::stoi(rushing[0])) << label << " offence";
        EXPECT_EQ(std::stoi(total[2]), std::stoi(passing[2]) + std::stoi(rushing[2])) << label << " defence";
        if (Get_Team_Totals_Stat(team, 3, 0, 8) != 0) ++quarterbacks_ran;
    }
    EXPECT_GT(quarterbacks_ran, 0) << "the week's quarterbacks ran";

    // Without passing yards the rushing row is the total row, ranks too. The
    // last team gains (and allows) the fewest yards by its other players but
    // the most with its quarterbacks'; a quarterback's receiving yards stay
    // out of both rows, as they stay out of the total.
    for (int32_t team = 0; team < teams; ++team)
        for (int32_t category = 0; category < 8; ++category) {
            Set_Team_Totals_Stat(team, category, 0, 7, 100);
            Set_Team_Totals_Stat(team, category, 0, 8, category % 4 == 0 ? 1000 - 10 * team : 0);
            Set_Team_Totals_Stat(team, category, 0, 11, category % 4 == 3 ? 77 : 0);
        }
    // The defence that allows the most is placed last, and equal defences
    // share the lower place, as the standings place them.
    const int32_t last = teams - 1;
    const std::string all = std::to_string(teams);
    Set_Team_Totals_Stat(last, 3, 0, 8, 2000);
    Set_Team_Totals_Stat(last, 7, 0, 8, 2000);
    for (int32_t team : {0, 1, last}) {
        const auto rows = Offense_Defense_Rows(team);
        EXPECT_EQ(rows.at("Rushing yards"), rows.at("Total yards")) << "team " << team;
        EXPECT_EQ(rows.at("Passing yards"), (std::vector<std::string>{"0", "1", "0", all}))
            << "team " << team;
    }
    const auto last_rows = Offense_Defense_Rows(last);
    const std::string combined = std::to_string(1000 - 10 * last + 2000);
    EXPECT_EQ(last_rows.at("Rushing yards"), (std::vector<std::string>{combined, "1", combined, all}));
    EXPECT_EQ(Offense_Defense_Rows(0).at("Rushing yards"),
              (std::vector<std::string>{"1000", "2", "1000", std::to_string(teams - 1)}));
    EXPECT_EQ(Offense_Defense_Rows(1).at("Rushing yards")[3], std::to_string(teams - 2));
    // The opponents' yards a rush are shown as the offence's; the most
    // allowed is the last place.
    EXPECT_EQ(last_rows.at("Yards per rush")[2], last_rows.at("Yards per rush")[0]);
    EXPECT_EQ(last_rows.at("Yards per rush")[1], "1");
    EXPECT_EQ(last_rows.at("Yards per rush")[3], all);
    // Rushes and rushing touchdowns add the passers' too; other stored
    // statistics stay their category's own.
    EXPECT_EQ(Value("<gdk:var TeamOffense[STAT=7][TEAM=0]>"), "200");
    EXPECT_EQ(Value("<gdk:var TeamOffenseRank[STAT=7][TEAM=0]>"), "1") << "every team rushed as often";
    Set_Team_Totals_Stat(0, 3, 0, 9, 2);
    Set_Team_Totals_Stat(0, 0, 0, 9, 3);
    Set_Team_Totals_Stat(0, 0, 0, 5, 14);
    Set_Team_Totals_Stat(0, 3, 0, 5, 250);
    EXPECT_EQ(Value("<gdk:var TeamOffense[STAT=9][TEAM=0]>"), "5");
    EXPECT_EQ(Value("<gdk:var TeamOffense[STAT=5][TEAM=0]>"), "14");
}

namespace {
// A player page's cell of statistic `stat` ("" where it has none).
std::string Average_Page_Cell(int32_t stat, int32_t team, int32_t slot, int32_t season, int32_t group) {
    const std::string cell =
        Value("<gdk:var PlayerStat[STAT=" + std::to_string(stat) + "][PLAYER=" + std::to_string(slot) +
              "][TEAM=" + std::to_string(team) + "][SEASON=" + std::to_string(season) +
              "][TYPE=" + std::to_string(group) + "]>");
    const std::string head = "<td align=\"center\">";
    return cell.rfind(head, 0) == 0 ? cell.substr(head.size(), cell.size() - head.size() - 5) : "";
}

// Print Stats' line of a player, its cells.
std::vector<std::string> Average_Print_Cells(int32_t team, int32_t slot, int32_t period, int32_t category) {
    std::vector<std::string> cells;
    std::string text = Format_Player_Stats_Line(team, slot, period, category, STATS_FORMAT_TAB);
    text.pop_back(); // the line's end
    std::stringstream line(text);
    for (std::string cell; std::getline(line, cell, '\t');)
        cells.push_back(cell);
    return cells;
}

std::string Average_Card_Field(int32_t team, int32_t slot, int32_t field) {
    char text[64];
    Format_Player_Bio_Value(team, slot, SEASON_THIS, field, text);
    // The card right-aligns some figures in two places before the point.
    const std::string shown = text;
    return shown.substr(std::min(shown.find_first_not_of(' '), shown.size()));
}
} // namespace

// An average is rounded once, from its totals, on the page, in Print Stats
// and on the card alike, and below 0 to the nearest as above it: 569 yards
// on 175 tries is 3.3 (its hundredths, 3.25, once showed as 3.2 on the
// page), 2 for -4 is -2.0 and 9 for -4 is -0.4. The card keeps its yards a
// rush in hundredths, rounded once as well.
TEST_F(TemplateVariables, AveragesRoundOnceFromTheTotalsOnThePageInPrintStatsAndOnTheCard) {
    const int32_t rb = Test_League_Slot(POSITION_RB, 0), p = Test_League_Slot(POSITION_P, 0);
    struct AVERAGE {
        int32_t Count, Yards;
        const char* Tenths;
        const char* Card_Rush;
    };
    for (const AVERAGE& average : {AVERAGE{175, 569, "3.3", "3.25"}, AVERAGE{2, -4, "-2.0", "-2.0"},
                                   AVERAGE{9, -4, "-0.4", "-0.44"}}) {
        const std::string label = std::to_string(average.Yards) + " on " + std::to_string(average.Count);
        for (const int32_t slot : {rb, p})
            Clear_Player_Season_Stats(0, slot, SEASON_THIS);
        for (const auto& [stat, value] : {std::pair{0, 4},
                                          {7, average.Count},
                                          {8, average.Yards},
                                          {10, average.Count},
                                          {11, average.Yards}})
            Set_Player_Stat(0, rb, SEASON_THIS, stat, value);
        for (const auto& [stat, value] : {std::pair{0, 4}, {2, average.Count}, {3, average.Yards}})
            Set_Player_Stat(0, p, SEASON_THIS, stat, value);
        const std::vector<std::string> offence = Average_Print_Cells(0, rb, SEASON_THIS, STATS_OFFENSE);
        const std::vector<std::string> kicking = Average_Print_Cells(0, p, SEASON_THIS, STATS_KICKING);
        ASSERT_EQ(offence.size(), 17u);
        ASSERT_EQ(kicking.size(), 10u);
        EXPECT_EQ(Average_Page_Cell(112, 0, rb, SEASON_THIS, 0), average.Tenths) << label << " yards a rush";
        EXPECT_EQ(offence[10], average.Tenths) << label;
        EXPECT_EQ(Average_Card_Field(0, rb, 14), average.Card_Rush) << label;
        EXPECT_EQ(Average_Page_Cell(113, 0, rb, SEASON_THIS, 0), average.Tenths) << label << " yards a catch";
        EXPECT_EQ(offence[14], average.Tenths) << label;
        EXPECT_EQ(Average_Card_Field(0, rb, 23), average.Tenths) << label;
        EXPECT_EQ(Average_Page_Cell(115, 0, p, SEASON_THIS, 2), average.Tenths) << label << " yards a punt";
        EXPECT_EQ(kicking[9], average.Tenths) << label;
        EXPECT_EQ(Average_Card_Field(0, p, 39), average.Tenths) << label;
    }
    // From 100 up the page shows the whole number, rounded from the totals:
    // 201 yards on 2 catches is 101, not the even 100 of its tenths, 100.5.
    Set_Player_Stat(0, rb, SEASON_THIS, 10, 2);
    Set_Player_Stat(0, rb, SEASON_THIS, 11, 201);
    EXPECT_EQ(Average_Page_Cell(113, 0, rb, SEASON_THIS, 0), "101");
    EXPECT_EQ(Average_Card_Field(0, rb, 23), "100.5");
    // Yards an attempt too, from hundredths that once rounded twice.
    const int32_t qb = Test_League_Slot(POSITION_QB, 0);
    Set_Player_Stat(0, qb, SEASON_THIS, 0, 4);
    Set_Player_Stat(0, qb, SEASON_THIS, 2, 175);
    Set_Player_Stat(0, qb, SEASON_THIS, 3, 100);
    Set_Player_Stat(0, qb, SEASON_THIS, 5, 569);
    EXPECT_EQ(Average_Page_Cell(103, 0, qb, SEASON_THIS, 0), "3.3");
    EXPECT_EQ(Average_Card_Field(0, qb, 6), "3.25");
}

namespace {
// The standings' text of a team's column `id`, its ordinal suffix dropped.
std::string Standings_Place(int32_t team, int32_t id) {
    char text[64];
    Get_Team_Stat_Text(team, id, text);
    return std::to_string(std::stoi(text));
}

// The place of `team` by figures of every active team: 1 + the teams with
// more, or, where fewer is better, the teams less those with more.
std::string Place_Among(const std::vector<int64_t>& figures, int32_t team, bool more_is_better) {
    int32_t above = 0;
    for (const int64_t figure : figures)
        above += figure > figures[team];
    return std::to_string(more_is_better ? 1 + above : static_cast<int32_t>(figures.size()) - above);
}

// An average as the page shows it, rounded once from the totals.
std::string Once_Rounded_Average(int32_t total, int32_t count) {
    const int32_t tenths = Mul_Div_Round(total, 10, count);
    if (tenths >= 1000) return std::to_string(Mul_Div_Round(total, 1, count));
    std::ostringstream text;
    text << (tenths < 0 ? "-" : "") << std::abs(tenths) / 10 << "." << std::abs(tenths) % 10;
    return text.str();
}
} // namespace

// Every team page ranks its yards as the standings rank them, a game: the
// offence that gains the most and the defence that allows the fewest are
// first, and the page's four defence ranks agree with the window's "Defense
// Rank", "Pass Def. Rank" and "Rush Def. Rank" and with the figures, the
// teams that played in the playoffs (more games, more yards) among them. A
// defence's takeaways, the opponents' fumbles lost, rank the other way.
TEST(PlayedSeasonPages, TeamPagesRankYardsAsTheStandingsDoFewestAllowedFirst) {
    Build_Played_Season(4);
    const int32_t teams = Count_Active_Teams();
    // Per team: yards a game gained and allowed (in tenths, from the page's
    // totals), and yards a rush allowed (in hundredths, as the page shows them).
    std::vector<int64_t> total_for(teams), total_against(teams), passing_against(teams),
        rushing_against(teams), per_rush_against(teams), fumbles_lost_by_opponents(teams);
    int32_t playoff_teams = 0;
    for (int32_t team = 0; team < teams; ++team) {
        const auto rows = Offense_Defense_Rows(team);
        ASSERT_EQ(rows.size(), 4u) << team;
        const int32_t games = Get_Team_Games_Played_With_Playoffs(team);
        playoff_teams += games > Get_Team_Games_Played(team);
        ASSERT_GT(games, 0);
        const auto per_game = [games](const std::string& total) {
            return static_cast<int64_t>(Mul_Div_Round(std::stoi(total), 10, games));
        };
        total_for[team] = per_game(rows.at("Total yards")[0]);
        total_against[team] = per_game(rows.at("Total yards")[2]);
        passing_against[team] = per_game(rows.at("Passing yards")[2]);
        rushing_against[team] = per_game(rows.at("Rushing yards")[2]);
        per_rush_against[team] = std::lround(std::stod(rows.at("Yards per rush")[2]) * 100);
        fumbles_lost_by_opponents[team] = Get_Team_Totals_Stat(team, 4, 0, 13);
    }
    ASSERT_GT(playoff_teams, 0);
    for (int32_t team = 0; team < teams; ++team) {
        SCOPED_TRACE("team " + std::to_string(team));
        const auto rows = Offense_Defense_Rows(team);
        EXPECT_EQ(rows.at("Total yards")[1], Standings_Place(team, 18)) << "Offense Rank";
        EXPECT_EQ(rows.at("Total yards")[1], Place_Among(total_for, team, true));
        EXPECT_EQ(rows.at("Total yards")[3], Standings_Place(team, 19)) << "Defense Rank";
        EXPECT_EQ(rows.at("Total yards")[3], Place_Among(total_against, team, false));
        EXPECT_EQ(rows.at("Passing yards")[3], Standings_Place(team, 22)) << "Pass Def. Rank";
        EXPECT_EQ(rows.at("Passing yards")[3], Place_Among(passing_against, team, false));
        EXPECT_EQ(rows.at("Rushing yards")[3], Standings_Place(team, 23)) << "Rush Def. Rank";
        EXPECT_EQ(rows.at("Rushing yards")[3], Place_Among(rushing_against, team, false));
        EXPECT_EQ(rows.at("Yards per rush")[3], Place_Among(per_rush_against, team, false));
        const std::string team_key = "[TEAM=" + std::to_string(team) + "]>";
        EXPECT_EQ(Value("<gdk:var TeamDefenseRank[STAT=13]" + team_key),
                  Place_Among(fumbles_lost_by_opponents, team, true))
            << "the most takeaways first";
    }
}

// Every average cell of the players' pages (yards an attempt, a rush, a
// catch and a punt, of this season, the last, the career and every season
// line) reads as Print Stats shows the same average, rounded once from the
// totals.
TEST(PlayedSeasonPages, EveryAverageOfThePlayersPagesReadsAsPrintStats) {
    Build_Played_Season(4);
    struct AVERAGE {
        int32_t Stat, Group, Total, Count, Category, Cell;
    };
    const AVERAGE averages[] = {{103, 0, 5, 2, -1, 0},
                                {112, 0, 8, 7, STATS_OFFENSE, 10},
                                {113, 0, 11, 10, STATS_OFFENSE, 14},
                                {115, 2, 3, 2, STATS_KICKING, 9}};
    int32_t compared = 0, against_print_stats = 0;
    for (int32_t team = 0; team < Count_Active_Teams(); ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            for (int32_t season = 0; season < FIRST_SEASON_LINE_SELECTOR + NUMBER_OF_SEASON_LINE_LINKS;
                 ++season) {
                if (season == SEASON_PREDICTED) continue;
                for (const AVERAGE& average : averages) {
                    const std::string cell =
                        Average_Page_Cell(average.Stat, team, slot, season, average.Group);
                    const int32_t count = Get_Player_Stat(team, slot, season, average.Count);
                    if (cell.empty() || count == 0) continue;
                    const std::string label = "team " + std::to_string(team) + " slot " +
                                              std::to_string(slot) + " season " + std::to_string(season) +
                                              " code " + std::to_string(average.Stat);
                    ++compared;
                    EXPECT_EQ(cell,
                              Once_Rounded_Average(Get_Player_Stat(team, slot, season, average.Total), count))
                        << label;
                    if (season >= FIRST_SEASON_LINE_SELECTOR || average.Category < 0) continue;
                    const std::vector<std::string> line =
                        Average_Print_Cells(team, slot, season, average.Category);
                    ASSERT_GT(line.size(), static_cast<size_t>(average.Cell)) << label;
                    if (Mul_Div_Round(Get_Player_Stat(team, slot, season, average.Total), 10, count) >= 1000)
                        continue; // Print Stats keeps its tenth there
                    EXPECT_EQ(cell, line[average.Cell]) << label;
                    ++against_print_stats;
                }
            }
        }
    EXPECT_GT(compared, 1000);
    EXPECT_GT(against_print_stats, 500);
}
