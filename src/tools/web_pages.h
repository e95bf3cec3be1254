#pragma once
// Reading saved copies of web pages: finding a line by a marker, taking table
// cells and the cells named by their data-stat attribute, stripping tags, and
// the figures of the injury list and the contract and salary-cap pages. Every
// copy out of a page is bounded by its buffer.
#include <cstdint>
#include <cstdio>

#include "tools/html_text.h"

// Lines of a saved page are read up to this many characters.
constexpr int32_t PAGE_LINE_LIMIT = 32000;
constexpr int32_t PAGE_FIELD_SIZE = 100;
constexpr int32_t INJURY_REASON_SIZE = 48;
// A money figure above this is taken for a misreading and counts as 0.
constexpr int64_t LARGEST_PAGE_MONEY = 999000000;

// Reads lines of `file` into `line` (PAGE_LINE_LIMIT bytes; a longer line is
// cut and reported once a run) until one holds `marker` (case matters). 1
// when found, 0 at the end of the file or after 1,000,001 lines.
int32_t Find_Page_Line(char* line, const char* file_name, FILE* file, const char* marker);
// Copies the inside of the first td or th cell of `line` into `out` (`size`
// bytes, cut to fit) and returns the offset just past its closing tag; 0 when
// the line holds no cell. A cell that opens and never closes is reported.
int32_t Get_Table_Cell(char* out, int32_t size, const char* line);
// The text of the cell whose data-stat attribute is `name`, tags stripped
// and blanks trimmed; false (and an empty text) when the line has none.
bool Get_Stat_Cell(const char* line, const char* name, char* out, int32_t size);
// The text between `marker` and the next double quote; false when the line
// does not hold the marker.
bool Get_Text_After(const char* line, const char* marker, char* out, int32_t size);
// A money text with "$", "," and tags removed, as whole dollars; 0 for none
// and for anything above LARGEST_PAGE_MONEY.
int32_t Read_Page_Money(const char* text);
// Commas and line ends would break a comma-separated line: each becomes a
// blank.
void Make_Csv_Safe(char* text);

struct INJURY_STATUS {
    int32_t Weeks;
    char Reason[INJURY_REASON_SIZE];
};
// A line of the injury list: out ("Out" or "I-R") for the weeks its words
// tell (the season: 24; a number of weeks in words: the smallest; "Week N":
// the largest N less one; else 8 on injured reserve and 3 out), or doubtful
// for a week. The reason is the last injury name of the table the line holds.
// False for a line that tells neither.
bool Parse_Injury_Status(const char* line, INJURY_STATUS* status);

// The contract page of a team: the years and the average salary of the
// player named. 1 when found; 0 (figures 0) when not, and a report when the
// page is missing.
int32_t Get_Player_Contract_Data(const char* file_name, int32_t* years, int32_t* average, const char* first,
                                 const char* last);
// The salary-cap page of a team: the player's signing bonus and cap hit.
int32_t Get_Player_Salary_Cap_Data(const char* file_name, int32_t* bonus, int32_t* cap_hit, const char* first,
                                   const char* last);

// Writes a copy of the page in which every blank after "tbody>" or "</tr>"
// becomes a line break, so each table row stands on a line of its own. 1 when
// written.
int32_t Write_Row_Per_Line_Copy(const char* page, const char* copy);
