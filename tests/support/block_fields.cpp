#include "support/block_fields.h"

#include <cfloat>
#include <cstring>
#include <limits>
#include <type_traits>

#include "database/universe.h"
#include "season/all_time_leaders.h"

namespace {
template <typename T> constexpr BLOCK_FIELD_TYPE Type_Of() {
    if constexpr (std::is_same_v<T, float>)
        return FIELD_FLOAT;
    else if constexpr (sizeof(T) == 1)
        return std::is_signed_v<T> ? FIELD_INT8 : FIELD_UINT8;
    else if constexpr (sizeof(T) == 2)
        return std::is_signed_v<T> ? FIELD_INT16 : FIELD_UINT16;
    else
        return std::is_signed_v<T> ? FIELD_INT32 : FIELD_UINT32;
}

struct FIELD_LIST {
    std::vector<BLOCK_FIELD>& Fields;
    std::string Record;
    // The record's offset in the block, one for each record the fields stand for.
    std::vector<size_t> Bases;

    std::vector<size_t> Offsets(size_t offset) const {
        std::vector<size_t> offsets;
        for (const size_t base : Bases)
            offsets.push_back(base + offset);
        return offsets;
    }
    // "[n]" appended, not prepended: gcc -O3 misreads the prepend as an
    // overlapping copy.
    static void Append_Index(std::string* shown, size_t n) {
        shown->push_back('[');
        shown->append(std::to_string(n));
        shown->push_back(']');
    }
    // A member of the record: one field, or one per element of an array (of
    // any rank), named by its flat index.
    template <typename DECLARED> void Add(const char* name, size_t offset) {
        using MEMBER = std::remove_cvref_t<DECLARED>;
        using ELEMENT = std::remove_all_extents_t<MEMBER>;
        static_assert(std::is_arithmetic_v<ELEMENT>);
        constexpr size_t count = sizeof(MEMBER) / sizeof(ELEMENT);
        for (size_t n = 0; n < count; ++n) {
            std::string shown = Record + "." + name;
            if (std::is_array_v<MEMBER>) Append_Index(&shown, n);
            Fields.push_back({shown, Offsets(offset + n * sizeof(ELEMENT)), Type_Of<ELEMENT>()});
        }
    }
    // Elements first..first+count-1 of an array member only.
    template <typename DECLARED> void Add_Range(const char* name, size_t offset, size_t first, size_t count) {
        using ELEMENT = std::remove_all_extents_t<std::remove_cvref_t<DECLARED>>;
        for (size_t n = first; n < first + count; ++n) {
            std::string shown = Record + "." + name;
            Append_Index(&shown, n);
            Fields.push_back({shown, Offsets(offset + n * sizeof(ELEMENT)), Type_Of<ELEMENT>()});
        }
    }
};

#define ADD(list, TYPE, member) (list).Add<decltype(TYPE::member)>(#member, offsetof(TYPE, member))
#define ADD_RANGE(list, TYPE, member, first, count)                                                          \
    (list).Add_Range<decltype(TYPE::member)>(#member, offsetof(TYPE, member), first, count)

size_t Block_Offset(const void* address) {
    return static_cast<size_t>(static_cast<const uint8_t*>(address) - Universe_Bytes());
}

void Add_Header(std::vector<BLOCK_FIELD>& fields) {
    FIELD_LIST list{fields, "header", {0}};
    ADD(list, UNIVERSE_HEADER, League_Rates);
    ADD(list, UNIVERSE_HEADER, Season_Line_Recording);
    ADD(list, UNIVERSE_HEADER, Advance_In_Progress);
    ADD(list, UNIVERSE_HEADER, Target_Week);
    ADD(list, UNIVERSE_HEADER, Championship_Round_Flag);
    ADD(list, UNIVERSE_HEADER, Suppress_Rating_Variation);
    ADD(list, UNIVERSE_HEADER, Draft_Talent);
    ADD(list, UNIVERSE_HEADER, Draft_Strategy);
    ADD(list, UNIVERSE_HEADER, Fictional_Players_Flag);
    ADD(list, UNIVERSE_HEADER, Reversion_To_Mean);
    ADD(list, UNIVERSE_HEADER, Replay_Mode);
    ADD(list, UNIVERSE_HEADER, Pre_1990_Playoff_Flag);
    ADD(list, UNIVERSE_HEADER, Require_Click_After_Each_Play);
    ADD(list, UNIVERSE_HEADER, Universe_Stats);
    ADD(list, UNIVERSE_HEADER, Header_Ints);

    FIELD_LIST settings{fields, "settings", {offsetof(UNIVERSE_STATE, User_Preferences)}};
    ADD(settings, USER_PREFERENCES, Ints);
    ADD(settings, USER_PREFERENCES, Shorts);
}

void Add_Player(std::vector<BLOCK_FIELD>& fields, const BLOCK_FIELD_RECORDS& records) {
    const PLAYER_RECORD& player = Universe.Teams[records.Team].Players[records.Slot];
    FIELD_LIST list{fields, "player", {Block_Offset(&player)}};
    ADD(list, PLAYER_RECORD, Uniform_Number);
    ADD(list, PLAYER_RECORD, Championship_Rings);
    ADD(list, PLAYER_RECORD, Expanded_Position);
    ADD(list, PLAYER_RECORD, Import_Code);
    ADD(list, PLAYER_RECORD, Vital_Stats);
    ADD(list, PLAYER_RECORD, Season_Stats);
    ADD(list, PLAYER_RECORD, Season_Line_Links);
    ADD(list, PLAYER_RECORD, Latest_Season_Line);
    ADD(list, PLAYER_RECORD, Extra_Values);
    ADD(list, PLAYER_RECORD, Ratings);

    FIELD_LIST line{fields, "season line", {Block_Offset(&Universe.Season_Lines[records.Line])}};
    ADD(line, SEASON_LINE, Year);
    ADD(line, SEASON_LINE, Kind);
    ADD(line, SEASON_LINE, Team);
    ADD(line, SEASON_LINE, Stats);
}

// The result counters of a playbook's first play, in every situation (an
// offensive playbook) or against every category of play (a defensive one).
template <typename RESULTS> void Add_First_Play_Results(FIELD_LIST& list, size_t columns) {
    ADD_RANGE(list, RESULTS, Yards, 0, columns);
    ADD_RANGE(list, RESULTS, Called, 0, columns);
    ADD_RANGE(list, RESULTS, Sacks, 0, columns);
    ADD_RANGE(list, RESULTS, Touchdowns, 0, columns);
    ADD_RANGE(list, RESULTS, Turnovers, 0, columns);
    ADD_RANGE(list, RESULTS, First_Downs, 0, columns);
}

void Add_Playbooks(std::vector<BLOCK_FIELD>& fields, const std::vector<size_t>& teams, int32_t pass_play) {
    const auto in_teams = [&](const void* member) {
        const size_t offset = Block_Offset(member) - Block_Offset(&Universe.Teams[0]);
        std::vector<size_t> offsets;
        for (const size_t team : teams)
            offsets.push_back(team + offset);
        return offsets;
    };
    const TEAM_PLAYBOOK_BLOCK& books = Universe.Teams[0].Playbooks;
    // The first play, and a play that is no run (a depth where a run has a hole).
    for (const int32_t play : {0, pass_play}) {
        FIELD_LIST offense{fields, "offensive play " + std::to_string(play),
                           in_teams(&books.Offense.Plays[play])};
        ADD(offense, OFFENSIVE_PLAY, Card_Values);
        ADD(offense, OFFENSIVE_PLAY, Formation);
        ADD(offense, OFFENSIVE_PLAY, Option_Hole);
        ADD(offense, OFFENSIVE_PLAY, Play_Type);
        ADD(offense, OFFENSIVE_PLAY, Primary);
        ADD(offense, OFFENSIVE_PLAY, Hole_Or_Depth);
        ADD(offense, OFFENSIVE_PLAY, Routes);
    }
    FIELD_LIST results{fields, "offensive results", in_teams(&books.Offense.Results)};
    Add_First_Play_Results<OFFENSIVE_RESULT_DATA>(results, OFFENSIVE_SITUATIONS);
    FIELD_LIST selection{fields, "offensive playbook", in_teams(&books.Offense)};
    ADD(selection, OFFENSIVE_PLAYBOOK, Card_Selection);

    FIELD_LIST defense{fields, "defensive play", in_teams(&books.Defense.Plays[0])};
    ADD(defense, DEFENSIVE_PLAY, Card_Values);
    ADD(defense, DEFENSIVE_PLAY, Formation);
    ADD(defense, DEFENSIVE_PLAY, Roles);
    FIELD_LIST defense_results{fields, "defensive results", in_teams(&books.Defense.Results)};
    Add_First_Play_Results<DEFENSIVE_RESULT_DATA>(defense_results, DEFENSIVE_CATEGORIES);
}

// The fields of a team's record, each written in every franchise in use.
void Add_Team(std::vector<BLOCK_FIELD>& fields, const BLOCK_FIELD_RECORDS& records) {
    std::vector<size_t> teams;
    for (int32_t team = 0; team < records.Teams; ++team)
        teams.push_back(Block_Offset(&Universe.Teams[team]));
    const TEAM_RECORD& team = Universe.Teams[0];
    FIELD_LIST list{fields, "team", teams};
    ADD(list, TEAM_RECORD, Returners);
    ADD(list, TEAM_RECORD, Totals);
    ADD(list, TEAM_RECORD, Team_Stats);
    ADD(list, TEAM_RECORD, Stadium_Stats);
    ADD(list, TEAM_RECORD, Financial_Stats);
    FIELD_LIST history{
        fields, "history row",
        list.Offsets(offsetof(TEAM_RECORD, Yearly_Chars) + records.Season * sizeof team.Yearly_Chars[0])};
    history.Add<decltype(team.Yearly_Chars[0])>("Yearly_Chars", 0);
    FIELD_LIST money{
        fields, "history row",
        list.Offsets(offsetof(TEAM_RECORD, Yearly_Ints) + records.Season * sizeof team.Yearly_Ints[0])};
    money.Add<decltype(team.Yearly_Ints[0])>("Yearly_Ints", 0);
    FIELD_LIST entry{fields, "schedule entry",
                     list.Offsets(offsetof(TEAM_RECORD, Schedule) + records.Week * sizeof(SCHEDULE_ENTRY))};
    ADD(entry, SCHEDULE_ENTRY, Values);
    Add_Playbooks(fields, teams, records.Pass_Play);

    FIELD_LIST city{fields, "city", {Block_Offset(&Universe.Cities[records.City])}};
    ADD(city, CITY_RECORD, Stats);
}

void Add_Game(std::vector<BLOCK_FIELD>& fields, const BLOCK_FIELD_RECORDS& records) {
    const GAME_RECORD& game = Universe.Games[records.Game];
    FIELD_LIST list{fields, "game", {Block_Offset(&game)}};
    ADD(list, GAME_RECORD, Team);
    ADD(list, GAME_RECORD, Score);
    ADD(list, GAME_RECORD, Timeouts);
    ADD(list, GAME_RECORD, Formation);
    ADD(list, GAME_RECORD, Season_Year);
    ADD(list, GAME_RECORD, Rating_Spread);
    ADD(list, GAME_RECORD, Week);
    ADD(list, GAME_RECORD, Rank_Spread);
    ADD(list, GAME_RECORD, Game_Day);
    ADD(list, GAME_RECORD, Overtime_Possessions);
    ADD(list, GAME_RECORD, Temperature);
    ADD(list, GAME_RECORD, Wind_Speed);
    ADD(list, GAME_RECORD, Precipitation);
    ADD(list, GAME_RECORD, Wind_Direction);
    ADD(list, GAME_RECORD, Attendance);
    ADD(list, GAME_RECORD, Team_Stats);
    ADD(list, GAME_RECORD, Team_Totals);
    // The first listed player of each side and his counters.
    for (int32_t side = 0; side < 2; ++side) {
        FIELD_LIST listed{
            fields, "game side " + std::to_string(side), {Block_Offset(&game.Player_Ids[side][0])}};
        listed.Add<int32_t>("Player_Id", 0);
        listed.Bases = {Block_Offset(&game.Player_Counters[side][0])};
        listed.Add<decltype(game.Player_Counters[side][0])>("Player_Counters", 0);
    }
    ADD(list, GAME_RECORD, Play_Log_Count);
    ADD(list, GAME_RECORD, Clock);
    ADD(list, GAME_RECORD, Snap_Seconds);
    ADD(list, GAME_RECORD, Snap_Yards);
    ADD(list, GAME_RECORD, Yards_To_Goal);
    ADD(list, GAME_RECORD, Yards_To_Go);
    ADD(list, GAME_RECORD, Down_Word);
    ADD(list, GAME_RECORD, Possession_Team);
    ADD(list, GAME_RECORD, On_Field);

    // The current play and the first snap of the log, with its first event.
    for (const PLAY_LOG_ENTRY* play : {&game.Current_Play, &game.Play_Log[0]}) {
        FIELD_LIST snap{
            fields, play == &game.Current_Play ? "current play" : "play log entry", {Block_Offset(play)}};
        ADD(snap, PLAY_LOG_ENTRY, Clock);
        ADD(snap, PLAY_LOG_ENTRY, First_Player_Id);
        ADD(snap, PLAY_LOG_ENTRY, Second_Player_Id);
        ADD(snap, PLAY_LOG_ENTRY, Offensive_Play);
        ADD(snap, PLAY_LOG_ENTRY, Defensive_Play);
        ADD(snap, PLAY_LOG_ENTRY, Yard1);
        ADD(snap, PLAY_LOG_ENTRY, Yard2);
        ADD(snap, PLAY_LOG_ENTRY, Play_Word);
        FIELD_LIST event{fields, snap.Record + " event", {Block_Offset(&play->Events[0])}};
        ADD(event, PLAY_EVENT_SLOT, Event_Id);
        ADD(event, PLAY_EVENT_SLOT, Sentence);
        ADD(event, PLAY_EVENT_SLOT, Argument_A);
        ADD(event, PLAY_EVENT_SLOT, Argument_B);
        ADD(event, PLAY_EVENT_SLOT, Argument_C);
        ADD(event, PLAY_EVENT_SLOT, Player_Id);
    }
}

void Add_League_Tables(std::vector<BLOCK_FIELD>& fields) {
    FIELD_LIST list{fields, "league", {0}};
    ADD(list, UNIVERSE_STATE, Draft_Pick_Owner);
    ADD(list, UNIVERSE_STATE, Draft_Order);
    ADD(list, UNIVERSE_STATE, Division_Standings);
    ADD(list, UNIVERSE_STATE, Playoff_Bracket);
    ADD(list, UNIVERSE_STATE, Playoff_Scores);
    ADD(list, UNIVERSE_STATE, Season_Length);
    ADD(list, UNIVERSE_STATE, Post_Season_Days);

    FIELD_LIST tail{fields, "tail", {offsetof(UNIVERSE_STATE, Tail)}};
    ADD_RANGE(tail, UNIVERSE_TAIL, Draft_Pick_Log, 0, 8);
    // The fantasy draft's state: its four settings, the first pick taken and
    // the first team of the order.
    const size_t fantasy = offsetof(UNIVERSE_STATE, Tail) + offsetof(UNIVERSE_TAIL, Fantasy_Draft_State);
    const char* const fantasy_names[] = {"first option", "later option", "round", "pick", "first pick"};
    for (size_t n = 0; n < 5; ++n)
        fields.push_back({std::string("fantasy draft ") + fantasy_names[n], {fantasy + 4 * n}, FIELD_INT32});
    fields.push_back({"fantasy draft first in order", {fantasy + 14416}, FIELD_INT8});

    // The first entry of the all-time leaders, and the last of the first list.
    const size_t leaders = offsetof(UNIVERSE_STATE, Tail) + offsetof(UNIVERSE_TAIL, All_Time_Leaders);
    for (size_t entry : {size_t{0}, size_t{ALL_TIME_LEADER_ENTRIES - 1}}) {
        FIELD_LIST leader{fields,
                          "all-time leader " + std::to_string(entry),
                          {leaders + entry * sizeof(ALL_TIME_LEADER_ENTRY)}};
        ADD(leader, ALL_TIME_LEADER_ENTRY, Player_ID);
        ADD(leader, ALL_TIME_LEADER_ENTRY, Value);
        ADD(leader, ALL_TIME_LEADER_ENTRY, Credited_Seasons);
        ADD(leader, ALL_TIME_LEADER_ENTRY, Age);
        ADD(leader, ALL_TIME_LEADER_ENTRY, Week);
        ADD(leader, ALL_TIME_LEADER_ENTRY, Year);
        ADD(leader, ALL_TIME_LEADER_ENTRY, Team);
    }
}

template <typename T> void Store(uint8_t* at, bool largest) {
    const T value = largest ? std::numeric_limits<T>::max() : std::numeric_limits<T>::lowest();
    memcpy(at, &value, sizeof value);
}
} // namespace

std::vector<BLOCK_FIELD> List_Block_Fields(const BLOCK_FIELD_RECORDS& records) {
    std::vector<BLOCK_FIELD> fields;
    Add_Header(fields);
    Add_Team(fields, records);
    Add_Player(fields, records);
    Add_Game(fields, records);
    Add_League_Tables(fields);
    return fields;
}

void Write_Field_Extreme(uint8_t* block, const BLOCK_FIELD& field, bool largest) {
    for (const size_t offset : field.Offsets) {
        uint8_t* at = block + offset;
        switch (field.Type) {
        case FIELD_INT8:
            Store<int8_t>(at, largest);
            break;
        case FIELD_UINT8:
            Store<uint8_t>(at, largest);
            break;
        case FIELD_INT16:
            Store<int16_t>(at, largest);
            break;
        case FIELD_UINT16:
            Store<uint16_t>(at, largest);
            break;
        case FIELD_INT32:
            Store<int32_t>(at, largest);
            break;
        case FIELD_UINT32:
            Store<uint32_t>(at, largest);
            break;
        case FIELD_FLOAT:
            Store<float>(at, largest);
            break;
        }
    }
}
