// The roll from a finished season into the off-season on the computer-run
// test league.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "app/modal_dialogs.h"
#include "app/progress_window.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/playoff_bracket.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/standings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "dialogs/history_dialogs.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/roster_limits.h"
#include "frontoffice/roster_minimums.h"
#include "personnel/draft_pool.h"
#include "personnel/draft_state.h"
#include "personnel/predicted_consistency.h"
#include "personnel/predicted_stats.h"
#include "platform/message_box.h"
#include "season/off_season.h"
#include "season/season_calendar.h"
#include "support/computer_league.h"
#include "support/scratch_folder.h"
#include "support/test_league.h"

namespace {
constexpr int32_t CHAMPION = 3;
constexpr int32_t FINALIST = 20;
constexpr int32_t FINANCE_PROFIT = 84;

struct SEASON_LINE_OF {
    int32_t Stats[20];
};

// The current season crowns its champion: every team with a record and a
// home attendance of attendance + its slot, every player with this season's
// statistics (consistent ones: fewer completions than attempts).
void Decide_Test_Season(int32_t attendance) {
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
        const int32_t wins = (team * 7) % 18;
        Set_Team_Record_Char(team, RECORD_CHAR_WINS, wins);
        Set_Team_Record_Char(team, RECORD_CHAR_LOSSES, 17 - wins);
        Set_Team_Financial_Stat(team, FINANCE_HOME_ATTENDANCE, attendance + team);
        Set_Team_Financial_Stat(team, FINANCE_TICKET_REVENUE, 40000000 + team);
        Set_Team_Financial_Stat(team, FINANCE_GAMES, 17);
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            const int32_t id = Get_Player_ID(team, slot);
            for (int32_t stat = 0; stat < 20; ++stat)
                Set_Player_Stat(team, slot, SEASON_THIS, stat, 100 - 3 * stat + id % 7);
        }
    }
    Update_Standings();
    Universe.Header.Championship_Round_Flag = 1;
    Set_User_Preference(CURRENT_WEEK, Universe.Season_Length + 4);
    Set_Playoff_Team(28, CHAMPION);
    Set_Playoff_Team(29, FINALIST);
    Set_Playoff_Team(30, CHAMPION);
    Clear_Shown_Messages();
    ASSERT_TRUE(Is_Champion_Decided());
}

// A season that has just crowned its champion, the cap just above the
// payrolls, no draft running and the coming draft's pool built, as the
// calendar builds it when the regular season ends.
void Finish_Test_Season(int32_t season = 1) {
    Build_Computer_League();
    Set_User_Preference(DRAFT_ROUND, NO_COLLEGE_DRAFT_ROUND);
    Create_College_Draft_Pool();
    int64_t payrolls = 0;
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        payrolls += Get_Team_Financial_Stat(team, FINANCE_PAYROLL);
    Universe.Header.Universe_Stats[SALARY_CAP] = static_cast<int32_t>(payrolls / TEST_LEAGUE_TEAMS * 1020);
    Set_User_Preference(CURRENT_SEASON_INDEX, season);
    Decide_Test_Season(500000);
}

std::map<int32_t, SEASON_LINE_OF> Take_This_Season_Lines() {
    std::map<int32_t, SEASON_LINE_OF> lines;
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            SEASON_LINE_OF line{};
            for (int32_t stat = 0; stat < 20; ++stat)
                line.Stats[stat] = Get_Player_Stat(team, slot, SEASON_THIS, stat);
            lines[Get_Player_ID(team, slot)] = line;
        }
    return lines;
}

// What the off-season must leave on a computer-run roster.
void Expect_Computer_Roster_Set(int32_t team) {
    const int32_t players = Get_First_Empty_Player_Slot(team);
    EXPECT_LE(players, ROSTER_ROOM_LIMIT) << "team " << team;
    int32_t last_unit = 0;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        ASSERT_EQ(Is_Player_Slot_Used(team, slot), slot < players)
            << "team " << team << " has a gap at " << slot;
        if (slot >= players) continue;
        const int32_t unit = Get_Player_Unit(team, slot);
        EXPECT_GE(unit, last_unit) << "team " << team << " slot " << slot << ": units out of order";
        last_unit = unit;
    }
    for (int32_t n = 0; n < 2; ++n) {
        const int32_t returner = Get_Team_Returner(team, n);
        ASSERT_LT(returner, players) << "team " << team;
        EXPECT_TRUE(Is_Skill_Or_Secondary_Player(team, returner)) << "team " << team << " returner " << n;
    }
}
} // namespace

TEST(OffSeason, RollOverWritesTheSeasonIntoHistoryAndRollsTheStatistics) {
    Finish_Test_Season();
    const auto before = Take_This_Season_Lines();
    std::vector<int32_t> profit(TEST_LEAGUE_TEAMS);
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        profit[team] = Get_Team_Financial_Stat(team, FINANCE_PROFIT);
    const int32_t dialogs = Count_Dialogs_Opened();
    Set_User_Preference(AUTO_OUTPUT_AWARDS, 1);
    Set_User_Preference(AUTO_OUTPUT_FINANCES, 1);
    Set_User_Preference(AUTO_OUTPUT_STANDINGS, 1);
    // An injured player under contract heals through the off-season's weeks.
    const int32_t injured = Get_Player_ID(CHAMPION, 0);
    Set_Player_Vital_Stat(CHAMPION, 0, VITAL_CONTRACT_YEARS, 4);
    Set_Player_Vital_Stat(CHAMPION, 0, VITAL_INJURY_TYPE, 3);
    Set_Player_Vital_Stat(CHAMPION, 0, VITAL_WEEKS_OUT, 5);
    // A draft round left over from an old file: no draft runs all the same, so
    // nothing may end one (and set up a season) before the draft question.
    Set_User_Preference(DRAFT_ROUND, 0);
    // Another long operation's window is already open: the roll-over runs all
    // the same and leaves that window to its owner.
    ASSERT_EQ(Open_Progress_Window("Another Operation", 10), 1);
    // A draft run by an earlier test may have left this season's report.
    std::filesystem::remove("Output/College-Draft-2022.txt");

    EXPECT_EQ(Start_Off_Season(), 0);

    EXPECT_TRUE(Is_Progress_Window_Open()) << "the outer window stays open";
    Close_Progress_Window();
    EXPECT_EQ(Get_User_Preference(CURRENT_SEASON_INDEX), 2);
    EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), 100);
    ASSERT_GE(Get_Shown_Messages().size(), 2u);
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "Begin College Draft?") << "only the draft question is asked";
    EXPECT_EQ(Get_Shown_Messages()[1].Caption, "College Draft");
    EXPECT_EQ(Count_Dialogs_Opened(), dialogs) << "no human team, no Contract Offer";
    EXPECT_EQ(Get_User_Preference(DRAFT_ROUND), 7) << "the paused draft has not started";
    EXPECT_FALSE(std::filesystem::exists("Output/College-Draft-2022.txt"));
    for (const char* report : {"Output/Awards21.txt", "Output/Money-21.txt", "Output/Stndng21.txt"})
        EXPECT_TRUE(std::filesystem::exists(report)) << report;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        if (Get_Player_ID(CHAMPION, slot) == injured) {
            EXPECT_EQ(Get_Player_Vital_Stat(CHAMPION, slot, VITAL_WEEKS_OUT), 0) << "eleven weeks of healing";
        }

    // Statistics: last season holds what this season held, this season is empty.
    int32_t compared = 0;
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            const auto found = before.find(Get_Player_ID(team, slot));
            if (found == before.end()) continue;
            ++compared;
            for (int32_t stat = 0; stat < 20; ++stat) {
                ASSERT_EQ(Get_Player_Stat(team, slot, SEASON_LAST, stat), found->second.Stats[stat])
                    << "team " << team << " slot " << slot << " stat " << stat;
                ASSERT_EQ(Get_Player_Stat(team, slot, SEASON_THIS, stat), 0);
            }
        }
    EXPECT_GT(compared, 1200) << "players who retired are gone; the others are compared";

    // The history and finance rows of the season just ended (index 1).
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
        EXPECT_EQ(Get_Team_Yearly_Int(team, 1, 0), 500000 + team) << team;
        EXPECT_EQ(Get_Team_Yearly_Int(team, 1, 1), profit[team]) << team;
        EXPECT_EQ(Get_Team_Financial_Stat(team, FINANCE_HOME_ATTENDANCE_LAST), 500000 + team);
        EXPECT_EQ(Get_Team_Financial_Stat(team, FINANCE_TICKET_REVENUE_LAST), 40000000 + team);
        EXPECT_EQ(Get_Team_Financial_Stat(team, FINANCE_GAMES_LAST), 17);
        EXPECT_EQ(Get_Team_Financial_Stat(team, FINANCE_HOME_ATTENDANCE), 0)
            << "this season's books are closed";
        EXPECT_EQ(Get_Team_Financial_Stat(team, FINANCE_GAMES), 0);
        Expect_Computer_Roster_Set(team);
    }
    EXPECT_EQ(Get_Team_Yearly_Int(CHAMPION, 1, 3), 8);
    EXPECT_EQ(Get_Team_Yearly_Int(FINALIST, 1, 3), 7);
}

TEST(OffSeason, PredictedSeasonsMoveAgainstTheTeamsRecord) {
    Finish_Test_Season();
    // Team 0 won no game, team 5 won 17 of 17 ((5 x 7) mod 18).
    ASSERT_EQ(Get_Team_Record_Char(0, RECORD_CHAR_WINS), 0);
    ASSERT_EQ(Get_Team_Record_Char(5, RECORD_CHAR_WINS), 17);
    auto predicted_total = [](int32_t team) {
        int64_t total = 0;
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
            if (Is_Player_Slot_Used(team, slot))
                for (int32_t stat = 0; stat < 20; ++stat)
                    total += Get_Player_Stat(team, slot, SEASON_PREDICTED, stat);
        return total;
    };
    for (int32_t team : {0, 5})
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
            for (int32_t stat = 0; stat < 20; ++stat)
                Set_Player_Stat(team, slot, SEASON_PREDICTED, stat, Get_Typical_Season_Stat(position, stat));
            Reconcile_Predicted_Player_Stats(team, slot);
        }
    std::vector<int64_t> before(TEST_LEAGUE_TEAMS);
    for (int32_t team : {0, 5})
        before[team] = predicted_total(team);
    ASSERT_GT(before[5], 0);
    Adjust_Team_Predicted_Stats(0, 0);
    EXPECT_EQ(predicted_total(0), before[0]) << "a modifier of 0 changes nothing";
    Adjust_Team_Predicted_Stats(0, 10);
    EXPECT_GT(predicted_total(0), before[0]) << "the losing team is predicted more";
    Adjust_Team_Predicted_Stats(5, -10);
    EXPECT_LT(predicted_total(5), before[5]) << "the winning team less";
}

TEST(OffSeason, MultiSeasonSimulationRollsOverWithoutAskingAnyone) {
    Finish_Test_Season();
    // The user's own team counts as computer-run while seasons are simulated.
    Set_Team_Stat(0, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_User_Preference(USER_TEAM, 0);
    Set_User_Preference(MULTI_SEASON_SIMULATION, 1);
    const int32_t dialogs = Count_Dialogs_Opened();
    EXPECT_EQ(Start_Off_Season(), 0);
    for (const SHOWN_MESSAGE& message : Get_Shown_Messages()) {
        EXPECT_NE(message.Caption, "Begin College Draft?");
        EXPECT_NE(message.Caption, "College Draft");
        EXPECT_NE(message.Caption, "Contract Renewals");
        EXPECT_NE(message.Caption, "Renew Contracts");
        EXPECT_NE(message.Caption, "Retiring Player");
    }
    EXPECT_EQ(Count_Dialogs_Opened(), dialogs);
    EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), 0) << "the draft ran to its end and the next season started";
    EXPECT_EQ(Get_User_Preference(CURRENT_SEASON_INDEX), 2);
    EXPECT_EQ(Get_User_Preference(DRAFT_ROUND), NO_COLLEGE_DRAFT_ROUND);
    Set_User_Preference(MULTI_SEASON_SIMULATION, 0);

    // Seven full rounds, the user's team picking by the computer's rules too.
    std::ifstream report("Output/College-Draft-2022.txt");
    int32_t picks = 0;
    for (std::string line; std::getline(report, line);)
        if (line.find(" (") != std::string::npos) ++picks;
    EXPECT_EQ(picks, 7 * TEST_LEAGUE_TEAMS);
    int32_t drafted_by_user = 0;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        if (Is_Player_Slot_Used(0, slot) &&
            Get_Player_Vital_Stat(0, slot, VITAL_DRAFT_RECORD) == 10000 + 2022)
            ++drafted_by_user;
    EXPECT_GE(drafted_by_user, 1);
    // The new season starts with every roster within its limit and every
    // position at its minimum.
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
        EXPECT_LE(Get_First_Empty_Player_Slot(team), ROSTER_ROOM_LIMIT) << "team " << team;
        for (int32_t position = 0; position < NUMBER_OF_POSITIONS; ++position)
            EXPECT_GE(Count_Team_Position_Players(team, position), Get_Position_Roster_Minimum(position))
                << "team " << team << " position " << position;
    }
    // Every rostered player starts it under contract, the undrafted prospects
    // the roster fill signed among them: at least a year left and a cap charge
    // in the payroll. The free agents, those prospects too, ask for terms.
    for (int32_t n = 0; n <= TEST_LEAGUE_TEAMS; ++n) {
        const int32_t team = n < TEST_LEAGUE_TEAMS ? n : FREE_AGENT_TEAM;
        for (int32_t slot = 0; slot < Get_First_Empty_Player_Slot(team); ++slot) {
            EXPECT_GE(Get_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS), 1)
                << "team " << team << " slot " << slot;
            EXPECT_GT(Get_Player_Vital_Stat(team, slot, VITAL_SALARY), 0)
                << "team " << team << " slot " << slot;
            if (team != FREE_AGENT_TEAM) {
                EXPECT_GT(Get_Player_Vital_Stat(team, slot, VITAL_CAP_CHARGE), 0)
                    << "team " << team << " slot " << slot;
            }
        }
    }
}

TEST(OffSeason, PastTheLastHistoryRowTheRowsMoveUpAndTheYearsGoOn) {
    const PLAYING_FOLDER playing("century");
    constexpr int32_t LAST_ROW = 99;
    constexpr int32_t BILLS = 7;
    Finish_Test_Season(LAST_ROW);
    // A league founded in 1920 ends its hundredth season, 2019.
    Universe.Header.Universe_Stats[BASE_YEAR] = 1920;
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        for (int32_t season = 0; season < LAST_ROW; ++season)
            Set_Team_Yearly_Int(team, season, 0, 1000 * season + team);
    // The coming year renames the Bills' stadium.
    Set_Team_Location("Buffalo", BILLS);
    Set_Team_Nickname("Bills", BILLS);
    Set_Team_Stadium_Name("Old Stadium", BILLS);
    auto stadium = [] {
        char name[TEAM_STRING_LENGTH];
        Get_Team_Stadium_Name(name, BILLS);
        return std::string(name);
    };
    Set_User_Preference(MULTI_SEASON_SIMULATION, 1);

    EXPECT_EQ(Start_Off_Season(), 0);
    EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), 0) << "the 2020 season has started";
    EXPECT_EQ(Get_User_Preference(CURRENT_SEASON_INDEX), LAST_ROW);
    EXPECT_EQ(Get_Current_Year(), 2020);
    EXPECT_EQ(stadium(), "Bills Stadium");
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
        EXPECT_EQ(Get_Team_Yearly_Int(team, LAST_ROW - 1, 0), 500000 + team)
            << "2019 outlives the set-up of 2020";
        EXPECT_EQ(Get_Team_Yearly_Char(team, LAST_ROW - 1, RECORD_CHAR_WINS), (team * 7) % 18);
        EXPECT_EQ(Get_Team_Yearly_Int(team, LAST_ROW - 2, 0), 1000 * (LAST_ROW - 1) + team);
        EXPECT_EQ(Get_Team_Yearly_Int(team, 0, 0), 1000 + team) << "1920 made room";
        EXPECT_EQ(Get_Team_Yearly_Int(team, LAST_ROW, 0), 0) << "2020 starts empty";
    }
    EXPECT_EQ(Get_Team_Yearly_Int(CHAMPION, LAST_ROW - 1, 3), 8);
    char line[HISTORY_TEXT_SIZE];
    Format_Team_History_Line(line, CHAMPION, LAST_ROW - 1);
    EXPECT_EQ(std::string(line).substr(0, 5), "2019\t");
    Format_Team_History_Line(line, CHAMPION, 0);
    EXPECT_EQ(std::string(line).substr(0, 5), "1921\t");

    // 2020 ends: its year's events are behind the league and stay so.
    Set_Team_Stadium_Name("Old Stadium", BILLS);
    Set_User_Preference(DRAFT_ROUND, NO_COLLEGE_DRAFT_ROUND);
    Create_College_Draft_Pool();
    Decide_Test_Season(600000);
    EXPECT_EQ(Start_Off_Season(), 0);
    EXPECT_EQ(Get_Current_Year(), 2021);
    EXPECT_EQ(stadium(), "Old Stadium");
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
        EXPECT_EQ(Get_Team_Yearly_Int(team, LAST_ROW - 1, 0), 600000 + team);
        EXPECT_EQ(Get_Team_Yearly_Int(team, LAST_ROW - 2, 0), 500000 + team);
    }
    Set_User_Preference(MULTI_SEASON_SIMULATION, 0);

    // Saved and loaded, the league is the same, and saves the same again.
    ASSERT_EQ(Save_Game("century.kor", nullptr), SAVE_OK);
    ASSERT_EQ(Load_Game("century.kor"), 1);
    EXPECT_EQ(Get_Universe_Stat(BASE_YEAR), 1922);
    EXPECT_EQ(Get_User_Preference(CURRENT_SEASON_INDEX), LAST_ROW);
    EXPECT_EQ(Get_Team_Yearly_Int(CHAMPION, LAST_ROW - 2, 0), 500000 + CHAMPION);
    const std::vector<uint8_t> loaded(Universe_Bytes(), Universe_Bytes() + UNIVERSE_SIZE);
    ASSERT_EQ(Save_Game("century again.kor", nullptr), SAVE_OK);
    ASSERT_EQ(Load_Game("century again.kor"), 1);
    EXPECT_EQ(memcmp(loaded.data(), Universe_Bytes(), UNIVERSE_SIZE), 0);
}
