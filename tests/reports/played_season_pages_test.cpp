// The encyclopedia's pages of a played season, its playoffs included, against
// what the rest of the game shows of the same figures: the team pages' ranks
// against the standings, the players' averages against Print Stats.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/random_numbers.h"
#include "database/team_record.h"
#include "database/team_results.h"
#include "reports/player_stats_export.h"
#include "reports/template_engine.h"
#include "reports/template_variables.h"
#include "support/played_season.h"
#include "support/season_build_folder.h"
#include "views/standings_texts.h"

namespace {
std::string Page_Value(const std::string& tag) {
    std::string text = tag;
    Evaluate_Template_Variable(&text);
    return text;
}

// The "Offense and Defense" rows of the installation's team page of `team`
// by caption: offence, its rank, defence, its rank.
std::map<std::string, std::vector<std::string>> Team_Page_Rows(int32_t team) {
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
    const std::string cell_head = "<td class=\"num\">";
    for (size_t row = table.find("<tr><td>"); row != std::string::npos;
         row = table.find("<tr><td>", row + 1)) {
        const size_t caption_end = table.find("</td>", row);
        std::vector<std::string>& cells = rows[table.substr(row + 8, caption_end - row - 8)];
        const size_t row_end = table.find("</tr>", row);
        for (size_t cell = table.find(cell_head, caption_end); cell < row_end;
             cell = table.find(cell_head, cell + 1)) {
            const size_t start = cell + cell_head.size();
            cells.push_back(table.substr(start, table.find("</td>", start) - start));
        }
    }
    return rows;
}

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
        const auto rows = Team_Page_Rows(team);
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
        const auto rows = Team_Page_Rows(team);
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
        EXPECT_EQ(Page_Value("<gdk:var TeamDefenseRank[STAT=13]" + team_key),
                  Place_Among(fumbles_lost_by_opponents, team, true))
            << "the most takeaways first";
    }
}

namespace {
// Print Stats' line of a player, its cells.
std::vector<std::string> Print_Stats_Line_Cells(int32_t team, int32_t slot, int32_t period,
                                                int32_t category) {
    std::vector<std::string> cells;
    std::string text = Format_Player_Stats_Line(team, slot, period, category, STATS_FORMAT_TAB);
    text.pop_back(); // the line's end
    std::stringstream line(text);
    for (std::string cell; std::getline(line, cell, '\t');)
        cells.push_back(cell);
    return cells;
}

// A player page's cell of statistic `stat` ("" where it has none).
std::string Page_Average_Cell(int32_t stat, int32_t team, int32_t slot, int32_t season, int32_t group) {
    const std::string cell =
        Page_Value("<gdk:var PlayerStat[STAT=" + std::to_string(stat) + "][PLAYER=" + std::to_string(slot) +
                   "][TEAM=" + std::to_string(team) + "][SEASON=" + std::to_string(season) +
                   "][TYPE=" + std::to_string(group) + "]>");
    const std::string head = "<td align=\"center\">";
    return cell.rfind(head, 0) == 0 ? cell.substr(head.size(), cell.size() - head.size() - 5) : "";
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
                        Page_Average_Cell(average.Stat, team, slot, season, average.Group);
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
                        Print_Stats_Line_Cells(team, slot, season, average.Category);
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
