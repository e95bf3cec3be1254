// Every integer field of a saved league at the smallest and the largest value
// its type holds. For each field, a copy of a save the game wrote gets the
// value, is loaded and played on (a week in the season, the step into the
// off-season once the champion is decided, the college draft in the
// off-season), saved and loaded again. The load refuses the file with its
// reason or keeps the league playable: the week is played, the season ends,
// nothing overflows (the sanitizer build reports any undefined behaviour) and
// the log stays small.
//
// Fields are written in groups, each group in a process of its own so that a
// sanitizer report ends only that process; a group that fails is split until
// the fields that fail alone are found, and a group whose file is refused is
// split until the fields refused alone are found, so every other field is
// played with.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "database/league_structure.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/universe.h"
#include "engine/playbook_records.h"
#include "personnel/college_draft_flow.h"
#include "personnel/draft_state.h"
#include "personnel/fantasy_draft.h"
#include "platform/message_box.h"
#include "season/season_calendar.h"
#include "season/week_advance.h"
#include "support/block_fields.h"
#include "support/debug_log.h"
#include "support/old_saved_games.h"
#include "support/played_season.h"
#include "support/scratch_folder.h"

namespace {
using BYTES = std::vector<uint8_t>;

// Fields written together; a group that fails or is refused is halved until
// single fields remain. A round costs about the same whatever the group's
// size (the file is written, loaded, played on, saved and loaded again), so
// groups are large: any mix of extremes must load or be refused, so a group
// that fails only as a whole is a fault too.
constexpr size_t GROUP_SIZE = 128;
// What a group's process says when the load refused its file with the
// reason: its fields are then tried in halves.
constexpr const char* REFUSED = "refused";
// A week, the season's end or the college draft of the test league logs a few
// lines; a field that makes the game log a line for every player, or for
// every game record, passes this.
constexpr uintmax_t MOST_LOG_BYTES = 64 << 10;
constexpr int32_t OFF_SEASON_WEEK = 100;

// A save the game wrote: the block as the file holds it, and the records whose
// fields are swept.
struct SAVED_LEAGUE {
    const char* Name;
    BYTES Block;
    BLOCK_FIELD_RECORDS Records;
};

BYTES Read_Saved_Block(const char* name) {
    BYTES block(UNIVERSE_SIZE);
    FILE* file = fopen(name, "rb");
    if (file == nullptr) return {};
    const bool read = fseek(file, SAVE_FILE_HEADER_SIZE, SEEK_SET) == 0 &&
                      Inflate_Universe_Chunks(file, block.data(), "") == 1;
    fclose(file);
    return read ? block : BYTES{};
}

int32_t Find_Last_Game_Of(int32_t team) {
    for (int32_t game = MAX_GAME_RECORDS - 1; game >= 0; --game) {
        const GAME_RECORD& record = Universe.Games[game];
        if (record.Season_Year > 0 && (record.Team[0] == team || record.Team[1] == team)) return game;
    }
    return 0;
}

// The records of a league in the block: a team that plays in the week to
// come (or the champion), its first player and his latest season line, the
// team's last game, its schedule entry of this week (or of its last game of
// the season) and its first pass play.
BLOCK_FIELD_RECORDS Choose_Records() {
    const int32_t week = Get_User_Preference(CURRENT_WEEK);
    int32_t team = Universe.Playoff_Bracket[30];
    if (week < NUMBER_OF_SCHEDULE_WEEKS || team < 0 || team >= MAX_FRANCHISES) {
        team = 0;
        while (team < MAX_FRANCHISES - 1 && week < NUMBER_OF_SCHEDULE_WEEKS &&
               Universe.Teams[team].Schedule[week].Values[0] == 0)
            ++team;
    }
    const PLAYER_RECORD& player = Universe.Teams[team].Players[0];
    int32_t line = player.Latest_Season_Line;
    if (line < 0 || line >= MAX_SEASON_LINES) line = player.Season_Line_Links[0];
    if (line < 0 || line >= MAX_SEASON_LINES) line = 0;
    const int32_t city = Universe.Teams[team].Team_Stats[3];
    // The week to come; after the regular season, the team's last game of it.
    int32_t entry = std::min(week, NUMBER_OF_SCHEDULE_WEEKS - 1);
    while (week >= NUMBER_OF_SCHEDULE_WEEKS && entry > 0 &&
           Universe.Teams[team].Schedule[entry].Values[0] == 0)
        --entry;
    int32_t pass_play = 0;
    while (pass_play < STORED_OFFENSIVE_PLAYS - 1 &&
           Universe.Teams[team].Playbooks.Offense.Plays[pass_play].Play_Type != PLAY_TYPE_PASS)
        ++pass_play;
    return {Count_Active_Teams(),
            team,
            0,
            line,
            Find_Last_Game_Of(team),
            entry,
            Get_User_Preference(CURRENT_SEASON_INDEX),
            city >= 0 && city < MAX_CITIES ? city : 0,
            pass_play};
}

SAVED_LEAGUE Save_League(const char* name) {
    EXPECT_EQ(Save_Game(name, nullptr), SAVE_OK) << name;
    return {name, Read_Saved_Block(name), Choose_Records()};
}

// Three saves of the computer-run test league: in week 2 of its season, with
// the champion decided, and in the off-season before the college draft.
std::vector<SAVED_LEAGUE> Save_Leagues() {
    std::vector<SAVED_LEAGUE> leagues;
    Start_Played_Season(17);
    Advance_Weeks(2);
    leagues.push_back(Save_League("in_season.kor"));
    Build_Played_Season(17);
    leagues.push_back(Save_League("champion.kor"));
    Advance_Weeks(1);
    leagues.push_back(Save_League("off_season.kor"));
    return leagues;
}

// Plays the league on as a user would from where it stands: a fantasy draft
// is finished by the computer, the off-season goes through the college draft
// into the next season, a decided champion ends the season, and any other
// week is played. Empty when the calendar moved as it should, else what went
// wrong.
std::string Play_On() {
    if (Get_Fantasy_Draft_Flag() >= 1) {
        Script_Message_Answer("End Fantasy Draft", ID_BOX_YES);
        End_Fantasy_Draft_Command();
        if (Get_Fantasy_Draft_Flag() != 0) return "the fantasy draft did not end";
    }
    const int32_t week = Get_User_Preference(CURRENT_WEEK);
    const int32_t season = Get_User_Preference(CURRENT_SEASON_INDEX);
    if (week == OFF_SEASON_WEEK) {
        if (Is_College_Draft_Running())
            College_Draft_Menu_Command();
        else
            Finish_Off_Season();
        if (Is_College_Draft_Running()) return "the college draft did not end";
        if (Get_User_Preference(CURRENT_SEASON_INDEX) == season && Get_User_Preference(CURRENT_WEEK) == week)
            return "the next season did not begin";
        return "";
    }
    const bool champion = Is_Champion_Decided();
    Advance_Weeks(1);
    if (champion && Get_User_Preference(CURRENT_WEEK) != OFF_SEASON_WEEK) return "the season did not end";
    if (Get_User_Preference(CURRENT_WEEK) == week && Get_User_Preference(CURRENT_SEASON_INDEX) == season)
        return "the calendar did not move on from week " + std::to_string(week);
    return "";
}

bool Was_Refused_With_Reason() {
    for (const SHOWN_MESSAGE& message : Get_Shown_Messages())
        if (message.Caption == "Read Error" && message.Text.find("The file ") != std::string::npos)
            return true;
    return false;
}

uintmax_t Log_Size() {
    std::error_code error;
    const uintmax_t size = std::filesystem::file_size("debug.txt", error);
    return error ? 0 : size;
}

// The whole round of one group, in this process: empty when it passed,
// REFUSED when the load refused the file with its reason.
std::string Run_Group(const SAVED_LEAGUE& league, const std::vector<const BLOCK_FIELD*>& group,
                      bool largest) {
    BYTES block = league.Block;
    for (const BLOCK_FIELD* field : group)
        Write_Field_Extreme(block.data(), *field, largest);
    if (!Write_Bytes_To_File("sweep.kor", Make_League_File_From("2002", block)))
        return "the file was not written";
    Clear_Debug_Log();
    Clear_Shown_Messages();
    if (Load_Game("sweep.kor") != 1)
        return Was_Refused_With_Reason() ? REFUSED : "the load was refused without its reason";
    std::string failure = Play_On();
    if (!failure.empty()) return failure;
    if (Save_Game("played.kor", nullptr) != SAVE_OK) return "the league played on was not saved";
    if (Load_Game("played.kor") != 1) return "the league played on did not load";
    if (Log_Size() > MOST_LOG_BYTES) return "the log grew to " + std::to_string(Log_Size()) + " bytes";
    return "";
}

// A group that failed while each of its fields may pass alone: it is
// reported whole when none of its halves fails.
struct FAILED_GROUP {
    std::string Failure;
    int32_t Halves_Left = 2;
    bool Half_Failed = false;
};

// A group of fields at one extreme, run in a child process of its own.
struct SWEEP_TASK {
    const SAVED_LEAGUE* League;
    std::vector<const BLOCK_FIELD*> Fields;
    bool Largest;
    std::shared_ptr<FAILED_GROUP> Parent;
};

std::string Describe(const SWEEP_TASK& task, const std::string& failure) {
    std::string names;
    for (const BLOCK_FIELD* field : task.Fields)
        names += (names.empty() ? "" : ", ") + field->Name;
    if (names.empty()) names = "the league as saved";
    return std::string(task.League->Name) + ": " + names + " at " + (task.Largest ? "largest" : "smallest") +
           " values: " + failure;
}

struct RUNNING_TASK {
    SWEEP_TASK Task;
    pid_t Child;
    int Channel;
    int Folder;
};

// Each child works in a folder of its own beside the installation's inputs
// the game reads by relative name.
std::string Child_Folder(int folder) {
    return "sweep-" + std::to_string(folder);
}

void Make_Child_Folder(int folder) {
    const std::filesystem::path path = Child_Folder(folder);
    std::error_code error;
    std::filesystem::create_directory(path, error);
    for (const char* input : {"names", "playbooks", "Input"})
        if (std::filesystem::exists(input, error) && !std::filesystem::exists(path / input, error))
            std::filesystem::create_directory_symlink(std::filesystem::absolute(input, error), path / input,
                                                      error);
}

RUNNING_TASK Start_Task(const SWEEP_TASK& task, int folder) {
    int channel[2];
    if (pipe(channel) != 0) return {task, -1, -1, folder};
    fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        std::string failure = chdir(Child_Folder(folder).c_str()) == 0 ? "" : "no folder";
        if (failure.empty()) failure = Run_Group(*task.League, task.Fields, task.Largest);
        if (!failure.empty()) {
            const ssize_t written = write(channel[1], failure.data(), failure.size());
            (void)written;
        }
        close(channel[1]);
        _exit(failure.empty() ? 0 : 1);
    }
    close(channel[1]);
    if (child < 0) close(channel[0]);
    return {task, child, child < 0 ? -1 : channel[0], folder};
}

// What the ended child of a task said: empty when its group passed, else
// what failed (a sanitizer report ends the child and is shown on its error
// output).
std::string Read_Outcome(const RUNNING_TASK& running, int status) {
    std::string failure;
    char buffer[256];
    ssize_t count;
    while ((count = read(running.Channel, buffer, sizeof buffer)) > 0)
        failure.append(buffer, static_cast<size_t>(count));
    close(running.Channel);
    if (WIFSIGNALED(status)) return "ended by signal " + std::to_string(WTERMSIG(status));
    if (WIFEXITED(status) && WEXITSTATUS(status) != 0 && failure.empty())
        return "ended with status " + std::to_string(WEXITSTATUS(status));
    return failure;
}

// How many groups run at once: KORVA_SWEEP_JOBS, or 4.
size_t Sweep_Jobs() {
    const char* jobs = std::getenv("KORVA_SWEEP_JOBS");
    const int value = jobs != nullptr ? std::atoi(jobs) : 4;
    return static_cast<size_t>(std::clamp(value, 1, 64));
}

// The two halves of a task's group, each a task of its own with `parent`.
void Push_Halves(const SWEEP_TASK& task, const std::shared_ptr<FAILED_GROUP>& parent,
                 std::vector<SWEEP_TASK>* tasks) {
    const auto middle = task.Fields.begin() + static_cast<long>(task.Fields.size() / 2);
    tasks->push_back({task.League, {task.Fields.begin(), middle}, task.Largest, parent});
    tasks->push_back({task.League, {middle, task.Fields.end()}, task.Largest, parent});
}

// Runs every task; a failing group is split in halves until the single
// fields that fail remain, each returned with what went wrong.
std::vector<std::string> Run_Sweep(std::vector<SWEEP_TASK> tasks) {
    const size_t jobs = Sweep_Jobs();
    for (size_t folder = 0; folder < jobs; ++folder)
        Make_Child_Folder(static_cast<int>(folder));
    std::vector<std::string> failures;
    std::vector<RUNNING_TASK> running;
    std::vector<int> free_folders;
    for (size_t folder = jobs; folder-- > 0;)
        free_folders.push_back(static_cast<int>(folder));
    while (!tasks.empty() || !running.empty()) {
        while (!tasks.empty() && !free_folders.empty()) {
            running.push_back(Start_Task(tasks.back(), free_folders.back()));
            tasks.pop_back();
            free_folders.pop_back();
        }
        // A child that could not be started fails its task at once; else the
        // first child to end is taken.
        auto it = std::find_if(running.begin(), running.end(),
                               [](const RUNNING_TASK& task) { return task.Child < 0; });
        int status = 0;
        if (it == running.end()) {
            const pid_t ended = waitpid(-1, &status, 0);
            it = std::find_if(running.begin(), running.end(),
                              [&](const RUNNING_TASK& task) { return task.Child == ended; });
            if (it == running.end()) continue;
        }
        const RUNNING_TASK done = *it;
        running.erase(it);
        free_folders.push_back(done.Folder);
        const std::string failure = done.Child < 0 ? "no child process" : Read_Outcome(done, status);
        const SWEEP_TASK& task = done.Task;
        // The group that held this one: reported when it failed and neither
        // of its halves does.
        if (task.Parent) {
            task.Parent->Half_Failed = task.Parent->Half_Failed || (!failure.empty() && failure != REFUSED);
            if (--task.Parent->Halves_Left == 0 && !task.Parent->Half_Failed)
                failures.push_back(task.Parent->Failure + " (the fields together, not alone)");
        }
        if (failure.empty()) continue;
        // A save the game wrote must load; a group refused for its fields is
        // halved, as the rest of its fields were never played with.
        if (failure == REFUSED && !task.Fields.empty()) {
            if (task.Fields.size() > 1) Push_Halves(task, nullptr, &tasks);
            continue;
        }
        if (task.Fields.size() <= 1) {
            failures.push_back(Describe(task, failure));
            continue;
        }
        const auto parent = std::make_shared<FAILED_GROUP>(FAILED_GROUP{Describe(task, failure)});
        Push_Halves(task, parent, &tasks);
    }
    std::error_code error;
    for (size_t folder = 0; folder < jobs; ++folder)
        std::filesystem::remove_all(Child_Folder(static_cast<int>(folder)), error);
    std::sort(failures.begin(), failures.end());
    return failures;
}
// The fields to sweep: every one, or those whose name holds the text of
// KORVA_SWEEP_FIELDS (to run a failing field again alone).
std::vector<BLOCK_FIELD> Chosen_Fields(const BLOCK_FIELD_RECORDS& records) {
    std::vector<BLOCK_FIELD> fields = List_Block_Fields(records);
    const char* chosen = std::getenv("KORVA_SWEEP_FIELDS");
    if (chosen == nullptr || *chosen == '\0') return fields;
    std::erase_if(fields,
                  [&](const BLOCK_FIELD& field) { return field.Name.find(chosen) == std::string::npos; });
    return fields;
}
} // namespace

TEST(FieldSweep, EveryFieldAtItsExtremesLoadsAndPlaysOn) {
    const PLAYING_FOLDER playing("field-sweep");
    const std::vector<SAVED_LEAGUE> leagues = Save_Leagues();
    std::vector<std::vector<BLOCK_FIELD>> fields;
    std::vector<SWEEP_TASK> tasks;
    for (const SAVED_LEAGUE& league : leagues) {
        ASSERT_EQ(league.Block.size(), UNIVERSE_SIZE) << league.Name;
        fields.push_back(Chosen_Fields(league.Records));
    }
    for (size_t n = 0; n < leagues.size(); ++n) {
        // The league as saved plays on.
        tasks.push_back({&leagues[n], {}, false, nullptr});
        for (bool largest : {false, true})
            for (size_t first = 0; first < fields[n].size(); first += GROUP_SIZE) {
                SWEEP_TASK task{&leagues[n], {}, largest, nullptr};
                for (size_t k = first; k < std::min(fields[n].size(), first + GROUP_SIZE); ++k)
                    task.Fields.push_back(&fields[n][k]);
                tasks.push_back(task);
            }
    }
    // The first tasks are taken last: the leagues as saved run first.
    std::reverse(tasks.begin(), tasks.end());
    const std::vector<std::string> failures = Run_Sweep(tasks);
    for (const SAVED_LEAGUE& league : leagues)
        std::remove(league.Name);
    std::string shown;
    for (const std::string& failure : failures)
        shown += failure + "\n";
    EXPECT_TRUE(failures.empty()) << failures.size() << " fields failed:\n" << shown;
}
