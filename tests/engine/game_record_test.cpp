#include <gtest/gtest.h>

#include <cstring>

#include "engine/game_record.h"
#include "playbook_test_support.h"

namespace {

GAME_RECORD* Fresh_Game() {
    GAME_RECORD* game = &Universe.Games[0];
    std::memset(game, 0, sizeof(*game));
    return game;
}

} // namespace

TEST(GameRecord, FieldsLieAtTheirFileOffsets) {
    Reset_Test_League(4);
    GAME_RECORD* game = Fresh_Game();
    game->Possession_Team = 7;
    game->Play_Log_Count = 0x0102;
    game->Play_Log[255].Play_Word = 0xA1B2C3D4;
    game->On_Field[1][10] = 42;
    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(game);
    EXPECT_EQ(bytes[48684], 7);
    EXPECT_EQ(bytes[48672], 0x02);
    EXPECT_EQ(bytes[48673], 0x01);
    EXPECT_EQ(bytes[2592 + 255 * 180 + 16], 0xD4) << "play word of the last log entry, little-endian";
    EXPECT_EQ(bytes[48706], 42) << "last on-field slot of side 1";
    EXPECT_EQ(reinterpret_cast<const uint8_t*>(&Universe.Games[1]) - bytes, 48708);
}

TEST(GameRecord, ClearedCurrentPlayHasNoCallsNoPlayersAndEmptySlots) {
    GAME_RECORD* game = Fresh_Game();
    std::memset(&game->Current_Play, 0x5A, sizeof(game->Current_Play));
    game->Down_Word = 2 | POSSESSION_CHANGE_BITS | COIN_TOSS_BIT;
    Clear_Current_Play(game);
    const PLAY_LOG_ENTRY& play = game->Current_Play;
    EXPECT_EQ(play.Offensive_Play, 255);
    EXPECT_EQ(play.Defensive_Play, 255);
    EXPECT_EQ(play.First_Player_Id, -1);
    EXPECT_EQ(play.Second_Player_Id, -1);
    EXPECT_EQ(Get_Play_Result(play.Play_Word), RESULT_NOT_RESOLVED);
    for (int k = 0; k < PLAY_EVENT_SLOTS; ++k)
        EXPECT_EQ(play.Events[k].Event_Id, -1) << "event slot " << k;
    EXPECT_EQ(game->Down_Word, 2u | COIN_TOSS_BIT) << "only the possession-change bits are dropped";
}

TEST(GameRecord, PlayFromScrimmageByResultCode) {
    for (uint32_t result = 0; result <= 31; ++result)
        EXPECT_EQ(Is_Play_From_Scrimmage(result << PLAY_WORD_RESULT_SHIFT), result <= 14)
            << "result " << result;
    Clear_Debug_Log();
    EXPECT_FALSE(Is_Play_From_Scrimmage(32u << PLAY_WORD_RESULT_SHIFT));
    EXPECT_NE(Read_Debug_Log_Text().find("Unhandled PLAY_RESULT in Is_Play_From_Scrimmage()"),
              std::string::npos);
    for (int result : {6, 7, 12, 14, 19, 23})
        EXPECT_EQ(Is_Touchdown_Result(result), 1) << result;
    for (int result : {1, 8, 15, 27, 29})
        EXPECT_EQ(Is_Touchdown_Result(result), 0) << result;
}

TEST(GameRecord, ConversionAttemptLeavesStatsAndTotalsUnchanged) {
    GAME_RECORD* game = Fresh_Game();
    game->Down_Word = CONVERSION_ATTEMPT;
    Increment_Game_Team_Stat(game, 0, GAME_STAT_PLAYS);
    Increment_Game_Team_Total(game, 1, GAME_TOTAL_RUSHING_YARDS, 5);
    GAME_RECORD expected{};
    expected.Down_Word = CONVERSION_ATTEMPT;
    EXPECT_EQ(std::memcmp(&expected, game, sizeof(expected)), 0) << "a try changes no counter";

    game->Down_Word = 2;
    Increment_Game_Team_Stat(game, 1, GAME_STAT_RED_ZONE_TRIPS);
    Increment_Game_Team_Stat(game, 1, GAME_STAT_RED_ZONE_TOUCHDOWNS);
    EXPECT_EQ(game->Team_Stats[1][1], 1);
    EXPECT_EQ(game->Team_Stats[1][2], 1);
    // A sack for a loss of 8: the defence's sacks and sack yards, the offence's passing yards.
    Increment_Game_Team_Total(game, 1, GAME_TOTAL_SACKS, 1);
    Increment_Game_Team_Total(game, 1, GAME_TOTAL_SACK_YARDS, 8);
    Increment_Game_Team_Total(game, 0, GAME_TOTAL_PASSING_YARDS, 20);
    Increment_Game_Team_Total(game, 0, GAME_TOTAL_PASSING_YARDS, -8);
    EXPECT_EQ(game->Team_Totals[1][11], 1);
    EXPECT_EQ(game->Team_Totals[1][0], 8);
    EXPECT_EQ(game->Team_Totals[0][9], 12);
}

TEST(GameRecord, BadSideOrStatIsReportedAndChangesNothing) {
    GAME_RECORD* game = Fresh_Game();
    Clear_Debug_Log();
    Increment_Game_Team_Stat(game, 2, 0);
    Increment_Game_Team_Stat(game, 0, 16);
    Increment_Game_Team_Stat(game, 0, -1);
    Increment_Game_Team_Total(game, 0, 20, 3);
    Increment_Game_Team_Total(game, -1, 0, 3);
    Set_Game_Team_Stat(game, 5, 9, 30);
    Set_Game_Team_Stat(game, 0, 16, 30);
    GAME_RECORD zero{};
    EXPECT_EQ(std::memcmp(&zero, game, sizeof(zero)), 0);
    std::string log = Read_Debug_Log_Text();
    EXPECT_NE(log.find("Invalid bTeam passed to Increment_Game_Team_Stat(pGame,[2],nStat,nAmount"),
              std::string::npos);
    EXPECT_NE(log.find("Invalid nStat passed to Increment_Game_Team_Total(pGame,bTeam,[20],nAmount"),
              std::string::npos);
    EXPECT_NE(log.find("Invalid bTeam passed to Set_Game_Team_Stat(pGame,[5],nStat,nValue"),
              std::string::npos);

    Set_Game_Team_Stat(game, 1, GAME_STAT_RED_ZONE_START, 18);
    EXPECT_EQ(game->Team_Stats[1][9], 18);
}

TEST(GameRecord, PlayerCounterFindsThePlayerByIdInTheList) {
    Reset_Test_League(4);
    GAME_RECORD* game = Fresh_Game();
    game->Team[0] = 2;
    game->Team[1] = 3;
    Universe.Teams[3].Players[85].Vital_Stats[0] = 9001;
    Universe.Teams[3].Players[4].Vital_Stats[0] = 777;
    game->Player_Ids[1][12] = 9001;
    EXPECT_EQ(Add_Game_Player_Counter(game, 1, 85, 2, 7), 1) << "slot 85 is listed at index 12";
    EXPECT_EQ(game->Player_Counters[1][12][2], 7);
    EXPECT_EQ(Add_Game_Player_Counter(game, 1, 85, 5, 1), 0) << "counter above 4";
    EXPECT_EQ(Add_Game_Player_Counter(game, 1, 255, 0, 1), 0) << "empty slot";
    EXPECT_EQ(Add_Game_Player_Counter(game, 1, 4, 0, 1), 0) << "id not in the list";
    EXPECT_EQ(game->Player_Counters[1][12][2], 7);
}
