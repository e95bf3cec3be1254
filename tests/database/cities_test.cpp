#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/resource.h>

#include "database/cities.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "platform/message_box.h"
#include "support/file_lines.h"

namespace {
void Reset_City_League(int teams) {
    std::memset(&Universe, 0, sizeof Universe);
    for (int team = 0; team < MAX_FRANCHISES; ++team)
        Universe.Teams[team].Team_Stats[TEAM_STAT_CONTROL] = team < teams ? TEAM_CONTROL_COMPUTER : -1;
    Clear_Shown_Messages();
}

void Add_Named_City(const char* name) {
    int32_t n = Add_City();
    ASSERT_GE(n, 0);
    Set_City_Name(n, name);
}

std::string City_Name(int n) {
    char buffer[32];
    Get_City_Name(n, buffer);
    return buffer;
}

void Write_Cities_File(const std::string& text) {
    std::ofstream file(CITIES_FILE_NAME, std::ios::binary | std::ios::trunc);
    file << text;
}

std::string Read_Cities_File() {
    std::ifstream file(CITIES_FILE_NAME, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// Runs the import with the confirmation answered yes; returns the last box shown.
SHOWN_MESSAGE Import_Confirmed() {
    Clear_Shown_Messages();
    Script_Message_Answer("Confirm City Import", ID_BOX_YES);
    Import_Cities();
    const auto& shown = Get_Shown_Messages();
    return shown.empty() ? SHOWN_MESSAGE{} : shown.back();
}

// A table of two cities, and a copy of it to compare with.
void Keep_Two_Cities(CITY_RECORD (&before)[MAX_CITIES]) {
    Reset_City_League(0);
    for (const char* name : {"Austin", "Boston"})
        Add_Named_City(name);
    std::memcpy(before, Universe.Cities, sizeof before);
}

std::string Stat_Line(int value) {
    std::string line = ",";
    line += std::to_string(value);
    return line;
}
} // namespace

TEST(Cities, AddingToAFullTableChangesNothing) {
    Reset_City_League(0);
    for (int n = 0; n < MAX_CITIES; ++n)
        Add_Named_City(("City" + std::to_string(n)).c_str());
    Set_User_Preference(SELECTED_CITY, 5);
    EXPECT_EQ(Count_Cities(), 100);
    EXPECT_EQ(Add_City(), -1);
    EXPECT_EQ(Get_User_Preference(SELECTED_CITY), 5);
    EXPECT_EQ(City_Name(99), "City99");
}

TEST(Cities, NewCityHasDefaultsAndNamesAreCutToTheirFields) {
    Reset_City_League(0);
    EXPECT_EQ(Add_City(), 0);
    EXPECT_EQ(City_Name(0), "New City");
    char photo[16];
    Get_City_Photo(0, photo);
    EXPECT_STREQ(photo, "Default");
    EXPECT_EQ(Get_City_Stat(0, 0), 1000000);
    EXPECT_EQ(Get_City_Stat(0, 6), 42000);
    EXPECT_EQ(Get_City_Stat(0, 7), 3);
    Set_City_Name(0, "A name far longer than twenty characters");
    EXPECT_EQ(City_Name(0), "A name far longer t") << "the name keeps 19 characters and its terminator";
    Set_City_Photo(0, "AVeryLongPhotoName");
    Get_City_Photo(0, photo);
    EXPECT_STREQ(photo, "AVeryLongPh");
    EXPECT_EQ(Universe.Cities[0].Stats[0], 1000000) << "a long text must not spill into the statistics";
}

TEST(Cities, DeletingTheLastCityMovesTheSelectionBackByOne) {
    Reset_City_League(0);
    for (const char* name : {"Austin", "Boston", "Chicago"})
        Add_Named_City(name);
    Set_User_Preference(SELECTED_CITY, 2);
    Delete_Current_City();
    EXPECT_EQ(Count_Cities(), 2);
    EXPECT_EQ(Get_User_Preference(SELECTED_CITY), 1);

    Set_User_Preference(SELECTED_CITY, 0);
    Delete_Current_City();
    EXPECT_EQ(Count_Cities(), 1);
    EXPECT_EQ(City_Name(0), "Boston") << "the rows below move up";
    EXPECT_EQ(Get_User_Preference(SELECTED_CITY), 0);
}

TEST(Cities, SwappingRowsMovesTheTeamsAndTheSelectionWithThem) {
    Reset_City_League(4);
    for (int n = 0; n < 8; ++n)
        Add_Named_City(("City" + std::to_string(n)).c_str());
    Set_Team_Stat(0, TEAM_STAT_HOME_CITY, 3);
    Set_Team_Stat(1, TEAM_STAT_HOME_CITY, 7);
    Set_Team_Stat(2, TEAM_STAT_HOME_CITY, 3);
    Set_Team_Stat(3, TEAM_STAT_HOME_CITY, 5);
    Set_User_Preference(SELECTED_CITY, 7);
    Swap_Cities(3, 7);
    EXPECT_EQ(City_Name(3), "City7");
    EXPECT_EQ(City_Name(7), "City3");
    EXPECT_EQ(Get_Team_Stat(0, TEAM_STAT_HOME_CITY), 7);
    EXPECT_EQ(Get_Team_Stat(1, TEAM_STAT_HOME_CITY), 3);
    EXPECT_EQ(Get_Team_Stat(2, TEAM_STAT_HOME_CITY), 7);
    EXPECT_EQ(Get_Team_Stat(3, TEAM_STAT_HOME_CITY), 5);
    EXPECT_EQ(Get_User_Preference(SELECTED_CITY), 3);
}

TEST(Cities, SortingKeepsEveryTeamInItsCity) {
    Reset_City_League(3);
    for (const char* name : {"Denver", "austin", "Boston", "Chicago"})
        Add_Named_City(name);
    Set_Team_Stat(0, TEAM_STAT_HOME_CITY, 0);
    Set_Team_Stat(1, TEAM_STAT_HOME_CITY, 1);
    Set_Team_Stat(2, TEAM_STAT_HOME_CITY, 3);
    Sort_Cities();
    EXPECT_EQ(City_Name(0), "Boston");
    EXPECT_EQ(City_Name(1), "Chicago");
    EXPECT_EQ(City_Name(2), "Denver");
    EXPECT_EQ(City_Name(3), "austin") << "byte order puts lower case after upper case";
    EXPECT_EQ(City_Name(Get_Team_Stat(0, TEAM_STAT_HOME_CITY)), "Denver");
    EXPECT_EQ(City_Name(Get_Team_Stat(1, TEAM_STAT_HOME_CITY)), "austin");
    EXPECT_EQ(City_Name(Get_Team_Stat(2, TEAM_STAT_HOME_CITY)), "Chicago");
}

TEST(Cities, BestFreeCityIsTheRichestMarketNoTeamUses) {
    Reset_City_League(1);
    EXPECT_EQ(Find_Best_Free_City(), 0) << "no cities";
    for (const char* name : {"Small", "Big", "Bigger"})
        Add_Named_City(name);
    Set_City_Stat(0, 0, 100000);
    Set_City_Stat(1, 0, 3000000);
    Set_City_Stat(2, 0, 5000000);
    Set_Team_Stat(0, TEAM_STAT_HOME_CITY, 2);
    EXPECT_EQ(Find_Best_Free_City(), 1) << "the biggest market is taken";
    Set_City_Stat(0, 0, 3000000);
    EXPECT_EQ(Find_Best_Free_City(), 0) << "the first of equal scores wins";
}

TEST(Cities, BestFreeCityWeighsImportedMarketsOfAnySize) {
    Reset_City_League(1);
    Set_Team_Stat(0, TEAM_STAT_HOME_CITY, 99);
    // Figures as large as a line may hold: Giant's market times its income
    // runs past 64 bits before it is scaled down to a score; Large's does not.
    Write_Cities_File("Tiny,1000,0,0,0\n"
                      "Large,2000000000,2000000000,200000000,1000000000\n"
                      "Giant,2000000000,2000000000,200000000,2000000000\n");
    ASSERT_EQ(Import_Confirmed().Caption, "City Import Complete");
    ASSERT_EQ(City_Name(0), "Giant");
    EXPECT_EQ(Find_Best_Free_City(), 0) << "the largest market is the best";
    Set_Team_Stat(0, TEAM_STAT_HOME_CITY, 0);
    EXPECT_EQ(Find_Best_Free_City(), 1) << "with Giant taken, Large";
}

TEST(Cities, ExportWritesTheNameAndTenStatistics) {
    Reset_City_League(0);
    Add_Named_City("Austin");
    Add_Named_City("Boston");
    Set_City_Stat(1, 4, -12);
    Script_Message_Answer("Confirm City Export", ID_BOX_YES);
    Export_Cities();
    std::string expected = "Austin";
    for (int value : {1000000, 2500000, 20000, 25000, 0, 114000, 42000, 3, 0, 0})
        expected += Stat_Line(value);
    expected += "\nBoston";
    for (int value : {1000000, 2500000, 20000, 25000, -12, 114000, 42000, 3, 0, 0})
        expected += Stat_Line(value);
    expected += "\n";
    EXPECT_EQ(Read_Cities_File(), expected);
    ASSERT_FALSE(Get_Shown_Messages().empty());
    EXPECT_EQ(Get_Shown_Messages().back().Caption, "City Export Complete");
    EXPECT_EQ(Get_Shown_Messages().back().Text, "2 cities exported to \"Cities.txt\"");

    std::remove(CITIES_FILE_NAME);
    Clear_Shown_Messages();
    Script_Message_Answer("Confirm City Export", ID_BOX_NO);
    Export_Cities();
    EXPECT_FALSE(std::ifstream(CITIES_FILE_NAME).good()) << "declining writes nothing";
}

TEST(Cities, ExportThenImportRestoresTheTable) {
    Reset_City_League(0);
    for (const char* name : {"Austin", "Boston", "Chicago"})
        Add_Named_City(name);
    for (int s = 0; s < NUMBER_OF_CITY_STATS; ++s)
        Set_City_Stat(1, s, s * 1000 - 3);
    CITY_RECORD before[3];
    std::memcpy(before, Universe.Cities, sizeof before);
    Script_Message_Answer("Confirm City Export", ID_BOX_YES);
    Export_Cities();
    Reset_City_League(0);
    SHOWN_MESSAGE result = Import_Confirmed();
    EXPECT_EQ(result.Text, "3 cities imported from \"Cities.txt\"");
    ASSERT_EQ(Count_Cities(), 3);
    for (int n = 0; n < 3; ++n) {
        EXPECT_STREQ(Universe.Cities[n].Name, before[n].Name);
        for (int s = 0; s < NUMBER_OF_CITY_STATS; ++s)
            EXPECT_EQ(Get_City_Stat(n, s), before[n].Stats[s]);
        EXPECT_STREQ(Universe.Cities[n].Photo, "") << "the photo is not part of the file";
    }
}

TEST(Cities, ImportTruncatesDecimalsPacksAndSorts) {
    Reset_City_League(0);
    std::string text;
    for (int n = 0; n < 40; ++n) {
        if (n == 17)
            text += ",5,6,7\n";
        else
            text += "City" + std::to_string(100 - n) + ",12.9,-3.5\n";
    }
    Write_Cities_File(text);
    Import_Confirmed();
    EXPECT_EQ(Count_Cities(), 39) << "a line without a name gives no city";
    EXPECT_EQ(City_Name(0), "City100");
    EXPECT_EQ(City_Name(38), "City99");
    for (int n = 0; n + 1 < 39; ++n)
        EXPECT_LT(strcmp(Universe.Cities[n].Name, Universe.Cities[n + 1].Name), 0);
    EXPECT_EQ(Get_City_Stat(0, 0), 12);
    EXPECT_EQ(Get_City_Stat(0, 1), -3);
    EXPECT_EQ(Get_City_Stat(0, 2), 0) << "a missing field reads 0";
    EXPECT_EQ(Get_User_Preference(SELECTED_CITY), 0);
}

// Only a plain decimal number at the front of a field counts, truncated;
// other forms of number read as far as they are one, or as 0.
TEST(Cities, ImportReadsTheDecimalNumberEachFieldBeginsWith) {
    Reset_City_League(0);
    Write_Cities_File("Austin,12abc, -3.9,+7,.5,0x10,1e5,inf,nan,-2147483648.7,2147483647\n");
    EXPECT_EQ(Import_Confirmed().Caption, "City Import Complete");
    const int32_t expected[NUMBER_OF_CITY_STATS] = {12, -3, 7, 0, 0, 1, 0, 0, -2147483647 - 1, 2147483647};
    for (int32_t s = 0; s < NUMBER_OF_CITY_STATS; ++s)
        EXPECT_EQ(Get_City_Stat(0, s), expected[s]) << "statistic " << s;
}

TEST(Cities, ImportIgnoresFieldsBeyondTheEleventh) {
    Reset_City_League(0);
    const std::string long_line = "Austin,1,2,3,4,5,6,7,8,9,10,Ghost,11,12\n";
    Write_Cities_File(long_line + "Boston,1\n");
    Import_Confirmed();
    EXPECT_EQ(Count_Cities(), 2);
    EXPECT_EQ(City_Name(0), "Austin");
    EXPECT_EQ(Get_City_Stat(0, 9), 10);

    // As the last line of the file the extra fields must not become a city either.
    Write_Cities_File("Boston,1\n" + long_line);
    Import_Confirmed();
    EXPECT_EQ(Count_Cities(), 2);
    EXPECT_EQ(City_Name(0), "Austin");
    EXPECT_EQ(City_Name(1), "Boston");
}

TEST(Cities, LastLineWithoutLineEndIsReadWhole) {
    Reset_City_League(0);
    Write_Cities_File("Chicago,9,9,9,9,9,9,9,9,9,9\r\nAustin,1,2");
    Import_Confirmed();
    ASSERT_EQ(Count_Cities(), 2);
    EXPECT_EQ(City_Name(0), "Austin");
    EXPECT_EQ(Get_City_Stat(0, 0), 1);
    EXPECT_EQ(Get_City_Stat(0, 1), 2);
    for (int s = 2; s < NUMBER_OF_CITY_STATS; ++s)
        EXPECT_EQ(Get_City_Stat(0, s), 0) << "stat " << s;
    EXPECT_EQ(Get_City_Stat(1, 9), 9) << "a Windows line end is not part of the last field";

    Write_Cities_File("");
    const SHOWN_MESSAGE result = Import_Confirmed();
    EXPECT_EQ(result.Text, "The city import file \"Cities.txt\" holds no city.\n\nNo cities were changed.");
    EXPECT_EQ(Count_Cities(), 2) << "an empty file keeps the cities";
}

// One line for each of the hundred rows: a line without a name uses up its
// row, and nothing past line 100 is read, so a bad line 101 refuses nothing.
TEST(Cities, ImportReadsOneLineForEachOfTheHundredRows) {
    Reset_City_League(0);
    std::string text;
    for (int n = 0; n < 100; ++n)
        text += n % 10 == 3 ? std::string(",1,2\n") : "Town" + std::to_string(100 + n) + ",7\n";
    text += "Late,not a number\nLater,1\n";
    Write_Cities_File(text);
    const SHOWN_MESSAGE result = Import_Confirmed();
    EXPECT_EQ(result.Text, "90 cities imported from \"Cities.txt\"");
    ASSERT_EQ(Count_Cities(), 90) << "ten nameless lines used up their rows";
    for (int n = 0; n < 90; ++n)
        EXPECT_EQ(City_Name(n).rfind("Town", 0), 0u) << "row " << n << " holds " << City_Name(n);
}

// Files that yield no city, or hold zero bytes, are refused with a message
// and the cities stay as they were.
TEST(Cities, ImportWithoutACityOrWithZeroBytesKeepsTheCities) {
    CITY_RECORD before[MAX_CITIES];
    Keep_Two_Cities(before);
    const struct {
        const char* what;
        std::string text;
        const char* told;
    } cases[] = {
        {"nameless lines", ",1,2\n,3\n", "The city import file \"Cities.txt\" holds no city.\n\n"},
        {"a zero byte first", std::string("\0", 1),
         "Line 1 of the city import file \"Cities.txt\" is not valid: it holds a zero byte"},
        {"all zeros", std::string(5000, '\0'),
         "Line 1 of the city import file \"Cities.txt\" is not valid: it holds a zero byte"},
        {"a zero byte before a real file", std::string("\0", 1) + "Chicago,1\nDenver,2\n",
         "Line 1 of the city import file \"Cities.txt\" is not valid: it holds a zero byte"},
        {"a zero byte inside a later line", std::string("Chicago,1\nDen") + '\0' + "ver,2\n",
         "Line 2 of the city import file \"Cities.txt\" is not valid: it holds a zero byte"},
    };
    for (const auto& refused : cases) {
        SCOPED_TRACE(refused.what);
        Write_Cities_File(refused.text);
        const SHOWN_MESSAGE result = Import_Confirmed();
        EXPECT_EQ(result.Caption, "Import City Error");
        EXPECT_EQ(result.Text.rfind(refused.told, 0), 0u) << result.Text;
        EXPECT_EQ(std::memcmp(before, Universe.Cities, sizeof before), 0);
    }
}

// A Cities.txt that never ends (a link to /dev/zero) is read only as far as
// a line may run, and refused; so is one of a line of sixteen mebibytes,
// which is left unread past the first.
TEST(Cities, EndlessImportFileIsRefused) {
    CITY_RECORD before[MAX_CITIES];
    Keep_Two_Cities(before);
    Write_Cities_File(std::string(size_t{16} << 20, 'z') + "\nAustin,1\n");
    const long long read_before = Bytes_Read_So_Far();
    const SHOWN_MESSAGE long_line = Import_Confirmed();
    EXPECT_LT(Bytes_Read_So_Far() - read_before, 4LL << 20) << "read no further than a line may run";
    EXPECT_EQ(long_line.Caption, "Import City Error");
    EXPECT_EQ(std::memcmp(before, Universe.Cities, sizeof before), 0);
    ASSERT_FALSE(HasFailure()) << "a file that never ends would not be left either";
    std::remove(CITIES_FILE_NAME);
    std::filesystem::create_symlink("/dev/zero", CITIES_FILE_NAME);
    const SHOWN_MESSAGE result = Import_Confirmed();
    std::remove(CITIES_FILE_NAME);
    EXPECT_EQ(result.Caption, "Import City Error");
    EXPECT_EQ(result.Text.rfind("Line 1 of the city import file \"Cities.txt\" is not valid", 0), 0u)
        << result.Text;
    EXPECT_EQ(std::memcmp(before, Universe.Cities, sizeof before), 0);
}

TEST(Cities, ImportKeepsAtMostOneHundredCitiesAndCutsLongNames) {
    Reset_City_League(0);
    std::string text;
    for (int n = 0; n < 130; ++n)
        text += "Town" + std::to_string(1000 + n) + "WithAVeryLongName,1\n";
    Write_Cities_File(text);
    SHOWN_MESSAGE result = Import_Confirmed();
    EXPECT_EQ(Count_Cities(), 100);
    EXPECT_EQ(result.Text, "100 cities imported from \"Cities.txt\"");
    EXPECT_EQ(City_Name(0), "Town1000WithAVeryLo");
    EXPECT_EQ(Get_City_Stat(0, 0), 1);
}

TEST(Cities, MalformedImportIsRefusedAndLosesNothing) {
    CITY_RECORD before[MAX_CITIES];
    Keep_Two_Cities(before);

    // A statistic is the number its field begins with: a field of no number
    // is 0, not a reason to refuse the file.
    Write_Cities_File("Chicago,1,2\nDenver,12,abc,3\n");
    SHOWN_MESSAGE result = Import_Confirmed();
    EXPECT_EQ(result.Caption, "City Import Complete") << result.Text;
    ASSERT_EQ(Count_Cities(), 2);
    EXPECT_EQ(City_Name(1), "Denver");
    EXPECT_EQ(Get_City_Stat(1, 0), 12);
    EXPECT_EQ(Get_City_Stat(1, 1), 0) << "abc";
    EXPECT_EQ(Get_City_Stat(1, 2), 3);
    Keep_Two_Cities(before);

    Write_Cities_File("Chicago," + std::string(3000, '7') + "\n");
    result = Import_Confirmed();
    EXPECT_EQ(result.Caption, "Import City Error") << "an over-long line is refused";
    EXPECT_EQ(std::memcmp(before, Universe.Cities, sizeof before), 0);

    for (const char* beyond : {"99999999999", "2147483648", "-2147483649.5", "0002147483648x"}) {
        Write_Cities_File(std::string("Chicago,") + beyond + "\n");
        result = Import_Confirmed();
        EXPECT_EQ(result.Caption, "Import City Error") << beyond << " is beyond 32 bits";
        EXPECT_EQ(std::memcmp(before, Universe.Cities, sizeof before), 0);
    }

    std::remove(CITIES_FILE_NAME);
    result = Import_Confirmed();
    EXPECT_EQ(result.Caption, "Import City Error");
    EXPECT_EQ(result.Text, "Unable to open the city import file \"Cities.txt\".");
    EXPECT_EQ(std::memcmp(before, Universe.Cities, sizeof before), 0);

    Write_Cities_File("Chicago,1\n");
    Clear_Shown_Messages();
    Script_Message_Answer("Confirm City Import", ID_BOX_NO);
    Import_Cities();
    EXPECT_EQ(std::memcmp(before, Universe.Cities, sizeof before), 0) << "declining changes nothing";
}

TEST(Cities, SettersRefuseRowsAndStatisticsOutsideTheTable) {
    Reset_City_League(0);
    Set_City_Stat(100, 0, 5);
    Set_City_Stat(0, 10, 5);
    Set_City_Name(-1, "X");
    EXPECT_EQ(Get_City_Stat(100, 0), 0);
    EXPECT_EQ(Get_City_Stat(0, 10), 0);
    EXPECT_EQ(City_Name(100), "");
    EXPECT_EQ(Universe.Cities[0].Name[0], '\0');
}

namespace {
// A stream that serves `text` and then fails, as a disk that stops answering.
struct FAILING_SOURCE {
    std::string Text;
    size_t Served = 0;
};

ssize_t Read_Then_Fail(void* cookie, char* buffer, size_t size) {
    auto* source = static_cast<FAILING_SOURCE*>(cookie);
    if (source->Served == source->Text.size()) {
        errno = EIO;
        return -1;
    }
    const size_t count = std::min(size, source->Text.size() - source->Served);
    std::memcpy(buffer, source->Text.data() + source->Served, count);
    source->Served += count;
    return static_cast<ssize_t>(count);
}
} // namespace

TEST(Cities, ReadErrorRefusesTheImportAndChangesNothing) {
    CITY_RECORD before[MAX_CITIES];
    Keep_Two_Cities(before);

    std::remove(CITIES_FILE_NAME);
    std::filesystem::create_directory(CITIES_FILE_NAME);
    SHOWN_MESSAGE result = Import_Confirmed();
    std::filesystem::remove(CITIES_FILE_NAME);
    EXPECT_EQ(result.Caption, "Import City Error");
    EXPECT_EQ(result.Text, "The city import file \"Cities.txt\" could not be read (Is a directory).\n\n"
                           "No cities were changed.");
    EXPECT_EQ(std::memcmp(before, Universe.Cities, sizeof before), 0);

    FAILING_SOURCE source{"Chicago,1,2\nDenver,3,4\nEl Paso,5"};
    FILE* file = fopencookie(&source, "r", cookie_io_functions_t{Read_Then_Fail, nullptr, nullptr, nullptr});
    ASSERT_NE(file, nullptr);
    static CITY_RECORD read[MAX_CITIES];
    char error[512];
    EXPECT_EQ(Read_Cities_File(file, read, error, sizeof error), -1) << "a read failing part-way";
    fclose(file);
    EXPECT_STREQ(error, "The city import file \"Cities.txt\" could not be read (I/O error).");
}

TEST(Cities, FailedExportReportsAndKeepsTheOldFile) {
    Reset_City_League(0);
    for (int n = 0; n < 50; ++n)
        Add_Named_City(("City" + std::to_string(n)).c_str());
    Write_Cities_File("Old,1\n");
    // A disk that fills after 200 bytes.
    rlimit limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit full{200, limit.rlim_max};
    auto* previous = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &full), 0);
    Clear_Shown_Messages();
    Script_Message_Answer("Confirm City Export", ID_BOX_YES);
    Export_Cities();
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previous);

    ASSERT_FALSE(Get_Shown_Messages().empty());
    EXPECT_EQ(Get_Shown_Messages().back().Caption, "City Export Error");
    EXPECT_EQ(Get_Shown_Messages().back().Text, "The cities could not be written to \"Cities.txt\" (File too "
                                                "large).\n\nThe file was left as it was.");
    EXPECT_EQ(Read_Cities_File(), "Old,1\n");
    EXPECT_FALSE(std::filesystem::exists("Cities.txt.tmp"));
}

TEST(Cities, ExportThatCannotCreateItsFileTellsTheUser) {
    Reset_City_League(0);
    Add_Named_City("Austin");
    Write_Cities_File("Old,1\n");
    // A folder where the new file would be written first.
    std::filesystem::create_directory("Cities.txt.tmp");
    Clear_Shown_Messages();
    Script_Message_Answer("Confirm City Export", ID_BOX_YES);
    Export_Cities();
    std::filesystem::remove("Cities.txt.tmp");

    ASSERT_FALSE(Get_Shown_Messages().empty());
    EXPECT_EQ(Get_Shown_Messages().back().Caption, "City Export Error");
    EXPECT_EQ(Get_Shown_Messages().back().Text, "A new \"Cities.txt\" could not be created (File exists).\n\n"
                                                "No cities were exported; the file was left as it was.");
    EXPECT_EQ(Read_Cities_File(), "Old,1\n");
}

TEST(Cities, NamesWithCommasAndQuotesRoundTrip) {
    Reset_City_League(0);
    const char* const names[] = {"Washington, D.C.", "\"Big\" Apple", "A\"b,c", "Plain"};
    for (const char* name : names)
        Add_Named_City(name);
    Set_City_Stat(0, 0, 4242);
    Script_Message_Answer("Confirm City Export", ID_BOX_YES);
    Export_Cities();
    const std::string text = Read_Cities_File();
    EXPECT_EQ(text.substr(0, text.find('\n')),
              "\"Washington, D.C.\",4242,2500000,20000,25000,0,114000,42000,3,0,0");
    EXPECT_NE(text.find("\nPlain,"), std::string::npos) << "other names are written as they stand";
    Reset_City_League(0);
    EXPECT_EQ(Import_Confirmed().Text, "4 cities imported from \"Cities.txt\"");
    EXPECT_EQ(City_Name(0), "\"Big\" Apple");
    EXPECT_EQ(City_Name(1), "A\"b,c");
    EXPECT_EQ(City_Name(2), "Plain");
    EXPECT_EQ(City_Name(3), "Washington, D.C.");
    EXPECT_EQ(Get_City_Stat(3, 0), 4242);

    Write_Cities_File("\"Open quote,1\nQuote\"Inside,2\n");
    Import_Confirmed();
    EXPECT_EQ(City_Name(0), "\"Open quote") << "a quote that does not close reads as it stands";
    EXPECT_EQ(Get_City_Stat(0, 0), 1);
    EXPECT_EQ(City_Name(1), "Quote\"Inside");
}
