#include "tools/season_inputs/era_records.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {
constexpr int32_t FIRST_DECADE = 1950;

struct ERA_RECORD {
    int32_t Passer_Attempts;
    int32_t Passing_Yards;
};

// The single-season records of each decade, from the league record books and
// the season leader tables of Pro Football Reference (public record): the
// most pass attempts by a passer (Tobin Rote 1954, George Blanda 1964, Fran
// Tarkenton 1978, Dan Marino 1986, Drew Bledsoe 1994, Rich Gannon 2002) and
// the most passing yards (Johnny Unitas 1959, Joe Namath 1967, Dan Fouts
// 1979, Dan Marino 1984, Warren Moon 1991, Kurt Warner 2001). The 2000s
// are 2000-2004, the years the fictional history makes.
constexpr ERA_RECORD RECORDS[] = {{382, 2899},  // 1950s
                                  {505, 4007},  // 1960s
                                  {572, 4082},  // 1970s
                                  {623, 5084},  // 1980s
                                  {691, 4690},  // 1990s
                                  {618, 4830}}; // 2000s

// Marino's 5,084 yards of 1984 was the only season of 5,000 passing yards
// before 2008: the fictional years leave it his.
constexpr int32_t FIVE_THOUSAND_YARDS = 5000;

// The most pass attempts of a team season against the league's average of
// its year: the 1994 Patriots' 699 (an average of about 540) and the 2012
// Lions' 740 (about 565), the records of their times.
constexpr double TEAM_ATTEMPTS_OVER_AVERAGE = 1.3;

const ERA_RECORD& Era_Record(int32_t year) {
    const int32_t decade =
        std::clamp((year - FIRST_DECADE) / 10, 0, static_cast<int32_t>(std::size(RECORDS)) - 1);
    return RECORDS[decade];
}
} // namespace

int32_t Get_Era_Passer_Attempts_Record(int32_t year) {
    return Era_Record(year).Passer_Attempts;
}

int32_t Get_Era_Passing_Yards_Ceiling(int32_t year) {
    return std::min(Era_Record(year).Passing_Yards, FIVE_THOUSAND_YARDS - 1);
}

int32_t Get_Team_Pass_Attempts_Ceiling(double league_attempts) {
    return static_cast<int32_t>(std::floor(TEAM_ATTEMPTS_OVER_AVERAGE * std::max(0.0, league_attempts)));
}
