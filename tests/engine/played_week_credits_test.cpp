// A week of watched games played through the driver, checked for where its
// figures and words land: a passer's attempts are his team's attempts (a
// fumble is none), a fumble is no return touchdown, and every commentary
// line names players of the right side in the passer's, receiver's and
// carrier's places.
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "database/game_queries.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/roster_slots.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/universe.h"
#include "engine/announcer.h"
#include "engine/game_driver.h"
#include "engine/game_record.h"
#include "support/game_runner.h"
#include "support/test_league.h"

namespace {

constexpr int32_t PLAYED_WEEK = 4;
constexpr int32_t WATCHED_GAMES = 8;
// The passer's game counter of pass attempts.
constexpr int32_t ATTEMPTS_COUNTER = 0;

// The place a commentary event gives each of its two players: the side that
// snapped the ball (a passer, receiver, blocker), the other side (a rusher,
// a defender in coverage), the man with the ball, the man who stops him, or
// any player.
enum PLACE { ANY, OFFENCE, DEFENCE, CARRIER, TACKLER };

struct EVENT_PLACES {
    int32_t Event;
    PLACE First;
    PLACE Second;
};

constexpr EVENT_PLACES EVENT_PLACE_TABLE[] = {
    {2, OFFENCE, ANY},      {4, OFFENCE, DEFENCE},  {5, OFFENCE, DEFENCE},  {6, DEFENCE, OFFENCE},
    {7, OFFENCE, DEFENCE},  {8, OFFENCE, ANY},      {9, OFFENCE, ANY},      {10, OFFENCE, DEFENCE},
    {11, OFFENCE, OFFENCE}, {12, DEFENCE, ANY},     {13, OFFENCE, ANY},     {14, OFFENCE, ANY},
    {15, OFFENCE, ANY},     {16, TACKLER, CARRIER}, {17, CARRIER, TACKLER}, {18, CARRIER, ANY},
    {19, CARRIER, TACKLER}, {20, CARRIER, ANY},     {21, CARRIER, TACKLER}, {22, DEFENCE, ANY},
    {24, OFFENCE, OFFENCE}, {25, DEFENCE, OFFENCE}, {27, CARRIER, ANY},     {28, CARRIER, ANY},
    {29, CARRIER, TACKLER}, {34, CARRIER, ANY},     {35, CARRIER, ANY},     {36, OFFENCE, DEFENCE},
    {50, OFFENCE, ANY},     {53, OFFENCE, ANY},
};

const EVENT_PLACES* Places_Of(int32_t event) {
    for (const EVENT_PLACES& places : EVENT_PLACE_TABLE)
        if (places.Event == event) return &places;
    return nullptr;
}

// Snaps on which the ball may change hands: the man carrying it may then be
// of either side.
bool Ball_May_Change_Hands(int32_t result) {
    switch (result) {
    case RESULT_INTERCEPTION:
    case RESULT_PASS_FUMBLE:
    case RESULT_INTERCEPTION_TOUCHDOWN:
    case RESULT_RUN_FUMBLE:
    case RESULT_FUMBLE_TOUCHDOWN:
        return true;
    default:
        return result >= RESULT_PUNT_RETURNED && result <= RESULT_ONSIDE_RECOVERED;
    }
}

int32_t Team_Of(int32_t id) {
    int32_t team = -1, slot = -1;
    if (id <= 0 || Find_Player_By_ID(&team, &slot, id) == 0) return -1;
    return team;
}

// Every queued event of every snap: its players sit in the places its
// sentences give them. Returns the number of events checked.
int32_t Expect_Commentary_Names_The_Right_Sides(const GAME_RECORD* game, const std::string& label) {
    int32_t checked = 0;
    for (int32_t i = 0; i < game->Play_Log_Count && i < MAX_PLAY_LOG_ENTRIES; ++i) {
        const PLAY_LOG_ENTRY& entry = game->Play_Log[i];
        const int32_t offence = game->Team[(entry.Play_Word >> PLAY_WORD_SIDE_1_BALL_BIT) & 1];
        const int32_t result = Get_Play_Result(entry.Play_Word);
        for (const PLAY_EVENT_SLOT& slot : entry.Events) {
            const EVENT_PLACES* places = Places_Of(slot.Event_Id);
            if (places == nullptr) continue;
            const int32_t ids[2] = {slot.Player_Id[0], slot.Player_Id[1]};
            const int32_t teams[2] = {Team_Of(ids[0]), Team_Of(ids[1])};
            const PLACE place[2] = {places->First, places->Second};
            const std::string where = label + " snap " + std::to_string(i) + " result " +
                                      std::to_string(result) + " event " + std::to_string(slot.Event_Id);
            ++checked;
            for (int32_t k = 0; k < 2; ++k) {
                if (teams[k] < 0) continue;
                const std::string who = where + " player " + std::to_string(k);
                switch (place[k]) {
                case OFFENCE: {
                    EXPECT_EQ(teams[k], offence) << who << " plays for the side with the ball";
                    break;
                }
                case DEFENCE: {
                    EXPECT_NE(teams[k], offence) << who << " plays for the defence";
                    break;
                }
                case CARRIER:
                    if (!Ball_May_Change_Hands(result)) {
                        EXPECT_EQ(teams[k], offence) << who << " carries for the side with the ball";
                    }
                    break;
                case TACKLER:
                    if (teams[1 - k] >= 0) {
                        EXPECT_NE(teams[k], teams[1 - k]) << who << " stops a man of the other side";
                    }
                    break;
                case ANY:
                    break;
                }
            }
            if (slot.Event_Id == 11) {
                EXPECT_NE(ids[0], ids[1]) << where << ": the passer throws to someone else";
            }
        }
    }
    return checked;
}

// A passer's attempts are the team's: the sum of its quarterbacks' attempt
// counters (what their box-score lines show) and of their season figures
// this game is the team's attempts. A fumble adds to a quarterback's 19 and
// to anyone else's 2, never to a punt-return touchdown; a lost fumble is
// always a fumble.
void Expect_Passing_And_Fumbles_Add_Up(const GAME_RECORD* game, int32_t side,
                                       const std::vector<SEASON_ROW>& before, const std::string& label) {
    const int32_t team = game->Team[side];
    const std::vector<SEASON_ROW> after = Season_Rows(team);
    int32_t counted = 0, credited = 0;
    for (int32_t slot = 0, end = Get_First_Empty_Player_Slot(team); slot < end; ++slot) {
        SEASON_ROW d(after[slot].size());
        for (size_t n = 0; n < d.size(); ++n)
            d[n] = after[slot][n] - before[slot][n];
        const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
        if (position < 0 || Get_Position_Group(position) != 0) continue;
        const std::string who = label + " slot " + std::to_string(slot);
        if (position == POSITION_QB) {
            const int32_t box_attempts = Get_Game_Player_Counter(game, side, slot, ATTEMPTS_COUNTER);
            EXPECT_EQ(d[2], box_attempts) << who << ": season attempts follow the box line";
            counted += box_attempts;
            credited += d[2];
            EXPECT_LE(d[13], d[19]) << who << ": a passer's lost fumbles are fumbles";
        } else {
            EXPECT_LE(d[13], d[2]) << who << ": lost fumbles are fumbles";
            if (d[19] > 0) {
                EXPECT_GT(d[17], 0) << who << ": a punt-return touchdown comes with a punt return";
            }
        }
    }
    EXPECT_EQ(counted, game->Team_Totals[side][GAME_TOTAL_PASS_ATTEMPTS]) << label << ": box attempts";
    EXPECT_EQ(credited, game->Team_Totals[side][GAME_TOTAL_PASS_ATTEMPTS]) << label << ": season attempts";
}

} // namespace

TEST(PlayedWeekCredits, PassersFumblesAndCommentaryLandWhereTheyBelong) {
    Build_Test_League();
    Prepare_Game_Week(PLAYED_WEEK, 5252);
    Set_User_Preference(PLAY_ANIMATION_DELAY, 0);
    Universe.Header.Require_Click_After_Each_Play = 0;
    int32_t checked = 0, fumbles = 0;
    for (int32_t k = 0; k < WATCHED_GAMES; ++k) {
        const int32_t home = 2 * k, visitor = 2 * k + 1;
        Schedule_Test_Game(home, visitor, PLAYED_WEEK);
        Set_Game_PBP_Flag(home, PLAYED_WEEK, 1);
        const std::vector<SEASON_ROW> before[2] = {Season_Rows(visitor), Season_Rows(home)};
        GAME_RECORD* game = Play_Test_Game(home, visitor, PLAYED_WEEK);
        ASSERT_NE(game, nullptr);
        ASSERT_EQ(Is_Game_Over(game), 1);
        ASSERT_EQ(game->Team[0], visitor);
        const std::string label = "game " + std::to_string(k);
        for (int32_t side = 0; side < 2; ++side) {
            Expect_Passing_And_Fumbles_Add_Up(game, side, before[side],
                                              label + " side " + std::to_string(side));
            fumbles += game->Team_Stats[side][GAME_STAT_FUMBLES];
        }
        checked += Expect_Commentary_Names_The_Right_Sides(game, label);
    }
    EXPECT_GT(checked, 1000) << "the watched games were narrated";
    EXPECT_GT(fumbles, 0) << "the week had fumbles to credit";
}
