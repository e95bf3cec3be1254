#include "season/schedule_templates.h"

#include "database/league_structure.h"
#include "database/random_numbers.h"
#include "database/schedule_entries.h"
#include "database/standings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "platform/message_box.h"
#include "season/schedule_generation.h"

namespace {
constexpr int32_t NO_SLOT = -128;
constexpr int32_t MOST_SLOTS = 32;
constexpr int32_t DIVISION_SLOTS = 4;
constexpr int32_t LAST_TEMPLATE_YEAR = 2022;
constexpr int32_t TWO_FIELDS = 2;

// The team on each slot of a table; NO_TEAM on a slot nobody takes.
struct SLOT_TABLE {
    int32_t Count;
    int32_t Team[MOST_SLOTS];
};

SLOT_TABLE Empty_Slot_Table(int32_t count) {
    SLOT_TABLE table{count, {}};
    for (int32_t& team : table.Team)
        team = NO_TEAM;
    return table;
}

// A team whose slot falls outside the table (one missing from the standings)
// is left off, and a slot already taken keeps its team: nothing is written
// outside the table.
void Put_Team(SLOT_TABLE& table, int32_t slot, int32_t team) {
    if (slot < 0 || slot >= table.Count || table.Team[slot] != NO_TEAM) return;
    table.Team[slot] = team;
}

SLOT_TABLE Map_Slots(const SCHEDULE_TEMPLATE& tmpl) {
    SLOT_TABLE table = Empty_Slot_Table(tmpl.Slots);
    for (int32_t team = 0; team < tmpl.Slots; ++team)
        Put_Team(table, tmpl.Slot_Map[team], team);
    return table;
}

SLOT_TABLE Compact_Slots(int32_t count) {
    SLOT_TABLE table = Empty_Slot_Table(count);
    for (int32_t team = 0; team < count; ++team)
        Put_Team(table, Get_Team_Schedule_Position(team), team);
    return table;
}

SLOT_TABLE Template_Slots() {
    SLOT_TABLE table = Empty_Slot_Table(MOST_SLOTS);
    for (int32_t team = 0; team < MOST_SLOTS; ++team)
        Put_Team(table, Get_Team_Template_Slot(team), team);
    return table;
}

// A season's map numbers that season's own league; it serves another league
// only when it keeps that league's divisions together, so that division
// rivals still meet home and away.
bool Map_Fits_League(const SCHEDULE_TEMPLATE& tmpl) {
    int32_t block_division[MOST_SLOTS];
    int32_t division_block[NUMBER_OF_DIVISIONS];
    for (int32_t& d : block_division)
        d = -1;
    for (int32_t& b : division_block)
        b = -1;
    for (int32_t team = 0; team < tmpl.Slots; ++team) {
        const int32_t division = Get_Team_Division(team);
        const int32_t slot = tmpl.Slot_Map[team];
        if (division < 0 || division >= NUMBER_OF_DIVISIONS || slot < 0 || slot >= tmpl.Slots) return false;
        const int32_t block = tmpl.Division_Blocks[slot];
        if (block_division[block] < 0) block_division[block] = division;
        if (division_block[division] < 0) division_block[division] = block;
        if (block_division[block] != division || division_block[division] != block) return false;
    }
    return true;
}

void Exchange_Blocks(SLOT_TABLE& table, int32_t first, int32_t second, int32_t length) {
    if (first == second) return;
    for (int32_t k = 0; k < length; ++k) {
        const int32_t team = table.Team[first + k];
        table.Team[first + k] = table.Team[second + k];
        table.Team[second + k] = team;
    }
}

int32_t Teams_In_Division(int32_t division) {
    return Count_Division_Teams(division);
}

int32_t Cell_Field(const SCHEDULE_TEMPLATE& tmpl, int32_t week, int32_t cell, int32_t field) {
    if (week < 0 || week >= tmpl.Weeks || cell < 0 || cell >= tmpl.Cells || field < 0 || field >= tmpl.Fields)
        return NO_SLOT;
    const int32_t index = week * tmpl.Cells + cell;
    return field < TWO_FIELDS ? tmpl.Games[index][field] : tmpl.Times[index][field - TWO_FIELDS];
}

// How the walk turns a cell into a game.
struct WALK_RULES {
    // Shown when a slot field holds a negative number other than -128.
    const char* Assert_Text;
    // Years after the last table: division blocks of the 17-game tables rotate.
    int32_t Rotation_Years;
    // Weekday of the table's day numbers: (day - offset) mod 7; 0 to let
    // Schedule_Game choose weekday and kickoff.
    int32_t Weekday_Offset;
};

int32_t Rotate_Template_Slot(int32_t slot, int32_t years) {
    const int32_t r3 = years % 3;
    const int32_t r4 = years % 4;
    if (slot >= 4 && slot <= 15) {
        slot += 4 * r3;
        if (slot > 15) slot -= 12;
    } else if (slot >= 16 && slot <= 31) {
        slot += 4 * r4;
        if (slot > 31) slot -= 16;
        if (r4 == 2) {
            if (slot >= 20 && slot <= 23)
                slot += 4;
            else if (slot >= 24 && slot <= 27)
                slot -= 4;
        }
    }
    return slot;
}

// The club on the slot of a field; NO_TEAM for -128 and for a slot no club
// takes. A negative slot other than -128 is asserted against and passed over.
int32_t Field_Team(int32_t slot, const SLOT_TABLE& table, const WALK_RULES& rules) {
    if (slot == NO_SLOT) return NO_TEAM;
    if (slot < 0) {
        if (rules.Assert_Text != nullptr) Show_Formatted_Message("Assert Error", "%s", rules.Assert_Text);
        return NO_TEAM;
    }
    if (rules.Rotation_Years > 0) slot = Rotate_Template_Slot(slot, rules.Rotation_Years);
    return slot < table.Count ? table.Team[slot] : NO_TEAM;
}

void Walk_Template(const SCHEDULE_TEMPLATE& tmpl, const SLOT_TABLE& table, const WALK_RULES& rules) {
    for (int32_t week = 0; week < tmpl.Weeks; ++week)
        for (int32_t cell = 0; cell < tmpl.Cells; ++cell) {
            const int32_t visitor_slot = Cell_Field(tmpl, week, cell, 0);
            const int32_t home_slot = Cell_Field(tmpl, week, cell, 1);
            if (home_slot == NO_SLOT) continue;
            const int32_t visitor = Field_Team(visitor_slot, table, rules);
            const int32_t home = Field_Team(home_slot, table, rules);
            if (rules.Weekday_Offset == 0) {
                Schedule_Game(home, visitor, week, -1, -1);
            } else {
                const int32_t day = Cell_Field(tmpl, week, cell, 2);
                const int32_t weekday = ((day - rules.Weekday_Offset) % 7 + 7) % 7;
                Schedule_Game(home, visitor, week, weekday, Cell_Field(tmpl, week, cell, 3));
            }
        }
}

void Walk_Plain(const SCHEDULE_TEMPLATE& tmpl, const SLOT_TABLE& table) {
    Walk_Template(tmpl, table, WALK_RULES{nullptr, 0, 0});
}

bool Is_Own_Season(const SCHEDULE_TEMPLATE& tmpl) {
    return Get_Current_Year() == tmpl.Year;
}

// The slots of the table's own season: its map when that fits the league,
// else the compact slots, without the draws of the other years.
SLOT_TABLE Own_Season_Slots(const SCHEDULE_TEMPLATE& tmpl) {
    return Map_Fits_League(tmpl) ? Map_Slots(tmpl) : Compact_Slots(tmpl.Slots);
}

const SCHEDULE_TEMPLATE& Template_Of(int32_t year) {
    return *Find_Schedule_Template(year);
}

const char* const ASSERT_2001 = "Get_2001_NFL_Schedule_Opponent() returned negative in Generate_Schedule()";
const char* const ASSERT_32 = "Get_Schedule_Opponent() returned negative in Fill_Schedule()";
} // namespace

const SCHEDULE_TEMPLATE* Find_Schedule_Template(int32_t year) {
    for (const SCHEDULE_TEMPLATE* group : {Early_Schedule_Templates, Schedule_Templates_2002,
                                           Schedule_Templates_2009, Schedule_Templates_2016})
        for (int32_t n = 0; n < 7; ++n)
            if (group[n].Year == year) return &group[n];
    return nullptr;
}

int32_t Get_Schedule_Opponent(int32_t year, int32_t week, int32_t cell, int32_t field) {
    const SCHEDULE_TEMPLATE* tmpl = Find_Schedule_Template(year);
    return tmpl == nullptr ? NO_SLOT : Cell_Field(*tmpl, week, cell, field);
}

int32_t Get_2001_NFL_Schedule_Opponent(int32_t week, int32_t cell, int32_t field) {
    return Get_Schedule_Opponent(2001, week, cell, field);
}

int32_t Get_2017_NFL_Schedule_Opponent(int32_t week, int32_t cell, int32_t field) {
    return Get_Schedule_Opponent(2017, week, cell, field);
}

int32_t Get_12_Team_Schedule_Pairing(int32_t week, int32_t game, int32_t side) {
    if (side < 0 || side > 1) return NO_SLOT;
    return Get_Schedule_Opponent(1959, week, game, side);
}

int32_t Get_Team_Template_Slot(int32_t team) {
    return Get_Team_Division(team) * DIVISION_SLOTS + Get_Team_Division_Standing(team);
}

void Fill_12_Team_Schedule() {
    const SCHEDULE_TEMPLATE& tmpl = Template_Of(1959);
    if (Is_Own_Season(tmpl)) {
        Walk_Plain(tmpl, Own_Season_Slots(tmpl));
        return;
    }
    SLOT_TABLE table = Compact_Slots(tmpl.Slots);
    if (Random_Int(2) == 0) Exchange_Blocks(table, 0, 6, 6);
    Walk_Plain(tmpl, table);
}

void Fill_26_Team_Schedule() {
    const SCHEDULE_TEMPLATE& tmpl = Template_Of(1972);
    if (Is_Own_Season(tmpl)) {
        Walk_Plain(tmpl, Own_Season_Slots(tmpl));
        return;
    }
    SLOT_TABLE table = Compact_Slots(tmpl.Slots);
    if (Random_Int(2) == 0) Exchange_Blocks(table, 5, 9, 4);
    if (Random_Int(2) == 0) Exchange_Blocks(table, 18, 22, 4);
    Walk_Plain(tmpl, table);
}

void Fill_28_Team_14_Game_Schedule() {
    const SCHEDULE_TEMPLATE& tmpl = Template_Of(1976);
    if (Is_Own_Season(tmpl)) {
        Walk_Plain(tmpl, Own_Season_Slots(tmpl));
        return;
    }
    if (Get_Current_Year() != 1977) {
        Walk_Plain(tmpl, Compact_Slots(tmpl.Slots));
        return;
    }
    // In 1977 the second conference's four-team division stands between its
    // five-team divisions; the table has it last.
    SLOT_TABLE table = Empty_Slot_Table(tmpl.Slots);
    for (int32_t team = 0; team < tmpl.Slots; ++team) {
        int32_t slot = Get_Team_Schedule_Position(team);
        if (slot >= 19 && slot <= 22)
            slot += 5;
        else if (slot >= 23)
            slot -= 4;
        Put_Team(table, slot, team);
    }
    Walk_Plain(tmpl, table);
}

void Fill_28_Team_Schedule_Before_1990() {
    const SCHEDULE_TEMPLATE& tmpl = Template_Of(1986);
    Walk_Plain(tmpl, Is_Own_Season(tmpl) ? Own_Season_Slots(tmpl) : Compact_Slots(tmpl.Slots));
}

void Fill_28_Team_Schedule() {
    const SCHEDULE_TEMPLATE& tmpl = Template_Of(1990);
    if (Is_Own_Season(tmpl)) {
        Walk_Plain(tmpl, Own_Season_Slots(tmpl));
        return;
    }
    SLOT_TABLE table = Compact_Slots(tmpl.Slots);
    if (Random_Int(2) == 0 && Teams_In_Division(0) == 5 && Teams_In_Division(1) == 4 &&
        Teams_In_Division(2) == 5 && Teams_In_Division(3) == 0)
        Exchange_Blocks(table, 0, 9, 5);
    if (Random_Int(2) == 0 && Teams_In_Division(4) == 5 && Teams_In_Division(5) == 5 &&
        Teams_In_Division(6) == 4 && Teams_In_Division(7) == 0)
        Exchange_Blocks(table, 14, 19, 5);
    Walk_Plain(tmpl, table);
}

void Fill_30_Team_Schedule() {
    const SCHEDULE_TEMPLATE& tmpl = Template_Of(1998);
    if (Is_Own_Season(tmpl)) {
        Walk_Plain(tmpl, Own_Season_Slots(tmpl));
        return;
    }
    SLOT_TABLE table = Compact_Slots(tmpl.Slots);
    for (int32_t conference = 0; conference < 2; ++conference) {
        const int32_t first = 4 * conference;
        if (Teams_In_Division(first) != 5 || Teams_In_Division(first + 1) != 5 ||
            Teams_In_Division(first + 2) != 5 || Teams_In_Division(first + 3) != 0)
            continue;
        for (int32_t n = 0; n < 3; ++n) {
            const int32_t k1 = Random_Int(3);
            const int32_t k2 = Random_Int(3);
            Exchange_Blocks(table, 5 * (3 * conference + k1), 5 * (3 * conference + k2), 5);
        }
    }
    Walk_Plain(tmpl, table);
}

void Generate_Schedule() {
    const SCHEDULE_TEMPLATE& tmpl = Template_Of(2001);
    const WALK_RULES rules{ASSERT_2001, 0, 0};
    if (Is_Own_Season(tmpl)) {
        Walk_Template(tmpl, Own_Season_Slots(tmpl), rules);
        return;
    }
    // The five-team blocks: the first conference's two (its six-team division
    // stays), the second conference's three.
    static const int32_t BLOCK_STARTS[12] = {0, 11, 0, 11, 0, 11, 16, 21, 26, 16, 21, 26};
    SLOT_TABLE table = Compact_Slots(tmpl.Slots);
    for (int32_t half = 0; half < 2; ++half)
        for (int32_t n = 0; n < 3; ++n) {
            const int32_t u1 = Random_Int(6);
            const int32_t u2 = Random_Int(6);
            Exchange_Blocks(table, BLOCK_STARTS[6 * half + u1], BLOCK_STARTS[6 * half + u2], 5);
        }
    Walk_Template(tmpl, table, rules);
}

void Fill_Schedule() {
    static const int32_t MAP_YEARS[12] = {2004, 2005, 2006, 2007, 2008, 2009,
                                          2010, 2011, 2012, 2013, 2002, 2003};
    static const int32_t TABLE_YEARS[12] = {2016, 2017, 2018, 2019, 2020, 2009,
                                            2010, 2011, 2012, 2013, 2014, 2015};
    const int32_t year = Get_Current_Year();
    const int32_t cycle = ((year % 12) + 12) % 12;
    const SCHEDULE_TEMPLATE& tmpl = Template_Of(year >= 2002 && year <= 2008 ? year : TABLE_YEARS[cycle]);
    SLOT_TABLE table = Template_Slots();
    if (year <= LAST_TEMPLATE_YEAR) {
        const SCHEDULE_TEMPLATE& map = Template_Of(year >= 2014 ? year : MAP_YEARS[cycle]);
        if (Map_Fits_League(map)) table = Map_Slots(map);
    }
    Walk_Template(tmpl, table, WALK_RULES{ASSERT_32, 0, 0});
}

void Fill_17_Game_Schedule() {
    const int32_t year = Get_Current_Year();
    const bool odd = year % 2 != 0;
    const SCHEDULE_TEMPLATE& tmpl = Template_Of(odd ? 2021 : 2022);
    SLOT_TABLE table = Template_Slots();
    if ((year == 2021 || year == 2022) && Map_Fits_League(Template_Of(year)))
        table = Map_Slots(Template_Of(year));
    // The tables count days from 1 September: a Wednesday in 2021, a Thursday in 2022.
    const int32_t weekday_offset = odd ? 6 : 5;
    const int32_t rotation = year > LAST_TEMPLATE_YEAR ? year - LAST_TEMPLATE_YEAR : 0;
    Walk_Template(tmpl, table, WALK_RULES{ASSERT_32, rotation, weekday_offset});
}
