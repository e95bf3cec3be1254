// The default league's franchise tables: what a table must hold, and which
// franchise of a played league each row of a later season's table stands for.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/cities.h"
#include "database/league_structure.h"
#include "database/saved_game.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "tools/league/league_franchises.h"

namespace {
// A table of 32 franchises, four a division, each in a city of its own.
std::string Table_Text(const std::vector<std::string>& replaced = {}) {
    std::string text = "Abbreviation,Location,Nickname,Division,Home City,Stadium,Capacity,Roof,Surface\n";
    for (int32_t n = 0; n < 32; ++n) {
        std::string line = "T" + std::to_string(n) + ",Town " + std::to_string(n) + ",Club" +
                           std::to_string(n) + "," + std::to_string(n / 4) + ",City " + std::to_string(n) +
                           ",Park " + std::to_string(n) + ",60000,0,1";
        if (n < static_cast<int32_t>(replaced.size()) && !replaced[n].empty()) line = replaced[n];
        text += line + "\r\n";
    }
    return text;
}

std::vector<FRANCHISE_ROW> Parse(const std::string& text) {
    std::vector<FRANCHISE_ROW> rows;
    std::string error;
    EXPECT_TRUE(Parse_Franchise_Table(text, &rows, &error)) << error;
    return rows;
}

// A league holding the table's franchises in reverse slot order, in cities
// named as the table names them.
void Build_League_Of(const std::vector<FRANCHISE_ROW>& rows) {
    Clear_Universe();
    for (int32_t n = 0; n < static_cast<int32_t>(rows.size()); ++n) {
        Set_City_Name(n, rows[n].Home_City.c_str());
        Set_City_Stat(n, 1, 1000000);
    }
    for (int32_t n = 0; n < static_cast<int32_t>(rows.size()); ++n) {
        const int32_t team = static_cast<int32_t>(rows.size()) - 1 - n;
        Set_Team_Stat(team, TEAM_STAT_CONTROL, TEAM_CONTROL_COMPUTER);
        ASSERT_TRUE(Set_Franchise_From_Row(team, rows[n]));
    }
    Refresh_Active_Team_Count();
}
} // namespace

TEST(LeagueFranchises, ATableHoldsThirtyTwoFranchisesFourADivision) {
    const std::vector<FRANCHISE_ROW> rows = Parse(Table_Text());
    ASSERT_EQ(rows.size(), 32u);
    EXPECT_EQ(rows[5].Abbreviation, "T5");
    EXPECT_EQ(rows[5].Division, 1);
    EXPECT_EQ(rows[5].Surface, 1) << "the line end is not part of the last field";

    const struct {
        std::vector<std::string> Replaced;
        const char* Why;
    } refused[] = {
        {{"T0,Town 0,Club1,0,City 0,Park 0,60000,0,1"}, "a nickname twice"},
        {{"T0,Town 0,Club0,1,City 0,Park 0,60000,0,1"}, "five franchises in one division"},
        {{"T0,Town 0,Club0,0,City 0,Park 0,60000,3,1"}, "a roof kind that does not exist"},
        {{"T0,Town 0,Club0,0,City 0,Park 0,60000,0"}, "a field missing"},
        {{"TOOLONG,Town 0,Club0,0,City 0,Park 0,60000,0,1"}, "an abbreviation over four letters"},
        {{"T0,A location far longer than a team record holds,Club0,0,City 0,Park 0,60000,0,1"},
         "a location that does not fit"},
    };
    for (const auto& c : refused) {
        std::vector<FRANCHISE_ROW> table = rows;
        std::string error;
        EXPECT_FALSE(Parse_Franchise_Table(Table_Text(c.Replaced), &table, &error)) << c.Why;
        EXPECT_FALSE(error.empty()) << c.Why;
        EXPECT_EQ(table.size(), 32u) << "a refused table leaves the rows as they were: " << c.Why;
    }
    std::vector<FRANCHISE_ROW> table;
    std::string error;
    EXPECT_FALSE(Parse_Franchise_Table(Table_Text().substr(0, Table_Text().rfind("T31")), &table, &error))
        << "31 franchises";
}

// From the founding table to a later one: a franchise that moved keeps its
// nickname, one renamed keeps its abbreviation, and one renamed on the way
// (by the league's history) and again in the later table is its division's
// one franchise left over.
TEST(LeagueFranchises, LaterRowsFindTheFranchisesTheyStandFor) {
    const std::vector<FRANCHISE_ROW> founded = Parse(Table_Text());
    std::vector<std::string> later_lines(32);
    later_lines[3] = "M3,New Town,Club3,0,City 3,Park 3,60000,0,1";    // moved
    later_lines[9] = "T9,Town 9,Renamed,2,City 9,Park 9,60000,0,1";    // renamed
    later_lines[14] = "N14,Town 14,Other,3,City 14,Park 14,60000,0,1"; // renamed twice
    const std::vector<FRANCHISE_ROW> later = Parse(Table_Text(later_lines));
    Build_League_Of(founded);
    Set_Team_Abbreviation("H14", 31 - 14);
    Set_Team_Nickname("Between", 31 - 14);

    std::vector<int32_t> teams;
    std::string error;
    ASSERT_TRUE(Match_Franchise_Rows(later, founded, &teams, &error)) << error;
    for (int32_t row = 0; row < 32; ++row)
        EXPECT_EQ(teams[row], 31 - row) << "row " << row;

    // With two such franchises in one division nothing tells which is which.
    Set_Team_Abbreviation("H15", 31 - 15);
    Set_Team_Nickname("Meanwhile", 31 - 15);
    later_lines[15] = "N15,Town 15,Another,3,City 15,Park 15,60000,0,1";
    EXPECT_FALSE(Match_Franchise_Rows(Parse(Table_Text(later_lines)), founded, &teams, &error));
    EXPECT_NE(error.find("Other"), std::string::npos) << error;
}

TEST(LeagueFranchises, LayingATableWritesEveryFieldAndSortsByName) {
    const std::vector<FRANCHISE_ROW> founded = Parse(Table_Text());
    Build_League_Of(founded);
    std::vector<std::string> later_lines(32);
    later_lines[0] = "AAA,Aaron Town,Club0,0,City 5,Harbour Field,72000,2,0";
    const std::vector<FRANCHISE_ROW> later = Parse(Table_Text(later_lines));
    std::string error;
    ASSERT_TRUE(Lay_Franchise_Table(later, founded, &error)) << error;
    char text[TEAM_STRING_LENGTH] = "";
    Get_Team_String(text, 0, 0);
    EXPECT_STREQ(text, "AAA") << "first by name";
    Get_Team_String(text, 0, 3);
    EXPECT_STREQ(text, "Harbour Field");
    EXPECT_EQ(Get_Team_Stat(0, TEAM_STAT_HOME_CITY), 5);
    EXPECT_EQ(Get_Team_Stadium_Stat(0, 0), 72000);
    EXPECT_EQ(Get_Team_Stadium_Stat(0, 1), 2);

    later_lines[1] = "T1,Town 1,Club1,0,Nowhere,Park 1,60000,0,1";
    EXPECT_FALSE(Lay_Franchise_Table(Parse(Table_Text(later_lines)), founded, &error)) << "an unknown city";
}
