// The worked values of the season builder's readers and steps: position
// texts, team records, combine speeds, the statistics line form, draft class
// files, the young players' ceiling, the in-place repairs and the tag
// stripping of saved pages.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "app/diagnostics.h"
#include "database/cities.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/position_evaluation.h"
#include "database/roster_slots.h"
#include "database/saved_game.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "frontoffice/player_potential.h"
#include "personnel/player_development.h"
#include "platform/message_box.h"
#include "season/replay_stats.h"
#include "support/file_lines.h"
#include "support/scratch_folder.h"
#include "support/test_league.h"
#include "tools/city_lookup.h"
#include "tools/draft_class_database.h"
#include "tools/html_text.h"
#include "tools/league_history_totals.h"
#include "tools/league_input_files.h"
#include "tools/offensive_line_stats.h"
#include "tools/old_player_conversion.h"
#include "tools/playbook_import.h"
#include "tools/player_ratings_file.h"
#include "tools/position_abbreviations.h"
#include "tools/season_ratings.h"
#include "tools/seasons_csv.h"
#include "tools/stats_input.h"
#include "tools/team_records_csv.h"
#include "tools/young_player_ratings.h"

namespace {
namespace fs = std::filesystem;

void Clear_Reports() {
    Clear_Shown_Messages();
    Reset_Diagnostics();
}

STATS_LINE Split(const STATS_FILE& file, const char* text, bool* ok = nullptr) {
    STATS_LINE line;
    const bool split = Split_Stats_Line(&file, 2, text, &line);
    if (ok != nullptr) *ok = split;
    return line;
}

void Write_Text_File(const std::string& path, const std::string& text) {
    std::FILE* out = std::fopen(path.c_str(), "wb");
    ASSERT_NE(out, nullptr) << path;
    std::fwrite(text.data(), 1, text.size(), out);
    std::fclose(out);
}

// A line that runs on just past what a read passes over: the 2,047
// characters a line holds, the one that tells it runs on, then a mebibyte
// more; its line end comes one character after the read has stopped.
std::string Line_Past_The_Pass_Bound() {
    return std::string(STATS_LINE_LIMIT + (size_t{1} << 20), 'x');
}

STATS_FILE Named_File(const char* name, int32_t header_fields = 0) {
    STATS_FILE file;
    snprintf(file.Name, sizeof file.Name, "%s", name);
    file.Header_Fields = header_fields;
    return file;
}

// A class of 300 players of another league: the test league's bodies under
// names of their own.
std::unique_ptr<PLAYER_RECORD[]> Make_Class_Records() {
    std::unique_ptr<PLAYER_RECORD[]> records(new PLAYER_RECORD[DRAFT_CLASS_RECORDS]());
    for (int32_t n = 0; n < DRAFT_CLASS_POOL_RECORDS; ++n) {
        records[n] = *Get_Player_Record_Pointer(n % TEST_LEAGUE_TEAMS, n / TEST_LEAGUE_TEAMS);
        snprintf(records[n].Last_Name, sizeof records[n].Last_Name, "Prospect%d", n);
    }
    return records;
}

std::string Full_Name(int32_t team) {
    char name[128];
    char city[TEAM_STRING_LENGTH], nickname[TEAM_STRING_LENGTH];
    Get_Team_String(city, team, 1);
    Get_Team_String(nickname, team, 2);
    snprintf(name, sizeof name, "%s %s", city, nickname);
    return name;
}
} // namespace

TEST(PositionTexts, APrimaryPartDecidesACombinedText) {
    EXPECT_EQ(Parse_Position_Abbreviation("WR/KR"), 4) << "KR is known but not primary";
    EXPECT_EQ(Parse_Position_Abbreviation("KR/PR"), 18) << "no primary part: the first known one";
    EXPECT_EQ(Parse_Position_Abbreviation("DB/S"), 12) << "S is primary";
    EXPECT_EQ(Parse_Position_Abbreviation("qb"), 0) << "the table ignores case";
    EXPECT_EQ(Parse_Position_Abbreviation("XX"), -1);
    EXPECT_FALSE(Is_Primary_Position_Abbreviation("qb")) << "primary texts are compared exactly";
    EXPECT_EQ(Lookup_Position_Abbreviation(""), -1);

    Build_Test_League();
    Set_Player_Byte_Field(2, 0, PLAYER_BYTE_UNIFORM, 24);
    Set_Player_Position_From_Text(2, 0, "DB");
    EXPECT_EQ(Get_Player_Vital_Stat(2, 0, VITAL_POSITION), POSITION_CB);
    Set_Player_Byte_Field(2, 0, PLAYER_BYTE_UNIFORM, 31);
    Set_Player_Position_From_Text(2, 0, "DB");
    EXPECT_EQ(Get_Player_Vital_Stat(2, 0, VITAL_POSITION), POSITION_S);
}

// Team records set the team score from the record, the points and the finish.
TEST(TeamRecords, ScoreWinningShareAndAPlaceThatIsNoPlace) {
    Build_Test_League();
    const std::string team = Full_Name(5);
    const STATS_FILE file = Named_File("input/stats/team_records.csv", 10);
    const std::string year = std::to_string(Get_Current_Year());

    Clear_Reports();
    Read_Team_Record_Line(Split(file, (year + ",NFL," + team + ",12,4,0,1,Lost Div,400,300").c_str()));
    EXPECT_EQ(Get_Team_Stat(5, TEAM_STAT_TEAM_SCORE), 1039) << "first place, lost in the division round";
    EXPECT_EQ(Get_Team_Stat(5, TEAM_STAT_REAL_WINNING_SHARE), 750);
    EXPECT_EQ(Get_Team_Stat(5, TEAM_STAT_REAL_POINTS_FOR), 400);
    EXPECT_EQ(Get_Team_Stat(5, TEAM_STAT_REAL_POINTS_AGAINST), 300);
    Read_Team_Record_Line(Split(file, (year + ",NFL," + team + ",12,4,0,2,Lost WC,400,300").c_str()));
    EXPECT_EQ(Get_Team_Stat(5, TEAM_STAT_TEAM_SCORE), 1029) << "second place, lost in the wild-card round";
    EXPECT_STREQ(Last_Error_Text, "");

    // '-' is no place: read as a code it would be 53 - 45 = 8, a title.
    Begin_Stats_Input_Checks();
    Read_Team_Record_Line(Split(file, (year + ",NFL," + team + ",5,7,0,-,,200,250").c_str()));
    EXPECT_TRUE(Have_Stats_Inputs_Failed());
    End_Stats_Input_Checks();
    EXPECT_NE(std::string(Last_Error_Text).find("team_records.csv, line 2, field 7"), std::string::npos)
        << Last_Error_Text;
    EXPECT_EQ(Get_Team_Stat(5, TEAM_STAT_TEAM_SCORE), 1029) << "the malformed line set nothing";

    // Another year's line is not this season's.
    Read_Team_Record_Line(Split(file, ("1990,NFL," + team + ",1,15,0,5,,100,500").c_str()));
    EXPECT_EQ(Get_Team_Stat(5, TEAM_STAT_TEAM_SCORE), 1029);
}

// A division takes no more teams than its places in the standings: the
// fourteenth is refused with its line and field named.
TEST(TeamLines, ADivisionTakesThirteenTeamsAtMost) {
    Clear_Universe();
    Universe.Header.Universe_Stats[BASE_YEAR] = 2020;
    const STATS_FILE file = Named_File("input/stats/2020_teams.csv", 17);
    Clear_Reports();
    Begin_Stats_Input_Checks();
    for (char n = 0; n < 14; ++n) {
        const std::string line =
            std::string("T") + static_cast<char>('A' + n) +
            ",Place,Names,Field,60000,OPEN,GRASS,1990,1000000,1000,1000,1000,1000,50,3,,0";
        Read_Team_Line(Split(file, line.c_str()));
    }
    EXPECT_TRUE(Have_Stats_Inputs_Failed());
    End_Stats_Input_Checks();
    EXPECT_EQ(Count_Division_Teams(3), 13);
    EXPECT_NE(std::string(Last_Error_Text).find("2020_teams.csv, line 2, field 15"), std::string::npos)
        << Last_Error_Text;
}

// A team line without a home city names none of the unused city records:
// it is told, and the team takes the first city, as for an unknown name.
TEST(TeamLines, AnEmptyCityNameIsNoCity) {
    Build_Test_League();
    // Named cities first, the rest of the table unused.
    for (int32_t city = 0; city < MAX_CITIES; ++city)
        Set_City_Name(city, city < 6 ? ("City " + std::to_string(city)).c_str() : "");
    EXPECT_EQ(Find_City_By_Name(""), -1);
    EXPECT_EQ(Find_City_By_Name("city 5"), 5) << "case is ignored";
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team)
        Set_Team_Stat(team, TEAM_STAT_CONTROL, TEAM_CONTROL_EMPTY);
    Refresh_Active_Team_Count();
    const STATS_FILE file = Named_File("input/stats/2020_teams.csv", 17);
    Clear_Reports();
    Read_Team_Line(
        Split(file, "TA,Place,Names,Field,60000,OPEN,GRASS,1990,1000000,1000,1000,1000,1000,50,3,,0"));
    ASSERT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "Invalid City Name");
    EXPECT_EQ(Get_Shown_Messages()[0].Text, "Can't find '' among City Names. Using first city in list.");
    EXPECT_EQ(Get_Team_Stat(0, TEAM_STAT_HOME_CITY), 0);
}

TEST(CombineSpeed, FortyTimesGiveSpeedsOfTheirAge) {
    EXPECT_NEAR(Get_Combine_Speed(4.40, 22), 87.96, 1e-3);
    EXPECT_NEAR(Get_Combine_Speed(4.40, 30), 77.96, 1e-3);
    EXPECT_NEAR(Get_Combine_Speed(6.0, 22), 17.675, 1e-3) << "both floors lift a slow time";
}

// The statistics line form: quoted fields whole, strict numbers, money
// within 32 bits, bounded lines and field counts, and every report naming
// file, line and field.
TEST(StatsLines, QuotedFieldsStrictNumbersAndNamedErrors) {
    const STATS_FILE file = Named_File("input/stats/2022_salaries.csv", 4);
    bool ok = false;
    STATS_LINE line = Split(file, "K1,\"$1,250,000\",\"Smith, Jr.\",3", &ok);
    ASSERT_TRUE(ok);
    EXPECT_EQ(line.Count, 4);
    int64_t money = 0;
    EXPECT_TRUE(Read_Money_Field(line, 2, &money));
    EXPECT_EQ(money, 1250000);
    EXPECT_STREQ(line.Field(3), "Smith, Jr.");
    EXPECT_STREQ(line.Field(9), "") << "beyond the last field";

    Clear_Reports();
    Begin_Stats_Input_Checks();
    line = Split(file, "K1,$99999999999,x,1", &ok);
    ASSERT_TRUE(ok);
    EXPECT_FALSE(Read_Money_Field(line, 2, &money)) << "beyond 32 bits";
    EXPECT_NE(std::string(Last_Error_Text).find("2022_salaries.csv, line 2, field 2"), std::string::npos)
        << Last_Error_Text;
    int32_t number = 0;
    line = Split(file, "K1,12x,,", &ok);
    EXPECT_FALSE(Read_Int_Field(line, 2, &number)) << "a number followed by text";
    EXPECT_TRUE(Read_Int_Field(line, 3, &number)) << "an empty field reads 0";
    EXPECT_EQ(number, 0);
    double decimal = 0;
    for (const char* text : {"K1,nan,,", "K1,inf,,", "K1,1e400,,"}) {
        line = Split(file, text, &ok);
        EXPECT_FALSE(Read_Decimal_Field(line, 2, &decimal)) << text;
    }
    line = Split(file, "K1,65.7,,", &ok);
    EXPECT_TRUE(Read_Whole_Part_Field(line, 2, &number));
    EXPECT_EQ(number, 65);

    Clear_Reports();
    Split(file, "a,b,c,d,e", &ok);
    EXPECT_FALSE(ok) << "more fields than the header names";
    EXPECT_NE(std::string(Last_Error_Text).find("2022_salaries.csv, line 2"), std::string::npos);
    Split(file, "a,\"b,c", &ok);
    EXPECT_FALSE(ok) << "a quote left open";
    EXPECT_TRUE(Have_Stats_Inputs_Failed());
    End_Stats_Input_Checks();
    Begin_Stats_Input_Checks();
    EXPECT_FALSE(Have_Stats_Inputs_Failed()) << "a new build starts clean";
    End_Stats_Input_Checks();
}

TEST(StatsLines, AnOverLongLineIsReportedAndTheNextLineRead) {
    {
        std::FILE* out = std::fopen("long.csv", "wb");
        ASSERT_NE(out, nullptr);
        std::fputs("a,b\n", out);
        std::fputs((std::string(3000, 'x') + ",1\n").c_str(), out);
        std::fputs("c,2\n", out);
        std::fclose(out);
    }
    Clear_Reports();
    STATS_FILE file;
    ASSERT_TRUE(Open_Stats_File(&file, "long.csv"));
    ASSERT_TRUE(Read_Stats_Header(&file));
    STATS_LINE line;
    EXPECT_EQ(Read_Stats_Line(&file, &line), -1);
    EXPECT_NE(std::string(Last_Error_Text).find("long.csv, line 2"), std::string::npos) << Last_Error_Text;
    ASSERT_EQ(Read_Stats_Line(&file, &line), 1);
    EXPECT_EQ(line.Line_Number, 3);
    EXPECT_STREQ(line.Field(1), "c");
    EXPECT_EQ(Read_Stats_Line(&file, &line), 0);
    Close_Stats_File(&file);
    fs::remove("long.csv");
}

// A line that runs on past a mebibyte ends the statistics file there: a
// line just past what a read passes over leaves the line after it unread, a
// file of one huge line is not read whole, and a team records file linked to
// /dev/zero is reported once and read no further.
TEST(StatsLines, ALineThatNeverEndsEndsTheFile) {
    const SCRATCH_FOLDER folder("endless-line-test");
    fs::create_directories("input/stats");
    {
        STATS_FILE file;
        Write_Text_File("past.csv", "a,b\n" + Line_Past_The_Pass_Bound() + "\nc,d\n");
        ASSERT_TRUE(Open_Stats_File(&file, "past.csv"));
        ASSERT_TRUE(Read_Stats_Header(&file));
        STATS_LINE line;
        EXPECT_EQ(Read_Stats_Line(&file, &line), -1) << "the long line is reported";
        EXPECT_EQ(Read_Stats_Line(&file, &line), 0) << "and the file ends there, before \"c,d\"";
        Close_Stats_File(&file);
    }
    const long huge = 3L << 20;
    {
        std::FILE* out = std::fopen("huge.csv", "wb");
        ASSERT_NE(out, nullptr);
        std::fputs("a,b\n", out);
        std::fputs(std::string(static_cast<size_t>(huge), 'x').c_str(), out);
        std::fclose(out);
    }
    STATS_FILE file;
    ASSERT_TRUE(Open_Stats_File(&file, "huge.csv"));
    ASSERT_TRUE(Read_Stats_Header(&file));
    STATS_LINE line;
    EXPECT_EQ(Read_Stats_Line(&file, &line), -1) << "the huge line is reported";
    EXPECT_LT(std::ftell(file.File), huge) << "and passed over no further than a line may run";
    EXPECT_EQ(Read_Stats_Line(&file, &line), 0) << "the file ends there";
    Close_Stats_File(&file);
    ASSERT_FALSE(HasFailure()) << "a line that never ends would not end the file either";

    fs::create_symlink("/dev/zero", TEAM_RECORDS_FILE);
    Clear_Reports();
    Load_Team_Records_CSV();
    EXPECT_NE(std::string(Last_Error_Text).find("team_records.csv, line 1: longer than 2,047 characters"),
              std::string::npos)
        << Last_Error_Text;
    fs::remove(TEAM_RECORDS_FILE);
}

// A seasons file that never ends (a link to /dev/zero, a gigabyte of zeros
// with no line end) is counted and read only as far as a line may run: the
// replay season's read ends with the long-line report, as the other readers
// do; a ratings file likewise. First a file whose first line runs just past
// that, with lines after it: neither the count nor the read goes on to them.
TEST(StatsLines, AnEndlessSeasonsFileIsReadOnlyAsFarAsALineRuns) {
    const SCRATCH_FOLDER folder("endless-seasons-test");
    fs::create_directories("input/stats");
    Build_Test_League();
    const long long most = 16LL << 20;
    auto load = [&](const char* what, long long bytes) {
        Clear_Reports();
        const long long before = Bytes_Read_So_Far();
        ASSERT_GE(before, 0) << "the read count of the process is not available";
        EXPECT_EQ(Load_Seasons_CSV(1), 1) << what;
        EXPECT_LT(Bytes_Read_So_Far() - before, bytes) << what << " is not read whole";
        EXPECT_NE(std::string(Last_Error_Text).find("seasons.csv, line 1: longer than 2,047 characters"),
                  std::string::npos)
            << what << ": " << Last_Error_Text;
        EXPECT_TRUE(Get_Shown_Messages().empty()) << what << " opened";
    };
    // The count and the read each pass over a mebibyte and a little more;
    // the lines after the long one, sixteen mebibytes, are left unread.
    const std::string past = Line_Past_The_Pass_Bound() + "\n" + std::string(8 << 20, 'x') + "\n" +
                             std::string(8 << 20, 'y') + "\n";
    const long long both_passes = 8LL << 20;
    Write_Text_File(SEASONS_CSV_NAME, past);
    load("a line just past the bound", both_passes);
    Write_Text_File("past_ratings.csv", past);
    const long long ratings_before = Bytes_Read_So_Far();
    EXPECT_EQ(Load_Player_Ratings_File(0, "past_ratings.csv"), 1);
    EXPECT_LT(Bytes_Read_So_Far() - ratings_before, both_passes) << "the ratings file is not read whole";
    fs::remove("past_ratings.csv");
    ASSERT_FALSE(HasFailure()) << "a file that never ends would not be left either";

    fs::remove(SEASONS_CSV_NAME);
    fs::create_symlink("/dev/zero", SEASONS_CSV_NAME);
    load("a link to /dev/zero", most);
    fs::remove(SEASONS_CSV_NAME);
    {
        std::FILE* out = std::fopen(SEASONS_CSV_NAME, "wb");
        ASSERT_NE(out, nullptr);
        std::fclose(out);
    }
    fs::resize_file(SEASONS_CSV_NAME, 1LL << 30);
    load("a sparse file of a gigabyte", most);
    fs::remove(SEASONS_CSV_NAME);

    fs::create_symlink("/dev/zero", "endless_ratings.csv");
    const long long before = Bytes_Read_So_Far();
    EXPECT_EQ(Load_Player_Ratings_File(0, "endless_ratings.csv"), 1);
    EXPECT_LT(Bytes_Read_So_Far() - before, most) << "the ratings file is not read whole";
    fs::remove("endless_ratings.csv");
}

// The offensive line's figures come from its blocking grades by position: a
// player whose position is an expanded code of the line (a left tackle) is
// filled as the tackle he is, and no one off the line is touched.
TEST(OffensiveLineStats, AnExpandedLinePositionIsFilledAsItsBasicPosition) {
    Build_Test_League();
    const int32_t tackle = Test_League_Slot(POSITION_T, 0);
    const int32_t guard = Test_League_Slot(POSITION_G, 0);
    const int32_t runner = Test_League_Slot(POSITION_RB, 0);
    constexpr int32_t LEFT_TACKLE = 21;
    Set_Player_Vital_Stat(2, tackle, VITAL_POSITION, LEFT_TACKLE);
    for (int32_t slot : {tackle, guard, runner}) {
        Set_Player_Stat(2, slot, SEASON_PREDICTED, 6, 80);
        Set_Player_Stat(2, slot, SEASON_PREDICTED, 5, 70);
        Set_Player_Stat(2, slot, SEASON_PREDICTED, 7, 1);
    }
    Fill_Offensive_Line_Stats();
    EXPECT_EQ(Get_Player_Stat(2, tackle, SEASON_PREDICTED, 4), 20 * 14 / 30) << "a tackle's sack factor";
    EXPECT_EQ(Get_Player_Stat(2, tackle, SEASON_PREDICTED, 8), (70 - 19) * 15);
    EXPECT_EQ(Get_Player_Stat(2, tackle, SEASON_PREDICTED, 7), 225);
    EXPECT_EQ(Get_Player_Stat(2, guard, SEASON_PREDICTED, 4), 20 * 18 / 30);
    EXPECT_EQ(Get_Player_Stat(2, guard, SEASON_PREDICTED, 8), (70 - 22) * 15);
    EXPECT_EQ(Get_Player_Stat(2, runner, SEASON_PREDICTED, 7), 1) << "a runner is no lineman";
}

// A season without a rookie still writes its whole class file, of zeros.
TEST(DraftClassFile, ASeasonWithoutRookiesWritesAZeroFile) {
    Build_Test_League();
    For_Each_League_Player(
        [](int32_t team, int32_t slot) { Set_Player_Vital_Stat(team, slot, VITAL_GENERATED_PLAYER, 1); });
    fs::create_directories("databases");
    fs::remove("Draft-Class-Rookies.csv");
    ASSERT_EQ(Write_Draft_Class_Database(), 0);
    const std::string name = "databases/rookies-" + std::to_string(Get_Universe_Stat(BASE_YEAR)) + ".dat";
    ASSERT_EQ(fs::file_size(name), static_cast<uintmax_t>(DRAFT_CLASS_FILE_SIZE));
    std::unique_ptr<char[]> bytes(new char[DRAFT_CLASS_FILE_SIZE]);
    std::FILE* in = std::fopen(name.c_str(), "rb");
    ASSERT_EQ(std::fread(bytes.get(), 1, DRAFT_CLASS_FILE_SIZE, in),
              static_cast<size_t>(DRAFT_CLASS_FILE_SIZE));
    std::fclose(in);
    int32_t nonzero = 0;
    for (int32_t n = 0; n < DRAFT_CLASS_FILE_SIZE; ++n)
        nonzero += bytes[n] != 0;
    EXPECT_EQ(nonzero, 0);
    char counts[64] = "";
    in = std::fopen("Draft-Class-Rookies.csv", "rb");
    ASSERT_NE(in, nullptr);
    ASSERT_NE(std::fgets(counts, sizeof counts, in), nullptr);
    std::fclose(in);
    EXPECT_EQ(std::string(counts).substr(0, std::string(counts).find_first_of("\r\n")),
              std::to_string(Get_Universe_Stat(BASE_YEAR)) + ",0");
    fs::remove(name);
    std::error_code left; // kept when another test put files there
    fs::remove("databases", left);
    fs::remove("Draft-Class-Rookies.csv");
}

// The pool filled from a class file: an empty record leaves its slot
// cleared; a whole record becomes a prospect with a fresh id whose season
// lines are his own (the file's links named the writing league's lines);
// a record of a person the league already holds is not taken.
TEST(DraftClassFile, LoadingFillsThePoolWithFreshProspects) {
    Build_Test_League();
    const int32_t year = Get_Current_Year() + 1;
    std::unique_ptr<PLAYER_RECORD[]> records = Make_Class_Records();
    records[155] = *Get_Player_Record_Pointer(3, 4);
    memset(&records[150], 0, sizeof records[150]);
    fs::create_directories("databases");
    const std::string name = "databases/rookies-" + std::to_string(year) + ".dat";
    ASSERT_EQ(Write_Draft_Class_File(name.c_str(), records.get()), 0);

    // The lines of a franchise player, which the file's links name as well.
    const int32_t lines_before = Count_Player_Season_Lines(0, 0);
    ASSERT_GT(lines_before, 0);
    const int32_t first_line = Get_Player_Season_Line(0, 0, 0);
    const int32_t first_line_year = Get_Season_Line_Year(first_line);

    Clear_Reports();
    Load_Draft_Class_Database();
    EXPECT_TRUE(Get_Shown_Messages().empty());
    EXPECT_FALSE(Is_Player_Slot_Used(39, 50)) << "record 150 is empty";
    EXPECT_TRUE(Is_Player_Slot_Used(39, 51));
    EXPECT_FALSE(Is_Player_Slot_Used(39, 55)) << "a person the league already holds";
    EXPECT_TRUE(Is_Player_Slot_Used(38, 0));
    EXPECT_TRUE(Is_Player_Slot_Used(40, 99));
    EXPECT_STREQ(Get_Player_Record_Pointer(38, 0)->Last_Name, records[0].Last_Name);
    EXPECT_NE(Get_Player_ID(38, 0), records[0].Vital_Stats[VITAL_PLAYER_ID]) << "a fresh id";
    EXPECT_EQ(Get_Player_Vital_Stat(38, 0, VITAL_CREDITED_SEASONS), -1);
    EXPECT_EQ(Count_Player_Season_Lines(0, 0), lines_before) << "the franchise player keeps his lines";
    EXPECT_EQ(Get_Player_Season_Line(0, 0, 0), first_line);
    EXPECT_EQ(Get_Season_Line_Year(first_line), first_line_year);
    for (int32_t n = 0; n < Count_Player_Season_Lines(38, 0); ++n)
        EXPECT_NE(Get_Player_Season_Line(38, 0, n), first_line);
    fs::remove(name);
    std::error_code left; // kept when another test put files there
    fs::remove("databases", left);
}

// A damaged class file (a record of broken texts, an unknown position or
// wild ratings, or a file cut short) says so as a missing one does, and
// nothing of it is loaded: the pool is generated instead.
TEST(DraftClassFile, ADamagedFileSaysSoAndLoadsNothing) {
    Build_Test_League();
    const int32_t year = Get_Current_Year() + 1;
    const std::string name = "databases/rookies-" + std::to_string(year) + ".dat";
    fs::create_directories("databases");
    const std::function<void(PLAYER_RECORD*)> damages[] = {
        [](PLAYER_RECORD* records) { memset(records[151].Last_Name, 'x', sizeof records[151].Last_Name); },
        [](PLAYER_RECORD* records) { records[152].Vital_Stats[VITAL_POSITION] = 99; },
        [](PLAYER_RECORD* records) { records[153].Ratings[RATING_SPEED] = std::nanf(""); },
        [](PLAYER_RECORD* records) { records[154].Ratings[RATING_ACCURACY] = 3.0e9f; },
        nullptr,
    };
    for (const auto& damage : damages) {
        SCOPED_TRACE(&damage - damages);
        std::unique_ptr<PLAYER_RECORD[]> records = Make_Class_Records();
        if (damage) damage(records.get());
        ASSERT_EQ(Write_Draft_Class_File(name.c_str(), records.get()), 0);
        if (!damage) fs::resize_file(name, DRAFT_CLASS_FILE_SIZE - 1);
        for (int32_t team = FIRST_COLLEGE_POOL_TEAM; team < FIRST_COLLEGE_POOL_TEAM + 3; ++team)
            for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
                Clear_Player(team, slot);
        Clear_Reports();
        Load_Draft_Class_Database();
        ASSERT_EQ(Get_Shown_Messages().size(), 1u);
        EXPECT_EQ(Get_Shown_Messages()[0].Caption, "Generating Random Rookies");
        EXPECT_EQ(Get_Shown_Messages()[0].Text, name + " is damaged. Generating random rookies.");
        int32_t loaded = 0;
        for (int32_t team = FIRST_COLLEGE_POOL_TEAM; team < FIRST_COLLEGE_POOL_TEAM + 3; ++team)
            for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
                loaded += Is_Player_Slot_Used(team, slot) ? 1 : 0;
        EXPECT_EQ(loaded, 0);
    }
    fs::remove(name);
    std::error_code left; // kept when another test put files there
    fs::remove("databases", left);
}

TEST(DraftClassFile, AMissingFileSaysSoUpTo2022AndNotAfter) {
    Build_Test_League();
    Clear_Reports();
    Load_Draft_Class_Database();
    ASSERT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "Generating Random Rookies");
    Universe.Header.Universe_Stats[BASE_YEAR] = 2030;
    Clear_Reports();
    Load_Draft_Class_Database();
    EXPECT_TRUE(Get_Shown_Messages().empty());
}

TEST(YoungPlayerRatings, AnEvaluationAboveTheCeilingIsBroughtToIt) {
    EXPECT_EQ(Get_Young_Player_Rating_Ceiling(0), 78);
    EXPECT_EQ(Get_Young_Player_Rating_Ceiling(2), 90);
    Build_Test_League();
    const int32_t year = Get_Current_Year();
    const int32_t slot = Test_League_Slot(POSITION_QB, 0);
    auto prepare = [&](int32_t team, int32_t age, float evaluation) {
        Set_Player_Vital_Stat(team, slot, VITAL_BIRTH_DATE, (year - age) * 10000 + 101);
        Set_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS, 2);
        Rescale_Player_Ratings(team, slot, evaluation);
    };
    prepare(1, 24, 91.5f);
    prepare(2, 24, 90.5f);
    prepare(3, 25, 95.5f);
    const float exact = Get_Player_Position_Rating(2, slot, POSITION_QB);
    const float older = Get_Player_Position_Rating(3, slot, POSITION_QB);
    ASSERT_EQ(static_cast<int32_t>(Get_Player_Position_Rating(1, slot, POSITION_QB)), 91);
    const int32_t potential = static_cast<int32_t>(Get_Player_Potential(1, slot));
    Adjust_Young_Player_Ratings();
    EXPECT_EQ(static_cast<int32_t>(Get_Player_Position_Rating(1, slot, POSITION_QB)), 90);
    EXPECT_NEAR(Get_Player_Potential(1, slot), potential, 1.0f) << "his projected peak is kept";
    EXPECT_EQ(Get_Player_Position_Rating(2, slot, POSITION_QB), exact) << "90 is not above the ceiling";
    EXPECT_EQ(Get_Player_Position_Rating(3, slot, POSITION_QB), older) << "25 is not young";
}

// Load-time sweeps close up the rosters they remove players from, as the
// position queries stop at the first empty slot: the others keep their order
// (the depth chart), and a returner follows his player.
TEST(LoadRepairs, RemovedPlayersLeaveTheirSlotsEmptyInPlace) {
    Build_Test_League();
    const int32_t next_id = Get_Player_ID(4, 11);
    const int32_t players = Get_First_Empty_Player_Slot(4);
    Universe.Teams[4].Returners[0] = 11;
    Set_Player_Vital_Stat(4, 10, VITAL_POSITION, 20);
    Remove_Invalid_Position_Players();
    EXPECT_TRUE(Is_Player_Slot_Used(4, 10)) << "no hole is left";
    EXPECT_EQ(Get_Player_ID(4, 10), next_id) << "the roster is compacted";
    EXPECT_EQ(Get_First_Empty_Player_Slot(4), players - 1);
    EXPECT_EQ(Universe.Teams[4].Returners[0], 10) << "the returner follows his player";

    // A returner who also blocks like a lineman is no player; a NaN rating
    // is the baseline, a low one 20.
    const int32_t blocker_next = Get_Player_ID(6, 21);
    Set_Player_Rating(6, 20, RATING_KICK_RETURNS, 75.0f);
    Set_Player_Rating(6, 20, RATING_RUN_BLOCKING, 71.5f);
    Set_Player_Rating(6, 30, RATING_PUNT_RETURNS, std::nanf(""));
    Set_Player_Rating(6, 30, RATING_PASS_BLOCKING, 5.0f);
    Set_Player_Rating(6, 30, RATING_KICK_RETURNS, 50.0f);
    Set_Player_Rating(6, 30, RATING_RUN_BLOCKING, 50.0f);
    Repair_Player_Ratings();
    EXPECT_TRUE(Is_Player_Slot_Used(6, 20));
    EXPECT_EQ(Get_Player_ID(6, 20), blocker_next);
    // Slot 30's player is in slot 29 now.
    EXPECT_TRUE(std::isfinite(Get_Player_Rating(6, 29, RATING_PUNT_RETURNS)));
    EXPECT_EQ(Get_Player_Rating(6, 29, RATING_PASS_BLOCKING), 20.0f);
}

TEST(HistoryTotals, TeamCountsAndDefensiveFronts) {
    EXPECT_EQ(Get_Historical_Team_Count(1959), 12);
    EXPECT_EQ(Get_Historical_Team_Count(1960), 13);
    EXPECT_EQ(Get_Historical_Team_Count(1995), 30);
    EXPECT_EQ(Get_Historical_Team_Count(2002), 32);
    char front[8] = "";
    ASSERT_TRUE(Get_Defensive_Front(front, 0, 2018));
    EXPECT_STREQ(front, "4-3");
    ASSERT_TRUE(Get_Defensive_Front(front, 0, 2017));
    EXPECT_STREQ(front, "3-4");
    EXPECT_FALSE(Get_Defensive_Front(front, 0, 2015));
    EXPECT_FALSE(Get_Defensive_Front(front, 32, 2018));
}

TEST(HtmlText, TagsAreRemovedAndAnOpenTagKept) {
    char text[4096] = "<td class=\"x\">Joe</td> <b>12</b>";
    Strip_HTML_Tags(text);
    EXPECT_STREQ(text, "Joe 12");
    snprintf(text, sizeof text, "a < b");
    Strip_HTML_Tags(text);
    EXPECT_STREQ(text, "a < b");
    memset(text, 'y', sizeof text - 1);
    text[sizeof text - 1] = '\0';
    Strip_HTML_Tags(text);
    EXPECT_EQ(strlen(text), static_cast<size_t>(STRIPPED_TEXT_LIMIT));
}

// A folder where a statistics file belongs is no file: the replay season's
// load says the file cannot be opened and changes nothing.
TEST(StatsFiles, AFolderInPlaceOfTheSeasonsFileIsNoFile) {
    const SCRATCH_FOLDER folder("stats-folder-test");
    fs::create_directories("input/stats/seasons.csv");
    Build_Test_League();
    Clear_Reports();
    STATS_FILE file;
    EXPECT_FALSE(Open_Stats_File(&file, "input/stats/seasons.csv"));
    EXPECT_EQ(file.File, nullptr);
    std::unique_ptr<uint8_t[]> league(new uint8_t[UNIVERSE_SIZE]);
    memcpy(league.get(), Universe_Bytes(), UNIVERSE_SIZE);
    EXPECT_EQ(Load_Replay_Season_Stats(), 0);
    ASSERT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "Read Error");
    EXPECT_EQ(Get_Shown_Messages()[0].Text.rfind("Unable to open input/stats/seasons.csv.", 0), 0u)
        << Get_Shown_Messages()[0].Text;
    EXPECT_EQ(memcmp(league.get(), Universe_Bytes(), UNIVERSE_SIZE), 0) << "the league is as it was";
    Clear_Reports();
    EXPECT_EQ(Load_Seasons_CSV(1), 0);
    EXPECT_EQ(Get_Shown_Messages().size(), 1u);
}
