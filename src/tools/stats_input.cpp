#include "tools/stats_input.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include <sys/stat.h>

#include "app/diagnostics.h"
#include "database/loaded_league_bounds.h"
#include "database/path_resolver.h"
#include "database/safe_strings.h"
#include "database/text_format.h"

namespace {
bool Checks_Running = false;
bool Checks_Failed = false;
const char EMPTY_FIELD[] = "";
// Longest field text quoted in a report.
constexpr int32_t QUOTED_FIELD_LENGTH = 40;

void Note_Failure() {
    if (Checks_Running) Checks_Failed = true;
}

void Report_Line_Error(const STATS_FILE* file, int32_t line_number, int32_t column, const char* problem) {
    if (file != nullptr && file->Quiet) return;
    const char* name = file != nullptr ? file->Name : "";
    if (column > 0)
        Report_System_Error("Malformed input in %s, line %d, field %d: %s", name, line_number, column,
                            problem);
    else
        Report_System_Error("Malformed input in %s, line %d: %s", name, line_number, problem);
    Note_Failure();
}

bool Is_Blank(const char* text) {
    for (; *text != '\0'; ++text)
        if (*text != ' ' && *text != '\t') return false;
    return true;
}

// The field without the blanks around it, in `out` (STATS_LINE_LIMIT bytes).
void Trim(const char* text, char* out) {
    while (*text == ' ' || *text == '\t')
        ++text;
    safe_strncpy(out, text, STATS_LINE_LIMIT);
    size_t length = strlen(out);
    while (length > 0 && (out[length - 1] == ' ' || out[length - 1] == '\t'))
        out[--length] = '\0';
}

void Report_Not_A_Number(const STATS_LINE& line, int32_t column, const char* kind) {
    char problem[128];
    snprintf(problem, sizeof problem, "\"%.*s\" is not %s", QUOTED_FIELD_LENGTH, line.Field(column), kind);
    Report_Field_Error(line, column, problem);
}
} // namespace

const char* STATS_LINE::Field(int32_t column) const {
    if (column < 1 || column > Count) return EMPTY_FIELD;
    return Text + Starts[column - 1];
}

void Make_Stats_Input_Path(char* out, size_t size, const char* name) {
    safe_sprintf(out, static_cast<int32_t>(size), "input/stats/%s.csv", name);
}

void Make_Year_Stats_Input_Path(char* out, size_t size, int32_t year, const char* name) {
    char year_name[64];
    safe_sprintf(year_name, sizeof year_name, "%d_%s", year, name);
    Make_Stats_Input_Path(out, size, year_name);
}

bool Open_Stats_File(STATS_FILE* file, const char* name) {
    *file = STATS_FILE{};
    safe_strncpy(file->Name, name, sizeof file->Name);
    file->File = Open_Resolved_File(name, "rb");
    // A folder opens on this system but holds no lines: it is no file.
    struct stat status {};
    if (file->File != nullptr && (fstat(fileno(file->File), &status) != 0 || S_ISDIR(status.st_mode))) {
        fclose(file->File);
        file->File = nullptr;
    }
    return file->File != nullptr;
}

void Close_Stats_File(STATS_FILE* file) {
    if (file->File != nullptr) fclose(file->File);
    file->File = nullptr;
}

namespace {
// The most characters passed over in the rest of a line longer than the
// limit: a line that runs on past them (a file of one endless line, a device
// that never ends) ends the file there, so no reader is held by it.
constexpr int64_t LONG_LINE_PASS_BOUND = 1LL << 20;

// Reads one physical line; 0 at the end of the file, 1 for a line, -1 for a
// line longer than the limit (the rest of it is passed over).
int32_t Read_Physical_Line(STATS_FILE* stats, char* buffer) {
    FILE* file = stats->File;
    if (stats->Ended || fgets(buffer, STATS_LINE_LIMIT, file) == nullptr) {
        buffer[0] = '\0';
        return 0;
    }
    size_t length = strlen(buffer);
    bool too_long = false;
    if (length > 0 && buffer[length - 1] == '\n') {
        buffer[--length] = '\0';
    } else if (!feof(file)) {
        // A full buffer: the line ends here or goes on, and then the rest is dropped.
        int c = getc_unlocked(file);
        if (c != '\n' && c != EOF) {
            too_long = !(c == '\r' && ((c = getc_unlocked(file)) == '\n' || c == EOF));
            for (int64_t passed = 0; c != '\n' && c != EOF; ++passed) {
                if (passed == LONG_LINE_PASS_BOUND) {
                    stats->Ended = true;
                    break;
                }
                c = getc_unlocked(file);
            }
        }
    }
    if (length > 0 && buffer[length - 1] == '\r') buffer[--length] = '\0';
    return too_long ? -1 : 1;
}
} // namespace

int32_t Count_Stats_Lines(STATS_FILE* file) {
    char text[STATS_LINE_LIMIT];
    int32_t lines = 0;
    while (Read_Physical_Line(file, text) != 0)
        if (lines < INT32_MAX) ++lines;
    rewind(file->File);
    file->Ended = false;
    return lines;
}

bool Read_Stats_Header(STATS_FILE* file) {
    char text[STATS_LINE_LIMIT];
    const int32_t read = Read_Physical_Line(file, text);
    if (read == 0) return false;
    ++file->Line_Number;
    // A header that runs on without end ends the file: said, as a line would be.
    if (file->Ended) Report_Line_Error(file, file->Line_Number, 0, "longer than 2,047 characters");
    STATS_LINE header;
    // A header is taken as it is; its field count bounds the lines.
    const int32_t saved = file->Header_Fields;
    file->Header_Fields = 0;
    if (read > 0 && Split_Stats_Line(file, file->Line_Number, text, &header))
        file->Header_Fields = header.Count;
    else
        file->Header_Fields = saved;
    return true;
}

int32_t Read_Stats_Line(STATS_FILE* file, STATS_LINE* line) {
    char text[STATS_LINE_LIMIT];
    for (;;) {
        const int32_t read = Read_Physical_Line(file, text);
        if (read == 0) return 0;
        ++file->Line_Number;
        if (read < 0) {
            Report_Line_Error(file, file->Line_Number, 0, "longer than 2,047 characters");
            return -1;
        }
        if (Is_Blank(text)) continue;
        return Split_Stats_Line(file, file->Line_Number, text, line) ? 1 : -1;
    }
}

bool Split_Stats_Line(const STATS_FILE* file, int32_t line_number, const char* text, STATS_LINE* line) {
    line->Source = file;
    line->Line_Number = line_number;
    line->Count = 0;
    const size_t length = strlen(text);
    if (length >= static_cast<size_t>(STATS_LINE_LIMIT)) {
        Report_Line_Error(file, line_number, 0, "longer than 2,047 characters");
        return false;
    }
    // Fields are written into Text one after the other, quotes taken out.
    char* out = line->Text;
    const char* in = text;
    for (;;) {
        if (line->Count == STATS_MAX_FIELDS) {
            Report_Line_Error(file, line_number, STATS_MAX_FIELDS + 1, "too many fields");
            return false;
        }
        line->Starts[line->Count++] = static_cast<int16_t>(out - line->Text);
        const char* start = in;
        while (*in == ' ')
            ++in;
        if (*in == '"') {
            ++in;
            for (;;) {
                if (*in == '\0') {
                    Report_Line_Error(file, line_number, line->Count, "a quoted field is not closed");
                    return false;
                }
                if (*in == '"') {
                    if (in[1] == '"') {
                        *out++ = '"';
                        in += 2;
                        continue;
                    }
                    ++in;
                    break;
                }
                *out++ = *in++;
            }
            while (*in == ' ')
                ++in;
            if (*in != ',' && *in != '\0') {
                Report_Line_Error(file, line_number, line->Count, "text follows a quoted field");
                return false;
            }
        } else {
            in = start;
            while (*in != ',' && *in != '\0')
                *out++ = *in++;
        }
        *out++ = '\0';
        if (*in == '\0') break;
        ++in;
    }
    if (file != nullptr && file->Check_Field_Count && file->Header_Fields > 0 &&
        line->Count > file->Header_Fields) {
        char problem[96];
        snprintf(problem, sizeof problem, "%d fields where the header names %d", line->Count,
                 file->Header_Fields);
        Report_Line_Error(file, line_number, file->Header_Fields + 1, problem);
        return false;
    }
    return true;
}

void Report_Field_Error(const STATS_LINE& line, int32_t column, const char* problem) {
    Report_Line_Error(line.Source, line.Line_Number, column, problem);
}

bool Check_Vital_Field(const STATS_LINE& line, int32_t column, int32_t vital, int64_t value,
                       const char* what) {
    FIELD_RANGE range{vital, 0, 0};
    if (!Get_Vital_Stat_Range(vital, &range) || (value >= range.Lowest && value <= range.Highest))
        return true;
    char problem[128];
    snprintf(problem, sizeof problem, "%s outside %d to %d", what, range.Lowest, range.Highest);
    Report_Field_Error(line, column, problem);
    return false;
}

bool Read_Int_Field(const STATS_LINE& line, int32_t column, int32_t* value) {
    char text[STATS_LINE_LIMIT];
    Trim(line.Field(column), text);
    *value = 0;
    if (text[0] == '\0') return true;
    char* end = nullptr;
    errno = 0;
    const long long number = strtoll(text, &end, 10);
    if (end == text || *end != '\0') {
        Report_Not_A_Number(line, column, "a whole number");
        return false;
    }
    if (errno == ERANGE || number > INT32_MAX || number < INT32_MIN) {
        Report_Not_A_Number(line, column, "a number within 32 bits");
        return false;
    }
    *value = static_cast<int32_t>(number);
    return true;
}

bool Read_Decimal_Field(const STATS_LINE& line, int32_t column, double* value) {
    char text[STATS_LINE_LIMIT];
    Trim(line.Field(column), text);
    *value = 0.0;
    if (text[0] == '\0') return true;
    // Only plain decimal notation: digits, one point, a sign in front.
    const char* c = text;
    if (*c == '-' || *c == '+') ++c;
    int32_t digits = 0, points = 0;
    for (; *c != '\0'; ++c) {
        if (*c >= '0' && *c <= '9')
            ++digits;
        else if (*c == '.' && points == 0)
            ++points;
        else
            break;
    }
    if (*c != '\0' || digits == 0) {
        Report_Not_A_Number(line, column, "a decimal number");
        return false;
    }
    const double number = strtod(text, nullptr);
    if (!std::isfinite(number) || std::fabs(number) > 2147483647.0) {
        Report_Not_A_Number(line, column, "a number within 32 bits");
        return false;
    }
    *value = number;
    return true;
}

bool Read_Whole_Part_Field(const STATS_LINE& line, int32_t column, int32_t* value) {
    double number = 0.0;
    *value = 0;
    if (!Read_Decimal_Field(line, column, &number)) return false;
    *value = static_cast<int32_t>(number);
    return true;
}

bool Read_Money_Field(const STATS_LINE& line, int32_t column, int64_t* value) {
    char text[STATS_LINE_LIMIT];
    Trim(line.Field(column), text);
    *value = 0;
    char digits[STATS_LINE_LIMIT];
    int32_t n = 0;
    for (const char* c = text; *c != '\0'; ++c)
        if (*c != '$' && *c != ',') digits[n++] = *c;
    digits[n] = '\0';
    if (digits[0] == '\0') return true;
    char* end = nullptr;
    errno = 0;
    const long long number = strtoll(digits, &end, 10);
    if (end == digits || *end != '\0') {
        Report_Not_A_Number(line, column, "an amount of dollars");
        return false;
    }
    if (errno == ERANGE || number > INT32_MAX || number < INT32_MIN) {
        Report_Not_A_Number(line, column, "an amount within 32 bits");
        return false;
    }
    *value = number;
    return true;
}

void Begin_Stats_Input_Checks() {
    Checks_Running = true;
    Checks_Failed = false;
}

void End_Stats_Input_Checks() {
    Checks_Running = false;
}

bool Are_Stats_Input_Checks_Running() {
    return Checks_Running;
}

bool Have_Stats_Inputs_Failed() {
    return Checks_Failed;
}

void Fail_Stats_Inputs() {
    Note_Failure();
}

bool Should_Stop_Stats_Reading() {
    return Checks_Running && Checks_Failed;
}
