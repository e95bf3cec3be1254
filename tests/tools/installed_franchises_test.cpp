// The franchises of every installed season as the helmet table knows them:
// each abbreviation the league's files give leads to the franchise's own row
// (its helmet and default playbook), but for the names the table's rules do
// not map, which are listed here; Arizona wears its own helmet in every
// season of its name.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "database/league_structure.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "playbooks/franchise_table.h"
#include "season/new_game_choices.h"
#include "support/installed_seasons.h"
#include "support/season_build_folder.h"

namespace {
// The nickname a franchise table row's franchise goes by.
std::string Row_Nickname(int32_t row) {
    const std::string name = Franchise_Table[row].Franchise;
    return name.substr(name.rfind(' ') + 1);
}

// One franchise under other nicknames.
std::string Franchise_Nickname(const std::string& nickname) {
    if (nickname == "Oilers") return "Titans";
    if (nickname == "Commanders" || nickname == "Team") return "Redskins";
    return nickname;
}

class InstalledFranchises : public InstalledDatabasesTest {};
} // namespace

TEST_F(InstalledFranchises, EveryAbbreviationLeadsToItsFranchisesRowButThoseTheRulesDoNotMap) {
    // Each team whose row is another franchise's, with the seasons it is so.
    std::map<std::pair<std::string, std::string>, std::vector<int32_t>> elsewhere;
    int32_t teams = 0;
    for (int32_t year = 1951; year <= 2022; ++year) {
        Universe.Header.Universe_Stats[BASE_YEAR] = year;
        Set_User_Preference(CURRENT_SEASON_INDEX, 0);
        std::ifstream in(Get_Installation_Folder() + "/Input/Stats/" + std::to_string(year) + "_teams.csv");
        std::string line;
        std::getline(in, line);
        while (std::getline(in, line)) {
            std::vector<std::string> fields(1);
            for (char c : line)
                if (c == ',')
                    fields.emplace_back();
                else
                    fields.back() += c;
            if (fields.size() < 3) continue;
            ++teams;
            const std::string& nickname = fields[2];
            const std::string last_word = nickname.substr(nickname.rfind(' ') + 1);
            const int32_t row = Get_Franchise_Index(fields[0].c_str());
            if (Row_Nickname(row) == Franchise_Nickname(last_word)) continue;
            elsewhere[{fields[0] + " " + fields[1] + " " + nickname, Row_Nickname(row)}].push_back(year);
        }
    }
    ASSERT_GT(teams, 1800);
    std::vector<std::string> found;
    for (const auto& [team, years] : elsewhere)
        found.push_back(team.first + " " + std::to_string(years.front()) + "-" +
                        std::to_string(years.back()) + " (" + std::to_string(years.size()) +
                        "): " + team.second);
    // The rules: "OAK" is the Rams' row, "HOU" the Texans' before them, and a
    // name the table does not hold falls to the Chargers' row.
    EXPECT_EQ(found, (std::vector<std::string>{
                         "BOS Boston Patriots 1960-1970 (11): Chargers",
                         "CRD Chicago Cardinals 1951-1959 (9): Chargers",
                         "DTX Dallas Texans 1952-1962 (4): Chargers",
                         "HOU Houston Oilers 1960-1996 (37): Texans",
                         "LVR Las Vegas Raiders 2020-2022 (3): Chargers",
                         "NYT New York Titans 1960-1962 (3): Chargers",
                         "NYY New York Yanks 1951-1951 (1): Chargers",
                         "OAK Oakland Raiders 1960-2019 (47): Rams",
                         "RAI Los Angeles Raiders 1982-1994 (13): Chargers",
                         "STL St. Louis Rams 1995-2015 (21): Chargers",
                     }));
}

TEST_F(InstalledFranchises, ArizonaWearsItsOwnHelmetInEverySeasonOfItsName) {
    for (int32_t year : {1994, 2005, 2018, 2022}) {
        SCOPED_TRACE(year);
        ASSERT_GE(Load_New_Game_Season(year, nullptr), 0);
        int32_t arizona = -1;
        for (int32_t team = 0; team < Count_Active_Teams(); ++team) {
            char location[TEAM_STRING_LENGTH] = "";
            Get_Team_String(location, team, 1);
            if (std::string(location) == "Arizona") arizona = team;
        }
        ASSERT_GE(arizona, 0);
        char text[64];
        Get_Team_String(text, arizona, 0);
        EXPECT_STREQ(text, "ARZ");
        Get_Helmet_Image_Path(text, arizona, 0);
        EXPECT_STREQ(text, "Gridiron//Helmets//Helmet-0.png") << "the Cardinals' red helmet";
    }
}
