// The kicks of the fictional history: a kicker's longest field goal lies in
// the band of his longest make (a season whose makes were all from under 30
// yards has a longest of 20-29), and a career made season by season keeps
// each kicker's longest punt and field goal as the longest of his lines, not
// their sum.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>

#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/random_numbers.h"
#include "database/season_lines.h"
#include "database/team_record.h"
#include "support/season_build_folder.h"
#include "support/test_league.h"
#include "tools/season_inputs/history_model.h"
#include "tools/season_inputs/season_statistics.h"

TEST(MadeKicks, AllMakesUnderThirtyYardsGiveALongestOfTwentyToTwentyNine) {
    Build_Test_League();
    static TEAM_SEASON_FIGURES figures;
    int32_t short_seasons = 0;
    std::string first;
    // The 1951 league tried few field goals: many kickers made them only from close in.
    for (uint32_t seed = 1; seed <= 60; ++seed)
        for (int32_t team = 0; team < 4; ++team) {
            Seed_Random_Numbers(seed);
            Make_Team_Season_Figures(team, 1951, 12, TEAM_STRENGTH{}, &figures);
            for (const PLAYER_SEASON_FIGURES& player : figures.Players) {
                if (player.Position != POSITION_K) continue;
                const int32_t* stats = player.Stats;
                if (stats[11] <= 0 || stats[13] > 0 || stats[15] > 0 || stats[17] > 0) continue;
                ++short_seasons;
                if ((stats[18] < 20 || stats[18] > 29) && first.empty())
                    first = "seed " + std::to_string(seed) + ", team " + std::to_string(team) + ": " +
                            std::to_string(stats[11]) + " short makes, longest " + std::to_string(stats[18]);
            }
        }
    EXPECT_GT(short_seasons, 0) << "no season made only short kicks: the case is not reached";
    EXPECT_EQ(first, "");
}

// Five seasons made without games, from the installation's names and draft
// files: every kicker's career longest kicks are the longest of his lines.
TEST(MadeKicks, AMadeCareerKeepsTheLongestKicksOfItsLines) {
    const std::string previous = Enter_Season_Build_Folder("made-kicks");
    HISTORY_OPTIONS options;
    options.Founding_Year = 1938;
    options.Last_Year = 1942;
    static INPUT_COLLECTION files;
    std::string error;
    const bool made = Make_League_History(options, &files, &error, nullptr);
    Leave_Season_Build_Folder(previous);
    std::filesystem::remove_all("made-kicks");
    ASSERT_TRUE(made) << error;
    int32_t kickers = 0, off = 0;
    std::string first;
    For_Each_League_Player(
        [&](int32_t team, int32_t slot) {
            const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
            if (position != POSITION_K && position != POSITION_P) return;
            // His league lines, and all his lines (a rookie's college lines,
            // which are none of his league seasons, among them).
            int32_t games = 0, lines = 0, longest[NUMBER_OF_SEASON_STATS] = {},
                    any[NUMBER_OF_SEASON_STATS] = {};
            for (int32_t n = 0; n < NUMBER_OF_SEASON_LINE_LINKS; ++n) {
                const int32_t line = Get_Player_Season_Line(team, slot, n);
                if (line == NO_SEASON_LINE) continue;
                for (const int32_t stat : {5, 18})
                    any[stat] = std::max(any[stat], Get_Season_Line_Stat(line, stat));
                if (Get_Season_Line_Kind(line) < 0) continue;
                ++lines;
                games += Get_Season_Line_Stat(line, 0);
                for (const int32_t stat : {5, 18})
                    longest[stat] = std::max(longest[stat], Get_Season_Line_Stat(line, stat));
            }
            // The stored figures, as the seasons left them (a read would mend
            // them), of a career wholly made of its lines: a founder's career
            // began before them.
            const auto& career = Get_Player_Record_Pointer(team, slot)->Season_Stats[SEASON_CAREER];
            if (lines < 2 || career[0] != games) return;
            ++kickers;
            for (const int32_t stat : {5, 18}) {
                // Never below his league seasons' longest, never above his lines' longest.
                if ((career[stat] >= longest[stat] && career[stat] <= any[stat]) || off++ > 0) continue;
                first = "team " + std::to_string(team) + ", slot " + std::to_string(slot) + ": statistic " +
                        std::to_string(stat) + " of the career " + std::to_string(career[stat]) +
                        ", his league lines' longest " + std::to_string(longest[stat]) + ", all his lines' " +
                        std::to_string(any[stat]);
            }
        },
        0, MAX_FRANCHISES - 1);
    EXPECT_GT(kickers, 5);
    EXPECT_EQ(off, 0) << first;
}
