// The test league every test and benchmark builds takes the season playbooks
// of the folder it is built in, whatever folder an earlier build stood in:
// a league kept from a folder without playbooks is never handed out beside
// playbooks, nor the other way round.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "database/league_structure.h"
#include "database/safe_strings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "engine/offensive_systems.h"
#include "playbooks/playbook_files.h"
#include "support/test_league.h"

namespace {
namespace fs = std::filesystem;

std::string First_Team_Notes() {
    return std::string(Universe.Teams[0].Playbooks.Offense.Notes,
                       strnlen(Universe.Teams[0].Playbooks.Offense.Notes, PLAYBOOK_NOTES_LENGTH));
}

// Writes the league's first team's offensive book, with `notes`, as the
// season playbook it is given, into `folder`'s playbooks.
void Write_First_Team_Season_Playbook(const fs::path& folder, const char* notes) {
    const char* name =
        Get_Season_Playbook_Name(Get_Current_Year(), 0, Get_Team_Stat(0, TEAM_STAT_OFFENSIVE_SYSTEM));
    fs::create_directories(folder / "playbooks");
    safe_strncpy(Universe.Teams[0].Playbooks.Offense.Notes, notes, PLAYBOOK_NOTES_LENGTH);
    const std::string path = (folder / "playbooks" / (std::string(name) + ".opb")).string();
    ASSERT_EQ(Write_Team_Playbook_File(path.c_str(), 0, 0), 0);
}
} // namespace

TEST(TestLeague, TakesTheSeasonPlaybooksOfTheFolderItIsBuiltIn) {
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
    const fs::path root = fs::absolute("league_folders");
    fs::remove_all(root);
    const fs::path bare = root / "bare", booked = root / "booked";
    fs::create_directories(bare);
    fs::create_directories(booked);

    ASSERT_EQ(chdir(bare.c_str()), 0);
    Build_Test_League();
    const std::string built_in = First_Team_Notes();
    Write_First_Team_Season_Playbook(booked, "Folder playbook");

    ASSERT_EQ(chdir(booked.c_str()), 0);
    Build_Test_League();
    EXPECT_EQ(First_Team_Notes(), "Folder playbook") << "a league kept from a bare folder was handed out";
    // The same file name and size with other contents is another folder's book.
    Write_First_Team_Season_Playbook(booked, "Other playbook!");
    Build_Test_League();
    EXPECT_EQ(First_Team_Notes(), "Other playbook!");

    ASSERT_EQ(chdir(bare.c_str()), 0);
    Build_Test_League();
    EXPECT_EQ(First_Team_Notes(), built_in) << "a league kept beside playbooks was handed out";
    EXPECT_NE(built_in, "Folder playbook");

    ASSERT_EQ(chdir(previous), 0);
    fs::remove_all(root);
}
