#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>
#include <vector>

#include "database/league_structure.h"
#include "database/random_numbers.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/standings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "season/historic_schedules.h"
#include "season/schedule_generation.h"
#include "season/schedule_templates.h"
#include "season/season_calendar.h"
#include "support/hand_built_results.h"

namespace {
constexpr int NO_SLOT = -128;

std::vector<int> Table_Years() {
    std::vector<int> years = {1959, 1972, 1976, 1986, 1990, 1998, 2001};
    for (int year = 2002; year <= 2022; ++year)
        years.push_back(year);
    return years;
}

int Games_Per_Slot(int year) {
    if (year == 1959) return 12;
    if (year < 1978) return 14;
    return year >= 2021 ? 17 : 16;
}

int Block(const SCHEDULE_TEMPLATE& t, int slot) {
    return t.Division_Blocks[slot];
}

} // namespace

TEST(ScheduleTemplates, EveryTableIsAValidSchedule) {
    for (int year : Table_Years()) {
        SCOPED_TRACE(year);
        const SCHEDULE_TEMPLATE* t = Find_Schedule_Template(year);
        ASSERT_NE(t, nullptr);
        const int games = Games_Per_Slot(year);
        std::vector<int> played(t->Slots), home(t->Slots);
        std::map<std::pair<int, int>, int> meetings; // (visitor, home) -> games
        for (int week = 0; week < t->Weeks; ++week) {
            std::set<int> seen;
            int week_games = 0;
            for (int cell = 0; cell < t->Cells; ++cell) {
                const int a = t->Games[week * t->Cells + cell][0];
                const int b = t->Games[week * t->Cells + cell][1];
                if (b == NO_SLOT) {
                    EXPECT_EQ(a, NO_SLOT);
                    if (t->Times) {
                        EXPECT_EQ(t->Times[week * t->Cells + cell][0], 0);
                    }
                    continue;
                }
                ASSERT_TRUE(a >= 0 && a < t->Slots && b >= 0 && b < t->Slots && a != b);
                EXPECT_TRUE(seen.insert(a).second && seen.insert(b).second) << "week " << week << ": twice";
                ++played[a];
                ++played[b];
                ++home[b];
                ++meetings[{a, b}];
                ++week_games;
            }
            if (week_games < t->Cells) {
                EXPECT_GE(week_games, 12) << "an open week keeps 12 to 15 games";
                EXPECT_LE(week_games, 15);
            }
            if (year < 1990) {
                EXPECT_EQ(week_games, t->Cells) << "no open weeks before 1990";
            }
        }
        for (int slot = 0; slot < t->Slots; ++slot) {
            EXPECT_EQ(played[slot], games) << "slot " << slot;
            EXPECT_LE(std::abs(2 * home[slot] - games), 1) << "home and away balanced, slot " << slot;
        }
        for (int a = 0; a < t->Slots; ++a)
            for (int b = a + 1; b < t->Slots; ++b) {
                const int there = meetings[{a, b}];
                const int back = meetings[{b, a}];
                if (Block(*t, a) == Block(*t, b)) {
                    EXPECT_EQ(there, 1) << "division rivals meet home and away: " << a << "-" << b;
                    EXPECT_EQ(back, 1) << a << "-" << b;
                } else {
                    EXPECT_LE(there + back, 1) << "others meet at most once: " << a << "-" << b;
                }
            }
        std::set<int> map(t->Slot_Map, t->Slot_Map + t->Slots);
        EXPECT_EQ(static_cast<int>(map.size()), t->Slots) << "the map is a permutation";
        EXPECT_EQ(*map.begin(), 0);
        EXPECT_EQ(*map.rbegin(), t->Slots - 1);
    }
}

TEST(ScheduleTemplates, ModernTablesFollowTheRotatingDivisionPairings) {
    for (int year = 2002; year <= 2022; ++year) {
        SCOPED_TRACE(year);
        const SCHEDULE_TEMPLATE* t = Find_Schedule_Template(year);
        // For each team: opponents by division block.
        for (int slot = 0; slot < 32; ++slot) {
            std::map<int, int> by_division;
            std::vector<int> same_place;
            for (int i = 0; i < t->Weeks * t->Cells; ++i) {
                const int a = t->Games[i][0], b = t->Games[i][1];
                if (a != slot && b != slot) continue;
                const int other = a == slot ? b : a;
                ++by_division[other / 4];
                if (other / 4 != slot / 4 && other % 4 == slot % 4) same_place.push_back(other);
            }
            int full_same_conference = 0, full_other_conference = 0, pairs_of_two = 0, singles = 0;
            for (auto [division, count] : by_division) {
                if (division == slot / 4) {
                    EXPECT_EQ(count, 6);
                } else if (count == 4) {
                    (division / 4 == slot / 16 ? full_same_conference : full_other_conference) += 1;
                } else if (count == 1) {
                    ++singles;
                } else {
                    ++pairs_of_two;
                }
            }
            EXPECT_EQ(full_same_conference, 1) << "slot " << slot;
            EXPECT_EQ(full_other_conference, 1) << "slot " << slot;
            EXPECT_EQ(pairs_of_two, 0);
            EXPECT_EQ(singles, year >= 2021 ? 3 : 2) << "same-place games, slot " << slot;
            EXPECT_EQ(static_cast<int>(same_place.size()), year >= 2021 ? 5 : 4)
                << "same-place games plus the full divisions' same-place teams";
        }
        // The conference pairing changes every year and returns after three.
        if (year >= 2005) {
            const SCHEDULE_TEMPLATE* back = Find_Schedule_Template(year - 3);
            auto partner = [](const SCHEDULE_TEMPLATE* table) {
                for (int i = 0; i < table->Weeks * table->Cells; ++i) {
                    const int a = table->Games[i][0], b = table->Games[i][1];
                    if (a == 0 && b / 4 != 0 && b / 16 == 0 && b % 4 != 0) return b / 4;
                    if (b == 0 && a / 4 != 0 && a / 16 == 0 && a % 4 != 0) return a / 4;
                }
                return -1;
            };
            EXPECT_EQ(partner(t), partner(back));
            EXPECT_NE(partner(t), partner(Find_Schedule_Template(year - 1)));
        }
    }
}

TEST(ScheduleTemplates, DaysAndKickoffsOfTheModernTables) {
    // The 2017 table opens on Thursday 7 September; Schedule_Game dates other
    // games from it. The 2021 and 2022 tables open on the 9th and the 8th.
    EXPECT_EQ(Get_2017_NFL_Schedule_Opponent(0, 0, 2), 7);
    EXPECT_EQ(Get_Weekday(Get_2017_NFL_Schedule_Opponent(0, 0, 2)), 3);
    EXPECT_EQ(Get_Schedule_Opponent(2021, 0, 0, 2), 9);
    EXPECT_EQ(Get_Schedule_Opponent(2022, 0, 0, 2), 8);
    for (int year = 2002; year <= 2022; ++year) {
        const SCHEDULE_TEMPLATE* t = Find_Schedule_Template(year);
        for (int i = 0; i < t->Weeks * t->Cells; ++i) {
            if (t->Games[i][1] == NO_SLOT) continue;
            const int day = t->Times[i][0];
            const int kickoff = t->Times[i][1];
            EXPECT_GE(day, year >= 2021 ? 8 : 1) << year;
            EXPECT_TRUE(kickoff >= 1200 && kickoff <= 2230 && kickoff % 100 < 60) << year << ": " << kickoff;
        }
    }
}

TEST(ScheduleTemplates, LookupsPastTheBoundsGiveNoSlot) {
    EXPECT_EQ(Get_2017_NFL_Schedule_Opponent(17, 0, 0), NO_SLOT) << "week 17 of a 17-week table";
    EXPECT_EQ(Get_2001_NFL_Schedule_Opponent(0, 15, 0), NO_SLOT) << "cell 15 of a 15-cell week";
    EXPECT_EQ(Get_2001_NFL_Schedule_Opponent(0, 0, 2), NO_SLOT) << "field 2 of a two-field table";
    EXPECT_EQ(Get_2017_NFL_Schedule_Opponent(-1, 0, 0), NO_SLOT);
    EXPECT_EQ(Get_Schedule_Opponent(1950, 0, 0, 0), NO_SLOT) << "no table of that season";
    EXPECT_EQ(Get_12_Team_Schedule_Pairing(0, 0, 0), 0);
    EXPECT_EQ(Get_12_Team_Schedule_Pairing(0, 0, 1), 8);
    EXPECT_EQ(Get_12_Team_Schedule_Pairing(0, 2, 0), 10);
    EXPECT_EQ(Get_12_Team_Schedule_Pairing(0, 2, 1), 6);
    EXPECT_EQ(Get_1959_Schedule_Slot(0), 6);
    EXPECT_EQ(Get_1959_Schedule_Slot(11), 3);
    EXPECT_EQ(Get_1959_Schedule_Slot(12), NO_SLOT);
}

namespace {
// A league of `teams` franchises whose divisions are given, at `year`,
// standings filled (all 0-0) and schedules empty.
void Build_Shaped_League(const std::vector<int>& divisions, int year, int games) {
    Reset_Hand_Built_League(static_cast<int>(divisions.size()), 0);
    for (size_t team = 0; team < divisions.size(); ++team)
        Universe.Teams[team].Team_Stats[TEAM_STAT_DIVISION] = divisions[team];
    Universe.Header.Universe_Stats[BASE_YEAR] = year;
    Universe.Header.Universe_Stats[GAMES_PER_SEASON] = games;
    Set_User_Preference(CURRENT_SEASON_INDEX, 0);
    Clear_All_Team_Schedules();
    Update_Standings();
}

// Divisions of consecutive slots with the given sizes, the first three blocks
// in the first conference (four blocks of eight for 32 teams).
std::vector<int> Divisions_Of_Sizes(const std::vector<int>& sizes) {
    std::vector<int> divisions;
    const int per_conference = static_cast<int>(sizes.size()) / 2;
    for (size_t block = 0; block < sizes.size(); ++block)
        for (int n = 0; n < sizes[block]; ++n)
            divisions.push_back(static_cast<int>(block) / per_conference * 4 +
                                static_cast<int>(block) % per_conference);
    return divisions;
}

// The league whose teams the season's map puts into the table's blocks.
std::vector<int> Divisions_Fitting_Map(const SCHEDULE_TEMPLATE& t) {
    const int blocks = t.Division_Blocks[t.Slots - 1] + 1;
    const int per_conference = blocks / 2 > 0 ? blocks / 2 : 1;
    std::vector<int> divisions(t.Slots);
    for (int team = 0; team < t.Slots; ++team) {
        const int block = t.Division_Blocks[t.Slot_Map[team]];
        divisions[team] = block / per_conference * 4 + block % per_conference;
    }
    return divisions;
}

// Number of random draws the call made.
template <typename CALL> int Count_Draws(CALL call) {
    Seed_Random_Numbers(77);
    call();
    const uint32_t next = Random_Number();
    Seed_Random_Numbers(77);
    for (int draws = 0; draws < 100; ++draws)
        if (Random_Number() == next) return draws;
    return -1;
}

// Every team's week-0 opponent is the team on the other slot of its cell.
void Expect_Week_From_Table(const SCHEDULE_TEMPLATE& t, const std::vector<int>& team_on_slot, int week = 0) {
    for (int cell = 0; cell < t.Cells; ++cell) {
        const int a = t.Games[week * t.Cells + cell][0];
        const int b = t.Games[week * t.Cells + cell][1];
        if (b == NO_SLOT) continue;
        const int visitor = team_on_slot[a], home = team_on_slot[b];
        EXPECT_EQ(Get_Team_Schedule_Stat(home, week, SCHEDULE_OPPONENT), visitor + 1)
            << "table " << t.Year << " cell " << cell;
    }
}

std::vector<int> Team_On_Slot_From_Map(const SCHEDULE_TEMPLATE& map) {
    std::vector<int> team_on_slot(map.Slots);
    for (int team = 0; team < map.Slots; ++team)
        team_on_slot[map.Slot_Map[team]] = team;
    return team_on_slot;
}

} // namespace

TEST(ScheduleTemplates, OwnSeasonUsesItsMapAndDrawsNothing) {
    struct CASE {
        int year, games;
        void (*fill)();
    };
    const CASE cases[] = {{1959, 12, Fill_12_Team_Schedule},
                          {1972, 14, Fill_26_Team_Schedule},
                          {1976, 14, Fill_28_Team_14_Game_Schedule},
                          {1986, 16, Fill_28_Team_Schedule_Before_1990},
                          {1990, 16, Fill_28_Team_Schedule},
                          {1998, 16, Fill_30_Team_Schedule},
                          {2001, 16, Generate_Schedule},
                          {2019, 16, Fill_Schedule},
                          {2021, 17, Fill_17_Game_Schedule}};
    for (const CASE& c : cases) {
        SCOPED_TRACE(c.year);
        const SCHEDULE_TEMPLATE& t = *Find_Schedule_Template(c.year);
        Build_Shaped_League(Divisions_Fitting_Map(t), c.year, c.games);
        EXPECT_EQ(Count_Draws(c.fill), 0);
        Expect_Week_From_Table(t, Team_On_Slot_From_Map(t));
        for (int team = 0; team < t.Slots; ++team)
            EXPECT_EQ(Count_Weeks_With_Games(team, 22), c.games) << "team " << team;
    }
}

TEST(ScheduleTemplates, OtherYearsDrawTheirExchanges) {
    struct CASE {
        int year, games;
        std::vector<int> sizes;
        void (*fill)();
        int draws;
    };
    const CASE cases[] = {
        {1960, 12, {6, 6}, Fill_12_Team_Schedule, 1},
        {1973, 14, {5, 4, 4, 5, 4, 4}, Fill_26_Team_Schedule, 2},
        {1977, 14, {5, 4, 5, 5, 4, 5}, Fill_28_Team_14_Game_Schedule, 0},
        {1985, 16, {5, 4, 5, 5, 5, 4}, Fill_28_Team_Schedule_Before_1990, 0},
        {1991, 16, {5, 4, 5, 5, 5, 4}, Fill_28_Team_Schedule, 2},
        {1999, 16, {5, 5, 5, 5, 5, 5}, Fill_30_Team_Schedule, 12},
        {1999, 16, {5, 5, 5, 6, 5, 4}, Fill_30_Team_Schedule, 6},
        {2002, 16, {5, 6, 5, 5, 5, 5}, Generate_Schedule, 12},
        {2030, 16, {4, 4, 4, 4, 4, 4, 4, 4}, Fill_Schedule, 0},
        {2030, 17, {4, 4, 4, 4, 4, 4, 4, 4}, Fill_17_Game_Schedule, 0},
    };
    for (const CASE& c : cases) {
        SCOPED_TRACE(c.year);
        Build_Shaped_League(Divisions_Of_Sizes(c.sizes), c.year, c.games);
        EXPECT_EQ(Count_Draws(c.fill), c.draws);
        int total = 0;
        for (int team = 0; team < Count_Active_Teams(); ++team)
            total += Count_Weeks_With_Games(team, 22);
        EXPECT_GT(total, 0);
    }
}

TEST(ScheduleTemplates, CompactSlotsFollowTheDivisionsIn1977) {
    // Second conference 5, 4, 5: its four-team division takes the table's
    // last block.
    Build_Shaped_League(Divisions_Of_Sizes({5, 4, 5, 5, 4, 5}), 1977, 14);
    Fill_28_Team_14_Game_Schedule();
    std::vector<int> team_on_slot(28);
    for (int team = 0; team < 28; ++team) {
        const int s = Get_Team_Schedule_Position(team);
        team_on_slot[s >= 19 && s <= 22 ? s + 5 : (s >= 23 ? s - 4 : s)] = team;
    }
    const SCHEDULE_TEMPLATE& t = *Find_Schedule_Template(1976);
    for (int week = 0; week < t.Weeks; ++week)
        Expect_Week_From_Table(t, team_on_slot, week);
}

TEST(ScheduleTemplates, CompactSlotsCountOnlyTheTeamsOfLowerDivisions) {
    // Three divisions of four; slot 1 falls out of use, so the league is the
    // eleven used slots among 0-10 and slot 1 belongs to no division.
    Build_Shaped_League({0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2}, 1959, 12);
    Universe.Teams[1].Team_Stats[TEAM_STAT_CONTROL] = TEAM_CONTROL_EMPTY;
    Update_Standings();
    ASSERT_EQ(Count_Active_Teams(), 11);
    for (int team : {0, 2, 3})
        EXPECT_EQ(Get_Team_Schedule_Position(team), Get_Team_Division_Standing(team)) << "team " << team;
    for (int team = 4; team <= 7; ++team)
        EXPECT_EQ(Get_Team_Schedule_Position(team), Get_Team_Division_Standing(team) + 3) << "team " << team;
    for (int team = 8; team <= 10; ++team)
        EXPECT_EQ(Get_Team_Schedule_Position(team), Get_Team_Division_Standing(team) + 7) << "team " << team;
}

TEST(ScheduleTemplates, SixteenGameTablesAndMapsByYear) {
    struct CASE {
        int year, map_year, table_year;
    };
    const CASE cases[] = {{2021, 2021, 2009}, {1995, 2007, 2019}, {2008, 2008, 2008}, {2014, 2014, 2014}};
    for (const CASE& c : cases) {
        SCOPED_TRACE(c.year);
        const SCHEDULE_TEMPLATE& map = *Find_Schedule_Template(c.map_year);
        Build_Shaped_League(Divisions_Fitting_Map(map), c.year, 16);
        Fill_Schedule();
        Expect_Week_From_Table(*Find_Schedule_Template(c.table_year), Team_On_Slot_From_Map(map));
    }
    // After 2022 the template slots: the test league order is division by
    // division, all teams level, so team t stands on slot t.
    Build_Shaped_League(Divisions_Of_Sizes({4, 4, 4, 4, 4, 4, 4, 4}), 2030, 16);
    for (int team = 0; team < 32; ++team)
        ASSERT_EQ(Get_Team_Template_Slot(team) / 4, team / 4);
    Fill_Schedule();
    std::vector<int> team_on_slot(32);
    for (int team = 0; team < 32; ++team)
        team_on_slot[Get_Team_Template_Slot(team)] = team;
    Expect_Week_From_Table(*Find_Schedule_Template(2018), team_on_slot);
}

TEST(ScheduleTemplates, SeventeenGameTablesRotateDivisionsAfter2022) {
    for (int year = 2023; year <= 2027; ++year) {
        SCOPED_TRACE(year);
        Build_Shaped_League(Divisions_Of_Sizes({4, 4, 4, 4, 4, 4, 4, 4}), year, 17);
        Fill_17_Game_Schedule();
        const int n = year - 2022, r3 = n % 3, r4 = n % 4;
        std::vector<int> team_on_slot(32);
        for (int team = 0; team < 32; ++team)
            team_on_slot[Get_Team_Template_Slot(team)] = team;
        std::vector<int> rotated(32);
        for (int s = 0; s < 32; ++s) {
            int r = s;
            if (s >= 4 && s <= 15) r = 4 + (s - 4 + 4 * r3) % 12;
            if (s >= 16) {
                r = 16 + (s - 16 + 4 * r4) % 16;
                if (r4 == 2 && r >= 20 && r <= 23)
                    r += 4;
                else if (r4 == 2 && r >= 24 && r <= 27)
                    r -= 4;
            }
            rotated[s] = team_on_slot[r];
        }
        const SCHEDULE_TEMPLATE& t = *Find_Schedule_Template(year % 2 ? 2021 : 2022);
        for (int week = 0; week < t.Weeks; ++week)
            Expect_Week_From_Table(t, rotated, week);
        // The weekday follows the table's dates: its opener is a Thursday.
        const int opener_home = rotated[t.Games[0][1]];
        EXPECT_EQ(Get_Team_Schedule_Stat(opener_home, 0, SCHEDULE_WEEKDAY), 3);
        EXPECT_EQ(Get_Team_Schedule_Stat(opener_home, 0, SCHEDULE_KICKOFF), t.Times[0][1]);
    }
}

TEST(ScheduleTemplates, SeasonMapOfAnotherLeagueGivesWayToItsDivisions) {
    // The league's divisions are consecutive slots, which the 2021 season's
    // map (its teams sorted by name) does not keep together: the teams take
    // their template slots and division rivals still meet home and away.
    Build_Shaped_League(Divisions_Of_Sizes({4, 4, 4, 4, 4, 4, 4, 4}), 2021, 17);
    Fill_17_Game_Schedule();
    for (int team = 0; team < 32; ++team)
        for (int rival = 4 * (team / 4); rival < 4 * (team / 4) + 4; ++rival)
            if (rival != team) {
                EXPECT_EQ(Count_First_Listed_Games_Against(team, rival), 1) << team << " hosts " << rival;
                EXPECT_EQ(Count_Second_Listed_Games_Against(team, rival), 1);
            }
}
