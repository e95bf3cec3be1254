#include "tools/season_inputs/era_records.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "tools/season_inputs/volume_records.h"

namespace {
constexpr int32_t FIRST_DECADE = 1950;

struct ERA_RECORD {
    int32_t Passer_Attempts;
    int32_t Passing_Yards;
};

// The single-season records of each decade (public record): the most pass
// attempts by a passer, set in 1954, 1964, 1978, 1986, 1994 and 2002, and the
// most passing yards, set in 1959, 1967, 1979, 1984, 1991 and 2001, each the
// record of its time. The 2000s are 2000-2004, the years the fictional
// history makes.
constexpr ERA_RECORD RECORDS[] = {{382, 2899},  // 1950s
                                  {505, 4007},  // 1960s
                                  {572, 4082},  // 1970s
                                  {623, 5084},  // 1980s
                                  {691, 4690},  // 1990s
                                  {618, 4830}}; // 2000s

// The 5,084 yards of 1984 were the only season of 5,000 passing yards
// before 2008: the fictional years leave that record alone.
constexpr int32_t FIVE_THOUSAND_YARDS = 5000;

// The most pass attempts of a team season against the league's average of
// its year: 699 in 1994 (an average of about 540) and 740 in 2012 (about
// 565), the records of their times.
constexpr double TEAM_ATTEMPTS_OVER_AVERAGE = 1.3;

// The most carries of a team season against the league's average of its
// year: 653 in the 14 games of 1976, about 1.3 times that season's average
// team.
constexpr double TEAM_RUSHES_OVER_AVERAGE = 1.3;

// The yards a pass and a completion of the real teams that passed best,
// against the league's averages of their season (public record).
constexpr double TEAM_YARDS_AN_ATTEMPT_OVER_AVERAGE = 1.3;
constexpr double TEAM_YARDS_A_COMPLETION_OVER_AVERAGE = 1.25;

// The most a team may reach that the busiest real teams reached `times`
// the league's average of their season.
int32_t Times_League_Average(double times, double league_average) {
    return static_cast<int32_t>(std::floor(times * std::max(0.0, league_average)));
}

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
    int32_t ceiling = std::min(Get_Era_Volume_Ceiling(VOLUME_PASSING_YARDS, year), FIVE_THOUSAND_YARDS - 1);
    // The decades' records hold from the first decade they were kept for.
    if (year >= FIRST_DECADE) ceiling = std::min(ceiling, Era_Record(year).Passing_Yards);
    return ceiling;
}

int32_t Get_Team_Pass_Attempts_Ceiling(double league_attempts) {
    return Times_League_Average(TEAM_ATTEMPTS_OVER_AVERAGE, league_attempts);
}

int32_t Get_Team_Rushes_Ceiling(double league_rushes) {
    return Times_League_Average(TEAM_RUSHES_OVER_AVERAGE, league_rushes);
}

int32_t Get_Team_Passing_Yards_Ceiling(int32_t attempts, int32_t completions, double yards_an_attempt,
                                       double yards_a_completion) {
    return std::min(
        {FIVE_THOUSAND_YARDS - 1,
         Times_League_Average(TEAM_YARDS_AN_ATTEMPT_OVER_AVERAGE, yards_an_attempt * attempts),
         Times_League_Average(TEAM_YARDS_A_COMPLETION_OVER_AVERAGE, yards_a_completion * completions)});
}
