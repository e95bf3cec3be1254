// Values a file may hold that the game never writes: the load brings them into
// range, so the code that runs after it (and the repairs of the load itself)
// computes without overflow. The sanitizer build catches an overflow the
// bounds miss; every build checks the bounded values and that a league the
// game wrote is left as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "database/league_structure.h"
#include "database/loaded_league_bounds.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/rating_normalisation.h"
#include "database/saved_game.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/standings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "frontoffice/player_value.h"
#include "frontoffice/returners.h"
#include "personnel/college_draft_flow.h"
#include "personnel/injuries.h"
#include "season/season_calendar.h"
#include "season/week_advance.h"
#include "support/old_saved_games.h"
#include "support/played_season.h"
#include "support/test_league.h"

namespace {
using BYTES = std::vector<uint8_t>;

BYTES Copy_Block() {
    return BYTES(Universe_Bytes(), Universe_Bytes() + UNIVERSE_SIZE);
}

// Saves the league in the block and loads it back.
void Save_And_Load(const char* name) {
    ASSERT_EQ(Save_Game(name, nullptr), SAVE_OK);
    ASSERT_EQ(Load_Game(name), 1);
}

constexpr int32_t TEAM = 5;

// Every used player's stored Health and Durability, bit for bit, by player
// id: the ratings an injury's lasting damage takes below 0.
std::map<int32_t, std::array<uint32_t, 2>> Stored_Health() {
    std::map<int32_t, std::array<uint32_t, 2>> ratings;
    For_Each_League_Player([&](int32_t team, int32_t slot) {
        const PLAYER_RECORD& player = Universe.Teams[team].Players[slot];
        memcpy(ratings[player.Vital_Stats[VITAL_PLAYER_ID]].data(), &player.Ratings[RATING_HEALTH],
               sizeof(float) * 2);
    });
    return ratings;
}

int32_t Count_Ratings_Below_Zero() {
    int32_t count = 0;
    For_Each_League_Player([&](int32_t team, int32_t slot) {
        for (const float rating : Universe.Teams[team].Players[slot].Ratings)
            count += rating < 0.0f;
    });
    return count;
}

// Saves the league as played, loads it, and expects every player's Health and
// Durability back as they were written, and the bounds to leave the block alone.
void Expect_Round_Trip_Keeps_Ratings(const char* name) {
    const BYTES played = Copy_Block();
    Bound_Loaded_League();
    EXPECT_TRUE(played == Copy_Block()) << name << ": the bounds changed the league as played";
    const auto before = Stored_Health();
    Save_And_Load(name);
    EXPECT_TRUE(before == Stored_Health()) << name << ": an injured player healed on the load";
}
} // namespace

// Injuries leave lasting damage that takes Health and Durability below 0; a
// save made then loads with them as they were, the injured not healed.
TEST(LoadedLeagueBounds, SeasonsPlayedThroughInjuriesLoadAsSaved) {
    Start_Played_Season(17);
    // The League Editor's most frequent and most severe injuries.
    Universe.Header.Universe_Stats[INJURY_FREQUENCY_FACTOR] = 100;
    Universe.Header.Universe_Stats[INJURY_SEVERITY_FACTOR] = 100;
    Advance_Weeks(2);
    Advance_Weeks(22);
    ASSERT_GT(Count_Ratings_Below_Zero(), 0) << "no injury of the regular season took a rating below 0";
    Expect_Round_Trip_Keeps_Ratings("season_over.kor");
    Advance_Weeks(22);
    ASSERT_TRUE(Is_Champion_Decided());
    Expect_Round_Trip_Keeps_Ratings("champion.kor");
}

// The ratings editor stores anything from -1000 to 1000: the bounds keep all
// of it and bring only what lies beyond back to it. A load keeps the values
// as typed (those below 20 are raised when they are read).
TEST(LoadedLeagueBounds, EditedRatingsLoadAsTyped) {
    Build_Played_Season(17);
    PLAYER_RECORD& player = Universe.Teams[TEAM].Players[2];
    const float typed[] = {-1000.0f, 1000.0f, -6.25f, 120.5f, 999.9f, 0.0f};
    for (int32_t rating = 0; rating < NUMBER_OF_PLAYER_RATINGS; ++rating)
        player.Ratings[rating] = typed[rating % 6];
    const BYTES edited = Copy_Block();
    Bound_Loaded_League();
    EXPECT_TRUE(edited == Copy_Block()) << "every typed rating is kept";
    player.Ratings[RATING_SPEED] = 1000.5f;
    player.Ratings[RATING_POWER] = -1e30f;
    Bound_Loaded_League();
    EXPECT_EQ(player.Ratings[RATING_SPEED], 1000.0f);
    EXPECT_EQ(player.Ratings[RATING_POWER], -1000.0f);

    const float kept[] = {1000.0f, 120.5f, 999.9f, 75.25f};
    for (int32_t rating = 0; rating < NUMBER_OF_PLAYER_RATINGS; ++rating)
        player.Ratings[rating] = kept[rating % 4];
    const int32_t id = player.Vital_Stats[VITAL_PLAYER_ID];
    Save_And_Load("edited.kor");
    const PLAYER_RECORD* loaded = nullptr;
    For_Each_League_Player([&](int32_t team, int32_t slot) {
        if (Universe.Teams[team].Players[slot].Vital_Stats[VITAL_PLAYER_ID] == id)
            loaded = &Universe.Teams[team].Players[slot];
    });
    ASSERT_NE(loaded, nullptr);
    for (int32_t rating = 0; rating < NUMBER_OF_PLAYER_RATINGS; ++rating)
        EXPECT_EQ(loaded->Ratings[rating], kept[rating % 4]) << "rating " << rating;
}

// The engine adds to the league's return-touchdown counters; a file cannot
// make the next touchdown overflow them, nor start them below 0.
TEST(LoadedLeagueBounds, ReturnTouchdownCountersCannotOverflow) {
    Build_Played_Season(17);
    Universe.Header.Universe_Stats[INTERCEPTION_RETURN_TOUCHDOWNS] = INT_MAX;
    Universe.Header.Universe_Stats[FUMBLE_RETURN_TOUCHDOWNS] = INT_MIN;
    Save_And_Load("counters.kor");
    EXPECT_EQ(Get_Universe_Stat(INTERCEPTION_RETURN_TOUCHDOWNS), INT_MAX);
    EXPECT_EQ(Get_Universe_Stat(FUMBLE_RETURN_TOUCHDOWNS), 0);
    Increment_Universe_Stat(INTERCEPTION_RETURN_TOUCHDOWNS);
    Increment_Universe_Stat(FUMBLE_RETURN_TOUCHDOWNS);
    EXPECT_EQ(Get_Universe_Stat(INTERCEPTION_RETURN_TOUCHDOWNS), INT_MAX) << "the counter stops at its top";
    EXPECT_EQ(Get_Universe_Stat(FUMBLE_RETURN_TOUCHDOWNS), 1);
}

// The year and the season index: the year never passes the largest one, and
// the index always lands inside the teams' 100-season history, the calendar
// year kept.
TEST(LoadedLeagueBounds, LoadedYearAndSeasonIndexStayInTheCalendarAndTheHistory) {
    struct CASE {
        int32_t Base_Year, Index, Year, Loaded_Index;
    };
    const CASE cases[] = {
        {2010, 120, 2020, 22},  // a year counted from 1900
        {2010, 2020, 2020, 22}, // a year in full
        {2010, 1000, 2900, 99}, // from 1900, past the history
        {2010, 2098, 2098, 99}, // in full, the first past the history
        {2010, 9999, 9999, 99}, // the largest year
        {9999, 5, 9999, 5},     // an index past the largest year
        {2010, INT_MAX, 9999, 99}, {INT_MAX, 0, 9999, 0},
    };
    Build_Played_Season(17);
    for (const CASE& c : cases) {
        Universe.Header.Universe_Stats[BASE_YEAR] = c.Base_Year;
        Set_User_Preference(CURRENT_SEASON_INDEX, c.Index);
        Save_And_Load("calendar.kor");
        EXPECT_EQ(Get_Current_Year(), c.Year) << c.Base_Year << " + " << c.Index;
        EXPECT_EQ(Get_User_Preference(CURRENT_SEASON_INDEX), c.Loaded_Index)
            << c.Base_Year << " + " << c.Index;
        EXPECT_EQ(Get_Universe_Stat(BASE_YEAR) + Get_User_Preference(CURRENT_SEASON_INDEX), c.Year)
            << "the sum is the year itself, not clamped to it";
    }
}

TEST(LoadedLeagueBounds, LeaguesTheGameWroteAreLeftAsTheyAre) {
    const std::string shipped = std::string(KORVA_DATA_DIR) + "/Databases/Universe-2019.dat";
    ASSERT_EQ(Load_Game(shipped.c_str()), 1);
    BYTES before = Copy_Block();
    Bound_Loaded_League();
    EXPECT_TRUE(before == Copy_Block()) << "the shipped league";

    for (int32_t games : {16, 17}) {
        Build_Played_Season(games);
        before = Copy_Block();
        Bound_Loaded_League();
        EXPECT_TRUE(before == Copy_Block()) << "a season of " << games << " games played to its champion";
    }
    Advance_Weeks(1);
    ASSERT_EQ(Get_User_Preference(CURRENT_WEEK), 100);
    before = Copy_Block();
    Bound_Loaded_League();
    EXPECT_TRUE(before == Copy_Block()) << "the off-season, contracts renewed";
    Run_College_Draft();
    before = Copy_Block();
    Bound_Loaded_League();
    EXPECT_TRUE(before == Copy_Block()) << "after the college draft";
    Build_Test_League();
    before = Copy_Block();
    Bound_Loaded_League();
    EXPECT_TRUE(before == Copy_Block()) << "the test league";
}

TEST(LoadedLeagueBounds, OldFileLinemanGamesDoNotOverflowTheRatingsRebuild) {
    Build_Test_League();
    BYTES block = Make_Old_Layout_Block(7799);
    // Vital statistic 23 of the tackles, guards and centres of one team.
    constexpr size_t TEAM_BYTES = 99848, PLAYERS_AT = 256, VITALS_AT = 48;
    for (int32_t position : {POSITION_T, POSITION_G, POSITION_C}) {
        const size_t at = 2480 + TEAM * TEAM_BYTES + PLAYERS_AT +
                          static_cast<size_t>(Test_League_Slot(position, 0)) * sizeof(PLAYER_RECORD) +
                          VITALS_AT + 23 * 4;
        memset(block.data() + at, 0x3b, 4);
    }
    ASSERT_TRUE(Write_Bytes_To_File("lineman.kor", Make_League_File_From("7799", block)));
    ASSERT_EQ(Load_Game("lineman.kor"), 1);
    FIELD_RANGE range;
    ASSERT_TRUE(Get_Vital_Stat_Range(23, &range));
    For_Each_League_Player([&](int32_t team, int32_t slot) {
        const int32_t games = Universe.Teams[team].Players[slot].Vital_Stats[23];
        EXPECT_LE(games, range.Highest) << "team " << team << " slot " << slot;
    });
}

TEST(LoadedLeagueBounds, HeaderSettingsAreBoundedForTheSeasonAfterTheLoad) {
    // The champion decided: the next step renews contracts against the cap.
    Build_Played_Season(17);
    Universe.Header.Universe_Stats[SALARY_CAP] = 255;
    Universe.Header.Universe_Stats[SALARY_DEMANDS_PERCENT] = 300;
    Universe.Header.Universe_Stats[TRADE_REPUTATION] = INT_MAX;
    Save_And_Load("renewals.kor");
    EXPECT_EQ(Get_Universe_Stat(SALARY_CAP), 1000000) << "a cap of $255 is raised to the least a cap can be";
    EXPECT_EQ(Get_Universe_Stat(SALARY_DEMANDS_PERCENT), 100);
    EXPECT_EQ(Get_Universe_Stat(TRADE_REPUTATION), 2000);
    Advance_Weeks(1);
    EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), 100) << "the off-season began, contracts renewed";

    // No cap stays no cap; a negative one is none either.
    Universe.Header.Universe_Stats[SALARY_CAP] = 0;
    Save_And_Load("no_cap.kor");
    EXPECT_EQ(Get_Universe_Stat(SALARY_CAP), 0);
    Universe.Header.Universe_Stats[SALARY_CAP] = -5;
    Save_And_Load("negative_cap.kor");
    EXPECT_EQ(Get_Universe_Stat(SALARY_CAP), 0);

    // Inside the season: the playoff race, once a week has been won.
    Start_Played_Season(17);
    // The League Editor's most frequent and most severe injuries.
    Universe.Header.Universe_Stats[INJURY_FREQUENCY_FACTOR] = 100;
    Universe.Header.Universe_Stats[INJURY_SEVERITY_FACTOR] = 100;
    Advance_Weeks(2);
    Universe.Header.Universe_Stats[GAMES_PER_SEASON] = INT_MIN;
    Save_And_Load("season.kor");
    EXPECT_EQ(Get_Universe_Stat(GAMES_PER_SEASON), 0);
    Advance_Weeks(1);
    for (int32_t team = 0; team < 32; ++team)
        Get_Team_Magic_Number(team);
}

TEST(LoadedLeagueBounds, PlayerVitalsRatingsAndNamesAreBounded) {
    Build_Played_Season(17);
    PLAYER_RECORD& veteran = Universe.Teams[TEAM].Players[1];
    veteran.Vital_Stats[VITAL_CREDITED_SEASONS] = 1388192635;
    veteran.Vital_Stats[VITAL_INJURY_TYPE] = 200; // one past the injury table
    const float huge[] = {INFINITY, 1e30f, 3e9f, -INFINITY, NAN};
    const int32_t rated[] = {RATING_KICK_RETURNS, RATING_PUNT_RETURNS, RATING_SPEED, RATING_QUICKNESS, 9};
    for (int32_t slot = 0; slot < 53; ++slot)
        for (int32_t n = 0; n < 5; ++n)
            Universe.Teams[TEAM].Players[slot].Ratings[rated[n]] = huge[(slot + n) % 5];
    // Season figures past any season: last season's and his lines at INT_MAX,
    // his career at INT_MIN.
    for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat) {
        veteran.Season_Stats[SEASON_LAST][stat] = INT_MAX;
        veteran.Season_Stats[SEASON_CAREER][stat] = INT_MIN;
    }
    for (const int32_t line : veteran.Season_Line_Links)
        if (line != NO_SEASON_LINE)
            for (int32_t& figure : Universe.Season_Lines[line].Stats)
                figure = INT_MAX;
    memset(veteran.Last_Name, 'Q', sizeof veteran.Last_Name);
    memset(veteran.College, 'Q', sizeof veteran.College);
    Save_And_Load("players.kor");

    // Sorting by name may move the team; the veteran keeps his id.
    int32_t team = -1;
    for (int32_t t = 0; t < 32 && team < 0; ++t)
        if (Universe.Teams[t].Players[1].Vital_Stats[VITAL_PLAYER_ID] == veteran.Vital_Stats[VITAL_PLAYER_ID])
            team = t;
    ASSERT_GE(team, 0);
    const PLAYER_RECORD& loaded = Universe.Teams[team].Players[1];
    EXPECT_EQ(loaded.Vital_Stats[VITAL_CREDITED_SEASONS], 50);
    EXPECT_EQ(loaded.Vital_Stats[VITAL_INJURY_TYPE], 199);
    EXPECT_EQ(loaded.Season_Stats[SEASON_LAST][0], LARGEST_SEASON_FIGURE);
    EXPECT_EQ(loaded.Season_Stats[SEASON_CAREER][0], -LARGEST_SEASON_FIGURE * NUMBER_OF_SEASON_LINE_LINKS);
    for (const int32_t line : loaded.Season_Line_Links) {
        if (line == NO_SEASON_LINE) continue;
        for (const int32_t figure : Universe.Season_Lines[line].Stats)
            EXPECT_EQ(figure, LARGEST_SEASON_FIGURE) << "line " << line;
    }
    EXPECT_EQ(strnlen(loaded.Last_Name, sizeof loaded.Last_Name), sizeof loaded.Last_Name - 1);
    EXPECT_EQ(strnlen(loaded.College, sizeof loaded.College), sizeof loaded.College - 1);
    for (int32_t slot = 0; slot < 53; ++slot)
        for (int32_t rating : rated) {
            const float value = Universe.Teams[team].Players[slot].Ratings[rating];
            EXPECT_TRUE(std::isfinite(value) && value >= -1000.0f && value <= 1000.0f)
                << "slot " << slot << " rating " << rating << " is " << value;
        }
    // The paths that overflowed: a player's value in the weekly moves and the
    // choice of kick returners.
    Get_Player_Value(team, 1);
    Choose_Best_Returner(team, 0);
    Choose_Best_Returner(team, 1);
}

TEST(LoadedLeagueBounds, RatingsOutsideTheScaleTakeTheNearestBoundOrTheBaseline) {
    EXPECT_EQ(Bound_Loaded_Rating(NAN, RATING_SPEED), Get_Rating_Baseline(RATING_SPEED));
    EXPECT_EQ(Bound_Loaded_Rating(3e9f, RATING_SPEED), 1000.0f);
    EXPECT_EQ(Bound_Loaded_Rating(-INFINITY, RATING_SPEED), -1000.0f);
    EXPECT_EQ(Bound_Loaded_Rating(-2.96f, RATING_HEALTH), -2.96f) << "an injured player's health is kept";
    EXPECT_EQ(Bound_Loaded_Rating(63.25f, RATING_SPEED), 63.25f) << "a rating in range keeps its fraction";
}
