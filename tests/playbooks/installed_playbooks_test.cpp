// The playbooks the build writes into the installation: every name the game
// opens loads, the books are sound, and each system plays the way its name
// promises.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "database/league_structure.h"
#include "database/team_record.h"
#include "engine/defensive_play_calling.h"
#include "engine/formations.h"
#include "engine/offensive_systems.h"
#include "engine/playbook_records.h"
#include "engine/playbook_test_support.h"
#include "playbooks/play_cards.h"
#include "playbooks/playbook_files.h"
#include "playbooks/playbook_queries.h"

namespace {

// Books are read into a pool record, whose playbook no game uses.
constexpr int BOOK_TEAM = 36;

// Works in a fresh folder whose "playbooks" is the installation's, so that
// the game's relative paths find the shipped files and nothing is written
// into the installation.
class InstalledPlaybooks : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(getcwd(previous_, sizeof previous_), nullptr);
        std::filesystem::remove_all("installed");
        std::filesystem::create_directory("installed");
        std::filesystem::create_directory_symlink(std::filesystem::path(KORVA_DATA_DIR) / "playbooks",
                                                  "installed/playbooks");
        ASSERT_EQ(chdir("installed"), 0);
        Reset_Test_League(32);
        Clear_Debug_Log();
    }
    void TearDown() override {
        ASSERT_EQ(chdir(previous_), 0);
        std::filesystem::remove_all("installed");
    }

  private:
    char previous_[4096] = {};
};

// Every offensive playbook name the game opens: the systems' books, the eras'
// books, the season tables and the season builder's running-quarterback book.
std::vector<std::string> Opened_Offensive_Names() {
    std::set<std::string> names(Offensive_System_Playbook_Names,
                                Offensive_System_Playbook_Names + NUMBER_OF_OFFENSIVE_SYSTEMS);
    for (const auto& season : Season_Playbook_Table)
        for (const char* name : season)
            names.insert(name);
    for (int32_t year : {1950, 1965, 1990, 2030})
        for (int32_t system = 0; system < NUMBER_OF_OFFENSIVE_SYSTEMS; ++system)
            names.insert(Get_Season_Playbook_Name(year, 40, system));
    names.insert("Running-QB");
    return std::vector<std::string>(names.begin(), names.end());
}

std::vector<std::string> Opened_Defensive_Names() {
    std::vector<std::string> names;
    for (int32_t system = 0; system < 2; ++system) {
        char name[16] = "";
        Get_Defensive_System_Name(name, system);
        names.push_back(name);
    }
    return names;
}

bool Is_Back(int32_t position) {
    return position == 1 || position == 2;
}

// What a book holds, counted over its 54 plays.
struct BOOK_FIGURES {
    int Plays = 0;
    int Runs = 0;
    int Passes = 0;
    int Quarterback_Runs = 0; // the quarterback sneak not counted
    int Fullback_Runs = 0;
    int Moving_Passes = 0; // rollouts and bootlegs
    int Shotgun = 0;
    int Two_Backs = 0;
    int Two_Tight_Ends = 0;
    int Pistol = 0;
    double Pass_Depth = 0.0; // mean catch depth of the primary routes
    double Run_Share() const { return static_cast<double>(Runs) / Plays; }
    double Share(int count) const { return static_cast<double>(count) / Plays; }
};

BOOK_FIGURES Figures_Of(const char* name) {
    BOOK_FIGURES f;
    EXPECT_EQ(Load_Playbook_File(BOOK_TEAM, 0, name), 1) << name;
    int depth_sum = 0;
    for (int p = 0; p < STORED_OFFENSIVE_PLAYS; ++p) {
        if (!Is_Offensive_Play_Defined(BOOK_TEAM, p)) continue;
        ++f.Plays;
        const int32_t formation = Get_Offensive_Play_Formation(BOOK_TEAM, p);
        const int32_t primary = Get_Offensive_Play_Primary_Receiver(BOOK_TEAM, p);
        int backs = 0;
        int tight_ends = 0;
        for (int slot = 1; slot <= PLAY_RECEIVERS; ++slot) {
            const int32_t position = Get_Formation_Slot_Position(formation, slot, FORMATION_SLOT_POSITION);
            backs += Is_Back(position) ? 1 : 0;
            tight_ends += position == 3 ? 1 : 0;
        }
        f.Shotgun += Is_Shotgun_Snap_Formation(formation) ? 1 : 0;
        f.Two_Backs += backs >= 2 ? 1 : 0;
        f.Two_Tight_Ends += tight_ends >= 2 ? 1 : 0;
        f.Pistol += formation == 18 ? 1 : 0;
        if (Is_Running_Play(BOOK_TEAM, p)) {
            ++f.Runs;
            char play_name[PLAY_NAME_LENGTH];
            Get_Offensive_Play_Name(BOOK_TEAM, p, play_name, sizeof play_name);
            if (primary == 0 && std::strcmp(play_name, "QB Sneak") != 0) ++f.Quarterback_Runs;
            if (primary > 0 && Get_Formation_Slot_Position(formation, primary, FORMATION_SLOT_POSITION) == 2)
                ++f.Fullback_Runs;
        } else if (Is_Passing_Play(BOOK_TEAM, p)) {
            ++f.Passes;
            f.Moving_Passes += Is_Rollout_Or_Bootleg_Play(BOOK_TEAM, p) ? 1 : 0;
            depth_sum += Get_Pass_Route_Catch_Depth(Get_Offensive_Play_Route(BOOK_TEAM, p, primary - 1));
        }
    }
    f.Pass_Depth = f.Passes > 0 ? static_cast<double>(depth_sum) / f.Passes : 0.0;
    return f;
}

} // namespace

TEST_F(InstalledPlaybooks, EveryBookTheGameOpensLoadsWhole) {
    for (const std::string& name : Opened_Offensive_Names()) {
        ASSERT_EQ(Load_Playbook_File(BOOK_TEAM, 0, name.c_str()), 1) << name;
        EXPECT_STREQ(Universe.Teams[BOOK_TEAM].Playbooks.Offense.Name, name.c_str());
        // As the readme says: no shipped book chooses plays for the card
        // kit, whose play cards then come out bare.
        EXPECT_EQ(Count_Chosen_Play_Cards(BOOK_TEAM), 0) << name;
    }
    for (const std::string& name : Opened_Defensive_Names())
        ASSERT_EQ(Load_Playbook_File(BOOK_TEAM, 1, name.c_str()), 1) << name;
    EXPECT_EQ(Count_All_Debug_Lines(), 0) << "no file is missing, short or in need of repair:\n"
                                          << Read_Debug_Log_Text();
}

TEST_F(InstalledPlaybooks, AssigningSystemsInEveryEraFindsEveryBook) {
    for (int32_t year : {1955, 1970, 1999, 2016, 2017, 2018, 2019, 2020, 2021, 2022}) {
        Universe.Header.Universe_Stats[BASE_YEAR] = year;
        Assign_Team_Offensive_Systems();
    }
    EXPECT_EQ(Count_Debug_Lines("Unable to open playbook file"), 0) << Read_Debug_Log_Text();
    EXPECT_STREQ(Universe.Teams[31].Playbooks.Offense.Name, "Pistol Scramble");
}

// Every play is one the engine can run: a scrimmage formation, a run carried
// by a back or the quarterback through a hole, a pass to an eligible receiver
// on a receiving route; names are unique within a book.
TEST_F(InstalledPlaybooks, EveryPlayIsSoundAndNamedOnce) {
    for (const std::string& name : Opened_Offensive_Names()) {
        ASSERT_EQ(Load_Playbook_File(BOOK_TEAM, 0, name.c_str()), 1) << name;
        std::set<std::string> names;
        for (int p = 0; p < STORED_OFFENSIVE_PLAYS; ++p) {
            ASSERT_TRUE(Is_Offensive_Play_Defined(BOOK_TEAM, p)) << name << " play " << p;
            char play_name[PLAY_NAME_LENGTH];
            Get_Offensive_Play_Name(BOOK_TEAM, p, play_name, sizeof play_name);
            EXPECT_TRUE(names.insert(play_name).second) << name << ": " << play_name;
            const int32_t formation = Get_Offensive_Play_Formation(BOOK_TEAM, p);
            const int32_t primary = Get_Offensive_Play_Primary_Receiver(BOOK_TEAM, p);
            ASSERT_TRUE(formation >= 0 && formation < FIRST_DEFENSIVE_FORMATION) << name << ": " << play_name;
            const int32_t carrier = Get_Formation_Slot_Position(formation, primary, FORMATION_SLOT_POSITION);
            if (Is_Running_Play(BOOK_TEAM, p)) {
                const int32_t hole = Get_Offensive_Play_Depth(BOOK_TEAM, p);
                EXPECT_TRUE(hole >= 0 && hole <= 9) << name << ": " << play_name;
                EXPECT_TRUE(primary == 0 || Is_Back(carrier) || Is_Reverse_Play(BOOK_TEAM, p))
                    << name << ": " << play_name;
            } else {
                ASSERT_TRUE(Is_Passing_Play(BOOK_TEAM, p)) << name << ": " << play_name;
                ASSERT_TRUE(primary >= 1 && primary <= PLAY_RECEIVERS) << name << ": " << play_name;
                const int32_t route = Get_Offensive_Play_Route(BOOK_TEAM, p, primary - 1);
                EXPECT_TRUE((route >= 0 && route <= 36) || route == 55) << name << ": " << play_name;
            }
        }
        // Each call the play caller makes finds plays: runs, draws and passes
        // short enough for the goal line.
        int draws = 0;
        int goal_line_passes = 0;
        for (int p = 0; p < STORED_OFFENSIVE_PLAYS; ++p) {
            draws += Get_Offensive_Play_Type(BOOK_TEAM, p) == PLAY_TYPE_DRAW ? 1 : 0;
            goal_line_passes += Get_Offensive_Play_Category(BOOK_TEAM, p) == CATEGORY_SHORT_PASS ? 1 : 0;
        }
        EXPECT_GE(draws, 2) << name;
        EXPECT_GE(goal_line_passes, 5) << name;
    }
}

TEST_F(InstalledPlaybooks, OffensiveSystemsDifferAsTheirNamesPromise) {
    const BOOK_FIGURES standard = Figures_Of("Default");
    const BOOK_FIGURES west_coast = Figures_Of("West Coast");
    const BOOK_FIGURES smash_mouth = Figures_Of("Smash Mouth");
    const BOOK_FIGURES vertical = Figures_Of("Vertical Passing");
    const BOOK_FIGURES pocket = Figures_Of("Pocket Passer");
    const BOOK_FIGURES running_qb = Figures_Of("Running QB");
    const BOOK_FIGURES pistol = Figures_Of("Pistol");
    const BOOK_FIGURES old_school = Figures_Of("Old School");
    const BOOK_FIGURES fullback = Figures_Of("Featured FB");
    const BOOK_FIGURES two_back = Figures_Of("Two Back");
    const BOOK_FIGURES tight = Figures_Of("Double Tight End");
    const BOOK_FIGURES single_back = Figures_Of("Single Back");

    EXPECT_GE(smash_mouth.Run_Share(), west_coast.Run_Share() + 0.15) << "Smash Mouth runs more";
    EXPECT_GE(old_school.Run_Share(), 0.6);
    EXPECT_LE(pocket.Run_Share(), standard.Run_Share() - 0.05);
    EXPECT_LE(vertical.Run_Share(), standard.Run_Share() - 0.05);

    EXPECT_GE(vertical.Pass_Depth, standard.Pass_Depth + 5.0) << "the vertical game throws deeper";
    EXPECT_LE(west_coast.Pass_Depth, standard.Pass_Depth - 2.0) << "the west coast throws short";

    EXPECT_GE(running_qb.Quarterback_Runs, 10);
    EXPECT_EQ(pocket.Quarterback_Runs, 0);
    EXPECT_EQ(pocket.Moving_Passes, 0) << "a pocket passer stays in the pocket";
    EXPECT_GE(Figures_Of("West Coast Scramble").Moving_Passes, west_coast.Moving_Passes + 6);
    EXPECT_GE(Figures_Of("Pistol Scramble").Moving_Passes, pistol.Moving_Passes + 6);

    EXPECT_GE(fullback.Fullback_Runs, 12) << "the fullback carries";
    EXPECT_GT(fullback.Fullback_Runs, 2 * standard.Fullback_Runs);
    EXPECT_GE(pistol.Share(pistol.Pistol), 0.5);
    EXPECT_GE(tight.Share(tight.Two_Tight_Ends), 0.5);
    EXPECT_GE(two_back.Share(two_back.Two_Backs), 0.6);
    EXPECT_LE(single_back.Share(single_back.Two_Backs), 0.25);
    EXPECT_LE(old_school.Shotgun, 1) << "only the desperation heave comes from the shotgun";
    EXPECT_GE(pocket.Share(pocket.Shotgun), 0.6);
    EXPECT_GE(vertical.Share(vertical.Shotgun), 0.6);
}

TEST_F(InstalledPlaybooks, DefensiveFrontsFitTheirSchemeAndPlayTheirStyle) {
    struct FRONT {
        int Fitting = 0;
        double Rushers = 0.0;
        int Man = 0;
        int Zone = 0;
    };
    FRONT fronts[2];
    for (int32_t system = 0; system < 2; ++system) {
        ASSERT_EQ(Load_Playbook_File(BOOK_TEAM, 1, Opened_Defensive_Names()[system].c_str()), 1);
        FRONT& front = fronts[system];
        int rushers = 0;
        for (int d = 0; d < DEFENSIVE_PLAYS; ++d) {
            ASSERT_TRUE(Is_Defensive_Play_Defined(BOOK_TEAM, d));
            const int32_t formation = Get_Defensive_Play_Formation(BOOK_TEAM, d);
            front.Fitting += Get_Defensive_Formation_System_Match(system, formation) >= 1000 ? 1 : 0;
            for (int slot = 0; slot < PLAY_DEFENDERS; ++slot) {
                const int32_t role = Get_Defensive_Play_Role(BOOK_TEAM, d, slot);
                rushers += role <= 3 ? 1 : 0;
                front.Man += role >= 12 ? 1 : 0;
                front.Zone += role >= 8 && role <= 11 ? 1 : 0;
            }
        }
        front.Rushers = rushers / 30.0;
        // The computer's caller finds plays for every formation it asks for,
        // from the goal-line 4-4 to the prevent.
        for (int32_t asked : {22, 25, 27, 28, 29, 30, 34, 35, 36, 37}) {
            int near = 0;
            for (int d = 0; d < DEFENSIVE_PLAYS; ++d)
                near += Get_Pass_Focus_Match(asked, Get_Defensive_Play_Formation(BOOK_TEAM, d)) > 0 ? 1 : 0;
            EXPECT_GE(near, 2) << Opened_Defensive_Names()[system] << " asked " << asked;
        }
    }
    // At least ten fitting plays, so changing to the scheme offers no other book.
    EXPECT_GE(fronts[0].Fitting, 20);
    EXPECT_GE(fronts[1].Fitting, 20);
    EXPECT_GT(fronts[1].Rushers, fronts[0].Rushers + 0.2) << "the 3-4 brings more pressure";
    EXPECT_GT(fronts[1].Man, fronts[0].Man) << "the 3-4 plays more man coverage";
    EXPECT_GT(fronts[0].Zone, fronts[1].Zone) << "the 4-3 plays more zone";
}
