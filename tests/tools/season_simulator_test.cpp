// The season simulator: every run starts from the same league and the league
// is the same afterwards, each finished run is tallied once, a stopped one
// not at all, and the reports show the tallies by their formulas.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "app/main_menu.h"
#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "app/news_ticker.h"
#include "app/progress_window.h"
#include "app/status_bars.h"
#include "database/game_queries.h"
#include "database/league_structure.h"
#include "database/random_numbers.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/team_results.h"
#include "database/universe.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "platform/scripted_answers.h"
#include "platform/windows.h"
#include "season/league_rules.h"
#include "season/season_calendar.h"
#include "season/season_start.h"
#include "season/week_advance.h"
#include "support/debug_log.h"
#include "support/dialog_steps.h"
#include "support/frame_fixture.h"
#include "support/installation_folders.h"
#include "support/scratch_folder.h"
#include "support/season_build_folder.h"
#include "support/test_league.h"
#include "tools/season_simulator.h"
#include "tools/simulation_tool_dialog.h"

namespace {
class SeasonSimulator : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        Clean();
    }
    void TearDown() override {
        Clear_Dialog_Steps();
        Clean();
        FrameTest::TearDown();
    }
    static void Clean() {
        for (const char* name : {SIMULATOR_DATA_FILE, SIMULATOR_TEXT_REPORT, SIMULATOR_CSV_REPORT})
            std::filesystem::remove(name);
    }
};

// Eight teams of the test league, a division of four in each conference,
// three games a season of 1985 and two wild cards, at the start of the season.
void Build_Small_League() {
    Build_Test_League();
    for (int32_t team = 8; team < TEST_LEAGUE_TEAMS; ++team)
        Set_Team_Stat(team, TEAM_STAT_CONTROL, TEAM_CONTROL_EMPTY);
    for (int32_t team = 4; team < 8; ++team)
        Set_Team_Stat(team, TEAM_STAT_DIVISION, 4);
    Universe.Header.Universe_Stats[BASE_YEAR] = 1985;
    Set_User_Preference(CURRENT_SEASON_INDEX, 0);
    Apply_League_Rules_For_Year();
    Universe.Header.Universe_Stats[GAMES_PER_SEASON] = 3;
    Universe.Header.Universe_Stats[WILD_CARD_TEAMS] = 2;
    Universe.Header.Championship_Round_Flag = 1;
    Seed_Random_Numbers(4321);
    Clear_Shown_Messages();
    Reset_Message_Queue();
    Start_Season(0);
}

std::vector<uint8_t> Block() {
    return std::vector<uint8_t>(Universe_Bytes(), Universe_Bytes() + UNIVERSE_SIZE);
}

SIMULATOR_RECORD Read_Record() {
    SIMULATOR_RECORD record{};
    EXPECT_TRUE(Read_Simulator_Data(&record));
    return record;
}

std::vector<std::string> Report_Lines(const char* name) {
    std::ifstream in(name);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

int32_t Count_Fields(const std::string& line, char separator) {
    int32_t fields = 1;
    for (char c : line)
        fields += c == separator ? 1 : 0;
    return fields;
}

bool Was_Told(const std::string& caption, const std::string& text) {
    for (const SHOWN_MESSAGE& shown : Get_Shown_Messages())
        if (shown.Caption == caption && shown.Text == text) return true;
    return false;
}

// A window that stops the simulator once the progress window has moved two
// steps into the first run; until then it asks again at every pump.
constexpr uint32_t STOP_MESSAGE = 0x7A01;
intptr_t Stopper_Procedure(WINDOW_HANDLE window, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (code != STOP_MESSAGE) return Default_Window_Procedure(window, code, wparam, lparam);
    if (Get_Progress_Position() >= 2)
        Stop_Simulation();
    else
        Post_Window_Message(window, STOP_MESSAGE, 0, 0);
    return 0;
}
} // namespace

TEST_F(SeasonSimulator, RunsLeaveTheLeagueAsItWasAndTallyEachFinishedSeason) {
    Build_Small_League();
    Set_User_Preference(COMMISSIONER_MODE, 1);
    Set_User_Preference(AUTO_SAVE, 1);
    const std::vector<uint8_t> before = Block();
    Run_Season_Simulator(2);
    EXPECT_TRUE(Block() == before) << "the league is put back byte for byte";
    EXPECT_EQ(Simulator_Seasons, 0);
    EXPECT_FALSE(std::filesystem::exists("[Auto Save].kor")) << "simulated weeks are not auto-saved";

    const SIMULATOR_RECORD record = Read_Record();
    EXPECT_EQ(record.Seasons, 2);
    int32_t champions = 0, finalists = 0, playoff_places = 0, won = 0, lost = 0;
    for (int32_t team = 0; team < 8; ++team) {
        const int32_t* finishes = record.Finishes[team];
        EXPECT_EQ(finishes[0] + finishes[1] + finishes[2] + finishes[3] + finishes[FINISH_FIRST], 2)
            << "one division place a run, team " << team;
        EXPECT_GE(finishes[FINISH_PLAYOFFS], finishes[6] + finishes[7] + finishes[8]);
        champions += finishes[8];
        finalists += finishes[7];
        playoff_places += finishes[FINISH_PLAYOFFS];
        won += record.Wins[team];
        lost += record.Losses[team];
        EXPECT_LE(record.Wins[team] + record.Losses[team], record.Games[team]);
    }
    EXPECT_EQ(champions, 2) << "one league title a run, counted under 8 (not past the nine counters)";
    EXPECT_EQ(finalists, 2);
    EXPECT_GT(playoff_places, 0);
    EXPECT_EQ(won, lost) << "every game has a winner and a loser, or a tie";
    for (int32_t team = 8; team < SIMULATOR_TEAMS; ++team)
        EXPECT_EQ(record.Games[team], 0) << "inactive slots stay empty";

    const std::vector<std::string> text = Report_Lines(SIMULATOR_TEXT_REPORT);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text[0], "2 SEASONS SIMULATED");
    const std::vector<std::string> csv = Report_Lines(SIMULATOR_CSV_REPORT);
    ASSERT_GT(csv.size(), 3u);
    EXPECT_EQ(csv[3].rfind("Team,Division,Won,Lost,WC,LC,1R,1st,Wild,2nd,3rd,4th,,Scored", 0), 0u) << csv[3];
}

namespace {
// The saved games of the current folder, by file name.
std::vector<std::string> Saved_Games() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator("."))
        if (entry.path().extension() == ".kor") names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}
} // namespace

// When its off-season starts the game is kept under its name: the week the
// user plays after the final writes "<name>.kor", which resumes into the
// off-season. A run of the Season Simulator started after the final reaches
// an off-season of its own, every team run by the computer, and is thrown
// away: it saves nothing, and the user's file stays as he saved it.
TEST_F(SeasonSimulator, OnlyTheUsersOwnOffSeasonSavesTheGameUnderItsName) {
    const PLAYING_FOLDER playing("off-season-save");
    Build_Small_League();
    Set_User_Preference(AUTO_SAVE, 0);
    Clear_Dialog_Steps();
    Start_Frame_Without_Loop();
    Set_Saved_Game_Name("Our League");
    for (int32_t n = 0; n < 4 && !Is_Champion_Decided(); ++n)
        Do_Main_Window_Command(Main_Window, ID_PLAY_REST_OF_SEASON);
    ASSERT_TRUE(Is_Champion_Decided());
    ASSERT_EQ(Save_Game("Our League.kor", nullptr), SAVE_OK);
    const std::string saved = Read_Whole_File("Our League.kor");

    Clear_Debug_Log();
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        Type_Dialog_Text(dialog, SIMULATION_SEASONS_EDIT, "2");
        Click_Dialog_Button(dialog, ID_OK);
    });
    EXPECT_TRUE(Do_Main_Window_Command(Main_Window, 40135));
    ASSERT_EQ(Read_Record().Seasons, 2);
    EXPECT_NE(Read_Debug_Log_Text().find("Off-Season Started"), std::string::npos)
        << "the runs reached their off-season";
    EXPECT_EQ(Saved_Games(), std::vector<std::string>{"Our League.kor"});
    EXPECT_TRUE(Read_Whole_File("Our League.kor") == saved) << "the user's game is as he saved it";

    ASSERT_TRUE(Is_Champion_Decided()) << "the league was put back";
    Do_Main_Window_Command(Main_Window, ID_PLAY_ONE_WEEK);
    ASSERT_EQ(Get_User_Preference(CURRENT_WEEK), 100);
    EXPECT_EQ(Saved_Games(), std::vector<std::string>{"Our League.kor"});
    EXPECT_FALSE(Read_Whole_File("Our League.kor") == saved) << "saved again";
    Clear_Universe();
    ASSERT_EQ(Load_Game("Our League.kor"), 1);
    EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), 100) << "the off-season it was saved in";
    EXPECT_EQ(Get_Current_Year(), 1986);
    EXPECT_STREQ(Universe.Header.Saved_Game_Name, "Our League");
}

namespace {
// The games a season of the league holds, its playoffs' too, as the user
// plays it to its champion; the same on every random path.
int32_t Count_Games_Of_A_Played_Season() {
    for (int32_t n = 0; n < 4 && !Is_Champion_Decided(); ++n)
        Do_Main_Window_Command(Main_Window, ID_PLAY_REST_OF_SEASON);
    EXPECT_TRUE(Is_Champion_Decided());
    int32_t games = 0;
    for (GAME_RECORD& game : Universe.Games)
        games += Is_Game_Played(&game) != 0 ? 1 : 0;
    return games;
}

// "24.4": points a game in tenths, rounded half up.
std::string Per_Game_Text(int32_t points, int32_t games) {
    const int32_t tenths = (points * 20 + games) / (2 * games);
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}
} // namespace

// The report gives points a game over every game they came from, the
// playoffs' too, as the league's own per-game figures are given.
TEST_F(SeasonSimulator, TheReportGivesPointsAGameOverTheGamesTheyCameFrom) {
    Clear_Dialog_Steps();
    for (const uint32_t seed : {4321u, 17u, 2u}) {
        SCOPED_TRACE(seed);
        Build_Small_League();
        if (Main_Window == NO_WINDOW) Start_Frame_Without_Loop();
        const int32_t season_games = Count_Games_Of_A_Played_Season();
        int32_t regular_games = 0;
        for (int32_t team = 0; team < 8; ++team)
            regular_games += Get_Team_Wins(team) + Get_Team_Losses(team) + Get_Team_Ties(team);
        ASSERT_EQ(regular_games, 8 * 3) << "three games a team";
        ASSERT_GT(season_games, 12) << "and playoff games";

        Build_Small_League();
        Seed_Random_Numbers(seed);
        Clean();
        Script_Dialog_Step([](WINDOW_HANDLE dialog) {
            Type_Dialog_Text(dialog, SIMULATION_SEASONS_EDIT, "2");
            Click_Dialog_Button(dialog, ID_OK);
        });
        EXPECT_TRUE(Do_Main_Window_Command(Main_Window, 40135));
        const SIMULATOR_RECORD record = Read_Record();
        ASSERT_EQ(record.Seasons, 2);
        int32_t games = 0, scored = 0, allowed = 0;
        for (int32_t team = 0; team < 8; ++team) {
            games += record.Games[team];
            scored += record.Points_Scored[team];
            allowed += record.Points_Allowed[team];
            if (record.Finishes[team][FINISH_PLAYOFFS] > 0) {
                EXPECT_GT(record.Games[team], record.Wins[team] + record.Losses[team])
                    << "team " << team << " played in the playoffs";
            }
        }
        EXPECT_EQ(games, 2 * 2 * season_games) << "each team's every game of both runs, playoffs too";
        EXPECT_EQ(scored, allowed);

        // The team lines, division by division in division order.
        std::vector<std::string> lines;
        for (const std::string& line : Report_Lines(SIMULATOR_CSV_REPORT)) {
            if (line.rfind("TEAM FINANCES", 0) == 0) break;
            if (line.find(",,") != std::string::npos && line.rfind("Team,", 0) != 0) lines.push_back(line);
        }
        std::vector<int32_t> teams;
        for (int32_t division = 0; division < NUMBER_OF_DIVISIONS; ++division)
            for (int32_t n = 0; n < Count_Division_Teams(division); ++n)
                teams.push_back(Get_Nth_Team_In_Division(division, n));
        ASSERT_EQ(lines.size(), teams.size());
        for (size_t n = 0; n < teams.size(); ++n) {
            const int32_t team = teams[n];
            const std::string figures = ",," + Per_Game_Text(record.Points_Scored[team], record.Games[team]) +
                                        "," + Per_Game_Text(record.Points_Allowed[team], record.Games[team]) +
                                        ",,";
            EXPECT_NE(lines[n].find(figures), std::string::npos) << lines[n] << " has " << figures;
        }
    }
}

TEST_F(SeasonSimulator, AStoppedRunAddsNothingAndEndsTheSimulator) {
    Build_Small_League();
    const std::vector<uint8_t> before = Block();
    ASSERT_TRUE(Register_Window_Class("SimulatorStopper", Stopper_Procedure, NO_BACKGROUND));
    const WINDOW_HANDLE stopper = Create_Window("SimulatorStopper", "", 0, {0, 0, 1, 1}, NO_WINDOW, 0, 0);
    ASSERT_NE(stopper, NO_WINDOW);
    Post_Window_Message(stopper, STOP_MESSAGE, 0, 0);
    Run_Season_Simulator(3);
    Destroy_Window(stopper);
    EXPECT_TRUE(Block() == before);
    EXPECT_EQ(Read_Record().Seasons, 0) << "the stopped run is not tallied, and no later run is played";
    EXPECT_EQ(Simulator_Seasons, 0);
}

TEST_F(SeasonSimulator, ReportsShowAveragesAndColumnsByTheDivisionsSize) {
    Build_Test_League();
    // Divisions of five, three and four teams.
    for (int32_t team = 0; team < 12; ++team)
        Set_Team_Stat(team, TEAM_STAT_DIVISION, team < 5 ? 0 : team < 8 ? 1 : 2);
    for (int32_t team = 12; team < TEST_LEAGUE_TEAMS; ++team)
        Set_Team_Stat(team, TEAM_STAT_CONTROL, TEAM_CONTROL_EMPTY);
    Refresh_Active_Team_Count();
    SIMULATOR_RECORD record{};
    record.Seasons = 20;
    record.Wins[0] = 181;   // 9.05 a season
    record.Losses[0] = 139; // 6.95
    record.Games[0] = 320;
    record.Points_Scored[0] = 6401;  // 20.003 a game: 20.0
    record.Points_Allowed[0] = 6416; // 20.05 a game, half up: 20.1
    const int32_t finishes[SIMULATOR_FINISHES] = {1, 2, 3, 4, 9, 10, 5, 3, 1};
    memcpy(record.Finishes[0], finishes, sizeof finishes);
    record.Attendance[0] = 1000010;
    record.Revenue[0] = 4000000010LL;
    record.Profit[0] = -30;
    ASSERT_TRUE(Write_Simulator_Data(record));

    Write_Simulator_Report(SIMULATOR_REPORT_TEXT);
    const std::vector<std::string> text = Report_Lines(SIMULATOR_TEXT_REPORT);
    ASSERT_GE(text.size(), 7u);
    EXPECT_EQ(text[0], "20 SEASONS SIMULATED");
    EXPECT_EQ(text[1], "") << "the count's line ends twice";
    EXPECT_EQ(text[2], "") << "and the division's empty line follows";
    EXPECT_EQ(Count_Fields(text[3], ' ') > 0, true);
    char nickname[TEAM_STRING_LENGTH];
    Get_Team_String(nickname, 0, 2);
    char division[16];
    Get_Division_Name(0, division);
    char expected[256];
    snprintf(expected, sizeof expected, "%20s %12s %3d.%02d %3d.%02d %4d %4d %4d %4d %4d %4d %4d %4d %4d",
             nickname, division, 9, 5, 6, 95, 1, 3, 5, 10, 9, 4, 3, 2, 1);
    EXPECT_EQ(text[4], expected)
        << "columns WC, LC, 1R, 1st, Wild, 2nd, 3rd, 4th, 5+ from counters 8 down to 0";

    {
        std::ifstream in(SIMULATOR_TEXT_REPORT, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), {});
        char start[128];
        snprintf(start, sizeof start, "20 SEASONS SIMULATED\n\n\n%20s %12s %6s %6s %4s", "Team", "Division",
                 "Won", "Lost", "WC");
        EXPECT_EQ(bytes.rfind(start, 0), 0u) << bytes.substr(0, 80);
    }

    Write_Simulator_Report(SIMULATOR_REPORT_CSV);
    const std::vector<std::string> csv = Report_Lines(SIMULATOR_CSV_REPORT);
    EXPECT_EQ(csv[0] + "|" + csv[1] + "|" + csv[2], "20 SEASONS SIMULATED||");
    std::vector<int32_t> columns;
    for (const std::string& line : csv)
        if (line.rfind("Team,Division", 0) == 0)
            columns.push_back(Count_Fields(line.substr(0, line.find(",,")), ','));
    ASSERT_EQ(columns.size(), 3u);
    EXPECT_EQ(columns[0], 13) << "five teams";
    EXPECT_EQ(columns[1], 11) << "three teams";
    EXPECT_EQ(columns[2], 12) << "four teams";
    ASSERT_GT(csv.size(), 4u);
    EXPECT_EQ(csv[4].rfind(
                  std::string(nickname) + "," + division + ",9.05,6.95,1,3,5,10,9,4,3,2,1,,20.0,20.1,,", 0),
              0u)
        << csv[4];
    bool finances = false;
    for (const std::string& line : csv)
        if (line.find(",50001,200000001,-2") != std::string::npos) finances = true;
    EXPECT_TRUE(finances) << "attendance, revenue and profit per season, rounded";

    // Over no seasons every average is 0.
    ASSERT_TRUE(Reset_Simulator_Data());
    Write_Simulator_Report(SIMULATOR_REPORT_TEXT);
    const std::vector<std::string> empty = Report_Lines(SIMULATOR_TEXT_REPORT);
    ASSERT_GE(empty.size(), 5u);
    EXPECT_EQ(empty[0], "0 SEASONS SIMULATED");
    EXPECT_NE(empty[4].find("  0.00   0.00"), std::string::npos) << empty[4];
    EXPECT_EQ(Get_Simulator_Average_Hundredths(5, 0), 0);
}

TEST_F(SeasonSimulator, ARecordFileOfTheWrongSizeStartsAgainWithANotice) {
    {
        std::ofstream out(SIMULATOR_DATA_FILE, std::ios::binary);
        out << std::string(100, '\x7f');
    }
    SIMULATOR_RECORD record;
    Clear_Shown_Messages();
    ASSERT_TRUE(Read_Simulator_Data(&record));
    EXPECT_EQ(record.Seasons, 0) << "nothing of the short file is kept";
    EXPECT_TRUE(
        Was_Told("Season Simulator",
                 "\"Simulator.dat\" did not hold the simulator's record of 7544 bytes, so it was cleared."));
    EXPECT_EQ(std::filesystem::file_size(SIMULATOR_DATA_FILE), 7544u);

    {
        std::ofstream out(SIMULATOR_DATA_FILE, std::ios::binary);
        out << std::string(7545, '\x01');
    }
    ASSERT_TRUE(Read_Simulator_Data(&record));
    EXPECT_EQ(record.Seasons, 0) << "a longer file is no record either";

    std::filesystem::remove(SIMULATOR_DATA_FILE);
    Clear_Shown_Messages();
    ASSERT_TRUE(Read_Simulator_Data(&record));
    EXPECT_TRUE(Get_Shown_Messages().empty()) << "a missing file is made without a word";
    EXPECT_TRUE(std::filesystem::exists(SIMULATOR_DATA_FILE));
}

// A record file that opens but cannot be read (a folder of that name) is
// not said to be cleared, which it is not: the user is told it could not be
// read, and it is left as it is.
TEST_F(SeasonSimulator, ARecordFileThatCannotBeReadIsToldAsSuchAndLeftAlone) {
    std::filesystem::create_directories(std::string(SIMULATOR_DATA_FILE) + "/kept");
    SIMULATOR_RECORD record;
    record.Seasons = 7;
    Clear_Shown_Messages();
    EXPECT_FALSE(Read_Simulator_Data(&record));
    EXPECT_EQ(record.Seasons, 0) << "nothing is read";
    EXPECT_TRUE(Was_Told("File Error", "Couldn't read \"Simulator.dat\"."));
    for (const SHOWN_MESSAGE& shown : Get_Shown_Messages())
        EXPECT_EQ(shown.Text.find("cleared"), std::string::npos) << shown.Text;
    EXPECT_TRUE(std::filesystem::is_directory(std::string(SIMULATOR_DATA_FILE) + "/kept"));
    std::filesystem::remove_all(SIMULATOR_DATA_FILE);
}

TEST_F(SeasonSimulator, TheDialogAsksForOneToAThousandSeasonsAndShowsTheReports) {
    Build_Test_League();
    Clear_Dialog_Steps();
    Start_Frame_Without_Loop();
    Link_Installation_Folders();
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        EXPECT_EQ(Get_Dialog_Item_Text(dialog, SIMULATION_SEASONS_EDIT), "10");
        Keep_Dialog_Picture(dialog, "simulation_tool");
        Type_Dialog_Text(dialog, SIMULATION_SEASONS_EDIT, "0");
        Click_Dialog_Button(dialog, ID_OK);
        EXPECT_TRUE(Was_Told("Season Simulator", "You must simulate at least 1 season."));
        Type_Dialog_Text(dialog, SIMULATION_SEASONS_EDIT, "1001");
        Click_Dialog_Button(dialog, ID_OK);
        EXPECT_TRUE(Was_Told("Season Simulator", "You cannot simulate more than 1000 seasons."));
        Click_Dialog_Button(dialog, SIMULATION_TEXT_BUTTON);
        Click_Dialog_Button(dialog, SIMULATION_CSV_BUTTON);
        Click_Dialog_Button(dialog, SIMULATION_RESET_BUTTON);
        Click_Dialog_Button(dialog, SIMULATION_HELP_BUTTON);
        Type_Dialog_Text(dialog, SIMULATION_SEASONS_EDIT, "3");
        Click_Dialog_Button(dialog, ID_OK);
    });
    Clear_Desktop_Requests();
    EXPECT_EQ(Do_Dialog(Main_Window, SIMULATION_TOOL_DIALOG, 0), 3);
    const std::vector<SHELL_REQUEST>& opened = Get_Shell_Requests();
    ASSERT_EQ(opened.size(), 3u);
    EXPECT_NE(opened[0].Target.find("Simulator.txt"), std::string::npos);
    EXPECT_NE(opened[1].Target.find("Simulator.csv"), std::string::npos);
    EXPECT_NE(opened[2].Target.find("simulator.htm"), std::string::npos);
    EXPECT_EQ(std::filesystem::file_size(SIMULATOR_DATA_FILE), 7544u);
    EXPECT_EQ(Report_Lines(SIMULATOR_TEXT_REPORT)[0], "0 SEASONS SIMULATED");

    // Done, from the Tools menu: nothing is simulated.
    Script_Dialog_Step([](WINDOW_HANDLE dialog) { Click_Dialog_Button(dialog, ID_CANCEL); });
    const std::vector<uint8_t> before = Block();
    EXPECT_TRUE(Do_Main_Window_Command(Main_Window, 40135));
    EXPECT_EQ(Get_Last_Dialog_Id(), SIMULATION_TOOL_DIALOG);
    EXPECT_TRUE(Block() == before);
    EXPECT_EQ(Read_Record().Seasons, 0);
    Unlink_Installation_Folders();
}

// A damaged record whose money totals lie near the ends of 64 bits: a run
// adds its season's revenue and profit held at those ends, as the counters
// are held at the ends of 32 bits, and the reports show the held averages
// rather than a total wrapped round to the other end.
TEST_F(SeasonSimulator, MoneyTotalsNearTheEndsOf64BitsAreHeldThere) {
    Build_Small_League();
    SIMULATOR_RECORD damaged{};
    damaged.Seasons = 1;
    for (int32_t team = 0; team < SIMULATOR_TEAMS; ++team) {
        damaged.Revenue[team] = INT64_MAX - 10;
        damaged.Profit[team] = INT64_MIN + 10;
    }
    ASSERT_TRUE(Write_Simulator_Data(damaged));
    Run_Season_Simulator(1);

    const SIMULATOR_RECORD record = Read_Record();
    ASSERT_EQ(record.Seasons, 2);
    for (int32_t team = 0; team < 8; ++team) {
        EXPECT_EQ(record.Revenue[team], INT64_MAX) << "team " << team << " earned more than 10 dollars";
        EXPECT_LT(record.Profit[team], INT64_MIN / 2) << "team " << team << ": the profit stays at its end";
    }
    int32_t finance_lines = 0;
    bool finances = false;
    for (const std::string& line : Report_Lines(SIMULATOR_CSV_REPORT)) {
        if (line.rfind("TEAM FINANCES", 0) == 0) {
            finances = true;
            continue;
        }
        if (!finances || line.empty()) continue;
        ++finance_lines;
        EXPECT_NE(line.find(",2147483647,-2147483648"), std::string::npos) << line;
    }
    EXPECT_EQ(finance_lines, 8);
}

// The simulator plays seasons in the league the user sees and then puts the
// league back: the news ticker and the status bar then tell of the league put
// back (its leaders of the season so far, the user's record and week), not of
// the last simulated season.
TEST_F(SeasonSimulator, TheTickerAndTheStatusBarShowTheLeaguePutBack) {
    Build_Small_League();
    Set_Team_Stat(2, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_User_Preference(USER_TEAM, 2);
    Set_User_Preference(SHOW_NEWS_TICKER, 1);
    Start_Frame_Without_Loop();
    Create_Status_Bar();
    Advance_Weeks(2);
    Pump_Messages();
    ASSERT_EQ(Get_User_Preference(CURRENT_WEEK), 2);
    std::vector<std::string> texts;
    for (int32_t slot = 0; slot < TICKER_TEXT_SLOTS; ++slot)
        texts.push_back(Get_News_Ticker_Text(slot));
    DRAWING_SURFACE bar_before{};
    Render_Window(Status_Bar_Window, &bar_before);

    Run_Season_Simulator(1);
    Pump_Messages();
    for (int32_t slot = 0; slot < TICKER_TEXT_SLOTS; ++slot)
        EXPECT_EQ(Get_News_Ticker_Text(slot), texts[slot]) << "ticker slot " << slot;
    EXPECT_EQ(Get_News_Ticker_Slot(), 0) << "the ticker starts over with the welcome";
    DRAWING_SURFACE bar_after{};
    Render_Window(Status_Bar_Window, &bar_after);
    Keep_Dialog_Picture(Status_Bar_Window, "status_bar_after_simulator");
    ASSERT_EQ(bar_after.Width, bar_before.Width);
    ASSERT_EQ(bar_after.Height, bar_before.Height);
    EXPECT_TRUE(bar_before.Pixels == bar_after.Pixels)
        << "the status bar shows the week and record it showed before";
    Destroy_Status_Bar();
}
