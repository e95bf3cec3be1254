#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "database/universe.h"
#include "engine/formation_depth_charts.h"
#include "engine/formations.h"

namespace {
std::string Read_Debug_Log_Text() {
    std::ifstream file("debug.txt");
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string Formation_Name(int32_t formation) {
    char buffer[64];
    Get_Formation_Name(buffer, sizeof buffer, formation);
    return buffer;
}

std::string Formation_Short_Name(int32_t formation) {
    char buffer[64];
    Get_Formation_Short_Name(buffer, sizeof buffer, formation);
    return buffer;
}

constexpr int32_t QB = 0, RB = 1, FB = 2, TE = 3, WR = 4, T = 5, C = 7, DE = 8, DT = 9, LB = 10, CB = 11,
                  S = 12, K = 13, P = 14;
} // namespace

TEST(Formations, NamesAndShortNamesFollowTheCatalogue) {
    EXPECT_EQ(Formation_Name(0), "'I' Formation");
    EXPECT_EQ(Formation_Short_Name(0), "'I'");
    EXPECT_EQ(Formation_Name(4), "Ace (Lone Setback)");
    EXPECT_EQ(Formation_Short_Name(4), "Ace");
    EXPECT_EQ(Formation_Name(5), "Spread");
    EXPECT_EQ(Formation_Short_Name(5), "Spread") << "a name without a short form is its own short name";
    EXPECT_EQ(Formation_Name(17), "Shotgun Two Tight Ends");
    EXPECT_EQ(Formation_Short_Name(17), "Gun-Two");
    EXPECT_EQ(Formation_Name(21), "Wildcat");
    EXPECT_EQ(Formation_Name(23), "4-3 [3rd Down]");
    EXPECT_EQ(Formation_Short_Name(29), "46");
    EXPECT_EQ(Formation_Name(29), "Forty-Six");
    EXPECT_EQ(Formation_Name(38), "Goal Line");
    for (int32_t f = FIRST_SPECIAL_TEAMS_FORMATION; f < NUMBER_OF_FORMATIONS; ++f)
        EXPECT_EQ(Formation_Name(f), "") << "special teams formation " << f << " has no name";
}

TEST(Formations, NameLookupClampsTheNumberAndRespectsTheBuffer) {
    EXPECT_EQ(Formation_Name(-5), "'I' Formation");
    EXPECT_EQ(Formation_Name(200), "");
    char small[6];
    std::memset(small, 'x', sizeof small);
    Get_Formation_Name(small, sizeof small, 7);
    EXPECT_STREQ(small, "Doubl") << "the copy stops at the buffer and stays terminated";
}

TEST(Formations, SlotTableGivesPositionAndZeroBasedDepth) {
    struct CASE {
        int32_t formation, slot, position, depth;
    };
    const CASE cases[] = {
        {0, 0, QB, 0},
        {0, 3, WR, 1},
        {2, 2, RB, 1},
        {10, 5, WR, 4},
        {19, 1, RB, 1},
        {20, 5, TE, 2},
        {21, 0, RB, 1},
        {27, 1, LB, 1},
        {27, 5, LB, 4},
        {36, 7, CB, 3},
        {37, 10, S, 1},
        {38, 10, CB, 1},
        {39, 0, K, 0},
        {39, 10, LB, 5},
        {41, 0, P, 0},
        {41, 8, C, 1},
        {42, 1, K, 0},
        {42, 6, T, 2},
        {44, 0, FORMATION_RETURNER_POSITION, 0},
        {46, 0, FORMATION_RETURNER_POSITION, 1},
        {47, 0, DE, 2},
        {47, 2, DT, 1},
        {28, 3, DT, 2},
        {11, 2, FB, 0},
    };
    for (const CASE& c : cases) {
        EXPECT_EQ(Get_Formation_Slot_Position(c.formation, c.slot, FORMATION_SLOT_POSITION), c.position)
            << "formation " << c.formation << " slot " << c.slot;
        EXPECT_EQ(Get_Formation_Slot_Position(c.formation, c.slot, FORMATION_SLOT_DEPTH), c.depth)
            << "formation " << c.formation << " slot " << c.slot;
    }
    // Every offensive scrimmage formation but the Wildcat puts the first
    // quarterback in slot 0 and the five linemen in slots 6 to 10.
    for (int32_t f = 0; f < FIRST_DEFENSIVE_FORMATION; ++f) {
        if (f != 21) {
            EXPECT_EQ(Get_Formation_Slot_Position(f, 0, FORMATION_SLOT_POSITION), QB) << f;
        }
        EXPECT_EQ(Get_Formation_Slot_Position(f, 8, FORMATION_SLOT_POSITION), C) << f;
        EXPECT_EQ(Get_Formation_Slot_Position(f, 6, FORMATION_SLOT_POSITION), T) << f;
    }
}

TEST(Formations, SlotLookupOutOfRangeIsReportedNotRead) {
    EXPECT_EQ(Get_Formation_Slot_Position(48, 0, FORMATION_SLOT_POSITION), -1);
    EXPECT_EQ(Get_Formation_Slot_Position(-1, 0, FORMATION_SLOT_POSITION), -1);
    EXPECT_EQ(Get_Formation_Slot_Position(3, 11, FORMATION_SLOT_DEPTH), -1);
    EXPECT_EQ(Get_Formation_Slot_Position(3, 1, 2), -1);
    EXPECT_NE(Read_Debug_Log_Text().find("ERROR: Invalid nFormation in Get_Formation_Slot_Position(48,0,0)"),
              std::string::npos);
}

TEST(Formations, CoordinatesFollowTheCatalogue) {
    struct CASE {
        int32_t formation, slot;
        double x, y;
    };
    const CASE cases[] = {
        {0, 1, -0.01, -5},  {3, 5, 11.7, -1},    {8, 0, 0, -5},    {18, 2, -3.4, -3.31}, {17, 1, -3.4, -4.5},
        {29, 5, 0, 4.3},    {29, 10, 2, 7},      {36, 8, 0, 12.5}, {37, 5, -2.4, 5.5},   {40, 6, 13.25, -2},
        {40, 10, 5.75, -2}, {42, 1, -1.6, -8.8}, {44, 0, 0, 14},   {45, 10, 0, 0},       {47, 7, -11, 4},
    };
    for (const CASE& c : cases) {
        double x = 99, y = 99;
        Get_Formation_Coordinate(c.formation, c.slot, &x, &y);
        EXPECT_EQ(x, c.x) << "formation " << c.formation << " slot " << c.slot;
        EXPECT_EQ(y, c.y) << "formation " << c.formation << " slot " << c.slot;
    }
    // The offensive line stands at x = -4, -2, 0, 2, 4 on the line of scrimmage.
    for (int32_t slot = 6; slot <= 10; ++slot) {
        double x = 0, y = 0;
        Get_Formation_Coordinate(3, slot, &x, &y);
        EXPECT_EQ(x, 2.0 * (slot - 8));
        EXPECT_EQ(y, 0.0);
    }
}

TEST(Formations, CoordinateOfAnUnknownFormationIsReportedAsOrigin) {
    double x = 7, y = 7;
    Get_Formation_Coordinate(48, 3, &x, &y);
    EXPECT_EQ(x, 0.0);
    EXPECT_EQ(y, 0.0);
    EXPECT_NE(Read_Debug_Log_Text().find("ERROR: Invalid nFormation in Get_Formation_Coordinate(48,3)"),
              std::string::npos);
    x = 7;
    Get_Formation_Coordinate(3, 11, &x, &y);
    EXPECT_EQ(x, 0.0) << "a slot out of range is refused as well";
    Get_Formation_Coordinate(-1, 0, &x, &y);
    EXPECT_EQ(x, 0.0);
}

TEST(Formations, LongSnapFormations) {
    const int32_t shotgun[] = {8, 9, 10, 11, 12, 15, 17, 18, 19, 21, 41, 42, 43};
    int32_t count = 0;
    for (int32_t f = -1; f <= NUMBER_OF_FORMATIONS; ++f)
        if (Is_Shotgun_Snap_Formation(f)) ++count;
    EXPECT_EQ(count, 13);
    for (int32_t f : shotgun)
        EXPECT_TRUE(Is_Shotgun_Snap_Formation(f)) << f;
    EXPECT_FALSE(Is_Shotgun_Snap_Formation(13));
    EXPECT_FALSE(Is_Shotgun_Snap_Formation(20));
}

TEST(Formations, BaseStartersFollowTheDefensiveSystem) {
    EXPECT_EQ(Get_Base_Starter_Count(WR, false), 2);
    EXPECT_EQ(Get_Base_Starter_Count(DT, false), 2);
    EXPECT_EQ(Get_Base_Starter_Count(LB, false), 3);
    EXPECT_EQ(Get_Base_Starter_Count(DT, true), 1);
    EXPECT_EQ(Get_Base_Starter_Count(LB, true), 4);
    EXPECT_EQ(Get_Base_Starter_Count(K, false), 0);
    EXPECT_EQ(Get_Base_Starter_Count(P, true), 0);
    EXPECT_EQ(Get_Base_Starter_Count(15, false), 0);
    EXPECT_EQ(Get_Base_Starter_Count(-1, false), 0);
    int32_t total = 0;
    for (int32_t p = 0; p < 15; ++p)
        total += Get_Base_Starter_Count(p, false);
    EXPECT_EQ(total, 22) << "eleven on offence and eleven on defence";
}

TEST(FormationDepthCharts, EntriesLieBehindTheOffensivePlaybook) {
    std::memset(&Universe.Teams[4], 0, sizeof(TEAM_RECORD));
    Set_Formation_Depth_Chart_Entry(4, 3, 2, 123456);
    Set_Formation_Depth_Chart_Entry(4, 47, 10, 777);
    const uint8_t* team = reinterpret_cast<const uint8_t*>(&Universe.Teams[4]);
    int32_t stored = 0;
    std::memcpy(&stored, team + 103340 + 4 * (3 * 11 + 2), 4);
    EXPECT_EQ(stored, 123456);
    std::memcpy(&stored, team + 103340 + 4 * (47 * 11 + 10), 4);
    EXPECT_EQ(stored, 777);
    EXPECT_EQ(Get_Formation_Depth_Chart_Entry(4, 3, 2), 123456);
    EXPECT_TRUE(Is_Formation_Depth_Chart_Entry_Set(4, 3, 2));
    Set_Formation_Depth_Chart_Entry(4, 3, 2, -1);
    EXPECT_FALSE(Is_Formation_Depth_Chart_Entry_Set(4, 3, 2)) << "an id of 0 or less names nobody";
}

TEST(FormationDepthCharts, OutOfRangeEntriesAreRefused) {
    std::memset(&Universe.Teams[5], 0, sizeof(TEAM_RECORD));
    std::memset(&Universe.Teams[6], 0, sizeof(TEAM_RECORD));
    Set_Formation_Depth_Chart_Entry(5, 48, 0, 99);
    Set_Formation_Depth_Chart_Entry(5, 0, 11, 99);
    Set_Formation_Depth_Chart_Entry(41, 0, 0, 99);
    Set_Formation_Depth_Chart_Entry(5, -1, 10, 99);
    const uint8_t* team = reinterpret_cast<const uint8_t*>(&Universe.Teams[5]);
    for (size_t i = 0; i < 2 * sizeof(TEAM_RECORD); ++i)
        ASSERT_EQ(team[i], 0) << "byte " << i << " of teams 5 and 6 was written";
    EXPECT_EQ(Get_Formation_Depth_Chart_Entry(5, 48, 0), 0);
    EXPECT_EQ(Get_Formation_Depth_Chart_Entry(-1, 0, 0), 0);
    EXPECT_NE(
        Read_Debug_Log_Text().find("ERROR: Invalid argument in Set_Formation_Depth_Chart_Entry(5,48,0,99)"),
        std::string::npos);
}
