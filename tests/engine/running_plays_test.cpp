#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "database/player_hashes.h"
#include "database/player_statistics.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "engine/game_record.h"
#include "engine/play_resolution_support.h"
#include "engine/running_plays.h"
#include "engine/unit_multipliers.h"
#include "play_resolution_test_support.h"

namespace {

int32_t Run_Play() {
    return Find_Test_Play([](int32_t play) { return Is_Running_Play(255, play); });
}

int32_t Result_Of(const GAME_RECORD* game) {
    return Get_Current_Play_Result(game);
}

} // namespace

TEST(RunningPlays, KneelAtOwnOneIsASafety) {
    GAME_RECORD* game = Crafted_Snap(0, 10, 99, Run_Play());
    Seed_Random_Numbers(7);
    Resolve_Kneel_Down(game);
    EXPECT_EQ(Result_Of(game), RESULT_SAFETY);
    EXPECT_EQ(game->Snap_Yards, -1);
    EXPECT_GE(game->Snap_Seconds, 7);
    EXPECT_LE(game->Snap_Seconds, 9);

    game = Crafted_Snap(1, 10, 50, Run_Play());
    Resolve_Kneel_Down(game);
    EXPECT_EQ(Result_Of(game), RESULT_RUN_MIDDLE);
    EXPECT_EQ(game->Snap_Yards, -1);
    const int32_t carrier = Get_Offensive_Play_Primary_Receiver(255, Run_Play());
    EXPECT_EQ(game->Current_Play.First_Player_Id, Get_Player_ID(0, game->On_Field[0][carrier]));
}

TEST(RunningPlays, ScrambleDepthAndDirectionRanges) {
    Seed_Random_Numbers(3);
    for (int32_t i = 0; i < 300; ++i) {
        const int32_t inside = Draw_Scramble_Depth(1);
        EXPECT_GE(inside, 0);
        EXPECT_LE(inside, 3);
        const int32_t right = Draw_Scramble_Depth(2);
        EXPECT_TRUE(right == 4 || right == 6 || right == 8) << right;
        const int32_t left = Draw_Scramble_Depth(0);
        EXPECT_TRUE(left == 5 || left == 7 || left == 9) << left;
    }
    GAME_RECORD* game = Crafted_Snap(0, 10, 60, Run_Play());
    int32_t counts[3] = {};
    for (int32_t i = 0; i < 2000; ++i)
        ++counts[Choose_Run_Direction(game, 1)];
    EXPECT_NEAR(counts[0], 500, 120);
    EXPECT_NEAR(counts[1], 1100, 150);
    EXPECT_NEAR(counts[2], 400, 120);
}

TEST(RunningPlays, RunsStayWithinTheirBoundsAndSafetiesAreScored) {
    const int32_t play = Run_Play();
    ASSERT_GE(play, 0);
    bool saw_safety = false;
    bool saw_gain = false;
    for (uint32_t seed = 1; seed <= 300; ++seed) {
        GAME_RECORD* game = Crafted_Snap(0, 10, 99, play, 0, seed == 1);
        Set_User_Preference(CURRENT_WEEK, static_cast<int32_t>(seed % 12));
        Seed_Random_Numbers(seed);
        Resolve_Running_Play(game, 0);
        const int32_t result = Result_Of(game);
        const int32_t yards = game->Snap_Yards;
        if (result == RESULT_RUN_FUMBLE || result == RESULT_FUMBLE_TOUCHDOWN) continue;
        ASSERT_TRUE(result == RESULT_SAFETY || (result >= RESULT_RUN_LEFT && result <= RESULT_TOUCHDOWN_RUN))
            << "seed " << seed << " result " << result;
        if (result == RESULT_SAFETY) {
            saw_safety = true;
            EXPECT_EQ(yards, -1) << "a loss from the own 1 scores the safety at the goal line";
        } else {
            EXPECT_GE(yards, 0) << "anything short of the goal line is a safety, seed " << seed;
            saw_gain = saw_gain || yards > 0;
        }
        EXPECT_GE(game->Snap_Seconds, 6);
    }
    EXPECT_TRUE(saw_safety);
    EXPECT_TRUE(saw_gain);
}

TEST(RunningPlays, ConversionRunNeverFumblesAndScoresWithoutATouchdownCredit) {
    const int32_t play = Run_Play();
    bool scored = false;
    for (uint32_t seed = 1; seed <= 200; ++seed) {
        GAME_RECORD* game = Crafted_Snap(CONVERSION_ATTEMPT, 2, 2, play, 0, seed == 1);
        // Hands so poor the open-field fumble chance is certain to be high.
        for (int32_t i = 0; i < ON_FIELD_PLAYERS; ++i)
            Set_Player_Rating(0, game->On_Field[0][i], RATING_HANDS, 20.0f);
        Seed_Random_Numbers(seed);
        const int32_t carrier = game->On_Field[0][1];
        const int32_t touchdowns = Get_Player_Stat(0, carrier, 0, 9);
        Resolve_Running_Play(game, 0);
        const int32_t result = Result_Of(game);
        ASSERT_NE(result, RESULT_RUN_FUMBLE) << "seed " << seed;
        ASSERT_NE(result, RESULT_TOUCHDOWN_RUN) << "seed " << seed;
        if (result == RESULT_TWO_POINT_GOOD) {
            scored = true;
            EXPECT_EQ(game->Snap_Yards, 2);
            EXPECT_EQ(Get_Player_Stat(0, carrier, 0, 9), touchdowns);
        }
        EXPECT_EQ(game->Team_Totals[0][GAME_TOTAL_TURNOVERS], 0);
    }
    EXPECT_TRUE(scored);
}

TEST(RunningPlays, FreshLeagueLateInTheSeasonStillRuns) {
    const int32_t play = Run_Play();
    GAME_RECORD* game = Crafted_Snap(0, 10, 60, play);
    std::memset(Universe_Bytes() + 1856, 0, 8);
    Set_User_Preference(CURRENT_WEEK, 12);
    Seed_Random_Numbers(11);
    Resolve_Running_Play(game, 0);
    const int32_t result = Result_Of(game);
    EXPECT_TRUE(result >= RESULT_SAFETY && result <= RESULT_FUMBLE_TOUCHDOWN) << result;
    EXPECT_GE(game->Snap_Yards, -120);
    EXPECT_LE(game->Snap_Yards, 120);
}

TEST(RunningPlays, LostFumbleTurnsTheBallOver) {
    const int32_t play = Run_Play();
    bool lost = false;
    for (uint32_t seed = 1; seed <= 2000 && !lost; ++seed) {
        GAME_RECORD* game = Crafted_Snap(0, 10, 60, play);
        for (int32_t i = 0; i < ON_FIELD_PLAYERS; ++i)
            Set_Player_Rating(0, game->On_Field[0][i], RATING_HANDS, 20.0f);
        Seed_Random_Numbers(seed);
        Resolve_Running_Play(game, 0);
        const int32_t result = Result_Of(game);
        if (result != RESULT_RUN_FUMBLE && result != RESULT_FUMBLE_TOUCHDOWN) continue;
        lost = true;
        EXPECT_EQ(game->Possession_Team, 1) << "the defence has the ball";
        EXPECT_EQ(game->Down_Word & POSSESSION_CHANGE_BITS, 1u << 12);
        EXPECT_EQ(game->Team_Totals[0][GAME_TOTAL_TURNOVERS], 1);
        EXPECT_EQ(game->Team_Stats[0][GAME_STAT_FUMBLES], 1);
        EXPECT_EQ(game->Team_Stats[0][GAME_STAT_FUMBLES_LOST], 1);
        if (result == RESULT_FUMBLE_TOUCHDOWN) {
            EXPECT_EQ(game->Snap_Yards, game->Yards_To_Goal);
        }
    }
    EXPECT_TRUE(lost) << "poor hands lose a fumble within 2000 snaps";
}

TEST(RunningPlays, ReplayFactorIsNeutralWithoutReplayFigures) {
    GAME_RECORD* game = Crafted_Snap(0, 10, 60, Run_Play());
    Set_User_Preference(CURRENT_WEEK, 1);
    EXPECT_FLOAT_EQ(Get_Replay_Rushing_Factor(game), 1.0f);
    Set_User_Preference(CURRENT_WEEK, 5);
    EXPECT_FLOAT_EQ(Get_Replay_Rushing_Factor(game), 1.0f);
}

// The play log's row of a lost fumble holds the run the record credits: the
// gain before the ball came loose, with the carrier and the recoverer named.
TEST(RunningPlays, LostFumbleLogsTheRunItCredits) {
    const int32_t play = Run_Play();
    int32_t lost = 0;
    for (uint32_t seed = 1; seed <= 3000 && lost < 5; ++seed) {
        GAME_RECORD* game = Crafted_Snap(0, 10, 60, play, 0, seed == 1);
        for (int32_t i = 0; i < ON_FIELD_PLAYERS; ++i)
            Set_Player_Rating(0, game->On_Field[0][i], RATING_HANDS, 20.0f);
        Seed_Random_Numbers(seed);
        Resolve_Running_Play(game, 0);
        const int32_t result = Result_Of(game);
        if (result != RESULT_RUN_FUMBLE && result != RESULT_FUMBLE_TOUCHDOWN) continue;
        ++lost;
        const PLAY_LOG_ENTRY& entry = game->Current_Play;
        EXPECT_EQ(game->Team_Totals[0][GAME_TOTAL_RUSHES], 1);
        EXPECT_EQ(int{entry.Yard1}, static_cast<int16_t>(game->Team_Totals[0][GAME_TOTAL_RUSHING_YARDS]))
            << "seed " << seed;
        EXPECT_EQ(entry.First_Player_Id, Get_Player_ID(0, game->On_Field[0][1])) << "the carrier";
        bool recoverer_on_field = false;
        for (int32_t i = 0; i < ON_FIELD_PLAYERS; ++i)
            recoverer_on_field |= entry.Second_Player_Id == Get_Player_ID(1, game->On_Field[1][i]);
        EXPECT_TRUE(recoverer_on_field) << "seed " << seed;
    }
    EXPECT_EQ(lost, 5);
}

// A loose ball the offence falls on is a fumble but no turnover: the carrier
// and the forcing defender are credited, the offence keeps the ball, and a
// try never fumbles. A back's fumble is his statistic 2 (his 19 holds punt
// return touchdowns).
TEST(RunningPlays, KeptFumbleCountsAFumbleButNoTurnover) {
    GAME_RECORD* game = Crafted_Snap(1, 10, 60, Run_Play());
    const int32_t carrier = game->On_Field[0][1];
    ASSERT_NE(Get_Player_Vital_Stat(0, carrier, VITAL_POSITION), POSITION_QB);
    const int32_t forcer = game->On_Field[1][4];
    const int32_t carrier_fumbles = Get_Player_Stat(0, carrier, SEASON_THIS, 2);
    const int32_t return_touchdowns = Get_Player_Stat(0, carrier, SEASON_THIS, 19);
    const int32_t forced = Get_Player_Stat(1, forcer, SEASON_THIS, 5);
    Seed_Random_Numbers(8);
    EXPECT_EQ(Check_For_Kept_Fumble(game, carrier, forcer, 10000), 1) << "a sure fumble";
    EXPECT_EQ(game->Possession_Team, 0);
    EXPECT_EQ(game->Down_Word & POSSESSION_CHANGE_BITS, 0u);
    EXPECT_EQ(game->Team_Stats[0][GAME_STAT_FUMBLES], 1);
    EXPECT_EQ(game->Team_Stats[0][GAME_STAT_FUMBLES_LOST], 0);
    EXPECT_EQ(game->Team_Totals[0][GAME_TOTAL_TURNOVERS], 0);
    EXPECT_EQ(Get_Player_Stat(0, carrier, SEASON_THIS, 2), carrier_fumbles + 1);
    EXPECT_EQ(Get_Player_Stat(0, carrier, SEASON_THIS, 19), return_touchdowns) << "no punt-return touchdown";
    EXPECT_EQ(Get_Player_Stat(1, forcer, SEASON_THIS, 5), forced + 1);

    EXPECT_EQ(Check_For_Kept_Fumble(game, carrier, forcer, 1), 0) << "one chance in 10,000 rarely comes";
    game->Down_Word = CONVERSION_ATTEMPT;
    EXPECT_EQ(Check_For_Kept_Fumble(game, carrier, forcer, 10000), 0) << "never on a try";
    EXPECT_EQ(game->Team_Stats[0][GAME_STAT_FUMBLES], 1);
}

// Where a fumble lands by kind of player: a quarterback's in statistic 19, as
// his statistic 2 counts his pass attempts, anyone else's in statistic 2, as
// his 19 counts punt-return touchdowns; a lost one also in statistic 13.
// The game's passing counters and the team's attempts never see a fumble.
TEST(RunningPlays, FumblesLandInTheStatisticOfTheirKindOfPlayer) {
    GAME_RECORD* game = Crafted_Snap(1, 10, 60, Run_Play());
    const int32_t passer = game->On_Field[0][0];
    const int32_t back = game->On_Field[0][1];
    ASSERT_EQ(Get_Player_Vital_Stat(0, passer, VITAL_POSITION), POSITION_QB);
    auto stats = [](int32_t slot) {
        const auto& season = Universe.Teams[0].Players[slot].Season_Stats[SEASON_THIS];
        return std::vector<int32_t>(std::begin(season), std::end(season));
    };
    const int32_t team_attempts = Get_Team_Totals_Stat(0, 3, 0, 2);
    for (const bool lost : {false, true}) {
        for (const int32_t slot : {passer, back}) {
            const bool qb = slot == passer;
            std::vector<int32_t> expected = stats(slot);
            expected[qb ? 19 : 2] += 1;
            if (lost) expected[13] += 1;
            Credit_Carrier_Fumble(game, slot, lost);
            EXPECT_EQ(stats(slot), expected) << (qb ? "quarterback" : "back") << (lost ? ", lost" : ", kept");
        }
    }
    EXPECT_EQ(Get_Team_Totals_Stat(0, 3, 0, 2), team_attempts) << "the team's pass attempts";
    for (const int32_t slot : {passer, back}) {
        ASSERT_LT(slot, GAME_LISTED_PLAYERS);
        for (int32_t counter = 0; counter < GAME_PLAYER_COUNTERS; ++counter)
            EXPECT_EQ(game->Player_Counters[0][slot][counter], 0)
                << "slot " << slot << " counter " << counter << ": a fumble is no attempt nor touchdown";
    }
}

// The two ways a run is told past a defender: the short telling (no hand-off
// line) has the carrier elude a front man, and its broken tackle names the
// carrier alone; the long telling (after the hand-off) names the defender
// whose tackle he broke.
TEST(RunningPlays, BrokenTackleLinesNameTheDefenderOnlyInTheLongTelling) {
    const int32_t play = Run_Play();
    GAME_RECORD* game = Crafted_Snap(0, 10, 60, play);
    Set_User_Preference(SIMULATION_RUNNING, 1);
    Set_User_Preference(SIM_TO_QUARTER, 0);
    Schedule_Game(1, 0, 1, 6, 1300);
    Set_Game_PBP_Flag(0, 1, 1);
    const int32_t carrier = game->On_Field[0][1];
    const int32_t tackler = game->On_Field[1][5];
    int32_t short_told = 0, long_told = 0;
    for (uint32_t seed = 1; seed <= 1500 && (short_told < 3 || long_told < 3); ++seed) {
        Clear_Current_Play(game);
        game->Current_Play.Offensive_Play = static_cast<uint8_t>(play);
        Seed_Random_Numbers(seed);
        Narrate_Run(game, carrier, tackler, 8, 0);
        const PLAY_EVENT_SLOT* hand_off = nullptr;
        const PLAY_EVENT_SLOT* broken = nullptr;
        for (const PLAY_EVENT_SLOT& event : game->Current_Play.Events) {
            if (event.Event_Id == 27) hand_off = &event;
            if (event.Event_Id == 19) broken = &event;
        }
        if (broken == nullptr) continue;
        const std::string label = "seed " + std::to_string(seed);
        EXPECT_EQ(broken->Player_Id[0], Get_Player_ID(0, carrier)) << label;
        if (hand_off == nullptr) {
            ++short_told;
            EXPECT_EQ(broken->Player_Id[1], -1) << label << ": the carrier alone";
            EXPECT_GE(broken->Sentence, 10) << label << ": a sentence that names nobody else";
        } else {
            ++long_told;
            int32_t team = -1, slot = -1;
            ASSERT_NE(Find_Player_By_ID(&team, &slot, broken->Player_Id[1]), 0) << label;
            EXPECT_EQ(team, 1) << label << ": the defender whose tackle he broke";
        }
    }
    EXPECT_EQ(short_told, 3);
    EXPECT_EQ(long_told, 3);
}
