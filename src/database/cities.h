#pragma once
// The league's table of up to 100 cities that franchises can call home: names,
// photo names and ten market statistics, kept packed at the top of the table,
// with editing, sorting, the choice of the best free city and the import and
// export of "Cities.txt". A team's home city (team stat 3) is a row index, so
// every reordering goes through Swap_Cities, which keeps those indices in step.
#include <cstdint>
#include <cstdio>

#include "database/city_record_layout.h"

constexpr const char* CITIES_FILE_NAME = "Cities.txt";
// Longest line the import accepts, without its line end.
constexpr int MAX_CITY_LINE_LENGTH = 2047;

// Rows and texts. Buffers take at least 20 bytes (names) or 12 bytes (photos).
int32_t Count_Cities();
int32_t Is_City_Used(int32_t n);
void Get_City_Name(int32_t n, char* buffer);
void Get_City_Photo(int32_t n, char* buffer);
void Set_City_Name(int32_t n, const char* text);
void Set_City_Photo(int32_t n, const char* text);
int32_t Get_City_Stat(int32_t n, int32_t s);
void Set_City_Stat(int32_t n, int32_t s, int32_t value);
void Set_Default_City_Stats(int32_t n);
void Clear_City(int32_t n);

// Table edits.
int32_t Is_City_Home_Of_Any_Team(int32_t n);
void Swap_Cities(int32_t a, int32_t b);
void Compact_Cities();
void Sort_Cities();
int32_t Add_City();
void Delete_Current_City();
int32_t Find_Best_Free_City();

// "Cities.txt": one line per city, the name and then ten statistics. A name
// that holds a comma or begins with a quote is written in quotes (its quotes
// doubled) and read back whole. The export replaces the file only when every
// line was written; the import changes nothing unless its lines were read,
// every one is valid and at least one holds a city.
void Export_Cities();
void Import_Cities();

// Reads and checks the first 100 lines of a cities file into `cities`
// (MAX_CITIES rows, the cities packed from row 0, the rest empty): one line
// a row, a line with an empty name leaving its row empty. Returns the number
// of cities, or -1 with the reason in `error` for a read error or an invalid
// line (one longer than 2,047 characters, holding a zero byte among them, or
// with a statistic beyond 32 bits). A statistic is the decimal number its
// field begins with, truncated; a field of no number is 0.
// An import refuses a file that holds no city.
int32_t Read_Cities_File(FILE* file, CITY_RECORD* cities, char* error, int error_size);
