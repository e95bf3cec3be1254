#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "database/league_structure.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "engine/offensive_systems.h"
#include "support/installation_folders.h"

TEST(OffensiveSystems, NicknamesKeepTheirSystemOthersFollowTheEra) {
    EXPECT_EQ(Get_Offensive_System_For_Nickname("Colts", 1995), 1);
    EXPECT_EQ(Get_Offensive_System_For_Nickname("49ers", 1980), 3);
    EXPECT_EQ(Get_Offensive_System_For_Nickname("Patriots", 2019), 2);
    EXPECT_EQ(Get_Offensive_System_For_Nickname("Saints", 1970), 3);
    EXPECT_EQ(Get_Offensive_System_For_Nickname("Bears", 1995), 0);
    EXPECT_EQ(Get_Offensive_System_For_Nickname("Bears", 2005), 0);
    EXPECT_EQ(Get_Offensive_System_For_Nickname("Bears", 2010), 1);
    EXPECT_EQ(Get_Offensive_System_For_Nickname("colts", 1995), 0) << "nicknames match exactly";
    EXPECT_EQ(Get_Offensive_System_For_Nickname(nullptr, 2010), 1);
}

TEST(OffensiveSystems, PlaybookNamesOfTheSystems) {
    char buffer[32];
    const char* expected[] = {"Default", "West Coast", "Double Tight End", "Two Back"};
    for (int32_t s = 0; s < 4; ++s) {
        Get_Offensive_System_Playbook_Name(buffer, sizeof buffer, s);
        EXPECT_STREQ(buffer, expected[s]);
    }
    Get_Offensive_System_Playbook_Name(buffer, sizeof buffer, 4);
    EXPECT_STREQ(buffer, "Default");
    Get_Offensive_System_Playbook_Name(buffer, sizeof buffer, -1);
    EXPECT_STREQ(buffer, "Default");
    char small[5];
    Get_Offensive_System_Playbook_Name(small, sizeof small, 2);
    EXPECT_STREQ(small, "Doub");
}

TEST(OffensiveSystems, PlaybookByEra) {
    EXPECT_STREQ(Get_Season_Playbook_Name(1955, 3, 1), "Old School");
    EXPECT_STREQ(Get_Season_Playbook_Name(1960, 3, 1), "Featured FB");
    EXPECT_STREQ(Get_Season_Playbook_Name(1970, 3, 0), "Featured FB");
    EXPECT_STREQ(Get_Season_Playbook_Name(1977, 3, 0), "Featured FB");
    EXPECT_STREQ(Get_Season_Playbook_Name(1978, 3, 0), "Default");
    EXPECT_STREQ(Get_Season_Playbook_Name(1995, 3, 1), "West Coast");
    EXPECT_STREQ(Get_Season_Playbook_Name(2015, 3, 3), "Two Back");
}

TEST(OffensiveSystems, SeasonTablesFrom2016) {
    EXPECT_STREQ(Get_Season_Playbook_Name(2016, 16, 1), "Single Back");
    EXPECT_STREQ(Get_Season_Playbook_Name(2017, 16, 1), "Vertical Passing");
    EXPECT_STREQ(Get_Season_Playbook_Name(2016, 17, 1), "Pistol");
    EXPECT_STREQ(Get_Season_Playbook_Name(2018, 2, 1), "Running QB");
    EXPECT_STREQ(Get_Season_Playbook_Name(2019, 2, 1), "Running QB");
    EXPECT_STREQ(Get_Season_Playbook_Name(2020, 2, 1), "Single Back");
    EXPECT_STREQ(Get_Season_Playbook_Name(2020, 16, 1), "Pistol Scramble");
    EXPECT_STREQ(Get_Season_Playbook_Name(2021, 29, 1), "Pocket Passer");
    EXPECT_STREQ(Get_Season_Playbook_Name(2019, 29, 1), "West Coast Scramble");
    EXPECT_STREQ(Get_Season_Playbook_Name(2035, 29, 1), "Pocket Passer") << "later years keep the 2021 table";
    EXPECT_STREQ(Get_Season_Playbook_Name(2016, 31, 0), "Pistol Scramble");
    EXPECT_STREQ(Get_Season_Playbook_Name(2016, 0, 0), "Single Back");

    // The 2018 and 2019 tables are the same, as are 2020 and 2021.
    for (int32_t slot = 0; slot < SEASON_PLAYBOOK_TEAMS; ++slot) {
        EXPECT_STREQ(Get_Season_Playbook_Name(2018, slot, 0), Get_Season_Playbook_Name(2019, slot, 0))
            << slot;
        EXPECT_STREQ(Get_Season_Playbook_Name(2020, slot, 0), Get_Season_Playbook_Name(2021, slot, 0))
            << slot;
    }
    // Slots 3 to 15 and 27, 28, 30, 31 never change over the tables' years.
    const char* expected_2016[SEASON_PLAYBOOK_TEAMS] = {
        "Single Back",
        "Single Back",
        "Single Back",
        "Smash Mouth",
        "Running QB",
        "West Coast Scramble",
        "Smash Mouth",
        "Smash Mouth",
        "West Coast Scramble",
        "Single Back",
        "Vertical Passing",
        "West Coast Scramble",
        "Single Back",
        "West Coast Scramble",
        "West Coast Scramble",
        "Single Back",
        "Single Back",
        "Pistol",
        "Smash Mouth",
        "Single Back",
        "Vertical Passing",
        "Single Back",
        "Smash Mouth",
        "Pistol Scramble",
        "Pistol Scramble",
        "Smash Mouth",
        "Vertical Passing",
        "Running QB",
        "Pistol",
        "West Coast Scramble",
        "Smash Mouth",
        "Pistol Scramble",
    };
    for (int32_t slot = 0; slot < SEASON_PLAYBOOK_TEAMS; ++slot)
        EXPECT_STREQ(Get_Season_Playbook_Name(2016, slot, 0), expected_2016[slot]) << "2016 slot " << slot;
    const char* expected_2021_tail[] = {
        "Pistol Scramble",  "Vertical Passing", "Single Back", "Pistol",          "Smash Mouth", "Running QB",
        "Vertical Passing", "Single Back",      "Smash Mouth", "Pistol Scramble", "Smash Mouth"};
    for (int32_t i = 0; i < 11; ++i)
        EXPECT_STREQ(Get_Season_Playbook_Name(2021, 16 + i, 0), expected_2021_tail[i])
            << "2021 slot " << 16 + i;
}

TEST(OffensiveSystems, SlotsBeyondTheTablesKeepTheSystemPlaybook) {
    EXPECT_STREQ(Get_Season_Playbook_Name(2018, 32, 2), "Double Tight End");
    EXPECT_STREQ(Get_Season_Playbook_Name(2022, 35, 1), "West Coast");
    EXPECT_STREQ(Get_Season_Playbook_Name(2022, -1, 9), "Default");
}

namespace {
void Write_Offensive_Playbook_File(const char* name, const char* notes) {
    static OFFENSIVE_PLAYBOOK image;
    std::memset(&image, 0, sizeof image);
    std::strcpy(image.Notes, notes);
    // A playbook file holds at least one play.
    std::strcpy(image.Plays[0].Name, "Dive");
    std::filesystem::create_directories("playbooks");
    std::ofstream file(std::string("playbooks/") + name + ".opb", std::ios::binary);
    file.write(reinterpret_cast<const char*>(&image), sizeof image);
}

void Set_Up_Team(int32_t team, const char* nickname, int32_t control) {
    std::memset(&Universe.Teams[team], 0, sizeof(TEAM_RECORD));
    std::strcpy(Universe.Teams[team].Strings[2], nickname);
    Universe.Teams[team].Team_Stats[TEAM_STAT_CONTROL] = control;
    std::strcpy(Universe.Teams[team].Playbooks.Offense.Notes, "before");
}
} // namespace

TEST(OffensiveSystems, AssignStoresSystemsAndLoadsEachActiveTeamsPlaybook) {
    // Only the files written here: none of the installation's playbooks.
    const FOLDER_SET_ASIDE installed_playbooks("playbooks");
    Write_Offensive_Playbook_File("West Coast", "west coast file");
    Write_Offensive_Playbook_File("Default", "default file");
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team)
        Universe.Teams[team].Team_Stats[TEAM_STAT_CONTROL] = -1;
    Set_Up_Team(0, "Colts", 0);
    Set_Up_Team(1, "Bears", 1);
    Set_Up_Team(2, "Saints", 0);
    Set_Up_Team(3, "Colts", -1);
    Universe.Header.Universe_Stats[BASE_YEAR] = 1990;
    Set_User_Preference(CURRENT_SEASON_INDEX, 5);

    Assign_Team_Offensive_Systems();

    EXPECT_EQ(Active_Team_Count, 3);
    EXPECT_EQ(Get_Team_Stat(0, TEAM_STAT_OFFENSIVE_SYSTEM), 1);
    EXPECT_EQ(Get_Team_Stat(1, TEAM_STAT_OFFENSIVE_SYSTEM), 0);
    EXPECT_EQ(Get_Team_Stat(2, TEAM_STAT_OFFENSIVE_SYSTEM), 3);
    EXPECT_STREQ(Universe.Teams[0].Playbooks.Offense.Notes, "west coast file");
    EXPECT_STREQ(Universe.Teams[1].Playbooks.Offense.Notes, "default file");
    EXPECT_STREQ(Universe.Teams[2].Playbooks.Offense.Notes, "before")
        << "a missing playbook file changes nothing";
    EXPECT_EQ(Universe.Teams[3].Team_Stats[TEAM_STAT_OFFENSIVE_SYSTEM], 0) << "an unused slot is left alone";
    EXPECT_STREQ(Universe.Teams[3].Playbooks.Offense.Notes, "before");
}
