// The weather kind of a game, read from its temperature and precipitation.
#include "views/weather.h"

#include "engine/pregame_setup.h"

int32_t Get_Weather_Condition(const GAME_RECORD* pGame) {
    if (pGame == nullptr) return WEATHER_CLOUDS;
    // Indoors there is no weather: the roof gives the calm of a cloudy day.
    if (Is_Game_Indoors(pGame)) return WEATHER_CLOUDS;
    const int32_t temperature = pGame->Temperature;
    const int32_t precipitation = pGame->Precipitation;
    if (precipitation >= 120) {
        if (temperature <= 28) return WEATHER_SNOW;
        if (temperature <= 34) return WEATHER_SLEET;
        return WEATHER_STORMS;
    }
    if (precipitation >= 95) {
        if (temperature <= 28) return WEATHER_SNOW;
        if (temperature <= 34) return WEATHER_SLEET;
        return WEATHER_RAIN;
    }
    if (precipitation >= 75) return temperature <= 32 ? WEATHER_FLURRIES : WEATHER_DRIZZLE;
    if (precipitation >= 40) return WEATHER_CLOUDS;
    return WEATHER_SUNNY;
}
