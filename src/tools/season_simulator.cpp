#include "tools/season_simulator.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <string>

#include "app/diagnostics.h"
#include "app/main_menu.h"
#include "app/main_window_title.h"
#include "app/progress_window.h"
#include "app/status_bars.h"
#include "app/window_graphics.h"
#include "database/file_replacement.h"
#include "database/league_derived_state.h"
#include "database/league_structure.h"
#include "database/path_resolver.h"
#include "database/player_hashes.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/team_results.h"
#include "database/universe.h"
#include "engine/game_record.h"
#include "frontoffice/fan_support.h"
#include "frontoffice/money.h"
#include "personnel/draft_state.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "season/game_start.h"
#include "season/week_advance.h"

int32_t Simulator_Seasons = 0;
int32_t Simulator_Run_Index = 0;

namespace {
constexpr int32_t REGULAR_SEASON_STEPS = 18;
constexpr int32_t REST_OF_SEASON_WEEKS = 22;
constexpr int32_t STEPS_PER_RUN = 20;
constexpr int32_t FINANCE_REVENUE = 82;
constexpr int32_t FINANCE_PROFIT = 84;
constexpr int32_t FINANCE_HOME_ATTENDANCE = 92;
constexpr int32_t DIVISION_PLACES = 13;
// Division places 0-3 (first to fourth) count under these finish counters.
constexpr int32_t PLACE_COUNTERS[] = {FINISH_FIRST, 3, 2, 1};

void Add_Held(int32_t& sum, int64_t value) {
    sum = Clamp_To_Int32(static_cast<int64_t>(sum) + value);
}

// The money totals are held at the ends of 64 bits as the counters are at
// those of 32: a damaged record's total near an end stays there.
void Add_Held(int64_t& sum, int64_t value) {
    if (__builtin_add_overflow(sum, value, &sum)) sum = value < 0 ? INT64_MIN : INT64_MAX;
}

int32_t Current_Week() {
    return Get_User_Preference(CURRENT_WEEK);
}

bool Is_Stopped() {
    return Get_User_Preference(MULTI_SEASON_SIMULATION) == 0;
}

// The team's place in its division's row of the standings, -1 when not there.
int32_t Find_Division_Place(int32_t team) {
    const int32_t division = Get_Team_Stat(team, TEAM_STAT_DIVISION);
    if (division < 0 || division >= NUMBER_OF_DIVISIONS) return -1;
    for (int32_t place = 0; place < DIVISION_PLACES; ++place)
        if (Universe.Division_Standings[division][place] == team) return place;
    return -1;
}

// The season whose record characters hold the season just played: the one
// before the current index while a college draft runs. A draft found with an
// empty pool is closed as the draft itself closes it.
int32_t Get_Played_Season_Index() {
    const int32_t index = Get_User_Preference(CURRENT_SEASON_INDEX);
    if (Get_User_Preference(DRAFT_ROUND) >= NO_COLLEGE_DRAFT_ROUND) return index;
    Is_College_Draft_Running();
    return index - 1;
}

// What a load gives a league besides its bytes: the process-wide state that
// describes the block, made again for the league put back.
void Restore_League(const uint8_t* saved) {
    memcpy(Universe_Bytes(), saved, UNIVERSE_SIZE);
    Reset_League_Derived_State();
    Current_Game = nullptr;
    Refresh_Active_Team_Count();
    Build_All_Player_Hashes();
    Set_Draft_Menu_Texts(Get_Universe_Stat(FANTASY_DRAFT_FLAG) >= 1 ? 1 : 0);
}

void Step_Run() {
    if (Is_Progress_Window_Open()) Step_Progress(1);
}

// Plays the rest of the season and its playoffs with every team computer-run.
void Play_Simulated_Season() {
    Set_User_Preference(COMMISSIONER_MODE, 0);
    Set_User_Preference(SIMULATE_ALL_GAMES, 1);
    // The simulated weeks are thrown away; they must not replace the user's auto-save.
    Set_User_Preference(AUTO_SAVE, 0);
    Set_All_Teams_Computer_Controlled();
    Set_User_Preference(MULTI_SEASON_SIMULATION, 1);
    for (int32_t step = 0; step < REGULAR_SEASON_STEPS; ++step) {
        if (Current_Week() < Universe.Season_Length) Advance_Weeks(1);
        Step_Run();
    }
    if (Current_Week() < Universe.Season_Length) Advance_Weeks(REST_OF_SEASON_WEEKS);
    Step_Run();
    if (!Is_Stopped()) Advance_Weeks(REST_OF_SEASON_WEEKS);
}

bool Write_Record_File(const SIMULATOR_RECORD& record) {
    const std::string path = Resolve_File_Path(SIMULATOR_DATA_FILE);
    FILE* file = Open_Replacement_File(path);
    if (file == nullptr) return false;
    const bool written = fwrite(&record, sizeof record, 1, file) == 1;
    return Commit_Replacement_File(file, path, written) == 1;
}
} // namespace

bool Reset_Simulator_Data() {
    const SIMULATOR_RECORD empty{};
    return Write_Record_File(empty);
}

bool Write_Simulator_Data(const SIMULATOR_RECORD& record) {
    if (Write_Record_File(record)) return true;
    Show_Formatted_Message("File Error", "Couldn't open \"%s\" for writing.", SIMULATOR_DATA_FILE);
    return false;
}

bool Read_Simulator_Data(SIMULATOR_RECORD* record) {
    if (record == nullptr) return false;
    *record = SIMULATOR_RECORD{};
    FILE* file = Open_Resolved_File(SIMULATOR_DATA_FILE, "rb");
    if (file == nullptr) {
        Reset_Simulator_Data();
        file = Open_Resolved_File(SIMULATOR_DATA_FILE, "rb");
    }
    if (file == nullptr) {
        Show_Formatted_Message("File Error", "Couldn't open \"%s\".", SIMULATOR_DATA_FILE);
        return false;
    }
    SIMULATOR_RECORD read{};
    const size_t count = fread(&read, 1, sizeof read, file);
    const bool longer = count == sizeof read && fgetc(file) != EOF;
    // A file that cannot be read (a folder of that name, a failing disk)
    // holds tallies nobody can see: it is left alone, and nothing is added.
    const bool failed = ferror(file) != 0;
    fclose(file);
    if (failed) {
        Show_Formatted_Message("File Error", "Couldn't read \"%s\".", SIMULATOR_DATA_FILE);
        return false;
    }
    if (count == sizeof read && !longer) {
        *record = read;
        return true;
    }
    // Tallies of an unknown layout are no tallies: the file starts again.
    const bool cleared = Reset_Simulator_Data();
    Show_Formatted_Message("Season Simulator", "\"%s\" did not hold the simulator's record of %d bytes, %s.",
                           SIMULATOR_DATA_FILE, static_cast<int>(sizeof read),
                           cleared ? "so it was cleared" : "and it could not be cleared");
    return true;
}

void Add_Season_To_Simulator_Record(SIMULATOR_RECORD* record) {
    if (record == nullptr) return;
    const int32_t season = Get_Played_Season_Index();
    const int32_t teams = std::min(Count_Active_Teams(), SIMULATOR_TEAMS);
    for (int32_t team = 0; team < teams; ++team) {
        Add_Held(record->Wins[team], Get_Team_Yearly_Char(team, season, RECORD_CHAR_WINS));
        Add_Held(record->Losses[team], Get_Team_Yearly_Char(team, season, RECORD_CHAR_LOSSES));
        // The points are summed over every game of the season, the playoffs'
        // too, and so are the games they are reported a game over.
        Add_Held(record->Games[team], Get_Team_Games_Played_With_Playoffs(team));
        Add_Held(record->Points_Scored[team], Get_Team_Points_Total(team, 1));
        Add_Held(record->Points_Allowed[team], Get_Team_Points_Total(team, 0));
        int32_t* finishes = record->Finishes[team];
        const int32_t code = Record_Team_Division_Finish(team);
        // Codes 6-8 count under their own number (a playoff round, the
        // conference and the league title); every code from 4 is a playoff
        // place.
        if (code >= FINISH_PLAYOFF_ROUND && code <= FINISH_CHAMPION) Add_Held(finishes[code], 1);
        if (code >= FINISH_PLAYOFFS) Add_Held(finishes[FINISH_PLAYOFFS], 1);
        const int32_t place = Find_Division_Place(team);
        Add_Held(finishes[place >= 0 && place < 4 ? PLACE_COUNTERS[place] : FINISH_FIFTH_OR_LOWER], 1);
        Add_Held(record->Revenue[team], Get_Team_Financial_Stat(team, FINANCE_REVENUE));
        Add_Held(record->Profit[team], Get_Team_Financial_Stat(team, FINANCE_PROFIT));
        Add_Held(record->Attendance[team], Get_Team_Financial_Stat(team, FINANCE_HOME_ATTENDANCE));
    }
}

void Run_Season_Simulator(int32_t seasons) {
    if (seasons < 1) return;
    Refresh_Active_Team_Count();
    Simulator_Seasons = seasons;
    Simulator_Run_Index = 0;
    Log_Debug_Line("Run_Season_Simulator(%d)", seasons);
    const std::unique_ptr<uint8_t[]> saved(new (std::nothrow) uint8_t[UNIVERSE_SIZE]);
    if (!saved) {
        Report_System_Error("Run_Season_Simulator(): unable to keep a copy of the league");
        Simulator_Seasons = 0;
        return;
    }
    memcpy(saved.get(), Universe_Bytes(), UNIVERSE_SIZE);
    char caption[64];
    snprintf(caption, sizeof caption, "Simulating %d Season%s", seasons, seasons == 1 ? "" : "s");
    const bool opened = Open_Progress_Window(caption, seasons * STEPS_PER_RUN) != 0;

    for (int32_t run = 0; run < seasons; ++run) {
        Simulator_Run_Index = run;
        Play_Simulated_Season();
        if (!Is_Stopped()) {
            SIMULATOR_RECORD record;
            if (Read_Simulator_Data(&record)) {
                Add_Season_To_Simulator_Record(&record);
                Add_Held(record.Seasons, 1);
                Write_Simulator_Data(record);
            }
        }
        Step_Run();
        Restore_League(saved.get());
        // A stop (which clears the run count) or the program's end ends the
        // simulator, not only the run.
        if (Simulator_Seasons == 0 || Is_Quit_Requested()) break;
    }

    Simulator_Seasons = 0;
    Update_Main_Window_Title();
    if (opened) Close_Progress_Window();
    Write_Simulator_Report(SIMULATOR_REPORT_TEXT);
    Write_Simulator_Report(SIMULATOR_REPORT_CSV);
    // The reports read the teams' unit ratings, which may touch the players.
    Restore_League(saved.get());
    // The last run's weeks left their news in the ticker and their week and
    // record on the status bar: both tell of the league put back, as the
    // views do.
    Refresh_Main_Window_And_Ticker();
    Repaint_Status_Bar();
}
