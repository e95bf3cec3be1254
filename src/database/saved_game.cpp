#include "database/saved_game.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <new>
#include <string>
#include <strings.h>
#include <system_error>
#include <zlib.h>

#include <sys/stat.h>

#include "app/diagnostics.h"
#include "app/progress_window.h"
#include "database/adler_checksum.h"
#include "database/file_replacement.h"
#include "database/league_derived_state.h"
#include "database/league_structure.h"
#include "database/load_repairs.h"
#include "database/loaded_file.h"
#include "database/path_resolver.h"
#include "database/safe_strings.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/universe.h"
#include "database/unsaved_changes.h"
#include "personnel/fantasy_draft.h"
#include "platform/message_box.h"
#include "tools/old_universe_conversion.h"
#include "views/current_view.h"

const char* const AUTO_SAVE_FILE_NAME = "[Auto Save].kor";
const char* const DEFAULT_DATABASE_NAME = "Databases/Universe-2019.dat";

namespace {
const char* const GAME_TITLE = "Football Korva";
const char SAVE_FILE_SIGNATURE[] = "FOOTBALLKORVA";
constexpr int SIGNATURE_LENGTH = 13;
constexpr int TEAM_ARRAY_OFFSET = 2480;
constexpr uint32_t TEAM_ARRAY_BYTES = 4713688;
constexpr uint32_t TEAM_AND_CITY_WORDS = 1180222;
constexpr int FIRST_THREE_DIGIT_VERSION = 2180;
constexpr int UNSUPPORTED_VERSION = 4101;
constexpr int FIRST_CHECKSUM_VERSION = 2193;

// The newest version of the earlier numbering whose files this game reads:
// its repairs know that line's releases up to 8.x.
constexpr int LAST_KNOWN_EARLIER_VERSION = 8999;

int game_loaded = 0;
// Why the last read failed, said of the file ("is cut short: ..."), for the
// line that the load logs; empty when it did not fail.
std::string read_failure;
// Why the last save failed.
SAVE_FAILURE save_failure;
// Whether the file last read held its league as it was saved: the same
// layout and the team checksum it was written with.
bool read_file_as_saved = false;

void Refuse_File(const char* format, ...) __attribute__((format(printf, 1, 2)));
void Refuse_File(const char* format, ...) {
    char text[512];
    va_list arguments;
    va_start(arguments, format);
    vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    read_failure = text;
}

struct FILE_CLOSER {
    void operator()(FILE* file) const { fclose(file); }
};
using FILE_HANDLE = std::unique_ptr<FILE, FILE_CLOSER>;

// Closes the progress window on every way out, when this operation opened it.
struct PROGRESS_GUARD {
    bool open = false;
    void Open(const char* caption) { open = Open_Progress_Window(caption, SAVE_FILE_CHUNKS) != 0; }
    void Step() {
        if (open) Step_Progress(1);
    }
    ~PROGRESS_GUARD() {
        if (open) Close_Progress_Window();
    }
};

uint32_t Chunk_Size(int chunk) {
    return chunk == SAVE_FILE_CHUNKS - 1 ? LAST_SAVE_CHUNK_SIZE : SAVE_CHUNK_SIZE;
}

// Compresses the block into an open file after the header. SAVE_OK or SAVE_WRITE_FAILED.
int Write_Universe_Chunks(FILE* file, int level, PROGRESS_GUARD& progress) {
    // Room for the worst case of any chunk, so even data that does not
    // compress saves; it stays well below what a reader accepts.
    const uLong room = compressBound(LAST_SAVE_CHUNK_SIZE);
    std::unique_ptr<uint8_t[]> buffer(new (std::nothrow) uint8_t[room]());
    if (!buffer) {
        Show_Formatted_Message("Memory Allocation Error",
                               "Unable to allocate save game compression buffer!\n\n"
                               "Please close any open programs and try again.");
        return SAVE_WRITE_FAILED;
    }
    z_stream stream{};
    if (deflateInit(&stream, level) != Z_OK) return SAVE_WRITE_FAILED;

    char header[SAVE_FILE_HEADER_SIZE] = {};
    snprintf(header, sizeof header, "%s%04d%4s%c%c", SAVE_FILE_SIGNATURE, SAVE_FILE_VERSION_DIGITS, "", 'C',
             'c');
    int result =
        fwrite(header, 1, SAVE_FILE_HEADER_SIZE, file) == SAVE_FILE_HEADER_SIZE ? SAVE_OK : SAVE_WRITE_FAILED;

    const uint8_t* block = Universe_Bytes();
    for (int chunk = 0; chunk < SAVE_FILE_CHUNKS && result == SAVE_OK; ++chunk) {
        if (chunk > 0 && deflateReset(&stream) != Z_OK) {
            result = SAVE_WRITE_FAILED;
            break;
        }
        stream.next_in = const_cast<Bytef*>(block + static_cast<size_t>(chunk) * SAVE_CHUNK_SIZE);
        stream.avail_in = Chunk_Size(chunk);
        stream.next_out = buffer.get();
        stream.avail_out = static_cast<uInt>(room);
        if (deflate(&stream, Z_FINISH) != Z_STREAM_END) {
            result = SAVE_WRITE_FAILED;
            break;
        }
        uint32_t length = static_cast<uint32_t>(room - stream.avail_out);
        if (fwrite(&length, sizeof length, 1, file) != 1 || fwrite(buffer.get(), 1, length, file) != length)
            result = SAVE_WRITE_FAILED;
        progress.Step();
    }
    deflateEnd(&stream);
    return result;
}

// The team checksum's sum over the block: the adler32 of the team array.
uLong Team_Array_Sum(const uint8_t* block) {
    return Adler32_Update(0, block + TEAM_ARRAY_OFFSET, TEAM_ARRAY_BYTES);
}

// Carries the team array's adler32 on over the part of it that the bytes
// [start, end) of the block hold.
uLong Continue_Team_Array_Sum(uLong sum, const uint8_t* block, uint32_t start, uint32_t end) {
    const uint32_t first = start > static_cast<uint32_t>(TEAM_ARRAY_OFFSET) ? start : TEAM_ARRAY_OFFSET;
    const uint32_t last =
        end < TEAM_ARRAY_OFFSET + TEAM_ARRAY_BYTES ? end : TEAM_ARRAY_OFFSET + TEAM_ARRAY_BYTES;
    return first < last ? Adler32_Update(static_cast<uint32_t>(sum), block + first, last - first) : sum;
}

enum INFLATE_RESULT { CHUNKS_INFLATED, CHUNKS_DO_NOT_FIT, CHUNKS_DAMAGED };

// The bytes the writer puts into part `chunk` of a league of `size` bytes: a
// hundredth of it, the last part the rest.
uint32_t Part_Share(int chunk, uint32_t size) {
    const uint32_t share = size / SAVE_FILE_CHUNKS;
    return chunk == SAVE_FILE_CHUNKS - 1 ? size - share * (SAVE_FILE_CHUNKS - 1) : share;
}

// Reads chunks into `destination` until `size` bytes are filled or 100 chunks
// were read, working out the team array's adler32 as each chunk comes out
// (while its bytes are still at hand) when `team_sum` is given. A file whose
// chunks hold another number of bytes than `size` does not fit; one whose
// chunks cannot be read is damaged. Every failure says why (Refuse_File): of
// the file when it is damaged, of its parts when they do not fit.
INFLATE_RESULT Inflate_Chunks(FILE* file, uint8_t* destination, const char* caption, uint32_t size,
                              uLong* team_sum = nullptr) {
    if (file == nullptr || destination == nullptr) {
        Refuse_File("could not be read.");
        return CHUNKS_DAMAGED;
    }
    // Kept from one load to the next, as the scratch block is.
    static std::unique_ptr<uint8_t[]> input;
    if (!input) input.reset(new (std::nothrow) uint8_t[MAX_COMPRESSED_CHUNK]);
    if (!input) {
        Show_Formatted_Message("Insufficient Memory",
                               "Please try closing one or more programs and trying again.");
        Refuse_File("could not be read: there is not enough memory.");
        return CHUNKS_DAMAGED;
    }
    PROGRESS_GUARD progress;
    if (caption != nullptr && caption[0] != '\0') progress.Open(caption);

    uint32_t offset = 0;
    int chunk = 0;
    // The first part that unpacked to more than the writer puts in a part:
    // when the league overflows, that part, not the one that hit the end,
    // holds the bytes too many.
    int oversized = -1;
    uint32_t oversized_bytes = 0;
    for (; chunk < SAVE_FILE_CHUNKS && offset < size; ++chunk) {
        const int part = chunk + 1; // as the user counts
        uint32_t length = 0;
        if (fread(&length, sizeof length, 1, file) != 1) {
            Refuse_File("is cut short: it ends before part %d of the %d parts that hold the league.", part,
                        SAVE_FILE_CHUNKS);
            return CHUNKS_DAMAGED;
        }
        if (length > MAX_COMPRESSED_CHUNK) {
            Log_Debug_Line("Inflate_Universe_Chunks: chunk %d is %u bytes long", chunk, length);
            Refuse_File(
                "is damaged: part %d of the %d parts that hold the league claims to be %u bytes long, "
                "more than a part can be (%u).",
                part, SAVE_FILE_CHUNKS, length, MAX_COMPRESSED_CHUNK);
            return CHUNKS_DAMAGED;
        }
        if (fread(input.get(), 1, length, file) != length) {
            Refuse_File("is cut short: it ends inside part %d of the %d parts that hold the league.", part,
                        SAVE_FILE_CHUNKS);
            return CHUNKS_DAMAGED;
        }

        z_stream stream{};
        if (inflateInit(&stream) != Z_OK) {
            Refuse_File("could not be read: there is not enough memory.");
            return CHUNKS_DAMAGED;
        }
        stream.next_in = input.get();
        stream.avail_in = length;
        stream.next_out = destination + offset;
        stream.avail_out = size - offset;
        // A stream that would run past the end of the layout stops short of
        // stream end here with no room left: the file holds more than fits.
        const int status = inflate(&stream, Z_FINISH);
        const uint32_t produced = static_cast<uint32_t>(stream.total_out);
        const bool overflowed = status == Z_BUF_ERROR && stream.avail_out == 0;
        // Bytes of the part after its stream's end are not read: the stream's
        // own check has vouched for what it unpacked.
        inflateEnd(&stream);
        if (overflowed) {
            Log_Debug_Line("Inflate_Universe_Chunks: chunk %d runs past %u bytes", chunk, size);
            if (oversized >= 0)
                Refuse_File(
                    "holds more than a league: part %d of the %d parts that hold it unpacks to %u bytes, "
                    "more than the %u a part holds, and so part %d runs past the league's end.",
                    oversized + 1, SAVE_FILE_CHUNKS, oversized_bytes, Part_Share(oversized, size), part);
            else if (produced > Part_Share(chunk, size))
                Refuse_File(
                    "holds more than a league: part %d of the %d parts that hold it unpacks to more than "
                    "the %u bytes a part holds, past the league's end.",
                    part, SAVE_FILE_CHUNKS, Part_Share(chunk, size));
            else
                Refuse_File(
                    "holds more than a league: part %d of the %d parts that hold it runs past the league's "
                    "end.",
                    part, SAVE_FILE_CHUNKS);
            return CHUNKS_DO_NOT_FIT;
        }
        if (status != Z_STREAM_END) {
            Log_Debug_Line("Inflate_Universe_Chunks: chunk %d is corrupt (%d)", chunk, status);
            Refuse_File("is damaged: part %d of the %d parts that hold the league does not unpack.", part,
                        SAVE_FILE_CHUNKS);
            return CHUNKS_DAMAGED;
        }
        if (oversized < 0 && produced > Part_Share(chunk, size)) {
            oversized = chunk;
            oversized_bytes = produced;
        }
        if (team_sum != nullptr)
            *team_sum = Continue_Team_Array_Sum(*team_sum, destination, offset, offset + produced);
        offset += produced;
        progress.Step();
    }
    if (offset != size) {
        Log_Debug_Line("Inflate_Universe_Chunks: the chunks hold %u of %u bytes", offset, size);
        Refuse_File("its %d parts unpack to %u bytes, not %u.", chunk, offset, size);
        return CHUNKS_DO_NOT_FIT;
    }
    return CHUNKS_INFLATED;
}

// The versions whose files this game reads: its own (2000) and those before
// it, and the earlier numbering from 2180 on, whose older layouts it converts.
// 4101 is known and refused with its own message; anything else is a version
// it knows nothing of, newer than it or never made.
bool Is_Known_Version(int version) {
    return version <= OWN_FILE_VERSION ||
           (version >= FIRST_THREE_DIGIT_VERSION && version <= LAST_KNOWN_EARLIER_VERSION);
}

// Files of the earlier numbering from 2193 on have their team checksum tested
// at load; this system's own files (version 2000) and older ones do not.
bool Is_Checksum_Tested(int version) {
    return version >= FIRST_CHECKSUM_VERSION;
}

// Files that store the team checksum they were written with: this system's
// own and those from 2193 on.
bool Carries_Checksum(int version) {
    return version == OWN_FILE_VERSION || Is_Checksum_Tested(version);
}

// Notes why a save failed: the file it was to write, as a full path the user
// can find, and the system's reason.
void Note_Save_Failure(const std::string& path, int error_number) {
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(path, error);
    save_failure.File = error ? path : full.lexically_normal().string();
    save_failure.Error = error_number;
    save_failure.Told = false;
    save_failure.In_Folder = false;
}

// Notes that the folder of `path` let no file be created in it.
void Note_Folder_Save_Failure(const std::string& path, int error_number) {
    Note_Save_Failure(path, error_number);
    const std::filesystem::path folder = std::filesystem::path(save_failure.File).parent_path();
    if (!folder.empty()) save_failure.File = folder.string();
    save_failure.In_Folder = true;
}

// Whether creating a file failed for want of the right to write in its folder.
bool Is_Folder_Refusal(int error_number) {
    return error_number == EACCES || error_number == EPERM || error_number == EROFS;
}

bool Is_Default_Database(const char* file_name) {
    return strcasecmp(file_name, DEFAULT_DATABASE_NAME) == 0;
}
} // namespace

int Save_Game(const char* file_name, void*) {
    // The progress window lets messages through: a draft step among them
    // would change the league while it is written.
    const FANTASY_DRAFT_STEPS_HELD draft_held;
    save_failure = SAVE_FAILURE{};
    if (file_name == nullptr || file_name[0] == '\0') {
        save_failure.Error = ENOENT;
        return SAVE_CANNOT_CREATE;
    }
    const bool auto_save = strcmp(file_name, AUTO_SAVE_FILE_NAME) == 0;
    const int level = auto_save ? 1 : 6;

    const std::string path = Resolve_File_Path(file_name);
    // A folder under the name is no file to replace: said before anything is
    // written beside it.
    struct stat target;
    if (stat(path.c_str(), &target) == 0 && S_ISDIR(target.st_mode)) {
        Note_Save_Failure(path, EISDIR);
        Log_Debug_Line("Save_Game: \"%s\" could not be created: %s", file_name, strerror(EISDIR));
        // Callers that read errno after a failed save find the reason there too.
        errno = EISDIR;
        return SAVE_CANNOT_CREATE;
    }
    // A read-only saved game is not replaced, though a rename could do it:
    // the file cannot be opened for writing, which the caller tells.
    if (Is_Read_Only_File(path)) {
        Note_Save_Failure(path, EACCES);
        Log_Debug_Line("Save_Game: \"%s\" could not be created: %s", file_name, strerror(EACCES));
        errno = EACCES;
        return SAVE_CANNOT_CREATE;
    }

    if (!Keep_Converted_Original(path)) {
        Note_Save_Failure(path, 0);
        save_failure.Told = true;
        return SAVE_CANNOT_CREATE;
    }

    Clear_Fantasy_Marks_Outside_A_Draft();
    // The file carries the checksum of what it holds, but the league keeps its
    // old one unless the save succeeds.
    const uint32_t old_checksum = Get_Game_Checksum();
    Set_Game_Checksum(Compute_Game_Checksum());

    errno = 0;
    FILE* file = Open_Replacement_File(path);
    if (file == nullptr) {
        // A folder that is in the way of the file written first is named as such.
        const int error_number = errno;
        if (Is_Folder_Refusal(error_number))
            Note_Folder_Save_Failure(path, error_number);
        else
            Note_Save_Failure(error_number == EEXIST ? path + ".tmp" : path, error_number);
        Log_Debug_Line("Save_Game: \"%s\" could not be created: %s", file_name, strerror(error_number));
        Set_Game_Checksum(old_checksum);
        return SAVE_CANNOT_CREATE;
    }
    int result;
    int write_error = 0;
    {
        PROGRESS_GUARD progress;
        if (!auto_save) progress.Open("Compressing...");
        errno = 0;
        result = Write_Universe_Chunks(file, level, progress);
        write_error = errno;
    }
    errno = 0;
    if (!Commit_Replacement_File(file, path, result == SAVE_OK)) {
        if (result == SAVE_OK) write_error = errno;
        Log_Debug_Line("Save_Game: \"%s\" was not saved: %s", file_name, strerror(write_error));
        result = SAVE_WRITE_FAILED;
    }
    if (result != SAVE_OK) {
        Note_Save_Failure(path, write_error);
        Set_Game_Checksum(old_checksum);
        return result;
    }
    Keep_Saved_Copy();
    return result;
}

int Save_Universe_Database(int year) {
    char file_name[64];
    snprintf(file_name, sizeof file_name, "databases/universe-%d.dat", year);
    return Save_Game(file_name, nullptr);
}

int Get_Save_File_Version(const char digits[4]) {
    const int d13 = digits[0] - '0', d14 = digits[1] - '0', d15 = digits[2] - '0', d16 = digits[3] - '0';
    int version = 10 * (100 * d13 + 10 * d14 + d15);
    if (version > 2170) version += d16;
    return version;
}

void Format_Save_File_Version(int version, char* out, int size) {
    if (out == nullptr || size <= 0) return;
    if (version < FIRST_THREE_DIGIT_VERSION)
        snprintf(out, static_cast<size_t>(size), "%d.%02d", version / 100, version % 100);
    else
        snprintf(out, static_cast<size_t>(size), "%d.%03d", version / 1000, version % 1000);
}

int Inflate_Universe_Chunks(FILE* file, uint8_t* destination, const char* caption, uint32_t size) {
    return Inflate_Chunks(file, destination, caption, size) == CHUNKS_INFLATED ? 1 : 0;
}

int Read_Saved_Game(const char* file_name) {
    read_file_as_saved = false;
    read_failure.clear();
    if (file_name == nullptr) {
        Refuse_File("has no name.");
        return 0;
    }
    FILE_HANDLE file(Open_Resolved_File(file_name, "rb"));
    if (!file) {
        const int error_number = errno;
        Show_Formatted_Message("File Load Error",
                               "Couldn't open \"%s\".\n\nPlease re-install Football Korva.", file_name);
        Refuse_File("could not be opened: %s.", strerror(error_number));
        return 0;
    }

    // A folder opens for reading on this system, but holds no bytes to read.
    struct stat opened;
    if (fstat(fileno(file.get()), &opened) == 0 && S_ISDIR(opened.st_mode)) {
        Refuse_File("is a folder, not a saved game: %s.", strerror(EISDIR));
        return 0;
    }
    char header[SAVE_FILE_HEADER_SIZE] = {};
    errno = 0;
    const size_t header_read = fread(header, 1, 17, file.get());
    if (header_read < 17 && ferror(file.get())) {
        const int error_number = errno;
        Refuse_File("could not be read: %s.", strerror(error_number != 0 ? error_number : EIO));
        return 0;
    }
    bool valid = header_read == 17 && memcmp(header, SAVE_FILE_SIGNATURE, SIGNATURE_LENGTH) == 0;
    for (int digit = SIGNATURE_LENGTH; valid && digit < 17; ++digit)
        valid = header[digit] >= '0' && header[digit] <= '9';
    if (!valid) {
        Show_Formatted_Message("Read Error", "The file \"%s\" is not a valid %s file.", file_name,
                               GAME_TITLE);
        Refuse_File("does not begin as a %s file does.", GAME_TITLE);
        return 0;
    }
    const int version = Get_Save_File_Version(header + SIGNATURE_LENGTH);
    if (fread(header + 17, 1, SAVE_FILE_HEADER_SIZE - 17, file.get()) != SAVE_FILE_HEADER_SIZE - 17) {
        Refuse_File("is cut short: it ends inside its header.");
        return 0;
    }

    char shown_version[16];
    Format_Save_File_Version(version, shown_version, sizeof shown_version);
    char caption[64];
    if (Is_Default_Database(file_name))
        snprintf(caption, sizeof caption, "Loading Database...");
    else
        snprintf(caption, sizeof caption, "Loading Game (v%s)", shown_version);

    if (version == UNSUPPORTED_VERSION) {
        Show_Formatted_Message("Unsupported Version",
                               "Unable to load V%d.%03d kor file.  Please start a new game.", version / 1000,
                               version % 1000);
        Refuse_File("is of version %s, whose games this version of %s cannot convert.", shown_version,
                    GAME_TITLE);
        return 0;
    }
    // Reading a version it does not know would run conversions and repairs
    // meant for other files over the league.
    if (!Is_Known_Version(version)) {
        Refuse_File("is marked as version %s, which this version of %s does not know.", shown_version,
                    GAME_TITLE);
        return 0;
    }

    // The file is read, checked and converted in a scratch block, so a file
    // that fails for any reason leaves the league as it was.
    // Kept from one load to the next, so its pages are not handed out again.
    static std::unique_ptr<uint8_t[]> scratch;
    if (!scratch) scratch.reset(new (std::nothrow) uint8_t[UNIVERSE_SIZE]);
    if (!scratch) {
        Show_Formatted_Message("Insufficient Memory",
                               "Please try closing one or more programs and trying again.");
        Refuse_File("could not be read: there is not enough memory.");
        return 0;
    }
    const uint32_t layout_size = Get_Universe_Layout_Size(version);
    uLong team_sum = 0; // the sum starts from 0, as Compute_Game_Checksum's does
    const INFLATE_RESULT inflated =
        Inflate_Chunks(file.get(), scratch.get(), caption, layout_size, &team_sum);
    if (inflated == CHUNKS_DO_NOT_FIT) {
        const std::string detail = read_failure;
        Refuse_File("does not hold a league of version %s, as its header says: %s", shown_version,
                    detail.c_str());
    }
    if (inflated != CHUNKS_INFLATED) return 0;
    // The parts that filled the league are all the file is read for: what
    // follows them is not looked at.
    file.reset();

    const bool converted = Is_Old_Layout_Version(version);
    bool conversion_ok = true;
    if (version <= LAST_OLDER_LAYOUT_VERSION && converted)
        conversion_ok = Convert_Older_Universe_Block(scratch.get()) != 0;
    else if (converted)
        conversion_ok = Convert_Old_Universe_Block(scratch.get()) != 0;
    if (!conversion_ok) {
        Refuse_File("could not be converted from version %s: there is not enough memory.", shown_version);
        return 0;
    }

    memcpy(Universe_Bytes(), scratch.get(), UNIVERSE_SIZE);
    Remember_Loaded_File(file_name, converted ? version : 0);

    // The team array's sum was worked out as it was inflated.
    const bool checksum_matches = Get_Game_Checksum() == static_cast<uint32_t>(team_sum) + 7200u;
    if (!converted && Is_Checksum_Tested(version) && !checksum_matches)
        Show_Formatted_Message("Load Game Warning", "Game data has changed since last written to disk.\n\n"
                                                    "The file may have been edited, or corrupted.");
    read_file_as_saved = !converted && Carries_Checksum(version) && checksum_matches;
    Run_Post_Load_Repairs(version);
    return 1;
}

int Load_Game(const char* file_name) {
    const int was_loaded = game_loaded;
    Active_Team_Count = -1;
    game_loaded = 0;
    if (!Read_Saved_Game(file_name)) {
        Active_Team_Count = -1;
        // The league in the block is still the one loaded before.
        game_loaded = was_loaded;
        Set_Current_View(0);
        const char* shown_name = file_name ? file_name : "";
        Log_Debug_Line("Load_Game: \"%s\" %s", shown_name, read_failure.c_str());
        // What is wrong with the file stays in the log line above.
        if (Is_Default_Database(shown_name))
            Show_Formatted_Message("Read Error", "Couldn't load game data. Please re-install %s.",
                                   GAME_TITLE);
        else
            Show_Formatted_Message(
                "Read Error", "Couldn't load the game \"%s\".\n\nThere was an error in reading the file.",
                shown_name);
        return 0;
    }
    game_loaded = 1;
    Finish_Loaded_Game();
    // The load's repairs run again at every load of the file, so they are no
    // change of the user's: a file that came back as it was saved counts as
    // saved with them, and only what happens after the load makes the
    // save-changes prompt ask. A converted, edited or damaged file still does.
    if (read_file_as_saved) {
        Set_Game_Checksum(Compute_Game_Checksum());
        Keep_Saved_Copy();
    } else {
        Drop_Saved_Copy();
    }
    return 1;
}

uint32_t Compute_Game_Checksum() {
    return static_cast<uint32_t>(Team_Array_Sum(Universe_Bytes())) + 7200u;
}

void Clear_Universe() {
    memset(Universe_Bytes(), 0, UNIVERSE_SIZE);
    for (int team = 0; team < MAX_FRANCHISES; ++team)
        for (int stat = 0; stat < 4; ++stat)
            Universe.Teams[team].Team_Stats[stat] = -1;
    Reset_League_Derived_State();
    Refresh_Active_Team_Count();
}

bool Is_Game_Saved() {
    return !Is_Copy_Of_Start() && Compute_Game_Checksum() == Get_Game_Checksum() && Matches_Saved_Copy();
}

void Mark_Game_Saved() {
    Set_Game_Checksum(Compute_Game_Checksum());
    Keep_Saved_Copy();
}

void Mark_Game_Started() {
    Keep_Started_Copy();
}

bool Is_Game_Unchanged_Since_Start_Or_Save() {
    // The kept copy holds the team records too: a started league, which has
    // no stored checksum of its own, is compared by the copy alone.
    return Is_Copy_Of_Start() ? Matches_Saved_Copy() : Is_Game_Saved();
}

KEEP_GAME_SAVED::~KEEP_GAME_SAVED() {
    if (!Was_Unchanged) return;
    if (Is_Copy_Of_Start())
        Mark_Game_Started();
    else
        Mark_Game_Saved();
}

const SAVE_FAILURE& Get_Last_Save_Failure() {
    return save_failure;
}

uint32_t Get_Game_Checksum() {
    return static_cast<uint32_t>(Get_User_Preference(GAME_CHECKSUM));
}

void Set_Game_Checksum(uint32_t checksum) {
    Set_User_Preference(GAME_CHECKSUM, static_cast<int32_t>(checksum));
}

int Get_Game_Loaded_Flag() {
    return game_loaded;
}

void Set_Saved_Game_Name(const char* name) {
    safe_strncpy(Universe.Header.Saved_Game_Name, name, sizeof Universe.Header.Saved_Game_Name);
}

void Get_Second_Name(char* buffer) {
    if (buffer != nullptr) memcpy(buffer, Universe.Header.Second_Name, SECOND_NAME_LENGTH);
}

void Set_Second_Name(const char* text) {
    if (text == nullptr) return;
    memset(Universe.Header.Second_Name, 0, SECOND_NAME_LENGTH);
    safe_strncpy(Universe.Header.Second_Name, text, SECOND_NAME_LENGTH);
}

int32_t Get_Header_Int(int32_t n) {
    if (static_cast<uint32_t>(n) >= NUMBER_OF_HEADER_INTS) {
        Report_System_Error("Invalid Get_Header_Int(%d) call.", n);
        return 0;
    }
    return Universe.Header.Header_Ints[n];
}

void Set_Header_Int(int32_t n, int32_t value) {
    if (static_cast<uint32_t>(n) >= NUMBER_OF_HEADER_INTS) {
        Report_System_Error("Invalid Set_Header_Int(%d,%d) call.", n, value);
        return;
    }
    Universe.Header.Header_Ints[n] = value;
}

void Mark_Active_Team_Count_Stale() {
    Active_Team_Count = -1;
}

uint32_t Sum_Team_And_City_Words() {
    const uint8_t* words = Universe_Bytes() + TEAM_ARRAY_OFFSET;
    uint32_t sum = 0;
    for (uint32_t i = 0; i < TEAM_AND_CITY_WORDS; ++i) {
        uint32_t word;
        memcpy(&word, words + 4 * static_cast<size_t>(i), sizeof word);
        sum += word;
    }
    return sum;
}
