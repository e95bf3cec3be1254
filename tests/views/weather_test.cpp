#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "database/game_record_layout.h"
#include "engine/pregame_setup.h"
#include "views/weather.h"

namespace {
int32_t Condition(int32_t precipitation, int32_t temperature, int32_t wind = 5) {
    GAME_RECORD game;
    std::memset(&game, 0, sizeof game);
    game.Precipitation = static_cast<uint16_t>(precipitation);
    game.Temperature = static_cast<int16_t>(temperature);
    game.Wind_Speed = static_cast<uint16_t>(wind);
    return Get_Weather_Condition(&game);
}

std::string Weather_Word(int32_t precipitation, int32_t temperature, bool icon) {
    GAME_RECORD game;
    std::memset(&game, 0, sizeof game);
    game.Precipitation = static_cast<uint16_t>(precipitation);
    game.Temperature = static_cast<int16_t>(temperature);
    char word[16];
    if (icon)
        Get_Weather_Icon_Name(word, &game);
    else
        Get_Weather_Word(word, &game);
    return word;
}
} // namespace

// The weather kind follows the precipitation first and the temperature
// second, row by row of its table.
TEST(Weather, ConditionByPrecipitationThenTemperature) {
    EXPECT_EQ(Condition(0, 10), WEATHER_SUNNY);
    EXPECT_EQ(Condition(49, 10), WEATHER_SUNNY);
    EXPECT_EQ(Condition(50, 10), WEATHER_CLOUDS);
    EXPECT_EQ(Condition(99, 90), WEATHER_CLOUDS);
    EXPECT_EQ(Condition(100, 34), WEATHER_FLURRIES);
    EXPECT_EQ(Condition(110, 34), WEATHER_FLURRIES);
    EXPECT_EQ(Condition(110, 35), WEATHER_DRIZZLE) << "mixed";
    EXPECT_EQ(Condition(114, 80), WEATHER_DRIZZLE);
    EXPECT_EQ(Condition(115, 29), WEATHER_SNOW);
    EXPECT_EQ(Condition(144, 29), WEATHER_SNOW);
    EXPECT_EQ(Condition(115, 30), WEATHER_SLEET);
    EXPECT_EQ(Condition(144, 34), WEATHER_SLEET);
    EXPECT_EQ(Condition(115, 35), WEATHER_RAIN);
    EXPECT_EQ(Condition(134, 90), WEATHER_RAIN);
    EXPECT_EQ(Condition(120, 64), WEATHER_RAIN);
    EXPECT_EQ(Condition(135, 64), WEATHER_RAIN);
    EXPECT_EQ(Condition(135, 65), WEATHER_STORMS);
    EXPECT_EQ(Condition(120, 66), WEATHER_RAIN) << "below 135 a warm downpour is still rain";
    EXPECT_EQ(Condition(144, 66), WEATHER_STORMS);
}

// The kind reads only the weather the game drew: a dome game's precipitation
// names its kind too; the weather factors leave a dome game alone.
TEST(Weather, DomeGamesKeepTheirDrawnKindButPlayInTheCalm) {
    EXPECT_EQ(Condition(10, 70, INDOOR_WIND), WEATHER_SUNNY);
    EXPECT_EQ(Condition(140, 72, INDOOR_WIND), WEATHER_STORMS);
    GAME_RECORD game;
    std::memset(&game, 0, sizeof game);
    game.Precipitation = 140;
    game.Temperature = 72;
    game.Wind_Speed = INDOOR_WIND;
    EXPECT_FLOAT_EQ(Get_Weather_Condition_Factor(&game), 1.025f);
    EXPECT_FLOAT_EQ(Get_Kick_Factor(&game), 1.05f);
}

// The game-day screen's word and icon for each kind.
TEST(Weather, WordsAndIconsFollowTheKind) {
    EXPECT_EQ(Weather_Word(120, 64, false), "Rain");
    EXPECT_EQ(Weather_Word(110, 34, false), "Flurries");
    EXPECT_EQ(Weather_Word(110, 35, false), "Drizzle");
    EXPECT_EQ(Weather_Word(110, 35, true), "Mixed") << "the icon of a mix";
    EXPECT_EQ(Weather_Word(75, 80, false), "Cloudy");
    EXPECT_EQ(Weather_Word(75, 80, true), "Clouds");
    EXPECT_EQ(Weather_Word(10, 80, true), "Sunny");
    EXPECT_EQ(Weather_Word(140, 70, false), "Storms");
    EXPECT_EQ(Weather_Word(140, 20, false), "Snow");
    EXPECT_EQ(Weather_Word(140, 32, false), "Sleet");
}
