#include "support/played_season.h"

#include <cstring>
#include <map>
#include <memory>

#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/playoff_bracket.h"
#include "database/random_numbers.h"
#include "database/settings.h"
#include "database/universe.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "season/league_rules.h"
#include "season/season_start.h"
#include "season/week_advance.h"
#include "support/computer_league.h"

namespace {
constexpr int32_t CHAMPION_PLACE = 30;

std::map<int32_t, std::unique_ptr<UNIVERSE_STATE>> Played_Seasons;

// The names and the chosen columns a new game of the shipped league starts with.
void Name_Leagues_And_Choose_Columns() {
    Set_League_Abbreviation(0, "AFC");
    Set_League_Abbreviation(1, "NFC");
    const char* const divisions[4] = {"East", "North", "South", "West"};
    for (int32_t division = 0; division < 8; ++division)
        Set_Division_Name(division, divisions[division % 4]);
    const int32_t standings[5] = {2, 0, 5, 7, 8};
    const int32_t finances[8] = {46, 8, 17, 47, 3, 49, 2, 1};
    const int32_t leaders[4] = {2, 11, 15, 24};
    const int32_t calendar[5] = {18, 2, 3, 4, 5};
    for (int32_t k = 0; k < 5; ++k)
        Set_User_Preference(100 + k, standings[k]);
    for (int32_t k = 0; k < 8; ++k)
        Set_User_Preference(105 + k, finances[k]);
    for (int32_t k = 0; k < 4; ++k)
        Set_User_Preference(113 + k, leaders[k]);
    Set_User_Preference(117, 0);
    Set_User_Preference(118, 0);
    for (int32_t k = 0; k < 5; ++k)
        Set_User_Preference(119 + k, calendar[k]);
}

void Play_Season(int32_t games) {
    Start_Played_Season(games);
    Advance_Weeks(22);
    Advance_Weeks(22);
}
} // namespace

void Start_Played_Season(int32_t games) {
    Build_Computer_League();
    Name_Leagues_And_Choose_Columns();
    Set_User_Preference(CURRENT_SEASON_INDEX, 1);
    Apply_League_Rules_For_Year();
    Universe.Header.Universe_Stats[GAMES_PER_SEASON] = games;
    Universe.Header.Championship_Round_Flag = 1;
    Seed_Random_Numbers(2021);
    Clear_Shown_Messages();
    Reset_Message_Queue();
    Start_Season(0);
}

void Build_Played_Season(int32_t games) {
    std::unique_ptr<UNIVERSE_STATE>& copy = Played_Seasons[games];
    if (!copy) {
        Play_Season(games);
        copy = std::make_unique_for_overwrite<UNIVERSE_STATE>();
        std::memcpy(copy.get(), &Universe, sizeof Universe);
    } else {
        std::memcpy(&Universe, copy.get(), sizeof Universe);
    }
    Active_Team_Count = -1;
    Count_Active_Teams();
    Build_All_Player_Hashes();
}

int32_t Get_Played_Season_Champion() {
    return Get_Playoff_Team(CHAMPION_PLACE);
}
