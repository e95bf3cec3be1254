#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>

#include "database/league_structure.h"
#include "database/settings.h"
#include "database/string_table.h"
#include "database/text_format.h"
#include "database/universe.h"

namespace {
using FORMATTER = void (*)(int32_t, char*);

std::string Format(FORMATTER formatter, int32_t value) {
    char buffer[FORMATTED_TEXT_SIZE];
    std::memset(buffer, 'x', sizeof buffer);
    formatter(value, buffer);
    return buffer;
}

struct CASE {
    int32_t Value;
    const char* Text;
};

void Expect_Table(FORMATTER formatter, std::initializer_list<CASE> cases, const char* what) {
    for (const CASE& c : cases)
        EXPECT_EQ(Format(formatter, c.Value), c.Text) << what << " of " << c.Value;
}

int Count_Log_Lines_Containing(const char* text) {
    std::ifstream log("debug.txt");
    int count = 0;
    for (std::string line; std::getline(log, line);)
        if (line.find(text) != std::string::npos) ++count;
    return count;
}

void Set_Team_Strings(int team, const char* location, const char* nickname) {
    std::strcpy(Universe.Teams[team].Strings[1], location);
    std::strcpy(Universe.Teams[team].Strings[2], nickname);
}
} // namespace

TEST(TextFormat, CardinalWords) {
    Expect_Table(
        Format_Cardinal_Words,
        {{0, "zero"},
         {19, "nineteen"},
         {20, "twenty"},
         {21, "twenty-one"},
         {100, "one hundred"},
         {200, "two hundred"},
         {101, "one hundred and one"},
         {1000, "one thousand"},
         {1001, "one thousand and one"},
         {1050, "one thousand and fifty"},
         {1100, "one thousand one hundred"},
         {1234, "one thousand two hundred and thirty-four"},
         {1000000, "one million"},
         {2000300, "two million three hundred"},
         {1000000000, "one billion"},
         {2147483647, "two billion one hundred and forty-seven million four hundred and eighty-three "
                      "thousand six hundred and forty-seven"},
         {-1, "Cardinal error: -1"}},
        "cardinal");
}

TEST(TextFormat, OrdinalWords) {
    Expect_Table(Format_Ordinal_Words,
                 {{1, "first"},
                  {12, "twelfth"},
                  {20, "twentieth"},
                  {23, "twenty-third"},
                  {90, "ninetieth"},
                  {100, "one hundredth"},
                  {101, "one hundred and first"},
                  {1000, "one thousandth"},
                  {2005, "two thousand and fifth"},
                  {2345, "two thousand three hundred and forty-fifth"},
                  {999999, "nine hundred and ninety-nine thousand nine hundred and ninety-ninth"},
                  {0, "Ordinal error: 0"},
                  {1000000, "Ordinal error: 1000000"}},
                 "ordinal");
}

TEST(TextFormat, OrdinalNumbers) {
    Expect_Table(Format_Ordinal_Number,
                 {{0, "0th"},
                  {1, "1st"},
                  {2, "2nd"},
                  {3, "3rd"},
                  {4, "4th"},
                  {11, "11th"},
                  {12, "12th"},
                  {13, "13th"},
                  {21, "21st"},
                  {22, "22nd"},
                  {102, "102nd"},
                  {111, "111th"},
                  {112, "112th"},
                  {-1, "-1st"},
                  {INT32_MIN, "-2147483648th"}},
                 "ordinal number");
}

TEST(TextFormat, MoneyAndGroupedNumbers) {
    Expect_Table(Format_Money_Thousands,
                 {{0, "$0K"},
                  {999, "$999K"},
                  {1000, "$1.0M"},
                  {1550, "$1.5M"},
                  {99999, "$99.9M"},
                  {100000, "$100M"},
                  {1000000, "$1.00B"},
                  {1234567, "$1.23B"},
                  {-2500, "-$2.5M"},
                  {INT32_MIN, "-$2147.48B"}},
                 "money in thousands");
    Expect_Table(Format_Money_Dollars, {{1550999, "$1.5M"}, {-999, "$0K"}, {-2500000, "-$2.5M"}},
                 "money in dollars");
    Expect_Table(Format_Number_Commas,
                 {{0, "0"},
                  {999, "999"},
                  {1000, "1,000"},
                  {-1000, "-1,000"},
                  {-123, "-123"},
                  {-123456, "-123,456"},
                  {1234567, "1,234,567"},
                  {INT32_MIN, "-2,147,483,648"}},
                 "grouped number");
    Expect_Table(Format_Money_Commas, {{1500000, "$1,500,000"}, {12, "$12"}}, "money with commas");
    Expect_Table(Format_Thousandths,
                 {{0, ".000"}, {7, ".007"}, {1500, "1.500"}, {-1500, "-1.500"}, {-5, "-.005"}},
                 "thousandths");

    char text[] = "$1,234,567";
    EXPECT_EQ(Parse_Money_Text(text), 1234567);
    EXPECT_STREQ(text, "1234567") << "the marks are removed in place";
    char negative[] = "-$2,000";
    EXPECT_EQ(Parse_Money_Text(negative), -2000);
    char huge[] = "$99,999,999,999";
    EXPECT_EQ(Parse_Money_Text(huge), INT32_MAX) << "out-of-range amounts saturate";
}

TEST(TextFormat, StringTableLoadsTextsById) {
    char buffer[RESOURCE_STRING_LIMIT];
    EXPECT_EQ(Load_Resource_String(21, buffer), 6);
    EXPECT_STREQ(buffer, "Monday");
    Load_Resource_String(27, buffer);
    EXPECT_STREQ(buffer, "Sunday");
    Load_Resource_String(42, buffer);
    EXPECT_STREQ(buffer, "Punter");
    Load_Resource_String(54, buffer);
    EXPECT_STREQ(buffer, "December");
    Load_Resource_String(73, buffer);
    EXPECT_STREQ(buffer, "P");
    Load_Resource_String(133, buffer);
    EXPECT_STREQ(buffer, "th");
    EXPECT_EQ(Load_Resource_String(9999, buffer), 0);
    EXPECT_STREQ(buffer, "") << "an unknown id gives an empty text";
}

TEST(TextFormat, PositionSlotAndRatingNames) {
    Expect_Table(Get_Position_Name,
                 {{0, "Quarterback"}, {14, "Punter"}, {15, "Any Position"}, {16, "<Error>"}, {-1, "<Error>"}},
                 "position");
    Expect_Table(Get_Position_Name_Lower, {{9, "defensive tackle"}}, "lower-case position");
    Expect_Table(Get_Depth_Slot_Abbreviation, {{0, "QB"}, {7, "C"}, {15, "WR1"}, {42, "FS"}, {-3, ""}},
                 "slot abbreviation");
    Expect_Table(Get_Depth_Slot_Name,
                 {{5, "Tackle"}, {18, "Return Specialist"}, {37, "Right Outside Linebacker"}}, "slot name");
    char buffer[FORMATTED_TEXT_SIZE] = "kept";
    Get_Depth_Slot_Abbreviation(43, buffer);
    EXPECT_STREQ(buffer, "kept") << "a slot above 42 leaves the buffer unchanged";
    Get_Depth_Slot_Name(43, buffer);
    EXPECT_STREQ(buffer, "kept");
    Expect_Table(Get_Rating_Name,
                 {{0, "Health"}, {13, "Kick Returns"}, {26, "Punt Distance"}, {27, ""}, {-1, ""}}, "rating");
}

TEST(TextFormat, WeekAndDateNames) {
    const int32_t saved_days[4] = {Universe.Post_Season_Days[0], Universe.Post_Season_Days[1],
                                   Universe.Post_Season_Days[2], Universe.Post_Season_Days[3]};
    const int32_t days[4] = {19, 20, 21, 23};
    for (int i = 0; i < 4; ++i)
        Universe.Post_Season_Days[i] = days[i];
    Universe.Header.Universe_Stats[3] = 2000;
    Universe.Header.Universe_Stats[1] = 3;
    Set_User_Preference(CURRENT_SEASON_INDEX, 5);
    for (int team = 0; team < MAX_FRANCHISES; ++team) {
        Universe.Teams[team].Team_Stats[2] = team < 32 ? 0 : -1;
        Universe.Teams[team].Team_Stats[0] = team / 4;
    }

    Expect_Table(Format_Week_Name,
                 {{0, "Week 1"},
                  {17, "Week 18"},
                  {18, "Wild Card"},
                  {19, "Division Round"},
                  {20, "Conference Championship"},
                  {21, "Offseason"},
                  {22, "Super Bowl"},
                  {23, "Offseason"}},
                 "week name");
    Expect_Table(Format_Week_Short_Name, {{19, "Division"}, {20, "Conference"}, {3, "Week 4"}},
                 "short week name");
    Set_User_Preference(CURRENT_WEEK, 4);
    Expect_Table(Format_Week_Name, {{-1, "Week 5"}}, "current week");

    Set_User_Preference(CURRENT_SEASON_INDEX, -31);
    Expect_Table(Format_Week_Name, {{20, "Title Games"}}, "two-league title day before 1970");
    // One league of two divisions and no wild cards: only the final rounds are played.
    for (int team = 0; team < MAX_FRANCHISES; ++team) {
        Universe.Teams[team].Team_Stats[2] = team < 8 ? 0 : -1;
        Universe.Teams[team].Team_Stats[0] = team / 4;
    }
    Universe.Header.Universe_Stats[1] = 0;
    Expect_Table(Format_Week_Name, {{20, "Title Game"}}, "one-league title day before 1970");
    Expect_Table(Format_Week_Short_Name, {{18, "Bye Week"}, {19, "Bye Week"}, {20, "Title Game"}},
                 "short names of a two-team field");

    for (int i = 0; i < 4; ++i)
        Universe.Post_Season_Days[i] = saved_days[i];

    Expect_Table(Format_Day_Of_Year,
                 {{0, "January 1"},
                  {31, "February 1"},
                  {58, "February 28"},
                  {59, "March 1"},
                  {364, "December 31"},
                  {365, "January 1"},
                  {-1, "December 31"}},
                 "day of year");
    char date[FORMATTED_TEXT_SIZE];
    Format_Date_With_Year(256, 2004, date);
    EXPECT_STREQ(date, "September 14, 2004");
}

TEST(TextFormat, TeamLabels) {
    for (int team = 0; team < MAX_FRANCHISES; ++team)
        Universe.Teams[team].Team_Stats[2] = team < 32 ? 0 : -1;
    Set_Team_Strings(3, "Chicago", "Bears");
    Set_Team_Strings(4, "Washington", "FOOTBALL team");
    Set_Team_Strings(36, "Free", "Agents");
    Set_Team_Strings(37, "Hall", "Famers");
    // A damaged record whose string fills its field without a terminator.
    std::memset(Universe.Teams[5].Strings[1], 'L', TEAM_STRING_LENGTH);
    std::memset(Universe.Teams[5].Strings[2], 'N', TEAM_STRING_LENGTH);

    Expect_Table(Get_Team_Location_Name,
                 {{3, "Chicago"},
                  {36, "Free Agent"},
                  {37, ""},
                  {128, ""},
                  {-128, ""},
                  {255, "NFL Average"},
                  {-1, "NFL Average"}},
                 "location");
    // The pools' names are fixed texts, whatever their records hold.
    Expect_Table(Get_Team_Nickname, {{3, "Bears"}, {36, ""}, {37, ""}, {38, ""}}, "nickname");
    Expect_Table(Get_Team_Display_Name, {{3, "Bears"}, {4, "Washington"}}, "display name");
    Expect_Table(
        Get_Team_Full_Name,
        {{3, "Chicago Bears"}, {36, "Free Agent"}, {37, "Hall Of Fame Inductee"}, {33, ""}, {128, ""}},
        "full name");
    EXPECT_EQ(Format(Get_Team_Location_Name, 5), std::string(TEAM_STRING_LENGTH - 1, 'L'))
        << "an unterminated team string is read within its field";
    EXPECT_EQ(Format(Get_Team_Full_Name, 5),
              std::string(TEAM_STRING_LENGTH - 1, 'L') + " " + std::string(TEAM_STRING_LENGTH - 1, 'N'));

    Set_User_Preference(DRAFT_ROUND, 1);
    Expect_Table(Get_Team_Full_Name, {{38, "Second Round Draft Pick"}, {40, "Second Round Draft Pick"}},
                 "college pool");

    // Faces are pictures of the current skin.
    Set_Skin_Name("ice");
    Set_User_Preference(CURRENT_SEASON_INDEX, 0);
    Expect_Table(Get_GM_Face_Image,
                 {{0, "skins\\ice\\dialogs/faces/gm0.jpg"}, {5, "skins\\ice\\dialogs/faces/gm19.jpg"}},
                 "early faces");
    Set_User_Preference(CURRENT_SEASON_INDEX, 30);
    Expect_Table(Get_GM_Face_Image,
                 {{0, "skins\\ice\\dialogs/faces/gm36.jpg"}, {5, "skins\\ice\\dialogs/faces/gm19.jpg"}},
                 "later faces");
    Set_User_Preference(CURRENT_SEASON_INDEX, 0);
}

TEST(BoundedCopies, SafeStrncpyAtItsEdges) {
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(safe_strncpy(buffer, "abc", 1), -1) << "size 1 keeps only the terminator";
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(safe_strncpy(buffer, "", 1), 0);
    EXPECT_EQ(safe_strncpy(buffer, "abcdefg", 8), 7) << "an exact fit is not a truncation";
    EXPECT_STREQ(buffer, "abcdefg");
    EXPECT_EQ(safe_strncpy(buffer, "abcdefgh", 8), -1);
    EXPECT_STREQ(buffer, "abcdefg");
    EXPECT_EQ(safe_strncpy(buffer, "ab", 8), 2);
    EXPECT_STREQ(buffer, "ab");

    int before = Count_Log_Lines_Containing("Null pointer in safe_strncpy");
    EXPECT_EQ(safe_strncpy(nullptr, "ab", 8), 0);
    EXPECT_EQ(safe_strncpy(buffer, nullptr, 8), 0);
    EXPECT_STREQ(buffer, "ab") << "a null source leaves the destination alone";
    EXPECT_EQ(Count_Log_Lines_Containing("Null pointer in safe_strncpy"), before + 2);
}

TEST(BoundedCopies, SafeStrncatAtItsEdges) {
    char buffer[8] = "ab";
    EXPECT_EQ(safe_strncat(buffer, "cd", 8), 4);
    EXPECT_STREQ(buffer, "abcd");

    int before = Count_Log_Lines_Containing("Buffer filled in safe_strncat.  Str len 7");
    EXPECT_EQ(safe_strncat(buffer, "efghij", 8), 7) << "appending stops at size - 1";
    EXPECT_STREQ(buffer, "abcdefg");
    EXPECT_EQ(Count_Log_Lines_Containing("Buffer filled in safe_strncat.  Str len 7"), before + 1);

    char exact[8] = "abcde";
    EXPECT_EQ(safe_strncat(exact, "f", 8), 6);
    EXPECT_EQ(Count_Log_Lines_Containing("Buffer filled in safe_strncat.  Str len 7"), before + 2)
        << "a text reaching size - 2 is reported too";

    char four[8] = "abcdef";
    EXPECT_EQ(safe_strncat(four, "x", 4), 4) << "size 4 writes the marker";
    EXPECT_STREQ(four, "F**");

    char unterminated[4] = {'a', 'b', 'c', 'd'};
    EXPECT_EQ(safe_strncat(unterminated, "x", 3), 2) << "looks at most size - 1 characters for the end";
    EXPECT_STREQ(unterminated, "ab");

    int nulls = Count_Log_Lines_Containing("Null pointer in safe_strncpy");
    EXPECT_EQ(safe_strncat(nullptr, "x", 8), 0);
    EXPECT_EQ(safe_strncat(buffer, nullptr, 8), 0);
    EXPECT_EQ(Count_Log_Lines_Containing("Null pointer in safe_strncpy"), nulls + 2);
}

TEST(BoundedCopies, FormattedAppendsAndSwaps) {
    char buffer[10];
    EXPECT_EQ(safe_sprintf(buffer, sizeof buffer, "%d-%s", 42, "abcdefghij"), 13);
    EXPECT_STREQ(buffer, "42-abcdef");

    char text[10] = "ab";
    EXPECT_EQ(safe_strcatf(text, sizeof text, "%d", 123), 5);
    EXPECT_STREQ(text, "ab123");
    EXPECT_EQ(safe_strcatf(text, sizeof text, "%s", "xyzxyz"), 9);
    EXPECT_STREQ(text, "ab123xyzx");
    char full[4] = {'a', 'b', 'c', 'd'};
    EXPECT_EQ(safe_strcatf(full, sizeof full, "%d", 1), 0) << "no terminator within size";
    EXPECT_EQ(full[3], 'd') << "and nothing is written";

    char first[8] = "one";
    char second[8] = "seventy";
    Swap_Strings(first, second, 8);
    EXPECT_STREQ(first, "seventy");
    EXPECT_STREQ(second, "one");
    Swap_Strings(first, nullptr, 8);
    EXPECT_STREQ(first, "seventy");
}

TEST(TextFormat, GetNextFieldSplitsWithoutQuoting) {
    char line[64] = "a,,b";
    char field[64] = "junk";
    EXPECT_EQ(Get_Next_Field(field, line, ','), 0);
    EXPECT_STREQ(field, "a");
    EXPECT_STREQ(line, ",b");
    EXPECT_EQ(Get_Next_Field(field, line, ','), 0);
    EXPECT_STREQ(field, "") << "two adjacent delimiters give an empty field";
    EXPECT_EQ(Get_Next_Field(field, line, ','), 1);
    EXPECT_STREQ(field, "b");
    EXPECT_STREQ(line, "");
    EXPECT_EQ(Get_Next_Field(field, line, ','), 1) << "an empty line gives an empty last field";
    EXPECT_STREQ(field, "");

    char quoted[64] = "\"Smith, John\" ,x";
    EXPECT_EQ(Get_Next_Field(field, quoted, ','), 0);
    EXPECT_STREQ(field, "\"Smith") << "no quoting";
    EXPECT_EQ(Get_Next_Field(field, quoted, ','), 0);
    EXPECT_STREQ(field, " John\" ") << "blanks stay";

    char plus[64] = "12+34";
    EXPECT_EQ(Get_Next_Field(field, plus, '+'), 0);
    EXPECT_STREQ(field, "12");
    EXPECT_STREQ(plus, "34");

    char longer[64] = "abcdefghij,rest";
    char small[4];
    EXPECT_EQ(Get_Next_Field(small, longer, ',', sizeof small), 0);
    EXPECT_STREQ(small, "abc") << "a field longer than its buffer is cut";
    EXPECT_STREQ(longer, "rest") << "and is still removed whole from the line";
}

TEST(TextFormat, InPlaceEdits) {
    char text[32] = "O'Brien-Smith 3rd";
    Keep_Letters_Only(text);
    EXPECT_STREQ(text, "OBrienSmithrd");
    Make_Upper_Case(text);
    EXPECT_STREQ(text, "OBRIENSMITHRD");
    char commas[32] = "1,234,567";
    Remove_Character(commas, ',');
    EXPECT_STREQ(commas, "1234567");

    char padded[16] = "42";
    Pad_String_Left(padded, 5);
    EXPECT_STREQ(padded, "   42");
    Pad_String_Left(padded, 3);
    EXPECT_STREQ(padded, "   42") << "no change when longer";
    char doubled[16] = "7";
    Pad_String_Left_Double(doubled, 3);
    EXPECT_STREQ(doubled, "    7");

    const char* haystack = "The Chicago BEARS";
    EXPECT_EQ(stristr(haystack, "bears"), haystack + 12);
    EXPECT_EQ(stristr(haystack, "lions"), nullptr);
    EXPECT_EQ(stristr(haystack, ""), haystack);
    EXPECT_EQ(stristr(nullptr, "a"), nullptr);
}
