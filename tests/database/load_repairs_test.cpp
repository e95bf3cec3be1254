#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "app/main_menu.h"
#include "database/league_structure.h"
#include "database/load_repairs.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/safe_strings.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/team_results.h"
#include "database/universe.h"
#include "engine/game_record.h"
#include "personnel/college_draft_flow.h"
#include "personnel/draft_state.h"
#include "platform/menus.h"
#include "platform/message_box.h"
#include "season/season_calendar.h"
#include "season/week_advance.h"
#include "support/debug_log.h"
#include "support/game_runner.h"
#include "support/old_saved_games.h"
#include "support/played_season.h"
#include "support/scratch_folder.h"
#include "support/test_league.h"

namespace {
using BYTES = std::vector<uint8_t>;

BYTES Copy_Block() {
    return BYTES(Universe_Bytes(), Universe_Bytes() + UNIVERSE_SIZE);
}

// Saves the block and gives the file the four version digits of an older file.
void Save_As_Version(const char* name, const char* digits) {
    ASSERT_EQ(Save_Game(name, nullptr), SAVE_OK);
    FILE* file = fopen(name, "r+b");
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(fseek(file, 13, SEEK_SET), 0);
    ASSERT_EQ(fwrite(digits, 1, 4, file), 4u);
    fclose(file);
}

// Marks that each row of the repair table changes, so a load shows which rows ran.
struct MARKED_LEAGUE {
    int32_t Tight_End_Slot;
};

MARKED_LEAGUE Build_Marked_League() {
    Build_Test_League();
    Universe.Tail.All_Time_Leaders[500] = 9;
    Set_User_Preference(COMPUTER_OFFERS_TRADES, 1);
    Set_User_Preference(AUTO_FILL_ROSTERS, 0);
    Set_User_Preference(OVERTIME_MINUTES, 12);
    Set_User_Preference(MISSED_FIELD_GOAL_SPOT, 7);
    Set_User_Preference(TWO_POINT_CONVERSION_RULE, 5);
    Set_Skin_Name("ice");
    for (int n = 65; n <= 69; ++n)
        Set_User_Preference(n, 3);
    Universe.Header.Require_Click_After_Each_Play = 0;
    const int32_t tight_end = Test_League_Slot(POSITION_TE, 0);
    Set_Player_Rating(3, tight_end, RATING_RECEIVING, 60.0f);
    Set_Player_Rating(3, tight_end, RATING_QUICKNESS, 50.0f);
    Set_Player_Rating(3, tight_end, RATING_RED_ZONE, 33.0f);
    return {tight_end};
}

char Skin_Initial() {
    return Universe.Header.Skin_Name[0];
}

size_t First_Difference(const BYTES& a, const BYTES& b) {
    size_t n = 0;
    while (n < a.size() && n < b.size() && a[n] == b[n])
        ++n;
    return n;
}

// Saves the league as the game stands, resumes the file and saves it again:
// the league the load leaves and the file saved back are what was written.
void Expect_Resume_Keeps_Every_Byte(const char* moment) {
    SCOPED_TRACE(moment);
    ASSERT_EQ(Save_Game("written.kor", nullptr), SAVE_OK);
    const BYTES written = Copy_Block();
    ASSERT_EQ(Load_Game("written.kor"), 1);
    EXPECT_EQ(First_Difference(written, Copy_Block()), UNIVERSE_SIZE) << "the first byte the load changed";
    ASSERT_EQ(Save_Game("saved_back.kor", nullptr), SAVE_OK);
    EXPECT_TRUE(Read_Bytes_Of_File("written.kor") == Read_Bytes_Of_File("saved_back.kor"))
        << "the file saved back differs from the one resumed";
}

// The block's bytes outside the college draft pool: the records of teams
// 38-40, the season lines their players link to, and the stored checksum of
// the team records.
BYTES Copy_Block_Outside_Draft_Pool() {
    BYTES bytes = Copy_Block();
    auto offset_of = [](const void* field) {
        return static_cast<long>(static_cast<const uint8_t*>(field) - Universe_Bytes());
    };
    auto blank = [&](const void* field, size_t size) {
        std::fill(bytes.begin() + offset_of(field),
                  bytes.begin() + offset_of(field) + static_cast<long>(size), uint8_t{0});
    };
    blank(&Universe.User_Preferences.Ints[GAME_CHECKSUM], sizeof(int32_t));
    for (int32_t team = FIRST_COLLEGE_POOL_TEAM; team < TOTAL_NUMBER_OF_TEAMS; ++team) {
        for (const PLAYER_RECORD& player : Universe.Teams[team].Players)
            for (int32_t line : player.Season_Line_Links)
                if (line >= 0 && line < MAX_SEASON_LINES)
                    blank(&Universe.Season_Lines[line], sizeof(SEASON_LINE));
        blank(&Universe.Teams[team], sizeof(TEAM_RECORD));
    }
    return bytes;
}

// Saves the league a week into a season whose draft pool the game keeps
// empty until the season ends: the resume makes next year's class (its
// players and their college lines), and changes nothing else but the
// checksum that the saved game keeps of the teams. A resume of the file
// saved then keeps every byte.
void Expect_Resume_Adds_Only_The_Draft_Class(const char* moment) {
    SCOPED_TRACE(moment);
    ASSERT_EQ(Count_Draft_Pool_Players(), 0) << "the season keeps no pool";
    ASSERT_EQ(Save_Game("written.kor", nullptr), SAVE_OK);
    const BYTES written = Copy_Block();
    ASSERT_EQ(Load_Game("written.kor"), 1);
    EXPECT_GT(Count_Draft_Pool_Players(), 0) << "the load made next year's class";
    const BYTES loaded = Copy_Block_Outside_Draft_Pool();
    const BYTES resumed = Copy_Block();
    std::memcpy(Universe_Bytes(), written.data(), UNIVERSE_SIZE);
    const BYTES before = Copy_Block_Outside_Draft_Pool();
    std::memcpy(Universe_Bytes(), resumed.data(), UNIVERSE_SIZE);
    EXPECT_EQ(First_Difference(before, loaded), before.size()) << "the first byte the load changed";
    Expect_Resume_Keeps_Every_Byte("the resumed game saved again");
}

// Backs, receivers, tight ends and quarterbacks whose Speed age or injury
// took below 40.
int32_t Count_Slow_Skill_Players() {
    int32_t slow = 0;
    For_Each_League_Player([&](int32_t team, int32_t slot) {
        const PLAYER_RECORD& player = Universe.Teams[team].Players[slot];
        const int32_t position = player.Vital_Stats[VITAL_POSITION];
        if (position >= POSITION_QB && position <= POSITION_WR && player.Ratings[RATING_SPEED] < 40.0f)
            ++slow;
    });
    return slow;
}

// Wins of the current season's record and of the finished games the league holds.
int32_t Count_Recorded_Wins() {
    int32_t wins = 0;
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team)
        if (Is_Active_Team(team)) wins += Get_Team_Wins(team);
    return wins;
}

int32_t Count_Won_Games() {
    int32_t wins = 0;
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team)
        if (Is_Active_Team(team)) wins += Count_Team_Results(team, RESULT_KIND_WINS, RESULTS_ANY_OPPONENT);
    return wins;
}
} // namespace

// Whenever the user saves, resuming that game and saving it again writes the
// same file: a week into the season (the new game's load made its draft
// pool), at its end, in the off-season and during the college draft. In the
// season after the draft, whose pool the game keeps empty, the resume makes
// next year's class and changes nothing else.
TEST(LoadRepairs, SavesTheGameWroteResumeToTheSameBytes) {
    const PLAYING_FOLDER playing("resumed-saves");
    // A new game begins from a league the game loaded.
    Start_Played_Season(17);
    ASSERT_EQ(Save_Game("new_game.kor", nullptr), SAVE_OK);
    ASSERT_EQ(Load_Game("new_game.kor"), 1);

    Advance_Weeks(3);
    ASSERT_GT(Count_Slow_Skill_Players(), 0) << "the weeks played slowed no skill player below 40";
    // The user turned "Require Click After Each Play" off in the Options.
    Universe.Header.Require_Click_After_Each_Play = 0;
    Expect_Resume_Keeps_Every_Byte("a week save");

    Advance_Weeks(22);
    Advance_Weeks(22);
    ASSERT_TRUE(Is_Champion_Decided());
    Expect_Resume_Keeps_Every_Byte("the season's end");

    Advance_Weeks(1);
    ASSERT_EQ(Get_User_Preference(CURRENT_WEEK), 100);
    ASSERT_GT(Count_Won_Games(), 0) << "the off-season holds the games of the season that ended";
    EXPECT_EQ(Count_Recorded_Wins(), 0) << "the next season has no record before it plays";
    Expect_Resume_Keeps_Every_Byte("the off-season");
    EXPECT_EQ(Count_Recorded_Wins(), 0) << "last season's record stays in its own row";

    // The draft stops while a human team is on the clock.
    const int32_t human = 5;
    Set_Team_Stat(human, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Finish_Off_Season();
    ASSERT_TRUE(Is_College_Draft_Running());
    Expect_Resume_Keeps_Every_Byte("the college draft");
    Set_Team_Stat(human, TEAM_STAT_CONTROL, TEAM_CONTROL_COMPUTER);
    Run_College_Draft();

    Advance_Weeks(3);
    Expect_Resume_Adds_Only_The_Draft_Class("a week of the next season");
}

// The repairs of what older versions left behind still mend their files; the
// missing draft pool is made for this version's files too.
TEST(LoadRepairs, OlderFilesStillGetTheRatingAndDraftPoolRepairs) {
    const int32_t back = Test_League_Slot(POSITION_RB, 0);
    const int32_t guard = Test_League_Slot(POSITION_G, 0);
    // Names single out the players, as loads put the teams in name order.
    auto save_slow_players = [&](const char* digits) {
        Build_Test_League();
        safe_strncpy(Universe.Teams[3].Players[back].Last_Name, "Slowback", 20);
        safe_strncpy(Universe.Teams[3].Players[guard].Last_Name, "Slowguard", 20);
        Set_Player_Rating(3, back, RATING_SPEED, 24.5f);
        Set_Player_Rating(3, guard, RATING_SPEED, 12.0f);
        // A week of the season without a draft pool.
        Universe.Season_Length = 17;
        Set_User_Preference(CURRENT_WEEK, 4);
        for (int32_t team = FIRST_COLLEGE_POOL_TEAM; team < TOTAL_NUMBER_OF_TEAMS; ++team)
            memset(Universe.Teams[team].Players, 0, sizeof Universe.Teams[team].Players);
        Save_As_Version("slow.kor", digits);
    };
    auto speed_of = [](const char* last_name) {
        float speed = -1.0f;
        For_Each_League_Player([&](int32_t team, int32_t slot) {
            const PLAYER_RECORD& player = Universe.Teams[team].Players[slot];
            if (strcmp(player.Last_Name, last_name) == 0) speed = player.Ratings[RATING_SPEED];
        });
        return speed;
    };
    save_slow_players("2002");
    ASSERT_EQ(Load_Game("slow.kor"), 1);
    EXPECT_EQ(speed_of("Slowback"), 24.5f) << "this version's file keeps its slow back";
    EXPECT_EQ(speed_of("Slowguard"), 12.0f);
    EXPECT_GT(Count_Draft_Pool_Players(), 0) << "a missing pool is made for every file's season";

    save_slow_players("1990");
    ASSERT_EQ(Load_Game("slow.kor"), 1);
    EXPECT_EQ(speed_of("Slowback"), 54.0f) << "a skill player below 40 gains 30";
    EXPECT_EQ(speed_of("Slowguard"), 20.0f) << "Speed below 20 is raised to 20";
    EXPECT_GT(Count_Draft_Pool_Players(), 0) << "a pool is made for the season";
}

// A season index that holds a year is an index again before the repairs read
// the teams' history with it: the season's record is rebuilt in its own row
// and nothing is logged.
TEST(LoadRepairs, YearInTheSeasonIndexIsConvertedBeforeTheRecordsAreRebuilt) {
    Build_Played_Season(17);
    const int32_t year = Get_Current_Year();
    // By the team's name: loads put the teams in name order.
    auto wins_by_team = [] {
        std::map<std::string, int32_t> wins;
        for (int32_t team = 0; team < MAX_FRANCHISES; ++team)
            if (Is_Active_Team(team))
                wins[std::string(Universe.Teams[team].Strings[0]) + Universe.Teams[team].Strings[1]] =
                    Get_Team_Wins(team);
        return wins;
    };
    const std::map<std::string, int32_t> played = wins_by_team();
    ASSERT_GT(Count_Recorded_Wins(), 0);
    // Older files kept the year counted from 1900 in the index.
    Set_User_Preference(CURRENT_SEASON_INDEX, year - 1900);
    ASSERT_EQ(Save_Game("year_index.kor", nullptr), SAVE_OK);
    Clear_Debug_Log();
    ASSERT_EQ(Load_Game("year_index.kor"), 1);
    EXPECT_EQ(Get_Current_Year(), year);
    EXPECT_EQ(Get_User_Preference(CURRENT_SEASON_INDEX), year - 1998);
    EXPECT_TRUE(wins_by_team() == played) << "the season's record is rebuilt in the year's row";
    EXPECT_EQ(Count_Debug_Lines("Invalid nYear"), 0) << Read_Debug_Log_Text();
}

TEST(LoadRepairs, NewerFileRunsOnlyItsBranchRows) {
    // Files of 2180-7799 are read through the layout converters; the repairs
    // that follow the conversion are run here on the block as it stands.
    Build_Marked_League();
    Set_User_Preference(DRAFT_ROUND, 2);
    Run_Post_Load_Repairs(2500);
    EXPECT_EQ(Universe.Tail.All_Time_Leaders[500], 0) << "all-time leaders zeroed below 2502";
    EXPECT_EQ(Get_User_Preference(DRAFT_ROUND), 7);
    EXPECT_EQ(Get_User_Preference(COMPUTER_OFFERS_TRADES), 0);
    EXPECT_EQ(Get_User_Preference(AUTO_FILL_ROSTERS), 1);
    EXPECT_STREQ(Universe.Header.Skin_Name, "earth");
    EXPECT_EQ(Get_User_Preference(OVERTIME_MINUTES), 10) << "league rules of 2020 from the year tables";
    EXPECT_EQ(Get_User_Preference(TWO_POINT_CONVERSION_RULE), 1);
    EXPECT_EQ(Get_User_Preference(PLAYOFF_OVERTIME_RULE), 3);
    EXPECT_EQ(Get_User_Preference(KICKOFF_SPOT_CODE), 1);
    EXPECT_EQ(Get_User_Preference(65), 3) << "rows of the older branch do not run";
    EXPECT_EQ(Universe.Header.Require_Click_After_Each_Play, 0);
    EXPECT_EQ(Get_User_Preference(MISSED_FIELD_GOAL_SPOT), 0) << "every year rule of a 2180-7699 file";

    Build_Marked_League();
    Save_As_Version("v8000.kor", "8000");
    ASSERT_EQ(Load_Game("v8000.kor"), 1);
    EXPECT_EQ(Get_User_Preference(AUTO_FILL_ROSTERS), 1) << "below 8030";
    EXPECT_EQ(Get_User_Preference(TWO_POINT_CONVERSION_RULE), 1) << "below 8020";
    EXPECT_STREQ(Universe.Header.Skin_Name, "earth") << "below 8510";
    EXPECT_EQ(Universe.Tail.All_Time_Leaders[500], 9) << "not below 2502";
    EXPECT_EQ(Get_User_Preference(COMPUTER_OFFERS_TRADES), 1) << "not below 5140";
    EXPECT_EQ(Get_User_Preference(OVERTIME_MINUTES), 12) << "not below 7700";

    Build_Marked_League();
    Save_As_Version("v8600.kor", "8600");
    ASSERT_EQ(Load_Game("v8600.kor"), 1);
    EXPECT_EQ(Get_User_Preference(TWO_POINT_CONVERSION_RULE), 5);
    EXPECT_EQ(Universe.Tail.All_Time_Leaders[500], 9);
    EXPECT_EQ(Get_User_Preference(COMPUTER_OFFERS_TRADES), 1);
    EXPECT_EQ(Get_User_Preference(AUTO_FILL_ROSTERS), 0);
    EXPECT_EQ(Skin_Initial(), 'i');
    EXPECT_EQ(Get_User_Preference(OVERTIME_MINUTES), 12);
    EXPECT_EQ(Get_User_Preference(65), 3);
}

TEST(LoadRepairs, OlderFileRunsOnlyItsBranchRows) {
    const MARKED_LEAGUE marked = Build_Marked_League();
    Save_As_Version("v1500.kor", "1500");
    ASSERT_EQ(Load_Game("v1500.kor"), 1);
    // Teams are sorted by name on load; the tight end's team keeps its name.
    int32_t team = -1;
    for (int32_t t = 0; t < TEST_LEAGUE_TEAMS && team < 0; ++t)
        if (std::fabs(Get_Player_Rating(t, marked.Tight_End_Slot, RATING_QUICKNESS) - 50.0f) < 0.01f &&
            std::fabs(Get_Player_Rating(t, marked.Tight_End_Slot, RATING_RECEIVING) - 60.0f) < 0.01f)
            team = t;
    ASSERT_GE(team, 0);
    EXPECT_FLOAT_EQ(Get_Player_Rating(team, marked.Tight_End_Slot, RATING_RED_ZONE), 56.5f)
        << "red-zone repair below 1507";
    EXPECT_EQ(Get_User_Preference(OVERTIME_MINUTES), 12) << "overtime length only below 1410";
    EXPECT_EQ(Get_User_Preference(MISSED_FIELD_GOAL_SPOT), 0) << "missed field goal spot below 1605";
    EXPECT_EQ(Universe.Tail.All_Time_Leaders[500], 9) << "rows of the newer branch do not run";
    EXPECT_EQ(Get_User_Preference(COMPUTER_OFFERS_TRADES), 1);
    EXPECT_EQ(Get_User_Preference(AUTO_FILL_ROSTERS), 0);
    EXPECT_EQ(Skin_Initial(), 'i');
    EXPECT_EQ(Get_User_Preference(TWO_POINT_CONVERSION_RULE), 5);
    for (int n = 65; n <= 69; ++n)
        EXPECT_EQ(Get_User_Preference(n), 20) << "setting " << n;
    EXPECT_EQ(Universe.Header.Require_Click_After_Each_Play, 1);
}

TEST(LoadRepairs, OwnFilesRunOnlyTheAlwaysAndNewestOldRows) {
    const MARKED_LEAGUE marked = Build_Marked_League();
    ASSERT_EQ(Save_Game("own.kor", nullptr), SAVE_OK);
    ASSERT_EQ(Load_Game("own.kor"), 1);
    for (int32_t t = 0; t < TEST_LEAGUE_TEAMS; ++t)
        EXPECT_NE(Get_Player_Rating(t, marked.Tight_End_Slot, RATING_RED_ZONE), 56.5f) << "team " << t;
    EXPECT_EQ(Universe.Tail.All_Time_Leaders[500], 9);
    EXPECT_EQ(Get_User_Preference(COMPUTER_OFFERS_TRADES), 1);
    EXPECT_EQ(Get_User_Preference(OVERTIME_MINUTES), 12);
    EXPECT_EQ(Get_User_Preference(MISSED_FIELD_GOAL_SPOT), 7);
    EXPECT_EQ(Get_User_Preference(TWO_POINT_CONVERSION_RULE), 5);
    EXPECT_EQ(Skin_Initial(), 'i');
    EXPECT_EQ(Get_User_Preference(65), 20);
    EXPECT_EQ(Universe.Header.Require_Click_After_Each_Play, 0) << "the user's own choice is kept";
    EXPECT_EQ(Get_User_Preference(MULTI_SEASON_SIMULATION), 0);
}

TEST(LoadRepairs, CorruptYearIsClampedIntoTheCalendar) {
    for (const int32_t base_year : {INT32_MAX - 3, INT32_MIN + 3}) {
        SCOPED_TRACE(base_year);
        Build_Test_League();
        Universe.Header.Universe_Stats[BASE_YEAR] = base_year;
        Set_User_Preference(CURRENT_SEASON_INDEX, base_year > 0 ? 50 : -50);
        Set_User_Preference(REGULAR_SEASON_OVERTIME_RULE, 0);
        Set_Player_Vital_Stat(4, 0, VITAL_BIRTH_DATE, 19950614);
        const int32_t player_id = Get_Player_Vital_Stat(4, 0, VITAL_PLAYER_ID);
        // Below 1101 the overtime rule follows the year; below 1904 the birth years are repaired.
        Save_As_Version("corrupt_year.kor", "1000");
        ASSERT_EQ(Load_Game("corrupt_year.kor"), 1);
        const int32_t year = base_year > 0 ? MAX_CALENDAR_YEAR : MIN_CALENDAR_YEAR;
        EXPECT_EQ(Get_Current_Year(), year);
        EXPECT_EQ(Get_User_Preference(REGULAR_SEASON_OVERTIME_RULE), base_year > 0 ? 1 : 0);
        int32_t born = 0;
        for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
            for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
                if (Is_Player_Slot_Used(team, slot) &&
                    Get_Player_Vital_Stat(team, slot, VITAL_PLAYER_ID) == player_id)
                    born = Get_Player_Vital_Stat(team, slot, VITAL_BIRTH_DATE);
        if (base_year > 0) {
            EXPECT_EQ(born, (year - 22) * 10000 + 614) << "born 22 years before the clamped year";
        } else {
            // In year 0 every birth date reads as damaged and is rebuilt from the seasons played,
            // still within the calendar and without overflow.
            EXPECT_GE(born, (year - 100) * 10000);
            EXPECT_LE(born, year * 10000);
        }
    }
}

TEST(LoadRepairs, EveryLoadRemovesPlayersWithoutAPosition) {
    // Slot of a player id on a franchise, -1 when nobody holds it (loads sort
    // the teams by name and may set the depth charts).
    auto find = [](int32_t id, int32_t* team) {
        for (int32_t t = 0; t < TEST_LEAGUE_TEAMS; ++t)
            for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
                if (Universe.Teams[t].Players[slot].Vital_Stats[VITAL_PLAYER_ID] == id) {
                    *team = t;
                    return slot;
                }
        return -1;
    };
    for (const char* digits : {"2002", "1500", "8000", "8600"}) {
        SCOPED_TRACE(digits);
        Build_Test_League();
        const int32_t id_kept = Universe.Teams[0].Players[8].Vital_Stats[VITAL_PLAYER_ID];
        const int32_t id_removed = Universe.Teams[0].Players[7].Vital_Stats[VITAL_PLAYER_ID];
        auto count = [](int32_t t) {
            int32_t used = 0;
            for (const auto& player : Universe.Teams[t].Players)
                if (player.Vital_Stats[VITAL_PLAYER_ID] != 0) ++used;
            return used;
        };
        const int32_t players = count(0);
        Universe.Teams[0].Players[7].Vital_Stats[VITAL_POSITION] = 15;
        Universe.Teams[36].Players[0].Vital_Stats[VITAL_PLAYER_ID] = 999001;
        Universe.Teams[36].Players[0].Vital_Stats[VITAL_POSITION] = -3;
        Save_As_Version("positions.kor", digits);
        ASSERT_EQ(Load_Game("positions.kor"), 1);
        int32_t team = -1;
        EXPECT_LT(find(id_removed, &team), 0) << "position 15 removed";
        ASSERT_GE(find(id_kept, &team), 0);
        EXPECT_EQ(count(team), players - 1) << "the others stay";
        EXPECT_EQ(Get_First_Empty_Player_Slot(team), players - 1) << "the roster closes up";
        EXPECT_EQ(Universe.Teams[36].Players[0].Vital_Stats[VITAL_PLAYER_ID], 0) << "a negative code too";
    }
}

TEST(LoadRepairs, ScheduleRebuildSkipsGameIndicesOutsideTheRecords) {
    Build_Test_League();
    const BYTES before = Copy_Block();
    Universe.Teams[2].Schedule[0].Values[0] = -6;
    Universe.Teams[2].Schedule[0].Values[3] = 10;
    Universe.Teams[2].Schedule[1].Values[0] = 4;
    Universe.Teams[2].Schedule[1].Values[3] = 11;
    Universe.Teams[2].Schedule[2].Values[0] = 4;
    Universe.Teams[2].Schedule[2].Values[3] = 300;
    Universe.Teams[2].Schedule[3].Values[0] = 4;
    Universe.Teams[2].Schedule[3].Values[3] = -5;
    Universe.Teams[33].Schedule[0].Values[0] = 1;
    Universe.Teams[33].Schedule[0].Values[3] = 12;
    const uint8_t game_12[2] = {Universe.Games[12].Team[0], Universe.Games[12].Team[1]};

    Rebuild_Game_Teams_From_Schedules();
    EXPECT_EQ(Universe.Games[10].Team[0], 2);
    EXPECT_EQ(Universe.Games[10].Team[1], 5);
    EXPECT_EQ(Universe.Games[11].Team[0], 3);
    EXPECT_EQ(Universe.Games[11].Team[1], 2);
    EXPECT_EQ(Universe.Games[12].Team[0], game_12[0]) << "unused franchise slots are skipped";
    EXPECT_EQ(Universe.Games[12].Team[1], game_12[1]);
    EXPECT_EQ(memcmp(before.data() + offsetof(UNIVERSE_STATE, User_Preferences),
                     Universe_Bytes() + offsetof(UNIVERSE_STATE, User_Preferences), 1200),
              0)
        << "index 300 must not write past the game records";
}

TEST(LoadRepairs, LoadSaveLoadIsStable) {
    Build_Test_League();
    Save_As_Version("first.kor", "8000");
    ASSERT_EQ(Load_Game("first.kor"), 1);
    ASSERT_EQ(Save_Game("second.kor", nullptr), SAVE_OK);
    ASSERT_EQ(Load_Game("second.kor"), 1);
    const BYTES second = Copy_Block();
    ASSERT_EQ(Save_Game("third.kor", nullptr), SAVE_OK);
    memset(Universe_Bytes(), 0x3C, UNIVERSE_SIZE);
    ASSERT_EQ(Load_Game("third.kor"), 1);
    size_t first_difference = 0;
    while (first_difference < UNIVERSE_SIZE && second[first_difference] == Universe_Bytes()[first_difference])
        ++first_difference;
    EXPECT_EQ(first_difference, UNIVERSE_SIZE) << "first changed byte at block offset " << first_difference;
}

TEST(LoadRepairs, FinishedLoadClearsTheGameAndNamesTheDraftMenu) {
    Build_Test_League();
    Universe.Header.Universe_Stats[FANTASY_DRAFT_FLAG] = 1;
    ASSERT_EQ(Save_Game("fantasy.kor", nullptr), SAVE_OK);
    Current_Game = &Universe.Games[3];
    ASSERT_EQ(Load_Game("fantasy.kor"), 1);
    EXPECT_EQ(Current_Game, nullptr);
    EXPECT_EQ(Get_Menu_Command_Text(Get_Main_Menu(), ID_FANTASY_DRAFT), "&End Fantasy Draft...");
    EXPECT_EQ(Active_Team_Count, TEST_LEAGUE_TEAMS);

    Universe.Header.Universe_Stats[FANTASY_DRAFT_FLAG] = 0;
    ASSERT_EQ(Save_Game("college.kor", nullptr), SAVE_OK);
    ASSERT_EQ(Load_Game("college.kor"), 1);
    EXPECT_EQ(Get_Menu_Command_Text(Get_Main_Menu(), ID_FANTASY_DRAFT), "&Fantasy Draft...");

    Set_User_Preference(CURRENT_VIEW, 40030);
    Clear_Shown_Messages();
    EXPECT_EQ(Load_Game("no_such_game.kor"), 0);
    EXPECT_EQ(Get_User_Preference(CURRENT_VIEW), 0) << "a failed load shows view 0";
}

TEST(LoadRepairs, OldSeasonRepairRunsOnlyForItsCorruptWeek) {
    // The one 32-bit week w with 7w + 249 = 100 after wrapping.
    const uint32_t inverse_of_7 = 0xB6DB6DB7u;
    const int32_t corrupt_week = static_cast<int32_t>((0u - 149u) * inverse_of_7);
    ASSERT_EQ(7u * static_cast<uint32_t>(corrupt_week) + 249u, 100u);

    Build_Test_League();
    Universe.Teams[1].Players[0].Season_Stats[0][1] = 4;
    Set_User_Preference(CURRENT_SEASON_INDEX, 3);
    Set_User_Preference(CURRENT_WEEK, corrupt_week);
    Run_Post_Load_Repairs(1900);
    EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), 0) << "files from 1803 on skip it; the week is bounded";
    EXPECT_EQ(Get_User_Preference(CURRENT_SEASON_INDEX), 3);

    Set_User_Preference(CURRENT_WEEK, corrupt_week);
    Clear_Shown_Messages();
    Run_Post_Load_Repairs(1700);
    // The notice, then the off-season's question whether to begin the draft
    // and, on the scripted No, how to start it later.
    ASSERT_EQ(Get_Shown_Messages().size(), 3u);
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "Converting Game From Previous Version");
    EXPECT_EQ(Get_Shown_Messages()[0].Text, "Incrementing Season in corrupted game file.");
    EXPECT_EQ(Get_Shown_Messages()[1].Caption, "Begin College Draft?");
    EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), 100);
    EXPECT_EQ(Get_User_Preference(CURRENT_SEASON_INDEX), 4);

    Set_User_Preference(CURRENT_WEEK, 5);
    Clear_Shown_Messages();
    Run_Post_Load_Repairs(1700);
    EXPECT_TRUE(Get_Shown_Messages().empty()) << "a calendar week never triggers it";
    EXPECT_EQ(Get_User_Preference(CURRENT_SEASON_INDEX), 4);
}

TEST(LoadRepairs, StatisticsYearFollowsTheReceiversStatistics) {
    Build_Test_League();
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        for (PLAYER_RECORD& player : Universe.Teams[team].Players)
            if (player.Vital_Stats[VITAL_PLAYER_ID] != 0 && player.Vital_Stats[VITAL_POSITION] == POSITION_WR)
                player.Season_Stats[2][6] = 0;
    Set_User_Preference(STATISTICS_YEAR, 1999);
    Run_Post_Load_Repairs(2000);
    EXPECT_EQ(Get_User_Preference(STATISTICS_YEAR), TEST_BASE_YEAR) << "no receiver has statistics";

    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        for (PLAYER_RECORD& player : Universe.Teams[team].Players)
            if (player.Vital_Stats[VITAL_PLAYER_ID] != 0 && player.Vital_Stats[VITAL_POSITION] == POSITION_WR)
                player.Season_Stats[2][6] = 30;
    Set_User_Preference(STATISTICS_YEAR, 1999);
    Run_Post_Load_Repairs(2000);
    EXPECT_EQ(Get_User_Preference(STATISTICS_YEAR), 1999) << "every receiver has statistics";
}

TEST(LoadRepairs, RecordsAreRebuiltFromTheGamesAndWildCardsClamped) {
    Build_Test_League();
    Prepare_Game_Week(1, 77);
    ASSERT_EQ(Play_Test_Week(1), 16);
    std::vector<int32_t> wins(TEST_LEAGUE_TEAMS), losses(TEST_LEAGUE_TEAMS);
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
        wins[team] = Get_Team_Wins(team);
        losses[team] = Get_Team_Losses(team);
        Set_Team_Record_Char(team, RECORD_CHAR_WINS, 9);
    }
    Set_User_Preference(SIMULATION_RUNNING, 0);
    Universe.Header.Universe_Stats[1] = 9; // more wild cards than two leagues of four divisions allow
    ASSERT_EQ(Save_Game("records.kor", nullptr), SAVE_OK);
    ASSERT_EQ(Load_Game("records.kor"), 1);
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
        EXPECT_EQ(Get_Team_Wins(team), wins[team]) << "team " << team;
        EXPECT_EQ(Get_Team_Losses(team), losses[team]) << "team " << team;
    }
    EXPECT_LE(Universe.Header.Universe_Stats[1], 4);
}
