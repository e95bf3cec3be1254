#include "platform/crash_handler.h"

#include <csignal>
#include <cstring>
#include <ctime>
#include <execinfo.h>
#include <fcntl.h>
#include <unistd.h>

#include "platform/clock.h"

namespace {
constexpr int FATAL_SIGNALS[] = {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT};
constexpr int PATH_SIZE = 1024;
constexpr int TEXT_SIZE = 512;
constexpr int BACKTRACE_DEPTH = 64;

char log_path[PATH_SIZE];
char crash_stem[PATH_SIZE];
char user_stream[TEXT_SIZE];
const char* last_error_text = nullptr;
bool installed = false;
struct sigaction previous_actions[sizeof FATAL_SIGNALS / sizeof FATAL_SIGNALS[0]];
// The handler's own stack, so that a stack overflow can still be reported.
alignas(16) char alternate_stack[64 * 1024];

void Copy_Text(char* target, const char* source, size_t size) {
    if (source == nullptr) source = "";
    size_t length = std::strlen(source);
    if (length > size - 1) length = size - 1;
    std::memcpy(target, source, length);
    target[length] = '\0';
}

// Everything below runs inside the signal handler: only writes to file
// descriptors and hand-made number formatting.
void Write_Text(int fd, const char* text) {
    if (fd < 0 || text == nullptr) return;
    size_t left = std::strlen(text);
    while (left > 0) {
        const ssize_t written = write(fd, text, left);
        if (written <= 0) return;
        text += written;
        left -= static_cast<size_t>(written);
    }
}

void Format_Number(char* buffer, long value, int min_digits) {
    char digits[24];
    int count = 0;
    const bool negative = value < 0;
    unsigned long rest =
        negative ? static_cast<unsigned long>(-(value + 1)) + 1 : static_cast<unsigned long>(value);
    do {
        digits[count++] = static_cast<char>('0' + rest % 10);
        rest /= 10;
    } while (rest != 0 && count < 22);
    while (count < min_digits && count < 22)
        digits[count++] = '0';
    int at = 0;
    if (negative) buffer[at++] = '-';
    while (count > 0)
        buffer[at++] = digits[--count];
    buffer[at] = '\0';
}

void Write_Number(int fd, long value) {
    char text[32];
    Format_Number(text, value, 1);
    Write_Text(fd, text);
}

// A log line begins with the calendar seconds (low 32 bits), as every line of the log does.
void Write_Time_Stamp(int fd) {
    Write_Number(fd, static_cast<long>(static_cast<int32_t>(static_cast<uint32_t>(time(nullptr)))));
    Write_Text(fd, " ");
}

const char* Signal_Name(int signal_number) {
    switch (signal_number) {
    case SIGSEGV:
        return "segmentation fault";
    case SIGBUS:
        return "bus error";
    case SIGILL:
        return "illegal instruction";
    case SIGFPE:
        return "arithmetic fault";
    case SIGABRT:
        return "abort";
    default:
        return "signal";
    }
}

void Write_Report(int fd, int signal_number, void* const* frames, int frame_count) {
    Write_Text(fd, user_stream);
    Write_Text(fd, " [");
    Write_Number(fd, static_cast<long>(time(nullptr)));
    Write_Text(fd, "]\nSignal: ");
    Write_Number(fd, signal_number);
    Write_Text(fd, " (");
    Write_Text(fd, Signal_Name(signal_number));
    Write_Text(fd, ")\nBacktrace:\n");
    backtrace_symbols_fd(frames, frame_count, fd);
    Write_Text(fd, "Last errors:\n");
    Write_Text(fd, last_error_text);
    Write_Text(fd, "End of crash report.\n");
}

void Handle_Fatal_Signal(int signal_number) {
    void* frames[BACKTRACE_DEPTH];
    const int frame_count = backtrace(frames, BACKTRACE_DEPTH);
    const int log = open(log_path, O_WRONLY | O_APPEND | O_CREAT, 0644);
    Write_Time_Stamp(log);
    Write_Text(log, "Crash detected!  Attempting to write emergency debug file.\n");
    Write_Report(log, signal_number, frames, frame_count);

    char crash_path[PATH_SIZE + 16];
    char number[32];
    Format_Number(number, static_cast<long>(Get_Tick_Count() % 1000), 3);
    Copy_Text(crash_path, crash_stem, PATH_SIZE);
    std::strcat(crash_path, "-");
    std::strcat(crash_path, number);
    std::strcat(crash_path, ".txt");
    const int crash = open(crash_path, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    Write_Report(crash, signal_number, frames, frame_count);
    Write_Time_Stamp(log);
    if (crash >= 0) {
        close(crash);
        Write_Text(log, "ERROR: Wrote dump file \"");
        Write_Text(log, crash_path);
        Write_Text(log, "\"\n");
    } else {
        Write_Text(log, "ERROR: Failed to write dump file!\n");
    }
    if (log >= 0) close(log);
    // Let the signal end the process as it would have without us.
    signal(signal_number, SIG_DFL);
    raise(signal_number);
}
} // namespace

bool Install_Crash_Handler(const CRASH_REPORT_SETUP& setup) {
    Copy_Text(log_path, setup.Log_File, sizeof log_path);
    Copy_Text(crash_stem, setup.Crash_File_Stem, sizeof crash_stem);
    Copy_Text(user_stream, setup.User_Stream, sizeof user_stream);
    last_error_text = setup.Last_Error_Text != nullptr ? setup.Last_Error_Text : "";
    // The first backtrace loads what it needs; inside the handler it must not.
    void* warm_up[2];
    backtrace(warm_up, 2);
    stack_t stack{};
    stack.ss_sp = alternate_stack;
    stack.ss_size = sizeof alternate_stack;
    if (sigaltstack(&stack, nullptr) != 0) return false;
    struct sigaction action {};
    action.sa_handler = Handle_Fatal_Signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_ONSTACK | SA_RESETHAND;
    for (size_t i = 0; i < sizeof FATAL_SIGNALS / sizeof FATAL_SIGNALS[0]; ++i)
        if (sigaction(FATAL_SIGNALS[i], &action, installed ? nullptr : &previous_actions[i]) != 0)
            return false;
    installed = true;
    return true;
}

void Remove_Crash_Handler() {
    if (!installed) return;
    for (size_t i = 0; i < sizeof FATAL_SIGNALS / sizeof FATAL_SIGNALS[0]; ++i)
        sigaction(FATAL_SIGNALS[i], &previous_actions[i], nullptr);
    installed = false;
}
