// Team logos and player photos copied into the download folders: which logo
// a nickname gets in which season, and copies that never replace a file and
// never leave their folders.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/progress_window.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "support/frame_fixture.h"
#include "support/test_league.h"
#include "tools/image_downloads.h"

namespace {
class ImageDownloads : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        Build_Test_League();
        Clean();
    }
    void TearDown() override {
        Clean();
        FrameTest::TearDown();
    }
    static void Clean() {
        for (const char* folder : {"Logos", "Photos", "Input/Stats/Players", "Input/Stats/Historical"})
            std::filesystem::remove_all(folder);
    }
};

void Write_Text(const std::string& name, const std::string& text) {
    std::filesystem::create_directories(std::filesystem::path(name).parent_path());
    std::ofstream(name, std::ios::binary) << text;
}

std::string Read_Text(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Set_Season(int32_t year) {
    Universe.Header.Universe_Stats[BASE_YEAR] = year;
    Set_User_Preference(CURRENT_SEASON_INDEX, 0);
}

int32_t Index_Of(const char* nickname, int32_t year) {
    Set_Season(year);
    Set_Team_Nickname(nickname, 0);
    return year >= FIRST_MODERN_LOGO_YEAR ? Find_Team_Logo_Index(0)
                                          : Find_Historical_Team_Logo_Index(0, year);
}
} // namespace

TEST_F(ImageDownloads, NicknamesFindTheirLogoIndexByTheSeasonsList) {
    EXPECT_EQ(Index_Of("Oilers", 1962), 23) << "Oilers -> Titans -> Jets before 1963";
    EXPECT_EQ(Index_Of("Oilers", 1963), 30);
    EXPECT_EQ(Index_Of("Titans", 1961), 23);
    EXPECT_EQ(Index_Of("Texans", 1962), 15) << "the Texans counted as the Chiefs";
    EXPECT_EQ(Index_Of("Texans", 2005), 12);
    EXPECT_EQ(Index_Of("Redskins", 1980), 31);
    EXPECT_EQ(Index_Of("raiders", 2020), 24) << "case is ignored; Raiders at 24 in the historical list";
    EXPECT_EQ(Index_Of("Raiders", 2021), 16) << "and at 16 in the modern one";
    EXPECT_EQ(Index_Of("Commanders", 2022), 31);
    EXPECT_EQ(Index_Of("Commanders", 2020), -1) << "no place in the historical list";
    EXPECT_EQ(Index_Of("Yanks", 1951), -1);

    Set_Season(2025);
    EXPECT_EQ(Get_Logo_Year(), 2022) << "2022 at the latest";
    Set_Team_Nickname("Bills", 0);
    char path[IMAGE_DOWNLOAD_PATH_SIZE];
    ASSERT_EQ(Get_Team_Logo_Source_Path(0, path), 1);
    EXPECT_STREQ(path, "Input/Stats/Historical/32022.gz");
    Set_Season(2021);
    Set_Team_Nickname("Football Team", 0);
    ASSERT_EQ(Get_Team_Logo_Source_Path(0, path), 1);
    EXPECT_STREQ(path, "Input/Stats/Historical/312021.gz");
    Set_Team_Nickname("Comets", 0);
    EXPECT_EQ(Get_Team_Logo_Source_Path(0, path), 0);
    EXPECT_STREQ(path, "");
    EXPECT_EQ(Find_Team_Logo_Index(FIRST_COLLEGE_POOL_TEAM), -1) << "the college pool has no logo";
}

TEST_F(ImageDownloads, EachActiveTeamsLogoIsCopiedOnceAndKeptAfterwards) {
    Set_Season(1962);
    Set_Team_Nickname("Oilers", 0);
    Set_Team_Nickname("Bears", 1);
    Set_Team_Abbreviation("../T01", 2);
    Set_Team_Nickname("Lions", 2);
    Write_Text("Input/Stats/Historical/231962.gz", "jets");
    Write_Text("Input/Stats/Historical/51962.gz", "bears");
    Write_Text("Input/Stats/Historical/101962.gz", "lions");
    Write_Text("Logos/Downloads/T01-1962.png", "the user's own");

    ASSERT_EQ(Open_Progress_Window("Copying", 100), 1);
    Copy_All_Team_Logos();
    EXPECT_EQ(Get_Progress_Position(), 5) << "one step every fifth team of 32";
    Close_Progress_Window();

    EXPECT_EQ(Read_Text("Logos/Downloads/T00-1962.png"), "jets");
    EXPECT_EQ(Read_Text("Logos/Downloads/T01-1962.png"), "the user's own") << "never replaced";
    EXPECT_FALSE(std::filesystem::exists("Logos/T01-1962.png")) << "a name that climbs out gets no logo";
    char path[IMAGE_DOWNLOAD_PATH_SIZE];
    EXPECT_EQ(Get_Downloaded_Logo_Path(2, path), 0);
    EXPECT_STREQ(path, "");
    EXPECT_EQ(Get_Downloaded_Logo_Path(0, path), 1);
    EXPECT_STREQ(path, "Logos/Downloads/T00-1962.png");
    EXPECT_EQ(Get_Downloaded_Logo_Path(3, path), 0) << "a Hawks team has no logo";
    EXPECT_STREQ(path, "Logos/Downloads/T03-1962.png");
    for (const auto& entry : std::filesystem::directory_iterator("Logos/Downloads"))
        EXPECT_EQ(entry.path().filename().string().find(".copy-"), std::string::npos) << "no temporary left";
}

TEST_F(ImageDownloads, PhotosAreCopiedByExternalIdWhereTheIdIsAPlainName) {
    Write_Text("Input/Stats/Players/EXT00101.dat", "photo one");
    Write_Text("Input/Stats/Players/EXT00102.dat", "photo two");
    Write_Text("Input/Stats/Players/secret.dat", "not for copying");
    Write_Text("Photos/Downloads/EXT00102.jpg", "the user's own");
    Set_Player_External_ID(1, 0, "EXT00101");
    Set_Player_External_ID(1, 1, "EXT00102");
    Set_Player_External_ID(1, 2, "../secret");
    Set_Player_External_ID(1, 3, "");

    ASSERT_EQ(Open_Progress_Window("Copying", 100), 1);
    Copy_All_Player_Photos();
    EXPECT_EQ(Get_Progress_Position(), 70) << "2 after each team slot, 35 times at most";
    Close_Progress_Window();

    EXPECT_EQ(Read_Text("Photos/Downloads/EXT00101.jpg"), "photo one");
    EXPECT_EQ(Read_Text("Photos/Downloads/EXT00102.jpg"), "the user's own");
    EXPECT_FALSE(std::filesystem::exists("Photos/secret.jpg"));
    char path[IMAGE_DOWNLOAD_PATH_SIZE] = "x";
    EXPECT_EQ(Get_Player_Photo_Path(1, 2, path), 0);
    EXPECT_STREQ(path, "");
    EXPECT_EQ(Get_Player_Photo_Path(1, 3, path), 0) << "an empty id has no photo";
    EXPECT_STREQ(path, "");
    EXPECT_EQ(Get_Player_Photo_Source_Path(1, 0, path), 1);
    EXPECT_STREQ(path, "Input/Stats/Players/EXT00101.dat");
    EXPECT_EQ(Copy_Player_Photo(1, 0), 0) << "the copy is there already";
}

TEST_F(ImageDownloads, TheInstallationHoldsALogoForEverySeasonOfEachNickname) {
    const char* data = std::getenv("KORVA_DATA_DIR");
    const std::string folder =
        std::string(data != nullptr ? data : KORVA_DATA_DIR) + "/Input/Stats/Historical/";
    auto exists = [&](int32_t index, int32_t year) {
        return std::filesystem::exists(folder + std::to_string(index) + std::to_string(year) + ".gz");
    };
    for (int32_t index = 0; index < NUMBER_OF_LOGO_INDEXES; ++index)
        for (int32_t year : {2020, 2021, 2022})
            EXPECT_TRUE(exists(index, year)) << index << " in " << year;
    EXPECT_TRUE(exists(23, 1962)) << "the Titans";
    EXPECT_TRUE(exists(15, 1952)) << "the Texans of 1952";
    EXPECT_TRUE(exists(30, 1980)) << "the Oilers";
    EXPECT_TRUE(exists(0, 1951)) << "the Cardinals";
    EXPECT_FALSE(exists(2, 1995)) << "no Ravens before 1996";
    EXPECT_FALSE(exists(7, 1997)) << "no Browns from 1996 to 1998";
    EXPECT_FALSE(exists(30, 1962)) << "the Oilers of 1962 count as the Jets";
    const std::string png = Read_Text(folder + "312022.gz").substr(0, 8);
    EXPECT_EQ(png, std::string("\x89PNG\r\n\x1a\n", 8)) << "PNG bytes under the input's name";
}
