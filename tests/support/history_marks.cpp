#include "support/history_marks.h"

#include "database/player_record.h"

namespace {
// The best yards an attempt, in hundredths, of seasons of at least so many attempts.
struct ATTEMPTS_MARK {
    int64_t Attempts;
    int64_t Hundredths;
};
constexpr ATTEMPTS_MARK ATTEMPTS_MARKS[] = {{400, 926}, {250, 1055}, {100, 1117}};
constexpr int64_t BEST_YARDS_A_COMPLETION = 1990;
constexpr int64_t LEAST_COMPLETIONS = 100;
constexpr int64_t BEST_BACK_RECEIVING_YARDS = 1048;
// The interceptions record as it stood from the season it was set.
struct STANDING {
    int32_t Year;
    int64_t Record;
};
constexpr STANDING INTERCEPTION_RECORDS[] = {{1940, 6},  {1941, 7},  {1942, 8},
                                             {1943, 11}, {1948, 13}, {1952, 14}};
constexpr int32_t FIRST_COUNTED_INTERCEPTIONS = 1940;

std::string Rate(int64_t yards, int64_t chances, const char* kind) {
    return std::to_string(yards) + " yards on " + std::to_string(chances) + " " + kind;
}
} // namespace

HISTORY_LINE_FIGURES Read_Marked_Figures(int32_t year, int32_t position, const int32_t* stats) {
    HISTORY_LINE_FIGURES line;
    line.Year = year;
    line.Position = position;
    if (position < 0 || position >= NUMBER_OF_POSITIONS) return line;
    if (position == POSITION_QB) {
        line.Attempts = stats[2];
        line.Completions = stats[3];
        line.Passing_Yards = stats[5];
    } else if (Get_Position_Group(position) == 0) {
        line.Receiving_Yards = stats[11];
    } else if (Get_Position_Group(position) == 2) {
        line.Interceptions = stats[7];
    }
    return line;
}

std::string Find_Mark_Passed(const HISTORY_LINE_FIGURES& line) {
    if (line.Position == POSITION_QB) {
        for (const ATTEMPTS_MARK& mark : ATTEMPTS_MARKS)
            if (line.Attempts >= mark.Attempts) {
                if (line.Passing_Yards * 10000 > mark.Hundredths * 105 * line.Attempts)
                    return Rate(line.Passing_Yards, line.Attempts, "attempts") + ", past 1.05 times " +
                           std::to_string(mark.Hundredths) + " hundredths a pass";
                break;
            }
        if (line.Completions >= LEAST_COMPLETIONS &&
            line.Passing_Yards * 10000 > BEST_YARDS_A_COMPLETION * 105 * line.Completions)
            return Rate(line.Passing_Yards, line.Completions, "completions") +
                   ", past 1.05 times 19.9 a catch";
    }
    if ((line.Position == POSITION_RB || line.Position == POSITION_FB) &&
        line.Receiving_Yards * 100 > BEST_BACK_RECEIVING_YARDS * 115)
        return std::to_string(line.Receiving_Yards) + " receiving yards of a back, past 1.15 times 1,048";
    if (line.Year >= FIRST_COUNTED_INTERCEPTIONS) {
        int64_t record = 0;
        for (const STANDING& standing : INTERCEPTION_RECORDS)
            if (standing.Year <= line.Year) record = standing.Record;
        if (line.Interceptions * 100 > record * 115)
            return std::to_string(line.Interceptions) + " interceptions, past 1.15 times the record " +
                   std::to_string(record);
    }
    return "";
}
