// The letters on the generated team pictures are the abbreviations the
// league's files give the teams: a franchise reads the same on its logo as
// in every list and box score, in every season the installation holds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "app/drawing_primitives.h"
#include "database/team_record.h"
#include "support/season_build_folder.h"
#include "tools/art/art_emblems.h"
#include "tools/image_downloads.h"

namespace {
struct SEASON_TEAM {
    int32_t Year;
    std::string Abbreviation, Location, Nickname;
};

// The teams of every season's teams file (abbreviation, location and
// nickname lead each line after the header).
std::vector<SEASON_TEAM> Read_Season_Teams() {
    std::vector<SEASON_TEAM> teams;
    for (int32_t year = 1951; year <= 2022; ++year) {
        std::ifstream in(Get_Installation_Folder() + "/Input/Stats/" + std::to_string(year) + "_teams.csv");
        std::string line;
        std::getline(in, line);
        while (std::getline(in, line)) {
            std::vector<std::string> fields(1);
            for (char c : line) {
                if (c == ',')
                    fields.emplace_back();
                else if (c != '\r')
                    fields.back() += c;
            }
            if (fields.size() >= 3) teams.push_back({year, fields[0], fields[1], fields[2]});
        }
    }
    return teams;
}

std::string Describe(const SEASON_TEAM& team, const char* letters) {
    return std::to_string(team.Year) + " " + team.Abbreviation + " " + team.Location + " " + team.Nickname +
           ": " + (letters != nullptr ? letters : "no logo");
}
} // namespace

TEST(ArtEmblems, LogoLettersAreTheLeaguesAbbreviationsInEverySeason) {
    const std::vector<SEASON_TEAM> teams = Read_Season_Teams();
    ASSERT_GT(teams.size(), 1800u) << "every season's teams file";

    // The season logos a game copies, by the nickname's logo index.
    std::vector<std::string> season_mismatches;
    for (const SEASON_TEAM& team : teams) {
        const int32_t index =
            Find_Logo_Index_Of_Nickname(team.Nickname.c_str(), std::min(team.Year, LAST_LOGO_YEAR));
        if (index < 0) continue;
        const char* letters = Get_Season_Logo_Letters(index, team.Year);
        if (letters == nullptr || team.Abbreviation != letters)
            season_mismatches.push_back(Describe(team, letters));
    }
    // The Oilers count as the Titans before 1963 and wear their logo.
    EXPECT_EQ(season_mismatches,
              (std::vector<std::string>{"1960 HOU Houston Oilers: NYT", "1961 HOU Houston Oilers: NYT",
                                        "1962 HOU Houston Oilers: NYT"}));

    // The team logos, by the location's key: drawn into this folder as the
    // installation holds them and found as the matchup dialog finds them.
    ASSERT_EQ(Write_Team_Logos(""), 1);
    std::vector<std::string> team_mismatches;
    for (const SEASON_TEAM& team : teams) {
        Set_Team_String(team.Location.c_str(), 0, 1);
        Set_Team_String(team.Nickname.c_str(), 0, 2);
        char path[LOGO_PATH_SIZE];
        Get_Team_Logo_Path(path, 0);
        std::string key = path + std::strlen("logos\\");
        key = key.substr(0, key.rfind('.'));
        const char* letters = Get_Team_Logo_Letters(key.c_str());
        const std::string seen = Describe(team, letters);
        if ((letters == nullptr || team.Abbreviation != letters) &&
            std::find(team_mismatches.begin(), team_mismatches.end(), seen) == team_mismatches.end())
            team_mismatches.push_back(seen);
    }
    // A key two franchises of one city shared shows the one that stayed.
    std::vector<std::string> shared;
    for (int32_t year = 1951; year <= 1959; ++year)
        shared.push_back(std::to_string(year) + " CRD Chicago Cardinals: CHI");
    shared.push_back("1951 NYY New York Yanks: NYG");
    shared.push_back("1952 DTX Dallas Texans: DAL");
    for (int32_t year = 1960; year <= 1962; ++year) {
        shared.push_back(std::to_string(year) + " DTX Dallas Texans: DAL");
        shared.push_back(std::to_string(year) + " NYT New York Titans: NYG");
    }
    std::sort(shared.begin(), shared.end());
    std::sort(team_mismatches.begin(), team_mismatches.end());
    EXPECT_EQ(team_mismatches, shared);
}
