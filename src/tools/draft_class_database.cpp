#include "tools/draft_class_database.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/diagnostics.h"
#include "database/league_structure.h"
#include "database/path_resolver.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/roster_slots.h"
#include "database/safe_strings.h"
#include "database/season_lines.h"
#include "database/team_record.h"
#include "database/text_files.h"
#include "database/universe.h"
#include "frontoffice/player_potential.h"
#include "personnel/college_history.h"
#include "personnel/player_development.h"
#include "personnel/player_generation.h"
#include "platform/message_box.h"
#include "tools/image_downloads.h"
#include "tools/season_database.h"
#include "tools/stats_input.h"

namespace {
constexpr int32_t LAST_DRAFT_CLASS_YEAR = 2022;
constexpr int32_t QUARTERBACK_EDGE = 30;
constexpr int32_t LARGEST_DRAFT_VALUE = 250;
constexpr int32_t DRAFTED_BONUS = 50;
constexpr int32_t VITAL_PROSPECT_RANK = 17;
constexpr int32_t DRAFT_GRADE_STAT = 299;
// Highest rating a class record may carry (the game's run up to 100).
constexpr float LARGEST_CLASS_RATING = 120.0f;
constexpr const char* CLASS_COUNTS_FILE = "Draft-Class-Rookies.csv";

std::vector<std::string>* Class_Message_Sink = nullptr;

// "<file> not found. Generating random rookies." and the like: shown, or
// kept for the end of the build that set a sink.
void Tell_Generated_Pool(const char* name, const char* reason) {
    char text[160];
    snprintf(text, sizeof text, "%s %s. Generating random rookies.", name, reason);
    if (Class_Message_Sink == nullptr) {
        Show_Formatted_Message(GENERATING_ROOKIES_CAPTION, "%s", text);
        return;
    }
    Log_Debug_Line("%s", text);
    Class_Message_Sink->push_back(text);
}

int32_t Draft_Value(int32_t team, int32_t slot) {
    int32_t value = static_cast<int32_t>(Get_Player_Potential(team, slot) * 2.0f);
    value += Get_Player_Vital_Stat(team, slot, VITAL_POSITION) == POSITION_QB ? QUARTERBACK_EDGE
                                                                              : -QUARTERBACK_EDGE;
    value = std::clamp(value, 0, LARGEST_DRAFT_VALUE);
    if (Get_Player_Vital_Stat(team, slot, VITAL_DRAFT_RECORD) % 10000 != 0) value += DRAFTED_BONUS;
    return value;
}

int32_t Sort_Key(const PLAYER_RECORD& record) {
    return record.Vital_Stats[VITAL_PROSPECT_RANK] + record.Vital_Stats[VITAL_DRAFT_POOL_VALUE];
}

bool Is_Terminated(const char* text, size_t size) {
    return memchr(text, '\0', size) != nullptr;
}

// A record fit to be a player: texts that end within their fields, a
// position the game knows and ratings of the game's range, from which his
// college seasons are made.
bool Is_Whole_Player_Record(const PLAYER_RECORD& record) {
    const int32_t position = record.Vital_Stats[VITAL_POSITION];
    for (float rating : record.Ratings)
        if (!std::isfinite(rating) || rating < 0.0f || rating > LARGEST_CLASS_RATING) return false;
    return Is_Terminated(record.Last_Name, sizeof record.Last_Name) &&
           Is_Terminated(record.First_Name, sizeof record.First_Name) &&
           Is_Terminated(record.External_ID, sizeof record.External_ID) &&
           Is_Terminated(record.College, sizeof record.College) && position >= 0 &&
           position < NUMBER_OF_POSITIONS;
}

void Copy_Downloaded_Photo(int32_t team, int32_t slot) {
    char id[sizeof(PLAYER_RECORD::External_ID) + 1] = "";
    Get_Player_External_ID(team, slot, id);
    if (id[0] == '\0' || !Is_Plain_File_Name(id)) return;
    char source[128];
    snprintf(source, sizeof source, "Input/Stats/Players/%s.dat", id);
    const std::string from = Resolve_File_Path(source);
    char target[IMAGE_DOWNLOAD_PATH_SIZE];
    std::error_code failure;
    if (!std::filesystem::is_regular_file(from, failure) || Get_Player_Photo_Path(team, slot, target) == 0)
        return;
    const std::string to = Resolve_File_Path(target);
    if (std::filesystem::exists(to, failure)) return;
    std::filesystem::create_directories(std::filesystem::path(to).parent_path(), failure);
    std::filesystem::copy_file(from, to, std::filesystem::copy_options::skip_existing, failure);
}

// A person by name and birth date.
std::string Person_Key(const PLAYER_RECORD& record) {
    return std::string(record.First_Name, strnlen(record.First_Name, sizeof record.First_Name)) + "|" +
           std::string(record.Last_Name, strnlen(record.Last_Name, sizeof record.Last_Name)) + "|" +
           std::to_string(record.Vital_Stats[VITAL_BIRTH_DATE]);
}

// The people of the league outside the pool: a class lists every player of
// its season who had not yet played, and some of them were already in the
// league the season before.
std::set<std::string> League_People() {
    std::set<std::string> people;
    For_Each_League_Player(
        [&people](int32_t team, int32_t slot) {
            people.insert(Person_Key(*Get_Player_Record_Pointer(team, slot)));
        },
        0, HALL_OF_FAME_TEAM);
    return people;
}

void Take_Class_Record(int32_t team, int32_t slot, const PLAYER_RECORD& record,
                       const std::set<std::string>& league_people) {
    PLAYER_RECORD* player = Get_Player_Record_Pointer(team, slot);
    memcpy(player, &record, sizeof record);
    if (record.Vital_Stats[VITAL_PLAYER_ID] == 0) {
        Clear_Player(team, slot);
        return;
    }
    if (league_people.count(Person_Key(record)) != 0) {
        Log_Debug_Line("Draft class record for team %d slot %d is already in the league: left empty", team,
                       slot);
        memset(player, 0, sizeof *player);
        Clear_Player(team, slot);
        return;
    }
    // The links name the season lines of the league that wrote the file; in
    // this league they are other players' lines.
    for (int32_t& link : player->Season_Line_Links)
        link = NO_SEASON_LINE;
    player->Latest_Season_Line = NO_SEASON_LINE;
    // His figures are made anew from his college career.
    memset(player->Season_Stats, 0, sizeof player->Season_Stats);
    Copy_Downloaded_Photo(team, slot);
    Delete_All_Player_Season_Lines(team, slot);
    Init_New_Player_Fields(team, slot);
    Set_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS, -1);
    Generate_College_Stat_History(team, slot, 1);
    Set_Player_Vital_Stat(team, slot, VITAL_DRAFT_POOL_VALUE,
                          Get_Player_Stat(team, slot, SEASON_CAREER, DRAFT_GRADE_STAT));
}
} // namespace

int32_t Gather_Draft_Class(PLAYER_RECORD* records) {
    memset(records, 0, sizeof(PLAYER_RECORD) * DRAFT_CLASS_RECORDS);
    const int32_t teams = Refresh_Active_Team_Count();
    const int32_t year = Get_Universe_Stat(BASE_YEAR);
    int32_t count = 0;
    for (int32_t team = 0; team < teams && count < DRAFT_CLASS_RECORDS; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            if (Get_Player_Stat(team, slot, SEASON_CAREER, 0) != 0 ||
                Get_Player_Vital_Stat(team, slot, VITAL_GENERATED_PLAYER) != 0)
                continue;
            Set_Player_Vital_Stat(team, slot, VITAL_DRAFT_POOL_VALUE, Draft_Value(team, slot));
            records[count++] = *Get_Player_Record_Pointer(team, slot);
            if (count == DRAFT_CLASS_RECORDS) {
                char caption[64];
                snprintf(caption, sizeof caption, "Overflow in %d DRAFT_CLASS database", year);
                Show_Formatted_Message(
                    caption, "Too many players in %d draft class. Aborted during team #%d (out of %d).", year,
                    team + 1, teams);
                break;
            }
        }
    // Largest key first; equal keys keep their order.
    std::stable_sort(records, records + count, [](const PLAYER_RECORD& a, const PLAYER_RECORD& b) {
        return Sort_Key(a) > Sort_Key(b);
    });
    return count;
}

int32_t Write_Draft_Class_File(const char* file_name, const PLAYER_RECORD* records) {
    const std::string path = Resolve_File_Path(file_name);
    FILE* file = fopen(path.c_str(), "wb");
    if (file == nullptr) return 1;
    const bool written = fwrite(records, sizeof(PLAYER_RECORD), DRAFT_CLASS_RECORDS, file) ==
                         static_cast<size_t>(DRAFT_CLASS_RECORDS);
    const bool closed = fclose(file) == 0;
    if (!written || !closed) {
        remove(path.c_str());
        return 2;
    }
    return 0;
}

int32_t Write_Draft_Class_Database() {
    std::unique_ptr<PLAYER_RECORD[]> records(new PLAYER_RECORD[DRAFT_CLASS_RECORDS]);
    const int32_t count = Gather_Draft_Class(records.get());
    const int32_t year = Get_Universe_Stat(BASE_YEAR);
    char name[64];
    snprintf(name, sizeof name, "databases/rookies-%d.dat", year);
    const int32_t result = Write_Draft_Class_File(name, records.get());
    if (result != 0) return result;
    Append_Formatted_Line_To_File(CLASS_COUNTS_FILE, "%d,%d", year, count);
    return 0;
}

void Set_Draft_Class_Message_Sink(std::vector<std::string>* texts) {
    Class_Message_Sink = texts;
}

void Load_Draft_Class_Database() {
    // While a database is built, the shipped league it loads for its cities
    // (a league without the build's mark) keeps the pool it generates: that
    // pool is thrown away, and no build may depend on class files other
    // builds are writing. The built league takes its class.
    if (Are_Stats_Input_Checks_Running() && Get_Universe_Stat(DATABASE_BUILD_FLAG) == 0) return;
    const int32_t year = Get_Current_Year() + 1;
    Log_Debug_Line("Entering Load_Draft_Class_Database()");
    char name[64];
    snprintf(name, sizeof name, "databases/rookies-%d.dat", year);
    FILE* file = Open_Resolved_File(name, "rb");
    if (file == nullptr) {
        if (year > LAST_DRAFT_CLASS_YEAR) return;
        Tell_Generated_Pool(name, "not found");
        Log_Debug_Line("Leaving Load_Draft_Class_Database() [failure]");
        return;
    }
    std::unique_ptr<PLAYER_RECORD[]> records(new PLAYER_RECORD[DRAFT_CLASS_POOL_RECORDS]());
    const size_t read = fread(records.get(), 1, sizeof(PLAYER_RECORD) * DRAFT_CLASS_POOL_RECORDS, file);
    const bool whole_size = read == sizeof(PLAYER_RECORD) * DRAFT_CLASS_POOL_RECORDS &&
                            fseek(file, 0, SEEK_END) == 0 && ftell(file) == DRAFT_CLASS_FILE_SIZE;
    fclose(file);
    // A file cut short or grown, or a record that is no whole player, is a
    // damaged class: the user is told, as of a missing one, and the pool is
    // generated instead.
    bool damaged = !whole_size;
    for (int32_t i = 0; i < DRAFT_CLASS_POOL_RECORDS && !damaged; ++i)
        damaged = records[i].Vital_Stats[VITAL_PLAYER_ID] != 0 && !Is_Whole_Player_Record(records[i]);
    if (damaged) {
        Tell_Generated_Pool(name, "is damaged");
        Log_Debug_Line("Leaving Load_Draft_Class_Database() [failure]");
        return;
    }
    const std::set<std::string> league_people = League_People();
    for (int32_t i = 0; i < DRAFT_CLASS_POOL_RECORDS; ++i)
        Take_Class_Record(FIRST_COLLEGE_POOL_TEAM + i / PLAYERS_PER_TEAM, i % PLAYERS_PER_TEAM, records[i],
                          league_people);
    Log_Debug_Line("Leaving Load_Draft_Class_Database() [success]");
}
