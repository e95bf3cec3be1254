// The schedules the season inputs generator writes for the leagues of the
// seasons 1960-1969, in every shape those leagues had: every team plays the
// season's games, never twice in a week, against every other team as often
// as against the rest, at home about as often as away, within the weeks the
// historic schedule loader reads.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "tools/season_inputs/league_schedules.h"

namespace {
struct LEAGUE_SHAPE {
    const char* Name;
    std::vector<int32_t> Division_Sizes;
    int32_t Games;
    int32_t Weeks;
};

std::vector<int32_t> Divisions_Of(const LEAGUE_SHAPE& shape) {
    std::vector<int32_t> divisions;
    for (size_t d = 0; d < shape.Division_Sizes.size(); ++d)
        divisions.insert(divisions.end(), shape.Division_Sizes[d], static_cast<int32_t>(d));
    return divisions;
}
} // namespace

TEST(LeagueSchedules, EveryShapeOfTheTwoLeaguesPlaysItsGamesEvenly) {
    const LEAGUE_SHAPE shapes[] = {{"NFL 1960", {6, 7}, 12, 13},       {"AFL 1960", {4, 4}, 12, 12},
                                   {"NFL 1961", {7, 7}, 14, 14},       {"AFL 1961", {4, 4}, 14, 14},
                                   {"NFL 1966", {8, 7}, 14, 15},       {"AFL 1966", {5, 4}, 14, 16},
                                   {"NFL 1967", {4, 4, 4, 4}, 14, 14}, {"AFL 1968", {5, 5}, 14, 14}};
    for (const LEAGUE_SHAPE& shape : shapes) {
        SCOPED_TRACE(shape.Name);
        const std::vector<int32_t> divisions = Divisions_Of(shape);
        const int32_t teams = static_cast<int32_t>(divisions.size());
        const std::vector<LEAGUE_GAME> schedule = Make_League_Schedule(divisions, shape.Games);
        ASSERT_FALSE(schedule.empty());
        std::vector<int32_t> games(teams, 0), home(teams, 0);
        std::map<std::pair<int32_t, int32_t>, int32_t> busy;
        std::map<std::pair<int32_t, int32_t>, int32_t> meetings;
        int32_t last_week = 0;
        for (const LEAGUE_GAME& game : schedule) {
            ASSERT_NE(game.Away, game.Home);
            ASSERT_GE(game.Week, 0);
            last_week = std::max(last_week, game.Week);
            ++games[game.Away];
            ++games[game.Home];
            ++home[game.Home];
            EXPECT_EQ(++busy[std::pair(game.Week, game.Away)], 1) << "week " << game.Week + 1;
            EXPECT_EQ(++busy[std::pair(game.Week, game.Home)], 1) << "week " << game.Week + 1;
            ++meetings[{std::min(game.Away, game.Home), std::max(game.Away, game.Home)}];
        }
        EXPECT_EQ(last_week + 1, shape.Weeks) << "as few weeks as the games allow";
        EXPECT_LE(last_week + 1, SCHEDULE_FILE_WEEKS);
        const int32_t fewest_meetings = shape.Games / (teams - 1);
        for (int32_t team = 0; team < teams; ++team) {
            SCOPED_TRACE(team);
            EXPECT_EQ(games[team], shape.Games);
            EXPECT_GE(home[team], shape.Games / 2 - 1);
            EXPECT_LE(home[team], shape.Games / 2 + 1);
            for (int32_t other = team + 1; other < teams; ++other) {
                const auto found = meetings.find({team, other});
                const int32_t met = found == meetings.end() ? 0 : found->second;
                EXPECT_GE(met, fewest_meetings) << "against " << other;
                EXPECT_LE(met, fewest_meetings + 1) << "against " << other;
            }
        }
    }
}

// Eight teams of fourteen games play two whole round robins: each team hosts
// every other once.
TEST(LeagueSchedules, ARematchIsHostedByTheTeamThatVisited) {
    const std::vector<LEAGUE_GAME> schedule = Make_League_Schedule({0, 0, 0, 0, 1, 1, 1, 1}, 14);
    std::map<std::pair<int32_t, int32_t>, int32_t> hosted;
    for (const LEAGUE_GAME& game : schedule)
        ++hosted[{game.Home, game.Away}];
    EXPECT_EQ(hosted.size(), 56u);
    for (const auto& [pairing, count] : hosted)
        EXPECT_EQ(count, 1) << pairing.first << " hosting " << pairing.second;
}

TEST(LeagueSchedules, AnOddLeagueOfAnOddNumberOfGamesHasNoSchedule) {
    EXPECT_TRUE(Make_League_Schedule({0, 0, 0, 1, 1}, 13).empty()) << "five teams cannot each play 13";
    EXPECT_TRUE(Make_League_Schedule({0}, 12).empty());
    EXPECT_FALSE(Make_League_Schedule({0, 0, 0, 1, 1}, 12).empty());
}
