#pragma once
// The saved-game file: a 25-byte header and the league block in 100 zlib
// chunks. Saved games, the auto-save and the league databases share it.
#include <cstdint>
#include <cstdio>
#include <string>

constexpr int SAVE_FILE_HEADER_SIZE = 25;
constexpr int SAVE_FILE_CHUNKS = 100;
constexpr uint32_t SAVE_CHUNK_SIZE = 229752;
constexpr uint32_t LAST_SAVE_CHUNK_SIZE = 229824;
// The largest compressed chunk a reader accepts.
constexpr uint32_t MAX_COMPRESSED_CHUNK = 459505;
// The digits this system writes into the header; they read as version 2000.
constexpr int SAVE_FILE_VERSION_DIGITS = 2002;
constexpr int OWN_FILE_VERSION = 2000;
constexpr int SECOND_NAME_LENGTH = 64;
constexpr int SAVED_GAME_NAME_LENGTH = 256;

static_assert((SAVE_FILE_CHUNKS - 1) * SAVE_CHUNK_SIZE + LAST_SAVE_CHUNK_SIZE == 22975272);

extern const char* const AUTO_SAVE_FILE_NAME;   // "[Auto Save].kor"
extern const char* const DEFAULT_DATABASE_NAME; // "Databases/Universe-2019.dat"

// Save_Game results.
constexpr int SAVE_OK = 0;
constexpr int SAVE_CANNOT_CREATE = 1;
constexpr int SAVE_WRITE_FAILED = 2;

// Why the last Save_Game failed: the file it was to write (a full path) and
// the system's error number (0 when none is known; EISDIR when a folder has
// the file's name). `Told` is set when the save has told the user itself.
// `In_Folder` is set when the folder let no file be created in it (it is
// read-only, or the user may not write there): `File` then names the folder.
struct SAVE_FAILURE {
    std::string File;
    int Error = 0;
    bool Told = false;
    bool In_Folder = false;
};
const SAVE_FAILURE& Get_Last_Save_Failure();

// Writes the league to `file_name`: into a temporary file beside it that
// replaces the old file only when everything was written and synced to disk.
// A read-only saved game is not replaced (SAVE_CANNOT_CREATE, logged; the
// caller tells the user).
// Returns SAVE_OK, SAVE_CANNOT_CREATE or SAVE_WRITE_FAILED. `dialog` is the
// save dialog that asked for it, or none; the dialog layer closes it.
int Save_Game(const char* file_name, void* dialog);

// Loads a league file into the block and runs the load steps. 1 loaded, 0 failed
// (a message naming the file has been shown, what is wrong with it has been
// logged, and the block is as it was). Files that are cut short, damaged or of a
// version this game does not know are refused; bytes after the parts that fill the
// league are not read. A file that holds its
// league as it was saved leaves the game counted as saved, its load repairs
// included.
int Load_Game(const char* file_name);

// Reads, checks, converts and repairs a league file. Nonzero when the block now
// holds the file's league; on failure the block is unchanged.
int Read_Saved_Game(const char* file_name);

// Reads chunks from `file` (positioned after the header) into `destination`
// until `size` bytes (the layout size of the file's version) are filled. 1
// when every chunk was read and exactly `size` bytes came out, 0 on any
// failure (a null file or destination among them). A progress window with
// `caption` shows while reading when the caption is not empty.
int Inflate_Universe_Chunks(FILE* file, uint8_t* destination, const char* caption, uint32_t size = 22975272);

// Adler-32 started from 0 over the team array, plus 7,200.
uint32_t Compute_Game_Checksum();

// Zeroes the block and marks franchise slots 0-35 empty.
void Clear_Universe();

// Saves the league as "databases/universe-<year>.dat".
int Save_Universe_Database(int year);

// Version number of a header's four digits d13..d16.
int Get_Save_File_Version(const char digits[4]);
// The version as the loader shows it: "20.00" below 2180, "4.102" from there.
void Format_Save_File_Version(int version, char* out, int size);

uint32_t Get_Game_Checksum();
void Set_Game_Checksum(uint32_t checksum);
// Whether the league is as it was at the last save or load: its teams by the
// stored checksum, and everything else a user can change (settings, draft
// picks, games, history) by a kept copy. The save-changes prompt asks
// otherwise. A new game not saved since its start is never saved.
bool Is_Game_Saved();
// Counts the league as it now stands as saved.
void Mark_Game_Saved();
// Counts the league as it now stands as a new game just started: not saved
// (the save-changes prompt of Exit still asks), but unchanged since its start.
void Mark_Game_Started();
// Whether the league is as it was when it was last started by New Game,
// saved or loaded, by the same checks as Is_Game_Saved.
bool Is_Game_Unchanged_Since_Start_Or_Save();
// Held around work that only brings what the league derives up to date as a
// page opens (a figure worked out and kept, a list put in its order, a
// demand refreshed, a computer team's depth chart): that is no change of the
// user's, so a game that counted as saved (or as unchanged since its start)
// before it still does after it.
class KEEP_GAME_SAVED {
  public:
    KEEP_GAME_SAVED() : Was_Unchanged(Is_Game_Unchanged_Since_Start_Or_Save()) {}
    ~KEEP_GAME_SAVED();
    KEEP_GAME_SAVED(const KEEP_GAME_SAVED&) = delete;
    KEEP_GAME_SAVED& operator=(const KEEP_GAME_SAVED&) = delete;

  private:
    bool Was_Unchanged;
};
// 1 once a load has succeeded.
int Get_Game_Loaded_Flag();
void Set_Saved_Game_Name(const char* name);
// Copies the 64-byte second name into `buffer` (room for SECOND_NAME_LENGTH bytes).
void Get_Second_Name(char* buffer);
void Set_Second_Name(const char* text);
int32_t Get_Header_Int(int32_t n);
void Set_Header_Int(int32_t n, int32_t value);
void Mark_Active_Team_Count_Stale();
// Wrapping 32-bit sum of the words of the team and city tables.
uint32_t Sum_Team_And_City_Words();
