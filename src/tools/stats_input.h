#pragma once
// The statistics input files a season database is built from: comma-separated
// lines of at most 2,047 characters, a field in double quotes read whole (so
// "$1,250,000" is one field), numbers and money read strictly. A line that
// breaks the form (too long, a quote left open, more fields than the file's
// header names, a field that is not the number it must be) is reported once,
// naming the file, the line and the field, and is not used. While a season
// database is being built every such report, and every missing file the
// build cannot do without, fails the build.
#include <cstddef>
#include <cstdint>
#include <cstdio>

constexpr int32_t STATS_LINE_LIMIT = 2048;
constexpr int32_t STATS_MAX_FIELDS = 128;

struct STATS_FILE {
    FILE* File = nullptr;
    char Name[256] = "";
    int32_t Line_Number = 0;
    // Fields of the header line; 0 when the file has none (or it was not read).
    int32_t Header_Fields = 0;
    // Whether a line may hold no more fields than the header names.
    bool Check_Field_Count = true;
    // Set once a line ran on past what a read passes over: the file ends there.
    bool Ended = false;
    // Whether malformed lines go unreported: a look through the file that
    // its read proper reports on.
    bool Quiet = false;
};

struct STATS_LINE {
    const STATS_FILE* Source = nullptr;
    int32_t Line_Number = 0;
    int32_t Count = 0;
    char Text[STATS_LINE_LIMIT] = "";
    // Where each field starts in Text (so a copied line stays whole).
    int16_t Starts[STATS_MAX_FIELDS] = {};
    // The text of column n (1-based); empty beyond the line's last field.
    const char* Field(int32_t column) const;
};

// "input/stats/<name>.csv", cut to `size`.
void Make_Stats_Input_Path(char* out, size_t size, const char* name);
// "input/stats/<year>_<name>.csv", cut to `size`.
void Make_Year_Stats_Input_Path(char* out, size_t size, int32_t year, const char* name);
// Opens the file for reading (through the path resolver); false when it cannot be opened.
bool Open_Stats_File(STATS_FILE* file, const char* name);
void Close_Stats_File(STATS_FILE* file);
// The lines of the file as the reads below take them, the header among
// them, counted from its start; the file is then read again from its start. A
// line that runs on without end ends the count as it ends a read.
int32_t Count_Stats_Lines(STATS_FILE* file);
// Reads the header line and takes its field count as the most a line may hold;
// false at the end of the file.
bool Read_Stats_Header(STATS_FILE* file);
// Reads the next line into `line`. Returns 0 at the end of the file, 1 for a
// line to use, -1 for a malformed line, which has been reported and is to be
// skipped. Blank lines are passed over.
int32_t Read_Stats_Line(STATS_FILE* file, STATS_LINE* line);
// Splits `text` into `line` (the text is copied); false, with the report made,
// when the line is malformed. `file` names it in the report.
bool Split_Stats_Line(const STATS_FILE* file, int32_t line_number, const char* text, STATS_LINE* line);

// Field readers: true with the value, or false after reporting the field. An
// empty field reads 0 (the files leave unknown figures empty).
// A whole number within 32 bits.
bool Read_Int_Field(const STATS_LINE& line, int32_t column, int32_t* value);
// A decimal number (finite).
bool Read_Decimal_Field(const STATS_LINE& line, int32_t column, double* value);
// A number that may carry decimals, taken as its whole part (65.3 gives 65).
bool Read_Whole_Part_Field(const STATS_LINE& line, int32_t column, int32_t* value);
// Dollars, with "$" and "," allowed; beyond 32 bits it is refused.
bool Read_Money_Field(const STATS_LINE& line, int32_t column, int64_t* value);
// Reports a field that breaks the form in some other way (an impossible date
// or height, a place outside the range, ...).
void Report_Field_Error(const STATS_LINE& line, int32_t column, const char* problem);
// A figure to be stored as vital statistic `vital` of a player: true when a
// saved game keeps it as it is; otherwise reported as `what` outside its
// range, and false.
bool Check_Vital_Field(const STATS_LINE& line, int32_t column, int32_t vital, int64_t value,
                       const char* what);

// The build's account of its inputs. Begin clears it; every report above, and
// Report_Missing_Stats_File, count as a failure while it runs.
void Begin_Stats_Input_Checks();
void End_Stats_Input_Checks();
bool Are_Stats_Input_Checks_Running();
bool Have_Stats_Inputs_Failed();
// Marks the running build as failed (the caller has shown its message).
void Fail_Stats_Inputs();
// True when a reader should stop: the build it reads for has already failed.
bool Should_Stop_Stats_Reading();
