#include "database/cities.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/diagnostics.h"
#include "database/file_replacement.h"
#include "database/league_structure.h"
#include "database/path_resolver.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/text_files.h"
#include "database/text_format.h"
#include "database/universe.h"
#include "platform/message_box.h"

namespace {
constexpr int32_t DEFAULT_CITY_STATS[NUMBER_OF_CITY_STATS] = {1000000, 2500000, 20000, 25000, 0,
                                                              114000,  42000,   3,     0,     0};
// Room for a line over the limit, so that an over-long line can be recognised.
constexpr int IMPORT_LINE_BUFFER = 4 * (MAX_CITY_LINE_LENGTH + 1);

bool Is_City_Row(int32_t n) {
    return n >= 0 && n < MAX_CITIES;
}

// Reads a statistic field: the decimal number it begins with (after blanks:
// an optional sign, digits, an optional point and digits), truncated toward
// zero; a field that begins with no such number is 0 ("abc" 0, "12abc" 12).
// No hexadecimal, exponent or other form is taken. Returns false only for a
// number beyond what a statistic holds.
bool Parse_City_Stat(const char* field, int32_t* value) {
    const char* c = field;
    while (*c == ' ' || *c == '\t')
        ++c;
    const bool negative = *c == '-';
    if (*c == '-' || *c == '+') ++c;
    // The whole part; its decimals are cut off.
    int64_t number = 0;
    for (; *c >= '0' && *c <= '9'; ++c) {
        number = number * 10 + (*c - '0');
        if (number > 2147483648LL) return false;
    }
    if (negative) number = -number;
    if (number > 2147483647LL) return false;
    *value = static_cast<int32_t>(number);
    return true;
}

// A name that holds a comma, or begins with a quote, is written in quotes with
// its quotes doubled, so that it reads back whole; every other name is written
// as it stands.
bool Needs_Quotes(const char* name) {
    return name[0] == '"' || std::strchr(name, ',') != nullptr;
}

// Takes the name field off the front of `line`. A field that opens with a
// quote and closes with one before a comma or the end of the line is read
// unquoted; any other field is taken up to the first comma, as it stands.
void Take_Name_Field(char* field, char* line, int field_size) {
    if (line[0] == '"') {
        int read = 1;
        int stored = 0;
        for (;;) {
            if (line[read] == '\0') break;
            if (line[read] == '"' && line[read + 1] == '"') {
                if (stored < field_size - 1) field[stored++] = '"';
                read += 2;
                continue;
            }
            if (line[read] == '"') {
                if (line[read + 1] != ',' && line[read + 1] != '\0') break;
                field[stored] = '\0';
                const int rest = line[read + 1] == ',' ? read + 2 : read + 1;
                std::memmove(line, line + rest, std::strlen(line + rest) + 1);
                return;
            }
            if (stored < field_size - 1) field[stored++] = line[read];
            ++read;
        }
    }
    Get_Next_Field(field, line, ',', field_size);
}

// Parses one line of the import into `city`; an empty name leaves the city
// empty. On a malformed line writes the reason into `error` and returns false.
bool Parse_City_Line(char* line, CITY_RECORD* city, char* error, int error_size) {
    char field[IMPORT_LINE_BUFFER];
    std::memset(city, 0, sizeof *city);
    Take_Name_Field(field, line, sizeof field);
    if (field[0] == '\0') return true;
    safe_strncpy(city->Name, field, sizeof city->Name);
    // Fields after the eleventh are ignored.
    for (int s = 0; s < NUMBER_OF_CITY_STATS && line[0] != '\0'; ++s) {
        Get_Next_Field(field, line, ',', sizeof field);
        if (!Parse_City_Stat(field, &city->Stats[s])) {
            snprintf(error, error_size, "statistic %d (\"%.40s\") is beyond what a statistic holds", s + 1,
                     field);
            return false;
        }
    }
    return true;
}
} // namespace

int32_t Count_Cities() {
    int32_t count = 0;
    while (count < MAX_CITIES && Universe.Cities[count].Name[0] != '\0')
        ++count;
    return count;
}

int32_t Is_City_Used(int32_t n) {
    return Is_City_Row(n) && Universe.Cities[n].Name[0] != '\0' ? 1 : 0;
}

void Get_City_Name(int32_t n, char* buffer) {
    if (buffer == nullptr) return;
    if (!Is_City_Row(n)) {
        buffer[0] = '\0';
        return;
    }
    safe_strncpy(buffer, Universe.Cities[n].Name, sizeof Universe.Cities[n].Name);
}

void Get_City_Photo(int32_t n, char* buffer) {
    if (buffer == nullptr) return;
    if (!Is_City_Row(n)) {
        buffer[0] = '\0';
        return;
    }
    safe_strncpy(buffer, Universe.Cities[n].Photo, sizeof Universe.Cities[n].Photo);
}

void Set_City_Name(int32_t n, const char* text) {
    if (!Is_City_Row(n)) {
        Report_System_Error("Invalid nCity in Set_City_Name()");
        return;
    }
    safe_strncpy(Universe.Cities[n].Name, text ? text : "", sizeof Universe.Cities[n].Name);
}

void Set_City_Photo(int32_t n, const char* text) {
    if (!Is_City_Row(n)) {
        Report_System_Error("Invalid nCity in Set_City_Photo()");
        return;
    }
    safe_strncpy(Universe.Cities[n].Photo, text ? text : "", sizeof Universe.Cities[n].Photo);
}

int32_t Get_City_Stat(int32_t n, int32_t s) {
    if (!Is_City_Row(n) || s < 0 || s >= NUMBER_OF_CITY_STATS) return 0;
    return Universe.Cities[n].Stats[s];
}

void Set_City_Stat(int32_t n, int32_t s, int32_t value) {
    if (!Is_City_Row(n)) {
        Report_System_Error("Invalid nCity in Set_City_Stat()");
        return;
    }
    if (s < 0 || s >= NUMBER_OF_CITY_STATS) {
        Report_System_Error("Invalid nStat in Set_City_Stat()");
        return;
    }
    Universe.Cities[n].Stats[s] = value;
}

void Set_Default_City_Stats(int32_t n) {
    for (int32_t s = 0; s < NUMBER_OF_CITY_STATS; ++s)
        Set_City_Stat(n, s, DEFAULT_CITY_STATS[s]);
}

void Clear_City(int32_t n) {
    if (Is_City_Row(n)) std::memset(&Universe.Cities[n], 0, sizeof Universe.Cities[n]);
}

int32_t Is_City_Home_Of_Any_Team(int32_t n) {
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team)
        if (Is_Active_Team(team) && Get_Team_Stat(team, TEAM_STAT_HOME_CITY) == n) return 1;
    return 0;
}

void Swap_Cities(int32_t a, int32_t b) {
    if (!Is_City_Row(a) || !Is_City_Row(b)) {
        Report_System_Error("Invalid nCity in Swap_Cities(%d,%d)", a, b);
        return;
    }
    if (a == b) return;
    CITY_RECORD held = Universe.Cities[a];
    Universe.Cities[a] = Universe.Cities[b];
    Universe.Cities[b] = held;
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team) {
        if (!Is_Active_Team(team)) continue;
        int32_t home = Get_Team_Stat(team, TEAM_STAT_HOME_CITY);
        if (home == a)
            Set_Team_Stat(team, TEAM_STAT_HOME_CITY, b);
        else if (home == b)
            Set_Team_Stat(team, TEAM_STAT_HOME_CITY, a);
    }
    int32_t selected = Get_User_Preference(SELECTED_CITY);
    if (selected == a)
        Set_User_Preference(SELECTED_CITY, b);
    else if (selected == b)
        Set_User_Preference(SELECTED_CITY, a);
}

void Compact_Cities() {
    for (int pass = 0; pass < MAX_CITIES; ++pass)
        for (int32_t n = 0; n < MAX_CITIES - 1; ++n)
            if (Universe.Cities[n].Name[0] == '\0' && Universe.Cities[n + 1].Name[0] != '\0')
                Swap_Cities(n, n + 1);
}

void Sort_Cities() {
    int32_t count = Count_Cities();
    for (int32_t i = 0; i < count; ++i)
        for (int32_t j = i + 1; j < count; ++j)
            if (std::strcmp(Universe.Cities[j].Name, Universe.Cities[i].Name) < 0) Swap_Cities(i, j);
}

int32_t Add_City() {
    int32_t n = Count_Cities();
    if (n >= MAX_CITIES) return -1;
    Set_City_Name(n, "New City");
    Set_City_Photo(n, "Default");
    Set_Default_City_Stats(n);
    Set_User_Preference(SELECTED_CITY, n);
    return n;
}

void Delete_Current_City() {
    int32_t selected = Get_User_Preference(SELECTED_CITY);
    if (!Is_City_Row(selected)) return;
    Set_City_Name(selected, "");
    Set_City_Photo(selected, "");
    for (int32_t s = 0; s < NUMBER_OF_CITY_STATS; ++s)
        Set_City_Stat(selected, s, 0);
    // The selection follows the emptied row past the cities below it, and
    // from there, below the cities, moves back onto the last one.
    Compact_Cities();
    selected = Get_User_Preference(SELECTED_CITY);
    const int32_t count = Count_Cities();
    if (selected >= count) Set_User_Preference(SELECTED_CITY, count > 0 ? count - 1 : 0);
}

int32_t Find_Best_Free_City() {
    int32_t best_city = 0;
    int64_t best_score = 0;
    int32_t count = Count_Cities();
    for (int32_t n = 0; n < count; ++n) {
        if (Is_City_Home_Of_Any_Team(n)) continue;
        const int32_t* stats = Universe.Cities[n].Stats;
        int64_t people = static_cast<int64_t>(stats[0]) + stats[1] + 10 * static_cast<int64_t>(stats[2]);
        if (people == 0) continue;
        int64_t income = static_cast<int64_t>(stats[3]) + 25000;
        // The market of an imported or edited city may take any figures: the
        // product of the largest outgrows 64 bits, its score does not.
        const __int128 product = static_cast<__int128>(people) * income;
        int64_t score = static_cast<int64_t>((product + 25000) / 50000);
        if (product < 0 && income % 50000 != 0) --score;
        if (score > best_score) {
            best_score = score;
            best_city = n;
        }
    }
    return best_city;
}

void Export_Cities() {
    char question[512];
    snprintf(question, sizeof question, "Do you want to export the current cities to the file \"%s\"?",
             CITIES_FILE_NAME);
    if (Show_Message_Box(question, "Confirm City Export", BOX_YES_NO) != ID_BOX_YES) return;
    const std::string path = Resolve_File_Path(CITIES_FILE_NAME);
    if (Is_Read_Only_File(path)) {
        Show_Formatted_Message("City Export Error",
                               "The file \"%s\" is read-only, so it was not replaced.\n\nNo cities were "
                               "exported.",
                               CITIES_FILE_NAME);
        return;
    }
    FILE* file = Open_Replacement_File(path);
    if (file == nullptr) {
        const char* reason = Get_Errno_Text();
        Log_Debug_Line("Unable to open \"%s\" for the city export", CITIES_FILE_NAME);
        Show_Formatted_Message("City Export Error",
                               "A new \"%s\" could not be created (%s).\n\nNo cities were exported; the file "
                               "was left as it was.",
                               CITIES_FILE_NAME, reason);
        return;
    }
    int32_t written = 0;
    bool ok = true;
    for (int32_t n = 0; ok && n < MAX_CITIES && Universe.Cities[n].Name[0] != '\0'; ++n) {
        char name[sizeof Universe.Cities[n].Name];
        safe_strncpy(name, Universe.Cities[n].Name, sizeof name);
        if (Needs_Quotes(name)) {
            ok = fputc('"', file) != EOF;
            for (const char* c = name; ok && *c != '\0'; ++c)
                ok = (*c != '"' || fputc('"', file) != EOF) && fputc(*c, file) != EOF;
            ok = ok && fputc('"', file) != EOF;
        } else {
            ok = fputs(name, file) != EOF;
        }
        for (int32_t s = 0; ok && s < NUMBER_OF_CITY_STATS; ++s)
            ok = fprintf(file, ",%d", Universe.Cities[n].Stats[s]) > 0;
        ok = ok && fputc('\n', file) != EOF;
        if (ok) ++written;
    }
    if (!Commit_Replacement_File(file, path, ok)) {
        Show_Formatted_Message("City Export Error",
                               "The cities could not be written to \"%s\" (%s).\n\nThe file was left as it "
                               "was.",
                               CITIES_FILE_NAME, Get_Errno_Text());
        return;
    }
    Show_Formatted_Message("City Export Complete", "%d cities exported to \"%s\"", written, CITIES_FILE_NAME);
}

int32_t Read_Cities_File(FILE* file, CITY_RECORD* cities, char* error, int error_size) {
    std::memset(cities, 0, sizeof(CITY_RECORD) * MAX_CITIES);
    error[0] = '\0';
    static char line[IMPORT_LINE_BUFFER];
    int32_t imported = 0;
    // One line for each of the 100 rows: a line with an empty name uses up
    // its row, and nothing past the hundredth line is read.
    for (int32_t row = 0; row < MAX_CITIES; ++row) {
        const int32_t line_number = row + 1;
        line[0] = '\0';
        int length = 0;
        const int at_end = Read_Counted_Line(line, file, sizeof line, &length);
        // A read error is no end of the file: what was read so far is not the table.
        if (ferror(file)) {
            snprintf(error, error_size, "The city import file \"%s\" could not be read (%s).",
                     CITIES_FILE_NAME, Get_Errno_Text());
            return -1;
        }
        if (at_end && length == 0) break;
        char reason[256] = "";
        CITY_RECORD city;
        if (std::strlen(line) != static_cast<size_t>(length))
            snprintf(reason, sizeof reason, "it holds a zero byte, which no text line does");
        else if (length > MAX_CITY_LINE_LENGTH)
            snprintf(reason, sizeof reason, "the line is longer than %d characters", MAX_CITY_LINE_LENGTH);
        else
            Parse_City_Line(line, &city, reason, sizeof reason);
        if (reason[0] != '\0') {
            snprintf(error, error_size, "Line %d of the city import file \"%s\" is not valid: %s.",
                     line_number, CITIES_FILE_NAME, reason);
            return -1;
        }
        if (city.Name[0] != '\0') cities[imported++] = city;
        if (at_end) break;
    }
    return imported;
}

void Import_Cities() {
    char question[512];
    snprintf(
        question, sizeof question,
        "Do you want to import the current cities to the file \"%s\"?\n\nThis will erase all current cities "
        "and stats.",
        CITIES_FILE_NAME);
    if (Show_Message_Box(question, "Confirm City Import", BOX_YES_NO) != ID_BOX_YES) return;
    FILE* file = Open_Resolved_File(CITIES_FILE_NAME, "r");
    if (file == nullptr) {
        Show_Formatted_Message("Import City Error", "Unable to open the city import file \"%s\".",
                               CITIES_FILE_NAME);
        return;
    }
    // The whole file is read and checked first, so that a bad file leaves the
    // current cities as they were.
    static CITY_RECORD staged[MAX_CITIES];
    char error[512];
    const int32_t imported = Read_Cities_File(file, staged, error, sizeof error);
    fclose(file);
    if (imported < 0) {
        Show_Formatted_Message("Import City Error", "%s\n\nNo cities were changed.", error);
        return;
    }
    // A file that yields no city at all would only erase the table.
    if (imported == 0) {
        Show_Formatted_Message("Import City Error",
                               "The city import file \"%s\" holds no city.\n\nNo cities were changed.",
                               CITIES_FILE_NAME);
        return;
    }
    for (int32_t n = 0; n < MAX_CITIES; ++n)
        Universe.Cities[n] = staged[n];
    Compact_Cities();
    Sort_Cities();
    Set_User_Preference(SELECTED_CITY, 0);
    Show_Formatted_Message("City Import Complete", "%d cities imported from \"%s\"", imported,
                           CITIES_FILE_NAME);
}
