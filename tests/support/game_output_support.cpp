#include "support/game_output_support.h"

#include <cstring>

#include "database/player_record.h"
#include "database/settings.h"
#include "database/universe.h"
#include "engine/game_record.h"
#include "support/test_league.h"

GAME_RECORD* Build_Output_Test_Game() {
    Build_Test_League();
    Universe.Season_Length = 17;
    Set_User_Preference(CURRENT_SEASON_INDEX, 2024 - TEST_BASE_YEAR);
    Set_User_Preference(CURRENT_WEEK, 3);
    Set_User_Preference(CURRENT_GAME_NUMBER, 7);
    GAME_RECORD* game = &Universe.Games[7];
    std::memset(game, 0, sizeof *game);
    game->Team[0] = 0;
    game->Team[1] = 1;
    game->Season_Year = 2024;
    game->Week = 3;
    game->Possession_Team = 0;
    game->Yards_To_Goal = 75;
    game->Yards_To_Go = 10;
    for (int side = 0; side < 2; ++side)
        for (int i = 0; i < GAME_LISTED_PLAYERS; ++i)
            game->Player_Ids[side][i] = -1;
    Clear_Current_Play(game);
    return game;
}

PLAY_LOG_ENTRY* Add_Test_Log_Entry(GAME_RECORD* game, int side, int result, int32_t first_id,
                                   int32_t second_id, int yards, int yards2) {
    PLAY_LOG_ENTRY& entry = game->Play_Log[game->Play_Log_Count++];
    std::memset(&entry, 0, sizeof entry);
    entry.First_Player_Id = first_id;
    entry.Second_Player_Id = second_id;
    entry.Yard1 = static_cast<int8_t>(yards);
    entry.Yard2 = static_cast<int8_t>(yards2);
    entry.Play_Word = (static_cast<uint32_t>(result) << PLAY_WORD_RESULT_SHIFT) |
                      (static_cast<uint32_t>(side) << PLAY_WORD_SIDE_1_BALL_BIT);
    entry.Clock = game->Clock;
    return &entry;
}

void List_Test_Player(GAME_RECORD* game, int side, int32_t team, int32_t slot) {
    int32_t id = Get_Player_Vital_Stat(team, slot, VITAL_PLAYER_ID);
    for (int i = 0; i < GAME_LISTED_PLAYERS; ++i) {
        if (game->Player_Ids[side][i] == id) return;
        if (game->Player_Ids[side][i] == -1) {
            game->Player_Ids[side][i] = id;
            return;
        }
    }
}
