// The views' texts and layouts by the worked values of a hand-set league.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>
#include <utility>

#include "database/game_names.h"
#include "database/game_queries.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/playoff_bracket.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/team_results.h"
#include "database/universe.h"
#include "engine/game_driver.h"
#include "engine/game_record.h"
#include "personnel/draft_picks.h"
#include "personnel/scouting.h"
#include "platform/string_warnings.h"
#include "season/historic_reference.h"
#include "support/played_season.h"
#include "support/test_league.h"
#include "views/calendar_view.h"
#include "views/draft_board_view.h"
#include "views/finance_texts.h"
#include "views/finances_view.h"
#include "views/leaders_view.h"
#include "views/playoffs_view.h"
#include "views/standings_texts.h"
#include "views/timeline_strip.h"

namespace {
std::string Team_Text(int32_t team, int32_t id) {
    char text[64];
    Get_Team_Stat_Text(team, id, text);
    return text;
}

std::string League_Text(int32_t id) {
    char text[64];
    Get_League_Stat_Text(id, text);
    return text;
}

std::string Cell_Text(int32_t cell) {
    char text[128];
    Get_Timeline_Cell_Text(cell, text);
    return text;
}

std::string Full_Name(int32_t team) {
    char name[128];
    Get_Team_Full_Name(team, name);
    return name;
}

// Moves `count` teams of the second league into the first.
void Move_Teams_To_First_League(int32_t count) {
    for (int32_t k = 0; k < count; ++k)
        Set_Team_Stat(16 + k, 0, 3);
}
} // namespace

TEST(ViewValues, StandingsBeforeAnyGameShowDashesAndZeroes) {
    Build_Test_League();
    Clear_All_Game_Records();
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        Clear_Team_Totals(team);
    EXPECT_EQ(Team_Text(0, 7), "\x96") << "points a game";
    EXPECT_EQ(Team_Text(0, 11), "\x96");
    EXPECT_EQ(Team_Text(0, 25), "0%") << "third downs";
    EXPECT_EQ(Team_Text(0, 38), "0:00") << "possession";
    EXPECT_EQ(Team_Text(0, 17), "0") << "turnover margin";
    EXPECT_EQ(League_Text(3), "\x96");
    EXPECT_EQ(League_Text(5), "\x96");
    EXPECT_EQ(League_Text(38), "0:00");
    EXPECT_EQ(League_Text(39), "") << "no league text beyond 38";
    EXPECT_EQ(Team_Text(0, 48), "") << "the choosing marker";
    EXPECT_EQ(Team_Text(0, -3), "");

    Set_Team_Totals_Stat(0, 7, 0, 4, 3); // three interceptions taken
    EXPECT_EQ(Team_Text(0, 17), "+3");
    Set_Team_Totals_Stat(0, 3, 0, 4, 5);
    EXPECT_EQ(Team_Text(0, 17), "-2");
}

namespace {
// "%d.%d" of the amount a game, rounded to the tenth.
std::string Tenths_A_Game(int64_t amount, int64_t games) {
    const int64_t tenths = (amount * 10 + games / 2) / games;
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}
} // namespace

// Once the playoffs are played a team's totals and its game records take in
// its playoff games: its figures a game divide by every game it played, as
// its game records count them, and the league row by all the league's.
TEST(ViewValues, FiguresAGameAfterThePlayoffsDivideByEveryGamePlayed) {
    Build_Played_Season(4);
    const int32_t team = Get_Played_Season_Champion();
    int64_t games = 0, scored = 0, allowed = 0, rushes = 0, rushing_yards = 0, league_games = 0,
            league_points = 0;
    for (int32_t n = 0; n < MAX_GAME_RECORDS; ++n) {
        const GAME_RECORD* game = Get_Game_Record(n);
        if (Is_Game_Over(game) != 1) continue;
        league_games += 2;
        league_points += game->Score[0] + game->Score[1];
        for (int32_t side = 0; side < 2; ++side) {
            if (game->Team[side] != team) continue;
            ++games;
            scored += game->Score[side];
            allowed += game->Score[1 - side];
            rushes += Get_Game_Team_Total(game, side, GAME_TOTAL_RUSHES);
            rushing_yards += Get_Game_Team_Total(game, side, GAME_TOTAL_RUSHING_YARDS);
        }
    }
    const int32_t playoff_games = Get_Team_Record_Char(team, RECORD_CHAR_PLAYOFF_WINS) +
                                  Get_Team_Record_Char(team, RECORD_CHAR_PLAYOFF_LOSSES);
    ASSERT_GT(playoff_games, 0) << "the champion played in the playoffs";
    ASSERT_EQ(games, Get_Team_Games_Played(team) + playoff_games);
    EXPECT_EQ(Team_Text(team, 7), Tenths_A_Game(scored, games)) << "points scored";
    EXPECT_EQ(Team_Text(team, 8), Tenths_A_Game(allowed, games)) << "points allowed";
    EXPECT_EQ(Team_Text(team, 28), Tenths_A_Game(rushes, games)) << "rushes";
    EXPECT_EQ(League_Text(7), Tenths_A_Game(league_points, league_games)) << "the league's points";
    EXPECT_EQ(Get_Team_Totals_Stat(team, 0, 0, 134), (rushing_yards * 10 + games / 2) / games)
        << "the rushing ranks' yards a game, in tenths";
}

namespace {
// "%d.%02d" of a / b, rounded to the hundredth.
std::string Hundredths_Of(int64_t a, int64_t b) {
    const int64_t v = (a * 100 + b / 2) / b;
    char text[32];
    std::snprintf(text, sizeof text, "%lld.%02lld", static_cast<long long>(v / 100),
                  static_cast<long long>(v % 100));
    return text;
}
} // namespace

// A team's "Yards / Pass" counts as the league row does: its passing yards
// less the yards lost to sacks, over its passes and sacks, as its games
// record them; so the league row lies among the teams'.
TEST(ViewValues, YardsAPassTakeOffTheSacksForTeamsAsForTheLeague) {
    Build_Played_Season(4);
    const int32_t teams = Count_Active_Teams();
    std::string lowest = "99.99", highest = "0.00";
    auto less = [](const std::string& a, const std::string& b) { return std::stod(a) < std::stod(b); };
    for (int32_t team = 0; team < teams; ++team) {
        int64_t yards = 0, plays = 0;
        for (int32_t n = 0; n < MAX_GAME_RECORDS; ++n) {
            const GAME_RECORD* game = Get_Game_Record(n);
            if (Is_Game_Over(game) != 1) continue;
            for (int32_t side = 0; side < 2; ++side) {
                if (game->Team[side] != team) continue;
                // The games' passing yards are already less the sacks' (a
                // signed total: a side may lose yards).
                yards += static_cast<int16_t>(Get_Game_Team_Total(game, side, GAME_TOTAL_PASSING_YARDS));
                plays += Get_Game_Team_Total(game, side, GAME_TOTAL_PASS_ATTEMPTS) +
                         Get_Game_Team_Total(game, 1 - side, GAME_TOTAL_SACKS);
            }
        }
        ASSERT_GT(plays, 0);
        const std::string shown = Team_Text(team, 31);
        EXPECT_EQ(shown, Hundredths_Of(yards, plays)) << "team " << team;
        if (less(shown, lowest)) lowest = shown;
        if (less(highest, shown)) highest = shown;
    }
    const std::string league = League_Text(31);
    EXPECT_FALSE(less(league, lowest)) << league << " below every team's, the lowest " << lowest;
    EXPECT_FALSE(less(highest, league)) << league << " above every team's, the highest " << highest;
}

TEST(ViewValues, FinanceRowsEndWithTheLeagueAverage) {
    Build_Test_League();
    ASSERT_EQ(Count_League_Teams(0), 16);
    EXPECT_NE(Get_Finance_Row_Team(0, 15), FINANCE_LEAGUE_ROW);
    EXPECT_EQ(Get_Finance_Row_Team(0, 16), NO_TEAM) << "a blank row";
    EXPECT_EQ(Get_Finance_Row_Team(0, 17), FINANCE_LEAGUE_ROW);
    Move_Teams_To_First_League(1);
    ASSERT_EQ(Count_League_Teams(0), 17);
    EXPECT_EQ(Get_Finance_Row_Team(0, 17), FINANCE_LEAGUE_ROW) << "the average directly";
    Move_Teams_To_First_League(2);
    ASSERT_EQ(Count_League_Teams(0), 18);
    for (int32_t row = 0; row < 18; ++row)
        EXPECT_NE(Get_Finance_Row_Team(0, row), FINANCE_LEAGUE_ROW) << "18 teams fill every row";
}

TEST(ViewValues, EqualTeamsRateEveryUnitAtTheLeagueAverage) {
    Build_Test_League();
    for (int32_t team = 1; team < TEST_LEAGUE_TEAMS; ++team)
        std::memcpy(Universe.Teams[team].Players, Universe.Teams[0].Players,
                    sizeof Universe.Teams[0].Players);
    Clear_Unit_Rating_Cache();
    for (int32_t unit = 0; unit < FINANCE_UNITS; ++unit)
        for (int32_t team : {0, 7, 31}) {
            EXPECT_EQ(Get_Team_Unit_Against_League(team, unit), 1100) << "unit " << unit;
            char grade[32], ten[32];
            Get_Finance_Stat_Text(team, 24 + unit, grade);
            Get_Letter_Grade(10, ten);
            EXPECT_STREQ(grade, ten);
        }
    char text[32];
    Get_Finance_Stat_Text(FINANCE_LEAGUE_ROW, 24, text);
    EXPECT_STREQ(text, "\x96") << "no unit grade for the league";
    Get_Finance_Stat_Text(FINANCE_LEAGUE_ROW, 46, text);
    EXPECT_STREQ(text, "\x96") << "no power rank for the league";
}

TEST(ViewValues, CalendarTextsOfKickoffsAndDowns) {
    char text[32];
    const std::pair<int32_t, const char*> kickoffs[] = {{1300, "1:00"}, {1200, "12:00"}, {2400, "12:00"},
                                                        {0, "1:00"},    {1630, "4:30"},  {2015, "8:15"}};
    for (const auto& [hhmm, shown] : kickoffs) {
        Format_Kickoff_Time(hhmm, text);
        EXPECT_STREQ(text, shown) << hhmm;
    }
    Build_Test_League();
    Clear_All_Game_Records();
    const int32_t record = 0;
    GAME_RECORD* game = Get_Game_Record(record);
    game->Team[0] = 1;
    game->Team[1] = 0;
    game->Season_Year = 2020;
    Set_Team_Schedule_Stat(0, 0, SCHEDULE_OPPONENT, 2);
    Set_Team_Schedule_Stat(0, 0, SCHEDULE_GAME_INDEX, record);
    Set_Team_Schedule_Stat(1, 0, SCHEDULE_OPPONENT, -1);
    Set_Team_Schedule_Stat(1, 0, SCHEDULE_GAME_INDEX, record);
    Get_Calendar_Stat_Text(0, 0, 12, text);
    EXPECT_STREQ(text, "0% (0/0)") << "third downs with no attempts";
    game->Team_Totals[1][9] = 210;
    game->Team_Totals[1][6] = 90;
    game->Team_Totals[1][7] = 30;
    game->Team_Totals[1][5] = 25;
    game->Team_Totals[0][11] = 3;
    game->Team_Totals[0][10] = 2;
    Get_Calendar_Stat_Text(0, 0, 0, text);
    EXPECT_STREQ(text, "300") << "the home team's yards";
    Get_Calendar_Stat_Text(0, 0, 10, text);
    EXPECT_STREQ(text, "5.2") << "300 yards in 58 plays";
    Get_Calendar_Stat_Text(0, 0, 8, text);
    EXPECT_STREQ(text, "+2") << "two takeaways";
    Get_Calendar_Stat_Text(1, 0, 7, text);
    EXPECT_STREQ(text, "0");
    Get_Calendar_Stat_Text(0, 1, 0, text);
    EXPECT_STREQ(text, "") << "a week without a game";
    Get_Calendar_Stat_Text(0, 0, 20, text);
    EXPECT_STREQ(text, "") << "the choosing marker";
}

// A side that lost yards on the ground shows them below zero in its own
// cells and in its opponent's, and its yards a play with them.
TEST(ViewValues, CalendarCellsOfYardsLostKeepTheirMinus) {
    Build_Test_League();
    Clear_All_Game_Records();
    GAME_RECORD* game = Get_Game_Record(0);
    game->Team[0] = 1;
    game->Team[1] = 0;
    game->Season_Year = 2020;
    Set_Team_Schedule_Stat(0, 0, SCHEDULE_OPPONENT, 2);
    Set_Team_Schedule_Stat(0, 0, SCHEDULE_GAME_INDEX, 0);
    Set_Team_Schedule_Stat(1, 0, SCHEDULE_OPPONENT, -1);
    Set_Team_Schedule_Stat(1, 0, SCHEDULE_GAME_INDEX, 0);
    // The visitor: 5 rushes for 7 yards lost and no pass; the home side
    // gained 57 through the air and lost 7 running.
    game->Team_Totals[0][GAME_TOTAL_RUSHES] = 5;
    game->Team_Totals[0][GAME_TOTAL_RUSHING_YARDS] = static_cast<uint16_t>(-7);
    game->Team_Totals[1][GAME_TOTAL_RUSHES] = 4;
    game->Team_Totals[1][GAME_TOTAL_RUSHING_YARDS] = static_cast<uint16_t>(-7);
    game->Team_Totals[1][GAME_TOTAL_PASSING_YARDS] = 57;
    game->Team_Totals[1][GAME_TOTAL_PASS_ATTEMPTS] = 21;
    const std::pair<int32_t, int32_t> cells[] = {{1, 3}, {1, 0},  {0, 5},  {0, 1}, {0, 3},
                                                 {0, 0}, {1, 10}, {0, 11}, {0, 10}};
    const char* const shown[] = {"-7", "-7", "-7", "-7", "-7", "50", "-1.4", "-1.4", "2.0"};
    char text[32];
    for (size_t k = 0; k < std::size(cells); ++k) {
        Get_Calendar_Stat_Text(cells[k].first, 0, cells[k].second, text);
        EXPECT_STREQ(text, shown[k]) << "team " << cells[k].first << ", statistic " << cells[k].second;
    }
}

TEST(ViewValues, TheBracketsByesEnterWhereTheyStand) {
    Build_Test_League();
    Clear_All_Game_Records();
    for (int32_t place = 0; place < PLAYOFF_PLACES; ++place)
        Set_Playoff_Team(place, NO_TEAM);
    // A twelve-team bracket: places 2 and 3 stay empty, the bye team stands in 17.
    const int32_t seeds[16] = {0, 1, NO_TEAM, NO_TEAM, 4, 5, 6, 7, 8, 9, NO_TEAM, NO_TEAM, 12, 13, 14, 15};
    for (int32_t place = 0; place < 16; ++place)
        Set_Playoff_Team(place, seeds[place]);
    Set_Playoff_Team(17, 20);
    Set_Playoff_Team(16, 1);
    EXPECT_EQ(Get_Playoff_Slot_Kind(2), 0) << "an empty seed place is not drawn";
    EXPECT_EQ(Get_Playoff_Slot_Kind(17), 1) << "the bye team entered there";
    EXPECT_EQ(Is_Playoff_Slot_Direct(17), 1);
    EXPECT_EQ(Get_Playoff_Slot_Kind(16), 2) << "a winner's place";
    EXPECT_EQ(Get_Playoff_Slot_Kind(24), 2);
    RECT_AREA upper, lower;
    Get_Playoff_Slot_Box(17, 0, &upper);
    Get_Playoff_Slot_Box(17, 1, &lower);
    EXPECT_EQ(upper.Top, 124) << "one box for a direct place";
    EXPECT_EQ(lower.Top, upper.Top);
    Get_Playoff_Slot_Box(16, 0, &upper);
    Get_Playoff_Slot_Box(16, 1, &lower);
    EXPECT_EQ(upper.Top, 76 - 7);
    EXPECT_EQ(lower.Top, 76 + 7);

    // The game behind a place is the last between its feeders, either way round.
    for (const int32_t record : {3, 9}) {
        GAME_RECORD* game = Get_Game_Record(record);
        game->Team[0] = record == 3 ? 0 : 1;
        game->Team[1] = record == 3 ? 1 : 0;
        game->Season_Year = 2020;
    }
    EXPECT_EQ(Find_Game_Between_Teams(0, 1), 9);
    EXPECT_EQ(Find_Game_Between_Teams(0, 2), -1);

    char text[128], expected[128];
    Format_Championship_Number(57, text);
    Get_Super_Bowl_Info(expected, sizeof expected, 2022, 0);
    EXPECT_STREQ(text, expected);
    Format_Championship_Number(157, text);
    STRING_PREPEND_WARNING_OFF
    EXPECT_EQ(std::string(text), "C" + std::string(expected));
    Format_Championship_Number(357, text);
    EXPECT_EQ(std::string(text), "CCC" + std::string(expected));
    STRING_PREPEND_WARNING_ON
    Format_Championship_Number(1400, text);
    EXPECT_STREQ(text, "1,400");
}

// A place after the seeds is fed by places 2s - 32 and 2s - 31; its texts
// are the team's name and the feeders' score, the higher first, while a
// direct entry shows its name and record in one box.
TEST(ViewValues, ThePlacesFeedersAndTexts) {
    Build_Test_League();
    for (int32_t place = 0; place < PLAYOFF_PLACES; ++place)
        Set_Playoff_Team(place, NO_TEAM);
    int32_t feeders[2];
    EXPECT_TRUE(Get_Playoff_Feeders(16, feeders));
    EXPECT_EQ(feeders[0], 0);
    EXPECT_EQ(feeders[1], 1);
    EXPECT_TRUE(Get_Playoff_Feeders(30, feeders));
    EXPECT_EQ(feeders[0], 28);
    EXPECT_EQ(feeders[1], 29);
    for (const int32_t place : {15, 0, -1, 31}) {
        EXPECT_FALSE(Get_Playoff_Feeders(place, feeders)) << place;
        EXPECT_EQ(feeders[0], -1) << place;
    }

    Set_Playoff_Team(0, 4);
    Set_Playoff_Team(1, 5);
    Set_Playoff_Team(16, 5);
    Set_Playoff_Score(0, 17);
    Set_Playoff_Score(1, 24);
    Set_Team_Record_Char(4, RECORD_CHAR_WINS, 10);
    Set_Team_Record_Char(4, RECORD_CHAR_LOSSES, 6);
    std::string name, score;
    RECT_AREA name_box, score_box;
    ASSERT_TRUE(Get_Playoff_Place_Texts(16, &name, &name_box, &score, &score_box));
    char team_name[FORMATTED_TEXT_SIZE];
    Get_Team_Display_Name(5, team_name);
    EXPECT_EQ(name, team_name);
    EXPECT_EQ(score, "24-17") << "the winner's points first, whichever feeder he came from";
    EXPECT_EQ(name_box.Top + 14, score_box.Top);
    ASSERT_TRUE(Get_Playoff_Place_Texts(0, &name, &name_box, &score, &score_box));
    Get_Team_Display_Name(4, team_name);
    EXPECT_EQ(name, std::string(team_name) + " (10-6)");
    EXPECT_EQ(score, "");
    EXPECT_EQ(name_box.Top, score_box.Top) << "one box";
    EXPECT_FALSE(Get_Playoff_Place_Texts(2, &name, &name_box, &score, &score_box)) << "an empty place";
}

TEST(ViewValues, DraftBoardLinesAndPicks) {
    EXPECT_EQ(Get_Draft_Board_Pick(3, 0, 32), 65) << "round 3 of 32 teams";
    EXPECT_EQ(Get_Draft_Board_Pick(1, 31, 32), 32);
    Build_Test_League();
    Set_User_Preference(DRAFT_ROUND, 7);
    const int32_t year = Get_Current_Year() - 1;
    Set_User_Preference(DRAFT_BOARD_YEAR, year);
    Set_User_Preference(DRAFT_BOARD_ROUND, 1);
    const int32_t slot = Test_League_Slot(POSITION_WR, 1);
    Set_Player_Vital_Stat(4, slot, VITAL_DRAFT_RECORD, 5 * 10000 + year);
    Set_Player_Vital_Stat(4, slot, VITAL_DRAFT_SLOT, 19);
    int32_t team = 0, found = 0;
    ASSERT_TRUE(Find_Drafted_Player(&team, &found, year, 19));
    EXPECT_EQ(team, 4);
    EXPECT_FALSE(Find_Drafted_Player(&team, &found, year, 20));
    EXPECT_EQ(team, NO_TEAM) << "the pair is cleared first";
    char text[192], name[128], abbreviation[64];
    Get_Draft_Board_Line_Text(18, text, sizeof text);
    Get_Player_Full_Name(4, slot, name);
    Get_Team_String(abbreviation, 4, 0);
    EXPECT_EQ(std::string(text), " 19) " + std::string(abbreviation) + ": " + name + ", WR") << "line 18";
    EXPECT_EQ(Is_Draft_Board_Hot_Spot(330, 75), 2) << "line 18 opens the right column";
    EXPECT_EQ(Is_Draft_Board_Hot_Spot(30, 75 + 20 * 17), 0) << "line 17 ends the left column";
    EXPECT_EQ(Is_Draft_Board_Hot_Spot(10, 10), 1) << "a step button";

    Log_Forfeited_Draft_Pick(year, 5, 7);
    Get_Draft_Board_Line_Text(4, text, sizeof text);
    EXPECT_EQ(std::string(text), "  5) (Forfeited by " + Full_Name(7) + ")");
    Get_Draft_Board_Line_Text(5, text, sizeof text);
    EXPECT_STREQ(text, "  6) Player not currently in league");
}

TEST(ViewValues, TheComingDraftNamesItsOwnersAndNoTeamForABadCode) {
    Build_Test_League();
    // A pool of 101 prospects waits during the season: next year's board.
    for (int32_t n = 0; n < 101; ++n)
        std::memcpy(&Universe.Teams[38 + n / 100].Players[n % 100], &Universe.Teams[n % 30].Players[n / 30],
                    sizeof(PLAYER_RECORD));
    Set_User_Preference(CURRENT_WEEK, 5);
    Set_User_Preference(DRAFT_ROUND, 7);
    ASSERT_EQ(Get_Newest_Draft_Board_Year(), Get_Current_Year() + 1);
    Set_User_Preference(DRAFT_BOARD_YEAR, Get_Current_Year() + 1);
    Set_User_Preference(DRAFT_BOARD_ROUND, 2);
    for (int32_t i = 0; i < 32; ++i)
        Universe.Draft_Order[i] = static_cast<int8_t>(i);
    for (int32_t i = 0; i < 32; ++i)
        Set_Draft_Pick_Owner(0, 1, i, i);
    Set_Draft_Pick_Owner(0, 1, 1, 9);
    Set_Draft_Pick_Owner(0, 1, 2, 5 - 128);
    Set_Draft_Pick_Owner(0, 1, 3, -1);
    char text[192], abbreviation[64];
    Get_Draft_Board_Line_Text(0, text, sizeof text);
    EXPECT_EQ(std::string(text), " 33) " + Full_Name(0));
    Get_Draft_Board_Line_Text(1, text, sizeof text);
    Get_Team_String(abbreviation, 1, 0);
    EXPECT_EQ(std::string(text), " 34) " + Full_Name(9) + " (from " + abbreviation + ")");
    Get_Draft_Board_Line_Text(2, text, sizeof text);
    EXPECT_EQ(std::string(text), " 35) Forfeited (by " + Full_Name(5) + ")");
    Get_Draft_Board_Line_Text(3, text, sizeof text);
    EXPECT_STREQ(text, " 36) Forfeited") << "a code marking no team names none";
}

TEST(ViewValues, TheTimelineShowsTheWeeksAhead) {
    Build_Test_League();
    Universe.Season_Length = 17;
    Set_User_Preference(CURRENT_WEEK, 16);
    EXPECT_EQ(Cell_Text(0), "Playoffs");
    EXPECT_EQ(Cell_Text(1), "Super Bowl");
    EXPECT_EQ(Cell_Text(2), "Off-Season");
    EXPECT_EQ(Cell_Text(3), "");
    EXPECT_EQ(Cell_Text(4), "");

    // An away game in week 5 at Dallas, 3-1.
    const int32_t user = 2, opponent = 9;
    Set_User_Preference(USER_TEAM, user);
    Set_User_Preference(CURRENT_WEEK, 4);
    Set_Team_Location("Dallas", opponent);
    Set_Team_Schedule_Stat(user, 4, SCHEDULE_OPPONENT, -(opponent + 1));
    Set_Team_Record_Char(opponent, RECORD_CHAR_WINS, 3);
    Set_Team_Record_Char(opponent, RECORD_CHAR_LOSSES, 1);
    char label[128];
    Get_Timeline_Label_Text(label);
    EXPECT_STREQ(label, "Week 5 @Dallas (3-1)");

    // The playoffs' first week is never before week 2; before 1970 the third
    // round is the title game.
    char round[128];
    Universe.Season_Length = 1;
    Get_Playoff_Round_Name(round, 2);
    EXPECT_STREQ(round, "Wildcard");
    Universe.Season_Length = 14;
    Universe.Header.Universe_Stats[BASE_YEAR] = 1965;
    Set_User_Preference(CURRENT_SEASON_INDEX, 0);
    Get_Playoff_Round_Name(round, 16);
    EXPECT_STREQ(round, "Title Game");
    Universe.Header.Universe_Stats[BASE_YEAR] = 1970;
    Get_Playoff_Round_Name(round, 16);
    EXPECT_STREQ(round, "Conference");
}

TEST(ViewValues, LeaderListsAreSortedAndKeepTheFirstOfEqualValues) {
    Build_Test_League();
    Set_User_Preference(LEADER_MODE_SETTING, LEADERS_BOTH_LEAGUES);
    Set_User_Preference(LEADER_STATE_SETTING, 2); // career
    for (int32_t k = 0; k < LEADER_LISTS; ++k)
        Set_User_Preference(LEADER_CATEGORY_SETTING + k, 11);
    const int32_t rb = Test_League_Slot(POSITION_RB, 0);
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        Set_Player_Stat(team, rb, SEASON_CAREER, 8, 5000);
    Build_Leader_Lists();
    for (int32_t k = 0; k < LEADER_LISTS; ++k) {
        for (int32_t i = 1; i < LEADER_LIST_ROWS; ++i)
            ASSERT_GE(Leader_Lists[k][i - 1].Value, Leader_Lists[k][i].Value);
        EXPECT_EQ(Leader_Lists[k][0].Team, 0) << "among equals the first team stays ahead";
        EXPECT_EQ(Leader_Lists[k][9].Team, 9);
    }
    // A category nobody may lead leaves ten empty rows, and 0 never enters.
    Set_User_Preference(LEADER_CATEGORY_SETTING, 27);
    Build_Leader_Lists();
    for (int32_t i = 0; i < LEADER_LIST_ROWS; ++i)
        EXPECT_EQ(Leader_Lists[0][i].Value > 0, Leader_Lists[0][i].Team >= 0);
}
