// Time of possession in played games, watched snap by snap: the seconds of
// every snap go to the side holding the ball after it, so a kickoff's and a
// punt's seconds are the receiving side's and a turnover return's the side
// that took the ball away, and the two sides' seconds add up to the clock.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "database/universe.h"
#include "engine/game_driver.h"
#include "engine/game_record.h"
#include "platform/message_queue.h"
#include "platform/window_messages.h"
#include "support/game_runner.h"
#include "support/test_league.h"

namespace {

constexpr uint32_t MSG_OBSERVE_SNAP = MSG_FIRST_APP + 91;
constexpr WINDOW_HANDLE OBSERVER_WINDOW = 91;

// Each side's seconds of possession before the snap that follows a number of
// logged snaps: read when the loop pumps its messages, once a snap, after
// the calls and before the snap is played.
std::map<int32_t, std::pair<int32_t, int32_t>> Seconds_Before_Snap;

intptr_t Observer_Procedure(WINDOW_HANDLE window, uint32_t code, uintptr_t, intptr_t) {
    if (code != MSG_OBSERVE_SNAP) return 0;
    if (const GAME_RECORD* game = Current_Game; game != nullptr)
        Seconds_Before_Snap.emplace(game->Play_Log_Count,
                                    std::pair{game->Team_Totals[0][GAME_TOTAL_POSSESSION_SECONDS],
                                              game->Team_Totals[1][GAME_TOTAL_POSSESSION_SECONDS]});
    Post_Window_Message(window, MSG_OBSERVE_SNAP, 0, 0);
    return 0;
}

// Results after which the side that snapped no longer holds the ball.
bool Hands_The_Ball_Over(int32_t result) {
    switch (result) {
    case RESULT_INTERCEPTION:
    case RESULT_PASS_FUMBLE:
    case RESULT_INTERCEPTION_TOUCHDOWN:
    case RESULT_RUN_FUMBLE:
    case RESULT_FUMBLE_TOUCHDOWN:
    case RESULT_FIELD_GOAL_MISSED:
    case RESULT_PUNT_RETURNED:
    case RESULT_PUNT_TOUCHBACK:
    case RESULT_PUNT_RETURN_TOUCHDOWN:
    case RESULT_KICKOFF_RETURNED:
    case RESULT_KICKOFF_TOUCHBACK:
    case RESULT_KICKOFF_RETURN_TOUCHDOWN:
    case RESULT_ONSIDE_RECOVERED:
        return true;
    default:
        return false;
    }
}

struct HANDED_OVER_SECONDS {
    int32_t Kicks = 0;     // kickoffs and punts whose seconds went to the receivers
    int32_t Turnovers = 0; // returns whose seconds went to the side that took the ball
};

// Checks every logged snap of a game against the seconds its sides gained
// over it.
void Expect_Seconds_With_The_Ball_After_Each_Snap(const GAME_RECORD* game, HANDED_OVER_SECONDS* handed,
                                                  const std::string& label) {
    const int32_t snaps = game->Play_Log_Count;
    ASSERT_LT(snaps, MAX_PLAY_LOG_ENTRIES) << label << ": every snap is logged";
    int32_t total = 0;
    for (int32_t i = 0; i < snaps; ++i) {
        const auto before = Seconds_Before_Snap.find(i);
        ASSERT_NE(before, Seconds_Before_Snap.end()) << label << " snap " << i << " was observed";
        const auto next = Seconds_Before_Snap.find(i + 1);
        const std::pair<int32_t, int32_t> after =
            next != Seconds_Before_Snap.end()
                ? next->second
                : std::pair<int32_t, int32_t>{game->Team_Totals[0][GAME_TOTAL_POSSESSION_SECONDS],
                                              game->Team_Totals[1][GAME_TOTAL_POSSESSION_SECONDS]};
        const int32_t gained[2] = {after.first - before->second.first, after.second - before->second.second};
        const PLAY_LOG_ENTRY& entry = game->Play_Log[i];
        const int32_t snapped = (entry.Play_Word >> PLAY_WORD_SIDE_1_BALL_BIT) & 1;
        const int32_t result = Get_Play_Result(entry.Play_Word);
        const int32_t holder = Hands_The_Ball_Over(result) ? 1 - snapped : snapped;
        const std::string where = label + " snap " + std::to_string(i) + " result " + std::to_string(result);
        EXPECT_GE(gained[holder], 0) << where;
        EXPECT_EQ(gained[1 - holder], 0) << where << ": the side without the ball after it gains nothing";
        total += gained[0] + gained[1];
        if (gained[holder] <= 0 || holder == snapped) continue;
        if (result >= RESULT_PUNT_RETURNED)
            ++handed->Kicks;
        else if (result != RESULT_FIELD_GOAL_MISSED)
            ++handed->Turnovers;
    }
    EXPECT_EQ(total, game->Clock) << label << ": the sides' seconds add up to the clock";
}

} // namespace

TEST(PossessionTime, EachSnapsSecondsGoToTheSideWithTheBallAfterIt) {
    Build_Test_League();
    constexpr int32_t WEEK = 6;
    Prepare_Game_Week(WEEK, 8080);
    HANDED_OVER_SECONDS handed;
    for (int32_t k = 0; k < 8; ++k) {
        Seconds_Before_Snap.clear();
        Reset_Message_Queue();
        Set_Window_Procedure(OBSERVER_WINDOW, Observer_Procedure);
        Post_Window_Message(OBSERVER_WINDOW, MSG_OBSERVE_SNAP, 0, 0);
        const GAME_RECORD* game = Play_Test_Game(2 * k, 2 * k + 1, WEEK);
        Reset_Message_Queue();
        Set_Window_Procedure(OBSERVER_WINDOW, nullptr);
        ASSERT_NE(game, nullptr);
        ASSERT_EQ(Is_Game_Over(game), 1);
        Expect_Seconds_With_The_Ball_After_Each_Snap(game, &handed, "game " + std::to_string(k));
    }
    EXPECT_GT(handed.Kicks, 50) << "kickoffs and punts ran time for the receivers";
    EXPECT_GT(handed.Turnovers, 5) << "turnovers ran time for the side that took the ball";
}
