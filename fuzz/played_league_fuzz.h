#pragma once
// The input of the played-league target: one byte choosing the league, then
// changes of typed fields, each six bytes. The seed generator writes inputs
// in the same form.
#include <cstdint>
#include <vector>

enum LEAGUE_STAGE : uint8_t {
    STAGE_TEST_LEAGUE,
    STAGE_WEEK_2,
    STAGE_SEASON_OVER,
    STAGE_CHAMPION,
    STAGE_OFF_SEASON,
    NUMBER_OF_LEAGUE_STAGES
};

enum FIELD_KIND : uint8_t {
    FIELD_UNIVERSE_STAT,
    FIELD_HEADER_INT,
    FIELD_SETTING,
    FIELD_SHORT_SETTING,
    FIELD_VITAL_STAT,
    FIELD_RATING,
    FIELD_PLAYER_SEASON,
    FIELD_PLAYER_BYTES,
    FIELD_PLAYER_NAME,
    FIELD_TEAM_STAT,
    FIELD_TEAM_MONEY,
    FIELD_SCHEDULE,
    FIELD_TEAM_BYTES,
    FIELD_TEAM_TEXT,
    FIELD_LEAGUE_BYTES,
    FIELD_CALENDAR,
    FIELD_GAME_RECORD,
    FIELD_SEASON_LINE,
    FIELD_CITY,
    FIELD_HEADER_TEXT,
    NUMBER_OF_FIELD_KINDS
};

// Which field: the kind, then A (a team), B (a player slot near which a used
// player is taken) and C (the field's index), each taken modulo its table;
// the value a code of the value list, with Extra a small number for it.
struct FIELD_CHANGE {
    uint8_t Kind;
    uint8_t A;
    uint8_t B;
    uint8_t C;
    uint8_t Value;
    uint8_t Extra;
};
static_assert(sizeof(FIELD_CHANGE) == 6);

// Value codes of an integer field.
enum INT_VALUE_CODE : uint8_t {
    VALUE_ZERO,
    VALUE_MINUS_ONE,
    VALUE_INT_MIN,
    VALUE_INT_MAX,
    VALUE_PAST_TABLE,
    VALUE_EXTRA,
    VALUE_MINUS_EXTRA,
    VALUE_EXTRA_BYTES
};
// Value codes of a rating.
enum FLOAT_VALUE_CODE : uint8_t {
    VALUE_NAN,
    VALUE_INFINITY,
    VALUE_MINUS_INFINITY,
    VALUE_1E30,
    VALUE_3E9,
    VALUE_MINUS_1E30,
    VALUE_TINY,
    VALUE_SMALL
};

inline std::vector<uint8_t> Played_League_Input(LEAGUE_STAGE stage,
                                                const std::vector<FIELD_CHANGE>& changes) {
    std::vector<uint8_t> input{stage};
    for (const FIELD_CHANGE& change : changes) {
        const auto* bytes = reinterpret_cast<const uint8_t*>(&change);
        input.insert(input.end(), bytes, bytes + sizeof change);
    }
    return input;
}
