#pragma once
// The real league's marks (public record) that a line of the fictional
// history stays near, read apart from the generator's own tables: a
// passer's yards an attempt within 5 % of the best season of at least his
// attempts (11.17 on 100, 10.55 on 250, 9.26 on 400), his yards a
// completion on 100 or more within 5 % of 19.9; a running back's or
// fullback's receiving yards within 15 % of the position's best, 1,048; a
// defender's interceptions from 1940 within 15 % of the record standing at
// his season's end.
#include <cstdint>
#include <string>

struct HISTORY_LINE_FIGURES {
    int32_t Year = 0;
    int32_t Position = -1;
    int64_t Attempts = 0, Completions = 0, Passing_Yards = 0;
    int64_t Receiving_Yards = 0;
    int64_t Interceptions = 0;
};

// The figures the marks read of a season's 20 statistics `stats` in the
// game's layout (a season line's), of a player of `position`.
HISTORY_LINE_FIGURES Read_Marked_Figures(int32_t year, int32_t position, const int32_t* stats);

// The first mark the line passes, as a text; "" when it passes none.
std::string Find_Mark_Passed(const HISTORY_LINE_FIGURES& line);
