#include <gtest/gtest.h>

#include <vector>

#include "database/league_structure.h"
#include "database/playoff_bracket.h"
#include "database/random_numbers.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "platform/message_box.h"
#include "season/historic_schedules.h"
#include "season/schedule_generation.h"
#include "season/schedule_templates.h"
#include "season/season_calendar.h"
#include "support/hand_built_results.h"

namespace {
// `teams` franchises four to a division (the last division takes the rest).
void Build_League(int teams, int year, int games) {
    Reset_Hand_Built_League(teams, 0);
    for (int team = 0; team < teams; ++team)
        Universe.Teams[team].Team_Stats[TEAM_STAT_DIVISION] = team / 4 < 8 ? team / 4 : 7;
    Universe.Header.Universe_Stats[BASE_YEAR] = year;
    Universe.Header.Universe_Stats[GAMES_PER_SEASON] = games;
    Set_User_Preference(CURRENT_SEASON_INDEX, 0);
    Seed_Random_Numbers(2024);
    Clear_Shown_Messages();
}

int Games_Of(int team) {
    return Count_Weeks_With_Games(team, 22);
}

// Checks every week pairs each team at most once against a team that lists
// it back, and returns the teams' open weeks within the season.
std::vector<int> Check_Pairings(int teams) {
    std::vector<int> open(teams);
    for (int week = 0; week < Universe.Season_Length; ++week)
        for (int team = 0; team < teams; ++team) {
            const int code = Get_Team_Schedule_Stat(team, week, SCHEDULE_OPPONENT);
            if (code == 0) {
                ++open[team];
                continue;
            }
            const int opponent = (code > 0 ? code : -code) - 1;
            EXPECT_NE(opponent, team);
            const int back = Get_Team_Schedule_Stat(opponent, week, SCHEDULE_OPPONENT);
            EXPECT_EQ(back, code > 0 ? -(team + 1) : team + 1) << "week " << week << " team " << team;
        }
    return open;
}
} // namespace

TEST(ScheduleGeneration, EightDivisionsOfFourTakeTheTemplate) {
    Build_League(32, 2019, 16);
    Generate_Season_Schedule();
    EXPECT_EQ(Universe.Season_Length, 17);
    for (int team = 0; team < 32; ++team)
        EXPECT_EQ(Games_Of(team), 16);
    // The template of the season: the 2019 table on the teams' template slots.
    std::vector<int> team_on_slot(32);
    for (int team = 0; team < 32; ++team)
        team_on_slot[Get_Team_Template_Slot(team)] = team;
    const SCHEDULE_TEMPLATE& t = *Find_Schedule_Template(2019);
    const int home = team_on_slot[t.Games[0][1]], visitor = team_on_slot[t.Games[0][0]];
    EXPECT_EQ(Get_Team_Schedule_Stat(home, 0, SCHEDULE_OPPONENT), visitor + 1);
    EXPECT_EQ(Universe.Post_Season_Days[0], 18);
    EXPECT_EQ(Universe.Post_Season_Days[4], 22);

    // One division of five (and one of three): the random generator, with a
    // league-wide open week in the middle of the season.
    Build_League(32, 2019, 16);
    Universe.Teams[4].Team_Stats[TEAM_STAT_DIVISION] = 0;
    Generate_Season_Schedule();
    EXPECT_EQ(Universe.Season_Length, 17);
    for (int team = 0; team < 32; ++team) {
        EXPECT_EQ(Games_Of(team), 16);
        EXPECT_EQ(Get_Team_Schedule_Stat(team, 8, SCHEDULE_OPPONENT), 0) << "week 8 is open for everyone";
    }
    Check_Pairings(32);
}

TEST(ScheduleGeneration, RandomScheduleBalancesHomeGamesAndFavoursTheDivision) {
    Build_League(24, 1985, 16);
    Generate_Season_Schedule();
    EXPECT_EQ(Universe.Season_Length, 16) << "no open week before 1990";
    Check_Pairings(24);
    int division_games = 0;
    for (int team = 0; team < 24; ++team) {
        EXPECT_EQ(Games_Of(team), 16);
        EXPECT_LE(std::abs(Count_First_Listed_Games(team) - Count_Second_Listed_Games(team)), 4) << team;
        for (int rival = 4 * (team / 4); rival < 4 * (team / 4) + 4; ++rival)
            if (rival != team) division_games += Count_Games_Against(team, rival);
    }
    EXPECT_GT(division_games, 24 * 3) << "division rivals meet more than once on the whole";
}

TEST(ScheduleGeneration, OddLeaguesGetOpenWeeks) {
    // 29 teams from 1990, 16 games: weeks 5-10 have three open teams, the
    // other eleven weeks one; every team one open week.
    Build_League(29, 1990, 16);
    Generate_Season_Schedule();
    EXPECT_EQ(Universe.Season_Length, 17);
    const std::vector<int> open = Check_Pairings(29);
    for (int team = 0; team < 29; ++team) {
        EXPECT_EQ(open[team], 1) << team;
        EXPECT_EQ(Games_Of(team), 16);
    }
    for (int week = 0; week < 17; ++week) {
        int idle = 0;
        for (int team = 0; team < 29; ++team)
            if (Get_Team_Schedule_Stat(team, week, SCHEDULE_OPPONENT) == 0) ++idle;
        EXPECT_EQ(idle, week >= 5 && week <= 10 ? 3 : 1) << "week " << week;
    }

    // 19 teams, 17 games from 1990: one open team a week, 18 in all, so one
    // team plays every week.
    Build_League(19, 1995, 17);
    Generate_Season_Schedule();
    const std::vector<int> open19 = Check_Pairings(19);
    int without = 0;
    for (int team = 0; team < 19; ++team) {
        EXPECT_LE(open19[team], 1);
        if (open19[team] == 0) {
            ++without;
            EXPECT_EQ(Games_Of(team), 18);
        }
    }
    EXPECT_EQ(without, 1);
}

TEST(ScheduleGeneration, SmallOddLeaguesShareTheOpenWeeksWithoutEndlessDraws) {
    // Five teams and seventeen weeks: more open weeks than teams; every team
    // gets three or four of them instead of the draw waiting for a team
    // without one.
    Build_League(5, 1995, 16);
    Generate_Season_Schedule();
    EXPECT_EQ(Universe.Season_Length, 17);
    const std::vector<int> open = Check_Pairings(5);
    for (int team = 0; team < 5; ++team) {
        EXPECT_GE(open[team], 3);
        EXPECT_LE(open[team], 4);
    }
    EXPECT_TRUE(Get_Shown_Messages().empty());

    Build_League(3, 1960, 12);
    Generate_Season_Schedule();
    EXPECT_EQ(Universe.Season_Length, 12);
    for (int team = 0; team < 3; ++team)
        EXPECT_EQ(Games_Of(team), 8);
}

TEST(ScheduleGeneration, GamesPerSeasonAboveSeventeenAreStoredAsSeventeen) {
    Build_League(20, 2015, 18);
    Generate_Season_Schedule();
    EXPECT_EQ(Universe.Header.Universe_Stats[GAMES_PER_SEASON], 17);
    EXPECT_EQ(Universe.Season_Length, 18);
}

TEST(ScheduleGeneration, SeasonLengthOfAnEmptySchedule) {
    Build_League(4, 2015, 16);
    Clear_All_Team_Schedules();
    EXPECT_EQ(Set_Season_Length(), 0);
    EXPECT_EQ(Set_Season_Length_And_Playoff_Days(), 5);
    EXPECT_EQ(Universe.Post_Season_Days[0], 1);
    Schedule_Game(0, 1, 9, -1, -1);
    EXPECT_EQ(Set_Season_Length(), 10);
}

TEST(ScheduleGeneration, HistoricFilesAreTriedOnlyWhenTheGamesFitTheYear) {
    struct CASE {
        int year, games, skip;
    };
    const CASE cases[] = {{2000, 16, 0}, {1975, 16, 1}, {1959, 13, 0},
                          {1959, 14, 1}, {1965, 11, 1}, {1990, 18, 0}};
    for (const CASE& c : cases) {
        Build_League(28, c.year, c.games);
        EXPECT_EQ(Skip_Historic_Schedule(), c.skip) << c.year << "/" << c.games;
    }
    EXPECT_EQ(Universe.Header.Universe_Stats[GAMES_PER_SEASON], 17);
    Build_League(32, 2000, 16);
    EXPECT_EQ(Has_Eight_Divisions_Of_Four(), 1);
    Universe.Teams[31].Team_Stats[TEAM_STAT_DIVISION] = 0;
    EXPECT_EQ(Has_Eight_Divisions_Of_Four(), 0);
}

TEST(ScheduleGeneration, CalendarQueries) {
    EXPECT_EQ(Get_Weekday(0), 6);
    EXPECT_EQ(Get_Weekday(1), 4);
    EXPECT_EQ(Get_Days_Before_Month(0), 0);
    EXPECT_EQ(Get_Days_Before_Month(2), 59);
    EXPECT_EQ(Get_Days_Before_Month(12), 365);
    Build_League(4, 2015, 16);
    Universe.Season_Length = 17;
    Set_User_Preference(CURRENT_WEEK, 8);
    EXPECT_EQ(Get_Season_Progress(), 471);
    EXPECT_EQ(Get_Season_Phase(), 1);
    Set_User_Preference(CURRENT_WEEK, 100);
    EXPECT_EQ(Get_Season_Progress(), 1000);
    EXPECT_EQ(Get_Season_Phase(), 2);
    Set_User_Preference(CURRENT_WEEK, 2);
    EXPECT_EQ(Get_Season_Phase(), 0);
    Schedule_Game(0, 2, 3, -1, -1);
    EXPECT_EQ(Get_Previous_Opponent(2, 7), 0);
    EXPECT_EQ(Get_Previous_Opponent(2, 2), -128);
}

TEST(ScheduleGeneration, SameSeedSameSchedule) {
    auto schedule_of = [] {
        Build_League(22, 2012, 16);
        Generate_Season_Schedule();
        std::vector<int> codes;
        for (int team = 0; team < 22; ++team)
            for (int week = 0; week < 22; ++week)
                codes.push_back(Get_Team_Schedule_Stat(team, week, SCHEDULE_OPPONENT));
        return codes;
    };
    EXPECT_EQ(schedule_of(), schedule_of());
}
