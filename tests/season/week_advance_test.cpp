#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "database/game_queries.h"
#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/playoff_bracket.h"
#include "database/random_numbers.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/team_results.h"
#include "database/universe.h"
#include "engine/game_record.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "season/league_rules.h"
#include "season/playoff_seeding.h"
#include "season/score_ticker.h"
#include "season/season_calendar.h"
#include "season/season_start.h"
#include "season/week_advance.h"
#include "support/debug_log.h"
#include "support/game_runner.h"
#include "support/scratch_folder.h"
#include "support/test_league.h"
#include "views/current_view.h"

namespace {
constexpr int VIEW_STANDINGS = 40030;
constexpr int VIEW_PLAYOFFS = 40069;

// The first `teams` clubs of the test league, four to a division in one
// conference, with `games` games a season of `year` and `wild_cards` wild
// cards, at the start of its season.
void Build_Small_League(int teams, int year, int games, int wild_cards) {
    Build_Test_League();
    for (int team = teams; team < TEST_LEAGUE_TEAMS; ++team)
        Set_Team_Stat(team, TEAM_STAT_CONTROL, TEAM_CONTROL_EMPTY);
    Universe.Header.Universe_Stats[BASE_YEAR] = year;
    Set_User_Preference(CURRENT_SEASON_INDEX, 0);
    Apply_League_Rules_For_Year();
    Universe.Header.Universe_Stats[GAMES_PER_SEASON] = games;
    Universe.Header.Universe_Stats[WILD_CARD_TEAMS] = wild_cards;
    Universe.Header.Championship_Round_Flag = 1;
    Seed_Random_Numbers(1234);
    Clear_Shown_Messages();
    Reset_Message_Queue();
    Start_Season(0);
}

int Week() {
    return Get_User_Preference(CURRENT_WEEK);
}

void Expect_Advance_Finished() {
    EXPECT_EQ(Universe.Header.Advance_In_Progress, 0);
    EXPECT_EQ(Universe.Header.Target_Week, 0);
    EXPECT_EQ(Get_User_Preference(SIMULATE_ALL_GAMES), 0);
    EXPECT_EQ(Get_User_Preference(SIMULATION_RUNNING), 0);
}

int Weekly_Counter(int team, int slot) {
    return Get_Player_Vital_Stat(team, slot, VITAL_LOADED_MARKER);
}

} // namespace

TEST(WeekAdvance, ShortSeasonsEndTheRegularSeasonInWeekTwo) {
    // One game a team before 1990: Season_Length 1, and week 2 ends the
    // regular season. Eight teams in two divisions with three wild cards send
    // five, so the first playoff week has a game.
    Build_Small_League(8, 1985, 1, 3);
    ASSERT_EQ(Universe.Season_Length, 1);
    Set_Current_View(VIEW_STANDINGS);
    Advance_Weeks(22);
    EXPECT_EQ(Week(), 2);
    EXPECT_EQ(Count_Completed_Games(), 4);
    EXPECT_EQ(Get_Current_View(), VIEW_PLAYOFFS);
    EXPECT_NE(Get_Playoff_Team(17), NO_TEAM) << "the playoffs are seeded";
    int entered = 0;
    for (int team = 0; team < 8; ++team)
        if (Get_Team_Schedule_Stat(team, 2, SCHEDULE_OPPONENT) > 0) ++entered;
    EXPECT_EQ(entered, 1) << "seeds 4 and 5 meet in the first playoff week";
    Expect_Advance_Finished();

    Advance_Weeks(22);
    EXPECT_TRUE(Is_Champion_Decided());
    EXPECT_EQ(Count_Completed_Games(), 8);
    EXPECT_EQ(Week(), Universe.Post_Season_Days[4] + 1);
    Expect_Advance_Finished();

    // Without games at all the season still ends in week 2: the two division
    // leaders are seeded there, and since they meet in the conference final
    // the empty first playoff week is passed over.
    Build_Small_League(8, 1985, 0, 0);
    EXPECT_EQ(Universe.Season_Length, 0);
    Advance_Weeks(22);
    EXPECT_EQ(Week(), 3);
    EXPECT_NE(Get_Playoff_Team(24), NO_TEAM);
    EXPECT_FALSE(Is_Champion_Decided());
}

TEST(WeekAdvance, TradingDeadlineAdvanceInWeekElevenPlaysNothing) {
    Build_Small_League(8, 2005, 12, 0);
    Set_User_Preference(CURRENT_WEEK, 11);
    Set_User_Preference(AUTO_SAVE, 1);
    Set_User_Preference(SIMULATE_ALL_GAMES, 1);
    Advance_Weeks(11 - Week());
    EXPECT_EQ(Week(), 11);
    EXPECT_EQ(Count_Completed_Games(), 0);
    EXPECT_FALSE(std::filesystem::exists("[Auto Save].kor")) << "no auto-save for an empty advance";
    Expect_Advance_Finished();
}

TEST(WeekAdvance, InjuriesHealTwoWeeksInTheThirdPlayoffWeek) {
    Build_Small_League(8, 1985, 1, 3);
    Advance_Weeks(22);
    Advance_Weeks(1);
    ASSERT_EQ(Week(), 3);
    const int before_week_3 = Weekly_Counter(0, 0);
    Advance_Weeks(1);
    EXPECT_EQ(Weekly_Counter(0, 0), before_week_3 + 1);
    ASSERT_EQ(Week(), Universe.Season_Length + 3);
    const int injured = Get_Player_Vital_Stat(5, 3, VITAL_PLAYER_ID);
    Set_Player_Vital_Stat(5, 3, VITAL_INJURY_TYPE, 3);
    Set_Player_Vital_Stat(5, 3, VITAL_WEEKS_OUT, 10);
    const int before = Weekly_Counter(0, 0);
    Advance_Weeks(1);
    EXPECT_EQ(Weekly_Counter(0, 0), before + 2);
    int team = -1, slot = -1;
    ASSERT_EQ(Find_Player_By_ID(&team, &slot, injured), 1);
    EXPECT_EQ(Get_Player_Vital_Stat(team, slot, VITAL_WEEKS_OUT), 8);
}

TEST(WeekAdvance, StopFinishesTheWeekAndEndsTheAdvance) {
    Build_Small_League(8, 1985, 2, 0);
    Run_After_Snaps(20, Stop_Simulation);
    Advance_Weeks(22);
    EXPECT_EQ(Week(), 1) << "the week finishes and moves on, then the advance ends";
    EXPECT_EQ(Count_Completed_Games(), 4) << "every game of the week is played";
    Expect_Advance_Finished();
    Reset_Message_Queue();
}

namespace {
// The window closed, or an interrupt signal, while a game is simulated.
void Ask_To_Quit() {
    Request_Quit(0);
}

int Count_Games_Begun() {
    int begun = 0;
    for (const GAME_RECORD& game : Universe.Games)
        if (game.Team[0] != game.Team[1]) ++begun;
    return begun;
}
} // namespace

TEST(WeekAdvance, QuitStopsBetweenGamesAndLeavesTheWeekAsPlayed) {
    Build_Small_League(8, 1985, 2, 0);
    const int begun_before = Count_Games_Begun();
    Run_After_Snaps(20, Ask_To_Quit);
    Advance_Weeks(22);
    // The engine leaves the game under way where it was, unbooked.
    EXPECT_EQ(Count_Games_Begun(), begun_before + 1) << "no other game starts";
    EXPECT_EQ(Count_Completed_Games(), 0);
    EXPECT_EQ(Week(), 0) << "the week's steps and the next weeks do not run";
    int results = 0; // wins, losses and ties of the season
    for (int team = 0; team < 8; ++team)
        for (int n : {0, 4, 8})
            results += Get_Team_Yearly_Char(team, 0, n);
    EXPECT_EQ(results, 0) << "no result is booked";
    Expect_Advance_Finished();
    EXPECT_FALSE(std::filesystem::exists("[Auto Save].kor")) << "nothing is saved";

    // A run of seasons asked to quit ends too.
    Simulate_Seasons(3);
    EXPECT_EQ(Week(), 0);
    EXPECT_EQ(Count_Games_Begun(), begun_before + 1);
    EXPECT_EQ(Get_User_Preference(MULTI_SEASON_SIMULATION), 0);
    Reset_Message_Queue();
}

TEST(WeekAdvance, ChampionThenOffSeasonThenNothingInWeek100) {
    const PLAYING_FOLDER playing("off-season-week-100");
    Build_Small_League(4, 2010, 1, 1);
    Advance_Weeks(22);
    Advance_Weeks(22);
    ASSERT_TRUE(Is_Champion_Decided());
    const int games = Count_Completed_Games();
    Clear_Shown_Messages();
    Advance_Weeks(4);
    EXPECT_EQ(Week(), 100);
    EXPECT_EQ(Get_User_Preference(CURRENT_SEASON_INDEX), 1);
    EXPECT_EQ(Count_Completed_Games(), games) << "the off-season plays no game";
    ASSERT_GE(Get_Shown_Messages().size(), 2u);
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "Begin College Draft?");
    EXPECT_EQ(Get_Shown_Messages()[1].Caption, "College Draft") << "the scripted user pauses the draft";
    Advance_Weeks(1);
    EXPECT_EQ(Week(), 100);
    Expect_Advance_Finished();

    // Simulating a season from the paused draft runs the draft, the next
    // season and its off-season, and ends when the season after has begun.
    Simulate_Seasons(1);
    EXPECT_EQ(Get_User_Preference(CURRENT_SEASON_INDEX), 2);
    EXPECT_EQ(Week(), 0);
    EXPECT_EQ(Get_User_Preference(MULTI_SEASON_SIMULATION), 0);
    EXPECT_GT(Universe.Season_Length, 0);
    Expect_Advance_Finished();
}

TEST(WeekAdvance, SimulatedSeasonsGoOnPastTheLastHistoryRow) {
    const PLAYING_FOLDER playing("past-last-row");
    Build_Small_League(4, 2010, 1, 1);
    // 2010 is the league's hundredth season.
    Universe.Header.Universe_Stats[BASE_YEAR] = 2010 - 99;
    Set_User_Preference(CURRENT_SEASON_INDEX, 99);
    Simulate_Seasons(2);
    EXPECT_EQ(Get_Current_Year(), 2012);
    EXPECT_EQ(Week(), 0);
    EXPECT_EQ(Get_User_Preference(CURRENT_SEASON_INDEX), 99);
    EXPECT_EQ(Get_User_Preference(MULTI_SEASON_SIMULATION), 0);
    // 2010 and 2011 stand in the last rows but one, the new season's row is empty.
    for (int season : {97, 98, 99}) {
        int results = 0;
        for (int team = 0; team < 4; ++team)
            for (int n : {0, 4, 8})
                results += Get_Team_Yearly_Char(team, season, n);
        EXPECT_EQ(results > 0, season < 99) << "row " << season;
    }
}

// The year, the roll-over and the loop that waits for them agree on the
// largest year: the seasons are played up to it, no further, and a season
// played in it starts the next one in the same year.
TEST(WeekAdvance, SimulatedSeasonsStopAtTheLargestYear) {
    const PLAYING_FOLDER playing("largest-year");
    Build_Small_League(4, MAX_CALENDAR_YEAR - 1, 1, 1);
    Simulate_Seasons(3);
    EXPECT_EQ(Get_Current_Year(), MAX_CALENDAR_YEAR);
    EXPECT_EQ(Week(), 0) << "the last season has begun";
    EXPECT_EQ(Get_User_Preference(MULTI_SEASON_SIMULATION), 0);
    const int index = Get_User_Preference(CURRENT_SEASON_INDEX);

    Simulate_Seasons(1);
    EXPECT_EQ(Week(), 0) << "no season lies beyond the largest year";
    EXPECT_EQ(Get_User_Preference(MULTI_SEASON_SIMULATION), 0);

    // Played by hand, the season rolls over into the same year.
    Advance_Weeks(22);
    Advance_Weeks(22);
    ASSERT_TRUE(Is_Champion_Decided());
    Advance_Weeks(1);
    EXPECT_EQ(Week(), 100);
    EXPECT_EQ(Get_Current_Year(), MAX_CALENDAR_YEAR);
    EXPECT_EQ(Get_User_Preference(CURRENT_SEASON_INDEX), index);
    EXPECT_EQ(Get_Universe_Stat(BASE_YEAR) + index, MAX_CALENDAR_YEAR);
    Expect_Advance_Finished();
}

TEST(WeekAdvance, SimulateSeasonsEndsWhenNothingMoves) {
    // A refused advance (a fantasy draft) moves nothing: the loop ends.
    Build_Small_League(4, 2010, 1, 1);
    Universe.Header.Universe_Stats[FANTASY_DRAFT_FLAG] = 1;
    Simulate_Seasons(3);
    EXPECT_EQ(Week(), 0);
    EXPECT_EQ(Get_User_Preference(CURRENT_SEASON_INDEX), 0);
    EXPECT_EQ(Get_User_Preference(MULTI_SEASON_SIMULATION), 0);
    Universe.Header.Universe_Stats[FANTASY_DRAFT_FLAG] = 0;
}

TEST(WeekAdvance, ReentryAndFantasyDraftAreRefused) {
    Build_Small_League(4, 2010, 1, 1);
    Universe.Header.Advance_In_Progress = 1;
    Advance_Weeks(1);
    EXPECT_EQ(Week(), 0);
    EXPECT_EQ(Count_Completed_Games(), 0);
    Universe.Header.Advance_In_Progress = 0;

    Universe.Header.Universe_Stats[FANTASY_DRAFT_FLAG] = 1;
    Clear_Shown_Messages();
    Advance_Weeks(1);
    EXPECT_EQ(Week(), 0);
    ASSERT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "Fantasy Draft");
    EXPECT_EQ(Universe.Header.Advance_In_Progress, 0);
}

TEST(WeekAdvance, FullGameRecordsPlayTheGameWithoutARecord) {
    Build_Small_League(4, 2010, 1, 1);
    // Every record holds a finished game (of another season).
    for (int n = 0; n < MAX_GAME_RECORDS; ++n) {
        GAME_RECORD* game = Get_Game_Record(n);
        game->Clock = 3600;
        game->Score[0] = 3;
        game->Team[0] = 30;
        game->Team[1] = 31;
    }
    Advance_Weeks(1);
    EXPECT_EQ(Week(), 1);
    int played = 0;
    for (int team = 0; team < 4; ++team) {
        played += Get_Team_Games_Played(team);
        if (Get_Team_Schedule_Stat(team, 0, SCHEDULE_OPPONENT) != 0) {
            EXPECT_EQ(Get_Team_Schedule_Stat(team, 0, SCHEDULE_GAME_INDEX), -2);
        }
    }
    EXPECT_EQ(played, 4) << "both games count in the standings";
    EXPECT_EQ(Get_Game_Record(0)->Team[0], 30) << "no record was overwritten";
    EXPECT_EQ(Get_Game_Record(MAX_GAME_RECORDS - 1)->Team[1], 31);
}

TEST(WeekAdvance, ReturnTouchdownsOfTheAdvanceAreLogged) {
    Build_Small_League(8, 1985, 2, 0);
    Clear_Debug_Log();
    Advance_Weeks(22);
    int interceptions = 0, fumbles = 0;
    for (int n = 0; n < MAX_GAME_RECORDS; ++n) {
        const GAME_RECORD* game = Get_Game_Record(n);
        if (!Is_Game_Record_Used(n)) continue;
        for (int play = 0; play < game->Play_Log_Count; ++play) {
            const int result = Get_Play_Result(game->Play_Log[play].Play_Word);
            interceptions += result == RESULT_INTERCEPTION_TOUCHDOWN;
            fumbles += result == RESULT_FUMBLE_TOUCHDOWN;
        }
    }
    char expected[128];
    snprintf(expected, sizeof expected,
             "Return TDs (Interception):     %3d\nReturn TDs (Fumble Receovery): %3d", interceptions,
             fumbles);
    EXPECT_NE(Read_Debug_Log_Text().find(expected), std::string::npos) << expected;
    EXPECT_EQ(Count_Debug_Lines("Return TDs (Interception):"), 1) << "one line an advance";
    // An advance that plays no week writes none.
    Clear_Debug_Log();
    Set_User_Preference(CURRENT_WEEK, 100);
    Advance_Weeks(1);
    EXPECT_EQ(Count_Debug_Lines("Return TDs"), 0);
}

TEST(WeekAdvance, ScoreTickerShowsTheLastThreeGames) {
    GAME_RECORD game{};
    Build_Test_League();
    game.Team[0] = 2; // Bears
    game.Team[1] = 3; // Hawks
    game.Score[0] = 20;
    game.Score[1] = 23;
    game.Clock = 3700;
    Clear_Score_Ticker();
    char line[SCORE_TICKER_LINE_SIZE];
    Get_Score_Ticker_Line(1, line);
    EXPECT_STREQ(line, "Simulating...");
    Format_Score_Ticker_Text(&game, 4);
    Get_Score_Ticker_Line(3, line);
    EXPECT_STREQ(line, "Bears 20");
    EXPECT_EQ(Get_Score_Ticker_Colour(3), 0xFFFFFFu);
    Get_Score_Ticker_Line(4, line);
    EXPECT_STREQ(line, "Hawks 23");
    EXPECT_EQ(Get_Score_Ticker_Colour(4), 0x45F9FFu);
    Get_Score_Ticker_Line(5, line);
    EXPECT_STREQ(line, "(OT)");
    EXPECT_EQ(Get_Score_Ticker_Colour(5), 0x2EA6AAu);
    game.Clock = 3600;
    Format_Score_Ticker_Text(&game, 1);
    Get_Score_Ticker_Line(5, line);
    EXPECT_STREQ(line, "") << "game 1 takes the second group over, in regulation";
    EXPECT_EQ(Get_Score_Ticker_Colour(5), 0u);
    Get_Score_Ticker_Line(2, line);
    EXPECT_STREQ(line, "");
    game.Team[0] = 40;
    Format_Score_Ticker_Text(&game, 0);
    Get_Score_Ticker_Line(0, line);
    EXPECT_STREQ(line, " 20") << "no name for a code above 37";
}

TEST(WeekAdvance, NewSeasonSetUpMovesPicksAndClearsTheGames) {
    Build_Small_League(4, 2010, 1, 1);
    Advance_Weeks(22);
    Set_Draft_Pick_Owner(1, 2, 3, 0);
    Set_Draft_Pick_Owner(2, 4, 1, 2);
    Set_Team_Totals_Stat(1, 0, 0, 5, 77);
    ASSERT_GT(Count_Completed_Games(), 0);
    Setup_New_Season();
    EXPECT_EQ(Get_Draft_Pick_Owner(0, 2, 3), 0);
    EXPECT_EQ(Get_Draft_Pick_Owner(1, 4, 1), 2);
    EXPECT_EQ(Get_Draft_Pick_Owner(2, 4, 1), 1);
    EXPECT_EQ(Get_Team_Totals_Stat(1, 0, 1, 5), 77);
    EXPECT_EQ(Get_Team_Totals_Stat(1, 0, 0, 5), 0);
    for (int n = 0; n < MAX_GAME_RECORDS; ++n)
        ASSERT_EQ(Is_Game_Record_Used(n), 0) << n;
    EXPECT_EQ(Week(), 0);
    EXPECT_GT(Universe.Season_Length, 0) << "the new season is scheduled";
}

TEST(WeekAdvance, GivingUpAWatchedGameHandsItToTheComputer) {
    Build_Small_League(4, 2010, 1, 1);
    const int week = 0;
    const int home = Get_Team_Week_Game_Side(0, week) == 1 ? 0 : Get_Team_Week_Opponent(0, week);
    const int visitor = Get_Team_Week_Opponent(home, week);
    Set_Game_PBP_Flag(home, week, 1);
    GAME_RECORD* game = Get_Game_Record(0);
    game->Team[1] = static_cast<uint8_t>(home);
    game->Team[0] = static_cast<uint8_t>(visitor);
    game->Current_Play.Offensive_Play = 255;
    Set_User_Preference(WAITING_FOR_CLICK, 1);
    Set_User_Preference(SIMULATION_RUNNING, 1);
    Current_Game = game;
    Stop_Watching_Current_Game();
    EXPECT_EQ(Get_User_Preference(WAITING_FOR_CLICK), 0);
    EXPECT_EQ(Get_Team_Week_Schedule_Stat_1(visitor, week), 0) << "nobody watches the game any more";
    EXPECT_NE(game->Current_Play.Offensive_Play, 255) << "the computer called the snap";
    EXPECT_EQ(Get_Current_View(), 40036);
    Current_Game = nullptr;
    Set_User_Preference(SIMULATION_RUNNING, 0);
}

TEST(WeekAdvance, SameLeagueAndSeedPlayTheSameWeekWhateverCameBefore) {
    // The second week starts after the first one consumed buffered names and
    // generation state in this process: none of that may leak into the league.
    std::vector<uint8_t> first;
    for (int run = 0; run < 2; ++run) {
        Build_Small_League(8, 2020, 14, 0);
        Advance_Weeks(1);
        const uint8_t* block = reinterpret_cast<const uint8_t*>(&Universe);
        if (run == 0) {
            first.assign(block, block + sizeof Universe);
            continue;
        }
        size_t differing = 0;
        for (size_t i = 0; i < first.size(); ++i)
            differing += first[i] != block[i];
        EXPECT_EQ(differing, 0u) << "bytes of the block that differ between the two runs";
    }
}
