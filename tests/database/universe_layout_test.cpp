#include <gtest/gtest.h>

#include "database/universe.h"

TEST(UniverseLayout, TeamAndPlayerRecordsLieWhereTheFileFormatPutsThem)
{
    const uint8_t* base = Universe_Bytes();
    EXPECT_EQ(reinterpret_cast<const uint8_t*>(&Universe.Teams[3]) - base, 2480 + 3 * 114968);
    EXPECT_EQ(reinterpret_cast<const uint8_t*>(&Universe.Teams[2].Players[7]) - base,
              2480 + 2 * 114968 + 256 + 7 * 756);
    EXPECT_EQ(reinterpret_cast<const uint8_t*>(&Universe.Games[299]) - base + 48708, 19336560);
    EXPECT_EQ(reinterpret_cast<const uint8_t*>(&Universe.Tail.All_Time_Leaders) - base + 98280,
              static_cast<long>(UNIVERSE_SIZE));
}
