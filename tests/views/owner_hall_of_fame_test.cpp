#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "database/league_structure.h"
#include "views/owner_hall_of_fame.h"

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
