// The real league's single-season records of volume, of yards and of
// interceptions (public record), each as it was set: the season and the
// figure. The league's record books count both leagues of the 1960s.
#include <iterator>

#include "tools/season_inputs/volume_records.h"

namespace {
// Rushing attempts: the record of 1937 stood through the history's first
// seasons; those of 1947 and 1949 beat it, and it rose in 1959, 1961, 1973,
// 1977 and every season from 1979 to 1981, then in 1983, 1984, 1998 and 2006.
constexpr STANDING_RECORD CARRIES[] = {{1937, 216}, {1947, 217}, {1949, 263}, {1959, 290}, {1961, 305},
                                       {1973, 332}, {1977, 339}, {1979, 369}, {1980, 373}, {1981, 378},
                                       {1983, 390}, {1984, 407}, {1998, 410}, {2006, 416}};

// Receptions: set in 1937, 1940, 1942, 1949 and 1950, by the younger league
// in 1960, 1961 and 1964, then in 1984, 1992 to 1995, 2002 and 2019.
constexpr STANDING_RECORD CATCHES[] = {{1937, 41},  {1940, 58},  {1942, 74},  {1949, 77},  {1950, 84},
                                       {1960, 92},  {1961, 100}, {1964, 101}, {1984, 106}, {1992, 108},
                                       {1993, 112}, {1994, 122}, {1995, 123}, {2002, 143}, {2019, 149}};

// Passing yards: the record of 1936 stood through the history's first
// season; it rose every season from 1939 to 1943, in 1947, in 1960 and 1961,
// 1967, every season from 1979 to 1981, in 1984, 2011 and 2013.
constexpr STANDING_RECORD PASSING_YARDS[] = {{1936, 1239}, {1939, 1324}, {1940, 1367}, {1941, 1479},
                                             {1942, 2021}, {1943, 2194}, {1947, 2938}, {1960, 3099},
                                             {1961, 3723}, {1967, 4007}, {1979, 4082}, {1980, 4715},
                                             {1981, 4802}, {1984, 5084}, {2011, 5476}, {2013, 5477}};

// Rushing yards: the record of 1934 stood through the history's first
// seasons; it rose in 1947, 1949, 1958, 1963, 1973 and 1984.
constexpr STANDING_RECORD RUSHING_YARDS[] = {{1934, 1004}, {1947, 1008}, {1949, 1146}, {1958, 1527},
                                             {1963, 1863}, {1973, 2003}, {1984, 2105}};

// Receiving yards: the record of 1937 stood through the history's first
// season; it rose in 1939, 1942, 1951, 1961, 1995 and 2012.
constexpr STANDING_RECORD RECEIVING_YARDS[] = {{1937, 675},  {1939, 846},  {1942, 1211}, {1951, 1495},
                                               {1961, 1746}, {1995, 1848}, {2012, 1964}};

// Interceptions, counted from 1940: the record rose in each of the first
// four seasons counted, then in 1948 and 1952. The seasons before they were
// counted are held to the first record, as every kind's are.
constexpr STANDING_RECORD INTERCEPTIONS[] = {{1940, 6},  {1941, 7},  {1942, 8},
                                             {1943, 11}, {1948, 13}, {1952, 14}};

// The most of each kind any season has held. The passes thrown to a
// receiver were not counted before 1992, and the tables hold no record of
// the first seasons they were: every season is held to the all-time mark,
// the bound that holds for all of them.
constexpr int32_t ALL_TIME_MARKS[NUMBER_OF_VOLUME_KINDS] = {416, 149, 205, 5477, 2105, 1964, 14};
} // namespace

std::span<const STANDING_RECORD> Get_Volume_Record_Progression(VOLUME_KIND kind) {
    switch (kind) {
    case VOLUME_CARRIES:
        return CARRIES;
    case VOLUME_CATCHES:
        return CATCHES;
    case VOLUME_PASSING_YARDS:
        return PASSING_YARDS;
    case VOLUME_RUSHING_YARDS:
        return RUSHING_YARDS;
    case VOLUME_RECEIVING_YARDS:
        return RECEIVING_YARDS;
    case VOLUME_INTERCEPTIONS:
        return INTERCEPTIONS;
    default:
        return {};
    }
}

int32_t Get_All_Time_Volume_Mark(VOLUME_KIND kind) {
    return kind >= 0 && kind < NUMBER_OF_VOLUME_KINDS ? ALL_TIME_MARKS[kind] : 0;
}
