#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "database/league_structure.h"
#include "database/random_numbers.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_history.h"
#include "database/team_record.h"
#include "platform/message_box.h"
#include "support/test_league.h"
#include "views/owner_hall_of_fame.h"
#include "views/owner_hall_of_fame_file.h"
#include "views/owner_hall_of_fame_view.h"

TEST(OwnerHallOfFame, StoringTheOwnerNameKeepsTheRestOfTheFile) {
    std::remove("KorFame.dat");
    std::vector<uint8_t> image(OWNER_HALL_OF_FAME_SIZE);
    EXPECT_EQ(Read_Owner_Hall_Of_Fame_File(image.data()), 0) << "no file yet";
    for (int32_t i = 0; i < OWNER_HALL_OF_FAME_SIZE; ++i)
        image[i] = static_cast<uint8_t>(i * 7);
    ASSERT_EQ(Write_Owner_Hall_Of_Fame_File(image.data()), 1);

    Store_User_Name_In_Fame_File("Pat Owner");
    std::vector<uint8_t> stored(OWNER_HALL_OF_FAME_SIZE);
    ASSERT_EQ(Read_Owner_Hall_Of_Fame_File(stored.data()), 1);
    EXPECT_STREQ(reinterpret_cast<const char*>(stored.data() + OWNER_NAME_OFFSET), "Pat Owner");
    EXPECT_EQ(memcmp(stored.data(), image.data(), OWNER_NAME_OFFSET), 0)
        << "the entries before the name stay";

    // A name longer than its field is cut inside the field.
    std::string long_name(400, 'x');
    Store_User_Name_In_Fame_File(long_name.c_str());
    ASSERT_EQ(Read_Owner_Hall_Of_Fame_File(stored.data()), 1);
    EXPECT_EQ(strlen(reinterpret_cast<const char*>(stored.data() + OWNER_NAME_OFFSET)),
              static_cast<size_t>(OWNER_NAME_LENGTH - 1));
    std::remove("KorFame.dat");
}

namespace {
constexpr int32_t OWNER = 6;

int64_t File_Size() {
    std::error_code error;
    const auto size = std::filesystem::file_size("KorFame.dat", error);
    return error ? -1 : static_cast<int64_t>(size);
}

std::vector<uint8_t> Read_Image() {
    std::vector<uint8_t> image(OWNER_HALL_OF_FAME_SIZE);
    EXPECT_EQ(Read_Owner_Hall_Of_Fame_File(image.data()), 1);
    return image;
}

int32_t Int_At(const std::vector<uint8_t>& image, size_t offset) {
    int32_t value = 0;
    std::memcpy(&value, image.data() + offset, sizeof value);
    return value;
}

// The owner's team with `seasons` completed seasons of `wins` wins a season
// out of 16 and the given financial score, the one human-run franchise.
void Give_Owner_Career(int32_t seasons, const std::vector<int32_t>& wins, int32_t financial_score) {
    Build_Test_League();
    Set_User_Preference(OWNER_MODE, 1);
    Set_User_Preference(CURRENT_SEASON_INDEX, seasons);
    Set_Team_Stat(OWNER, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    for (int32_t season = 0; season < seasons; ++season) {
        Set_Team_Yearly_Char(OWNER, season, RECORD_CHAR_WINS, wins[static_cast<size_t>(season)]);
        Set_Team_Yearly_Char(OWNER, season, RECORD_CHAR_LOSSES, 16 - wins[static_cast<size_t>(season)]);
    }
    Set_Team_Financial_Stat(OWNER, 74, financial_score);
    Set_Team_String("Sam Pelletier", OWNER, 5);
}

// A 613 career: 98 wins in 160 games over ten seasons.
std::vector<int32_t> Career_Of_98_Wins() {
    return {10, 10, 10, 10, 10, 10, 10, 10, 9, 9};
}
} // namespace

TEST(OwnerHallOfFame, ARebuiltFileHoldsTheBuiltInCareersInEveryBlock) {
    std::remove("KorFame.dat");
    ASSERT_EQ(Rebuild_Owner_Hall_Of_Fame_File(), 1);
    EXPECT_EQ(File_Size(), 23552);
    const std::vector<uint8_t> image = Read_Image();
    const int32_t ratings[10] = {804, 761, 755, 702, 683, 674, 663, 653, 647, 613};
    for (int32_t level = 0; level < 4; ++level)
        for (int32_t k = 0; k < 10; ++k) {
            const size_t entry = static_cast<size_t>(level * 5520 + k * 552);
            EXPECT_EQ(Int_At(image, entry + 540), ratings[k]) << level << " " << k;
            EXPECT_EQ(Int_At(image, entry + 544), 2) << "built in";
            EXPECT_EQ(Int_At(image, entry + 548), 0);
            EXPECT_GT(std::strlen(reinterpret_cast<const char*>(image.data() + entry)), 0u);
        }
    EXPECT_STREQ(reinterpret_cast<const char*>(image.data() + 23280), "My Name");
    for (size_t offset = 22080; offset < 23280; ++offset)
        ASSERT_EQ(image[offset], 0) << "value slots start at zero";
    for (size_t offset = 23536; offset < 23552; ++offset)
        ASSERT_EQ(image[offset], 0) << "no window rectangle yet";

    // Each built-in career earns its rating under the owners' own formula.
    for (const BUILT_IN_FAME_ENTRY& entry : Built_In_Fame_Entries) {
        const int64_t seasons = entry.Last_Season - entry.First_Season + 1;
        const int64_t games = 2LL * (entry.Wins + entry.Losses + entry.Ties);
        const int64_t points = entry.Ties + 2LL * (entry.Wins + entry.Playoff_Wins);
        const int64_t percentage = (1000 * points + games / 2) / games;
        const int64_t experience =
            std::min<int64_t>(Rounded_Signed_Sqrt(static_cast<int32_t>(seasons * 100000)), 1000);
        EXPECT_EQ((experience * percentage + 500) / 1000, entry.Rating) << entry.Name;
        EXPECT_LE(entry.Playoff_Losses, seasons) << "one playoff exit a season at most";
    }
    std::remove("KorFame.dat");
}

TEST(OwnerHallOfFame, TheKorvaRatingOfTheWorkedCareers) {
    Give_Owner_Career(10, std::vector<int32_t>(10, 8), 0);
    EXPECT_EQ(Get_Team_History_Stat(OWNER, 0), 500) << "ten seasons of 8-8";
    Give_Owner_Career(1, {16}, 0);
    Set_Team_Yearly_Char(OWNER, 0, RECORD_CHAR_PLAYOFF_WINS, 3);
    EXPECT_EQ(Get_Team_History_Stat(OWNER, 0), 375) << "16-0 and three playoff wins after one season";
    Give_Owner_Career(0, {}, 50);
    EXPECT_EQ(Get_Team_History_Stat(OWNER, 0), 0) << "no completed season";
    char years[256];
    Set_User_Preference(24, Get_User_Preference(DIFFICULTY_LEVEL));
    Get_Current_Owner_Line_Text(2, years);
    EXPECT_STREQ(years, "\x96");
}

TEST(OwnerHallOfFame, OnlyARatingAboveTheTenthQualifiesAndEnters) {
    std::remove("KorFame.dat");
    Rebuild_Owner_Hall_Of_Fame_File();
    Give_Owner_Career(10, Career_Of_98_Wins(), 0);
    Set_User_Preference(DIFFICULTY_LEVEL, 2);
    ASSERT_EQ(Get_Team_History_Stat(OWNER, 0), 613);
    const std::vector<uint8_t> before = Read_Image();

    Clear_Shown_Messages();
    Script_Message_Answer("Retirement", ID_BOX_YES);
    EXPECT_EQ(Retire_Owner(), 1) << "he may retire anyway";
    ASSERT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_NE(Get_Shown_Messages()[0].Text.find("Korva Rating of 61.3 does not qualify"), std::string::npos);
    EXPECT_EQ(Get_Shown_Messages()[0].Flags, BOX_YES_NO | BOX_QUESTION | BOX_TASK_MODAL) << "a question";
    EXPECT_EQ(Read_Image(), before) << "613 equals the tenth: nothing is entered";

    Set_Team_Financial_Stat(OWNER, 74, 1);
    ASSERT_EQ(Get_Team_History_Stat(OWNER, 0), 614);
    Clear_Shown_Messages();
    EXPECT_EQ(Retire_Owner(), 0) << "No keeps the owner";
    EXPECT_NE(Get_Shown_Messages()[0].Text.find("Congratulations"), std::string::npos);
    EXPECT_EQ(Get_Shown_Messages()[0].Flags, BOX_YES_NO | BOX_QUESTION | BOX_TASK_MODAL);
    EXPECT_EQ(Read_Image(), before);

    Script_Message_Answer("Retirement", ID_BOX_YES);
    EXPECT_EQ(Retire_Owner(), 1);
    const std::vector<uint8_t> after = Read_Image();
    char text[256];
    Get_Owner_Hall_Of_Fame_Entry_Text(after.data(), 2, 9, 0, text);
    EXPECT_STREQ(text, "Sam Pelletier");
    Get_Owner_Hall_Of_Fame_Entry_Text(after.data(), 2, 9, 6, text);
    EXPECT_STREQ(text, "61.4");
    Get_Owner_Hall_Of_Fame_Entry_Text(after.data(), 2, 9, 3, text);
    EXPECT_STREQ(text, "98-62");
    EXPECT_EQ(Get_Fame_Entry_Int(after.data(), 2, 9, FAME_DISPLAY_CLASS), FAME_CLASS_ASSISTED);
    EXPECT_EQ(Get_Fame_Entry_Int(after.data(), 2, 9, FAME_FINANCIAL_SCORE), 1);
    EXPECT_EQ(std::memcmp(after.data(), before.data(), 2 * 5520), 0) << "the other levels stay";
    EXPECT_EQ(std::memcmp(after.data() + 2 * 5520, before.data() + 2 * 5520, 9 * 552), 0);

    // With the file gone the owner is told so, and may still retire; no file is made.
    std::remove("KorFame.dat");
    Clear_Shown_Messages();
    Script_Message_Answer("Retirement", ID_BOX_YES);
    EXPECT_EQ(Retire_Owner(), 1);
    ASSERT_EQ(Get_Shown_Messages().size(), 2u);
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "File Error");
    EXPECT_EQ(Get_Shown_Messages()[0].Text.rfind("Could not open \"KorFame.dat\" for reading.", 0), 0u);
    EXPECT_NE(Get_Shown_Messages()[1].Text.find("does not qualify"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists("KorFame.dat"));
}

TEST(OwnerHallOfFame, EntriesStaySortedWithEqualRatingsInArrivalOrder) {
    std::remove("KorFame.dat");
    Rebuild_Owner_Hall_Of_Fame_File();
    std::vector<uint8_t> image = Read_Image();
    // A rating equal to the fifth entry's goes after it.
    Give_Owner_Career(10, Career_Of_98_Wins(), 683 - 613);
    Set_User_Preference(DIFFICULTY_LEVEL, 0);
    Add_Owner_Hall_Of_Fame_Entry(image.data());
    EXPECT_EQ(Get_Fame_Entry_Int(image.data(), 0, 4, FAME_DISPLAY_CLASS), FAME_CLASS_BUILT_IN);
    EXPECT_EQ(Get_Fame_Entry_Int(image.data(), 0, 5, FAME_RATING), 683);
    EXPECT_EQ(Get_Fame_Entry_Int(image.data(), 0, 5, FAME_DISPLAY_CLASS), FAME_CLASS_ASSISTED);
    // A rating above the best moves all ten down; the tenth drops out.
    Give_Owner_Career(10, std::vector<int32_t>(10, 15), 100);
    Add_Owner_Hall_Of_Fame_Entry(image.data());
    EXPECT_GT(Get_Fame_Entry_Int(image.data(), 0, 0, FAME_RATING), 804);
    EXPECT_EQ(Get_Fame_Entry_Int(image.data(), 0, 1, FAME_RATING), 804);
    for (int32_t k = 1; k < FAME_ENTRIES; ++k)
        EXPECT_GE(Get_Fame_Entry_Int(image.data(), 0, k - 1, FAME_RATING),
                  Get_Fame_Entry_Int(image.data(), 0, k, FAME_RATING));
    EXPECT_EQ(Get_Fame_Entry_Int(image.data(), 0, 9, FAME_RATING), 653) << "613, then 647 fell out";
    std::remove("KorFame.dat");
}

TEST(OwnerHallOfFame, AnUnreadableFileIsNeverOverwrittenAndItsTextsEndInTheirFields) {
    // A file that holds nothing cannot be read: no change writes a zeroed image over it.
    std::remove("KorFame.dat");
    { std::ofstream empty("KorFame.dat", std::ios::binary); }
    Set_Owner_Hall_Of_Fame_Value(100, 12345);
    Store_User_Name_In_Fame_File("Pat Owner");
    EXPECT_EQ(File_Size(), 0) << "nothing written after a failed read";

    // No file yet: the value goes into a new file with the built-in entries.
    std::remove("KorFame.dat");
    Set_Owner_Hall_Of_Fame_Value(100, 12345);
    EXPECT_EQ(Get_Owner_Hall_Of_Fame_Value(100), 12345);
    std::vector<uint8_t> image = Read_Image();
    EXPECT_EQ(Int_At(image, 540), 804) << "a new file has the built-in entries";

    // Texts without their terminator end at the field's last byte.
    std::memset(image.data(), 'x', 256);
    std::memset(image.data() + 23280, 'y', 256);
    char text[256];
    Get_Owner_Hall_Of_Fame_Entry_Text(image.data(), 0, 0, 0, text);
    EXPECT_EQ(std::strlen(text), 255u);
    Get_Fame_Owner_Name(image.data(), text);
    EXPECT_EQ(std::strlen(text), 255u);
    Get_Owner_Hall_Of_Fame_Entry_Text(image.data(), 7, 0, 0, text);
    EXPECT_STREQ(text, "") << "a level out of range";
    std::remove("KorFame.dat");
}

// Start-up looks the file's name up: a file that is there but cannot be
// opened (here a link to nothing) keeps its place and is never rebuilt over;
// its readers say it cannot be read.
TEST(OwnerHallOfFame, AFileThatExistsButCannotBeReadIsNeverRebuilt) {
    std::remove("KorFame.dat");
    std::filesystem::create_symlink("KorFame-gone.dat", "KorFame.dat");
    Clear_Shown_Messages();
    EXPECT_EQ(Ensure_Owner_Hall_Of_Fame_File(), 0);
    EXPECT_TRUE(std::filesystem::is_symlink("KorFame.dat")) << "not rebuilt";
    EXPECT_FALSE(std::filesystem::exists("KorFame-gone.dat")) << "nothing written through the link";
    std::vector<uint8_t> image(OWNER_HALL_OF_FAME_SIZE);
    EXPECT_EQ(Read_Owner_Hall_Of_Fame_File(image.data()), 0);
    ASSERT_FALSE(Get_Shown_Messages().empty());
    EXPECT_EQ(Get_Shown_Messages().back().Caption, "File Error");
    std::remove("KorFame.dat");

    // The name is matched as the resolver matches every installation file;
    // without any file of that name the built-in one is made.
    { std::ofstream other_case("korfame.dat", std::ios::binary); }
    EXPECT_EQ(Ensure_Owner_Hall_Of_Fame_File(), 0);
    EXPECT_EQ(std::filesystem::file_size("korfame.dat"), 0u) << "left as it is";
    std::remove("korfame.dat");
    EXPECT_EQ(Ensure_Owner_Hall_Of_Fame_File(), 1);
    EXPECT_EQ(File_Size(), OWNER_HALL_OF_FAME_SIZE);
    std::remove("KorFame.dat");
}
