// The kicks of the fictional history: a kicker's longest field goal lies in
// the band of his longest make (a season whose makes were all from under 30
// yards has a longest of 20-29), and a career made season by season keeps
// each kicker's longest punt and field goal as the longest of his lines, not
// their sum.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>

#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/random_numbers.h"
#include "database/season_lines.h"
#include "database/team_record.h"
#include "support/season_build_folder.h"
#include "support/test_league.h"
#include "tools/season_inputs/era_norms.h"
#include "tools/season_inputs/history_model.h"
#include "tools/season_inputs/season_statistics.h"

TEST(MadeKicks, AllMakesUnderThirtyYardsGiveALongestOfTwentyToTwentyNine) {
    Build_Test_League();
    static TEAM_SEASON_FIGURES figures;
    int32_t short_seasons = 0;
    std::string first;
    // The 1951 league tried few field goals: about one kicker's season in
    // seventy made them only from close in, so enough seasons are made for
    // the case to come up whatever the draws before the kicks take.
    for (uint32_t seed = 1; seed <= 300; ++seed)
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

// The field goals of one kicker's season, made directly over many draws and
// volumes: his longest always lies in the band of his longest make (a season
// whose makes were all from under 30 yards has a longest of 20-29), never
// above it, and 0 only without a make; no band makes more than it tries.
TEST(MadeKicks, TheLongestFieldGoalLiesInTheBandOfTheLongestMake) {
    Build_Test_League();
    int32_t kicker = -1;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM && kicker < 0; ++slot)
        if (Is_Player_Slot_Used(0, slot) && Get_Player_Vital_Stat(0, slot, VITAL_POSITION) == POSITION_K)
            kicker = slot;
    ASSERT_GE(kicker, 0) << "the test league's first team has no kicker";
    ERA_NORMS norms = Get_Era_Norms(1951);
    // Bands by the longest make: none, under 30, 30-39, 40-49, 50 and over.
    int32_t seasons[5] = {}, off = 0;
    std::string first;
    for (uint32_t seed = 1; seed <= 400; ++seed) {
        // From a try every few games to three a game, most rarely made.
        norms.Field_Goal_Attempts = 0.1 * (seed % 30 + 1);
        norms.Field_Goal_Rate = 0.2 + 0.02 * (seed % 40);
        Seed_Random_Numbers(seed);
        int32_t stats[NUMBER_OF_SEASON_STATS] = {};
        Make_Field_Goals(0, kicker, 12, norms, stats);
        const int32_t band = stats[17] > 0   ? 4
                             : stats[15] > 0 ? 3
                             : stats[13] > 0 ? 2
                             : stats[11] > 0 ? 1
                                             : 0;
        ++seasons[band];
        const int32_t low[5] = {0, 20, 30, 40, 50}, high[5] = {0, 29, 39, 49, 57};
        bool right = stats[18] >= low[band] && stats[18] <= high[band];
        for (int32_t n = 0; n < 4; ++n)
            right = right && stats[11 + 2 * n] >= 0 && stats[11 + 2 * n] <= stats[10 + 2 * n];
        if (right || off++ > 0) continue;
        std::ostringstream line;
        line << "seed " << seed << ": makes";
        for (int32_t n = 0; n < 4; ++n)
            line << ' ' << stats[11 + 2 * n] << '/' << stats[10 + 2 * n];
        line << ", longest " << stats[18];
        first = line.str();
    }
    for (int32_t band = 0; band < 5; ++band)
        EXPECT_GT(seasons[band], 0) << "no season's longest make fell in band " << band;
    EXPECT_EQ(off, 0) << first;
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
