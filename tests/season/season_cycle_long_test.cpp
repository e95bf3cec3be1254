// Whole seasons of the 32-team test league through the calendar.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "database/game_queries.h"
#include "database/league_structure.h"
#include "database/playoff_bracket.h"
#include "database/random_numbers.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/standings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "season/league_rules.h"
#include "season/playoff_seeding.h"
#include "season/season_calendar.h"
#include "season/season_start.h"
#include "season/week_advance.h"
#include "support/test_league.h"

namespace {
// The test league, started in 2020, in its second season: 17 games, three
// wild cards and the title game.
void Start_Test_Season(uint32_t seed) {
    Build_Test_League();
    Apply_League_Rules_For_Year();
    Set_User_Preference(CURRENT_SEASON_INDEX, 1);
    Apply_League_Rules_For_Year();
    Seed_Random_Numbers(seed);
    Clear_Shown_Messages();
    Reset_Message_Queue();
    Start_Season(0);
}

struct SEEDING {
    int32_t Seed[TEST_LEAGUE_TEAMS];
    int32_t Score[TEST_LEAGUE_TEAMS];
};

SEEDING Take_Seeding() {
    SEEDING seeding{};
    for (int team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
        seeding.Seed[team] = Get_Team_Stat(team, TEAM_STAT_PLAYOFF_SEED);
        seeding.Score[team] = Get_Team_Standings_Score(team);
    }
    return seeding;
}

void Expect_Seeding_Follows_Standings(const SEEDING& s) {
    for (int conference = 0; conference < 2; ++conference) {
        std::vector<int> leaders, others;
        for (int division = 4 * conference; division < 4 * conference + 4; ++division)
            leaders.push_back(Get_Division_Standing_Team(division, 0));
        for (int team = 16 * conference; team < 16 * conference + 16; ++team)
            if (std::find(leaders.begin(), leaders.end(), team) == leaders.end()) others.push_back(team);
        for (int team : leaders)
            EXPECT_TRUE(s.Seed[team] >= 1 && s.Seed[team] <= 4) << "leader " << team;
        for (int a : leaders)
            for (int b : leaders)
                if (s.Seed[a] < s.Seed[b]) {
                    EXPECT_GE(s.Score[a], s.Score[b]) << "leaders by record";
                }
        int worst_wild_card = 0;
        bool first = true;
        for (int team : others)
            if (s.Seed[team] != 0) {
                EXPECT_TRUE(s.Seed[team] >= 5 && s.Seed[team] <= 7) << "wild card " << team;
                if (first || s.Score[team] < worst_wild_card) worst_wild_card = s.Score[team];
                first = false;
            }
        int wild_cards = 0;
        for (int team : others) {
            if (s.Seed[team] != 0) {
                ++wild_cards;
            } else {
                EXPECT_LE(s.Score[team], worst_wild_card) << "team " << team << " left out";
            }
        }
        EXPECT_EQ(wild_cards, 3);
    }
}

// Every team played its 17 games, once a week, against a team that lists it back.
void Expect_Regular_Season_Played() {
    for (int team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
        EXPECT_EQ(Get_Team_Wins(team) + Get_Team_Losses(team) + Get_Team_Ties(team), 17) << "team " << team;
        EXPECT_EQ(Count_Weeks_With_Games(team, Universe.Season_Length), 17);
        for (int week = 0; week < Universe.Season_Length; ++week) {
            const int code = Get_Team_Schedule_Stat(team, week, SCHEDULE_OPPONENT);
            if (code == 0) continue;
            const int opponent = (code > 0 ? code : -code) - 1;
            EXPECT_EQ(Get_Team_Schedule_Stat(opponent, week, SCHEDULE_OPPONENT),
                      code > 0 ? -(team + 1) : team + 1);
        }
    }
}

// Each filled slot above the first round holds the winner of its feeding pair.
void Expect_Bracket_Played_Out() {
    for (int slot = 16; slot < 31; ++slot) {
        const int a = 2 * slot - 32, b = 2 * slot - 31;
        const int team = Get_Playoff_Team(slot);
        if (team == NO_TEAM || Get_Playoff_Team(a) == NO_TEAM || Get_Playoff_Team(b) == NO_TEAM) continue;
        const int winner = Get_Playoff_Score(a) > Get_Playoff_Score(b) ? a : b;
        EXPECT_EQ(team, Get_Playoff_Team(winner)) << "slot " << slot;
    }
}

struct SEASON_RESULT {
    int32_t Champion;
    std::vector<uint8_t> Standings;
};

SEASON_RESULT Play_Test_Season(uint32_t seed) {
    Start_Test_Season(seed);
    Advance_Weeks(22);
    Advance_Weeks(22);
    SEASON_RESULT result{Get_Playoff_Team(30), {}};
    const uint8_t* rows = reinterpret_cast<const uint8_t*>(Universe.Division_Standings);
    result.Standings.assign(rows, rows + sizeof Universe.Division_Standings);
    for (int team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
        const auto& chars = Universe.Teams[team].Yearly_Chars[1];
        result.Standings.insert(result.Standings.end(), reinterpret_cast<const uint8_t*>(chars),
                                reinterpret_cast<const uint8_t*>(chars) + sizeof chars);
    }
    return result;
}
} // namespace

TEST(SeasonCycle, FullSeasonEndsWithAChampion) {
    Start_Test_Season(2021);
    EXPECT_EQ(Universe.Season_Length, 18) << "17 games and an open week";
    Advance_Weeks(22);
    ASSERT_EQ(Get_User_Preference(CURRENT_WEEK), Universe.Season_Length);
    EXPECT_EQ(Count_Completed_Games(), 272);
    Expect_Regular_Season_Played();
    Expect_Seeding_Follows_Standings(Take_Seeding());
    EXPECT_EQ(Get_Team_Stat(Get_Playoff_Team(19), TEAM_STAT_PLAYOFF_SEED), 1);
    EXPECT_EQ(Get_Team_Stat(Get_Playoff_Team(23), TEAM_STAT_PLAYOFF_SEED), 1);

    Advance_Weeks(22);
    EXPECT_TRUE(Is_Champion_Decided());
    EXPECT_EQ(Count_Completed_Games(), 285) << "272 regular-season and 13 playoff games";
    int playoff_games = 0;
    for (int n = 0; n < MAX_GAME_RECORDS; ++n)
        if (Is_Game_Record_Used(n) && Get_Game_Record(n)->Week >= Universe.Season_Length) ++playoff_games;
    EXPECT_EQ(playoff_games, 13);
    Expect_Bracket_Played_Out();
    EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), Universe.Post_Season_Days[4] + 1);

    // The next advance starts the off-season; the scripted user pauses the
    // draft, and the simulation of a season starts it from week 100.
    Advance_Weeks(22);
    ASSERT_EQ(Get_User_Preference(CURRENT_WEEK), 100);
    ASSERT_EQ(Get_User_Preference(CURRENT_SEASON_INDEX), 2);
    Simulate_Seasons(1);
    EXPECT_EQ(Get_User_Preference(CURRENT_SEASON_INDEX), 3);
    EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), 0) << "the 2023 season is set up";
    EXPECT_GT(Universe.Season_Length, 0);
    EXPECT_EQ(Count_Completed_Games(), 0);
}

TEST(SeasonCycle, SameSeedSameChampionAndStandings) {
    const SEASON_RESULT first = Play_Test_Season(77);
    const SEASON_RESULT second = Play_Test_Season(77);
    EXPECT_EQ(first.Champion, second.Champion);
    EXPECT_TRUE(first.Standings == second.Standings);
}
