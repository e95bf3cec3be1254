// The weather kind of a game, read from its precipitation and temperature.
#include "views/weather.h"

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
