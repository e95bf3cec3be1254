#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <sys/stat.h>
#include <vector>
#include <zlib.h>

#include "database/league_structure.h"
#include "database/random_numbers.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/universe.h"
#include "platform/message_box.h"
#include "support/debug_log.h"

namespace {
using BYTES = std::vector<uint8_t>;

BYTES Copy_Block() {
    return BYTES(Universe_Bytes(), Universe_Bytes() + UNIVERSE_SIZE);
}

bool Block_Equals(const BYTES& copy) {
    return memcmp(copy.data(), Universe_Bytes(), UNIVERSE_SIZE) == 0;
}

// Varied data that still compresses: small values in most words, plain noise
// in every eighth 4 KiB page.
void Fill_Universe(uint32_t seed) {
    std::mt19937 generator(seed);
    uint8_t* block = Universe_Bytes();
    for (uint32_t i = 0; i < UNIVERSE_SIZE; ++i) {
        const uint32_t r = generator();
        block[i] = ((i >> 12) % 8 == 0) ? static_cast<uint8_t>(r) : static_cast<uint8_t>(r % 7);
    }
    // What every load sets, so that a reload can be compared byte for byte.
    for (int team = 0; team < MAX_FRANCHISES; ++team) {
        Universe.Teams[team].Team_Stats[2] = team < 30 ? 0 : -1;
        for (SCHEDULE_ENTRY& entry : Universe.Teams[team].Schedule)
            entry.Values[3] = -1;
    }
    for (int n = 65; n <= 69; ++n)
        Set_User_Preference(n, 20);
    Universe.Header.Require_Click_After_Each_Play = 1;
    Universe.Header.Season_Line_Recording = 1;
    Set_User_Preference(CURRENT_SEASON_INDEX, 5);
    Set_User_Preference(DAY_RUNNING, 0);
    Set_User_Preference(SIM_TO_QUARTER, 0);
    Set_User_Preference(MULTI_SEASON_SIMULATION, 0);
}

BYTES Read_File(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return BYTES(std::istreambuf_iterator<char>(in), {});
}

void Write_File(const std::string& name, const BYTES& bytes) {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A league file of the block's current bytes with the given version digits,
// cut into chunks of the given sizes.
BYTES Make_League_File(const char* digits, const std::vector<uint32_t>& chunk_sizes) {
    BYTES file(25, 0);
    std::string header = std::string("FOOTBALLKORVA") + digits + "    Cc";
    memcpy(file.data(), header.data(), header.size());
    // Parts that add up to more than the block pack zeros past its end.
    uint64_t total = 0;
    for (uint32_t size : chunk_sizes)
        total += size;
    BYTES source(Universe_Bytes(), Universe_Bytes() + UNIVERSE_SIZE);
    if (total > source.size()) source.resize(total, 0);
    uint32_t offset = 0;
    for (uint32_t size : chunk_sizes) {
        uLongf length = compressBound(size);
        BYTES packed(length);
        EXPECT_EQ(compress2(packed.data(), &length, source.data() + offset, size, 1), Z_OK);
        const uint32_t stored = static_cast<uint32_t>(length);
        const uint8_t* stored_bytes = reinterpret_cast<const uint8_t*>(&stored);
        file.insert(file.end(), stored_bytes, stored_bytes + 4);
        file.insert(file.end(), packed.begin(), packed.begin() + static_cast<long>(length));
        offset += size;
    }
    return file;
}

std::vector<uint32_t> Standard_Chunks() {
    std::vector<uint32_t> sizes(SAVE_FILE_CHUNKS - 1, SAVE_CHUNK_SIZE);
    sizes.push_back(LAST_SAVE_CHUNK_SIZE);
    return sizes;
}

bool Was_Shown(const std::string& caption, const std::string& text) {
    for (const SHOWN_MESSAGE& message : Get_Shown_Messages())
        if (message.Caption == caption && (text.empty() || message.Text == text)) return true;
    return false;
}

// Inflates the chunks of a saved file into a scratch block and compares.
bool Inflates_To(const std::string& name, const BYTES& expected) {
    FILE* file = fopen(name.c_str(), "rb");
    if (file == nullptr || fseek(file, 25, SEEK_SET) != 0) return false;
    BYTES inflated(UNIVERSE_SIZE);
    const int result = Inflate_Universe_Chunks(file, inflated.data(), "");
    fclose(file);
    return result == 1 && inflated == expected;
}

std::string Debug_Log() {
    std::ifstream in("debug.txt");
    return std::string(std::istreambuf_iterator<char>(in), {});
}
} // namespace

TEST(SaveLoad, FilledBlockReloadsByteIdentical) {
    Fill_Universe(1);
    ASSERT_EQ(Save_Game("round.kor", nullptr), SAVE_OK);
    const BYTES saved = Copy_Block();
    EXPECT_EQ(Get_Game_Checksum(), Compute_Game_Checksum()) << "the save stores the team checksum";
    EXPECT_FALSE(std::filesystem::exists("round.kor.tmp")) << "no temporary file stays behind";

    const BYTES file = Read_File("round.kor");
    ASSERT_GE(file.size(), 25u);
    EXPECT_EQ(memcmp(file.data(), "FOOTBALLKORVA2002    Cc\0\0", 25), 0) << "header bytes";

    EXPECT_TRUE(Inflates_To("round.kor", saved)) << "the chunks hold the whole block byte for byte";

    Fill_Universe(2);
    Clear_Shown_Messages();
    ASSERT_EQ(Load_Game("round.kor"), 1);
    // The load repairs what noise breaks and the save stores the checksum; from
    // then on load and save change nothing.
    ASSERT_EQ(Save_Game("round2.kor", nullptr), SAVE_OK);
    ASSERT_EQ(Load_Game("round2.kor"), 1);
    const BYTES loaded = Copy_Block();
    ASSERT_EQ(Save_Game("round3.kor", nullptr), SAVE_OK);
    Fill_Universe(3);
    ASSERT_EQ(Load_Game("round3.kor"), 1);
    EXPECT_TRUE(Block_Equals(loaded)) << "the second and third loads give the same block";
    EXPECT_TRUE(Get_Shown_Messages().empty());
    EXPECT_EQ(Get_Game_Loaded_Flag(), 1);
    EXPECT_EQ(Active_Team_Count, 30);
}

TEST(SaveLoad, FileHoldsOneHundredZlibChunksOfTheBlock) {
    Fill_Universe(3);
    ASSERT_EQ(Save_Game("chunks.kor", nullptr), SAVE_OK);
    const BYTES file = Read_File("chunks.kor");
    size_t position = 25;
    BYTES unpacked(LAST_SAVE_CHUNK_SIZE);
    for (int chunk = 0; chunk < SAVE_FILE_CHUNKS; ++chunk) {
        ASSERT_LE(position + 4, file.size()) << "chunk " << chunk;
        uint32_t length;
        memcpy(&length, file.data() + position, 4);
        position += 4;
        uLongf size = unpacked.size();
        ASSERT_EQ(uncompress(unpacked.data(), &size, file.data() + position, length), Z_OK)
            << "chunk " << chunk;
        EXPECT_EQ(size, chunk == 99 ? LAST_SAVE_CHUNK_SIZE : SAVE_CHUNK_SIZE) << "chunk " << chunk;
        EXPECT_EQ(memcmp(unpacked.data(), Universe_Bytes() + chunk * SAVE_CHUNK_SIZE, size), 0)
            << "chunk " << chunk;
        position += length;
    }
    EXPECT_EQ(position, file.size()) << "nothing follows the last chunk";
}

TEST(SaveLoad, RefusedFilesLeaveBlockUnchanged) {
    Fill_Universe(4);
    const BYTES good = Make_League_File("2002", Standard_Chunks());
    uint32_t first_length;
    memcpy(&first_length, good.data() + 25, 4);

    struct CASE {
        const char* name;
        BYTES bytes;
        const char* caption;
        const char* text;
        // What the load's message says is wrong with the file.
        const char* reason = "";
    };
    std::vector<CASE> cases;
    {
        BYTES bytes = good;
        bytes[0] = 'X';
        cases.push_back({"signature.kor", bytes, "Read Error",
                         "The file \"signature.kor\" is not a valid Football Korva file."});
    }
    {
        BYTES bytes = good;
        memcpy(bytes.data() + 13, "4101", 4);
        cases.push_back({"v4101.kor", bytes, "Unsupported Version",
                         "Unable to load V4.101 kor file.  Please start a new game."});
    }
    {
        BYTES bytes = good;
        memcpy(bytes.data() + 13, "3000", 4);
        cases.push_back(
            {"older.kor", bytes, "Read Error", nullptr, "does not hold a league of version 3.000"});
        bytes = good;
        memcpy(bytes.data() + 13, "5000", 4);
        cases.push_back({"old.kor", bytes, "Read Error", nullptr, "does not hold a league of version 5.000"});
        bytes = good;
        memcpy(bytes.data() + 13, "2x02", 4);
        cases.push_back({"digits.kor", bytes, "Read Error",
                         "The file \"digits.kor\" is not a valid Football Korva file."});
    }
    {
        BYTES bytes = good;
        const uint32_t too_long = MAX_COMPRESSED_CHUNK + 1;
        memcpy(bytes.data() + 25, &too_long, 4);
        cases.push_back(
            {"long_chunk.kor", bytes, "Read Error", nullptr,
             "is damaged: part 1 of the 100 parts that hold the league claims to be 459506 bytes long"});
    }
    {
        BYTES bytes = good;
        bytes.resize(bytes.size() / 2);
        cases.push_back(
            {"truncated.kor", bytes, "Read Error", nullptr, "is cut short: it ends inside part "});
        cases.push_back({"header_only.kor", BYTES(good.begin(), good.begin() + 20), "Read Error", nullptr,
                         "is cut short: it ends inside its header."});
        cases.push_back({"between_parts.kor", BYTES(good.begin(), good.begin() + 25 + 4 + first_length),
                         "Read Error", nullptr,
                         "is cut short: it ends before part 2 of the 100 parts that hold the league."});
    }
    {
        BYTES bytes = good;
        for (uint32_t i = 0; i < 64; ++i)
            bytes[25 + 4 + first_length / 2 + i] ^= 0x5A;
        cases.push_back({"corrupt.kor", bytes, "Read Error", nullptr,
                         "is damaged: part 1 of the 100 parts that hold the league does not unpack."});
    }
    {
        std::vector<uint32_t> sizes = Standard_Chunks();
        sizes.resize(50);
        cases.push_back({"few_chunks.kor", Make_League_File("2002", sizes), "Read Error", nullptr,
                         "is cut short: it ends before part 51 "});
        cases.push_back(
            {"small_chunks.kor", Make_League_File("2002", std::vector<uint32_t>(100, 1000)), "Read Error",
             nullptr,
             "does not hold a league of version 20.00, as its header says: its 100 parts unpack to "
             "100000 bytes, not 22975272."});
    }
    {
        // A hundred parts of the common size fall short of the block.
        std::vector<uint32_t> sizes(SAVE_FILE_CHUNKS, SAVE_CHUNK_SIZE);
        cases.push_back({"past_end.kor", Make_League_File("2002", sizes), "Read Error", nullptr,
                         "its 100 parts unpack to 22975200 bytes, not 22975272."});
    }

    {
        // Versions this game does not know are refused before anything is
        // converted or repaired: a later one of its own numbering, one between
        // the two numberings, and one past the earlier numbering's last.
        for (const char* name : {"v2012.kor", "v2175.kor", "v9999.kor"}) {
            BYTES bytes = good;
            memcpy(bytes.data() + 13, name + 1, 4);
            cases.push_back(
                {name, bytes, "Read Error", nullptr, "which this version of Football Korva does not know."});
        }
    }
    {
        // Part 1 holds a thousand bytes more than a part: the league runs
        // past its end in part 100, and part 1 is named as the cause.
        std::vector<uint32_t> sizes = Standard_Chunks();
        sizes[0] += 1000;
        cases.push_back({"big_first_part.kor", Make_League_File("2002", sizes), "Read Error", nullptr,
                         "part 1 of the 100 parts that hold it unpacks to 230752 bytes, more than the 229752 "
                         "a part holds, and so part 100 runs past the league's end."});
    }
    for (const CASE& refused : cases)
        Write_File(refused.name, refused.bytes);
    // A folder chosen as the saved game: the system's reason, not "not a valid file".
    std::filesystem::create_directory("folder.kor");
    cases.push_back(
        {"folder.kor", {}, "Read Error", nullptr, "is a folder, not a saved game: Is a directory."});
    cases.push_back({"missing.kor",
                     {},
                     "File Load Error",
                     "Couldn't open \"missing.kor\".\n\nPlease re-install Football Korva.",
                     "could not be opened: No such file or directory."});

    for (const CASE& refused : cases) {
        SCOPED_TRACE(refused.name);
        Fill_Universe(5);
        Set_User_Preference(CURRENT_SEASON_INDEX, 150);
        // A failed load switches the main window to the start-up view.
        Set_User_Preference(CURRENT_VIEW, 0);
        const BYTES before = Copy_Block();
        Clear_Shown_Messages();
        Clear_Debug_Log();
        EXPECT_EQ(Load_Game(refused.name), 0);
        EXPECT_TRUE(Block_Equals(before)) << "the block must stay as it was";
        EXPECT_TRUE(Was_Shown(refused.caption, refused.text ? refused.text : ""));
        // The message names the file in its own words; what is wrong with it
        // goes to the log.
        EXPECT_EQ(Get_Shown_Messages().back().Caption, "Read Error");
        EXPECT_EQ(Get_Shown_Messages().back().Text, std::string("Couldn't load the game \"") + refused.name +
                                                        "\".\n\nThere was an error in reading the file.");
        const std::string logged = std::string("Load_Game: \"") + refused.name + "\" ";
        EXPECT_EQ(Count_Debug_Lines(logged), 1);
        EXPECT_NE(Read_Debug_Log_Text().find(refused.reason), std::string::npos) << Read_Debug_Log_Text();
        EXPECT_EQ(Active_Team_Count, -1);
        if (refused.text == nullptr) {
            EXPECT_FALSE(Was_Shown("Read Error", std::string("The file \"") + refused.name +
                                                     "\" is not a valid Football Korva file."));
        }
    }
}

// The parts that fill the league are all a load reads: a byte or a whole
// further part after them, or bytes of a part after its stream's end, leave
// the league loaded as the file without them loads it.
TEST(SaveLoad, WhatFollowsTheLeagueOrAPartsStreamIsNotRead) {
    Fill_Universe(4);
    Set_Game_Checksum(Compute_Game_Checksum());
    const BYTES good = Make_League_File("2002", Standard_Chunks());
    uint32_t first_length;
    memcpy(&first_length, good.data() + 25, 4);
    const size_t first_end = 25 + 4 + first_length;
    Write_File("whole.kor", good);

    std::vector<std::pair<const char*, BYTES>> files;
    BYTES bytes = good;
    bytes.push_back(0);
    files.push_back({"trailing_byte.kor", bytes});
    bytes = good;
    bytes.insert(bytes.end(), good.begin() + 25, good.begin() + static_cast<long>(first_end));
    files.push_back({"extra_part.kor", bytes});
    bytes = good;
    const uint32_t longer = first_length + 3;
    memcpy(bytes.data() + 25, &longer, 4);
    bytes.insert(bytes.begin() + static_cast<long>(first_end), {0xDE, 0xAD, 0x00});
    files.push_back({"part_tail.kor", bytes});

    // The load's repairs draw random numbers: each load starts from the same draws.
    Seed_Random_Numbers(7);
    ASSERT_EQ(Load_Game("whole.kor"), 1);
    const BYTES loaded = Copy_Block();
    for (const auto& [name, file] : files) {
        SCOPED_TRACE(name);
        Write_File(name, file);
        Fill_Universe(5);
        Clear_Shown_Messages();
        Seed_Random_Numbers(7);
        EXPECT_EQ(Load_Game(name), 1);
        EXPECT_TRUE(Block_Equals(loaded)) << "the league of the file";
        EXPECT_TRUE(Get_Shown_Messages().empty());
        EXPECT_TRUE(Is_Game_Saved()) << "loaded as it was saved";
    }
}

TEST(SaveLoad, DefaultDatabaseFailureAsksForReinstall) {
    Clear_Shown_Messages();
    Clear_Debug_Log();
    EXPECT_EQ(Load_Game("databases/universe-2019.DAT"), 0);
    EXPECT_TRUE(Was_Shown("Read Error", "Couldn't load game data. Please re-install Football Korva."));
    EXPECT_EQ(Count_Debug_Lines("Load_Game: \"databases/universe-2019.DAT\" could not be opened: No such "
                                "file or directory."),
              1);
}

TEST(SaveLoad, NinetyNineChunksThatFillTheBlockLoad) {
    Fill_Universe(6);
    std::vector<uint32_t> sizes(98, SAVE_CHUNK_SIZE);
    sizes.push_back(UNIVERSE_SIZE - 98 * SAVE_CHUNK_SIZE);
    Write_File("ninety_nine.kor", Make_League_File("2002", sizes));
    const BYTES expected = Copy_Block();
    EXPECT_TRUE(Inflates_To("ninety_nine.kor", expected));
    Fill_Universe(7);
    EXPECT_EQ(Load_Game("ninety_nine.kor"), 1);
}

TEST(SaveLoad, VersionDigitsAndOldFileSettings) {
    EXPECT_EQ(Get_Save_File_Version("2002"), 2000);
    EXPECT_EQ(Get_Save_File_Version("2181"), 2181);
    EXPECT_EQ(Get_Save_File_Version("2175"), 2170) << "the fourth digit counts only above 2170";
    EXPECT_EQ(Get_Save_File_Version("2165"), 2160);
    EXPECT_EQ(Get_Save_File_Version("4101"), 4101);

    Fill_Universe(8);
    // A week of the season, as a saved league holds; a week past every
    // calendar is bounded to the off-season, which has work of its own.
    Set_User_Preference(CURRENT_WEEK, 5);
    for (int n = 65; n <= 69; ++n)
        Set_User_Preference(n, 3);
    Universe.Header.Require_Click_After_Each_Play = 0;
    Set_User_Preference(MULTI_SEASON_SIMULATION, 1);
    Set_User_Preference(DAY_RUNNING, 1);
    Set_User_Preference(SIM_TO_QUARTER, 2);
    ASSERT_EQ(Save_Game("old_settings.kor", nullptr), SAVE_OK);
    Clear_Shown_Messages();
    ASSERT_EQ(Load_Game("old_settings.kor"), 1);
    for (int n = 65; n <= 69; ++n)
        EXPECT_EQ(Get_User_Preference(n), 20) << "setting " << n;
    EXPECT_EQ(Universe.Header.Require_Click_After_Each_Play, 0) << "a resume keeps the user's choice";
    EXPECT_EQ(Get_User_Preference(MULTI_SEASON_SIMULATION), 0);
    EXPECT_EQ(Get_User_Preference(DAY_RUNNING), 0);
    EXPECT_EQ(Get_User_Preference(SIM_TO_QUARTER), 0);
    EXPECT_TRUE(Get_Shown_Messages().empty()) << "the save stored a checksum that matches";
}

TEST(SaveLoad, ChecksumWarningForEditedTeams) {
    Fill_Universe(9);
    Set_Game_Checksum(Compute_Game_Checksum());
    Write_File("clean.kor", Make_League_File("8600", Standard_Chunks()));
    Universe.Teams[4].Strings[0][3] ^= 0x21;
    Write_File("edited.kor", Make_League_File("8600", Standard_Chunks()));

    Clear_Shown_Messages();
    ASSERT_EQ(Load_Game("clean.kor"), 1);
    EXPECT_FALSE(Was_Shown("Load Game Warning", ""));
    ASSERT_EQ(Load_Game("edited.kor"), 1) << "the mismatch is a warning only";
    EXPECT_TRUE(Was_Shown("Load Game Warning", "Game data has changed since last written to disk.\n\n"
                                               "The file may have been edited, or corrupted."));
}

// This system's own files (version 2000) skip the checksum test: a league
// edited outside the game and packed again loads without the warning. Only
// an intact file counts as saved once loaded; an edited one is a change.
TEST(SaveLoad, OwnFilesSkipTheChecksumTest) {
    Fill_Universe(13);
    Set_Game_Checksum(Compute_Game_Checksum());
    Write_File("own_clean.kor", Make_League_File("2002", Standard_Chunks()));
    Universe.Teams[7].Players[3].Vital_Stats[0] ^= 0x40;
    Write_File("own_edited.kor", Make_League_File("2002", Standard_Chunks()));
    Write_File("later_edited.kor", Make_League_File("8600", Standard_Chunks()));
    memset(Universe_Bytes(), 0, UNIVERSE_SIZE);
    Write_File("own_zeros.kor", Make_League_File("2002", Standard_Chunks()));

    const char* const warning = "Game data has changed since last written to disk.\n\n"
                                "The file may have been edited, or corrupted.";
    for (const char* name : {"own_edited.kor", "own_zeros.kor"}) {
        SCOPED_TRACE(name);
        Clear_Shown_Messages();
        ASSERT_EQ(Load_Game(name), 1);
        EXPECT_FALSE(Was_Shown("Load Game Warning", warning)) << "an own file skips the test";
        EXPECT_FALSE(Is_Game_Saved()) << "the edited league counts as changed";
    }
    Clear_Shown_Messages();
    ASSERT_EQ(Load_Game("later_edited.kor"), 1);
    EXPECT_TRUE(Was_Shown("Load Game Warning", warning)) << "a file of version 8600 compares its checksum";
    // An intact file counts as saved once loaded, whatever its repairs rewrote.
    Clear_Shown_Messages();
    ASSERT_EQ(Load_Game("own_clean.kor"), 1);
    EXPECT_FALSE(Was_Shown("Load Game Warning", warning));
    EXPECT_EQ(Compute_Game_Checksum(), Get_Game_Checksum());
    EXPECT_TRUE(Is_Game_Saved());
}

TEST(SaveLoad, ReadOnlySavedGameIsNotReplaced) {
    memset(Universe_Bytes(), 14, UNIVERSE_SIZE);
    Write_File("locked.kor", BYTES{'o', 'l', 'd'});
    ASSERT_EQ(chmod("locked.kor", 0444), 0);
    Set_Game_Checksum(777);
    Clear_Shown_Messages();
    Clear_Debug_Log();
    EXPECT_EQ(Save_Game("locked.kor", nullptr), SAVE_CANNOT_CREATE);
    EXPECT_TRUE(Get_Shown_Messages().empty()) << "the caller tells the user";
    EXPECT_FALSE(Get_Last_Save_Failure().Told);
    EXPECT_EQ(Get_Last_Save_Failure().Error, EACCES);
    EXPECT_EQ(Count_Debug_Lines("Save_Game: \"locked.kor\" could not be created: Permission denied"), 1);
    EXPECT_EQ(Read_File("locked.kor"), (BYTES{'o', 'l', 'd'}));
    EXPECT_EQ(Get_Game_Checksum(), 777u);
    ASSERT_EQ(chmod("locked.kor", 0644), 0);
    EXPECT_EQ(Save_Game("locked.kor", nullptr), SAVE_OK) << "a writable file is replaced again";
}

TEST(SaveLoad, KilledSaveLeavesNothingTheNextSaveKeeps) {
    memset(Universe_Bytes(), 15, UNIVERSE_SIZE);
    // A killed save left its temporary file; a link there must not be written through.
    Write_File("victim.dat", BYTES{'v'});
    std::filesystem::create_symlink("victim.dat", "killed.kor.tmp");
    ASSERT_EQ(Save_Game("killed.kor", nullptr), SAVE_OK);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status("killed.kor.tmp")));
    EXPECT_EQ(Read_File("victim.dat"), BYTES{'v'});

    Write_File("killed.kor.tmp", BYTES(1000, 7));
    ASSERT_EQ(chmod("killed.kor.tmp", 0444), 0);
    ASSERT_EQ(Save_Game("killed.kor", nullptr), SAVE_OK);
    EXPECT_FALSE(std::filesystem::exists("killed.kor.tmp"));
    const BYTES saved = Copy_Block();
    EXPECT_TRUE(Inflates_To("killed.kor", saved));

    BYTES block(UNIVERSE_SIZE);
    EXPECT_EQ(Inflate_Universe_Chunks(nullptr, block.data(), ""), 0) << "a null file reads nothing";
}

TEST(SaveLoad, AutoSaveNameChoosesFastCompression) {
    Fill_Universe(10);
    // The second byte of a zlib stream header names the level class: 0x01
    // for the fastest, 0x9C for the default.
    ASSERT_EQ(Save_Game("[Auto Save].kor", nullptr), SAVE_OK);
    EXPECT_EQ(Read_File("[Auto Save].kor")[30], 0x01);
    // File names match case-insensitively, so the lower-case name saves over
    // the same file, but at the default level.
    ASSERT_EQ(Save_Game("[auto save].kor", nullptr), SAVE_OK);
    EXPECT_EQ(Read_File("[Auto Save].kor")[30], 0x9C);
    ASSERT_EQ(Load_Game("[Auto Save].kor"), 1);
}

TEST(SaveLoad, FailedSaveKeepsChecksumAndExistingFile) {
    Fill_Universe(11);
    Write_File("keep.kor", BYTES{'o', 'l', 'd'});
    std::filesystem::create_directory("keep.kor.tmp");
    Set_Game_Checksum(12345);
    EXPECT_EQ(Save_Game("keep.kor", nullptr), SAVE_CANNOT_CREATE);
    EXPECT_EQ(Get_Game_Checksum(), 12345u);
    EXPECT_EQ(Read_File("keep.kor"), (BYTES{'o', 'l', 'd'}));

    EXPECT_EQ(Save_Game("no/such/folder/game.kor", nullptr), SAVE_CANNOT_CREATE);
    EXPECT_EQ(Get_Last_Save_Failure().Error, ENOENT);
    EXPECT_EQ(Get_Last_Save_Failure().File,
              (std::filesystem::current_path() / "no/such/folder/game.kor").string())
        << "the full path, which the user can find";
    // A folder that can't be written, for root too: one under a plain file.
    Write_File("plain.txt", BYTES{'p'});
    EXPECT_EQ(Save_Game("plain.txt/game.kor", nullptr), SAVE_CANNOT_CREATE);
    EXPECT_EQ(Get_Last_Save_Failure().Error, ENOTDIR);
    EXPECT_FALSE(Get_Last_Save_Failure().Told);
    EXPECT_EQ(Get_Game_Checksum(), 12345u);
    EXPECT_EQ(Get_Game_Checksum(), 12345u);
    EXPECT_EQ(Save_Game("", nullptr), SAVE_CANNOT_CREATE);

    // A folder under the file's name: nothing is written, the folder is named.
    std::filesystem::create_directories("taken.kor/inside");
    EXPECT_EQ(Save_Game("taken.kor", nullptr), SAVE_CANNOT_CREATE);
    EXPECT_EQ(Get_Last_Save_Failure().Error, EISDIR);
    EXPECT_EQ(Get_Last_Save_Failure().File, (std::filesystem::current_path() / "taken.kor").string());
    EXPECT_EQ(Get_Game_Checksum(), 12345u);
    EXPECT_FALSE(std::filesystem::exists("taken.kor.tmp"));
    EXPECT_TRUE(std::filesystem::is_directory("taken.kor/inside"));
}

TEST(SaveLoad, YearStoredAsSeasonIndexBecomesIndex) {
    Fill_Universe(12);
    Set_User_Preference(CURRENT_SEASON_INDEX, 120);
    ASSERT_EQ(Save_Game("year.kor", nullptr), SAVE_OK);
    ASSERT_EQ(Load_Game("year.kor"), 1);
    EXPECT_EQ(Get_User_Preference(CURRENT_SEASON_INDEX), 22);
    EXPECT_EQ(Universe.Header.Universe_Stats[3], 1998);

    Set_User_Preference(CURRENT_SEASON_INDEX, 2021);
    ASSERT_EQ(Save_Game("year.kor", nullptr), SAVE_OK);
    ASSERT_EQ(Load_Game("year.kor"), 1);
    EXPECT_EQ(Get_User_Preference(CURRENT_SEASON_INDEX), 23) << "a year stored in full";
    Set_User_Preference(CURRENT_SEASON_INDEX, 99);
    ASSERT_EQ(Save_Game("year.kor", nullptr), SAVE_OK);
    ASSERT_EQ(Load_Game("year.kor"), 1);
    EXPECT_EQ(Get_User_Preference(CURRENT_SEASON_INDEX), 99) << "an index below 100 stays";
}

TEST(SavedGameAccessors, StringSettersStayInsideTheirFields) {
    Fill_Universe(16);
    const BYTES before = Copy_Block();
    const std::string long_name(400, 'N');
    Set_Saved_Game_Name(long_name.c_str());
    EXPECT_EQ(strlen(Universe.Header.Saved_Game_Name), 255u);
    EXPECT_EQ(memcmp(before.data() + 256, Universe_Bytes() + 256, 64), 0) << "the second name is untouched";

    Set_Second_Name(long_name.c_str());
    EXPECT_EQ(Universe.Header.Second_Name[63], '\0');
    EXPECT_EQ(memcmp(before.data() + 320, Universe_Bytes() + 320, 512), 0) << "the notes are untouched";
    Set_Second_Name("Second");
    char second[SECOND_NAME_LENGTH];
    Get_Second_Name(second);
    EXPECT_STREQ(second, "Second");
}

TEST(SavedGameAccessors, HeaderTableChecksItsIndex) {
    Fill_Universe(17);
    const std::string log_before = Debug_Log();
    const BYTES before = Copy_Block();
    Set_Header_Int(39, 1234);
    EXPECT_EQ(Get_Header_Int(39), 1234);
    Set_Header_Int(40, 99);
    EXPECT_EQ(Get_Header_Int(40), 0);
    EXPECT_EQ(Get_Header_Int(-1), 0);
    EXPECT_EQ(memcmp(before.data() + 2352, Universe_Bytes() + 2352, 32), 0)
        << "the league names are untouched";
    const std::string log_after = Debug_Log().substr(log_before.size());
    EXPECT_NE(log_after.find("ERROR: Invalid Set_Header_Int(40,99) call."), std::string::npos);
    EXPECT_NE(log_after.find("ERROR: Invalid Get_Header_Int(-1) call."), std::string::npos);
}

TEST(SavedGameAccessors, ChecksumAndWordSumFollowTheirDefinitions) {
    Fill_Universe(18);
    const uint8_t* teams = Universe_Bytes() + 2480;
    uint32_t low = 0, high = 0;
    for (uint32_t i = 0; i < 4713688; ++i) {
        low = (low + teams[i]) % 65521;
        high = (high + low) % 65521;
    }
    EXPECT_EQ(Compute_Game_Checksum(), ((high << 16) | low) + 7200u);

    uint32_t sum = 0;
    for (uint32_t i = 0; i < 1180222; ++i) {
        uint32_t word;
        memcpy(&word, teams + 4 * i, 4);
        sum += word;
    }
    EXPECT_EQ(Sum_Team_And_City_Words(), sum);
}

TEST(SavedGameAccessors, ClearUniverseEmptiesEveryFranchise) {
    Fill_Universe(19);
    Clear_Universe();
    for (int team = 0; team < MAX_FRANCHISES; ++team)
        for (int stat = 0; stat < 4; ++stat)
            ASSERT_EQ(Universe.Teams[team].Team_Stats[stat], -1);
    EXPECT_EQ(Universe.Teams[36].Team_Stats[2], 0);
    EXPECT_EQ(Count_Active_Teams(), 0);
    EXPECT_EQ(Universe.Tail.All_Time_Leaders[98279], 0);
    Mark_Active_Team_Count_Stale();
    EXPECT_EQ(Active_Team_Count, -1);
}
