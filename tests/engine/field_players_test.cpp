#include <gtest/gtest.h>

#include <cstring>
#include <utility>

#include "app/window_graphics.h"
#include "database/player_record.h"
#include "database/roster_queries.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "engine/formation_depth_charts.h"
#include "engine/formations.h"
#include "engine/game_record.h"
#include "engine/roster_index.h"
#include "engine/snap_decisions.h"
#include "game_calls_test_support.h"
#include "platform/message_box.h"
#include "platform/scripted_answers.h"
#include "support/game_day_fixture.h"
#include "support/test_league.h"

namespace {
constexpr int32_t PRO_SET = 3;

void Set_Down(GAME_RECORD* game, uint32_t down, int32_t to_go, int32_t to_goal) {
    game->Down_Word = down;
    game->Yards_To_Go = static_cast<int8_t>(to_go);
    game->Yards_To_Goal = static_cast<int8_t>(to_goal);
}

// A game of the test league with team 0 in the pro set, its first quarterback
// in the row's first place and nobody in the second.
GAME_RECORD* Start_Pro_Set_Game(int32_t* qb) {
    Build_Test_League();
    GAME_RECORD* game = Start_Test_Game();
    game->Formation[0] = PRO_SET;
    *qb = Test_League_Slot(POSITION_QB, 0);
    Set_Formation_Depth_Chart_Entry(0, PRO_SET, 0, Get_Player_ID(0, *qb));
    Set_Formation_Depth_Chart_Entry(0, PRO_SET, 1, 0);
    return game;
}
} // namespace

TEST(FieldPlayers, MissingOrForeignPlayerLeavesTheSlotEmpty) {
    int32_t qb = 0;
    GAME_RECORD* game = Start_Pro_Set_Game(&qb);
    Set_Formation_Depth_Chart_Entry(0, PRO_SET, 2, Get_Player_ID(1, 0));
    Set_Formation_Depth_Chart_Entry(0, PRO_SET, 3, 99999999);
    Set_Player_Vital_Stat(0, qb, 27, 0);

    Load_Field_Players(game, 0);

    EXPECT_EQ(game->On_Field[0][0], qb);
    EXPECT_EQ(Get_Player_Vital_Stat(0, qb, 27), 1) << "a player put on the field is marked as playing";
    EXPECT_EQ(game->On_Field[0][1], NO_PLAYER) << "an empty depth-chart entry";
    EXPECT_EQ(game->On_Field[0][2], NO_PLAYER) << "a player of another team";
    EXPECT_EQ(game->On_Field[0][3], NO_PLAYER) << "an id nobody holds";

    game->Formation[1] = 99;
    Load_Field_Players(game, 1);
    for (int slot = 0; slot < ON_FIELD_PLAYERS; ++slot)
        EXPECT_EQ(game->On_Field[1][slot], NO_PLAYER) << "a formation out of range fields nobody";
}

// A depth-chart entry's roster slot is found by the player's id, and nobody
// (-1) where the entry names no one or a player of another team; a formation
// slot's player is the depth chart's player at its position and depth, one
// deeper on request in a first-string place before the kicking formations.
TEST(FieldPlayers, DepthChartSlotsAndFormationSlotPlayers) {
    int32_t qb = 0;
    Start_Pro_Set_Game(&qb);
    Set_Formation_Depth_Chart_Entry(0, PRO_SET, 2, Get_Player_ID(1, 0));
    EXPECT_EQ(Get_Formation_Depth_Chart_Slot(0, PRO_SET, 0), qb);
    EXPECT_EQ(Get_Formation_Depth_Chart_Slot(0, PRO_SET, 1), -1) << "an empty entry";
    EXPECT_EQ(Get_Formation_Depth_Chart_Slot(0, PRO_SET, 2), -1) << "a player of another team";
    const int32_t backup = Test_League_Slot(POSITION_QB, 1);
    std::swap(Universe.Teams[0].Players[qb], Universe.Teams[0].Players[backup]);
    EXPECT_EQ(Get_Formation_Depth_Chart_Slot(0, PRO_SET, 0), backup) << "found where he moved";
    std::swap(Universe.Teams[0].Players[qb], Universe.Teams[0].Players[backup]);

    EXPECT_EQ(Get_Formation_Slot_Player(0, PRO_SET, 0, 0), qb);
    EXPECT_EQ(Get_Formation_Slot_Player(0, PRO_SET, 0, 1), backup) << "the backup quarterback";
    const int32_t second_receiver = Test_League_Slot(POSITION_WR, 1);
    EXPECT_EQ(Get_Formation_Slot_Player(0, PRO_SET, 3, 0), second_receiver) << "WR2 of the pro set";
    EXPECT_EQ(Get_Formation_Slot_Player(0, PRO_SET, 3, 1), second_receiver) << "a second-string place";
    const int32_t kicker = Test_League_Slot(POSITION_K, 0);
    EXPECT_EQ(Get_Formation_Slot_Player(0, FORMATION_KICKOFF, 0, 1), kicker) << "a kicking formation";
}

TEST(FieldPlayers, ALoadedRowFollowsThePlayersAndTheDepthChart) {
    Build_Test_League();
    GAME_RECORD* game = Start_Test_Game();
    game->Formation[0] = PRO_SET;
    const int32_t qb = Test_League_Slot(POSITION_QB, 0);
    const int32_t backup = Test_League_Slot(POSITION_QB, 1);
    const int32_t id = Get_Player_ID(0, qb);
    Set_Formation_Depth_Chart_Entry(0, PRO_SET, 0, id);
    Load_Field_Players(game, 0);
    Load_Field_Players(game, 0);
    EXPECT_EQ(game->On_Field[0][0], qb);

    // The player moved to another slot, the id table not told.
    std::swap(Universe.Teams[0].Players[qb], Universe.Teams[0].Players[backup]);
    Load_Field_Players(game, 0);
    EXPECT_EQ(game->On_Field[0][0], backup) << "a player found where he moved";
    Load_Field_Players(game, 0);
    EXPECT_EQ(game->On_Field[0][0], backup);

    Set_Formation_Depth_Chart_Entry(0, PRO_SET, 0, Get_Player_ID(0, qb));
    Load_Field_Players(game, 0);
    EXPECT_EQ(game->On_Field[0][0], qb) << "another id in the row";

    Set_Formation_Depth_Chart_Entry(0, PRO_SET, 0, Get_Player_ID(1, 0));
    Load_Field_Players(game, 0);
    EXPECT_EQ(game->On_Field[0][0], NO_PLAYER) << "a player of another team";
    Set_Formation_Depth_Chart_Entry(0, PRO_SET, 0, id);
    Load_Field_Players(game, 0);
    std::swap(Universe.Teams[0].Players[backup], Universe.Teams[1].Players[0]);
    Load_Field_Players(game, 0);
    EXPECT_EQ(game->On_Field[0][0], NO_PLAYER) << "a player gone to another team";
}

TEST(FieldPlayers, ARecalledRowFieldsItsPlayersAgainAndNobodyWhereItListsNobody) {
    int32_t qb = 0;
    GAME_RECORD* game = Start_Pro_Set_Game(&qb);
    Load_Field_Players(game, 0);
    uint8_t first[ON_FIELD_PLAYERS];
    std::memcpy(first, game->On_Field[0], sizeof first);

    // What the first load wrote is undone; the second, recalling the row,
    // writes it all again.
    std::memset(game->On_Field[0], 0, sizeof game->On_Field[0]);
    Set_Player_Vital_Stat(0, qb, 27, 0);
    Load_Field_Players(game, 0);
    EXPECT_EQ(std::memcmp(first, game->On_Field[0], sizeof first), 0);
    EXPECT_EQ(game->On_Field[0][0], qb);
    EXPECT_EQ(game->On_Field[0][1], NO_PLAYER) << "an empty depth-chart entry";
    EXPECT_EQ(Get_Player_Vital_Stat(0, qb, 27), 1) << "marked as playing again";
}

TEST(FieldPlayers, DefensiveFormationFollowsTheGame) {
    Build_Test_League();
    GAME_RECORD* game = Start_Test_Game();
    Set_Down(game, 2, 1, 50);
    EXPECT_EQ(Set_Team_Formations(game), 37) << "third and 1 at midfield";
    Set_Down(game, 2, 9, 50);
    EXPECT_EQ(Set_Team_Formations(game), 30) << "third and 9";
    Set_Down(game, 2, 22, 50);
    EXPECT_EQ(Set_Team_Formations(game), 36) << "third and 22";
    Set_Down(game, 0, 1, 1);
    EXPECT_EQ(Set_Team_Formations(game), 37) << "ball on the 1";
    Set_Down(game, 1, 2, 2);
    EXPECT_EQ(Set_Team_Formations(game), 28) << "ball on the 2";

    // Twenty plays, fifteen of them passes: g = 1.5 asks for 12 yards.
    game->Team_Totals[0][5] = 5;
    game->Team_Totals[0][7] = 15;
    Set_Down(game, 0, 10, 50);
    EXPECT_EQ(Set_Team_Formations(game), 27) << "first and 10 against a pass-heavy offence";

    Clear_Shown_Messages();
    Set_Down(game, 5, 10, 50);
    EXPECT_EQ(Set_Team_Formations(game), -1);
    ASSERT_FALSE(Get_Shown_Messages().empty());
    EXPECT_EQ(Get_Shown_Messages().back().Text, "Unrecognized Down Flag: 5");
}

TEST(FieldPlayers, FieldGoalRangeFromTheFirstHealthyKicker) {
    Build_Test_League();
    GAME_RECORD* game = Start_Test_Game();
    const int32_t kicker = Test_League_Slot(POSITION_K, 0);
    Set_Player_Rating(0, kicker, RATING_FG_DISTANCE, 90.0f);
    Set_Player_Rating(0, kicker, RATING_FG_ACCURACY, 80.0f);
    EXPECT_EQ(Get_Kicker_Range(0, kicker), 60);
    EXPECT_EQ(Get_Field_Goal_Range(game), 39) << "close game";

    game->Clock = 2000;
    game->Score[1] = 7;
    EXPECT_EQ(Get_Field_Goal_Range(game), 36) << "defence leads by 7 in the second half";

    EXPECT_EQ(Get_Kicker_Range(0, NO_PLAYER), Get_Kicker_Range(41, 0))
        << "no kicker counts both ratings as 20";
    EXPECT_EQ(Get_Kicker_Range(0, NO_PLAYER), (3 * 20 + 20) / 10 + 25);
}

TEST(FieldPlayers, TwoPointChartByScoreAndQuarter) {
    Build_Test_League();
    GAME_RECORD* game = Start_Test_Game();
    game->Down_Word = CONVERSION_ATTEMPT;
    Set_User_Preference(TWO_POINT_CONVERSION_RULE, 1);
    game->Score[0] = 12;
    game->Score[1] = 14;
    EXPECT_EQ(Two_Point_Chart(game), 1) << "trailing by 2 in the first quarter";
    game->Score[1] = 11;
    EXPECT_EQ(Two_Point_Chart(game), 0) << "leading by 1 before the fourth quarter";
    game->Clock = 3000;
    EXPECT_EQ(Two_Point_Chart(game), 1) << "leading by 1 in the fourth quarter";
    game->Score[1] = 2;
    EXPECT_EQ(Two_Point_Chart(game), 0) << "leading by 10 counts as 6";
    game->Score[1] = 14;
    Set_User_Preference(TWO_POINT_CONVERSION_RULE, 0);
    EXPECT_EQ(Two_Point_Chart(game), 0) << "rule off";
    EXPECT_EQ(Decide_Two_Point_Try(game), 0) << "rule off";
}

namespace {
// The wind arrow of the weather row, shaken on every paint of a live game.
constexpr RECT_AREA WIND_ARROW = {242, 96, 352, 126};

struct SEEN_BEHIND_BOX {
    bool Fresh = false;
    int32_t Colours = 0;
};

void Look_Behind_Box(void* context) {
    SEEN_BEHIND_BOX* seen = static_cast<SEEN_BEHIND_BOX*>(context);
    seen->Colours = Take_Screen_Picture("go-for-two");
    seen->Fresh = Is_View_As_Freshly_Painted("go-for-two-behind", WIND_ARROW);
}
} // namespace

using TwoPointQuestion = GameDayTest;

// The user's team has just scored: the question is asked over a screen that
// shows the touchdown's score, not the one of the snap before.
TEST_F(TwoPointQuestion, GoForTwoIsAskedOverTheNewScore) {
    GAME_RECORD* game = Start_Live_Game(CONVERSION_ATTEMPT);
    Set_User_Preference(TWO_POINT_CONVERSION_RULE, 1);
    game->Score[0] = 10;
    game->Score[1] = 3;
    Redraw_Main_Window();
    game->Score[1] += 6;
    SEEN_BEHIND_BOX seen;
    Script_Message_Answer("Point After Touchdown", ID_BOX_YES, Look_Behind_Box, &seen);
    EXPECT_EQ(Decide_Two_Point_Try(game), 1) << "the user answered yes";
    EXPECT_TRUE(seen.Fresh) << "the screen behind the question was painted after the score";
    EXPECT_GT(seen.Colours, 1);
    Current_Game = nullptr;
}

TEST(FieldPlayers, BlowoutNeedsTheFourthQuarter) {
    Build_Test_League();
    GAME_RECORD* game = Start_Test_Game();
    game->Score[0] = 35;
    EXPECT_EQ(Is_Blowout(game), 0) << "first quarter";
    game->Clock = 2800;
    EXPECT_EQ(Is_Blowout(game), 1) << "fourth quarter, 35 points";
    game->Score[0] = 23;
    EXPECT_EQ(Is_Blowout(game), 0) << "23 points with 800 seconds left";
    game->Clock = 3300;
    EXPECT_EQ(Is_Blowout(game), 1) << "23 points with 300 seconds left";
}

TEST(FieldPlayers, ReturnerFallsBackToTheOtherReturnerThenTheThirdReceiver) {
    Build_Test_League();
    const int32_t kick_returner = Get_Team_Returner(0, 0);
    const int32_t punt_returner = Get_Team_Returner(0, 1);
    ASSERT_NE(kick_returner, punt_returner);
    EXPECT_EQ(Get_Depth_Chart_Position_Player(0, FORMATION_RETURNER_POSITION, 0), kick_returner);

    Set_Player_Vital_Stat(0, kick_returner, VITAL_WEEKS_OUT, 2);
    EXPECT_EQ(Get_Depth_Chart_Position_Player(0, FORMATION_RETURNER_POSITION, 0), punt_returner);

    Set_Player_Vital_Stat(0, punt_returner, VITAL_WEEKS_OUT, 1);
    const int32_t third_receiver = Get_Depth_Chart_Position_Player(0, POSITION_WR, 2);
    ASSERT_GE(third_receiver, 0);
    EXPECT_EQ(Get_Depth_Chart_Position_Player(0, FORMATION_RETURNER_POSITION, 0), third_receiver);
}

TEST(FieldPlayers, IndexedReturnerIsTheQuerysAnswerAndKeepsTheIndexOnlyWithoutAQuery) {
    Build_Test_League();
    const int32_t kick_returner = Get_Team_Returner(0, 0);
    const int32_t punt_returner = Get_Team_Returner(0, 1);
    ASSERT_NE(kick_returner, punt_returner);
    ROSTER_INDEX index;
    // The index answers as the query does; it is built again only when the
    // query had to be asked.
    auto check = [&](int32_t n, bool kept, const char* what) {
        Build_Roster_Index(0, &index);
        const uint32_t build = index.Build;
        const int32_t indexed = Get_Indexed_Depth_Chart_Player(&index, FORMATION_RETURNER_POSITION, n);
        EXPECT_EQ(indexed, Get_Depth_Chart_Position_Player(0, FORMATION_RETURNER_POSITION, n)) << what;
        EXPECT_EQ(index.Build == build, kept) << what;
    };
    check(0, true, "healthy kick returner");
    check(1, true, "healthy punt returner");
    Set_Player_Vital_Stat(0, kick_returner, VITAL_WEEKS_OUT, 2);
    check(0, true, "injured kick returner, healthy punt returner");
    Set_Player_Vital_Stat(0, punt_returner, VITAL_WEEKS_OUT, 1);
    check(1, false, "both injured: the third receiver");
    Set_Player_Vital_Stat(0, punt_returner, VITAL_WEEKS_OUT, 0);
    Set_Player_Vital_Stat(0, punt_returner, VITAL_POSITION, POSITION_QB);
    check(1, false, "a returner of a position that does not return is chosen again");
    Set_Team_Returner(0, 0, NO_PLAYER);
    check(0, false, "no stored returner");
}

TEST(FieldPlayers, DepthBeyondTheHealthyPlayersIsNoPlayer) {
    Build_Test_League();
    const int32_t quarterbacks = Count_Team_Available_Position_Players(0, POSITION_QB);
    ASSERT_GT(quarterbacks, 0);
    EXPECT_EQ(Get_Depth_Chart_Position_Player(0, POSITION_QB, 0), Test_League_Slot(POSITION_QB, 0));
    EXPECT_EQ(Get_Depth_Chart_Position_Player(0, POSITION_QB, quarterbacks), -1);
    EXPECT_EQ(Get_Depth_Chart_Position_Player(0, 99, 0), Get_Depth_Chart_Position_Player(0, 15, 0))
        << "codes above the positions are returners";
    EXPECT_EQ(Get_Depth_Chart_Position_Player(-1, POSITION_QB, 0), -1);
    EXPECT_EQ(Get_Depth_Chart_Position_Player(0, POSITION_QB, -1), -1);
}

TEST(FieldPlayers, AllKickersHurtRepairsTheRosterOnce) {
    Build_Test_League();
    GAME_RECORD* game = Start_Test_Game();
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        if (Is_Player_Slot_Used(0, slot) && Get_Player_Vital_Stat(0, slot, VITAL_POSITION) == POSITION_K)
            Set_Player_Vital_Stat(0, slot, VITAL_WEEKS_OUT, 3);
    const int32_t range = Get_Field_Goal_Range(game);
    EXPECT_GE(range, 30);
    EXPECT_GE(Count_Team_Available_Position_Players(0, POSITION_K), 1) << "a healthy kicker was signed";
}

TEST(FieldPlayers, SurplusPlayerComesFromTheMostOverstaffedPosition) {
    Build_Test_League();
    const int32_t position = Find_Most_Overstaffed_Position(0);
    EXPECT_GE(position, 0);
    EXPECT_LE(position, POSITION_S) << "a franchise never gives up its kicker or punter this way";
    const int32_t slot = Find_Surplus_Position_Player(0);
    ASSERT_GE(slot, 0);
    EXPECT_EQ(Get_Player_Vital_Stat(0, slot, VITAL_POSITION), position);
    EXPECT_EQ(Find_Surplus_Position_Player(-3), -1);
}

TEST(FieldPlayers, FormationsOfKickoffsAndKicks) {
    Build_Test_League();
    GAME_RECORD* game = Start_Test_Game();
    game->Down_Word = KICKOFF_DOWN;
    game->Current_Play.Offensive_Play = 2;
    Set_Play_Formations(game);
    EXPECT_EQ(game->Formation[0], FORMATION_ONSIDE_KICKOFF);
    EXPECT_EQ(game->Formation[1], FORMATION_KICK_RETURN);
    game->Current_Play.Offensive_Play = 0;
    Set_Play_Formations(game);
    EXPECT_EQ(game->Formation[0], FORMATION_KICKOFF);

    game->Down_Word = 3;
    game->Current_Play.Offensive_Play = 58;
    Set_Play_Formations(game);
    EXPECT_EQ(game->Formation[0], FORMATION_PUNT);
    EXPECT_EQ(game->Formation[1], FORMATION_PUNT_RETURN);

    game->Down_Word = CONVERSION_ATTEMPT;
    game->Current_Play.Offensive_Play = 59;
    Set_Play_Formations(game);
    EXPECT_EQ(game->Formation[0], FORMATION_CONVERSION_KICK);
    EXPECT_EQ(game->Formation[1], FORMATION_KICK_BLOCK);
}
