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
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "database/game_queries.h"
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
#include "engine/game_driver.h"
#include "engine/game_record.h"
#include "engine/playbook_records.h"
#include "engine/pregame_setup.h"
#include "engine/team_unit_ratings.h"
#include "frontoffice/player_value.h"
#include "frontoffice/returners.h"
#include "personnel/college_draft_flow.h"
#include "personnel/injuries.h"
#include "personnel/scouting.h"
#include "platform/message_box.h"
#include "season/playoff_seeding.h"
#include "season/season_calendar.h"
#include "season/week_advance.h"
#include "support/debug_log.h"
#include "support/old_saved_games.h"
#include "support/played_season.h"
#include "support/scratch_folder.h"
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
    // Whether a season's injuries leave such damage is for its draws to say:
    // when none did, one player carries it as lasting damage leaves it.
    if (Count_Ratings_Below_Zero() == 0) {
        Universe.Teams[TEAM].Players[4].Ratings[RATING_HEALTH] = -3.5f;
        Universe.Teams[TEAM].Players[4].Ratings[RATING_DURABILITY] = -0.75f;
    }
    ASSERT_GT(Count_Ratings_Below_Zero(), 0);
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
    const PLAYING_FOLDER playing("written-leagues");
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
    const PLAYING_FOLDER playing("bounded-settings");
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

namespace {
// The slot of the team whose first text (its location and name) is `name`
// after a load, which sorts the teams by name.
int32_t Find_Team_Named(const std::string& name) {
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team)
        if (name == Universe.Teams[team].Strings[0] && Is_Active_Team(team)) return team;
    return -1;
}

// A league two weeks into its season, with the texts naming `teams`.
std::vector<std::string> Start_Season_Naming(std::initializer_list<int32_t> teams) {
    Start_Played_Season(17);
    Advance_Weeks(2);
    std::vector<std::string> names;
    for (int32_t team : teams)
        names.push_back(Universe.Teams[team].Strings[0]);
    return names;
}
} // namespace

// A division far outside the eight was counted as a league of hundreds of
// millions by the playoff race. The load holds an active team to divisions
// 0-7 and keeps an empty slot's -1; the race and the week go on.
TEST(LoadedLeagueBounds, DivisionsOutsideTheEightAreBounded) {
    const std::vector<std::string> names = Start_Season_Naming({3, 9, 14});
    Universe.Teams[3].Team_Stats[TEAM_STAT_DIVISION] = INT_MAX;
    Universe.Teams[9].Team_Stats[TEAM_STAT_DIVISION] = INT_MIN;
    Universe.Teams[14].Team_Stats[TEAM_STAT_DIVISION] = 7;  // the last division the editor offers
    Universe.Teams[33].Team_Stats[TEAM_STAT_DIVISION] = -1; // an empty slot as a cleared league has it
    Save_And_Load("divisions.kor");
    EXPECT_EQ(Get_Team_Division(Find_Team_Named(names[0])), 7);
    EXPECT_EQ(Get_Team_Division(Find_Team_Named(names[1])), 0);
    EXPECT_EQ(Get_Team_Division(Find_Team_Named(names[2])), 7);
    EXPECT_EQ(Universe.Teams[33].Team_Stats[TEAM_STAT_DIVISION], -1) << "an empty slot keeps its -1";
    EXPECT_EQ(Count_League_Teams(0) + Count_League_Teams(1), 32);
    for (int32_t team = 0; team < 32; ++team)
        Get_Team_Magic_Number(team);
    Advance_Weeks(1);
    EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), 3);
}

// A huge stored score made the teams' strength and the point spread
// overflow. The load holds a score to 0-9,999; a score the game plays is kept.
TEST(LoadedLeagueBounds, GameScoresAreBounded) {
    Start_Season_Naming({});
    GAME_RECORD& first = Universe.Games[0];
    GAME_RECORD& second = Universe.Games[1];
    ASSERT_TRUE(Is_Game_Over(&first) && Is_Game_Over(&second));
    const int32_t kept = first.Score[1];
    first.Score[0] = 1660944405;
    second.Score[0] = INT_MIN;
    second.Score[1] = 99; // the most the engine's testing keys set
    Save_And_Load("scores.kor");
    EXPECT_EQ(Universe.Games[0].Score[0], 9999);
    EXPECT_EQ(Universe.Games[0].Score[1], kept);
    EXPECT_EQ(Universe.Games[1].Score[0], 0);
    EXPECT_EQ(Universe.Games[1].Score[1], 99);
    for (int32_t team = 0; team < 32; ++team)
        Get_Team_Strength_Rank(team);
    Advance_Weeks(1);
    EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), 3);
}

// Seat grades at the ends of 32 bits overflowed the seating rating of every
// home game. The load holds them to 0-10,000; the editor's grades are kept.
TEST(LoadedLeagueBounds, SeatGradesAreBounded) {
    const std::vector<std::string> names = Start_Season_Naming({4, 5});
    for (int32_t grade = 5; grade <= 7; ++grade) {
        Universe.Teams[4].Stadium_Stats[grade] = INT_MAX;
        Universe.Teams[5].Stadium_Stats[grade] = grade == 7 ? INT_MIN : 1200;
    }
    Save_And_Load("seats.kor");
    const int32_t full = Find_Team_Named(names[0]), mixed = Find_Team_Named(names[1]);
    EXPECT_EQ(Universe.Teams[full].Stadium_Stats[5], MOST_SEAT_GRADE);
    EXPECT_EQ(Universe.Teams[full].Stadium_Stats[7], MOST_SEAT_GRADE);
    EXPECT_EQ(Get_Stadium_Seating_Rating(full), MOST_SEAT_GRADE);
    EXPECT_EQ(Universe.Teams[mixed].Stadium_Stats[6], 1200) << "the editor's excellent grade";
    EXPECT_EQ(Universe.Teams[mixed].Stadium_Stats[7], 0);
    EXPECT_EQ(Get_Stadium_Seating_Rating(mixed), 960);
    Advance_Weeks(1);
    EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), 3);
}

// The auto-save is written as an advance starts: loaded, it is not one in
// the middle of an advance, and the next week is played.
TEST(LoadedLeagueBounds, AnAutoSaveResumesAndPlaysOn) {
    Start_Played_Season(17);
    Set_User_Preference(AUTO_SAVE, 1);
    Advance_Weeks(1);
    ASSERT_EQ(Get_User_Preference(CURRENT_WEEK), 1);
    ASSERT_EQ(Load_Game(AUTO_SAVE_FILE_NAME), 1);
    ASSERT_EQ(Get_User_Preference(CURRENT_WEEK), 0);
    Advance_Weeks(1);
    EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), 1);
}

// Conferences of three divisions take five wild cards: a league saved so
// loads with five and the same bracket.
TEST(LoadedLeagueBounds, FiveWildCardsOfThreeDivisionConferencesAreKept) {
    Start_Played_Season(17);
    // Divisions 3 and 7 are shared out over the other three of their conference.
    for (int32_t team = 0; team < 32; ++team) {
        int32_t& division = Universe.Teams[team].Team_Stats[TEAM_STAT_DIVISION];
        if (division % 4 == 3) division -= 1 + team % 3;
    }
    ASSERT_EQ(Count_League_Divisions(0), 3);
    ASSERT_EQ(Count_League_Divisions(1), 3);
    Universe.Header.Universe_Stats[WILD_CARD_TEAMS] = 5;
    Advance_Weeks(4);
    Seed_Playoffs();
    const std::vector<int8_t> bracket(Universe.Playoff_Bracket,
                                      Universe.Playoff_Bracket + PLAYOFF_BRACKET_SLOTS);
    Save_And_Load("five_wild_cards.kor");
    EXPECT_EQ(Get_Universe_Stat(WILD_CARD_TEAMS), 5);
    EXPECT_TRUE(bracket == std::vector<int8_t>(Universe.Playoff_Bracket,
                                               Universe.Playoff_Bracket + PLAYOFF_BRACKET_SLOTS));
}

// A team's totals at the ends of 32 bits overflowed the next credit and the
// league's sums. The load holds a season's to a season's figures and the
// career's to a hundred seasons of them; the week and the sums go on.
TEST(LoadedLeagueBounds, TeamTotalsAreBounded) {
    const std::vector<std::string> names = Start_Season_Naming({5, 6});
    TEAM_RECORD& team = Universe.Teams[5];
    team.Totals[0][0][8] = INT_MAX;
    team.Totals[3][2][8] = INT_MAX;
    team.Totals[1][0][2] = INT_MIN;
    Universe.Teams[6].Totals[3][2][8] = INT_MIN;
    const int32_t kept = team.Totals[0][2][7];
    Save_And_Load("totals.kor");
    const TEAM_RECORD& loaded = Universe.Teams[Find_Team_Named(names[0])];
    EXPECT_EQ(loaded.Totals[0][0][8], LARGEST_SEASON_FIGURE);
    EXPECT_EQ(loaded.Totals[3][2][8], LARGEST_SEASON_FIGURE * 100);
    EXPECT_EQ(loaded.Totals[1][0][2], -LARGEST_SEASON_FIGURE);
    EXPECT_EQ(loaded.Totals[0][2][7], kept);
    EXPECT_EQ(Universe.Teams[Find_Team_Named(names[1])].Totals[3][2][8], -LARGEST_SEASON_FIGURE * 100);
    Advance_Weeks(1);
    EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), 3);
    for (int32_t category = 0; category < 8; ++category)
        for (int32_t stat : {130, 132, 133, 143, 147})
            Get_League_Totals_Stat(category, 2, stat);
}

// A fan loyalty at the top of 32 bits overflowed the attendance of a game
// the team visits; a schedule entry naming the opponent -2,147,483,648
// overflowed its negation. The load holds both; the week is played.
TEST(LoadedLeagueBounds, FanLoyaltyAndScheduledOpponentsAreBounded) {
    const std::vector<std::string> names = Start_Season_Naming({7, 8});
    Universe.Teams[7].Financial_Stats[0] = INT_MAX;
    Universe.Teams[8].Schedule[2].Values[0] = INT_MIN;
    const int32_t played = Universe.Teams[8].Schedule[1].Values[0];
    Save_And_Load("fans.kor");
    EXPECT_EQ(Universe.Teams[Find_Team_Named(names[0])].Financial_Stats[0], MOST_FAN_LOYALTY);
    const TEAM_RECORD& scheduled = Universe.Teams[Find_Team_Named(names[1])];
    EXPECT_EQ(scheduled.Schedule[2].Values[0], -MAX_FRANCHISES);
    EXPECT_EQ(scheduled.Schedule[1].Values[0], played) << "the game the team played is kept";
    Advance_Weeks(1);
    EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), 3);
}

// The post-season's marks run forward from the regular season: a last mark
// before the current week held every advance back. A file's out-of-order
// mark is raised to the one before it and the calendar moves on.
TEST(LoadedLeagueBounds, PostSeasonMarksRunForward) {
    Start_Season_Naming({});
    const int32_t length = Universe.Season_Length;
    for (int32_t mark = 0; mark < 5; ++mark)
        ASSERT_EQ(Universe.Post_Season_Days[mark], length + 1 + mark) << "as the schedule makes them";
    Save_And_Load("calendar_kept.kor");
    EXPECT_EQ(Universe.Post_Season_Days[4], length + 5);
    Universe.Post_Season_Days[4] = INT_MIN;
    Universe.Post_Season_Days[1] = 0;
    Save_And_Load("calendar.kor");
    EXPECT_EQ(Universe.Post_Season_Days[0], length + 1);
    EXPECT_EQ(Universe.Post_Season_Days[1], length + 1);
    EXPECT_EQ(Universe.Post_Season_Days[4], length + 4);
    Advance_Weeks(1);
    EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), 3);
}

// A season past its last playoff week ends: with its champion as the game
// left it, after a load whose wild cards the league's conferences cut (the
// played bracket is not seeded again), and with no champion in the bracket.
TEST(LoadedLeagueBounds, ASeasonPastItsPlayoffsEnds) {
    const PLAYING_FOLDER playing("past-playoffs");
    Build_Played_Season(17);
    const std::string champion = Universe.Teams[Get_Played_Season_Champion()].Strings[0];
    Universe.Header.Universe_Stats[WILD_CARD_TEAMS] = INT_MAX;
    Save_And_Load("wild_cards.kor");
    EXPECT_EQ(Get_Universe_Stat(WILD_CARD_TEAMS), 4) << "the most four divisions a conference allow";
    ASSERT_TRUE(Is_Champion_Decided());
    EXPECT_EQ(std::string(Universe.Teams[Get_Played_Season_Champion()].Strings[0]), champion);
    Advance_Weeks(1);
    EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), 100);

    Build_Played_Season(17);
    Universe.Playoff_Bracket[30] = static_cast<int8_t>(NO_TEAM);
    Save_And_Load("no_champion.kor");
    ASSERT_FALSE(Is_Champion_Decided());
    Advance_Weeks(1);
    EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), 100);
}

// A year thousands of years after the players' births aged each of them by
// thousands of years at once, every rating of every player reported in the
// log. A year's decline takes at most the whole of a rating.
TEST(LoadedLeagueBounds, AYearFarFromThePlayersBirthsAgesThemQuietly) {
    const PLAYING_FOLDER playing("far-year");
    Build_Played_Season(17);
    Universe.Header.Universe_Stats[BASE_YEAR] = INT_MAX;
    Save_And_Load("far_year.kor");
    ASSERT_EQ(Get_Current_Year(), MAX_CALENDAR_YEAR);
    Clear_Debug_Log();
    Advance_Weeks(1);
    EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), 100);
    EXPECT_EQ(Count_Debug_Lines("Modify_Player_Ratings"), 0);
    EXPECT_EQ(Count_Debug_Lines("out of bounds in Set_Player_Rating"), 0);
    EXPECT_LT(Read_Debug_Log_Text().size(), 65536u);
}

// A team's playbook and systems are the engine's table indexes: a run's hole
// at the ends of 32 bits overflowed the play matchups, and a defensive system
// past the two logged a line for every snap. The load repairs the playbooks
// as a playbook file's load does and holds the systems to their tables.
TEST(LoadedLeagueBounds, PlaybookCodesAndSystemsAreBounded) {
    const std::vector<std::string> names = Start_Season_Naming({10});
    TEAM_RECORD& team = Universe.Teams[10];
    int32_t run = 0, pass = 0;
    while (team.Playbooks.Offense.Plays[run].Play_Type != PLAY_TYPE_RUSH)
        ++run;
    while (team.Playbooks.Offense.Plays[pass].Play_Type != PLAY_TYPE_PASS)
        ++pass;
    team.Playbooks.Offense.Plays[run].Hole_Or_Depth = INT_MIN;
    team.Playbooks.Offense.Plays[pass].Hole_Or_Depth = 25; // a pass's depth is kept, as a file's is
    team.Playbooks.Defense.Plays[0].Roles[3] = INT_MAX;
    team.Team_Stats[TEAM_STAT_DEFENSIVE_SYSTEM] = INT_MAX;
    team.Team_Stats[TEAM_STAT_OFFENSIVE_SYSTEM] = INT_MIN;
    Save_And_Load("playbooks.kor");
    const TEAM_RECORD& loaded = Universe.Teams[Find_Team_Named(names[0])];
    EXPECT_EQ(loaded.Playbooks.Offense.Plays[run].Hole_Or_Depth, 0);
    EXPECT_EQ(loaded.Playbooks.Offense.Plays[pass].Hole_Or_Depth, 25);
    EXPECT_EQ(loaded.Playbooks.Defense.Plays[0].Roles[3], 9);
    EXPECT_EQ(loaded.Team_Stats[TEAM_STAT_DEFENSIVE_SYSTEM], 1);
    EXPECT_EQ(loaded.Team_Stats[TEAM_STAT_OFFENSIVE_SYSTEM], 0);
    Clear_Debug_Log();
    Advance_Weeks(1);
    EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), 3);
    EXPECT_EQ(Count_Error_Lines(), 0) << Read_Debug_Log_Text().substr(0, 2000);
}

// The user's team's scouts at a quality of -2,147,483,648 overflowed the
// scouting spread, and a ticket price there the demand for a game. Neither
// goes below 0 in a game; the load holds both there.
TEST(LoadedLeagueBounds, TicketPricesAndScoutingQualityAreBounded) {
    const std::vector<std::string> names = Start_Season_Naming({0, 11});
    Universe.Teams[0].Financial_Stats[2] = INT_MIN;
    Universe.Teams[11].Financial_Stats[1] = INT_MIN;
    const int32_t price = Universe.Teams[0].Financial_Stats[1];
    Save_And_Load("prices.kor");
    EXPECT_EQ(Universe.Teams[Find_Team_Named(names[0])].Financial_Stats[2], 0);
    EXPECT_EQ(Universe.Teams[Find_Team_Named(names[0])].Financial_Stats[1], price);
    EXPECT_EQ(Universe.Teams[Find_Team_Named(names[1])].Financial_Stats[1], 0);
    Set_User_Preference(SCOUTING_SPREAD_CACHE, 0);
    EXPECT_GE(Get_Scouting_Spread(), 1);
    Advance_Weeks(1);
    EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), 3);
}

// A division has thirteen places in the standings: the teams of a file past
// them join the first divisions of their conference with room, and the
// season goes on. Thirteen teams stay where they are.
TEST(LoadedLeagueBounds, TeamsPastTheirDivisionsPlacesJoinOneWithRoom) {
    const std::vector<std::string> names = Start_Season_Naming({0, 12, 13, 20});
    for (int32_t team = 0; team < 32; ++team)
        Universe.Teams[team].Team_Stats[TEAM_STAT_DIVISION] = team < 20 ? INT_MAX : 6;
    Save_And_Load("overfull.kor");
    EXPECT_EQ(Get_Team_Division(Find_Team_Named(names[0])), 7);
    EXPECT_EQ(Get_Team_Division(Find_Team_Named(names[1])), 7) << "the thirteenth";
    EXPECT_EQ(Get_Team_Division(Find_Team_Named(names[2])), 4) << "the fourteenth, in the conference";
    EXPECT_EQ(Get_Team_Division(Find_Team_Named(names[3])), 6);
    EXPECT_EQ(Count_Division_Teams(7), 13);
    EXPECT_EQ(Count_Division_Teams(4), 7);
    EXPECT_EQ(Count_Division_Teams(6), 12);
    Clear_Debug_Log();
    Advance_Weeks(1);
    EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), 3);
    EXPECT_EQ(Count_Debug_Lines("Team not found"), 0);
}

// The edges of what the game writes stay as written, and one step past them
// is brought back to the edge: an undrafted player's fantasy mark (-128), a
// freshman's college years (-4), the computer finishing a fantasy draft (2),
// the game number past the last record (300), the least cap (1,000,000). The
// mark of an offer in the trade screens' hands (-128) is the one value the
// game writes that loads otherwise: the offer is not saved, so it loads as no
// partner (-1), and so does one step past it.
TEST(LoadedLeagueBounds, TheEdgesOfWhatTheGameWritesAreKept) {
    Build_Test_League();
    PLAYER_RECORD& player = Universe.Teams[TEAM].Players[3];
    int32_t* const stats = Universe.Header.Universe_Stats;
    int32_t* const settings = Universe.User_Preferences.Ints;
    const struct {
        int32_t* Field;
        int32_t Edge, Past;
    } edges[] = {
        {&player.Vital_Stats[26], -128, -129},      {&player.Vital_Stats[VITAL_CREDITED_SEASONS], -4, -5},
        {&stats[FANTASY_DRAFT_FLAG], 2, 3},         {&stats[SALARY_CAP], 1000000, 999999},
        {&settings[CURRENT_GAME_NUMBER], 300, 301},
    };
    for (const auto& edge : edges)
        *edge.Field = edge.Edge;
    const BYTES written = Copy_Block();
    Bound_Loaded_League();
    EXPECT_TRUE(written == Copy_Block()) << "every edge kept";
    for (const auto& edge : edges)
        *edge.Field = edge.Past;
    Bound_Loaded_League();
    for (const auto& edge : edges)
        EXPECT_EQ(*edge.Field, edge.Edge) << "one past " << edge.Edge;
    for (const int32_t mark : {-128, -129}) {
        settings[TRADE_PARTNER_TEAM] = mark;
        Bound_Loaded_League();
        EXPECT_EQ(settings[TRADE_PARTNER_TEAM], -1) << "an offer in hand, " << mark;
    }
}

// A fantasy-draft mark is -128 or a franchise of the league; any other (the
// retired destination 41, a pool, a slot without a team) reads as undrafted.
TEST(LoadedLeagueBounds, FantasyDraftMarksNameATeamOfTheLeagueOrNone) {
    Build_Test_League();
    const int32_t marks[][2] = {{-128, -128}, {0, 0},     {31, 31},  {33, -128},
                                {36, -128},   {40, -128}, {41, -128}};
    for (int32_t n = 0; n < 7; ++n)
        Universe.Teams[TEAM].Players[n].Vital_Stats[26] = marks[n][0];
    Bound_Loaded_League();
    for (int32_t n = 0; n < 7; ++n)
        EXPECT_EQ(Universe.Teams[TEAM].Players[n].Vital_Stats[26], marks[n][1]) << "mark " << marks[n][0];
}
