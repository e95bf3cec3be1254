// The shipped playbooks in play: the computer's play caller, choosing from a
// vertical book, throws deeper than from a west-coast book. The caller looks
// for plays near the yards it wants, so the books' gap (about nine yards of
// mean depth) shows in games as about two yards, a quarter deeper.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "database/universe.h"
#include "engine/playbook_records.h"
#include "playbooks/playbook_files.h"
#include "support/game_runner.h"
#include "support/test_league.h"

namespace {

// Mean catch depth of the primary routes of the passes a team called, by the
// playbook's own call counters.
double Called_Pass_Depth(int32_t team) {
    const OFFENSIVE_RESULT_DATA& results = Universe.Teams[team].Playbooks.Offense.Results;
    double depth = 0.0;
    int calls = 0;
    for (int p = 0; p < STORED_OFFENSIVE_PLAYS; ++p) {
        if (!Is_Passing_Play(team, p)) continue;
        const int32_t primary = Get_Offensive_Play_Primary_Receiver(team, p);
        const int n = results.Called[p][0];
        depth += static_cast<double>(n) *
                 Get_Pass_Route_Catch_Depth(Get_Offensive_Play_Route(team, p, primary - 1));
        calls += n;
    }
    return calls > 0 ? depth / calls : 0.0;
}

} // namespace

TEST(InstalledPlaybookGames, VerticalBooksThrowDeeperThanWestCoastBooks) {
    Build_Test_League();
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
    std::filesystem::remove_all("games");
    std::filesystem::create_directory("games");
    std::filesystem::create_directory_symlink(std::filesystem::path(KORVA_DATA_DIR) / "playbooks",
                                              "games/playbooks");
    ASSERT_EQ(chdir("games"), 0);
    // Every week pairs an even team against an odd one.
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        ASSERT_EQ(Load_Playbook_File(team, 0, team % 2 == 0 ? "Vertical Passing" : "West Coast"), 1);
    for (int32_t week = 0; week < 2; ++week) {
        Prepare_Game_Week(week, 2019u + static_cast<uint32_t>(week));
        ASSERT_EQ(Play_Test_Week(week), 16);
    }
    ASSERT_EQ(chdir(previous), 0);
    std::filesystem::remove_all("games");

    double vertical = 0.0;
    double west_coast = 0.0;
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        (team % 2 == 0 ? vertical : west_coast) += Called_Pass_Depth(team) / (TEST_LEAGUE_TEAMS / 2);
    EXPECT_GT(vertical, west_coast * 1.15) << "vertical " << vertical << ", west coast " << west_coast;
}
