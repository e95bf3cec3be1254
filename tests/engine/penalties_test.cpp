#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "database/player_hashes.h"
#include "database/player_statistics.h"
#include "database/schedule_entries.h"
#include "engine/announcer.h"
#include "engine/penalties.h"
#include "engine/play_roles.h"

TEST(Penalties, HalfTheDistanceLimitsGainsAndLosses) {
    EXPECT_EQ(Apply_Half_The_Distance(PENALTY_DEFENSIVE_UNNECESSARY_ROUGHNESS, 15, 10), 5)
        << "15 yards at the opponent's 10 move the ball 5";
    EXPECT_EQ(Apply_Half_The_Distance(PENALTY_ENCROACHMENT, 5, 60), 5);
    EXPECT_EQ(Apply_Half_The_Distance(PENALTY_PASS_INTERFERENCE, 30, 25), 24)
        << "interference in the end zone puts the ball on the 1";
    EXPECT_EQ(Apply_Half_The_Distance(PENALTY_PASS_INTERFERENCE, 20, 60), 20);
    EXPECT_EQ(Apply_Half_The_Distance(PENALTY_OFFENSIVE_HOLDING, -10, 92), -4)
        << "holding at the own 8 costs half the way back";
    EXPECT_EQ(Apply_Half_The_Distance(PENALTY_CLIPPING, -15, 40), -15);
}

TEST(Penalties, SidesFollowTheCodes) {
    EXPECT_EQ(Is_Defensive_Penalty(PENALTY_PASS_INTERFERENCE), 1);
    EXPECT_EQ(Is_Defensive_Penalty(PENALTY_OFFENSIVE_OFFSIDES), 0);
}

#include "database/random_numbers.h"
#include "engine/playbook_records.h"
#include "special_teams_test_game.h"

namespace {

int32_t Find_Play(bool run) {
    for (int32_t play = 0; play < OFFENSIVE_PLAYS; ++play)
        if (run ? Is_Running_Play(1, play) : Is_Passing_Play(1, play)) return play;
    return -1;
}

// Flags thrown in `snaps` seeded snaps of the situation.
int Count_Flags(uint32_t down, int32_t clock, int32_t play, int snaps) {
    int flags = 0;
    for (int n = 0; n < snaps; ++n) {
        GAME_RECORD* game = Special_Teams_Game(down, 60, clock, false);
        game->Current_Play.Offensive_Play = static_cast<uint8_t>(play);
        Seed_Random_Numbers(1000 + n);
        flags += Check_For_Penalty(game);
    }
    return flags;
}

} // namespace

TEST(Penalties, NoFlagOnFourthDownKicksTriesOrLateInTheHalf) {
    Build_Test_League();
    const int32_t run = Find_Play(true);
    const int32_t pass = Find_Play(false);
    ASSERT_GE(run, 0);
    ASSERT_GE(pass, 0);
    EXPECT_EQ(Count_Flags(3, 600, run, 300), 0) << "fourth down";
    EXPECT_EQ(Count_Flags(KICKOFF_DOWN, 600, run, 300), 0) << "kickoff";
    EXPECT_EQ(Count_Flags(CONVERSION_ATTEMPT, 600, pass, 300), 0) << "try";
    EXPECT_EQ(Count_Flags(0, 600, HARD_CODED_PUNT_PLAY, 300), 0) << "punt";
    EXPECT_EQ(Count_Flags(0, 1700, pass, 300), 0) << "100 s left in the first half";
    EXPECT_EQ(Count_Flags(0, 3500, run, 300), 0) << "100 s left in the game";
    EXPECT_GT(Count_Flags(0, 600, run, 300), 0) << "first-down runs do draw flags";
}

TEST(Penalties, FlagRecordsTheFoulYardsAndCounters) {
    Build_Test_League();
    const int32_t plays[2] = {Find_Play(true), Find_Play(false)};
    int flags = 0;
    for (int n = 0; n < 1500; ++n) {
        GAME_RECORD* game = Special_Teams_Game(n % 3, 8 + n % 90, 600, false);
        game->Current_Play.Offensive_Play = static_cast<uint8_t>(plays[n % 2]);
        const int32_t to_goal = game->Yards_To_Goal;
        Seed_Random_Numbers(7000 + n);
        if (!Check_For_Penalty(game)) continue;
        ++flags;
        const int32_t code = game->Current_Play.Yard2;
        ASSERT_GE(code, 0);
        ASSERT_LT(code, NUMBER_OF_PENALTY_CODES);
        EXPECT_NE(code, PENALTY_ROUGHING_THE_KICKER);
        EXPECT_NE(code, PENALTY_ILLEGAL_MOTION);
        EXPECT_NE(code, PENALTY_INTENTIONAL_GROUNDING);
        EXPECT_EQ(Get_Current_Play_Result(game), RESULT_PENALTY);
        const int32_t yards = game->Snap_Yards;
        EXPECT_EQ(game->Current_Play.Yard1, yards < 0 ? -yards : yards);
        if (Is_Defensive_Penalty(code)) {
            EXPECT_GT(yards, 0) << "code " << code;
            EXPECT_LT(yards, to_goal) << "a defensive foul never scores";
            EXPECT_EQ(game->Team_Totals[1][GAME_TOTAL_PENALTIES], 1);
        } else {
            EXPECT_LT(yards, 0) << "code " << code;
            EXPECT_GE(yards, (to_goal - 100) / 2) << "half the distance to the own goal";
            EXPECT_EQ(game->Team_Totals[0][GAME_TOTAL_PENALTIES], 1);
        }
        EXPECT_GE(game->Snap_Seconds, 5);
        EXPECT_LE(game->Snap_Seconds, 10);
    }
    EXPECT_GT(flags, 20);
}

namespace {

constexpr int32_t FLAG_WEEK = 3;

// Statistics 10 and 11 of this season of every player of a team.
std::vector<std::pair<int32_t, int32_t>> Flag_Figures(int32_t team) {
    std::vector<std::pair<int32_t, int32_t>> figures;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        const auto& stats = Universe.Teams[team].Players[slot].Season_Stats[SEASON_THIS];
        figures.emplace_back(stats[10], stats[11]);
    }
    return figures;
}

// The slots whose statistics 10 or 11 differ between two readings, e.g.
// "7: 1/5 " for a player now at 1 and 5; empty when none do.
std::string Changed_Figures(const std::vector<std::pair<int32_t, int32_t>>& expected,
                            const std::vector<std::pair<int32_t, int32_t>>& now) {
    std::string changed;
    for (size_t slot = 0; slot < now.size(); ++slot)
        if (now[slot] != expected[slot])
            changed += std::to_string(slot) + ": " + std::to_string(now[slot].first) + "/" +
                       std::to_string(now[slot].second) + " ";
    return changed;
}

} // namespace

// A defender's statistics 10 and 11 are his penalties and penalty yards, as
// an offensive lineman's are: a flag on either goes into his line as well as
// into his team's penalty counters; any other player's line keeps none.
TEST(Penalties, FlagsKeepOutOfDefendersCoverageAndIntoLinemensLines) {
    Build_Test_League();
    const int32_t plays[2] = {Find_Play(true), Find_Play(false)};
    int defenders = 0, linemen = 0;
    for (int n = 0; n < 2000 && (defenders < 15 || linemen < 15); ++n) {
        GAME_RECORD* game = Special_Teams_Game(n % 3, 20 + n % 70, 600, false);
        game->Current_Play.Offensive_Play = static_cast<uint8_t>(plays[n % 2]);
        const auto offence_before = Flag_Figures(1);
        const auto defence_before = Flag_Figures(2);
        Seed_Random_Numbers(9100 + n);
        if (!Check_For_Penalty(game)) continue;
        const int32_t code = game->Current_Play.Yard2;
        const int32_t yards = game->Current_Play.Yard1;
        const std::string label = "snap " + std::to_string(n) + " code " + std::to_string(code);
        const bool on_defence = Is_Defensive_Penalty(code) != 0;
        int32_t team = -1, slot = -1;
        ASSERT_NE(Find_Player_By_ID(&team, &slot, Get_Play_Role_Id(game->Current_Play, ROLE_PENALIZED)), 0)
            << label;
        ASSERT_EQ(team, on_defence ? 2 : 1) << label;
        auto expected = on_defence ? defence_before : offence_before;
        const int32_t group = Get_Position_Group(Get_Player_Vital_Stat(team, slot, VITAL_POSITION));
        if (group == (on_defence ? 2 : 1)) {
            ++(on_defence ? defenders : linemen);
            expected[slot].first += 1;
            expected[slot].second += yards;
        }
        EXPECT_EQ(Changed_Figures(expected, Flag_Figures(team)), "") << label;
        EXPECT_EQ(Changed_Figures(on_defence ? offence_before : defence_before, Flag_Figures(3 - team)), "")
            << label << ": the other side's lines keep still";
        EXPECT_EQ(game->Team_Totals[on_defence ? 1 : 0][GAME_TOTAL_PENALTIES], 1) << label;
        EXPECT_EQ(game->Team_Totals[on_defence ? 1 : 0][GAME_TOTAL_PENALTY_YARDS], yards) << label;
    }
    EXPECT_GE(defenders, 15);
    EXPECT_GE(linemen, 15);
}

// A pass that draws a flag is told as a pass broken up at the spot: its pass
// line names the receiver and the passer, both of the side with the ball,
// and the knock-down names a defender at the same depth.
TEST(Penalties, FlaggedPassLineNamesThePasserAndTheReceiver) {
    Build_Test_League();
    const int32_t pass = Find_Play(false);
    Set_User_Preference(CURRENT_WEEK, FLAG_WEEK);
    Set_User_Preference(SIMULATION_RUNNING, 1);
    Set_User_Preference(SIM_TO_QUARTER, 0);
    Schedule_Game(2, 1, FLAG_WEEK, 6, 1300);
    Set_Game_PBP_Flag(1, FLAG_WEEK, 1);
    int told = 0;
    for (int n = 0; n < 3000 && told < 10; ++n) {
        GAME_RECORD* game = Special_Teams_Game(n % 3, 30 + n % 60, 600, false);
        game->Week = FLAG_WEEK;
        game->On_Field[0][0] = static_cast<uint8_t>(Test_League_Slot(POSITION_QB, 0));
        game->Current_Play.Offensive_Play = static_cast<uint8_t>(pass);
        Clear_Commentary_Lines();
        Seed_Random_Numbers(4400 + n);
        if (!Check_For_Penalty(game)) continue;
        const PLAY_EVENT_SLOT* thrown = nullptr;
        for (const PLAY_EVENT_SLOT& slot : game->Current_Play.Events)
            if (slot.Event_Id == 11) thrown = &slot;
        if (thrown == nullptr) continue;
        ++told;
        const std::string label = "snap " + std::to_string(n);
        EXPECT_EQ(thrown->Player_Id[1], Get_Player_ID(1, game->On_Field[0][0])) << label << ": the passer";
        int32_t team = -1, slot = -1;
        ASSERT_NE(Find_Player_By_ID(&team, &slot, thrown->Player_Id[0]), 0)
            << label << ": a receiver is named";
        EXPECT_EQ(team, 1) << label << ": the receiver plays for the offence";
        EXPECT_NE(slot, game->On_Field[0][0]) << label;
        char line[COMMENTARY_LINE_SIZE];
        Get_Commentary_Line(static_cast<int32_t>(thrown - game->Current_Play.Events), line);
        char last[PLAYER_NAME_TEXT_SIZE];
        Get_Player_Last_Name(1, game->On_Field[0][0], last);
        EXPECT_STRNE(line, "...") << label << ": every name of the line is found";
        if (std::strstr(Commentary_Templates[11][thrown->Sentence], "$PLAYER1") != nullptr) {
            EXPECT_NE(std::string(line).find(last), std::string::npos) << label << ": " << line;
        }
        const PLAY_EVENT_SLOT* knocked = nullptr;
        for (const PLAY_EVENT_SLOT& event : game->Current_Play.Events)
            if (event.Event_Id == 12) knocked = &event;
        ASSERT_NE(knocked, nullptr) << label << ": the defender breaks it up";
        EXPECT_GT(knocked, thrown) << label << ": after the throw";
        ASSERT_NE(Find_Player_By_ID(&team, &slot, knocked->Player_Id[0]), 0) << label;
        EXPECT_EQ(team, 2) << label << ": a defender knocks it down";
        EXPECT_EQ(knocked->Argument_A, thrown->Argument_A) << label << ": at the spot of the throw";
    }
    EXPECT_EQ(told, 10) << "flagged passes were told";
}
