// The season databases the build installs, as New Game opens them: a season
// loads with the loader's checks as that year's league, starts as a game, a
// game of 1975 fills its college pool from the 1976 draft class file, no
// season line of any of them holds a figure its player could not have (more
// starts than games, a touchdown without its carry, catch, completion or
// takeaway, more made than tried, yards without their completion, carry or
// catch or past the 99 a play gains for each; a passing season of the
// history more than 15 % past the record standing at its end, or a line of
// it past the real marks of its size: a passer's yards an attempt and a
// completion, a defender's interceptions), and every one
// stores payrolls near its cap that a started game plays with.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_record_layout.h"
#include "database/universe.h"
#include "personnel/draft_pool.h"
#include "platform/message_box.h"
#include "season/new_game_choices.h"
#include "support/history_marks.h"
#include "support/installed_seasons.h"
#include "support/league_checks.h"
#include "support/season_build_folder.h"
#include "tools/draft_class_database.h"
#include "tools/payroll_balance.h"
#include "tools/season_inputs/volume_records.h"

namespace {
namespace fs = std::filesystem;

// The players' names of the first records of a class file, as many times as each occurs.
std::map<std::string, int32_t> Class_Names(const std::string& path) {
    std::map<std::string, int32_t> names;
    for (const std::string& name : Draft_Class_File_Names(path))
        ++names[name];
    return names;
}

std::map<std::string, int32_t> Team_Names(int32_t first_team, int32_t last_team) {
    std::map<std::string, int32_t> names;
    for (int32_t team = first_team; team <= last_team; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
            if (Is_Player_Slot_Used(team, slot)) {
                const PLAYER_RECORD* player = Get_Player_Record_Pointer(team, slot);
                ++names[std::string(player->First_Name) + " " + player->Last_Name];
            }
    return names;
}

std::map<std::string, int32_t> Pool_Names() {
    return Team_Names(FIRST_COLLEGE_POOL_TEAM, TOTAL_NUMBER_OF_TEAMS - 1);
}

std::map<std::string, int32_t> League_Names() {
    return Team_Names(0, HALL_OF_FAME_TEAM);
}

// Every active team's payroll in thousands of dollars.
std::vector<int64_t> Payrolls() {
    std::vector<int64_t> payrolls;
    for (int32_t team = 0; team < Count_Active_Teams(); ++team)
        payrolls.push_back(Get_Team_Financial_Stat(team, 89));
    return payrolls;
}

class InstalledSeasons : public InstalledDatabasesTest {};
} // namespace

TEST_F(InstalledSeasons, SeasonsOfEveryEraOpenInNewGame) {
    for (int32_t year : {1951, 1966, 1975, 1990, 2002, 2021, 2022}) {
        SCOPED_TRACE(year);
        EXPECT_EQ(Open_Installed_Season(year), "");
    }
}

TEST_F(InstalledSeasons, AGameOf1975DraftsThe1976ClassFromItsFile) {
    const std::map<std::string, int32_t> rookies =
        Class_Names(Get_Installation_Folder() + "/Databases/rookies-1976.dat");
    ASSERT_GT(rookies.size(), 100u);
    ASSERT_EQ(Open_Installed_Season(1975), "");
    // Players of the class the league already holds (who had not played by
    // 1976) stay where they are.
    const std::map<std::string, int32_t> league = League_Names();
    Create_College_Draft_Pool();
    EXPECT_EQ(Find_Season_Faults(), "") << "nobody twice";
    EXPECT_TRUE(Get_Shown_Messages().empty()) << Get_Shown_Messages()[0].Text;
    const std::map<std::string, int32_t> pool = Pool_Names();
    int32_t missing = 0;
    int32_t taken = 0;
    for (const auto& [name, count] : rookies) {
        if (league.count(name) != 0) continue;
        ++taken;
        const auto found = pool.find(name);
        if (found == pool.end() || found->second < count) ++missing;
    }
    EXPECT_GT(taken, 100);
    EXPECT_EQ(missing, 0) << "every new prospect of the file is in the pool";
}

namespace {
// The team code of a prospect's college season (a byte), which the player
// generation makes and no seasons file holds.
constexpr int32_t COLLEGE_SEASON_TEAM = 128;

// The most yards a completion, carry or catch gains or loses.
constexpr int64_t MOST_YARDS_A_CHANCE = 99;

// The last season of the history the league was made with; the game played
// the seasons after it.
constexpr int32_t LAST_HISTORY_YEAR = 2004;

// The figures of a season line, in the game's layout, that a player of the
// position class could not have: what he made against what he tried. Each
// rule: its text, the statistics made (summed), those of their chances, and
// how much of what was made one chance holds at most (yards gained or lost).
struct LINE_RULE {
    const char* Text;
    std::vector<int32_t> Made;
    std::vector<int32_t> Chances;
    int64_t Per_Chance = 1;
};

const std::vector<LINE_RULE>& Line_Rules(int32_t position) {
    static const std::vector<LINE_RULE> passer = {
        {"completions above passes", {3}, {2}},
        {"completions and interceptions above passes", {3, 4}, {2}},
        {"touchdown passes above completions", {6}, {3}},
        {"rushing touchdowns above rushes", {9}, {7}},
        {"fumbles lost above fumbles", {13}, {19}},
        {"passing yards beyond 99 a completion", {5}, {3}, MOST_YARDS_A_CHANCE},
        {"rushing yards beyond 99 a rush", {8}, {7}, MOST_YARDS_A_CHANCE}};
    static const std::vector<LINE_RULE> carrier = {
        {"rushing touchdowns above rushes", {9}, {7}},
        {"receiving touchdowns above catches", {12}, {10}},
        {"fumbles lost above fumbles", {13}, {2}},
        {"kick return touchdowns above returns", {16}, {14}},
        {"punt return touchdowns above returns", {19}, {17}},
        {"rushing yards beyond 99 a rush", {8}, {7}, MOST_YARDS_A_CHANCE},
        {"receiving yards beyond 99 a catch", {11}, {10}, MOST_YARDS_A_CHANCE}};
    static const std::vector<LINE_RULE> defender = {
        {"return touchdowns above interceptions and recoveries", {9}, {7, 8}},
        {"kick return touchdowns above returns", {16}, {14}},
        {"punt return touchdowns above returns", {19}, {17}}};
    static const std::vector<LINE_RULE> kicker = {{"field goals made under 30 yards above tried", {11}, {10}},
                                                  {"field goals made of 30-39 yards above tried", {13}, {12}},
                                                  {"field goals made of 40-49 yards above tried", {15}, {14}},
                                                  {"field goals made from 50 yards above tried", {17}, {16}},
                                                  {"extra points made above tried", {9}, {8}}};
    static const std::vector<LINE_RULE> none;
    if (position == POSITION_QB) return passer;
    switch (position >= 0 && position < NUMBER_OF_POSITIONS ? Get_Position_Group(position) : -1) {
    case 0:
        return carrier;
    case 2:
        return defender;
    case 3:
        return kicker;
    default:
        return none;
    }
}
} // namespace

TEST_F(InstalledSeasons, NoSeasonLineOfAnyYearHoldsAFigureItsChancesCannot) {
    std::map<int32_t, int32_t> faults_by_year;
    std::string first_faults;
    int32_t lines = 0;
    auto note = [&](int32_t year, int32_t line_year, const std::string& fault) {
        if (faults_by_year[line_year]++ == 0)
            first_faults += "the " + std::to_string(year) + " database: a line of " +
                            std::to_string(line_year) + " with " + fault + "\n";
    };
    for (int32_t year = 1951; year <= 2022; ++year) {
        ASSERT_GE(Load_New_Game_Season(year, nullptr), 0) << year;
        for (int32_t line = 0; line < MAX_SEASON_LINES; ++line) {
            const int32_t line_year = Get_Season_Line_Year(line);
            if (line_year == 0) continue;
            ++lines;
            const int32_t games = Get_Season_Line_Stat(line, 0);
            const int32_t starts = Get_Season_Line_Stat(line, 1);
            if (starts > games)
                note(year, line_year,
                     std::to_string(starts) + " starts in " + std::to_string(games) + " games");
        }
        // The other figures of his seasons in the league by the class of the
        // player whose line it is.
        For_Each_League_Player([&](int32_t team, int32_t slot) {
            const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
            for (int32_t n = 0; n < NUMBER_OF_SEASON_LINE_LINKS; ++n) {
                const int32_t line = Get_Player_Season_Line(team, slot, n);
                if (line < 0 || line >= MAX_SEASON_LINES || Get_Season_Line_Year(line) == 0 ||
                    (Get_Season_Line_Team(line) & 0xFF) == COLLEGE_SEASON_TEAM)
                    continue;
                for (const LINE_RULE& rule : Line_Rules(position)) {
                    int64_t made = 0, chances = 0;
                    for (int32_t stat : rule.Made)
                        made += Get_Season_Line_Stat(line, stat);
                    for (int32_t stat : rule.Chances)
                        chances += Get_Season_Line_Stat(line, stat);
                    if (std::llabs(made) <= rule.Per_Chance * std::max<int64_t>(chances, 0)) continue;
                    const PLAYER_RECORD* player = Get_Player_Record_Pointer(team, slot);
                    note(year, Get_Season_Line_Year(line),
                         std::string(rule.Text) + " (" + player->First_Name + " " + player->Last_Name + ", " +
                             std::to_string(made) + " in " + std::to_string(chances) + ")");
                }
                // A line of the history stays within the real marks of its
                // size; a passer's within the record of his time too.
                const int32_t line_year = Get_Season_Line_Year(line);
                if (line_year > LAST_HISTORY_YEAR) continue;
                int32_t stats[NUMBER_OF_SEASON_STATS];
                for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat)
                    stats[stat] = Get_Season_Line_Stat(line, stat);
                // The receiving yards of a back's line are not read: he may have
                // played another position that season.
                HISTORY_LINE_FIGURES marked = Read_Marked_Figures(line_year, position, stats);
                marked.Receiving_Yards = 0;
                const std::string passed = Find_Mark_Passed(marked);
                if (!passed.empty()) {
                    const PLAYER_RECORD* player = Get_Player_Record_Pointer(team, slot);
                    note(year, line_year, passed + " (" + player->First_Name + " " + player->Last_Name + ")");
                }
                if (position != POSITION_QB) continue;
                const int32_t standing = Get_Standing_Volume_Record(VOLUME_PASSING_YARDS, line_year);
                const int32_t yards = Get_Season_Line_Stat(line, 5);
                if (yards <= standing * 115 / 100) continue;
                const PLAYER_RECORD* player = Get_Player_Record_Pointer(team, slot);
                note(year, line_year,
                     std::to_string(yards) + " passing yards, the record standing " +
                         std::to_string(standing) + " (" + player->First_Name + " " + player->Last_Name +
                         ")");
            }
        });
    }
    EXPECT_TRUE(faults_by_year.empty()) << faults_by_year.size() << " seasons with faults, first of each:\n"
                                        << first_faults;
    EXPECT_GT(lines, 72 * 1000) << "every database holds its players' careers";
}

// What the New Game dialog shows of a franchise's payroll is what the
// database stores; the game then plays the season with near enough the same.
TEST_F(InstalledSeasons, EveryDatabaseStoresPayrollsNearItsCapThatTheStartedGameKeeps) {
    std::string low;
    for (int32_t year = 1951; year <= 2022; ++year) {
        ASSERT_GE(Load_New_Game_Season(year, nullptr), 0) << year;
        for (const std::string& team : Find_Payrolls_Below_Cap_Share(80))
            low += std::to_string(year) + ": " + team + "\n";
    }
    EXPECT_EQ(low, "");

    for (int32_t year : {1962, 1978, 2015, 2016}) {
        SCOPED_TRACE(year);
        ASSERT_GE(Load_New_Game_Season(year, nullptr), 0);
        const std::vector<int64_t> stored = Payrolls();
        const int64_t cap = Get_Universe_Stat(SALARY_CAP) / 1000;
        ASSERT_EQ(Open_Installed_Season(year), "");
        const std::vector<int64_t> played = Payrolls();
        ASSERT_EQ(played.size(), stored.size());
        for (size_t team = 0; team < stored.size(); ++team) {
            SCOPED_TRACE(team);
            // Before 2015 the start balances the payrolls again, from the
            // balanced ones; from 2015 it keeps them.
            EXPECT_LE(std::abs(played[team] - stored[team]), year < 2015 ? cap * 6 / 100 : 0);
            EXPECT_GE(played[team] * 100, cap * 80);
        }
    }
}
