#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "app/main_window_dc.h"
#include "app/news_ticker.h"
#include "app/status_bars.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/path_resolver.h"
#include "database/player_record.h"
#include "database/playoff_bracket.h"
#include "database/random_numbers.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "personnel/college_draft_flow.h"
#include "personnel/draft_commands.h"
#include "personnel/draft_order.h"
#include "personnel/draft_picks.h"
#include "personnel/draft_pool.h"
#include "personnel/draft_pool_players.h"
#include "personnel/draft_state.h"
#include "personnel/player_generation.h"
#include "platform/message_box.h"
#include "season/playoff_seeding.h"
#include "support/computer_league.h"
#include "support/debug_log.h"
#include "support/frame_fixture.h"
#include "support/test_league.h"
#include "tools/draft_class_database.h"
#include "tools/team_records_csv.h"
#include "views/current_view.h"

namespace {
constexpr int32_t TEAMS = TEST_LEAGUE_TEAMS;
constexpr int32_t DRAFT_YEAR = TEST_BASE_YEAR + 1;
constexpr int32_t YEARLY_LEAGUE_RANK = 2;
constexpr int32_t POOL = FIRST_COLLEGE_POOL_TEAM;

// The test league after its 2020 season: team t won 17 - t games (team 0
// the best record, team 31 the worst), ranked t, nobody in the playoffs; the
// off-season of 2021 with every team owning its own picks.
void Finish_Test_Season() {
    Build_Computer_League();
    Clear_Playoff_Bracket();
    for (int32_t team = 0; team < TEAMS; ++team) {
        Set_Team_Yearly_Char(team, 0, RECORD_CHAR_WINS, 17 - team / 2);
        Set_Team_Yearly_Char(team, 0, RECORD_CHAR_LOSSES, team / 2);
        Set_Team_Yearly_Int(team, 0, YEARLY_LEAGUE_RANK, team);
    }
    Set_User_Preference(CURRENT_SEASON_INDEX, 1);
    Set_User_Preference(CURRENT_WEEK, 100);
    Set_User_Preference(DRAFT_ROUND, NO_COLLEGE_DRAFT_ROUND);
    Reset_Draft_Pick_Ownership();
    Supply_Team_Records_File();
    Clear_Shown_Messages();
}

// A pool of `count` generated prospects in pool order.
void Fill_Pool(int32_t count) {
    for (int32_t n = 0; n < count; ++n)
        Fabricate_Position_Player(POOL + n / PLAYERS_PER_TEAM, n % PLAYERS_PER_TEAM, n % NUMBER_OF_POSITIONS,
                                  0);
}

// Overall pick number (1-based) of every player drafted this year, by the
// team that drafted him (wherever he is now: a new season's cuts may have
// released him).
std::map<int32_t, std::vector<int32_t>> Drafted_Picks() {
    std::map<int32_t, std::vector<int32_t>> picks;
    For_Each_League_Player([&picks](int32_t team, int32_t slot) {
        const int32_t record = Get_Player_Vital_Stat(team, slot, VITAL_DRAFT_RECORD);
        if (record % 10000 != DRAFT_YEAR) return;
        picks[record / 10000 - 1].push_back(Get_Player_Vital_Stat(team, slot, VITAL_DRAFT_SLOT) % 1000);
    });
    for (auto& entry : picks)
        std::sort(entry.second.begin(), entry.second.end());
    return picks;
}

std::vector<std::string> Read_Report() {
    char name[FORMATTED_TEXT_SIZE];
    Get_College_Draft_Report_Name(name, sizeof name);
    std::vector<std::string> lines;
    std::ifstream in(Resolve_File_Path(name));
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

void Put_Pool_Player(int32_t team, int32_t slot, int32_t id, int32_t position) {
    Set_Player_Vital_Stat(team, slot, VITAL_PLAYER_ID, id);
    Set_Player_Vital_Stat(team, slot, VITAL_POSITION, position);
}
} // namespace

TEST(CollegeDraft, PoolListStopsAtEachPoolTeamsFirstEmptySlot) {
    Build_Test_League();
    // Team 38: slots 0-4, a gap, 6-9; team 39: a gap at 0, a player at 1;
    // team 40: slots 0-2.
    for (int32_t slot : {0, 1, 2, 3, 4, 6, 7, 8, 9})
        Put_Pool_Player(POOL, slot, 1000 + slot, POSITION_QB);
    Put_Pool_Player(POOL + 1, 1, 2001, POSITION_QB);
    for (int32_t slot = 0; slot < 3; ++slot)
        Put_Pool_Player(POOL + 2, slot, 3000 + slot, slot == 0 ? POSITION_QB : POSITION_K);
    EXPECT_EQ(Count_Draft_Pool_Players(), 8) << "five of team 38, none of 39, three of 40";
    EXPECT_EQ(Count_Draft_Pool_Position_Players(POSITION_QB), 6);
    int32_t team = -1, slot = -1;
    ASSERT_TRUE(Get_Draft_Pool_Player(5, &team, &slot));
    EXPECT_EQ(team, POOL + 2);
    EXPECT_EQ(slot, 0);
    team = slot = -1;
    EXPECT_FALSE(Get_Draft_Pool_Player(8, &team, &slot));
    EXPECT_EQ(team, -1) << "an index past the list writes nothing";
    EXPECT_TRUE(Is_Draft_Pool_Place(POOL, 4));
    EXPECT_FALSE(Is_Draft_Pool_Place(POOL, 7)) << "behind the gap";
    EXPECT_FALSE(Is_Draft_Pool_Place(POOL + 1, 1));

    // A player behind a gap is never drafted: the pick says so and nothing moves.
    Finish_Test_Season();
    Put_Pool_Player(POOL, 0, 1000, POSITION_QB);
    Put_Pool_Player(POOL, 2, 1002, POSITION_QB);
    const int32_t before = Get_First_Empty_Player_Slot(5);
    Clear_Debug_Log();
    EXPECT_EQ(Draft_Player(5, POOL, 2), -1);
    EXPECT_EQ(Draft_Player(5, POOL, -1), -1);
    EXPECT_EQ(Get_First_Empty_Player_Slot(5), before);
    EXPECT_EQ(Get_Player_ID(POOL, 2), 1002);
    EXPECT_EQ(Count_Debug_Lines("nobody is drafted"), 2);
}

TEST(CollegeDraft, OrderPutsTheWorstRecordFirstAndThePlayoffTeamsByTheirRound) {
    Finish_Test_Season();
    Set_College_Draft_Order();
    for (int32_t p = 0; p < TEAMS; ++p)
        EXPECT_EQ(Get_Draft_Order_Team(p), TEAMS - 1 - p) << "pick " << p;

    // Teams 0 and 1 reach the final, 0 wins it; 2 loses in the conference
    // round. Teams 30 and 31 share a record: the higher rank number picks first,
    // then on equal ranks the lower slot.
    Set_Playoff_Team(28, 0);
    Set_Playoff_Team(29, 1);
    Set_Playoff_Team(30, 0);
    Set_Playoff_Team(24, 2);
    Set_Team_Yearly_Int(30, 0, YEARLY_LEAGUE_RANK, 31);
    Set_Team_Yearly_Int(31, 0, YEARLY_LEAGUE_RANK, 30);
    Set_College_Draft_Order();
    EXPECT_EQ(Get_Draft_Order_Team(0), 30);
    EXPECT_EQ(Get_Draft_Order_Team(1), 31);
    EXPECT_EQ(Get_Draft_Order_Team(TEAMS - 3), 2);
    EXPECT_EQ(Get_Draft_Order_Team(TEAMS - 2), 1);
    EXPECT_EQ(Get_Draft_Order_Team(TEAMS - 1), 0) << "the champion picks last";
    // By the off-season week the ended season's finish is history, written
    // as the off-season closed the season's books (never, here): fixing the
    // order writes nothing into it.
    EXPECT_EQ(Get_Team_Yearly_Int(0, 0, 3), 0);
    EXPECT_EQ(Get_Team_Yearly_Int(1, 0, 3), 0);
    Set_Team_Yearly_Int(31, 0, YEARLY_LEAGUE_RANK, 31);
    Set_College_Draft_Order();
    EXPECT_EQ(Get_Draft_Order_Team(0), 30) << "equal keys keep slot order";
    EXPECT_EQ(Get_Draft_Order_Team(1), 31);
    EXPECT_EQ(Get_Team_Draft_Position(2), TEAMS - 3);
    EXPECT_EQ(Get_Team_Draft_Position(40), TEAMS);
}

TEST(CollegeDraft, TradedPickIsMadeByItsOwnerAndAForfeitedPickIsLogged) {
    Finish_Test_Season();
    Fill_Pool(60);
    Set_College_Draft_Order();
    // Team 31 picks first: its first-round pick belongs to team 4. Team 30's is
    // forfeited.
    Set_Draft_Pick_Owner(0, 0, 31, 4);
    Set_Draft_Pick_Owner(0, 0, 30, FORFEITED_PICK_OWNER + 30);
    Set_User_Preference(DRAFT_ROUND, 0);
    Set_User_Preference(DRAFT_PICK, 0);
    Start_College_Draft_Report();
    for (int32_t pick = 0; pick < TEAMS; ++pick)
        Make_Current_Draft_Pick();
    EXPECT_EQ(Get_User_Preference(DRAFT_ROUND), 1);
    EXPECT_EQ(Get_User_Preference(DRAFT_PICK), 0);
    std::map<int32_t, std::vector<int32_t>> picks = Drafted_Picks();
    EXPECT_EQ(picks[4], (std::vector<int32_t>{1, TEAMS - 4}))
        << "team 4 picks at team 31's place and its own";
    EXPECT_TRUE(picks[31].empty());
    EXPECT_TRUE(picks[30].empty()) << "nobody drafted with the forfeited pick";
    EXPECT_EQ(Get_Draft_Pick_Team(DRAFT_YEAR, 2), 30);
    EXPECT_EQ(Get_Draft_Pick_Team(DRAFT_YEAR, 3), NO_TEAM);
    EXPECT_EQ(Count_Draft_Pool_Players(), 60 - (TEAMS - 1));
    // The 33rd pick is round 2's first: slot code 201033.
    const int32_t first_team = Get_Draft_Order_Team(0);
    Make_Current_Draft_Pick();
    bool found = false;
    For_Each_League_Player([&found](int32_t team, int32_t slot) {
        if (Get_Player_Vital_Stat(team, slot, VITAL_DRAFT_SLOT) == 201033) found = team == 31;
    });
    EXPECT_EQ(first_team, 31);
    EXPECT_TRUE(found);

    // A human owner of a traded pick is asked even though the issuer is run
    // by the computer; the draft stops there.
    Set_Team_Stat(6, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_Draft_Pick_Owner(0, 1, Get_Draft_Order_Team(3), 6);
    Clear_Shown_Messages();
    Run_College_Draft();
    EXPECT_EQ(Get_User_Preference(DRAFT_ROUND), 1);
    EXPECT_EQ(Get_User_Preference(DRAFT_PICK), 3);
    EXPECT_EQ(Get_User_Team(), 6);
    ASSERT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "Round 2: Pick #4");
    char name[FORMATTED_TEXT_SIZE];
    Get_Team_Full_Name(6, name);
    EXPECT_EQ(Get_Shown_Messages()[0].Text.rfind(std::string(name) + ": Make your draft pick.", 0), 0u);

    // A pick of a team missing from the order drafts nobody, says so and passes.
    Universe.Draft_Order[3] = -1;
    Clear_Debug_Log();
    const int32_t pool = Count_Draft_Pool_Players();
    Make_Current_Draft_Pick();
    EXPECT_EQ(Count_Draft_Pool_Players(), pool);
    EXPECT_EQ(Get_User_Preference(DRAFT_PICK), 4);
    EXPECT_EQ(Count_Debug_Lines("nobody is drafted"), 1);
}

TEST(CollegeDraft, FullDraftTakesSevenRoundsInTheStandingsOrderIntoTheNewSeason) {
    Finish_Test_Season();
    // The coming draft's class file, without a player: the pool is generated.
    const std::string class_file = "databases/rookies-" + std::to_string(Get_Current_Year() + 1) + ".dat";
    std::filesystem::create_directories("databases");
    { std::ofstream create(class_file, std::ios::binary); }
    std::filesystem::resize_file(class_file, DRAFT_CLASS_FILE_SIZE);
    Seed_Random_Numbers(77);
    Create_College_Draft_Pool();
    std::filesystem::remove(class_file);
    ASSERT_EQ(Count_Draft_Pool_Players(), 291);
    Set_User_Preference(MULTI_SEASON_SIMULATION, 1);
    Finish_Off_Season();
    Set_User_Preference(MULTI_SEASON_SIMULATION, 0);

    EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), 0) << "the draft's end sets up the 2021 season";
    EXPECT_EQ(Get_User_Preference(DRAFT_ROUND), NO_COLLEGE_DRAFT_ROUND);
    EXPECT_EQ(Count_Draft_Pool_Players(), 0) << "the undrafted became free agents";
    EXPECT_TRUE(Get_Shown_Messages().empty());
    const std::map<int32_t, std::vector<int32_t>> picks = Drafted_Picks();
    int32_t drafted = 0;
    for (int32_t team = 0; team < TEAMS; ++team) {
        // The worst team (31) picks first in every round.
        std::vector<int32_t> expected;
        for (int32_t round = 0; round < 7; ++round)
            expected.push_back(round * TEAMS + (TEAMS - 1 - team) + 1);
        const auto found = picks.find(team);
        ASSERT_NE(found, picks.end()) << "team " << team;
        EXPECT_EQ(found->second, expected) << "team " << team;
        drafted += static_cast<int32_t>(found->second.size());
    }
    EXPECT_EQ(drafted, 7 * TEAMS);

    const std::vector<std::string> report = Read_Report();
    ASSERT_EQ(report.size(), 2u + 7u * (2u + TEAMS)) << "title, then each round's header and picks";
    EXPECT_EQ(report[1], "               2021 COLLEGE DRAFT");
    EXPECT_EQ(report[3], "================= First ROUND =================");
    EXPECT_EQ(report[3 + 2 * (2 + TEAMS)], "================= Third ROUND =================");
    char nickname[TEAM_STRING_LENGTH + 1];
    Get_Team_String(nickname, 31, 2);
    EXPECT_EQ(report[4].substr(0, 1 + strlen(nickname)), std::string(" ") + nickname);
}

TEST(CollegeDraft, SmallPoolEndsTheDraftOnceWhenItEmpties) {
    Finish_Test_Season();
    Fill_Pool(5);
    for (int32_t round = 0; round < DRAFT_ROUNDS; ++round)
        for (int32_t team = 0; team < TEAMS; ++team)
            Set_Draft_Pick_Owner(1, round, team, (team + 1) % TEAMS);
    Finish_Off_Season();
    ASSERT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "College Draft");
    EXPECT_EQ(
        Get_Shown_Messages()[0].Text.rfind("The College Draft has ended because the draft pool is empty.", 0),
        0u);
    EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), 0);
    EXPECT_EQ(Get_Draft_Pick_Owner(0, 3, 7), 8) << "the picks moved on one year, once";
    EXPECT_EQ(Get_Draft_Pick_Owner(1, 3, 7), 7);
    std::map<int32_t, std::vector<int32_t>> picks = Drafted_Picks();
    int32_t drafted = 0;
    for (const auto& entry : picks)
        drafted += static_cast<int32_t>(entry.second.size());
    EXPECT_EQ(drafted, 5);

    // Asking again finds no draft and sets nothing up.
    Clear_Shown_Messages();
    EXPECT_FALSE(Is_College_Draft_Running());
    EXPECT_TRUE(Get_Shown_Messages().empty());
    EXPECT_EQ(Get_Draft_Pick_Owner(0, 3, 7), 8);
}

// The new season the draft's end sets up reads the installation's team
// records: without that file the user is told to install the game again.
TEST(CollegeDraft, TheNewSeasonWithoutTheTeamRecordsFileSaysSo) {
    Finish_Test_Season();
    Fill_Pool(5);
    std::filesystem::remove(TEAM_RECORDS_FILE);
    Finish_Off_Season();
    EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), 0) << "the 2021 season is set up all the same";
    ASSERT_EQ(Get_Shown_Messages().size(), 2u);
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "College Draft");
    EXPECT_EQ(Get_Shown_Messages()[1].Caption, "Read Error");
    EXPECT_EQ(Get_Shown_Messages()[1].Text,
              std::string("Unable to open ") + TEAM_RECORDS_FILE + ". Please re-install Football Korva.");
}

TEST(CollegeDraft, ThePickThatEmptiesThePoolEndsTheDraftItself) {
    Finish_Test_Season();
    Fill_Pool(1);
    Set_College_Draft_Order();
    Set_User_Preference(DRAFT_ROUND, 0);
    Set_User_Preference(DRAFT_PICK, 0);
    Start_College_Draft_Report();
    Make_Current_Draft_Pick();
    // Over before anything else looks at it: no query is left to end it.
    EXPECT_EQ(Get_User_Preference(DRAFT_ROUND), NO_COLLEGE_DRAFT_ROUND);
    EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), 0) << "the new season is set up";
    ASSERT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "College Draft");

    // Starting a draft over an empty pool ends it the same way, once, and the
    // draft then brings its board up over the new season's standings.
    Set_User_Preference(CURRENT_WEEK, 100);
    Clear_Shown_Messages();
    Finish_Off_Season();
    EXPECT_EQ(Get_User_Preference(DRAFT_ROUND), NO_COLLEGE_DRAFT_ROUND);
    EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), 0);
    EXPECT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_EQ(Get_User_Preference(CURRENT_VIEW), 40070);
}

TEST(CollegeDraft, QueriesAndPoolUpkeepLeaveARunningDraftAlone) {
    Finish_Test_Season();
    Fill_Pool(40);
    Set_User_Preference(DRAFT_ROUND, 2);
    Set_User_Preference(DRAFT_PICK, 5);
    std::vector<int32_t> ids;
    for (int32_t slot = 0; slot < 40; ++slot)
        ids.push_back(Get_Player_ID(POOL, slot));
    Create_College_Draft_Pool();
    for (int32_t slot = 0; slot < 40; ++slot)
        EXPECT_EQ(Get_Player_ID(POOL, slot), ids[static_cast<size_t>(slot)])
            << "the running draft's pool is kept";
    EXPECT_EQ(Count_Draft_Pool_Players(), 40);

    // With the pool found empty, the pick queries neither end the draft nor set
    // up a season; only the draft's own test does.
    for (int32_t team = POOL; team < TOTAL_NUMBER_OF_TEAMS; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
            Clear_Player(team, slot);
    int32_t year = 0, round = 0, issuer = 0;
    EXPECT_TRUE(Find_Team_Draft_Pick(4, 0, &year, &round, &issuer));
    EXPECT_EQ(Count_Team_Draft_Picks(4), 7);
    EXPECT_EQ(Get_Team_Record_Char(4, RECORD_CHAR_WINS), 0) << "this season's record, the draft being over";
    EXPECT_EQ(Get_User_Preference(DRAFT_ROUND), 2);
    EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), 100);
    EXPECT_TRUE(Get_Shown_Messages().empty());
    EXPECT_FALSE(Is_College_Draft_Running());
    EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), 0);

    // Outside the off-season a draft round left below 7 with no pool is put
    // back quietly.
    Set_User_Preference(CURRENT_WEEK, 5);
    Set_User_Preference(DRAFT_ROUND, 0);
    Clear_Shown_Messages();
    EXPECT_FALSE(Is_College_Draft_Running());
    EXPECT_EQ(Get_User_Preference(DRAFT_ROUND), NO_COLLEGE_DRAFT_ROUND);
    EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), 5);
    EXPECT_TRUE(Get_Shown_Messages().empty());
}

class CollegeDraftWindow : public FrameTest {};

// The draft takes the status bar and the news ticker down while it runs; the
// new season it sets up puts them up again.
TEST_F(CollegeDraftWindow, StatusBarIsDownDuringTheDraftAndBackForTheNewSeason) {
    Start_Frame_Without_Loop();
    Finish_Test_Season();
    Set_User_Preference(SHOW_NEWS_TICKER, 1);
    Create_Status_Bar();
    ASSERT_TRUE(Status_Bar_Exists());
    ASSERT_TRUE(News_Ticker_Exists());
    Fill_Pool(60);
    Set_Team_Stat(5, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Finish_Off_Season();
    ASSERT_LT(Get_User_Preference(DRAFT_ROUND), NO_COLLEGE_DRAFT_ROUND) << "team 5 is on the clock";
    EXPECT_FALSE(Status_Bar_Exists());
    EXPECT_FALSE(News_Ticker_Exists());

    Script_Message_Answer("End College Draft?", ID_BOX_YES);
    End_College_Draft_Command();
    EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), 0);
    EXPECT_TRUE(Status_Bar_Exists());
    EXPECT_TRUE(News_Ticker_Exists());
}

// When the user's team is on the clock the draft board is up: the first round
// brings it up, and a board already up is painted afresh, in the first round
// as in any later one.
TEST_F(CollegeDraftWindow, TheUserOnTheClockFindsTheBoardUpAndPaintedAfresh) {
    constexpr int32_t DRAFT_BOARD = 40070, STANDINGS = 40030, STALE_VIEW = 12345;
    Start_Frame_Without_Loop();
    Finish_Test_Season();
    Fill_Pool(60);
    Set_College_Draft_Order();
    const int32_t first = Get_Draft_Order_Team(0);
    Set_Team_Stat(first, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Finish_Off_Season();
    ASSERT_EQ(Get_User_Preference(DRAFT_ROUND), 0);
    ASSERT_EQ(Get_User_Preference(DRAFT_PICK), 0);
    ASSERT_EQ(Get_Current_View(), DRAFT_BOARD);
    EXPECT_EQ(Get_User_Team(), first);

    for (const int32_t round : {0, 3}) {
        Set_User_Preference(DRAFT_ROUND, round);
        Set_Last_Painted_View(STALE_VIEW);
        Clear_Shown_Messages();
        Prompt_User_Draft_Pick();
        EXPECT_NE(Get_Last_Painted_View(), STALE_VIEW)
            << "the board is painted afresh in round " << round + 1;
        EXPECT_EQ(Get_Current_View(), DRAFT_BOARD);
        ASSERT_EQ(Get_Shown_Messages().size(), 1u);
        EXPECT_EQ(Get_Shown_Messages()[0].Caption, "Round " + std::to_string(round + 1) + ": Pick #1");
        char name[64];
        Get_Team_Full_Name(first, name);
        EXPECT_EQ(Get_Shown_Messages()[0].Text,
                  std::string(name) +
                      ": Make your draft pick.\n\n(Choose 'College Draft' from 'Players' menu.)");
    }

    // Another view: the first round brings the board up, a later round leaves it.
    Set_User_Preference(DRAFT_ROUND, 0);
    Set_Current_View(STANDINGS);
    Prompt_User_Draft_Pick();
    EXPECT_EQ(Get_Current_View(), DRAFT_BOARD);
    Set_User_Preference(DRAFT_ROUND, 3);
    Set_Current_View(STANDINGS);
    Prompt_User_Draft_Pick();
    EXPECT_EQ(Get_Current_View(), STANDINGS);
}
