#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "database/settings.h"
#include "database/universe.h"

namespace {
std::string Debug_Log() {
    std::ifstream in("debug.txt");
    return std::string(std::istreambuf_iterator<char>(in), {});
}
} // namespace

TEST(Settings, OutOfRangeReadsReportAndGiveZero) {
    const size_t start = Debug_Log().size();
    EXPECT_EQ(Get_User_Preference(360), 0);
    EXPECT_EQ(Get_User_Preference(-1), 0);
    const std::string log = Debug_Log().substr(start);
    EXPECT_NE(log.find("ERROR: nPreference out of bounds in Get_User_Preference([360])"), std::string::npos);
    EXPECT_NE(log.find("ERROR: nPreference out of bounds in Get_User_Preference([-1])"), std::string::npos);
}

TEST(Settings, ShortEntriesTruncateAndSignExtend) {
    Set_User_Preference(250, 70000);
    EXPECT_EQ(Get_User_Preference(250), 4464);
    Set_User_Preference(250, -1);
    EXPECT_EQ(Get_User_Preference(250), -1);
    Set_User_Preference(240, 7);
    Set_User_Preference(239, -5);
    EXPECT_EQ(Get_User_Preference(240), 7) << "entry 240 directly follows entry 239";
    EXPECT_EQ(Get_User_Preference(239), -5);
    EXPECT_EQ(reinterpret_cast<uint8_t*>(&Universe.User_Preferences.Shorts[0]) - Universe_Bytes(),
              19336560 + 480 + 2 * 240);
}

TEST(Settings, OutOfRangeWritesChangeNothingSilently) {
    std::vector<uint8_t> before(Universe_Bytes(), Universe_Bytes() + UNIVERSE_SIZE);
    const size_t log_size = Debug_Log().size();
    Set_User_Preference(400, 123);
    Set_User_Preference(360, 123);
    Set_User_Preference(-1, 123);
    EXPECT_EQ(memcmp(before.data(), Universe_Bytes(), UNIVERSE_SIZE), 0);
    EXPECT_EQ(Debug_Log().size(), log_size);
}
