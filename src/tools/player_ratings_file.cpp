#include "tools/player_ratings_file.h"

#include <climits>
#include <cstdio>
#include <cstdlib>

#include "app/progress_window.h"
#include "database/league_structure.h"
#include "database/path_resolver.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/safe_strings.h"
#include "database/text_files.h"
#include "database/text_format.h"
#include "personnel/roster_text.h"
#include "platform/message_box.h"
#include "tools/league_input_files.h"
#include "tools/stats_input.h"

namespace {
constexpr int32_t LINE_LIMIT = 2048;
constexpr int32_t LINES_PER_STEP = 20;
constexpr int32_t FIRST_RATING_COLUMN = 7;
constexpr int32_t FIRST_FILE_RATING = RATING_ACCURACY;
constexpr int32_t LAST_FILE_RATING = RATING_PUNT_DISTANCE;
constexpr int32_t VITAL_MARKED = 27;
constexpr int32_t FIRST_REPLAY_FREE_YEAR = 2022;

struct RATINGS_LOAD {
    bool Check_Duplicates;
};

bool Find_Rated_Player(const char* key, int32_t* team, int32_t* slot) {
    char* end = nullptr;
    const long id = std::strtol(key, &end, 10);
    if (end != key && *end == '\0' && id > 0 && id <= INT32_MAX &&
        Find_Listed_Player_By_ID(team, slot, static_cast<int32_t>(id)) != 0)
        return true;
    const PLAYER_LOCATION where = Find_Player_By_External_Key(key);
    if (where.Team == NO_TEAM) return false;
    *team = where.Team;
    *slot = where.Slot;
    return true;
}

void Read_Player_Rating_Line(RATINGS_LOAD& load, const STATS_LINE& line) {
    // Every rating is read before any is stored: a malformed line changes
    // nothing. An empty column stores 0, which a read of the rating raises to
    // the least rating.
    float values[LAST_FILE_RATING + 2] = {};
    for (int32_t rating = FIRST_FILE_RATING; rating <= LAST_FILE_RATING + 1; ++rating) {
        double value = 0.0;
        if (!Read_Decimal_Field(line, FIRST_RATING_COLUMN + rating - FIRST_FILE_RATING, &value)) return;
        values[rating] = static_cast<float>(value);
    }
    const char* key = line.Field(1);
    int32_t team = 0, slot = 0;
    if (key[0] == '\0' || !Find_Rated_Player(key, &team, &slot) || !Is_Player_Slot_Used(team, slot)) return;
    if (load.Check_Duplicates) {
        if (Get_Player_Vital_Stat(team, slot, VITAL_MARKED) != 0) {
            char text[LINE_LIMIT];
            const int32_t id = std::atoi(key);
            if (id > 0)
                safe_sprintf(text, sizeof text,
                             "Warning: Duplicate Player ID found in Player Rating file:\n\n%d", id);
            else
                safe_sprintf(text, sizeof text,
                             "Warning: Duplicate Player ID found in Player Rating file:\n\n%s", key);
            if (User_Message_Dialog("Player Rating File", text, "OK", "Ignore Duplicate IDs", "") ==
                ID_BOX_NO)
                load.Check_Duplicates = false;
        }
        if (load.Check_Duplicates) Set_Player_Vital_Stat(team, slot, VITAL_MARKED, 1);
    }
    for (int32_t rating = FIRST_FILE_RATING; rating <= LAST_FILE_RATING + 1; ++rating)
        Set_Player_Rating(team, slot, rating <= LAST_FILE_RATING ? rating : RATING_DURABILITY,
                          values[rating]);
}
} // namespace

int32_t Load_Player_Ratings_File(int32_t show_message, const char* file_name) {
    STATS_FILE file;
    if (!Open_Stats_File(&file, file_name)) return 0;
    const int32_t lines = Count_Stats_Lines(&file);
    const bool opened = Open_Progress_Window("Loading Player Ratings", lines / LINES_PER_STEP) != 0;
    RATINGS_LOAD load{true};
    Clear_Fantasy_Draft_Picks();
    Build_Player_ID_Hash();
    Build_Player_Lookup_Index();
    Read_Stats_Header(&file);
    STATS_LINE line;
    int32_t read_lines = 0;
    for (int32_t read = 0; (read = Read_Stats_Line(&file, &line)) != 0 && !Should_Stop_Stats_Reading();) {
        if (read > 0) Read_Player_Rating_Line(load, line);
        if (++read_lines % LINES_PER_STEP == 0 && Is_Progress_Window_Open()) Step_Progress(1);
    }
    Close_Stats_File(&file);
    Drop_Player_Lookup_Index();
    if (opened) Close_Progress_Window();
    if (show_message != 0)
        Show_Formatted_Message("Load Player Ratings", "Player ratings loaded from %s.", file_name);
    return 1;
}

int32_t Load_Player_Ratings_CSV(int32_t show_message) {
    const int32_t year = Get_Current_Year();
    char name[256];
    if (Get_Replay_Mode() != 0 && year < FIRST_REPLAY_FREE_YEAR)
        safe_sprintf(name, sizeof name, "Input/Ratings/Replay/%d_Player_Ratings.csv", year);
    else
        safe_sprintf(name, sizeof name, "Input/Ratings/Simulation/%d_Player_Ratings.csv", year);
    return Load_Player_Ratings_File(show_message, name);
}
