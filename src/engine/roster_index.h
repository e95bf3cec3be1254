#pragma once
// A team's roster by position, read in one pass over the packed roster: what
// the position queries of the roster (the n-th player of a position, the n-th
// healthy one, the count of available ones) answer, without walking the
// roster again for every question. An index answers for the roster as it was
// when it was built; whoever changes the roster builds it again.
#include <cstdint>
#include <cstring>

#include "database/player_record.h"

struct ROSTER_INDEX {
    int32_t Team;
    // Counts the builds of all indexes: a new number means the roster was
    // read again (after a query that may have changed it).
    uint32_t Build;
    // Slots 0 up to the first empty one, as the position queries count them.
    int32_t Roster_Count;
    // Per position 0-14, in slot order: every player, and those not injured
    // (weeks out below 1); how many count as available now.
    uint8_t Players[NUMBER_OF_POSITIONS][PLAYERS_PER_TEAM];
    uint8_t Player_Count[NUMBER_OF_POSITIONS];
    uint8_t Healthy[NUMBER_OF_POSITIONS][PLAYERS_PER_TEAM];
    uint8_t Healthy_Count[NUMBER_OF_POSITIONS];
    uint8_t Available_Count[NUMBER_OF_POSITIONS];
};

void Build_Roster_Index(int32_t team, ROSTER_INDEX* index);

// What a player's strength is read from (his id, position, expanded position
// and stored ratings), kept beside a value read from it: the value still holds
// while the player still matches.
struct PLAYER_STRENGTH_SNAPSHOT {
    int32_t Id;
    int32_t Position;
    int8_t Expanded_Position;
    float Ratings[NUMBER_OF_PLAYER_RATINGS];

    bool Matches(const PLAYER_RECORD& player) const {
        return Id == player.Vital_Stats[VITAL_PLAYER_ID] && Position == player.Vital_Stats[VITAL_POSITION] &&
               Expanded_Position == player.Expanded_Position &&
               std::memcmp(Ratings, player.Ratings, sizeof Ratings) == 0;
    }
    void Take(const PLAYER_RECORD& player) {
        Id = player.Vital_Stats[VITAL_PLAYER_ID];
        Position = player.Vital_Stats[VITAL_POSITION];
        Expanded_Position = player.Expanded_Position;
        std::memcpy(Ratings, player.Ratings, sizeof Ratings);
    }
};

// Get_Team_Position_Player: the n-th player of the position, or -1.
inline int32_t Indexed_Position_Player(const ROSTER_INDEX& index, int32_t position, int32_t n) {
    if (static_cast<uint32_t>(position) >= NUMBER_OF_POSITIONS || n < 0 || n >= index.Player_Count[position])
        return -1;
    return index.Players[position][n];
}

// The n-th player not injured of the position, or -1.
inline int32_t Indexed_Healthy_Player(const ROSTER_INDEX& index, int32_t position, int32_t n) {
    if (static_cast<uint32_t>(position) >= NUMBER_OF_POSITIONS || n < 0 || n >= index.Healthy_Count[position])
        return -1;
    return index.Healthy[position][n];
}

// Get_Depth_Chart_Position_Player read from the team's roster index: the
// n-th healthy player of a position 0-14, -1 past the players available now;
// anything else (a returner, a roster the query would repair) is asked of
// the query itself, and the index is built again.
int32_t Requery_Depth_Chart_Player(ROSTER_INDEX* index, int32_t position, int32_t n);
inline int32_t Get_Indexed_Depth_Chart_Player(ROSTER_INDEX* index, int32_t position, int32_t n) {
    if (static_cast<uint32_t>(index->Team) < TOTAL_NUMBER_OF_TEAMS &&
        static_cast<uint32_t>(position) < NUMBER_OF_POSITIONS && n >= 0) {
        if (n >= index->Available_Count[position]) return -1;
        if (n < index->Healthy_Count[position]) return index->Healthy[position][n];
    }
    return Requery_Depth_Chart_Player(index, position, n);
}
