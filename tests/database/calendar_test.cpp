#include <gtest/gtest.h>

#include <cstring>
#include <ctime>

#include "database/game_names.h"
#include "database/playoff_bracket.h"
#include "database/settings.h"
#include "database/universe.h"

namespace {
void Reset_Calendar(int32_t week) {
    std::memset(&Universe.User_Preferences, 0, sizeof Universe.User_Preferences);
    Set_User_Preference(CURRENT_WEEK, week);
}
} // namespace

TEST(Calendar, DayNumbersTurnIntoMonthsAndDaysOfACommonYear) {
    EXPECT_EQ(Get_Month_Of_Day(0), 0) << "1 January";
    EXPECT_EQ(Get_Day_Of_Month(0), 0) << "days of the month count from 0";
    EXPECT_EQ(Get_Month_Of_Day(30), 0) << "31 January";
    EXPECT_EQ(Get_Month_Of_Day(31), 1) << "1 February";
    EXPECT_EQ(Get_Month_Of_Day(58), 1) << "28 February, no leap day";
    EXPECT_EQ(Get_Month_Of_Day(59), 2) << "1 March";
    EXPECT_EQ(Get_Month_Of_Day(364), 11);
    EXPECT_EQ(Get_Day_Of_Month(364), 30) << "31 December";
    EXPECT_EQ(Get_Month_Of_Day(365), 0) << "the next year starts again in January";
    EXPECT_EQ(Get_Month_Of_Day(-1), 11) << "a negative day counts back from the end of the year";
    EXPECT_EQ(Get_Day_Of_Month(-1), 30);
}

TEST(Calendar, WeeksStartInSeptemberAndTheOffSeasonInApril) {
    EXPECT_EQ(Get_Week_Day_Number(0), 249);
    EXPECT_EQ(Get_Week_Day_Number(3), 270);
    EXPECT_EQ(Get_Week_Day_Number(100), 104);

    Reset_Calendar(0);
    EXPECT_EQ(Get_Current_Month(), 8) << "week 0 falls in September";
    EXPECT_EQ(Get_Current_Day_Of_Month(), 6) << "7 September";
    Reset_Calendar(17);
    EXPECT_EQ(Get_Current_Day_Number(), 368);
    EXPECT_EQ(Get_Current_Month(), 0) << "week 17 is in January of the next year";
    EXPECT_EQ(Get_Current_Day_Of_Month(), 3) << "4 January";
    Reset_Calendar(100);
    EXPECT_EQ(Get_Current_Month(), 3) << "the off-season week is in April";
    EXPECT_EQ(Get_Current_Day_Of_Month(), 14) << "15 April";
}

TEST(Calendar, DateTextAgreesWithTheMonthQueries) {
    char text[FORMATTED_TEXT_SIZE];
    for (int32_t day : {0, 31, 58, 59, 249, 364, 368, -1}) {
        Format_Day_Of_Year(day, text);
        static const char* const months[] = {"January",   "February", "March",    "April",
                                             "May",       "June",     "July",     "August",
                                             "September", "October",  "November", "December"};
        char expected[64];
        snprintf(expected, sizeof expected, "%s %d", months[Get_Month_Of_Day(day)],
                 Get_Day_Of_Month(day) + 1);
        EXPECT_STREQ(text, expected) << "day " << day;
    }
    Format_Day_Of_Year(249, text);
    EXPECT_STREQ(text, "September 7");
}

// A season's games are dated by that year's own calendar: every day of every
// week falls on the weekday asked for, as the real calendar has it (the date
// read the way the date text reads it), and week 0 opens on the Wednesday
// after Labor Day.
TEST(Calendar, ASeasonsWeekdaysFallOnThoseOfItsOwnYear) {
    int32_t wrong = 0;
    for (int32_t year = 1920; year <= 2100; ++year) {
        for (int32_t week = 0; week < 23; ++week) {
            for (int32_t weekday = 0; weekday < 7; ++weekday) {
                const int32_t day = Get_Season_Week_Day_Number(year, week, weekday);
                std::tm date{};
                date.tm_year = year + day / DAYS_PER_YEAR - 1900;
                date.tm_mon = Get_Month_Of_Day(day);
                date.tm_mday = Get_Day_Of_Month(day) + 1;
                date.tm_hour = 12;
                const std::tm asked = date;
                timegm(&date);
                const bool same_day = date.tm_mon == asked.tm_mon && date.tm_mday == asked.tm_mday;
                if (!same_day || (date.tm_wday + 6) % 7 != weekday) ++wrong;
            }
        }
    }
    EXPECT_EQ(wrong, 0);
    const struct {
        int32_t Year, Week, Weekday;
        const char* Date;
    } days[] = {
        {1962, 0, 2, "September 5"}, // Labor Day was Monday 3 September
        {1962, 0, 6, "September 9"},  {1962, 0, 3, "September 6"}, {1962, 0, 0, "September 10"},
        {2022, 0, 6, "September 11"}, {2022, 0, 2, "September 7"}, {1962, 17, 6, "January 6"},
        {2015, 0, 3, "September 10"}, // Labor Day on 7 September
    };
    char text[FORMATTED_TEXT_SIZE];
    for (const auto& d : days) {
        Format_Day_Of_Year(Get_Season_Week_Day_Number(d.Year, d.Week, d.Weekday), text);
        EXPECT_STREQ(text, d.Date) << d.Year << " week " << d.Week << " weekday " << d.Weekday;
    }
}
