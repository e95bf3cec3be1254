#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/position_evaluation.h"
#include "database/random_numbers.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/string_table.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "frontoffice/salaries.h"
#include "platform/message_box.h"
#include "season/game_start.h"
#include "season/league_rules.h"
#include "season/new_game_choices.h"
#include "season/new_universe.h"
#include "season/team_yearly_fields.h"
#include "support/test_league.h"
#include "tools/payroll_balance.h"
#include "tools/young_player_ratings.h"

namespace {
class GameStart : public testing::Test {
  protected:
    void SetUp() override {
        Build_Test_League();
        Seed_Random_Numbers(99);
        Clear_Shown_Messages();
    }
};

float Own_Rating(int32_t team, int32_t slot) {
    return Get_Player_Position_Rating(team, slot, Get_Player_Vital_Stat(team, slot, VITAL_POSITION));
}

void Set_Age(int32_t team, int32_t slot, int32_t age) {
    Set_Player_Vital_Stat(team, slot, VITAL_BIRTH_DATE, (Get_Current_Year() - age) * 10000 + 101);
}
} // namespace

TEST_F(GameStart, TurnsTheLoadedLeagueIntoSeasonZeroWithASchedule) {
    Set_User_Preference(CURRENT_SEASON_INDEX, 3);
    Set_User_Preference(CURRENT_WEEK, 100);
    Universe.Header.Universe_Stats[BASE_YEAR] = TEST_BASE_YEAR - 3;
    Set_User_Preference(COMMISSIONER_MODE, 1);
    Start_Game(0);

    EXPECT_EQ(Get_User_Preference(CURRENT_SEASON_INDEX), 0);
    EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), 0);
    EXPECT_EQ(Get_User_Preference(COMMISSIONER_MODE), 0);
    EXPECT_EQ(Get_User_Preference(SOUNDS_ENABLED), 1);
    EXPECT_EQ(Get_Universe_Stat(SALARY_CAP), Get_Season_Salary_Cap(TEST_BASE_YEAR)) << "the year as loaded";
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
        int32_t games = 0;
        for (int32_t week = 0; week < NUMBER_OF_SCHEDULE_WEEKS; ++week)
            games += Get_Team_Schedule_Stat(team, week, 0) != 0 ? 1 : 0;
        EXPECT_EQ(games, Get_Universe_Stat(GAMES_PER_SEASON)) << "team " << team;
    }
    EXPECT_GT(Count_Players(FIRST_COLLEGE_POOL_TEAM, -1), 0) << "the coming draft's class";
    EXPECT_EQ(Universe.Header.Skin_Name, std::string("earth"));
}

TEST_F(GameStart, ALeagueWithSeasonsBehindItStartsInItsOwnSeason) {
    // Three seasons played before: their rows precede the current one.
    const auto play_three_seasons = [] {
        Universe.Header.Universe_Stats[BASE_YEAR] = TEST_BASE_YEAR - 3;
        Set_User_Preference(CURRENT_SEASON_INDEX, 3);
        for (int32_t season = 0; season <= 3; ++season) {
            Set_Team_Yearly_Char(2, season, RECORD_CHAR_WINS, 10 + season);
            Set_Team_Yearly_Int(2, season, 2, 20 + season);
        }
    };
    play_three_seasons();
    Make_Current_Season_The_First();
    EXPECT_EQ(Get_Current_Year(), TEST_BASE_YEAR);
    EXPECT_EQ(Get_User_Preference(CURRENT_SEASON_INDEX), 0);
    EXPECT_EQ(Get_Team_Yearly_Char(2, 0, RECORD_CHAR_WINS), 13) << "the current season's row comes along";
    EXPECT_EQ(Get_Team_Yearly_Int(2, 0, 2), 23);
    for (int32_t season = 1; season <= 3; ++season) {
        EXPECT_EQ(Get_Team_Yearly_Char(2, season, RECORD_CHAR_WINS), 0) << "the seasons before are gone";
        EXPECT_EQ(Get_Team_Yearly_Int(2, season, 2), 0);
    }
    Make_Current_Season_The_First();
    EXPECT_EQ(Get_Team_Yearly_Char(2, 0, RECORD_CHAR_WINS), 13) << "a league in its first season stays";

    play_three_seasons();
    Start_Game(0);
    EXPECT_EQ(Get_Current_Year(), TEST_BASE_YEAR) << "the calendar does not go back";
    EXPECT_EQ(Get_Universe_Stat(BASE_YEAR), TEST_BASE_YEAR);
}

TEST_F(GameStart, FictionalPlayersGiveEveryFranchiseItsMinimumRoster) {
    NEW_GAME_OPTIONS options{};
    options.Fictional_Players = true;
    Apply_New_Game_Options(options);
    EXPECT_EQ(Universe.Header.Fictional_Players_Flag, 1);
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
        for (int32_t position = 0; position < NUMBER_OF_POSITIONS; ++position)
            EXPECT_GE(Count_Team_Position_Players(team, position), Get_Fictional_Roster_Minimum(position))
                << "team " << team << " position " << position;
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            const int32_t round = Get_Player_Vital_Stat(team, slot, VITAL_DRAFT_SLOT) / 100000;
            EXPECT_TRUE(round >= 1 && round <= 7) << team << "/" << slot;
            EXPECT_EQ(Get_Player_Vital_Stat(team, slot, VITAL_DRAFT_RECORD) / 10000, team + 1);
        }
    }
    for (int32_t team = FIRST_COLLEGE_POOL_TEAM; team < TOTAL_NUMBER_OF_TEAMS; ++team)
        EXPECT_EQ(Count_Players(team, -1), 0) << "the real class is gone";
}

TEST_F(GameStart, YoungPlayersAreHeldToTheirExperience) {
    EXPECT_EQ(Get_Young_Player_Rating_Ceiling(0), 78);
    EXPECT_EQ(Get_Young_Player_Rating_Ceiling(2), 90);
    const int32_t over = Test_League_Slot(POSITION_WR, 0);
    const int32_t at = Test_League_Slot(POSITION_WR, 1);
    const int32_t older = Test_League_Slot(POSITION_WR, 2);
    for (int32_t slot : {over, at, older}) {
        Set_Age(0, slot, 24);
        Set_Player_Vital_Stat(0, slot, VITAL_CREDITED_SEASONS, 2);
    }
    Set_Age(0, older, 25);
    Rescale_Player_Ratings(0, over, 91.6f);
    Rescale_Player_Ratings(0, at, 90.4f);
    Rescale_Player_Ratings(0, older, 93.0f);
    ASSERT_EQ(static_cast<int32_t>(Own_Rating(0, over)), 91);
    ASSERT_EQ(static_cast<int32_t>(Own_Rating(0, at)), 90);
    const float at_rating = Own_Rating(0, at), older_rating = Own_Rating(0, older);
    Adjust_Young_Player_Ratings();
    EXPECT_NEAR(Own_Rating(0, over), 90.0f, 0.46f) << "91 comes down to 90";
    EXPECT_FLOAT_EQ(Own_Rating(0, at), at_rating) << "exactly at the ceiling";
    EXPECT_FLOAT_EQ(Own_Rating(0, older), older_rating) << "25 and older are never touched";
}

TEST_F(GameStart, PayrollsAreBalancedTowardTheCap) {
    const int64_t cap = 200000000;
    EXPECT_EQ(Get_Balanced_Payroll_Target(200000, cap), cap * 92 / 100) << "at the cap";
    EXPECT_EQ(Get_Balanced_Payroll_Target(300000, cap), cap * 94 / 100) << "at 150 %";
    EXPECT_EQ(Get_Balanced_Payroll_Target(500000, cap), cap * 97 / 100) << "twice the cap and more";

    const int32_t team = 6;
    const int32_t minimum_slot = Test_League_Slot(POSITION_LB, 6);
    const int32_t minimum =
        Get_League_Minimum_Salary(Get_Player_Vital_Stat(team, minimum_slot, VITAL_CREDITED_SEASONS));
    Set_Player_Vital_Stat(team, minimum_slot, VITAL_SALARY, minimum);
    const int64_t payroll = Get_Team_Financial_Stat(team, 89);
    ASSERT_GT(payroll, 0);
    const int64_t target = payroll * 1000 * 11 / 10;
    EXPECT_EQ(Scale_Team_Payroll(team, target), 1100);
    EXPECT_NEAR(static_cast<double>(Get_Team_Financial_Stat(team, 89)) * 1000, static_cast<double>(target),
                target * 0.01);
    EXPECT_EQ(Get_Player_Vital_Stat(team, minimum_slot, VITAL_SALARY), minimum)
        << "the minimum is not scaled";
    const int32_t salary = Get_Player_Vital_Stat(team, 0, VITAL_SALARY);
    Scale_Team_Payroll(team, static_cast<int64_t>(Get_Team_Financial_Stat(team, 89)) * 1000);
    EXPECT_EQ(Get_Player_Vital_Stat(team, 0, VITAL_SALARY), salary) << "a payroll on target is left alone";
}

TEST_F(GameStart, NewGameChoices) {
    EXPECT_TRUE(Get_Replay_Mode_For_Season(2022, 1985, false)) << "into history";
    EXPECT_TRUE(Get_Replay_Mode_For_Season(1985, 1990, true)) << "between historical seasons";
    EXPECT_FALSE(Get_Replay_Mode_For_Season(1985, 1990, false));
    EXPECT_FALSE(Get_Replay_Mode_For_Season(1990, 2022, true)) << "back to the present";

    NEW_GAME_OPTIONS options{};
    Set_New_Game_Option(&options, OPTION_FICTIONAL_PLAYERS, true);
    Set_New_Game_Option(&options, OPTION_FANTASY_DRAFT, true);
    Set_New_Game_Option(&options, OPTION_SHUFFLE_PLAYERS, true);
    EXPECT_TRUE(options.Shuffle_Players);
    EXPECT_FALSE(options.Fictional_Players || options.Fantasy_Draft);
    Universe.Header.Universe_Stats[BASE_YEAR] = 2022;
    Set_New_Game_Option(&options, OPTION_REPLAY_MODE, true);
    EXPECT_FALSE(options.Replay_Mode);
    ASSERT_FALSE(Get_Shown_Messages().empty());
    EXPECT_EQ(Get_Shown_Messages().back().Text, "Replay Mode is only valid for historical seasons.");

    char word[RESOURCE_STRING_LIMIT];
    Load_Resource_String(Get_Fan_Loyalty_String(1000), word);
    EXPECT_STREQ(word, "Enthusiastic");
    Load_Resource_String(Get_Fan_Loyalty_String(1300), word);
    EXPECT_STREQ(word, "Fanatic");
    Load_Resource_String(Get_Fan_Loyalty_String(699), word);
    EXPECT_STREQ(word, "Apathetic");

    NEW_GAME_CHOICES choices{};
    choices.Team = 9;
    choices.Difficulty = 2;
    std::strcpy(choices.Owner_Name, "Abcdefghij Abcdefghij Abcdefghij Abcdefg");
    Apply_New_Game_Choices(choices);
    char name[TEAM_STRING_LENGTH];
    Get_Team_String(name, 9, 5);
    EXPECT_EQ(std::string(name), std::string(choices.Owner_Name).substr(0, 31));
    EXPECT_EQ(Get_Team_Stat(9, TEAM_STAT_CONTROL), TEAM_CONTROL_HUMAN);
    EXPECT_EQ(Get_Team_Stat(8, TEAM_STAT_CONTROL), TEAM_CONTROL_COMPUTER);
    EXPECT_EQ(Get_Team_Stat(TEST_LEAGUE_TEAMS, TEAM_STAT_CONTROL), TEAM_CONTROL_EMPTY);
    EXPECT_EQ(Get_User_Preference(DIFFICULTY_LEVEL), 2);

    int32_t slots[NOTABLE_PLAYER_LINES];
    const int32_t count = Find_Notable_Players(9, slots);
    EXPECT_LE(count, NOTABLE_PLAYER_LINES);
    for (int32_t n = 0; n < count; ++n) {
        char line[NEW_GAME_TEXT_SIZE];
        Format_Notable_Player(9, slots[n], line, sizeof line);
        EXPECT_NE(std::string(line).find(" ("), std::string::npos) << line;
    }
}

TEST_F(GameStart, NotablePlayersPassScoresEveryPlayerItReachesAfterTheLastLineIsFilled) {
    Build_Test_League();
    const int32_t team = 9;
    // Five quarterbacks with long careers clear the first bar at once.
    for (int32_t slot = 0; slot < NOTABLE_PLAYER_LINES; ++slot) {
        Set_Player_Vital_Stat(team, slot, VITAL_POSITION, POSITION_QB);
        Set_Player_Stat(team, slot, SEASON_CAREER, 3, 20000);
    }
    // A player past them with damaged ratings has them repaired when he is
    // scored.
    const int32_t weak = Get_First_Empty_Player_Slot(team) - 1;
    ASSERT_GT(weak, NOTABLE_PLAYER_LINES);
    for (float& rating : Universe.Teams[team].Players[weak].Ratings)
        rating = 0.0f;

    int32_t slots[NOTABLE_PLAYER_LINES];
    ASSERT_EQ(Find_Notable_Players(team, slots), NOTABLE_PLAYER_LINES);
    for (int32_t n = 0; n < NOTABLE_PLAYER_LINES; ++n)
        EXPECT_EQ(slots[n], n);
    float highest = 0.0f;
    for (float rating : Universe.Teams[team].Players[weak].Ratings)
        highest = std::max(highest, rating);
    EXPECT_GE(highest, MINIMUM_RATING) << "the first pass went on past the fifth line and rated him";
}
