#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "database/player_hashes.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/universe.h"
#include "support/test_league.h"

TEST(LeagueSave, FilledLeagueSavesAndReloadsByteIdentical) {
    Build_Test_League();
    // The first load brings the league into the shape every load leaves it in
    // (teams sorted by name, draft order, settings); from then on a save and a
    // load change nothing.
    ASSERT_EQ(Save_Game("built.kor", nullptr), SAVE_OK);
    ASSERT_EQ(Load_Game("built.kor"), 1);
    ASSERT_EQ(Save_Game("league.kor", nullptr), SAVE_OK);
    const std::vector<uint8_t> saved(Universe_Bytes(), Universe_Bytes() + UNIVERSE_SIZE);

    memset(Universe_Bytes(), 0x5A, UNIVERSE_SIZE);
    ASSERT_EQ(Load_Game("league.kor"), 1);
    size_t first_difference = 0;
    while (first_difference < UNIVERSE_SIZE && saved[first_difference] == Universe_Bytes()[first_difference])
        ++first_difference;
    EXPECT_EQ(first_difference, UNIVERSE_SIZE) << "first changed byte at block offset " << first_difference;

    const int32_t id = Universe.Teams[4].Players[10].Vital_Stats[0];
    int32_t team = -1, slot = -1;
    EXPECT_TRUE(Find_Player_By_ID(&team, &slot, id)) << "the hashes are rebuilt on load";
    EXPECT_EQ(team, 4);
    EXPECT_EQ(slot, 10);
}
