#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <functional>
#include <map>
#include <set>
#include <vector>

#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/roster_slots.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/universe.h"
#include "season/all_time_leaders.h"
#include "support/debug_log.h"
#include "support/game_runner.h"
#include "support/test_league.h"

namespace {
constexpr int32_t CATEGORY_PASS_YARDS = 2;

// Count categories whose value can be read straight off the statistics: the
// category, its statistic(s) and who may lead it.
struct COUNT_CATEGORY {
    int32_t Category;
    int32_t Stat;
    int32_t Second_Stat;
    std::function<bool(int32_t)> Eligible;
};

bool Is_Quarterback(int32_t position) {
    return position == POSITION_QB;
}
bool Is_Skill(int32_t position) {
    return position >= POSITION_RB && position <= POSITION_WR;
}
bool Is_Defender(int32_t position) {
    return position >= POSITION_DE && position <= POSITION_S;
}

const std::vector<COUNT_CATEGORY>& Count_Categories() {
    static const std::vector<COUNT_CATEGORY> categories = {
        {0, 2, -1, Is_Quarterback}, {2, 5, -1, Is_Quarterback},
        {4, 6, -1, Is_Quarterback}, {10, 7, -1, Is_Skill},
        {11, 8, -1, Is_Skill},      {14, 10, -1, Is_Skill},
        {15, 11, -1, Is_Skill},     {21, 2, 3, Is_Defender},
        {25, 7, -1, Is_Defender},   {9, 16, -1, [](int32_t p) { return Is_Skill(p) || Is_Defender(p); }},
    };
    return categories;
}

using STATS = std::array<int32_t, NUMBER_OF_SEASON_STATS>;

int32_t Category_Value(const COUNT_CATEGORY& category, int32_t position, const STATS& stats) {
    if (!category.Eligible(position)) return 0;
    return stats[category.Stat] + (category.Second_Stat >= 0 ? stats[category.Second_Stat] : 0);
}

STATS Read_Stats(int32_t team, int32_t slot, int32_t season) {
    STATS stats{};
    for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat)
        stats[stat] = Get_Player_Stat(team, slot, season, stat);
    return stats;
}

// The best 21 values above 0, padded with 0.
std::vector<int32_t> Top_Values(std::vector<int32_t> values) {
    values.erase(std::remove(values.begin(), values.end(), 0), values.end());
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

ALL_TIME_LEADER_ENTRY Make_Entry(const char* last, const char* first, int32_t value, int32_t year,
                                 int32_t week) {
    ALL_TIME_LEADER_ENTRY entry{};
    safe_strncpy(entry.Last_Name, last, sizeof entry.Last_Name);
    safe_strncpy(entry.First_Name, first, sizeof entry.First_Name);
    entry.Value = value;
    entry.Year = static_cast<int16_t>(year);
    entry.Week = static_cast<int8_t>(week);
    entry.Team = NO_TEAM;
    return entry;
}

void Fill_Category(int32_t kind, int32_t category, int32_t lowest) {
    for (int32_t n = 0; n < ALL_TIME_LEADER_ENTRIES; ++n)
        Set_All_Time_Leader(
            kind, category, n,
            Make_Entry("Historic", "Passer", lowest + 100 * (ALL_TIME_LEADER_ENTRIES - 1 - n), 1990, 3));
}

const int32_t QB_SLOT = 0;
} // namespace

TEST(AllTimeLeaders, WeeklyListsEqualTheLeaguesBestValues) {
    Build_Test_League();
    Clear_All_Time_Leaders();
    // Careers before this season, so career and season lists differ (with
    // more pass attempts than completions, as a real career has).
    For_Each_League_Player([&](int32_t team, int32_t slot) {
        for (int32_t stat = 2; stat < 17; ++stat)
            Set_Player_Stat(team, slot, SEASON_CAREER, stat,
                            (Get_Player_ID(team, slot) * 37 + stat * 11) % 300 + (stat == 2 ? 300 : 0));
    });
    Update_All_Time_Leaders(ATL_RESET_SLOT_CACHE | ATL_UPDATE_CAREER);
    std::map<int32_t, std::vector<STATS>> games; // each player's line of each game, by id
    for (int32_t week = 0; week < 3; ++week) {
        std::map<int32_t, STATS> before;
        For_Each_League_Player([&](int32_t team, int32_t slot) {
            before[Get_Player_ID(team, slot)] = Read_Stats(team, slot, SEASON_THIS);
        });
        Update_ATL_Career_Totals(ATL_SNAPSHOT_CAREER);
        Prepare_Game_Week(week, 9100 + week);
        ASSERT_EQ(Play_Test_Week(week), 16);
        std::map<int32_t, STATS> after_games;
        For_Each_League_Player([&](int32_t team, int32_t slot) {
            const int32_t id = Get_Player_ID(team, slot);
            STATS line = Read_Stats(team, slot, SEASON_THIS);
            for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat)
                line[stat] -= before[id][stat];
            games[id].push_back(line);
            after_games[id] = Read_Stats(team, slot, SEASON_CAREER);
        });
        Refresh_All_Time_Leaders();
        bool careers_restored = true;
        For_Each_League_Player([&](int32_t team, int32_t slot) {
            careers_restored &=
                Read_Stats(team, slot, SEASON_CAREER) == after_games[Get_Player_ID(team, slot)];
        });
        EXPECT_TRUE(careers_restored) << "week " << week;
    }
    Update_All_Time_Leaders(ATL_UPDATE_THIS_SEASON);

    for (const COUNT_CATEGORY& category : Count_Categories()) {
        SCOPED_TRACE(category.Category);
        std::vector<int32_t> careers, seasons, single_games;
        For_Each_League_Player(
            [&](int32_t team, int32_t slot) {
                const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
                careers.push_back(Category_Value(category, position, Read_Stats(team, slot, SEASON_CAREER)));
                seasons.push_back(Category_Value(category, position, Read_Stats(team, slot, SEASON_THIS)));
                // A player's equal values of two games stand once.
                std::set<int32_t> own;
                if (team < MAX_FRANCHISES)
                    for (const STATS& line : games[Get_Player_ID(team, slot)])
                        own.insert(Category_Value(category, position, line));
                single_games.insert(single_games.end(), own.begin(), own.end());
            },
            0, FREE_AGENT_TEAM);
        EXPECT_EQ(Listed_Values(ATL_KIND_CAREER, category.Category), Top_Values(careers));
        EXPECT_EQ(Listed_Values(ATL_KIND_SEASON, category.Category), Top_Values(seasons));
        EXPECT_EQ(Listed_Values(ATL_KIND_GAME, category.Category), Top_Values(single_games));
        // Every career entry names the player whose career it is.
        ALL_TIME_LEADER_ENTRY entry{};
        for (int32_t n = 0; n < ALL_TIME_LEADER_ENTRIES; ++n) {
            Get_All_Time_Leader(ATL_KIND_CAREER, category.Category, n, &entry);
            if (entry.Value == 0) continue;
            int32_t team = 0, slot = 0;
            ASSERT_TRUE(Find_Player_By_ID(&team, &slot, entry.Player_ID));
            EXPECT_EQ(entry.Team, team);
            EXPECT_EQ(Category_Value(category, Get_Player_Vital_Stat(team, slot, VITAL_POSITION),
                                     Read_Stats(team, slot, SEASON_CAREER)),
                      entry.Value);
        }
    }
}

TEST(AllTimeLeaders, EntriesOrderByValueThenDateThenName) {
    const ALL_TIME_LEADER_ENTRY high = Make_Entry("Zimmer", "Al", 500, 1990, 1);
    const ALL_TIME_LEADER_ENTRY recent = Make_Entry("Zimmer", "Al", 400, 2001, 1);
    const ALL_TIME_LEADER_ENTRY older = Make_Entry("Abbott", "Al", 400, 1999, 9);
    const ALL_TIME_LEADER_ENTRY later_week = Make_Entry("Zimmer", "Al", 400, 1999, 10);
    const ALL_TIME_LEADER_ENTRY by_name = Make_Entry("abbott", "Bo", 400, 1999, 9);
    EXPECT_LT(Compare_All_Time_Leader_Entries(high, recent), 0);
    EXPECT_LT(Compare_All_Time_Leader_Entries(recent, older), 0);
    EXPECT_LT(Compare_All_Time_Leader_Entries(later_week, older), 0);
    EXPECT_LT(Compare_All_Time_Leader_Entries(older, by_name), 0)
        << "last names without case, then first names";
    EXPECT_EQ(Compare_All_Time_Leader_Entries(older, older), 0);
}

TEST(AllTimeLeaders, ThresholdLinkingAndEachKindsRules) {
    Build_Test_League();
    Clear_All_Time_Leaders();
    const int32_t team = 3;
    char last[20], first[12];
    Get_Player_Last_Name(team, QB_SLOT, last);
    Get_Player_First_Name(team, QB_SLOT, first);
    const int32_t id = Get_Player_ID(team, QB_SLOT);

    // A value equal to the last entry's does not enter; one above it does.
    Fill_Category(ATL_KIND_CAREER, CATEGORY_PASS_YARDS, 500);
    Set_Player_Stat(team, QB_SLOT, SEASON_CAREER, 5, 500);
    Update_All_Time_Leaders(ATL_RESET_SLOT_CACHE | ATL_UPDATE_CAREER);
    EXPECT_EQ(Listed_Values(ATL_KIND_CAREER, CATEGORY_PASS_YARDS).back(), 500);
    ALL_TIME_LEADER_ENTRY entry{};
    for (int32_t n = 0; n < ALL_TIME_LEADER_ENTRIES; ++n) {
        Get_All_Time_Leader(ATL_KIND_CAREER, CATEGORY_PASS_YARDS, n, &entry);
        EXPECT_NE(entry.Player_ID, id);
    }
    Set_Player_Stat(team, QB_SLOT, SEASON_CAREER, 5, 501);
    Update_All_Time_Leaders(ATL_UPDATE_CAREER);
    Get_All_Time_Leader(ATL_KIND_CAREER, CATEGORY_PASS_YARDS, ALL_TIME_LEADER_ENTRIES - 1, &entry);
    EXPECT_EQ(entry.Player_ID, id);
    EXPECT_EQ(entry.Value, 501);
    EXPECT_EQ(entry.Team, team);

    // The career kind follows a value down.
    Set_Player_Stat(team, QB_SLOT, SEASON_CAREER, 5, 100);
    Update_All_Time_Leaders(ATL_UPDATE_CAREER);
    Get_All_Time_Leader(ATL_KIND_CAREER, CATEGORY_PASS_YARDS, ALL_TIME_LEADER_ENTRIES - 1, &entry);
    EXPECT_EQ(entry.Player_ID, id);
    EXPECT_EQ(entry.Value, 100);

    // An entry read from the history file meets its player: linked, not doubled.
    Clear_All_Time_Leaders();
    Set_Player_Stat(team, QB_SLOT, SEASON_CAREER, 5, 4000);
    Set_All_Time_Leader(ATL_KIND_CAREER, CATEGORY_PASS_YARDS, 0, Make_Entry(last, first, 4000, 2019, 0));
    Update_All_Time_Leaders(ATL_UPDATE_CAREER);
    int32_t found = 0;
    for (int32_t n = 0; n < ALL_TIME_LEADER_ENTRIES; ++n) {
        Get_All_Time_Leader(ATL_KIND_CAREER, CATEGORY_PASS_YARDS, n, &entry);
        if (strcmp(entry.Last_Name, last) != 0 || entry.Value != 4000) continue;
        ++found;
        EXPECT_EQ(entry.Player_ID, id);
        EXPECT_EQ(entry.Team, team);
        EXPECT_EQ(entry.Year, 2019) << "a link keeps the entry's date";
    }
    EXPECT_EQ(found, 1);

    // A season of an earlier year stays as it was, even for the same player.
    Clear_All_Time_Leaders();
    ALL_TIME_LEADER_ENTRY old_season = Make_Entry(last, first, 10, TEST_BASE_YEAR - 1, 5);
    old_season.Player_ID = id;
    old_season.Team = static_cast<uint8_t>(team);
    Set_All_Time_Leader(ATL_KIND_SEASON, CATEGORY_PASS_YARDS, 0, old_season);
    Set_Player_Stat(team, QB_SLOT, SEASON_THIS, 5, 50);
    Update_All_Time_Leaders(ATL_UPDATE_THIS_SEASON);
    std::multiset<std::pair<int32_t, int32_t>> seasons; // (year, value)
    for (int32_t n = 0; n < ALL_TIME_LEADER_ENTRIES; ++n) {
        Get_All_Time_Leader(ATL_KIND_SEASON, CATEGORY_PASS_YARDS, n, &entry);
        if (entry.Player_ID == id) seasons.insert({entry.Year, entry.Value});
    }
    EXPECT_EQ(seasons,
              (std::multiset<std::pair<int32_t, int32_t>>{{TEST_BASE_YEAR - 1, 10}, {TEST_BASE_YEAR, 50}}));

    // A player who left the league keeps his entry, unlinked.
    Clear_All_Time_Leaders();
    ALL_TIME_LEADER_ENTRY gone = Make_Entry("Gone", "Long", 99999, 1980, 0);
    gone.Player_ID = 987654;
    Set_All_Time_Leader(ATL_KIND_CAREER, CATEGORY_PASS_YARDS, 0, gone);
    Update_All_Time_Leaders(ATL_UPDATE_CAREER);
    Get_All_Time_Leader(ATL_KIND_CAREER, CATEGORY_PASS_YARDS, 0, &entry);
    EXPECT_EQ(entry.Player_ID, -1);
    EXPECT_EQ(entry.Value, 99999);
}

TEST(AllTimeLeaders, UnknownKindChangesNothing) {
    Build_Test_League();
    Fill_Category(ATL_KIND_GAME, 5, 7);
    std::vector<uint8_t> before(std::begin(Universe.Tail.All_Time_Leaders),
                                std::end(Universe.Tail.All_Time_Leaders));
    Clear_Debug_Log();
    EXPECT_EQ(Update_All_Time_Leaders(0x0107), 1);
    EXPECT_EQ(Count_Debug_Lines("ERROR: WTF?"), 1);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), Universe.Tail.All_Time_Leaders));
    ALL_TIME_LEADER_ENTRY entry{};
    EXPECT_FALSE(Get_All_Time_Leader(3, 0, 0, &entry));
    EXPECT_FALSE(Get_All_Time_Leader(0, 30, 0, &entry));
    EXPECT_FALSE(Set_All_Time_Leader(0, 0, 21, entry));
    Update_ATL_Career_Totals(0);
    Update_ATL_Career_Totals(5);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), Universe.Tail.All_Time_Leaders));
}

TEST(AllTimeLeaders, WeekBookkeepingFollowsAPlayerWhoMoved) {
    Build_Test_League();
    const int32_t id = Get_Player_ID(4, QB_SLOT);
    Set_Player_Stat(4, QB_SLOT, SEASON_CAREER, 5, 1000);
    Update_ATL_Career_Totals(ATL_SNAPSHOT_CAREER);
    // Traded during the week: he now stands in another team's empty slot.
    const int32_t empty = Get_First_Empty_Player_Slot(7);
    Swap_Players(7, empty, 4, QB_SLOT);
    Set_Player_Stat(7, empty, SEASON_CAREER, 5, 1250);
    // A player who left the block altogether is logged and skipped.
    const int32_t lost = Get_Player_ID(9, 1);
    Clear_Player(9, 1);
    Build_All_Player_Hashes();
    Clear_Debug_Log();
    Update_ATL_Career_Totals(ATL_SAVE_NEW_CAREER);
    Update_ATL_Career_Totals(ATL_DELTA_CAREER);
    EXPECT_EQ(Get_Player_Stat(7, empty, SEASON_CAREER, 5), 250) << "the week's yards alone";
    Update_ATL_Career_Totals(ATL_RESTORE_CAREER);
    EXPECT_EQ(Get_Player_Stat(7, empty, SEASON_CAREER, 5), 1250);
    EXPECT_EQ(Get_Player_ID(7, empty), id);
    EXPECT_EQ(
        Count_Debug_Lines("Unable to find player id " + std::to_string(lost) + " (ATL_SAVE_NEW_CAREER)"), 1);
    EXPECT_EQ(Count_Debug_Lines("(ATL_DELTA_CAREER)"), 1);
    EXPECT_EQ(Count_Debug_Lines("(ATL_RESTORE_CAREER)"), 1);
}

TEST(AllTimeLeaders, SlotsFoundEmptyStayUntestedUntilTheCacheIsReset) {
    Build_Test_League();
    Clear_All_Time_Leaders();
    const int32_t team = 3;
    const int32_t id = Get_Player_ID(team, QB_SLOT);
    const int32_t empty = Get_First_Empty_Player_Slot(team);
    Update_All_Time_Leaders(ATL_RESET_SLOT_CACHE | ATL_UPDATE_CAREER);
    // The quarterback moves into the slot the update found empty, with the
    // best career of the league.
    Swap_Players(team, empty, team, QB_SLOT);
    Set_Player_Stat(team, empty, SEASON_CAREER, 5, 90000);
    auto listed = [&] {
        ALL_TIME_LEADER_ENTRY entry{};
        Get_All_Time_Leader(ATL_KIND_CAREER, CATEGORY_PASS_YARDS, 0, &entry);
        return entry.Player_ID == id && entry.Value == 90000;
    };
    Update_All_Time_Leaders(ATL_UPDATE_CAREER);
    EXPECT_FALSE(listed()) << "the slot is still known as empty";
    Update_All_Time_Leaders(ATL_UPDATE_THIS_SEASON);
    Update_All_Time_Leaders(ATL_UPDATE_CAREER);
    EXPECT_FALSE(listed()) << "other kinds keep the answer too";
    Update_All_Time_Leaders(ATL_RESET_SLOT_CACHE | ATL_UPDATE_GAME);
    Update_All_Time_Leaders(ATL_UPDATE_CAREER);
    EXPECT_TRUE(listed()) << "a reset asks again";
    // Back in his old slot, which the last updates asked about and found
    // empty, he keeps his entry: listed players are re-read wherever they are.
    Swap_Players(team, QB_SLOT, team, empty);
    Set_Player_Stat(team, QB_SLOT, SEASON_CAREER, 5, 95000);
    Update_All_Time_Leaders(ATL_UPDATE_CAREER);
    ALL_TIME_LEADER_ENTRY entry{};
    Get_All_Time_Leader(ATL_KIND_CAREER, CATEGORY_PASS_YARDS, 0, &entry);
    EXPECT_EQ(entry.Player_ID, id);
    EXPECT_EQ(entry.Value, 95000);
}
