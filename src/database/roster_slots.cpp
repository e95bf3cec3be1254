#include "database/roster_slots.h"

#include <cmath>
#include <cstring>
#include <initializer_list>

#include "app/diagnostics.h"
#include "database/league_structure.h"
#include "database/player_entries.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/position_evaluation.h"
#include "database/rating_normalisation.h"
#include "database/roster_queries.h"
#include "database/schedule_entries.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "engine/game_record.h"
#include "engine/pregame_setup.h"
#include "personnel/random_ratings.h"

namespace {
constexpr int32_t POSITION_QUOTA[NUMBER_OF_POSITIONS] = {2, 3, 1, 3, 6, 4, 4, 2, 5, 4, 7, 5, 5, 1, 1};
constexpr int32_t KICK_AND_PUNT_RETURNERS = 2;

void Clear_Record(PLAYER_RECORD& player) {
    memset(&player, 0, sizeof player);
    for (int32_t& link : player.Season_Line_Links)
        link = NO_SEASON_LINE;
    player.Latest_Season_Line = NO_SEASON_LINE;
}

float Repaired_Rating(float value, int32_t rating) {
    if (std::isnan(value)) return Get_Rating_Baseline(rating);
    return value < MINIMUM_RATING ? MINIMUM_RATING : value;
}
} // namespace

int32_t Get_Position_Quota(int32_t position) {
    return static_cast<uint32_t>(position) < NUMBER_OF_POSITIONS ? POSITION_QUOTA[position] : 0;
}

void Copy_Player(int32_t dst_team, int32_t dst_slot, int32_t src_team, int32_t src_slot) {
    dst_team = Get_Signed_Team(dst_team);
    src_team = Get_Signed_Team(src_team);
    if (dst_team < 0 || dst_slot < 0) {
        Report_System_Error("Negative destination in Copy_Player()");
        return;
    }
    if (src_team < 0 || src_slot < 0) {
        Report_System_Error("Negative source in Copy_Player()");
        return;
    }
    if (!Is_Player_Address(dst_team, dst_slot)) {
        Report_System_Error("Invalid destination in Copy_Player()");
        return;
    }
    if (!Is_Player_Address(src_team, src_slot)) {
        Report_System_Error("Invalid source in Copy_Player()");
        return;
    }
    if (dst_team == src_team && dst_slot == src_slot) return;
    Universe.Teams[dst_team].Players[dst_slot] = Universe.Teams[src_team].Players[src_slot];
    Note_Player_ID_Moved(Universe.Teams[dst_team].Players[dst_slot].Vital_Stats[VITAL_PLAYER_ID], dst_team,
                         dst_slot);
    Forget_Player_Stat_Memo(dst_team, dst_slot);
}

void Copy_Player_To_Memory(PLAYER_RECORD* buffer, int32_t team, int32_t slot) {
    team = Get_Signed_Team(team);
    if (team < 0 || slot < 0) {
        Report_System_Error("Negative source in Copy_Player_To_Memory()");
        return;
    }
    if (!Is_Player_Address(team, slot) || buffer == nullptr) {
        Report_System_Error("Invalid source in Copy_Player_To_Memory()");
        return;
    }
    memcpy(buffer, &Universe.Teams[team].Players[slot], sizeof(PLAYER_RECORD));
}

void Copy_Player_From_Memory(int32_t team, int32_t slot, const PLAYER_RECORD* buffer) {
    team = Get_Signed_Team(team);
    if (team < 0 || slot < 0) {
        Report_System_Error("Negative destination in Copy_Player_From_Memory()");
        return;
    }
    if (!Is_Player_Address(team, slot) || buffer == nullptr) {
        Report_System_Error("Invalid destination in Copy_Player_From_Memory()");
        return;
    }
    memcpy(&Universe.Teams[team].Players[slot], buffer, sizeof(PLAYER_RECORD));
    Forget_Player_Stat_Memo(team, slot);
}

// A roster move during a watched game rebuilds that game's depth charts, so the
// players on the field follow the new roster.
static void Notify_Watched_Game_Of_Roster_Change(int32_t team_a, int32_t team_b) {
    GAME_RECORD* game = Current_Game;
    if (game == nullptr || Get_User_Preference(SIMULATION_RUNNING) == 0) return;
    const int32_t week = Get_User_Preference(CURRENT_WEEK);
    const int32_t first = game->Team[0], second = game->Team[1];
    if (Get_Team_Week_Schedule_Stat_1(first, week) == 0 && Get_Team_Week_Schedule_Stat_1(second, week) == 0)
        return;
    if (team_a == first || team_a == second || team_b == first || team_b == second)
        Update_Game_Depth_Charts(game);
}

void Swap_Players(int32_t team_a, int32_t slot_a, int32_t team_b, int32_t slot_b) {
    team_a = Get_Signed_Team(team_a);
    team_b = Get_Signed_Team(team_b);
    const char* problem = nullptr;
    if (team_a > 40 || team_b > 40)
        problem = "Invalid Team in Swap_Players(%d,%d,%d,%d)";
    else if (team_a < 0 || team_b < 0)
        problem = "Negative Team in Swap_Players(%d,%d,%d,%d)";
    else if (slot_a > 99 || slot_b > 99)
        problem = "Invalid Slot in Swap_Players(%d,%d,%d,%d)";
    else if (slot_a < 0 || slot_b < 0)
        problem = "Negative Slot in Swap_Players(%d,%d,%d,%d)";
    if (problem != nullptr) {
        Report_System_Error(problem, team_a, slot_a, team_b, slot_b);
        return;
    }
    if (team_a == team_b) {
        // Returners follow their players.
        int8_t* returners = Universe.Teams[team_a].Returners;
        for (int32_t i = 0; i < KICK_AND_PUNT_RETURNERS; ++i) {
            int32_t returner = static_cast<uint8_t>(returners[i]);
            if (returner == slot_a)
                returners[i] = static_cast<int8_t>(slot_b);
            else if (returner == slot_b)
                returners[i] = static_cast<int8_t>(slot_a);
        }
    }
    PLAYER_RECORD held = Universe.Teams[team_a].Players[slot_a];
    Universe.Teams[team_a].Players[slot_a] = Universe.Teams[team_b].Players[slot_b];
    Universe.Teams[team_b].Players[slot_b] = held;
    Note_Player_ID_Moved(Universe.Teams[team_a].Players[slot_a].Vital_Stats[VITAL_PLAYER_ID], team_a, slot_a);
    Note_Player_ID_Moved(held.Vital_Stats[VITAL_PLAYER_ID], team_b, slot_b);
    Forget_Player_Stat_Memo(team_a, slot_a);
    Forget_Player_Stat_Memo(team_b, slot_b);
    Notify_Watched_Game_Of_Roster_Change(team_a, team_b);
}

void Clear_Player(int32_t team, int32_t slot) {
    if (Is_No_Team(team)) {
        Report_System_Error("'NO_TEAM' passed to Clear_Player(%d,%d)", team, slot);
        return;
    }
    if (slot == NO_PLAYER) {
        Report_System_Error("'NO_PLAYER' passed to Clear_Player(%d,%d)", team, slot);
        return;
    }
    if (static_cast<uint32_t>(team) >= TOTAL_NUMBER_OF_TEAMS) {
        Report_System_Error("nTeam out of bounds in Clear_Player(%d,%d)", team, slot);
        return;
    }
    if (static_cast<uint32_t>(slot) >= PLAYERS_PER_TEAM) {
        Report_System_Error("nPlayer out of bounds in Clear_Player(%d,%d)", team, slot);
        return;
    }
    Clear_Record(Universe.Teams[team].Players[slot]);
    Forget_Player_Stat_Memo(team, slot);
}

void Remove_Player(int32_t team, int32_t slot) {
    Clear_Player(team, slot);
    if (!Is_Player_Address(team, slot)) return;
    Move_Player_To_Last_Slot(team, slot);
}

void Delete_Player(int32_t team, int32_t slot) {
    if (Is_Player_Address(team, slot)) Delete_All_Player_Season_Lines(team, slot);
    Remove_Player(team, slot);
}

void Compact_Team_Roster(int32_t team) {
    bool changed = true;
    while (changed) {
        changed = false;
        for (int32_t s = 0; s < PLAYERS_PER_TEAM - 1; ++s) {
            if (Is_Player_Slot_Used(team, s) || !Is_Player_Slot_Used(team, s + 1)) continue;
            Clear_Player(team, s);
            Move_Player_To_Last_Slot(team, s);
            changed = true;
            break;
        }
    }
}

void Clear_Player_Statistics(int32_t team, int32_t slot) {
    if (!Is_Player_Address(team, slot)) {
        Report_System_Error("Invalid player in Clear_Player_Statistics(%d,%d)", team, slot);
        return;
    }
    // This season, last season and career.
    for (int32_t season = 0; season < 3; ++season)
        Clear_Player_Season_Stats(team, slot, season);
    Delete_All_Player_Season_Lines(team, slot);
}

int32_t Find_Empty_Player_Slot(int32_t team) {
    if (static_cast<uint32_t>(team) >= TOTAL_NUMBER_OF_TEAMS) {
        Report_System_Error("nTeam out of bounds in Find_Empty_Player_Slot(%d)", team);
        return -1;
    }
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        if (Universe.Teams[team].Players[slot].Vital_Stats[VITAL_PLAYER_ID] == 0) return slot;
    return -1;
}

int32_t Get_First_Empty_Player_Slot(int32_t team) {
    if (!Is_Valid_Team_Code(team)) return 0;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        if (Universe.Teams[team].Players[slot].Vital_Stats[VITAL_PLAYER_ID] == 0) return slot;
    return PLAYERS_PER_TEAM;
}

int32_t Is_Player_Within_Position_Quota(int32_t team, int32_t slot) {
    if (static_cast<uint32_t>(team) >= MAX_FRANCHISES || !Is_Player_Slot_Used(team, slot)) return 0;
    const PLAYER_RECORD* players = Universe.Teams[team].Players;
    int32_t position = players[slot].Vital_Stats[VITAL_POSITION];
    int32_t quota = Get_Position_Quota(position);
    int32_t count = 0;
    for (int32_t s = 0; s < PLAYERS_PER_TEAM; ++s) {
        if (players[s].Vital_Stats[VITAL_PLAYER_ID] == 0) continue;
        if (players[s].Vital_Stats[VITAL_POSITION] == position && ++count > quota) return 0;
        if (s == slot) return 1;
    }
    return 0;
}

int32_t Is_Player_Within_Unit_Quota(int32_t team, int32_t slot) {
    if (static_cast<uint32_t>(team) >= MAX_FRANCHISES || static_cast<uint32_t>(slot) >= PLAYERS_PER_TEAM)
        return 0;
    int32_t unit = Get_Player_Unit(team, slot);
    if (unit < 0) return 0;
    // The unit's quota is its size on the field.
    return slot < Get_Unit_Starters_End_Slot(team, unit) ? 1 : 0;
}

namespace {
// The last evaluation of each slot's player with exactly what it read: his
// ratings, position and role. Two equal records evaluate alike, so it serves
// again while none of them changed.
struct REMEMBERED_EVALUATION {
    bool Valid;
    int8_t Expanded_Position;
    int32_t Position;
    float Ratings[NUMBER_OF_PLAYER_RATINGS];
    float Value;
};
REMEMBERED_EVALUATION Remembered_Evaluations[TOTAL_NUMBER_OF_TEAMS][PLAYERS_PER_TEAM];

// Ratings every read takes as stored: none missing or below 20, Health and
// Durability not beyond 120 (those are read from his statistics).
bool Ratings_Read_As_Stored(const float* ratings) {
    for (int32_t rating = 0; rating < NUMBER_OF_PLAYER_RATINGS; ++rating) {
        const float value = ratings[rating];
        if (!(value >= MINIMUM_RATING)) return false;
        if (rating <= RATING_DURABILITY && value > 120.0f) return false;
    }
    return true;
}

bool Is_Evaluation_Of(const REMEMBERED_EVALUATION& known, const PLAYER_RECORD& player) {
    return known.Valid && known.Position == player.Vital_Stats[VITAL_POSITION] &&
           known.Expanded_Position == player.Expanded_Position &&
           memcmp(known.Ratings, player.Ratings, sizeof known.Ratings) == 0;
}

float Ensure_Minimum_Rating(int32_t team, int32_t slot, bool remember) {
    const bool address = Is_Player_Address(team, slot);
    if (address) {
        const PLAYER_RECORD& player = Universe.Teams[team].Players[slot];
        REMEMBERED_EVALUATION& known = Remembered_Evaluations[team][slot];
        if (Is_Evaluation_Of(known, player)) return known.Value;
        // A roster closing up or opening a slot moves players by one: the
        // evaluation kept next door may be his, and serves as well.
        for (const int32_t next_door : {slot + 1, slot - 1}) {
            if (next_door < 0 || next_door >= PLAYERS_PER_TEAM) continue;
            const REMEMBERED_EVALUATION& moved = Remembered_Evaluations[team][next_door];
            if (Is_Evaluation_Of(moved, player)) {
                known = moved;
                return known.Value;
            }
        }
    }
    float value = Evaluate_Player_At_Own_Position(team, slot);
    if (value < 25.0f) {
        Randomize_Player_Ratings(team, slot);
        return Evaluate_Player_At_Own_Position(team, slot);
    }
    // Kept as the record stands after the reads, whose repairs are made by
    // now: evaluated again, it reads the same values without a repair.
    if (address && remember) {
        const PLAYER_RECORD& player = Universe.Teams[team].Players[slot];
        REMEMBERED_EVALUATION& known = Remembered_Evaluations[team][slot];
        known.Valid = Ratings_Read_As_Stored(player.Ratings);
        known.Expanded_Position = player.Expanded_Position;
        known.Position = player.Vital_Stats[VITAL_POSITION];
        memcpy(known.Ratings, player.Ratings, sizeof known.Ratings);
        known.Value = value;
    }
    return value;
}
} // namespace

float Ensure_Player_Minimum_Rating(int32_t team, int32_t slot) {
    return Ensure_Minimum_Rating(team, slot, true);
}

float Ensure_Passing_Minimum_Rating(int32_t team, int32_t slot) {
    return Ensure_Minimum_Rating(team, slot, false);
}

void Forget_Player_Evaluations() {
    memset(Remembered_Evaluations, 0, sizeof Remembered_Evaluations);
}

float Read_Repaired_Player_Rating(int32_t team, int32_t slot, int32_t rating) {
    const float value = Get_Player_Rating(team, slot, rating);
    const float repaired = Repaired_Rating(value, rating);
    if (repaired != value) Set_Player_Rating(team, slot, rating, repaired);
    return repaired;
}

void Rescale_Player_Ratings(int32_t team, int32_t slot, float target) {
    if (target > 95.0f || target < 50.0f || !Is_Player_Address(team, slot)) return;
    float value = Ensure_Player_Minimum_Rating(team, slot);
    if (value > 105.0f || value < 35.0f) {
        Randomize_Player_Ratings(team, slot);
        value = Ensure_Player_Minimum_Rating(team, slot);
    }
    if (value <= 0.0f) return;
    float factor = target / value - 1.0f;
    for (int round = 0; round < 1000; ++round) {
        for (int32_t rating = 0; rating < NUMBER_OF_PLAYER_RATINGS; ++rating) {
            if (rating == RATING_SPEED) continue;
            float current = Get_Player_Rating(team, slot, rating);
            float change = current * (factor * 0.5f);
            // Gains near the top shrink with the room left below 99.
            if (current > 80.0f && change > 0.0f) change = change * (99.0f - current) / 19.0f;
            float next = current + change;
            if (next < 20.0f) next = 20.0f;
            if (next > 99.0f) next = 99.0f;
            Set_Player_Rating(team, slot, rating, next);
        }
        value = Evaluate_Player_At_Own_Position(team, slot);
        if (value < 25.0f) {
            Randomize_Player_Ratings(team, slot);
            value = Evaluate_Player_At_Own_Position(team, slot);
        }
        if (value <= 0.0f) return;
        factor = target / value - 1.0f;
        if (std::fabs(factor) <= 0.005f) return;
    }
}

void Fill_Missing_Player_Ratings() {
    static const int32_t REPAIRED[] = {RATING_RUN_BLOCKING, RATING_PASS_BLOCKING, RATING_SPEED, RATING_POWER};
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team) {
        if (!Is_Valid_Team_Code(team)) continue;
        int32_t end = Get_First_Empty_Player_Slot(team);
        for (int32_t slot = 0; slot < end; ++slot) {
            PLAYER_RECORD& player = Universe.Teams[team].Players[slot];
            if (player.Vital_Stats[VITAL_PLAYER_ID] == 0) continue;
            for (int32_t rating : REPAIRED)
                player.Ratings[rating] = Repaired_Rating(player.Ratings[rating], rating);
        }
    }
}
