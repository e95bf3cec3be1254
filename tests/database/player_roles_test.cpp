#include <gtest/gtest.h>

#include <cstring>

#include "database/player_record.h"
#include "database/player_roles.h"
#include "database/safe_strings.h"
#include "database/team_record.h"
#include "support/test_league.h"

TEST(PlayerRoles, PositionCodeTests) {
    EXPECT_FALSE(Is_Expanded_Position_Code(-1)) << "no code is negative";
    EXPECT_TRUE(Is_Expanded_Position_Code(0));
    EXPECT_TRUE(Is_Expanded_Position_Code(42));
    EXPECT_FALSE(Is_Expanded_Position_Code(43));
    EXPECT_FALSE(Is_Basic_Position_Code(-1));
    EXPECT_TRUE(Is_Basic_Position_Code(14));
    EXPECT_FALSE(Is_Basic_Position_Code(15));

    for (int32_t position = -1; position <= 15; ++position) {
        EXPECT_EQ(Is_Defensive_Back_Position(position), position == POSITION_CB || position == POSITION_S)
            << position;
        EXPECT_EQ(Is_Offensive_Skill_Position(position), position >= POSITION_QB && position <= POSITION_WR)
            << position;
    }
}

TEST(PlayerRoles, PlayersAndTheSlotsThatHoldNobody) {
    Build_Test_League();
    struct CASE {
        int32_t Slot;
        int32_t Back, Skill, Quarterback, Group;
    };
    const CASE cases[] = {
        {Test_League_Slot(POSITION_QB, 0), 0, 1, 1, 3}, {Test_League_Slot(POSITION_RB, 0), 0, 1, 0, 0},
        {Test_League_Slot(POSITION_WR, 0), 0, 1, 0, 0}, {Test_League_Slot(POSITION_T, 0), 0, 0, 0, 1},
        {Test_League_Slot(POSITION_CB, 0), 1, 0, 0, 2}, {Test_League_Slot(POSITION_S, 0), 1, 0, 0, 2},
        {Test_League_Slot(POSITION_LB, 0), 0, 0, 0, 2}, {Test_League_Slot(POSITION_P, 0), 0, 0, 0, 3},
    };
    for (const CASE& c : cases) {
        EXPECT_EQ(Is_Defensive_Back_Player(9, c.Slot), c.Back) << "slot " << c.Slot;
        EXPECT_EQ(Is_Offensive_Skill_Player(9, c.Slot), c.Skill) << "slot " << c.Slot;
        EXPECT_EQ(Is_Player_Quarterback(9, c.Slot), c.Quarterback) << "slot " << c.Slot;
        EXPECT_EQ(Get_Player_Position_Group_Safe(9, c.Slot), c.Group) << "slot " << c.Slot;
    }
    // Position 0 is also what an empty slot or no player reads: no one there is a quarterback.
    for (auto [team, slot] : {std::pair{NO_TEAM, 0}, {-NO_TEAM, 0}, {9, NO_PLAYER}, {9, 99}}) {
        EXPECT_EQ(Is_Player_Quarterback(team, slot), 0) << team << "," << slot;
        EXPECT_EQ(Is_Offensive_Skill_Player(team, slot), 0) << team << "," << slot;
        EXPECT_EQ(Is_Defensive_Back_Player(team, slot), 0) << team << "," << slot;
        EXPECT_EQ(Get_Player_Position_Group_Safe(team, slot), 3) << team << "," << slot;
    }
}

TEST(PlayerRoles, ExpandedPositionAndItsAbbreviation) {
    Build_Test_League();
    const int32_t slot = Test_League_Slot(POSITION_LB, 0);
    char text[FORMATTED_TEXT_SIZE];
    Set_Player_Byte_Field(4, slot, PLAYER_BYTE_EXPANDED_POSITION, 31);
    EXPECT_EQ(Get_Player_Expanded_Position(4, slot, text), 31);
    EXPECT_STREQ(text, "MLB");
    Set_Player_Byte_Field(4, slot, PLAYER_BYTE_EXPANDED_POSITION, 10);
    EXPECT_EQ(Get_Player_Expanded_Position(4, slot, text), 10);
    EXPECT_STREQ(text, "LB");
    Set_Player_Byte_Field(4, slot, PLAYER_BYTE_EXPANDED_POSITION, 77);
    std::strcpy(text, "stale");
    EXPECT_EQ(Get_Player_Expanded_Position(4, slot, text), 77);
    EXPECT_STREQ(text, "") << "a code past the table names nothing";
    EXPECT_EQ(Get_Player_Expanded_Position(4, slot, nullptr), 77);
}

TEST(PlayerRoles, RatingsAsTheirPositionSeesThem) {
    Build_Test_League();
    const int32_t qb = Test_League_Slot(POSITION_QB, 0);
    Set_Player_Rating(2, qb, RATING_ACCURACY, 45.0f);
    Set_Player_Rating(2, qb, RATING_CONTROL, 60.0f);
    Set_Player_Rating(2, qb, RATING_PUNT_DISTANCE, 30.0f);
    EXPECT_FLOAT_EQ(Get_Player_Position_Seen_Rating(2, qb, RATING_ACCURACY), 55.0f) << "(45 + 120) / 3";
    EXPECT_FLOAT_EQ(Get_Player_Position_Seen_Rating(2, qb, RATING_CONTROL), 60.0f) << "60 stands";
    EXPECT_FLOAT_EQ(Get_Player_Position_Seen_Rating(2, qb, RATING_PUNT_DISTANCE), 30.0f)
        << "a rating the position does not use stands";
    Set_Player_Rating(2, qb, RATING_ACCURACY, 12.0f);
    EXPECT_FLOAT_EQ(Get_Player_Position_Seen_Rating(2, qb, RATING_ACCURACY), 140.0f / 3.0f)
        << "read as 20 first";
    EXPECT_FLOAT_EQ(Get_Player_Rating(2, qb, RATING_ACCURACY), 20.0f) << "the read repairs the record";
}
