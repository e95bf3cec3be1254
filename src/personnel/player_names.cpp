#include "personnel/player_names.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "app/message_box_dialog.h"
#include "database/path_resolver.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/text_files.h"
#include "platform/message_box.h"

namespace {
constexpr int32_t FIRST_NAME_SIZE = 12;
constexpr int32_t LAST_NAME_SIZE = 20;
constexpr int32_t NAME_LINE_SIZE = 256;
// The most a names file may hold. The installed ones hold well under 100 KB
// of names; a file many times that is no list of names, and is refused
// rather than read into memory whole.
constexpr long long MOST_NAME_FILE_BYTES = 16LL << 20;

struct NAME_SOURCE {
    const char* File_Name;
    int32_t Line_Count_Setting;
    const char* Fallback;
    int32_t Entry_Size;
    char (*Entries)[LAST_NAME_SIZE];
    // A file that cannot be opened or is too large is told once a run.
    bool Failure_Reported;
    // Every entry before this one is empty: names are taken from the front.
    int32_t First_Left = 0;
};

char First_Names[NAME_BUFFER_ENTRIES][LAST_NAME_SIZE];
char Last_Names[NAME_BUFFER_ENTRIES][LAST_NAME_SIZE];
NAME_SOURCE First_Source{"names\\first.txt", FIRST_NAME_LINE_COUNT, "John",
                         FIRST_NAME_SIZE,    First_Names,           false};
NAME_SOURCE Last_Source{"names\\last.txt", LAST_NAME_LINE_COUNT, "Smith", LAST_NAME_SIZE, Last_Names, false};

// A names file's bytes, kept from one load to the next while the file is the
// same (same file, size and time of change): a load reads through the file
// twice, and the draft and the free-agent pool load the names again every
// hundred players.
struct FILE_BYTES {
    bool Valid = false;
    dev_t Device = 0;
    ino_t Inode = 0;
    off_t Size = 0;
    timespec Changed{};
    std::vector<char> Bytes;
    // Where each "\n" of Bytes stands, found once per read of the file.
    std::vector<size_t> Line_Ends;
};

void Find_Line_Ends(FILE_BYTES& kept) {
    kept.Line_Ends.clear();
    const char* data = kept.Bytes.data();
    const size_t size = kept.Bytes.size();
    for (size_t at = 0; at < size;) {
        const void* end = memchr(data + at, '\n', size - at);
        if (end == nullptr) break;
        const size_t found = static_cast<size_t>(static_cast<const char*>(end) - data);
        kept.Line_Ends.push_back(found);
        at = found + 1;
    }
}

bool Same_File(const FILE_BYTES& kept, const struct stat& now) {
    return kept.Valid && kept.Device == now.st_dev && kept.Inode == now.st_ino && kept.Size == now.st_size &&
           kept.Changed.tv_sec == now.st_mtim.tv_sec && kept.Changed.tv_nsec == now.st_mtim.tv_nsec;
}

// The file's bytes from its start and their line ends, read anew unless they
// are kept; none when the file holds more than a names file may (`size` then
// tells how much at least).
const FILE_BYTES* Read_File_Bytes(FILE* file, FILE_BYTES& kept, long long* size) {
    struct stat now {};
    const bool known = fstat(fileno(file), &now) == 0;
    if (known && Same_File(kept, now)) return &kept;
    kept = FILE_BYTES{};
    if (known && now.st_size > MOST_NAME_FILE_BYTES) {
        *size = now.st_size;
        return nullptr;
    }
    char block[65536];
    size_t read = 0;
    while ((read = fread(block, 1, sizeof block, file)) > 0) {
        // A file that grows while it is read is bounded all the same.
        if (static_cast<long long>(kept.Bytes.size() + read) > MOST_NAME_FILE_BYTES) {
            kept = FILE_BYTES{};
            *size = MOST_NAME_FILE_BYTES + 1;
            return nullptr;
        }
        kept.Bytes.insert(kept.Bytes.end(), block, block + read);
    }
    if (known) {
        kept = FILE_BYTES{true, now.st_dev, now.st_ino, now.st_size, now.st_mtim, std::move(kept.Bytes), {}};
        // A file that changed while it was read is not kept.
        kept.Valid = static_cast<off_t>(kept.Bytes.size()) == now.st_size;
    }
    Find_Line_Ends(kept);
    return &kept;
}

// A reading position in a names file's bytes, moving as the stream functions
// of text_files move through a file: Skip_Line, Read_Line. It stands at the
// start of line `Line`, or past the end of the bytes.
struct BYTE_READER {
    const FILE_BYTES& File;
    size_t Line = 0;
    bool Ended = false;

    size_t Line_Start() const { return Line == 0 ? 0 : File.Line_Ends[Line - 1] + 1; }
    bool At_End() const { return Ended || Line_Start() >= File.Bytes.size(); }

    // Skips `count` lines; stops at the end of the bytes when they end before
    // a line end, as Skip_Line does.
    void Skip_Lines(int32_t count) {
        if (count <= 0 || Ended) return;
        const size_t ends = File.Line_Ends.size();
        if (Line + static_cast<size_t>(count) <= ends) {
            Line += static_cast<size_t>(count);
        } else {
            Ended = true;
        }
    }

    // As Read_Line: nothing at the end; a line ends at "\n" or "\r\n"; at most
    // size - 1 characters are kept.
    void Read_Line(char* buffer, int size) {
        if (At_End()) return;
        const size_t start = Line_Start();
        const bool last = Line >= File.Line_Ends.size();
        size_t end = last ? File.Bytes.size() : File.Line_Ends[Line];
        // A "\r" before the line end, or as the last byte, ends the line with it.
        if (end > start && File.Bytes[end - 1] == '\r') --end;
        size_t stored = end - start;
        if (stored > static_cast<size_t>(size - 1)) stored = static_cast<size_t>(size - 1);
        memcpy(buffer, File.Bytes.data() + start, stored);
        buffer[stored] = '\0';
        if (last) {
            Ended = true;
        } else {
            ++Line;
        }
    }
};

struct KEPT_NAME_FILES {
    FILE_BYTES First;
    FILE_BYTES Last;
};
KEPT_NAME_FILES Kept_Name_Files;

void Load_Names(NAME_SOURCE& source) {
    FILE* file = Open_Resolved_File(source.File_Name, "rt");
    if (file == nullptr) {
        // Every name would ask again: say it once, then use the fixed name quietly.
        if (!source.Failure_Reported)
            Show_Last_Error_Message(errno, "File Error", "Couldn't open file: \"%s\"", source.File_Name);
        source.Failure_Reported = true;
        return;
    }
    long long size = 0;
    const FILE_BYTES* read =
        Read_File_Bytes(file, &source == &First_Source ? Kept_Name_Files.First : Kept_Name_Files.Last, &size);
    fclose(file);
    if (read == nullptr) {
        if (!source.Failure_Reported)
            Show_Formatted_Message(
                "File Error",
                "Couldn't read file: \"%s\"\n\nIt holds %lld bytes or more; a names file may "
                "hold at most %lld.",
                source.File_Name, size, MOST_NAME_FILE_BYTES);
        source.Failure_Reported = true;
        return;
    }
    const FILE_BYTES& bytes = *read;
    // The lines of the file. The count kept in the settings is taken afresh: a
    // count from another installation (or a damaged one) would skip past the
    // end of the file or leave its end unused.
    int32_t lines = 1 + static_cast<int32_t>(bytes.Line_Ends.size());
    if (Get_User_Preference(source.Line_Count_Setting) != lines)
        Set_User_Preference(source.Line_Count_Setting, lines);
    BYTE_READER reader{bytes};
    source.First_Left = 0;
    for (int32_t j = 0; j < NAME_BUFFER_ENTRIES; ++j) {
        // Skip about as many lines as spread the 100 names over the whole file.
        int32_t skip = Random_Below(2 * ((lines - 2) / (NAME_BUFFER_ENTRIES - j)));
        if (skip > lines - 1) skip = lines - 1;
        reader.Skip_Lines(skip);
        if (skip > 0) lines -= skip;
        char line[NAME_LINE_SIZE] = "";
        reader.Read_Line(line, sizeof line);
        --lines;
        safe_strncpy(source.Entries[j], line, source.Entry_Size);
    }
    for (int32_t i = 0; i < NAME_BUFFER_ENTRIES; ++i) {
        int32_t j = Random_Below(NAME_BUFFER_ENTRIES);
        if (j >= NAME_BUFFER_ENTRIES) j = NAME_BUFFER_ENTRIES - 1;
        if (j == i) continue;
        char held[LAST_NAME_SIZE];
        memcpy(held, source.Entries[i], sizeof held);
        memcpy(source.Entries[i], source.Entries[j], sizeof held);
        memcpy(source.Entries[j], held, sizeof held);
    }
}

int32_t Take_Name(NAME_SOURCE& source, char* out) {
    for (int32_t j = source.First_Left; j < NAME_BUFFER_ENTRIES; ++j) {
        if (source.Entries[j][0] == 0) continue;
        safe_strncpy(out, source.Entries[j], source.Entry_Size);
        source.Entries[j][0] = 0;
        source.First_Left = j + 1;
        return 1;
    }
    source.First_Left = NAME_BUFFER_ENTRIES;
    return 0;
}

void Take_Or_Reload(NAME_SOURCE& source, char* out) {
    if (Take_Name(source, out)) return;
    Load_Names(source);
    if (!Take_Name(source, out)) safe_strncpy(out, source.Fallback, source.Entry_Size);
}
} // namespace

void Load_First_Names() {
    Load_Names(First_Source);
}

void Load_Last_Names() {
    Load_Names(Last_Source);
}

int32_t Take_First_Name(char* out) {
    return Take_Name(First_Source, out);
}

int32_t Take_Last_Name(char* out) {
    return Take_Name(Last_Source, out);
}

void Get_Random_Last_Name(char* out) {
    Take_Or_Reload(Last_Source, out);
}

void Set_Random_Player_Name(int32_t team, int32_t slot) {
    char first[FIRST_NAME_SIZE];
    Take_Or_Reload(First_Source, first);
    Set_Player_First_Name(team, slot, first);
    char last[LAST_NAME_SIZE];
    Take_Or_Reload(Last_Source, last);
    Set_Player_Last_Name(team, slot, last);
}

void Clear_Name_Buffers() {
    memset(First_Names, 0, sizeof First_Names);
    memset(Last_Names, 0, sizeof Last_Names);
    First_Source.Failure_Reported = false;
    Last_Source.Failure_Reported = false;
    First_Source.First_Left = 0;
    Last_Source.First_Left = 0;
    Kept_Name_Files = KEPT_NAME_FILES{};
}
