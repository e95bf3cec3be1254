// Whole games on the test league checked against the rules every game must
// keep, over many seeds: the score is the sum of the logged scoring plays,
// completions never exceed attempts, every snap from scrimmage starts between
// the 1 and the 99, overtime ends by the rules of its mode, playoff games never
// end tied, a seed replays byte for byte and a game saved midway finishes.
// Set KORVA_LONG_TESTS to run ten times as many games.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "database/saved_game.h"
#include "database/settings.h"
#include "database/universe.h"
#include "engine/game_driver.h"
#include "engine/game_record.h"
#include "game_test_support.h"
#include "platform/message_queue.h"
#include "support/game_runner.h"
#include "support/test_league.h"

namespace {

int32_t Scale() {
    const char* value = std::getenv("KORVA_LONG_TESTS");
    return value != nullptr && value[0] != '\0' && value[0] != '0' ? 10 : 1;
}

// Checks one finished game; `mode` is the overtime rule it was played under.
void Expect_Valid_Game(const GAME_RECORD* game, bool playoff, int32_t mode, const std::string& label) {
    ASSERT_EQ(Is_Game_Over(game), 1) << label;
    EXPECT_GE(game->Clock, 3600) << label;
    if (playoff) {
        EXPECT_NE(game->Score[0], game->Score[1]) << "a playoff game ended tied, " << label;
    }
    for (int side = 0; side < 2; ++side) {
        EXPECT_LE(game->Team_Totals[side][GAME_TOTAL_COMPLETIONS],
                  game->Team_Totals[side][GAME_TOTAL_PASS_ATTEMPTS])
            << label << " side " << side;
        EXPECT_GE(game->Score[side], 0) << label;
    }
    // Every second the clock ran belongs to one side's time of possession.
    EXPECT_EQ(game->Team_Totals[0][GAME_TOTAL_POSSESSION_SECONDS] +
                  game->Team_Totals[1][GAME_TOTAL_POSSESSION_SECONDS],
              game->Clock)
        << label;
    ASSERT_LE(game->Play_Log_Count, MAX_PLAY_LOG_ENTRIES) << label;
    int32_t points[2] = {0, 0};
    int32_t fumbles_lost[2] = {0, 0};
    int32_t interceptions[2] = {0, 0};
    for (int i = 0; i < game->Play_Log_Count; ++i) {
        const PLAY_LOG_ENTRY& entry = game->Play_Log[i];
        const uint32_t down = entry.Play_Word & 0xFF;
        const int32_t to_goal = (entry.Play_Word >> 16) & 0xFF;
        // Every fumble the game knows is lost on a run (13, 14) or a sack (5,
        // 14); kick returners never fumble (20 and 24 stay unused).
        const int32_t result = Get_Play_Result(entry.Play_Word);
        const int side = (entry.Play_Word >> PLAY_WORD_SIDE_1_BALL_BIT) & 1;
        EXPECT_NE(result, RESULT_PUNT_FUMBLED) << label << " snap " << i;
        EXPECT_NE(result, RESULT_KICKOFF_RETURN_FUMBLED) << label << " snap " << i;
        if (down != CONVERSION_ATTEMPT) {
            if (result == RESULT_PASS_FUMBLE || result == RESULT_RUN_FUMBLE ||
                result == RESULT_FUMBLE_TOUCHDOWN)
                ++fumbles_lost[side];
            if (result == RESULT_INTERCEPTION || result == RESULT_INTERCEPTION_TOUCHDOWN)
                ++interceptions[side];
        }
        if (down <= 3) {
            EXPECT_GE(to_goal, 1) << label << " snap " << i;
            EXPECT_LE(to_goal, 99) << label << " snap " << i;
        }
        // Overtime: once a lead of six or more stands (any lead in sudden
        // death), no further snap may be run.
        if (entry.Clock > 3600) {
            const int32_t margin = points[0] > points[1] ? points[0] - points[1] : points[1] - points[0];
            const bool sudden = mode == 0 || mode == 2;
            EXPECT_TRUE(margin == 0 || (!sudden && margin < 6))
                << "a snap was run in overtime after the game was decided, " << label << " snap " << i;
        }
        Add_Logged_Points(entry, points);
    }
    if (game->Play_Log_Count < MAX_PLAY_LOG_ENTRIES) {
        EXPECT_EQ(points[0], game->Score[0]) << label;
        EXPECT_EQ(points[1], game->Score[1]) << label;
        for (int side = 0; side < 2; ++side) {
            EXPECT_EQ(game->Team_Stats[side][GAME_STAT_FUMBLES_LOST], fumbles_lost[side]) << label;
            EXPECT_LE(game->Team_Stats[side][GAME_STAT_FUMBLES_LOST],
                      game->Team_Stats[side][GAME_STAT_FUMBLES])
                << label;
            EXPECT_EQ(game->Team_Totals[side][GAME_TOTAL_TURNOVERS], fumbles_lost[side] + interceptions[side])
                << label;
        }
    }
    // First-possession rule: a lead of less than a touchdown ends a timed
    // overtime only once the trailing side has had the ball (a safety against
    // the side in possession ends it at once) or the period ran out.
    if (mode == 1 && game->Clock > 3600 && game->Score[0] != game->Score[1]) {
        const int32_t margin = game->Score[0] - game->Score[1];
        const int32_t trailing = margin > 0 ? 1 : 0;
        const bool answered = (game->Overtime_Possessions & (1 << trailing)) != 0;
        EXPECT_TRUE(answered || margin >= 6 || margin <= -6 || game->Clock >= 3600 + 600)
            << "a short overtime lead ended the game before both sides had the ball, " << label;
    }
}

} // namespace

TEST(GameOver, OvertimeTouchdownEndsTheGameWithoutItsTry) {
    GAME_RECORD* game = Crafted_Game(3900, CONVERSION_ATTEMPT, 2, 2);
    game->Score[0] = 30;
    game->Score[1] = 24;
    Set_User_Preference(REGULAR_SEASON_OVERTIME_FLAG, 1);
    for (int32_t mode = 0; mode < 4; ++mode) {
        Set_User_Preference(REGULAR_SEASON_OVERTIME_RULE, mode);
        Set_User_Preference(PLAYOFF_OVERTIME_RULE, mode);
        game->Week = 3;
        EXPECT_EQ(Is_Game_Over(game), 1) << "regular season, mode " << mode;
        game->Week = 18;
        EXPECT_EQ(Is_Game_Over(game), 1) << "playoffs, mode " << mode;
    }
    // The try after a touchdown on the last snap of regulation is still run.
    game->Clock = 3600;
    for (int32_t mode = 0; mode < 4; ++mode) {
        Set_User_Preference(PLAYOFF_OVERTIME_RULE, mode);
        EXPECT_EQ(Is_Game_Over(game), 0) << "try at 3,600, mode " << mode;
    }
    Set_User_Preference(REGULAR_SEASON_OVERTIME_FLAG, 0);
    game->Week = 3;
    EXPECT_EQ(Is_Game_Over(game), 0) << "try at 3,600 without regular-season overtime";
}

TEST(GameInvariants, RegularSeasonWeeksKeepTheRules) {
    const int32_t weeks = 2 * Scale();
    for (int32_t w = 0; w < weeks; ++w) {
        Build_Test_League();
        std::memset(Universe.Games, 0, sizeof(Universe.Games));
        const uint32_t seed = 500 + static_cast<uint32_t>(w);
        Prepare_Game_Week(3 + w % 10, seed);
        ASSERT_EQ(Play_Test_Week(3 + w % 10), 16) << "seed " << seed;
        for (int n = 0; n < 16; ++n)
            Expect_Valid_Game(&Universe.Games[n], false, 1,
                              "seed " + std::to_string(seed) + " game " + std::to_string(n));
    }
}

TEST(GameInvariants, PlayoffGamesNeverEndTiedUnderEitherUntimedRule) {
    const int32_t games = 8 * Scale();
    for (int32_t g = 0; g < games; ++g) {
        Build_Test_League();
        const uint32_t seed = 900 + static_cast<uint32_t>(g);
        const int32_t week = 17 + g % 3;
        Prepare_Game_Week(week, seed);
        const int32_t mode = 2 + g % 2;
        Set_User_Preference(PLAYOFF_OVERTIME_RULE, mode);
        GAME_RECORD* game = Play_Test_Game(g % 16, 16 + (g * 5) % 16, week);
        ASSERT_NE(game, nullptr);
        Expect_Valid_Game(game, true, mode, "playoff seed " + std::to_string(seed));
    }
}

TEST(GameInvariants, AWeekReplaysByteForByte) {
    std::vector<uint8_t> first;
    for (int run = 0; run < 2; ++run) {
        Build_Test_League();
        std::memset(Universe.Games, 0, sizeof(Universe.Games));
        Prepare_Game_Week(6, 31337);
        ASSERT_EQ(Play_Test_Week(6), 16);
        const uint8_t* bytes = reinterpret_cast<const uint8_t*>(Universe.Games);
        const size_t size = 16 * sizeof(GAME_RECORD);
        if (run == 0) {
            first.assign(bytes, bytes + size);
        } else {
            size_t differ = 0;
            while (differ < size && first[differ] == bytes[differ])
                ++differ;
            EXPECT_EQ(differ, size) << "game " << differ / sizeof(GAME_RECORD) << " differs at byte "
                                    << differ % sizeof(GAME_RECORD);
        }
    }
}

TEST(GameInvariants, GamesSavedAtAnyPointFinishValidly) {
    // The last stops lie near the end of a typical game (about 150 logged
    // snaps); a game already over by then has nothing to resume.
    const int32_t stops[] = {1, 45, 110, 135, 150};
    int32_t resumed = 0;
    for (int32_t stop : stops) {
        Build_Test_League();
        const uint32_t seed = 77 + static_cast<uint32_t>(stop);
        Prepare_Game_Week(4, seed);
        Stop_Advance_After_Snaps(stop);
        GAME_RECORD* game = Play_Test_Game(12, 13, 4);
        ASSERT_NE(game, nullptr);
        Reset_Message_Queue();
        const int32_t index = static_cast<int32_t>(game - Universe.Games);
        if (stop > 100 && Is_Game_Over(game)) continue;
        ASSERT_EQ(Is_Game_Over(game), 0) << "stopped after " << stop << " snaps";
        ++resumed;

        Set_User_Preference(GAME_SAVED_MIDWAY, 1);
        ASSERT_EQ(Save_Game("stopped.kor", nullptr), SAVE_OK);
        std::memset(&Universe.Games[index], 0, sizeof(GAME_RECORD));
        ASSERT_EQ(Load_Game("stopped.kor"), 1);
        std::remove("stopped.kor");
        game = &Universe.Games[index];
        Set_User_Preference(SIMULATION_RUNNING, 1);
        Universe.Header.Target_Week = 5;
        ASSERT_EQ(Play_Game(12, 13, 4, game), 1) << "stopped after " << stop << " snaps";
        Finish_Game(game, 4);
        Expect_Valid_Game(game, false, 1, "resumed after " + std::to_string(stop) + " snaps");
    }
    EXPECT_GE(resumed, 3);
}
