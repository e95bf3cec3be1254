#include "personnel/draft_pool.h"

#include "app/diagnostics.h"
#include "app/progress_window.h"
#include "database/league_structure.h"
#include "database/player_entries.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/universe.h"
#include "personnel/draft_input_files.h"
#include "personnel/draft_pool_players.h"
#include "personnel/draft_pool_sort.h"
#include "personnel/draft_state.h"
#include "personnel/fantasy_marks.h"
#include "personnel/personnel_settings.h"
#include "personnel/player_generation.h"
#include "platform/message_queue.h"
#include "tools/draft_class_database.h"
#include "tools/player_overall_adjustment.h"

namespace {
constexpr int32_t CLASS_SIZE = 291;
constexpr int32_t CLASS_TEAMS = 32;
constexpr int32_t FIRST_GENERATED_YEAR = 2022;
constexpr int32_t YOUNGEST_PROSPECT = 18;
constexpr int32_t OFF_SEASON_WEEK = 100;
// Prospects by position: roster count + 3 x starters (+ 2 x for K and P).
constexpr int32_t POSITION_WEIGHT[NUMBER_OF_POSITIONS] = {6,  7,  5,  7,  12, 10, 10, 5,
                                                          11, 10, 16, 11, 11, 3,  3};
constexpr int32_t POSITION_WEIGHT_TOTAL = 127;

// The first pool team with room, and its first empty slot; false when all are full.
bool Find_Pool_Room(int32_t* team, int32_t* slot) {
    for (int32_t t = FIRST_COLLEGE_POOL_TEAM; t < TOTAL_NUMBER_OF_TEAMS; ++t) {
        const int32_t s = Get_First_Empty_Player_Slot(t);
        if (s < PLAYERS_PER_TEAM) {
            *team = t;
            *slot = s;
            return true;
        }
    }
    return false;
}

void Remove_Underage_Prospects() {
    for (int32_t team = FIRST_COLLEGE_POOL_TEAM; team < TOTAL_NUMBER_OF_TEAMS; ++team) {
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot) || Get_Player_Calendar_Age(team, slot) >= YOUNGEST_PROSPECT)
                continue;
            Erase_Player(team, slot);
        }
        Compact_Team_Roster(team);
    }
}
} // namespace

int32_t Get_College_Draft_Class_Size() {
    const int64_t target = (static_cast<int64_t>(Count_Active_Teams()) * CLASS_SIZE + 16) / CLASS_TEAMS;
    return static_cast<int32_t>(target < CLASS_SIZE ? target : CLASS_SIZE);
}

int32_t Choose_Random_Position() {
    const int32_t r = Random_Below(POSITION_WEIGHT_TOTAL);
    int32_t covered = 0;
    for (int32_t position = 0; position < NUMBER_OF_POSITIONS; ++position) {
        covered += POSITION_WEIGHT[position];
        if (r <= covered) return position;
    }
    return POSITION_P;
}

void Empty_Draft_Pool() {
    for (int32_t team = FIRST_COLLEGE_POOL_TEAM; team < TOTAL_NUMBER_OF_TEAMS; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
            Erase_Player(team, slot);
}

int32_t Get_Draft_Pool_Slot_Grade(int32_t team, int32_t slot) {
    return Get_Draft_Pool_Place_Grade((team - FIRST_COLLEGE_POOL_TEAM) * PLAYERS_PER_TEAM + slot);
}

int32_t Get_Draft_Pool_Place_Grade(int32_t place) {
    return 80 - place / 10 + (place < 3 ? (4 - place) / 2 : 0);
}

void Fill_College_Draft_Pool() {
    const int32_t to_create = Get_College_Draft_Class_Size() - Count_Draft_Pool_Players();
    Load_Draft_Talent();
    const bool opened = Open_Progress_Window("Setting Up College Draft...", 100) != 0;
    if (opened) Step_Progress(1);
    for (int32_t k = 0; k < to_create; ++k) {
        int32_t team = 0;
        int32_t slot = 0;
        if (!Find_Pool_Room(&team, &slot)) continue;
        Fabricate_Position_Player(team, slot, Choose_Random_Position(), 1);
        if (opened && k % 4 == 0) Step_Progress(1);
    }
    if (!opened) return;
    Step_Progress((400 - to_create) / 4);
    Close_Progress_Window();
    Pump_Messages();
}

void Grade_College_Draft_Pool() {
    Sort_Draft_Pool(1, POOL_SORT_EVALUATION);
    const float count = static_cast<float>(Count_Draft_Pool_Players());
    int32_t team = 0;
    int32_t slot = 0;
    // The class runs from 82 down to just above 60, and its potentials from 93.
    for (int32_t i = 0; Get_Draft_Pool_Player(i, &team, &slot); ++i)
        Rescale_Player_Ratings(team, slot, 82.0f - 22.0f * static_cast<float>(i) / count);
    Sort_Draft_Pool(1, POOL_SORT_POTENTIAL);
    for (int32_t i = 0; Get_Draft_Pool_Player(i, &team, &slot); ++i)
        Adjust_Player_To_Overall(team, slot,
                                 static_cast<int32_t>(93.0f - 22.0f * static_cast<float>(i) / count));
    Remove_Underage_Prospects();
}

bool Is_Draft_Pool_In_Use() {
    // A college draft under way (it runs only in the off-season) picks from
    // the class it started with; the prospects a fantasy draft took wait in
    // the pool until the draft is carried out.
    return (Get_User_Preference(CURRENT_WEEK) == OFF_SEASON_WEEK && Is_College_Draft_Underway()) ||
           Is_Fantasy_Draft_Under_Way();
}

const char* Get_Pool_Draft_Name() {
    return Is_Fantasy_Draft_Under_Way() ? "Fantasy Draft" : "College Draft";
}

void Create_College_Draft_Pool() {
    if (Is_Draft_Pool_In_Use()) {
        Log_Debug_Line("The %s is running: its pool is kept.", Get_Pool_Draft_Name());
        return;
    }
    Empty_Draft_Pool();
    if (Get_Current_Year() < FIRST_GENERATED_YEAR && Get_Fictional_Players_Flag() == 0)
        Load_Draft_Class_Database();
    Fill_College_Draft_Pool();
    Grade_College_Draft_Pool();
    Sort_Draft_Pool(0, Get_User_Preference(PLAYER_SORT_MODE));
}
