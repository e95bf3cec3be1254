#include "database/text_files.h"

#include <cerrno>
#include <climits>
#include <cstdarg>
#include <cstring>
#include <filesystem>

#include "database/path_resolver.h"
#include "platform/message_box.h"

namespace {
// The long-line warning is shown once per run.
bool long_line_warned = false;

constexpr int TRUNCATED_ERROR_NUMBER = 80;
constexpr int ERROR_TEXT_COUNT = 45;
const char* const ERROR_TEXTS[ERROR_TEXT_COUNT] = {
    "NULL ERRNO",
    "Operation not permitted",
    "No such file or directory",
    "No such process",
    "Interrupted function",
    "I/O error",
    "No such device or address",
    "Argument list too long",
    "Exec format error",
    "Bad file number",
    "No spawned processes",
    "No more processes or not enough memory or maximum nesting level reached",
    "Not enough memory",
    "Permission denied",
    "Bad address",
    "[Unknown error]",
    "Device or resource busy",
    "File exists",
    "Cross-device link",
    "No such device",
    "Not a directory",
    "Is a directory",
    "Invalid argument",
    "Too many files open in system",
    "Too many open files",
    "Inappropriate I/O control operation",
    "[Unknown error]",
    "File too large",
    "No space left on device",
    "Invalid seek",
    "Read-only file system",
    "Too many links",
    "Broken pipe",
    "Math argument",
    "Result too large",
    "Resource deadlock would occur",
    "Resource deadlock would occur",
    "[Unknown error]",
    "Filename too long",
    "No locks available",
    "Function not supported",
    "Directory not empty",
    "Illegal byte sequence",
    "String was truncated",
    "Unknown error (ErrNo Too Large)",
};

// The most characters one read passes over in a line: a line that runs on
// past them (a file of one endless line, a device that never ends) ends the
// reading there, as the end of the file does, so no reader is held by it.
constexpr long LINE_READ_BOUND = 1L << 20;

// Reads one line, character by character, keeping at most `capacity` - 1 of
// them. Returns the number of characters stored; `overflowed` tells whether
// any had to be dropped and `at_end` whether the stream ended (or the line
// ran past the read bound).
int Read_Characters(FILE* file, char* buffer, int capacity, bool* overflowed, bool* at_end) {
    int stored = 0;
    long passed = 0;
    *overflowed = false;
    *at_end = false;
    for (;;) {
        if (++passed > LINE_READ_BOUND) {
            *overflowed = true;
            *at_end = true;
            break;
        }
        int c = getc_unlocked(file);
        if (c == EOF) {
            *at_end = true;
            break;
        }
        if (c == '\n') break;
        if (c == '\r') {
            // A line written with "\r\n" ends at its "\r".
            int next = getc_unlocked(file);
            if (next == '\n') break;
            if (next == EOF) {
                *at_end = true;
                break;
            }
            ungetc(next, file);
        }
        if (stored < capacity - 1)
            buffer[stored++] = static_cast<char>(c);
        else
            *overflowed = true;
    }
    return stored;
}
} // namespace

int Read_Line_Limit(const char* file_name, char* buffer, FILE* file, int limit) {
    if (buffer == nullptr || limit <= 0) return 1;
    buffer[0] = '\0';
    if (file == nullptr) return 1;
    bool overflowed = false;
    bool at_end = false;
    int stored = Read_Characters(file, buffer, limit, &overflowed, &at_end);
    buffer[stored] = '\0';
    if (overflowed && !long_line_warned) {
        long_line_warned = true;
        Show_Formatted_Message(
            "Read_Line_Limit",
            "Line too long in %s.\n\nLimit = %d characters.\n\nExtra character(s) ignored.",
            file_name ? file_name : "", limit);
    }
    return at_end ? 1 : 0;
}

int Read_Line_Limit_Unnamed(char* buffer, FILE* file) {
    return Read_Line_Limit("'Filename Unknown'", buffer, file, UNNAMED_LINE_LIMIT);
}

int Read_Counted_Line(char* buffer, FILE* file, int size, int* length) {
    if (length != nullptr) *length = 0;
    if (file == nullptr || buffer == nullptr || size <= 0) return 1;
    // An exhausted file adds nothing: the caller's buffer keeps what it held.
    int first = fgetc(file);
    if (first == EOF) return 1;
    ungetc(first, file);
    bool overflowed = false;
    bool at_end = false;
    int stored = Read_Characters(file, buffer, size, &overflowed, &at_end);
    buffer[stored] = '\0';
    if (length != nullptr) *length = stored;
    return at_end ? 1 : 0;
}

int Read_Line(char* buffer, FILE* file, int size) {
    return Read_Counted_Line(buffer, file, size, nullptr);
}

namespace {
// Drops the rest of the line, handing each character read to `seen`; 1 at
// the end of the file (or past the read bound), else 0.
template <typename SEEN> int Pass_Over_Line(FILE* file, SEEN seen) {
    // The files are read by one thread: no lock per character.
    for (long passed = 0; passed < LINE_READ_BOUND; ++passed) {
        int c = getc_unlocked(file);
        if (c == EOF) return 1;
        seen(static_cast<char>(c));
        if (c == '\n') return 0;
    }
    return 1;
}
} // namespace

int Skip_Line(FILE* file) {
    if (file == nullptr) return 1;
    return Pass_Over_Line(file, [](char) {});
}

int Skip_Line_Into(FILE* file, char* character) {
    if (file == nullptr) return 0;
    return Pass_Over_Line(file, [character](char c) {
        if (character != nullptr) *character = c;
    });
}

int Can_Open_File_For_Reading(const char* file_name) {
    if (file_name == nullptr || file_name[0] == '\0') return 0;
    FILE* file = Open_Resolved_File(file_name, "r");
    if (file == nullptr) return 0;
    fclose(file);
    return 1;
}

int Count_Remaining_Lines(FILE* file) {
    if (file == nullptr) return 0;
    // One line more than the line ends ahead: the last line counts whether
    // or not it ends. A count past the largest int stays there.
    int lines = 1;
    char block[65536];
    size_t read = 0;
    while ((read = fread(block, 1, sizeof block, file)) > 0)
        for (const char* at = block;
             (at = static_cast<const char*>(memchr(at, '\n', block + read - at))) != nullptr; ++at)
            if (lines < INT_MAX) ++lines;
    return lines;
}

int Count_File_Lines(const char* file_name) {
    FILE* file = Open_Resolved_File(file_name, "rt");
    if (file == nullptr) {
        int error_number = errno;
        Show_Formatted_Message("File Error", "Couldn't open file: \"%s\"\n\n%s", file_name ? file_name : "",
                               strerror(error_number));
        return 0;
    }
    const int lines = Count_Remaining_Lines(file);
    fclose(file);
    return lines;
}

long Count_File_Characters(FILE* file) {
    if (file == nullptr) return 0;
    rewind(file);
    long count = 0;
    while (fgetc(file) != EOF)
        ++count;
    rewind(file);
    return count;
}

int Append_Line_To_File(const char* file_name, const char* text) {
    if (file_name == nullptr || file_name[0] == '\0' || text == nullptr) return 0;
    FILE* file = Open_Resolved_File(file_name, "at");
    if (file == nullptr) return 0;
    fputs(text, file);
    fputc('\n', file);
    fclose(file);
    return 1;
}

int Append_Formatted_Line_To_File(const char* file_name, const char* format, ...) {
    if (file_name == nullptr || file_name[0] == '\0' || format == nullptr) return 0;
    char text[TEXT_BUFFER_SIZE];
    va_list args;
    va_start(args, format);
    vsnprintf(text, sizeof text, format, args);
    va_end(args);
    FILE* file = Open_Resolved_File(file_name, "at");
    if (file == nullptr) return 0;
    fputs(text, file);
    fputc('\n', file);
    fclose(file);
    return 1;
}

int Delete_File(const char* file_name) {
    if (file_name == nullptr || file_name[0] == '\0') return 0;
    return std::remove(Resolve_File_Path(file_name).c_str()) == 0 ? 1 : 0;
}

int Create_File_Folder(const char* file_name) {
    if (file_name == nullptr || file_name[0] == '\0') return 0;
    const std::filesystem::path folder = std::filesystem::path(Resolve_File_Path(file_name)).parent_path();
    if (folder.empty()) return 1;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return std::filesystem::is_directory(folder, error) ? 1 : 0;
}

const char* Get_Error_Number_Text(int error_number) {
    if (error_number == TRUNCATED_ERROR_NUMBER) return "String was truncated";
    if (error_number < 0 || error_number >= ERROR_TEXT_COUNT) return ERROR_TEXTS[ERROR_TEXT_COUNT - 1];
    return ERROR_TEXTS[error_number];
}

// The table is numbered as the Windows runtime numbers its errors; this
// runtime numbers some of them differently (a too-long file name is 36 here,
// a deadlock there), so the current error is renumbered by name first.
int Get_Table_Error_Number(int host_error) {
    switch (host_error) {
    case 0:
        return 0;
    case EPERM:
        return 1;
    case ENOENT:
        return 2;
    case ESRCH:
        return 3;
    case EINTR:
        return 4;
    case EIO:
        return 5;
    case ENXIO:
        return 6;
    case E2BIG:
        return 7;
    case ENOEXEC:
        return 8;
    case EBADF:
        return 9;
    case ECHILD:
        return 10;
    case EAGAIN:
        return 11;
    case ENOMEM:
        return 12;
    case EACCES:
        return 13;
    case EFAULT:
        return 14;
    case EBUSY:
        return 16;
    case EEXIST:
        return 17;
    case EXDEV:
        return 18;
    case ENODEV:
        return 19;
    case ENOTDIR:
        return 20;
    case EISDIR:
        return 21;
    case EINVAL:
        return 22;
    case ENFILE:
        return 23;
    case EMFILE:
        return 24;
    case ENOTTY:
        return 25;
    case EFBIG:
        return 27;
    case ENOSPC:
        return 28;
    case ESPIPE:
        return 29;
    case EROFS:
        return 30;
    case EMLINK:
        return 31;
    case EPIPE:
        return 32;
    case EDOM:
        return 33;
    case ERANGE:
        return 34;
    case EDEADLK:
        return 36;
    case ENAMETOOLONG:
        return 38;
    case ENOLCK:
        return 39;
    case ENOSYS:
        return 40;
    case ENOTEMPTY:
        return 41;
    case EILSEQ:
        return 42;
    default:
        // Errors the table has no entry for.
        return ERROR_TEXT_COUNT - 1;
    }
}

const char* Get_Errno_Text() {
    return Get_Error_Number_Text(Get_Table_Error_Number(errno));
}
