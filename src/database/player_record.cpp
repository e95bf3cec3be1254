#include "database/player_record.h"

#include <cstring>
#include <zlib.h>

#include "app/diagnostics.h"
#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/position_evaluation.h"
#include "database/random_numbers.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "frontoffice/money.h"
#include "frontoffice/salaries.h"
#include "platform/message_box.h"

namespace {
PLAYER_RECORD Empty_Player_Record;

int32_t Read_Vital(PLAYER_RECORD& player, int32_t stat) {
    int32_t value = player.Vital_Stats[stat];
    if (stat == VITAL_PEAK_AGE) {
        int32_t limit = Read_Vital(player, VITAL_PEAK_AGE_LIMIT);
        if (value <= limit && value < 31) return value;
        int32_t capped = limit < 30 ? limit : 30;
        if (value < capped) capped = value;
        player.Vital_Stats[stat] = capped;
        return capped;
    }
    if (stat == VITAL_DEVELOPMENT && value > 250) {
        value = 75 + Random_Int(60);
        player.Vital_Stats[stat] = value;
    }
    return value;
}

// The signing bonus counts against the cap in equal shares: what is still to
// count (the bonus field, which each year's roll-over cuts by a share) over
// the years still to run, so that every year of the contract carries the
// same share and the shares add up to the whole bonus.
int32_t Get_Bonus_Per_Year(const PLAYER_RECORD& player) {
    int32_t years = player.Vital_Stats[VITAL_CONTRACT_YEARS];
    if (years < 1) return 0;
    // 64-bit so that the one overflowing quotient (minimum over -1) saturates.
    int64_t share = static_cast<int64_t>(player.Vital_Stats[VITAL_SIGNING_BONUS]) / years;
    return share > INT32_MAX ? INT32_MAX : static_cast<int32_t>(share);
}

int32_t Get_Cap_Charge(int32_t team, int32_t slot, const PLAYER_RECORD& player) {
    int32_t salary = player.Vital_Stats[VITAL_SALARY];
    // Summed in 64 bits: a damaged salary near the int32 limit must not wrap.
    int32_t charge = Clamp_To_Int32(static_cast<int64_t>(salary) + Get_Bonus_Per_Year(player));
    // The tests only read; the stored one goes first, as it settles most players.
    if (player.Vital_Stats[VITAL_BONUS_YEARS] == 1 && salary <= Get_Player_Minimum_Salary(team, slot) &&
        player.Vital_Stats[VITAL_SIGNING_BONUS] <= Apply_Inflation(65)) {
        int32_t limit = Get_League_Minimum_Salary(2);
        if (charge > limit) charge = limit;
    }
    return charge;
}

// Group tables by basic position 0-14.
constexpr int8_t POSITION_GROUP[NUMBER_OF_POSITIONS] = {0, 0, 0, 0, 0, 1, 1, 1, 2, 2, 2, 2, 2, 3, 3};
constexpr int8_t POSITION_GROUP_SPLIT_QB[NUMBER_OF_POSITIONS] = {4, 0, 0, 0, 0, 1, 1, 1, 2, 2, 2, 2, 2, 3, 3};
constexpr int8_t POSITION_UNIT[NUMBER_OF_POSITIONS] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 2, 2};

// Basic position of expanded codes 15-42.
constexpr int8_t EXPANDED_POSITION_BASE[NUMBER_OF_EXPANDED_POSITIONS - NUMBER_OF_POSITIONS] = {
    4, 4, 4, 4, 4, 4, 5, 6, 6, 5, 7, 8, 9, 9, 9, 8, 10, 10, 10, 10, 10, 10, 10, 11, 11, 11, 12, 12};

int32_t Lookup_Table(const int8_t* table, int32_t position) {
    return static_cast<uint32_t>(position) < NUMBER_OF_POSITIONS ? table[position] : -1;
}
} // namespace

int32_t Read_Player_Vital_Stat(int32_t team, int32_t slot, int32_t stat) {
    if (Is_No_Team(team) || slot == NO_PLAYER || stat < 0) return 0;
    if (!Is_Player_Address(team, slot)) {
        Report_System_Error("Invalid player in Get_Player_Vital_Stat(%d,%d,%d)", team, slot, stat);
        return 0;
    }
    PLAYER_RECORD& player = Universe.Teams[team].Players[slot];
    if (stat < NUMBER_OF_VITAL_STATS) return Read_Vital(player, stat);
    switch (stat) {
    case VITAL_CAP_CHARGE:
        return Get_Cap_Charge(team, slot, player);
    case VITAL_BASE_CAP_CHARGE:
        return Scale_To_Reference_Cap(Get_Cap_Charge(team, slot, player));
    case VITAL_BONUS_PER_YEAR:
        return Get_Bonus_Per_Year(player);
    default:
        Show_Formatted_Message("Get_Player_Vital_Stat(TNUM nTeam, INDEX nSlot, int nStat)",
                               "Unrecognized VITAL_STAT: %d", stat);
        return 0;
    }
}

void Set_Player_Vital_Stat(int32_t team, int32_t slot, int32_t stat, int32_t value) {
    if (!Is_Player_Address(team, slot) || static_cast<uint32_t>(stat) >= NUMBER_OF_VITAL_STATS) {
        Report_System_Error("Invalid argument in Set_Player_Vital_Stat(%d,%d,%d,%d)", team, slot, stat,
                            value);
        return;
    }
    if (stat == VITAL_CREDITED_SEASONS && value > 30) value = 30;
    Universe.Teams[team].Players[slot].Vital_Stats[stat] = value;
}

int32_t Get_Player_ID(int32_t team, int32_t slot) {
    if (slot == NO_PLAYER) return -1;
    return Get_Player_Vital_Stat(team, slot, VITAL_PLAYER_ID);
}

int32_t Get_Player_Drafted_By_Team(int32_t team, int32_t slot) {
    return static_cast<int8_t>(
        Get_Player_Vital_Stat(team, slot, VITAL_DRAFT_RECORD) / DRAFT_RECORD_TEAM_FACTOR - 1);
}

int32_t Get_Player_Draft_Detail(int32_t team, int32_t slot) {
    return Get_Player_Vital_Stat(team, slot, VITAL_DRAFT_RECORD) % DRAFT_RECORD_TEAM_FACTOR;
}

int32_t Read_Player_Byte_Field(int32_t team, int32_t slot, int32_t index) {
    if (!Is_Player_Address(team, slot) || static_cast<uint32_t>(index) > PLAYER_BYTE_IMPORT_CODE) {
        Report_System_Error("Invalid argument in Get_Player_Byte_Field(%d,%d,%d)", team, slot, index);
        return 0;
    }
    return (&Universe.Teams[team].Players[slot].Uniform_Number)[index];
}

void Set_Player_Byte_Field(int32_t team, int32_t slot, int32_t index, int32_t value) {
    if (static_cast<uint32_t>(index) > PLAYER_BYTE_IMPORT_CODE) return;
    if (!Is_Player_Address(team, slot)) {
        Report_System_Error("Invalid argument in Set_Player_Byte_Field(%d,%d,%d,%d)", team, slot, index,
                            value);
        return;
    }
    (&Universe.Teams[team].Players[slot].Uniform_Number)[index] = static_cast<int8_t>(value);
}

PLAYER_RECORD* Get_Player_Record_Pointer(int32_t team, int32_t slot) {
    if (Is_Player_Address(team, slot)) return &Universe.Teams[team].Players[slot];
    // Callers may write through the pointer; the empty record is blanked again
    // each time so that such writes never leak into the next caller.
    memset(&Empty_Player_Record, 0, sizeof Empty_Player_Record);
    return &Empty_Player_Record;
}

int32_t Translate_Expanded_Position(int32_t expanded_position) {
    if (expanded_position >= 0 && expanded_position < NUMBER_OF_POSITIONS) return expanded_position;
    if (expanded_position >= NUMBER_OF_POSITIONS && expanded_position < NUMBER_OF_EXPANDED_POSITIONS)
        return EXPANDED_POSITION_BASE[expanded_position - NUMBER_OF_POSITIONS];
    Show_Formatted_Message("Unhandled Parameter",
                           "Unhandled nExpandedPosition in Translate_Expanded_Position([%d])",
                           expanded_position);
    return -1;
}

int32_t Get_Position_Group(int32_t position) {
    return Lookup_Table(POSITION_GROUP, position);
}
int32_t Get_Position_Group_Split_QB(int32_t position) {
    return Lookup_Table(POSITION_GROUP_SPLIT_QB, position);
}
int32_t Get_Position_Unit(int32_t position) {
    return Lookup_Table(POSITION_UNIT, position);
}

int32_t Get_Player_Position_Group(int32_t team, int32_t slot) {
    return Get_Position_Group_Split_QB(Get_Player_Vital_Stat(team, slot, VITAL_POSITION));
}

int32_t Get_Player_Basic_Group(int32_t team, int32_t slot) {
    return Get_Position_Group(Get_Player_Vital_Stat(team, slot, VITAL_POSITION));
}

int32_t Get_Player_Unit(int32_t team, int32_t slot) {
    return Get_Position_Unit(Get_Player_Vital_Stat(team, slot, VITAL_POSITION));
}

int32_t Is_Skill_Or_Secondary_Player(int32_t team, int32_t slot) {
    int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    return (position >= POSITION_RB && position <= POSITION_WR) || position == POSITION_CB ||
           position == POSITION_S;
}

float Evaluate_Player_At_Own_Position(int32_t team, int32_t slot) {
    return Get_Player_Position_Rating(team, slot, Get_Player_Vital_Stat(team, slot, VITAL_POSITION));
}

uint32_t Get_Player_Checksum_By_ID(int32_t id) {
    PLAYER_LOCATION where{};
    if (!Lookup_Player_ID_Hash(&where, id) || !Is_Player_Slot_Used(where.Team, where.Slot)) return 0;
    const auto* bytes = reinterpret_cast<const Bytef*>(&Universe.Teams[where.Team].Players[where.Slot]);
    return static_cast<uint32_t>(adler32(0, bytes, sizeof(PLAYER_RECORD)));
}
