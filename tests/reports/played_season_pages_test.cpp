// The encyclopedia's pages of a played season, its playoffs included, against
// what the rest of the game shows of the same figures: the players' averages
// against Print Stats.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/random_numbers.h"
#include "reports/player_stats_export.h"
#include "reports/template_variables.h"
#include "support/played_season.h"

namespace {
std::string Page_Value(const std::string& tag) {
    std::string text = tag;
    Evaluate_Template_Variable(&text);
    return text;
}

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
