#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "database/player_statistics.h"
#include "database/schedule_entries.h"
#include "database/team_record.h"
#include "engine/formations.h"
#include "engine/game_record.h"
#include "engine/passing_plays.h"
#include "engine/play_loop.h"
#include "engine/play_resolution_support.h"
#include "engine/play_roles.h"
#include "engine/unit_multipliers.h"
#include "platform/message_box.h"
#include "play_resolution_test_support.h"
#include "playbooks/playbook_queries.h"
#include "support/debug_log.h"

namespace {

int32_t Pass_Play() {
    return Find_Test_Play([](int32_t play) {
        return Is_Passing_Play(255, play) && !Is_Rollout_Or_Bootleg_Play(255, play) &&
               Get_Offensive_Play_Primary_Receiver(255, play) >= 1;
    });
}

int32_t Result_Of(const GAME_RECORD* game) {
    return Get_Current_Play_Result(game);
}

} // namespace

TEST(PassingPlays, SackAtOwnTwoIsASafetyAtTheGoalLine) {
    bool saw_safety = false;
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        GAME_RECORD* game = Crafted_Snap(0, 10, 98, Pass_Play(), 0, seed == 1);
        Seed_Random_Numbers(seed);
        Implement_Pass_Result(game, game->On_Field[0][3], PASS_OUTCOME_SACKED, 0, 5, 10);
        ASSERT_LE(game->Snap_Yards, -2);
        if (Result_Of(game) == RESULT_SAFETY) {
            saw_safety = true;
            EXPECT_EQ(game->Snap_Yards, -2) << "seed " << seed;
        } else {
            EXPECT_EQ(Result_Of(game), RESULT_SACK);
        }
        EXPECT_EQ(game->Team_Totals[0][GAME_TOTAL_PASS_ATTEMPTS], 0) << "a sack is no attempt";
    }
    EXPECT_TRUE(saw_safety);
}

TEST(PassingPlays, LoneSackerGetsTwoHalfSacks) {
    GAME_RECORD* game = Crafted_Snap(0, 10, 60, Pass_Play());
    const int32_t de = game->On_Field[1][0];
    for (int32_t i = 0; i < ON_FIELD_PLAYERS; ++i)
        game->On_Field[1][i] = static_cast<uint8_t>(de);
    const int32_t sacks = Get_Player_Stat(1, de, 0, 4);
    Seed_Random_Numbers(5);
    Implement_Pass_Result(game, game->On_Field[0][3], PASS_OUTCOME_SACKED, 0, 5, 10);
    EXPECT_EQ(Get_Player_Stat(1, de, 0, 4), sacks + 2);
    EXPECT_EQ(game->Team_Totals[1][GAME_TOTAL_SACKS], 1);
    EXPECT_EQ(game->Current_Play.Second_Player_Id, Get_Player_ID(1, de));
}

TEST(PassingPlays, InterceptionInTheEndZoneIsBroughtOut) {
    bool tested = false;
    for (uint32_t seed = 1; seed <= 60; ++seed) {
        GAME_RECORD* game = Crafted_Snap(0, 5, 5, Pass_Play(), 0, seed == 1);
        Seed_Random_Numbers(seed);
        Implement_Pass_Result(game, game->On_Field[0][3], PASS_OUTCOME_INTERCEPTED, 0, 9, 12);
        EXPECT_EQ(game->Possession_Team, 1);
        EXPECT_EQ(game->Down_Word & POSSESSION_CHANGE_BITS, 1u << 12) << "bit 12 alone marks the turnover";
        EXPECT_EQ(game->Team_Totals[0][GAME_TOTAL_TURNOVERS], 1);
        if (Result_Of(game) == RESULT_INTERCEPTION_TOUCHDOWN) continue;
        ASSERT_EQ(Result_Of(game), RESULT_INTERCEPTION);
        // The interceptor's new spot, counted from the goal he attacks.
        const int32_t spot = game->Yards_To_Goal - game->Snap_Yards;
        EXPECT_GE(spot, 1) << "seed " << seed;
        EXPECT_LE(spot, 99) << "never downed in his own end zone, seed " << seed;
        // A pick 9 yards deep in the end zone is often not returned past the
        // goal line; such returns end between his own 1 and 10.
        if (spot >= 90) tested = true;
    }
    EXPECT_TRUE(tested);
}

TEST(PassingPlays, ConversionCompletionScoresTwoWithoutATouchdown) {
    GAME_RECORD* game = Crafted_Snap(CONVERSION_ATTEMPT, 2, 2, Pass_Play());
    const int32_t receiver = game->On_Field[0][3];
    const int32_t touchdowns = Get_Player_Stat(0, receiver, 0, 12);
    Seed_Random_Numbers(1);
    Implement_Pass_Result(game, receiver, PASS_OUTCOME_COMPLETE, 1, 3, 6);
    EXPECT_EQ(Result_Of(game), RESULT_TWO_POINT_GOOD);
    EXPECT_EQ(game->Snap_Yards, 2);
    EXPECT_EQ(Get_Player_Stat(0, receiver, 0, 12), touchdowns);
    EXPECT_EQ(game->Team_Totals[0][GAME_TOTAL_COMPLETIONS], 0) << "tries add no team totals";
}

TEST(PassingPlays, CompletionCountsOneAttemptAndItsYards) {
    GAME_RECORD* game = Crafted_Snap(1, 10, 60, Pass_Play());
    Seed_Random_Numbers(2);
    Implement_Pass_Result(game, game->On_Field[0][3], PASS_OUTCOME_COMPLETE, 1, 8, 14);
    EXPECT_EQ(Result_Of(game), RESULT_COMPLETED_PASS);
    EXPECT_EQ(game->Snap_Yards, 14);
    EXPECT_EQ(game->Team_Totals[0][GAME_TOTAL_PASS_ATTEMPTS], 1);
    EXPECT_EQ(game->Team_Totals[0][GAME_TOTAL_COMPLETIONS], 1);
    EXPECT_EQ(game->Team_Totals[0][GAME_TOTAL_PASSING_YARDS], 14);

    game = Crafted_Snap(1, 10, 60, Pass_Play(), 0, false);
    Implement_Pass_Result(game, game->On_Field[0][3], PASS_OUTCOME_INCOMPLETE, 1, 8, 14);
    EXPECT_EQ(game->Snap_Yards, 0);
    EXPECT_NE(game->Down_Word & CLOCK_STOPPED_BIT, 0u);
    EXPECT_EQ(game->Team_Totals[0][GAME_TOTAL_PASS_ATTEMPTS], 1);
}

// An outcome the pass has none of is shown in a quick message, not logged,
// and leaves the snap with only its result word set.
TEST(PassingPlays, InvalidOutcomeSetsOnlyTheResultWordAndIsShown) {
    GAME_RECORD* game = Crafted_Snap(1, 10, 60, Pass_Play());
    Clear_Debug_Log();
    Clear_Shown_Messages();
    const GAME_RECORD before = *game;
    Implement_Pass_Result(game, game->On_Field[0][3], 7, 1, 8, 14);
    EXPECT_EQ(Result_Of(game), 7);
    GAME_RECORD expected = before;
    expected.Current_Play.Play_Word = game->Current_Play.Play_Word;
    EXPECT_EQ(std::memcmp(&expected, game, sizeof(GAME_RECORD)), 0);
    const std::vector<SHOWN_MESSAGE> shown = Get_Shown_Messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].Caption, "Quick Message");
    EXPECT_EQ(shown[0].Text, "Invalid value in Implement_Pass_Result()");
    EXPECT_EQ(Count_Debug_Lines("Invalid value in Implement_Pass_Result()"), 0);
}

TEST(PassingPlays, QuarterbackArmBelowSixtyIsRaisedOnlyForQuarterbacks) {
    GAME_RECORD* game = Crafted_Snap(1, 10, 60, Pass_Play());
    const int32_t quarterback = game->On_Field[0][0];
    const int32_t back = game->On_Field[0][1];
    const int32_t receiver = game->On_Field[0][3];
    auto limit = [&](int32_t passer, float distance) {
        game->On_Field[0][0] = static_cast<uint8_t>(passer);
        Set_Player_Rating(0, passer, RATING_DISTANCE, distance);
        Seed_Random_Numbers(21);
        return Get_Throw_Depth_Limit(game, receiver);
    };
    const int32_t quarterback_30 = limit(quarterback, 30.0f);
    EXPECT_EQ(quarterback_30, limit(back, 50.0f)) << "a quarterback's 30 counts as 50";
    EXPECT_NE(limit(back, 30.0f), quarterback_30) << "a running back keeps his 30";
}

TEST(PassingPlays, TargetWithoutAPrimaryReceiverStaysInRange) {
    GAME_RECORD* game = Crafted_Snap(1, 10, 60, Pass_Play());
    Universe.Teams[0].Playbooks.Offense.Plays[Pass_Play()].Primary = 0;
    Seed_Random_Numbers(4);
    for (int32_t i = 0; i < 100; ++i) {
        int32_t primary = -1;
        const int32_t r = Choose_Pass_Target(game, &primary);
        ASSERT_GE(r, 0);
        ASSERT_LE(r, 4);
        ASSERT_TRUE(primary == 0 || primary == 1);
    }
    EXPECT_EQ(Get_Receiver_Slot(game, 5), 255);
    EXPECT_EQ(Get_Receiver_Slot(game, -1), 255);
}

TEST(PassingPlays, WholePassSnapsGiveValidResults) {
    const int32_t play = Pass_Play();
    ASSERT_GE(play, 0);
    int32_t completions = 0;
    for (uint32_t seed = 1; seed <= 300; ++seed) {
        GAME_RECORD* game =
            Crafted_Snap(seed % 4, 10, 1 + static_cast<int32_t>(seed % 99), play, 0, seed == 1);
        Set_User_Preference(CURRENT_WEEK, static_cast<int32_t>(seed % 10));
        Seed_Random_Numbers(seed);
        if (Check_For_Scramble(game) != 0) continue;
        const int32_t to_goal = game->Yards_To_Goal;
        Resolve_Pass_Play(game);
        const int32_t result = Result_Of(game);
        ASSERT_TRUE((result >= RESULT_INCOMPLETE_PASS && result <= RESULT_SAFETY) ||
                    result == RESULT_FUMBLE_TOUCHDOWN)
            << "seed " << seed << " result " << result;
        if (result == RESULT_COMPLETED_PASS) {
            ++completions;
            EXPECT_LT(game->Snap_Yards, to_goal);
        }
        if (result == RESULT_TOUCHDOWN_PASS) {
            EXPECT_EQ(game->Snap_Yards, to_goal);
        }
    }
    EXPECT_GT(completions, 50);
}

TEST(PassingPlays, StripSackTurnsTheBallOverAndDefendedPassCreditsTheDefender) {
    GAME_RECORD* game = Crafted_Snap(2, 7, 40, Pass_Play());
    Seed_Random_Numbers(8);
    Implement_Pass_Result(game, game->On_Field[0][3], PASS_OUTCOME_SACK_FUMBLE, 0, 6, 9);
    const int32_t result = Result_Of(game);
    EXPECT_TRUE(result == RESULT_PASS_FUMBLE || result == RESULT_FUMBLE_TOUCHDOWN) << result;
    EXPECT_EQ(game->Possession_Team, 1);
    EXPECT_EQ(game->Yards_To_Goal, 60);
    EXPECT_EQ(game->Team_Totals[0][GAME_TOTAL_TURNOVERS], 1);
    EXPECT_EQ(game->Team_Stats[0][GAME_STAT_FUMBLES], 1);
    EXPECT_EQ(game->Team_Stats[0][GAME_STAT_FUMBLES_LOST], 1);
    EXPECT_EQ(game->Team_Totals[0][GAME_TOTAL_PASS_ATTEMPTS], 0);
    EXPECT_GE(game->Snap_Yards, 5) << "the return adds to the yards the sack lost";

    game = Crafted_Snap(1, 10, 60, Pass_Play(), 0, false);
    int32_t passes_defensed = 0;
    for (int32_t i = 0; i < ON_FIELD_PLAYERS; ++i)
        passes_defensed += Get_Player_Stat(1, game->On_Field[1][i], 0, 6);
    Implement_Pass_Result(game, game->On_Field[0][3], PASS_OUTCOME_DEFENDED, 1, 8, 14);
    EXPECT_EQ(Result_Of(game), RESULT_PASS_KNOCKED_DOWN);
    EXPECT_EQ(game->Snap_Yards, 0);
    int32_t after = 0;
    for (int32_t i = 0; i < ON_FIELD_PLAYERS; ++i)
        after += Get_Player_Stat(1, game->On_Field[1][i], 0, 6);
    EXPECT_EQ(after, passes_defensed + 1);
}

namespace {
// A watched game: the announcer's queue is filled only while someone watches.
void Watch_Crafted_Game() {
    Set_User_Preference(SIMULATION_RUNNING, 1);
    Set_User_Preference(SIM_TO_QUARTER, 0);
    Schedule_Game(1, 0, 1, 6, 1300);
    Set_Game_PBP_Flag(0, 1, 1);
}

const PLAY_EVENT_SLOT* Find_Event(const GAME_RECORD* game, int32_t event) {
    for (const PLAY_EVENT_SLOT& slot : game->Current_Play.Events)
        if (slot.Event_Id == event) return &slot;
    return nullptr;
}
} // namespace

// When the quarterback looks off a primary wide receiver in double coverage,
// the announcer is told so and picks one of the double-coverage sentences.
TEST(PassingPlays, LookingOffACoveredReceiverNamesTheDoubleCoverage) {
    GAME_RECORD* game = Crafted_Snap(0, 10, 60);
    const int32_t play = Find_Test_Play([](int32_t p) {
        const int32_t primary = Get_Offensive_Play_Primary_Receiver(0, p);
        return Is_Passing_Play(0, p) && !Is_Special_Pass_Play(0, p) && (primary == 3 || primary == 4) &&
               Get_Formation_Slot_Position(Get_Offensive_Play_Formation(0, p), primary, 1) == 0;
    });
    int32_t defense = -1;
    for (int32_t d = 0; d < DEFENSIVE_PLAYS && defense < 0; ++d)
        if (Has_Defender_With_Role_18(1, d)) defense = d;
    ASSERT_GE(play, 0);
    ASSERT_GE(defense, 0);
    Watch_Crafted_Game();
    int32_t looked_off = 0;
    for (uint32_t seed = 1; seed <= 200; ++seed) {
        Clear_Current_Play(game);
        game->Current_Play.Offensive_Play = static_cast<uint8_t>(play);
        game->Current_Play.Defensive_Play = static_cast<uint8_t>(defense);
        game->Formation[0] = Get_Offensive_Play_Formation(0, play);
        Seed_Random_Numbers(seed);
        int32_t primary_chosen = 1;
        Choose_Pass_Target(game, &primary_chosen);
        const PLAY_EVENT_SLOT* slot = Find_Event(game, 9);
        if (slot == nullptr) continue;
        ++looked_off;
        EXPECT_EQ(slot->Argument_B, 1) << "seed " << seed;
        EXPECT_TRUE(slot->Sentence == 13 || slot->Sentence == 14) << "sentence " << int{slot->Sentence};
    }
    EXPECT_GT(looked_off, 0);
    Set_User_Preference(SIMULATION_RUNNING, 0);
}

// Before a scramble the announcer tells of the rush whenever the quarterback
// looked to his primary receiver: when the primary roll chose him and when
// the look elsewhere came back to him; a look elsewhere tells no rush.
TEST(PassingPlays, ScrambleTellsTheRushWhenThePrimaryReceiverWasTheLook) {
    GAME_RECORD* game = Crafted_Snap(0, 10, 60);
    // A pass from a deep snap: no drop-back line comes before the look.
    const int32_t play = Find_Test_Play([game](int32_t p) {
        game->Formation[0] = Get_Offensive_Play_Formation(0, p);
        game->Current_Play.Offensive_Play = static_cast<uint8_t>(p);
        return Is_Passing_Play(0, p) && Get_Offensive_Play_Primary_Receiver(0, p) >= 1 &&
               !Is_Drop_Back_From_Center(game);
    });
    ASSERT_GE(play, 0);
    Watch_Crafted_Game();
    int32_t rolled = 0, came_back = 0, elsewhere = 0;
    for (uint32_t seed = 1; seed <= 300; ++seed) {
        Clear_Current_Play(game);
        game->Current_Play.Offensive_Play = static_cast<uint8_t>(play);
        game->Formation[0] = Get_Offensive_Play_Formation(0, play);
        Seed_Random_Numbers(seed);
        int32_t by_roll = 0;
        const int32_t target = Choose_Pass_Target(game, &by_roll);
        const bool primary = target == Get_Offensive_Play_Primary_Receiver(0, play) - 1;
        Clear_Current_Play(game);
        game->Current_Play.Offensive_Play = static_cast<uint8_t>(play);
        Seed_Random_Numbers(seed);
        Narrate_Scramble(game);
        const std::string label = "seed " + std::to_string(seed);
        EXPECT_EQ(Find_Event(game, 6) != nullptr, primary) << label << ", chosen by the roll: " << by_roll;
        ASSERT_NE(Find_Event(game, 50), nullptr) << label << ": he runs with it";
        rolled += primary && by_roll != 0;
        came_back += primary && by_roll == 0;
        elsewhere += !primary;
    }
    EXPECT_GT(rolled, 0);
    EXPECT_GT(came_back, 0);
    EXPECT_GT(elsewhere, 0);
    Set_User_Preference(SIMULATION_RUNNING, 0);
}

// A touchdown pass caught past the goal line, or a pass downed in the
// passer's own end zone, counts its yards to the goal line in the team's
// passing yards and in the passer's and receiver's lines, as the ball and the
// play log do.
TEST(PassingPlays, TouchdownAndSafetyPassesAreCreditedToTheGoalLine) {
    GAME_RECORD* game = Crafted_Snap(0, 10, 12, Pass_Play());
    const int32_t passer = game->On_Field[0][0];
    const int32_t receiver = game->On_Field[0][3];
    const int32_t passing = Get_Player_Stat(0, passer, SEASON_THIS, 5);
    const int32_t receiving = Get_Player_Stat(0, receiver, SEASON_THIS, 11);
    const int32_t after_catch = Get_Player_Stat(0, receiver, SEASON_THIS, 6);
    Seed_Random_Numbers(3);
    // Caught 15 yards downfield, the ball carried to 19: 3 and 7 yards deep in
    // the end zone.
    Implement_Pass_Result(game, receiver, PASS_OUTCOME_COMPLETE, 1, 15, 19);
    ASSERT_EQ(Result_Of(game), RESULT_TOUCHDOWN_PASS);
    EXPECT_EQ(game->Snap_Yards, 12);
    EXPECT_EQ(game->Current_Play.Yard1, 12);
    EXPECT_EQ(game->Team_Totals[0][GAME_TOTAL_PASSING_YARDS], 12);
    EXPECT_EQ(Get_Player_Stat(0, passer, SEASON_THIS, 5), passing + 12);
    EXPECT_EQ(Get_Player_Stat(0, receiver, SEASON_THIS, 11), receiving + 12);
    EXPECT_EQ(Get_Player_Stat(0, receiver, SEASON_THIS, 6), after_catch) << "caught in the end zone";

    game = Crafted_Snap(0, 10, 12, Pass_Play());
    Seed_Random_Numbers(3);
    Implement_Pass_Result(game, receiver, PASS_OUTCOME_COMPLETE, 1, 8, 16);
    ASSERT_EQ(Result_Of(game), RESULT_TOUCHDOWN_PASS);
    EXPECT_EQ(game->Team_Totals[0][GAME_TOTAL_PASSING_YARDS], 12);
    EXPECT_EQ(Get_Player_Stat(0, receiver, SEASON_THIS, 6), after_catch + 4)
        << "4 yards after the catch to the line";

    // A screen caught 3 yards behind the line at the own 1 and downed 2 yards
    // deep in the end zone: a safety, logged and credited at the goal line.
    game = Crafted_Snap(0, 10, 99, Pass_Play());
    const int32_t passing_before = Get_Player_Stat(0, passer, SEASON_THIS, 5);
    const int32_t receiving_before = Get_Player_Stat(0, receiver, SEASON_THIS, 11);
    Seed_Random_Numbers(3);
    Implement_Pass_Result(game, receiver, PASS_OUTCOME_COMPLETE, 11, -3, -2);
    ASSERT_EQ(Result_Of(game), RESULT_SAFETY);
    EXPECT_EQ(game->Snap_Yards, -1);
    EXPECT_EQ(game->Current_Play.Yard1, -1);
    EXPECT_EQ(static_cast<int16_t>(game->Team_Totals[0][GAME_TOTAL_PASSING_YARDS]), -1);
    EXPECT_EQ(Get_Player_Stat(0, passer, SEASON_THIS, 5), passing_before - 1);
    EXPECT_EQ(Get_Player_Stat(0, receiver, SEASON_THIS, 11), receiving_before - 1);
}

// A pass's entry keeps the passer first; the second place holds what the pass
// came to: the defender who broke it up, or on a safety the tackler of the man
// downed.
TEST(PassingPlays, EntryNamesThePasserAndTheDefenderOfABrokenUpPass) {
    GAME_RECORD* game = Crafted_Snap(0, 10, 60, Pass_Play());
    const int32_t passer_id = Get_Player_ID(0, game->On_Field[0][0]);
    Seed_Random_Numbers(11);
    Implement_Pass_Result(game, game->On_Field[0][3], PASS_OUTCOME_DEFENDED, 0, 5, 10);
    ASSERT_EQ(Result_Of(game), RESULT_PASS_KNOCKED_DOWN);
    EXPECT_EQ(game->Current_Play.First_Player_Id, passer_id);
    bool defender_on_field = false;
    for (int32_t i = 0; i < ON_FIELD_PLAYERS; ++i)
        defender_on_field |= game->Current_Play.Second_Player_Id == Get_Player_ID(1, game->On_Field[1][i]);
    EXPECT_TRUE(defender_on_field) << "the second player is a defender, not the receiver";
    EXPECT_EQ(Get_Play_Role_Id(game->Current_Play, ROLE_RECEIVER), -1);

    for (uint32_t seed = 1; seed <= 40; ++seed) {
        game = Crafted_Snap(0, 10, 98, Pass_Play());
        Seed_Random_Numbers(seed);
        Implement_Pass_Result(game, game->On_Field[0][3], PASS_OUTCOME_SACKED, 0, 5, 10);
        if (Result_Of(game) != RESULT_SAFETY) continue;
        EXPECT_EQ(Get_Play_Role_Id(game->Current_Play, ROLE_DOWNED), Get_Player_ID(0, game->On_Field[0][0]));
        EXPECT_EQ(Get_Play_Role_Id(game->Current_Play, ROLE_TACKLER), game->Current_Play.Second_Player_Id);
        EXPECT_GT(game->Current_Play.Second_Player_Id, 0) << "the sacker tackled him";
        return;
    }
    ADD_FAILURE() << "no sack went for a safety";
}

// A pass thrown by a man who is no quarterback counts in his team's passing
// totals and the opponent's against them, never in his own line, whose
// statistics 2 to 6 hold his fumbles and other figures.
TEST(PassingPlays, AnotherMansPassCountsForHisTeamOnly) {
    GAME_RECORD* game = Crafted_Snap(0, 10, 60, Pass_Play());
    const int32_t back = game->On_Field[0][1];
    ASSERT_NE(Get_Player_Vital_Stat(0, back, VITAL_POSITION), POSITION_QB);
    const auto& line = Universe.Teams[0].Players[back].Season_Stats[SEASON_THIS];
    const std::vector<int32_t> before(std::begin(line), std::end(line));
    constexpr int32_t PASSERS = 3, AGAINST_PASSERS = 7;
    const int32_t attempts = Get_Team_Totals_Stat(0, PASSERS, 0, 2);
    const int32_t interceptions = Get_Team_Totals_Stat(0, PASSERS, 0, 4);
    const int32_t against = Get_Team_Totals_Stat(1, AGAINST_PASSERS, 0, 4);
    const GAME_STAT_CREDIT thrown[] = {{2, 1}, {4, 1}};
    Credit_Passer(game, back, thrown);
    EXPECT_EQ(std::vector<int32_t>(std::begin(line), std::end(line)), before) << "his own line is left alone";
    EXPECT_EQ(Get_Team_Totals_Stat(0, PASSERS, 0, 2), attempts + 1);
    EXPECT_EQ(Get_Team_Totals_Stat(0, PASSERS, 0, 4), interceptions + 1);
    EXPECT_EQ(Get_Team_Totals_Stat(1, AGAINST_PASSERS, 0, 4), against + 1);
    game->Down_Word = CONVERSION_ATTEMPT;
    Credit_Passer(game, back, thrown);
    EXPECT_EQ(Get_Team_Totals_Stat(0, PASSERS, 0, 2), attempts + 1) << "a try's pass is no attempt";
}

namespace {
std::vector<std::vector<int32_t>> Heard_Passing;
void Hear_Passing(int32_t team, int32_t slot, int32_t stat, int32_t amount) {
    Heard_Passing.push_back({team, slot, stat, amount});
}
} // namespace

// What only the team totals keep of another man's pass is told to the
// listener as a quarterback's line would have taken it: in the regular
// season, from a man not marked out, never on a try; a quarterback's own
// passes are his line's, and nothing is told with no listener set.
TEST(PassingPlays, AnotherMansPassIsToldAsALineWouldTakeIt) {
    GAME_RECORD* game = Crafted_Snap(0, 10, 60, Pass_Play());
    const int32_t back = game->On_Field[0][1];
    const int32_t passer = game->On_Field[0][0];
    ASSERT_NE(Get_Player_Vital_Stat(0, back, VITAL_POSITION), POSITION_QB);
    ASSERT_EQ(Get_Player_Vital_Stat(0, passer, VITAL_POSITION), POSITION_QB);
    Heard_Passing.clear();
    Set_Non_Passer_Passing_Listener(Hear_Passing);
    const GAME_STAT_CREDIT thrown[] = {{2, 1}, {3, 1}, {5, 17}};
    Credit_Passer(game, back, thrown);
    EXPECT_EQ(Heard_Passing,
              (std::vector<std::vector<int32_t>>{{0, back, 2, 1}, {0, back, 3, 1}, {0, back, 5, 17}}));
    Heard_Passing.clear();
    Credit_Passer(game, passer, thrown);
    EXPECT_TRUE(Heard_Passing.empty()) << "a quarterback's pass is in his own line";

    Set_Player_Vital_Stat(0, back, VITAL_WEEKS_OUT, 2);
    Credit_Passer(game, back, thrown);
    EXPECT_TRUE(Heard_Passing.empty()) << "a man marked out keeps nothing in his line";
    Set_Player_Vital_Stat(0, back, VITAL_WEEKS_OUT, 0);

    const int32_t week = Get_User_Preference(CURRENT_WEEK);
    Set_User_Preference(CURRENT_WEEK, Universe.Season_Length);
    const int32_t attempts = Get_Team_Totals_Stat(0, 3, 0, 2);
    Credit_Passer(game, back, thrown);
    EXPECT_TRUE(Heard_Passing.empty()) << "a playoff game leaves the season lines alone";
    EXPECT_EQ(Get_Team_Totals_Stat(0, 3, 0, 2), attempts + 1) << "though the team totals count it";
    Set_User_Preference(CURRENT_WEEK, week);

    game->Down_Word = CONVERSION_ATTEMPT;
    Credit_Passer(game, back, thrown);
    EXPECT_TRUE(Heard_Passing.empty()) << "a try's pass is no attempt";
    Set_Non_Passer_Passing_Listener(nullptr);
}
