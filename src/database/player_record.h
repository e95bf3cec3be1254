#pragma once
// Checked accessors of the player records: vital stats, the four small byte
// fields, names, ratings and their composites, positions, ages and the record
// checksum. A player is addressed by team (0-40; NO_TEAM as 128 or -128) and
// slot (0-99; NO_PLAYER 255).
#include <cstdint>

#include "database/league_structure.h"
#include "database/team_record_layout.h"
#include "database/universe.h"

enum PLAYER_POSITION : int32_t {
    POSITION_QB = 0,
    POSITION_RB,
    POSITION_FB,
    POSITION_TE,
    POSITION_WR,
    POSITION_T,
    POSITION_G,
    POSITION_C,
    POSITION_DE,
    POSITION_DT,
    POSITION_LB,
    POSITION_CB,
    POSITION_S,
    POSITION_K,
    POSITION_P,
    POSITION_ANY = 15,
};
constexpr int NUMBER_OF_POSITIONS = 15;
constexpr int NUMBER_OF_EXPANDED_POSITIONS = 43;
// Expanded roles that play special teams only.
constexpr int EXPANDED_SPECIAL_TEAMS_PLAYER = 19;
constexpr int EXPANDED_LONG_SNAPPER = 25;

enum PLAYER_RATING : int32_t {
    RATING_HEALTH = 0,
    RATING_DURABILITY,
    RATING_ACCURACY,
    RATING_DISTANCE,
    RATING_CONTROL,
    RATING_RED_ZONE,
    RATING_MOBILITY,
    RATING_SPEED,
    RATING_POWER,
    RATING_QUICKNESS,
    RATING_VISION,
    RATING_RECEIVING,
    RATING_HANDS,
    RATING_KICK_RETURNS,
    RATING_PUNT_RETURNS,
    RATING_PASS_BLOCKING,
    RATING_RUN_BLOCKING,
    RATING_DISCIPLINE,
    RATING_RUN_DEFENSE,
    RATING_PASS_RUSH,
    RATING_PASS_COVERAGE,
    RATING_TURNOVERS,
    RATING_TACKLING,
    RATING_FG_ACCURACY,
    RATING_FG_DISTANCE,
    RATING_PUNT_ACCURACY,
    RATING_PUNT_DISTANCE,
    RATING_RUNNING_COMPOSITE,
    RATING_RECEIVING_COMPOSITE,
    RATING_PASSING_COMPOSITE,
    RATING_BLOCKING_COMPOSITE,
};
constexpr int NUMBER_OF_RATINGS_WITH_COMPOSITES = 31;
constexpr float MINIMUM_RATING = 20.0f;

// Named vital stats.
constexpr int VITAL_PLAYER_ID = 0;
constexpr int VITAL_POSITION = 1;
constexpr int VITAL_HEIGHT = 2;
constexpr int VITAL_WEIGHT = 3;
constexpr int VITAL_FORTY_TIME = 4;
constexpr int VITAL_BIRTH_DATE = 5;
constexpr int VITAL_LOADED_MARKER = 6;
constexpr int VITAL_CREDITED_SEASONS = 8;
constexpr int VITAL_SIGNING_BONUS = 10;
constexpr int VITAL_SALARY = 11;
constexpr int VITAL_CONTRACT_YEARS = 12;
constexpr int VITAL_DRAFT_RECORD = 13;
// Vital 13 holds (drafting team + 1) x this + the draft's year or detail.
constexpr int DRAFT_RECORD_TEAM_FACTOR = 10000;
constexpr int VITAL_INJURY_TYPE = 14;
constexpr int VITAL_WEEKS_OUT = 15;
constexpr int VITAL_DRAFT_SLOT = 16;
constexpr int VITAL_DEVELOPMENT = 20;
constexpr int VITAL_PEAK_AGE = 21;
constexpr int VITAL_PEAK_AGE_LIMIT = 22;
constexpr int VITAL_BONUS_YEARS = 25;
constexpr int VITAL_DRAFT_POOL_VALUE = 28;
constexpr int VITAL_CAP_CHARGE = 100;
constexpr int VITAL_BASE_CAP_CHARGE = 101;
constexpr int VITAL_BONUS_PER_YEAR = 102;

// Byte fields at 44-47, by index.
constexpr int PLAYER_BYTE_UNIFORM = 0;
constexpr int PLAYER_BYTE_RINGS = 1;
constexpr int PLAYER_BYTE_EXPANDED_POSITION = 2;
constexpr int PLAYER_BYTE_IMPORT_CODE = 3;

// True when (team, slot) addresses a record of the block: team 0-40, slot 0-99.
inline bool Is_Player_Address(int32_t team, int32_t slot) {
    return static_cast<uint32_t>(team) < TOTAL_NUMBER_OF_TEAMS &&
           static_cast<uint32_t>(slot) < PLAYERS_PER_TEAM;
}

// Vital stats and small fields. A stored vital stat is read in place unless
// it needs one of the read repairs (a development above 250, a peak age above
// its limit or 30); everything else goes through Read_Player_Vital_Stat.
int32_t Read_Player_Vital_Stat(int32_t team, int32_t slot, int32_t stat);
inline int32_t Get_Player_Vital_Stat(int32_t team, int32_t slot, int32_t stat) {
    if (Is_Player_Address(team, slot) && static_cast<uint32_t>(stat) < NUMBER_OF_VITAL_STATS) {
        const int32_t* vitals = Universe.Teams[team].Players[slot].Vital_Stats;
        const int32_t value = vitals[stat];
        if (stat == VITAL_DEVELOPMENT) {
            if (value <= 250) return value;
        } else if (stat == VITAL_PEAK_AGE) {
            if (value <= vitals[VITAL_PEAK_AGE_LIMIT] && value < 31) return value;
        } else {
            return value;
        }
    }
    return Read_Player_Vital_Stat(team, slot, stat);
}
void Set_Player_Vital_Stat(int32_t team, int32_t slot, int32_t stat, int32_t value);
int32_t Get_Player_ID(int32_t team, int32_t slot);
inline int32_t Is_Player_Slot_Used(int32_t team, int32_t slot) {
    return Is_Valid_Team_Code(team) && static_cast<uint32_t>(slot) < PLAYERS_PER_TEAM &&
           Universe.Teams[team].Players[slot].Vital_Stats[VITAL_PLAYER_ID] != 0;
}
// Calls action(team, slot) for every used player of the valid team codes from
// first_team to last_team (franchises in use and the pools 36-40), in team and
// slot order.
template <typename F>
void For_Each_League_Player(F action, int32_t first_team = 0, int32_t last_team = TOTAL_NUMBER_OF_TEAMS - 1) {
    for (int32_t team = first_team; team <= last_team; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
            if (Is_Player_Slot_Used(team, slot)) action(team, slot);
}
int32_t Get_Player_Drafted_By_Team(int32_t team, int32_t slot);
int32_t Get_Player_Draft_Detail(int32_t team, int32_t slot);
// A byte field read in place; a bad argument is reported (and read as 0) by
// Read_Player_Byte_Field.
int32_t Read_Player_Byte_Field(int32_t team, int32_t slot, int32_t index);
inline int32_t Get_Player_Byte_Field(int32_t team, int32_t slot, int32_t index) {
    if (Is_Player_Address(team, slot) && static_cast<uint32_t>(index) <= PLAYER_BYTE_IMPORT_CODE)
        return (&Universe.Teams[team].Players[slot].Uniform_Number)[index];
    return Read_Player_Byte_Field(team, slot, index);
}
void Set_Player_Byte_Field(int32_t team, int32_t slot, int32_t index, int32_t value);
// Never null: an out-of-range address gives a static empty record.
PLAYER_RECORD* Get_Player_Record_Pointer(int32_t team, int32_t slot);

// Names and strings. Output buffers hold at least the field width (20, 12, 12,
// 24) or, for the composed names, PLAYER_NAME_TEXT_SIZE bytes.
constexpr int PLAYER_NAME_TEXT_SIZE = 64;
void Set_Player_Last_Name(int32_t team, int32_t slot, const char* text);
void Set_Player_First_Name(int32_t team, int32_t slot, const char* text);
void Set_Player_External_ID(int32_t team, int32_t slot, const char* text);
void Set_Player_College(int32_t team, int32_t slot, const char* text);
void Get_Player_College(int32_t team, int32_t slot, char* out);
void Get_Player_External_ID(int32_t team, int32_t slot, char* out);
void Get_Player_Last_Name(int32_t team, int32_t slot, char* out);
void Get_Player_First_Name(int32_t team, int32_t slot, char* out);
void Get_Player_First_Name_Display(int32_t team, int32_t slot, char* out);
void Get_Player_Full_Name(int32_t team, int32_t slot, char* out);
void Get_Player_Full_Name_Display(int32_t team, int32_t slot, char* out);
void Get_Player_Last_First_Name(int32_t team, int32_t slot, char* out);
// Short name of a position 0-14 ("QB" .. "P"), "Any" for 15, "" otherwise.
const char* Get_Position_Short_Name(int32_t position);
int32_t Get_Player_Position_Abbreviation(char* out, int32_t team, int32_t slot);

// Ratings. A write to no player does nothing; one to no rating is reported and
// dropped; a value beyond 1000 either way (or not a number) is stored, and
// reported when beyond 1000.
constexpr float LARGEST_STORED_RATING = 1000.0f;
void Report_Player_Rating_Write(int32_t team, int32_t slot, int32_t rating, float value);
inline void Set_Player_Rating(int32_t team, int32_t slot, int32_t rating, float value) {
    if (Is_Player_Address(team, slot) && static_cast<uint32_t>(rating) < NUMBER_OF_PLAYER_RATINGS &&
        value >= -LARGEST_STORED_RATING && value <= LARGEST_STORED_RATING) {
        Universe.Teams[team].Players[slot].Ratings[rating] = value;
        return;
    }
    Report_Player_Rating_Write(team, slot, rating, value);
}
// The four composites of a player's ratings, each rating read through
// `read` in the order the sums take them; 0 for any other rating number.
template <typename READ> float Compose_Player_Rating(int32_t rating, int32_t position, READ read) {
    float sum = 0.0f;
    switch (rating) {
    case RATING_RUNNING_COMPOSITE:
        sum += 0.2f * read(RATING_SPEED);
        sum += 0.2f * read(RATING_POWER);
        sum += 0.25f * read(RATING_QUICKNESS);
        sum += 0.25f * read(RATING_VISION);
        sum += 0.1f * read(RATING_HANDS);
        if (position == POSITION_QB) sum = (sum + read(RATING_MOBILITY)) * 0.5f;
        return sum;
    case RATING_RECEIVING_COMPOSITE:
        sum += 0.1f * read(RATING_SPEED);
        sum += 0.1f * read(RATING_QUICKNESS);
        sum += 0.1f * read(RATING_POWER);
        sum += 0.1f * read(RATING_VISION);
        sum += 0.1f * read(RATING_HANDS);
        sum += 0.1f * read(RATING_RED_ZONE);
        sum += 0.4f * read(RATING_RECEIVING);
        return sum;
    case RATING_PASSING_COMPOSITE:
        sum += 0.3f * read(RATING_ACCURACY);
        sum += 0.3f * read(RATING_CONTROL);
        sum += 0.2f * read(RATING_DISTANCE);
        sum += 0.2f * read(RATING_RED_ZONE);
        return sum;
    case RATING_BLOCKING_COMPOSITE:
        sum += 0.5f * read(RATING_RUN_BLOCKING);
        sum += 0.5f * read(RATING_PASS_BLOCKING);
        return sum;
    default:
        return 0.0f;
    }
}

// A stored rating other than health and durability, or a composite, whose
// ratings need no read repair (at least the minimum; not a number fails the
// test) is read in place; everything else goes through Read_Player_Rating.
float Read_Player_Rating(int32_t team, int32_t slot, int32_t rating);
inline float Get_Player_Rating(int32_t team, int32_t slot, int32_t rating) {
    if (Is_Player_Address(team, slot) && rating > RATING_DURABILITY) {
        const PLAYER_RECORD& player = Universe.Teams[team].Players[slot];
        if (rating < NUMBER_OF_PLAYER_RATINGS) {
            const float value = player.Ratings[rating];
            if (value >= MINIMUM_RATING) return value;
        } else if (rating < NUMBER_OF_RATINGS_WITH_COMPOSITES) {
            bool repair = false;
            const float sum =
                Compose_Player_Rating(rating, player.Vital_Stats[VITAL_POSITION], [&](int32_t n) {
                    const float value = player.Ratings[n];
                    if (!(value >= MINIMUM_RATING)) repair = true;
                    return value;
                });
            if (!repair) return sum;
        }
    }
    return Read_Player_Rating(team, slot, rating);
}

// Positions.
int32_t Translate_Expanded_Position(int32_t expanded_position);
int32_t Get_Position_Group(int32_t position);
int32_t Get_Position_Group_Split_QB(int32_t position);
int32_t Get_Position_Unit(int32_t position);
int32_t Get_Player_Position_Group(int32_t team, int32_t slot);
int32_t Get_Player_Basic_Group(int32_t team, int32_t slot);
int32_t Get_Player_Unit(int32_t team, int32_t slot);
int32_t Is_Skill_Or_Secondary_Player(int32_t team, int32_t slot);
float Evaluate_Player_At_Own_Position(int32_t team, int32_t slot);

// Age.
int32_t Get_Player_Age(int32_t team, int32_t slot);
int32_t Get_Player_Calendar_Age(int32_t team, int32_t slot);

// Adler-32 of the record of the player with this id; 0 when nobody holds it.
uint32_t Get_Player_Checksum_By_ID(int32_t id);
