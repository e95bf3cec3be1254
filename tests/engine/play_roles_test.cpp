#include <gtest/gtest.h>

#include "engine/game_record.h"
#include "engine/play_roles.h"

namespace {

PLAY_LOG_ENTRY Entry_Of(int32_t result) {
    PLAY_LOG_ENTRY entry{};
    entry.First_Player_Id = 77;
    entry.Second_Player_Id = 88;
    entry.Play_Word = static_cast<uint32_t>(result) << PLAY_WORD_RESULT_SHIFT;
    return entry;
}

} // namespace

TEST(PlayRoles, PassesKeepThePasserFirstAndNameWhatThePassCameTo) {
    const struct {
        int32_t result;
        PLAY_ROLE second;
    } passes[] = {{RESULT_INCOMPLETE_PASS, ROLE_RECEIVER},
                  {RESULT_COMPLETED_PASS, ROLE_RECEIVER},
                  {RESULT_TOUCHDOWN_PASS, ROLE_RECEIVER},
                  {RESULT_INTERCEPTION, ROLE_INTERCEPTOR},
                  {RESULT_INTERCEPTION_TOUCHDOWN, ROLE_INTERCEPTOR},
                  {RESULT_SACK, ROLE_SACKER},
                  {RESULT_PASS_KNOCKED_DOWN, ROLE_PASS_DEFENDER},
                  {RESULT_PASS_FUMBLE, ROLE_RECOVERER}};
    for (const auto& pass : passes) {
        PLAY_LOG_ENTRY entry = Entry_Of(pass.result);
        Set_Play_Role_Ids(&entry, pass.second, 2, ROLE_PASSER, 1);
        EXPECT_EQ(entry.First_Player_Id, 1) << "result " << pass.result;
        EXPECT_EQ(entry.Second_Player_Id, 2) << "result " << pass.result;
        EXPECT_EQ(Get_Play_Role_Id(entry, ROLE_PASSER), 1);
        EXPECT_EQ(Get_Play_Role_Id(entry, pass.second), 2);
        EXPECT_EQ(Get_Play_Role_Id(entry, ROLE_CARRIER), -1) << "a pass has no runner";
        EXPECT_TRUE(Is_Role_Of_Defending_Side(pass.result, pass.second) == (pass.second != ROLE_RECEIVER));
    }
    // Only the fumbles name the man who lost the ball.
    EXPECT_EQ(Get_Play_Role_Id(Entry_Of(RESULT_PASS_FUMBLE), ROLE_FUMBLER), 77);
    EXPECT_EQ(Get_Play_Role_Id(Entry_Of(RESULT_RUN_FUMBLE), ROLE_FUMBLER), 77);
    EXPECT_EQ(Get_Play_Role_Id(Entry_Of(RESULT_RUN_FUMBLE), ROLE_CARRIER), 77);
    EXPECT_EQ(Get_Play_Role_Id(Entry_Of(RESULT_FUMBLE_TOUCHDOWN), ROLE_CARRIER), -1)
        << "a fumble returned for a touchdown may have been a sack";
    EXPECT_EQ(Get_Play_Role_Id(Entry_Of(RESULT_SACK), ROLE_FUMBLER), -1);
}

TEST(PlayRoles, AWriterEmptiesWhatItDoesNotNameAndDropsARoleTheResultLacks) {
    PLAY_LOG_ENTRY punt = Entry_Of(RESULT_PUNT_TOUCHBACK);
    Set_Play_Role_Ids(&punt, ROLE_PUNTER, 5);
    EXPECT_EQ(punt.First_Player_Id, -1) << "a touchback has no returner";
    EXPECT_EQ(punt.Second_Player_Id, 5);

    PLAY_LOG_ENTRY run = Entry_Of(RESULT_RUN_LEFT);
    Set_Play_Role_Ids(&run, ROLE_CARRIER, 9, ROLE_RECEIVER, 10);
    EXPECT_EQ(run.First_Player_Id, 9);
    EXPECT_EQ(run.Second_Player_Id, -1) << "a run holds no receiver";
    EXPECT_EQ(Get_Play_Role_Id(run, ROLE_RECEIVER), -1);

    // The ball carrier: the receiver of a completion, nobody after an incompletion.
    EXPECT_EQ(Get_Play_Ball_Carrier_Id(Entry_Of(RESULT_COMPLETED_PASS)), 88);
    EXPECT_EQ(Get_Play_Ball_Carrier_Id(Entry_Of(RESULT_INCOMPLETE_PASS)), -1);
    EXPECT_EQ(Get_Play_Ball_Carrier_Id(Entry_Of(RESULT_INTERCEPTION)), 88);
    EXPECT_EQ(Get_Play_Ball_Carrier_Id(Entry_Of(RESULT_RUN_RIGHT)), 77);
    EXPECT_EQ(Get_Play_Result_Roles(32).First, ROLE_NONE) << "an unresolved play holds nobody";
}
