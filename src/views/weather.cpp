// The weather kind of a game, read from its precipitation and temperature.
#include "views/weather.h"

#include "database/safe_strings.h"

namespace {
constexpr int WEATHER_WORD_SIZE = 16;
const char* const DISPLAY_WORDS[8] = {"Cloudy", "Flurries", "Drizzle", "Rain",
                                      "Sleet",  "Snow",     "Storms",  "Sunny"};
const char* const ICON_WORDS[8] = {"Clouds", "Flurries", "Mixed", "Rain", "Sleet", "Snow", "Storms", "Sunny"};

int32_t Word_Index(const GAME_RECORD* pGame) {
    const int32_t kind = Get_Weather_Condition(pGame);
    return kind < 0 || kind > WEATHER_SUNNY ? WEATHER_SUNNY : kind;
}
} // namespace

int32_t Get_Weather_Condition(const GAME_RECORD* pGame) {
    if (pGame == nullptr) return WEATHER_CLOUDS;
    // Precipitation first, then the temperature; the rows are tried in order.
    const int32_t temperature = pGame->Temperature;
    const int32_t precipitation = pGame->Precipitation;
    if (precipitation < 50) return WEATHER_SUNNY;
    if (precipitation < 100) return WEATHER_CLOUDS;
    if (precipitation < 115) return temperature < 35 ? WEATHER_FLURRIES : WEATHER_DRIZZLE;
    if (temperature < 30) return WEATHER_SNOW;
    if (temperature < 35) return WEATHER_SLEET;
    if (precipitation < 135 || temperature < 65) return WEATHER_RAIN;
    return WEATHER_STORMS;
}

void Get_Weather_Word(char* buffer, const GAME_RECORD* pGame) {
    safe_strncpy(buffer, DISPLAY_WORDS[Word_Index(pGame)], WEATHER_WORD_SIZE);
}

void Get_Weather_Icon_Name(char* buffer, const GAME_RECORD* pGame) {
    safe_strncpy(buffer, ICON_WORDS[Word_Index(pGame)], WEATHER_WORD_SIZE);
}
