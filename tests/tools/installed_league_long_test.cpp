// Ten seasons of a game started on the installed 2019 league, from several
// seeds: every season ends with a champion and begins the next year, and the
// league keeps the rules of play at every season's end and start. The
// league's figures per team and game over all the seasons are printed beside
// the real league's of 2019. A long run: `ctest -L long`; ten to fifteen
// seconds a seed.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "database/game_queries.h"
#include "database/league_structure.h"
#include "database/random_numbers.h"
#include "database/roster_slots.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/universe.h"
#include "platform/message_box.h"
#include "season/game_start.h"
#include "season/season_calendar.h"
#include "season/week_advance.h"
#include "support/league_checks.h"
#include "support/league_figures.h"
#include "support/scratch_folder.h"

namespace {
constexpr int32_t SEASONS = 10;
// Each seed is a path of its own through the ten seasons.
constexpr uint32_t SEEDS[] = {1, 4, 5, 6, 2019};

std::string Installation() {
    const char* data = std::getenv("KORVA_DATA_DIR");
    return data != nullptr ? data : KORVA_DATA_DIR;
}

// The games of the season just played, regular season and playoffs.
void Add_Season_Games(LEAGUE_FIGURES& figures) {
    for (int32_t n = 0; n < MAX_GAME_RECORDS; ++n)
        if (Universe.Games[n].Season_Year != 0 && Is_Game_Record_Used(n))
            Add_Game_To_Figures(figures, Universe.Games[n]);
}

// Per team and game (half of the per-game figures of both teams), beside
// the real league's averages of its 2019 season.
void Print_Figures_Beside_2019(const LEAGUE_FIGURES& f) {
    const double team_games = 2.0 * static_cast<double>(f.Games);
    const auto per_team = [team_games](int64_t total) { return team_games > 0 ? total / team_games : 0.0; };
    const struct {
        const char* Name;
        double Ours;
        double Real;
    } rows[] = {
        {"points", per_team(f.Points), 22.8},
        {"plays", per_team(f.Plays), 63.2},
        {"pass attempts", per_team(f.Pass_Attempts), 34.6},
        {"completion rate %", 100.0 * Figures_Completion_Rate(f), 63.5},
        {"yards per attempt", Figures_Yards_Per_Attempt(f), 7.2},
        {"yards per carry", Figures_Yards_Per_Rush(f), 4.3},
        {"rushes", per_team(f.Rushes), 26.8},
        {"sacks", per_team(f.Sacks), 2.5},
        {"interceptions", per_team(f.Interceptions), 0.8},
        {"fumbles lost", per_team(f.Fumbles_Lost), 0.5},
        {"punts", per_team(f.Punts), 4.3},
        {"field goal attempts", per_team(f.Field_Goals_Tried), 1.8},
        {"field goal rate %", 100.0 * Figures_Field_Goal_Rate(f), 79.5},
        {"extra point rate %", 100.0 * Figures_Extra_Point_Rate(f), 93.6},
        {"penalties", per_team(f.Penalties), 6.9},
    };
    std::printf("%lld games; per team and game:\n%-22s %8s %8s\n", static_cast<long long>(f.Games), "",
                "league", "2019");
    for (const auto& row : rows)
        std::printf("%-22s %8.2f %8.2f\n", row.Name, row.Ours, row.Real);
}

// Plays ten seasons from the seed, adding their games to the figures.
void Play_Ten_Seasons(uint32_t seed, LEAGUE_FIGURES& figures) {
    const PLAYING_FOLDER playing("ten-seasons-2019");
    const std::string path = Installation() + "/Databases/Universe-2019.dat";
    // The load creates the missing draft pool, and with it names, from the
    // generator as it stands: seeded before it too, the path is the seed's
    // whatever ran before in this process.
    Seed_Random_Numbers(seed);
    ASSERT_EQ(Load_Game(path.c_str()), 1);
    Seed_Random_Numbers(seed);
    Clear_Shown_Messages();
    Set_All_Teams_Computer_Controlled();
    Start_Game(0);
    ASSERT_EQ(Find_League_Faults(), "") << "the new game";
    const int32_t hall_of_fame = Get_First_Empty_Player_Slot(HALL_OF_FAME_TEAM);
    const int64_t games_before = figures.Games;

    for (int32_t season = 0; season < SEASONS; ++season) {
        SCOPED_TRACE(2019 + season);
        // The season is played as Simulate_Seasons plays it, stopping once
        // the champion is decided so that its games can be counted.
        Set_User_Preference(MULTI_SEASON_SIMULATION, 1);
        for (int32_t advance = 0; advance < 4 && !Is_Champion_Decided(); ++advance)
            Advance_Weeks(22);
        Set_User_Preference(MULTI_SEASON_SIMULATION, 0);
        ASSERT_TRUE(Is_Champion_Decided());
        // The weekly cap passes have run since the off-season's crossings;
        // the positions are not checked here, as a team out of the race
        // may release a player its position needs until the next fill.
        EXPECT_EQ(Find_Cap_Pass_Faults(), "") << "the season's end";
        Add_Season_Games(figures);
        Simulate_Seasons(1);
        Clear_Shown_Messages();
        ASSERT_EQ(Get_Current_Year(), 2020 + season);
        ASSERT_EQ(Get_User_Preference(CURRENT_WEEK), 0);
        EXPECT_EQ(Find_Played_League_Faults(), "") << "the season's start";
    }
    EXPECT_GE(Get_First_Empty_Player_Slot(HALL_OF_FAME_TEAM), hall_of_fame)
        << "the Hall of Fame keeps its members";
    EXPECT_GT(figures.Games - games_before, SEASONS * 256);
}
} // namespace

TEST(InstalledLeagueLong, TenSeasonsOfAGameStartedOnThe2019League) {
    LEAGUE_FIGURES figures{};
    for (uint32_t seed : SEEDS) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        Play_Ten_Seasons(seed, figures);
    }
    Print_Figures_Beside_2019(figures);
}
