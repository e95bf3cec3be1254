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

TEST(UniverseHeader, TextSettersStayInsideTheirFields) {
    std::vector<uint8_t> before(Universe_Bytes(), Universe_Bytes() + 2480);
    const std::string long_text(3000, 'x');
    Set_Skin_Name(long_text.c_str());
    Set_Database_Notes(long_text.c_str());
    EXPECT_EQ(memcmp(before.data() + 864, Universe_Bytes() + 864, 2480 - 864), 0)
        << "nothing after the skin name";
    EXPECT_EQ(memcmp(before.data(), Universe_Bytes(), 320), 0) << "nothing before the notes";

    char skin[64];
    Get_Skin_Name(skin, sizeof skin);
    EXPECT_EQ(strlen(skin), 31u);
    char small[8];
    Get_Database_Notes(small, sizeof small);
    EXPECT_STREQ(small, "xxxxxxx") << "the getter cuts to the caller's buffer";
    Set_Skin_Name("earth");
    Get_Skin_Name(skin, sizeof skin);
    EXPECT_STREQ(skin, "earth");
}

TEST(UniverseHeader, FlagTableMapsNamedFieldsAndChecksIndex) {
    Set_Universe_Flag(SEASON_LINE_RECORDING_FLAG, 1);
    Set_Universe_Flag(ADVANCE_IN_PROGRESS_FLAG, 2);
    Set_Universe_Flag(TARGET_WEEK_FLAG, 17);
    Set_Universe_Flag(CHAMPIONSHIP_ROUND_FLAG, 3);
    EXPECT_EQ(Universe.Header.Season_Line_Recording, 1);
    EXPECT_EQ(Universe.Header.Advance_In_Progress, 2);
    EXPECT_EQ(Universe.Header.Target_Week, 17);
    EXPECT_EQ(Universe.Header.Championship_Round_Flag, 3);
    EXPECT_EQ(Get_Universe_Flag(TARGET_WEEK_FLAG), 17);

    const int16_t talent = Universe.Header.Draft_Talent[0][0];
    const size_t start = Debug_Log().size();
    Set_Universe_Flag(NUMBER_OF_UNIVERSE_FLAGS, 5);
    EXPECT_EQ(Get_Universe_Flag(-1), 0);
    EXPECT_EQ(Universe.Header.Draft_Talent[0][0], talent) << "an index past the table writes nothing";
    const std::string log = Debug_Log().substr(start);
    EXPECT_NE(log.find("Invalid Set_Universe_Flag(20,5) call."), std::string::npos);
    EXPECT_NE(log.find("Invalid Get_Universe_Flag(-1) call."), std::string::npos);
}

TEST(UniverseHeader, ClearAllTimeLeadersZeroesOnlyTheLeaders) {
    memset(Universe.Tail.Reserved_Middle, 7, sizeof Universe.Tail.Reserved_Middle);
    memset(Universe.Tail.All_Time_Leaders, 9, sizeof Universe.Tail.All_Time_Leaders);
    Clear_All_Time_Leaders();
    EXPECT_EQ(Universe.Tail.All_Time_Leaders[0], 0);
    EXPECT_EQ(Universe.Tail.All_Time_Leaders[98279], 0);
    EXPECT_EQ(Universe.Tail.Reserved_Middle[sizeof Universe.Tail.Reserved_Middle - 1], 7);
}
