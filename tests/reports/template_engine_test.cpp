// The template syntax: which tags are special, parameters and which of them
// wins, tables and their rows, and text that is not in the format.
#include <gtest/gtest.h>

#include <string>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/universe.h"
#include "platform/string_warnings.h"
#include "reports/html_text.h"
#include "reports/template_engine.h"
#include "support/test_league.h"

namespace {
TAG_PARAMETERS Page(std::initializer_list<std::pair<int32_t, int32_t>> groups) {
    TAG_PARAMETERS page{};
    int32_t slot = 0;
    for (const auto& [key, value] : groups) {
        page.Keys[slot] = key;
        page.Values[slot] = value;
        ++slot;
    }
    return page;
}

std::string Expand(const std::string& text, const TAG_PARAMETERS& page = {}, int32_t count = 0) {
    std::string out;
    EXPECT_TRUE(Expand_Template_Text(text, page, count, &out));
    return out;
}

std::string Expand_With(const std::string& text, std::initializer_list<std::pair<int32_t, int32_t>> groups) {
    return Expand(text, Page(groups), static_cast<int32_t>(groups.size()));
}

class TemplateEngine : public testing::Test {
  protected:
    void SetUp() override {
        Build_Test_League();
        Universe.Season_Length = 17;
    }
};
} // namespace

TEST_F(TemplateEngine, OnlyTheThreePrefixesOfTenCharactersOrMoreAreSpecial) {
    EXPECT_EQ(Expand("<p class=\"x\">plain & <b>bold</b></p>"), "<p class=\"x\">plain & <b>bold</b></p>");
    EXPECT_EQ(Get_Template_Tag_Type("<gdk:var>"), TAG_TEXT) << "9 characters";
    EXPECT_EQ(Expand("a<gdk:var>b"), "a<gdk:var>b");
    EXPECT_EQ(Get_Template_Tag_Type("</gdk:table>"), TAG_TABLE_END);
    EXPECT_EQ(Get_Template_Tag_Type("<gdk:tablex>"), TAG_TABLE);
    EXPECT_EQ(Get_Template_Tag_Type("<GDK:VAR Year>"), TAG_TEXT) << "case matters";
    // Letters straight after the prefix: still a variable; the one after it is the separator.
    EXPECT_EQ(Expand("<gdk:varXYear[SEASON=0]>"), "2020");
    EXPECT_EQ(Expand("<gdk:variable>"), "able") << "an unknown name is written";
    EXPECT_EQ(Expand("</gdk:table> and more"), " and more");
    EXPECT_EQ(Expand("end <b"), "end <b>") << "an unterminated tag is closed";
    EXPECT_EQ(Expand("end <gdk:var Year[SEASON=0]"), "end 2020");
}

TEST_F(TemplateEngine, ParameterGroupsComeOffTheEndAndTheLeftmostWins) {
    std::string name = "Year[TEAM=3][SEASON=-2][STAT=7]";
    TAG_PARAMETERS parameters{};
    Parse_Tag_Parameters(&name, &parameters);
    EXPECT_EQ(name, "Year");
    EXPECT_EQ(parameters.Keys[5], KEY_STAT) << "the last group goes into slot 5";
    EXPECT_EQ(Get_Tag_Parameter(parameters, KEY_SEASON), -2);
    EXPECT_EQ(Get_Tag_Parameter(parameters, KEY_GAME), MISSING_PARAMETER);
    name = "x[BOGUS=4]";
    Parse_Tag_Parameters(&name, &parameters);
    EXPECT_EQ(parameters.Keys[5], KEY_UNKNOWN);

    // A parameter written in the template outranks the page's.
    EXPECT_EQ(Expand_With("<gdk:var Year[SEASON=1]>", {{KEY_SEASON, 0}}), "2019");
    EXPECT_EQ(Expand_With("<gdk:var Year>", {{KEY_SEASON, 0}}), "2020");
    EXPECT_EQ(Expand("<gdk:var Year>"), "2120") << "no SEASON reads -100";
    EXPECT_EQ(Expand("<gdk:var Years>"), "Years");
    // Seven groups: the leftmost stays in the name, which is then unknown.
    EXPECT_EQ(Expand("<gdk:var Year[SEASON=0][TEAM=1][TEAM=2][TEAM=3][TEAM=4][TEAM=5][TEAM=6]>"),
              "Year[SEASON=0]");

    std::string tag = "<gdk:var Year>";
    Append_Tag_Parameter(&tag, -5, KEY_SEASON);
    EXPECT_EQ(tag, "<gdk:var Year[SEASON=-5]>");
}

TEST_F(TemplateEngine, ATeamWrittenOnARowVariableOutranksTheRowsTeam) {
    const int32_t quarterback = Test_League_Slot(POSITION_QB, 0);
    char name[PLAYER_NAME_TEXT_SIZE];
    Get_Player_Full_Name(5, quarterback, name);
    const std::string rows =
        Expand("<gdk:table tPlayers[TEAM=3][POS=0]>[<gdk:var PlayerName[TEAM=5]>]</gdk:table>");
    EXPECT_EQ(rows.find(std::string("[") + name + "]"), 0u) << rows;
    EXPECT_EQ(Get_Table_Row_Count(TABLE_PLAYERS, Page({{KEY_TEAM, 3}, {KEY_POS, 0}})),
              static_cast<int32_t>(Get_Template_Player_List().size()));
}

TEST_F(TemplateEngine, TablesRepeatTheirBodyOncePerRowAndDoNotNest) {
    EXPECT_EQ(Expand("<gdk:table tLeaders>x</gdk:table>"), std::string(10, 'x'));
    EXPECT_EQ(Expand("<gdk:table tNothing>x</gdk:table>y"), "y") << "an unknown kind has no rows";
    // The outer body ends at the inner closing tag, so "C" is written once.
    std::string expected;
    STRING_PREPEND_WARNING_OFF
    for (int32_t row = 0; row < 10; ++row)
        expected += "A" + std::string(10, 'B');
    STRING_PREPEND_WARNING_ON
    EXPECT_EQ(Expand("<gdk:table tLeaders>A<gdk:table tLeaders>B</gdk:table>C</gdk:table>"), expected + "C");
    // Tables nested up to the limit multiply their rows; one more has none.
    std::string deep;
    for (int32_t level = 0; level < TEMPLATE_TABLE_DEPTH_LIMIT; ++level)
        deep += "<gdk:table tLeaders>";
    EXPECT_EQ(Expand(deep + "x</gdk:table>"), std::string(1000, 'x'));
    EXPECT_EQ(Expand(deep + "<gdk:table tLeaders>x</gdk:table>"), "");
}

TEST_F(TemplateEngine, LeaderTablesTakeTheirCategoriesInTurn) {
    Expand("<gdk:table tLeaders></gdk:table>");
    EXPECT_EQ(Get_Next_Leader_Category(), 11) << "the second table of a page";
    std::string nine;
    for (int32_t table = 0; table < 9; ++table)
        nine += "<gdk:table tLeaders></gdk:table>";
    Expand(nine);
    EXPECT_EQ(Get_Next_Leader_Category(), 4) << "the tenth table of a page";
    Expand("");
    EXPECT_EQ(Get_Next_Leader_Category(), 10) << "a new page starts over";
}

TEST_F(TemplateEngine, RowCountsFollowTheCalendar) {
    Set_User_Preference(CURRENT_WEEK, 5);
    EXPECT_EQ(Get_Table_Row_Count(TABLE_GAME_BY_GAME, Page({{KEY_TEAM, 0}})), 5);
    EXPECT_EQ(Expand_With("<gdk:table tGameByGame><gdk:var Count>,</gdk:table>", {{KEY_TEAM, 0}}),
              "1,2,3,4,5,")
        << "Count is the week from 1";
    Set_User_Preference(CURRENT_WEEK, 20);
    EXPECT_EQ(Get_Table_Row_Count(TABLE_GAME_BY_GAME, Page({{KEY_TEAM, 0}})), 17)
        << "after the regular season its weeks alone: the playoff games have rows of their own";

    // The playoff rows are the games a team played, each in its own week: a
    // team out in its first game, late in the playoffs, has one row; the team
    // that beat it two; a team that waited out the first round one, of the
    // second week. A week's table lists the games its round entered.
    for (int32_t team = 0; team < Count_Active_Teams(); ++team)
        Clear_Scheduled_Games(team);
    const int32_t games[3][3] = {{5, 4, 17}, {5, 6, 18}, {7, 8, 18}};
    for (int32_t n = 0; n < 3; ++n) {
        const auto [home, visitor, week] = games[n];
        ASSERT_EQ(Schedule_Game(home, visitor, week, 6, 1300), 1);
        Set_Team_Schedule_Stat(home, week, SCHEDULE_GAME_INDEX, 100 + n);
        Set_Team_Schedule_Stat(visitor, week, SCHEDULE_GAME_INDEX, 100 + n);
        Universe.Games[100 + n].Team[0] = static_cast<uint8_t>(visitor);
        Universe.Games[100 + n].Team[1] = static_cast<uint8_t>(home);
    }
    EXPECT_EQ(Get_Table_Row_Count(TABLE_PLAYOFF_GAME_BY_GAME, Page({{KEY_TEAM, 4}})), 1);
    EXPECT_EQ(Get_Table_Row_Count(TABLE_PLAYOFF_GAME_BY_GAME, Page({{KEY_TEAM, 5}})), 2);
    EXPECT_EQ(Expand_With("<gdk:table tPlayoffGameByGame><gdk:var Count>,</gdk:table>", {{KEY_TEAM, 7}}),
              "19,")
        << "the week of its one game";
    Set_User_Preference(CURRENT_WEEK, 18);
    EXPECT_EQ(Get_Table_Row_Count(TABLE_PLAYOFF_GAME_BY_GAME, Page({{KEY_TEAM, 5}})), 1)
        << "a week not yet passed";
    Set_User_Preference(CURRENT_WEEK, 16);
    EXPECT_EQ(Get_Table_Row_Count(TABLE_PLAYOFF_GAME_BY_GAME, Page({{KEY_TEAM, 5}})), 0);

    EXPECT_EQ(Get_Table_Row_Count(TABLE_WEEK_GAMES, Page({{KEY_WEEK, 17}})), 1);
    EXPECT_EQ(Get_Table_Row_Count(TABLE_WEEK_GAMES, Page({{KEY_WEEK, 18}})), 2);
    EXPECT_EQ(Get_Table_Row_Count(TABLE_WEEK_GAMES, Page({{KEY_WEEK, 19}})), 0);
    EXPECT_EQ(Get_Table_Row_Count(TABLE_WEEK_GAMES, Page({{KEY_WEEK, 22}})), 0);
    EXPECT_EQ(Expand_With("<gdk:table tWeekGames><gdk:var GameTeam[TYPE=0]>,</gdk:table>", {{KEY_WEEK, 18}}),
              Expand_With("<gdk:var TeamFullName[TEAM=6]>,<gdk:var TeamFullName[TEAM=8]>,", {}));
    EXPECT_EQ(Get_Table_Row_Count(TABLE_NONE, Page({})), -1);
    EXPECT_EQ(Get_Table_Row_Count(TABLE_TEAM_SUMMARY, Page({{KEY_TEAM, 0}})), 1)
        << "a league in its first season";
    EXPECT_EQ(Get_Table_Row_Count(TABLE_PLAYERS_BY_NAME, Page({{KEY_TYPE, 100000}})), 0);
}

TEST_F(TemplateEngine, PlayerListsByNameAreStableAndByTeamKeepTheSlots) {
    for (int32_t slot = 0; slot < 3; ++slot) {
        Set_Player_Last_Name(2, slot, "Zed");
        Set_Player_First_Name(2, slot, slot == 1 ? "Al" : "Bo");
    }
    const int32_t count = Build_Template_Player_List(0, 0, 'Z');
    ASSERT_GE(count, 3);
    std::vector<TEMPLATE_PLAYER> zeds;
    for (const TEMPLATE_PLAYER& player : Get_Template_Player_List())
        if (player.Team == 2 && player.Slot < 3) zeds.push_back(player);
    ASSERT_EQ(zeds.size(), 3u);
    EXPECT_EQ(zeds[0].Slot, 1) << "Al before Bo";
    EXPECT_EQ(zeds[1].Slot, 0) << "equal names keep the order they were met";
    EXPECT_EQ(zeds[2].Slot, 2);

    Build_Template_Player_List(7, -1, 0);
    ASSERT_EQ(static_cast<int32_t>(Get_Template_Player_List().size()), TEST_ROSTER_SIZE);
    for (int32_t slot = 0; slot < TEST_ROSTER_SIZE; ++slot)
        EXPECT_EQ(Get_Template_Player_List()[static_cast<size_t>(slot)].Slot, slot);

    // The unit codes: every defender, every lineman; rows and list agree.
    const int32_t defenders = Build_Template_Player_List(-1, 16, 0);
    for (const TEMPLATE_PLAYER& player : Get_Template_Player_List()) {
        const int32_t position = Get_Player_Vital_Stat(player.Team, player.Slot, VITAL_POSITION);
        EXPECT_TRUE(position >= POSITION_DE && position <= POSITION_S) << position;
    }
    EXPECT_EQ(Get_Table_Row_Count(TABLE_PLAYERS, Page({{KEY_TEAM, -1}, {KEY_POS, 16}})), defenders);

    char first[16] = "Marquavionn";
    Restore_Shortened_First_Name(first, sizeof first);
    EXPECT_STREQ(first, "Marquavionne");
}

TEST_F(TemplateEngine, AnExpansionThatGrowsPastThePageLimitIsRefused) {
    std::string text = "<gdk:table tPlayers[TEAM=-1][POS=-1]><gdk:table tPlayers[TEAM=-1][POS=-1]>";
    text += std::string(64, 'x') + "</gdk:table>";
    std::string out;
    EXPECT_FALSE(Expand_Template_Text(text, {}, 0, &out));
    EXPECT_LE(out.size(), TEMPLATE_PAGE_LIMIT + 4096);
    // Rows that write nothing still count: three tables of a game's 256 plays.
    Universe.Games[0].Play_Log_Count = MAX_PLAY_LOG_ENTRIES;
    const std::string plays = "<gdk:table tGamePlays[GAME=0]>";
    out.clear();
    EXPECT_FALSE(Expand_Template_Text(plays + plays + plays + "</gdk:table>", {}, 0, &out));
    EXPECT_TRUE(Expand_Template_Text(plays + plays + "</gdk:table>", {}, 0, &out)) << "65,536 rows are fine";
}

// A few hundred bytes of nested tables (a leaders list of leaders lists of the
// whole league) would write pages of tens of megabytes; a page stops at what a
// reader can use, by its bytes or by its rows, while the whole league listed
// several times over is still a page.
TEST_F(TemplateEngine, NestedTablesOfTheWholeLeagueAreRefusedAtWhatAReaderCanUse) {
    const std::string nested =
        "<gdk:table tLeaders><gdk:table tLeaders><gdk:table tPlayers[TEAM=-1][POS=-1]>";
    const std::string row = "<tr><td><gdk:var PlayerName></td><td><gdk:var Position></td><td><gdk:var "
                            "TeamName></td><td><gdk:var Age></td></tr>";
    std::string out;
    EXPECT_FALSE(Expand_Template_Text(nested + row + "</gdk:table>", {}, 0, &out));
    EXPECT_LE(out.size(), TEMPLATE_PAGE_LIMIT + 4096) << "the page stops at its limit";
    // Rows that write nothing: 10 x 10 x 1,696 of them.
    out.clear();
    EXPECT_FALSE(Expand_Template_Text(nested + "</gdk:table>", {}, 0, &out));
    EXPECT_EQ(out, "");

    std::string league;
    for (int32_t copy = 0; copy < 8; ++copy)
        league += "<gdk:table tPlayers[TEAM=-1][POS=-1]>" + row + "</gdk:table>";
    out.clear();
    EXPECT_TRUE(Expand_Template_Text(league, {}, 0, &out));
    EXPECT_GT(out.size(), 8u * 1696u * 50u);
}

TEST(HtmlText, LeagueTextIsEscapedAndNamesStayInsideTheFolder) {
    EXPECT_EQ(Escape_HTML_Text("A&B <C> \"d\" 'e'\x01"), "A&amp;B &lt;C&gt; &quot;d&quot; &#39;e&#39;");
    EXPECT_EQ(Escape_HTML_Text("Jos\xE9 \x80"), "Jos&#233; &#8364;") << "Windows-1252 letters";
    EXPECT_EQ(Make_Safe_File_Name("../a/b\\c\x01"), "-a-b-c-") << "no way up, no folder";
    EXPECT_EQ(Make_Safe_File_Name(". .hidden"), "hidden");
    EXPECT_EQ(Make_Safe_File_Name(""), "_");
    EXPECT_EQ(Make_Safe_File_Name("Jos\xE9\x81"), "Jos\xE9-")
        << "the game's text, a byte of no letter mended";
    EXPECT_EQ(Make_Safe_File_Name(std::string(300, 'a').c_str()).size(), 200u);
    EXPECT_EQ(Make_Safe_File_Name(std::string(150, '\xE9').c_str()).size(), 100u)
        << "200 bytes as the name is spelled on disk";
    EXPECT_EQ(Encode_Link_Path("teams/Los Angeles & Co.htm"), "teams/Los%20Angeles%20%26%20Co.htm");
    EXPECT_EQ(Encode_Link_Path("players/Jos\xE9.htm"), "players/Jos%C3%A9.htm")
        << "linked as spelled on disk";
}
