// The ball handlers of the fictional history (1938-2004, in the installed
// seasons file) fumble and catch as their positions do, measured against the
// real league's record and the seasons the game played itself (2005-2009),
// apart from the generator's own tables. Nobody fumbles more often than the
// most a real player did, 23 times; passers, whose dropbacks, sacks and
// carries put the ball at risk, make at least 35 % of the fumbles of
// 1980-2004; a back (a running back or fullback) of 2000-2004 goes at least
// two thirds as many touches between fumbles as a played one. A back's catch
// goes shorter than a tight end's and a tight end's shorter than a wide
// receiver's in every decade from the 1950s, a back's at most 11 yards, and
// 2000-2004's yards a catch of each stay within a quarter of the played
// seasons'.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>

#include "support/installed_seasons.h"
#include "support/seasons_file_columns.h"
#include "tools/stats_input.h"

namespace {
constexpr int32_t LAST_HISTORY_YEAR = 2004;
constexpr int32_t FIRST_PLAYED_YEAR = 2005;
constexpr int32_t LAST_COMPARED_PLAYED_YEAR = 2009;
// The most fumbles of a real player's season.
constexpr int64_t MOST_REAL_FUMBLES = 23;

enum HANDLER : int32_t { PASSER, BACK, TIGHT_END, RECEIVER, NUMBER_OF_HANDLERS };
const char* const HANDLER_NAMES[NUMBER_OF_HANDLERS] = {"passers", "backs", "tight ends", "wide receivers"};

struct HANDLING {
    int64_t Fumbles = 0, Touches = 0, Catches = 0, Receiving_Yards = 0;
};

struct BALL_HANDLING {
    std::map<int32_t, std::array<HANDLING, NUMBER_OF_HANDLERS>> Years;
    // The history's lines of more fumbles than the real record.
    std::string Past_The_Record;
};

int32_t Handler_Of(const std::string& position) {
    if (position == "QB") return PASSER;
    if (position == "RB" || position == "FB") return BACK;
    if (position == "TE") return TIGHT_END;
    if (position == "WR") return RECEIVER;
    return NUMBER_OF_HANDLERS;
}

const BALL_HANDLING& Read_Ball_Handling() {
    static BALL_HANDLING handling;
    static bool read = false;
    if (read) return handling;
    read = true;
    STATS_FILE file;
    for (const SEASONS_FILE_LINE& season : Read_Installed_Seasons_Lines()) {
        STATS_LINE line;
        if (!season.Flag.empty() || !Split_Stats_Line(&file, 0, season.Text.c_str(), &line)) continue;
        const int32_t handler = Handler_Of(line.Field(POSITION_COLUMN));
        if (handler == NUMBER_OF_HANDLERS) continue;
        auto figure = [&line](int32_t column) {
            return static_cast<int64_t>(std::atoll(line.Field(column)));
        };
        HANDLING& year = handling.Years[season.Year][handler];
        year.Fumbles += figure(FUMBLES);
        year.Touches += figure(RUSHES) + figure(RECEPTIONS);
        year.Catches += figure(RECEPTIONS);
        year.Receiving_Yards += figure(RECEIVING_YARDS);
        if (season.Year <= LAST_HISTORY_YEAR && figure(FUMBLES) > MOST_REAL_FUMBLES)
            handling.Past_The_Record += std::to_string(season.Year) + " " + line.Field(POSITION_COLUMN) +
                                        ": " + std::to_string(figure(FUMBLES)) + " fumbles\n";
    }
    return handling;
}

HANDLING Sum_Years(int32_t first, int32_t last, int32_t handler) {
    HANDLING sum;
    for (const auto& [year, handlers] : Read_Ball_Handling().Years) {
        if (year < first || year > last) continue;
        sum.Fumbles += handlers[handler].Fumbles;
        sum.Touches += handlers[handler].Touches;
        sum.Catches += handlers[handler].Catches;
        sum.Receiving_Yards += handlers[handler].Receiving_Yards;
    }
    return sum;
}

double Ratio(int64_t numerator, int64_t denominator) {
    return denominator > 0 ? static_cast<double>(numerator) / static_cast<double>(denominator) : 0.0;
}

double Yards_A_Catch(int32_t first, int32_t last, int32_t handler) {
    const HANDLING sum = Sum_Years(first, last, handler);
    return Ratio(sum.Receiving_Yards, sum.Catches);
}
} // namespace

TEST(SeasonInputs, BallHandlersFumbleAsTheirExposureHasThem) {
    ASSERT_GT(Sum_Years(1980, LAST_HISTORY_YEAR, BACK).Touches, 0) << "the history's lines are read";
    ASSERT_GT(Sum_Years(FIRST_PLAYED_YEAR, LAST_COMPARED_PLAYED_YEAR, BACK).Fumbles, 0)
        << "the played seasons' lines are read";
    EXPECT_EQ(Read_Ball_Handling().Past_The_Record, "");

    int64_t fumbles = 0;
    for (int32_t handler = 0; handler < NUMBER_OF_HANDLERS; ++handler)
        fumbles += Sum_Years(1980, LAST_HISTORY_YEAR, handler).Fumbles;
    EXPECT_GE(Ratio(Sum_Years(1980, LAST_HISTORY_YEAR, PASSER).Fumbles, fumbles), 0.35)
        << "passers' share of the fumbles of 1980-2004";

    const HANDLING history = Sum_Years(2000, LAST_HISTORY_YEAR, BACK);
    const HANDLING played = Sum_Years(FIRST_PLAYED_YEAR, LAST_COMPARED_PLAYED_YEAR, BACK);
    EXPECT_GE(Ratio(history.Touches, history.Fumbles), Ratio(played.Touches, played.Fumbles) / 1.5)
        << "backs' touches a fumble in 2000-2004 against the played 2005-2009";
}

TEST(SeasonInputs, CatchesGoAsFarAsTheirPositionsTakeThem) {
    ASSERT_GT(Sum_Years(FIRST_PLAYED_YEAR, LAST_COMPARED_PLAYED_YEAR, RECEIVER).Catches, 0);
    for (int32_t first = 1950; first <= LAST_HISTORY_YEAR; first += 10) {
        const int32_t last = std::min(first + 9, LAST_HISTORY_YEAR);
        SCOPED_TRACE("the seasons " + std::to_string(first) + "-" + std::to_string(last));
        const double back = Yards_A_Catch(first, last, BACK);
        const double tight_end = Yards_A_Catch(first, last, TIGHT_END);
        const double receiver = Yards_A_Catch(first, last, RECEIVER);
        EXPECT_GT(back, 0.0);
        EXPECT_LE(back, 11.0) << "a back's yards a catch";
        EXPECT_LT(back, tight_end) << "a back's catch goes shorter than a tight end's";
        EXPECT_LT(tight_end, receiver) << "a tight end's catch goes shorter than a wide receiver's";
    }
    for (int32_t handler = BACK; handler < NUMBER_OF_HANDLERS; ++handler) {
        const double history = Yards_A_Catch(2000, LAST_HISTORY_YEAR, handler);
        const double played = Yards_A_Catch(FIRST_PLAYED_YEAR, LAST_COMPARED_PLAYED_YEAR, handler);
        EXPECT_NEAR(history, played, 0.25 * played)
            << HANDLER_NAMES[handler] << "' yards a catch in 2000-2004 against the played 2005-2009";
    }
}
