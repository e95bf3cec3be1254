#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "database/historical_norms.h"
#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/random_numbers.h"
#include "database/roster_slots.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "frontoffice/player_potential.h"
#include "personnel/contract_length.h"
#include "personnel/draft_pool.h"
#include "personnel/draft_pool_players.h"
#include "personnel/draft_pool_sort.h"
#include "personnel/draft_state.h"
#include "personnel/personnel_settings.h"
#include "personnel/player_development.h"
#include "personnel/player_dimensions.h"
#include "personnel/player_generation.h"
#include "personnel/player_identity.h"
#include "personnel/player_names.h"
#include "personnel/position_codes.h"
#include "personnel/random_ratings.h"
#include "platform/message_box.h"
#include "support/debug_log.h"
#include "support/test_league.h"
#include "tools/player_overall_adjustment.h"

namespace {
constexpr int32_t POOL = FIRST_COLLEGE_POOL_TEAM;

void Start_Generation_Test(uint32_t seed) {
    Build_Test_League();
    Seed_Random_Numbers(seed);
    Clear_Name_Buffers();
    Clear_Shown_Messages();
}

void Set_Neutral_Talent() {
    memset(Universe.Header.Draft_Talent, 0, sizeof Universe.Header.Draft_Talent);
    Universe.Header.Universe_Stats[DRAFT_TALENT_FACTOR] = 0;
}

std::set<std::string> Read_Lines(const char* file_name) {
    std::set<std::string> lines;
    std::ifstream in(file_name);
    for (std::string line; std::getline(in, line);)
        lines.insert(line);
    return lines;
}

std::vector<float> Pool_Evaluations() {
    std::vector<float> evaluations;
    int32_t team = 0;
    int32_t slot = 0;
    for (int32_t i = 0; Get_Draft_Pool_Player(i, &team, &slot); ++i)
        evaluations.push_back(Evaluate_Player_At_Own_Position(team, slot));
    return evaluations;
}
} // namespace

TEST(PlayerCreation, ClassSizeFollowsTheNumberOfTeams) {
    Build_Test_League();
    EXPECT_EQ(Get_College_Draft_Class_Size(), 291);
    Set_Team_Stat(30, TEAM_STAT_CONTROL, TEAM_CONTROL_EMPTY);
    Set_Team_Stat(31, TEAM_STAT_CONTROL, TEAM_CONTROL_EMPTY);
    Refresh_Active_Team_Count();
    EXPECT_EQ(Get_College_Draft_Class_Size(), 273) << "(8,730 + 16) / 32";
    for (int32_t team = 30; team < MAX_FRANCHISES; ++team)
        Set_Team_Stat(team, TEAM_STAT_CONTROL, TEAM_CONTROL_COMPUTER);
    Refresh_Active_Team_Count();
    EXPECT_EQ(Get_College_Draft_Class_Size(), 291) << "36 teams would give 327; the class stops at 291";
}

TEST(PlayerCreation, ClassIsGradedFrom82DownAndKeepsPresetPlayersItHolds) {
    Start_Generation_Test(11);
    // A pool that already holds 250 players gets only the missing 41.
    for (int32_t n = 0; n < 250; ++n)
        Fabricate_Position_Player(POOL + n / 100, n % 100, n % NUMBER_OF_POSITIONS, 0);
    Fill_College_Draft_Pool();
    EXPECT_EQ(Count_Draft_Pool_Players(), 291);

    Grade_College_Draft_Pool();
    Sort_Draft_Pool(0, POOL_SORT_EVALUATION);
    const std::vector<float> evaluations = Pool_Evaluations();
    ASSERT_EQ(evaluations.size(), 291u);
    EXPECT_NEAR(evaluations.front(), 82.0f, 0.5f);
    EXPECT_NEAR(evaluations.back(), 60.0f + 22.0f / 291.0f, 0.5f);
    // Potentials are aimed from 93 down in potential order; a growth rate past
    // 250 reads as damaged, so a prospect may fall short of his mark, never
    // pass it.
    Sort_Draft_Pool(0, POOL_SORT_POTENTIAL);
    int32_t team = 0;
    int32_t slot = 0;
    for (int32_t i = 0; Get_Draft_Pool_Player(i, &team, &slot); ++i) {
        const int32_t mark = static_cast<int32_t>(93.0f - 22.0f * static_cast<float>(i) / 291.0f);
        EXPECT_LE(static_cast<int32_t>(Get_Player_Potential(team, slot)), mark + 1) << "place " << i;
    }

    // A pool of one is rescaled to 82 and his growth raised toward 93.
    Start_Generation_Test(12);
    Fabricate_Position_Player(POOL, 0, POSITION_WR, 0);
    const int32_t growth = Get_Player_Vital_Stat(POOL, 0, VITAL_GROWTH_RATE);
    Grade_College_Draft_Pool();
    EXPECT_NEAR(Evaluate_Player_At_Own_Position(POOL, 0), 82.0f, 0.5f);
    EXPECT_GT(Get_Player_Vital_Stat(POOL, 0, VITAL_GROWTH_RATE), growth);
    EXPECT_GT(Get_Player_Potential(POOL, 0), 85.0f);
}

TEST(PlayerCreation, GeneratedClassLooksLikeARealOne) {
    Start_Generation_Test(21);
    Create_College_Draft_Pool();
    ASSERT_EQ(Count_Draft_Pool_Players(), 291);
    const std::set<std::string> first_names = Read_Lines("names/first.txt");
    const std::set<std::string> last_names = Read_Lines("names/last.txt");
    ASSERT_GE(first_names.size(), 500u);
    std::set<int32_t> ids;
    int32_t with_history = 0;
    int32_t team = 0;
    int32_t slot = 0;
    for (int32_t i = 0; Get_Draft_Pool_Player(i, &team, &slot); ++i) {
        const PLAYER_RECORD& player = Universe.Teams[team].Players[slot];
        EXPECT_TRUE(first_names.count(player.First_Name)) << player.First_Name;
        EXPECT_TRUE(last_names.count(player.Last_Name)) << player.Last_Name;
        ids.insert(player.Vital_Stats[VITAL_PLAYER_ID]);
        const int32_t age = Get_Player_Calendar_Age(team, slot);
        EXPECT_GE(age, 21);
        EXPECT_LE(age, 24);
        EXPECT_EQ(player.Vital_Stats[VITAL_CREDITED_SEASONS], -1);
        EXPECT_EQ(player.Uniform_Number, 0) << "pool players wear no number";
        if (Count_Player_Season_Lines(team, slot) == 4) ++with_history;
    }
    EXPECT_EQ(ids.size(), 291u) << "ids are distinct";
    EXPECT_EQ(ids.count(0), 0u);
    EXPECT_EQ(with_history, 291) << "every prospect has four college seasons";
}

TEST(PlayerCreation, RatingsLieInThePositionBands) {
    Start_Generation_Test(31);
    Set_Neutral_Talent();
    struct BAND {
        int32_t Position;
        int32_t Rating;
        float Lo;
        float Hi;
    };
    // With neutral talent the main ratings span base .. base + 19 + the random term.
    const BAND bands[] = {
        {POSITION_QB, RATING_ACCURACY, 53, 86},     {POSITION_RB, RATING_SPEED, 71, 95},
        {POSITION_DT, RATING_RUN_DEFENSE, 58, 91},  {POSITION_K, RATING_SPEED, 20, 31},
        {POSITION_K, RATING_PASS_BLOCKING, 20, 31}, {POSITION_TE, RATING_RUN_BLOCKING, 54, 79}};
    for (const BAND& band : bands) {
        Set_Player_Vital_Stat(0, 60, VITAL_POSITION, band.Position);
        float sum = 0.0f;
        for (int32_t n = 0; n < 400; ++n) {
            Randomize_Player_Ratings(0, 60);
            const float value = Universe.Teams[0].Players[60].Ratings[band.Rating];
            ASSERT_GE(value, band.Lo) << "position " << band.Position << " rating " << band.Rating;
            ASSERT_LE(value, band.Hi) << "position " << band.Position << " rating " << band.Rating;
            sum += value;
        }
        EXPECT_NEAR(sum / 400.0f, (band.Lo + band.Hi) / 2.0f, 3.0f) << "position " << band.Position;
    }
    // A league-wide talent of -100 centres the talents 25 lower.
    Universe.Header.Universe_Stats[DRAFT_TALENT_FACTOR] = -100;
    Set_Player_Vital_Stat(0, 60, VITAL_POSITION, POSITION_DT);
    float sum = 0.0f;
    for (int32_t n = 0; n < 400; ++n) {
        Randomize_Player_Ratings(0, 60);
        sum += Universe.Teams[0].Players[60].Ratings[RATING_RUN_DEFENSE];
    }
    EXPECT_NEAR(sum / 400.0f, 74.5f - 25.0f / 3.0f, 2.0f);
}

TEST(PlayerCreation, BodiesBirthDatesCollegesAndNumbers) {
    Start_Generation_Test(41);
    EXPECT_EQ(Get_Date_Of_Year_Day(2001, 59), 20010301);
    EXPECT_EQ(Get_Date_Of_Year_Day(2001, 364), 20011231);
    EXPECT_EQ(Get_Date_Of_Year_Day(2001, 0), 20010101);
    // In 2020 the bodies are those of 2006: a guard averages 320 pounds.
    EXPECT_EQ(Get_Position_Average_Weight(POSITION_G), 320);
    EXPECT_EQ(Get_Position_Average_Height(15), 0);

    int32_t front = 0;
    int32_t back = 0;
    double height_sum = 0;
    for (int32_t n = 0; n < 600; ++n) {
        Set_Random_College(0, 60);
        char college[24];
        Get_Player_College(0, 60, college);
        for (int32_t index = 0; index < NUMBER_OF_COLLEGES; ++index) {
            char name[24];
            Get_College_Name(index, name);
            if (strcmp(name, college) != 0) continue;
            if (index < 40) ++front;
            if (index > 80) ++back;
        }
        height_sum += Get_Random_Player_Height(POSITION_T);
    }
    EXPECT_GT(front, 4 * back) << "the smaller of two draws favours the front of the list";
    EXPECT_NEAR(height_sum / 600.0, 77.8, 0.5);

    // Numbers by position, never one already worn on the team.
    std::set<int32_t> worn;
    for (int32_t slot = 0; slot < TEST_ROSTER_SIZE; ++slot)
        Set_Player_Byte_Field(3, slot, PLAYER_BYTE_UNIFORM, 0);
    for (int32_t slot = 0; slot < TEST_ROSTER_SIZE; ++slot) {
        Assign_Uniform_Number(3, slot);
        const int32_t number = Get_Player_Byte_Field(3, slot, PLAYER_BYTE_UNIFORM);
        EXPECT_GE(number, 1);
        EXPECT_LE(number, 99);
        worn.insert(number);
    }
    EXPECT_GE(worn.size(), 50u) << "duplicates only after a hundred taken draws";
    EXPECT_TRUE(Is_Uniform_Number_Taken(3, 0)) << "0 is never worn";
}

// A slot made again and again draws its numbers as it would without a scope:
// the rest of the roster is gathered once, the slot's own number (taken by
// its last draw) is read afresh, and a scope for another slot changes nothing.
TEST(PlayerCreation, NumbersDrawnWhileASlotIsRemadeAreThoseDrawnWithoutAScope) {
    Start_Generation_Test(29);
    constexpr int32_t TEAM = 3;
    constexpr int32_t SLOT = 7;
    // A crowded roster: the receivers' numbers from 80 up are all worn.
    for (int32_t slot = 0; slot < TEST_ROSTER_SIZE; ++slot)
        Set_Player_Byte_Field(TEAM, slot, PLAYER_BYTE_UNIFORM, slot < 20 ? 80 + slot % 10 : 20 + slot % 30);
    Set_Player_Vital_Stat(TEAM, SLOT, VITAL_POSITION, POSITION_WR);
    const auto Draw_Numbers = [&](int32_t scope_slot) {
        std::vector<int32_t> numbers;
        Seed_Random_Numbers(3);
        UNIFORM_REMAKE_SCOPE numbering(TEAM, scope_slot);
        for (int32_t n = 0; n < 40; ++n) {
            Assign_Uniform_Number(TEAM, SLOT);
            numbers.push_back(Get_Player_Byte_Field(TEAM, SLOT, PLAYER_BYTE_UNIFORM));
        }
        Set_Player_Byte_Field(TEAM, SLOT, PLAYER_BYTE_UNIFORM, 0);
        return numbers;
    };
    std::vector<int32_t> unscoped;
    Seed_Random_Numbers(3);
    for (int32_t n = 0; n < 40; ++n) {
        Assign_Uniform_Number(TEAM, SLOT);
        unscoped.push_back(Get_Player_Byte_Field(TEAM, SLOT, PLAYER_BYTE_UNIFORM));
    }
    Set_Player_Byte_Field(TEAM, SLOT, PLAYER_BYTE_UNIFORM, 0);
    EXPECT_EQ(Draw_Numbers(SLOT), unscoped);
    EXPECT_EQ(Draw_Numbers(SLOT + 1), unscoped);
    for (size_t n = 1; n < unscoped.size(); ++n) {
        EXPECT_LT(unscoped[n], 80) << "the others' numbers are worn";
        EXPECT_NE(unscoped[n], unscoped[n - 1]) << "his last number counts as worn";
    }
}

TEST(PlayerCreation, IdsAreNeverZeroNorTakenEvenWhenTheBaseWraps) {
    Start_Generation_Test(51);
    // A season index far beyond the league's hundred seasons (a damaged file)
    // makes every base wrap in 32 bits, to 0 or below as often as not.
    Set_User_Preference(CURRENT_SEASON_INDEX, 900);
    std::set<int32_t> ids;
    For_Each_League_Player([&ids](int32_t team, int32_t slot) { ids.insert(Get_Player_ID(team, slot)); });
    for (int32_t n = 0; n < 300; ++n) {
        const int32_t id = Generate_Unique_Player_ID(40, 99);
        ASSERT_GT(id, 0);
        ASSERT_EQ(ids.count(id), 0u) << "id " << id << " is held";
        ids.insert(id);
        // Taken from now on, as if a player held it.
        Set_Player_Vital_Stat(40, n % 100, VITAL_PLAYER_ID, id);
    }
}

// For a base that wraps below 0 the id is the one every try drawn in turn
// gives: the tries that cannot give an id above 0 still take a draw each.
TEST(PlayerCreation, WrappedBasesTakeADrawForEveryTry) {
    Build_Test_League();
    Set_User_Preference(CURRENT_SEASON_INDEX, 900);
    auto is_free = [](int32_t id) { return id > 0 && !Find_Player_By_ID(nullptr, nullptr, id); };
    int32_t wrapped = 0;
    for (int32_t slot = 0; slot < 30; ++slot) {
        const uint32_t base =
            static_cast<uint32_t>((Get_Current_Season_Index() * 100 + 40) * 100 + 10101 + slot);
        if (static_cast<int32_t>(base * 256u) < 0) ++wrapped;
        Seed_Random_Numbers(500 + slot);
        const uint64_t first_seeded = Get_Random_Draw_Count();
        int32_t expected = 0;
        for (int32_t n = 0; n < 1000 && expected == 0; ++n) {
            const int32_t id = static_cast<int32_t>(base * 256u + (Random_Number() & 255u));
            if (is_free(id)) expected = id;
        }
        for (int32_t n = 0; n < 10000 && expected == 0; ++n) {
            const int32_t id = static_cast<int32_t>(base * 4096u + (Random_Number() & 4095u));
            if (is_free(id)) expected = id;
        }
        while (expected == 0) {
            const int32_t id = static_cast<int32_t>(Random_Number() & 0x0FFFFFFFu);
            if (is_free(id)) expected = id;
        }
        const uint64_t expected_draws = Get_Random_Draw_Count() - first_seeded;
        const uint32_t expected_next = Random_Number();
        Seed_Random_Numbers(500 + slot);
        const uint64_t seeded = Get_Random_Draw_Count();
        EXPECT_EQ(Generate_Unique_Player_ID(40, slot), expected) << "slot " << slot;
        EXPECT_EQ(Get_Random_Draw_Count() - seeded, expected_draws) << "slot " << slot;
        EXPECT_EQ(Random_Number(), expected_next) << "slot " << slot;
    }
    EXPECT_GT(wrapped, 0) << "some bases wrapped";
}

TEST(PlayerCreation, ReplacementPlayersStayBelowTheirTarget) {
    Start_Generation_Test(61);
    for (int32_t position = 0; position < NUMBER_OF_POSITIONS; ++position) {
        Clear_Player(FREE_AGENT_TEAM, 0);
        Create_Player_For_Team(FREE_AGENT_TEAM, 0, position, 1.0f);
        EXPECT_LE(Ensure_Player_Minimum_Rating(FREE_AGENT_TEAM, 0), 59.0f + 0.5f) << "position " << position;
        EXPECT_EQ(Get_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_CREDITED_SEASONS), 0);
        EXPECT_EQ(Get_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_CONTRACT_YEARS), 1);
        const int32_t age = Get_Player_Calendar_Age(FREE_AGENT_TEAM, 0);
        EXPECT_GE(age, 21);
        EXPECT_LE(age, 33);
        EXPECT_EQ(Count_Player_Season_Lines(FREE_AGENT_TEAM, 0), 0);
    }
}

// Adjusting a player to an overall steps his growth rate exactly as taking
// every potential anew would: when the target lies between two steps, and
// when the rate climbs past what a read takes as sound and is drawn anew.
TEST(PlayerCreation, OverallAdjustmentStepsAsEveryPotentialTakenAnew) {
    Start_Generation_Test(87);
    const int32_t slot = 0;
    Fabricate_Position_Player(POOL, slot, POSITION_WR, 0);
    Set_Player_Vital_Stat(POOL, slot, VITAL_BIRTH_DATE, (Get_Current_Year() - 21) * 10000 + 101);
    Set_Player_Vital_Stat(POOL, slot, VITAL_LAST_GROWTH_AGE, 26);
    const PLAYER_RECORD start = Universe.Teams[POOL].Players[slot];
    const int32_t now = static_cast<int32_t>(Get_Player_Potential(POOL, slot));
    for (const int32_t target : {now + 3, now - 4, 99}) {
        // Every potential taken anew, as the steps are written.
        Universe.Teams[POOL].Players[slot] = start;
        Seed_Random_Numbers(5);
        int32_t potential = static_cast<int32_t>(Get_Player_Potential(POOL, slot));
        for (int32_t step = 0; step < 200 && potential != target; ++step) {
            const int32_t growth = Get_Player_Vital_Stat(POOL, slot, VITAL_GROWTH_RATE);
            Set_Player_Vital_Stat(POOL, slot, VITAL_GROWTH_RATE,
                                  potential < target ? growth + 2 : growth - 2);
            Forget_Player_Potentials();
            potential = static_cast<int32_t>(Get_Player_Potential(POOL, slot));
        }
        const PLAYER_RECORD expected = Universe.Teams[POOL].Players[slot];
        const uint32_t expected_draw = Random_Number();

        Universe.Teams[POOL].Players[slot] = start;
        Seed_Random_Numbers(5);
        Adjust_Player_To_Overall(POOL, slot, target);
        EXPECT_EQ(memcmp(&expected, &Universe.Teams[POOL].Players[slot], sizeof expected), 0) << target;
        EXPECT_EQ(Random_Number(), expected_draw) << "the same draws, target " << target;
    }
}

TEST(PlayerCreation, QuarterbacksPeakLaterInLaterEras) {
    Build_Test_League();
    Universe.Header.Universe_Stats[BASE_YEAR] = 2000;
    EXPECT_EQ(Get_Position_Peak_Age(POSITION_QB), 34);
    Universe.Header.Universe_Stats[BASE_YEAR] = 1940;
    EXPECT_EQ(Get_Position_Peak_Age(POSITION_QB), 32);
    Universe.Header.Universe_Stats[BASE_YEAR] = 2019;
    EXPECT_EQ(Get_Position_Peak_Age(POSITION_QB), 35);
    EXPECT_EQ(Get_Position_Peak_Age(POSITION_RB), 27);
    EXPECT_EQ(Get_Position_Peak_Age(99), 35) << "clamped to the punter";
}

TEST(PlayerCreation, ClassOf2022IsGeneratedInsideItsWindow) {
    Start_Generation_Test(71);
    Set_User_Preference(CURRENT_SEASON_INDEX, 2022 - TEST_BASE_YEAR);
    Fill_College_Draft_Pool();
    int32_t team = 0;
    int32_t slot = 0;
    for (int32_t i = 0; Get_Draft_Pool_Player(i, &team, &slot); ++i) {
        const int32_t now = static_cast<int32_t>(Evaluate_Player_At_Own_Position(team, slot));
        EXPECT_GE(now, 58);
        EXPECT_LE(now, 71);
        EXPECT_EQ(Get_Player_Vital_Stat(team, slot, VITAL_GENERATED_PLAYER), 1) << "no preset prospects";
    }
}

TEST(PlayerNames, FilesWithoutUsableLinesFallBackToFixedNames) {
    Start_Generation_Test(81);
    std::filesystem::rename("names", "names.kept");
    std::filesystem::create_directory("names");
    {
        std::ofstream first("names/first.txt");
        for (int n = 0; n < 300; ++n)
            first << "\n";
        std::ofstream last("names/last.txt");
        last << "Abernathy-Whitfield-Longerthanfits\nOk\n";
    }
    Set_User_Preference(FIRST_NAME_LINE_COUNT, 5000); // a count from another installation
    for (int32_t n = 0; n < 150; ++n) {
        Set_Random_Player_Name(0, 5);
        char first[12];
        Get_Player_First_Name(0, 5, first);
        EXPECT_STREQ(first, "John");
        char last[20];
        Get_Player_Last_Name(0, 5, last);
        EXPECT_LT(strlen(last), 20u);
    }
    EXPECT_EQ(Get_User_Preference(FIRST_NAME_LINE_COUNT), 301) << "the count is taken from the file";

    // A missing file is reported once, with the system's reason, in a box and
    // in the log, and the fixed names serve.
    std::filesystem::remove_all("names");
    Clear_Name_Buffers();
    Clear_Shown_Messages();
    Clear_Debug_Log();
    for (int32_t n = 0; n < 20; ++n)
        Set_Random_Player_Name(0, 5);
    int32_t reports = 0;
    for (const SHOWN_MESSAGE& message : Get_Shown_Messages()) {
        if (message.Caption != "File Error") continue;
        ++reports;
        EXPECT_EQ(message.Text.rfind("Couldn't open file: \"names\\", 0), 0u) << message.Text;
        EXPECT_NE(message.Text.find(".txt\"\n\n"), std::string::npos)
            << "the reason follows: " << message.Text;
    }
    EXPECT_EQ(reports, 2) << "one for each file";
    EXPECT_EQ(Count_Debug_Lines("Couldn't open file: \"names\\first.txt\""), 1);
    EXPECT_EQ(Count_Debug_Lines("Couldn't open file: \"names\\last.txt\""), 1);
    char last[20];
    Get_Player_Last_Name(0, 5, last);
    EXPECT_STREQ(last, "Smith");
    std::filesystem::rename("names.kept", "names");
    Clear_Name_Buffers();
}

// Names are read as written: a line ending in "\r\n" gives the name without
// the "\r", and a file rewritten between loads is read anew.
TEST(PlayerNames, LineEndingsAndRewrittenFilesReadAsWritten) {
    Start_Generation_Test(83);
    std::filesystem::rename("names", "names.kept");
    std::filesystem::create_directory("names");
    auto Write = [](const char* ending, const char* prefix) {
        std::ofstream first("names/first.txt", std::ios::binary);
        std::ofstream last("names/last.txt", std::ios::binary);
        for (int n = 0; n < 300; ++n) {
            first << "F" << n << ending;
            last << prefix << n << ending;
        }
    };
    auto Draw = [](int32_t players) {
        Seed_Random_Numbers(5);
        std::vector<std::string> names;
        for (int32_t n = 0; n < players; ++n) {
            Set_Random_Player_Name(0, 5);
            char first[12];
            char last[20];
            Get_Player_First_Name(0, 5, first);
            Get_Player_Last_Name(0, 5, last);
            names.push_back(std::string(first) + " " + last);
        }
        return names;
    };
    Write("\n", "L");
    Clear_Name_Buffers();
    const std::vector<std::string> plain = Draw(100);
    Write("\r\n", "L");
    Clear_Name_Buffers();
    EXPECT_EQ(Draw(100), plain);
    EXPECT_EQ(Get_User_Preference(LAST_NAME_LINE_COUNT), 301);

    Write("\n", "Renamed");
    const std::vector<std::string> next = Draw(100);
    for (const std::string& name : next)
        EXPECT_NE(name.find(" Renamed"), std::string::npos) << name;
    std::filesystem::remove_all("names");
    std::filesystem::rename("names.kept", "names");
    Clear_Name_Buffers();
}

// A short file is taken line by line: a "\r" inside a line is part of the
// name, one before the line end or at the very end of the file is not, an
// empty line gives no name and a last line needs no line end.
TEST(PlayerNames, ShortFilesGiveEveryLineAsWritten) {
    Start_Generation_Test(85);
    std::filesystem::rename("names", "names.kept");
    std::filesystem::create_directory("names");
    {
        std::ofstream first("names/first.txt", std::ios::binary);
        first << "Al\n";
        std::ofstream last("names/last.txt", std::ios::binary);
        last << "Ab\rCd\nEf\r\r\nGh\r\n\nIj\r";
    }
    Clear_Name_Buffers();
    std::set<std::string> names;
    for (int32_t n = 0; n < 4; ++n) {
        char last[20];
        Get_Random_Last_Name(last);
        names.insert(last);
    }
    EXPECT_EQ(names, (std::set<std::string>{"Ab\rCd", "Ef\r", "Gh", "Ij"}));
    EXPECT_EQ(Get_User_Preference(LAST_NAME_LINE_COUNT), 5);
    std::filesystem::remove_all("names");
    std::filesystem::rename("names.kept", "names");
    Clear_Name_Buffers();
}

// A names file far larger than any list of names is refused unread, told
// once, and the fixed name serves; the other file is read as before.
TEST(PlayerNames, AFileTooLargeToReadIsRefusedOnce) {
    Start_Generation_Test(87);
    std::filesystem::rename("names", "names.kept");
    std::filesystem::create_directory("names");
    std::ofstream("names/first.txt", std::ios::binary) << "Al\nBo\n";
    std::ofstream("names/last.txt", std::ios::binary) << "Huge\n";
    // Three gigabytes, of which the disk holds nothing.
    std::filesystem::resize_file("names/last.txt", 3LL << 30);
    Clear_Name_Buffers();
    Clear_Shown_Messages();
    for (int32_t n = 0; n < 20; ++n)
        Set_Random_Player_Name(0, 5);
    ASSERT_EQ(Get_Shown_Messages().size(), 1u) << "told once";
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "File Error");
    EXPECT_EQ(Get_Shown_Messages()[0].Text,
              "Couldn't read file: \"names\\last.txt\"\n\nIt holds 3221225472 bytes "
              "or more; a names file may hold at most 16777216.");
    char last[20];
    Get_Player_Last_Name(0, 5, last);
    EXPECT_STREQ(last, "Smith");
    char first[12];
    Get_Player_First_Name(0, 5, first);
    EXPECT_TRUE(strcmp(first, "Al") == 0 || strcmp(first, "Bo") == 0) << first;
    std::filesystem::remove_all("names");
    std::filesystem::rename("names.kept", "names");
    Clear_Name_Buffers();
}

TEST(PlayerCreation, OldPositionCodesMakeRoomForTheFullback) {
    Build_Test_League();
    const int32_t blocker = Test_League_Slot(POSITION_RB, 0);
    const int32_t runner = Test_League_Slot(POSITION_RB, 1);
    const int32_t tackle = Test_League_Slot(POSITION_T, 0);
    Set_Player_Rating(2, blocker, RATING_RUN_BLOCKING, 99.0f);
    Set_Player_Rating(2, blocker, RATING_RECEIVING, 20.0f);
    Set_Player_Rating(2, runner, RATING_RUN_BLOCKING, 20.0f);
    Set_Player_Vital_Stat(2, tackle, VITAL_POSITION, 5);
    Convert_Old_Position_Codes();
    EXPECT_EQ(Get_Player_Vital_Stat(2, blocker, VITAL_POSITION), POSITION_FB)
        << "a blocking back was a fullback";
    EXPECT_EQ(Get_Player_Vital_Stat(2, runner, VITAL_POSITION), POSITION_RB);
    EXPECT_EQ(Get_Player_Vital_Stat(2, tackle, VITAL_POSITION), 6)
        << "the old code of a tackle, 5, becomes 6";
}

TEST(PlayerCreation, AttemptsEndWhenNoProspectOfAPositionCanBeAccepted) {
    Start_Generation_Test(91);
    Clear_Debug_Log();
    // In 2022 a pool prospect must evaluate 58..71; fixed talents of 100 make
    // every quarterback better than that.
    Set_User_Preference(CURRENT_SEASON_INDEX, 2022 - TEST_BASE_YEAR);
    Universe.Header.Draft_Talent[TALENT_MEAN][POSITION_QB] = 100;
    Universe.Header.Draft_Talent[TALENT_SPREAD][POSITION_QB] = -200;
    Fabricate_Position_Player(POOL, 0, POSITION_QB, 1);
    EXPECT_EQ(
        Count_Debug_Lines("Fabricate_Position_Player() unable to create Quarterback after 10000 attempts."),
        1);
    EXPECT_TRUE(Is_Player_Slot_Used(POOL, 0)) << "the slot keeps the last attempt";
    // Under the same settings the next quarterback is given one attempt, not another 10,000.
    Fabricate_Position_Player(POOL, 1, POSITION_QB, 1);
    EXPECT_EQ(Count_Debug_Lines("unable to create Quarterback"), 1);
    EXPECT_TRUE(Is_Player_Slot_Used(POOL, 1));
    // Other positions are made as ever; changed settings try in full again.
    Fabricate_Position_Player(POOL, 2, POSITION_WR, 1);
    Universe.Header.Draft_Talent[TALENT_SPREAD][POSITION_QB] = 0;
    Universe.Header.Draft_Talent[TALENT_MEAN][POSITION_QB] = 0;
    Fabricate_Position_Player(POOL, 3, POSITION_QB, 1);
    EXPECT_EQ(Count_Debug_Lines("unable to create"), 1);
    EXPECT_LE(Evaluate_Player_At_Own_Position(POOL, 3), 72.0f);
}

TEST(PlayerCreation, ANewLinemansGradesAreHisBlockingRatings) {
    Start_Generation_Test(31337);
    constexpr int32_t SLOT = 7;
    for (int32_t position : {POSITION_T, POSITION_G, POSITION_C}) {
        // The slot still holds a passer's season: none of it may reach the lineman's.
        Clear_Player(POOL, SLOT);
        Set_Player_Stat(POOL, SLOT, SEASON_PREDICTED, 5, 4100);
        Set_Player_Stat(POOL, SLOT, SEASON_PREDICTED, 6, 31);
        Fabricate_Position_Player(POOL, SLOT, position, 0);
        auto s = [](int32_t stat) { return Get_Player_Stat(POOL, SLOT, SEASON_PREDICTED, stat); };
        const int32_t run = static_cast<int32_t>(Get_Player_Rating(POOL, SLOT, RATING_RUN_BLOCKING));
        const int32_t pass = static_cast<int32_t>(Get_Player_Rating(POOL, SLOT, RATING_PASS_BLOCKING));
        EXPECT_EQ(s(5), run) << "position " << position;
        EXPECT_EQ(s(6), pass) << "position " << position;
        EXPECT_EQ(s(4), Mul_Div_Round(100 - pass, Get_Position_Stat_Benchmark(position, 4), 30));
        EXPECT_EQ(s(8), Mul_Div_Round(run, Get_Position_Stat_Benchmark(position, 8), 70));
    }
}
