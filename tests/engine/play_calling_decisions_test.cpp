// The decisions behind the computer's offensive calls: how the play search
// weighs the plays of a kind, when the offence kicks a field goal or hurries,
// when the clock is short, how much a star receiver draws the defence and how
// much work a running back is given.
#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <utility>
#include <vector>

#include "database/league_derived_state.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/random_numbers.h"
#include "database/roster_queries.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "engine/downs_and_clock.h"
#include "engine/formations.h"
#include "engine/game_record.h"
#include "engine/offensive_play_calling.h"
#include "engine/play_loop.h"
#include "engine/play_matchups.h"
#include "engine/playbook_records.h"
#include "engine/pregame_setup.h"
#include "engine/snap_answers.h"
#include "engine/snap_decisions.h"
#include "game_calls_test_support.h"
#include "support/test_league.h"

namespace {

constexpr int32_t FIRST_PLAY = 0;
constexpr int32_t SECOND_PLAY = 1;
constexpr int32_t PLAY_FORMATION = 3;

OFFENSIVE_PLAY& Team_Play(int32_t play) {
    return Universe.Teams[0].Playbooks.Offense.Plays[play];
}

// Team 0's playbook with no play of its own but the ones set afterwards.
void Empty_Playbook() {
    for (int32_t play = 0; play < STORED_OFFENSIVE_PLAYS; ++play)
        Team_Play(play).Name[0] = '\0';
}

// A toss play: its yardage is half its hole plus three, no key player.
void Set_Toss_Play(int32_t play, int32_t hole, int32_t formation = PLAY_FORMATION) {
    OFFENSIVE_PLAY& record = Team_Play(play);
    std::memset(&record, 0, sizeof record);
    std::strcpy(record.Name, "Test Toss");
    record.Play_Type = PLAY_TYPE_TOSS;
    record.Formation = static_cast<int8_t>(formation);
    record.Hole_Or_Depth = hole;
    for (int32_t& route : record.Routes)
        route = -1;
}

// Counts how often each play is found in `draws` searches from one seed.
void Count_Picks(GAME_RECORD* game, int32_t category, int32_t wanted, int32_t draws, int32_t* picks) {
    Seed_Random_Numbers(606);
    for (int32_t n = 0; n < draws; ++n)
        ++picks[Find_Offensive_Play(game, category, wanted)];
}

GAME_RECORD* Play_Search_Game() {
    Build_Test_League();
    GAME_RECORD* game = Start_Test_Game();
    Empty_Playbook();
    Clear_Play_Use_Counts();
    Last_Offensive_Play = -1;
    return game;
}

} // namespace

// Each yard between a play's yardage and the yards wanted halves its weight
// (a play a little longer than wanted is excused), heavy use of a play wears
// it down, and a play that would carry past the goal is never called.
TEST(PlayCallingDecisions, PlaySearchWeighsPlaysByTheirYardage) {
    GAME_RECORD* game = Play_Search_Game();
    Set_Toss_Play(FIRST_PLAY, 0);   // 3 yards
    Set_Toss_Play(SECOND_PLAY, 12); // 9 yards
    ASSERT_EQ(Get_Play_Yardage(0, FIRST_PLAY), 3);
    ASSERT_EQ(Get_Play_Yardage(0, SECOND_PLAY), 9);

    // Two yards wanted: the short play is one yard off (weight 2,048), the
    // long one seven (weight 32), so it comes once in 65.
    int32_t picks[OFFENSIVE_PLAY_NUMBERS] = {};
    Count_Picks(game, PLAY_CATEGORY_RUN, 2, 6500, picks);
    EXPECT_EQ(picks[FIRST_PLAY] + picks[SECOND_PLAY], 6500) << "only plays of the kind are called";
    EXPECT_NEAR(picks[SECOND_PLAY], 100, 30);

    // Nine wanted: now the long play is on the mark and the short one far off.
    std::memset(picks, 0, sizeof picks);
    Count_Picks(game, PLAY_CATEGORY_RUN, 9, 2000, picks);
    EXPECT_GT(picks[SECOND_PLAY], picks[FIRST_PLAY] * 4);

    // Two hundred calls of the short play cut its weight to a quarter.
    Offensive_Play_Use_Counts[0][FIRST_PLAY] = 200;
    std::memset(picks, 0, sizeof picks);
    Count_Picks(game, PLAY_CATEGORY_RUN, 2, 3400, picks);
    EXPECT_NEAR(picks[SECOND_PLAY], 200, 45) << "weights 512 and 32";
    Offensive_Play_Use_Counts[0][FIRST_PLAY] = 0;

    // Three yards from the goal a nine-yard play longer than wanted is no
    // choice at all.
    game->Yards_To_Goal = 3;
    std::memset(picks, 0, sizeof picks);
    Count_Picks(game, PLAY_CATEGORY_RUN, 5, 300, picks);
    EXPECT_EQ(picks[SECOND_PLAY], 0);
    EXPECT_EQ(picks[FIRST_PLAY], 300);

    // The yardage kept for the search follows the play: the long play made
    // as short as the other is called as often.
    game->Yards_To_Goal = 50;
    Set_Toss_Play(SECOND_PLAY, 0);
    std::memset(picks, 0, sizeof picks);
    Count_Picks(game, PLAY_CATEGORY_RUN, 2, 2000, picks);
    EXPECT_NEAR(picks[SECOND_PLAY], 1000, 120) << "both plays 3 yards";
}

// The Hail Mary waits for the end of a half, and a fake kick waits for the
// down on which the offence would kick.
TEST(PlayCallingDecisions, HailMaryAndFakeKicksWaitForTheirSituation) {
    GAME_RECORD* game = Play_Search_Game();
    Set_Toss_Play(FIRST_PLAY, 4);
    Set_Toss_Play(SECOND_PLAY, 4, FORMATION_PUNT);
    int32_t picks[OFFENSIVE_PLAY_NUMBERS] = {};
    Count_Picks(game, PLAY_CATEGORY_RUN, 5, 400, picks);
    EXPECT_EQ(picks[SECOND_PLAY], 0) << "no fake punt on first down";
    game->Down_Word = 3;
    game->Yards_To_Go = 2;
    game->Yards_To_Goal = 70;
    ASSERT_EQ(Should_Punt(game), 1);
    std::memset(picks, 0, sizeof picks);
    Count_Picks(game, PLAY_CATEGORY_RUN, 5, 400, picks);
    EXPECT_GT(picks[SECOND_PLAY], 40) << "on a punting fourth down the fake is called";

    Set_Toss_Play(SECOND_PLAY, 4);
    std::strcpy(Team_Play(SECOND_PLAY).Name, "Hail Mary");
    game->Down_Word = 0;
    game->Yards_To_Go = 10;
    game->Yards_To_Goal = 60;
    std::memset(picks, 0, sizeof picks);
    Count_Picks(game, PLAY_CATEGORY_RUN, 5, 400, picks);
    EXPECT_EQ(picks[SECOND_PLAY], 0) << "with time left in the half";
    game->Clock = HALF_SECONDS - 10;
    std::memset(picks, 0, sizeof picks);
    Count_Picks(game, PLAY_CATEGORY_RUN, 5, 400, picks);
    EXPECT_NEAR(picks[SECOND_PLAY], 200, 50) << "ten seconds before the half, from far out";
    game->Yards_To_Goal = 25;
    std::memset(picks, 0, sizeof picks);
    Count_Picks(game, PLAY_CATEGORY_RUN, 5, 400, picks);
    EXPECT_EQ(picks[SECOND_PLAY], 0) << "close enough for a real play";
}

// The offence kicks on fourth down in range unless it needs more than a field
// goal and has the time to get it, or the few yards to go are worth going for.
TEST(PlayCallingDecisions, FieldGoalOnFourthDownInRange) {
    Build_Test_League();
    GAME_RECORD* game = Start_Test_Game();
    game->Down_Word = 3;
    game->Yards_To_Go = 8;
    game->Yards_To_Goal = 20;
    game->Clock = 2000;
    EXPECT_EQ(Should_Kick_Field_Goal(game), 1) << "level game, in range";
    game->Down_Word = 2;
    EXPECT_EQ(Should_Kick_Field_Goal(game), 0) << "only on fourth down";
    game->Down_Word = 3;
    game->Yards_To_Goal = 60;
    EXPECT_EQ(Should_Kick_Field_Goal(game), 0) << "out of range";
    game->Yards_To_Goal = 20;

    game->Score[1] = 7;
    EXPECT_EQ(Should_Kick_Field_Goal(game), 1) << "trailing by 7 with a half to play";
    game->Clock = 3550;
    EXPECT_EQ(Should_Kick_Field_Goal(game), 0) << "trailing by 7 with 50 seconds left a field goal is no use";
    game->Score[1] = 3;
    EXPECT_EQ(Should_Kick_Field_Goal(game), 1) << "trailing by 3 it ties the game";
    game->Score[1] = 14;
    game->Clock = 3400;
    EXPECT_EQ(Should_Kick_Field_Goal(game), 0) << "two scores behind with under five minutes left";

    game->Score[1] = 7;
    game->Clock = 1000;
    game->Yards_To_Go = 1;
    EXPECT_EQ(Should_Kick_Field_Goal(game), 0) << "trailing by 7, fourth and 1: go for it";
    game->Score[1] = 0;
    game->Score[0] = 4;
    EXPECT_EQ(Should_Kick_Field_Goal(game), 0) << "leading by 4, fourth and 1: go for it";
    game->Yards_To_Go = 8;
    EXPECT_EQ(Should_Kick_Field_Goal(game), 1) << "leading by 4, fourth and 8: kick";
}

// The offence hurries at the end of the first half, and in the second when it
// trails late; never in a blow-out.
TEST(PlayCallingDecisions, HurryUpOffenseAndShortClock) {
    Build_Test_League();
    GAME_RECORD* game = Start_Test_Game();
    game->Clock = 1000;
    EXPECT_FALSE(Is_Hurry_Up_Offense(game));
    game->Clock = HALF_SECONDS - 119;
    EXPECT_TRUE(Is_Hurry_Up_Offense(game)) << "inside two minutes of the first half";
    game->Score[0] = 21;
    EXPECT_TRUE(Is_Hurry_Up_Offense(game)) << "even with a lead";

    game->Score[0] = 0;
    game->Score[1] = 9;
    game->Clock = REGULATION_SECONDS - 601;
    EXPECT_FALSE(Is_Hurry_Up_Offense(game));
    game->Clock = REGULATION_SECONDS - 599;
    EXPECT_TRUE(Is_Hurry_Up_Offense(game)) << "two scores behind, ten minutes left";
    game->Score[1] = 3;
    EXPECT_FALSE(Is_Hurry_Up_Offense(game));
    game->Clock = REGULATION_SECONDS - 239;
    EXPECT_TRUE(Is_Hurry_Up_Offense(game)) << "behind inside four minutes";
    game->Score[1] = 0;
    EXPECT_TRUE(Is_Hurry_Up_Offense(game)) << "tied inside four minutes";
    game->Score[0] = 1;
    EXPECT_FALSE(Is_Hurry_Up_Offense(game)) << "a lead runs the clock";
    game->Score[0] = 0;
    game->Score[1] = 30;
    EXPECT_FALSE(Is_Hurry_Up_Offense(game)) << "a blow-out";

    // Short clock: 40 seconds with the clock running, 12 with it stopped.
    game->Score[1] = 0;
    game->Clock = HALF_SECONDS - 40;
    EXPECT_FALSE(Is_Clock_Short(game));
    game->Clock = HALF_SECONDS - 39;
    EXPECT_TRUE(Is_Clock_Short(game));
    Stop_Game_Clock(game);
    EXPECT_FALSE(Is_Clock_Short(game));
    game->Clock = HALF_SECONDS - 11;
    EXPECT_TRUE(Is_Clock_Short(game));
    game->Week = 3;
    Universe.Season_Length = 17;
    Set_User_Preference(REGULAR_SEASON_OVERTIME_RULE, 3);
    game->Clock = REGULATION_SECONDS + 890;
    EXPECT_FALSE(Is_Clock_Short(game)) << "an untimed overtime never runs short";
    Set_User_Preference(REGULAR_SEASON_OVERTIME_RULE, 1);
    Set_User_Preference(OVERTIME_MINUTES, 15);
    EXPECT_TRUE(Is_Clock_Short(game)) << "a timed one does";
}

// A top receiver draws the defence by his game so far, weighed against the
// time played, and by how far he outclasses the second receiver.
TEST(PlayCallingDecisions, TopReceiverThreatGrowsWithHisGameAndHisEdge) {
    Build_Test_League();
    GAME_RECORD* game = Start_Test_Game();
    const int32_t first = Get_Team_Position_Player(0, POSITION_WR, 0);
    const int32_t second = Get_Team_Position_Player(0, POSITION_WR, 1);
    ASSERT_GE(second, 0);
    // Two receivers of the same class.
    std::memcpy(Universe.Teams[0].Players[second].Ratings, Universe.Teams[0].Players[first].Ratings,
                sizeof Universe.Teams[0].Players[first].Ratings);
    game->Clock = 900;
    EXPECT_EQ(Get_Top_Receiver_Threat(game), 0) << "no catches yet";
    // 60 yards, 6 catches and a touchdown: v = 60 + 30 + 25 = 115, weighed
    // 115 x 2,700 / 1,800 = 173 (rounded): threat (173 - 100) / 5 + 1 = 15.
    game->Player_Counters[0][first][3] = 60;
    game->Player_Counters[0][first][2] = 6;
    game->Player_Counters[0][first][4] = 1;
    EXPECT_EQ(Get_Top_Receiver_Threat(game), 15);
    game->Clock = 3000;
    EXPECT_EQ(Get_Top_Receiver_Threat(game), 0) << "the same game late on is no threat";
    // One catch for a loss of a yard is a loss, not 65,535 yards.
    game->Clock = 900;
    game->Player_Counters[0][first][3] = -1;
    game->Player_Counters[0][first][2] = 1;
    game->Player_Counters[0][first][4] = 0;
    EXPECT_EQ(Get_Top_Receiver_Threat(game), 0) << "a catch for a loss is no threat";
    // A receiver clearly above the second is a threat by that alone.
    std::memset(game->Player_Counters[0][first], 0, sizeof game->Player_Counters[0][first]);
    for (int32_t rating = RATING_ACCURACY; rating <= RATING_PUNT_DISTANCE; ++rating)
        Set_Player_Rating(0, second, rating, 20.0f);
    EXPECT_GT(Get_Top_Receiver_Threat(game), 0);
}

// A running back's carries are held to a share that grows with his games and
// his durability; older seasons leaned on their backs more. The game being
// played counts among his games: in his first game of a season he has one
// game's carries before his weight is cut.
TEST(PlayCallingDecisions, RunningBackWorkloadIsLimitedByGamesAndDurability) {
    Build_Test_League();
    const int32_t back = Get_Team_Position_Player(0, POSITION_RB, 0);
    Set_Player_Rating(0, back, RATING_DURABILITY, 85.0f);
    ASSERT_GE(Get_Current_Year(), 2017);
    // No game yet this season: a = 13, his first game's 13 carries.
    Set_Player_Stat(0, back, SEASON_THIS, 0, 0);
    Set_Player_Stat(0, back, SEASON_THIS, 7, 13);
    EXPECT_EQ(Limit_Running_Back_Workload(0, back, 400), 400) << "his first game allows him carries";
    Set_Player_Stat(0, back, SEASON_THIS, 7, 26);
    EXPECT_EQ(Limit_Running_Back_Workload(0, back, 400), 200);

    // 9 games and the one being played at durability 85: a = 130; from 2017
    // on the limit is 130 carries.
    Set_Player_Stat(0, back, SEASON_THIS, 0, 9);
    Set_Player_Stat(0, back, SEASON_THIS, 7, 130);
    EXPECT_EQ(Limit_Running_Back_Workload(0, back, 400), 400);
    Set_Player_Stat(0, back, SEASON_THIS, 7, 260);
    EXPECT_EQ(Limit_Running_Back_Workload(0, back, 400), 200) << "twice the limit halves the weight";
    // Durability 42.5 counts as 42: a = 64 carries, and 400 x 64 / 260 = 98.
    Set_Player_Rating(0, back, RATING_DURABILITY, 42.5f);
    EXPECT_EQ(Limit_Running_Back_Workload(0, back, 400), 98) << "half as durable, half the carries";

    // In 2000 the limit is the smaller of (130 + 240) / 2 and 130 + 3 x 17.
    Set_Player_Rating(0, back, RATING_DURABILITY, 85.0f);
    Universe.Header.Universe_Stats[BASE_YEAR] = 2000 - Get_User_Preference(CURRENT_SEASON_INDEX);
    Set_Player_Stat(0, back, SEASON_THIS, 7, 181);
    EXPECT_EQ(Limit_Running_Back_Workload(0, back, 400), 400);
    Set_Player_Stat(0, back, SEASON_THIS, 7, 362);
    EXPECT_EQ(Limit_Running_Back_Workload(0, back, 400), 200);
    EXPECT_EQ(Limit_Running_Back_Workload(0, PLAYERS_PER_TEAM - 1, 400), 400) << "an empty slot";
}

namespace {
// Team 0's n-th defined pass play.
int32_t Nth_Pass_Play(int32_t n) {
    for (int32_t play = 0; play < STORED_OFFENSIVE_PLAYS; ++play)
        if (Is_Offensive_Play_Defined(0, play) &&
            Get_Play_Search_Category(Get_Offensive_Play_Type(0, play)) == PLAY_CATEGORY_PASS && n-- == 0)
            return play;
    ADD_FAILURE() << "too few passes";
    return 0;
}

void Swap_Key_Player(int32_t play) {
    Team_Play(play).Primary = Team_Play(play).Primary == 2 ? 3 : 2;
}

// How often each play is found in 400 searches from one seed, inside the
// calls of one snap (where weights kept from earlier snaps are used) or
// outside them (where every search works its weights out afresh).
std::vector<int32_t> Picks(GAME_RECORD* game, int32_t category, int32_t wanted, bool in_snap) {
    std::vector<int32_t> picks(OFFENSIVE_PLAY_NUMBERS);
    std::optional<SNAP_ANSWERS_SCOPE> snap;
    if (in_snap) snap.emplace();
    Seed_Random_Numbers(4711);
    for (int32_t n = 0; n < 400; ++n)
        ++picks[Find_Offensive_Play(game, category, wanted)];
    return picks;
}
} // namespace

// The weights of a team's plays are kept from one snap to the next: what
// changed in between (a play worn by use, the tight end's yards, who stands
// where, the redundancy of a watched game aside) is weighed afresh, so the
// picks match a search that keeps nothing.
TEST(PlayCallingDecisions, KeptPlayWeightsFollowWhatChangedSinceTheLastSnap) {
    Build_Test_League();
    GAME_RECORD* game = Start_Test_Game();
    Clear_Play_Use_Counts();
    Last_Offensive_Play = -1;
    Set_Formation_Depth_Charts(0, 0);
    Set_Formation_Depth_Charts(1, 0);
    Set_Default_Formations(game);
    const int32_t categories[3] = {PLAY_CATEGORY_PASS, PLAY_CATEGORY_RUN, PLAY_CATEGORY_DRAW};
    auto expect_fresh_picks = [&](const char* after) {
        for (int32_t category : categories)
            for (int32_t wanted : {2, 7, 15}) {
                const std::vector<int32_t> kept = Picks(game, category, wanted, true);
                EXPECT_EQ(kept, Picks(game, category, wanted, false))
                    << after << ": category " << category << ", " << wanted << " yards wanted";
            }
    };
    expect_fresh_picks("first snap");
    expect_fresh_picks("same snap again");

    const int32_t side = Get_Offense_Side(game);
    for (int32_t play = 0; play < 20; play += 3)
        Offensive_Play_Use_Counts[side][play] = 30 + play;
    expect_fresh_picks("plays worn by use");
    // A play worn while it was the last play called, and so not searched, is
    // weighed afresh once it may be called again.
    const int32_t worn = Nth_Pass_Play(3);
    Last_Offensive_Play = worn;
    expect_fresh_picks("the last play left out");
    Offensive_Play_Use_Counts[side][worn] += 60;
    expect_fresh_picks("the last play worn");
    Last_Offensive_Play = -1;
    expect_fresh_picks("the worn play callable again");

    const int32_t tight_end = Test_League_Slot(POSITION_TE, 0);
    Add_Player_Stat(0, tight_end, SEASON_THIS, 11, 900);
    expect_fresh_picks("the tight end's season yards");
    // A running back's carries count once they pass his limit, and every
    // carry after.
    const int32_t back = Test_League_Slot(POSITION_RB, 0);
    Add_Player_Stat(0, back, SEASON_THIS, 7, 400);
    expect_fresh_picks("the running back over his workload");
    Add_Player_Stat(0, back, SEASON_THIS, 7, 40);
    expect_fresh_picks("the running back further over it");

    // The first receiver turning into a threat rescales the passes keyed to
    // him, and only while he is one.
    const int32_t receiver = Get_Team_Position_Player(game->Team[side], POSITION_WR, 0);
    ASSERT_GE(receiver, 0);
    game->Player_Counters[side][receiver][3] = 120;
    game->Player_Counters[side][receiver][2] = 9;
    game->Player_Counters[side][receiver][4] = 2;
    const int32_t threat = Get_Top_Receiver_Threat(game);
    ASSERT_GT(threat, 0);
    expect_fresh_picks("the first receiver a threat");
    game->Player_Counters[side][receiver][4] = 6;
    ASSERT_GT(Get_Top_Receiver_Threat(game), threat);
    expect_fresh_picks("the first receiver a greater threat");
    std::memset(game->Player_Counters[side][receiver], 0, sizeof game->Player_Counters[side][receiver]);
    expect_fresh_picks("the first receiver no threat again");

    std::swap(game->On_Field[side][1], game->On_Field[side][2]);
    std::swap(game->On_Field[side][0], game->On_Field[side][4]);
    expect_fresh_picks("the key players moved");

    game->Yards_To_Go = 1;
    game->Yards_To_Goal = 4;
    expect_fresh_picks("goal to go");

    // The team's system changes every play's fit, and the "Two Back" system
    // doubles the plays keyed to the second back.
    const int32_t system = Get_Team_Stat(game->Team[side], TEAM_STAT_OFFENSIVE_SYSTEM);
    Set_Team_Stat(game->Team[side], TEAM_STAT_OFFENSIVE_SYSTEM, 3);
    expect_fresh_picks("the two-back system");
    Set_Team_Stat(game->Team[side], TEAM_STAT_OFFENSIVE_SYSTEM, system == 3 ? 1 : system);
    expect_fresh_picks("the team's own system again");

    // The playbook edited between snaps, as the editor does it in answer to
    // the user: a pass dropped, another changing its key player, a third its
    // depth (the pass search comes first after each change).
    game->Yards_To_Go = 10;
    game->Yards_To_Goal = 60;
    Edit_Through_A_Window([] {
        Team_Play(Nth_Pass_Play(0)).Name[0] = '\0';
        Swap_Key_Player(Nth_Pass_Play(1));
        Team_Play(Nth_Pass_Play(2)).Hole_Or_Depth += 6;
    });
    expect_fresh_picks("the playbook edited");

    // Plays changed between games (a league loaded, or anything else before
    // a kickoff) are read afresh.
    Team_Play(Nth_Pass_Play(0)).Name[0] = '\0';
    Swap_Key_Player(Nth_Pass_Play(1));
    Clear_Play_Use_Counts();
    expect_fresh_picks("the playbook changed before a kickoff");
    Team_Play(Nth_Pass_Play(0)).Name[0] = '\0';
    Swap_Key_Player(Nth_Pass_Play(2));
    Reset_League_Derived_State();
    expect_fresh_picks("another league loaded");
    const int32_t pass = Nth_Pass_Play(0);
    Set_Offensive_Play_Primary_Receiver(0, pass, Get_Offensive_Play_Primary_Receiver(0, pass) == 1 ? 2 : 1);
    expect_fresh_picks("a key player set through the playbook's setter");
}

// A search kept for the snap goes on weighing as it saw the snap, even when
// another search of the same kind (after another last play) saw the team
// otherwise in between and worked the kept weights out for what it saw.
TEST(PlayCallingDecisions, KeptSearchWeighsAsItSawTheSnapAfterAnotherSearch) {
    Build_Test_League();
    GAME_RECORD* game = Start_Test_Game();
    Clear_Play_Use_Counts();
    Set_Formation_Depth_Charts(0, 0);
    Set_Formation_Depth_Charts(1, 0);
    Set_Default_Formations(game);
    const int32_t side = Get_Offense_Side(game);
    const int32_t team = game->Team[side];
    // A tight end and a wide receiver on the field: passes keyed to a tight
    // end weigh less.
    auto field_slot_of = [&](int32_t position) {
        for (int32_t k = 0; k <= PLAY_RECEIVERS; ++k)
            if (Get_Player_Vital_Stat(team, game->On_Field[side][k], VITAL_POSITION) == position) return k;
        return -1;
    };
    const int32_t tight_end = field_slot_of(POSITION_TE);
    const int32_t receiver = field_slot_of(POSITION_WR);
    ASSERT_GE(tight_end, 0);
    ASSERT_GE(receiver, 0);
    const int32_t first = Nth_Pass_Play(0);
    const int32_t other = Nth_Pass_Play(1);
    auto picks_after = [&](bool other_search) {
        Last_Offensive_Play = first;
        std::vector<int32_t> picks(OFFENSIVE_PLAY_NUMBERS);
        SNAP_ANSWERS_SCOPE snap;
        Seed_Random_Numbers(4711);
        Find_Offensive_Play(game, PLAY_CATEGORY_PASS, 7);
        // The key players move: the search already made does not see it.
        std::swap(game->On_Field[side][tight_end], game->On_Field[side][receiver]);
        if (other_search) {
            Last_Offensive_Play = other;
            for (int32_t wanted : {3, 15, 30})
                Find_Offensive_Play(game, PLAY_CATEGORY_PASS, wanted);
            Last_Offensive_Play = first;
        }
        Seed_Random_Numbers(4712);
        for (int32_t n = 0; n < 400; ++n)
            for (int32_t wanted : {3, 15, 30})
                ++picks[Find_Offensive_Play(game, PLAY_CATEGORY_PASS, wanted)];
        std::swap(game->On_Field[side][tight_end], game->On_Field[side][receiver]);
        return picks;
    };
    const std::vector<int32_t> alone = picks_after(false);
    std::swap(game->On_Field[side][tight_end], game->On_Field[side][receiver]);
    ASSERT_NE(picks_after(false), alone) << "the moved players change the picks";
    std::swap(game->On_Field[side][tight_end], game->On_Field[side][receiver]);
    EXPECT_EQ(picks_after(true), alone);
    EXPECT_EQ(picks_after(false), alone);
}

// The composites of the men on the field are kept from snap to snap with
// their ratings and position: a rating changed or repaired, a man moved or
// playing another position is weighed afresh.
TEST(PlayCallingDecisions, RunTendencyFollowsTheMenOnTheField) {
    Build_Test_League();
    GAME_RECORD* game = Start_Test_Game();
    Set_Formation_Depth_Charts(0, 0);
    Set_Formation_Depth_Charts(1, 0);
    Set_Default_Formations(game);
    const int32_t side = Get_Offense_Side(game);
    const int32_t team = game->Team[side];
    int32_t quarterback = -1;
    for (int32_t k = 0; k <= PLAY_RECEIVERS; ++k) {
        const int32_t slot = game->On_Field[side][k];
        if (slot < PLAYERS_PER_TEAM && Get_Player_Vital_Stat(team, slot, VITAL_POSITION) == POSITION_QB)
            quarterback = slot;
    }
    ASSERT_GE(quarterback, 0);
    PLAYER_RECORD& passer = Universe.Teams[team].Players[quarterback];
    const int32_t before = Get_Offensive_Run_Tendency(game);

    passer.Ratings[RATING_ACCURACY] = 30.0f;
    const int32_t poor_passer = Get_Offensive_Run_Tendency(game);
    EXPECT_NE(poor_passer, before) << "the passer's own accuracy was not 30";
    passer.Ratings[RATING_ACCURACY] = 95.0f;
    EXPECT_LT(Get_Offensive_Run_Tendency(game), poor_passer) << "a better passer passes more";
    passer.Ratings[RATING_ACCURACY] = 5.0f;
    const int32_t repaired = Get_Offensive_Run_Tendency(game);
    EXPECT_EQ(passer.Ratings[RATING_ACCURACY], 20.0f) << "the rating is repaired as it is read";
    EXPECT_EQ(Get_Offensive_Run_Tendency(game), repaired);
    passer.Ratings[RATING_ACCURACY] = 5.0f;
    EXPECT_EQ(Get_Offensive_Run_Tendency(game), repaired);
    EXPECT_EQ(passer.Ratings[RATING_ACCURACY], 20.0f) << "repaired again when read again";
    passer.Ratings[RATING_ACCURACY] = 30.0f;
    EXPECT_EQ(Get_Offensive_Run_Tendency(game), poor_passer);

    // The same men in other places weigh the same; a quarterback listed as
    // a receiver weighs as one.
    std::swap(game->On_Field[side][0], game->On_Field[side][3]);
    std::swap(game->On_Field[side][1], game->On_Field[side][5]);
    EXPECT_EQ(Get_Offensive_Run_Tendency(game), poor_passer);
    passer.Vital_Stats[VITAL_POSITION] = POSITION_WR;
    EXPECT_NE(Get_Offensive_Run_Tendency(game), poor_passer);
    passer.Vital_Stats[VITAL_POSITION] = POSITION_QB;
    EXPECT_EQ(Get_Offensive_Run_Tendency(game), poor_passer);
}
