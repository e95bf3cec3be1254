#include <gtest/gtest.h>

#include <cstdint>

#include "database/cities.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/random_numbers.h"
#include "database/roster_slots.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "engine/formation_depth_charts.h"
#include "engine/game_screen_hooks.h"
#include "engine/pregame_setup.h"
#include "game_calls_test_support.h"
#include "support/debug_log.h"
#include "support/game_runner.h"
#include "support/test_league.h"
#include "views/weather.h"

namespace {
constexpr int32_t CITY = 3;

void Set_Climate(int32_t altitude, int32_t longitude, int32_t latitude) {
    Set_Team_Stat(1, TEAM_STAT_HOME_CITY, CITY);
    Set_City_Stat(CITY, 4, altitude);
    Set_City_Stat(CITY, 5, longitude);
    Set_City_Stat(CITY, 6, latitude);
}
} // namespace

TEST(PregameSetup, MonthOfTheWeek) {
    EXPECT_EQ(Get_Game_Month(0), 8) << "week 0 is early September";
    EXPECT_EQ(Get_Game_Month(10), 10) << "week 10 is November";
    EXPECT_EQ(Get_Game_Month(17), 0) << "week 17 wraps into January";
    EXPECT_EQ(Get_Game_Month(100), 3) << "the off-season week is in April";
}

TEST(PregameSetup, DomeHasNoWindAndMildTemperature) {
    Build_Test_League();
    Set_Team_Stadium_Stat(1, 1, 1);
    for (uint32_t seed = 1; seed <= 60; ++seed) {
        Set_Climate(static_cast<int32_t>(seed * 100), 70000 + static_cast<int32_t>(seed) * 900,
                    20000 + static_cast<int32_t>(seed) * 450);
        Set_User_Preference(CURRENT_WEEK, static_cast<int32_t>(seed % 17));
        GAME_RECORD* game = Start_Test_Game();
        Seed_Random_Numbers(seed);
        Set_Game_Weather(game);
        EXPECT_EQ(game->Wind_Speed, INDOOR_WIND);
        EXPECT_EQ(game->Wind_Direction, INDOOR_WIND);
        EXPECT_TRUE(Is_Game_Indoors(game));
        EXPECT_GE(game->Temperature, 60) << "seed " << seed;
        EXPECT_LE(game->Temperature, 75) << "seed " << seed;
    }
}

TEST(PregameSetup, RetractableRoofClosesInBadWeather) {
    Build_Test_League();
    Set_Team_Stadium_Stat(1, 1, 2);
    int closed = 0;
    int open = 0;
    for (uint32_t seed = 1; seed <= 80; ++seed) {
        Set_Climate(0, 80000 + static_cast<int32_t>(seed % 8) * 5000,
                    30000 + static_cast<int32_t>(seed % 5) * 3000);
        Set_User_Preference(CURRENT_WEEK, static_cast<int32_t>(seed % 17));
        GAME_RECORD* game = Start_Test_Game();
        // Replay the draws of the weather to know what the sky held.
        Seed_Random_Numbers(seed);
        const int32_t month = Get_Game_Month(static_cast<int32_t>(seed % 17));
        const int32_t p = Draw_Game_Precipitation(CITY, month);
        const int32_t t = Draw_Game_Temperature(CITY, month, p);
        Seed_Random_Numbers(seed);
        Set_Game_Weather(game);
        const bool should_close = p > 90 || t < 55 || t + p / 10 >= 89;
        EXPECT_EQ(Is_Game_Indoors(game), should_close) << "seed " << seed << " p " << p << " t " << t;
        (should_close ? closed : open)++;
        if (!should_close) {
            EXPECT_LE(game->Wind_Speed, 15);
            EXPECT_LT(game->Wind_Direction, 360);
            EXPECT_EQ(game->Temperature, t);
        }
    }
    EXPECT_GT(closed, 0);
    EXPECT_GT(open, 0);
}

TEST(PregameSetup, AttendanceBlendsCapacityAndDemandAndASellOutPassesTheSeats) {
    // Demand below capacity, price at the floor: 70 % of the capacity and 30 %
    // of the demand.
    EXPECT_EQ(Compute_Attendance_From_Demand(40000, 60000, 5000, 5000), 42000 + 12000);
    // Twice the floor: share 35 %, then halved.
    EXPECT_EQ(Compute_Attendance_From_Demand(40000, 60000, 10000, 5000), (21000 + 26000) / 2);
    // A sell-out: four fifths of the seats plus a fifth of the demand, up to
    // 105 % of the seats; past that a twenty-first of the crowd above the
    // seats, and never more than 110 % of them.
    EXPECT_EQ(Compute_Attendance_From_Demand(61000, 60000, 5000, 5000), 48000 + 12200);
    EXPECT_EQ(Compute_Attendance_From_Demand(75000, 60000, 5000, 5000), 63000) << "105 % exactly";
    EXPECT_EQ(Compute_Attendance_From_Demand(90000, 60000, 5000, 5000), 66000 / 21 + 60000);
    EXPECT_EQ(Compute_Attendance_From_Demand(1000000, 60000, 5000, 5000), 66000) << "110 % of the seats";
    // Tickets far below the floor draw more than the share of the seats, and
    // this branch has no cap.
    EXPECT_EQ(Compute_Attendance_From_Demand(50000, 60000, 1000, 5000), 210000 - 125000);
    EXPECT_EQ(Compute_Attendance_From_Demand(-90000, 60000, 100000, 5000), 0) << "never negative";
    EXPECT_EQ(Compute_Attendance_From_Demand(1000, 60000, 0, 5000), 1000) << "free tickets: no share";
    // The largest stadium whose crowd past the seats a count still holds (110 %
    // of it within 32 bits): four times its seats are summed in 64 bits.
    constexpr int32_t largest = static_cast<int32_t>(INT32_MAX / 110LL * 100);
    EXPECT_EQ(Compute_Attendance_From_Demand(largest, largest, 5000, 5000), largest) << "a sell-out fills it";
    EXPECT_EQ(Compute_Attendance_From_Demand(INT32_MAX, largest, 5000, 5000),
              static_cast<int32_t>((4LL * largest + 2) / 5 + INT32_MAX / 5))
        << "four fifths of the seats and a fifth of the largest crowd";
    EXPECT_EQ(Compute_Attendance_From_Demand(INT32_MAX, INT32_MAX, 5000, 5000), INT32_MAX)
        << "the largest stadium a count holds, sold out, is full: its 105 % mark is no 32-bit figure";
}

TEST(PregameSetup, BlowoutPutsTheBackupQuarterbackIn) {
    Build_Test_League();
    Set_User_Preference(CURRENT_WEEK, 3);
    GAME_RECORD* game = Start_Test_Game();
    const int32_t starter = Get_Player_ID(0, Test_League_Slot(POSITION_QB, 0));
    const int32_t backup = Get_Player_ID(0, Test_League_Slot(POSITION_QB, 1));
    Update_Game_Depth_Charts(game);
    EXPECT_EQ(Get_Formation_Depth_Chart_Entry(0, 3, 0), starter);

    game->Clock = 3000;
    game->Score[0] = 45;
    Update_Game_Depth_Charts(game);
    EXPECT_EQ(Get_Formation_Depth_Chart_Entry(0, 3, 0), backup) << "leading by 45 in the fourth quarter";
    EXPECT_EQ(Get_Formation_Depth_Chart_Entry(0, 41, 0), Get_Player_ID(0, Test_League_Slot(POSITION_P, 0)))
        << "special teams keep their players";

    game->Score[1] = 30;
    Update_Game_Depth_Charts(game);
    EXPECT_EQ(Get_Formation_Depth_Chart_Entry(0, 3, 0), starter) << "the margin shrank";
}

TEST(PregameSetup, DepthChartRowsHoldElevenDistinctHealthyPlayers) {
    Build_Test_League();
    const int32_t hurt = Test_League_Slot(POSITION_WR, 0);
    Set_Player_Vital_Stat(0, hurt, VITAL_WEEKS_OUT, 2);
    Set_Formation_Depth_Charts(0, 0);
    for (int32_t formation = 0; formation < 48; ++formation) {
        EXPECT_EQ(Is_Slot_In_Formation_Row(0, formation, hurt), 0) << "formation " << formation;
        for (int32_t i = 0; i < 11; ++i) {
            const int32_t id = Get_Formation_Depth_Chart_Entry(0, formation, i);
            EXPECT_GT(id, 0) << "formation " << formation << " slot " << i;
            for (int32_t j = i + 1; j < 11; ++j)
                EXPECT_NE(id, Get_Formation_Depth_Chart_Entry(0, formation, j))
                    << "formation " << formation << " slots " << i << " and " << j;
        }
    }
}

TEST(PregameSetup, AllRowsAtOnceMatchEachRowBuiltAlone) {
    // Rows of formations asking for the same places are shared within one
    // rebuild; each must still be what building that formation alone gives,
    // in both blowout modes and with a hole in the healthy players.
    Build_Test_League();
    Set_Player_Vital_Stat(0, Test_League_Slot(POSITION_QB, 0), VITAL_WEEKS_OUT, 1);
    Set_Player_Vital_Stat(0, Test_League_Slot(POSITION_LB, 1), VITAL_WEEKS_OUT, 3);
    for (int32_t blowout = 0; blowout < 2; ++blowout) {
        Set_Formation_Depth_Charts(0, blowout);
        int32_t together[48][11];
        for (int32_t formation = 0; formation < 48; ++formation)
            Get_Formation_Depth_Chart_Row(0, formation, together[formation]);
        for (int32_t formation = 0; formation < 48; ++formation) {
            Build_Formation_Depth_Chart_Row(0, formation, blowout);
            int32_t alone[11];
            Get_Formation_Depth_Chart_Row(0, formation, alone);
            for (int32_t i = 0; i < 11; ++i)
                EXPECT_EQ(alone[i], together[formation][i])
                    << "blowout " << blowout << " formation " << formation << " place " << i;
        }
    }
}

TEST(PregameSetup, StarterNoLongerOnTheTeamIsReportedAndSkipped) {
    Build_Test_League();
    GAME_RECORD* game = Start_Test_Game();
    Set_Formation_Depth_Charts(0, 0);
    Set_Formation_Depth_Charts(1, 0);
    // Offensive system 0 starts from formation 1.
    Set_Team_Stat(0, TEAM_STAT_OFFENSIVE_SYSTEM, 0);
    Set_Formation_Depth_Chart_Entry(0, 1, 5, Get_Player_ID(2, 0));
    Clear_Debug_Log();
    Credit_Game_Starters(game);
    EXPECT_EQ(Count_Debug_Lines("in Credit_Game_Starters()"), 1);
}

TEST(PregameSetup, APlayerListedOnBothSidesStartsTheGameOnce) {
    Build_Test_League();
    Universe.Season_Length = 17;
    Set_User_Preference(CURRENT_WEEK, 5);
    GAME_RECORD* game = Start_Test_Game();
    Set_Formation_Depth_Charts(0, 0);
    Set_Formation_Depth_Charts(1, 0);
    Set_Team_Stat(0, TEAM_STAT_OFFENSIVE_SYSTEM, 0);
    Set_Team_Stat(0, TEAM_STAT_DEFENSIVE_SYSTEM, 0);
    // An offensive starter (formation 1) takes a place of the defence (formation 22) too.
    const int32_t two_way = Get_Formation_Depth_Chart_Entry(0, 1, 10);
    Set_Formation_Depth_Chart_Entry(0, 22, 10, two_way);
    int32_t starts[PLAYERS_PER_TEAM] = {};
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        starts[slot] = Get_Player_Stat(0, slot, SEASON_THIS, 1);
    Credit_Game_Starters(game);
    int32_t credited = 0;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        const int32_t added = Get_Player_Stat(0, slot, SEASON_THIS, 1) - starts[slot];
        EXPECT_LE(added, 1) << "slot " << slot;
        credited += added;
        if (Get_Player_ID(0, slot) == two_way) {
            EXPECT_EQ(added, 1) << "the two-way starter";
        }
    }
    EXPECT_EQ(credited, 21) << "22 places, one player in two of them";
}

TEST(PregameSetup, SetupDatesTheGameAndClearsThePlayingMarks) {
    Build_Test_League();
    Set_User_Preference(CURRENT_WEEK, 5);
    GAME_RECORD* game = Start_Test_Game();
    game->Season_Year = 0;
    Set_Player_Vital_Stat(1, 7, 27, 1);
    Seed_Random_Numbers(11);
    Setup_Game(game);
    EXPECT_EQ(game->Week, 5);
    EXPECT_EQ(game->Season_Year, TEST_BASE_YEAR);
    EXPECT_GE(game->Attendance, 0);
    EXPECT_EQ(Get_Player_Vital_Stat(1, 7, 27), 0);
    EXPECT_GT(Get_Formation_Depth_Chart_Entry(1, 22, 0), 0);
}

TEST(PregameSetup, WeatherFactors) {
    Build_Test_League();
    GAME_RECORD* game = Start_Test_Game();
    game->Wind_Speed = INDOOR_WIND;
    EXPECT_FLOAT_EQ(Get_Weather_Condition_Factor(game), 1.025f);
    EXPECT_FLOAT_EQ(Get_Kick_Distance_Factor(game), 1.0f);
    EXPECT_FLOAT_EQ(Get_Kick_Factor(game), 1.05f);

    game->Wind_Speed = 9;
    game->Wind_Direction = 90;
    game->Temperature = 70;
    game->Precipitation = 10;
    EXPECT_EQ(Get_Weather_Condition(game), WEATHER_SUNNY);
    // Wind straight behind side 0: k = (8 * 9 * 90 + 45) / 90 = 72.
    EXPECT_FLOAT_EQ(Get_Wind_Factor(game), 1.072f);
    game->Possession_Team = 1;
    EXPECT_FLOAT_EQ(Get_Wind_Factor(game), 0.928f);
    game->Wind_Direction = 300;
    game->Possession_Team = 0;
    EXPECT_LT(Get_Wind_Factor(game), 1.0f) << "a head wind for side 0";

    game->Precipitation = 130;
    game->Temperature = 20;
    EXPECT_EQ(Get_Weather_Condition(game), WEATHER_SNOW);
    EXPECT_FLOAT_EQ(Get_Weather_Condition_Factor(game), 0.9f);
}

TEST(PregameSetup, SeatingRatingReportsABadTeam) {
    Build_Test_League();
    Set_Team_Stadium_Stat(0, 5, 50);
    Set_Team_Stadium_Stat(0, 6, 60);
    Set_Team_Stadium_Stat(0, 7, 72);
    EXPECT_EQ(Get_Stadium_Seating_Rating(0), (100 + 120 + 72) / 5);
    Clear_Debug_Log();
    EXPECT_EQ(Get_Stadium_Seating_Rating(41), 0);
    EXPECT_EQ(Count_Debug_Lines("nTeam out of bounds in Get_Team_Stadium_Stat(41,"), 3);
}

// The human team keeps its starter in a watched blow-out even when only the
// other team's schedule entry carries the watch flag.
TEST(PregameSetup, WatchedBlowoutKeepsTheHumanStarterWhicheverTeamHoldsTheWatchFlag) {
    Build_Test_League();
    const int32_t week = 3;
    Prepare_Game_Week(week, 5);
    Schedule_Test_Game(1, 0, week);
    Set_User_Preference(MULTI_SEASON_SIMULATION, 0);
    GAME_RECORD* game = Start_Test_Game();
    Set_Team_Stat(0, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_Game_PBP_Flag(1, week, 1);
    ASSERT_EQ(Get_Team_Own_Schedule_Stat_1(0, week), 0) << "the flag sits in the home team's entry";
    ASSERT_EQ(Is_Game_Play_By_Play(game), 1) << "the home team's flag makes the game watched";
    const int32_t starter = Get_Player_ID(0, Test_League_Slot(POSITION_QB, 0));
    game->Clock = 3000;
    game->Score[0] = 45;
    Update_Game_Depth_Charts(game);
    EXPECT_EQ(Get_Formation_Depth_Chart_Entry(0, 3, 0), starter) << "the user's visitor keeps his starter";

    Set_Team_Stat(1, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    game->Score[0] = 0;
    game->Score[1] = 45;
    Update_Game_Depth_Charts(game);
    EXPECT_EQ(Get_Formation_Depth_Chart_Entry(1, 3, 0), Get_Player_ID(1, Test_League_Slot(POSITION_QB, 0)))
        << "the user's home team keeps its starter";

    Set_User_Preference(SIMULATION_RUNNING, 0);
    Update_Game_Depth_Charts(game);
    EXPECT_EQ(Get_Formation_Depth_Chart_Entry(1, 3, 0), Get_Player_ID(1, Test_League_Slot(POSITION_QB, 1)))
        << "a game nobody watches brings the backup in";
}

// A rebuild reads the roster afresh: a back-up made a star since the last
// build is weighed by his new ratings, and two players given one id are no
// longer told apart by their slots. Each row is then what building that
// formation alone gives, and never holds one id twice.
TEST(PregameSetup, RebuildReadsRatingsAndIdsChangedSinceTheLastOne) {
    Build_Test_League();
    // Too few healthy receivers: the fill chooses the rest by fitness.
    for (int32_t n = 1; n < Get_Position_Quota(POSITION_WR); ++n)
        Set_Player_Vital_Stat(0, Test_League_Slot(POSITION_WR, n), VITAL_WEEKS_OUT, 2);
    Set_Formation_Depth_Charts(0, 0);
    const int32_t star = Test_League_Slot(POSITION_TE, 1);
    for (int32_t rating = 0; rating < NUMBER_OF_PLAYER_RATINGS; ++rating)
        Set_Player_Rating(0, star, rating, 99.0f);
    const int32_t runner = Test_League_Slot(POSITION_RB, 1);
    Set_Player_Vital_Stat(0, runner, VITAL_PLAYER_ID, Get_Player_ID(0, Test_League_Slot(POSITION_RB, 0)));
    Set_Formation_Depth_Charts(0, 0);
    int32_t together[48][11];
    bool star_plays = false;
    for (int32_t formation = 0; formation < 48; ++formation) {
        Get_Formation_Depth_Chart_Row(0, formation, together[formation]);
        for (int32_t i = 0; i < 11; ++i) {
            star_plays |= together[formation][i] == Get_Player_ID(0, star);
            for (int32_t j = i + 1; j < 11; ++j) {
                if (together[formation][i] <= 0) continue;
                EXPECT_NE(together[formation][i], together[formation][j])
                    << "formation " << formation << " places " << i << " and " << j;
            }
        }
    }
    EXPECT_TRUE(star_plays) << "the star fills a receiver's place";
    for (int32_t formation = 0; formation < 48; ++formation) {
        Build_Formation_Depth_Chart_Row(0, formation, 0);
        int32_t alone[11];
        Get_Formation_Depth_Chart_Row(0, formation, alone);
        for (int32_t i = 0; i < 11; ++i)
            EXPECT_EQ(alone[i], together[formation][i]) << "formation " << formation << " place " << i;
    }
}

// In the off-season a player out for a few weeks is still available: his
// places are asked of the roster queries rather than read from the index.
// Every row is still what building that formation alone gives, and the
// next rebuild follows a starter's return to health.
TEST(PregameSetup, RowsWithAvailableInjuredPlayersMatchEachRowBuiltAlone) {
    Build_Test_League();
    Set_User_Preference(CURRENT_WEEK, 100);
    const int32_t qb = Test_League_Slot(POSITION_QB, 0);
    Set_Player_Vital_Stat(0, qb, VITAL_WEEKS_OUT, 2);
    Set_Player_Vital_Stat(0, Test_League_Slot(POSITION_WR, 1), VITAL_WEEKS_OUT, 3);
    for (int32_t rebuild = 0; rebuild < 2; ++rebuild) {
        Set_Formation_Depth_Charts(0, 0);
        int32_t together[48][11];
        for (int32_t formation = 0; formation < 48; ++formation)
            Get_Formation_Depth_Chart_Row(0, formation, together[formation]);
        for (int32_t formation = 0; formation < 48; ++formation) {
            Build_Formation_Depth_Chart_Row(0, formation, 0);
            int32_t alone[11];
            Get_Formation_Depth_Chart_Row(0, formation, alone);
            for (int32_t i = 0; i < 11; ++i)
                EXPECT_EQ(alone[i], together[formation][i])
                    << "rebuild " << rebuild << " formation " << formation << " place " << i;
        }
        Set_Player_Vital_Stat(0, qb, VITAL_WEEKS_OUT, 0);
    }
    EXPECT_EQ(Get_Formation_Depth_Chart_Entry(0, 3, 0), Get_Player_ID(0, qb)) << "the healed starter is back";
}

// A player stands in a formation row wherever his id is, the first place
// of the first formation and the last place of the last one included;
// nobody, an empty slot or another team's row holds no one of the team.
TEST(PregameSetup, APlayerIsFoundInAnyRowOfHisTeam) {
    Build_Test_League();
    Set_Formation_Depth_Charts(0, 0);
    const int32_t slot = Test_League_Slot(POSITION_QB, 2);
    const int32_t id = Get_Player_ID(0, slot);
    for (int32_t formation = 0; formation < 48; ++formation)
        for (int32_t i = 0; i < 11; ++i)
            if (Get_Formation_Depth_Chart_Entry(0, formation, i) == id)
                Set_Formation_Depth_Chart_Entry(0, formation, i, 0);
    EXPECT_EQ(Is_Slot_In_Any_Formation_Row(0, slot), 0);
    Set_Formation_Depth_Chart_Entry(0, 47, 10, id);
    EXPECT_EQ(Is_Slot_In_Any_Formation_Row(0, slot), 1) << "the last place of the last formation";
    Set_Formation_Depth_Chart_Entry(0, 47, 10, 0);
    Set_Formation_Depth_Chart_Entry(0, 0, 0, id);
    EXPECT_EQ(Is_Slot_In_Any_Formation_Row(0, slot), 1) << "the first place of the first formation";
    Set_Player_Vital_Stat(0, slot, VITAL_PLAYER_ID, 0);
    EXPECT_EQ(Is_Slot_In_Any_Formation_Row(0, slot), 0) << "an empty slot is in no row";
    EXPECT_EQ(Is_Slot_In_Any_Formation_Row(41, 0), 0) << "a team out of range";
}
