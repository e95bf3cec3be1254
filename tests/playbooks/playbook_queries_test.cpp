#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "database/random_numbers.h"
#include "engine/playbook_records.h"
#include "engine/playbook_test_support.h"
#include "playbooks/playbook_queries.h"

namespace {

GAME_RECORD* Game_With_Offense(int offense_team, int defense_team) {
    GAME_RECORD* game = &Universe.Games[0];
    std::memset(game, 0, sizeof(*game));
    game->Team[0] = static_cast<uint8_t>(offense_team);
    game->Team[1] = static_cast<uint8_t>(defense_team);
    game->Possession_Team = static_cast<uint8_t>(offense_team);
    for (int slot = 0; slot < ON_FIELD_PLAYERS; ++slot) {
        game->On_Field[0][slot] = static_cast<uint8_t>(10 + slot);
        game->On_Field[1][slot] = static_cast<uint8_t>(50 + slot);
    }
    return game;
}

// Seeds the generator so that the next draw below n gives `wanted`.
void Seed_For_Draw(int n, int wanted) {
    for (uint32_t seed = 1;; ++seed) {
        Seed_Random_Numbers(seed);
        if (Random_Int(n) != wanted) continue;
        Seed_Random_Numbers(seed);
        return;
    }
}

} // namespace

TEST(PlaybookQueries, DefensiveCountsAndBlitzTest) {
    EXPECT_EQ(Count_Defenders_With_Role_8(DEFAULT_PLAYBOOK_TEAM, 29), 5);
    EXPECT_TRUE(Has_Defender_With_Role_18(DEFAULT_PLAYBOOK_TEAM, 8));
    EXPECT_FALSE(Has_Defender_With_Role_18(DEFAULT_PLAYBOOK_TEAM, 0));
    EXPECT_TRUE(Has_Five_Defenders_Below_Role_4(DEFAULT_PLAYBOOK_TEAM, 22)) << "all-out blitz rushes six";
    EXPECT_FALSE(Has_Five_Defenders_Below_Role_4(DEFAULT_PLAYBOOK_TEAM, 20));

    Reset_Test_League(2);
    Set_Default_Playbooks(1);
    int32_t* roles = Universe.Teams[1].Playbooks.Defense.Plays[3].Roles;
    const int four[11] = {0, 1, 2, 3, 9, 9, 9, 13, 13, 8, 8};
    std::copy(four, four + 11, roles);
    EXPECT_FALSE(Has_Five_Defenders_Below_Role_4(1, 3)) << "exactly four rushers";
    roles[4] = 3;
    EXPECT_TRUE(Has_Five_Defenders_Below_Role_4(1, 3)) << "five rushers";
    roles[5] = -1;
    EXPECT_TRUE(Has_Five_Defenders_Below_Role_4(1, 3));
    roles[4] = -1;
    EXPECT_FALSE(Has_Five_Defenders_Below_Role_4(1, 3)) << "a negative role is no rusher";
    EXPECT_FALSE(Has_Five_Defenders_Below_Role_4(1, 30));
}

TEST(PlaybookQueries, OffensivePlayTests) {
    const int team = DEFAULT_PLAYBOOK_TEAM;
    EXPECT_TRUE(Is_Special_Pass_Play(team, 21)) << "screen to the primary receiver";
    EXPECT_FALSE(Is_Special_Pass_Play(team, 20));
    EXPECT_FALSE(Is_Special_Pass_Play(team, HARD_CODED_PUNT_PLAY)) << "no primary receiver";
    EXPECT_TRUE(Is_Reverse_Play(team, 52));
    EXPECT_FALSE(Is_Reverse_Play(team, 60));
    EXPECT_FALSE(Is_Trick_Pass_Play(team, 60));
    EXPECT_TRUE(Has_Receiver_Route_40(team, 1));
    EXPECT_FALSE(Has_Receiver_Route_40(team, 0));
    EXPECT_TRUE(Has_Receiver_Route_31_32_37(team, 23));
    EXPECT_FALSE(Has_Receiver_Route_31_32_37(team, 60));
    EXPECT_FALSE(Is_Read_Or_Option_Play(team, 51)) << "\"Bootleg Option\" has no play-action route";

    Reset_Test_League(2);
    Set_Default_Playbooks(0);
    OFFENSIVE_PLAY& play = Universe.Teams[0].Playbooks.Offense.Plays[12];
    std::strcpy(play.Name, "Zone Read");
    EXPECT_FALSE(Is_Read_Or_Option_Play(0, 12));
    play.Routes[4] = 32;
    EXPECT_TRUE(Is_Read_Or_Option_Play(0, 12));
    std::strcpy(play.Name, "Zone read");
    EXPECT_FALSE(Is_Read_Or_Option_Play(0, 12)) << "the name test is case-sensitive";
    play.Play_Type = PLAY_TYPE_HALFBACK_PASS;
    EXPECT_TRUE(Is_Trick_Pass_Play(0, 12));
    EXPECT_TRUE(Is_Special_Pass_Play(0, 12));
    EXPECT_FALSE(Is_Trick_Pass_Play(DEFAULT_PLAYBOOK_TEAM, 12)) << "team 255 reads the default play";
    // The play-action routes: "Play Action Dump", "Play Action Flat", "Play Action".
    for (int route = -1; route < 57; ++route)
        EXPECT_EQ(Is_Play_Action_Route(route), route == 31 || route == 32 || route == 37) << route;
}

TEST(PlaybookQueries, ZoneDropSpots) {
    // Default play 23 has three deep-zone defenders (slots 7, 8 and 10).
    std::vector<std::pair<float, float>> spots;
    for (int slot = 0; slot < 11; ++slot) {
        float lateral = 99.0f;
        float depth = 99.0f;
        int set = Get_Zone_Defender_Spot(DEFAULT_PLAYBOOK_TEAM, 23, slot, &lateral, &depth);
        if (Get_Defensive_Play_Role(DEFAULT_PLAYBOOK_TEAM, 23, slot) != 8) {
            if (Get_Defensive_Play_Role(DEFAULT_PLAYBOOK_TEAM, 23, slot) != 9) {
                EXPECT_EQ(set, 0) << "slot " << slot;
                EXPECT_EQ(lateral, 99.0f) << "nothing set for slot " << slot;
            }
            continue;
        }
        EXPECT_EQ(set, 1);
        spots.emplace_back(lateral, depth);
    }
    ASSERT_EQ(spots.size(), 3u);
    std::sort(spots.begin(), spots.end());
    EXPECT_FLOAT_EQ(spots[0].first, -10.0f);
    EXPECT_FLOAT_EQ(spots[1].first, 0.0f);
    EXPECT_FLOAT_EQ(spots[2].first, 10.0f);
    EXPECT_FLOAT_EQ(spots[0].second, 14.5f);
    EXPECT_FLOAT_EQ(spots[1].second, 15.0f);
    EXPECT_FLOAT_EQ(spots[2].second, 14.5f);

    Reset_Test_League(2);
    Set_Default_Playbooks(0);
    const int two_deep[11] = {0, 0, 0, 0, 9, 9, 9, 13, 13, 8, 8};
    std::copy(two_deep, two_deep + 11, Universe.Teams[0].Playbooks.Defense.Plays[0].Roles);
    float left = 0.0f, right = 0.0f, depth = 0.0f;
    ASSERT_EQ(Get_Zone_Defender_Spot(0, 0, 9, &left, &depth), 1);
    EXPECT_FLOAT_EQ(depth, 15.0f);
    ASSERT_EQ(Get_Zone_Defender_Spot(0, 0, 10, &right, &depth), 1);
    EXPECT_NEAR(std::min(left, right), -6.6667f, 0.001f);
    EXPECT_NEAR(std::max(left, right), 6.6667f, 0.001f);
}

TEST(PlaybookQueries, CurrentSnapFinders) {
    Reset_Test_League(4);
    Set_Default_Playbooks(2);
    Set_Default_Playbooks(3);
    GAME_RECORD* game = Game_With_Offense(2, 3);

    OFFENSIVE_PLAY& play = Universe.Teams[2].Playbooks.Offense.Plays[30];
    const int routes[5] = {8, 39, 7, 39, 5};
    std::copy(routes, routes + 5, play.Routes);
    game->Current_Play.Offensive_Play = 30;
    Seed_For_Draw(2, 1);
    EXPECT_EQ(Pick_Receiver_With_Route_39(game), 10 + 4)
        << "coin 1 scans from receiver 4: receiver 3, slot 4";
    Seed_For_Draw(2, 0);
    EXPECT_EQ(Pick_Receiver_With_Route_39(game), 10 + 2)
        << "coin 0 scans from receiver 0: receiver 1, slot 2";

    game->Current_Play.Offensive_Play = 23; // "Tight 7-5-Release": receiver 0 runs play action
    EXPECT_EQ(Find_Receiver_With_Route_31_32_37(game), 10 + 1);
    game->Current_Play.Offensive_Play = 0;
    EXPECT_EQ(Find_Receiver_With_Route_31_32_37(game), -1);

    // The defence is the side not in possession: side 1, team 3.
    int32_t* roles = Universe.Teams[3].Playbooks.Defense.Plays[5].Roles;
    const int one_rusher[11] = {9, 9, 9, 9, 9, 9, 2, 13, 13, 8, 8};
    std::copy(one_rusher, one_rusher + 11, roles);
    game->Current_Play.Defensive_Play = 5;
    for (int start = 0; start < 11; ++start) {
        Seed_For_Draw(11, start);
        EXPECT_EQ(Pick_Defender_Below_Role_4(game), 50 + 6) << "start " << start;
    }
    roles[6] = 9;
    EXPECT_EQ(Pick_Defender_Below_Role_4(game), -1);
    EXPECT_EQ(Find_Defender_With_Role_31_32_37(game), -1);

    game->Current_Play.Offensive_Play = 255;
    game->Current_Play.Defensive_Play = 255;
    EXPECT_EQ(Pick_Receiver_With_Route_39(game), -1) << "no call yet";
    EXPECT_EQ(Pick_Defender_Below_Role_4(game), -1);
    EXPECT_EQ(Find_Receiver_With_Route_31_32_37(game), -1);
}
