#include <gtest/gtest.h>

#include <cstring>
#include <utility>

#include "database/player_record.h"
#include "database/player_roles.h"
#include "database/safe_strings.h"
#include "database/team_record.h"
#include "support/test_league.h"

TEST(PlayerRoles, CodesPositionsAndTheSlotsThatHoldNobody) {
    EXPECT_TRUE(Is_Expanded_Position_Code(42) && !Is_Expanded_Position_Code(43));
    EXPECT_TRUE(Is_Basic_Position_Code(14) && !Is_Basic_Position_Code(15));
    EXPECT_FALSE(Is_Expanded_Position_Code(-1) || Is_Basic_Position_Code(-1) ||
                 Is_Offensive_Skill_Position(-1))
        << "no code is negative";
    EXPECT_TRUE(Is_Defensive_Back_Position(POSITION_S) && !Is_Defensive_Back_Position(POSITION_LB));

    Build_Test_League();
    // Slot of the position, then: back, skill, quarterback, group.
    const int32_t cases[][5] = {
        {Test_League_Slot(POSITION_QB, 0), 0, 1, 1, 3}, {Test_League_Slot(POSITION_WR, 0), 0, 1, 0, 0},
        {Test_League_Slot(POSITION_T, 0), 0, 0, 0, 1},  {Test_League_Slot(POSITION_CB, 0), 1, 0, 0, 2},
        {Test_League_Slot(POSITION_P, 0), 0, 0, 0, 3},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Is_Defensive_Back_Player(9, c[0]), c[1]) << "slot " << c[0];
        EXPECT_EQ(Is_Offensive_Skill_Player(9, c[0]), c[2]) << "slot " << c[0];
        EXPECT_EQ(Is_Player_Quarterback(9, c[0]), c[3]) << "slot " << c[0];
        EXPECT_EQ(Get_Player_Position_Group_Safe(9, c[0]), c[4]) << "slot " << c[0];
    }
    // Position 0 is also what no player reads: nobody there is a quarterback.
    for (auto [team, slot] : {std::pair{NO_TEAM, 0}, {9, NO_PLAYER}, {9, 99}}) {
        EXPECT_FALSE(Is_Player_Quarterback(team, slot) || Is_Offensive_Skill_Player(team, slot)) << slot;
        EXPECT_EQ(Get_Player_Position_Group_Safe(team, slot), 3) << team << "," << slot;
    }
}

TEST(PlayerRoles, ExpandedPositionAndSeenRating) {
    Build_Test_League();
    const int32_t qb = Test_League_Slot(POSITION_QB, 0);
    char text[FORMATTED_TEXT_SIZE];
    Set_Player_Byte_Field(4, qb, PLAYER_BYTE_EXPANDED_POSITION, 31);
    EXPECT_EQ(Get_Player_Expanded_Position(4, qb, text), 31);
    EXPECT_STREQ(text, "MLB");
    Set_Player_Byte_Field(4, qb, PLAYER_BYTE_EXPANDED_POSITION, 77);
    EXPECT_EQ(Get_Player_Expanded_Position(4, qb, text), 77);
    EXPECT_STREQ(text, "") << "a code past the table names nothing";

    Set_Player_Rating(2, qb, RATING_ACCURACY, 45.0f);
    Set_Player_Rating(2, qb, RATING_CONTROL, 60.0f);
    Set_Player_Rating(2, qb, RATING_PUNT_DISTANCE, 30.0f);
    EXPECT_FLOAT_EQ(Get_Player_Position_Seen_Rating(2, qb, RATING_ACCURACY), 55.0f) << "(45 + 120) / 3";
    EXPECT_FLOAT_EQ(Get_Player_Position_Seen_Rating(2, qb, RATING_CONTROL), 60.0f) << "60 stands";
    EXPECT_FLOAT_EQ(Get_Player_Position_Seen_Rating(2, qb, RATING_PUNT_DISTANCE), 30.0f)
        << "a rating the position does not use stands";
}
