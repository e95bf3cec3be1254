#include <gtest/gtest.h>

#include <cstring>

#include "engine/game_injuries.h"

TEST(GameInjuries, CountReadsOnlyTheLoggedSnaps) {
    static GAME_RECORD game;
    std::memset(&game, 0xFF, sizeof(game));
    game.Play_Log_Count = 0;
    EXPECT_EQ(Count_Game_Injuries(&game), 0);
    game.Play_Log_Count = 3;
    game.Play_Log[1].Events[INJURY_EVENT_SLOT].Event_Id = INJURY_EVENT_ID;
    EXPECT_EQ(Count_Game_Injuries(&game), 1);
    game.Play_Log_Count = 2000;
    for (auto& entry : game.Play_Log)
        entry.Events[INJURY_EVENT_SLOT].Event_Id = INJURY_EVENT_ID;
    EXPECT_EQ(Count_Game_Injuries(&game), 10) << "a corrupt count never reads past the log";
    game.Play_Log_Count = -5;
    EXPECT_EQ(Count_Game_Injuries(&game), 0);
    EXPECT_EQ(Count_Game_Injuries(nullptr), 0);
}
