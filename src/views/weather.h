#pragma once
// The weather kind of a game from its precipitation and temperature: 0 clouds,
// 1 flurries, 2 drizzle (a mix), 3 rain, 4 sleet, 5 snow, 6 storms, 7 sunny;
// and the words and icon the game-day screen shows for it.
#include <cstdint>

#include "database/game_record_layout.h"

enum WEATHER_CONDITION : int32_t {
    WEATHER_CLOUDS = 0,
    WEATHER_FLURRIES = 1,
    WEATHER_DRIZZLE = 2,
    WEATHER_RAIN = 3,
    WEATHER_SLEET = 4,
    WEATHER_SNOW = 5,
    WEATHER_STORMS = 6,
    WEATHER_SUNNY = 7,
};

int32_t Get_Weather_Condition(const GAME_RECORD* pGame);
// "Cloudy", "Flurries", "Drizzle", "Rain", "Sleet", "Snow", "Storms", "Sunny"
// (a kind above 7 counts as 7). Buffers of at least 16 bytes.
void Get_Weather_Word(char* buffer, const GAME_RECORD* pGame);
// The icon's word: "Clouds", "Flurries", "Mixed", "Rain", "Sleet", "Snow",
// "Storms", "Sunny".
void Get_Weather_Icon_Name(char* buffer, const GAME_RECORD* pGame);
