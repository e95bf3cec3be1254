// A real league with typed fields changed, loaded and played on. The league is
// one of five moments of a computer-run season (the test league before its
// season, week 2, the end of the regular season, the champion decided, the
// off-season); the input sets fields of its records to the values a damaged
// file holds (0, -1, the extremes, one past a table; ratings that are not a
// number, infinite or huge; texts without their terminator). The game saves
// it, loads it and plays on: a week, the step into the off-season, or the
// college draft. A refused load leaves the league as it was; a league that
// loaded is saved again and that file loads too.
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstring>
#include <iterator>
#include <memory>

#include "database/player_record.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/universe.h"
#include "fuzz_support.h"
#include "personnel/college_draft_flow.h"
#include "personnel/draft_state.h"
#include "played_league_fuzz.h"
#include "season/week_advance.h"
#include "support/played_season.h"
#include "support/test_league.h"

namespace {
constexpr size_t MAX_CHANGES = 24;
const char* const FILE_NAME = "[Auto Save].kor";

// Table sizes of the block, for values one past a table.
const int32_t TABLE_SIZES[] = {4,  7,  8,  13, 15, 17,  20,  22,  27,  30,
                               31, 36, 41, 60, 80, 100, 200, 300, 360, 32768};

struct STAGES {
    std::unique_ptr<UNIVERSE_STATE> League[NUMBER_OF_LEAGUE_STAGES];
};

// The five leagues, made once per process by playing the season on.
const STAGES& Stages() {
    static STAGES* stages = nullptr;
    if (stages != nullptr) return *stages;
    Enter_Fuzz_Folder();
    stages = new STAGES;
    auto keep = [](int32_t stage) {
        stages->League[stage] = std::make_unique<UNIVERSE_STATE>();
        memcpy(stages->League[stage].get(), &Universe, sizeof Universe);
    };
    Build_Test_League();
    keep(STAGE_TEST_LEAGUE);
    Start_Played_Season(17);
    Advance_Weeks(2);
    keep(STAGE_WEEK_2);
    Advance_Weeks(22);
    keep(STAGE_SEASON_OVER);
    Advance_Weeks(22);
    keep(STAGE_CHAMPION);
    Advance_Weeks(1);
    keep(STAGE_OFF_SEASON);
    return *stages;
}

int32_t Int_Value(uint8_t code, uint8_t extra) {
    switch (code % 8) {
    case VALUE_ZERO:
        return 0;
    case VALUE_MINUS_ONE:
        return -1;
    case VALUE_INT_MIN:
        return INT_MIN;
    case VALUE_INT_MAX:
        return INT_MAX;
    case VALUE_PAST_TABLE:
        return TABLE_SIZES[extra % std::size(TABLE_SIZES)];
    case VALUE_EXTRA:
        return extra;
    case VALUE_MINUS_EXTRA:
        return -static_cast<int32_t>(extra);
    default:
        return static_cast<int32_t>(extra * 0x01010101u);
    }
}

float Float_Value(uint8_t code, uint8_t extra) {
    switch (code % 8) {
    case VALUE_NAN:
        return NAN;
    case VALUE_INFINITY:
        return INFINITY;
    case VALUE_MINUS_INFINITY:
        return -INFINITY;
    case VALUE_1E30:
        return 1e30f;
    case VALUE_3E9:
        return 3e9f;
    case VALUE_MINUS_1E30:
        return -1e30f;
    case VALUE_TINY:
        return FLT_MIN;
    default:
        return static_cast<float>(extra);
    }
}

template <typename T> void Store(T& field, int32_t value) {
    const T narrowed = static_cast<T>(value);
    memcpy(&field, &narrowed, sizeof narrowed);
}

template <size_t N> void Unterminate(char (&text)[N]) {
    memset(text, 'K', N);
}

// A used player of the team near the slot asked for, or the slot itself.
PLAYER_RECORD& Player_Near(TEAM_RECORD& team, uint8_t slot) {
    for (int32_t n = 0; n < PLAYERS_PER_TEAM; ++n) {
        PLAYER_RECORD& player = team.Players[(slot + n) % PLAYERS_PER_TEAM];
        if (player.Vital_Stats[VITAL_PLAYER_ID] != 0) return player;
    }
    return team.Players[slot % PLAYERS_PER_TEAM];
}

void Change_Field(const FIELD_CHANGE& change) {
    const int32_t value = Int_Value(change.Value, change.Extra);
    TEAM_RECORD& team = Universe.Teams[change.A % TOTAL_NUMBER_OF_TEAMS];
    PLAYER_RECORD& player = Player_Near(team, change.B);
    const int32_t c = change.C;
    switch (change.Kind % NUMBER_OF_FIELD_KINDS) {
    case FIELD_UNIVERSE_STAT:
        Store(Universe.Header.Universe_Stats[c % NUMBER_OF_UNIVERSE_STATS], value);
        break;
    case FIELD_HEADER_INT:
        Store(Universe.Header.Header_Ints[c % NUMBER_OF_HEADER_INTS], value);
        break;
    case FIELD_SETTING:
        Store(Universe.User_Preferences.Ints[(change.B * 256 + c) % NUMBER_OF_INT_PREFERENCES], value);
        break;
    case FIELD_SHORT_SETTING:
        Store(Universe.User_Preferences.Shorts[c % NUMBER_OF_SHORT_PREFERENCES], value);
        break;
    case FIELD_VITAL_STAT:
        Store(player.Vital_Stats[c % NUMBER_OF_VITAL_STATS], value);
        break;
    case FIELD_RATING: {
        const float rating = Float_Value(change.Value, change.Extra);
        memcpy(&player.Ratings[c % NUMBER_OF_PLAYER_RATINGS], &rating, sizeof rating);
        break;
    }
    case FIELD_PLAYER_SEASON:
        Store(player.Season_Stats[c % NUMBER_OF_STORED_SEASONS][change.Extra % NUMBER_OF_SEASON_STATS],
              value);
        break;
    case FIELD_PLAYER_BYTES:
        Store((&player.Uniform_Number)[c % 4], value);
        Store(player.Extra_Values[change.Extra % 6], value);
        break;
    case FIELD_PLAYER_NAME:
        if (c % 4 == 0) Unterminate(player.Last_Name);
        if (c % 4 == 1) Unterminate(player.First_Name);
        if (c % 4 == 2) Unterminate(player.External_ID);
        if (c % 4 == 3) Unterminate(player.College);
        break;
    case FIELD_TEAM_STAT:
        Store(team.Team_Stats[c % NUMBER_OF_TEAM_STATS], value);
        break;
    case FIELD_TEAM_MONEY:
        Store(team.Financial_Stats[c % NUMBER_OF_FINANCIAL_STATS], value);
        break;
    case FIELD_SCHEDULE:
        Store(team.Schedule[c % NUMBER_OF_SCHEDULE_WEEKS].Values[change.Extra % 5], value);
        break;
    case FIELD_TEAM_BYTES:
        Store(team.Returners[c % 4], value);
        Store(team.Yearly_Chars[change.Extra % NUMBER_OF_HISTORY_SEASONS][c % 32], value);
        break;
    case FIELD_TEAM_TEXT:
        Unterminate(team.Strings[c % NUMBER_OF_TEAM_STRINGS]);
        break;
    case FIELD_LEAGUE_BYTES: {
        const int32_t index = change.B * 256 + c;
        if (change.Extra % 4 == 0) Store((&Universe.Draft_Pick_Owner[0][0][0])[index % 756], value);
        if (change.Extra % 4 == 1) Store(Universe.Draft_Order[index % MAX_FRANCHISES], value);
        if (change.Extra % 4 == 2) Store((&Universe.Division_Standings[0][0])[index % 104], value);
        if (change.Extra % 4 == 3) Store(Universe.Playoff_Bracket[index % PLAYOFF_BRACKET_SLOTS], value);
        break;
    }
    case FIELD_CALENDAR:
        if (c % 3 == 0) Store(Universe.Season_Length, value);
        if (c % 3 == 1) Store(Universe.Post_Season_Days[change.Extra % 5], value);
        if (c % 3 == 2) Store(Universe.Playoff_Scores[change.Extra % PLAYOFF_BRACKET_SLOTS], value);
        break;
    case FIELD_GAME_RECORD: {
        uint8_t* game =
            reinterpret_cast<uint8_t*>(&Universe.Games[(change.A * 256 + change.B) % MAX_GAME_RECORDS]);
        const size_t at = (static_cast<size_t>(c) * 256 + change.Extra) * 4 % sizeof(GAME_RECORD);
        memcpy(game + at, &value, sizeof value);
        break;
    }
    case FIELD_SEASON_LINE: {
        SEASON_LINE& line =
            Universe.Season_Lines[(change.A * 256 + change.B) * 128 % MAX_SEASON_LINES + c % 128];
        if (change.Extra % 4 == 0) Store(line.Year, value);
        if (change.Extra % 4 == 1) Store(line.Kind, value);
        if (change.Extra % 4 == 2) Store(line.Team, value);
        if (change.Extra % 4 == 3) Store(line.Stats[c % NUMBER_OF_SEASON_LINE_STATS], value);
        break;
    }
    case FIELD_CITY:
        Store(Universe.Cities[(change.B * 256 + c) % MAX_CITIES].Stats[change.Extra % NUMBER_OF_CITY_STATS],
              value);
        if (change.Extra % 2 == 1) Unterminate(Universe.Cities[c % MAX_CITIES].Name);
        break;
    default: // FIELD_HEADER_TEXT
        if (c % 3 == 0) Unterminate(Universe.Header.Saved_Game_Name);
        if (c % 3 == 1) Unterminate(Universe.Header.League_Names[change.Extra % NUMBER_OF_LEAGUES]);
        if (c % 3 == 2) Unterminate(Universe.Header.Division_Names[change.Extra % NUMBER_OF_DIVISIONS]);
        break;
    }
}

// A week in the season, the step into the off-season once the champion is
// decided, the college draft in the off-season.
void Play_On() {
    if (Is_College_Draft_Running())
        Run_College_Draft();
    else
        Advance_Weeks(1);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const STAGES& stages = Stages();
    if (size < 1) return 0;
    Reset_Fuzz_Messages();
    memcpy(&Universe, stages.League[data[0] % NUMBER_OF_LEAGUE_STAGES].get(), sizeof Universe);
    size_t at = 1;
    for (size_t n = 0; n < MAX_CHANGES && at + sizeof(FIELD_CHANGE) <= size; ++n) {
        FIELD_CHANGE change;
        memcpy(&change, data + at, sizeof change);
        at += sizeof change;
        Change_Field(change);
    }
    Fuzz_Check(Save_Game(FILE_NAME, nullptr) == SAVE_OK, "the changed league was not saved");

    static std::unique_ptr<UNIVERSE_STATE> changed(new UNIVERSE_STATE);
    memcpy(changed.get(), &Universe, sizeof Universe);
    if (!Load_Game(FILE_NAME)) {
        Fuzz_Check(memcmp(changed.get(), &Universe, sizeof Universe) == 0,
                   "a refused load changed the league");
        return 0;
    }
    Play_On();
    Fuzz_Check(Save_Game(FILE_NAME, nullptr) == SAVE_OK, "the league played on was not saved");
    Fuzz_Check(Load_Game(FILE_NAME) == 1, "the game did not load what it saved");
    return 0;
}
