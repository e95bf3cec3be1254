// Whole seasons of the 32-team test league through the calendar.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "database/game_queries.h"
#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/playoff_bracket.h"
#include "database/random_numbers.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/standings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "season/all_time_leaders.h"
#include "season/league_rules.h"
#include "season/playoff_seeding.h"
#include "season/season_calendar.h"
#include "season/season_start.h"
#include "season/week_advance.h"
#include "support/scratch_folder.h"
#include "support/test_league.h"

namespace {
// The test league, started in 2020, in its second season: 17 games, three
// wild cards and the title game.
void Start_Test_Season(uint32_t seed) {
    Build_Test_League();
    Apply_League_Rules_For_Year();
    Set_User_Preference(CURRENT_SEASON_INDEX, 1);
    Apply_League_Rules_For_Year();
    Seed_Random_Numbers(seed);
    Clear_Shown_Messages();
    Reset_Message_Queue();
    Start_Season(0);
}

struct SEEDING {
    int32_t Seed[TEST_LEAGUE_TEAMS];
    int32_t Score[TEST_LEAGUE_TEAMS];
};

SEEDING Take_Seeding() {
    SEEDING seeding{};
    for (int team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
        seeding.Seed[team] = Get_Team_Stat(team, TEAM_STAT_PLAYOFF_SEED);
        seeding.Score[team] = Get_Team_Standings_Score(team);
    }
    return seeding;
}

void Expect_Seeding_Follows_Standings(const SEEDING& s) {
    for (int conference = 0; conference < 2; ++conference) {
        std::vector<int> leaders, others;
        for (int division = 4 * conference; division < 4 * conference + 4; ++division)
            leaders.push_back(Get_Division_Standing_Team(division, 0));
        for (int team = 16 * conference; team < 16 * conference + 16; ++team)
            if (std::find(leaders.begin(), leaders.end(), team) == leaders.end()) others.push_back(team);
        for (int team : leaders)
            EXPECT_TRUE(s.Seed[team] >= 1 && s.Seed[team] <= 4) << "leader " << team;
        for (int a : leaders)
            for (int b : leaders)
                if (s.Seed[a] < s.Seed[b]) {
                    EXPECT_GE(s.Score[a], s.Score[b]) << "leaders by record";
                }
        int worst_wild_card = 0;
        bool first = true;
        for (int team : others)
            if (s.Seed[team] != 0) {
                EXPECT_TRUE(s.Seed[team] >= 5 && s.Seed[team] <= 7) << "wild card " << team;
                if (first || s.Score[team] < worst_wild_card) worst_wild_card = s.Score[team];
                first = false;
            }
        int wild_cards = 0;
        for (int team : others) {
            if (s.Seed[team] != 0) {
                ++wild_cards;
            } else {
                EXPECT_LE(s.Score[team], worst_wild_card) << "team " << team << " left out";
            }
        }
        EXPECT_EQ(wild_cards, 3);
    }
}

// Every team played its 17 games, once a week, against a team that lists it back.
void Expect_Regular_Season_Played() {
    for (int team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
        EXPECT_EQ(Get_Team_Wins(team) + Get_Team_Losses(team) + Get_Team_Ties(team), 17) << "team " << team;
        EXPECT_EQ(Count_Weeks_With_Games(team, Universe.Season_Length), 17);
        for (int week = 0; week < Universe.Season_Length; ++week) {
            const int code = Get_Team_Schedule_Stat(team, week, SCHEDULE_OPPONENT);
            if (code == 0) continue;
            const int opponent = (code > 0 ? code : -code) - 1;
            EXPECT_EQ(Get_Team_Schedule_Stat(opponent, week, SCHEDULE_OPPONENT),
                      code > 0 ? -(team + 1) : team + 1);
        }
    }
}

// Each filled slot above the first round holds the winner of its feeding pair.
void Expect_Bracket_Played_Out() {
    for (int slot = 16; slot < 31; ++slot) {
        const int a = 2 * slot - 32, b = 2 * slot - 31;
        const int team = Get_Playoff_Team(slot);
        if (team == NO_TEAM || Get_Playoff_Team(a) == NO_TEAM || Get_Playoff_Team(b) == NO_TEAM) continue;
        const int winner = Get_Playoff_Score(a) > Get_Playoff_Score(b) ? a : b;
        EXPECT_EQ(team, Get_Playoff_Team(winner)) << "slot " << slot;
    }
}

struct SEASON_RESULT {
    int32_t Champion;
    std::vector<uint8_t> Standings;
};

SEASON_RESULT Play_Test_Season(uint32_t seed) {
    Start_Test_Season(seed);
    Advance_Weeks(22);
    Advance_Weeks(22);
    SEASON_RESULT result{Get_Playoff_Team(30), {}};
    const uint8_t* rows = reinterpret_cast<const uint8_t*>(Universe.Division_Standings);
    result.Standings.assign(rows, rows + sizeof Universe.Division_Standings);
    for (int team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
        const auto& chars = Universe.Teams[team].Yearly_Chars[1];
        result.Standings.insert(result.Standings.end(), reinterpret_cast<const uint8_t*>(chars),
                                reinterpret_cast<const uint8_t*>(chars) + sizeof chars);
    }
    return result;
}
} // namespace

TEST(SeasonCycle, FullSeasonEndsWithAChampion) {
    const PLAYING_FOLDER playing("full-season");
    Start_Test_Season(2021);
    EXPECT_EQ(Universe.Season_Length, 18) << "17 games and an open week";
    Advance_Weeks(22);
    ASSERT_EQ(Get_User_Preference(CURRENT_WEEK), Universe.Season_Length);
    EXPECT_EQ(Count_Completed_Games(), 272);
    Expect_Regular_Season_Played();
    Expect_Seeding_Follows_Standings(Take_Seeding());
    EXPECT_EQ(Get_Team_Stat(Get_Playoff_Team(19), TEAM_STAT_PLAYOFF_SEED), 1);
    EXPECT_EQ(Get_Team_Stat(Get_Playoff_Team(23), TEAM_STAT_PLAYOFF_SEED), 1);

    Advance_Weeks(22);
    EXPECT_TRUE(Is_Champion_Decided());
    EXPECT_EQ(Count_Completed_Games(), 285) << "272 regular-season and 13 playoff games";
    int playoff_games = 0;
    for (int n = 0; n < MAX_GAME_RECORDS; ++n)
        if (Is_Game_Record_Used(n) && Get_Game_Record(n)->Week >= Universe.Season_Length) ++playoff_games;
    EXPECT_EQ(playoff_games, 13);
    Expect_Bracket_Played_Out();
    EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), Universe.Post_Season_Days[4] + 1);

    // The next advance starts the off-season; the scripted user pauses the
    // draft, and the simulation of a season starts it from week 100.
    Advance_Weeks(22);
    ASSERT_EQ(Get_User_Preference(CURRENT_WEEK), 100);
    ASSERT_EQ(Get_User_Preference(CURRENT_SEASON_INDEX), 2);
    Simulate_Seasons(1);
    EXPECT_EQ(Get_User_Preference(CURRENT_SEASON_INDEX), 3);
    EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), 0) << "the 2023 season is set up";
    EXPECT_GT(Universe.Season_Length, 0);
    EXPECT_EQ(Count_Completed_Games(), 0);
}

TEST(SeasonCycle, SameSeedSameChampionAndStandings) {
    const SEASON_RESULT first = Play_Test_Season(77);
    const SEASON_RESULT second = Play_Test_Season(77);
    EXPECT_EQ(first.Champion, second.Champion);
    EXPECT_TRUE(first.Standings == second.Standings);
}

namespace {
// Leader categories whose value is a statistic (or two) of the season lines,
// with the positions that may lead them.
struct COUNT_CATEGORY {
    int32_t Category;
    int32_t Stat;
    int32_t Second_Stat;
    std::function<bool(int32_t)> Eligible;
};

bool Is_Skill_Position(int32_t position) {
    return position >= POSITION_RB && position <= POSITION_WR;
}

bool Is_Defensive_Position(int32_t position) {
    return position >= POSITION_DE && position <= POSITION_S;
}

const std::vector<COUNT_CATEGORY> COUNT_CATEGORIES = {
    {0, 2, -1, [](int32_t p) { return p == POSITION_QB; }},
    {2, 5, -1, [](int32_t p) { return p == POSITION_QB; }},
    {11, 8, -1, Is_Skill_Position},
    {14, 10, -1, Is_Skill_Position},
    {21, 2, 3, Is_Defensive_Position},
    {25, 7, -1, Is_Defensive_Position},
    {9, 16, -1, [](int32_t p) { return Is_Skill_Position(p) || Is_Defensive_Position(p); }},
};

using STATS = std::array<int32_t, NUMBER_OF_SEASON_STATS>;

STATS Read_Stats(int32_t team, int32_t slot, int32_t season) {
    STATS stats{};
    for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat)
        stats[stat] = Get_Player_Stat(team, slot, season, stat);
    return stats;
}

int32_t Value_In(const COUNT_CATEGORY& category, int32_t position, const STATS& stats) {
    if (!category.Eligible(position)) return 0;
    return stats[category.Stat] + (category.Second_Stat >= 0 ? stats[category.Second_Stat] : 0);
}

// The name a list compares, without case.
std::string Listed_Name(int32_t team, int32_t slot) {
    const PLAYER_RECORD* player = Get_Player_Record_Pointer(team, slot);
    std::string name = std::string(player->Last_Name) + "," + player->First_Name;
    for (char& c : name)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

// The best 21 values above 0 of the (name, value) pairs: a list holds a value
// once for players of one name.
std::vector<int32_t> Best_Values(const std::set<std::pair<std::string, int32_t>>& pairs) {
    std::vector<int32_t> values;
    for (const auto& [name, value] : pairs)
        if (value > 0) values.push_back(value);
    std::sort(values.begin(), values.end(), std::greater<int32_t>());
    values.resize(ALL_TIME_LEADER_ENTRIES, 0);
    return values;
}

std::vector<int32_t> Listed_Values(int32_t kind, int32_t category) {
    std::vector<int32_t> values;
    ALL_TIME_LEADER_ENTRY entry{};
    for (int32_t n = 0; n < ALL_TIME_LEADER_ENTRIES; ++n) {
        Get_All_Time_Leader(kind, category, n, &entry);
        values.push_back(entry.Value);
    }
    return values;
}

struct WEEK_LINE {
    std::string Name;
    int32_t Position;
    STATS Stats;
};
} // namespace

TEST(SeasonCycle, AllTimeLeadersAfterASeasonAreTheLeaguesBestValues) {
    Start_Test_Season(515);
    Clear_All_Time_Leaders();
    Update_All_Time_Leaders(ATL_RESET_SLOT_CACHE | ATL_UPDATE_CAREER);
    std::set<int32_t> ids_at_start;
    For_Each_League_Player(
        [&](int32_t team, int32_t slot) { ids_at_start.insert(Get_Player_ID(team, slot)); }, 0,
        FREE_AGENT_TEAM);
    // Every player's line of each week, from his season totals around the week.
    std::vector<WEEK_LINE> week_lines;
    for (int32_t weeks = 0; !Is_Champion_Decided(); ++weeks) {
        ASSERT_LT(weeks, 30) << "the season reaches its champion";
        std::map<int32_t, STATS> before;
        For_Each_League_Player(
            [&](int32_t team, int32_t slot) {
                before[Get_Player_ID(team, slot)] = Read_Stats(team, slot, SEASON_THIS);
            },
            0, FREE_AGENT_TEAM);
        Advance_Weeks(1);
        For_Each_League_Player(
            [&](int32_t team, int32_t slot) {
                STATS line = Read_Stats(team, slot, SEASON_THIS);
                const auto old = before.find(Get_Player_ID(team, slot));
                if (old != before.end())
                    for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat)
                        line[stat] -= old->second[stat];
                week_lines.push_back(
                    {Listed_Name(team, slot), Get_Player_Vital_Stat(team, slot, VITAL_POSITION), line});
            },
            0, FREE_AGENT_TEAM);
    }
    EXPECT_EQ(Count_Completed_Games(), 285);
    // Nobody left the league, so every listed value belongs to a player still in it.
    for (int32_t id : ids_at_start)
        ASSERT_EQ(Lookup_Player_ID_Hash(nullptr, id), 1) << "player " << id << " left the league";

    for (const COUNT_CATEGORY& category : COUNT_CATEGORIES) {
        SCOPED_TRACE(category.Category);
        std::set<std::pair<std::string, int32_t>> careers, seasons, games;
        For_Each_League_Player(
            [&](int32_t team, int32_t slot) {
                const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
                const std::string name = Listed_Name(team, slot);
                careers.insert({name, Value_In(category, position, Read_Stats(team, slot, SEASON_CAREER))});
                seasons.insert({name, Value_In(category, position, Read_Stats(team, slot, SEASON_THIS))});
            },
            0, FREE_AGENT_TEAM);
        for (const WEEK_LINE& line : week_lines)
            games.insert({line.Name, Value_In(category, line.Position, line.Stats)});
        EXPECT_EQ(Listed_Values(ATL_KIND_CAREER, category.Category), Best_Values(careers));
        EXPECT_EQ(Listed_Values(ATL_KIND_SEASON, category.Category), Best_Values(seasons));
        EXPECT_EQ(Listed_Values(ATL_KIND_GAME, category.Category), Best_Values(games));
    }
}
