#include <gtest/gtest.h>

#include <cstring>

#include "database/game_queries.h"
#include "database/player_record.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "engine/game_record.h"

namespace {
void Reset_Game_League() {
    std::memset(&Universe, 0, sizeof Universe);
    for (int team = 0; team < MAX_FRANCHISES; ++team)
        Universe.Teams[team].Team_Stats[TEAM_STAT_CONTROL] = team < 8 ? TEAM_CONTROL_COMPUTER : -1;
    Universe.Season_Length = 17;
    Set_User_Preference(OVERTIME_MINUTES, 10);
    Set_User_Preference(DRAFT_ROUND, 7);
}

GAME_RECORD* Make_Game(int index, int away, int home, int away_score, int home_score, int clock) {
    GAME_RECORD* game = Get_Game_Record(index);
    game->Team[0] = static_cast<uint8_t>(away);
    game->Team[1] = static_cast<uint8_t>(home);
    game->Score[0] = away_score;
    game->Score[1] = home_score;
    game->Season_Year = 2020;
    game->Clock = static_cast<int16_t>(clock);
    return game;
}

int Quarter_At(GAME_RECORD* game, int clock, uint32_t down) {
    game->Clock = static_cast<int16_t>(clock);
    game->Down_Word = down;
    return Get_Game_Quarter(game);
}
} // namespace

TEST(GameQueries, TiedGameNamesTheHomeSideUntilItIsOver) {
    Reset_Game_League();
    GAME_RECORD* game = Make_Game(0, 2, 5, 17, 17, 3000);
    EXPECT_EQ(Get_Game_Winner(game), 5);
    EXPECT_EQ(Get_Game_Loser(game), 2);
    game->Clock = 3600;
    EXPECT_EQ(Get_Game_Winner(game), NO_TEAM) << "a regular-season tie stands without overtime";
    EXPECT_EQ(Get_Game_Loser(game), NO_TEAM);
    game->Score[0] = 20;
    EXPECT_EQ(Get_Game_Result_Team(game, 1), 2);
    EXPECT_EQ(Get_Game_Result_Team(game, 0), 5);
    EXPECT_EQ(Is_Side0_Ahead(game), 1);
    EXPECT_EQ(Is_Side1_Ahead(game), 0);
}

TEST(GameQueries, QuarterCountsTriesAndOvertimePeriods) {
    Reset_Game_League();
    GAME_RECORD* game = Make_Game(0, 0, 1, 0, 0, 0);
    game->Week = 3;
    EXPECT_EQ(Quarter_At(game, 0, 0), 1);
    EXPECT_EQ(Quarter_At(game, 900, 0), 2);
    EXPECT_EQ(Quarter_At(game, 1800, CONVERSION_ATTEMPT), 2) << "the try belongs to the first half";
    EXPECT_EQ(Quarter_At(game, 1800, 0), 3);
    EXPECT_EQ(Quarter_At(game, 1799, CONVERSION_ATTEMPT), 2) << "inside a half the clock alone tells";
    EXPECT_EQ(Quarter_At(game, 2700, CONVERSION_ATTEMPT), 4);
    EXPECT_EQ(Quarter_At(game, 3599, 0), 4);
    EXPECT_EQ(Quarter_At(game, 3600, CONVERSION_ATTEMPT), 4);
    EXPECT_EQ(Quarter_At(game, 3600, 0), 5);
    EXPECT_EQ(Quarter_At(game, 3601, 0), 5);
    EXPECT_EQ(Quarter_At(game, 4200, 0), 6) << "ten-minute regular-season overtime periods";
    game->Week = 18;
    EXPECT_EQ(Quarter_At(game, 4200, 0), 5) << "playoff overtime periods last 15 minutes";

    game->Week = 3;
    Set_User_Preference(OVERTIME_MINUTES, 0);
    EXPECT_EQ(Quarter_At(game, 4200, 0), 5)
        << "no overtime length counts as a quarter instead of dividing by zero";
    EXPECT_EQ(Quarter_At(game, 4500, 0), 6);
}

TEST(GameQueries, CompletedGamesStopAtTheFirstUnfinishedRecord) {
    Reset_Game_League();
    Make_Game(0, 0, 1, 10, 7, 3600);
    Make_Game(1, 2, 3, 3, 7, 3600);
    Make_Game(2, 4, 5, 0, 0, 1200);
    Make_Game(3, 6, 7, 21, 7, 3600);
    EXPECT_EQ(Count_Completed_Games(), 2);
    EXPECT_EQ(Is_Game_Record_Final(3), 1);
    EXPECT_EQ(Is_Game_Record_Final(2), 0);
    EXPECT_EQ(Is_Game_Record_Used(2), 1);
    EXPECT_EQ(Is_Game_Record_Used(4), 0);
    EXPECT_EQ(Is_Game_Record_Used(-1), 0);
    EXPECT_EQ(Get_Record_Side1_Team(1), 3);
    EXPECT_EQ(Get_Game_Record(-1), nullptr);
    EXPECT_EQ(Clear_Game_Record(nullptr), 0);
    EXPECT_EQ(Clear_Game_Record(Get_Game_Record(0)), 1);
    EXPECT_EQ(Count_Completed_Games(), 0);
}

TEST(GameQueries, RealGamesSidesAndPossession) {
    Reset_Game_League();
    GAME_RECORD* game = Make_Game(0, 3, 6, 0, 0, 100);
    EXPECT_EQ(Is_Real_Game(game), 1);
    EXPECT_EQ(Get_Game_Side(game, 3), 0);
    EXPECT_EQ(Get_Game_Side(game, 6), 1);
    EXPECT_EQ(Get_Game_Side(game, 4), -128);
    game->Possession_Team = 6;
    EXPECT_EQ(Get_Game_Offense_Team(game), 6);
    EXPECT_EQ(Get_Game_Defense_Team(game), 3);
    EXPECT_EQ(Is_Home_Team_On_Offense(game), 1);
    EXPECT_EQ(Is_Away_Team_On_Offense(game), 0);
    EXPECT_EQ(Get_Game_Offense_Team(nullptr), 0);
    game->Team[1] = 3;
    EXPECT_EQ(Is_Real_Game(game), 0) << "a team cannot play itself";
    game->Team[1] = 36;
    EXPECT_EQ(Is_Real_Game(game), 0) << "the free agents are no franchise";
}

TEST(GameQueries, ShortAndIntValuesStayOnTheirNamedFields) {
    Reset_Game_League();
    GAME_RECORD* game = Make_Game(0, 0, 1, 0, 0, 0);
    Set_Game_Short_Value(game, 6, 72);
    EXPECT_EQ(game->Temperature, 72);
    EXPECT_EQ(Get_Game_Short_Value(game, 0), 2020);
    Set_Game_Int_Value(game, 0, 65000);
    EXPECT_EQ(game->Attendance, 65000);
    Set_Game_Short_Value(game, 10, 5);
    Set_Game_Int_Value(game, 1, 5);
    EXPECT_EQ(game->Attendance, 65000) << "short value 10 would overwrite the attendance";
    EXPECT_EQ(Get_Game_Int_Value(game, 3), 0);
    EXPECT_EQ(game->Team_Stats[0][0], 0);
}

TEST(GameQueries, PositionLeaderIsTheFirstBestOfTheGroup) {
    Reset_Game_League();
    GAME_RECORD* game = Make_Game(0, 2, 5, 0, 0, 0);
    const int positions[4] = {0, 4, 1, 6};
    for (int slot = 0; slot < 4; ++slot) {
        Set_Player_Vital_Stat(5, slot, VITAL_PLAYER_ID, 500 + slot);
        Set_Player_Vital_Stat(5, slot, VITAL_POSITION, positions[slot]);
        game->Player_Ids[1][slot] = 500 + slot;
    }
    game->Player_Counters[1][0][2] = 90;
    game->Player_Counters[1][1][2] = 80;
    game->Player_Counters[1][2][2] = 80;
    game->Player_Counters[1][3][2] = 99;
    EXPECT_EQ(Find_Game_Position_Leader(game, 2, 1, 1), 501) << "a wide receiver leads the receivers group";
    EXPECT_EQ(Find_Game_Position_Leader(game, 2, 0, 1), 500);
    EXPECT_EQ(Find_Game_Position_Leader(game, 2, 6, 1), -1) << "linemen have no leader";
    EXPECT_EQ(Find_Game_Position_Leader(game, 2, 99, 1), 503) << "any other group takes every slot";
    EXPECT_EQ(Find_Game_Position_Leader(game, 2, 13, 1), -1) << "no kicker with a positive value";
    EXPECT_EQ(Find_Game_Position_Leader(game, 2, 1, 0), -1);
    EXPECT_EQ(Get_Game_Player_Counter(game, 1, 51, 2), 0) << "slots past 50 are not read";
}

// A leader is the listed player of the game judged by his own position,
// wherever he plays now, and by his counters read as the signed figures they
// are: after the game the quarterback's slot holds a defensive end and the
// quarterback plays for another team; a catch for a loss never leads; a
// listed player who left the league leads no position group.
TEST(GameQueries, LeaderIsTheListedPlayerByHisOwnPositionAndSignedFigure) {
    Reset_Game_League();
    GAME_RECORD* game = Make_Game(0, 2, 5, 0, 0, 0);
    const int32_t listed[5] = {600, 601, 602, 603, 604};
    for (int32_t n = 0; n < 5; ++n)
        game->Player_Ids[1][n] = listed[n];
    const struct {
        int32_t team, slot, id, position;
    } now[] = {{5, 0, 610, POSITION_DE}, {3, 7, 600, POSITION_QB}, {5, 1, 601, POSITION_WR},
               {5, 2, 602, POSITION_TE}, {5, 3, 611, POSITION_QB}, {5, 4, 604, POSITION_QB}};
    for (const auto& player : now) {
        Set_Player_Vital_Stat(player.team, player.slot, VITAL_PLAYER_ID, player.id);
        Set_Player_Vital_Stat(player.team, player.slot, VITAL_POSITION, player.position);
    }
    game->Player_Counters[1][0][2] = 116;
    game->Player_Counters[1][4][2] = 79;
    game->Player_Counters[1][1][3] = -1;
    game->Player_Counters[1][2][3] = 40;
    game->Player_Counters[1][3][3] = 200;

    EXPECT_EQ(Get_Game_Player_Counter(game, 1, 1, 3), -1) << "a catch for a loss reads as a loss";
    EXPECT_EQ(Find_Game_Position_Leader(game, 2, 0, 1), 600)
        << "the quarterback the game listed, though his slot now holds a defensive end";
    EXPECT_EQ(Find_Game_Position_Leader(game, 3, 1, 1), 602)
        << "the tight end's 40 yards lead; neither the -1 nor the departed player's 200";
    EXPECT_EQ(Find_Game_Position_Leader(game, 3, 99, 1), 603)
        << "every position takes the departed player as well";
    game->Player_Counters[1][2][3] = -3;
    EXPECT_EQ(Find_Game_Position_Leader(game, 3, 1, 1), -1) << "losses only: no leader";
}
