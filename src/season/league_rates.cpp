#include "season/league_rates.h"

#include "database/random_numbers.h"
#include "database/team_record.h"
#include "database/team_results.h"
#include "database/universe.h"

namespace {
constexpr int32_t DEFAULT_RATES[NUMBER_OF_LEAGUE_RATES] = {420, 625, 1120, 2350};
constexpr int32_t THIS_SEASON = 0;

int32_t Total(int32_t category, int32_t stat) {
    return Get_League_Totals_Stat(category, THIS_SEASON, stat);
}

int16_t Stored(int32_t value) {
    return static_cast<int16_t>(value);
}
} // namespace

int32_t Get_Default_League_Rate(int32_t n) {
    return n >= 0 && n < NUMBER_OF_LEAGUE_RATES ? DEFAULT_RATES[n] : 0;
}

int32_t Get_League_Rate(int32_t n) {
    if (n < 0 || n >= NUMBER_OF_LEAGUE_RATES) return 0;
    const int32_t value = Universe.Header.League_Rates[n];
    return value > 0 ? value : DEFAULT_RATES[n];
}

void Update_League_Average_Rates() {
    int16_t* rates = Universe.Header.League_Rates;
    for (int32_t n = 0; n < NUMBER_OF_LEAGUE_RATES; ++n)
        rates[n] = Stored(DEFAULT_RATES[n]);
    if (Count_League_Games_Played() == 0) return;
    rates[LEAGUE_RATE_YARDS_PER_RUSH] = Stored(Mul_Div_Round(100, Total(0, 8), Total(0, 7)));
    rates[LEAGUE_RATE_COMPLETION] = Stored(Total(3, 101));
    rates[LEAGUE_RATE_YARDS_PER_COMPLETION] = Stored(Mul_Div_Round(100, Total(3, 5), Total(3, 3)));
    rates[LEAGUE_RATE_PLAY_RATIO] = Stored(Mul_Div_Round(1000, Total(3, 5), Total(0, 8) + Total(3, 8)));
}
