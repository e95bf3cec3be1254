#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/safe_strings.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "engine/game_record.h"
#include "engine/playbook_records.h"
#include "engine/statistics_credit.h"
#include "support/debug_log.h"
#include "support/game_output_support.h"
#include "support/test_league.h"

TEST(StatisticsCredit, PlayoffGameChangesTotalsAndCountersButNotPlayerStats) {
    GAME_RECORD* game = Build_Output_Test_Game();
    int32_t rb = Test_League_Slot(POSITION_RB, 0);
    List_Test_Player(game, 0, 0, rb);
    Set_User_Preference(CURRENT_WEEK, 18);
    int32_t before = Get_Player_Stat(0, rb, 0, 8);
    int32_t totals_before = Get_Team_Totals_Stat(0, 0, 0, 8);
    int32_t allowed_before = Get_Team_Totals_Stat(1, 4, 0, 8);
    Credit_Game_Stat(game, 0, rb, 0, 8, 12);
    EXPECT_EQ(Get_Player_Stat(0, rb, 0, 8), before) << "playoff yards stay out of the season line";
    EXPECT_EQ(Get_Team_Totals_Stat(0, 0, 0, 8), totals_before + 12);
    EXPECT_EQ(Get_Team_Totals_Stat(1, 4, 0, 8), allowed_before + 12);
    EXPECT_EQ(game->Player_Counters[0][0][1], 12) << "rushing yards counter";

    Set_User_Preference(CURRENT_WEEK, 3);
    Credit_Game_Stat(game, 0, rb, 0, 8, 5);
    EXPECT_EQ(Get_Player_Stat(0, rb, 0, 8), before + 5);
}

TEST(StatisticsCredit, LinemanAndQuarterbackCredits) {
    GAME_RECORD* game = Build_Output_Test_Game();
    int32_t guard = Test_League_Slot(POSITION_G, 0);
    int32_t qb = Test_League_Slot(POSITION_QB, 0);
    List_Test_Player(game, 0, 0, guard);
    List_Test_Player(game, 0, 0, qb);
    int32_t line_totals = Get_Team_Totals_Stat(0, 0, 0, 7);
    Credit_Game_Stat(game, 0, guard, 1, 7, 1);
    EXPECT_EQ(Get_Team_Totals_Stat(0, 0, 0, 7), line_totals) << "a lineman adds no team totals";
    int32_t passer_totals = Get_Team_Totals_Stat(0, 3, 0, 8);
    Credit_Game_Stat(game, 0, qb, 0, 8, 7);
    EXPECT_EQ(Get_Team_Totals_Stat(0, 3, 0, 8), passer_totals + 7)
        << "a quarterback's run counts as passer category";
    for (int k = 0; k < GAME_PLAYER_COUNTERS; ++k)
        EXPECT_EQ(game->Player_Counters[0][1][k], 0);
    // A two-point run credits nobody.
    game->Down_Word = CONVERSION_ATTEMPT;
    int32_t before = Get_Player_Stat(0, qb, 0, 7);
    Credit_Game_Stat(game, 0, qb, 0, 7, 1);
    EXPECT_EQ(Get_Player_Stat(0, qb, 0, 7), before);
}

TEST(StatisticsCredit, LoneSackerGetsTwoHalfSacksAndATackle) {
    GAME_RECORD* game = Build_Output_Test_Game();
    int32_t de = Test_League_Slot(POSITION_DE, 0);
    List_Test_Player(game, 1, 1, de);
    for (int i = 0; i < ON_FIELD_PLAYERS; ++i) {
        game->On_Field[0][i] = static_cast<uint8_t>(Test_League_Slot(POSITION_T, 0));
        game->On_Field[1][i] = static_cast<uint8_t>(de);
    }
    game->Snap_Yards = -7;
    int32_t sacks = Get_Player_Stat(1, de, 0, 4);
    int32_t tackles = Get_Player_Stat(1, de, 0, 2);
    int32_t sacker = Credit_Sack(game);
    EXPECT_EQ(sacker, de);
    EXPECT_EQ(Get_Player_Stat(1, de, 0, 4), sacks + 2);
    EXPECT_EQ(Get_Player_Stat(1, de, 0, 2), tackles + 1);
    EXPECT_EQ(game->Team_Totals[1][GAME_TOTAL_SACKS], 1);
    EXPECT_EQ(game->Team_Totals[1][GAME_TOTAL_SACK_YARDS], 7);
}

TEST(StatisticsCredit, CounterTableAndScoreWeights) {
    EXPECT_EQ(Get_Game_Counter_Index(0, 7), 0);
    EXPECT_EQ(Get_Game_Counter_Index(1, 4), 0);
    EXPECT_EQ(Get_Game_Counter_Index(2, 17), 3);
    EXPECT_EQ(Get_Game_Counter_Index(3, 4), 4);
    EXPECT_EQ(Get_Game_Counter_Index(0, 5), -1);
    EXPECT_EQ(Get_Position_Stat_Category(POSITION_QB), 3);
    EXPECT_EQ(Get_Position_Stat_Category(99), -1);
    GAME_RECORD* game = Build_Output_Test_Game();
    EXPECT_EQ(Get_Game_Player_Score(game, 2, 0), 0);
    EXPECT_EQ(Get_Game_Player_Score(game, 0, 80), 0);
    int32_t qb = Test_League_Slot(POSITION_QB, 0);
    List_Test_Player(game, 0, 0, qb);
    game->Player_Counters[0][0][3] = 2;
    game->Player_Counters[0][0][4] = 1;
    EXPECT_EQ(Get_Game_Player_Score(game, 0, 0), 2 * 45 - 25);
}

TEST(StatisticsCredit, OnlyReadOrOptionPlaysThrowToThePlayActionBack) {
    GAME_RECORD* game = Build_Output_Test_Game();
    Set_Default_Playbooks(0);
    constexpr int PLAY = 40; // "Pro 879 Play Action": primary slot 3, route 37 at slot 1
    for (int i = 0; i < ON_FIELD_PLAYERS; ++i)
        game->On_Field[0][i] = static_cast<uint8_t>(20 + i);
    game->Current_Play.Offensive_Play = PLAY;
    game->Current_Play.Defensive_Play = 1;
    game->Clock = 0;
    ASSERT_EQ(Is_Alternate_Target_Snap(game), 1);
    EXPECT_EQ(Get_Primary_Receiver(game), 23) << "a plain play-action pass keeps its primary receiver";

    safe_strncpy(Universe.Teams[0].Playbooks.Offense.Plays[PLAY].Name, "Pro 879 Read", PLAY_NAME_LENGTH);
    EXPECT_EQ(Get_Primary_Receiver(game), 21) << "a read play throws to the play-action back on odd snaps";
    game->Clock = 1;
    EXPECT_EQ(Get_Primary_Receiver(game), 23) << "and to the primary receiver on even snaps";
}

TEST(StatisticsCredit, RushingSafetyWithoutPassRushStillWeighsForSacks) {
    GAME_RECORD* game = Build_Output_Test_Game();
    Set_Default_Playbooks(1);
    const int32_t safety = Test_League_Slot(POSITION_S, 0);
    const int32_t others[] = {Test_League_Slot(POSITION_DE, 0), Test_League_Slot(POSITION_DT, 0),
                              Test_League_Slot(POSITION_LB, 0), Test_League_Slot(POSITION_CB, 0)};
    for (int k = 0; k < ON_FIELD_PLAYERS; ++k) {
        Set_Defensive_Play_Role(1, 0, k, k == 4 ? 0 : 9);
        game->On_Field[1][k] = static_cast<uint8_t>(k == 4 ? safety : others[k % 4]);
    }
    // A pass rush of 40 estimates no sacks at all; a blitzing safety still counts.
    Set_Player_Rating(1, safety, RATING_PASS_RUSH, 40.0f);
    ASSERT_EQ(Get_Adjusted_Stat_Frequency(1, safety, 4), 0);
    game->Current_Play.Defensive_Play = 0;
    for (int draw = 0; draw < 30; ++draw)
        EXPECT_EQ(Choose_Game_Event_Player(game, 2, 4, 0), safety) << "draw " << draw;
}

// A defender's solo tackles are held to nine a game, the game being played
// counted: in his first game of a season a tackle leaves him as likely to
// make the next as a teammate without one, while a season far past nine a
// game makes him rarer.
TEST(StatisticsCredit, TacklesAreHeldToNineAGameCountingTheGameBeingPlayed) {
    GAME_RECORD* game = Build_Output_Test_Game();
    const int32_t tackler = Test_League_Slot(POSITION_LB, 0);
    const int32_t teammate = Test_League_Slot(POSITION_LB, 1);
    std::memcpy(Universe.Teams[1].Players[teammate].Ratings, Universe.Teams[1].Players[tackler].Ratings,
                sizeof Universe.Teams[1].Players[tackler].Ratings);
    for (int k = 0; k < ON_FIELD_PLAYERS; ++k)
        game->On_Field[1][k] = static_cast<uint8_t>(k % 2 == 0 ? tackler : teammate);
    game->Snap_Yards = 4;
    for (const int32_t slot : {tackler, teammate})
        for (const int32_t stat : {0, 2, 3})
            Set_Player_Stat(1, slot, SEASON_THIS, stat, 0);
    auto tackler_share = [&] {
        int32_t taken = 0;
        for (int draw = 0; draw < 400; ++draw)
            taken += Choose_Game_Event_Player(game, 2, 2, 0) == tackler;
        return taken;
    };
    // Six listings of eleven: about 218 of 400.
    Set_Player_Stat(1, tackler, SEASON_THIS, 2, 1);
    EXPECT_GT(tackler_share(), 150) << "a first game's tackle does not take him out of the next";
    // 40 tackles in 3 games and the one being played: 36 / 40 of his weight.
    Set_Player_Stat(1, tackler, SEASON_THIS, 0, 3);
    Set_Player_Stat(1, tackler, SEASON_THIS, 2, 40);
    EXPECT_GT(tackler_share(), 150);
    // 100 in the same games: 36 / 100, about 130 of 400.
    Set_Player_Stat(1, tackler, SEASON_THIS, 2, 100);
    EXPECT_LT(tackler_share(), 170);
}

// A team total is added to where it is stored; an address outside the
// totals is reported and changes none of them.
TEST(StatisticsCredit, TeamTotalsAddInPlaceAndAnAddressOutsideIsReported) {
    Build_Test_League();
    Clear_Debug_Log();
    Set_Team_Totals_Stat(2, 5, 2, 19, 40);
    Add_Team_Totals_Stat(2, 5, 2, 19, -3);
    EXPECT_EQ(Get_Team_Totals_Stat(2, 5, 2, 19), 37);
    EXPECT_EQ(Count_Error_Lines(), 0);
    static TEAM_RECORD before;
    before = Universe.Teams[2];
    Add_Team_Totals_Stat(2, 5, 2, NUMBER_OF_TOTALS_STATS, 7);
    Add_Team_Totals_Stat(2, 5, NUMBER_OF_TOTALS_SEASONS, 0, 7);
    Add_Team_Totals_Stat(2, NUMBER_OF_TOTALS_CATEGORIES, 0, 0, 7);
    Add_Team_Totals_Stat(2, -1, 0, 0, 7);
    EXPECT_EQ(Count_Error_Lines(), 4);
    EXPECT_EQ(std::memcmp(&before, &Universe.Teams[2], sizeof before), 0);
}

namespace {
// The league block and the game after `credit` ran on a fresh test game whose
// receiver has no current season line yet and whose back is out injured.
struct CREDITED_STATE {
    std::vector<unsigned char> league;
    std::vector<unsigned char> game;
};
template <typename CREDIT> CREDITED_STATE Credited_State(CREDIT credit) {
    GAME_RECORD* game = Build_Output_Test_Game();
    const int32_t wr = Test_League_Slot(POSITION_WR, 0);
    const int32_t hurt = Test_League_Slot(POSITION_RB, 0);
    const int32_t guard = Test_League_Slot(POSITION_G, 0);
    for (int32_t slot : {wr, hurt, guard})
        List_Test_Player(game, 0, 0, slot);
    // The receiver has no current season line yet: his first credit makes one.
    Set_Player_Latest_Season_Line(0, wr, NO_SEASON_LINE);
    Reset_Season_Line_Hint();
    Set_Player_Vital_Stat(0, hurt, VITAL_WEEKS_OUT, 2);
    Set_User_Preference(CURRENT_WEEK, 3);
    credit(game, wr, hurt, guard);
    CREDITED_STATE state;
    const auto* league = reinterpret_cast<const unsigned char*>(&Universe);
    state.league.assign(league, league + sizeof Universe);
    const auto* bytes = reinterpret_cast<const unsigned char*>(game);
    state.game.assign(bytes, bytes + sizeof *game);
    return state;
}
} // namespace

TEST(StatisticsCredit, SeveralCreditsAtOnceMatchTheCreditsOneByOne) {
    const GAME_STAT_CREDIT catches[] = {{4, 1}, {10, 1}, {11, 23}, {6, 9}, {5, 1}};
    const GAME_STAT_CREDIT carry[] = {{0, 1}, {7, 1}, {8, 6}};
    const CREDITED_STATE one_by_one =
        Credited_State([&](GAME_RECORD* game, int32_t wr, int32_t hurt, int32_t guard) {
            for (const GAME_STAT_CREDIT& c : catches)
                Credit_Game_Stat(game, 0, wr, 0, c.stat, c.amount);
            for (int32_t slot : {hurt, guard})
                for (const GAME_STAT_CREDIT& c : carry)
                    Credit_Game_Stat(game, 0, slot, -1, c.stat, c.amount);
        });
    const CREDITED_STATE at_once =
        Credited_State([&](GAME_RECORD* game, int32_t wr, int32_t hurt, int32_t guard) {
            Credit_Game_Stats(game, 0, wr, 0, catches);
            for (int32_t slot : {hurt, guard})
                Credit_Game_Stats(game, 0, slot, -1, carry);
        });
    EXPECT_TRUE(one_by_one.league == at_once.league);
    EXPECT_TRUE(one_by_one.game == at_once.game);
    // The credits did land: the receiver's new line holds his yards, and the
    // injured back has only his game.
    const int32_t wr = Test_League_Slot(POSITION_WR, 0);
    EXPECT_EQ(Get_Player_Current_Season_Line_Stat(0, wr, 11), 23);
    const int32_t hurt = Test_League_Slot(POSITION_RB, 0);
    EXPECT_EQ(Get_Player_Current_Season_Line_Stat(0, hurt, 8), 0);
}
