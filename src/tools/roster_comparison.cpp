#include "tools/roster_comparison.h"

#include <cstdio>
#include <cstring>

#include "database/path_resolver.h"
#include "database/safe_strings.h"
#include "database/text_files.h"
#include "database/text_format.h"
#include "platform/message_box.h"
#include "tools/stats_input.h"

namespace {
constexpr int32_t LINE_LIMIT = 2048;
constexpr int32_t MOST_LINES = 1000001;
constexpr const char* FREE_AGENTS_FILE = "Free-Agents.csv";
} // namespace

int32_t File_Has_Line_With_Text(const char* file_name, const char* text) {
    FILE* file = Open_Resolved_File(file_name, "rt");
    if (file == nullptr || text == nullptr) {
        if (file != nullptr) fclose(file);
        return 0;
    }
    char line[LINE_LIMIT];
    int32_t found = 0;
    for (int32_t n = 0; n < MOST_LINES && found == 0; ++n) {
        line[0] = '\0';
        const int end = Read_Line_Limit(file_name, line, file, LINE_LIMIT);
        if (strstr(line, text) != nullptr) found = 1;
        if (end) break;
    }
    fclose(file);
    return found;
}

void Write_Free_Agents_CSV() {
    Delete_File(FREE_AGENTS_FILE);
    char old_name[64], new_name[64];
    Make_Year_Stats_Input_Path(old_name, sizeof old_name, 2021, "rosters");
    Make_Year_Stats_Input_Path(new_name, sizeof new_name, 2022, "rosters");
    FILE* file = Open_Resolved_File(old_name, "rt");
    if (file == nullptr) {
        Show_Formatted_Message("Read Error", "Unable to open %s.", old_name);
        return;
    }
    char line[LINE_LIMIT], rest[LINE_LIMIT], key[LINE_LIMIT];
    for (;;) {
        line[0] = '\0';
        const int end = Read_Line_Limit_Unnamed(line, file);
        if (line[0] != '\0') {
            safe_strncpy(rest, line, sizeof rest);
            Get_Next_Field(key, rest, ',', sizeof key);
            if (File_Has_Line_With_Text(new_name, key) == 0) Append_Line_To_File(FREE_AGENTS_FILE, line);
        }
        if (end) break;
    }
    fclose(file);
}
