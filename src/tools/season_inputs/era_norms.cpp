#include "tools/season_inputs/era_norms.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

#include "database/historical_norms.h"

namespace {
struct ANCHOR {
    int32_t Year;
    double Value;
};

// Linear between the anchors, flat beyond the first and last.
template <size_t N> double Interpolate(const ANCHOR (&anchors)[N], int32_t year) {
    if (year <= anchors[0].Year) return anchors[0].Value;
    for (size_t n = 1; n < N; ++n)
        if (year <= anchors[n].Year) {
            const double share =
                static_cast<double>(year - anchors[n - 1].Year) / (anchors[n].Year - anchors[n - 1].Year);
            return anchors[n - 1].Value + share * (anchors[n].Value - anchors[n - 1].Value);
        }
    return anchors[N - 1].Value;
}

// The league's public record of a team's average game, by era.
constexpr ANCHOR PASS_ATTEMPTS[] = {{1951, 25.5}, {1960, 28.0}, {1967, 29.0}, {1972, 25.5},
                                    {1977, 24.0}, {1978, 27.0}, {1985, 32.5}, {1995, 34.0},
                                    {2005, 32.5}, {2015, 36.5}, {2022, 35.0}};
constexpr ANCHOR RUSHES[] = {{1951, 38.0}, {1960, 33.0}, {1970, 32.5}, {1977, 36.0}, {1982, 31.5},
                             {1990, 29.5}, {2000, 28.0}, {2010, 27.5}, {2022, 27.0}};
constexpr ANCHOR RUSHING_TOUCHDOWNS[] = {{1951, 1.25}, {1970, 0.95}, {1990, 0.85}, {2022, 0.85}};
constexpr ANCHOR SACKS[] = {{1951, 2.6}, {1965, 3.0}, {1984, 3.0}, {2000, 2.6}, {2022, 2.5}};
constexpr ANCHOR FIELD_GOAL_ATTEMPTS[] = {{1951, 1.1}, {1960, 2.0}, {1966, 2.6},
                                          {1972, 2.4}, {1985, 1.9}, {2022, 1.9}};
constexpr ANCHOR PUNTS[] = {{1951, 5.8}, {1975, 5.8}, {1990, 5.0}, {2010, 4.8}, {2022, 4.2}};
constexpr ANCHOR KICKOFF_RETURNS[] = {{1951, 4.0}, {2010, 4.0}, {2011, 3.0}, {2022, 2.3}};
constexpr ANCHOR PUNT_RETURNS[] = {{1951, 2.8}, {1990, 2.5}, {2022, 2.1}};
constexpr ANCHOR KICK_RETURN_AVERAGE[] = {{1951, 21.0}, {1990, 19.5}, {2022, 22.5}};
constexpr ANCHOR PUNT_RETURN_AVERAGE[] = {{1951, 7.5}, {1990, 8.5}, {2022, 9.0}};
constexpr ANCHOR FUMBLES[] = {{1951, 2.6}, {1970, 2.2}, {1990, 1.6}, {2022, 1.1}};
constexpr ANCHOR TACKLES[] = {{1951, 44.0}, {2022, 42.0}};
constexpr ANCHOR ASSISTS[] = {{1951, 18.0}, {2022, 21.0}};
constexpr ANCHOR PASSES_DEFENDED[] = {{1951, 6.5}, {2022, 5.5}};
constexpr ANCHOR FULLBACK_CARRIES[] = {{1951, 1.6}, {1970, 1.0}, {1985, 0.6}, {2000, 0.35}, {2022, 0.25}};
constexpr ANCHOR CARRIER_FUMBLING[] = {{1951, 2.8}, {1975, 2.3}, {1985, 1.8}, {1995, 1.35}, {2002, 1.1}};
constexpr int32_t FIRST_SCORING_SEASON = 1951;
constexpr int32_t LAST_SCORING_SEASON = 2020;
constexpr double SEASON_SCORING[] = {22.9, 21.9, 22.3, 21.5, 21.9, 20.8, 20.4, 19.8, 22.6, 21.3, 21.6, 21.5,
                                     22.3, 22.0, 22.0, 23.1, 21.7, 21.8, 20.5, 20.9, 19.3, 19.4, 20.3, 19.5,
                                     18.2, 20.6, 19.2, 17.2, 18.3, 20.1, 20.5, 20.7, 20.2, 21.8, 21.2, 21.5,
                                     20.5, 21.6, 20.3, 20.6, 20.1, 19.0, 18.7, 18.7, 20.3, 21.5, 20.4, 20.7,
                                     21.3, 20.8, 20.7, 20.2, 21.7, 20.8, 21.5, 20.6, 20.7, 21.7, 22.0, 21.5,
                                     22.0, 22.2, 22.8, 23.4, 22.6, 22.8, 22.7, 22.3, 22.8, 22.8};
static_assert(std::size(SEASON_SCORING) == LAST_SCORING_SEASON - FIRST_SCORING_SEASON + 1);
constexpr double LATER_SCORING = 22.0;

struct ROSTER_LIMIT {
    int32_t First_Year;
    int32_t Players;
};
// The league's roster limits from the year each took effect (league record
// books, public record): 33 players in 1951, 53 from 1994.
constexpr ROSTER_LIMIT ROSTER_LIMITS[] = {{1951, 33}, {1957, 35}, {1959, 36}, {1963, 37},
                                          {1964, 40}, {1974, 47}, {1975, 43}, {1978, 45},
                                          {1982, 49}, {1985, 45}, {1990, 47}, {1994, 53}};
} // namespace

int32_t Get_Season_Roster_Limit(int32_t year) {
    int32_t players = ROSTER_LIMITS[0].Players;
    for (const ROSTER_LIMIT& limit : ROSTER_LIMITS)
        if (year >= limit.First_Year) players = limit.Players;
    return players;
}

ERA_NORMS Get_Era_Norms(int32_t year) {
    ERA_NORMS norms{};
    norms.Pass_Attempts = Interpolate(PASS_ATTEMPTS, year);
    norms.Rushes = Interpolate(RUSHES, year);
    // The published rates of the year.
    norms.Completion_Rate = Get_Historical_Average_Stat(101, year) / 1000.0;
    norms.Yards_Per_Completion = Get_Historical_Average_Stat(109, year) / 100.0;
    norms.Yards_Per_Rush = Get_Historical_Average_Stat(112, year) / 100.0;
    norms.Touchdown_Rate = Get_Historical_Average_Stat(105, year) / 1000.0;
    norms.Interception_Rate = Get_Historical_Average_Stat(107, year) / 1000.0;
    norms.Punt_Average = Get_Historical_Average_Stat(115, year) / 10.0;
    norms.Field_Goal_Rate = Get_Historical_Average_Stat(123, year) / 1000.0;
    norms.Rushing_Touchdowns = Interpolate(RUSHING_TOUCHDOWNS, year);
    norms.Sacks = Interpolate(SACKS, year);
    const int32_t scoring = std::clamp(year, FIRST_SCORING_SEASON, LAST_SCORING_SEASON + 1);
    norms.Points =
        scoring > LAST_SCORING_SEASON ? LATER_SCORING : SEASON_SCORING[scoring - FIRST_SCORING_SEASON];
    norms.Field_Goal_Attempts = Interpolate(FIELD_GOAL_ATTEMPTS, year);
    norms.Punts = Interpolate(PUNTS, year);
    norms.Kickoff_Returns = Interpolate(KICKOFF_RETURNS, year);
    norms.Punt_Returns = Interpolate(PUNT_RETURNS, year);
    norms.Kick_Return_Average = Interpolate(KICK_RETURN_AVERAGE, year);
    norms.Punt_Return_Average = Interpolate(PUNT_RETURN_AVERAGE, year);
    norms.Fumbles = Interpolate(FUMBLES, year);
    norms.Tackles = Interpolate(TACKLES, year);
    norms.Assists = Interpolate(ASSISTS, year);
    norms.Passes_Defended = Interpolate(PASSES_DEFENDED, year);
    norms.Fullback_Carries = Interpolate(FULLBACK_CARRIES, year);
    norms.Carrier_Fumbling = Interpolate(CARRIER_FUMBLING, year);
    return norms;
}
