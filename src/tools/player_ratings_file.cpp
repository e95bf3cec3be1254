#include "tools/player_ratings_file.h"

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
    const int32_t id = std::atoi(key);
    if (id > 0 && Find_Player_By_ID(team, slot, id)) return true;
    return Find_Player_By_External_ID(team, slot, key) != 0;
}

void Read_Player_Rating_Line(RATINGS_LOAD& load, char* line) {
    char field[LINE_LIMIT];
    Get_Next_Field(field, line, ',', sizeof field);
    int32_t team = 0, slot = 0;
    if (field[0] == '\0' || !Find_Rated_Player(field, &team, &slot) || !Is_Player_Slot_Used(team, slot))
        return;
    if (load.Check_Duplicates) {
        if (Get_Player_Vital_Stat(team, slot, VITAL_MARKED) != 0) {
            char text[LINE_LIMIT];
            const int32_t id = std::atoi(field);
            if (id > 0)
                safe_sprintf(text, sizeof text,
                             "Warning: Duplicate Player ID found in Player Rating file:\n\n%d", id);
            else
                safe_sprintf(text, sizeof text,
                             "Warning: Duplicate Player ID found in Player Rating file:\n\n%s", field);
            if (User_Message_Dialog("Player Rating File", text, "OK", "Ignore Duplicate IDs", "") ==
                ID_BOX_NO)
                load.Check_Duplicates = false;
        }
        if (load.Check_Duplicates) Set_Player_Vital_Stat(team, slot, VITAL_MARKED, 1);
    }
    for (int32_t column = 2; column < FIRST_RATING_COLUMN; ++column)
        Get_Next_Field(field, line, ',', sizeof field);
    for (int32_t rating = FIRST_FILE_RATING; rating <= LAST_FILE_RATING + 1; ++rating) {
        Get_Next_Field(field, line, ',', sizeof field);
        if (field[0] == '\0') continue;
        const float value = static_cast<float>(std::atof(field));
        Set_Player_Rating(team, slot, rating <= LAST_FILE_RATING ? rating : RATING_DURABILITY, value);
    }
}
} // namespace

int32_t Load_Player_Ratings_File(int32_t show_message, const char* file_name) {
    FILE* file = Open_Resolved_File(file_name, "rt");
    if (file == nullptr) return 0;
    fclose(file);
    const int32_t lines = Count_File_Lines(file_name);
    file = Open_Resolved_File(file_name, "rt");
    if (file == nullptr) return 0;
    const bool opened = Open_Progress_Window("Loading Player Ratings", lines / LINES_PER_STEP) != 0;
    RATINGS_LOAD load{true};
    Clear_Fantasy_Draft_Picks();
    Build_Player_ID_Hash();
    Skip_Line(file);
    char line[LINE_LIMIT];
    int32_t read = 0;
    for (;;) {
        line[0] = '\0';
        const int end = Read_Line_Limit(file_name, line, file, LINE_LIMIT);
        if (line[0] != '\0') Read_Player_Rating_Line(load, line);
        if (++read % LINES_PER_STEP == 0 && Is_Progress_Window_Open()) Step_Progress(1);
        if (end) break;
    }
    fclose(file);
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
