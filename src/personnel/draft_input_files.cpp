#include "personnel/draft_input_files.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "database/path_resolver.h"
#include "database/player_record.h"
#include "database/text_files.h"
#include "database/text_format.h"
#include "database/universe.h"
#include "platform/message_box.h"

namespace {
constexpr int LINE_LIMIT = 2048;
constexpr int FIELD_SIZE = 64;

// The next comma-separated field as a whole number within 16 bits; false when
// the line has no such field or it is not a number.
bool Read_Short_Field(char* line, int16_t* value) {
    if (line[0] == 0) return false;
    char field[FIELD_SIZE];
    Get_Next_Field(field, line, ',', sizeof field);
    char* end = nullptr;
    errno = 0;
    const long number = strtol(field, &end, 10);
    while (*end == ' ' || *end == '\t')
        ++end;
    if (end == field || *end != 0 || errno != 0 || number < INT16_MIN || number > INT16_MAX) return false;
    *value = static_cast<int16_t>(number);
    return true;
}

// Reads up to 15 lines into `columns` arrays of 15 values each.
void Load_Position_Table(const char* file_name, const char* warning_name,
                         int16_t (*table)[NUMBER_OF_POSITIONS], int columns) {
    FILE* file = Open_Resolved_File(file_name, "rt");
    if (file == nullptr) {
        Show_Formatted_Message("Missing File", "%s file is missing.", file_name);
        return;
    }
    char line[LINE_LIMIT];
    bool at_end = false;
    for (int position = 0; position < NUMBER_OF_POSITIONS && !at_end; ++position) {
        at_end = Read_Line_Limit(warning_name, line, file, sizeof line) != 0;
        for (int column = 0; column < columns; ++column) {
            int16_t value = 0;
            if (Read_Short_Field(line, &value)) table[column][position] = value;
        }
    }
    fclose(file);
}
} // namespace

void Load_Draft_Talent() {
    Load_Position_Table("Input/DraftTalent.txt", "Draft Talent File", Universe.Header.Draft_Talent, 3);
}

void Load_Draft_Strategy() {
    int16_t(*table)[NUMBER_OF_POSITIONS] = &Universe.Header.Draft_Strategy;
    Load_Position_Table("Input/DraftStrategy.txt", "Input/DraftStrategy.txt", table, 1);
}
