// The leaders of played games in the encyclopedia after the rosters have
// moved on: every game page and every team page names the leader its game's
// box score shows.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "database/game_queries.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/universe.h"
#include "frontoffice/depth_charts.h"
#include "reports/encyclopedia_dialogs.h"
#include "reports/encyclopedia_export.h"
#include "reports/encyclopedia_pages.h"
#include "reports/html_text.h"
#include "reports/template_engine.h"
#include "support/box_score_sums.h"
#include "support/file_lines.h"
#include "support/frame_fixture.h"
#include "support/game_runner.h"
#include "support/scratch_folder.h"
#include "support/season_build_folder.h"
#include "support/test_league.h"

namespace fs = std::filesystem;

namespace {

constexpr int32_t LEADER_WEEKS = 2;

// A leader as a page shows him: his name and his figure ("" and "" for none).
struct SHOWN_LEADER {
    std::string Name;
    std::string Yards;
    bool operator==(const SHOWN_LEADER&) const = default;
};

std::ostream& operator<<(std::ostream& out, const SHOWN_LEADER& leader) {
    return out << "\"" << leader.Name << "\" \"" << leader.Yards << "\"";
}

// The name a page gives the player a box score names (its "first last"): the
// first name with its missing last letter restored. Found among the league's
// players wherever they play now.
std::string Page_Name_Of(const std::string& box_name) {
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team)
        for (int32_t slot = 0, end = Get_First_Empty_Player_Slot(team); slot < end; ++slot) {
            char full[PLAYER_NAME_TEXT_SIZE];
            Get_Player_Full_Name(team, slot, full);
            if (Escape_HTML_Text(full) != box_name) continue;
            char first[PLAYER_NAME_TEXT_SIZE] = "", last[PLAYER_NAME_TEXT_SIZE] = "";
            Get_Player_First_Name(team, slot, first);
            Get_Player_Last_Name(team, slot, last);
            Restore_Shortened_First_Name(first, sizeof first);
            return Escape_HTML_Text(first) + " " + Escape_HTML_Text(last);
        }
    return "(nobody named " + box_name + ")";
}

// The box score's leaders of one side: the quarterback with the most passing
// yards, and the back or receiver with the most receiving yards (the first
// of equals, above 0), as the page names them.
struct BOX_LEADERS {
    SHOWN_LEADER Passing;
    SHOWN_LEADER Receiving;
};

BOX_LEADERS Box_Leaders(const std::string& box, int32_t side) {
    BOX_LEADERS leaders;
    int32_t passing = 0, receiving = 0;
    const std::vector<std::vector<BOX_SCORE_ROW>> tables = Read_Box_Score_Player_Tables(box);
    if (tables.size() != 4) {
        ADD_FAILURE() << tables.size() << " player tables";
        return leaders;
    }
    for (const BOX_SCORE_ROW& row : tables[side]) {
        // Team, Pos, Cmp, Att, Yds, TD, Int, Rtg, Att, Yds, Avg, TD, Fum, Rec, Yds, Avg, TD.
        if (row.Cells.size() != 17) {
            ADD_FAILURE() << row.Name << ": " << row.Cells.size() << " cells";
            break;
        }
        const std::string& position = row.Cells[1];
        const int32_t passed = std::atoi(row.Cells[4].c_str());
        const int32_t caught = std::atoi(row.Cells[14].c_str());
        if (position == "QB" && passed > passing) {
            passing = passed;
            leaders.Passing = {Page_Name_Of(row.Name), std::to_string(passed) + " Yards"};
        }
        const bool receiver = position == "RB" || position == "FB" || position == "TE" || position == "WR";
        if (receiver && caught > receiving) {
            receiving = caught;
            leaders.Receiving = {Page_Name_Of(row.Name), std::to_string(caught) + " Yards"};
        }
    }
    return leaders;
}

std::string Box_Page_Of(int32_t game) {
    char name[32];
    std::snprintf(name, sizeof name, "Output/Box-%02d-%03d.htm", Universe.Games[game].Season_Year % 100,
                  game);
    return Read_File_Text(name);
}

// The side of `team` in each week's game, with the game's index.
struct WEEK_GAME {
    int32_t Game;
    int32_t Side;
};

// Between the weeks players change slots: each team's first quarterback
// trades places with a defensive end (after the second week that end's slot
// with a linebacker's), two teams trade their first wide receivers, and every
// team's depth chart is set again, which orders its roster anew. The players
// the games listed now live in other slots than the games listed them in.
void Move_Rosters(int32_t week) {
    const int32_t quarterback = Test_League_Slot(POSITION_QB, 0);
    const int32_t end = Test_League_Slot(POSITION_DE, 0);
    const int32_t linebacker = Test_League_Slot(POSITION_LB, 0);
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
        if (week == 0)
            Swap_Players(team, quarterback, team, end);
        else
            Swap_Players(team, end, team, linebacker);
    }
    const int32_t receiver = Test_League_Slot(POSITION_WR, 0);
    Swap_Players(2 * week, receiver, 2 * week + 1, receiver);
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        Auto_Set_Team_Depth_Chart(team);
}

class GameLeaders : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        folder = std::make_unique<SCRATCH_FOLDER>("game-leaders");
        fs::create_directory_symlink(Get_Installation_Folder() + "/HTML_Templates", "HTML_Templates");
        fs::create_directory_symlink(Get_Installation_Folder() + "/logos", "logos");
        Build_Test_League();
        Universe.Season_Length = 17;
        safe_strncpy(Export_Folder_Choice, "site", sizeof Export_Folder_Choice);
    }
    void TearDown() override {
        folder.reset();
        FrameTest::TearDown();
    }
    std::unique_ptr<SCRATCH_FOLDER> folder;
};

} // namespace

TEST_F(GameLeaders, GameAndTeamPagesNameTheBoxScoresLeadersAfterRostersMove) {
    for (int32_t week = 0; week < LEADER_WEEKS; ++week) {
        Prepare_Game_Week(week, 31 + week);
        ASSERT_EQ(Play_Test_Week(week), TEST_LEAGUE_TEAMS / 2);
        Move_Rosters(week);
    }
    Set_User_Preference(SIMULATION_RUNNING, 0);
    Set_User_Preference(CURRENT_WEEK, LEADER_WEEKS);
    ASSERT_EQ(Export_HTML_Encyclopedia(NO_WINDOW, "default.css"), 1);
    ASSERT_EQ(Count_Encyclopedia_Games(), LEADER_WEEKS * TEST_LEAGUE_TEAMS / 2);

    // The leaders row of a game page: team, passing leader, receiving leader.
    const std::regex game_row("<tr><td>[^<]*</td><td>(?:<a href=\"[^\"]*\">)?([^<]*)</a> ([^<]*)</td>"
                              "<td>(?:<a href=\"[^\"]*\">)?([^<]*)</a> ([^<]*)</td></tr>");
    std::map<int32_t, std::map<int32_t, WEEK_GAME>> schedule;
    int32_t named = 0;
    int32_t moved = 0;
    for (int32_t game = 0; game < Count_Encyclopedia_Games(); ++game) {
        const GAME_RECORD& record = Universe.Games[game];
        const std::string box = Box_Page_Of(game);
        ASSERT_FALSE(box.empty()) << "game " << game << " has its box score";
        const std::string page = Read_File_Text("site/GameDetails/" + Get_Game_Page_Name(game));
        std::vector<std::smatch> rows;
        for (std::sregex_iterator it(page.begin(), page.end(), game_row), stop; it != stop; ++it)
            rows.push_back(*it);
        ASSERT_EQ(rows.size(), 2u) << "game " << game << ": a leaders row for each side";
        for (int32_t side = 0; side < 2; ++side) {
            const BOX_LEADERS expected = Box_Leaders(box, side);
            const std::string where = "game " + std::to_string(game) + " side " + std::to_string(side);
            EXPECT_EQ((SHOWN_LEADER{rows[side][1], rows[side][2]}), expected.Passing) << where << " passing";
            EXPECT_EQ((SHOWN_LEADER{rows[side][3], rows[side][4]}), expected.Receiving)
                << where << " receiving";
            named += !expected.Passing.Name.empty();
            int32_t team = NO_TEAM, slot = NO_PLAYER;
            const int32_t leader = Find_Game_Position_Leader(&record, 2, 0, side);
            if (Find_Player_By_ID(&team, &slot, leader) != 0)
                moved += team != record.Team[side] || record.Player_Ids[side][slot] != leader;
            schedule[record.Team[side]][record.Week] = {game, side};
        }
    }
    EXPECT_GT(named, Count_Encyclopedia_Games()) << "most sides had a passing leader";
    EXPECT_GT(moved, 0) << "passing leaders of the games now play in other slots";

    // A team page's game-by-game rows: the week and the passing leader, none
    // in the weeks without a game.
    const std::regex team_row(
        "<tr><td class=\"num\">([0-9]+)</td>.*<td class=\"name\">([^<]*?) ((?:-?[0-9]+ Yards)?)</td></tr>");
    for (const auto& [team, weeks] : schedule) {
        const std::string page = Read_File_Text("site/TeamsDetail/" + Get_Team_Detail_Page_Name(team));
        int32_t played_rows = 0;
        std::istringstream lines(page);
        for (std::string line; std::getline(lines, line);) {
            std::smatch row;
            if (!std::regex_match(line, row, team_row)) continue;
            const int32_t week = std::stoi(row[1]) - 1;
            const std::string where = "team " + std::to_string(team) + " week " + std::to_string(week);
            SHOWN_LEADER expected;
            if (weeks.count(week) != 0) {
                const WEEK_GAME& played = weeks.at(week);
                expected = Box_Leaders(Box_Page_Of(played.Game), played.Side).Passing;
                ++played_rows;
            }
            EXPECT_EQ((SHOWN_LEADER{row[2], row[3]}), expected) << where;
        }
        EXPECT_EQ(played_rows, LEADER_WEEKS) << "team " << team;
    }
}
