#include <gtest/gtest.h>

#include <cstdint>

#include "dialogs/typed_numbers.h"

TEST(TypedNumbers, WholeNumbersTakeMoneySignsAndRefuseTheRest) {
    int64_t value = 0;
    EXPECT_TRUE(Parse_Typed_Number("$150,000,000", &value));
    EXPECT_EQ(value, 150000000);
    EXPECT_TRUE(Parse_Typed_Number("  -1,500 ", &value));
    EXPECT_EQ(value, -1500);
    EXPECT_TRUE(Parse_Typed_Number("5000000000", &value)) << "past 32 bits, read whole";
    EXPECT_EQ(value, 5000000000LL);
    EXPECT_TRUE(Parse_Typed_Number("-9223372036854775808", &value));
    EXPECT_EQ(value, INT64_MIN);
    for (const char* text : {"", "$", "-", "12a", "1.5", "9223372036854775808", "abc", "1 2"})
        EXPECT_FALSE(Parse_Typed_Number(text, &value)) << '"' << text << '"';
}

TEST(TypedNumbers, DegreesAreReadDigitByDigit) {
    int32_t value = 0;
    EXPECT_TRUE(Parse_Typed_Thousandths("-73.935", &value));
    EXPECT_EQ(value, -73935) << "no floating-point truncation to -73934";
    EXPECT_TRUE(Parse_Typed_Thousandths("40.005", &value));
    EXPECT_EQ(value, 40005);
    EXPECT_TRUE(Parse_Typed_Thousandths("-0.500", &value));
    EXPECT_EQ(value, -500);
    EXPECT_TRUE(Parse_Typed_Thousandths(".5", &value));
    EXPECT_EQ(value, 500);
    EXPECT_TRUE(Parse_Typed_Thousandths("1.23456", &value));
    EXPECT_EQ(value, 1234) << "digits past the third decimal are dropped";
    for (const char* text : {"", "-", ".", "1..2", "12e3", "3000000"})
        EXPECT_FALSE(Parse_Typed_Thousandths(text, &value)) << '"' << text << '"';
    char text[32];
    Format_Typed_Thousandths(-73935, text, sizeof text);
    EXPECT_STREQ(text, "-73.935");
    Format_Typed_Thousandths(-500, text, sizeof text);
    EXPECT_STREQ(text, "-0.500") << "the sign of a value below one degree";
    Format_Typed_Thousandths(40005, text, sizeof text);
    EXPECT_STREQ(text, "40.005");
}

TEST(TypedNumbers, RealDatesAndFloats) {
    EXPECT_TRUE(Is_Real_Date(20000229));
    EXPECT_FALSE(Is_Real_Date(19000229)) << "1900 was no leap year";
    EXPECT_FALSE(Is_Real_Date(20210431));
    EXPECT_FALSE(Is_Real_Date(20211301));
    EXPECT_FALSE(Is_Real_Date(0));
    float value = 0.0f;
    EXPECT_TRUE(Parse_Typed_Float("55.5", &value));
    EXPECT_FLOAT_EQ(value, 55.5f);
    for (const char* text : {"", "nan", "inf", "0x10", "5,5.5x"})
        EXPECT_FALSE(Parse_Typed_Float(text, &value)) << '"' << text << '"';
}
