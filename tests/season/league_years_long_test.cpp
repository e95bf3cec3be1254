// Ten complete years of the computer-run test league, each simulated by
// Simulate_Seasons: the season, the playoffs, the off-season, the college
// draft and the set-up of the next season, with the league's rules checked
// after every year.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/random_numbers.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "frontoffice/roster_limits.h"
#include "frontoffice/roster_minimums.h"
#include "personnel/career_score.h"
#include "personnel/draft_state.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "platform/string_warnings.h"
#include "season/league_rules.h"
#include "season/season_start.h"
#include "season/week_advance.h"
#include "support/computer_league.h"
#include "support/scratch_folder.h"
#include "support/test_league.h"

namespace {
constexpr int32_t YEARS = 10;
constexpr int32_t CHAMPION_SLOT = 30;
constexpr int32_t NICKNAME_STRING = 2;
constexpr int32_t FINISH_CODE = 3;
constexpr int32_t CHAMPION_FINISH = 8;
constexpr int32_t VITAL_INDUCTION_YEAR = 19;
constexpr int32_t VITAL_VOTE_SHARE = 20;
constexpr int32_t FIRST_VOTED_SEASONS = 10;
// A position short of its share in the Hall lifts a career score by at most
// 19 % in the vote, so no member's score can be below 75 / 1.19.
constexpr int32_t LEAST_HALL_OF_FAME_SCORE = 63;
const char* const AUTO_SAVE_FILE = "[Auto Save].kor";

// The league as the auto-save kept it when the last advance of a year began:
// the champion decided, the off-season still to come.
std::unique_ptr<UNIVERSE_STATE> Read_Season_End() {
    auto state = std::make_unique<UNIVERSE_STATE>();
    FILE* file = std::fopen(AUTO_SAVE_FILE, "rb");
    if (file == nullptr) return nullptr;
    const bool read = std::fseek(file, SAVE_FILE_HEADER_SIZE, SEEK_SET) == 0 &&
                      Inflate_Universe_Chunks(file, reinterpret_cast<uint8_t*>(state.get()), "") == 1;
    std::fclose(file);
    return read ? std::move(state) : nullptr;
}

int32_t Get_Ended_Season(const UNIVERSE_STATE& end) {
    return end.User_Preferences.Ints[CURRENT_SEASON_INDEX];
}

// How far a team went in the bracket: 0 out of the playoffs, 1 the first
// round ... 5 the champion.
int32_t Get_Bracket_Level(const UNIVERSE_STATE& end, int32_t team) {
    int32_t level = 0;
    for (int32_t slot = 0; slot < PLAYOFF_BRACKET_SLOTS; ++slot) {
        if (end.Playoff_Bracket[slot] != team) continue;
        const int32_t reached = slot >= 30 ? 5 : slot >= 28 ? 4 : slot >= 24 ? 3 : slot >= 16 ? 2 : 1;
        level = std::max(level, reached);
    }
    return level;
}

int32_t Get_Margin(const UNIVERSE_STATE& end, int32_t team) {
    const auto& chars = end.Teams[team].Yearly_Chars[Get_Ended_Season(end)];
    return chars[RECORD_CHAR_WINS] - chars[RECORD_CHAR_LOSSES];
}

// The draft order of the ended season: teams out of the playoffs first, then
// the playoff teams by the round they reached, the champion last; within
// each, the worse record first.
void Expect_Order_Follows_Standings(const UNIVERSE_STATE& end) {
    std::set<int32_t> teams;
    for (int32_t n = 0; n < TEST_LEAGUE_TEAMS; ++n) {
        teams.insert(end.Draft_Order[n]);
        if (n == 0) continue;
        const int32_t before = end.Draft_Order[n - 1];
        const int32_t team = end.Draft_Order[n];
        const int32_t level_before = Get_Bracket_Level(end, before);
        const int32_t level = Get_Bracket_Level(end, team);
        ASSERT_LE(level_before, level) << "pick " << n;
        if (level == level_before) {
            EXPECT_LE(Get_Margin(end, before), Get_Margin(end, team)) << "pick " << n;
        }
    }
    EXPECT_EQ(teams.size(), static_cast<size_t>(TEST_LEAGUE_TEAMS)) << "every team picks once a round";
    EXPECT_EQ(end.Draft_Order[TEST_LEAGUE_TEAMS - 1], end.Playoff_Bracket[CHAMPION_SLOT]);
}

struct DRAFT_FIGURES {
    int32_t Picks;
    // Picks that were not their issuing team's when the season ended.
    int32_t Traded;
    // Drafted players still in the league after the set-up of the new season.
    int32_t Found;
};

// The report lists the picks in draft order, each by the team that owned the
// pick when the season ended (the issuing team's place in the order, traded
// picks with their new owners, forfeited picks left out). Every drafted
// player still in the league carries his pick and the team that made it.
DRAFT_FIGURES Expect_Draft_Made_In_Order(const UNIVERSE_STATE& end) {
    DRAFT_FIGURES figures{0, 0, 0};
    std::vector<int32_t> owners;
    for (int32_t round = 0; round < DRAFT_ROUNDS; ++round)
        for (int32_t n = 0; n < TEST_LEAGUE_TEAMS; ++n) {
            const int32_t issuer = end.Draft_Order[n];
            const int32_t owner = end.Draft_Pick_Owner[0][round][issuer];
            if (owner >= 0 && owner < TEST_LEAGUE_TEAMS) owners.push_back(owner);
            if (owner != issuer) ++figures.Traded;
        }
    const int32_t year = Get_Current_Year();
    std::ifstream report("Output/College-Draft-" + std::to_string(year) + ".txt");
    for (std::string line; std::getline(report, line);) {
        if (line.find(" (") == std::string::npos) continue;
        if (figures.Picks >= static_cast<int32_t>(owners.size())) {
            ADD_FAILURE() << "more picks than the draft holds: " << line;
            break;
        }
        char nickname[FORMATTED_TEXT_SIZE];
        Get_Team_Nickname(owners[figures.Picks], nickname);
        STRING_PREPEND_WARNING_OFF
        EXPECT_EQ(line.rfind(" " + std::string(nickname) + " ", 0), 0u)
            << "pick " << figures.Picks + 1 << " belongs to team " << owners[figures.Picks] << ": " << line;
        STRING_PREPEND_WARNING_ON
        ++figures.Picks;
    }
    For_Each_League_Player(
        [&](int32_t team, int32_t slot) {
            const int32_t record = Get_Player_Vital_Stat(team, slot, VITAL_DRAFT_RECORD);
            if (record % 10000 != year) return;
            const int32_t code = Get_Player_Vital_Stat(team, slot, VITAL_DRAFT_SLOT);
            const int32_t round = code / 100000 - 1;
            const int32_t pick = code / 1000 % 100 - 1;
            ASSERT_TRUE(round >= 0 && round < DRAFT_ROUNDS && pick >= 0 && pick < TEST_LEAGUE_TEAMS)
                << "draft slot code " << code;
            EXPECT_EQ(code % 1000, round * TEST_LEAGUE_TEAMS + pick + 1);
            ++figures.Found;
            EXPECT_EQ(record / 10000 - 1,
                      end.Draft_Pick_Owner[0][round][static_cast<int32_t>(end.Draft_Order[pick])])
                << "round " << round + 1 << " pick " << pick + 1;
        },
        0, FREE_AGENT_TEAM);
    return figures;
}

// At the start of a season every roster keeps its last three slots free and
// has its minimum of available players at every position.
void Expect_Rosters_Legal(int32_t* smallest, int32_t* largest) {
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
        const int32_t players = Get_First_Empty_Player_Slot(team);
        *smallest = std::min(*smallest, players);
        *largest = std::max(*largest, players);
        EXPECT_LE(players, ROSTER_ROOM_LIMIT) << "team " << team;
        for (int32_t position = 0; position < NUMBER_OF_POSITIONS; ++position)
            EXPECT_GE(Count_Team_Available_Position_Players(team, position),
                      Get_Position_Roster_Minimum(position))
                << "team " << team << " position " << position;
    }
}

double Get_Mean_Franchise_Age() {
    int64_t total = 0;
    int64_t players = 0;
    For_Each_League_Player(
        [&](int32_t team, int32_t slot) {
            total += Get_Player_Age(team, slot);
            ++players;
        },
        0, TEST_LEAGUE_TEAMS - 1);
    return players == 0 ? 0.0 : static_cast<double>(total) / static_cast<double>(players);
}

// Members stand in falling vote share; each is a retired player (in no
// roster or pool any more) who played at least ten seasons with a career
// score the vote could lift to 75.
void Expect_Hall_Of_Fame_Earned(int32_t first_year) {
    std::set<int32_t> in_league;
    For_Each_League_Player([&](int32_t team, int32_t slot) {
        if (team != HALL_OF_FAME_TEAM) in_league.insert(Get_Player_ID(team, slot));
    });
    const int32_t members = Get_First_Empty_Player_Slot(HALL_OF_FAME_TEAM);
    for (int32_t slot = 0; slot < members; ++slot) {
        SCOPED_TRACE(slot);
        const int32_t share = Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, slot, VITAL_VOTE_SHARE);
        EXPECT_GE(share, 75);
        EXPECT_LE(share, 100);
        if (slot > 0) {
            EXPECT_LE(share, Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, slot - 1, VITAL_VOTE_SHARE));
        }
        const int32_t year = Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, slot, VITAL_INDUCTION_YEAR);
        EXPECT_GE(year, first_year);
        EXPECT_LE(year, Get_Current_Year());
        EXPECT_EQ(in_league.count(Get_Player_ID(HALL_OF_FAME_TEAM, slot)), 0u) << "still playing";
        EXPECT_GE(Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, slot, VITAL_CREDITED_SEASONS),
                  FIRST_VOTED_SEASONS);
        EXPECT_GT(Get_Player_Stat(HALL_OF_FAME_TEAM, slot, SEASON_CAREER, 0), 0) << "career games";
        EXPECT_GE(Get_Player_Career_Score(HALL_OF_FAME_TEAM, slot) +
                      3 * Get_Player_Byte_Field(HALL_OF_FAME_TEAM, slot, PLAYER_BYTE_RINGS),
                  LEAST_HALL_OF_FAME_SCORE);
    }
}

std::vector<char> Read_File(const char* name) {
    std::ifstream file(name, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The first load of a league saved by the calendar brings it up to the
// loader's rules (the coming draft's pool built, season lines without a
// player erased, the settings of older files set); from then on saving,
// loading and saving again writes the same file, byte for byte. The league
// plays on from the loaded file.
void Expect_Save_Load_Save_Identical() {
    ASSERT_EQ(Save_Game("year.kor", nullptr), SAVE_OK);
    ASSERT_EQ(Load_Game("year.kor"), 1);
    ASSERT_EQ(Save_Game("first.kor", nullptr), SAVE_OK);
    ASSERT_EQ(Load_Game("first.kor"), 1);
    ASSERT_EQ(Save_Game("second.kor", nullptr), SAVE_OK);
    const std::vector<char> first = Read_File("first.kor");
    ASSERT_GT(first.size(), static_cast<size_t>(SAVE_FILE_HEADER_SIZE));
    EXPECT_TRUE(first == Read_File("second.kor")) << "the saved file changed across a load";
}
} // namespace

TEST(LeagueYearsLong, TenSimulatedYearsKeepTheLeagueWhole) {
    const PLAYING_FOLDER playing("ten-years");
    Build_Computer_League();
    Apply_League_Rules_For_Year();
    Seed_Random_Numbers(2026);
    Clear_Shown_Messages();
    Reset_Message_Queue();
    Set_User_Preference(AUTO_SAVE, 1);
    Start_Season(0);
    // The draft report names the drafting teams by nickname: each team its own.
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
        const std::string nickname = "Club" + std::to_string(team);
        Set_Team_String(nickname.c_str(), team, NICKNAME_STRING);
    }
    const int32_t first_year = Get_Current_Year();
    const double start_age = Get_Mean_Franchise_Age();
    std::printf("year  mean age  rosters  picks  traded  found  hall\n%4d  %8.2f  %3d-%-3d\n", first_year,
                start_age, TEST_ROSTER_SIZE, TEST_ROSTER_SIZE);
    for (int32_t year = 0; year < YEARS; ++year) {
        SCOPED_TRACE(first_year + year);
        const int32_t season = Get_User_Preference(CURRENT_SEASON_INDEX);
        Simulate_Seasons(1);
        ASSERT_EQ(Get_User_Preference(CURRENT_SEASON_INDEX), season + 1);
        ASSERT_EQ(Get_User_Preference(CURRENT_WEEK), 0) << "the next season has started";
        EXPECT_EQ(Get_User_Preference(DRAFT_ROUND), NO_COLLEGE_DRAFT_ROUND);
        EXPECT_EQ(Get_User_Preference(MULTI_SEASON_SIMULATION), 0);
        const std::unique_ptr<UNIVERSE_STATE> end = Read_Season_End();
        ASSERT_NE(end, nullptr);
        ASSERT_EQ(Get_Ended_Season(*end), season);

        // One champion, the same in the bracket and in the teams' history.
        const int32_t champion = end->Playoff_Bracket[CHAMPION_SLOT];
        ASSERT_TRUE(champion >= 0 && champion < TEST_LEAGUE_TEAMS) << "no champion";
        for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
            EXPECT_EQ(Get_Team_Yearly_Int(team, season, FINISH_CODE) == CHAMPION_FINISH, team == champion)
                << "team " << team;

        Expect_Order_Follows_Standings(*end);
        const DRAFT_FIGURES draft = Expect_Draft_Made_In_Order(*end);
        EXPECT_EQ(draft.Picks, DRAFT_ROUNDS * TEST_LEAGUE_TEAMS);

        int32_t smallest = PLAYERS_PER_TEAM;
        int32_t largest = 0;
        Expect_Rosters_Legal(&smallest, &largest);
        const LEAGUE_CENSUS census = Take_League_Census();
        EXPECT_EQ(std::adjacent_find(census.Ids.begin(), census.Ids.end()), census.Ids.end())
            << "a player on two teams";
        const double age = Get_Mean_Franchise_Age();
        EXPECT_NEAR(age, start_age, 1.0);
        Expect_Hall_Of_Fame_Earned(first_year);
        std::printf("%4d  %8.2f  %3d-%-3d  %5d  %6d  %5d  %4d\n", Get_Current_Year(), age, smallest, largest,
                    draft.Picks, draft.Traded, draft.Found, Get_First_Empty_Player_Slot(HALL_OF_FAME_TEAM));
        std::fflush(stdout);

        Expect_Save_Load_Save_Identical();
        if (HasFatalFailure()) return;
    }
}
