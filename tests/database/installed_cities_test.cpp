// The city table the installation ships ("Cities.txt"): home cities of the
// league's franchises and the markets franchise moves and expansion look at,
// with census figures (populations, growth, income relative to the national
// average of 25,000, altitude in feet, longitude and latitude in thousandths
// of a degree, time zone).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "database/cities.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "platform/message_box.h"
#include "season/league_history.h"
#include "tools/city_lookup.h"

namespace {

std::string Read_Text(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

int32_t Find_City(const char* name) {
    for (int32_t n = 0; n < Count_Cities(); ++n)
        if (std::strcmp(Universe.Cities[n].Name, name) == 0) return n;
    return -1;
}

// The city of a "City,Nickname" text.
std::string City_Of(const char* text) {
    const std::string whole = text;
    return whole.substr(0, whole.find(','));
}

// The franchises' home cities of 2019 and 2022, named as the table names them.
const char* const HOME_CITIES[] = {
    "Atlanta",    "Baltimore",    "Boston",        "Buffalo",     "Carolina",  "Chicago",
    "Cincinnati", "Cleveland",    "Dallas",        "Denver",      "Detroit",   "Green Bay",
    "Houston",    "Indianapolis", "Jacksonville",  "Kansas City", "Las Vegas", "Los Angeles",
    "Miami",      "Minnesota",    "New Orleans",   "New York",    "Oakland",   "Philadelphia",
    "Phoenix",    "Pittsburgh",   "San Francisco", "Seattle",     "Tampa Bay", "Tennessee",
    "Washington"};

class InstalledCities : public testing::Test {
  protected:
    void SetUp() override {
        std::memset(&Universe, 0, sizeof Universe);
        for (int team = 0; team < MAX_FRANCHISES; ++team)
            Universe.Teams[team].Team_Stats[TEAM_STAT_CONTROL] = -1;
        shipped_ = Read_Text(std::string(KORVA_DATA_DIR) + "/" + CITIES_FILE_NAME);
        ASSERT_FALSE(shipped_.empty());
        std::ofstream(CITIES_FILE_NAME, std::ios::binary) << shipped_;
        Clear_Shown_Messages();
        Script_Message_Answer("Confirm City Import", ID_BOX_YES);
        Import_Cities();
    }
    void TearDown() override { std::filesystem::remove(CITIES_FILE_NAME); }

    std::string shipped_;
};

} // namespace

TEST_F(InstalledCities, EveryRowImportsAndTheExportGivesTheFileBack) {
    const int32_t lines = static_cast<int32_t>(std::count(shipped_.begin(), shipped_.end(), '\n'));
    EXPECT_GE(lines, 80);
    EXPECT_LE(lines, MAX_CITIES - 10) << "room is left for the user's own cities";
    ASSERT_EQ(Count_Cities(), lines);
    ASSERT_FALSE(Get_Shown_Messages().empty());
    EXPECT_EQ(Get_Shown_Messages().back().Text,
              std::to_string(lines) + " cities imported from \"Cities.txt\"");

    std::filesystem::remove(CITIES_FILE_NAME);
    Script_Message_Answer("Confirm City Export", ID_BOX_YES);
    Export_Cities();
    EXPECT_EQ(Read_Text(CITIES_FILE_NAME), shipped_) << "sorted, packed and written back byte for byte";
}

TEST_F(InstalledCities, FiguresDescribeRealMarkets) {
    for (const char* name : HOME_CITIES)
        EXPECT_GE(Find_City(name), 0) << name;
    for (int32_t n = 0; n < Count_Cities(); ++n) {
        const char* name = Universe.Cities[n].Name;
        EXPECT_GT(Get_City_Stat(n, 0), 10000) << name;
        EXPECT_GE(Get_City_Stat(n, 1), Get_City_Stat(n, 0)) << name << ": the region holds the city";
        EXPECT_TRUE(Get_City_Stat(n, 3) >= 12000 && Get_City_Stat(n, 3) <= 50000) << name;
        EXPECT_TRUE(Get_City_Stat(n, 4) >= 0 && Get_City_Stat(n, 4) <= 6000) << name;
        EXPECT_TRUE(Get_City_Stat(n, 5) >= 70000 && Get_City_Stat(n, 5) <= 160000) << name;
        EXPECT_TRUE(Get_City_Stat(n, 6) >= 20000 && Get_City_Stat(n, 6) <= 50000) << name;
        EXPECT_TRUE(Get_City_Stat(n, 7) >= 0 && Get_City_Stat(n, 7) <= 3) << name;
    }
    EXPECT_EQ(Get_City_Stat(Find_City("Denver"), 4), 5280) << "the mile-high city";
    EXPECT_GT(Get_City_Stat(Find_City("New York"), 1), Get_City_Stat(Find_City("Los Angeles"), 1));
    EXPECT_GT(Get_City_Stat(Find_City("San Francisco"), 3), Get_City_Stat(Find_City("Cleveland"), 3));
}

// A franchise the league's history moves or founds finds its new home city.
TEST_F(InstalledCities, EveryCityOfTheLeagueHistoryIsInTheTable) {
    int moves = 0;
    for (const HISTORY_EVENT& event : League_History_Events) {
        std::string city;
        if (event.Type == HISTORY_EXPANSION_TEAM)
            city = City_Of(event.Team);
        else if (event.Type == HISTORY_FRANCHISE_MOVE || event.Type == HISTORY_NEW_FRANCHISE)
            city = City_Of(event.Text);
        else
            continue;
        ++moves;
        EXPECT_GE(Find_City_By_Name(city.c_str()), 0) << event.Year << " " << city;
    }
    EXPECT_GT(moves, 30);
}

// With the 2022 league in its cities, a moving franchise goes to the largest
// free market, never to a city that already has a team.
TEST_F(InstalledCities, TheBestFreeCityIsALargeMarketWithoutATeam) {
    int32_t team = 0;
    for (const char* name : HOME_CITIES) {
        if (std::strcmp(name, "Oakland") == 0) continue;
        Universe.Teams[team].Team_Stats[TEAM_STAT_CONTROL] = TEAM_CONTROL_COMPUTER;
        Universe.Teams[team++].Team_Stats[TEAM_STAT_HOME_CITY] = Find_City(name);
    }
    const int32_t best = Find_Best_Free_City();
    EXPECT_FALSE(Is_City_Home_Of_Any_Team(best));
    EXPECT_GE(Get_City_Stat(best, 1), 2500000) << Universe.Cities[best].Name;
}
