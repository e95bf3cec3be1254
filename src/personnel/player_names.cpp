#include "personnel/player_names.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "database/path_resolver.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/text_files.h"
#include "platform/message_box.h"

namespace {
constexpr int32_t FIRST_NAME_SIZE = 12;
constexpr int32_t LAST_NAME_SIZE = 20;
constexpr int32_t NAME_LINE_SIZE = 256;

struct NAME_SOURCE {
    const char* File_Name;
    int32_t Line_Count_Setting;
    const char* Fallback;
    int32_t Entry_Size;
    char (*Entries)[LAST_NAME_SIZE];
    bool Open_Failure_Reported;
};

char First_Names[NAME_BUFFER_ENTRIES][LAST_NAME_SIZE];
char Last_Names[NAME_BUFFER_ENTRIES][LAST_NAME_SIZE];
NAME_SOURCE First_Source{"names\\first.txt", FIRST_NAME_LINE_COUNT, "John",
                         FIRST_NAME_SIZE,    First_Names,           false};
NAME_SOURCE Last_Source{"names\\last.txt", LAST_NAME_LINE_COUNT, "Smith", LAST_NAME_SIZE, Last_Names, false};

void Load_Names(NAME_SOURCE& source) {
    FILE* file = Open_Resolved_File(source.File_Name, "rt");
    if (file == nullptr) {
        // Every name would ask again: say it once, then use the fixed name quietly.
        if (!source.Open_Failure_Reported)
            Show_Formatted_Message("File Error", "Couldn't open file: \"%s\"\n\n%s", source.File_Name,
                                   strerror(errno));
        source.Open_Failure_Reported = true;
        return;
    }
    // The lines still ahead. The count kept in the settings is taken afresh: a
    // count from another installation (or a damaged one) would skip past the
    // end of the file or leave its end unused.
    int32_t lines = Count_Remaining_Lines(file);
    rewind(file);
    if (Get_User_Preference(source.Line_Count_Setting) != lines)
        Set_User_Preference(source.Line_Count_Setting, lines);
    for (int32_t j = 0; j < NAME_BUFFER_ENTRIES; ++j) {
        // Skip about as many lines as spread the 100 names over the whole file.
        int32_t skip = Random_Below(2 * ((lines - 2) / (NAME_BUFFER_ENTRIES - j)));
        if (skip > lines - 1) skip = lines - 1;
        for (int32_t n = 0; n < skip; ++n)
            if (Skip_Line(file) != 0) break;
        if (skip > 0) lines -= skip;
        char line[NAME_LINE_SIZE] = "";
        Read_Line(line, file, sizeof line);
        --lines;
        safe_strncpy(source.Entries[j], line, source.Entry_Size);
    }
    fclose(file);
    for (int32_t i = 0; i < NAME_BUFFER_ENTRIES; ++i) {
        int32_t j = Random_Below(NAME_BUFFER_ENTRIES);
        if (j >= NAME_BUFFER_ENTRIES) j = NAME_BUFFER_ENTRIES - 1;
        if (j == i) continue;
        char held[LAST_NAME_SIZE];
        memcpy(held, source.Entries[i], sizeof held);
        memcpy(source.Entries[i], source.Entries[j], sizeof held);
        memcpy(source.Entries[j], held, sizeof held);
    }
}

int32_t Take_Name(NAME_SOURCE& source, char* out) {
    for (int32_t j = 0; j < NAME_BUFFER_ENTRIES; ++j) {
        if (source.Entries[j][0] == 0) continue;
        safe_strncpy(out, source.Entries[j], source.Entry_Size);
        source.Entries[j][0] = 0;
        return 1;
    }
    return 0;
}

void Take_Or_Reload(NAME_SOURCE& source, char* out) {
    if (Take_Name(source, out)) return;
    Load_Names(source);
    if (!Take_Name(source, out)) safe_strncpy(out, source.Fallback, source.Entry_Size);
}
} // namespace

void Load_First_Names() {
    Load_Names(First_Source);
}

void Load_Last_Names() {
    Load_Names(Last_Source);
}

int32_t Take_First_Name(char* out) {
    return Take_Name(First_Source, out);
}

int32_t Take_Last_Name(char* out) {
    return Take_Name(Last_Source, out);
}

void Get_Random_Last_Name(char* out) {
    Take_Or_Reload(Last_Source, out);
}

void Set_Random_Player_Name(int32_t team, int32_t slot) {
    char first[FIRST_NAME_SIZE];
    Take_Or_Reload(First_Source, first);
    Set_Player_First_Name(team, slot, first);
    char last[LAST_NAME_SIZE];
    Take_Or_Reload(Last_Source, last);
    Set_Player_Last_Name(team, slot, last);
}

void Clear_Name_Buffers() {
    memset(First_Names, 0, sizeof First_Names);
    memset(Last_Names, 0, sizeof Last_Names);
    First_Source.Open_Failure_Reported = false;
    Last_Source.Open_Failure_Reported = false;
}
