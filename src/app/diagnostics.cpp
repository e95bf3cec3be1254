#include "app/diagnostics.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <sys/utsname.h>

#include "app/command_line_flags.h"
#include "database/safe_strings.h"
#include "platform/backend.h"
#include "platform/clock.h"
#include "platform/debugger.h"
#include "platform/message_box.h"

char Last_Error_Text[LAST_ERROR_TEXT_SIZE] = "";
int Error_Boxes_Enabled = 1;

namespace {
constexpr int LOG_TEXT_SIZE = 2048;
constexpr const char* LOG_FILE_NAME = "debug.txt";

uint32_t timer_start_tick = 0;
uint32_t timer_last_tick = 0;
uint32_t timer_elapsed = 0;
char timer_section_name[256] = "Nothing";
// Set while the "System Error!" box is up, so an error reported from inside it
// is logged without asking again.
bool asking_about_error = false;

// The time stamp of every line: the low 32 bits of the calendar seconds, as
// the log has always printed them.
long Get_Log_Time() {
    return static_cast<long>(static_cast<int32_t>(static_cast<uint32_t>(time(nullptr))));
}

// Opened and closed for every line so the log is complete up to a crash; a
// log that cannot be opened drops the line.
void Append_Log_File_Line(const char* line) {
    if (FILE* file = std::fopen(LOG_FILE_NAME, "a")) {
        std::fputs(line, file);
        std::fputc('\n', file);
        std::fclose(file);
    }
}

void Append_Formatted_Log_Line(const char* format, ...) __attribute__((format(printf, 1, 2)));
void Append_Formatted_Log_Line(const char* format, ...) {
    char line[LOG_TEXT_SIZE];
    va_list args;
    va_start(args, format);
    vsnprintf(line, sizeof line, format, args);
    va_end(args);
    Append_Log_File_Line(line);
}

// snprintf through a variadic wrapper: cutting a long line is intended here.
void Format_Line(char* line, const char* format, ...) __attribute__((format(printf, 2, 3)));
void Format_Line(char* line, const char* format, ...) {
    va_list args;
    va_start(args, format);
    vsnprintf(line, LOG_TEXT_SIZE, format, args);
    va_end(args);
}

void Send_Line_To_Debugger(const char* line) {
    Write_Debugger_Output(line);
    Write_Debugger_Output("\n");
}

void Format_Text(char* text, const char* format, va_list args) {
    text[0] = '\0';
    if (format != nullptr) vsnprintf(text, LOG_TEXT_SIZE, format, args);
}

// Puts `line` and a line feed in front of Last_Error_Text, cut to 2,047 characters.
void Keep_Last_Error(const char* line) {
    constexpr size_t LIMIT = LAST_ERROR_TEXT_SIZE - 1;
    char updated[LAST_ERROR_TEXT_SIZE];
    size_t used = std::min(std::strlen(line), LIMIT);
    std::memcpy(updated, line, used);
    if (used < LIMIT) updated[used++] = '\n';
    size_t kept = std::min(std::strlen(Last_Error_Text), LIMIT - used);
    std::memcpy(updated + used, Last_Error_Text, kept);
    used += kept;
    updated[used] = '\0';
    std::memcpy(Last_Error_Text, updated, used + 1);
}

void Ask_About_Error(const char* text) {
    char question[LOG_TEXT_SIZE];
    Format_Line(question, "%s\n\nENTER DEBUGGER?", text);
    asking_about_error = true;
    int answer = Show_Message_Box(question, "System Error!",
                                  BOX_YES_NO_CANCEL | BOX_INFORMATION | BOX_SECOND_DEFAULT | BOX_TASK_MODAL);
    asking_about_error = false;
    if (answer == ID_BOX_YES)
        Break_Into_Debugger();
    else if (answer == ID_BOX_CANCEL)
        Error_Boxes_Enabled = 0;
}

void Write_Operating_System_Line() {
    struct utsname system_name;
    if (uname(&system_name) != 0) {
        Append_Log_File_Line(" OSVer: unknown");
        return;
    }
    int major = 0, minor = 0, patch = 0;
    std::sscanf(system_name.release, "%d.%d.%d", &major, &minor, &patch);
    char line[LOG_TEXT_SIZE];
    Format_Line(line, " OSVer: %s %d.%d.%d \"%s\" %s", system_name.sysname, major, minor, patch,
                system_name.version, system_name.machine);
    Append_Log_File_Line(line);
}

struct DISPLAY_LINE {
    const char* Format;
    int First;
    int Second;
};

// The display entry keeps the two-column layout of the log; values the backend
// does not know are 0.
void Write_Display_Lines() {
    DISPLAY_INFO display;
    Get_Platform_Backend().Describe_Display(&display);
    const DISPLAY_LINE lines[] = {
        {"   DRIVERVERSION=%-10d    TECHNOLOGY=%d", 0, 0},
        {"   HORZSIZE=%-10d         VERTSIZE=%d", 0, 0},
        {"   HORZRES=%-10d          VERTRES=%d", display.Width, display.Height},
        {"   BITSPIXEL=%-10d        PLANES=%d", display.Bits_Per_Pixel, display.Planes},
        {"   NUMBRUSHES=%-10d       NUMPENS=%d", 0, 0},
        {"   NUMMARKERS=%-10d       NUMFONTS=%d", 0, 0},
        {"   NUMCOLORS=%-10d        PDEVICESIZE=%d", 0, 0},
        {"   CURVECAPS=0x%08X        LINECAPS=0x%08X", 0, 0},
        {"   POLYGONALCAPS=0x%08X    TEXTCAPS=0x%08X", 0, 0},
        {"   CLIPCAPS=0x%08X         RASTERCAPS=0x%08X", 0, 0},
        {"   ASPECTX=%-10d          ASPECTY=%d", 0, 0},
        {"   ASPECTXY=%-10d         LOGPIXELSX=%d", 0, display.Pixels_Per_Inch},
        {"   LOGPIXELSY=%-10d       SIZEPALETTE=%d", display.Pixels_Per_Inch, 0},
        {"   NUMRESERVED=%-10d      COLORRES=%d", 0, 0},
        {"   VREFRESH=%-10d         DESKTOPVERTRES=%d", display.Refresh_Rate, display.Height},
        {"   DESKTOPHORZRES=%-10d   BLTALIGNMENT=%d", display.Width, 0},
        {"   SHADEBLENDCAPS=0x%08X   COLORMGMTCAPS=0x%08X", 0, 0},
    };
    Append_Log_File_Line(" Video Information:");
    char line[LOG_TEXT_SIZE];
    for (const DISPLAY_LINE& entry : lines) {
        snprintf(line, sizeof line, entry.Format, entry.First, entry.Second);
        Append_Log_File_Line(line);
    }
}
} // namespace

void Write_Debug_Log_Header() {
    std::remove(LOG_FILE_NAME);
    char line[LOG_TEXT_SIZE];
    time_t now = time(nullptr);
    char started[64] = "\n";
    struct tm local;
    if (localtime_r(&now, &local) != nullptr)
        std::strftime(started, sizeof started, "%a %b %e %H:%M:%S %Y\n", &local);
    Format_Line(line, "%ld Football Korva %d (V%d.%02d%s%s) started at: %s", Get_Log_Time(), 2023, 20, 2,
                "CD", "     ", started);
    Append_Log_File_Line(line);
    if (Command_Line_Flags_Text[0] != '\0') {
        Append_Formatted_Log_Line(" Command Line Flags: %s", Command_Line_Flags_Text);
    }
    Write_Operating_System_Line();
    Format_Line(line, " platform layer (%s) = 0x%08X", Get_Platform_Backend().Name,
                static_cast<unsigned>(PLATFORM_LAYER_VERSION_MINOR << 16 | PLATFORM_LAYER_VERSION_MAJOR));
    Append_Log_File_Line(line);
    Write_Display_Lines();
}

// Stamps a text with the time, appends it to the log and mirrors it to the
// debugger; the stamped line is left in `line` for callers that keep it.
static void Write_Stamped_Log_Line(char (&line)[LOG_TEXT_SIZE], bool is_error, const char* text) {
    if (is_error)
        Format_Line(line, "%ld ERROR: %s", Get_Log_Time(), text);
    else
        Format_Line(line, "%ld %s", Get_Log_Time(), text);
    Append_Log_File_Line(line);
    Send_Line_To_Debugger(line);
}

void Log_Debug_Line(const char* format, ...) {
    char text[LOG_TEXT_SIZE];
    va_list args;
    va_start(args, format);
    Format_Text(text, format, args);
    va_end(args);
    char line[LOG_TEXT_SIZE];
    Write_Stamped_Log_Line(line, false, text);
}

void Log_Debug_Output(const char* format, ...) {
    char text[LOG_TEXT_SIZE];
    va_list args;
    va_start(args, format);
    Format_Text(text, format, args);
    va_end(args);
    char line[LOG_TEXT_SIZE];
    Format_Line(line, "%ld Debug: %s", Get_Log_Time(), text);
    Send_Line_To_Debugger(line);
}

int Log_Debug_Flagged(uint32_t mask, const char* format, ...) {
    if ((mask & Command_Line_Flags) == 0) return 0;
    char text[LOG_TEXT_SIZE];
    va_list args;
    va_start(args, format);
    Format_Text(text, format, args);
    va_end(args);
    Log_Debug_Output("%s", text);
    return 0;
}

int Report_System_Error(const char* format, ...) {
    char text[LOG_TEXT_SIZE];
    va_list args;
    va_start(args, format);
    Format_Text(text, format, args);
    va_end(args);
    char line[LOG_TEXT_SIZE];
    Write_Stamped_Log_Line(line, true, text);
    Keep_Last_Error(line);
    if (Error_Boxes_Enabled == 1 && (Command_Line_Flags & SHOW_SYSTEM_ERRORS) != 0 && !asking_about_error)
        Ask_About_Error(text);
    return -1;
}

int Time_Debug_Section(const char* name, int action) {
    uint32_t now = Get_Tick_Count();
    switch (action) {
    case DEBUG_TIMER_START:
        timer_start_tick = timer_last_tick = now;
        timer_elapsed = 0;
        if (name != nullptr) safe_strncpy(timer_section_name, name, sizeof timer_section_name);
        break;
    case DEBUG_TIMER_STOP:
        if (name != nullptr) safe_strncpy(timer_section_name, name, sizeof timer_section_name);
        timer_last_tick = now;
        timer_elapsed = now - timer_start_tick;
        break;
    case DEBUG_TIMER_LOG:
        if (name != nullptr)
            Log_Debug_Line("TIMER %d: %s", static_cast<int>(timer_elapsed), name);
        else
            Log_Debug_Line("TIMER %d", static_cast<int>(timer_elapsed));
        break;
    case DEBUG_TIMER_SHOW:
        // Milliseconds padded to three digits: 1,005 ms reads "1.005", not "1.5".
        Show_Formatted_Message(timer_section_name, "%d.%03d", static_cast<int>(timer_elapsed / 1000),
                               static_cast<int>(timer_elapsed % 1000));
        break;
    default:
        break;
    }
    return static_cast<int>(timer_elapsed);
}

void Reset_Diagnostics() {
    Last_Error_Text[0] = '\0';
    Error_Boxes_Enabled = 1;
    timer_start_tick = timer_last_tick = timer_elapsed = 0;
    safe_strncpy(timer_section_name, "Nothing", sizeof timer_section_name);
}
